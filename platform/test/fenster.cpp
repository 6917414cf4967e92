// platform/test/fenster.cpp - window records: classes, life cycle, placing, activation, focus
#include "platform/menue_modell.h"
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;

namespace {

struct Rahmen { int links = 0, oben = 0, rechts = 0, unten = 0; };

Rahmen rahmen(const FensterObjekt& f)
{
    Rahmen r;
    if (f.stil & stil::Kind)
        return r;
    if (!(f.stil & stil::Rahmenlos)) {
        r.links = r.rechts = r.unten = test::rahmenBreite;
        r.oben = test::rahmenBreite +
                 ((f.stil & stil::Werkzeug) ? test::werkzeugTitelHoehe : test::titelHoehe);
    }
    if (f.menue)
        r.oben += test::menueHoehe;
    return r;
}

Punkt clientGroesse(const FensterObjekt& f);

// the outer rectangle in effect: top-level on the screen, children in the parent's client area
Rechteck aussen(const FensterObjekt& f)
{
    if (!f.maximiert)
        return f.normal;
    if (istOberstes(f))
        return zustand().arbeitsbereich;
    FensterObjekt* e = lesbar(f.eltern);
    Punkt g = e ? clientGroesse(*e) : Punkt{};
    return {0, 0, g.x, g.y};
}

Punkt clientGroesse(const FensterObjekt& f)
{
    Rechteck a = aussen(f);
    Rahmen r = rahmen(f);
    // visible scroll bars sit inside the frame, right and bottom, and take from the client area
    int rechts = r.rechts + (f.scrollLeisten[1].sichtbar ? test::scrollLeistenBreite : 0);
    int unten = r.unten + (f.scrollLeisten[0].sichtbar ? test::scrollLeistenBreite : 0);
    return {std::max(0, a.breite() - r.links - rechts), std::max(0, a.hoehe() - r.oben - unten)};
}

Punkt clientUrsprung(const FensterObjekt& f)   // on the screen
{
    Rechteck a = aussen(f);
    Rahmen r = rahmen(f);
    Punkt p{a.links + r.links, a.oben + r.oben};
    if (!istOberstes(f))
        if (FensterObjekt* e = lesbar(f.eltern)) {
            Punkt u = clientUrsprung(*e);
            p.x += u.x;
            p.y += u.y;
        }
    return p;
}

FensterObjekt* oberstes(FensterObjekt* f)
{
    while (f && !istOberstes(*f))
        f = lesbar(f->eltern);
    return f;
}

// what the window procedure has been told about its place so far
struct Lage {
    Punkt groesse, ursprung;
    bool minimiert, maximiert;
};

Lage lageVon(const FensterObjekt& f)
{
    return {clientGroesse(f), clientUrsprung(f), f.minimiert, f.maximiert};
}

void ungueltig(FensterObjekt& f, const Rechteck* r)
{
    Punkt g = clientGroesse(f);
    Rechteck b{0, 0, g.x, g.y};
    if (r)
        b = {std::max(b.links, r->links), std::max(b.oben, r->oben),
             std::min(b.rechts, r->rechts), std::min(b.unten, r->unten)};
    if (r && (b.breite() <= 0 || b.hoehe() <= 0))
        return;
    if (f.ungueltig) {
        Rechteck& u = f.ungueltigBereich;
        b = {std::min(b.links, u.links), std::min(b.oben, u.oben),
             std::max(b.rechts, u.rechts), std::max(b.unten, u.unten)};
    }
    ungueltigSetzen(f, true);
    f.ungueltigBereich = b;
}

// the window and the children below it, however deep
void allesUngueltig(FensterObjekt& f)
{
    ungueltig(f, nullptr);
    for (const auto& [nummer, k] : f.abhaengige)
        if (!istOberstes(*k))
            allesUngueltig(*k);
}

// Groesse when the client size or the state changed, then Bewegen when the client origin did
void lageMelden(FensterObjekt& f, const Lage& alt)
{
    Lage neu = lageVon(f);
    bool groesseAnders = neu.groesse.x != alt.groesse.x || neu.groesse.y != alt.groesse.y;
    if (groesseAnders)
        ungueltig(f, nullptr);
    if (groesseAnders || neu.minimiert != alt.minimiert || neu.maximiert != alt.maximiert) {
        uintptr_t art = f.minimiert ? groesse::Minimiert
                      : f.maximiert ? groesse::Maximiert : groesse::Wiederhergestellt;
        Punkt g = f.minimiert ? Punkt{} : neu.groesse;   // a minimised window reports no client area
        senden(&f, nachricht::Groesse, art, machLParam(g.x, g.y));
    }
    if (!f.minimiert && lebend(&f) &&
        (neu.ursprung.x != alt.ursprung.x || neu.ursprung.y != alt.ursprung.y)) {
        Punkt u = clientUrsprung(f);
        senden(&f, nachricht::Bewegen, 0, machLParam(u.x, u.y));
    }
}

void leisteAnbringen(FensterObjekt& f, Menue m)
{
    if (f.menue)
        f.menue->fenster = nullptr;
    if (m)
        if (FensterObjekt* vorher = lesbar(m->fenster); vorher && vorher->menue == m)
            vorher->menue = nullptr;
    f.menue = m;
    if (m)
        m->fenster = &f;
}

void zerstoeren(FensterObjekt& f)
{
    Zustand& z = zustand();
    f.lage = Lebenslage::Stirbt;
    fensterAusPumpeEntfernen(&f);
    ungueltigSetzen(f, false);
    z.aktivierungen.erase(f.aktivierung);
    f.aktivierung = 0;
    if (z.fokus == &f)
        z.fokus = nullptr;
    zustellen(&f, nachricht::Zerstoeren, 0, 0, false);
    // children and owned windows after it; none can be added now, as f is no longer alive
    std::vector<FensterObjekt*> kinder;
    for (const auto& [nummer, k] : f.abhaengige)
        if (k->lage == Lebenslage::Lebt)
            kinder.push_back(k);
    for (FensterObjekt* k : kinder)
        if (k->lage == Lebenslage::Lebt)
            zerstoeren(*k);
    if (Menue m = f.menue) {
        f.menue = nullptr;
        m->fenster = nullptr;
        menueZerstoeren(m);
    }
    f.lage = Lebenslage::Tot;
    ungueltigSetzen(f, false);
    z.lebende.erase(f.nummer);
    if (f.eltern)   // a record, never freed, checked alive when f was made
        f.eltern->abhaengige.erase(f.nummer);
    // what nobody can read any more
    std::vector<test::ZeichenAufruf>().swap(f.letzteZeichnung);
}

} // namespace

namespace test::intern {

bool istOberstes(const FensterObjekt& f) { return !(f.stil & stil::Kind); }

void ungueltigSetzen(FensterObjekt& f, bool ungueltig)
{
    f.ungueltig = ungueltig;
    if (ungueltig)
        zustand().ungueltige.emplace(f.nummer, &f);
    else
        zustand().ungueltige.erase(f.nummer);
}

bool zeigtSich(const FensterObjekt& f)
{
    for (const FensterObjekt* k = &f; k; k = istOberstes(*k) ? nullptr : lesbar(k->eltern))
        if (!k->sichtbar || k->minimiert)
            return false;
    return true;
}

void aktivieren(Fenster f)
{
    Zustand& z = zustand();
    FensterObjekt* o = oberstes(lebend(f));
    if (!o)
        return;
    z.aktivierungen.erase(o->aktivierung);
    o->aktivierung = z.naechsteAktivierung++;
    z.aktivierungen.emplace(o->aktivierung, o);
    vordergrundNeu();
}

void vordergrundNeu()
{
    Zustand& z = zustand();
    Fenster neu = nullptr;
    for (auto it = z.aktivierungen.rbegin(); it != z.aktivierungen.rend() && !neu; ++it)
        if (FensterObjekt* o = lebend(it->second); o && o->sichtbar)
            neu = o;
    if (neu == z.vordergrund)
        return;
    Fenster alt = z.vordergrund;
    z.vordergrund = neu;
    if (lebend(alt))
        senden(alt, nachricht::Aktivieren, 0, 0);
    if (neu && z.vordergrund == neu)
        senden(neu, nachricht::Aktivieren, 1, 0);
}

void scrollSichtbarkeitSetzen(FensterObjekt& f, bool vertikal, bool sichtbar)
{
    bool& s = f.scrollLeisten[vertikal ? 1 : 0].sichtbar;
    if (s == sichtbar)
        return;
    Lage alt = lageVon(f);
    s = sichtbar;
    lageMelden(f, alt);
}

FensterObjekt* fensterAnlegen(const std::string& klasse, FensterProc proc, const std::string& titel,
                              uint32_t stilBits, Rechteck aussen, FensterObjekt* eltern)
{
    Zustand& z = zustand();
    auto neu = std::make_unique<FensterObjekt>();
    FensterObjekt* f = neu.get();
    f->nummer = z.naechsteNummer++;
    f->klasse = klasse;
    f->titel = titel;
    f->proc = proc;
    f->stil = stilBits;
    f->eltern = eltern;
    f->normal = aussen;
    z.alleFenster.push_back(std::move(neu));
    z.bekannt.insert(f);
    z.lebende.emplace(f->nummer, f);
    if (eltern)
        eltern->abhaengige.emplace(f->nummer, f);
    return f;
}

void fensterAufgeben(FensterObjekt& f)
{
    if (Menue m = f.menue) {
        f.menue = nullptr;
        m->fenster = nullptr;
        menueZerstoeren(m);
    }
    f.lage = Lebenslage::Tot;
    f.klasse.clear();
    f.titel.clear();
    f.ungueltig = false;
    f.aktivierung = 0;
    f.abhaengige.clear();
    std::vector<test::ZeichenAufruf>().swap(f.letzteZeichnung);
}

} // namespace test::intern

bool klasseRegistrieren(const FensterKlasse& k)
{
    if (k.name.empty() || !k.proc)
        return false;
    return zustand().klassen.emplace(k.name, k).second;
}

Fenster fensterErzeugen(const std::string& klasse, const std::string& titel, uint32_t stilBits,
                        int x, int y, int breite, int hoehe, Fenster eltern, Menue menue,
                        intptr_t parameter)
{
    if (!aufGui("fensterErzeugen"))
        return nullptr;
    Zustand& z = zustand();
    auto k = z.klassen.find(klasse);
    if (k == z.klassen.end()) {
        fehler("fensterErzeugen: no window class \"" + klasse + "\"");
        return nullptr;
    }
    bool kind = stilBits & stil::Kind;
    FensterObjekt* e = lebend(eltern);
    if ((eltern && !e) || (kind && !e))
        return nullptr;

    if (x == StandardPosition) {
        x = kind ? 0 : test::standardX;
        y = kind ? 0 : test::standardY;
    }
    if (breite == StandardPosition) {
        breite = kind ? 100 : 800;
        hoehe = kind ? 100 : 600;
    }
    FensterObjekt* f = fensterAnlegen(klasse, k->second.proc, titel, stilBits & ~stil::Sichtbar,
                                      {x, y, x + breite, y + hoehe}, e);
    if (menue && !kind)
        leisteAnbringen(*f, menue);
    if (!kind)
        z.titel.push_back({f, titel});

    if (senden(f, nachricht::Erzeugen, 0, parameter) == -1) {
        fensterZerstoeren(f);
        return nullptr;
    }
    if (!lebend(f))
        return nullptr;
    Punkt g = clientGroesse(*f);
    senden(f, nachricht::Groesse, groesse::Wiederhergestellt, machLParam(g.x, g.y));
    Punkt u = clientUrsprung(*f);
    senden(f, nachricht::Bewegen, 0, machLParam(u.x, u.y));
    if (stilBits & stil::Sichtbar)
        zeigen(f, anzeige::Zeigen);
    return lebend(f);
}

void fensterZerstoeren(Fenster f)
{
    if (!aufGui("fensterZerstoeren"))
        return;
    if (FensterObjekt* o = lebend(f)) {
        zerstoeren(*o);
        vordergrundNeu();
    }
}

bool istFenster(Fenster f) { return lebend(f) != nullptr; }

std::string klassenName(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->klasse : std::string();
}

Fenster elternFenster(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->eltern : nullptr;
}

intptr_t standardFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t)
{
    if (n == nachricht::Schliessen)
        fensterZerstoeren(f);
    else if (n == nachricht::SystemBefehl) {
        switch (w) {
        case systembefehl::Schliessen: senden(f, nachricht::Schliessen); break;
        case systembefehl::Minimieren: zeigen(f, anzeige::Minimiert); break;
        case systembefehl::Maximieren: zeigen(f, anzeige::Maximiert); break;
        case systembefehl::Wiederherstellen: zeigen(f, anzeige::Wiederherstellen); break;
        }
    }
    return 0;
}

void fensterDatenSetzen(Fenster f, intptr_t wert)
{
    if (FensterObjekt* o = lesbar(f))
        o->daten = wert;
}

intptr_t fensterDaten(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->daten : 0;
}

// ---- showing, placing ---------------------------------------------------------

void zeigen(Fenster f, int art)
{
    if (!aufGui("zeigen"))
        return;
    FensterObjekt* o = lebend(f);
    if (!o)
        return;
    Lage alt = lageVon(*o);
    bool warVerdeckt = !o->sichtbar || o->minimiert;
    switch (art) {
    case anzeige::Verbergen: o->sichtbar = false; break;
    case anzeige::Normal:
    case anzeige::Wiederherstellen:
        // from minimised back to the state before (maybe maximised), else to normal
        o->sichtbar = true;
        if (o->minimiert)
            o->minimiert = false;
        else
            o->maximiert = false;
        break;
    case anzeige::Minimiert: o->sichtbar = o->minimiert = true; break;
    case anzeige::Maximiert:
        o->sichtbar = o->maximiert = true;
        o->minimiert = false;
        break;
    default: o->sichtbar = true; break;
    }
    lageMelden(*o, alt);
    if (!lebend(f))
        return;
    if (warVerdeckt && o->sichtbar && !o->minimiert)   // uncovered: everything needs painting
        allesUngueltig(*o);
    if (art == anzeige::Verbergen)
        vordergrundNeu();
    else if (art != anzeige::Minimiert && istOberstes(*o))
        aktivieren(o);
}

bool istSichtbar(Fenster f)
{
    FensterObjekt* o = lebend(f);
    for (; o; o = istOberstes(*o) ? nullptr : lesbar(o->eltern))
        if (!o->sichtbar)
            return false;
    return lebend(f) != nullptr;
}

bool istMinimiert(Fenster f)
{
    FensterObjekt* o = lebend(f);
    return o && o->minimiert;
}

bool istMaximiert(Fenster f)
{
    FensterObjekt* o = lebend(f);
    return o && o->maximiert && !o->minimiert;
}

// Placing a minimised or maximised window brings it back to the normal state there.
void verschieben(Fenster f, int x, int y, int breite, int hoehe)
{
    if (!aufGui("verschieben"))
        return;
    FensterObjekt* o = lebend(f);
    if (!o)
        return;
    Lage alt = lageVon(*o);
    if (o->dialog)
        o->dialog->platziert = true;   // its procedure hears of moves only from now on
    o->minimiert = o->maximiert = false;
    o->normal = {x, y, x + breite, y + hoehe};
    lageMelden(*o, alt);
}

void titelSetzen(Fenster f, const std::string& titel)
{
    if (FensterObjekt* o = lebend(f)) {
        o->titel = titel;
        if (!(o->stil & stil::Kind))
            zustand().titel.push_back({f, titel});
    }
}

std::string titel(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->titel : std::string();
}

void vordergrundSetzen(Fenster f)
{
    if (aufGui("vordergrundSetzen"))
        aktivieren(f);
}

Fenster vordergrundFenster() { return lebend(zustand().vordergrund); }

void freigeben(Fenster f, bool an)
{
    if (!aufGui("freigeben"))
        return;
    FensterObjekt* o = lebend(f);
    if (!o || o->freigegeben == an)
        return;
    o->freigegeben = an;
    senden(o, nachricht::Freigeben, an ? 1 : 0, 0);
}

bool istFreigegeben(Fenster f)
{
    FensterObjekt* o = lebend(f);
    return o && o->freigegeben;
}

// The focus moves into the window's top-level window, which becomes active first.
// FokusVerloren carries the window that gets the focus, FokusErhalten the one that had it.
void fokusSetzen(Fenster f)
{
    if (!aufGui("fokusSetzen"))
        return;
    Zustand& z = zustand();
    FensterObjekt* o = lebend(f);
    if (f && !o)
        return;
    if (o)
        aktivieren(o);
    if (z.fokus == o || (o && !lebend(o)))
        return;
    Fenster alt = lebend(z.fokus);
    z.fokus = o;
    if (alt)
        senden(alt, nachricht::FokusVerloren, reinterpret_cast<uintptr_t>(o), 0);
    if (o && z.fokus == o)
        senden(o, nachricht::FokusErhalten, reinterpret_cast<uintptr_t>(alt), 0);
}

Fenster fokusFenster() { return lebend(zustand().fokus); }

Rechteck fensterRechteck(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    if (!o)
        return {};
    Rechteck a = aussen(*o);
    if (!istOberstes(*o))
        if (FensterObjekt* e = lesbar(o->eltern)) {
            Punkt u = clientUrsprung(*e);
            a = {a.links + u.x, a.oben + u.y, a.rechts + u.x, a.unten + u.y};
        }
    return a;
}

Rechteck clientRechteck(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    if (!o)
        return {};
    Punkt g = clientGroesse(*o);
    return {0, 0, g.x, g.y};
}

Punkt clientZuBildschirm(Fenster f, Punkt p)
{
    FensterObjekt* o = lesbar(f);
    if (!o)
        return p;
    Punkt u = clientUrsprung(*o);
    return {p.x + u.x, p.y + u.y};
}

Punkt bildschirmZuClient(Fenster f, Punkt p)
{
    FensterObjekt* o = lesbar(f);
    if (!o)
        return p;
    Punkt u = clientUrsprung(*o);
    return {p.x - u.x, p.y - u.y};
}

Rechteck arbeitsbereich() { return zustand().arbeitsbereich; }

void ungueltigMachen(Fenster f, const Rechteck* r)
{
    if (FensterObjekt* o = lebend(f))
        ungueltig(*o, r);
}

void neuZeichnen(Fenster f)
{
    FensterObjekt* o = lebend(f);
    if (!aufGui("neuZeichnen") || !o || !o->ungueltig || !zeigtSich(*o))
        return;
    zeichnenZustellen(o, false);
}

Punkt mausPosition() { return zustand().maus; }

// ---- the menu bar (the menu records themselves live in platform/menue_modell.cpp) ----

// Children have no menu bar. A menu can be the bar of one window only.
void menueSetzen(Fenster f, Menue m)
{
    FensterObjekt* o = lebend(f);
    if (!aufGui("menueSetzen") || !o || !istOberstes(*o) || o->menue == m)
        return;
    Lage alt = lageVon(*o);
    leisteAnbringen(*o, m);
    lageMelden(*o, alt);
}

Menue fensterMenue(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->menue : nullptr;
}

namespace test {

void fokusFensterSetzen(Fenster f)
{
    if (lebend(f)) {
        vordergrundSetzen(f);
        fokusSetzen(f);
    }
}

} // namespace test
} // namespace plattform
