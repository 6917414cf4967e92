// dialogs/achsenformat.cpp - the unit labels of a diagram's axes: texts, distances,
// positions, font size ("Dimensionen an den Achsen formatieren", 173)
#include "dialogs/achsenformat.h"
#include "dialogs/rahmen.h"
#include "model/diagramm.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <string>

using namespace plattform;

namespace {

enum : int {
    idXText = 1403, idXAbstand = 1397, idXPosition = 1398, idLinks = 2296,
    idYText = 1404, idYAbstand = 1399, idYPosition = 1400, idSchrift = 1401,
};
constexpr size_t einheitLaenge = 63;   // bytes of a unit text

DialogRahmen rahmen;
DiagrammDaten* diagramm = nullptr;


void fuellen(Fenster dlg)
{
    const DiagrammDaten& d = *diagramm;
    elementTextSetzen(dlg, idXText, d.xDimension);
    elementTextSetzen(dlg, idYText, d.yDimension);
    const std::pair<int, int> zahlen[] = {
        {idXAbstand, d.xDimensionAbstand}, {idXPosition, d.xDimensionPosition}, {idYAbstand, d.yDimensionAbstand},
        {idYPosition, d.yDimensionPosition}, {idSchrift, d.dimensionSchriftgroesse},
    };
    for (const auto& [id, wert] : zahlen)
        elementTextSetzen(dlg, id, std::to_string(wert));
    hakenSetzen(dlg, idLinks, d.dimensionLinks ? 1 : 0);
}

// The pixel numbers first, in the order the notices come; a field without a number (or
// beyond what the painter takes) leaves the record as it was.
void speichern(Fenster dlg)
{
    int position = 0, abstand = 0, yAbstand = 0, yPosition = 0, schrift = 0;
    if (!dialogGanzzahlLesen(dlg, idXPosition, -groesseMax, groesseMax, position) ||
        !dialogGanzzahlLesen(dlg, idXAbstand, -groesseMax, groesseMax, abstand) ||
        !dialogGanzzahlLesen(dlg, idYAbstand, -groesseMax, groesseMax, yAbstand) ||
        !dialogGanzzahlLesen(dlg, idYPosition, -groesseMax, groesseMax, yPosition) ||
        !dialogGanzzahlLesen(dlg, idSchrift, 0, groesseMax, schrift))
        return;
    DiagrammDaten& d = *diagramm;
    d.xDimension = elementText(dlg, idXText, einheitLaenge);
    d.yDimension = elementText(dlg, idYText, einheitLaenge);
    d.xDimensionPosition = position;
    d.xDimensionAbstand = abstand;
    d.yDimensionAbstand = yAbstand;
    d.yDimensionPosition = yPosition;
    d.dimensionSchriftgroesse = schrift;
    d.dimensionLinks = haken(dlg, idLinks);
    dialogSchliessen(dlg, rahmen, 1, false);
}

} // namespace

void diagrammDimensionenTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageAchsenFormat); }

intptr_t achsenFormatDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{nullptr, diagrammDimensionenTexteSetzen, fuellen};
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
