// dialogs/rahmen.h - the frame every dialog follows, and the small shared helpers
#pragma once
#include "core/status.h"
#include "model/zeichengrenzen.h"
#include "platform/dialog.h"
#include "platform/menue.h"
#include <string>

// The state of one dialog procedure; it outlives the openings, so the position carries
// over for the whole program run.
struct DialogRahmen {
    int frisch = 1;              // 1: the next DialogInit is an opening
    int x = 0, y = 0;            // outer top-left where the dialog was last
    int breite = 0, hoehe = 0;   // measured at each opening
};

// What a dialog does at its DialogInit, handed to dialogInitialisieren.
struct DialogInitTeile {
    void (*einmalig)(plattform::Fenster) = nullptr;     // the opening's own work: hook, working copy, ...
    void (*texteSetzen)(plattform::Fenster) = nullptr;  // the text applier of the language files
    void (*fuellen)(plattform::Fenster) = nullptr;      // every control from the working values
};
// Every DialogInit goes through here. An opening (fresh flag set) runs the dialog's own
// one-time work; then every time the text applier sets the texts of the session's language
// (a dialog rebuilt by its opener is a new window) and the controls are filled; only then
// is an opening measured and placed, so the dialog is measured with the texts it shows
// (texts make it wider, and the work area must hold it as it shows); last it goes to its
// place. A refill (fresh flag clear) sets texts and fills; the dialog stays where it is.
void dialogInitialisieren(plattform::Fenster dlg, DialogRahmen& r, const DialogInitTeile& teile);

// The steps of the above for dialogs of their own order. dialogPlatzieren measures the
// dialog and keeps the stored position only where it lies inside the work area, each
// axis on its own; otherwise centres that axis. dialogAnPosition moves the dialog to the
// stored position with the measured size.
void dialogPlatzieren(plattform::Fenster dlg, DialogRahmen& r);
void dialogAnPosition(plattform::Fenster dlg, const DialogRahmen& r);
// Bewegen: remembers the outer top-left, so a reopened dialog does not creep.
void dialogPositionMerken(plattform::Fenster dlg, DialogRahmen& r);

// The closing buttons: keyboard hook off where the dialog had it, end with the result,
// fresh flag set.
void dialogSchliessen(plattform::Fenster dlg, DialogRahmen& r, intptr_t ergebnis, bool mitHook);
// "OK - F2": the main window's command that starts a run, before the caller returns
void simulationAusDialogStarten();

// The start every dialog shares that edits the record handed in its DialogInit parameter
// (an opening takes it; a refill keeps the record unless it hands another): Bewegen remembers
// the position; DialogInit ends the dialog with ohneSatz when there is no record, else
// initialises it with teile; Zerstoeren marks the frame fresh, so an opening that ended
// without the dialog's own close never leaves the next one a stale record.
// True when the message was one of these three; antwort then holds what the procedure returns.
template <class Satz>
bool satzDialogAnfang(plattform::Fenster dlg, uint32_t n, intptr_t l, DialogRahmen& r, Satz*& satz,
                      const DialogInitTeile& teile, intptr_t& antwort, intptr_t ohneSatz = 2)
{
    if (n == plattform::nachricht::Bewegen) {
        dialogPositionMerken(dlg, r);
        antwort = 0;
        return true;
    }
    if (n == plattform::nachricht::Zerstoeren) {
        // however the dialog ended, the next opening takes the record it is given
        r.frisch = 1;
        antwort = 0;
        return true;
    }
    if (n != plattform::nachricht::DialogInit)
        return false;
    if (r.frisch || l != 0)
        satz = reinterpret_cast<Satz*>(l);
    if (!satz)
        dialogSchliessen(dlg, r, ohneSatz, false);
    else
        dialogInitialisieren(dlg, r, teile);
    antwort = 1;
    return true;
}

// A number field as the dialogs read it: kommaZahlLesen, a comma counting as the point when
// the text has none. "nan", "inf" and numbers too large for a double are no numbers: 0.
// For fields whose value is stored, use dialogZahlFeldLesen, which refuses such text.
double dialogZahlLesen(plattform::Fenster dlg, int id);
// The number a field's text holds, read as dialogZahlLesen reads it; an empty field (blanks
// only) reads as 0. False when no number can be read: letters only, "nan", "inf", a value
// beyond the double range.
bool dialogTextZahl(const std::string& text, double& aus);
// A number field whose value is stored. When its text holds no number (see dialogTextZahl)
// a notice names the field (feld, as the dialog shows it), the focus goes into the field
// with its text selected, and false comes back; aus is then unchanged.
bool dialogZahlFeldLesen(plattform::Fenster dlg, int id, const std::string& feld, double& aus);
// The same, and the number must lie in von..bis (notice naming the field and the range).
bool dialogZahlFeldLesen(plattform::Fenster dlg, int id, const std::string& feld, double von, double bis,
                         double& aus);
// A whole-number field (plain integer conversion, values beyond the int range clamped)
// that must lie in von..bis. A text without a number gets the notice of
// dialogZahlFeldLesen; outside the range a notice names the field (feld, as the dialog
// shows it) and the range. Either way the focus goes into the field with its text
// selected, and false comes back; aus is then unchanged. An empty field reads as 0.
bool dialogGanzzahlLesen(plattform::Fenster dlg, int id, int von, int bis, const std::string& feld, int& aus);
// A field whose value must not lie below that of another field (an end before its begin,
// "bis" below "von"): otherwise a notice names both fields (as the dialog shows them), the
// focus goes into the field with its text selected, and false comes back.
bool dialogFeldNichtUnter(plattform::Fenster dlg, int id, const std::string& feld, double wert,
                          const std::string& anderesFeld, double andererWert);
// The same three readers naming the field by its label (feldBeschriftung).
bool dialogZahlFeldLesen(plattform::Fenster dlg, int id, double& aus);
bool dialogZahlFeldLesen(plattform::Fenster dlg, int id, double von, double bis, double& aus);
bool dialogGanzzahlLesen(plattform::Fenster dlg, int id, int von, int bis, int& aus);

// What a typed size may reach before it goes into pixel arithmetic: sizes and distances
// in pixels, and line widths (the ranges the file readers clamp to).
constexpr int groesseMax = groessteZeichenGroesse, linienbreiteMax = groessteLinienDicke;

// The label a field shows, for the notices that name it: in the dialog's template the
// static (or the check box or radio button with a text) nearest to the field's left in the
// same row of the same group box, as it reads now (access-key marks dropped); "" when the
// field has none there.
std::string feldBeschriftung(plattform::Fenster dlg, int id);

// one measure of a window's screen rectangle: 1 height, 2 width, 3 left, 4 top; else 0
int fensterMass(plattform::Fenster f, int welches);
void dialogElementAktivieren(plattform::Fenster dlg, int id, int an);
void dialogElementFokussieren(plattform::Fenster dlg, int id, int allesMarkieren);
// The position of the item bearing text (exact, at most 64 characters compared) in menu,
// or, with no menu, in the first of the main menu's submenus 0..19 that holds it; -1.
int menuePunktSuchen(plattform::Menue menue, const std::string& text);
// A negative item is a position (its absolute value), otherwise a command id. The
// item's text is read into meldungsPuffer; with kopieren it is copied into text,
// otherwise the item gets text as a plain item, enabled and unchecked.
bool menueTextSetzen(plattform::Menue menue, int posten, std::string& text, int kopieren);
