// permutation/neubewertung.cpp - every indexed spike train rated again with the current
// analysis classes
//
// The new values replace the entries' values (the result files are never written); the
// values go into two text files in the working folder, unsorted and sorted, and the
// entries may be saved as an index of their own.
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "model/simulationsparameter.h"
#include "permutation/bewertungintern.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <span>

using namespace plattform;

namespace {

// The last class must start before its end and reach to the run's end: its end becomes the
// run's duration, and while that does not hold the user gives a new end. false on Cancel.
bool letztesKlassenendeSetzen()
{
    // compared in single precision, as the classes hold it: a duration that rounds down
    // must not ask for ever
    const float dauer = static_cast<float>(simulationsParameter.simulationsDauer);
    analyseKlassen.back().ende = dauer;
    for (;;) {
        if (analyseKlassen.empty())
            return false;
        const Analyseklasse& letzte = analyseKlassen.back();
        if (letzte.start < letzte.ende && !(letzte.ende < dauer))
            return true;
        char vorgabe[64];
        std::snprintf(vorgabe, sizeof vorgabe, "%f", static_cast<double>(letzte.start) + 0.1);
        eingabeParameter.titel = meldungsTexte[142];
        eingabeParameter.text1 = meldungsTexte[143];
        eingabeParameter.text2.clear();
        eingabeParameter.eingabeBeschriftung = meldungsTexte[144];
        eingabeParameter.eingabeText = vorgabe;
        eingabeParameter.flags = 0;
        if (eingabeDialogOeffnen() != 1)
            return false;
        double ende = 0.0;
        if (!dialogTextZahl(eingabeParameter.eingabeText, ende)) {
            hinweisBox(meldungFormatieren(952, meldungsTexte[144]));
            continue;
        }
        analyseKlassen.back().ende = static_cast<float>(ende);
    }
}

// one line "number  value" per entry; false after message 75
bool werteSchreiben(const char* pfad, std::span<const PermutationsIndexEintrag> eintraege)
{
    Ausgabedatei datei;
    if (!datei.oeffnen(pfad)) {
        hinweisBox(meldungFormatieren(74, pfad));
        return false;
    }
    for (const PermutationsIndexEintrag& e : eintraege)
        if (!datei.zeile("%d  %f\n", e.nummer, static_cast<double>(e.wert)))
            break;
    if (datei.abschliessen())
        return true;
    hinweisBox(meldungFormatieren(75, pfad));
    return false;
}

// the save dialog of the re-rated index, "<net> d" the first name without an index file
void indexSpeichernAnbieten(int anzahl)
{
    int d = 1;
    while (dateiExistiert(imNetzordner(dateipfade.netzName + " " + std::to_string(d) + ".inx")))
        ++d;
    DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.name = dateipfade.netzName + " " + std::to_string(d);
    wahl.endung = "inx";
    wahl.filter = {{meldungsTexte[1613], "*.inx"}};
    wahl.titel = meldungsTexte[1605];
    wahl.speichern = true;
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return;
    if (wahl.endung.empty())
        wahl.endung = "inx";
    permutationIndexSpeichern(gewaehlterPfad(wahl).c_str(), anzahl);
}

// the loaded records no longer match the index's values: they go, the display first
void geladeneSaetzeFreigeben()
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    if (z.ergebnisse.empty())
        return;
    permutationFensterSchliessen();
    std::vector<PermutationsErgebnis>().swap(z.ergebnisse);
}

} // namespace

int binDateiBewerten(int anzahl)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    // results to rate, and classes to rate them with
    if (z.dateien.namen.empty() || z.index.empty()) {
        hinweisBox(meldungsTexte[50]);
        return 0;
    }
    // without a class there is nothing to rate against
    if (analyseKlassen.empty())
        return 0;
    const int eintraege = static_cast<int>(z.index.size());
    if (anzahl < 0 || anzahl > eintraege)
        anzahl = eintraege;
    // the last class to the end of the run
    klassenAnzahlKopien = static_cast<int>(z.klassen.size());
    if (!letztesKlassenendeSetzen()) {
        permutationDatenFreigeben();
        return 0;
    }
    // each train rated, its value into its entry
    const Durchlauf ende = eintraegeDurchlaufen(anzahl, meldungsTexte[1751].c_str(), [](PermutationsIndexEintrag& e, PermutationsErgebnis& r) {
        e.wert = analyseKlassenZuordnen(r.apZeiten.data(), r.apAnzahl);
        return true;
    });
    if (ende != Durchlauf::Fertig) {
        permutationDatenFreigeben();
        return 0;
    }
    // the values, in the order of the index and sorted
    const std::span<PermutationsIndexEintrag> bewertet(z.index.data(), static_cast<size_t>(anzahl));
    const bool unsortiert = werteSchreiben("index_unsortiert.txt", bewertet);
    permutationIndexSortierenNach(bewertet, sortierSchluessel::WertAuf);
    const bool sortiert = unsortiert && werteSchreiben("index_sortiert.txt", bewertet);
    // the index offered; the loaded records go
    if (sortiert)
        indexSpeichernAnbieten(anzahl);
    geladeneSaetzeFreigeben();
    return sortiert ? 1 : 0;
}
