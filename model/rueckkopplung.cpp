// model/rueckkopplung.cpp - feedback objects: the list, the protection of their neurons and
// the burst detector a SWIM neuron's spikes run through
#include "model/rueckkopplung.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cmath>
#include <new>

Rueckkopplungsobjekt* rueckkopplungsObjekte = nullptr;
Rueckkopplungsobjekt* aktuellesRueckkopplungsobjekt = nullptr;

namespace {

int anzahl = 0;

void speicherFehlt(int text)
{
    endeMelden(EndeForm::Hinweis, meldungFormatieren(text));
}

// the soma stimulus switched off and its table back to "no stimulus"
void somaReizLoeschen(NeuronDaten& n)
{
    n.stromreize[0] = StromreizDefinition{};
    stromreizKompartimentZuruecksetzen(n, 0);
}

// the pulse train of a firing, programmed into every target's soma
void zugProgrammieren(Rueckkopplungsobjekt& o, double t, double latenz, double frequenz)
{
    const double dauer = simulationsParameter.simulationsDauer;
    if (!(t + latenz + o.stromreizDauer < dauer))
        return;   // it would not end inside the run
    const double pulse = std::ceil(o.zielBurstDauer * frequenz);
    if (!(frequenz > 0.0) || !std::isfinite(pulse) || pulse < 0.0 || pulse > 2e9)
        return;   // no train can be built from these values
    for (NeuronDaten* z : o.zielneurone) {
        StromreizDefinition& d = z->stromreize[0];
        d.an = 1;
        d.beginn = t + latenz;
        d.dach = o.stromreizDauer;
        d.amplitude = o.stromreizAmplitude;
        d.reizart = 0;
        d.anzahl = static_cast<int>(pulse);
        d.pause = 1.0 / frequenz;
        stromreizKurveErzeugen(*z, 0);
    }
}

// latency, frequency and train duration for cycle period p; false when there are none
bool zugWerte(Rueckkopplungsobjekt& o, double p, double t, double& latenz, double& frequenz)
{
    if (o.artDesZusammenhangs == zusammenhang::Tabelle) {
        if (o.zusammenhangsTabelle.empty())
            return false;
        const ZusammenhangsEintrag* e = &o.zusammenhangsTabelle.back();
        for (const ZusammenhangsEintrag& z : o.zusammenhangsTabelle)
            if (z.zyklusperiode >= p) {
                e = &z;
                break;
            }
        latenz = e->latenz;
        frequenz = e->frequenz;
        o.zielBurstDauer = e->burstDauer;
        return true;
    }
    latenz = o.geradenSteigung[0] * p + o.geradenAchsenabschnitt[0];
    frequenz = o.geradenSteigung[1] * p + o.geradenAchsenabschnitt[1];
    o.zielBurstDauer = o.geradenSteigung[2] * p + o.geradenAchsenabschnitt[2];
    if (o.elevatorAktiv)
        o.zielBurstDauer = o.elevatorMaxDauer > 0.0
                               ? o.elevatorMaxDauer
                               : simulationsParameter.simulationsDauer - t - simulationsParameter.schrittweite;
    return true;
}

void burstZuruecksetzen(Rueckkopplungsobjekt& o)
{
    o.burstZustand = 0;
    o.burstSpikes = 0;
    o.isiSumme = 0.0;
}

// The trigger's spike at t through the burst detector; a qualifying burst fires.
void triggerSpike(Rueckkopplungsobjekt& o, double t)
{
    // an object without targets never has a train running nor starts one
    const NeuronDaten* z0 = o.zielneurone.empty() ? nullptr : o.zielneurone.front();
    const bool frei = z0 && (t > z0->stromreize[0].beginn + o.zielBurstDauer || o.reizueberlappung);
    bool sofortFeuern = false;

    // the spike opens a burst or adds to the open one
    if (o.burstZustand == 0) {
        if (o.burstBeginn == 0.0) {
            o.burstBeginn = t;
            o.burstZustand = burstBit::Offen;
            ++o.burstSpikes;
        } else if (o.triggerParameter > 0.0 && t - o.burstBeginn < o.triggerParameter) {
            burstZuruecksetzen(o);   // too early after the last burst start: dropped
            return;
        } else if (o.burstpause > 0.0) {
            if (t - o.letzterSpike > o.burstpause) {
                o.burstBeginn = t;
                o.burstZustand = burstBit::Offen;
                ++o.burstSpikes;
            }
        } else {
            o.burstBeginn = t;
            o.burstZustand = burstBit::Offen;
            ++o.burstSpikes;
        }
        if (o.burstbeginnMarke != 0 && o.burstZustand == burstBit::Offen)
            o.burstbeginnMarke = -1;
        o.letzterSpike = t;
    } else {
        ++o.burstSpikes;
        const double d = t - o.letzterSpike;
        if (o.maxInterSpikeIntervall > 0.0 && d >= o.maxInterSpikeIntervall) {
            // too long a pause: this spike begins a new burst
            o.burstZustand = burstBit::Offen;
            o.isiSumme = 0.0;
            o.burstSpikes = 1;
            o.burstBeginn = t;
            o.letzterSpike = t;
        } else if (o.startInterSpikeIntervall > 0.0 && o.burstSpikes > 1 && d <= o.startInterSpikeIntervall) {
            o.burstBeginn = o.letzterSpike;
            o.letzterSpike = t;
            sofortFeuern = true;
        } else {
            o.isiSumme += d;
            o.letzterSpike = t;
        }
    }

    // the criteria
    if (!sofortFeuern) {
        if (o.burstSpikes >= o.apsProBurst)
            o.burstZustand |= burstBit::GenugSpikes;
        else
            o.burstZustand &= ~burstBit::GenugSpikes;
        if (o.triggerFrequenz > 0.0) {
            if (o.burstSpikes > 1) {
                const double f = 1.0 / (o.isiSumme / (o.burstSpikes - 1));
                if (f >= o.triggerFrequenz)
                    o.burstZustand |= burstBit::FrequenzErreicht;
                else
                    o.burstZustand &= ~burstBit::FrequenzErreicht;
            }
        } else {
            o.burstZustand |= burstBit::FrequenzErreicht;
        }
        if (o.burstZustand != burstBit::Alle && o.burstbeginnMarke != -1)
            return;
    }

    // firing
    if (o.burstbeginnMarke != -1)
        ++o.burstZaehler;
    double p = 0.0;
    bool zug = true;
    if (o.artDesZusammenhangs != zusammenhang::FesteWerte) {
        if (o.burstZaehler <= 1) {
            zug = false;   // the first qualifying burst only measures
        } else {
            p = o.burstBeginn - o.vorigerBurstBeginn;
            if (o.burstbeginnMarke == -1) {
                o.burstbeginnMarke = 0;
            } else if (o.zielaktivierungBeiBurstbeginn) {
                o.burstbeginnMarke = 1;
                zug = false;
            }
        }
    }
    if (zug && frei) {
        double latenz = 0.0, frequenz = 0.0;
        if (zugWerte(o, p, t, latenz, frequenz))
            zugProgrammieren(o, t, latenz, frequenz);
        if (o.burstZustand != burstBit::Alle)
            return;   // fired by the start interval or the armed mark: the burst stays open
    }
    // close
    o.vorigerBurstBeginn = o.burstBeginn;
    burstZuruecksetzen(o);
}

} // namespace

int rueckkopplungsObjektAnzahl() { return anzahl; }

Rueckkopplungsobjekt* rueckkopplungsObjektErzeugen()
{
    auto* o = new (std::nothrow) Rueckkopplungsobjekt;
    if (!o) {
        speicherFehlt(514);
        return nullptr;
    }
    if (!rueckkopplungsObjekte) {
        rueckkopplungsObjekte = o;
    } else {
        Rueckkopplungsobjekt* ende = rueckkopplungsObjekte;
        while (ende->naechstes)
            ende = ende->naechstes;
        ende->naechstes = o;
        o->voriges = ende;
    }
    ++anzahl;
    return o;
}

void rueckkopplungsObjektLoeschen(Rueckkopplungsobjekt*& liste, Rueckkopplungsobjekt* objekt)
{
    Rueckkopplungsobjekt* o = liste;
    while (o) {
        Rueckkopplungsobjekt* weiter = o->naechstes;
        if (!objekt || o == objekt) {
            if (o == aktuellesRueckkopplungsobjekt)
                aktuellesRueckkopplungsobjekt = nullptr;
            if (o->voriges)
                o->voriges->naechstes = o->naechstes;
            if (o->naechstes)
                o->naechstes->voriges = o->voriges;
            if (o == rueckkopplungsObjekte)
                rueckkopplungsObjekte = o->naechstes;
            if (o == liste)
                liste = o->naechstes;
            delete o;
            if (--anzahl < 1) {
                anzahl = 0;
                rueckkopplungsObjekte = nullptr;
                liste = nullptr;
                simulationsParameter.rueckkopplungAktiv = 0;
            }
        }
        o = weiter;
    }
}

void rueckkopplungGraphikVorgaben(Rueckkopplungsobjekt& o)
{
    ObjektGraphik& g = o.graphik;
    // either side 0: the object never had a drawing block
    if (g.rautenbreite == 0 || g.rautenhoehe == 0) {
        g.rautenbreite = 50;
        g.rautenhoehe = 80;
        g.rautenFarbe = 0xff80ff;
        g.rautenrandDicke = 2;
        g.rautenrandFarbe = 0xff0080;
        g.linienDicke = 2;
        g.linienArt = 0;
        g.linienFarbe = 0x800000;
    }
    if (g.zeilenabstandDivisor == 0)
        g.zeilenabstandDivisor = 4;
}

void rueckkopplungsObjekteGraphikVorgeben()
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        rueckkopplungGraphikVorgaben(*o);
}

void rueckkopplungVorLauf()
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes) {
        for (NeuronDaten* z : o->zielneurone)
            somaReizLoeschen(*z);
        o->ausschaltZeit = 0.0;
        o->burstSpikes = o->burstZustand = o->burstZaehler = 0;
        o->burstBeginn = 0.0;
        o->vorigerBurstBeginn = simulationsParameter.simulationsDauer;
        o->letzterSpike = o->isiSumme = o->zielBurstDauer = 0.0;
        o->burstbeginnMarke = 0;
        if (o->elevatorAktiv && !o->elevatorNeuron)
            o->elevatorAktiv = 0;
        if (o->artDesZusammenhangs == zusammenhang::FesteWerte)
            o->geradenSteigung[0] = o->geradenSteigung[1] = o->geradenSteigung[2] = 0.0;
    }
}

void rueckkopplungNachLauf()
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes) {
        for (NeuronDaten* z : o->zielneurone) {
            somaReizLoeschen(*z);
            gereizteKompartimenteZaehlen(*z);
        }
        o->ausschaltZeit = 0.0;
        if (!o->elevatorNeuron)
            o->elevatorAktiv = 0;
    }
}

void rueckkopplungSpikeAnbieten(NeuronDaten& n, double t)
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes) {
        if (!o->objektAktiv)
            continue;
        if (o->triggerNeuron == &n)
            triggerSpike(*o, t);
        // the switch-off neuron's spike schedules the end of a running stimulation
        if (o->elevatorAktiv && o->elevatorNeuron == &n && !o->zielneurone.empty() &&
            o->zielneurone.front()->stromreize[0].an == 1 && o->ausschaltZeit == 0.0)
            o->ausschaltZeit = t + o->elevatorDelay;
    }
}

void rueckkopplungReizeAbschalten(double t)
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes) {
        if (!o->objektAktiv || !(o->ausschaltZeit > 0.0) || t < o->ausschaltZeit)
            continue;
        for (NeuronDaten* z : o->zielneurone) {
            stromreizKompartimentZuruecksetzen(*z, 0);
            z->stromreize[0].an = 0;
        }
        o->ausschaltZeit = 0.0;
    }
}

namespace {
bool objektHatNeuron(const Rueckkopplungsobjekt& o, int nummer)
{
    if (o.triggerNeuron && o.triggerNeuron->nummer == nummer)
        return true;
    if (o.elevatorNeuron && o.elevatorNeuron->nummer == nummer)
        return true;
    for (const NeuronDaten* z : o.zielneurone)
        if (z && z->nummer == nummer)
            return true;
    return false;
}
} // namespace

int rueckkopplungNeuronFrei(const NeuronDaten& neuron)
{
    for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        if (objektHatNeuron(*o, neuron.nummer))
            return 0;
    return 1;
}
