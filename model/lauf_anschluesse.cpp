// model/lauf_anschluesse.cpp - the seams of the run start and the time loop, at their defaults
#include "model/lauf_anschluesse.h"
#include "model/netz.h"

namespace {
bool synapsenNichts(NeuronDaten&) { return true; }
void nichts() {}
void kurveNichts(KurvenDaten&, int) {}
bool axoDa() { return axoZaehler > 0; }
void aufzeichnenNichts(double, int) {}
void neuronNichts(NeuronDaten&) {}
int oeffnenNichts(int) { return 0; }
NeuronDaten* keinNeuron() { return nullptr; }
void bewertenNichts(NeuronDaten&, const float*, int) {}
void skriptNichts(double) {}
} // namespace

bool (*laufSynapsenVorbereiten)(NeuronDaten&) = synapsenNichts;
void (*synapsenWarteschlangenAnlegen)() = nichts;
void (*synaptischeStroemeBerechnen)() = nichts;
void (*synapsenBerechnen)() = nichts;
void (*freisetzungsKurveFuellen)(KurvenDaten&, int) = kurveNichts;
bool (*axoAxonischeSynapseDa)() = axoDa;
void (*datenAufzeichnen)(double, int) = aufzeichnenNichts;
void (*exportPufferAnlegen)() = nichts;
void (*exportPufferFreigeben)() = nichts;
void (*exportSchreiben)() = nichts;
void (*somaDateiSchreiben)() = nichts;
void (*kollisionenVorbereiten)() = nichts;
void (*kollisionenPruefen)() = nichts;
void (*kollisionenNachLauf)() = nichts;
void (*rueckkopplungVorLauf)() = nichts;
void (*rueckkopplungNachLauf)() = nichts;
void (*kcaLaufwerteSetzen)(NeuronDaten&) = neuronNichts;
int (*simulationOeffnen)(int) = oeffnenNichts;
void (*guiSicherungSpeichern)() = nullptr;
int teilsimulationsModus = 0;
NeuronDaten* (*teilsimulationsNeuron)() = keinNeuron;
void (*einzelneuronSimulieren)(NeuronDaten&) = nullptr;
void (*spikefolgeBewerten)(NeuronDaten&, const float*, int) = bewertenNichts;
void (*skriptEpspZuruecksetzen)() = nichts;
void (*skriptSchritt)(double) = skriptNichts;
void (*skriptLaufEnde)() = nichts;

void laufAnschluesseZuruecksetzen()
{
    laufSynapsenVorbereiten = synapsenNichts;
    synapsenWarteschlangenAnlegen = nichts;
    synaptischeStroemeBerechnen = nichts;
    synapsenBerechnen = nichts;
    freisetzungsKurveFuellen = kurveNichts;
    axoAxonischeSynapseDa = axoDa;
    datenAufzeichnen = aufzeichnenNichts;
    exportPufferAnlegen = nichts;
    exportPufferFreigeben = nichts;
    exportSchreiben = nichts;
    somaDateiSchreiben = nichts;
    kollisionenVorbereiten = nichts;
    kollisionenPruefen = nichts;
    kollisionenNachLauf = nichts;
    rueckkopplungVorLauf = nichts;
    rueckkopplungNachLauf = nichts;
    kcaLaufwerteSetzen = neuronNichts;
    simulationOeffnen = oeffnenNichts;
    guiSicherungSpeichern = nullptr;
    teilsimulationsModus = 0;
    teilsimulationsNeuron = keinNeuron;
    einzelneuronSimulieren = nullptr;
    spikefolgeBewerten = bewertenNichts;
    skriptEpspZuruecksetzen = nichts;
    skriptSchritt = skriptNichts;
    skriptLaufEnde = nichts;
}
