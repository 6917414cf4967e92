// server/server_daten.cpp - the run-time record, the start values, the chosen neurons
#include "model/netz.h"
#include "model/neuron.h"
#include "resources/befehle.h"
#include "server/server.h"

ServerLaufzeit serverLauf;

void serverLaufZuruecksetzen()
{
    ServerLaufzeit& s = serverLauf;
    const int vorhanden = s.karteVorhanden;
    s.~ServerLaufzeit();
    new (&s) ServerLaufzeit;
    s.karteVorhanden = vorhanden;
}

void serverStartwerteSetzen(ServerDaten& d, ServerLaufzeit& s)
{
    const auto vorgabe = [](auto& feld, auto wert) {
        if (feld == 0)
            feld = wert;
    };
    vorgabe(d.ereignisReizdauer, 0.002);
    vorgabe(d.ereignisTotzeit, 0.002);
    vorgabe(d.ereignisSchwelle, int16_t{2000});
    vorgabe(d.ausgangsReizdauer, 0.0005);
    vorgabe(d.pulsDauer, 0.001);
    vorgabe(d.pulsHoehe, int16_t{2000});
    vorgabe(d.ausgangsReizstrom, 4e-9);
    if (!(d.verzoegerung > 0.0))
        d.verzoegerung = 1.5;
    vorgabe(d.daAusgabefaktor, int16_t{2000});
    vorgabe(d.stromFaktor, 1e-9);
    vorgabe(d.eichfaktor, 1.0);
    if (!(d.daKalibrierung > 0.0))
        d.daKalibrierung = 5.0;
    vorgabe(s.faktor, 1.0);
    if (!s.angezeigtesNeuron) {
        s.angezeigtesNeuron = s.ausgangsNeuron;
        d.angezeigtesNeuron = d.ausgangsNeuron;
    }
}

namespace {

// a stored number with its name copy: the neuron of that number, when it still has that name
NeuronDaten* mitNamen(int& nummer, std::string& name)
{
    NeuronDaten* n = nummer != 0 ? neuronNachNummer(nummer) : nullptr;
    if (n && n->name == name)
        return n;
    nummer = 0;
    return nullptr;
}

} // namespace

void serverNeuroneAktualisieren(NeuronDaten*, int)
{
    ServerDaten& d = serverDaten;
    ServerLaufzeit& s = serverLauf;
    s.eingangsNeuron = mitNamen(d.eingangsNeuron, d.eingangsNeuronName);
    s.ausgangsNeuron = mitNamen(d.ausgangsNeuron, d.ausgangsNeuronName);
    s.angezeigtesNeuron = d.angezeigtesNeuron != 0 ? neuronNachNummer(d.angezeigtesNeuron) : nullptr;
    if (d.stromDatei.empty())
        d.stromDatei = serverStromDateiVorgabe;
}

void serverNeuronSetzen(int befehl, NeuronDaten* n)
{
    if (!n)
        return;
    ServerDaten& d = serverDaten;
    ServerLaufzeit& s = serverLauf;
    switch (befehl) {
    case befehlServerAnzeigeNeuron:
        s.angezeigtesNeuron = n;
        d.angezeigtesNeuron = n->nummer;
        break;
    case befehlServerEingangsNeuron:
        s.eingangsNeuron = n;
        d.eingangsNeuron = n->nummer;
        d.eingangsNeuronName = n->name;
        break;
    case befehlServerAusgangsNeuron:
        s.ausgangsNeuron = n;
        d.ausgangsNeuron = n->nummer;
        d.ausgangsNeuronName = n->name;
        break;
    }
}
