#!/usr/bin/env bash
# All the figures in one run: the core's calls, the thermistor models and their fits, the
# design of a measuring circuit, brevanto-ntc's start-up and longest table, start-up time and
# memory of both windows against the bare Qt window and the installed calculators, with a
# session bus and without, the per-key and per-conversion time, and how many inputs each
# fuzzer gets through in a fixed time. Arguments: a Release build folder configured with
# -DBREVANTO_BENCH=ON and a folder built with -DBREVANTO_FUZZ=ON (the fuzzers), e.g. build-rel
# build-asan.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
rilascio=$(cd "$1" && pwd)
fuzz=$(cd "$2" && pwd)
secondi=${SECONDI_FUZZ:-20}

echo "== machine"
echo "$(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)"
echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(uname -r)"

echo "== start-up (median of 31 runs each, in turn, after a warm-up, own Xvfb;"
echo "   with a session bus running and with none)"
"$radice/tests/esegui_con_xvfb.sh" "$rilascio/bench/bench_startup" \
    "$rilascio/finestra/brevanto" "$rilascio/curva/brevanto-curva" \
    "$rilascio/bench/finestra_vuota" "$rilascio/bench/finestra_etichetta" \
    "$rilascio/bench/finestra_menu" 31

echo "== where the start-up goes (ms from exec under strace, median of 9 runs, own Xvfb)"
"$radice/tests/esegui_con_xvfb.sh" python3 "$radice/bench/fasi_avvio.py" 9 \
    "$rilascio/finestra/brevanto" "$rilascio/curva/brevanto-curva" \
    "$rilascio/bench/finestra_vuota" "$rilascio/bench/finestra_etichetta" \
    "$rilascio/bench/finestra_menu"

echo "== brevanto-ntc (median of 101 runs each, in turn)"
"$rilascio/bench/bench_ntc" "$rilascio/ntc/brevanto-ntc" "$rilascio/bench/programma_vuoto" 101

echo "== conversions and number texts"
"$rilascio/bench/bench_core" 2>&1 | awk '/^-+$/ { tabella = 1 } tabella'

echo "== thermistor models (no evaluation may allocate; fits of 10 000 points)"
"$rilascio/bench/bench_modelli" 2>&1 | awk '/^-+$/ { tabella = 1 } tabella'

echo "== designing the measuring circuit (E96 over six decades, -55…300 °C at 1 K)"
"$rilascio/bench/bench_progetto" 2>&1 | awk '/^-+$/ { tabella = 1 } tabella'

echo "== keys (offscreen, CPU time)"
QT_QPA_PLATFORM=offscreen "$rilascio/bench/bench_keys" 2>&1 | awk '/^-+$/ { tabella = 1 } tabella'

echo "== curve window (offscreen, CPU time)"
QT_QPA_PLATFORM=offscreen "$rilascio/bench/bench_curva" 2>&1 | awk '/^-+$/ { tabella = 1 } tabella'

echo "== fuzzers (${secondi} s each, ASan + UBSan)"
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
for bersaglio in tests/core/fuzz_testi_numerici:tests/core/corpus \
    tests/profilo/fuzz_file_ntc:tests/profilo/corpus \
    tests/scambio/fuzz_incolla:tests/scambio/corpus \
    tests/modelli/fuzz_tabella_csv:tests/modelli/corpus \
    tests/ntc/fuzz_argomenti_ntc:tests/ntc/corpus; do
    programma=$fuzz/${bersaglio%%:*}
    mkdir -p "$cartella/${programma##*/}"
    esito=$("$programma" -max_total_time="$secondi" -rss_limit_mb=2048 \
        "$cartella/${programma##*/}" "$radice/${bersaglio##*:}" 2>&1 | grep '^Done')
    esecuzioni=$(awk '{print $2}' <<<"$esito")
    printf '%-22s %10d inputs in %s s (%d per second)\n' "${programma##*/}" \
        "$esecuzioni" "$secondi" "$((esecuzioni / secondi))"
done
