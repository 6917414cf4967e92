// tests/app/test_netzbild.cpp - the network picture of the main window: what a paint draws
// for an example network, where lines meet the somata, marks, zoom and dendrite modes
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "core/rahmen.h"
#include "model/anzeigeeinstellungen.h"
#include "model/geometrie.h"
#include "model/synapse.h"
#include <algorithm>
#include <cmath>

using namespace apphilfe;

namespace {

const std::string beispielOrdner = ausgelieferteTexte() + "../../examples/";

using Aufrufe = std::vector<pt::ZeichenAufruf>;

std::vector<const pt::ZeichenAufruf*> vonArt(const Aufrufe& a, pt::ZeichenArt art)
{
    std::vector<const pt::ZeichenAufruf*> r;
    for (const auto& x : a)
        if (x.art == art)
            r.push_back(&x);
    return r;
}

bool gleich(const Rechteck& a, const Rechteck& b)
{
    return a.links == b.links && a.oben == b.oben && a.rechts == b.rechts && a.unten == b.unten;
}

// the distance of p from the centre of the soma box, minus its radius
double abstandVomRand(const Rechteck& soma, Punkt p)
{
    const double cx = (soma.links + soma.rechts) / 2.0, cy = (soma.oben + soma.unten) / 2.0;
    return std::hypot(p.x - cx, p.y - cy) - soma.breite() / 2.0;
}

class Netzbild : public AppFall {
protected:
    const Aufrufe& malen()
    {
        ungueltigMachen(haupt(), nullptr);
        neuZeichnen(haupt());
        return pt::letzteZeichnung(haupt());
    }
    // two unnamed neurons side by side, a synapse from the first to the second
    void zweiNeurone(int modus, int segmente = 0)
    {
        ASSERT_TRUE(starten());
        simulationsParameter.netzwerktyp = modus;
        simulationsParameter.anzahlSegmente = segmente;
        for (int i = 1; i <= 2; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            ASSERT_NE(n, nullptr);
            ASSERT_TRUE(kompartimenteAnpassen(*n, segmente));
            n->x = 100 + 200 * (i - 1);
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
    }
};

TEST_F(Netzbild, EinBeispielnetzZeigtJedesNeuronUndJedeSynapseInDerFarbeIhrerIonenartMitEndenAufDenSomata)
{
    ASSERT_TRUE(starten("", beispielOrdner + "synapsen.gui"));
    nachrichtenVerarbeiten();
    ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
    ASSERT_EQ(neuronKette.anzahl, 4);
    const Aufrufe& a = malen();

    // every soma once, as the circle in its box
    const auto ellipsen = vonArt(a, pt::ZeichenArt::Ellipse);
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        SCOPED_TRACE(n->nummer);
        EXPECT_EQ(std::ranges::count_if(ellipsen, [&](auto* e) { return gleich(e->rechteck, somaRechteck(*n)); }), 1);
        if (!n->name.empty())
            EXPECT_TRUE(std::ranges::any_of(vonArt(a, pt::ZeichenArt::Text), [&](auto* t) { return t->text == n->name; }));
    }
    // every synapse: a line in its colour that leaves its source's soma and ends on its target's
    int synapsen = 0;
    for (int id = 1; id < synapsenTabellenGroesse; ++id) {
        const SynapseDaten* s = synapseNachId(id);
        if (!s)
            continue;
        ++synapsen;
        SCOPED_TRACE(id);
        const Farbe erwartet = synapsenTypIon(s->synapsenTyp) == ionenArt::Natrium   ? synapsenfarben.natrium
                               : synapsenTypIon(s->synapsenTyp) == ionenArt::Kalium  ? synapsenfarben.inhibitorisch
                               : synapsenTypIon(s->synapsenTyp) == ionenArt::Elektrisch ? synapsenfarben.elektrisch
                                                                                        : synapsenfarben.chemisch;
        EXPECT_EQ(synapsenFarbe(*s), erwartet);
        const auto linien = vonArt(a, pt::ZeichenArt::Linie);
        const auto linie = std::ranges::find_if(linien, [&](auto* l) {
            return l->punkte[0].x == s->linienStart.x && l->punkte[0].y == s->linienStart.y;
        });
        ASSERT_NE(linie, linien.end());
        EXPECT_EQ((*linie)->zustand.stift.farbe, erwartet);
        EXPECT_NEAR(abstandVomRand(somaRechteck(*neuronSuchen(s->quellNummer)), (*linie)->punkte[0]), 0.0, 1.5);
        EXPECT_NEAR(abstandVomRand(somaRechteck(*neuronSuchen(s->zielNummer)), (*linie)->punkte[1]), 0.0, 1.5);
    }
    EXPECT_EQ(synapsen, 4);
}

TEST_F(Netzbild, DieSynapsenmarkeStehtAlsPixelImBildDesHauptfensters)
{
    zweiNeurone(1);
    SynapseDaten* s = synapseNeu(neuronSuchen(1), neuronSuchen(2), 0, 1e-6, 0.003, -0.04, 0.05, 0, nullptr);
    ASSERT_NE(s, nullptr);
    synapsenTabelleSetzen(s->id, s);
    const int i = geometrieIndex(1);
    Bild b = fensterAbbild(haupt());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(bildPixel(b, s->markerPunktX[i], s->markerPunktY[i]), synapsenFarbe(*s));
    EXPECT_EQ(bildPixel(b, 5, 5), rgbFarbe(255, 255, 255));
    bildLoeschen(b);
}

TEST_F(Netzbild, EinMarkiertesNeuronIstMitDenMarkierfarbenGefuellt)
{
    zweiNeurone(1);
    neuronMarkieren(neuronSuchen(2), 1);
    const auto ellipsen = vonArt(malen(), pt::ZeichenArt::Ellipse);
    ASSERT_EQ(ellipsen.size(), 2u);
    EXPECT_EQ(ellipsen[0]->zustand.pinsel, neuronSuchen(1)->farbe);
    EXPECT_EQ(ellipsen[1]->zustand.pinsel, rgbFarbe(0, 255, 255));
    EXPECT_EQ(ellipsen[1]->zustand.stift.farbe, rgbFarbe(0, 0, 255));
}

TEST_F(Netzbild, DerZoomVergroessertLageUndGroesseDesSoma)
{
    zweiNeurone(1);
    const int d = zeichenGroesseVon(*neuronSuchen(1), zeichenGroesse::Soma);
    for (double zoom : {1.0, 2.0, 0.5}) {
        SCOPED_TRACE(zoom);
        zoomFaktor = zoom;
        const auto ellipsen = vonArt(malen(), pt::ZeichenArt::Ellipse);
        ASSERT_EQ(ellipsen.size(), 2u);
        EXPECT_EQ(ellipsen[0]->rechteck.links, std::lround(100 * zoom));
        EXPECT_EQ(ellipsen[0]->rechteck.breite(), std::lround((100 + d) * zoom) - std::lround(100 * zoom));
    }
    zoomFaktor = 1.0;
}

TEST_F(Netzbild, DerDendritHatDieSegmenteSeinesModus)
{
    struct Fall { int modus, segmente, dendriten, trenner; };
    for (const Fall f : {Fall{1, 0, 0, 0}, Fall{2, 1, 2, 0}, Fall{3, 3, 2, 2 * 2}, Fall{4, 5, 2, 2 * 4}}) {
        SCOPED_TRACE(f.modus);
        programmZuruecksetzen();
        NeuronFall::leeren();
        zweiNeurone(f.modus, f.segmente);
        const Aufrufe& a = malen();
        EXPECT_EQ(vonArt(a, pt::ZeichenArt::Rechteck).size(), static_cast<size_t>(f.dendriten));
        // the separators of both neurons run across the dendrite; the axons are the vertical lines
        const auto quer = std::ranges::count_if(vonArt(a, pt::ZeichenArt::Linie),
                                                [](auto* l) { return l->punkte[0].y == l->punkte[1].y; });
        EXPECT_EQ(quer, f.trenner);
    }
}

TEST_F(Netzbild, ReizUndPotentialbegrenzungSindAmNeuronGekennzeichnet)
{
    zweiNeurone(1);
    NeuronDaten& n = *neuronSuchen(1);
    const size_t linienVorher = vonArt(malen(), pt::ZeichenArt::Linie).size();
    EXPECT_TRUE(vonArt(malen(), pt::ZeichenArt::Bogen).empty());
    n.stromreize[0].an = 1;
    n.begrenzung.an = 1;
    n.begrenzung.bogenFarbe = rgbFarbe(200, 0, 0);
    const Aufrufe& a = malen();
    EXPECT_EQ(vonArt(a, pt::ZeichenArt::Linie).size(), linienVorher + 2);
    const auto boegen = vonArt(a, pt::ZeichenArt::Bogen);
    ASSERT_EQ(boegen.size(), 1u);
    EXPECT_EQ(boegen[0]->zustand.stift.farbe, rgbFarbe(200, 0, 0));
}

} // namespace
