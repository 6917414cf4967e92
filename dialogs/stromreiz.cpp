// dialogs/stromreiz.cpp - the legacy stimulus of the marked neurons ("Strom-Reiz", 132) and the
// flash symbol that marks stimulated neurons ("Stromreiz Kennzeichnung", 152)
#include "dialogs/stromreiz.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cstdio>
#include <string>

using namespace plattform;

namespace {

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

Fenster eignerOderHaupt(Fenster eigner) { return eigner ? eigner : fensterhandles.hauptfenster; }

// ---- dialog 132 -------------------------------------------------------------------------------

namespace strom {

enum : int {
    idSomaStart = 1209, idSomaEnde = 1212, idSomaStrom = 1216, idDendStart = 1219, idDendEnde = 1221,
    idDendStrom = 1222, idSegment1 = 1220, idSegment2 = 1223, idSegment3 = 1224,
    idSomaBeispiel = 1225, idDendBeispiel = 1226, idWoIst = 1227,
};
constexpr std::array<int, 3> segmentKnoepfe{idSegment1, idSegment2, idSegment3};

// the six values and the segment the dialog shows between its openings
struct Werte {
    double somaStart = 0.0, somaEnde = 0.0, somaStrom = 0.0;
    double dendStart = 0.0, dendEnde = 0.0, dendStrom = 0.0;
    int segment = 1;
};

DialogRahmen rahmen;
Werte werte;

void oeffnen(Fenster)
{
    const NeuronDaten* n = markierteNeurone.erstes();
    if (!n)
        return;
    werte = {n->somaSCStart, n->somaSCEnd, n->somaCurrent, n->dendSCStart, n->dendSCEnd, n->dendCurrent,
             n->dendSCLocation >= 1 && n->dendSCLocation <= 3 ? n->dendSCLocation : 1};
}

void fuellen(Fenster dlg)
{
    const std::pair<int, double> felder[] = {
        {idSomaStart, werte.somaStart}, {idSomaEnde, werte.somaEnde}, {idSomaStrom, werte.somaStrom},
        {idDendStart, werte.dendStart}, {idDendEnde, werte.dendEnde}, {idDendStrom, werte.dendStrom},
    };
    for (const auto& [id, x] : felder)
        elementTextSetzen(dlg, id, zahlText(x));
    for (int s = 1; s <= 3; ++s)
        hakenSetzen(dlg, segmentKnoepfe[static_cast<size_t>(s - 1)], s == werte.segment);
    dialogElementFokussieren(dlg, idSomaStart, 1);
}

// an example into the three fields of one pulse, the focus on its intensity
void beispiel(Fenster dlg, std::array<int, 3> ids, std::array<double, 3> beispielWerte)
{
    for (size_t i = 0; i < 3; ++i)
        elementTextSetzen(dlg, ids[i], zahlText(beispielWerte[i]));
    piepen(1000, 100);
    dialogElementFokussieren(dlg, ids[2], 1);
}

void speichern(Fenster dlg)
{
    Werte w;
    if (!dialogZahlFeldLesen(dlg, idSomaStart, w.somaStart) || !dialogZahlFeldLesen(dlg, idSomaEnde, w.somaEnde) ||
        !dialogZahlFeldLesen(dlg, idSomaStrom, w.somaStrom) || !dialogZahlFeldLesen(dlg, idDendStart, w.dendStart) ||
        !dialogZahlFeldLesen(dlg, idDendEnde, w.dendEnde) || !dialogZahlFeldLesen(dlg, idDendStrom, w.dendStrom))
        return;
    // a pulse that ends before it starts would never flow
    const auto nichtVorStart = [dlg](int ende, double e, int start, double s) {
        return dialogFeldNichtUnter(dlg, ende, feldBeschriftung(dlg, ende), e, feldBeschriftung(dlg, start), s);
    };
    if (!nichtVorStart(idSomaEnde, w.somaEnde, idSomaStart, w.somaStart) ||
        !nichtVorStart(idDendEnde, w.dendEnde, idDendStart, w.dendStart))
        return;
    w.segment = 0;
    for (int s = 1; s <= 3; ++s)
        if (haken(dlg, segmentKnoepfe[static_cast<size_t>(s - 1)]))
            w.segment = s;
    // no segment: the dialog stays open with segment 1 offered
    if (w.segment == 0) {
        piepen(1000, 100);
        hakenSetzen(dlg, idSegment1, 1);
        return;
    }
    werte = w;
    for (NeuronDaten* n : markierteNeurone.liste) {
        n->somaSCStart = w.somaStart;
        n->somaSCEnd = w.somaEnde;
        n->somaCurrent = w.somaStrom;
        n->dendSCStart = w.dendStart;
        n->dendSCEnd = w.dendEnde;
        n->dendCurrent = w.dendStrom;
        n->dendSCLocation = w.segment;
    }
    dialogSchliessen(dlg, rahmen, 1, false);
    undoSchrittSpeichern(undoListe);
}

} // namespace strom

// ---- dialog 152 -------------------------------------------------------------------------------

namespace blitz {

enum : int {
    idLaenge = 1354, idDicke = 1355, idUnten = 1356, idOben = 1357, idFarbe = 1358,
    idLaengeText = 3201, idDickeText = 3202,
};

DialogRahmen rahmen;
Farbe farbe = 0;
int position = 0;

void oeffnen(Fenster)
{
    if (const NeuronDaten* n = markierteNeurone.erstes()) {
        farbe = n->kennzeichnungFarbe;
        position = n->kennzeichnungPosition;
    }
}

void fuellen(Fenster dlg)
{
    const NeuronDaten* n = markierteNeurone.erstes();
    if (!n)
        return;
    hakenSetzen(dlg, idUnten, n->kennzeichnungPosition == 0);
    hakenSetzen(dlg, idOben, n->kennzeichnungPosition == 1);
    elementTextSetzen(dlg, idLaenge, std::to_string(n->kennzeichnungLaenge));
    elementTextSetzen(dlg, idDicke, std::to_string(n->kennzeichnungDicke));
    dialogElementFokussieren(dlg, idLaenge, 1);
}

void farbeWaehlen(Fenster dlg)
{
    freigeben(dlg, false);
    const Farbe gewaehlt = plattform::farbeWaehlen(fensterhandles.hauptfenster, farbe);
    freigeben(dlg, true);
    if (gewaehlt < KeineFarbe)
        farbe = gewaehlt;
}

void speichern(Fenster dlg)
{
    int laenge = 0, dicke = 0;
    if (!dialogGanzzahlLesen(dlg, idLaenge, 0, groessteBlitzLaenge, elementText(dlg, idLaengeText), laenge) ||
        !dialogGanzzahlLesen(dlg, idDicke, 0, groessteBlitzDicke, elementText(dlg, idDickeText), dicke))
        return;
    position = haken(dlg, idUnten) ? 0 : 1;
    for (NeuronDaten* n : markierteNeurone.liste) {
        n->kennzeichnungLaenge = laenge;
        n->kennzeichnungDicke = dicke;
        n->kennzeichnungPosition = position;
        n->kennzeichnungFarbe = farbe;
    }
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, false);
}

} // namespace blitz

} // namespace

intptr_t stromReizDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    using namespace strom;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            editierStatus &= ~editierBit::MarkierteZiehen;
        dialogInitialisieren(dlg, rahmen, {oeffnen, stromreizTexteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idSomaBeispiel: beispiel(dlg, {idSomaStart, idSomaEnde, idSomaStrom}, {0.1, 0.2, 4.8e-10}); break;
        case idDendBeispiel: beispiel(dlg, {idDendStart, idDendEnde, idDendStrom}, {0.5, 0.6, 1.1e-9}); break;
        case idWoIst: hinweisBox(meldungsTexte[507]); break;
        case 1: speichern(dlg); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
        }
        return 0;
    }
    return 0;
}

intptr_t stromreizKennzeichnungDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    using namespace blitz;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            editierStatus &= ~editierBit::MarkierteZiehen;
        dialogInitialisieren(dlg, rahmen, {oeffnen, neuronBlitzTexteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idFarbe: farbeWaehlen(dlg); break;
        case 1: speichern(dlg); break;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
        }
        return 0;
    }
    return 0;
}

intptr_t stromReizDialogOeffnen(Fenster eigner)
{
    if (markierteNeurone.liste.empty())
        return 2;
    return dialogModal(vorlageStromreiz, eignerOderHaupt(eigner), stromReizDlgProc);
}

intptr_t stromreizKennzeichnungDialogOeffnen(Fenster eigner)
{
    if (markierteNeurone.liste.empty())
        return 2;
    return dialogModal(vorlageNeuronBlitz, eignerOderHaupt(eigner), stromreizKennzeichnungDlgProc);
}
