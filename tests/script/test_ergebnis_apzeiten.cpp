// tests/script/test_ergebnis_apzeiten.cpp - result files of AP times, and the result folder of a failed file
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "script/auswertungsdaten.h"
#include "model/permutationsfenster.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <filesystem>

namespace {
using namespace skripttest;

struct ApDateiFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
        dateipfade.vollerPfad = dateipfade.ergebnisVerzeichnis = "";
        maxBinDateiGroesse = 0;
        skriptMeldungenAnzeigen = 0;
        skriptLaufHaken = [] {
            NeuronDaten* motor = neuronNachNummer(2);
            motor->spikeZeiten = {0.0125f, 0.1f};
            motor->apAnzahl = 2;
        };
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        maxBinDateiGroesse = 0;
        SkriptFall::TearDown();
    }
    // the series script storing Motor's AP times: in a BIN file, and with APS in a table too
    std::string skriptText(const char* ergebnis)
    {
        std::string t = text();
        t.replace(t.find("ERG=W  BIN="), 11, ergebnis);
        t.erase(t.find(" EKU=1 EKU=3"), 12);
        return t;
    }
    static size_t tabellen(const std::string& ordner)
    {
        size_t n = 0;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            n += e.path().extension() == ".txt" && e.path().filename().string().starts_with("netz skript");
        return n;
    }
};

// the default kind: one AP block per result neuron with count 1 and no curve flag, as written
TEST_F(ApDateiFall, ApZeitenDateiWirdGelesenUndIndiziert)
{
    ASSERT_EQ(laden(skriptText("APS=1  BIN=1")), 1);
    ASSERT_EQ(skript.ergebnisArt, ergebnisArt::ApZeiten);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "ap.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    Auswertungsdaten a;
    a.ergebnisPfad = ordner + "ap.bin";
    ASSERT_EQ(ergebnisDateiLaden(a, 0), 1);
    ASSERT_EQ(a.skript.ergebnisneurone.size(), 1u);
    EXPECT_EQ(std::tuple(a.kopf.saetze, a.skript.ergebnisArt, a.skript.ergebnisneurone[0].nummer),
              std::tuple(7u, ergebnisArt::ApZeiten, 2));
    std::FILE* f = std::fopen(a.ergebnisPfad.c_str(), "rb");
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(ergebnisLesen(a, f), 1) << i;
        EXPECT_EQ(a.skript.ergebnisneurone[0].werte[0], (std::vector<float>{0.0125f, 0.1f})) << i;
    }
    std::fclose(f);
    EXPECT_EQ(a.satzZeiger, 0u);

    a.indexPfad = ordner + "ap.inx";
    ASSERT_EQ(ergebnisIndexSpeichern(a, 0), 1);
    ASSERT_EQ(ergebnisIndexErstellen(a, 0), 1);
    ASSERT_EQ(indexDateiListeAktualisieren(a), 1);
    Auswertungsdaten z;
    z.indexPfad = a.indexPfad;
    // the first file's header is read with its texts; the evaluation mode has asked before
    // anything loaded goes, so the index load itself asks nothing
    ASSERT_EQ(ergebnisIndexLaden(z), 1);
    EXPECT_TRUE(pt::boxLog().empty());
    ASSERT_EQ(z.index.size(), 7u);
    ASSERT_EQ(ergebnisNachIndexLesen(z, 6), 1);
    EXPECT_EQ(z.skript.ergebnisneurone[0].werte[0], (std::vector<float>{0.0125f, 0.1f}));
    for (std::FILE* h : z.handles)
        if (h)
            std::fclose(h);
}

// a BIN file that cannot be made in the chosen folder leaves the result folder alone: the
// next run's AP table is made, and the save dialog is asked again
TEST_F(ApDateiFall, MisslungeneBinDateiSpeichertIhrenOrdnerNicht)
{
    ASSERT_EQ(laden(skriptText("APS=  BIN=")), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "fehlt/erg.bin")});
    pt::boxAntworten({1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[1147]);
    EXPECT_EQ(dateipfade.ergebnisVerzeichnis, "");

    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
    EXPECT_TRUE(plattform::dateiExistiert(ordner + "erg.bin"));
    EXPECT_EQ(tabellen(ordner), 2u);
    EXPECT_EQ(dateipfade.ergebnisVerzeichnis + "/", ordner);
}

} // namespace
