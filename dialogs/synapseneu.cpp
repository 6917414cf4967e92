// dialogs/synapseneu.cpp - the new-synapse dialog on template 135 and its opener
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsenfelder.h"
#include "dialogs/synapsenteile.h"
#include "model/anzeigeeinstellungen.h"
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

namespace {

struct NeuZustand {
    std::string quelle, ziel;
    int quellNummer = 0, zielNummer = 0;   // the neurons the two lists select; 0: by the text
    double verzoegerung = 0.0, leitfaehigkeit = 0.0, schwelle = 0.0, saettigung = 0.0;
    int ort = 1, gemerkterOrt = 1, modus = 0;
    int art = 1;
    int typ = 0;
    int typGewaehlt = 0;
    int wiederTyp = -1;          // the type a kind button closed the dialog for, -1 none
    int typGetippt = 0;
    int letzteTypPosition = 0;
    int reservierteId = 0;       // 0: no id reserved for this use
    int hoechsteVorher = 0;      // hoechsteSynapsenId before this use reserved one
    int geoeffnet = 0;           // set from the opening to the end of its first filling
};

DialogRahmen neuRahmen;
NeuZustand z;

double schritt() { return simulationsParameter.schrittweite; }

bool nurDendrit12() { return netzvorgaben.elektrischeSynapsenEingeschraenkt != 0; }

int ersterTypDerArt(int art)
{
    for (size_t i = 0; i < synapsenTypen.size(); ++i)
        if (synapsenTypen[i].ion == art)
            return static_cast<int>(i);
    return -1;
}

// The id this use gives the synapse: the highest given + 1 where that is a free id, else
// the first free one. A reopening for a kind keeps the one it had.
void idReservieren()
{
    if (z.reservierteId)
        return;
    z.hoechsteVorher = hoechsteSynapsenId;
    int id = hoechsteSynapsenId + 1;
    if (id < 1 || id >= synapsenTabellenGroesse || synapseNachId(id)) {
        id = 0;
        for (int i = 1; i < synapsenTabellenGroesse && !id; ++i)
            if (!synapseNachId(i))
                id = i;
    }
    z.reservierteId = id;
    if (id > hoechsteSynapsenId)
        hoechsteSynapsenId = id;
}

// the end of a use: the reservation and the reopening are over
void nutzungBeenden(Fenster dlg, intptr_t ergebnis)
{
    z.typGetippt = 0;
    z.wiederTyp = -1;
    z.reservierteId = 0;
    dialogSchliessen(dlg, neuRahmen, ergebnis, true);
}

void texteSetzen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageSynapse);
    tooltipsSynapseDialog(dlg);
}

void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    editierStatus &= ~0x4u;
    idReservieren();
    const NeuronDaten* markiert = markierteNeurone.anzahl() == 1 ? markierteNeurone.erstes() : nullptr;
    z.quelle = markiert ? neuronAnzeigename(*markiert) : std::string();
    z.quellNummer = markiert ? markiert->nummer : 0;
    z.ziel.clear();
    z.zielNummer = 0;
    // a type index from before a deletion or a load may lie past the table
    z.typGewaehlt = 0;
    if (z.wiederTyp >= 0 && z.wiederTyp < static_cast<int>(synapsenTypen.size())) {
        z.typ = z.wiederTyp;
        z.typGewaehlt = 1;
    }
    z.ort = z.gemerkterOrt = 1;
    z.modus = 0;
    z.verzoegerung = neueSynapseVorgaben.verzoegerung;
    z.leitfaehigkeit = neueSynapseVorgaben.leitfaehigkeit;
    z.schwelle = neueSynapseVorgaben.freisetzungsSchwelle;
    z.saettigung = neueSynapseVorgaben.freisetzungsSaettigung;
    // a type without a name comes from a file: said, and the dialog goes on
    if (z.typGewaehlt && synapsenTypen[static_cast<size_t>(z.typ)].bezeichnung.empty() &&
        synapsenTypen.size() != standardSynapsenTypAnzahl)
        hinweisBox(meldungsTexte[34]);
    z.typGetippt = 0;
    z.geoeffnet = 1;
}

void zahlenSchreiben(Fenster dlg)
{
    elementTextSetzen(dlg, idVerzoegerung, feldText(z.verzoegerung));
    elementTextSetzen(dlg, idLeitfaehigkeit, feldText(z.leitfaehigkeit));
    elementTextSetzen(dlg, idSchwelle, feldText(z.schwelle));
    elementTextSetzen(dlg, idSaettigung, feldText(z.saettigung));
}

// "Soma" and "Dendrit 3" are no places for an electrical synapse: they move inwards, and
// a chemical kind later goes back to where the user had it
void elektrischeOrteVerschieben(Fenster dlg)
{
    if (haken(dlg, ortKnoepfe[0])) {
        radiosSetzen(dlg, ortKnoepfe, 1);
        z.gemerkterOrt = 0;
    } else if (haken(dlg, ortKnoepfe[3])) {
        radiosSetzen(dlg, ortKnoepfe, 2);
        z.gemerkterOrt = 3;
    }
}

// Each neuron once in both lists, its number as the entry's data: a neuron without a name
// is listed as "Neuron N", and two neurons of one name stay apart.
void neuroneFuellen(Fenster dlg)
{
    for (int id : {idQuelle, idZiel}) {
        listeLeeren(dlg, id);
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            listeDatenSetzen(dlg, id, listeHinzufuegen(dlg, id, neuronAnzeigename(*n)), n->nummer);
    }
    // the source: the neuron kept, else the entry of the text kept; the target: the neuron
    // kept, else the last target
    const int zielNummer = z.zielNummer ? z.zielNummer : letztesZielNeuron;
    int quelle = -1, ziel = -1;
    for (int p = 0; p < listeAnzahl(dlg, idQuelle); ++p) {
        const auto nummer = listeDaten(dlg, idQuelle, p);
        if (quelle < 0 && (z.quellNummer ? nummer == z.quellNummer : listeText(dlg, idQuelle, p) == z.quelle))
            quelle = p;
        if (ziel < 0 && nummer == zielNummer)
            ziel = p;
    }
    listeAuswahlSetzen(dlg, idQuelle, listeAnzahl(dlg, idQuelle) ? std::max(quelle, 0) : -1);
    listeAuswahlSetzen(dlg, idZiel, listeAnzahl(dlg, idZiel) ? std::max(ziel, 0) : -1);
}

// The neuron a list field names: the selected entry when the field shows its text, else the
// first entry of that text, each by its number; a text no entry has, by the neuron's name.
// An empty field names none.
NeuronDaten* neuronImFeld(Fenster dlg, int id, const std::string& text)
{
    if (text.empty())
        return nullptr;
    const int gewaehlt = listeAuswahl(dlg, id);
    int p = gewaehlt >= 0 && listeText(dlg, id, gewaehlt) == text ? gewaehlt : -1;
    for (int i = 0; p < 0 && i < listeAnzahl(dlg, id); ++i)
        if (listeText(dlg, id, i) == text)
            p = i;
    if (p >= 0)
        return neuronSuchen(static_cast<int>(listeDaten(dlg, id, p)));
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n->name == text)
            return n;
    return nullptr;
}

// the number of the neuron the field names, 0 for none
int nummerImFeld(Fenster dlg, int id, const std::string& text)
{
    const NeuronDaten* n = neuronImFeld(dlg, id, text);
    return n ? n->nummer : 0;
}

void fuellen(Fenster dlg)
{
    // names, radios, view
    elementTextSetzen(dlg, idQuelle, z.quelle);
    elementTextSetzen(dlg, idZiel, z.ziel);
    radiosSetzen(dlg, ortKnoepfe, z.ort > 3 ? 1 : z.ort);
    radiosSetzen(dlg, artKnoepfe, -1);
    ansichtZeigen(dlg);
    // what only the edit dialog shows
    for (int id : {idAus, idDynamik, idDynamikKnopf, idBahnung, idBahnungTyp2, idBahnungKnopf, idPsp, idPspKnopf,
                   idDehnen, idDehnung, idGewichtung, idOeffnungsfaktor, idIdText, idLoeschen})
        elementZeigen(dlg, id, 0);
    // with a type: its kind, its list, the neurons and the numbers
    elementFreigeben(dlg, idNeuerTyp, false);
    if (z.typGewaehlt) {
        elementFreigeben(dlg, idNeuerTyp, true);
        z.art = synapsenTypen[static_cast<size_t>(z.typ)].ion;
        radiosSetzen(dlg, artKnoepfe, z.art - 1);
        if (z.art == ionenArt::Elektrisch) {
            for (int id : modusKnoepfe)
                elementZeigen(dlg, id, 5);
            radiosSetzen(dlg, modusKnoepfe, z.modus);
            for (int id : {idSchwelle, idSaettigung, 1659, 1660}) {
                elementFreigeben(dlg, id, false);
                elementZeigen(dlg, id, 0);
            }
            if (!nurDendrit12() && z.geoeffnet)
                z.verzoegerung = schritt();
            else
                for (int id : {idVerzoegerung, idVerzoegerungText})
                    elementZeigen(dlg, id, 0);
            elektrischeOrteVerschieben(dlg);
            elementFreigeben(dlg, ortKnoepfe[0], !nurDendrit12());
            elementFreigeben(dlg, ortKnoepfe[3], !nurDendrit12());
            elementFreigeben(dlg, idVerzoegerung, !nurDendrit12());
            elementFreigeben(dlg, idPotential, false);
        } else {
            for (int id : modusKnoepfe)
                elementZeigen(dlg, id, 0);
            if (z.geoeffnet)
                z.verzoegerung = neueSynapseVorgaben.verzoegerung;
        }
        z.letzteTypPosition = typListeFuellen(dlg, z.art, -1);
        neuroneFuellen(dlg);
        zahlenSchreiben(dlg);
        dialogElementFokussieren(dlg, idZiel, 1);
    }
    // without a type only a kind can be chosen
    const bool mitTyp = z.typGewaehlt != 0;
    for (int id : {idTyp, idTypLoeschen, idTypZuweisen, idLeitfaehigkeit, 1, befehlOkF2,
                   idQuelle, idZiel, ortKnoepfe[1], ortKnoepfe[2]})
        elementFreigeben(dlg, id, mitTyp);
    if (!mitTyp) {
        for (int id : {idPotential, idVerzoegerung, idSchwelle, idSaettigung, ortKnoepfe[0],
                       ortKnoepfe[3]})
            elementFreigeben(dlg, id, false);
    } else if (z.art != ionenArt::Elektrisch) {
        for (int id : {idPotential, idVerzoegerung, idSchwelle, idSaettigung, ortKnoepfe[0],
                       ortKnoepfe[3], idNeuerTyp})
            elementFreigeben(dlg, id, true);
        for (int id : modusKnoepfe)
            elementZeigen(dlg, id, 0);
    }
    z.geoeffnet = 0;
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

void artGewaehlt(Fenster dlg, int art)
{
    z.art = art;
    if (art != ionenArt::Elektrisch) {
        radiosSetzen(dlg, ortKnoepfe, z.gemerkterOrt);
        for (int id : {idVerzoegerung, idVerzoegerungText, idSchwelle, idSaettigung, 1659, 1660})
            elementZeigen(dlg, id, 5);
        for (int id : modusKnoepfe)
            elementZeigen(dlg, id, 0);
        for (int id : {ortKnoepfe[0], ortKnoepfe[3], idSchwelle, idSaettigung, idVerzoegerung,
                       idPotential, idTyp, idNeuerTyp, idTypLoeschen, idTypZuweisen})
            elementFreigeben(dlg, id, true);
    } else {
        elementZeigen(dlg, idVerzoegerung, nurDendrit12() ? 0 : 5);
        elementZeigen(dlg, idVerzoegerungText, nurDendrit12() ? 0 : 5);
        for (int id : {idSchwelle, idSaettigung, 1659, 1660})
            elementZeigen(dlg, id, 0);
        for (int id : modusKnoepfe)
            elementZeigen(dlg, id, 5);
        elektrischeOrteVerschieben(dlg);
        elementFreigeben(dlg, ortKnoepfe[0], !nurDendrit12());
        elementFreigeben(dlg, ortKnoepfe[3], !nurDendrit12());
        for (int id : {idNeuerTyp, idSchwelle, idSaettigung, idPotential, idTyp,
                       idTypLoeschen, idTypZuweisen})
            elementFreigeben(dlg, id, false);
        elementFreigeben(dlg, idVerzoegerung, !nurDendrit12());
    }
    if (z.typGewaehlt) {
        z.letzteTypPosition = typListeFuellen(dlg, art, -1);
        return;
    }
    // the first choice of a kind opens the dialog again with that kind's first type
    const int erster = ersterTypDerArt(art);
    if (erster < 0) {
        hinweisBox(meldungsTexte[1201]);
        return;
    }
    z.wiederTyp = erster;
    tastaturHookEntfernen();
    dialogBeenden(dlg, synapseNeuWiederOeffnen);
    neuRahmen.frisch = 1;
}

void typFeld(Fenster dlg, int code)
{
    if (code == benachrichtigung::AuswahlGeaendert) {
        const int p = listeAuswahl(dlg, idTyp);
        if (p >= 0) {
            const auto i = static_cast<size_t>(listeDaten(dlg, idTyp, p));
            elementTextSetzen(dlg, idPotential, feldText(synapsenTypen[i].potential));
            z.letzteTypPosition = p;
        }
        z.typGetippt = 0;
    } else if (code == benachrichtigung::KombiEditGeaendert) {
        z.typGetippt = 1;
    }
}

// a potential typed for a new type: a number, else the notice naming the field
bool potentialLesen(Fenster dlg, double& potential)
{
    return dialogZahlFeldLesen(dlg, idPotential, potential);
}

// a type name fits the files' field: 1..127 bytes
bool typNameGueltig(Fenster dlg, const std::string& name)
{
    if (!name.empty() && name.size() <= synapsenTypNameLaenge)
        return true;
    hinweisBox(meldungFormatieren(1203, synapsenTypNameLaenge));
    dialogElementFokussieren(dlg, idTyp, 1);
    return false;
}

void typZuweisen(Fenster dlg)
{
    const int p = listeAuswahl(dlg, idTyp);
    if (p < 0) {
        hinweisBox(meldungsTexte[1200]);
        return;
    }
    z.letzteTypPosition = p;
    const SynapsenTyp& t = synapsenTypen[static_cast<size_t>(listeDaten(dlg, idTyp, p))];
    if (sysInfoBox(meldungFormatieren(303, t.bezeichnung, t.potential), knoepfe::JaNein) == antwort::Ja)
        z.typ = typNachName(t.bezeichnung);
}

void neuerTyp(Fenster dlg)
{
    const std::string potentialText = elementText(dlg, idPotential, 255);
    const std::string name = elementText(dlg, idTyp, 256);
    bool neu = false;
    if (typNachName(name) < 0) {
        if (!typNameGueltig(dlg, name))
            return;
        double potential = 0.0;
        if (!potentialLesen(dlg, potential))
            return;
        if (sysInfoBox(meldungFormatieren(304, potentialText, name), knoepfe::JaNein) != antwort::Ja)
            return;
        synapsenTypen.push_back({z.art, potential, name});
        synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
        z.letzteTypPosition = typListeFuellen(dlg, z.art, synapsenTypAnzahl - 1);
        neu = true;
    }
    if (neu && z.typGetippt) {
        dialogElementFokussieren(dlg, idPotential, 0);
        senden(dlg, nachricht::Befehl, machWParam(idTypZuweisen, 0), 0);
    } else {
        hinweisBox(meldungsTexte[32]);
        dialogElementFokussieren(dlg, idTyp, 1);
    }
}

void typLoeschen(Fenster dlg)
{
    // the type index follows the table: by name, or the kind's first type when it was this one
    if (typAusListeLoeschen(dlg, z.letzteTypPosition, z.typ) && z.typ < 0)
        z.typ = std::max(ersterTypDerArt(z.art), 0);
}

void einfacheAnsicht(Fenster dlg)
{
    // the refill selects the neurons picked so far
    z.quellNummer = nummerImFeld(dlg, idQuelle, elementText(dlg, idQuelle, 256));
    z.zielNummer = nummerImFeld(dlg, idZiel, elementText(dlg, idZiel, 256));
    dialogEinstellungen.synapsenDialogAnzeige = haken(dlg, idEinfach) ? 0 : 5;
    // the refill writes the working values: what was typed stays
    z.quelle = elementText(dlg, idQuelle, 256);
    z.ziel = elementText(dlg, idZiel, 256);
    // a text without a number is not taken, so the refill shows the working value there
    for (auto [id, feld] : {std::pair{idVerzoegerung, &z.verzoegerung}, {idLeitfaehigkeit, &z.leitfaehigkeit},
                            {idSchwelle, &z.schwelle}, {idSaettigung, &z.saettigung}})
        dialogTextZahl(elementText(dlg, id, 255), *feld);
    z.ort = letzterHaken(dlg, ortKnoepfe, z.ort);
    neuFuellen(dlg);
}

// The delay below the run's least: corrected in its field, with a beep, and the dialog
// stays open with everything else as typed.
bool verzoegerungPruefen(Fenster dlg)
{
    const ZahlFeld feld{idVerzoegerung, idVerzoegerungText};
    double d = z.verzoegerung;
    if (!zahlFeldLesen(dlg, feld, d))
        return false;
    const bool elektrisch = synapsenTypIon(z.typ) == ionenArt::Elektrisch;
    double mindestens = 0.0;
    if (!nurDendrit12())
        mindestens = elektrisch ? schritt() : 2.0 * schritt();
    if (mindestens > 0.0 && d < mindestens) {
        z.verzoegerung = mindestens;
        piepen(1000, 100);
        elementTextSetzen(dlg, idVerzoegerung, feldText(mindestens));
        dialogElementFokussieren(dlg, idVerzoegerung, 1);
        return false;
    }
    // without a least, a delay below 0 is no delay at all: refused, not taken as 0 (a hidden
    // field is not checked)
    if (d < 0.0 && elementIstSichtbar(dlg, idVerzoegerung)) {
        hinweisBox(meldungFormatieren(954, elementText(dlg, idVerzoegerungText)));
        dialogElementFokussieren(dlg, idVerzoegerung, 1);
        return false;
    }
    if (ringSchritte(d) < 0) {
        hinweisBox(meldungFormatieren(1202, elementText(dlg, idVerzoegerungText)));
        dialogElementFokussieren(dlg, idVerzoegerung, 1);
        return false;
    }
    z.verzoegerung = d;
    return true;
}

bool axoKonflikt(const NeuronDaten& ziel, int ort, int typ)
{
    for (const SynapsenPool* p = ziel.eingangsPools; p; p = p->naechsterPool) {
        if (p->zielBereich != ort)
            continue;
        for (const SenderKnoten* k = p->sender; k; k = k->naechste)
            if (k->synapse && k->synapse->axoAnzahl > 0 && k->synapse->synapsenTyp == typ)
                return true;
    }
    return false;
}

void ok(Fenster dlg, int id)
{
    // the fields; every refusal leaves the dialog open
    z.quelle = elementText(dlg, idQuelle, 256);
    z.ziel = elementText(dlg, idZiel, 256);
    double g = 0.0, schwelle = 0.0, saettigung = 0.0;
    if (!verzoegerungPruefen(dlg) || !dialogZahlFeldLesen(dlg, idLeitfaehigkeit, g) ||
        !dialogZahlFeldLesen(dlg, idSchwelle, schwelle) || !dialogZahlFeldLesen(dlg, idSaettigung, saettigung))
        return;
    z.leitfaehigkeit = g;
    z.schwelle = schwelle;
    z.saettigung = saettigung;
    z.ort = letzterHaken(dlg, ortKnoepfe, z.ort);
    z.modus = letzterHaken(dlg, modusKnoepfe, z.modus);
    // the type by its name
    const int typ = typNachName(elementText(dlg, idTyp, 256));
    if (typ < 0) {
        hinweisBox(meldungsTexte[3]);
        dialogElementFokussieren(dlg, idTyp, 1);
        return;
    }
    z.typ = typ;
    // source and target: the entries' neurons, by number
    NeuronDaten* quelle = neuronImFeld(dlg, idQuelle, z.quelle);
    NeuronDaten* ziel = neuronImFeld(dlg, idZiel, z.ziel);
    if (!quelle || !ziel) {
        hinweisBox(meldungsTexte[35]);
        dialogElementFokussieren(dlg, idQuelle, 1);
        return;
    }
    // an Izhikevich neuron has its soma only
    if (ziel->izhikevichAktiv && z.ort != kontaktort::Soma) {
        hinweisBox(meldungFormatieren(305, neuronAnzeigename(*ziel)));
        dialogElementFokussieren(dlg, idQuelle, 1);
        return;
    }
    // one type with axo-axonic synapses per segment
    if (axoKonflikt(*ziel, z.ort, z.typ)) {
        hinweisBox(meldungsTexte[464]);
        dialogElementFokussieren(dlg, idTyp, 1);
        return;
    }
    // 9./10. the synapse under the reserved id; a failed one has said why, nothing is made
    SynapseDaten* s = synapseNeu(quelle, ziel, z.typ, z.leitfaehigkeit, z.verzoegerung, z.schwelle, z.saettigung,
                                 z.ort, nullptr);
    if (!s)
        return;
    s->id = z.reservierteId ? z.reservierteId : s->id;
    synapsenTabelleSetzen(s->id, s);
    s->elektrischerTyp = z.modus;
    aktuelleSynapse = s;
    letztesZielNeuron = ziel->nummer;
    // 11.-13.
    nutzungBeenden(dlg, 1);
    if (id == befehlOkF2) {
        ungueltigMachen(fensterhandles.hauptfenster);
        neuZeichnen(fensterhandles.hauptfenster);
        simulationAusDialogStarten();
    }
    undoSchrittSpeichern(undoListe);
}

void abbrechen(Fenster dlg)
{
    // exactly what this use took is given back
    if (z.reservierteId)
        hoechsteSynapsenId = z.hoechsteVorher;
    nutzungBeenden(dlg, 2);
}

} // namespace

intptr_t synapseNeuDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, neuRahmen);
        return 0;
    case nachricht::DialogInit:
        dialogInitialisieren(dlg, neuRahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        if (const int art = artVonKnopf(id)) {
            artGewaehlt(dlg, art);
            return 0;
        }
        switch (id) {
        case idTyp: typFeld(dlg, hiWort(w)); break;
        case idNeuerTyp: neuerTyp(dlg); break;
        case idTypLoeschen: typLoeschen(dlg); break;
        case idTypZuweisen: typZuweisen(dlg); break;
        case idEinfach: einfacheAnsicht(dlg); break;
        case 1:
        case befehlOkF2: ok(dlg, id); break;
        case 2: abbrechen(dlg); break;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t synapseNeuDialogOeffnen(Fenster eigner)
{
    intptr_t ergebnis = 0;
    do {
        ergebnis = dialogModal(vorlageSynapse, eigner, synapseNeuDlgProc);
        einstellungenAktualisieren(nullptr, 0);
    } while (ergebnis == synapseNeuWiederOeffnen);
    return ergebnis;
}
