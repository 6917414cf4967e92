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
extern const plattform::DialogVorlage vorlageSeiteEinrichten; // 153
