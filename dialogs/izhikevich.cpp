// dialogs/izhikevich.cpp - the Izhikevich types dialog "Parameter fuer schnellen Simulationstyp" (303)
//
// The dialog edits the Izhikevich values of the marked neurons and a working copy of the
// named types; OK writes the neurons, makes the compacted copy the program's table and
// saves it to the type file.
#include "dialogs/izhikevich.h"
#include "dialogs/neuronname.h"
#include "dialogs/rahmen.h"
#include "files/izhikevichtypen.h"
#include "model/izhikevich.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cstdio>

using namespace plattform;

namespace {

enum : int {
    idA = 1924, idB = 1925, idC = 1926, idD = 1927, idTau = 1928, idNaE = 1929, idName = 1931,
    idV = 1935, idU = 1936, idKorrigieren = 2066, idListe = 1930,
    idNeu = 1932, idAendern = 1933, idLoeschen = 1934, idWiederherstellen = 1937,
};

struct Werte {
    IzhikevichTyp typ;
    int korrigieren = 0;
};

DialogRahmen rahmen;
NeuronDaten* neuron = nullptr;
std::array<IzhikevichTyp, izhikevichTypenMax> arbeit;
int arbeitAnzahl = 0;
int gewaehlt = -1;
bool typGewaehlt = false;
bool wiederherstellen = false;
Werte gezeigt, anfang;

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

// the run's step in ms, as the Izhikevich step follows it
double laufSchrittMs() { return simulationsParameter.schrittweite * 1000.0; }

// Yes: the file's step; No: the run's; Cancel: false, the dialog closes
bool schrittAbgleichen(const IzhikevichDatei& datei)
{
    Simulationsparameter& sp = simulationsParameter;
    if (!datei.schrittDa || datei.schrittMs == laufSchrittMs()) {
        sp.izhikevichSchrittweite = datei.schrittDa ? datei.schrittMs : laufSchrittMs();
        return true;
    }
    const double lauf = sp.schrittweite, ausDatei = datei.schrittMs / 1000.0;
    const int a = sysInfoBox(meldungFormatieren(332, lauf, ausDatei, lauf, ausDatei), knoepfe::JaNeinAbbrechen);
    if (a == antwort::Ja) {
        sp.izhikevichSchrittweite = datei.schrittMs;
        laufzeitSetzen(sp.simulationsDauer, ausDatei);   // the step count follows
        return true;
    }
    if (a == antwort::Nein) {
        sp.izhikevichSchrittweite = laufSchrittMs();
        return true;
    }
    return false;
}

// the program's table from the file, once; false when the user cancels the step question
bool typenLesen()
{
    IzhikevichDatei datei;
    if (!izhikevichTypenLesen(izhikevichTypenPfad(), datei)) {
        izhikevichTypen = {izhikevichStandardTyp()};
        return true;
    }
    if (!schrittAbgleichen(datei))
        return false;
    if (datei.typen.empty()) {
        hinweisBox(meldungFormatieren(347, dateipfade.programmVerzeichnis));
        datei.typen = {izhikevichStandardTyp()};
    }
    izhikevichTypen = std::move(datei.typen);
    return true;
}

// the values of a type as a neuron holds them
void typAusNeuron(const NeuronDaten& n, Werte& w)
{
    w.typ = {n.izA, n.izB, n.izC, n.izD, n.izSpitze, n.izVStart, n.izUStart, n.izhikevichBezeichnung};
    w.korrigieren = n.izhikevichKorrigieren;
}

// the opening's own work; false when the dialog closes at once
bool oeffnen(Fenster dlg, NeuronDaten* n)
{
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    neuron = n;
    if (!neuron) {
        hinweisBox(meldungsTexte[492]);
        return false;
    }
    if (izhikevichTypen.empty() && !typenLesen())
        return false;
    // a new neuron takes type 0 at once, whatever the user does next
    if (neuron->izA <= 0.0) {
        const IzhikevichTyp& t = izhikevichTypen.front();
        neuron->izA = t.a;
        neuron->izB = t.b;
        neuron->izC = t.c;
        neuron->izD = t.d;
        neuron->izSpitze = t.naE;
        neuron->izVStart = t.V;
        neuron->izVNeu = 0.0;
        neuron->izUStart = t.U;
        neuron->izUNeu = 0.0;
        neuron->izhikevichSchrittFunktion = izhikevichSchritt;
        neuron->izhikevichKorrigieren = 0;
        neuron->izhikevichBezeichnung = t.name;
    }
    if (!neuron->izhikevichSchrittFunktion)
        neuron->izhikevichSchrittFunktion = izhikevichSchritt;
    typAusNeuron(*neuron, gezeigt);
    anfang = gezeigt;
    arbeit.fill(IzhikevichTyp{});
    arbeitAnzahl = static_cast<int>(izhikevichTypen.size());
    for (int i = 0; i < arbeitAnzahl; ++i)
        arbeit[static_cast<size_t>(i)] = izhikevichTypen[static_cast<size_t>(i)];
    gewaehlt = -1;
    typGewaehlt = false;
    wiederherstellen = false;
    return true;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageIzhikevich); }

void fuellen(Fenster dlg)
{
    if (gewaehlt >= 0 && !wiederherstellen) {
        gezeigt.typ = arbeit[static_cast<size_t>(gewaehlt)];
    } else if (wiederherstellen) {
        wiederherstellen = false;
        gezeigt = anfang;
    }
    listeLeeren(dlg, idListe);
    for (int i = 0; i < arbeitAnzahl; ++i) {
        const IzhikevichTyp& t = arbeit[static_cast<size_t>(i)];
        if (t.a == 0.0)
            continue;
        const int eintrag = listeHinzufuegen(dlg, idListe, t.name);
        listeDatenSetzen(dlg, idListe, eintrag, i);
        if (i == gewaehlt)
            listeAuswahlSetzen(dlg, idListe, eintrag);
    }
    if (gewaehlt < 0)
        listeAuswahlSetzen(dlg, idListe, -1);
    hakenSetzen(dlg, idKorrigieren, gezeigt.korrigieren != 0 ? 1 : 0);
    const IzhikevichTyp& t = gezeigt.typ;
    const std::pair<int, double> felder[] = {{idA, t.a}, {idB, t.b}, {idC, t.c}, {idD, t.d},
                                             {idNaE, t.naE}, {idV, t.V}, {idU, t.U}, {idTau, laufSchrittMs()}};
    for (const auto& [id, wert] : felder)
        elementTextSetzen(dlg, id, zahlText(wert));
    elementTextSetzen(dlg, idName, t.name.empty() ? "unbenannt" : t.name);
    dialogElementFokussieren(dlg, idName, 1);
    dialogElementAktivieren(dlg, idTau, 0);
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// the seven numbers of the edits, or (after the notice naming the first bad field) nothing
bool zahlenLesen(Fenster dlg, IzhikevichTyp& t)
{
    IzhikevichTyp neu = t;
    for (const auto& [id, feld] : {std::pair{idA, &IzhikevichTyp::a}, {idB, &IzhikevichTyp::b},
                                   {idC, &IzhikevichTyp::c}, {idD, &IzhikevichTyp::d},
                                   {idNaE, &IzhikevichTyp::naE}, {idV, &IzhikevichTyp::V},
                                   {idU, &IzhikevichTyp::U}})
        if (!dialogZahlFeldLesen(dlg, id, neu.*feld))
            return false;
    t = neu;
    return true;
}

bool nameLesen(Fenster dlg, std::string& name)
{
    return dialogNameLesen(dlg, idName, izhikevichTypenMax - 1, name);
}

void neu(Fenster dlg)
{
    int frei = -1;
    for (int i = 0; i < izhikevichTypenMax && frei < 0; ++i)
        if (arbeit[static_cast<size_t>(i)].a == 0.0)
            frei = i;
    if (frei < 0) {
        hinweisBox(meldungsTexte[493]);
        return;
    }
    std::string name;
    if (!nameLesen(dlg, name))
        return;
    // free entries keep their names: a type deleted in this opening still counts
    for (const IzhikevichTyp& t : arbeit)
        if (t.name == name) {
            hinweisBox(meldungFormatieren(349, name));
            dialogElementFokussieren(dlg, idName, 1);
            return;
        }
    IzhikevichTyp gelesen;
    if (!zahlenLesen(dlg, gelesen))
        return;
    gewaehlt = frei;
    if (frei >= arbeitAnzahl)
        arbeitAnzahl = frei + 1;
    IzhikevichTyp& t = arbeit[static_cast<size_t>(frei)];
    t = gelesen;
    t.name = name;
    neuFuellen(dlg);
}

void aendern(Fenster dlg)
{
    const int auswahl = listeAuswahl(dlg, idListe);
    if (!typGewaehlt || auswahl < 0) {
        piepen(1000, 40);
        return;
    }
    gewaehlt = static_cast<int>(listeDaten(dlg, idListe, auswahl));
    IzhikevichTyp& t = arbeit[static_cast<size_t>(gewaehlt)];
    if (t.name.empty()) {
        if (!zahlenLesen(dlg, gezeigt.typ))
            return;
        dialogElementFokussieren(dlg, idListe, 0);
    } else if (sysInfoBox(meldungFormatieren(348, t.name), knoepfe::JaNein) == antwort::Ja) {
        std::string name;
        if (!nameLesen(dlg, name) || !zahlenLesen(dlg, t))
            return;
        t.name = name;
    }
    neuFuellen(dlg);
}

void loeschen(Fenster dlg)
{
    const int auswahl = listeAuswahl(dlg, idListe);
    const int eintrag = auswahl < 0 ? -1 : static_cast<int>(listeDaten(dlg, idListe, auswahl));
    if (eintrag <= 0) {
        piepen(1000, 40);           // type 0 stays, and without a choice there is nothing to delete
        return;
    }
    arbeit[static_cast<size_t>(eintrag)].a = 0.0;
    gewaehlt = 0;
    neuFuellen(dlg);
}

void werteSetzen(NeuronDaten& n, const Werte& w)
{
    n.izA = w.typ.a;
    n.izB = w.typ.b;
    n.izC = w.typ.c;
    n.izD = w.typ.d;
    n.izVStart = w.typ.V;
    n.izUStart = w.typ.U;
    n.izSpitze = w.typ.naE;
    n.izhikevichKorrigieren = w.korrigieren;
    n.izhikevichBezeichnung = w.typ.name;
}

intptr_t speichern(Fenster dlg, int id)
{
    // the edits
    Werte w;
    if (!nameLesen(dlg, w.typ.name) || !zahlenLesen(dlg, w.typ))
        return 1;
    w.korrigieren = haken(dlg, idKorrigieren);
    // the neurons
    if (markierteNeurone.anzahl() < 2) {
        werteSetzen(*neuron, w);
    } else {
        for (NeuronDaten* n : markierteNeurone.liste)
            werteSetzen(*n, w);
    }
    // the compacted table, and the file; a failed write keeps the old file
    std::vector<IzhikevichTyp> typen;
    for (int i = 0; i < arbeitAnzahl; ++i)
        if (arbeit[static_cast<size_t>(i)].a != 0.0)
            typen.push_back(arbeit[static_cast<size_t>(i)]);
    izhikevichTypen = typen;
    // the table's file as the disk names it, which its read may have found ignoring case
    const std::string pfad = gefundenenNamenNehmen(izhikevichTypenPfad());
    if (!izhikevichTypenSchreiben(pfad, simulationsParameter.izhikevichSchrittweite, typen))
        hinweisBox(meldungFormatieren(223, pfad));
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    return 1;
}

} // namespace

intptr_t izhikevichDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;

    case nachricht::DialogInit:
        if (rahmen.frisch && !oeffnen(dlg, reinterpret_cast<NeuronDaten*>(l))) {
            dialogSchliessen(dlg, rahmen, 2, true);
            return 1;
        }
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;

    case nachricht::Befehl: {
        const int id = loWort(w);
        switch (id) {
        case idListe:
            if (hiWort(w) == benachrichtigung::AuswahlGeaendert) {
                const int auswahl = listeAuswahl(dlg, idListe);
                if (auswahl >= 0) {
                    gewaehlt = static_cast<int>(listeDaten(dlg, idListe, auswahl));
                    typGewaehlt = true;
                    neuFuellen(dlg);
                }
            }
            return 1;
        case idNeu: neu(dlg); return 1;
        case idAendern: aendern(dlg); return 1;
        case idLoeschen: loeschen(dlg); return 1;
        case idWiederherstellen:
            wiederherstellen = true;
            neuFuellen(dlg);
            return 1;
        case 1:
        case befehlOkF2: return speichern(dlg, id);
        case 2: dialogSchliessen(dlg, rahmen, 2, true); return 0;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t izhikevichDialogOeffnen(Fenster eigner, NeuronDaten* n)
{
    return dialogModal(vorlageIzhikevich, eigner ? eigner : fensterhandles.hauptfenster, izhikevichDlgProc,
                       reinterpret_cast<intptr_t>(n));
}
