// model/simulationspruefung.cpp - the check before a run and the run settings' changes that
// reach every neuron
#include "model/simulationspruefung.h"
#include "core/rahmen.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

int anzahlSchritteBerechnen(double dauer, double schritt)
{
    if (!(schritt > 0.0))
        return 0;
    const double q = std::round(dauer / schritt);
    // a huge quotient cannot be run anyway; it must not overflow the count
    return static_cast<int>(std::clamp(q, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

void laufzeitSetzen(double dauer, double schritt)
{
    simulationsParameter.simulationsDauer = dauer;
    simulationsParameter.schrittweite = schritt;
    simulationsParameter.anzahlSchritte = anzahlSchritteBerechnen(dauer, schritt);
}

bool dendritenModusSetzen(int netzwerktyp)
{
    const int segmente = segmenteFuerNetzwerktyp(netzwerktyp);
    if (segmente < 0)
        return false;
    simulationsParameter.netzwerktyp = netzwerktyp;
    simulationsParameter.anzahlSegmente = segmente;
    netzKompartimenteAnpassen();
    return true;
}

void spikeSchwelleSetzen(double schwelle)
{
    simulationsParameter.spikeSchwelle = schwelle;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        n->parameter[par::SwimSchwelle] = schwelle;
}

namespace {

void diagrammAnLaufzeitAnpassen(NeuronDaten& n, DiagrammDaten& d, double dauer)
{
    if (d.minX > dauer)
        d.minX = 0.0;
    if (d.maxX > dauer)
        d.maxX = dauer;
    for (KurvenDaten& k : d.kurven)
        kurvenPufferFreigeben(k);
    diagrammLayoutBerechnen(&n, &d, 0);
    kurvenVorbereiten(&d, -1);
}

} // namespace

bool neuronenAnLaufzeitAnpassen()
{
    const Simulationsparameter& sp = simulationsParameter;
    bool exportAn = false;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (n->exportMaske != 0)
            exportAn = true;
        stromtabellenSicherstellen(*n);
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            diagrammAnLaufzeitAnpassen(*n, *d, sp.simulationsDauer);
        // only soma and dendrite segments 1-3 carry a stimulus definition
        const int letztes = std::min(sp.anzahlSegmente, reizDefinitionen - 1);
        for (int k = 0; k <= letztes; ++k) {
            StromreizDefinition& r = n->stromreize[k];
            if (!r.dauerreiz || !r.an)
                continue;
            r.dach = sp.simulationsDauer - sp.schrittweite;
            stromreizKurveErzeugen(*n, k);
        }
    }
    return exportAn;
}

bool synapsenTypenSicherstellen()
{
    if (!synapsenTypen.empty())
        return true;
    try {
        synapsenTypen.assign(standardSynapsenTypAnzahl, SynapsenTyp{});
    } catch (const std::bad_alloc&) {
        plattform::Fenster fokus = plattform::fokusFenster();
        plattform::velnorInfoBox(meldungFormatieren(692));
        plattform::fokusSetzen(fokus);
        programmBeenden();
        return false;
    }
    // kind and potential of the standard types; the names stay empty
    for (int i = 0; i < standardSynapsenTypAnzahl; ++i) {
        synapsenTypen[i].ion = stdSynapsenTypen[i].ion;
        synapsenTypen[i].potential = stdSynapsenTypen[i].potential;
    }
    synapsenTypAnzahl = standardSynapsenTypAnzahl;
    return true;
}

int simulationsParameterPruefen(plattform::Fenster eigner)
{
    einstellungenAktualisieren(nullptr, 0);
    const Simulationsparameter& sp = simulationsParameter;
    if (sp.simulationsDauer <= 0.0 || sp.schrittweite <= 0.0) {
        rahmen::laufEinstellungenDialog(eigner);
        // each must be positive: two negative values would give a positive product
        if (sp.simulationsDauer <= 0.0 || sp.schrittweite <= 0.0)
            return 0;
    }
    return synapsenTypenSicherstellen() ? 1 : 0;
}
