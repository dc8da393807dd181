#!/usr/bin/env bash
# Runs a command in a real X server with a window manager, as a desktop user has it: Xvfb on a free
# display (1600×1000 unless ORV_SCREEN says otherwise) with openbox, both ended when the command ends.
#   tools/with-window-manager.sh COMMAND [ARGS...]
set -euo pipefail
screen=${ORV_SCREEN:-1600x1000x24}
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "with-window-manager: $tool is not installed" >&2; exit 1; }
done

# A display number nobody uses, picked by Xvfb itself (-displayfd), so parallel runs never collide.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r -t 20 number <"$fifo" || { echo "with-window-manager: Xvfb did not start" >&2; kill "$xvfb"; exit 1; }
rm -f "$fifo"
export DISPLAY=":$number"
unset WAYLAND_DISPLAY

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
cleanup() { kill "$wm" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; }
trap cleanup EXIT
# The window manager is ready when it has claimed the screen (its supporting-WM window exists).
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
"$@"
