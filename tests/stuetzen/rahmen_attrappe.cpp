// tests/stuetzen/rahmen_attrappe.cpp
#include "rahmen_attrappe.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/neuron.h"
#include "platform/steuerelemente.h"
#include <gtest/gtest.h>

namespace attrappe {
Rahmen dienste;

namespace {
// every test starts with a frame that was asked for nothing
struct Zuruecksetzer : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { rahmenZuruecksetzen(); }
};
const bool angemeldet = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Zuruecksetzer);
    return true;
}();
} // namespace
}

using attrappe::dienste;

void programmBeenden()
{
    ++dienste.beendenAufrufe;
    // as the frame does: a run on the stack is stopped first, the end follows it
    if (laufAktiv()) {
        laeufeAbbrechenZumSchliessen();
        return;
    }
    dienste.endet = true;
    programmStatus |= programmBit::ProgrammSchliesst;
}

bool programmEndet() { return dienste.endet; }

// the frame's offers need its windows: the stand-in ends as if the user saved nothing
bool programmBeendenMitAngebot()
{
    ++dienste.angeboteneEnden;
    programmBeenden();
    return true;
}

Schliessen netzSchliessen(SpeichernAngebot)
{
    ++dienste.netzGeschlossen;
    netzLoeschen();
    return Schliessen::Geschlossen;
}

// the frame's own refresh steps only touch its windows; the engine's share runs as there
void einstellungenAktualisieren(NeuronDaten* neuron, int nachLaden)
{
    ++dienste.aktualisierungen;
    netzAktualisieren(neuron, nachLaden);
}

int simulationOeffnen(int)
{
    ++dienste.oeffnen;
    return 0;
}

void guiSicherungSpeichern() { ++dienste.sicherungen; }

// as the frame does: the box's text becomes the saved text
int protokollTextSichern(plattform::Fenster edit)
{
    if (!edit)
        return 0;
    protokoll.gesicherterText = plattform::textfeldText(edit);
    return 1;
}

namespace rahmen {

void laufEinstellungenDialog(plattform::Fenster eigner)
{
    ++attrappe::dienste.laufDialoge;
    if (attrappe::dienste.laufDialog)
        attrappe::dienste.laufDialog(eigner);
}

plattform::Fenster restzeitFensterZeigen(const std::string& titel, int)
{
    ++attrappe::dienste.restzeitFenster;
    return plattform::fensterErzeugen("", titel, 0, 0, 0, 100, 100);
}

void protokollLeeren() { ++attrappe::dienste.protokollGeleert; }


void netzlosStatusZeigen() { ++attrappe::dienste.netzlosStatus; }

void druckerSucheAnstossen(plattform::Fenster) { ++attrappe::dienste.druckerSuchen; }

void anzeigeboxZeigen(const std::string& titel, const std::string& text)
{
    attrappe::dienste.anzeigeboxen.push_back(titel + "|" + text);
}

NeuronDaten* wavNeuronErzeugen() { return nullptr; }

void diagrammFensterOeffnen(NeuronDaten* neuron)
{
    attrappe::dienste.diagrammFenster.push_back(neuron ? neuron->nummer : 0);
}

void programmEndeAufraeumen(int) {}

// the input dialog: cancelled
bool eingabeErfragen(const std::string&, const std::string&, const std::string&, const std::string&, std::string&)
{
    return false;
}

} // namespace rahmen
