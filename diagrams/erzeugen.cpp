// diagrams/erzeugen.cpp - fonts of the diagrams, new diagram records and their windows
#include "app/beenden.h"
#include "diagrams/diagramm.h"
#include "diagrams/kurven.h"
#include "diagrams/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <new>

using namespace plattform;

namespace {

// windows and the screen have the same resolution on this platform
constexpr int bildschirmDpi = 96;

int fatal(int meldung)
{
    velnorInfoBox(meldungFormatieren(meldung));
    programmBeenden();
    return 0;
}

Fenster einfachesFenster(DiagrammDaten&)
{
    return fensterErzeugen(meldungsTexte[12], meldungFormatieren(694), stil::Hauptfenster,
                           StandardPosition, StandardPosition, StandardPosition, StandardPosition);
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

void schriftFuerBildschirm(FontDaten& s, int punkte)
{
    loeschen(s.schrift);
    s.schrift = nullptr;
    s.punkte = punkte;
    SchriftMerkmale m;
    m.gewicht = s.gewicht < 1 ? 400 : s.gewicht;
    m.kursiv = s.kursiv != 0;
    m.unterstrichen = s.unterstrichen != 0;
    m.orientierung = 900;            // as the stored pages expect; text still runs horizontally
    m.hoehe = schriftHoeheAusPunkten(punkte, bildschirmDpi);
    m.name = s.name;
    s.merkmale = m;
    s.schrift = schriftErzeugen(m);
}

void fontErzeugen(FontDaten* schrift, int punkte)
{
    if (!neuronKette.kopf)
        return;
    if (!schrift) {
        hinweisBox(meldungFormatieren(447));
        return;
    }
    schriftFuerBildschirm(*schrift, punkte);
}

int freieDiagrammNummer(const NeuronDaten& neuron)
{
    int nummer = 1;
    for (const DiagrammDaten* d = &neuron.hauptDiagramm; d;) {
        if (d->nummer == nummer) {
            ++nummer;
            d = &neuron.hauptDiagramm;   // a later diagram may bear the next number
        } else {
            d = d->naechstes;
        }
    }
    return nummer;
}

std::string diagrammTitel(const NeuronDaten& neuron, const DiagrammDaten& d)
{
    return d.nummer < 1 ? neuron.name : neuron.name + " " + std::to_string(d.nummer);
}

DiagrammDaten* diagrammAnhaengen(NeuronDaten& neuron)
{
    DiagrammDaten* neu = new (std::nothrow) DiagrammDaten;
    if (!neu) {
        fatal(693);
        return nullptr;
    }
    neu->nummer = freieDiagrammNummer(neuron);
    DiagrammDaten* letztes = &neuron.hauptDiagramm;
    while (letztes->naechstes)
        letztes = letztes->naechstes;
    letztes->naechstes = neu;
    neu->offen = 1;
    return neu;
}

int diagrammErzeugen(NeuronDaten* neuron, DiagrammDaten* diagramm)
{
    if (!neuron)
        return 0;
    // 1. a new further record
    const bool neu = diagramm == nullptr;
    if (neu && !(diagramm = diagrammAnhaengen(*neuron)))
        return 0;
    DiagrammDaten& d = *diagramm;
    // 2. the window procedure finds the record through messDiagramm while it is made
    aktuellesDiagramm.messDiagramm = &d;
    if (d.fenster) {
        aktuellesDiagramm.diagramm = &d;
        return 1;
    }
    // 3. the window
    d.fenster = diagrammAnschluss::fensterErzeugen ? diagrammAnschluss::fensterErzeugen(d) : einfachesFenster(d);
    if (!d.fenster) {
        if (velnorInfoBox(meldungFormatieren(695)) == antwort::Abbrechen)
            programmBeenden();
        return 0;
    }
    // 4. geometry from the window, or the window to the stored place
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
    // 5., 6. layout and curves
    d.layoutAusstehend = 1;
    d.neuronId = neuron->nummer;
    diagrammLayoutBerechnen(neuron, &d, neu ? 1 : 0);
    kurvenVorbereiten(&d, -1);
    // 7. a new diagram shows what the main diagram has
    if (neu && !hauptWerteKopieren(*neuron, d, simulationsParameter.anzahlSchritte))
        return fatal(696);
    d.titel = neu ? diagrammTitel(*neuron, d) : neuron->name;
    titelSetzen(d.fenster, d.titel);
    // 8., 9., 10.
    if (!d.kurven[kurve::Soma].werte.empty())
        kurvePunkteBerechnen(&d, kurve::Soma);
    if (diagrammAnschluss::druckerMenueFuellen)
        diagrammAnschluss::druckerMenueFuellen(d.fenster);
    aktuellesDiagramm.diagramm = &d;
    return 1;
}
