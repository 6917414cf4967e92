// platform/test/box.cpp - message boxes answered from the scripted queue
#include "platform/box.h"
#include "platform/test/zustand.h"

namespace plattform {
using namespace test::intern;

namespace {

bool passt(uint32_t knoepfeArt, int a)
{
    switch (knoepfeArt) {
    case knoepfe::Ok: return a == antwort::Ok;
    case knoepfe::OkAbbrechen: return a == antwort::Ok || a == antwort::Abbrechen;
    case knoepfe::JaNeinAbbrechen: return a == antwort::Ja || a == antwort::Nein || a == antwort::Abbrechen;
    case knoepfe::JaNein: return a == antwort::Ja || a == antwort::Nein;
    }
    return true;
}

// the button a declining user takes: Cancel or No as the test chose, else the other, else OK
int abgelehnt(uint32_t knoepfeArt, test::Ablehnen wie)
{
    const bool nein = knoepfeArt == knoepfe::JaNein || knoepfeArt == knoepfe::JaNeinAbbrechen;
    const bool abbrechen = knoepfeArt == knoepfe::OkAbbrechen || knoepfeArt == knoepfe::JaNeinAbbrechen;
    if (nein && (wie == test::Ablehnen::Nein || !abbrechen))
        return antwort::Nein;
    return abbrechen ? antwort::Abbrechen : antwort::Ok;
}

} // namespace

// No answer scripted: the test fails and the box returns what closing it would, unless
// the test lets such boxes be declined.
int meldungsBox(Fenster, const std::string& text, const std::string& formTitel, uint32_t art)
{
    const std::string& titel = boxTitel(formTitel);   // logged as the user sees it
    Zustand& z = zustand();
    uint32_t k = art & 0xF;
    int schliessen = (k == knoepfe::OkAbbrechen || k == knoepfe::JaNeinAbbrechen) ? antwort::Abbrechen
                   : k == knoepfe::JaNein ? antwort::Nein : antwort::Ok;
    if (z.boxAntworten.empty() && z.ablehnen != test::Ablehnen::Aus) {
        const int a = abgelehnt(k, z.ablehnen);
        z.boxen.push_back({titel, text, art, a, true});
        z.ereignisse.push_back({test::Ereignis::Box, text, a, static_cast<int>(art)});
        return a;
    }
    if (z.boxAntworten.empty()) {
        z.boxen.push_back({titel, text, art, schliessen, false});
        z.ereignisse.push_back({test::Ereignis::Box, text, schliessen, static_cast<int>(art)});
        fehler("message box without a scripted answer: \"" + titel + "\": " + text);
        return schliessen;
    }
    int a = z.boxAntworten.front();
    z.boxAntworten.pop_front();
    bool gut = passt(k, a);
    z.boxen.push_back({titel, text, art, gut ? a : schliessen, true});
    z.ereignisse.push_back({test::Ereignis::Box, text, gut ? a : schliessen, static_cast<int>(art)});
    if (!gut) {
        fehler("scripted answer " + std::to_string(a) + " is not a button of the box \"" + titel +
               "\": " + text);
        return schliessen;
    }
    return a;
}

namespace test {

void boxAntworten(std::initializer_list<int> antworten)
{
    auto& a = zustand().boxAntworten;
    a.insert(a.end(), antworten.begin(), antworten.end());
}

const std::vector<BoxEintrag>& boxLog() { return zustand().boxen; }

size_t offeneBoxAntworten() { return zustand().boxAntworten.size(); }

} // namespace test
} // namespace plattform
