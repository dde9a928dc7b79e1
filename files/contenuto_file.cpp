#include "contenuto_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

ContenutoFile LeggiContenutoFile(const std::filesystem::path& file) {
    std::error_code errore;
    const auto stato = std::filesystem::status(file, errore);
    if (stato.type() == std::filesystem::file_type::not_found) {
        return {StatoLettura::Assente, {}};
    }
    if (errore || stato.type() != std::filesystem::file_type::regular) {
        return {};
    }
    const std::uintmax_t dimensione = std::filesystem::file_size(file, errore);
    if (errore || dimensione > DIMENSIONE_MASSIMA_FILE) {
        return {};
    }
    std::ifstream ingresso(file, std::ios::binary);
    if (!ingresso) {
        return {};
    }
    ContenutoFile letto{StatoLettura::Letto, {}};
    letto.testo.reserve(static_cast<std::size_t>(dimensione));
    letto.testo.assign(std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>());
    if (ingresso.bad() || letto.testo.size() > DIMENSIONE_MASSIMA_FILE) {
        return {};
    }
    return letto;
}

std::filesystem::path NomeTemporaneo(const std::filesystem::path& file) {
    std::filesystem::path nome = ".";
    nome += file.filename();
    nome += ".brevanto-tmp";
    return file.parent_path() / nome;
}
