// dialogs/seiteeinrichten.cpp - dialog 153 "Seite einrichten"
//
// It edits a working copy of the whole page record. A click on one of the three on-switches
// or on the orientation ends the dialog with that control's id after reading every field;
// the opener shows it again at once, with the same working copy and the enabling of the new
// state. Only OK writes the record, expanding the placeholders of header and footer then.
#include "dialogs/seiteeinrichten.h"
#include "diagrams/drucken.h"
#include "dialogs/rahmen.h"
#include "model/seiteneinrichtung.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace plattform;

namespace {

enum : int {
    idOben = 1360, idUnten = 1361, idLinks = 1362, idRechts = 1363,
    idUmrandung = 1364, idDicke = 1365, idArt = 1366, idFarbe = 1367,
    idKopfAbstand = 1368, idKopfLinks = 1369, idKopfMitte = 1370, idKopfRechts = 1371, idKopfText = 1372,
    idKopfHilfe = 1373, idKopfzeile = 1374, idKopfSchrift = 1375,
    idFussAbstand = 1376, idFussLinks = 1377, idFussMitte = 1378, idFussRechts = 1379, idFussText = 1380,
    idFussHilfe = 1381, idFusszeile = 1382, idFussSchrift = 1383,
    idHoch = 1384, idQuer = 1385, idDiagrammGruppe = 1386, idMaximal = 1387, idRahmen = 1388,
};
constexpr size_t textLaenge = 255;

DialogRahmen rahmen;
SeitenEinrichtung kopie;
SeitenEinrichtung* ziel = nullptr;    // the record of this series of openings
bool netzSeite = true;                // the network page: no diagram switch

void zahlSetzen(Fenster dlg, int id, double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    elementTextSetzen(dlg, id, puffer);
}

// the alignment radios: left 0, centred 2, right 1
void ausrichtungSetzen(Fenster dlg, int links, int mitte, int rechts, int wert)
{
    hakenSetzen(dlg, links, wert == 0);
    hakenSetzen(dlg, mitte, wert == 2);
    hakenSetzen(dlg, rechts, wert == 1);
}
int ausrichtungLesen(Fenster dlg, int mitte, int rechts)
{
    return haken(dlg, mitte) ? 2 : haken(dlg, rechts) ? 1 : 0;
}

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    kopie = *ziel;
    if (!netzSeite)
        kopie.seiteMaximalAusnutzen = 1;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageSeiteEinrichten); }

void fuellen(Fenster dlg)
{
    const SeitenEinrichtung& s = kopie;
    zahlSetzen(dlg, idOben, s.randOben);
    zahlSetzen(dlg, idUnten, s.randUnten);
    zahlSetzen(dlg, idLinks, s.randLinks);
    zahlSetzen(dlg, idRechts, s.randRechts);
    hakenSetzen(dlg, idUmrandung, s.umrandung != 0);
    zahlSetzen(dlg, idDicke, s.umrandungDickeMm);
    elementTextSetzen(dlg, idArt, std::to_string(s.umrandungArt));
    hakenSetzen(dlg, idKopfzeile, s.kopfzeile != 0);
    zahlSetzen(dlg, idKopfAbstand, s.kopfAbstandMm);
    ausrichtungSetzen(dlg, idKopfLinks, idKopfMitte, idKopfRechts, s.kopfAusrichtung);
    elementTextSetzen(dlg, idKopfText, s.kopfText);
    hakenSetzen(dlg, idFusszeile, s.fusszeile != 0);
    zahlSetzen(dlg, idFussAbstand, s.fussAbstandMm);
    ausrichtungSetzen(dlg, idFussLinks, idFussMitte, idFussRechts, s.fussAusrichtung);
    elementTextSetzen(dlg, idFussText, s.fussText);
    hakenSetzen(dlg, idHoch, s.ausrichtung != seitenAusrichtung::Querformat);
    hakenSetzen(dlg, idQuer, s.ausrichtung == seitenAusrichtung::Querformat);
    hakenSetzen(dlg, idMaximal, s.seiteMaximalAusnutzen != 0);
    hakenSetzen(dlg, idRahmen, s.rahmenZeichnen != 0);
    for (int id : {idDicke, idArt, idFarbe})
        dialogElementAktivieren(dlg, id, s.umrandung);
    for (int id : {idKopfAbstand, idKopfText, idKopfSchrift, idKopfHilfe, idKopfLinks, idKopfRechts, idKopfMitte})
        dialogElementAktivieren(dlg, id, s.kopfzeile);
    for (int id : {idFussAbstand, idFussText, idFussSchrift, idFussHilfe, idFussLinks, idFussRechts, idFussMitte})
        dialogElementAktivieren(dlg, id, s.fusszeile);
    dialogElementAktivieren(dlg, idDiagrammGruppe, !netzSeite);
    dialogElementAktivieren(dlg, idMaximal, !netzSeite);
    dialogElementFokussieren(dlg, idOben, 1);
}

// every field but the three on-switches, which their clicks toggle
void lesen(Fenster dlg)
{
    SeitenEinrichtung& s = kopie;
    s.randOben = dialogZahlLesen(dlg, idOben);
    s.randUnten = dialogZahlLesen(dlg, idUnten);
    s.randLinks = dialogZahlLesen(dlg, idLinks);
    s.randRechts = dialogZahlLesen(dlg, idRechts);
    s.umrandungDickeMm = dialogZahlLesen(dlg, idDicke);
    s.umrandungArt = std::atoi(elementText(dlg, idArt).c_str());
    s.kopfAbstandMm = dialogZahlLesen(dlg, idKopfAbstand);
    s.fussAbstandMm = dialogZahlLesen(dlg, idFussAbstand);
    s.kopfText = elementText(dlg, idKopfText).substr(0, textLaenge);
    s.fussText = elementText(dlg, idFussText).substr(0, textLaenge);
    s.kopfAusrichtung = ausrichtungLesen(dlg, idKopfMitte, idKopfRechts);
    s.fussAusrichtung = ausrichtungLesen(dlg, idFussMitte, idFussRechts);
    s.ausrichtung = haken(dlg, idQuer) ? seitenAusrichtung::Querformat : seitenAusrichtung::Hochformat;
    s.seiteMaximalAusnutzen = haken(dlg, idMaximal) ? 1 : 0;
    s.rahmenZeichnen = haken(dlg, idRahmen) ? 1 : 0;
}

void farbeWaehlen(Fenster dlg)
{
    freigeben(dlg, false);
    const Farbe f = plattform::farbeWaehlen(fensterhandles.hauptfenster, kopie.umrandungFarbe);
    freigeben(dlg, true);
    vordergrundSetzen(dlg);
    if (f < KeineFarbe)
        kopie.umrandungFarbe = f;
}

// The chooser changes the font's description; the page's printer font is made from it at
// the next print.
void schriftWaehlen(Fenster dlg, FontDaten& s)
{
    SchriftMerkmale m;
    m.name = s.name;
    m.gewicht = s.gewicht < 1 ? 400 : s.gewicht;
    m.kursiv = s.kursiv != 0;
    m.unterstrichen = s.unterstrichen != 0;
    if (s.punkte > 0)
        m.hoehe = schriftHoeheAusPunkten(s.punkte, 96);
    Farbe farbe = s.farbe;
    freigeben(dlg, false);
    const bool gewaehlt = plattform::schriftWaehlen(fensterhandles.hauptfenster, m, farbe);
    freigeben(dlg, true);
    if (!gewaehlt)
        return;
    s.farbe = farbe;
    s.punkte = static_cast<int>(std::lround(std::abs(m.hoehe) * 72.0 / 96.0));
    s.gewicht = m.gewicht;
    s.fett = m.gewicht >= 700 ? 1 : 0;
    s.kursiv = m.kursiv ? 1 : 0;
    s.unterstrichen = m.unterstrichen ? 1 : 0;
    s.name = m.name;
}

void ok(Fenster dlg)
{
    lesen(dlg);
    *ziel = kopie;
    const std::time_t t = std::time(nullptr);
    std::tm jetzt{};
    localtime_r(&t, &jetzt);
    if (ziel->kopfzeile && !ziel->kopfText.empty())
        ziel->kopfText = kopfzeileErsetzen(kopie.kopfText, jetzt);
    if (ziel->fusszeile && !ziel->fussText.empty())
        ziel->fussText = kopfzeileErsetzen(kopie.fussText, jetzt);
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, false);
}

// a switch: toggled (or the orientation set), every field read, shown again by the opener
void umschalten(Fenster dlg, int id)
{
    switch (id) {
    case idUmrandung: kopie.umrandung = !kopie.umrandung; break;
    case idKopfzeile: kopie.kopfzeile = !kopie.kopfzeile; break;
    case idFusszeile: kopie.fusszeile = !kopie.fusszeile; break;
    }
    lesen(dlg);
    if (id == idHoch || id == idQuer)
        kopie.ausrichtung = id == idQuer ? seitenAusrichtung::Querformat : seitenAusrichtung::Hochformat;
    dialogBeenden(dlg, id);
}

} // namespace

intptr_t seiteEinrichtenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        ziel = reinterpret_cast<SeitenEinrichtung*>(l);
        if (!ziel) {
            dialogSchliessen(dlg, rahmen, 2, false);
            return 1;
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (const int id = loWort(w)) {
        case idFarbe: farbeWaehlen(dlg); break;
        case idKopfSchrift: schriftWaehlen(dlg, kopie.kopfSchrift); break;
        case idFussSchrift: schriftWaehlen(dlg, kopie.fussSchrift); break;
        case idKopfHilfe:
        case idFussHilfe: hinweisBox(meldungsTexte[489]); break;
        case idUmrandung:
        case idKopfzeile:
        case idFusszeile:
        case idHoch:
        case idQuer: umschalten(dlg, id); break;
        case 1: ok(dlg); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
        }
        return 0;
    }
    return 0;
}

intptr_t seiteEinrichtenOeffnen(Fenster eigner, SeitenEinrichtung& seite)
{
    netzSeite = !eigner || eigner == fensterhandles.hauptfenster;
    const Fenster wer = eigner ? eigner : fensterhandles.hauptfenster;
    intptr_t ergebnis;
    do
        ergebnis = dialogModal(vorlageSeiteEinrichten, wer, seiteEinrichtenDlgProc, reinterpret_cast<intptr_t>(&seite));
    while (ergebnis != 1 && ergebnis != 2 && ergebnis > 0);
    return ergebnis;
}
