// model/kern_kompartimente.cpp - what every run kernel keeps of its neurons: compartments,
// sums and stimulus cursors on lanes, taken from the records and written back
#include "model/kern_gemeinsam.h"
#include "model/kern_felder.h"
#include "model/neuron.h"
#include <limits>

namespace kern {

void Kompartimente::anlegen(const std::vector<NeuronDaten*>& neurone, int typ)
{
    nr.clear();
    K = 1;
    for (NeuronDaten* n : neurone)
        if (n->modellTyp == typ && passivKompartimente(*n) >= 1) {
            nr.push_back(n);
            K = std::max(K, static_cast<size_t>(passivKompartimente(*n)));
        }
    N = nr.size();
    np = aufVektoren(N);
    // (the segments' lanes only where some neuron has segments)
    const size_t S = K > 1 ? np : 0;
    block.anlegen({{&pot, K * np}, {&v0, np}, {&ein, np}, {&synSumme, np}, {&rausch, np}, {&vor, np},
                   {&kopplung, np}, {&reizD, K * np}, {&reizSoma, np}, {&reizAb, np}, {&reizBis, np},
                   {&segB, K * S}, {&segEm, K * S}, {&segZwei, K * S}, {&segMaske, K * S}, {&segSc, K * S},
                   {&segAlt, (K + 1) * S}, {&dendKopplung, S}, {&dendC, S, 1.0}, {&dendLeck, S},
                   {&altNr, S}, {&altAb, S}, {&altBis, S}, {&altStrom, S}});
    emSchritt = simulationsParameter.schrittweite;
    kompartimente.assign(N, 0);
    letztes.assign(N, 0);
    aktiv.assign(np, 0);
    cursor.assign(N * kMax, 0);
    mitReiz.assign(N, 0);
    reizHalten.assign(N, 0);
    mitRauschen.assign(N, 0);
    mitPool.assign(N, 0);
    geschritten = false;
}

bool Kompartimente::passt() const
{
    for (size_t i = 0; i < N; ++i) {
        const int k = passivKompartimente(*nr[i]);
        if (k < 1 || static_cast<size_t>(k) > K)
            return false;
    }
    return true;
}

void Kompartimente::laden(size_t i, bool eigen)
{
    const NeuronDaten& n = *nr[i];
    const int k = passivKompartimente(n);
    kompartimente[i] = k;
    const bool mitDendriten = n.kompartimentSchalter[0] != 0 && k > 1;
    letztes[i] = mitDendriten ? k - 1 : 0;
    kopplung[i] = mitDendriten ? n.parameter[par::SomaDendritKopplung] : 0.0;
    aktiv[i] = !eigen;
    for (size_t c = 0; c < K; ++c)
        pot[c * np + i] = static_cast<int>(c) < k ? n.potentiale[c] : 0.0;
    v0[i] = pot[i];
    mitPool[i] = n.eingangsPools != nullptr;
    mitReiz[i] = reizMoeglich(n, k, mitDendriten) || reizZiel(n);
    // an object may rebuild the tables during the run
    reizHalten[i] = !reizZiel(n);
    mitRauschen[i] = simulationsParameter.rauschenEin && n.rauschenAn;
    ein[i] = n.eingangSumme;
    synSumme[i] = mitPool[i] ? n.synStromSumme : 0.0;
    rausch[i] = mitReiz[i] ? n.rauschStrom : 0.0;
    vor[i] = 0.0;
    cursorLaden(i);
    for (size_t c = 0; c < K; ++c)
        reizD[c * np + i] = 0.0;
    segmentLaden(i);
}

void Kompartimente::segmentLaden(size_t i)
{
    // what segmentKoeffizienten takes from the record, and its b as it computes it
    if (K < 2)
        return;
    const NeuronDaten& n = *nr[i];
    const ParameterVektor& P = n.parameter;
    const int l = letztes[i];
    for (size_t c = 1; c < K; ++c) {
        const size_t o = c * np + i;
        const int ci = static_cast<int>(c);
        segMaske[o] = aktiv[i] && ci <= l ? 1.0 : 0.0;
        segZwei[o] = segB[o] = segEm[o] = segSc[o] = 0.0;
        if (ci > l)
            continue;
        const int k = ci == n.kompartimentSchalter[1] || ci == kompartimente[i] - 1 ? 1 : 2;
        segZwei[o] = k == 2 ? 1.0 : 0.0;
        segB[o] = (k * P[par::DendritSomaKopplung] + P[par::DendritLeitwert]) / P[par::DendritKapazitaet];
        segEm[o] = emVon(segB[o], emSchritt);
    }
    dendKopplung[i] = l > 0 ? P[par::DendritSomaKopplung] : 0.0;
    dendC[i] = l > 0 ? P[par::DendritKapazitaet] : 1.0;
    dendLeck[i] = l > 0 ? n.dendLeckTerm : 0.0;
    altNr[i] = n.kompartimentSchalter[2];
    altAb[i] = n.dendSCStart;
    altBis[i] = n.dendSCEnd;
    altStrom[i] = n.dendCurrent;
}

void Kompartimente::segmenteAufLanes(int methode, double t, double T)
{
    if (T != emSchritt) {
        emSchritt = T;
        for (size_t c = 1; c < K; ++c)
            for (size_t i = 0; i < N; ++i)
                if (segMaske[c * np + i] != 0.0)
                    segEm[c * np + i] = emVon(segB[c * np + i], T);
    }
    // the step's synaptic currents of the segments, which the synaptic pass leaves in the
    // records of the neurons with input pools (the others' are 0 from the run's first step on)
    for (size_t i : segmentPoolListe) {
        const NeuronDaten& n = *nr[i];
        for (int c = 1; c <= letztes[i]; ++c)
            segSc[static_cast<size_t>(c) * np + i] = n.synStromChemisch[static_cast<size_t>(c)]
                                                     + n.synStromElektrisch[static_cast<size_t>(c)];
    }
    // the old potentials: the soma's, then the segments'
    std::copy_n(v0.data(), np, segAlt.data());
    std::copy_n(pot.data() + np, (K - 1) * np, segAlt.data() + np);
    const SegmentLanes l{pot.data(), synSumme.data(), ein.data(), segAlt.data(), segSc.data(), reizD.data(),
                         segB.data(), segEm.data(), segZwei.data(), segMaske.data(), dendKopplung.data(), dendC.data(),
                         dendLeck.data(), altNr.data(), altAb.data(), altBis.data(), altStrom.data(), K, t};
    segmentSchritt(methode, np, T, l);
}

void Kompartimente::cursorLaden(size_t i)
{
    const NeuronDaten& n = *nr[i];
    const size_t tabellen = std::min(static_cast<size_t>(kompartimente[i]), n.stromTabellen.size());
    for (size_t c = 0; c < tabellen; ++c)
        cursor[i * kMax + c] = n.stromTabellen[c].aktuellerIndex;
    reizAb[i] = std::numeric_limits<double>::infinity();
    reizBis[i] = -std::numeric_limits<double>::infinity();
    gehaltenBis = -std::numeric_limits<double>::infinity();
}

void Kompartimente::listenBilden()
{
    vorListe.clear();
    dendritListe.clear();
    segmentPoolListe.clear();
    gehalten.clear();
    gehaltenBis = -std::numeric_limits<double>::infinity();
    eigene.clear();
    for (size_t i = 0; i < N; ++i) {
        if (!aktiv[i]) {
            eigene.push_back(i);
            vorListe.push_back(i);
            continue;
        }
        if (mitReiz[i] && reizHalten[i] && !mitPool[i] && !mitRauschen[i])
            gehalten.push_back(i);
        else if (mitReiz[i] || mitPool[i])
            vorListe.push_back(i);
        if (letztes[i] > 0)
            dendritListe.push_back(i);
        if (letztes[i] > 0 && mitPool[i])
            segmentPoolListe.push_back(i);
    }
}

void Kompartimente::schreiben(size_t i) const
{
    NeuronDaten& n = *nr[i];
    const int k = std::min(kompartimente[i], passivKompartimente(n));
    for (int c = 0; c < k; ++c)
        n.potentiale[static_cast<size_t>(c)] = pot[static_cast<size_t>(c) * np + i];
    n.eingangSumme = ein[i];
    if (geschritten || mitPool[i])
        n.synStromSumme = synSumme[i];
    if (geschritten || mitReiz[i])
        n.rauschStrom = rausch[i];
    const size_t tabellen = std::min(static_cast<size_t>(kompartimente[i]), n.stromTabellen.size());
    for (size_t c = 0; c < tabellen; ++c)
        n.stromTabellen[c].aktuellerIndex = cursor[i * kMax + c];
}

} // namespace kern
