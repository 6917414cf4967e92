// model/skriptlauf.cpp - what a run does for the script that started it
//
// The progress of the whole script in the status bar, the EPSP measurement's running
// maximum, and the EPSP table's row after each finished run.
#include "model/skript.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "model/neuron.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

int skriptErgebnisArt = 0;

namespace {

bool epspMessung()
{
    return (skriptStatus & skriptBit::Laeuft) && skriptLaufwerte.ergebnisArt == 16;
}

// the measurement ends: the next one takes the next entry, the last entry stays the last
void epspMessungSchliessen()
{
    SkriptLaufwerte& w = skriptLaufwerte;
    w.epspIndex = std::min(w.epspIndex + 1, epspTabellenGroesse - 1);
    w.epspMisst = 0;
}

// runs done and to do, by the kind of selection
void fortschritt(double& getan, double& gesamt)
{
    const SkriptLaufwerte& w = skriptLaufwerte;
    if (w.auswahl <= 0) {
        getan = w.lauf + 1;
        gesamt = w.laeufe;
    } else if (w.auswahl == 1) {
        getan = w.auswahlIndex;
        gesamt = w.auswahlAnzahl;
    } else {
        getan = w.lauf - w.ersterLauf + 1;
        gesamt = w.auswahl;
    }
}

std::string ohneTab(const std::string& text) { return !text.empty() && text[0] == '\t' ? text.substr(1) : text; }

} // namespace

void skriptEpspZuruecksetzen()
{
    if (!epspMessung())
        return;
    SkriptLaufwerte& w = skriptLaufwerte;
    w.epspIndex = 0;
    w.epspMisst = 0;
    w.epspEnde = 0.0;
    w.epspAmplituden = {};
}

void skriptEpspMessungOeffnen(NeuronDaten& neuron, double ende)
{
    if (!epspMessung())
        return;
    SkriptLaufwerte& w = skriptLaufwerte;
    w.epspNeuron = &neuron;
    w.epspEnde = ende;
    w.epspMisst = 1;
}

void skriptSchritt(double t)
{
    if (!(skriptStatus & skriptBit::Laeuft))
        return;
    SkriptLaufwerte& w = skriptLaufwerte;
    if (!epspMessung() || !w.epspMisst || !w.epspNeuron)
        return;
    if (t >= w.epspEnde) {
        epspMessungSchliessen();
        return;
    }
    const std::vector<double>& p = w.epspNeuron->potentiale;
    double& maximum = w.epspAmplituden[static_cast<size_t>(w.epspIndex)];
    if (!p.empty() && p[0] > maximum)
        maximum = p[0];
}

void skriptFortschritt(double prozent)
{
    if ((skriptStatus & skriptBit::Laeuft) && skriptLaufwerte.zaehler == 0)
        statusTeilSetzen(3, meldungFormatieren(1142, prozent));
}

void skriptLaufEnde()
{
    if (!(skriptStatus & skriptBit::Laeuft))
        return;
    SkriptLaufwerte& w = skriptLaufwerte;
    if (epspMessung() && w.epspMisst)
        epspMessungSchliessen();
    // the remaining time from the time per run so far
    if (skriptStatus & skriptBit::Fortsetzen)
        w.neuGestartet = 1;
    else if (w.lauf == 0)
        w.neuGestartet = 0;
    double getan = 0.0, gesamt = 0.0;
    fortschritt(getan, gesamt);
    std::string rest;
    if (w.neuGestartet) {
        rest = meldungFormatieren(1139, w.fortsetzenBei);
    } else {
        const double proLauf = getan > 0.0 ? (plattform::uhrSekunden() - w.startZeit) / getan : 0.0;
        // in 64 bits and bounded: millions of planned runs of seconds each pass any int
        const double sekunden = std::clamp((gesamt - getan) * proLauf, 0.0, 1e15);
        const long long s = std::isfinite(sekunden) ? static_cast<long long>(sekunden) : 0, m = s / 60, h = m / 60;
        rest = meldungFormatieren(1138, h, m - 60 * h, s - 60 * m);
    }
    if (++w.zaehler >= std::max(1, w.zaehlerGrenze)) {
        statusTeilSetzen(1, rest);
        statusTeilSetzen(0, meldungsTexte[1104]);
        statusTeilSetzen(2, meldungFormatieren(1140, w.lauf + 1, gesamt > 0.0 ? 100.0 * getan / gesamt : 100.0));
        statusTeilSetzen(3, meldungFormatieren(1141));
        if (skriptStatus & skriptBit::InteraktiveAusfuehrung)
            w.interaktivZeilen = {ohneTab(statusTexte[1]), ohneTab(statusTexte[2])};
        w.zaehler = 0;
    }
    if (epspMessung() && w.epspZeileSchreiben)
        w.epspZeileSchreiben();
}

// no statement waits for a spike
void skriptSpikeWarten(NeuronDaten&, double) {}
