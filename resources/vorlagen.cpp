// resources/vorlagen.cpp - the list of every dialog template
#include "resources/vorlagen.h"
#include <array>

namespace {
const std::array<const plattform::DialogVorlage*, 8> vorlagen = {
    &vorlageEingabe,
    &vorlageAnzeigebox,
    &vorlageStartbild,
    &vorlageSimulation,
    &vorlageStrominjektion,
    &vorlageStromreiz,
    &vorlageNeuronBlitz,
    &vorlageSeiteEinrichten,
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
