#!/usr/bin/env bash
# ctest's display fixture.  Where DISPLAY is unset, as in a distribution's
# build, `start` starts a virtual X display for the tests and names it in
# STATE (the test programs read it, tests/support/TestMain.cpp); where no
# Xvfb is installed either, it starts none, and the tests that need a
# display are skipped.  `stop` ends the display after the last test.
#   virtual-display.sh start|stop STATE
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 start|stop STATE" >&2
    exit 2
fi
state=$2

stop() {
    local pid
    pid=$(cat "$state.pid" 2>/dev/null || true)
    # Only the server started here, never a process that took its number since.
    if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ]; then
        kill "$pid"
    fi
    rm -f "$state" "$state.pid"
}

case $1 in
start)
    stop  # what an interrupted run left
    if [ -n "${DISPLAY:-}" ]; then
        echo "the tests use the display $DISPLAY"
        exit 0
    fi
    if ! command -v Xvfb >/dev/null; then
        echo "no display, and no Xvfb to start one: the tests that need a display are skipped"
        exit 0
    fi
    said=$(mktemp -u)
    mkfifo "$said"
    # -displayfd: the server takes a free display and writes its number once
    # it accepts clients.  -noreset: it stays up between test programs.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$said" </dev/null >/dev/null 2>&1 &
    echo $! >"$state.pid"
    number=
    read -r -t 30 number <"$said" || true
    rm -f "$said"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        stop
        exit 1
    fi
    echo ":$number" >"$state"
    echo "the tests use a virtual display of their own, :$number"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE" >&2
    exit 2
    ;;
esac
