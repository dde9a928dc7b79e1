#include "calcoli/progetto.h"
#include "modelli/modello_beta.h"
#include "tests/ntc/comando_prova.h"

#include <string>
#include <vector>

namespace {

const std::vector<std::string_view> HOTEND{"progetto", "--r0", "100000", "--beta", "4267", "--da",
                                           "20",       "--a",  "300",    "--bit",  "12"};

std::vector<std::string_view> Con(std::vector<std::string_view> altri) {
    std::vector<std::string_view> argomenti = HOTEND;
    argomenti.insert(argomenti.end(), altri.begin(), altri.end());
    return argomenti;
}

std::vector<std::string> Campi(const std::string& riga, char separatore) {
    std::vector<std::string> campi;
    std::size_t inizio = 0;
    for (std::size_t fine = riga.find(separatore); fine != std::string::npos;
         inizio = fine + 1, fine = riga.find(separatore, inizio)) {
        campi.push_back(riga.substr(inizio, fine - inizio));
    }
    campi.push_back(riga.substr(inizio));
    return campi;
}

} // namespace

TEST(ComandoProgetto, StatiDUscitaEMessaggi) {
    struct Caso {
        std::vector<std::string_view> altri;
        int stato;
        std::string_view messaggio;
    };
    const std::vector<Caso> casi{
        {{"--bit", "0"}, STATO_USO, "bit"},
        {{"--bit", "32"}, STATO_USO, "bit"},
        {{"--bit", "12.5"}, STATO_USO, "intero"},
        {{"--bit", "1e300"}, STATO_USO, "bit"},
        {{"--vref", "0"}, STATO_USO, "Vref"},
        {{"--tol-r25", "0"}, STATO_USO, "R25"},
        {{"--tol-b", "-1"}, STATO_USO, "di B"},
        {{"--tol-serie", "0"}, STATO_USO, "in serie"},
        {{"--rif-separato", "-0.1"}, STATO_USO, "riferimento"},
        {{"--adc-lsb", "-1"}, STATO_USO, "ADC"},
        {{"--dissipazione", "0"}, STATO_USO, "dissipazione"},
        {{"--passo", "0.01"}, STATO_USO, "10000 righe"},
        {{"--passo", "-1"}, STATO_USO, "passo"},
        {{"--serie", "E6"}, STATO_USO, "--serie"},
        {{"--criterio", "costo"}, STATO_USO, "--criterio"},
        {{"--criterio", "a-temperatura"}, STATO_USO, "--a-temperatura"},
        {{"--criterio", "errore", "--a-temperatura", "200"}, STATO_USO, "--a-temperatura"},
        {{"--a-temperatura", "400"}, STATO_USO, "fuori"},
        {{"--partitore", "4700", "--serie", "E12"}, STATO_USO, "--partitore"},
        {{"--partitore", "0"}, STATO_USO, "--partitore"},
        {{"--verso", "su"}, STATO_USO, "--verso"},
        {{"--json", "--virgola"}, STATO_USO, "--json e --virgola"},
        {{"25"}, STATO_USO, "inatteso"},
        // Below absolute zero no model gives a resistance: the range leaves its validity.
        {{"--da", "-300"}, STATO_DATI, "validità"},
    };
    for (const Caso& caso : casi) {
        const Esecuzione esito = Esegui(Con(caso.altri));
        EXPECT_EQ(esito.stato, caso.stato) << esito.errori;
        EXPECT_TRUE(esito.uscita.empty()) << esito.uscita;
        EXPECT_NE(esito.errori.find(caso.messaggio), std::string::npos)
            << caso.messaggio << " in " << esito.errori;
    }
    EXPECT_EQ(
        Esegui({"progetto", "--r0", "100000", "--beta", "4267", "--da", "20", "--a", "300"}).stato,
        STATO_USO); // --bit is the one thing a design cannot guess
    const std::string tabella = std::string(TABELLE) + "/murata_ncp15xh103.csv";
    const Esecuzione fuori =
        Esegui({"progetto", "--tabella", tabella, "--da", "-80", "--a", "25", "--bit", "10"});
    EXPECT_EQ(fuori.stato, STATO_DATI) << fuori.errori;
}

// The ranked candidates between the optimum and the nearest value, the budget one row a
// temperature, each number the library's double; a decimal comma with --virgola.
TEST(ComandoProgetto, CandidatiEBilancio) {
    const auto righe = Righe(Uscita(Con({"--criterio", "risoluzione", "--serie", "E24"})));
    ASSERT_EQ(righe.size(), 13U);
    EXPECT_EQ(righe[0], "posto,R_serie_ohm,valore_criterio,perdita_percento,risoluzione_K,"
                        "errore_K,errore_rss_K,autoriscaldamento_K");
    EXPECT_TRUE(righe[1].starts_with("ottimo,")) << righe[1];
    EXPECT_TRUE(righe[2].starts_with("1,1800,")) << righe[2];
    EXPECT_TRUE(righe[12].starts_with("vicino,1800,")) << righe[12];

    const auto virgola = Righe(Uscita(Con({"--virgola"})));
    ASSERT_EQ(virgola.size(), 13U);
    const auto campi = Campi(virgola[1], ';');
    ASSERT_EQ(campi.size(), 8U);
    EXPECT_NE(campi[1].find(','), std::string::npos) << virgola[1];

    const std::string json = Uscita(Con({"--json", "--a-temperatura", "100", "--serie", "E12"}));
    EXPECT_TRUE(json.starts_with("{\n  \"serie\": \"E12\",\n  \"criterio\": \"a-temperatura\",\n"
                                 "  \"T_criterio\": 100,\n  \"ottimo\": {\"R_serie_ohm\": "))
        << json;
    // At 100 °C the part has 5.6 kΩ (100000·e^(4267·(1/373.15 − 1/298.15))): E12's 5.6 kΩ.
    EXPECT_NE(json.find("\"candidati\": [\n    {\"posto\": 1, \"R_serie_ohm\": 5600,"),
              std::string::npos)
        << json;

    const auto bilancio = Righe(Uscita(Con({"--passo", "20", "--partitore", "1800", "--verso",
                                            "alimentazione", "--dissipazione", "1.5"})));
    ASSERT_EQ(bilancio.size(), 16U); // the heading and 20, 40, ..., 300 °C
    EXPECT_EQ(bilancio[0], "T_C,R_ohm,V,adc,adc_per_K,K_per_adc,r25_K,b_K,serie_K,adc_K,rif_K,"
                           "autoriscaldamento_K,peggiore_K,rss_K");
    RichiestaProgetto richiesta;
    richiesta.griglia = {20, 20, 1, 15};
    richiesta.circuito = {Partitore::Posizione::VersoAlimentazione, 3.3, 12};
    richiesta.tolleranze.dissipazioneMilliwattPerK = 1.5;
    const auto progetto =
        std::get<Progetto>(Progetto::Prepara(ModelloBeta({100000, 4267, 25}), richiesta));
    for (std::size_t i = 0; i < progetto.NumeroRighe(); ++i) {
        const RigaProgetto riga = progetto.Riga(i, 1800);
        const auto valori = Campi(bilancio[i + 1], ',');
        ASSERT_EQ(valori.size(), 14U);
        EXPECT_EQ(Numero(valori[0]), riga.temperatura);
        EXPECT_EQ(Numero(valori[3]), riga.conteggi);
        EXPECT_EQ(Numero(valori[11]), riga.contributi[5]);
        EXPECT_EQ(Numero(valori[13]), riga.rss);
    }
}
