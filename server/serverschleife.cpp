// server/serverschleife.cpp - the paced loop of the server thread
//
// Simulated time never runs ahead of real time: after each step the loop waits on the
// clock until real time has caught up. A network slower than real time steps on without
// waiting and without skipping a step; it only falls behind.
#include "core/status.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "server/server.h"
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>

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

// the loop applied a command: the changed value is published, then its receipt
void quittieren(ServerLaufzeit& s, ServerBefehl::Art art)
{
    const uint32_t alt = s.anzeige.quittung.load(std::memory_order_relaxed);
    s.anzeige.quittung.store(((alt >> 8) + 1) << 8 | static_cast<uint32_t>(art), std::memory_order_release);
}

NeuronDaten* befehlsNeuron(int nummer) { return nummer != 0 ? neuronNachNummer(nummer) : nullptr; }

} // namespace

void kaliumPotentialAnwenden(NeuronDaten& n, double e)
{
    ParameterVektor& P = n.parameter;
    P[par::SwimKE] = e;
    P[par::SomaRuhepotential] = e + 0.02;
    P[par::DendritRuhepotential] = e + 0.02;
    n.leitwertMalPotential[1] = P[par::SwimKE] * P[par::SwimKG];
    n.leckTerm = P[par::SomaRuhepotential] * P[par::SomaLeitwert];
    n.dendLeckTerm = P[par::DendritRuhepotential] * P[par::DendritLeitwert];
}

void serverBefehlAusfuehren(const ServerBefehl& b, ServerLaufzeit& s)
{
    ServerAnzeige& a = s.anzeige;
    switch (b.art) {
    case ServerBefehl::Stopp: s.steuerBits |= serverBit::StoppAnforderung; break;
    case ServerBefehl::FaktorAendern:
        s.faktor += b.wert;
        if (b.wert < 0.0 && s.faktor <= 0.0)
            s.faktor = 0.01;
        a.faktor.store(s.faktor, std::memory_order_relaxed);
        quittieren(s, b.art);
        break;
    case ServerBefehl::ReizWert:
        if (s.modus != serverModus::MitKarte)   // with the board the queue sets it
            s.reizWert = b.wert;
        break;
    case ServerBefehl::TestStrom:
        if (s.modus != serverModus::MitKarte && s.reizWert <= 1e-10)
            s.reizWert = serverTestStrom;
        break;
    case ServerBefehl::SpurSchritteAendern:
    case ServerBefehl::SpurSchritteSetzen: {
        int& n = s.spur.schritteProSegment;
        if (b.art == ServerBefehl::SpurSchritteSetzen)
            n = std::max(1, b.zahl);
        else if (b.zahl == 0)
            n = spurSchritteVorgabe;
        else
            n = n + b.zahl <= 1 ? 1 : static_cast<int>(std::min<int64_t>(int64_t{n} + b.zahl, INT_MAX));
        a.spurSchritte.store(n, std::memory_order_relaxed);
        quittieren(s, b.art);
        break;
    }
    case ServerBefehl::SpurUmschalten: {
        const uint32_t bits = s.steuerBits.fetch_xor(serverBit::SpurZeichnen) ^ serverBit::SpurZeichnen;
        a.spurAn.store((bits & serverBit::SpurZeichnen) ? 1 : 0, std::memory_order_relaxed);
        quittieren(s, b.art);
        break;
    }
    case ServerBefehl::KPotential:
        if (s.ausgangsNeuron) {
            kaliumPotentialAnwenden(*s.ausgangsNeuron, b.wert);
            a.kPotential.store(b.wert, std::memory_order_relaxed);
            quittieren(s, b.art);
        }
        break;
    case ServerBefehl::AnzeigeNeuron:
        if (NeuronDaten* n = befehlsNeuron(b.zahl))
            s.angezeigtesNeuron = n;
        break;
    case ServerBefehl::EingangsNeuron:
        if (NeuronDaten* n = befehlsNeuron(b.zahl))
            s.eingangsNeuron = n;
        break;
    case ServerBefehl::AusgangsNeuron:
        if (NeuronDaten* n = befehlsNeuron(b.zahl)) {
            s.ausgangsNeuron = n;
            a.kPotential.store(n->parameter[par::SwimKE], std::memory_order_relaxed);
        }
        break;
    }
}

SpurGeometrie spurGeometrie(int clientBreite, int clientHoehe)
{
    SpurGeometrie g;
    g.breite = std::max(0, clientBreite - 2 * g.rand);
    g.halbHoehe = clientHoehe / 2 - 2 * g.vRand;
    g.grundlinie = clientHoehe - g.vRand;
    return g;
}

std::pair<int, int> spurZeilen(const SpurGeometrie& g, double minimum, double maximum)
{
    // the offset above the base line, bounded so that a wild value stays a wild row
    const double grenze = 4.0 * (std::abs(g.grundlinie) + std::abs(g.halbHoehe) + 1);
    const auto hoehe = [&](double v) -> int {
        const double y = (v * g.skala - g.unten * g.skala) * g.halbHoehe / (g.oben - g.unten);
        if (std::isnan(y))
            return 0;
        return static_cast<int>(std::lround(std::clamp(y, -grenze, grenze)));
    };
    return {g.grundlinie - hoehe(minimum) + 1, g.grundlinie - hoehe(maximum)};
}

void spurSchritt(ServerLaufzeit& s, double potential)
{
    ServerSpur& p = s.spur;
    p.maximum = std::max(p.maximum, potential);
    p.minimum = std::min(p.minimum, potential);
    if (++p.zaehler < p.schritteProSegment)
        return;
    const uint32_t n = p.geschrieben.load(std::memory_order_relaxed);
    SpurWert& w = p.ring[n % spurRingGroesse];
    w.minimum.store(p.minimum, std::memory_order_relaxed);
    w.maximum.store(p.maximum, std::memory_order_relaxed);
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
            serverBefehlAusfuehren(b, s);
        if (s.echtzeit >= naechsteSekunde) {
            naechsteSekunde += 1.0;
            ServerAnzeige& a = s.anzeige;
            a.echtzeit.store(s.echtzeit, std::memory_order_relaxed);
            a.groessteAnzahl.store(s.kern.groessteAnzahl, std::memory_order_relaxed);
            a.faktor.store(s.faktor, std::memory_order_relaxed);
            a.schritte.store(z.schritte, std::memory_order_relaxed);
            a.sekunden.fetch_add(1, std::memory_order_release);
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
