// script/bmpschnappschuss.cpp - the output window of a neuron as a BMP file after a simulation
//
// The window paints itself into an image of its client size through the same painting code
// it uses on screen (the frame is the window manager's), and the image is written as a
// 24-bit bottom-up BMP through a temporary file. A snapshot that cannot be written leaves
// no file; the notice names it and the run stops, as for any result it could not save.
#include "script/ausfuehrung.h"
#include "core/skriptwerte.h"
#include "model/diagramm.h"
#include "model/ergebnisdateien.h"
#include "model/skriptzeit.h"
#include "platform/fenster.h"
#include "platform/zeichnen.h"
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>

int bitmapDateiSchreiben(plattform::Fenster quelle, const std::string& pfad)
{
    errno = 0;
    plattform::Bild bild = plattform::fensterAbbild(quelle);
    if (!bild) {
        if (!errno)
            errno = ENOMEM;
        return 0;
    }
    const bool geschrieben = plattform::bildAlsBmp(bild, pfad);
    const int grund = errno;
    plattform::bildLoeschen(bild);
    errno = grund;
    return geschrieben ? 1 : 0;
}

namespace {

// the DAT file of this simulation with ".BMP" for its ".DAT" (any case), or "" without one
std::string datNameAlsBmp()
{
    std::string name = datPfad.pfad;
    std::string klein = name;
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const size_t stelle = klein.rfind(".dat");
    if (stelle == std::string::npos)
        return {};
    return name.replace(stelle, 4, ".BMP");
}

} // namespace

std::string bmpDateiName(Skript& s)
{
    if (skriptLaufwerte.dat) {
        std::string name = datNameAlsBmp();
        if (!name.empty())
            return name;
    }
    char zeit[32] = {};
    datumFormatieren(nullptr, zeit, 10);
    const int nummer = s.aktuelleSimulation >= 1 ? s.aktuelleSimulation : ++s.bmpZaehler;
    char zahl[32];
    std::snprintf(zahl, sizeof zahl, s.gesamtSimulationen >= 1000 ? " %05d.BMP" : " %03d.BMP", nummer);
    return s.bmpPraefix + zeit + zahl;
}

void ausgabefensterBmpSpeichern(DiagrammDaten* diagramm)
{
    if (!diagramm || !plattform::istFenster(diagramm->fenster))
        return;
    const plattform::Fenster f = diagramm->fenster;
    const std::string name = bmpDateiName(skript);
    // the title names the file while it is taken; the script's own title comes back after
    plattform::titelSetzen(f, name);
    const plattform::Fenster vorher = plattform::vordergrundFenster();
    plattform::vordergrundSetzen(f);
    plattform::nachrichtenVerarbeiten();
    // a window closed while the messages were served has nothing to show
    const bool geschrieben = !plattform::istFenster(f) || bitmapDateiSchreiben(f, name);
    const int grund = errno;
    if (plattform::istFenster(vorher))
        plattform::vordergrundSetzen(vorher);
    if (plattform::istFenster(f))
        plattform::titelSetzen(f, skript.bmpTitel);
    if (!geschrieben)
        skriptAusgabeFehler(skript, name, grund);
}
