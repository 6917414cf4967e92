// platform/test/hilfe.cpp - help pages are noted, and open or fail as the test says
#include "platform/hilfe.h"
#include "platform/test/testplattform.h"

namespace {
std::vector<std::string> seiten;
bool gelingt = true;
} // namespace

namespace plattform {

bool hilfeSeiteZeigen(const std::string& pfad)
{
    seiten.push_back(pfad);
    return gelingt;
}

namespace test {

const std::vector<std::string>& hilfeSeitenLog() { return seiten; }
void hilfeSeitenGelingen(bool ja) { gelingt = ja; }
void hilfeZuruecksetzen()
{
    seiten.clear();
    gelingt = true;
}

} // namespace test
} // namespace plattform
