// tests/files/test_benutzerkanaele.cpp - the user SWIM channel lines of a neuron block and of
// the channel files
#include "netzdatei_hilfe.h"
#include "files/benutzerkanaele.h"
#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

using plattform::antwort::Abbrechen;
using plattform::antwort::Ok;
using Kanaele = std::list<BenutzerKanal>;

auto felder(BenutzerKanal& k)
{
    return std::tie(k.gleichgewichtspotential, k.leitfaehigkeit, k.potenz, k.torStartwert, k.alpha, k.beta,
                    k.berechnungsmodus, k.aktivierungMitDeaktivierung, k.name, k.hilfsparameterAlpha,
                    k.hilfsparameterBeta, k.stromUeberSynapse, k.synapseId);
}

// a channel whose every value is its own
BenutzerKanal kanal(int basis, int paar = 0)
{
    BenutzerKanal k;
    double x = basis;
    for (double* f : {&k.gleichgewichtspotential, &k.leitfaehigkeit, &k.potenz, &k.torStartwert, &k.hilfsparameterAlpha,
                      &k.hilfsparameterBeta})
        *f = (x += 1.0) * 0.0625;
    for (double& f : k.alpha)
        f = (x += 1.0) * -0.125;
    for (double& f : k.beta)
        f = (x += 1.0) / 1024.0;   // exact in 15 digits
    k.berechnungsmodus = basis % 3 + 1;
    k.aktivierungMitDeaktivierung = paar;
    k.name = "Kanal " + std::to_string(basis) + " \xE4";
    k.stromUeberSynapse = 1;
    k.synapseId = basis + 7;
    return k;
}
Kanaele kanaele(std::initializer_list<int> paare)
{
    Kanaele l;
    int i = 0;
    for (int p : paare)
        l.push_back(kanal(100 * ++i, p));
    return l;
}

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
    for (size_t a = 0, e; a < text.size(); a = e + 1) {
        e = text.find('\n', a);
        const std::string zeile = text.substr(a, e - a + 1);
        if (zeile.find(teil) == std::string::npos)
            aus += zeile;
    }
    return aus;
}
std::vector<std::string> namen(const Kanaele& l)
{
    std::vector<std::string> v;
    for (const BenutzerKanal& k : l)
        v.push_back(k.name);
    return v;
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
    static void gleich(Kanaele& gelesen, Kanaele& erwartet)
    {
        ASSERT_EQ(gelesen.size(), erwartet.size());
        auto e = erwartet.begin();
        int i = 0;
        for (BenutzerKanal& g : gelesen)
            EXPECT_EQ(felder(g), felder(*e++)) << "channel " << i++;
    }
};

} // namespace

TEST_F(Benutzerkanaele, DreiKanaeleKommenFeldFuerFeldZurueck)
{
    Kanaele l = kanaele({1, 0, 0});
    const std::string t = zeilen(l, 4);
    EXPECT_TRUE(t.starts_with("neuron 4 user-SWIM-kanal 0 gleichgewichtspotential=6.3125\n")) << t.substr(0, 60);
    EXPECT_NE(t.find("\nneuron 4 user-SWIM-kanal 2 strom aktivieren ueber synapse ID=307\n"), std::string::npos);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 3 * 19);
    Kanaele gelesen;
    EXPECT_EQ(lesen(gelesen, 4, "neuron 4 physiologische Parameter\n" + t), 3);
    gleich(gelesen, l);
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(Benutzerkanaele, RandfaelleDesLesers)
{
    const std::string drei = zeilen(kanaele({0, 0, 0}), 4);
    // no channel of that number: nothing changes
    Kanaele alt = kanaele({0});
    EXPECT_EQ(lesen(alt, 5, drei), 0);
    EXPECT_EQ(namen(alt), std::vector<std::string>{"Kanal 100 \xE4"});
    EXPECT_EQ(lesen(alt, 4, ""), 0);

    // lines that may be missing without a question, and a decimal comma
    Kanaele l;
    l.push_back(kanal(9));
    const std::string t = ohne(ohne(drei, "kanal 2 bezeichnung="), "kanal 0 hilfsparameter alpha=");
    std::string komma = t;
    komma.replace(komma.find("kanal 1 leitfaehigkeit=") + 23, 6, "0,5");
    EXPECT_EQ(lesen(l, 4, komma), 3);
    EXPECT_EQ(namen(l), (std::vector<std::string>{"Kanal 100 \xE4", "Kanal 200 \xE4", "swim-kanal 2"}));
    EXPECT_EQ(l.front().hilfsparameterAlpha, 0.0);
    EXPECT_EQ(std::next(l.begin())->leitfaehigkeit, 0.5);
    EXPECT_TRUE(pt::boxLog().empty());

    // at most so many channels written
    const std::string einer = zeilen(kanaele({0, 0, 0}), 0, 1);
    EXPECT_EQ(std::count(einer.begin(), einer.end(), '\n'), 19);
    EXPECT_EQ(einer.find("user-SWIM-kanal 1"), std::string::npos);
    EXPECT_EQ(zeilen(kanaele({0, 0}), 0, 0), "");
}

TEST_F(Benutzerkanaele, AktivierungOhneDeaktivierungBekommtEinenLeerenKanal)
{
    const std::string leer = meldungsTexte[420];
    const std::string k1 = "Kanal 100 \xE4", k2 = "Kanal 200 \xE4", k3 = "Kanal 300 \xE4", k4 = "Kanal 400 \xE4";
    struct Fall {
        std::initializer_list<int> paare;
        std::vector<std::string> namen;
        BoxTexte boxen;
    };
    const std::string fehlt = "Hinweis: " + meldungFormatieren(418), letzter = "Hinweis: " + meldungFormatieren(421);
    const Fall faelle[] = {
        {{1, 1, 0}, {k1, leer, k2, k3}, {fehlt}},
        {{1}, {k1, leer}, {letzter}},
        {{1, 0, 1, 1}, {k1, k2, k3, leer, k4, leer}, {fehlt, letzter}},
        {{0, 1, 0}, {k1, k2, k3}, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(::testing::PrintToString(f.namen));
        pt::zuruecksetzen();
        for (size_t i = 0; i < f.boxen.size(); ++i)
            pt::boxAntworten({Ok});
        Kanaele quelle = kanaele(f.paare);
        Kanaele l;
        EXPECT_EQ(lesen(l, 2, zeilen(quelle, 2)), static_cast<int>(f.namen.size()));
        EXPECT_EQ(namen(l), f.namen);
        EXPECT_EQ(gezeigteBoxen(), f.boxen);
        // the channels of the text keep their values, the inserted ones are empty
        BenutzerKanal leerer;
        leerer.name = leer;
        auto q = quelle.begin();
        for (BenutzerKanal& k : l) {
            if (k.name == leer)
                EXPECT_EQ(felder(k), felder(leerer));
            else
                EXPECT_EQ(felder(k), felder(*q++));
        }
    }
}

TEST_F(Benutzerkanaele, FehlenderWertWirdErfragt)
{
    const std::string zwei = zeilen(kanaele({0, 0}), 3);
    struct Fall {
        std::string fehlt;
        int antwort;
        std::string frage;
        int ergebnis;
    };
    const Fall faelle[] = {
        {"kanal 0 power=", Ok, meldungFormatieren(950, "power"), 2},
        {"kanal 1 V0 beta=", Ok, meldungFormatieren(950, "V0 beta"), 2},
        {"kanal 1 berechnungsmodus fuer A und B=", Ok, meldungFormatieren(422), 2},
        {"kanal 1 power=", Abbrechen, meldungFormatieren(950, "power"), -1},
        {"kanal 0 berechnungsmodus fuer A und B=", Abbrechen, meldungFormatieren(422), -1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehlt);
        pt::zuruecksetzen();
        pt::boxAntworten({f.antwort});
        Kanaele l = kanaele({0, 0, 0});
        l.front().potenz = 77.0;
        l.front().berechnungsmodus = 2;
        EXPECT_EQ(lesen(l, 3, ohne(zwei, f.fehlt)), f.ergebnis);
        EXPECT_EQ(gezeigteBoxen(), BoxTexte{"SysInfo: " + f.frage});
        ASSERT_FALSE(pt::boxLog().empty());
        EXPECT_EQ(pt::boxLog()[0].art, plattform::knoepfe::OkAbbrechen | plattform::symbol::Frage);
        // the field keeps its value (a new record's is 0); what was read so far stays
        const bool erster = f.fehlt.starts_with("kanal 0");
        EXPECT_EQ(l.size(), erster && f.ergebnis < 0 ? 1u : 2u);
        if (f.fehlt == "kanal 0 power=") {
            EXPECT_EQ(l.front().potenz, 77.0);
        }
        if (f.fehlt == "kanal 1 berechnungsmodus fuer A und B=") {
            EXPECT_EQ(l.back().berechnungsmodus, 0);
        }
    }
}

TEST_F(Benutzerkanaele, ErneutGelesenBleibenDieKanaeleAnIhrerStelle)
{
    Kanaele l = kanaele({0, 0, 0});
    const BenutzerKanal* erster = &l.front();
    const BenutzerKanal* zweiter = &*std::next(l.begin());
    Kanaele zwei = kanaele({0, 0});
    zwei.back().name = "neu";
    EXPECT_EQ(lesen(l, 1, zeilen(zwei, 1)), 2);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(&l.front(), erster);
    EXPECT_EQ(&l.back(), zweiter);
    EXPECT_EQ(l.back().name, "neu");
}

TEST_F(Benutzerkanaele, KanaldateiMitNummerNullKommtZurueck)
{
    Kanaele l = kanaele({0, 1, 0, 0});
    ASSERT_TRUE(knlDateiSpeichern(pfad("k.knl"), std::next(l.begin()), l.end(), 2));
    const std::string datei = testhilfe::lesen(pfad("k.knl"));
    EXPECT_TRUE(datei.starts_with("neuron 0 user-SWIM-kanal 0 gleichgewichtspotential=12.5625\r\n")) << datei.substr(0, 70);
    EXPECT_EQ(std::count(datei.begin(), datei.end(), '\n'), 2 * 19);
    EXPECT_EQ(std::count(datei.begin(), datei.end(), '\r'), 2 * 19);
    Kanaele gelesen;
    EXPECT_EQ(knlDateiLaden(pfad("k.knl"), gelesen), 2);
    Kanaele erwartet(std::next(l.begin()), std::next(l.begin(), 3));
    gleich(gelesen, erwartet);

    // a file an editor saved in UTF-8
    testhilfe::schreiben(pfad("u.knl"), plattform::nachUtf8(zeilen(kanaele({0}), 0)));
    EXPECT_EQ(knlDateiLaden(pfad("u.knl"), gelesen), 1);
    EXPECT_EQ(namen(gelesen), std::vector<std::string>{"Kanal 100 \xE4"});
    EXPECT_TRUE(pt::boxLog().empty());

    // files that cannot be written or read: the notice, the old file stays
    pt::boxAntworten({Ok, Ok});
    EXPECT_FALSE(knlDateiSpeichern(pfad("fehlt/k.knl"), l.begin(), l.end(), -1));
    EXPECT_EQ(knlDateiLaden(pfad("fehlt.knl"), gelesen), 0);
    EXPECT_EQ(gezeigteBoxen(), (BoxTexte{"Velnor info: " + meldungFormatieren(74, pfad("fehlt/k.knl")),
                                         "Velnor info: " + meldungFormatieren(73, pfad("fehlt.knl"))}));
    EXPECT_FALSE(attrappe::dienste.endet);
    EXPECT_EQ(gelesen.size(), 1u);
}

TEST_F(Benutzerkanaele, BeschaedigteTexteLassenGepaarteKanaele)
{
    const std::string grund = "neuron 6 physiologische Parameter\n" + zeilen(kanaele({1, 0, 0, 1, 0}), 6);
    Verformer verformen{20241002};
    for (int runde = 0; runde < 400; ++runde) {
        SCOPED_TRACE(runde);
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});   // unanswered questions count as Cancel
        if (runde % 2)
            for (int i = 0; i < 30; ++i)
                pt::boxAntworten({Ok});
        Kanaele l = kanaele({0, 0});
        const int n = lesen(l, 6, verformen(grund));
        ASSERT_GE(n, -1);
        if (n == 0) {
            EXPECT_EQ(l.size(), 2u);
        }
        if (n > 0) {
            EXPECT_EQ(static_cast<int>(l.size()), n);
            for (auto k = l.begin(); k != l.end(); ++k)
                EXPECT_TRUE(k->aktivierungMitDeaktivierung != 1 || std::next(k) != l.end());
        }
        for (const BenutzerKanal& k : l)
            EXPECT_LE(k.name.size(), 259u);
    }
}
