// Parameter entry and the four conversions, end to end through the window.
#include "finestra_di_prova.h"

namespace {

TEST(Parametri, ImmissioneERifiuto) {
    struct Caso {
        const char* registro;
        const char* pulsante;
        double r0;
        double b;
        QStringList righe;
    };
    const Caso casi[] = {
        {"10000", "Cmd_Par0", 10000, 3950, {"-> R0 = 10000.0"}},
        {"3950", "Cmd_Par1", 10000, 3950, {"-> B  = 3950.0"}},
        {"0", "Cmd_Par0", 0, 3950, {"R0 > 0 !", "-> R0 = 0.0"}},
        {"-0.5", "Cmd_Par0", 0, 3950, {"R0 > 0 !", "-> R0 = 0.0"}},
        {"Errore", "Cmd_Par1", 10000, 0, {"B > 0 !", "-> B  = 0.0"}},
        {"0.001", "Cmd_Par0", 0.001, 3950, {"-> R0 = 0.001"}},
        {"3,5", "Cmd_Par1", 10000, 3, {"-> B  = 3.0"}},
        {"1E+20", "Cmd_Par0", 1e20, 3950, {"-> R0 = 100000000000000000000.0"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.registro);
        FinestraDiProva f;
        ParametriCorrenti() = ParametriNTC{10000, 3950};
        f.finestra->ImpostaRegistro(c.registro);
        const int prima = f.Lista()->Conta();
        f.Clic(c.pulsante);
        EXPECT_EQ(ParametriCorrenti().R0, c.r0);
        EXPECT_EQ(ParametriCorrenti().B, c.b);
        EXPECT_EQ(f.Storico().mid(prima), c.righe);
        EXPECT_EQ(f.Registro(), "0");
        EXPECT_EQ(QApplication::focusWidget(), f.Lista());
    }
}

TEST(Parametri, DueVolteDiSeguitoLaSecondaRifiuta) {
    FinestraDiProva f;
    f.Digita("4700");
    f.Clic("Cmd_Par0");
    f.Clic("Cmd_Par0");
    EXPECT_EQ(ParametriCorrenti().R0, 0);
    EXPECT_EQ(f.Storico().mid(4), (QStringList{"-> R0 = 4700.0", "R0 > 0 !", "-> R0 = 0.0"}));
}

TEST(Parametri, UnRegistroOltreIlDoppioERifiutato) {
    FinestraDiProva f;
    ParametriCorrenti().R0 = 10000;
    f.finestra->ImpostaRegistro(QStringLiteral("1") + QString(400, u'0'));
    f.Clic("Cmd_Par0");
    EXPECT_EQ(ParametriCorrenti().R0, 0);
    EXPECT_EQ(f.Storico().mid(4), (QStringList{"R0 > 0 !", "-> R0 = 0.0"}));
}

TEST(Parametri, AltriIndiciNonFannoNulla) {
    FinestraDiProva f;
    f.Digita("55");
    const QStringList prima = f.Storico();
    for (const qint16 indice : {-1, 2, 300}) {
        f.finestra->Cmd_Par_Click(indice);
    }
    EXPECT_EQ(f.Registro(), "55");
    EXPECT_EQ(f.Storico(), prima);
    EXPECT_EQ(QApplication::focusWidget(), f.finestra.get());
}

struct Conversione {
    double r0, b;
    const char* registro;
    int indice;
    const char* riga;
    const char* risultato;
};

void Verifica(const Regione& regione, const Conversione& c) {
    SCOPED_TRACE(std::string(c.registro) + " #" + std::to_string(c.indice));
    FinestraDiProva f(regione);
    ParametriCorrenti() = ParametriNTC{c.r0, c.b};
    f.finestra->ImpostaRegistro(QString::fromUtf8(c.registro));
    f.Clic(QStringLiteral("Cmd_Operazione%1").arg(c.indice));
    EXPECT_EQ(f.UltimaRiga(), QString::fromUtf8(c.riga));
    EXPECT_EQ(f.Registro(), QString::fromUtf8(c.risultato));
    EXPECT_EQ(f.Lista()->RigaCorrente(), f.Lista()->Conta() - 1);
    EXPECT_EQ(QApplication::focusWidget(), f.Lista());
}

TEST(Conversioni, RegionePunto) {
    const Conversione casi[] = {
        {10000, 3950, "25", 1, "25 [°C] = 10000.0 [Ohm]", "10000.0"},
        {10000, 3950, "10000", 0, "10000 [Ohm] = 25.0 [°C]", "25.0"},
        {10000, 3950, "25", 2, "25 [°C] = 77.0 [°F]", "77.0"},
        {10000, 3950, "25", 3, "25 [°C] = 298.15 [K]", "298.15"},
        {10000, 3950, "25.1", 3, "25.1 [°C] = 298.25000038147 [K]", "298.25000038147"},
        {10000, 3950, "-273.15", 3, "-273.15 [°C] = 0.00000610352 [K]", "0.00000610352"},
        {10000, 3950, "-273.16", 3, "-273.16 [°C] = Errore", "Errore"},
        {10000, 3950, "-273.16", 2, "-273.16 [°C] = Errore", "Errore"},
        {10000, 3950, "0", 0, "0 [Ohm] = Errore", "Errore"},
        {10000, 3950, "Errore", 0, "0 [Ohm] = Errore", "Errore"},
        {10000, 3950, "-273.15", 1, "-273.15 [°C] = Errore", "Errore"},
        {10000, 3950, "-300", 1, "-300 [°C] = Errore", "Errore"},
        {10000, 3950, "100", 1, "100 [°C] = 697.51977298619 [Ohm]", "697.51977298619"},
        {10000, 3950, "1000", 0, "1000 [Ohm] = 87.71967429596 [°C]", "87.71967429596"},
        {10000, 3950, "37", 2, "37 [°C] = 98.6 [°F]", "98.6"},
        {0, 0, "25", 1, "R0 = 0 !", "Errore"},
        {0, 0, "1000", 0, "R0 = 0 !", "Errore"},
        {10000, 0, "1000", 0, "B = 0 !", "Errore"},
        {10000, 0, "25", 1, "B = 0 !", "Errore"},
        {10000, -3950, "0", 0, "B = 0 !", "Errore"},
        // A register that reads as no number is a failed conversion, not an input of 0.
        {10000, 3950, "-", 2, "- [°C] = Errore", "Errore"},
        {10000, 3950, "Error", 3, "Error [°C] = Errore", "Errore"},
        {10000, 3950, "Errore.", 0, "Errore. [Ohm] = Errore", "Errore"},
        {10000, 3950, "1E+39", 3, "1E+39 [°C] = Errore", "Errore"},
        {10000, 3950, "3.4E+38", 2, "3.4E+38 [°C] = 611999991385986000000000000000000000000.0 [°F]",
         "611999991385986000000000000000000000000.0"},
    };
    for (const Conversione& c : casi) {
        Verifica(Regione{".", ","}, c);
    }
}

TEST(Conversioni, RegioneVirgola) {
    const Conversione casi[] = {
        {10000, 3950, "2.5", 2, "2.5 [°C] = 77,0 [°F]", "77,0"},
        {10000, 3950, "25,0", 1, "25,0 [°C] = 10000,0 [Ohm]", "10000,0"},
        {10000, 3950, "1.234,5", 3, "1.234,5 [°C] = 1507,65 [K]", "1507,65"},
        {10000, 3950, "-.5", 3, "-.5 [°C] = Errore", "Errore"},
        {10000, 3950, "25.1", 3, "25.1 [°C] = 524,15 [K]", "524,15"},
    };
    for (const Conversione& c : casi) {
        Verifica(Regione{",", "."}, c);
    }
}

TEST(Conversioni, RegioneConSeparatoreDelleMigliaiaDiPiuByte) {
    Verifica(Regione{",", "\u202f"}, {10000, 3950, "1\u202f000", 0,
                                      "1\u202f000 [Ohm] = 87,71967429596 [°C]", "87,71967429596"});
}

TEST(Conversioni, IRisultatiSiConcatenano) {
    for (const Regione& r : {Regione{".", ","}, Regione{",", "."}}) {
        FinestraDiProva f(r);
        ParametriCorrenti() = ParametriNTC{10000, 3950};
        f.Digita("25");
        f.Clic("Cmd_Operazione1");
        f.Clic("Cmd_Operazione0");
        EXPECT_EQ(f.Registro(), QString::fromStdString("25" + r.decimale + "0"));
        // A digit continues the result.
        f.Digita("5");
        EXPECT_EQ(f.Registro(), QString::fromStdString("25" + r.decimale + "05"));
    }
}

TEST(Conversioni, LaStradaDiUnaConversioneDallaTastiera) {
    FinestraDiProva f;
    f.Digita("10000r3950b25");
    f.Tasto(Qt::Key_F3);
    EXPECT_EQ(f.UltimaRiga(), "25 [°C] = 10000.0 [Ohm]");
    EXPECT_EQ(f.Registro(), "10000.0");
    f.Tasto(Qt::Key_F2);
    EXPECT_EQ(f.Registro(), "25.0");
    f.Tasto(Qt::Key_F4);
    EXPECT_EQ(f.UltimaRiga(), "25.0 [°C] = 77.0 [°F]");
    EXPECT_EQ(QApplication::focusWidget(), f.finestra.get());
}

TEST(Conversioni, AltriIndiciSpostanoSoloIlFuoco) {
    FinestraDiProva f;
    f.finestra->ImpostaRegistro("Errore");
    const QStringList prima = f.Storico();
    f.finestra->Cmd_Operazione_Click(4);
    EXPECT_EQ(f.Registro(), "0");
    EXPECT_EQ(f.Storico(), prima);
    EXPECT_EQ(QApplication::focusWidget(), f.Lista());
}

} // namespace
