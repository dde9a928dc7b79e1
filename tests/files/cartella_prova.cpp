#include "cartella_prova.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

std::filesystem::path DaUtf8(std::string_view testo) {
    return std::u8string(testo.begin(), testo.end());
}

CartellaProva::CartellaProva() {
    static std::atomic<int> contatore{0};
    percorso_ = std::filesystem::temp_directory_path() /
                DaUtf8("prova parametri è " + std::to_string(::getpid()) + "-" +
                       std::to_string(contatore++));
    std::filesystem::remove_all(percorso_);
    std::filesystem::create_directories(percorso_);
}

CartellaProva::~CartellaProva() {
    std::error_code errore;
    std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, errore);
    std::filesystem::remove_all(percorso_, errore);
}

std::filesystem::path CartellaProva::operator/(std::string_view nome) const {
    return percorso_ / DaUtf8(nome);
}

std::string CartellaProva::Elenco() const {
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(percorso_)) {
        const std::u8string nome = voce.path().filename().u8string();
        nomi.emplace_back(nome.begin(), nome.end());
    }
    std::sort(nomi.begin(), nomi.end());
    std::string elenco;
    for (const std::string& nome : nomi) {
        elenco += (elenco.empty() ? "" : "|") + nome;
    }
    return elenco;
}

std::string LeggiFile(const std::filesystem::path& file) {
    std::ifstream ingresso(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
}

void ScriviFile(const std::filesystem::path& file, std::string_view contenuto) {
    std::ofstream uscita(file, std::ios::binary | std::ios::trunc);
    uscita.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
}
