#!/usr/bin/env bash
# Start-up of the window seen from outside, on a real X server (Xvfb, no window manager), with a new
# calendar and with FILE, ROUNDS runs of each in turn:
#   mapped_ms  from starting orvella to its main window being viewable on the screen (polled with
#              xdotool every few milliseconds; the program is then ended);
#   paint_ms   the program's own start-to-first-paint time on the xcb platform (ORV_QUIT_AFTER_SHOW);
#   whole_ms   the whole process of that run, to its exit.
# Medians, and FILE's over the new calendar's. The floors: `orv --version` (a process without Qt) and
# `orvella --version` (the program with its libraries loaded, no window).
# Usage: bench/startup_xvfb.sh FILE [BUILD_DIR]     ROUNDS=9 by default
#   FILE: e.g. the full 2000-2020 calendar bench_window writes (it names it on stderr)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
file=$(realpath "${1:?usage: $0 FILE [BUILD_DIR]}")
build=$(realpath "${2:-$root/build}")
orvella=$build/src/orvella
orv=$build/src/orv
rounds=${ROUNDS:-9}
for program in "$orvella" "$orv" /usr/bin/Xvfb /usr/bin/xdotool; do
  [ -x "$program" ] || { echo "no $program" >&2; exit 2; }
done
scratch=$(mktemp -d)
display=:$((200 + RANDOM % 500))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb ORV_NONINTERACTIVE=1
export XDG_CONFIG_HOME=$scratch/config XDG_STATE_HOME=$scratch/state XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
for ((i = 0; i < 200; i++)); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Milliseconds until the window of a started orvella is viewable; the program is then ended.
mapped_ms() {
  local s e pid
  s=$(now)
  "$orvella" "$@" >/dev/null 2>&1 &
  pid=$!
  until [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ]; do
    sleep 0.005  # the polling leaves the program the processor
    kill -0 "$pid" 2>/dev/null || { echo "orvella ended without a window" >&2; exit 1; }
  done
  e=$(now)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((e - s) / 1000000))
}

# The program's own start-to-paint milliseconds, then the whole process's.
paint_and_whole_ms() {
  local s e paint
  s=$(now)
  paint=$(ORV_QUIT_AFTER_SHOW=1 "$orvella" "$@" 2>/dev/null)
  e=$(now)
  echo "$paint $(((e - s) / 1000000))"
}

floor_ms() {
  local s e
  s=$(now)
  "$@" >/dev/null 2>&1
  e=$(now)
  echo $(((e - s) / 100000)) | awk '{ printf "%.1f\n", $1 / 10 }'
}

for kind in new full; do : >"$scratch/$kind.mapped"; : >"$scratch/$kind.paint"; : >"$scratch/$kind.whole"; done
: >"$scratch/orv.floor"
: >"$scratch/orvella.floor"
for ((i = 0; i < rounds; i++)); do
  for kind in new full; do
    args=()
    [ $kind = full ] && args=("$file")
    mapped_ms "${args[@]}" >>"$scratch/$kind.mapped"
    read -r paint whole < <(paint_and_whole_ms "${args[@]}")
    echo "$paint" >>"$scratch/$kind.paint"
    echo "$whole" >>"$scratch/$kind.whole"
  done
  floor_ms "$orv" --version >>"$scratch/orv.floor"
  floor_ms "$orvella" --version >>"$scratch/orvella.floor"
done

echo "load: $(cut -d' ' -f1-3 /proc/loadavg); $rounds rounds; file $(du -k "$file" | cut -f1) KB"
for measure in mapped paint whole; do
  new=$(median <"$scratch/new.$measure")
  full=$(median <"$scratch/full.$measure")
  echo "$measure: new ${new} ms, file ${full} ms, ratio $(awk -v a="$full" -v b="$new" 'BEGIN { printf "%.2f", a / b }')"
done
echo "floors: orv --version $(median <"$scratch/orv.floor") ms, orvella --version $(median <"$scratch/orvella.floor") ms"
