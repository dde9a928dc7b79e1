#include "exchange/invia_calcolatrice.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct StatoFinto {
    std::vector<std::string> avviati;
    std::vector<std::string> digitati;
    std::optional<AvvioCalcolatrice> esitoAvvio =
        AvvioCalcolatrice{4242, ConsegnaNumero::DaDigitare};
    int controlliPrimaDellaFinestra = 0; // -1: the window never comes up
    int controlli = 0;
};

// The platform as seen by the command; the test keeps the state after handing it over.
class PiattaformaFinta : public PiattaformaCalcolatrice {
public:
    explicit PiattaformaFinta(StatoFinto& stato) : stato_(stato) {}

    std::optional<AvvioCalcolatrice> Avvia(const std::string& testo) override {
        stato_.avviati.push_back(testo);
        return stato_.esitoAvvio;
    }
    bool FinestraAttiva(std::int64_t processo) override {
        EXPECT_EQ(processo, stato_.esitoAvvio->processo);
        ++stato_.controlli;
        return stato_.controlliPrimaDellaFinestra >= 0 &&
               stato_.controlli > stato_.controlliPrimaDellaFinestra;
    }
    bool Digita(std::int64_t /*processo*/, const std::string& notazione) override {
        stato_.digitati.push_back(notazione);
        return true;
    }

private:
    StatoFinto& stato_;
};

const Regione kPunto{".", ","};

class InvioCalcolatrice : public testing::Test {
protected:
    InviaCalcolatrice Comando(const Regione& regione = kPunto) {
        return {std::make_unique<PiattaformaFinta>(stato), regione, nullptr, 300ms, 10ms};
    }

    StatoFinto stato;
};

TEST_F(InvioCalcolatrice, UnRegistroNonNumericoNonAvviaNulla) {
    auto comando = Comando();
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    for (const char* registro : {"Errore", "-", "", "12.5.3", "abc"}) {
        comando.Invia(registro);
    }
    EXPECT_TRUE(stato.avviati.empty());
    EXPECT_FALSE(concluso.wait(100));
}

TEST_F(InvioCalcolatrice, IlTestoDelRegistroSecondoLaRegione) {
    auto comando = Comando(Regione{",", "."});
    comando.Invia("12,5");
    comando.Invia("12.5");
    comando.Invia("Errore");
    EXPECT_EQ(stato.avviati, (std::vector<std::string>{"12,5", "12.5"}));
}

TEST_F(InvioCalcolatrice, DigitaSoloQuandoLaFinestraEAttivaSenzaBloccare) {
    stato.controlliPrimaDellaFinestra = 3;
    auto comando = Comando();
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("1E+20");
    EXPECT_EQ(stato.avviati, (std::vector<std::string>{"1E+20"}));
    EXPECT_TRUE(stato.digitati.empty()) << "typed before the window was looked for";
    ASSERT_TRUE(concluso.wait(2000));
    EXPECT_EQ(stato.controlli, 4);
    EXPECT_EQ(stato.digitati, (std::vector<std::string>{"1E{+}20"}));
    EXPECT_TRUE(concluso.at(0).at(0).toBool());
}

TEST_F(InvioCalcolatrice, SenzaFinestraEntroLAttesaNonDigitaNulla) {
    stato.controlliPrimaDellaFinestra = -1;
    auto comando = Comando();
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("0");
    ASSERT_TRUE(concluso.wait(2000));
    EXPECT_FALSE(concluso.at(0).at(0).toBool());
    EXPECT_TRUE(stato.digitati.empty());
    EXPECT_GE(stato.controlli, 10) << "gave up before the wait was over";
    const int controlliAllaFine = stato.controlli;
    EXPECT_FALSE(concluso.wait(100));
    EXPECT_EQ(stato.controlli, controlliAllaFine) << "kept looking after giving up";
}

TEST_F(InvioCalcolatrice, AvvioFallitoNonDigitaNulla) {
    stato.esitoAvvio.reset();
    auto comando = Comando();
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("-25");
    ASSERT_EQ(concluso.count(), 1);
    EXPECT_FALSE(concluso.at(0).at(0).toBool());
    EXPECT_FALSE(concluso.wait(100));
    EXPECT_EQ(stato.controlli, 0);
    EXPECT_TRUE(stato.digitati.empty());
}

TEST_F(InvioCalcolatrice, NumeroConsegnatoAllAvvioOSessioneSenzaDigitazione) {
    for (const auto& [consegna, consegnato] :
         {std::pair{ConsegnaNumero::AllAvvio, true}, {ConsegnaNumero::Impossibile, false}}) {
        stato.esitoAvvio = AvvioCalcolatrice{7, consegna};
        auto comando = Comando();
        QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
        comando.Invia("25");
        ASSERT_EQ(concluso.count(), 1);
        EXPECT_EQ(concluso.at(0).at(0).toBool(), consegnato);
        EXPECT_FALSE(concluso.wait(100));
    }
    EXPECT_EQ(stato.controlli, 0);
    EXPECT_TRUE(stato.digitati.empty());
}

TEST_F(InvioCalcolatrice, OgniUsoAvviaUnaCalcolatriceNuova) {
    auto comando = Comando();
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("1");
    comando.Invia("(2)");
    comando.Invia("-3");
    EXPECT_EQ(stato.avviati, (std::vector<std::string>{"1", "-3"}));
    while (concluso.count() < 2 && concluso.wait(2000)) {
    }
    EXPECT_EQ(stato.digitati, (std::vector<std::string>{"1", "-3"}));
}

} // namespace
