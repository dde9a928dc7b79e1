// brevanto-ntc: the thermistor calculations of Brevanto from a shell.
#include "ntc/comando.h"

#include <cstdio>
#include <vector>

namespace {

void Scrivi(const std::string& testo, std::FILE* flusso) {
    if (!testo.empty()) {
        std::fwrite(testo.data(), 1, testo.size(), flusso);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> argomenti(argv + 1, argv + argc);
    std::string uscita;
    std::string errori;
    int stato = EseguiComando(argomenti, uscita, errori);
    Scrivi(uscita, stdout);
    Scrivi(errori, stderr);
    // A full disk or a closed pipe must not pass for a table written.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("brevanto-ntc: scrittura su standard output non riuscita\n", stderr);
        stato = STATO_DATI;
    }
    return stato;
}
