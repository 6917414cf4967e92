// permutation/fensterdialog.cpp - "Einstellungen für Permutationsfenster" (203): the level
// bars, the spikes, the numbers row, the stimulus curve and its class marks
//
// Everything is edited in a working copy; OK checks every field before any of it becomes
// the setting, Cancel leaves the settings as they were. The stimulus neuron is kept by its
// number and looked up again at OK.
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/permutationsfenster.h"
#include "permutation/ergebnisse.h"
#include "permutation/fenster.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdio>

using namespace plattform;

namespace {

enum : int {
    idBalken = 2031, idBalkenFarbe = 2032, idAbstand = 2033, idUnterkante = 2034, idBreite = 2035, idMaximalHoehe = 2036,
    idSockel = 2037, idTextAbstand = 2038, idBezeichnung = 2039, idSpikeFarbe = 2040, idSpikeDicke = 2041,
    idNummer = 2042, idApAnzahl = 2043, idGuete = 2044, idFrequenzen = 2045, idPosition = 2046, idOberhalb = 2047,
    idUnterhalb = 2048, idOben = 2049, idMitte = 2050, idUnten = 2051, idXAutomatisch = 2052, idStromreiz = 2053,
    idNeuron = 2054, idReizFarbe = 2055, idReizHoehe = 2056, idReizDicke = 2057, idGrundlinie = 2058,
    idMarkenFarbe = 2059, idMarkenLaenge = 2060, idMarkenDicke = 2061, idFrequenzenKurve = 2062,
    idFrequenzAbstand = 2063,
};

using Einstellungen = PermutationsFensterEinstellungen;
using IntFeld = int Einstellungen::*;

// the whole-number fields; their ranges are the file reader's (permutationsFensterGrenzen)
struct Feld { int id; IntFeld feld; };
constexpr Feld felder[] = {
    {idAbstand, &Einstellungen::balkenAbstandYAchse},   {idUnterkante, &Einstellungen::balkenUnterkante},
    {idBreite, &Einstellungen::balkenBreiteProzent},    {idMaximalHoehe, &Einstellungen::balkenMaximalHoehe},
    {idSockel, &Einstellungen::balkenSockel},           {idTextAbstand, &Einstellungen::textAbstand},
    {idSpikeDicke, &Einstellungen::apLinienstaerke},    {idReizHoehe, &Einstellungen::stromreizHoehe},
    {idReizDicke, &Einstellungen::stromreizDicke},      {idGrundlinie, &Einstellungen::stromreizPosition},
    {idMarkenLaenge, &Einstellungen::klassenmarkenLaenge}, {idMarkenDicke, &Einstellungen::klassenmarkenDicke},
    {idFrequenzAbstand, &Einstellungen::klassenmarkenTextabstand},
};
constexpr std::pair<int, int> maskenKaesten[] = {
    {idNummer, 1}, {idApAnzahl, 2}, {idGuete, 4}, {idFrequenzen, 8}, {idPosition, 16}, {idFrequenzenKurve, 32},
};
constexpr std::pair<int, plattform::Farbe Einstellungen::*> farbKnoepfe[] = {
    {idBalkenFarbe, &Einstellungen::balkenFarbe},
    {idSpikeFarbe, &Einstellungen::spikeFarbe},
    {idReizFarbe, &Einstellungen::stromreizFarbe},
    {idMarkenFarbe, &Einstellungen::klassenmarkenFarbe},
};
// what only counts while the stimulus curve is shown
constexpr int reizElemente[] = {idReizDicke, idGrundlinie, idReizHoehe, idMarkenLaenge, idMarkenDicke, idNeuron,
                                idReizFarbe, idMarkenFarbe, idFrequenzenKurve, idFrequenzAbstand};

DialogRahmen rahmen;
Einstellungen kopie;
int reizNeuron = 0;                      // the chosen stimulus neuron by number, 0 none

void permutationDarstellungTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlagePermutationsfenster); }

void einmalig(Fenster) { kopie = permutationsFenster; }

void neuronenFuellen(Fenster dlg)
{
    listeLeeren(dlg, idNeuron);
    const NeuronDaten* gewaehlt = reizNeuron ? neuronNachNummer(reizNeuron) : nullptr;
    if (!gewaehlt)
        reizNeuron = 0;
    aktuellesNeuron = neuronKette.kopf;
    int auswahl = -1;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (n->gereizteKompartimente <= 0)
            continue;
        if (!reizNeuron)
            reizNeuron = n->nummer;
        const bool dieses = n->nummer == reizNeuron;
        const int i = listeHinzufuegen(dlg, idNeuron, (dieses ? "  * " : "      ") + neuronAnzeigename(*n));
        listeDatenSetzen(dlg, idNeuron, i, n->nummer);
        if (dieses) {
            auswahl = i;
            aktuellesNeuron = n;
        }
    }
    listeAuswahlSetzen(dlg, idNeuron, auswahl);
}

void fuellen(Fenster dlg)
{
    hakenSetzen(dlg, idBalken, kopie.levelBalkenAnzeigen ? 1 : 0);
    hakenSetzen(dlg, idBezeichnung, kopie.synapsenBezeichnungAnzeigen ? 1 : 0);
    hakenSetzen(dlg, idXAutomatisch, kopie.xAchseAutomatisch ? 1 : 0);
    hakenSetzen(dlg, idStromreiz, kopie.stromreizAnzeigen ? 1 : 0);
    for (const auto& [id, bit] : maskenKaesten)
        hakenSetzen(dlg, id, (kopie.zahlenMaske & bit) ? 1 : 0);
    hakenSetzen(dlg, kopie.zahlenPositionAbsolut == 0 ? idOberhalb : idUnterhalb, 1);
    hakenSetzen(dlg, kopie.zahlenPositionAbsolut == 0 ? idUnterhalb : idOberhalb, 0);
    for (int id : {idOben, idMitte, idUnten})
        hakenSetzen(dlg, id, id - idOben == kopie.zahlenPositionRelativ ? 1 : 0);
    for (const Feld& f : felder)
        elementTextSetzen(dlg, f.id, std::to_string(kopie.*f.feld));
    for (int id : reizElemente)
        dialogElementAktivieren(dlg, id, kopie.stromreizAnzeigen ? 1 : 0);
    neuronenFuellen(dlg);
    dialogElementFokussieren(dlg, idMaximalHoehe, 1);
}

// The first compartment of the neuron whose definition has pulses; null when none has.
const StromreizDefinition* reizMitPulsen(const NeuronDaten& n)
{
    const int letztes = std::min(hoechsteReizDefinition(n), reizDefinitionen - 1);
    for (int k = 0; k <= letztes; ++k)
        if (n.stromreize[static_cast<size_t>(k)].anzahl > 0)
            return &n.stromreize[static_cast<size_t>(k)];
    return nullptr;
}

void uebernehmen(Fenster dlg)
{
    // every field checked before anything is stored
    Einstellungen neu = kopie;
    for (const Feld& f : felder) {
        int wert = 0;
        const auto [von, bis] = permutationsFensterGrenze(f.feld);
        if (!dialogGanzzahlLesen(dlg, f.id, von, bis, wert))
            return;
        neu.*f.feld = wert;
    }
    neu.levelBalkenAnzeigen = haken(dlg, idBalken);
    neu.synapsenBezeichnungAnzeigen = haken(dlg, idBezeichnung);
    neu.xAchseAutomatisch = haken(dlg, idXAutomatisch);
    neu.stromreizAnzeigen = haken(dlg, idStromreiz);
    neu.zahlenMaske = 0;
    for (const auto& [id, bit] : maskenKaesten)
        if (haken(dlg, id))
            neu.zahlenMaske |= bit;
    neu.zahlenPositionAbsolut = haken(dlg, idUnterhalb) ? 1 : 0;
    neu.zahlenPositionRelativ = haken(dlg, idUnten) ? 2 : haken(dlg, idOben) ? 0 : 1;
    // the stimulus of the chosen neuron, looked up now: the user may have deleted it
    const NeuronDaten* n = reizNeuron ? neuronNachNummer(reizNeuron) : nullptr;
    if (n && neu.stromreizAnzeigen) {
        const StromreizDefinition* r = reizMitPulsen(*n);
        if (!r) {
            hinweisBox(meldungsTexte[103]);
            dialogElementFokussieren(dlg, idNeuron, 0);
            fuellen(dlg);
            return;
        }
        neu.stromreiz = StromreizDefinition{};
        neu.stromreiz.beginn = r->beginn;
        neu.stromreiz.anstieg = r->anstieg;
        neu.stromreiz.abfall = r->abfall;
        neu.stromreiz.dach = r->dach;
        neu.stromreiz.amplitude = r->amplitude;
        neu.stromreiz.pause = r->pause;
        neu.stromreiz.anzahl = r->anzahl;
        neu.stromreiz.alternieren = r->alternieren;
        neu.stromreiz.reizart = r->reizart;
    }
    permutationsFenster = neu;
    kopie = neu;
    // the time axis to the latest AP, once per load
    NeuronDaten* pseudo = permutationsPseudoNeuron();
    const float spaetester = permutationsErgebnisse.spaetesterAp;
    if (permutationsFenster.xAchseAutomatisch && pseudo && spaetester > 0.0f && !permutationsZeitachseGerundet) {
        const double ende = achsenSchrittRunden(spaetester);
        pseudo->hauptDiagramm.maxX = ende;
        permutationsDiagramm.maxX = ende;
        diagrammLayoutBerechnen(pseudo, &pseudo->hauptDiagramm, 0);
    }
    balkenStiftNeuMachen();
    dialogSchliessen(dlg, rahmen, 1, false);
    permutationsAnzeige.rampenHinweisGezeigt = false;
    if (permutationsFenster.stromreizAnzeigen && pseudo && istFenster(pseudo->hauptDiagramm.fenster)) {
        permutationsDiagramm.fenster = pseudo->hauptDiagramm.fenster;
        permutationsReizkurveBerechnen(pseudo->hauptDiagramm);
    }
}

void farbeNehmen(Fenster dlg, plattform::Farbe& farbe)
{
    freigeben(dlg, false);
    const plattform::Farbe f = farbeWaehlen(dlg, farbe);
    // a cancelled choice keeps the colour there was
    if (f < KeineFarbe)
        farbe = f;
    freigeben(dlg, true);
}

void befehl(Fenster dlg, int id, int code)
{
    for (const auto& [knopf, feld] : farbKnoepfe)
        if (knopf == id) {
            farbeNehmen(dlg, kopie.*feld);
            return;
        }
    switch (id) {
    case idNeuron: {
        if (code != benachrichtigung::AuswahlGeaendert && code != benachrichtigung::AuswahlOk)
            return;
        const int i = listeAuswahl(dlg, idNeuron);
        if (i < 0)
            return;
        reizNeuron = static_cast<int>(listeDaten(dlg, idNeuron, i));
        if (NeuronDaten* n = neuronNachNummer(reizNeuron))
            aktuellesNeuron = n;
        return;
    }
    case idBalken:
        kopie.levelBalkenAnzeigen = haken(dlg, idBalken);
        return;
    case idXAutomatisch:
        kopie.xAchseAutomatisch = haken(dlg, idXAutomatisch);
        return;
    case idBezeichnung:
        kopie.synapsenBezeichnungAnzeigen = haken(dlg, idBezeichnung);
        return;
    case idStromreiz:
        kopie.stromreizAnzeigen = haken(dlg, idStromreiz);
        for (int e : reizElemente)
            dialogElementAktivieren(dlg, e, kopie.stromreizAnzeigen ? 1 : 0);
        return;
    case 1:
        uebernehmen(dlg);
        return;
    case 2:
        dialogSchliessen(dlg, rahmen, 2, false);
        return;
    }
}

} // namespace

void balkenStiftNeuMachen()
{
    PermutationsAnzeige& a = permutationsAnzeige;
    loeschen(a.balkenStift);
    loeschen(a.balkenPinsel);
    a.balkenStift = stiftErzeugen(stiftStil::Durchgehend, 0, permutationsFenster.balkenFarbe);
    a.balkenPinsel = pinselErzeugen(permutationsFenster.balkenFarbe);
}

intptr_t permutationsfensterDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen: dialogPositionMerken(dlg, rahmen); return 0;
    case nachricht::DialogInit:
        dialogInitialisieren(dlg, rahmen, {einmalig, permutationDarstellungTexteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: befehl(dlg, loWort(w), hiWort(w)); return 1;
    case nachricht::Zerstoeren: rahmen.frisch = 1; return 0;
    }
    return 0;
}

intptr_t permutationsfensterDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlagePermutationsfenster, eigner ? eigner : fensterhandles.hauptfenster, permutationsfensterDlgProc, 0);
}
