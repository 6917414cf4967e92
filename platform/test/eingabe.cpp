// platform/test/eingabe.cpp - tooltips, cursors, beeps and key states of the scripted platform
#include "platform/cursor_datei.h"
#include "platform/test/zustand.h"

namespace plattform {
using namespace test::intern;

// ---- tooltips -------------------------------------------------------------------------

void tooltipSetzen(Fenster fenster, int id, const std::string& text)
{
    if (FensterObjekt* o = lebend(fenster))
        zustand().tooltips[{o, id}] = text;
}

void tooltipStil(Schrift schrift, Farbe text, Farbe hintergrund)
{
    zustand().tooltipStil = {true, schriftMerkmale(schrift), text, hintergrund};
}

// ---- cursors --------------------------------------------------------------------------

Cursor standardCursor(int art)
{
    static CursorObjekt eingebaut[] = {{cursorArt::Pfeil, {}}, {cursorArt::Warten, {}}, {cursorArt::Kreuz, {}}};
    return art >= cursorArt::Pfeil && art <= cursorArt::Kreuz ? &eingebaut[art] : nullptr;
}

Cursor cursorLaden(const std::string& pfad)
{
    std::string bytes;
    CursorKopf kopf;
    if (!cursorDateiLesen(pfad, bytes, kopf))
        return nullptr;
    auto& geladen = zustand().geladeneCursor;
    geladen.push_back(std::make_unique<CursorObjekt>(CursorObjekt{-1, pfad}));
    return geladen.back().get();
}

void fensterCursorSetzen(Fenster f, Cursor c)
{
    if (FensterObjekt* o = lebend(f))
        o->cursor = c;
}

void cursorSetzen(Cursor c) { zustand().aktuellerCursor = c; }

// ---- sound and keys --------------------------------------------------------------------

void piepen(int frequenz, int ms)
{
    zustand().ereignisse.push_back({test::Ereignis::Piep, {}, frequenz, ms});
}

bool tasteGedrueckt(int welche)
{
    return welche >= 0 && welche < 4 && zustand().tasten[welche];
}

bool feststelltasteAn() { return zustand().feststell; }

namespace test {

std::string tooltip(Fenster fenster, int id)
{
    FensterObjekt* o = lebend(fenster);
    if (!o)
        return {};
    const auto& t = zustand().tooltips;
    auto it = t.find({o, id});
    return it != t.end() ? it->second : std::string();
}

size_t tooltipAnzahl()   // of living windows
{
    size_t n = 0;
    for (const auto& [schluessel, text] : zustand().tooltips)
        n += lebend(const_cast<FensterObjekt*>(schluessel.first)) != nullptr;
    return n;
}

TooltipStil tooltipStilAbfragen() { return zustand().tooltipStil; }

Cursor aktuellerCursor() { return zustand().aktuellerCursor; }

Cursor fensterCursor(Fenster f)
{
    FensterObjekt* o = lebend(f);
    return o ? o->cursor : nullptr;
}

std::string cursorDatei(Cursor c) { return c ? c->pfad : std::string(); }

void tastenZustandSetzen(int welche, bool gedrueckt)
{
    if (welche >= 0 && welche < 4)
        zustand().tasten[welche] = gedrueckt;
}

void feststellSetzen(bool an) { zustand().feststell = an; }

} // namespace test
} // namespace plattform
