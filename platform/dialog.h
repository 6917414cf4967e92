// platform/dialog.h - dialogs from templates, dialog procedures and their controls
//
// A template is a table in resources/: per control its id, kind, German text, the key of
// its text in the dialog texts, style bits and a place in a grid (group, row, column,
// span). The GUI side lays the controls out with grids; nobody places pixels.
//
// A dialog is a window (Fenster): timers, senden/posten, verschieben and fensterRechteck
// work on it. Its procedure gets:
//   DialogInit  w: 0, l: the opening parameter (0 when the procedure refills itself by
//               sending DialogInit)
//   Befehl      w: machWParam(control id, benachrichtigung::*), l: 0
//               Esc and the close box send Befehl with id 2 and close nothing by
//               themselves; Enter sends the template's default id. Editable combos
//               never add what the user types to their list.
//   Bewegen     l: (x, y) of the client origin on the screen; none before the dialog
//               was first placed by its procedure
//   HScroll/VScroll  w: machWParam(scroll::*, position), l: the control id
//   Zeichnen    w: the id of a paint area, l: Zeichenflaeche*
//   Aktivieren, Zeitgeber, Benutzer + n: as for windows
// and returns a value: for DialogInit 1, otherwise what the message asks for (mostly 0).
#pragma once
#include "platform/fenster.h"
#include <cstdint>
#include <span>
#include <string>

namespace plattform {

namespace nachricht {
constexpr uint32_t DialogInit = 0x110;
}

enum class ElementArt {
    Text,                 // static text
    Gruppe,               // group box: the controls of its group number sit inside it
    Eingabe,              // one-line edit
    EingabeMehrzeilig,
    Knopf,
    StandardKnopf,        // the button Enter presses
    Kontrollkasten,       // check box
    Optionsfeld,          // radio button
    Auswahlliste,         // drop-down list (no typing)
    Kombi,                // editable combo
    Liste,                // list box
    Schieberegler,        // trackbar
    AufAb,                // up-down arrows beside the control before it
    Scrollleiste,
    Malflaeche,           // a paint area: the procedure paints it on Zeichnen
};

namespace elementStil {
constexpr uint32_t Gesperrt = 0x1, Verborgen = 0x2, NurLesen = 0x4, Sortiert = 0x8,
                   Vertikal = 0x10,   // a vertical trackbar or scroll bar
                   Balken = 0x20;     // a paint area one text line high: a colour bar beside its control
}

struct DialogElement {
    int id;
    ElementArt art;
    const char* text;           // German, Windows-1252
    const char* textSchluessel; // its key in the dialog texts, "=" included ("" when none)
    uint32_t stil;
    int gruppe;                 // 0: the dialog itself; k: inside the k-th group box of the
                                // table (counted from 1 in table order)
    int zeile, spalte;
    int spanne = 1;             // columns it covers
};

struct DialogVorlage {
    int nummer;                 // the template number the program opens it by
    const char* titel;
    const char* titelSchluessel;
    std::span<const DialogElement> elemente;
    int standardId = 0;         // the control Enter presses; 0: the StandardKnopf, if any
};

// notification codes in the high word of Befehl
namespace benachrichtigung {
constexpr int Geklickt = 0, Geaendert = 1, FokusVerloren = 2, AuswahlGeaendert = 3,
              AuswahlOk = 4, KombiEditGeaendert = 5, KombiFokusVerloren = 6;
}

using DialogProc = intptr_t (*)(Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);

// The id Enter sends: the template's standardId, else its StandardKnopf, else 1 (OK).
int eingabetastenId(const DialogVorlage& v);

// Modal: blocks only the owner (null: no owner) and returns the result of dialogBeenden,
// or -1 when the template is unknown.
intptr_t dialogModal(const DialogVorlage& v, Fenster eigner, DialogProc proc, intptr_t parameter = 0);
// Modeless: returns the shown dialog, or null.
Fenster dialogModeless(const DialogVorlage& v, Fenster eigner, DialogProc proc, intptr_t parameter = 0);
// Ends the dialog with a result. Code after the call in the same handler still runs; a
// modal dialog returns when the handler is done, a modeless one is destroyed then.
void dialogBeenden(Fenster dlg, intptr_t ergebnis);
int vorlagenNummer(Fenster dlg);            // 0 for windows that are no dialogs

// ---- controls ----------------------------------------------------------------------
// Unknown ids are ignored (reads give "" / 0). Programmatic changes never notify.
void elementTextSetzen(Fenster dlg, int id, const std::string& text);
std::string elementText(Fenster dlg, int id, size_t maxLaenge = 8191);
// An edit: the text replaces the selection, or goes in at the caret, which then stands
// after it. The program's elementTextSetzen leaves the caret at the end, so inserting
// appends until the user places it elsewhere. The modified flag stays as it was.
void elementTextEinfuegen(Fenster dlg, int id, const std::string& text);
// Check boxes and radio buttons: a program's set touches only that control (radios of a
// group are cleared by the program); a user's click on a radio clears the other radios
// of its group box (or of the dialog, outside group boxes).
void hakenSetzen(Fenster dlg, int id, int zustand);     // 0 or 1
int haken(Fenster dlg, int id);                         // 1 checked, 0 not
// the modified flag of an edit: set by the user's typing, cleared by elementTextSetzen
bool elementGeaendert(Fenster dlg, int id);
void elementGeaendertSetzen(Fenster dlg, int id, bool geaendert);
void elementFreigeben(Fenster dlg, int id, bool an);
bool elementIstFreigegeben(Fenster dlg, int id);
void elementZeigen(Fenster dlg, int id, int anzeigeArt);   // 0 hides, 1 and 5 show
bool elementIstSichtbar(Fenster dlg, int id);
void elementFokussieren(Fenster dlg, int id, bool allesMarkieren);
void elementUngueltigMachen(Fenster dlg, int id);      // a paint area paints again

// drop-down lists, combos and list boxes
void listeLeeren(Fenster dlg, int id);
int listeHinzufuegen(Fenster dlg, int id, const std::string& text);   // index; sorted lists insert in order
int listeEinfuegen(Fenster dlg, int id, int index, const std::string& text);
bool listeEntfernen(Fenster dlg, int id, int index);
int listeAnzahl(Fenster dlg, int id);
std::string listeText(Fenster dlg, int id, int index);
void listeDatenSetzen(Fenster dlg, int id, int index, intptr_t daten);
intptr_t listeDaten(Fenster dlg, int id, int index);
int listeAuswahl(Fenster dlg, int id);                  // -1: none
void listeAuswahlSetzen(Fenster dlg, int id, int index); // -1 clears it
int listeSuchen(Fenster dlg, int id, const std::string& text);   // exact, case-insensitive; -1

// trackbars, up-downs and scroll bars of a dialog
void reglerBereichSetzen(Fenster dlg, int id, int min, int max);
void reglerPositionSetzen(Fenster dlg, int id, int position);
int reglerPosition(Fenster dlg, int id);

// ---- F2 in dialogs ------------------------------------------------------------------
// While a dialog is registered, F2 anywhere in the program reaches it as Befehl 2300
// (posted), even when it has no such button or the button is disabled; without a
// registration F2 in a dialog does nothing. A registration ends with its dialog; a new
// one replaces the old.
constexpr int befehlOkF2 = 2300;
void tastaturHookSetzen(Fenster dlg);
void tastaturHookEntfernen();
Fenster tastaturHookDialog();                 // the registered dialog, or null

} // namespace plattform
