// dialogs/synapsenfelder.h - the checked number fields of the synapse dynamics dialogs
#pragma once
#include "platform/dialog.h"
#include <string>

// what a real field must hold beyond being a finite number
enum class FeldGrenze { Keine, Positiv, NichtNegativ, Form };

struct ZahlFeld {
    int id;             // the edit
    int beschriftung;   // the static whose text names the field in a notice (0: name given)
    FeldGrenze grenze = FeldGrenze::Keine;
    const char* name = "";   // used when there is no static
};

// The field as a finite number inside its bound. Otherwise a notice names the field and
// what it must hold, the focus goes into the field with its text selected, and false comes
// back; aus is then unchanged. An empty field, "nan", "inf" and numbers beyond the double
// range are no numbers; a decimal comma counts as the point.
bool zahlFeldLesen(plattform::Fenster dlg, const ZahlFeld& feld, double& aus);
// true when the edit holds nothing but blanks
bool feldLeer(plattform::Fenster dlg, int id);
// the number as the dialogs show it ("%.15g")
std::string feldText(double x);
// a number the engine's rate forms know
bool formNummerGueltig(double x);
