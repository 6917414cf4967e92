// model/kurven.cpp - curve slots made ready for drawing, and their pixel points
#include "model/kurven.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cmath>

using namespace plattform;

namespace {

bool gehoertZurVorlage(const DiagrammDaten* d)
{
    for (const DiagrammDaten* x = &stdNeuron.hauptDiagramm; x; x = x->naechstes)
        if (x == d)
            return true;
    return false;
}

void vorlagenKurven(DiagrammDaten& v)
{
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        KurvenDaten& k = v.kurven[i];
        if (k.farbe == KeineFarbe)
            k.farbe = vorlagenKurvenFarbe(i);
        if (k.dimension.empty())
            k.dimension = standardDimension(i);
        if (k.dicke < 0) k.dicke = 0;
        if (k.linienart < 0) k.linienart = 0;
        if (k.yZoom <= 0.0) k.yZoom = 1.0;
    }
}

bool fatal(int meldung)
{
    endeMelden(EndeForm::Info, meldungFormatieren(meldung));
    return false;
}

// a copied curve takes the samples of its source when they match in count
void kopieUebernehmen(KurvenDaten& k, int schritte)
{
    if (k.referenz != kurvenReferenz::Kopie || k.werteAnzahl <= 0 || k.externeNeuronId <= 0)
        return;
    if (k.externeKurveId < 0 || k.externeKurveId >= kurvenProDiagramm)
        return;
    const NeuronDaten* q = neuronNachNummer(k.externeNeuronId);
    if (!q)
        return;
    const KurvenDaten& quelle = q->hauptDiagramm.kurven[k.externeKurveId];
    if (quelle.werte.empty() || quelle.werteAnzahl != k.werteAnzahl || k.werteAnzahl > schritte)
        return;
    const size_t n = std::min({static_cast<size_t>(k.werteAnzahl), quelle.werte.size(), k.werte.size()});
    std::copy_n(quelle.werte.begin(), n, k.werte.begin());
}

bool slotVorbereiten(DiagrammDaten& d, int i, bool alle, int schritte)
{
    KurvenDaten& k = d.kurven[i];
    const KurvenDaten& v = diagrammVorlage.kurven[i];
    // name
    if (k.bezeichnung.empty())
        k.bezeichnung = v.bezeichnung;
    // samples; a buffer of a shorter run is replaced, never written past
    if (d.fenster || !k.werte.empty()) {
        if (!wertePufferBereitstellen(k, schritte))
            return fatal(701);
    }
    // a copied curve
    kopieUebernehmen(k, schritte);
    // the points are due again; the point buffer keeps its size. The slot spans the run's
    // steps, unless it holds fewer samples: a run stopped early, or a shorter stored curve,
    // ends where its samples end (what lies beyond them is the no-data fill or an older run)
    bool punkteNeu = k.punkte.empty();
    if (k.werteAnzahl != schritte || k.neuBerechnen || alle) {
        const bool kuerzer = k.werteAnzahl > 0 && k.werteAnzahl < schritte && hatDaten(k);
        k.werteAnzahl = kuerzer ? k.werteAnzahl : schritte;
        k.punktAnzahl = 0;
        k.neuBerechnen = 0;
        punkteNeu = true;
    }
    // points
    if (punkteNeu && d.fenster) {
        if (!punktPufferBereitstellen(k, d.plotBreite))
            return fatal(702);
        if (hatDaten(k))
            kurvePunkteBerechnen(&d, i);
    }
    // unit, colour, width
    if (k.dimension.empty())
        k.dimension = standardDimension(i);
    if (k.farbe == KeineFarbe)
        k.farbe = v.farbe;
    if (k.dicke < 0)
        k.dicke = v.dicke;
    // pen and brush
    loeschen(k.stift);
    loeschen(k.pinsel);
    const int art = (k.linienart >= 0 && k.linienart <= 2) ? k.linienart : 0;
    k.stift = stiftErzeugen(linienArten[art], k.dicke, k.farbe);
    k.pinsel = pinselErzeugen(k.farbe);
    return true;
}

} // namespace

Farbe vorlagenKurvenFarbe(int i)
{
    return rgbFarbe((i * 20) % 255 + 128, (i * 30) % 255 + 64, (i * 40) % 255 + 32);
}

const char* standardDimension(int slot)
{
    if (slot == kurve::Soma || (slot >= kurve::Dendrit1 && slot < kurve::Kanal1))
        return "mV ";
    return slot >= kurve::Referenz1 ? "" : "nA ";
}

bool kurvenVorbereiten(DiagrammDaten* diagramm, int slot)
{
    if (!diagramm || slot >= kurvenProDiagramm)
        return true;
    DiagrammDaten& d = *diagramm;
    // the template's diagrams only get their defaults
    if (gehoertZurVorlage(&d)) {
        vorlagenKurven(d);
        return true;
    }
    // a diagram without a layout gets one first
    if (d.plotBreite < 1) {
        hinweisBox(meldungFormatieren(446));
        diagrammLayoutBerechnen(neuronNachNummer(d.neuronId), &d, 0);
    }
    if (d.maxX <= 0.0)
        d.maxX = simulationsParameter.simulationsDauer;
    // the shown slots
    const int schritte = simulationsParameter.anzahlSchritte;
    if (schritte < 1)
        return true;
    // after a box that ends the program no slot follows: the end, or the read abandoned
    const bool alle = slot < 0;
    for (int i = alle ? 0 : slot; i < (alle ? kurvenProDiagramm : slot + 1); ++i)
        if (d.kurven[i].anzeigen && !slotVorbereiten(d, i, alle, schritte))
            return false;
    return true;
}

namespace {

// The reduction of kurvePunkteBerechnen: gesamt samples make the whole run (they place the
// time window's first sample), lesbar of them may be read. The line ends at the last of
// them, or before the first sample that is no finite number.
void punkteAusWerten(DiagrammDaten& d, KurvenDaten& s, long long gesamt, int lesbar)
{
    s.punktAnzahl = 0;
    const int W = d.plotBreite, H = d.plotHoehe;
    if (W < 1 || H < 1)
        return;
    // at most two points per column and one column past the width
    if (punktPlatz(s) < 2 * static_cast<size_t>(W) + 2 && !punktPufferBereitstellen(s, W))
        return;
    // the value scale; a second axis without a span uses the diagram's
    double lo = d.minY, spanne = d.maxY - d.minY;
    if (s.eigeneYAchse && s.maxY - s.minY != 0.0) {
        lo = s.minY;
        spanne = s.maxY - s.minY;
    }
    const double dt = simulationsParameter.schrittweite;
    const double T = simulationsParameter.simulationsDauer;
    const int n = std::min(lesbar, static_cast<int>(s.werte.size()));
    if (!(spanne != 0.0 && std::isfinite(spanne)) || !(dt > 0.0) || !(T > 0.0) || !(d.maxX > d.minX) || n < 1)
        return;
    const float zoom = static_cast<float>(s.yZoom > 0.0 ? s.yZoom : 1.0);
    // offset, zoom and the first sample of the visible window
    const int versatz = pixelWert(s.yOffset * H / spanne);
    const double erster = std::round(static_cast<double>(gesamt) * d.minX / T);
    if (!(erster >= 0.0 && erster < n))
        return;
    long long index = static_cast<long long>(erster);
    double t = d.minX;
    int c = 0, spalten = 0;
    double a = 0.0;
    // pixels per sample, at least one
    const double p = std::max(1.0, W / ((d.maxX - d.minX) / dt));
    const int unten = d.yAchseUnten[1], oben = d.yAchseOben[1];
    const double loZoom = lo * zoom;
    // a row inside the plot, also for values far outside or not a number
    auto zeile = [&](float v) {
        return std::min(std::max(unten - pixelWert((v - loZoom) * H / spanne) - versatz, oben), unten);
    };
    const size_t platz = punktPlatz(s);
    // one column after the other
    bool ende = false;
    while (!ende && t < d.maxX && index < n && 2 * static_cast<size_t>(spalten) + 2 <= platz) {
        if (!std::isfinite(s.werte[index]))
            break;
        const double te = std::min(d.minX + (d.maxX - d.minX) * c / W, d.maxX);
        float hoch = s.werte[index], tief = hoch;
        int k = 0, iHoch = -1, iTief = -1;
        do {
            const float w = s.werte[index];
            if (!std::isfinite(w)) {
                ende = true;
                break;
            }
            if (w >= hoch) {
                hoch = w;
                iHoch = k;
            } else if (w < tief) {
                tief = w;
                iTief = k;
            }
            ++index;
            ++k;
            t += dt;
        } while (t < te && index < n);
        hoch *= zoom;
        tief *= zoom;
        const int x = c + d.xRand;
        const bool tiefZuerst = iTief < iHoch;
        int32_t* q = s.punkte.data() + 4 * spalten;
        q[0] = x;
        q[1] = zeile(tiefZuerst ? tief : hoch);
        q[2] = x;
        q[3] = zeile(tiefZuerst ? hoch : tief);
        a += p;
        c = pixelWert(a);
        ++spalten;
    }
    // the last column's second point is not drawn
    s.punktAnzahl = spalten > 0 ? 2 * spalten - 1 : 0;
}

} // namespace

void kurvePunkteBerechnen(DiagrammDaten* diagramm, int slot)
{
    if (!diagramm || slot < 0 || slot >= kurvenProDiagramm)
        return;
    KurvenDaten& s = diagramm->kurven[slot];
    if (s.punkte.empty())
        return;
    // samples of a run that stopped early sit at their steps of the whole run
    const long long gesamt = std::max<long long>(s.werteAnzahl, simulationsParameter.anzahlSchritte);
    punkteAusWerten(*diagramm, s, gesamt, lesbareWerte(s));
}

void laufKurvenZeigen()
{
    const long long schritte = simulationsParameter.anzahlSchritte;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        DiagrammDaten& d = n->hauptDiagramm;
        if (!d.fenster || !d.offen || d.plotBreite < 1)
            continue;
        bool neu = false;
        for (KurvenDaten& k : d.kurven) {
            if (!k.anzeigen || k.werte.empty() || k.schreibPosition == 0)
                continue;
            // the first pass of a run makes the room the later ones reuse
            if (k.punkte.empty() && !punktPufferBereitstellen(k, d.plotBreite))
                continue;
            punkteAusWerten(d, k, schritte, static_cast<int>(std::min(k.schreibPosition, k.werte.size())));
            neu = true;
        }
        if (neu)
            ungueltigMachen(d.fenster);
    }
}

void kurveAktualisieren(NeuronDaten* neuron, DiagrammDaten* quelle, int quelleSlot, int zielSlot)
{
    if (!quelle || quelleSlot < 0 || quelleSlot >= kurvenProDiagramm || zielSlot >= kurvenProDiagramm)
        return;
    // taken first: the source may be one of the targets
    const KurvenDaten& k0 = quelle->kurven[quelleSlot];
    const int linienart = k0.linienart, dicke = k0.dicke;
    const Farbe farbe = k0.farbe;
    const double yOffset = k0.yOffset;
    const int von = zielSlot < 0 ? 0 : zielSlot, bis = zielSlot < 0 ? kurvenProDiagramm : zielSlot + 1;
    for (NeuronDaten* n = neuron ? neuron : neuronKette.kopf; n; n = neuron ? nullptr : n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            for (int i = von; i < bis; ++i) {
                KurvenDaten& k = d->kurven[i];
                k.linienart = linienart;
                k.dicke = dicke;
                k.farbe = farbe;
                k.yOffset = yOffset;
                k.neuBerechnen = 1;
                // the diagram that changed gets its pen and points, not only the main one
                kurvenVorbereiten(d, i);
            }
            if (d->fenster)
                ungueltigMachen(d->fenster);
        }
}
