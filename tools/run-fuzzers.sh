#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang and runs each for a bounded time over its seed corpus, with
# at most 512 MB and 5 seconds for any one input. Any crash, leak, sanitizer report, timeout or memory
# overrun fails the run.
set -euo pipefail
root=$1
seconds=$2
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DORV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzzers
shopt -s nullglob
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target##*/fuzz_}
  seeds="$root/fuzz/corpus/$name"
  work=$(mktemp -d)
  echo "-- fuzz_$name for ${seconds}s" >&2
  corpora=("$work")
  [ -d "$seeds" ] && corpora+=("$seeds")
  "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=512 -print_final_stats=1 \
    -artifact_prefix="$work/" "${corpora[@]}" >"$work/log" 2>&1 || {
      tail -n 60 "$work/log" >&2
      echo "fuzz_$name failed; artefacts in $work" >&2
      exit 1
    }
  grep -E 'stat::number_of_executed_units' "$work/log" >&2 || true
  rm -rf "$work"
done
