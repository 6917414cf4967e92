// tests/files/test_neuronabschnitt_physiologie.cpp - the physiology lines, the K(Ca) lines and
// the model range a new neuron takes after a load
#include "test_neuronabschnitt_hilfe.h"
#include "model/standarddateien.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include "testhilfe.h"
#include <cmath>
#include <filesystem>
#include <functional>

namespace pt = plattform::test;

namespace {

using Physiologie = NeuronabschnittFall;

std::vector<std::pair<int, double>> zeilen(int von, int bis, double wert)
{
    std::vector<std::pair<int, double>> v;
    for (int i = von; i <= bis; ++i)
        v.push_back({i, wert});
    return v;
}

// "neuron 1 P i=v" for each pair, behind the heading, ended by the noise key
std::string physiologie(const std::vector<std::pair<int, double>>& werte)
{
    std::string t = "[NEURON 1]\nneuron 1 physiologische Parameter\n";
    for (auto [i, v] : werte) {
        char z[64];
        std::snprintf(z, sizeof z, "neuron 1 P %d=%.15g\n", i, v);
        t += z;
    }
    return t + "neuron 1 rauschen abklingzeit=0\nneuron 1 P 200=5\n";
}

int physiologieLaden(NeuronDaten* n, const std::string& text)
{
    std::vector<char> t = NeuronabschnittFall::lesbar(text);
    const int ergebnis = physParameterLaden(n, t.data());
    EXPECT_EQ(std::string(t.data()), text);   // the cut is put back
    return ergebnis;
}

std::string physiologieText(NeuronDaten* n)
{
    XBuffer puffer;
    physParameterSpeichern(n, nullptr, puffer);
    return puffer.text();
}

} // namespace

TEST_F(Physiologie, EinModellbereichMitWertenWirdGeschriebenAuchWennErSichZuNullSummiert)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    a->parameter = {};
    a->parameter[par::Phase1E] = 1.5;          // on/off: 1.5 - 1.5 + 0 ... = 0
    a->parameter[par::Phase1G] = -1.5;
    a->parameter[par::SwimNaG] = std::nan(""); // not a number: a value, written as "nan"
    const std::string text = physiologieText(a);
    EXPECT_NE(text.find("neuron 1 P 12=1.5\n"), std::string::npos);
    EXPECT_NE(text.find("neuron 1 P 23=0\n"), std::string::npos);
    EXPECT_EQ(text.find("neuron 1 P 24="), std::string::npos);      // Hodgkin-Huxley all 0
    EXPECT_NE(text.find("neuron 1 P 60=nan\n"), std::string::npos);
    EXPECT_EQ(text.find("neuron 1 P 106="), std::string::npos);
    b->parameter.fill(7.0);
    std::string zweiter = text;
    for (size_t p; (p = zweiter.find("neuron 1 ")) != std::string::npos;)
        zweiter.replace(p, 9, "neuron 2 ");
    std::vector<char> t = lesbar(zweiter);
    EXPECT_EQ(physParameterLaden(b, t.data()), 1);
    EXPECT_EQ(b->parameter[par::Phase1E], 1.5);
    EXPECT_EQ(b->parameter[par::Phase1G], -1.5);
    EXPECT_EQ(b->parameter[par::OnOffSchwelle], 0.0);
    EXPECT_EQ(b->parameter[par::HhNaG], 7.0);                      // ranges not written keep theirs
    EXPECT_EQ(b->parameter[par::SwimNaG], 7.0);                    // "nan" is no value
    EXPECT_EQ(b->parameter[par::SwimNaE], 0.0);
    EXPECT_EQ(b->parameter[par::GbSchwelle], 7.0);
    EXPECT_EQ(b->parameter[par::SomaLeitwert], 0.0);
    // the ranges the text lacked are noted
    EXPECT_EQ(b->fehlendeModellbereiche, (1 << modell::HodgkinHuxley) | (1 << modell::GolowaschBuchholz));
}

TEST_F(Physiologie, GruppenWerdenAnIhrerErstenZeileErkannt)
{
    struct Fall {
        const char* was;
        std::vector<std::pair<int, double>> werte;
        std::function<void(const ParameterVektor&)> pruefen;
    };
    auto mit = [](std::vector<std::pair<int, double>> a, const std::vector<std::pair<int, double>>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Fall faelle[] = {
        {"only the heading", {}, [](const ParameterVektor& p) {
             for (double x : p) EXPECT_EQ(x, 9.0);
         }},
        {"on/off without its first line", zeilen(13, 23, 1.0), [](const ParameterVektor& p) {
             for (int i = 12; i <= 23; ++i) EXPECT_EQ(p[i], 9.0) << i;
         }},
        {"Golowasch-Buchholz known by entry 117, not 106", mit(zeilen(106, 116, 1.0), zeilen(118, 238, 1.0)),
         [](const ParameterVektor& p) {
             for (int i = 106; i <= 238; ++i) EXPECT_EQ(p[i], 9.0) << i;
         }},
        {"Golowasch-Buchholz from 117 back to 106", zeilen(106, 238, 1.0), [](const ParameterVektor& p) {
             for (int i = 106; i <= 238; ++i) EXPECT_EQ(p[i], 1.0) << i;
             EXPECT_EQ(p[105], 9.0);
         }},
        {"a missing line in a range keeps its entry", mit(zeilen(0, 11, 2.0), mit(zeilen(59, 70, 3.0), zeilen(72, 105, 3.0))),
         [](const ParameterVektor& p) {
             EXPECT_EQ(p[0], 2.0); EXPECT_EQ(p[70], 3.0); EXPECT_EQ(p[71], 9.0); EXPECT_EQ(p[105], 3.0);
         }},
        {"nothing behind the noise key", {{5, 1.0}}, [](const ParameterVektor& p) {
             EXPECT_EQ(p[5], 1.0); EXPECT_EQ(p[200], 9.0);
         }},
        {"not finite keeps the entry", {{3, HUGE_VAL}, {4, std::nan("")}}, [](const ParameterVektor& p) {
             EXPECT_EQ(p[3], 9.0); EXPECT_EQ(p[4], 9.0);
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        NeuronFall::leeren();
        NeuronDaten* n = neu(1);
        n->parameter.fill(9.0);
        EXPECT_EQ(physiologieLaden(n, physiologie(f.werte)), 1);
        f.pruefen(n->parameter);
    }
}

TEST_F(Physiologie, KCaKanalNurVollstaendig)
{
    NeuronDaten* n = neu(4);
    KCaKanal voll;
    voll.caStart = 1e-7;
    voll.gKCa = 2e-8;
    voll.tore[4].hilfsParamBeta = 0.5;
    voll.oeffnungAnzeigen = 1;
    XBuffer puffer;
    kCaKanalSpeichern(voll, 4, nullptr, puffer, 0);
    const std::string text = puffer.text();
    EXPECT_EQ(text.rfind("neuron 4 K(Ca)-kanal initiale [Ca]=1e-07\n", 0), 0u);   // the first line

    struct Fall {
        const char* was;
        std::vector<std::string> weg;       // lines taken out
        int ergebnis;
        std::string box;                    // "" none
    };
    const std::string liste2 = "neuron 4 K(Ca)-kanal leitfaehigkeit K(Ca)-kanal\nneuron 4 K(Ca)-kanal gate 5 hilfsParamBeta\n";
    std::vector<std::string> neun;
    std::string liste7;
    for (int t = 1; t <= 5; ++t)
        for (const char* s : {"power", "formBeta"}) {
            const std::string k = "neuron 4 K(Ca)-kanal gate " + std::to_string(t) + " " + s;
            if (neun.size() < 9)
                neun.push_back(k + "=");
            if (neun.size() <= 7)
                liste7 += k + "\n";
        }
    const Fall faelle[] = {
        {"complete", {}, 1, ""},
        {"without the initial [Ca] no channel", {"neuron 4 K(Ca)-kanal initiale [Ca]="}, 0, ""},
        {"two keys missing", {"neuron 4 K(Ca)-kanal leitfaehigkeit K(Ca)-kanal=", "neuron 4 K(Ca)-kanal gate 5 hilfsParamBeta="}, 0,
         meldungFormatieren(960, 2, liste2)},
        {"nine keys missing: the first seven named", neun, 0, meldungFormatieren(961, 9, liste7)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        pt::zuruecksetzen();
        std::string t = text;
        for (const std::string& s : f.weg) {
            const size_t a = t.find(s);
            ASSERT_NE(a, std::string::npos) << s;
            t.erase(a, t.find('\n', a) + 1 - a);
        }
        if (!f.box.empty())
            pt::boxAntworten({plattform::antwort::Ok});
        KCaKanal gelesen;
        gelesen.gCa1 = 3.0;
        std::vector<char> v = lesbar(t);
        EXPECT_EQ(kCaKanalLaden(n, gelesen, v.data()), f.ergebnis);
        if (f.ergebnis) {
            EXPECT_EQ(gelesen.caStart, voll.caStart);
            EXPECT_EQ(gelesen.gKCa, voll.gKCa);
            EXPECT_EQ(gelesen.gCa1, 0.0);
            EXPECT_EQ(gelesen.tore[4].hilfsParamBeta, 0.5);
            EXPECT_EQ(gelesen.oeffnungAnzeigen, 1);
        } else {
            EXPECT_EQ(gelesen.gCa1, 3.0);   // a channel not loaded leaves the record
            EXPECT_EQ(gelesen.caStart, 0.0);
        }
        if (f.box.empty()) {
            EXPECT_TRUE(pt::boxLog().empty());
        } else {
            ASSERT_EQ(pt::boxLog().size(), 1u);
            EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
            EXPECT_EQ(pt::boxLog()[0].text, f.box);
        }
    }
}

TEST_F(Physiologie, UnlesbarerKCaKanalSchaltetDasNeuronAb)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    a->kcaModus = kcaModus::Ausgeschaltet;
    a->kca = std::make_unique<KCaKanal>();
    a->kca->gKCa = 1e-8;
    std::string text = block(a, 2);
    laden(b, text);
    EXPECT_EQ(b->kcaModus, kcaModus::Ausgeschaltet);   // switched off, its settings kept
    ASSERT_TRUE(b->kca);
    EXPECT_EQ(b->kca->gKCa, 1e-8);

    NeuronDaten* c = neu(3);
    for (size_t p; (p = text.find("neuron 2 ")) != std::string::npos;)
        text.replace(p, 9, "neuron 3 ");
    text.erase(text.find("neuron 3 K(Ca)-kanal [Ca]-abbau="), 1);   // the key is gone
    pt::boxAntworten({plattform::antwort::Ok});
    laden(c, text);
    EXPECT_EQ(c->kcaModus, kcaModus::Aus);
    EXPECT_FALSE(c->kca);
    EXPECT_EQ(pt::boxLog().size(), 1u);
}

TEST_F(Physiologie, NeuesNeuronNachDemLadenLiestDenModellbereichDesKopfesAusDerDateiWennDerKopfIhnNichtHatte)
{
    // the SWIM default file with values of its own
    const std::string ordner = testhilfe::tempOrdner("velnor-swim");
    std::string zahlen;
    for (int i = 0; i < bereich::Swim.anzahl; ++i)
        zahlen += std::to_string(i + 1) + ".5\n";
    testhilfe::schreiben(ordner + "swim.channel", zahlen);
    standardDateienVorgeben();
    standardDateien.swim = ordner + "swim.channel";
    simulationsParameter.netzwerkmodell = modell::Swim;

    struct Fall {
        const char* was;
        std::vector<std::pair<int, double>> kopfText;
        double erwartet;                // entry 59 of the neuron made after the load
    };
    const Fall faelle[] = {
        // a Hodgkin-Huxley head: its text has no SWIM range
        {"head without the range", zeilen(24, 58, 1.0), 1.5},
        // a SWIM head passes its own values on, as always
        {"head with the range", zeilen(59, 105, 4.0), 4.0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        NeuronFall::leeren();
        simulationsParameter.netzwerkmodell = modell::Swim;
        // as the network reader makes and reads the head
        NeuronDaten* kopf = neu(1, 0);
        ASSERT_TRUE(kopf);
        kopf->modellTyp = modell::HodgkinHuxley;
        EXPECT_EQ(physiologieLaden(kopf, physiologie(f.kopfText)), 1);
        // the user adds a neuron
        NeuronDaten* neues = neu(2, 1);
        ASSERT_TRUE(neues);
        EXPECT_EQ(neues->parameter[par::SwimNaE], f.erwartet);
        EXPECT_EQ(neues->parameter[par::SwimSchwelle], f.erwartet == 1.5 ? 47.5 : f.erwartet);
        EXPECT_TRUE(pt::boxLog().empty());
    }
    standardDateienVorgeben();
    std::filesystem::remove_all(ordner);
}
