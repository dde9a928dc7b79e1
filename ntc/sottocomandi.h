#pragma once

#include "ntc/argomenti.h"

#include <string>

// Each subcommand appends its data to uscita and its warnings (one a line, without the
// program's prefix) to avvisi; it throws ErroreUso or ErroreDati and then leaves uscita
// to be discarded.
void EseguiTemperatura(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiResistenza(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiBeta(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiTabella(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiAdatta(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiTolleranza(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiPartitore(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);
void EseguiAutoriscaldamento(const Argomenti& argomenti, std::string& uscita, std::string& avvisi);

// The values after the options as numbers; ErroreUso when there are none.
std::vector<double> ValoriNumerici(const Argomenti& argomenti, std::string_view cosa);
