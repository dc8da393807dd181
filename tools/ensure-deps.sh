#!/usr/bin/env bash
# Installs the Debian packages of tools/debian-packages.txt that are missing. Sourced by ./run and ./test.
ensure_deps() {
  local list here missing=()
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  list=$(grep -v -e '^#' -e '^\s*$' "$here/debian-packages.txt")
  for pkg in $list; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local cmd="apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Chybí balíčky. Nainstalujte je jako root:" >&2
    echo "  apt-get update && $cmd" >&2
    exit 1
  fi
  echo "Instaluji: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q && $cmd
}
