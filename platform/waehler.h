// platform/waehler.h - the file, colour and font choosers
#pragma once
#include "platform/zeichnen.h"
#include <string>
#include <vector>

namespace plattform {

struct DateiFilter {
    std::string text;             // "Kanal-Definitionsdateien, (*.knl)"
    std::string muster;           // "*.KNL", several separated by ';'; matched ignoring case
};

struct DateiWahl {
    std::string ordner;           // in: the folder to start in; out: the chosen one, no trailing '/'
    std::string name;             // in: the proposed name; out: the chosen name without extension
    std::string endung;           // in: the default extension; out: the chosen one (may be "")
    std::vector<DateiFilter> filter;
    std::string titel;
    bool speichern = false;       // a save dialog (asks before overwriting) instead of an open one
};

// false when the user cancelled. A path that Windows-1252 cannot hold is refused with a
// message and the dialog is shown again.
bool dateiWaehlen(Fenster eigner, DateiWahl& wahl);

// the chosen colour, KeineFarbe when the user cancelled
Farbe farbeWaehlen(Fenster eigner, Farbe vorgabe);

// false when the user cancelled; on OK m and farbe hold the choice (m.hoehe for dpiY 96)
bool schriftWaehlen(Fenster eigner, SchriftMerkmale& m, Farbe& farbe);

} // namespace plattform
