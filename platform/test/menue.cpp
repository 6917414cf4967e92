// platform/test/menue.cpp - menu bars of window records, popup menus with scripted answers
#include "platform/menue_modell.h"
#include "platform/test/zustand.h"
#include <utility>

namespace plattform {
using namespace test::intern;

namespace {

using Weg = std::vector<std::pair<Menue, int>>;   // submenus and their positions

// the submenus from m down to the item with this command, depth first as postenSuchen looks
bool wegSuchen(Menue m, int befehl, Weg& weg)
{
    for (size_t i = 0; i < m->posten.size(); ++i) {
        const MenuePostenDaten& p = m->posten[i];
        if (p.unter) {
            weg.push_back({p.unter.get(), static_cast<int>(i)});
            if (wegSuchen(p.unter.get(), befehl, weg))
                return true;
            weg.pop_back();
        } else if (!(p.art & menueArt::Trenner) && p.befehl == befehl) {
            return true;
        }
    }
    return false;
}

// What a user goes through to reach the item: each submenu opens (and is announced to
// the owner, who may grey items then), and only an enabled item can be chosen.
bool waehlbar(Menue m, Fenster eigner, int befehl, const std::string& wo)
{
    Weg weg;
    if (!wegSuchen(m, befehl, weg)) {
        fehler(wo + ": no item with command " + std::to_string(befehl));
        return false;
    }
    for (auto [unter, position] : weg)
        if (lebend(eigner))
            senden(eigner, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(unter), position);
    MenuePostenDaten* p = postenSuchen(m, befehl, Nach::Befehl);
    if (!p) {
        fehler(wo + ": the item with command " + std::to_string(befehl) + " vanished while opening");
        return false;
    }
    if (p->art & menueArt::Grau) {
        fehler(wo + ": the item with command " + std::to_string(befehl) + " (\"" + p->text + "\") is grey");
        return false;
    }
    return true;
}

} // namespace

namespace test::intern {

// a destroyed menu must not stay the bar of its window
void menueHakenSetzen()
{
    menueGuiFreigabe = [](Menue m) {
        if (FensterObjekt* f = lesbar(m->fenster); f && f->menue == m)
            f->menue = nullptr;
    };
}

} // namespace test::intern

void menueLeisteZeichnen(Fenster f)
{
    if (FensterObjekt* o = lebend(f))
        ++o->leisteGezeichnet;
}

int popupMenue(Menue m, Fenster eigner, Punkt)
{
    if (!m || !aufGui("popupMenue"))
        return 0;
    Zustand& z = zustand();
    if (lebend(eigner))
        senden(eigner, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(m), 0);
    std::vector<int> befehle;
    for (const MenuePostenDaten& p : m->posten)
        befehle.push_back(p.befehl);
    z.popups.push_back(befehle);
    if (z.popupAntworten.empty() && z.ablehnen != test::Ablehnen::Aus)
        return 0;
    if (z.popupAntworten.empty()) {
        std::string liste;
        for (int b : befehle)
            liste += (liste.empty() ? "" : ", ") + std::to_string(b);
        fehler("popup menu without a scripted answer (items " + liste + ")");
        return 0;
    }
    int antwort = z.popupAntworten.front();
    z.popupAntworten.pop_front();
    if (antwort == 0)
        return 0;
    return waehlbar(m, eigner, antwort, "popup answer") ? antwort : 0;
}

namespace test {

bool menueBefehlWaehlen(Fenster f, int befehl)
{
    FensterObjekt* o = lebend(f);
    if (!o || !o->menue) {
        fehler("menueBefehlWaehlen: the window has no menu bar");
        return false;
    }
    if (!waehlbar(o->menue, f, befehl, "menu bar"))
        return false;
    return posten(f, nachricht::Befehl, machWParam(befehl, 0), 0);
}

int menueLeisteZeichnungen(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->leisteGezeichnet : 0;
}

void popupAntworten(std::initializer_list<int> befehle)
{
    auto& a = zustand().popupAntworten;
    a.insert(a.end(), befehle.begin(), befehle.end());
}

const std::vector<std::vector<int>>& popupLog() { return zustand().popups; }

} // namespace test
} // namespace plattform
