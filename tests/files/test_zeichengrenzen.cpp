// tests/files/test_zeichengrenzen.cpp - sizes, line widths, places and page margins of a
// network file are clamped to what the dialogs take, so nothing read reaches the painters'
// or the printer's arithmetic beyond them
#include "netzdatei_hilfe.h"
#include "files/objektdaten.h"
#include "model/permutationsfenster.h"
#include "model/zeichengrenzen.h"

namespace {

// the value of the line "schluessel=..." replaced
void setzen(std::string& text, const std::string& schluessel, const std::string& wert)
{
    const size_t a = text.find("\n" + schluessel + "=");
    ASSERT_NE(a, std::string::npos) << schluessel;
    const size_t anfang = a + schluessel.size() + 2;
    text.replace(anfang, text.find('\n', anfang) - anfang, wert);
}

} // namespace

TEST_F(NetzdateiFall, GroessenDickenUndLagenAusDerDateiBleibenInDenBereichenDerDialoge)
{
    NeuronDaten* a = neu(1);
    neu(2);
    a->hauptDiagramm.kurven[0].anzeigen = 1;
    Rueckkopplungsobjekt& r = *rueckkopplungsObjektErzeugen();
    std::tie(r.triggerNeuron, r.zielneurone) = std::tuple(a, std::vector{neuronNachNummer(2)});
    rueckkopplungGraphikVorgaben(r);
    std::copy_n(std::array{1, 2, 1, 2}.begin(), 4, kollisionsObjektNeu()->elementNummern);
    std::string text = imSpeicher();
    const struct {
        const char* schluessel;
        const char* wert;
    } zeilen[] = {
        {"neuron 1 somagroesse", "2147483647"},
        {"neuron 1 dendritenlaenge", "-5"},
        {"neuron 1 axonlaenge", "2001"},
        {"neuron 1 dicke der segmenttrennlinie", "100000"},
        {"neuron 1 stromreiz kennzeichnung laenge", "2147483647"},
        {"neuron 1 stromreiz kennzeichnung dicke", "2147483647"},
        {"neuron 1 x-position", "2147483647"},
        {"neuron 1 y-position", "-2147483648"},
        {"neuron 1 potclip arc abstand", "2147483647"},
        {"neuron 1 potclip arc dicke", "2147483647"},
        {"objekt 1 rautenbreite", "2147483647"},
        {"objekt 1 rautenhoehe", "2147483647"},
        {"objekt 1 linien dicke", "101"},
        {"objekt 1 kollision boxBreite", "2147483647"},
        {"objekt 1 kollision boxRandDicke", "-3"},
        {"Diagramm 1 zu 1 liniendicke fuer Kurve 0", "100000"},
        {"Diagramm 1 zu 1 achsenDicke", "-7"},   // below 0: the template's width, as before
        {"Diagramm 1 zu 1 tickDicke", "2147483647"},
        {"permutation: linienstaerke der aps", "2147483647"},
        {"permutation: breite der level-balken in prozent", "-1"},
        {"permutation: hoehe der level-balken", "-2147483648"},
        {"permutation: stromreiz hoehe", "2147483647"},
        {"permutation: fensterbreite", "2147483647"},
        {"permutation: fensterhoehe", "-2147483648"},
        {"permutation: fensterposition x", "-2147483648"},
    };
    for (const auto& z : zeilen)
        setzen(text, z.schluessel, z.wert);
    ASSERT_GT(laden(text), 0);
    const NeuronDaten& n = *neuronNachNummer(1);
    EXPECT_EQ(std::tie(n.somaGroesse, n.dendritenLaenge, n.axonLaenge, n.segmentTrennerDicke, n.kennzeichnungLaenge,
                       n.kennzeichnungDicke),
              std::tuple(2000, 0, 2000, 100, 2000, 100));
    EXPECT_EQ(std::tie(n.x, n.y, n.begrenzung.bogenAbstand, n.begrenzung.bogenDicke),
              std::tuple(1000000, -1000000, 2000, 100));
    ASSERT_TRUE(rueckkopplungsObjekte && kollisionsObjekte);
    const ObjektGraphik& g = rueckkopplungsObjekte->graphik;
    EXPECT_EQ(std::tie(g.rautenbreite, g.rautenhoehe, g.linienDicke), std::tuple(2000, 2000, 100));
    EXPECT_EQ(std::tie(kollisionsObjekte->graphik.rautenbreite, kollisionsObjekte->graphik.rautenrandDicke),
              std::tuple(2000, 0));
    const DiagrammDaten& d = neuronNachNummer(1)->hauptDiagramm;
    EXPECT_EQ(std::tie(d.kurven[0].dicke, d.achsenDicke, d.tickDicke), std::tuple(100, -1, 100));
    const PermutationsFensterEinstellungen& p = permutationsFenster;
    EXPECT_EQ(std::tie(p.apLinienstaerke, p.balkenBreiteProzent, p.balkenUnterkante, p.stromreizHoehe),
              std::tuple(100, 0, -2000, 1000));
    const DiagrammDaten& v = permutationsDiagramm;
    EXPECT_EQ(std::tie(v.fensterBreite, v.fensterHoehe, v.fensterX), std::tuple(1000000, 0, -1000000));
    // and what was clamped is written as clamped
    EXPECT_NE(imSpeicher().find("\nneuron 1 somagroesse=2000\n"), std::string::npos);
}

// The drawing block of a feedback object is given its defaults when a side is 0; two large
// sides made the test multiply beyond int.
TEST(Rueckkopplungsgraphik, GrosseSeitenBehaltenIhreWerteOhneUeberlauf)
{
    Rueckkopplungsobjekt o;
    o.graphik.rautenbreite = o.graphik.rautenhoehe = 65536;
    rueckkopplungGraphikVorgaben(o);
    EXPECT_EQ(std::tie(o.graphik.rautenbreite, o.graphik.rautenhoehe, o.graphik.linienDicke),
              std::tuple(65536, 65536, 0));
    o.graphik.rautenhoehe = 0;
    rueckkopplungGraphikVorgaben(o);
    EXPECT_EQ(std::tie(o.graphik.rautenbreite, o.graphik.rautenhoehe), std::tuple(50, 80));
}

// Margins that leave no room (or are negative, or no number) are clamped so that the page
// keeps room between them; the other lengths in mm stay on the sheet.
TEST_F(NetzdateiFall, SeitenraenderOhnePlatzWerdenBeimLesenBegrenzt)
{
    neu(1);
    std::string text = imSpeicher();
    const struct {
        const char* schluessel;
        const char* wert;
    } zeilen[] = {
        {"seiteneinstellungen hauptfenster rand links", "1e30"},
        {"seiteneinstellungen hauptfenster rand rechts", "10"},
        {"seiteneinstellungen hauptfenster rand oben", "-50"},
        {"seiteneinstellungen hauptfenster rand unten", "20"},
        {"seiteneinstellungen hauptfenster rahmendicke", "1e30"},
        {"seiteneinstellungen hauptfenster kopfzeile abstand zum rand", "-1"},
        {"seiteneinstellungen diagrammfenster druckformat", "4"},
        {"seiteneinstellungen diagrammfenster rand links", "200"},   // fits the landscape sheet
        {"seiteneinstellungen diagrammfenster rand rechts", "90"},
        {"seiteneinstellungen diagrammfenster rand oben", "150"},
        {"seiteneinstellungen diagrammfenster rand unten", "150"},
    };
    for (const auto& z : zeilen)
        setzen(text, z.schluessel, z.wert);
    ASSERT_GT(laden(text), 0);
    const SeitenEinrichtung& s = seiteNetzfenster;
    EXPECT_TRUE(seitenRaenderGueltig(s));
    EXPECT_NEAR(s.randLinks, 105.0 * 210.0 / 220.0, 1e-9);   // 210 and 10 share half the width
    EXPECT_NEAR(s.randRechts, 105.0 * 10.0 / 220.0, 1e-9);
    EXPECT_EQ(std::tie(s.randOben, s.randUnten, s.umrandungDickeMm, s.kopfAbstandMm),
              std::tuple(0.0, 20.0, groessteSeitenLaengeMm, 0.0));
    const SeitenEinrichtung& q = seiteDiagrammfenster;
    EXPECT_EQ(std::tie(q.randLinks, q.randRechts), std::tuple(200.0, 90.0));
    EXPECT_EQ(q.randOben + q.randUnten, 105.0);
}
