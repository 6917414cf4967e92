// diagrams/diagramm.cpp - the diagram globals and releasing a diagram's resources
#include "diagrams/diagramm.h"

AktuellesDiagramm aktuellesDiagramm;
std::array<FensterlistenEintrag, fensterlistenLaenge> fensterliste{};

void diagrammGdiFreigeben(DiagrammDaten& d)
{
    for (KurvenDaten& k : d.kurven) {
        plattform::loeschen(k.stift);
        plattform::loeschen(k.pinsel);
        k.stift = nullptr;
        k.pinsel = nullptr;
    }
    plattform::bildLoeschen(d.bild);
    d.bild = nullptr;
    d.speicherDC = nullptr;
}

void diagrammFreigeben(DiagrammDaten& d)
{
    for (KurvenDaten& k : d.kurven) {
        std::vector<int32_t>().swap(k.punkte);
        std::vector<float>().swap(k.werte);
        k.punktAnzahl = k.werteAnzahl = 0;
        k.schreibPosition = 0;
    }
    diagrammGdiFreigeben(d);
    if (d.fenster) {
        plattform::fensterZerstoeren(d.fenster);
        d.fenster = nullptr;
    }
    d.offen = 0;
}

void diagrammeVerwalten(int, int)
{
    // the diagram windows bring this; until then no diagram window exists to arrange
}
