// tests/app_qt/qt_ende.h - the program ended through the real platform and made ready for
// another start in the same test process
#pragma once
#include "app/beenden.h"
#include "app/start.h"
#include "core/status.h"
#include "platform/fenster.h"
#include "platform/qt/qtstart.h"
#include "../stuetzen/programmstart.h"

namespace qttest {

// the end as the user's close sends it (when the program still runs), the end's posted
// messages taken, windows Qt deleted freed, and the start's state back to before a start
inline void programmEndenUndZuruecksetzen()
{
    if (!programmEndet() && fensterhandles.hauptfenster)
        programmBeenden();
    plattform::nachrichtenSchleife();
    plattform::qt::geloeschteFreigeben();
    startZuruecksetzen();
    testhilfe::startHakenZuruecksetzen();
    programmStatus = programmBit::DiagrammeOeffnen | programmBit::StartUnfertig;
    statusWoerterSetzen();
    dateipfade = {};
    laufZustand = {};
}

} // namespace qttest
