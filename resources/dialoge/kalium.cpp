// resources/dialoge/kalium.cpp - the server's potassium concentration dialog (320)
//
// The label's numbers are filled in as the ratio moves.
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

const DialogElement kaliumElemente[] = {
    {2293, A::Text, "K-Konzentration Innen : Au\xDF" "en  =  35:1   (KGP = -90mV)", "IDC_KALIUM_VERHAELTNIS_TXT=", 0, 0, 0, 0, 3},
    {2292, A::Schieberegler, "", "", 0, 0, 1, 0, 3},
    {2294, A::Text, "Feineinstellung mit Pfeil links / rechts (zuerst Slider anklicken)", "IDC_KALIUM_HINWEIS_TXT=", 0, 0, 2, 0, 3},
    {1, A::StandardKnopf, "\xFC" "bernehmen", "IDC_KALIUM_UEBERNEHMEN=", 0, 0, 3, 0, 1},
    {2, A::Knopf, "abbrechen", "IDCANCEL=", 0, 0, 3, 2, 1},
};

} // namespace

const DialogVorlage vorlageKalium{320, "Kalium-Konzentrationsverh\xE4ltnis \xE4ndern", "IDD_KALIUM=", kaliumElemente, 1};
