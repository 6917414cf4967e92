// dialogs/physiologie.cpp - "Physiologische Neuron-Eigenschaften" (117)
//
// The dialog shows the first marked neuron and writes into every marked one; in the full
// view, checked values go into all neurons or all marked ones instead. The ion-current
// entries depend on the model type (modellParameterIndizes), the passive ones do not.
#include "dialogs/physiologie.h"
#include "dialogs/izhikevich.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cstdio>

using namespace plattform;

namespace {

enum : int { idStandard = 3, idAlleAendern = 4, idMarkierteAendern = 5, idSpiker = 1253, idNichtspiker = 1255,
             idSynchronisieren = 2225, idSpikerKasten = 1268 };

// the 16 edits: ion slots 0-5, then the passive entries
constexpr int feldAnzahl = 16;
constexpr std::array<int, feldAnzahl> felder = {1082, 1087, 1091, 1095, 1099, 1114,
                                                1104, 1107, 1108, 1109, 1111, 1117, 1120, 1121, 1123, 1126};
// the check box of each edit in the full view
constexpr std::array<int, feldAnzahl> kaesten = {1257, 1258, 1260, 1262, 1264, 1266,
                                                 1270, 1272, 1273, 1274, 1276, 1277, 1278, 1279, 1280, 1282};
// the entries of the passive edits (6..15)
constexpr std::array<int, 10> passiv = {0, 1, 3, 2, 4, 7, 8, 11, 9, 10};
constexpr int ionenFelder = 6;
constexpr std::array<int, 3> leitwertSlots = {1, 3, 5};
// indexes into werte
constexpr int wSomaRuhe = 7, wSomaStart = 8, wDendRuhe = 12, wDendStart = 13;
constexpr int somaStartFeld = 1108, dendRuheFeld = 1120, dendStartFeld = 1121, somaRuheFeld = 1107;

struct Arbeitswerte {
    std::array<double, feldAnzahl> werte{};
    double slot6 = 0.0;
    bool nichtSpiker = false;
    NeuronDaten* erstes = nullptr;
};

DialogRahmen rahmen;
Arbeitswerte kopie;

int modellVon(const NeuronDaten& n) { return n.modellTyp ? n.modellTyp : simulationsParameter.netzwerkmodell; }

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

double slotWert(const NeuronDaten& n, int slot)
{
    return parameterSlotBelegt(slot) ? n.parameter[modellParameterIndizes[slot]] : 0.0;
}

bool alleLeitwerteNull(const NeuronDaten& n)
{
    for (int s : leitwertSlots)
        if (slotWert(n, s) != 0.0)
            return false;
    return true;
}

// Keeps a neuron's conductances before they go to 0. A neuron that is already a
// non-spiker with nothing left to keep holds its earlier ones: they must survive.
void leitwerteSichern(NeuronDaten& n)
{
    if (n.nichtSpiker == 1 && alleLeitwerteNull(n))
        return;
    for (size_t i = 0; i < leitwertSlots.size(); ++i)
        n.gespeicherteLeitwerte[i] = slotWert(n, leitwertSlots[i]);
}

void leitwerteNullen(NeuronDaten& n)
{
    for (int s : leitwertSlots)
        if (parameterSlotBelegt(s))
            n.parameter[modellParameterIndizes[s]] = 0.0;
}

// the first marked neuron's values; opening makes it a non-spiker when it has nothing to spike with
void oeffnen(Fenster dlg)
{
    tastaturHookSetzen(dlg);
    undoFensterlisteSpeichern(undoListe);
    NeuronDaten& n = *markierteNeurone.erstes();
    kopie = {};
    kopie.erstes = &n;
    modellParameterIndizesSetzen(modellVon(n));
    for (size_t i = 0; i < passiv.size(); ++i)
        kopie.werte[ionenFelder + i] = n.parameter[passiv[i]];
    if (n.nichtSpiker != 1)
        n.nichtSpiker = alleLeitwerteNull(n) ? 1 : 0;
    kopie.nichtSpiker = n.nichtSpiker == 1;
    for (int s = 0; s < ionenFelder; ++s)
        kopie.werte[s] = slotWert(n, s);
    if (kopie.nichtSpiker) {
        for (int s : leitwertSlots)
            kopie.werte[s] = 0.0;
    } else {
        for (size_t i = 0; i < leitwertSlots.size(); ++i)
            n.gespeicherteLeitwerte[i] = kopie.werte[leitwertSlots[i]];
    }
    kopie.slot6 = slotWert(n, 6);
}

void texteUndOptionen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlagePhysiologie);
    // the caption names the neuron, or how many are marked
    const int anzahl = markierteNeurone.anzahl();
    if (const NeuronDaten* n = markierteNeurone.erstes())
        titelSetzen(dlg, anzahl == 1 ? meldungFormatieren(301, neuronAnzeigename(*n)) : meldungFormatieren(302, anzahl));
    const int zeigen = dialogEinstellungen.dialogeKomplett;
    for (int k : kaesten)
        elementZeigen(dlg, k, zeigen);
    for (int id : {idSpikerKasten, idAlleAendern, idMarkierteAendern})
        elementZeigen(dlg, id, zeigen);
}

void leitwertFelderFreigeben(Fenster dlg)
{
    for (int s : leitwertSlots)
        dialogElementAktivieren(dlg, felder[s], !kopie.nichtSpiker);
}

void ionenFelderFuellen(Fenster dlg)
{
    for (int s = 0; s < ionenFelder; ++s)
        elementTextSetzen(dlg, felder[s], zahlText(kopie.werte[s]));
    hakenSetzen(dlg, idSpiker, kopie.nichtSpiker ? 0 : 1);
    hakenSetzen(dlg, idNichtspiker, kopie.nichtSpiker ? 1 : 0);
    leitwertFelderFreigeben(dlg);
}

void fuellen(Fenster dlg)
{
    for (int i = ionenFelder; i < feldAnzahl; ++i)
        elementTextSetzen(dlg, felder[i], zahlText(kopie.werte[i]));
    ionenFelderFuellen(dlg);
    dialogElementFokussieren(dlg, felder[0], 1);
}

void spikerGewaehlt(Fenster dlg)
{
    kopie.nichtSpiker = haken(dlg, idSpiker) != 1;
    for (size_t i = 0; i < leitwertSlots.size(); ++i) {
        const int s = leitwertSlots[i];
        const double x = !kopie.nichtSpiker && parameterSlotBelegt(s) ? kopie.erstes->gespeicherteLeitwerte[i] : 0.0;
        elementTextSetzen(dlg, felder[s], zahlText(x));
    }
    leitwertFelderFreigeben(dlg);
}

void synchronisieren(Fenster dlg)
{
    double ruhe = 0.0;
    if (!dialogZahlFeldLesen(dlg, somaRuheFeld, ruhe))
        return;
    const std::string t = zahlText(ruhe);
    for (int id : {somaStartFeld, dendRuheFeld, dendStartFeld})
        elementTextSetzen(dlg, id, t);
}

void standardwerte(Fenster dlg)
{
    for (int s = 0; s < ionenFelder; ++s)
        kopie.werte[s] = slotWert(stdNeuron, s);
    kopie.slot6 = slotWert(stdNeuron, 6);
    kopie.nichtSpiker = false;
    ionenFelderFuellen(dlg);
    dialogElementFokussieren(dlg, felder[0], 1);
}

// every field into the working copy, or (after the notice naming the first bad field) nothing
bool felderLesen(Fenster dlg)
{
    std::array<double, feldAnzahl> werte{};
    for (int i = 0; i < feldAnzahl; ++i)
        if (!dialogZahlFeldLesen(dlg, felder[i], werte[i]))
            return false;
    // the step divides by a capacitance, and a negative leak makes the potential run away:
    // either would stop the run with a misleading hint about the step
    for (int i = ionenFelder; i < feldAnzahl; ++i) {
        const int p = passiv[static_cast<size_t>(i - ionenFelder)];
        const bool kapazitaet = p == par::SomaKapazitaet || p == par::DendritKapazitaet;
        const bool leitwert = p == par::SomaLeitwert || p == par::SomaDendritKopplung || p == par::DendritLeitwert ||
                              p == par::DendritSomaKopplung;
        const double x = werte[static_cast<size_t>(i)];
        if ((kapazitaet && !(x > 0.0)) || (leitwert && x < 0.0)) {
            hinweisBox(meldungFormatieren(kapazitaet ? 953 : 954, feldBeschriftung(dlg, felder[static_cast<size_t>(i)])));
            dialogElementFokussieren(dlg, felder[static_cast<size_t>(i)], 1);
            return false;
        }
    }
    kopie.werte = werte;
    // a start potential equal to a resting potential of exactly -40 mV moves off it
    for (auto [ruhe, start] : {std::pair{wSomaRuhe, wSomaStart}, std::pair{wDendRuhe, wDendStart}})
        if (kopie.werte[ruhe] == -0.04 && kopie.werte[start] == kopie.werte[ruhe])
            kopie.werte[start] = -0.040001;
    kopie.nichtSpiker = haken(dlg, idSpiker) != 1;
    return true;
}

void spikerSchreiben(NeuronDaten& n, bool nichtSpiker)
{
    if (nichtSpiker) {
        leitwerteSichern(n);
        n.nichtSpiker = 1;
    } else {
        n.nichtSpiker = 0;
    }
}

intptr_t speichern(Fenster dlg, int id)
{
    if (!felderLesen(dlg))
        return 1;
    for (NeuronDaten* n : markierteNeurone.liste) {
        spikerSchreiben(*n, kopie.nichtSpiker);
        for (int s = 0; s < ionenFelder; ++s)
            if (parameterSlotBelegt(s))
                n->parameter[modellParameterIndizes[s]] = kopie.werte[s];
        if (parameterSlotBelegt(6))
            n->parameter[modellParameterIndizes[6]] = kopie.slot6;
        for (size_t i = 0; i < passiv.size(); ++i)
            n->parameter[passiv[i]] = kopie.werte[ionenFelder + i];
    }
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    return 1;
}

// "gechekte bei ALLEN / MARKIERTEN ändern": only the checked values, into every (marked) neuron
intptr_t gecheckteAendern(Fenster dlg, bool nurMarkierte)
{
    int gecheckt = haken(dlg, idSpikerKasten) == 1 ? 1 : 0;
    for (int k : kaesten)
        gecheckt += haken(dlg, k) == 1 ? 1 : 0;
    if (gecheckt == 0) {
        hinweisBox(meldungsTexte[975]);
        return 0;
    }
    if (!felderLesen(dlg))
        return 0;
    const bool spikerSetzen = haken(dlg, idSpikerKasten) == 1;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (nurMarkierte && !n->markiert)
            continue;
        if (spikerSetzen) {
            spikerSchreiben(*n, kopie.nichtSpiker);
            if (kopie.nichtSpiker)
                leitwerteNullen(*n);
        }
        for (int i = 0; i < feldAnzahl; ++i) {
            if (haken(dlg, kaesten[i]) != 1)
                continue;
            if (i < ionenFelder) {
                if (parameterSlotBelegt(i))
                    n->parameter[modellParameterIndizes[i]] = kopie.werte[i];
            } else {
                n->parameter[passiv[i - ionenFelder]] = kopie.werte[i];
            }
        }
    }
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, true);
    return 1;
}

// Nothing to show, or marked neurons of different model types: the dialog closes as Cancel.
bool oeffnungVerweigert(Fenster dlg)
{
    const NeuronDaten* erstes = markierteNeurone.erstes();
    if (!erstes) {
        dialogSchliessen(dlg, rahmen, 2, false);
        return true;
    }
    for (const NeuronDaten* n : markierteNeurone.liste)
        if (modellVon(*n) != modellVon(*erstes)) {
            hinweisBox(meldungsTexte[463]);
            dialogSchliessen(dlg, rahmen, 2, false);
            return true;
        }
    return false;
}

} // namespace

intptr_t physiologieDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch) {
            if (oeffnungVerweigert(dlg))
                return 1;
            editierStatus &= ~editierBit::MarkierteZiehen;
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteUndOptionen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idSpiker:
        case idNichtspiker: spikerGewaehlt(dlg); return 1;
        case idSynchronisieren: synchronisieren(dlg); return 0;
        case idStandard: standardwerte(dlg); return 1;
        case 1:
        case befehlOkF2: return speichern(dlg, loWort(w));
        case idAlleAendern: return gecheckteAendern(dlg, false);
        case idMarkierteAendern: return gecheckteAendern(dlg, true);
        case 2: dialogSchliessen(dlg, rahmen, 2, true); return 0;
        }
        return 0;
    }
    return 0;
}

intptr_t physiologieBefehl(Fenster eigner, int befehl)
{
    Fenster f = eigner ? eigner : fensterhandles.hauptfenster;
    NeuronDaten* erstes = markierteNeurone.erstes();
    if (!erstes)
        return 2;
    if (befehl == befehlPhysiologie) {
        for (const NeuronDaten* n : markierteNeurone.liste)
            if ((n->izhikevichAktiv != 0) != (erstes->izhikevichAktiv != 0)) {
                hinweisBox(meldungsTexte[974]);
                return 2;
            }
        if (erstes->izhikevichAktiv)
            return izhikevichDialogOeffnen(f, erstes);
    }
    return dialogModal(vorlagePhysiologie, f, physiologieDlgProc);
}
