// dialogs/transmitterdynamik.cpp - the transmitter release dialog (258) with its preview, and
// the choice of the presynaptic diagram's curve that shows the release (285)
#include "dialogs/transmitterdynamik.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsenfelder.h"
#include "dialogs/transmittervorschau.h"
#include "model/kurven.h"
#include "model/netz.h"
#include "model/synapse.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cmath>

using namespace plattform;

namespace {

Fenster eignerOderHaupt(Fenster eigner) { return eigner ? eigner : fensterhandles.hauptfenster; }

// ---- dialog 258 ---------------------------------------------------------------------------

namespace freisetzung {

enum : int {
    idAn = 2066, idErstesFeld = 2020, idFaktor = 2032, idKalibrierung = 2282, idMenge = 2013, idAmplitude = 2014,
    idHilfe = 2280, idBerechnen = 2007, idMalflaeche = 2009, idZeitGruppe = 2008, idDehnen = 2036,
    idDiagramm = 2016, idOk = 2035,
};

// the thirteen fields in order, with the static that names each and what it must hold;
// 2021 and 2023 are hidden: the user cannot change them, so they keep the copy's values
const std::array<ZahlFeld, 13> felder = {{
    {2020, 3501}, {2021, 0}, {2022, 3502}, {2023, 0}, {2024, 3506, FeldGrenze::Form}, {2025, 3507}, {2026, 3508},
    {2027, 3509}, {2028, 3511, FeldGrenze::Form}, {2029, 3512}, {2030, 3513}, {2031, 3514}, {2032, 3504},
}};
constexpr int groessteKruemmung = 100;

DialogRahmen rahmen;
SynapseDaten* synapse = nullptr;
SynapseDaten kopie;
// what Cancel gives back
double dynSummeAlt = 0.0, dynMaximumAlt = 0.0;
int kalibrierungsArtAlt = 0, kalibrierungAnAlt = 0;

std::array<double*, 13> werte(TransmitterDynamik& t)
{
    return {&t.e, &t.g, &t.potenz, &t.initialwert, &t.formAlpha, &t.rateAlpha, &t.v0Alpha, &t.schrittweiteAlpha,
            &t.formBeta, &t.rateBeta, &t.v0Beta, &t.schrittweiteBeta, &t.faktor};
}

void transmitterDynamikTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageTransmitterdynamik); }

void zeitZeigen(Fenster dlg)
{
    const TransmitterVorschau& v = transmitterVorschau;
    if (v.geladen <= 0 || v.anzahl <= 0)
        return;
    const double t = v.apZeiten[static_cast<size_t>(std::min(v.anzahl, v.geladen) - 1)];
    elementTextSetzen(dlg, idZeitGruppe, dialogTextFormatieren(693, t));
}

void berechnen(Fenster dlg, int id);

void oeffnen(Fenster dlg)
{
    tastaturHookSetzen(dlg);
    kopie = *synapse;
    TransmitterVorschau& v = transmitterVorschau;
    dynSummeAlt = v.dynSumme;
    dynMaximumAlt = v.dynMaximum;
    kalibrierungsArtAlt = v.kalibrierungsArt;
    kalibrierungAnAlt = v.kalibrierungAn;
    if (kopie.transmitter.formAlpha == 0.0)
        transmitterStandardwerteSetzen(kopie, standardNeuron());
    if (v.kalibrierungsArt == 0)
        v.kalibrierungsArt = 2;
    v.synapse = &kopie;
}

void fuellen(Fenster dlg)
{
    TransmitterVorschau& v = transmitterVorschau;
    TransmitterDynamik& t = kopie.transmitter;
    zeitZeigen(dlg);
    hakenSetzen(dlg, idMenge, v.kalibrierungsArt == 1);
    hakenSetzen(dlg, idAmplitude, v.kalibrierungsArt == 2);
    hakenSetzen(dlg, idAn, t.an ? 1 : 0);
    hakenSetzen(dlg, idKalibrierung, v.kalibrierungAn ? 1 : 0);
    t.potenz = std::round(t.potenz);
    const auto w = werte(t);
    for (size_t i = 0; i < felder.size(); ++i)
        elementTextSetzen(dlg, felder[i].id, feldText(*w[i]));
    const bool an = t.an != 0;
    for (int id : {2020, 2022, 2024, 2025, 2026, 2027, 2028, 2029, 2030, 2031, 2032, int{idDiagramm}, int{idBerechnen},
                   int{idKalibrierung}})
        elementFreigeben(dlg, id, an);
    elementFreigeben(dlg, 2021, false);
    elementFreigeben(dlg, 2023, false);
    elementFreigeben(dlg, idMenge, v.kalibrierungAn != 0);
    elementFreigeben(dlg, idAmplitude, v.kalibrierungAn != 0);
    berechnen(dlg, idBerechnen);
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// The thirteen fields into the working copy. An empty one stops with a beep and a notice,
// keeps what was read before it, refills and puts the focus there; a field that is no
// number of its kind changes nothing.
bool felderLesen(Fenster dlg)
{
    std::array<double, 13> gelesen{};
    const auto w = werte(kopie.transmitter);
    for (size_t i = 0; i < felder.size(); ++i) {
        if (felder[i].beschriftung == 0) {
            gelesen[i] = *w[i];
            continue;
        }
        if (feldLeer(dlg, felder[i].id)) {
            for (size_t k = 0; k < i; ++k)
                *w[k] = gelesen[k];
            piepen(1000, 100);
            hinweisBox(meldungsTexte[211]);
            neuFuellen(dlg);
            dialogElementFokussieren(dlg, felder[i].id, 1);
            return false;
        }
        if (!zahlFeldLesen(dlg, felder[i], gelesen[i]))
            return false;
    }
    // the power is a whole number: the run and the shown field take the same one
    gelesen[2] = std::round(gelesen[2]);
    if (gelesen[2] < 0.0 || gelesen[2] > groessteKruemmung) {
        hinweisBox(meldungFormatieren(822, elementText(dlg, 3502), 0, groessteKruemmung));
        dialogElementFokussieren(dlg, 2022, 1);
        return false;
    }
    for (size_t i = 0; i < felder.size(); ++i)
        *w[i] = gelesen[i];
    return true;
}

// 2007: the preview for the values shown
void berechnen(Fenster dlg, int id)
{
    TransmitterVorschau& v = transmitterVorschau;
    if (id == idBerechnen) {
        if (haken(dlg, idMenge))
            v.kalibrierungsArt = 1;
        else if (haken(dlg, idAmplitude))
            v.kalibrierungsArt = 2;
    }
    if (!felderLesen(dlg))
        return;
    if (transmitterdynamikZeichnen(v))
        zeitZeigen(dlg);
    elementTextSetzen(dlg, idFaktor, feldText(kopie.transmitter.faktor));
    elementUngueltigMachen(dlg, idMalflaeche);
    dialogElementFokussieren(dlg, idBerechnen, 0);
}

void uebernehmen(Fenster dlg, int id)
{
    if (!felderLesen(dlg))
        return;
    TransmitterDynamik& ziel = synapse->transmitter;
    const auto von = werte(kopie.transmitter);
    const auto nach = werte(ziel);
    for (size_t i = 0; i < von.size(); ++i)
        *nach[i] = *von[i];
    ziel.an = kopie.transmitter.an;
    ziel.abBerechnung = kopie.transmitter.abBerechnung;
    undoSchrittSpeichern(undoListe);
    transmitterVorschau.synapse = nullptr;
    dialogSchliessen(dlg, rahmen, id, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
}

void abbrechen(Fenster dlg)
{
    TransmitterVorschau& v = transmitterVorschau;
    v.dynSumme = dynSummeAlt;
    v.dynMaximum = dynMaximumAlt;
    v.kalibrierungsArt = kalibrierungsArtAlt;
    v.kalibrierungAn = kalibrierungAnAlt;
    v.synapse = nullptr;
    dialogSchliessen(dlg, rahmen, 2, true);
}

// The arrows beside "dehnen": the position is set back to 0 after each step, so up is
// always above it and down below; the end-of-scrolling notice does nothing.
void dehnen(Fenster dlg, int code, int position)
{
    if (code == scroll::ScrollEnde || kopie.transmitter.formAlpha == 0.0 || transmitterVorschau.geladen <= 0)
        return;
    vorschauDehnen(transmitterVorschau, position > 0);
    reglerPositionSetzen(dlg, idDehnen, 0);
    pspKurveBerechnen(transmitterVorschau, 1);
    pspKurveBerechnen(transmitterVorschau, 2);
    zeitZeigen(dlg);
    berechnen(dlg, idBerechnen);
}

} // namespace freisetzung

// ---- dialog 285 ---------------------------------------------------------------------------

namespace kurvenwahl {

enum : int { idListe = 1279, idAnzeigen = 1861 };
constexpr int startSlot = 5;

DialogRahmen rahmen;
SynapseDaten* synapse = nullptr;
NeuronDaten* neuron = nullptr;
int gewaehlt = startSlot;
bool gezeigt = false;

void fuellen(Fenster dlg)
{
    DiagrammDaten& d = neuron->hauptDiagramm;
    listeLeeren(dlg, idListe);
    int auswahl = -1, erstes = -1;
    for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
        KurvenDaten& k = d.kurven[static_cast<size_t>(slot)];
        const std::string& vorlage = diagrammVorlage.kurven[static_cast<size_t>(slot)].bezeichnung;
        if (k.bezeichnung.empty() && vorlage.empty())
            continue;
        const std::string& name = k.bezeichnung.empty() ? vorlage : k.bezeichnung;
        const int i = listeHinzufuegen(dlg, idListe, (k.anzeigen ? " *   " : "     ") + name);
        // the item knows its slot: a slot left out does not shift the ones after it
        listeDatenSetzen(dlg, idListe, i, slot);
        if (k.yZoom == 0.0)
            k.yZoom = 1.0;
        if (slot == gewaehlt)
            auswahl = i;
        else if (erstes < 0)
            erstes = i;
    }
    if (auswahl < 0)
        auswahl = erstes;
    listeAuswahlSetzen(dlg, idListe, auswahl);
    if (auswahl >= 0)
        gewaehlt = static_cast<int>(listeDaten(dlg, idListe, auswahl));
    hakenSetzen(dlg, idAnzeigen, gezeigt ? 1 : 0);
}

bool oeffnen(Fenster dlg, intptr_t parameter)
{
    synapse = reinterpret_cast<SynapseDaten*>(parameter);
    neuron = nullptr;
    gewaehlt = startSlot;
    gezeigt = false;
    if (!synapse) {
        hinweisBox(meldungsTexte[209]);
        return false;
    }
    neuron = synapse->quelle ? synapse->quelle : neuronNachNummer(synapse->quellNummer);
    if (!neuron) {
        hinweisBox(meldungsTexte[210]);
        return false;
    }
    for (const KurvenDaten& k : neuron->hauptDiagramm.kurven)
        gezeigt = gezeigt || (k.anzeigen && k.synapseId == synapse->id && synapse->id > 0);
    (void)dlg;
    return true;
}

void ok(Fenster dlg)
{
    DiagrammDaten& d = neuron->hauptDiagramm;
    KurvenDaten& k = d.kurven[static_cast<size_t>(gewaehlt)];
    if (haken(dlg, idAnzeigen)) {
        if (k.anzeigen == 1 &&
            sysInfoBox(meldungFormatieren(742, k.bezeichnung), knoepfe::JaNein) != antwort::Ja)
            return;
        // a slot that shows a release already is counted once
        if (k.referenz != kurvenReferenz::Freisetzung)
            ++d.freisetzungsKurven;
        k.referenz = kurvenReferenz::Freisetzung;
        k.synapseId = synapse->id;
        k.anzeigen = 1;
        k.yZoom = 100.0;
        const NeuronDaten* ziel = neuronNachNummer(synapse->zielNummer);
        const int typ = synapse->synapsenTyp;
        const std::string typName = typ >= 0 && typ < static_cast<int>(synapsenTypen.size())
                                        ? synapsenTypen[static_cast<size_t>(typ)].bezeichnung
                                        : std::string();
        k.bezeichnung = meldungFormatieren(743, ziel ? ziel->name : std::string(), typName).substr(0, 127);
    }
    dialogSchliessen(dlg, rahmen, 1, false);
    k.neuBerechnen = 1;
    kurvenVorbereiten(&d, gewaehlt);
    if (d.fenster)
        ungueltigMachen(d.fenster);
}

} // namespace kurvenwahl

} // namespace

intptr_t transmitterdynamikDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    using namespace freisetzung;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch) {
            synapse = reinterpret_cast<SynapseDaten*>(l);
            if (!synapse) {
                dialogBeenden(dlg, 2);
                return 1;
            }
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, transmitterDynamikTexteSetzen, fuellen});
        reglerBereichSetzen(dlg, idDehnen, -1000, 1000);
        reglerPositionSetzen(dlg, idDehnen, 0);
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idAn:
            kopie.transmitter.an = haken(dlg, idAn);
            neuFuellen(dlg);
            break;
        case idKalibrierung:
            transmitterVorschau.kalibrierungAn = haken(dlg, idKalibrierung);
            elementFreigeben(dlg, idMenge, transmitterVorschau.kalibrierungAn != 0);
            elementFreigeben(dlg, idAmplitude, transmitterVorschau.kalibrierungAn != 0);
            break;
        case idHilfe: hinweisBox(meldungsTexte[956]); break;
        case idBerechnen: berechnen(dlg, idBerechnen); break;
        case idDiagramm:
            if (haken(dlg, idDiagramm))
                transmitterKurveDialogOeffnen(dlg, synapse);
            break;
        case idOk:
        case befehlOkF2: uebernehmen(dlg, loWort(w)); break;
        case 2: abbrechen(dlg); break;
        }
        return 0;
    case nachricht::HScroll:
    case nachricht::VScroll:
        if (l == idDehnen)
            dehnen(dlg, loWort(w), static_cast<int16_t>(hiWort(w)));
        return 0;
    case nachricht::Zeichnen:
        if (w == idMalflaeche && l)
            transmitterVorschauMalen(*reinterpret_cast<Zeichenflaeche*>(l), transmitterVorschau);
        return 0;
    }
    return 0;
}

intptr_t transmitterKurveWaehlenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    using namespace kurvenwahl;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch && !oeffnen(dlg, l)) {
            dialogSchliessen(dlg, rahmen, 2, false);
            return 1;
        }
        dialogInitialisieren(dlg, rahmen, {nullptr, [](Fenster d) { vorlagenTexteSetzen(d, vorlageTransmitterKurve); },
                                           fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idListe:
            if (hiWort(w) == benachrichtigung::AuswahlGeaendert) {
                const int i = listeAuswahl(dlg, idListe);
                if (i >= 0)
                    gewaehlt = static_cast<int>(listeDaten(dlg, idListe, i));
            }
            break;
        case 1: ok(dlg); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
        }
        return 0;
    }
    return 0;
}

intptr_t transmitterdynamikDialogOeffnen(Fenster eigner, SynapseDaten* s)
{
    if (!s)
        return 2;
    return dialogModal(vorlageTransmitterdynamik, eignerOderHaupt(eigner), transmitterdynamikDlgProc,
                       reinterpret_cast<intptr_t>(s));
}

intptr_t transmitterKurveDialogOeffnen(Fenster eigner, SynapseDaten* s)
{
    return dialogModal(vorlageTransmitterKurve, eignerOderHaupt(eigner), transmitterKurveWaehlenDlgProc,
                       reinterpret_cast<intptr_t>(s));
}
