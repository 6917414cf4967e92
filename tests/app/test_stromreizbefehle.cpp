// tests/app/test_stromreizbefehle.cpp - the current-injection, stimulus and stimulus-marker
// commands: grey while there is nothing for them to edit, and refused with a notice when
// they come another way (F12 replays the last dialog)
#include "app_hilfe.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

constexpr int vorlageInjektion = 150, vorlageReiz = 132, vorlageKennzeichnung = 152;

class Stromreizbefehle : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    bool grau(int b)
    {
        const Menue m = fensterMenue(haupt());
        menueStandSetzen(m);
        return istGrau(m, b, Nach::Befehl);
    }
    // the command sent anyway: no dialog, one notice with the text, the last dialog kept
    void abgewiesen(int befehlId, int meldung)
    {
        const size_t dialoge = pt::dialogLog().size(), boxen = pt::boxLog().size();
        const int letzter = letzterDialog;
        pt::boxAntworten({antwort::Ok});
        befehl(befehlId);
        nachrichtenVerarbeiten();
        EXPECT_EQ(pt::dialogLog().size(), dialoge) << befehlId;
        ASSERT_EQ(pt::boxLog().size(), boxen + 1) << befehlId;
        EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[meldung]) << befehlId;
        EXPECT_EQ(letzterDialog, letzter) << befehlId;
    }
    // the command opens its dialog, which the script ends
    void geoeffnet(int befehlId, int vorlage, std::vector<pt::DialogSchritt> schritte)
    {
        pt::dialogSkript(vorlage, std::move(schritte));
        befehl(befehlId);
        nachrichtenVerarbeiten();
        ASSERT_FALSE(pt::dialogLog().empty());
        EXPECT_EQ(pt::dialogLog().back().vorlage, vorlage) << befehlId;
        EXPECT_EQ(letzterDialog, befehlId);
    }
};

} // namespace

// Without a neuron all three are grey and refused with a notice; with neurons but none
// marked the injection (which picks its neurons itself) opens, the stimulus and its marker
// stay grey and leave the neurons alone.
TEST_F(Stromreizbefehle, OhneNeuronOderMarkierteGrauUndMitHinweis)
{
    for (int b : {befehlStrominjektion, befehlStromReiz, befehlStromreizKennzeichnung})
        EXPECT_TRUE(grau(b)) << b;
    abgewiesen(befehlStrominjektion, 518);
    abgewiesen(befehlStromReiz, 519);
    abgewiesen(befehlStromreizKennzeichnung, 519);
    EXPECT_EQ(letzterDialog, 0);

    laufbaresNetz(2, ordner);
    NeuronDaten* n = neuronSuchen(1);
    n->kennzeichnungLaenge = 7;
    EXPECT_FALSE(grau(befehlStrominjektion));
    EXPECT_TRUE(grau(befehlStromReiz) && grau(befehlStromreizKennzeichnung));
    abgewiesen(befehlStromReiz, 519);
    abgewiesen(befehlStromreizKennzeichnung, 519);
    EXPECT_EQ(std::pair(n->somaCurrent, n->kennzeichnungLaenge), std::pair(0.0, 7));
    geoeffnet(befehlStrominjektion, vorlageInjektion, {pt::schritt::klicken(2)});
}

// With a marked neuron all three are enabled and work as before: the stimulus dialog's
// example reaches the neuron. Unmarked again, F12 replays the marker dialog only as a notice.
TEST_F(Stromreizbefehle, MitMarkiertemNeuronWieBisherUndF12SagtWarumNicht)
{
    laufbaresNetz(1, ordner);
    NeuronDaten* n = neuronSuchen(1);
    neuronMarkieren(n, 1);
    for (int b : {befehlStrominjektion, befehlStromReiz, befehlStromreizKennzeichnung})
        EXPECT_FALSE(grau(b)) << b;
    geoeffnet(befehlStromReiz, vorlageReiz, {pt::schritt::klicken(1225), pt::schritt::klicken(1)});
    EXPECT_DOUBLE_EQ(n->somaCurrent, 4.8e-10);
    geoeffnet(befehlStromreizKennzeichnung, vorlageKennzeichnung, {pt::schritt::klicken(2)});

    neuronMarkieren(n, 0);
    const size_t dialoge = pt::dialogLog().size();
    pt::boxAntworten({antwort::Ok});
    pt::tasteDruecken(haupt(), taste::F12);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::dialogLog().size(), dialoge);
    ASSERT_FALSE(pt::boxLog().empty());
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[519]);
    EXPECT_EQ(letzterDialog, befehlStromreizKennzeichnung);
}
