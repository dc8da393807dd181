#!/usr/bin/env bash
# Checks the Debian package as a user receives it: unpacked into an empty folder, its orv and
# orvella run from there; the desktop entry, the AppStream data, the manual pages and the
# completions are where the desktop and the shells look; lintian finds no error.
#   tools/check-package.sh build/orvella_VERSION_ARCH.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "check-package: $*" >&2; exit 1; }

for f in usr/bin/orv usr/bin/orvella usr/lib/orvella/orv-qt.so usr/share/orvella/Moon.ttf \
  usr/share/applications/orvella.desktop usr/share/metainfo/cz.orvella.Orvella.metainfo.xml \
  usr/share/mime/packages/orvella.xml usr/share/icons/hicolor/scalable/apps/orvella.svg \
  usr/share/icons/hicolor/48x48/apps/orvella.png usr/share/icons/hicolor/256x256/apps/orvella.png \
  usr/share/man/man1/orv.1.gz usr/share/man/man1/orvella.1.gz \
  usr/share/bash-completion/completions/orv usr/share/zsh/vendor-completions/_orv \
  usr/share/doc/orvella/copyright usr/share/doc/orvella/changelog.gz; do
  [ -e "$root/$f" ] || fail "$f is missing"
done

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the Qt libraries: $depends"
grep -q 'hunspell-cs' <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks hunspell-cs"

# The programs run from the unpacked tree: orv with its module, orvella to its first painted window.
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
"$root/usr/bin/orv" --version | grep -q '^orv (Orvella 2)' || fail "orv --version"
"$root/usr/bin/orv" new "$work/k.orv" >/dev/null
"$root/usr/bin/orv" note "$work/k.orv" 2005-03-15 "Jarní výlet" >/dev/null
"$root/usr/bin/orv" export-rtf "$work/k.orv" "$work/k.rtf" --from 2005-03-01 --to 2005-03-31 >/dev/null ||
  fail "orv export-rtf (the module in usr/lib/orvella) did not run"
grep -q 'Jarn' "$work/k.rtf" || fail "the exported RTF lacks the note"
"$root/usr/bin/orvella" --version | grep -q '^orvella ' || fail "orvella --version"
HOME=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen ORV_QUIT_AFTER_SHOW=1 ORV_NONINTERACTIVE=1 \
  timeout 60 "$root/usr/bin/orvella" "$work/k.orv" >/dev/null || fail "orvella did not show its window"

man -l "$root/usr/share/man/man1/orv.1.gz" 2>&1 >/dev/null | grep . && fail "orv(1) has troff warnings"
bash -n "$root/usr/share/bash-completion/completions/orv" || fail "the bash completion has a syntax error"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/orvella.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/cz.orvella.Orvella.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
fi
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" || true
  cat "$work/lintian.txt"
  ! grep -q '^E:' "$work/lintian.txt" || fail "lintian found errors"
fi
echo "check-package: $(basename "$deb") is whole"
