// tests/dialogs/qt/test_spikefolge_qt.cpp - the settings of the spike-train rating (284)
// open on Qt with their own procedure, for a neuron and for the standard neuron, and
// close with Cancel
#include "abbrechen_hilfe.h"
#include "model/netz.h"
#include "permutation/spikefolge.h"
#include "platform/qt/qtstart.h"

TEST(SpikefolgeQt, OeffnetFuerEinNeuronUndOhneUndBrichtAb)
{
    plattform::qt::anwendungSicherstellen();
    netzLoeschen();
    NeuronDaten* n = neuronNeu(1, 0);
    neuronKette.anzahl = 1;
    n->spikefolge.burstFaktor = 2.0;
    const SpikefolgenEinstellungen vorher = n->spikefolge;
    const std::function<intptr_t()> oeffner[] = {
        [n] { return spikefolgenParameterDialogFuer(nullptr, n); },
        [] { return spikefolgenParameterDialog(nullptr, nullptr); },
    };
    EXPECT_EQ(oeffnenUndAbbrechen(oeffner), 2);
    EXPECT_EQ(std::make_tuple(n->spikefolge.burstFaktor, n->spikefolge.mindestApAnzahlGesamt),
              std::make_tuple(vorher.burstFaktor, vorher.mindestApAnzahlGesamt));
    netzLoeschen();
    plattform::qt::geloeschteFreigeben();
}
