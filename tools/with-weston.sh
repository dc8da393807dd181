#!/usr/bin/env bash
# Runs a command in a Wayland session of its own: a headless weston compositor on a socket in a
# private runtime folder, ended when the command ends. The command sees WAYLAND_DISPLAY and no X.
#   tools/with-weston.sh COMMAND [ARGS...]
set -euo pipefail
command -v weston >/dev/null || { echo "with-weston: weston is not installed" >&2; exit 1; }
runtime=$(mktemp -d)
chmod 0700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=orvella-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston=$!
cleanup() { kill "$weston" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"; }
trap cleanup EXIT
for _ in $(seq 200); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
  sleep 0.05
done
[ -S "$runtime/$socket" ] || { echo "with-weston: weston did not start" >&2; cat "$runtime/weston.log" >&2; exit 1; }
export WAYLAND_DISPLAY=$socket
unset DISPLAY
"$@"
