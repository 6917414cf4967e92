// platform/test/steuerelemente.cpp - status bar, text box and trackbar as child windows
#include "platform/zeichensatz.h"
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;

namespace {

// a key that reaches a control is one it has no use for: its parent's shortcuts take it
intptr_t steuerProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (istTastenNachricht(n))
        if (Fenster eltern = elternFenster(f))
            return senden(eltern, n, w, l);
    return standardFensterProc(f, n, w, l);
}

// zuruecksetzen forgets every class, so the built-in ones come back on demand
void klassenSicherstellen()
{
    for (const char* name : {test::statusleisteKlasse, test::textfeldKlasse, test::schiebereglerKlasse})
        klasseRegistrieren({name, steuerProc});
}

Fenster kindErzeugen(const char* klasse, Fenster eltern, const Rechteck& r)
{
    klassenSicherstellen();
    if (!lebend(eltern))
        return nullptr;
    return fensterErzeugen(klasse, "", stil::Kind | stil::Sichtbar, r.links, r.oben, r.breite(), r.hoehe(), eltern);
}

// The control's record, or null: silently for dead handles (a late update during
// shutdown), with a failure for a live window of another kind (a mixed-up handle).
template <class T>
T* steuerelement(std::map<const FensterObjekt*, T>& tabelle, Fenster f, const char* wer)
{
    FensterObjekt* o = lebend(f);
    if (!o)
        return nullptr;
    auto it = tabelle.find(o);
    if (it == tabelle.end()) {
        fehler(std::string(wer) + ": the window is a \"" + o->klasse + "\", not this control");
        return nullptr;
    }
    return &it->second;
}

template <class T>
const T* gelesen(const std::map<const FensterObjekt*, T>& tabelle, Fenster f)
{
    FensterObjekt* o = lebend(f);
    auto it = o ? tabelle.find(o) : tabelle.end();
    return it != tabelle.end() ? &it->second : nullptr;
}

Rechteck leistenPlatz(Fenster eltern)
{
    Rechteck c = clientRechteck(eltern);
    return {0, c.unten - test::statusleisteHoehe, c.rechts, c.unten};
}

} // namespace

// ---- status bar -------------------------------------------------------------------

Fenster statusleisteErzeugen(Fenster eltern, int id)
{
    if (!aufGui("statusleisteErzeugen"))
        return nullptr;
    Fenster f = kindErzeugen(test::statusleisteKlasse, eltern, leistenPlatz(eltern));
    if (f)
        zustand().statusleisten[f].id = id;
    return f;
}

void statusleisteAnpassen(Fenster leiste)
{
    if (!steuerelement(zustand().statusleisten, leiste, "statusleisteAnpassen"))
        return;
    Rechteck r = leistenPlatz(elternFenster(leiste));
    verschieben(leiste, r.links, r.oben, r.breite(), r.hoehe());
}

void statusTeileSetzen(Fenster leiste, std::span<const int> rechteKanten)
{
    if (auto* s = steuerelement(zustand().statusleisten, leiste, "statusTeileSetzen"))
        s->kanten.assign(rechteKanten.begin(), rechteKanten.end());
}

void statusTextSetzen(Fenster leiste, int teilUndStil, const std::string& text)
{
    Zustand& z = zustand();
    auto* s = steuerelement(z.statusleisten, leiste, "statusTextSetzen");
    if (!s)
        return;
    const int teil = teilUndStil & 0xFF;
    const uint32_t stilBits = static_cast<uint32_t>(teilUndStil) & 0xFF00;
    s->teile[teil] = {text, stilBits};
    z.ereignisse.push_back({test::Ereignis::Status, text, teil, static_cast<int>(stilBits), leiste});
}

std::string statusText(Fenster leiste, int teil)
{
    const auto* s = gelesen(zustand().statusleisten, leiste);
    if (!s)
        return {};
    auto it = s->teile.find(teil & 0xFF);
    return it != s->teile.end() ? it->second.text : std::string();
}

void statusEinfach(Fenster leiste, bool einfach)
{
    if (auto* s = steuerelement(zustand().statusleisten, leiste, "statusEinfach"))
        s->einfach = einfach;
}

// ---- text box -------------------------------------------------------------------------

Fenster textfeldErzeugen(Fenster eltern, int id, const Rechteck& r, bool nurLesen)
{
    if (!aufGui("textfeldErzeugen"))
        return nullptr;
    Fenster f = kindErzeugen(test::textfeldKlasse, eltern, r);
    if (f) {
        auto& t = zustand().textfelder[f];
        t.id = id;
        t.nurLesen = nurLesen;
    }
    return f;
}

void textfeldTextSetzen(Fenster feld, const std::string& text)
{
    if (auto* t = steuerelement(zustand().textfelder, feld, "textfeldTextSetzen"))
        t->text = zeilenendenLf(text);    // the text box keeps "\n" line ends
}

void textfeldAnhaengen(Fenster feld, const std::string& text)
{
    if (auto* t = steuerelement(zustand().textfelder, feld, "textfeldAnhaengen"))
        t->text += zeilenendenLf(text);
}

std::string textfeldText(Fenster feld)
{
    const auto* t = gelesen(zustand().textfelder, feld);
    return t ? t->text : std::string();
}

void textfeldTextUebernehmen(Fenster nach, Fenster von)
{
    const auto* quelle = gelesen(zustand().textfelder, von);
    auto* ziel = steuerelement(zustand().textfelder, nach, "textfeldTextUebernehmen");
    if (quelle && ziel)
        ziel->text = quelle->text;
}

void textfeldSchrift(Fenster feld, Schrift s)
{
    if (auto* t = steuerelement(zustand().textfelder, feld, "textfeldSchrift"))
        t->schrift = schriftMerkmale(s);   // a copy: the caller may delete the font
}

// ---- trackbar --------------------------------------------------------------------------

Fenster schiebereglerErzeugen(Fenster eltern, int id, const Rechteck& r, bool vertikal)
{
    if (!aufGui("schiebereglerErzeugen"))
        return nullptr;
    Fenster f = kindErzeugen(test::schiebereglerKlasse, eltern, r);
    if (f) {
        auto& s = zustand().regler[f];
        s.id = id;
        s.vertikal = vertikal;
    }
    return f;
}

// a reversed range is taken as given in the other order
void schiebereglerBereich(Fenster regler, int min, int max)
{
    if (auto* s = steuerelement(zustand().regler, regler, "schiebereglerBereich")) {
        s->min = std::min(min, max);
        s->max = std::max(min, max);
        s->position = std::clamp(s->position, s->min, s->max);
    }
}

void schiebereglerPositionSetzen(Fenster regler, int position)
{
    if (auto* s = steuerelement(zustand().regler, regler, "schiebereglerPositionSetzen"))
        s->position = std::clamp(position, s->min, s->max);
}

int schiebereglerPosition(Fenster regler)
{
    const auto* s = gelesen(zustand().regler, regler);
    return s ? s->position : 0;
}

namespace test {

const StatusleisteZustand* statusleisteZustand(Fenster leiste) { return gelesen(zustand().statusleisten, leiste); }
const TextfeldZustand* textfeldZustand(Fenster feld) { return gelesen(zustand().textfelder, feld); }
const SchiebereglerZustand* schiebereglerZustand(Fenster regler) { return gelesen(zustand().regler, regler); }

void schiebereglerBenutzen(Fenster regler, int code, int position)
{
    if (!eingabeMoeglich(regler, "schiebereglerBenutzen"))
        return;
    auto* s = steuerelement(zustand().regler, regler, "schiebereglerBenutzen");
    if (!s)
        return;
    s->position = std::clamp(position, s->min, s->max);
    const bool vertikal = s->vertikal;
    const int p = s->position;   // s may not outlive the call below
    senden(elternFenster(regler), vertikal ? nachricht::VScroll : nachricht::HScroll, machWParam(code, p),
           reinterpret_cast<intptr_t>(regler));
}

} // namespace test
} // namespace plattform
