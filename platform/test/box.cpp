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

// No answer scripted and none by the rule: the box is declined where the test lets such
// boxes be declined, else the test fails and the box returns what closing it would.
int meldungsBox(Fenster, const std::string& text, const std::string& formTitel, uint32_t art)
{
    const std::string& titel = boxTitel(formTitel);   // logged as the user sees it
    Zustand& z = zustand();
    uint32_t k = art & 0xF;
    int schliessen = (k == knoepfe::OkAbbrechen || k == knoepfe::JaNeinAbbrechen) ? antwort::Abbrechen
                   : k == knoepfe::JaNein ? antwort::Nein : antwort::Ok;
    int a = 0;
    if (!z.boxAntworten.empty()) {
        a = z.boxAntworten.front();
        z.boxAntworten.pop_front();
    } else if (z.boxRegel && (a = z.boxRegel(titel, text, art)) != 0) {
        // the rule's answer, checked below as a scripted one
    } else if (z.ablehnen != test::Ablehnen::Aus) {
        a = abgelehnt(k, z.ablehnen);
    } else {
        z.boxen.push_back({titel, text, art, schliessen, false});
        z.ereignisse.push_back({test::Ereignis::Box, text, schliessen, static_cast<int>(art)});
        fehler("message box without a scripted answer: \"" + titel + "\": " + text);
        return schliessen;
    }
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

void boxRegelSetzen(std::function<int(const std::string&, const std::string&, uint32_t)> regel)
{
    zustand().boxRegel = std::move(regel);
}

const std::vector<BoxEintrag>& boxLog() { return zustand().boxen; }

size_t offeneBoxAntworten() { return zustand().boxAntworten.size(); }

} // namespace test
} // namespace plattform
