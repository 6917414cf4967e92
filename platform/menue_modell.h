// platform/menue_modell.h - the menu tree both implementations share
//
// A menu is our own record; the GUI side builds its widgets from it when a menu bar is
// set or redrawn and each time a menu opens, so every change made here shows the next
// time the user looks, as with the native menus the program was written for.
#pragma once
#include "platform/menue.h"
#include <memory>
#include <string>
#include <vector>

namespace plattform {

struct MenuePostenDaten {
    uint32_t art = menueArt::Posten;     // menueArt bits
    int befehl = 0;
    std::string text;                    // Windows-1252
    std::unique_ptr<MenueObjekt> unter;  // set for submenus
};

struct MenueObjekt {
    std::vector<MenuePostenDaten> posten;
    MenueObjekt* besitzer = nullptr;     // the menu holding this one as a submenu
    Fenster fenster = nullptr;           // the window whose menu bar this is
    intptr_t gui = 0;                    // the implementation's own widget data
};

// the item with this command (searched depth first) or at this position of m, with the
// menu that holds it; null when there is none
MenuePostenDaten* postenSuchen(Menue m, int wo, Nach nach, Menue* halter = nullptr);

// set by the implementation: called for each menu record about to die (to drop its widgets)
extern void (*menueGuiFreigabe)(Menue m);

} // namespace plattform
