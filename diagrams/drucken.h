// diagrams/drucken.h - printing one window on one page, the printer list, the page metrics,
// the printer fonts and the header and footer texts
//
// The network window and the diagram windows print through fensterDrucken; the painters
// learn that they print from druckeNetzwerk (the network) or the neuron's druckAktiv (a
// diagram) and then read the page of the open job.
#pragma once
#include "core/schrift.h"
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/zeichnen.h"
#include <ctime>
#include <string>
#include <vector>

struct DiagrammZeichner;
struct SeitenEinrichtung;

// the printer menus hold at most this many printers (commands 50000 to 50099)
constexpr int druckerListeGroesse = 100;

// The program's print record. (plattform::DruckAuftrag is a job handle of the platform.)
struct DruckAuftrag {
    std::string druckerName;                 // the chosen printer; "" when none is chosen
    std::vector<std::string> druckerListe;   // entry i belongs to the menu command 50000 + i
    int druckerAnzahl = 0;
    int druckeNetzwerk = 0;                  // 1 while the network picture is painted for the page
    FontDaten druckerSchrift;                // the network picture's printer font
    std::string pdfDatei;                    // the PDF printer's file; "" asks at each print
};
extern DruckAuftrag druckAuftrag;
// the system's default printer; without one the PDF printer
extern std::string standardDrucker;
// the page the network painter draws on while druckeNetzwerk is 1
extern plattform::Zeichenflaeche* netzwerkDruckDC;

// Prints the window (the main window's network picture or a diagram window) on one page
// of the printer druckerName, laid out by the page record; titel names the job.
void fensterDrucken(plattform::Fenster f, SeitenEinrichtung& seite, DruckAuftrag& auftrag, const std::string& titel);
// Chooses a printer. Without a name the record's own is kept (notice 107 when there is
// none). The printer list, its count and the printer font stay.
void druckerNameSetzen(DruckAuftrag& auftrag, const char* name);

// ---- the page, while a job is open --------------------------------------------------------
// The sheet, its printable area and the margins in device units. False, with nothing
// changed, when no job is open; false too when no room is left between the margins.
bool druckerSeiteLesen(SeitenEinrichtung& seite, const std::string& drucker);
// The font of the record (with a source: the source's description) created for the page's
// resolution; the record's old font goes. Nothing without an open job.
void druckerSchriftErzeugen(FontDaten& schrift, const FontDaten* quelle);
// The print area of a diagram window: the part printed and the logical size mapped onto
// the printable size.
void druckBereichBerechnen(plattform::Fenster f, SeitenEinrichtung& seite, DruckAuftrag& auftrag);
// The same for the network picture: netz is the box the neurons are drawn in (null when
// there is none; the window's client area is printed then).
void netzDruckBereichBerechnen(SeitenEinrichtung& seite, const plattform::Rechteck* netz, plattform::Rechteck client);
// The page cannot be printed (no room, nothing to scale): fensterDrucken drops the job.
void druckSeiteVerwerfen();
// The hairline round the printable area and the frame inside the margins, as the record
// asks; then the header and footer texts.
void seitenRahmenZeichnen(plattform::Zeichenflaeche& z, const SeitenEinrichtung& seite);
void kopfUndFussZeichnen(plattform::Zeichenflaeche& z, SeitenEinrichtung& seite);

// Expands ^D (date dd.mm.yy), ^U (time hh:mm) and ^F (the network file's name) at the time
// given; a caret with anything else, or at the end, vanishes. At most 1023 bytes result.
std::string kopfzeileErsetzen(const std::string& ein, const std::tm& jetzt);

// ---- the printer list ---------------------------------------------------------------------
// The printer submenu of the menu (found by its head item 40172) from the printer list.
void druckerUntermenueFuellen(plattform::Menue m);
// the printer submenu of a window's menu
void druckerMenueFuellen(plattform::Fenster fenster);
// Starts the search for printers in the background. One search runs at a time; asked
// during one, another runs once after it. The newest result fills the list, the standard
// printer and the printer submenus of the main menu and of every diagram window.
void druckerSucheStarten(plattform::Fenster hauptfenster);
// main-window timer 11. The search is never cut off (a half-written list helps nobody),
// so there is nothing to end: true.
bool druckerSucheBeenden();
// for tests: waits until no search runs and hands its result over
void druckerSucheAbwarten();

// ---- the painter on a page ------------------------------------------------------------
// The page of the window's diagram: its metrics and print area for the chosen printer, the
// printer fonts, and the painter's scale, offset and print rows. False: no page to paint.
bool diagrammSeiteVorbereiten(DiagrammZeichner& zeichner);
// the frame round the printable area and the frame of the page set-up, where asked for,
// and the header and footer
void diagrammSeitenrahmenZeichnen(DiagrammZeichner& zeichner);
// the diagram font at this point size for the printer; null: the screen font serves
plattform::Schrift diagrammDruckSchrift(int punkte);
