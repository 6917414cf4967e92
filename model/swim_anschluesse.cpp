// model/swim_anschluesse.cpp - the seams' defaults
#include "model/swim_anschluesse.h"
#include "model/kca.h"
#include "model/neuron.h"

namespace {
void keineKollision(NeuronDaten&) {}
void keineRueckkopplung(NeuronDaten&, double) {}
void keinAbschalten(double) {}
double eigenerServerStrom(const NeuronDaten& n) { return n.serverStrom; }
void keinSkript(NeuronDaten&, double) {}
}

void (*caKanaeleBerechnen)(NeuronDaten&, KCaKanal&) = kcaKanaeleBerechnen;
void (*kollisionsSpikeZeiten)(NeuronDaten&) = keineKollision;
void (*rueckkopplungSpikeAnbieten)(NeuronDaten&, double) = keineRueckkopplung;
void (*rueckkopplungReizeAbschalten)(double) = keinAbschalten;
double (*serverEingangsStrom)(const NeuronDaten&) = eigenerServerStrom;
void (*skriptSpikeWarten)(NeuronDaten&, double) = keinSkript;

void swimAnschluesseZuruecksetzen()
{
    caKanaeleBerechnen = kcaKanaeleBerechnen;
    kollisionsSpikeZeiten = keineKollision;
    rueckkopplungSpikeAnbieten = keineRueckkopplung;
    rueckkopplungReizeAbschalten = keinAbschalten;
    serverEingangsStrom = eigenerServerStrom;
    skriptSpikeWarten = keinSkript;
}
