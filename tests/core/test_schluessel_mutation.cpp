// tests/core/test_schluessel_mutation.cpp - the key readers on damaged texts
//
// Seeded truncations, byte flips and huge numbers; the sanitizers watch every read.
#include "core/schluessel.h"
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <vector>

using namespace plattform;

TEST(SchluesselMutation, BeschaedigteTexteLesenNieUeberDasEnde)
{
    const std::string original =
        "[programmdefinitionen]\r\n"
        "simulationsdauer=1,5\r\n"
        "schrittweite=0.0001 // in s\r\n"
        "name=Neuron \xE4\xF6\xFC 1\r\n"
        "\r\n"
        "liste=1,2,3,4\n"
        "grosse zahl=1e400\n"
        "ganz=123456789012345\n"
        "\tzeile mit tab\x0B und steuerzeichen\n"
        "ende=ja";
    const char* const schluessel[] = {"simulationsdauer=", "schrittweite=", "name=", "liste=",
                                      "grosse zahl=", "ganz=", "ende=", "fehlt="};
    uint32_t s = 12345;
    auto zufall = [&s] {
        s = s * 214013u + 2531011u;
        return (s >> 16) & 0x7FFF;
    };
    test::zuruecksetzen();
    test::fehlerBehandlungSetzen([](const std::string&) {});   // long lines may raise boxes
    for (int runde = 0; runde < 400; ++runde) {
        std::string t = original;
        switch (zufall() % 3) {
        case 0: t.resize(zufall() % (t.size() + 1)); break;
        case 1:
            for (int k = 0; k < 8 && !t.empty(); ++k)
                t[zufall() % t.size()] = static_cast<char>(zufall() & 0xFF);
            break;
        default: t.insert(zufall() % (t.size() + 1), std::string(zufall() % 300, '9')); break;
        }
        std::vector<char> text(t.begin(), t.end());
        text.push_back('\0');
        for (const char* k : schluessel) {
            double d = 0.0;
            schluesselZahlLesen(&d, text.data(), k);
            char aus[16];
            schluesselTextLesen(aus, sizeof aus, text.data(), k);
            std::string lang;
            schluesselTextLesen(lang, -1, text.data(), k);
        }
        kommaGanzzahlLesen(text.data());
        char zeile[12];
        for (int n = 0; n < 100 && zeileLesen(text.data(), zeile, sizeof zeile) != nullptr; ++n) {
            kommaZahlLesen(zeile);
            kommaGanzzahlLesen(zeile);
        }
        zeileLesen(nullptr, nullptr, 0);
    }
    test::fehlerBehandlungSetzen({});
}
