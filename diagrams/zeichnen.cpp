// diagrams/zeichnen.cpp - diagrammZeichnen: page frames, level bars, axes, ticks, labels,
// grid lines, stimulus marks and curves; then the read-outs and the close
#include "diagrams/diagramm.h"
#include "core/endemeldung.h"
#include "diagrams/drucken.h"
#include "diagrams/zeichner.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "diagrams/reizkurve.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

using namespace plattform;

namespace {

struct ZeichenMeldung { std::string text; bool fatal; std::function<void()> danach; };
std::vector<ZeichenMeldung> wartendeMeldungen;

// A loop over ticks or grid lines ends at the latest after this many rounds: one per pixel
// row or column of the stretch it walks, and a few more. Spacings below a pixel then draw
// part of their lines instead of running (nearly) forever.
int rundenGrenze(double von, double bis)
{
    const double spanne = std::abs(bis - von);
    return spanne < 70000.0 ? static_cast<int>(spanne) + 4 : 70004;
}

std::string zahl(const char* format, double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, wert);
    return puffer;
}

std::string zahl(const char* format, int stellen, double wert)
{
    char puffer[96];
    std::snprintf(puffer, sizeof puffer, format, std::clamp(stellen, 0, 30), wert);
    return puffer;
}

// the time axis' labels by their spacing, or with the places set for it
std::string zeitBeschriftung(const DiagrammDaten& d, double wert)
{
    if (d.dezimalstellenXFest)
        return zahl("%.*lf", d.dezimalstellenX, wert);
    const double abstand = d.xTickIntervallWirksam;
    return zahl(abstand <= 0.01 ? "%.04lf" : abstand <= 0.1 ? "%.03lf" : "%.02lf", wert);
}

// places of the time read-outs from the step: 0.01 gives 2, 0.025 gives 2, 1.0 gives 0
int zeitDezimalen(double schritt)
{
    int stellen = 0;
    for (; schritt < 1.0 && schritt > 0.0 && stellen < 30; ++stellen)
        schritt *= 10.0;
    return stellen;
}

void dezimalstellen(DiagrammDaten& d)
{
    if (d.dezimalstellenVCursor == 0)
        d.dezimalstellenVCursor = zeitDezimalen(simulationsParameter.schrittweite);
    if (d.dezimalstellenHCursor == 0)
        d.dezimalstellenHCursor = 3;
    if (d.dezimalstellenWerte == 0)
        d.dezimalstellenWerte = 3;
}

void stiftUndPinselNeu(DiagrammDaten& d, int welche, int stil, int breite, Farbe farbe)
{
    loeschen(d.stifte[welche]);
    loeschen(d.pinsel[welche]);
    d.stifte[welche] = stiftErzeugen(stil, breite, farbe);
    d.pinsel[welche] = pinselErzeugen(farbe);
}

int linienStil(int art) { return (art >= 0 && art <= 2) ? linienArten[static_cast<size_t>(art)] : stiftStil::Durchgehend; }

// page frames and the diagram's pens at the page's widths
void seiteZeichnen(DiagrammZeichner& w)
{
    diagrammSeitenrahmenZeichnen(w);
    DiagrammDaten& d = w.d;
    stiftUndPinselNeu(d, zeichenMittel::Rechteck, stiftStil::Durchgehend, w.breite(1), d.rechteckFarbe);
    stiftUndPinselNeu(d, zeichenMittel::Cursor, d.cursorArt, w.breite(d.cursorDicke), d.cursorFarbe);
    stiftUndPinselNeu(d, zeichenMittel::Achse, stiftStil::Durchgehend, w.breite(d.achsenDicke), d.achsenFarbe);
    stiftUndPinselNeu(d, zeichenMittel::Gitter, linienStil(d.linienArt), w.breite(d.linienDicke), d.linienFarbe);
    stiftUndPinselNeu(d, zeichenMittel::Tick, stiftStil::Durchgehend, w.breite(d.tickDicke), d.tickFarbe);
}

// one bar per varied synapse while a series runs
void levelBalkenZeichnen(DiagrammZeichner& w)
{
    if (!(modusStatus & modusBit::SerieLaeuft))
        return;
    PermutationsBalken b;
    if (!permutationsBalkenHolen(b) || b.anzahl < 1)
        return;
    const DiagrammDaten& d = w.d;
    const int anteil = pixelWert(static_cast<double>(d.plotBreite - 2 * b.einzug) / b.anzahl);
    int breite = pixelWert(static_cast<double>(anteil) * b.breiteProzent / 100.0);
    if (breite < 1)
        breite = 30;
    const Stift alterStift = auswaehlen(w.z, b.stift);
    const Pinsel alterPinsel = auswaehlen(w.z, b.pinsel);
    for (int i = 0; i < b.anzahl && static_cast<size_t>(i) < b.oben.size(); ++i) {
        const double links = d.yAchseOben[0] + b.einzug + static_cast<double>(i) * anteil;
        rechteck(w.z, {w.x(links), w.y(b.oben[static_cast<size_t>(i)]), w.x(links + breite), w.y(b.unten)});
    }
    auswaehlen(w.z, alterStift);
    auswaehlen(w.z, alterPinsel);
}

// ---- 8. ticks, labels, unit texts and the grid lines at the ticks --------------------------

struct Achsen {
    int oben, unten, links, rechts;
};

void gitterLinie(DiagrammZeichner& w, double x1, double y1, double x2, double y2)
{
    auswaehlen(w.z, w.d.stifte[zeichenMittel::Gitter]);
    auswaehlen(w.z, w.d.pinsel[zeichenMittel::Gitter]);
    w.linie(x1, y1, x2, y2);
    auswaehlen(w.z, w.d.stifte[zeichenMittel::Tick]);
    auswaehlen(w.z, w.d.pinsel[zeichenMittel::Tick]);
}

std::string wertBeschriftung(const DiagrammDaten& d, double wert)
{
    return zahl(d.yTickIntervall >= 1.0 ? "%.0f" : "%.1f", wert);
}

void einheitsText(DiagrammZeichner& w, int spalte, int zeile, const std::string& text)
{
    w.schriftWaehlen(w.d.dimensionSchriftgroesse);
    plattform::text(w.z, spalte, zeile, text);
    w.schriftWaehlen(w.d.tickFontSize);
}

// the value axis, up from the x-axis and down below it
void wertAchseZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    const double abstand = d.yPixelProTick;
    if (!(abstand > 0.0) || !std::isfinite(abstand))
        return;
    const bool gitter = d.hilfslinien && d.horizontaleHilfslinien && d.linienWieTicks > 0;
    const bool beschriften = d.tickFontSize > 0;
    const int spalte = d.yAchseX + d.yTextAbstand;
    auto tick = [&](double zeile, double wert, bool beschriftet) {
        w.linie(d.yTickX1, zeile, d.yTickX2, zeile);
        if (gitter)
            gitterLinie(w, a.links, zeile, a.rechts, zeile);
        if (beschriften && beschriftet)
            w.beschriften(spalte, pixelWert(zeile), wertBeschriftung(d, wert));
    };
    // upward, the unit text once where the next tick would pass the top
    bool einheitGeschrieben = false;
    double zeile = d.xAchseY;
    for (int i = 0, grenze = rundenGrenze(zeile, a.oben); zeile >= a.oben && i < grenze; ++i) {
        tick(zeile, d.yUrsprung + i * d.yTickIntervall, i > 0 || (d.ursprungBeschriften & 0x2));
        if (d.dimensionenAnzeigen && !einheitGeschrieben && zeile - abstand <= a.oben) {
            einheitGeschrieben = true;
            einheitsText(w, w.x(spalte) + pixelWert(d.yDimensionAbstand * w.skalaX),
                         w.y(a.oben) - pixelWert(d.yDimensionPosition * w.skalaY), d.yDimension);
        }
        zeile -= abstand;
    }
    // downward
    zeile = d.xAchseY + abstand;
    for (int i = 1, grenze = rundenGrenze(zeile, a.unten); zeile <= a.unten && i <= grenze; ++i) {
        tick(zeile, d.yUrsprung - i * d.yTickIntervall, true);
        zeile += abstand;
    }
}

// the time axis to the right of its first tick, and its unit text
void zeitAchseRechtsZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    const double intervall = d.xTickIntervallWirksam;
    const double spanne = d.maxX - d.minX;
    int letzte = d.yAchseX;
    if (intervall > 0.0 && std::isfinite(intervall) && spanne > 0.0) {
        auto spalte = [&](double i) { return pixelWert((i * intervall - d.minX) * d.plotBreite / spanne) + d.xRand; };
        double i = std::round(d.xUrsprung / intervall);
        const int zeile = d.xAchseY - d.xTextAbstand;
        for (int runde = 0, grenze = 2 * rundenGrenze(spalte(i), a.rechts); runde < grenze; ++runde, i += 1.0) {
            int c = spalte(i);
            if (c < a.links - d.achsenDicke)
                c = spalte(i += 1.0);
            if (c > a.rechts + d.achsenDicke)
                break;
            w.linie(c, d.xTickY1, c, d.xTickY2);
            if (d.tickFontSize > 0 && (c != d.yAchseX || (d.ursprungBeschriften & 0x1)))
                w.beschriften(c, zeile, zeitBeschriftung(d, i * intervall));
            letzte = c;
        }
    }
    if (d.dimensionenAnzeigen)
        einheitsText(w, w.x(d.dimensionLinks ? d.xRand : letzte) + pixelWert(d.xDimensionPosition * w.skalaX),
                     w.y(d.xTickY2) - pixelWert(d.xDimensionAbstand * w.skalaY), d.xDimension);
}

// vertical grid lines at their own spacing. The lines lie at the multiples of the
// spacing, whatever its sign; each round moves on by at least one pixel column, so a tiny
// spacing draws one line per column and a negative one does not walk off to the left.
void vertikaleGitterLinienZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    if (!d.hilfslinien || !d.vertikaleHilfslinien || d.definierteVertikaleHilfslinie || d.abstandVertikalerLinien == 0.0)
        return;
    const double abstand = std::abs(d.abstandVertikalerLinien);
    const double spanne = d.maxX - d.minX;
    const double intervall = d.xTickIntervallWirksam;
    if (!std::isfinite(abstand) || !(spanne > 0.0) || !(intervall > 0.0) || d.plotBreite < 1)
        return;
    const double zeitProSpalte = spanne / d.plotBreite;
    auto spalte = [&](double k) { return pixelWert((k * abstand - d.minX) / zeitProSpalte) + d.xRand; };
    double k = std::round(d.xUrsprung / intervall);
    if (!std::isfinite(k))
        return;
    const int erste = spalte(k);
    int vorige = erste;
    for (int runde = 0, grenze = rundenGrenze(std::min(erste, a.links), a.rechts); runde < grenze; ++runde) {
        const int c = spalte(k);
        if (runde == 0 || c != vorige)
            gitterLinie(w, c, a.unten, c, a.oben);
        vorige = c;
        if (c >= a.rechts)
            break;
        // the next line, at least one column on
        k = std::max(k + 1.0, std::ceil((d.minX + (c + 0.5 - d.xRand) * zeitProSpalte) / abstand));
    }
}

// the time axis to the left of the y-axis, always labelled
void zeitAchseLinksZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    const double abstand = d.xPixelProTick;
    const double intervall = d.xTickIntervallWirksam;
    if (!(abstand > 0.0) || !std::isfinite(abstand) || !(intervall > 0.0))
        return;
    const bool gitter = d.hilfslinien && d.vertikaleHilfslinien && d.linienWieTicks > 0;
    double i = std::round(d.xUrsprung / intervall);
    const int zeile = d.xAchseY - d.xTextAbstand;
    double spalte = d.yAchseX - abstand;
    for (int runde = 0, grenze = rundenGrenze(spalte, a.links); spalte >= a.links - 2 && runde < grenze; ++runde) {
        w.linie(spalte, d.xTickY1, spalte, d.xTickY2);
        if (gitter)
            gitterLinie(w, spalte, a.unten, spalte, a.oben);
        if (d.tickFontSize > 0) {
            i -= 1.0;
            w.beschriften(pixelWert(spalte), zeile, zahl("%.15g", i * intervall));
        }
        spalte -= abstand;
    }
}

void ticksZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    DiagrammDaten& d = w.d;
    if (d.tickDicke <= 0)
        return;
    w.schriftWaehlen(d.tickFontSize);
    textFarbeSetzen(w.z, d.textFarbe);
    textAusrichtungSetzen(w.z, w.ausrichtung | textAusrichtung::Mitte);
    auswaehlen(w.z, d.stifte[zeichenMittel::Tick]);
    auswaehlen(w.z, d.pinsel[zeichenMittel::Tick]);
    wertAchseZeichnen(w, a);
    zeitAchseRechtsZeichnen(w, a);
    vertikaleGitterLinienZeichnen(w, a);
    zeitAchseLinksZeichnen(w, a);
}

// the grid lines at one value and at one time
void definierteGitterLinienZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    if (!d.hilfslinien)
        return;
    auswaehlen(w.z, d.stifte[zeichenMittel::Gitter]);
    auswaehlen(w.z, d.pinsel[zeichenMittel::Gitter]);
    if (d.horizontaleHilfslinien && d.definierteHorizontaleHilfslinie && d.maxY > d.minY) {
        const int zeile = d.yRand + d.plotHoehe
                          - pixelWert((d.abstandHorizontalerLinien - d.minY) * d.plotHoehe / (d.maxY - d.minY));
        w.linie(a.links, zeile, a.rechts, zeile);
    }
    if (d.vertikaleHilfslinien && d.definierteVertikaleHilfslinie && d.maxX > d.minX) {
        const int spalte = pixelWert((d.abstandVertikalerLinien - d.minX) * d.plotBreite / (d.maxX - d.minX)) + d.xRand;
        w.linie(spalte, a.unten, spalte, a.oben);
    }
}

// the neuron's stimulus marks as filled bars across the plot
void stromreizMarkenZeichnen(DiagrammZeichner& w, const Achsen& a)
{
    auto& marken = w.neuron.stromreizMarken;
    const DiagrammDaten& d = w.d;
    if (!marken.an || marken.marken.empty() || !(d.maxX > d.minX))
        return;
    auto spalte = [&](double t) { return pixelWert((t - d.minX) * d.plotBreite / (d.maxX - d.minX)) + d.xRand; };
    Stift stift = stiftErzeugen(stiftStil::Durchgehend, 0, marken.farbe);
    Pinsel pinsel = pinselErzeugen(marken.farbe);
    const Stift alterStift = auswaehlen(w.z, stift);
    const Pinsel alterPinsel = auswaehlen(w.z, pinsel);
    for (StromreizMarke& m : marken.marken) {
        if (!m.gezeigt)
            continue;
        m.r = {w.x(spalte(m.start) - 1), w.y(a.oben + marken.einzug), w.x(spalte(m.start + m.dauer) + 1),
               w.y(a.unten - marken.einzug)};
        rechteck(w.z, m.r);
    }
    auswaehlen(w.z, alterStift);
    auswaehlen(w.z, alterPinsel);
    loeschen(stift);
    loeschen(pinsel);
}

// ---- 11. curves ---------------------------------------------------------------------------

std::vector<Punkt> linienPunkte;   // reused from paint to paint

// the slot's pen and brush at the drawn width, selected
void kurvenStift(DiagrammZeichner& w, KurvenDaten& k, int dicke)
{
    loeschen(k.stift);
    loeschen(k.pinsel);
    k.stift = stiftErzeugen(linienStil(k.linienart), w.breite(dicke), k.farbe);
    k.pinsel = pinselErzeugen(k.farbe);
    auswaehlen(w.z, k.stift);
    auswaehlen(w.z, k.pinsel);
}

// The slot's points, mapped to the page when printing (rows kept to the print area). False
// when there was no room for them: the paint ends.
bool kurvePunkteZeichnen(DiagrammZeichner& w, const KurvenDaten& k, bool abbilden)
{
    const size_t anzahl = std::min(static_cast<size_t>(std::max(k.punktAnzahl, 0)), punktPlatz(k));
    try {
        linienPunkte.resize(anzahl);
    } catch (const std::bad_alloc&) {
        std::vector<Punkt>().swap(linienPunkte);
        zeichenMeldungMerken(meldungFormatieren(702), true);
        return false;
    }
    for (size_t i = 0; i < anzahl; ++i) {
        const int x = k.punkte[2 * i], y = k.punkte[2 * i + 1];
        Punkt p{x, y};
        if (abbilden) {
            p = {w.x(x), w.y(y)};
            if (w.druckHoehe > 0)
                p.y = std::clamp(p.y, w.druckOben, w.druckOben + w.druckHoehe);
        }
        linienPunkte[i] = p;
    }
    polylinie(w.z, linienPunkte);
    return true;
}

// a stimulus curve without data is filled first; one of a stimulus that is off is not drawn
void stromreizKurvePruefen(DiagrammZeichner& w, int slot)
{
    KurvenDaten& k = w.d.kurven[slot];
    const int kompartiment = k.stromreizSegment - 1;
    if (kompartiment < 0 || kompartiment >= static_cast<int>(w.neuron.stromreize.size()))
        return;
    if (k.punktAnzahl <= 0 && !hatDaten(k)) {
        std::string meldung;
        stromreizReferenzkurveAnzeigen(w.fenster, kompartiment, slot, &meldung);
        if (!meldung.empty())
            zeichenMeldungMerken(meldung);
    }
    const StromreizDefinition& def = w.neuron.stromreize[static_cast<size_t>(kompartiment)];
    if (def.schalter1 == 0 && def.schalter2 == 0)
        k.punktAnzahl = 0;
}

// false when the paint has to end
bool kurvenZeichnen(DiagrammZeichner& w)
{
    DiagrammDaten& d = w.d;
    // the plain loop of an interactive script
    if (skriptStatus & skriptBit::Interaktiv) {
        if (!(skriptStatus & skriptBit::ErgebnisseAngezeigt))
            return true;
        for (KurvenDaten& k : d.kurven) {
            if (!k.anzeigen || k.punkte.empty())
                continue;
            kurvenStift(w, k, k.dicke);
            if (!kurvePunkteZeichnen(w, k, false))
                return false;
        }
        return true;
    }
    for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
        KurvenDaten& k = d.kurven[slot];
        if (k.anzeigen && k.stromreizSegment != 0)
            stromreizKurvePruefen(w, slot);
        // shown, with points and with data
        if (!k.anzeigen || k.punktAnzahl <= 0 || !hatDaten(k) || k.punkte.empty())
            continue;
        kurvenStift(w, k, k.hervorheben ? (k.dicke + 1) * 2 : k.dicke);
        // one polyline
        if (!kurvePunkteZeichnen(w, k, w.drucken))
            return false;
    }
    return true;
}

} // namespace

// ---- the painter's helpers -------------------------------------------------------------------

void DiagrammZeichner::schriftWaehlen(int punkte)
{
    fontErzeugen(&d.achsenSchrift, punkte);
    Schrift s = d.achsenSchrift.schrift;
    if (drucken)
        if (Schrift seite = diagrammDruckSchrift(punkte))
            s = seite;
    auswaehlen(z, s);
    masse = schriftMasse(z);
}

void DiagrammZeichner::linie(double x1, double y1, double x2, double y2)
{
    plattform::linie(z, x(x1), y(y1), x(x2), y(y2));
}

void DiagrammZeichner::beschriften(double xWert, double yWert, const std::string& text)
{
    plattform::text(z, x(xWert), y(yWert) - masse.hoehe / 2, text);
}

void zeichenMeldungMerken(const std::string& text, bool fatal, std::function<void()> danach)
{
    for (ZeichenMeldung& m : wartendeMeldungen)
        if (m.text == text) {
            m.fatal = m.fatal || fatal;
            if (!m.danach)
                m.danach = std::move(danach);
            return;
        }
    wartendeMeldungen.push_back({text, fatal, std::move(danach)});
}

bool zeichenMeldungenWarten() { return !wartendeMeldungen.empty(); }

void zeichenMeldungenZeigen()
{
    // taken first: a box lets other paints in, which may put new notices aside
    std::vector<ZeichenMeldung> meldungen;
    meldungen.swap(wartendeMeldungen);
    for (const ZeichenMeldung& m : meldungen) {
        if (!m.fatal) {
            hinweisBox(m.text);
            if (m.danach)
                m.danach();
            continue;
        }
        endeMelden(EndeForm::Info, m.text);
        return;
    }
}

// ---- the painter --------------------------------------------------------------------------------

void diagrammZeichnen(Fenster fenster)
{
    // the diagram, its neuron and the surface
    DiagrammDaten* diagramm = fenster ? diagrammZuFenster(fenster) : nullptr;
    if (!diagramm) {
        zeichenMeldungMerken(meldungFormatieren(77));
        return;
    }
    NeuronDaten* neuron = neuronNachNummer(diagramm->neuronId);
    if (!neuron || !neuron->zeichenDC)
        return;
    DiagrammDaten& d = *diagramm;
    DiagrammZeichner w(fenster, d, *neuron, *neuron->zeichenDC);
    w.drucken = neuron->druckAktiv != 0;
    w.alterStift = auswaehlen(w.z, d.stifte[zeichenMittel::Achse]);
    w.alterPinsel = auswaehlen(w.z, d.pinsel[zeichenMittel::Achse]);
    // decimal places
    dezimalstellen(d);
    w.zeitDezimalen = d.dezimalstellenVCursor;
    // the page
    if (w.drucken && !diagrammSeiteVorbereiten(w)) {
        auswaehlen(w.z, w.alterStift);
        auswaehlen(w.z, w.alterPinsel);
        return;
    }
    // new data arrived while the window was in the background
    if (static_cast<int32_t>(d.zustand) > 0x8000 && vordergrundFenster() != fenster)
        d.zustand |= 0xC000;
    // page frames and pens
    if (w.drucken)
        seiteZeichnen(w);
    // permutation level bars
    levelBalkenZeichnen(w);
    // axes
    const Achsen a{d.yAchseOben[1], d.yAchseUnten[1], d.xAchseLinks[0], d.xAchseRechts[0]};
    auswaehlen(w.z, d.stifte[zeichenMittel::Achse]);
    auswaehlen(w.z, d.pinsel[zeichenMittel::Achse]);
    const bool warTransparent = hintergrundTransparent(w.z, textHintergrundModus == textHintergrund::Transparent);
    const Schrift alteSchrift = auswaehlen(w.z, Schrift{});
    w.schriftWaehlen(d.tickFontSize);
    w.ausrichtung = textAusrichtungSetzen(w.z, textAusrichtung::Links | textAusrichtung::Oben);
    textAusrichtungSetzen(w.z, w.ausrichtung);
    w.linie(d.xAchseLinks[0], d.xAchseLinks[1], d.xAchseRechts[0], d.xAchseRechts[1]);
    w.linie(d.yAchseUnten[0], d.yAchseUnten[1], d.yAchseOben[0], d.yAchseOben[1]);
    // ticks, labels, unit texts and the grid at the ticks; then what was there before
    ticksZeichnen(w, a);
    hintergrundTransparent(w.z, warTransparent);
    textAusrichtungSetzen(w.z, w.ausrichtung);
    auswaehlen(w.z, alteSchrift);
    // the defined grid lines
    definierteGitterLinienZeichnen(w, a);
    // stimulus marks and curves, unless a script result hides them
    bool weiter = true;
    if (!(skriptStatus & skriptBit::KeineReizZeichnung)) {
        fontErzeugen(&d.achsenSchrift, d.legendeFontSize);
        stromreizMarkenZeichnen(w, a);
        weiter = kurvenZeichnen(w);
    }
    if (weiter) {
        // the read-outs start from the axis font; the background state is over
        if (static_cast<int32_t>(d.zustand) > 0x8000) {
            hintergrundTransparent(w.z, textHintergrundModus == textHintergrund::Transparent);
            w.schriftWaehlen(d.tickFontSize);
        }
        d.zustand &= ~0x4000u;
        diagrammAblesungenZeichnen(w);
    }
    // the pen and brush the paint began with
    auswaehlen(w.z, w.alterStift);
    auswaehlen(w.z, w.alterPinsel);
    // the end of a run has been drawn
    if (d.neuZeichnen == 1) {
        d.zustand &= ~0x8000u;
        d.neuZeichnen = 0;
    }
}
