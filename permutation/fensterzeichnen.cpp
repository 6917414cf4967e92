// permutation/fensterzeichnen.cpp - permutationFensterZeichnen: axes, ticks and labels of
// the display's diagram, then the shown result: level bars, burst boxes, spikes, the
// stimulus curve with its class marks and the row of numbers
//
// No box opens inside a paint: a notice is put aside for the window procedure. Every step
// and range that reaches a pixel is checked first; a loop over ticks draws at most one tick
// per pixel it walks.
#include "permutation/fenster.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "diagrams/zeichner.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace plattform;

namespace {

constexpr int groessteTexte = 64, groessteTextLaenge = 31;

std::string zahl(const char* format, double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, wert);
    return puffer;
}

bool endlichPositiv(double w) { return std::isfinite(w) && w > 0.0; }

// the rounds a walk from von to bis may take: one per pixel and a few more
int rundenGrenze(double von, double bis)
{
    const double spanne = std::abs(bis - von);
    return std::isfinite(spanne) && spanne < 70000.0 ? static_cast<int>(spanne) + 4 : 70004;
}

// the column of time t (s) on the plot; far off it for an empty time window
int zeitSpalte(const DiagrammDaten& d, double t)
{
    const double spanne = d.maxX - d.minX;
    if (!(spanne > 0.0) || !std::isfinite(spanne))
        return -pixelGrenze;
    return pixelWert((t - d.minX) * d.plotBreite / spanne) + d.xRand;
}

struct Achsen { int oben, unten, links, rechts; };

void gitterStift(DiagrammZeichner& w)
{
    auswaehlen(w.z, w.d.stifte[zeichenMittel::Gitter]);
    auswaehlen(w.z, w.d.pinsel[zeichenMittel::Gitter]);
}
void achsenStift(DiagrammZeichner& w)
{
    auswaehlen(w.z, w.d.stifte[zeichenMittel::Achse]);
    auswaehlen(w.z, w.d.pinsel[zeichenMittel::Achse]);
}

void einheit(DiagrammZeichner& w, int x, int y, const std::string& text)
{
    w.schriftWaehlen(w.d.dimensionSchriftgroesse);
    plattform::text(w.z, x, y, text);
    w.schriftWaehlen(w.d.tickFontSize);
}

bool wertGitter(const DiagrammDaten& d) { return d.hilfslinien && d.horizontaleHilfslinien; }
bool zeitGitter(const DiagrammDaten& d) { return d.hilfslinien && d.vertikaleHilfslinien; }

// value ticks up from the crossing row and down below it
void wertTicks(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    const double abstand = d.yPixelProTick;
    if (!(abstand >= 1.0) || !std::isfinite(abstand) || !endlichPositiv(d.yTickIntervall) || !(d.maxY > d.minY))
        return;
    const bool gitter = wertGitter(d) && d.linienDicke > 0;
    const int spalte = d.yAchseX + d.yTextAbstand;
    auto tick = [&](double zeile, double wert, bool beschriften) {
        w.linie(d.yTickX1, zeile, d.yTickX2, zeile);
        if (gitter) {
            gitterStift(w);
            w.linie(a.links, zeile, a.rechts, zeile);
            achsenStift(w);
        }
        if (d.tickFontSize > 0 && beschriften)
            w.beschriften(spalte, pixelWert(zeile), zahl("%.0f", wert));
    };
    double zeile = d.xAchseY;
    for (int k = 0, grenze = rundenGrenze(zeile, a.oben); zeile >= a.oben && k < grenze; ++k) {
        tick(zeile, d.yUrsprung + k * d.yTickIntervall, k > 0 || (d.ursprungBeschriften & 0x2));
        if (d.dimensionenAnzeigen && zeile - abstand < a.oben)
            einheit(w, w.x(spalte) + d.yDimensionAbstand, w.y(a.oben) - d.yDimensionPosition, d.yDimension);
        zeile -= abstand;
    }
    zeile = d.xAchseY + abstand;
    for (int k = 1, grenze = rundenGrenze(zeile, a.unten); zeile <= a.unten && k <= grenze; ++k) {
        tick(zeile, d.yUrsprung - k * d.yTickIntervall, true);
        zeile += abstand;
    }
}

std::string zeitText(double tick, double wert)
{
    return zahl(tick > 0.1 ? "%.02lf" : tick > 0.01 ? "%.03lf" : "%.04lf", wert);
}

// time ticks right of the crossing, the finer grid ticks, then those left of it
void zeitTicks(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    const double tick = d.xTickIntervallWirksam;
    const double spanne = d.maxX - d.minX;
    if (!endlichPositiv(tick) || !endlichPositiv(spanne) || d.plotBreite < 1 || !(d.xPixelProTick >= 1.0))
        return;
    const int zeile = d.xAchseY - d.xTextAbstand;
    const double erstes = std::round(d.xUrsprung / tick);
    if (!std::isfinite(erstes))
        return;
    auto spalte = [&](double k, double schritt) {
        return pixelWert((k * schritt - d.minX) * d.plotBreite / spanne) + d.xRand;
    };
    int letzte = d.yAchseX;
    double k = erstes;
    for (int runde = 0, grenze = rundenGrenze(spalte(k, tick), a.rechts); runde < grenze; ++runde, k += 1.0) {
        const int x = spalte(k, tick);
        if (x > a.rechts + 2)
            break;
        w.linie(x, d.xTickY1, x, d.xTickY2);
        if (d.tickFontSize > 0 && (x != d.yAchseX || (d.ursprungBeschriften & 0x1)))
            w.beschriften(x, zeile, zeitText(tick, k * tick));
        letzte = x;
    }
    if (d.dimensionenAnzeigen)
        einheit(w, w.x(letzte) + d.xDimensionPosition, w.y(d.xTickY2) - d.xDimensionAbstand, d.xDimension);
    // the grid step between the ticks
    const double schritt = d.abstandVertikalerLinien;
    if (zeitGitter(d) && !d.definierteVertikaleHilfslinie && endlichPositiv(schritt) &&
        schritt * d.plotBreite / spanne >= 1.0) {
        gitterStift(w);
        k = erstes;
        for (int runde = 0, grenze = rundenGrenze(spalte(k, schritt), a.rechts); runde < grenze; ++runde, k += 1.0) {
            const int x = spalte(k, schritt);
            if (x >= a.rechts)
                break;
            w.linie(x, d.xTickY1, x, d.xTickY2);
        }
        achsenStift(w);
    }
    const double abstand = d.xPixelProTick;
    const bool gitter = zeitGitter(d) && d.linienDicke > 0;
    k = erstes;
    double x = d.yAchseX - abstand;
    for (int runde = 0, grenze = rundenGrenze(x, a.links); x >= a.links - 2 && runde < grenze; ++runde) {
        w.linie(x, d.xTickY1, x, d.xTickY2);
        if (gitter) {
            gitterStift(w);
            w.linie(x, a.unten, x, a.oben);
            achsenStift(w);
        }
        k -= 1.0;
        if (d.tickFontSize > 0)
            w.beschriften(pixelWert(x), zeile, zahl("%.15g", k * tick));
        x -= abstand;
    }
}

// the value and the time marker line
void markenLinien(DiagrammZeichner& w, const Achsen& a)
{
    const DiagrammDaten& d = w.d;
    gitterStift(w);
    if (wertGitter(d) && d.definierteHorizontaleHilfslinie && d.maxY > d.minY) {
        const int zeile =
            d.yRand + d.plotHoehe - pixelWert((d.abstandHorizontalerLinien - d.minY) * d.plotHoehe / (d.maxY - d.minY));
        w.linie(a.links, zeile, a.rechts, zeile);
    }
    if (zeitGitter(d) && d.definierteVertikaleHilfslinie && d.maxX > d.minX)
        w.linie(zeitSpalte(d, d.abstandVertikalerLinien), a.unten, zeitSpalte(d, d.abstandVertikalerLinien), a.oben);
    achsenStift(w);
}

// ---- the result layer, in window pixels --------------------------------------------------------

// The varied synapses and levels the shown result has: those of the loaded results, or of
// the definition for the single result of a run.
void synapsenUndLevel(int& n, int& m)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    if (!z.ergebnisse.empty() || z.synapsenAnzahl > 0) {
        n = z.synapsenAnzahl;
        m = z.levelAnzahl;
    } else {
        n = static_cast<int>(permutationsDefinition.synapsen.size());
        m = permutationsDefinition.levelAnzahl;
    }
    n = std::clamp(n, 0, groessteSynapsenAnzahl);
}

void balken(Zeichenflaeche& z, const DiagrammDaten& d, const PermutationsErgebnis& e)
{
    const PermutationsFensterEinstellungen& s = permutationsFenster;
    PermutationsAnzeige& a = permutationsAnzeige;
    int n = 0, m = 0;
    synapsenUndLevel(n, m);
    if (n <= 0)
        return;
    const int anteil = pixelWert(static_cast<double>(d.plotBreite - 2.0 * s.balkenAbstandYAchse) / n);
    int breite = pixelWert(static_cast<double>(anteil) * s.balkenBreiteProzent / 100.0);
    if (breite < 1)
        breite = 30;
    const Stift alterStift = auswaehlen(z, a.balkenStift);
    const Pinsel alterPinsel = auswaehlen(z, a.balkenPinsel);
    const bool beschriften = s.synapsenBezeichnungAnzeigen != 0;
    if (beschriften) {
        textAusrichtungSetzen(z, textAusrichtung::Mitte | textAusrichtung::Oben);
        textFarbeSetzen(z, d.textFarbe);
    }
    const int unten = s.balkenUnterkante;
    for (int i = 0; i < n; ++i) {
        // the level byte is read signed, then kept to the levels there are
        const int level = std::clamp(static_cast<int>(static_cast<int8_t>(e.level[static_cast<size_t>(i)])), 0, std::max(m - 1, 0));
        const double hoehe = m >= 2 ? static_cast<double>(level) * (s.balkenMaximalHoehe - s.balkenSockel) / (m - 1) : 0.0;
        const int oben = pixelWert(unten - static_cast<double>(pixelWert(hoehe)) - s.balkenSockel);
        const int links = pixelWert(static_cast<double>(d.yAchseUnten[0]) + s.balkenAbstandYAchse + static_cast<double>(i) * anteil);
        rechteck(z, {links, oben, pixelWert(static_cast<double>(links) + breite), unten});
        a.balkenOben[static_cast<size_t>(i)] = oben;
        if (beschriften) {
            const std::string name = variierteSynapseName(i);
            if (!name.empty())
                plattform::text(z, pixelWert(links + std::abs(breite) / 2.0), pixelWert(static_cast<double>(unten) + s.textAbstand), name);
        }
    }
    auswaehlen(z, alterStift);
    auswaehlen(z, alterPinsel);
}

void burstKaesten(Zeichenflaeche& z, const DiagrammDaten& d)
{
    const NeuronDaten* n = auswerteNeuron();
    if (!(modusStatus & modusBit::SpikefolgenBewertung) || !n)
        return;
    const int abstand = std::clamp(n->spikefolge.kastenAbstand, -pixelGrenze, pixelGrenze);
    const int oben = d.yAchseOben[1] + 10 + abstand, unten = d.yAchseUnten[1] - 20 - abstand;
    for (const BurstDaten& b : n->spikefolgenBewertung.bursts)
        if (b.gueltig)
            rechteck(z, {zeitSpalte(d, b.start) - 1, oben, zeitSpalte(d, b.start + b.dauer) + 1, unten});
}

void spikes(Zeichenflaeche& z, const DiagrammDaten& d, const PermutationsErgebnis& e)
{
    const PermutationsFensterEinstellungen& s = permutationsFenster;
    Stift stift = stiftErzeugen(stiftStil::Durchgehend, std::clamp(s.apLinienstaerke, 0, 1000), s.spikeFarbe);
    Pinsel pinsel = pinselErzeugen(s.spikeFarbe);
    const Stift alterStift = auswaehlen(z, stift);
    const Pinsel alterPinsel = auswaehlen(z, pinsel);
    const size_t anzahl = std::min(static_cast<size_t>(std::max(e.apAnzahl, 0)), e.apZeiten.size());
    for (size_t i = 0; i < anzahl; ++i) {
        const int x = zeitSpalte(d, e.apZeiten[i]);
        linie(z, x, d.yAchseUnten[1] - 20, x, d.yAchseOben[1] + 10);
    }
    auswaehlen(z, alterStift);
    auswaehlen(z, alterPinsel);
    loeschen(stift);
    loeschen(pinsel);
}

int klassenAnzahl() { return static_cast<int>(analyseKlassen.size()); }

// the class marks belong to the classes there are now
bool markenPassen()
{
    const PermutationsAnzeige& a = permutationsAnzeige;
    const int c = klassenAnzahl();
    return c > 1 && a.markenKlassen == c && a.klassenMarken.size() >= static_cast<size_t>(2 * (c + 1));
}

void reizkurveUndMarken(Zeichenflaeche& z)
{
    const PermutationsFensterEinstellungen& s = permutationsFenster;
    const PermutationsAnzeige& a = permutationsAnzeige;
    if (!s.stromreizAnzeigen)
        return;
    if (!a.reizPunkte.empty()) {
        Stift stift = stiftErzeugen(stiftStil::Durchgehend, std::clamp(s.stromreizDicke, 0, 1000), s.stromreizFarbe);
        Pinsel pinsel = pinselErzeugen(s.stromreizFarbe);
        const Stift alterStift = auswaehlen(z, stift);
        const Pinsel alterPinsel = auswaehlen(z, pinsel);
        polylinie(z, a.reizPunkte);
        auswaehlen(z, alterStift);
        auswaehlen(z, alterPinsel);
        loeschen(stift);
        loeschen(pinsel);
    }
    if (s.klassenmarkenLaenge > 0 && markenPassen()) {
        Stift stift = stiftErzeugen(stiftStil::Durchgehend, std::clamp(s.klassenmarkenDicke, 0, 1000), s.klassenmarkenFarbe);
        const Stift alterStift = auswaehlen(z, stift);
        for (size_t j = 0; j + 1 < a.klassenMarken.size(); j += 2)
            linie(z, a.klassenMarken[j].x, a.klassenMarken[j].y, a.klassenMarken[j + 1].x, a.klassenMarken[j + 1].y);
        auswaehlen(z, alterStift);
        loeschen(stift);
    }
}

void textAnhaengen(std::vector<std::string>& texte, std::string t)
{
    if (static_cast<int>(texte.size()) >= groessteTexte)
        return;
    if (t.size() > static_cast<size_t>(groessteTextLaenge))
        t.resize(static_cast<size_t>(groessteTextLaenge));
    texte.push_back(std::move(t));
}

void zahlenZeile(Zeichenflaeche& z, const DiagrammDaten& d, const PermutationsErgebnis& e)
{
    const PermutationsFensterEinstellungen& s = permutationsFenster;
    const int maske = s.zahlenMaske;
    const int geladen = permutationsErgebnisAnzahl();
    std::vector<std::string> texte;
    if ((maske & 16) && geladen > 1)
        textAnhaengen(texte, zahl("%.0f%%", permutationsAnzeige.position * 100.0 / geladen));
    if (maske & 1)
        textAnhaengen(texte, std::to_string(e.nummer));
    if (maske & 4)
        textAnhaengen(texte, zahl("%.5g", e.wert));
    textAnhaengen(texte, "");
    if (maske & 2)
        textAnhaengen(texte, "APs: " + std::to_string(e.apAnzahl));
    textAnhaengen(texte, "");
    if ((maske & 8) && !(maske & 32)) {
        textAnhaengen(texte, "Freq:");
        const size_t c = std::min(e.klassenWerte.size(), analyseKlassen.size());
        for (size_t i = 0; i < c; ++i)
            if (analyseKlassen[i].gewicht > 0.0f)
                textAnhaengen(texte, zahl("%.1f", e.klassenWerte[i]));
    }
    std::vector<std::string> zusatz;
    if (!e.zusatzWerte.empty()) {
        textAnhaengen(zusatz, "a, b, d, IAmp, IDauer:   ");
        for (float v : e.zusatzWerte)
            textAnhaengen(zusatz, zahl("%.5f    ", v));
    }
    const int hoehe = schriftMasse(z).hoehe;
    const int spalten = pixelWert(2.5 * d.xRand);
    const int x0 = d.xAchseLinks[0] + 2 * d.xRand;
    int y = 0;
    const int relativ = s.zahlenPositionRelativ;
    if (s.zahlenPositionAbsolut == 0)
        y = relativ == 0 ? hoehe / 2 : relativ == 1 ? d.yRand / 2 : d.yRand - hoehe / 2;
    else
        y = relativ == 0 ? d.yAchseUnten[1]
          : relativ == 1 ? d.yAchseUnten[1] + hoehe / 2
                         : d.yAchseUnten[1] + hoehe / 2 + d.yRand / 2;
    textAusrichtungSetzen(z, textAusrichtung::Links | textAusrichtung::Oben);
    textFarbeSetzen(z, d.textFarbe);
    for (size_t i = 0; i < texte.size(); ++i)
        if (!texte[i].empty())
            plattform::text(z, pixelWert(x0 + static_cast<double>(i) * spalten), y, texte[i]);
    for (size_t j = 0; j < zusatz.size(); ++j)
        plattform::text(z, pixelWert(x0 + static_cast<double>(j) * spalten), y + 30, zusatz[j]);
}

// the class frequencies between the marks, above the stimulus curve's baseline
void frequenzenAufKurve(Zeichenflaeche& z, const PermutationsErgebnis& e)
{
    const PermutationsFensterEinstellungen& s = permutationsFenster;
    const PermutationsAnzeige& a = permutationsAnzeige;
    if (!(s.zahlenMaske & 8) || !(s.zahlenMaske & 32) || !s.stromreizAnzeigen || a.reizPunkte.empty() || !markenPassen())
        return;
    textAusrichtungSetzen(z, textAusrichtung::Mitte | textAusrichtung::Unten);
    const int hoehe = schriftMasse(z).hoehe;
    const int y = pixelWert(static_cast<double>(a.reizPunkte[0].y) - s.klassenmarkenTextabstand + hoehe / 2);
    for (size_t i = 0; i < analyseKlassen.size(); ++i) {
        const Punkt p = a.klassenMarken[2 * i], q = a.klassenMarken[2 * i + 2];
        const std::string t = analyseKlassen[i].gewicht <= 0.0f ? std::string("XXX")
                              : i < e.klassenWerte.size()   ? zahl("%.2f", e.klassenWerte[i])
                                                            : std::string();
        plattform::text(z, p.x + (q.x - p.x) / 2, y, t);
    }
}

void ergebnisZeichnen(DiagrammZeichner& w)
{
    const PermutationsErgebnis* e = gezeigtesPermutationsErgebnis();
    if (!e)
        return;
    Zeichenflaeche& z = w.z;
    const DiagrammDaten& d = w.d;
    if (permutationsFenster.levelBalkenAnzeigen) {
        w.schriftWaehlen(d.tickFontSize);
        balken(z, d, *e);
    }
    const Stift alterStift = auswaehlen(z, permutationsAnzeige.markenStift);
    const Pinsel alterPinsel = auswaehlen(z, permutationsAnzeige.markenPinsel);
    burstKaesten(z, d);
    spikes(z, d, *e);
    reizkurveUndMarken(z);
    w.schriftWaehlen(d.tickFontSize);
    zahlenZeile(z, d, *e);
    frequenzenAufKurve(z, *e);
    auswaehlen(z, alterStift);
    auswaehlen(z, alterPinsel);
}

} // namespace

void permutationFensterZeichnen(Fenster fenster)
{
    PermutationsAnzeige& a = permutationsAnzeige;
    const PermutationsErgebnisZustand& ez = permutationsErgebnisse;
    if (programmStatus & programmBit::LaufAktiv)
        return;
    if (ez.ergebnisse.empty() && ez.einzel.nummer == -1) {
        if (!a.keineDatenGemeldet) {
            a.keineDatenGemeldet = true;
            a.ausstehendeMeldung = 39;
        }
        return;
    }
    DiagrammDaten* diagramm = fenster ? diagrammZuFenster(fenster) : nullptr;
    if (!diagramm) {
        a.ausstehendeMeldung = 77;
        return;
    }
    NeuronDaten* neuron = neuronNachNummer(diagramm->neuronId);
    if (!neuron || !neuron->zeichenDC)
        return;
    DiagrammDaten& d = *diagramm;
    DiagrammZeichner w(fenster, d, *neuron, *neuron->zeichenDC);
    // the page while the neuron prints
    w.drucken = neuron->druckAktiv != 0;
    w.alterStift = auswaehlen(w.z, d.stifte[zeichenMittel::Achse]);
    w.alterPinsel = auswaehlen(w.z, d.pinsel[zeichenMittel::Achse]);
    if (w.drucken) {
        if (!diagrammSeiteVorbereiten(w)) {
            auswaehlen(w.z, w.alterStift);
            auswaehlen(w.z, w.alterPinsel);
            return;
        }
        diagrammSeitenrahmenZeichnen(w);
        achsenStift(w);
    }
    const Achsen achsen{d.yAchseOben[1], d.yAchseUnten[1], d.xAchseLinks[0], d.xAchseRechts[0]};
    const bool warTransparent = hintergrundTransparent(w.z, textHintergrundModus == textHintergrund::Transparent);
    const Schrift alteSchrift = auswaehlen(w.z, Schrift{});
    w.schriftWaehlen(d.tickFontSize);
    const uint32_t ausrichtung = textAusrichtungSetzen(w.z, textAusrichtung::Links | textAusrichtung::Oben);
    w.linie(d.xAchseLinks[0], d.xAchseLinks[1], d.xAchseRechts[0], d.xAchseRechts[1]);
    w.linie(d.yAchseUnten[0], d.yAchseUnten[1], d.yAchseOben[0], d.yAchseOben[1]);
    if (d.tickDicke > 0) {
        textFarbeSetzen(w.z, d.textFarbe);
        textAusrichtungSetzen(w.z, textAusrichtung::Mitte | textAusrichtung::Oben);
        wertTicks(w, achsen);
        zeitTicks(w, achsen);
    }
    hintergrundTransparent(w.z, warTransparent);
    textAusrichtungSetzen(w.z, ausrichtung);
    markenLinien(w, achsen);
    if (modusStatus & modusBit::ErgebnisseAngezeigt) {
        // the result layer stands in window pixels, on the page too
        w.drucken = false;
        ergebnisZeichnen(w);
        textAusrichtungSetzen(w.z, ausrichtung);
    }
    auswaehlen(w.z, alteSchrift);
    auswaehlen(w.z, w.alterStift);
    auswaehlen(w.z, w.alterPinsel);
}

double achsenSchrittRunden(double wert)
{
    permutationsZeitachseGerundet = true;
    static constexpr double stufen[] = {0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 10, 15, 20, 30, 40, 50, 70, 100, 150, 200};
    if (!(wert >= 0.5))
        return 0.5;
    for (double s : stufen)
        if (s >= wert)
            return s;
    // computed in double: a huge time stays a (huge) number, never an int overflow
    const double begrenzt = std::min(wert, 1e15);
    return std::round(begrenzt / 9.0) * 10.0;
}
