// app/einstellungen.cpp - the start values of the program and the global refresh
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "files/einstellungszeilen.h"
#include "model/anzeigeeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/geometrie.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "model/netzeinstellungen.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "platform/fenster.h"
#include "permutation/permutation.h"
#include "server/server.h"

using namespace plattform;

namespace {

// ---- start values ------------------------------------------------------------------------

void statusWoerter()
{
    statusWoerterSetzen();
    letzterDialog = 0;
    doppelklickAktiv = 0;
}

void restzeitRechteck()
{
    restzeit.rechteck = {200, 200, 400, 300};
}

void protokollFenster()
{
    protokoll.eingebettet = 1;
    protokoll.sichtbar = 1;
}

void infoboxZeit()
{
    anzeigeboxParameter.anzeigedauer = 2000;
}

void kontaktorte()
{
    kontaktortNamen = {"Soma", "Dendrit1", "Dendrit2", "Dendrit3"};
}

void kalium()
{
    kaliumVorgaben = {-0.09, -0.09, -0.059, -0.017};
    kaliumVerhaeltnisGrenzen = {6.0, 35.0};
    kaliumVorgabeGenommen = false;
    // the platform knows the work area only; the potassium dialog is placed inside it
    const Rechteck a = plattform::arbeitsbereich();
    bildschirmBreite = a.rechts;
    bildschirmHoehe = a.unten;
}

// The template starts without colours, so its layout gives it the program's own; laid out
// once here, no diagram ever falls back to a tick spacing of 0.
void diagrammVorlageAnlegen()
{
    diagrammOptionen = DiagrammOptionen{};
    DiagrammDaten& v = diagrammVorlage;
    v.achsenFarbe = v.cursorFarbe = v.rechteckFarbe = v.linienFarbe = v.tickFarbe = KeineFarbe;
    for (KurvenDaten& k : v.kurven)
        k.farbe = KeineFarbe;
    diagrammLayoutBerechnen(&stdNeuron, &v, 0);
    kurvenVorbereiten(&v, -1);
}

// Every subsystem's start values, behind the frame's.
constexpr Voreinstellung voreinstellungen[] = {
    {"Statuswoerter", statusWoerter},
    {"Restzeitfenster", restzeitRechteck},
    {"Protokollfenster", protokollFenster},
    {"Anzeigedauer der Info-Box", infoboxZeit},
    {"Kontaktorte", kontaktorte},
    {"Formelliste", formelListeFuellen},
    {"Kalium-Vorgaben", kalium},
    {"Simulationsparameter", simulationsparameterVoreinstellen},
    {"Reizschrittweite", reizSchrittweiteVoreinstellen},   // 10 x the step just set
    {"Standardneuron", standardneuronVoreinstellen},
    {"Diagrammvorlage", diagrammVorlageAnlegen},
    {"Permutation", permutationZuruecksetzen},
};

// ---- the refresh -----------------------------------------------------------------------

void zoomGrenzen(NeuronDaten*, int)
{
    if (zoomFaktor <= 0.0)
        zoomFaktor = 1.0;
    if (!(kleinsterZoom > 0.0 && kleinsterZoom < 1.0))
        kleinsterZoom = 0.01;
    if (!(groessterZoom > kleinsterZoom))
        groessterZoom = 10.0;
}

void zeiten(NeuronDaten*, int)
{
    if (statuszeilenAnzeigedauer <= 0)
        statuszeilenAnzeigedauer = 2000;
    if (zeiteinstellungen.prozesszeitIntervall <= 0)
        zeiteinstellungen.prozesszeitIntervall = 1000;
    if (zeiteinstellungen.doppelklick <= 0)
        zeiteinstellungen.doppelklick = 500;
    if (zeiteinstellungen.kurvenMarkierung <= 0)
        zeiteinstellungen.kurvenMarkierung = 1000;
}

void diagrammMindestgroesse(NeuronDaten*, int)
{
    if (diagrammOptionen.minimalBreite < 200)
        diagrammOptionen.minimalBreite = 200;
    if (diagrammOptionen.minimalHoehe < 100)
        diagrammOptionen.minimalHoehe = 100;
}

void protokollMasse(NeuronDaten*, int)
{
    Protokoll& p = protokoll;
    if (p.x == 0)
        p.x = 50;
    if (p.y == 0)
        p.y = 50;
    if (p.breite == 0)
        p.breite = 500;
    if (p.hoehe == 0)
        p.hoehe = 500;
    if (p.eingebetteteHoehe <= 30)
        p.eingebetteteHoehe = 60;
}

void linien(NeuronDaten*, int)
{
    linienArten = {stiftStil::Durchgehend, stiftStil::Strich, stiftStil::Punkt};
}

// colours of the network picture that no settings file set
void bildfarben(NeuronDaten*, int)
{
    Netzbildfarben& f = netzbildfarben;
    const auto vorgeben = [](Farbe& farbe, Farbe vorgabe) {
        if (farbe == KeineFarbe)
            farbe = vorgabe;
    };
    vorgeben(f.hintergrund, rgbFarbe(255, 255, 255));
    vorgeben(f.rahmen, rgbFarbe(0, 0, 0));
    vorgeben(f.strich, rgbFarbe(0, 255, 0));
    vorgeben(f.markierungFlaeche, rgbFarbe(0, 255, 255));
    vorgeben(f.markierungRand, rgbFarbe(0, 0, 255));
}

// the program's default font: the platform's default face at 10 points, made once
void standardSchriftFuellen(NeuronDaten*, int)
{
    FontDaten& s = standardSchrift;
    if (s.punkte <= 0)
        s.punkte = 10;
    if (s.gewicht < 1)
        s.gewicht = 400;
    s.merkmale.hoehe = schriftHoeheAusPunkten(s.punkte, 96);
    s.merkmale.gewicht = s.gewicht;
    s.merkmale.kursiv = s.kursiv != 0;
    s.merkmale.unterstrichen = s.unterstrichen != 0;
    s.merkmale.name = s.name;
    if (!s.schrift)
        s.schrift = schriftErzeugen(s.merkmale);
}

// what a new synapse starts with; the maximum is never below the conductance
void neueSynapse(NeuronDaten*, int)
{
    NeueSynapseVorgaben& v = neueSynapseVorgaben;
    if (v.verzoegerung <= 0.0)
        v.verzoegerung = 0.003;
    if (v.leitfaehigkeit <= 0.0)
        v.leitfaehigkeit = 1e-06;
    if (v.maxLeitfaehigkeit <= 0.0)
        v.maxLeitfaehigkeit = 5e-06;
    if (v.maxLeitfaehigkeit < v.leitfaehigkeit)
        v.maxLeitfaehigkeit = v.leitfaehigkeit;
    // -1000 marks a release value no file set
    if (v.freisetzungsSchwelle < -1.0)
        v.freisetzungsSchwelle = -0.04;
    if (v.freisetzungsSaettigung < -1.0)
        v.freisetzungsSaettigung = 0.05;
}

void asciiImport(NeuronDaten*, int)
{
    AsciiExportEinstellungen& e = asciiExportEinstellungen;
    if (e.importZeilenlaenge <= 4)
        e.importZeilenlaenge = 512;
    if (e.trennzeichen == 0)
        e.trennzeichen = ';';
}

// The free-PSP dialog offers three example shapes. A settings file that has none (the
// first one's polynomial lasts no time) gets these: a fast and a slow polynomial PSP that
// rise smoothly to 1 (3(t/T)^2 - 2(t/T)^3 over the rise time T) and fall off with
// e^(-t/tau) (e^0.5, so that the fall starts at 1 where the rise ends at T = tau / 2),
// and an exponential PSP that rises with e^(t/5 ms) to 1 at 10 ms and falls with 30 ms.
void pspBeispieleFuellen(NeuronDaten*, int)
{
    if (pspBeispiele[0].dauerPolynom > 0.0)
        return;
    const auto polynomisch = [](PspForm& f, double anstieg, double dauer) {
        f.anfangPolynom = anstieg;
        f.dauerPolynom = dauer;
        f.polynom = {0.0, 0.0, 3.0 / (anstieg * anstieg), -2.0 / (anstieg * anstieg * anstieg), 0.0, 0.0, 1.0};
        f.polynomAbfall = {1.6487212707001282, 2.0 * anstieg, 0.0, 1.0};
    };
    polynomisch(pspBeispiele[0], 0.01, 0.1);
    polynomisch(pspBeispiele[1], 0.05, 0.5);
    PspForm& e = pspBeispiele[2];
    e.dauerExp = 0.2;
    e.anfangExp = 0.05;              // of the duration: the rise ends at 10 ms
    e.expTauAnstieg = -0.005;        // a negative time constant rises
    e.expAAnstieg = 0.1353352832366127;    // e^-2: 1 at the end of the rise
    e.expTauAbfall = 0.03;
    e.expAAbfall = 1.3956124250860895;     // e^(1/3): the fall starts at 1 as well
}

void dateifilter(NeuronDaten*, int)
{
    Dateipfade& d = dateipfade;
    const auto fuellen = [](std::string& filter, const char* vorgabe) {
        if (filter.empty())
            filter = vorgabe;
    };
    fuellen(d.filterText, cfgZeilen::netzFilterVorgabe);
    fuellen(d.ausgabeFilter, cfgZeilen::ausgabeFilterVorgabe);
    fuellen(d.permutationsFilter, cfgZeilen::permutationsFilterVorgabe);
    fuellen(d.konfigurationsFilter, cfgZeilen::cfgFilterVorgabe);
    fuellen(d.protokollFilter, cfgZeilen::protokollFilterVorgabe);
}

void rueckkopplungsGraphik(NeuronDaten*, int) { rueckkopplungsObjekteGraphikVorgeben(); }

// The standard neuron holds the fallbacks of every neuron's drawing sizes: none of them may
// be 0. Its colours are those of a record that was never set when all three are black.
void standardneuronAussehen(NeuronDaten*, int)
{
    NeuronDaten& s = stdNeuron;
    const auto vorgeben = [](int& wert, int vorgabe) {
        if (wert <= 0)
            wert = vorgabe;
    };
    vorgeben(s.groesse, 20);
    vorgeben(s.somaGroesse, 20);
    vorgeben(s.dendritenLaenge, 60);
    vorgeben(s.dendritDicke, 4);
    vorgeben(s.segmentTrennerDicke, 1);
    vorgeben(s.axonLaenge, 10);
    vorgeben(s.synapsenGroesse, 6);
    vorgeben(s.kennzeichnungLaenge, 12);
    vorgeben(s.kennzeichnungDicke, 2);
    if (s.farbe == 0 && s.randFarbe == 0 && s.axonFarbe == 0) {
        s.farbe = rgbFarbe(255, 255, 160);
        s.randFarbe = rgbFarbe(0, 0, 160);
        s.axonFarbe = rgbFarbe(0, 0, 160);
    }
}

// The sizes the synapse geometry and the painter read, from the sizes a file keeps (in the
// network's own units; the painter scales them by the zoom). 0 leaves a neuron to the
// standard neuron's; a loop onto its own neuron runs as wide as the soma.
void zeichenGroessenAusWerten(NeuronDaten& n)
{
    namespace z = zeichenGroesse;
    auto& g = n.zeichenGroessen;
    g[z::SegmentLinie] = n.segmentTrennerDicke;
    g[z::DendritLaenge] = n.dendritenLaenge;
    g[z::DendritDicke] = n.dendritDicke;
    g[z::Soma] = n.somaGroesse;
    g[z::Axon] = n.axonLaenge;
    g[z::Synapse] = n.synapsenGroesse;
    g[z::Schleife] = n.somaGroesse;
    g[z::Reizblitz] = n.kennzeichnungLaenge;
}

void zeichenGroessen(NeuronDaten* neuron, int)
{
    zeichenGroessenAusWerten(stdNeuron);
    if (neuron) {
        zeichenGroessenAusWerten(*neuron);
        return;
    }
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        zeichenGroessenAusWerten(*n);
}

// A settings file that never saw the main window holds 0 for its place and size: the
// window's own then, so that the next save stores where it is.
void hauptfensterLage(NeuronDaten*, int)
{
    HauptfensterGeometrie& h = hauptfensterGeometrie;
    if ((h.breite > 0 && h.hoehe > 0) || !fensterhandles.hauptfenster)
        return;
    const Rechteck r = fensterRechteck(fensterhandles.hauptfenster);
    h.x = r.links;
    h.y = r.oben;
    h.breite = r.breite();
    h.hoehe = r.hoehe();
}

// Every subsystem's refresh steps, in the order their records need.
constexpr Aktualisierung aktualisierungen[] = {
    {"Zoom", zoomGrenzen},
    {"Zeiten", zeiten},
    {"Protokollfenster", protokollMasse},
    {"Diagrammfenster", diagrammMindestgroesse},
    {"Hauptfenster", hauptfensterLage},
    {"Linienarten", linien},
    {"Bildfarben", bildfarben},
    {"Standardschrift", standardSchriftFuellen},
    {"Neue Synapse", neueSynapse},
    {"ASCII-Import", asciiImport},
    {"xlPSP-Beispiele", pspBeispieleFuellen},
    {"Dateifilter", dateifilter},
    {"Rueckkopplungsobjekte", rueckkopplungsGraphik},
    {"Standardneuron", standardneuronAussehen},
    {"Zeichengroessen", zeichenGroessen},
    {"Netz", netzAktualisieren},   // the engine's own steps, in their order
    {"Server", serverNeuroneAktualisieren},
};

} // namespace

void programmVoreinstellungen()
{
    for (const Voreinstellung& v : voreinstellungen)
        v.ausfuehren();
}

std::span<const Voreinstellung> voreinstellungsSchritte() { return voreinstellungen; }

void einstellungenAktualisieren(NeuronDaten* neuron, int nachLaden)
{
    for (const Aktualisierung& a : aktualisierungen)
        a.ausfuehren(neuron, nachLaden);
}

std::span<const Aktualisierung> aktualisierungsSchritte() { return aktualisierungen; }
