// tests/platform/skript.h - the contract's fixture for the scripted platform's own tests,
// which also collect the failures it reports for what a user could not do
#pragma once
#include "vertrag.h"

namespace skript {

using namespace vertrag;

struct Fall : Vertrag {
    std::vector<std::string> fehler;

    void TearDown() override
    {
        test::fehlerBehandlungSetzen(nullptr);   // it points into this fixture
        Vertrag::TearDown();
    }
    void fehlerSammeln()
    {
        test::fehlerBehandlungSetzen([this](const std::string& t) { fehler.push_back(t); });
    }
};

} // namespace skript
