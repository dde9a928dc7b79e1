#include "mappa_tasti.h"

std::optional<Comando> ComandoTastoGiu(int codice, int maschera) {
    if (codice == VK_DELETE && maschera == 0) {
        return Comando{Schiera::Tasto, 13};
    }
    if (codice == VK_DELETE && maschera == MASCHERA_SHIFT) {
        return Comando{Schiera::Tasto, 12};
    }
    if (maschera == 0 && codice >= VK_F2 && codice <= VK_F4) {
        return Comando{Schiera::Operazione, static_cast<qint16>(codice - VK_F2)};
    }
    return std::nullopt;
}

std::optional<Comando> ComandoCarattere(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return Comando{Schiera::Tasto, static_cast<qint16>(c - u'0')};
    }
    switch (c) {
    case u',':
    case u'.':
        return Comando{Schiera::Tasto, 10};
    case u'-':
        return Comando{Schiera::Tasto, 11};
    case u'\b':
        return Comando{Schiera::Tasto, 14};
    case u'R':
    case u'r':
        return Comando{Schiera::Par, 0};
    case u'B':
    case u'b':
        return Comando{Schiera::Par, 1};
    default:
        return std::nullopt;
    }
}
