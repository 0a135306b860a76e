#!/bin/sh
# Runs a test program on a headless weston of its own, in a runtime folder of
# its own; stops that compositor by its process id. Exits 77 (skipped) with
# the reason where weston is missing or cannot start.
set -u
if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed"
    exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=morveta-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket \
    --width=1200 --height=800 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
stop() {
    kill "$weston" 2>/dev/null
    wait "$weston" 2>/dev/null
    rm -rf "$runtime"
}
trap stop EXIT
tries=0
while [ ! -S "$runtime/$socket" ] && kill -0 "$weston" 2>/dev/null && [ $tries -lt 200 ]; do
    sleep 0.05
    tries=$((tries + 1))
done
if [ ! -S "$runtime/$socket" ]; then
    echo "SKIP: weston did not start:"
    cat "$runtime/weston.log"
    exit 77
fi
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
