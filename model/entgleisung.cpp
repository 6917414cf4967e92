// model/entgleisung.cpp - the notice for runs whose values ran away
#include "model/entgleisung.h"
#include "core/rahmen.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "model/neuron.h"
#include "model/skript.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <string>
#include <utility>

namespace {

// the runs of the series or script under way that ran away, and the first of them: its
// permutation or simulation number, neuron and time
struct Entgleisungen {
    int anzahl = 0;
    bool serie = false;
    int lauf = 0, neuron = 0;
    std::string name;
    double seit = 0.0;
};
Entgleisungen gesammelt;

} // namespace

void laufEntgleist(const NeuronDaten& n, double seit)
{
    const bool serie = (modusStatus & modusBit::SerieLaeuft) && !(modusStatus & modusBit::FreieReihenfolge);
    if (!serie && !(skriptStatus & skriptBit::Laeuft)) {
        plattform::hinweisBox(meldungFormatieren(820, n.nummer, neuronAnzeigename(n), seit));
        return;
    }
    if (gesammelt.anzahl == 0)
        gesammelt = {0, serie, serie ? restzeit.permutationsNummer : skriptLaufwerte.lauf + 1, n.nummer,
                     neuronAnzeigename(n), seit};
    ++gesammelt.anzahl;
}

void entgleisteLaeufeMelden()
{
    const Entgleisungen e = std::exchange(gesammelt, {});
    if (e.anzahl > 0 && !programmEndet())
        plattform::hinweisBox(meldungFormatieren(e.serie ? 812 : 813, e.anzahl, e.lauf, e.neuron, e.name, e.seit));
}
