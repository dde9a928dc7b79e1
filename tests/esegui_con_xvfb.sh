#!/usr/bin/env bash
# Runs a command on an X server of its own. The server picks a free display itself and
# reports it once it accepts clients, so parallel tests never race for a display number;
# it does not reset when its last client leaves, so a program started next can connect.
# SCHERMO_XVFB gives another screen (width x height x depth) than the usual 1280x1024x24.
# BREVANTO_NICE_XVFB starts the server at that niceness, as the hand-run load check does to
# starve it (tests/e2e/carico.sh).
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
nice -n "${BREVANTO_NICE_XVFB:-0}" Xvfb -displayfd 3 -screen 0 "${SCHERMO_XVFB:-1280x1024x24}" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r numero <"$fifo"
DISPLAY=":$numero" "$@"
