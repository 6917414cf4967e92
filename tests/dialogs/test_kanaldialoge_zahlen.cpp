// tests/dialogs/test_kanaldialoge_zahlen.cpp - the number fields of the channel dialogs
// (SWIM standard channels 160, user channels 218, Ca and K(Ca) channels 314): a text without a
// number gets a notice naming the field and nothing is stored; a K(Ca) tau whose rate would
// be infinite is refused
#include "dialogs/benutzerkanaele.h"
#include "dialogs/cakanal.h"
#include "dialogs/swimstandardkanaele.h"
#include "files/kcakanal.h"
#include "reizdialog_hilfe.h"

namespace {

using namespace reizdialog;

struct KanalZahlen : reizdialog::Fall {
    NeuronDaten* n = nullptr;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        n = neuron(1, true);
        for (int i = 59; i <= 238; ++i)
            n->parameter[i] = i;
    }
};

} // namespace

// A tau of 1e-310 once gave the decay rate inf, in the record and then in .kca and network files.
TEST_F(KanalZahlen, KcaTauOhneEndlichenKehrwertUndFelderOhneZahlSpeichernNichts)
{
    const struct { int id; const char* text; std::string meldung; } faelle[] = {
        {2076, "1e-310", meldungFormatieren(959, "Geschw. [Ca]-Abbau (tau)")},
        {2076, "-1e-309", meldungFormatieren(959, "Geschw. [Ca]-Abbau (tau)")},
        {2076, "nan", meldungFormatieren(952, "Geschw. [Ca]-Abbau (tau)")},
        {2090, "abc", meldungFormatieren(952, "Leitfaehigkeit K(Ca)-Kanal")},
        {2104, "1e400", meldungFormatieren(952, "Rate Beta")},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(314, {sch::tippen(f.id, f.text), sch::klicken(1), fokus(f.id), sch::klicken(2)});
        EXPECT_EQ(caKanalBefehl(nullptr), 2);
        EXPECT_EQ(letzteBox(), f.meldung) << f.text;
        EXPECT_EQ(n->kca, nullptr);
    }
    // the smallest tau whose rate is finite is taken
    test::dialogSkript(314, {sch::tippen(2076, "1e-308"), sch::klicken(1)});
    EXPECT_EQ(caKanalBefehl(nullptr), 1);
    ASSERT_NE(n->kca, nullptr);
    EXPECT_DOUBLE_EQ(n->kca->caAbbau, 1e308);
}

TEST_F(KanalZahlen, StandardkanaeleLesenErstAllesUndFragenDannNachDerNull)
{
    const double vorher = n->parameter[60];
    test::boxAntworten({antwort::Ok, antwort::Ok});
    // neither the switch to another channel nor OK takes "abc"; no question about a zero
    test::dialogSkript(160, {sch::tippen(1393, "abc"), sch::waehlen(1921, 2), fokus(1393),
                             [](Fenster d) { EXPECT_EQ(listeAuswahl(d, 1921), 0); }, sch::klicken(1), fokus(1393),
                             sch::klicken(2)});
    EXPECT_EQ(swimStdKanalBefehl(nullptr), 2);
    EXPECT_EQ(test::boxLog().size(), 2u);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Leitf\xE4higkeit"));
    EXPECT_EQ(n->parameter[60], vorher);
}

TEST_F(KanalZahlen, BenutzerkanalNimmtKeinenWertOhneZahl)
{
    BenutzerKanal k;
    std::tie(k.name, k.gleichgewichtspotential, k.leitfaehigkeit, k.alpha[0], k.beta[0], k.synapseId) =
        std::tuple("K", 0.05, 1e-6, 1.0, 2.0, 3);
    n->benutzerKanaele = {k};
    const struct { int id; const char* text; std::string name; } faelle[] = {
        {1504, "nan", "Gleichgewichts-Potential"},
        {1548, "abc", "alpha"},
        {1554, "1e400", "Synapse ID"},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        Schritte s{sch::tippen(f.id, f.text), sch::klicken(1520), sch::klicken(2)};
        if (f.id == 1554)   // the id is open with its switch
            s.insert(s.begin(), sch::klicken(1556));
        test::dialogSkript(218, s);
        EXPECT_EQ(kanalEigenschaftenBefehl(nullptr), 2);
        EXPECT_EQ(letzteBox(), meldungFormatieren(952, f.name)) << f.text;
    }
    // a form field left with a text that holds no number keeps the channel's form
    test::dialogSkript(218, {sch::tippen(1509, "x"), sch::fokusVerlassen(1509), sch::tippen(1509, "1"),
                             sch::klicken(1520)});
    EXPECT_EQ(kanalEigenschaftenBefehl(nullptr), 1);
    const BenutzerKanal& g = n->benutzerKanaele.front();
    EXPECT_EQ(std::tuple(g.gleichgewichtspotential, g.alpha[0], g.synapseId), std::tuple(0.05, 1.0, 3));
}
