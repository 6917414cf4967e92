// app/beenden.cpp - the orderly end of the program
#include "app/beenden.h"
#include "app/hauptfenster.h"
#include "app/netzdateien.h"
#include "app/sprache.h"
#include "app/status.h"
#include "model/kollision.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/rueckkopplung.h"
#include "model/undo.h"
#include "permutation/modus.h"
#include "platform/dialog.h"
#include "platform/menue.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "server/serverbetrieb.h"
#include "script/auswertung.h"
#include "script/skript.h"
#include <cstdio>
#include <vector>

using namespace plattform;

namespace {

bool endet = false;
bool endeAngeboten = false;      // the close asked about saving already
bool angebotOffen = false;       // the offers of an end are on screen
std::vector<std::string> temporaereDateien;

// the objects name neurons: they go before them
void objekteFreigeben()
{
    rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, nullptr);
    kollisionsObjekteLoeschen(kollisionsObjekte, nullptr);
}

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
    // The window frees the menu of its bar. The main menu loaded at the start goes here when
    // the bar holds another or none: a window closed in the permutation mode lost the mode's
    // menu from its bar before the main menu could take its place again.
    const Menue leiste = fensterMenue(fensterhandles.hauptfenster);
    if (fensterhandles.hauptmenue && fensterhandles.hauptmenue != leiste)
        menueZerstoeren(fensterhandles.hauptmenue);
    // owned windows (the protocol's own window among them) die with it
    fensterZerstoeren(fensterhandles.hauptfenster);
    fensterhandles = {};
    restzeit.fenster = nullptr;
}

// the mode's results go; its menu gives the bar back, so the simulation mode's menu dies
// with the window and the mode's own is freed
void permutationsmodusBeenden()
{
    permutationsmodusVerlassen();
    if (fensterhandles.permutationsMenue)
        simulationsMenueZeigen();
}

void schleifeBeenden() { beendenPosten(0); }

BeendenSchritt schritte[] = {
    {"Undo-Liste", [] { undoListeLoeschen(undoListe); }},
    {"Rueckkopplungs- und Kollisionsobjekte", objekteFreigeben},
    {"Neurone", [] { netzLoeschen(); }},   // with them their synapses, groups and diagrams
    {"Markierungen und Spike-Aufzeichnung", markierungenFreigeben},
    {"Board-Ausgaenge", boardAusgaengeZuruecksetzen},
    {"Threads", serverThreadBeenden},       // a running series stops before the shutdown begins
    {"Skriptergebnisse", [] {
         ergebnisDateienSchliessen(auswertungsdaten);
         auswertungsfensterZerstoeren();
     }},
    {"Stifte, Pinsel und Schriften", zeichenObjekteLoeschen},
    {"Tastatur-Hook", hookEntfernen},
    {"Permutationsmodus", permutationsmodusBeenden},
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
    // the server thread holds the network: it stops and is waited for before anything goes
    serverThreadBeenden();
    if (endeMussWarten()) {
        // A run (or a script or a series) is on the stack: freeing now would pull its
        // records away under it. Stop it; the shutdown follows once it has returned.
        laeufeAbbrechenZumSchliessen();
        nachLaufAufschieben(befehlBeendenNachLauf);
        return;
    }
    endet = true;
    programmStatus |= programmBit::ProgrammSchliesst;
    for (const BeendenSchritt& s : schritte)
        s.ausfuehren();
}

bool programmBeendenMitAngebot()
{
    if (!istGuiThread()) {
        aufGuiThread([] { programmBeendenMitAngebot(); });
        return true;
    }
    if (endet || angebotOffen)
        return true;                 // a failure inside the offers: the end on screen decides
    if (programmStatus & programmBit::StartUnfertig) {
        programmBeenden();           // nothing the user made exists yet
        return true;
    }
    if (endeMussWarten()) {
        // The run is on the stack below: freeing now would pull its records away under it.
        // It stops, and the close with its offers follows once it has returned.
        laeufeAbbrechenZumSchliessen();
        if (serverThreadLaeuft())
            serverBeenden();
        nachLaufAufschieben(befehlProgrammBeenden);
        return true;
    }
    angebotOffen = true;
    const bool weiter = speichernVorDemEndeAnbieten();
    angebotOffen = false;
    if (!weiter) {
        // kept: a series or a server run started later must not take the program as closing
        schliessenZuruecknehmen();
        spracheWechselAbschliessen(false);
        return false;
    }
    spracheWechselAbschliessen(true);
    if (istFenster(fensterhandles.hauptfenster)) {
        fensterZerstoeren(fensterhandles.hauptfenster);   // its destruction runs the shutdown
    } else {
        programmEndeAufraeumen(0);
        programmBeenden();
    }
    return true;
}

void programmEndeAufraeumen(int modus)
{
    if (modus != 0)
        return;
    if (dateipfade.laufInfoDatei.size() > 3)
        std::remove(schreibPfadAufloesen(dateipfade.laufInfoDatei).c_str());
    for (const std::string& pfad : temporaereDateien)
        std::remove(schreibPfadAufloesen(pfad).c_str());
    temporaereDateien.clear();
}

void temporaereDateiAnmelden(const std::string& pfad) { temporaereDateien.push_back(pfad); }

bool speichernVorDemEndeAnbieten()
{
    if (endet || endeAngeboten)
        return true;
    // what a loaded script set at its load is not the user's: the files the offers write
    // (the network, default.cfg) get the user's values; a user who stays gets them back
    skriptLadewerteZurueckgeben(skript);
    // the definition first: a Cancel there leaves even the network's file unwritten
    if (!permutationsdefinitionSpeichernAnbieten() || !netzSpeichernAnbieten()) {
        skriptLadewerteWiederSetzen(skript);
        return false;
    }
    endeAngeboten = true;
    return true;
}

void hauptfensterZerstoert()
{
    if (endet)
        return;                      // the shutdown itself destroys it: nothing is offered then
    // the server thread holds the network: it stops before anything of it is saved
    serverThreadBeenden();
    // a window destroyed without the close that asks: the offer comes now, while the
    // records still exist, and the end follows whatever the save gave
    if (!endeAngeboten) {
        skriptLadewerteZurueckgeben(skript);
        permutationsdefinitionSpeichernAnbieten(false);
        netzSpeichernAnbieten(false);
    }
    programmEndeAufraeumen(0);
    programmBeenden();
}

void beendenZuruecksetzen()
{
    endet = false;
    endeAngeboten = false;
    angebotOffen = false;
    temporaereDateien.clear();
}
