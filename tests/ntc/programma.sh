#!/usr/bin/env bash
# The built brevanto-ntc as a script uses it: its exit statuses and output streams, ADC
# counts -> T -> counts, and the bash completion; firmware.py reads its firmware formats,
# test_ntc runs the rest in-process. Arguments: the program, a scratch folder,
# the completion script.
set -euo pipefail
ntc=$1 cartella=$2 completamento=$3
rm -rf "$cartella"
mkdir -p "$cartella"
fallito() {
    echo "FAILED: $*" >&2
    exit 1
}
beta=(--r0 10000 --beta 3950)

stato() {
    local atteso=$1
    shift
    local s=0
    "$ntc" "$@" >/dev/null 2>&1 || s=$?
    [ "$s" -eq "$atteso" ] || fallito "status $s, not $atteso: $*"
}
stato 0 --version
stato 2
stato 1 temperatura "${beta[@]}" -- -5
# Messages go to standard error, data alone to standard output.
[ -z "$("$ntc" temperatura "${beta[@]}" -- -5 2>/dev/null)" ] || fallito "output beside a failure"
[ -n "$("$ntc" temperatura "${beta[@]}" -- -5 2>&1)" ] || fallito "no message for a failure"
# A closed pipe or a full disk is no table written.
if [ -w /dev/full ]; then
    s=0
    "$ntc" resistenza "${beta[@]}" 25 >/dev/full 2>/dev/null || s=$?
    [ "$s" -eq 1 ] || fallito "status $s writing to a full disk"
fi

# A table from a pipe is read piece by piece and refused past its size, never held whole.
s=0
messaggio=$("$ntc" temperatura --tabella <(yes 25,10000 | head -n 1000000000) 5000 2>&1) || s=$?
[ "$s" -eq 1 ] || fallito "status $s for an endless table"
[[ $messaggio == *": più di 8 MiB: una tabella ne ha al più 8 MiB" ]] ||
    fallito "an endless table: $messaggio"

divisore=(--partitore 4700 --bit 12)
conteggi=(1 17 1000 2048 3500 4095)
mapfile -t temperature < <("$ntc" partitore "${beta[@]}" "${divisore[@]}" --adc "${conteggi[@]}" |
    tail -n +2 | cut -d, -f1)
mapfile -t ritorno < <("$ntc" partitore "${beta[@]}" "${divisore[@]}" -- "${temperature[@]}" |
    tail -n +2 | cut -d, -f4)
for i in "${!conteggi[@]}"; do
    awk -v a="${conteggi[i]}" -v b="${ritorno[i]}" \
        'BEGIN { d = a - b; exit !(d < 1e-9 * a && -d < 1e-9 * a) }' ||
        fallito "count ${conteggi[i]} -> ${temperature[i]} °C -> ${ritorno[i]}"
done

# The completion offers what the program takes: every subcommand and each one's options.
# shellcheck source=/dev/null
source "$completamento"
completa() {
    COMP_WORDS=("$ntc" "$@")
    COMP_CWORD=$#
    _brevanto_ntc
    echo "${COMPREPLY[*]}"
}
for sottocomando in $(completa ''); do
    [[ $sottocomando == --* ]] && continue
    "$ntc" "$sottocomando" --help >/dev/null || fallito "completion offers $sottocomando"
    for opzione in $(completa "$sottocomando" --); do
        [ "$opzione" = --help ] && continue
        "$ntc" "$sottocomando" --help | grep -q -- "$opzione\b" ||
            fallito "completion offers $opzione, which '$sottocomando --help' does not name"
    done
done
[ "$(completa tabella --formato m)" = marlin ] || fallito "completion of --formato"
[ "$(completa help t)" = "temperatura tabella tolleranza" ] || fallito "completion after help"

echo "brevanto-ntc: all checks passed"
