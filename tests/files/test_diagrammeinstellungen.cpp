// tests/files/test_diagrammeinstellungen.cpp - the diagram settings lines of a neuron's
// diagrams, the permutation display's template and the template of new diagrams
#include "netzdatei_hilfe.h"
#include "files/diagrammeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/layout.h"
#include "model/zeichengrenzen.h"
#include <climits>
#include <cstring>
#include <tuple>

namespace {

using D = DiagrammDaten;
using K = KurvenDaten;
using plattform::KeineFarbe;
constexpr size_t fehlt = std::string::npos;

// A diagram with every value its own; every slot but the references on, 8-11 with channels 4..1.
void befuellen(D& d, int basis)
{
    Fueller f{basis};
    const auto alle = [&f](auto&... x) { (f(x), ...); };
    alle(d.linienDicke, d.linienWieTicks, d.abstandHorizontalerLinien, d.abstandVertikalerLinien, d.xRand,
         d.xRandRechts, d.yRand, d.achsenDicke, d.tickDicke, d.tickLaenge, d.xTickPosition, d.yTickPosition,
         d.xTextAbstand, d.yTextAbstand, d.tickFontSize, d.dimensionenAnzeigen, d.xDimension, d.yDimension,
         d.dimensionLinks, d.dimensionSchriftgroesse, d.xDimensionAbstand, d.xDimensionPosition,
         d.yDimensionAbstand, d.yDimensionPosition, d.ticksAnpassen, d.legendeFontSize, d.legendeX,
         d.legendeY, d.legendeLinksbuendig, d.xUrsprung, d.yUrsprung, d.dezimalstellenXFest,
         d.dezimalstellenX, d.dezimalstellenWerte, d.dezimalstellenHCursor, d.dezimalstellenVCursor,
         d.xTickIntervall, d.yTickIntervall, d.minY, d.maxY, d.minX, d.maxX, d.cursorDicke, d.cursorArt,
         d.cursorFarbe, d.achsenFarbe, d.tickFarbe, d.linienFarbe, d.textFarbe, d.werteInLegende);
    // pen widths and the layout's pixels within the ranges the reader takes
    for (int* w : {&d.linienDicke, &d.achsenDicke, &d.tickDicke, &d.cursorDicke})
        *w %= 101;
    for (int* p : {&d.xRand, &d.xRandRechts, &d.yRand, &d.tickLaenge, &d.xTickPosition, &d.yTickPosition,
                   &d.xTextAbstand, &d.yTextAbstand})
        *p %= 2001;
    d.linienArt = basis % 3;
    d.hilfslinien = d.vertikaleHilfslinien = d.definierteVertikaleHilfslinie = 1;
    d.horizontaleHilfslinien = d.definierteHorizontaleHilfslinie = 0;
    d.ursprungBeschriften = 0x3;
    for (int s = 0; s < kurvenProDiagramm; ++s) {
        K& k = d.kurven[s];
        alle(k.farbe, k.dicke, k.yOffset, k.yZoom, k.referenz, k.bezeichnung, k.dimension, k.eigeneYAchse,
             k.minY, k.maxY, k.xPos, k.tickPos, k.tickLaenge, k.anzahlTicks, k.festerTickAbstand,
             k.tickAbstand, k.dezimalstellenAn, k.anzahlDezimalstellen, k.beschriftungAbstand,
             k.nullAufXAchse, k.dimensionAnzeigen, k.dimensionAbstand, k.dimensionYPos, k.dicke2Achse);
        k.dicke %= 101;
        k.dicke2Achse %= 101;
        std::tie(k.linienart, k.stromreizSegment, k.externeNeuronId, k.externeKurveId, k.synapseId) =
            std::tuple(s % 3, s % 5, 1000 + s, 19 - s, 4000 + s);
        k.kanal = s >= kurve::Kanal1 && s < kurve::Referenz1 ? 12 - s : 0;
        k.anzeigen = k.kanal ? k.kanal : s < kurve::Referenz1;
    }
}

std::string zeilen(D* d)
{
    XBuffer p;
    diagrammEinstellungenSpeichern(d, nullptr, p, 0);
    return p.text();
}
std::string neuronBlock(int n, const std::string& innen)
{
    const std::string nummer = std::to_string(n);
    return "[NEURON " + nummer + "] ***\n" + innen + "[ende NEURON " + nummer + "] ***\n";
}
int listenLaenge(const D& d) { return d.naechstes ? 1 + listenLaenge(*d.naechstes) : 1; }

struct Diagrammeinstellungen : NetzdateiFall {
    D vorlage = diagrammVorlage, permutation = permutationsDiagramm;

    void TearDown() override
    {
        datPfad.kurvenDateiWirdGeoeffnet = dateipfade.filterIndex = 0;
        diagrammVorlage = vorlage;
        permutationsDiagramm = permutation;
        NetzdateiFall::TearDown();
    }
    // the diagram of neuron n, which is made
    static D& diagramm(int n)
    {
        D& d = neu(n)->hauptDiagramm;
        d.neuronId = n;
        return d;
    }
    static void lesen(D* d, const std::string& text)
    {
        std::vector<char> t = lesbar(text);
        const size_t laenge = std::strlen(t.data());
        diagrammEinstellungenLaden(d, t.data());
        EXPECT_EQ(std::strlen(t.data()), laenge);   // the cut at the block end went back
    }
};

} // namespace

TEST_F(Diagrammeinstellungen, DreiDiagrammeKommenFeldFuerFeldZurueckBeideBereicheTrotzIhrerLesereihenfolge)
{
    D& d = diagramm(7);
    befuellen(d, 0);
    befuellen(*diagrammAnhaengen(*neuronNachNummer(7)), 5000);
    befuellen(*diagrammAnhaengen(*neuronNachNummer(7)), 9000);
    const std::string text = zeilen(&d);
    const double xTick = d.xTickIntervall;
    EXPECT_NE(text.find("\nDiagramm 3 zu 7 linienWieTicks=9002\n"), fehlt);
    leeren();
    D& m = diagramm(7);
    // a diagram behind the block end belongs to no one
    lesen(&m, neuronBlock(7, text) + "[NEURON 8]\nDiagramm 4 zu 7 linienDicke=1\n");
    ASSERT_EQ(listenLaenge(m), 3);
    EXPECT_EQ(aktuellesDiagramm.diagramm, m.naechstes->naechstes);
    EXPECT_EQ(m.xTickIntervallWirksam, xTick);
    EXPECT_EQ(zeilen(&m), text);
}

TEST_F(Diagrammeinstellungen, FehlendeUndUnvollstaendigeWerte)
{
    D& d = diagramm(3);
    d.hilfslinien = d.kurven[0].anzeigen = 1;
    d.cursorFarbe = 7;
    d.ursprungBeschriften = 0x1;
    d.kurven[8].anzeigen = d.kurven[8].kanal = 1;
    d.kurven[9].anzeigen = d.kurven[9].kanal = 3;
    std::tie(d.kurven[2].bezeichnung, d.kurven[2].dimension) = std::tuple("alt", "nA");
    std::tie(d.kurven[3].farbe, d.kurven[3].dimension, d.kurven[3].bezeichnung) = std::tuple(5, "mV", "Ca");
    std::string text;
    for (const char* z :
         {"x-tick im ursprung beschriften=nein", "y-tick im ursprung beschriften=ja", "cursorFarbe rot=1",
          "cursorFarbe gruen=2", "tickFarbe rot=1", "tickFarbe gruen=2", "tickFarbe blau=3",
          "kurve zeichnen strom kanal 2=0", "kurve zeichnen strom kanal 3=4", "yZoom fuer Kurve 2=2,5",
          "Bezeichnung fuer Kurve 2=", "dimension fuer Kurve 2="})
        text += "Diagramm 1 zu 3 " + std::string(z) + "\n";
    lesen(&d, neuronBlock(3, text));
    // the ranges missing; a switch missing is off; "nein" at the origin leaves the bit
    EXPECT_EQ(std::tie(d.minY, d.maxY, d.minX, d.maxX), std::tuple(-100.0, 50.0, 0.0, -1.0));
    EXPECT_EQ(std::tie(d.hilfslinien, d.kurven[0].anzeigen, d.ursprungBeschriften), std::tuple(0, 0, 0x3));
    // a colour is taken only whole
    EXPECT_EQ(std::tie(d.cursorFarbe, d.tickFarbe, d.achsenFarbe),
              std::tuple(KeineFarbe, 0x030201u, KeineFarbe));
    // a channel slot with 0 is off
    EXPECT_EQ(std::tie(d.kurven[8].anzeigen, d.kurven[9].anzeigen, d.kurven[10].anzeigen, d.kurven[10].kanal),
              std::tuple(0, 0, 4, 4));
    // an empty name leaves it, an empty unit empties it, a decimal comma; a slot without lines
    // has no colour and no unit, but keeps its name
    const K &zwei = d.kurven[2], &drei = d.kurven[3];
    EXPECT_EQ(std::tie(zwei.bezeichnung, zwei.dimension, zwei.yZoom), std::tuple("alt", "", 2.5));
    EXPECT_EQ(std::tie(drei.farbe, drei.dimension, drei.bezeichnung), std::tuple(KeineFarbe, "", "Ca"));
}

// Margins, tick length and distances at the ends of int are clamped into the layout
// dialog's range where they are read, and the layout adds them up without overflow; the
// layout keeps its own bounds for a value that got in some other way.
TEST_F(Diagrammeinstellungen, RiesigeRaenderWerdenBegrenztUndLegenAus)
{
    D& d = diagramm(3);
    std::string text;
    for (const char* z : {"X-Rand (in Pixel)=2147483647", "X-Rand rechts (in Pixel)=-2147483648",
                          "Y-Rand (in Pixel)=2147483647", "tickLaenge=2147483647", "xTickPosition=-2147483648",
                          "yTickPosition=2147483647", "xTextAbstand=-2147483648", "yTextAbstand=2147483647"})
        text += "Diagramm 1 zu 3 " + std::string(z) + "\n";
    lesen(&d, neuronBlock(3, text));
    const int g = groessteZeichenGroesse;
    EXPECT_EQ(std::tie(d.xRand, d.xRandRechts, d.yRand, d.tickLaenge, d.xTickPosition, d.yTickPosition,
                       d.xTextAbstand, d.yTextAbstand),
              std::tuple(g, -g, g, g, -g, g, -g, g));
    text.clear();
    for (const char* z : {"X-Rand (in Pixel)=-2147483648", "Y-Rand (in Pixel)=-2147483648"})
        text += "Diagramm 1 zu 3 " + std::string(z) + "\n";
    lesen(&d, neuronBlock(3, text));
    EXPECT_EQ(std::tie(d.xRand, d.yRand), std::tuple(-g, -g));

    // laid out in a window of 5000 x 5000: the clamped margins leave a plot
    const Arbeitsbereich ab = std::exchange(arbeitsbereichKanten, Arbeitsbereich{10000, 10000});
    d.breite = d.hoehe = 5000;
    std::tie(d.xRand, d.yRand, d.xRandRechts, d.tickLaenge) = std::tuple(INT_MAX, INT_MAX, INT_MIN, INT_MAX);
    diagrammLayoutBerechnen(neuronNachNummer(3), &d, 0);
    EXPECT_EQ(std::tie(d.xRand, d.yRand, d.xRandRechts, d.tickLaenge), std::tuple(g, g, -g, g));
    EXPECT_EQ(std::tie(d.plotBreite, d.plotHoehe), std::tuple(3000, 1000));
    std::tie(d.xRand, d.yRand) = std::tuple(INT_MIN, INT_MIN);
    diagrammLayoutBerechnen(neuronNachNummer(3), &d, 0);
    EXPECT_EQ(std::tie(d.xRand, d.yRand, d.plotBreite, d.plotHoehe), std::tuple(30, 30, 5000 - 60 + g, 5000 - 60));
    arbeitsbereichKanten = ab;
}

TEST_F(Diagrammeinstellungen, AelteresFormOhneNummerFuelltNurDasHauptdiagramm)
{
    D& d = diagramm(3);
    lesen(&d, neuronBlock(3, "Diagramm zu 3 linienDicke=4\nDiagramm zu 3 kurve zeichnen somapotential=ja\n"
                             "Diagramm zu 3 farbe fuer Kurve 0=255\nDiagramm 2 zu 3 linienDicke=5\n"));
    EXPECT_EQ(std::tuple(listenLaenge(d), d.linienDicke, d.kurven[0].anzeigen, d.kurven[0].farbe),
              std::tuple(1, 4, 1, 255u));
}

TEST_F(Diagrammeinstellungen, SchreiberLaesstAusgeschalteteSlotsWegUndDieGefilterteVorlageOhneYBereich)
{
    D& d = diagrammVorlage;
    d.xUrsprung = 0.1234567;
    d.kurven[0].anzeigen = d.kurven[8].anzeigen = 0;
    d.kurven[9].anzeigen = d.kurven[9].kanal = 3;
    d.minY = -80.0;
    d.yTickIntervall = 20.0;
    dateipfade.filterIndex = 2;
    const std::string t = zeilen(&d);
    EXPECT_NE(t.find("xUrsprung (werte)=0.123457\n"), fehlt);   // six decimals
    EXPECT_NE(t.find("kurve zeichnen strom kanal 2=3\n"), fehlt);
    for (const char* weg : {"zeichnen strom kanal 1=", "fuer Kurve 0=", "yTickIntervall=", "minY=", "maxY="})
        EXPECT_EQ(t.find(weg), fehlt) << weg;
    lesen(&d, t);
    EXPECT_EQ(std::tie(d.minY, d.yTickIntervall), std::tuple(-100.0, 20.0));
    dateipfade.filterIndex = 0;
    EXPECT_NE(zeilen(&d).find("minY=-100\n"), fehlt);
}

TEST_F(Diagrammeinstellungen, ReferenzkurvenNurWaehrendEineKurvendateiGeoeffnetWird)
{
    D& d = diagramm(6);
    d.kurven[13].referenz = d.kurven[14].referenz = kurvenReferenz::Gespeichert;
    d.kurven[13].anzeigen = 1;
    d.kurven[13].werte = {1.0f, 2.0f};
    d.kurven[13].werteAnzahl = 2;
    permutationsDiagramm.kurven[13] = d.kurven[13];
    EXPECT_EQ(zeilen(&d).find("kurve zeichnen referenz"), fehlt);

    datPfad.kurvenDateiWirdGeoeffnet = 1;
    pt::boxAntworten({plattform::antwort::Ok});   // slot 14 has nothing to store
    const std::string t = zeilen(&d);
    ASSERT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(951)});
    EXPECT_NE(t.find("Diagramm 1 zu 6 kurve zeichnen referenz 13=1\n"), fehlt);
    EXPECT_EQ(t.find("kurve zeichnen referenz 14="), fehlt);
    // the permutation display has none
    EXPECT_EQ(zeilen(&permutationsDiagramm).find("kurve zeichnen referenz"), fehlt);

    leeren();
    D& m = diagramm(6);
    m.kurven[15].anzeigen = 1;
    datPfad.kurvenDateiWirdGeoeffnet = 1;
    lesen(&m, neuronBlock(6, t));
    EXPECT_EQ(std::tie(m.kurven[13].anzeigen, m.kurven[13].referenz, m.kurven[15].anzeigen),
              std::tuple(1, 1, 0));
}

// ---- mends ----------------------------------------------------------------------------------------

TEST_F(Diagrammeinstellungen, WeitereDiagrammeNurInDerListeEinesNeuronsMitGueltigerNummer)
{
    const D& fuenf = diagramm(5);
    // the permutation display; the template under an existing neuron's number, beyond the table, 0
    const std::pair<D*, int> faelle[] = {
        {&permutationsDiagramm, 65535}, {&diagrammVorlage, 5}, {&diagrammVorlage, 2000},
        {&diagrammVorlage, 0}};
    for (const auto& [erstes, nummer] : faelle) {
        SCOPED_TRACE(nummer);
        erstes->neuronId = nummer;
        const std::string n = std::to_string(nummer);
        lesen(erstes, "Diagramm 1 zu " + n + " linienDicke=3\nDiagramm 2 zu " + n + " linienDicke=4\n");
        EXPECT_EQ(std::tuple(erstes->linienDicke, erstes->naechstes, listenLaenge(fuenf)),
                  std::tuple(3, static_cast<D*>(nullptr), 1));
    }
}

TEST_F(Diagrammeinstellungen, WiederGelesenNutztDieVorhandenenDiagrammeStattNeueAnzuhaengen)
{
    D& d = diagramm(2);
    const std::string t = neuronBlock(2, "Diagramm 1 zu 2 linienDicke=1\nDiagramm 2 zu 2 linienDicke=2\n"
                                         "Diagramm 3 zu 2 linienDicke=3\n");
    lesen(&d, t);
    D* dritter = d.naechstes->naechstes;
    lesen(&d, t);
    ASSERT_EQ(listenLaenge(d), 3);
    EXPECT_EQ(std::tie(d.naechstes->naechstes, dritter->linienDicke), std::tuple(dritter, 3));
}

TEST_F(Diagrammeinstellungen, PermutationsdiagrammStehtImmerUnter65535)
{
    D& p = permutationsDiagramm;
    p.neuronId = 12;
    p.linienDicke = 6;
    const std::string t = zeilen(&p);
    EXPECT_TRUE(t.starts_with("Diagramm 1 zu 65535 hilfslinien=")) << t.substr(0, 40);
    p.linienDicke = 0;
    lesen(&p, "[Permutation: NEURON -1]\n" + t +
                  "[ende NEURON -1]\n[NEURON 1]\nDiagramm 1 zu 65535 linienDicke=9");
    EXPECT_EQ(p.linienDicke, 6);
}

TEST_F(Diagrammeinstellungen, TabellenwerteAusserhalbIhresBereichsZaehlenAlsFehlend)
{
    D& d = diagramm(3);
    K &vier = d.kurven[4], &fuenf = d.kurven[5], &kanal = d.kurven[kurve::Kanal1];
    std::tie(d.linienArt, vier.linienart, vier.externeNeuronId, vier.externeKurveId, vier.synapseId,
             vier.stromreizSegment, fuenf.externeNeuronId, fuenf.synapseId, kanal.kanal) =
        std::tuple(99, 99, 99, 99, 99, 99, 99, 99, 99);
    std::string text;
    for (const char* z : {"linienArt (0: SOLID, 1: DASH, 2: DOT)=3", "kurve zeichnen strom kanal 1=5",
                          "kurve zeichnen strom kanal 2=-2", "linienart fuer Kurve 4=3",
                          "externe neuron id fuer Kurve 4=1024", "externe kurve id fuer Kurve 4=20",
                          "synapse id fuer Kurve 4=4096", "stromreiz-segment fuer Kurve 4=5",
                          "externe neuron id fuer Kurve 5=-1", "synapse id fuer Kurve 5=4095",
                          "externe neuron id fuer Kurve 6=1023"})
        text += "Diagramm 1 zu 3 " + std::string(z) + "\n";
    lesen(&d, neuronBlock(3, text));
    EXPECT_EQ(std::tie(d.linienArt, vier.linienart, vier.externeNeuronId, vier.externeKurveId, vier.synapseId,
                       vier.stromreizSegment, fuenf.externeNeuronId, kanal.kanal),
              std::tuple(99, 99, 99, 99, 99, 99, 99, 99));
    EXPECT_EQ(std::tie(fuenf.synapseId, d.kurven[6].externeNeuronId), std::tuple(4095, 1023));
    // a channel that cannot be shown leaves its slot off
    EXPECT_EQ(std::tie(kanal.anzeigen, d.kurven[9].anzeigen), std::tuple(0, 0));
}

TEST_F(Diagrammeinstellungen, BeschaedigteTexteLassenNurGueltigeTabellenwerte)
{
    D& d = diagramm(9);
    befuellen(d, 0);
    befuellen(*diagrammAnhaengen(*neuronNachNummer(9)), 300);
    const std::string grund = neuronBlock(9, zeilen(&d)) + "[NEURON 10]\n";
    leeren();
    Verformer verformen{20240917};
    for (int runde = 0; runde < 150; ++runde) {
        SCOPED_TRACE(runde);
        const std::string t = verformen(grund);
        datPfad.kurvenDateiWirdGeoeffnet = runde % 2;
        const int nummer = runde % 3 ? 9 : 10;
        D& m = diagramm(nummer);
        lesen(&m, t);
        lesen(&m, t);
        EXPECT_LE(listenLaenge(m), 2);
        for (const D* x = &m; x; x = x->naechstes) {
            EXPECT_TRUE(x->linienArt >= 0 && x->linienArt <= 2 && x->xDimension.size() <= 63);
            for (const K& k : x->kurven)
                EXPECT_TRUE(k.linienart >= 0 && k.linienart <= 2 && k.externeKurveId >= 0 &&
                            k.externeKurveId < 20 && k.externeNeuronId >= 0 && k.externeNeuronId < 1024 &&
                            k.synapseId >= 0 && k.synapseId < 4096 && k.stromreizSegment >= 0 &&
                            k.stromreizSegment <= 4 && k.kanal >= 0 && k.kanal <= 4 &&
                            k.bezeichnung.size() <= 127 && k.dimension.size() <= 31);
        }
        weg(neuronNachNummer(nummer));
    }
}
