// files/kollisionsdaten.cpp - the collision objects in the network file
#include "files/lesen.h"
#include "files/objektdaten.h"
#include "core/schluessel.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/zeichengrenzen.h"
#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr const char* start = "[kollisionsdaten start]";
constexpr const char* ende = "[kollisionsdaten ende]";
constexpr int hoechstensObjekte = 10000;

constexpr const char* elementSchluessel[4] = {"axon1-neuron id", "axon2-neuron id", "soma1-neuron id",
                                              "soma2-neuron id"};
struct ZahlFeld { const char* name; double Kollisionsobjekt::*feld; };
constexpr ZahlFeld zahlen[4] = {{"stromreiz dauer", &Kollisionsobjekt::reizDauer},
                                {"stromreiz amplitude", &Kollisionsobjekt::reizAmplitude},
                                {"fortleitungsdauer", &Kollisionsobjekt::fortleitungsdauer},
                                {"soma-axon-delay", &Kollisionsobjekt::somaAxonVerzoegerung}};
struct GraphikFeld { const char* name; int ObjektGraphik::*feld; };
constexpr GraphikFeld graphik[9] = {
    {"boxBreite", &ObjektGraphik::rautenbreite},        {"boxHoehe", &ObjektGraphik::rautenhoehe},
    {"boxLinienDicke", &ObjektGraphik::linienDicke},    {"boxRandDicke", &ObjektGraphik::rautenrandDicke},
    {"boxRandFarbe", &ObjektGraphik::rautenrandFarbe},  {"boxFarbe", &ObjektGraphik::rautenFarbe},
    {"boxLinienFarbe", &ObjektGraphik::linienFarbe},    {"boxLinienArt", &ObjektGraphik::linienArt},
    {"boxTextZeilenabstand", &ObjektGraphik::zeilenabstandDivisor}};

std::string schluessel(int k, const char* rest)
{
    return "objekt " + std::to_string(k) + " kollision " + rest + "=";
}

} // namespace

void kollisionsdatenSpeichern(XBuffer& p)
{
    p.drucken("\n%s\n", start);
    p.drucken("anzahl definierter kollisions-objekte=%d\n", kollisionsObjektAnzahl());
    p.drucken("kollision generell aktivieren=%d\n", simulationsParameter.kollisionAktiv);
    int k = 0;
    for (const Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes) {
        ++k;
        p.drucken("\n%s%s\n", schluessel(k, "bezeichnung").c_str(), o->name.c_str());
        p.drucken("%s%d\n", schluessel(k, "aktivieren").c_str(), o->aktiv);
        p.drucken("%s%d\n", schluessel(k, "akustisch anzeigen").c_str(), o->akustisch);
        for (int e = 0; e < 4; ++e)
            p.drucken("%s%d\n", schluessel(k, elementSchluessel[e]).c_str(), o->elementNummern[e]);
        for (const ZahlFeld& z : zahlen)
            p.drucken("%s%.15g\n", schluessel(k, z.name).c_str(), o->*z.feld);
        for (const GraphikFeld& g : graphik)
            p.drucken("%s%d\n", schluessel(k, g.name).c_str(), o->graphik.*g.feld);
    }
    p.drucken("\n%s\n", ende);
}

int kollisionsdatenLaden(Kollisionsobjekt* objekt, char* text, int index)
{
    char* block = text ? std::strstr(text, start) : nullptr;
    if (!objekt)
        kollisionsObjekteLoeschen(kollisionsObjekte, nullptr);
    if (!block)
        return 0;
    Abschnitt schnitt(block, ende, true);
    if (!objekt) {
        int anzahl = 0, aktiv = 0;
        zahlLesen(anzahl, block, "anzahl definierter kollisions-objekte=");
        zahlLesen(aktiv, block, "kollision generell aktivieren=");
        simulationsParameter.kollisionAktiv = aktiv != 0;
        return std::clamp(anzahl, 0, hoechstensObjekte);
    }
    Kollisionsobjekt& o = *objekt;
    const int k = index + 1;
    std::string name;
    if (schluesselTextLesen(name, 260, block, schluessel(k, "bezeichnung").c_str()))
        o.name = name;
    zahlLesen(o.aktiv, block, schluessel(k, "aktivieren").c_str());
    zahlLesen(o.akustisch, block, schluessel(k, "akustisch anzeigen").c_str());
    for (int e = 0; e < 4; ++e) {
        zahlLesen(o.elementNummern[e], block, schluessel(k, elementSchluessel[e]).c_str());
        o.elemente[e] = neuronNachNummer(o.elementNummern[e]);
    }
    for (const ZahlFeld& z : zahlen)
        zahlLesen(o.*z.feld, block, schluessel(k, z.name).c_str());
    for (const GraphikFeld& g : graphik)
        zahlLesen(o.graphik.*g.feld, block, schluessel(k, g.name).c_str());
    objektGraphikBegrenzen(o.graphik);
    return 1;
}
