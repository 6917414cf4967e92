// app/hauptfenster.cpp - the main window's procedure, layout, close and timers
#include "app/hauptfenster.h"
#include "app/beenden.h"
#include "app/protokoll.h"
#include "app/sprache.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "app/start.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "dialogs/eingabe.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
#include <vector>

using namespace plattform;

namespace {

std::vector<int> aufgeschoben;

// the parts' right edges as shares of the width; the last reaches to the end
void statusTeileAnpassen(int breite)
{
    const int kanten[statusTeile] = {breite * 30 / 100, breite * 48 / 100, breite * 70 / 100,
                                     breite * 85 / 100, -1};
    statusTeileSetzen(fensterhandles.statusleiste, kanten);
}

void zeitgeberStatusleiste()
{
    // what passed goes, the stored texts come back
    if (!fensterhandles.statusleiste || (programmStatus & programmBit::KeineStatusleiste))
        return;
    for (int teil = 0; teil < statusTeile; ++teil)
        statusTextSetzen(fensterhandles.statusleiste, teil | statusStil::Herausgehoben, statusTexte[teil]);
}

void zeitgeberNachLauf(Fenster f)
{
    if (endeMussWarten())
        return;                      // still inside a run's pump: wait for the next tick
    zeitgeberLoeschen(f, zeitgeber::NachLauf);
    std::vector<int> befehle;
    befehle.swap(aufgeschoben);
    for (int befehl : befehle) {
        if (befehl == befehlBeendenNachLauf) {
            programmBeenden();
            return;
        }
        posten(f, nachricht::Befehl, machWParam(befehl, 0));
    }
}

void menueEbeneSetzen(Menue m)
{
    for (int i = 0; i < postenAnzahl(m); ++i) {
        if (Menue unter = untermenue(m, i)) {
            menueEbeneSetzen(unter);
            continue;
        }
        const int befehl = postenBefehl(m, i);
        if (befehl <= 0)
            continue;
        grauSetzen(m, i, Nach::Position, !befehlVerfuegbar(befehl));
        if (const int haken = befehlHaken(befehl); haken >= 0)
            abhaken(m, i, Nach::Position, haken == 1);
    }
}

} // namespace

void hauptfensterAnordnen(Fenster f)
{
    if (!fensterhandles.statusleiste)
        return;
    statusleisteAnpassen(fensterhandles.statusleiste);
    const Rechteck c = clientRechteck(f);
    statusTeileAnpassen(c.breite());
    protokollEinbettungAnordnen(f);
}

void menueStandSetzen(Menue m)
{
    if (m)
        menueEbeneSetzen(m);
}

void statusEinblenden(int teil, const std::string& text)
{
    if (teil < 0 || teil >= statusTeile || !fensterhandles.statusleiste)
        return;
    if (!(programmStatus & programmBit::KeineStatusleiste))
        statusTextSetzen(fensterhandles.statusleiste, teil | statusStil::Herausgehoben,
                         text.substr(0, statusTextLaenge - 1));
    zeitgeberSetzen(fensterhandles.hauptfenster, zeitgeber::Statusleiste,
                    static_cast<unsigned>(std::max(statuszeilenAnzeigedauer, 1)));
}

void nachLaufAufschieben(int befehl)
{
    if (std::find(aufgeschoben.begin(), aufgeschoben.end(), befehl) == aufgeschoben.end())
        aufgeschoben.push_back(befehl);
    zeitgeberSetzen(fensterhandles.hauptfenster, zeitgeber::NachLauf, 100);
}

size_t aufgeschobeneBefehle() { return aufgeschoben.size(); }

void nachLaufVerwerfen() { aufgeschoben.clear(); }

void hauptfensterSchliessen()
{
    if (programmEndet())
        return;
    // A run is on the stack below this message: the user is asked whether to stop it; the
    // close follows once it has returned.
    if (laufAktiv() && sysInfoBox(meldungsTexte[887], knoepfe::JaNein) != antwort::Ja) {
        spracheWechselAbschliessen(false);
        return;
    }
    // the questions to save come while the window is there; a Cancel or a failed save keeps it
    programmBeendenMitAngebot();
}

void hauptfensterTimer(Fenster f, uintptr_t id)
{
    switch (id) {
    case zeitgeber::Statusleiste:
        zeitgeberLoeschen(f, id);
        zeitgeberStatusleiste();
        break;
    case zeitgeber::Startbild:
    case zeitgeber::Infobox:
        zeitgeberLoeschen(f, id);
        if (anzeigeboxParameter.fenster)
            senden(anzeigeboxParameter.fenster, anzeigeboxSchliessen);
        break;
    case zeitgeber::Doppelklick:
        zeitgeberLoeschen(f, id);
        doppelklickAktiv = 0;
        break;
    case zeitgeber::Wiedergabe:
        spikeWiedergabeSchritt(f);
        break;
    case zeitgeber::KurvenMarkierung:
        zeitgeberLoeschen(f, id);
        kurvenMarkierungBeenden();
        break;
    case zeitgeber::DruckerSuche:
        zeitgeberLoeschen(f, id);
        if (!druckerSucheBeenden())
            hinweisBox(meldungsTexte[888]);
        break;
    case zeitgeber::NachLauf:
        zeitgeberNachLauf(f);
        break;
    }
}

intptr_t hauptfensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Erzeugen:
        fensterhandles.hauptfenster = f;
        fensterhandles.statusleiste = statusleisteErzeugen(f, statusleisteId);
        return 0;

    case nachricht::Groesse:
        hauptfensterGeometrie.clientBreite = loWortS(l);
        hauptfensterGeometrie.clientHoehe = hiWortS(l);
        hauptfensterAnordnen(f);
        // the first size message of the shown window runs the one-time initialisation
        if (istSichtbar(f))
            startInitialisieren();
        return 0;

    case nachricht::Bewegen: {
        const Rechteck r = fensterRechteck(f);
        hauptfensterGeometrie = {r.links, r.oben, r.breite(), r.hoehe(),
                                 hauptfensterGeometrie.clientBreite, hauptfensterGeometrie.clientHoehe};
        return 0;
    }

    case nachricht::Befehl:
        hauptfensterBefehl(f, loWort(w));
        return 0;

    case nachricht::Zeitgeber:
        hauptfensterTimer(f, w);
        return 0;

    case nachricht::TasteRunter:
        tasteGedrueckt(f, static_cast<int>(w), false);
        return 0;

    case nachricht::SystemTasteRunter:
        if (tasteGedrueckt(f, static_cast<int>(w), true))
            return 0;
        break;

    case nachricht::Zeichen:
        escTasteBearbeiten(f, static_cast<int>(w));
        return 0;

    case nachricht::MenuePopupInit:
        menueStandSetzen(reinterpret_cast<Menue>(w));
        return 0;

    case nachricht::LinksRunter:
    case nachricht::LinksHoch:
    case nachricht::MausBewegung:
    case nachricht::RechtsHoch:
        if (editorMausNachricht(f, n, w, l))
            return 0;
        break;

    case nachricht::Zeichnen:
        netzwerkZeichnen(*reinterpret_cast<Zeichenflaeche*>(l));
        return 0;

    case nachricht::Schliessen:
        hauptfensterSchliessen();
        return 0;

    case nachricht::Zerstoeren:
        hauptfensterZerstoert();
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}
