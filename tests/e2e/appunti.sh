#!/usr/bin/env bash
# Copy and Paste through the system clipboard: the register or the picked history line
# out, a number in, anything else refused.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=C.UTF-8

# What each text pastes as is the widget and unit tests'; here the real clipboard.
for caso in "-0.25|-0.25" "abc|-0.25" "1E3|1000" "0.123456789012345|0.12345678901" "7|7"; do
    verifica "paste of '${caso%%|*}'" "${caso#*|}" "$(incolla "${caso%%|*}")"
done
digita 3
verifica_registro 73 "a digit after a paste"

# Copy gives the register as shown, also an error, with no line break.
digita 1000
tasto F2
verifica_registro Errore "Copy of a failed conversion"

# A picked line is copied with a line break before it and none after; an empty one too.
tasto Delete
digita 25
tasto F4
verifica "Copy of the picked newest line" '\r\n25 [°C] = 77.0 [°F]' "$(riga_dal_fondo 0)"
verifica "Copy of a picked empty line" '\r\n' "$(riga_storico 3)"
verifica "Copy of a picked summary line" '\r\n* B  = 0.0' "$(riga_storico 2)"
verifica_registro 77.0 "Copy once the picked line is dropped"

# Paste writes no history line.
verifica "paste after a result" 12.5 "$(incolla 12.5)"
verifica_storico "25 [°C] = 77.0 [°F]"
concluso
