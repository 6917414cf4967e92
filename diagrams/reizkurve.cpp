// diagrams/reizkurve.cpp - a compartment's stimulus table as a reference curve of a diagram
#include "diagrams/reizkurve.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "diagrams/diagramm.h"
#include "model/kurven.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <new>

using namespace plattform;

namespace {

constexpr int keinPlatz = 1734;   // no free slot for a reference curve

// a notice into the box, or, inside a paint, to the painter
void melden(Fenster eigner, const std::string& text, std::string* meldung)
{
    if (meldung)
        *meldung = text;
    else
        meldungsBox(eigner, text, "Hinweis", knoepfe::Ok | symbol::Information);
}

} // namespace

void stromreizReferenzkurveAnzeigen(Fenster w, int c, int s, std::string* meldung)
{
    // the diagram of the window and its neuron
    DiagrammDaten* d = w ? diagrammZuFenster(w) : nullptr;
    if (!d || c < 0 || c > 3 || s >= kurvenProDiagramm)
        return;
    NeuronDaten* n = neuronNachNummer(d->neuronId);
    if (!n) {
        melden(w, meldungsTexte[506], meldung);
        return;
    }
    // the table of the compartment, when the neuron has it
    if (c >= kompartimentAnzahl(*n) || c >= static_cast<int>(n->stromTabellen.size()))
        return;
    const StromTabelle& t = n->stromTabellen[static_cast<size_t>(c)];
    const int punkte = std::min({t.anzahlPunkte, static_cast<int>(t.startzeiten.size()),
                                 static_cast<int>(t.stromwerte.size())});
    if (punkte <= 3)
        return;
    // its range
    double hoechster = -1000000.0, niedrigster = 1000000.0;
    for (int p = 0; p < punkte; ++p) {
        hoechster = std::max(hoechster, t.stromwerte[static_cast<size_t>(p)]);
        niedrigster = std::min(niedrigster, t.stromwerte[static_cast<size_t>(p)]);
    }
    const double bereich = hoechster - niedrigster;
    if (!(bereich != 0.0) || !std::isfinite(bereich))
        return;
    // the lowest quarter of the diagram's value range
    const double unten = d->minY;
    const float viertel = static_cast<float>((d->maxY - unten) * 0.25);
    // the slot
    if (s < 0) {
        for (int i = 0; i < kurvenProDiagramm && s < 0; ++i)
            if (!d->kurven[i].anzeigen)
                s = i;
        if (s < 0) {
            melden(w, meldungsTexte[keinPlatz], meldung);
            return;
        }
    }
    KurvenDaten& k = d->kurven[static_cast<size_t>(s)];
    // a buffer of one sample per step
    const Simulationsparameter& sp = simulationsParameter;
    const size_t platz = static_cast<size_t>(std::max(sp.anzahlSchritte, 0)) + werteReserve;
    try {
        std::vector<float>(platz, 0.0f).swap(k.werte);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungsTexte[729]);
        return;
    }
    // sampled as the engine plays it: one table point per step at most
    float wert = static_cast<float>(std::trunc(unten));
    int p = 0;
    size_t proben = 0;
    for (double zeit = 0.0; zeit < sp.simulationsDauer && sp.schrittweite > 0.0 && proben < platz;
         zeit += sp.schrittweite) {
        if (p < punkte && t.startzeiten[static_cast<size_t>(p)] <= zeit) {
            const float skaliert = static_cast<float>(t.stromwerte[static_cast<size_t>(p)]) * viertel
                                   / static_cast<float>(bereich) + static_cast<float>(unten);
            wert = std::trunc(skaliert);
            ++p;
        }
        k.werte[proben++] = wert;
    }
    k.werteAnzahl = std::max(static_cast<int>(proben) - 1, 0);
    k.punktAnzahl = 0;
    // named and shown as a stimulus curve
    k.bezeichnung = meldungsTexte[744 + c];
    k.anzeigen = 1;
    k.referenz = kurvenReferenz::Kopie;
    // a new stimulus curve: the curve dialog, as long as the user goes on to another slot
    const bool neu = k.stromreizSegment == 0;
    int naechster = -1;
    if (neu && !meldung) {
        aktuellesDiagramm.diagramm = d;
        aktuellesDiagramm.kurvenSlot = s;
        naechster = kurvenDialogOeffnen(w, s);
        while (naechster >= 0) {
            aktuellesDiagramm.kurvenSlot = std::min(naechster, kurvenProDiagramm - 1);
            naechster = kurvenDialogOeffnen(w, aktuellesDiagramm.kurvenSlot);
        }
    }
    // the compartment it shows, kept with the diagram
    k.stromreizSegment = c + 1;
    // inside a paint only this slot is made ready: the painter draws it next
    if (meldung) {
        kurvenVorbereiten(d, s);
        return;
    }
    kurvenVorbereiten(d, -1);
    vordergrundSetzen(w);
    ungueltigMachen(w);
}
