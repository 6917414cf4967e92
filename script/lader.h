// script/lader.h - the script loader's reading state, shared by the scanner and the keyword tables
#pragma once
#include "script/skript.h"
#include "core/schluessel.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "texts/texte.h"
#include "files/analysewaechter.h"
#include <string>
#include <vector>

namespace skriptlader {

constexpr Anweisungscode c(const char* wort) { return anweisungscode(wort); }
constexpr int zeilenLaenge = 32767;

// printf into a string of the needed length
std::string formatieren(const char* format, ...);
// a message of the loader: "Hinweis" over the foreground window
void melden(const std::string& text);

inline bool grossbuchstabe(char z) { return z >= 'A' && z <= 'Z'; }

constexpr int behebenNeuron = 1065;   // "there is no neuron for this statement"
// unknown statements one load shows before it takes the file for something else than a script
constexpr int hoechstensUnbekannt = 10;

enum class Folge { Weiter, ZeileEnde, Fehler, Stopp };

// A value a script sets at its load outside its own record: read with the file, set once the
// whole file has loaded (a refused file sets nothing), one per field and neuron, the last
// one read.
struct Ladewert {
    enum Feld : uint32_t {
        ZeitDezimalstellen = 1, Dezimalstellen, Dezimalzeichen, StromSkalierung, MaxBin, PspMessung,
        PspModus, InPsp, PspMaximum, PspMaximumZeit, PspSchwelle, ApZeiten, Aufzeichnung
    };
    Feld feld;
    int neuron;                      // 0 for a setting of the program
    double wert;
    bool zurueckgegeben = false;     // by the end's offers, to be set again when the user stays
};

} // namespace skriptlader

// the loaded script's values and the guard that gives them back; the guard goes first when
// the record goes, while the values its give-backs mark are still there
struct SkriptLadewerte {
    std::vector<skriptlader::Ladewert> werte;
    AnalyseWaechter waechter;
};

namespace skriptlader {

struct Lader {
    Skript& s;
    char* datei = nullptr;          // the whole file, for the search of a loop's end
    const char* zeilenEnde = nullptr;
    int zeile = 0;
    char trenner = ';';
    // the current target
    NeuronDaten* neuron = nullptr;
    SynapseDaten* synapse = nullptr;
    int kanal = 0;
    uint32_t kanalArt = 0;
    int reiz = 0;
    uint32_t art = 0;
    int ebene = 0;
    bool intScharf = false;
    int intSlot = 0;
    int simAnzahl = 0;
    bool exi = false;
    bool gestoppt = false;
    int fehlerZeile = 0;
    int unbekannt = 0;               // unknown statements shown so far
    bool keinSkript = false;         // too many of them: the file is something else
    bool sep = false;                // a SEP statement, which no run can follow
    std::vector<Ladewert> ladewerte; // in the order read
    // the statement being read
    std::string text;                // its capitals and the five characters after them
    char* wert = nullptr;
    char* gleich = nullptr;
    char* wort = nullptr;

    explicit Lader(Skript& skr) : s(skr) {}

    Folge fehler(const std::string& meldung)
    {
        melden(meldung);
        if (fehlerZeile == 0)
            fehlerZeile = zeile;
        return Folge::Fehler;
    }
    Folge fehlerMitText(int nummer) { return fehler(meldungFormatieren(nummer, text)); }

    void zielLeeren() { neuron = nullptr; synapse = nullptr; kanal = 0; kanalArt = 0; reiz = 0; art = 0; }

    // a neuron by number (the value begins with a digit) or by a part of its name
    Folge neuronLesen(NeuronDaten*& aus)
    {
        if (*wert >= '0' && *wert <= '9') {
            const int nr = kommaGanzzahlLesen(wert);
            if (nr < 1)
                return fehler(meldungFormatieren(1066, nr, text.c_str()));
            aus = neuronNachNummer(nr);
            if (!aus)
                return fehler(meldungFormatieren(1067, nr, text.c_str()));
            return Folge::Weiter;
        }
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            if (n->name.find(wert) != std::string::npos) {
                aus = n;
                return Folge::Weiter;
            }
        return fehler(meldungFormatieren(1068, wert));
    }
    Folge zielNeuron(NeuronDaten*& aus)
    {
        NeuronDaten* n = nullptr;
        const Folge f = neuronLesen(n);
        if (f != Folge::Weiter)
            return f;
        zielLeeren();
        neuron = aus = n;
        art = zielArt::Neuron;
        return Folge::Weiter;
    }
    // a neuron the script record keeps: its number, never the pointer
    Folge zielNeuron(int& nummer)
    {
        NeuronDaten* n = nullptr;
        const Folge f = zielNeuron(n);
        if (f == Folge::Weiter)
            nummer = n->nummer;
        return f;
    }

    SkriptAnweisung& anhaengen(Anweisungscode code)
    {
        s.anweisungen.push_back({});
        s.anweisungen.back().code = code;
        return s.anweisungen.back();
    }
    // STEP, DOKUMENTIEREN and OPTIMIEREN refer to the statement before, which must be a value
    SkriptAnweisung* vorige()
    {
        if (s.anweisungen.empty())
            return nullptr;
        SkriptAnweisung& a = s.anweisungen.back();
        if (a.code == c("SCHLEIFE") || a.code == c("WIEDERHOLEN"))
            return nullptr;
        return &a;
    }
    Folge ohneVorige(const char* schluessel) { return fehler(meldungFormatieren(873, schluessel, text)); }

    void ladewert(Ladewert::Feld feld, int nummer, double w) { ladewerte.push_back({feld, nummer, w}); }

    Folge liste(Anweisungscode code);
    Folge einstellung(Anweisungscode code, bool& bekannt);
    Folge anweisung(Anweisungscode code, bool& bekannt);
    Folge schleife();
    Folge wiederholen();
    Folge simulationsListe();
    bool zeileLesen(char* z);
};

} // namespace skriptlader
