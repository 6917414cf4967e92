// tests/dialogs/test_synapsendialoge_zahlen.cpp - the number fields of the synapse dialogs
// (edit synapse 135, synapse types 134 and the potential of a new type): a text without a
// number gets a notice naming the field and nothing is stored
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsengruppen.h"
#include "model/synapse.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"

using namespace reizdialog;

namespace {

struct SynapsenZahlen : reizdialog::Fall {
    NeuronDaten *n1 = nullptr, *n2 = nullptr;
    SynapseDaten* s = nullptr;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        n1 = neuron(1, true);
        n2 = neuron(2, false);
        simulationsParameter.schrittweite = 1e-4;
        dialogEinstellungen.synapsenDialogAnzeige = 5;   // the full view with the type management
        synapsenTypTabelleAusStandard(synapsenTypen);
        s = synapseNeu(n1, n2, 0, 1e-6, 0.003, -0.04, 0.05, 1, nullptr);
        ASSERT_TRUE(s);
        s->id = 5;
        synapsenTabelleSetzen(5, s);
        gewaehlteSynapse = s;
    }
    void TearDown() override
    {
        dialogEinstellungen = {};
        reizdialog::Fall::TearDown();
    }
};

} // namespace

TEST_F(SynapsenZahlen, BearbeitenNimmtNichtsVonEinemFeldOhneZahl)
{
    const struct { int id; const char* text; std::string name; } faelle[] = {
        {1242, "abc", "Leitf\xE4higkeit (S)"},
        {1244, "nan", "Schwelle f\xFCr Transmitterfreisetzung (V)"},
        {1246, "1e400", "S\xE4ttigung der Transmitterfreisetzung (V)"},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(135, {sch::tippen(f.id, f.text), sch::klicken(1), fokus(f.id), sch::klicken(2)});
        EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 2);
        EXPECT_EQ(letzteBox(), meldungFormatieren(952, f.name)) << f.text;
        EXPECT_EQ(synapseNachId(5), s);
        EXPECT_EQ(std::tuple(s->leitfaehigkeit, s->freisetzungsSchwelle, s->freisetzungsSaettigung),
                  std::tuple(1e-6, -0.04, 0.05));
    }
}

// "abc" once read as 0 in the group dialog and the dynamics dialogs, which refused only nan
TEST_F(SynapsenZahlen, GruppeNimmtKeinenTextOhneZahl)
{
    const std::string name = "G";
    synapsengruppeBelegen(synapsengruppeFrei(), *s, &name);
    aktuelleSynapse = s;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(306, {sch::tippen(2041, "abc"), sch::klicken(1), fokus(2041), sch::klicken(2)});
    synapsengruppenBefehl(nullptr, befehlGruppeBearbeiten);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Leitf\xE4higkeit (S)"));
    EXPECT_EQ(s->leitfaehigkeit, 1e-6);
}

// "abc" as the potential of a new type once made a type of 0 V
TEST_F(SynapsenZahlen, NeuerTypOhneZahlAlsPotentialEntstehtNicht)
{
    const size_t typen = synapsenTypen.size();
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(135, {sch::tippen(1259, "Na3"), sch::tippen(1260, "abc"), sch::klicken(1265), fokus(1260),
                             sch::klicken(2)});
    EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 2);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Gleichgewichtspotential (V)"));
    EXPECT_EQ(synapsenTypen.size(), typen);

    // the types dialog asks for the potential; its answer "abc" is named and adds nothing
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(146, {sch::tippen(1251, "abc"), sch::klicken(1)});
    test::dialogSkript(134, {sch::tippen(1246, "Neu"), sch::klicken(1254), sch::klicken(1)});
    synapsenTypenDialogOeffnen(nullptr);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, meldungsTexte[152]));
    EXPECT_EQ(synapsenTypen.size(), typen);
}
