// Users' sessions on the keys, step by step: what each step leaves in the register and the
// lines it adds to the history. Between braces a key without a character or a button.
#include "tests/finestra/finestra_di_prova.h"

namespace {

struct Passo {
    const char* azioni;
    const char* registro;
    QStringList righe; // added by this step
};

void Esegui(FinestraDiProva& f, const QString& azioni) {
    for (qsizetype i = 0; i < azioni.size(); ++i) {
        if (azioni[i] != u'{') {
            f.Digita(azioni[i]);
            continue;
        }
        const qsizetype fine = azioni.indexOf(u'}', i);
        const QString nome = azioni.mid(i + 1, fine - i - 1);
        i = fine;
        if (nome == "K") {
            f.Clic(Schiera::Operazione, OPERAZIONE_C_IN_K); // it has its button only
        } else if (nome == "Canc") {
            f.Tasto(Qt::Key_Delete);
        } else {
            f.Tasto(static_cast<Qt::Key>(Qt::Key_F1 + nome.mid(1).toInt() - 1));
        }
    }
}

void Sessione(FinestraDiProva& f, std::initializer_list<Passo> passi) {
    for (const Passo& passo : passi) {
        SCOPED_TRACE(passo.azioni);
        const int prima = f.Lista()->Conta();
        Esegui(f, QString::fromUtf8(passo.azioni));
        EXPECT_EQ(f.Registro(), QString::fromUtf8(passo.registro));
        EXPECT_EQ(f.Storico().mid(prima), passo.righe);
    }
}

// A resistance needs both parameters: without them the missing one is named instead.
TEST(Sessioni, ParametriMancantiEZeroAssoluto) {
    FinestraDiProva f;
    // clang-format off
    Sessione(f, {
        {"25{F3}", "Errore", {"R0 = 0 !"}},
        {"1000{F2}", "Errore", {"R0 = 0 !"}},
        {"25{F4}", "77.0", {"25 [°C] = 77.0 [°F]"}},
        {"{Canc}25{K}", "298.15", {"25 [°C] = 298.15 [K]"}},
        {"{Canc}10000r1000{F2}", "Errore", {"-> R0 = 10000.0", "B = 0 !"}},
        {"25{F3}", "Errore", {"B = 0 !"}},
        {"3950b10000{F2}", "25.0", {"-> B  = 3950.0", "10000 [Ohm] = 25.0 [°C]"}},
        {"{Canc}273.15-{K}", "0.00000610352", {"-273.15 [°C] = 0.00000610352 [K]"}},
        {"{Canc}273.15-{F3}", "Errore", {"-273.15 [°C] = Errore"}}});
    // clang-format on
}

// A refusal clears the value stored before; a text after a failure is no number.
TEST(Sessioni, RifiutiEDopoUnErrore) {
    FinestraDiProva f;
    // clang-format off
    Sessione(f, {
        {"10000r3950b5-r", "0", {"-> R0 = 10000.0", "-> B  = 3950.0", "R0 > 0 !", "-> R0 = 0.0"}},
        {"25{F3}", "Errore", {"R0 = 0 !"}},
        {".", "Errore.", {}},
        {"{F4}", "Errore", {"Errore. [°C] = Errore"}},
        {"300-{F4}", "Errore", {"-300 [°C] = Errore"}},
        {"b", "0", {"B > 0 !", "-> B  = 0.0"}}});
    // clang-format on
}

} // namespace
