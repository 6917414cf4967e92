// tests/app/test_aktualisieren.cpp - the global refresh: every repair and default rule, and
// what it makes of the shipped default.cfg
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

class Aktualisierung : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        gueltigerZustand();
    }
    // every value a rule looks at set to one the rule keeps
    static void gueltigerZustand()
    {
        Simulationsparameter& sp = simulationsParameter;
        sp.anzeigeIntervall = 250.0;
        sp.netzwerktyp = 2;
        sp.anzahlSegmente = 1;
        diagrammOptionen.minimalBreite = 300;
        diagrammOptionen.minimalHoehe = 150;
        zoomFaktor = 2.0;
        kleinsterZoom = 0.5;
        groessterZoom = 4.0;
        netzbildfarben = {1, 2, 3, 4, 5};
        asciiExportEinstellungen.importZeilenlaenge = 80;
        asciiExportEinstellungen.trennzeichen = '\t';
        statuszeilenAnzeigedauer = 700;
        zeiteinstellungen = {300, 400, 600};
        protokoll.x = protokoll.y = 7;
        protokoll.breite = protokoll.hoehe = 70;
        protokoll.eingebetteteHoehe = 31;
        neueSynapseVorgaben = {0.002, 2e-6, 3e-6, -0.03, 0.07};
        laufEinstellungen.xlpspToleranz = 1e-6;
        pspBeispiele = {};
        pspBeispiele[0].dauerPolynom = 0.3;
        pspBeispiele[2].expTauAbfall = 0.004;
        dateipfade.filterText = "Netze0*.gui00";
        dateipfade.ausgabeFilter = dateipfade.permutationsFilter = dateipfade.konfigurationsFilter =
            dateipfade.protokollFilter = "x0*.x00";
        NeuronDaten& s = stdNeuron;
        s.groesse = s.somaGroesse = s.dendritenLaenge = s.dendritDicke = s.segmentTrennerDicke = s.axonLaenge =
            s.synapsenGroesse = s.kennzeichnungLaenge = s.kennzeichnungDicke = 9;
        s.farbe = rgbFarbe(10, 20, 30);
        s.randFarbe = s.axonFarbe = 0;
    }
};

struct Regel {
    const char* regel;
    std::function<void()> vorher;       // one value (or a few) set as the test has it
    std::function<double()> nachher;    // what the refresh left
    double erwartet;
};

double farbe(plattform::Farbe f) { return static_cast<double>(f); }

} // namespace

TEST_F(Aktualisierung, JedeRegelErsetztNurWasSieNichtGeltenLaesst)
{
    Simulationsparameter& sp = simulationsParameter;
    NeueSynapseVorgaben& v = neueSynapseVorgaben;
    AsciiExportEinstellungen& a = asciiExportEinstellungen;
    const Regel regeln[] = {
        {"display interval 0", [&] { sp.anzeigeIntervall = 0.0; }, [&] { return sp.anzeigeIntervall; }, 1000.0},
        {"display interval -5", [&] { sp.anzeigeIntervall = -5.0; }, [&] { return sp.anzeigeIntervall; }, 1000.0},
        {"display interval kept", [] {}, [&] { return sp.anzeigeIntervall; }, 250.0},
        {"dendrite mode 0", [&] { sp.netzwerktyp = 0; }, [&] { return sp.netzwerktyp; }, 3},
        {"... and its segments", [&] { sp.netzwerktyp = 0; }, [&] { return sp.anzahlSegmente; }, 3},
        {"dendrite mode kept", [] {}, [&] { return sp.netzwerktyp * 10 + sp.anzahlSegmente; }, 21},
        {"smallest diagram width 199", [] { diagrammOptionen.minimalBreite = 199; },
         [] { return diagrammOptionen.minimalBreite; }, 200},
        {"smallest diagram height 99", [] { diagrammOptionen.minimalHoehe = 99; },
         [] { return diagrammOptionen.minimalHoehe; }, 100},
        {"zoom 0", [] { zoomFaktor = 0.0; }, [] { return zoomFaktor; }, 1.0},
        {"smallest zoom 1", [] { kleinsterZoom = 1.0; }, [] { return kleinsterZoom; }, 0.01},
        {"smallest zoom 0", [] { kleinsterZoom = 0.0; }, [] { return kleinsterZoom; }, 0.01},
        {"largest zoom at the smallest", [] { groessterZoom = 0.5; }, [] { return groessterZoom; }, 10.0},
        {"zoom kept", [] {}, [] { return zoomFaktor + kleinsterZoom + groessterZoom; }, 6.5},
        {"background not set", [] { netzbildfarben.hintergrund = KeineFarbe; },
         [] { return farbe(netzbildfarben.hintergrund); }, farbe(rgbFarbe(255, 255, 255))},
        {"frame not set", [] { netzbildfarben.rahmen = KeineFarbe; }, [] { return farbe(netzbildfarben.rahmen); },
         farbe(rgbFarbe(0, 0, 0))},
        {"stroke not set", [] { netzbildfarben.strich = KeineFarbe; }, [] { return farbe(netzbildfarben.strich); },
         farbe(rgbFarbe(0, 255, 0))},
        {"marking fill not set", [] { netzbildfarben.markierungFlaeche = KeineFarbe; },
         [] { return farbe(netzbildfarben.markierungFlaeche); }, farbe(rgbFarbe(0, 255, 255))},
        {"marking border not set", [] { netzbildfarben.markierungRand = KeineFarbe; },
         [] { return farbe(netzbildfarben.markierungRand); }, farbe(rgbFarbe(0, 0, 255))},
        {"colours kept, black too", [] { netzbildfarben.rahmen = 0; },
         [] { return farbe(netzbildfarben.rahmen + netzbildfarben.markierungRand); }, 5},
        {"import line length 4", [&] { a.importZeilenlaenge = 4; }, [&] { return a.importZeilenlaenge; }, 512},
        {"import line length 5 kept", [&] { a.importZeilenlaenge = 5; }, [&] { return a.importZeilenlaenge; }, 5},
        {"column separator 0", [&] { a.trennzeichen = 0; }, [&] { return a.trennzeichen; }, 59},
        {"column separator kept", [] {}, [&] { return a.trennzeichen; }, 9},
        {"status-line time 0", [] { statuszeilenAnzeigedauer = 0; }, [] { return statuszeilenAnzeigedauer; }, 2000},
        {"process-time interval -1", [] { zeiteinstellungen.prozesszeitIntervall = -1; },
         [] { return zeiteinstellungen.prozesszeitIntervall; }, 1000},
        {"double-click window 0", [] { zeiteinstellungen.doppelklick = 0; },
         [] { return zeiteinstellungen.doppelklick; }, 500},
        {"curve-marking time 0", [] { zeiteinstellungen.kurvenMarkierung = 0; },
         [] { return zeiteinstellungen.kurvenMarkierung; }, 1000},
        {"times kept", [] {},
         [] {
             const Zeiteinstellungen& z = zeiteinstellungen;
             return statuszeilenAnzeigedauer + z.doppelklick + z.kurvenMarkierung + z.prozesszeitIntervall;
         },
         2000},
        {"protocol left 0", [] { protokoll.x = 0; }, [] { return protokoll.x; }, 50},
        {"protocol top 0", [] { protokoll.y = 0; }, [] { return protokoll.y; }, 50},
        {"protocol width 0", [] { protokoll.breite = 0; }, [] { return protokoll.breite; }, 500},
        {"protocol height 0", [] { protokoll.hoehe = 0; }, [] { return protokoll.hoehe; }, 500},
        {"embedded protocol 30", [] { protokoll.eingebetteteHoehe = 30; },
         [] { return protokoll.eingebetteteHoehe; }, 60},
        {"protocol kept", [] {},
         [] { return protokoll.x + protokoll.y + protokoll.breite + protokoll.hoehe + protokoll.eingebetteteHoehe; },
         185},
        {"new-synapse delay 0", [&] { v.verzoegerung = 0.0; }, [&] { return v.verzoegerung; }, 0.003},
        {"new-synapse conductance -1", [&] { v.leitfaehigkeit = -1.0; }, [&] { return v.leitfaehigkeit; }, 1e-06},
        {"new-synapse maximum 0", [&] { v.maxLeitfaehigkeit = 0.0; }, [&] { return v.maxLeitfaehigkeit; }, 5e-06},
        {"new-synapse maximum below the conductance", [&] { v.maxLeitfaehigkeit = 1e-6; },
         [&] { return v.maxLeitfaehigkeit; }, 2e-6},
        {"... also after the default", [&] {
             v.leitfaehigkeit = 8e-6;
             v.maxLeitfaehigkeit = 0.0;
         },
         [&] { return v.maxLeitfaehigkeit; }, 8e-6},
        {"release threshold not set", [&] { v.freisetzungsSchwelle = -1000.0; },
         [&] { return v.freisetzungsSchwelle; }, -0.04},
        {"release threshold -1 kept", [&] { v.freisetzungsSchwelle = -1.0; },
         [&] { return v.freisetzungsSchwelle; }, -1.0},
        {"release saturation not set", [&] { v.freisetzungsSaettigung = -1000.0; },
         [&] { return v.freisetzungsSaettigung; }, 0.05},
        {"new synapse kept", [] {},
         [&] { return v.verzoegerung + v.leitfaehigkeit + v.maxLeitfaehigkeit + v.freisetzungsSaettigung; },
         0.002 + 2e-6 + 3e-6 + 0.07},
        {"line styles", [] { linienArten = {}; }, [] { return linienArten[1] * 10 + linienArten[2]; },
         stiftStil::Strich * 10 + stiftStil::Punkt},
        {"default font made", [] {}, [] { return standardSchrift.schrift != nullptr; }, 1},
        {"xlPSP tolerance 0", [] { laufEinstellungen.xlpspToleranz = 0.0; },
         [] { return laufEinstellungen.xlpspToleranz; }, 1e-10},
        {"example shapes without example 1", [] { pspBeispiele[0].dauerPolynom = 0.0; },
         [] { return pspBeispiele[0].dauerPolynom + pspBeispiele[1].dauerPolynom + pspBeispiele[2].dauerExp; },
         0.1 + 0.5 + 0.2},
        {"example shapes kept", [] {}, [] { return pspBeispiele[0].dauerPolynom + pspBeispiele[2].expTauAbfall; },
         0.304},
        {"network filter empty", [] { dateipfade.filterText.clear(); },
         [] { return dateipfade.filterText == cfgZeilen::netzFilterVorgabe; }, 1},
        {"output filter empty", [] { dateipfade.ausgabeFilter.clear(); },
         [] { return dateipfade.ausgabeFilter == cfgZeilen::ausgabeFilterVorgabe; }, 1},
        {"permutation filter empty", [] { dateipfade.permutationsFilter.clear(); },
         [] { return dateipfade.permutationsFilter == cfgZeilen::permutationsFilterVorgabe; }, 1},
        {"settings filter empty", [] { dateipfade.konfigurationsFilter.clear(); },
         [] { return dateipfade.konfigurationsFilter == cfgZeilen::cfgFilterVorgabe; }, 1},
        {"protocol filter empty", [] { dateipfade.protokollFilter.clear(); },
         [] { return dateipfade.protokollFilter == cfgZeilen::protokollFilterVorgabe; }, 1},
        {"filters kept", [] {}, [] { return dateipfade.filterText == "Netze0*.gui00"; }, 1},
        {"standard soma 0", [] { stdNeuron.somaGroesse = 0; }, [] { return stdNeuron.somaGroesse; }, 20},
        {"standard dendrite length -3", [] { stdNeuron.dendritenLaenge = -3; },
         [] { return stdNeuron.dendritenLaenge; }, 60},
        {"standard synapse size 0", [] { stdNeuron.synapsenGroesse = 0; },
         [] { return stdNeuron.synapsenGroesse; }, 6},
        {"standard flash thickness 0", [] { stdNeuron.kennzeichnungDicke = 0; },
         [] { return stdNeuron.kennzeichnungDicke; }, 2},
        {"standard colours never set", [] { stdNeuron.farbe = 0; },
         [] { return farbe(stdNeuron.farbe); }, farbe(rgbFarbe(255, 255, 160))},
        {"... its border", [] { stdNeuron.farbe = 0; }, [] { return farbe(stdNeuron.randFarbe); },
         farbe(rgbFarbe(0, 0, 160))},
        {"standard colours with one set kept", [] {},
         [] { return farbe(stdNeuron.farbe + stdNeuron.randFarbe + stdNeuron.axonFarbe); },
         farbe(rgbFarbe(10, 20, 30))},
        {"standard sizes kept", [] {}, [] { return stdNeuron.groesse + stdNeuron.axonLaenge; }, 18},
    };
    for (const Regel& r : regeln) {
        gueltigerZustand();
        r.vorher();
        einstellungenAktualisieren(nullptr, 1);
        EXPECT_DOUBLE_EQ(r.nachher(), r.erwartet) << r.regel;
    }
}

// The built-in example shapes rise smoothly to 1 and fall from 1 where the rise ends.
TEST_F(Aktualisierung, EingebauteBeispielformenSchliessenBeimGipfelStetigAn)
{
    pspBeispiele[0].dauerPolynom = 0.0;
    einstellungenAktualisieren(nullptr, 1);
    for (const PspForm& f : {pspBeispiele[0], pspBeispiele[1]}) {
        const double T = f.anfangPolynom;
        const auto& k = f.polynom;
        const double gipfel = k[0] + T * (k[1] + T * (k[2] + T * (k[3] + T * (k[4] + T * k[5]))));
        const auto& b = f.polynomAbfall;
        EXPECT_NEAR(gipfel * k[6], 1.0, 1e-12) << T;
        EXPECT_NEAR((b[0] * std::exp(-T / b[1]) + b[2]) * b[3], 1.0, 1e-12) << T;
        EXPECT_GT(f.dauerPolynom, T);
    }
    const PspForm& e = pspBeispiele[2];
    const double ende = e.dauerExp * e.anfangExp;
    EXPECT_NEAR(std::exp(-ende / e.expTauAnstieg) * e.expAAnstieg, 1.0, 1e-12);
    EXPECT_NEAR(std::exp(-ende / e.expTauAbfall) * e.expAAbfall, 1.0, 1e-12);
}

// Each neuron's drawing sizes come from the values its file keeps; what it leaves at 0 is
// the standard neuron's, and with a neuron only that neuron is refreshed.
TEST_F(Aktualisierung, ZeichengroessenFolgenDenGespeichertenWerten)
{
    NeuronDaten* a = NeuronFall::neu(1);
    NeuronDaten* b = NeuronFall::neu(2);
    ASSERT_TRUE(a && b);
    a->somaGroesse = 30;
    a->dendritenLaenge = 80;
    b->synapsenGroesse = 11;
    einstellungenAktualisieren(nullptr, 1);
    namespace z = zeichenGroesse;
    const struct { NeuronDaten* n; int welche, erwartet; } faelle[] = {
        {a, z::Soma, 30}, {a, z::DendritLaenge, 80}, {a, z::Schleife, 30}, {a, z::Synapse, 9},
        {b, z::Soma, 9}, {b, z::Synapse, 11}, {b, z::Reizblitz, 9}, {b, z::SegmentLinie, 9},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zeichenGroesseVon(*f.n, f.welche), f.erwartet) << f.n->nummer << " " << f.welche;

    a->axonLaenge = 25;
    b->axonLaenge = 26;
    einstellungenAktualisieren(b, 0);
    EXPECT_EQ(zeichenGroesseVon(*a, z::Axon), 9);
    EXPECT_EQ(zeichenGroesseVon(*b, z::Axon), 26);
}

// The shipped default.cfg keeps zeros for the standard neuron and the main window: after
// the start's refresh every neuron has drawing sizes and colours, and the main window a place.
TEST_F(Aktualisierung, AusgelieferteDefaultCfgGibtNachDerAktualisierungBrauchbareWerte)
{
    ASSERT_TRUE(starten());
    NeuronDaten* n = NeuronFall::neu(1);
    ASSERT_TRUE(n);
    einstellungenAktualisieren(n, 0);
    for (int welche = 0; welche < static_cast<int>(n->zeichenGroessen.size()); ++welche)
        EXPECT_GT(zeichenGroesseVon(*n, welche), 0) << welche;
    for (plattform::Farbe f : {stdNeuron.farbe, stdNeuron.randFarbe, stdNeuron.axonFarbe})
        EXPECT_NE(f, 0u);
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    const Rechteck r = fensterRechteck(haupt());
    EXPECT_EQ(std::tuple(h.x, h.y, h.breite, h.hoehe), std::tuple(r.links, r.oben, r.breite(), r.hoehe()));
    EXPECT_GT(h.breite * h.hoehe, 0);
    EXPECT_GT(pspBeispiele[0].dauerPolynom, 0.0);
    EXPECT_EQ(neueSynapseVorgaben.freisetzungsSchwelle, -0.04);
    EXPECT_EQ(asciiExportEinstellungen.trennzeichen, ';');
}
