"""Reads the game window the way a screen reader does, over AT-SPI.

Run by run.sh inside its own session bus, X server and accessibility bus.
Exits non-zero, naming what is missing, when a control cannot be reached by
its Bulgarian name, or a state, score or history line cannot be read.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

EXPECTED = {
    # name: role
    "Морвета - камък, ножица, хартия": pyatspi.ROLE_LABEL,
    "Резултат": pyatspi.ROLE_LABEL,
    "Кой играе първи": pyatspi.ROLE_LABEL,
    "1. Играч": pyatspi.ROLE_RADIO_BUTTON,
    "1. Компютър": pyatspi.ROLE_RADIO_BUTTON,
    "Компютърът избира Камък": pyatspi.ROLE_RADIO_BUTTON,
    "Компютърът избира Ножица": pyatspi.ROLE_RADIO_BUTTON,
    "Компютърът избира Хартия": pyatspi.ROLE_RADIO_BUTTON,
    "Камък": pyatspi.ROLE_PUSH_BUTTON,
    "Ножица": pyatspi.ROLE_PUSH_BUTTON,
    "Хартия": pyatspi.ROLE_PUSH_BUTTON,
    "Нова": pyatspi.ROLE_PUSH_BUTTON,
    "Изчисти": pyatspi.ROLE_PUSH_BUTTON,
    "Резултат на играча": pyatspi.ROLE_TEXT,
    "Резултат на компютъра": pyatspi.ROLE_TEXT,
    "История на игрите": pyatspi.ROLE_LIST,
    "Правила на играта": pyatspi.ROLE_TEXT,
}


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is not None and app.name in ("Morveta", "morveta"):
                return app
        time.sleep(0.1)
    sys.exit("the game did not appear on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def by_name(app):
    found = {}
    for node in walk(app):
        if node.name and node.name not in found:
            found[node.name] = node
    return found


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def read_selection(history, line, new):
    """The history's selected line, through its table, and the focus that
    moves onto that line when Tab takes the focus from "Нова" to the list."""
    table = history.queryTable()
    if (table.nRows, table.nColumns, table.nSelectedRows) != (1, 1, 1):
        sys.exit(f"the history reads as {table.nRows} x {table.nColumns} with "
                 f"{table.nSelectedRows} selected")
    if list(table.getSelectedRows()) != [0] or not table.isRowSelected(0):
        sys.exit(f"the history's selected rows read {list(table.getSelectedRows())}")
    if table.getAccessibleAt(0, 0).name != line:
        sys.exit("the history's selected cell does not read its line")

    focused = []
    on_line = (pyatspi.ROLE_LIST_ITEM, line)

    # Tab once "Нова" has the focus; listen until the line has it, or give up
    # after a deadline.
    def on_focus(event):
        if event.detail1 != 1:
            return
        focused.append((event.source.getRole(), event.source.name))
        if focused[-1] == (new.getRole(), new.name) and on_line not in focused:
            subprocess.run(["xdotool", "key", "Tab"], check=True, timeout=10)
        elif focused[-1] == on_line:
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    # The X server has no window manager: the game's window takes the
    # keyboard when it is given the input focus.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "morveta",
                    "windowfocus", "--sync"], check=True, timeout=10)
    new.queryComponent().grabFocus()
    GLib.timeout_add(10000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
    if on_line not in focused:
        sys.exit(f"focusing the history focused {focused!r}, not its line")
    if not history.getChildAtIndex(0).getState().contains(pyatspi.STATE_FOCUSED):
        sys.exit("the history's line does not read as focused")


def main():
    app = find_app()
    found = by_name(app)
    problems = []
    for name, role in EXPECTED.items():
        node = found.get(name)
        if node is None:
            problems.append(f"no control named {name!r}")
        elif node.getRole() != role:
            problems.append(f"{name!r} is a {node.getRoleName()}, not {pyatspi.Role(role)}")
    if problems:
        sys.exit("\n".join(problems))

    # run.sh starts the game with Qt's -stylesheet, -reverse and -qwindowtitle:
    # the labels above would have read "подменено" had the style sheet acted.
    caption = "www.morveta.example    камък >  ножица > хартия > камък"
    windows = [child for child in app if child is not None]
    titles = [window.name for window in windows]
    if caption not in titles:
        sys.exit(f"the window's caption reads {titles!r}")
    window = windows[titles.index(caption)]
    if window.getRole() != pyatspi.ROLE_FRAME:
        sys.exit(f"the window is a {window.getRoleName()}, not a frame")

    if not found["1. Играч"].getState().contains(pyatspi.STATE_CHECKED):
        sys.exit("the player-first option does not read as checked")
    if text_of(found["Резултат на играча"]) != "0":
        sys.exit("the player's score does not read 0")
    if not text_of(found["Правила на играта"]).startswith("Правилата на известната игра"):
        sys.exit("the rules cannot be read")

    # Play a round through the accessibility interface, as a reader's user would.
    rock = found["Камък"].queryAction()
    rock.doAction(0)
    history = found["История на игрите"]
    for _ in range(50):
        if history.childCount == 1:
            break
        time.sleep(0.1)
    if history.childCount != 1:
        sys.exit(f"the history has {history.childCount} lines after a round")
    line = history.getChildAtIndex(0)
    if line.getRole() != pyatspi.ROLE_LIST_ITEM or line.name != "Компютър: Хартия      : Играч: Камък    ":
        sys.exit(f"the history line reads {line.name!r}")
    read_selection(history, line.name, found["Нова"])
    if text_of(found["Резултат на компютъра"]) != "2":
        sys.exit("the computer's score does not read 2")
    marks = [found[f"Компютърът избира {m}"].getState().contains(pyatspi.STATE_CHECKED)
             for m in ("Камък", "Ножица", "Хартия")]
    if marks != [False, False, True]:
        sys.exit(f"the computer's marks read {marks}")

    # On an X desktop, as on GNOME's and KDE's, Ctrl+Q is the way out.
    subprocess.run(["xdotool", "key", "ctrl+q"], check=True, timeout=10)
    deadline = time.monotonic() + 10
    while subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "morveta"],
                         stdout=subprocess.DEVNULL).returncode == 0:
        if time.monotonic() > deadline:
            sys.exit("Ctrl+Q left the game open")
        time.sleep(0.1)
    print(f"{len(EXPECTED)} controls read over AT-SPI, the command line ignored, "
          "a round played, its line read, selected and focused, Ctrl+Q closing the game")


if __name__ == "__main__":
    main()
