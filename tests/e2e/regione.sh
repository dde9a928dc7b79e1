#!/usr/bin/env bash
# A region with a decimal comma: results and the summary show ",", the keys and Paste
# keep ".", and the register's "." and "," both read as the decimal point.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8
verifica_storico "Parametri NTC:" "* R0 = 0,0" "* B  = 0,0" ""

digita 10000r3950b25
tasto F3
verifica_registro 10000,0 "°C > Ohm"
tasto F2
verifica_registro 25,0 "Ohm > °C of a comma result"
digita .
verifica_registro 25,0. "decimal point after a comma result"
verifica_storico "25 [°C] = 10000,0 [Ohm]" "10000,0 [Ohm] = 25,0 [°C]"

# The comma key types a point; a conversion reads that point as the decimal point.
tasto Delete
digita 2,5
verifica_registro 2.5 "comma typed"
tasto F4
verifica_registro 36,5 "°C > °F of 2.5"
verifica_storico "2.5 [°C] = 36,5 [°F]"
# A result's comma too, in a sign change and in parameter entry.
digita -
verifica_registro -36.5 "sign change of a result"
digita -
digita r
verifica_storico "-> R0 = 36,5"

tasto Delete
digita 1.5r
verifica_storico "-> R0 = 1,5"

# A pasted decimal, converted.
incolla 12,5 >/dev/null
tasto F4
verifica_storico "12.5 [°C] = 54,5 [°F]"

for caso in "12,5|12.5" "1.234,5|1234.5" "12.5|125" "-0,25|-0.25" "$(printf '\t25\r\n')|25" \
    "$(printf '\u00a0')7$(printf '\u00a0')|7"; do
    verifica "paste of '${caso%%|*}'" "${caso#*|}" "$(incolla "${caso%%|*}")"
done
concluso
