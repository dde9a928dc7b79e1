#include "calcoli/progetto.h"
#include "modelli/autoriscaldamento.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso_diretto.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/modello_tabella.h"
#include "modelli/tolleranza.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using Tipo = CriterioProgetto::Tipo;

const ModelloBeta BETA({10000, 3950, 25});
const ModelloBeta HOTEND({100000, 4267, 25});
const ModelloSteinhartHart SH({1.009249522e-3, 2.378405444e-4, 2.019202697e-7});

// A grid of whole degrees, da to a.
Griglia Gradi(double da, double a, double passo = 1) {
    return {da, passo, 1, static_cast<long>(std::floor((a - da) / passo)) + 1};
}

RichiestaProgetto Richiesta(Griglia griglia) {
    RichiestaProgetto richiesta;
    richiesta.griglia = griglia;
    richiesta.circuito = {Partitore::Posizione::VersoMassa, 3.3, 12};
    return richiesta;
}

Progetto Prepara(const ModelloNTC& modello, const RichiestaProgetto& richiesta) {
    auto esito = Progetto::Prepara(modello, richiesta);
    if (const auto* errore = std::get_if<ErroreProgetto>(&esito)) {
        ADD_FAILURE() << errore->motivo;
    }
    return std::get<Progetto>(std::move(esito));
}

double Parte(const RigaProgetto& riga, Contributo quale) {
    return riga.contributi[static_cast<std::size_t>(quale)];
}

} // namespace

// The slope of the reading against central differences of the counts the divider gives
// for the model's own R(T), and each figure of a row against the models' library: the
// counts and the voltage of the divider, the tolerance in K, the self-heating.
TEST(Progetto, SensibilitaComeDifferenzeFiniteDelModello) {
    const ModelloTabella tabella =
        ModelloTabella::Crea(
            {{-40, 336500}, {0, 32650}, {25, 10000}, {50, 3603}, {100, 678.3}, {150, 182.9}})
            .Valore();
    const std::vector<const ModelloNTC*> modelli{&BETA, &SH, &tabella};
    for (const auto posizione :
         {Partitore::Posizione::VersoMassa, Partitore::Posizione::VersoAlimentazione}) {
        for (const ModelloNTC* modello : modelli) {
            auto richiesta = Richiesta(Gradi(-37, 143, 20));
            richiesta.circuito = {posizione, 5, 10};
            richiesta.tolleranze.dissipazioneMilliwattPerK = 2;
            const Progetto progetto = Prepara(*modello, richiesta);
            const Partitore partitore{posizione, 4700, 5};
            for (std::size_t i = 0; i < progetto.NumeroRighe(); ++i) {
                const RigaProgetto riga = progetto.Riga(i, 4700);
                const double t = riga.temperatura;
                const auto conteggi = [&](double tt) {
                    return *ConteggiADC(partitore, 10, *modello->Resistenza(tt));
                };
                // Inside a table's segment ln R is linear in 1/T, not in T: a small step
                // keeps the difference's own error far below the tolerance.
                constexpr double H = 1e-4;
                const double differenza = std::fabs(conteggi(t + H) - conteggi(t - H)) / (2 * H);
                EXPECT_NEAR(riga.conteggiPerK / differenza, 1, 1e-6) << t;
                EXPECT_DOUBLE_EQ(riga.kPerConteggio * riga.conteggiPerK, 1);
                EXPECT_NEAR(riga.conteggi, conteggi(t), 1e-9 * riga.conteggi);
                EXPECT_NEAR(riga.tensione, *TensionePartitore(partitore, riga.resistenza), 1e-12);
                const auto tolleranza = *Tolleranza(*modello, t, 1, 1);
                EXPECT_NEAR(Parte(riga, Contributo::R25) + Parte(riga, Contributo::B),
                            tolleranza.gradi, 1e-12);
                EXPECT_NEAR(Parte(riga, Contributo::Autoriscaldamento),
                            Autoriscaldamento(partitore, riga.resistenza, 2)->sovratemperaturaK,
                            1e-12);
            }
        }
    }
}

// The worked case, by hand: a 10 kΩ B 3950 K part under a 10 kΩ series resistor to
// ground, 12 bits, 3.3 V, R25 and B ±1 %, the series resistor ±1 %, an ADC error of 1 LSB
// (with the ½ LSB of quantisation, 1.5 LSB), a separate reference ±0.5 %, δ 1.5 mW/K.
// With x = R/Rs and |α| = B/T²: N = 4096·x/(1+x), dN/dT = 4096·x/(1+x)²·|α|; R25 and the
// series resistor give 0.01/|α| each, B 0.01·|ln(R/R25)|/|α|, the ADC 1.5/(dN/dT), the
// reference 0.005·N/(dN/dT), self-heating (3.3·x/(1+x))²/R · 1000 / 1.5.
TEST(Progetto, CasoSvoltoAMano) {
    struct Atteso {
        double t, r, v, n, dndt, r25, b, adc, rif, calore, somma, rss;
    };
    const std::vector<Atteso> attesi{
        // 0 °C: T = 273.15 K, R = 10000·e^(3950·(1/273.15 − 1/298.15)) = 10000·e^1.212554
        // = 33620.60 Ω; |α| = 3950/273.15² = 0.05294131; x = 3.3620604,
        // N = 4096·3.3620604/4.3620604 = 3156.9942, V = 3.3·0.77075054 = 2.5434768 V,
        // dN/dT = 4096·3.3620604/4.3620604²·0.05294131 = 38.315703 (0.02609896 K a count);
        // R25 0.01/0.05294131 = 0.18888841, B 0.01·1.212554/0.05294131 = 0.22903740,
        // ADC 1.5·0.02609896 = 0.03914844, reference 0.005·3156.9942/38.315703 = 0.41197133,
        // P = 2.5434768²/33620.60 = 0.19241993 mW, 0.19241993/1.5 = 0.12827995;
        // sum 0.18888841·2 + 0.22903740 + 0.03914844 + 0.41197133 + 0.12827995 = 1.18621394,
        // RSS √(2·0.18888841² + 0.22903740² + 0.03914844² + 0.41197133² + 0.12827995²)
        // = 0.55814381.
        {0, 33620.603721, 2.543476771, 3156.994198, 38.315702942, 0.188888411, 0.229037397,
         0.039148440, 0.411971327, 0.128279951, 1.186213938, 0.558143811},
        // 25 °C: R = Rs, x = 1: N = 2048, V = 1.65 V, |α| = 3950/298.15² = 0.04443523,
        // dN/dT = 4096/4·0.04443523 = 45.501679 (0.02197721 K); R25 0.01/0.04443523 =
        // 0.22504664, B 0 (ln 1), ADC 1.5·0.02197721 = 0.03296582, reference
        // 0.005·2048/45.501679 = 0.22504664, P = 1.65²/10000 = 0.27225 mW, 0.1815 K;
        // sum 3·0.22504664 + 0.03296582 + 0.1815 = 0.88960573, RSS 0.43123887.
        {25, 10000, 1.65, 2048, 45.501679272, 0.225046639, 0, 0.032965816, 0.225046639, 0.1815,
         0.889605734, 0.431238872},
        // 100 °C: R = 10000·e^(3950·(1/373.15 − 1/298.15)) = 10000·e^−2.6628095 = 697.5198 Ω,
        // |α| = 3950/373.15² = 0.02836810, x = 0.06975198: N = 267.07508, V = 0.21517280 V,
        // dN/dT = 4096·0.06975198/1.06975198²·0.02836810 = 7.0824005 (0.14119507 K);
        // R25 0.35250867, B 0.01·2.6628095/0.02836810 = 0.93866342, ADC 0.21179260,
        // reference 0.005·267.07508/7.0824005 = 0.18854842,
        // P = 0.21517280²/697.5198 = 0.06637709 mW, 0.04425139 K; sum 2.08827317,
        // RSS 1.10089897.
        {100, 697.519773, 0.215172797, 267.075084, 7.082400456, 0.352508665, 0.938663424,
         0.211792599, 0.188548420, 0.044251393, 2.088273166, 1.100898969},
    };
    auto richiesta = Richiesta(Gradi(0, 100, 25));
    richiesta.tolleranze = {1, 1, 1, 1, 0.5, 1.5};
    const Progetto progetto = Prepara(BETA, richiesta);
    const auto righe = progetto.Bilancio(10000);
    ASSERT_EQ(righe.size(), 5U);
    for (const Atteso& atteso : attesi) {
        const RigaProgetto& riga = righe[static_cast<std::size_t>(atteso.t / 25)];
        ASSERT_EQ(riga.temperatura, atteso.t);
        EXPECT_NEAR(riga.resistenza, atteso.r, 1e-6) << atteso.t;
        EXPECT_NEAR(riga.tensione, atteso.v, 1e-9) << atteso.t;
        EXPECT_NEAR(riga.conteggi, atteso.n, 1e-6) << atteso.t;
        EXPECT_NEAR(riga.conteggiPerK, atteso.dndt, 1e-8) << atteso.t;
        EXPECT_NEAR(Parte(riga, Contributo::R25), atteso.r25, 1e-9) << atteso.t;
        EXPECT_NEAR(Parte(riga, Contributo::B), atteso.b, 1e-9) << atteso.t;
        EXPECT_NEAR(Parte(riga, Contributo::Serie), atteso.r25, 1e-9) << atteso.t;
        EXPECT_NEAR(Parte(riga, Contributo::Adc), atteso.adc, 1e-9) << atteso.t;
        EXPECT_NEAR(Parte(riga, Contributo::Riferimento), atteso.rif, 1e-9) << atteso.t;
        EXPECT_NEAR(Parte(riga, Contributo::Autoriscaldamento), atteso.calore, 1e-9) << atteso.t;
        EXPECT_NEAR(riga.peggiore, atteso.somma, 1e-8) << atteso.t;
        EXPECT_NEAR(riga.rss, atteso.rss, 1e-8) << atteso.t;
    }
    // A ratiometric reading and no dissipation constant: those two contribute nothing.
    richiesta.tolleranze.riferimentoPercento.reset();
    richiesta.tolleranze.dissipazioneMilliwattPerK.reset();
    const RigaProgetto riga = Prepara(BETA, richiesta).Riga(1, 10000);
    EXPECT_EQ(Parte(riga, Contributo::Riferimento), 0);
    EXPECT_EQ(Parte(riga, Contributo::Autoriscaldamento), 0);
    EXPECT_NEAR(riga.peggiore, 0.225046639 * 2 + 0.032965816, 1e-8);
}

// The pick is the best of a brute-force scan of the same series, each value's figure
// taken from its own rows; the continuous optimum is no worse than any value and no
// worse than its neighbours a hair away.
TEST(Progetto, SceltaComeScansioneCompleta) {
    struct Caso {
        const ModelloNTC* modello;
        Griglia griglia;
        CriterioProgetto criterio;
        SeriePreferita serie;
        Partitore::Posizione posizione;
    };
    const std::vector<Caso> casi{
        {&HOTEND,
         Gradi(20, 300),
         {Tipo::Risoluzione, 0},
         SeriePreferita::E96,
         Partitore::Posizione::VersoMassa},
        {&HOTEND,
         Gradi(20, 300, 5),
         {Tipo::Errore, 0},
         SeriePreferita::E24,
         Partitore::Posizione::VersoAlimentazione},
        {&BETA,
         Gradi(-40, 125),
         {Tipo::Errore, 0},
         SeriePreferita::E12,
         Partitore::Posizione::VersoMassa},
        {&SH,
         Gradi(-20, 80, 2),
         {Tipo::ATemperatura, 37},
         SeriePreferita::E48,
         Partitore::Posizione::VersoMassa},
    };
    for (const Caso& caso : casi) {
        auto richiesta = Richiesta(caso.griglia);
        richiesta.criterio = caso.criterio;
        richiesta.serie = caso.serie;
        richiesta.circuito.posizione = caso.posizione;
        richiesta.tolleranze.adcLsb = 2;
        richiesta.tolleranze.riferimentoPercento = 0.2;
        richiesta.tolleranze.dissipazioneMilliwattPerK = 1;
        const Progetto progetto = Prepara(*caso.modello, richiesta);
        const SceltaResistenza scelta = progetto.Scegli();

        double rMinima = INFINITY;
        double rMassima = 0;
        for (const RigaProgetto& riga : progetto.Bilancio(1000)) {
            rMinima = std::min(rMinima, riga.resistenza);
            rMassima = std::max(rMassima, riga.resistenza);
        }
        const auto criterio = [&](double rSerie) {
            if (caso.criterio.tipo == Tipo::ATemperatura) {
                // K per count at 37 °C: (1+x)²/x / (2^12·|α|).
                const double x = *caso.modello->Resistenza(37) / rSerie;
                return (1 + x) * (1 + x) / x / 4096 / -*caso.modello->DerivataLogaritmica(37);
            }
            double peggiore = 0;
            for (const RigaProgetto& riga : progetto.Bilancio(rSerie)) {
                peggiore =
                    std::max(peggiore, caso.criterio.tipo == Tipo::Errore ? riga.peggiore
                                                                          : riga.kPerConteggio);
            }
            return peggiore;
        };
        const std::vector<double> valori = ValoriSerie(caso.serie, rMinima, rMassima);
        ASSERT_EQ(scelta.candidati.size(), valori.size());
        double migliore = valori.front();
        for (const double valore : valori) {
            if (criterio(valore) < criterio(migliore)) {
                migliore = valore;
            }
        }
        EXPECT_EQ(scelta.candidati.front().rSerie, migliore);
        EXPECT_NEAR(scelta.candidati.front().criterio, criterio(migliore),
                    1e-12 * criterio(migliore));
        for (std::size_t i = 1; i < scelta.candidati.size(); ++i) {
            EXPECT_LE(scelta.candidati[i - 1].criterio, scelta.candidati[i].criterio);
        }
        const double ottimo = scelta.ottimo.rSerie;
        EXPECT_LE(scelta.ottimo.criterio, scelta.candidati.front().criterio);
        EXPECT_LE(criterio(ottimo), criterio(ottimo * (1 + 1e-6)) * (1 + 1e-12));
        EXPECT_LE(criterio(ottimo), criterio(ottimo * (1 - 1e-6)) * (1 + 1e-12));
        EXPECT_GE(scelta.vicino.perditaPercento, 0);
        EXPECT_NEAR(scelta.vicino.perditaPercento,
                    (criterio(scelta.vicino.rSerie) / criterio(ottimo) - 1) * 100, 1e-9);
        for (const double valore : valori) {
            EXPECT_GE(std::fabs(std::log(valore / ottimo)),
                      std::fabs(std::log(scelta.vicino.rSerie / ottimo)));
        }
    }
}

// With one temperature, or the criterion at one temperature, the slope is largest at
// Rs = R(T): the best value is the series' nearest to R(T) in ln, and the optimum R(T).
TEST(Progetto, UnaTemperaturaSceglieIlValorePiuVicinoAR) {
    for (const SeriePreferita serie : TUTTE_LE_SERIE) {
        for (const double t : {-30.0, 0.0, 25.0, 47.0, 99.0, 180.0}) {
            const double r = *BETA.Resistenza(t);
            // Every value from a hundredth to a hundred times R(T), the nearest found by hand.
            const std::vector<double> tutti = ValoriSerie(serie, r / 100, r * 100);
            double vicino = tutti.front();
            for (const double valore : tutti) {
                if (std::fabs(std::log(valore / r)) < std::fabs(std::log(vicino / r))) {
                    vicino = valore;
                }
            }
            auto richiesta = Richiesta(Gradi(t, t));
            richiesta.serie = serie;
            richiesta.criterio = {Tipo::Risoluzione, 0};
            const SceltaResistenza sola = Prepara(BETA, richiesta).Scegli();
            EXPECT_EQ(sola.candidati.front().rSerie, vicino) << NomeSerie(serie) << ' ' << t;
            EXPECT_NEAR(sola.ottimo.rSerie, r, 1e-10 * r);

            richiesta.griglia = Gradi(-40, 200, 10);
            richiesta.criterio = {Tipo::ATemperatura, t};
            const SceltaResistenza aT = Prepara(BETA, richiesta).Scegli();
            EXPECT_EQ(aT.candidati.front().rSerie, vicino) << NomeSerie(serie) << ' ' << t;
            EXPECT_EQ(aT.ottimo.rSerie, r);
            EXPECT_EQ(aT.vicino.rSerie, vicino);
        }
    }
}

// Each bound is refused with its reason, and a model that gives no answer on the range is
// told apart from a bad request.
TEST(Progetto, RichiesteFuoriLimiteRifiutate) {
    using Modifica = std::function<void(RichiestaProgetto&)>;
    struct Caso {
        Modifica modifica;
        std::string motivo;
    };
    const std::vector<Caso> casi{
        {[](RichiestaProgetto& r) { r.circuito.bit = 0; }, "bit"},
        {[](RichiestaProgetto& r) { r.circuito.bit = 32; }, "bit"},
        {[](RichiestaProgetto& r) { r.circuito.tensioneRif = 0; }, "Vref"},
        {[](RichiestaProgetto& r) { r.circuito.tensioneRif = -3.3; }, "Vref"},
        {[](RichiestaProgetto& r) { r.circuito.tensioneRif = INFINITY; }, "Vref"},
        {[](RichiestaProgetto& r) { r.tolleranze.r25Percento = 0; }, "R25"},
        {[](RichiestaProgetto& r) { r.tolleranze.bPercento = -1; }, "di B"},
        {[](RichiestaProgetto& r) { r.tolleranze.seriePercento = 0; }, "in serie"},
        {[](RichiestaProgetto& r) { r.tolleranze.riferimentoPercento = 0; }, "riferimento"},
        {[](RichiestaProgetto& r) { r.tolleranze.adcLsb = -0.5; }, "ADC"},
        {[](RichiestaProgetto& r) { r.tolleranze.adcLsb = NAN; }, "ADC"},
        {[](RichiestaProgetto& r) { r.tolleranze.dissipazioneMilliwattPerK = 0; }, "dissipazione"},
        {[](RichiestaProgetto& r) {
             r.griglia = {-5000, 1, 100, 10001};
         },
         "10000 righe"},
        {[](RichiestaProgetto& r) {
             r.criterio = {Tipo::ATemperatura, 60};
         },
         "fuori"},
    };
    for (const Caso& caso : casi) {
        auto richiesta = Richiesta(Gradi(-10, 50));
        caso.modifica(richiesta);
        const auto esito = Progetto::Prepara(BETA, richiesta);
        ASSERT_TRUE(std::holds_alternative<ErroreProgetto>(esito)) << caso.motivo;
        const auto& errore = std::get<ErroreProgetto>(esito);
        EXPECT_EQ(errore.tipo, ErroreProgetto::Tipo::Richiesta);
        EXPECT_NE(errore.motivo.find(caso.motivo), std::string::npos) << errore.motivo;
    }
    auto richiesta = Richiesta(Gradi(-10, 50));
    richiesta.griglia = {-5000, 1, 100, 10000}; // −50 … 49.99 °C: the largest design
    EXPECT_TRUE(std::holds_alternative<Progetto>(Progetto::Prepara(BETA, richiesta)));

    // A maker's table holds no answer beyond its rows, nor one at 25 °C when it starts above.
    const ModelloTabella tabella = ModelloTabella::Crea({{0, 32650}, {50, 3603}}).Valore();
    const ModelloTabella calda = ModelloTabella::Crea({{50, 3603}, {100, 678.3}}).Valore();
    // ln R = 4000/T − 10⁶/T²: its slope −4000/T² + 2·10⁶/T³ turns positive below 500 K.
    const ModelloEstesoDiretto sale({0, 4000, -1e6, 0, 10000});
    const std::vector<std::pair<const ModelloNTC*, Griglia>> fuori{{&tabella, Gradi(-10, 40)},
                                                                   {&tabella, Gradi(10, 60)},
                                                                   {&calda, Gradi(60, 90)},
                                                                   {&sale, Gradi(200, 300)}};
    for (const auto& [modello, griglia] : fuori) {
        const auto esito = Progetto::Prepara(*modello, Richiesta(griglia));
        ASSERT_TRUE(std::holds_alternative<ErroreProgetto>(esito));
        EXPECT_EQ(std::get<ErroreProgetto>(esito).tipo, ErroreProgetto::Tipo::Modello);
    }
    EXPECT_TRUE(
        std::holds_alternative<Progetto>(Progetto::Prepara(tabella, Richiesta(Gradi(0, 50)))));
}

// E96 and E48 are the geometric series rounded to three digits; E24 and E12 keep their
// older values, within 5 % of it; a span's values cover it by whole decades and are the
// doubles of their decimal values.
TEST(SeriePreferite, ValoriEDecadi) {
    for (const SeriePreferita serie : TUTTE_LE_SERIE) {
        const auto decade = DecadeSerie(serie);
        const auto n = static_cast<double>(decade.size());
        for (std::size_t i = 0; i < decade.size(); ++i) {
            const double geometrico = 100 * std::pow(10, static_cast<double>(i) / n);
            if (decade.size() >= 48) {
                EXPECT_EQ(decade[i], std::lround(geometrico)) << NomeSerie(serie) << ' ' << i;
            } else {
                EXPECT_NEAR(decade[i] / geometrico, 1, 0.05) << NomeSerie(serie) << ' ' << i;
            }
        }
        EXPECT_EQ(SerieDaNome(NomeSerie(serie)), serie);
    }
    EXPECT_EQ(DecadeSerie(SeriePreferita::E12).size(), 12U);
    EXPECT_EQ(DecadeSerie(SeriePreferita::E24)[13], 360); // 3.6, 3.2 by the formula
    EXPECT_FALSE(SerieDaNome("E6"));

    const std::vector<double> valori = ValoriSerie(SeriePreferita::E96, 3300, 120000);
    ASSERT_EQ(valori.size(), 3U * 96 + 1);
    EXPECT_EQ(valori.front(), 1000);
    EXPECT_EQ(valori[95], 9760);
    EXPECT_EQ(valori[96 + 67], 49900);
    EXPECT_EQ(valori.back(), 1e6);
    const std::vector<double> piccoli = ValoriSerie(SeriePreferita::E24, 0.5, 0.5);
    ASSERT_EQ(piccoli.size(), 25U);
    EXPECT_EQ(piccoli[16], 0.47);
    EXPECT_EQ(piccoli.back(), 1);
}
