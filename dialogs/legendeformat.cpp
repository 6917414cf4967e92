// dialogs/legendeformat.cpp - the place, font size and alignment of a diagram's legend
// ("Lengende Formatieren", 171)
#include "dialogs/legendeformat.h"
#include "dialogs/rahmen.h"
#include "model/diagramm.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <string>

using namespace plattform;

namespace {

enum : int { idX = 1420, idY = 1421, idSchrift = 1422, idLinksbuendig = 1423, idZentriert = 1424 };

DialogRahmen rahmen;
DiagrammDaten* diagramm = nullptr;


void fuellen(Fenster dlg)
{
    const DiagrammDaten& d = *diagramm;
    elementTextSetzen(dlg, idX, std::to_string(d.legendeX));
    elementTextSetzen(dlg, idY, std::to_string(d.legendeY));
    elementTextSetzen(dlg, idSchrift, std::to_string(d.legendeFontSize));
    hakenSetzen(dlg, idLinksbuendig, d.legendeLinksbuendig ? 1 : 0);
    hakenSetzen(dlg, idZentriert, d.legendeLinksbuendig ? 0 : 1);
}

// a field without a number (or beyond what the painter takes) leaves the record as it was
void speichern(Fenster dlg)
{
    int x = 0, y = 0, schrift = 0;
    if (!dialogGanzzahlLesen(dlg, idX, -groesseMax, groesseMax, x) ||
        !dialogGanzzahlLesen(dlg, idY, -groesseMax, groesseMax, y) ||
        !dialogGanzzahlLesen(dlg, idSchrift, 0, groesseMax, schrift))
        return;
    DiagrammDaten& d = *diagramm;
    d.legendeX = x;
    d.legendeY = y;
    d.legendeFontSize = schrift;
    d.legendeLinksbuendig = haken(dlg, idLinksbuendig) ? 1 : 0;
    dialogSchliessen(dlg, rahmen, 1, false);
}

} // namespace

void diagrammLegendeTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageLegendeFormat); }

intptr_t legendeFormatDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{nullptr, diagrammLegendeTexteSetzen, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, diagramm, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl:
        if (loWort(w) == 1)
            speichern(dlg);
        else if (loWort(w) == 2)
            dialogSchliessen(dlg, rahmen, 2, false);
        return 0;
    }
    return 0;
}
