// platform/drucken.cpp - what both implementations of the printing API share
#include "platform/drucken.h"

namespace plattform {

// The name under which the PDF printer appears in every printer list and menu. One place,
// as the program's printer menu and stored settings compare against it.
const char* const pdfDrucker = "PDF-Datei";

} // namespace plattform
