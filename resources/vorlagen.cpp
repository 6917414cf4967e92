// resources/vorlagen.cpp - the list of every dialog template
#include "resources/vorlagen.h"
#include <array>

namespace {
const plattform::DialogVorlage* const vorlagen[] = {
    &vorlageEingabe,
    &vorlageAnzeigebox,
    &vorlageStartbild,
    &vorlageSimulation,
    &vorlageStrominjektion,
    &vorlageStromreiz,
    &vorlageNeuronBlitz,
    &vorlageYAchse2,
    &vorlageDezimalstellen,
    &vorlageAchsenFormat,
    &vorlageLegendeFormat,
    &vorlagePhysiologie,
    &vorlageMorphologie,
    &vorlageRauschen,
    &vorlageVoltageClamp,
    &vorlagePotentialbegrenzung,
    &vorlageKurvenDarstellen,
    &vorlageNeuronName,
    &vorlageKanalAuswahl,
    &vorlageIzhikevich,
    &vorlageRueckkopplung,
    &vorlageObjektGraphik,
    &vorlageKollision,
    &vorlageTransmitterdynamik,
    &vorlageTransmitterKurve,
    &vorlageBahnung,
    &vorlageFazilitationMaximum,
    &vorlagePspForm,
    &vorlageSeiteEinrichten,
    &vorlageZeitmessung,
    &vorlageEreignisSchwelle,
    &vorlageSynapsengruppe,
    &vorlageSpikeZeiten,
    &vorlageAsciiExport,
    &vorlageSpikefolge,
    &vorlageAnalyseklassen,
    &vorlageSynapse,
    &vorlageSynapsentypen,
    &vorlageSwimStdKanal,
    &vorlageCaKanal,
    &vorlageKanalEigenschaften,
    &vorlageDiagrammLayout,
    &vorlageNeuronKurven,
    &vorlageExterneKurve,
    &vorlageWavImport,
    &vorlageInteraktiv,
    &vorlageKalium,
    &vorlageExportParameter,
    &vorlageIndexSpeicherMangel,
    &vorlagePermutationsfenster,
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
