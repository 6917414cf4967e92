// permutation/analysedialog.cpp - "Definition der Analyse-Parameter für Permutationsdaten"
// (212): the analysis classes, three at a time
//
// The dialog edits a working copy of the class table and the AP-count flag; OK (or "Daten
// speichern") puts it in place, Cancel drops it. Before the view moves or the table changes,
// the shown fields are read back; a field that holds no number keeps the view where it is.
#include "permutation/definition.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdio>

using namespace plattform;

namespace {

enum : int {
    idWeiter = 1487, idZurueck = 1488, idApAnzahl = 1489, idAnzahl = 1490, idHilfe = 1503, idNeu = 1507,
    idLoeschen = 1508, idLaden = 1509, idSpeichern = 1510,
};
constexpr int spalten = 3;
constexpr int titelIds[spalten] = {1484, 1485, 1486};
constexpr int startIds[spalten] = {1491, 1492, 1493};
constexpr int frequenzIds[spalten] = {1494, 1495, 1496};
constexpr int anzahlIds[spalten] = {1497, 1498, 1499};
constexpr int anzahlGewichtIds[spalten] = {1500, 1501, 1502};
constexpr int gewichtIds[spalten] = {1504, 1505, 1506};
constexpr double groessterWert = 1e9;     // seconds, hertz and weights; squares stay inside f32

DialogRahmen rahmen;
Klassentabelle kopie;
int kopieFlag = 0;
int erste = 0;                            // the class in the first column

void kopieNehmen()
{
    kopie = analyseKlassen;
    kopieFlag = permutationsDefinition.apAnzahlBeruecksichtigen;
    erste = 0;
}

int anzahl() { return static_cast<int>(kopie.size()); }

std::string zahl(const char* format, double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, x);
    return puffer;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageAnalyseklassen); }

void fuellen(Fenster dlg)
{
    elementTextSetzen(dlg, idAnzahl, dialogTextFormatieren(1521, anzahl()));
    hakenSetzen(dlg, idApAnzahl, kopieFlag ? 1 : 0);
    for (int s = 0; s < spalten; ++s) {
        for (const int* ids : {titelIds, startIds, frequenzIds, anzahlIds, anzahlGewichtIds, gewichtIds})
            elementTextSetzen(dlg, ids[s], "");
        const int k = erste + s;
        if (k < 0 || k >= anzahl())
            continue;
        const Analyseklasse& a = kopie[static_cast<size_t>(k)];
        elementTextSetzen(dlg, titelIds[s], dialogTextFormatieren(1522, k));
        elementTextSetzen(dlg, startIds[s], zahl("%.3f", a.start));
        elementTextSetzen(dlg, frequenzIds[s], zahl("%.2f", a.sollFrequenz));
        elementTextSetzen(dlg, anzahlIds[s], std::to_string(a.sollApAnzahl));
        elementTextSetzen(dlg, anzahlGewichtIds[s], zahl("%.3f", a.anzahlGewicht));
        elementTextSetzen(dlg, gewichtIds[s], zahl("%.3f", a.gewicht));
    }
    dialogElementAktivieren(dlg, idZurueck, erste > 0);
    dialogElementAktivieren(dlg, idWeiter, erste + spalten < anzahl());
    dialogElementAktivieren(dlg, idLoeschen, anzahl() > 0 && erste <= anzahl() - 1 && anzahl() - 1 < erste + spalten);
}

// The shown classes' fields into the working copy; false (the field named in a notice)
// when one holds no number or lies outside its range, and nothing is taken then.
bool felderLesen(Fenster dlg)
{
    Klassentabelle neu = kopie;
    for (int s = 0; s < spalten; ++s) {
        const int k = erste + s;
        if (k < 0 || k >= anzahl())
            continue;
        Analyseklasse& a = neu[static_cast<size_t>(k)];
        double start = 0.0, frequenz = 0.0, anzahlGewicht = 0.0, gewicht = 0.0;
        int aps = 0;
        if (!dialogZahlFeldLesen(dlg, startIds[s], -groessterWert, groessterWert, start) ||
            !dialogZahlFeldLesen(dlg, frequenzIds[s], -groessterWert, groessterWert, frequenz) ||
            !dialogGanzzahlLesen(dlg, anzahlIds[s], 0, 1000000, aps) ||
            !dialogZahlFeldLesen(dlg, anzahlGewichtIds[s], -groessterWert, groessterWert, anzahlGewicht) ||
            !dialogZahlFeldLesen(dlg, gewichtIds[s], -groessterWert, groessterWert, gewicht))
            return false;
        a.start = static_cast<float>(start);
        a.sollFrequenz = static_cast<float>(frequenz);
        a.sollApAnzahl = aps;
        a.anzahlGewicht = static_cast<float>(anzahlGewicht);
        a.gewicht = static_cast<float>(gewicht);
    }
    kopie = std::move(neu);
    return true;
}

// OK and "Daten speichern": the working copy becomes the current table
void uebernehmen(Fenster dlg)
{
    analyseKlassen = kopie;
    klassenEndenSetzen(analyseKlassen);
    permutationsDefinition.apAnzahlBeruecksichtigen = haken(dlg, idApAnzahl) == 1 ? 1 : 0;
}

void neueKlasse(Fenster dlg)
{
    Analyseklasse a;
    a.start = kopie.empty() ? 0.0f : kopie.back().start + 0.1f;
    a.gewicht = 1.0f;
    kopie.push_back(a);
    erste = std::max(anzahl() - spalten, 0);
    fuellen(dlg);
    dialogElementFokussieren(dlg, startIds[anzahl() - 1 - erste], 1);
}

void letzteLoeschen(Fenster dlg)
{
    if (kopie.empty() ||
        meldungsBox(dlg, meldungsTexte[42], "SysInfo", knoepfe::JaNein | symbol::Frage) != antwort::Ja)
        return;
    kopie.pop_back();
    erste = std::max(erste - 1, 0);
    fuellen(dlg);
}

// a read that is cancelled or fails keeps the working copy
void datenLaden(Fenster dlg)
{
    Klassentabelle gelesen;
    int flag = kopieFlag;
    if (permutationsdefinitionLesen(1, &flag, &gelesen) == 0)
        return;
    kopie = std::move(gelesen);
    kopieFlag = flag;
    erste = 0;
    fuellen(dlg);
}

void datenSpeichern(Fenster dlg)
{
    if (!felderLesen(dlg))
        return;
    if (meldungsBox(dlg, meldungsTexte[40], "SysInfo", knoepfe::JaNein | symbol::Frage) != antwort::Ja)
        return;
    uebernehmen(dlg);
    permutationsdefinitionSpeichern(1);
    kopieNehmen();
    fuellen(dlg);
}

void befehl(Fenster dlg, int id)
{
    switch (id) {
    case idZurueck:
    case idWeiter:
    case idNeu:
    case idLoeschen:
        if (!felderLesen(dlg))
            return;
        break;
    }
    switch (id) {
    case idZurueck:
        erste = std::max(erste - 1, 0);
        fuellen(dlg);
        break;
    case idWeiter:
        if (erste + spalten < anzahl())
            ++erste;
        fuellen(dlg);
        break;
    case idNeu: neueKlasse(dlg); break;
    case idLoeschen: letzteLoeschen(dlg); break;
    case idLaden: datenLaden(dlg); break;
    case idSpeichern: datenSpeichern(dlg); break;
    case idHilfe: hinweisBox(meldungsTexte[41]); break;
    case idApAnzahl: kopieFlag = haken(dlg, idApAnzahl) == 1 ? 1 : 0; break;
    case 1:
        if (!felderLesen(dlg))
            return;
        uebernehmen(dlg);
        dialogSchliessen(dlg, rahmen, 1, false);
        break;
    case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
    }
}

} // namespace

intptr_t analyseParameterDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            kopieNehmen();
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        befehl(dlg, loWort(w));
        return 1;
    case nachricht::Zerstoeren:
        rahmen.frisch = 1;
        return 0;
    }
    return 0;
}

intptr_t analyseParameterDialogOeffnen()
{
    Fenster eigner = vordergrundFenster();
    if (!eigner)
        eigner = fensterhandles.hauptfenster;
    return dialogModal(vorlageAnalyseklassen, eigner, analyseParameterDlgProc);
}
