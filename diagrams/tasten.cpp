// diagrams/tasten.cpp - the keys of the diagram windows, made by hand: the time axis moves
// and zooms with the cursor keys, Home and End; letters and function keys give commands
// of the window or of the main window, so that the main window's shortcuts work here too
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/diagrammbefehle.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/zeitmessung.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/laufhaken.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "resources/diagrammmenue.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

using namespace plattform;

int tastenModifikator = 0;

namespace {

// the permutation mode's display window is open: the time axis keys rest
constexpr uint32_t permutationsAnzeigeOffen = 0x200;

void piep() { piepen(1000, 100); }

void senden(Fenster f, int befehl) { plattform::senden(f, nachricht::Befehl, machWParam(befehl, 0)); }

void hauptBefehl(int befehl) { senden(fensterhandles.hauptfenster, befehl); }

struct Halten { bool strg, umschalt, alt; };

// The main window's dialog for this diagram's neuron: when none is marked, the neuron is
// marked for the dialog's time and unmarked afterwards, if it still exists then.
void mitMarkierung(int neuronId, int befehl)
{
    NeuronDaten* n = neuronNachNummer(neuronId);
    const bool markieren = n && markierteNeurone.anzahl() == 0;
    if (markieren)
        neuronMarkieren(n, 1);
    hauptBefehl(befehl);
    if (markieren)
        if (NeuronDaten* m = neuronNachNummer(neuronId))
            neuronMarkieren(m, 0);
}

// after Home, End, Up and Down
void achsenSchluss(NeuronDaten* n, DiagrammDaten* d)
{
    const double w = d->maxX - d->minX;
    if (d->xTickIntervallWirksam > 0.0 && w / d->xTickIntervallWirksam < 3)
        d->xTickIntervallWirksam = w / 3;
    else if (!(d->xTickIntervallWirksam > 0.0) || w / d->xTickIntervallWirksam > 10)
        d->xTickIntervallWirksam = w / 10;
    for (double* c : {&d->vCursor1, &d->vCursor2}) {
        if (*c > d->maxX)
            *c = d->maxX - w / 10;
        else if (*c < d->minX)
            *c = d->minX + w / 10;
    }
    diagrammLayoutBerechnen(n, d, 0);
    kurvenVorbereiten(d, -1);
    d->zustand |= 0x8000;
    ungueltigMachen(d->fenster);
    neuZeichnen(d->fenster);
    if (diagrammOptionen.alleVerlinken)
        diagrammZeitachseAngleichen(d);
}

// Home, End, Up, Down: false when the key changed nothing
bool zeitachsenTaste(DiagrammDaten* d, int taste)
{
    const double T = simulationsParameter.simulationsDauer, h = simulationsParameter.schrittweite;
    const double w = d->maxX - d->minX;
    if (!(T > 0.0) || !(h > 0.0) || !(w > 0.0) || !std::isfinite(w))
        return false;
    switch (taste) {
    case taste::Ende:
        // a window wider than the run starts at 0, not before it
        d->minX = std::max(0.0, T - w), d->maxX = T;
        return true;
    case taste::Pos1:
        d->maxX = w, d->minX = 0.0;
        return true;
    case taste::Hoch:
        if (w < 100 * h) {
            piep();
            return false;
        }
        d->minX += w / 4;
        d->maxX = d->minX + w / 2;
        d->xUrsprung = d->minX;
        return true;
    case taste::Runter:
        if (d->minX <= 0.0 && d->maxX >= T)
            return false;
        d->minX = std::max(0.0, d->minX - w / 2);
        d->maxX = std::min(T, d->minX + 2 * w);
        d->xUrsprung = d->minX;
        return true;
    }
    return false;
}

void buchstabe(Fenster f, DiagrammDaten* d, int taste, Halten m)
{
    switch (taste) {
    case 'A': if (m.strg) senden(f, diagrammBefehlApFrequenz); break;
    case 'D': if (m.strg) senden(f, diagrammBefehlAlleAngleichen); break;
    case 'F':
        if (m.strg && m.umschalt) {
            hauptBefehl(befehlFensterInListeSpeichern);
            hauptBefehl(befehlGuiDateiSpeichern);
        } else if (m.strg) {
            hauptBefehl(befehlDiagrammAnLetzterPosition);
        }
        break;
    case 'G': if (m.strg) hauptBefehl(befehlGeoeffneteGleichgross); break;
    case 'H':
        if (m.strg && m.umschalt) {
            if (istMinimiert(fensterhandles.hauptfenster))
                plattform::zeigen(fensterhandles.hauptfenster, anzeige::Wiederherstellen);
            vordergrundSetzen(fensterhandles.hauptfenster);
        } else if (m.strg) {
            plattform::senden(fensterhandles.hauptfenster, nachricht::SystemBefehl, systembefehl::Minimieren);
        }
        break;
    case 'I': if (m.strg) hauptBefehl(befehlAusListeGleichgross); break;
    case 'K': if (m.strg) senden(f, diagrammBefehlKurven); break;
    case 'L': if (m.strg) hauptBefehl(befehlDiagrammeAusListe); break;
    case 'M':
        if (m.umschalt)
            diagrammOptionen.strgMNurMinimieren = -1;
        if (m.strg)
            hauptBefehl(befehlDiagrammeMarkierte);
        break;
    case 'N':
        if (m.strg)
            hauptBefehl(m.umschalt ? befehlDiagrammeSchliessen : befehlDiagrammeAlle);
        break;
    case 'O': if (m.strg) hauptBefehl(befehlDiagrammeGeoeffnete); break;
    case 'R': if (m.strg) senden(f, diagrammBefehlReferenzkurveSpeichern); break;
    case 'S': if (m.strg) hauptBefehl(befehlGuiDateiSpeichern); break;
    case 'T': if (m.strg) hauptBefehl(befehlTextfensterAnzeigen); break;
    case 'U':
        d->zustand |= 0x8000;
        ungueltigMachen(f);
        break;
    case 'V':
        if (!m.strg && !m.umschalt && markierteNeurone.anzahl() == 1)
            hauptBefehl(befehlVoltageClamp);
        break;
    case 'W':
        if (!m.strg)
            break;
        if (d->vCursorZustand == 0) {
            piep();
            hinweisBox(meldungsTexte[451]);
        } else {
            d->werteInLegende = !d->werteInLegende;
            d->zustand |= 0x8000;
            ungueltigMachen(f);
        }
        break;
    case 'Y':
        if (undoListe.redoTiefe <= 0)
            piep();
        else if (m.strg)
            undoAusfuehren(undoListe, 2);
        break;
    case 'Z':
        if (!m.strg)
            break;
        if (undoListe.knotenAnzahl() < 2)
            piep();
        else
            undoAusfuehren(undoListe, 1);
        break;
    }
}

} // namespace

void diagrammTaste(Fenster f, int taste, int daten)
{
    const int einmal = tastenModifikator;
    tastenModifikator = 0;
    DiagrammDaten* d = f && istFenster(f) ? diagrammZuFenster(f) : nullptr;
    NeuronDaten* n = d ? neuronNachNummer(d->neuronId) : nullptr;
    if (!d || !n || (modusStatus & modusBit::Permutationsmodus))
        return;
    const Halten m{tasteGedrueckt(tastenStatus::LinksStrg) || tasteGedrueckt(tastenStatus::RechtsStrg) || (einmal & 0x2),
                   tasteGedrueckt(tastenStatus::LinksUmschalt) || tasteGedrueckt(tastenStatus::RechtsUmschalt)
                       || (einmal & 0x4),
                   (daten & diagrammTasteAlt) != 0 || (einmal & 0x1)};
    const int neuronId = n->nummer;
    switch (taste) {
    case taste::Ende:
    case taste::Pos1:
    case taste::Hoch:
    case taste::Runter:
        if (!(modusStatus & permutationsAnzeigeOffen) && zeitachsenTaste(d, taste))
            achsenSchluss(n, d);
        return;
    case taste::Links:
        senden(f, m.umschalt ? 51079 : m.strg ? 51081 : m.alt ? 51083 : 51078);
        return;
    case taste::Rechts:
        senden(f, m.umschalt ? 51080 : m.strg ? 51082 : m.alt ? 51084 : 51077);
        return;
    case taste::F2:
        hauptBefehl(m.umschalt ? befehlSkriptStarten
                    : m.strg   ? befehlSkriptNeuLadenUndStarten
                    : m.alt    ? befehlSkriptInteraktiv
                               : befehlSimulationStarten);
        return;
    case taste::F5: mitMarkierung(neuronId, befehlPhysiologie); return;
    case taste::F7: mitMarkierung(neuronId, befehlTasteF7); return;
    case taste::F9: {
        const int zahl = m.strg + m.umschalt + m.alt;
        hauptBefehl(zahl != 1 ? befehlSynapseBearbeitenErste
                    : m.umschalt ? befehlTransmitterdynamik
                    : m.strg     ? befehlPspForm
                                 : befehlFazilitation);
        return;
    }
    case taste::F11:
        hauptBefehl(m.strg ? befehlStandardKanaele : m.umschalt ? befehlBenutzerKanaele : befehlKCaKanal);
        return;
    case taste::F12:
        // the main window's own F12 replays its last dialog, with its guard
        plattform::senden(fensterhandles.hauptfenster, nachricht::TasteRunter, static_cast<uintptr_t>(taste::F12));
        return;
    }
    if (taste >= 'A' && taste <= 'Z')
        buchstabe(f, d, taste, m);
}

void diagrammZeichenTaste(Fenster, unsigned char zeichen, int)
{
    const Fenster haupt = fensterhandles.hauptfenster;
    if (zeichen == 27) {
        if (schnellBeenden && plattform::tasteGedrueckt(plattform::tastenStatus::LinksUmschalt)) {
            programmStatus |= programmBit::Druckt;   // the quick exit's bit
            rahmen::programmEndeAufraeumen(0);
            programmBeenden();
            return;
        }
        if (istMinimiert(haupt))
            plattform::zeigen(haupt, anzeige::Wiederherstellen);
        vordergrundSetzen(haupt);
        if ((skriptStatus & skriptBit::Interaktiv) && fensterhandles.interaktivFenster)
            vordergrundSetzen(fensterhandles.interaktivFenster);
        return;
    }
    const bool skript = skriptStatus & skriptBit::Laeuft;
    if (!((programmStatus & programmBit::LaufAktiv) || skript) || (zeichen != 'X' && zeichen != 'x'))
        return;
    if (skript) {
        plattform::senden(haupt, nachricht::Befehl, machWParam(befehlSimulationAbbrechen, 0), 0x10001);
    } else {
        programmStatus |= programmBit::AbbruchAnforderung;
        plattform::senden(haupt, nachricht::Zeichen, 27, 0x10001);
    }
}
