// files/diagrammeinstellungen.cpp - the display settings of a neuron's diagrams as lines
// "Diagramm <k> zu <neuron> key=value"
//
// Diagram 1 is the record given (a neuron's main diagram, the permutation display's
// template or the template of new diagrams), 2, 3, ... the further diagrams chained behind
// it, all under the first one's neuron number; the permutation template always under
// Texts older than the numbering hold one diagram under "Diagramm zu <neuron> ".
#include "files/diagrammeinstellungen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/lesen.h"
#include "files/schluesselverzeichnis.h"
#include "model/ergebnisdateien.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include "model/zeichengrenzen.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <string>


namespace {

using D = DiagrammDaten;
using K = KurvenDaten;

constexpr int permutationsNummer = 65535;
constexpr int textReferenzOhneWerte = 951;

// Schalter: "=ja" / "=nein"; Bit: the same for one bit of ursprungBeschriften (a "nein"
// leaves the bit); Fest: a number with six decimals; Text: a missing or empty value gives
// an empty text; Name: a missing or empty value leaves the text; Begrenzt: a value that
// reaches the painter's sums (a pen width, a margin, a tick length) is clamped into the
// range the dialogs take, so a stored width of -1 (the template's) stays -1.
enum class Art { Schalter, Bit, Ganz, Zahl, Fest, Text, Name, Begrenzt };

// One key. A whole number outside min..max counts as missing, so nothing read here can
// index past a table; for a text max is its room (the longest value plus one).
template <class R>
struct Zeile {
    const char* schluessel;   // a slot line carries "%d" for the slot
    Art art;
    int R::*ganz = nullptr;
    double R::*zahl = nullptr;
    std::string R::*text = nullptr;
    int min = INT_MIN;
    int max = INT_MAX;
};

template <class R>
constexpr Zeile<R> ganz(const char* s, int R::*f, int min = INT_MIN, int max = INT_MAX)
{
    return {s, Art::Ganz, f, nullptr, nullptr, min, max};
}
template <class R>
constexpr Zeile<R> zahl(const char* s, double R::*f, Art art = Art::Zahl)
{
    return {s, art, nullptr, f};
}
template <class R>
constexpr Zeile<R> text(const char* s, std::string R::*f, int raum, Art art = Art::Text)
{
    return {s, art, nullptr, nullptr, f, 0, raum};
}
template <class R>
constexpr Zeile<R> dicke(const char* s, int R::*f)
{
    return {s, Art::Begrenzt, f, nullptr, nullptr, -1, groessteLinienDicke};
}
// pixels the layout adds up: the layout dialog's range either way
constexpr Zeile<D> pixel(const char* s, int D::*f)
{
    return {s, Art::Begrenzt, f, nullptr, nullptr, -groessteZeichenGroesse, groessteZeichenGroesse};
}
constexpr Zeile<D> schalter(const char* s, int D::*f) { return {s, Art::Schalter, f}; }
constexpr Zeile<D> bit(const char* s, int b) { return {s, Art::Bit, &D::ursprungBeschriften, nullptr, nullptr, b, b}; }

// the keys up to the x tick interval, in the order they are written
constexpr Zeile<D> vorneZeilen[] = {
    schalter("hilfslinien", &D::hilfslinien),
    schalter("horizontale hilfslinien", &D::horizontaleHilfslinien),
    schalter("vertikale hilfslinien", &D::vertikaleHilfslinien),
    schalter("definierte horizontale hilfslinie", &D::definierteHorizontaleHilfslinie),
    schalter("definierte vertikale hilfslinie", &D::definierteVertikaleHilfslinie),
    dicke("linienDicke", &D::linienDicke),
    ganz("linienArt (0: SOLID, 1: DASH, 2: DOT)", &D::linienArt, 0, 2),
    ganz("linienWieTicks", &D::linienWieTicks),
    zahl("abstand horizontaler Linien", &D::abstandHorizontalerLinien),
    zahl("abstand vertikaler Linien", &D::abstandVertikalerLinien),
    pixel("X-Rand (in Pixel)", &D::xRand),
    pixel("X-Rand rechts (in Pixel)", &D::xRandRechts),
    pixel("Y-Rand (in Pixel)", &D::yRand),
    dicke("achsenDicke", &D::achsenDicke),
    dicke("tickDicke", &D::tickDicke),
    pixel("tickLaenge", &D::tickLaenge),
    pixel("xTickPosition", &D::xTickPosition),
    pixel("yTickPosition", &D::yTickPosition),
    pixel("xTextAbstand", &D::xTextAbstand),
    pixel("yTextAbstand", &D::yTextAbstand),
    ganz("tickFontSize", &D::tickFontSize),
    ganz("dimensionen anzeigen", &D::dimensionenAnzeigen),
    text("x-dimension", &D::xDimension, 64),
    text("y-dimension", &D::yDimension, 64),
    ganz("dimension links an x-achse", &D::dimensionLinks),
    ganz("schriftgr\xF6\xDF" "e f\xFCr dimensionen", &D::dimensionSchriftgroesse),
    ganz("abstand x-dimension von x-achse", &D::xDimensionAbstand),
    ganz("position x-dimension entlang x-achse", &D::xDimensionPosition),
    ganz("abstand y-dimension von y-achse", &D::yDimensionAbstand),
    ganz("position y-dimension entlang y-achse", &D::yDimensionPosition),
    ganz("ticks anpassen", &D::ticksAnpassen),
    ganz("legendeFontSize", &D::legendeFontSize),
    ganz("legendePosition x", &D::legendeX),
    ganz("legendePosition y", &D::legendeY),
    ganz("legendeLinksbuendig", &D::legendeLinksbuendig),
    zahl("xUrsprung (werte)", &D::xUrsprung, Art::Fest),
    zahl("yUrsprung (werte)", &D::yUrsprung, Art::Fest),
    ganz("anzahl dezimalstellen fuer x-achse automatisch", &D::dezimalstellenXFest),
    ganz("anzahl dezimalstellen fuer x-achse", &D::dezimalstellenX),
    ganz("anzahl dezimalstellen fuer werte", &D::dezimalstellenWerte),
    ganz("anzahl dezimalstellen fuer hCursor", &D::dezimalstellenHCursor),
    ganz("anzahl dezimalstellen fuer vCursor", &D::dezimalstellenVCursor),
    bit("x-tick im ursprung beschriften", 0x1),
    bit("y-tick im ursprung beschriften", 0x2),
};
constexpr const char* xTickSchluessel = "xTickIntervall";
constexpr const char* yTickSchluessel = "yTickIntervall";

// the ranges, each with the value a missing key gives
struct Grenze {
    const char* schluessel;
    double D::*feld;
    double fehlt;
};
constexpr Grenze yGrenzen[] = {{"minY", &D::minY, -100.0}, {"maxY", &D::maxY, 50.0}};
constexpr Grenze xGrenzen[] = {{"minX", &D::minX, 0.0}, {"maxX", &D::maxX, -1.0}};

constexpr Zeile<D> cursorZeilen[] = {dicke("cursor dicke", &D::cursorDicke), ganz("cursor art", &D::cursorArt)};

struct FarbZeile {
    const char* name;
    plattform::Farbe D::*feld;
};
constexpr FarbZeile farben[] = {
    {"cursorFarbe", &D::cursorFarbe}, {"achsenFarbe", &D::achsenFarbe}, {"tickFarbe", &D::tickFarbe},
    {"linienFarbe", &D::linienFarbe}, {"textFarbe", &D::textFarbe},
};
constexpr const char* farbAnteile[] = {" rot", " gruen", " blau"};

constexpr Zeile<D> legendeZeile = ganz("werte in legende anzeigen", &D::werteInLegende);

// slots 0-7 by switch, 8-11 by the user channel they show (1-4, 0 none)
constexpr const char* kurvenSchalter[] = {
    "kurve zeichnen somapotential",
    "kurve zeichnen natriumstrom",
    "kurve zeichnen kaliumstrom",
    "kurve zeichnen calziumstrom",
    "kurve zeichnen gesamtstrom",
    "kurve zeichnen dendritenpotential segment 1",
    "kurve zeichnen dendritenpotential segment 2",
    "kurve zeichnen dendritenpotential segment 3",
};
constexpr const char* kanalSchluessel = "kurve zeichnen strom kanal %d";
constexpr int kanalAnzahl = 4;
constexpr const char* referenzSchluessel = "kurve zeichnen referenz %d";

// the lines of a slot that is on, after its colour
constexpr const char* kurvenFarbe = "farbe fuer Kurve %d";
constexpr Zeile<K> kurvenZeilen[] = {
    ganz("linienart fuer Kurve %d", &K::linienart, 0, 2),
    dicke("liniendicke fuer Kurve %d", &K::dicke),
    zahl("yOffset fuer Kurve %d", &K::yOffset),
    zahl("yZoom fuer Kurve %d", &K::yZoom),
    ganz("referenz fuer Kurve %d", &K::referenz),
    ganz("stromreiz-segment fuer Kurve %d", &K::stromreizSegment, 0, 4),
    ganz("externe neuron id fuer Kurve %d", &K::externeNeuronId, 0, neuronTabellenGroesse - 1),
    ganz("externe kurve id fuer Kurve %d", &K::externeKurveId, 0, kurvenProDiagramm - 1),
    ganz("synapse id fuer Kurve %d", &K::synapseId, 0, 4095),
    text("Bezeichnung fuer Kurve %d", &K::bezeichnung, 128, Art::Name),
    text("dimension fuer Kurve %d", &K::dimension, 32),
    ganz("eigene Y-achse fuer Kurve %d", &K::eigeneYAchse),
    zahl("minY fuer Kurve %d", &K::minY),
    zahl("maxY fuer Kurve %d", &K::maxY),
    zahl("X-pos fuer Kurve %d", &K::xPos),
    ganz("tick-pos fuer Kurve %d", &K::tickPos),
    ganz("tick-laenge fuer Kurve %d", &K::tickLaenge),
    ganz("anzahl ticks fuer Kurve %d", &K::anzahlTicks),
    ganz("fester tick abstand fuer Kurve %d", &K::festerTickAbstand),
    zahl("tick abstand fuer Kurve %d", &K::tickAbstand),
    ganz("dezimalstellen an fuer Kurve %d", &K::dezimalstellenAn),
    ganz("anzahl dezimalstellen fuer Kurve %d", &K::anzahlDezimalstellen),
    ganz("beschriftung abstand fuer Kurve %d", &K::beschriftungAbstand),
    ganz("0 von 2. y-achse auf x-achse %d", &K::nullAufXAchse),
    ganz("dimension anzeigen fuer Kurve %d", &K::dimensionAnzeigen),
    ganz("dimension abstand fuer Kurve %d", &K::dimensionAbstand),
    ganz("dimension Y-pos fuer Kurve %d", &K::dimensionYPos),
    dicke("dicke 2. achse %d", &K::dicke2Achse),
};

// The key text with the index in place of its "%d", behind what aus holds; a text with
// other conversions goes through printf.
void schluesselAnhaengen(std::string& aus, const char* text, int index)
{
    const char* prozent = std::strchr(text, '%');
    if (!prozent) {
        aus += text;
    } else if (prozent[1] == 'd' && !std::strchr(prozent + 2, '%')) {
        char zahl[16];
        const char* ende = std::to_chars(zahl, zahl + sizeof zahl, index).ptr;
        aus.append(text, static_cast<size_t>(prozent - text)).append(zahl, static_cast<size_t>(ende - zahl));
        aus += prozent + 2;
    } else {
        char teil[160];
        std::snprintf(teil, sizeof teil, text, index);
        aus += teil;
    }
}

// the prefix and the key text with the index in place of its "%d"
std::string schluessel(const std::string& vorsilbe, const char* text, int index)
{
    std::string s = vorsilbe;
    schluesselAnhaengen(s, text, index);
    return s;
}

std::string nummerierteVorsilbe(int k, int neuron)
{
    return "Diagramm " + std::to_string(k) + " zu " + std::to_string(neuron) + " ";
}
std::string alteVorsilbe(int neuron) { return "Diagramm zu " + std::to_string(neuron) + " "; }

// the number a list is written and read under
int listenNummer(const DiagrammDaten* erstes)
{
    return erstes == &permutationsDiagramm ? permutationsNummer : erstes->neuronId;
}

// ---- writing ---------------------------------------------------------------------------------

template <class R>
void zeileSchreiben(XBuffer& p, const std::string& vorsilbe, const Zeile<R>& z, const R& r, int index = 0)
{
    p.anhaengen(schluessel(vorsilbe, z.schluessel, index));
    p.anhaengen("=");
    switch (z.art) {
    case Art::Schalter: p.anhaengen(r.*z.ganz ? "ja" : "nein"); break;
    case Art::Bit: p.anhaengen((r.*z.ganz & z.min) ? "ja" : "nein"); break;
    case Art::Ganz:
    case Art::Begrenzt: p.ganzAnhaengen(r.*z.ganz); break;
    case Art::Zahl: p.zahlAnhaengen(r.*z.zahl); break;
    case Art::Fest: p.sechsStellenAnhaengen(r.*z.zahl); break;
    case Art::Text:
    case Art::Name: p.anhaengen((r.*z.text).c_str()); break;
    }
    p.zeilenende();
}

void diagrammSchreiben(XBuffer& p, const DiagrammDaten& d, int k, int n, bool ohneYBereich)
{
    const std::string v = nummerierteVorsilbe(k, n);
    // up to the tick intervals; the y interval and range not for a filtered template
    for (const Zeile<D>& z : vorneZeilen)
        zeileSchreiben(p, v, z, d);
    p.drucken("%s%s=%.15g\n", v.c_str(), xTickSchluessel, d.xTickIntervall);
    if (!ohneYBereich) {
        p.drucken("%s%s=%.15g\n", v.c_str(), yTickSchluessel, d.yTickIntervall);
        for (const Grenze& g : yGrenzen)
            p.drucken("%s%s=%.15g\n", v.c_str(), g.schluessel, d.*g.feld);
    }
    // x range, cursor, colours by component, the curve switches
    for (const Grenze& g : xGrenzen)
        p.drucken("%s%s=%.15g\n", v.c_str(), g.schluessel, d.*g.feld);
    for (const Zeile<D>& z : cursorZeilen)
        zeileSchreiben(p, v, z, d);
    for (const FarbZeile& f : farben) {
        const plattform::Farbe farbe = d.*f.feld;
        const int anteile[] = {plattform::rotAnteil(farbe), plattform::gruenAnteil(farbe), plattform::blauAnteil(farbe)};
        for (int i = 0; i < 3; ++i)
            p.drucken("%s%s%s=%d\n", v.c_str(), f.name, farbAnteile[i], anteile[i]);
    }
    zeileSchreiben(p, v, legendeZeile, d);
    for (int s = 0; s < kurve::Kanal1; ++s)
        p.drucken("%s%s=%s\n", v.c_str(), kurvenSchalter[s], d.kurven[s].anzeigen ? "ja" : "nein");
    // the channel slots that are on
    for (int i = 0; i < kanalAnzahl; ++i) {
        const KurvenDaten& k8 = d.kurven[kurve::Kanal1 + i];
        if (k8.anzeigen)
            p.drucken("%s=%d\n", schluessel(v, kanalSchluessel, i + 1).c_str(), k8.kanal);
    }
    // reference curves only while a curve data file is being opened
    if (datPfad.kurvenDateiWirdGeoeffnet && n != 0 && n != permutationsNummer)
        for (int s = kurve::Referenz1; s < kurvenProDiagramm; ++s) {
            const KurvenDaten& r = d.kurven[s];
            if (r.referenz != kurvenReferenz::Gespeichert)
                continue;
            if (lesbareWerte(r) > 0)
                p.drucken("%s=1\n", schluessel(v, referenzSchluessel, s).c_str());
            else
                plattform::hinweisBox(meldungFormatieren(textReferenzOhneWerte));
        }
    // the slots that are on
    for (int s = 0; s < kurvenProDiagramm; ++s) {
        const KurvenDaten& kd = d.kurven[s];
        if (!kd.anzeigen)
            continue;
        p.drucken("%s=%d\n", schluessel(v, kurvenFarbe, s).c_str(), static_cast<int>(kd.farbe));
        for (const Zeile<K>& z : kurvenZeilen)
            zeileSchreiben(p, v, z, kd, s);
    }
}

// ---- reading ---------------------------------------------------------------------------------

// Each key is searched from behind the last one found; a missing key (or a value that
// cannot be used) sends the search back to the start of the block. The keys are looked up
// among the block's lines of the diagram's prefix (verzeichnis), with the result a search
// through the block would give.
struct Suche {
    char* anfang;
    char* zeiger;
    const SchluesselVerzeichnis* verzeichnis = nullptr;
    std::string rest;      // the key being looked for, behind the prefix

    bool weiter(char* hinter)
    {
        zeiger = hinter ? hinter : anfang;
        return hinter != nullptr;
    }
    // the key behind the diagram's prefix: its text with the index put in, and anhang
    const std::string& teil(const char* text, int index, const char* anhang)
    {
        rest.clear();
        schluesselAnhaengen(rest, text, index);
        return rest += anhang;
    }
    // where the key's text stands behind the prefix, from the cursor on
    char* stelle(const std::string& r) const
    {
        char* p = verzeichnis->suchen(zeiger, r);
        return p ? p + verzeichnis->vorsilbe().size() : nullptr;
    }
    template <class T>
    char* lesen(T& ziel, const std::string& r)
    {
        return zahlAnStelle(ziel, stelle(r), r.size());
    }
    bool zahl(double& ziel, const char* text, int index = 0, const char* anhang = "")
    {
        return weiter(lesen(ziel, teil(text, index, anhang)));
    }
    bool ganz(int& ziel, const char* text, int index = 0, int min = INT_MIN, int max = INT_MAX, const char* anhang = "")
    {
        int wert = 0;
        if (!weiter(lesen(wert, teil(text, index, anhang))))
            return false;
        if (wert < min || wert > max)
            return weiter(nullptr);
        ziel = wert;
        return true;
    }
    bool farbe(uint32_t& ziel, const char* text, int index) { return weiter(lesen(ziel, teil(text, index, "="))); }
    bool ja(const char* text)
    {
        const std::string& r = teil(text, 0, "=ja");
        char* s = stelle(r);
        return weiter(s ? s + r.size() : nullptr);
    }
    bool text(std::string& ziel, int raum, const char* text, int index)
    {
        const std::string& r = teil(text, index, "=");
        char* p = verzeichnis->amZeilenanfangSuchen(zeiger, r);
        char* s = p ? p + verzeichnis->vorsilbe().size() : nullptr;
        return weiter(s ? schluesselTextLesen(ziel, raum, s, r.c_str()) : nullptr);
    }
};

template <class R>
void zeileLesen(Suche& su, const Zeile<R>& z, R& r, int index = 0)
{
    switch (z.art) {
    case Art::Schalter: r.*z.ganz = su.ja(z.schluessel) ? 1 : 0; break;
    case Art::Bit:
        if (su.ja(z.schluessel))
            r.*z.ganz |= z.min;
        break;
    case Art::Ganz: su.ganz(r.*z.ganz, z.schluessel, index, z.min, z.max, "="); break;
    case Art::Begrenzt: {
        int wert = 0;
        if (su.ganz(wert, z.schluessel, index, INT_MIN, INT_MAX, "="))
            r.*z.ganz = std::clamp(wert, z.min, z.max);
        break;
    }
    case Art::Zahl:
    case Art::Fest: su.zahl(r.*z.zahl, z.schluessel, index, "="); break;
    case Art::Text: {
        std::string wert;
        r.*z.text = su.text(wert, z.max, z.schluessel, index) ? wert : std::string();
        break;
    }
    case Art::Name: {
        std::string wert;
        if (su.text(wert, z.max, z.schluessel, index) && !wert.empty())
            r.*z.text = wert;
        break;
    }
    }
}

void diagrammLesen(Suche& su, DiagrammDaten& d, bool referenzen)
{
    for (const Zeile<D>& z : vorneZeilen)
        zeileLesen(su, z, d);
    if (su.zahl(d.xTickIntervall, "xTickIntervall="))
        d.xTickIntervallWirksam = d.xTickIntervall;
    su.zahl(d.yTickIntervall, "yTickIntervall=");
    // The ranges are read x first, but written y first: a range key not found behind the
    // cursor is looked for once more from the block start, or minY would never come back.
    for (const Grenze* g : {&xGrenzen[0], &xGrenzen[1], &yGrenzen[0], &yGrenzen[1]}) {
        if (!su.zahl(d.*g->feld, g->schluessel, 0, "=") && !su.zahl(d.*g->feld, g->schluessel, 0, "="))
            d.*g->feld = g->fehlt;
    }
    for (const Zeile<D>& z : cursorZeilen)
        zeileLesen(su, z, d);
    // a colour is taken only whole
    for (const FarbZeile& f : farben) {
        int anteile[3] = {0, 0, 0};
        bool ganzeFarbe = true;
        for (int i = 0; i < 3; ++i) {
            const std::string s = std::string(f.name) + farbAnteile[i] + "=";
            ganzeFarbe = su.ganz(anteile[i], s.c_str(), 0, 0, 255) && ganzeFarbe;
        }
        d.*f.feld = ganzeFarbe ? plattform::rgbFarbe(anteile[0], anteile[1], anteile[2]) : plattform::KeineFarbe;
    }
    zeileLesen(su, legendeZeile, d);
    for (int s = 0; s < kurve::Kanal1; ++s)
        d.kurven[s].anzeigen = su.ja(kurvenSchalter[s]) ? 1 : 0;
    // a channel slot is on with the channel it shows
    for (int i = 0; i < kanalAnzahl; ++i) {
        KurvenDaten& k8 = d.kurven[kurve::Kanal1 + i];
        int kanal = 0;
        if (su.ganz(kanal, kanalSchluessel, i + 1, 0, kanalAnzahl, "=")) {
            k8.anzeigen = kanal;
            k8.kanal = kanal;
        } else {
            k8.anzeigen = 0;
        }
    }
    if (referenzen)
        for (int s = kurve::Referenz1; s < kurvenProDiagramm; ++s) {
            double egal = 0.0;
            const bool da = su.zahl(egal, referenzSchluessel, s, "=");
            d.kurven[s].anzeigen = da ? 1 : 0;
            d.kurven[s].referenz = da ? kurvenReferenz::Gespeichert : kurvenReferenz::Eigen;
        }
    // every slot, on or not
    for (int s = 0; s < kurvenProDiagramm; ++s) {
        KurvenDaten& kd = d.kurven[s];
        uint32_t farbe = 0;
        kd.farbe = su.farbe(farbe, kurvenFarbe, s) ? farbe : plattform::KeineFarbe;
        for (const Zeile<K>& z : kurvenZeilen)
            zeileLesen(su, z, kd, s);
    }
}

// The k-th diagram of the list to be filled: the one already there (a text read again
// must not multiply the diagrams), else a new record without a window, which the window
// list opens later. Only a neuron's own list grows; null ends the reading.
DiagrammDaten* weiteresDiagramm(DiagrammDaten* erstes, int k, int n)
{
    NeuronDaten* neuron = neuronNachNummer(n);
    if (!neuron || erstes != &neuron->hauptDiagramm)
        return nullptr;
    DiagrammDaten* d = erstes;
    int i = 1;
    for (; i < k && d->naechstes; ++i)
        d = d->naechstes;
    if (i == k)
        return d;
    // the record seam shows its own fatal message when memory runs out
    DiagrammDaten* neu = diagrammAnhaengen(*neuron);
    if (!neu)
        return nullptr;
    neu->neuronId = n;
    aktuellesDiagramm.diagramm = neu;
    return neu;
}

} // namespace

void diagrammEinstellungenSpeichern(DiagrammDaten* erstes, std::FILE* datei, XBuffer& puffer, int flush)
{
    const size_t ab = puffer.laenge();
    textZeiger = &puffer;
    if (erstes) {
        const int n = listenNummer(erstes);
        const bool ohneYBereich = erstes == &diagrammVorlage && dateipfade.filterIndex != 0;
        int k = 1;
        for (const DiagrammDaten* d = erstes; d; d = d->naechstes, ++k)
            diagrammSchreiben(puffer, *d, k, n, ohneYBereich);
    }
    xbufferAbgeben(puffer, ab, datei, flush);
}

void diagrammEinstellungenLaden(DiagrammDaten* erstes, char* blockAnfang)
{
    if (!erstes || !blockAnfang)
        return;
    // the number and the end of the block
    const int n = listenNummer(erstes);
    const std::string ende = "[ende NEURON " + std::to_string(n == permutationsNummer ? -1 : n) + "]";
    // key searches stop at the block end; so does the look for the older form, which holds
    // a single diagram without a number
    Abschnitt schnitt(blockAnfang, ende.c_str());
    const bool alt = std::strstr(blockAnfang, "Diagramm zu ") != nullptr;
    Suche su{blockAnfang, blockAnfang, nullptr, {}};
    const bool referenzen = datPfad.kurvenDateiWirdGeoeffnet && n != 0 && n != permutationsNummer;
    if (alt) {
        const SchluesselVerzeichnis verzeichnis(blockAnfang, alteVorsilbe(n));
        su.verzeichnis = &verzeichnis;
        diagrammLesen(su, *erstes, referenzen);
        return;
    }
    // the numbered form, diagram by diagram while the next one is there
    for (int k = 1;; ++k) {
        const SchluesselVerzeichnis verzeichnis(blockAnfang, nummerierteVorsilbe(k, n));
        su.verzeichnis = &verzeichnis;
        if (!verzeichnis.vorsilbeSuchen(su.zeiger))
            return;
        DiagrammDaten* d = k == 1 ? erstes : weiteresDiagramm(erstes, k, n);
        if (!d)
            return;
        diagrammLesen(su, *d, referenzen);
    }
}
