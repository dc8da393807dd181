#!/usr/bin/env bash
# Time and peak memory of the commands that read a whole calendar, take in a second one or a period,
# on calendars built to cost the most: 1.3 million tiny day records (23 MB), 400,000 records
# interleaving with the target's, a million records under keys of no date, 1.6 million records under
# keys of three bytes, commentaries of megabytes of "\par" on both sides of an append, a commentary of
# 20 MB in one paragraph. Each run is measured whole by /usr/bin/time -v; `orv new` (a process that
# opens nothing), `cp` and `orv convert` of the same file are the floor beside it. A peak over 3x the
# input files plus 16 MB is marked OVER.
# Usage: bench/hostile_commands.sh [ORV]      exits 1 when a run is over its bound
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
orv=$(realpath "${1:-$root/build/src/orv}")
[ -x "$orv" ] || { echo "no orv at $orv; build it first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

python3 - "$scratch" <<'EOF'
import datetime, struct, sys
out = sys.argv[1]
def count(n):
    return struct.pack('<H', n) if n < 0xFFFF else struct.pack('<HI', 0xFFFF, n)
def string(b):
    if len(b) < 0xFF: return bytes([len(b)]) + b
    if len(b) < 0xFFFE: return b'\xff' + struct.pack('<H', len(b)) + b
    return b'\xff\xff\xff' + struct.pack('<I', len(b)) + b
def scrambled(b):
    return bytes(c ^ 0xA7 for c in b)
EMPTY_MAP = count(0)
ENTRTXT_CLASS = struct.pack('<HHH', 0xFFFF, 1, 8) + b'CEntrTxt'
def calendar(days):
    head = struct.pack('<II', 0x0026F74F, 3) + b'\0' + struct.pack('<I', 0)
    names = (EMPTY_MAP * 3) * 6
    return head + EMPTY_MAP + EMPTY_MAP + names + days + b'\0' * 6 + EMPTY_MAP
def body(note=b'', rtf=b'', text=b''):
    return string(scrambled(note)) + string(scrambled(rtf)) + string(scrambled(text)) + string(b'')
def day_map(entries):
    parts = [count(len(entries))]
    for i, (key, b) in enumerate(entries):
        parts += [string(key), (ENTRTXT_CLASS if i == 0 else struct.pack('<H', 0x8001)) + b]
    return b''.join(parts)
def days(n, first=datetime.date(1, 1, 1), step=1):
    for i in range(n):
        d = first + datetime.timedelta(days=i * step)
        yield b'%04d/%02d/%02d' % (d.year, d.month, d.day)
def write(name, entries):
    with open(f'{out}/{name}', 'wb') as f:
        f.write(calendar(day_map(entries)))
write('empty.orv', [])
write('tiny.orv', [(k, body(note=b'a')) for k in days(1_300_000)])
write('odd.orv', [(k, body(note=b'a')) for k in days(400_000, step=2)])
write('even.orv', [(k, body(note=b'b')) for k in days(400_000, datetime.date(1, 1, 2), 2)])
write('malformed.orv', [(b'%04d/13/%02d' % (i // 100, i % 100), body(note=b'a')) for i in range(1_000_000)]
      + [(k, body(note=b'a')) for k in days(3650, datetime.date(2000, 1, 1))])
write('short_keys.orv', [(bytes([1 + i // 65025, 1 + i // 255 % 255, 1 + i % 255]), body())
                         for i in range(1_600_000)])
def pars(text):
    return body(rtf=b'{\\rtf1 ' + text + b'\\par ' * 1_050_000 + b'}', text=text + b'\r\n' * 1_050_000)
write('pars_source.orv', [(k, pars(b'zdroj')) for k in days(4, datetime.date(2005, 1, 1))])
write('pars_target.orv', [(k, pars(b'c\xedl')) for k in days(4, datetime.date(2005, 1, 1))])
words = b'slovo ' * 3_333_333
write('one_paragraph.orv', [(b'2005/01/01', body(rtf=b'{\\rtf1 ' + words + b'}', text=words))])
EOF

# Seconds and peak MB of one run, its exit status after a colon.
measure() {
  local status=0
  /usr/bin/time -v -o "$scratch/time.txt" "$@" >/dev/null 2>"$scratch/stderr.txt" || status=$?
  awk -F': ' -v s="$status" '/Elapsed/ { n = split($2, t, ":"); secs = t[n] + (n > 1 ? t[n-1] * 60 : 0) }
    /Maximum resident/ { kb = $2 } END { printf "%.2f %.1f %d\n", secs, kb / 1024, s }' "$scratch/time.txt"
}
row() {  # name, input bytes, command...
  local name=$1 bytes=$2
  shift 2
  read -r secs mb status < <(measure "$@")
  local bound=$(((3 * bytes + 16 * 1024 * 1024) / 1048576))
  local verdict=ok
  awk -v m="$mb" -v b="$bound" 'BEGIN { exit !(m > b) }' && { verdict=OVER; failed=1; }
  printf '%-34s %7.1f %8s %8s %8s  exit %s %s\n' "$name" "$(awk -v b="$bytes" 'BEGIN { print b / 1048576 }')" \
    "$secs" "$mb" "$bound" "$status" "$verdict"
}
size() { stat -c %s "$1"; }
s=$scratch
failed=0
tiny=$(size $s/tiny.orv)
malformed=$(size $s/malformed.orv)
echo "load: $(uptime | sed 's/.*load average/load average/')"
printf '%-34s %7s %8s %8s %8s\n' command "in MB" seconds "peak MB" "bound"
row "new (floor)" 0 "$orv" new $s/new.orv
row "cp tiny.orv (floor)" "$tiny" cp $s/tiny.orv $s/copy.orv
row "convert tiny.orv (floor)" "$tiny" "$orv" convert $s/tiny.orv $s/converted.orv
cp $s/empty.orv $s/t.orv
row "append tiny.orv into empty" "$tiny" "$orv" append $s/tiny.orv $s/t.orv
cp $s/odd.orv $s/t.orv
row "append even.orv into odd.orv" $(($(size $s/odd.orv) + $(size $s/even.orv))) "$orv" append $s/even.orv $s/t.orv
cp $s/tiny.orv $s/t.orv
row "append even.orv into tiny.orv" $((tiny + $(size $s/even.orv))) "$orv" append $s/even.orv $s/t.orv
cp $s/malformed.orv $s/t.orv
row "append tiny.orv into malformed.orv" $((tiny + malformed)) "$orv" append $s/tiny.orv $s/t.orv
row "search tiny.orv" "$tiny" "$orv" search $s/tiny.orv a
row "search tiny.orv --export-rtf" "$tiny" "$orv" search $s/tiny.orv a --export-rtf $s/r.rtf
row "find-notes tiny.orv" "$tiny" "$orv" find-notes $s/tiny.orv a
row "find-notes tiny.orv --export-rtf" "$tiny" "$orv" find-notes $s/tiny.orv a --export-rtf $s/f.rtf
row "export-txt tiny.orv" "$tiny" "$orv" export-txt $s/tiny.orv $s/e.txt
row "export-rtf tiny.orv" "$tiny" "$orv" export-rtf $s/tiny.orv $s/e.rtf
row "export-rtf tiny.orv --all" "$tiny" "$orv" export-rtf $s/tiny.orv $s/a.rtf --all
row "export-md tiny.orv, a year" "$tiny" "$orv" export-md $s/tiny.orv $s/md --from 2000-01-01 --to 2000-12-31
row "count tiny.orv" "$tiny" "$orv" count $s/tiny.orv
cp $s/tiny.orv $s/t.orv
row "delete tiny.orv 100 years" "$tiny" "$orv" delete $s/t.orv --from 1950-01-01 --to 2049-12-31
cp $s/tiny.orv $s/t.orv
printf '{\\rtf1 slovo a slovo\\par }' >$s/c.rtf
row "commentary --rtf into tiny.orv" "$tiny" "$orv" commentary $s/t.orv 2000-01-01 --rtf $s/c.rtf
row "replace in tiny.orv" "$tiny" "$orv" replace $s/t.orv 2000-01-01 slovo SLOVO
row "convert malformed.orv (floor)" "$malformed" "$orv" convert $s/malformed.orv $s/converted_malformed.orv
row "count malformed.orv" "$malformed" "$orv" count $s/malformed.orv
row "search malformed.orv --export-rtf" "$malformed" "$orv" search $s/malformed.orv a --export-rtf $s/m.rtf
cp $s/malformed.orv $s/t.orv
row "delete malformed.orv 10 years" "$malformed" "$orv" delete $s/t.orv --from 2000-01-01 --to 2009-12-31
short_keys=$(size $s/short_keys.orv)
cp $s/short_keys.orv $s/t.orv
row "append tiny.orv into short_keys.orv" $((tiny + short_keys)) "$orv" append $s/tiny.orv $s/t.orv
cp $s/short_keys.orv $s/t.orv
row "delete short_keys.orv 10 years" "$short_keys" "$orv" delete $s/t.orv --from 2000-01-01 --to 2009-12-31
row "export-txt short_keys.orv" "$short_keys" "$orv" export-txt $s/short_keys.orv $s/k.txt
cp $s/pars_target.orv $s/t.orv
row "append pars_source into pars_target" $((2 * $(size $s/pars_source.orv))) "$orv" append $s/pars_source.orv $s/t.orv
cmp -s $s/t.orv $s/pars_target.orv && echo "  (target unchanged: $(head -c 60 $s/stderr.txt | tr '\n' ' '))"
row "export-pdf one_paragraph.orv" "$(size $s/one_paragraph.orv)" "$orv" export-pdf $s/one_paragraph.orv $s/p.pdf
exit $failed
