// tests/dialogs/test_stromreiz.cpp - the legacy stimulus dialog (132) and the stimulus marker (152)
#include "dialogs/stromreiz.h"
#include "ersatz_hauptfenster.h"
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"

using namespace plattform;
namespace sch = plattform::test::schritt;

namespace {

struct Stromreiz : ersatz::Fall {
    std::vector<NeuronDaten*> n;
    void SetUp() override
    {
        netzLoeschen();
        ersatz::Fall::SetUp();
        editierStatus = editierBit::MarkierteZiehen;
        for (int i = 1; i <= 4; ++i) {
            n.push_back(neuronNeu(i, 0));
            ++neuronKette.anzahl;
        }
        neuronKette.hoechsteNummer = 4;
    }
    void TearDown() override
    {
        netzLoeschen();
        editierStatus = 0;
        ersatz::Fall::TearDown();
    }
    static const test::DialogElementZustand& el(Fenster d, int id) { return *test::dialogElement(d, id); }
    static auto altreiz(const NeuronDaten* x)
    {
        return std::make_tuple(x->somaSCStart, x->somaSCEnd, x->somaCurrent, x->dendSCStart, x->dendSCEnd,
                               x->dendCurrent, x->dendSCLocation);
    }
    static auto blitz(const NeuronDaten* x)
    {
        return std::make_tuple(x->kennzeichnungLaenge, x->kennzeichnungDicke, x->kennzeichnungPosition,
                               x->kennzeichnungFarbe);
    }
};

} // namespace

TEST_F(Stromreiz, OhneMarkiertesNeuronEndenBeideDialogeSofort)
{
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 2);
    EXPECT_EQ(stromreizKennzeichnungDialogOeffnen(nullptr), 2);
    EXPECT_TRUE(test::dialogLog().empty());
}

TEST_F(Stromreiz, DreiMarkierteBekommenDieselbenSiebenWerteAbbrechenAendertNichts)
{
    n[1]->dendSCLocation = 7;                    // no segment: the dialog offers 1
    std::tie(n[1]->somaSCStart, n[1]->somaCurrent) = std::tuple(0.25, 3e-10);
    for (int i : {1, 2, 3})
        neuronMarkieren(n[i], 1);
    const auto unmarkiert = altreiz(n[0]);
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(132, {
        [](Fenster d) {
            EXPECT_EQ(el(d, 1209).text + "|" + el(d, 1216).text, "0.25|3e-10");
            EXPECT_TRUE(el(d, 1220).haken);
            EXPECT_EQ(test::dialogFokus(d), 1209);
        },
        sch::klicken(1225), sch::klicken(1226),   // the two examples
        [](Fenster d) {
            EXPECT_EQ(el(d, 1212).text + "|" + el(d, 1216).text, "0.2|4.8e-10");
            EXPECT_EQ(el(d, 1219).text + "|" + el(d, 1222).text, "0.5|1.1e-09");
            EXPECT_EQ(test::dialogFokus(d), 1222);
        },
        sch::klicken(1227), sch::tippen(1221, "0,7"), sch::klicken(1224), sch::klicken(1),
    });
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 1);
    for (int i : {1, 2, 3})
        EXPECT_EQ(altreiz(n[i]), std::make_tuple(0.1, 0.2, 4.8e-10, 0.5, 0.7, 1.1e-9, 3)) << i;
    EXPECT_EQ(altreiz(n[0]), unmarkiert);
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[507]);
    EXPECT_EQ(editierStatus & editierBit::MarkierteZiehen, 0u);

    test::dialogSkript(132, {sch::tippen(1209, "9"), sch::klicken(2)});
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 2);
    EXPECT_EQ(n[1]->somaSCStart, 0.1);
}

TEST_F(Stromreiz, KennzeichnungGehtAnAlleMarkiertenLaengeUndDickeInIhremBereich)
{
    std::tie(n[2]->kennzeichnungLaenge, n[2]->kennzeichnungDicke, n[2]->kennzeichnungPosition,
             n[2]->kennzeichnungFarbe) = std::tuple(20, 2, 1, 0x0000FFu);
    neuronMarkieren(n[2], 1);
    neuronMarkieren(n[0], 1);
    const auto unmarkiert = blitz(n[1]);
    test::farbAntworten({KeineFarbe, 0x00FF00});   // the first choice cancelled
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(152, {
        [](Fenster d) {
            EXPECT_EQ(el(d, 1354).text + "|" + el(d, 1355).text, "20|2");
            EXPECT_TRUE(el(d, 1357).haken && !el(d, 1356).haken);
        },
        sch::klicken(1358), sch::klicken(1358), sch::klicken(1356), sch::tippen(1354, "30"),
        sch::tippen(1355, "1000"), sch::klicken(1),
        [](Fenster d) { EXPECT_EQ(test::dialogFokus(d), 1355); },
        sch::tippen(1355, "3"), sch::klicken(1),
    });
    EXPECT_EQ(stromreizKennzeichnungDialogOeffnen(nullptr), 1);
    EXPECT_EQ(test::boxLog().at(0).text, "\"Blitz Dicke\": erlaubt sind 0 bis 100.");
    for (int i : {0, 2})
        EXPECT_EQ(blitz(n[i]), std::make_tuple(30, 3, 0, 0x00FF00u)) << i;
    EXPECT_EQ(blitz(n[1]), unmarkiert);
    EXPECT_EQ(test::farbWahlLog().at(0).vorgabe, 0x0000FFu);
}
