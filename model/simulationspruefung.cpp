// model/simulationspruefung.cpp - the check before a run and the run settings' changes that
// reach every neuron
#include "model/simulationspruefung.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
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
#include <cstdio>
#include <new>
#include <unistd.h>

uint64_t (*physischerSpeicherQuelle)() = nullptr;

int anzahlSchritteBerechnen(double dauer, double schritt)
{
    if (!(schritt > 0.0))
        return 0;
    const double q = std::round(dauer / schritt);
    if (std::isnan(q))
        return 0;
    // a huge quotient cannot be run anyway; it must not overflow the count
    return static_cast<int>(std::clamp(q, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

void laufzeitSetzen(double dauer, double schritt)
{
    simulationsParameter.simulationsDauer = dauer;
    simulationsParameter.schrittweite = schritt;
    simulationsParameter.anzahlSchritte = anzahlSchritteBerechnen(dauer, schritt);
}

uint64_t physischerSpeicher()
{
    if (physischerSpeicherQuelle)
        return physischerSpeicherQuelle();
    const long seiten = sysconf(_SC_PHYS_PAGES), groesse = sysconf(_SC_PAGESIZE);
    if (seiten <= 0 || groesse <= 0)
        return 0;
    return static_cast<uint64_t>(seiten) * static_cast<uint64_t>(groesse);
}

namespace {

// the slots a run gives a buffer of one sample per step: the shown ones of every diagram,
// and the main soma slot while the soma-potential file is asked for (as the run's diagram
// preparation does)
int laufKurvenZaehlen()
{
    const bool somaDatei = programmStatus & programmBit::SomaDateiSchreiben;
    int anzahl = 0;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (const DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            for (int slot = 0; slot < kurvenProDiagramm; ++slot)
                if (d->kurven[slot].anzeigen || (somaDatei && d == &n->hauptDiagramm && slot == kurve::Soma))
                    ++anzahl;
    return anzahl;
}

std::string zahlText(const char* format, double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, x);
    return puffer;
}

// bytes in the largest unit that leaves a number of at least 1
std::string speicherText(long double bytes)
{
    static const char* const einheiten[] = {"Bytes", "KB", "MB", "GB", "TB"};
    int e = 0;
    while (bytes >= 1024.0L && e < 4) {
        bytes /= 1024.0L;
        ++e;
    }
    const double wert = static_cast<double>(bytes);
    if (e == 0)
        return zahlText("%.0f ", wert) + einheiten[0];
    // beyond a million TB the digits say nothing, and hundreds of them would not fit
    return zahlText(wert < 1e6 ? "%.1f " : "%.3g ", wert) + einheiten[e];
}

// the step count as a whole number while it reads as one
std::string schritteText(double schritte)
{
    return zahlText(std::isfinite(schritte) && schritte < 1e15 ? "%.0f" : "%.3g", schritte);
}

} // namespace

Laufumfang laufumfangBerechnen(double dauer, double schritt)
{
    Laufumfang u;
    u.kurven = laufKurvenZaehlen();
    u.speicherGrenze = static_cast<double>(physischerSpeicher()) / 2.0;
    if (!std::isfinite(dauer) || !std::isfinite(schritt)) {
        u.schritte = INFINITY;
        u.bytes = u.kurven > 0 ? HUGE_VALL : 0.0L;
        u.moeglich = false;
        return u;
    }
    if (!(dauer > 0.0) || !(schritt > 0.0))
        return u;
    u.schritte = std::round(dauer / schritt);
    u.bytes = static_cast<long double>(u.kurven) * u.schritte * 4.0L;
    const bool zaehlerReicht = 2.0 * u.schritte <= static_cast<double>(INT_MAX);
    const bool speicherReicht = u.speicherGrenze <= 0.0 || u.bytes <= u.speicherGrenze;
    u.moeglich = zaehlerReicht && speicherReicht;
    return u;
}

bool laufumfangPruefen(double dauer, double schritt, const std::string& feld)
{
    const Laufumfang u = laufumfangBerechnen(dauer, schritt);
    if (u.moeglich)
        return true;
    // No notice names "inf" or "nan": a value that is no finite number (a file or a script
    // brings those, the dialog refuses them) is asked for as one; finite values whose
    // quotient overflows give more steps than can be counted, and then no memory either.
    if (!std::isfinite(dauer) || !std::isfinite(schritt))
        plattform::hinweisBox(meldungFormatieren(952, feld));
    else if (!std::isfinite(u.schritte))
        plattform::hinweisBox(meldungFormatieren(1807, feld, zahlText("%g", dauer), zahlText("%g", schritt),
                                                 INT_MAX / 2, speicherText(u.speicherGrenze)));
    else
        plattform::hinweisBox(meldungFormatieren(816, feld, zahlText("%g", dauer), zahlText("%g", schritt),
                                                 schritteText(u.schritte), u.kurven,
                                                 speicherText(u.bytes),
                                                 INT_MAX / 2, speicherText(u.speicherGrenze)));
    return false;
}

std::string laufzeitFelderName() { return dialogTexte[131] + "\" / \"" + dialogTexte[132]; }

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
        endeMelden(EndeForm::Info, meldungFormatieren(692));
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
    // each must be positive (two negative values would give a positive product), and the
    // run must fit its step counter and the memory
    auto laufbar = [&] {
        return sp.simulationsDauer > 0.0 && sp.schrittweite > 0.0 &&
               laufumfangBerechnen(sp.simulationsDauer, sp.schrittweite).moeglich;
    };
    if (!laufbar()) {
        laufumfangPruefen(sp.simulationsDauer, sp.schrittweite, laufzeitFelderName());
        rahmen::laufEinstellungenDialog(eigner);
        if (!laufbar())
            return 0;
    }
    return synapsenTypenSicherstellen() ? 1 : 0;
}
