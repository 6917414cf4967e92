// model/diagramm.h - the records of the diagrams
//
// Every neuron embeds its main diagram; further diagrams of the neuron hang behind it
// through naechstes. This header holds the data, the "current diagram" globals and the
// operations on the records; layout.h and kurven.h the geometry and the curve points that
// a run fills. The windows that show them are diagrams/diagramm.h's.
#pragma once
#include "core/schrift.h"
#include "platform/fenster.h"
#include "platform/zeichnen.h"
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct NeuronDaten;

constexpr int kurvenProDiagramm = 20;
// the first sample of a curve that holds no data (bits 0x42F6E9D5)
constexpr float keineDaten = 123.4567f;

// slots: 0 soma potential, 1 Na, 2 K, 3 Ca, 4 total current, 5-7 dendrite segments 1-3,
// 8-11 user channels 1-4, 12-19 reference curves 1-8
namespace kurve {
constexpr int Soma = 0, Natrium = 1, Kalium = 2, Calcium = 3, Gesamtstrom = 4;
constexpr int Dendrit1 = 5, Kanal1 = 8, Referenz1 = 12;
}
namespace kurvenReferenz {
constexpr int Eigen = 0, Gespeichert = 1, Kopie = 2, Synapse = 4, Freisetzung = 0x10, Spezial = 0x20;
}

// Room a slot keeps beyond its samples and points. The buffers never shrink while the slot
// lives: their size is the capacity, the counts say how much of it is in use.
constexpr int werteReserve = 64;            // samples past the step count
constexpr int punkteReserve = 512;          // points past 4 per pixel column

struct KurvenDaten {
    int punktAnzahl = 0;
    int werteAnzahl = 0;
    std::vector<int32_t> punkte;     // x, y pairs of the drawn line
    std::vector<float> werte;        // one sample per step, keineDaten at [0] when empty
    size_t schreibPosition = 0;      // next sample written by the engine
    int referenz = kurvenReferenz::Eigen;
    int stromreizSegment = 0;        // compartment + 1
    int externeNeuronId = 0;
    int externeKurveId = 0;
    int synapseId = 0;
    double yOffset = 0.0;
    double yZoom = 0.0;              // <= 0 counts as 1.0
    int eigeneYAchse = 0;
    int nullAufXAchse = 0;
    int yAchse2Wert = 0;
    int ziehen = 0;
    plattform::Rechteck trefferRechteck;
    double faktor = 0.0;
    double minY = 0.0, maxY = 0.0, xPos = 0.0;
    int festerTickAbstand = 0;
    double tickAbstand = 0.0;
    int anzahlTicks = 0, tickPos = 0, tickLaenge = 0, beschriftungAbstand = 0, dicke2Achse = 0;
    int dezimalstellenAn = 0, anzahlDezimalstellen = 0;
    int dimensionAnzeigen = 0, dimensionAbstand = 0, dimensionYPos = 0, neuBerechnen = 0;
    plattform::Farbe farbe = 0;
    int dicke = 0;
    int linienart = 0;
    std::string bezeichnung;         // up to 127 bytes
    std::string dimension;           // up to 31 bytes
    plattform::Rechteck legendeRechteck;
    int anzeigen = 0;
    int hervorheben = 0;
    int kanal = 0;                   // 1-based user channel of slots 8-11
    plattform::Stift stift = nullptr;
    plattform::Pinsel pinsel = nullptr;
};

namespace zeichenMittel { constexpr int Rechteck = 0, Cursor = 1, Achse = 2, Tick = 3, Gitter = 4; }

// A diagram record's serial number, unique in the program run. A copy of a record gets a
// number of its own; a record assigned to keeps its own. The number is given up when the
// record goes, or renewed when what points at the record is to let go of it.
class DiagrammKennung {
public:
    DiagrammKennung();
    DiagrammKennung(const DiagrammKennung&);
    DiagrammKennung& operator=(const DiagrammKennung&) { return *this; }
    ~DiagrammKennung();
    uint64_t wert() const { return wert_; }
    // not part of what the record holds: renewed on a record that is otherwise left alone
    void erneuern() const;
    static bool lebt(uint64_t wert);

private:
    mutable uint64_t wert_;
};

struct DiagrammDaten;

// A link from a diagram to another diagram record: the record and its serial number,
// looked up at use. It reads as null once the record has gone or has let go of its links,
// so that nothing has to search every diagram for the links to one record.
class DiagrammVerweis {
public:
    DiagrammVerweis() = default;
    DiagrammVerweis& operator=(DiagrammDaten* ziel);
    DiagrammDaten* get() const { return ziel_ && DiagrammKennung::lebt(kennung_) ? ziel_ : nullptr; }
    operator DiagrammDaten*() const { return get(); }
    DiagrammDaten* operator->() const { return get(); }
    friend bool operator==(const DiagrammVerweis& v, const DiagrammDaten* d) { return v.get() == d; }

private:
    DiagrammDaten* ziel_ = nullptr;
    uint64_t kennung_ = 0;
};

struct DiagrammDaten {
    DiagrammDaten* naechstes = nullptr;   // further diagrams of the same neuron, owned by the chain
    int nummer = 0;                       // 0 = the neuron's main diagram
    std::string titel;
    plattform::Fenster fenster = nullptr;
    int offen = 0;
    int neuronId = 0;
    int layoutAusstehend = 0;
    int fensterX = 0, fensterY = 0, breite = 0, hoehe = 0;
    int fensterHoehe = 0, fensterBreite = 0;   // permutation display only
    int xRand = 0, yRand = 0, xRandRechts = 0;
    double xUrsprung = 0.0, yUrsprung = 0.0;
    int xUrsprungManuell = 0;
    int yAchseX = 0, xAchseY = 0;
    std::array<int, 2> xAchseLinks{}, yAchseUnten{}, xAchseRechts{}, yAchseOben{};
    int plotBreite = 0, plotHoehe = 0;
    double minX = 0.0, maxX = 0.0;        // maxX -1: the whole run
    double minY = 0.0, maxY = 0.0;
    int achsenDicke = 0;
    plattform::Farbe rechteckFarbe = 0, linienFarbe = 0, achsenFarbe = 0, tickFarbe = 0;
    int tickLaenge = 0, tickDicke = 0;
    int xTickY1 = 0, xTickY2 = 0, yTickX1 = 0, yTickX2 = 0, xTickPosition = 0, yTickPosition = 0;
    double xTickIntervallWirksam = 0.0, xTickIntervall = 0.0, yTickIntervall = 0.0;
    double xPixelProTick = 0.0, yPixelProTick = 0.0;
    int ursprungBeschriften = 0;          // 0x1 x, 0x2 y
    plattform::Farbe textFarbe = 0;
    FontDaten achsenSchrift;
    FontDaten legendeSchrift;
    int tickFontSize = 0, legendeFontSize = 0, legendeX = 0, legendeY = 0;
    int legendeLinksbuendig = 0, ticksAnpassen = 0, dimensionenAnzeigen = 0;
    std::string xDimension, yDimension;   // "[s]", "[mV]"; up to 63 bytes
    int xDimensionPosition = 0, xDimensionAbstand = 0, yDimensionAbstand = 0, yDimensionPosition = 0;
    int dimensionLinks = 0, dimensionSchriftgroesse = 0, xTextAbstand = 0, yTextAbstand = 0;
    int hilfslinien = 0, horizontaleHilfslinien = 0, vertikaleHilfslinien = 0;
    int definierteHorizontaleHilfslinie = 0, definierteVertikaleHilfslinie = 0;
    int linienDicke = 0, linienArt = 0, linienWieTicks = 0;
    double abstandHorizontalerLinien = 0.0, abstandVertikalerLinien = 0.0;
    // pens and brushes of the plain rectangles, cursors, axes, ticks and grid (zeichenMittel::*)
    std::array<plattform::Stift, 5> stifte{};
    std::array<plattform::Pinsel, 5> pinsel{};
    std::array<KurvenDaten, kurvenProDiagramm> kurven;
    int yAchse2Slot = 0;
    DiagrammVerweis yAchse2Quelle;        // the record holding the second axis's settings
    NeuronDaten* yAchse2Neuron = nullptr;
    double vCursor1 = 0.0, vCursor2 = 0.0;
    int vCursorGegriffen = 0;
    double vCursorAbstand = 0.0;
    int vCursorZustand = 0, zweiterVCursor = 0;
    int cursorArt = 0, cursorDicke = 0;
    plattform::Farbe cursorFarbe = 0;
    int dezimalstellenVCursor = 0;
    double hCursor1 = 0.0, hCursor2 = 0.0, hCursorAbstand = 0.0;
    int hCursorZustand = 0, verschiebungX = 0, verschiebungY = 0, zweiterHCursor = 0;
    plattform::Farbe hCursorTextFarbe = 0;
    int dezimalstellenHCursor = 0;
    plattform::Zeichenflaeche* speicherDC = nullptr;
    plattform::Bild bild = nullptr;
    uint32_t zustand = 0;                 // 0x8000 new data, cursor states 0x10000-0x80000
    int neuZeichnen = 0;
    int dezimalstellenX = 0, dezimalstellenXFest = 0, werteInLegende = 0, dezimalstellenWerte = 0;
    int apFrequenzAnzeigen = 0, apAnzahl = 0, freisetzungsKurven = 0, ersterSichtbarerSchritt = 0;
    DiagrammKennung kennung;
};

// the diagram the user works with: set by creating a diagram and by clicks into one
struct AktuellesDiagramm {
    DiagrammDaten* diagramm = nullptr;
    int kurvenSlot = 0;                   // of the curve dialog
    int kurvenWort = 0;
    DiagrammDaten* messDiagramm = nullptr;   // the diagram being created or measured in
    plattform::Fenster messFenster = nullptr;  // the window whose clicks the time measurement takes
    int messModus = 0;                    // 0x10 time measurement, 0x8 magnitude measurement
};
extern AktuellesDiagramm aktuellesDiagramm;

// the stored window list: 256 entries, neuron id 0 ends it
struct FensterlistenEintrag { int neuronId = 0, diagrammId = 0, x = 0, y = 0, breite = 0, hoehe = 0; };
constexpr int fensterlistenLaenge = 256;
using Fensterliste = std::array<FensterlistenEintrag, fensterlistenLaenge>;
extern Fensterliste fensterliste;
// Before a stored list is restored: the entries of neurons that no longer exist leave it,
// the rest move up in their order, so the list still ends at the first empty entry.
void fensterlisteBereinigen(Fensterliste& liste);

// the main diagram of stdNeuron: the format of new diagrams and the fallbacks of the layout
extern DiagrammDaten& diagrammVorlage;

// the program-wide diagram settings of the settings file
struct DiagrammOptionen {
    int scrollleisteAnzeigen = 0;         // "horizontale scrollbar in diagrammfenster anzeigen"
    int scrollleisteAutomatisch = 0;      // "... automatisch anzeigen"
    int minimalBreite = 250, minimalHoehe = 100;   // of a diagram window
    int alleVerlinken = 0;
    int kontextMenuCursor = 0;            // cursors are placed through the context menu
    int strgMNurMinimieren = 0;           // "fenster bei strg+m minimieren": 1 on, -1 on for one call
    double wavKalibrierung = 0.0;         // mV; 0: raw data
    int wavYAchseOptimieren = 0;
    // event detection
    double schwelle = 0.0, totzeit = 0.0;
    int glaettungsrate = 0, kurveGlaettenAn = 0, ungeglaettetAusschliessen = 0;
    int blockgroesse = 9000;              // growth step of the event list text
    int ereignisseAlsLinien = 0, hoeheAlternieren = 0;
    int strgMMinimieren = 0;              // Ctrl+M minimises the main window
};
extern DiagrammOptionen diagrammOptionen;

// The event times of the time measurement, which the diagrams mark as lines
// (diagrammOptionen.ereignisseAlsLinien, labels alternating over hoeheAlternieren rows).
// The list belongs to no diagram; its size is the event count.
namespace erkennungsBit {
constexpr int Nummer = 0x20, Zeit = 0x40;
constexpr int BereichAusZweien = 0x80;     // two listed events are the detection range
constexpr int Steigend = 0x100, Fallend = 0x200;
constexpr int BereichGesetzt = 0x400;      // the range was taken from two events
constexpr int StillLoeschen = 0x800;       // the next "Clear all" asks nothing
constexpr int SchwelleOffen = 0x1000, DialogOffen = 0x2000;
}
struct Zeitmessung {
    std::vector<double> ereignisZeiten;   // s, in the order added
    int erkennungsOptionen = 0;           // erkennungsBit::* and the detection's own bits
    // The list grows in steps of 100 entries (capacity counted, not the vector's), the
    // list text in steps of diagrammOptionen.blockgroesse bytes.
    int ereignisKapazitaet = 0;
    int ereignisAnzahl = 0;
    std::string ereignisText;             // what the list box shows, one "%.5lf\r\n" line per event
    int ereignisTextKapazitaet = 0;
    plattform::Fenster messDialog = nullptr;   // the time measurement dialog while it is open
    int dezimalKomma = 0;                 // the list writes ',' for '.'
    int stopAnforderung = 0;              // STOP pressed: a running scan ends
    int loeschenFragen = 1;               // 0 once the user chose to clear without asking
    int dialogX = 0, dialogY = 0, dialogPositionGesetzt = 0;
    // event detection
    double bereichStart = 0.0, bereichEnde = 0.0;   // s
    plattform::Farbe alteKurvenfarbe = 0;
    int letzteGlaettungsrate = 0;
    int suchlaufAktiv = 0;                // a scan runs: Threshold, Load and Clear all wait
    int schwelleDialogX = 0, schwelleDialogY = 0, schwelleDialogPositionGesetzt = 0;
};
extern Zeitmessung zeitmessung;

// ---- pixels --------------------------------------------------------------------------
// What any drawing surface takes: coordinates beyond it are off every page anyway.
constexpr int pixelGrenze = 32767;
// A pixel coordinate from a computed double: rounded half away from zero and kept inside
// [min, max]. A value that is not a number gives min, so it lands off the plot, never in
// an undefined conversion.
inline int pixelWert(double v, int min = -pixelGrenze, int max = pixelGrenze)
{
    if (!(v == v))
        return min;
    if (v <= min)
        return min;
    if (v >= max)
        return max;
    return static_cast<int>(v < 0.0 ? -static_cast<long long>(-v + 0.5) : static_cast<long long>(v + 0.5));
}

// ---- buffers ---------------------------------------------------------------------------
// Makes room for schritte samples (plus the reserve). A buffer that is large enough stays
// as it is; a smaller or missing one is replaced by one filled with the no-data mark.
// False when memory runs out (the slot is left without samples then).
bool wertePufferBereitstellen(KurvenDaten& k, int schritte);
// the same for the points of a plot breite pixels wide
bool punktPufferBereitstellen(KurvenDaten& k, int breite);
// frees both buffers of the slot; the counts become 0
void kurvenPufferFreigeben(KurvenDaten& k);
// samples that may be read: the count, never more than the buffer holds
inline int lesbareWerte(const KurvenDaten& k)
{
    return k.werteAnzahl < static_cast<int>(k.werte.size()) ? std::max(k.werteAnzahl, 0)
                                                              : static_cast<int>(k.werte.size());
}
// room for points (x, y pairs)
inline size_t punktPlatz(const KurvenDaten& k) { return k.punkte.size() / 2; }
inline bool hatDaten(const KurvenDaten& k) { return !k.werte.empty() && k.werte[0] != keineDaten; }

// ---- records ---------------------------------------------------------------------------
// Copies the diagram format (teil 1) or the curve formats of the 20 slots without their
// buffers (teil 2); a neuron also sets ziel's neuronId.
void diagrammFormatKopieren(DiagrammDaten* ziel, const DiagrammDaten* quelle, const NeuronDaten* neuron, int teil);

// Frees what a diagram holds (curve buffers, its drawing objects) and destroys its window.
void diagrammGdiFreigeben(DiagrammDaten& d);
void diagrammFreigeben(DiagrammDaten& d);
// Clears every global that points at the diagram or its window (the current diagram, the
// measured one and the measuring window) and lets go of the diagrams' links to it (the
// second-axis source of any diagram): called before a record is freed or its window goes.
void diagrammVerweiseLoesen(const DiagrammDaten& d);

// Clears a slot: reset in the working copy, the curve formats written back into the
// diagram, the diagram's buffers of that slot freed, and the first copy of that curve in
// another diagram cleared as well.
void kurveEntfernen(NeuronDaten* neuron, DiagrammDaten* arbeitskopie, DiagrammDaten* diagramm, int slot);

// ---- fonts and new records ------------------------------------------------------------
// (Re)creates the font at this point size for the screen, always with orientation 900.
void fontErzeugen(FontDaten* schrift, int punkte);
// the same without fontErzeugen's checks: for records that exist for certain
void schriftFuerBildschirm(FontDaten& schrift, int punkte);

// the smallest number from 1 up that no diagram of the neuron bears
int freieDiagrammNummer(const NeuronDaten& neuron);
// "name" for the main diagram, "name N" for further ones
std::string diagrammTitel(const NeuronDaten& neuron, const DiagrammDaten& d);
// A new further diagram at the end of the neuron's list, with the smallest free number and
// offen = 1; null when memory runs out (after the fatal message and the shutdown).
DiagrammDaten* diagrammAnhaengen(NeuronDaten& neuron);
