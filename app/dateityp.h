// app/dateityp.h - network files open with this program: the per-user file-type entry
//
// A shared-mime-info package (velnor-netz.xml: *.gui and files beginning with the network
// file's first line) under <data>/mime/packages and a desktop entry (velnor.desktop) under
// <data>/applications, <data> being $XDG_DATA_HOME or ~/.local/share. The desktop caches
// are brought up to date with update-mime-database and update-desktop-database where they
// are installed. Nothing reads the entry back at start-up.
#pragma once
#include <string>

constexpr const char* netzMimeTyp = "application/x-velnor-netz";

// the folder the entries go to, with a trailing '/'; "" when neither variable is set
std::string benutzerDatenOrdner();
// the two file contents for an executable at programm
std::string mimePaket();
std::string desktopEintrag(const std::string& programm);
// Writes both (each through a temporary file) and updates the caches. "" on success,
// else what failed.
std::string dateitypRegistrieren(const std::string& programm);
// the menu command: registers the running executable and says how it went
void dateitypRegistrierenBefehl();
