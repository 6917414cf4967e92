// platform/test/zustand.h - the records behind the scripted platform (not for tests)
//
// One global Zustand holds everything; only the GUI thread touches it, except the
// aufGuiThread queue, which has its own mutex.
#pragma once
#include "platform/dialog.h"
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/test/testplattform.h"
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

namespace plattform {

// what a window record holds when it is a dialog (platform/test/dialog*.cpp)
struct DialogZustand {
    int nummer = 0;
    int standardId = 1;                  // what Enter sends (eingabetastenId)
    DialogProc proc = nullptr;
    bool modal = false;
    bool platziert = false;              // verschieben was called: from then on Bewegen reaches the procedure
    bool beendet = false;                // dialogBeenden was called
    intptr_t ergebnis = 0;
    int tiefe = 0;                       // calls of the procedure in progress
    size_t oeffnung = 0;                 // its entry in the dialog log
    int fokus = 0;                       // the control of the last elementFokussieren
    std::vector<test::DialogElementZustand> elemente;   // table order, never resized
};

enum class Lebenslage {
    Lebt,
    Stirbt,    // inside its own Zerstoeren: the handle is dead, its data still readable
    Tot
};

struct FensterObjekt {
    uint64_t nummer = 0;                 // creation order, also the painting order
    Lebenslage lage = Lebenslage::Lebt;
    std::string klasse, titel;
    FensterProc proc = nullptr;
    uint32_t stil = 0;
    Fenster eltern = nullptr;            // parent of a child, owner of a top-level window
    Rechteck normal;                     // outer rectangle; children: in the parent's client coordinates
    bool sichtbar = false, minimiert = false, maximiert = false, freigegeben = true;
    intptr_t daten = 0;
    Menue menue = nullptr;
    int leisteGezeichnet = 0;
    bool ungueltig = false;
    Rechteck ungueltigBereich;           // client coordinates, kept for the drawing surface
    std::vector<test::ZeichenAufruf> letzteZeichnung;
    Rechteck letzterZeichenBereich;
    ScrollZustand scrollLeisten[2];      // [0] horizontal, [1] vertical
    std::unique_ptr<DialogZustand> dialog;   // set for dialogs only
    Cursor cursor = nullptr;             // fensterCursorSetzen
    uint64_t aktivierung = 0;            // its key in Zustand::aktivierungen, 0 while not in it
    std::map<uint64_t, FensterObjekt*> abhaengige;   // living children and owned windows, by nummer
};

struct CursorObjekt {
    int art = -1;                        // cursorArt::* of a built-in one, -1 for a file
    std::string pfad;
};

namespace test::intern {

struct Eintrag {                         // one entry of the posted queue
    Fenster fenster = nullptr;           // null: a quit request
    uint32_t nachricht = 0;
    uintptr_t w = 0;
    intptr_t l = 0;
    int code = 0;                        // of a quit request
};

struct Zeitgeber {
    Fenster fenster;
    uintptr_t id;
    double periode, faellig;             // ms of the virtual clock
    uint64_t folge;                      // order of setting, breaks ties of equal due times
};

struct Zustand {
    Zustand();

    // Records are never freed, so a stale handle is never mistaken for a new window; a dead
    // one gives up what it holds. The lookups are by handle or by number, in constant or
    // logarithmic time, so that many windows cost each of them no more than a few do.
    std::vector<std::unique_ptr<FensterObjekt>> alleFenster;
    std::unordered_set<const FensterObjekt*> bekannt;
    std::map<uint64_t, FensterObjekt*> lebende;     // Lebt or Stirbt, by nummer (creation order)
    std::map<uint64_t, FensterObjekt*> ungueltige;  // living ones to be painted, by nummer
    uint64_t naechsteNummer = 1;
    std::map<std::string, FensterKlasse> klassen;

    std::deque<Eintrag> schlange;
    std::vector<Zeitgeber> zeitgeber;
    uint64_t naechsteFolge = 1;
    double uhr = 0.0;                    // ms
    double letztesPumpen = 0.0;

    std::vector<LogEintrag> log;
    std::deque<int> boxAntworten, popupAntworten;
    std::function<int(const std::string&, const std::string&, uint32_t)> boxRegel;
    std::vector<BoxEintrag> boxen;
    std::vector<std::vector<int>> popups;

    Rechteck arbeitsbereich{0, 0, 1920, 1050};
    std::map<uint64_t, Fenster> aktivierungen;   // activation history by order, most recent last
    uint64_t naechsteAktivierung = 1;
    Fenster vordergrund = nullptr;
    Fenster fokus = nullptr;
    Punkt maus;

    // drawing, printing, choosers
    std::vector<test::PngEintrag> pngs;
    std::mutex druckerMutex;             // druckerListe may be called from any thread
    std::vector<std::string> drucker;
    std::string standardDrucker;
    std::vector<test::DruckEintrag> druckAuftraege;
    bool druckFehler = false;            // the next druckBeenden fails
    std::optional<SeitenMasse> druckSeite;   // the next job's page
    std::deque<test::DateiAntwort> dateiAntworten;
    std::deque<Farbe> farbAntworten;
    std::deque<test::SchriftAntwort> schriftAntworten;
    std::vector<test::DateiWahlEintrag> dateiWahlen;
    std::vector<test::FarbWahlEintrag> farbWahlen;
    std::vector<test::SchriftWahlEintrag> schriftWahlen;

    // controls, keyed by their window records (which are never freed)
    std::map<const FensterObjekt*, test::StatusleisteZustand> statusleisten;
    std::map<const FensterObjekt*, test::TextfeldZustand> textfelder;
    std::map<const FensterObjekt*, test::SchiebereglerZustand> regler;
    std::map<std::pair<const FensterObjekt*, int>, std::string> tooltips;
    test::TooltipStil tooltipStil;
    std::vector<std::unique_ptr<CursorObjekt>> geladeneCursor;   // never freed: handles stay valid
    Cursor aktuellerCursor = nullptr;
    bool tasten[4] = {};
    bool feststell = false;
    std::vector<test::Ereignis> ereignisse;
    std::vector<test::TitelEintrag> titel;

    // dialogs
    std::map<int, std::deque<std::vector<test::DialogSchritt>>> dialogSkripte;   // per template number
    std::vector<test::DialogOeffnung> dialogOeffnungen;
    Fenster tastaturHook = nullptr;

    test::Ablehnen ablehnen = test::Ablehnen::Aus;   // what has no scripted answer
    std::function<void(const std::string&)> fehlerBehandlung;
    std::atomic<std::thread::id> guiThread;
    std::mutex arbeitMutex;
    std::deque<std::function<void()>> arbeiten;
};

Zustand& zustand();

FensterObjekt* lebend(Fenster f);        // null unless the window lives
FensterObjekt* lesbar(Fenster f);        // also while it receives its Zerstoeren
void fehler(const std::string& text);
bool aufGui(const char* wer);            // false (and a failure) when called from another thread

// calls the procedure and logs the message
intptr_t zustellen(FensterObjekt* f, uint32_t nachricht, uintptr_t w, intptr_t l, bool gepostet);

// fenster.cpp
// a new living record without any message (fensterErzeugen sends them; dialogs get DialogInit)
FensterObjekt* fensterAnlegen(const std::string& klasse, FensterProc proc, const std::string& titel,
                              uint32_t stil, Rechteck aussen, FensterObjekt* eltern);
bool istOberstes(const FensterObjekt& f);
void ungueltigSetzen(FensterObjekt& f, bool ungueltig);   // the flag and the paint list
bool zeigtSich(const FensterObjekt& f);          // visible, not minimised, nor any parent
void aktivieren(Fenster f);                      // f's top-level window joins the front
void vordergrundNeu();                           // sends Aktivieren when the front changed
void fensterAufgeben(FensterObjekt& f);          // zuruecksetzen: dead without messages

// lageMelden around a change of a scroll bar's visibility
void scrollSichtbarkeitSetzen(FensterObjekt& f, bool vertikal, bool sichtbar);

// pumpe.cpp
void fensterAusPumpeEntfernen(Fenster f);        // its queued messages and timers
bool beendenWartet();                            // a quit request is in the queue
// processes one unit at a time until nothing is left, a quit request is next or fertig() holds
void abarbeitenBis(const std::function<bool()>& fertig);
// false (and a failure naming wer) for a dead, hidden or disabled window
bool eingabeMoeglich(Fenster f, const char* wer);

// bild.cpp: a paint with a fresh recording surface, kept as the window's last paint
void zeichnenZustellen(FensterObjekt* f, bool gepostet);

// menue.cpp
void menueHakenSetzen();

// dialog.cpp
DialogZustand* dialogVon(Fenster f);             // also while it receives its Zerstoeren
// what reaches a dialog's procedure: its window messages filtered and translated
intptr_t dialogZustellen(FensterObjekt& f, uint32_t nachricht, uintptr_t w, intptr_t l, bool gepostet);
// the procedure itself, logged; a modeless dialog ended inside it dies when the outermost call returns
intptr_t dialogProcRufen(FensterObjekt& f, uint32_t nachricht, uintptr_t w, intptr_t l, bool gepostet);
// F2 with a registered dialog: Befehl 2300 posted to it; true when the key was taken
bool f2Abfangen();

// dialog_elemente.cpp
test::DialogElementZustand* elementVon(Fenster dlg, int id);   // null for unknown ids

// dialog_skript.cpp
void schrittSpielen(Fenster dlg, const test::DialogSchritt& s);

} // namespace test::intern
} // namespace plattform
