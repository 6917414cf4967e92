// server/serverfenster.cpp - the server window: its sweeping trace, its keys, its status texts
//
// The window lives on the GUI thread. Its timer takes the segments the loop left in the
// trace ring into one column each and paints the columns, the one ahead of the sweep
// blank; it also shows what the loop publishes once a second and the values the loop
// applied for a key. Keys become commands for the loop: only the loop changes what they
// change.
#include "core/status.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "platform/steuerelemente.h"
#include "platform/zeichnen.h"
#include "resources/befehle.h"
#include "server/serverbetrieb.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

ServerFensterZustand serverFenster;

namespace {

constexpr Farbe spurFarbe = 0xC80000;   // RGB(0, 0, 200)

void status0(const std::string& text) { statusTeilSetzen(0, text); }

// the segments the loop wrote since the last tick; a ring that went round lost the oldest
void segmenteNehmen(ServerFensterZustand& z)
{
    const ServerSpur& spur = serverLauf.spur;
    const uint32_t bis = spur.geschrieben.load(std::memory_order_acquire);
    if (bis - z.gelesen > static_cast<uint32_t>(spurRingGroesse))
        z.gelesen = bis - spurRingGroesse;
    const int ende = z.geometrie.rand + z.geometrie.breite;
    for (; z.gelesen != bis; ++z.gelesen) {
        const SpurWert& w = spur.ring[z.gelesen % spurRingGroesse];
        const auto [y1, y2] = spurZeilen(z.geometrie, w.minimum.load(std::memory_order_relaxed),
                                         w.maximum.load(std::memory_order_relaxed));
        if (z.spalte >= ende)
            z.spalte = z.geometrie.rand;
        if (z.spalte < 0 || z.spalte >= static_cast<int>(z.spalten.size()))
            break;
        z.spalten[static_cast<size_t>(z.spalte)] = {y1, y2, true};
        ++z.spalte;
    }
}

void anzeigenNehmen(ServerFensterZustand& z)
{
    const ServerAnzeige& a = serverLauf.anzeige;
    if (const uint32_t s = a.sekunden.load(std::memory_order_acquire); s != z.sekunden) {
        z.sekunden = s;
        statusTeilSetzen(2, meldungFormatieren(1361, a.echtzeit.load()));
        statusTeilSetzen(1, serverLauf.modus == serverModus::MitKarte
                                ? meldungFormatieren(1362, a.groessteAnzahl.load())
                                : meldungsTexte[1363]);
        status0(meldungFormatieren(1364, a.faktor.load()));
    }
    if (const uint32_t q = a.quittung.load(std::memory_order_acquire); q != z.quittung) {
        z.quittung = q;
        switch (static_cast<ServerBefehl::Art>(q & 0xFF)) {
        case ServerBefehl::FaktorAendern: status0(meldungFormatieren(1364, a.faktor.load())); break;
        case ServerBefehl::SpurSchritteAendern:
        case ServerBefehl::SpurSchritteSetzen: status0(meldungFormatieren(1365, a.spurSchritte.load())); break;
        case ServerBefehl::SpurUmschalten: status0(meldungsTexte[a.spurAn.load() ? 1366 : 1367]); break;
        default: break;
        }
    }
}

void zeichnen(Fenster f, Zeichenflaeche& z)
{
    const ServerFensterZustand& s = serverFenster;
    if (!(serverLauf.anzeige.spurAn.load(std::memory_order_relaxed)) || s.spalten.empty())
        return;
    Stift stift = stiftErzeugen(stiftStil::Durchgehend, 0, spurFarbe);
    Stift alt = auswaehlen(z, stift);
    // the column the sweep reaches next stays blank, so the newest column stands out
    for (size_t x = 0; x < s.spalten.size(); ++x) {
        const SpurSpalte& c = s.spalten[x];
        if (!c.gesetzt || static_cast<int>(x) == s.spalte)
            continue;
        linie(z, static_cast<int>(x), c.y1, static_cast<int>(x), c.y2);
    }
    auswaehlen(z, alt);
    loeschen(stift);
    (void)f;
}

bool umschalt() { return tasteGedrueckt(tastenStatus::LinksUmschalt) || tasteGedrueckt(tastenStatus::RechtsUmschalt); }
bool strg() { return tasteGedrueckt(tastenStatus::LinksStrg) || tasteGedrueckt(tastenStatus::RechtsStrg); }

} // namespace

void serverSpurLeeren()
{
    for (SpurSpalte& c : serverFenster.spalten)
        c = {};
    if (serverFenster.fenster) {
        ungueltigMachen(serverFenster.fenster);
        neuZeichnen(serverFenster.fenster);
    }
}

void serverTitelSetzen()
{
    Fenster f = serverFenster.fenster;
    if (!f)
        return;
    titelSetzen(f, meldungFormatieren(1369, dateipfade.netzName.c_str()));
    ungueltigMachen(f);
    neuZeichnen(f);
}

void serverFensterTakt()
{
    ServerFensterZustand& z = serverFenster;
    if (!z.fenster)
        return;
    const uint32_t vorher = z.gelesen;
    segmenteNehmen(z);
    anzeigenNehmen(z);
    if (z.gelesen != vorher)
        ungueltigMachen(z.fenster);
}

void serverTaste(Fenster f, int taste)
{
    const ServerAnzeige& a = serverLauf.anzeige;
    // the first key of the program's life takes the output neuron's own K potential
    if (!kaliumVorgabeGenommen) {
        kaliumVorgaben[0] = a.kPotential.load();
        kaliumVorgabeGenommen = true;
    }
    switch (taste) {
    case taste::Umschalt:
        if (feststelltasteAn())
            serverBefehlSenden({ServerBefehl::TestStrom, 0.0, 0});
        break;
    case taste::Esc:
        if (!serverThreadLaeuft())
            break;
        if (tasteGedrueckt(tastenStatus::LinksUmschalt))
            serverFenster.beendenNachEnde = true;
        serverBeenden();
        break;
    case taste::Hoch:
        serverBefehlSenden({ServerBefehl::SpurSchritteAendern, 0.0, umschalt() ? 0 : -10});
        break;
    case taste::Runter:
        serverBefehlSenden({ServerBefehl::SpurSchritteAendern, 0.0, umschalt() ? 0 : 10});
        break;
    case 'A':
        serverBefehlSenden({ServerBefehl::SpurUmschalten, 0.0, 0});
        break;
    case 'G':
        senden(f, nachricht::Befehl, machWParam(befehlKaliumUmschalten, 0));
        break;
    case 'K': {
        if (serverDaten.ausgangsNeuron == 0)
            break;
        const int i = tasteGedrueckt(tastenStatus::LinksUmschalt)    ? 1
                      : tasteGedrueckt(tastenStatus::RechtsUmschalt) ? 2
                      : tasteGedrueckt(tastenStatus::LinksStrg)      ? 3
                                                                     : 0;
        serverBefehlSenden({ServerBefehl::KPotential, kaliumVorgaben[static_cast<size_t>(i)], 0});
        break;
    }
    case 'U':
        serverSpurLeeren();
        break;
    case taste::Plus:
        serverBefehlSenden({ServerBefehl::FaktorAendern, strg() ? 0.01 : 0.1, 0});
        break;
    case taste::Minus:
        serverBefehlSenden({ServerBefehl::FaktorAendern, strg() ? -0.01 : -0.1, 0});
        break;
    default:
        break;
    }
}

void serverTasteLos(int taste)
{
    if (taste == taste::Umschalt)
        serverBefehlSenden({ServerBefehl::ReizWert, 0.0, 0});
}

intptr_t serverFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        serverFenster.rechteck = fensterRechteck(f);
        return 0;
    case nachricht::Groesse: {
        const Rechteck c = clientRechteck(f);
        serverFenster.rechteck = fensterRechteck(f);
        serverFenster.clientBreite = c.breite();
        serverFenster.clientHoehe = c.hoehe();
        return 0;
    }
    case nachricht::Zeichnen:
        if (l)
            zeichnen(f, *reinterpret_cast<Zeichenflaeche*>(l));
        return 0;
    case nachricht::Zeitgeber:
        if (w == serverFensterZeitgeber)
            serverFensterTakt();
        return 0;
    case nachricht::TasteRunter:
    case nachricht::SystemTasteRunter:
        serverTaste(f, static_cast<int>(w));
        return 0;
    case nachricht::TasteHoch:
        serverTasteLos(static_cast<int>(w));
        return 0;
    case nachricht::Befehl:
        kaliumFensterUmschalten(f, loWort(w));
        return 0;
    case nachricht::Schliessen:
        // the close box stops a running server; the window goes with the end of the run
        if (serverThreadLaeuft())
            serverBeenden();
        return 0;
    case nachricht::SystemBefehl:
        if (w == systembefehl::Schliessen) {
            if (serverThreadLaeuft())
                serverBeenden();
            return 0;
        }
        break;
    case nachricht::MenuePopupInit:
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}
