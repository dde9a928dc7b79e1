// Arbitrary command lines through the whole command: any status but 0, 1 or 2, an
// exception, or output beside a failure is a fault.
#include "ntc/comando.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    // Words separated by NUL bytes, like argv; the first may name a subcommand.
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    std::vector<std::string_view> parole;
    size_t inizio = 0;
    while (inizio <= testo.size()) {
        const size_t fine = std::min(testo.find('\0', inizio), testo.size());
        parole.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
    // Files are the readers' fuzzers' business; here a path could name /dev/zero, and a
    // save would write wherever the fuzzer says.
    for (const std::string_view parola : parole) {
        if (parola.starts_with("--tabella") || parola.starts_with("--file") ||
            parola.starts_with("--salva")) {
            return 0;
        }
    }
    std::string uscita;
    std::string errori;
    const int stato = EseguiComando(parole, uscita, errori);
    if (stato < STATO_FATTO || stato > STATO_USO || (stato != STATO_FATTO && !uscita.empty())) {
        std::abort();
    }
    return 0;
}
