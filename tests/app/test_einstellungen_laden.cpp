// tests/app/test_einstellungen_laden.cpp - "Einstellungen laden" takes a settings file only:
// a network file, binary bytes or a text without a settings key are refused with one
// notice, and the settings, their path and the title stay
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "platform/box.h"

using namespace apphilfe;

namespace {

struct EinstellungenLaden : AppFall {
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    // the settings file chosen in the dialog of 41019; the boxes it gives: OK
    void laden(const std::string& datei)
    {
        pt::dateiAntworten({pt::dateiAntwort(datei)});
        pt::boxAntworten({antwort::Ok});
        befehl(befehlEinstellungenLaden);
        nachrichtenVerarbeiten();
    }
    // the boxes from the ab-th on
    BoxTexte boxenAb(size_t ab) const
    {
        const BoxTexte alle = gezeigteBoxen();
        return {alle.begin() + static_cast<std::ptrdiff_t>(std::min(ab, alle.size())), alle.end()};
    }
};

} // namespace

// A network file taken for settings would become the file every end writes the settings
// over: it is refused, and a regular end leaves it byte for byte as it was.
TEST_F(EinstellungenLaden, NetzdateiWirdAbgelehntUndBleibtNachDemEndeUnveraendert)
{
    laufbaresNetz(2, ordner);
    dateipfade.endung = "gui";
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    const std::string netzdatei = ordner + "netz.gui", netz = lesen(netzdatei);
    const std::string cfgVorher = cfgPfad, titelVorher = titel(haupt());
    const double dauer = simulationsParameter.simulationsDauer;

    const size_t boxen = pt::boxLog().size();
    laden(netzdatei);
    EXPECT_EQ(boxenAb(boxen), BoxTexte{"Hinweis: " + meldungFormatieren(938, netzdatei)});
    EXPECT_EQ(std::tuple(cfgPfad, titel(haupt()), simulationsParameter.simulationsDauer, NeuronFall::nummern()),
              std::tuple(cfgVorher, titelVorher, dauer, std::vector{1, 2}));

    // the end: the network is its file, so no save is offered; the settings go to their own file
    const size_t vorDemEnde = pt::boxLog().size();
    befehl(befehlProgrammBeenden);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(programmEndet());
    EXPECT_EQ(pt::boxLog().size(), vorDemEnde);
    EXPECT_EQ(lesen(netzdatei), netz);
    EXPECT_NE(lesen(cfgVorher).find("zuletzt geladene eingabedatei=netz"), std::string::npos);
}

// Binary bytes, a text without a single settings key and a network file with the program
// holding no network: each one notice, nothing else; a real settings file is taken.
TEST_F(EinstellungenLaden, NurEineEinstellungsdateiWirdGenommen)
{
    const std::string cfgVorher = cfgPfad, titelVorher = titel(haupt());
    std::string binaer = "sprache=1033\n";
    binaer += std::string("\0\x01\x02\xFF", 4);
    const struct {
        const char* was;
        std::string name, inhalt;
    } abgelehnt[] = {
        {"binary bytes, a key among them", "bytes.cfg", binaer},
        {"a text without a settings key", "notiz.cfg", "eine Notiz\nmit zwei Zeilen = ohne Schluessel\n"},
        {"a network file, no network loaded", "netz.cfg", "\xEF\xBB\xBF[neuronen-netzwerk-datei]\nanzahl neurone=1\n"},
    };
    for (const auto& f : abgelehnt) {
        SCOPED_TRACE(f.was);
        schreiben(ordner + f.name, f.inhalt);
        const size_t boxen = pt::boxLog().size();
        laden(ordner + f.name);
        EXPECT_EQ(boxenAb(boxen), BoxTexte{"Hinweis: " + meldungFormatieren(938, ordner + f.name)});
        EXPECT_EQ(std::tuple(cfgPfad, titel(haupt()), sprache, programmEndet()),
                  std::tuple(cfgVorher, titelVorher, spracheDeutsch, false));
        EXPECT_EQ(lesen(ordner + f.name), f.inhalt);
    }

    // a settings file becomes the settings file
    std::string andere = lesen(cfgVorher);
    const size_t undo = andere.find("maximale undo anzahl=");
    ASSERT_NE(undo, std::string::npos);
    andere.insert(undo + std::string_view("maximale undo anzahl=").size(), "4");
    schreiben(ordner + "andere.cfg", andere);
    const size_t boxen = pt::boxLog().size();
    laden(ordner + "andere.cfg");
    EXPECT_EQ(boxenAb(boxen), BoxTexte{});
    EXPECT_EQ(std::tuple(cfgPfad, titel(haupt()), programmOptionen.undoMaximum),
              std::tuple(ordner + "andere.cfg", ordner + "andere.cfg", 410));
}
