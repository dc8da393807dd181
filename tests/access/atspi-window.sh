#!/bin/bash
# The main window as a screen reader meets it from outside the program: over the accessibility bus
# (AT-SPI) of a private D-Bus session, in Xvfb with openbox. atspi-window.py reads the tree and
# drives the keys.
# Usage: atspi-window.sh PATH/TO/orvella     (exit 77 = skipped: no accessibility bus here)
set -u
here=$(cd "$(dirname "$0")" && pwd)
tools=$here/../../tools
orvella=$1
skip() {
  echo "$*: test se přeskakuje"
  exit 77
}
command -v dbus-run-session >/dev/null || skip "dbus-run-session chybí"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi-bus-launcher chybí"
command -v xdotool >/dev/null || skip "xdotool chybí"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi chybí"

# Inside the session: the accessibility bus must answer before the program starts, or there is none.
exec timeout -k 5 100 "$tools/with-window-manager.sh" dbus-run-session -- bash -c '
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && exec /usr/bin/python3 "$0" "$1"
    sleep 0.2
  done
  echo "sběrnice přístupnosti se nespustila: test se přeskakuje"
  exit 77' "$here/atspi-window.py" "$orvella"
