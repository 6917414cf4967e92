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

std::array<double, 4> kaliumVorgaben{};
std::array<double, 2> kaliumVerhaeltnisGrenzen{};
bool kaliumVorgabeGenommen = false;

namespace {

// a stored number with its name copy: the neuron of that number, when it still has that name
NeuronDaten* mitNamen(int nummer, const std::string& name)
{
    NeuronDaten* n = nummer != 0 ? neuronNachNummer(nummer) : nullptr;
    return n && n->name == name ? n : nullptr;
}

} // namespace

void serverNeuroneAktualisieren(NeuronDaten*, int)
{
    ServerDaten& d = serverDaten;
    if (!mitNamen(d.eingangsNeuron, d.eingangsNeuronName))
        d.eingangsNeuron = 0;
    if (!mitNamen(d.ausgangsNeuron, d.ausgangsNeuronName))
        d.ausgangsNeuron = 0;
    if (d.stromDatei.empty())
        d.stromDatei = serverStromDateiVorgabe;
}

void serverNeuroneAufloesen(const ServerDaten& d, ServerLaufzeit& s)
{
    s.eingangsNeuron = mitNamen(d.eingangsNeuron, d.eingangsNeuronName);
    s.ausgangsNeuron = mitNamen(d.ausgangsNeuron, d.ausgangsNeuronName);
    s.angezeigtesNeuron = d.angezeigtesNeuron != 0 ? neuronNachNummer(d.angezeigtesNeuron) : nullptr;
}

void serverNeuronSetzen(int befehl, NeuronDaten* n)
{
    if (!n)
        return;
    ServerDaten& d = serverDaten;
    switch (befehl) {
    case befehlServerAnzeigeNeuron:
        d.angezeigtesNeuron = n->nummer;
        break;
    case befehlServerEingangsNeuron:
        d.eingangsNeuron = n->nummer;
        d.eingangsNeuronName = n->name;
        break;
    case befehlServerAusgangsNeuron:
        d.ausgangsNeuron = n->nummer;
        d.ausgangsNeuronName = n->name;
        break;
    }
}
