// dialogs/synapsentypen.cpp - the synapse types dialog (134): the type table edited as a
// whole on a working copy that OK commits and Cancel drops
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/schluessel.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsenfelder.h"
#include "model/anzeigeeinstellungen.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cmath>

using namespace plattform;

namespace {

// one row per kind 1..4 (index kind - 1); the electrical row has no buttons
struct ArtZeile {
    int liste, potential, anzahl, loeschen, neu, edit;
};
constexpr std::array<ArtZeile, 4> zeilen = {{
    {1246, 1224, 1236, 1250, 1254, 1258},
    {1247, 1225, 1238, 1251, 1255, 1259},
    {1248, 1226, 1239, 1252, 1256, 1260},
    {1249, 1227, 1240, 0, 0, 0},
}};
constexpr std::array<double, 4> standardPotential = {0.05, -0.09, -0.08, 0.0};
constexpr int idEinschraenken = 1803;
constexpr double groesstesPotential = 0.1;

DialogRahmen typenRahmen;
SynapsenTypArbeitskopie kopie;
int nurDendrit12 = 0;
std::array<int, 4> anzahl{};
// the list positions "edit" remembers, for the program run
std::array<int, 4> gemerktePosition = {-1, -1, -1, -1};
std::array<SynapsenTyp, 4> neuerTyp{};
int aktuelleArt = 1;
int listeGetippt = 0;

const ArtZeile& zeile(int art) { return zeilen[static_cast<size_t>(art - 1)]; }

// the working entry behind a list position
SynapsenTyp* eintragAn(Fenster dlg, int art, int position)
{
    if (position < 0)
        return nullptr;
    const auto i = static_cast<size_t>(listeDaten(dlg, zeile(art).liste, position));
    return i < kopie.tabelle.size() ? &kopie.tabelle[i] : nullptr;
}

void positionZeigen(Fenster dlg, int art, int position)
{
    const ArtZeile& z = zeile(art);
    listeAuswahlSetzen(dlg, z.liste, position);
    if (const SynapsenTyp* t = eintragAn(dlg, art, position)) {
        elementTextSetzen(dlg, z.liste, t->bezeichnung);
        elementTextSetzen(dlg, z.potential, feldText(t->potential));
    }
}

// every list from the working table, each at its remembered position (else its first)
void listenFuellen(Fenster dlg)
{
    anzahl = {};
    for (const ArtZeile& z : zeilen) {
        listeLeeren(dlg, z.liste);
        elementTextSetzen(dlg, z.liste, "");
        elementTextSetzen(dlg, z.potential, "");
    }
    for (size_t i = 0; i < kopie.tabelle.size(); ++i) {
        SynapsenTyp& t = kopie.tabelle[i];
        if (t.ion < 1 || t.ion > 4)
            continue;
        if (t.bezeichnung.empty())
            t.bezeichnung = stdSynapsenTypen[static_cast<size_t>(t.ion - 1)].bezeichnung;
        const ArtZeile& z = zeile(t.ion);
        listeDatenSetzen(dlg, z.liste, listeHinzufuegen(dlg, z.liste, t.bezeichnung), static_cast<intptr_t>(i));
        elementTextSetzen(dlg, z.anzahl, std::to_string(++anzahl[static_cast<size_t>(t.ion - 1)]));
    }
    for (int art = 1; art <= 4; ++art) {
        const int gemerkt = gemerktePosition[static_cast<size_t>(art - 1)];
        const int n = anzahl[static_cast<size_t>(art - 1)];
        elementTextSetzen(dlg, zeile(art).anzahl, std::to_string(n));
        if (n > 0)
            positionZeigen(dlg, art, gemerkt > 0 && gemerkt < n ? gemerkt : 0);
    }
}

void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    editierStatus &= ~0x4u;
    if (synapsenTypen.empty())
        simulationsParameterPruefen(dlg);
    if (!synapsenTypArbeitskopieNehmen(kopie)) {
        endeMelden(EndeForm::Info, meldungsTexte[108]);
        return;
    }
    nurDendrit12 = netzvorgaben.elektrischeSynapsenEingeschraenkt;
    listeGetippt = 0;
}

void fuellen(Fenster dlg)
{
    listenFuellen(dlg);
    hakenSetzen(dlg, idEinschraenken, nurDendrit12 ? 1 : 0);
    elementFreigeben(dlg, zeilen[3].liste, false);
    elementFreigeben(dlg, zeilen[3].potential, false);
}

void listeBenachrichtigt(Fenster dlg, int art, int code)
{
    aktuelleArt = art;
    const ArtZeile& z = zeile(art);
    const auto potentialZeigen = [&] {
        if (const SynapsenTyp* t = eintragAn(dlg, art, listeAuswahl(dlg, z.liste)))
            elementTextSetzen(dlg, z.potential, feldText(t->potential));
    };
    if (code == benachrichtigung::AuswahlGeaendert)
        potentialZeigen();
    else if (code == benachrichtigung::KombiEditGeaendert) {
        listeGetippt = 1;
        neuerTyp[static_cast<size_t>(art - 1)].bezeichnung = elementText(dlg, z.liste, 256);
    } else if (code == benachrichtigung::AuswahlOk && listeGetippt)
        potentialZeigen();
}

enum class Antwort { Abgebrochen, Gelesen, Verweigert };

// What the input dialog offers: the number the potential field shows (also into wert), or,
// when it shows none, its text as typed, so the question names it again.
std::string potentialVorgabe(Fenster dlg, int feld, double& wert)
{
    const std::string text = elementText(dlg, feld, 255);
    return dialogTextZahl(text, wert) ? feldText(wert) : text;
}

// the input dialog over the disabled types dialog; a text without a number gets the notice
// naming the input, a value outside -0.1..0.1 V message 307 with the value
Antwort potentialErfragen(Fenster dlg, double& potential)
{
    freigeben(dlg, false);
    const intptr_t ergebnis = eingabeDialogOeffnen();
    freigeben(dlg, true);
    if (ergebnis != 1)
        return Antwort::Abgebrochen;
    double x = 0.0;
    if (!dialogTextZahl(eingabeParameter.eingabeText, x)) {
        hinweisBox(meldungFormatieren(952, eingabeParameter.eingabeBeschriftung));
        return Antwort::Verweigert;
    }
    if (!(std::fabs(x) <= groesstesPotential)) {
        hinweisBox(meldungFormatieren(307, x));
        return Antwort::Verweigert;
    }
    potential = x;
    return Antwort::Gelesen;
}

void neu(Fenster dlg, int art)
{
    const ArtZeile& z = zeile(art);
    SynapsenTyp& rekord = neuerTyp[static_cast<size_t>(art - 1)];
    const std::string name = elementText(dlg, z.liste, 256);
    for (const SynapsenTyp& t : kopie.tabelle)
        if (t.bezeichnung == name) {
            piepen(1000, 100);
            hinweisBox(meldungFormatieren(308, name));
            return;
        }
    if (name.empty() || name.size() > synapsenTypNameLaenge) {
        hinweisBox(meldungFormatieren(1203, synapsenTypNameLaenge));
        return;
    }
    rekord.bezeichnung = name;
    rekord.ion = art;
    rekord.potential = 0.0;
    eingabeParameter.text1 = meldungFormatieren(151, name);
    eingabeParameter.titel = meldungsTexte[150];
    eingabeParameter.eingabeBeschriftung = meldungsTexte[152];
    eingabeParameter.eingabeText = potentialVorgabe(dlg, z.potential, rekord.potential);
    double potential = 0.0;
    const Antwort a = potentialErfragen(dlg, potential);
    if (a == Antwort::Gelesen) {
        rekord.potential = potential;
        kopie.tabelle.push_back(rekord);
        listenFuellen(dlg);
    } else if (a == Antwort::Verweigert) {
        // the kind's standard potential stands in
        rekord.potential = standardPotential[static_cast<size_t>(art - 1)];
        elementTextSetzen(dlg, z.potential, feldText(rekord.potential));
    }
    for (int k = 1; k <= 4; ++k) {
        const int gemerkt = gemerktePosition[static_cast<size_t>(k - 1)];
        if (anzahl[static_cast<size_t>(k - 1)] > 0)
            positionZeigen(dlg, k, gemerkt > 0 && gemerkt < anzahl[static_cast<size_t>(k - 1)] ? gemerkt : 0);
    }
    const int gefunden = listeSuchen(dlg, z.liste, name);
    if (gefunden >= 0 && listeText(dlg, z.liste, gefunden) == name) {
        listeAuswahlSetzen(dlg, z.liste, gefunden);
        elementTextSetzen(dlg, z.liste, name);
        elementTextSetzen(dlg, z.potential, feldText(rekord.potential));
    }
}

// the list position of the type the kind's list names, -1 after a beep and the message
int genannterTyp(Fenster dlg, int art, int meldung)
{
    const ArtZeile& z = zeile(art);
    const std::string name = elementText(dlg, z.liste, 256);
    for (int p = 0; p < listeAnzahl(dlg, z.liste); ++p)
        if (listeText(dlg, z.liste, p) == name)
            return p;
    piepen(1000, 100);
    hinweisBox(meldungFormatieren(meldung, name));
    return -1;
}

void loeschen(Fenster dlg, int art)
{
    if (listeAnzahl(dlg, zeile(art).liste) < 2) {
        hinweisBox(meldungsTexte[28]);
        return;
    }
    const int p = genannterTyp(dlg, art, 29);
    const SynapsenTyp* t = eintragAn(dlg, art, p);
    if (!t)
        return;
    // only the copy loses it; the synapses follow at OK (a type in use is refused)
    const SynapsenTyp kandidat = *t;
    synapsenTypLoeschen(&kandidat, kopie);
    listenFuellen(dlg);
}

void edit(Fenster dlg, int art)
{
    const ArtZeile& z = zeile(art);
    const int p = genannterTyp(dlg, art, 36);
    if (p < 0)
        return;
    gemerktePosition[static_cast<size_t>(art - 1)] = p;
    const size_t i = static_cast<size_t>(listeDaten(dlg, z.liste, p));
    eingabeParameter.text1 = meldungFormatieren(37, kopie.tabelle[i].bezeichnung);
    eingabeParameter.titel = meldungsTexte[38];
    eingabeParameter.eingabeBeschriftung = meldungsTexte[5];
    double gezeigt = 0.0;
    eingabeParameter.eingabeText = potentialVorgabe(dlg, z.potential, gezeigt);
    double potential = 0.0;
    if (potentialErfragen(dlg, potential) == Antwort::Gelesen)
        kopie.tabelle[i].potential = potential;
    elementTextSetzen(dlg, z.potential, feldText(kopie.tabelle[i].potential));
}

// Switching the restriction off: electrical synapses with the new-synapse delay may get
// two run steps instead, after one question.
void elektrischeVerzoegerungen()
{
    bool gefragt = false;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            if (synapsenTypIon(s->synapsenTyp) != ionenArt::Elektrisch ||
                s->verzoegerung != neueSynapseVorgaben.verzoegerung)
                continue;
            if (!gefragt) {
                if (sysInfoBox(meldungsTexte[539], knoepfe::JaNein) != antwort::Ja)
                    return;
                gefragt = true;
            }
            s->verzoegerung = 2.0 * simulationsParameter.schrittweite;
        }
}

void ok(Fenster dlg)
{
    const int neuerWert = haken(dlg, idEinschraenken);
    if (!synapsenTypenUebernehmen(kopie)) {
        endeMelden(EndeForm::Info, meldungsTexte[712]);
        return;
    }
    if (netzvorgaben.elektrischeSynapsenEingeschraenkt && !neuerWert)
        elektrischeVerzoegerungen();
    netzvorgaben.elektrischeSynapsenEingeschraenkt = neuerWert;
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, typenRahmen, 1, false);
    kopie = {};
}

} // namespace

intptr_t synapsenTypenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, typenRahmen);
        return 0;
    case nachricht::DialogInit:
        dialogInitialisieren(dlg, typenRahmen,
                             {oeffnen, [](Fenster d) { vorlagenTexteSetzen(d, vorlageSynapsentypen); }, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        for (int art = 1; art <= 4; ++art) {
            const ArtZeile& z = zeile(art);
            if (id == z.liste)
                listeBenachrichtigt(dlg, art, hiWort(w));
            else if (art < 4 && (id == z.neu || id == z.loeschen || id == z.edit)) {
                aktuelleArt = art;
                if (id == z.neu)
                    neu(dlg, art);
                else if (id == z.loeschen)
                    loeschen(dlg, art);
                else
                    edit(dlg, art);
            } else
                continue;
            return 0;
        }
        if (id == 1)
            ok(dlg);
        else if (id == 2) {
            dialogSchliessen(dlg, typenRahmen, 2, false);
            kopie = {};
        }
        return 0;
    }
    }
    return 0;
}

intptr_t synapsenTypenDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageSynapsentypen, eigner, synapsenTypenDlgProc);
}
