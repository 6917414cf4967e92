// model/netzloeschen.cpp - clearing the whole network
#include "model/netz.h"
#include "core/endemeldung.h"
#include "model/kollision.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"

bool netzWirdAbgebaut = false;
unsigned long long netzKennung = 1;

bool netzLoeschen()
{
    // an undo step gives back the same network; anything else makes room for another
    if (!undoListe.wiederherstellen)
        ++netzKennung;

    // the groups with members
    for (int g = 0; g < synapsengruppenAnzahl; ++g)
        if (synapsengruppen[g].anzahl() > 0)
            synapsengruppeAufloesen(g, 0);

    // marks, the spike recording; the diagram windows go with their neurons below
    neuronMarkieren(nullptr, 0);
    aufzeichnungLoeschen(spikeAufzeichnung);
    spikeAufzeichnung.aufzeichnen = 0;

    // feedback and collision objects
    if (rueckkopplungsObjekte)
        rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, nullptr);
    if (kollisionsObjekte)
        kollisionsObjekteLoeschen(kollisionsObjekte, nullptr);

    // protocol and run result; the run lock guards imported data, which go now
    rahmen::protokollLeeren();
    programmStatus &= ~(programmBit::ErgebnisDa | programmBit::LaufGesperrt);

    // Every neuron, the successor taken first, each record once: what a neuron's records
    // point at in the others (a user channel's synapse, a pool's delay synapse) is not read
    // while the network goes, and a diagram's links to another read as null once that
    // record has gone. The window list goes first, not entry by entry.
    fensterliste.fill(FensterlistenEintrag{});
    {
        struct Abbau {
            Abbau() { netzWirdAbgebaut = true; }
            ~Abbau() { netzWirdAbgebaut = false; }
        } abbau;
        for (NeuronDaten* n = neuronKette.kopf; n;) {
            NeuronDaten* weiter = n->naechstesNeuron;
            synapsenMitNetzFreigeben(*n);
            neuronFreigeben(n);
            n = weiter;
        }
        // the program's own neurons, which only the table holds
        for (int nummer = 1; nummer < neuronTabellenGroesse; ++nummer)
            if (NeuronDaten* n = neuronNachNummer(nummer); n && n->hilfsneuron)
                neuronFreigeben(n);
    }
    neuronKette = NeuronenKette{};
    aktuellesNeuron = nullptr;

    // counters and tables
    synapsenZaehler = axoZaehler = hoechsteSynapsenId = 0;
    aktuelleSynapse = gewaehlteSynapse = nullptr;
    synapsenTypAnzahl = 0;
    synapsengruppen = {};
    synapsengruppenZahl = 0;
    letztesZielNeuron = 0;
    stromDateiPfad.clear();
    neuronTabelleLeeren();
    synapsenTabelleLeeren();
    aktuellesDiagramm = AktuellesDiagramm{};

    // the title of an unsaved network
    if (fensterhandles.hauptfenster)
        plattform::titelSetzen(fensterhandles.hauptfenster, meldungsTexte[1652]);

    // the four standard types; the count goes with the table, or files would skip them
    if (!synapsenTypTabelleAusStandard(synapsenTypen)) {
        endeMelden(EndeForm::Info, meldungFormatieren(109));
        return false;
    }
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());

    // the empty picture and an empty undo list; while a text is being read (an undo
    // step restored among them) the list holds that text
    if (!(editierStatus & editierBit::DateiWirdGelesen) && !undoListe.wiederherstellen) {
        if (fensterhandles.hauptfenster)
            plattform::ungueltigMachen(fensterhandles.hauptfenster);
        rahmen::netzlosStatusZeigen();
        undoListeLoeschen(undoListe);
    }
    return true;
}

void netzKompartimenteAnpassen()
{
    const int n = simulationsParameter.anzahlSegmente;
    for (NeuronDaten* neuron = neuronKette.kopf; neuron; neuron = neuron->naechstesNeuron)
        if (neuron->segmentAnzahl != n || kompartimentAnzahl(*neuron) != n + 1)
            kompartimenteAnpassen(*neuron, n);
}
