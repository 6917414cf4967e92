// permutation/spikefolgendialog.cpp - "Spikefolgen-Bewertung" (284): the settings of the
// spike-train rating of one neuron, of all marked neurons or of the standard neuron
//
// The dialog edits a working copy: what the opening takes from the standard neuron
// reaches the neuron only with OK, and Cancel leaves everything as it was. The neuron is
// kept by its number and looked up again when OK stores into it.
//
// Which edit fields are enabled: each minimum's two fields follow its check box, the
// absolute one without and the percentage with "relative" (1863) ticked; "also when it
// begins with the run" (1851) follows the single-burst box (1850), since only a single
// burst can begin with the run. The burst factor, the whole-run minimum, the gaps of an
// active reaction, the box distance and "to the end of the run" (1852), which a bursting
// train also uses, stay enabled.
#include "permutation/spikefolge.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/spikefolge.h"
#include "model/undo.h"
#include "model/zeichengrenzen.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <climits>
#include <cstdio>

using namespace plattform;

namespace {

namespace flag = spikefolgenFlag;

enum : int {
    idFaktor = 1843, idGesamt = 1847, idStandard = 1848, idLaenge = 1849, idEinzelBurst = 1850,
    idAbStart = 1851, idBisEnde = 1852, idMitLaenge = 1853, idAbstand = 1856, idFarbe = 1859,
    idMitSpikes = 1860, idSpikes = 1861, idRelativ = 1863, idLaengeProzent = 1864, idSpikesProzent = 1865,
    idMitFrequenz = 1868, idFrequenz = 1869, idFrequenzProzent = 1870, idLueckeMin = 1874, idLueckeMax = 1875,
    textFaktor = 4480, textGesamt = 4481, textAbsolut = 4482, textProzent = 4483, textLuecke = 4484,
    textLueckeMax = 4485, textAbstand = 4486,
};

// the check boxes and their flags
struct Kasten {
    int id;
    uint32_t flag;
};
constexpr Kasten kaesten[] = {
    {idEinzelBurst, flag::EinzelBurst}, {idAbStart, flag::AbLaufbeginn}, {idBisEnde, flag::BisLaufende},
    {idMitLaenge, flag::MindestLaenge}, {idMitSpikes, flag::MindestSpikes}, {idRelativ, flag::Relativ},
    {idMitFrequenz, flag::MindestFrequenz},
};

// a minimum: its check box, absolute field and field in percent, and its settings
struct Minimum {
    int kasten, absolut, prozent;
    uint32_t flag;
    double SpikefolgenEinstellungen::*wert;
    double SpikefolgenEinstellungen::*anteil;
};
constexpr Minimum minima[] = {
    {idMitSpikes, idSpikes, idSpikesProzent, flag::MindestSpikes, &SpikefolgenEinstellungen::mindestSpikeAnzahl,
     &SpikefolgenEinstellungen::relativeSpikeAnzahl},
    {idMitLaenge, idLaenge, idLaengeProzent, flag::MindestLaenge, &SpikefolgenEinstellungen::mindestLaenge,
     &SpikefolgenEinstellungen::relativeLaenge},
    {idMitFrequenz, idFrequenz, idFrequenzProzent, flag::MindestFrequenz, &SpikefolgenEinstellungen::mindestFrequenz,
     &SpikefolgenEinstellungen::relativeFrequenz},
};

// the ranges of the fields
constexpr double kleinsterFaktor = 0.001, groessterFaktor = 1000.0;
constexpr double groessterWert = 1e6;        // spikes, seconds, hertz
constexpr double groessterProzentsatz = 1000.0;

DialogRahmen rahmen;
SpikefolgenEinstellungen kopie;
bool regelnAnwenden = true;     // set by the opener: marks and permutation mode choose the neuron
// what OK stores into: the marked neurons, the neuron of this number, or the permutation
// display's pseudo-neuron, which is no neuron of the network
enum class Ziel { Markierte, Neuron, PseudoNeuron };
Ziel ziel = Ziel::Markierte;
int neuronNummer = 0;
std::string titel;

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

// The neuron to edit at the opening, by the rules of commands 285 and the diagrams or the
// one the caller names.
NeuronDaten* neuronWaehlen(NeuronDaten* parameter)
{
    if (!regelnAnwenden)
        return parameter;
    if (modusStatus & modusBit::Permutationsmodus)
        return permutationsPseudoNeuron();
    switch (markierteNeurone.anzahl()) {
    case 0: return parameter;
    case 1: return markierteNeurone.erstes();
    default: return nullptr;
    }
}

void oeffnen(NeuronDaten* parameter)
{
    undoFensterlisteSpeichern(undoListe);
    NeuronDaten* n = neuronWaehlen(parameter);
    neuronNummer = n ? n->nummer : 0;
    ziel = !n ? Ziel::Markierte : n == permutationsPseudoNeuron() ? Ziel::PseudoNeuron : Ziel::Neuron;
    if (!n) {
        kopie = stdNeuron.spikefolge;
        titel = meldungFormatieren(241, markierteNeurone.anzahl());
        return;
    }
    titel = meldungFormatieren(240, neuronAnzeigename(*n));
    kopie = n->spikefolge;
    // a neuron that never had settings shows the standard neuron's
    if (kopie.lueckeMaximum <= 0.0) {
        kopie.lueckeMinimum = stdNeuron.spikefolge.lueckeMinimum;
        kopie.lueckeMaximum = stdNeuron.spikefolge.lueckeMaximum;
    }
    if (kopie.burstFaktor == 0.0 || kopie.mindestApAnzahlGesamt == 0)
        kopie = stdNeuron.spikefolge;
}

void texteSetzen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageSpikefolge);
    titelSetzen(dlg, titel);
}

void aktivieren(Fenster dlg)
{
    const bool relativ = kopie.flags & flag::Relativ;
    for (const Minimum& m : minima) {
        const bool an = kopie.flags & m.flag;
        dialogElementAktivieren(dlg, m.absolut, an && !relativ);
        dialogElementAktivieren(dlg, m.prozent, an && relativ);
    }
    dialogElementAktivieren(dlg, idAbStart, (kopie.flags & flag::EinzelBurst) != 0);
}

void fuellen(Fenster dlg)
{
    elementTextSetzen(dlg, idFaktor, zahlText(kopie.burstFaktor));
    elementTextSetzen(dlg, idGesamt, std::to_string(kopie.mindestApAnzahlGesamt));
    for (const Minimum& m : minima) {
        elementTextSetzen(dlg, m.absolut, zahlText(kopie.*m.wert));
        elementTextSetzen(dlg, m.prozent, zahlText(kopie.*m.anteil * 100.0));
    }
    elementTextSetzen(dlg, idLueckeMin, zahlText(kopie.lueckeMinimum));
    elementTextSetzen(dlg, idLueckeMax, zahlText(kopie.lueckeMaximum));
    elementTextSetzen(dlg, idAbstand, std::to_string(kopie.kastenAbstand));
    for (const Kasten& k : kaesten)
        hakenSetzen(dlg, k.id, (kopie.flags & k.flag) ? 1 : 0);
    aktivieren(dlg);
}

// Every field into neu, in the order of the dialog. The first field that holds no number
// or lies outside its range gets a notice naming it and the focus; false, and neu is
// then no set to store. A whole-run minimum below 4 is set to 4 in its field.
bool felderLesen(Fenster dlg, SpikefolgenEinstellungen& neu)
{
    neu = kopie;
    int gesamt = 0;
    if (!dialogGanzzahlLesen(dlg, idGesamt, INT_MIN, INT_MAX, elementText(dlg, textGesamt, 255), gesamt))
        return false;
    if (gesamt < 4) {
        hinweisBox(meldungFormatieren(410));
        elementTextSetzen(dlg, idGesamt, "4");
        dialogElementFokussieren(dlg, idGesamt, 1);
        return false;
    }
    neu.mindestApAnzahlGesamt = gesamt;
    if (!dialogZahlFeldLesen(dlg, idFaktor, elementText(dlg, textFaktor, 255), kleinsterFaktor, groessterFaktor,
                             neu.burstFaktor))
        return false;
    const std::string prozent = elementText(dlg, textProzent, 255);
    for (const Minimum& m : minima) {
        const std::string name = elementText(dlg, m.kasten, 255);
        double anteil = 0.0;
        if (!dialogZahlFeldLesen(dlg, m.absolut, name, 0.0, groessterWert, neu.*m.wert) ||
            !dialogZahlFeldLesen(dlg, m.prozent, name + " (" + prozent + ")", 0.0, groessterProzentsatz, anteil))
            return false;
        neu.*m.anteil = anteil / 100.0;
    }
    const std::string luecke = elementText(dlg, textLuecke, 255);
    if (!dialogZahlFeldLesen(dlg, idLueckeMin, luecke, 0.0, groessterWert, neu.lueckeMinimum) ||
        !dialogZahlFeldLesen(dlg, idLueckeMax, luecke + " " + elementText(dlg, textLueckeMax, 255), 0.0,
                             groessterWert, neu.lueckeMaximum))
        return false;
    return dialogGanzzahlLesen(dlg, idAbstand, 0, groessteZeichenGroesse, elementText(dlg, textAbstand, 255),
                               neu.kastenAbstand);
}

void einstellungenSetzen(NeuronDaten& n, const SpikefolgenEinstellungen& e)
{
    static_cast<SpikefolgenEinstellungen&>(n.spikefolge) = e;
}

void alsStandard(Fenster dlg)
{
    SpikefolgenEinstellungen neu;
    if (!felderLesen(dlg, neu))
        return;
    kopie = neu;
    einstellungenSetzen(stdNeuron, neu);
}

// OK: into the edited neuron, or into every marked one
void speichern(Fenster dlg)
{
    SpikefolgenEinstellungen neu;
    if (!felderLesen(dlg, neu))
        return;
    kopie = neu;
    switch (ziel) {
    case Ziel::Markierte:
        for (NeuronDaten* n : markierteNeurone.liste)
            einstellungenSetzen(*n, neu);
        break;
    case Ziel::Neuron:
        if (NeuronDaten* n = neuronNachNummer(neuronNummer))
            einstellungenSetzen(*n, neu);
        break;
    case Ziel::PseudoNeuron:
        if (NeuronDaten* n = permutationsPseudoNeuron())
            einstellungenSetzen(*n, neu);
        break;
    }
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, false);
}

void farbeWaehlen(Fenster dlg)
{
    const Farbe f = plattform::farbeWaehlen(dlg, kopie.kastenFarbe);
    if (f < KeineFarbe)
        kopie.kastenFarbe = f;
}

intptr_t oeffnenMit(Fenster eigner, NeuronDaten* neuron, bool regeln)
{
    regelnAnwenden = regeln;
    return dialogModal(vorlageSpikefolge, eigner ? eigner : fensterhandles.hauptfenster, spikefolgenBewertungDlgProc,
                       reinterpret_cast<intptr_t>(neuron));
}

} // namespace

intptr_t spikefolgenBewertungDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            oeffnen(reinterpret_cast<NeuronDaten*>(l));
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        for (const Kasten& k : kaesten)
            if (id == k.id) {
                kopie.flags = haken(dlg, id) == 1 ? kopie.flags | k.flag : kopie.flags & ~k.flag;
                aktivieren(dlg);
                return 1;
            }
        switch (id) {
        case idFarbe: farbeWaehlen(dlg); return 1;
        case idStandard: alsStandard(dlg); return 1;
        case 1: speichern(dlg); return 1;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); return 0;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t spikefolgenParameterDialog(Fenster eigner, NeuronDaten* neuron) { return oeffnenMit(eigner, neuron, true); }

intptr_t spikefolgenParameterDialogFuer(Fenster eigner, NeuronDaten* neuron)
{
    return oeffnenMit(eigner, neuron, false);
}
