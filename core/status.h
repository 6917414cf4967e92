// core/status.h - the program-wide status words and the records every subsystem reads
//
// Every subsystem tests the status words; their bits are named here, one constant per
// meaning. Where two parts of the program read one bit differently, each reading has its
// own name on the same value, so a reader sees the overlap instead of a silent choice.
// The records of the program frame that only the frame reads stay in app/status.h.
#pragma once
#include "core/schrift.h"
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/zeichnen.h"
#include "resources/menues.h"
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct NeuronDaten;    // the neuron record of the network model
struct SynapseDaten;

// ---- the status words ------------------------------------------------------------------
extern uint32_t programmStatus;   // first word: run state and the options the settings keep
extern uint32_t anzeigeStatus;    // second word: display and drag states
extern uint32_t modusStatus;      // third word: permutation mode and series
extern uint32_t skriptStatus;     // fourth word: the script machine
extern uint32_t ladeStatus;
extern uint32_t editierStatus;

namespace programmBit {
constexpr uint32_t ErgebnisDa            = 0x1;        // a run has finished
constexpr uint32_t WiederherstellenAuslassen = 0x4;    // skip the next restore of the main window by its timer
constexpr uint32_t ZuletztGeladeneOeffnen = 0x8;       // open the remembered network at start-up
constexpr uint32_t AxoAxonisch           = 0x10;       // axo-axonic synapses switched on
constexpr uint32_t LaufAktiv             = 0x20;       // a run is in progress
constexpr uint32_t ProgrammSchliesst     = 0x40;       // the program is closing: a running series ends
constexpr uint32_t SynapsenNichtNebeneinander = 0x100; // "synapsen nebeneinander darstellen=" is 0
constexpr uint32_t EinstellungenGeladen  = 0x200;      // a settings file was read
constexpr uint32_t SpikesZaehlen         = 0x1000;     // count and show spikes
constexpr uint32_t AbbruchAnforderung    = 0x4000;     // abort request (diagram X key, EPSP-table rating)
constexpr uint32_t ArbeitskopieAnfordern = 0x8000;     // the opener of dialog 127 asks for a working copy
constexpr uint32_t LayoutFuerPermutation = 0x8000;     // ... and the layout dialog works on the permutation display
constexpr uint32_t LaufGesperrt          = 0x10000;    // runs locked: imported data a run would overwrite
constexpr uint32_t LaufErgebnisDa        = 0x20000;    // run result present (dialog 128 tests it)
constexpr uint32_t WerteExportieren      = 0x40000;    // export the recorded values as text
constexpr uint32_t SomaDateiLesen        = 0x80000;    // read the soma-potential file with a network file
constexpr uint32_t SomaDateiSchreiben    = 0x100000;   // write the soma-potential and reference-curve files
constexpr uint32_t NetzGeladen           = 0x200000;   // a network is loaded
constexpr uint32_t VorlagenModus         = 0x400000;   // template mode of dialog 127
constexpr uint32_t DiagrammeOeffnen      = 0x800000;   // open the stored diagram windows after loading
constexpr uint32_t Beschaeftigt          = 0x1000000;  // busy: after a run, around a DAT read, in the permutation display
constexpr uint32_t Druckt                = 0x1000000;  // a page prints (diagram windows do not paint); the quick exit sets it too
constexpr uint32_t KeineStatusleiste     = 0x2000000;  // no status-bar updates
constexpr uint32_t NachLaufMinimieren    = 0x4000000;  // minimise the main window after a run
constexpr uint32_t StromdateienNutzen    = 0x8000000;  // use current files
// ours: no part names a bit for the start-up; high enough that no stored option uses it
constexpr uint32_t StartUnfertig         = 0x10000000;
}

namespace anzeigeBit {
constexpr uint32_t SynapsenBeimVerschieben = 0x10;  // synapses drawn while neurons move
constexpr uint32_t DiagrammWirdPlatziert = 0x20;    // diagrammeVerwalten moves a window: its height is not stored
constexpr uint32_t ErsteMessmarkeZiehen  = 0x40;    // a value-cursor label is being dragged
constexpr uint32_t ZweiteMessmarkeZiehen = 0x80;
constexpr uint32_t WeitereDiagrammeSchliessen = 0x100;
}

namespace modusBit {
constexpr uint32_t Permutationsmodus     = 0x1;
constexpr uint32_t SerieLaeuft           = 0x2;      // the painter draws the level bars meanwhile
constexpr uint32_t SerieAbbrechen        = 0x4;
constexpr uint32_t NeuronPerKlick        = 0x8;      // a neuron is chosen by a click: no context menu
constexpr uint32_t DefinitionDa          = 0x10;
constexpr uint32_t DefinitionUngespeichert = 0x20;
constexpr uint32_t FreieReihenfolge      = 0x80;
constexpr uint32_t ErgebnisseVerfuegbar  = 0x100;
constexpr uint32_t NeuronzahlOhnePlusEins = 0x200;   // neuron counts shown without +1
constexpr uint32_t PermutationsfensterOffen = 0x200; // dialog 127 does not clamp to the run; diagram Home/End/Up/Down idle
constexpr uint32_t ErgebnisseAngezeigt   = 0x200;    // the display shows results (set by 207 and the loads)
constexpr uint32_t IndexGeladen          = 0x800;
constexpr uint32_t DateiOperation        = 0x1000;   // a result-file operation runs; clearing it stops it
constexpr uint32_t KlassenAusErgebnis    = 0x2000;
constexpr uint32_t Pause                 = 0x4000;   // a series is paused (235, 236)
constexpr uint32_t Teilsimulation        = 0x8000;   // compute each permutation as a part-simulation
constexpr uint32_t InteraktiveDefinition = 0x10000;
constexpr uint32_t TextExport            = 0x20000;
constexpr uint32_t ErgebnisseNachFreier  = 0x40000;
constexpr uint32_t SpikefolgenBewertung  = 0x80000;
constexpr uint32_t BurstBericht          = 0x100000;
}

namespace skriptBit {
constexpr uint32_t Laeuft                = 0x1;
constexpr uint32_t Anhalten              = 0x2;      // stop request (saving results failed)
constexpr uint32_t AuswertungLaedt       = 0x4;      // the evaluation loads its network or script: no dialog
constexpr uint32_t AuswertungsdatenDa    = 0x8;
constexpr uint32_t Abbrechen             = 0x10;     // cancel request (40040)
constexpr uint32_t LadeFehler            = 0x20;     // alone: a failed load
constexpr uint32_t Interaktiv            = 0x40;     // an interactive script: no diagram closing, size locked
constexpr uint32_t AuswertungsModus      = 0x40;     // evaluation mode on (skriptFreigeben keeps only this bit)
constexpr uint32_t KeineReizZeichnung    = 0x80;     // the diagram painter skips stimulus marks and curves
constexpr uint32_t ErgebnisKurvenFreigeben = 0x80;   // result curves are being released
constexpr uint32_t ErgebnisseAngezeigt   = 0x100;    // results shown; the plain curve loop draws only then
constexpr uint32_t ErgebnisKopfGeladen   = 0x200;
constexpr uint32_t MusterIndizierung     = 0x400;
constexpr uint32_t AsciiWerte            = 0x800;    // ASCII values of the result curves, numbered export files
constexpr uint32_t SkriptBehalten        = 0x1000;   // keep the script on the next close
constexpr uint32_t InteraktiveAusfuehrung = 0x2000;  // status parts 1 and 2 go into the interactive window too
constexpr uint32_t InteraktivGeaendert   = 0x4000;
constexpr uint32_t Fortsetzen            = 0x8000;   // restarted: continue at a simulation number
constexpr uint32_t DateiAusSkriptLaden   = 0x10000;
constexpr uint32_t Geladen               = 0x80000000;
}

namespace ladeBit {
constexpr uint32_t FensterlisteOeffnen   = 0x80000000;  // diagram windows opened from a loaded window list
}

namespace editierBit {
constexpr uint32_t MarkierteZiehen       = 0x4;      // marked neurons are dragged
constexpr uint32_t DateiWirdGelesen      = 0x8;      // a network file creates neurons: no status texts, no repaints
constexpr uint32_t NetzWirdGelesen       = 0x10;     // an open reads its file or gives the network before it back
constexpr uint32_t LesenAbgebrochen      = 0x20;     // Cancel at a box that would end the program abandoned the read
}

// A network is being read (an open, the give-back after a failed one, a definition imported):
// what exists of it is nobody's yet, so the end offers and writes nothing of it, and the
// Cancel of a box that would end the program abandons the read instead.
inline bool netzWirdGelesen() { return editierStatus & (editierBit::DateiWirdGelesen | editierBit::NetzWirdGelesen); }
// The read under way was abandoned at such a box, by whichever step showed it: the read
// fails, though the step itself may have gone on. A read clears it when it starts.
inline bool lesenAbgebrochen() { return netzWirdGelesen() && (editierStatus & editierBit::LesenAbgebrochen); }
inline void lesenBeginnen() { editierStatus &= ~editierBit::LesenAbgebrochen; }

// a run, a script run or a permutation series is on the stack and pumps messages, or a
// server run is on between its start and its end handling
bool laufAktiv();
// Set by the GUI thread from a server start until its end handling; read there only. The
// server thread meanwhile owns the network: nothing on the GUI thread may change it.
extern bool serverLaufAktiv;
// A result-file operation of the permutation mode reads or writes with messages pumped
// between its blocks; it lives on the stack while this record does. The end waits for it as
// for a run, and stops it by clearing modusBit::DateiOperation.
struct DateiOperationAufStapel {
    DateiOperationAufStapel();
    ~DateiOperationAufStapel();
    DateiOperationAufStapel(const DateiOperationAufStapel&) = delete;
    DateiOperationAufStapel& operator=(const DateiOperationAufStapel&) = delete;
};
// a run (laufAktiv) or a result-file operation is on the stack: nothing may be freed yet
bool endeMussWarten();
// asks every run and result-file operation on the stack to stop, and marks the program as
// closing
void laeufeAbbrechenZumSchliessen();
// the end was refused (Cancel or a failed save at an offer): the program is no longer
// closing, and the next series, script or server run goes on as usual
void schliessenZuruecknehmen();

// The start values: first word 0x800000, second 0x10, the others 0. The start-up mark
// survives, so a reset during the initialisation keeps it.
void statusWoerterSetzen();
extern int doppelklickAktiv;               // set by a first click (editor or diagram), cleared by timer 6
extern int schnellBeenden;                // while set, left Shift+Esc in a diagram ends the program
// client point of the last click that opened a context menu (network editor or diagram);
// the commands of that menu act at it
extern plattform::Punkt letzterKlickpunkt;

// ---- window handles and the status bar ------------------------------------------------------
struct Fensterhandles {
    plattform::Fenster hauptfenster = nullptr;    // owner of dialogs and timers
    plattform::Menue hauptmenue = nullptr;        // menu of the simulation mode; holds the printer list
    plattform::Fenster statusleiste = nullptr;
    plattform::Fenster protokollfenster = nullptr; // the protocol text box (inside the main window or its own)
    plattform::Menue permutationsMenue = nullptr;  // loaded on entry to permutation mode
    plattform::Menue auswertungsMenue = nullptr;
    plattform::Fenster interaktivFenster = nullptr; // the interactive script window
    plattform::Menue interaktivMenue = nullptr;
    int anzeigeBefehl = plattform::anzeige::Normal;
};
extern Fensterhandles fensterhandles;
extern plattform::Menue offenesKontextMenu;  // the popup being tracked, null otherwise

// ---- the menus of the modes ---------------------------------------------------------------
// Sets (modus 1), clears (-1) or toggles (0) the check mark of the item with this command in
// the window's menu bar. The new state: 8 ticked, 0 not (0 also when there is no such item).
int menuePunktHaken(plattform::Fenster f, int befehl, int modus);
// A mode's menu in the language sprache; null for a language that has none.
plattform::Menue modusMenueLaden(Modusmenue art);
// m becomes the main window's menu bar (null: the simulation mode's, fensterhandles.hauptmenue)
// and is drawn; the bar shown before is kept, not destroyed.
void hauptfensterMenueZeigen(plattform::Menue m);
// The permutation mode's menu (loaded once into fensterhandles.permutationsMenue) becomes the
// main window's; false when the language has none, and nothing changes then.
bool permutationsMenueZeigen();
// The simulation mode's menu is the main window's again; the permutation mode's goes.
void simulationsMenueZeigen();

constexpr int statusTeile = 5;
constexpr size_t statusTextLaenge = 128;
// the texts of the status-bar parts, each beginning with a tab
extern std::array<std::string, statusTeile> statusTexte;
// stores the text (cut to 127 bytes) and shows it in the part, raised, the bar out of
// simple mode; nothing reaches the bar while programmStatus KeineStatusleiste is set
void statusTeilSetzen(int teil, const std::string& text);

// The desktop work area, taken at start-up: its bottom and right edges. Dialogs centre and
// clamp themselves between 0 and these edges, so for them edge and extent are one. (Named
// apart from plattform::arbeitsbereich(), which files using that namespace call.)
struct Arbeitsbereich { int unten = 0; int rechts = 0; };
extern Arbeitsbereich arbeitsbereichKanten;
extern int bildschirmBreite, bildschirmHoehe;

// ---- paths ----------------------------------------------------------------------------
struct Dateipfade {
    // The loaded network's own file: name without folder and extension, and the path (the
    // main window's title after loads and runs). Empty while it has none; a network read
    // from curve data or a recording keeps its source's name but no path.
    std::string netzName;
    std::string dokumentVerzeichnis;
    std::string vollerPfad;
    std::string endung;
    bool ohneNetzdatei = false;       // curve data or a recording: the name is no file to save into
    std::string quellPfad;            // ... the file it was read from (curve data, recording, result file)
    // "zuletzt geladene eingabedatei=": the network file last loaded or saved, which the
    // settings remember for the open dialog and the start; no save ever goes there unasked
    std::string letzteNetzDatei;
    // ... its folder and extension: the settings name the three of one file, wherever the
    // files opened since lie (the document folder follows them)
    std::string letzterNetzOrdner, letzteNetzEndung;
    int dateiArt = -1;                // 1 network file, 0 Tervak file, -1 unknown
    std::string programmVerzeichnis;  // with a trailing '/'; the "parameter" folder lies below it
    std::string letzteSkriptDatei;
    std::string filterText;
    long letzteNetzLaenge = 0;        // bytes of the last network file read
    std::string oeffnenPfad;          // the file chosen for opening: full path
    std::string oeffnenName;          // ... and name with extension
    std::string permutationsDefinition;
    std::string ergebnisVerzeichnis;  // set when a result file is chosen
    std::string startDatei;           // named on the command line, quotes removed
    int startModus = 0;               // 1: the first settings read opens startDatei
    std::string laufInfoDatei;        // named by the run driver; removed at the end
    // the other file kinds' extensions and open-dialog filters the settings file keeps
    // (filters hold '0' where the dialog separates text and pattern)
    std::string permutationsEndung, protokollEndung;
    std::string ausgabeFilter, permutationsFilter, konfigurationsFilter, protokollFilter;
    int filterIndex = 0;              // "filter fuer eingabedateien="
    std::string cfgName, cfgEndung;   // of the settings file; "default" and "cfg" when empty
};
extern Dateipfade dateipfade;
// The network has a file of its own that a save may write without asking: a name, and it
// came from neither curve data nor a recording. The save asks for a name otherwise, and
// the offers to save treat the network as one without a file.
bool eigeneNetzdatei();
// The main window's title for the network: its file's path; for one without a file of its
// own the file it was read from; "unbenannt" for one never saved. netzTitelZeigen sets it.
std::string netzTitel();
void netzTitelZeigen();


// ---- windows and settings that the settings and network files keep ----------------------------
struct HauptfensterGeometrie { int x = 0, y = 0, breite = 0, hoehe = 0, clientBreite = 0, clientHoehe = 0; };
extern HauptfensterGeometrie hauptfensterGeometrie;

// the protocol text window
constexpr int protokollMindesthoehe = 50;    // an embedded protocol window is never lower
struct Protokoll {
    plattform::Fenster eigenesFenster = nullptr;   // the own window when not embedded
    int eingebettet = 1;                 // inside the main window, above the status bar
    int eingebetteteHoehe = 0;           // the refresh makes 30 or less 60
    std::string gesicherterText;         // the text while no window shows it
    int sichtbar = 1;
    int x = 0, y = 0, breite = 0, hoehe = 0;   // own window; the refresh gives 50, 50, 500, 500 for zeros
    FontDaten schrift;
};
extern Protokoll protokoll;

// The dialogs' own settings (stored by the settings and network files).
struct DialogEinstellungen {
    int dialogeKomplett = 0;        // show command of the optional controls: 1 shown, 0 hidden
    int synapsenDialogAnzeige = 0;  // show command of the synapse dialogs' options: 5 shown, 0 hidden
    int werteChecken = 0;           // check values before facilitation parameters are computed
    int strominjektionAnzeige = 0;  // show command of the current-injection dialog's full display
    int diagrammDialogAnzeige = 0;  // the diagram dialogs': 5 full view, 0 simple view
};
extern DialogEinstellungen dialogEinstellungen;

struct Formel { std::string name; int funktionaleForm; };
extern std::vector<Formel> formelListe;   // the gate formulas the channel dialog offers

// the timed info box
struct AnzeigeboxParameter {
    plattform::Fenster fenster = nullptr;   // the open info box, null when none is open
    int anzeigedauer = 2000;                // ms an opener keeps the box up
    float programmVersion = 6.2f;           // shown by the splash
};
extern AnzeigeboxParameter anzeigeboxParameter;

// ---- what the frame shows and how, as the settings file keeps it --------------------------
extern double zoomFaktor;                    // grid units to pixels of the network picture
extern double kleinsterZoom, groessterZoom;
extern int statuszeilenAnzeigedauer;         // ms a passing status text stays (timer 2)
struct Zeiteinstellungen {
    int doppelklick = 0;                  // ms of the double-click window (timer 6)
    int kurvenMarkierung = 0;             // ms a curve stays highlighted (timer 8)
    int prozesszeitIntervall = 0;         // ms between process-time displays
};
extern Zeiteinstellungen zeiteinstellungen;

// options that only the settings file keeps
struct Programmoptionen {
    int undoMaximum = 10;                   // "maximale undo anzahl="
    float pspSchwelle = -0.069f;            // V, the PSP detection threshold
    int kanalDialogSofortStarten = 0;       // the channel-properties dialog starts a run at once
    int heimverzeichnisAnzeigen = 0;        // "homeDir beim programmstart anzeigen="
    int ohneSpeichernBeenden = 0;           // "programm ohne speichern beenden (vorsicht)="
    int synapsenIdsAnzeigen = 0;            // "synapsen-ID anzeigen="
    int parameterHinweis = 1;               // the note that a changed parameter is drawn after the next run
    int alleDiagrammeFormatieren = 0;       // lay out all diagrams when a diagram dialog closes with OK
    int potentialbegrenzungKennzeichnen = 0; // mark neurons with a potential limit in the picture
};
extern Programmoptionen programmOptionen;

// ---- fonts and pens -------------------------------------------------------------------
extern FontDaten standardSchrift;
extern plattform::Farbe standardFarbe;      // the standard text colour, kept apart from standardSchrift
extern FontDaten neuronBeschriftungSchrift; // the neuron labels of the network window
extern FontDaten tooltipSchrift;            // its farbe is the tooltip text colour
extern plattform::Farbe tooltipHintergrund;
extern std::array<int, 3> linienArten;      // pen styles of line styles 0 solid, 1 dash, 2 dot
namespace textHintergrund { constexpr int Transparent = 1, Deckend = 2; }
extern int textHintergrundModus;            // how the diagram painter sets the text background

// ---- spike recording ------------------------------------------------------------------------
struct SpikeEreignis { double zeit; NeuronDaten* neuron; };
struct SpikeAufzeichnung {
    std::vector<SpikeEreignis> ereignisse;   // grows by 1000 entries at a time
    int letzterIndex = 0;
    int aufzeichnen = 0;                     // the switch "APs bei Simulation aufzeichnen"
    int wiedergabe = 0;                      // playback running
    int wiedergabeIndex = 0;
};
extern SpikeAufzeichnung spikeAufzeichnung;
void aufzeichnungEintragen(SpikeAufzeichnung& a, NeuronDaten* neuron, double t);
void aufzeichnungLoeschen(SpikeAufzeichnung& a);   // frees the list and zeroes the indices; the switch stays

// ---- the run state (the engine's; the abort flag is set here too) ------------------------------
struct LaufZustand {
    double t = 0.0;                      // simulation time in seconds
    int abbrechen = 0;                   // ends the loop after the current step
    SynapseDaten* aktuelleSynapse = nullptr;
    int eingerichtet = 0;                // set-up done
    int nachLauf = 0;                    // every run after the first repeats the set-up
    int apAnzahl = 0;
    int schrittZaehler = 0;
    int prozessorzeitAnzeigen = 0;
};
extern LaufZustand laufZustand;

// ---- the remaining-time window --------------------------------------------------------------
struct RestzeitFenster {
    plattform::Fenster fenster = nullptr;   // held while a run or a series shows it
    plattform::Rechteck rechteck{200, 200, 400, 300};   // on the screen, kept by moving and sizing
    double fortschritt = 0.0;               // percent; the run driver sets 0 before showing
    int geplanteLaeufe = 0;                 // a permutation series: runs planned
    int permutationsNummer = 0;             // ... and the current one
    FontDaten schrift;
    plattform::Farbe textFarbe = 0;
};
extern RestzeitFenster restzeit;
