// tests/app/test_oeffnen.cpp - the open command: the kinds it tells apart, what a refusal
// leaves, F2 without a network, and the reload of a network from memory
#include "app_hilfe.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "model/undo.h"
#include "platform/box.h"
#include <tuple>

using namespace apphilfe;

namespace {

// a network of the given neurons, each with an empty block
std::string netzText(const std::string& neurone, const std::vector<int>& bloecke)
{
    std::string t = "[neuronen-netzwerk-datei]\nanzahl neurone=" + std::to_string(bloecke.size()) +
                    "\nexistierende Neurone=" + neurone + "\n";
    for (int n : bloecke)
        t += "[NEURON " + std::to_string(n) + "] ***\n[ende NEURON " + std::to_string(n) + "] ***\n";
    return t + "[Dateiende]\n";
}
const std::string einNeuron = netzText("7 ", {7});

// the boxes from the ab-th on
BoxTexte boxenAb(size_t ab)
{
    const BoxTexte alle = gezeigteBoxen();
    return {alle.begin() + static_cast<std::ptrdiff_t>(ab), alle.end()};
}

class Oeffnen : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    void TearDown() override
    {
        undoListeLoeschen(undoListe);
        datHeader = {};
        netzPufferHaken = {};
        AppFall::TearDown();
    }
    // the user picks this file in the open dialog
    void waehlen(const std::string& datei) { pt::dateiAntworten({pt::dateiAntwort(ordner + datei)}); }
};

} // namespace

TEST_F(Oeffnen, DieArtEntscheidenEndungUndErsteBytesUndNurLesbareArtenLoeschenDasNetz)
{
    const std::string nichtDa = "Hinweis: " + meldungsTexte[886];
    const auto hinweis = [this](int n, const char* datei) {
        return "Hinweis: " + meldungFormatieren(n, ordner + datei);
    };
    const struct {
        const char* was;
        const char* datei;              // "": the dialog cancelled
        std::string inhalt;             // "" with ordner: a folder of that name; "-": no file
        int ergebnis;
        int art;                        // the network file's kind afterwards (5: left as it was)
        std::vector<int> neurone;       // afterwards; {1, 2} is the network before
        std::vector<std::string> boxen;
    } faelle[] = {
        {"a network text", "netz.gui", einNeuron, 1, 1, {7}, {}},
        {"a network text under another name, with a byte order mark", "Netz.TXT", "\xEF\xBB\xBF" + einNeuron,
         1, 1, {7}, {}},
        {"a network text the reader refuses", "kaputt.gui", netzText("7 7 ", {7, 7}), 0, 1, {},
         {hinweis(247, "kaputt.gui")}},
        {"a curve data file, by its extension", "kurven.DAT", std::string("[datFile]\0", 10), 0, -1, {},
         {"Hinweis: " + meldungsTexte[842]}},
        {"the sibling program's format, by its first bytes", "alt.sim", "100\n0\n0\n", 0, 0, {},
         {"Hinweis: Dateiende wurde vorzeitig erreicht", "Hinweis: " + meldungsTexte[902]}},
        {"a recording", "ton.wav", "RIFF", 0, -1, {}, {nichtDa}},
        {"a membrane-potential file", "zelle.mpf", "NUMBER_OF_NEURONS=1\n", 0, 5, {1, 2},
         {"Hinweis: sorry not implemented yet"}},
        {"a text of no known kind", "notiz.gui", "[programme]\n", 0, 5, {1, 2}, {hinweis(904, "notiz.gui")}},
        {"an empty file", "leer.gui", "-0", 0, 5, {1, 2}, {hinweis(904, "leer.gui")}},
        {"a file that is not there", "fehlt.gui", "-", 0, 5, {1, 2}, {hinweis(73, "fehlt.gui")}},
        {"a folder", "mappe.gui", "", 0, 5, {1, 2}, {hinweis(73, "mappe.gui")}},
        {"the dialog cancelled", "", "-", 0, 5, {1, 2}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const size_t boxenVorher = pt::boxLog().size();
        netzLoeschen();
        NeuronFall::neu(1);
        NeuronFall::neu(2);
        dateipfade.dateiArt = 5;
        dateipfade.netzName = "vorher";
        dateipfade.vollerPfad.clear();
        programmStatus |= programmBit::Beschaeftigt;
        const std::string pfad = ordner + f.datei;
        if (f.inhalt.empty())
            std::filesystem::create_directory(pfad);
        else if (f.inhalt != "-")
            schreiben(pfad, f.inhalt == "-0" ? "" : f.inhalt);
        for (size_t i = 0; i < f.boxen.size(); ++i)
            pt::boxAntworten({antwort::Ok});
        if (*f.datei)
            waehlen(f.datei);
        else
            pt::dateiAntworten({pt::dateiAbbruch()});

        EXPECT_EQ(simulationOeffnen(1), f.ergebnis);
        EXPECT_EQ(boxenAb(boxenVorher), f.boxen);
        EXPECT_EQ(std::tuple(NeuronFall::nummern(), dateipfade.dateiArt), std::tuple(f.neurone, f.art));
        // busy no more after a failure; a network that failed leaves no name to save under
        EXPECT_EQ((programmStatus & programmBit::Beschaeftigt) != 0, f.ergebnis == 1);
        if (f.ergebnis == 1)
            EXPECT_EQ(std::tie(dateipfade.vollerPfad, dateipfade.oeffnenPfad, datPfad.pfad),
                      std::tuple(pfad, pfad, pfad.substr(0, pfad.rfind('.')) + ".dat"));
        else
            EXPECT_EQ(dateipfade.netzName + dateipfade.vollerPfad, f.art == 5 ? "vorher" : "");
    }
    // every time the open dialog of the open command
    EXPECT_EQ(pt::dateiWahlLog().size(), std::size(faelle));
    EXPECT_TRUE(std::ranges::all_of(pt::dateiWahlLog(), [](const pt::DateiWahlEintrag& e) {
        return e.gefragt.titel == "open simulation" && !e.gefragt.speichern;
    }));
    // without the dialog and without a name there is nothing to open
    dateipfade.netzName.clear();
    programmStatus |= programmBit::Beschaeftigt;
    EXPECT_EQ(simulationOeffnen(0), 0);
    EXPECT_EQ(std::tuple(NeuronFall::nummern(), programmStatus & programmBit::Beschaeftigt),
              std::tuple(std::vector{1, 2}, 0u));
}

TEST_F(Oeffnen, F2OhneNetzFragtNachDerDateiUndEinAnderesNetzHebtDieLaufsperreAuf)
{
    laufbaresNetz(2, ordner);
    dateipfade.endung = "gui";
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    netzLoeschen();
    dateipfade.netzName.clear();
    dateipfade.vollerPfad.clear();
    // F2 without a network: the dialog first; cancelled, no run
    pt::dateiAntworten({pt::dateiAbbruch()});
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::dateiWahlLog().size(), 1u);
    EXPECT_FALSE(programmStatus & programmBit::LaufErgebnisDa);
    // "OK - F2" of a dialog: the network chosen is loaded and runs
    waehlen("netz.gui");
    simulationAusDialogStarten();
    EXPECT_EQ(std::tuple(pt::dateiWahlLog().size(), NeuronFall::nummern()),
              std::tuple(2u, std::vector{1, 2}));
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);

    // imported data locked the runs; opening another network lets them start again
    programmStatus |= programmBit::LaufGesperrt;
    programmStatus &= ~programmBit::LaufErgebnisDa;
    waehlen("netz.gui");
    befehl(befehlDateiOeffnen);
    EXPECT_FALSE(programmStatus & programmBit::LaufGesperrt);
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_EQ(pt::dateiWahlLog().size(), 3u);   // the network was there: F2 asked nothing
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
}

TEST_F(Oeffnen, NetzAusDemSpeicherNenntDenLeserDerVersagt)
{
    const std::string einstellungen = "[programmdefinitionen]\nsprache=1031\n";
    const struct {
        const char* was;
        int undo, kurven;               // which read is under way
        int einstellungenGelesen;       // the settings reader's result
        std::string netz;
        int ergebnis;
        std::vector<std::string> boxen;
        std::vector<int> neurone;
    } faelle[] = {
        {"an undo step", 1, 0, 1, einNeuron, 1, {}, {7}},
        {"a curve data file", 0, 1, 1, netzText("3 5 ", {3, 5}), 1, {}, {3, 5}},
        {"no read under way: no text", 0, 0, 1, einNeuron, 0, {"Hinweis: " + meldungsTexte[900]}, {}},
        {"the settings reader fails", 1, 0, 0, einNeuron, 0, {"Hinweis: " + meldungsTexte[900]}, {}},
        {"the network reader refuses", 0, 1, 1, netzText("7 7 ", {7, 7}), 0,
         {"Hinweis: " + meldungFormatieren(247, "netz.gui"), "Hinweis: " + meldungsTexte[901]}, {}},
    };
    static int einstellungenGelesen;
    netzPufferHaken.einstellungenLaden = [](int fragen) { return fragen == 0 ? einstellungenGelesen : -1; };
    dateipfade.vollerPfad = "netz.gui";
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const size_t boxenVorher = pt::boxLog().size();
        for (size_t i = 0; i < f.boxen.size(); ++i)
            pt::boxAntworten({antwort::Ok});
        netzLoeschen();
        einstellungenGelesen = f.einstellungenGelesen;
        undoListe.wiederherstellen = f.undo;
        undoListe.text = datHeader.text = einstellungen + f.netz;
        datHeader.flags = f.kurven ? datBit::WirdGeladen : 0;
        zeigen(haupt(), anzeige::Minimiert);

        EXPECT_EQ(netzwerkAusPufferLaden(), f.ergebnis);
        EXPECT_EQ(boxenAb(boxenVorher), f.boxen);
        EXPECT_EQ(NeuronFall::nummern(), f.neurone);
        // after a load the main window is back
        EXPECT_EQ(istMinimiert(haupt()), f.ergebnis == 0);
    }
}
