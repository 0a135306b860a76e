"""Plays the game by keyboard alone with Orca running, and reads what Orca
says from its debug log.   listen.py ORCA_LOG GAME

Run by run.sh inside its own session, X server, accessibility bus and speech
server. Exits 77 when Orca does not start, non-zero when Orca does not say
what a blind player needs to hear.
"""
import re
import subprocess
import sys
import time

# "SPEECH OUTPUT: 'Нова push button.' {'established': ...}"
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(?:\{|$)")


class Log:
    def __init__(self, path):
        self.path = path
        self.seen = 0  # utterances already looked at

    def utterances(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                return [m.group(1) for m in map(UTTERANCE.search, f) if m]
        except FileNotFoundError:
            return []

    def expect(self, words, what, timeout=20):
        """Waits until Orca says something holding words; fails naming what."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            said = self.utterances()[self.seen:]
            for i, line in enumerate(said):
                if words in line:
                    self.seen += i + 1
                    return line
            time.sleep(0.1)
        sys.exit(f"{what}: Orca never said {words!r}; it said "
                 f"{self.utterances()[self.seen:]!r}")


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True, timeout=10)
        time.sleep(0.3)


def main():
    log = Log(sys.argv[1])
    deadline = time.monotonic() + 30
    while not log.utterances():
        if time.monotonic() > deadline:
            print("skipped: Orca did not start")
            sys.exit(77)
        time.sleep(0.2)
    log.seen = len(log.utterances())

    game = subprocess.Popen([sys.argv[2]])
    try:
        # No window manager: the game's window takes the keyboard when given
        # the input focus.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "morveta",
                        "windowfocus", "--sync"], check=True, timeout=20)
        log.expect("Камък", "the focus on the first move button")

        key("space")
        log.expect("Играч: Камък, компютър: Хартия. Загуба. Играч 0, компютър 2.",
                   "a round played with Space on Камък")
        key("space")
        log.expect("Рундът е приключил", "a move after the round is over")

        # Ножица, Хартия, Нова, the history, then into the options' group.
        key("Tab", "Tab", "Tab")
        log.expect("Нова", "Tab to Нова")
        key("space")
        log.expect("Нов рунд", "Нова pressed")
        key("Tab", "Tab")
        log.expect("Кой играе първи", "Tab into the group of who plays first")
        log.expect("1. Играч", "the selected option of the group")

        key("Down")
        log.expect("Компютърът играе първи. Резултатът и историята са изчистени.",
                   "the computer chosen to play first")

        # The two score boxes, then Изчисти.
        key("Tab", "Tab", "Tab")
        log.expect("Изчисти", "Tab to Изчисти")
        key("space")
        log.expect("Резултатът и историята са изчистени.", "Изчисти pressed")

        # Back to the move buttons: Камък is said as itself, not the old result.
        key(*["shift+Tab"] * 8)
        back = log.expect("Камък", "Shift+Tab back to Камък")
        if "Загуба" in back or "изчистени" in back:
            sys.exit(f"Камък repeated an old message: {back!r}")
    finally:
        game.terminate()
        game.wait(timeout=10)
    print("Orca said each round's result, the new round, the clearing, the switch of "
          "who plays first and the group's name")


if __name__ == "__main__":
    main()
