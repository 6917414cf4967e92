// model/synapse.h - synapses, their pools and types, and the synapse groups
//
// The records, creating and deleting synapses (synapsen.cpp) and the type table
// (synapse_typen.cpp). Groups are in gruppen.h, the line geometry in geometrie.h.
#pragma once
#include "platform/fenster.h"
#include <array>
#include <string>
#include <vector>

struct NeuronDaten;
struct SynapseDaten;
struct SynapsenPool;

constexpr int synapsenTabellenGroesse = 4096;   // ids 1..4095

// one episode of transmitter release for the shaped PSP; oldest first
struct XLPSP {
    XLPSP* naechstes = nullptr;
    double wert = 0.0;           // the largest release of the episode
    int abgeschlossen = 0;
    double startzeit = 0.0;      // s
};

struct TransmitterDynamik {
    double e = 0.0, g = 0.0, potenz = 0.0, initialwert = 0.0;
    double formAlpha = 0.0, rateAlpha = 0.0, v0Alpha = 0.0, schrittweiteAlpha = 0.0;
    double formBeta = 0.0, rateBeta = 0.0, v0Beta = 0.0, schrittweiteBeta = 0.0;
    double faktor = 0.0;
    double gatterWert = 0.0;
    double freisetzung = 0.0;
    int an = 0;
    int abBerechnung = 0;        // 1-3
};

namespace bahnungsArt { constexpr int Fazilitation = 1; }   // anything else: depression
struct Bahnung {
    int an = 0;
    int art = 0;
    double faktor = 0.0;         // the run driver starts it at 1.0
    // rise and fall of facilitation, rise and fall of depression
    std::array<double, 4> tau{};
    std::array<double, 4> kurvenZeit{};
    std::array<double, 4> a{};
    std::array<double, 4> b{};
    double letzteFreisetzung = 0.0;
    int maximalwertAn = 0;
    double summe = 0.0;
    double letzterFreisetzungsBeginn = 0.0;
    double zuwachs = 0.0;
    double maximalwert = 0.0;
    double tauAb = 0.0;
};

namespace pspArt { constexpr int Polynom = 1, Exponentiell = 2; }
struct PspForm {
    int an = 0;
    int art = 0;
    double summe = 0.0;
    double letzteFreisetzung = 0.0;
    double dauerPolynom = 0.0, dauerExp = 0.0;
    double expAAnstieg = 0.0, expTauAnstieg = 0.0, expAAbfall = 0.0, expTauAbfall = 0.0;
    std::array<double, 7> polynom{};          // a0..a6
    std::array<double, 4> polynomAbfall{};    // a0..a3
    double anfangPolynom = 0.0, anfangExp = 0.0;
    XLPSP* liste = nullptr;                   // owned, freed with the synapse
};
// the three example shapes the free-PSP dialog offers (1 and 2 polynomial, 3 exponential);
// the settings file keeps them
extern std::array<PspForm, 3> pspBeispiele;

// node of a pool's sender list and of an axo-axonic list
struct SenderKnoten {
    SenderKnoten* vorige = nullptr;
    SenderKnoten* naechste = nullptr;
    SynapseDaten* synapse = nullptr;
};
struct AxoKnoten {
    AxoKnoten* vorige = nullptr;
    AxoKnoten* naechste = nullptr;
    SynapseDaten* synapse = nullptr;
    std::vector<double> ring;                 // round(delay / step) + 1 entries
    int ringPosition = 0;
};

namespace kontaktort { constexpr int Soma = 0, Axo = -1; }   // 1.. dendrite segments

struct SynapseDaten {
    SynapseDaten* vorigeSynapse = nullptr;
    SynapseDaten* naechsteSynapse = nullptr;
    SynapsenPool* pool = nullptr;             // null for axo-axonic ones
    SenderKnoten* senderKnoten = nullptr;
    AxoKnoten* axoKnoten = nullptr;           // ordinary: head of its axo list; axo: own node
    void* reserve = nullptr;
    NeuronDaten* quelle = nullptr;
    SynapseDaten* elternSynapse = nullptr;
    std::vector<double> axoSchlange;
    int id = 0;                               // 1..4095
    int zielNummer = 0, quellNummer = 0;
    int zielBereich = 0;                      // kontaktort
    int elternId = 0;
    int elektrischerTyp = 0;                  // 0 always, 1 only Vt > Vs, 2 only Vs > Vt
    int axoIndex = 0;                         // >= 1: axo-axonic
    int axoAnzahl = 0;
    // drawing, in editor pixels; the connection variants are indexed by geometrieIndex
    plattform::Rechteck markerRechteck;
    std::array<int, 4> markerPunktX{}, markerPunktY{};
    std::array<int, 4> endPunktX{}, endPunktY{};
    std::array<int, 4> startPunktX{}, startPunktY{};
    plattform::Punkt linienStart, linienEnde;
    int geometrieAn = 0;                      // cleared once the geometry is computed
    double ausgeschalteteLeitfaehigkeit = 0.0;
    int ausgeschaltet = 0;
    int synapsenTyp = 0;                      // index into the type table
    double quellPotential = 0.0, abgabe = 0.0;
    double initialLeitfaehigkeit = 0.0, leitfaehigkeit = 0.0;   // S
    double verzoegerung = 0.0;                // s
    double freisetzungsSchwelle = 0.0, freisetzungsSaettigung = 0.0;
    double axoWert = 0.0, axoLeitfaehigkeit = 0.0, axoLeitfaehigkeitStart = 0.0;
    double freisetzungsBereich = 0.0;
    int schlangenLaenge = 0;
    double kanalFreisetzung = 0.0;
    int kanalAktivierung = 0;
    double freisetzungAnzeige = 0.0;
    int freisetzungAnzeigen = 0;
    TransmitterDynamik transmitter;
    Bahnung bahnung;
    int verzoegerungsfaktorAn = 0;
    int verteilungsSchritte = 0;
    double freisetzungszeit = 0.0;
    double gewichtungsfaktor = 0.0;
    PspForm psp;
    int gruppe = 0;                           // 0 none, 1-31
};

struct SynapsenPool {
    SynapsenPool* vorigerPool = nullptr;
    SynapsenPool* naechsterPool = nullptr;
    NeuronDaten* ziel = nullptr;              // the neuron whose list holds the pool
    SenderKnoten* sender = nullptr;
    std::vector<double> ring;                 // schlangenLaenge + 1
    double elektrischerAbzug = 0.0;
    int elektrischerAbzugGesetzt = 0;
    double maxVerzoegerung = 0.0;
    double gSumme = 0.0;
    int an = 0;
    int typ = 0;
    int ringPosition = 0;
    int laufIndex = 0;
    int zielBereich = 0;
    int ringLaenge = 0;
    std::vector<double> aufzeichnung;
    int aufzeichnungsVersatz = 0;
    std::vector<double> hilfspuffer;
    int geschlossen = 0;
    SynapseDaten* verzoegerungsSynapse = nullptr;
    int senderAnzahl = 0;
    double vorigerElektrischerWert = 0.0;
    int elektrischeSchritte = 0;
};

namespace ionenArt { constexpr int Natrium = 1, Kalium = 2, Chemisch = 3, Elektrisch = 4; }
struct SynapsenTyp {
    int ion = 0;
    double potential = 0.0;                   // V
    std::string bezeichnung;                  // up to 127 bytes
};
constexpr int standardSynapsenTypAnzahl = 4;
constexpr int synapsenTypNameLaenge = 127;

// the connection variants are kept for dendrite modes 4, 3, 2, 1 in this order
constexpr int geometrieIndex(int dendritenModus) { return 4 - dendritenModus; }

constexpr int synapsengruppenAnzahl = 32;     // slot 0 is never a group
struct Synapsengruppe {
    std::vector<int> mitglieder;              // synapse ids, appended at the end
    std::string name;
    int anzahl() const { return static_cast<int>(mitglieder.size()); }
};

// ---- life cycle (synapsen.cpp) -----------------------------------------------------------
// A new synapse at the head of quelle's outgoing list, in the pool of ziel that shares
// its type and target area (or a new pool), or on eltern when that is given (area -1).
// It gets an id but is not entered in the table: the caller does that. Null on failure,
// and then nothing of it is left: no record, no pool member, the counters as before.
SynapseDaten* synapseNeu(NeuronDaten* quelle, NeuronDaten* ziel, int synapticType,
                         double initialConductance, double deliveryTime,
                         double transmitterReleaseThreshold, double transmitterSatiate,
                         int targetArea, SynapseDaten* eltern);
// Deletes synapse s of neuron quelle: pool, table slot, counters; with nurAushaengen 0
// also its group membership, its axo-axonic synapses and the curve slots that showed it.
// nurAushaengen 1 keeps group and axo-axonic synapses for a caller that re-creates it:
// the result is then the list of the kept axo-axonic synapses (their parent cleared until
// axoSynapsenUebernehmen gives them the new one); null otherwise.
AxoKnoten* synapseLoeschen(NeuronDaten* quelle, SynapseDaten* s, int nurAushaengen);
// For a network taken apart whole (netzWirdAbgebaut), right before the neuron itself goes:
// frees the neuron's outgoing synapses and its incoming pools without taking them out of
// the lists of the other records, which go in the same pass and read none of it.
void synapsenMitNetzFreigeben(NeuronDaten& neuron);
// The re-created parent takes back the list synapseLoeschen kept: each synapse on it gets
// eltern as parent and its id as parent id (so give eltern its id first), and the parent's
// count follows its list.
void axoSynapsenUebernehmen(SynapseDaten& eltern, AxoKnoten* liste);
// Moves s in its source's outgoing list to just behind vorgaenger, and for an axo-axonic
// pair the node of s in its parent's list to just behind that of vorgaenger (both must
// then hang on the same parent). A reader that creates synapses one after the other, each
// at the head, keeps them in the order of its text this way.
void synapseHinterStellen(SynapseDaten& s, SynapseDaten& vorgaenger);
void axoKnotenHinterStellen(SynapseDaten& s, SynapseDaten& vorgaenger);
// unlinks a pool from its target neuron and frees it with its sender nodes
void poolEntfernen(NeuronDaten& ziel, SynapsenPool* p);
// ring steps of a delay at the run settings' step: at least 1; -1 for a delay no ring can hold
int ringSchritte(double verzoegerung);
// The diagrams' share of a deleted synapse: in each diagram of quelle the first curve slot
// that shows synapse id goes back to an empty slot.
void synapsenKurveZuruecksetzen(NeuronDaten& quelle, int id);

// ---- the type table (synapse_typen.cpp) --------------------------------------------------
// the template the settings file fills; starts as the built-in four
extern std::array<SynapsenTyp, standardSynapsenTypAnzahl> stdSynapsenTypen;
const std::array<SynapsenTyp, standardSynapsenTypAnzahl>& eingebauteSynapsenTypen();
// the table as a copy of all four standard types; false when it cannot be built
bool synapsenTypTabelleAusStandard(std::vector<SynapsenTyp>& tabelle);
// Tests let the memory of a type table fail on purpose (true: this one fails), as the
// neuron records' neuronSpeicherVerweigert does; null in the program.
extern bool (*synapsenTypSpeicherVerweigert)();
// ion of entry typ of the global table; 0 outside it
int synapsenTypIon(int typ);
// Removes the entry named like eintrag from tabelle; refused with message 309 while a
// synapse uses a type of that name. When tabelle is the network's table (the synapse
// dialogs change it at once), every synapse's and pool's type index above the entry is
// lowered and the count follows. False when nothing was removed.
bool synapsenTypLoeschen(const SynapsenTyp* eintrag, std::vector<SynapsenTyp>& tabelle);

// A dialog's working copy of the type table. Deleting in it changes nothing in the
// network; the commit renumbers synapses and pools together with the table, and Cancel
// simply drops the copy.
struct SynapsenTypArbeitskopie {
    std::vector<SynapsenTyp> tabelle;
    std::vector<int> herkunft;   // per entry its index in the network's table; entries past it are new
};
// the copy of the network's table; false when there is no memory for it
bool synapsenTypArbeitskopieNehmen(SynapsenTypArbeitskopie& kopie);
// the same refusal as above; only the copy loses the entry
bool synapsenTypLoeschen(const SynapsenTyp* eintrag, SynapsenTypArbeitskopie& kopie);
// OK: the copy becomes the network's table with its count, and every synapse and pool keeps
// its type under the type's new index. False when there is no memory: nothing changed.
bool synapsenTypenUebernehmen(const SynapsenTypArbeitskopie& kopie);
