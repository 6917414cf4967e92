// app/status.cpp - the records of the program frame
#include "app/status.h"
#include "model/neuron.h"
#include "texts/texte.h"
#include <algorithm>

int letzterDialog = 0;
plattform::Cursor cursorStandard = nullptr, cursorMessenZeit = nullptr, cursorMessenWert = nullptr,
                  cursorMessenBeide = nullptr;
std::array<std::string, 4> kontaktortNamen;

void netzlosStatusZeigen()
{
    if (!fensterhandles.statusleiste)
        return;
    plattform::statusEinfach(fensterhandles.statusleiste, true);
    plattform::statusTextSetzen(fensterhandles.statusleiste, plattform::statusEinfacherTeil, meldungsTexte[892]);
}

