#!/usr/bin/env bash
# The load check of the calculator hand-off, run by hand and not in CI: the end-to-end
# calculator test sends its numbers to each calculator three times while busy loops keep
# the cores busy, then once more with its X server reniced to 19 as well. Prints, for each
# calculator, how many numbers were sent, shown exactly, and refused with "Calcolatrice non
# disponibile !" (the calculator left cleared); a different number fails the run.
# Argument: the build folder (default: build). Environment: CICLI, the busy loops (default
# 4; stress-ng --cpu when it is installed); GIRI and GIRI_NICE, the rounds of each part
# (default 3 and 1); CALCOLATRICI and NUMERI, as tests/e2e/calcolatrici.sh reads them.
set -euo pipefail
radice=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-build}" && pwd)
cicli=${CICLI:-4}

carico=()
ferma_carico() {
    [ ${#carico[@]} -eq 0 ] || kill "${carico[@]}" 2>/dev/null || true
}
trap ferma_carico EXIT
if command -v stress-ng >/dev/null; then
    stress-ng --cpu "$cicli" --quiet &
    carico+=($!)
else
    for _ in $(seq "$cicli"); do
        (while :; do :; done) &
        carico+=($!)
    done
fi

# Runs the calculator test with the environment assignments given, and prints its figures.
prova() {
    local nome=$1 inizio=$SECONDS
    shift
    env CARICO=1 "$@" "$radice/tests/esegui_con_xvfb.sh" "$radice/tests/e2e/calcolatrici.sh" \
        "$build/finestra/brevanto" "$build/tests/finestra/cattura_schermo" \
        "$build/tests/e2e/carico-$nome" "$build/tests/e2e/sentinella_tasti" |
        grep -E '^calcolatrici: .* sent'
    echo "carico: $nome took $((SECONDS - inizio)) s, load average $(cut -d' ' -f1-3 /proc/loadavg)"
}

echo "carico: $cicli busy loops"
prova busy GIRI="${GIRI:-3}"
prova busy-nice19 GIRI="${GIRI_NICE:-1}" BREVANTO_NICE_XVFB=19
