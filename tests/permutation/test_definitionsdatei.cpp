// tests/permutation/test_definitionsdatei.cpp - the definition file (*.pmt) and the
// analysis file (*.anl): round trips, missing keys, and damaged files
#include "permutation_hilfe.h"
#include "model/simulationsparameter.h"
#include <random>
#include <regex>

using namespace permutationstest;

namespace {

class Definitionsdatei : public PermutationFall {
protected:
    void SetUp() override
    {
        PermutationFall::SetUp();
        PermutationsDefinition& d = permutationsDefinition;
        d.auswerteNeuron = 4;
        d.postsynaptischeAnzahl = 1;
        d.levelAnzahl = 3;
        d.synapsen = {{synapsenId(2, 1), {0.0, 2e-7, 1.0 / 3.0}}, {synapsenId(3, 1), {1e-9, 0.1 + 0.2, -4.5e-8}}};
        d.apAnzahlBeruecksichtigen = 1;
        // 13 classes, so that class 2 and class 12 share the end of their keys
        analyseKlassen.clear();
        for (int k = 0; k < 13; ++k) {
            Analyseklasse a;
            a.start = 0.125f * static_cast<float>(k);
            a.sollFrequenz = 10.5f + static_cast<float>(k);
            a.sollApAnzahl = k;
            a.anzahlGewicht = 0.25f;
            a.gewicht = k % 3 == 0 ? 0.0f : 1.5f;
            analyseKlassen.push_back(a);
        }
        klassenEndenSetzen(analyseKlassen);
        pfad = ordner + "def.pmt";
        ASSERT_EQ(permutationsdefinitionSchreiben(pfad, 0), 1);
        gespeichert = permutationsDefinition;
        gespeicherteKlassen = analyseKlassen;
    }
    std::string pfad;
    PermutationsDefinition gespeichert;
    Klassentabelle gespeicherteKlassen;

    static bool gleich(const PermutationsDefinition& a, const PermutationsDefinition& b)
    {
        if (a.synapsen.size() != b.synapsen.size())
            return false;
        for (size_t i = 0; i < a.synapsen.size(); ++i)
            if (a.synapsen[i].id != b.synapsen[i].id || a.synapsen[i].level != b.synapsen[i].level)
                return false;
        return std::tie(a.auswerteNeuron, a.postsynaptischeAnzahl, a.levelAnzahl, a.apAnzahlBeruecksichtigen,
                        a.zusatzAnzahl, a.letzteNummer) ==
               std::tie(b.auswerteNeuron, b.postsynaptischeAnzahl, b.levelAnzahl, b.apAnzahlBeruecksichtigen,
                        b.zusatzAnzahl, b.letzteNummer);
    }
    static bool gleich(const Klassentabelle& a, const Klassentabelle& b)
    {
        return std::ranges::equal(a, b, [](const Analyseklasse& x, const Analyseklasse& y) {
            return std::tie(x.start, x.ende, x.gewicht, x.sollApAnzahl, x.anzahlGewicht, x.sollFrequenz) ==
                   std::tie(y.start, y.ende, y.gewicht, y.sollApAnzahl, y.anzahlGewicht, y.sollFrequenz);
        });
    }
    // the file with the line of this key taken out (or replaced)
    void ohneZeile(const std::string& schluessel, const std::string& ersatz = "")
    {
        std::string t = testhilfe::lesen(pfad);
        const size_t a = t.find("\r\n" + schluessel);
        ASSERT_NE(a, std::string::npos) << schluessel;
        const size_t e = t.find("\r\n", a + 2);
        t.replace(a + 2, e - a, ersatz.empty() ? "" : ersatz + "\r\n");
        testhilfe::schreiben(pfad, t);
    }
};

} // namespace

// Written with CR LF and read back: the same definition and classes, the levels to the
// last bit; the ends follow the starts, the last class ends at its own start.
TEST_F(Definitionsdatei, PmtUndAnlLesenSichGleichZurueck)
{
    const std::string text = testhilfe::lesen(pfad);
    EXPECT_TRUE(text.starts_with("definition der synaptischen leitfaehigkeiten zur flexiblen permutation=\r\n"));
    EXPECT_NE(text.find("\r\nsynapse 1 id=" + std::to_string(synapsenId(3, 1)) + " (von Sensor rechts)\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nanalyseklasse 2 startzeit=0.250000\r\n"), std::string::npos);
    EXPECT_EQ(std::ranges::count(text, '\n'), std::ranges::count(text, '\r'));
    permutationsDefinition = {};
    analyseKlassen = standardKlassen();
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 13);
    EXPECT_TRUE(gleich(permutationsDefinition, gespeichert));
    EXPECT_TRUE(gleich(analyseKlassen, gespeicherteKlassen));
    EXPECT_EQ(analyseKlassen[2].start, 0.25f);
    EXPECT_EQ(analyseKlassen[12].ende, analyseKlassen[12].start);
    EXPECT_EQ(neuronSuchen(4)->spikezeitenSpeichern, 1);

    const std::string anl = ordner + "klassen.anl";
    ASSERT_EQ(permutationsdefinitionSchreiben(anl, 1), 1);
    EXPECT_TRUE(testhilfe::lesen(anl).starts_with("anzahl der analyseklassen=13\r\n"));
    Klassentabelle gelesen;
    int flag = 0;
    EXPECT_EQ(permutationsdefinitionAusDatei(anl, 1, &flag, &gelesen), 13);
    EXPECT_EQ(flag, 1);
    EXPECT_TRUE(gleich(gelesen, gespeicherteKlassen));
}

// Each missing key of a definition gives its message, and the definition stays as it was.
TEST_F(Definitionsdatei, JederFehlendeSchluesselHatSeineMeldung)
{
    struct Fall {
        const char* schluessel;
        const char* ersatz;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {"auswert-neuron Id=", "", meldungFormatieren(92, pfad)},
        {"auswert-neuron Id=", "auswert-neuron Id=nan", meldungFormatieren(92, pfad)},
        {"auswert-neuron Id=", "auswert-neuron Id=9", meldungFormatieren(93, pfad)},
        {"auswert-neuron name=", "auswert-neuron name=Motor", meldungFormatieren(94, pfad, "Motor", "Inter")},
        {"anzahl postsynaptischer neurone=", "", meldungFormatieren(95, pfad)},
        {"anzahl praesynaptischer neurone=", "", meldungFormatieren(96, pfad)},
        {"anzahl praesynaptischer neurone=", "anzahl praesynaptischer neurone=21", meldungFormatieren(96, pfad)},
        {"anzahl variierter uebertragungsstaerken=", "", meldungFormatieren(97, pfad)},
        {"anzahl variierter uebertragungsstaerken=", "anzahl variierter uebertragungsstaerken=inf",
         meldungFormatieren(97, pfad)},
        {"synapse 1 id=", "", meldungFormatieren(76, pfad)},
        {"synapse 0 leitfaehigkeitslevel 2=", "", meldungFormatieren(76, pfad)},
        {"synapse 1 id=", "synapse 1 id=77", meldungFormatieren(1250, 77, pfad)},
        {"analyseklasse 12 startzeit=", "", meldungFormatieren(98, 12, pfad)},
        {"analyseklasse 3 erwartete ap-frequenz=", "", meldungFormatieren(1252, 3, pfad)},
        {"analyseklasse 0 erwartete anzahl aps=", "", meldungFormatieren(1253, 0, pfad)},
    };
    const std::string original = testhilfe::lesen(pfad);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.schluessel) + f.ersatz);
        testhilfe::schreiben(pfad, original);
        ohneZeile(f.schluessel, f.ersatz);
        boxenVergessen();
        pt::boxAntworten({antwort::Ok});
        permutationsDefinition.letzteNummer = 9;
        EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 0);
        EXPECT_EQ(boxen(), std::vector<std::string>{f.meldung});
        EXPECT_EQ(permutationsDefinition.letzteNummer, 9);
        permutationsDefinition.letzteNummer = 0;
        EXPECT_TRUE(gleich(permutationsDefinition, gespeichert));
        EXPECT_TRUE(gleich(analyseKlassen, gespeicherteKlassen));
        EXPECT_FALSE(programmEndet());
    }
    // without levels the file must give its extra values
    testhilfe::schreiben(pfad, original);
    ohneZeile("anzahl variierter uebertragungsstaerken=", "anzahl variierter uebertragungsstaerken=0");
    boxenVergessen();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 0);
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(1251, pfad)});
    // no header: not a definition file, and nothing to say
    testhilfe::schreiben(pfad, original.substr(original.find('\n') + 1));
    boxenVergessen();
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 0);
    EXPECT_TRUE(boxen().empty());
}

// A key counts at a line start only: a neuron named like a key brings nothing in, and a
// class count that is no number gives the default classes.
TEST_F(Definitionsdatei, SchluesselZaehlenNurAmZeilenanfang)
{
    neuronSuchen(4)->name = "x anzahl der analyseklassen=1";
    ASSERT_EQ(permutationsdefinitionSchreiben(pfad, 0), 1);
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 13);
    ohneZeile("anzahl der analyseklassen=", "anzahl der analyseklassen=1e300");
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 6);
    EXPECT_TRUE(gleich(analyseKlassen, standardKlassen()));
    EXPECT_EQ(permutationsDefinition.apAnzahlBeruecksichtigen, 0);
}

// The extra-parameter block with the Izhikevich step: a different step asks 332; Cancel
// keeps everything, Yes takes the file's step for the run.
TEST_F(Definitionsdatei, ZusatzdatenMitIzhikevichSchrittweite)
{
    permutationsDefinition.zusatzAnzahl = 2;
    permutationsDefinition.zusatz.bereiche[1] = {0.5, 0.0, 0.25, 4};
    permutationsDefinition.zusatz.serienAnzahl = 2;
    permutationsDefinition.zusatz.isi = {0.01, 0.02};
    simulationsParameter.schrittweite = 0.0002;
    ASSERT_EQ(permutationsdefinitionSchreiben(pfad, 0), 1);
    EXPECT_TRUE(std::regex_search(testhilfe::lesen(pfad),
                                  std::regex("\r\nschrittweite fuer izhikevich typen \\(ms\\)=0\\.2[0-9]*\r\n"
                                             "zusatzdaten anzahl=2\r\n")));
    simulationsParameter.schrittweite = 0.0001;
    pt::boxAntworten({antwort::Abbrechen});
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 0);
    EXPECT_EQ(simulationsParameter.schrittweite, 0.0001);
    pt::boxAntworten({antwort::Ja});
    permutationsDefinition = {};
    EXPECT_EQ(permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr), 13);
    EXPECT_DOUBLE_EQ(simulationsParameter.schrittweite, 0.0002);
    EXPECT_DOUBLE_EQ(simulationsParameter.izhikevichSchrittweite, 0.2);
    const Zusatzdaten& z = permutationsDefinition.zusatz;
    EXPECT_EQ(std::tuple(permutationsDefinition.zusatzAnzahl, z.bereiche[1].anzahl, z.bereiche[1].bis, z.serienAnzahl,
                         z.isi[1]),
              std::tuple(2, 4, 1.5, 2, 0.02));
}

// Truncated, flipped, doubled and emptied files: the reader never crashes and either takes
// a whole definition or leaves the old one untouched.
TEST_F(Definitionsdatei, BeschaedigteDateienLadenNieHalb)
{
    const std::string original = testhilfe::lesen(pfad);
    std::mt19937 zufall(51);
    const char* einsaetze[] = {"nan", "-1", "1e308", "99999999999", ",", "=", "\r\n", "21", "\n"};
    int genommen = 0;
    for (int i = 0; i < 300; ++i) {
        std::string t = original;
        const size_t stelle = zufall() % t.size();
        switch (i % 4) {
        case 0: t.resize(stelle); break;
        case 1: t[stelle] = static_cast<char>(zufall() % 256); break;
        case 2: t.insert(stelle, einsaetze[zufall() % std::size(einsaetze)]); break;
        case 3: t.erase(stelle, zufall() % 40); break;
        }
        testhilfe::schreiben(pfad, t);
        permutationsDefinition = gespeichert;
        analyseKlassen = gespeicherteKlassen;
        permutationsDefinition.letzteNummer = 3;
        if (pt::offeneBoxAntworten() == 0)
            pt::boxAntworten({antwort::Ok});
        const int c = permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr);
        ASSERT_FALSE(programmEndet());
        const PermutationsDefinition& d = permutationsDefinition;
        if (c == 0) {
            EXPECT_EQ(d.letzteNummer, 3) << i;
            permutationsDefinition.letzteNummer = 0;
            EXPECT_TRUE(gleich(d, gespeichert)) << i;
            EXPECT_TRUE(gleich(analyseKlassen, gespeicherteKlassen)) << i;
        } else {
            ++genommen;
            EXPECT_EQ(static_cast<size_t>(c), analyseKlassen.size()) << i;
            EXPECT_LE(d.synapsen.size(), 20u);
            for (const VariierteSynapse& v : d.synapsen)
                EXPECT_EQ(v.level.size(), static_cast<size_t>(d.levelAnzahl)) << i;
        }
    }
    EXPECT_GT(genommen, 0);
}

// A damaged file read by command 183 is said in a notice, never in the form whose Cancel
// ends the program: definition, classes and network stay, the program goes on.
TEST_F(Definitionsdatei, BeschaedigteDateiIstEinHinweisUndDasProgrammLaeuftWeiter)
{
    modusAn();
    modusStatus &= ~modusBit::DefinitionUngespeichert;
    ohneZeile("synapse 1 id=", "synapse 1 id=kaputt");
    const int neurone = neuronKette.anzahl;
    boxenVergessen();
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlPmtDefinitionLaden);
    nachrichtenVerarbeiten();
    ASSERT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(76, pfad)});
    const pt::BoxEintrag& box = pt::boxLog().back();
    EXPECT_EQ(std::tuple(box.titel, box.art), std::tuple("Hinweis", knoepfe::Ok | symbol::Information));
    EXPECT_FALSE(programmEndet());
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
    EXPECT_TRUE(gleich(permutationsDefinition, gespeichert));
    EXPECT_TRUE(gleich(analyseKlassen, gespeicherteKlassen));
    EXPECT_EQ(neuronKette.anzahl, neurone);
}

// A class value that has no single-precision value (beyond +-3.4e38) counts as missing, as
// "nan" and "inf" do: a start or frequency refuses the file, a weight takes its default;
// the largest single value is taken.
TEST_F(Definitionsdatei, KlassenwerteJenseitsEinfacherGenauigkeitFehlen)
{
    const std::string original = testhilfe::lesen(pfad);
    const auto lesenMit = [&](const std::string& schluessel, const std::string& wert) {
        analyseKlassen = gespeicherteKlassen;
        testhilfe::schreiben(pfad, original);
        ohneZeile(schluessel, schluessel + wert);
        boxenVergessen();
        if (pt::offeneBoxAntworten() == 0)
            pt::boxAntworten({antwort::Ok});
        return permutationsdefinitionAusDatei(pfad, 0, nullptr, nullptr);
    };
    for (const char* wert : {"1e300", "-1e300", "3.5e38", "-3.5e38"}) {
        SCOPED_TRACE(wert);
        EXPECT_EQ(lesenMit("analyseklasse 1 startzeit=", wert), 0);
        EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(98, 1, pfad)});
        EXPECT_EQ(lesenMit("analyseklasse 1 erwartete ap-frequenz=", wert), 0);
        EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(1252, 1, pfad)});
        EXPECT_TRUE(gleich(analyseKlassen, gespeicherteKlassen));

        EXPECT_EQ(lesenMit("analyseklasse 1 gewichtung der klasse=", wert), 13);
        EXPECT_EQ(analyseKlassen[1].gewicht, 1.0f);
        EXPECT_EQ(lesenMit("analyseklasse 2 gewichtung der anzahl=", wert), 13);
        EXPECT_EQ(analyseKlassen[2].anzahlGewicht, 0.0f);
        EXPECT_TRUE(boxen().empty());
        for (const Analyseklasse& a : analyseKlassen)
            EXPECT_TRUE(std::isfinite(a.start) && std::isfinite(a.ende) && std::isfinite(a.sollFrequenz) &&
                        std::isfinite(a.gewicht) && std::isfinite(a.anzahlGewicht));
    }
    EXPECT_EQ(lesenMit("analyseklasse 12 startzeit=", "3.4028234e38"), 13);
    EXPECT_EQ(analyseKlassen[12].start, std::numeric_limits<float>::max());
}

// Command 183 reads through the file dialog; an unsaved definition is asked about first.
TEST_F(Definitionsdatei, Befehl183FragtUndLiestDurchDenDateidialog)
{
    modusAn();
    modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
    permutationsDefinition = {};
    pt::boxAntworten({antwort::Nein});
    befehl(befehlPmtDefinitionLaden);
    EXPECT_TRUE(pt::dateiWahlLog().empty());
    pt::boxAntworten({antwort::Ja});
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    befehl(befehlPmtDefinitionLaden);
    EXPECT_TRUE(gleich(permutationsDefinition, gespeichert));
    EXPECT_EQ(modusStatus & (modusBit::DefinitionDa | modusBit::DefinitionUngespeichert), modusBit::DefinitionDa);
    EXPECT_EQ(dateipfade.permutationsDefinition, pfad);
}
