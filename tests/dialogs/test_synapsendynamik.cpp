// tests/dialogs/test_synapsendynamik.cpp - transmitter release with its preview (258, 285),
// facilitation and depression (304, 307) and the free PSP shape (319)
#include "dialogs/bahnung.h"
#include "dialogs/pspform.h"
#include "dialogs/transmitterdynamik.h"
#include "dialogs/transmittervorschau.h"
#include "model/diagramm.h"
#include "model/layout.h"
#include "model/synapse.h"
#include "resources/befehle.h"
#include "reizdialog_hilfe.h"
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

using namespace reizdialog;
namespace fs = std::filesystem;

namespace {

// A synapse from N1 to N2 and a parameter folder of the test's own.
struct Dynamik : reizdialog::Fall {
    NeuronDaten* quelle = nullptr;
    SynapseDaten syn;
    fs::path ordner = fs::temp_directory_path() / ("velnor_dynamik_" + std::to_string(::getpid()));

    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        fs::create_directories(ordner / "parameter");
        dateipfade.programmVerzeichnis = ordner.string() + "/";
        transmitterVorschau = {};
        quelle = neuron(1, false);
        neuron(2, false)->name = "Ziel";
        std::tie(syn.quelle, syn.id, syn.quellNummer, syn.zielNummer) = std::tuple(quelle, 7, 1, 2);
        std::tie(syn.freisetzungsSchwelle, syn.freisetzungsSaettigung) = std::pair(-0.05, 0.0);
        laufzeitSetzen(0.01, 1e-5);
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
        diagrammLayoutBerechnen(quelle, &quelle->hauptDiagramm, 1);
    }
    void TearDown() override
    {
        fs::remove_all(ordner);
        reizdialog::Fall::TearDown();
    }
    // n samples of a spike: rest -65 mV, up to +30 mV in the middle third
    void apDatei(int n)
    {
        std::ofstream f(ordner / "parameter" / "standardap.txt");
        f << "Standard-AP\nZeit (s) Spannung (V)\n";
        for (int i = 0; i < n; ++i)
            f << i * 1e-5 << " " << (i > n / 3 && i < n / 2 ? 0.03 : -0.065) << "\n";
    }
    static int laeufe() { return static_cast<int>(std::count(ersatz::befehle.begin(), ersatz::befehle.end(), befehlSimulationStarten)); }
};

bool imKasten(const TransmitterVorschau& v, const std::vector<Punkt>& p)
{
    return std::all_of(p.begin(), p.end(), [&](Punkt q) {
        return q.x >= v.xUrsprung && q.x <= v.rechtsEnde && q.y >= v.oberlinie && q.y <= v.grundlinie;
    });
}

} // namespace

// The value is read where the time's number ends (an exponent is no value), and lines
// whose numbers are not finite are no samples.
TEST_F(Dynamik, StandardApLiestDenWertHinterDerZeitUndNurEndlicheProben)
{
    const struct { std::string text; int anzahl; double zeit, wert; } faelle[] = {
        {"Kopf eins\nKopf zwei\n0,001;-0,065\n", 1, 0.001, -0.065},
        {"1e-3 -0.065\n2e-3 -0.06\n", 2, 0.001, -0.065},
        {"0.001 nan\n0.002 -0.07\n", 1, 0.002, -0.07},
        {"nur Worte\n", 0, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        TransmitterVorschau v;
        v.synapse = &syn;
        standardApLesen(v, f.text);
        ASSERT_EQ(std::tie(v.geladen, v.anzahl), std::tuple(f.anzahl, f.anzahl));
        if (f.anzahl) {
            EXPECT_EQ(std::tie(v.apZeiten[0], v.apWerte[0]), std::tuple(f.zeit, f.wert));
            // the preview has a point per sample
            EXPECT_EQ(transmitterdynamikZeichnen(v), 1);
            EXPECT_EQ(std::tuple(v.stdPunkte.size(), v.dynPunkte.size()), std::tuple(size_t(f.anzahl), size_t(f.anzahl)));
        }
    }
}

// The shown count grows and shrinks by a quarter, never below 100 nor past the samples.
TEST_F(Dynamik, DehnenBleibtZwischenHundertUndDenGeladenenProben)
{
    const struct { int geladen; std::string schritte; std::vector<int> folge; } faelle[] = {
        {3000, "++", {1250, 1562}},
        {3000, "--", {750, 563}},
        {3000, "+++++++", {1250, 1562, 1952, 2440, 3000, 3000, 3000}},
        {3000, "--------", {750, 563, 423, 318, 239, 180, 135, 102}},
        {3000, "---------+", {750, 563, 423, 318, 239, 180, 135, 102, 100, 125}},
        {1, "-+", {1, 1}},
    };
    for (const auto& f : faelle) {
        TransmitterVorschau v;
        std::tie(v.geladen, v.anzahl) = std::pair(f.geladen, std::min(1000, f.geladen));
        std::vector<int> folge;
        for (char c : f.schritte) {
            vorschauDehnen(v, c == '+');
            folge.push_back(v.anzahl);
        }
        EXPECT_EQ(folge, f.folge) << f.geladen << f.schritte;
    }
}

// Saturation = threshold is the run's step; a standard curve without maximum and a gate
// that never opens (no rise, mode 3 with a fall of 0, a mode outside 1-3, a form the engine
// does not know) draw on the baseline and keep the factor, whatever the calibration.
TEST_F(Dynamik, NullstellenTeilenNieDiePunkteBleibenImKasten)
{
    const struct { const char* was; double schwelle, saettigung, rateAlpha; int modus, form; std::vector<double> standard; } faelle[] = {
        {"saturation = threshold", -0.03, -0.03, 0.0, 1, 16, {0, 1, 0}},
        {"standard below threshold", 0.05, 0.06, 0.0, 1, 16, {0, 0, 0}},
        {"mode 3, fall 0", -0.05, 0.0, 1000.0, 3, 16, {0, 0.6, 0}},
        {"mode 9", -0.05, 0.0, 1000.0, 9, 16, {0, 0.6, 0}},
        {"no such form", -0.05, 0.0, 1000.0, 1, 99, {0, 0.6, 0}},
    };
    aktuellesNeuron = nullptr;
    for (const auto& f : faelle)
        for (int art : {1, 2}) {
            SCOPED_TRACE(std::string(f.was) + " " + std::to_string(art));
            transmitterStandardwerteSetzen(syn, quelle);
            TransmitterDynamik& t = syn.transmitter;
            std::tie(t.potenz, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittweiteAlpha, t.v0Beta, t.schrittweiteBeta,
                     t.abBerechnung) = std::tuple(1.0, f.form, f.rateAlpha, -0.02, 0.005, -0.05, 0.005, f.modus);
            std::tie(syn.freisetzungsSchwelle, syn.freisetzungsSaettigung) = std::pair(f.schwelle, f.saettigung);
            TransmitterVorschau v;
            std::tie(v.synapse, v.kalibrierungAn, v.kalibrierungsArt) = std::tuple(&syn, 1, art);
            vorschauKastenSetzen(v, {0, 0, 300, 96});
            standardApLesen(v, "0 -0.065\n0.001 -0.02\n0.002 -0.065\n");
            ASSERT_EQ(transmitterdynamikZeichnen(v), 1);
            EXPECT_EQ(v.standard, f.standard);
            EXPECT_EQ(t.faktor, 0.26);
            EXPECT_TRUE(imKasten(v, v.stdPunkte) && imKasten(v, v.dynPunkte));
            EXPECT_TRUE(std::all_of(v.dynPunkte.begin(), v.dynPunkte.end(), [&](Punkt p) { return p.y == v.grundlinie; }));
        }
    // the run's state as before, and a form error showed nothing
    EXPECT_EQ(std::tuple(laufZustand.abbrechen, aktuellesNeuron), std::tuple(0, nullptr));
    EXPECT_TRUE(test::boxLog().empty());
}

// A block never set opens with the defaults of the first marked neuron; the preview is a
// white box with a black frame, the axes and both curves inside; stretching moves the
// caption's time; Cancel leaves the synapse and the calibration as they were.
TEST_F(Dynamik, NeuerBlockZeigtStandardwerteUndZeichnetBeideKurvenImKasten)
{
    apDatei(3000);
    NeuronDaten* m = neuron(3, true);
    const std::pair<int, double> parameter[] = {{81, -0.04}, {84, 2000.0}, {85, -0.02}, {86, 0.005}, {88, 100.0},
                                                {89, -0.06}, {90, 0.005}, {91, 2.0}};
    for (const auto& [i, wert] : parameter)
        m->parameter[static_cast<size_t>(i)] = wert;
    transmitterVorschau.kalibrierungAn = 1;
    test::dialogSkript(258, {
        texte({{2020, "-0.04"}, {2024, "16"}, {2025, "2000"}, {2028, "17"}, {2008, "Zeit: 0.01s  blau: standard    pink: dynamisch"}}),
        [](Fenster d) {
            const auto& z = el(d, 2009).zeichnung;
            const TransmitterVorschau& v = transmitterVorschau;
            ASSERT_EQ(z.size(), 5u);
            EXPECT_EQ(std::tuple(z[0].art, z[0].zustand.stift.farbe, z[0].zustand.pinsel), std::tuple(test::ZeichenArt::Rechteck, 0u, 0xFFFFFFu));
            for (size_t i : {1u, 2u})
                EXPECT_EQ(std::tuple(z[i].art, z[i].zustand.stift.farbe), std::tuple(test::ZeichenArt::Linie, vorschauFarbe::Achsen));
            EXPECT_EQ(std::tuple(z[3].zustand.stift.farbe, z[3].punkte.size(), z[4].zustand.stift.farbe, z[4].punkte.size()),
                      std::tuple(vorschauFarbe::Standard, 1000u, vorschauFarbe::Dynamisch, 1000u));
            EXPECT_TRUE(imKasten(v, z[3].punkte) && imKasten(v, z[4].punkte));
            EXPECT_NE(el(d, 2032).text, "0.26");      // calibrated
        },
        sch::regler(2036, 1), sch::regler(2036, 1, scroll::ScrollEnde),
        texte({{2008, "Zeit: 0.01s  blau: standard    pink: dynamisch"}}),
        [](Fenster) { EXPECT_EQ(transmitterVorschau.anzahl, 1250); },
        sch::klicken(2282), sch::klicken(2)});
    EXPECT_EQ(transmitterdynamikDialogOeffnen(nullptr, &syn), 2);
    EXPECT_EQ(std::tuple(syn.transmitter.formAlpha, transmitterVorschau.kalibrierungAn, transmitterVorschau.kalibrierungsArt),
              std::tuple(0.0, 1, 0));
    EXPECT_TRUE(test::boxLog().empty());
}

// Every field must be a finite number of its kind: refused with a notice, nothing written;
// the power is shown rounded after a refresh; "OK - F2" takes the thirteen values and runs.
TEST_F(Dynamik, FelderNurEndlicheZahlenIhrerArtOkF2UebernimmtUndStartetEinenLauf)
{
    apDatei(200);
    transmitterStandardwerteSetzen(syn, quelle);
    const SynapseDaten vorher = syn;
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok, antwort::Ok});
    test::dialogSkript(258, {
        sch::tippen(2025, "nan"), sch::klicken(2035), fokus(2025), sch::tippen(2025, "1500"),
        sch::tippen(2024, "7"), sch::klicken(2035), sch::tippen(2024, "16"),
        sch::tippen(2022, "101"), sch::klicken(2007), sch::tippen(2022, "2,6"),
        sch::tippen(2026, ""), sch::klicken(2007), fokus(2026), sch::tippen(2025, "1500"),
        sch::klicken(2007), sch::klicken(2066), sch::klicken(2066), texte({{2022, "3"}, {2026, "0"}}),
        [&](Fenster) { EXPECT_EQ(syn.transmitter.rateAlpha, vorher.transmitter.rateAlpha); },
        sch::klicken(2300)});
    EXPECT_EQ(transmitterdynamikDialogOeffnen(nullptr, &syn), 2300);
    std::vector<std::string> boxen;
    for (const auto& b : test::boxLog())
        boxen.push_back(b.text);
    EXPECT_EQ(boxen, (std::vector<std::string>{"\"Anstiegs-Rate (> steiler)\": bitte eine endliche Zahl eingeben.",
                                               meldungFormatieren(955, "Berechnungsart (sollte bleiben)"),
                                               meldungFormatieren(822, "Kurvenkr\xFCmmung (> exponentieller)", 0, 100),
                                               meldungsTexte[211]}));
    EXPECT_EQ(std::tuple(syn.transmitter.rateAlpha, syn.transmitter.potenz, syn.transmitter.an, laeufe()),
              std::tuple(1500.0, 3.0, 1, 1));
}

// Without the file the opening says so once; painting neither loads nor asks.
TEST_F(Dynamik, OhneStandardApEinHinweisBeimOeffnenKeinerBeimMalen)
{
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(258, {[](Fenster d) {
                                 elementUngueltigMachen(d, 2009);
                                 nachrichtenVerarbeiten();
                                 EXPECT_TRUE(el(d, 2009).zeichnung.empty());
                             },
                             sch::klicken(2)});
    transmitterdynamikDialogOeffnen(nullptr, &syn);
    ASSERT_EQ(test::boxLog().size(), 1u);
    EXPECT_EQ(test::boxLog()[0].text, meldungFormatieren(733, standardApPfad()));
}

// The list keeps each slot's number: after a nameless slot the chosen line is still its
// slot. A slot that shows the release already is not counted again.
TEST_F(Dynamik, KurvenwahlTrifftDenSlotHinterEinemNamenlosenUndZaehltEinmal)
{
    DiagrammDaten& d = quelle->hauptDiagramm;
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        diagrammVorlage.kurven[static_cast<size_t>(i)].bezeichnung = "";
        d.kurven[static_cast<size_t>(i)].bezeichnung = i == 1 ? "" : "K" + std::to_string(i);
    }
    synapsenTypen = {{ionenArt::Natrium, 0.05, "exz"}};
    // line 6 is slot 7; the second time the check starts set
    test::boxAntworten({antwort::Ja, antwort::Ok});
    test::dialogSkript(285, {[](Fenster f) { EXPECT_EQ(listeDaten(f, 1279, listeAuswahl(f, 1279)), 5); },
                             sch::waehlen(1279, 6), sch::klicken(1861), sch::klicken(1)});
    test::dialogSkript(285, {sch::waehlen(1279, 6), sch::klicken(1)});
    EXPECT_EQ(transmitterKurveDialogOeffnen(nullptr, &syn), 1);
    const KurvenDaten& k = d.kurven[7];
    EXPECT_EQ(std::tie(k.referenz, k.synapseId, k.anzeigen, k.yZoom, k.bezeichnung),
              std::tuple(int{kurvenReferenz::Freisetzung}, 7, 1, 100.0, std::string("Synapse auf Ziel (exz)")));
    EXPECT_EQ(transmitterKurveDialogOeffnen(nullptr, &syn), 1);
    EXPECT_EQ(test::boxLog().at(0).text, meldungFormatieren(742, "Synapse auf Ziel (exz)"));
    EXPECT_EQ(d.freisetzungsKurven, 1);
    EXPECT_EQ(transmitterKurveDialogOeffnen(nullptr, nullptr), 2);
}

// The defaults; a free field typed into blocks OK until "rechnen", whose check asks about
// an unusual value; "OK - F2" in that state computes the derived values first, then runs.
TEST_F(Dynamik, BahnungStandardwerteUndOkF2RechnetVorDemUebernehmen)
{
    syn.bahnung.an = 1;
    dialogEinstellungen.werteChecken = 1;
    test::boxAntworten({antwort::Nein});
    test::dialogSkript(304, {
        sch::klicken(1942),
        texte({{1938, "0.005"}, {1945, "0.08"}, {1971, "0.01"}, {1973, "0.05"}, {1962, "-3"}, {1964, "3"},
               {1976, "0.99"}, {1978, "-0.99"}, {1965, "4"}, {1967, "1"}, {1979, "0.01"}, {1981, "1"}}),
        sch::tippen(1962, "-0.5"), [](Fenster d) { EXPECT_FALSE(el(d, 1).freigegeben || !el(d, 1941).haken); },
        sch::klicken(1984), fokus(1962), sch::klicken(1946), sch::tippen(1962, "-0.5"), sch::klicken(2300)});
    EXPECT_EQ(fazilitationDepressionDialogOeffnen(nullptr, &syn), 2300);
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[560]);
    const Bahnung& b = syn.bahnung;
    EXPECT_EQ(std::tie(b.a, b.b, b.tau), std::tuple(std::array{-0.5, 0.5, 0.99, -0.99}, std::array{1.5, 1.0, 0.01, 1.0},
                                                   std::array{0.005, 0.08, 0.01, 0.05}));
    EXPECT_EQ(std::tuple(b.art, b.an, dialogEinstellungen.werteChecken, laeufe()), std::tuple(1, 1, 0, 1));
}

// A field that is no finite number, or a time constant that is not above 0, changes nothing.
TEST_F(Dynamik, BahnungOhneGueltigeZahlenAendertNichts)
{
    const struct { int id; const char* text; int meldung; const char* name; } faelle[] = {
        {1938, "0", 953, "Fazilitation Zunahme tau"}, {1973, "-1", 953, "Depression Abnahme tau"},
        {1962, "nan", 952, "Fazilitation Zunahme A"}, {1981, "", 952, "Depression Abnahme B"},
        {1938, "abc", 952, "Fazilitation Zunahme tau"}, {1962, "1e400", 952, "Fazilitation Zunahme A"},
    };
    syn.bahnung.tau = {0.1, 0.2, 0.3, 0.4};
    const Bahnung vorher = syn.bahnung;
    for (const auto& f : faelle) {
        test::zuruecksetzen();
        SetUp();
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(304, {sch::tippen(f.id, f.text), sch::klicken(2300), fokus(f.id), sch::klicken(2)});
        fazilitationDepressionDialogOeffnen(nullptr, &syn);
        EXPECT_EQ(test::boxLog().at(0).text, meldungFormatieren(f.meldung, f.name));
        EXPECT_EQ(std::tie(syn.bahnung.tau, syn.bahnung.a, syn.bahnung.b), std::tie(vorher.tau, vorher.a, vorher.b));
        EXPECT_EQ(laeufe(), 0);
    }
}

// 307 and 319 start no run themselves; 319 checks the chosen kind's time constants, and
// "Beispiel 1" after "Beispiel 3" keeps the exponential example in its fields.
TEST_F(Dynamik, MaximumUndPspFormPruefenIhreZahlenUndStartenKeinenLauf)
{
    pspBeispiele[0].polynom[0] = 1.5;
    pspBeispiele[2].expTauAnstieg = 0.003;
    std::tie(syn.psp.an, syn.psp.polynomAbfall[1]) = std::pair(1, 0.02);
    test::boxAntworten({antwort::Ok, antwort::Ok});
    test::dialogSkript(307, {sch::tippen(2060, "-1"), sch::klicken(1), sch::tippen(2060, "0.2"),
                             sch::tippen(2058, "3"), sch::klicken(2300)});
    test::dialogSkript(319, {sch::klicken(2256), sch::klicken(2244),
                             texte({{2231, "1.5"}, {2248, "0.003"}}),
                             [](Fenster d) { EXPECT_TRUE(el(d, 2243).haken && !el(d, 2242).haken); },
                             sch::tippen(2235, "0"), sch::klicken(1), sch::tippen(2235, "0.01"), sch::klicken(2300)});
    EXPECT_EQ(fazilitationMaximumDialogOeffnen(nullptr, &syn), 2300);
    EXPECT_EQ(pspFormDialogOeffnen(nullptr, &syn), 2300);
    EXPECT_EQ(test::boxLog().at(0).text, meldungFormatieren(954, "Tau f\xFCr Abfall der Fazilitation bei steigendem AP-Abstand (s)"));
    EXPECT_EQ(test::boxLog().at(1).text, meldungFormatieren(953, "B1:"));
    EXPECT_EQ(std::tuple(syn.bahnung.maximalwert, syn.bahnung.tauAb, laeufe()), std::tuple(3.0, 0.2, 0));
    EXPECT_EQ(std::tuple(syn.psp.art, syn.psp.polynom[0], syn.psp.polynomAbfall[1], syn.psp.expTauAnstieg),
              std::tuple(1, 1.5, 0.01, 0.003));
}

// Without a kind, No switches the free shape off and keeps everything else, the typed
// tolerance too.
TEST_F(Dynamik, PspFormOhneArtNeinSchaltetNurAus)
{
    std::tie(syn.psp.an, syn.psp.dauerPolynom) = std::pair(1, 0.7);
    laufEinstellungen.xlpspToleranz = 1e-10;
    test::boxAntworten({antwort::Nein});
    test::dialogSkript(319, {sch::tippen(2277, "0.5"), sch::tippen(2250, "0.9"), sch::klicken(1)});
    EXPECT_EQ(pspFormDialogOeffnen(nullptr, &syn), 2);
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[957]);
    EXPECT_EQ(std::tuple(syn.psp.an, syn.psp.dauerPolynom, laufEinstellungen.xlpspToleranz), std::tuple(0, 0.7, 1e-10));
}

// The shipped standard AP: one spike from rest, at least the 1000 samples shown at first.
TEST_F(Dynamik, AusgeliefertesStandardApIstEinSpikeAusDerRuhe)
{
    dateipfade.programmVerzeichnis = std::string(VELNOR_TEST_DATEN) + "/../../resources/";
    TransmitterVorschau v;
    ASSERT_EQ(standardApLaden(v), 1);
    ASSERT_GE(v.geladen, 1000);
    int aufwaerts = 0;
    for (size_t i = 1; i < v.apWerte.size(); ++i)
        aufwaerts += v.apWerte[i - 1] <= 0.0 && v.apWerte[i] > 0.0;
    EXPECT_EQ(aufwaerts, 1);
    EXPECT_TRUE(v.apWerte.front() < -0.06 && v.apWerte.back() < -0.06);
}
