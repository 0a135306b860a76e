"""Reads the game window the way a screen reader does, over AT-SPI.

Run by run.sh inside its own session bus, X server and accessibility bus.
Exits non-zero, naming what is missing, when a control cannot be reached by
its Bulgarian name, or a state, score or history line cannot be read.
"""
import sys
import time

import pyatspi

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
    titles = [child.name for child in app if child is not None]
    if caption not in titles:
        sys.exit(f"the window's caption reads {titles!r}")

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
    if text_of(found["Резултат на компютъра"]) != "2":
        sys.exit("the computer's score does not read 2")
    marks = [found[f"Компютърът избира {m}"].getState().contains(pyatspi.STATE_CHECKED)
             for m in ("Камък", "Ножица", "Хартия")]
    if marks != [False, False, True]:
        sys.exit(f"the computer's marks read {marks}")
    print(f"{len(EXPECTED)} controls read over AT-SPI, the command line ignored, "
          "a round played and its line read")


if __name__ == "__main__":
    main()
