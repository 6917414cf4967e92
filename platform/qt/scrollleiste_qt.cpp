// platform/qt/scrollleiste_qt.cpp - a window's own scroll bars
//
// The bars lie over the right and bottom edge of the client widget; while one is visible
// the client area the program sees is that much smaller, and the window gets Groesse when
// that changes. The bar never moves itself for line and page clicks: it reports them and
// the program sets the new position. Only the thumb follows the mouse while it is dragged,
// and goes back to the program's position when it is let go.
#include "platform/qt/schiebemelder.h"
#include "platform/qt/qtfenster.h"
#include "platform/steuerelemente.h"
#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace plattform {

namespace {

constexpr int leistenBreite = 17;         // as wide as the program's layouts reckon with

int hoechstePosition(const FensterScroll& s) { return std::max(s.min, s.max - std::max(s.seite - 1, 0)); }

uint32_t meldung(bool vertikal) { return vertikal ? nachricht::VScroll : nachricht::HScroll; }

// the window whose bar this is, or null once the window is gone
Fenster fensterDerLeiste(QScrollBar* l) { return qt::fensterVonWidget(l->parentWidget()); }

void aufPositionZurueck(QScrollBar* l, const FensterScroll& s)
{
    const QSignalBlocker ruhe(l);
    l->setValue(s.position);
}

void handeln(QScrollBar* l, bool vertikal, int aktion)
{
    Fenster f = fensterDerLeiste(l);
    if (!f)
        return;
    FensterScroll& s = f->scroll[vertikal ? 1 : 0];
    int code = qt::scrollCodeVonAktion(aktion);
    if (aktion == QAbstractSlider::SliderMove) {
        if (l->isSliderDown()) {
            senden(f, meldung(vertikal), machWParam(scroll::DaumenZiehen, l->sliderPosition()), 0);
            return;
        }
        // the wheel: a line in its direction
        code = l->sliderPosition() < s.position ? scroll::ZeileHoch : scroll::ZeileRunter;
    }
    if (code < 0)
        return;
    s.gehandelt = true;
    l->setSliderPosition(s.position);      // Qt finishes the action with this position
    senden(f, meldung(vertikal), machWParam(code, s.position), 0);
}

void losgelassen(QScrollBar* l, bool vertikal)
{
    Fenster f = fensterDerLeiste(l);
    if (!f)
        return;
    const int daumen = l->sliderPosition();
    senden(f, meldung(vertikal), machWParam(scroll::DaumenPosition, daumen), 0);
    if (istFenster(f))
        senden(f, meldung(vertikal), machWParam(scroll::ScrollEnde, 0), 0);
    if (istFenster(f))
        aufPositionZurueck(l, f->scroll[vertikal ? 1 : 0]);
}

// the end of a run of line or page clicks (the thumb's end comes with its release)
class LeistenFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonRelease)
            return false;
        auto* l = static_cast<QScrollBar*>(o);
        Fenster f = fensterDerLeiste(l);
        if (!f || l->isSliderDown())
            return false;
        const bool vertikal = l->orientation() == Qt::Vertical;
        FensterScroll& s = f->scroll[vertikal ? 1 : 0];
        if (s.gehandelt) {
            s.gehandelt = false;
            senden(f, meldung(vertikal), machWParam(scroll::ScrollEnde, 0), 0);
        }
        return false;
    }
};

QScrollBar* leisteAnlegen(Fenster f, bool vertikal)
{
    auto* l = new QScrollBar(vertikal ? Qt::Vertical : Qt::Horizontal, f->klient);
    l->setFocusPolicy(Qt::NoFocus);
    l->setSingleStep(1);
    l->hide();
    l->installEventFilter(new LeistenFilter(l));
    QObject::connect(l, &QAbstractSlider::actionTriggered, l, [l, vertikal](int a) { handeln(l, vertikal, a); });
    QObject::connect(l, &QAbstractSlider::sliderReleased, l, [l, vertikal] { losgelassen(l, vertikal); });
    f->scroll[vertikal ? 1 : 0].leiste = l;
    return l;
}

bool zeigt(const FensterScroll& s) { return s.sichtbar && s.leiste; }

} // namespace

namespace qt {

QSize klientGroesse(Fenster f)
{
    if (!istFenster(f))
        return {};
    int b = f->klient->width(), h = f->klient->height();
    if (zeigt(f->scroll[1]))
        b -= leistenBreite;
    if (zeigt(f->scroll[0]))
        h -= leistenBreite;
    return {std::max(0, b), std::max(0, h)};
}

void scrollLeistenAnordnen(Fenster f)
{
    if (!istFenster(f))
        return;
    const int b = f->klient->width(), h = f->klient->height();
    const FensterScroll &waag = f->scroll[0], &senk = f->scroll[1];
    if (zeigt(senk)) {
        senk.leiste->setGeometry(b - leistenBreite, 0, leistenBreite, std::max(0, h - (zeigt(waag) ? leistenBreite : 0)));
        senk.leiste->raise();
    }
    if (zeigt(waag)) {
        waag.leiste->setGeometry(0, h - leistenBreite, std::max(0, b - (zeigt(senk) ? leistenBreite : 0)), leistenBreite);
        waag.leiste->raise();
    }
}

} // namespace qt

void scrollLeisteSetzen(Fenster f, bool vertikal, int min, int max, int seite, int position)
{
    if (!istFenster(f))
        return;
    FensterScroll& s = f->scroll[vertikal ? 1 : 0];
    QScrollBar* l = s.leiste ? s.leiste.data() : leisteAnlegen(f, vertikal);
    s.min = min;
    s.max = max;
    s.seite = std::max(seite, 0);
    s.position = std::clamp(position, s.min, hoechstePosition(s));
    {
        const QSignalBlocker ruhe(l);
        l->setRange(s.min, hoechstePosition(s));
        l->setPageStep(std::max(1, s.seite));
        l->setValue(s.position);
    }
    // a page larger than the range: nothing to scroll, the bar goes
    const bool sichtbar = !(int64_t{s.seite} > int64_t{max} - min);
    if (sichtbar == s.sichtbar)
        return;
    s.sichtbar = sichtbar;
    l->setHidden(!sichtbar);
    qt::scrollLeistenAnordnen(f);
    qt::groesseMelden(f);                 // last: the program may set the bar again from there
}

ScrollZustand scrollLeiste(Fenster f, bool vertikal)
{
    if (!istFenster(f))
        return {};
    const FensterScroll& s = f->scroll[vertikal ? 1 : 0];
    ScrollZustand z{s.min, s.max, s.seite, s.position, s.position, s.sichtbar};
    if (s.leiste && s.leiste->isSliderDown())
        z.daumen = s.leiste->sliderPosition();
    return z;
}

} // namespace plattform
