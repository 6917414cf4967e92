// resources/vorlagen.h - every dialog template of the program
#pragma once
#include "platform/dialog.h"
#include <span>

// all templates, so tests can build and open each one
std::span<const plattform::DialogVorlage* const> alleDialogVorlagen();
// the template with this number, or null
const plattform::DialogVorlage* dialogVorlage(int nummer);

// one declaration per template, defined in resources/dialoge/
extern const plattform::DialogVorlage vorlageEingabe;        // 146
extern const plattform::DialogVorlage vorlageAnzeigebox;     // 174
extern const plattform::DialogVorlage vorlageStartbild;      // 318
extern const plattform::DialogVorlage vorlageSimulation;     // 133
extern const plattform::DialogVorlage vorlageStrominjektion; // 150
extern const plattform::DialogVorlage vorlageStromreiz;      // 132
extern const plattform::DialogVorlage vorlageNeuronBlitz;    // 152
extern const plattform::DialogVorlage vorlageYAchse2;        // 305
extern const plattform::DialogVorlage vorlageDezimalstellen; // 317
extern const plattform::DialogVorlage vorlageAchsenFormat;   // 173
extern const plattform::DialogVorlage vorlageLegendeFormat;  // 171
extern const plattform::DialogVorlage vorlagePhysiologie;    // 117
extern const plattform::DialogVorlage vorlageMorphologie;    // 138
extern const plattform::DialogVorlage vorlageRauschen;       // 149
extern const plattform::DialogVorlage vorlageVoltageClamp;   // 229
extern const plattform::DialogVorlage vorlagePotentialbegrenzung; // 315
extern const plattform::DialogVorlage vorlageKurvenDarstellen;   // 147
extern const plattform::DialogVorlage vorlageNeuronName;         // 126
extern const plattform::DialogVorlage vorlageKanalAuswahl;       // 251
extern const plattform::DialogVorlage vorlageIzhikevich;         // 303
extern const plattform::DialogVorlage vorlageRueckkopplung;  // 299
extern const plattform::DialogVorlage vorlageObjektGraphik;  // 300
extern const plattform::DialogVorlage vorlageKollision;      // 316
extern const plattform::DialogVorlage vorlageTransmitterdynamik;   // 258
extern const plattform::DialogVorlage vorlageTransmitterKurve;     // 285
extern const plattform::DialogVorlage vorlageBahnung;              // 304
extern const plattform::DialogVorlage vorlageFazilitationMaximum;  // 307
extern const plattform::DialogVorlage vorlagePspForm;              // 319
extern const plattform::DialogVorlage vorlageSeiteEinrichten; // 153
extern const plattform::DialogVorlage vorlageZeitmessung;     // 328
extern const plattform::DialogVorlage vorlageEreignisSchwelle; // 329
extern const plattform::DialogVorlage vorlageSynapsengruppe;  // 306
extern const plattform::DialogVorlage vorlageSpikeZeiten;     // 275
extern const plattform::DialogVorlage vorlageAsciiExport;     // 169
extern const plattform::DialogVorlage vorlageSpikefolge;      // 284: settings of the spike-train rating
extern const plattform::DialogVorlage vorlageAnalyseklassen;  // 212: the analysis classes of the permutation mode
extern const plattform::DialogVorlage vorlageExportParameter; // 256: the columns of the permutation results' text export
extern const plattform::DialogVorlage vorlageIndexSpeicherMangel; // 257: an index too large for memory
extern const plattform::DialogVorlage vorlagePermutationsfenster; // 203: the settings of the permutation display
extern const plattform::DialogVorlage vorlageSynapse;        // 135: new, edit and delete synapse
extern const plattform::DialogVorlage vorlageSynapsentypen;  // 134
// the SWIM channel dialogs
extern const plattform::DialogVorlage vorlageSwimStdKanal;    // 160
extern const plattform::DialogVorlage vorlageCaKanal;         // 314
extern const plattform::DialogVorlage vorlageKanalEigenschaften; // 218
extern const plattform::DialogVorlage vorlageDiagrammLayout;  // 127
extern const plattform::DialogVorlage vorlageNeuronKurven;    // 128
extern const plattform::DialogVorlage vorlageExterneKurve;    // 170
extern const plattform::DialogVorlage vorlageWavImport;       // 322
extern const plattform::DialogVorlage vorlageInteraktiv;      // 313: a slot of the interactive script window
extern const plattform::DialogVorlage vorlageKalium;          // 320
