// dialogs/synapsenfelder.cpp - the checked number fields of the synapse dynamics dialogs
#include "dialogs/synapsenfelder.h"
#include "core/schluessel.h"
#include "dialogs/rahmen.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cmath>
#include <cstdio>

using namespace plattform;

namespace {

int meldungZurGrenze(FeldGrenze g)
{
    switch (g) {
    case FeldGrenze::Positiv: return 953;
    case FeldGrenze::NichtNegativ: return 954;
    case FeldGrenze::Form: return 955;
    default: return 952;
    }
}

bool innerhalb(FeldGrenze g, double x)
{
    switch (g) {
    case FeldGrenze::Positiv: return x > 0.0;
    case FeldGrenze::NichtNegativ: return x >= 0.0;
    case FeldGrenze::Form: return formNummerGueltig(x);
    default: return true;
    }
}

} // namespace

bool formNummerGueltig(double x)
{
    if (!(x >= 1.0 && x <= 105.0) || x != std::floor(x))
        return false;
    const int f = static_cast<int>(x);
    return (f >= 1 && f <= 6) || (f >= 11 && f <= 17) || (f >= 21 && f <= 28) || f == 31 || f == 32 ||
           (f >= 101 && f <= 105);
}

bool zahlFeldLesen(Fenster dlg, const ZahlFeld& feld, double& aus)
{
    // an empty field is no number here, not 0; otherwise the dialogs' one rule decides
    double x = NAN;
    const bool endlich = !feldLeer(dlg, feld.id) && dialogTextZahl(elementText(dlg, feld.id, 255), x);
    if (endlich && innerhalb(feld.grenze, x)) {
        aus = x;
        return true;
    }
    const std::string name = feld.beschriftung ? elementText(dlg, feld.beschriftung) : std::string(feld.name);
    hinweisBox(meldungFormatieren(endlich ? meldungZurGrenze(feld.grenze) : 952, name));
    dialogElementFokussieren(dlg, feld.id, 1);
    return false;
}

bool feldLeer(Fenster dlg, int id)
{
    return elementText(dlg, id, 255).find_first_not_of(" \t") == std::string::npos;
}

std::string feldText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}
