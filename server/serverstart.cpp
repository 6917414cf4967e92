// server/serverstart.cpp - what a server run needs before its loop and gives back after it
//
// Everything that can refuse a start is checked before anything changes; what the engine
// and the board refuse later is taken back (the kernel, the record's start values, the
// board), so a refused start leaves the record and the program as they were. A run is endless: its
// duration stands at a value no loop reaches, and stimuli that would end are switched off,
// since their time would never come; the end gives both back with the step length.
#include "core/status.h"
#include "model/izhikevich.h"
#include "model/kca.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "model/startzustand.h"
#include "model/stromreiz.h"
#include "model/synaptisch.h"
#include "model/zufall.h"
#include "platform/box.h"
#include "server/server.h"
#include "texts/texte.h"
#include <algorithm>
#include <ctime>

ServerSicherung serverSicherung;

namespace {

constexpr double endloseDauer = 1.7e308;

bool rechenbar(const NeuronDaten& n)
{
    if (n.izhikevichAktiv)
        return true;
    const int typ = n.modellTyp != 0 ? n.modellTyp : simulationsParameter.netzwerkmodell;
    return typ == modell::Swim;
}

int kernFehlerText(int fehler)
{
    switch (fehler) {
    case ereignisFehler::KernZuKurz: return 1353;
    case ereignisFehler::SchlangeZuLang: return 1354;
    case ereignisFehler::KernSpeicher: return 1355;
    default: return 1356;
    }
}

bool verweigern(const std::string& text)
{
    plattform::hinweisBox(text);
    return false;
}

// What a start has changed by the time a later step may refuse it; zuruecknehmen gives it
// back and releases a board set up in between.
struct StartRuecknahme {
    ServerDaten& d;
    ServerLaufzeit& s;
    const ServerDaten daten;
    const ServerKern kern;
    const int modus, aktiveEreignisse;
    const double eingangsWert, faktor, reizWert;

    StartRuecknahme(ServerDaten& dd, ServerLaufzeit& ss)
        : d(dd), s(ss), daten(dd), kern(ss.kern), modus(ss.modus), aktiveEreignisse(ss.aktiveEreignisse),
          eingangsWert(ss.eingangsWert), faktor(ss.faktor), reizWert(ss.reizWert)
    {
    }
    bool zuruecknehmen() const
    {
        s.eingangsNeuron = s.ausgangsNeuron = nullptr;
        if (s.steuerBits.load() & serverBit::ErfassungEingerichtet)
            erfassungFreigeben(s);
        d = daten;
        s.kern = kern;
        s.modus = modus;
        s.aktiveEreignisse = aktiveEreignisse;
        s.eingangsWert = eingangsWert;
        s.faktor = faktor;
        s.reizWert = reizWert;
        s.angezeigtesNeuron = nullptr;
        return false;
    }
};

} // namespace

bool serverStartVorbereiten(ServerDaten& d, ServerLaufzeit& s)
{
    // the refusals, before anything changes
    if (rueckkopplungsObjektAnzahl() > 0 && simulationsParameter.rueckkopplungAktiv)
        return verweigern(meldungsTexte[1350]);
    if (teilsimulationsModus == 1)
        return verweigern(meldungsTexte[1351]);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (!rechenbar(*n))   // it would run without its channels
            return verweigern(meldungFormatieren(1352, neuronAnzeigename(*n)));
    serverNeuroneAufloesen(d, s);
    if (!s.eingangsNeuron || !s.ausgangsNeuron) {
        s.eingangsNeuron = s.ausgangsNeuron = s.angezeigtesNeuron = nullptr;
        return verweigern(meldungsTexte[517]);
    }
    // the kernel checks and allocates before it changes anything
    const StartRuecknahme vorher(d, s);
    if (const int fehler = ereignisKernVorbereiten(d, s, simulationsParameter.schrittweite);
        fehler != ereignisFehler::Keiner) {
        vorher.zuruecknehmen();
        return verweigern(meldungsTexte[kernFehlerText(fehler)]);
    }

    s.steuerBits &= ~serverBit::ThreadErzeugt;
    if (s.modus == serverModus::MitKarte) {
        if (!erfassungEinrichten(s))   // declined after a board warning
            return vorher.zuruecknehmen();
        s.steuerBits |= serverBit::ErfassungEingerichtet;
    } else {
        s.modus = serverModus::OhneErfassung;
        s.reizWert = 0.0;
    }
    laufZustand.t = 0.0;
    laufZustand.abbrechen = 0;
    if (!laufZustand.eingerichtet || laufZustand.nachLauf) {
        if (!neuronenStartzustandSetzen())
            return vorher.zuruecknehmen();
        synapsenWarteschlangenAnlegen();
        if (laufZustand.abbrechen)   // the rings could not be set up: no step may run on them
            return vorher.zuruecknehmen();
        laufZustand.eingerichtet = 1;
    }
    // the synapses take their pool lengths from the duration the user set, not the endless one
    serverSicherung = {};
    serverSicherung.dauer = simulationsParameter.simulationsDauer;
    serverSicherung.schrittweite = simulationsParameter.schrittweite;
    serverSicherung.spikesAufzeichnen = spikeAufzeichnung.aufzeichnen;
    serverSicherung.werteExportieren = programmStatus & programmBit::WerteExportieren;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (!synapsenLaufVorbereiten(*n))
            return vorher.zuruecknehmen();
    // nothing refuses from here on: the diagram windows and the spike recording of the
    // last run go only now
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* g = &n->hauptDiagramm; g; g = g->naechstes)
            if (g->fenster) {   // the window only: its curves stay for the end to count
                plattform::fensterZerstoeren(g->fenster);
                g->fenster = nullptr;
            }
    aufzeichnungLoeschen(spikeAufzeichnung);
    s.steuerBits &= ~serverBit::StoppAnforderung;   // a request of no run stops none
    spikeAufzeichnung.aufzeichnen = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const int hoechste = hoechsteReizDefinition(*n);
        for (int k = 0; k <= hoechste; ++k) {
            StromreizDefinition& r = n->stromreize[static_cast<size_t>(k)];
            if (!r.an || r.dauerreiz)
                continue;
            r.an = 0;
            stromreizKompartimentZuruecksetzen(*n, k);
            serverSicherung.abgeschalteteReize.push_back({n->nummer, k});
        }
        if (n->kcaModus & 0x1)
            kcaLaufwerteSetzen(*n);
        n->spikeZeiten.clear();
        n->apAnzahl = 0;
        n->serverStrom = 0.0;
        if (n->izhikevichAktiv) {
            izhikevichVorbereiten(*n);
            // the Izhikevich step is never shorter than the run step
            simulationsParameter.izhikevichSchrittweite =
                std::max(simulationsParameter.izhikevichSchrittweite, simulationsParameter.schrittweite * 1000.0);
        }
        // the server's spike test skips a neuron whose main conductances are all 0
        const ParameterVektor& P = n->parameter;
        n->passivMarke = P[par::SwimNaG] == 0.0 && P[par::SwimKG] == 0.0 && P[par::SwimCaG] == 0.0 ? 1 : 0;
    }
    simulationsParameter.simulationsDauer = endloseDauer;
    programmStatus &= ~programmBit::WerteExportieren;   // an endless run exports nothing
    laufZustand.schrittZaehler = 0;
    zufallStarten(static_cast<uint32_t>(std::time(nullptr)));

    if (!s.angezeigtesNeuron)
        s.angezeigtesNeuron = s.ausgangsNeuron;
    laufZustand.t = 0.0;
    s.reizWert = 0.0;
    s.zaehler = {};
    s.schritte = 0;
    s.echtzeit = 0.0;
    s.ereignisAnzahl = 0;
    s.pulsAnzahl = 0;
    s.pulsAktiv = 0;
    s.spur.zaehler = 0;
    s.spur.maximum = -1.0;
    s.spur.minimum = 1.0;
    s.spur.schritteProSegment = spurSchritteVorgabe;
    s.spur.geschrieben.store(0);
    s.steuerBits |= serverBit::SpurZeichnen;
    ServerAnzeige& a = s.anzeige;
    a.echtzeit = 0.0;
    a.faktor = s.faktor;
    a.groessteAnzahl = 0;
    a.schritte = 0;
    a.spurSchritte = spurSchritteVorgabe;
    a.spurAn = 1;
    a.kPotential = s.ausgangsNeuron->parameter[par::SwimKE];
    return true;
}

double serverBetriebThread(const ServerDaten& d, ServerLaufzeit& s, ServerUhr& uhr, ServerBefehle& befehle)
{
    s.steuerBits |= serverBit::SchleifeLaeuft;
    const double beginn = uhr.jetzt();
    s.pulsAktiv = 0;
    if (s.modus == serverModus::MitKarte)
        serverApAusgeben(s);
    std::FILE* log = nullptr;
    if (d.stromInDatei) {
        const std::time_t jetzt = uhr.kalenderzeit();
        std::tm start{};
        localtime_r(&jetzt, &start);
        log = serverLogOeffnen(d, start);
    }
    serverSchleife(d, s, uhr, befehle, log);
    const double sekunden = uhr.jetzt() - beginn;
    if (log)
        std::fclose(log);
    s.steuerBits &= ~serverBit::StoppAnforderung;
    s.kern.totzeitAktiv = 0;
    s.pulsAktiv = 0;
    // the board belongs to this thread until here
    if (s.modus == serverModus::MitKarte) {
        if (s.steuerBits.load() & serverBit::ErfassungEingerichtet)
            erfassungFreigeben(s);
        s.eingangsWert = 0.0;
        s.pulsDaWert = 0;
        serverApAusgeben(s);   // both outputs rest at 0 after the run
        if (const int16_t status = daqFunktionen->AO_Write(1, 1, 0))
            s.fehlerSumme += daqFunktionen->NIDAQErrorHandler(status, "AO_Write", 0);
    }
    return sekunden;
}

std::string serverEndeBearbeiten(ServerLaufzeit& s, double sekunden)
{
    const ServerBerichtZahlen z = serverBerichtZahlen(s.zaehler, sekunden);
    const std::string bericht =
        s.modus == serverModus::MitKarte
            ? meldungFormatieren(1357, s.zaehler.schritte, sekunden, z.schritteProSekunde, z.rundenProSchritt,
                                 s.ereignisAnzahl)
            : meldungFormatieren(1358, s.zaehler.schritte, sekunden, z.schritteProSekunde, z.rundenProSchritt,
                                 s.reizTabellenIndex);
    s.kern.schlange.clear();
    s.kern.schlange.shrink_to_fit();
    // whatever ended the run, the next one finds duration, step and stimuli as they were
    simulationsParameter.simulationsDauer = serverSicherung.dauer;
    simulationsParameter.schrittweite = serverSicherung.schrittweite;
    spikeAufzeichnung.aufzeichnen = serverSicherung.spikesAufzeichnen;
    if (serverSicherung.werteExportieren)
        programmStatus |= programmBit::WerteExportieren;
    for (const auto& [nummer, k] : serverSicherung.abgeschalteteReize)
        if (NeuronDaten* n = neuronNachNummer(nummer)) {
            n->stromreize[static_cast<size_t>(k)].an = 1;
            stromreizKurveErzeugen(*n, k);
        }
    serverSicherung = {};
    // the diagrams hold a run's worth of samples, never more than their buffers
    const int schritte = simulationsParameter.anzahlSchritte;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* g = &n->hauptDiagramm; g; g = g->naechstes)
            for (KurvenDaten& k : g->kurven) {
                k.werteAnzahl = std::min(schritte, static_cast<int>(k.werte.size()));
                if ((k.referenz & kurvenReferenz::Freisetzung) && !k.werte.empty())
                    freisetzungsKurveAusRing(k, k.werteAnzahl);
            }
    s.eingangsNeuron = s.ausgangsNeuron = s.angezeigtesNeuron = nullptr;
    s.steuerBits &= ~serverBit::SchleifeLaeuft;
    return bericht;
}
