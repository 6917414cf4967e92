// tests/platform_qt/vertrag_treiber.h - how the contract tests (tests/platform_vertrag) play
// the user on the Qt platform (offscreen)
//
// What differs from the scripted platform: time is real, so waiting polls; the user's
// doings are Qt events sent to the widgets, or the actions the widgets take on a click;
// boxes, choosers, popups and modal dialogs run loops of their own, so their answers wait
// in queues that a look every few milliseconds hands out, from inside those loops. What
// nobody answers is closed after a while and fails the test.
#pragma once
#include "platform/eigene_texte.h"
#include "platform/qt/qtdialog.h"
#include "platform/qt/qtstart.h"
#include "platform/steuerelemente.h"
#include "platform/system.h"
#include "platform/zeichensatz.h"
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <deque>
#include <functional>
#include <thread>

namespace treiber {

using namespace plattform;

namespace intern {

struct Skript {
    int vorlage;
    std::vector<std::function<void(Fenster)>> schritte;
    size_t naechster = 0;
    Fenster dialog = nullptr;            // the opening it plays, once it began
};
struct Antworten {
    std::deque<int> boxen;
    std::deque<std::string> dateien;     // "" cancels
    std::deque<std::pair<Menue, int>> popups;
    std::deque<Skript> skripte;
    QPointer<QWidget> wartend;           // the popup or modal widget on top, unanswered since seit
    double seit = 0;
};
inline Antworten antworten;
// how long a wait may take, and an unanswered box stay open, before the test fails: generous,
// as the sanitizer builds share two cores with other tests
constexpr double geduld = 10.0;
inline int lauf = 0;                     // the test running: a look planned in an earlier one ends

inline QString text(const std::string& cp1252) { return QString::fromStdString(nachUtf8(cp1252)); }

inline void tasteSenden(QWidget* w, int key, const QString& t = {}, Qt::KeyboardModifiers mod = {}, quint32 symbol = 0)
{
    for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent e(art, key, mod, 0, symbol, 0, t);
        QApplication::sendEvent(w, &e);
    }
}

inline int qtTaste(int t)
{
    if (t >= taste::F1 && t <= taste::F12)
        return Qt::Key_F1 + (t - taste::F1);
    return t == taste::Esc ? Qt::Key_Escape : t == taste::Eingabe ? Qt::Key_Return : t;   // letters and digits alike
}

// our dialog's step, a box's or the file chooser's answer, a popup's choice; false: none waits
inline bool beantworten(QWidget* w)
{
    Antworten& a = antworten;
    if (auto* p = qobject_cast<QMenu*>(w); p && !a.popups.empty()) {
        const auto [m, befehl] = a.popups.front();
        a.popups.pop_front();
        for (QAction* x : p->actions())
            if (befehl && x->text() == text(postenText(m, befehl, Nach::Befehl)))
                p->setActiveAction(x);
        befehl ? tasteSenden(p, Qt::Key_Return) : void(p->close());
    } else if (auto* b = qobject_cast<QMessageBox*>(w); b && !a.boxen.empty()) {
        const int x = a.boxen.front();
        a.boxen.pop_front();
        const EigenerText name = x == antwort::Ok     ? EigenerText::Ok
                                 : x == antwort::Ja   ? EigenerText::Ja
                                 : x == antwort::Nein ? EigenerText::Nein
                                                      : EigenerText::Abbrechen;
        for (QAbstractButton* k : b->buttons())
            if (k->text() == text(eigenerText(name)))
                k->click();
    } else if (auto* d = qobject_cast<QFileDialog*>(w); d && !a.dateien.empty()) {
        d->selectFile(text(a.dateien.front()));
        a.dateien.front().empty() ? d->reject() : static_cast<QDialog*>(d)->accept();   // the OK button
        a.dateien.pop_front();
    } else if (Fenster dlg = qt::fensterVonWidget(w); vorlagenNummer(dlg) && istSichtbar(dlg) && !dlg->dialog->beendet) {
        Skript* s = nullptr;                 // the opening's own script, else the next one for its template
        for (Skript& k : a.skripte)
            s = k.dialog == dlg ? &k : s;
        for (Skript& k : a.skripte)
            s = !s && !k.dialog && k.vorlage == vorlagenNummer(dlg) ? &k : s;
        if (!s || s->naechster == s->schritte.size())
            return false;
        s->dialog = dlg;
        const auto schritt = s->schritte[s->naechster++];
        schritt(dlg);
    } else {
        return false;
    }
    return true;
}

inline void schauen(int meinLauf)
{
    if (meinLauf != lauf)
        return;
    QTimer::singleShot(5, qApp, [meinLauf] { schauen(meinLauf); });   // first: a step may open a loop of its own
    Antworten& a = antworten;
    QWidget* w = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
    if (!w || !w->isVisible() || beantworten(w)) {
        a.wartend = nullptr;
        return;
    }
    if (w != a.wartend)
        a.wartend = w, a.seit = uhrSekunden();
    if (uhrSekunden() - a.seit < geduld)
        return;
    ADD_FAILURE() << "nobody answers the " << w->metaObject()->className() << " \"" << w->windowTitle().toStdString() << "\"";
    a.wartend = nullptr;
    if (Fenster dlg = qt::fensterVonWidget(w); vorlagenNummer(dlg))
        dialogBeenden(dlg, -99);
    else
        w->close();
}

inline QWidget* steuer(Fenster dlg, int id)
{
    qt::DialogSteuer* s = qt::steuerelementVon(dlg, id);
    EXPECT_TRUE(s) << "no control " << id;
    return s ? s->widget.data() : nullptr;
}

} // namespace intern

inline void beginnen()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);   // never on the developer's screen
    qt::anwendungSicherstellen();
    intern::antworten = {};
    intern::schauen(++intern::lauf);
}

inline void beenden()
{
    nachrichtenVerarbeiten();                    // leave no posted message to the next test
    qt::geloeschteFreigeben();
    for (const intern::Skript& s : intern::antworten.skripte)
        EXPECT_EQ(s.naechster, s.schritte.size()) << "steps left for dialog " << s.vorlage;
    intern::antworten = {};
    ++intern::lauf;
}

inline bool warten(const std::function<bool()>& bis)
{
    for (const double ende = uhrSekunden() + intern::geduld; !bis(); nachrichtenVerarbeiten()) {
        if (uhrSekunden() > ende)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline void zeitVergehen(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    nachrichtenVerarbeiten();
}

inline void taste(Fenster f, int t, char zeichen = 0)
{
    intern::tasteSenden(qt::clientWidget(f), intern::qtTaste(t), zeichen ? intern::text(std::string(1, zeichen)) : QString());
}

// a key typed into a text box: to the editor inside it, which keeps what it uses
inline void tasteInTextfeld(Fenster feld, int t, char zeichen = 0)
{
    QWidget* w = qt::clientWidget(feld);
    if (auto* editor = w ? w->findChild<QTextEdit*>() : nullptr)
        w = editor;
    intern::tasteSenden(w, intern::qtTaste(t), zeichen ? intern::text(std::string(1, zeichen)) : QString());
}

inline void klick(Fenster f, int x, int y, bool rechts = false)
{
    QWidget* w = qt::clientWidget(f);
    const Qt::MouseButton k = rechts ? Qt::RightButton : Qt::LeftButton;
    for (Qt::MouseButtons gedrueckt : {Qt::MouseButtons(k), Qt::MouseButtons()}) {
        const QEvent::Type art = gedrueckt ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
        QMouseEvent e(art, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), k, gedrueckt, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

// ---- the user at a dialog ------------------------------------------------------------
// typing replaces what the edit holds, as one edit
inline void tippen(Fenster dlg, int id, const std::string& t)
{
    if (auto* l = qobject_cast<QLineEdit*>(intern::steuer(dlg, id))) {
        l->selectAll();
        intern::tasteSenden(l, 0, intern::text(t));
    }
}

inline void fokusVerlassen(Fenster dlg, int id)
{
    QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(intern::steuer(dlg, id), &e);
}

inline void klicken(Fenster dlg, int id)
{
    if (auto* k = qobject_cast<QAbstractButton*>(intern::steuer(dlg, id)))
        k->click();
}

// in a drop-down list
inline void waehlen(Fenster dlg, int id, int index)
{
    if (auto* k = qobject_cast<QComboBox*>(intern::steuer(dlg, id))) {
        k->blockSignals(true);                  // the program hears of the user's key only
        k->setCurrentIndex(index - 1);
        k->blockSignals(false);
        intern::tasteSenden(k, Qt::Key_Down);   // the user's key down to the item
    }
}

inline void dialogTaste(Fenster dlg, int t) { intern::tasteSenden(qt::fensterWidget(dlg), intern::qtTaste(t)); }
inline void schliessenKlicken(Fenster dlg) { qt::fensterWidget(dlg)->close(); }

// the steps the next modal opening of this template plays, each once the dialog shows
inline void modal(int vorlage, std::vector<std::function<void(Fenster)>> schritte)
{
    intern::antworten.skripte.push_back({vorlage, std::move(schritte)});
}

// ---- answers -------------------------------------------------------------------------
inline void boxAntworten(std::initializer_list<int> a) { intern::antworten.boxen.insert(intern::antworten.boxen.end(), a); }
inline void popupWaehlen(Menue m, int befehl) { intern::antworten.popups.push_back({m, befehl}); }
inline void dateiAntworten(std::initializer_list<std::string> p) { intern::antworten.dateien.insert(intern::antworten.dateien.end(), p); }

// the user opens each submenu on the way and clicks the item; false when it is grey
inline bool menueWaehlen(Fenster f, int befehl)
{
    std::vector<int> weg;
    std::function<bool(Menue)> suchen = [&](Menue m) {
        for (int i = 0; i < postenAnzahl(m); ++i) {
            weg.push_back(i);
            if (Menue u = untermenue(m, i); u ? suchen(u) : postenBefehl(m, i) == befehl)
                return true;
            weg.pop_back();
        }
        return false;
    };
    if (!istFenster(f) || !f->leiste || !suchen(f->menue))
        return false;
    QList<QAction*> aktionen = f->leiste->actions();
    std::vector<QMenu*> offen;
    for (size_t i = 0; i + 1 < weg.size(); aktionen = offen.back()->actions(), ++i) {
        offen.push_back(aktionen.value(weg[i])->menu());
        offen.back()->popup(QPoint());
    }
    QAction* a = aktionen.value(weg.back());
    const bool gut = a && a->isEnabled();
    if (gut)
        a->trigger();
    for (QMenu* m : offen)
        m->hide();
    return gut;
}

// ---- controls --------------------------------------------------------------------------
inline QScrollBar* leiste(Fenster f, bool vertikal) { return f->scroll[vertikal ? 1 : 0].leiste; }
inline void scrollZeile(Fenster f, bool vertikal) { leiste(f, vertikal)->triggerAction(QAbstractSlider::SliderSingleStepAdd); }
inline void daumenZiehen(Fenster f, bool vertikal, int position)
{
    leiste(f, vertikal)->setSliderDown(true);
    leiste(f, vertikal)->setSliderPosition(position);
}
inline void daumenLoslassen(Fenster f, bool vertikal) { leiste(f, vertikal)->setSliderDown(false); }

// left and right Shift and Ctrl by their key symbols, as the display server sends them
inline void seitenTaste(Fenster f, int welche, bool gedrueckt)
{
    const bool umschalt = welche == tastenStatus::LinksUmschalt || welche == tastenStatus::RechtsUmschalt;
    const Qt::KeyboardModifiers mod = !gedrueckt ? Qt::NoModifier : umschalt ? Qt::ShiftModifier : Qt::ControlModifier;
    QKeyEvent e(gedrueckt ? QEvent::KeyPress : QEvent::KeyRelease, umschalt ? Qt::Key_Shift : Qt::Key_Control, mod, 0,
                0xffe1 + static_cast<quint32>(welche), 0);
    QApplication::sendEvent(qt::clientWidget(f), &e);
}

} // namespace treiber
