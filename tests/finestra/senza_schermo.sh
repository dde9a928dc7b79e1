#!/usr/bin/env bash
# Without a display the program says so in one line and exits with status 1, both with
# DISPLAY unset and with DISPLAY naming a server that is not there. Argument: brevanto.
set -euo pipefail
brevanto=$1
atteso="brevanto: nessuno schermo grafico raggiungibile (DISPLAY o WAYLAND_DISPLAY), impossibile aprire la finestra"
errori=$(mktemp)
trap 'rm -f "$errori"' EXIT

for schermo in "" ":4711"; do
    stato=0
    if [ -z "$schermo" ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
            timeout 20 "$brevanto" >/dev/null 2>"$errori" || stato=$?
    else
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY="$schermo" \
            timeout 20 "$brevanto" >/dev/null 2>"$errori" || stato=$?
    fi
    if [ "$stato" -ne 1 ] || [ "$(cat "$errori")" != "$atteso" ]; then
        echo "FAILED: DISPLAY='$schermo': status $stato, standard error:" >&2
        cat "$errori" >&2
        exit 1
    fi
done
echo "no display: status 1 and one line"
