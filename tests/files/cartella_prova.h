#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test, with blanks and a non-ASCII letter in its name, removed
// afterwards.
class CartellaProva {
public:
    CartellaProva();
    ~CartellaProva();
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;

    const std::filesystem::path& Percorso() const { return percorso_; }
    std::filesystem::path operator/(std::string_view nome) const;
    // The names in the folder, sorted.
    std::string Elenco() const;

private:
    std::filesystem::path percorso_;
};

std::filesystem::path DaUtf8(std::string_view testo);
std::string LeggiFile(const std::filesystem::path& file);
void ScriviFile(const std::filesystem::path& file, std::string_view contenuto);
