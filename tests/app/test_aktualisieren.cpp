// tests/app/test_aktualisieren.cpp - every rule of the global refresh, and the shipped default.cfg after it
#include "app_hilfe.h"
#include "files/einstellungszeilen.h"
#include "model/anzeigeeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/geometrie.h"
#include "model/synapse.h"
#include <cmath>
#include <functional>
#include <tuple>

using namespace apphilfe;

namespace {

using Aktualisierung = AppFall;

// setzen(false) gives the rule a value it keeps, setzen(true) one it replaces
struct Regel {
    const char* regel;
    std::function<void(bool)> setzen;
    std::function<double()> wert;
    double gueltig, ersetzt;
};

// a rule of one value
template <class T>
Regel feld(const char* regel, T& f, std::type_identity_t<T> gueltig, std::type_identity_t<T> falsch,
           std::type_identity_t<T> ersetzt)
{
    return {regel, [&f, gueltig, falsch](bool e) { f = e ? falsch : gueltig; },
            [&f] { return static_cast<double>(f); }, static_cast<double>(gueltig),
            static_cast<double>(ersetzt)};
}

// an empty file filter gets its default text, another stays
Regel filter(std::string& f, const char* vorgabe)
{
    return {vorgabe, [&f](bool e) { f = e ? "" : "x0*.x00"; }, [&f, vorgabe] { return f == vorgabe; }, 0, 1};
}

} // namespace

TEST_F(Aktualisierung, JedeRegelErsetztNurWasSieNichtGeltenLaesst)
{
    Simulationsparameter& sp = simulationsParameter;
    NeueSynapseVorgaben& v = neueSynapseVorgaben;
    NeuronDaten& s = stdNeuron;
    // the maximum 9e-6 stays; the one set instead is replaced, by no less than the conductance
    const auto synapse = [&v](double leitfaehigkeit, double maximum) {
        return [&v, leitfaehigkeit, maximum](bool e) {
            std::tie(v.leitfaehigkeit, v.maxLeitfaehigkeit) = std::pair(leitfaehigkeit, e ? maximum : 9e-6);
        };
    };
    const auto maximum = [&v] { return v.maxLeitfaehigkeit; };
    // the standard neuron's colours count as never set only when all three are black
    const auto standardfarbe = [&s](bool e) {
        std::tie(s.farbe, s.randFarbe, s.axonFarbe) = std::tuple(0u, e ? 0u : rgbFarbe(10, 20, 30), 0u);
    };
    const Regel regeln[] = {
        feld("display interval 0", sp.anzeigeIntervall, 250.0, 0.0, 1000.0),
        feld("display interval -5", sp.anzeigeIntervall, 250.0, -5.0, 1000.0),
        {"dendrite mode 0 and its segments",
         [&](bool e) { std::tie(sp.netzwerktyp, sp.anzahlSegmente) = std::pair(e ? 0 : 2, 1); },
         [&] { return sp.netzwerktyp * 10 + sp.anzahlSegmente; }, 21, 33},
        feld("smallest diagram width 199", diagrammOptionen.minimalBreite, 300, 199, 200),
        feld("smallest diagram height 99", diagrammOptionen.minimalHoehe, 150, 99, 100),
        feld("zoom 0", zoomFaktor, 2.0, 0.0, 1.0),
        feld("smallest zoom 1", kleinsterZoom, 0.5, 1.0, 0.01),
        feld("smallest zoom 0", kleinsterZoom, 0.5, 0.0, 0.01),
        {"largest zoom at the smallest",
         [](bool e) { std::tie(kleinsterZoom, groessterZoom) = std::pair(0.5, e ? 0.5 : 4.0); },
         [] { return groessterZoom; }, 4.0, 10.0},
        feld("background not set", netzbildfarben.hintergrund, 1u, KeineFarbe, rgbFarbe(255, 255, 255)),
        feld("frame not set, black kept", netzbildfarben.rahmen, 0u, KeineFarbe, rgbFarbe(0, 0, 0)),
        feld("stroke not set", netzbildfarben.strich, 3u, KeineFarbe, rgbFarbe(0, 255, 0)),
        feld("marking fill not set", netzbildfarben.markierungFlaeche, 4u, KeineFarbe, rgbFarbe(0, 255, 255)),
        feld("marking border not set", netzbildfarben.markierungRand, 5u, KeineFarbe, rgbFarbe(0, 0, 255)),
        feld("import line length 4", asciiExportEinstellungen.importZeilenlaenge, 5, 4, 512),
        feld("column separator 0", asciiExportEinstellungen.trennzeichen, '\t', 0, ';'),
        feld("status-line time 0", statuszeilenAnzeigedauer, 700, 0, 2000),
        feld("process-time interval -1", zeiteinstellungen.prozesszeitIntervall, 300, -1, 1000),
        feld("double-click window 0", zeiteinstellungen.doppelklick, 400, 0, 500),
        feld("curve-marking time 0", zeiteinstellungen.kurvenMarkierung, 600, 0, 1000),
        feld("protocol left 0", protokoll.x, 7, 0, 50),
        feld("protocol top 0", protokoll.y, 7, 0, 50),
        feld("protocol width 0", protokoll.breite, 70, 0, 500),
        feld("protocol height 0", protokoll.hoehe, 70, 0, 500),
        feld("embedded protocol 30", protokoll.eingebetteteHoehe, 31, 30, 60),
        feld("new-synapse delay 0", v.verzoegerung, 0.002, 0.0, 0.003),
        feld("new-synapse conductance -1", v.leitfaehigkeit, 2e-6, -1.0, 1e-6),
        {"new-synapse maximum 0", synapse(2e-6, 0.0), maximum, 9e-6, 5e-6},
        {"new-synapse maximum below the conductance", synapse(2e-6, 1e-6), maximum, 9e-6, 2e-6},
        {"... also after the default", synapse(8e-6, 0.0), maximum, 9e-6, 8e-6},
        feld("release threshold not set", v.freisetzungsSchwelle, -1.0, -1000.0, -0.04),
        feld("release saturation not set", v.freisetzungsSaettigung, 0.07, -1000.0, 0.05),
        {"line styles", [](bool) { linienArten = {}; }, [] { return linienArten[1] * 10 + linienArten[2]; },
         12, 12},
        feld("xlPSP tolerance 0", laufEinstellungen.xlpspToleranz, 1e-6, 0.0, 1e-10),
        feld("example shapes without example 1", pspBeispiele[0].dauerPolynom, 0.3, 0.0, 0.1),
        filter(dateipfade.filterText, cfgZeilen::netzFilterVorgabe),
        filter(dateipfade.ausgabeFilter, cfgZeilen::ausgabeFilterVorgabe),
        filter(dateipfade.permutationsFilter, cfgZeilen::permutationsFilterVorgabe),
        filter(dateipfade.konfigurationsFilter, cfgZeilen::cfgFilterVorgabe),
        filter(dateipfade.protokollFilter, cfgZeilen::protokollFilterVorgabe),
        feld("standard soma 0", s.somaGroesse, 9, 0, 20),
        feld("standard dendrite length -3", s.dendritenLaenge, 9, -3, 60),
        feld("standard synapse size 0", s.synapsenGroesse, 9, 0, 6),
        feld("standard flash thickness 0", s.kennzeichnungDicke, 9, 0, 2),
        {"standard colours never set", standardfarbe, [&] { return s.farbe; }, 0, rgbFarbe(255, 255, 160)},
        {"... its border", standardfarbe, [&] { return s.randFarbe; }, rgbFarbe(10, 20, 30),
         rgbFarbe(0, 0, 160)},
    };
    for (const Regel& r : regeln) {
        for (bool ersetzen : {false, true}) {
            r.setzen(ersetzen);
            einstellungenAktualisieren(nullptr, 1);
            EXPECT_DOUBLE_EQ(r.wert(), ersetzen ? r.ersetzt : r.gueltig) << r.regel << " " << ersetzen;
        }
    }
    EXPECT_NE(standardSchrift.schrift, nullptr);
}

// The shipped default.cfg keeps zeros for the standard neuron and the main window and no
// example shapes. After the start's refresh each neuron draws with the sizes its file keeps
// and the standard neuron's for those it leaves at 0 (a neuron given refreshes only itself),
// the main window has a place, and the built-in shapes rise smoothly to 1 and fall from 1
// where the rise ends.
TEST_F(Aktualisierung, AusgelieferteDefaultCfgGibtNachDerAktualisierungBrauchbareWerte)
{
    ASSERT_TRUE(starten());
    NeuronDaten* a = NeuronFall::neu(1);
    NeuronDaten* b = NeuronFall::neu(2);
    ASSERT_TRUE(a && b);
    std::tie(a->somaGroesse, a->dendritenLaenge, b->synapsenGroesse) = std::tuple(30, 80, 11);
    einstellungenAktualisieren(nullptr, 1);
    namespace z = zeichenGroesse;
    const struct { NeuronDaten* n; int welche, erwartet; } faelle[] = {
        {a, z::Soma, 30}, {a, z::DendritLaenge, 80}, {a, z::Schleife, 30}, {a, z::Synapse, 6},
        {b, z::Soma, 20}, {b, z::Synapse, 11}, {b, z::Reizblitz, 12}, {b, z::SegmentLinie, 1},
        {b, z::DendritDicke, 4}, {b, z::Axon, 10}, {b, z::DendritLaenge, 60}, {b, z::Schleife, 20},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zeichenGroesseVon(*f.n, f.welche), f.erwartet) << f.n->nummer << " " << f.welche;
    std::tie(a->axonLaenge, b->axonLaenge) = std::pair(25, 26);
    einstellungenAktualisieren(b, 0);
    EXPECT_EQ(std::pair(zeichenGroesseVon(*a, z::Axon), zeichenGroesseVon(*b, z::Axon)), std::pair(10, 26));
    for (plattform::Farbe f : {stdNeuron.farbe, stdNeuron.randFarbe, stdNeuron.axonFarbe})
        EXPECT_NE(f, 0u);
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    const Rechteck r = fensterRechteck(haupt());
    EXPECT_EQ(std::tuple(h.x, h.y, h.breite, h.hoehe), std::tuple(r.links, r.oben, r.breite(), r.hoehe()));
    EXPECT_GT(h.breite * h.hoehe, 0);
    for (const PspForm& f : {pspBeispiele[0], pspBeispiele[1]}) {
        const double T = f.anfangPolynom;
        const auto& k = f.polynom;
        const double gipfel = k[0] + T * (k[1] + T * (k[2] + T * (k[3] + T * (k[4] + T * k[5]))));
        const auto& g = f.polynomAbfall;
        EXPECT_NEAR(gipfel * k[6], 1.0, 1e-12) << T;
        EXPECT_NEAR((g[0] * std::exp(-T / g[1]) + g[2]) * g[3], 1.0, 1e-12) << T;
    }
    const PspForm& e = pspBeispiele[2];
    const double ende = e.dauerExp * e.anfangExp;
    EXPECT_NEAR(std::exp(-ende / e.expTauAnstieg) * e.expAAnstieg, 1.0, 1e-12);
    EXPECT_NEAR(std::exp(-ende / e.expTauAbfall) * e.expAAbfall, 1.0, 1e-12);
    EXPECT_EQ(neueSynapseVorgaben.freisetzungsSchwelle, -0.04);
    EXPECT_EQ(asciiExportEinstellungen.trennzeichen, ';');
}
