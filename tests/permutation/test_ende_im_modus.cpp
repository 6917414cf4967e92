// tests/permutation/test_ende_im_modus.cpp - the end of the program in the permutation mode:
// an unsaved definition is offered as leaving the mode offers it, the network is saved with
// the user's values, and nothing stays behind
#include "permutation_hilfe.h"
#include "files/netzdatei.h"
#include "permutation/lauf.h"
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

using namespace permutationstest;
using EndeImModus = PermutationFall;

// Cancel keeps the program with the mode, the definition and the network's file as they
// were; a save dialog cancelled after Yes too. Yes saves the definition, then the end goes on
// without an offer for the network, which is its file as saved.
TEST_F(EndeImModus, UngespeicherteDefinitionWirdAngebotenAbbrechenLaesstDasProgramm)
{
    const struct {
        std::vector<int> antworten;
        const char* datei;             // the save dialog's answer after Yes; null: none shown
        bool endet;
    } faelle[] = {
        {{antwort::Abbrechen}, nullptr, false},
        {{antwort::Ja}, "", false},
        {{antwort::Ja}, "def.pmt", true},
    };
    modusAn();
    dateipfade.endung = "gui";
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    const std::string netz = lesen(dateipfade.vollerPfad);
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.antworten[0]) + (f.datei ? std::string(" then ") + f.datei : ""));
        modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
        boxenVergessen();
        for (int a : f.antworten)
            pt::boxAntworten({a});
        if (f.datei)
            pt::dateiAntworten({*f.datei ? pt::dateiAntwort(ordner + f.datei) : pt::dateiAbbruch()});
        senden(haupt(), nachricht::Schliessen);
        nachrichtenVerarbeiten();

        ASSERT_FALSE(boxen().empty());
        EXPECT_EQ(boxen()[0], meldungsTexte[542]);
        EXPECT_EQ(pt::boxLog()[boxenVorher].art & 0xF, knoepfe::JaNeinAbbrechen);
        EXPECT_EQ(boxen().size(), 1u);
        EXPECT_EQ(programmEndet(), f.endet);
        if (f.endet)
            break;
        EXPECT_TRUE(istFenster(haupt()));
        EXPECT_EQ(modusStatus & (modusBit::Permutationsmodus | modusBit::DefinitionUngespeichert),
                  modusBit::Permutationsmodus | modusBit::DefinitionUngespeichert);
        EXPECT_EQ(fensterMenue(haupt()), fensterhandles.permutationsMenue);
        EXPECT_EQ(lesen(dateipfade.vollerPfad), netz);
    }
    EXPECT_TRUE(std::filesystem::exists(ordner + "def.pmt"));
}

// No ends without the definition. The main menu loaded at the start was not the bar when
// the window went: the end frees it.
TEST_F(EndeImModus, NeinEndetOhneDefinitionUndDasHauptmenueGehtMit)
{
    modusAn();
    modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
    pt::boxAntworten({antwort::Nein, antwort::Nein});   // the definition, then the network's own offer
    senden(haupt(), nachricht::Schliessen);
    nachrichtenVerarbeiten();
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[542], meldungFormatieren(801, ordner + "netz")}));
    ASSERT_TRUE(programmEndet());
    EXPECT_TRUE(pt::dateiWahlLog().empty());
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
}

// The end offers the network, edited, while a free permutation's levels are in it: Yes
// saves the user's values with the edit, byte for byte what the network held before the
// levels, and the end goes on; so where the main window is destroyed without the close.
class EndeMitLeveln : public PermutationFall {
protected:
    void endeMitJa(bool schliessen)
    {
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        const std::string pfad = dateipfade.vollerPfad;
        permutationsDefinition.auswerteNeuron = 1;
        permutationsDefinition.levelAnzahl = 2;
        permutationsDefinition.synapsen = {{synapsenId(2, 1), {1e-8, 2e-8}}};
        permutationsLaufHaken = [] { return Laufausgang::Beendet; };
        modusAn();
        modusStatus |= modusBit::DefinitionDa;
        neuronSuchen(3)->x += 9;             // an edit of the user's, not saved yet
        std::string erwartet;
        ASSERT_TRUE(netzDateiText(erwartet));
        pt::dialogSkript(146, {pt::schritt::tippen(1251, "1"), pt::schritt::klicken(1)});
        pt::dialogSkript(146, {pt::schritt::klicken(2)});
        befehl(befehlPmtFreieReihenfolge);
        permutationsLaufHaken = nullptr;
        ASSERT_EQ(synapseNachId(synapsenId(2, 1))->initialLeitfaehigkeit, 2e-8);

        boxenVergessen();
        pt::boxAntworten({antwort::Ja});
        if (schliessen)
            senden(haupt(), nachricht::Schliessen);
        else
            fensterZerstoeren(haupt());
        nachrichtenVerarbeiten();
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(801, pfad)}));
        EXPECT_TRUE(programmEndet());
        EXPECT_EQ(lesen(pfad), erwartet);
    }
};

TEST_F(EndeMitLeveln, JaBeimSchliessenSpeichertDieWerteDesBenutzers) { endeMitJa(true); }
TEST_F(EndeMitLeveln, JaWennDasHauptfensterOhneSchliessenGehtSpeichertDieWerteDesBenutzers) { endeMitJa(false); }
