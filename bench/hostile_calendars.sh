#!/usr/bin/env bash
# Peak memory of `orv info` and `orv dump` on calendars built to cost as much memory as they can per
# byte of file: a million empty day records, ten million empty names, records that all refer back to
# one record, very short keys. Every run must stay within 3x the file's size plus 16 MB (peak resident
# size of the whole process, measured by /usr/bin/time -v), whether the file is opened or refused.
# `orv new` gives the floor: the peak of a process that opens nothing.
# Usage: bench/hostile_calendars.sh [ORV]      exits 1 when a run is over its bound
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
orv=$(realpath "${1:-$root/build/src/orv}")
[ -x "$orv" ] || { echo "no orv at $orv; build it first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

python3 - "$scratch" <<'EOF'
import struct, sys
out = sys.argv[1]
def count(n):
    return struct.pack('<H', n) if n < 0xFFFF else struct.pack('<HI', 0xFFFF, n)
def string(b):
    assert len(b) < 0xFF
    return bytes([len(b)]) + b
EMPTY_MAP = count(0)
ENTRTXT_CLASS = struct.pack('<HHH', 0xFFFF, 1, 8) + b'CEntrTxt'
EMPTY_BODY = b'\0\0\0\0'
def calendar(names=None, days=b'', version=3):
    head = struct.pack('<II', 0x0026F74F, version) + b'\0' + struct.pack('<I', 0)
    styles = EMPTY_MAP + EMPTY_MAP
    slots = []
    for k in range(6):
        slots.append(EMPTY_MAP + EMPTY_MAP + (names if (k == 0 and names) else count(0)))
    author = b'\0' * 6
    return head + styles + b''.join(slots) + (days or EMPTY_MAP) + author + EMPTY_MAP
def day_map(keys, body_of):
    parts = [count(len(keys))]
    for i, key in enumerate(keys):
        parts.append(string(key))
        parts.append(body_of(i))
    return b''.join(parts)
def new_or_class(i):  # first object names the class (index 1), the others refer to it
    return (ENTRTXT_CLASS if i == 0 else struct.pack('<H', 0x8001)) + EMPTY_BODY
def back_reference(i):  # the first object is index 2; every later value refers back to it
    return new_or_class(0) if i == 0 else struct.pack('<H', 2)
N = 1_000_000
cases = {
    'empty_days.orv': calendar(days=day_map([b'%010d' % i for i in range(N)], new_or_class)),
    'short_keys.orv': calendar(days=day_map([bytes([1 + i // 65025, 1 + i // 255 % 255, 1 + i % 255])
                                             for i in range(1_600_000)], new_or_class)),
    'back_references.orv': calendar(days=day_map([b'%010d' % i for i in range(N)], back_reference)),
    'empty_names.orv': calendar(names=count(10_000_000) + b'\0' * 10_000_000),
}
for name, data in cases.items():
    with open(f'{out}/{name}', 'wb') as f:
        f.write(data)
EOF

# Peak resident size in kB of one run, its exit status after a colon.
peak_kb() {
  local status=0
  /usr/bin/time -v -o "$scratch/time.txt" "$@" >/dev/null 2>"$scratch/stderr.txt" || status=$?
  echo "$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$scratch/time.txt"):$status"
}

floor=$(peak_kb "$orv" new "$scratch/floor.orv")
printf 'floor (orv new): %d MB\n' $((${floor%%:*} / 1024))
printf '%-22s %8s %-5s %10s %10s %6s %s\n' file "size MB" cmd "peak MB" "bound MB" ratio result
failed=0
for file in "$scratch"/empty_days.orv "$scratch"/short_keys.orv "$scratch"/back_references.orv \
  "$scratch"/empty_names.orv; do
  size=$(stat -c %s "$file")
  bound_kb=$(((3 * size + 16 * 1024 * 1024) / 1024))
  for cmd in info dump; do
    result=$(peak_kb "$orv" "$cmd" "$file")
    kb=${result%%:*}
    status=${result##*:}
    verdict=ok
    [ "$kb" -le "$bound_kb" ] || { verdict=OVER; failed=1; }
    [ "$status" -eq 0 ] || verdict="$verdict (refused: $(head -c 120 "$scratch/stderr.txt" | tr '\n' ' '))"
    awk -v f="$(basename "$file")" -v s="$size" -v c="$cmd" -v k="$kb" -v b="$bound_kb" -v v="$verdict" \
      'BEGIN { printf "%-22s %8.1f %-5s %10.1f %10.1f %6.2f %s\n", f, s / 1048576, c, k / 1024, b / 1024, k * 1024 / s, v }'
  done
done
exit $failed
