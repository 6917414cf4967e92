// app/start.cpp - the program's start: WinMain and the one-time initialisation
#include "app/start.h"
#include "app/beenden.h"
#include "app/einstellungen.h"
#include "app/hauptfenster.h"
#include "app/protokoll.h"
#include "app/restzeit.h"
#include "app/sprache.h"
#include "app/status.h"
#include "diagrams/ablesungen.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "dialogs/eingabe.h"
#include "dialogs/yachse2.h"
#include "files/einstellungsdatei.h"
#include "app/neuroneditor.h"
#include "permutation/fenster.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "resources/menues.h"
#include "script/interaktiv.h"
#include "script/auswertung.h"
#include "server/server.h"
#include "server/serverbetrieb.h"
#include "texts/texte.h"
#include <cstdio>
#include <memory>

using namespace plattform;

StartTestHaken startHaken;

namespace {

bool initialisiert = false;
bool startDateiDarstellbar = true;
bool startOeffnen = false;     // the open command the start posted has not come yet

// Every window class the program registers: its name (a message text or a literal), its
// procedure and its background.
struct Klasse {
    int textNummer;          // the class name from the message texts; 0: the literal name
    const char* name;
    FensterProc proc;
    uint32_t hintergrund;
};
const Klasse klassen[] = {
    {0, hauptfensterKlasse, hauptfensterProc, 0xFFFFFF},
    {0, protokollKlasse, protokollFensterProc, 0xFFFFFF},
    {12, nullptr, diagrammFensterProc, 0xFFFFFF},
    {13, nullptr, permutationFensterProc, 0xFFFFFF},
    {14, nullptr, restzeitFensterProc, 0xFFFFFF},
    {15, nullptr, auswertungFensterProc, 0xFFFFFF},
    {16, nullptr, serverFensterProc, 0xFFFFFF},
    {0, "Vidiz Testfenster", standardFensterProc, 0xFFFFFF},   // the thread test draws nothing of its own
    {17, nullptr, interaktivFensterProc, 0xFFFFFF},
};

// a path in double quotes comes without them
void startDateiMerken(const std::string& argument, bool darstellbar)
{
    std::string pfad = argument;
    if (pfad.size() >= 2 && pfad.front() == '"' && pfad.back() == '"')
        pfad = pfad.substr(1, pfad.size() - 2);
    dateipfade.startDatei = pfad;
    dateipfade.startModus = pfad.empty() ? 0 : 1;
    startDateiDarstellbar = darstellbar;
}

bool lesbar(const std::string& pfad)
{
    std::FILE* f = dateiOeffnen(pfad, "rb");
    if (!f)
        return false;
    char zeichen;
    const size_t gelesen = std::fread(&zeichen, 1, 1, f);
    const bool gut = gelesen == 1 || !std::ferror(f);   // a folder opens, but does not read
    std::fclose(f);
    return gut;
}

// the board that Comedi drives, bound while its probe passed; its library stays loaded
// as long as it is bound
std::unique_ptr<Messkarte> comediKarte;

void messkartenFehlerZeigen(const MesskartenFehler& f)
{
    hinweisBox(meldungFormatieren(1377, f.funktion, static_cast<int>(f.status), f.text));
}

// The board through Comedi's library when the library, the device and the probe are
// there; otherwise the absent board, and the program runs without one.
void daqFunktionenBinden()
{
    messkarteBinden(keineMesskarte());   // nothing points at a board that goes
    const char* bibliothek = startHaken.messkartenBibliothek ? startHaken.messkartenBibliothek : "libcomedi.so.0";
    comediKarte = comediMesskarteLaden(bibliothek, messkartenFehlerZeigen);
    if (!comediKarte)
        return;
    messkarteBinden(*comediKarte);
    if (!serverLauf.karteVorhanden)
        comediKarte.reset();
}

// ---- the steps of the initialisation ---------------------------------------------------------

void einstellungenLesen()
{
    if (startHaken.einstellungenLaden)
        startHaken.einstellungenLaden();
    else
        cfgDateiLaden(0);
}

// F2 reaches the registered dialog through the platform's key filter, which is always
// there: no hook library to load, no notice of a missing one.
void tastaturHook() {}

void startbild()
{
    anzeigeboxParameter.programmVersion = 6.2f;
    startbildZeigen();
}

void aktualisieren() { einstellungenAktualisieren(nullptr, 1); }

// the menu bar ticks and greys what the settings file just set
void menueStand() { menueStandSetzen(fensterhandles.hauptmenue); }

Cursor cursorDatei(const char* name)
{
    for (const std::string& ordner : {dateipfade.programmVerzeichnis, parameterOrdner.pfad})
        if (dateiExistiert(ordner + name))
            if (Cursor c = cursorLaden(ordner + name))
                return c;
    return standardCursor(cursorArt::Kreuz);   // a missing file leaves the cross
}

void cursorLadenAlle()
{
    cursorStandard = standardCursor(cursorArt::Pfeil);
    cursorMessenZeit = cursorDatei("cursorTime.cur");
    cursorMessenWert = cursorDatei("cursorMagnitude.cur");
    cursorMessenBeide = cursorDatei("cursorTimeMagnitude.cur");
    diagrammCursor = {cursorStandard, cursorMessenZeit, cursorMessenWert, cursorMessenBeide};
}

void schriften() { protokollSchriftSetzen(); }

void arbeitsbereichNehmen()
{
    const Rechteck a = plattform::arbeitsbereich();
    arbeitsbereichKanten = {a.unten, a.rechts};
}

void oeffnenBefehl()
{
    if (!dateipfade.startDatei.empty() || (programmStatus & programmBit::ZuletztGeladeneOeffnen)) {
        startOeffnen = true;
        posten(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlDateiOeffnen, 0));
    }
}

const StartSchritt schritte[] = {
    {"Voreinstellungen", programmVoreinstellungen},
    {"Einstellungsdatei", einstellungenLesen},
    {"Tastatur-Hook", tastaturHook},
    {"Startbild", startbild},
    {"Aktualisierung", aktualisieren},
    {"Menue", menueStand},
    {"Cursor", cursorLadenAlle},
    {"Protokollfenster", protokollFensterErzeugen},
    {"Schriften", schriften},
    {"Arbeitsbereich", arbeitsbereichNehmen},
    {"Statuszeile", netzlosStatusZeigen},          // a new user sees what to do first
    {"Druckersuche", [] { druckerSucheStarten(fensterhandles.hauptfenster); }},
    {"Oeffnen-Befehl", oeffnenBefehl},
};

} // namespace

std::span<const StartSchritt> startSchritte() { return schritte; }

bool startOeffnenNehmen()
{
    const bool anstehend = startOeffnen;
    startOeffnen = false;
    return anstehend;
}

bool startDateiPruefen()
{
    if (!dateipfade.startModus || dateipfade.startDatei.empty())
        return true;
    const std::string pfad = dateipfade.startDatei;
    const int text = !startDateiDarstellbar ? 893 : !lesbar(pfad) ? 73 : 0;
    if (!text)
        return true;
    dateipfade.startDatei.clear();
    dateipfade.startModus = 0;
    startDateiDarstellbar = true;
    hinweisBox(meldungFormatieren(text, pfad));
    return false;
}

void fensterklassenRegistrieren()
{
    for (const Klasse& k : klassen) {
        const std::string name = k.textNummer ? meldungsTexte[k.textNummer] : std::string(k.name);
        klasseRegistrieren({name, k.proc, k.hintergrund});
    }
    zweiteYAchseDialogOeffnen = yAchse2DialogOeffnen;   // the diagram painter's way to dialog 305
    // the permutation display's own neuron comes and goes through the editor
    pseudoNeuronErzeugen = [] { return neuronErzeugen(6); };
    pseudoNeuronLoeschen = [](NeuronDaten* n) { neuronLoeschen(n, 0); };
}

void startInitialisieren()
{
    if (initialisiert || !fensterhandles.hauptfenster)
        return;
    initialisiert = true;
    for (const StartSchritt& s : schritte) {
        s.ausfuehren();
        if (programmEndet())
            return;              // a fatal message during the start ended it
    }
}

bool programmStarten(const std::string& dateiArgument, const std::string& programmVerzeichnis,
                     bool argumentDarstellbar)
{
    // status words and paths
    programmStatus |= programmBit::StartUnfertig;
    statusWoerterSetzen();
    dateipfade = {};
    dateipfade.programmVerzeichnis = programmVerzeichnis;
    startDateiMerken(dateiArgument, argumentDarstellbar);

    // the texts, before any window: without the message texts nothing can be said
    parameterOrdner.pfad = programmVerzeichnis + "parameter/";
    if (const std::string fehler = sprachTexteLaden(spracheLesen(programmVerzeichnis + "default.cfg"));
        !fehler.empty()) {
        meldungsBox(nullptr, fehler, "Hinweis", knoepfe::Ok | symbol::Information);
        return false;
    }

    // classes and the main window with the menu of the language
    fensterklassenRegistrieren();
    Menue menue = menueLaden(hauptmenueTabelle(sprache));
    menueStandSetzen(menue);
    Fenster haupt = fensterErzeugen(hauptfensterKlasse, "Velnor", stil::Hauptfenster, StandardPosition,
                                    StandardPosition, 900, 650, nullptr, menue);
    if (!haupt) {
        menueZerstoeren(menue);
        meldungsBox(nullptr, meldungsTexte[697], "Hinweis", knoepfe::Ok | symbol::Information);
        return false;
    }
    fensterhandles.hauptmenue = menue;

    // shown: its first size message runs the initialisation (sent here when showing
    // brought none, as the size did not change)
    zeigen(haupt, fensterhandles.anzeigeBefehl);
    if (!initialisiert && istFenster(haupt)) {
        const Rechteck c = clientRechteck(haupt);
        senden(haupt, nachricht::Groesse, groesse::Wiederhergestellt, machLParam(c.breite(), c.hoehe()));
    }
    if (programmEndet())
        return false;

    // the board
    daqFunktionenBinden();
    programmStatus &= ~programmBit::StartUnfertig;
    return true;
}

int programmStart(const DateiArgument& datei)
{
    if (!programmStarten(datei.pfad, programmVerzeichnis(), datei.darstellbar))
        return 1;
    return nachrichtenSchleife();
}

void startZuruecksetzen()
{
    if (comediKarte) {   // the board goes with the start that bound it
        messkarteBinden(keineMesskarte());
        comediKarte.reset();
    }
    initialisiert = false;
    startDateiDarstellbar = true;
    startOeffnen = false;
    beendenZuruecksetzen();
    nachLaufVerwerfen();
    spracheWechselAbschliessen(true);
    cfgZuruecksetzen();
}
