// tests/script/test_epspbewertung.cpp - rating an EPSP table against the norm series
#include "script/epspbewertung.h"
#include "model/ergebnisdateien.h"
#include "platform/test/testplattform.h"
#include "testhilfe.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {
namespace pt = plattform::test;

const std::string kopf = "netz skript 311104 210509\nSimulations#\tparameter\tEPSP-Anzahl\tEPSP-Amplituden\n";
const std::string par = "\t0,001\t0,002\t0,5\t0,003\t0,004\t0,25\t1e-09\t2e-09\t";
const std::string zeilen = "1" + par + "4\t-0,0700\t-0,0680\t-0,0660\t-0,0650\t\n" +
                           "2" + par + "3\t-0,0740\t-0,0720\t-0,0700\t\n" + "3" + par + "1\t-0,0700\t\n";

struct EpspBewertung : ::testing::Test {
    std::string ordner = testhilfe::tempOrdner("epspbewertung");
    void SetUp() override
    {
        pt::zuruecksetzen();
        asciiExportEinstellungen.dezimalzeichen = ',';
    }
    // rates the table with this body; the answers for the boxes that follow
    void bewerten(const std::string& rumpf, std::initializer_list<int> antworten)
    {
        for (const char* alt : {"epsp Ergebnis.txt", "epsp Ergebnis kurz.txt"})
            std::filesystem::remove(ordner + alt);
        testhilfe::schreiben(ordner + "epsp.txt", kopf + rumpf);
        pt::dateiAntworten({pt::dateiAntwort(ordner + "epsp.txt")});
        pt::boxAntworten(antworten);
        textErgebnisAuswerten();
        EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    }
};

TEST_F(EpspBewertung, DreiSimulationenSortiertMitBesterAusgewiesen)
{
    bewerten(zeilen, {6, 1});
    const std::string lang = testhilfe::lesen(ordner + "epsp Ergebnis.txt");
    const std::string kurz = testhilfe::lesen(ordner + "epsp Ergebnis kurz.txt");
    const std::string bester = "bester Guetefaktor (0,173559) bei Simulationsnummer 1\r\n";
    for (const std::string& teil :
         {"\r\n1" + par + "0,5556\t0,7778\t1,0000\t1,1111\tGF/EPSP:\t", std::string("\tGF gesamt:\t0,173559\r\n"),
          "\r\n3" + par + "GF/EPSP:\tGF gesamt:\tinf\r\n", "\r\n" + bester})
        EXPECT_NE(lang.find(teil), std::string::npos) << teil << lang;
    for (const std::string& teil : {"\r\n2" + par + "3\t0,920422\r\n", "\r\n3" + par + "1\tinf\r\n" + bester})
        EXPECT_NE(kurz.find(teil), std::string::npos) << teil << kurz;
    const std::string sortiert = testhilfe::lesen(ordner + "epsp Ergebnis kurz guete sortiert.txt");
    EXPECT_NE(sortiert.find("\n1\t0,173559" + par + "\n2\t0,920422" + par + "\n3\tinf\t"), std::string::npos) << sortiert;
    EXPECT_EQ(pt::boxLog().back().text, "fertig");
}

// a line that cannot be read ends the rating with its message; the lines before it stay
TEST_F(EpspBewertung, UnlesbareZeileBeendetMitIhrerMeldung)
{
    struct Fall { std::string zeile, meldung; };
    const Fall faelle[] = {
        {"4" + par + "1\t-0,07\t\n", "Fehler bei Simulationsnummer lesen bei Simulationsnummer 4"},
        {"3\tnan" + par + "1\t-0,07\t\n", "Fehler bei parameter lesen bei Simulationsnummer 3"},
        {"3" + par + "2\t-0,07\tinf\t\n", "Fehler bei epsp-amplitude lesen bei Simulationsnummer 3"},
        {"3" + par + "3\t-0,07\t-0,06\t\n4" + par + "0\t\n", "Fehler bei anzahl epsps lesen bei Simulationsnummer 3"},
        {"3" + par + "-1\t\n", "Fehler bei anzahl epsps lesen bei Simulationsnummer 3"},
    };
    for (const Fall& f : faelle) {
        bewerten(zeilen.substr(0, zeilen.find("\n3\t") + 1) + f.zeile, {1});
        EXPECT_EQ(pt::boxLog().back().text, f.meldung);
        const std::string kurz = testhilfe::lesen(ordner + "epsp Ergebnis kurz.txt");
        EXPECT_TRUE(kurz.find("\r\n2\t") != std::string::npos && kurz.find("bester") == std::string::npos) << kurz;
    }
}

TEST_F(EpspBewertung, UnnormierbareZeilenUndAmplitudenHinterDerNormZaehlenNicht)
{
    std::string viele(27 * 8, '\t');
    for (size_t i = 0; i < 27; ++i)
        viele.replace(i * 8, 7, "-0,0650");
    bewerten("1" + par + "2\t-0,075\t-0,07\t\n2" + par + "28\t" + viele + "-0,3\t\n", {7});
    const std::string kurz = testhilfe::lesen(ordner + "epsp Ergebnis kurz.txt");
    // the second-to-last on the baseline: never best; 28 amplitudes: index 26 and 27 add 0
    EXPECT_NE(kurz.find("\r\n1" + par + "2\tinf\r\n"), std::string::npos) << kurz;
    EXPECT_NE(kurz.find("bei Simulationsnummer 2\r\n"), std::string::npos) << kurz;
    EXPECT_NE(testhilfe::lesen(ordner + "epsp Ergebnis.txt").find("\t0\t0\tGF gesamt:"), std::string::npos);
}

} // namespace
