// model/zeichengrenzen.h - how large the sizes and line widths of the pictures may be
//
// One rule for every way in: the dialogs refuse a typed value outside these ranges, the
// file readers clamp a stored one into them. The painters then work with numbers whose
// sums and products cannot leave the int range.
#pragma once
#include "model/objektgraphik.h"
#include <algorithm>

// sizes and distances in pixels of the pictures (soma, dendrite, diamonds, arc distance, ...)
constexpr int groessteZeichenGroesse = 2000;
// line and pen widths in pixels (object lines, arcs, curves, axes, ...)
constexpr int groessteLinienDicke = 100;
// The place of a neuron in the editor's grid, either way. Far beyond any screen, and small
// enough that a place plus any size still fits an int.
constexpr int groessteNeuronLage = 1000000;

constexpr int zeichenGroesseBegrenzt(int wert) { return std::clamp(wert, 0, groessteZeichenGroesse); }
constexpr int linienDickeBegrenzt(int wert) { return std::clamp(wert, 0, groessteLinienDicke); }
constexpr int neuronLageBegrenzt(int wert) { return std::clamp(wert, -groessteNeuronLage, groessteNeuronLage); }

// the drawing values of a feedback or collision object as a file gives them, clamped
inline void objektGraphikBegrenzen(ObjektGraphik& g)
{
    g.rautenbreite = zeichenGroesseBegrenzt(g.rautenbreite);
    g.rautenhoehe = zeichenGroesseBegrenzt(g.rautenhoehe);
    g.linienDicke = linienDickeBegrenzt(g.linienDicke);
    g.rautenrandDicke = linienDickeBegrenzt(g.rautenrandDicke);
    // the label's spacing divisor has the line widths' range in the graphics dialog
    g.zeilenabstandDivisor = std::clamp(g.zeilenabstandDivisor, 0, groessteLinienDicke);
}
