// platform/qt/fenster.cpp - window classes, the handle registry, creating and destroying
#include "platform/qt/qtfenster.h"
#include "platform/menue_modell.h"
#include "platform/zeichensatz.h"
#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace plattform {

namespace {

std::unordered_map<std::string, FensterKlasse> klassen;
std::unordered_map<Fenster, std::unique_ptr<FensterObjekt>> lebende;
// Destroyed records stay allocated a while, so a stale handle does not turn into a new
// window at the same address, and handlers still on the stack may read them.
std::deque<std::unique_ptr<FensterObjekt>> friedhof;
constexpr size_t friedhofGroesse = 1024;
uint64_t naechsteNummer = 1;

Qt::WindowFlags fensterArt(uint32_t s)
{
    Qt::WindowFlags art = (s & stil::Werkzeug) ? Qt::Tool : Qt::Window;
    if (s & stil::Rahmenlos)
        art |= Qt::FramelessWindowHint;
    return art;
}

// Frame widths of a window: a shown window's own once the window manager has told them;
// until then (hidden, or shown a moment ago) those last seen on a window of the same kind,
// else on any window. Measuring and placing both take them from here, so a window put where
// it was measured stays there, whether or not Qt knows its frame yet.
QMargins rahmenRaender(Fenster f)
{
    static std::optional<QMargins> gesehen[3];   // main windows, tool windows, dialogs
    if (!f->rahmen || (f->stil & stil::Rahmenlos))
        return {};
    std::optional<QMargins>& merk = gesehen[f->dialog ? 2 : (f->stil & stil::Werkzeug) ? 1 : 0];
    QWidget* r = f->rahmen;
    if (r->isVisible()) {
        const QRect a = r->frameGeometry(), i = r->geometry();
        const QMargins m(i.left() - a.left(), i.top() - a.top(), a.right() - i.right(), a.bottom() - i.bottom());
        if (!m.isNull())
            merk = m;
        if (!m.isNull() || r->isMaximized() || r->isFullScreen())
            return m;
    }
    if (merk)
        return *merk;
    for (const std::optional<QMargins>& g : gesehen)
        if (g)
            return *g;
    return {};
}

Rechteck rechteck(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

} // namespace

namespace qt {

QRect aussenGeometrie(Fenster f)
{
    if (!f->rahmen)
        return QRect(f->klient->mapToGlobal(QPoint(0, 0)), f->klient->size());
    return f->rahmen->geometry().marginsAdded(rahmenRaender(f));
}

void aussenGeometrieSetzen(Fenster f, int x, int y, int breite, int hoehe)
{
    if (!f->rahmen) {
        f->klient->setGeometry(x, y, std::max(0, breite), std::max(0, hoehe));
        return;
    }
    // the client's geometry: Qt keeps a window's client where it was put, and the frame
    // around it then lies at x, y
    const QMargins m = rahmenRaender(f);
    f->rahmen->setGeometry(x + m.left(), y + m.top(), std::max(1, breite - m.left() - m.right()),
                           std::max(1, hoehe - m.top() - m.bottom()));
}

QString text(const std::string& cp1252) { return QString::fromStdString(nachUtf8(cp1252)); }
std::string text(const QString& s) { return nachCp1252(s.toStdString()); }
QColor farbe(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QWidget* aussen(Fenster f)
{
    if (!istFenster(f))
        return nullptr;
    return f->rahmen ? f->rahmen.data() : f->klient.data();
}

Fenster fensterVonWidget(QWidget* w)
{
    // the nearest window decides: the widgets of a destroyed one belong to no other
    for (; w; w = w->parentWidget())
        if (auto* b = dynamic_cast<FensterBezug*>(w))
            return b->fenster;
    return nullptr;
}

Fenster fensterEintragen(std::unique_ptr<FensterObjekt> objekt)
{
    Fenster f = objekt.get();
    f->nummer = naechsteNummer++;
    lebende.emplace(f, std::move(objekt));
    return f;
}

QWidget* fensterWidget(Fenster f) { return aussen(f); }
QWidget* clientWidget(Fenster f) { return istFenster(f) ? f->klient.data() : nullptr; }

void alleFensterZerstoeren()
{
    // oldest first: owners and parents before what they take with them
    for (;;) {
        Fenster aeltestes = nullptr;
        for (auto& [f, o] : lebende)
            if (!o->stirbt && (!aeltestes || o->nummer < aeltestes->nummer))
                aeltestes = f;
        if (!aeltestes)
            break;
        fensterZerstoeren(aeltestes);
    }
    friedhof.clear();
}

} // namespace qt

bool klasseRegistrieren(const FensterKlasse& k)
{
    if (k.name.empty() || !k.proc)
        return false;
    return klassen.emplace(k.name, k).second;
}

Fenster fensterErzeugen(const std::string& klasse, const std::string& titel, uint32_t s,
                        int x, int y, int breite, int hoehe, Fenster eltern, Menue menue,
                        intptr_t parameter)
{
    auto k = klassen.find(klasse);
    if (k == klassen.end() || (eltern && !istFenster(eltern)) || ((s & stil::Kind) && !eltern))
        return nullptr;
    Fenster f = qt::fensterEintragen(std::make_unique<FensterObjekt>());
    f->klasse = klasse;
    f->proc = k->second.proc;
    f->hintergrund = k->second.hintergrund;
    f->stil = s;
    f->eltern = eltern;

    if (s & stil::Kind) {
        f->klient = new qt::Klient(f, eltern->klient);
        if (!(s & stil::Sichtbar))
            f->klient->hide();       // else it would appear with its parent
        f->klient->setWindowTitle(qt::text(titel));
        qt::aussenGeometrieSetzen(f, x == StandardPosition ? 0 : x, y == StandardPosition ? 0 : y,
                                breite == StandardPosition ? 100 : breite,
                                hoehe == StandardPosition ? 100 : hoehe);
    } else {
        QWidget* eigner = eltern ? qt::aussen(eltern)->window() : nullptr;
        f->rahmen = new qt::Rahmen(f, eigner, fensterArt(s));
        f->klient = new qt::Klient(f, f->rahmen);
        f->rahmen->setFocusProxy(f->klient);
        f->rahmen->setWindowTitle(qt::text(titel));
        f->menue = menue;
        if (menue) {
            menue->fenster = f;
            qt::leisteAufbauen(f);
        }
        if (breite == StandardPosition || hoehe == StandardPosition) {
            Rechteck frei = arbeitsbereich();
            breite = std::min(800, std::max(200, frei.breite()));
            hoehe = std::min(600, std::max(150, frei.hoehe()));
        }
        if (x == StandardPosition || y == StandardPosition) {   // the system places it
            QMargins m = rahmenRaender(f);
            f->rahmen->resize(std::max(1, breite - m.left() - m.right()),
                              std::max(1, hoehe - m.top() - m.bottom()));
        } else {
            qt::aussenGeometrieSetzen(f, x, y, breite, hoehe);
        }
        qt::anordnen(f);
    }

    if (senden(f, nachricht::Erzeugen, 0, parameter) == -1) {
        fensterZerstoeren(f);
        return nullptr;
    }
    qt::groesseMelden(f);
    qt::lageMelden(f);
    if ((s & stil::Sichtbar) && istFenster(f))
        qt::aussen(f)->show();
    return istFenster(f) ? f : nullptr;
}

void fensterZerstoeren(Fenster f)
{
    if (!istFenster(f) || f->stirbt)
        return;
    f->stirbt = true;
    senden(f, nachricht::Zerstoeren);
    if (f->dialog)
        qt::dialogStirbt(f);

    std::vector<Fenster> kinder;
    for (auto& [g, o] : lebende)
        if (o->eltern == f)
            kinder.push_back(g);
    std::sort(kinder.begin(), kinder.end(), [](Fenster a, Fenster b) { return a->nummer < b->nummer; });
    for (Fenster k : kinder)
        fensterZerstoeren(k);

    qt::zeitgeberAlleLoeschen(f);
    if (Menue m = f->menue) {
        f->menue = nullptr;
        m->fenster = nullptr;
        menueZerstoeren(m);
    }
    // The widgets go later: a Qt handler of this window may still be on the stack.
    if (f->klient)
        f->klient->fenster = nullptr;
    if (auto* b = dynamic_cast<qt::FensterBezug*>(f->rahmen.data()))
        b->fenster = nullptr;
    if (QWidget* w = f->rahmen ? f->rahmen.data() : f->klient.data()) {
        w->hide();
        w->deleteLater();
    }

    auto it = lebende.find(f);
    friedhof.push_back(std::move(it->second));
    lebende.erase(it);
    if (friedhof.size() > friedhofGroesse)
        friedhof.pop_front();
}

bool istFenster(Fenster f) { return f && lebende.count(f); }

std::string klassenName(Fenster f) { return istFenster(f) ? f->klasse : std::string(); }
Fenster elternFenster(Fenster f) { return istFenster(f) && istFenster(f->eltern) ? f->eltern : nullptr; }

void fensterDatenSetzen(Fenster f, intptr_t wert)
{
    if (istFenster(f))
        f->daten = wert;
}

intptr_t fensterDaten(Fenster f) { return istFenster(f) ? f->daten : 0; }

intptr_t standardFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t)
{
    if (!istFenster(f))
        return 0;
    if (n == nachricht::Schliessen) {
        fensterZerstoeren(f);
    } else if (n == nachricht::SystemBefehl) {
        switch (w) {
        case systembefehl::Schliessen: senden(f, nachricht::Schliessen); break;
        case systembefehl::Minimieren: zeigen(f, anzeige::Minimiert); break;
        case systembefehl::Maximieren: zeigen(f, anzeige::Maximiert); break;
        case systembefehl::Wiederherstellen: zeigen(f, anzeige::Wiederherstellen); break;
        }
    }
    return 0;
}

// ---- showing and placing ----------------------------------------------------

void zeigen(Fenster f, int art)
{
    QWidget* w = qt::aussen(f);
    if (!w)
        return;
    if (art == anzeige::Verbergen) {
        const bool normal = f->rahmen && !f->rahmen->isMinimized() && !f->rahmen->isMaximized();
        w->hide();
        // Shown again, a window stands where it was hidden: a place Qt still counts as the
        // window manager's choice would be chosen anew, elsewhere, when it maps again.
        if (QWindow* h = normal ? f->rahmen->windowHandle() : nullptr)
            h->setGeometry(h->geometry());
    } else if (!f->rahmen)
        w->show();
    else if (art == anzeige::Minimiert)
        w->showMinimized();
    else if (art == anzeige::Maximiert)
        w->showMaximized();
    else if (art == anzeige::Zeigen)
        w->show();
    else
        w->showNormal();
    if (istFenster(f)) {
        qt::groesseMelden(f);
        qt::lageMelden(f);
    }
}

bool istSichtbar(Fenster f)
{
    QWidget* w = qt::aussen(f);
    return w && w->isVisible();
}

bool istMinimiert(Fenster f) { return istFenster(f) && f->rahmen && f->rahmen->isMinimized(); }
bool istMaximiert(Fenster f) { return istFenster(f) && f->rahmen && f->rahmen->isMaximized(); }

void verschieben(Fenster f, int x, int y, int breite, int hoehe)
{
    if (!istFenster(f))
        return;
    f->lageStumm = false;            // placed by the program: its moves count from now on
    qt::aussenGeometrieSetzen(f, x, y, breite, hoehe);
    qt::anordnen(f);
    qt::groesseMelden(f);
    qt::lageMelden(f);
}

void titelSetzen(Fenster f, const std::string& t)
{
    if (QWidget* w = qt::aussen(f))
        w->setWindowTitle(qt::text(t));
}

std::string titel(Fenster f)
{
    QWidget* w = qt::aussen(f);
    return w ? qt::text(w->windowTitle()) : std::string();
}

namespace {

// The window last asked to the front. Qt asks the window manager to activate a window that
// is not mapped yet only once it is, which may be after a later request for another one:
// only the last request counts, so the window asked for last is the one in front.
QPointer<QWidget> vornGewuenscht;

class NachVornWennSichtbar : public QObject {
public:
    static constexpr const char* merkmal = "velnorVornWennSichtbar";
    explicit NachVornWennSichtbar(QWidget* w) : QObject(w), w_(w)
    {
        w->setProperty(merkmal, true);
        w->windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Expose && w_->windowHandle()->isExposed()) {
            if (vornGewuenscht == w_) {
                w_->raise();
                w_->activateWindow();
            }
            w_->windowHandle()->removeEventFilter(this);
            w_->setProperty(merkmal, false);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* w_;
};

} // namespace

void vordergrundSetzen(Fenster f)
{
    QWidget* w = qt::aussen(f);
    if (!w)
        return;
    w = w->window();
    vornGewuenscht = w;
    if (w->isVisible() && w->windowHandle() && !w->windowHandle()->isExposed()) {
        if (!w->property(NachVornWennSichtbar::merkmal).toBool())
            new NachVornWennSichtbar(w);
        return;
    }
    w->raise();
    w->activateWindow();
}

Fenster vordergrundFenster() { return qt::fensterVonWidget(QApplication::activeWindow()); }

void freigeben(Fenster f, bool an)
{
    QWidget* w = qt::aussen(f);
    if (!w || f->freigegeben == an)
        return;
    f->freigegeben = an;
    w->setEnabled(an);
    senden(f, nachricht::Freigeben, an ? 1 : 0);
}

bool istFreigegeben(Fenster f) { return istFenster(f) && f->freigegeben; }

void fokusSetzen(Fenster f)
{
    if (istFenster(f))
        f->klient->setFocus(Qt::OtherFocusReason);
}

Fenster fokusFenster() { return qt::fensterVonWidget(QApplication::focusWidget()); }

Rechteck fensterRechteck(Fenster f)
{
    if (!istFenster(f))
        return {};
    qt::dialogEinpassen(f);
    return rechteck(qt::aussenGeometrie(f));
}

Rechteck clientRechteck(Fenster f)
{
    if (!istFenster(f))
        return {};
    QSize g = qt::klientGroesse(f);
    return {0, 0, g.width(), g.height()};
}

Punkt clientZuBildschirm(Fenster f, Punkt p)
{
    if (!istFenster(f))
        return p;
    QPoint q = f->klient->mapToGlobal(QPoint(p.x, p.y));
    return {q.x(), q.y()};
}

Punkt bildschirmZuClient(Fenster f, Punkt p)
{
    if (!istFenster(f))
        return p;
    QPoint q = f->klient->mapFromGlobal(QPoint(p.x, p.y));
    return {q.x(), q.y()};
}

Rechteck arbeitsbereich()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? rechteck(s->availableGeometry()) : Rechteck{};
}

void ungueltigMachen(Fenster f, const Rechteck* r)
{
    if (!istFenster(f))
        return;
    if (r)
        f->klient->update(QRect(r->links, r->oben, r->breite(), r->hoehe()));
    else
        f->klient->update();
}

void neuZeichnen(Fenster f)
{
    // update() left an update request with the top-level widget: deliver it now, which
    // paints just the invalid areas
    if (istFenster(f) && f->klient->isVisible())
        QCoreApplication::sendPostedEvents(f->klient->window(), QEvent::UpdateRequest);
}

Punkt mausPosition()
{
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

} // namespace plattform
