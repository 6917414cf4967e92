// model/diagramm.cpp - the diagram globals, curve buffers, format copies, clearing and freeing
#include "model/diagramm.h"
#include "core/endemeldung.h"
#include "model/kurven.h"
#include "model/netz.h"
#include "core/rahmen.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <new>

AktuellesDiagramm aktuellesDiagramm;
Fensterliste fensterliste{};
DiagrammDaten& diagrammVorlage = stdNeuron.hauptDiagramm;
DiagrammOptionen diagrammOptionen;
Zeitmessung zeitmessung;

// ---- serial numbers and links ----------------------------------------------------------

namespace {

// A number is a slot and the slot's generation: a slot is taken again once its record has
// gone, and each renewal or release counts its generation on, so that an older number no
// longer matches. Kept until the process ends, so that records of static storage may go
// after it.
struct Kennungen {
    std::vector<uint32_t> generation;
    std::vector<uint32_t> frei;
};

Kennungen& kennungen()
{
    static auto* k = new Kennungen;
    return *k;
}

uint64_t zahl(uint64_t slot, uint32_t generation) { return slot << 32 | generation; }

uint64_t neueKennung()
{
    Kennungen& k = kennungen();
    uint32_t slot;
    if (!k.frei.empty()) {
        slot = k.frei.back();
        k.frei.pop_back();
    } else {
        slot = static_cast<uint32_t>(k.generation.size());
        k.generation.push_back(0);
    }
    return zahl(slot, k.generation[slot]);
}

} // namespace

DiagrammKennung::DiagrammKennung() : wert_(neueKennung()) {}
DiagrammKennung::DiagrammKennung(const DiagrammKennung&) : wert_(neueKennung()) {}

DiagrammKennung::~DiagrammKennung()
{
    Kennungen& k = kennungen();
    const auto slot = static_cast<uint32_t>(wert_ >> 32);
    ++k.generation[slot];
    k.frei.push_back(slot);
}

void DiagrammKennung::erneuern() const
{
    const uint64_t slot = wert_ >> 32;
    wert_ = zahl(slot, ++kennungen().generation[slot]);
}

bool DiagrammKennung::lebt(uint64_t wert)
{
    const Kennungen& k = kennungen();
    const uint64_t slot = wert >> 32;
    return slot < k.generation.size() && k.generation[slot] == static_cast<uint32_t>(wert);
}

DiagrammVerweis& DiagrammVerweis::operator=(DiagrammDaten* ziel)
{
    ziel_ = ziel;
    kennung_ = ziel ? ziel->kennung.wert() : 0;
    return *this;
}

// ---- buffers ---------------------------------------------------------------------------

bool wertePufferBereitstellen(KurvenDaten& k, int schritte)
{
    const size_t noetig = static_cast<size_t>(std::max(schritte, 0)) + werteReserve;
    if (k.werte.size() >= noetig)
        return true;
    try {
        // older samples are of a shorter run: they go, the slot says "no data"
        std::vector<float>(noetig, keineDaten).swap(k.werte);
    } catch (const std::bad_alloc&) {
        std::vector<float>().swap(k.werte);
        k.werteAnzahl = 0;
        return false;
    }
    k.schreibPosition = 0;
    return true;
}

bool punktPufferBereitstellen(KurvenDaten& k, int breite)
{
    const size_t noetig = static_cast<size_t>(std::max(breite, 0)) * 4 + punkteReserve;
    if (punktPlatz(k) >= noetig)
        return true;
    try {
        k.punkte.resize(2 * noetig);
    } catch (const std::bad_alloc&) {
        std::vector<int32_t>().swap(k.punkte);
        k.punktAnzahl = 0;
        return false;
    }
    return true;
}

void kurvenPufferFreigeben(KurvenDaten& k)
{
    std::vector<int32_t>().swap(k.punkte);
    std::vector<float>().swap(k.werte);
    k.punktAnzahl = k.werteAnzahl = 0;
    k.schreibPosition = 0;
}

// ---- format copies ---------------------------------------------------------------------

namespace {

void diagrammFormat(DiagrammDaten& z, const DiagrammDaten& q)
{
    z.linienDicke = q.linienDicke;
    z.linienArt = q.linienArt;
    z.linienWieTicks = q.linienWieTicks;
    z.abstandHorizontalerLinien = q.abstandHorizontalerLinien;
    z.abstandVertikalerLinien = q.abstandVertikalerLinien;
    z.definierteHorizontaleHilfslinie = q.definierteHorizontaleHilfslinie;
    z.definierteVertikaleHilfslinie = q.definierteVertikaleHilfslinie;
    z.xRand = q.xRand;
    z.yRand = q.yRand;
    z.achsenDicke = q.achsenDicke;
    z.tickDicke = q.tickDicke;
    z.tickLaenge = q.tickLaenge;
    z.xTickPosition = q.xTickPosition;
    z.yTickPosition = q.yTickPosition;
    z.xTextAbstand = q.xTextAbstand;
    z.yTextAbstand = q.yTextAbstand;
    z.tickFontSize = q.tickFontSize;
    z.cursorDicke = q.cursorDicke;
    z.cursorArt = q.cursorArt;
    z.cursorFarbe = q.cursorFarbe;
    z.xUrsprung = q.xUrsprung;
    z.yUrsprung = q.yUrsprung;
    z.xUrsprungManuell = q.xUrsprungManuell;
    z.xTickIntervallWirksam = q.xTickIntervallWirksam;
    z.xTickIntervall = q.xTickIntervall;
    z.yTickIntervall = q.yTickIntervall;
    z.minX = q.minX;
    z.maxX = q.maxX;
    z.minY = q.minY;
    z.maxY = q.maxY;
    z.achsenFarbe = q.achsenFarbe;
    z.tickFarbe = q.tickFarbe;
    z.linienFarbe = q.linienFarbe;
    z.textFarbe = q.textFarbe;
    z.hilfslinien = q.hilfslinien;
    z.horizontaleHilfslinien = q.horizontaleHilfslinien;
    z.vertikaleHilfslinien = q.vertikaleHilfslinien;
    z.ticksAnpassen = q.ticksAnpassen;
    z.dimensionenAnzeigen = q.dimensionenAnzeigen;
    z.legendeFontSize = q.legendeFontSize;
    z.legendeLinksbuendig = q.legendeLinksbuendig;
    z.legendeX = q.legendeX;
    z.legendeY = q.legendeY;
    z.xDimension = q.xDimension;
    z.yDimension = q.yDimension;
    z.xDimensionPosition = q.xDimensionPosition;
    z.xDimensionAbstand = q.xDimensionAbstand;
    z.yDimensionAbstand = q.yDimensionAbstand;
    z.yDimensionPosition = q.yDimensionPosition;
    z.dimensionLinks = q.dimensionLinks;
    z.dimensionSchriftgroesse = q.dimensionSchriftgroesse;
    z.dezimalstellenVCursor = q.dezimalstellenVCursor;
    z.vCursorAbstand = q.vCursorAbstand;
    z.zweiterVCursor = q.zweiterVCursor;
    z.hCursorAbstand = q.hCursorAbstand;
    z.zweiterHCursor = q.zweiterHCursor;
    z.dezimalstellenHCursor = q.dezimalstellenHCursor;
}

// everything but the buffers, the write position, the drag and hit state, the factor,
// the highlight and the drawing objects
void kurvenFormat(KurvenDaten& z, const KurvenDaten& q)
{
    z.punktAnzahl = q.punktAnzahl;
    z.werteAnzahl = q.werteAnzahl;
    z.referenz = q.referenz;
    z.stromreizSegment = q.stromreizSegment;
    z.externeNeuronId = q.externeNeuronId;
    z.externeKurveId = q.externeKurveId;
    z.synapseId = q.synapseId;
    z.yOffset = q.yOffset;
    z.yZoom = q.yZoom;
    z.eigeneYAchse = q.eigeneYAchse;
    z.nullAufXAchse = q.nullAufXAchse;
    z.yAchse2Wert = q.yAchse2Wert;
    z.minY = q.minY;
    z.maxY = q.maxY;
    z.xPos = q.xPos;
    z.festerTickAbstand = q.festerTickAbstand;
    z.tickAbstand = q.tickAbstand;
    z.anzahlTicks = q.anzahlTicks;
    z.tickPos = q.tickPos;
    z.tickLaenge = q.tickLaenge;
    z.beschriftungAbstand = q.beschriftungAbstand;
    z.dicke2Achse = q.dicke2Achse;
    z.dezimalstellenAn = q.dezimalstellenAn;
    z.anzahlDezimalstellen = q.anzahlDezimalstellen;
    z.dimensionAnzeigen = q.dimensionAnzeigen;
    z.dimensionAbstand = q.dimensionAbstand;
    z.dimensionYPos = q.dimensionYPos;
    z.neuBerechnen = q.neuBerechnen;
    z.farbe = q.farbe;
    z.dicke = q.dicke;
    z.linienart = q.linienart;
    z.bezeichnung = q.bezeichnung;
    z.dimension = q.dimension;
    z.anzeigen = q.anzeigen;
    z.kanal = q.kanal;
}

} // namespace

void diagrammFormatKopieren(DiagrammDaten* ziel, const DiagrammDaten* quelle, const NeuronDaten* neuron, int teil)
{
    if (!ziel || !quelle || ziel == quelle)
        return;
    if (teil == 1)
        diagrammFormat(*ziel, *quelle);
    else if (teil == 2)
        for (int i = 0; i < kurvenProDiagramm; ++i)
            kurvenFormat(ziel->kurven[i], quelle->kurven[i]);
    if ((teil == 1 || teil == 2) && neuron)
        ziel->neuronId = neuron->nummer;
    ziel->werteInLegende = quelle->werteInLegende;
}

// ---- freeing -----------------------------------------------------------------------------

void diagrammGdiFreigeben(DiagrammDaten& d)
{
    for (FontDaten* s : {&d.achsenSchrift, &d.legendeSchrift}) {
        plattform::loeschen(s->schrift);
        s->schrift = nullptr;
    }
    for (int i = 0; i < 5; ++i) {
        plattform::loeschen(d.stifte[i]);
        plattform::loeschen(d.pinsel[i]);
        d.stifte[i] = nullptr;
        d.pinsel[i] = nullptr;
    }
    d.speicherDC = nullptr;      // the surface of the image, gone with it
    plattform::bildLoeschen(d.bild);
    d.bild = nullptr;
    for (KurvenDaten& k : d.kurven) {
        plattform::loeschen(k.stift);
        plattform::loeschen(k.pinsel);
        k.stift = nullptr;
        k.pinsel = nullptr;
    }
}

void diagrammVerweiseLoesen(const DiagrammDaten& d)
{
    AktuellesDiagramm& a = aktuellesDiagramm;
    if (a.diagramm == &d) {
        a.diagramm = nullptr;
        a.kurvenSlot = 0;
        a.kurvenWort = 0;
    }
    if (a.messDiagramm == &d)
        a.messDiagramm = nullptr;
    if (d.fenster && a.messFenster == d.fenster)
        a.messFenster = nullptr;
    // a new number: every link made to the record so far reads as null
    d.kennung.erneuern();
}

void diagrammFreigeben(DiagrammDaten& d)
{
    for (KurvenDaten& k : d.kurven)
        kurvenPufferFreigeben(k);
    diagrammGdiFreigeben(d);
    if (d.fenster) {
        plattform::fensterZerstoeren(d.fenster);
        d.fenster = nullptr;
    }
    d.offen = 0;
}

// ---- clearing slots ----------------------------------------------------------------------

namespace {

void slotLeeren(KurvenDaten& k, const KurvenDaten& vorlage)
{
    k.anzeigen = 0;
    k.bezeichnung = vorlage.bezeichnung;
    k.dimension = vorlage.dimension;
    kurvenPufferFreigeben(k);
    k.yZoom = 1.0;
    k.neuBerechnen = 0;
    k.synapseId = k.externeKurveId = k.externeNeuronId = k.referenz = 0;
    k.yOffset = 0.0;
}

void freisetzungsKurveWeniger(DiagrammDaten& d)
{
    if (d.freisetzungsKurven > 0)
        --d.freisetzungsKurven;
}

} // namespace

void kurveEntfernen(NeuronDaten* neuron, DiagrammDaten* arbeitskopie, DiagrammDaten* diagramm, int slot)
{
    if (!arbeitskopie || !diagramm || slot < 0 || slot >= kurvenProDiagramm)
        return;
    // the slot of the working copy back to the template's name, unit and line
    const KurvenDaten& v = diagrammVorlage.kurven[slot];
    KurvenDaten& a = arbeitskopie->kurven[slot];
    a.bezeichnung = v.bezeichnung;
    a.dimension = v.dimension;
    a.farbe = v.farbe;
    a.linienart = v.linienart;
    a.dicke = v.dicke;
    a.punktAnzahl = a.werteAnzahl = 0;
    a.yZoom = 1.0;
    a.neuBerechnen = a.anzeigen = 0;
    a.synapseId = a.externeKurveId = a.externeNeuronId = a.referenz = a.stromreizSegment = 0;
    a.yOffset = 0.0;
    // no curve is current any more
    aktuellesDiagramm.kurvenSlot = 0;
    aktuellesDiagramm.kurvenWort = 0;
    // the formats into the diagram, its buffers of the slot freed
    if (diagramm->kurven[slot].referenz & kurvenReferenz::Freisetzung)
        freisetzungsKurveWeniger(*diagramm);
    diagrammFormatKopieren(diagramm, arbeitskopie, neuron, 2);
    KurvenDaten& k = diagramm->kurven[slot];
    std::vector<int32_t>().swap(k.punkte);
    std::vector<float>().swap(k.werte);
    k.schreibPosition = 0;
    // the first copy of this curve elsewhere goes too
    if (!neuron)
        return;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            for (int i = 0; i < kurvenProDiagramm; ++i) {
                KurvenDaten& kopie = d->kurven[i];
                if (kopie.externeNeuronId == neuron->nummer && kopie.externeKurveId == slot) {
                    slotLeeren(kopie, diagrammVorlage.kurven[i]);
                    return;
                }
            }
}

// ---- fonts and new records ---------------------------------------------------------------

namespace {

// windows and the screen have the same resolution on this platform
constexpr int bildschirmDpi = 96;

} // namespace

void schriftFuerBildschirm(FontDaten& s, int punkte)
{
    plattform::loeschen(s.schrift);
    s.schrift = nullptr;
    s.punkte = punkte;
    plattform::SchriftMerkmale m;
    m.gewicht = s.gewicht < 1 ? 400 : s.gewicht;
    m.kursiv = s.kursiv != 0;
    m.unterstrichen = s.unterstrichen != 0;
    m.orientierung = 900;            // as the stored pages expect; text still runs horizontally
    m.hoehe = plattform::schriftHoeheAusPunkten(punkte, bildschirmDpi);
    m.name = s.name;
    s.merkmale = m;
    s.schrift = plattform::schriftErzeugen(m);
}

void fontErzeugen(FontDaten* schrift, int punkte)
{
    if (!neuronKette.kopf)
        return;
    if (!schrift) {
        plattform::hinweisBox(meldungFormatieren(447));
        return;
    }
    schriftFuerBildschirm(*schrift, punkte);
}

int freieDiagrammNummer(const NeuronDaten& neuron)
{
    int nummer = 1;
    for (const DiagrammDaten* d = &neuron.hauptDiagramm; d;) {
        if (d->nummer == nummer) {
            ++nummer;
            d = &neuron.hauptDiagramm;   // a later diagram may bear the next number
        } else {
            d = d->naechstes;
        }
    }
    return nummer;
}

std::string diagrammTitel(const NeuronDaten& neuron, const DiagrammDaten& d)
{
    return d.nummer < 1 ? neuronAnzeigename(neuron) : neuronAnzeigename(neuron) + " " + std::to_string(d.nummer);
}

DiagrammDaten* diagrammAnhaengen(NeuronDaten& neuron)
{
    DiagrammDaten* neu = new (std::nothrow) DiagrammDaten;
    if (!neu) {
        endeMelden(EndeForm::Info, meldungFormatieren(693));
        return nullptr;
    }
    neu->nummer = freieDiagrammNummer(neuron);
    DiagrammDaten* letztes = &neuron.hauptDiagramm;
    while (letztes->naechstes)
        letztes = letztes->naechstes;
    letztes->naechstes = neu;
    neu->offen = 1;
    return neu;
}

void fensterlisteBereinigen(Fensterliste& liste)
{
    const auto existiert = [](int nummer) {
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            if (n->nummer == nummer)
                return true;
        return false;
    };
    // the chain, not the neuron table: the table follows only after the next refresh
    size_t frei = 0;
    for (const FensterlistenEintrag& e : liste) {
        if (e.neuronId == 0)
            break;
        if (existiert(e.neuronId))
            liste[frei++] = e;
    }
    std::fill(liste.begin() + static_cast<std::ptrdiff_t>(frei), liste.end(), FensterlistenEintrag{});
}
