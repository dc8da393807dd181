#!/usr/bin/env bash
# Peak memory of reading hostile RTF: generates the inputs, runs `orv rtf2txt` on each (and, for the
# sizes a commentary may have, `orv commentary --rtf` into a new calendar) under /usr/bin/time -v,
# and prints the peak resident set, the wall time and the memory per input byte above a bare `orv`
# process of the same run (a tiny commentary for the commentary path). `cat` of the same file is the
# floor. A commentary whose paragraphs and runs would cost the editor's document more than about 20
# bytes a byte of RTF is refused ("Výklad je příliš velký"): the row shows what it took to find out. Fails when rtf2txt costs more than
# LIMIT (20) bytes of memory per input byte.
# Usage: bench/rtf_memory.sh [ORV] [SCRATCH_DIR]     (needs about 200 MB of disk)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
orv=$(realpath "${1:-$root/build/src/orv}")
scratch=${2:-$(mktemp -d)}
limit=${LIMIT:-20}
# The commentary path builds the editor's document (a text block per paragraph): slow and large
# for millions of empty paragraphs, so it runs only up to this size (64 at most: larger is refused).
COMMENTARY_MB=${COMMENTARY_MB:-20}
[ -x "$orv" ] || { echo "no orv at $orv; build it first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is not installed (apt-get install time)" >&2; exit 2; }
mkdir -p "$scratch"
trap '[ -z "${2:-}" ] && rm -rf "$scratch"' EXIT

# Hostile inputs. pntxtb: long number texts, then groups nested as deep as the reader allows and a
# stream of empty groups (every group used to copy the texts). par: nothing but paragraph marks.
# runs: the format changes every four bytes, in one paragraph. lines, words: the densest paragraphs
# and runs a commentary may have.
python3 - "$scratch" <<'EOF'
import sys, os
d = sys.argv[1]
def pntxtb(path, size):
    head = "{\\rtf1\\ansi{\\*\\pn\\pnlvlbody\\pndec{\\pntxtb " + "x" * 200000 + "}{\\pntxta " + "y" * 200000 + "}}"
    deep = "{" * 190 + "z" + "}" * 190
    body = []
    n = len(head)
    while n < size - 2:
        piece = deep if len(body) % 8 == 0 else "{}" * 64
        body.append(piece)
        n += len(piece)
    with open(path, "w") as f:
        f.write(head + "".join(body) + "}")
def repeat(path, head, unit, size):
    with open(path, "w") as f:
        f.write(head)
        block = unit * (65536 // len(unit))
        n = len(head)
        while n + len(block) < size:
            f.write(block)
            n += len(block)
        f.write("}")
pntxtb(os.path.join(d, "pntxtb-1MB.rtf"), 1 << 20)
pntxtb(os.path.join(d, "pntxtb-10MB.rtf"), 10 << 20)
repeat(os.path.join(d, "par-20MB.rtf"), "{\\rtf1 ", "\\par", 20 << 20)
repeat(os.path.join(d, "par-100MB.rtf"), "{\\rtf1 ", "\\par", 100 << 20)
# The densest the editor takes: about 11 bytes a paragraph or a run.
repeat(os.path.join(d, "lines-20MB.rtf"), "{\\rtf1 ", "abcdefghijklmnop\\par\r\n", 20 << 20)
repeat(os.path.join(d, "words-20MB.rtf"), "{\\rtf1 ", "\\b abcdefghi\\b0 abcdefghi", 20 << 20)
repeat(os.path.join(d, "runs-20MB.rtf"), "{\\rtf1{\\fonttbl{\\f0\\fcharset238 Times New Roman;}}\\f0 ", "\\b a\\b0 b", 20 << 20)
EOF

# Prints "peak_kB seconds" of a command, its output thrown away.
measure() {
  /usr/bin/time -f '%M %e' -o "$scratch/time" "$@" >/dev/null 2>"$scratch/err" || {
    echo "failed: $* ($(head -c 200 "$scratch/err"))" >&2
  }
  tail -n 1 "$scratch/time"  # after "Command exited with non-zero status N" when it failed
}

# Floors: a bare orv, and a commentary brought in from a tiny file (Qt and the calendar loaded).
read -r bare _ < <(measure "$orv" --version)
printf '{\\rtf1 x}' >"$scratch/tiny.rtf"
rm -f "$scratch/k.orv"
"$orv" new "$scratch/k.orv" >/dev/null
read -r bare_commentary _ < <(measure "$orv" commentary "$scratch/k.orv" 2005-03-07 --rtf "$scratch/tiny.rtf")
printf 'bare orv: %d kB peak; commentary of a tiny file: %d kB peak\n\n' "$bare" "$bare_commentary"
printf '%-18s %-12s %10s %10s %9s %12s\n' input command "input MB" "peak MB" seconds "B/input B"
status=0
row() {  # name command-name peak seconds size [floor]
  awk -v n="$1" -v c="$2" -v p="$3" -v s="$4" -v b="$5" -v bare="${6:-$bare}" 'BEGIN {
    printf "%-18s %-12s %10.1f %10.1f %9.2f %12.2f\n", n, c, b / 1048576, p / 1024, s, (p - bare) * 1024 / b }'
}
for file in pntxtb-1MB pntxtb-10MB par-20MB runs-20MB lines-20MB words-20MB par-100MB; do
  path="$scratch/$file.rtf"
  size=$(stat -c %s "$path")
  read -r peak secs < <(measure cat "$path")
  row "$file" cat "$peak" "$secs" "$size"
  read -r peak secs < <(measure "$orv" rtf2txt "$path")
  row "$file" rtf2txt "$peak" "$secs" "$size"
  over=$(awk -v p="$peak" -v bare="$bare" -v b="$size" -v l="$limit" 'BEGIN { print ((p - bare) * 1024 / b > l) }')
  [ "$over" = 1 ] && { echo "  ^ more than $limit bytes per input byte" >&2; status=1; }
  if [ "$size" -le $((COMMENTARY_MB << 20)) ]; then
    rm -f "$scratch/k.orv"
    "$orv" new "$scratch/k.orv" >/dev/null
    read -r peak secs < <(measure "$orv" commentary "$scratch/k.orv" 2005-03-07 --rtf "$path")
    row "$file" commentary "$peak" "$secs" "$size" "$bare_commentary"
    grep -q 'příliš velký' "$scratch/err" && echo "  ^ refused: $(cat "$scratch/err")"
  fi
done
exit $status
