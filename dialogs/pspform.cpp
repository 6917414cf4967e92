// dialogs/pspform.cpp - the freely shaped postsynaptic potential of a synapse (319)
#include "dialogs/pspform.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsenfelder.h"
#include "model/simulationsparameter.h"
#include "model/synapse.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>

using namespace plattform;

namespace {

enum : int { idAn = 2066, idPolynom = 2243, idExponentiell = 2242, idToleranz = 2277, idBeispiel1 = 2244,
             idBeispiel2 = 2255, idBeispiel3 = 2256 };

// the nineteen numbers: edit, the static naming it, its bound, the kind whose bound it is
// (0: either kind)
struct PspFeld {
    int id, beschriftung;
    double PspForm::*wert;
    int index;               // into an array field, else -1
    FeldGrenze grenze;
    int art;
};
using F = FeldGrenze;
const PspFeld pspFelder[] = {
    {2250, 3745, &PspForm::dauerPolynom, -1, F::NichtNegativ, 0},
    {2254, 3746, &PspForm::anfangPolynom, -1, F::NichtNegativ, 0},
    {2231, 3733, nullptr, 0, F::Keine, 0}, {2234, 3734, nullptr, 1, F::Keine, 0},
    {2236, 3735, nullptr, 2, F::Keine, 0}, {2238, 3736, nullptr, 3, F::Keine, 0},
    {2239, 3737, nullptr, 4, F::Keine, 0}, {2240, 3738, nullptr, 5, F::Keine, 0},
    {2241, 3739, nullptr, 6, F::Keine, 0},
    {2233, 3741, nullptr, 10, F::Keine, 0}, {2235, 3742, nullptr, 11, F::Positiv, pspArt::Polynom},
    {2237, 3743, nullptr, 12, F::Keine, 0}, {2245, 3744, nullptr, 13, F::Keine, 0},
    {2253, 3755, &PspForm::dauerExp, -1, F::NichtNegativ, 0},
    {2257, 3756, &PspForm::anfangExp, -1, F::NichtNegativ, 0},
    {2247, 3751, &PspForm::expAAnstieg, -1, F::Keine, 0},
    {2248, 3752, &PspForm::expTauAnstieg, -1, F::Positiv, pspArt::Exponentiell},
    {2251, 3753, &PspForm::expAAbfall, -1, F::Keine, 0},
    {2252, 3754, &PspForm::expTauAbfall, -1, F::Positiv, pspArt::Exponentiell},
};

// polynomial coefficients are indexed 0-6, the fall's 10-13
template <class P>
auto& wertVon(P& f, const PspFeld& p)
{
    if (p.wert)
        return f.*p.wert;
    return p.index < 10 ? f.polynom[static_cast<size_t>(p.index)] : f.polynomAbfall[static_cast<size_t>(p.index - 10)];
}
bool polynomFeld(const PspFeld& p)
{
    return p.index >= 0 || p.wert == &PspForm::dauerPolynom || p.wert == &PspForm::anfangPolynom;
}

DialogRahmen rahmen;
SynapseDaten* synapse = nullptr;
PspForm lokal;               // switch, kind and the nineteen numbers; the episode list is not used

void oeffnen(Fenster dlg)
{
    tastaturHookSetzen(dlg);
    const PspForm& s = synapse->psp;
    lokal = {};
    lokal.an = s.an;
    lokal.art = s.art;
    for (const PspFeld& p : pspFelder)
        wertVon(lokal, p) = wertVon(s, p);
    tooltipsPspDialog(dlg);
}

void fuellen(Fenster dlg)
{
    hakenSetzen(dlg, idPolynom, lokal.art == pspArt::Polynom);
    hakenSetzen(dlg, idExponentiell, lokal.art == pspArt::Exponentiell);
    hakenSetzen(dlg, idAn, lokal.an ? 1 : 0);
    elementTextSetzen(dlg, idToleranz, feldText(laufEinstellungen.xlpspToleranz));
    for (const PspFeld& p : pspFelder)
        elementTextSetzen(dlg, p.id, feldText(wertVon(lokal, p)));
    for (const PspFeld& p : pspFelder)
        elementFreigeben(dlg, p.id, lokal.an != 0);
    elementFreigeben(dlg, idToleranz, lokal.an != 0);
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

void beispiel(Fenster dlg, int nummer)
{
    const PspForm& b = pspBeispiele[static_cast<size_t>(nummer)];
    const bool polynom = nummer < 2;
    for (const PspFeld& p : pspFelder)
        if (polynomFeld(p) == polynom)
            wertVon(lokal, p) = wertVon(b, p);
    lokal.art = polynom ? pspArt::Polynom : pspArt::Exponentiell;
    neuFuellen(dlg);
}

void uebernehmen(Fenster dlg, int id)
{
    int art = lokal.art;
    if (haken(dlg, idPolynom))
        art = pspArt::Polynom;
    else if (haken(dlg, idExponentiell))
        art = pspArt::Exponentiell;
    // every number checked before anything is written
    PspForm gelesen = lokal;
    double toleranz = 0.0;
    if (!zahlFeldLesen(dlg, {idToleranz, 3760}, toleranz))
        return;
    for (const PspFeld& p : pspFelder) {
        const FeldGrenze g = p.art == 0 || p.art == art ? p.grenze : FeldGrenze::Keine;
        if (!zahlFeldLesen(dlg, {p.id, p.beschriftung, g}, wertVon(gelesen, p)))
            return;
    }
    gelesen.art = art;
    gelesen.an = haken(dlg, idAn);
    if (art == 0) {
        if (sysInfoBox(meldungsTexte[957], knoepfe::JaNein) == antwort::Ja) {
            laufEinstellungen.xlpspToleranz = toleranz;
            lokal = gelesen;
            neuFuellen(dlg);
            return;
        }
        // No: the free shape goes off, nothing else is kept (the typed tolerance neither)
        synapse->psp.an = 0;
        dialogSchliessen(dlg, rahmen, 2, true);
        return;
    }
    laufEinstellungen.xlpspToleranz = toleranz;
    PspForm& ziel = synapse->psp;
    ziel.an = gelesen.an;
    ziel.art = gelesen.art;
    for (const PspFeld& p : pspFelder)
        wertVon(ziel, p) = wertVon(gelesen, p);
    // the dialog that opened this one starts the run on "OK - F2"
    dialogSchliessen(dlg, rahmen, id, true);
    undoSchrittSpeichern(undoListe);
}

} // namespace

intptr_t pspFormDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{oeffnen, [](Fenster d) { vorlagenTexteSetzen(d, vorlagePspForm); }, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, synapse, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idAn: lokal.an = haken(dlg, idAn); neuFuellen(dlg); break;
        case idBeispiel1: beispiel(dlg, 0); break;
        case idBeispiel2: beispiel(dlg, 1); break;
        case idBeispiel3: beispiel(dlg, 2); break;
        case 1:
        case befehlOkF2: uebernehmen(dlg, loWort(w)); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, true); break;
        }
        return 0;
    }
    return 0;
}

intptr_t pspFormDialogOeffnen(Fenster eigner, SynapseDaten* s)
{
    if (!s)
        return 2;
    return dialogModal(vorlagePspForm, eigner ? eigner : fensterhandles.hauptfenster, pspFormDlgProc,
                       reinterpret_cast<intptr_t>(s));
}
