// dialogs/synapsengruppen.cpp - creating synapse groups, their popups and commands, and the
// group dialog (306)
#include "dialogs/synapsengruppen.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "dialogs/bahnung.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsenfelder.h"
#include "dialogs/transmitterdynamik.h"
#include "model/diagramm.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cmath>

using namespace plattform;

int popupGruppe = 0;

namespace {

constexpr int titelPosten = -1;
// the member popup's ids stop short of the delete popup's
constexpr int popupMitgliederHoechstens = befehlGruppenMitgliedLetzte - befehlGruppenMitgliedErste + 1;

bool gruppeGueltig(int g) { return g >= 1 && g < synapsengruppenAnzahl; }

void hauptfensterNeuZeichnen()
{
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
}

// "ID: ..." as the popup and the dialog's list show a member; empty for one that cannot
// be shown (no synapse, no source, no target)
std::string mitgliedText(int id)
{
    const SynapseDaten* s = synapseNachId(id);
    if (!s || !s->quelle)
        return {};
    if (s->axoIndex >= 1)
        return s->elternSynapse ? meldungFormatieren(1234, id, neuronAnzeigename(*s->quelle), s->elternId) : std::string();
    const NeuronDaten* ziel = neuronNachNummer(s->zielNummer);
    return ziel ? meldungFormatieren(1233, id, neuronAnzeigename(*s->quelle), neuronAnzeigename(*ziel)) : std::string();
}

// a popup at the cursor, owned by the main window; the choice goes to the main window as
// its command
void popupZeigen(Menue m)
{
    Fenster haupt = fensterhandles.hauptfenster;
    offenesKontextMenu = m;
    const int gewaehlt = popupMenue(m, haupt, mausPosition());
    offenesKontextMenu = nullptr;
    menueZerstoeren(m);
    if (gewaehlt > 0 && haupt)
        posten(haupt, nachricht::Befehl, machWParam(gewaehlt, 0));
}

// "name   (count)" of every group with members, ids erste + g
void gruppenPosten(Menue m, int erste)
{
    for (int g = 1; g < synapsengruppenAnzahl; ++g) {
        const Synapsengruppe& gr = synapsengruppen[static_cast<size_t>(g)];
        if (gr.anzahl() > 0)
            postenAnhaengen(m, menueArt::Posten, erste + g, gr.name + "   (" + std::to_string(gr.anzahl()) + ")");
    }
}

// ---- dialog 306 -------------------------------------------------------------------------

enum : int {
    idListe = 2040, idLeitfaehigkeit = 2041, idSchwelle = 2043, idSaettigung = 2044, idDehnung = 2049,
    idDauer = 2050, idGewicht = 2051, idTransmitter = 2052, idBahnung = 2055, idTransmitterDialog = 2069,
    idBahnungDialog = 2054, idAlle = 2053, idKeine = 2070, idNurAngezeigte = 2066, idAlleLoeschen = 2056,
    labelLeitfaehigkeit = 4301, labelSchwelle = 4302, labelSaettigung = 4303, labelDehnung = 2049,
};
// the apply checks: conductance, threshold, saturation, stretch, duration, weight,
// transmitter dynamics, facilitation
constexpr std::array<int, 8> pruefIds{2057, 2059, 2060, 2071, 2061, 2062, 2063, 2064};
enum : size_t { pLeit, pSchwelle, pSaett, pDehnung, pDauer, pGewicht, pTransmitter, pBahnung };

// kept between openings, all off at program start
std::array<int, 8> pruefHaken{};

struct Arbeitswerte {
    double leitfaehigkeit = 0.0, schwelle = 0.0, saettigung = 0.0, dauer = 0.0, gewicht = 0.0;
    int dehnungAn = 0;
};

DialogRahmen rahmen306;
int gruppe = 0;
SynapseDaten* gezeigt = nullptr;   // the shown member
SynapseDaten kopie;                // its working copy for dialogs 258 and 304
Arbeitswerte werte;
int kurvenSlot = -1;               // the shown member's release curve in its source's main diagram
int fokusId = idLeitfaehigkeit;

const Synapsengruppe& gr() { return synapsengruppen[static_cast<size_t>(gruppe)]; }

// the working copy holds pointers it does not own; they are never followed through it
void kopieLoesen()
{
    kopie.psp.liste = nullptr;
    kopie.axoSchlange.clear();
}

void mitgliedZeigen(SynapseDaten* s)
{
    // the release curve that shows this member
    kurvenSlot = -1;
    if (s->verzoegerungsfaktorAn && s->quelle)
        for (size_t k = 0; k < s->quelle->hauptDiagramm.kurven.size(); ++k) {
            const KurvenDaten& kurve = s->quelle->hauptDiagramm.kurven[k];
            if (kurve.referenz == kurvenReferenz::Freisetzung && kurve.synapseId == s->id) {
                kurvenSlot = static_cast<int>(k);
                break;
            }
        }
    // the working values
    werte = {s->initialLeitfaehigkeit, s->freisetzungsSchwelle, s->freisetzungsSaettigung, s->freisetzungszeit,
             s->gewichtungsfaktor, s->verzoegerungsfaktorAn};
    if (werte.dehnungAn) {
        if (werte.dauer == 0.0)
            werte.dauer = 0.2;
        if (werte.gewicht == 0.0)
            werte.gewicht = 1.0;
    }
    // the member is the current synapse; gewaehlteSynapse stays
    gezeigt = s;
    aktuelleSynapse = s;
    kopie = *s;
    kopieLoesen();
}

std::string festText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%f", x);
    return puffer;
}

void freigaben(Fenster dlg)
{
    for (int id : std::array<int, 4>{idDauer, idGewicht, pruefIds[pDauer], pruefIds[pGewicht]})
        elementFreigeben(dlg, id, haken(dlg, idDehnung));
    elementFreigeben(dlg, idTransmitterDialog, haken(dlg, idTransmitter));
    elementFreigeben(dlg, idBahnungDialog, haken(dlg, idBahnung));
}

void fuellen(Fenster dlg)
{
    titelSetzen(dlg, dialogTextFormatieren(dialogTexte.nummerVon("IDC_SG_TITEL="), gr().name));
    if (const std::string* t = dialogText("IDC_SG_ALLE_LOESCHEN="))
        elementTextSetzen(dlg, idAlleLoeschen, *t);
    listeLeeren(dlg, idListe);
    for (int id : gr().mitglieder) {
        const std::string text = mitgliedText(id);
        if (text.empty())
            continue;
        const int i = listeHinzufuegen(dlg, idListe, text);
        listeDatenSetzen(dlg, idListe, i, id);
        if (gezeigt && id == gezeigt->id)
            listeAuswahlSetzen(dlg, idListe, i);
    }
    elementTextSetzen(dlg, idLeitfaehigkeit, feldText(werte.leitfaehigkeit));
    elementTextSetzen(dlg, idSchwelle, feldText(werte.schwelle));
    elementTextSetzen(dlg, idSaettigung, feldText(werte.saettigung));
    elementTextSetzen(dlg, idDauer, festText(werte.dauer));
    elementTextSetzen(dlg, idGewicht, festText(werte.gewicht));
    hakenSetzen(dlg, idDehnung, werte.dehnungAn ? 1 : 0);
    hakenSetzen(dlg, idTransmitter, kopie.transmitter.an ? 1 : 0);
    hakenSetzen(dlg, idBahnung, kopie.bahnung.an ? 1 : 0);
    for (size_t i = 0; i < pruefIds.size(); ++i)
        hakenSetzen(dlg, pruefIds[i], pruefHaken[i]);
    freigaben(dlg);
    elementFreigeben(dlg, idAlleLoeschen, gruppe > 0 && gr().anzahl() > 0);
    dialogElementFokussieren(dlg, fokusId, 1);
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    editierStatus &= ~editierBit::MarkierteZiehen;
    fokusId = idLeitfaehigkeit;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageSynapsengruppe); }

void auswahl(Fenster dlg)
{
    const int i = listeAuswahl(dlg, idListe);
    const int id = i >= 0 ? static_cast<int>(listeDaten(dlg, idListe, i)) : 0;
    SynapseDaten* s = id >= 1 ? synapseNachId(id) : nullptr;
    if (s)
        mitgliedZeigen(s);
    neuFuellen(dlg);   // without a synapse the previous choice is shown again
}

int senderAnzahl(const SynapsenPool& p)
{
    int k = 0;
    for (const SenderKnoten* n = p.sender; n; n = n->naechste)
        ++k;
    return k;
}

// Stretched release off: the member's own release curve in its source's main diagram goes.
void freisetzungsKurveLeeren(SynapseDaten& s)
{
    if (!s.quelle)
        return;
    DiagrammDaten& d = s.quelle->hauptDiagramm;
    for (KurvenDaten& k : d.kurven)
        if (k.referenz == kurvenReferenz::Freisetzung && k.synapseId == s.id) {
            k.referenz = 0;
            k.anzeigen = 0;
            k.synapseId = 0;
            if (d.freisetzungsKurven > 0)
                --d.freisetzungsKurven;
        }
}

void leitfaehigkeitSetzen(SynapseDaten& s, double g)
{
    const double alt = s.initialLeitfaehigkeit;
    s.initialLeitfaehigkeit = s.leitfaehigkeit = s.axoLeitfaehigkeitStart = g;
    if (s.pool) {
        // the pool's sum keeps being that of its senders
        s.pool->gSumme += g - alt;
    } else if (s.axoIndex >= 1) {
        if (NeuronDaten* ziel = neuronNachNummer(s.zielNummer); ziel && ziel->eingangsPools)
            ziel->eingangsPools->gSumme = g;
    }
}

void dehnungSetzen(SynapseDaten& s)
{
    const double schritt = simulationsParameter.schrittweite;
    if (pruefHaken[pDehnung]) {
        if (werte.dehnungAn && s.pool && senderAnzahl(*s.pool) > 1) {
            hinweisBox(meldungsTexte[467]);
            // the members that follow get it off as well
            werte.dehnungAn = 0;
            werte.dauer = 0.0;
        }
        s.verzoegerungsfaktorAn = werte.dehnungAn;
        if (werte.dehnungAn) {
            if (s.pool) {
                s.pool->geschlossen = 0;
                s.pool->laufIndex = 0;
                s.pool->verzoegerungsSynapse = &s;
            }
        } else {
            freisetzungsKurveLeeren(s);
        }
    }
    if (pruefHaken[pDauer])
        s.freisetzungszeit = std::max(werte.dauer, 2.0 * schritt);
    if (pruefHaken[pGewicht])
        s.gewichtungsfaktor = werte.gewicht;
    if ((pruefHaken[pDehnung] || pruefHaken[pDauer] || pruefHaken[pGewicht]) && schritt > 0.0)
        s.verteilungsSchritte = static_cast<int>(std::lround(s.freisetzungszeit / schritt));
}

void aufMitgliedAnwenden(SynapseDaten& s)
{
    if (pruefHaken[pLeit])
        leitfaehigkeitSetzen(s, werte.leitfaehigkeit);
    if (pruefHaken[pSchwelle])
        s.freisetzungsSchwelle = werte.schwelle;
    if (pruefHaken[pSaett])
        s.freisetzungsSaettigung = werte.saettigung;
    if (pruefHaken[pSchwelle] || pruefHaken[pSaett])
        s.freisetzungsBereich = s.freisetzungsSaettigung - s.freisetzungsSchwelle;
    dehnungSetzen(s);
    if (pruefHaken[pTransmitter]) {
        TransmitterDynamik& t = s.transmitter;
        const TransmitterDynamik& q = kopie.transmitter;
        std::tie(t.e, t.g, t.potenz, t.initialwert, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittweiteAlpha) =
            std::tie(q.e, q.g, q.potenz, q.initialwert, q.formAlpha, q.rateAlpha, q.v0Alpha, q.schrittweiteAlpha);
        std::tie(t.formBeta, t.rateBeta, t.v0Beta, t.schrittweiteBeta, t.faktor, t.abBerechnung, t.an) =
            std::tie(q.formBeta, q.rateBeta, q.v0Beta, q.schrittweiteBeta, q.faktor, q.abBerechnung, q.an);
    }
    if (pruefHaken[pBahnung]) {
        Bahnung& b = s.bahnung;
        const Bahnung& q = kopie.bahnung;
        std::tie(b.an, b.art, b.a, b.b, b.kurvenZeit, b.tau) = std::tie(q.an, q.art, q.a, q.b, q.kurvenZeit, q.tau);
    }
}

bool zahlenLesen(Fenster dlg, Arbeitswerte& neu)
{
    return zahlFeldLesen(dlg, {idLeitfaehigkeit, labelLeitfaehigkeit, FeldGrenze::NichtNegativ}, neu.leitfaehigkeit) &&
           zahlFeldLesen(dlg, {idSchwelle, labelSchwelle}, neu.schwelle) &&
           zahlFeldLesen(dlg, {idSaettigung, labelSaettigung}, neu.saettigung) &&
           zahlFeldLesen(dlg, {idDauer, labelDehnung, FeldGrenze::NichtNegativ}, neu.dauer) &&
           zahlFeldLesen(dlg, {idGewicht, labelDehnung}, neu.gewicht);
}

void anwenden(Fenster dlg, int id)
{
    // the fields, the switches and the checks
    Arbeitswerte neu = werte;
    if (!zahlenLesen(dlg, neu))
        return;
    neu.dehnungAn = haken(dlg, idDehnung);
    kopie.transmitter.an = haken(dlg, idTransmitter);
    kopie.bahnung.an = haken(dlg, idBahnung);
    // the threshold must lie below the saturation
    if (neu.schwelle >= neu.saettigung) {
        piepen(1000, 100);
        hinweisBox(meldungsTexte[466]);
        fokusId = idSchwelle;
        neuFuellen(dlg);
        return;
    }
    werte = neu;
    for (size_t i = 0; i < pruefIds.size(); ++i)
        pruefHaken[i] = haken(dlg, pruefIds[i]);
    // each live member in list order, or the shown one only
    if (id == idNurAngezeigte) {
        if (gezeigt)
            aufMitgliedAnwenden(*gezeigt);
    } else {
        const std::vector<int> mitglieder = gr().mitglieder;
        for (int m : mitglieder)
            if (!mitgliedText(m).empty())
                aufMitgliedAnwenden(*synapseNachId(m));
    }
    if (id == idNurAngezeigte) {
        if (gezeigt)
            mitgliedZeigen(gezeigt);
        neuFuellen(dlg);
        return;
    }
    dialogSchliessen(dlg, rahmen306, 1, false);
    undoSchrittSpeichern(undoListe);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
}

void alleLoeschen(Fenster dlg)
{
    if (gruppe < 1 || gr().anzahl() == 0)
        return;
    if (sysInfoBox(meldungFormatieren(1239, gr().anzahl(), gr().name), knoepfe::JaNein) != antwort::Ja)
        return;
    gezeigt = nullptr;
    synapsengruppeAufloesen(gruppe, 1);
    dialogSchliessen(dlg, rahmen306, 2, false);
}

// the synapse of the working copy's dialogs reads its threshold and saturation as typed
void transmitterDialog(Fenster dlg)
{
    double schwelle = 0.0, saettigung = 0.0;
    if (!zahlFeldLesen(dlg, {idSchwelle, labelSchwelle}, schwelle) ||
        !zahlFeldLesen(dlg, {idSaettigung, labelSaettigung}, saettigung))
        return;
    werte.schwelle = kopie.freisetzungsSchwelle = schwelle;
    werte.saettigung = kopie.freisetzungsSaettigung = saettigung;
    kopie.freisetzungsBereich = saettigung - schwelle;
    transmitterdynamikDialogOeffnen(dlg, &kopie);
}

// the first live member, or gewaehlteSynapse when it is one
SynapseDaten* erstesMitglied(int g)
{
    const auto& m = synapsengruppen[static_cast<size_t>(g)].mitglieder;
    if (gewaehlteSynapse && std::find(m.begin(), m.end(), gewaehlteSynapse->id) != m.end() &&
        synapseNachId(gewaehlteSynapse->id) == gewaehlteSynapse && !mitgliedText(gewaehlteSynapse->id).empty())
        return gewaehlteSynapse;
    for (int id : m)
        if (!mitgliedText(id).empty())
            return synapseNachId(id);
    return nullptr;
}

} // namespace

// ---- creating and the popups --------------------------------------------------------------

int synapsengruppeErzeugen()
{
    if (!aktuelleSynapse)
        return 0;
    // the first free group
    const int g = synapsengruppeFrei();
    if (g == 0) {
        hinweisBox(meldungsTexte[1220]);
        return 0;
    }
    // its name through the input dialog
    undoFensterlisteSpeichern(undoListe);
    eingabeParameter.titel = meldungsTexte[1221];
    eingabeParameter.text1 = meldungsTexte[1222];
    eingabeParameter.text2 = meldungsTexte[1223];
    eingabeParameter.eingabeText = meldungFormatieren(1224, g);
    // a cancelled name keeps what the slot holds
    SynapseDaten* s = aktuelleSynapse;
    const bool ok = eingabeDialogOeffnen() == 1;
    const std::string name = eingabeParameter.eingabeText;
    if (synapseNachId(s->id) != s)
        return 0;   // gone while the dialog was open
    // the first member
    synapsengruppeBelegen(g, *s, ok ? &name : nullptr);
    undoSchrittSpeichern(undoListe);
    return g;
}

void synapsengruppeMitgliederMenue(int g)
{
    if (!gruppeGueltig(g))
        return;
    popupGruppe = g;
    const Synapsengruppe& gr = synapsengruppen[static_cast<size_t>(g)];
    Menue m = menueErzeugen();
    postenAnhaengen(m, menueArt::Posten, titelPosten, meldungFormatieren(1235, gr.name));
    const int bis = std::min(gr.anzahl(), popupMitgliederHoechstens);
    for (int i = 0; i < bis; ++i) {
        const std::string text = mitgliedText(gr.mitglieder[static_cast<size_t>(i)]);
        if (!text.empty())
            postenAnhaengen(m, menueArt::Posten, befehlGruppenMitgliedErste + i, text);
    }
    popupZeigen(m);
}

void synapsengruppenMenue()
{
    Menue m = menueErzeugen();
    postenAnhaengen(m, menueArt::Posten, titelPosten, meldungsTexte[1236]);
    gruppenPosten(m, befehlGruppenPopupErste - 1);
    popupZeigen(m);
}

void synapsengruppeLoeschenMenue()
{
    Menue m = menueErzeugen();
    postenAnhaengen(m, menueArt::Posten, titelPosten, meldungsTexte[1237]);
    postenAnhaengen(m, menueArt::Trenner, 0, "");
    gruppenPosten(m, befehlGruppeAufloesenErste - 1);
    popupZeigen(m);
}

void synapsengruppenKontextPosten(Menue m)
{
    const SynapseDaten* s = aktuelleSynapse;
    if (!s)
        return;
    const bool inGruppe = gruppeGueltig(s->gruppe);
    const Synapsengruppe* eigene = inGruppe ? &synapsengruppen[static_cast<size_t>(s->gruppe)] : nullptr;
    if (eigene) {
        postenAnhaengen(m, menueArt::Posten, befehlAusGruppeEntfernen, meldungFormatieren(1227, s->id, eigene->name));
        postenAnhaengen(m, menueArt::Posten, befehlGruppeBearbeiten,
                        meldungFormatieren(1228, eigene->name, eigene->anzahl()));
    }
    Menue eintragen = menueErzeugen();
    gruppenPosten(eintragen, befehlGruppeEintragenErste - 1);
    if (synapsengruppenZahl < synapsengruppenAnzahl - 1)
        postenAnhaengen(eintragen, menueArt::Posten, befehlGruppeNeu, meldungsTexte[1226]);
    untermenueAnhaengen(m, eintragen, meldungFormatieren(1225, s->id));
    Menue gruppen = menueErzeugen();
    if (eigene)
        postenAnhaengen(gruppen, menueArt::Posten, befehlGruppeMitgliederZeigen, meldungFormatieren(1230, eigene->name));
    // the main menu's items under the same captions
    for (int befehl : {befehlGruppenAuflisten, befehlGruppeLoeschenMenue})
        postenAnhaengen(gruppen, menueArt::Posten, befehl, postenText(fensterhandles.hauptmenue, befehl, Nach::Befehl));
    untermenueAnhaengen(m, gruppen, meldungsTexte[1229]);
}

// ---- the commands ---------------------------------------------------------------------

bool istGruppenBefehl(int befehl)
{
    const auto zwischen = [befehl](int von, int bis) { return befehl >= von && befehl <= bis; };
    switch (befehl) {
    case befehlAusGruppeEntfernen: case befehlGruppeNeu: case befehlGruppeMitgliederZeigen:
    case befehlGruppenAuflisten: case befehlGruppeBearbeiten: case befehlAlleSynapsenBearbeiten:
    case befehlGruppeLoeschenMenue:
        return true;
    }
    return zwischen(befehlGruppeEintragenErste, befehlGruppeEintragenLetzte) ||
           zwischen(befehlGruppenPopupErste, befehlGruppenPopupLetzte) ||
           zwischen(befehlGruppenMitgliedErste, befehlGruppenMitgliedLetzte) ||
           zwischen(befehlGruppeAufloesenErste, befehlGruppeAufloesenLetzte);
}

void synapsengruppenBefehl(Fenster f, int befehl)
{
    const auto nachDialog = [f] {
        einstellungenAktualisieren(nullptr, 0);
        if (f)
            ungueltigMachen(f);
    };
    SynapseDaten* s = aktuelleSynapse;
    const int eigene = s && gruppeGueltig(s->gruppe) ? s->gruppe : 0;
    if (befehl >= befehlGruppeEintragenErste && befehl <= befehlGruppeEintragenLetzte) {
        const int g = befehl - (befehlGruppeEintragenErste - 1);
        if (s && synapsengruppen[static_cast<size_t>(g)].anzahl() > 0 && s->gruppe != g) {
            synapseInGruppeEintragen(g, *s);
            hauptfensterNeuZeichnen();
        }
    } else if (befehl >= befehlGruppenPopupErste && befehl <= befehlGruppenPopupLetzte) {
        synapsengruppeMitgliederMenue(befehl - (befehlGruppenPopupErste - 1));
    } else if (befehl >= befehlGruppenMitgliedErste && befehl <= befehlGruppenMitgliedLetzte) {
        const size_t i = static_cast<size_t>(befehl - befehlGruppenMitgliedErste);
        if (!gruppeGueltig(popupGruppe))
            return;
        const auto& m = synapsengruppen[static_cast<size_t>(popupGruppe)].mitglieder;
        SynapseDaten* mitglied = i < m.size() && !mitgliedText(m[i]).empty() ? synapseNachId(m[i]) : nullptr;
        if (!mitglied)
            return;
        gewaehlteSynapse = mitglied;
        synapsengruppeDialogOeffnen(f, popupGruppe);
        nachDialog();
    } else if (befehl >= befehlGruppeAufloesenErste && befehl <= befehlGruppeAufloesenLetzte) {
        const int g = befehl - (befehlGruppeAufloesenErste - 1);
        if (synapsengruppen[static_cast<size_t>(g)].anzahl() > 0) {
            synapsengruppeAufloesen(g, 0);
            hauptfensterNeuZeichnen();
        }
    }
    switch (befehl) {
    case befehlGruppeNeu:
        if (s) {
            popupGruppe = synapsengruppeErzeugen();
            hauptfensterNeuZeichnen();
        }
        break;
    case befehlAusGruppeEntfernen:
        if (eigene) {
            synapseAusGruppeEntfernen(*s);
            hauptfensterNeuZeichnen();
        }
        break;
    case befehlGruppeBearbeiten:
        if (eigene) {
            gewaehlteSynapse = s;
            synapsengruppeDialogOeffnen(f, eigene);
            nachDialog();
        }
        break;
    case befehlAlleSynapsenBearbeiten: {
        // record 0 lends its place to a passing list; no synapse's group changes
        Synapsengruppe& alle = synapsengruppen[0];
        alle = Synapsengruppe{};
        alle.name = meldungsTexte[1238];
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (const SynapseDaten* a = n->ausgangsSynapsen; a; a = a->naechsteSynapse)
                alle.mitglieder.push_back(a->id);
        gewaehlteSynapse = s;
        synapsengruppeDialogOeffnen(f, 0);
        nachDialog();
        synapsengruppen[0] = Synapsengruppe{};
        break;
    }
    case befehlGruppeMitgliederZeigen:
        if (eigene)
            synapsengruppeMitgliederMenue(eigene);
        break;
    case befehlGruppenAuflisten: synapsengruppenMenue(); break;
    case befehlGruppeLoeschenMenue: synapsengruppeLoeschenMenue(); break;
    }
}

// ---- dialog 306 -----------------------------------------------------------------------------

intptr_t synapsengruppeDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen306);
        return 0;

    case nachricht::DialogInit:
        if (rahmen306.frisch) {
            gruppe = static_cast<int>(l);
            SynapseDaten* erstes = gruppe >= 0 && gruppe < synapsengruppenAnzahl ? erstesMitglied(gruppe) : nullptr;
            if (!erstes) {
                dialogSchliessen(dlg, rahmen306, 2, false);
                return 1;
            }
            mitgliedZeigen(erstes);
        }
        dialogInitialisieren(dlg, rahmen306, {oeffnen, texteSetzen, fuellen});
        return 1;

    case nachricht::Befehl: {
        const int id = loWort(w);
        if (id != 1 && id != 2 && id != befehlOkF2)
            fokusId = id;
        switch (id) {
        case idListe:
            if (hiWort(w) == benachrichtigung::AuswahlGeaendert)
                auswahl(dlg);
            return 0;
        case idDehnung:
        case idTransmitter:
        case idBahnung: freigaben(dlg); return 0;
        case 2071:
            if (!haken(dlg, 2071))
                for (int p : std::array<int, 2>{pruefIds[pDauer], pruefIds[pGewicht]})
                    hakenSetzen(dlg, p, 0);
            freigaben(dlg);
            return 0;
        case idAlle:
        case idKeine:
            for (int p : pruefIds)
                hakenSetzen(dlg, p, id == idAlle ? 1 : 0);
            return 0;
        case idTransmitterDialog:
        case idBahnungDialog:
            if (id == idTransmitterDialog)
                transmitterDialog(dlg);
            else
                fazilitationDepressionDialogOeffnen(dlg, &kopie);
            // their own switches may have changed in the working copy
            hakenSetzen(dlg, idTransmitter, kopie.transmitter.an ? 1 : 0);
            hakenSetzen(dlg, idBahnung, kopie.bahnung.an ? 1 : 0);
            freigaben(dlg);
            return 0;
        case idAlleLoeschen: alleLoeschen(dlg); return 0;
        case 2: dialogSchliessen(dlg, rahmen306, 2, false); return 0;
        case 1:
        case befehlOkF2:
        case idNurAngezeigte: anwenden(dlg, id); return 0;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t synapsengruppeDialogOeffnen(Fenster eigner, int g)
{
    if (g < 0 || g >= synapsengruppenAnzahl || !erstesMitglied(g)) {
        hinweisBox(meldungsTexte[1232]);
        return 2;
    }
    return dialogModal(vorlageSynapsengruppe, eigner ? eigner : fensterhandles.hauptfenster, synapsengruppeDlgProc, g);
}
