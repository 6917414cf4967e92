// diagrams/zeitmessung.cpp - the event list, its dialog and its files
//
// The list box of the dialog is what the user edits: the list text (zeitmessung.ereignisText)
// is what the box was last set to, plus each event since, whose line goes in at the box's
// caret (at the end unless the user moved it); saving writes exactly what the box shows,
// and an edit of the box is taken over when it loses the focus.
#include "diagrams/zeitmessung.h"
#include "diagrams/diagramm.h"
#include "core/schluessel.h"
#include "dialogs/rahmen.h"
#include "files/einstellungszeilen.h"
#include "files/textdatei.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/dialog.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

using namespace plattform;
namespace id = zeitmessungId;

namespace {

Zeitmessung& zm = zeitmessung;
int dialogFrisch = 1;           // the next DialogInit of dialog 328 is an opening

void diagrammNeuZeichnen(DiagrammDaten* d)
{
    if (d && istFenster(d->fenster)) {
        ungueltigMachen(d->fenster);
        neuZeichnen(d->fenster);
    }
}

std::string ereignisZeile(double t)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.5lf\r\n", t);
    std::string z = puffer;
    if (zm.dezimalKomma)
        std::replace(z.begin(), z.end(), '.', ',');
    return z;
}

// the growth rules of the list and of its text
void kapazitaetFuerNeues()
{
    if (zm.ereignisKapazitaet - zm.ereignisAnzahl <= 100) {
        zm.ereignisKapazitaet += 100;
        zm.ereignisZeiten.reserve(static_cast<size_t>(zm.ereignisKapazitaet) + 200);
    }
}
void textWachsen()
{
    const int block = std::max(diagrammOptionen.blockgroesse, 1);
    if (zm.ereignisTextKapazitaet == 0 && zm.ereignisText.empty()) {
        zm.ereignisTextKapazitaet = block;
        zm.ereignisText.reserve(static_cast<size_t>(block) + 1000);
    }
    while (static_cast<int>(zm.ereignisText.size()) > zm.ereignisTextKapazitaet)
        zm.ereignisTextKapazitaet += block;
}

void anzahlZeigen()
{
    if (zm.messDialog)
        elementTextSetzen(zm.messDialog, id::Anzahl, meldungFormatieren(830, zm.ereignisAnzahl));
}

void bereichKastenFreigeben()
{
    if (zm.messDialog)
        elementFreigeben(zm.messDialog, id::BereichAusZweien, zm.ereignisAnzahl == 2);
}

// the whole list box, never cut
std::string listenText(Fenster dlg) { return elementText(dlg, id::Liste, std::string::npos); }

// The switches, then the alternation, which stays as it was when its field holds no number:
// a switch names the field in a notice; hiding the dialog (its Cancel too) goes without one.
void optionenLesen(Fenster dlg, bool melden)
{
    diagrammOptionen.ereignisseAlsLinien = haken(dlg, id::Linien);
    auto bit = [](int b, bool an) {
        zm.erkennungsOptionen = an ? (zm.erkennungsOptionen | b) : (zm.erkennungsOptionen & ~b);
    };
    bit(erkennungsBit::Zeit, haken(dlg, id::Zeit));
    bit(erkennungsBit::Nummer, haken(dlg, id::Nummer));
    bit(erkennungsBit::BereichAusZweien, haken(dlg, id::BereichAusZweien));
    std::string t = elementText(dlg, id::Alternieren, 255);
    double x = 0.0;
    if (melden)
        dialogGanzzahlLesen(dlg, id::Alternieren, INT_MIN, INT_MAX, diagrammOptionen.hoeheAlternieren);
    else if (dialogTextZahl(t, x))
        diagrammOptionen.hoeheAlternieren = kommaGanzzahlLesen(t.data());
}

void beschriftungFreigeben(Fenster dlg)
{
    const bool an = haken(dlg, id::Linien);
    for (int i : {id::Zeit, id::Nummer, id::Alternieren})
        elementFreigeben(dlg, i, an);
}

// "Clear all": asks unless silent; false when the user keeps the list
bool allesLoeschen(Fenster dlg, bool still)
{
    if (!still && !(zm.erkennungsOptionen & erkennungsBit::StillLoeschen) && zm.loeschenFragen) {
        const int a = sysInfoBox(meldungFormatieren(833), knoepfe::JaNeinAbbrechen);
        if (a == antwort::Nein)
            return false;
        if (a == antwort::Abbrechen)
            zm.loeschenFragen = 0;
    }
    zm.erkennungsOptionen &= ~(erkennungsBit::StillLoeschen | erkennungsBit::BereichAusZweien);
    zm.ereignisAnzahl = 0;
    zm.ereignisKapazitaet = 0;
    zm.ereignisTextKapazitaet = 0;
    zm.ereignisZeiten = {};
    zm.ereignisText.clear();
    if (dlg) {
        hakenSetzen(dlg, id::BereichAusZweien, 0);
        elementFreigeben(dlg, id::BereichAusZweien, false);
        elementTextSetzen(dlg, id::Liste, "");
    }
    anzahlZeigen();
    // then "Update"
    bereichKastenFreigeben();
    diagrammNeuZeichnen(lebendesMessDiagramm());
    return true;
}

void speichern(Fenster dlg)
{
    const std::string text = listenText(dlg);
    DateiWahl wahl;
    wahl.endung = "evt";
    wahl.filter = {{meldungFormatieren(837), "*.evt;*.txt"}};
    wahl.titel = meldungFormatieren(835);
    wahl.speichern = true;
    if (!dateiWaehlen(dlg, wahl))
        return;
    sicherSchreiben(cfgZeilen::pfadBilden(cfgZeilen::ohneSchraegstrich(wahl.ordner), wahl.name, wahl.endung), text, 832);
}

void laden(Fenster dlg)
{
    DateiWahl wahl;
    wahl.endung = "evt";
    wahl.filter = {{meldungFormatieren(838), "*.evt"}};
    wahl.titel = meldungFormatieren(836);
    if (!dateiWaehlen(dlg, wahl))
        return;
    const std::string pfad = cfgZeilen::pfadBilden(cfgZeilen::ohneSchraegstrich(wahl.ordner), wahl.name, wahl.endung);
    // the old list stays until the new one is read
    std::string text;
    long laenge = 0;
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (!f || dateiGanzLesen(f, text, laenge) != DateiGelesen::Ja) {
        hinweisBox(meldungFormatieren(831, pfad));
        return;
    }
    allesLoeschen(dlg, true);
    ereignisTextEinlesen(text);
    diagrammNeuZeichnen(lebendesMessDiagramm());
}

// 2300: every decimal marker of the list becomes the chosen one
void kommaUmschreiben(Fenster dlg)
{
    zm.dezimalKomma = haken(dlg, id::Komma);
    std::string t = listenText(dlg);
    const char neu = zm.dezimalKomma ? ',' : '.';
    for (char& c : t)
        if (c == '.' || c == ',')
            c = neu;
    const bool geaendert = elementGeaendert(dlg, id::Liste);
    elementTextSetzen(dlg, id::Liste, t);
    elementGeaendertSetzen(dlg, id::Liste, geaendert);
    zm.ereignisText = t;
    textWachsen();
}

void dialogPlatzieren(Fenster dlg)
{
    const Rechteck r = fensterRechteck(dlg);
    const Rechteck a = arbeitsbereich();
    if (!zm.dialogPositionGesetzt || zm.dialogX + r.breite() > a.rechts || zm.dialogY + r.hoehe() > a.unten) {
        zm.dialogX = a.links + (a.breite() - r.breite()) / 2;
        zm.dialogY = a.oben + (a.hoehe() - r.hoehe()) / 2;
        zm.dialogPositionGesetzt = 1;
    }
    verschieben(dlg, zm.dialogX, zm.dialogY, r.breite(), r.hoehe());
}

void dialogFuellen(Fenster dlg)
{
    hakenSetzen(dlg, id::Linien, diagrammOptionen.ereignisseAlsLinien != 0);
    beschriftungFreigeben(dlg);
    hakenSetzen(dlg, id::Zeit, (zm.erkennungsOptionen & erkennungsBit::Zeit) != 0);
    hakenSetzen(dlg, id::Nummer, (zm.erkennungsOptionen & erkennungsBit::Nummer) != 0);
    hakenSetzen(dlg, id::BereichAusZweien,
                (zm.erkennungsOptionen & erkennungsBit::BereichAusZweien) && zm.ereignisAnzahl == 2);
    elementFreigeben(dlg, id::BereichAusZweien, zm.ereignisAnzahl == 2);
    hakenSetzen(dlg, id::Komma, zm.dezimalKomma != 0);
    elementTextSetzen(dlg, id::Alternieren, std::to_string(diagrammOptionen.hoeheAlternieren));
    if (zm.ereignisAnzahl > 0)
        elementTextSetzen(dlg, id::Liste, zm.ereignisText);
    elementTextSetzen(dlg, id::Anzahl, meldungFormatieren(830, zm.ereignisAnzahl));
}

void verbergen(Fenster dlg)
{
    optionenLesen(dlg, false);
    tastaturHookEntfernen();
    dialogBeenden(dlg, 1);
    dialogFrisch = 1;
    zm.messDialog = nullptr;
    zm.erkennungsOptionen &= ~erkennungsBit::DialogOffen;
    aktuellesDiagramm.messModus ^= 0x10;
    if (istFenster(aktuellesDiagramm.messFenster))
        diagrammCursorWaehlen(aktuellesDiagramm.messFenster);
    cursorSetzen(diagrammCursor.standard ? diagrammCursor.standard : standardCursor(cursorArt::Pfeil));
}

} // namespace

DiagrammDaten* lebendesMessDiagramm()
{
    DiagrammDaten* d = aktuellesDiagramm.messDiagramm;
    return d && istFenster(d->fenster) ? d : nullptr;
}

void ereignisZeitHinzufuegen(double zeit)
{
    DiagrammDaten* d = lebendesMessDiagramm();
    if (!d)
        return;
    // the time under the mouse
    if (zeit < 0.0) {
        if (d->plotBreite <= 0)
            return;
        const Punkt p = bildschirmZuClient(d->fenster, mausPosition());
        zeit = d->minX + (p.x - d->xRand) * (d->maxX - d->minX) / d->plotBreite;
    }
    // room in the list and its text
    kapazitaetFuerNeues();
    ++zm.ereignisAnzahl;
    bereichKastenFreigeben();
    // the entry, its line, the count, the diagram
    zm.ereignisZeiten.push_back(zeit);
    const std::string zeile = ereignisZeile(zeit);
    // one line into the box, never the whole box again: a detection adds thousands
    zm.ereignisText += zeile;
    if (zm.messDialog)
        elementTextEinfuegen(zm.messDialog, id::Liste, zeile);
    textWachsen();
    anzahlZeigen();
    diagrammNeuZeichnen(d);
}

int ereignisTextEinlesen(const std::string& text)
{
    // room for every line ending in CR, more as needed
    const long cr = std::count(text.begin(), text.end(), '\r');
    zm.ereignisKapazitaet = static_cast<int>((cr + 99) / 100 * 100);
    zm.ereignisZeiten.clear();
    zm.ereignisZeiten.reserve(static_cast<size_t>(zm.ereignisKapazitaet) + 200);
    // an empty list text
    zm.ereignisText.clear();
    zm.ereignisTextKapazitaet = 0;
    // line by line
    size_t i = 0;
    const size_t n = text.size();
    std::string zeile;
    while (i < n) {
        while (i < n && static_cast<unsigned char>(text[i]) <= 32)
            ++i;
        const size_t anfang = i;
        while (i < n && static_cast<unsigned char>(text[i]) >= 14)
            ++i;
        if (i == anfang)
            continue;
        zeile.assign(text, anfang, i - anfang);
        const double t = kommaZahlLesen(zeile.data());
        if (static_cast<int>(zm.ereignisZeiten.size()) >= zm.ereignisKapazitaet)
            zm.ereignisKapazitaet += 100;
        zm.ereignisZeiten.push_back(t);
        zm.ereignisText += ereignisZeile(t);
        textWachsen();
    }
    if (zm.messDialog)
        elementTextSetzen(zm.messDialog, id::Liste, zm.ereignisText);
    // the count
    zm.ereignisAnzahl = static_cast<int>(zm.ereignisZeiten.size());
    anzahlZeigen();
    return 1;
}

void diagrammZeitachseAngleichen(DiagrammDaten* quelle)
{
    if (!quelle || !(quelle->maxX > quelle->minX))
        return;
    const double R = quelle->maxX - quelle->minX;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (d == quelle || !istFenster(d->fenster))
                continue;
            // the source's window
            d->minX = quelle->minX;
            d->maxX = quelle->maxX;
            double tick = quelle->xTickIntervallWirksam;
            d->xUrsprung = d->minX;
            // between 3 and 10 ticks
            if (!(tick > 0.0) || !std::isfinite(tick))
                tick = R / 10;
            else if (R / tick < 3)
                tick = R / 3;
            else if (R / tick > 10)
                tick = R / 10;
            d->xTickIntervallWirksam = tick;
            d->xTickIntervall = tick;
            // time cursors outside come in by a tenth
            for (double* c : {&d->vCursor1, &d->vCursor2}) {
                if (*c > d->maxX)
                    *c = d->maxX - R / 10;
                else if (*c < d->minX)
                    *c = d->minX + R / 10;
            }
            // laid out and painted anew
            diagrammLayoutBerechnen(n, d, 0);
            kurvenVorbereiten(d, -1);
            diagrammNeuZeichnen(d);
        }
}

void zeitmessungUmschalten(Fenster f)
{
    if (zm.erkennungsOptionen & erkennungsBit::DialogOffen)
        return;
    aktuellesDiagramm.messDiagramm = diagrammZuFenster(f);
    aktuellesDiagramm.messFenster = f;
    if (aktuellesDiagramm.messModus & 0x10) {
        aktuellesDiagramm.messModus &= ~0x10;
        diagrammCursorWaehlen(f);
        return;
    }
    aktuellesDiagramm.messModus |= 0x10;
    zm.messDialog = dialogModeless(vorlageZeitmessung, vordergrundFenster(), zeitmessungDlgProc);
    if (zm.messDialog)
        zeigen(zm.messDialog, 1);
    nachrichtenVerarbeiten();
    diagrammCursorWaehlen(f);
}

intptr_t zeitmessungDlgProc(Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t)
{
    switch (nachricht) {
    case nachricht::DialogInit:
        if (dialogFrisch) {
            tastaturHookSetzen(dlg);
            dialogFrisch = 0;
        }
        zm.messDialog = dlg;
        zm.erkennungsOptionen |= erkennungsBit::DialogOffen;
        vorlagenTexteSetzen(dlg, vorlageZeitmessung);
        dialogFuellen(dlg);
        dialogPlatzieren(dlg);
        return 1;
    case nachricht::Bewegen: {
        const Rechteck r = fensterRechteck(dlg);
        zm.dialogX = r.links;
        zm.dialogY = r.oben;
        zm.dialogPositionGesetzt = 1;
        return 0;
    }
    case nachricht::Zerstoeren:
        // gone with its owner window, without "hide": measuring ends, 51093 may open it again
        if (zm.messDialog == dlg) {
            zm.messDialog = nullptr;
            zm.erkennungsOptionen &= ~erkennungsBit::DialogOffen;
            aktuellesDiagramm.messModus &= ~0x10;
            dialogFrisch = 1;
        }
        return 0;
    case nachricht::Befehl:
        break;
    default:
        return 0;
    }
    const int befehl = loWort(w), art = hiWort(w);
    switch (befehl) {
    case id::Liste:
        // an edited list is taken over when the box loses the focus
        if (art == benachrichtigung::FokusVerloren && elementGeaendert(dlg, id::Liste)) {
            ereignisTextEinlesen(listenText(dlg));
            elementGeaendertSetzen(dlg, id::Liste, false);
            diagrammNeuZeichnen(lebendesMessDiagramm());
        }
        break;
    case id::Speichern:
        speichern(dlg);
        break;
    case id::Laden:
        if (!zm.suchlaufAktiv)
            laden(dlg);
        break;
    case id::AllesLoeschen:
        if (!zm.suchlaufAktiv)
            allesLoeschen(dlg, false);
        break;
    case id::Aktualisieren:
        bereichKastenFreigeben();
        diagrammNeuZeichnen(lebendesMessDiagramm());
        break;
    case id::Schwelle:
        if (zm.suchlaufAktiv)
            break;
        if (dialogModal(vorlageEreignisSchwelle, dlg, ereignisSchwelleDlgProc) == 1) {
            ereignisseErkennen(lebendesMessDiagramm());
            diagrammNeuZeichnen(lebendesMessDiagramm());
        }
        break;
    case id::Stop:
        zm.stopAnforderung = 1;
        break;
    case id::Hilfe:
        hinweisBox(meldungFormatieren(834));
        break;
    case id::Linien:
    case id::Zeit:
    case id::Nummer:
        optionenLesen(dlg, true);
        beschriftungFreigeben(dlg);
        diagrammNeuZeichnen(lebendesMessDiagramm());
        break;
    case id::Komma:
        kommaUmschreiben(dlg);
        break;
    case id::BereichAusZweien:
        if (haken(dlg, id::BereichAusZweien))
            zm.erkennungsOptionen |= erkennungsBit::BereichAusZweien;
        else
            zm.erkennungsOptionen &= ~erkennungsBit::BereichAusZweien;
        break;
    case id::Verbergen:
    case id::Abbrechen:
    case id::VerbergenBefehl:
        verbergen(dlg);
        break;
    default:
        break;
    }
    return 0;
}

// The silent "Clear all" the detection starts with, through the dialog where it is open.
void ereignisListeStillLeeren()
{
    zm.erkennungsOptionen |= erkennungsBit::StillLoeschen;
    if (zm.messDialog) {
        senden(zm.messDialog, nachricht::Befehl, machWParam(id::AllesLoeschen, 0));
        senden(zm.messDialog, nachricht::Befehl, machWParam(id::Aktualisieren, 0));
    } else {
        allesLoeschen(nullptr, true);
    }
}
