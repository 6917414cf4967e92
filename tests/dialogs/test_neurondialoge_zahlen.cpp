// tests/dialogs/test_neurondialoge_zahlen.cpp - the number fields of the neuron dialogs
// (physiology 117, morphology 138, noise 149, voltage clamp 229, potential limits 315, legacy
// stimulus 132): a text without a number, or a size the network picture cannot draw, gets a
// notice naming the field and nothing is stored
#include "dialogs/morphologie.h"
#include "dialogs/physiologie.h"
#include "dialogs/potentialbegrenzung.h"
#include "dialogs/rauschen.h"
#include "dialogs/strominjektion.h"
#include "dialogs/stromreiz.h"
#include "dialogs/voltageclamp.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"

namespace {

using namespace reizdialog;

struct NeuronZahlen : reizdialog::Fall {
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        dialogEinstellungen.dialogeKomplett = 1;   // the check boxes of the full view
    }
    void TearDown() override
    {
        dialogEinstellungen = {};
        reizdialog::Fall::TearDown();
    }
    // the text into the field, OK refused with the focus there, then Cancel
    static Schritte abgelehnt(int id, const std::string& text, int ok = 1)
    {
        return {sch::tippen(id, text), sch::klicken(ok), fokus(id), sch::klicken(2)};
    }
};

} // namespace

// "99999999999" once stored 1215752191 and the neuron vanished; "2147483647" overflowed the
// soma's rectangle
TEST_F(NeuronZahlen, MorphologieNimmtNurZahlenBisZurZeichengrenze)
{
    NeuronDaten* n = neuron(1, true);
    n->zeichenGroessen = {1, 2, 3, 4, 5, 6, 7, 8};
    const struct { int id; const char* text; std::string meldung; } faelle[] = {
        {1083, "abc", meldungFormatieren(952, "Soma-Durchmesser")},
        {1083, "nan", meldungFormatieren(952, "Soma-Durchmesser")},
        {1088, "1e400", meldungFormatieren(952, "Dendrit-L\xE4nge")},
        {1083, "99999999999", meldungFormatieren(822, "Soma-Durchmesser", 0, 2000)},
        {1096, "2147483647", meldungFormatieren(822, "Axon-L\xE4nge", 0, 2000)},
        {1103, "-1", meldungFormatieren(822, "Radius f\xFCr rekurrierende Synapsen", 0, 2000)},
        {1104, "101", meldungFormatieren(822, "Liniendicke fuer Dendritensegment", 0, 100)},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(138, abgelehnt(f.id, f.text));
        EXPECT_EQ(morphologieDialogOeffnen(nullptr), 2);
        EXPECT_EQ(letzteBox(), f.meldung) << f.text;
        EXPECT_EQ(n->zeichenGroessen, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    }
    // "gecheckte bei allen ändern" reads the same way
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(138, {sch::tippen(1083, "x"), sch::klicken(1259), sch::klicken(1271), fokus(1083),
                             sch::tippen(1083, "2000"), sch::tippen(1104, "100"), sch::klicken(1)});
    EXPECT_EQ(morphologieDialogOeffnen(nullptr), 1);
    EXPECT_EQ(std::pair(n->zeichenGroessen[3], n->zeichenGroessen[0]), std::pair(2000, 100));
}

// The arcs around a limited soma: a width beyond 0..100 or a distance beyond 0..2000 pixels
// is refused, and a limit without a number is named with its compartment; a check box's
// refill keeps what was typed.
TEST_F(NeuronZahlen, BegrenzungPrueftBogenUndGrenzen)
{
    NeuronDaten* n = neuron(1, true);
    n->begrenzung.an = 1;
    n->begrenzung.kompartimentAn[0] = 1;
    n->begrenzung.oben[0] = 0.03;
    n->begrenzung.bogenDicke = 2, n->begrenzung.bogenAbstand = 4;
    const Potentialbegrenzung vorher = n->begrenzung;
    const struct { int id; const char* text; std::string meldung; } faelle[] = {
        {2192, "101", meldungFormatieren(822, "Bogendicke", 0, 100)},
        {2194, "2001", meldungFormatieren(822, "Bogenabstand", 0, 2000)},
        {2194, "99999999999", meldungFormatieren(822, "Bogenabstand", 0, 2000)},
        {2176, "abc", meldungFormatieren(952, "Soma: obere Grenze (Volt)")},
        {2177, "inf", meldungFormatieren(952, "Soma: untere Grenze (Volt)")},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(315, abgelehnt(f.id, f.text));
        EXPECT_EQ(potentialbegrenzungBefehl(nullptr), 2);
        EXPECT_EQ(letzteBox(), f.meldung) << f.text;
        EXPECT_EQ(std::tuple(n->begrenzung.oben[0], n->begrenzung.bogenDicke, n->begrenzung.bogenAbstand),
                  std::tuple(vorher.oben[0], vorher.bogenDicke, vorher.bogenAbstand));
    }
    test::dialogSkript(315, {sch::tippen(2176, "0.02"), sch::tippen(2192, "100"), sch::tippen(2194, "2000"),
                             sch::klicken(2068), texte({{2176, "0.02"}, {2192, "100"}}), sch::klicken(1)});
    EXPECT_EQ(potentialbegrenzungBefehl(nullptr), 1);
    EXPECT_EQ(std::tuple(n->begrenzung.oben[0], n->begrenzung.bogenDicke, n->begrenzung.bogenAbstand),
              std::tuple(0.02, 100, 2000));
}

TEST_F(NeuronZahlen, RauschenKlemmeUndReizSpeichernKeineFalscheZahl)
{
    NeuronDaten* n = neuron(1, true);
    simulationsParameter.rauschenEin = 1;
    netzvorgaben.rauschStaerke = 1e-9;
    n->klemme.startSpannung = -0.07;
    n->somaCurrent = 1e-9;
    const struct { int vorlage; int id; const char* text; std::string name; std::function<intptr_t()> oeffnen; } faelle[] = {
        {149, 1279, "1e400", "Intensit\xE4t (A)", [] { return rauschenBefehl(nullptr); }},
        {229, 1560, "nan", "Anfangsspannung (V)", [] { return voltageClampBefehl(nullptr); }},
        {132, 1216, "abc", "Intensitaet (A)", [] { return stromReizDialogOeffnen(nullptr); }},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        Schritte s = abgelehnt(f.id, f.text);
        if (f.vorlage == 229)   // the clamp's fields open with its switch
            s.insert(s.begin(), sch::klicken(1559));
        test::dialogSkript(f.vorlage, s);
        EXPECT_EQ(f.oeffnen(), 2);
        EXPECT_EQ(letzteBox(), meldungFormatieren(952, f.name)) << f.text;
    }
    EXPECT_EQ(std::tuple(netzvorgaben.rauschStaerke, n->klemme.startSpannung, n->klemme.flags, n->somaCurrent),
              std::tuple(1e-9, -0.07, 0, 1e-9));
}

// a column's field names its row and its column (the count, checked first, its row)
TEST_F(NeuronZahlen, StrominjektionNimmtNichtsVonEinemFeldOhneZahl)
{
    NeuronDaten* n = neuron(1, true);
    n->stromreize[0].beginn = 0.25;
    const struct { int id; const char* text; std::string name; } faelle[] = {
        {1286, "1e400", "Beginn (s) (Soma)"},
        {1291, "abc", "Anzahl Reize"},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(150, abgelehnt(f.id, f.text));
        EXPECT_EQ(strominjektionDialogOeffnen(nullptr), 2);
        EXPECT_EQ(letzteBox(), meldungFormatieren(952, f.name)) << f.text;
        EXPECT_EQ(n->stromreize[0].beginn, 0.25);
    }
}

// "Ruhe./Anfangs. synchronisieren" copies no text that holds no number
TEST_F(NeuronZahlen, PhysiologieSynchronisiertKeinenTippfehler)
{
    neuron(1, true);
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(117, {sch::tippen(1107, "-0,06"), sch::klicken(2225), texte({{1120, "-0.06"}}),
                             sch::tippen(1107, "x"), sch::klicken(2225), fokus(1107), texte({{1120, "-0.06"}}),
                             sch::klicken(2)});
    EXPECT_EQ(physiologieBefehl(nullptr, befehlPhysiologie), 2);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Ruhepotential (V)"));
}

// A capacitance of 0 or a negative leak once went in and stopped the run at its first step
// with a hint about the step length
TEST_F(NeuronZahlen, PhysiologieNimmtKeineKapazitaetOhneWertUndKeinenNegativenLeitwert)
{
    NeuronDaten* n = neuron(1, true);
    const double kapazitaet = n->parameter[par::SomaKapazitaet], leitwert = n->parameter[par::SomaLeitwert];
    test::boxAntworten({antwort::Ok, antwort::Ok});
    test::dialogSkript(117, {sch::tippen(1109, "0"), sch::klicken(1), fokus(1109), sch::tippen(1109, "1e-10"),
                             sch::tippen(1104, "-1e-9"), sch::klicken(1), fokus(1104), sch::klicken(2)});
    EXPECT_EQ(physiologieBefehl(nullptr, befehlPhysiologie), 2);
    ASSERT_EQ(test::boxLog().size(), 2u);
    EXPECT_EQ(test::boxLog()[0].text, meldungFormatieren(953, "Kapazit\xE4t (F)"));
    EXPECT_EQ(test::boxLog()[1].text, meldungFormatieren(954, "Leitf\xE4higkeit (Membranleckstrom) (S)"));
    EXPECT_EQ(std::pair(n->parameter[par::SomaKapazitaet], n->parameter[par::SomaLeitwert]),
              std::pair(kapazitaet, leitwert));
}
