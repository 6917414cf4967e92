// server/ereigniskern.cpp - events on the analog input and the current they inject
//
// Each event adds a smooth kernel that rises over 0.64 s and is gone after 3.84 s; the sum
// of all recent kernels becomes a current that reaches the output neuron's soma after the
// set delay. Everything here runs on the server thread and allocates only in the
// preparation.
#include "server/server.h"
#include <climits>
#include <cmath>
#include <new>
#include <utility>
#include <vector>
#include <algorithm>

namespace {

constexpr double kernZeitkonstante = 320.0;   // ms
constexpr int16_t stoppPegel = -410;
constexpr int rueckleseSchritte = 3;

// integer part of a quotient of two step counts that are whole in decimal (0.3 / 0.0001),
// which binary division may leave a hair below the whole number
double ganzerTeil(double x) { return std::floor(x + 1e-9); }

} // namespace

double sanfterAnfang(double strom)
{
    return strom * 1.0 / (1.0 + std::exp((strom - 1.3e-10) / (-0.02) * 1e9));
}

int ereignisKernVorbereiten(ServerDaten& d, ServerLaufzeit& s, double schritt)
{
    // everything is checked and allocated before anything changes, so a refusal leaves
    // the record as it was
    const double laenge = ganzerTeil(0.012 * kernZeitkonstante / schritt);
    // below three entries the kernel has no value between its zero ends
    if (!(laenge >= 3.0) || laenge > INT_MAX)
        return ereignisFehler::KernZuKurz;
    const double verzoegerung = d.verzoegerung > 0.0 ? d.verzoegerung : 1.5;
    const double schlange = ganzerTeil(verzoegerung / schritt);
    if (!(schlange >= 0.0) || schlange > INT_MAX - 64)
        return ereignisFehler::SchlangeZuLang;
    std::vector<double> werte, q;
    try {
        werte.assign(static_cast<size_t>(laenge), 0.0);
    } catch (const std::bad_alloc&) {
        return ereignisFehler::KernSpeicher;
    }
    try {
        q.assign(static_cast<size_t>(schlange) + 64, 0.0);
    } catch (const std::bad_alloc&) {
        return ereignisFehler::SchlangeSpeicher;
    }
    double groesster = 0.0;
    for (size_t i = 0; i < werte.size(); ++i) {
        const double t = static_cast<double>(i) * schritt;
        werte[i] = t * t * std::exp(-t / (kernZeitkonstante / 1000.0));
        groesster = std::max(groesster, werte[i]);
    }
    for (double& w : werte)
        w = w / groesster / 20.0;

    ServerKern& k = s.kern;
    k = {};
    k.werte = std::move(werte);
    k.laenge = static_cast<int>(laenge);
    k.schlange = std::move(q);
    k.schlangenLaenge = static_cast<int>(schlange);
    s.aktiveEreignisse = 0;
    s.eingangsWert = 0.0;
    serverStartwerteSetzen(d, s);
    k.verstaerkung = d.stromFaktor * d.eichfaktor;
    return ereignisFehler::Keiner;
}

void serverEreignisZaehlen(ServerLaufzeit& s)
{
    ServerKern& k = s.kern;
    // a full ring forgets its oldest event, whose slot the new one takes
    if (s.aktiveEreignisse >= ereignisRingGroesse) {
        k.ringAnfang = (k.ringAnfang + 1) % ereignisRingGroesse;
        --s.aktiveEreignisse;
    }
    ++s.aktiveEreignisse;
    k.alter[k.schreibIndex] = 1;
    k.schreibIndex = (k.schreibIndex + 1) % ereignisRingGroesse;
}

void reizAusSchlange(ServerLaufzeit& s)
{
    ServerKern& k = s.kern;
    s.reizWert = k.schlange[k.lesen];
    if (++k.lesen >= k.schlangenLaenge)
        k.lesen = 0;
}

bool ereignisKernSchritt(const ServerDaten& d, ServerLaufzeit& s, std::FILE* log)
{
    ServerKern& k = s.kern;
    // the sum of the kernels; an event whose kernel has run out leaves the ring
    s.eingangsWert = 0.0;
    int bleiben = s.aktiveEreignisse;
    for (int m = 0, i = k.ringAnfang; m < s.aktiveEreignisse; ++m, i = (i + 1) % ereignisRingGroesse) {
        int& alter = k.alter[i];
        s.eingangsWert += k.werte[alter];
        if (++alter >= k.laenge - 1) {
            alter = 0;
            --bleiben;
            k.ringAnfang = (k.ringAnfang + 1) % ereignisRingGroesse;
        }
    }
    s.aktiveEreignisse = bleiben;
    k.groessteAnzahl = std::max(k.groessteAnzahl, bleiben);
    if (d.eingangAusgeben)
        kernEingangAusgeben(d, s);
    // the current into the queue; the soft start suppresses currents well below 0.13 nA
    double& q = k.schlange[k.schreiben];
    q = s.eingangsWert * k.verstaerkung * s.faktor;
    if (d.anfangVerzoegern)
        q = sanfterAnfang(q);
    if (log)
        serverLogZeile(log, s.faktor);
    if (++k.schreiben >= k.schlangenLaenge)
        k.schreiben = 0;
    // events, and the factor the input reports three steps after one
    if (s.modus == serverModus::MitKarte) {
        bool ereignis = false;
        int16_t probe = 0;
        if (!k.totzeitAktiv && eingangAbfragen(s, probe)) {
            if (probe >= d.ereignisSchwelle) {
                k.rueckleseZaehler = rueckleseSchritte;
                ++s.ereignisAnzahl;
                k.totzeitAktiv = 1;
                k.totzeitEnde = s.echtzeit + d.ereignisTotzeit;
                serverEreignisZaehlen(s);
                ereignis = true;
            } else if (probe <= stoppPegel) {
                s.steuerBits |= serverBit::StoppAnforderung;
                return false;
            }
        }
        // the read-back counts on after a dead time shorter than its three steps
        if (!ereignis) {
            if (k.rueckleseZaehler > 0 && --k.rueckleseZaehler == 0 && eingangAbfragen(s, probe))
                s.faktor = probe * 5.0 / 2048 - 1.0;
            if (k.totzeitAktiv && s.echtzeit > k.totzeitEnde)
                k.totzeitAktiv = 0;
        }
    }
    // the end of the output pulse
    if (s.pulsAktiv && s.echtzeit >= s.pulsEnde) {
        s.pulsDaWert = 0;
        s.pulsAktiv = 0;
        serverApAusgeben(s);
    }
    return true;
}
