// tests/script/test_skriptfremdes.cpp - what does not belong in a script file, and numbers past an int
#include "skript_hilfe.h"
#include "script/epspbewertung.h"
#include "core/skriptwerte.h"
#include "files/netzdefinition.h"
#include "model/permutationsfenster.h"
#include "model/skript.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <filesystem>

namespace {
using namespace skripttest;

// a file of binary bytes is no script: one notice, however many would-be keywords it holds
TEST_F(SkriptFall, DateiMitNullBytesWirdMitEinerMeldungAbgelehnt)
{
    std::string bytes = "SDAUER=0,2 ";
    for (int i = 0; i < 2000; ++i)
        bytes += std::string("\0QX", 3) + static_cast<char>('A' + i % 26) + "=" + static_cast<char>(i) + "\n";
    pt::boxAntworten({1});
    EXPECT_EQ(laden(bytes), 0);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text,
              "die datei\n" + ordner + "t.skr\nenth\xE4lt null-bytes und ist keine skript-datei. es wurde nichts geladen.");
    EXPECT_FALSE(skriptStatus & skriptBit::Geladen);
}

// the settings file and a neuron definition file are no scripts: after ten notices of unknown
// statements one notice says so, and the script loaded before stays as it was
TEST_F(SkriptFall, FremdeDateiLaedtNichtsUndLaesstDasGeladeneSkript)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        neuronMarkieren(n, 1);
    ASSERT_TRUE(netzwerkDefinitionSchreiben(ordner + "netz.def"));
    const std::string einstellungen =
        std::filesystem::canonical(std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/default.cfg");
    testhilfe::schreiben(ordner + "reizserie.skr", text());
    pt::boxAntworten({1});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "reizserie.skr")});
    ASSERT_EQ(skriptLaden(skript), 1);
    const uint32_t status = skriptStatus;
    for (const std::string& fremd : {einstellungen, ordner + "netz.def"}) {
        pt::zuruecksetzen();
        pt::boxAntworten({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        pt::dateiAntworten({pt::dateiAntwort(fremd)});
        EXPECT_EQ(skriptLaden(skript), 0);
        ASSERT_EQ(pt::boxLog().size(), 11u) << fremd;
        EXPECT_NE(pt::boxLog()[9].text.find(" in zeile "), std::string::npos) << pt::boxLog()[9].text;
        EXPECT_EQ(pt::boxLog()[10].text, "die datei\n" + fremd + "\nliest sich nicht als skript: nach 10 unbekannten "
                                         "anweisungen wurde das lesen beendet. es wurde nichts geladen.");
        EXPECT_EQ(std::tuple(skriptStatus, skript.anweisungen.size(), dateipfade.letzteSkriptDatei),
                  std::tuple(status, 23u, ordner + "reizserie.skr"));
    }
}

// nine slips in a script load with their notices; a tenth makes it no script, and what its
// lines before had set outside the record goes back
TEST_F(SkriptFall, ZehnteUnbekannteAnweisungMachtDieDateiZuKeinemSkript)
{
    std::string t = "SDAUER=0,2 SAUFLOESUNG=0,0001 SELSYNDELAY=OHNE DEZ=46 FIL=500000 APS= ENEURON=2 NEU=1 PSP=\n";
    for (int i = 0; i < 9; ++i, pt::boxAntworten({1, 1}))
        t += "Zeile=" + std::to_string(i) + "\n";
    const uint32_t maxBin = maxBinDateiGroesse;
    pt::boxAntworten({1, 1, 1});   // with the loop's: two loads' notices, the refusal, the report
    EXPECT_EQ(laden(t + "Zeile=9\nSIM=\n"), 0);
    ASSERT_EQ(pt::boxLog().size(), 11u);
    EXPECT_EQ(pt::boxLog()[9].text, "unm\xF6gliche anweisung Z in zeile 11:\nZeile=9");
    EXPECT_EQ(std::tuple(skriptStatus, skript.anweisungen.size(), asciiExportEinstellungen.dezimalzeichen, maxBinDateiGroesse,
                         neuronNachNummer(2)->apZeitenAufzeichnen, neuronNachNummer(1)->pspModus),
              std::tuple(0u, 0u, int(','), maxBin, 0, 0));
    EXPECT_EQ(laden(t + "SIM=\n"), 1);
    EXPECT_EQ(pt::boxLog().size(), 21u);
    EXPECT_EQ(std::tuple(asciiExportEinstellungen.dezimalzeichen, neuronNachNummer(2)->apZeitenAufzeichnen),
              std::tuple(int('.'), 1));
}

// an unknown keyword's line shows the bytes that print nothing as \xNN
TEST_F(SkriptFall, UnbekanntesWortZeigtSteuerzeichenMaskiert)
{
    pt::boxAntworten({1, 1, 1, 1});
    laden("SDAUER=0,2 SAUFLOESUNG=0,0001 SELSYNDELAY=OHNE XQZ=a\x1b\x7f\x81" "b\n");
    ASSERT_FALSE(pt::boxLog().empty());
    const std::string& t = pt::boxLog()[0].text;
    EXPECT_EQ(t, "m\xF6gliche aber ung\xFCltige anweisung XQZ in zeile 1:\nSDAUER=0,2 SAUFLOESUNG=0,0001 SELSYNDELAY=OHNE XQZ=a\\x1B\\x7F\\x81b");
    EXPECT_EQ(t.find('\x1b'), std::string::npos);
}

// the remaining time of 2147483647 planned runs at 2 s each, in whole hours past any int
TEST(SkriptRestzeit, GrosseRestzeitOhneUeberlauf)
{
    pt::zuruecksetzen();
    statusTexte = {};
    skriptStatus = skriptBit::Laeuft;
    skriptLaufwerte = {};
    skriptLaufwerte.laeufe = 2147483647;
    skriptLaufwerte.startZeit = plattform::uhrSekunden() - 2.0;
    ASSERT_EQ(plattform::uhrSekunden() - skriptLaufwerte.startZeit, 2.0);
    skriptLaufEnde();
    EXPECT_EQ(statusTexte[1], "\tRest: 1193046:28:12");
    skriptStatus = 0;
    skriptLaufwerte = {};
}

// a simulation number out of order is named as it stands, also beyond the int range
TEST(EpspBewertungNummer, MeldungNenntDieGeleseneNummerJenseitsVonInt)
{
    pt::zuruecksetzen();
    asciiExportEinstellungen.dezimalzeichen = ',';
    const std::string ordner = testhilfe::tempOrdner("epspnummer");
    const std::string par = "\t0,001\t0,002\t0,5\t0,003\t0,004\t0,25\t1e-09\t2e-09\t";
    testhilfe::schreiben(ordner + "epsp.txt", "kopf\nSimulations#\tparameter\n1" + par + "1\t-0,07\t\n4294967298" + par +
                                                  "1\t-0,07\t\n");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "epsp.txt")});
    pt::boxAntworten({1});
    textErgebnisAuswerten();
    ASSERT_FALSE(pt::boxLog().empty());
    EXPECT_EQ(pt::boxLog().back().text, "Fehler bei Simulationsnummer lesen bei Simulationsnummer 4294967298");
}

} // namespace
