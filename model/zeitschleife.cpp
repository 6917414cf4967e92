// model/zeitschleife.cpp - the time loop of a network run
#include "model/zeitschleife.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "model/kurven.h"
#include "model/aufzeichnung.h"
#include "model/entgleisung.h"
#include "model/export.h"
#include "model/kollision.h"
#include "model/laufhaken.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/parameter.h"
#include "model/rueckkopplung.h"
#include "model/skript.h"
#include "model/startzustand.h"
#include "model/gb.h"
#include "model/hh.h"
#include "model/kca.h"
#include "model/kern.h"
#include "model/onoff.h"
#include "model/swim.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/synaptisch.h"
#include "model/zufall.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

// the loop asks for pending events only every this many steps; the pump itself waits
// for ~20 ms of wall time between two passes
constexpr int pumpIntervall = 256;
// Before a pass of the pump the records are brought up to date from the kernels' lanes and
// after it taken back, which costs a pass over every neuron: the loop calls the pump only
// when its own wait (on the same clock) is over, so the throttled calls that find it too
// soon cost nothing.
constexpr double pumpAbstand = 0.02;
// the open diagrams get the points of the samples so far at most this often (seconds of
// wall time): each pass reads every sample of their time windows
constexpr double liveAbstand = 0.05;

bool interaktiv()
{
    return !(modusStatus & modusBit::Permutationsmodus) && !(skriptStatus & skriptBit::Laeuft);
}

void alleDiagramme(NeuronDaten& n, auto&& tun)
{
    for (DiagrammDaten* d = &n.hauptDiagramm; d; d = d->naechstes)
        tun(*d);
}

// the main window's title: the status text without its leading tab
void titelAusStatus(const std::string& text)
{
    if (fensterhandles.hauptfenster)
        plattform::titelSetzen(fensterhandles.hauptfenster, text.empty() ? text : text.substr(1));
}

std::string fortschrittText(double prozent, double sekunden)
{
    char puffer[96];
    const int minuten = static_cast<int>(sekunden / 60.0);
    std::snprintf(puffer, sizeof puffer, "\t%2.0lf%%  %01d min  %2.02lf s", prozent, minuten,
                  sekunden - minuten * 60.0);
    return puffer;
}

// The collisions of a step: a pulse rebuilds a soma element's stimulus table, so the
// elements' records are brought up to date first and their cursors go back into the lanes.
// (This and the other passes that not every step takes stay out of the loop's own code,
// which a network without neurons runs in a few nanoseconds.)
[[gnu::noinline]] void kollisionenDesSchritts()
{
    for (const Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes)
        for (int e : {element::Soma1, element::Soma2})
            if (o->elemente[e])
                laufKernZurueckschreiben(*o->elemente[e]);
    kollisionenPruefen();
    for (const Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes)
        for (int e : {element::Soma1, element::Soma2})
            if (o->elemente[e])
                laufKernReizeUebernehmen(*o->elemente[e]);
}

} // namespace

void neuronLaufVorbereiten(NeuronDaten& n)
{
    // stimulus-table positions
    for (StromTabelle& tabelle : n.stromTabellen)
        tabelle.aktuellerIndex = 0;
    // K(Ca) run values
    if (n.kcaModus & 0x1)
        kcaLaufwerteSetzen(n);
    // write positions; a used slot without samples gets its points computed
    alleDiagramme(n, [&](DiagrammDaten& d) {
        for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
            KurvenDaten& k = d.kurven[slot];
            k.schreibPosition = 0;
            if (k.anzeigen && k.werte.empty())
                kurvePunkteBerechnen(&d, slot);
            if (slot == 7 && n.oeffnungSynapseId > 0)
                k.bezeichnung = n.oeffnungBezeichnung;
        }
    });
    // measurement buffers and counters
    spikeListenFreigeben(n);
    n.apAnzahl = 0;
    n.pspMaximum = -1.0f;
    n.pspMaximumZeit = 0.0f;
    // the Izhikevich step is never shorter than the run step
    const double kleinsterIzSchritt = simulationsParameter.schrittweite * 1000.0;
    if (n.izhikevichAktiv && simulationsParameter.izhikevichSchrittweite <= kleinsterIzSchritt)
        simulationsParameter.izhikevichSchrittweite = kleinsterIzSchritt;
    // the passive mark
    n.passivMarke = passivMarkeBerechnen(n);
}

namespace {

// after the loop: every slot holds the step count of samples (never more than its buffer)
void probenAnzahlenSetzen(NeuronDaten& n, int schritte)
{
    alleDiagramme(n, [&](DiagrammDaten& d) {
        for (KurvenDaten& k : d.kurven) {
            // an own or calcium slot nobody wrote to has no samples, only its no-data fill
            const bool unbeschrieben = k.schreibPosition == 0
                                       && (k.referenz == kurvenReferenz::Eigen || k.referenz == kurvenReferenz::Spezial);
            k.werteAnzahl = (k.werte.empty() || unbeschrieben) ? 0 : std::min(schritte, static_cast<int>(k.werte.size()));
            k.schreibPosition = 0;
            if ((k.referenz & kurvenReferenz::Freisetzung) && !k.werte.empty())
                freisetzungsKurveAusRing(k, k.werteAnzahl);
        }
        // the painter ends the diagram's new-data state at its next paint
        d.neuZeichnen = 1;
    });
}

// an aborted run keeps its counts, but never beyond what the buffers hold
void probenAnzahlenBegrenzen(NeuronDaten& n)
{
    alleDiagramme(n, [&](DiagrammDaten& d) {
        for (KurvenDaten& k : d.kurven)
            k.werteAnzahl = std::min(k.werteAnzahl, static_cast<int>(k.werte.size()));
    });
}

// the neurons of the run in chain order; kept between runs so a run allocates only when
// the network grew
std::vector<NeuronDaten*> laufNeurone;
// those of them the loop steps one by one: no kernel takes their model
std::vector<NeuronDaten*> schrittNeurone;
// those of them with input pools
std::vector<NeuronDaten*> poolNeurone;
// those of them with outgoing synapses
std::vector<NeuronDaten*> quellNeurone;
// those of them whose records hold their state: no kernel took them
std::vector<NeuronDaten*> ohneKern;

// the first neuron whose soma potential is no longer a finite number (a step too large for
// the integration method lets it run away), or null
const NeuronDaten* nichtEndlichesNeuron()
{
    // the kernels' lanes at once, the others' records; the first in chain order only when
    // one is found
    bool endlich = laufKerneEndlich();
    for (const NeuronDaten* n : ohneKern)
        endlich = endlich && (n->potentiale.empty() || std::isfinite(n->potentiale[0]));
    if (endlich)
        return nullptr;
    for (const NeuronDaten* n : laufNeurone)
        if (!n->potentiale.empty() && !std::isfinite(laufPotential(*n, 0)))
            return n;
    return nullptr;
}

// the neurons with input pools, with outgoing synapses and without a kernel; after the
// records may have changed
void synapsenListenBilden()
{
    poolNeurone.clear();
    quellNeurone.clear();
    ohneKern.clear();
    for (NeuronDaten* n : laufNeurone) {
        if (n->nummer < 1 || n->nummer >= static_cast<int>(laufOrte.size()) || !laufOrte[static_cast<size_t>(n->nummer)])
            ohneKern.push_back(n);
        if (n->eingangsPools)
            poolNeurone.push_back(n);
        if (n->ausgangsSynapsen)
            quellNeurone.push_back(n);
    }
    synapsenFelderBilden(quellNeurone);
    synapsenPoolFelderBilden(poolNeurone);
}

// Code outside the kernels reads and writes the records: they are brought up to date first,
// and what it changed goes back into the lanes and the lists of the loop after it.
template <class Aussen>
[[gnu::noinline]] void aussen(Aussen&& tun)
{
    aufzeichnungSichern();
    laufKerneZurueckschreiben();
    synapsenFelderZurueckschreiben();
    tun();
    laufKerneUebernehmen();
    synapsenListenBilden();
    aufzeichnungNeuAufbauen();
}

// The earliest time at which the soma potential of n is known to be no finite number: the
// first such sample of its soma curve since the last check found it finite (sample i was
// recorded at i steps), else the time of the check that found it (t).
double nichtEndlichSeit(const NeuronDaten& n, size_t seitProbe, double schritt, double t)
{
    const KurvenDaten& soma = n.hauptDiagramm.kurven[kurve::Soma];
    const size_t geschrieben = std::min(soma.schreibPosition, soma.werte.size());
    for (size_t i = seitProbe; i < geschrieben; ++i)
        if (!std::isfinite(soma.werte[i]))
            return static_cast<double>(i) * schritt;
    return t;
}

} // namespace

LaufTestHaken laufHaken;
bool laufAngehalten = false;

ModellSchritt modellSchritt[modellSchrittAnzahl] = {
    nullptr,                            // 0: no model, never stepped
    onOffModellBerechnen,               // 1: on/off
    swimModellBerechnen,                // 2: SWIM
    hodgkinHuxleyModellBerechnen,       // 3: Hodgkin-Huxley
    golowaschBuchholzModellBerechnen,   // 4: Golowasch-Buchholz
};

int simulationAusfuehren()
{
    Simulationsparameter& sp = simulationsParameter;
    const double dauer = sp.simulationsDauer;
    const double schritt = sp.schrittweite;
    const bool serie = modusStatus & modusBit::SerieLaeuft;
    // the clock and the abort flag start afresh
    laufZustand.t = 0.0;
    laufZustand.abbrechen = 0;
    laufAngehalten = false;
    // the set-up; a refused one runs no step
    if (!laufZustand.eingerichtet || laufZustand.nachLauf) {
        if (!neuronenStartzustandSetzen())
            return -1;
        synapsenWarteschlangenAnlegen();
        laufZustand.eingerichtet = 1;
    }
    // processor core
    if (sp.prozessorkernZuweisen && sp.prozessorkern > 0 && !plattform::aufKernBinden(sp.prozessorkern - 1))
        plattform::hinweisBox(meldungsTexte[1747]);
    // progress
    double naechsterFortschritt = 0.0;
    const double beginn = plattform::uhrSekunden();
    if (!serie) {
        naechsterFortschritt = schritt * sp.anzeigeIntervall;
        exportPufferFreigeben();
        if (programmStatus & programmBit::WerteExportieren)
            exportPufferAnlegen();
        if (interaktiv()) {
            statusTeilSetzen(0, meldungFormatieren(769));
            statusTeilSetzen(1, "");
            statusTeilSetzen(2, fortschrittText(0, 0));
            titelAusStatus(statusTexte[2]);
        }
    }
    // per-neuron resets and passive marks; the chain cursor walks past the end
    for (aktuellesNeuron = neuronKette.kopf; aktuellesNeuron; aktuellesNeuron = aktuellesNeuron->naechstesNeuron)
        neuronLaufVorbereiten(*aktuellesNeuron);
    // collision objects
    if (sp.kollisionAktiv)
        kollisionenVorbereiten();
    // the neurons of the run, as many as the chain holds
    laufNeurone.clear();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        laufNeurone.push_back(n);
    // the run kernels take the neurons of their models and their state; the others are
    // stepped one by one
    laufKerneVorbereiten(laufNeurone);
    synapsenListenBilden();
    schrittNeurone.clear();
    NeuronDaten* letzterGeschrittener = nullptr;
    for (NeuronDaten* n : laufNeurone) {
        const int typ = n->modellTyp;
        if (typ <= 0 || typ >= modellSchrittAnzahl || !modellSchritt[typ])
            continue;
        letzterGeschrittener = n;
        if (!laufKernUebernimmt(typ))
            schrittNeurone.push_back(n);
    }
    // the first samples at time 0 (the recorder learns where the slots' values live)
    aufzeichnungEinzelneSetzen(schrittNeurone);
    datenAufzeichnen(0.0, 1);
    // processor time and the noise generator start
    const std::clock_t prozessorBeginn = std::clock();
    zufallStarten(static_cast<uint32_t>(std::time(nullptr)));
    // the step counter
    laufZustand.schrittZaehler = anzahlSchritteBerechnen(dauer, schritt);

    // the loop
    const bool kollisionen = sp.kollisionAktiv;
    const bool mitFortschritt = !serie;
    const bool fortschrittInteraktiv = interaktiv();
    const bool skript = skriptStatus & skriptBit::Laeuft;
    const bool liveZeichnen = !serie;   // a series shows its runs in its own display
    double letzteLiveZeichnung = beginn;
    double letzterPumpAufruf = -1e300;
    int schritte = 0;
    double& t = laufZustand.t;
    // the potentials are checked once per display interval, not in every neuron's step
    const double intervall = sp.anzeigeIntervall;
    const int pruefAbstand = !(intervall >= 1.0) ? 1 : static_cast<int>(std::min(intervall, 1e9));
    int bisZurPruefung = pruefAbstand;
    int letztePruefung = 0;             // passes done when the potentials were last found finite
    const NeuronDaten* entgleist = nullptr;
    while (t < dauer && !laufZustand.abbrechen) {
        // the synaptic currents of this step; the first step clears every neuron's, then only
        // the neurons with input pools get theirs (nothing else writes them in a run)
        if (schritte == 0) [[unlikely]]
            synaptischeStroemeBerechnen();
        else
            synaptischeStroemeBerechnen(poolNeurone);
        // every neuron's model step; a step reads and writes only its own neuron (the noise
        // state and the feedback objects aside, see laufKerneVorbereiten), so the kernels may
        // come after the others
        for (size_t j = 0; j < schrittNeurone.size(); ++j) {
            NeuronDaten* n = schrittNeurone[j];
            aktuellesNeuron = n;   // the editor's cursor follows the run; the step takes n
            modellSchritt[n->modellTyp](*n);
            aufzeichnungNachSchritt(j);
        }
        laufKerneSchritt();
        if (letzterGeschrittener)
            aktuellesNeuron = letzterGeschrittener;
        // pending events, throttled to ~20 ms of wall time; the open diagrams show the
        // curves so far when the pump paints them. The dialogs see the records; what they
        // changed reaches the kernels.
        if ((schritte % pumpIntervall) == 0 && plattform::uhrSekunden() - letzterPumpAufruf >= pumpAbstand) [[unlikely]] {
            letzterPumpAufruf = plattform::uhrSekunden();
            aussen([&] {
                if (liveZeichnen && plattform::uhrSekunden() - letzteLiveZeichnung >= liveAbstand) {
                    laufKurvenZeigen();
                    letzteLiveZeichnung = plattform::uhrSekunden();
                }
                if (!plattform::nachrichtenVerarbeitenGedrosselt())
                    laufZustand.abbrechen = 1;
            });
        }
        // collisions
        if (kollisionen) [[unlikely]]
            kollisionenDesSchritts();
        // the synapse dynamics (a test's stand-in may read and write any record)
        if (laufHaken.synapsen) [[unlikely]]
            aussen(laufHaken.synapsen);
        else
            synapsenBerechnen(quellNeurone);
        // the samples of this step
        datenAufzeichnen(t, 0);
        // time moves on
        t += schritt;
        ++schritte;
        if (--bisZurPruefung == 0) [[unlikely]] {
            bisZurPruefung = pruefAbstand;
            // an Esc already pending is the user's abort, not a run that ran away
            if (!laufZustand.abbrechen && (entgleist = nichtEndlichesNeuron()))
                laufZustand.abbrechen = 1;
            else
                letztePruefung = schritte;
        }
        // progress
        if (mitFortschritt && t < dauer && t >= naechsterFortschritt) [[unlikely]] {
            naechsterFortschritt = t + schritt * sp.anzeigeIntervall;
            if (fortschrittInteraktiv) {
                statusTeilSetzen(2, fortschrittText(100.0 * t / dauer, plattform::uhrSekunden() - beginn));
                titelAusStatus(statusTexte[2]);
                restzeit.fortschritt = 100.0 * t / dauer;
                if (restzeit.fenster)
                    plattform::ungueltigMachen(restzeit.fenster);
            } else if (skript) {
                skriptFortschritt(100.0 * t / dauer);
            }
        }
        // the script's progress and EPSP measurement, which reads its neuron's record
        if (skript) [[unlikely]] {
            if (skriptLaufwerte.epspNeuron)
                laufKernZurueckschreiben(*skriptLaufwerte.epspNeuron);
            skriptSchritt(t);
        }
        // the step counter; the run check keeps it far from the end of its range, and it
        // stops there rather than wrap for a run that came past the check
        if (laufZustand.schrittZaehler < INT_MAX)
            ++laufZustand.schrittZaehler;
    }

    // the last steps since the final check
    if (!laufZustand.abbrechen && (entgleist = nichtEndlichesNeuron()))
        laufZustand.abbrechen = 1;
    // the records and the slots hold the last step again; the synapses' arrays go with the run
    laufKerneBeenden();
    synapsenFelderBilden({});
    synapsenPoolFelderBilden({});
    aufzeichnungSichern();

    // after the loop
    // a finished run does not restore the main window
    programmStatus |= programmBit::WiederherstellenAuslassen;
    // a run whose values ran away stops like an abort, but keeps what it recorded
    if (entgleist) {
        laufAngehalten = true;
        const double seit = nichtEndlichSeit(*entgleist, static_cast<size_t>(letztePruefung), schritt, t);
        laufEntgleist(*entgleist, seit);
        exportSchreiben();
        if (teilsimulationsModus == 0)
            for (NeuronDaten* n : laufNeurone)
                probenAnzahlenSetzen(*n, std::min(schritte, anzahlSchritteBerechnen(dauer, schritt)));
        return schritte;
    }
    // aborted
    if (laufZustand.abbrechen) {
        exportPufferFreigeben();
        for (NeuronDaten* n : laufNeurone)
            probenAnzahlenBegrenzen(*n);
        return schritte;
    }
    // the time stands at the run's end at most
    if (t > dauer)
        t = dauer;
    const double prozessorzeit = static_cast<double>(std::clock() - prozessorBeginn) / CLOCKS_PER_SEC;
    // after a run of its own: collision and feedback objects, display, scripts
    if (!(modusStatus & modusBit::Permutationsmodus)) {
        if (sp.kollisionAktiv)
            kollisionenNachLauf();
        if (sp.rueckkopplungAktiv)
            rueckkopplungNachLauf();
        if (interaktiv()) {
            statusTeilSetzen(0, meldungsTexte[1641]);
            const double sekunden = plattform::uhrSekunden() - beginn;
            const int minuten = static_cast<int>(sekunden / 60.0);
            char puffer[64];
            std::snprintf(puffer, sizeof puffer, "\t%2d min  %2.02lf s", minuten, sekunden - minuten * 60.0);
            statusTeilSetzen(2, puffer);
            titelAusStatus(statusTexte[2]);
            if (fensterhandles.statusleiste) {
                plattform::ungueltigMachen(fensterhandles.statusleiste);
                plattform::neuZeichnen(fensterhandles.statusleiste);
            }
        }
    }
    // and 5.4 the script's end of run
    if (skript)
        skriptLaufEnde();
    // a run that recorded the synaptic input hands over to the single-neuron run
    if (teilsimulationsModus == 1)
        teilsimulationsModus = 2;
    // sample counts
    if (teilsimulationsModus == 0)
        for (NeuronDaten* n : laufNeurone)
            probenAnzahlenSetzen(*n, anzahlSchritteBerechnen(dauer, schritt));
    // results and the closing texts
    if (!serie && (!skript || (skriptStatus & skriptBit::AsciiWerte))) {
        exportSchreiben();
        if (programmStatus & programmBit::SomaDateiSchreiben)
            somaDateiSchreiben();
        statusTeilSetzen(0, meldungsTexte[771]);
        netzTitelZeigen();
        if (laufZustand.prozessorzeitAnzeigen)
            plattform::hinweisBox(meldungFormatieren(1748, prozessorzeit));
        if (programmStatus & programmBit::SpikesZaehlen) {
            int summe = 0;
            for (NeuronDaten* n : laufNeurone)
                summe += n->apAnzahl;
            statusTeilSetzen(1, meldungFormatieren(1749, summe));
        }
    }
    return schritte;
}
