// tests/files/test_synapsentypen_anzahl.cpp - a type count without type lines: the table
// holds the types the text holds, a save repairs nothing, and a synapse of a type past the
// table is refused
#include "netzdatei_hilfe.h"
#include <string>

namespace {

struct SynapsentypenAnzahl : NetzdateiFall {};

} // namespace

// "anzahl verschiedener synapsentypen=4000" and no type line: no entry named "leer" whose
// kind the next save would repair with one box each.
TEST_F(SynapsentypenAnzahl, ZaehlerOhneTypzeilenGibtKeineLeerenEintraegeUndBeimSpeichernKeineBoxen)
{
    neu(1);
    neu(2);
    std::string text = imSpeicher();
    const size_t anzahl = text.find("anzahl verschiedener synapsentypen=");
    ASSERT_NE(anzahl, std::string::npos);
    text.replace(anzahl, text.find('\n', anzahl) - anzahl, "anzahl verschiedener synapsentypen=4000");
    const size_t typen = text.find("[SynapsenTypen-definition]");
    const size_t typenEnde = text.find("[ende SynapsenTypen-definition]");
    ASSERT_TRUE(typen != std::string::npos && typenEnde != std::string::npos);
    text.erase(typen, typenEnde - typen);

    ASSERT_EQ(laden(text), 1);
    EXPECT_TRUE(pt::boxLog().empty());
    EXPECT_EQ(synapsenTypAnzahl, static_cast<int>(synapsenTypen.size()));
    for (const SynapsenTyp& t : synapsenTypen)
        EXPECT_TRUE(t.ion >= 1 && t.ion <= 4 && t.bezeichnung != "leer") << t.bezeichnung;

    gespeichert();
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().size() << " boxes";
}

// A count of 4000 with two type lines: a table of two; a synapse of type 3 points past it
// and is refused as a broken synapse, the one of type 1 is loaded.
TEST_F(SynapsentypenAnzahl, SynapseEinesTypsHinterDerTabelleWirdAbgelehnt)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    synapsenTypen = {{ionenArt::Natrium, 0.05, "erregend"}, {ionenArt::Chemisch, -0.08, "hemmend"},
                     {ionenArt::Chemisch, -0.07, "dritter"}, {ionenArt::Chemisch, -0.06, "vierter"}};
    synapsenTypAnzahl = 4;
    ASSERT_NE(verbinde(a, b, 1), nullptr);
    ASSERT_NE(verbinde(b, a, 3), nullptr);
    std::string text = imSpeicher();
    const size_t anzahl = text.find("anzahl verschiedener synapsentypen=");
    text.replace(anzahl, text.find('\n', anzahl) - anzahl, "anzahl verschiedener synapsentypen=4000");
    for (int k : {2, 3}) {
        const size_t zeile = text.find("Synapsentyp " + std::to_string(k) + " Ion=");
        ASSERT_NE(zeile, std::string::npos);
        text.erase(zeile, text.find("Synapsentyp " + std::to_string(k) + " Bezeichnung=") - zeile);
        const size_t name = text.find("Synapsentyp " + std::to_string(k) + " Bezeichnung=");
        text.erase(name, text.find('\n', name) + 1 - name);
    }

    pt::boxAntworten({plattform::antwort::Ok});
    ASSERT_EQ(laden(text), 1);
    EXPECT_EQ(std::tuple(synapsenTypAnzahl, synapsenTypen.size()), std::tuple(2, 2u));
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(972, 1)});
    EXPECT_EQ(synapsenZaehler, 1);
    ASSERT_NE(neuronNachNummer(1)->ausgangsSynapsen, nullptr);
    EXPECT_EQ(std::tuple(neuronNachNummer(1)->ausgangsSynapsen->synapsenTyp, neuronNachNummer(2)->ausgangsSynapsen),
              std::tuple(1, nullptr));
}
