"""The main window read over AT-SPI, as a screen reader reads it: the month table's rows as sentences,
a name on every control the keyboard reaches, and the focus moves of the keys reported as events.
Run by atspi-window.sh inside a private D-Bus session with the accessibility bus, in a real X server."""
import calendar
import datetime
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

WEEKDAYS = ["pondělí", "úterý", "středa", "čtvrtek", "pátek", "sobota", "neděle"]
MONTHS = ["ledna", "února", "března", "dubna", "května", "června", "července", "srpna", "září", "října",
          "listopadu", "prosince"]
failures = []
focus_events = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("CHYBA:", what, file=sys.stderr)


def wait_for(test, seconds=10.0):
    """Runs the event loop until `test` holds; its last value."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        value = test()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def key(keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=True)


def on_focus(event):
    if event.detail1 == 1:
        try:
            focus_events.append((event.source.getRoleName(), event.source.name))
        except Exception:  # an object gone by the time the event is read
            pass


def find(node, predicate, depth=0):
    if node is None or depth > 12:
        return None
    if predicate(node):
        return node
    if node.getRole() == pyatspi.ROLE_TABLE:
        return None
    for child in node:
        found = find(child, predicate, depth + 1)
        if found:
            return found
    return None


def nameless_controls(node, path="", depth=0):
    """Focusable controls on screen with no name; the table's cells are checked as rows."""
    if node is None or depth > 12:
        return []
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return []
    here = f"{path}/{node.getRoleName()}"
    missing = []
    if states.contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
        missing.append(here)
    if node.getRole() != pyatspi.ROLE_TABLE:
        for child in node:
            missing += nameless_controls(child, here, depth + 1)
    return missing


def rows(table):
    cells = table.queryTable()
    return [cells.getAccessibleAt(row, 0).name for row in range(cells.nRows)]


def main():
    home = tempfile.mkdtemp(prefix="orv-atspi-")
    os.chmod(home, 0o700)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=home,
               XDG_CONFIG_HOME=home + "/config", XDG_STATE_HOME=home + "/state", ORV_NONINTERACTIVE="1")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in desktop if a is not None and a.name == "orvella"), None), 20)
        if app is None:
            print("program se na sběrnici přístupnosti neohlásil", file=sys.stderr)
            return 1
        table = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE), 10)
        check(table is not None, "kalendář není tabulka")
        if table is None:
            return 1
        today = datetime.date.today()
        check(table.name.startswith("Kalendář, ") and table.name.endswith(f" {today.year}"),
              f"jméno tabulky: {table.name!r}")
        # A new calendar opens on today: a row a day, each a sentence beginning with its date.
        days = calendar.monthrange(today.year, today.month)[1]
        shown = rows(table)
        check(len(shown) == days, f"{len(shown)} řádků místo {days}")
        for day, text in enumerate(shown, 1):
            date = today.replace(day=day)
            spoken = f"{WEEKDAYS[date.weekday()]} {day}. {MONTHS[date.month - 1]} {date.year}"
            check(text == spoken or text.startswith(spoken + ", "), f"řádek {day}: {text!r}")
        selected = table.queryTable().getSelectedRows()
        check(list(selected) == [today.day - 1], f"vybrané řádky {list(selected)}")

        missing = nameless_controls(app)
        check(not missing, "ovládací prvky bez jména: " + ", ".join(missing))

        # The program opens with the note field ready for typing; the note is then read in the day's row,
        # and Esc takes the focus back to the table.
        note = find(app, lambda n: n.name == "Poznámka dne")
        check(wait_for(lambda: note.getState().contains(pyatspi.STATE_FOCUSED)), "poznámka nemá fokus po startu")
        subprocess.run(["xdotool", "type", "--delay", "20", "Vylet"], check=True)
        key("Escape")
        check(wait_for(lambda: rows(table)[today.day - 1].endswith(", poznámka: Vylet")),
              f"poznámka v řádku: {rows(table)[today.day - 1]!r}")
        check(wait_for(lambda: table.getState().contains(pyatspi.STATE_FOCUSED)), "Esc: tabulka nemá fokus")
        check(wait_for(lambda: any(e[0] == "table cell" and e[1].endswith("Vylet") for e in focus_events)),
              f"Esc: vybraný den neohlášen, ohlášeno {focus_events}")

        # F7 hides every holiday and name: the rows say only their dates, the focus stays in the table.
        before = rows(table)
        key("F7")
        check(wait_for(lambda: rows(table) != before), "F7: řádky se nezměnily")
        bare = [text for day, text in enumerate(rows(table), 1) if day != today.day and ", " in text]
        check(not bare, f"F7: řádky se jmény: {bare[:3]}")
        check(table.getState().contains(pyatspi.STATE_FOCUSED), "F7: tabulka ztratila fokus")
        key("F7")
        check(wait_for(lambda: rows(table) == before), "F7 podruhé: jména se nevrátila")

        # Ctrl+W to the day's commentary and Ctrl+Q back: each move is reported to the screen reader.
        focus_events.clear()
        key("ctrl+w")
        check(wait_for(lambda: ("text", "Výklad dne") in focus_events), f"Ctrl+W: ohlášeno {focus_events}")
        focus_events.clear()
        key("ctrl+q")
        back = wait_for(lambda: [e for e in focus_events if e[1].startswith("Kalendář, ") or e[0] == "table cell"])
        check(bool(back), f"Ctrl+Q: ohlášeno {focus_events}")
        check(wait_for(lambda: table.getState().contains(pyatspi.STATE_FOCUSED)), "Ctrl+Q: tabulka nemá fokus")
    finally:
        program.kill()
        program.wait()
    print("v pořádku" if not failures else f"{len(failures)} chyb")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
