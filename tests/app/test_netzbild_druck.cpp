// tests/app/test_netzbild_druck.cpp - the network picture with sizes of any magnitude, the
// marking arcs of limited neurons, the printed page of the network and a diagram window
// closed while its print waits
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "model/kollision.h"
#include "model/rueckkopplung.h"
#include "model/seiteneinrichtung.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <climits>
#include <cmath>

using namespace apphilfe;

namespace {

struct NetzbildDruck : AppFall {
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten("", ausgelieferteTexte() + "../../examples/synapsen.gui"));
        nachrichtenVerarbeiten();
        druckAuftrag.druckerName = pdfDrucker;
        druckAuftrag.pdfDatei = ordner + "netz.pdf";
        seiteNetzfenster = {};
    }
    void TearDown() override
    {
        druckAuftrag = {};
        seiteNetzfenster = seiteDiagrammfenster = {};
        programmOptionen = {};
        zoomFaktor = 1.0;
        AppFall::TearDown();
    }
    std::vector<pt::ZeichenAufruf> bildschirm()
    {
        ungueltigMachen(haupt(), nullptr);
        neuZeichnen(haupt());
        return pt::letzteZeichnung(haupt());
    }
    const std::vector<pt::ZeichenAufruf>& gedruckt()
    {
        const size_t vorher = pt::druckLog().size();
        befehl(befehlNetzwerkDrucken);
        EXPECT_EQ(pt::druckLog().size(), vorher + 1);
        return pt::druckLog().back().aufrufe;
    }
    static long anzahl(const std::vector<pt::ZeichenAufruf>& aufrufe, pt::ZeichenArt art)
    {
        return std::count_if(aufrufe.begin(), aufrufe.end(), [art](const pt::ZeichenAufruf& a) { return a.art == art; });
    }
};

// every coordinate a painter handed over, with the pen width
long groessterBetrag(const std::vector<pt::ZeichenAufruf>& aufrufe)
{
    long g = 0;
    const auto mit = [&g](long v) { g = std::max(g, std::labs(v)); };
    for (const pt::ZeichenAufruf& a : aufrufe) {
        for (const Punkt& p : a.punkte)
            mit(p.x), mit(p.y);
        mit(a.rechteck.links), mit(a.rechteck.oben), mit(a.rechteck.rechts), mit(a.rechteck.unten);
        mit(a.zustand.stift.breite);
    }
    return g;
}

} // namespace

// What a dialog stored before its fields were bounded (2147483647, or 99999999999 read with
// atoi), the largest place a file gives and a huge zoom: screen and page are painted without
// an overflow, and no coordinate or pen width goes beyond a few million pixels.
TEST_F(NetzbildDruck, RiesigeGroessenUndDickenZeichnenOhneUeberlauf)
{
    NeuronDaten* a = neuronKette.kopf;
    NeuronDaten* b = a->naechstesNeuron;
    ASSERT_NE(b, nullptr);
    for (NeuronDaten* n : {a, b}) {
        n->zeichenGroessen.fill(n == a ? INT_MAX : 1215752191);
        n->kennzeichnungDicke = INT_MAX;
        n->stromreize[0].an = 1;
        std::tie(n->begrenzung.an, n->begrenzung.bogenAbstand, n->begrenzung.bogenDicke) = std::tuple(1, INT_MAX, INT_MAX);
    }
    a->x = a->y = 1000000;
    programmOptionen.potentialbegrenzungKennzeichnen = 1;
    Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
    std::tie(o->triggerNeuron, o->zielneurone, o->objektName) = std::tuple(a, std::vector<NeuronDaten*>{b}, "R");
    std::tie(o->graphik.rautenbreite, o->graphik.rautenhoehe, o->graphik.linienDicke, o->graphik.rautenrandDicke) =
        std::tuple(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    Kollisionsobjekt* k = kollisionsObjektNeu();
    std::tie(k->elementNummern[0], k->elementNummern[1], k->elementNummern[2]) = std::tuple(a->nummer, b->nummer, a->nummer);
    k->graphik = o->graphik;
    for (double zoom : {1.0, 1e300}) {
        zoomFaktor = zoom;
        const auto schirm = bildschirm();
        EXPECT_GT(anzahl(schirm, pt::ZeichenArt::Ellipse), 1) << zoom;
        EXPECT_LE(groessterBetrag(schirm), 8000000) << zoom;
        gedruckt();
    }
    EXPECT_FALSE(programmEndet());
}

// The arcs round limited neurons follow "Alle Neurone mit Begrenzung graphisch kennzeichnen".
TEST_F(NetzbildDruck, BoegenNurMitDemSchalterFuerBegrenzteNeurone)
{
    neuronKette.kopf->begrenzung.an = 1;
    for (int schalter : {0, 1}) {
        programmOptionen.potentialbegrenzungKennzeichnen = schalter;
        EXPECT_EQ(anzahl(bildschirm(), pt::ZeichenArt::Bogen), schalter);
        EXPECT_EQ(anzahl(gedruckt(), pt::ZeichenArt::Bogen), schalter);
    }
}

// The names on the page stand beside the drawing as on the screen: in the printer font,
// whose point size on paper is the screen's 10 points at the picture's scale, at the mapped
// place, and inside the page.
TEST_F(NetzbildDruck, NamenHabenAufDerSeiteDieGroesseDesBildschirms)
{
    const auto& aufrufe = gedruckt();
    const SeitenEinrichtung& s = seiteNetzfenster;
    ASSERT_GT(s.ausdehnungX, 0);
    const double skala = static_cast<double>(s.druckBreite) / s.ausdehnungX;
    const int punkte = static_cast<int>(std::lround(10 * skala * 96 / pt::druckDpi));
    const int dx = s.randLinksGeraet - static_cast<int>(std::lround(s.druckLinks * skala));
    const int dy = s.randObenGeraet - static_cast<int>(std::lround(s.druckOben * skala));
    const int seitenBreite = pt::a4Breite - 2 * pt::druckRand;
    int namen = 0;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const auto t = std::find_if(aufrufe.begin(), aufrufe.end(),
                                    [n](const pt::ZeichenAufruf& a) { return a.art == pt::ZeichenArt::Text && a.text == n->name; });
        ASSERT_NE(t, aufrufe.end()) << n->name;
        const int hoehe = -t->zustand.schrift.hoehe;
        EXPECT_EQ(-hoehe, schriftHoeheAusPunkten(punkte, pt::druckDpi)) << n->name;
        // the screen's 13 pixels at the page's scale
        EXPECT_NEAR(hoehe / (13.0 * skala), 1.0, 0.1) << n->name;
        const Rechteck soma = somaRechteck(*n);
        EXPECT_EQ(t->punkte[0].x, static_cast<int>(std::lround((soma.rechts + 4) * skala)) + dx) << n->name;
        EXPECT_EQ(t->punkte[0].y, static_cast<int>(std::lround(soma.oben * skala)) + dy) << n->name;
        EXPECT_LE(t->punkte[0].x + static_cast<int>(n->name.size()) * hoehe / 2, seitenBreite) << n->name;
        ++namen;
    }
    EXPECT_GE(namen, 2);
}

// A diagram window closed while its print waits behind the info box: nothing is printed,
// and the program says so instead of "drucken beendet".
TEST_F(NetzbildDruck, GeschlossenesDiagrammfensterSagtDassNichtsGedrucktWurde)
{
    NeuronDaten* n = neuronKette.kopf;
    DiagrammDaten* d = diagrammAnzeigen(n, nullptr);
    ASSERT_TRUE(d && d->fenster);
    const Fenster fenster = d->fenster;
    druckAuftrag.pdfDatei = ordner + "zelle.pdf";
    pt::dialogSkript(174, {[fenster](Fenster) { fensterZerstoeren(fenster); }});
    pt::boxAntworten({antwort::Ok});
    const size_t ereignisse = pt::ereignisLog().size(), auftraege = pt::druckLog().size();
    fensterDrucken(fenster, seiteDiagrammfenster, druckAuftrag, n->name);
    ASSERT_EQ(pt::druckLog().size(), auftraege + 1);
    EXPECT_FALSE(pt::druckLog().back().gedruckt);
    std::vector<std::string> boxen, status;
    for (size_t i = ereignisse; i < pt::ereignisLog().size(); ++i) {
        const pt::Ereignis& e = pt::ereignisLog()[i];
        if (e.art == pt::Ereignis::Box)
            boxen.push_back(e.text);
        else if (e.art == pt::Ereignis::Status)
            status.push_back(e.text);
    }
    EXPECT_EQ(boxen, std::vector<std::string>{meldungFormatieren(1271, n->name.c_str())});
    EXPECT_EQ(std::count(status.begin(), status.end(), meldungsTexte[928]), 0);
    EXPECT_EQ(status.back(), meldungsTexte[1272]);
    EXPECT_FALSE(programmStatus & programmBit::Druckt);
}

// Margins narrower than the printer's unprintable edge (the examples keep 0) leave the
// picture inside the printable area instead of cutting its edges off.
TEST_F(NetzbildDruck, SchmaleRaenderLassenDasBildImDruckbarenBereich)
{
    for (double rand : {0.0, 2.0, 20.0}) {
        seiteNetzfenster.randLinks = seiteNetzfenster.randRechts = seiteNetzfenster.randOben = rand;
        gedruckt();
        const SeitenEinrichtung& s = seiteNetzfenster;
        const int geraet = static_cast<int>(std::lround(pt::a4Breite * rand / 210.0));
        const int links = std::max(geraet, pt::druckRand);
        EXPECT_EQ(std::tuple(s.randLinksGeraet, s.randObenGeraet >= 0, s.druckBreite),
                  std::tuple(links - pt::druckRand, true, pt::a4Breite - 2 * links))
            << rand;
    }
}

// A margin of 1e30 mm that reached the record some other way is no room at all on the page,
// not whatever its conversion to device units wrapped to.
TEST_F(NetzbildDruck, RiesigerRandImSatzDruecktNichtsUndSagtWarum)
{
    seiteNetzfenster.randLinks = 1e30;
    pt::boxAntworten({antwort::Ok});
    gedruckt();
    EXPECT_FALSE(pt::druckLog().back().gedruckt);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[929]);
}
