// platform/eigene_texte.h - the texts the platform shows of its own accord (the buttons of
// the message boxes, the titles of the colour and font choosers, the PDF printer's file
// choice), in the language the program speaks
#pragma once
#include <string>

namespace plattform {

enum class EigenerText {
    Ok, Abbrechen, Ja, Nein,
    FarbeWaehlen, SchriftWaehlen,
    PdfDruckenTitel, PdfDateien,
    PfadNichtDarstellbar,          // with %s for the path
};

// Windows-1252, in the language last set (German until one is set)
const std::string& eigenerText(EigenerText t);

// "de" or "en"; another code gives the English texts and false
bool eigeneTexteSprache(const std::string& kuerzel);

} // namespace plattform
