#include "profilo/coda_ripristino.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::string_view INIZIO_CHIUSURA = ";brevanto-ripristino ";
constexpr std::size_t PAGINA = 4096;
// The unit in which a write, cut short by a kill (a page) or by a power loss (a sector),
// leaves old and new bytes side by side.
constexpr std::size_t BLOCCO = 512;
constexpr std::size_t BYTE_PER_RIGA = 64;
constexpr std::size_t IMPRONTE_PER_RIGA = 8;
constexpr std::size_t CIFRE_IMPRONTA = 16;
constexpr std::string_view CIFRE = "0123456789abcdef";

// FNV-1a: it tells our own states apart; whoever could forge it could write the file.
std::uint64_t Impronta(std::string_view byte) {
    std::uint64_t impronta = 14695981039346656037ULL;
    for (const char c : byte) {
        impronta = (impronta ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return impronta;
}

void AggiungiEsadecimale(std::string& testo, std::uint64_t numero, std::size_t cifre) {
    for (std::size_t i = cifre; i-- > 0;) {
        testo += CIFRE[(numero >> (4 * i)) & 0xFU];
    }
}

std::optional<std::uint64_t> LeggiEsadecimale(std::string_view testo) {
    std::uint64_t numero = 0;
    for (const char c : testo) {
        const std::size_t cifra = CIFRE.find(c);
        if (cifra == std::string_view::npos) {
            return std::nullopt;
        }
        numero = (numero << 4U) | cifra;
    }
    return numero;
}

std::string TestoIdentita(const IdentitaFile& identita) {
    std::string testo;
    AggiungiEsadecimale(testo, identita.inode, 16);
    testo += ' ';
    if (identita.nascitaNota) {
        AggiungiEsadecimale(testo, static_cast<std::uint64_t>(identita.nascitaSecondi), 16);
        AggiungiEsadecimale(testo, identita.nascitaNanosecondi, 8);
    } else {
        testo.append(24, '-');
    }
    return testo;
}

struct Chiusura {
    std::size_t vecchi = 0;
    std::size_t nuovi = 0;
    std::uint64_t corpo = 0;
    std::uint64_t impronta = 0; // of the old bytes
};

// Identity, the two sizes and the two digests, then the line's own digest: all of fixed
// width, so the line's length is known before it is written.
std::string TestoChiusura(const IdentitaFile& identita, const Chiusura& chiusura) {
    std::string testo(INIZIO_CHIUSURA);
    testo += TestoIdentita(identita);
    for (const auto& [numero, cifre] : {std::pair<std::uint64_t, std::size_t>{chiusura.vecchi, 8},
                                        {chiusura.nuovi, 8},
                                        {chiusura.corpo, 16},
                                        {chiusura.impronta, 16}}) {
        testo += ' ';
        AggiungiEsadecimale(testo, numero, cifre);
    }
    testo += ' ';
    AggiungiEsadecimale(testo, Impronta(testo), CIFRE_IMPRONTA);
    testo += '\n';
    return testo;
}

const std::size_t LUNGHEZZA_CHIUSURA = TestoChiusura({}, {}).size();

std::optional<Chiusura> LeggiChiusura(std::string_view riga, const IdentitaFile& identita) {
    const std::string attesa = std::string(INIZIO_CHIUSURA) + TestoIdentita(identita) + ' ';
    const std::size_t senzaImpronta = riga.size() - CIFRE_IMPRONTA - 1;
    if (!riga.starts_with(attesa) || !riga.ends_with('\n') ||
        LeggiEsadecimale(riga.substr(senzaImpronta, CIFRE_IMPRONTA)) !=
            Impronta(riga.substr(0, senzaImpronta))) {
        return std::nullopt;
    }
    std::string_view campi = riga.substr(attesa.size());
    std::array<std::uint64_t, 4> numeri{};
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const std::size_t cifre = i < 2 ? 8 : 16;
        const auto numero = LeggiEsadecimale(campi.substr(0, cifre));
        if (!numero || campi.size() <= cifre || campi[cifre] != ' ') {
            return std::nullopt;
        }
        numeri[i] = *numero;
        campi.remove_prefix(cifre + 1);
    }
    return Chiusura{numeri[0], numeri[1], numeri[2], numeri[3]};
}

std::size_t Blocchi(std::size_t byte) {
    return (byte + BLOCCO - 1) / BLOCCO;
}

// The body's lines in order: the old bytes, then the digests of the data's blocks.
struct LettoreRighe {
    std::string_view resto;

    std::optional<std::string_view> Riga() {
        const std::size_t fine = resto.find('\n');
        if (!resto.starts_with(';') || fine == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view riga = resto.substr(1, fine - 1);
        resto.remove_prefix(fine + 1);
        return riga;
    }
};

std::optional<std::string> LeggiVecchi(LettoreRighe& righe, std::size_t quanti) {
    std::string vecchi;
    while (vecchi.size() < quanti) {
        const auto riga = righe.Riga();
        if (!riga || riga->size() != 2 * std::min(BYTE_PER_RIGA, quanti - vecchi.size())) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < riga->size(); i += 2) {
            const auto byte = LeggiEsadecimale(riga->substr(i, 2));
            if (!byte) {
                return std::nullopt;
            }
            vecchi += static_cast<char>(*byte);
        }
    }
    return vecchi;
}

std::optional<std::vector<std::uint64_t>> LeggiImpronte(LettoreRighe& righe, std::size_t quante) {
    std::vector<std::uint64_t> impronte;
    while (impronte.size() < quante) {
        const auto riga = righe.Riga();
        const std::size_t attese = std::min(IMPRONTE_PER_RIGA, quante - impronte.size());
        if (!riga || riga->size() != attese * CIFRE_IMPRONTA) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < riga->size(); i += CIFRE_IMPRONTA) {
            const auto impronta = LeggiEsadecimale(riga->substr(i, CIFRE_IMPRONTA));
            if (!impronta) {
                return std::nullopt;
            }
            impronte.push_back(*impronta);
        }
    }
    return impronte;
}

} // namespace

CodaRipristino ComponiCoda(const IdentitaFile& identita, std::string_view vecchi,
                           std::string_view nuovi) {
    const std::size_t dati = std::max(vecchi.size(), nuovi.size());
    std::string dopo(nuovi);
    if (vecchi.size() > nuovi.size()) {
        dopo += vecchi.substr(nuovi.size());
    }
    std::string corpo = "\n";
    for (std::size_t i = 0; i < vecchi.size(); i += BYTE_PER_RIGA) {
        corpo += ';';
        for (const char c : vecchi.substr(i, BYTE_PER_RIGA)) {
            AggiungiEsadecimale(corpo, static_cast<unsigned char>(c), 2);
        }
        corpo += '\n';
    }
    for (std::size_t blocco = 0; blocco < Blocchi(dati); ++blocco) {
        corpo += blocco % IMPRONTE_PER_RIGA == 0 ? ";" : "";
        AggiungiEsadecimale(corpo, Impronta(std::string_view(dopo).substr(blocco * BLOCCO, BLOCCO)),
                            CIFRE_IMPRONTA);
        if (blocco % IMPRONTE_PER_RIGA == IMPRONTE_PER_RIGA - 1 || blocco + 1 == Blocchi(dati)) {
            corpo += '\n';
        }
    }
    const std::size_t inizioChiusura = dati + corpo.size();
    if (inizioChiusura % PAGINA + LUNGHEZZA_CHIUSURA > PAGINA) {
        corpo.append(PAGINA - inizioChiusura % PAGINA, '\n');
    }
    const std::string chiusura =
        TestoChiusura(identita, {vecchi.size(), nuovi.size(), Impronta(corpo), Impronta(vecchi)});
    return {std::string(dati - vecchi.size(), '\n') + corpo, chiusura};
}

std::optional<std::string> ContenutoDaRipristinare(std::string_view byte,
                                                   const IdentitaFile& identita) {
    if (byte.size() < LUNGHEZZA_CHIUSURA) {
        return std::nullopt;
    }
    const std::size_t inizioChiusura = byte.size() - LUNGHEZZA_CHIUSURA;
    const auto chiusura = LeggiChiusura(byte.substr(inizioChiusura), identita);
    const std::size_t dati = chiusura ? std::max(chiusura->vecchi, chiusura->nuovi) : 0;
    if (!chiusura || dati > inizioChiusura) {
        return std::nullopt;
    }
    const std::string_view corpo = byte.substr(dati, inizioChiusura - dati);
    if (Impronta(corpo) != chiusura->corpo) {
        // Cut short while the tail was written: the data were not touched yet.
        if (Impronta(byte.substr(0, chiusura->vecchi)) == chiusura->impronta) {
            return std::string(byte.substr(0, chiusura->vecchi));
        }
        return std::nullopt;
    }
    LettoreRighe righe{corpo.substr(std::min<std::size_t>(1, corpo.size()))};
    const auto vecchi =
        corpo.starts_with('\n') ? LeggiVecchi(righe, chiusura->vecchi) : std::nullopt;
    const auto impronte = vecchi ? LeggiImpronte(righe, Blocchi(dati)) : std::nullopt;
    if (!impronte || Impronta(*vecchi) != chiusura->impronta ||
        righe.resto.find_first_not_of('\n') != std::string_view::npos) {
        return std::nullopt;
    }
    // Each block of the data as before the save (the old bytes and blank lines) or as the
    // new bytes leave it; anything else was written by someone else since.
    const std::string prima = *vecchi + std::string(dati - vecchi->size(), '\n');
    bool tuttiPrima = true;
    bool tuttiDopo = true;
    for (std::size_t blocco = 0; blocco < impronte->size(); ++blocco) {
        const std::string_view letto =
            byte.substr(blocco * BLOCCO, std::min(BLOCCO, dati - blocco * BLOCCO));
        const bool comePrima = letto == std::string_view(prima).substr(blocco * BLOCCO, BLOCCO);
        const bool comeDopo = Impronta(letto) == (*impronte)[blocco];
        if (!comePrima && !comeDopo) {
            return std::string(byte.substr(0, dati));
        }
        tuttiPrima = tuttiPrima && comePrima;
        tuttiDopo = tuttiDopo && comeDopo;
    }
    if (tuttiDopo && !tuttiPrima) {
        return std::string(byte.substr(0, chiusura->nuovi));
    }
    return *vecchi;
}

std::size_t DimensioneMassimaConCoda(std::size_t massimo) {
    const std::size_t righeVecchi = (massimo + BYTE_PER_RIGA - 1) / BYTE_PER_RIGA;
    const std::size_t righeImpronte =
        (Blocchi(massimo) + IMPRONTE_PER_RIGA - 1) / IMPRONTE_PER_RIGA;
    return massimo + 1 + righeVecchi * (2 * BYTE_PER_RIGA + 2) +
           righeImpronte * (IMPRONTE_PER_RIGA * CIFRE_IMPRONTA + 2) + PAGINA + LUNGHEZZA_CHIUSURA;
}
