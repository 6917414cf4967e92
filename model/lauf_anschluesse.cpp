// model/lauf_anschluesse.cpp - the seams of the run start and the time loop, at their defaults
#include "model/lauf_anschluesse.h"
#include "model/aufzeichnung.h"
#include "model/export.h"
#include "model/netz.h"
#include "model/synaptisch.h"

namespace {
void nichts() {}
bool axoDa() { return axoZaehler > 0; }
int oeffnenNichts(int) { return 0; }
NeuronDaten* keinNeuron() { return nullptr; }
void bewertenNichts(NeuronDaten&, const float*, int) {}
void skriptNichts(double) {}
} // namespace

bool (*laufSynapsenVorbereiten)(NeuronDaten&) = synapsenLaufVorbereiten;
void (*synapsenWarteschlangenAnlegen)() = synapsenRingeAnlegen;
void (*synaptischeStroemeBerechnen)() = synaptischeStroemeRechnen;
void (*synapsenBerechnen)() = synapsenDynamikRechnen;
void (*freisetzungsKurveFuellen)(KurvenDaten&, int) = freisetzungsKurveAusRing;
bool (*axoAxonischeSynapseDa)() = axoDa;
void (*datenAufzeichnen)(double, int) = datenAufzeichnenStandard;
void (*exportPufferAnlegen)() = exportPufferAnlegenStandard;
void (*exportPufferFreigeben)() = exportPufferFreigebenStandard;
void (*exportSchreiben)() = exportSchreibenStandard;
void (*somaDateiSchreiben)() = somaDateiSchreibenStandard;
void (*kollisionenVorbereiten)() = nichts;
void (*kollisionenPruefen)() = nichts;
void (*kollisionenNachLauf)() = nichts;
void (*rueckkopplungVorLauf)() = nichts;
void (*rueckkopplungNachLauf)() = nichts;
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
    laufSynapsenVorbereiten = synapsenLaufVorbereiten;
    synapsenWarteschlangenAnlegen = synapsenRingeAnlegen;
    synaptischeStroemeBerechnen = synaptischeStroemeRechnen;
    synapsenBerechnen = synapsenDynamikRechnen;
    freisetzungsKurveFuellen = freisetzungsKurveAusRing;
    axoAxonischeSynapseDa = axoDa;
    datenAufzeichnen = datenAufzeichnenStandard;
    exportPufferAnlegen = exportPufferAnlegenStandard;
    exportPufferFreigeben = exportPufferFreigebenStandard;
    exportSchreiben = exportSchreibenStandard;
    somaDateiSchreiben = somaDateiSchreibenStandard;
    kollisionenVorbereiten = nichts;
    kollisionenPruefen = nichts;
    kollisionenNachLauf = nichts;
    rueckkopplungVorLauf = nichts;
    rueckkopplungNachLauf = nichts;
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
