// tests/platform_qt/dialoghilfe.h - a template with every kind of control, and the user's
// hands on a dialog's widgets
#pragma once
#include "protokoll.h"
#include "platform/dialog.h"
#include "platform/qt/qtfenster.h"
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace protokoll {

using A = ElementArt;
namespace es = elementStil;

inline const DialogElement alleArten[] = {
    {10, A::Gruppe, "Art", "", 0, 0, 0, 0, 2},
    {11, A::Optionsfeld, "eins", "", 0, 1, 0, 0},
    {12, A::Optionsfeld, "zwei", "", 0, 1, 0, 1},
    {21, A::Optionsfeld, "drei", "", 0, 0, 1, 0},
    {22, A::Optionsfeld, "vier", "", 0, 0, 1, 1},
    {30, A::Eingabe, "", "", 0, 0, 2, 0},
    {31, A::EingabeMehrzeilig, "", "", 0, 0, 2, 1},
    {32, A::Kontrollkasten, "Haken", "", 0, 0, 3, 0},
    {33, A::Auswahlliste, "", "", es::Sortiert, 0, 3, 1},
    {34, A::Kombi, "", "", 0, 0, 4, 0},
    {35, A::Liste, "", "", es::Sortiert, 0, 4, 1},
    {36, A::Schieberegler, "", "", es::Vertikal, 0, 5, 0},
    {37, A::AufAb, "", "", 0, 0, 5, 1},
    {38, A::Scrollleiste, "", "", 0, 0, 6, 0},
    {39, A::Malflaeche, "", "", 0, 0, 6, 1},
    {40, A::Eingabe, "fest", "", es::NurLesen | es::Gesperrt, 0, 7, 0},
    {41, A::Text, "weg", "", es::Verborgen, 0, 7, 1},
    {1, A::StandardKnopf, "OK", "", 0, 0, 8, 0},
    {2, A::Knopf, "Abbrechen", "", 0, 0, 8, 1},
};
inline const DialogVorlage alleArtenVorlage{9001, "Pr\xfc" "fen", "", alleArten};

// the widget of a dialog control, by the id it carries
template <class T = QWidget>
T* steuer(Fenster dlg, int id)
{
    for (QWidget* w : qt::fensterWidget(dlg)->findChildren<QWidget*>())
        if (w->property(qt::steuerIdEigenschaft) == id)
            return qobject_cast<T*>(w);
    return nullptr;
}

inline void tasteDruecken(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers mod = {})
{
    QKeyEvent runter(QEvent::KeyPress, key, mod, text);
    QApplication::sendEvent(w, &runter);
    QKeyEvent hoch(QEvent::KeyRelease, key, mod, text);
    QApplication::sendEvent(w, &hoch);
}

// (id, notification) of every Befehl the dialog got
inline std::vector<std::pair<int, int>> befehle(Fenster dlg)
{
    std::vector<std::pair<int, int>> r;
    for (const Eintrag& e : von(dlg, nachricht::Befehl))
        r.emplace_back(loWort(e.w), hiWort(e.w));
    return r;
}

// Dialogs open with the logging procedure; modeless ones die after the test. A modal
// dialog still open after ten seconds ends with -99, so a fault fails the test instead
// of hanging it.
class DialogTest : public QtTest {
protected:
    void SetUp() override
    {
        QtTest::SetUp();
        QObject::connect(&waechter, &QTimer::timeout, [] {
            for (const Eintrag& e : eingang)
                if (e.n == nachricht::DialogInit)
                    dialogBeenden(e.f, -99);
        });
        waechter.start(10000);
    }
    void TearDown() override
    {
        waechter.stop();
        QtTest::TearDown();
    }
    Fenster modeless(const DialogVorlage& v = alleArtenVorlage, Fenster eigner = nullptr)
    {
        fenster.push_back(dialogModeless(v, eigner, proc));
        return fenster.back();
    }
    QTimer waechter;
};

} // namespace protokoll
