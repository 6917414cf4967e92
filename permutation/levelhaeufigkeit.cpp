// permutation/levelhaeufigkeit.cpp - how often each level of each varied synapse occurs
// among the indexed results, as a text file
//
// The level bytes are taken from each record read whole and checked against its file, so
// results without classes count as well as those with them.
#include "core/rahmen.h"
#include "core/status.h"
#include "files/textdatei.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cstdio>

using namespace plattform;

namespace {

using Zaehler = std::array<std::array<int, groessteLevelAnzahl>, groessteSynapsenAnzahl>;

// counter[synapse][level] over the first anzahl entries; false when a record did not fit
// (said in message 45) and nothing is to be written
bool zaehlen(int anzahl, Zaehler& zaehler)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    std::vector<Dateifenster> fenster;
    PermutationsKopf form;
    if (!ergebnisdateienOeffnen(fenster, form))
        return false;
    const int n = std::clamp(z.synapsenAnzahl, 0, groessteSynapsenAnzahl);
    const DateiOperationAufStapel aufStapel;
    modusStatus |= modusBit::DateiOperation;
    bool gut = true;
    for (int i = 0; i < anzahl; ++i) {
        PermutationsErgebnis r;
        if (!ergebnisSatzLesen(fenster, form, z.index[static_cast<size_t>(i)], r)) {
            gut = false;
            break;
        }
        for (int s = 0; s < n; ++s)
            ++zaehler[static_cast<size_t>(s)][r.level[static_cast<size_t>(s)]];
        if ((i + 1) % 100 != 0)
            continue;
        if (modusStatus & modusBit::DateiOperation) {
            char prozent[32];
            std::snprintf(prozent, sizeof prozent, "\t%.0f %%", (i + 1) * 100.0 / anzahl);
            statusTeilSetzen(1, prozent);
            nachrichtenVerarbeiten();
            continue;
        }
        modusStatus |= modusBit::DateiOperation;
        if (sysInfoBox(meldungFormatieren(49, i + 1), knoepfe::JaNein) == antwort::Ja) {
            statusTeilSetzen(0, meldungsTexte[1630]);
            break;
        }
    }
    modusStatus &= ~modusBit::DateiOperation;
    ergebnisdateienSchliessen();
    return gut;
}

} // namespace

int synapsenstaerkenHaeufigkeitSpeichern(int anzahl)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    if (z.dateien.namen.empty()) {
        hinweisBox(meldungsTexte[83]);
        return 0;
    }
    const int eintraege = static_cast<int>(z.index.size());
    if (anzahl < 0 || anzahl > eintraege)
        anzahl = eintraege;
    Zaehler zaehler{};
    if (!zaehlen(anzahl, zaehler))
        return 0;
    // a line per varied synapse: its name, then the count of each level
    DateiWahl wahl;
    wahl.ordner = dateipfade.programmVerzeichnis;
    wahl.endung = "txt";
    wahl.titel = meldungsTexte[1606];
    wahl.filter = {{meldungsTexte[1619], "*.txt"}};
    wahl.speichern = true;
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    if (wahl.endung.empty())
        wahl.endung = "txt";
    std::string text;
    const int n = std::clamp(z.synapsenAnzahl, 0, groessteSynapsenAnzahl);
    const int m = std::clamp(z.levelAnzahl, 0, groessteLevelAnzahl);
    for (int s = 0; s < n; ++s) {
        const std::string name = variierteSynapseName(s);
        text += name.empty() ? "\t" : name + ":\t";
        for (int l = 0; l < m; ++l)
            text += std::to_string(zaehler[static_cast<size_t>(s)][static_cast<size_t>(l)]) + "\t";
        text += "\n";
    }
    return sicherSchreiben(gewaehlterPfad(wahl), mitCrLf(text), 74) ? 1 : 0;
}
