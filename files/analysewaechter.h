// files/analysewaechter.h - what an analysis changes of the user's network and settings,
// kept and given back
//
// An analysis (a script's run, a loaded script, a permutation series, a free order) sets
// values in the network, the settings and the program's switches that are not the user's.
// Before it sets a field for the first time it keeps the field's exact old value here, under
// a key that finds the field again by number (never a pointer: the user may delete a neuron
// meanwhile). At its end, however it ends (finished, cancelled, failed, closed, never
// started), every kept value goes back in the reverse order of keeping, so where two kept
// values cover one field the older one wins, and only into the network it was taken from:
// a network closed or replaced meanwhile gets nothing.
//
// The guard also takes the network's text, the settings text and the program's switches
// when it begins and once it has given everything back: an analysis that gave back all it
// touched leaves the two equal, and the tests compare them.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// what a user has before and after an analysis: the bytes a save of the network would
// write, the settings text, the switch words of the program, the script and the mode, the
// values a run uses that no file holds (each synapse's dynamic conductance, each pool's sum,
// exactly), and which network it is
struct AnalyseStand {
    std::string netz;
    std::string einstellungen;
    uint32_t programm = 0, skript = 0, modus = 0;
    std::string laufwerte;
    unsigned long long netzKennung = 0;
    bool operator==(const AnalyseStand&) const = default;
};
// the state as it stands now (no file is written, nothing is changed)
AnalyseStand analyseStandNehmen();

// A kept field: its kind (the analysis's own numbering), the numbers that find it and a code
// (a statement's, a curve's, a field's)
struct AnalyseSchluessel {
    uint32_t art = 0;
    int nummer = 0, ziel = 0;
    uint32_t code = 0;
    bool operator==(const AnalyseSchluessel&) const = default;
};

// A guard that lives as long as the program (not on a stack) is given back or dropped by its
// analysis before the program's records go: its destructor gives back what is still kept.
class AnalyseWaechter {
public:
    AnalyseWaechter() = default;
    ~AnalyseWaechter() { zurueckgeben(); }
    AnalyseWaechter(const AnalyseWaechter&) = delete;
    AnalyseWaechter& operator=(const AnalyseWaechter&) = delete;

    // The analysis begins on the network as it is now: what an earlier analysis kept goes
    // back first; the state before is taken while standAufnehmen is set.
    void beginnen();
    // Keeps a field's give-back under its key, once: false (and nothing kept) when the key
    // is kept already, so the oldest value wins. A field of the network goes back only into
    // the network the guard began on, looked up again by its numbers; a setting or a switch
    // of the program (ansNetz false) goes back whatever network is open then.
    bool behalten(const AnalyseSchluessel& schluessel, std::function<void()> rueckgabe, bool ansNetz = true);
    // The same, but a give-back kept under the key already is replaced in its place: for a
    // field whose value to give back the analysis learns anew while it holds it (the user
    // set it meanwhile, so the newer value is the user's).
    void ersetzen(const AnalyseSchluessel& schluessel, std::function<void()> rueckgabe, bool ansNetz = true);
    bool haelt(const AnalyseSchluessel& schluessel) const;
    // Everything back, into the network it came from; afterwards nothing is kept, and the
    // state after is taken while standAufnehmen is set. Safe to call more than once.
    void zurueckgeben();
    // Forgets what is kept without giving it back: the values became the user's on purpose.
    void verwerfen();
    bool leer() const { return rueckgaben.empty(); }
    // the network the guard began on is still the one in the records
    bool imselbenNetz() const;

    const AnalyseStand& vorher() const { return standVorher; }
    const AnalyseStand& nachher() const { return standNachher; }

    // Set by the tests: every guard takes the state when it begins and when it has given
    // back. Off in the program, where a long network text is not made for nobody to read.
    static bool standAufnehmen;
    // called with the guard when it has given back and taken the state after (tests)
    static void (*nachRueckgabe)(const AnalyseWaechter& waechter);

private:
    struct Rueckgabe {
        AnalyseSchluessel schluessel;
        std::function<void()> ausfuehren;
        bool ansNetz = true;
    };
    std::vector<Rueckgabe> rueckgaben;
    unsigned long long kennung = 0;
    bool begonnen = false;
    AnalyseStand standVorher, standNachher;
};
