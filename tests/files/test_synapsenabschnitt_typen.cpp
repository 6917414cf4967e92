// tests/files/test_synapsenabschnitt_typen.cpp - the synapse-type table from a network text
// or from the standard types, and its repairs
#include "test_synapsenabschnitt_hilfe.h"
#include "rahmen_attrappe.h"
#include <cstdio>

namespace {

struct SynapsenTypenFall : SynapsenAbschnittFall {
    void SetUp() override
    {
        SynapsenAbschnittFall::SetUp();
        attrappe::rahmenZuruecksetzen();
        stdSynapsenTypen = eingebauteSynapsenTypen();
    }
    void TearDown() override
    {
        stdSynapsenTypen = eingebauteSynapsenTypen();
        SynapsenAbschnittFall::TearDown();
    }
    // a table that is none of the standard ones, so a call that keeps it shows
    static void eigeneTabelle()
    {
        synapsenTypen = {{ionenArt::Chemisch, -0.07, "eigene"}};
        synapsenTypAnzahl = 1;
    }
    static std::string typZeilen(int k, int ion, const char* potential, const char* name)
    {
        char z[300];
        std::snprintf(z, sizeof z,
                      "Synapsentyp %d Ion=%d\nSynapsentyp %d Gleichgewichtspotential=%s\nSynapsentyp %d Bezeichnung=%s\n",
                      k, ion, k, potential, k, name);
        return z;
    }
    static std::vector<int> ionen()
    {
        std::vector<int> v;
        for (const SynapsenTyp& t : synapsenTypen)
            v.push_back(t.ion);
        return v;
    }
};
using SynapsenTypen = SynapsenTypenFall;

} // namespace

TEST_F(SynapsenTypen, TabelleKommtAusDenTypzeilenZurueck)
{
    // as the network writer prints them; an entry of a sixth kind-1 type with a long name
    std::string t = "[SynapsenTypen-definition] ****\n";
    const std::string lang(200, 'x');
    t += typZeilen(0, 1, "0.055", "Glutamat schnell") + typZeilen(1, 2, "-0.0925", "GABA-B")
       + typZeilen(2, 3, "-0.08", "Chlorid") + typZeilen(3, 4, "0", "Gap")
       + typZeilen(4, 1, "0.0123456789012345", lang.c_str());
    std::vector<char> text = beschreibbar(t + "[ende SynapsenTypen-definition] ****\n");
    synapsenTypAnzahl = 5;
    ASSERT_TRUE(synapsenTypenLaden(text.data()));
    ASSERT_EQ(synapsenTypen.size(), 5u);
    EXPECT_EQ(synapsenTypAnzahl, 5);
    EXPECT_EQ(ionen(), (std::vector<int>{1, 2, 3, 4, 1}));
    EXPECT_EQ(synapsenTypen[1].potential, -0.0925);
    EXPECT_EQ(synapsenTypen[4].potential, 0.0123456789012345);
    EXPECT_EQ(synapsenTypen[0].bezeichnung, "Glutamat schnell");
    EXPECT_EQ(synapsenTypen[4].bezeichnung, std::string(127, 'x'));
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(SynapsenTypen, LueckenLeereWerteUndKleineAnzahl)
{
    // count 2 is raised to 4; types 0, 2, 3 fill slots 0-2; the last slot stays "leer";
    // an empty potential or name at a line start takes the standard type's of that kind
    stdSynapsenTypen[1].potential = -0.085;
    std::vector<char> text = beschreibbar(typZeilen(0, 2, "", "") + typZeilen(2, 3, "-0.07", "Cl")
                                          + typZeilen(3, 1, "0.04", "Na"));
    synapsenTypAnzahl = 2;
    ASSERT_TRUE(synapsenTypenLaden(text.data()));
    ASSERT_EQ(synapsenTypen.size(), 4u);
    EXPECT_EQ(ionen(), (std::vector<int>{2, 3, 1, 0}));
    EXPECT_EQ(synapsenTypen[0].potential, -0.085);
    EXPECT_EQ(synapsenTypen[0].bezeichnung, "inhibitorische Synapse (Kalium)");
    EXPECT_EQ(synapsenTypen[2].bezeichnung, "Na");
    EXPECT_EQ(synapsenTypen[3].bezeichnung, "leer");
    EXPECT_EQ(synapsenTypen[3].potential, 0.0);
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(SynapsenTypen, OhneTextDieVierStandardtypenWelcheAnzahlAuchImmer)
{
    stdSynapsenTypen[2].bezeichnung = "aus den Einstellungen";
    for (int anzahl : {1, 4, 9}) {
        eigeneTabelle();
        synapsenTypAnzahl = anzahl;
        ASSERT_TRUE(synapsenTypenLaden(nullptr));
        EXPECT_EQ(synapsenTypAnzahl, 4);
        EXPECT_EQ(ionen(), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(synapsenTypen[2].bezeichnung, "aus den Einstellungen");
    }
}

TEST_F(SynapsenTypen, TypanzahlNullOderNegativGibtDieVierStandardtypen)
{
    std::vector<char> text = beschreibbar(typZeilen(0, 3, "-0.07", "nur einer"));
    for (int anzahl : {0, -5}) {
        for (char* t : {text.data(), static_cast<char*>(nullptr)}) {
            eigeneTabelle();
            synapsenTypAnzahl = anzahl;
            ASSERT_TRUE(synapsenTypenLaden(t));
            EXPECT_EQ(synapsenTypAnzahl, 4);
            EXPECT_EQ(ionen(), (std::vector<int>{1, 2, 3, 4}));
        }
    }
}

TEST_F(SynapsenTypen, ZuGrosseTypanzahlVerweigertDieTabelle)
{
    eigeneTabelle();
    synapsenTypAnzahl = 4097;
    std::vector<char> text = beschreibbar(typZeilen(0, 1, "0.05", "a"));
    pt::boxAntworten({1});
    EXPECT_FALSE(synapsenTypenLaden(text.data()));
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(970, 4097, 4096));
    EXPECT_EQ(synapsenTypen[0].bezeichnung, "eigene");
}

TEST_F(SynapsenTypen, TypOhneIonenartBekommtDieErsteFreieArt)
{
    // ions 1 and 2 in use: the broken entries (0, below 1, above 4 alike) get kind 3
    std::vector<char> text = beschreibbar(typZeilen(0, 1, "0.05", "a") + typZeilen(1, 0, "-0.07", "kaputt")
                                          + typZeilen(2, 2, "-0.09", "b") + typZeilen(3, 7, "0.01", "")
                                          + typZeilen(4, -2, "0.02", "c"));
    synapsenTypAnzahl = 5;
    pt::boxAntworten({1, 1, 1, 1});
    ASSERT_TRUE(synapsenTypenLaden(text.data()));
    EXPECT_EQ(ionen(), (std::vector<int>{1, 3, 2, 3, 3}));
    EXPECT_EQ(synapsenTypen[3].bezeichnung, "");   // no kind, no standard name to fall back on
    ASSERT_EQ(pt::boxLog().size(), 4u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(259, 1));
    EXPECT_EQ(pt::boxLog()[1].text, meldungFormatieren(259, 3));
    EXPECT_EQ(pt::boxLog()[2].text, meldungFormatieren(259, 4));
    EXPECT_EQ(pt::boxLog()[3].text, meldungFormatieren(260, "kaputt", 3));
}

TEST_F(SynapsenTypen, ReparaturVergibtNieDieUngueltigeArtFuenf)
{
    // every kind 1-4 in use: the broken entry keeps kind 0, reported once with 259
    std::vector<char> text = beschreibbar(typZeilen(0, 1, "0.05", "a") + typZeilen(1, 2, "-0.09", "b")
                                          + typZeilen(2, 3, "-0.08", "c") + typZeilen(3, 4, "0", "d")
                                          + typZeilen(4, 9, "0.01", "kaputt"));
    synapsenTypAnzahl = 5;
    pt::boxAntworten({1});
    ASSERT_TRUE(synapsenTypenLaden(text.data()));
    EXPECT_EQ(ionen(), (std::vector<int>{1, 2, 3, 4, 0}));
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(259, 4));
}

TEST_F(SynapsenTypen, NurElektrischFreiVerweigertDieDateiStattDasProgrammZuBeenden)
{
    eigeneTabelle();
    std::vector<char> text = beschreibbar(typZeilen(0, 1, "0.05", "a") + typZeilen(1, 2, "-0.09", "b")
                                          + typZeilen(2, 3, "-0.08", "c") + typZeilen(3, 0, "0", "kaputt"));
    synapsenTypAnzahl = 4;
    pt::boxAntworten({1, 1});
    EXPECT_FALSE(synapsenTypenLaden(text.data()));
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[1].text, meldungFormatieren(415));
    EXPECT_FALSE(attrappe::dienste.endet);
    EXPECT_EQ(attrappe::dienste.beendenAufrufe, 0);
    EXPECT_EQ(synapsenTypen[0].bezeichnung, "eigene");   // nothing of the refused table
}

TEST_F(SynapsenTypen, NichtEndlicheIonenartZaehltAlsFehlendeZeile)
{
    std::vector<char> text = beschreibbar(typZeilen(0, 1, "nan", "a") + "Synapsentyp 1 Ion=nan\n"
                                          + typZeilen(2, 2, "-0.09", "b"));
    ASSERT_TRUE(synapsenTypenLaden(text.data()));
    EXPECT_EQ(ionen(), (std::vector<int>{1, 2, 0, 0}));
    EXPECT_EQ(synapsenTypen[0].potential, 0.0);   // kept as the new slot has it
}
