// app/rahmen.cpp - the frame's side of what the engine asks of it
#include "core/rahmen.h"
#include "app/beenden.h"
#include "app/neuroneditor.h"
#include "app/protokoll.h"
#include "app/restzeit.h"
#include "app/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "model/neuron.h"
#include "dialogs/eingabe.h"
#include "dialogs/simulationsparameter.h"

namespace rahmen {

void laufEinstellungenDialog(plattform::Fenster eigner) { simulationsParameterDialogOeffnen(eigner); }

plattform::Fenster restzeitFensterZeigen(const std::string& titel, int fehlerText)
{
    return restzeitFensterErzeugen(titel, nullptr, fehlerText);
}

void protokollLeeren() { protokollSchreiben(nullptr); }

void netzlosStatusZeigen() { ::netzlosStatusZeigen(); }

void druckerSucheAnstossen(plattform::Fenster hauptfenster) { druckerSucheStarten(hauptfenster); }

void anzeigeboxZeigen(const std::string& titel, const std::string& text) { anzeigeboxOeffnen(titel, text); }

NeuronDaten* wavNeuronErzeugen() { return neuronErzeugen(2); }

void diagrammFensterOeffnen(NeuronDaten* neuron)
{
    if (neuron)
        diagrammAnzeigen(neuron, &neuron->hauptDiagramm);
}

void programmEndeAufraeumen(int modus) { ::programmEndeAufraeumen(modus); }

bool eingabeErfragen(const std::string& titel, const std::string& text1, const std::string& text2,
                     const std::string& beschriftung, std::string& eingabe)
{
    eingabeParameter.titel = titel;
    eingabeParameter.text1 = text1;
    eingabeParameter.text2 = text2;
    eingabeParameter.eingabeBeschriftung = beschriftung;
    eingabeParameter.eingabeText = eingabe;
    if (eingabeDialogOeffnen() != 1)
        return false;
    eingabe = eingabeParameter.eingabeText;
    return true;
}

} // namespace rahmen
