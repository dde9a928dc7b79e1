#include "calcoli/formato_tabella.h"

#include <utility>

std::array<FormatoTabella, NUMERO_FORMATI> TuttiIFormati() {
    return []<std::size_t... I>(std::index_sequence<I...> /*indici*/) {
        return std::array<FormatoTabella, NUMERO_FORMATI>{
            FormatoTabella(std::in_place_index<I>)...};
    }
    (std::make_index_sequence<NUMERO_FORMATI>{});
}

std::optional<FormatoTabella> FormatoDaNome(std::string_view nome) {
    for (const FormatoTabella& formato : TuttiIFormati()) {
        if (NomeFormato(formato) == nome) {
            return formato;
        }
    }
    return std::nullopt;
}

std::string_view NomeFormato(const FormatoTabella& formato) {
    return std::visit([](const auto& f) { return f.NOME; }, formato);
}

std::string_view EstensioneFormato(const FormatoTabella& formato) {
    return std::visit([](const auto& f) { return f.ESTENSIONE; }, formato);
}

std::string_view DescrizioneFormato(const FormatoTabella& formato) {
    return std::visit([](const auto& f) { return f.DESCRIZIONE; }, formato);
}

std::optional<int> BitFormato(const FormatoTabella& formato) {
    return std::visit([](const auto& f) { return f.BIT; }, formato);
}
