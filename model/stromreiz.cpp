// model/stromreiz.cpp - the current tables every compartment needs
#include "model/stromreiz.h"
#include "model/fehler.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include <algorithm>
#include <new>

int gereizteKompartimenteGesamt = 0;
double reizSchrittweite = 0.001;

void stromTabelleStandard(StromTabelle& t, double ende)
{
    t.startzeiten = {0.0, ende, ende};
    t.stromwerte = {0.0, 0.0, 0.0};
    t.anzahlPunkte = 3;
    t.aktuellerIndex = 0;
}

bool stromtabellenSicherstellen(NeuronDaten& n)
{
    aktuellesNeuron = &n;
    const double ende = simulationsParameter.simulationsDauer;
    try {
        // the neuron's own compartments, whatever the network's count is now
        for (StromTabelle& t : n.stromTabellen) {
            const size_t punkte = static_cast<size_t>(std::max(t.anzahlPunkte, 0));
            if (punkte > 0 && punkte <= t.startzeiten.size())
                t.startzeiten[punkte - 1] = ende;
            else
                stromTabelleStandard(t, ende);
        }
    } catch (const std::bad_alloc&) {
        fehlerMelden(114);
        return false;
    }
    return true;
}
