// permutation/ergebnisbefehle.cpp - the main window's commands of the permutation results:
// loading, saving the index, sorting, duplicates, frequencies, export, closing, the count,
// re-rating, the burst-shape rating and copying into a new result file
//
// While a result file is read or written the loop pumps messages: a second file operation
// from the menu meanwhile would pull the index away under it, so it is refused.
#include "core/status.h"
#include "permutation/definition.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "permutation/modus.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "texts/texte.h"

using namespace plattform;

namespace {

PermutationsErgebnisZustand& zustand() { return permutationsErgebnisse; }

void anzeigeOeffnen()
{
    if (permutationFensterErzeugen())
        modusStatus |= modusBit::ErgebnisseAngezeigt;
}

void entladen()
{
    permutationDatenFreigeben();
    modusStatus &= ~(modusBit::ErgebnisseVerfuegbar | modusBit::IndexGeladen);
}

// "Ergebnisse laden", unsorted, and the partial read of an index
void laden(int modus, bool sortieren)
{
    entladen();
    if (permutationsdateiLesen(nullptr, modus) == 0) {
        entladen();
        return;
    }
    if (sortieren)
        permutationIndexSortierenNach(zustand().index, sortierSchluessel::WertAuf);
    modusStatus |= modusBit::IndexGeladen | modusBit::ErgebnisseVerfuegbar;
    anzeigeOeffnen();
}

// The commands that rate load an index first when none is loaded (without opening the
// display); the entries are sorted by number. false when nothing is loaded.
bool indexBereitstellen(int modus)
{
    if (zustand().index.empty()) {
        entladen();
        if (permutationsdateiLesen(nullptr, modus) == 0) {
            entladen();
            return false;
        }
        modusStatus |= modusBit::IndexGeladen | modusBit::ErgebnisseVerfuegbar;
    }
    permutationIndexSortierenNach(zustand().index, sortierSchluessel::NummerAuf);
    return true;
}

// Without a class the user reads an analysis file (Yes) or defines classes in dialog 212
// (No); Cancel, or no class after either, rates nothing.
bool klassenBereitstellen()
{
    if (!analyseKlassen.empty())
        return true;
    const int antwort = sysInfoBox(meldungsTexte[544], knoepfe::JaNeinAbbrechen);
    if (antwort == antwort::Ja)
        permutationsdefinitionLesen(1, &permutationsDefinition.apAnzahlBeruecksichtigen, &analyseKlassen);
    else if (antwort == antwort::Nein)
        analyseParameterDialogOeffnen();
    return !analyseKlassen.empty();
}

// "Ergebnis neu Bewerten ..."
void neuBewerten()
{
    if (!indexBereitstellen(ladeModus::Bewerten) || !klassenBereitstellen())
        return;
    // a failed re-rating leaves nothing loaded
    if (binDateiBewerten(-1) == 0 && zustand().index.empty())
        entladen();
}

// "Ergebnisse nach Bursts bewerten"
void nachBurstsBewerten()
{
    if (!indexBereitstellen(ladeModus::NurIndex))
        return;
    if (spikeverteilungBewerten(-1) == 0 && zustand().index.empty())
        entladen();
}

void teilweiseSpeichern()
{
    const int anzahl = ergebnisAnzahlErfragen(static_cast<int>(zustand().index.size()));
    if (anzahl > 0)
        permutationIndexSpeichern(nullptr, anzahl);
}

} // namespace

bool ergebnisseLadbar()
{
    return imPermutationsmodus() && !laufAktiv() && !(modusStatus & modusBit::DateiOperation);
}

bool mitErgebnisIndex() { return ergebnisseLadbar() && !zustand().index.empty(); }

void ergebnisBefehl(Fenster f, int befehl)
{
    if (!imPermutationsmodus())
        return;
    if (laufAktiv()) {
        hinweisBox(meldungsTexte[881]);
        return;
    }
    if (modusStatus & modusBit::DateiOperation) {
        hinweisBox(meldungsTexte[1273]);
        return;
    }
    switch (befehl) {
    case befehlPmtErgebnisseLaden: laden(ladeModus::Laden, true); return;
    case befehlPmtErgebnisseUnsortiertLaden: laden(ladeModus::Laden, false); return;
    case befehlPmtIndexPartiellLesen: laden(ladeModus::Partiell, true); return;
    case befehlPmtIndexAusBinDateien: indexAusDatendateienErstellen(""); return;
    case befehlPmtErgebnisdateienSchliessen: entladen(); return;
    case befehlPmtNeuBewerten: neuBewerten(); return;
    case befehlPmtBurstBewertung: nachBurstsBewerten(); return;
    }
    // the rest works on a loaded index
    if (zustand().index.empty()) {
        hinweisBox(meldungsTexte[400]);
        return;
    }
    switch (befehl) {
    case befehlPmtIndexSpeichernUnter: permutationIndexSpeichern(nullptr, -1); break;
    case befehlPmtIndexPartiellSpeichern: teilweiseSpeichern(); break;
    case befehlPmtSortGuete: permutationIndexSortierenNach(zustand().index, sortierSchluessel::WertAuf); break;
    case befehlPmtSortNummer: permutationIndexSortierenNach(zustand().index, sortierSchluessel::NummerAuf); break;
    case befehlPmtSortGueteAbsteigend: permutationIndexSortierenNach(zustand().index, sortierSchluessel::WertAb); break;
    case befehlPmtDublettenSuchen:
        if (indexDoppelteMarkieren(zustand().index) > 0)
            modusStatus &= ~modusBit::IndexGeladen;
        break;
    case befehlPmtLevelHaeufigkeit: synapsenstaerkenHaeufigkeitSpeichern(-1); break;
    case befehlPmtAusgabe:
        if (exportParameterDialogOeffnen(f) == 1)
            permutationTextdateiSpeichern();
        break;
    case befehlPmtNeueBinDatei:
        // every entry, proposed under the first listed result file's name
        permutationsdateiSpeichern(zustand().dateien.namen.empty() ? "" : zustand().dateien.namen.front(), -1, -1);
        break;
    case befehlPmtErgebnisAnzahl:
        if (permutationErgebnisseLaden(0, -1, ladeFlag::AnzahlFragen, nullptr) == 1)
            anzeigeOeffnen();
        else if (zustand().index.empty())
            modusStatus &= ~(modusBit::ErgebnisseVerfuegbar | modusBit::IndexGeladen);
        break;
    }
}
