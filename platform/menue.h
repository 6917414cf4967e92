// platform/menue.h - menus from the program's menu tables, popup menus
#pragma once
#include "platform/fenster.h"
#include <span>
#include <string>

namespace plattform {

namespace menueArt {
constexpr uint32_t Posten      = 0x0;
constexpr uint32_t Untermenue  = 0x1;   // the following rows with ebene + 1 are its items
constexpr uint32_t Trenner     = 0x2;
constexpr uint32_t Abgehakt    = 0x4;
constexpr uint32_t Grau        = 0x8;
}
// the row kinds in one letter each, for the columns of long menu tables
namespace menueZeilenArt {
constexpr uint32_t P = menueArt::Posten;
constexpr uint32_t U = menueArt::Untermenue;
constexpr uint32_t T = menueArt::Trenner;
constexpr uint32_t G = menueArt::Grau;
}

// One row of a menu table. A submenu row is followed by its items one level deeper;
// texts are Windows-1252 with '&' before the mnemonic and "\t" before a key hint.
struct MenueZeile {
    int ebene;              // 0 = menu bar (or the popup's top level)
    uint32_t art;
    int befehl;             // command id; 0 for submenus and separators
    const char* text;
};

Menue menueLaden(std::span<const MenueZeile> tabelle);   // null for an empty or malformed table
Menue menueErzeugen();                                   // an empty menu
// with its submenus; a submenu is taken out of its owner first. A menu set on a window
// dies with the window.
void menueZerstoeren(Menue m);
void menueSetzen(Fenster f, Menue m); // the window's menu bar; the old one is not destroyed
Menue fensterMenue(Fenster f);
void menueLeisteZeichnen(Fenster f);  // shows changes of the bar's own items

// Items are found by command id (also inside submenus, at any depth) or by position
// (0-based, in the menu given).
enum class Nach { Befehl, Position };

int postenAnzahl(Menue m);
// 0 for submenus and separators, -1 outside (an item may carry -1 too: check postenAnzahl)
int postenBefehl(Menue m, int position);
Menue untermenue(Menue m, int position);          // null when that item has none
// the menu (m itself or a submenu at any depth) that holds the item with this command
Menue menueMitBefehl(Menue m, int befehl);
// the position of a submenu inside m, or -1
int untermenuePosition(Menue m, Menue unter);

// These return false when the item does not exist.
bool abhaken(Menue m, int wo, Nach nach, bool an);
bool istAbgehakt(Menue m, int wo, Nach nach);
bool grauSetzen(Menue m, int wo, Nach nach, bool grau);
bool istGrau(Menue m, int wo, Nach nach);
bool postenUmbenennen(Menue m, int wo, Nach nach, const std::string& text);
std::string postenText(Menue m, int wo, Nach nach);
bool postenLoeschen(Menue m, int wo, Nach nach);  // a submenu item takes its submenu with it
bool postenAnhaengen(Menue m, uint32_t art, int befehl, const std::string& text);
// m owns unter then; false when unter has an owner already, is a menu bar or holds m
bool untermenueAnhaengen(Menue m, Menue unter, const std::string& text);
bool postenEinfuegen(Menue m, int position, uint32_t art, int befehl, const std::string& text);

// Shows m as a popup at the screen point and returns the chosen command, 0 when the user
// chose nothing. No Befehl message is sent.
int popupMenue(Menue m, Fenster eigner, Punkt bildschirm);

} // namespace plattform
