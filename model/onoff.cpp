// model/onoff.cpp - the on/off step: timed phases, passive soma and dendrite
#include "model/onoff.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/modell_gemeinsam.h"
#include "model/simulationsparameter.h"

void onOffModellBerechnen(NeuronDaten& n)
{
    // work values on the stack: nothing to allocate, nothing can fail
    PassivSchritt s;
    if (!schrittBeginnen(n, s))
        return;
    const ParameterVektor& P = n.parameter;
    const auto [methode, T, t] = laufWerte();
    // a tenth of a step keeps the phase ends off the rounding of the timer
    const double eps = T / 10.0;
    n.onOffZeitgeber += T;
    const double V0 = n.potentiale[0];
    // phase start; V0 equal to the threshold changes nothing
    const double schwelle = P[par::OnOffSchwelle];
    if (V0 > schwelle && n.onOffPhaseAktiv == 0) {
        n.onOffZeitgeber = 0.0;
        n.onOffPhaseAktiv = 1;
    } else if (V0 < schwelle && n.onOffPhaseAktiv == 1) {
        n.onOffPhaseAktiv = 0;
    }
    // phase currents; phases 2 and 3 follow the timer alone
    const double tau = n.onOffZeitgeber;
    n.kanalStrom[0] = (tau < P[par::Phase1Dauer] + eps && n.onOffPhaseAktiv == 1)
                          ? (P[par::Phase1E] - V0) * P[par::Phase1G] : 0.0;
    n.kanalStrom[1] = (tau + eps >= P[par::Phase2Verzoegerung]
                       && tau < P[par::Phase2Verzoegerung] + P[par::Phase2Dauer] + eps)
                          ? (P[par::Phase2E] - V0) * P[par::Phase2G] : 0.0;
    n.kanalStrom[2] = (tau + eps >= P[par::Phase3Verzoegerung]
                       && tau < P[par::Phase3Verzoegerung] + P[par::Phase3Dauer] + eps)
                          ? (P[par::Phase3E] - V0) * P[par::Phase3G] : 0.0;
    // stimulus cursors, noise, injected soma currents
    reizUndRauschen(n, s, t, T);
    // soma, with the dendrite's coupling when it has segments
    n.synStromSumme = n.synStromChemisch[0] + n.synStromElektrisch[0];
    n.eingangSumme = n.synStromSumme + s.somaStroeme + n.rauschStrom + n.leckTerm + n.kanalStrom[0]
                     + n.kanalStrom[1] + n.kanalStrom[2];
    if (s.mitDendriten) {
        n.eingangSumme += n.potentiale[1] * P[par::SomaDendritKopplung];
        s.b[0] = n.somaRateMitDendrit;
    } else {
        s.b[0] = n.somaRate;
    }
    s.a[0] = n.eingangSumme / P[par::SomaKapazitaet];
    dendritKoeffizienten(n, s, t);
    // every compartment integrated
    kompartimenteIntegrieren(n, s, methode, T);
    // the soma counts its action potentials
    apZaehlen(n, V0, schwelle);
}
