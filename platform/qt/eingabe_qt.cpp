// platform/qt/eingabe_qt.cpp - cursors, the beep, and the state of Shift, Ctrl and CapsLock
//
// Qt's modifier flags do not tell the left key from the right one. An application-wide
// filter follows the presses and releases of the four keys by their key symbols instead;
// where it has seen nothing (the key went down before the program had the focus), the
// modifier flag answers for both sides.
#include "platform/cursor_datei.h"
#include "platform/qt/qtfenster.h"
#include "platform/steuerelemente.h"
#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>
#include <map>
#include <memory>

namespace plattform {

struct CursorObjekt {
    QCursor cursor;
};

namespace {

// ---- cursors ------------------------------------------------------------------------------


// Loaded cursors stay for the whole run, as their handles may be kept anywhere; never
// torn down, as a QCursor must not outlive the application.
auto& geladeneCursor = *new std::map<std::string, std::unique_ptr<CursorObjekt>>;

struct Uebersteuerung {
    bool aktiv = false;
    Fenster fenster = nullptr;            // where the mouse was when it was set
} uebersteuerung;

void uebersteuerungBeenden()
{
    if (uebersteuerung.aktiv)
        QGuiApplication::restoreOverrideCursor();
    uebersteuerung = {};
}


// ---- keys ---------------------------------------------------------------------------------

// key symbols of the display server for the left and right keys
constexpr quint32 symUmschaltLinks = 0xffe1, symUmschaltRechts = 0xffe2;
constexpr quint32 symStrgLinks = 0xffe3, symStrgRechts = 0xffe4;

struct Tasten {
    bool gedrueckt[4] = {};               // tastenStatus::*
    bool bekannt[2] = {};                 // Shift, Ctrl: the sides are known from their keys
    bool feststell = false;
} tasten;

void seiteSetzen(int welche, bool runter)
{
    tasten.gedrueckt[welche] = runter;
    tasten.bekannt[welche / 2] = true;
}

// An event's modifier flags: a modifier that is up has both sides up, whatever release
// we missed.
void seitenVergessen(Qt::KeyboardModifiers m)
{
    if (!(m & Qt::ShiftModifier))
        seiteSetzen(tastenStatus::LinksUmschalt, false), seiteSetzen(tastenStatus::RechtsUmschalt, false);
    if (!(m & Qt::ControlModifier))
        seiteSetzen(tastenStatus::LinksStrg, false), seiteSetzen(tastenStatus::RechtsStrg, false);
}

// nothing known any more: the modifier flags answer until the keys are seen again
void allesVergessen()
{
    tasten.gedrueckt[0] = tasten.gedrueckt[1] = tasten.gedrueckt[2] = tasten.gedrueckt[3] = false;
    tasten.bekannt[0] = tasten.bekannt[1] = false;
}

void tasteVerfolgen(const QKeyEvent* e)
{
    const bool runter = e->type() == QEvent::KeyPress;
    switch (e->nativeVirtualKey()) {
    case symUmschaltLinks: seiteSetzen(tastenStatus::LinksUmschalt, runter); return;
    case symUmschaltRechts: seiteSetzen(tastenStatus::RechtsUmschalt, runter); return;
    case symStrgLinks: seiteSetzen(tastenStatus::LinksStrg, runter); return;
    case symStrgRechts: seiteSetzen(tastenStatus::RechtsStrg, runter); return;
    }
    if (e->key() == Qt::Key_Shift || e->key() == Qt::Key_Control) {
        tasten.bekannt[e->key() == Qt::Key_Shift ? 0 : 1] = false;   // a side we cannot tell
        return;
    }
    // any other key tells which modifiers are really down
    seitenVergessen(e->modifiers());
    if (!runter || e->isAutoRepeat())
        return;
    if (e->key() == Qt::Key_CapsLock) {
        tasten.feststell = !tasten.feststell;
        return;
    }
    // a typed letter shows the lock's state, whatever it was when the program started
    const QString t = e->text();
    if (t.size() == 1 && t[0].isLetter() && t[0].toUpper() != t[0].toLower()) {
        const bool umschalt = e->modifiers() & Qt::ShiftModifier;
        tasten.feststell = t[0].isUpper() != umschalt;
    }
}

class TastenFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            tasteVerfolgen(static_cast<QKeyEvent*>(e));
            return qt::f2Abfangen(o, static_cast<QKeyEvent*>(e));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            seitenVergessen(static_cast<QMouseEvent*>(e)->modifiers());
            break;
        case QEvent::MouseMove:
            // a cursor set for now lasts until the mouse goes to another window
            if (uebersteuerung.aktiv && o->isWidgetType())
                if (Fenster f = qt::fensterVonWidget(static_cast<QWidget*>(o)); f && f != uebersteuerung.fenster)
                    uebersteuerungBeenden();
            break;
        case QEvent::ApplicationDeactivate:
            allesVergessen();                  // releases elsewhere never reach us
            break;
        default:
            break;
        }
        return false;
    }
};

QPointer<TastenFilter> filter;

} // namespace

namespace qt {

void tastenBeobachten()
{
    if (!filter && QCoreApplication::instance()) {
        filter = new TastenFilter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

} // namespace qt

// ---- cursors ------------------------------------------------------------------------------

Cursor standardCursor(int art)
{
    static CursorObjekt* eingebaut = new CursorObjekt[3]{
        {QCursor(Qt::ArrowCursor)}, {QCursor(Qt::WaitCursor)}, {QCursor(Qt::CrossCursor)}};
    switch (art) {
    case cursorArt::Warten: return &eingebaut[1];
    case cursorArt::Kreuz: return &eingebaut[2];
    default: return &eingebaut[0];
    }
}

Cursor cursorLaden(const std::string& pfad)
{
    if (auto it = geladeneCursor.find(pfad); it != geladeneCursor.end())
        return it->second.get();
    std::string bytes;
    CursorKopf kopf;
    if (!cursorDateiLesen(pfad, bytes, kopf))
        return nullptr;
    // Qt's reader of icon files reads cursors too
    const QImage bild = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                         static_cast<int>(bytes.size()), "CUR");
    if (bild.isNull())
        return nullptr;
    const int x = std::clamp(kopf.hotspotX, 0, bild.width() - 1), y = std::clamp(kopf.hotspotY, 0, bild.height() - 1);
    auto c = std::make_unique<CursorObjekt>(CursorObjekt{QCursor(QPixmap::fromImage(bild), x, y)});
    Cursor ergebnis = c.get();
    geladeneCursor[pfad] = std::move(c);
    return ergebnis;
}

void fensterCursorSetzen(Fenster f, Cursor c)
{
    if (!istFenster(f))
        return;
    if (c)
        f->klient->setCursor(c->cursor);
    else
        f->klient->unsetCursor();
}

void cursorSetzen(Cursor c)
{
    if (!c || !QCoreApplication::instance()) {
        uebersteuerungBeenden();
        return;
    }
    if (uebersteuerung.aktiv)
        QGuiApplication::changeOverrideCursor(c->cursor);
    else
        QGuiApplication::setOverrideCursor(c->cursor);
    uebersteuerung = {true, qt::fensterVonWidget(QApplication::widgetAt(QCursor::pos()))};
}

// ---- sound and keys ----------------------------------------------------------------------

// The desktop's bell: its pitch and length are the desktop's, not the program's.
void piepen(int, int) { QApplication::beep(); }

bool tasteGedrueckt(int welche)
{
    if (welche < 0 || welche > 3)
        return false;
    if (tasten.gedrueckt[welche] || tasten.bekannt[welche / 2])
        return tasten.gedrueckt[welche];
    const bool umschalt = welche / 2 == 0;
    if (!QGuiApplication::instance())
        return false;
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    return m & (umschalt ? Qt::ShiftModifier : Qt::ControlModifier);
}

// Best effort: the lock's state as the key events showed it (the CapsLock key toggles
// it, a typed letter shows it); before any of them it counts as off.
bool feststelltasteAn() { return tasten.feststell; }

} // namespace plattform
