// tests/dialogs/qt/test_synapsendialoge_qt.cpp - the synapse dialogs open on Qt with their
// own procedures and close with Cancel
#include "dialogs/synapsendialoge.h"
#include "model/netz.h"
#include "platform/qt/qtstart.h"
#include "abbrechen_hilfe.h"

using namespace plattform;

TEST(SynapsendialogeQt, AlleVierOeffnenUndBrechenAb)
{
    qt::anwendungSicherstellen();
    netzLoeschen();
    NeuronDaten* a = neuronNeu(1, 0);
    NeuronDaten* b = neuronNeu(2, 0);
    ASSERT_TRUE(a && b);
    neuronKette.anzahl = 2;
    SynapseDaten* s = synapseNeu(a, b, 0, 1e-6, 0.003, -0.04, 0.05, 1, nullptr);
    ASSERT_TRUE(s);
    synapsenTabelleSetzen(s->id, s);
    const std::function<intptr_t()> oeffner[] = {
        [] { return synapseNeuDialogOeffnen(nullptr); },
        [&] { gewaehlteSynapse = s; return synapseBearbeitenDialogOeffnen(nullptr); },
        [&] { gewaehlteSynapse = s; return synapseLoeschenDialogOeffnen(nullptr); },
        [] { return synapsenTypenDialogOeffnen(nullptr); },
    };
    EXPECT_EQ(oeffnenUndAbbrechen(oeffner), 4);
    EXPECT_EQ(synapseNachId(s->id), s);
    netzLoeschen();
    qt::geloeschteFreigeben();
}
