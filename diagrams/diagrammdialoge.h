// diagrams/diagrammdialoge.h - the diagram menu's commands that open the layout and the
// curve dialogs
#pragma once
#include "platform/fenster.h"

// "&Diagramm...": the layout of the window's diagram
void diagrammLayoutBefehl(plattform::Fenster f);
// "Diagramm&vorlage...": the layout of the template
void diagrammVorlageBefehl(plattform::Fenster f);
// "Neuron Kurven...": the curve dialog, reopened on the slot it ends with
void diagrammKurvenBefehl(plattform::Fenster f);
// "&Referenzkurve speichern"
void diagrammReferenzkurveBefehl(plattform::Fenster f);
