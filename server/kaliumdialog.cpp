// server/kaliumdialog.cpp - the output neuron's potassium ratio while the server runs
//
// A modeless dialog over the server window. The ratio of the inside and outside K
// concentrations gives the K potential; each new value goes to the running loop as a
// command, which applies it with the leak potentials and products that follow from it.
#include "core/status.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "platform/box.h"
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include "server/serverbetrieb.h"
#include "texts/texte.h"
#include <cmath>

using namespace plattform;

namespace {

constexpr int idBeschriftung = 2293, idRegler = 2292;

double verhaeltnisBeimOeffnen = 0.0;
int gemerktesX = 0;   // the dialog's last place on the screen (left edge)

NeuronDaten* ausgangsNeuron()
{
    return serverDaten.ausgangsNeuron != 0 ? neuronNachNummer(serverDaten.ausgangsNeuron) : nullptr;
}

// the ratio with its potential in the label; the potential (V) goes to the loop
double anwenden(Fenster dlg, double verhaeltnis)
{
    const double kgp = kaliumGleichgewicht(verhaeltnis);
    elementTextSetzen(dlg, idBeschriftung, meldungFormatieren(1375, verhaeltnis, kgp * 1000.0));
    serverBefehlSenden({ServerBefehl::KPotential, kgp, 0});
    return kgp;
}

// centred on the screen where the remembered or computed place lies outside it
int platz(int wert, int dialogGroesse, int bildschirm)
{
    if (wert < 1 || wert > bildschirm - dialogGroesse)
        return static_cast<int>(std::lround(bildschirm / 2.0 - dialogGroesse / 2.0));
    return wert;
}

void init(Fenster dlg)
{
    NeuronDaten* n = ausgangsNeuron();
    if (!n)
        return;
    const Rechteck r = fensterRechteck(dlg);
    const int x = platz(gemerktesX, r.breite(), bildschirmBreite);
    const int y = platz(fensterRechteck(serverFenster.fenster).unten + 20, r.hoehe(), bildschirmHoehe);
    if (!(n->kaliumVerhaeltnis > 0.0))
        n->kaliumVerhaeltnis = kaliumVerhaeltnisGrenzen[1];
    verhaeltnisBeimOeffnen = n->kaliumVerhaeltnis;
    reglerBereichSetzen(dlg, idRegler, static_cast<int>(kaliumVerhaeltnisGrenzen[0] * 100.0),
                        static_cast<int>(kaliumVerhaeltnisGrenzen[1] * 100.0));
    reglerPositionSetzen(dlg, idRegler, static_cast<int>(std::lround(n->kaliumVerhaeltnis * 100.0)));
    kaliumVorgaben[0] = serverLauf.anzeige.kPotential.load();
    // the label only: opening changes nothing in the neuron
    const double kgp = kaliumGleichgewicht(n->kaliumVerhaeltnis);
    elementTextSetzen(dlg, idBeschriftung, meldungFormatieren(1375, n->kaliumVerhaeltnis, kgp * 1000.0));
    verschieben(dlg, x, y, r.breite(), r.hoehe());
}

} // namespace

double kaliumGleichgewicht(double verhaeltnis) { return -0.058 * std::log10(verhaeltnis); }

void kaliumFensterUmschalten(Fenster f, int befehl)
{
    if (befehl != befehlKaliumUmschalten || !serverThreadLaeuft() || !ausgangsNeuron())
        return;
    Fenster& d = serverFenster.kaliumDialog;
    if (d) {
        zeigen(d, anzeige::Verbergen);
        fensterZerstoeren(d);
        d = nullptr;
        return;
    }
    d = dialogModeless(vorlageKalium, f, kaliumKonzentrationDlgProc);
    if (!d)
        hinweisBox(meldungFormatieren(1376, "", 0));
}

intptr_t kaliumKonzentrationDlgProc(Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l)
{
    NeuronDaten* n = ausgangsNeuron();
    switch (nachricht) {
    case nachricht::DialogInit:
        vorlagenTexteSetzen(dlg, vorlageKalium);
        init(dlg);
        return 1;
    case nachricht::HScroll: {
        if (static_cast<int>(l) != idRegler || !n)
            return 1;
        const int code = loWort(w);
        const int position = code == scroll::DaumenPosition || code == scroll::DaumenZiehen
                                 ? static_cast<int16_t>(hiWort(w))
                                 : reglerPosition(dlg, idRegler);
        n->kaliumVerhaeltnis = position / 100.0;
        anwenden(dlg, n->kaliumVerhaeltnis);
        // the trace starts afresh at the new potential
        serverSpurLeeren();
        return 1;
    }
    case nachricht::Befehl:
        if (loWort(w) == 1) {
            if (n)
                anwenden(dlg, n->kaliumVerhaeltnis);
            dialogBeenden(dlg, 1);
            return 1;
        }
        if (loWort(w) == 2) {
            if (n) {
                n->kaliumVerhaeltnis = verhaeltnisBeimOeffnen;
                anwenden(dlg, n->kaliumVerhaeltnis);
            }
            if (fensterhandles.hauptfenster)
                ungueltigMachen(fensterhandles.hauptfenster);
            dialogBeenden(dlg, 2);
        }
        return 0;
    case nachricht::Bewegen:
        gemerktesX = fensterRechteck(dlg).links;
        return 0;
    case nachricht::Zerstoeren:
        if (serverFenster.kaliumDialog == dlg)
            serverFenster.kaliumDialog = nullptr;
        return 0;
    }
    return 0;
}
