// platform/test/testplattform.h - controls of the scripted platform for unit tests
//
// Windows are plain records, messages go through one queue, time is a virtual clock
// that moves only when a test (or a loop waiting for a timer) moves it. Boxes, popup
// menus and the file, colour and font choosers take their answers from scripted
// queues; one without an answer fails the running test with its text and returns at
// once, so nothing ever blocks. Every drawing call is recorded with the state it drew
// with, so painting and printing are checked call by call.
#pragma once
#include "platform/dialog.h"
#include "platform/drucken.h"
#include "platform/fenster.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "platform/zeichnen.h"
#include <concepts>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace plattform::test {

// Back to the start state: all windows, classes, menus, timers, queues, logs and
// scripted answers are gone, the clock stands at 0, the work area is 0,0-1920,1050, no
// printer but the PDF printer, no key pressed. Drawing objects, images, print jobs and
// cursors belong to the program and stay valid.
void zuruecksetzen();

// The frame of a top-level window, so tests can compute client rectangles: a border of
// rahmenBreite on all four sides, a title bar below the top border (titelHoehe, or
// werkzeugTitelHoehe for stil::Werkzeug) and a menu-bar row when one is set. Frameless
// windows (stil::Rahmenlos) have only the menu-bar row, children no frame at all.
// A maximised window fills the work area (a child: its parent's client area).
// Defaults where fensterErzeugen gets StandardPosition: top-level windows at
// (standardX, standardY) with 800 x 600, children at (0, 0) with 100 x 100.
constexpr int rahmenBreite = 8, titelHoehe = 22, werkzeugTitelHoehe = 16, menueHoehe = 20;
constexpr int standardX = 100, standardY = 80;

// ---- messages --------------------------------------------------------------
struct LogEintrag {
    Fenster fenster;
    uint32_t nachricht;
    uintptr_t w;
    intptr_t l;
    bool gepostet;        // came through the queue, or a paint or timer of the pump (else a direct call)
};
// every message that reached a window procedure, in order of arrival
const std::vector<LogEintrag>& nachrichtenLog();
std::vector<LogEintrag> nachrichtenVon(Fenster f);   // the log of one window
void logLeeren();
size_t wartendeNachrichten();                        // posted messages not yet delivered

// ---- the virtual clock -------------------------------------------------------
// Timers: 0 ms counts as 1 ms; a late timer brings one message however many periods it
// missed and is due again one period after it fired. Due timers, like paints, come only
// when no posted message waits (paints first). nachrichtenSchleife, when idle, moves the
// clock to the next timer as laufenBis does, and fails after 10 minutes of virtual time
// without a quit request. nachrichtenVerarbeitenGedrosselt pumps once the clock moved
// 20 ms since the last pass of any kind.
// Moves the clock forward by ms. On the way every timer that falls due fires in time
// order (a timer message is delivered and the queue is processed after it), unless
// pumpen is false, in which case only the time moves.
void uhrVorstellen(double ms, bool pumpen = true);

// The heart of every modal wait: processes the queue until fertig() holds. When the
// queue is empty and fertig() still does not hold, the clock jumps to the next due
// timer. When there is no timer either, the wait would block forever: the test fails
// with beschreibung and the function returns false. It also gives up (false, failure)
// once the clock moved more than maxMs.
bool laufenBis(const std::function<bool()>& fertig, const std::string& beschreibung,
               double maxMs = 600000.0);

// period in ms of the window's timer with this id, -1 when it is not set
double zeitgeberPeriode(Fenster f, uintptr_t id);

// ---- input -----------------------------------------------------------------
// Queue the messages a real key press or click would bring (down, char where the key
// has one, up; button down and up at client point x, y). Use nachrichtenVerarbeiten()
// to deliver them. A user cannot reach a dead, hidden or disabled window: that fails.
// F2 first passes the key filter of dialog.h: with a registered dialog it becomes Befehl
// 2300 posted to that dialog (whatever window it was aimed at, as long as that lives);
// without one, F2 aimed at a dialog does nothing. A modal dialog's owner is disabled, so
// keys aimed at it fail.
void tasteDruecken(Fenster f, int taste, char zeichen = 0);
void klicken(Fenster f, int x, int y, bool rechts = false);

// The user picks a command from the window's menu bar: each submenu on the way is
// announced (MenuePopupInit to f, w = submenu, l = its position), then Befehl is
// posted. A missing or grey item fails and returns false.
bool menueBefehlWaehlen(Fenster f, int befehl);
int menueLeisteZeichnungen(Fenster f);   // how often menueLeisteZeichnen(f) was called

// ---- boxes and popup menus -------------------------------------------------------
struct BoxEintrag {
    std::string titel, text;   // Windows-1252: the caption as the box shows it (boxTitel), the text as passed
    uint32_t art;
    int antwort;               // what the box returned
    bool beantwortet;          // false: no scripted answer was there (the test failed)
};
void boxAntworten(std::initializer_list<int> antworten);   // appended to the queue
// A rule for the boxes no scripted answer waits for (the benchmarks, which take whatever
// the program asks): it gets title, text and art of the box and returns one of its
// buttons, 0 for none (the box fails as without a rule). Empty: no rule (zuruecksetzen
// removes it too).
void boxRegelSetzen(std::function<int(const std::string& titel, const std::string& text, uint32_t art)> regel);
const std::vector<BoxEintrag>& boxLog();
size_t offeneBoxAntworten();

void popupAntworten(std::initializer_list<int> befehle);   // 0 = the user chose nothing
// the popups shown so far: the command ids of their items in order
const std::vector<std::vector<int>>& popupLog();

// ---- a user who declines what nobody scripted ---------------------------------------
// Off by default, and after zuruecksetzen. On, whatever finds no scripted answer is
// declined instead of failing the test: a box takes Cancel where it has one, else No, else
// OK (Nein: No before Cancel); the file, colour and font choosers are cancelled; a popup
// menu chooses nothing; a modal dialog without a script gets Cancel (command 2, as Esc)
// once the queue is done, and waits as before should it stay open. Scripted answers still
// come first; what was declined is logged as answered.
enum class Ablehnen { Aus, Abbrechen, Nein };
void unbeantwortetAblehnen(Ablehnen art);

// ---- desktop ---------------------------------------------------------------
void arbeitsbereichSetzen(Rechteck r);
void fokusFensterSetzen(Fenster f);   // as if the user had activated that window

// ---- drawing -----------------------------------------------------------------
// Every surface records its calls with the state in effect. Nothing is rasterised except
// in images (see bildPixel below).
// Text extents are fixed numbers, the same on every machine: a font of hoehe h is
// |h| pixels high (16 for h = 0); its mittlereBreite is round(height / 2), its oberlaenge
// round(height * 0.8), unterlaenge the rest. A text is bytes x mittlereBreite wide and
// one height high. Windows and images have 96 dpi, printer pages 600.
enum class ZeichenArt { Linie, Polylinie, Polygon, Rechteck, RechteckFuellen, Ellipse, Bogen, Text, BildZeichnen };

struct StiftWerte {
    int stil = stiftStil::Durchgehend;   // normalised: stiftStilNormiert
    int breite = 0;                      // 0: one pixel
    Farbe farbe = 0;
};
struct ZeichenZustand {
    StiftWerte stift;
    Farbe pinsel = 0xFFFFFF;             // KeineFarbe: hollow
    SchriftMerkmale schrift;
    Farbe textFarbe = 0, hintergrundFarbe = 0xFFFFFF;
    bool transparent = false;
    uint32_t ausrichtung = textAusrichtung::Links | textAusrichtung::Oben;
    bool ausschnitt = false;             // clipping to ausschnittRechteck
    Rechteck ausschnittRechteck;
};
struct ZeichenAufruf {
    ZeichenArt art;
    // Linie: from, to; Polylinie, Polygon: as given; Bogen: anfang, ende;
    // Text, BildZeichnen: the point given
    std::vector<Punkt> punkte;
    Rechteck rechteck;                   // Rechteck, RechteckFuellen, Ellipse, Bogen; BildZeichnen: where it lands
    Farbe farbe = KeineFarbe;            // RechteckFuellen
    std::string text;                    // Text, Windows-1252
    Bild bild = nullptr;                 // BildZeichnen: only to compare, it may be deleted by now
    ZeichenZustand zustand;
};

const std::vector<ZeichenAufruf>& aufrufe(Zeichenflaeche& z);
void aufrufeLeeren(Zeichenflaeche& z);
// A window's Zeichnen message carries a recording surface of its client size in l. These
// are the calls of the window's last paint through the pump or neuZeichnen (not those of
// fensterAbbild, which go to the image) and the area that was invalid for it.
const std::vector<ZeichenAufruf>& letzteZeichnung(Fenster f);
Rechteck letzterZeichenBereich(Fenster f);
int zeichenObjekteLebend();          // pens, brushes and fonts created and not deleted

// Images: the pixels follow rechteckFuellen (inside the clipping) and bildZeichnen only;
// everything else is in the recording. bildAlsBmp writes the pixels; bildAlsPng writes
// nothing here (the Qt suite covers real PNG files), it only records the request.
struct PngEintrag {
    std::string pfad;
    int breite, hoehe;
    std::vector<ZeichenAufruf> aufrufe;
};
const std::vector<PngEintrag>& pngLog();

// ---- printing ------------------------------------------------------------------
// The system's printers; druckerListe() adds the PDF printer last. standard "" (or a name
// not in the list) makes the PDF printer the default. Without a call: no other printer.
void druckerSetzen(const std::vector<std::string>& namen, const std::string& standard = "");
// An A4 sheet at 600 dpi: 4961 x 7016 device units (swapped for landscape); the printable
// area lies druckRand units inside every edge (5 mm).
constexpr int a4Breite = 4961, a4Hoehe = 7016, druckDpi = 600, druckRand = 118;
// The PDF printer with an empty pdfDatei asks through dateiWaehlen (save, titled
// eigenerText(EigenerText::PdfDruckenTitel)).
struct DruckEintrag {
    std::string drucker;                 // resolved: never ""
    bool quer;
    std::string dokument, pdfDatei;
    std::vector<ZeichenAufruf> aufrufe;
    bool gedruckt;                       // false: druckAbbrechen
};
const std::vector<DruckEintrag>& druckLog();   // each job as it ended
void druckBeendenScheitert();        // the next druckBeenden fails (logged as not printed)
void druckSeiteSetzen(const SeitenMasse& m);   // the next job's page instead of A4

// ---- choosers --------------------------------------------------------------------
// Answers come from queues, in order; a chooser with none fails the test with its title
// (or kind) and returns "cancelled" at once.
struct DateiAntwort {
    std::string ordner, name, endung;
    bool abgebrochen = false;
};
DateiAntwort dateiAntwort(const std::string& pfad);   // "ordner/name.endung" split
inline DateiAntwort dateiAbbruch() { return {{}, {}, {}, true}; }
void dateiAntworten(std::initializer_list<DateiAntwort> antworten);
void farbAntworten(std::initializer_list<Farbe> antworten);     // KeineFarbe: cancelled
struct SchriftAntwort {
    SchriftMerkmale merkmale;
    Farbe farbe = 0;
    bool abgebrochen = false;
};
void schriftAntworten(std::initializer_list<SchriftAntwort> antworten);
size_t offeneWahlAntworten();        // of all three queues

struct DateiWahlEintrag { DateiWahl gefragt; bool beantwortet; };   // the DateiWahl as passed in
struct FarbWahlEintrag { Farbe vorgabe; bool beantwortet; };
struct SchriftWahlEintrag { SchriftMerkmale vorgabe; Farbe farbe; bool beantwortet; };
const std::vector<DateiWahlEintrag>& dateiWahlLog();
const std::vector<FarbWahlEintrag>& farbWahlLog();
const std::vector<SchriftWahlEintrag>& schriftWahlLog();

// ---- controls ----------------------------------------------------------------------
// Status bar, text box and trackbar are child windows of the built-in classes below. A
// status bar is statusleisteHoehe high. A trackbar starts with the range 0..100 at 0.
constexpr const char* statusleisteKlasse = "Statusleiste";
constexpr const char* textfeldKlasse = "Textfeld";
constexpr const char* schiebereglerKlasse = "Schieberegler";
constexpr int statusleisteHoehe = 22;

struct StatusTeil { std::string text; uint32_t stil = 0; };   // text as set, a leading tab too
struct StatusleisteZustand {
    int id = 0;
    std::vector<int> kanten;
    std::map<int, StatusTeil> teile;     // statusEinfacherTeil holds the simple-mode text
    bool einfach = false;
};
struct TextfeldZustand {
    int id = 0;
    std::string text;
    bool nurLesen = false;
    SchriftMerkmale schrift;
};
struct SchiebereglerZustand {
    int id = 0, min = 0, max = 100, position = 0;
    bool vertikal = false;
};
// null when the handle is no such control (or was destroyed)
const StatusleisteZustand* statusleisteZustand(Fenster leiste);
const TextfeldZustand* textfeldZustand(Fenster feld);
const SchiebereglerZustand* schiebereglerZustand(Fenster regler);

// The user moves the trackbar: the position follows (within the range) and the parent
// gets HScroll/VScroll with machWParam(code, position) and l = the trackbar. Fails
// (and sends nothing) when the user could not reach it.
void schiebereglerBenutzen(Fenster regler, int code, int position);

// Window scroll bars start hidden. A visible vertical bar takes scrollLeistenBreite pixels
// from the right of the client area, a horizontal one from the bottom; the window gets
// Groesse when that changes. The position is kept in min..max - (seite - 1).
constexpr int scrollLeistenBreite = 17;
// The user works the bar: DaumenZiehen moves the thumb to position (within the range)
// and stays there until the program sets the bar or another code comes; the window gets
// HScroll/VScroll with machWParam(code, position), l = 0. A hidden bar fails.
void scrollen(Fenster f, bool vertikal, int code, int position = 0);

// the tip of (fenster, id), "" when none; the style of all tips
std::string tooltip(Fenster fenster, int id);
size_t tooltipAnzahl();
struct TooltipStil { bool gesetzt = false; SchriftMerkmale schrift; Farbe text = 0, hintergrund = 0; };
TooltipStil tooltipStilAbfragen();

// Built-in cursors are fixed handles; a loaded one stays valid for the whole process.
Cursor aktuellerCursor();                // of cursorSetzen; null before the first
Cursor fensterCursor(Fenster f);         // of fensterCursorSetzen; null when none
std::string cursorDatei(Cursor c);       // the path it was loaded from; "" for built-in ones

void tastenZustandSetzen(int welche, bool gedrueckt);   // tastenStatus::*
void feststellSetzen(bool an);

// ---- dialogs -------------------------------------------------------------------------
// A dialog is a top-level window record of the class dialogKlasse with the standard frame
// (see rahmenBreite), owned by the top-level window of its owner, opened centred in the
// work area. Its controls sit in grids: the dialog's own and one inside each group box
// (gruppeRand from its sides, gruppeKopf from its top). A control needs spanne *
// dialogSpalte pixels of width (a group box at least its inner grid plus gruppeRand on
// both sides) and dialogZeile of height (hoheZeilen * dialogZeile for list boxes,
// multi-line edits and paint areas, but dialogZeile for a colour bar (elementStil::Balken);
// gruppeKopf + inner grid + gruppeRand for a group box).
// Columns are dialogSpalte wide; a control needing more widens the last column it spans
// (in table order); it fills its columns and sits at the top of its row. A row is as high
// as its highest control, an empty one dialogZeile. The client area is the dialog's grid
// with dialogRand around it. Hidden controls keep their place.
// The procedure sees DialogInit, Befehl, Bewegen (once placed), HScroll/VScroll, Zeichnen
// of its paint areas, Aktivieren, Zeitgeber, Zerstoeren and Benutzer + n, nothing else;
// the message log shows exactly those for a dialog. Keys posted to a dialog (tasteDruecken)
// act as dialogTaste does. A paint area paints when the part of the dialog it covers was
// invalid and the queue is processed: Zeichnen with w = its id, l = a recording surface of
// its size (fensterAbbild of a dialog shows none of this). Trackbars, scroll bars and
// up-downs start with the range 0..100 at 0.
constexpr const char* dialogKlasse = "Dialog";
constexpr int dialogRand = 10, dialogSpalte = 100, dialogZeile = 24, hoheZeilen = 4,
              gruppeKopf = 20, gruppeRand = 8;

struct ListenEintrag { std::string text; intptr_t daten = 0; };
struct DialogElementZustand {
    int id = 0;
    ElementArt art = ElementArt::Text;
    uint32_t stil = 0;                   // the template's style bits
    int gruppe = 0;                      // the group box it sits in, 0: the dialog
    int gruppenNummer = 0;               // of a group box: its own number, 1.. in table order
    int zeile = 0, spalte = 0, spanne = 1;   // as in the template
    Rechteck platz;                      // in the dialog's client area
    std::string text;                    // a drop-down list: the chosen item's
    bool haken = false, freigegeben = true, sichtbar = true, nurLesen = false, geaendert = false;
    std::vector<ListenEintrag> eintraege;
    int auswahl = -1;
    int min = 0, max = 100, position = 0;
    bool allesMarkiert = false;          // as the last elementFokussieren asked
    size_t schreibmarke = 0;             // an edit's caret: at the end after every set and typing
    int zeichnungen = 0;                 // paints of a paint area so far
    std::vector<ZeichenAufruf> zeichnung;   // ... and the calls of the last one
};
// null for an unknown id or a window that is no dialog
const DialogElementZustand* dialogElement(Fenster dlg, int id);
int dialogFokus(Fenster dlg);            // the id of the last elementFokussieren, 0 when none
Fenster offenerDialog(int vorlage);      // the newest living dialog of that template, or null

// The user at an open dialog. Each acts at once (sending, not posting) and processes no
// queue; one the user could not do (dead, hidden or disabled dialog or control, unknown
// id, wrong kind of control, read-only edit, item out of range) fails and does nothing.
// tippen: replaces the text of an edit or editable combo, sets the modified flag, then
//   Geaendert (combo: KombiEditGeaendert); a combo's list and selection stay as they are.
void tippen(Fenster dlg, int id, const std::string& text);
// schreibmarkeSetzen: the user puts the caret of an edit at this byte (cut to the text)
void schreibmarkeSetzen(Fenster dlg, int id, size_t stelle);
// fokusVerlassen: FokusVerloren for edits, KombiFokusVerloren for combos, nothing else
void fokusVerlassen(Fenster dlg, int id);
// klicken: buttons; a check box toggles, a radio clears the other radios of its group box
// (or of the dialog, outside group boxes) and checks itself; then Geklickt
void klicken(Fenster dlg, int id);
// waehlen: item index of a list box or combo: selection (a combo's text too), then
//   AuswahlGeaendert, then AuswahlOk for combos
void waehlen(Fenster dlg, int id, int index);
// dialogTaste: Eingabe sends Befehl with the default id (the template's standardId, else its
//   StandardKnopf, else 1; nothing while that button is disabled), Esc sends Befehl 2, F2
//   goes to the registered dialog (Befehl 2300 posted) or nowhere. Other keys fail.
void dialogTaste(Fenster dlg, int taste);
void schliessenKlicken(Fenster dlg);     // the close box: Befehl 2; nothing closes by itself
// regler: trackbar, scroll bar or up-down to position (within its range), then HScroll or
//   VScroll (vertical ones and up-downs) with machWParam(code, position), l = its id
void regler(Fenster dlg, int id, int position, int code = scroll::DaumenPosition);

// One step of a modal dialog's script: a user action above, or a check that gets the
// dialog (a lambda converts): { schritt::tippen(1251, "5"), [](Fenster d) { ... }, schritt::klicken(1) }
struct DialogSchritt {
    enum class Art { Tippen, FokusVerlassen, Klicken, Waehlen, Taste, SchliessenKlicken, Regler, Pruefen };
    Art art = Art::Pruefen;
    int id = 0, wert = 0, code = 0;      // wert: index, key or position
    std::string text;
    std::function<void(Fenster)> pruefen;

    DialogSchritt() = default;
    DialogSchritt(Art a, int i, int w = 0, std::string t = {}, int c = 0)
        : art(a), id(i), wert(w), code(c), text(std::move(t)) {}
    template <class F>
        requires std::invocable<F&, Fenster>
    DialogSchritt(F f) : pruefen(std::move(f)) {}
};
namespace schritt {
inline DialogSchritt tippen(int id, std::string text) { return {DialogSchritt::Art::Tippen, id, 0, std::move(text)}; }
inline DialogSchritt fokusVerlassen(int id) { return {DialogSchritt::Art::FokusVerlassen, id}; }
inline DialogSchritt klicken(int id) { return {DialogSchritt::Art::Klicken, id}; }
inline DialogSchritt waehlen(int id, int index) { return {DialogSchritt::Art::Waehlen, id, index}; }
inline DialogSchritt taste(int t) { return {DialogSchritt::Art::Taste, 0, t}; }
inline DialogSchritt schliessenKlicken() { return {DialogSchritt::Art::SchliessenKlicken, 0}; }
inline DialogSchritt regler(int id, int position, int code = scroll::DaumenPosition)
{
    return {DialogSchritt::Art::Regler, id, position, {}, code};
}
} // namespace schritt

// Scripts per template number, in a queue: the n-th modal opening of that template takes
// the n-th script queued for it (modeless dialogs take none). dialogModal sends DialogInit,
// shows the dialog and processes the queue, then plays the steps one by one, processing
// the queue after each, until dialogBeenden was called and its handler returned. When the
// steps are used up (or there was no script) and the dialog is still open, it waits as
// laufenBis does: the clock jumps to the next timer. With no timer either, the test fails
// ("dialog N waits for the user") and the dialog ends with 2. Steps left over when the
// dialog ends fail too. A dialog destroyed without dialogBeenden returns 2. The owner's
// top-level window is disabled from the return of DialogInit until the dialog ends.
void dialogSkript(int vorlage, std::vector<DialogSchritt> schritte);
size_t offeneDialogSkripte();            // scripts not yet taken, of all templates

struct DialogOeffnung {
    int vorlage;
    Fenster eigner;                      // as passed
    intptr_t parameter;
    bool modal;
    bool geskriptet;                     // modal: a script was queued for it
    Fenster dialog;
    bool beendet = false;                // modal: returned; modeless: dialogBeenden was called
    intptr_t ergebnis = 0;
};
const std::vector<DialogOeffnung>& dialogLog();   // every opening in order

// ---- the event log: boxes, beeps and status texts in the order they came ----------
struct Ereignis {
    enum Art { Box, Piep, Status } art;
    std::string text;            // Box: its text; Status: the text as set
    int a = 0, b = 0;            // Box: answer, art bits; Piep: frequency, ms; Status: part, style bits
    Fenster fenster = nullptr;   // Status: the bar
};
const std::vector<Ereignis>& ereignisLog();

// every title a window that is no child got, at its creation or later, in order
struct TitelEintrag {
    Fenster fenster;
    std::string titel;   // Windows-1252, as set
};
const std::vector<TitelEintrag>& titelLog();

// How a failure is reported; by default a GoogleTest failure with the text. An empty
// function brings the default back (zuruecksetzen does too).
void fehlerBehandlungSetzen(std::function<void(const std::string&)> behandlung);

// ---- help pages ------------------------------------------------------------------
// every page hilfeSeiteZeigen was asked for, in order; it succeeds unless told otherwise
const std::vector<std::string>& hilfeSeitenLog();
void hilfeSeitenGelingen(bool ja);
void hilfeZuruecksetzen();   // zuruecksetzen does it too

} // namespace plattform::test
