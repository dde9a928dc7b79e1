#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "tests/curva/regioni.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using F = FinestraCurva;

QString Scrivi(const QTemporaryDir& cartella, const QString& nome, const QByteArray& contenuto) {
    QString percorso = cartella.filePath(nome);
    QFile file(percorso);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contenuto);
    return percorso;
}

} // namespace

TEST(AvvisiCurva, UnaTabellaConMoltiErroriNeMostraDieci) {
    QTemporaryDir cartella;
    QByteArray testo = "T,R\n25,10000\n";
    for (int i = 0; i < 20000; ++i) {
        testo += "25,dieci\n";
    }
    F finestra(RegioneC());
    const QStringList righe =
        finestra.ApriTabellaCostruttore(Scrivi(cartella, QStringLiteral("t.csv"), testo))
            .split(u'\n');
    ASSERT_EQ(righe.size(), 11) << righe.mid(0, 12).join(u'\n').toStdString();
    EXPECT_TRUE(righe.front().startsWith(QStringLiteral("riga 3: ")))
        << righe.front().toStdString();
    EXPECT_TRUE(righe.at(9).startsWith(QStringLiteral("riga 12: "))) << righe.at(9).toStdString();
    EXPECT_EQ(righe.back(), QStringLiteral("e altre 19990 righe"));
    // One bad line is listed alone.
    const QString una = finestra.ApriTabellaCostruttore(
        Scrivi(cartella, QStringLiteral("u.csv"), "0,30000\nx\n25,10000\n"));
    EXPECT_EQ(una.count(u'\n'), 0) << una.toStdString();
    EXPECT_TRUE(una.startsWith(QStringLiteral("riga 2: "))) << una.toStdString();
}

// Letters or nothing in a field the error view reads are named in the status, not
// dropped in silence.
TEST(AvvisiCurva, TolleranzeSbagliateDette) {
    F finestra(RegioneItaliana());
    ASSERT_EQ(
        finestra.ApriTabellaCostruttore(QStringLiteral(TABELLE "/vishay_ntcle100e3103_3977.csv")),
        QString());
    for (const F::Campo campo : {F::CampoTolleranzaR25, F::CampoTolleranzaB}) {
        for (const QString& testo : {QStringLiteral("abc"), QString(), QStringLiteral("-1")}) {
            Scrivi(finestra, campo, testo);
            EXPECT_TRUE(finestra.Stato().startsWith(campo == F::CampoTolleranzaR25
                                                        ? QStringLiteral("Tolleranza R25")
                                                        : QStringLiteral("Tolleranza B")))
                << "'" << testo.toStdString() << "': " << finestra.Stato().toStdString();
        }
        Scrivi(finestra, campo, QStringLiteral("0,5"));
        EXPECT_EQ(finestra.Stato(), QStringLiteral("166 righe"));
    }
}

TEST(AvvisiCurva, RigheAlSingolare) {
    F finestra(RegioneItaliana());
    Scrivi(finestra, F::CampoInizio, QStringLiteral("25"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("25"));
    EXPECT_EQ(finestra.Stato(), QStringLiteral("1 riga"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("26"));
    EXPECT_EQ(finestra.Stato(), QStringLiteral("2 righe"));
}

TEST(AvvisiCurva, UnIntervalloSbagliatoNominaIlCampo) {
    F finestra(RegioneItaliana());
    struct Caso {
        F::Campo campo;
        const char* nome;
    };
    for (const Caso& caso :
         {Caso{F::CampoInizio, "Da"}, Caso{F::CampoFine, "Fino a"}, Caso{F::CampoPasso, "Passo"}}) {
        const QString prima = finestra.Casella(caso.campo)->text();
        Scrivi(finestra, caso.campo, QStringLiteral("1.5"));
        EXPECT_TRUE(finestra.Stato().startsWith(QString::fromUtf8(caso.nome)))
            << finestra.Stato().toStdString();
        Scrivi(finestra, caso.campo, prima);
    }
}

TEST(AvvisiCurva, BNonPositivaRifiutata) {
    F finestra(RegioneItaliana());
    for (const QString& b : {QStringLiteral("0"), QStringLiteral("-3950")}) {
        Scrivi(finestra, "beta", "B", b);
        EXPECT_EQ(finestra.Stato(), QStringLiteral("B deve essere positivo")) << b.toStdString();
        EXPECT_EQ(finestra.Righe()->rowCount(), 0);
        EXPECT_TRUE(finestra.GraficoDellaCurva()->EtichetteY().isEmpty());
    }
}

// A parameter file whose model cannot be read says which value is wrong, and the fields
// keep what they had.
TEST(AvvisiCurva, FileDiParametriSbagliatiDiconoQualeValore) {
    QTemporaryDir cartella;
    struct Caso {
        QByteArray contenuto;
        QStringList detti;
    };
    const std::vector<Caso> casi{
        {"[NTC]\nR0=10000\nB=3950\n[Modello]\nTipo=steinhart-hart\n[Steinhart-Hart]\nA=abc\n"
         "B=0.0002\nC=\n",
         {QStringLiteral("[Steinhart-Hart]"), QStringLiteral("A=abc"), QStringLiteral("C")}},
        {"[NTC]\nR0=dieci\nB=3950\n", {QStringLiteral("R0=dieci")}},
        {"[NTC]\nR0=1e400\nB=3950\n", {QStringLiteral("R0=1e400")}},
        {"[NTC]\nR0=-10000\nB=3950\n", {QStringLiteral("R0=-10000")}},
        {"[NTC]\nR0=10000\n", {QStringLiteral("B")}},
        {QByteArray("\x7f"
                    "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                    20),
         {QStringLiteral("[NTC]")}},
    };
    F finestra(RegioneC());
    for (const Caso& caso : casi) {
        const QString errore =
            finestra.ApriParametri(Scrivi(cartella, QStringLiteral("p.ntc"), caso.contenuto));
        for (const QString& detto : caso.detti) {
            EXPECT_TRUE(errore.contains(detto))
                << caso.contenuto.toStdString() << " → " << errore.toStdString();
        }
        EXPECT_EQ(CampoDi(finestra, "beta", "R0")->text(), QStringLiteral("10000"));
    }
}
