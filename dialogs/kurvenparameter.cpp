// dialogs/kurvenparameter.cpp - the curve slots of one diagram ("Im Diagramm darzustellende
// Parameter", 128): which slots are shown, and the current slot's colour, width, style,
// name, unit, offset, zoom and own y-axis; curves of other neurons (170) and stored
// reference curves
//
// The dialog ends whenever another slot is chosen and its opener reopens it there; the
// working copy lives across those reopenings until "fertig", "Abbrechen" or another end.
#include "dialogs/kurvenparameter.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "diagrams/diagramm.h"
#include "diagrams/reizkurve.h"
#include "dialogs/kanalauswahl.h"
#include "dialogs/rahmen.h"
#include "dialogs/yachse2.h"
#include "model/diagramm.h"
#include "model/kanalzeiger.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

using namespace plattform;

ExterneKurveWahl externeKurveWahl;

namespace {

enum : int {
    idAbbrechen = 2, idListe = 1279, idAnzeigen = 1163, idFarbe = 1165, idName = 1171, idDimension = 1168,
    idDicke = 1167, idStil = 1169, idOffset = 1211, idZoom = 1212, idEigeneAchse = 1173, idAchse = 1271,
    idLegende = 1216, idExtern = 1418, idAlleDiesesDiagramms = 1172, idDieseUeberall = 1218,
    idAlleUeberall = 1215, idLoeschen = 1268, idReferenzenLoeschen = 1270, idFertig = 2038,
    idUebernehmen = 1269, idNeuronListe = 1419, idKurvenListe = 1420,
};
constexpr size_t nameLaenge = 127, einheitLaenge = 31;
constexpr int meldungNichtSoma = 935, meldungOhneVorlage = 936, meldungExternName = 937;
constexpr int ersterKanalSlot = 8, ersterReferenzSlot = 12;
// the controls that follow the shown switch
constexpr int slotElemente[] = {idFarbe, idDimension, idDicke, idStil, idName, idOffset, idZoom, idLoeschen};

DialogRahmen kurvenRahmen;
bool zyklusNeu = true;               // the next opening starts an editing cycle
DiagrammDaten kopie;                 // curve settings only: no buffers but those of a taken curve
DiagrammDaten* diagramm = nullptr;
NeuronDaten* neuron = nullptr;
Fenster diagrammFenster = nullptr;

int slotNummer() { return std::clamp(aktuellesDiagramm.kurvenSlot, 0, kurvenProDiagramm - 1); }

std::string gekuerzt(std::string s, size_t n)
{
    if (s.size() > n)
        s.resize(n);
    return s;
}

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void ende(Fenster dlg, intptr_t ergebnis)
{
    zyklusNeu = ergebnis < 0;
    dialogSchliessen(dlg, kurvenRahmen, ergebnis, false);
}

// Room for the run's samples, or for all the source holds when that is more: false when
// memory runs out.
bool wertePlatz(KurvenDaten& k, size_t quelle)
{
    if (!wertePufferBereitstellen(k, simulationsParameter.anzahlSchritte))
        return false;
    try {
        if (k.werte.size() < quelle)
            k.werte.resize(quelle, keineDaten);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// the samples a source holds, copied; a source without samples gives nothing
void werteKopieren(KurvenDaten& ziel, const KurvenDaten& quelle)
{
    ziel.werteAnzahl = 0;
    if (!hatDaten(quelle))
        return;
    std::copy(quelle.werte.begin(), quelle.werte.end(), ziel.werte.begin());
    ziel.werteAnzahl = lesbareWerte(quelle);
}

void schwererFehler(int meldung)
{
    endeMelden(EndeForm::Info, meldungsTexte[meldung]);
}

void slotFreigeben(Fenster dlg, bool an)
{
    for (int id : slotElemente)
        dialogElementAktivieren(dlg, id, an);
}

void kurvenListeFuellen(Fenster dlg)
{
    listeLeeren(dlg, idListe);
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        const KurvenDaten& k = kopie.kurven[i];
        const std::string& vorlage = diagrammVorlage.kurven[i].bezeichnung;
        if (k.bezeichnung.empty() && vorlage.empty())
            continue;
        const std::string text = (k.anzeigen ? " *   " : "     ") + (k.bezeichnung.empty() ? vorlage : k.bezeichnung);
        const int pos = listeHinzufuegen(dlg, idListe, text);
        listeDatenSetzen(dlg, idListe, pos, i);
        if (i == slotNummer())
            listeAuswahlSetzen(dlg, idListe, pos);
    }
}

// the start of an editing cycle: diagram, neuron and the curve settings of the diagram
void zyklusBeginnen(Fenster dlg)
{
    if (!zyklusNeu)
        return;
    zyklusNeu = false;
    editierStatus &= ~editierBit::MarkierteZiehen;
    diagramm = diagrammFenster ? diagrammZuFenster(diagrammFenster) : nullptr;
    neuron = diagramm ? neuronNachNummer(diagramm->neuronId) : nullptr;
    kopie = DiagrammDaten{};
    if (diagramm)
        diagrammFormatKopieren(&kopie, diagramm, nullptr, 2);
    tooltipsDiagrammKurvenDialog(dlg);
}

void fuellen(Fenster dlg)
{
    if (!diagramm)
        return;
    KurvenDaten& k = kopie.kurven[slotNummer()];
    listeLeeren(dlg, idStil);
    for (int art = 0; art < 3; ++art) {
        const int pos = listeHinzufuegen(dlg, idStil, meldungsTexte[756 + art]);
        listeDatenSetzen(dlg, idStil, pos, art);
        if (art == k.linienart)
            listeAuswahlSetzen(dlg, idStil, pos);
    }
    hakenSetzen(dlg, idAnzeigen, k.anzeigen ? 1 : 0);
    slotFreigeben(dlg, k.anzeigen != 0);
    kurvenListeFuellen(dlg);
    for (KurvenDaten& x : kopie.kurven)
        if (x.yZoom == 0.0)
            x.yZoom = 1.0;
    elementTextSetzen(dlg, idDimension, k.dimension);
    elementTextSetzen(dlg, idDicke, std::to_string(k.dicke));
    elementTextSetzen(dlg, idOffset, zahlText(k.yOffset));
    elementTextSetzen(dlg, idZoom, zahlText(k.yZoom));
    elementTextSetzen(dlg, idName, k.bezeichnung);
    hakenSetzen(dlg, idEigeneAchse, k.eigeneYAchse ? 1 : 0);
    dialogElementAktivieren(dlg, idAchse, k.eigeneYAchse != 0);
    hakenSetzen(dlg, idLegende, kopie.werteInLegende ? 1 : 0);
    titelSetzen(dlg, meldungFormatieren(748, neuron ? neuronAnzeigename(*neuron) : std::string{}));
}

void vorlagenKanal(KurvenDaten& k, int slot)
{
    k.bezeichnung = diagrammVorlage.kurven[slot].bezeichnung;
    k.kanal = 0;
    k.referenz = kurvenReferenz::Eigen;
}

// the shown switch; a channel slot asks which channel it shows
void anzeigenUmschalten(Fenster dlg)
{
    const int s = slotNummer();
    KurvenDaten& k = kopie.kurven[s];
    k.anzeigen = haken(dlg, idAnzeigen);
    slotFreigeben(dlg, k.anzeigen != 0);
    if (s >= ersterKanalSlot && s < ersterReferenzSlot) {
        if (!k.anzeigen) {
            vorlagenKanal(k, s);
        } else {
            const int nr = neuron ? kanalAuswahlDialogOeffnen(diagrammFenster, neuron) : 0;
            if (nr == 0) {
                k.anzeigen = 0;
                senden(dlg, nachricht::DialogInit, 0, 0);
                return;
            }
            if (BenutzerKanal* kanal = benutzerKanalNummer(*neuron, nr)) {
                k.bezeichnung = gekuerzt(kanal->name, nameLaenge);
                k.kanal = nr;
            } else {
                vorlagenKanal(k, s);
            }
        }
        elementTextSetzen(dlg, idName, k.bezeichnung);
    }
    kurvenListeFuellen(dlg);
    for (int i = 0; i < kurvenProDiagramm && programmOptionen.parameterHinweis; ++i) {
        if (!kopie.kurven[i].anzeigen || !diagramm->kurven[i].werte.empty())
            continue;
        std::string text;
        for (int pos = 0; pos < listeAnzahl(dlg, idListe); ++pos)
            if (listeDaten(dlg, idListe, pos) == i)
                text = listeText(dlg, idListe, pos);
        if (sysInfoBox(meldungFormatieren(293, text), knoepfe::JaNein) != antwort::Ja)
            programmOptionen.parameterHinweis = 0;
    }
}

// a curve of another neuron into the current slot
void externeKurve(Fenster dlg)
{
    const int s = slotNummer();
    if (s == 0) {
        hinweisBox(meldungsTexte[meldungNichtSoma]);
        return;
    }
    if (dialogModal(vorlageExterneKurve, diagrammFenster, kurveAndererNeuronDlgProc,
                    reinterpret_cast<intptr_t>(diagrammFenster)) != 1)
        return;
    const ExterneKurveWahl w = externeKurveWahl;
    if (!w.neuron || !w.diagramm || w.slot < 0 || w.slot >= kurvenProDiagramm)
        return;
    const KurvenDaten& q = w.diagramm->kurven[w.slot];
    KurvenDaten& k = kopie.kurven[s];
    k.bezeichnung = gekuerzt(meldungFormatieren(meldungExternName, q.bezeichnung, w.neuron->name), nameLaenge);
    k.anzeigen = 1;
    k.referenz = kurvenReferenz::Kopie;
    k.linienart = q.linienart, k.dicke = q.dicke, k.farbe = q.farbe;
    k.externeKurveId = w.slot;
    k.externeNeuronId = w.diagramm->neuronId;
    k.dimension = gekuerzt(q.dimension, einheitLaenge);
    if (!wertePlatz(k, q.werte.size())) {
        schwererFehler(701);
        return;
    }
    if (!punktPufferBereitstellen(k, diagramm->plotBreite)) {
        schwererFehler(702);
        return;
    }
    werteKopieren(k, q);
    k.punktAnzahl = 0;
    elementTextSetzen(dlg, idName, k.bezeichnung);
    elementTextSetzen(dlg, idDimension, k.dimension);   // else "fertig" would read the old unit back
    hakenSetzen(dlg, idAnzeigen, 1);
    slotFreigeben(dlg, true);
}

void kurveLoeschen(Fenster dlg)
{
    const int s = slotNummer();
    if (!diagramm->kurven[s].anzeigen) {
        piepen(1000, 100);
        return;
    }
    const int gezeigt = static_cast<int>(std::count_if(diagramm->kurven.begin(), diagramm->kurven.end(),
                                                       [](const KurvenDaten& k) { return k.anzeigen != 0; }));
    if (gezeigt < 2) {
        hinweisBox(meldungsTexte[442]);
        return;
    }
    if (sysInfoBox(meldungsTexte[443], knoepfe::JaNein) != antwort::Ja)
        return;
    kurveEntfernen(neuron, &kopie, diagramm, s);
    ende(dlg, (s + 1) % kurvenProDiagramm);
}

void referenzenLoeschen(Fenster dlg)
{
    if (sysInfoBox(meldungsTexte[533], knoepfe::JaNein) != antwort::Ja)
        return;
    for (int i = ersterReferenzSlot; i < kurvenProDiagramm; ++i) {
        if (!diagramm->kurven[i].anzeigen)
            continue;
        KurvenDaten& k = kopie.kurven[i];
        k.anzeigen = 0, k.referenz = kurvenReferenz::Eigen, k.stromreizSegment = 0, k.neuBerechnen = 0;
        k.yOffset = 0.0;
        kurvenPufferFreigeben(k);
        kurvenPufferFreigeben(diagramm->kurven[i]);
    }
    aktuellesDiagramm.kurvenSlot = 0;
    diagrammFormatKopieren(diagramm, &kopie, nullptr, 2);
    ende(dlg, 0);
}

// "fertig" and "übernehmen"
void uebernehmen(Fenster dlg, int knopf)
{
    const int s = slotNummer();
    KurvenDaten& k = kopie.kurven[s];
    // the numbers first: a field without one (or a line too wide to draw) changes nothing
    int dicke = 0;
    double offset = 0.0, zoom = 0.0;
    if (!dialogGanzzahlLesen(dlg, idDicke, 0, linienbreiteMax, dicke) || !dialogZahlFeldLesen(dlg, idOffset, offset) ||
        !dialogZahlFeldLesen(dlg, idZoom, zoom))
        return;
    // the typed fields and the switches
    k.dimension = elementText(dlg, idDimension, einheitLaenge);
    k.dicke = dicke;
    k.yOffset = offset;
    k.yZoom = zoom;
    k.bezeichnung = elementText(dlg, idName, nameLaenge);
    k.eigeneYAchse = haken(dlg, idEigeneAchse);
    k.anzeigen = haken(dlg, idAnzeigen);
    kopie.werteInLegende = haken(dlg, idLegende);
    // a shown channel slot binds its channel; the count is that of the bound slots
    if (neuron && s >= ersterKanalSlot && s < ersterReferenzSlot && k.anzeigen && k.kanal >= 1) {
        neuron->kurvenKanaele[s - ersterKanalSlot] = benutzerKanalNummer(*neuron, k.kanal);
        neuron->kurvenKanaeleGesetzt = static_cast<int>(
            std::count_if(neuron->kurvenKanaele.begin(), neuron->kurvenKanaele.end(), [](auto* p) { return p != nullptr; }));
    }
    // the curve settings into the diagram
    diagrammFormatKopieren(diagramm, &kopie, nullptr, 2);
    // the samples of curves taken from other neurons
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        const KurvenDaten& q = kopie.kurven[i];
        KurvenDaten& z = diagramm->kurven[i];
        if (q.referenz == kurvenReferenz::Kopie && hatDaten(q)) {
            if (!wertePlatz(z, q.werte.size())) {
                ende(dlg, -1);
                endeMelden(EndeForm::Hinweis, meldungsTexte[444]);
                return;
            }
            werteKopieren(z, q);
        }
        // counts never promise more than the slot's own buffers hold
        z.werteAnzahl = std::min(z.werteAnzahl, static_cast<int>(z.werte.size()));
        z.punktAnzahl = std::min(z.punktAnzahl, static_cast<int>(punktPlatz(z)));
    }
    // the line format passed on
    if (haken(dlg, idAlleDiesesDiagramms))
        kurveAktualisieren(neuron, diagramm, s, -1);
    if (haken(dlg, idDieseUeberall))
        kurveAktualisieren(nullptr, diagramm, s, s);
    if (haken(dlg, idAlleUeberall))
        kurveAktualisieren(nullptr, diagramm, s, -1);
    // the dialog ends; the diagram follows
    ende(dlg, -1);
    if (neuron)
        kanalZeigerAktualisieren(*neuron);
    // the curve is drawn from the results, or after a run started now
    auto vorbereiten = [&] {
        diagramm->kurven[s].neuBerechnen = 1;
        diagrammLayoutBerechnen(neuron, diagramm, 0);
        kurvenVorbereiten(diagramm, s);
    };
    if (programmStatus & programmBit::LaufErgebnisDa) {
        vorbereiten();
    } else {
        if (meldungsBox(diagrammFenster, meldungsTexte[534], "SysInfo", knoepfe::JaNein | symbol::Frage) != antwort::Ja)
            return;
        vorbereiten();
        simulationAusDialogStarten();
        velnorInfoBox(meldungsTexte[703]);   // only a notice: neither answer ends the program
    }
    // "übernehmen": its opener opens the dialog again at this slot
    if (knopf == idUebernehmen) {
        aktuellesDiagramm.kurvenSlot = 0;
        ende(dlg, s);
        if (diagrammFenster)
            ungueltigMachen(diagrammFenster);
    }
}

void befehl(Fenster dlg, int id, int code)
{
    if (!diagramm) {
        if (id == idAbbrechen || id == idFertig)
            ende(dlg, -2);
        return;
    }
    KurvenDaten& k = kopie.kurven[slotNummer()];
    switch (id) {
    case idListe:
        if (code == benachrichtigung::AuswahlGeaendert && listeAuswahl(dlg, idListe) >= 0) {
            const int slot = static_cast<int>(listeDaten(dlg, idListe, listeAuswahl(dlg, idListe)));
            if (slot != slotNummer())
                ende(dlg, slot);
        }
        break;
    case idStil:
        if (code == benachrichtigung::AuswahlGeaendert && listeAuswahl(dlg, idStil) >= 0)
            k.linienart = static_cast<int>(listeDaten(dlg, idStil, listeAuswahl(dlg, idStil)));
        break;
    case idLegende: kopie.werteInLegende = haken(dlg, idLegende); break;
    case idEigeneAchse:
        k.eigeneYAchse = haken(dlg, idEigeneAchse);
        senden(dlg, nachricht::DialogInit, 0, 0);
        break;
    case idFarbe: {
        freigeben(dlg, false);
        k.farbe = farbeWaehlen(diagrammFenster, k.farbe);   // cancelled: unset, the template's colour follows
        freigeben(dlg, true);
        break;
    }
    case idAchse:
        diagramm->yAchse2Slot = slotNummer();
        diagramm->yAchse2Quelle = &kopie;
        diagramm->yAchse2Neuron = neuron;
        yAchse2DialogOeffnen(*diagramm);
        break;
    case idAnzeigen: anzeigenUmschalten(dlg); break;
    case idExtern: externeKurve(dlg); break;
    case idLoeschen: kurveLoeschen(dlg); break;
    case idReferenzenLoeschen: referenzenLoeschen(dlg); break;
    case idFertig: case idUebernehmen: uebernehmen(dlg, id); break;
    case idAbbrechen: ende(dlg, -2); break;
    }
}

// ---- dialog 170 ------------------------------------------------------------------------

DialogRahmen rahmenExtern;
Fenster externFenster = nullptr;
int letzteKurve = 0;                 // the slot chosen last

NeuronDaten* gewaehltesNeuron(Fenster dlg)
{
    const int pos = listeAuswahl(dlg, idNeuronListe);
    return pos < 0 ? nullptr : reinterpret_cast<NeuronDaten*>(listeDaten(dlg, idNeuronListe, pos));
}

// the shown curves of the chosen neuron's main diagram; the chosen one is the one shown
void externeKurvenFuellen(Fenster dlg, bool ersteWaehlen)
{
    listeLeeren(dlg, idKurvenListe);
    NeuronDaten* n = gewaehltesNeuron(dlg);
    if (!n)
        return;
    int auswahl = 0;
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        const KurvenDaten& k = n->hauptDiagramm.kurven[i];
        if (!k.anzeigen)
            continue;
        const int pos = listeHinzufuegen(dlg, idKurvenListe, k.bezeichnung);
        listeDatenSetzen(dlg, idKurvenListe, pos, i);
        if (!ersteWaehlen && i == letzteKurve)
            auswahl = pos;
    }
    if (listeAnzahl(dlg, idKurvenListe) == 0)
        return;
    listeAuswahlSetzen(dlg, idKurvenListe, auswahl);
    letzteKurve = static_cast<int>(listeDaten(dlg, idKurvenListe, auswahl));
}

NeuronDaten* fensterEigner(Fenster f)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (f && d->fenster == f)
                return n;
    return nullptr;
}

void externOeffnen(Fenster dlg)
{
    NeuronDaten* eigner = fensterEigner(externFenster);
    if (!eigner) {
        hinweisBox(meldungsTexte[441]);
        dialogSchliessen(dlg, rahmenExtern, 2, false);
        return;
    }
    listeLeeren(dlg, idNeuronListe);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n != eigner && n->hauptDiagramm.fenster)
            listeDatenSetzen(dlg, idNeuronListe, listeHinzufuegen(dlg, idNeuronListe, neuronAnzeigename(*n)),
                             reinterpret_cast<intptr_t>(n));
    if (listeAnzahl(dlg, idNeuronListe) == 0) {
        hinweisBox(meldungsTexte[445]);
        dialogSchliessen(dlg, rahmenExtern, 2, false);
        return;
    }
    listeAuswahlSetzen(dlg, idNeuronListe, 0);
    externeKurvenFuellen(dlg, false);
}

} // namespace

void neuronKurvenTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageNeuronKurven); }
void externeKurveTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageExterneKurve); }
void tooltipsDiagrammKurvenDialog(Fenster dlg) { vorlagenTooltipsSetzen(dlg, vorlageNeuronKurven); }

intptr_t diagrammParameterDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, kurvenRahmen);
        return 0;
    case nachricht::DialogInit:
        // another window is another diagram: its own editing cycle
        if (l != 0 && reinterpret_cast<Fenster>(l) != diagrammFenster) {
            zyklusNeu = true;
            diagrammFenster = reinterpret_cast<Fenster>(l);
        }
        dialogInitialisieren(dlg, kurvenRahmen, {zyklusBeginnen, neuronKurvenTexteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        befehl(dlg, loWort(w), hiWort(w));
        return 0;
    }
    return 0;
}

intptr_t kurvenDialogSchleife(Fenster fenster)
{
    intptr_t r = 0;
    for (;;) {
        r = dialogModal(vorlageNeuronKurven, fenster, diagrammParameterDlgProc, reinterpret_cast<intptr_t>(fenster));
        if (r < 0)
            return r;
        aktuellesDiagramm.kurvenSlot = static_cast<int>(std::min<intptr_t>(r, kurvenProDiagramm - 1));
    }
}

int kurvenDialogOeffnen(Fenster eigner, int slot)
{
    aktuellesDiagramm.kurvenSlot = slot;
    const intptr_t r = dialogModal(vorlageNeuronKurven, eigner, diagrammParameterDlgProc,
                                   reinterpret_cast<intptr_t>(eigner));
    return r < 0 ? static_cast<int>(r) : static_cast<int>(std::min<intptr_t>(r, kurvenProDiagramm - 1));
}

intptr_t kurveAndererNeuronDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmenExtern);
        return 0;
    case nachricht::DialogInit:
        if (l != 0)
            externFenster = reinterpret_cast<Fenster>(l);
        dialogInitialisieren(dlg, rahmenExtern, {nullptr, externeKurveTexteSetzen, externOeffnen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        if (id == idNeuronListe && hiWort(w) == benachrichtigung::AuswahlGeaendert) {
            externeKurvenFuellen(dlg, true);
        } else if (id == idKurvenListe && hiWort(w) == benachrichtigung::AuswahlGeaendert) {
            const int pos = listeAuswahl(dlg, idKurvenListe);
            if (pos >= 0)
                letzteKurve = static_cast<int>(listeDaten(dlg, idKurvenListe, pos));
        } else if (id == 1 && gewaehltesNeuron(dlg) && listeAuswahl(dlg, idKurvenListe) >= 0) {
            NeuronDaten* gewaehlt = gewaehltesNeuron(dlg);
            externeKurveWahl = {gewaehlt, &gewaehlt->hauptDiagramm, letzteKurve};
            dialogSchliessen(dlg, rahmenExtern, 1, false);
        } else if (id == 1 || id == 2) {
            externeKurveWahl = {};
            dialogSchliessen(dlg, rahmenExtern, 2, false);
        }
        return 0;
    }
    }
    return 0;
}

void referenzkurveSpeichern(Fenster fenster)
{
    DiagrammDaten* d = diagrammZuFenster(fenster);
    if (!d)
        return;
    // the model: the first shown curve that has samples
    int vorbild = -1;
    for (int i = 0; i < ersterReferenzSlot && vorbild < 0; ++i)
        if (d->kurven[i].anzeigen && hatDaten(d->kurven[i]))
            vorbild = i;
    if (vorbild < 0) {
        meldungsBox(fenster, meldungsTexte[meldungOhneVorlage], "Hinweis", knoepfe::Ok | symbol::Information);
        return;
    }
    // the target: the first reference slot of its own kind
    int ziel = -1;
    for (int i = ersterReferenzSlot; i < kurvenProDiagramm && ziel < 0; ++i)
        if (d->kurven[i].referenz == kurvenReferenz::Eigen)
            ziel = i;
    if (ziel < 0) {
        hinweisBox(meldungsTexte[698]);
        return;
    }
    // the samples
    KurvenDaten& t = d->kurven[ziel];
    const KurvenDaten& q = d->kurven[vorbild];
    if (!wertePlatz(t, q.werte.size())) {
        schwererFehler(699);
        return;
    }
    werteKopieren(t, q);
    // named and shown as a reference
    t.bezeichnung = meldungFormatieren(577, ziel - ersterReferenzSlot + 1);
    t.neuBerechnen = 1, t.anzeigen = 1;
    t.referenz = kurvenReferenz::Gespeichert;
    t.yOffset = 0.0;
    aktuellesDiagramm.diagramm = d;
    aktuellesDiagramm.kurvenSlot = ziel;
    // the curve dialog, 6. cancelled: the reference goes again
    if (kurvenDialogSchleife(fenster) == -2) {
        t.bezeichnung.clear();
        t.neuBerechnen = 0, t.anzeigen = 0, t.referenz = kurvenReferenz::Eigen;
        t.yOffset = 0.0;
        aktuellesDiagramm.kurvenSlot = 0;
        kurvenPufferFreigeben(t);
        return;
    }
    kurvenVorbereiten(d, ziel);
    ungueltigMachen(fenster);
}
