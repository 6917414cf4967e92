// permutation/ergebnisdatei.cpp - the result file's header and records, and the index file
//
// A record goes out as one block and is flushed before the next run starts, so a failure
// is seen at once and the file never holds half a record that a later one hides. The index
// file is built whole and saved through a temporary file: an old index of the name stays
// when the save fails.
#include "permutation/ergebnisdatei.h"
#include "core/status.h"
#include "files/speicherziele.h"
#include "files/textdatei.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "permutation/ergebnisformat.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

namespace {

size_t standardSchreiben(const void* daten, size_t laenge, std::FILE* datei)
{
    return std::fwrite(daten, 1, laenge, datei);
}

bool blockSchreiben(std::FILE* datei, const std::string& bytes)
{
    return ergebnisSchreiben(bytes.data(), bytes.size(), datei) == bytes.size() && std::fflush(datei) == 0;
}

// the recorded spike times of the evaluation neuron: no more than it counted or stored
std::vector<float> apZeiten()
{
    const NeuronDaten* n = auswerteNeuron();
    if (!n)
        return {};
    const size_t k = std::min(static_cast<size_t>(std::max(n->apAnzahl, 0)), n->spikeZeiten.size());
    return {n->spikeZeiten.begin(), n->spikeZeiten.begin() + static_cast<std::ptrdiff_t>(k)};
}

} // namespace

size_t (*ergebnisSchreiben)(const void*, size_t, std::FILE*) = standardSchreiben;

int permutationsErgebnisKopfSchreiben(std::FILE* datei)
{
    const PermutationsDefinition& d = permutationsDefinition;
    PermutationsKopf kopf;
    kopf.marke = permutationsErgebnisse.marke;
    kopf.version = permutationsErgebnisse.version;
    kopf.levelAnzahl = d.levelAnzahl;
    for (const VariierteSynapse& v : d.synapsen)
        kopf.level.push_back(v.level);
    kopf.apFlag = d.apAnzahlBeruecksichtigen;
    kopf.klassen = analyseKlassen;
    kopf.zusatzAnzahl = d.zusatzAnzahl;
    return permutationsErgebnisKopfSchreiben(datei, kopf);
}

int permutationsErgebnisKopfSchreiben(std::FILE* datei, const PermutationsKopf& kopf)
{
    const std::string bytes = ergebnisKopfKodieren(kopf);
    const long erster = static_cast<long>(ersterSatzOffset(kopf.level.size(), static_cast<uint64_t>(std::max(kopf.levelAnzahl, 0)),
                                                           kopf.klassen.size()));
    return blockSchreiben(datei, bytes) && std::fseek(datei, erster, SEEK_SET) == 0 ? 1 : 0;
}

float permutationsErgebnisBewerten(int nummer, std::FILE* datei, bool* geschrieben)
{
    const PermutationsDefinition& d = permutationsDefinition;
    const int c = static_cast<int>(analyseKlassen.size());
    const bool zusatz = d.zusatzAnzahl > 0;
    PermutationsErgebnis e;
    e.nummer = nummer;
    e.apZeiten = apZeiten();
    e.apAnzahl = static_cast<int>(e.apZeiten.size());
    e.level = permutationsLaufstand.level;
    e.klassenWerte.assign(static_cast<size_t>(c), 0.0f);
    // the rating, each AP offered to the classes from class 0 on
    if (zusatz) {
        e.wert = static_cast<float>(nummer);
    } else {
        analyseKlassenAbNullZuordnen(analyseKlassen, e.apZeiten.data(), e.apAnzahl);
        e.wert = gueteFaktorBerechnen(analyseKlassen, d.apAnzahlBeruecksichtigen);
        for (int k = 0; k < c; ++k) {
            const Analyseklasse& a = analyseKlassen[static_cast<size_t>(k)];
            if (a.intervalle > 0 && a.isiSumme != 0.0f)
                e.klassenWerte[static_cast<size_t>(k)] = 1.0f / (a.isiSumme / static_cast<float>(a.intervalle));
        }
    }
    // the record
    if (datei) {
        const bool gut = blockSchreiben(datei, ergebnisSatzKodieren(e, c, d.zusatzAnzahl));
        if (geschrieben)
            *geschrieben = gut;
        return e.wert;
    }
    // the single result of a run without a file
    const float wert = e.wert;
    permutationsErgebnisse.einzel = std::move(e);
    return wert;
}

int permutationIndexSpeichern(const char* pfad, int anzahl)
{
    return permutationIndexSpeichern(pfad, anzahl, permutationsErgebnisse.index);
}

int permutationIndexSpeichern(const char* pfad, int anzahl, const std::vector<PermutationsIndexEintrag>& eintraege)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    // the path
    std::string ziel = pfad ? pfad : "";
    if (!pfad) {
        DateiWahl wahl;
        wahl.ordner = dateipfade.dokumentVerzeichnis;
        wahl.name = dateipfade.netzName + " 1";
        wahl.endung = "inx";
        wahl.filter = {{meldungsTexte[1618], "*.inx"}};
        wahl.titel = meldungsTexte[1605];
        wahl.speichern = true;
        if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
            return 0;
        if (wahl.endung.empty())
            wahl.endung = "inx";
        ziel = gewaehlterPfad(wahl);
    }
    // an index written over a result file it names would leave nothing to point into
    if (!zielGetrennt({ziel, 1769}, z.dateien.namen, 1770))
        return 0;
    // how many
    const int vorhanden = static_cast<int>(eintraege.size());
    if ((anzahl < 0 || anzahl > vorhanden) && vorhanden > 0)
        anzahl = vorhanden;
    if (anzahl <= 0) {
        hinweisBox(meldungsTexte[218]);
        return 0;
    }
    for (const std::string& p : z.dateien.namen)
        if (p.size() >= pfadFeld) {
            hinweisBox(meldungFormatieren(1255, p));
            return 0;
        }
    // the file
    IndexKopf kopf;
    kopf.marke = dateiMarke;
    kopf.version = 2;
    kopf.synapsenAnzahl = z.synapsenAnzahl;
    kopf.levelAnzahl = z.levelAnzahl;
    kopf.pfade = z.dateien.namen;
    kopf.apFlag = z.apFlag;
    kopf.klassen = z.klassen;
    const std::vector<PermutationsIndexEintrag> erste(eintraege.begin(), eintraege.begin() + anzahl);
    const std::string bytes = indexKodieren(kopf, erste);
    z.marke = kopf.marke;
    z.version = kopf.version;
    if (bytes.empty() || !sicherSchreiben(ziel, bytes, 74))
        return 0;
    z.eintragsBereich = kopf.eintragsBereich;
    return anzahl;
}
