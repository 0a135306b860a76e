#!/usr/bin/env bash
# Plays the game by keyboard with Orca running and checks what Orca says.
#   tests/qt/orca/run.sh path/to/morveta
# Starts a session bus, an X server, the accessibility bus, a speech server
# with only its dummy voice (nothing is heard; Orca logs each utterance) and
# Orca with preferences of its own. Exits 77 where Orca cannot run here.
set -euo pipefail
game=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in orca speech-dispatcher dbus-run-session xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
modules=$(dirname "$(find /usr/lib -name sd_dummy -path '*speech-dispatcher-modules*' 2>/dev/null | head -n1)")
[ -x "$modules/sd_dummy" ] || { echo "skipped: speech-dispatcher's dummy module is missing"; exit 77; }

work=$(mktemp -d)
# A desktop portal that the session started (where xdg-desktop-portal is
# installed, as WebKitGTK brings it) may still hold its document store
# mounted in the runtime folder: unmounted first, lazily, then removed.
cleanup() {
    if mountpoint -q "$work/run/doc"; then
        fusermount3 -uz "$work/run/doc" 2>/dev/null || fusermount -uz "$work/run/doc" 2>/dev/null ||
            umount -l "$work/run/doc" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/run"
mkdir "$work/speechd" "$work/orca"
# Only the dummy voice: with a real one and no sound device Orca stalls
# after a few utterances.
cat >"$work/speechd/speechd.conf" <<CONF
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
LogDir "$work/speechd"
CONF
# The debug log is read while Orca runs: a line at a time.
cat >"$work/orca/orca-customizations.py" <<'PY'
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
PY

export XDG_RUNTIME_DIR=$work/run HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export SPEECHD_ADDRESS=unix_socket:$work/run/speechd.sock
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=0 LANG=C.UTF-8
unset QT_SCALE_FACTOR QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
# Orca refuses to start while another Orca of the same user runs, so the
# session waits for its own to be gone (a run right after this one would
# otherwise meet it still shutting down).
status=0
dbus-run-session -- xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    work=$1 modules=$2
    /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
    speech-dispatcher -s -t 0 -C "$work/speechd" -m "$modules" \
        -S "$work/run/speechd.sock" >"$work/speechd/out.log" 2>&1 & speech=$!
    sleep 0.5
    orca --debug --debug-file="$work/orca.log" -u "$work/orca" -d braille,sound \
        >"$work/orca.out" 2>&1 & reader=$!
    stop() {
        kill $reader $speech $bus 2>/dev/null
        for _ in $(seq 100); do kill -0 $reader 2>/dev/null || break; sleep 0.1; done
        kill -9 $reader 2>/dev/null
        wait
    }
    trap stop EXIT
    /usr/bin/python3 "$3/listen.py" "$work/orca.log" "$4"' \
    _ "$work" "$modules" "$here" "$game" || status=$?
if [ "$status" -ne 0 ]; then
    echo "Orca's own output:"
    cat "$work/orca.out"
fi
exit "$status"
