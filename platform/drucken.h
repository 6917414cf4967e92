// platform/drucken.h - printers and print jobs
//
// The printer list is the system's (CUPS) printers plus one PDF printer that is always
// there, so printing works on every machine. A job prints one page.
#pragma once
#include "platform/zeichnen.h"
#include <string>
#include <vector>

namespace plattform {

extern const char* const pdfDrucker;      // the name of the always-present PDF printer

// Safe to call from any thread (the program fills its printer menu from a thread).
std::vector<std::string> druckerListe();  // the PDF printer last
std::string standardDrucker();            // the system's default, else the PDF printer

struct DruckEinstellung {
    std::string drucker;          // a name of druckerListe(); "" = the default printer
    bool quer = false;            // landscape
    std::string dokument;         // the job's title
    std::string pdfDatei;         // the PDF printer's file; "" = ask with the save dialog
};

struct DruckAuftragObjekt;
using DruckAuftrag = DruckAuftragObjekt*;

// Opens a job on an A4 page. null when the user cancelled the PDF file choice or the
// printer cannot be opened; fehler then says why ("" for a cancel).
DruckAuftrag druckBeginnen(Fenster eigner, const DruckEinstellung& e, std::string* fehler = nullptr);

struct SeitenMasse {
    int breite = 0, hoehe = 0;    // the whole sheet in device units
    Rechteck druckbar;            // the printable area on the sheet
    int dpiX = 0, dpiY = 0;
};
SeitenMasse seitenMasse(DruckAuftrag a);
// The page's surface; its origin is the top-left of the printable area, as on every
// printer the program was written for.
Zeichenflaeche& druckFlaeche(DruckAuftrag a);
// Everything drawn on a page's surface from now on lands at (x * skala + dx, y * skala + dy),
// pen widths and font heights scaled alike; (1, 0, 0) draws as the page stands.
void seitenAbbildungSetzen(Zeichenflaeche& z, double skala, int dx, int dy);
// the PDF printer's file of the job (as chosen or given), "" for a real printer
std::string druckZiel(DruckAuftrag a);
bool druckBeenden(DruckAuftrag a);        // prints the page and frees the job; false on failure
void druckAbbrechen(DruckAuftrag a);      // frees the job, nothing is printed

} // namespace plattform
