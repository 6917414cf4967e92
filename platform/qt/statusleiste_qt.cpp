// platform/qt/statusleiste_qt.cpp - the status bar, a child window of a built-in class
//
// The bar is a window of ours with its own procedure: it keeps its parts and texts here
// and paints them itself, so placing, showing and destroying it work as for any window.
#include "platform/qt/qtfenster.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/steuerelemente.h"
#include <QFontMetrics>
#include <qdrawutil.h>
#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace plattform {

namespace {

constexpr int leistenHoehe = 22;          // as the program's layouts reckon with
constexpr int teilAbstand = 2;            // between two parts
constexpr int textEinzug = 4;

struct StatusTeil {
    std::string text;                     // as set, a leading tab too
    uint32_t stil = 0;
};

struct StatusDaten {
    std::vector<int> kanten{-1};          // one part over the whole bar until parts are set
    std::map<int, StatusTeil> teile;
    bool einfach = false;
};

std::unordered_map<Fenster, StatusDaten> leisten;

StatusDaten* daten(Fenster f)
{
    if (!istFenster(f))
        return nullptr;
    auto it = leisten.find(f);
    return it == leisten.end() ? nullptr : &it->second;
}

void teilMalen(QPainter& m, const QPalette& farben, const QRect& r, const StatusTeil& t)
{
    if (t.stil & statusStil::Herausgehoben)
        qDrawShadePanel(&m, r, farben, false, 1);
    else if (!(t.stil & statusStil::Randlos))
        qDrawShadePanel(&m, r, farben, true, 1);
    std::string text = t.text;
    if (!text.empty() && text.front() == '\t')   // the bar shows its tab stops, not the tab
        text.erase(0, 1);
    const QRect innen = r.adjusted(textEinzug, 1, -textEinzug, -1);
    m.save();
    m.setClipRect(innen);
    m.setPen(farben.color(QPalette::WindowText));
    m.drawText(innen, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, qt::text(text));
    m.restore();
}

void malen(Fenster f, Zeichenflaeche& z)
{
    StatusDaten* d = daten(f);
    QPainter* m = qt::malerVon(z);
    if (!d || !m)
        return;
    const QPalette& farben = f->klient->palette();
    const int breite = z.breite, hoehe = z.hoehe;
    m->fillRect(QRect(0, 0, breite, hoehe), farben.window());
    m->setFont(f->klient->font());
    const int oben = teilAbstand;
    if (d->einfach) {
        teilMalen(*m, farben, QRect(0, oben, breite, hoehe - oben), d->teile[statusEinfacherTeil]);
        return;
    }
    int links = 0;
    for (size_t i = 0; i < d->kanten.size() && links < breite; ++i) {
        const int rechts = d->kanten[i] < 0 ? breite : std::min(d->kanten[i], breite);
        if (rechts > links) {
            auto t = d->teile.find(static_cast<int>(i));
            teilMalen(*m, farben, QRect(links, oben, rechts - links - teilAbstand, hoehe - oben),
                      t == d->teile.end() ? StatusTeil{} : t->second);
        }
        links = std::max(links, rechts);
    }
}

Rechteck platz(Fenster eltern)
{
    const Rechteck c = clientRechteck(eltern);
    return {0, c.unten - leistenHoehe, c.rechts, c.unten};
}

} // namespace

namespace qt {

intptr_t statusleisteProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == nachricht::Zeichnen) {
        malen(f, *reinterpret_cast<Zeichenflaeche*>(l));
        return 0;
    }
    if (n == nachricht::Zerstoeren)
        leisten.erase(f);
    return standardFensterProc(f, n, w, l);
}

} // namespace qt

Fenster statusleisteErzeugen(Fenster eltern, int id)
{
    if (!istFenster(eltern))
        return nullptr;
    qt::eingebauteKlassenRegistrieren();
    const Rechteck r = platz(eltern);
    Fenster f = fensterErzeugen(qt::statusleisteKlasse, "", stil::Kind | stil::Sichtbar, r.links, r.oben,
                                r.breite(), r.hoehe(), eltern);
    if (f) {
        f->id = id;
        leisten[f] = {};
    }
    return f;
}

void statusleisteAnpassen(Fenster leiste)
{
    if (!daten(leiste))
        return;
    const Rechteck r = platz(elternFenster(leiste));
    verschieben(leiste, r.links, r.oben, r.breite(), r.hoehe());
}

void statusTeileSetzen(Fenster leiste, std::span<const int> rechteKanten)
{
    StatusDaten* d = daten(leiste);
    if (!d)
        return;
    d->kanten.assign(rechteKanten.begin(), rechteKanten.end());
    if (d->kanten.empty())
        d->kanten.push_back(-1);
    ungueltigMachen(leiste);
}

void statusTextSetzen(Fenster leiste, int teilUndStil, const std::string& text)
{
    StatusDaten* d = daten(leiste);
    if (!d)
        return;
    d->teile[teilUndStil & 0xFF] = {text, static_cast<uint32_t>(teilUndStil) & 0xFF00};
    ungueltigMachen(leiste);
}

std::string statusText(Fenster leiste, int teil)
{
    StatusDaten* d = daten(leiste);
    if (!d)
        return {};
    auto it = d->teile.find(teil & 0xFF);
    return it == d->teile.end() ? std::string() : it->second.text;
}

void statusEinfach(Fenster leiste, bool einfach)
{
    if (StatusDaten* d = daten(leiste); d && d->einfach != einfach) {
        d->einfach = einfach;
        ungueltigMachen(leiste);
    }
}

} // namespace plattform
