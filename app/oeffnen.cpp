// app/oeffnen.cpp - the open command: a file chosen or named, the network offered for saving
// and cleared, the file handed to the reader of its kind
#include "app/hilfen.h"
#include "app/netzdateien.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/wavimport.h"
#include "files/einstellungsdatei.h"
#include "files/einstellungszeilen.h"
#include "files/fremdformat.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/netzpuffer.h"
#include "files/stromdateien.h"
#include "model/ergebnisdateien.h"
#include "model/layout.h"
#include "model/netz.h"
#include "permutation/modus.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "script/auswertung.h"
#include "texts/texte.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

// the file the next open without its dialog takes, once: the start's
std::string startPfad;

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

// The kinds with an extension of their own by that, the others by their first bytes; a
// file that does not read is none of them.
Art artErkennen(const std::string& pfad)
{
    const std::string endung = zerlegen(pfad).endung;
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
    if (endungIst(endung, "dat"))
        return Art::Kurvendaten;
    if (endungIst(endung, "wav"))
        return Art::Wav;
    std::string_view anfang(kopf, gelesen);
    if (anfang.starts_with("\xEF\xBB\xBF"))   // an editor's byte order mark, which the reader drops
        anfang.remove_prefix(3);
    if (anfang.starts_with("[neuronen-netzwerk-datei]"))
        return Art::Netz;
    if (anfang.starts_with("100"))
        return Art::Fremdformat;
    return Art::Unbekannt;
}

// The open dialog on the document folder and the network's name, else the remembered
// one; false on cancel.
bool dateiErfragen(std::string& pfad)
{
    std::string ordner = dateipfade.dokumentVerzeichnis;
    std::string name = dateipfade.netzName.empty() ? dateipfade.letzteNetzDatei : dateipfade.netzName;
    std::string endung = dateipfade.endung.empty() ? "gui" : dateipfade.endung;
    // The language's filter lists every kind the command opens. A filter of the user's own
    // in the settings file is kept; the default the refresh fills in (and the settings
    // writer therefore stores) is no choice of his, and names network files only.
    std::string filter = meldungsTexte[906];
    if (cfgZeilen::eigenerFilter(dateipfade.filterText, cfgZeilen::netzFilterVorgabe, cfgZeilen::netzFilterMeldung)) {
        // the settings file keeps '0' where the dialog separates text and pattern
        filter = dateipfade.filterText;
        std::ranges::replace(filter, '0', '|');
    }
    if (!dateiDialog(ordner, name, endung, filter, meldungsTexte[905], 0))
        return false;
    pfad = zusammensetzen(ordner, name, endung);
    return true;
}

// The network of a result file is read from a copy deleted after the load.
bool ausErgebnisdatei() { return skriptStatus & skriptBit::AuswertungLaedt; }

// A network read from curve data, a recording or a result file is named after its source
// but has no file of its own: a save asks where it goes, so the source is never written
// over unasked, and the title names the source.
void ohneNetzdateiSetzen(const Pfadteile& t, const std::string& pfad)
{
    dateipfade.netzName = t.name;
    dateipfade.vollerPfad.clear();
    dateipfade.ohneNetzdatei = true;
    dateipfade.quellPfad = pfad;
    netzTitelZeigen();
}

// The network's name and path: a network file's, which the writers save under. The
// settings remember it once it is read (netzdateiMerken). A result file's network is one
// without a file, named after the result file: its copy's name is no name of the user's.
void netzdateiSetzen(const Pfadteile& t, const std::string& vollerPfad)
{
    dateipfade.endung = t.endung;
    if (ausErgebnisdatei()) {
        const std::string& ergebnis = auswertungsdaten.ergebnisPfad;
        ohneNetzdateiSetzen(zerlegen(ergebnis), ergebnis);
        return;
    }
    dateipfade.netzName = t.name;
    dateipfade.vollerPfad = vollerPfad;
    dateipfade.ohneNetzdatei = false;
}

int nichtGeoeffnet()
{
    programmStatus &= ~programmBit::Beschaeftigt;
    return 0;
}

// What an open takes away and gives back when the file fails inside its reader: the
// network with the whole settings (the copy's settings text is the session's, and is read
// back as the records were), its names and paths, the title and the open diagram windows
// (by number, place and size). The settings file read again before a sibling file and the
// text of curve data change the settings before their reader can fail.
struct Vorher {
    NetzKopie netz;
    Dateipfade pfade;
    DatPfad dat;
    std::string strom, referenz, titel;
    Fensterliste fenster{};
    unsigned long long kennung = 0;   // the network's identity: what analyses keep of it stays its own
};

bool vorherMerken(Vorher& v)
{
    if (!netzwerkKopieren(v.netz))
        return false;
    v.kennung = netzKennung;
    v.pfade = dateipfade;
    v.dat = datPfad;
    v.strom = stromDateiPfad;
    v.referenz = netzBegleitdateien.refPfad;
    if (fensterhandles.hauptfenster)
        v.titel = plattform::titel(fensterhandles.hauptfenster);
    size_t i = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (!d->fenster || !d->offen || i + 1 >= v.fenster.size())
                continue;          // the last entry stays empty: it ends the list
            const plattform::Rechteck r = plattform::fensterRechteck(d->fenster);
            v.fenster[i++] = {n->nummer, d->nummer, r.links, r.oben, r.breite(), r.hoehe()};
        }
    return true;
}

void pfadeZurueck(const Vorher& v)
{
    dateipfade = v.pfade;
    datPfad = v.dat;
    stromDateiPfad = v.strom;
    netzBegleitdateien.refPfad = v.referenz;
}

// What a give-back that failed in turn left, or one abandoned at a box, is nobody's
// network: it goes unoffered.
void unvollstaendigSchliessen()
{
    if (!programmEndet())
        netzSchliessen(SpeichernAngebot::Ohne);
}

// The network as it was before the open; the undo list, which stores nothing, stays empty.
// A read of its own: a box whose Cancel abandons it abandons the give-back.
void vorherZurueckholen(Vorher& v)
{
    lesenBeginnen();
    if (!netzLoeschen() || lesenAbgebrochen())
        return unvollstaendigSchliessen();
    // the reader of the copy builds the paths from the names it finds; the old ones stand
    // before and after it
    pfadeZurueck(v);
    if (!netzwerkAusKopieLaden(v.netz) || lesenAbgebrochen())
        return unvollstaendigSchliessen();
    if (programmEndet())
        return;
    // the user's network is back, the same one: what the permutation mode keeps of it is its own
    netzKennung = v.kennung;
    pfadeZurueck(v);
    if (fensterhandles.hauptfenster)
        plattform::titelSetzen(fensterhandles.hauptfenster, v.titel);
    // the status bar leaves the empty network's hint, as after a load of the file itself
    statusTeilSetzen(0, "");
    // the windows that were open, at their places, with the time windows they showed; the
    // network's own list stays its own
    const Fensterliste liste = fensterliste;
    fensterliste = v.fenster;
    const bool behalten = std::exchange(zeitfensterBehalten, true);
    diagrammeVerwalten(5, 3);
    zeitfensterBehalten = behalten;
    fensterliste = liste;
}

// From the network's deletion until the new one stands or the one before is back, what
// exists is no network of the user's: the end offers and writes nothing of it, and the
// Cancel of a box that would end the program abandons the read (netzWirdGelesen), which
// then fails whichever step showed the box (lesenAbgebrochen).
class LeseVorgang {
public:
    LeseVorgang()
    {
        editierStatus |= editierBit::NetzWirdGelesen;
        lesenBeginnen();
    }
    ~LeseVorgang() { beenden(); }
    LeseVorgang(const LeseVorgang&) = delete;
    LeseVorgang& operator=(const LeseVorgang&) = delete;
    void beenden() { editierStatus &= ~(editierBit::NetzWirdGelesen | editierBit::LesenAbgebrochen); }
};

} // namespace

int simulationOeffnen(int fragen)
{
    // the file: chosen in the dialog, or the one the paths name
    std::string pfad;
    if (fragen) {
        if (!dateiErfragen(pfad))
            return nichtGeoeffnet();
    } else if (skriptStatus & skriptBit::AuswertungLaedt) {
        // the network a result file carries, written out beside it
        pfad = auswertungsdaten.tmpNetz;
        if (pfad.empty())
            return nichtGeoeffnet();
    } else {
        // the start's file, else the network's own
        pfad = startPfad.empty() ? dateipfade.vollerPfad : std::exchange(startPfad, std::string());
        if (pfad.empty())
            return nichtGeoeffnet();
    }
    pfad = plattform::gefundenenNamenNehmen(pfad);   // a save goes to the file that opened

    // a file that cannot be read, or that no reader takes, leaves the network as it is; so
    // does a recording the import refuses
    const Art art = artErkennen(pfad);
    switch (art) {
    case Art::Unlesbar: plattform::hinweisBox(meldungFormatieren(73, pfad)); return nichtGeoeffnet();
    case Art::Unbekannt: plattform::hinweisBox(meldungFormatieren(904, pfad)); return nichtGeoeffnet();
    case Art::Mpf: plattform::hinweisBox(meldungsTexte[903]); return nichtGeoeffnet();
    case Art::Wav:
        if (!wavDateiPruefen(pfad))
            return nichtGeoeffnet();
        break;
    default: break;
    }

    // the network that the file replaces: saved first if the user wants, kept on Cancel
    if (!netzSpeichernVorDemSchliessen())
        return nichtGeoeffnet();

    // what a file that fails inside its reader must not take away
    Vorher vorher;
    if (!vorherMerken(vorher))
        return nichtGeoeffnet();
    const Pfadteile teile = zerlegen(pfad);
    dateipfade.oeffnenPfad = pfad;
    dateipfade.oeffnenName = teile.name + (teile.endung.empty() ? "" : "." + teile.endung);
    // the document folder follows every file opened; the remembered network file keeps its own
    dateipfade.dokumentVerzeichnis = teile.ordner;

    // the network goes, then the reader of the kind builds the new one
    LeseVorgang leseVorgang;
    const bool geloescht = netzLoeschen();
    if (programmEndet())
        return 0;
    if (!geloescht || lesenAbgebrochen()) {
        // the empty network lacks its synapse types: no reader builds on it
        vorherZurueckholen(vorher);
        return nichtGeoeffnet();
    }
    int geladen = 0;
    switch (art) {
    case Art::Netz: {
        dateipfade.dateiArt = 1;
        netzdateiSetzen(teile, pfad);
        std::string name = pfad;
        geladen = guiDateiLaden(name);
        break;
    }
    case Art::Fremdformat:
        dateipfade.dateiArt = 0;
        netzdateiSetzen(teile, pfad);
        cfgDateiLaden(0);   // a file that does not read leaves the settings (said)
        if (!programmEndet() && !lesenAbgebrochen())
            geladen = simDateiLesen(pfad);
        if (geladen) {
            // our writer's text is no file of the sibling's: a save asks where it goes, and
            // proposes the extension of network files
            ohneNetzdateiSetzen(teile, pfad);
            dateipfade.endung = vorher.pfade.endung;
        } else if (!programmEndet() && !lesenAbgebrochen()) {
            plattform::hinweisBox(meldungsTexte[902]);
        }
        break;
    case Art::Kurvendaten:
        // the settings and the network come from the file's own text
        dateipfade.dateiArt = -1;
        datPfadSetzen(pfad);
        datPfad.kurvenDateiWirdGeoeffnet = 1;
        geladen = datDateiLaden(datHeader);
        datPfad.kurvenDateiWirdGeoeffnet = 0;
        if (geladen)
            ohneNetzdateiSetzen(teile, pfad);   // the settings in the file named another network
        break;
    default:   // Art::Wav: the recording becomes a network of that name
        dateipfade.dateiArt = -1;
        ohneNetzdateiSetzen(teile, pfad);
        geladen = wavKopfLesen();
        break;
    }
    if (programmEndet())
        return 0;
    // a read abandoned at a box has failed, even where the step that showed it went on
    if (!geladen || lesenAbgebrochen()) {
        // the reader said why, or the user abandoned it; the network the user had comes back
        vorherZurueckholen(vorher);
        return nichtGeoeffnet();
    }
    leseVorgang.beenden();
    // the load succeeded: a network file is the one the settings remember, in its folder
    // whatever kinds of files are opened from other folders later
    if (art == Art::Netz && !ausErgebnisdatei())
        netzdateiMerken(teile.ordner, teile.name, teile.endung);
    else if (art == Art::Netz)   // its curve data go beside the result file, not beside the copy
        datPfadSetzen(zusammensetzen(zerlegen(dateipfade.quellPfad).ordner, dateipfade.netzName, "dat"));
    // a network opened in the permutation mode has the mode's switches, its own set aside
    permutationsmodusNetzUebernehmen();
    // everything derived from the new network
    einstellungenAktualisieren(nullptr, 1);
    geladeneFensterZeigen();
    return 1;
}

bool startDateiUebernehmen()
{
    startPfad.clear();
    Dateipfade& d = dateipfade;
    if (d.startModus && !d.startDatei.empty()) {
        d.dokumentVerzeichnis = zerlegen(d.startDatei).ordner;
        startPfad = d.startDatei;
        d.startDatei.clear();
        d.startModus = 0;
    } else if ((programmStatus & programmBit::ZuletztGeladeneOeffnen) && !d.letzteNetzDatei.empty()) {
        startPfad = zusammensetzen(d.letzterNetzOrdner, d.letzteNetzDatei, d.letzteNetzEndung);
    }
    return !startPfad.empty();
}
