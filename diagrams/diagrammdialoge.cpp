// diagrams/diagrammdialoge.cpp - the diagram menu's commands that open the layout and the
// curve dialogs
#include "diagrams/diagrammdialoge.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "dialogs/diagrammlayout.h"
#include "dialogs/kurvenparameter.h"
#include "model/kurven.h"
#include "model/netz.h"
#include "resources/vorlagen.h"

using namespace plattform;

namespace {

void auffrischen(Fenster f)
{
    if (!f)
        return;
    vordergrundSetzen(f);
    ungueltigMachen(f);
}

} // namespace

void diagrammLayoutBefehl(Fenster f)
{
    diagrammLayoutDialogOeffnen(f, f);
    auffrischen(f);
}

void diagrammVorlageBefehl(Fenster)
{
    const Fenster aktiv = vordergrundFenster();
    programmStatus |= programmBit::ArbeitskopieAnfordern | programmBit::VorlagenModus;
    dialogModal(vorlageDiagrammLayout, diagrammVorlage.fenster, diagrammLayoutDlgProc,
                reinterpret_cast<intptr_t>(&stdNeuron));
    programmStatus &= ~programmBit::VorlagenModus;
    auffrischen(aktiv);
}

void diagrammKurvenBefehl(Fenster f)
{
    if (kurvenDialogSchleife(f) == -1)
        if (DiagrammDaten* d = diagrammZuFenster(f))
            kurvenVorbereiten(d, -1);
    auffrischen(f);
}

void diagrammReferenzkurveBefehl(Fenster f)
{
    referenzkurveSpeichern(f);
    auffrischen(f);
}
