// platform/qt/schiebemelder.cpp - the user's moves of a trackbar or scroll bar as scroll codes
#include "platform/qt/schiebemelder.h"
#include "platform/fenster.h"
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace plattform::qt {

Schiebemelder::Schiebemelder(QAbstractSlider* s, bool selbst, Meldung m)
    : QObject(s), schieber(s), selbstBewegend(selbst), melden(std::move(m))
{
    programmPosition = s->value();
    connect(s, &QAbstractSlider::actionTriggered, this, [this](int a) { handeln(a); });
    connect(s, &QAbstractSlider::sliderReleased, this, [this] { losgelassen(); });
    s->installEventFilter(this);
}

void Schiebemelder::stillSetzen(int wert)
{
    const QSignalBlocker ruhe(schieber);
    schieber->setValue(wert);
}

void Schiebemelder::bereichSetzen(int min, int max, int seite)
{
    {
        const QSignalBlocker ruhe(schieber);
        schieber->setRange(min, std::max(min, max));
        schieber->setPageStep(std::max(1, seite));
    }
    positionSetzen(programmPosition);
}

void Schiebemelder::positionSetzen(int p)
{
    programmPosition = std::clamp(p, schieber->minimum(), schieber->maximum());
    stillSetzen(programmPosition);
}

int Schiebemelder::position() const { return selbstBewegend ? schieber->value() : programmPosition; }

int scrollCodeVonAktion(int aktion)
{
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd: return scroll::ZeileRunter;
    case QAbstractSlider::SliderSingleStepSub: return scroll::ZeileHoch;
    case QAbstractSlider::SliderPageStepAdd: return scroll::SeiteRunter;
    case QAbstractSlider::SliderPageStepSub: return scroll::SeiteHoch;
    case QAbstractSlider::SliderToMinimum: return scroll::Anfang;
    case QAbstractSlider::SliderToMaximum: return scroll::Ende;
    default: return -1;
    }
}

void Schiebemelder::handeln(int aktion)
{
    int code = scrollCodeVonAktion(aktion);
    if (aktion == QAbstractSlider::SliderMove) {
        if (schieber->isSliderDown())
            code = scroll::DaumenZiehen;
        else   // the wheel: a line in its direction
            code = schieber->sliderPosition() < position() ? scroll::ZeileHoch : scroll::ZeileRunter;
    }
    if (code < 0)
        return;
    if (code == scroll::DaumenZiehen) {
        const int daumen = schieber->sliderPosition();
        if (selbstBewegend)
            stillSetzen(daumen);
        melden(code, daumen);
        return;
    }
    gehandelt = true;
    // the new position first, so the program reads it while handling the message; a bar
    // that waits for the program finishes the action where the program put it
    if (selbstBewegend)
        stillSetzen(schieber->sliderPosition());
    else
        schieber->setSliderPosition(programmPosition);
    melden(code, position());
}

void Schiebemelder::losgelassen()
{
    melden(scroll::DaumenPosition, schieber->sliderPosition());
    gehandelt = true;
    beenden();
    if (!selbstBewegend)
        stillSetzen(programmPosition);
}

void Schiebemelder::beenden()
{
    if (!gehandelt)
        return;
    gehandelt = false;
    melden(scroll::ScrollEnde, position());
}

bool Schiebemelder::eventFilter(QObject*, QEvent* e)
{
    // the end of a run of clicks or keys (the thumb's comes with sliderReleased)
    if (e->type() == QEvent::MouseButtonRelease && !schieber->isSliderDown())
        beenden();
    else if (e->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(e)->isAutoRepeat())
        beenden();
    return false;
}

} // namespace plattform::qt
