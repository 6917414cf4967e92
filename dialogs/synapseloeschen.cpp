// dialogs/synapseloeschen.cpp - the delete-synapse dialog on template 135: one synapse shown
// read-only, deleted on request
#include "dialogs/rahmen.h"
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsenfelder.h"
#include "dialogs/synapsenteile.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <tuple>

using namespace plattform;
using namespace synapsenDialog;

namespace {

DialogRahmen loeschRahmen;
// the synapse offered and its two neurons; cleared at every closing, so no pointer
// outlives a deletion
SynapseDaten* synapse = nullptr;
NeuronDaten *quelle = nullptr, *ziel = nullptr;

void zuruecksetzen() { synapse = nullptr, quelle = ziel = nullptr; }

void schliessen(Fenster dlg, intptr_t ergebnis)
{
    zuruecksetzen();
    dialogSchliessen(dlg, loeschRahmen, ergebnis, true);
}

void texteSetzen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageSynapse);
    tooltipsSynapseDialog(dlg);
    if (const std::string* titel = dialogText("IDD_SYNAPSE_NEU3="))
        titelSetzen(dlg, *titel);
    if (const std::string* knopf = dialogText("IDC_SYN_SYNAPSE_LOESCHEN=")) {
        elementTextSetzen(dlg, idLoeschen, textFeldHolen(*knopf, 2));
        elementTextSetzen(dlg, 1, textFeldHolen(*knopf, 1));
    }
}

// The synapse to show: the chosen one, or one the user picks among the outgoing synapses
// of the one marked neuron. False: the dialog closes.
bool synapseFinden(Fenster dlg)
{
    zuruecksetzen();
    if (SynapseDaten* s = gewaehlteSynapse) {
        quelle = neuronSuchen(s->quellNummer);
        ziel = neuronSuchen(s->zielNummer);
        if (!quelle || !ziel) {
            hinweisBox(meldungsTexte[4]);
            return false;
        }
        synapse = s;
        return true;
    }
    if (markierteNeurone.anzahl() != 1) {
        hinweisBox(meldungsTexte[2]);
        return false;
    }
    NeuronDaten* n = markierteNeurone.erstes();
    for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
        NeuronDaten* z = neuronSuchen(s->zielNummer);
        const std::string ort = kontaktortName(dlg, s->zielBereich, s->elternId);
        const std::string frage = meldungFormatieren(25, neuronAnzeigename(*n), z ? neuronAnzeigename(*z) : std::string(), ort);
        const int a = meldungsBox(dlg, frage, "SysInfo", knoepfe::JaNeinAbbrechen | symbol::Frage);
        if (a == antwort::Abbrechen)
            return false;
        if (a == antwort::Ja) {
            std::tie(synapse, quelle, ziel) = std::tuple(s, n, z);
            return z != nullptr;
        }
    }
    return false;
}

void fuellen(Fenster dlg)
{
    if (!synapse)
        return;
    SynapseDaten& s = *synapse;
    const int ion = synapsenTypIon(s.synapsenTyp);
    const bool axo = s.zielBereich == kontaktort::Axo && s.elternSynapse;
    const int anzeige = dialogEinstellungen.synapsenDialogAnzeige;
    elementTextSetzen(dlg, idIdText, dialogTextFormatieren(1333, s.id));
    // names, radios, what is shown
    elementTextSetzen(dlg, idQuelle, neuronAnzeigename(*quelle));
    elementTextSetzen(dlg, idZiel, neuronAnzeigename(*ziel));
    radiosSetzen(dlg, ortKnoepfe, s.zielBereich);
    radiosSetzen(dlg, artKnoepfe, ion - 1);
    elementZeigen(dlg, idIdText, 5);
    for (int id : {idOeffnungsfaktor, idEinfach})
        elementZeigen(dlg, id, 0);
    for (int id : {idDynamik, idDynamikKnopf, idBahnungTyp2, idBahnung, idPsp, idBahnungKnopf, idPspKnopf, idDehnen,
                   idDehnung, idGewichtung, idAus})
        elementZeigen(dlg, id, anzeige);
    ansichtZeigen(dlg);
    elementZeigen(dlg, idEinfach, 0);
    // an electrical synapse has no release and no dynamics
    if (ion == ionenArt::Elektrisch) {
        elementZeigen(dlg, idVerzoegerung, netzvorgaben.elektrischeSynapsenEingeschraenkt ? 0 : 5);
        for (int id : {idSchwelle, idSaettigung, idDynamik, idDynamikKnopf, idBahnungTyp2, idBahnung, idPsp,
                       idBahnungKnopf, idPspKnopf, idDehnen, idDehnung, idGewichtung})
            elementZeigen(dlg, id, 0);
        for (int id : modusKnoepfe)
            elementZeigen(dlg, id, 5);
        radiosSetzen(dlg, modusKnoepfe, s.elektrischerTyp);
    }
    // its type in the list of its kind
    typListeFuellen(dlg, ion, s.synapsenTyp);
    // values and switches
    elementTextSetzen(dlg, idVerzoegerung, feldText(s.verzoegerung));
    const double g = axo ? s.axoLeitfaehigkeitStart : s.ausgeschaltet ? s.ausgeschalteteLeitfaehigkeit : s.leitfaehigkeit;
    elementTextSetzen(dlg, idLeitfaehigkeit, feldText(g));
    elementTextSetzen(dlg, idSchwelle, feldText(s.freisetzungsSchwelle));
    elementTextSetzen(dlg, idSaettigung, feldText(s.freisetzungsSaettigung));
    hakenSetzen(dlg, idDynamik, s.transmitter.an ? 1 : 0);
    hakenSetzen(dlg, idBahnung, s.bahnung.an ? 1 : 0);
    hakenSetzen(dlg, idPsp, s.psp.an ? 1 : 0);
    hakenSetzen(dlg, idBahnungTyp2, s.bahnung.maximalwertAn ? 1 : 0);
    hakenSetzen(dlg, idAus, s.ausgeschaltet ? 1 : 0);
    // nothing can be changed here; only deleting and Cancel are left
    for (int id : {idQuelle, idZiel, idVerzoegerung, idLeitfaehigkeit, idSchwelle, idSaettigung, idAus, idDynamik,
                   idDynamikKnopf, idBahnung, idBahnungTyp2, idBahnungKnopf, idPsp, idPspKnopf, idDehnen, idDehnung,
                   idGewichtung, idPotential, idTyp, idNeuerTyp, idTypLoeschen, idTypZuweisen, 1, befehlOkF2})
        elementFreigeben(dlg, id, false);
    for (auto knoepfe : {std::span<const int>(artKnoepfe), std::span<const int>(ortKnoepfe),
                         std::span<const int>(modusKnoepfe)})
        for (int id : knoepfe)
            elementFreigeben(dlg, id, false);
    elementZeigen(dlg, idLoeschen, 5);
    elementFreigeben(dlg, idLoeschen, true);
}

void loeschen(Fenster dlg, int id)
{
    if (!synapse)
        return;
    synapseLoeschen(quelle, synapse, 0);
    zuruecksetzen();
    tastaturHookEntfernen();
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    dialogBeenden(dlg, 1);
    aktuelleSynapse = nullptr;
    loeschRahmen.frisch = 1;
    undoSchrittSpeichern(undoListe);
}

} // namespace

intptr_t synapseLoeschenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, loeschRahmen);
        return 0;
    case nachricht::DialogInit:
        if (loeschRahmen.frisch) {
            undoFensterlisteSpeichern(undoListe);
            tastaturHookSetzen(dlg);
            texteSetzen(dlg);
            if (!synapseFinden(dlg)) {
                schliessen(dlg, 2);
                return 1;
            }
        }
        editierStatus &= ~0x4u;
        dialogInitialisieren(dlg, loeschRahmen, {nullptr, nullptr, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (const int id = loWort(w)) {
        case idLoeschen:
        case 1:
        case befehlOkF2: loeschen(dlg, id); break;
        case 2: schliessen(dlg, 2); break;
        }
        return 0;
    }
    return 0;
}

intptr_t synapseLoeschenDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageSynapse, eigner, synapseLoeschenDlgProc);
}
