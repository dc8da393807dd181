#!/bin/bash
# Two Syncthing instances share one folder over the loopback interface only (own homes, generated
# keys, no discovery, relays, NAT or upgrades; GUI and API on 127.0.0.1). The calendar is written on
# both sides while they are apart, Syncthing itself makes the conflict copy when they meet, and
# orv merge joins it into the calendar: both entries are kept and the copy lands in the Trash.
# Usage: syncthing-conflict.sh PATH/TO/orv     (exit 77 = skipped: no syncthing)
set -u
orv=$1
if ! command -v syncthing >/dev/null; then
  echo "syncthing není nainstalován: test se přeskakuje"
  exit 77
fi
deadline=$((SECONDS + 60))
work=$(mktemp -d /tmp/orv-syncthing-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  [[ -n ${ORV_KEEP_SYNC_TEST:-} ]] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "CHYBA: $*" >&2
  for side in a b; do
    echo "--- $side: $(ls -A "$work/$side/folder" | tr "\n" " ")" >&2
    tail -n 8 "$work/$side/log" >&2
  done
  exit 1
}
# Waits until the command succeeds; false when the minute is over.
wait_for() {
  while ! "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

base_port=$((20000 + RANDOM % 20000))
declare -A listen=([a]=$base_port [b]=$((base_port + 1)))
declare -A gui=([a]=$((base_port + 2)) [b]=$((base_port + 3)))
declare -A id
for side in a b; do
  mkdir -p "$work/$side/folder/.stfolder"
  syncthing generate --home="$work/$side/home" --no-default-folder >/dev/null 2>&1 || fail "syncthing generate"
  id[$side]=$(syncthing --home="$work/$side/home" --device-id 2>/dev/null | tail -n 1)
done

write_config() {  # side other
  local side=$1 other=$2
  cat >"$work/$side/home/config.xml" <<XML
<configuration version="36">
  <folder id="kalendar" label="kalendar" path="$work/$side/folder" type="sendreceive" rescanIntervalS="2" fsWatcherEnabled="true" fsWatcherDelayS="1">
    <device id="${id[$side]}"></device>
    <device id="${id[$other]}"></device>
    <maxConflicts>10</maxConflicts>
  </folder>
  <device id="${id[$side]}" name="$side" compression="metadata"><address>dynamic</address></device>
  <device id="${id[$other]}" name="$other" compression="metadata"><address>tcp://127.0.0.1:${listen[$other]}</address></device>
  <gui enabled="true" tls="false"><address>127.0.0.1:${gui[$side]}</address><apikey>orv-test-$side</apikey></gui>
  <options>
    <listenAddress>tcp://127.0.0.1:${listen[$side]}</listenAddress>
    <globalAnnounceEnabled>false</globalAnnounceEnabled>
    <localAnnounceEnabled>false</localAnnounceEnabled>
    <relaysEnabled>false</relaysEnabled>
    <natEnabled>false</natEnabled>
    <startBrowser>false</startBrowser>
    <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
    <urAccepted>-1</urAccepted>
    <crashReportingEnabled>false</crashReportingEnabled>
    <reconnectionIntervalS>1</reconnectionIntervalS>
  </options>
</configuration>
XML
}
write_config a b
write_config b a

declare -A pid_of
start() {
  STNODEFAULTFOLDER=1 STNOUPGRADE=1 syncthing serve --home="$work/$1/home" --no-browser --no-restart \
    --no-upgrade >>"$work/$1/log" 2>&1 &
  pid_of[$1]=$!
  pids+=($!)
}
# Has the instance look at the folder now; returns when the scan is over.
scan() {
  curl -s -f -X POST -H "X-API-Key: orv-test-$1" "http://127.0.0.1:${gui[$1]}/rest/db/scan?folder=kalendar"
}
# The instance has nothing left to fetch from the other one.
in_sync() {
  curl -s -f -H "X-API-Key: orv-test-$1" "http://127.0.0.1:${gui[$1]}/rest/db/status?folder=kalendar" |
    grep -q '"needTotalItems": *0'
}
stop() {
  kill "${pid_of[$1]}" && wait "${pid_of[$1]}" 2>/dev/null
}

a=$work/a/folder/denik.orv
b=$work/b/folder/denik.orv
start a
start b
"$orv" new "$a" >/dev/null || fail "orv new"
"$orv" note "$a" 2015-06-01 "společný den" >/dev/null || fail "orv note"
wait_for cmp -s "$a" "$b" || fail "kalendář se na druhou stranu nedostal"
wait_for scan b && wait_for in_sync b || fail "druhá strana nemá kalendář ve své databázi"

# Both computers write while they cannot see each other.
stop b
"$orv" note "$a" 2015-06-02 "z počítače" >/dev/null || fail "orv note a"
scan a || fail "první strana svůj kalendář neprohlédla"
"$orv" note "$b" 2015-06-03 "z notebooku" >/dev/null || fail "orv note b"
start b

wait_for "$orv" conflicts "$a" || fail "Syncthing nevytvořil konfliktní kopii"
wait_for cmp -s "$a" "$b" || fail "kalendáře se nesešly"
copy=$("$orv" conflicts "$a" | head -n 1)
echo "konfliktní kopie: $copy"

export XDG_DATA_HOME=$work/data
"$orv" merge "$a" "$copy" || fail "orv merge"
for entry in "2015-06-01 společný den" "2015-06-02 z počítače" "2015-06-03 z notebooku"; do
  "$orv" day "$a" "${entry%% *}" | grep -qF "${entry#* }" || fail "chybí záznam $entry"
done
[[ ! -e $copy ]] || fail "kopie zůstala vedle kalendáře"
[[ -f $XDG_DATA_HOME/Trash/files/$(basename "$copy") ]] || fail "kopie není v koši"
[[ -f $XDG_DATA_HOME/Trash/info/$(basename "$copy").trashinfo ]] || fail "v koši chybí údaje o kopii"
echo "OK: obě strany sloučeny, kopie v koši ($SECONDS s)"
