#pragma once

#include "ntc/argomenti.h"
#include "ntc/comando.h"

#include <string>
#include <string_view>
#include <vector>

// Each subcommand appends its data to uscita and its warnings (one a line, without the
// program's prefix) to avvisi; it throws ErroreUso or ErroreDati and then leaves uscita
// to be discarded. Those that write long texts hand them to scarico as they go, when it
// is given.
void EseguiTemperatura(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                       const Scarico& scarico);
void EseguiResistenza(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                      const Scarico& scarico);
void EseguiBeta(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                const Scarico& scarico);
void EseguiTabella(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                   const Scarico& scarico);
void EseguiAdatta(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                  const Scarico& scarico);
void EseguiTolleranza(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                      const Scarico& scarico);
void EseguiPartitore(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                     const Scarico& scarico);
void EseguiAutoriscaldamento(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                             const Scarico& scarico);
void EseguiProgetto(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                    const Scarico& scarico);

// The options that give adatta a coefficient rather than fit it (--t0, --rif).
std::vector<Opzione> OpzioniDatiAdattamento();

// The values after the options as numbers, or as resistances in the engineers' forms
// (LeggiOhm); ErroreUso when there are none.
std::vector<double> ValoriNumerici(const Argomenti& argomenti, std::string_view cosa,
                                   bool ohm = false);

// A subcommand: its name, what runs it and the options it takes.
struct Sottocomando {
    std::string_view nome;
    void (*esegui)(const Argomenti&, std::string&, std::string&, const Scarico&);
    std::vector<Opzione> opzioni;
};

// Every subcommand, in the order --help lists them.
const std::vector<Sottocomando>& Sottocomandi();
