// dialogs/morphologie.cpp - "Morphologische Parameter" (138)
#include "dialogs/morphologie.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>

using namespace plattform;

namespace {

enum : int { idAlleAendern = 1271, idAlsStandard = 1273, idStandardwerte = 1275 };

// per edit: the entry of zeichenGroessen it shows, its check box of the full view and the
// largest value it takes (the network picture computes in pixels with it)
struct Feld { int id, groesse, kasten, bis; };
constexpr std::array<Feld, 8> felder = {{
    {1083, 3, 1259, groesseMax},        // soma diameter
    {1088, 1, 1261, groesseMax},        // dendrite length
    {1092, 2, 1263, groesseMax},        // dendrite thickness
    {1096, 4, 1265, groesseMax},        // axon length
    {1100, 5, 1267, groesseMax},        // synapse size
    {1097, 7, 1266, groesseMax},        // stimulus-flash length
    {1103, 6, 1269, groesseMax},        // radius of recurrent synapses
    {1104, 0, 1270, linienbreiteMax},   // line width of a dendrite segment
}};

DialogRahmen rahmen;
std::array<int, 8> werte{};   // in the order of zeichenGroessen

NeuronDaten& bearbeitet()
{
    NeuronDaten* n = markierteNeurone.erstes();
    return n ? *n : stdNeuron;
}

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    werte = bearbeitet().zeichenGroessen;
}

void texteUndOptionen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageMorphologie);
    for (const Feld& f : felder)
        elementZeigen(dlg, f.kasten, dialogEinstellungen.dialogeKomplett);
}

void fuellen(Fenster dlg)
{
    for (const Feld& f : felder)
        elementTextSetzen(dlg, f.id, std::to_string(werte[f.groesse]));
    dialogElementFokussieren(dlg, felder[0].id, 1);
}

// every field into werte, or (after the notice naming the first bad field) nothing
bool lesen(Fenster dlg)
{
    std::array<int, 8> neu = werte;
    for (const Feld& f : felder)
        if (!dialogGanzzahlLesen(dlg, f.id, 0, f.bis, neu[f.groesse]))
            return false;
    werte = neu;
    return true;
}

void speichern(Fenster dlg)
{
    if (!lesen(dlg))
        return;
    if (markierteNeurone.liste.empty())
        stdNeuron.zeichenGroessen = werte;
    for (NeuronDaten* n : markierteNeurone.liste)
        n->zeichenGroessen = werte;
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, false);
}

void gecheckteAendern(Fenster dlg)
{
    if (!lesen(dlg))
        return;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (const Feld& f : felder)
            if (haken(dlg, f.kasten) == 1)
                n->zeichenGroessen[f.groesse] = werte[f.groesse];
    speichern(dlg);
}

} // namespace

intptr_t morphologieDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            editierStatus &= ~editierBit::MarkierteZiehen;
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteUndOptionen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idStandardwerte:
            werte = stdNeuron.zeichenGroessen;
            fuellen(dlg);
            return 1;
        case idAlsStandard:
            // the values of the last fill: text typed since is not taken
            stdNeuron.zeichenGroessen = werte;
            dialogSchliessen(dlg, rahmen, 1, false);
            return 0;
        case idAlleAendern: gecheckteAendern(dlg); return 0;
        case 1: speichern(dlg); return 0;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); return 0;
        }
        return 0;
    }
    return 0;
}

intptr_t morphologieDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageMorphologie, eigner ? eigner : fensterhandles.hauptfenster, morphologieDlgProc);
}
