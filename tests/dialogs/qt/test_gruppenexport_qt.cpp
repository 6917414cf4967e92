// tests/dialogs/qt/test_gruppenexport_qt.cpp - the group dialog and the spike-time and
// export dialogs open on Qt with their own procedures and close with Cancel
#include "dialogs/exportdialoge.h"
#include "dialogs/synapsengruppen.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/qt/qtstart.h"
#include "resources/befehle.h"
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

using namespace plattform;

TEST(GruppenExportQt, AlleDreiOeffnenMitIhrenProzedurenUndBrechenAb)
{
    qt::anwendungSicherstellen();
    netzLoeschen();
    simulationsParameter.schrittweite = 1e-4;
    NeuronDaten* a = neuronNeu(1, 0);
    NeuronDaten* b = neuronNeu(2, 0);
    neuronKette.anzahl = 2;
    SynapseDaten* s = synapseNeu(a, b, 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
    synapsenTabelleSetzen(s->id, s);
    synapsengruppeBelegen(1, *s, nullptr);
    const std::function<intptr_t()> oeffner[] = {
        [] { return synapsengruppeDialogOeffnen(nullptr, 1); },
        [] { return spikeZeitenDialogOeffnen(nullptr, befehlSpikefolgeBewerten); },
        [] { return asciiExportDialogOeffnen(nullptr); },
    };
    int gesehen = 0;
    for (const auto& oeffnen : oeffner) {
        QTimer schauen;
        QObject::connect(&schauen, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                    ++gesehen;
                    schauen.stop();
                    d->reject();
                }
        });
        schauen.start(10);
        EXPECT_EQ(oeffnen(), 2);
    }
    EXPECT_EQ(gesehen, 3);
    netzLoeschen();
    qt::geloeschteFreigeben();
}
