// tests/dialogs/test_neurondialoge.cpp - the neuron parameter dialogs, opened by their commands
#include "dialogs/morphologie.h"
#include "dialogs/physiologie.h"
#include "dialogs/potentialbegrenzung.h"
#include "dialogs/rauschen.h"
#include "dialogs/voltageclamp.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"

namespace {

using namespace reizdialog;

struct NeuronDialoge : reizdialog::Fall {
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        dialogEinstellungen.dialogeKomplett = 1;
        simulationsParameter.rauschenEin = 1;
    }
    static NeuronDaten* mit(int nummer, int modell, std::array<double, 3> g, bool markiert = true)
    {
        NeuronDaten* n = neuron(nummer, markiert);
        n->modellTyp = modell;
        modellParameterIndizesSetzen(modell);
        for (int i = 0; i < 3; ++i)
            if (parameterSlotBelegt(2 * i + 1))
                n->parameter[modellParameterIndizes[2 * i + 1]] = g[i];
        return n;
    }
    static intptr_t physiologie(int befehl = befehlPhysiologie) { return physiologieBefehl(nullptr, befehl); }
    static test::DialogSchritt frei(std::vector<int> ids, bool soll)
    {
        return [ids, soll](Fenster d) {
            for (int id : ids)
                EXPECT_EQ(el(d, id).freigegeben, soll) << id;
        };
    }
};

TEST_F(NeuronDialoge, NichtspikerBehaeltSeineGespeichertenLeitwerteUeberZweimalOk)
{
    NeuronDaten* leer = mit(1, modell::Swim, {0, 0, 0});
    test::dialogSkript(117, {texte({{1087, "0"}, {1095, "0"}, {1114, "0"}}), frei({1087, 1095, 1114}, false),
                             [](Fenster d) { EXPECT_TRUE(el(d, 1255).haken); }, sch::klicken(2)});
    EXPECT_EQ(physiologie(), 2);
    EXPECT_EQ(leer->nichtSpiker, 1);   // set at the opening, Cancel or not

    neuronMarkieren(nullptr, 0);
    NeuronDaten* n = mit(2, modell::Swim, {1e-6, 2e-6, 3e-6});
    test::dialogSkript(117, {sch::klicken(1255), sch::klicken(1)});
    test::dialogSkript(117, {sch::klicken(1)});   // a second OK of the non-spiker
    test::dialogSkript(117, {sch::klicken(1253), texte({{1087, "1e-06"}, {1095, "2e-06"}, {1114, "3e-06"}}),
                             frei({1087, 1095, 1114}, true), sch::klicken(2)});
    EXPECT_EQ(physiologie(), 1);
    EXPECT_EQ(n->parameter[par::SwimNaG] + n->parameter[par::SwimKG] + n->parameter[par::SwimCaG], 0.0);
    EXPECT_EQ(physiologie(), 1);
    EXPECT_EQ(n->gespeicherteLeitwerte, (std::array<double, 3>{1e-6, 2e-6, 3e-6}));
    EXPECT_EQ(physiologie(befehlPhysiologieKontext), 2);
}

TEST_F(NeuronDialoge, OkSchreibtAlleMarkiertenMitStartpotentialRegelUndOhneKalzium)
{
    NeuronDaten* a = mit(1, modell::HodgkinHuxley, {1e-6, 2e-6, 0});
    NeuronDaten* b = mit(2, modell::HodgkinHuxley, {5e-6, 5e-6, 0});
    std::array<ParameterVektor, 2> soll{a->parameter, a->parameter};
    soll[1][par::HhMPotenz] = a->parameter[par::HhMPotenz];
    for (ParameterVektor& p : soll) {
        p[par::SomaLeitwert] = 0.0;
        p[par::SomaRuhepotential] = p[par::DendritRuhepotential] = -0.04;
        p[par::SomaStartpotential] = p[par::DendritStartpotential] = -0.040001;
        p[par::HhNaE] = 0.05;
    }
    // "nan" is no number: its notice, and nothing is stored until it is mended
    const ParameterVektor vorher = a->parameter;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(117, {
        [](Fenster d) { EXPECT_EQ(titel(d), "Physiologische Parameter von 2 markierten Neuronen"); },
        texte({{1099, "0"}, {1114, "0"}}), sch::tippen(1099, "0.1"), sch::tippen(1114, "1"),
        sch::tippen(1104, "nan"), sch::tippen(1082, "0.05"), sch::tippen(1107, "-0.04"), sch::tippen(1108, "-0,04"),
        sch::tippen(1120, "-0.04"), sch::tippen(1121, "-0.04"), sch::klicken(1), fokus(1104),
        [&](Fenster) { EXPECT_EQ(a->parameter, vorher); }, sch::tippen(1104, "0"), sch::klicken(1)});
    EXPECT_EQ(physiologie(), 1);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Leitf\xE4higkeit (Membranleckstrom) (S)"));
    EXPECT_EQ(a->parameter, soll[0]);
    EXPECT_EQ(b->parameter, soll[1]);
}

TEST_F(NeuronDialoge, StandardwerteUndGecheckteAendernNurDasAngekreuzte)
{
    NeuronDaten* a = mit(1, modell::Swim, {1e-6, 2e-6, 3e-6});
    NeuronDaten* fremd = mit(2, modell::Swim, {4e-6, 4e-6, 4e-6}, false);
    stdNeuron.parameter[par::SwimNaE] = 0.055;
    const ParameterVektor vorher = a->parameter;
    const double fremdLeitwert = fremd->parameter[par::SomaLeitwert];
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(117, {sch::klicken(5), sch::klicken(2)});   // nothing checked: a notice, the dialog stays
    test::dialogSkript(117, {sch::klicken(1255), sch::tippen(1104, "7"), sch::klicken(3),
                             texte({{1082, "0.055"}, {1104, "7"}}), frei({1087}, true), sch::klicken(1270),
                             sch::klicken(5)});
    test::dialogSkript(117, {sch::klicken(1255), sch::klicken(1268), sch::klicken(4)});
    test::dialogSkript(117, {sch::klicken(2)});
    EXPECT_EQ(physiologie(), 2);
    EXPECT_EQ(letzteBox(), meldungsTexte[975]);
    EXPECT_EQ(physiologie(), 1);
    ParameterVektor soll = vorher;
    soll[par::SomaLeitwert] = 7.0;
    EXPECT_EQ(a->parameter, soll);
    EXPECT_EQ(fremd->parameter[par::SomaLeitwert], fremdLeitwert);
    // the spiker switch for all: each neuron keeps its own conductances and loses them
    EXPECT_EQ(physiologie(), 1);
    EXPECT_EQ(std::make_tuple(a->nichtSpiker, fremd->nichtSpiker, a->parameter[par::SwimKG],
                              fremd->parameter[par::SwimNaG]), std::make_tuple(1, 1, 0.0, 0.0));
    EXPECT_EQ(fremd->gespeicherteLeitwerte, (std::array<double, 3>{4e-6, 4e-6, 4e-6}));
}

TEST_F(NeuronDialoge, GemischteMarkierungenOeffnenNichts)
{
    const struct { int zweitesModell, izh1, izh2; int meldung; } faelle[] = {
        {modell::HodgkinHuxley, 0, 0, 463}, {modell::Swim, 0, 1, 974}};
    for (const auto& f : faelle) {
        netzLoeschen();
        NeuronDaten* a = mit(1, modell::Swim, {0, 0, 0});
        mit(2, f.zweitesModell, {0, 0, 0})->izhikevichAktiv = f.izh2;
        a->izhikevichAktiv = f.izh1;
        test::boxAntworten({antwort::Ok});
        EXPECT_EQ(physiologie(), 2);
        EXPECT_EQ(letzteBox(), meldungsTexte[f.meldung]);
        EXPECT_EQ(a->nichtSpiker, 0);
    }
}

TEST_F(NeuronDialoge, MorphologieOhneMarkierteAmStandardneuron)
{
    stdNeuron.zeichenGroessen = {1, 2, 3, 4, 5, 6, 7, 8};
    test::dialogSkript(138, {texte({{1083, "4"}, {1097, "8"}, {1104, "1"}}), sch::tippen(1083, "40"),
                             sch::klicken(1273)});
    test::dialogSkript(138, {sch::tippen(1083, "40"), sch::klicken(1)});
    EXPECT_EQ(morphologieDialogOeffnen(nullptr), 1);
    EXPECT_EQ(stdNeuron.zeichenGroessen[3], 4);   // the value shown before the typing
    EXPECT_EQ(morphologieDialogOeffnen(nullptr), 1);
    EXPECT_EQ(stdNeuron.zeichenGroessen, (std::array<int, 8>{1, 2, 3, 40, 5, 6, 7, 8}));
}

TEST_F(NeuronDialoge, RauschenListenwahlBehaeltGespeichertesUndNeinVerwirftAlles)
{
    NeuronDaten* a = neuron(1, false);
    neuron(2, false);
    a->rauschIntensitaet = netzvorgaben.rauschStaerke = 1e-9 / 3;   // shown rounded: untouched is unchanged
    const test::DialogSchritt erstesNeuron = sch::waehlen(1275, 0);
    const std::vector<test::DialogSchritt> speichernUndWaehlen = {
        sch::fokusVerlassen(1271), sch::fokusVerlassen(1279), sch::tippen(1272, "50"), sch::klicken(1287),
        sch::waehlen(1275, 1)};
    const test::DialogSchritt gespeichert = [](Fenster d) { EXPECT_EQ(el(d, 1275).eintraege.at(0).text, "*   N1"); };
    test::boxAntworten({antwort::Nein});
    test::dialogSkript(149, {erstesNeuron});
    test::dialogSkript(149, speichernUndWaehlen);
    test::dialogSkript(149, {gespeichert, sch::tippen(1271, "5e-9"), sch::fokusVerlassen(1271), sch::klicken(1)});
    EXPECT_EQ(rauschenBefehl(nullptr), 2);
    EXPECT_EQ(std::make_tuple(a->rauschenAn, a->rauschHaeufigkeit), std::make_tuple(0, 0.0));
    test::dialogSkript(149, {erstesNeuron});
    test::dialogSkript(149, speichernUndWaehlen);
    test::dialogSkript(149, {gespeichert, sch::fokusVerlassen(1279), sch::klicken(1)});
    EXPECT_EQ(rauschenBefehl(nullptr), 1);
    EXPECT_EQ(std::make_tuple(a->rauschenAn, a->rauschHaeufigkeit), std::make_tuple(1, 50.0));
    EXPECT_EQ(test::boxLog().size(), 1u);
}

TEST_F(NeuronDialoge, RauschenSchalterIstArbeitskopieUndLeeresNetzSperrtDieNeuronfelder)
{
    test::dialogSkript(149, {frei({1271, 1287, 1280, 1273}, false), frei({1279, 1276}, true), sch::klicken(1276)});
    test::dialogSkript(149, {frei({1271, 1272, 1274, 1279, 1283, 1284, 1273, 1278, 1280, 1281, 1282, 1287, 1288, 1285},
                                  false), sch::klicken(2)});
    EXPECT_EQ(rauschenBefehl(nullptr), 2);
    EXPECT_EQ(simulationsParameter.rauschenEin, 1);
}

TEST_F(NeuronDialoge, RauschenBleibtAmOrtUndF2ErreichtDasWiedergeoeffnete)
{
    neuron(1, false)->rauschIntensitaet = 2e-9;
    std::vector<std::pair<int, int>> orte;
    const auto merken = [&orte](Fenster d) { orte.emplace_back(fensterRechteck(d).links, fensterRechteck(d).oben); };
    for (int i = 0; i < 10; ++i)
        test::dialogSkript(149, {merken, sch::waehlen(1275, 0)});
    test::dialogSkript(149, {merken, sch::tippen(1279, "3e-9"), sch::taste(taste::F2)});
    EXPECT_EQ(rauschenBefehl(nullptr), 1);
    EXPECT_EQ(std::count(orte.begin(), orte.end(), orte.front()), 11);
    EXPECT_EQ(netzvorgaben.rauschStaerke, 3e-9);
    EXPECT_EQ(ersatz::befehle, std::vector<int>{befehlSimulationStarten});
}

TEST_F(NeuronDialoge, VoltageClampAlleGleichUndAus)
{
    NeuronDaten* n = neuron(1, true);
    test::dialogSkript(229, {texte({{1559, "Voltage-Clamp f\xFCr Neuron N1"}}), frei({1560, 1565, 1561}, false),
                             sch::klicken(1559), frei({1560, 1565, 1561}, true), sch::tippen(1560, "-0.05"),
                             sch::klicken(1565), frei({1561, 1562}, false), frei({1560, 1563}, true), sch::klicken(1)});
    test::dialogSkript(229, {sch::klicken(1559), sch::klicken(2300)});   // other flag bits stay
    EXPECT_EQ(voltageClampBefehl(nullptr), 1);
    const Spannungsklemme& k = n->klemme;
    EXPECT_EQ(std::make_tuple(k.flags, k.alleGleich, k.pulsSpannung, k.endSpannung),
              std::make_tuple(0x1, 1, -0.05, -0.05));
    n->klemme.flags = 0x5;
    EXPECT_EQ(voltageClampBefehl(nullptr), 1);
    EXPECT_EQ(std::make_tuple(n->klemme.flags, ersatz::befehle),
              std::make_tuple(0x4, std::vector<int>{befehlSimulationStarten}));
}

TEST_F(NeuronDialoge, OhneMarkiertesNeuronSchliessenKlemmeUndBegrenzungWieAbbrechen)
{
    for (auto [vorlage, proc] : {std::pair<const DialogVorlage*, DialogProc>{&vorlageVoltageClamp, voltageClampDlgProc},
                                 {&vorlagePotentialbegrenzung, potentialbegrenzungDlgProc}})
        EXPECT_EQ(dialogModal(*vorlage, nullptr, proc), 2);
}

TEST_F(NeuronDialoge, BegrenzungNurObereGrenzeUndGanzerDatensatzFuerAlleMarkierten)
{
    NeuronDaten* a = neuron(1, true);
    a->begrenzung.reserve = 9;
    a->begrenzung.bogenFarbe = 0x123456;
    neuron(2, true)->begrenzung.art[1] = 0x8;
    neuron(3, true)->begrenzung.an = 1;
    test::farbAntworten({KeineFarbe});
    test::dialogSkript(315, {sch::klicken(2066), sch::klicken(2067), sch::tippen(2176, "-0.02"), sch::klicken(2068),
                             sch::klicken(2195), sch::klicken(1)});
    EXPECT_EQ(potentialbegrenzungBefehl(nullptr), 1);
    for (const NeuronDaten* n : markierteNeurone.liste) {
        const Potentialbegrenzung& b = n->begrenzung;
        EXPECT_EQ(std::make_tuple(b.an, b.art, b.kompartimentAn[0], b.oben[0], b.reserve, b.bogenFarbe),
                  std::make_tuple(1, std::array<int, 4>{0x2, 0, 0, 0}, 1, -0.02, 9, 0x123456u));
    }
}

TEST_F(NeuronDialoge, BegrenzungVerweigertNullGrenzenUndSchaltetOhneSegmentAus)
{
    NeuronDaten* n = neuron(1, true);
    n->begrenzung = {1, {}, {}, {0x6, 0, 0, 0}, {1, 0, 0, 0}};
    test::boxAntworten({antwort::Ok, antwort::Ok});
    test::dialogSkript(315, {sch::klicken(1), sch::tippen(2177, "-0.08"), sch::klicken(1)});
    test::dialogSkript(315, {sch::klicken(2066), frei({2067, 2192, 2195, 2176}, false), sch::klicken(1)});
    test::dialogSkript(315, {sch::klicken(2066), sch::klicken(2067), frei({2068, 2176}, false), sch::klicken(1)});
    EXPECT_EQ(potentialbegrenzungBefehl(nullptr), 1);
    EXPECT_EQ(std::make_tuple(n->begrenzung.an, n->begrenzung.unten[0]), std::make_tuple(1, -0.08));
    EXPECT_EQ(test::boxLog().at(0).text,
              "segment \"Soma\" ist aktiviert, aber beide grenzen stehen auf 0.0 V\ndieses segment wird nix, aber auch "
              "gar nix tun koennen, ausser bei einer membranspannung von 0.0 V festzuhaengen.\n\njetzt mal ernsthaft, "
              "bei so einem bloedsinn mach ich nicht mit, wirklich nicht!");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(potentialbegrenzungBefehl(nullptr), 1);
        EXPECT_EQ(n->begrenzung.an, 0);
    }
    EXPECT_EQ(test::boxLog().back().text, meldungsTexte[978]);
}

} // namespace
