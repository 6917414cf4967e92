// dialogs/achsenformat.cpp - the unit labels of a diagram's axes: texts, distances,
// positions, font size ("Dimensionen an den Achsen formatieren", 173)
#include "dialogs/achsenformat.h"
#include "dialogs/rahmen.h"
#include "model/diagramm.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cstdlib>
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

int ganzzahl(Fenster dlg, int id) { return std::atoi(elementText(dlg, id, 255).c_str()); }

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

void speichern(Fenster dlg)
{
    DiagrammDaten& d = *diagramm;
    d.xDimension = elementText(dlg, idXText, einheitLaenge);
    d.yDimension = elementText(dlg, idYText, einheitLaenge);
    d.xDimensionPosition = ganzzahl(dlg, idXPosition);
    d.xDimensionAbstand = ganzzahl(dlg, idXAbstand);
    d.yDimensionAbstand = ganzzahl(dlg, idYAbstand);
    d.yDimensionPosition = ganzzahl(dlg, idYPosition);
    d.dimensionSchriftgroesse = ganzzahl(dlg, idSchrift);
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
