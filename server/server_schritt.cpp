// server/server_schritt.cpp - one network step of the server thread
//
// The engine's own step functions do the work; the server only adds its stimulus value,
// its output pulse and its potential output around them. The editor on the GUI thread
// walks the same network with the engine's cursors, so nothing here moves them.
#include "model/integration.h"
#include "model/modell_gemeinsam.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/swim.h"
#include "model/synaptisch.h"
#include "server/server.h"

namespace {

bool istAusgangsNeuron(const NeuronDaten& n, const ServerLaufzeit& s)
{
    return s.ausgangsNeuron && s.ausgangsNeuron->nummer == n.nummer;
}

// the conductance path with the stimulus value added to the soma's input current
void leitwertSchritt(NeuronDaten& n, int kompartimente, double reiz, ServerLaufzeit& s)
{
    double gNa, gK, gCa;
    swimToreBerechnen(n, gNa, gK, gCa);
    KompartimentFeld a{}, b{};
    const int letztes = swimKoeffizienten(n, kompartimente, gNa, gK, gCa, a, b);
    a[0] += reiz / n.parameter[par::SomaKapazitaet];
    if (!swimKlemmen(n, kompartimente)) {
        const auto [methode, T, t] = laufWerte();
        for (int c = 0; c <= letztes; ++c)
            n.potentiale[c] = integrationsSchritt(methode, n.potentiale[c], b[c], a[c], T);
        swimBegrenzen(n, letztes);
    }
    s.letztesSomaPotential = n.potentiale[0];
}

} // namespace

void serverNeuronSchritt(NeuronDaten& n, const ServerDaten& d, ServerLaufzeit& s)
{
    const int kompartimente = passivKompartimente(n);
    if (kompartimente < 1)
        return;
    const bool ausgang = istAusgangsNeuron(n, s);
    const double reiz = ausgang ? s.reizWert : 0.0;
    const double v0 = n.potentiale[0];
    if (n.izhikevichAktiv) {
        // the Izhikevich step takes its extra current in nA
        const double vorher = n.serverStrom;
        n.serverStrom = reiz * 1e9;
        swimIzhikevichPfad(n, kompartimente);
        n.serverStrom = vorher;
    } else {
        leitwertSchritt(n, kompartimente, reiz, s);
    }
    const double v1 = n.potentiale[0];
    const double schwelle = n.parameter[par::SwimSchwelle];
    if (n.passivMarke == 0 && v0 < schwelle && v1 > schwelle) {
        ++n.apAnzahl;
        // with feedback a spike only counts
        if (ausgang && !simulationsParameter.rueckkopplungAktiv) {
            s.pulsDaWert = d.pulsHoehe;
            s.pulsAktiv = 1;
            s.pulsEnde = s.echtzeit + d.pulsDauer;
            serverApAusgeben(s);
        }
    }
    if (ausgang && d.somaPotentialAusgeben)
        somaPotentialAusgeben(s, v1);
}

void serverSynapsenWeiterleiten() { synaptischeStroemeBerechnenOhneCursor(); }

void serverSynapsenBerechnen() { synapsenBerechnenOhneCursor(); }

void serverNetzSchritt(const ServerDaten& d, ServerLaufzeit& s)
{
    serverSynapsenWeiterleiten();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        serverNeuronSchritt(*n, d, s);
    serverSynapsenBerechnen();
}
