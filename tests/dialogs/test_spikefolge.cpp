// tests/dialogs/test_spikefolge.cpp - the reports of the spike-train rating and its settings
// dialog (284)
#include "core/status.h"
#include "model/spikefolge.h"
#include "permutation/spikefolge.h"
#include "reizdialog_hilfe.h"

using namespace reizdialog;

namespace {

namespace flag = spikefolgenFlag;

struct Spikefolgen : reizdialog::Fall {
    SpikefolgenEinstellungen standardVorher = stdNeuron.spikefolge;
    Simulationsparameter laufVorher = simulationsParameter;
    uint32_t modusVorher = modusStatus;

    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        simulationsParameter.simulationsDauer = 2.0;
        simulationsParameter.schrittweite = 0.0001;
    }
    void TearDown() override
    {
        static_cast<SpikefolgenEinstellungen&>(stdNeuron.spikefolge) = standardVorher;
        simulationsParameter = laufVorher;
        modusStatus = modusVorher;
        reizdialog::Fall::TearDown();
    }

    // bursts of four spikes 1/64 s apart from each start, rated with factor 2 and no flags
    static std::vector<float> zug(std::initializer_list<double> starts)
    {
        std::vector<float> z;
        for (double s : starts)
            for (int i = 0; i < 4; ++i)
                z.push_back(static_cast<float>(s + i / 64.0));
        return z;
    }
    static NeuronDaten* bewertet(int nummer, const std::string& name, std::initializer_list<double> starts)
    {
        NeuronDaten* n = neuron(nummer, false);
        n->name = name;
        n->spikefolge.burstFaktor = 2.0;
        n->spikeZeiten = zug(starts);
        n->apAnzahl = static_cast<int>(n->spikeZeiten.size());
        spikefolgeBewerten(*n, n->spikeZeiten.data(), n->apAnzahl);
        n->hauptDiagramm.neuronId = nummer;
        return n;
    }
    static SpikefolgenEinstellungen einstellungen(double faktor)
    {
        SpikefolgenEinstellungen e;
        e.mindestApAnzahlGesamt = 5;
        e.burstFaktor = faktor;
        e.mindestSpikeAnzahl = 3.0;
        e.lueckeMinimum = 0.1;
        e.lueckeMaximum = 0.4;
        e.kastenAbstand = 10;
        return e;
    }
    static bool gleich(const SpikefolgenEinstellungen& a, const SpikefolgenEinstellungen& b)
    {
        const auto felder = [](const SpikefolgenEinstellungen& e) {
            return std::tie(e.mindestApAnzahlGesamt, e.burstFaktor, e.mindestSpikeAnzahl, e.mindestLaenge,
                            e.mindestFrequenz, e.relativeSpikeAnzahl, e.relativeLaenge, e.relativeFrequenz,
                            e.lueckeMinimum, e.lueckeMaximum, e.flags, e.kastenAbstand, e.kastenFarbe);
        };
        return felder(a) == felder(b);
    }
    static int piepser()
    {
        int k = 0;
        for (const auto& e : test::ereignisLog())
            k += e.art == test::Ereignis::Piep && e.a == 1000 && e.b == 100;
        return k;
    }
};

} // namespace

TEST_F(Spikefolgen, ErgebnismeldungNachDemCodeMitDerFrequenzImBurst)
{
    NeuronDaten* a = bewertet(1, "A", {0.25, 0.75, 1.25});
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikefolgeErgebnisMeldung(a), 405);
    EXPECT_NE(letzteBox().find("Frequenz im Burst: 64.00 Hz"), std::string::npos) << letzteBox();
    EXPECT_NE(letzteBox().find("Periode: 0.5000 s (SD 0.0000, n = 2)"), std::string::npos) << letzteBox();
    EXPECT_EQ(test::boxLog().back().titel, "Hinweis");
    EXPECT_EQ(a->spikefolgenBewertung.ergebnisText, letzteBox());

    const struct { int code, text; } faelle[] = {{2, 406}, {4, 407}, {8, 408}, {16, 408}, {0, 409}, {1029, 405}};
    for (const auto& f : faelle) {
        a->spikefolgenBewertung.code = f.code;
        test::boxAntworten({antwort::Ok});
        EXPECT_EQ(spikefolgeErgebnisMeldung(a), f.text) << f.code;
    }
    // a mean interval of 0 gives no infinite frequency
    a->spikefolgenBewertung.isiMittel = 0.0;
    test::boxAntworten({antwort::Ok});
    spikefolgeErgebnisMeldung(a);
    EXPECT_NE(letzteBox().find("Frequenz im Burst: 0.00 Hz"), std::string::npos) << letzteBox();
    EXPECT_EQ(spikefolgeErgebnisMeldung(nullptr), 0);
}

// Over a span the bursts starting in it; a mean over no gaps is 0, not NaN.
TEST_F(Spikefolgen, FrequenzMeldungImZeitraumUndOhneLueckeEinMittelVonNull)
{
    NeuronDaten* a = bewertet(1, "A", {0.25, 0.75, 1.25});
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
    EXPECT_EQ(spikefolgeFrequenzMeldung(a, 1.5, 0.5), 2);
    EXPECT_NE(letzteBox().find("2 Bursts von \"A\""), std::string::npos) << letzteBox();
    EXPECT_NE(letzteBox().find("Periode: 0.5000 s (SD 0.0000)"), std::string::npos) << letzteBox();
    EXPECT_NE(letzteBox().find("Frequenz 64.00 Hz"), std::string::npos) << letzteBox();
    EXPECT_EQ(spikefolgeFrequenzMeldung(a, 1.2, 1.4), 1);
    EXPECT_NE(letzteBox().find("Pause: 0.0000 s (SD 0.0000)\nPeriode: 0.0000 s (SD 0.0000)"), std::string::npos)
        << letzteBox();
    EXPECT_EQ(letzteBox().find("nan"), std::string::npos);
    const size_t boxen = test::boxLog().size();
    EXPECT_EQ(spikefolgeFrequenzMeldung(a, 1.6, 1.9), 0);   // no burst: no box
    EXPECT_EQ(test::boxLog().size(), boxen);
    EXPECT_EQ(spikefolgeFrequenzMeldung(a, &a->spikefolgenBewertung, 0.0, 2.0), 3);
}

TEST_F(Spikefolgen, PhasenlageEinesZweitenNeuronsUeberDenGanzenLauf)
{
    NeuronDaten* a = bewertet(1, "A", {0.25, 0.75, 1.25});
    bewertet(2, "B", {0.3125, 0.8125, 1.3125});
    DiagrammDaten& d = a->hauptDiagramm;
    test::boxAntworten({antwort::Nein});
    spikefolgeStatistik(&d);
    EXPECT_EQ(std::make_tuple(test::boxLog().size(), d.zweiterVCursor), std::make_tuple(size_t(1), 0));

    test::boxAntworten({antwort::Ja, antwort::Ok});
    spikefolgeStatistik(&d);
    ASSERT_EQ(test::boxLog().size(), 3u);
    EXPECT_EQ(test::boxLog()[1].titel, "SysInfo");
    EXPECT_EQ(letzteBox(), meldungFormatieren(236, 1, "A") + "zu \"B\":\t0.0625 s (0.0000) 3\n");
    EXPECT_EQ(a->spikefolgenBewertung.ergebnisText, letzteBox());
    EXPECT_EQ(std::make_tuple(d.vCursor1, d.vCursor2, d.zweiterVCursor), std::make_tuple(0.0001, 2.0 - 0.0001, 1));
    for (const BurstDaten& x : neuronNachNummer(2)->spikefolgenBewertung.bursts)
        EXPECT_EQ(x.phase, 0.0625);

    // from the last burst on: one phase, without an SD
    d.vCursor1 = 1.2, d.vCursor2 = 1.9;
    test::boxAntworten({antwort::Ok});
    spikefolgeStatistik(&d);
    EXPECT_EQ(letzteBox(), meldungFormatieren(236, 3, "A") + "zu \"B\":\t0.0625 s 1\n");

    // without phases: the reference burst is the last one, or a second neuron is missing
    neuronNachNummer(2)->spikefolgenBewertung.bursts.clear();
    test::boxAntworten({antwort::Ok, antwort::Ok});
    spikefolgeStatistik(&d);
    EXPECT_EQ(letzteBox(), meldungFormatieren(237));
    d.vCursor1 = 0.1, d.vCursor2 = 0.5;
    spikefolgeStatistik(&d);
    EXPECT_EQ(letzteBox(), meldungFormatieren(238, "A"));
}

TEST_F(Spikefolgen, PhasenberichtPieptFuerEinBezugsneuronOhneBurstsWieOhneBurstImZeitraum)
{
    NeuronDaten* a = neuron(1, false);
    a->hauptDiagramm.neuronId = 1;
    bewertet(2, "B", {0.3125, 0.8125, 1.3125});
    DiagrammDaten& d = a->hauptDiagramm;
    d.vCursorZustand = 3, d.zweiterVCursor = 1, d.vCursor1 = 0.1, d.vCursor2 = 1.9;
    spikefolgeStatistik(&d);
    NeuronDaten* b = neuronNachNummer(2);
    b->hauptDiagramm.vCursorZustand = 3, b->hauptDiagramm.zweiterVCursor = 1;
    b->hauptDiagramm.vCursor1 = 1.5, b->hauptDiagramm.vCursor2 = 1.9;
    spikefolgeStatistik(&b->hauptDiagramm);
    EXPECT_EQ(std::make_tuple(piepser(), test::boxLog().size()), std::make_tuple(2, size_t(0)));
}

// The phase text of many neurons with long names is kept whole.
TEST_F(Spikefolgen, PhasentextWaechstUeberViertausendBytesOhneAbzuschneiden)
{
    NeuronDaten* a = bewertet(1, "A", {0.25, 0.75, 1.25});
    for (int k = 2; k <= 40; ++k)
        bewertet(k, std::string(150, 'a' + k % 26) + std::to_string(k), {0.3125, 0.8125, 1.3125});
    DiagrammDaten& d = a->hauptDiagramm;
    d.vCursorZustand = 3, d.zweiterVCursor = 1, d.vCursor1 = 0.1, d.vCursor2 = 1.9;
    test::boxAntworten({antwort::Ok});
    spikefolgeStatistik(&d);
    const std::string& text = a->spikefolgenBewertung.ergebnisText;
    EXPECT_GT(text.size(), 4096u);
    EXPECT_TRUE(text.ends_with(std::string(150, 'a' + 40 % 26) + "40\":\t0.0625 s (0.0000) 3\n"));
    EXPECT_EQ(text, letzteBox());
}

TEST_F(Spikefolgen, PermutationsergebnisMitDreiSpikesMeldet234VierWerdenBewertet)
{
    modusStatus &= ~modusBit::BurstBericht;
    NeuronDaten* p = neuron(1, false);
    p->spikefolge.burstFaktor = 2.0;
    const std::vector<float> z = {0.1f, 0.2f, 0.3f, 0.4f};
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikefolgeBewertenMeldung(p, z.data(), 3), 0);
    EXPECT_EQ(letzteBox(), meldungFormatieren(234, 3));
    EXPECT_EQ(spikefolgeBewertenMeldung(p, z.data(), 4), 16);
    EXPECT_EQ(test::boxLog().size(), 1u);
    modusStatus |= modusBit::BurstBericht;
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikefolgeBewertenMeldung(p, z.data(), 4), 16);
    EXPECT_EQ(letzteBox(), meldungFormatieren(408, "N1"));
    EXPECT_EQ(spikefolgeBewertenMeldung(nullptr, z.data(), 4), 0);
}

// ---- dialog 284 --------------------------------------------------------------------------

TEST_F(Spikefolgen, GanzlaufMinimumUnterVierMeldet410SetztVierUndBleibtOffen)
{
    NeuronDaten* n = neuron(1, true);
    static_cast<SpikefolgenEinstellungen&>(n->spikefolge) = einstellungen(3.0);
    const SpikefolgenEinstellungen vorher = n->spikefolge;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(284, {texte({{1843, "3"}, {1847, "5"}}), sch::tippen(1847, "2"), sch::klicken(1),
                             texte({{1847, "4"}}), fokus(1847),
                             [](Fenster) { EXPECT_EQ(letzteBox(), meldungFormatieren(410)); }, sch::klicken(2)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, nullptr), 2);
    EXPECT_TRUE(gleich(n->spikefolge, vorher));
}

TEST_F(Spikefolgen, OkSchreibtInAlleMarkiertenNeuroneUndDerTitelZaehltSie)
{
    static_cast<SpikefolgenEinstellungen&>(stdNeuron.spikefolge) = einstellungen(2.5);
    NeuronDaten* n[] = {neuron(1, true), neuron(2, true), neuron(3, true)};
    n[1]->spikefolge.an = 1;
    test::dialogSkript(284, {[](Fenster d) { EXPECT_EQ(titel(d), meldungFormatieren(241, 3)); },
                             texte({{1843, "2.5"}, {1861, "3"}, {1874, "0.1"}, {1875, "0.4"}, {1856, "10"}}),
                             sch::tippen(1843, "3,5"), sch::klicken(1)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, nullptr), 1);
    SpikefolgenEinstellungen soll = einstellungen(3.5);
    for (NeuronDaten* x : n)
        EXPECT_TRUE(gleich(x->spikefolge, soll)) << x->nummer;
    EXPECT_EQ(n[1]->spikefolge.an, 1);   // the switch is no setting
    EXPECT_EQ(stdNeuron.spikefolge.burstFaktor, 2.5);
}

TEST_F(Spikefolgen, StandardknopfSpeichertProzentAlsAnteilAbbrechenLaesstDasNeuron)
{
    static_cast<SpikefolgenEinstellungen&>(stdNeuron.spikefolge) = einstellungen(2.5);
    NeuronDaten* n = neuron(1, true);
    static_cast<SpikefolgenEinstellungen&>(n->spikefolge) = einstellungen(3.0);
    const SpikefolgenEinstellungen vorher = n->spikefolge;
    test::dialogSkript(284, {[](Fenster d) { EXPECT_EQ(titel(d), meldungFormatieren(240, "N1")); },
                             sch::klicken(1860), sch::klicken(1863), sch::tippen(1865, "40"), sch::klicken(1848),
                             texte({{1865, "40"}}), sch::klicken(2)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, nullptr), 2);
    const SpikefolgenEinstellungen& s = stdNeuron.spikefolge;
    EXPECT_EQ(std::make_tuple(s.relativeSpikeAnzahl, s.flags, s.burstFaktor),
              std::make_tuple(0.4, flag::MindestSpikes | flag::Relativ, 3.0));
    EXPECT_TRUE(gleich(n->spikefolge, vorher));
}

// A neuron without settings shows the standard neuron's; they reach it only with OK.
TEST_F(Spikefolgen, AbbrechenLaesstDasNeuronAuchWennDieOeffnungStandardwerteZeigt)
{
    static_cast<SpikefolgenEinstellungen&>(stdNeuron.spikefolge) = einstellungen(2.5);
    NeuronDaten* n = neuron(1, false);
    n->spikefolge.lueckeMaximum = 0.0;
    test::dialogSkript(284, {texte({{1843, "2.5"}, {1847, "5"}, {1875, "0.4"}}), sch::klicken(2)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, n), 2);
    EXPECT_TRUE(gleich(n->spikefolge, SpikefolgenEinstellungen{}));
    test::dialogSkript(284, {sch::klicken(1)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, n), 1);
    EXPECT_TRUE(gleich(n->spikefolge, stdNeuron.spikefolge));
}

// Letters, "nan", "inf", overflow and values outside the range get a notice naming the
// field; the focus goes there and nothing is stored.
TEST_F(Spikefolgen, ZahlfelderOhneZahlOderAusserhalbIhresBereichsWerdenMitIhremNamenAbgelehnt)
{
    NeuronDaten* n = neuron(1, true);
    static_cast<SpikefolgenEinstellungen&>(n->spikefolge) = einstellungen(3.0);
    const SpikefolgenEinstellungen vorher = n->spikefolge;
    const struct { int feld; const char* text; const char* name; } faelle[] = {
        {1843, "abc", "Faktor f\xFCr das Intervall zwischen Bursts"},
        {1843, "nan", "Faktor f\xFCr das Intervall zwischen Bursts"},
        {1843, "inf", "Faktor f\xFCr das Intervall zwischen Bursts"},
        {1843, "1e999", "Faktor f\xFCr das Intervall zwischen Bursts"},
        {1843, "0", "Faktor f\xFCr das Intervall zwischen Bursts"},
        {1847, "x", "Mindestanzahl APs der ganzen Simulation"},
        {1874, "-1", "L\xFC" "cke einer aktiven Reaktion (s): mindestens"},
        {1856, "5000", "Abstand des Burst-Kastens vom Ende der y-Achse (Pixel)"},
        {1861, "nan", "Mindestanzahl APs je Burst"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.text) + " in " + std::to_string(f.feld));
        if (f.feld == 1861)
            test::dialogSkript(284, {sch::klicken(1860), sch::tippen(f.feld, f.text), sch::klicken(1), fokus(f.feld),
                                     sch::klicken(2)});
        else
            test::dialogSkript(284, {sch::tippen(f.feld, f.text), sch::klicken(1), fokus(f.feld), sch::klicken(2)});
        test::boxAntworten({antwort::Ok});
        EXPECT_EQ(spikefolgenParameterDialog(nullptr, nullptr), 2);
        EXPECT_NE(letzteBox().find(std::string("\"") + f.name), std::string::npos) << letzteBox();
        EXPECT_TRUE(gleich(n->spikefolge, vorher));
    }
}

// A caller that names a neuron edits that one, whatever is marked; the rules of command 285
// and the diagrams take the one marked neuron over the one given.
TEST_F(Spikefolgen, EinGenanntesNeuronWirdBearbeitetDieRegelnNehmenDasMarkierte)
{
    NeuronDaten* a = neuron(1, true);
    NeuronDaten* b = neuron(2, false);
    for (NeuronDaten* x : {a, b})
        static_cast<SpikefolgenEinstellungen&>(x->spikefolge) = einstellungen(3.0);
    test::dialogSkript(284, {[](Fenster d) { EXPECT_EQ(titel(d), meldungFormatieren(240, "N2")); },
                             sch::tippen(1843, "4"), sch::klicken(1)});
    EXPECT_EQ(spikefolgenParameterDialogFuer(nullptr, b), 1);
    EXPECT_EQ(std::make_tuple(a->spikefolge.burstFaktor, b->spikefolge.burstFaktor), std::make_tuple(3.0, 4.0));
    test::dialogSkript(284, {sch::tippen(1843, "5"), sch::klicken(1)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, b), 1);
    EXPECT_EQ(std::make_tuple(a->spikefolge.burstFaktor, b->spikefolge.burstFaktor), std::make_tuple(5.0, 4.0));
}

TEST_F(Spikefolgen, KaestchenSchaltenIhreFelderUndDieFarbeKommtAusDerWahl)
{
    NeuronDaten* n = neuron(1, true);
    static_cast<SpikefolgenEinstellungen&>(n->spikefolge) = einstellungen(3.0);
    const auto frei = [](std::vector<std::pair<int, bool>> soll) {
        return [soll](Fenster d) {
            for (const auto& [id, an] : soll)
                EXPECT_EQ(el(d, id).freigegeben, an) << id;
        };
    };
    test::farbAntworten({0x123456, KeineFarbe});
    test::dialogSkript(284, {frei({{1861, false}, {1865, false}, {1849, false}, {1869, false}, {1851, false},
                                   {1852, true}, {1874, true}, {1856, true}}),
                             sch::klicken(1860), frei({{1861, true}, {1865, false}}), sch::klicken(1863),
                             frei({{1861, false}, {1865, true}, {1864, false}}), sch::klicken(1850),
                             frei({{1851, true}}), sch::klicken(1859), sch::klicken(1859), sch::klicken(1)});
    EXPECT_EQ(spikefolgenParameterDialog(nullptr, nullptr), 1);
    EXPECT_EQ(std::make_tuple(n->spikefolge.kastenFarbe, n->spikefolge.flags),
              std::make_tuple(0x123456u, flag::MindestSpikes | flag::Relativ | flag::EinzelBurst));
}
