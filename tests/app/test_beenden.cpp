// tests/app/test_beenden.cpp - the shutdown: its order, once only, from anywhere
#include "app_hilfe.h"
#include "platform/box.h"
#include "core/endemeldung.h"
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include <thread>
#include <vector>

using namespace apphilfe;

namespace {

// what a step saw when it began: its name, whether the network and the main window were there
struct Gesehen {
    std::string name;
    bool netz = false, fenster = false;
};
std::vector<Gesehen> gesehen;
std::vector<void (*)()> original;   // the steps as the program has them

// A probe before every step notes what it saw, then the step runs as the program has it.
template <size_t I>
void probe()
{
    gesehen.push_back(
        {beendenSchritte()[I].name, neuronKette.kopf != nullptr, istFenster(fensterhandles.hauptfenster)});
    original[I]();
}

template <size_t... I>
void probenEinsetzen(std::index_sequence<I...>)
{
    ((beendenSchritte()[I].ausfuehren = probe<I>), ...);
}

class Beenden : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        gesehen.clear();
        ASSERT_TRUE(starten());
        ASSERT_EQ(beendenSchritte().size(), 12u);
        original.clear();
        for (const BeendenSchritt& s : beendenSchritte())
            original.push_back(s.ausfuehren);
        probenEinsetzen(std::make_index_sequence<12>());
    }
    void TearDown() override
    {
        for (size_t i = 0; i < original.size(); ++i)
            beendenSchritte()[i].ausfuehren = original[i];
        AppFall::TearDown();
    }
};

} // namespace

TEST_F(Beenden, SchritteInDerReihenfolgeUndNurEinmal)   // the neurons were never freed
{
    NeuronDaten* markiert = NeuronFall::neu(1);
    ASSERT_NE(NeuronFall::neu(2), nullptr);
    neuronMarkieren(markiert, 1);
    aufzeichnungEintragen(spikeAufzeichnung, nullptr, 0.5);
    tastaturHookSetzen(haupt());

    programmBeenden();
    programmBeenden();
    ASSERT_EQ(gesehen.size(), beendenSchritte().size());
    for (size_t i = 0; i < gesehen.size(); ++i)
        EXPECT_EQ(gesehen[i].name, beendenSchritte()[i].name) << i;
    // the network goes after the objects that name its neurons, the window after the records
    EXPECT_TRUE(gesehen[2].name == "Neurone" && gesehen[2].netz && !gesehen[3].netz);
    EXPECT_TRUE(gesehen[9].name == "Permutationsmodus" && gesehen[9].fenster && !gesehen[11].fenster);
    EXPECT_EQ(neuronKette.kopf, nullptr);
    EXPECT_EQ(neuronNachNummer(1), nullptr);
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
    EXPECT_TRUE(spikeAufzeichnung.ereignisse.empty());
    EXPECT_EQ(tastaturHookDialog(), nullptr);
    EXPECT_EQ(fensterhandles.hauptfenster, nullptr);
    EXPECT_EQ(fensterhandles.protokollfenster, nullptr);
    EXPECT_EQ(nachrichtenSchleife(), 0);
}

TEST_F(Beenden, SchliessenUeberDasMenueRaeumtAufUndDanachErreichtKeinBefehlDieFreigegebenenDaten)
{
    const std::string info = ordner + "lauf.info", temp = ordner + "temp.dat";
    schreiben(info, "x");
    schreiben(temp, "x");
    dateipfade.laufInfoDatei = info;
    temporaereDateiAnmelden(temp);
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlProgrammBeenden));
    nachrichtenVerarbeiten();
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
    EXPECT_TRUE(programmEndet());
    EXPECT_FALSE(std::filesystem::exists(info) || std::filesystem::exists(temp));

    befehl(befehlAnzeigedauerInfobox);          // no command reaches the freed records
    EXPECT_EQ(pt::dialogLog().size(), 1u);     // the splash only
}

TEST_F(Beenden, ImLaufErstWennDerLaufZurueckIst)
{
    programmStatus |= programmBit::LaufAktiv;
    programmBeenden();
    EXPECT_TRUE(gesehen.empty());
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_TRUE(programmStatus & programmBit::ProgrammSchliesst);
    pt::uhrVorstellen(500);                     // the run's pump: nothing yet
    EXPECT_TRUE(gesehen.empty());

    programmStatus &= ~programmBit::LaufAktiv;
    pt::uhrVorstellen(200);
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
}

TEST_F(Beenden, AusEinemAnderenThreadAufDemGuiThread)
{
    std::thread t([] { programmBeenden(); });
    t.join();
    EXPECT_TRUE(gesehen.empty());
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(nachrichtenSchleife(), 0);
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
}

// A box that ends the program goes through the regular end: the mode's menu cannot be
// loaded, and Cancel at the fatal form offers the network first. Cancel there keeps the
// program (not closing), No ends it.
TEST_F(Beenden, DasEndeAusEinerBoxBietetDasNetzAnUndAbbrechenBehaeltDasProgramm)
{
    NeuronFall::neu(1);
    const int vorher = sprache;
    sprache = 0;                                // no menu table of this language
    const size_t ab = pt::boxLog().size();
    pt::boxAntworten({antwort::Ok, antwort::Abbrechen, antwort::Abbrechen});
    befehl(befehlPermutationsmodusEinschalten);
    std::vector<std::pair<std::string, std::string>> boxen;
    for (size_t i = ab; i < pt::boxLog().size(); ++i)
        boxen.emplace_back(pt::boxLog()[i].titel, pt::boxLog()[i].text);
    EXPECT_EQ(boxen, (std::vector<std::pair<std::string, std::string>>{{"Velnor info", meldungsTexte[90]},
                                                                       {"Velnor info", meldungsTexte[717]},
                                                                       {"SysInfo", meldungsTexte[803]}}));
    EXPECT_TRUE(gesehen.empty());
    EXPECT_FALSE(programmEndet());
    EXPECT_FALSE(programmStatus & programmBit::ProgrammSchliesst);
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(NeuronFall::nummern(), std::vector{1});

    pt::boxAntworten({antwort::Ok, antwort::Abbrechen, antwort::Nein});
    befehl(befehlPermutationsmodusEinschalten);
    sprache = vorher;
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[803]);
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
    EXPECT_TRUE(programmEndet());
}

// Every box that ends the program is shown by endeMelden: its forms end after the notice,
// after either answer of the fatal form, or after its Cancel only; each end offers the
// network first, where Cancel keeps the program, and the focus is back where it was.
TEST_F(Beenden, JedeEndeBoxBietetDasNetzAnUndGibtDenFokusZurueck)
{
    NeuronFall::neu(1);
    Fenster dlg = dialogModeless(vorlageEingabe, haupt(), [](Fenster, uint32_t n, uintptr_t, intptr_t) -> intptr_t {
        return n == nachricht::DialogInit ? 1 : 0;
    });
    ASSERT_TRUE(dlg);
    const struct { EndeForm form; int antwort; bool endet; const char* titel; } faelle[] = {
        {EndeForm::Hinweis, antwort::Ok, true, "Hinweis"},
        {EndeForm::Info, antwort::Ok, true, "Velnor info"},
        {EndeForm::Info, antwort::Abbrechen, true, "Velnor info"},
        {EndeForm::InfoAbbrechen, antwort::Ok, false, "Velnor info"},
        {EndeForm::InfoAbbrechen, antwort::Abbrechen, true, "Velnor info"},
    };
    for (const auto& f : faelle) {
        fokusSetzen(dlg);
        const size_t ab = pt::boxLog().size();
        pt::boxAntworten({f.antwort});
        if (f.endet)
            pt::boxAntworten({antwort::Abbrechen});
        EXPECT_EQ(endeMelden(f.form, "kein Speicher"), f.endet) << f.titel << f.antwort;
        std::vector<std::pair<std::string, std::string>> boxen;
        for (size_t i = ab; i < pt::boxLog().size(); ++i)
            boxen.emplace_back(pt::boxLog()[i].titel, pt::boxLog()[i].text);
        std::vector<std::pair<std::string, std::string>> erwartet{{f.titel, "kein Speicher"}};
        if (f.endet)
            erwartet.emplace_back("SysInfo", meldungsTexte[803]);
        EXPECT_EQ(boxen, erwartet) << f.titel << f.antwort;
        EXPECT_EQ(fokusFenster(), dlg);
        EXPECT_FALSE(programmEndet());
        EXPECT_FALSE(programmStatus & programmBit::ProgrammSchliesst);
    }
    pt::boxAntworten({antwort::Ok, antwort::Nein});
    EXPECT_TRUE(endeMelden(EndeForm::Hinweis, "kein Speicher"));
    EXPECT_TRUE(programmEndet());
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
}
