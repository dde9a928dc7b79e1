// Arbitrary bytes as a parameter file. In memory, on every input: R0 and B are set, and
// every other line must come back byte for byte (code unit for code unit in a UTF-16
// file); the input split in two, as the old and the new bytes of a save in place, must
// come back from each state that save can leave; one input in SAGGIO also goes through a
// real file, saved and loaded as the program does.
#include "profilo/coda_ripristino.h"
#include "profilo/codifica_testo.h"
#include "profilo/file_ntc.h"
#include "profilo/profilo.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

constexpr unsigned SAGGIO = 256;
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
        // A second mark after the first is read as the mark, as in an 8-bit file.
        return unita.starts_with(u"\uFEFF") ? unita.substr(1) : unita;
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
        // The same line, or the last one given the line end it lacked.
        const auto uguale = [&](std::size_t j) {
            const bool ultimaAperta = j + 1 == vecchie.size() && vecchie[j].fine.empty();
            return riga.testo == vecchie[j].testo && (riga.fine == vecchie[j].fine || ultimaAperta);
        };
        while (i < vecchie.size() && !uguale(i) && Sostituibile(vecchie[i])) {
            ++i;
            ++sostituite;
        }
        if (i == vecchie.size()) {
            Verifica(riga.testo == u"[NTC]");
            continue;
        }
        Verifica(uguale(i));
        ++i;
    }
    while (i < vecchie.size() && Sostituibile(vecchie[i])) {
        ++i;
        ++sostituite;
    }
    Verifica(i == vecchie.size() && sostituite <= 2 && scritte == 2);
}

// The states a save in place goes through, from the old bytes to the new: each gives back
// the one or the other, and none counts for another file.
void VerificaCoda(std::string_view vecchi, std::string_view nuovi) {
    const IdentitaFile identita{7, true, 1, 2};
    const CodaRipristino coda = ComponiCoda(identita, vecchi, nuovi);
    const std::size_t dati = std::max(vecchi.size(), nuovi.size());
    const std::string corpo = coda.corpo.substr(dati - vecchi.size()) + coda.chiusura;
    const std::string prima = std::string(vecchi) + coda.corpo.substr(0, dati - vecchi.size());
    std::string dopo(nuovi);
    dopo += vecchi.substr(std::min(nuovi.size(), vecchi.size()));
    Verifica(ContenutoDaRipristinare(prima + corpo, identita) == vecchi);
    Verifica(ContenutoDaRipristinare(dopo + corpo, identita) == (dopo == prima ? vecchi : nuovi));
    // Cut between two blocks, as a write cut short leaves it.
    const std::size_t taglio = dati / 2 / 512 * 512;
    const std::string mescolato = dopo.substr(0, taglio) + prima.substr(taglio) + corpo;
    const auto daMescolato = ContenutoDaRipristinare(mescolato, identita);
    Verifica(daMescolato == vecchi || daMescolato == nuovi);
    const std::string interrotto =
        std::string(vecchi) + std::string(coda.corpo.size(), '\0') + coda.chiusura;
    Verifica(ContenutoDaRipristinare(interrotto, identita) == vecchi);
    Verifica(!ContenutoDaRipristinare(prima + corpo, IdentitaFile{8, true, 1, 2}).has_value());
}

struct CartellaDiProva {
    CartellaDiProva() {
        // In memory where there is such a folder: the disk's fsync would set the pace.
        std::error_code errore;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", errore)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string nome = (base / "fuzz_ntc_XXXXXX").string();
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
    const std::size_t taglio = contenuto.empty() ? 0 : dati[0] % (contenuto.size() + 1);
    VerificaCoda(contenuto.substr(0, taglio), contenuto.substr(taglio));
    // Whatever the input ends with, reading it for a tail must hold.
    (void)ContenutoDaRipristinare(contenuto, IdentitaFile{});
    if (++conta % SAGGIO == 0) {
        SuFileVero(contenuto, *scritto);
    }
    return 0;
}
