// resources/vorlagen.cpp - the list of every dialog template
#include "resources/vorlagen.h"
#include <array>

namespace {
const std::array<const plattform::DialogVorlage*, 12> vorlagen = {
    &vorlageEingabe,
    &vorlageAnzeigebox,
    &vorlageStartbild,
    &vorlageSimulation,
    &vorlageStrominjektion,
    &vorlageStromreiz,
    &vorlageNeuronBlitz,
    &vorlageTransmitterdynamik,
    &vorlageTransmitterKurve,
    &vorlageBahnung,
    &vorlageFazilitationMaximum,
    &vorlagePspForm,
};
}

std::span<const plattform::DialogVorlage* const> alleDialogVorlagen() { return vorlagen; }

const plattform::DialogVorlage* dialogVorlage(int nummer)
{
    for (const plattform::DialogVorlage* v : vorlagen)
        if (v->nummer == nummer)
            return v;
    return nullptr;
}
