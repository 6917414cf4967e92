// app/start.cpp - start-up: the main window and the message loop
#include "app/start.h"
#include "platform/box.h"
#include "platform/fenster.h"

namespace {

intptr_t hauptfensterProc(plattform::Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == plattform::nachricht::Zerstoeren) {
        plattform::beendenPosten(0);
        return 0;
    }
    return plattform::standardFensterProc(f, n, w, l);
}

} // namespace

int programmStart(const std::string& /*dateiArgument*/)
{
    plattform::FensterKlasse k;
    k.name = "Velnor";
    k.proc = hauptfensterProc;
    if (!plattform::klasseRegistrieren(k))
        return 1;
    plattform::Fenster haupt = plattform::fensterErzeugen(
        "Velnor", "Velnor", plattform::stil::Hauptfenster | plattform::stil::Sichtbar,
        plattform::StandardPosition, plattform::StandardPosition, 900, 650);
    if (!haupt) {
        plattform::hinweisBox("Das Hauptfenster konnte nicht erzeugt werden.");
        return 1;
    }
    return plattform::nachrichtenSchleife();
}
