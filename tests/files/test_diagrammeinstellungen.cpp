// tests/files/test_diagrammeinstellungen.cpp - the diagram settings lines of a neuron's
// diagrams, the permutation display's template and the template of new diagrams
#include "netzdatei_hilfe.h"
#include "files/diagrammeinstellungen.h"
#include "model/ergebnisdateien.h"
#include <cstring>
#include <tuple>

namespace {

using plattform::KeineFarbe;

// every value a list of fields gets from a running number; all keep their digits through
// "%.15g" and "%f", colours stay below "no colour"
struct Fueller {
    int i;
    void operator()(int& f) { f = ++i; }
    void operator()(uint32_t& f) { f = (static_cast<uint32_t>(++i) * 0x010203u) & 0xFFFFFFu; }
    void operator()(double& f) { f = ++i * 0.0625; }
    void operator()(std::string& f) { f = "t" + std::to_string(++i) + " \xFC" "ber"; }
};
template <class Tupel>
void fuellen(Tupel felder, int basis)
{
    Fueller f{basis};
    std::apply([&](auto&... x) { (f(x), ...); }, felder);
}
template <class A, class B>
void vergleichen(const A& gelesen, const B& erwartet, const std::string& was)
{
    const auto feld = [&](const auto& x, const auto& y, size_t i) { EXPECT_EQ(x, y) << was << ", field " << i; };
    [&]<size_t... I>(std::index_sequence<I...>) {
        (feld(std::get<I>(gelesen), std::get<I>(erwartet), I), ...);
    }(std::make_index_sequence<std::tuple_size_v<A>>{});
}

// what the section carries of a diagram, apart from the switches and the slots
auto diagrammFelder(DiagrammDaten& d)
{
    return std::tie(d.linienDicke, d.linienWieTicks, d.abstandHorizontalerLinien, d.abstandVertikalerLinien, d.xRand,
                    d.xRandRechts, d.yRand, d.achsenDicke, d.tickDicke, d.tickLaenge, d.xTickPosition,
                    d.yTickPosition, d.xTextAbstand, d.yTextAbstand, d.tickFontSize, d.dimensionenAnzeigen,
                    d.xDimension, d.yDimension, d.dimensionLinks, d.dimensionSchriftgroesse, d.xDimensionAbstand,
                    d.xDimensionPosition, d.yDimensionAbstand, d.yDimensionPosition, d.ticksAnpassen,
                    d.legendeFontSize, d.legendeX, d.legendeY, d.legendeLinksbuendig, d.xUrsprung, d.yUrsprung,
                    d.dezimalstellenXFest, d.dezimalstellenX, d.dezimalstellenWerte, d.dezimalstellenHCursor,
                    d.dezimalstellenVCursor, d.xTickIntervall, d.yTickIntervall, d.minY, d.maxY, d.minX, d.maxX,
                    d.cursorDicke, d.cursorArt, d.cursorFarbe, d.achsenFarbe, d.tickFarbe, d.linienFarbe,
                    d.textFarbe, d.werteInLegende);
}
auto schalterFelder(DiagrammDaten& d)
{
    return std::tie(d.hilfslinien, d.horizontaleHilfslinien, d.vertikaleHilfslinien,
                    d.definierteHorizontaleHilfslinie, d.definierteVertikaleHilfslinie, d.ursprungBeschriften);
}
// a slot's lines but those whose values index a table
auto kurvenFelder(KurvenDaten& k)
{
    return std::tie(k.farbe, k.dicke, k.yOffset, k.yZoom, k.referenz, k.bezeichnung, k.dimension, k.eigeneYAchse,
                    k.minY, k.maxY, k.xPos, k.tickPos, k.tickLaenge, k.anzahlTicks, k.festerTickAbstand,
                    k.tickAbstand, k.dezimalstellenAn, k.anzahlDezimalstellen, k.beschriftungAbstand,
                    k.nullAufXAchse, k.dimensionAnzeigen, k.dimensionAbstand, k.dimensionYPos, k.dicke2Achse);
}
auto tabellenFelder(KurvenDaten& k)
{
    return std::tie(k.linienart, k.stromreizSegment, k.externeNeuronId, k.externeKurveId, k.synapseId, k.anzeigen,
                    k.kanal);
}

// A diagram with every value its own, every slot on (slots 8-11 with channels 4..1).
void befuellen(DiagrammDaten& d, int basis)
{
    fuellen(diagrammFelder(d), basis);
    d.linienArt = basis % 3;
    d.hilfslinien = d.vertikaleHilfslinien = d.definierteVertikaleHilfslinie = 1;
    d.horizontaleHilfslinien = d.definierteHorizontaleHilfslinie = 0;
    d.ursprungBeschriften = 0x3;
    for (int s = 0; s < kurvenProDiagramm; ++s) {
        KurvenDaten& k = d.kurven[s];
        fuellen(kurvenFelder(k), basis + 100 * (s + 1));
        k.linienart = s % 3;
        k.stromreizSegment = s % 5;
        k.externeNeuronId = 1000 + s;
        k.externeKurveId = 19 - s;
        k.synapseId = 4000 + s;
        k.anzeigen = 1;
        k.kanal = s >= kurve::Kanal1 && s < kurve::Referenz1 ? 12 - s : 0;
        if (k.kanal)
            k.anzeigen = k.kanal;
    }
}

std::string zeilen(DiagrammDaten* d)
{
    XBuffer p;
    diagrammEinstellungenSpeichern(d, nullptr, p, 0);
    return p.text();
}
std::string neuronBlock(int n, const std::string& innen)
{
    return "[NEURON " + std::to_string(n) + "] ***\n" + innen + "[ende NEURON " + std::to_string(n) + "] ***\n";
}
int listenLaenge(const DiagrammDaten& d)
{
    int n = 0;
    for (const DiagrammDaten* x = &d; x; x = x->naechstes)
        ++n;
    return n;
}

struct Diagrammeinstellungen : NetzdateiFall {
    DiagrammDaten vorlage, permutation;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        vorlage = diagrammVorlage;
        permutation = permutationsDiagramm;
        datPfad.kurvenDateiWirdGeoeffnet = dateipfade.filterIndex = 0;
    }
    void TearDown() override
    {
        datPfad.kurvenDateiWirdGeoeffnet = dateipfade.filterIndex = 0;
        diagrammVorlage = vorlage;
        permutationsDiagramm = permutation;
        NetzdateiFall::TearDown();
    }
    static void lesen(DiagrammDaten* d, const std::string& text)
    {
        std::vector<char> t = lesbar(text);
        const size_t laenge = std::strlen(t.data());
        diagrammEinstellungenLaden(d, t.data());
        EXPECT_EQ(std::strlen(t.data()), laenge);   // the cut at the block end went back
    }
};

} // namespace

// ---- round trip ---------------------------------------------------------------------------------

TEST_F(Diagrammeinstellungen, DreiDiagrammeKommenFeldFuerFeldZurueck)
{
    NeuronDaten* n = neu(7);
    befuellen(n->hauptDiagramm, 0);
    befuellen(*diagrammAnhaengen(*n), 5000);
    befuellen(*diagrammAnhaengen(*n), 9000);
    n->hauptDiagramm.neuronId = 7;
    const std::string text = zeilen(&n->hauptDiagramm);
    for (const char* v : {"\nDiagramm 1 zu 7 hilfslinien=ja\n", "\nDiagramm 2 zu 7 horizontale hilfslinien=nein\n",
                          "\nDiagramm 3 zu 7 linienDicke=9001\n"})
        EXPECT_NE(("\n" + text).find(v), std::string::npos) << v;
    std::vector<DiagrammDaten> erwartet;
    for (const DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
        erwartet.push_back(*d);
    for (DiagrammDaten& e : erwartet)
        e.naechstes = nullptr;

    leeren();
    NeuronDaten* m = neu(7);
    m->hauptDiagramm.neuronId = 7;
    // a diagram behind the block end belongs to no one
    lesen(&m->hauptDiagramm, neuronBlock(7, text) + "[NEURON 8]\nDiagramm 4 zu 7 linienDicke=1\n");
    ASSERT_EQ(listenLaenge(m->hauptDiagramm), 3);
    EXPECT_EQ(aktuellesDiagramm.diagramm, m->hauptDiagramm.naechstes->naechstes);
    int k = 0;
    for (DiagrammDaten* d = &m->hauptDiagramm; d; d = d->naechstes, ++k) {
        DiagrammDaten& e = erwartet[k];
        const std::string was = "diagram " + std::to_string(k + 1);
        EXPECT_EQ(d->neuronId, 7);
        EXPECT_EQ(d->linienArt, e.linienArt);
        EXPECT_EQ(d->xTickIntervallWirksam, e.xTickIntervall);
        vergleichen(diagrammFelder(*d), diagrammFelder(e), was);
        vergleichen(schalterFelder(*d), schalterFelder(e), was);
        for (int s = 0; s < kurvenProDiagramm; ++s) {
            vergleichen(kurvenFelder(d->kurven[s]), kurvenFelder(e.kurven[s]), was + " slot " + std::to_string(s));
            // the reference slots are switched on only from a curve data file
            if (s < kurve::Referenz1)
                vergleichen(tabellenFelder(d->kurven[s]), tabellenFelder(e.kurven[s]), was + " slot " + std::to_string(s));
            else
                EXPECT_EQ(d->kurven[s].anzeigen, 0);
        }
    }
}

TEST_F(Diagrammeinstellungen, AelteresFormOhneNummerFuelltNurDasHauptdiagramm)
{
    NeuronDaten* n = neu(3);
    n->hauptDiagramm.neuronId = 3;
    lesen(&n->hauptDiagramm, neuronBlock(3, "Diagramm zu 3 linienDicke=4\n"
                                       "Diagramm zu 3 hilfslinien=ja\n"
                                       "Diagramm zu 3 minY=-70\n"
                                       "Diagramm zu 3 kurve zeichnen somapotential=ja\n"
                                       "Diagramm zu 3 farbe fuer Kurve 0=255\n"
                                       "Diagramm 2 zu 3 linienDicke=5\n"));
    const DiagrammDaten& d = n->hauptDiagramm;
    EXPECT_EQ(listenLaenge(d), 1);
    EXPECT_EQ(d.linienDicke, 4);
    EXPECT_EQ(d.hilfslinien, 1);
    EXPECT_EQ(d.minY, -70.0);
    EXPECT_EQ(d.maxY, 50.0);
    EXPECT_EQ(d.kurven[0].anzeigen, 1);
    EXPECT_EQ(d.kurven[0].farbe, 255u);
}

// ---- what the Part leaves to missing keys and to slots that are off ---------------------------

TEST_F(Diagrammeinstellungen, FehlendeUndUnvollstaendigeWerte)
{
    struct Fall {
        const char* name;
        std::string zeilen;
        std::function<void(DiagrammDaten&)> vorher;
        std::function<void(const DiagrammDaten&)> pruefen;
    };
    const auto keine = [](DiagrammDaten&) {};
    const std::vector<Fall> faelle = {
        {"ranges missing", "linienDicke=1\n", keine,
         [](const DiagrammDaten& d) {
             EXPECT_EQ(std::make_tuple(d.minY, d.maxY, d.minX, d.maxX), std::make_tuple(-100.0, 50.0, 0.0, -1.0));
         }},
        {"a slot without lines: no colour, no unit, its name kept", "linienDicke=1\n",
         [](DiagrammDaten& d) {
             d.kurven[3].farbe = 5;
             d.kurven[3].dimension = "mV";
             d.kurven[3].bezeichnung = "Ca";
         },
         [](const DiagrammDaten& d) {
             EXPECT_EQ(d.kurven[3].farbe, KeineFarbe);
             EXPECT_EQ(d.kurven[3].dimension, "");
             EXPECT_EQ(d.kurven[3].bezeichnung, "Ca");
             EXPECT_EQ(d.kurven[3].anzeigen, 0);
         }},
        {"an empty name leaves it, an empty unit empties it",
         "Bezeichnung fuer Kurve 2=\ndimension fuer Kurve 2=\nyZoom fuer Kurve 2=2,5\n",
         [](DiagrammDaten& d) {
             d.kurven[2].bezeichnung = "alt";
             d.kurven[2].dimension = "nA";
         },
         [](const DiagrammDaten& d) {
             EXPECT_EQ(d.kurven[2].bezeichnung, "alt");
             EXPECT_EQ(d.kurven[2].dimension, "");
             EXPECT_EQ(d.kurven[2].yZoom, 2.5);
         }},
        {"a colour is taken only whole", "cursorFarbe rot=1\ncursorFarbe gruen=2\ntickFarbe rot=1\ntickFarbe gruen=2\ntickFarbe blau=3\n",
         [](DiagrammDaten& d) { d.cursorFarbe = 7; },
         [](const DiagrammDaten& d) {
             EXPECT_EQ(d.cursorFarbe, KeineFarbe);
             EXPECT_EQ(d.tickFarbe, 0x030201u);
             EXPECT_EQ(d.achsenFarbe, KeineFarbe);
         }},
        {"'nein' at the origin leaves the bit", "x-tick im ursprung beschriften=nein\ny-tick im ursprung beschriften=ja\n",
         [](DiagrammDaten& d) { d.ursprungBeschriften = 0x1; },
         [](const DiagrammDaten& d) { EXPECT_EQ(d.ursprungBeschriften, 0x3); }},
        {"channel slot with 0 is off", "kurve zeichnen strom kanal 2=0\nkurve zeichnen strom kanal 3=4\n",
         [](DiagrammDaten& d) {
             d.kurven[9].anzeigen = d.kurven[9].kanal = 3;
             d.kurven[8].anzeigen = d.kurven[8].kanal = 1;
         },
         [](const DiagrammDaten& d) {
             EXPECT_EQ(d.kurven[9].anzeigen, 0);
             EXPECT_EQ(std::make_tuple(d.kurven[10].anzeigen, d.kurven[10].kanal), std::make_tuple(4, 4));
             EXPECT_EQ(d.kurven[8].anzeigen, 0);
         }},
        {"a missing switch is off", "linienDicke=1\n",
         [](DiagrammDaten& d) { d.hilfslinien = d.kurven[0].anzeigen = 1; },
         [](const DiagrammDaten& d) { EXPECT_EQ(d.hilfslinien + d.kurven[0].anzeigen, 0); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        leeren();
        NeuronDaten* n = neu(3);
        n->hauptDiagramm.neuronId = 3;
        f.vorher(n->hauptDiagramm);
        std::string innen;
        for (size_t a = 0, e; a < f.zeilen.size(); a = e + 1) {
            e = f.zeilen.find('\n', a);
            innen += "Diagramm 1 zu 3 " + f.zeilen.substr(a, e - a + 1);
        }
        lesen(&n->hauptDiagramm, neuronBlock(3, innen));
        f.pruefen(n->hauptDiagramm);
    }
}

TEST_F(Diagrammeinstellungen, SchreiberLaesstAusgeschalteteSlotsWegUndSchreibtDenUrsprungMitSechsStellen)
{
    NeuronDaten* n = neu(4);
    DiagrammDaten& d = n->hauptDiagramm;
    d.neuronId = 4;
    d.xUrsprung = 0.1234567;
    d.kurven[9].anzeigen = d.kurven[9].kanal = 3;
    d.kurven[5].anzeigen = 1;
    const std::string t = zeilen(&d);
    EXPECT_NE(t.find("Diagramm 1 zu 4 xUrsprung (werte)=0.123457\n"), std::string::npos);
    EXPECT_NE(t.find("Diagramm 1 zu 4 kurve zeichnen strom kanal 2=3\n"), std::string::npos);
    EXPECT_EQ(t.find("kurve zeichnen strom kanal 1="), std::string::npos);
    EXPECT_NE(t.find("Diagramm 1 zu 4 kurve zeichnen dendritenpotential segment 1=ja\n"), std::string::npos);
    EXPECT_NE(t.find("Diagramm 1 zu 4 schriftgr\xF6\xDF" "e f\xFCr dimensionen=0\n"), std::string::npos);
    EXPECT_EQ(t.find("fuer Kurve 0="), std::string::npos);
    EXPECT_NE(t.find("fuer Kurve 5="), std::string::npos);
    EXPECT_NE(t.find("dicke 2. achse 9="), std::string::npos);
}

// ---- reference curves and the filtered template -------------------------------------------------

TEST_F(Diagrammeinstellungen, ReferenzkurvenNurWaehrendEineKurvendateiGeoeffnetWird)
{
    NeuronDaten* n = neu(6);
    DiagrammDaten& d = n->hauptDiagramm;
    d.neuronId = 6;
    d.kurven[13].referenz = d.kurven[14].referenz = kurvenReferenz::Gespeichert;
    d.kurven[13].anzeigen = 1;
    d.kurven[13].werte = {1.0f, 2.0f};
    d.kurven[13].werteAnzahl = 2;
    EXPECT_EQ(zeilen(&d).find("kurve zeichnen referenz"), std::string::npos);

    datPfad.kurvenDateiWirdGeoeffnet = 1;
    pt::boxAntworten({plattform::antwort::Ok});   // slot 14 has nothing to store
    const std::string t = zeilen(&d);
    ASSERT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(951)});
    EXPECT_NE(t.find("Diagramm 1 zu 6 kurve zeichnen referenz 13=1\n"), std::string::npos);
    EXPECT_EQ(t.find("kurve zeichnen referenz 14="), std::string::npos);

    leeren();
    NeuronDaten* m = neu(6);
    m->hauptDiagramm.neuronId = 6;
    m->hauptDiagramm.kurven[15].anzeigen = 1;
    datPfad.kurvenDateiWirdGeoeffnet = 1;
    lesen(&m->hauptDiagramm, neuronBlock(6, t));
    EXPECT_EQ(std::make_tuple(m->hauptDiagramm.kurven[13].anzeigen, m->hauptDiagramm.kurven[13].referenz),
              std::make_tuple(1, 1));
    EXPECT_EQ(m->hauptDiagramm.kurven[15].anzeigen, 0);
    // the permutation display has no reference curves
    KurvenDaten& p = permutationsDiagramm.kurven[13];
    p.referenz = kurvenReferenz::Gespeichert;
    p.anzeigen = 1;
    p.werte = {1.0f};
    p.werteAnzahl = 1;
    EXPECT_EQ(zeilen(&permutationsDiagramm).find("kurve zeichnen referenz"), std::string::npos);
}

TEST_F(Diagrammeinstellungen, VorlageOhneYBereichSolangeEinEingabefilterGilt)
{
    diagrammVorlage.minY = -80.0;
    diagrammVorlage.yTickIntervall = 20.0;
    dateipfade.filterIndex = 2;
    const std::string t = zeilen(&diagrammVorlage);
    for (const char* fehlt : {"yTickIntervall=", "minY=", "maxY="})
        EXPECT_EQ(t.find(fehlt), std::string::npos) << fehlt;
    EXPECT_NE(t.find("maxX="), std::string::npos);
    lesen(&diagrammVorlage, t);
    EXPECT_EQ(diagrammVorlage.minY, -100.0);
    EXPECT_EQ(diagrammVorlage.yTickIntervall, 20.0);
    dateipfade.filterIndex = 0;
    EXPECT_NE(zeilen(&diagrammVorlage).find("minY=-100\n"), std::string::npos);
}

// ---- mends ----------------------------------------------------------------------------------------

TEST_F(Diagrammeinstellungen, WeitereDiagrammeNurInDerListeEinesNeuronsMitGueltigerNummer)
{
    NeuronDaten* fuenf = neu(5);
    fuenf->hauptDiagramm.neuronId = 5;
    struct Fall {
        const char* name;
        DiagrammDaten* erstes;
        int nummer;
    };
    const Fall faelle[] = {
        {"permutation display", &permutationsDiagramm, 65535},
        {"template under an existing neuron's number", &diagrammVorlage, 5},
        {"number beyond the table", &diagrammVorlage, 2000},
        {"number 0", &diagrammVorlage, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.erstes->neuronId = f.nummer;
        const std::string v = "Diagramm 1 zu " + std::to_string(f.nummer) + " ";
        const std::string w = "Diagramm 2 zu " + std::to_string(f.nummer) + " ";
        lesen(f.erstes, v + "linienDicke=3\n" + w + "linienDicke=4\n");
        EXPECT_EQ(f.erstes->linienDicke, 3);
        EXPECT_EQ(f.erstes->naechstes, nullptr);
        EXPECT_EQ(listenLaenge(fuenf->hauptDiagramm), 1);
    }
}

TEST_F(Diagrammeinstellungen, WiederGelesenNutztDieVorhandenenDiagrammeStattNeueAnzuhaengen)
{
    NeuronDaten* n = neu(2);
    n->hauptDiagramm.neuronId = 2;
    const std::string t = neuronBlock(2, "Diagramm 1 zu 2 linienDicke=1\nDiagramm 2 zu 2 linienDicke=2\n"
                                   "Diagramm 3 zu 2 linienDicke=3\n");
    lesen(&n->hauptDiagramm, t);
    DiagrammDaten* dritter = n->hauptDiagramm.naechstes->naechstes;
    lesen(&n->hauptDiagramm, t);
    ASSERT_EQ(listenLaenge(n->hauptDiagramm), 3);
    EXPECT_EQ(n->hauptDiagramm.naechstes->naechstes, dritter);
    EXPECT_EQ(dritter->linienDicke, 3);
}

TEST_F(Diagrammeinstellungen, PermutationsdiagrammStehtImmerUnter65535)
{
    for (int nummer : {0, 12, 65535}) {
        SCOPED_TRACE(nummer);
        permutationsDiagramm.neuronId = nummer;
        permutationsDiagramm.linienDicke = 6;
        const std::string t = zeilen(&permutationsDiagramm);
        EXPECT_TRUE(t.starts_with("Diagramm 1 zu 65535 hilfslinien=")) << t.substr(0, 40);
        permutationsDiagramm.linienDicke = 0;
        lesen(&permutationsDiagramm, "[Permutation: NEURON -1]\n" + t + "[ende NEURON -1]\n[NEURON 1]\nDiagramm 1 zu 65535 linienDicke=9\n");
        EXPECT_EQ(permutationsDiagramm.linienDicke, 6);
    }
}

TEST_F(Diagrammeinstellungen, TabellenwerteAusserhalbIhresBereichsZaehlenAlsFehlend)
{
    struct Fall {
        std::string zeile;
        int DiagrammDaten::*diagrammFeld;   // or a slot's field
        int KurvenDaten::*kurvenFeld;
        int erwartet;                       // 99: unchanged
    };
    using D = DiagrammDaten;
    using K = KurvenDaten;
    const Fall faelle[] = {
        {"linienArt (0: SOLID, 1: DASH, 2: DOT)=3", &D::linienArt, nullptr, 99},
        {"linienArt (0: SOLID, 1: DASH, 2: DOT)=-1", &D::linienArt, nullptr, 99},
        {"linienArt (0: SOLID, 1: DASH, 2: DOT)=2", &D::linienArt, nullptr, 2},
        {"linienart fuer Kurve 4=3", nullptr, &K::linienart, 99},
        {"linienart fuer Kurve 4=0", nullptr, &K::linienart, 0},
        {"externe neuron id fuer Kurve 4=1024", nullptr, &K::externeNeuronId, 99},
        {"externe neuron id fuer Kurve 4=-1", nullptr, &K::externeNeuronId, 99},
        {"externe neuron id fuer Kurve 4=1023", nullptr, &K::externeNeuronId, 1023},
        {"externe kurve id fuer Kurve 4=20", nullptr, &K::externeKurveId, 99},
        {"externe kurve id fuer Kurve 4=19", nullptr, &K::externeKurveId, 19},
        {"synapse id fuer Kurve 4=4096", nullptr, &K::synapseId, 99},
        {"synapse id fuer Kurve 4=4095", nullptr, &K::synapseId, 4095},
        {"stromreiz-segment fuer Kurve 4=5", nullptr, &K::stromreizSegment, 99},
        {"stromreiz-segment fuer Kurve 4=4", nullptr, &K::stromreizSegment, 4},
        {"kurve zeichnen strom kanal 1=5", nullptr, &K::kanal, 99},
        {"kurve zeichnen strom kanal 1=-2", nullptr, &K::kanal, 99},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        leeren();
        NeuronDaten* n = neu(3);
        DiagrammDaten& d = n->hauptDiagramm;
        d.neuronId = 3;
        const int slot = f.zeile.find("kanal 1") != std::string::npos ? kurve::Kanal1 : 4;
        int& feld = f.diagrammFeld ? d.*f.diagrammFeld : d.kurven[slot].*f.kurvenFeld;
        feld = 99;
        lesen(&d, neuronBlock(3, "Diagramm 1 zu 3 " + f.zeile + "\n"));
        EXPECT_EQ(feld, f.erwartet);
    }
    // a channel that cannot be shown leaves its slot off
    EXPECT_EQ(neuronNachNummer(3)->hauptDiagramm.kurven[kurve::Kanal1].anzeigen, 0);
}

TEST_F(Diagrammeinstellungen, BeideBereicheKommenTrotzIhrerLesereihenfolgeZurueck)
{
    NeuronDaten* n = neu(3);
    DiagrammDaten& d = n->hauptDiagramm;
    d.neuronId = 3;
    d.minY = -80.0;
    d.maxY = 40.0;
    d.minX = 0.5;
    d.maxX = 2.0;
    const std::string t = neuronBlock(3, zeilen(&d));
    d.minY = d.maxY = d.minX = d.maxX = 0.0;
    lesen(&d, t);
    EXPECT_EQ(std::make_tuple(d.minY, d.maxY, d.minX, d.maxX), std::make_tuple(-80.0, 40.0, 0.5, 2.0));
}

// ---- damaged texts ---------------------------------------------------------------------------------

TEST_F(Diagrammeinstellungen, BeschaedigteTexteLassenNurGueltigeTabellenwerte)
{
    NeuronDaten* n = neu(9);
    befuellen(n->hauptDiagramm, 0);
    befuellen(*diagrammAnhaengen(*n), 300);
    n->hauptDiagramm.neuronId = 9;
    const std::string grund = neuronBlock(9, zeilen(&n->hauptDiagramm)) + "[NEURON 10]\n";
    leeren();
    Verformer verformen{20240917};
    for (int runde = 0; runde < 150; ++runde) {
        SCOPED_TRACE(runde);
        const std::string t = verformen(grund);
        datPfad.kurvenDateiWirdGeoeffnet = runde % 2;
        NeuronDaten* m = neu(runde % 3 ? 9 : 10);
        m->hauptDiagramm.neuronId = m->nummer;
        lesen(&m->hauptDiagramm, t);
        lesen(&m->hauptDiagramm, t);
        EXPECT_LE(listenLaenge(m->hauptDiagramm), 2);
        for (const DiagrammDaten* d = &m->hauptDiagramm; d; d = d->naechstes) {
            EXPECT_TRUE(d->linienArt >= 0 && d->linienArt <= 2);
            EXPECT_LE(d->xDimension.size(), 63u);
            for (const KurvenDaten& k : d->kurven) {
                EXPECT_TRUE(k.linienart >= 0 && k.linienart <= 2);
                EXPECT_TRUE(k.externeKurveId >= 0 && k.externeKurveId < kurvenProDiagramm);
                EXPECT_TRUE(k.externeNeuronId >= 0 && k.externeNeuronId < 1024);
                EXPECT_TRUE(k.synapseId >= 0 && k.synapseId < 4096);
                EXPECT_TRUE(k.stromreizSegment >= 0 && k.stromreizSegment <= 4);
                EXPECT_TRUE(k.kanal >= 0 && k.kanal <= 4);
                EXPECT_LE(k.bezeichnung.size(), 127u);
                EXPECT_LE(k.dimension.size(), 31u);
            }
        }
        weg(m);
    }
}
