#pragma once

#include "calcoli/contesto_tabella.h"

#include <string>
#include <string_view>

// The opening comment of a firmware output: each line of testo behind the comment mark.
void ScriviCommento(std::string& uscita, std::string_view segno, std::string_view testo);

// The model as the comment names it: "beta: R0 = 10000, B = 3950, T0 = 25", or a maker's
// table.
std::string DescrizioneModello(const ContestoTabella& contesto);

// The divider as the comment names it: "4700 ohm series resistor, thermistor to ground,
// 3.3 V reference".
std::string DescrizionePartitore(const PartitoreADC& adc);

// The sensor's name in upper case, for C macros.
std::string Maiuscolo(std::string_view nome);
