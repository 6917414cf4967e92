// tests/dialogs/test_synapsen_tooltips.cpp - the synapse dialogs (template 135, opened as new,
// edit and delete synapse) and the free PSP shape (319) give their controls the tips of the
// shipped tooltip files, in both languages
#include "dialogs/pspform.h"
#include "dialogs/synapsendialoge.h"
#include "reizdialog_hilfe.h"
#include "resources/vorlagen.h"

using namespace reizdialog;

namespace {

struct SynapsenTooltips : reizdialog::Fall {
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        std::string pfad = VELNOR_TEST_DATEN;
        pfad.resize(pfad.size() - std::string_view("tests/data").size());
        parameterOrdner.pfad = pfad + "resources/parameter/";
    }
    void TearDown() override
    {
        sprachTexteLaden(spracheDeutsch);
        reizdialog::Fall::TearDown();
    }
    // each control of the template whose key has a tip shows that tip; "" when all do
    static std::string fehlende(Fenster d, const DialogVorlage& v, int& mitTipp)
    {
        std::string fehlt;
        for (const DialogElement& e : v.elemente)
            if (const std::string* t = *e.textSchluessel ? tooltipText(e.textSchluessel) : nullptr) {
                ++mitTipp;
                if (test::tooltip(d, e.id) != *t)
                    fehlt += std::to_string(e.id) + " ";
            }
        return fehlt;
    }
};

} // namespace

TEST_F(SynapsenTooltips, JedesSteuerelementMitTexteintragBekommtSeinenTippInBeidenSprachen)
{
    NeuronDaten* a = neuron(1, true);
    NeuronDaten* b = neuron(2, false);
    SynapseDaten* s = synapseNeu(a, b, 0, 1e-6, 0.003, -0.04, 0.05, 1, nullptr);
    ASSERT_TRUE(s);
    synapsenTabelleSetzen(s->id, s);
    for (const int sprachWahl : {spracheDeutsch, spracheEnglisch}) {
        SCOPED_TRACE(sprachWahl);
        ASSERT_EQ(sprachTexteLaden(sprachWahl), "");
        // template 135: the 29 controls of the synapse's kind, site, type, values and parts
        for (int oeffner = 0; oeffner < 3; ++oeffner) {
            int mitTipp = 0;
            std::string fehlt = "?";
            test::dialogSkript(135, {[&](Fenster d) { fehlt = fehlende(d, vorlageSynapse, mitTipp); }, sch::klicken(2)});
            gewaehlteSynapse = s;
            oeffner == 0 ? synapseNeuDialogOeffnen(nullptr)
                         : oeffner == 1 ? synapseBearbeitenDialogOeffnen(nullptr) : synapseLoeschenDialogOeffnen(nullptr);
            EXPECT_EQ(std::pair(fehlt, mitTipp), std::pair(std::string(), 29)) << oeffner;
        }
        // dialog 319: its switch, the two shapes, the weights, times, examples and the rounding
        int mitTipp = 0;
        std::string fehlt = "?";
        test::dialogSkript(319, {[&](Fenster d) { fehlt = fehlende(d, vorlagePspForm, mitTipp); }, sch::klicken(2)});
        pspFormDialogOeffnen(nullptr, s);
        EXPECT_EQ(std::pair(fehlt, mitTipp), std::pair(std::string(), 13));
    }
}
