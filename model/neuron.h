// model/neuron.h - the neuron record and what it owns
//
// A neuron owns its per-compartment arrays (soma at 0, dendrite segments 1..n, sized by
// its own segment count), its stimulus tables, its diagrams, its user channels and its
// K(Ca) record. Synapses are not owned here: the neuron holds the heads of the outgoing
// synapses and of the pools of synapses that end on it.
#pragma once
#include "model/diagramm.h"
#include "model/parameter.h"
#include "model/stromreiz.h"
#include "platform/zeichnen.h"
#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

struct SynapseDaten;
struct SynapsenPool;

// 1 = only the soma, 3 = the default dendrite, 6 = the long dendrite (mode 4)
constexpr int groessteSegmentAnzahl = 6;
// True for a segment count the per-compartment arrays can have (0..groessteSegmentAnzahl);
// any other count is reported with a notice (text 841) and false.
bool segmentAnzahlPruefen(int segmente);

// A channel the user defines, gates by rates or steady state
struct BenutzerKanal {
    double gleichgewichtspotential = 0.0;   // V
    double leitfaehigkeit = 0.0;            // S
    double potenz = 0.0;                    // whole number
    double torStartwert = 0.0;
    std::array<double, 4> alpha{};          // form, rate, V0, step
    std::array<double, 4> beta{};
    std::string name;
    int berechnungsmodus = 0;               // 1 rates, 2 steady state + rate, 3 steady state + tau
    double hilfsparameterAlpha = 0.0, hilfsparameterBeta = 0.0;
    int aktivierungMitDeaktivierung = 0;
    int stromUeberSynapse = 0;
    int synapseId = 0;
    int exportieren = 0;
    // run values
    double torWert = 0.0, oeffnung = 0.0, strom = 0.0, eMalG = 0.0;
    SynapseDaten* synapse = nullptr;
    int darstellung = 0;                    // a diagram shows 0 the current, 1 the gate opening factor
};

// one gate of the K(Ca) channels
struct KCaTor {
    double potenz = 0.0;
    double formAlpha = 0.0, rateAlpha = 0.0, v0Alpha = 0.0, schrittAlpha = 0.0;
    double formBeta = 0.0, rateBeta = 0.0, v0Beta = 0.0, schrittBeta = 0.0;
    double hilfsParamAlpha = 0.0, hilfsParamBeta = 0.0;
};
struct KCaKanal {
    double caAbbau = 0.0, caHintergrund = 0.0, caAussen = 0.0, zellvolumenKonstante = 0.0;
    double temperatur = 0.0;
    double gCa1 = 0.0, gCa2 = 0.0, gKCa = 0.0, eKCa = 0.0;
    double caStart = 0.0, cStart = 0.0, dStart = 0.0, eStart = 0.0, pStart = 0.0, qStart = 0.0;
    // Ca1 activation, Ca1 inactivation, Ca2 activation, K(Ca) activation, K(Ca) inactivation
    std::array<KCaTor, 5> tore{};
    int stroemeAnzeigen = 0, mitInaktivierung = 0, spannungsabhaengig = 0, oeffnungAnzeigen = 0;
    // results of the channel step
    double oeffnungCa1 = 0.0, oeffnungCa2 = 0.0, oeffnungKCa = 0.0, summeGE = 0.0, summeG = 0.0;
};
namespace kcaModus { constexpr int Aus = 0, An = 1, Ausgeschaltet = 2; }

// Clips the potential of soma and segments 1-3 between limits
struct Potentialbegrenzung {
    int an = 0;
    std::array<double, 4> oben{};           // V
    std::array<double, 4> unten{};
    std::array<int, 4> art{};               // 0x2 upper limit on, 0x4 lower limit on
    std::array<int, 4> kompartimentAn{};
    plattform::Farbe bogenFarbe = 0;
    int bogenAbstand = 0;
    int bogenDicke = 0;
    int reserve = 0;
};

// ---- the spike-train rating ------------------------------------------------------------
// The settings of the rating, in the order the neuron block keeps them; dialog 284 edits
// them and new neurons take the standard neuron's.
struct SpikefolgenEinstellungen {
    int mindestApAnzahlGesamt = 0;          // spikes of the whole run, at least 4 (the search ignores it)
    double burstFaktor = 0.0;               // limit = factor x mean of the smallest quarter of the intervals
    double mindestSpikeAnzahl = 0.0;        // spikes of a burst, absolute
    double mindestLaenge = 0.0;             // s, absolute
    double mindestFrequenz = 0.0;           // Hz, absolute
    double relativeSpikeAnzahl = 0.0;       // fractions of the mean of all bursts
    double relativeLaenge = 0.0;
    double relativeFrequenz = 0.0;
    double lueckeMinimum = 0.0;             // s: the gap of an active reaction
    double lueckeMaximum = 0.0;
    uint32_t flags = 0;                     // spikefolgenFlag (model/spikefolge.h)
    int kastenAbstand = 0;                  // pixels of the burst marker box from the end of the y axis
    plattform::Farbe kastenFarbe = 0;
};
// A neuron's switch and settings: a run rates its train while the switch is on. The switch
// is no setting: neither the file nor the dialog touches it.
struct Spikefolgenregel : SpikefolgenEinstellungen {
    int an = 0;
};

// one interval of the train
struct SpikeIntervall {
    double isi = 0.0;                       // next spike time - this spike time
    double zeit = 0.0;                      // the spike that opens it
    int burst = 0;                          // its burst, counted from 1; 0 outside bursts
};

// one burst found in the train
struct BurstDaten {
    double start = 0.0;                     // time of its first spike
    double luecke = 0.0;                    // its last spike to the next burst's first; 0 for the last
    double mittleresIsi = 0.0;
    double isiStreuung = 0.0;               // sample SD; -1 for a burst of one interval
    int intervallAnzahl = 0;                // spikes - 1
    int erstesIntervall = 0;                // index of its first interval
    double dauer = 0.0;                     // last spike - first spike
    double mitte = 0.0;                     // set by the burst-shape rating of the permutation results
    int gueltig = 0;
    double phase = 0.0;                     // to a reference burst; -1e8 unassigned, -2e8 passed over
    plattform::Rechteck kasten;             // its marker box as the diagram painter last drew it
};

// a mean with its sample SD (-1 with fewer than two values) and the count of values
struct Kennwert {
    double mittel = 0.0;
    double streuung = 0.0;
    int anzahl = 0;
};

// What the last rating of the train found; each rating clears it, never the settings.
struct SpikefolgenBewertung {
    int code = 0;                           // spikefolgenCode bits (model/spikefolge.h)
    // the intervals in time order, one more than intervallAnzahl: the last entry holds the
    // last spike and, as its interval, the run's duration
    std::vector<SpikeIntervall> intervalle;
    int intervallAnzahl = 0;
    double isiMittel = 0.0, isiStreuung = 0.0;
    Kennwert spikes;                        // spikes per burst
    Kennwert periode;                       // duration + following gap
    Kennwert dauer;
    double schwelle = 0.0;                  // the interval that separates bursts
    Kennwert luecke;
    std::string ergebnisText;               // the last report
    std::vector<BurstDaten> bursts;
};

struct Spannungsklemme {
    double startSpannung = 0.0, pulsSpannung = 0.0, endSpannung = 0.0;   // V
    double pulsBeginn = 0.0, pulsEnde = 0.0;                             // s
    int alleGleich = 0;
    int flags = 0;                          // 0x1 clamp on
};

struct StromreizMarke { double start = 0.0, dauer = 0.0; int gezeigt = 0; plattform::Rechteck r; };

struct NeuronDaten {
    // ---- links
    NeuronDaten* naechstesNeuron = nullptr;
    NeuronDaten* vorigesNeuron = nullptr;
    SynapseDaten* ausgangsSynapsen = nullptr;
    SynapsenPool* eingangsPools = nullptr;
    int nummer = 0;                         // >= 1 listed, -1 the unlisted scratch record
    int passivMarke = 0;                    // 1: all main conductances are 0, no spikes count
    int aktualisierungsIndex = 0;
    ParameterVektor parameter{};
    // bit (1 << m) for model m 1-4: the network text this neuron was read from held no
    // values of that model's range, so a new neuron must not copy the range from it
    int fehlendeModellbereiche = 0;
    int apAnzahl = 0;
    Spikefolgenregel spikefolge;
    SpikefolgenBewertung spikefolgenBewertung;
    int rrModus = 0;                        // mode word of the burst-shape rating, shown by the report

    // ---- on/off phases and noise
    double onOffZeitgeber = 0.0;
    int onOffPhaseAktiv = 0;
    int rauschenAn = 0;
    double rauschAbklingzeit = 0.0, rauschHaeufigkeit = 0.0, rauschIntensitaet = 0.0;
    double rauschZustand = 0.0;

    // ---- compartments
    int segmentAnzahl = 0;                  // n of this neuron: arrays hold n + 1 entries
    std::array<int, 4> kompartimentSchalter{};   // factor, last segment, dendCurrent segment, switch copy
    double dendStromAmSoma = 0.0, dendStartAmSoma = 0.0, dendEndeAmSoma = 0.0;
    double synStromSumme = 0.0, eingangSumme = 0.0, ionenStromSumme = 0.0;
    std::array<double, 14> torVariable{};
    std::array<double, 9> kanalStrom{};     // [0..2] Na, K, Ca for the diagrams
    double rauschStrom = 0.0, caKonzentration = 0.0, caPotential = 0.0, gbMischfaktor = 0.0;
    // the old constant currents
    double somaCurrent = 0.0, somaSCStart = 0.0, somaSCEnd = 0.0;
    double dendCurrent = 0.0, dendSCStart = 0.0, dendSCEnd = 0.0;
    std::vector<double> synStromChemisch;
    std::vector<double> synStromElektrisch;
    std::vector<double> potentiale;         // V
    std::vector<StromTabelle> stromTabellen;
    int dendSCLocation = 0;
    int dendSCSchalter = 0;
    // prepared at run start
    double leckTerm = 0.0, somaLeitwert = 0.0, dendLeckTerm = 0.0, hhLeckTerm = 0.0;
    double somaRate = 0.0, somaRateMitDendrit = 0.0;
    std::array<double, 12> leitwertMalPotential{};

    // ---- diagrams: the main one, further ones behind it
    DiagrammDaten hauptDiagramm;

    // ---- drawing and editor
    plattform::Farbe farbe = 0, randFarbe = 0, axonFarbe = 0, markenFarbe = 0;
    int stift = 0;
    int x = 0, y = 0;
    double erzeugungsZeit = 0.0;            // the refresh sorts by it
    int somaGroesse = 0, axonLaenge = 0;
    plattform::Rechteck umriss;
    int markiert = 0;
    plattform::Farbe kennzeichnungFarbe = 0;
    int kennzeichnungPosition = 0, kennzeichnungLaenge = 0, kennzeichnungDicke = 0;
    int hilfsneuron = 0;
    int groesse = 0, dendritenLaenge = 0, dendritDicke = 0, segmentTrennerDicke = 0, synapsenGroesse = 0;
    int dendritRichtung = 0;
    int druckAktiv = 0;
    plattform::Zeichenflaeche* zeichenDC = nullptr;
    int zeichenX = 0, zeichenY = 0, zeichenRadius = 0, obereAusdehnung = 0, beschriftungAusdehnung = 0;
    // segment line width, dendrite length, dendrite thickness, soma diameter, axon length,
    // synapse size, recurrent-synapse radius, stimulus-flash length
    std::array<int, 8> zeichenGroessen{};
    int ausgabeX = 0, ausgabeY = 0, ausgabeBreite = 0, ausgabeHoehe = 0;
    int diskX = 0, diskY = 0;
    int bildAnzeigen = 0, bildX = 0, bildY = 0;
    int bmpX = 0, bmpY = 0, bmpAnzeigen = 0;
    std::string bmpDatei, bildIconDatei, bildIconMarkDatei;
    plattform::Bild bild1 = nullptr, bild2 = nullptr;
    plattform::Zeichenflaeche* bildDC = nullptr;
    plattform::Bild markenBild1 = nullptr, markenBild2 = nullptr;
    int markenBild1Benutzt = 0, markenBild2Benutzt = 0;

    // ---- Izhikevich
    int izhikevichAktiv = 0;
    double izA = 0.0, izB = 0.0, izC = 0.0, izD = 0.0, izSpitze = 0.0;
    double izV = 0.0, izVStart = 0.0, izVNeu = 0.0, izU = 0.0, izUStart = 0.0, izUNeu = 0.0;
    double (*izhikevichSchrittFunktion)(NeuronDaten*, double) = nullptr;   // see model/izhikevich.h
    int izhikevichKorrigieren = 0;
    double izSpitzeAusstehend = 0.0;
    double izOffsetStrom = 0.0;
    std::string izhikevichBezeichnung;
    std::string izhikevichTyp;

    std::string name;                       // up to 259 bytes
    int trefferArt = 0;

    // ---- stimuli
    int gereizteKompartimente = 0;
    std::array<StromreizDefinition, reizDefinitionen> stromreize{};
    std::string strominjektionBezeichnung;
    struct {
        int an = 0;
        std::vector<StromreizMarke> marken;
        plattform::Farbe farbe = 0;
        int einzug = 0;
    } stromreizMarken;

    int exportMaske = 0, exportMaskeSicherung = 0;

    // ---- user channels and K(Ca)
    int benutzerKanalIndex = 0;
    std::list<BenutzerKanal> benutzerKanaele;   // stable addresses: diagrams point at channels
    int kanalImDialog = 0;                  // position of the channel last shown
    std::array<BenutzerKanal*, 4> kurvenKanaele{};   // curve slots 8-11
    int kurvenKanaeleGesetzt = 0;
    std::vector<const double*> aufgezeichneteWerte;
    int kcaModus = 0;
    std::unique_ptr<KCaKanal> kca;

    int modellTyp = 0;                      // 1 on/off, 2 SWIM, 3 HH, 4 GB; 0 = the network's

    // ---- further switches of the editor and the dialogs
    int nichtSpiker = 0;
    std::array<double, 3> gespeicherteLeitwerte{};   // Na, K, Ca of a non-spiker
    Spannungsklemme klemme;
    Potentialbegrenzung begrenzung;
    int apZeitenAufzeichnen = 0;            // bit 0x1: a script keeps the AP times (in spikeZeiten)
    int spikezeitenSpeichern = 0, spikefolgeBewerten = 0;
    int freisetzungsKurven = 0;
    int oeffnungSynapseId = 0, oeffnungRingLaenge = 0;
    std::string oeffnungBezeichnung;
    int tonBeiSpike = 0;
    double tonFrequenz = 0.0, tonDauer = 0.0;
    // PSP amplitudes of a run
    int pspModus = 0;                       // 0x10: store the amplitudes
    float pspSchwelle = 0.0f;
    int inPsp = 0;
    float pspMaximum = 0.0f, pspMaximumZeit = 0.0f;
    std::vector<float> pspAmplituden, pspZeiten;
    int pspAnzahl = 0, pspKapazitaet = 0;   // entries stored; entries the lists hold room for
    std::vector<float> spikeZeiten;
    int spikeZeitenKapazitaet = 0;          // grows by 1000 with the list
    // server and scripts
    double serverStrom = 0.0;               // nA
    double kaliumVerhaeltnis = 0.0;
    int aufzeichnungsModus = 0;
    std::array<int, 3> aufzeichnungsWerte{};
};

// the per-compartment arrays of n segments (n + 1 entries each); existing entries stay,
// new segments start at the neuron's dendrite start potential with zero currents and the
// default table. False when n is outside 0..groessteSegmentAnzahl.
bool kompartimenteAnpassen(NeuronDaten& n, int segmente);
// index checks for code that walks compartments
inline int kompartimentAnzahl(const NeuronDaten& n) { return static_cast<int>(n.potentiale.size()); }

// ---- life cycle ------------------------------------------------------------------------
// A new neuron at the end of the chain, entered in the table, with its defaults (from the
// default files when standardDateien is set). Number -1 gives the unlisted scratch
// record without defaults. Null for numbers outside 1..1023 other than -1, for a number
// already in use, for a network segment count no arrays can have (reported), and when
// memory runs out.
NeuronDaten* neuronNeu(int nummer, int standardDateien);
// A neuron the program keeps for itself (the permutation display's): entered in the table
// under its number, with the defaults of the default files, flagged hilfsneuron, but in no
// chain. Whatever walks the network (runs, files, the editor, the lists) never meets it;
// neuronFreigeben frees it, and netzLoeschen too. Null as neuronNeu.
NeuronDaten* hilfsneuronNeu(int nummer);
// Tests let a record's allocation fail on purpose (true: this one fails), as no machine runs
// out of memory on demand; null in the program.
extern bool (*neuronSpeicherVerweigert)();
// Deletes its synapses, windows and diagrams, clears every reference to it, unlinks and
// frees it. The callers keep the neuron count.
void neuronFreigeben(NeuronDaten* neuron);
void neuronFensterLoeschen(NeuronDaten& neuron);
// a popup of all neurons by name; the chosen neuron's number, 0 for none
int neuronAuswahlMenu();
// The name a neuron goes by on screen: its own, "Neuron N" (text 1404) while it has none.
// Files and result tables keep the stored name, empty or not.
std::string neuronAnzeigename(const NeuronDaten& n);
