// dialogs/diagrammlayout.cpp - the layout of one diagram or of the diagram template
// ("Einstellungen zum Diagramm-Layout", 127): margins, axes, ticks, time window and value
// range, crossings, grid, colours, cursor lines, legend and unit labels
//
// Everything is edited in a working copy. OK writes it into the edited diagram, or, where
// the small apply boxes are ticked, only the ticked values into every diagram of the
// neuron (OK) or of all neurons (1206), and into the template.
#include "dialogs/diagrammlayout.h"
#include "core/schluessel.h"
#include "diagrams/diagramm.h"
#include "dialogs/achsenformat.h"
#include "dialogs/legendeformat.h"
#include "dialogs/rahmen.h"
#include "model/diagramm.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <climits>
#include <cstdio>
#include <iterator>
#include <string>

using namespace plattform;

uint32_t doppelklickBereich = 0;

namespace {

enum : int {
    idOk = 1, idNixTun = 2, idXVon = 1140, idXBis = 1142, idYVon = 1144, idYBis = 1145, idXTick = 1136,
    idYTick = 1138, idYSchnitt = 1134, idXSchnitt = 1133, idManuell = 1193, idRandSeite = 1101, idRandOben = 1105,
    idHilfslinien = 1150, idHorizontal = 1156, idVertikal = 1157, idLinienDicke = 1151, idLinienArt = 1152,
    idWieTicks = 1267, idAbstandH = 1154, idAbstandV = 1155, idNurEineH = 1207, idNurEineV = 1208,
    idDimensionen = 1171, idTicksAnpassen = 1170, idDimensionFormat = 1169, idLegendeFormat = 1175,
    idAlleFormatieren = 1159, idVerlinken = 1205, idEinfach = 1160, idText1 = 1398, idText2 = 1399,
    idUeberall = 1206, idInVorlage = 1172, idUndAlle = 1173, idAusVorlage = 1168, idSchnittBox = 1184,
};
constexpr int ansichtEinfach = 0, ansichtVoll = 5;
constexpr int meldungTitelNeuron = 930, meldungTitelVorlage = 931, meldungAusVorlage = 932;
constexpr int meldungAlleFormatieren = 933, meldungNichtsAngekreuzt = 934;

using IntFeld = int DiagrammDaten::*;
using RealFeld = double DiagrammDaten::*;

// the whole-number and real fields, each with its apply box; whole numbers with their range
// (margins, lengths and distances are pixels, line widths too; the painter computes with them)
struct GanzzahlFeld { int id; IntFeld feld; int box; int von, bis; };
struct RealZahlFeld { int id; RealFeld feld; int box; };
constexpr GanzzahlFeld ganzzahlFelder[] = {
    {idRandOben, &DiagrammDaten::yRand, 1174, -groesseMax, groesseMax},
    {idRandSeite, &DiagrammDaten::xRand, 1176, -groesseMax, groesseMax},
    {1127, &DiagrammDaten::achsenDicke, 1177, 0, linienbreiteMax},
    {1131, &DiagrammDaten::tickLaenge, 1179, -groesseMax, groesseMax},
    {1130, &DiagrammDaten::tickDicke, 1178, 0, linienbreiteMax},
    {1149, &DiagrammDaten::tickFontSize, 1192, 0, groesseMax},
    {1167, &DiagrammDaten::cursorDicke, 1196, 0, linienbreiteMax},
    {1165, &DiagrammDaten::cursorArt, 1211, INT_MIN, INT_MAX},
    {1132, &DiagrammDaten::xTickPosition, 1180, -groesseMax, groesseMax},
    {1146, &DiagrammDaten::xTextAbstand, 1182, -groesseMax, groesseMax},
    {1158, &DiagrammDaten::yTickPosition, 1181, -groesseMax, groesseMax},
    {1590, &DiagrammDaten::yTextAbstand, 1191, -groesseMax, groesseMax},
    {idLinienDicke, &DiagrammDaten::linienDicke, 1194, 0, linienbreiteMax},
};
constexpr RealZahlFeld realFelder[] = {
    {idXVon, &DiagrammDaten::minX, 1187},       {idXBis, &DiagrammDaten::maxX, 1188},
    {idYSchnitt, &DiagrammDaten::yUrsprung, 1183}, {idXTick, &DiagrammDaten::xTickIntervallWirksam, 1185},
    {idYVon, &DiagrammDaten::minY, 1189},       {idYBis, &DiagrammDaten::maxY, 1190},
    {idXSchnitt, &DiagrammDaten::xUrsprung, 1184}, {idYTick, &DiagrammDaten::yTickIntervall, 1186},
    {idAbstandH, &DiagrammDaten::abstandHorizontalerLinien, 1197},
    {idAbstandV, &DiagrammDaten::abstandVertikalerLinien, 1198},
};
// the check boxes read at the apply road; a ticked one also switches the template's on
constexpr std::pair<int, IntFeld> schalter[] = {
    {idHilfslinien, &DiagrammDaten::hilfslinien},   {idWieTicks, &DiagrammDaten::linienWieTicks},
    {idNurEineH, &DiagrammDaten::definierteHorizontaleHilfslinie},
    {idNurEineV, &DiagrammDaten::definierteVertikaleHilfslinie},
    {idHorizontal, &DiagrammDaten::horizontaleHilfslinien}, {idVertikal, &DiagrammDaten::vertikaleHilfslinien},
    {idTicksAnpassen, &DiagrammDaten::ticksAnpassen}, {idDimensionen, &DiagrammDaten::dimensionenAnzeigen},
};
// the colour buttons
constexpr std::pair<int, plattform::Farbe DiagrammDaten::*> farbKnoepfe[] = {
    {1161, &DiagrammDaten::achsenFarbe}, {1162, &DiagrammDaten::tickFarbe}, {1163, &DiagrammDaten::cursorFarbe},
    {1164, &DiagrammDaten::linienFarbe}, {1166, &DiagrammDaten::textFarbe},
};
constexpr int applyBoxen[] = {
    1174, 1176, 1177, 1179, 1178, 1192, 1212, 1213, 1204, 1214, 1196, 1211, 1187, 1188, 1183, 1185, 1180, 1182,
    1189, 1190, 1184, 1186, 1181, 1191, 1199, 1200, 1201, 1202, 1209, 1203, 1194, 1195, 1268, 1197, 1198,
};
// what the simple view keeps besides the apply boxes
constexpr int einfacheAnsicht[] = {
    idXVon, idXBis, idYVon, idYBis, idXSchnitt, idYSchnitt, idXTick, idYTick, idManuell, 3402, 3404, 3406, 3408,
    3413, 3415, 3416, 3418, idAlleFormatieren, idEinfach, idVerlinken, idText1, idText2, idOk, idUeberall, idNixTun,
};
// the focus requests in their order: when several bits are set the last wins
constexpr std::pair<uint32_t, int> fokusAnforderungen[] = {
    {0x2, idXVon}, {0x4, idXBis}, {0x10, idYVon}, {0x8, idYBis}, {0x200, idXTick},
    {0x400, idYTick}, {0x20, idYSchnitt}, {0x40, idXSchnitt}, {0x80, idRandSeite}, {0x100, idRandOben},
};
// the grid controls that follow "darstellen"
constexpr int gitterElemente[] = {idHorizontal, idVertikal, idLinienDicke, idLinienArt, idWieTicks, idAbstandH,
                                  idAbstandV, idNurEineH, idNurEineV, 1203, 1194, 1195, 1268, 1197, 1198};

DialogRahmen rahmen;
DiagrammDaten kopie;                  // the working copy: no pens, fonts or buffers of its own
DiagrammDaten* diagramm = nullptr;    // the edited diagram, or the template
NeuronDaten* neuron = nullptr;
Fenster diagrammFenster = nullptr;
int fokusElement = idXVon;
bool vorlagenModus = false;
intptr_t parameter = 0;

bool enthaelt(int id, std::span<const int> liste)
{
    for (int x : liste)
        if (x == id)
            return true;
    return false;
}

// A working copy holds values only: the drawing objects, the buffers and the chain stay
// with the edited record, so nothing is shared or freed twice.
void arbeitskopieNehmen(const DiagrammDaten& quelle)
{
    kopie = DiagrammDaten{};
    diagrammFormatKopieren(&kopie, &quelle, nullptr, 1);
    diagrammFormatKopieren(&kopie, &quelle, nullptr, 2);
    kopie.neuronId = quelle.neuronId;
    kopie.cursorFarbe = quelle.cursorFarbe, kopie.cursorArt = quelle.cursorArt, kopie.cursorDicke = quelle.cursorDicke;
    kopie.xUrsprungManuell = quelle.xUrsprungManuell;
}

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void gitterFreigeben(Fenster dlg, const DiagrammDaten& d)
{
    for (int id : gitterElemente)
        dialogElementAktivieren(dlg, id, d.hilfslinien != 0);
    if (d.hilfslinien) {
        for (int id : {idAbstandH, idNurEineH})
            dialogElementAktivieren(dlg, id, d.horizontaleHilfslinien != 0);
        for (int id : {idAbstandV, idNurEineV})
            dialogElementAktivieren(dlg, id, d.vertikaleHilfslinien != 0);
    }
}

void schnittFreigeben(Fenster dlg)
{
    dialogElementAktivieren(dlg, idXSchnitt, kopie.xUrsprungManuell != 0);
    dialogElementAktivieren(dlg, idSchnittBox, kopie.xUrsprungManuell != 0);
}

// the edit fields, the style and the value check boxes from a record
void felderZeigen(Fenster dlg, const DiagrammDaten& d)
{
    for (const GanzzahlFeld& f : ganzzahlFelder)
        elementTextSetzen(dlg, f.id, std::to_string(d.*f.feld));
    for (const RealZahlFeld& f : realFelder)
        elementTextSetzen(dlg, f.id, zahlText(d.*f.feld));
    for (int i = 0; i < listeAnzahl(dlg, idLinienArt); ++i)
        if (listeDaten(dlg, idLinienArt, i) == d.linienArt)
            listeAuswahlSetzen(dlg, idLinienArt, i);
}

void linienArtenFuellen(Fenster dlg, int id)
{
    listeLeeren(dlg, id);
    for (int art = 0; art < 3; ++art)
        listeDatenSetzen(dlg, id, listeHinzufuegen(dlg, id, meldungsTexte[756 + art]), art);
}

// first opening: diagram and neuron, the working copy, the texts and the apply boxes
void oeffnen(Fenster dlg)
{
    editierStatus &= ~editierBit::MarkierteZiehen;
    vorlagenModus = (programmStatus & programmBit::VorlagenModus) != 0;
    diagrammFenster = vorlagenModus ? nullptr : reinterpret_cast<Fenster>(parameter);
    if (vorlagenModus) {
        diagramm = &diagrammVorlage;
        neuron = &stdNeuron;
    } else {
        diagramm = diagrammFenster ? diagrammZuFenster(diagrammFenster) : nullptr;
        neuron = diagramm ? neuronNachNummer(diagramm->neuronId) : nullptr;
    }
    diagrammTexteSetzen(dlg);
    tooltipsDiagrammLayoutDialog(dlg);
    if (!diagramm)
        return;
    if (programmStatus & programmBit::ArbeitskopieAnfordern) {
        arbeitskopieNehmen(*diagramm);
        programmStatus &= ~programmBit::ArbeitskopieAnfordern;
    }
    const bool boxen = dialogEinstellungen.dialogeKomplett && dialogEinstellungen.diagrammDialogAnzeige == ansichtVoll;
    for (int id : applyBoxen)
        elementZeigen(dlg, id, boxen ? 1 : 0);
}

// every initialisation: the controls from the working copy, the view, the mode, the focus
void fuellen(Fenster dlg)
{
    if (!diagramm)
        return;
    linienArtenFuellen(dlg, idLinienArt);
    felderZeigen(dlg, kopie);
    for (const auto& [id, feld] : schalter)
        hakenSetzen(dlg, id, kopie.*feld ? 1 : 0);
    hakenSetzen(dlg, idManuell, kopie.xUrsprungManuell ? 1 : 0);
    hakenSetzen(dlg, idAlleFormatieren, programmOptionen.alleDiagrammeFormatieren ? 1 : 0);
    hakenSetzen(dlg, idVerlinken, diagrammOptionen.alleVerlinken ? 1 : 0);
    hakenSetzen(dlg, idEinfach, dialogEinstellungen.diagrammDialogAnzeige == ansichtEinfach ? 1 : 0);
    gitterFreigeben(dlg, kopie);
    schnittFreigeben(dlg);
    // the detail controls by the view
    const bool voll = dialogEinstellungen.diagrammDialogAnzeige != ansichtEinfach;
    for (const DialogElement& e : vorlageDiagrammLayout.elemente)
        if (!enthaelt(e.id, applyBoxen) && !enthaelt(e.id, einfacheAnsicht))
            elementZeigen(dlg, e.id, voll ? 1 : 0);
    const std::string* ueberall = dialogText("IDC_D_GECHECKTE_WERTE_AENDERN=");
    const std::string ueberallText = ueberall ? *ueberall : std::string{};
    if (vorlagenModus) {
        elementTextSetzen(dlg, idText1, "");
        elementTextSetzen(dlg, idText2, "");
        elementTextSetzen(dlg, idUeberall, textFeldHolen(ueberallText, 2));
        dialogElementAktivieren(dlg, idUeberall, 1);
        for (int id : {idInVorlage, idUndAlle, idAusVorlage})
            dialogElementAktivieren(dlg, id, 0);
        for (int id : applyBoxen)
            elementZeigen(dlg, id, 0);
    } else {
        const bool komplett = dialogEinstellungen.dialogeKomplett != 0;
        const std::string* t1 = dialogText("IDC_D_UEBERSCHRIFT1=");
        const std::string* t2 = dialogText("IDC_D_UEBERSCHRIFT2=");
        elementTextSetzen(dlg, idText1, komplett && t1 ? *t1 : "");
        elementTextSetzen(dlg, idText2, komplett && t2 ? *t2 : "");
        if (komplett)
            elementTextSetzen(dlg, idUeberall, textFeldHolen(ueberallText, 1));
        for (int id : {idUeberall, idInVorlage, idUndAlle, idAusVorlage})
            dialogElementAktivieren(dlg, id, 1);
    }
    // a double click on an axis part names the field; without one the caption names the diagram
    uint32_t anforderung = doppelklickBereich;
    doppelklickBereich = 0;
    if (anforderung) {
        for (const auto& [bit, id] : fokusAnforderungen)
            if (anforderung & bit)
                fokusElement = id;
        dialogElementFokussieren(dlg, fokusElement, 1);
    } else if (vorlagenModus) {
        titelSetzen(dlg, meldungsTexte[meldungTitelVorlage]);
    } else {
        titelSetzen(dlg, meldungFormatieren(meldungTitelNeuron, neuron ? neuronAnzeigename(*neuron) : std::string{}));
    }
}

void neuZeigen(DiagrammDaten& d, NeuronDaten* n)
{
    diagrammLayoutBerechnen(n, &d, 0);
    kurvenVorbereiten(&d, -1);
    if (d.fenster)
        ungueltigMachen(d.fenster);
}

// every diagram window of every neuron takes the whole format of quelle
void alleFensterFormatieren(const DiagrammDaten& quelle)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster && d != &quelle) {
                diagrammFormatKopieren(d, &quelle, n, 1);
                neuZeigen(*d, n);
            }
}

// the values of one apply box from the working copy
void boxUebernehmen(int box, DiagrammDaten& z)
{
    const DiagrammDaten& q = kopie;
    for (const GanzzahlFeld& f : ganzzahlFelder)
        if (f.box == box)
            z.*f.feld = q.*f.feld;
    for (const RealZahlFeld& f : realFelder)
        if (f.box == box)
            z.*f.feld = q.*f.feld;
    switch (box) {
    case 1212: z.dimensionenAnzeigen = q.dimensionenAnzeigen; break;
    case 1204: z.ticksAnpassen = q.ticksAnpassen; break;
    case 1213:
        z.xDimensionPosition = q.xDimensionPosition, z.xDimensionAbstand = q.xDimensionAbstand;
        z.yDimensionAbstand = q.yDimensionAbstand, z.yDimensionPosition = q.yDimensionPosition;
        z.dimensionLinks = q.dimensionLinks, z.dimensionSchriftgroesse = q.dimensionSchriftgroesse;
        z.xDimension = q.xDimension, z.yDimension = q.yDimension;
        break;
    case 1214:
        z.legendeFontSize = q.legendeFontSize, z.legendeX = q.legendeX, z.legendeY = q.legendeY;
        z.legendeLinksbuendig = q.legendeLinksbuendig;
        break;
    case 1185: z.xTickIntervall = q.xTickIntervall; break;
    case 1184: z.xUrsprungManuell = q.xUrsprungManuell; break;
    case 1199: z.achsenFarbe = q.achsenFarbe; break;
    case 1200: z.tickFarbe = q.tickFarbe; break;
    case 1201: z.linienFarbe = q.linienFarbe; break;
    case 1202: z.textFarbe = q.textFarbe; break;
    case 1209: z.cursorFarbe = q.cursorFarbe; break;
    case 1203:
        z.hilfslinien = q.hilfslinien, z.horizontaleHilfslinien = q.horizontaleHilfslinien;
        z.vertikaleHilfslinien = q.vertikaleHilfslinien;
        break;
    case 1195: z.linienArt = q.linienArt; break;
    case 1268: z.linienWieTicks = q.linienWieTicks; break;
    case 1197: z.definierteHorizontaleHilfslinie = q.definierteHorizontaleHilfslinie; break;
    case 1198: z.definierteVertikaleHilfslinie = q.definierteVertikaleHilfslinie; break;
    }
}

// The first part of applying: the fields into the working copy, corrected; false when a
// field holds no number or lies outside its range, or a tick interval is refused (the
// dialog stays open). A field that fails leaves the working copy as it was.
bool felderUebernehmen(Fenster dlg)
{
    std::array<int, std::size(ganzzahlFelder)> ganz{};
    std::array<double, std::size(realFelder)> real{};
    for (size_t i = 0; i < ganz.size(); ++i) {
        const GanzzahlFeld& f = ganzzahlFelder[i];
        if (!dialogGanzzahlLesen(dlg, f.id, f.von, f.bis, ganz[i]))
            return false;
    }
    for (size_t i = 0; i < real.size(); ++i)
        if (!dialogZahlFeldLesen(dlg, realFelder[i].id, real[i]))
            return false;
    // an axis whose "bis" lies below its "von" shows nothing: refused as typed
    const auto gelesen = [&real](int id) {
        for (size_t i = 0; i < real.size(); ++i)
            if (realFelder[i].id == id)
                return real[i];
        return 0.0;
    };
    for (const auto& [von, bis] : {std::pair{idXVon, idXBis}, std::pair{idYVon, idYBis}})
        if (!dialogFeldNichtUnter(dlg, bis, feldBeschriftung(dlg, bis), gelesen(bis), feldBeschriftung(dlg, von),
                                  gelesen(von)))
            return false;
    DiagrammDaten& k = kopie;
    for (size_t i = 0; i < ganz.size(); ++i)
        k.*ganzzahlFelder[i].feld = ganz[i];
    for (size_t i = 0; i < real.size(); ++i)
        k.*realFelder[i].feld = real[i];
    // the window ends with the run, unless the permutation display shows it
    const double dauer = simulationsParameter.simulationsDauer;
    if (k.maxX > dauer && !(modusStatus & modusBit::PermutationsfensterOffen))
        k.maxX = dauer;
    // more than 50 ticks are thinned to 10
    if (k.xTickIntervallWirksam > 0.0 && (k.maxX - k.minX) / k.xTickIntervallWirksam > 50.0)
        k.xTickIntervallWirksam = (k.maxX - k.minX) / 10.0;
    k.xTickIntervall = k.xTickIntervallWirksam;
    if (k.yTickIntervall > 0.0 && (k.maxY - k.minY) / k.yTickIntervall > 50.0)
        k.yTickIntervall = (k.maxY - k.minY) / 10.0;
    // the Y axis stands at the window start unless placed by hand
    if (k.xUrsprung < k.minX || (k.xUrsprung > k.minX && !k.xUrsprungManuell))
        k.xUrsprung = k.minX;
    if (k.yUrsprung > k.maxY)
        k.yUrsprung = k.maxY;
    if (k.yUrsprung < k.minY)
        k.yUrsprung = k.minY;
    for (const auto& [id, feld] : schalter) {
        k.*feld = haken(dlg, id);
        if (k.*feld)
            diagrammVorlage.*feld = 1;
    }
    if (k.xTickIntervallWirksam <= 0.0) {
        hinweisBox(meldungsTexte[449]);
        dialogElementFokussieren(dlg, idXTick, 1);
        return false;
    }
    if (k.yTickIntervall <= 0.0) {
        hinweisBox(meldungsTexte[450]);
        dialogElementFokussieren(dlg, idYTick, 1);
        return false;
    }
    return true;
}

bool irgendeineBox(Fenster dlg)
{
    for (int id : applyBoxen)
        if (haken(dlg, id))
            return true;
    return false;
}

// the ticked values into every diagram of the neuron whose main diagram has a window
void neuronAnwenden(Fenster dlg, NeuronDaten& n)
{
    if (!n.hauptDiagramm.fenster)
        return;
    n.hauptDiagramm.neuronId = n.nummer;
    for (DiagrammDaten* d = &n.hauptDiagramm; d; d = d->naechstes) {
        for (int box : applyBoxen)
            if (haken(dlg, box)) {
                boxUebernehmen(box, *d);
                boxUebernehmen(box, diagrammVorlage);
            }
        neuZeigen(*d, &n);
    }
}

void beenden(Fenster dlg, intptr_t ergebnis)
{
    dialogSchliessen(dlg, rahmen, ergebnis, false);
}

// OK, 1206, 1172 and 1173
void anwenden(Fenster dlg, int knopf)
{
    if (!diagramm) {
        beenden(dlg, idNixTun);
        return;
    }
    if (knopf == idUeberall && vorlagenModus && sysInfoBox(meldungsTexte[meldungAlleFormatieren], knoepfe::JaNein) != antwort::Ja)
        return;
    if (!felderUebernehmen(dlg))
        return;
    if (knopf == idInVorlage || knopf == idUndAlle) {
        if (sysInfoBox(meldungsTexte[535], knoepfe::JaNein) == antwort::Ja) {
            diagrammFormatKopieren(&diagrammVorlage, &kopie, nullptr, 1);
            diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
            kurvenVorbereiten(&diagrammVorlage, -1);
            if (knopf == idUndAlle && sysInfoBox(meldungsTexte[536], knoepfe::JaNein) == antwort::Ja)
                alleFensterFormatieren(diagrammVorlage);
        }
        return;
    }
    if (knopf == idOk) {
        diagrammOptionen.alleVerlinken = haken(dlg, idVerlinken);
        programmOptionen.alleDiagrammeFormatieren = haken(dlg, idAlleFormatieren);
        if (programmOptionen.alleDiagrammeFormatieren)
            alleFensterFormatieren(kopie);
    }
    if (!vorlagenModus) {
        if (!irgendeineBox(dlg)) {
            if (knopf == idUeberall) {
                piepen(1000, 100);
                hinweisBox(meldungsTexte[meldungNichtsAngekreuzt]);
                return;
            }
            // no box ticked: this diagram alone, whether or not its neuron shows a window
            diagrammFormatKopieren(diagramm, &kopie, nullptr, 1);
            neuZeigen(*diagramm, neuron);
        } else if (knopf == idOk) {
            if (neuron)
                neuronAnwenden(dlg, *neuron);
        } else {
            for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
                neuronAnwenden(dlg, *n);
        }
    }
    beenden(dlg, 1);
    if (vorlagenModus) {
        diagrammFormatKopieren(&diagrammVorlage, &kopie, nullptr, 1);
        if (knopf == idUeberall)
            alleFensterFormatieren(diagrammVorlage);
    }
    if (neuron) {
        diagrammLayoutBerechnen(neuron, diagramm, 0);
        kurvenVorbereiten(diagramm, -1);
    }
}

void ausVorlage(Fenster dlg)
{
    if (sysInfoBox(meldungsTexte[meldungAusVorlage], knoepfe::JaNein) != antwort::Ja)
        return;
    const DiagrammDaten& v = diagrammVorlage;
    felderZeigen(dlg, v);
    for (int id : {idHilfslinien, idHorizontal, idVertikal, idNurEineH, idNurEineV, idDimensionen})
        for (const auto& [sid, feld] : schalter)
            if (sid == id)
                hakenSetzen(dlg, id, v.*feld ? 1 : 0);
    for (int id : {idHorizontal, idVertikal, idLinienDicke, idLinienArt, idWieTicks, idAbstandH, idAbstandV})
        dialogElementAktivieren(dlg, id, v.hilfslinien != 0);
    DiagrammDaten& k = kopie;
    k.achsenFarbe = v.achsenFarbe, k.linienFarbe = v.linienFarbe, k.tickFarbe = v.tickFarbe, k.textFarbe = v.textFarbe;
    k.legendeFontSize = v.legendeFontSize, k.legendeX = v.legendeX, k.legendeY = v.legendeY;
    k.legendeLinksbuendig = v.legendeLinksbuendig;
    k.dimensionenAnzeigen = v.dimensionenAnzeigen;
    k.xDimensionPosition = v.xDimensionPosition, k.xDimensionAbstand = v.xDimensionAbstand;
    k.yDimensionAbstand = v.yDimensionAbstand, k.yDimensionPosition = v.yDimensionPosition;
    k.dimensionSchriftgroesse = v.dimensionSchriftgroesse;
    k.xDimension = v.xDimension, k.yDimension = v.yDimension;
}

// a chooser or sub-dialog over the diagram window while this dialog waits
template <class F>
void gesperrtAusfuehren(Fenster dlg, F f)
{
    freigeben(dlg, false);
    f();
    freigeben(dlg, true);
    vordergrundSetzen(dlg);
}

void befehl(Fenster dlg, int id, int code)
{
    for (const auto& [knopf, feld] : farbKnoepfe)
        if (knopf == id) {
            gesperrtAusfuehren(dlg, [&] {
                const Farbe f = farbeWaehlen(diagrammFenster, kopie.*feld);
                if (f < KeineFarbe)
                    kopie.*feld = f;
            });
            return;
        }
    switch (id) {
    case idEinfach:
        dialogEinstellungen.diagrammDialogAnzeige = haken(dlg, idEinfach) ? ansichtEinfach : ansichtVoll;
        senden(dlg, nachricht::DialogInit, 0, 0);
        break;
    case idHilfslinien: case idHorizontal: case idVertikal:
        kopie.hilfslinien = haken(dlg, idHilfslinien);
        kopie.horizontaleHilfslinien = haken(dlg, idHorizontal);
        kopie.vertikaleHilfslinien = haken(dlg, idVertikal);
        gitterFreigeben(dlg, kopie);
        break;
    case idManuell:
        kopie.xUrsprungManuell = haken(dlg, idManuell);
        schnittFreigeben(dlg);
        break;
    case idLinienArt:
        if (code == benachrichtigung::AuswahlGeaendert && listeAuswahl(dlg, idLinienArt) >= 0)
            kopie.linienArt = static_cast<int>(listeDaten(dlg, idLinienArt, listeAuswahl(dlg, idLinienArt)));
        break;
    case idDimensionFormat:
        gesperrtAusfuehren(dlg, [] {
            dialogModal(vorlageAchsenFormat, diagrammFenster, achsenFormatDlgProc, reinterpret_cast<intptr_t>(&kopie));
        });
        break;
    case idLegendeFormat:
        gesperrtAusfuehren(dlg, [] {
            dialogModal(vorlageLegendeFormat, diagrammFenster, legendeFormatDlgProc, reinterpret_cast<intptr_t>(&kopie));
        });
        break;
    case idAusVorlage:
        if (diagramm)
            ausVorlage(dlg);
        break;
    case idNixTun:
        beenden(dlg, idNixTun);
        break;
    case idOk: case idUeberall: case idInVorlage: case idUndAlle:
        anwenden(dlg, id);
        break;
    }
}

} // namespace

void diagrammTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageDiagrammLayout); }
void tooltipsDiagrammLayoutDialog(Fenster dlg) { vorlagenTooltipsSetzen(dlg, vorlageDiagrammLayout); }

intptr_t diagrammLayoutDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch || l != 0)   // a refill sends no parameter
            parameter = l;
        dialogInitialisieren(dlg, rahmen, {oeffnen, nullptr, fuellen});
        return 1;
    case nachricht::Befehl:
        befehl(dlg, loWort(w), hiWort(w));
        return 0;
    }
    return 0;
}

intptr_t diagrammLayoutDialogOeffnen(Fenster eigner, Fenster diagrammFenster)
{
    programmStatus |= programmBit::ArbeitskopieAnfordern;
    return dialogModal(vorlageDiagrammLayout, eigner, diagrammLayoutDlgProc,
                       reinterpret_cast<intptr_t>(diagrammFenster));
}
