#include "profilo/codifica_testo.h"

#include <cstdint>

namespace {

constexpr std::string_view MARCA_LE = "\xFF\xFE";
constexpr std::string_view MARCA_BE = "\xFE\xFF";
constexpr char32_t PRIMO_ALTO = 0xD800;
constexpr char32_t PRIMO_BASSO = 0xDC00;
constexpr char32_t FINE_SURROGATI = 0xE000;
constexpr char32_t PRIMO_SUPPLEMENTARE = 0x10000;

std::uint8_t Byte(char c) {
    return static_cast<std::uint8_t>(c);
}

char32_t Unita(std::string_view coppia, Codifica codifica) {
    const char32_t primo = Byte(coppia[0]);
    const char32_t secondo = Byte(coppia[1]);
    return codifica == Codifica::Utf16LE ? primo | (secondo << 8U) : (primo << 8U) | secondo;
}

void AggiungiUnita(std::string& uscita, char32_t unita, Codifica codifica) {
    const auto alto = static_cast<char>(unita >> 8U);
    const auto basso = static_cast<char>(unita & 0xFFU);
    if (codifica == Codifica::Utf16LE) {
        uscita += basso;
        uscita += alto;
    } else {
        uscita += alto;
        uscita += basso;
    }
}

void AggiungiUtf8(std::string& uscita, char32_t punto) {
    const auto parte = [](char32_t bit) { return static_cast<char>(bit); };
    if (punto < 0x80) {
        uscita += parte(punto);
    } else if (punto < 0x800) {
        uscita += parte(0xC0U | (punto >> 6U));
        uscita += parte(0x80U | (punto & 0x3FU));
    } else if (punto < PRIMO_SUPPLEMENTARE) {
        uscita += parte(0xE0U | (punto >> 12U));
        uscita += parte(0x80U | ((punto >> 6U) & 0x3FU));
        uscita += parte(0x80U | (punto & 0x3FU));
    } else {
        uscita += parte(0xF0U | (punto >> 18U));
        uscita += parte(0x80U | ((punto >> 12U) & 0x3FU));
        uscita += parte(0x80U | ((punto >> 6U) & 0x3FU));
        uscita += parte(0x80U | (punto & 0x3FU));
    }
}

// The code point that starts at the text's front, and how many bytes it took; nothing for
// bytes that are not UTF-8 (a lone surrogate's three bytes are accepted).
std::optional<std::pair<char32_t, std::size_t>> PuntoUtf8(std::string_view testo) {
    const std::uint8_t primo = Byte(testo.front());
    std::size_t lunghezza = 1;
    char32_t punto = primo;
    if (primo >= 0xF0 && primo < 0xF5) {
        lunghezza = 4;
        punto = primo & 0x07U;
    } else if (primo >= 0xE0) {
        lunghezza = primo < 0xF0 ? 3 : 0;
        punto = primo & 0x0FU;
    } else if (primo >= 0xC2) {
        lunghezza = 2;
        punto = primo & 0x1FU;
    } else if (primo >= 0x80) {
        lunghezza = 0;
    }
    if (lunghezza == 0 || testo.size() < lunghezza) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < lunghezza; ++i) {
        if ((Byte(testo[i]) & 0xC0U) != 0x80U) {
            return std::nullopt;
        }
        punto = (punto << 6U) | (Byte(testo[i]) & 0x3FU);
    }
    constexpr char32_t MINIMO[] = {0, 0, 0x80, 0x800, PRIMO_SUPPLEMENTARE};
    if (punto < MINIMO[lunghezza] || punto > 0x10FFFF) {
        return std::nullopt;
    }
    return std::pair(punto, lunghezza);
}

} // namespace

TestoDecodificato DecodificaTesto(std::string_view byte) {
    TestoDecodificato letto;
    if (byte.starts_with(MARCA_LE)) {
        letto.codifica = Codifica::Utf16LE;
    } else if (byte.starts_with(MARCA_BE)) {
        letto.codifica = Codifica::Utf16BE;
    } else {
        letto.testo = byte;
        return letto;
    }
    byte.remove_prefix(MARCA_LE.size());
    if (byte.size() % 2 != 0) {
        letto.coda = byte.substr(byte.size() - 1);
        byte.remove_suffix(1);
    }
    letto.testo.reserve(byte.size() * 3 / 2);
    for (std::size_t i = 0; i < byte.size(); i += 2) {
        char32_t punto = Unita(byte.substr(i), letto.codifica);
        if (punto >= PRIMO_ALTO && punto < PRIMO_BASSO && i + 2 < byte.size()) {
            const char32_t seguente = Unita(byte.substr(i + 2), letto.codifica);
            if (seguente >= PRIMO_BASSO && seguente < FINE_SURROGATI) {
                punto =
                    PRIMO_SUPPLEMENTARE + ((punto - PRIMO_ALTO) << 10U) + (seguente - PRIMO_BASSO);
                i += 2;
            }
        }
        AggiungiUtf8(letto.testo, punto);
    }
    return letto;
}

std::optional<std::string> CodificaTesto(const TestoDecodificato& testo) {
    if (testo.codifica == Codifica::Byte) {
        return testo.testo;
    }
    std::string uscita(testo.codifica == Codifica::Utf16LE ? MARCA_LE : MARCA_BE);
    uscita.reserve(testo.testo.size() * 2 + 4);
    std::string_view resto = testo.testo;
    while (!resto.empty()) {
        const auto punto = PuntoUtf8(resto);
        if (!punto) {
            return std::nullopt;
        }
        if (punto->first >= PRIMO_SUPPLEMENTARE) {
            const char32_t scarto = punto->first - PRIMO_SUPPLEMENTARE;
            AggiungiUnita(uscita, PRIMO_ALTO + (scarto >> 10U), testo.codifica);
            AggiungiUnita(uscita, PRIMO_BASSO + (scarto & 0x3FFU), testo.codifica);
        } else {
            AggiungiUnita(uscita, punto->first, testo.codifica);
        }
        resto.remove_prefix(punto->second);
    }
    uscita += testo.coda;
    return uscita;
}
