// app/beenden.cpp - the orderly end of the program
#include "app/beenden.h"
#include "app/anschluesse.h"
#include "app/hauptfenster.h"
#include "app/status.h"
#include "model/netz.h"
#include "platform/dialog.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include <cstdio>
#include <vector>

using namespace plattform;

namespace {

bool endet = false;
std::vector<std::string> temporaereDateien;

// the marks and the recorded spikes name neurons: they go with them
void markierungenFreigeben()
{
    neuronMarkieren(nullptr, 0);
    aufzeichnungLoeschen(spikeAufzeichnung);
}

void schriftFreigeben(FontDaten& s)
{
    loeschen(s.schrift);
    s.schrift = nullptr;
}

void zeichenObjekteLoeschen()
{
    schriftFreigeben(standardSchrift);
    schriftFreigeben(protokoll.schrift);
    schriftFreigeben(restzeit.schrift);
}

void hookEntfernen() { tastaturHookEntfernen(); }

void hauptfensterZerstoeren()
{
    // owned windows (the protocol's own window among them) die with it
    fensterZerstoeren(fensterhandles.hauptfenster);
    fensterhandles = {};
    restzeit.fenster = nullptr;
}

void schleifeBeenden() { beendenPosten(0); }

// The empty slots are filled by the parts that own those records, in this order.
BeendenSchritt schritte[] = {
    {"Undo-Liste", nullptr},
    {"Rueckkopplungs- und Kollisionsobjekte", nullptr},
    {"Neurone", nullptr},
    {"Markierungen und Spike-Aufzeichnung", markierungenFreigeben},
    {"Board-Ausgaenge", nullptr},
    {"Threads", nullptr},                   // a running series, the server
    {"Skriptergebnisse", nullptr},
    {"Stifte, Pinsel und Schriften", zeichenObjekteLoeschen},
    {"Tastatur-Hook", hookEntfernen},
    {"Permutationsmodus", nullptr},
    {"Hauptfenster", hauptfensterZerstoeren},
    {"Nachrichtenschleife", schleifeBeenden},
};

} // namespace

bool programmEndet() { return endet; }

std::span<BeendenSchritt> beendenSchritte() { return schritte; }

void programmBeenden()
{
    if (!istGuiThread()) {
        aufGuiThread([] { programmBeenden(); });
        return;
    }
    if (endet)
        return;
    if (programmStatus & programmBit::StartUnfertig) {
        // nothing is built yet that would need freeing: the start ends here
        endet = true;
        fensterZerstoeren(fensterhandles.hauptfenster);
        fensterhandles = {};
        beendenPosten(1);
        return;
    }
    if (laufAktiv()) {
        // A run (or a script or a series) is on the stack: freeing now would pull its
        // records away under it. Stop it; the shutdown follows once it has returned.
        laeufeAbbrechenZumSchliessen();
        nachLaufAufschieben(befehlBeendenNachLauf);
        return;
    }
    endet = true;
    programmStatus |= programmBit::ProgrammSchliesst;
    for (const BeendenSchritt& s : schritte)
        if (s.ausfuehren)
            s.ausfuehren();
}

void programmEndeAufraeumen(int modus)
{
    if (modus != 0)
        return;
    if (dateipfade.laufInfoDatei.size() > 3)
        std::remove(pfadAufloesen(dateipfade.laufInfoDatei).c_str());
    for (const std::string& pfad : temporaereDateien)
        std::remove(pfadAufloesen(pfad).c_str());
    temporaereDateien.clear();
}

void temporaereDateiAnmelden(const std::string& pfad) { temporaereDateien.push_back(pfad); }

void hauptfensterZerstoert()
{
    if (endet)
        return;                      // the shutdown itself destroys it: nothing is offered then
    if (anschluss::netzSpeichernAnbieten)
        anschluss::netzSpeichernAnbieten();
    programmEndeAufraeumen(0);
    programmBeenden();
}

void beendenZuruecksetzen()
{
    endet = false;
    temporaereDateien.clear();
}
