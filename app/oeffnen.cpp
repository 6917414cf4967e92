// app/oeffnen.cpp - the open command: a file chosen or named, the network cleared, the file
// handed to the reader of its kind
#include "app/hilfen.h"
#include "app/netzdateien.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/wavimport.h"
#include "files/einstellungsdatei.h"
#include "files/fremdformat.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "model/ergebnisdateien.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace {

enum class Art { Netz, Kurvendaten, Fremdformat, Wav, Mpf, Unbekannt, Unlesbar };

struct Pfadteile {
    std::string ordner, name, endung;
};

Pfadteile zerlegen(const std::string& pfad)
{
    const size_t trenner = pfad.find_last_of("/\\");
    const size_t nameAb = trenner == std::string::npos ? 0 : trenner + 1;
    const size_t punkt = pfad.rfind('.');
    const bool mitEndung = punkt != std::string::npos && punkt >= nameAb;
    return {trenner == std::string::npos ? "" : pfad.substr(0, trenner),
            pfad.substr(nameAb, (mitEndung ? punkt : pfad.size()) - nameAb),
            mitEndung ? pfad.substr(punkt + 1) : ""};
}

std::string zusammensetzen(std::string ordner, const std::string& name, const std::string& endung)
{
    if (!ordner.empty() && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.pop_back();
    return (ordner.empty() ? "" : ordner + "/") + name + (endung.empty() ? "" : "." + endung);
}

bool endungIst(std::string_view endung, std::string_view art)
{
    return std::ranges::equal(endung, art, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

// The kinds with an extension of their own by that, the others by their first bytes.
Art artErkennen(const std::string& pfad)
{
    const std::string endung = zerlegen(pfad).endung;
    if (endungIst(endung, "dat"))
        return Art::Kurvendaten;
    if (endungIst(endung, "wav"))
        return Art::Wav;
    if (endungIst(endung, "mpf"))
        return Art::Mpf;
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return Art::Unlesbar;
    char kopf[64];
    const size_t gelesen = std::fread(kopf, 1, sizeof kopf, f);
    const bool fehler = std::ferror(f);       // a folder opens, but does not read
    std::fclose(f);
    if (fehler)
        return Art::Unlesbar;
    std::string_view anfang(kopf, gelesen);
    if (anfang.starts_with("\xEF\xBB\xBF"))   // an editor's byte order mark, which the reader drops
        anfang.remove_prefix(3);
    if (anfang.starts_with("[neuronen-netzwerk-datei]"))
        return Art::Netz;
    if (anfang.starts_with("100"))
        return Art::Fremdformat;
    return Art::Unbekannt;
}

// The open dialog on the document folder and the network's name; false on cancel.
bool dateiErfragen(std::string& pfad)
{
    std::string ordner = dateipfade.dokumentVerzeichnis;
    std::string name = dateipfade.netzName;
    std::string endung = dateipfade.endung.empty() ? "gui" : dateipfade.endung;
    std::string filter = meldungsTexte[906];
    if (!dateipfade.filterText.empty()) {
        // the settings file keeps '0' where the dialog separates text and pattern
        filter = dateipfade.filterText;
        std::ranges::replace(filter, '0', '|');
    }
    if (!dateiDialog(ordner, name, endung, filter, meldungsTexte[905], 0))
        return false;
    pfad = zusammensetzen(ordner, name, endung);
    return true;
}

// The network's name and path; the writers save under them.
void netzNameSetzen(const Pfadteile& t, const std::string& endung, const std::string& vollerPfad)
{
    dateipfade.netzName = t.name;
    dateipfade.endung = endung;
    dateipfade.vollerPfad = vollerPfad;
}

int nichtGeoeffnet()
{
    programmStatus &= ~programmBit::Beschaeftigt;
    return 0;
}

} // namespace

int simulationOeffnen(int fragen)
{
    // the file: chosen in the dialog, or the one the paths name
    std::string pfad;
    if (fragen) {
        if (!dateiErfragen(pfad))
            return nichtGeoeffnet();
    } else {
        pfad = !dateipfade.vollerPfad.empty() ? dateipfade.vollerPfad
               : dateipfade.netzName.empty()  ? ""
                                              : zusammensetzen(dateipfade.dokumentVerzeichnis, dateipfade.netzName,
                                                               dateipfade.endung);
        if (pfad.empty())
            return nichtGeoeffnet();
    }

    // a file that cannot be read, or that no reader takes, leaves the network as it is
    const Art art = artErkennen(pfad);
    switch (art) {
    case Art::Unlesbar: plattform::hinweisBox(meldungFormatieren(73, pfad)); return nichtGeoeffnet();
    case Art::Unbekannt: plattform::hinweisBox(meldungFormatieren(904, pfad)); return nichtGeoeffnet();
    case Art::Mpf: plattform::hinweisBox(meldungsTexte[903]); return nichtGeoeffnet();
    default: break;
    }
    const Pfadteile teile = zerlegen(pfad);
    dateipfade.oeffnenPfad = pfad;
    dateipfade.oeffnenName = teile.name + (teile.endung.empty() ? "" : "." + teile.endung);
    dateipfade.dokumentVerzeichnis = teile.ordner;

    // the network goes, then the reader of the kind builds the new one
    netzLoeschen();
    if (programmEndet())
        return 0;
    int geladen = 0;
    switch (art) {
    case Art::Netz: {
        dateipfade.dateiArt = 1;
        netzNameSetzen(teile, teile.endung, pfad);
        std::string name = pfad;
        geladen = guiDateiLaden(name);
        break;
    }
    case Art::Fremdformat:
        dateipfade.dateiArt = 0;
        netzNameSetzen(teile, teile.endung, pfad);
        cfgDateiLaden(0);
        geladen = simDateiLesen(pfad);
        if (!geladen && !programmEndet())
            plattform::hinweisBox(meldungsTexte[902]);
        break;
    case Art::Kurvendaten:
        // the settings and the network come from the file's own text
        dateipfade.dateiArt = -1;
        datPfadSetzen(pfad);
        datPfad.kurvenDateiWirdGeoeffnet = 1;
        geladen = datDateiLaden(datHeader);
        datPfad.kurvenDateiWirdGeoeffnet = 0;
        break;
    default:   // Art::Wav: the recording becomes a network of that name
        dateipfade.dateiArt = -1;
        netzNameSetzen(teile, "gui", zusammensetzen(teile.ordner, teile.name, "gui"));
        geladen = wavKopfLesen();
        break;
    }
    if (!geladen) {
        // the empty network is untitled again: no save may land on the file that failed
        dateipfade.netzName.clear();
        dateipfade.vollerPfad.clear();
        return nichtGeoeffnet();
    }
    if (programmEndet())
        return 0;
    // everything derived from the new network
    einstellungenAktualisieren(nullptr, 1);
    geladeneFensterZeigen();
    return 1;
}

bool startDateiUebernehmen()
{
    if (dateipfade.startModus && !dateipfade.startDatei.empty()) {
        const Pfadteile t = zerlegen(dateipfade.startDatei);
        dateipfade.dokumentVerzeichnis = t.ordner;
        netzNameSetzen(t, t.endung, dateipfade.startDatei);
        dateipfade.startDatei.clear();
        dateipfade.startModus = 0;
        return true;
    }
    return (programmStatus & programmBit::ZuletztGeladeneOeffnen) &&
           (!dateipfade.vollerPfad.empty() || !dateipfade.netzName.empty());
}
