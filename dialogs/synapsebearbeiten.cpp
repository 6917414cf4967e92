// dialogs/synapsebearbeiten.cpp - the edit-synapse dialog on template 135: one synapse's
// kind, type, site and values, and the switches of its dynamics blocks, on a working copy
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "dialogs/bahnung.h"
#include "dialogs/pspform.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsenfelder.h"
#include "dialogs/synapsenteile.h"
#include "dialogs/transmitterdynamik.h"
#include "model/diagramm.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cmath>

using namespace plattform;
using namespace synapsenDialog;

int synapsenSerieLaeuft = 0;

namespace {

constexpr int oeffnungsSlot = 7;   // the curve slot of dendrite 3

struct Werte {
    int ort = 1, gemerkterOrt = 1, modus = 0, art = 1, typ = 0;
    double verzoegerung = 0.0, elVerzoegerung = 0.0, leitfaehigkeit = 0.0, axoLeitfaehigkeit = 0.0;
    bool axo = false;
    double schwelle = 0.0, saettigung = 0.0;
    int dehnenAn = 0;
    double dehnung = 0.0, gewichtung = 0.0;
    int aus = 0;
    double gemerkteLeitfaehigkeit = 0.0;
    int oeffnungsId = 0;
    DiagrammDaten* freisetzungsDiagramm = nullptr;
    int freisetzungsSlot = -1;
    int typGetippt = 0, letzteTypPosition = 0;
};

DialogRahmen bearbeitenRahmen;
SynapseDaten* synapse = nullptr;
NeuronDaten *quelle = nullptr, *ziel = nullptr;
SynapseDaten kopie;   // dialogs 258, 304, 307 and 319 write into it
Werte w;

double schritt() { return simulationsParameter.schrittweite; }
bool nurDendrit12() { return netzvorgaben.elektrischeSynapsenEingeschraenkt != 0; }
NeuronDaten* quellNeuron(const SynapseDaten& s) { return neuronSuchen(s.quellNummer); }

void schliessen(Fenster dlg, intptr_t ergebnis)
{
    synapse = nullptr, quelle = ziel = nullptr;
    dialogSchliessen(dlg, bearbeitenRahmen, ergebnis, true);
}

void texteSetzen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageSynapse);
    tooltipsSynapseDialog(dlg);
}

// false: message 4, the dialog closes
bool oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    editierStatus &= ~0x4u;
    synapse = gewaehlteSynapse;
    quelle = synapse ? quellNeuron(*synapse) : nullptr;
    ziel = synapse ? neuronSuchen(synapse->zielNummer) : nullptr;
    if (!quelle || !ziel) {
        hinweisBox(meldungsTexte[4]);
        return false;
    }
    texteSetzen(dlg);
    SynapseDaten& s = *synapse;
    const std::string ort = kontaktortName(dlg, s.zielBereich, s.elternId);
    titelSetzen(dlg, meldungFormatieren(26, neuronAnzeigename(*quelle), neuronAnzeigename(*ziel), ort));
    w = {};
    std::tie(w.ort, w.verzoegerung, w.typ, w.art) = std::tuple(s.zielBereich, s.verzoegerung, s.synapsenTyp, synapsenTypIon(s.synapsenTyp));
    w.axo = s.zielBereich == kontaktort::Axo && s.elternSynapse;
    w.leitfaehigkeit = w.axoLeitfaehigkeit = s.initialLeitfaehigkeit;
    std::tie(w.modus, w.schwelle, w.saettigung) = std::tuple(s.elektrischerTyp, s.freisetzungsSchwelle, s.freisetzungsSaettigung);
    std::tie(w.dehnenAn, w.dehnung, w.gewichtung) = std::tuple(s.verzoegerungsfaktorAn, s.freisetzungszeit, s.gewichtungsfaktor);
    if (w.dehnenAn && w.gewichtung == 0.0)
        w.gewichtung = 1.0;
    if (w.dehnenAn && w.dehnung == 0.0)
        w.dehnung = 0.2;
    w.elVerzoegerung = nurDendrit12() ? 0.0 : w.art == ionenArt::Elektrisch ? s.verzoegerung : 2.0 * schritt();
    w.oeffnungsId = quelle->oeffnungSynapseId;
    // the slot that shows this synapse's stretched release
    for (DiagrammDaten* d = &quelle->hauptDiagramm; d && w.dehnenAn && w.freisetzungsSlot < 0; d = d->naechstes)
        for (int slot = 0; slot < kurvenProDiagramm && w.freisetzungsSlot < 0; ++slot)
            if (d->kurven[static_cast<size_t>(slot)].referenz == kurvenReferenz::Freisetzung &&
                d->kurven[static_cast<size_t>(slot)].synapseId == s.id)
                std::tie(w.freisetzungsDiagramm, w.freisetzungsSlot) = std::pair(d, slot);
    std::tie(w.aus, w.gemerkteLeitfaehigkeit) = std::pair(s.ausgeschaltet, s.ausgeschalteteLeitfaehigkeit);
    if (w.aus)
        (w.axo ? w.axoLeitfaehigkeit : w.leitfaehigkeit) = w.gemerkteLeitfaehigkeit;
    aktuelleSynapse = synapse;
    kopie = s;
    w.gemerkterOrt = w.ort == 3 ? 2 : w.ort == 0 ? 1 : w.ort;
    return true;
}

void elektrischZeigen(Fenster dlg)
{
    if (nurDendrit12()) {
        if (haken(dlg, ortKnoepfe[0]))
            radiosSetzen(dlg, ortKnoepfe, 1), w.gemerkterOrt = 0;
        else if (haken(dlg, ortKnoepfe[3]))
            radiosSetzen(dlg, ortKnoepfe, 2), w.gemerkterOrt = 3;
        elementFreigeben(dlg, ortKnoepfe[0], false);
        elementFreigeben(dlg, ortKnoepfe[3], false);
        elementZeigen(dlg, idVerzoegerung, 0);
    } else {
        w.verzoegerung = w.elVerzoegerung > 0.0 ? w.elVerzoegerung : 2.0 * schritt();
        elementTextSetzen(dlg, idVerzoegerung, feldText(w.verzoegerung));
        elementZeigen(dlg, idVerzoegerung, 5);
    }
    for (int id : {idSchwelle, idSaettigung, idDynamik, idDynamikKnopf, idBahnung, idBahnungTyp2, idBahnungKnopf, idPsp,
                   idPspKnopf, idDehnen, idDehnung, idGewichtung, idOeffnungsfaktor})
        elementZeigen(dlg, id, 0);
    for (int id : modusKnoepfe)
        elementZeigen(dlg, id, 5);
    radiosSetzen(dlg, modusKnoepfe, w.modus);
    elementFreigeben(dlg, idVerzoegerung, !nurDendrit12());
    elementFreigeben(dlg, idPotential, false);
}

void fuellen(Fenster dlg)
{
    const int anzeige = dialogEinstellungen.synapsenDialogAnzeige;
    // 1.-2.
    if (const std::string* t = dialogText("IDC_SYN_SYNAPSE_LOESCHEN="))
        elementTextSetzen(dlg, idLoeschen, textFeldHolen(*t, 1));
    elementZeigen(dlg, idLoeschen, 5);
    elementTextSetzen(dlg, idIdText, dialogTextFormatieren(1333, synapse->id));
    elementZeigen(dlg, idIdText, 5);
    elementTextSetzen(dlg, idQuelle, neuronAnzeigename(*quelle));
    elementTextSetzen(dlg, idZiel, neuronAnzeigename(*ziel));
    elementFreigeben(dlg, idQuelle, false);
    elementFreigeben(dlg, idZiel, false);
    radiosSetzen(dlg, ortKnoepfe, w.ort);
    radiosSetzen(dlg, artKnoepfe, -1);
    for (int id : {idVerzoegerung, idLeitfaehigkeit, idAus, idSchwelle, idSaettigung})
        elementZeigen(dlg, id, 5);
    for (int id : {idDynamik, idDynamikKnopf, idBahnung, idBahnungKnopf, idBahnungTyp2, idPsp, idPspKnopf, idDehnen,
                   idDehnung, idGewichtung, idOeffnungsfaktor})
        elementZeigen(dlg, id, anzeige);
    ansichtZeigen(dlg);
    // the kind
    radiosSetzen(dlg, artKnoepfe, w.art - 1);
    if (w.art == ionenArt::Elektrisch)
        elektrischZeigen(dlg);
    else
        for (int id : modusKnoepfe)
            elementZeigen(dlg, id, 0);
    // the types of its kind, its own selected
    w.letzteTypPosition = typListeFuellen(dlg, w.art, w.typ);
    // values and switches
    if (w.art != ionenArt::Elektrisch || !nurDendrit12())
        elementTextSetzen(dlg, idVerzoegerung, feldText(w.verzoegerung));
    elementTextSetzen(dlg, idLeitfaehigkeit, feldText(w.axo ? w.axoLeitfaehigkeit : w.leitfaehigkeit));
    elementTextSetzen(dlg, idSchwelle, feldText(w.schwelle));
    elementTextSetzen(dlg, idSaettigung, feldText(w.saettigung));
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%f", w.dehnung);
    elementTextSetzen(dlg, idDehnung, puffer);
    std::snprintf(puffer, sizeof puffer, "%f", w.gewichtung);
    elementTextSetzen(dlg, idGewichtung, puffer);
    hakenSetzen(dlg, idDehnen, w.dehnenAn ? 1 : 0);
    hakenSetzen(dlg, idDynamik, kopie.transmitter.an ? 1 : 0);
    hakenSetzen(dlg, idOeffnungsfaktor, w.oeffnungsId != 0 ? 1 : 0);
    hakenSetzen(dlg, idBahnung, kopie.bahnung.an ? 1 : 0);
    hakenSetzen(dlg, idBahnungTyp2, kopie.bahnung.maximalwertAn ? 1 : 0);
    hakenSetzen(dlg, idPsp, kopie.psp.an ? 1 : 0);
    hakenSetzen(dlg, idAus, w.aus ? 1 : 0);
    elementFreigeben(dlg, idDehnung, w.dehnenAn != 0);
    elementFreigeben(dlg, idGewichtung, w.dehnenAn != 0);
    dialogElementFokussieren(dlg, idVerzoegerung, 1);
    elementFreigeben(dlg, idDynamikKnopf, kopie.transmitter.an != 0);
    elementFreigeben(dlg, idBahnungKnopf, kopie.bahnung.an != 0);
    elementFreigeben(dlg, idBahnungTyp2, kopie.bahnung.an != 0);
    elementFreigeben(dlg, idPspKnopf, kopie.psp.an != 0);
    elementFreigeben(dlg, idLeitfaehigkeit, !w.aus);
    elementFreigeben(dlg, befehlOkF2, !synapsenSerieLaeuft);
    // an axo-axonic synapse has no site, no kind and no stretched release of its own
    if (w.ort == kontaktort::Axo) {
        for (auto knoepfe : {std::span<const int>(ortKnoepfe), std::span<const int>(artKnoepfe)})
            for (int id : knoepfe)
                elementZeigen(dlg, id, 0);
        for (int id : {idDehnen, idDehnung, idGewichtung, idBahnung, idBahnungKnopf, idBahnungTyp2, idPsp, idPspKnopf})
            elementZeigen(dlg, id, 0);
        elementZeigen(dlg, idOeffnungsfaktor, 5);
    }
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

void befehl(Fenster dlg, int id) { senden(dlg, nachricht::Befehl, machWParam(id, 0), 0); }

// A nested dialog ends the keyboard hook with itself: F2 comes back here afterwards.
intptr_t verschachtelt(Fenster dlg, intptr_t (*oeffner)(Fenster, SynapseDaten*))
{
    const intptr_t ergebnis = oeffner(dlg, &kopie);
    tastaturHookSetzen(dlg);
    return ergebnis;
}

void artGewaehlt(Fenster dlg, int art)
{
    w.art = art;
    if (art == ionenArt::Elektrisch) {
        elektrischZeigen(dlg);
    } else {
        radiosSetzen(dlg, ortKnoepfe, w.gemerkterOrt);
        for (int id : {idVerzoegerung, idLeitfaehigkeit, idSchwelle, idSaettigung})
            elementZeigen(dlg, id, 5);
        for (int id : {idDynamik, idDynamikKnopf, idBahnung, idBahnungKnopf, idBahnungTyp2, idPsp, idPspKnopf, idDehnen,
                       idDehnung, idGewichtung, idOeffnungsfaktor})
            elementZeigen(dlg, id, dialogEinstellungen.synapsenDialogAnzeige);
        for (int id : modusKnoepfe)
            elementZeigen(dlg, id, 0);
        for (int id : {ortKnoepfe[0], ortKnoepfe[3], idSchwelle, idSaettigung, idDynamik, idDynamikKnopf, idBahnung,
                       idBahnungKnopf, idBahnungTyp2, idPsp, idPspKnopf, idVerzoegerung, idPotential})
            elementFreigeben(dlg, id, true);
    }
    w.letzteTypPosition = typListeFuellen(dlg, art, -1);
}

void typZuweisen(Fenster dlg)
{
    const int p = listeAuswahl(dlg, idTyp);
    if (p < 0)
        return;
    w.letzteTypPosition = p;
    const SynapsenTyp& t = synapsenTypen[static_cast<size_t>(listeDaten(dlg, idTyp, p))];
    if (sysInfoBox(meldungFormatieren(303, t.bezeichnung, t.potential), knoepfe::JaNein) == antwort::Ja)
        w.typ = typNachName(t.bezeichnung);
}

void neuerTyp(Fenster dlg)
{
    const std::string name = elementText(dlg, idTyp, 256);
    if (typNachName(name) >= 0 || name.empty() || name.size() > synapsenTypNameLaenge) {
        hinweisBox(meldungsTexte[32]);
        dialogElementFokussieren(dlg, idTyp, 1);
        return;
    }
    double potential = 0.0;
    if (!dialogZahlFeldLesen(dlg, idPotential, potential))
        return;
    synapsenTypen.push_back({w.art, potential, name});
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
    w.letzteTypPosition = typListeFuellen(dlg, w.art, synapsenTypAnzahl - 1);
    if (w.typGetippt)
        befehl(dlg, idTypZuweisen);
}

void typLoeschen(Fenster dlg)
{
    // the synapse's own type is in use, so it stays; its index may have moved
    if (typAusListeLoeschen(dlg, w.letzteTypPosition, w.typ))
        w.typ = std::max(w.typ, 0);
}

void typFeld(Fenster dlg, int code)
{
    if (code == benachrichtigung::AuswahlGeaendert) {
        const int p = listeAuswahl(dlg, idTyp);
        if (p >= 0) {
            elementTextSetzen(dlg, idPotential, feldText(synapsenTypen[static_cast<size_t>(listeDaten(dlg, idTyp, p))].potential));
            w.letzteTypPosition = p;
        }
        w.typGetippt = 0;
    } else if (code == benachrichtigung::KombiEditGeaendert) {
        w.typGetippt = 1;
    } else if (code == benachrichtigung::KombiFokusVerloren && w.typGetippt) {
        befehl(dlg, sysInfoBox(meldungsTexte[715], knoepfe::JaNein) == antwort::Ja ? idNeuerTyp : 2);
    }
}

void loeschDialog(Fenster dlg)
{
    freigeben(dlg, false);
    gewaehlteSynapse = synapse;
    const intptr_t ergebnis = dialogModal(vorlageSynapse, dlg, synapseLoeschenDlgProc);
    freigeben(dlg, true);
    if (ergebnis == 1)
        schliessen(dlg, 2);
    else
        tastaturHookSetzen(dlg);
    if (Fenster haupt = fensterhandles.hauptfenster) {
        ungueltigMachen(haupt);
        neuZeichnen(haupt);
    }
}

// a slot back to its template's name and unit, and nothing shown
void slotLeeren(DiagrammDaten& d, int slot)
{
    KurvenDaten& k = d.kurven[static_cast<size_t>(slot)];
    const KurvenDaten& vorlage = diagrammVorlage.kurven[static_cast<size_t>(slot)];
    if ((k.referenz & kurvenReferenz::Freisetzung) && d.freisetzungsKurven > 0)
        --d.freisetzungsKurven;
    std::tie(k.bezeichnung, k.dimension) = std::tie(vorlage.bezeichnung, vorlage.dimension);
    std::tie(k.werteAnzahl, k.punktAnzahl, k.yZoom, k.neuBerechnen, k.anzeigen) = std::tuple(0, 0, 1.0, 0, 0);
    std::tie(k.referenz, k.externeNeuronId, k.externeKurveId, k.synapseId, k.yOffset) = std::tuple(0, 0, 0, 0, 0.0);
    std::vector<float>().swap(k.werte);
    std::vector<int32_t>().swap(k.punkte);
    k.schreibPosition = 0;
}

bool oeffnungsfaktorLesen(Fenster dlg)
{
    if (!haken(dlg, idOeffnungsfaktor)) {
        w.oeffnungsId = 0;
        return true;
    }
    const DiagrammDaten& d = quelle->hauptDiagramm;
    if (!d.fenster || !d.kurven[oeffnungsSlot].anzeigen) {
        hinweisBox(meldungFormatieren(d.fenster ? 1206 : 1205, neuronAnzeigename(*quelle)));
        return false;
    }
    w.oeffnungsId = synapse->id;
    return true;
}

bool andereMitTyp(int typ, int id)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            if (s->id != id && s->synapsenTyp == typ)
                return true;
    return false;
}

bool axoKonflikt(int ort, int typ)
{
    for (const SynapsenPool* p = ziel->eingangsPools; p; p = p->naechsterPool)
        if (p->zielBereich == ort)
            for (const SenderKnoten* k = p->sender; k; k = k->naechste)
                if (k->synapse && k->synapse != synapse && k->synapse->axoAnzahl > 0 && k->synapse->synapsenTyp == typ)
                    return true;
    return false;
}

// The record under the old id with the new type, delay, site, parent or mode. The new one
// is made first: when that fails, the old synapse stays as it was.
SynapseDaten* neuAnlegen()
{
    SynapseDaten* alt = synapse;
    const double g = w.axo ? w.axoLeitfaehigkeit : w.leitfaehigkeit;
    SynapseDaten* s = synapseNeu(quelle, w.axo ? nullptr : ziel, w.typ, g, w.verzoegerung, w.schwelle, w.saettigung,
                                 w.ort, w.axo ? alt->elternSynapse : nullptr);
    if (!s)
        return nullptr;
    const int id = alt->id, gruppe = alt->gruppe;
    AxoKnoten* axos = synapseLoeschen(quelle, alt, 1);
    s->id = id;
    s->gruppe = gruppe;
    synapsenTabelleSetzen(id, s);
    if (!w.axo)
        axoSynapsenUebernehmen(*s, axos);
    return s;
}

void imOrtAendern(SynapseDaten& s)
{
    const double g = w.axo ? w.axoLeitfaehigkeit : w.leitfaehigkeit;
    // the pool's sum is its members' sum
    if (s.pool)
        s.pool->gSumme += g - s.initialLeitfaehigkeit;
    s.leitfaehigkeit = s.initialLeitfaehigkeit = g;
    s.axoLeitfaehigkeitStart = w.axoLeitfaehigkeit;
    s.freisetzungsSchwelle = w.schwelle;
    s.freisetzungsSaettigung = w.saettigung;
    if (w.axo)
        if (NeuronDaten* z = neuronSuchen(s.zielNummer); z && z->eingangsPools)
            z->eingangsPools->gSumme = w.axoLeitfaehigkeit;
}

void oeffnungsfaktorSchreiben(const SynapseDaten& s)
{
    if (w.oeffnungsId == 0) {
        if (quelle->oeffnungSynapseId) {
            slotLeeren(quelle->hauptDiagramm, oeffnungsSlot);
            bool gefunden = false;
            for (NeuronDaten* n = neuronKette.kopf; n && !gefunden; n = n->naechstesNeuron)
                for (int slot = 0; slot < kurvenProDiagramm && !gefunden; ++slot) {
                    const KurvenDaten& k = n->hauptDiagramm.kurven[static_cast<size_t>(slot)];
                    if (k.externeNeuronId == quelle->nummer && k.externeKurveId == oeffnungsSlot) {
                        slotLeeren(n->hauptDiagramm, slot);
                        gefunden = true;
                    }
                }
        }
        quelle->oeffnungSynapseId = quelle->oeffnungRingLaenge = 0;
        quelle->oeffnungBezeichnung.clear();
        return;
    }
    quelle->oeffnungSynapseId = w.oeffnungsId;
    quelle->oeffnungRingLaenge = std::max(ringSchritte(s.verzoegerung), 0);
    quelle->oeffnungBezeichnung = w.axo ? meldungFormatieren(1207, quelle->name, s.elternId)
                                        : meldungFormatieren(1208, quelle->name, ziel->name);
}

// The stretch and its weight share the label of the stretch switch: its first line names
// the stretch, its last the weight.
std::string dehnungName(Fenster dlg, bool gewicht)
{
    const std::string t = feldBeschriftung(dlg, gewicht ? idGewichtung : idDehnung);
    const size_t erstes = t.find('\n'), letztes = t.rfind('\n');
    if (erstes == std::string::npos)
        return t;
    return gewicht ? t.substr(letztes + 1) : t.substr(0, erstes);
}

void ok(Fenster dlg, int id)
{
    // every number first: a field without one leaves the working values as they were
    const ZahlFeld dauer{idVerzoegerung, idVerzoegerungText};
    double d = w.verzoegerung, g = 0.0, schwelle = 0.0, saettigung = 0.0, dehnung = 0.0, gewichtung = 0.0;
    if (elementIstSichtbar(dlg, idVerzoegerung) && !zahlFeldLesen(dlg, dauer, d))
        return;
    if (!dialogZahlFeldLesen(dlg, idLeitfaehigkeit, g) || !dialogZahlFeldLesen(dlg, idSchwelle, schwelle) ||
        !dialogZahlFeldLesen(dlg, idSaettigung, saettigung) ||
        !dialogZahlFeldLesen(dlg, idDehnung, dehnungName(dlg, false), dehnung) ||
        !dialogZahlFeldLesen(dlg, idGewichtung, dehnungName(dlg, true), gewichtung))
        return;
    // delay
    if (d < 2.0 * schritt() && synapsenTypIon(w.typ) != ionenArt::Elektrisch && !nurDendrit12()) {
        w.verzoegerung = 2.0 * schritt();
        piepen(1000, 100);
        elementTextSetzen(dlg, idVerzoegerung, feldText(w.verzoegerung));
        dialogElementFokussieren(dlg, idVerzoegerung, 1);
        return;
    }
    // electrical synapses, and all with the restriction on, have no least: a delay below 0
    // is refused, not taken as none
    if (d < 0.0 && elementIstSichtbar(dlg, idVerzoegerung)) {
        hinweisBox(meldungFormatieren(954, elementText(dlg, idVerzoegerungText)));
        dialogElementFokussieren(dlg, idVerzoegerung, 1);
        return;
    }
    if (ringSchritte(d) < 0) {
        hinweisBox(meldungFormatieren(1202, elementText(dlg, idVerzoegerungText)));
        dialogElementFokussieren(dlg, idVerzoegerung, 1);
        return;
    }
    w.verzoegerung = d;
    if (w.art != ionenArt::Elektrisch)
        w.elVerzoegerung = d;
    // conductance, release, stretch
    w.aus = haken(dlg, idAus);
    if (w.aus)
        w.gemerkteLeitfaehigkeit = g, g = 0.0;
    (w.axo ? w.axoLeitfaehigkeit : w.leitfaehigkeit) = g;
    w.schwelle = schwelle;
    w.saettigung = saettigung;
    w.dehnung = dehnung;
    w.gewichtung = gewichtung;
    w.dehnenAn = haken(dlg, idDehnen);
    kopie.transmitter.an = haken(dlg, idDynamik);
    // 4.-6.
    if (!oeffnungsfaktorLesen(dlg))
        return;
    kopie.bahnung.an = haken(dlg, idBahnung);
    kopie.psp.an = haken(dlg, idPsp);
    kopie.bahnung.maximalwertAn = haken(dlg, idBahnungTyp2);
    if (!w.axo)
        w.ort = letzterHaken(dlg, ortKnoepfe, w.ort);
    w.modus = letzterHaken(dlg, modusKnoepfe, w.modus);
    // an unknown type name: the dialog stays open
    const int typ = typNachName(elementText(dlg, idTyp, 256));
    if (typ < 0) {
        hinweisBox(meldungsTexte[3]);
        dialogElementFokussieren(dlg, idTyp, 1);
        return;
    }
    w.typ = typ;
    // 8.-10.
    if (w.dehnenAn && andereMitTyp(w.typ, synapse->id)) {
        hinweisBox(meldungsTexte[465]);
        return;
    }
    if (w.dehnenAn && w.dehnung < 2.0 * schritt()) {
        hinweisBox(meldungFormatieren(306, 2.0 * schritt()));
        dialogElementFokussieren(dlg, idDehnung, 1);
        return;
    }
    if (!(w.schwelle < w.saettigung)) {
        piepen(1000, 100);
        hinweisBox(meldungsTexte[466]);
        dialogElementFokussieren(dlg, idSchwelle, 1);
        return;
    }
    if (!w.axo && axoKonflikt(w.ort, w.typ)) {
        hinweisBox(meldungsTexte[464]);
        dialogElementFokussieren(dlg, idTyp, 1);
        return;
    }
    // a new record or the old one changed in place
    SynapseDaten& alt = *synapse;
    const bool neu = w.typ != alt.synapsenTyp || w.verzoegerung != alt.verzoegerung || w.ort != alt.zielBereich ||
                     w.modus != alt.elektrischerTyp;
    const int axoIndex = alt.axoIndex;
    if (neu) {
        SynapseDaten* s = neuAnlegen();
        if (!s) {
            hinweisBox(meldungsTexte[1209]);
            return;
        }
        synapse = s;
    } else {
        imOrtAendern(alt);
    }
    SynapseDaten& s = *synapse;
    // 13.-15.
    oeffnungsfaktorSchreiben(s);
    if (w.dehnenAn && s.pool) {
        if (s.pool->senderAnzahl > 1) {
            hinweisBox(meldungsTexte[467]);
            w.dehnung = 0.0;
            w.dehnenAn = 0;
        }
        s.pool->geschlossen = 0;
        s.pool->verzoegerungsSynapse = &s;
    } else if (!w.dehnenAn && w.freisetzungsDiagramm && w.freisetzungsSlot >= 0) {
        KurvenDaten& k = w.freisetzungsDiagramm->kurven[static_cast<size_t>(w.freisetzungsSlot)];
        if ((k.referenz & kurvenReferenz::Freisetzung) && w.freisetzungsDiagramm->freisetzungsKurven > 0)
            --w.freisetzungsDiagramm->freisetzungsKurven;
        k.referenz = k.anzeigen = k.synapseId = 0;
    }
    s.elektrischerTyp = w.modus;
    s.freisetzungszeit = std::max(w.dehnung, 2.0 * schritt());
    s.gewichtungsfaktor = w.gewichtung;
    s.verzoegerungsfaktorAn = w.dehnenAn;
    s.verteilungsSchritte = static_cast<int>(std::lround(s.freisetzungszeit / schritt()));
    s.axoIndex = axoIndex;
    // the dynamics blocks from the working copy; the run's own words start anew
    const XLPSP* liste = s.psp.liste;
    s.transmitter = kopie.transmitter;
    s.bahnung = kopie.bahnung;
    s.bahnung.letzteFreisetzung = 0.0;
    s.psp = kopie.psp;
    s.psp.liste = const_cast<XLPSP*>(liste);
    // 17.-19.
    s.ausgeschaltet = w.aus;
    if (w.aus)
        s.ausgeschalteteLeitfaehigkeit = w.gemerkteLeitfaehigkeit;
    aktuelleSynapse = &s;
    schliessen(dlg, 1);
    undoSchrittSpeichern(undoListe);
    if (id == befehlOkF2 && !synapsenSerieLaeuft) {
        if (Fenster haupt = fensterhandles.hauptfenster) {
            ungueltigMachen(haupt);
            neuZeichnen(haupt);
        }
        simulationAusDialogStarten();
    }
}

} // namespace

intptr_t synapseBearbeitenDlgProc(Fenster dlg, uint32_t n, uintptr_t wp, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, bearbeitenRahmen);
        return 0;
    case nachricht::DialogInit:
        if (bearbeitenRahmen.frisch && !oeffnen(dlg)) {
            schliessen(dlg, 2);
            return 1;
        }
        dialogInitialisieren(dlg, bearbeitenRahmen, {nullptr, nullptr, fuellen});
        return 1;
    case nachricht::Befehl: {
        if (!synapse)
            return 0;
        const int id = loWort(wp);
        if (const int art = artVonKnopf(id)) {
            artGewaehlt(dlg, art);
            return 0;
        }
        switch (id) {
        case idTyp: typFeld(dlg, hiWort(wp)); break;
        case idEinfach:
            dialogEinstellungen.synapsenDialogAnzeige = haken(dlg, idEinfach) ? 0 : 5;
            neuFuellen(dlg);
            break;
        case idDynamik:
            kopie.transmitter.an = haken(dlg, idDynamik);
            elementFreigeben(dlg, idDynamikKnopf, kopie.transmitter.an != 0);
            break;
        case idBahnung:
            kopie.bahnung.an = haken(dlg, idBahnung);
            elementFreigeben(dlg, idBahnungKnopf, kopie.bahnung.an != 0);
            elementFreigeben(dlg, idBahnungTyp2, kopie.bahnung.an != 0);
            break;
        case idBahnungTyp2: kopie.bahnung.maximalwertAn = haken(dlg, idBahnungTyp2); break;
        case idPsp:
            kopie.psp.an = haken(dlg, idPsp);
            elementFreigeben(dlg, idPspKnopf, kopie.psp.an != 0);
            break;
        case idDehnen:
            w.dehnenAn = haken(dlg, idDehnen);
            elementFreigeben(dlg, idDehnung, w.dehnenAn != 0);
            elementFreigeben(dlg, idGewichtung, w.dehnenAn != 0);
            break;
        case idAus:
            w.aus = haken(dlg, idAus);
            elementFreigeben(dlg, idLeitfaehigkeit, !w.aus);
            break;
        case idOeffnungsfaktor: w.oeffnungsId = haken(dlg, idOeffnungsfaktor) ? synapse->id : 0; break;
        case 1920: case 1921: case 1922: w.modus = id - 1920; break;
        case idDynamikKnopf: {
            // the dynamics dialog starts from the release range typed here
            double schwelle = 0.0, saettigung = 0.0;
            if (!dialogZahlFeldLesen(dlg, idSchwelle, schwelle) || !dialogZahlFeldLesen(dlg, idSaettigung, saettigung))
                break;
            w.schwelle = kopie.freisetzungsSchwelle = schwelle;
            w.saettigung = kopie.freisetzungsSaettigung = saettigung;
            kopie.freisetzungsBereich = w.saettigung - w.schwelle;
            if (verschachtelt(dlg, transmitterdynamikDialogOeffnen) == befehlOkF2)
                befehl(dlg, befehlOkF2);
            break;
        }
        case idBahnungKnopf:
            if (verschachtelt(dlg, kopie.bahnung.maximalwertAn ? fazilitationMaximumDialogOeffnen
                                                               : fazilitationDepressionDialogOeffnen) == befehlOkF2)
                befehl(dlg, befehlOkF2);
            break;
        case idPspKnopf:
            if (verschachtelt(dlg, pspFormDialogOeffnen) == befehlOkF2)
                simulationAusDialogStarten();
            break;
        case idTypLoeschen: typLoeschen(dlg); break;
        case idNeuerTyp: neuerTyp(dlg); break;
        case idTypZuweisen: typZuweisen(dlg); break;
        case idLoeschen: loeschDialog(dlg); break;
        case 1:
        case befehlOkF2: ok(dlg, id); break;
        case 2: schliessen(dlg, 2); break;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t synapseBearbeitenDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageSynapse, eigner, synapseBearbeitenDlgProc);
}
