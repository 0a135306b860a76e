#!/usr/bin/env bash
# Starts a session bus, the accessibility bus, an X server and the game, then
# reads the window over AT-SPI.   tests/qt/atspi/run.sh path/to/morveta
set -euo pipefail
game=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset QT_SCALE_FACTOR
exec dbus-run-session -- xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
    sleep 0.5
    # Qt options on the command line; the game takes none, so none may act.
    sheet=$(mktemp); echo "QLabel { qproperty-text: \"подменено\"; }" >"$sheet"
    "$1" -stylesheet "$sheet" -reverse -qwindowtitle "Друго" & game=$!
    trap "kill $game $bus 2>/dev/null" EXIT
    /usr/bin/python3 "$2/read_window.py"' _ "$game" "$here"
