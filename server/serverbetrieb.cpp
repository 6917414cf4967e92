// server/serverbetrieb.cpp - starting, stopping and ending a server run on the GUI thread
//
// The start prepares everything on the GUI thread before the thread exists; from then on
// only the thread touches the network, the board and the run-time record, and the GUI
// thread speaks to it through the stop bit and the command queue. When the loop has ended
// the thread posts it; the GUI thread joins, gives back what the start changed, reports
// and closes the window. The run lock (laufAktiv) holds from the start to that end.
#include "server/serverbetrieb.h"
#include "core/fehler.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "platform/system.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <bit>
#include <system_error>
#include <thread>

using namespace plattform;

ServerStartHaken serverStartHaken;

namespace {

std::thread serverFaden;
ServerBefehle serverBefehle;
// counts the runs, so that the end a thread posts finds the run it belongs to
unsigned laufNummer = 0;

// A busy-waiting thread at real-time priority takes its core whole: only with a second
// core for the desktop is it asked for.
bool echtzeitAnfordern(std::string* grund)
{
    if (std::popcount(prozessKerne()) < 2) {
        if (grund)
            *grund = "one usable core";
        return false;
    }
    return echtzeitPrioritaet(grund);
}

void statusLeeren()
{
    for (int teil = 0; teil < 4; ++teil)
        statusTeilSetzen(teil, "\t");
}

// The main window as before the start: its status texts, and its whole picture painted
// anew, as the stimuli the run switched off are on again (a paint meanwhile drew them off).
void hauptfensterWiederherstellen()
{
    for (int teil = 0; teil < statusTeile; ++teil)
        statusTeilSetzen(teil, serverFenster.statusVorher[static_cast<size_t>(teil)]);
    if (istFenster(fensterhandles.hauptfenster))
        ungueltigMachen(fensterhandles.hauptfenster);
}

// What follows the loop on the GUI thread: the start's changes given back, the report, the
// window closed. ohneBericht while the program closes.
void endeBearbeiten(double sekunden, int fehler, bool ohneBericht)
{
    const std::string bericht = serverEndeBearbeiten(serverLauf, sekunden);
    if (fensterhandles.statusleiste)
        ungueltigMachen(fensterhandles.statusleiste);
    if (fehler != 0 && !ohneBericht)
        fehlerMelden(fehler);
    if (!ohneBericht)
        hinweisBox(bericht);
    ServerFensterZustand& z = serverFenster;
    fensterZerstoeren(z.kaliumDialog);
    z.kaliumDialog = nullptr;
    if (z.fenster) {
        zeitgeberLoeschen(z.fenster, serverFensterZeitgeber);
        fensterZerstoeren(z.fenster);
    }
    z.fenster = nullptr;
    z.spalten.clear();
    programmStatus |= programmBit::WiederherstellenAuslassen;
    serverLaufAktiv = false;
    hauptfensterWiederherstellen();
    // left Shift + Esc asked for the program's end: it comes now that the run is over
    if (z.beendenNachEnde && !ohneBericht && fensterhandles.hauptfenster)
        posten(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlProgrammBeenden, 0));
    z.beendenNachEnde = false;
}

// posted by the thread: its loop has returned
void schleifeBeendet(unsigned nummer, double sekunden, int fehler)
{
    if (nummer != laufNummer || !serverFaden.joinable())
        return;   // the shutdown has joined it already
    serverFaden.join();
    endeBearbeiten(sekunden, fehler, programmEndet() || (programmStatus & programmBit::ProgrammSchliesst));
}

void threadKoerper(unsigned nummer, ServerUhr* uhr, bool (*echtzeit)(std::string*))
{
    std::string grund;
    if (!echtzeit(&grund))
        aufGuiThread([] { hinweisBox(meldungsTexte[522]); });
    // errors of the engine's forms come back as a code, never as a box on this thread
    int fehler = 0;
    fehlerUmleiten(&fehler);
    const double sekunden = serverBetriebThread(serverDaten, serverLauf, *uhr, serverBefehle);
    fehlerUmleiten(nullptr);
    aufGuiThread([nummer, sekunden, fehler] { schleifeBeendet(nummer, sekunden, fehler); });
}

// the first neuron for an input or output neuron that is not set (or no longer there)
void fehlendeNeuroneSetzen()
{
    NeuronDaten* erstes = neuronKette.kopf;
    if (!erstes)
        return;
    ServerDaten& d = serverDaten;
    ServerLaufzeit probe;
    serverNeuroneAufloesen(d, probe);
    if (!probe.eingangsNeuron) {
        d.eingangsNeuron = erstes->nummer;
        d.eingangsNeuronName = erstes->name;
    }
    if (!probe.ausgangsNeuron) {
        d.ausgangsNeuron = erstes->nummer;
        d.ausgangsNeuronName = erstes->name;
    }
}

// The window at its last place, or along the top of the work area; its trace geometry
// from the client size it got.
bool fensterErzeugen()
{
    ServerFensterZustand& z = serverFenster;
    if (z.rechteck.rechts == 0)
        z.rechteck = {5, 100, arbeitsbereichKanten.rechts - 5, 500};
    z.fenster = plattform::fensterErzeugen(meldungsTexte[16], meldungsTexte[1368], stil::Werkzeug, z.rechteck.links,
                                           z.rechteck.oben, z.rechteck.breite(), z.rechteck.hoehe());
    if (!z.fenster)
        return false;
    const Rechteck c = clientRechteck(z.fenster);
    z.clientBreite = c.breite();
    z.clientHoehe = c.hoehe();
    z.geometrie = spurGeometrie(z.clientBreite, z.clientHoehe);
    z.spalten.assign(static_cast<size_t>(std::max(0, z.clientBreite)) + 10, SpurSpalte{});
    z.spalte = z.geometrie.rand;
    z.gelesen = 0;
    z.sekunden = serverLauf.anzeige.sekunden.load();
    z.quittung = serverLauf.anzeige.quittung.load();
    return true;
}

} // namespace

bool serverThreadLaeuft() { return serverFaden.joinable(); }

bool serverBefehlImLauf(int befehl)
{
    switch (befehl) {
    case befehlServerStarten: case befehlServerBeenden: case befehlServerFensterNeuZeichnen:
    case befehlServerBruteForce: case befehlServerBruteForceAnzahl: case befehlServerNummerSetzen:
    case befehlServerAnzeigeNeuron: case befehlServerEingangsNeuron: case befehlServerAusgangsNeuron:
        return true;
    }
    return false;
}

int serverStarten()
{
    fehlendeNeuroneSetzen();
    serverEinstellungenInit(serverLauf);
    if (!serverStartVorbereiten(serverDaten, serverLauf))
        return 0;
    serverLaufAktiv = true;
    ioTabelleLesen(serverLauf);
    serverFenster.statusVorher = statusTexte;
    statusTeilSetzen(0, meldungsTexte[1359]);
    statusTeilSetzen(1, "\t");
    statusTeilSetzen(2, meldungFormatieren(1360, 0, 0.0));
    const bool fenster = fensterErzeugen();
    if (fenster) {
        rahmen::anzeigeboxZeigen(meldungsTexte[1373], meldungsTexte[1374]);
        nachrichtenVerarbeiten();
        zeigen(serverFenster.fenster, fensterhandles.anzeigeBefehl);
        vordergrundSetzen(serverFenster.fenster);
        fensterCursorSetzen(serverFenster.fenster, standardCursor(cursorArt::Pfeil));
        serverTitelSetzen();
        zeitgeberSetzen(serverFenster.fenster, serverFensterZeitgeber, serverFensterTaktMs);
        fokusSetzen(serverFenster.fenster);
    }
    ServerUhr* uhr = serverStartHaken.uhr ? serverStartHaken.uhr : &serverSystemUhr();
    const auto echtzeit = serverStartHaken.echtzeit ? serverStartHaken.echtzeit : echtzeitAnfordern;
    serverBefehle.leeren();
    ++laufNummer;
    if (fenster && !serverStartHaken.threadScheitert) {
        try {
            serverFaden = std::thread(threadKoerper, laufNummer, uhr, echtzeit);
            return 1;
        } catch (const std::system_error&) {
        }
    }
    // no thread: the board this thread set up goes, and the end gives the rest back
    if (serverLauf.steuerBits.load() & serverBit::ErfassungEingerichtet)
        erfassungFreigeben(serverLauf);
    endeBearbeiten(0.0, 0, true);
    return -1;
}

void serverStartBefehl(Fenster hauptfenster)
{
    if (serverThreadLaeuft()) {
        serverBeenden();
        const bool maximiert = istMaximiert(hauptfenster);
        zeigen(hauptfenster, anzeige::Verbergen);
        zeigen(hauptfenster, maximiert ? anzeige::Maximiert : anzeige::Wiederherstellen);
        ungueltigMachen(hauptfenster);
        return;
    }
    if (laufAktiv())   // another run holds the network
        return;
    if (serverStarten() < 0) {
        meldungsBox(hauptfenster, meldungsTexte[477], "Hinweis", knoepfe::Ok | symbol::Information);
        serverBeenden();
    }
}

void serverBeenden()
{
    serverLauf.steuerBits |= serverBit::StoppAnforderung;
    statusLeeren();
}

void serverThreadBeenden()
{
    if (!serverThreadLaeuft())
        return;
    serverBeenden();
    serverFaden.join();
    // the end the thread posted finds its run handled
    endeBearbeiten(serverLauf.echtzeit, 0, true);
}

void boardAusgaengeZuruecksetzen()
{
    // while a thread runs the board is its own; it leaves both outputs at rest itself
    if (serverThreadLaeuft() || !(serverLauf.steuerBits.load() & serverBit::ErfassungEingerichtet))
        return;
    erfassungFreigeben(serverLauf);
    daqFunktionen->AO_Write(1, 0, 0);
    daqFunktionen->AO_Write(1, 1, 0);
}

void serverNeuronBefehl(int befehl, NeuronDaten* n)
{
    if (!n)
        return;
    serverNeuronSetzen(befehl, n);
    if (!serverThreadLaeuft())
        return;
    const ServerBefehl::Art art = befehl == befehlServerAnzeigeNeuron    ? ServerBefehl::AnzeigeNeuron
                                  : befehl == befehlServerEingangsNeuron ? ServerBefehl::EingangsNeuron
                                                                         : ServerBefehl::AusgangsNeuron;
    serverBefehle.senden({art, 0.0, n->nummer});
    if (befehl == befehlServerAnzeigeNeuron)
        serverTitelSetzen();
}

// the queue the window's keys and the dialog speak through
bool serverBefehlSenden(const ServerBefehl& b) { return serverThreadLaeuft() && serverBefehle.senden(b); }
