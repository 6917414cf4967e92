// model/stromreiz.cpp - the current tables every compartment needs
#include "model/stromreiz.h"
#include "core/fehler.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <new>

int gereizteKompartimenteGesamt = 0;
double reizSchrittweite = 0.001;
std::string stromDateiPfad;

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

void reizSchrittweiteVoreinstellen()
{
    reizSchrittweite = 10.0 * simulationsParameter.schrittweite;
}

int hoechsteReizDefinition(const NeuronDaten& n)
{
    return std::min(kompartimentAnzahl(n) - 1, reizDefinitionen - 1);
}

bool stromreizKompartimentZuruecksetzen(NeuronDaten& n, int kompartiment)
{
    if (kompartiment < 0 || kompartiment >= static_cast<int>(n.stromTabellen.size()))
        return false;
    StromTabelle& t = n.stromTabellen[kompartiment];
    const double ende = simulationsParameter.simulationsDauer;
    // the old arrays go first, as the new ones are only three points
    std::vector<double>().swap(t.startzeiten);
    std::vector<double>().swap(t.stromwerte);
    t.anzahlPunkte = 0;
    t.aktuellerIndex = 0;
    try {
        t.startzeiten = {0.0, ende, ende};
    } catch (const std::bad_alloc&) {
        plattform::hinweisBox(meldungFormatieren(391, neuronAnzeigename(n)));
        return false;
    }
    try {
        t.stromwerte = {0.0, 0.0, 0.0};
    } catch (const std::bad_alloc&) {
        std::vector<double>().swap(t.startzeiten);
        plattform::hinweisBox(meldungFormatieren(392, neuronAnzeigename(n)));
        return false;
    }
    t.anzahlPunkte = 3;
    return true;
}

int gereizteKompartimenteZaehlen(NeuronDaten& n)
{
    n.gereizteKompartimente = static_cast<int>(
        std::count_if(n.stromTabellen.begin(), n.stromTabellen.end(),
                      [](const StromTabelle& t) { return t.anzahlPunkte > 3; }));
    return n.gereizteKompartimente;
}

int gereizteKompartimenteGesamtZaehlen()
{
    gereizteKompartimenteGesamt = 0;
    for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
        gereizteKompartimenteGesamt += gereizteKompartimenteZaehlen(*x);
    return gereizteKompartimenteGesamt;
}

void stromreizeZuruecksetzen(NeuronDaten* n)
{
    auto zuruecksetzen = [](NeuronDaten& x) {
        for (int k = 0; k < static_cast<int>(x.stromTabellen.size()); ++k) {
            if (!stromreizKompartimentZuruecksetzen(x, k))
                return false;
            if (k <= hoechsteReizDefinition(x))
                x.stromreize[k].ausDatei = 0;
        }
        return true;
    };
    if (n)
        zuruecksetzen(*n);
    else
        for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
            if (!zuruecksetzen(*x))
                break;
    gereizteKompartimenteGesamtZaehlen();
}

int stromreizBeendet(const StromreizDefinition& d, double zeit)
{
    // permanent or switched off
    if (d.dauerreiz == 1 || d.an == 0)
        return 1;
    // one stimulus
    double dauer = d.reizart == 1 ? d.ende - d.beginn : d.anstieg + d.dach + d.abfall;
    // a series lasts its count of intervals; a stimulus longer than its interval never ends
    if (d.anzahl > 1) {
        if (dauer > d.pause)
            return 0;
        dauer = d.anzahl * d.pause;
    }
    // ended once its last pulse has ended
    return d.beginn + dauer < zeit ? 1 : 0;
}
