// tests/permutation/test_neubewertung.cpp - indexed results rated again with the current
// analysis classes: the values, the two text files, the sort, the index offered, the end
// of the last class, and the ways it stops or fails
#include "bewertung_hilfe.h"

using namespace permutationstest;

namespace {

// the trains of the records 0..3: default classes rate them differently, not in this order
const std::vector<std::vector<float>> zuege = {
    {0.2f, 0.3f},
    {0.12f, 0.2f, 0.3f, 0.4f, 0.52f, 0.53f, 0.54f, 0.55f},
    {},
    {0.2f, 0.3f, 0.52f, 0.6f, 0.9f, 1.0f, 1.1f},
};

class Neubewertung : public BewertungsFall {
protected:
    void SetUp() override
    {
        BewertungsFall::SetUp();
        simulationsParameter.simulationsDauer = 1.5;
        analyseKlassen = standardKlassen();
        permutationsDefinition.apAnzahlBeruecksichtigen = 0;
    }
    // r.bin of the trains (repeated to anzahl records), values 100 + number, scanned
    void indexieren(size_t anzahl = 4)
    {
        permutationDatenFreigeben();
        ErgebnisBauer b(2, 3, 2);
        for (size_t i = 0; i < anzahl; ++i)
            b.satz(static_cast<int>(i), 100.0f + static_cast<float>(i), zuege[i % zuege.size()]);
        b.speichern(ordner + "r.bin");
        pt::dateiAntworten({pt::dateiAntwort(ordner + "r.bin")});
        pt::boxAntworten({antwort::Nein});
        ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), static_cast<int>(anzahl));
        boxenVergessen();
    }
    static float erwartet(size_t i)
    {
        Klassentabelle t = standardKlassen();
        t.back().ende = 1.5f;
        return analyseKlassenZuordnen(t, 0, zuege[i].data(), static_cast<int>(zuege[i].size()));
    }
};

} // namespace

// Four entries get the values of the current classes over their trains: "index_unsortiert.txt"
// holds them in index order, "index_sortiert.txt" ascending; the index is sorted by value,
// "<net> 2" is offered when "<net> 1.inx" exists and saves the re-rated entries; loaded
// records are released.
TEST_F(Neubewertung, VierEintraegeBewertetSortiertUndAngeboten)
{
    indexieren();
    z().ergebnisse.resize(2);
    testhilfe::schreiben(ordner + "netz 1.inx", "x");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "neu.inx")});
    ASSERT_EQ(binDateiBewerten(-1), 1);
    EXPECT_TRUE(boxen().empty());

    const std::vector<std::string> unsortiert = zeilen(testhilfe::lesen("index_unsortiert.txt"));
    const std::vector<std::string> sortiert = zeilen(testhilfe::lesen("index_sortiert.txt"));
    ASSERT_EQ(unsortiert.size(), 4u);
    ASSERT_EQ(sortiert.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        char zeile[64];
        std::snprintf(zeile, sizeof zeile, "%d  %f\r", static_cast<int>(i), static_cast<double>(erwartet(i)));
        EXPECT_EQ(unsortiert[i], zeile);
    }
    for (size_t i = 1; i < 4; ++i)
        EXPECT_LE(std::stod(sortiert[i - 1].substr(3)), std::stod(sortiert[i].substr(3))) << sortiert[i];
    for (size_t i = 1; i < 4; ++i)
        EXPECT_LE(z().index[i - 1].wert, z().index[i].wert);
    for (const PermutationsIndexEintrag& e : z().index)
        EXPECT_EQ(e.wert, erwartet(static_cast<size_t>(e.nummer)));
    EXPECT_NE(nummern(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.name, "netz 2");
    EXPECT_TRUE(z().ergebnisse.empty());

    IndexKopf k;
    std::vector<PermutationsIndexEintrag> gespeichert;
    const std::string bytes = testhilfe::lesen(ordner + "neu.inx");
    ASSERT_TRUE(indexKopfDekodieren(bytes, k));
    ASSERT_TRUE(indexEintraegeDekodieren(bytes, k, gespeichert));
    ASSERT_EQ(gespeichert.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(std::pair(gespeichert[i].nummer, gespeichert[i].wert), std::pair(z().index[i].nummer, z().index[i].wert));
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);
}

// A last class that starts after the run's end: its end is asked for until it lies after
// its start and reaches the end of the run; text without a number is refused by name, a
// comma is a decimal point. Cancel leaves nothing loaded.
TEST_F(Neubewertung, LetzteKlasseNachDemLaufendeFragtNachEinemEnde)
{
    indexieren();
    analyseKlassen.back().start = 1.6f;
    pt::dialogSkript(146, {[](Fenster d) { EXPECT_EQ(pt::dialogElement(d, 1251)->text, "1.700000"); },
                           pt::schritt::tippen(1251, "nan"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "1,2"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "1,8"), pt::schritt::klicken(1)});
    pt::boxAntworten({antwort::Ok});
    pt::dateiAntworten({pt::dateiAbbruch()});
    ASSERT_EQ(binDateiBewerten(-1), 1);
    EXPECT_EQ(analyseKlassen.back().ende, 1.8f);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(952, meldungsTexte[144])}));

    analyseKlassen.back().start = 1.6f;
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    EXPECT_EQ(binDateiBewerten(-1), 0);
    EXPECT_TRUE(nichtsGeladen());
}

// A run's duration that single precision rounds down (1.4 s) is the last class's end as it
// stands: no end is asked for, which no answer could ever satisfy.
TEST_F(Neubewertung, DauerInEinfacherGenauigkeitFragtNichtOhneEnde)
{
    indexieren();
    simulationsParameter.simulationsDauer = 1.4;
    analyseKlassen.back().start = 1.0f;
    pt::dateiAntworten({pt::dateiAbbruch()});
    const size_t dialoge = pt::dialogLog().size();
    ASSERT_EQ(binDateiBewerten(-1), 1);
    EXPECT_EQ(pt::dialogLog().size(), dialoge);
    EXPECT_EQ(analyseKlassen.back().ende, 1.4f);
}

// Without a class nothing is rated: no value changes, no file is written, no dialog opens,
// and 0 comes back. Through the command, Cancel at question 544 does the same.
TEST_F(Neubewertung, OhneKlasseWirdNichtsBewertet)
{
    indexieren();
    analyseKlassen.clear();
    EXPECT_EQ(binDateiBewerten(-1), 0);
    for (const PermutationsIndexEintrag& e : z().index)
        EXPECT_EQ(e.wert, 100.0f + static_cast<float>(e.nummer));
    EXPECT_FALSE(vorhanden("index_unsortiert.txt"));

    modusAn();
    pt::boxAntworten({antwort::Abbrechen});
    befehl(befehlPmtNeuBewerten);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[544]}));
    EXPECT_EQ(z().index.size(), 4u);
    EXPECT_FALSE(vorhanden("index_unsortiert.txt"));
    EXPECT_EQ(pt::offeneWahlAntworten(), 0u);
}

// A text file that cannot be written ends with 75 instead of success, and no index is offered.
TEST_F(Neubewertung, TextdateiNichtGeschriebenMeldet75)
{
    indexieren();
    ergebnisSchreiben = [](const void*, size_t n, std::FILE*) { return n - 1; };
    pt::boxAntworten({antwort::Ok});
    const size_t wahlen = pt::dateiWahlLog().size();
    EXPECT_EQ(binDateiBewerten(-1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(75, "index_unsortiert.txt")}));
    EXPECT_EQ(pt::dateiWahlLog().size(), wahlen);
    EXPECT_FALSE(vorhanden("index_unsortiert.txt") || vorhanden("index_unsortiert.txt.teil"));
}

// The stop command during the walk unloads everything; so does a record that does not fit
// its index (45).
TEST_F(Neubewertung, StoppUndFremderSatzEntladen)
{
    modusAn();
    indexieren(150);
    posten(haupt(), nachricht::Befehl, machWParam(befehlPmtModusBeenden, 0));
    EXPECT_EQ(binDateiBewerten(-1), 0);
    EXPECT_TRUE(nichtsGeladen());
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);

    indexieren();
    z().index[2].satzOffset += 4;
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(binDateiBewerten(-1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(45, 2, ordner + "r.bin")}));
    EXPECT_TRUE(nichtsGeladen());
    EXPECT_FALSE(vorhanden("index_unsortiert.txt"));
}

// The command loads results when none are (mode 2), sorts them by number and, without
// classes, reads them from an analysis file (Yes at 544) before it rates.
TEST_F(Neubewertung, BefehlLaedtUndLiestKlassenAusDatei)
{
    modusAn();
    ASSERT_EQ(permutationsdefinitionSchreiben(ordner + "k.anl", 1), 1);
    analyseKlassen.clear();
    ErgebnisBauer b(2, 3, 2);
    for (int i : {3, 1, 2, 0})
        b.satz(i, 100.0f, zuege[static_cast<size_t>(i)]);
    b.speichern(ordner + "r.bin");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "r.bin"), pt::dateiAntwort(ordner + "k.anl"), pt::dateiAbbruch()});
    pt::boxAntworten({antwort::Nein, antwort::Ja});
    befehl(befehlPmtNeuBewerten);
    EXPECT_EQ(analyseKlassen.size(), 6u);
    const std::vector<std::string> unsortiert = zeilen(testhilfe::lesen("index_unsortiert.txt"));
    ASSERT_EQ(unsortiert.size(), 4u);
    EXPECT_EQ(unsortiert[0].substr(0, 3), "0  ");
    EXPECT_EQ(unsortiert[3].substr(0, 3), "3  ");
    EXPECT_TRUE(modusStatus & modusBit::IndexGeladen);
}
