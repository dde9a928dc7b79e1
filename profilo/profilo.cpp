#include "profilo/profilo.h"

#include "profilo/codifica_testo.h"

#include <algorithm>

namespace {

std::string ValoreLetto(std::string_view valore) {
    return std::string(valore.substr(0, std::min(valore.find('\0'), LUNGHEZZA_MASSIMA_VALORE)));
}

} // namespace

Profilo::Profilo(std::string_view byte) : testo_(DecodificaTesto(byte).testo) {}

std::optional<std::string> Profilo::Valore(std::string_view sezione,
                                           std::string_view chiave) const {
    const auto valore = TrovaValoreProfilo(testo_, sezione, chiave);
    if (!valore) {
        return std::nullopt;
    }
    return ValoreLetto(*valore);
}

LetturaProfilo LeggiFileProfilo(const std::filesystem::path& file) {
    const ContenutoFile contenuto = LeggiContenutoFile(file);
    if (contenuto.stato != StatoLettura::Letto) {
        return {contenuto.stato, {}};
    }
    return {StatoLettura::Letto, Profilo(contenuto.byte)};
}

bool ScriviVociProfilo(const std::filesystem::path& file, std::span<const VoceProfilo> voci) {
    if (!std::all_of(voci.begin(), voci.end(), VoceScrivibile)) {
        return false;
    }
    return ModificaContenutoFile(file, [&](std::string_view vecchi) {
        TestoDecodificato testo = DecodificaTesto(vecchi);
        testo.testo = ImpostaVociProfilo(testo.testo, voci);
        return CodificaTesto(testo);
    });
}
