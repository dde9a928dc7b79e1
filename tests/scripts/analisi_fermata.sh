#!/usr/bin/env bash
# A scripts/test whose tests fail ends the static analysis it started beside them: the
# clang-tidy runner and the clang-tidy processes under it, not only the shell of
# scripts/analizza. scripts/test runs from a copy of the scripts, with stand-ins on the
# PATH for the build tools: cmake and ninja do nothing, ctest fails once the analysis is
# running, and run-clang-tidy starts a clang-tidy that would run for minutes. Argument: the
# source tree's scripts folder.
set -euo pipefail
sorgenti=$1
lavoro=$(mktemp -d)
registro=$lavoro/processi
trap 'xargs -r kill <"$registro" 2>/dev/null || true; rm -rf "$lavoro"' EXIT

fallito() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits for a condition for at most 60 seconds, however busy the machine.
attendi() {
    local scadenza=$((SECONDS + 60))
    until "$@"; do
        [ $SECONDS -lt $scadenza ] || return 1
        sleep 0.05
    done
}

mkdir -p "$lavoro/scripts" "$lavoro/build" "$lavoro/build-analisi" "$lavoro/finti"
cp "$sorgenti/test" "$sorgenti/analizza" "$lavoro/scripts/"
: >"$registro"
printf '#!/bin/sh\nexit 0\n' >"$lavoro/scripts/installa"
printf '#!/bin/sh\nexit 0\n' >"$lavoro/finti/cmake"
printf '#!/bin/sh\nexit 0\n' >"$lavoro/finti/ninja"
cat >"$lavoro/finti/run-clang-tidy" <<FINTO
#!/usr/bin/env bash
echo \$\$ >>"$registro"
clang-tidy &
wait
FINTO
cat >"$lavoro/finti/clang-tidy" <<FINTO
#!/bin/sh
echo \$\$ >>"$registro"
exec sleep 600
FINTO
cat >"$lavoro/finti/ctest" <<FINTO
#!/usr/bin/env bash
# Fails once the runner and its clang-tidy are both running.
scadenza=\$((SECONDS + 60))
until [ "\$(wc -l <"$registro")" -ge 2 ] || [ \$SECONDS -ge \$scadenza ]; do sleep 0.05; done
exit 1
FINTO
chmod +x "$lavoro"/scripts/* "$lavoro"/finti/*

esito=0
PATH="$lavoro/finti:$PATH" "$lavoro/scripts/test" >"$lavoro/uscita.txt" 2>&1 || esito=$?
[ "$esito" -ne 0 ] || fallito "scripts/test passed although its tests failed"
[ "$(wc -l <"$registro")" -eq 2 ] || fallito "the analysis never started: $(cat "$lavoro/uscita.txt")"

finiti() {
    local processo
    while read -r processo; do
        ! kill -0 "$processo" 2>/dev/null || return 1
    done <"$registro"
}
attendi finiti || fallito "still running after scripts/test failed: $(xargs ps -o pid=,args= -p <"$registro")"
echo "analisi_fermata: the runner and its clang-tidy ended with scripts/test"
