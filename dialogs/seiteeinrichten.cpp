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
#include <climits>
#include <cmath>
#include <cstdio>
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
// the labels that name the number fields in a notice
enum : int {
    textOben = 3302, textUnten = 3303, textLinks = 3304, textRechts = 3305, textDicke = 3307, textArt = 3308,
    textKopfAbstand = 3311, textFussAbstand = 3315,
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

// Every field but the three on-switches, which their clicks toggle, into the working copy.
// A field whose text holds no number gets a notice naming it, the focus goes there and
// nothing is taken. With pruefen the values must also fit the sheet in the orientation
// chosen: each margin not below 0, left + right below the sheet's width, top + bottom below
// its height (else the conversion to the printer's units has no room left), the frame width
// and the distances of header and footer within the sheet, the line style 0, 1 or 2.
bool lesen(Fenster dlg, bool pruefen)
{
    SeitenEinrichtung s = kopie;
    s.ausrichtung = haken(dlg, idQuer) ? seitenAusrichtung::Querformat : seitenAusrichtung::Hochformat;
    const double breite = seitenBreiteMm(s), hoehe = seitenHoeheMm(s);
    const auto zahl = [&](int id, int beschriftung, double bis, double& aus) {
        const std::string feld = elementText(dlg, beschriftung);
        return pruefen ? dialogZahlFeldLesen(dlg, id, feld, 0.0, bis, aus) : dialogZahlFeldLesen(dlg, id, feld, aus);
    };
    if (!zahl(idOben, textOben, hoehe, s.randOben) || !zahl(idUnten, textUnten, hoehe, s.randUnten) ||
        !zahl(idLinks, textLinks, breite, s.randLinks) || !zahl(idRechts, textRechts, breite, s.randRechts) ||
        !zahl(idDicke, textDicke, groessteSeitenLaengeMm, s.umrandungDickeMm) ||
        !dialogGanzzahlLesen(dlg, idArt, pruefen ? 0 : INT_MIN, pruefen ? 2 : INT_MAX, elementText(dlg, textArt),
                             s.umrandungArt) ||
        !zahl(idKopfAbstand, textKopfAbstand, groessteSeitenLaengeMm, s.kopfAbstandMm) ||
        !zahl(idFussAbstand, textFussAbstand, groessteSeitenLaengeMm, s.fussAbstandMm))
        return false;
    if (pruefen && !seitenRaenderGueltig(s)) {
        const bool seitlich = !(s.randLinks + s.randRechts < breite);
        const int a = seitlich ? textLinks : textOben, b = seitlich ? textRechts : textUnten;
        char grenze[32];
        std::snprintf(grenze, sizeof grenze, "%.15g", seitlich ? breite : hoehe);
        hinweisBox(meldungFormatieren(1270, elementText(dlg, a).c_str(), elementText(dlg, b).c_str(), grenze));
        dialogElementFokussieren(dlg, seitlich ? idRechts : idUnten, 1);
        return false;
    }
    s.kopfText = elementText(dlg, idKopfText).substr(0, textLaenge);
    s.fussText = elementText(dlg, idFussText).substr(0, textLaenge);
    s.kopfAusrichtung = ausrichtungLesen(dlg, idKopfMitte, idKopfRechts);
    s.fussAusrichtung = ausrichtungLesen(dlg, idFussMitte, idFussRechts);
    s.seiteMaximalAusnutzen = haken(dlg, idMaximal) ? 1 : 0;
    s.rahmenZeichnen = haken(dlg, idRahmen) ? 1 : 0;
    kopie = s;
    return true;
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
    if (!lesen(dlg, true))
        return;
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

// A switch: every field read, the switch toggled (or the orientation set), shown again by
// the opener. A field without a number keeps the dialog as it was, the switch included; the
// ranges wait for OK, as the orientation changes what the margins may be.
void umschalten(Fenster dlg, int id)
{
    if (!lesen(dlg, false)) {
        hakenSetzen(dlg, idUmrandung, kopie.umrandung != 0);
        hakenSetzen(dlg, idKopfzeile, kopie.kopfzeile != 0);
        hakenSetzen(dlg, idFusszeile, kopie.fusszeile != 0);
        hakenSetzen(dlg, idHoch, kopie.ausrichtung != seitenAusrichtung::Querformat);
        hakenSetzen(dlg, idQuer, kopie.ausrichtung == seitenAusrichtung::Querformat);
        return;
    }
    switch (id) {
    case idUmrandung: kopie.umrandung = !kopie.umrandung; break;
    case idKopfzeile: kopie.kopfzeile = !kopie.kopfzeile; break;
    case idFusszeile: kopie.fusszeile = !kopie.fusszeile; break;
    }
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
