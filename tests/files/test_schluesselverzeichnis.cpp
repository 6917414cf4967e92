// tests/files/test_schluesselverzeichnis.cpp - the key indexes and the marker search of the
// network readers find what a search through the text finds, in texts of any shape and
// while the number readers turn decimal commas into points
#include "files/lesen.h"
#include "files/schluesselverzeichnis.h"
#include <gtest/gtest.h>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// Texts made of the pieces the readers meet: prefixes with and without their number, keys
// that hold commas, points and blanks, values, line ends, and pieces of all of them.
struct Texte {
    std::mt19937 zufall{4242};

    size_t bis(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(zufall); }

    std::string text(const std::vector<std::string>& stuecke, size_t anzahl)
    {
        std::string t;
        for (size_t i = 0; i < anzahl; ++i) {
            const std::string& s = stuecke[bis(stuecke.size())];
            // now and then only the start or the end of a piece
            switch (bis(8)) {
            case 0: t += s.substr(0, bis(s.size() + 1)); break;
            case 1: t += s.substr(bis(s.size() + 1)); break;
            default: t += s;
            }
        }
        return t;
    }
    // a decimal comma of the text becomes a point, as the number readers do it
    void kommaZuPunkt(std::string& t)
    {
        const size_t k = t.find(',', bis(t.size() + 1));
        if (k != std::string::npos)
            t[k] = '.';
    }
};

const std::vector<std::string> diagrammStuecke = {
    "Diagramm 1 zu 5 ", "Diagramm 2 zu 5 ", "Diagramm 1 zu 55 ", "Diagramm zu 5 ", "Diagramm 1 zu 5 Diagramm 1 zu 5 ",
    "linienArt (0: SOLID, 1: DASH, 2: DOT)=", "linienArt (0: SOLID. 1: DASH. 2: DOT)=", "0 von 2, y-achse auf x-achse 3=",
    "0 von 2. y-achse auf x-achse 3=", "minY=", "minY fuer Kurve 1=", "hilfslinien=ja", "hilfslinien=nein", "x-dimension=",
    "x-dimension =", "=", "=ja", "1,5", "-0.5", "nan", " ", "\n", "\r\n", "\r", "\t", ",", ".", "Diagramm", "zu", "5",
};
const std::vector<std::string> diagrammRest = {
    "linienArt (0: SOLID, 1: DASH, 2: DOT)=", "0 von 2. y-achse auf x-achse 3=", "minY=", "minY fuer Kurve 1=",
    "hilfslinien=ja", "x-dimension=", "=", "minY", "", "hilfslinien=nein", "Diagramm 1 zu 5 minY=",
};

} // namespace

// Every search of the prefix's keys, from every kind of cursor, finds the place strstr finds,
// with the line-start rule of the text reader where asked, also after commas became points.
TEST(Schluesselverzeichnis, FindetWasDieSucheDurchDenTextFindet)
{
    Texte t;
    for (int runde = 0; runde < 300; ++runde) {
        std::string text = t.text(diagrammStuecke, 10 + t.bis(80));
        // a cut block: the search ends at the first zero byte
        if (t.bis(4) == 0 && !text.empty())
            text[t.bis(text.size())] = '\0';
        const std::string vorsilbe = t.bis(3) == 0 ? "Diagramm zu 5 " : "Diagramm 1 zu 5 ";
        const SchluesselVerzeichnis v(text.data(), vorsilbe);
        const size_t ende = std::strlen(text.c_str());
        for (int suche = 0; suche < 40; ++suche) {
            if (t.bis(4) == 0)
                t.kommaZuPunkt(text);
            char* ab = text.data() + t.bis(ende + 1);
            const std::string& rest = diagrammRest[t.bis(diagrammRest.size())];
            const std::string schluessel = vorsilbe + rest;
            SCOPED_TRACE(testing::Message() << "text \"" << text.c_str() << "\" from " << (ab - text.data())
                                            << ", key \"" << schluessel << "\"");
            ASSERT_EQ(v.suchen(ab, rest), std::strstr(ab, schluessel.c_str()));
            ASSERT_EQ(v.vorsilbeSuchen(ab), std::strstr(ab, vorsilbe.c_str()));
            char* amAnfang = nullptr;
            for (char* p = std::strstr(ab, schluessel.c_str()); p && !amAnfang; p = std::strstr(p + 1, schluessel.c_str()))
                if (p == ab || static_cast<unsigned char>(p[-1]) < 14)
                    amAnfang = p;
            ASSERT_EQ(v.amZeilenanfangSuchen(ab, rest), amAnfang);
        }
    }
}

// The synapse lines by number: only "Synapse <id> " as the writer prints the id counts, and
// a key with a longer prefix ("Axo-Synapse") is found where it starts.
TEST(Schluesselverzeichnis, NummernFindenNurDieEigenenZeilen)
{
    const std::vector<std::string> stuecke = {
        "Synapse 5 ", "Synapse 05 ", "Synapse 55 ", "Synapse 5", "Axo-Synapse 5 ", "Axo-Synapse 12 ", "Synapse 12 ",
        "Synapse 4095 ", "Synapse 4096 ", "Synapse -5 ", "Synapse 0 ", "Synapse 99999999999 ", "von=3\n",
        "auf=4\n", "transmitter E=1,5\n", "transmitter E=0.5\n", "x", "\n", " ", "Synapse ", "-Synapse 5 von=",
    };
    const std::vector<std::pair<std::string, int>> praefixe = {{"Synapse", 5}, {"Axo-Synapse", 5}, {"Synapse", 12},
                                                              {"Axo-Synapse", 12}, {"Synapse", 4095}};
    const std::vector<std::string> reste = {"von=", "auf=", "transmitter E=", "", "x"};
    Texte t;
    for (int runde = 0; runde < 300; ++runde) {
        std::string text = t.text(stuecke, 10 + t.bis(60));
        const NummernVerzeichnis v(text.data(), "Synapse ", 4096);
        const size_t ende = std::strlen(text.c_str());
        for (int suche = 0; suche < 40; ++suche) {
            if (t.bis(4) == 0)
                t.kommaZuPunkt(text);
            char* ab = text.data() + t.bis(ende + 1);
            const auto& [praefix, id] = praefixe[t.bis(praefixe.size())];
            const std::string schluessel = praefix + " " + std::to_string(id) + " " + reste[t.bis(reste.size())];
            SCOPED_TRACE(testing::Message() << "text \"" << text << "\" from " << (ab - text.data()) << ", key \""
                                            << schluessel << "\"");
            ASSERT_EQ(v.suchen(ab, schluessel, praefix.size() + 1 - 8, id), std::strstr(ab, schluessel.c_str()));
        }
    }
}

// The search in growing pieces finds strstr's place, also across the pieces' borders and in
// texts cut by a zero byte.
TEST(Schluesselverzeichnis, MarkeInStueckenWieStrstr)
{
    Texte t;
    const std::vector<std::string> stuecke = {"[NEURON 1]", "[ende NEURON 1]", "[ende NEURON 12]", "[", "]", "x",
                                              std::string(1000, 'a'), std::string(3000, 'b'), "\n", "NEURON"};
    for (int runde = 0; runde < 200; ++runde) {
        std::string text = t.text(stuecke, 5 + t.bis(40));
        if (t.bis(5) == 0 && !text.empty())
            text[t.bis(text.size())] = '\0';
        char* von = text.data() + t.bis(std::strlen(text.c_str()) + 1);
        for (const char* was : {"[ende NEURON 1]", "[NEURON 1]", "ab", "b]", "", "[ende NEURON 12]\n"})
            ASSERT_EQ(textSuchen(von, was), std::strstr(von, was)) << runde << " " << was;
    }
}
