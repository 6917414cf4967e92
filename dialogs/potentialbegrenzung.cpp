// dialogs/potentialbegrenzung.cpp - "Potentialbegrenzung" (315)
//
// It edits a copy of the first marked neuron's record; OK writes the controls into that
// neuron and copies its whole record to the other marked ones.
#include "dialogs/potentialbegrenzung.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cstdio>

using namespace plattform;

namespace {

enum : int { idAn = 2066, idDicke = 2192, idAbstand = 2194, idFarbe = 2195, idKennzeichnen = 2084 };

// per compartment (soma, dendrite 1-3): its switch, the boxes and edits of both limits
struct Kompartiment { int an, obenKasten, oben, untenKasten, unten; };
constexpr std::array<Kompartiment, 4> kompartimente = {{
    {2067, 2068, 2176, 2072, 2177},
    {2069, 2073, 2181, 2074, 2182},
    {2070, 2075, 2183, 2080, 2184},
    {2071, 2081, 2185, 2082, 2186},
}};
constexpr int grenzeOben = 0x2, grenzeUnten = 0x4;

// the rows of the template that label the upper and the lower limits of every compartment
constexpr int zeileObereGrenze = 3, zeileUntereGrenze = 4;

DialogRahmen rahmen;
Potentialbegrenzung kopie;
int kennzeichnen = 0;
bool texteFaellig = false;   // a refill by a check box keeps what the user typed

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

int bit(Fenster dlg, int id, int b) { return haken(dlg, id) == 1 ? b : 0; }

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    texteFaellig = true;
    kennzeichnen = programmOptionen.potentialbegrenzungKennzeichnen;
    kopie = markierteNeurone.erstes()->begrenzung;
}

void fuellen(Fenster dlg)
{
    const bool an = kopie.an != 0;
    hakenSetzen(dlg, idAn, an ? 1 : 0);
    for (size_t k = 0; k < kompartimente.size(); ++k) {
        const Kompartiment& c = kompartimente[k];
        hakenSetzen(dlg, c.an, kopie.kompartimentAn[k] ? 1 : 0);
        hakenSetzen(dlg, c.obenKasten, kopie.art[k] & grenzeOben ? 1 : 0);
        hakenSetzen(dlg, c.untenKasten, kopie.art[k] & grenzeUnten ? 1 : 0);
        if (texteFaellig) {
            elementTextSetzen(dlg, c.oben, zahlText(kopie.oben[k]));
            elementTextSetzen(dlg, c.unten, zahlText(kopie.unten[k]));
        }
        dialogElementAktivieren(dlg, c.an, an);
        for (int id : {c.obenKasten, c.untenKasten, c.oben, c.unten})
            dialogElementAktivieren(dlg, id, an && kopie.kompartimentAn[k]);
    }
    if (texteFaellig) {
        elementTextSetzen(dlg, idDicke, std::to_string(kopie.bogenDicke));
        elementTextSetzen(dlg, idAbstand, std::to_string(kopie.bogenAbstand));
        texteFaellig = false;
    }
    for (int id : {idDicke, idAbstand, idFarbe})
        dialogElementAktivieren(dlg, id, an);
    hakenSetzen(dlg, idKennzeichnen, kennzeichnen ? 1 : 0);
    dialogElementFokussieren(dlg, kompartimente[1].oben, 1);
}

// a compartment switched on with both limits on at exactly 0 V would stick there
bool grenzenPruefen()
{
    if (!kopie.an)
        return true;
    for (size_t k = 0; k < kompartimente.size(); ++k)
        if (kopie.kompartimentAn[k] && (kopie.art[k] & grenzeOben) && (kopie.art[k] & grenzeUnten) &&
            kopie.oben[k] == 0.0 && kopie.unten[k] == 0.0) {
            const std::string name = textFeldHolen(meldungsTexte[979], static_cast<int>(k) + 1);
            hinweisBox(meldungFormatieren(977, name));
            return false;
        }
    return true;
}

intptr_t speichern(Fenster dlg, int id)
{
    if (!potentialbegrenzungLesen(dlg, kopie) || !grenzenPruefen())
        return 1;
    programmOptionen.potentialbegrenzungKennzeichnen = haken(dlg, idKennzeichnen) == 1 ? 1 : 0;
    NeuronDaten* erstes = markierteNeurone.erstes();
    Potentialbegrenzung& b = erstes->begrenzung;
    if (!potentialbegrenzungLesen(dlg, b))
        return 1;   // read just above: cannot happen
    b.bogenFarbe = kopie.bogenFarbe;
    if (b.an && b.kompartimentAn == std::array<int, 4>{}) {
        hinweisBox(meldungsTexte[978]);
        b.an = 0;
    }
    for (NeuronDaten* n : markierteNeurone.liste)
        if (n != erstes)
            n->begrenzung = b;
    dialogSchliessen(dlg, rahmen, 1, false);
    undoSchrittSpeichern(undoListe);
    if (fensterhandles.hauptfenster) {
        ungueltigMachen(fensterhandles.hauptfenster);
        neuZeichnen(fensterhandles.hauptfenster);
    }
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    return 1;
}

void farbeWaehlen(Fenster)
{
    const Farbe f = plattform::farbeWaehlen(fensterhandles.hauptfenster, kopie.bogenFarbe);
    if (f < KeineFarbe)
        kopie.bogenFarbe = f;
}

} // namespace

namespace {

// the switches of the open dialog into the record, as potentialbegrenzungLesen reads them
void schalterLesen(Fenster dlg, Potentialbegrenzung& b)
{
    for (size_t k = 0; k < kompartimente.size(); ++k) {
        const Kompartiment& c = kompartimente[k];
        const int grenzen = bit(dlg, c.obenKasten, grenzeOben) | bit(dlg, c.untenKasten, grenzeUnten);
        b.art[k] = k == 0 ? grenzen : (b.art[k] & ~(grenzeOben | grenzeUnten)) | grenzen;
        b.kompartimentAn[k] = haken(dlg, c.an) == 1 ? 1 : 0;
    }
    b.an = haken(dlg, idAn) == 1 ? 1 : 0;
}

// A limit's name in a notice: its compartment and the label of its row.
std::string grenzName(Fenster dlg, size_t k, int id, int zeile)
{
    std::string label = feldBeschriftung(dlg, id);
    if (label.empty())
        for (const DialogElement& e : vorlagePotentialbegrenzung.elemente)
            if (e.art == ElementArt::Text && e.gruppe == 0 && e.zeile == zeile && e.spalte == 0)
                label = e.text;
    return textFeldHolen(meldungsTexte[979], static_cast<int>(k) + 1) + ": " + label;
}

} // namespace

bool potentialbegrenzungLesen(Fenster dlg, Potentialbegrenzung& b)
{
    Potentialbegrenzung neu = b;
    schalterLesen(dlg, neu);
    for (size_t k = 0; k < kompartimente.size(); ++k) {
        const Kompartiment& c = kompartimente[k];
        if (!dialogZahlFeldLesen(dlg, c.oben, grenzName(dlg, k, c.oben, zeileObereGrenze), neu.oben[k]) ||
            !dialogZahlFeldLesen(dlg, c.unten, grenzName(dlg, k, c.unten, zeileUntereGrenze), neu.unten[k]))
            return false;
    }
    // the arc is drawn in pixels around the soma
    if (!dialogGanzzahlLesen(dlg, idDicke, 0, linienbreiteMax, neu.bogenDicke) ||
        !dialogGanzzahlLesen(dlg, idAbstand, 0, groesseMax, neu.bogenAbstand))
        return false;
    b = neu;
    return true;
}

intptr_t potentialbegrenzungDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch && !markierteNeurone.erstes()) {
            dialogSchliessen(dlg, rahmen, 2, false);   // nothing to edit: as Cancel
            return 1;
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, [](Fenster d) { vorlagenTexteSetzen(d, vorlagePotentialbegrenzung); }, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        if ((id >= 2066 && id <= 2075) || (id >= 2080 && id <= 2082)) {
            schalterLesen(dlg, kopie);
            senden(dlg, nachricht::DialogInit, 0, 0);
            return 1;
        }
        switch (id) {
        case idKennzeichnen: kennzeichnen = haken(dlg, id) == 1 ? 1 : 0; return 1;
        case idFarbe: farbeWaehlen(dlg); return 1;
        case 1:
        case befehlOkF2: return speichern(dlg, id);
        case 2: dialogSchliessen(dlg, rahmen, 2, false); return 0;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t potentialbegrenzungBefehl(Fenster eigner)
{
    if (markierteNeurone.liste.empty())
        return 2;
    return dialogModal(vorlagePotentialbegrenzung, eigner ? eigner : fensterhandles.hauptfenster,
                       potentialbegrenzungDlgProc);
}
