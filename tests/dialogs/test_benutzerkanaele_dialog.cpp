// tests/dialogs/test_benutzerkanaele_dialog.cpp - the user-defined SWIM channels dialog (218),
// opened by its command
#include "dialogs/benutzerkanaele.h"
#include "files/benutzerkanaele.h"
#include "reizdialog_hilfe.h"
#include "testhilfe.h"

namespace {

using namespace reizdialog;

struct KanalDialog : reizdialog::Fall {
    static BenutzerKanal kanal(const char* name, double g, double fa, double fb, int aktivierend = 0)
    {
        BenutzerKanal k;
        std::tie(k.name, k.leitfaehigkeit, k.alpha[0], k.beta[0], k.aktivierungMitDeaktivierung) =
            std::tuple(name, g, fa, fb, aktivierend);
        return k;
    }
    static NeuronDaten* mit(int nummer, bool markiert, std::list<BenutzerKanal> kanaele)
    {
        NeuronDaten* n = neuron(nummer, markiert);
        n->benutzerKanaele = std::move(kanaele);
        return n;
    }
    static std::vector<std::string> namen(const NeuronDaten* n)
    {
        std::vector<std::string> v;
        for (const BenutzerKanal& k : n->benutzerKanaele)
            v.push_back(k.name + "/" + std::to_string(k.gleichgewichtspotential));
        return v;
    }
    static test::DialogSchritt pruefen(std::function<void(Fenster)> f) { return f; }
    static intptr_t oeffnen() { return kanalEigenschaftenBefehl(nullptr); }
};

TEST_F(KanalDialog, BearbeitenUndAbbrechenLaesstJedesNeuronWieEsWar)
{
    NeuronDaten* leer = mit(1, true, {});
    NeuronDaten* anderes = mit(2, false, {kanal("A", 1, 1, 1, 1), kanal("B", 0, 1, 1)});
    const auto vorher = namen(anderes);
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ja, antwort::Ja});
    test::dialogSkript(218, {
        pruefen([](Fenster d) {   // one empty channel, "neu" hidden until both forms are set
            EXPECT_EQ(std::pair(listeAnzahl(d, 1505), listeText(d, 1505, 0)), std::pair(1, meldungFormatieren(688, 1)));
            EXPECT_FALSE(elementIstSichtbar(d, 1518));
        }),
        sch::tippen(1509, "1"), sch::fokusVerlassen(1509), sch::tippen(1513, "2"), sch::fokusVerlassen(1513),
        sch::tippen(1505, "Ka"), pruefen([](Fenster d) { EXPECT_TRUE(elementIstSichtbar(d, 1518)); }),
        // "neu" drops what was typed, switching channels keeps it
        sch::tippen(1504, "0.5"), sch::klicken(1518), sch::waehlen(1505, 0), texte({{1504, "0"}}),
        sch::tippen(1504, "7"), sch::waehlen(1505, 1), sch::waehlen(1505, 0), texte({{1504, "7"}}),
        // a conducting channel needs both forms; without conductance it passes
        sch::tippen(1506, "1e-3"), sch::tippen(1509, "0"), sch::waehlen(1505, 1), fokus(1506),
        sch::tippen(1506, "0"), sch::waehlen(1505, 1), texte({{1504, "0"}}),
        // deleting removes a channel; the last one left is cleared instead
        sch::klicken(1519), sch::klicken(1519), texte({{1509, "0"}}),
        pruefen([](Fenster d) { EXPECT_EQ(listeText(d, 1505, 0), meldungFormatieren(688, 1)); }), sch::klicken(2)});
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_EQ(std::tuple(leer->benutzerKanaele.size(), namen(anderes)), std::tuple(0u, vorher));
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[413]);
}

TEST_F(KanalDialog, KopierenLoeschenUndF2)
{
    NeuronDaten* a = mit(1, true, {kanal("X", 0, 1, 1), kanal("A", 0, 1, 1, 1), kanal("B", 0, 1, 1), kanal("C", 0, 2, 3)});
    NeuronDaten* b = mit(2, true, {kanal("C", 0, 2, 3)});
    NeuronDaten* c = mit(3, true, {kanal("C", 0, 2, 4)});
    NeuronDaten* d = mit(4, false, {kanal("C", 0, 2, 3)});
    a->hauptDiagramm.kurven[9].anzeigen = 1;
    a->hauptDiagramm.kurven[9].kanal = 3;
    test::dialogSkript(146, {sch::klicken(1)});                                        // copy: go on
    test::dialogSkript(146, {texte({{1251, "2"}}), sch::klicken(2)});                  // an activating part: 2
    test::boxAntworten({antwort::Nein, antwort::Ja});   // the pairing stays, the delete goes on
    test::dialogSkript(218, {sch::waehlen(1505, 3), sch::tippen(1504, "5"), sch::klicken(1546),
                             sch::waehlen(1505, 1), sch::klicken(1549), [](Fenster f) { EXPECT_TRUE(el(f, 1549).haken); }, sch::klicken(1543),
                             sch::klicken(1519),
                             [](Fenster f) { senden(f, nachricht::Befehl, machWParam(befehlOkF2, 0), 0); }});
    EXPECT_EQ(oeffnen(), 1);
    const std::vector<std::string> x = {"X/0.000000", "C/5.000000"}, c5 = {"C/5.000000"}, c0 = {"C/0.000000"};
    EXPECT_EQ(std::tuple(namen(a), namen(b), namen(c), namen(d)), std::tuple(x, c5, c0, c0));
    EXPECT_EQ(a->hauptDiagramm.kurven[9].anzeigen, 0);   // bound beyond the end
    EXPECT_EQ(std::pair(ersatz::befehle, programmOptionen.kanalDialogSofortStarten), std::pair(std::vector<int>{40039}, 1));
    programmOptionen.kanalDialogSofortStarten = 0;
}

TEST_F(KanalDialog, KanaldateiGespeichertUndGeladenUndAbbruchEntferntDenAngehaengten)
{
    const std::string ordner = testhilfe::tempOrdner("knl");
    NeuronDaten* a = mit(1, true, {kanal("A", 0, 1, 1, 1), kanal("B", 0, 1, 1)});
    NeuronDaten* b = mit(2, true, {kanal("P", 0, 1, 1)});
    NeuronDaten* c = mit(3, true, {});
    test::dialogSkript(146, {sch::klicken(1)});
    test::dateiAntworten({test::dateiAntwort(ordner + "a.knl"), test::dateiAbbruch(), test::dateiAntwort(ordner + "a.knl")});
    test::dialogSkript(218, {sch::klicken(1543), sch::klicken(1552), sch::klicken(1542), sch::klicken(1542), sch::klicken(1520)});
    EXPECT_EQ(oeffnen(), 1);
    const std::vector<std::string> ab = {"A/0.000000", "B/0.000000"};
    EXPECT_EQ(namen(a), (std::vector<std::string>{"A/0.000000", "B/0.000000", "A/0.000000", "B/0.000000"}));
    EXPECT_EQ(namen(b), (std::vector<std::string>{"P/0.000000", "A/0.000000", "B/0.000000"}));
    EXPECT_EQ(namen(c), ab);
}

} // namespace
