// dialogs/yachse2.cpp - a curve's own y-axis ("zusätzliche Y-Achse formatieren", 305): range,
// ticks, position, width, labels and unit text
#include "dialogs/yachse2.h"
#include "core/schluessel.h"
#include "diagrams/ablesungen.h"
#include "dialogs/rahmen.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

using namespace plattform;

namespace {

enum : int {
    idMax = 1217, idMin = 1214, idFest = 1273, idSkalieren = 1271, idNullAufX = 1272, idDicke = 1227,
    idRand = 1215, idPosition = 1213, idNachAnzahl = 2227, idAnzahl = 1219, idNachAbstand = 2228,
    idAbstand = 1220, idStellenAn = 2035, idStellen = 1221, idTickLaenge = 1226, idTickPos = 1222,
    idBeschriftung = 1223, idDimensionAn = 2036, idDimensionAbstand = 1224, idDimensionPos = 1225,
};
constexpr int meldungVieleTicks = 825, meldungBereich = 826, meldungMinimum = 827, meldungAbstand = 829;

// the axis as the dialog shows it; OK writes it into the slot
struct Achse {
    double minY = 0, maxY = 0, xPos = 0, tickAbstand = 0;
    int festerTickAbstand = 0, anzahlTicks = 0, tickPos = 0, tickLaenge = 0, beschriftungAbstand = 0;
    int dicke2Achse = 0, dezimalstellenAn = 0, anzahlDezimalstellen = 0, dimensionAnzeigen = 0;
    int dimensionAbstand = 0, dimensionYPos = 0, nullAufXAchse = 0, yAchse2Wert = 0;
    int xRandRechts = 0;
};

DialogRahmen rahmen;
Achse kopie;
DiagrammDaten* diagramm = nullptr;
bool festerTiefwert = false;   // "fest" was clicked: the low may be typed for zero on the X axis

int slotNummer() { return std::clamp(diagramm->yAchse2Slot, 0, kurvenProDiagramm - 1); }
DiagrammDaten* halter() { return diagramm->yAchse2Quelle ? diagramm->yAchse2Quelle : diagramm; }
KurvenDaten& slot() { return halter()->kurven[slotNummer()]; }

Achse ausSlot(const KurvenDaten& k, int rand)
{
    return {k.minY, k.maxY, k.xPos, k.tickAbstand, k.festerTickAbstand, k.anzahlTicks, k.tickPos, k.tickLaenge,
            k.beschriftungAbstand, k.dicke2Achse, k.dezimalstellenAn, k.anzahlDezimalstellen, k.dimensionAnzeigen,
            k.dimensionAbstand, k.dimensionYPos, k.nullAufXAchse, k.yAchse2Wert, rand};
}

void inSlot(const Achse& a, KurvenDaten& k)
{
    k.minY = a.minY, k.maxY = a.maxY, k.xPos = a.xPos, k.tickAbstand = a.tickAbstand;
    k.festerTickAbstand = a.festerTickAbstand, k.anzahlTicks = a.anzahlTicks, k.tickPos = a.tickPos;
    k.tickLaenge = a.tickLaenge, k.beschriftungAbstand = a.beschriftungAbstand, k.dicke2Achse = a.dicke2Achse;
    k.dezimalstellenAn = a.dezimalstellenAn, k.anzahlDezimalstellen = a.anzahlDezimalstellen;
    k.dimensionAnzeigen = a.dimensionAnzeigen, k.dimensionAbstand = a.dimensionAbstand;
    k.dimensionYPos = a.dimensionYPos, k.nullAufXAchse = a.nullAufXAchse, k.yAchse2Wert = a.yAchse2Wert;
}

std::string text(const char* format, double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, x);
    return puffer;
}

// the whole-number fields, where they go and their range: line width, pixels, percent
struct GanzzahlFeld { int id; int Achse::*feld; int von, bis; };
constexpr GanzzahlFeld ganzzahlFelder[] = {
    {idDicke, &Achse::dicke2Achse, 0, linienbreiteMax},
    {idRand, &Achse::xRandRechts, -groesseMax, groesseMax},
    {idAnzahl, &Achse::anzahlTicks, INT_MIN, INT_MAX},
    {idStellen, &Achse::anzahlDezimalstellen, INT_MIN, INT_MAX},
    {idTickLaenge, &Achse::tickLaenge, -groesseMax, groesseMax},
    {idTickPos, &Achse::tickPos, -groesseMax, groesseMax},
    {idBeschriftung, &Achse::beschriftungAbstand, -groesseMax, groesseMax},
    {idDimensionAbstand, &Achse::dimensionAbstand, -groesseMax, groesseMax},
    {idDimensionPos, &Achse::dimensionYPos, -groesseMax, groesseMax},
};
bool texteFaellig = false;   // a refill by a check box keeps what the user typed

// the opening: the slot's values, a fresh axis scaled and given its defaults
void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    KurvenDaten& k = slot();
    if (k.minY == 0.0 && k.maxY == 0.0 && k.anzahlTicks == 0 && k.dicke2Achse == 0) {
        nullAufXAchsePruefen(halter(), *diagramm, slotNummer());
        kopie = ausSlot(k, diagramm->xRandRechts);
        kopie.anzahlTicks = 6, kopie.festerTickAbstand = 0, kopie.tickAbstand = 1.0, kopie.xPos = 95.0;
        kopie.dezimalstellenAn = 0, kopie.tickPos = 5, kopie.tickLaenge = 10, kopie.beschriftungAbstand = 10;
        kopie.dimensionAnzeigen = 1, kopie.dimensionAbstand = 10, kopie.dimensionYPos = 10;
    } else {
        kopie = ausSlot(k, diagramm->xRandRechts);
    }
    if (kopie.dicke2Achse == 0)
        kopie.dicke2Achse = 2;
    texteFaellig = true;
    tooltipsYAchseDialog(dlg);
}

void bereichZeigen(Fenster dlg, const char* format)
{
    elementTextSetzen(dlg, idMin, text(format, kopie.minY));
    elementTextSetzen(dlg, idMax, text(format, kopie.maxY));
}

void fuellen(Fenster dlg)
{
    const Achse& a = kopie;
    if (texteFaellig) {
        texteFaellig = false;
        bereichZeigen(dlg, "%.15g");
        elementTextSetzen(dlg, idPosition, text("%.15g", a.xPos));
        elementTextSetzen(dlg, idAbstand, text("%.15g", a.tickAbstand));
        for (const GanzzahlFeld& f : ganzzahlFelder)
            elementTextSetzen(dlg, f.id, std::to_string(a.*f.feld));
    }
    hakenSetzen(dlg, idStellenAn, a.dezimalstellenAn ? 1 : 0);
    hakenSetzen(dlg, idDimensionAn, a.dimensionAnzeigen ? 1 : 0);
    dialogElementAktivieren(dlg, idStellen, a.dezimalstellenAn != 0);
    dialogElementAktivieren(dlg, idDimensionAbstand, a.dimensionAnzeigen != 0);
    dialogElementAktivieren(dlg, idDimensionPos, a.dimensionAnzeigen != 0);
    dialogElementAktivieren(dlg, idAbstand, a.festerTickAbstand != 0);
    dialogElementAktivieren(dlg, idAnzahl, a.festerTickAbstand == 0);
    dialogElementAktivieren(dlg, idMin, a.nullAufXAchse == 0);
    dialogElementAktivieren(dlg, idMax, a.nullAufXAchse == 0);
    hakenSetzen(dlg, idNachAbstand, a.festerTickAbstand ? 1 : 0);
    hakenSetzen(dlg, idNachAnzahl, a.festerTickAbstand ? 0 : 1);
}

void schalterLesen(Fenster dlg, Achse& a)
{
    a.dezimalstellenAn = haken(dlg, idStellenAn);
    a.dimensionAnzeigen = haken(dlg, idDimensionAn);
    a.festerTickAbstand = haken(dlg, idNachAbstand);
}

// every field into the working copy, or (after the notice naming the first bad field) nothing
bool felderLesen(Fenster dlg)
{
    Achse a = kopie;
    // the position is a percentage of the plot width the painter turns into pixels
    if (!dialogZahlFeldLesen(dlg, idMax, a.maxY) || !dialogZahlFeldLesen(dlg, idMin, a.minY) ||
        !dialogZahlFeldLesen(dlg, idPosition, -groesseMax, groesseMax, a.xPos) ||
        !dialogZahlFeldLesen(dlg, idAbstand, a.tickAbstand))
        return false;
    for (const GanzzahlFeld& f : ganzzahlFelder)
        if (!dialogGanzzahlLesen(dlg, f.id, f.von, f.bis, a.*f.feld))
            return false;
    schalterLesen(dlg, a);
    kopie = a;
    return true;
}

// "skalieren" and "Null auf X-Achse" change the slot at once; Abbrechen keeps that
void neuSkalieren(Fenster dlg, bool nullAufX)
{
    const bool tiefwertGetippt = nullAufX && festerTiefwert;
    double tief = 0.0;
    if (tiefwertGetippt && !dialogZahlFeldLesen(dlg, idMin, tief))
        return;
    KurvenDaten& k = slot();
    k.nullAufXAchse = nullAufX ? 1 : 0;
    k.yAchse2Wert = tiefwertGetippt ? 1 : 0;
    if (k.yAchse2Wert) {
        k.minY = tief;
        if (k.minY >= 0.0) {
            piepen(1000, 100);
            hinweisBox(meldungsTexte[meldungMinimum]);
            return;
        }
    }
    nullAufXAchsePruefen(halter(), *diagramm, slotNummer());
    kopie.minY = k.minY, kopie.maxY = k.maxY;
    kopie.nullAufXAchse = k.nullAufXAchse, kopie.yAchse2Wert = k.yAchse2Wert;
    bereichZeigen(dlg, "%.3g");
    dialogElementAktivieren(dlg, idMin, !nullAufX);
    dialogElementAktivieren(dlg, idMax, !nullAufX);
}

// OK: the spacing and the range checked, the axis into the slot
void speichern(Fenster dlg)
{
    if (!felderLesen(dlg))
        return;
    festerTiefwert = false;
    const Achse& a = kopie;
    if (a.festerTickAbstand) {
        if (!(a.tickAbstand > 0.0)) {
            hinweisBox(meldungsTexte[meldungAbstand]);
            dialogElementFokussieren(dlg, idAbstand, 1);
            return;
        }
        const double ticks = (a.maxY - a.minY) / a.tickAbstand;
        if (ticks > 30.0 && sysInfoBox(meldungFormatieren(meldungVieleTicks, ticks), knoepfe::JaNein) != antwort::Ja) {
            dialogElementFokussieren(dlg, idAbstand, 1);
            return;
        }
    }
    if (!(a.minY < a.maxY)) {
        hinweisBox(meldungFormatieren(meldungBereich, a.minY, a.maxY));
        return;
    }
    inSlot(a, slot());
    diagramm->xRandRechts = a.xRandRechts;
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, false);
}

} // namespace

void zweiteYAchseTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageYAchse2); }

void tooltipsYAchseDialog(Fenster dlg) { vorlagenTooltipsSetzen(dlg, vorlageYAchse2); }

intptr_t yAchse2DlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{oeffnen, zweiteYAchseTexteSetzen, fuellen};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, diagramm, teile, antwort))
        return antwort;
    switch (n) {
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idNachAnzahl:
        case idNachAbstand:
            kopie.festerTickAbstand = loWort(w) == idNachAbstand ? 1 : 0;
            dialogElementAktivieren(dlg, idAnzahl, kopie.festerTickAbstand == 0);
            dialogElementAktivieren(dlg, idAbstand, kopie.festerTickAbstand != 0);
            return 0;
        case idFest:
            dialogElementAktivieren(dlg, idMin, 1);
            festerTiefwert = true;
            return 0;
        case idNullAufX: neuSkalieren(dlg, true); return 0;
        case idSkalieren: neuSkalieren(dlg, false); return 0;
        case idStellenAn:
        case idDimensionAn:
            schalterLesen(dlg, kopie);
            festerTiefwert = false;
            senden(dlg, nachricht::DialogInit, 0, 0);
            return 0;
        case 1: speichern(dlg); return 0;
        case 2:
            festerTiefwert = false;
            dialogSchliessen(dlg, rahmen, 2, false);
            return 0;
        }
        return 0;
    }
    return 0;
}

intptr_t yAchse2DialogOeffnen(DiagrammDaten& d)
{
    return dialogModal(vorlageYAchse2, d.fenster, yAchse2DlgProc, reinterpret_cast<intptr_t>(&d));
}
