// script/ergebnissuchen.cpp - the result files an index lists, found and opened
//
// An index names its result files by full path; files moved to another folder are looked
// for in the folder where the last moved one was found, else the user is asked once and
// chooses the file.
#include "script/auswertung.h"
#include "core/status.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"

namespace {

// folder and name of a stored path, which may still have the other system's separators
void zerlegen(const std::string& pfad, std::string& ordner, std::string& name)
{
    const size_t strich = pfad.find_last_of("/\\");
    ordner = strich == std::string::npos ? "" : pfad.substr(0, strich);
    name = strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

// the file chosen by the user instead of the missing one; false after a No, a cancel or a
// choice that does not exist
bool erfragen(std::string& pfad)
{
    using namespace auswertungsMeldung;
    if (plattform::meldungsBox(fensterhandles.hauptfenster, auswertungsText(Suchen, 2, pfad), "SysInfo",
                               plattform::knoepfe::JaNein | plattform::symbol::Frage) != plattform::antwort::Ja)
        return false;
    plattform::DateiWahl wahl;
    std::string name;
    zerlegen(pfad, wahl.ordner, name);
    const size_t punkt = name.rfind('.');
    wahl.name = name.substr(0, punkt);
    wahl.endung = "bin";
    wahl.titel = auswertungsText(Suchen, 3);
    wahl.filter.push_back({auswertungsText(Suchen, 4), "*.bin"});
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    const std::string gewaehlt = plattform::gewaehlterPfad(wahl);
    if (!plattform::dateiExistiert(gewaehlt)) {
        plattform::hinweisBox(meldungFormatieren(1183, gewaehlt));
        return false;
    }
    pfad = gewaehlt;
    auswertungsfenster.suchOrdner = wahl.ordner;
    return true;
}

} // namespace

int ergebnisDateiSuchen(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    a.handles.resize(a.namen.size(), nullptr);
    for (size_t k = 0; k < a.namen.size(); ++k) {
        std::string& pfad = a.namen[k];
        if (pfad.empty()) {
            plattform::hinweisBox(auswertungsText(Suchen, 1));
            return 0;
        }
        if (a.handles[k])
            continue;
        if (!plattform::dateiExistiert(pfad)) {
            std::string ordner, name;
            zerlegen(pfad, ordner, name);
            const std::string dort = auswertungsfenster.suchOrdner + "/" + name;
            if (!auswertungsfenster.suchOrdner.empty() && plattform::dateiExistiert(dort))
                pfad = dort;
            else if (!erfragen(pfad))
                return 0;
        }
        a.handles[k] = plattform::dateiOeffnen(pfad, "rb");
        if (!a.handles[k]) {
            plattform::hinweisBox(auswertungsText(Suchen, 5, pfad));
            return 0;
        }
    }
    // the window lays itself out again
    if (plattform::istFenster(auswertungsfenster.fenster)) {
        const plattform::Rechteck r = auswertungsfenster.rechteck;   // the moves store the place again
        plattform::verschieben(auswertungsfenster.fenster, r.links, r.oben, r.breite() - 20, r.hoehe());
        plattform::verschieben(auswertungsfenster.fenster, r.links, r.oben, r.breite(), r.hoehe());
    }
    return 1;
}
