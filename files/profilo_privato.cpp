#include "profilo_privato.h"

#include "contenuto_file.h"

#include <algorithm>
#include <optional>

std::size_t LeggiStringaProfilo(std::string_view sezione, std::string_view chiave,
                                std::string_view predefinito, std::span<char> buffer,
                                const std::filesystem::path& file) {
    if (buffer.empty()) {
        return 0;
    }
    std::optional<std::string> valore;
    const ContenutoFile contenuto = LeggiContenutoFile(file);
    if (contenuto.stato == StatoLettura::Letto) {
        valore = TrovaValoreProfilo(contenuto.testo, sezione, chiave);
    }
    std::string_view testo = valore ? std::string_view(*valore) : predefinito;
    // The value travels as a C string: it ends at a NUL byte.
    testo = testo.substr(0, std::min(testo.find('\0'), buffer.size() - 1));
    std::copy(testo.begin(), testo.end(), buffer.begin());
    buffer[testo.size()] = '\0';
    return testo.size();
}

bool ScriviVociProfilo(const std::filesystem::path& file, std::string_view sezione,
                       std::span<const VoceProfilo> voci) {
    if (!std::all_of(voci.begin(), voci.end(),
                     [&](const VoceProfilo& voce) { return VoceScrivibile(sezione, voce); })) {
        return false;
    }
    const ContenutoFile esistente = LeggiContenutoFile(file);
    if (esistente.stato == StatoLettura::Errore) {
        return false;
    }
    return SostituisciContenutoFile(file, ImpostaVociProfilo(esistente.testo, sezione, voci));
}
