// platform/qt/qtdialog.h - what a dialog keeps beside its window record
//
// Internal to platform/qt. A dialog is a window of ours whose frame is a QDialog and
// whose client holds the controls of its template in grids. The controls are plain Qt
// widgets, found by their id; their user signals become the procedure's messages
// (dialog_aufbau_qt.cpp), the item calls change them without a message
// (dialog_elemente_qt.cpp).
#pragma once
#include "platform/dialog.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/schiebemelder.h"
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace plattform::qt {

// one control of a dialog
struct DialogSteuer {
    int id = 0;
    ElementArt art = ElementArt::Text;
    uint32_t stil = 0;
    int gruppe = 0;                       // the group box it sits in (1..), 0: the dialog itself
    int spalte = 0, spanne = 1;           // its columns in that grid
    QPointer<QWidget> widget;
    QPointer<Schiebemelder> melder;       // trackbars, scroll bars and up-downs
    bool geaendert = false;               // edits: typed into since the program set the text
    int raum = QWIDGETSIZE_MAX;           // the widest its text may make it, in pixels
};

struct DialogDaten {
    int vorlage = 0;                      // the template number
    int standardId = 1;                   // what Enter sends (eingabetastenId)
    std::vector<DialogSteuer> steuer;     // in table order
    intptr_t ergebnis = 0;
    bool beendet = false;                 // dialogBeenden was called
    bool fertig = false;                  // ... and its handler returned, or the dialog died
    bool modal = false;
    QEventLoop* schleife = nullptr;       // the modal loop while it runs
};

// A handle kept by a Qt signal: the window may die and its address come back. Once
// Zerstoeren is on its way the dialog counts as gone: that is its last message.
struct DialogBezug {
    Fenster f = nullptr;
    uint64_t nummer = 0;
    Fenster lebend() const { return istFenster(f) && f->nummer == nummer && !f->stirbt ? f : nullptr; }
};

// a multi-line edit's text as last reported or set: Qt reports some single edits twice
constexpr const char* bekannterTextEigenschaft = "velnorBekannterText";

// Builds the controls of the template into the dialog's client area.
void steuerelementeAufbauen(Fenster dlg, const DialogVorlage& v);
// the control with this id (the first, should ids repeat); null for unknown ids, dead
// widgets and windows that are no dialogs
DialogSteuer* steuerelementVon(Fenster dlg, int id);
bool modalerDialogOffen();

// The text of a static text or of a button, check box or radio. A static text wider than
// its room wraps inside it; a button's label is cut with an ellipsis there (knopfText
// still gives all of it). So no language's text pushes a dialog past the work area.
void steuerTextSetzen(DialogSteuer& s, const QString& text);
// Shares the dialog's width out among its columns by what their texts want: where all of
// them fit on one line side by side, nothing wraps; else the widest columns give way
// first. Each text control then gets its room (see steuerTextSetzen). The dialog is
// measured after this, before it shows.
void texteEinpassen(Fenster dlg);
QString knopfText(const DialogSteuer& s);

} // namespace plattform::qt
