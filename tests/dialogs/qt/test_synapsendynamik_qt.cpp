// tests/dialogs/qt/test_synapsendynamik_qt.cpp - the synapse dynamics dialogs open on Qt with
// their own procedures, the release preview painted, and close with Cancel
#include "core/status.h"
#include "dialogs/bahnung.h"
#include "dialogs/pspform.h"
#include "dialogs/transmitterdynamik.h"
#include "dialogs/transmittervorschau.h"
#include "model/netz.h"
#include "model/synapse.h"
#include "platform/qt/qtstart.h"
#include "abbrechen_hilfe.h"

using namespace plattform;

TEST(SynapsendynamikQt, AlleFuenfOeffnenMitIhrenProzedurenUndBrechenAb)
{
    qt::anwendungSicherstellen();
    netzLoeschen();
    NeuronDaten* n = neuronNeu(1, 0);
    ASSERT_TRUE(n);
    ++neuronKette.anzahl;
    dateipfade.programmVerzeichnis = std::string(VELNOR_TEST_DATEN) + "/../../resources/";
    SynapseDaten s;
    std::tie(s.quelle, s.id, s.quellNummer, s.freisetzungsSchwelle) = std::tuple(n, 3, 1, -0.05);
    const std::function<intptr_t()> oeffner[] = {
        [&] { return transmitterdynamikDialogOeffnen(nullptr, &s); },
        [&] { return transmitterKurveDialogOeffnen(nullptr, &s); },
        [&] { return fazilitationDepressionDialogOeffnen(nullptr, &s); },
        [&] { return fazilitationMaximumDialogOeffnen(nullptr, &s); },
        [&] { return pspFormDialogOeffnen(nullptr, &s); },
    };
    EXPECT_EQ(oeffnenUndAbbrechen(oeffner), 5);
    EXPECT_GT(transmitterVorschau.geladen, 0);
    netzLoeschen();
    qt::geloeschteFreigeben();
}
