// tests/core/test_token_mutation.cpp - malformed token files never make the reader
// read or write outside its bytes (run under the sanitizers)
#include "core/token.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace pt = plattform::test;

namespace {
uint32_t zufall(uint32_t& z)
{
    z = z * 1103515245u + 12345u;
    return z >> 8;
}
} // namespace

TEST(TokenMutation, VeraenderteDateienBleibenInIhrenGrenzen)
{
    pt::zuruecksetzen();
    pt::fehlerBehandlungSetzen([](const std::string&) {});   // the reader's boxes go unanswered
    std::string vorlage;
    for (int i = 0; i < 40; ++i)
        vorlage += std::to_string(i * 0.37 - 3.0) + (i % 3 ? "\r\n" : "\n");
    const char stoerer[] = {'\0', '\r', '\n', ' ', ',', 'e', '-', '.', '\x7F', '\xFF', '9'};

    uint32_t z = 7;
    for (int runde = 0; runde < 400; ++runde) {
        std::string d = vorlage;
        switch (runde % 5) {
        case 0: d.resize(zufall(z) % (d.size() + 1)); break;
        case 1:
            for (int k = 0; k < 4; ++k)
                d[zufall(z) % d.size()] = stoerer[zufall(z) % sizeof stoerer];
            break;
        case 2: d.insert(zufall(z) % d.size(), std::string(1 + zufall(z) % 200, '7')); break;
        case 3: d.erase(std::remove_if(d.begin(), d.end(), [](char c) { return c == '\n'; }), d.end()); break;
        case 4: d = std::string(zufall(z) % 50, '\n'); break;
        }
        std::FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        std::fwrite(d.data(), 1, d.size(), f);
        std::rewind(f);
        // a heap buffer of exactly the size passed: ASan reports every byte beyond it
        const size_t groesse = 1 + zufall(z) % 24;
        std::vector<char> aus(groesse);
        tokenNeueDatei();
        int gelesen = 0;
        while (dateiTokenLesen(f, aus.data(), aus.size()) == 1) {
            ASSERT_LT(std::strlen(aus.data()), groesse);
            ASSERT_LE(++gelesen, static_cast<int>(d.size()));
        }
        std::fclose(f);
    }
    pt::fehlerBehandlungSetzen({});
}
