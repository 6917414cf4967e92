// permutation/bewertungintern.h - what the re-rating, the burst-shape rating and the copy
// of indexed results share: their output files and the walk over the indexed records
#pragma once
#include "permutation/ergebnisintern.h"
#include <cstdio>
#include <functional>
#include <string>

// A file written under "<name>.teil" beside its name and renamed to it once complete: a
// failed or abandoned write never leaves a half file under the name, nor replaces an old
// one. Closed (and the temporary file removed) on every way out that did not complete it.
class Ausgabedatei {
public:
    Ausgabedatei() = default;
    Ausgabedatei(const Ausgabedatei&) = delete;
    Ausgabedatei& operator=(const Ausgabedatei&) = delete;
    ~Ausgabedatei() { verwerfen(); }

    // false when the temporary file cannot be made
    bool oeffnen(const std::string& pfad);
    bool offen() const { return datei != nullptr; }
    std::FILE* handle() const { return datei.get(); }
    const std::string& pfad() const { return ziel; }
    // the bytes as they are; false (and remembered) when they could not all be written
    bool schreiben(const std::string& bytes);
    // a printf-formatted line of a text file: "\n" goes out as CR LF
    bool zeile(const char* format, ...) __attribute__((format(printf, 2, 3)));
    bool fehlerhaft() const { return fehler; }
    // closed and given its name; false (the temporary file removed) when a write, the close
    // or the rename failed
    bool abschliessen();
    // closed, the temporary file removed
    void verwerfen();

private:
    std::string ziel, teil;
    OffeneDatei datei;
    bool fehler = false;
};

// "<the network file's folder>/<name>"
std::string imNetzordner(const std::string& name);

// The result files of the walk are still those it opened and the index still holds its
// entries: what ran while messages were pumped may have unloaded them.
bool ergebnisseNochDa(const std::vector<Dateifenster>& fenster, int anzahl);

// how a walk over the indexed records ended
enum class Durchlauf { Fertig, Gestoppt, Fehler };

// The records of the first anzahl entries, each read whole and checked against its file
// (message 45 when it does not fit), handed to tun in index order; tun returns false to
// fail the walk. Status field 0 shows statusText meanwhile, fields 1 and 2 the progress
// every 100 entries; the stop command ("Permutationsmodus beenden") ends it. The result
// files are open only during the walk.
Durchlauf eintraegeDurchlaufen(int anzahl, const char* statusText,
                               const std::function<bool(PermutationsIndexEintrag&, PermutationsErgebnis&)>& tun);
