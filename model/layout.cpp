// model/layout.cpp - sizes, ranges, ticks, axes, fonts, pens and scroll bar of a diagram
#include "model/layout.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/zeichengrenzen.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <limits>

using namespace plattform;

bool zeitfensterBehalten = false;

namespace {

int gerundet(double x) { return static_cast<int>(std::lround(x)); }

bool istUnbelegt(Farbe f) { return f == KeineFarbe; }

// the test of the template's time window, also used for every other diagram
bool zeitfensterUngueltig(const DiagrammDaten& d, double dauer)
{
    return (d.minX == 0.0 && d.maxX == 0.0) || d.maxX <= d.minX || d.maxX > dauer || d.minX > dauer;
}
bool wertebereichUngueltig(const DiagrammDaten& d)
{
    return (d.minY == 0.0 && d.maxY == 0.0) || d.maxY <= d.minY;
}

void vorlagenStandards(DiagrammDaten& v)
{
    const double dauer = simulationsParameter.simulationsDauer;
    // units
    if (v.xDimension.empty())
        v.xDimension = "[s]";
    if (v.yDimension.empty())
        v.yDimension = "[mV]";
    if (v.dimensionSchriftgroesse == 0)
        v.dimensionSchriftgroesse = 6;
    // curve names
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        KurvenDaten& k = v.kurven[i];
        if (!k.bezeichnung.empty())
            continue;
        if (i < kurve::Kanal1)
            k.bezeichnung = meldungFormatieren(568 + i);
        else if (i < kurve::Referenz1)
            k.bezeichnung = meldungFormatieren(576, i - kurve::Kanal1 + 1);
        else
            k.bezeichnung = meldungFormatieren(577, i - kurve::Referenz1 + 1);
    }
    // widths, style, margins
    if (v.achsenDicke < 1) v.achsenDicke = 2;
    if (v.linienDicke < 1) v.linienDicke = 1;
    if (v.cursorDicke < 1) v.cursorDicke = 1;
    if (v.tickDicke < 1) v.tickDicke = 1;
    if (v.linienArt < 0 || v.linienArt > 2) v.linienArt = 0;
    if (v.xRand < 1) v.xRand = 30;
    if (v.yRand < 1) v.yRand = 30;
    // time window; the permutation display keeps its own end
    if (zeitfensterUngueltig(v, dauer)) {
        v.minX = 0.0;
        if (!(modusStatus & modusBit::PermutationsfensterOffen))
            v.maxX = dauer;
    }
    // value range
    if (wertebereichUngueltig(v)) {
        v.minY = -100.0;
        v.maxY = 50.0;
    }
    // tick spacing
    if (v.xTickIntervallWirksam <= 0.0 || v.xTickIntervallWirksam > v.maxX - v.minX) {
        v.xTickIntervallWirksam = (v.maxX - v.minX) / 5.0;
        v.xTickIntervall = v.xTickIntervallWirksam;
    }
    if (v.yTickIntervall <= 0.0)
        v.yTickIntervall = (v.maxY - v.minY) / 5.0;
    // tick length and cursor kind
    if (v.tickLaenge < 1) v.tickLaenge = 20;
    if (v.cursorArt < 0) v.cursorArt = 1;
    // colours
    if (istUnbelegt(v.achsenFarbe)) v.achsenFarbe = 0xFF0000;
    if (istUnbelegt(v.cursorFarbe)) v.cursorFarbe = 0xFF0000;
    if (istUnbelegt(v.rechteckFarbe)) v.rechteckFarbe = 0x0000FF;
    if (istUnbelegt(v.linienFarbe)) v.linienFarbe = 0x808000;
    if (istUnbelegt(v.tickFarbe)) v.tickFarbe = 0x008080;
}

void schriftBereitstellen(FontDaten& s)
{
    if (s.schrift)
        return;
    s = standardSchrift;
    s.schrift = nullptr;             // the standard font's handle stays with it
    schriftFuerBildschirm(s, s.punkte);
}

void stiftUndPinsel(DiagrammDaten& d, int welche, int stil, int breite, Farbe farbe)
{
    loeschen(d.stifte[welche]);
    loeschen(d.pinsel[welche]);
    d.stifte[welche] = stiftErzeugen(stil, breite, farbe);
    d.pinsel[welche] = pinselErzeugen(farbe);
}

// Pixels per tick at 0 or below would leave no tick to draw: a notice, and a fifth of the
// range as the interval, keep the diagram going.
double pixelProTick(int pixel, double& intervall, double spanne, int meldung)
{
    double proTick = pixel * intervall / spanne;
    if (proTick > 0.0)
        return proTick;
    hinweisBox(meldungFormatieren(meldung));
    intervall = spanne / 5.0;
    return pixel * intervall / spanne;
}

} // namespace

ScrollWerte scrollWerteBerechnen(const DiagrammDaten& d, double dauer, double schritt, int automatisch)
{
    ScrollWerte w;
    if (schritt <= 0.0)
        return w;
    w.maximum = gerundet(dauer / schritt) - automatisch;
    w.seite = gerundet((d.maxX - d.minX) / schritt) + automatisch;
    w.position = gerundet(d.minX / schritt);
    return w;
}

void diagrammLayoutBerechnen(NeuronDaten* neuron, DiagrammDaten* diagramm, int vorlageKopieren)
{
    if (!neuron || !diagramm)
        return;
    if (neuron == &stdNeuron) {
        vorlagenStandards(*diagramm);
        return;
    }
    DiagrammDaten& d = *diagramm;
    const DiagrammDaten& v = diagrammVorlage;
    const double dauer = simulationsParameter.simulationsDauer;
    const double schritt = simulationsParameter.schrittweite;
    const Arbeitsbereich& ab = arbeitsbereichKanten;

    // the template's format first when asked
    if (vorlageKopieren) {
        diagrammFormatKopieren(&d, &v, nullptr, 1);
        diagrammFormatKopieren(&d, &v, nullptr, 2);
    }
    // window size while the neuron's main diagram is unsized
    const DiagrammDaten& haupt = neuron->hauptDiagramm;
    if (haupt.neuronId == 0 || static_cast<long long>(haupt.breite) * haupt.hoehe < 1) {
        if (!d.fenster) {
            d.breite = d.hoehe = d.fensterHoehe = 100000000;
        } else {
            const Rechteck c = clientRechteck(d.fenster);
            d.breite = c.breite();
            d.hoehe = c.hoehe();
            d.neuronId = neuron->nummer;
            d.fensterHoehe = fensterRechteck(d.fenster).hoehe();
        }
    }
    // clamp to the screen
    if (d.breite > ab.rechts) d.breite = ab.rechts - 1;
    if (d.hoehe > ab.unten) d.hoehe = ab.unten - 41;
    if (d.fensterHoehe > ab.unten) d.fensterHoehe = ab.unten - 1;
    // the whole run
    if (d.maxX == -1.0) {
        if (dauer <= 0.0)
            hinweisBox(meldungFormatieren(435));
        else
            d.maxX = dauer;
    }
    // owner, ranges and tick spacing from the template where unusable
    if (d.neuronId == 0)
        d.neuronId = neuron->nummer;
    // the permutation display's axis runs to the latest stored spike, past the run's end too
    const double grenze = neuron->hilfsneuron || zeitfensterBehalten ? std::numeric_limits<double>::infinity() : dauer;
    if (zeitfensterUngueltig(d, grenze)) {
        d.minX = v.minX;
        d.maxX = v.maxX;
    }
    if (wertebereichUngueltig(d)) {
        d.minY = v.minY;
        d.maxY = v.maxY;
    }
    if (d.xTickIntervallWirksam <= 0.0)
        d.xTickIntervallWirksam = v.xTickIntervallWirksam;
    if (d.yTickIntervall <= 0.0)
        d.yTickIntervall = v.yTickIntervall;
    // a template that is itself unusable would divide by zero below
    if (!(d.maxX > d.minX) || !(d.maxY > d.minY))
        return;
    // no more than 30 ticks
    if ((d.maxX - d.minX) / d.xTickIntervallWirksam > 30.0)
        d.xTickIntervallWirksam = (d.maxX - d.minX) / 10.0;
    if ((d.maxY - d.minY) / d.yTickIntervall > 30.0)
        d.yTickIntervall = (d.maxY - d.minY) / 10.0;
    // plot size
    if (d.breite < 1) d.breite = 300;
    if (d.hoehe < 1) d.hoehe = 200;
    if (d.xRand < 1) d.xRand = 30;
    if (d.yRand < 1) d.yRand = 30;
    // whatever way a margin got in, the sums below stay inside int
    d.xRand = std::min(d.xRand, groessteZeichenGroesse);
    d.yRand = std::min(d.yRand, groessteZeichenGroesse);
    d.xRandRechts = std::clamp(d.xRandRechts, -groessteZeichenGroesse, groessteZeichenGroesse);
    d.plotBreite = d.breite - 2 * d.xRand - d.xRandRechts;
    if (d.hoehe - 2 * d.yRand < 1)
        d.hoehe = 2 * d.yRand + 1;
    d.plotHoehe = d.hoehe - 2 * d.yRand;
    if (d.plotBreite < 1 || d.plotHoehe < 1)
        return;
    // axes
    // (written so that an origin that is not a number is outside too)
    if (!(d.xUrsprung >= d.minX && d.xUrsprung <= d.maxX))
        d.xUrsprung = d.minX;
    if (!(d.yUrsprung >= d.minY && d.yUrsprung <= d.maxY))
        d.yUrsprung = 0.0;
    d.yAchseX = pixelWert((d.xUrsprung - d.minX) * d.plotBreite / (d.maxX - d.minX)) + d.xRand;
    d.xAchseY = d.yRand + d.plotHoehe - pixelWert((d.yUrsprung - d.minY) * d.plotHoehe / (d.maxY - d.minY));
    d.xAchseLinks = {d.xRand, d.xAchseY};
    d.yAchseUnten = {d.yAchseX, d.yRand + d.plotHoehe};
    d.xAchseRechts = {d.xRand + d.plotBreite, d.xAchseY};
    d.yAchseOben = {d.yAchseX, d.yRand};
    // lines and ticks
    if (d.linienArt < 0 || d.linienArt > 2) d.linienArt = v.linienArt;
    if (d.achsenDicke < 0) d.achsenDicke = v.achsenDicke;
    if (d.tickDicke < 0) d.tickDicke = v.tickDicke;
    if (d.tickLaenge < 1) d.tickLaenge = v.tickLaenge;
    d.tickLaenge = std::clamp(d.tickLaenge, 1, groessteZeichenGroesse);
    if (d.linienArt < 0 || d.linienArt > 2) d.linienArt = 0;   // the template's may be off too
    if (d.xTickPosition < -d.breite || d.xTickPosition > d.breite)
        d.xTickPosition = gerundet(d.tickLaenge / -2.0);
    if (d.yTickPosition < -d.hoehe || d.yTickPosition > d.hoehe)
        d.yTickPosition = -d.tickLaenge;
    // fonts
    schriftBereitstellen(d.achsenSchrift);
    schriftBereitstellen(d.legendeSchrift);
    // legend, colours, units
    if (d.legendeX < 1) d.legendeX = d.xRand;
    if (d.legendeY < 0) d.legendeY = 0;
    if (istUnbelegt(d.achsenFarbe)) d.achsenFarbe = v.achsenFarbe;
    if (istUnbelegt(d.rechteckFarbe)) d.rechteckFarbe = v.rechteckFarbe;
    if (istUnbelegt(d.linienFarbe)) d.linienFarbe = v.linienFarbe;
    if (istUnbelegt(d.tickFarbe)) d.tickFarbe = v.tickFarbe;
    if (d.xDimension.empty()) d.xDimension = "[s]";
    if (d.yDimension.empty()) d.yDimension = "[mV]";
    if (d.dimensionSchriftgroesse == 0) d.dimensionSchriftgroesse = 6;
    if (d.xDimensionAbstand == 0) d.xDimensionAbstand = -30;
    // tick extents, scaled with the window when asked
    double mass = 1.0;
    if (d.ticksAnpassen) {
        const int kante = d.hoehe < d.breite ? ab.unten : ab.rechts;
        if (kante > 0)
            mass = (d.hoehe < d.breite ? d.hoehe : d.breite) / static_cast<double>(kante);
    }
    const int xPos = d.ticksAnpassen ? gerundet(d.xTickPosition * mass) : d.xTickPosition;
    const int laenge = d.ticksAnpassen ? gerundet(d.tickLaenge * mass) : d.tickLaenge;
    const int yPos = d.ticksAnpassen ? gerundet(d.yTickPosition * mass) : d.yTickPosition;
    d.xTickY1 = d.xAchseY - xPos;
    d.xTickY2 = d.xTickY1 - laenge;
    d.yTickX1 = d.yAchseX + yPos;
    d.yTickX2 = d.yTickX1 + laenge;
    // pixels per tick
    d.xPixelProTick = pixelProTick(d.plotBreite, d.xTickIntervallWirksam, d.maxX - d.minX, 436);
    d.yPixelProTick = pixelProTick(d.plotHoehe, d.yTickIntervall, d.maxY - d.minY, 437);
    // something is always shown
    bool einerSichtbar = false;
    for (const KurvenDaten& k : d.kurven)
        einerSichtbar = einerSichtbar || k.anzeigen;
    if (!einerSichtbar)
        d.kurven[kurve::Soma].anzeigen = 1;
    if (d.verschiebungX == 0) d.verschiebungX = 100;
    if (d.verschiebungY == 0) d.verschiebungY = 100;
    // pens and brushes
    stiftUndPinsel(d, zeichenMittel::Rechteck, stiftStil::Durchgehend, 0, d.rechteckFarbe);
    stiftUndPinsel(d, zeichenMittel::Cursor, d.cursorArt, d.cursorDicke, d.cursorFarbe);
    stiftUndPinsel(d, zeichenMittel::Achse, stiftStil::Durchgehend, d.achsenDicke, d.achsenFarbe);
    stiftUndPinsel(d, zeichenMittel::Gitter, linienArten[d.linienArt], d.linienDicke, d.linienFarbe);
    stiftUndPinsel(d, zeichenMittel::Tick, stiftStil::Durchgehend, d.tickDicke, d.tickFarbe);
    // scroll bar
    if (diagrammOptionen.scrollleisteAnzeigen && d.fenster && schritt > 0.0) {
        const ScrollWerte w = scrollWerteBerechnen(d, dauer, schritt, diagrammOptionen.scrollleisteAutomatisch ? 1 : 0);
        d.ersterSichtbarerSchritt = w.position;
        scrollLeisteSetzen(d.fenster, false, 0, w.maximum, w.seite, w.position);
    }
}
