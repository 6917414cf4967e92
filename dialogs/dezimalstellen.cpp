// dialogs/dezimalstellen.cpp - the decimal places of the X-axis labels, the two measuring
// cursors and the legend, for one diagram or for all ("Anzahl Dezimalstellen für Anzeige", 317)
#include "dialogs/dezimalstellen.h"
#include "core/schluessel.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <climits>
#include <string>

using namespace plattform;

namespace {

enum : int { idX = 2228, idXFest = 2297, idZeit = 2222, idWert = 2224, idLegende = 2226, idAlle = 2298 };

DialogRahmen rahmen;
DiagrammDaten* diagramm = nullptr;
int fest = 0;

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    fest = diagramm->dezimalstellenXFest;
}

void fuellen(Fenster dlg)
{
    const DiagrammDaten& d = *diagramm;
    elementTextSetzen(dlg, idX, std::to_string(d.dezimalstellenX));
    elementTextSetzen(dlg, idZeit, std::to_string(d.dezimalstellenVCursor));
    elementTextSetzen(dlg, idWert, std::to_string(d.dezimalstellenHCursor));
    elementTextSetzen(dlg, idLegende, std::to_string(d.dezimalstellenWerte));
    dialogElementFokussieren(dlg, idZeit, 1);
    dialogElementAktivieren(dlg, idX, fest != 0);
    hakenSetzen(dlg, idXFest, fest ? 1 : 0);
}

// any whole number is taken; a field without one leaves every diagram as it was
void speichern(Fenster dlg)
{
    int x = 0, zeit = 0, wert = 0, legende = 0;
    if (!dialogGanzzahlLesen(dlg, idX, INT_MIN, INT_MAX, x) ||
        !dialogGanzzahlLesen(dlg, idZeit, INT_MIN, INT_MAX, zeit) ||
        !dialogGanzzahlLesen(dlg, idWert, INT_MIN, INT_MAX, wert) ||
        !dialogGanzzahlLesen(dlg, idLegende, INT_MIN, INT_MAX, legende))
        return;
    DiagrammDaten& d = *diagramm;
    d.dezimalstellenXFest = fest;
    d.dezimalstellenX = x;
    d.dezimalstellenVCursor = zeit;
    d.dezimalstellenHCursor = wert;
    d.dezimalstellenWerte = legende;
    if (haken(dlg, idAlle)) {
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (DiagrammDaten* andere = &n->hauptDiagramm; andere; andere = andere->naechstes) {
                if (!andere->fenster)
                    continue;
                if (andere != &d) {
                    andere->dezimalstellenXFest = d.dezimalstellenXFest;
                    andere->dezimalstellenX = d.dezimalstellenX;
                    andere->dezimalstellenVCursor = d.dezimalstellenVCursor;
                    andere->dezimalstellenHCursor = d.dezimalstellenHCursor;
                    andere->dezimalstellenWerte = d.dezimalstellenWerte;
                }
                ungueltigMachen(andere->fenster);
                neuZeichnen(andere->fenster);
            }
    }
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, false);
}

} // namespace

intptr_t dezimalstellenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{oeffnen, [](Fenster d) { vorlagenTexteSetzen(d, vorlageDezimalstellen); }, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, diagramm, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idXFest:
            fest = fest ? 0 : 1;
            dialogElementAktivieren(dlg, idX, fest != 0);
            return 0;
        case 1: speichern(dlg); return 0;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); return 0;
        }
        return 0;
    }
    return 0;
}

intptr_t dezimalstellenDialogOeffnen(DiagrammDaten& d)
{
    return dialogModal(vorlageDezimalstellen, d.fenster, dezimalstellenDlgProc, reinterpret_cast<intptr_t>(&d));
}
