// tests/app/test_oeffnen.cpp - the open command: the kinds it tells apart, what a refusal
// leaves, F2 without a network, and the reload of a network from memory
#include "app_hilfe.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "model/undo.h"
#include "platform/box.h"

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

// the answers to the boxes a case shows: OK to the notices, No to the offer to save
void antwortenFuer(const BoxTexte& boxen)
{
    for (const std::string& b : boxen)
        pt::boxAntworten({b.starts_with("SysInfo") ? antwort::Nein : antwort::Ok});
}

struct Oeffnen : AppFall {
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
};

} // namespace

TEST_F(Oeffnen, DieArtEntscheidenEndungUndErsteBytesUndNurLesbareArtenLoeschenDasNetz)
{
    const auto hinweis = [this](int n, const char* datei = nullptr) {
        return "Hinweis: " + (datei ? meldungFormatieren(n, ordner + datei) : meldungsTexte[n]);
    };
    // a file of a kind that can be read replaces the network: the network is offered first
    const std::string angebot = "SysInfo: " + meldungsTexte[803];
    const struct {
        const char* was;
        const char* datei;              // "": the dialog cancelled
        std::string inhalt;             // "" with ordner: a folder of that name; "-": no file
        int ergebnis;
        int art;                        // the network file's kind afterwards (5: left as it was)
        std::vector<int> neurone;       // afterwards; {1, 2} is the network before
        BoxTexte boxen;
    } faelle[] = {
        {"a network text", "netz.gui", einNeuron, 1, 1, {7}, {angebot}},
        {"another name, a byte order mark", "Netz.TXT", "\xEF\xBB\xBF" + einNeuron, 1, 1, {7}, {angebot}},
        // a file that fails inside its reader gives the network back
        {"refused", "kaputt.gui", netzText("7 7 ", {7, 7}), 0, 5, {1, 2}, {angebot, hinweis(247, "kaputt.gui")}},
        {"curve data, by the extension", "kurven.DAT", std::string("[datFile]\0", 10), 0, 5, {1, 2},
         {angebot, hinweis(842)}},
        {"sibling format, first bytes", "alt.sim", "100\n0\n0\n", 0, 5, {1, 2},
         {angebot, "Hinweis: Dateiende wurde vorzeitig erreicht", hinweis(902)}},
        {"a recording too short", "ton.wav", "RIFF", 0, 5, {1, 2},
         {"Hinweis: " + meldungFormatieren(1472, ordner + "ton.wav", meldungsTexte[1473])}},
        {"curve data that is not there", "fehlt.dat", "-", 0, 5, {1, 2}, {hinweis(73, "fehlt.dat")}},
        {"membrane potentials", "zelle.mpf", "NUMBER_OF_NEURONS=1\n", 0, 5, {1, 2}, {hinweis(903)}},
        {"a text of no known kind", "notiz.gui", "[programme]\n", 0, 5, {1, 2}, {hinweis(904, "notiz.gui")}},
        {"an empty file", "leer.gui", "-0", 0, 5, {1, 2}, {hinweis(904, "leer.gui")}},
        {"a file that is not there", "fehlt.gui", "-", 0, 5, {1, 2}, {hinweis(73, "fehlt.gui")}},
        {"a folder", "mappe.gui", "", 0, 5, {1, 2}, {hinweis(73, "mappe.gui")}},
        {"the dialog cancelled", "", "-", 0, 5, {1, 2}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
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
        pt::dateiAntworten({*f.datei ? pt::dateiAntwort(pfad) : pt::dateiAbbruch()});
        antwortenFuer(f.boxen);
        const size_t boxen = pt::boxLog().size();

        EXPECT_EQ(simulationOeffnen(1), f.ergebnis);
        // busy no more after a failure
        EXPECT_EQ(std::tuple(boxenAb(boxen), NeuronFall::nummern(), dateipfade.dateiArt,
                             (programmStatus & programmBit::Beschaeftigt) != 0),
                  std::tuple(f.boxen, f.neurone, f.art, f.ergebnis == 1));
        // a network that failed leaves the names of the one before
        if (f.ergebnis == 1)
            EXPECT_EQ(std::tie(dateipfade.vollerPfad, dateipfade.oeffnenPfad, datPfad.pfad),
                      std::tuple(pfad, pfad, pfad.substr(0, pfad.rfind('.')) + ".dat"));
        else
            EXPECT_EQ(dateipfade.netzName + dateipfade.vollerPfad, "vorher");
    }
}

TEST_F(Oeffnen, F2OhneNetzFragtNachDerDatei)
{
    laufbaresNetz(2, ordner);
    dateipfade.endung = "gui";
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    netzLoeschen();
    // "OK - F2" of a dialog: the network chosen in the open dialog is loaded and runs
    pt::dateiAntworten({pt::dateiAntwort(ordner + "netz.gui")});
    simulationAusDialogStarten();
    EXPECT_EQ(std::tuple(pt::dateiWahlLog().size(), NeuronFall::nummern()),
              std::tuple(1u, std::vector{1, 2}));
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
}

TEST_F(Oeffnen, NetzAusDemSpeicherNenntDenLeserDerVersagt)
{
    const struct {
        const char* was;
        int undo, kurven, einstellungenGelesen;   // the read under way; the settings reader's result
        std::string netz;
        int ergebnis;
        BoxTexte boxen;
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
        netzLoeschen();
        einstellungenGelesen = f.einstellungenGelesen;
        undoListe.wiederherstellen = f.undo;
        undoListe.text = datHeader.text = "[programmdefinitionen]\nsprache=1031\n" + f.netz;
        datHeader.flags = f.kurven ? datBit::WirdGeladen : 0;
        zeigen(haupt(), anzeige::Minimiert);
        antwortenFuer(f.boxen);
        const size_t boxen = pt::boxLog().size();
        EXPECT_EQ(netzwerkAusPufferLaden(), f.ergebnis);
        // after a load the main window is back
        EXPECT_EQ(std::tuple(boxenAb(boxen), NeuronFall::nummern(), istMinimiert(haupt())),
                  std::tuple(f.boxen, f.neurone, f.ergebnis == 0));
    }
}
