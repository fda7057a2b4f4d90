#!/usr/bin/env bash
# Runs a command with DISPLAY on an Xvfb of its own and returns the command's status. Xvfb picks
# a free display itself and writes its number to a descriptor once it is ready, so that no other
# job's server is taken (xvfb-run -a guesses a free number, which two jobs may guess alike).
#
#   ./scripts/with-private-display.sh COMMAND [ARGUMENTS...]
set -euo pipefail

work="$(mktemp -d)"
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
server=$!
number=""
read -r number <"$work/display" || true
if [ -z "$number" ]; then
    echo "with-private-display: Xvfb could not be started" >&2
    exit 1
fi

status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
