// files/reizdefinitionen.cpp - the old constant-current keys of a definition file and the
// menu of the stimuli in a stimulus file
#include "files/reizdefinitionen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "model/neuron.h"
#include "platform/menue.h"
#include "resources/befehle.h"
#include <cmath>
#include <cstdio>

namespace {

// "Current %d <name>=" of the neuron; true and the value when the text holds it
bool schluesselLesen(double& wert, char* text, int nummer, const char* name)
{
    char schluessel[64];
    std::snprintf(schluessel, sizeof schluessel, "Current %d %s=", nummer, name);
    return schluesselZahlLesen(&wert, text, schluessel) != nullptr;
}

// a rounded whole number between von and bis; false for anything else (the field keeps
// its value then, as for a missing key)
bool ganzzahlInBereich(double wert, int von, int bis, int& aus)
{
    const double r = std::round(wert);
    if (!(r >= von && r <= bis))
        return false;
    aus = static_cast<int>(r);
    return true;
}

} // namespace

void stromreizSchluesselLesen(NeuronDaten* neuron, char* text)
{
    if (!neuron || !text)
        return;
    NeuronDaten& n = *neuron;
    const int nr = n.nummer;
    // the soma intensity decides whether the neuron has the old stimulus at all
    if (!schluesselLesen(n.somaCurrent, text, nr, "somaCurrent"))
        return;
    schluesselLesen(n.somaSCStart, text, nr, "somaSCStart");
    schluesselLesen(n.somaSCEnd, text, nr, "somaSCEnd");
    schluesselLesen(n.dendCurrent, text, nr, "dendCurrent");
    schluesselLesen(n.dendSCStart, text, nr, "dendSCStart");
    schluesselLesen(n.dendSCEnd, text, nr, "dendSCEnd");
    // whole numbers; one no segment or switch can be is not taken
    double wert = 0.0;
    if (schluesselLesen(wert, text, nr, "dendSCLocation"))
        ganzzahlInBereich(wert, 0, groessteSegmentAnzahl, n.dendSCLocation);
    if (schluesselLesen(wert, text, nr, "noise"))
        ganzzahlInBereich(wert, 0, 1, n.rauschenAn);
}

int reizdefinitionenMenueZeigen(plattform::Fenster eigner, const std::vector<std::string>& namen)
{
    // a title that cannot be chosen, then one entry per name up to the first empty one
    plattform::Menue menue = plattform::menueErzeugen();
    plattform::postenAnhaengen(menue, plattform::menueArt::Grau, befehlReizdefinitionErste, "Liste der Reizdefinitionen");
    plattform::postenAnhaengen(menue, plattform::menueArt::Trenner, 0, "");
    const int hoechstens = befehlReizdefinitionLetzte - befehlReizdefinitionErste;
    for (int i = 0; i < static_cast<int>(namen.size()) && i < hoechstens && !namen[i].empty(); ++i)
        plattform::postenAnhaengen(menue, plattform::menueArt::Posten, befehlReizdefinitionErste + 1 + i, namen[i]);
    // at the cursor; the main window knows the menu while it is open
    offenesKontextMenu = menue;
    const int befehl = plattform::popupMenue(menue, eigner, plattform::mausPosition());
    offenesKontextMenu = nullptr;
    plattform::menueZerstoeren(menue);
    if (befehl <= befehlReizdefinitionErste || befehl > befehlReizdefinitionLetzte)
        return -1;
    return befehl - befehlReizdefinitionErste - 1;
}
