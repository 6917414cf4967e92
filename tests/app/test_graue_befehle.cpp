// tests/app/test_graue_befehle.cpp - a command whose menu item is grey does nothing when it
// arrives another way (a key, a replayed dialog, a posted command): no file chooser, no
// dialog, no file written, the network as it was
#include "app_hilfe.h"
#include "files/netzdatei.h"
#include "permutation/modus.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "resources/befehle.h"
#include "resources/menues.h"
#include "script/auswertung.h"
#include <algorithm>
#include <map>

using namespace apphilfe;

namespace {

// the commands of the menu whose items are grey, or lie under a grey submenu
void grauSammeln(Menue m, bool grau, std::vector<int>& aus)
{
    for (int i = 0; i < postenAnzahl(m); ++i) {
        const bool g = grau || istGrau(m, i, Nach::Position);
        if (Menue unter = untermenue(m, i))
            grauSammeln(unter, g, aus);
        else if (const int b = postenBefehl(m, i); b > 0 && g)
            aus.push_back(b);
    }
}

// the main window's menu of a table as its popups show it now
std::vector<int> graueHauptbefehle(std::span<const MenueZeile> tabelle)
{
    std::vector<int> grau;
    Menue m = menueLaden(tabelle);
    menueStandSetzen(m);
    grauSammeln(m, false, grau);
    menueZerstoeren(m);
    return grau;
}

// a window's own menu bar after each of its popups was announced
std::vector<int> graueBefehle(Fenster f)
{
    Menue leiste = fensterMenue(f);
    for (int i = 0; i < postenAnzahl(leiste); ++i)
        if (Menue unter = untermenue(leiste, i))
            senden(f, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(unter), i);
    std::vector<int> grau;
    grauSammeln(leiste, false, grau);
    return grau;
}

bool enthaelt(const std::vector<int>& v, std::initializer_list<int> befehle)
{
    return std::ranges::all_of(befehle, [&](int b) { return std::ranges::find(v, b) != v.end(); });
}

struct GraueBefehle : AppFall {
    std::filesystem::path vorherOrdner = std::filesystem::current_path();

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        std::filesystem::current_path(ordner);   // what a command writes beside the program lands here
    }
    void TearDown() override
    {
        std::filesystem::current_path(vorherOrdner);
        programmStatus &= ~programmBit::LaufAktiv;
        if (modusStatus & modusBit::Permutationsmodus)
            befehl(befehlPmtModusBeenden);
        auswertungAbbauen();
        skriptStatus = 0;
        AppFall::TearDown();
    }

    // what a grey command must leave as it was
    struct Stand {
        std::map<std::string, std::pair<uintmax_t, std::filesystem::file_time_type>> dateien;
        std::string netz, namen;
        size_t wahlen = 0, dialoge = 0;
        int markiert = 0;
        bool operator==(const Stand&) const = default;
    };
    Stand stand() const
    {
        Stand s;
        for (const auto& e : std::filesystem::recursive_directory_iterator(ordner))
            if (e.is_regular_file())
                s.dateien[e.path().string()] = {e.file_size(), e.last_write_time()};
        XBuffer b;
        EXPECT_TRUE(guiDateiSpeichern(0, &b, 0));
        s.netz = b.text();
        const Dateipfade& d = dateipfade;
        s.namen = d.netzName + "|" + d.vollerPfad + "|" + d.endung + "|" + std::to_string(d.ohneNetzdatei);
        std::tie(s.wahlen, s.dialoge, s.markiert) =
            std::tuple(pt::dateiWahlLog().size(), pt::dialogLog().size(), markierteNeurone.anzahl());
        return s;
    }
    // The stimulus dialogs say why they do not open, as F12 replays them; nothing else does.
    static int stimulusHinweis(int b)
    {
        if (b == befehlStrominjektion)
            return 518;
        return b == befehlStromReiz || b == befehlStromreizKennzeichnung ? 519 : 0;
    }
    // Each command sent to the window as a key or another window would send it: nothing
    // changes, and the only box is the notice hinweis gives (0: none).
    void nichtsGeschieht(Fenster f, const std::vector<int>& befehle,
                         const std::function<int(int)>& hinweis = stimulusHinweis)
    {
        ASSERT_FALSE(befehle.empty());
        for (int b : befehle) {
            SCOPED_TRACE(b);
            const Stand vorher = stand();
            const size_t boxen = pt::boxLog().size();
            const int n = hinweis(b);
            if (n)
                pt::boxAntworten({antwort::Ok});
            senden(f, nachricht::Befehl, machWParam(b, 0));
            nachrichtenVerarbeiten();
            EXPECT_TRUE(stand() == vorher);
            ASSERT_EQ(pt::boxLog().size(), boxen + (n ? 1 : 0)) << pt::boxLog().back().text;
            if (n) {
                EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[n]);
            }
            EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
        }
    }
};

} // namespace

// The main menu in the states a new user meets first: no network (saving, the curve data
// and foreign-format files, the neuron name among the grey ones), a network with no neuron
// marked, two marked, and a run, where what changes the network says why.
TEST_F(GraueBefehle, HauptmenueOhneNetzOhneMarkierungMitZweiMarkiertenUndImLauf)
{
    const auto tabelle = hauptmenueTabelle(sprache);
    std::vector<int> grau = graueHauptbefehle(tabelle);
    EXPECT_TRUE(enthaelt(grau, {befehlGuiDateiSpeichern, befehlGuiDateiSpeichernUnter, befehlDatDateiSpeichernUnter,
                                befehlSimDateiSpeichern, befehlSimDateiSpeichernUnter, befehlNeuronName}));
    nichtsGeschieht(haupt(), grau);
    EXPECT_EQ(neuronKette.anzahl, 0);

    laufbaresNetz(2, ordner);
    dateipfade.endung = "gui";
    grau = graueHauptbefehle(tabelle);
    EXPECT_TRUE(enthaelt(grau, {befehlNeuronName, befehlNeuroneLoeschen, befehlDefinitionExportieren}));
    nichtsGeschieht(haupt(), grau);

    neuronMarkieren(neuronKette.kopf, 1);
    neuronMarkieren(neuronKette.ende, 1);
    grau = graueHauptbefehle(tabelle);
    EXPECT_TRUE(enthaelt(grau, {befehlVoltageClamp, befehlKCaKanal}));
    nichtsGeschieht(haupt(), grau);

    neuronMarkieren(neuronKette.ende, 0);
    programmStatus |= programmBit::LaufAktiv;
    grau = graueHauptbefehle(tabelle);
    EXPECT_TRUE(enthaelt(grau, {befehlDateiOeffnen, befehlNeuronNeu, befehlBenutzerKanaele, befehlSimulationStarten}));
    nichtsGeschieht(haupt(), grau, [](int b) {
        return imLaufGesperrt(b) || b == befehlKCaKanal || b == befehlBenutzerKanaele ? 881 : stimulusHinweis(b);
    });
}

// The permutation mode's menus without a definition or results, a diagram window of a
// neuron without stimuli and without a rated spike train, and the evaluation window
// without result files.
TEST_F(GraueBefehle, PermutationsmodusDiagrammUndAuswertungsfenster)
{
    laufbaresNetz(1, ordner);
    dateipfade.endung = "gui";
    befehl(befehlDiagrammeAlle);
    const Fenster diagramm = neuronKette.kopf->hauptDiagramm.fenster;
    ASSERT_TRUE(istFenster(diagramm));
    const std::vector<int> diagrammGrau = graueBefehle(diagramm);
    EXPECT_TRUE(enthaelt(diagrammGrau, {186, 187, 188, 189, 278, 279}));
    nichtsGeschieht(diagramm, diagrammGrau);

    befehl(befehlAuswertemodus);
    ASSERT_TRUE(istFenster(auswertungsfenster.fenster));
    nichtsGeschieht(auswertungsfenster.fenster, graueBefehle(auswertungsfenster.fenster));
    ergebnisDateienSchliessen(auswertungsdaten);
    auswertungsfensterZerstoeren();

    pt::dateiAntworten({pt::dateiAbbruch()});   // no varied synapse: the mode asks for a definition
    befehl(befehlPermutationsmodusEinschalten);
    ASSERT_TRUE(modusStatus & modusBit::Permutationsmodus);
    for (Modusmenue art : {Modusmenue::Permutation, Modusmenue::Definition}) {
        const std::vector<int> grau = graueHauptbefehle(modusmenueTabelle(art, sprache));
        if (art == Modusmenue::Permutation) {
            EXPECT_TRUE(enthaelt(grau, {befehlPmtDefinitionSpeichern, befehlPmtStarten, befehlPmtSortGuete,
                                        befehlPmtIndexSpeichernUnter}));
        }
        nichtsGeschieht(haupt(), grau);
    }
}
