// Arbitrary bytes as a parameter file. In memory, on every input: R0 and B are set, and
// every other line must come back byte for byte (code unit for code unit in a UTF-16
// file); one input in SAGGIO also goes through a real file, saved and loaded as the
// program does.
#include "profilo/codifica_testo.h"
#include "profilo/file_ntc.h"
#include "profilo/profilo.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

constexpr unsigned SAGGIO = 64;
const std::vector<VoceProfilo> VOCI{{"NTC", "R0", "4700.0"}, {"NTC", "B", "3435.0"}};

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

// The file as code units, read here on their own: bytes, or UTF-16 after its mark.
std::u16string Unita(std::string_view byte) {
    std::u16string unita;
    const bool le = byte.starts_with("\xFF\xFE");
    if (le || byte.starts_with("\xFE\xFF")) {
        for (std::size_t i = 2; i + 1 < byte.size(); i += 2) {
            const auto a = static_cast<unsigned char>(byte[i]);
            const auto b = static_cast<unsigned char>(byte[i + 1]);
            unita += static_cast<char16_t>(le ? a | (b << 8U) : (a << 8U) | b);
        }
        return unita;
    }
    for (const char c : byte) {
        unita += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return unita.starts_with(u"\xEF\xBB\xBF") ? unita.substr(3) : unita;
}

struct Riga {
    std::u16string_view testo;
    std::u16string_view fine;
};

std::vector<Riga> Righe(std::u16string_view unita) {
    std::vector<Riga> righe;
    while (!unita.empty()) {
        std::size_t a = unita.find_first_of(u"\r\n");
        a = a == std::u16string_view::npos ? unita.size() : a;
        std::size_t fine = std::min(a + 1, unita.size());
        if (unita.substr(a).starts_with(u"\r\n")) {
            fine = a + 2;
        }
        righe.push_back({unita.substr(0, a), unita.substr(a, fine - a)});
        unita.remove_prefix(fine);
    }
    return righe;
}

bool Scritta(const Riga& riga) {
    return riga.testo == u"R0=4700.0" || riga.testo == u"B=3435.0";
}

// A line the save may have replaced: a key R0 or B, whatever its section.
bool Sostituibile(const Riga& riga) {
    std::u16string_view t = riga.testo;
    const auto blank = [](char16_t c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; };
    while (!t.empty() && blank(t.front())) {
        t.remove_prefix(1);
    }
    std::size_t nome = t.starts_with(u"r0") || t.starts_with(u"R0") ? 2 : 0;
    nome = nome == 0 && (t.starts_with(u"b") || t.starts_with(u"B")) ? 1 : nome;
    t.remove_prefix(nome);
    while (!t.empty() && blank(t.front())) {
        t.remove_prefix(1);
    }
    return nome > 0 && t.starts_with(u"=");
}

// The written file is the old one with at most the two key lines replaced, the missing
// ones added, and maybe the section header added at the end: nothing else changed.
void VerificaRighe(std::string_view prima, std::string_view dopo) {
    const std::u16string unitaPrima = Unita(prima);
    if (unitaPrima.find(u"4700.0") != std::u16string::npos ||
        unitaPrima.find(u"3435.0") != std::u16string::npos) {
        return;
    }
    const std::vector<Riga> vecchie = Righe(unitaPrima);
    const std::u16string unitaDopo = Unita(dopo);
    std::size_t i = 0;
    int sostituite = 0;
    int scritte = 0;
    for (const Riga& riga : Righe(unitaDopo)) {
        if (Scritta(riga)) {
            ++scritte;
            continue;
        }
        while (i < vecchie.size() && riga.testo != vecchie[i].testo && Sostituibile(vecchie[i])) {
            ++i;
            ++sostituite;
        }
        if (i == vecchie.size()) {
            Verifica(riga.testo == u"[NTC]");
            continue;
        }
        const bool ultimaAperta = i + 1 == vecchie.size() && vecchie[i].fine.empty();
        Verifica(riga.testo == vecchie[i].testo && (riga.fine == vecchie[i].fine || ultimaAperta));
        ++i;
    }
    while (i < vecchie.size() && Sostituibile(vecchie[i])) {
        ++i;
        ++sostituite;
    }
    Verifica(i == vecchie.size() && sostituite <= 2 && scritte == 2);
}

struct CartellaDiProva {
    CartellaDiProva() {
        std::string nome = (std::filesystem::temp_directory_path() / "fuzz_ntc_XXXXXX").string();
        Verifica(::mkdtemp(nome.data()) != nullptr);
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

void SuFileVero(std::string_view contenuto, const std::string& atteso) {
    static const CartellaDiProva prova;
    {
        std::ofstream uscita(prova.file, std::ios::binary | std::ios::trunc);
        uscita.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    }
    const Profilo inMemoria(contenuto);
    const LetturaProfilo letto = LeggiFileProfilo(prova.file);
    Verifica(letto.stato == StatoLettura::Letto);
    for (const std::string_view chiave : {"R0", "B"}) {
        Verifica(letto.profilo.Valore("NTC", chiave) == inMemoria.Valore("NTC", chiave));
    }
    ParametriNTC parametri{};
    CaricaParametri(prova.file, parametri);
    Verifica(ScriviVociProfilo(prova.file, VOCI));
    std::ifstream ingresso(prova.file, std::ios::binary);
    Verifica(std::string(std::istreambuf_iterator<char>(ingresso), {}) == atteso);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    static unsigned conta = 0;
    const std::string_view contenuto(reinterpret_cast<const char*>(dati), dimensione);
    TestoDecodificato testo = DecodificaTesto(contenuto);
    testo.testo = ImpostaVociProfilo(testo.testo, VOCI);
    const std::optional<std::string> scritto = CodificaTesto(testo);
    Verifica(scritto.has_value());
    const Profilo letto(*scritto);
    Verifica(letto.Valore("NTC", "R0") == "4700.0" && letto.Valore("NTC", "B") == "3435.0");
    VerificaRighe(contenuto, *scritto);
    Verifica(ImpostaVociProfilo(DecodificaTesto(*scritto).testo, VOCI) ==
             DecodificaTesto(*scritto).testo);
    if (++conta % SAGGIO == 0) {
        SuFileVero(contenuto, *scritto);
    }
    return 0;
}
