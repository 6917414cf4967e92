// app/einstellungen.cpp - the start values of the program and the global refresh
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "model/anzeigeeinstellungen.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "model/netzeinstellungen.h"
#include "model/stromreiz.h"
#include "platform/fenster.h"

using namespace plattform;

namespace {

// ---- start values ------------------------------------------------------------------------

void statusWoerter()
{
    statusWoerterSetzen();
    letzterDialog = 0;
    doppelklickAktiv = 0;
}

void restzeitRechteck()
{
    restzeit.rechteck = {200, 200, 400, 300};
}

void protokollFenster()
{
    protokoll.eingebettet = 1;
    protokoll.sichtbar = 1;
}

void infoboxZeit()
{
    anzeigeboxParameter.anzeigedauer = 2000;
}

void kontaktorte()
{
    kontaktortNamen = {"Soma", "Dendrit1", "Dendrit2", "Dendrit3"};
}

void kalium()
{
    kaliumVorgaben = {-0.09, -0.09, -0.059, -0.017};
    kaliumVerhaeltnisGrenzen = {6.0, 35.0};
    // the platform knows the work area only; the potassium dialog is placed inside it
    const Rechteck a = plattform::arbeitsbereich();
    bildschirmBreite = a.rechts;
    bildschirmHoehe = a.unten;
}

// The template starts without colours, so its layout gives it the program's own; laid out
// once here, no diagram ever falls back to a tick spacing of 0.
void diagrammVorlageAnlegen()
{
    diagrammOptionen = DiagrammOptionen{};
    DiagrammDaten& v = diagrammVorlage;
    v.achsenFarbe = v.cursorFarbe = v.rechteckFarbe = v.linienFarbe = v.tickFarbe = KeineFarbe;
    for (KurvenDaten& k : v.kurven)
        k.farbe = KeineFarbe;
    diagrammLayoutBerechnen(&stdNeuron, &v, 0);
    kurvenVorbereiten(&v, -1);
}

// Each part of the program adds its start values here, behind the frame's.
constexpr Voreinstellung voreinstellungen[] = {
    {"Statuswoerter", statusWoerter},
    {"Restzeitfenster", restzeitRechteck},
    {"Protokollfenster", protokollFenster},
    {"Anzeigedauer der Info-Box", infoboxZeit},
    {"Kontaktorte", kontaktorte},
    {"Formelliste", formelListeFuellen},
    {"Kalium-Vorgaben", kalium},
    {"Simulationsparameter", simulationsparameterVoreinstellen},
    {"Reizschrittweite", reizSchrittweiteVoreinstellen},   // 10 x the step just set
    {"Standardneuron", standardneuronVoreinstellen},
    {"Diagrammvorlage", diagrammVorlageAnlegen},
};

// ---- the refresh -----------------------------------------------------------------------

void zoomGrenzen(NeuronDaten*, int)
{
    if (zoomFaktor <= 0.0)
        zoomFaktor = 1.0;
    if (!(kleinsterZoom > 0.0 && kleinsterZoom < 1.0))
        kleinsterZoom = 0.01;
    if (!(groessterZoom > kleinsterZoom))
        groessterZoom = 10.0;
}

void zeiten(NeuronDaten*, int)
{
    if (statuszeilenAnzeigedauer <= 0)
        statuszeilenAnzeigedauer = 2000;
    if (zeiteinstellungen.prozesszeitIntervall <= 0)
        zeiteinstellungen.prozesszeitIntervall = 1000;
    if (zeiteinstellungen.doppelklick <= 0)
        zeiteinstellungen.doppelklick = 500;
    if (zeiteinstellungen.kurvenMarkierung <= 0)
        zeiteinstellungen.kurvenMarkierung = 1000;
}

void diagrammMindestgroesse(NeuronDaten*, int)
{
    if (diagrammOptionen.minimalBreite < 200)
        diagrammOptionen.minimalBreite = 200;
    if (diagrammOptionen.minimalHoehe < 100)
        diagrammOptionen.minimalHoehe = 100;
}

void protokollMasse(NeuronDaten*, int)
{
    Protokoll& p = protokoll;
    if (p.x == 0)
        p.x = 50;
    if (p.y == 0)
        p.y = 50;
    if (p.breite == 0)
        p.breite = 500;
    if (p.hoehe == 0)
        p.hoehe = 500;
    if (p.eingebetteteHoehe <= 30)
        p.eingebetteteHoehe = 60;
}

void linien(NeuronDaten*, int)
{
    linienArten = {stiftStil::Durchgehend, stiftStil::Strich, stiftStil::Punkt};
}

// colours of the network picture that no settings file set
void bildfarben(NeuronDaten*, int)
{
    Netzbildfarben& f = netzbildfarben;
    const auto vorgeben = [](Farbe& farbe, Farbe vorgabe) {
        if (farbe == KeineFarbe)
            farbe = vorgabe;
    };
    vorgeben(f.hintergrund, rgbFarbe(255, 255, 255));
    vorgeben(f.rahmen, rgbFarbe(0, 0, 0));
    vorgeben(f.strich, rgbFarbe(0, 255, 0));
    vorgeben(f.markierungFlaeche, rgbFarbe(0, 255, 255));
    vorgeben(f.markierungRand, rgbFarbe(0, 0, 255));
}

// the program's default font: the platform's default face at 10 points, made once
void standardSchriftFuellen(NeuronDaten*, int)
{
    FontDaten& s = standardSchrift;
    if (s.punkte <= 0)
        s.punkte = 10;
    if (s.gewicht < 1)
        s.gewicht = 400;
    s.merkmale.hoehe = schriftHoeheAusPunkten(s.punkte, 96);
    s.merkmale.gewicht = s.gewicht;
    s.merkmale.kursiv = s.kursiv != 0;
    s.merkmale.unterstrichen = s.unterstrichen != 0;
    s.merkmale.name = s.name;
    if (!s.schrift)
        s.schrift = schriftErzeugen(s.merkmale);
}

// Each part of the program adds its steps here where their order asks for it.
constexpr Aktualisierung aktualisierungen[] = {
    {"Zoom", zoomGrenzen},
    {"Zeiten", zeiten},
    {"Protokollfenster", protokollMasse},
    {"Diagrammfenster", diagrammMindestgroesse},
    {"Linienarten", linien},
    {"Bildfarben", bildfarben},
    {"Standardschrift", standardSchriftFuellen},
    {"Netz", netzAktualisieren},   // the engine's own steps, in their order
};

} // namespace

void programmVoreinstellungen()
{
    for (const Voreinstellung& v : voreinstellungen)
        v.ausfuehren();
}

std::span<const Voreinstellung> voreinstellungsSchritte() { return voreinstellungen; }

void einstellungenAktualisieren(NeuronDaten* neuron, int nachLaden)
{
    for (const Aktualisierung& a : aktualisierungen)
        a.ausfuehren(neuron, nachLaden);
}

std::span<const Aktualisierung> aktualisierungsSchritte() { return aktualisierungen; }
