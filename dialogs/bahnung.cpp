// dialogs/bahnung.cpp - facilitation and depression of a synapse (304) and its facilitation
// maximum (307)
#include "dialogs/bahnung.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsenfelder.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <tuple>

using namespace plattform;

namespace {

Fenster eignerOderHaupt(Fenster eigner) { return eigner ? eigner : fensterhandles.hauptfenster; }

// ---- dialog 304 ---------------------------------------------------------------------------

namespace bahnung {

enum : int { idAn = 1944, idFazilitation = 1941, idDepression = 1955, idChecken = 1946, idRechnen = 1984,
             idStandard = 1942 };
constexpr int anfaz = 0, abfaz = 1, andepr = 2, abdepr = 3;

// the edits of tau, A and B for the four effects (rise and decay of facilitation, of depression)
constexpr std::array<int, 4> tauIds{1938, 1945, 1971, 1973};
constexpr std::array<int, 4> aIds{1962, 1964, 1976, 1978};
constexpr std::array<int, 4> bIds{1965, 1967, 1979, 1981};
// the free inputs besides the time constants: A[ANFAZ], B[ABFAZ], B[ANDEPR], B[ABDEPR]
constexpr std::array<int, 4> freieIds{1962, 1967, 1979, 1981};

DialogRahmen rahmen;
SynapseDaten* synapse = nullptr;
Bahnung kopie;
bool okFrei = true;          // false while a free field was typed into since the last "rechnen"
int werteChecken = 0;        // the dialog's own copy until OK

void abgeleiteteRechnen(Bahnung& b)
{
    b.b[anfaz] = 1.0 - b.a[anfaz];
    b.a[abfaz] = b.b[anfaz] - b.b[abfaz];
    b.a[andepr] = b.b[abdepr] - b.b[andepr];
    b.a[abdepr] = -b.a[andepr];
}

void oeffnen(Fenster dlg)
{
    tastaturHookSetzen(dlg);
    kopie = synapse->bahnung;
    okFrei = true;
    werteChecken = dialogEinstellungen.werteChecken;
}

void fuellen(Fenster dlg)
{
    hakenSetzen(dlg, idAn, kopie.an ? 1 : 0);
    hakenSetzen(dlg, idChecken, werteChecken ? 1 : 0);
    hakenSetzen(dlg, idFazilitation, kopie.art == bahnungsArt::Fazilitation);
    hakenSetzen(dlg, idDepression, kopie.art != bahnungsArt::Fazilitation);
    for (size_t i = 0; i < 4; ++i) {
        elementTextSetzen(dlg, tauIds[i], feldText(kopie.tau[i]));
        elementTextSetzen(dlg, aIds[i], feldText(kopie.a[i]));
        elementTextSetzen(dlg, bIds[i], feldText(kopie.b[i]));
    }
    dialogElementFokussieren(dlg, tauIds[0], 1);
    for (int id : {1964, 1976, 1978, 1965})
        elementFreigeben(dlg, id, false);
    elementFreigeben(dlg, 1, okFrei);
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// the name a notice gives a field: its group, column and row as the dialog shows them
std::string feldName(Fenster dlg, int id)
{
    for (size_t i = 0; i < 4; ++i) {
        const int gruppe = i < 2 ? 3700 : 3701;
        const int spalte = i % 2 == 0 ? (i < 2 ? 3702 : 3707) : (i < 2 ? 3703 : 3708);
        const int zeile = id == tauIds[i] ? 3704 : id == aIds[i] ? 3705 : id == bIds[i] ? 3706 : 0;
        if (zeile)
            return elementText(dlg, gruppe) + " " + elementText(dlg, spalte) + " " + elementText(dlg, zeile);
    }
    return "";
}

bool lesen(Fenster dlg, int id, FeldGrenze g, double& aus)
{
    const std::string name = feldName(dlg, id);
    return zahlFeldLesen(dlg, {id, 0, g, name.c_str()}, aus);
}

// "rechnen": the time constants and the free inputs, each free input asked about when the
// check is on and it lies outside its usual range; No stops with the focus in that field.
bool rechnen(Fenster dlg)
{
    std::array<double, 4> tau{}, frei{};
    for (size_t i = 0; i < 4; ++i)
        if (!lesen(dlg, tauIds[i], FeldGrenze::Positiv, tau[i]))
            return false;
    for (size_t i = 0; i < 4; ++i)
        if (!lesen(dlg, freieIds[i], FeldGrenze::Keine, frei[i]))
            return false;
    kopie.tau = tau;
    double* const ziele[4] = {&kopie.a[anfaz], &kopie.b[abfaz], &kopie.b[andepr], &kopie.b[abdepr]};
    const bool passt[4] = {frei[0] <= -1.0, frei[1] == 1.0, frei[2] > 0.0 && frei[2] < 1.0, frei[3] == 1.0};
    for (size_t i = 0; i < 4; ++i) {
        if (werteChecken && !passt[i] &&
            sysInfoBox(meldungsTexte[560 + static_cast<int>(i)], knoepfe::JaNein) != antwort::Ja) {
            dialogElementFokussieren(dlg, freieIds[i], 1);
            return false;
        }
        *ziele[i] = frei[i];
    }
    abgeleiteteRechnen(kopie);
    okFrei = true;
    neuFuellen(dlg);
    return true;
}

void standardwerte(Fenster dlg)
{
    kopie.art = bahnungsArt::Fazilitation;
    kopie.kurvenZeit = {};
    kopie.a[anfaz] = -3.0;
    kopie.b[abfaz] = 1.0;
    kopie.b[andepr] = 0.01;
    kopie.b[abdepr] = 1.0;
    kopie.tau = {0.005, 0.08, 0.01, 0.05};
    abgeleiteteRechnen(kopie);
    neuFuellen(dlg);
}

// OK and "OK - F2": the twelve numbers as shown, all checked before any is written.
// "OK - F2" after typing into a free field first computes the derived values, which plain
// OK (disabled then) would otherwise need.
void uebernehmen(Fenster dlg, int id)
{
    if (id == 1 && !okFrei)
        return;
    if (id == befehlOkF2 && !okFrei && !rechnen(dlg))
        return;
    std::array<double, 4> tau{}, a{}, b{};
    for (size_t i = 0; i < 4; ++i)
        if (!lesen(dlg, tauIds[i], FeldGrenze::Positiv, tau[i]))
            return;
    for (size_t i = 0; i < 4; ++i)
        if (!lesen(dlg, aIds[i], FeldGrenze::Keine, a[i]) || !lesen(dlg, bIds[i], FeldGrenze::Keine, b[i]))
            return;
    Bahnung& ziel = synapse->bahnung;
    std::tie(ziel.tau, ziel.a, ziel.b) = std::tie(tau, a, b);
    ziel.an = haken(dlg, idAn);
    ziel.art = haken(dlg, idFazilitation) ? bahnungsArt::Fazilitation : 0;
    dialogEinstellungen.werteChecken = haken(dlg, idChecken);
    dialogSchliessen(dlg, rahmen, id, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
}

} // namespace bahnung

// ---- dialog 307 ---------------------------------------------------------------------------

namespace maximum {

enum : int { idMaximum = 2058, idTau = 2060 };

DialogRahmen rahmen;
SynapseDaten* synapse = nullptr;

void fuellen(Fenster dlg)
{
    elementTextSetzen(dlg, idMaximum, feldText(synapse->bahnung.maximalwert));
    elementTextSetzen(dlg, idTau, feldText(synapse->bahnung.tauAb));
    dialogElementFokussieren(dlg, idMaximum, 1);
}

void uebernehmen(Fenster dlg, int id)
{
    double maximalwert = 0.0, tauAb = 0.0;
    if (!zahlFeldLesen(dlg, {idMaximum, 3720}, maximalwert) ||
        !zahlFeldLesen(dlg, {idTau, 3721, FeldGrenze::NichtNegativ}, tauAb))
        return;
    synapse->bahnung.maximalwert = maximalwert;
    synapse->bahnung.tauAb = tauAb;
    // the dialog that opened this one starts the run on "OK - F2"
    dialogSchliessen(dlg, rahmen, id, true);
}

} // namespace maximum

} // namespace

intptr_t fazilitationDepressionDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    using namespace bahnung;
    const DialogInitTeile teile{oeffnen, [](Fenster d) { vorlagenTexteSetzen(d, vorlageBahnung); }, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, synapse, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl: {
        const int id = loWort(w);
        switch (id) {
        case 1962: case 1967: case 1979: case 1981:
            if (hiWort(w) == benachrichtigung::Geaendert && elementGeaendert(dlg, id)) {
                okFrei = false;
                elementFreigeben(dlg, 1, false);
            }
            break;
        case idFazilitation: kopie.art = bahnungsArt::Fazilitation; neuFuellen(dlg); break;
        case idDepression: kopie.art = 0; neuFuellen(dlg); break;
        case idAn: kopie.an = haken(dlg, idAn); neuFuellen(dlg); break;
        case idChecken: werteChecken = haken(dlg, idChecken); neuFuellen(dlg); break;
        case idRechnen: rechnen(dlg); break;
        case idStandard: standardwerte(dlg); break;
        case 1:
        case befehlOkF2: uebernehmen(dlg, id); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, true); break;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t fazilitationMaximumDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    using namespace maximum;
    const DialogInitTeile teile{[](Fenster d) { tastaturHookSetzen(d); },
                                [](Fenster d) { vorlagenTexteSetzen(d, vorlageFazilitationMaximum); }, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, synapse, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl:
        switch (loWort(w)) {
        case 1:
        case befehlOkF2: uebernehmen(dlg, loWort(w)); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, true); break;
        }
        return 0;
    }
    return 0;
}

intptr_t fazilitationDepressionDialogOeffnen(Fenster eigner, SynapseDaten* s)
{
    if (!s)
        return 2;
    return dialogModal(vorlageBahnung, eignerOderHaupt(eigner), fazilitationDepressionDlgProc,
                       reinterpret_cast<intptr_t>(s));
}

intptr_t fazilitationMaximumDialogOeffnen(Fenster eigner, SynapseDaten* s)
{
    if (!s)
        return 2;
    return dialogModal(vorlageFazilitationMaximum, eignerOderHaupt(eigner), fazilitationMaximumDlgProc,
                       reinterpret_cast<intptr_t>(s));
}
