// platform/waehler.h - the file, colour and font choosers
#pragma once
#include "platform/zeichnen.h"
#include <string>
#include <string_view>
#include <vector>

namespace plattform {

struct DateiFilter {
    std::string text;             // "Kanal-Definitionsdateien, (*.knl)"
    std::string muster;           // "*.KNL", several separated by ';'; matched ignoring case
};

// The filters of a filter text "text|pattern|text|pattern||": parts end at a zero byte or
// at trenner (the settings file writes '0' there); an empty pattern ends the list.
inline std::vector<DateiFilter> filterAusText(std::string_view text, char trenner = '|')
{
    std::vector<std::string> teile(1);
    for (char c : text) {
        if (c == '\0' || c == trenner)
            teile.emplace_back();
        else
            teile.back() += c;
    }
    std::vector<DateiFilter> filter;
    for (size_t i = 0; i + 1 < teile.size() && !teile[i + 1].empty(); i += 2)
        filter.push_back({teile[i], teile[i + 1]});
    return filter;
}

struct DateiWahl {
    std::string ordner;           // in: the folder to start in; out: the chosen one, no trailing '/'
    std::string name;             // in: the proposed name; out: the chosen name without extension
    std::string endung;           // in: the default extension; out: the chosen one (may be "")
    std::vector<DateiFilter> filter;
    std::string titel;
    bool speichern = false;       // a save dialog (asks before overwriting) instead of an open one
};

// The path of a choice: folder (a trailing '/' dropped), name and the extension when there is one.
inline std::string gewaehlterPfad(const DateiWahl& wahl)
{
    std::string_view ordner = wahl.ordner;
    while (ordner.size() > 1 && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.remove_suffix(1);
    return (ordner.empty() ? "" : std::string(ordner) + "/") + wahl.name + (wahl.endung.empty() ? "" : "." + wahl.endung);
}

// false when the user cancelled. A path that Windows-1252 cannot hold is refused with a
// message and the dialog is shown again.
bool dateiWaehlen(Fenster eigner, DateiWahl& wahl);

// the chosen colour, KeineFarbe when the user cancelled
Farbe farbeWaehlen(Fenster eigner, Farbe vorgabe);

// false when the user cancelled; on OK m and farbe hold the choice (m.hoehe for dpiY 96)
bool schriftWaehlen(Fenster eigner, SchriftMerkmale& m, Farbe& farbe);

} // namespace plattform
