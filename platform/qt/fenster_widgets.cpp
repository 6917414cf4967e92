// platform/qt/fenster_widgets.cpp - Qt events of our widgets become messages
//
// Every handler takes the handle first and stops when the window died meanwhile: the
// procedure may destroy its own window from any message, and the widget lives on until
// Qt deletes it later.
#include "platform/qt/qtfenster.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/zeichensatz.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace plattform::qt {

namespace {

constexpr uint32_t keineFarbe = 0x1000000;

int tasteAusQt(const QKeyEvent* e)
{
    const int k = e->key();
    const bool ziffernblock = e->modifiers() & Qt::KeypadModifier;
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        return k;                                   // Qt uses the upper-case ASCII codes too
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return taste::F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Escape: return taste::Esc;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return taste::Tab;
    case Qt::Key_Backspace: return taste::Ruecktaste;
    case Qt::Key_Return:
    case Qt::Key_Enter: return taste::Eingabe;
    case Qt::Key_Insert: return taste::Einfg;
    case Qt::Key_Delete: return taste::Entf;
    case Qt::Key_Pause: return taste::Pause;
    case Qt::Key_Home: return taste::Pos1;
    case Qt::Key_End: return taste::Ende;
    case Qt::Key_Left: return taste::Links;
    case Qt::Key_Up: return taste::Hoch;
    case Qt::Key_Right: return taste::Rechts;
    case Qt::Key_Down: return taste::Runter;
    case Qt::Key_PageUp: return taste::BildHoch;
    case Qt::Key_PageDown: return taste::BildRunter;
    case Qt::Key_Shift: return taste::Umschalt;
    case Qt::Key_Control: return taste::Strg;
    case Qt::Key_Alt: return taste::Alt;
    case Qt::Key_CapsLock: return taste::Feststell;
    case Qt::Key_Space: return taste::Leer;
    case Qt::Key_Plus: return ziffernblock ? taste::NumPlus : taste::Plus;
    case Qt::Key_Minus: return ziffernblock ? taste::NumMinus : taste::Minus;
    case Qt::Key_Equal: return taste::Plus;
    case Qt::Key_Underscore: return taste::Minus;
    }
    return 0;
}

// Keys held with Alt (and F10, and Alt itself) go to the system variants of the messages.
bool systemTaste(const QKeyEvent* e, int code)
{
    return (e->modifiers() & Qt::AltModifier) || code == taste::F10 || code == taste::Alt;
}

// the characters the key types, as Windows-1252 codes
std::string zeichenVon(const QKeyEvent* e, int code)
{
    switch (code) {
    case taste::Esc: return "\x1b";
    case taste::Eingabe: return "\r";
    case taste::Ruecktaste: return "\b";
    case taste::Tab: return "\t";
    }
    std::string z;
    if (e->text().isEmpty() || !nachCp1252(e->text().toStdString(), z))
        return {};
    std::erase(z, '\x7f');                          // Delete types nothing
    return z;
}

uintptr_t mausFlags(const QMouseEvent* e)
{
    uintptr_t w = 0;
    if (e->buttons() & Qt::LeftButton)
        w |= maus::Links;
    if (e->buttons() & Qt::RightButton)
        w |= maus::Rechts;
    if (e->modifiers() & Qt::ShiftModifier)
        w |= maus::Umschalt;
    if (e->modifiers() & Qt::ControlModifier)
        w |= maus::Strg;
    return w;
}

struct FokusWechsel {
    QPointer<QWidget> alt, neu;
} fokusWechsel;

void mausMelden(Fenster f, QMouseEvent* e, uint32_t links, uint32_t rechts)
{
    uint32_t n = e->button() == Qt::LeftButton ? links : e->button() == Qt::RightButton ? rechts : 0;
    if (!f || !n)
        return;
    QPoint p = e->position().toPoint();
    senden(f, n, mausFlags(e), machLParam(p.x(), p.y()));
}

} // namespace

// ---- client area --------------------------------------------------------------

Klient::Klient(Fenster f, QWidget* eltern) : QWidget(eltern), FensterBezug(f)
{
    setMouseTracking(true);
    setFocusPolicy((f->stil & stil::Kind) ? Qt::NoFocus : Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, f->hintergrund != keineFarbe);
}

void Klient::paintEvent(QPaintEvent* e)
{
    Fenster f = fenster;
    if (!f)
        return;
    QPainter maler(this);
    if (f->hintergrund != keineFarbe)
        maler.fillRect(e->rect(), farbe(f->hintergrund));
    Zeichenflaeche z;
    const QSize g = klientGroesse(f);
    flaecheEinrichten(z, &maler, this, g.width(), g.height());
    const QRect& r = e->rect();
    z.bereich = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    senden(f, nachricht::Zeichnen, 0, reinterpret_cast<intptr_t>(&z));
}

void Klient::resizeEvent(QResizeEvent*)
{
    scrollLeistenAnordnen(fenster);
    groesseMelden(fenster);
}
void Klient::moveEvent(QMoveEvent*) { lageMelden(fenster); }

void Klient::keyPressEvent(QKeyEvent* e)
{
    Fenster f = fenster;
    if (!f)
        return;
    const int code = tasteAusQt(e);
    const bool system = systemTaste(e, code);
    if (code)
        senden(f, system ? nachricht::SystemTasteRunter : nachricht::TasteRunter, code,
               std::max(1, e->count()));
    if (system)
        return;
    for (char c : zeichenVon(e, code)) {
        if (!fenster)
            return;
        senden(f, nachricht::Zeichen, static_cast<unsigned char>(c), 1);
    }
}

void Klient::keyReleaseEvent(QKeyEvent* e)
{
    const int code = tasteAusQt(e);
    if (!fenster || !code || e->isAutoRepeat())      // a held key repeats its down message only
        return;
    senden(fenster, systemTaste(e, code) ? nachricht::SystemTasteHoch : nachricht::TasteHoch, code, 1);
}

void Klient::mousePressEvent(QMouseEvent* e)
{
    mausMelden(fenster, e, nachricht::LinksRunter, nachricht::RechtsRunter);
}

void Klient::mouseReleaseEvent(QMouseEvent* e)
{
    mausMelden(fenster, e, nachricht::LinksHoch, nachricht::RechtsHoch);
}

// the program tells double clicks by their timing: the second click is a plain down
void Klient::mouseDoubleClickEvent(QMouseEvent* e)
{
    mausMelden(fenster, e, nachricht::LinksRunter, nachricht::RechtsRunter);
}

void Klient::mouseMoveEvent(QMouseEvent* e)
{
    if (!fenster)
        return;
    QPoint p = e->position().toPoint();
    senden(fenster, nachricht::MausBewegung, mausFlags(e), machLParam(p.x(), p.y()));
}

// Qt sends focus-out first, when its focus already points at the new widget; focus-in
// learns the old one from there. Focus coming from nowhere (another program) brings 0.
void Klient::focusInEvent(QFocusEvent*)
{
    Fenster vorher = fokusWechsel.neu == this ? fensterVonWidget(fokusWechsel.alt) : nullptr;
    fokusWechsel = {};
    if (fenster)
        senden(fenster, nachricht::FokusErhalten, reinterpret_cast<uintptr_t>(vorher));
}

void Klient::focusOutEvent(QFocusEvent*)
{
    QWidget* neu = QApplication::focusWidget();
    fokusWechsel = {this, neu};
    if (fenster)
        senden(fenster, nachricht::FokusVerloren, reinterpret_cast<uintptr_t>(fensterVonWidget(neu)));
}

// ---- frame of a top-level window ----------------------------------------------

Rahmen::Rahmen(Fenster f, QWidget* eigner, Qt::WindowFlags art) : QWidget(eigner, art), FensterBezug(f) {}

void Rahmen::closeEvent(QCloseEvent* e)
{
    e->ignore();                     // the procedure decides; the standard one destroys
    if (fenster)
        senden(fenster, nachricht::Schliessen);
}

void Rahmen::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (!fenster)
        return;
    if (e->type() == QEvent::WindowStateChange)
        groesseMelden(fenster);
    else if (e->type() == QEvent::ActivationChange)
        aktivierungMelden(fenster, this);
}

void Rahmen::resizeEvent(QResizeEvent*) { anordnen(fenster); }
void Rahmen::moveEvent(QMoveEvent*) { lageMelden(fenster); }

void aktivierungMelden(Fenster f, QWidget* rahmen)
{
    // Qt lets tool windows share their owner's activation; only the window itself counts
    const bool aktiv = QApplication::activeWindow() == rahmen;
    if (istFenster(f) && aktiv != f->aktiv) {
        f->aktiv = aktiv;
        senden(f, nachricht::Aktivieren, aktiv ? 1 : 0);
    }
}

// ---- geometry ------------------------------------------------------------------

void anordnen(Fenster f)
{
    if (!istFenster(f) || !f->rahmen)
        return;
    const int b = f->rahmen->width(), h = f->rahmen->height();
    int hl = 0;
    if (f->leiste) {
        hl = f->leiste->heightForWidth(b);
        if (hl < 0)
            hl = f->leiste->sizeHint().height();
        f->leiste->setGeometry(0, 0, b, hl);
    }
    f->klient->setGeometry(0, hl, b, std::max(0, h - hl));
}

void groesseMelden(Fenster f)
{
    if (!istFenster(f) || f->dialog)     // a dialog's procedure hears nothing of sizes
        return;
    uintptr_t art = groesse::Wiederhergestellt;
    if (f->rahmen && f->rahmen->isMinimized())
        art = groesse::Minimiert;
    else if (f->rahmen && f->rahmen->isMaximized())
        art = groesse::Maximiert;
    const QSize g = klientGroesse(f);
    const int b = g.width(), h = g.height();
    if (art == f->gemeldeteArt && b == f->gemeldeteBreite && h == f->gemeldeteHoehe)
        return;
    f->gemeldeteArt = art;
    f->gemeldeteBreite = b;
    f->gemeldeteHoehe = h;
    // a minimised window has no client area to lay out
    senden(f, nachricht::Groesse, art, art == groesse::Minimiert ? 0 : machLParam(b, h));
}

void lageMelden(Fenster f)
{
    if (!istFenster(f) || f->lageStumm)
        return;
    QPoint o = f->klient->mapToGlobal(QPoint(0, 0));
    if (o.x() == f->gemeldetesX && o.y() == f->gemeldetesY)
        return;
    f->gemeldetesX = o.x();
    f->gemeldetesY = o.y();
    senden(f, nachricht::Bewegen, 0, machLParam(o.x(), o.y()));
}

} // namespace plattform::qt
