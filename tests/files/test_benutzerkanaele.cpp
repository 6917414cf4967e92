// tests/files/test_benutzerkanaele.cpp - the user SWIM channel lines of a neuron block and of
// the channel files
#include "netzdatei_hilfe.h"
#include "files/benutzerkanaele.h"
#include <algorithm>
#include <cstring>

namespace {

using plattform::antwort::Abbrechen;
using plattform::antwort::Ok;
using Kanaele = std::list<BenutzerKanal>;

// channels whose every value is their own, named "Kanal 1 \xE4", "Kanal 2 \xE4", ...; the
// pairing switches as given
Kanaele kanaele(const std::vector<int>& paare)
{
    Kanaele l;
    for (int p : paare) {
        BenutzerKanal& k = l.emplace_back();
        const int i = static_cast<int>(l.size());
        double x = 100.0 * i;
        for (double* f : {&k.gleichgewichtspotential, &k.leitfaehigkeit, &k.potenz, &k.torStartwert,
                          &k.alpha[0], &k.alpha[1], &k.alpha[2], &k.alpha[3], &k.beta[0], &k.beta[1],
                          &k.beta[2], &k.beta[3], &k.hilfsparameterAlpha, &k.hilfsparameterBeta})
            *f = (x += 1.0) / 1024.0;   // exact in 15 digits
        k.name = "Kanal " + std::to_string(i) + " \xE4";
        std::tie(k.berechnungsmodus, k.aktivierungMitDeaktivierung, k.stromUeberSynapse, k.synapseId) =
            std::tuple(i % 3 + 1, p, 1, i + 7);
    }
    return l;
}

// every field of every channel
std::string zeilen(const Kanaele& l, int nummer, int hoechstens = -1)
{
    XBuffer p;
    userSwimKanalSpeichern(l, nummer, nullptr, hoechstens, p, 0);
    return p.text();
}
// the text without the lines that contain teil
std::string ohne(const std::string& text, const std::string& teil)
{
    std::string aus;
    for (size_t a = 0, e; a < text.size(); a = e + 1)
        if (const std::string z = text.substr(a, (e = text.find('\n', a)) - a + 1); z.find(teil) == teil.npos)
            aus += z;
    return aus;
}

struct Benutzerkanaele : NetzdateiFall {
    static int lesen(Kanaele& l, int nummer, const std::string& text)
    {
        std::vector<char> t = lesbar(text);
        const size_t laenge = std::strlen(t.data());
        const int n = userSwimKanalLaden(l, nummer, t.data());
        EXPECT_EQ(std::strlen(t.data()), laenge);
        return n;
    }
};

} // namespace

TEST_F(Benutzerkanaele, DreiKanaeleKommenFeldFuerFeldZurueck)
{
    const std::string t = zeilen(kanaele({1, 0, 0}), 4);
    EXPECT_TRUE(t.starts_with("neuron 4 user-SWIM-kanal 0 gleichgewichtspotential=0.0986328125\n"));
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 3 * 19);
    Kanaele l;
    EXPECT_EQ(lesen(l, 4, "neuron 4 physiologische Parameter\n" + t), 3);
    EXPECT_EQ(zeilen(l, 4), t);
    EXPECT_EQ(zeilen(l, 4, 1), t.substr(0, t.find("neuron 4 user-SWIM-kanal 1 ")));   // at most one written
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(Benutzerkanaele, LueckenOhneFrageUndErneutGelesenBleibenDieKanaeleAnIhrerStelle)
{
    const std::string drei = zeilen(kanaele({0, 0, 0}), 4);
    Kanaele l = kanaele({0});
    const BenutzerKanal* erster = &l.front();
    // no channel of that number, or no text: nothing changes
    EXPECT_EQ(lesen(l, 5, drei) + lesen(l, 4, ""), 0);
    EXPECT_EQ(zeilen(l, 4), zeilen(kanaele({0}), 4));
    // lines that may be missing without a question, and a decimal comma
    std::string t = ohne(ohne(drei, "kanal 2 bezeichnung="), "kanal 0 hilfsparameter alpha=");
    const size_t wert = t.find("kanal 1 leitfaehigkeit=") + 23;
    t.replace(wert, t.find('\n', wert) - wert, "0,5");
    EXPECT_EQ(lesen(l, 4, t), 3);
    EXPECT_EQ(std::tie(l.front().hilfsparameterAlpha, std::next(l.begin())->leitfaehigkeit, l.back().name),
              std::tuple(0.0, 0.5, "swim-kanal 2"));
    EXPECT_TRUE(pt::boxLog().empty());
    // read again with fewer: they stay where they are, the surplus goes
    EXPECT_EQ(lesen(l, 4, zeilen(kanaele({0, 0}), 4)), 2);
    EXPECT_EQ(zeilen(l, 4), zeilen(kanaele({0, 0}), 4));
    EXPECT_EQ(&l.front(), erster);
}

TEST_F(Benutzerkanaele, AktivierungOhneDeaktivierungBekommtEinenLeerenKanal)
{
    const std::string fehlt = "Hinweis: " + meldungFormatieren(418);
    const std::string letzter = "Hinweis: " + meldungFormatieren(421);
    // the pairing switches, where the empty channels stand afterwards, the notices
    const std::tuple<std::vector<int>, std::vector<int>, BoxTexte> faelle[] = {
        {{1, 1, 0}, {1}, {fehlt}},
        {{1}, {1}, {letzter}},
        {{1, 0, 1, 1}, {3, 5}, {fehlt, letzter}},
        {{0, 1, 0}, {}, {}},
    };
    for (const auto& [paare, leer, boxen] : faelle) {
        SCOPED_TRACE(::testing::PrintToString(paare));
        pt::zuruecksetzen();
        pt::boxAntworten({Ok, Ok});
        Kanaele erwartet = kanaele(paare), l;
        for (int i : leer)
            erwartet.emplace(std::next(erwartet.begin(), i))->name = meldungsTexte[420];
        EXPECT_EQ(lesen(l, 2, zeilen(kanaele(paare), 2)), static_cast<int>(erwartet.size()));
        EXPECT_EQ(zeilen(l, 2), zeilen(erwartet, 2));
        EXPECT_EQ(gezeigteBoxen(), boxen);
    }
}

TEST_F(Benutzerkanaele, FehlenderWertWirdErfragt)
{
    const std::string zwei = zeilen(kanaele({0, 0}), 3);
    // the line missing, the answer, the question, the result and the list's size afterwards
    const std::tuple<std::string, int, std::string, int, size_t> faelle[] = {
        {"kanal 0 power=", Ok, meldungFormatieren(950, "power"), 2, 2},
        {"kanal 1 berechnungsmodus fuer A und B=", Ok, meldungFormatieren(422), 2, 2},
        {"kanal 1 power=", Abbrechen, meldungFormatieren(950, "power"), -1, 2},
        {"kanal 0 berechnungsmodus fuer A und B=", Abbrechen, meldungFormatieren(422), -1, 1},
    };
    for (const auto& [fehlt, antwort, frage, ergebnis, groesse] : faelle) {
        SCOPED_TRACE(fehlt);
        pt::zuruecksetzen();
        pt::boxAntworten({antwort});
        Kanaele l = kanaele({0, 0, 0});
        l.front().potenz = 77.0;
        EXPECT_EQ(lesen(l, 3, ohne(zwei, fehlt)), ergebnis);
        EXPECT_EQ(gezeigteBoxen(), BoxTexte{"SysInfo: " + frage});
        EXPECT_EQ(pt::boxLog().at(0).art, plattform::knoepfe::OkAbbrechen | plattform::symbol::Frage);
        EXPECT_EQ(l.size(), groesse);   // what was read so far stays
        // the field keeps its value; a new record's is 0
        EXPECT_TRUE(fehlt != "kanal 0 power=" || l.front().potenz == 77.0);
        EXPECT_TRUE(fehlt != "kanal 1 berechnungsmodus fuer A und B=" || l.back().berechnungsmodus == 0);
    }
}

TEST_F(Benutzerkanaele, KanaldateiMitNummerNullKommtZurueck)
{
    Kanaele l = kanaele({0, 1, 0, 0});
    ASSERT_TRUE(knlDateiSpeichern(pfad("k.knl"), std::next(l.begin()), l.end(), 2));
    l.pop_front();
    l.pop_back();
    std::string crlf;
    for (char c : zeilen(l, 0))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(testhilfe::lesen(pfad("k.knl")), crlf);
    Kanaele gelesen;
    EXPECT_EQ(knlDateiLaden(pfad("k.knl"), gelesen), 2);
    EXPECT_EQ(zeilen(gelesen, 0), zeilen(l, 0));
    // a file an editor saved in UTF-8
    testhilfe::schreiben(pfad("u.knl"), plattform::nachUtf8(zeilen(kanaele({0}), 0)));
    EXPECT_EQ(knlDateiLaden(pfad("u.knl"), gelesen), 1);
    EXPECT_EQ(gelesen.front().name, "Kanal 1 \xE4");
    EXPECT_TRUE(pt::boxLog().empty());
    // files that cannot be written or read: the notice, the old file stays
    pt::boxAntworten({Ok, Ok});
    EXPECT_FALSE(knlDateiSpeichern(pfad("fehlt/k.knl"), l.begin(), l.end(), -1));
    EXPECT_EQ(knlDateiLaden(pfad("fehlt.knl"), gelesen), 0);
    EXPECT_EQ(gezeigteBoxen(), (BoxTexte{"Hinweis: " + meldungFormatieren(74, pfad("fehlt/k.knl")),
                                         "Hinweis: " + meldungFormatieren(73, pfad("fehlt.knl"))}));
    EXPECT_EQ(std::tuple(attrappe::dienste.endet, gelesen.size()), std::tuple(false, 1u));
}

TEST_F(Benutzerkanaele, BeschaedigteTexteLassenGepaarteKanaele)
{
    const std::string grund = "neuron 6 physiologische Parameter\n" + zeilen(kanaele({1, 0, 0, 1, 0}), 6);
    Verformer verformen{20241002};
    for (int runde = 0; runde < 400; ++runde) {
        SCOPED_TRACE(runde);
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});   // unanswered questions count as Cancel
        for (int i = 0; i < 30 * (runde % 2); ++i)
            pt::boxAntworten({Ok});
        Kanaele l = kanaele({0, 0});
        const int n = lesen(l, 6, verformen(grund));
        ASSERT_GE(n, -1);
        EXPECT_EQ(l.size(), n == 0 ? 2u : n > 0 ? static_cast<size_t>(n) : l.size());
        for (auto k = l.begin(); k != l.end(); ++k)
            EXPECT_TRUE(n < 0 || k->aktivierungMitDeaktivierung != 1 || std::next(k) != l.end());
        for (const BenutzerKanal& k : l)
            EXPECT_LE(k.name.size(), 259u);
    }
}
