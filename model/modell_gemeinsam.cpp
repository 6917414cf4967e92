// model/modell_gemeinsam.cpp - what the model steps share
#include "model/modell_gemeinsam.h"
#include "model/integration.h"
#include "model/simulationsparameter.h"
#include "model/zufall.h"
#include <algorithm>
#include <cmath>
#include <limits>

int passivKompartimente(const NeuronDaten& n)
{
    const size_t k = std::min({n.potentiale.size(), n.synStromChemisch.size(), n.synStromElektrisch.size(),
                               static_cast<size_t>(hoechsteKompartimenteAnzahl)});
    return static_cast<int>(k);
}

void reizUndRauschen(const NeuronDaten& n, PassivSchritt& s, double t, double T, int* cursor, double& rauschStrom)
{
    // cursors: each table moves at most one point; the current is kept for soma and segments
    const int tabellen = std::min(s.kompartimente, static_cast<int>(n.stromTabellen.size()));
    for (int c = 0; c < tabellen; ++c)
        s.reizStrom[c] = stromAusTabelle(n.stromTabellen[c], cursor[c], t);
    rauschStrom = simulationsParameter.rauschenEin && n.rauschenAn ? netzRauschen(T) : 0.0;
    s.somaStroeme = (imFenster(t, n.somaSCStart, n.somaSCEnd) ? n.somaCurrent : 0.0)
                    + (imFenster(t, n.dendStartAmSoma, n.dendEndeAmSoma) ? n.dendStromAmSoma : 0.0)
                    + s.reizStrom[0];
    s.mitDendriten = n.kompartimentSchalter[0] != 0 && s.kompartimente > 1;
    s.letztes = s.mitDendriten ? s.kompartimente - 1 : 0;
}

double netzRauschen(double T)
{
    // one shared state, advanced once for every neuron with noise
    gemeinsamerRauschZustand = std::exp(-T / netzvorgaben.rauschAbklingzeit) * gemeinsamerRauschZustand
                               + zufallszahlPoisson(netzvorgaben.rauschHaeufigkeit, T);
    return gemeinsamerRauschZustand * netzvorgaben.rauschStaerke;
}

double reizGleichBis(const NeuronDaten& n, int kompartimente, const int* cursor, double t)
{
    // every time the step compares t with; one ahead (not NaN, with which every comparison
    // stays false) ends the span
    double bis = std::numeric_limits<double>::infinity();
    const auto grenze = [&](double x) {
        if (x > t && x < bis)
            bis = x;
    };
    const int tabellen = std::min(kompartimente, static_cast<int>(n.stromTabellen.size()));
    for (int c = 0; c < tabellen; ++c) {
        const StromTabelle& tab = n.stromTabellen[c];
        const int punkte = std::min({tab.anzahlPunkte, static_cast<int>(tab.startzeiten.size()),
                                     static_cast<int>(tab.stromwerte.size())});
        const int i = cursor[c];
        if (i < 0 || i >= punkte)
            continue;   // the cursor stays, the current is 0
        // the cursor moves a point a step: several points at or before t take several steps
        if (tab.startzeiten[i] <= t)
            return t;
        grenze(tab.startzeiten[i]);
        if (i >= 1)
            grenze(tab.startzeiten[i - 1]);
    }
    grenze(n.somaSCStart);
    grenze(n.somaSCEnd);
    grenze(n.dendStartAmSoma);
    grenze(n.dendEndeAmSoma);
    return bis;
}

void reizUndRauschen(NeuronDaten& n, PassivSchritt& s, double t, double T)
{
    std::array<int, hoechsteKompartimenteAnzahl> cursor{};
    const int tabellen = std::min(s.kompartimente, static_cast<int>(n.stromTabellen.size()));
    for (int c = 0; c < tabellen; ++c)
        cursor[c] = n.stromTabellen[c].aktuellerIndex;
    reizUndRauschen(n, s, t, T, cursor.data(), n.rauschStrom);
    for (int c = 0; c < tabellen; ++c)
        n.stromTabellen[c].aktuellerIndex = cursor[c];
}

bool reizMoeglich(const NeuronDaten& n, int kompartimente, bool mitDendriten)
{
    if (simulationsParameter.rauschenEin && n.rauschenAn)
        return true;
    // (a NaN current counts as one)
    if (!(n.somaCurrent == 0.0) || !(n.dendStromAmSoma == 0.0) || (mitDendriten && !(n.dendCurrent == 0.0)))
        return true;
    const int tabellen = std::min(kompartimente, static_cast<int>(n.stromTabellen.size()));
    for (int c = 0; c < tabellen; ++c) {
        const StromTabelle& t = n.stromTabellen[c];
        const int punkte = std::min(t.anzahlPunkte, static_cast<int>(t.stromwerte.size()));
        for (int i = 0; i < punkte; ++i)
            if (!(t.stromwerte[i] == 0.0))
                return true;
    }
    return false;
}

void segmentKoeffizienten(const NeuronDaten& n, const double* p, int letztes, int segmente,
                          const KompartimentFeld& reizStrom, KompartimentFeld& a, KompartimentFeld& b, double t,
                          double& synStromSumme, double& eingangSumme)
{
    const ParameterVektor& P = n.parameter;
    for (int c = 1; c <= letztes; ++c) {
        double nachbarn = 0.0;
        int k = 2;
        if (c == n.kompartimentSchalter[1] || c == segmente) {   // a last segment has one neighbour
            nachbarn = p[c - 1];
            k = 1;
        } else {
            nachbarn = p[c - 1] + p[c + 1];
        }
        const double alt = (c == n.kompartimentSchalter[2] && imFenster(t, n.dendSCStart, n.dendSCEnd))
                               ? n.dendCurrent : 0.0;
        const double sc = n.synStromChemisch[c] + n.synStromElektrisch[c];
        synStromSumme += sc;
        const double ic = alt + reizStrom[c] + n.dendLeckTerm + nachbarn * P[par::DendritSomaKopplung] + sc;
        eingangSumme += ic;
        b[c] = (k * P[par::DendritSomaKopplung] + P[par::DendritLeitwert]) / P[par::DendritKapazitaet];
        a[c] = ic / P[par::DendritKapazitaet];
    }
}

void segmentKoeffizienten(NeuronDaten& n, int letztes, int segmente, const KompartimentFeld& reizStrom,
                          KompartimentFeld& a, KompartimentFeld& b, double t)
{
    segmentKoeffizienten(n, n.potentiale.data(), letztes, segmente, reizStrom, a, b, t, n.synStromSumme,
                         n.eingangSumme);
}

void dendritKoeffizienten(NeuronDaten& n, PassivSchritt& s, double t)
{
    segmentKoeffizienten(n, s.letztes, s.kompartimente - 1, s.reizStrom, s.a, s.b, t);
}

void kompartimenteIntegrieren(NeuronDaten& n, const PassivSchritt& s, int methode, double T)
{
    for (int c = 0; c <= s.letztes; ++c)
        n.potentiale[c] = integrationsSchritt(methode, n.potentiale[c], s.b[c], s.a[c], T);
}

void apZaehlen(NeuronDaten& n, double v0, double schwelle)
{
    if (n.passivMarke == 0 && v0 < schwelle && n.potentiale[0] > schwelle)
        ++n.apAnzahl;
}
