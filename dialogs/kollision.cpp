// dialogs/kollision.cpp - "Einstellungen fuer Kollisions-Objekte" (316): one collision object
// on a working copy that only OK gives back
#include "dialogs/objektdialoge.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cstdio>
#include <iterator>
#include <string>

using namespace plattform;

namespace {

enum : int {
    idAktiv = 2066, idAkustisch = 2067, idName = 2210, idLaufzeit = 2199, idReizDauer = 2213,
    idReizAmplitude = 2215, idSomaAxon = 2217, idGraphik = 2209, idLoeschen = 2212,
};
constexpr int elementListen[4] = {2203, 2204, 2206, 2208};   // axon 1, axon 2, soma 1, soma 2

DialogRahmen rahmen;
Kollisionsobjekt* objekt = nullptr;
Kollisionsobjekt kopie;

struct ZahlFeld { int id; double Kollisionsobjekt::*feld; };
constexpr ZahlFeld zahlFelder[] = {{idLaufzeit, &Kollisionsobjekt::fortleitungsdauer},
                                   {idReizDauer, &Kollisionsobjekt::reizDauer},
                                   {idReizAmplitude, &Kollisionsobjekt::reizAmplitude},
                                   {idSomaAxon, &Kollisionsobjekt::somaAxonVerzoegerung}};

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageKollision); }

// the element's neuron chosen in its list; -1 when it has none
void elementZeigen(Fenster dlg, int e)
{
    const int id = elementListen[e];
    int auswahl = -1;
    for (int i = 0; i < listeAnzahl(dlg, id); ++i)
        if (listeDaten(dlg, id, i) == kopie.elementNummern[e])
            auswahl = i;
    listeAuswahlSetzen(dlg, id, auswahl);
}

void fuellen(Fenster dlg)
{
    for (int e = 0; e < 4; ++e) {
        const int id = elementListen[e];
        listeLeeren(dlg, id);
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            listeDatenSetzen(dlg, id, listeHinzufuegen(dlg, id, n->name), n->nummer);
        elementZeigen(dlg, e);
    }
    for (const ZahlFeld& f : zahlFelder)
        elementTextSetzen(dlg, f.id, zahlText(kopie.*f.feld));
    hakenSetzen(dlg, idAktiv, kopie.aktiv != 0);
    hakenSetzen(dlg, idAkustisch, kopie.akustisch != 0);
    elementTextSetzen(dlg, idName, kopie.name);
}

// A neuron serves one element only; a second use is refused and the list shows the
// element's neuron again.
void elementGewaehlt(Fenster dlg, int e)
{
    const int id = elementListen[e];
    const int i = listeAuswahl(dlg, id);
    if (i < 0)
        return;
    const int nummer = static_cast<int>(listeDaten(dlg, id, i));
    for (int andere = 0; andere < 4; ++andere)
        if (andere != e && kopie.elementNummern[andere] == nummer) {
            piepen(1000, 40);
            hinweisBox(meldungsTexte[1730]);
            elementZeigen(dlg, e);
            dialogElementFokussieren(dlg, id, 0);
            return;
        }
    kopie.elementNummern[e] = nummer;
    kopie.elemente[e] = neuronNachNummer(nummer);
}

void uebernehmen(Kollisionsobjekt& ziel, const Kollisionsobjekt& quelle)
{
    Kollisionsobjekt* naechstes = ziel.naechstes;
    Kollisionsobjekt* voriges = ziel.voriges;
    ziel = quelle;
    ziel.naechstes = naechstes;
    ziel.voriges = voriges;
}

void speichern(Fenster dlg, int id)
{
    double zahlen[std::size(zahlFelder)] = {};
    for (size_t i = 0; i < std::size(zahlFelder); ++i)
        if (!dialogZahlFeldLesen(dlg, zahlFelder[i].id, zahlen[i]))
            return;
    for (size_t i = 0; i < std::size(zahlFelder); ++i)
        kopie.*zahlFelder[i].feld = zahlen[i];
    kopie.aktiv = haken(dlg, idAktiv);
    kopie.akustisch = haken(dlg, idAkustisch);
    kopie.name = elementText(dlg, idName, 259);
    for (int e = 0; e < 4; ++e) {
        const int i = listeAuswahl(dlg, elementListen[e]);
        if (i >= 0)
            kopie.elementNummern[e] = static_cast<int>(listeDaten(dlg, elementListen[e], i));
        kopie.elemente[e] = neuronNachNummer(kopie.elementNummern[e]);
    }
    if (kopie.somaAxonVerzoegerung < simulationsParameter.schrittweite) {
        hinweisBox(meldungsTexte[1731]);
        dialogElementFokussieren(dlg, idSomaAxon, 1);
        return;
    }
    uebernehmen(*objekt, kopie);
    dialogSchliessen(dlg, rahmen, 1, false);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    ungueltigMachen(fensterhandles.hauptfenster);
}

void loeschen(Fenster dlg)
{
    if (sysInfoBox(meldungFormatieren(553), knoepfe::JaNein) != antwort::Ja)
        return;
    kollisionsObjekteLoeschen(kollisionsObjekte, objekt);
    objekt = nullptr;
    dialogSchliessen(dlg, rahmen, 2, false);
    ungueltigMachen(fensterhandles.hauptfenster);
}

} // namespace

intptr_t kollisionsObjektDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{[](Fenster) { kopie = *objekt; }, texteSetzen, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, objekt, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl: {
        const int id = loWort(w);
        const int art = hiWort(w);
        for (int e = 0; e < 4; ++e)
            if (id == elementListen[e]) {
                if (art == benachrichtigung::AuswahlGeaendert)
                    elementGewaehlt(dlg, e);
                return 0;
            }
        if ((id == idLaufzeit || id == idSomaAxon) && art == benachrichtigung::FokusVerloren) {
            // only a number goes into the copy; any other text stays for OK to name
            double x = 0.0;
            if (elementGeaendert(dlg, id) && dialogTextZahl(elementText(dlg, id, 255), x))
                kopie.*(id == idLaufzeit ? &Kollisionsobjekt::fortleitungsdauer
                                         : &Kollisionsobjekt::somaAxonVerzoegerung) = x;
            return 0;
        }
        switch (id) {
        case idGraphik: objektGraphikDialogOeffnen(dlg, objektArt::Kollision, &kopie); break;
        case idLoeschen: loeschen(dlg); break;
        case 1:
        case befehlOkF2: speichern(dlg, id); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t kollisionsDialogOeffnen(Fenster eigner, Kollisionsobjekt* o)
{
    return dialogModal(vorlageKollision, eigner ? eigner : fensterhandles.hauptfenster, kollisionsObjektDlgProc,
                       reinterpret_cast<intptr_t>(o));
}
