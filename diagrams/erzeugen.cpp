// diagrams/erzeugen.cpp - the windows of the diagrams
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <new>

using namespace plattform;

namespace {

int fatal(int meldung)
{
    endeMelden(EndeForm::Info, meldungFormatieren(meldung));
    return 0;
}

// the main diagram's samples into a new further diagram, slot by slot
bool hauptWerteKopieren(const NeuronDaten& neuron, DiagrammDaten& d, int schritte)
{
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        const KurvenDaten& h = neuron.hauptDiagramm.kurven[i];
        if (h.werteAnzahl <= 0)
            continue;
        KurvenDaten& k = d.kurven[i];
        if (!wertePufferBereitstellen(k, std::max(schritte, h.werteAnzahl)))
            return false;
        std::copy_n(h.werte.begin(), std::min(h.werte.size(), k.werte.size()), k.werte.begin());
        k.werteAnzahl = h.werteAnzahl;
        k.anzeigen = 1;
        k.neuBerechnen = 1;
        kurvenVorbereiten(&d, i);
    }
    return true;
}

} // namespace

int diagrammErzeugen(NeuronDaten* neuron, DiagrammDaten* diagramm)
{
    if (!neuron)
        return 0;
    // a new further record
    const bool neu = diagramm == nullptr;
    if (neu && !(diagramm = diagrammAnhaengen(*neuron)))
        return 0;
    DiagrammDaten& d = *diagramm;
    // the window procedure finds the record through messDiagramm while it is made
    aktuellesDiagramm.messDiagramm = &d;
    if (d.fenster) {
        aktuellesDiagramm.diagramm = &d;
        return 1;
    }
    // the window; it keeps the neuron's number for the lookups of its messages
    {
        const DiagrammFensterAufbau aufbau;
        d.fenster = diagrammFensterErzeugen(d);
    }
    if (d.fenster)
        fensterDatenSetzen(d.fenster, neuron->nummer);
    if (!d.fenster) {
        endeMelden(EndeForm::InfoAbbrechen, meldungFormatieren(695));
        return 0;
    }
    // geometry from the window, or the window to the stored place
    d.offen = 1;
    const Rechteck r = fensterRechteck(d.fenster);
    const Rechteck c = clientRechteck(d.fenster);
    if (d.breite < 1 || d.hoehe < 1) {
        d.fensterX = r.links;
        d.fensterY = r.oben;
        d.breite = r.breite();
        d.fensterHoehe = r.hoehe();
        d.hoehe = c.hoehe();
    } else {
        verschieben(d.fenster, d.fensterX, d.fensterY, d.breite, d.hoehe + r.hoehe() - c.hoehe());
    }
    // layout and curves
    d.layoutAusstehend = 1;
    d.neuronId = neuron->nummer;
    diagrammLayoutBerechnen(neuron, &d, neu ? 1 : 0);
    kurvenVorbereiten(&d, -1);
    // a new diagram shows what the main diagram has
    if (neu && !hauptWerteKopieren(*neuron, d, simulationsParameter.anzahlSchritte))
        return fatal(696);
    d.titel = neu ? diagrammTitel(*neuron, d) : neuronAnzeigename(*neuron);
    titelSetzen(d.fenster, d.titel);
    // the soma curve's points, the printer menu, the window shown
    if (!d.kurven[kurve::Soma].werte.empty())
        kurvePunkteBerechnen(&d, kurve::Soma);
    druckerMenueFuellen(d.fenster);
    aktuellesDiagramm.diagramm = &d;
    return 1;
}

DiagrammDaten* diagrammAnzeigen(NeuronDaten* neuron, DiagrammDaten* diagramm)
{
    if (!neuron)
        return nullptr;
    if (!diagramm || !diagramm->fenster) {
        // a new diagram, or a window for this one
        if (!diagrammErzeugen(neuron, diagramm)) {
            // the diagram is marked closed before a shutdown frees the network it belongs to
            if (diagramm)
                diagramm->offen = 0;
            endeMelden(EndeForm::InfoAbbrechen, meldungFormatieren(697));
            return nullptr;
        }
        if (!diagramm) {
            diagramm = aktuellesDiagramm.diagramm;
            if (!diagramm)
                for (diagramm = &neuron->hauptDiagramm; diagramm->naechstes;)
                    diagramm = diagramm->naechstes;
        }
        diagramm->offen = 1;
        diagramm->layoutAusstehend = 0;
    } else {
        // an existing window, laid out again when it is new or shows a curve
        diagramm->offen = 1;
        const bool gezeigt = std::any_of(diagramm->kurven.begin(), diagramm->kurven.end(),
                                         [](const KurvenDaten& k) { return k.anzeigen != 0; });
        if (diagramm->layoutAusstehend || gezeigt) {
            diagrammLayoutBerechnen(neuron, diagramm, 0);
            kurvenVorbereiten(diagramm, -1);
            zeigen(diagramm->fenster, anzeige::Normal);
            diagramm->layoutAusstehend = 0;
        }
        if (istMinimiert(diagramm->fenster))
            zeigen(diagramm->fenster, anzeige::Wiederherstellen);
        else
            vordergrundSetzen(diagramm->fenster);
        titelSetzen(diagramm->fenster, diagrammTitel(*neuron, *diagramm));
    }
    // shown and painted at once
    if (!diagramm->fenster)
        return diagramm;
    zeigen(diagramm->fenster, anzeige::Normal);
    neuZeichnen(diagramm->fenster);
    return diagramm;
}
