#!/usr/bin/env bash
# Whole processes against the floor of the same run, on the full 2000-2020 calendar and on a calendar
# of 500 days: `orv info FILE` (open) against `cat FILE`, and `orv convert FILE OUT --yes` (open and
# save) against `cp FILE OUT` + `sync OUT`. Each pair runs ROUNDS times, alternating; medians and
# their ratios are printed, with the peak memory of `orv info` against the file's size. Then the
# in-process figures of bench_calendar_file for both calendars.
# Usage: bench/open_save_vs_floor.sh [BUILD_DIR]        ROUNDS=9 by default
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
orv=$build/src/orv
gen=$build/bench/bench_calendar_file
rounds=${ROUNDS:-9}
for program in "$orv" "$gen"; do
  [ -x "$program" ] || { echo "no $program; build orv and bench_calendar_file first" >&2; exit 2; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Milliseconds of each run of a command, one per line, into a file.
run_timed() {
  local out=$1
  shift
  local s e
  s=$(now)
  "$@" >/dev/null 2>&1
  e=$(now)
  echo $(((e - s) / 1000)) >>"$out"
}

compare() {
  local label=$1 file=$2
  local ours=$scratch/ours.txt floor=$scratch/floor.txt
  rm -f "$ours" "$floor"
  for ((i = 0; i < rounds; i++)); do
    if [ "$label" = open ]; then
      run_timed "$ours" "$orv" info "$file"
      run_timed "$floor" cat "$file"
    else
      run_timed "$ours" "$orv" convert "$file" "$scratch/out.orv" --yes
      run_timed "$floor" sh -c 'cp "$1" "$2" && sync "$2"' sh "$file" "$scratch/copy.orv"
    fi
  done
  awk -v l="$label" -v o="$(median <"$ours")" -v f="$(median <"$floor")" -v n="$([ "$label" = open ] && echo 'cat' || echo 'cp+sync')" \
    'BEGIN { printf "  %-8s orv %8.1f ms   %-8s %8.1f ms   ratio %5.2f\n", l, o / 1000, n, f / 1000, o / f }'
}

for days in all 500; do
  file=$scratch/calendar-$days.orv
  if [ "$days" = all ]; then "$gen" --write "$file"; else "$gen" --write "$file" "$days"; fi
  size=$(stat -c %s "$file")
  printf '%s days: %.1f MB, median of %d runs\n' "$days" "$(echo "$size / 1048576" | bc -l)" "$rounds"
  cat "$file" >/dev/null  # both sides read from the page cache
  compare open "$file"
  compare save "$file"
  cmp -s "$file" "$scratch/out.orv" && echo "  convert wrote the file byte for byte" || echo "  convert CHANGED the bytes"
  /usr/bin/time -v -o "$scratch/time.txt" "$orv" info "$file" >/dev/null
  kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$scratch/time.txt")
  /usr/bin/time -v -o "$scratch/time.txt" "$orv" --version >/dev/null
  base=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$scratch/time.txt")
  awk -v k="$kb" -v b="$base" -v s="$size" \
    'BEGIN { printf "  orv info peak %.1f MB (orv --version %.1f MB): %.2fx the file, %.2fx above the bare process\n", k / 1024, b / 1024, k * 1024 / s, (k - b) * 1024 / s }'
done

echo
echo "in-process (bench_calendar_file):"
for days in all 500; do
  if [ "$days" = all ]; then args=(); else args=(--days "$days"); fi
  "$gen" "${args[@]}" --benchmark_min_time=1 2>/dev/null | sed -n '/^calendar file/,$p'
done
