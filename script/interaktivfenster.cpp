// script/interaktivfenster.cpp - the interactive script window: making it, its procedure, painting
//
// The window paints the script record's slots through the layout the hit test uses, so a
// double click finds the bar the user sees. Its keys are the main window's, and closing it
// is the main window's cancel, which asks first: the window stays while the run goes on.
#include "script/interaktiv.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace plattform;

Rechteck interaktivFensterPlatz;

namespace {

// the main window's timer that ends the double-click time
constexpr uintptr_t doppelklickZeitgeber = 6;
// the window where none was placed before: wide enough for a few bars and their texts
constexpr int vorgabeBreite = 440, vorgabeHoehe = 380;
constexpr Farbe fensterTextFarbe = 0x000000;

int gerundet(double x) { return static_cast<int>(std::lround(x)); }

std::string zahlText(double x)
{
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void platzMerken(Fenster f)
{
    if (!istMinimiert(f))
        interaktivFensterPlatz = fensterRechteck(f);
}

void auslegen(Fenster f)
{
    const Rechteck c = clientRechteck(f);
    interaktivFensterLayout(skript, c.breite(), c.hoehe(), skript.interaktivRand);
}

} // namespace

void simulationAbbrechenSenden()
{
    senden(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlSimulationAbbrechen, 0), 0x10001);
}

int interaktivFensterErzeugen()
{
    // a remembered place is kept only while its window fits the work area
    const Rechteck a = arbeitsbereich();
    Rechteck r = interaktivFensterPlatz;
    const bool passt = r.breite() > 0 && r.hoehe() > 0 && r.links >= a.links && r.oben >= a.oben &&
                       r.rechts <= a.rechts && r.unten <= a.unten;
    const int x = passt ? r.links : StandardPosition, y = passt ? r.oben : StandardPosition;
    const int breite = passt ? r.breite() : std::min(vorgabeBreite, a.breite());
    const int hoehe = passt ? r.hoehe() : std::min(vorgabeHoehe, a.hoehe());
    // the menu of the language; owned by the main window the window stays in front of it
    Menue menue = modusMenueLaden(Modusmenue::Interaktiv);
    Fenster f = fensterErzeugen(meldungsTexte[17], meldungsTexte[1478], stil::Hauptfenster, x, y, breite, hoehe,
                                fensterhandles.hauptfenster, menue);
    if (!f) {
        menueZerstoeren(menue);
        endeMelden(EndeForm::Hinweis, meldungsTexte[128]);
        return 0;
    }
    fensterhandles.interaktivFenster = f;
    fensterhandles.interaktivMenue = menue;
    fensterCursorSetzen(f, standardCursor(cursorArt::Pfeil));
    auslegen(f);
    zeigen(f, anzeige::Normal);
    neuZeichnen(f);
    return 1;
}

void interaktivFensterZeichnen(Fenster f, Zeichenflaeche& z)
{
    const Rechteck c = clientRechteck(f);
    const int hoehe = c.hoehe(), rand = skript.interaktivRand;
    interaktivFensterLayout(skript, c.breite(), hoehe, rand);
    const int zeile = gerundet(hoehe / 5.0);
    const int zeile2 = gerundet(zeile / 3.0 * 2.0);
    const int einheit = gerundet((c.breite() - 2.0 * rand) / 20.0);

    SchriftMerkmale m = standardSchrift.merkmale;
    m.hoehe = -std::max(1, gerundet(zeile / 20.0 * 3.5));
    Schrift schrift = schriftErzeugen(m);
    Schrift alteSchrift = auswaehlen(z, schrift);
    Stift stift = stiftErzeugen(stiftStil::Durchgehend, 2, 0x000000);
    Stift alterStift = auswaehlen(z, stift);
    Pinsel alterPinsel = auswaehlen(z, static_cast<Pinsel>(nullptr));
    const bool warTransparent = hintergrundTransparent(z, true);
    const uint32_t alteAusrichtung = textAusrichtungSetzen(z, textAusrichtung::Mitte | textAusrichtung::Unten);
    const Farbe alteFarbe = textFarbeSetzen(z, fensterTextFarbe);

    const int kopfY = gerundet(zeile2 * 0.6);
    text(z, 5 * einheit + rand, kopfY, skriptLaufwerte.interaktivZeilen[0]);
    text(z, 14 * einheit + rand, kopfY, skriptLaufwerte.interaktivZeilen[1]);
    const int n = std::min(skript.interaktivAnzahl, interaktivSlots);
    for (int i = 1; i <= n; ++i) {
        const InteraktivSlot& slot = skript.interaktiv[static_cast<size_t>(i)];
        const Rechteck& b = slot.balken;
        if (b.breite() <= 0)
            continue;
        Pinsel pinsel = pinselErzeugen(slot.farbe);
        auswaehlen(z, pinsel);
        rechteck(z, b);
        auswaehlen(z, static_cast<Pinsel>(nullptr));
        loeschen(pinsel);
        const int mitte = (b.links + b.rechts) / 2;
        text(z, mitte, b.unten + gerundet(zeile * 0.3), zahlText(slot.wert));
        text(z, mitte, b.unten + gerundet(zeile * 0.6), slot.name);
        text(z, mitte, b.unten + gerundet(zeile * 0.9), zahlText(slot.schritt));
    }

    textFarbeSetzen(z, alteFarbe);
    textAusrichtungSetzen(z, alteAusrichtung);
    hintergrundTransparent(z, warTransparent);
    auswaehlen(z, alterPinsel);
    auswaehlen(z, alterStift);
    auswaehlen(z, alteSchrift);
    loeschen(stift);
    loeschen(schrift);
}

void interaktivParameterAendern(Fenster f, int, int x, int y)
{
    // the first click opens the double-click time, which the main window's timer ends
    if (!doppelklickAktiv) {
        doppelklickAktiv = 1;
        zeitgeberSetzen(fensterhandles.hauptfenster, doppelklickZeitgeber,
                        static_cast<unsigned>(std::max(1, zeiteinstellungen.doppelklick)));
        return;
    }
    doppelklickAktiv = 0;
    zeitgeberLoeschen(fensterhandles.hauptfenster, doppelklickZeitgeber);
    if (skript.interaktivAnzahl < 1 || !(skriptStatus & skriptBit::InteraktiveAusfuehrung))
        return;
    const int slot = interaktivBalkenBei(skript, x, y);
    if (slot == 0)
        return;
    if (dialogModal(vorlageInteraktiv, f, interaktivDlgProc, slot) == 1) {
        skriptStatus |= skriptBit::InteraktivGeaendert;
        skript.interaktivGeaendert = slot;
    }
}

intptr_t interaktivFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        platzMerken(f);
        return 0;
    case nachricht::Groesse:
        platzMerken(f);
        auslegen(f);
        return 0;
    case nachricht::Zeichnen:
        interaktivFensterZeichnen(f, *reinterpret_cast<Zeichenflaeche*>(l));
        return 0;
    // the keys are the main window's: F-keys, Esc (which cancels the script) and the rest
    case nachricht::TasteRunter:
    case nachricht::SystemTasteRunter:
    case nachricht::Zeichen:
        senden(fensterhandles.hauptfenster, n, w, l);
        return 0;
    case nachricht::Schliessen:
        // the close box cancels the script, after the main window's question; the window
        // goes only with the interactive run
        simulationAbbrechenSenden();
        if (!(skriptStatus & skriptBit::InteraktiveAusfuehrung) && istFenster(f))
            fensterZerstoeren(f);
        return 0;
    case nachricht::LinksRunter:
        interaktivParameterAendern(f, 0, loWortS(l), hiWortS(l));
        return 0;
    case nachricht::Befehl:
        // the menu's one item is the cancel of the main window
        if (loWort(w) == befehlSimulationAbbrechen)
            simulationAbbrechenSenden();
        return 0;
    case nachricht::MenuePopupInit:
        return 0;
    case nachricht::Zerstoeren:
        if (fensterhandles.interaktivFenster == f) {
            fensterhandles.interaktivFenster = nullptr;
            fensterhandles.interaktivMenue = nullptr;
        }
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}
