// model/kern_kompartimente.cpp - what every run kernel keeps of its neurons: compartments,
// sums and stimulus cursors on lanes, taken from the records and written back
#include "model/kern_gemeinsam.h"
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
    block.anlegen({{&pot, K * np}, {&v0, np}, {&ein, np}, {&synSumme, np}, {&rausch, np}, {&vor, np},
                   {&kopplung, np}, {&reizD, N * kMax}, {&reizSoma, np}, {&reizAb, np}, {&reizBis, np}});
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
    for (size_t c = 0; c < kMax; ++c)
        reizD[i * kMax + c] = 0.0;
}

void Kompartimente::cursorLaden(size_t i)
{
    const NeuronDaten& n = *nr[i];
    const size_t tabellen = std::min(static_cast<size_t>(kompartimente[i]), n.stromTabellen.size());
    for (size_t c = 0; c < tabellen; ++c)
        cursor[i * kMax + c] = n.stromTabellen[c].aktuellerIndex;
    reizAb[i] = std::numeric_limits<double>::infinity();
    reizBis[i] = -std::numeric_limits<double>::infinity();
}

void Kompartimente::listenBilden()
{
    vorListe.clear();
    dendritListe.clear();
    eigene.clear();
    for (size_t i = 0; i < N; ++i) {
        if (!aktiv[i]) {
            eigene.push_back(i);
            vorListe.push_back(i);
            continue;
        }
        if (mitReiz[i] || mitPool[i])
            vorListe.push_back(i);
        if (letztes[i] > 0)
            dendritListe.push_back(i);
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
