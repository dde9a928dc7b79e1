// Arbitrary bytes as a parameter file: read through the file layer the program uses, and
// rewritten with new parameters, which must then read back whatever else the file held.
#include "files/dichiarazioni.h"
#include "files/testo_profilo.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace {

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

// One scratch folder for the whole run, removed when the fuzzer exits.
struct CartellaDiProva {
    CartellaDiProva() {
        std::string nome = (std::filesystem::temp_directory_path() / "fuzz_ntc_XXXXXX").string();
        Verifica(mkdtemp(nome.data()) != nullptr);
        cartella = nome;
        file = cartella / "parametri.ntc";
    }
    ~CartellaDiProva() {
        std::error_code errore;
        std::filesystem::remove_all(cartella, errore);
    }
    CartellaDiProva(const CartellaDiProva&) = delete;
    CartellaDiProva& operator=(const CartellaDiProva&) = delete;

    std::filesystem::path cartella;
    std::filesystem::path file;
};

const std::filesystem::path& FileDiProva() {
    static const CartellaDiProva prova;
    return prova.file;
}

// What the file layer reads: a C string of at most 254 characters, "0" for a missing key.
std::string LettoDalTesto(std::string_view contenuto, std::string_view chiave) {
    const auto valore = TrovaValoreProfilo(contenuto, "NTC", chiave);
    if (!valore) {
        return "0";
    }
    return valore->substr(0, std::min<std::size_t>(valore->find('\0'), 254));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view contenuto(reinterpret_cast<const char*>(dati), dimensione);
    const std::filesystem::path& file = FileDiProva();
    {
        std::ofstream uscita(file, std::ios::binary | std::ios::trunc);
        uscita.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    }
    for (const std::string_view chiave : {"R0", "B"}) {
        Verifica(LeggiProfilo(file, "NTC", chiave, "0") == LettoDalTesto(contenuto, chiave));
    }
    ParametriNTC parametri{};
    CaricaParametri(file, parametri);

    const VoceProfilo voci[] = {{"R0", "4700.0"}, {"B", "3435.0"}};
    const std::string scritto = ImpostaVociProfilo(contenuto, "NTC", voci);
    Verifica(TrovaValoreProfilo(scritto, "NTC", "R0") == "4700.0");
    Verifica(TrovaValoreProfilo(scritto, "NTC", "B") == "3435.0");
    // Another section's key is not ours to change.
    Verifica(TrovaValoreProfilo(scritto, "Altro", "R0") ==
             TrovaValoreProfilo(contenuto, "Altro", "R0"));
    Verifica(ImpostaVociProfilo(scritto, "NTC", voci) == scritto);
    return 0;
}
