// script/auswertungsfenster.cpp - the evaluation window: its messages, status bar, scroll
// bar, keys, painting, menu states and its place in "auswertung.cfg"
#include "script/auswertung.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace plattform;

namespace {

constexpr int statusleistenId = 1000;
constexpr uint32_t datenBits = skriptBit::ErgebnisKopfGeladen | skriptBit::ErgebnisseAngezeigt;

int anzahl(const Auswertungsdaten& a) { return static_cast<int>(a.index.size()); }

std::string zahl(const char* format, double w)
{
    char t[64];
    std::snprintf(t, sizeof t, format, w);
    return t;
}

std::string ordnerVon(const std::string& pfad)
{
    const size_t strich = pfad.find_last_of("/\\");
    return strich == std::string::npos ? "" : pfad.substr(0, strich);
}

// the place stored in the window's record, as the system has it now
void rechteckMerken(Fenster f)
{
    if (f == auswertungsfenster.fenster && !istMinimiert(f))
        auswertungsfenster.rechteck = fensterRechteck(f);
}

// The close box leaves the mode, as 40197 does.
void schliessen(Auswertungsdaten& a)
{
    simulationsModusSetzen(a);
    if (Fenster h = fensterhandles.hauptfenster) {
        if (istMinimiert(h))
            zeigen(h, anzeige::Wiederherstellen);
        ungueltigMachen(h);
    }
}

// A number of the settings file that places the window: a text that holds no finite
// number leaves the edge; a huge one is cut to what a screen could hold.
void kanteLesen(char* text, const char* schluessel, int bezug, int& kante)
{
    double w = 0.0;
    if (!schluesselZahlLesen(&w, text, schluessel) || !std::isfinite(w))
        return;
    kante = static_cast<int>(std::lround(std::clamp(bezug + w, -32768.0, 32767.0)));
}

} // namespace

// ---- status bar and scroll bar ----------------------------------------------------------------

void auswertungStatusSetzen(const std::string& text)
{
    auswertungsfenster.statusText = text;
    if (istFenster(auswertungsfenster.statusleiste))
        statusTextSetzen(auswertungsfenster.statusleiste, statusEinfacherTeil, text);
}

bool auswertungStatuszeileErzeugen(Fenster f)
{
    Fenster leiste = statusleisteErzeugen(f, statusleistenId);
    if (!leiste) {
        endeMelden(EndeForm::Info, auswertungsText(auswertungsMeldung::Fehler, 3));
        return false;
    }
    auswertungsfenster.statusleiste = leiste;
    statusEinfach(leiste, true);
    statusTextSetzen(leiste, statusEinfacherTeil, auswertungsText(auswertungsMeldung::FensterTexte, 4));
    if (anzahl(auswertungsdaten) > 0)
        auswertungScrollbereichSetzen(f, anzahl(auswertungsdaten), auswertungsdaten.aktuellesErgebnis);
    return true;
}

void auswertungStatusZeigen(Auswertungsdaten& a)
{
    rechteckMerken(auswertungsfenster.fenster);
    if (!istFenster(auswertungsfenster.statusleiste))
        return;
    statusleisteAnpassen(auswertungsfenster.statusleiste);
    if (skriptStatus & skriptBit::ErgebnisKopfGeladen)
        auswertungStatusSetzen(
            auswertungsText(auswertungsMeldung::Anzahl, 1, anzahl(a), static_cast<int>(a.namen.size())));
    else
        auswertungStatusSetzen(auswertungsText(auswertungsMeldung::FensterTexte, 2));
}

// One position per result; a page of one keeps the thumb on whole results. Fewer than two
// results leave nothing to scroll: the bar goes.
void auswertungScrollbereichSetzen(Fenster f, int anzahl, int position)
{
    if (!istFenster(f))
        return;
    const int hoechste = std::max(anzahl - 1, 0);
    scrollLeisteSetzen(f, true, 0, hoechste, 1, std::clamp(position, 0, hoechste));
    ungueltigMachen(f);
}

// ---- keys and scrolling ---------------------------------------------------------------------

bool auswertungTaste(Auswertungsdaten& a, int t)
{
    if (!(skriptStatus & skriptBit::ErgebnisseAngezeigt) || t < taste::Esc || t > 'O')
        return false;
    const int n = anzahl(a);
    int& aktuell = a.aktuellesErgebnis;
    const auto piep = [] { piepen(1000, 100); };
    const bool blaettern = t != taste::Esc && t != 'O' && t != taste::Links && t != taste::Rechts;
    if (blaettern && n == 0)
        return true;
    switch (t) {
    case taste::Esc:
        if (Fenster h = fensterhandles.hauptfenster; istMinimiert(h)) {
            zeigen(h, anzeige::Wiederherstellen);
            vordergrundSetzen(h);
        }
        break;
    case taste::BildHoch:
        aktuell -= 100;
        if (aktuell < 0) {
            aktuell = 0;
            piep();
        }
        break;
    case taste::BildRunter:
        if (aktuell + 100 < n - 1) {
            aktuell += 100;
        } else {
            aktuell = n - 1;
            piep();
        }
        break;
    case taste::Ende: aktuell = n - 1; break;
    case taste::Pos1: aktuell = 0; break;
    case taste::Hoch:
        if (aktuell > 0)
            --aktuell;
        else
            piep();
        break;
    case taste::Runter:
        if (aktuell < n - 1)
            ++aktuell;
        else
            piep();
        break;
    case taste::Links: case taste::Rechts: break;
    case 'O':
        if (!tasteGedrueckt(tastenStatus::LinksStrg) && !tasteGedrueckt(tastenStatus::RechtsStrg))
            return false;
        piepen(1234, 40);
        vordergrundSetzen(auswertungsfenster.fenster);
        senden(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlDiagrammeGeoeffnete, 0));
        break;
    default: return false;
    }
    if (n > 0) {
        ergebnisseDarstellen(a);
        auswertungScrollbereichSetzen(auswertungsfenster.fenster, anzahl(a), aktuell);
    }
    ungueltigMachen(auswertungsfenster.fenster);
    return true;
}

void auswertungScrollen(Auswertungsdaten& a, int code, int position)
{
    Fenster f = auswertungsfenster.fenster;
    switch (code) {
    case scroll::ZeileHoch: auswertungTaste(a, taste::Hoch); break;
    case scroll::ZeileRunter: auswertungTaste(a, taste::Runter); break;
    case scroll::SeiteHoch: auswertungTaste(a, taste::BildHoch); break;
    case scroll::SeiteRunter: auswertungTaste(a, taste::BildRunter); break;
    case scroll::DaumenPosition:
    case scroll::DaumenZiehen: {
        // the message carries 16 bits of the position: a longer bar is asked for its thumb
        const int n = anzahl(a);
        if (n == 0)
            break;
        if (n > 0xFFFF)
            position = scrollLeiste(f, true).daumen;
        a.aktuellesErgebnis = std::clamp(position, 0, n - 1);
        if (code == scroll::DaumenPosition) {
            auswertungScrollbereichSetzen(f, n, a.aktuellesErgebnis);
            ergebnisseDarstellen(a);
        }
        break;
    }
    default: break;
    }
    ungueltigMachen(f);
}

// ---- painting -------------------------------------------------------------------------------

void auswertungFensterZeichnen(Auswertungsdaten& a, Zeichenflaeche& z)
{
    if ((skriptStatus & datenBits) != datenBits)
        return;
    hintergrundTransparent(z, true);
    const Schrift alteSchrift = auswaehlen(z, standardSchrift.schrift);
    textFarbeSetzen(z, standardFarbe);
    textAusrichtungSetzen(z, textAusrichtung::Links | textAusrichtung::Grundlinie);
    const int zeilenHoehe = schriftMasse(z).hoehe + 2;

    // the first line, then one per documented parameter
    struct Zeile { std::string bezeichnung, wert; };
    std::vector<Zeile> zeilen{{auswertungsText(auswertungsMeldung::FensterTexte, 5), std::to_string(a.aktuellesErgebnis + 1)}};
    int breite = textAusmass(z, zeilen[0].bezeichnung).breite;
    for (size_t i = 1; i < a.skript.dokumentiert.size(); ++i) {
        const ParameterEintrag& e = a.skript.dokumentiert[i];
        const std::string name(e.bezeichnung.data(), strnlen(e.bezeichnung.data(), e.bezeichnung.size()));
        const NeuronDaten* n = neuronNachNummer(e.neuronNummer);
        Zeile zeile{n ? auswertungsText(auswertungsMeldung::FensterTexte, 6, name, neuronAnzeigename(*n)) : name + ":",
                    e.istReal ? zahl("%.15g", e.wert) : std::to_string(e.ganzzahl)};
        breite = std::max(breite, textAusmass(z, zeile.bezeichnung + zeile.wert).breite);
        zeilen.push_back(std::move(zeile));
    }
    breite += 20;
    constexpr int x = 10, y = 20;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const int zy = y + static_cast<int>(i) * zeilenHoehe;
        textAusrichtungSetzen(z, textAusrichtung::Links | textAusrichtung::Grundlinie);
        text(z, x, zy, zeilen[i].bezeichnung);
        textAusrichtungSetzen(z, textAusrichtung::Rechts | textAusrichtung::Grundlinie);
        text(z, x + breite, zy, zeilen[i].wert);
    }
    auswaehlen(z, alteSchrift);
}

// ---- menu -----------------------------------------------------------------------------------

bool auswertungBefehlWaehlbar(int befehl)
{
    const bool daten = skriptStatus & skriptBit::AuswertungsdatenDa;
    const bool gezeigt = skriptStatus & skriptBit::ErgebnisseAngezeigt;
    switch (befehl) {
    case auswertungBefehlDateiOeffnen:
    case auswertungBefehlMehrereDateien: return !daten;
    case auswertungBefehlDateiSchliessen:
    case auswertungBefehlWeitereDateien:
    case auswertungBefehlIndexSpeichern:
    case auswertungBefehlSkriptSpeichern: return daten;
    case auswertungBefehlDarstellen: return daten && !gezeigt;
    }
    return true;
}

void auswertungMenueAktualisieren(Menue m)
{
    if (!m)
        return;
    for (int befehl : {auswertungBefehlDateiOeffnen, auswertungBefehlMehrereDateien, auswertungBefehlDateiSchliessen,
                       auswertungBefehlWeitereDateien, auswertungBefehlIndexSpeichern, auswertungBefehlSkriptSpeichern,
                       auswertungBefehlDarstellen, auswertungBefehlIndexOeffnen, auswertungBefehlEinstellungenSpeichern,
                       auswertungBefehlModusBeenden})
        grauSetzen(m, befehl, Nach::Befehl, !auswertungBefehlWaehlbar(befehl));
}

// ---- the window procedure -------------------------------------------------------------------

intptr_t auswertungFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    Auswertungsdaten& a = auswertungsdaten;
    switch (n) {
    case nachricht::Erzeugen:
        auswertungsfenster.fenster = f;
        return auswertungStatuszeileErzeugen(f) ? 0 : -1;
    case nachricht::Bewegen:
        rechteckMerken(f);
        return 0;
    case nachricht::Groesse:
        auswertungStatusZeigen(a);
        return 0;
    case nachricht::Zeichnen:
        if (l)
            auswertungFensterZeichnen(a, *reinterpret_cast<Zeichenflaeche*>(l));
        return 0;
    case nachricht::TasteRunter:
    case nachricht::SystemTasteRunter:
        if (auswertungTaste(a, static_cast<int>(w)))
            return 0;
        break;
    case nachricht::Befehl:
        auswertungBefehl(a, loWort(w));
        return 0;
    case nachricht::Schliessen:
        schliessen(a);
        return 0;
    case nachricht::VScroll:
        auswertungScrollen(a, loWort(w), hiWort(w));
        return 0;
    case nachricht::MenuePopupInit:
        auswertungMenueAktualisieren(fensterMenue(f));
        return 0;
    case nachricht::Zerstoeren:
        if (auswertungsfenster.fenster == f) {
            auswertungsfenster.fenster = nullptr;
            auswertungsfenster.statusleiste = nullptr;
        }
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}

void auswertungsfensterZerstoeren()
{
    if (Fenster f = auswertungsfenster.fenster)
        fensterZerstoeren(f);
    auswertungsfenster.fenster = nullptr;
    auswertungsfenster.statusleiste = nullptr;
}

// ---- the settings file ----------------------------------------------------------------------

std::string auswertungEinstellungsPfad(const Auswertungsdaten& a)
{
    std::string ordner = auswertungsfenster.ordner;
    for (const std::string& weiter :
         {dateipfade.ergebnisVerzeichnis, ordnerVon(a.ergebnisPfad), ordnerVon(a.indexPfad), dateipfade.programmVerzeichnis})
        if (ordner.empty())
            ordner = weiter;
    while (ordner.size() > 1 && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.pop_back();
    return ordner + "/auswertung.cfg";
}

int auswertungEinstellungenSpeichern(Auswertungsdaten& a)
{
    const Rechteck& r = auswertungsfenster.rechteck;
    char text[256];
    std::snprintf(text, sizeof text,
                  "auswertfenster xl=%d\nauswertfenster yl=%d\nauswertfenster breite=%d\nauswertfenster hoehe=%d\n",
                  r.links, r.oben, r.breite(), r.hoehe());
    // the file the window's settings were read from, as the disk names it
    const std::string pfad = gefundenenNamenNehmen(auswertungEinstellungsPfad(a));
    if (dateiSicherSchreiben(pfad, text))
        return 1;
    hinweisBox(meldungFormatieren(74, pfad));      // the settings stay as they were; nothing ends
    return 0;
}

int auswertungEinstellungenLaden(Auswertungsdaten& a)
{
    Rechteck& r = auswertungsfenster.rechteck;
    std::FILE* f = dateiOeffnen(auswertungEinstellungsPfad(a), "rb");
    if (!f) {
        const Rechteck feld = arbeitsbereich();
        if (r.links <= 0)
            r.links = feld.breite() / 2;
        if (r.rechts <= 0)
            r.rechts = feld.breite() - 1;
        if (r.oben <= 0)
            r.oben = 1;
        if (r.unten <= 0)
            r.unten = feld.hoehe() - 1;
        return 1;
    }
    std::string text;
    char puffer[4096];
    for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;)
        text.append(puffer, n);
    std::fclose(f);
    kanteLesen(text.data(), "auswertfenster xl=", 0, r.links);
    kanteLesen(text.data(), "auswertfenster yl=", 0, r.oben);
    kanteLesen(text.data(), "auswertfenster breite=", r.links, r.rechts);
    kanteLesen(text.data(), "auswertfenster hoehe=", r.oben, r.unten);
    return 1;
}
