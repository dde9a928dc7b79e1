#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

// A fresh folder under the system's temporary folder, removed with all it holds.
class CartellaProva {
public:
    CartellaProva() {
        std::string nome = (std::filesystem::temp_directory_path() / "profilo_XXXXXX").string();
        if (::mkdtemp(nome.data()) == nullptr) {
            std::abort();
        }
        percorso_ = nome;
    }
    ~CartellaProva() {
        std::error_code errore;
        std::filesystem::remove_all(percorso_, errore);
    }
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;

    const std::filesystem::path& Percorso() const { return percorso_; }
    std::filesystem::path operator/(std::string_view nome) const { return percorso_ / nome; }
    // How many entries the folder holds: a save must leave no file of its own behind.
    long Voci() const {
        return static_cast<long>(std::distance(std::filesystem::directory_iterator(percorso_),
                                               std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path percorso_;
};

inline std::string LeggiFile(const std::filesystem::path& file) {
    std::ifstream ingresso(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ingresso), {});
}

inline void ScriviFile(const std::filesystem::path& file, std::string_view testo) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << testo;
}
