// tests/permutation/test_textexport.cpp - the text export of the loaded results, dialog 256
// and the level frequencies
#include "ergebnis_hilfe.h"
#include "model/zahlen.h"
#include "platform/steuerelemente.h"

using namespace permutationstest;

namespace {

class Textexport : public ErgebnisFall {
protected:
    void SetUp() override
    {
        ErgebnisFall::SetUp();
        dezimalzeichen = '.';
        dateipfade.programmVerzeichnis = ordner;
    }
    void TearDown() override
    {
        dezimalzeichen = ',';
        ergebnisSchreiben = [](const void* d, size_t n, std::FILE* f) { return std::fwrite(d, 1, n, f); };
        ErgebnisFall::TearDown();
    }
    PermutationsErgebnis ergebnis(int nummer, float wert, std::vector<float> aps)
    {
        PermutationsErgebnis e;
        e.nummer = nummer;
        e.wert = wert;
        e.apZeiten = std::move(aps);
        e.apAnzahl = static_cast<int>(e.apZeiten.size());
        return e;
    }
    // the export of the loaded results into "aus.txt"; its bytes
    std::string exportieren()
    {
        pt::dateiAntworten({pt::dateiAntwort(ordner + "aus.txt")});
        permutationTextdateiSpeichern();
        return testhilfe::lesen(ordner + "aus.txt");
    }
    // the definition varies the synapses 2->1 and 3->1 over the levels given
    void definition(std::vector<double> a, std::vector<double> b)
    {
        permutationsDefinition.synapsen = {{synapsenId(2, 1), std::move(a)}, {synapsenId(3, 1), std::move(b)}};
    }
};

} // namespace

// Number, quality and AP count with 2 decimals and the sign ',': the header and the row, CR LF.
TEST_F(Textexport, NummerGueteUndApAnzahlMitKomma)
{
    z().ergebnisse = {ergebnis(7, 1.25f, {0.1f, 0.2f, 0.3f})};
    z().exportFlags = exportFlag::Nummer | exportFlag::Guete | exportFlag::ApAnzahl;
    z().exportDezimalstellen = 2;
    dezimalzeichen = ',';
    EXPECT_EQ(exportieren(), "nummer\tg\xFCtewert\tanzahl APs\t\r\n7\t1,25\t3\t\r\n");
    EXPECT_EQ(statusTexte[0], "\t speichern beendet");
    EXPECT_FALSE(std::filesystem::exists(ordner + "aus.txt.teil"));
    const auto& w = pt::dateiWahlLog().back().gefragt;
    EXPECT_EQ(std::tuple(w.titel, w.ordner, w.endung), std::tuple(meldungsTexte[197], ordner, std::string("txt")));

    // "Auto": 15 significant digits; the decimal sign reaches every '.' of the row
    z().ergebnisse = {ergebnis(12, 0.5f, {})};
    z().exportFlags = exportFlag::Nummer | exportFlag::Guete | exportFlag::Auto;
    EXPECT_EQ(exportieren(), "nummer\tg\xFCtewert\t\r\n12\t0,5\t\r\n");
}

// Frequencies give two header cells per class above one data cell per class; levels as
// index and as value follow the definition, a synapse or level it lacks is an empty cell;
// extra values stand between two ";" cells.
TEST_F(Textexport, FrequenzenLevelUndZusatzwerte)
{
    z().synapsenAnzahl = 3;
    z().klassen.resize(2);
    z().klassen[1].start = 0.25f;
    z().zusatzAnzahl = 1;
    PermutationsErgebnis e = ergebnis(4, 2.0f, {});
    e.klassenWerte = {10.0f, 12.5f};
    e.level = {1, 5, 0};
    e.zusatzWerte = {3.0f};
    z().ergebnisse = {e};
    definition({1e-9, 2e-9}, {3e-9, 4e-9});
    z().exportFlags = exportFlag::LevelIndex | exportFlag::Level | exportFlag::Frequenzen | exportFlag::Zusatz | exportFlag::Auto;
    EXPECT_EQ(exportieren(),
              "Sensor links levelindex\tSensor rechts levelindex\t\t"
              "Sensor links level\tSensor rechts level\t\t"
              "Frequenz ab 0 s\t;\tFrequenz ab 0.25 s\t;\t"
              ";\tzusaetzliche Daten (1)\t;\t\r\n"
              "1\t5\t0\t"
              "2e-09\t\t\t"
              "10\t12.5\t"
              ";\t3\t;\t\r\n");
}

// A row of 20000 AP times is written whole.
TEST_F(Textexport, LangeZeileWirdGanzGeschrieben)
{
    z().ergebnisse = {ergebnis(1, 0.0f, std::vector<float>(20000, 0.125f))};
    z().exportFlags = exportFlag::ApZeiten | exportFlag::Auto;
    const std::string text = exportieren();
    const std::string zeile = text.substr(text.find("\r\n") + 2);
    EXPECT_EQ(std::count(zeile.begin(), zeile.end(), '\t'), 20000);
    EXPECT_EQ(zeile.substr(0, 12), "0.125\t0.125\t");
}

// With no records loaded, as many as asked are read straight from the files; "max" is all.
TEST_F(Textexport, OhneGeladeneSaetzeAusDenDateien)
{
    const std::string a = datei("a.bin", 5);
    pt::dateiAntworten({pt::dateiAntwort(a)});
    pt::boxAntworten({antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 5);
    z().exportFlags = exportFlag::Nummer;
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "max"), pt::schritt::klicken(1)});
    EXPECT_EQ(exportieren(), "nummer\t\r\n0\t\r\n1\t\r\n2\t\r\n3\t\r\n4\t\r\n");
    EXPECT_TRUE(z().ergebnisse.empty());
    EXPECT_EQ(z().einzel.nummer, 4);
}

// A row that cannot be written is said (75) and an old file of the name stays.
TEST_F(Textexport, FehlgeschlageneZeileWirdGemeldet)
{
    testhilfe::schreiben(ordner + "aus.txt", "alt");
    z().ergebnisse = {ergebnis(1, 0.0f, {})};
    z().exportFlags = exportFlag::Nummer;
    ergebnisSchreiben = [](const void*, size_t n, std::FILE*) { return n / 2; };
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(exportieren(), "alt");
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(75, ordner + "aus.txt")}));
    EXPECT_FALSE(std::filesystem::exists(ordner + "aus.txt.teil"));
    EXPECT_FALSE(modusStatus & (modusBit::TextExport | modusBit::DateiOperation));
}

// Dialog 256: what may be ticked follows the loaded results; a separator other than '.' or
// ',' beeps and keeps the dialog; OK builds the flags ("Auto" and the decimals only with the
// quality); Cancel changes nothing.
TEST_F(Textexport, DialogFreigabenTrennzeichenUndFlags)
{
    z().klassen.resize(2);
    klassenAnzahlKopien = 3;
    z().exportFlags = exportFlag::Nummer | exportFlag::Auto;
    pt::dialogSkript(256, {[](Fenster d) {
                               EXPECT_FALSE(pt::dialogElement(d, 2569)->freigegeben);   // extra values
                               EXPECT_TRUE(pt::dialogElement(d, 2564)->freigegeben);    // level index
                               EXPECT_FALSE(pt::dialogElement(d, 2563)->freigegeben);   // level, c differs
                               EXPECT_FALSE(pt::dialogElement(d, 2571)->freigegeben);   // decimals, "Auto" on
                               EXPECT_EQ(pt::dialogElement(d, 2573)->text, ".");
                           },
                           pt::schritt::klicken(2562), pt::schritt::klicken(2565),
                           [](Fenster d) { EXPECT_TRUE(pt::dialogElement(d, 2571)->freigegeben); },
                           pt::schritt::tippen(2571, "3"), pt::schritt::tippen(2573, ";"), pt::schritt::klicken(1),
                           [](Fenster d) { EXPECT_EQ(pt::dialogFokus(d), 2573); }, pt::schritt::tippen(2573, ","),
                           pt::schritt::klicken(2567), pt::schritt::klicken(1)});
    EXPECT_EQ(exportParameterDialogOeffnen(haupt()), 1);
    EXPECT_EQ(std::tuple(z().exportFlags, z().exportDezimalstellen, dezimalzeichen),
              std::tuple(exportFlag::Nummer | exportFlag::Guete | exportFlag::ApAnzahl, 3, int{','}));
    ASSERT_FALSE(pt::ereignisLog().empty());
    const auto piep = std::find_if(pt::ereignisLog().begin(), pt::ereignisLog().end(),
                                   [](const pt::Ereignis& e) { return e.art == pt::Ereignis::Piep; });
    ASSERT_NE(piep, pt::ereignisLog().end());
    EXPECT_EQ(std::tuple(piep->a, piep->b), std::tuple(1000, 40));

    // "Auto" ticked without the quality is no flag; decimals with no number are refused
    pt::dialogSkript(256, {pt::schritt::tippen(2571, "x"), pt::schritt::klicken(1), pt::schritt::klicken(2565),
                           pt::schritt::klicken(2562), pt::schritt::klicken(1)});
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(exportParameterDialogOeffnen(haupt()), 1);
    EXPECT_EQ(z().exportFlags, exportFlag::Nummer | exportFlag::ApAnzahl);
    EXPECT_EQ(boxen().size(), 1u);

    pt::dialogSkript(256, {pt::schritt::klicken(2561), pt::schritt::tippen(2573, "."), pt::schritt::klicken(2)});
    EXPECT_EQ(exportParameterDialogOeffnen(haupt()), 2);
    EXPECT_EQ(std::tuple(z().exportFlags, dezimalzeichen), std::tuple(exportFlag::Nummer | exportFlag::ApAnzahl, int{','}));
}

// n = 2, m = 4 over 6 entries: two lines of four counts, each adding up to 6, named by the
// presynaptic neurons; results without classes count too.
TEST_F(Textexport, LevelHaeufigkeitenZweiMalVier)
{
    ErgebnisBauer b(2, 4, 0);
    const std::array<std::array<uint8_t, 20>, 6> level{{{0, 3}, {1, 3}, {1, 2}, {3, 3}, {1, 0}, {2, 3}}};
    for (int i = 0; i < 6; ++i)
        b.satz(i, 1.0f, {0.5f}, level[static_cast<size_t>(i)]);
    b.speichern(ordner + "h.bin");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "h.bin")});
    pt::boxAntworten({antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 6);
    definition({1e-9, 2e-9, 3e-9, 4e-9}, {1e-9, 2e-9, 3e-9, 4e-9});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "h.txt")});
    EXPECT_EQ(synapsenstaerkenHaeufigkeitSpeichern(-1), 1);
    EXPECT_EQ(testhilfe::lesen(ordner + "h.txt"), "Sensor links:\t1\t3\t1\t1\t\r\nSensor rechts:\t1\t0\t1\t4\t\r\n");
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.titel, "textdatei speichern");

    // the first two only; a record that does not fit its entry writes nothing (45)
    pt::dateiAntworten({pt::dateiAntwort(ordner + "h2.txt")});
    EXPECT_EQ(synapsenstaerkenHaeufigkeitSpeichern(2), 1);
    EXPECT_EQ(testhilfe::lesen(ordner + "h2.txt"), "Sensor links:\t1\t1\t0\t0\t\r\nSensor rechts:\t0\t0\t0\t2\t\r\n");
    z().index[3].satzOffset += 4;
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(synapsenstaerkenHaeufigkeitSpeichern(-1), 0);
    EXPECT_EQ(boxen().back(), meldungFormatieren(45, 3, ordner + "h.bin"));

    permutationDatenFreigeben();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(synapsenstaerkenHaeufigkeitSpeichern(-1), 0);
    EXPECT_EQ(boxen().back(), meldungsTexte[83]);
}
