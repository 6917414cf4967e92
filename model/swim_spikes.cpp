// model/swim_spikes.cpp - what a SWIM spike feeds: counters, lists, recording, and the
// objects and scripts waiting for it
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "model/kern.h"
#include "model/kollision.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "model/skript.h"
#include "model/swim.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <new>
#include <stdexcept>

namespace {

constexpr int listenZuwachs = 1000;
constexpr int listenReserve = 512 / 4;   // the lists keep 512 bytes behind their capacity

// Text 116 and the end of the program; the box keeps the keyboard focus where it was.
void zeitenListeVoll()
{
    laufZustand.abbrechen = 1;
    endeMelden(EndeForm::Info, meldungFormatieren(116));
}

// Grows capacity by whole blocks until it holds anzahl entries; new entries are 0.
// False (after text 116) when memory runs out.
template <class... Listen>
bool listenWachsen(int anzahl, int& kapazitaet, Listen&... listen)
{
    if (anzahl <= kapazitaet && ((static_cast<int>(listen.size()) >= anzahl) && ...))
        return true;
    int neu = kapazitaet;
    while (neu < anzahl)
        neu += listenZuwachs;
    try {
        (listen.resize(static_cast<size_t>(neu) + listenReserve, 0.0f), ...);
    } catch (const std::bad_alloc&) {
        zeitenListeVoll();
        return false;
    } catch (const std::length_error&) {
        zeitenListeVoll();
        return false;
    }
    kapazitaet = neu;
    return true;
}

// steps a-d of a counted spike
void spikeZaehlen(NeuronDaten& n, double t)
{
    // a. collision objects
    if (simulationsParameter.kollisionAktiv)
        kollisionsSpikeZeiten(n);
    // b.
    ++n.apAnzahl;
    // c. the spike time, for the spike-time file and for a script's AP-time results; the
    // run's counter counts stored times only
    if (n.spikezeitenSpeichern || (n.apZeitenAufzeichnen & 1)) {
        const bool fehlt = n.spikeZeiten.empty();
        if (fehlt && n.spikeZeitenKapazitaet > 0)
            n.spikeZeitenKapazitaet = 0;   // a list freed elsewhere starts afresh
        if (!listenWachsen(n.apAnzahl, n.spikeZeitenKapazitaet, n.spikeZeiten))
            return;
        n.spikeZeiten[n.apAnzahl - 1] = static_cast<float>(t);
        ++laufZustand.apAnzahl;
    }
    // d. spike recording
    if (spikeAufzeichnung.aufzeichnen)
        aufzeichnungEintragen(spikeAufzeichnung, &n, t);
}

// PSP-amplitude mode: the maximum of every excursion above the neuron's PSP threshold
void pspVerfolgen(NeuronDaten& n, double v0, double v1, double t)
{
    const double schwelle = n.pspSchwelle;
    // a. upward crossing: a new PSP, its maximum starts at the crossing
    if (v0 < schwelle && v1 > schwelle) {
        n.inPsp = 1;
        n.pspMaximum = static_cast<float>(v1);
        n.pspMaximumZeit = static_cast<float>(t);
        ++n.pspAnzahl;
        if (n.pspAmplituden.empty() || n.pspZeiten.empty())
            n.pspKapazitaet = 0;
        if (!listenWachsen(n.pspAnzahl, n.pspKapazitaet, n.pspAmplituden, n.pspZeiten))
            n.inPsp = 0;
        return;
    }
    // b. follow the maximum; store it when the potential falls below the threshold
    if (!n.inPsp)
        return;
    if (v1 >= schwelle && v1 > n.pspMaximum) {
        n.pspMaximum = static_cast<float>(v1);
        n.pspMaximumZeit = static_cast<float>(t);
    }
    if (v1 < schwelle) {
        const int i = n.pspAnzahl - 1;
        if (i >= 0 && i < static_cast<int>(n.pspAmplituden.size()) && i < static_cast<int>(n.pspZeiten.size())) {
            n.pspAmplituden[i] = n.pspMaximum;
            n.pspZeiten[i] = n.pspMaximumZeit;
        }
        n.inPsp = 0;
    }
}

// A feedback object rebuilds its targets' soma stimuli on a spike of its trigger and switches
// them off at its switch-off time: during a run the targets' records are brought up to date
// before and their cursors go back into the lanes of the run kernels after.
void zieleSchreiben()
{
    for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        for (const NeuronDaten* z : o->zielneurone)
            if (z)
                laufKernZurueckschreiben(*z);
}
void zielReizeUebernehmen()
{
    for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        for (const NeuronDaten* z : o->zielneurone)
            if (z)
                laufKernReizeUebernehmen(*z);
}

void spikeAnbieten(NeuronDaten& n, double t)
{
    zieleSchreiben();
    rueckkopplungSpikeAnbieten(n, t);
    zielReizeUebernehmen();
}

void reizeAbschalten(double t)
{
    // only an object whose switch-off time has come touches its targets
    bool faellig = false;
    for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o && !faellig; o = o->naechstes)
        faellig = o->ausschaltZeit > 0.0 && t >= o->ausschaltZeit;
    if (!faellig) {
        rueckkopplungReizeAbschalten(t);
        return;
    }
    zieleSchreiben();
    rueckkopplungReizeAbschalten(t);
    zielReizeUebernehmen();
}

} // namespace

void swimSpikesBehandeln(NeuronDaten& n, double v0, double v1, double t)
{
    const double schwelle = n.parameter[par::SwimSchwelle];
    const bool schwelleUeberschritten = n.passivMarke == 0 && v0 < schwelle && v1 > schwelle;

    if (simulationsParameter.rueckkopplungAktiv) {
        if (schwelleUeberschritten) {
            spikeAnbieten(n, t);
            spikeZaehlen(n, t);
        }
        reizeAbschalten(t);
        return;
    }
    if (n.pspModus & 0x10) {   // no spikes count in this mode
        pspVerfolgen(n, v0, v1, t);
        return;
    }
    if (!schwelleUeberschritten)
        return;
    spikeZaehlen(n, t);
    // e. a script waiting for this neuron's spike
    skriptSpikeWarten(n, t);
}

void spikeListenFreigeben(NeuronDaten& n)
{
    std::vector<float>().swap(n.spikeZeiten);
    n.spikeZeitenKapazitaet = 0;
    std::vector<float>().swap(n.pspAmplituden);
    std::vector<float>().swap(n.pspZeiten);
    n.pspKapazitaet = 0;
    n.pspAnzahl = 0;
    n.inPsp = 0;
}
