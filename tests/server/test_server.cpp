// tests/server/test_server.cpp - the server's record, board coupling and files
#include "../app/app_hilfe.h"
#include "files/netzdatei_abschnitte.h"
#include "files/xbuffer.h"
#include "platform/box.h"
#include "server/server.h"
#include <cmath>

using namespace apphilfe;
using plattform::antwort::Ok;
using plattform::antwort::Nein;
using Karte = plattform::SimulierteMesskarte;

namespace {

struct ServerFall : NeuronFall {
    Karte karte;
    std::string ordner = testhilfe::tempOrdner("velnor-server");

    void SetUp() override
    {
        NeuronFall::SetUp();
        daqFunktionen = &karte;
        serverLauf.karteVorhanden = 1;
        serverLauf.modus = serverModus::MitKarte;
        dateipfade.programmVerzeichnis = ordner;
        std::filesystem::create_directory(ordner + "parameter");
    }
    void TearDown() override
    {
        daqFunktionen = &keineMesskarte();
        serverDaten = {};
        serverLaufZuruecksetzen();
        zuletztAbgeholt = 0;
        dateipfade = {};
        std::filesystem::remove_all(ordner);
        NeuronFall::TearDown();
    }
    static std::vector<std::string> boxTexte()
    {
        std::vector<std::string> t;
        std::ranges::transform(pt::boxLog(), std::back_inserter(t), &pt::BoxEintrag::text);
        return t;
    }
};

TEST_F(ServerFall, ModusFolgtDerKarteUndIhrerProbe)
{
    struct Fall { int vorhanden; int16_t probe; int vorher; int modus; } faelle[] = {
        {0, 0, 1, serverModus::KeineKarte},
        {1, 0, 3, serverModus::MitKarte},
        {1, -10401, 1, serverModus::OhneErfassung},   // a failing probe sets up no board
    };
    for (const Fall& f : faelle) {
        serverLauf.modus = f.vorher;
        karte.status["AI_Configure"] = {f.probe};
        messkarteBinden(karte);
        serverLauf.karteVorhanden = f.vorhanden;
        EXPECT_EQ(serverEinstellungenInit(serverLauf), 1);
        EXPECT_EQ(serverLauf.modus, f.modus) << f.vorhanden << " " << f.probe;
    }
}

TEST_F(ServerFall, EinrichtungRuftDieKarteInIhrerFolge)
{
    karte.intervall = 50;
    ASSERT_TRUE(erfassungEinrichten(serverLauf));
    const std::vector<std::string> erwartet = {"DAQ_Clear(1)", "DAQ_DB_Config(1, 0)", "Timeout_Config(1, -1)",
        "Timeout_Config(1, 180)", "NIDAQErrorHandler(0, Timeout_Config, 0)", "AO_Configure(1, 0, 0, 0, 10, 0)",
        "NIDAQErrorHandler(0, AO_Configure, 0)", "AO_Configure(1, 1, 0, 0, 10, 0)", "NIDAQErrorHandler(0, AO_Configure, 0)",
        "DAQ_Rate(10000, 0)", "DAQ_DB_Config(1, 1)", "NIDAQErrorHandler(0, DAQ_DB_Config, 0)",
        "DAQ_Start(1, 0, 1, 100, -3, 50)", "NIDAQErrorHandler(0, DAQ_Start, 0)"};
    EXPECT_EQ(karte.log, erwartet);
    EXPECT_TRUE(serverLauf.steuerBits & serverBit::ErfassungEingerichtet);
}

TEST_F(ServerFall, NeinZurWarnungDerKarteGibtSieFreiUndDasProgrammLaeuftWeiter)
{
    karte.status["DAQ_Start"] = {7};
    pt::boxAntworten({Nein});
    EXPECT_FALSE(erfassungEinrichten(serverLauf));
    ASSERT_EQ(boxTexte(), std::vector<std::string>{meldungsTexte[558]});
    EXPECT_EQ(std::vector(karte.log.end() - 3, karte.log.end()),
              (std::vector<std::string>{"DAQ_Clear(1)", "DAQ_DB_Config(1, 0)", "Timeout_Config(1, -1)"}));
    EXPECT_FALSE(serverLauf.steuerBits & serverBit::ErfassungEingerichtet);
    EXPECT_FALSE(programmEndet());
}

TEST_F(ServerFall, AbfrageLiefertNurNeueProbenInnerhalbDesPuffers)
{
    karte.abholungen = {{5, 321}, {5, 321}, {0, 9}, {12000, 9}, {6, -4}};
    ASSERT_TRUE(erfassungEinrichten(serverLauf));
    std::vector<int> proben;   // -1: no new sample
    for (int16_t probe = 0; proben.size() < 5; probe = 0)
        proben.push_back(eingangAbfragen(serverLauf, probe) ? probe : -1);
    EXPECT_EQ(proben, (std::vector<int>{321, -1, -1, -1, -4}));
}

// A board whose check fails fails at every step: the first error of an acquisition goes to
// the handler, the next acquisition's too; one that did not start has told its own.
TEST_F(ServerFall, FehlerDerAbfrageGehenEinmalJeErfassungAnDieFehlerbehandlung)
{
    const auto fehlerMeldungen = [&] {
        std::vector<std::string> m;
        std::ranges::copy_if(karte.log, std::back_inserter(m), [](const std::string& z) {
            return z.starts_with("NIDAQErrorHandler(") && !z.starts_with("NIDAQErrorHandler(0,");
        });
        karte.log.clear();
        return m;
    };
    const auto abfragen = [&] {
        int16_t probe = 0;
        for (int i = 0; i < 4; ++i)
            eingangAbfragen(serverLauf, probe);
    };
    karte.status["DAQ_Check"] = {0, -10845, -10846, -10845};
    ASSERT_TRUE(erfassungEinrichten(serverLauf));
    abfragen();
    EXPECT_EQ(fehlerMeldungen(), std::vector<std::string>{"NIDAQErrorHandler(-10845, DAQ_Check, 0)"});

    karte.status["DAQ_Check"] = {-10846, -10846};
    ASSERT_TRUE(erfassungEinrichten(serverLauf));
    abfragen();
    EXPECT_EQ(fehlerMeldungen(), std::vector<std::string>{"NIDAQErrorHandler(-10846, DAQ_Check, 0)"});

    karte.status["DAQ_Start"] = {-10401};
    karte.status["DAQ_Check"] = {-10608, -10608};
    ASSERT_TRUE(erfassungEinrichten(serverLauf));
    abfragen();
    EXPECT_EQ(fehlerMeldungen(), std::vector<std::string>{"NIDAQErrorHandler(-10401, DAQ_Start, 0)"});
}

TEST_F(ServerFall, KanalEinsSchreibtBegrenzteCodesUndNullFuerNaN)
{
    serverDaten.daKalibrierung = 5;
    serverDaten.daAusgabefaktor = 2000;
    serverLauf.eingangsWert = 0.05;
    for (auto [faktor, code] : {std::pair(1.5, 30), {200.0, 2000}, {-200.0, -2000}, {NAN, 0}}) {
        serverLauf.faktor = faktor;
        EXPECT_EQ(kernEingangDaWert(serverDaten, serverLauf), code) << faktor;
    }
    for (auto [v, code] : {std::pair(-0.0612, -612), {0.15, 1000}, {-0.2, -1000}, {NAN, 0}})
        EXPECT_EQ(somaPotentialDaWert(v), code) << v;
    serverLauf.faktor = 1.5;
    kernEingangAusgeben(serverDaten, serverLauf);
    serverLauf.modus = serverModus::OhneErfassung;   // without acquisition nothing reaches the board
    somaPotentialAusgeben(serverLauf, 0.01);
    EXPECT_EQ(karte.log, std::vector<std::string>{"AO_Write(1, 1, 30)"});
}

TEST_F(ServerFall, SechzehnBitEinstellungenAusDerDateiWerdenBegrenzt)
{
    std::string text = "[Servereinstellungen]\nserver: ausgang pulshoehe fuer wandler=40000\n"
                       "server: mutrafu da-ausgabefaktor=-99999\n[ende Servereinstellungen]\n";
    serverLesen(text.data());
    EXPECT_EQ(std::pair(serverDaten.pulsHoehe, serverDaten.daAusgabefaktor), std::pair(int16_t{32767}, int16_t{-32768}));
}

TEST_F(ServerFall, StartwerteWerdenMitDemNetzGespeichert)
{
    serverDaten.verzoegerung = -1;
    serverStartwerteSetzen(serverDaten, serverLauf);
    XBuffer p;
    serverSpeichern(p);
    for (const char* zeile : {"server: mutrafu delay=1.5\n", "server: mutrafu da-ausgabefaktor=2000\n",
                              "server: ausgang pulshoehe fuer wandler=2000\n"})
        EXPECT_NE(p.text().find(zeile), std::string::npos) << zeile;
}

TEST_F(ServerFall, NeuronNummernWerdenNurMitIhremNamenZuNeuronen)
{
    NeuronDaten *n7 = NeuronFall::neu(7), *n8 = NeuronFall::neu(8);
    n8->name = serverDaten.ausgangsNeuronName = "acht";
    serverDaten.eingangsNeuron = 7;
    serverDaten.ausgangsNeuron = 8;
    serverDaten.eingangsNeuronName = "sieben";
    n7->name = "umbenannt";
    einstellungenAktualisieren(nullptr, 0);
    EXPECT_EQ(serverDaten.eingangsNeuron, 0);
    EXPECT_EQ(serverDaten.ausgangsNeuron, 8);
    // outside a run the record keeps numbers only: no pointer outlives the next user action
    EXPECT_EQ(std::tuple(serverLauf.eingangsNeuron, serverLauf.ausgangsNeuron), std::tuple(nullptr, nullptr));

    // the context command: no neuron under the click, so the only marked one, else none
    letzterKlickpunkt = {-5000, -5000};
    markierteNeurone.liste = {n7, n8};
    hauptfensterBefehl(nullptr, befehlServerEingangsNeuron);
    EXPECT_EQ(serverDaten.eingangsNeuron, 0);
    markierteNeurone.liste = {n7};
    hauptfensterBefehl(nullptr, befehlServerEingangsNeuron);
    EXPECT_EQ(std::tuple(serverLauf.eingangsNeuron, serverDaten.eingangsNeuron, serverDaten.eingangsNeuronName),
              std::tuple(nullptr, 7, std::string("umbenannt")));
}

// a header, then "i<TAB>v" lines with the indices 10.., which jump by 5 at the lines brueche
std::string ioZeilen(int anzahl, std::vector<int> brueche = {})
{
    std::string t = "io Tabelle\r\n";
    for (int i = 1, index = 10; i <= anzahl; ++i, ++index)
        t += std::to_string(index += std::count(brueche.begin(), brueche.end(), i) * 5) + "\t1\r\n";
    return t;
}

TEST_F(ServerFall, IoTabelleWirdGeprueftUndJederFehlerEinmalGemeldet)
{
    struct Fall { std::string inhalt; int ergebnis; std::vector<std::string> boxen; } faelle[] = {
        {ioZeilen(256), 1, {}},
        {ioZeilen(300), 1, {meldungsTexte[363]}},
        {ioZeilen(200), 0, {meldungFormatieren(365, 256, 200)}},
        {ioZeilen(256, {100, 180}), 1, {meldungFormatieren(364, 100)}},
        {"", 0, {meldungFormatieren(361, ordner + "parameter/ioTabelle.txt")}},
    };
    for (const Fall& f : faelle) {
        pt::zuruecksetzen();
        std::filesystem::remove(ordner + "parameter/ioTabelle.txt");
        if (!f.inhalt.empty())
            testhilfe::schreiben(ordner + "parameter/ioTabelle.txt", f.inhalt);
        for (size_t i = 0; i < f.boxen.size(); ++i)
            pt::boxAntworten({Ok});
        EXPECT_EQ(ioTabelleLesen(serverLauf), f.ergebnis);
        EXPECT_EQ(boxTexte(), f.boxen);
    }
    EXPECT_EQ(std::pair(serverLauf.ioTabelle[0].index, serverLauf.ioTabelle[255].index), std::pair(10, 275));   // breaks are kept

    // a value missing on its line is 0, not the next line's index; a comma ends a number
    testhilfe::schreiben(ordner + "parameter/ioTabelle.txt", "12;7,9\n13\n14 2\n");
    pt::boxAntworten({Ok});
    ioTabelleLesen(serverLauf);
    const auto& t = serverLauf.ioTabelle;
    EXPECT_EQ((std::vector<int>{t[0].index, t[0].wert, t[1].index, t[1].wert, t[2].wert}),
              (std::vector<int>{12, 7, 13, 0, 2}));
}

TEST_F(ServerFall, ReizlisteUndLogdatei)
{
    testhilfe::schreiben(ordner + "parameter/reizFuerServerBetrieb.txt", "Zeiten\r\n0,25\r\n1.5\r\n");
    EXPECT_EQ(serverReizDateiLesen(serverLauf), 1);
    EXPECT_EQ(serverLauf.reizWerte, (std::vector<double>{0.25, 1.5}));

    const std::tm start{.tm_sec = 3, .tm_min = 5, .tm_hour = 8, .tm_mday = 9, .tm_mon = 10, .tm_year = 131};
    EXPECT_EQ(serverLogName(serverDaten, start), "strom in ausgangsneuron 311109 080503.txt");
    serverDaten.stromDatei = ordner + "kern";
    serverDaten.verzoegerung = 0.3;
    dateipfade.netzName = "netz";
    std::FILE* log = serverLogOeffnen(serverDaten, start);
    ASSERT_NE(log, nullptr);
    serverLogZeile(log, 1.25);
    std::fclose(log);
    EXPECT_EQ(testhilfe::lesen(ordner + "kern 311109 080503.txt"), "netz\r\ndelay: 0.3\r\n\r\n1.25\r\n");
}

} // namespace
