// tests/permutation/test_netz_des_benutzers.cpp - a series and a free permutation leave the
// user's network as they found it: in memory, in its file and in the settings file, with
// every save meanwhile refused with a notice that says why
#include "permutation_hilfe.h"
#include "app/hauptfenster.h"
#include "files/netzdatei.h"
#include "files/einstellungsdatei.h"
#include "model/permutation.h"
#include "permutation/ergebnisse.h"
#include "permutation/lauf.h"
#include "platform/steuerelemente.h"
#include <functional>

using namespace permutationstest;

namespace {

constexpr int idEingabe = 1251;
constexpr uint32_t exportSchalter =
    programmBit::WerteExportieren | programmBit::SomaDateiLesen | programmBit::SomaDateiSchreiben;

std::function<void(int)> imLauf;

Laufausgang standLauf()
{
    if (imLauf)
        imLauf(permutationsLaufstand.nummer);
    return Laufausgang::Beendet;
}

class NetzDesBenutzers : public PermutationFall {
protected:
    std::string netz, cfg;

    void SetUp() override
    {
        PermutationFall::SetUp();
        dreiSynapsenDefinieren();
        synapseNachId(synapsenId(2, 1))->leitfaehigkeit = 1.5e-7;   // the dynamic value apart from the base
        neuronSuchen(2)->exportMaske = 0x5;
        programmStatus |= exportSchalter;
        dateipfade.endung = "gui";
        netz = ordner + "netz.gui";
        imLauf = nullptr;
        permutationsLaufHaken = standLauf;
    }
    void TearDown() override
    {
        permutationsLaufHaken = nullptr;
        imLauf = nullptr;
        PermutationFall::TearDown();
    }
    void modusMitDefinition()
    {
        modusAn();
        modusStatus |= modusBit::DefinitionDa;
    }
    // Ctrl+S as the user presses it
    void strgS()
    {
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tasteDruecken(haupt(), 'S');
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    }
    // Ctrl+S (or its command, where a modal dialog keeps keys from the main window) and
    // "Speichern unter" refused with the notice, no dialog, both files as they were
    void speichernVerweigert(int meldung, bool taste = true)
    {
        const size_t dialoge = pt::dateiWahlLog().size();
        boxenVergessen();
        pt::boxAntworten({antwort::Ok, antwort::Ok});
        if (taste)
            strgS();
        else
            befehl(befehlGuiDateiSpeichern);
        befehl(befehlGuiDateiSpeichernUnter);
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[meldung], meldungsTexte[meldung]}));
        EXPECT_EQ(pt::dateiWahlLog().size(), dialoge);
        EXPECT_EQ(lesen(netz), netzVorher);
        EXPECT_EQ(lesen(cfgPfad), cfgVorher);
    }
    std::string netzVorher, cfgVorher;
    static std::string imSpeicher()
    {
        XBuffer puffer;
        EXPECT_TRUE(guiDateiSpeichern(0, &puffer, 0));
        return puffer.text();
    }
    std::tuple<double, double, double, double, double> leitfaehigkeiten()
    {
        const SynapseDaten* a = synapseNachId(synapsenId(2, 1));
        const SynapseDaten* b = synapseNachId(synapsenId(3, 1));
        const SynapseDaten* c = synapseNachId(synapsenId(4, 2));
        return {a->initialLeitfaehigkeit, a->leitfaehigkeit, b->initialLeitfaehigkeit, c->initialLeitfaehigkeit,
                neuronSuchen(1)->eingangsPools->gSumme};
    }
    // the network saved by the user into its own file, and what it and the settings file hold
    void gespeichert()
    {
        pt::dateiAntworten({pt::dateiAntwort(netz)});
        befehl(befehlGuiDateiSpeichernUnter);
        netzVorher = lesen(netz);
        cfgVorher = lesen(cfgPfad);
        ASSERT_FALSE(netzVorher.empty());
        ASSERT_NE(cfgVorher.find("somapotential aller neurone als ascii-datei ausgeben=ja"), std::string::npos) << cfgVorher;
    }
};

} // namespace

// The rule swept for the series and for free order: saves inside them are refused and say
// why, the network file and the settings file stay byte for byte; leaving the mode gives the
// conductances and the switches back, and the network in memory and its next save are the
// user's again, byte for byte.
TEST_F(NetzDesBenutzers, SerieUndFreieReihenfolgeLassenDasNetzWieSieEsFanden)
{
    gespeichert();
    const std::string speicher = imSpeicher();
    const auto werte = leitfaehigkeiten();

    modusMitDefinition();
    const std::string speicherImModus = imSpeicher();
    // the series: inside its run of number 3
    int gesehen = 0;
    imLauf = [&](int nummer) {
        if (nummer != 3)
            return;
        ++gesehen;
        EXPECT_NE(leitfaehigkeiten(), werte);
        speichernVerweigert(1500);
    };
    pt::dateiAntworten({pt::dateiAntwort(ordner + "serie.bin")});
    befehl(befehlPmtStarten);
    EXPECT_EQ(gesehen, 1);
    EXPECT_EQ(leitfaehigkeiten(), werte);
    EXPECT_EQ(imSpeicher(), speicherImModus);

    // free order: number 5 and, while the next number is asked for, its levels in the network
    imLauf = nullptr;
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "5"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {[&](Fenster) {
                               EXPECT_EQ(std::get<3>(leitfaehigkeiten()), 6e-8);
                               speichernVerweigert(1502, false);
                           },
                           pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    EXPECT_EQ(statusTexte[0], meldungFormatieren(1283, 5));
    speichernVerweigert(1502);

    // another number keeps what the user had, not the first number's levels
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "2"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    EXPECT_EQ(std::get<2>(leitfaehigkeiten()), 4e-8);

    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(statusTexte[0], "\tSimulationsmodus");
    EXPECT_EQ(leitfaehigkeiten(), werte);
    EXPECT_EQ(programmStatus & exportSchalter, exportSchalter);
    EXPECT_EQ(imSpeicher(), speicher);
    boxenVergessen();
    strgS();
    EXPECT_TRUE(boxen().empty()) << boxen().front();
    EXPECT_EQ(lesen(netz), netzVorher);
    EXPECT_EQ(lesen(cfgPfad), cfgVorher);
}

// A level that the user replaced meanwhile is the user's: leaving keeps it, and gives back
// the others. With no level left in the network a save is the user's again.
TEST_F(NetzDesBenutzers, EinWertDesBenutzersNachDerFreienPermutationBleibt)
{
    const auto werte = leitfaehigkeiten();
    modusMitDefinition();
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "7"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    ASSERT_TRUE(permutationsLevelImNetz());
    // the user sets 4->2 anew, as the synapse dialog does
    SynapseDaten* c = synapseNachId(synapsenId(4, 2));
    c->pool->gSumme += 9e-7 - c->initialLeitfaehigkeit;
    c->initialLeitfaehigkeit = c->leitfaehigkeit = 9e-7;
    befehl(befehlPmtModusBeenden);
    auto erwartet = werte;
    std::get<3>(erwartet) = 9e-7;
    EXPECT_EQ(leitfaehigkeiten(), erwartet);
    EXPECT_NEAR(neuronSuchen(2)->eingangsPools->gSumme, 9e-7, 1e-20);
    EXPECT_FALSE(permutationsLevelImNetz());
}

// Closing or opening a network offers to save it: while the levels are in it, Yes is refused
// and the network stays; No lets it go, and the network that follows gets nothing of the
// levels when the mode is left, though its synapses have the same ids.
TEST_F(NetzDesBenutzers, EinGeschlossenesNetzNimmtDieLevelMit)
{
    gespeichert();
    modusMitDefinition();
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "7"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);

    boxenVergessen();
    pt::boxAntworten({antwort::Ja, antwort::Ok});
    befehl(befehlDateiSchliessen);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(802, netz), meldungsTexte[1502]}));
    EXPECT_EQ(neuronKette.anzahl, 4);
    EXPECT_EQ(lesen(netz), netzVorher);

    const int a = synapsenId(2, 1), c = synapsenId(4, 2);
    pt::boxAntworten({antwort::Nein});
    befehl(befehlDateiSchliessen);
    ASSERT_EQ(neuronKette.anzahl, 0);
    EXPECT_FALSE(permutationsLevelImNetz());
    for (int i = 1; i <= 4; ++i)
        NeuronFall::neu(i);
    synapse(2, 1, 2e-8);                 // at the level the other network's synapse had
    synapse(3, 1, 3e-7);
    synapse(4, 2, 6e-8);
    ASSERT_EQ(std::pair(synapsenId(2, 1), synapsenId(4, 2)), std::pair(a, c));
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(synapseNachId(synapsenId(2, 1))->initialLeitfaehigkeit, 2e-8);
    EXPECT_EQ(synapseNachId(synapsenId(4, 2))->initialLeitfaehigkeit, 6e-8);
}

// The user's file opened again in the mode (after No to the offer) holds the user's values:
// nothing is held then, a save writes it, and leaving changes nothing.
TEST_F(NetzDesBenutzers, DasWiederGeoeffneteNetzIstDasDesBenutzers)
{
    gespeichert();
    modusMitDefinition();
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "7"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    pt::dateiAntworten({pt::dateiAntwort(netz)});
    pt::boxAntworten({antwort::Nein});
    befehl(befehlDateiOeffnen);
    ASSERT_EQ(neuronKette.anzahl, 4);
    const auto geladen = leitfaehigkeiten();
    EXPECT_EQ(std::get<3>(geladen), 4e-7);
    EXPECT_FALSE(permutationsLevelImNetz());
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(leitfaehigkeiten(), geladen);
}

// Entering the mode switches off the value export and the soma file's pair, read and write
// together; settings saved in the mode carry the user's switches, and leaving gives them back.
TEST_F(NetzDesBenutzers, DieProgrammschalterGehenMitDemModusHinUndZurueck)
{
    for (const uint32_t an : {exportSchalter, programmBit::WerteExportieren, uint32_t{0}}) {
        SCOPED_TRACE(an);
        programmStatus = (programmStatus & ~exportSchalter) | an;
        befehl(befehlEinstellungenSpeichern);
        const std::string vorher = lesen(cfgPfad);
        modusMitDefinition();
        EXPECT_EQ(programmStatus & exportSchalter, 0u);
        EXPECT_EQ(std::pair(befehlHaken(befehlErgebnisExportieren), befehlHaken(befehlSomapotentialSpeichern)),
                  std::pair(0, 0));
        befehl(befehlEinstellungenSpeichern);
        EXPECT_EQ(lesen(cfgPfad), vorher);
        befehl(befehlPmtModusBeenden);
        EXPECT_EQ(programmStatus & exportSchalter, an);
        befehl(befehlEinstellungenSpeichern);
        EXPECT_EQ(lesen(cfgPfad), vorher);
    }
}
