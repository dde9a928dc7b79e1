#include "profilo/coda_ripristino.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const IdentitaFile IDENTITA{0x1234, true, 1700000000, 5};

// Lines of a few hundred bytes, so that the data span several 512-byte blocks.
std::string Testo(char lettera, std::size_t righe) {
    std::string testo = "[NTC]\r\n";
    for (std::size_t riga = 0; riga < righe; ++riga) {
        testo += std::string(1, lettera) + std::to_string(riga) + "=" + std::string(90, lettera) +
                 "\r\n";
    }
    return testo;
}

struct Stati {
    std::string prima;      // the tail written, the data not yet
    std::string dopo;       // the new bytes written, the tail not yet cut off
    std::string mescolato;  // the first block new, the others old
    std::string interrotto; // only the closing line written
};

Stati Componi(const std::string& vecchi, const std::string& nuovi) {
    const CodaRipristino coda = ComponiCoda(IDENTITA, vecchi, nuovi);
    const std::size_t dati = std::max(vecchi.size(), nuovi.size());
    const std::string corpo = coda.corpo.substr(dati - vecchi.size());
    const std::string datiPrima = vecchi + coda.corpo.substr(0, dati - vecchi.size());
    std::string datiDopo = nuovi;
    if (vecchi.size() > nuovi.size()) {
        datiDopo += vecchi.substr(nuovi.size());
    }
    return {datiPrima + corpo + coda.chiusura, datiDopo + corpo + coda.chiusura,
            datiDopo.substr(0, 512) + datiPrima.substr(512) + corpo + coda.chiusura,
            vecchi + std::string(coda.corpo.size(), '\0') + coda.chiusura};
}

TEST(CodaRipristino, OgniStatoDelSalvataggioTornaAlVecchioOAlNuovo) {
    for (const auto& [vecchi, nuovi] :
         {std::pair{Testo('a', 20), Testo('b', 14)}, std::pair{Testo('a', 14), Testo('b', 20)}}) {
        const Stati stati = Componi(vecchi, nuovi);
        EXPECT_EQ(ContenutoDaRipristinare(stati.prima, IDENTITA), vecchi);
        EXPECT_EQ(ContenutoDaRipristinare(stati.dopo, IDENTITA), nuovi);
        EXPECT_EQ(ContenutoDaRipristinare(stati.mescolato, IDENTITA), vecchi);
        EXPECT_EQ(ContenutoDaRipristinare(stati.interrotto, IDENTITA), vecchi);
        // Data written by someone else since: kept as they stand, without the tail.
        std::string scritto = stati.dopo;
        scritto[700] = '#';
        const std::size_t dati = std::max(vecchi.size(), nuovi.size());
        EXPECT_EQ(ContenutoDaRipristinare(scritto, IDENTITA), scritto.substr(0, dati));
    }
}

// A tail counts only for the file it was made for, and only whole at the file's end.
TEST(CodaRipristino, AltriFileEAltriByteNonHannoCoda) {
    const std::string vecchi = Testo('a', 8);
    const Stati stati = Componi(vecchi, Testo('b', 7));
    for (const IdentitaFile& altra :
         {IdentitaFile{0x1235, true, 1700000000, 5}, IdentitaFile{0x1234, true, 1700000000, 6},
          IdentitaFile{0x1234, false, 0, 0}}) {
        EXPECT_FALSE(ContenutoDaRipristinare(stati.prima, altra).has_value());
    }
    for (const std::string& byte :
         {stati.prima + "\n", stati.prima.substr(0, stati.prima.size() - 1), vecchi,
          std::string()}) {
        EXPECT_FALSE(ContenutoDaRipristinare(byte, IDENTITA).has_value()) << byte.size();
    }
    // Cut short while written, with the data changed since: not ours to judge.
    std::string interrotto = stati.interrotto;
    interrotto[10] = '#';
    EXPECT_FALSE(ContenutoDaRipristinare(interrotto, IDENTITA).has_value());
}

// The closing line is written in one write that a kill cannot split: it never crosses a
// page. And no tail takes a file of the largest size beyond what is read back.
TEST(CodaRipristino, LaChiusuraStaInUnaPagina) {
    // New data one byte longer each time: the closing line starts at every place in a page.
    for (const std::size_t vecchi : {100, 3000}) {
        for (std::size_t nuovi = 0; nuovi < 4500; ++nuovi) {
            const CodaRipristino coda =
                ComponiCoda(IDENTITA, std::string(vecchi, 'v'), std::string(nuovi, 'n'));
            const std::size_t inizio = vecchi + coda.corpo.size();
            ASSERT_LE(inizio % 4096 + coda.chiusura.size(), 4096U) << vecchi << " " << nuovi;
        }
    }
    constexpr std::size_t MIB = std::size_t{1} << 20U;
    const CodaRipristino coda = ComponiCoda(IDENTITA, std::string(MIB, 'v'), std::string(MIB, 'n'));
    EXPECT_LE(MIB + coda.corpo.size() + coda.chiusura.size(), DimensioneMassimaConCoda(MIB));
}

} // namespace
