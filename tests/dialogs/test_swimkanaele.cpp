// tests/dialogs/test_swimkanaele.cpp - the SWIM standard channels (160) and the Ca and
// K(Ca) channels (314), opened by their commands
#include "dialogs/cakanal.h"
#include "dialogs/swimstandardkanaele.h"
#include "files/kcakanal.h"
#include "model/diagramm.h"
#include "platform/pfad.h"
#include <functional>
#include <tuple>
#include "rahmen_attrappe.h"
#include "reizdialog_hilfe.h"
#include "resources/vorlagen.h"
#include "testhilfe.h"

namespace {

using namespace reizdialog;

struct SwimKanaele : reizdialog::Fall {
    // neuron n's model parameters 59-104 hold n * 1000 + index
    static NeuronDaten* mitKanaelen(int nummer, bool markiert = true)
    {
        NeuronDaten* n = neuron(nummer, markiert);
        for (int i = 59; i <= 104; ++i)
            n->parameter[i] = nummer * 1000 + i;
        return n;
    }
    static intptr_t std160() { return swimStdKanalBefehl(nullptr); }
};

// the dialog's switches last the program run: each row sets what it needs
test::DialogSchritt nurAngezeigter(int an)
{
    return [an](Fenster d) { hakenSetzen(d, 1923, an); };
}

TEST_F(SwimKanaele, StandardKanaeleSchreibenWasDieTabelleSagt)
{
    const struct Fall {
        const char* was;
        int markierte;
        Schritte schritte;
        intptr_t ergebnis;
        std::vector<std::pair<int, double>> soll;   // parameter of every marked neuron
        std::vector<int> unveraendert;              // parameters each neuron keeps
    } faelle[] = {
        {"several marked, all channels: the first's values, channels never shown too", 3,
         {nurAngezeigter(0), sch::waehlen(1921, 0), sch::tippen(1397, "5"), sch::klicken(1)}, 1,
         {{62, 5}, {59, 1059}, {60, 1060}, {75, 1075}, {92, 1092}, {104, 1104}}, {}},
        {"only the inactivation gate: sodium's E and g stay", 2,
         {sch::waehlen(1921, 1), texte({{1392, "1059"}, {1393, "1060"}, {1403, "1076"}}), sch::tippen(1403, "7"),
          nurAngezeigter(1), sch::klicken(1)}, 1,
         {{76, 7}, {71, 1071}}, {59, 60, 61, 81}},
        {"a channel switched keeps its edits until OK", 1,
         {nurAngezeigter(0), sch::waehlen(1921, 0), sch::tippen(1394, "3"), sch::waehlen(1921, 2),
          sch::tippen(1394, "4"), sch::waehlen(1921, 0), texte({{1394, "3"}}), sch::klicken(1)}, 1,
         {{61, 3}, {83, 4}}, {}},
        {"apply, then Cancel keeps what was applied", 1,
         {sch::tippen(1397, "9"), sch::klicken(1354), sch::tippen(1397, "8"), sch::klicken(2)}, 2, {{62, 9}}, {}},
    };
    for (const Fall& f : faelle) {
        netzLoeschen();
        const size_t boxen = test::boxLog().size();
        std::vector<NeuronDaten*> n;
        for (int i = 1; i <= f.markierte; ++i)
            n.push_back(mitKanaelen(i));
        if (f.markierte > 1)
            test::boxAntworten({antwort::Ja});
        test::dialogSkript(160, f.schritte);
        EXPECT_EQ(std160(), f.ergebnis) << f.was;
        EXPECT_EQ(test::boxLog().size() - boxen, f.markierte > 1 ? 1u : 0u) << f.was;   // 552 only for several
        for (NeuronDaten* m : n) {
            for (auto [i, wert] : f.soll)
                EXPECT_EQ(m->parameter[i], wert) << f.was << " " << m->nummer << " " << i;
            for (int i : f.unveraendert)
                EXPECT_EQ(m->parameter[i], m->nummer * 1000 + i) << f.was << " " << i;
        }
    }
    // No to 552 closes as Cancel
    mitKanaelen(2);
    test::boxAntworten({antwort::Nein});
    EXPECT_EQ(std160(), 2);
    EXPECT_EQ(markierteNeurone.erstes()->parameter[62], 9.0);
}

// the zero question looks at the shown channel's conductance field; Cancel stays in the
// dialog, unticking the box stops the question
TEST_F(SwimKanaele, NullLeitfaehigkeitFragtBisDerHakenWegIst)
{
    NeuronDaten* n = mitKanaelen(1);
    n->parameter[60] = 0.0;
    auto frage = [](int kasten, int knopf) {
        return Schritte{[](Fenster d) { EXPECT_EQ(elementText(d, 1252), meldungsTexte[754]); },
                        [kasten](Fenster d) { hakenSetzen(d, 1802, kasten); }, sch::klicken(knopf)};
    };
    test::dialogSkript(146, frage(1, 2));
    test::dialogSkript(146, frage(0, 1));
    test::dialogSkript(160, {nurAngezeigter(0), sch::waehlen(1921, 1), sch::tippen(1403, "6"), sch::klicken(1),
                             fokus(1393), [n](Fenster) { EXPECT_EQ(n->parameter[76], 1076.0); }, sch::klicken(1)});
    EXPECT_EQ(std160(), 1);
    EXPECT_EQ(n->parameter[76], 6.0);
    test::dialogSkript(160, {sch::tippen(1403, "2"), sch::klicken(1)});   // asked no more
    EXPECT_EQ(std160(), 1);
    EXPECT_EQ(std::pair(n->parameter[76], test::offeneDialogSkripte()), std::pair(2.0, size_t{0}));
}

struct CaKanal : SwimKanaele {
    NeuronDaten* n = nullptr;
    void SetUp() override
    {
        SwimKanaele::SetUp();
        n = neuron(3, true);
        for (int i = 106; i <= 238; ++i) {
            n->parameter[i] = i;
            stdNeuron.parameter[i] = i * 10;
        }
    }
    void TearDown() override
    {
        stdNeuron.parameter = {};
        SwimKanaele::TearDown();
    }
};

TEST_F(CaKanal, FaelleDerTabelle)
{
    using Pruefen = std::function<void(NeuronDaten&)>;
    const KurvenDaten& ca1 = n->hauptDiagramm.kurven[5];
    const struct Fall {
        const char* was;
        Pruefen vorher;
        std::vector<int> antworten;
        Schritte schritte;
        intptr_t ergebnis;
        Pruefen pruefen;
    } faelle[] = {
        {"without a record the GB parameters, unset ones first from the standard neuron",
         [](NeuronDaten& m) { m.parameter[107] = 0.0; }, {}, {texte({{2082, "1070"}, {2074, "1060"}}), sch::klicken(2)}, 2,
         [](NeuronDaten& m) { EXPECT_EQ(std::pair(m.parameter[238], m.kca.get()), std::pair(2380.0, (KCaKanal*)nullptr)); }},
        {"the standard values are set at once; Cancel keeps them", nullptr, {antwort::Ja},
         {sch::klicken(2172), texte({{2082, "1070"}}), sch::klicken(2)}, 2,
         [](NeuronDaten& m) { EXPECT_EQ(m.parameter[107], 1070.0); }},
        {"tau shows the reciprocal, tau 0.02 is stored as rate 50", [](NeuronDaten& m) { m.parameter[108] = 10.0; }, {},
         {texte({{2076, "0.1"}}), sch::tippen(2076, "0,02"), sch::klicken(1)}, 1,
         [](NeuronDaten& m) { EXPECT_EQ(std::pair(m.kca->caAbbau, m.kcaModus), std::pair(50.0, 1)); }},
        {"tau 0 is rate 0, and rate 0 shows as tau 0", nullptr, {},
         {sch::tippen(2076, "0"), sch::klicken(1)}, 1, [](NeuronDaten& m) { EXPECT_EQ(m.kca->caAbbau, 0.0); }},
        {"", nullptr, {}, {texte({{2076, "0"}}), sch::klicken(2)}, 2, nullptr},
        {"a box's refill keeps typed text and enables its controls", nullptr, {},
         {sch::tippen(2074, "9"), sch::klicken(2174), sch::klicken(2066), texte({{2074, "9"}}),
          [](Fenster d) { EXPECT_TRUE(el(d, 2147).freigegeben && el(d, 2068).freigegeben); }, sch::klicken(2)}, 2,
         nullptr},
        {"switched off keeps the record in mode 2", nullptr, {}, {sch::klicken(2067), sch::klicken(1)}, 1,
         [](NeuronDaten& m) { EXPECT_EQ(std::pair(m.kca != nullptr, m.kcaModus), std::pair(true, 2)); }},
        {"removed: mode 0 and no record", nullptr, {antwort::Ja}, {sch::klicken(2171)}, 2,
         [](NeuronDaten& m) { EXPECT_EQ(std::pair(m.kca != nullptr, m.kcaModus), std::pair(false, 0)); }},
        {"currents shown fill slots 4-7", nullptr, {}, {sch::klicken(2066), sch::klicken(1)}, 1,
         [&ca1](NeuronDaten&) {
             EXPECT_EQ(std::tuple(ca1.bezeichnung, ca1.dimension, ca1.faktor, ca1.farbe, ca1.referenz, ca1.anzeigen),
                       std::tuple("Ca1-Strom ", "nA ", -1e9, Farbe{0x0000FF}, 32, 1));
             EXPECT_FALSE(ca1.werte.empty());
         }},
        {"unticked, only the slots of kind 32 are emptied",
         [](NeuronDaten& m) { m.hauptDiagramm.kurven[6].referenz = kurvenReferenz::Eigen; }, {},
         {[](Fenster d) { EXPECT_EQ(haken(d, 2066), 1); }, sch::klicken(2066), sch::klicken(1)}, 1,
         [&ca1](NeuronDaten& m) {
             EXPECT_EQ(std::tuple(ca1.anzeigen, ca1.referenz, ca1.werte.empty(), ca1.dimension, ca1.faktor),
                       std::tuple(0, 0, true, "", 1.0));
             EXPECT_EQ(m.hauptDiagramm.kurven[6].anzeigen, 1);
         }},
    };
    for (const Fall& f : faelle) {
        if (f.vorher)
            f.vorher(*n);
        for (int a : f.antworten)
            test::boxAntworten({a});
        test::dialogSkript(314, f.schritte);
        EXPECT_EQ(caKanalBefehl(nullptr), f.ergebnis) << f.was;
        if (f.pruefen)
            f.pruefen(*n);
    }
}

// a standard neuron without GB parameters: a notice, the dialog closes as Cancel, nothing
// changes and the program goes on
TEST_F(CaKanal, StandardneuronOhneGbParameterAendertNichts)
{
    stdNeuron.parameter[107] = 0.0;
    const ParameterVektor vorher = n->parameter;
    test::boxAntworten({antwort::Ja, antwort::Ok, antwort::Ok});
    test::dialogSkript(314, {sch::klicken(2172)});
    EXPECT_EQ(caKanalBefehl(nullptr), 2);   // from the standard values button
    n->parameter[107] = 0.0;
    EXPECT_EQ(caKanalBefehl(nullptr), 2);   // at the opening
    n->parameter[107] = vorher[107];
    EXPECT_EQ(std::tuple(n->parameter == vorher, n->kca != nullptr, attrappe::dienste.endet), std::tuple(true, false, false));
    EXPECT_EQ(test::boxLog().at(2).text, meldungsTexte[981]);
    EXPECT_EQ(dialogModal(vorlageCaKanal, nullptr, caKanalDlgProc, 0), 2);   // no neuron: as Cancel
}

// a .kca file holds the channel under the neuron's number: another number is told so
TEST_F(CaKanal, KcaDateiNurFuerDieNummerDesNeurons)
{
    const std::string ordner = testhilfe::tempOrdner("kca");
    KCaKanal k;
    std::tie(k.caStart, k.tore[3].hilfsParamBeta, k.oeffnungAnzeigen) = std::tuple(1e-7, 0.25, 1);
    test::dateiAntworten({test::dateiAntwort(ordner + "a.kca"), test::dateiAntwort(ordner + "fehlt/b.kca"),
                          test::dateiAntwort(ordner + "a.kca"), test::dateiAntwort(ordner + "a.kca")});
    test::boxAntworten({antwort::Ok, antwort::Ok});
    EXPECT_EQ(kcaKanalDateiSpeichern(k, 3), 1);
    EXPECT_EQ(kcaKanalDateiSpeichern(k, 3), 0);
    KCaKanal gelesen;
    EXPECT_EQ(kcaKanalDateiLesen(*n, gelesen), 1);
    EXPECT_EQ(std::tuple(gelesen.caStart, gelesen.tore[3].hilfsParamBeta, gelesen.oeffnungAnzeigen),
              std::tuple(1e-7, 0.25, 1));
    NeuronDaten* anderes = neuron(4, false);
    EXPECT_EQ(kcaKanalDateiLesen(*anderes, gelesen), 0);
    ASSERT_EQ(test::boxLog().size(), 2u);
    EXPECT_EQ(test::boxLog()[0].text, meldungFormatieren(74, ordner + "fehlt/b.kca"));
    EXPECT_EQ(test::boxLog()[1].text, meldungFormatieren(984, ordner + "a.kca", 4));
    EXPECT_FALSE(attrappe::dienste.endet);
}

} // namespace
