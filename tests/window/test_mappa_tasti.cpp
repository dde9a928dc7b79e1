#include "window/mappa_tasti.h"

#include <gtest/gtest.h>

namespace {

TEST(MappaTasti, TastiGiuConfrontanoLaMascheraIntera) {
    struct Caso {
        int codice;
        int maschera;
        std::optional<Comando> atteso;
    };
    const Caso casi[] = {
        {VK_DELETE, 0, Comando{Schiera::Tasto, 13}},
        {VK_DELETE, MASCHERA_SHIFT, Comando{Schiera::Tasto, 12}},
        {VK_DELETE, MASCHERA_CTRL, std::nullopt},
        {VK_DELETE, MASCHERA_ALT, std::nullopt},
        {VK_DELETE, MASCHERA_SHIFT | MASCHERA_CTRL, std::nullopt},
        {VK_F2, 0, Comando{Schiera::Operazione, 0}},
        {VK_F3, 0, Comando{Schiera::Operazione, 1}},
        {VK_F4, 0, Comando{Schiera::Operazione, 2}},
        {VK_F2, MASCHERA_SHIFT, std::nullopt},
        {VK_F3, MASCHERA_CTRL, std::nullopt},
        {VK_F4 + 1, 0, std::nullopt}, // F5: no key reaches "°C > K"
        {VK_F2 - 1, 0, std::nullopt},
        {8, 0, std::nullopt}, // Backspace acts as a character only
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(ComandoTastoGiu(c.codice, c.maschera), c.atteso)
            << "codice " << c.codice << " maschera " << c.maschera;
    }
}

TEST(MappaTasti, Caratteri) {
    for (char16_t c = u'0'; c <= u'9'; ++c) {
        EXPECT_EQ(ComandoCarattere(c), (Comando{Schiera::Tasto, static_cast<qint16>(c - u'0')}));
    }
    struct Caso {
        char16_t carattere;
        std::optional<Comando> atteso;
    };
    const Caso casi[] = {
        {u',', Comando{Schiera::Tasto, 10}},
        {u'.', Comando{Schiera::Tasto, 10}},
        {u'-', Comando{Schiera::Tasto, 11}},
        {u'\b', Comando{Schiera::Tasto, 14}},
        {u'R', Comando{Schiera::Par, 0}},
        {u'r', Comando{Schiera::Par, 0}},
        {u'B', Comando{Schiera::Par, 1}},
        {u'b', Comando{Schiera::Par, 1}},
        {u'+', std::nullopt},
        {u'\r', std::nullopt},
        {u'\x1b', std::nullopt},
        {u'c', std::nullopt},
        {u'x', std::nullopt},
        {u'/', std::nullopt},
        {u':', std::nullopt},
        {u'\x7f', std::nullopt},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(ComandoCarattere(c.carattere), c.atteso) << static_cast<int>(c.carattere);
    }
}

} // namespace
