// model/kollision.cpp - collision objects: the list and the run of spikes along their axon
#include "model/kollision.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdio>
#include <new>

Kollisionsobjekt* kollisionsObjekte = nullptr;
Kollisionsobjekt* aktuellesKollisionsobjekt = nullptr;
int kollisionsobjektGewaehlt = 0;

namespace {

int anzahl = 0;

void laufWerteZuruecksetzen(Kollisionsobjekt& o)
{
    for (int i = 0; i < 2; ++i) {
        o.spikeUnterwegs[i] = 0;
        o.ankunft[i] = keineAnkunft;
        o.somaZeit[i] = keinSomaSpike;
    }
}

// one pulse into the soma element at the far end
void somaPuls(const Kollisionsobjekt& o, NeuronDaten* s, double t)
{
    if (!s)
        return;
    StromreizDefinition& d = s->stromreize[0];
    d.an = 1;
    d.beginn = t + simulationsParameter.schrittweite;
    d.dach = o.reizDauer;
    d.amplitude = o.reizAmplitude;
    d.reizart = 0;
    d.anzahl = 1;
    d.pause = 0.0;
    stromreizKurveErzeugen(*s, 0);
}

} // namespace

int kollisionsObjektAnzahl() { return anzahl; }

Kollisionsobjekt* kollisionsObjektNeu()
{
    auto* o = new (std::nothrow) Kollisionsobjekt;
    if (!o) {
        endeMelden(EndeForm::Hinweis, meldungFormatieren(514));
        return nullptr;
    }
    int hoechste = 0;
    Kollisionsobjekt* ende = nullptr;
    for (Kollisionsobjekt* k = kollisionsObjekte; k; k = k->naechstes) {
        hoechste = std::max(hoechste, k->nummer);
        ende = k;
    }
    if (ende) {
        ende->naechstes = o;
        o->voriges = ende;
    } else {
        kollisionsObjekte = o;
    }
    o->nummer = hoechste + 1;
    char name[64];
    std::snprintf(name, sizeof name, "Kollisions-Objekt %d", o->nummer);
    o->name = name;
    o->graphik = {80, 120, 2, 4, 0xff0000, 255, 0x808080, 0, 4};
    ++anzahl;
    return o;
}

void kollisionsObjekteLoeschen(Kollisionsobjekt*& liste, Kollisionsobjekt* objekt)
{
    Kollisionsobjekt* o = liste;
    while (o) {
        Kollisionsobjekt* weiter = o->naechstes;
        if (!objekt || o == objekt) {
            if (o == aktuellesKollisionsobjekt) {
                aktuellesKollisionsobjekt = nullptr;
                kollisionsobjektGewaehlt = 0;
            }
            if (o->voriges)
                o->voriges->naechstes = o->naechstes;
            if (o->naechstes)
                o->naechstes->voriges = o->voriges;
            if (o == kollisionsObjekte)
                kollisionsObjekte = o->naechstes;
            if (o == liste)
                liste = o->naechstes;
            delete o;
            --anzahl;
        }
        o = weiter;
    }
    if (anzahl < 1) {
        anzahl = 0;
        kollisionsObjekte = nullptr;
        liste = nullptr;
        simulationsParameter.kollisionAktiv = 0;
    }
    for (Kollisionsobjekt* k = kollisionsObjekte; k; k = k->naechstes)
        laufWerteZuruecksetzen(*k);
}

void kollisionenVorbereiten()
{
    for (Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes) {
        laufWerteZuruecksetzen(*o);
        for (int e = 0; e < 4; ++e)
            if (!o->elemente[e])
                o->elemente[e] = neuronNachNummer(o->elementNummern[e]);
    }
}

void kollisionsSpikeZeiten(NeuronDaten& n)
{
    const double t = laufZustand.t;
    for (Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes) {
        if (!o->aktiv)
            continue;
        for (int a = 0; a < 2; ++a)
            if (o->elemente[element::Axon1 + a] == &n) {
                // a spike that follows its own soma's spike within the delay is not launched
                if (t - o->somaZeit[a] >= o->somaAxonVerzoegerung) {
                    o->spikeUnterwegs[a] = 1;
                    o->ankunft[a] = t + o->fortleitungsdauer;
                }
                goto naechstesObjekt;
            }
        for (int s = 0; s < 2; ++s)
            if (o->elemente[element::Soma1 + s] == &n) {
                o->somaZeit[s] = t;
                break;
            }
    naechstesObjekt:;
    }
}

void kollisionenPruefen()
{
    const double t = laufZustand.t;
    for (Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes) {
        if (!o->aktiv)
            continue;
        for (int a = 0; a < 2; ++a) {
            if (!o->spikeUnterwegs[a])
                continue;
            if (o->spikeUnterwegs[1 - a]) {
                // the two spikes meet on the axon and are lost
                if (o->akustisch)
                    plattform::piepen(1000, 100);
                o->spikeUnterwegs[0] = o->spikeUnterwegs[1] = 0;
                o->ankunft[0] = o->ankunft[1] = keineAnkunft;
            } else if (t > o->ankunft[a]) {
                somaPuls(*o, o->elemente[element::Soma2 - a], t);
                o->spikeUnterwegs[a] = 0;
                o->ankunft[a] = keineAnkunft;
            }
        }
    }
}

void kollisionenNachLauf()
{
    for (Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes) {
        NeuronDaten* s1 = o->elemente[element::Soma1];
        NeuronDaten* s2 = o->elemente[element::Soma2];
        if (!s1 || !s2) {
            plattform::hinweisBox(meldungsTexte[1732]);
            return;
        }
        for (NeuronDaten* s : {s1, s2}) {
            s->stromreize[0] = StromreizDefinition{};
            stromreizKompartimentZuruecksetzen(*s, 0);
            s->gereizteKompartimente = 0;
        }
    }
}

int neuronInKollisionsObjekt(const NeuronDaten& neuron)
{
    for (const Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes)
        for (const int nummer : o->elementNummern)
            if (nummer == neuron.nummer)
                return 0;
    return 1;
}
