// resources/dialoge/zeitmessung.cpp - "Time measurement" (328) and "Event detection by
// threshold" (329). Their texts are their own, in English, in every language.
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace stil = plattform::elementStil;

namespace {

const DialogElement zeitmessungElemente[] = {
    {2303, A::EingabeMehrzeilig, "", "", 0, 0, 0, 0, 3},
    {2304, A::Text, "Number of values", "", 0, 0, 1, 0, 3},
    {2297, A::Kontrollkasten, "show points in diagram (line)", "", 0, 0, 2, 0, 2},
    {2298, A::Kontrollkasten, "time", "", 0, 0, 3, 0, 1},
    {2299, A::Kontrollkasten, "number", "", 0, 0, 3, 1, 1},
    {2330, A::Text, "alternate position by", "", 0, 0, 4, 0, 2},
    {2309, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {2313, A::Kontrollkasten, "use values as start / end time for event detection", "", stil::Gesperrt, 0, 5, 0, 3},
    {2300, A::Kontrollkasten, "set decimal marker to ','   (default = '.')", "", 0, 0, 6, 0, 3},
    {2307, A::Knopf, "Save", "", 0, 0, 7, 0, 1},
    {2308, A::Knopf, "Load", "", 0, 0, 7, 1, 1},
    {2306, A::Knopf, "Clear all", "", 0, 0, 7, 2, 1},
    {2310, A::Knopf, "Update", "", 0, 0, 8, 0, 1},
    {2311, A::Knopf, "Threshold", "", 0, 0, 8, 1, 1},
    {2312, A::Knopf, "Window", "", 0, 0, 8, 2, 1},
    {2314, A::Knopf, "STOP", "", 0, 0, 9, 0, 1},
    {2315, A::Knopf, "?", "", 0, 0, 9, 1, 1},
    {1, A::StandardKnopf, "hide", "", 0, 0, 9, 2, 1},
};

const DialogElement schwelleElemente[] = {
    {2315, A::Optionsfeld, "rising", "", 0, 0, 0, 0, 1},
    {2316, A::Optionsfeld, "falling", "", 0, 0, 0, 1, 1},
    {2318, A::Text, "threshold (mV)", "", 0, 0, 1, 0, 1},
    {2319, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3, A::Knopf, "get", "", 0, 0, 1, 2, 1},
    {6, A::Knopf, "set", "", 0, 0, 1, 3, 1},
    {2320, A::Text, "dead time after event (s)", "", 0, 0, 2, 0, 1},
    {2321, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {2322, A::Text, "time range for detection (start - end) (s)", "", 0, 0, 3, 0, 1},
    {2323, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {2324, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {2297, A::Kontrollkasten, "use smoothed data for detection", "", 0, 0, 4, 0, 2},
    {2298, A::Kontrollkasten, "exclude unsmoothed data", "", 0, 0, 4, 2, 2},
    {2326, A::Text, "rate:", "", 0, 0, 5, 0, 1},
    {2327, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {4, A::Knopf, "smooth", "", 0, 0, 5, 2, 1},
    {5, A::Knopf, "?", "", 0, 0, 5, 3, 1},
    {1, A::StandardKnopf, "OK", "", 0, 0, 6, 0, 1},
    {2, A::Knopf, "Cancel", "", 0, 0, 6, 1, 1},
    {7, A::Knopf, "?", "", 0, 0, 6, 3, 1},
};

} // namespace

const DialogVorlage vorlageZeitmessung{328, "Time measurement", "", zeitmessungElemente, 1};
const DialogVorlage vorlageEreignisSchwelle{329, "Event detection by threshold", "", schwelleElemente, 1};
