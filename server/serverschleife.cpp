// server/serverschleife.cpp - the paced loop of the server thread
//
// Simulated time never runs ahead of real time: after each step the loop waits on the
// clock until real time has caught up. A network slower than real time steps on without
// waiting and without skipping a step; it only falls behind.
#include "core/status.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "server/server.h"
#include <algorithm>
#include <chrono>

namespace {

class Ruhezeituhr : public ServerUhr {
public:
    double jetzt() override
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

ServerUhr& serverSystemUhr()
{
    static Ruhezeituhr uhr;
    return uhr;
}

bool ServerBefehle::senden(ServerBefehl b)
{
    const uint32_t s = schreiben_.load(std::memory_order_relaxed);
    if (s - lesen_.load(std::memory_order_acquire) >= plaetze_.size())
        return false;
    plaetze_[s % plaetze_.size()] = b;
    schreiben_.store(s + 1, std::memory_order_release);
    return true;
}

bool ServerBefehle::holen(ServerBefehl& b)
{
    const uint32_t l = lesen_.load(std::memory_order_relaxed);
    if (l == schreiben_.load(std::memory_order_acquire))
        return false;
    b = plaetze_[l % plaetze_.size()];
    lesen_.store(l + 1, std::memory_order_release);
    return true;
}

namespace {

void befehlAusfuehren(const ServerBefehl& b, ServerLaufzeit& s)
{
    switch (b.art) {
    case ServerBefehl::Stopp: s.steuerBits |= serverBit::StoppAnforderung; break;
    case ServerBefehl::FaktorAendern: s.faktor += b.wert; break;
    case ServerBefehl::ReizWert:
        if (s.modus != serverModus::MitKarte)   // with the board the queue sets it
            s.reizWert = b.wert;
        break;
    }
}

} // namespace

void spurSchritt(ServerLaufzeit& s, double potential)
{
    ServerSpur& p = s.spur;
    p.maximum = std::max(p.maximum, potential);
    p.minimum = std::min(p.minimum, potential);
    if (++p.zaehler < p.schritteProSegment)
        return;
    const uint32_t n = p.geschrieben.load(std::memory_order_relaxed);
    p.ring[n % spurRingGroesse] = {p.minimum, p.maximum};
    p.geschrieben.store(n + 1, std::memory_order_release);
    s.steuerBits |= serverBit::SpurSegment;
    p.maximum = -1.0;
    p.minimum = 1.0;
    p.zaehler = 0;
}

void serverSchleife(const ServerDaten& d, ServerLaufzeit& s, ServerUhr& uhr, ServerBefehle& befehle,
                    std::FILE* log)
{
    ServerZaehler& z = s.zaehler;
    const double dt = simulationsParameter.schrittweite;
    const double start = uhr.jetzt();
    double naechsteSekunde = 1.0;
    while (!(s.steuerBits.load() & serverBit::StoppAnforderung) && !laufZustand.abbrechen) {
        serverSynapsenWeiterleiten();
        if (s.modus == serverModus::MitKarte)
            reizAusSchlange(s);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            serverNeuronSchritt(*n, d, s);
        serverSynapsenBerechnen();
        if ((s.steuerBits.load() & serverBit::SpurZeichnen) && s.angezeigtesNeuron &&
            !s.angezeigtesNeuron->potentiale.empty())
            spurSchritt(s, s.angezeigtesNeuron->potentiale[0]);
        laufZustand.t += dt;
        s.echtzeit = uhr.jetzt() - start;
        // the stop level on the input ends the step here
        if (!ereignisKernSchritt(d, s, log))
            continue;
        // pacing against the time since the start, so a late step is made up by the next
        int64_t runden = 0;
        z.groessterRueckstand = std::max(z.groessterRueckstand, s.echtzeit - laufZustand.t);
        while (laufZustand.t > s.echtzeit) {
            s.echtzeit = uhr.jetzt() - start;
            ++runden;
        }
        z.warteRunden += runden;
        ++z.schritte;
        if (runden == 0)
            ++z.verspaetet;
        ServerBefehl b;
        while (befehle.holen(b))
            befehlAusfuehren(b, s);
        if (s.echtzeit >= naechsteSekunde) {
            naechsteSekunde += 1.0;
            s.anzeige.echtzeit.store(s.echtzeit, std::memory_order_relaxed);
            s.anzeige.groessteAnzahl.store(s.kern.groessteAnzahl, std::memory_order_relaxed);
            s.anzeige.faktor.store(s.faktor, std::memory_order_relaxed);
            s.kern.groessteAnzahl = 0;
        }
    }
    s.schritte = z.schritte;
}

ServerBerichtZahlen serverBerichtZahlen(const ServerZaehler& z, double sekunden)
{
    ServerBerichtZahlen b;
    if (z.schritte > 0)
        b.rundenProSchritt = z.warteRunden / z.schritte;
    if (sekunden > 0.0)
        b.schritteProSekunde = static_cast<double>(z.schritte) / sekunden;
    return b;
}
