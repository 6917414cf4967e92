// tests/permutation/test_ergebnisse_laden.cpp - the records of indexed results loaded, and
// unloading
#include "ergebnis_hilfe.h"
#include <functional>
#include <numeric>

using namespace permutationstest;

namespace {

class Laden : public ErgebnisFall {
protected:
    // a.bin (3 records) and b.bin (4) scanned; the entries' values set apart from the stored ones
    void indexieren(int a = 3, int b = 4)
    {
        const std::string pa = datei("a.bin", a, 0), pb = datei("b.bin", b, a);
        pt::dateiAntworten({pt::dateiAntwort(pa), pt::dateiAntwort(pb)});
        pt::boxAntworten({antwort::Ja, antwort::Nein});
        ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), a + b);
        for (PermutationsIndexEintrag& e : z().index)
            e.wert = 100.0f + static_cast<float>(e.nummer);
        boxenVergessen();
    }
    void anzahl(const std::string& text, std::function<void(Fenster)> pruefen = nullptr)
    {
        std::vector<pt::DialogSchritt> s;
        if (pruefen)
            s.push_back(pruefen);
        s.push_back(pt::schritt::tippen(1251, text));
        s.push_back(pt::schritt::klicken(1));
        pt::dialogSkript(146, s);
    }
    std::vector<int> geladen() const
    {
        std::vector<int> n;
        for (const PermutationsErgebnis& e : permutationsErgebnisse.ergebnisse)
            n.push_back(e.nummer);
        return n;
    }
};

} // namespace

// Every record is read whole: number, AP times, class values, level bytes; its value is the
// entry's, not the stored quality. The count asked defaults to a tenth, "max" takes all.
TEST_F(Laden, SaetzeMitDemWertIhresEintrags)
{
    indexieren();
    permutationsZeitachseGerundet = true;
    anzahl("MAX", [](Fenster d) { EXPECT_EQ(pt::dialogElement(d, 1251)->text, "1"); });
    ASSERT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 1);
    ASSERT_EQ(geladen(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    const PermutationsErgebnis& r = z().ergebnisse[5];
    EXPECT_EQ(std::tuple(r.wert, r.apAnzahl, r.apZeiten, r.klassenWerte, r.level[0], r.level[1]),
              std::tuple(105.0f, 1, std::vector<float>{0.03f}, std::vector<float>{5.0f, 5.5f}, uint8_t{2}, uint8_t{0}));
    EXPECT_FLOAT_EQ(z().spaetesterAp, 0.04f);
    EXPECT_FALSE(permutationsZeitachseGerundet);
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);
    EXPECT_TRUE(std::all_of(z().dateien.handles.begin(), z().dateien.handles.end(), [](const OffeneDatei& d) { return !d; }));

    // loaded already: no question unless asked for; the count asked becomes the end
    EXPECT_EQ(permutationErgebnisseLaden(0, 99, 0, nullptr), 1);
    EXPECT_EQ(geladen().size(), 7u);
    anzahl("2");
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, ladeFlag::AnzahlFragen, nullptr), 1);
    EXPECT_EQ(geladen(), (std::vector<int>{0, 1}));
    anzahl("0");
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, ladeFlag::AnzahlFragen, nullptr), 0);
}

// The stop command at a hundred records asks (49): No goes on and loads every record once,
// Yes keeps what was read and counts as done.
TEST_F(Laden, StoppFrageNeinLaedtAllesEinmalJaBeendet)
{
    modusAn();
    indexieren(130, 120);
    for (const int antwort : {antwort::Nein, antwort::Ja}) {
        // results loaded already: no count is asked, and no dialog takes the command early
        z().ergebnisse.assign(1, PermutationsErgebnis{});
        boxenVergessen();
        posten(haupt(), nachricht::Befehl, machWParam(befehlPmtModusBeenden, 0));
        pt::boxAntworten({antwort});
        EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 1);
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(49, 100)}));
        std::vector<int> erwartet(antwort == antwort::Ja ? 100 : 250);
        std::iota(erwartet.begin(), erwartet.end(), 0);
        EXPECT_EQ(geladen(), erwartet);
    }
    EXPECT_EQ(statusTexte[0], "\tladen abgebrochen");
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
}

// An entry that does not point at a record of the loaded form - inside another record, at a
// level byte past the levels, at a file the list lacks - is said (45) and nothing stays.
TEST_F(Laden, EintragOhnePassendenSatzLaedtNichts)
{
    ErgebnisBauer b(2, 3, 2);
    b.satz(0, 1.0f, {0.5f});
    const int32_t zweiter = b.satz(1, 1.0f, {0.5f}, {1, 2});
    b.bytes[static_cast<size_t>(zweiter) + 12 + 8 + 1] = 3;   // the second synapse at level 3 of 3
    b.speichern(ordner + "a.bin");
    const int32_t erster = static_cast<int32_t>(ersterSatzOffset(2, 3, 2));
    const std::vector<PermutationsIndexEintrag> faelle[] = {
        {{0, erster, 0, 1.0f}, {0, erster + 8, 0, 1.0f}},
        {{0, erster, 0, 1.0f}, {1, zweiter, 0, 1.0f}},
        {{0, erster, 0, 1.0f}, {1, erster, 1, 1.0f}},
    };
    for (const auto& index : faelle) {
        permutationDatenFreigeben();
        z().synapsenAnzahl = 2;
        z().levelAnzahl = 3;
        z().dateien.namen = {ordner + "a.bin"};
        z().index = index;
        boxenVergessen();
        anzahl("max");
        pt::boxAntworten({antwort::Ok});
        EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 0);
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(45, index[1].nummer, index[1].dateiNummer ? "" : ordner + "a.bin")}));
        EXPECT_TRUE(nichtsGeladen());
    }
}

// An entry at the place of another whole record (entry 3 where record 5 lies) belongs to
// another index: every walk over the records refuses it with notice 45, the form that lets
// the program go on, and nothing is loaded or written.
TEST_F(Laden, EintragAmSatzEinerAnderenNummerWirdAbgelehnt)
{
    ErgebnisBauer b(2, 3, 2);
    std::vector<int32_t> offsets;
    for (int i = 0; i < 6; ++i)
        offsets.push_back(b.satz(i, 1.0f, {0.5f}));
    b.speichern(ordner + "a.bin");
    const auto einrichten = [&] {
        permutationDatenFreigeben();
        z().synapsenAnzahl = 2;
        z().levelAnzahl = 3;
        z().dateien.namen = {ordner + "a.bin"};
        z().index = {{0, offsets[0], 0, 1.0f}, {3, offsets[5], 0, 1.0f}};
        boxenVergessen();
    };
    const std::vector<std::string> meldung{meldungFormatieren(45, 3, ordner + "a.bin")};

    einrichten();
    anzahl("max");
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 0);
    EXPECT_EQ(boxen(), meldung);
    EXPECT_EQ(pt::boxLog().back().titel, "Hinweis");
    EXPECT_TRUE(nichtsGeladen());

    einrichten();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(synapsenstaerkenHaeufigkeitSpeichern(-1), 0);
    EXPECT_EQ(boxen(), meldung);
    EXPECT_TRUE(pt::dateiWahlLog().empty());
    EXPECT_FALSE(programmEndet());

    // the same entry at its own record loads
    einrichten();
    z().index[1].satzOffset = offsets[3];
    anzahl("max");
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 1);
    EXPECT_EQ(geladen(), (std::vector<int>{0, 3}));
}

// Nothing indexed: 400 and everything unloaded; an index without files: 83.
TEST_F(Laden, OhneIndexOderOhneDateien)
{
    z().einzel.nummer = 4;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 0);
    EXPECT_EQ(z().einzel.nummer, -1);
    z().index = {{1, 2113, 0, 1.0f}};
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[400], meldungsTexte[83]}));
}

// Unloading twice is harmless: nothing stays, the single result is empty (-1), the export
// settings are the automatic number format alone, and the files are closed.
TEST_F(Laden, ZweimalEntladen)
{
    indexieren();
    z().exportFlags = 3;
    z().einzel.nummer = 9;
    z().dateien.handles[0].reset(std::fopen((ordner + "a.bin").c_str(), "rb"));
    permutationDatenFreigeben();
    permutationDatenFreigeben();
    EXPECT_TRUE(nichtsGeladen());
    EXPECT_EQ(std::tuple(z().einzel.nummer, z().exportFlags, z().dateien.handles.size()), std::tuple(-1, 16u, size_t{0}));
    // the class count for copies is no part of the loaded results
    EXPECT_EQ(klassenAnzahlKopien, 2);
}

// The window is closed while results load: the load stops at its next block (Yes to the stop
// question), nothing is freed under it, and the end with its offer follows once it returned.
TEST_F(Laden, SchliessenWaehrendDesLadensEndetErstNachDemLaden)
{
    modusAn();
    indexieren(130, 120);
    z().ergebnisse.assign(1, PermutationsErgebnis{});
    boxenVergessen();
    posten(haupt(), nachricht::Schliessen);
    pt::boxAntworten({antwort::Ja});
    EXPECT_EQ(permutationErgebnisseLaden(0, -1, 0, nullptr), 1);
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(geladen().size(), 100u);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(49, 100)}));
    pt::boxAntworten({antwort::Nein});
    pt::uhrVorstellen(200);
    EXPECT_TRUE(programmEndet());
    EXPECT_EQ(boxen().size(), 2u);
}
