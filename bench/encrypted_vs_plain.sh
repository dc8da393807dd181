#!/usr/bin/env bash
# An encrypted calendar against the same calendar in clear, whole processes on the full 2000-2020
# calendar: open (`orv info`), open and save (`orv note ... x`), and the key derivation alone (`orv
# info` of an encrypted empty calendar against the empty calendar in clear). The save of an encrypted
# calendar costs no derivation in the window (the key is kept); orv derives once per run, on opening,
# so the save's own cost is (open and save) - (open). Peak memory of `orv info` of both.
# Usage: bench/encrypted_vs_plain.sh [BUILD_DIR]        ROUNDS=7 by default
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
orv=$build/src/orv
gen=$build/bench/bench_calendar_file
rounds=${ROUNDS:-7}
for program in "$orv" "$gen"; do
  [ -x "$program" ] || { echo "no $program; build orv and bench_calendar_file first" >&2; exit 2; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo 'dlouhé heslo pro měření' >"$scratch/pw"
pw=(--password-file "$scratch/pw")

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The median CPU milliseconds (user + system) of a command over the rounds: on a machine shared with
# other work the wall clock says more about the others than about this program.
timed() {
  local out=$scratch/t.txt
  rm -f "$out"
  for ((i = 0; i < rounds; i++)); do
    /usr/bin/time -f '%U %S' -o "$scratch/cpu.txt" "$@" >/dev/null 2>&1
    awk '{ print ($1 + $2) * 1000 }' "$scratch/cpu.txt" >>"$out"
  done
  median <"$out"
}
peak() {
  /usr/bin/time -v -o "$scratch/time.txt" "$@" >/dev/null 2>&1
  awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$scratch/time.txt"
}

"$gen" --write "$scratch/plain.orv"
cp "$scratch/plain.orv" "$scratch/enc.orv"
"$orv" "${pw[@]}" encrypt "$scratch/enc.orv" >/dev/null
"$orv" new "$scratch/empty-plain.orv" >/dev/null
cp "$scratch/empty-plain.orv" "$scratch/empty-enc.orv"
"$orv" "${pw[@]}" encrypt "$scratch/empty-enc.orv" >/dev/null
printf 'full calendar %.1f MB in clear, %.1f MB encrypted; median CPU ms of %d runs\n' \
  "$(echo "$(stat -c %s "$scratch/plain.orv") / 1048576" | bc -l)" \
  "$(echo "$(stat -c %s "$scratch/enc.orv") / 1048576" | bc -l)" "$rounds"

kdf_enc=$(timed "$orv" "${pw[@]}" info "$scratch/empty-enc.orv")
kdf_plain=$(timed "$orv" info "$scratch/empty-plain.orv")
open_plain=$(timed "$orv" info "$scratch/plain.orv")
open_enc=$(timed "$orv" "${pw[@]}" info "$scratch/enc.orv")
save_plain=$(timed "$orv" note "$scratch/plain.orv" 2010-06-15 x)
save_enc=$(timed "$orv" "${pw[@]}" note "$scratch/enc.orv" 2010-06-15 x)
awk -v ke="$kdf_enc" -v kp="$kdf_plain" -v op="$open_plain" -v oe="$open_enc" -v sp="$save_plain" -v se="$save_enc" 'BEGIN {
  kdf = ke - kp
  printf "  key derivation (empty calendar encrypted - in clear): %.1f ms\n", kdf
  printf "  open   in clear %.1f   encrypted %.1f   encrypted - derivation %.1f (%.2fx the clear open)\n", op, oe, oe - kdf, (oe - kdf) / op
  printf "  save   in clear %.1f   encrypted %.1f   (open and save - open: %.1f vs %.1f, %.2fx)\n", sp, se, se - oe, sp - op, (se - oe) / (sp - op)
}'
echo "  peak memory: orv info in clear $(peak "$orv" info "$scratch/plain.orv") MB, encrypted $(peak "$orv" "${pw[@]}" info "$scratch/enc.orv") MB, encrypted empty calendar (the derivation's own memory) $(peak "$orv" "${pw[@]}" info "$scratch/empty-enc.orv") MB, bare orv --version $(peak "$orv" --version) MB"
