// dialogs/darzustellendekurven.cpp - the recorded curves dialog "Darzustellende Kurven" (147)
//
// The boxes 1270 + slot say which of the 20 slots the marked neurons record. The channel
// slots 8 to 11 of the first marked neuron change at once (their box asks for the
// channel); everything else waits for OK. Cancel puts every slot's switch and channel
// back as the opening found them.
#include "dialogs/darzustellendekurven.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "dialogs/kanalauswahl.h"
#include "dialogs/rahmen.h"
#include "model/kanalzeiger.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <vector>

using namespace plattform;

namespace {

constexpr int idErsterKasten = 1270;
constexpr int idErsterBalken = 3270;     // the colour bars of slots 0 to 15
constexpr int balkenAnzahl = 16;

struct Stand {
    NeuronDaten* neuron;
    std::array<int, kurvenProDiagramm> anzeigen, kanal;
};

DialogRahmen kurvenRahmen;
std::vector<Stand> beiOeffnung;

bool kanalSlot(int slot) { return slot >= kurve::Kanal1 && slot < kurve::Referenz1; }

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    beiOeffnung.clear();
    for (NeuronDaten* n : markierteNeurone.liste) {
        Stand s{n, {}, {}};
        for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
            s.anzeigen[static_cast<size_t>(slot)] = n->hauptDiagramm.kurven[static_cast<size_t>(slot)].anzeigen;
            s.kanal[static_cast<size_t>(slot)] = n->hauptDiagramm.kurven[static_cast<size_t>(slot)].kanal;
        }
        beiOeffnung.push_back(s);
    }
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageKurvenDarstellen); }

std::string kanalBeschriftung(NeuronDaten& erstes, int slot, bool an)
{
    if (!an)
        return dialogTexte[31 + slot - kurve::Kanal1];
    const BenutzerKanal* k = benutzerKanalNummer(erstes, erstes.hauptDiagramm.kurven[static_cast<size_t>(slot)].kanal);
    return k ? k->name : meldungsTexte[987];
}

void fuellen(Fenster dlg)
{
    editierStatus &= ~editierBit::MarkierteZiehen;
    for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
        bool an = false, referenz = false;
        for (const NeuronDaten* n : markierteNeurone.liste) {
            const KurvenDaten& k = n->hauptDiagramm.kurven[static_cast<size_t>(slot)];
            an = an || k.anzeigen;
            referenz = referenz || k.referenz != 0;
        }
        const int id = idErsterKasten + slot;
        hakenSetzen(dlg, id, an ? 1 : 0);
        if (kanalSlot(slot) && markierteNeurone.erstes())
            elementTextSetzen(dlg, id, kanalBeschriftung(*markierteNeurone.erstes(), slot, an));
        if (slot >= kurve::Referenz1)
            dialogElementAktivieren(dlg, id, referenz);
        if (slot < balkenAnzahl)
            elementUngueltigMachen(dlg, idErsterBalken + slot);
    }
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// a bar 3 pixels high in the colour of the first marked neuron's slot
void balkenZeichnen(int id, Zeichenflaeche* z)
{
    const NeuronDaten* n = markierteNeurone.erstes();
    const int slot = id - idErsterBalken;
    if (!z || !n || slot < 0 || slot >= balkenAnzahl)
        return;
    const Rechteck f = flaechenGroesse(*z);
    const int mitte = f.hoehe() < 24 ? f.hoehe() / 2 : 10;
    rechteckFuellen(*z, {2, mitte - 1, f.breite() - 2, mitte + 2}, n->hauptDiagramm.kurven[static_cast<size_t>(slot)].farbe);
}

void kanalKastenGeklickt(Fenster dlg, int slot)
{
    NeuronDaten* erstes = markierteNeurone.erstes();
    if (!erstes)
        return;
    KurvenDaten& k = erstes->hauptDiagramm.kurven[static_cast<size_t>(slot)];
    if (k.anzeigen) {
        k.anzeigen = 0;
        return;
    }
    if (haken(dlg, idErsterKasten + slot) == 1) {
        k.anzeigen = 1;
        k.kanal = kanalAuswahlDialogOeffnen(dlg, erstes);
        if (k.kanal == 0)
            k.anzeigen = 0;
    }
    neuFuellen(dlg);
}

// Cancel: every slot as the opening found it, so a channel chosen meanwhile does not
// leave a slot switched on without samples
void zuruecksetzen()
{
    for (const Stand& s : beiOeffnung)
        for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
            KurvenDaten& k = s.neuron->hauptDiagramm.kurven[static_cast<size_t>(slot)];
            k.anzeigen = s.anzeigen[static_cast<size_t>(slot)];
            k.kanal = s.kanal[static_cast<size_t>(slot)];
        }
}

void slotAusschalten(NeuronDaten& n, int slot)
{
    KurvenDaten& k = n.hauptDiagramm.kurven[static_cast<size_t>(slot)];
    k.anzeigen = 0;
    k.punktAnzahl = 0;
    k.werteAnzahl = 0;
    k.yZoom = 1.0;
    k.neuBerechnen = 0;
    k.yOffset = 0.0;
    std::vector<float>().swap(k.werte);
    std::vector<int32_t>().swap(k.punkte);
    k.schreibPosition = 0;
    if ((k.referenz & kurvenReferenz::Freisetzung) && n.hauptDiagramm.freisetzungsKurven > 0)
        --n.hauptDiagramm.freisetzungsKurven;
    k.synapseId = k.externeKurveId = k.externeNeuronId = k.referenz = 0;
    k.bezeichnung = diagrammVorlage.kurven[static_cast<size_t>(slot)].bezeichnung;
    k.dimension = diagrammVorlage.kurven[static_cast<size_t>(slot)].dimension;
    if (kanalSlot(slot)) {
        k.kanal = 0;
        n.kurvenKanaele[static_cast<size_t>(slot - kurve::Kanal1)] = nullptr;
    }
}

// false when no buffer could be had
bool slotEinschalten(NeuronDaten& n, int slot)
{
    KurvenDaten& k = n.hauptDiagramm.kurven[static_cast<size_t>(slot)];
    if (kanalSlot(slot)) {
        // a number that names no channel would record nothing
        BenutzerKanal* kanal = benutzerKanalNummer(n, k.kanal);
        if (!kanal) {
            slotAusschalten(n, slot);
            return true;
        }
        k.bezeichnung = kanal->name;
    }
    k.anzeigen = 1;
    if (k.werte.empty()) {
        if (k.werteAnzahl == 0)
            k.werteAnzahl = simulationsParameter.anzahlSchritte;
        if (!wertePufferBereitstellen(k, k.werteAnzahl))
            return false;
    }
    return true;
}

void speichern(Fenster dlg)
{
    for (NeuronDaten* n : markierteNeurone.liste) {
        n->kurvenKanaeleGesetzt = 0;
        for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
            if (haken(dlg, idErsterKasten + slot) != 1) {
                slotAusschalten(*n, slot);
            } else if (!slotEinschalten(*n, slot)) {
                dialogSchliessen(dlg, kurvenRahmen, 0, false);
                endeMelden(EndeForm::Hinweis, meldungsTexte[462]);
                return;
            }
        }
        kanalZeigerAktualisieren(*n);
    }
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, kurvenRahmen, 1, false);
    beiOeffnung.clear();
}

} // namespace

intptr_t darzustellendeKurvenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, kurvenRahmen);
        return 0;

    case nachricht::DialogInit:
        dialogInitialisieren(dlg, kurvenRahmen, {oeffnen, texteSetzen, fuellen});
        return 1;

    case nachricht::Zeichnen:
        balkenZeichnen(static_cast<int>(w), reinterpret_cast<Zeichenflaeche*>(l));
        return 0;

    case nachricht::Befehl: {
        const int id = loWort(w);
        const int slot = id - idErsterKasten;
        if (slot >= 0 && slot < kurve::Dendrit1 + 3) {
            elementUngueltigMachen(dlg, idErsterBalken + slot);
        } else if (kanalSlot(slot)) {
            kanalKastenGeklickt(dlg, slot);
        } else if (id == 1) {
            speichern(dlg);
        } else if (id == 2) {
            zuruecksetzen();
            beiOeffnung.clear();
            dialogSchliessen(dlg, kurvenRahmen, 2, false);
        }
        return 0;
    }
    }
    return 0;
}

intptr_t darzustellendeKurvenDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageKurvenDarstellen, eigner ? eigner : fensterhandles.hauptfenster,
                       darzustellendeKurvenDlgProc);
}
