// platform/qt/qtfenster.h - the window record behind a handle and the widgets it owns
//
// Internal to platform/qt. A top-level window is a Rahmen (the frame: title, menu bar)
// holding a Klient (the client area that paints and gets input); a child window is a
// Klient alone, placed in its parent's Klient. A dialog's frame is a QDialog of its own
// (dialog_qt.cpp) around a client that holds the controls.
#pragma once
#include "platform/fenster.h"
#include "platform/menue.h"
#include <QColor>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>
#include <climits>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QKeyEvent;

namespace plattform {

struct DateiFilter;

namespace qt {
class Klient;
struct DialogDaten;
}

// one of the window's own scroll bars (scrollleiste_qt.cpp)
struct FensterScroll {
    QPointer<QScrollBar> leiste;          // made when the program first sets the bar
    int min = 0, max = 100, seite = 0, position = 0;
    bool sichtbar = false;                // our own flag: isVisible() is false in a hidden window
    bool gehandelt = false;               // a line or page action since the button went down
};

struct FensterObjekt {
    uint64_t nummer = 0;                  // unique over the run: tells a new window from a dead one
    std::string klasse;
    FensterProc proc = nullptr;
    uint32_t hintergrund = 0xFFFFFF;
    uint32_t stil = 0;
    Fenster eltern = nullptr;             // parent of a child, owner of a top-level window
    intptr_t daten = 0;
    Menue menue = nullptr;
    QPointer<QWidget> rahmen;             // a Rahmen, a dialog's QDialog; null for child windows
    QPointer<qt::Klient> klient;
    QPointer<QMenuBar> leiste;
    std::map<uintptr_t, int> zeitgeber;   // our id -> Qt timer id
    bool freigegeben = true;
    bool aktiv = false;                   // last Aktivieren sent
    bool stirbt = false;                  // Zerstoeren is on its way
    int id = 0;                           // control id of a built-in child (status bar, ...)
    FensterScroll scroll[2];              // [0] horizontal, [1] vertical
    // what Groesse and Bewegen reported last: they are sent on change only
    uintptr_t gemeldeteArt = UINTPTR_MAX;
    int gemeldeteBreite = -1, gemeldeteHoehe = -1;
    int gemeldetesX = INT_MIN, gemeldetesY = INT_MIN;
    bool lageStumm = false;               // a dialog reports no moves before it was first placed
    std::shared_ptr<qt::DialogDaten> dialog;   // set for dialogs (qtdialog.h)
};

namespace qt {

// what a widget that makes up a window knows of it; fenster is null once it is destroyed
struct FensterBezug {
    explicit FensterBezug(Fenster f) : fenster(f) {}
    virtual ~FensterBezug() = default;
    Fenster fenster;
};

class Klient : public QWidget, public FensterBezug {
public:
    Klient(Fenster f, QWidget* eltern);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }   // Tab belongs to the program
};

class Rahmen : public QWidget, public FensterBezug {
public:
    Rahmen(Fenster f, QWidget* eigner, Qt::WindowFlags art);

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
};

// the outer widget: the frame of a top-level window, the client of a child
QWidget* aussen(Fenster f);
// our window whose client holds w (w itself or an ancestor), or null; null too when the
// nearest window there is destroyed
Fenster fensterVonWidget(QWidget* w);
// Enters a record made elsewhere (a dialog) into the registry and numbers it.
Fenster fensterEintragen(std::unique_ptr<FensterObjekt> objekt);

// The outer rectangle of a window on the screen (a child's in its parent's client area),
// and placing a window by that rectangle. Both take the frame's widths from one place, so
// a window put where it was measured stays there and its procedure stores what it gets.
QRect aussenGeometrie(Fenster f);
void aussenGeometrieSetzen(Fenster f, int x, int y, int breite, int hoehe);

// places menu bar and client inside the frame (also while hidden, when Qt sends no
// resize events yet)
void anordnen(Fenster f);
// send Groesse / Bewegen when the state, client size or client origin changed
void groesseMelden(Fenster f);
void lageMelden(Fenster f);
// Aktivieren when the frame became or stopped being the active window
void aktivierungMelden(Fenster f, QWidget* rahmen);

void zeitgeberAlleLoeschen(Fenster f);       // nachrichten.cpp
void pumpeVermerken();                       // nachrichten.cpp: a pump just happened
void leisteAufbauen(Fenster f);              // menue_qt.cpp
void menueGuiEinrichten();                   // menue_qt.cpp: sets menueGuiFreigabe
void menuesAufraeumen();                     // menue_qt.cpp: before the application ends
void verteilerEinrichten();                  // nachrichten.cpp
void verteilerAufraeumen();
void alleFensterZerstoeren();                // fenster.cpp: before the application ends

QString text(const std::string& cp1252);     // Windows-1252 -> QString
std::string text(const QString& s);          // QString -> Windows-1252 ('?' for the rest)
QColor farbe(uint32_t bgr);                  // 0x00BBGGRR -> QColor

// the client area without the visible scroll bars, which lie over its right and bottom
// edge (scrollleiste_qt.cpp)
QSize klientGroesse(Fenster f);
void scrollLeistenAnordnen(Fenster f);       // after the client widget changed its size

// the built-in classes of the controls that are windows of ours (steuerelemente_qt.cpp);
// registered at start and again before each use, so they exist whatever ran first
constexpr const char* statusleisteKlasse = "Statusleiste";
constexpr const char* textfeldKlasse = "Textfeld";
constexpr const char* schiebereglerKlasse = "Schieberegler";
void eingebauteKlassenRegistrieren();
intptr_t statusleisteProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l);   // statusleiste_qt.cpp
void tastenBeobachten();                     // eingabe_qt.cpp: the application-wide key filter
// f2_qt.cpp: F2 for the registered dialog; true when the key is used up
bool f2Abfangen(QObject* ziel, const QKeyEvent* e);
void dialogStirbt(Fenster f);                // dialog_qt.cpp: from fensterZerstoeren
// dialog_qt.cpp: a dialog its procedure has not placed yet, still hidden, takes the size
// its present texts need and stands centred again, so what the procedure measures is
// what shows; other windows are left alone
void dialogEinpassen(Fenster f);
// waehler_qt.cpp: the file dialog's filters, "text (muster ...)" with every letter of a
// pattern matching either case ("*.KNL" -> "*.[kK][nN][lL]")
QStringList dateiFilterListe(const std::vector<DateiFilter>& filter);

// Widgets that are not windows of ours (the controls of dialogs) carry their control id
// in this property, so tooltips and lookups by id find them.
constexpr const char* steuerIdEigenschaft = "velnorSteuerId";

} // namespace qt
} // namespace plattform
