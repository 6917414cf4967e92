// permutation/serienbefehle.cpp - the commands that start a series, pause and stop it, and
// the size of its result files
#include "core/rahmen.h"
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "model/entgleisung.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include "permutation/lauf.h"
#include "permutation/permutation.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <climits>
#include <string>

using namespace plattform;

namespace {

constexpr uint32_t standardGrenze = 0x7fefffff;
constexpr long long megabyte = 1LL << 20;

// The input dialog asks for a whole number (text without one is named and asked again);
// the caller checks the range with its own notice.
void ganzzahlVerlangen()
{
    eingabeParameter.flags = eingabeFlag::Ganzzahl;
    eingabeParameter.ganzzahlVon = INT_MIN;
    eingabeParameter.ganzzahlBis = INT_MAX;
}

// The input dialog with a number; false on Cancel.
bool zahlErfragen(int titel, int text, int beschriftung, const std::string& vorgabe, long long& wert)
{
    eingabeParameter.titel = meldungsTexte[titel];
    eingabeParameter.text1 = meldungsTexte[text];
    eingabeParameter.text2.clear();
    eingabeParameter.eingabeBeschriftung = meldungsTexte[beschriftung];
    eingabeParameter.eingabeText = vorgabe;
    ganzzahlVerlangen();
    if (eingabeDialogOeffnen() != 1)
        return false;
    wert = eingabeParameter.ganzzahl;
    return true;
}

// 191 and 193: the start, 0..T-1
bool startErfragen(int64_t t, long long& start)
{
    for (;;) {
        if (!zahlErfragen(173, 174, 175, std::to_string(permutationsDefinition.letzteNummer), start))
            return false;
        if (start >= 0 && start < t)
            return true;
        hinweisBox(meldungFormatieren(176, start, t));
    }
}

// The diagrams show the level bars only while a series runs: at its end each diagram window
// is painted anew, or the last run's bars would stay in it until the next run.
void serieBeenden(uint32_t bits)
{
    modusStatus &= ~bits;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster && istFenster(d->fenster))
                ungueltigMachen(d->fenster);
}

void serieStarten(int start, int anzahl)
{
    modusStatus |= modusBit::SerieLaeuft;
    permutationAusfuehren(start, anzahl);
    serieBeenden(modusBit::SerieLaeuft | modusBit::SerieAbbrechen | modusBit::Pause);
    entgleisteLaeufeMelden();
}

// The series bit stands only while a number is computed: between two, while the next number
// is asked for, nothing runs, and the display that a computed number asked for (207, posted)
// opens then.
void freieReihenfolge(int64_t t)
{
    modusStatus |= modusBit::FreieReihenfolge;
    long long nummer = 0;
    while (!programmEndet() &&
           zahlErfragen(170, 171, 172, std::to_string(permutationsDefinition.letzteNummer), nummer)) {
        if (nummer < 0 || nummer >= t) {
            hinweisBox(meldungFormatieren(176, nummer, t));
            continue;
        }
        modusStatus |= modusBit::SerieLaeuft;
        permutationAusfuehren(static_cast<int>(nummer), 1);
        modusStatus &= ~(modusBit::SerieLaeuft | modusBit::SerieAbbrechen | modusBit::Pause);
    }
    serieBeenden(modusBit::FreieReihenfolge | modusBit::SerieLaeuft);
}

// 236: the series stands still until the command comes again
void anhalten()
{
    modusStatus ^= modusBit::Pause;
    while ((modusStatus & modusBit::Pause) && (modusStatus & modusBit::SerieLaeuft) && !programmEndet()) {
        if (!nachrichtenVerarbeiten())
            break;
        if (!(modusStatus & modusBit::Pause))
            break;
        serienPauseWarten();
    }
}

void abbrechen()
{
    if (meldungsBox(fensterhandles.hauptfenster, meldungsTexte[541], "SysInfo", knoepfe::JaNein | symbol::Frage) !=
        antwort::Ja)
        return;
    if (modusStatus & modusBit::SerieLaeuft)
        modusStatus = (modusStatus | modusBit::SerieAbbrechen) & ~modusBit::Pause;
}

// 252: the size shown in MB; an OK with the number as shown keeps the size as it is
void groesseFestlegen()
{
    const std::string gezeigt = std::to_string(binDateiGrenze() / megabyte);
    long long mb = 0;
    eingabeParameter.titel = meldungsTexte[1266];
    eingabeParameter.text1 = meldungsTexte[1268];
    eingabeParameter.text2.clear();
    eingabeParameter.eingabeBeschriftung = meldungsTexte[1267];
    eingabeParameter.eingabeText = gezeigt;
    ganzzahlVerlangen();
    if (eingabeDialogOeffnen() != 1 || eingabeParameter.eingabeText == gezeigt)
        return;
    mb = eingabeParameter.ganzzahl;
    const long long groesse = mb > 4096 ? INT64_MAX : mb * megabyte - megabyte;
    if (groesse < 0 || groesse > standardGrenze)
        maxBinDateiGroesse = standardGrenze;
    else if (groesse == 0)
        maxBinDateiGroesse = static_cast<uint32_t>(megabyte);
    else
        maxBinDateiGroesse = static_cast<uint32_t>(groesse);
}

} // namespace

void serienBefehl(Fenster, int befehl)
{
    const bool bereit = (modusStatus & modusBit::Permutationsmodus) && (modusStatus & modusBit::DefinitionDa);
    const int64_t t = permutationsAnzahl();
    long long start = 0, anzahl = 0;
    switch (befehl) {
    case befehlPmtStarten:
        if (bereit)
            serieStarten(0, 0);
        break;
    case befehlPmtErneutStarten:
        if (bereit && startErfragen(t, start))
            serieStarten(static_cast<int>(start), 0);
        break;
    case befehlPmtPartiell:
        if (!bereit || !startErfragen(t, start))
            break;
        for (;;) {
            if (!zahlErfragen(177, 178, 179, "", anzahl))
                return;
            if (anzahl >= 1 && start + anzahl <= t)
                break;
            hinweisBox(meldungFormatieren(180, start, anzahl, t));
        }
        serieStarten(static_cast<int>(start), static_cast<int>(anzahl));
        break;
    case befehlPmtFreieReihenfolge:
        if (bereit)
            freieReihenfolge(t);
        break;
    case befehlPmtAnhalten: anhalten(); break;
    case befehlPmtAbbrechen: abbrechen(); break;
    case befehlPmtErgebnisGroesse: groesseFestlegen(); break;
    }
}
