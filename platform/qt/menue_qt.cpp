// platform/qt/menue_qt.cpp - menu bars and popup menus built from the menu tree
//
// Each submenu record gets one QMenu (kept in MenueObjekt::gui) whose items are built
// anew every time it opens, after the owner window had MenuePopupInit to tick and grey
// them. The bar is rebuilt on menueSetzen and menueLeisteZeichnen. Key hints after "\t"
// show in the shortcut column only: the program handles its keys itself.
#include "platform/menue_modell.h"
#include "platform/qt/qtfenster.h"
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <unordered_map>

namespace plattform {

namespace {

struct MenueEintrag {
    Menue modell;
    Fenster eigner;          // gets MenuePopupInit and Befehl
};

std::unordered_map<QMenu*, MenueEintrag> menues;
int* popupWahl = nullptr;    // set while popupMenue waits: commands go there, not posted

QMenu* qmenue(Menue m) { return reinterpret_cast<QMenu*>(m->gui); }

QString ohneTastenHinweis(const std::string& t) { return qt::text(t.substr(0, t.find('\t'))); }

void befehlGewaehlt(Fenster eigner, int befehl)
{
    if (popupWahl)
        *popupWahl = befehl;
    else
        posten(eigner, nachricht::Befehl, machWParam(befehl, 0), 0);
}

void vorDemOeffnen(QMenu* q);

QMenu* qmenueFuer(Menue m, Fenster eigner)
{
    QMenu* q = qmenue(m);
    if (!q) {
        q = new QMenu;
        m->gui = reinterpret_cast<intptr_t>(q);
        QObject::connect(q, &QMenu::aboutToShow, q, [q] { vorDemOeffnen(q); });
    }
    menues[q] = {m, eigner};
    return q;
}

void postenAufbauen(QMenu* q, const MenueEintrag& e)
{
    q->clear();
    for (const MenuePostenDaten& p : e.modell->posten) {
        if (p.art & menueArt::Trenner) {
            q->addSeparator();
            continue;
        }
        QAction* a;
        if (p.unter) {
            QMenu* u = qmenueFuer(p.unter.get(), e.eigner);
            u->setTitle(ohneTastenHinweis(p.text));
            a = q->addMenu(u);
        } else {
            a = q->addAction(qt::text(p.text));   // QMenu shows the part after '\t' as key hint
            if (p.art & menueArt::Abgehakt) {
                a->setCheckable(true);
                a->setChecked(true);
            }
            QObject::connect(a, &QAction::triggered, a,
                             [befehl = p.befehl, eigner = e.eigner] { befehlGewaehlt(eigner, befehl); });
        }
        a->setEnabled(!(p.art & menueArt::Grau));
    }
}

void vorDemOeffnen(QMenu* q)
{
    auto it = menues.find(q);
    if (it == menues.end())
        return;
    MenueEintrag e = it->second;
    // a submenu shown alone as a popup still tells its place in its owner
    int position = e.modell->besitzer ? untermenuePosition(e.modell->besitzer, e.modell) : 0;
    senden(e.eigner, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(e.modell),
           std::max(0, position));
    it = menues.find(q);
    if (it != menues.end())          // the program may have dropped this menu meanwhile
        postenAufbauen(q, it->second);
}

void leisteEntfernen(Fenster f)
{
    if (f->leiste) {
        f->leiste->hide();
        f->leiste->deleteLater();    // a handler of the bar may be on the stack
        f->leiste = nullptr;
    }
}

// does the bar's action still stand for this item? then it is updated in place
bool passt(QAction* a, const MenuePostenDaten& p)
{
    if (p.art & menueArt::Trenner)
        return a->isSeparator();
    if (p.unter)
        return qmenue(p.unter.get()) && a == qmenue(p.unter.get())->menuAction();
    return !a->isSeparator() && a->property("velnorBefehl").isValid();
}

// Called for every menu record about to die: its widgets go with it.
void guiFreigeben(Menue m)
{
    if (QMenu* q = qmenue(m)) {
        menues.erase(q);
        m->gui = 0;
        if (QCoreApplication::instance())
            q->deleteLater();        // it may be opening right now
    }
    if (Fenster f = m->fenster) {    // a bar destroyed while still set
        m->fenster = nullptr;
        if (istFenster(f) && f->menue == m) {
            f->menue = nullptr;
            leisteEntfernen(f);
            qt::anordnen(f);
            qt::groesseMelden(f);
        }
    }
}

} // namespace

namespace qt {

void menueGuiEinrichten() { menueGuiFreigabe = guiFreigeben; }

void menuesAufraeumen()
{
    for (auto& [q, e] : menues) {
        e.modell->gui = 0;
        delete q;
    }
    menues.clear();
}

void leisteAufbauen(Fenster f)
{
    if (!istFenster(f) || !f->rahmen)
        return;
    Menue m = f->menue;
    if (!m) {
        leisteEntfernen(f);
        return;
    }
    if (!f->leiste) {
        f->leiste = new QMenuBar(f->rahmen);
        f->leiste->setNativeMenuBar(false);   // the client area lies below it, always
        f->leiste->show();
    }
    QMenuBar* leiste = f->leiste;
    // keep what still fits: the bar may be rebuilt while one of its menus opens
    QList<QAction*> alt = leiste->actions();
    qsizetype gleich = 0;
    while (gleich < alt.size() && gleich < static_cast<qsizetype>(m->posten.size()) &&
           passt(alt[gleich], m->posten[gleich]))
        ++gleich;
    for (qsizetype i = gleich; i < alt.size(); ++i) {
        leiste->removeAction(alt[i]);
        if (alt[i]->parent() == leiste)
            alt[i]->deleteLater();
    }
    for (size_t i = 0; i < m->posten.size(); ++i) {
        const MenuePostenDaten& p = m->posten[i];
        QAction* a;
        if (static_cast<qsizetype>(i) < gleich) {
            a = alt[i];
        } else if (p.art & menueArt::Trenner) {
            a = leiste->addSeparator();
        } else if (p.unter) {
            a = leiste->addMenu(qmenueFuer(p.unter.get(), f));
        } else {
            a = leiste->addAction(QString());
            QObject::connect(a, &QAction::triggered, a,
                             [a, f] { befehlGewaehlt(f, a->property("velnorBefehl").toInt()); });
        }
        if (p.art & menueArt::Trenner)
            continue;
        if (p.unter) {
            qmenueFuer(p.unter.get(), f)->setTitle(ohneTastenHinweis(p.text));
        } else {
            a->setText(ohneTastenHinweis(p.text));
            a->setProperty("velnorBefehl", p.befehl);
        }
        a->setEnabled(!(p.art & menueArt::Grau));
    }
}

} // namespace qt

void menueSetzen(Fenster f, Menue m)
{
    if (!istFenster(f))
        return;
    if (f->menue && f->menue != m)
        f->menue->fenster = nullptr;
    f->menue = m;
    if (m)
        m->fenster = f;
    qt::leisteAufbauen(f);
    qt::anordnen(f);                 // the client area changes with the bar
    qt::groesseMelden(f);
    qt::lageMelden(f);
}

Menue fensterMenue(Fenster f) { return istFenster(f) ? f->menue : nullptr; }

void menueLeisteZeichnen(Fenster f)
{
    if (!istFenster(f))
        return;
    qt::leisteAufbauen(f);
    qt::anordnen(f);
    qt::groesseMelden(f);
    qt::lageMelden(f);
}

int popupMenue(Menue m, Fenster eigner, Punkt bildschirm)
{
    if (!m)
        return 0;
    const Fenster alterEigner = qmenue(m) ? menues[qmenue(m)].eigner : nullptr;
    QMenu* q = qmenueFuer(m, eigner);
    int wahl = 0;
    int* vorher = popupWahl;
    popupWahl = &wahl;
    QPointer<QMenu> halt(q);
    q->exec(QPoint(bildschirm.x, bildschirm.y));
    popupWahl = vorher;
    qt::pumpeVermerken();
    // the same submenu may also hang in a menu bar: it belongs to that window again
    // (the program may have dropped the menu while it was open)
    if (auto it = halt ? menues.find(q) : menues.end(); alterEigner && it != menues.end())
        it->second.eigner = alterEigner;
    return wahl;
}

} // namespace plattform
