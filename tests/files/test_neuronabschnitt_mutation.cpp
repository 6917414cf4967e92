// tests/files/test_neuronabschnitt_mutation.cpp - damaged neuron blocks: the readers keep
// every record sound and the text as it was
#include "test_neuronabschnitt_hilfe.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include <cstring>
#include <random>

namespace pt = plattform::test;

namespace {

using NeuronabschnittMutation = NeuronabschnittFall;

// a neuron with every part the block has: stimuli on all compartments, K(Ca), all ranges
std::string grundtext()
{
    NeuronDaten* n = NeuronFall::neu(1);
    n->name = "Grund";
    n->modellTyp = modell::Swim;
    for (int i = 0; i < anzahlParameter; ++i)
        n->parameter[i] = 0.001 * (i % 17 + 1);
    for (int s = 0; s < reizDefinitionen; ++s) {
        StromreizDefinition& d = n->stromreize[s];
        d.an = 1;
        d.anzahl = 3;
        d.beginn = 0.1;
        d.anstieg = 0.02;
        d.dach = 0.05;
        d.abfall = 0.02;
        d.pause = 0.2;
        d.amplitude = 1e-9;
        d.anzahlBursts = s == 0 ? 2 : 0;
        d.burstabstand = 0.5;
        d.reizName = "r";
        d.reizDatei = "r.str";
    }
    n->kcaModus = kcaModus::An;
    n->kca = std::make_unique<KCaKanal>();
    n->kca->caStart = 5e-8;
    n->kca->tore[3].potenz = 2.0;
    std::string text = "[NEURON 1]\n" + NeuronabschnittFall::block(n) + "[ende NEURON 1]\n";
    NeuronFall::weg(n);
    return text + "[NEURON 2]\nneuron 2 name=zwei\nneuron 2 P 3=1\n[ende NEURON 2]\n";
}

const char* const ersatz[] = {"nan", "-nan", "inf", "-inf", "1e999", "-1e999", "1e308", "-1e308", "2147483648",
                              "-2147483649", "9e18", "1e-320", "", "ja", "1,5,5", "--1", "0x7fffffff", "4294967296"};

std::string verformen(const std::string& grund, int runde, std::mt19937& zufall)
{
    std::string t = grund;
    auto stelle = [&](size_t n) { return n ? static_cast<size_t>(zufall() % n) : 0; };
    switch (runde % 4) {
    case 0:   // cut anywhere
        t.resize(stelle(t.size()));
        break;
    case 1:   // a few bytes anything, a zero byte included
        for (int k = 0, n = 1 + static_cast<int>(zufall() % 3); k < n; ++k)
            t[stelle(t.size())] = static_cast<char>(zufall() % 256);
        break;
    case 2: { // a value replaced by a huge, endless or broken number
        const size_t gleich = t.find('=', stelle(t.size()));
        if (gleich == std::string::npos)
            break;
        const size_t ende = t.find('\n', gleich);
        t.replace(gleich + 1, ende - gleich - 1, ersatz[zufall() % std::size(ersatz)]);
        break;
    }
    default: { // a line gone (an end line, the first K(Ca) key, ...) and another twice
        size_t a = t.rfind('\n', stelle(t.size()));
        a = a == std::string::npos ? 0 : a + 1;
        t.erase(a, t.find('\n', a) == std::string::npos ? std::string::npos : t.find('\n', a) + 1 - a);
        size_t b = t.rfind('\n', stelle(t.size()));
        b = b == std::string::npos ? 0 : b + 1;
        const size_t e = t.find('\n', b);
        if (e != std::string::npos)
            t.insert(e + 1, t.substr(b, e + 1 - b));
        break;
    }
    }
    return t;
}

} // namespace

TEST_F(NeuronabschnittMutation, BeschaedigteBloeckeLassenDenDatensatzHeil)
{
    reizSchrittweite = 0.01;   // tables of a few hundred points, however the times are damaged
    const std::string grund = grundtext();
    std::mt19937 zufall(20240305);
    for (int runde = 0; runde < 600; ++runde) {
        const std::string text = verformen(grund, runde, zufall);
        SCOPED_TRACE(testing::Message() << "round " << runde);
        pt::zuruecksetzen();
        for (int i = 0; i < 16; ++i)
            pt::boxAntworten({plattform::antwort::Ok});
        if (NeuronDaten* alt = neuronNachNummer(1))
            weg(alt);
        NeuronDaten* n = neu(1);
        ASSERT_TRUE(n);
        altePausenUmrechnen = runde % 2 == 1;

        std::vector<char> t = lesbar(text);
        const size_t laenge = std::strlen(t.data());
        guiNeuronLaden(n, t.data());
        ASSERT_EQ(std::strlen(t.data()), laenge);   // every cut was put back
        physParameterLaden(n, t.data());
        ASSERT_EQ(std::strlen(t.data()), laenge);
        KCaKanal kanal;
        kCaKanalLaden(n, kanal, t.data());

        EXPECT_TRUE(n->kcaModus >= kcaModus::Aus && n->kcaModus <= kcaModus::Ausgeschaltet);
        EXPECT_TRUE(n->kcaModus == kcaModus::Aus || n->kca);
        EXPECT_TRUE(n->modellTyp >= 0 && n->modellTyp <= modell::GolowaschBuchholz);
        ASSERT_EQ(kompartimentAnzahl(*n), 4);
        for (const StromTabelle& s : n->stromTabellen) {
            EXPECT_LE(s.anzahlPunkte, static_cast<int>(s.startzeiten.size()));
            EXPECT_LE(s.anzahlPunkte, static_cast<int>(s.stromwerte.size()));
        }
        EXPECT_LE(n->name.size(), 259u);
    }
    altePausenUmrechnen = false;
}
