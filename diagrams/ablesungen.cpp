// diagrams/ablesungen.cpp - the painter's read-outs after the curves: the time and value
// cursors with their values, the legend with the curve values and the AP frequency, the
// second y-axes and the event markers
#include "diagrams/ablesungen.h"
#include "diagrams/diagramm.h"
#include "diagrams/zeichner.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace plattform;

intptr_t (*zweiteYAchseDialogOeffnen)(DiagrammDaten& diagramm) = nullptr;

namespace {

constexpr int meldungSchrittweite2Achse = 823, meldungTeilstriche2Achse = 824;
constexpr int hoechstensBeschriftungen = 100;

struct Rand {
    int oben, unten, links, rechts;
};

std::string format(const char* f, auto... werte)
{
    char puffer[160];
    std::snprintf(puffer, sizeof puffer, f, werte...);
    return puffer;
}

// the places the user typed, as far as a format can take them
int stellen(int typed) { return std::clamp(typed, 0, 15); }

int linienStil(int art)
{
    return (art >= 0 && art <= 2) ? linienArten[static_cast<size_t>(art)] : stiftStil::Durchgehend;
}

// the column of a time; false when the diagram has no time span to map it on
bool zeitSpalte(const DiagrammDaten& d, double t, int& spalte)
{
    const double spanne = d.maxX - d.minX;
    if (!(spanne > 0.0) || !std::isfinite(spanne) || !std::isfinite(t))
        return false;
    spalte = pixelWert((t - d.minX) * d.plotBreite / spanne) + d.xRand;
    return true;
}

void cursorMittelWaehlen(DiagrammZeichner& w)
{
    w.schriftWaehlen(w.d.tickFontSize);
    auswaehlen(w.z, w.d.stifte[zeichenMittel::Cursor]);
    auswaehlen(w.z, w.d.pinsel[zeichenMittel::Cursor]);
}

// ---- time cursors ---------------------------------------------------------------------------

// snapped to the step grid; a step that is no positive number leaves the time as it is
double aufSchritt(double t, double schritt)
{
    if (!(schritt > 0.0) || !std::isfinite(t))
        return t;
    const double proSekunde = 1.0 / schritt;
    return std::round(t * proSekunde) / proSekunde;
}

// The two time cursors; the distance of the two (0 when there is only one, or they lie
// closer than a step), which the AP frequency of the legend needs.
double zeitCursorZeichnen(DiagrammZeichner& w, const Rand& r)
{
    DiagrammDaten& d = w.d;
    if (d.vCursorZustand == 0)
        return 0.0;
    const double schritt = simulationsParameter.schrittweite;
    cursorMittelWaehlen(w);
    textFarbeSetzen(w.z, d.cursorFarbe);
    int x1 = 0;
    const bool sichtbar = zeitSpalte(d, d.vCursor1, x1);
    if (sichtbar)
        w.linie(x1, r.unten, x1, r.oben);
    d.vCursor1 = aufSchritt(d.vCursor1, schritt);
    d.vCursor2 = aufSchritt(d.vCursor2, schritt);
    d.hCursor1 = std::round(d.hCursor1 * 10.0) / 10.0;
    d.hCursor2 = std::round(d.hCursor2 * 10.0) / 10.0;
    const int stellen = std::clamp(w.zeitDezimalen, 0, 15);
    if (sichtbar)
        text(w.z, w.x(x1), w.y(r.unten + 1), format("%.*lf", stellen, d.vCursor1));
    double abstand = std::abs(d.vCursor2 - d.vCursor1);
    if (d.zweiterVCursor == 0 || !(abstand >= schritt) || !std::isfinite(abstand))
        return 0.0;
    int x2 = 0;
    if (sichtbar && zeitSpalte(d, d.vCursor2, x2)) {
        w.linie(x2, r.unten, x2, r.oben);
        text(w.z, w.x(x2), w.y(r.unten + 1), format("%.*lf", stellen, d.vCursor2));
        const uint32_t vorher = textAusrichtungSetzen(w.z, w.ausrichtung | textAusrichtung::Mitte);
        text(w.z, w.x(pixelWert((x1 - x2) / 2.0) + x2), w.y(r.oben) - w.masse.hoehe / 2,
             format("%.*lf", stellen, abstand));
        textAusrichtungSetzen(w.z, vorher);
    }
    return abstand;
}

// ---- value cursors ----------------------------------------------------------------------------

void wertCursorZeichnen(DiagrammZeichner& w, const Rand& r)
{
    const DiagrammDaten& d = w.d;
    const double spanne = d.maxY - d.minY;
    auto innen = [&](double v) { return v >= d.minY && v <= d.maxY; };
    if (d.hCursorZustand == 0 || !(spanne > 0.0) || !std::isfinite(spanne) || !innen(d.hCursor1) || !innen(d.hCursor2))
        return;
    cursorMittelWaehlen(w);
    textFarbeSetzen(w.z, d.hCursorTextFarbe);
    const int platz = stellen(d.dezimalstellenHCursor);
    auto zeile = [&](double v) { return r.unten - pixelWert((v - d.minY) / spanne * d.plotHoehe); };
    auto cursor = [&](double v, int y) {
        w.linie(r.links, y, r.rechts, y);
        w.beschriften(r.links + d.verschiebungX, y, format("%.*lf", platz, v));
    };
    const int y1 = zeile(d.hCursor1);
    cursor(d.hCursor1, y1);
    if (!d.zweiterHCursor)
        return;
    const int y2 = zeile(d.hCursor2);
    cursor(d.hCursor2, y2);
    const uint32_t vorher = textAusrichtungSetzen(w.z, w.ausrichtung | textAusrichtung::Mitte);
    w.beschriften(r.rechts - d.verschiebungY, pixelWert((y1 - y2) / 2.0) + y2,
                  format("%.*lf", platz, std::abs(d.hCursor1 - d.hCursor2)));
    textAusrichtungSetzen(w.z, vorher);
}

// ---- legend -------------------------------------------------------------------------------------

bool ohneMol(const std::string& einheit)
{
    return einheit.find("mol") == std::string::npos && einheit.find("Mol") == std::string::npos &&
           einheit.find("MOL") == std::string::npos;
}

// the slot's sample at the first cursor, appended; nothing when the cursor lies beyond them
void kurvenWertAnhaengen(const DiagrammDaten& d, int slot, std::string& zeile)
{
    const KurvenDaten& k = d.kurven[slot];
    const int i = werteIndex(k, d.vCursor1, simulationsParameter.schrittweite);
    if (i < 0)
        return;
    double v = k.werte[static_cast<size_t>(i)];
    if (k.referenz == kurvenReferenz::Spezial && slot <= kurve::Gesamtstrom && ohneMol(k.dimension) && k.faktor != 0.0)
        v /= k.faktor;
    zeile += format("     %.*g %s       ", stellen(d.dezimalstellenWerte), v, k.dimension.c_str());
}

// The action potentials between the two cursors: each crossing upward arms the count half
// a millisecond later, the next sample below the threshold after that counts one. The scan
// ends at the slot's last sample.
void apFrequenzAnhaengen(DiagrammDaten& d, const KurvenDaten& k, std::string& zeile)
{
    const double schritt = simulationsParameter.schrittweite;
    const float schwelle = static_cast<float>(simulationsParameter.spikeSchwelle * 1000.0);
    const double frueh = std::min(d.vCursor1, d.vCursor2), spaet = std::max(d.vCursor1, d.vCursor2);
    int anzahl = 0;
    double erste = 0.0, letzte = 0.0;
    const int anfang = werteIndex(k, frueh, schritt);
    if (anfang >= 0) {
        const int ende = std::min(static_cast<double>(lesbareWerte(k) - 1), std::round(spaet / schritt));
        bool scharf = false;
        double scharfAb = 0.0;
        for (int i = anfang; i <= ende; ++i) {
            const double t = frueh + (i - anfang) * schritt;
            const float v = k.werte[static_cast<size_t>(i)];
            if (!scharf && v > schwelle) {
                scharf = true;
                scharfAb = t + 0.0005;
            } else if (scharf && v < schwelle && t > scharfAb) {
                if (anzahl++ == 0)
                    erste = t;
                letzte = t;
                scharf = false;
            }
        }
    }
    d.apAnzahl = anzahl;
    if (anzahl >= 2 && letzte > erste)
        zeile += format("   APs: %.1f Hz        ", (anzahl - 1) / (letzte - erste));
    else
        zeile += "   APs: --- Hz        ";
}

// ---- second y-axes ---------------------------------------------------------------------------

// An axis whose notice came stays quiet while it keeps the same settings; a sound paint of
// it, or another setting, lets the notice come again.
struct GemeldeteAchse {
    const DiagrammDaten* d;
    int slot;
    std::array<uint64_t, 6> einstellung;
};
std::vector<GemeldeteAchse> gemeldet;

std::array<uint64_t, 6> einstellungVon(const DiagrammDaten& d, const KurvenDaten& k)
{
    return {static_cast<uint64_t>(k.festerTickAbstand), static_cast<uint64_t>(k.anzahlTicks),
            std::bit_cast<uint64_t>(k.tickAbstand), std::bit_cast<uint64_t>(k.minY),
            std::bit_cast<uint64_t>(k.maxY), static_cast<uint64_t>(d.plotHoehe)};
}

auto gemeldetBei(const DiagrammDaten& d, int slot)
{
    return std::find_if(gemeldet.begin(), gemeldet.end(),
                        [&](const GemeldeteAchse& g) { return g.d == &d && g.slot == slot; });
}

void achseInOrdnung(const DiagrammDaten& d, int slot)
{
    if (auto it = gemeldetBei(d, slot); it != gemeldet.end())
        gemeldet.erase(it);
}

// The notice comes after the paint, then dialog 305 for the diagram that still has the
// window, then a full repaint; once per malformed setting.
void achseMelden(DiagrammZeichner& w, int slot, const std::string& text)
{
    const auto einstellung = einstellungVon(w.d, w.d.kurven[slot]);
    auto it = gemeldetBei(w.d, slot);
    if (it != gemeldet.end() && it->einstellung == einstellung)
        return;
    if (it != gemeldet.end())
        it->einstellung = einstellung;
    else
        gemeldet.push_back({&w.d, slot, einstellung});
    const Fenster fenster = w.fenster;
    zeichenMeldungMerken(text, false, [fenster, slot] {
        DiagrammDaten* d = istFenster(fenster) ? diagrammZuFenster(fenster) : nullptr;
        if (!d)
            return;
        d->yAchse2Slot = slot;
        d->yAchse2Quelle = d;
        d->yAchse2Neuron = neuronNachNummer(d->neuronId);
        if (zweiteYAchseDialogOeffnen)
            zweiteYAchseDialogOeffnen(*d);
        if (istFenster(fenster))
            ungueltigMachen(fenster);
    });
}

void zweiteAchseZeichnen(DiagrammZeichner& w, int slot, const Rand& r)
{
    DiagrammDaten& d = w.d;
    KurvenDaten& k = d.kurven[slot];
    // the axis pen
    Stift stift = stiftErzeugen(linienStil(k.linienart), w.breite(k.dicke2Achse), k.farbe);
    Pinsel pinsel = pinselErzeugen(k.farbe);
    const Stift alterStift = auswaehlen(w.z, stift);
    const Pinsel alterPinsel = auswaehlen(w.z, pinsel);
    const uint32_t ausrichtung = textAusrichtungSetzen(w.z, w.ausrichtung & ~textAusrichtung::Mitte);
    const int x = d.xRand + pixelWert(d.plotBreite * k.xPos / 100.0);
    const int anheben = w.drucken ? pixelWert(0.5 * w.masse.hoehe + 0.35 * w.masse.unterlaenge)
                                  : pixelWert(0.5 * w.masse.hoehe);
    auto beschriften = [&](double spalte, double zeile, const std::string& t) {
        text(w.z, w.x(spalte), w.y(zeile) - anheben, t);
    };
    // the axis line, then the tick pen
    if (k.anzahlTicks > 0 || k.festerTickAbstand) {
        w.linie(x, r.unten, x, r.oben - 1);
        if (!w.drucken)
            k.trefferRechteck = {x - 4, r.oben - 1, x + 5, r.unten};
        Stift tickStift = stiftErzeugen(linienStil(k.linienart), w.breite(d.tickDicke), k.farbe);
        auswaehlen(w.z, tickStift);
        loeschen(stift);
        stift = tickStift;
    }
    // ticks and labels
    if (k.anzahlTicks > 1 || k.festerTickAbstand) {
        const double spanne = k.maxY - k.minY;
        const double abstand = k.festerTickAbstand ? d.plotHoehe * k.tickAbstand / spanne
                                                   : static_cast<double>(d.plotHoehe) / (k.anzahlTicks - 1);
        const bool zuViele = !k.festerTickAbstand && k.anzahlTicks > d.plotHoehe + 1;
        auto beschriftung = [&](double wert) {
            return k.dezimalstellenAn ? format("%.*f", stellen(k.anzahlDezimalstellen), wert) : format("%g", wert);
        };
        if (!(std::abs(abstand) >= 1e-20) || !std::isfinite(abstand) || zuViele) {
            achseMelden(w, slot, meldungFormatieren(meldungSchrittweite2Achse, abstand, k.bezeichnung));
        } else {
            bool inOrdnung = true;
            for (int i = 0;; ++i) {
                const double y = pixelWert(i * abstand);
                w.linie(x + k.tickPos - k.tickLaenge, r.unten - y, x + k.tickPos, r.unten - y);
                const double wert = k.festerTickAbstand ? k.minY + i * k.tickAbstand
                                                        : k.minY + i * spanne / (k.anzahlTicks - 1);
                beschriften(x + k.beschriftungAbstand, r.unten - y, beschriftung(wert));
                if (!k.festerTickAbstand) {
                    if (i + 1 >= k.anzahlTicks)
                        break;
                } else if (std::floor(abstand) + y > d.plotHoehe) {
                    break;
                } else if (i + 1 >= hoechstensBeschriftungen) {
                    achseMelden(w, slot, meldungFormatieren(meldungTeilstriche2Achse, k.bezeichnung));
                    inOrdnung = false;
                    break;
                }
            }
            if (inOrdnung)
                achseInOrdnung(d, slot);
        }
    }
    // the unit text
    if (k.dimensionAnzeigen)
        beschriften(x + k.dimensionAbstand, r.unten - pixelWert(d.plotHoehe * k.dimensionYPos / 100.0), k.dimension);
    textAusrichtungSetzen(w.z, ausrichtung);
    // the pen and brush before, the temporary ones gone
    auswaehlen(w.z, alterStift);
    auswaehlen(w.z, alterPinsel);
    loeschen(stift);
    loeschen(pinsel);
}

// ---- legend lines -------------------------------------------------------------------------------

void legendeZeichnen(DiagrammZeichner& w, const Rand& r, double cursorAbstand)
{
    DiagrammDaten& d = w.d;
    w.schriftWaehlen(d.legendeFontSize);
    int zeilenNummer = 0;
    for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
        KurvenDaten& k = d.kurven[slot];
        if (!k.anzeigen || k.punktAnzahl <= 0 || !hatDaten(k))
            continue;
        // the slot's own pen and brush
        loeschen(k.stift);
        loeschen(k.pinsel);
        k.stift = stiftErzeugen(linienStil(k.linienart), w.breite(k.dicke), k.farbe);
        k.pinsel = pinselErzeugen(k.farbe);
        auswaehlen(w.z, k.stift);
        auswaehlen(w.z, k.pinsel);
        // where the line goes
        const int spalte = w.x(d.legendeX);
        const int zeile = w.y(d.legendeY + d.legendeFontSize * 2.0 * zeilenNummer++);
        // name, value at the first cursor, AP frequency between the cursors
        std::string text = k.bezeichnung;
        if (k.referenz != kurvenReferenz::Gespeichert) {
            if (d.werteInLegende && (d.vCursorZustand == 1 || d.vCursorZustand == 4))
                kurvenWertAnhaengen(d, slot, text);
            if (d.vCursorZustand >= 2 && d.apFrequenzAnzeigen && cursorAbstand > 0.0) {
                apFrequenzAnhaengen(d, k, text);
                cursorAbstand = 0.0;   // only the first slot that qualifies shows it
            }
        }
        // the line and the rectangle it covers
        if (d.legendeFontSize > 0) {
            textFarbeSetzen(w.z, k.farbe);
            const uint32_t ausrichtung = d.legendeLinksbuendig ? w.ausrichtung & ~textAusrichtung::Mitte
                                                               : w.ausrichtung | textAusrichtung::Mitte;
            const uint32_t vorher = textAusrichtungSetzen(w.z, ausrichtung);
            plattform::text(w.z, spalte, zeile, text);
            const TextAusmass m = textAusmass(w.z, text);
            k.legendeRechteck = {spalte, zeile, spalte + m.breite, zeile + m.hoehe};
            textAusrichtungSetzen(w.z, vorher);
        }
        // the slot's own y-axis
        if (k.eigeneYAchse)
            zweiteAchseZeichnen(w, slot, r);
    }
}

// ---- event markers -------------------------------------------------------------------------------

std::string ereignisBeschriftung(int optionen, size_t i, double t)
{
    const bool nummer = optionen & erkennungsBit::Nummer, zeit = optionen & erkennungsBit::Zeit;
    if (nummer && zeit)
        return format("%d: %lf", static_cast<int>(i + 1), t);
    if (zeit)
        return format("%lf", t);
    if (nummer)
        return format("%d", static_cast<int>(i + 1));
    return {};
}

void ereignisseZeichnen(DiagrammZeichner& w, const Rand& r)
{
    const DiagrammDaten& d = w.d;
    const std::vector<double>& zeiten = zeitmessung.ereignisZeiten;
    if (!diagrammOptionen.ereignisseAlsLinien || zeiten.empty())
        return;
    Stift stift = stiftErzeugen(stiftStil::Punkt, 1, 0);
    Pinsel pinsel = pinselErzeugen(0);
    auswaehlen(w.z, stift);
    auswaehlen(w.z, pinsel);
    textFarbeSetzen(w.z, d.cursorFarbe);
    const uint32_t vorher = textAusrichtungSetzen(w.z, w.ausrichtung | textAusrichtung::Mitte);
    const size_t reihen = static_cast<size_t>(std::max(diagrammOptionen.hoeheAlternieren, 0)) + 1;
    for (size_t i = 0; i < zeiten.size(); ++i) {
        const double t = zeiten[i];
        int spalte = 0;
        if (!(t > d.minX && t <= d.maxX) || !zeitSpalte(d, t, spalte))
            continue;
        w.linie(spalte, r.unten, spalte, r.oben);
        const std::string text = ereignisBeschriftung(zeitmessung.erkennungsOptionen, i, t);
        if (!text.empty())
            plattform::text(w.z, w.x(spalte), w.y(r.oben + static_cast<double>(i % reihen) * 20), text);
    }
    textAusrichtungSetzen(w.z, vorher);
    auswaehlen(w.z, d.stifte[zeichenMittel::Achse]);
    auswaehlen(w.z, d.pinsel[zeichenMittel::Achse]);
    loeschen(stift);
    loeschen(pinsel);
}

} // namespace

int werteIndex(const KurvenDaten& k, double zeit, double schritt)
{
    if (!(schritt > 0.0) || !std::isfinite(zeit))
        return -1;
    const double i = std::round(zeit / schritt);
    if (!(i >= 0.0) || i >= lesbareWerte(k))
        return -1;
    return static_cast<int>(i);
}

void diagrammAblesungenZeichnen(DiagrammZeichner& w)
{
    const DiagrammDaten& d = w.d;
    const Rand r{d.yAchseOben[1], d.yAchseUnten[1], d.xAchseLinks[0], d.xAchseRechts[0]};
    const double cursorAbstand = zeitCursorZeichnen(w, r);
    wertCursorZeichnen(w, r);
    legendeZeichnen(w, r, cursorAbstand);
    ereignisseZeichnen(w, r);
}

void nullAufXAchsePruefen(DiagrammDaten* halter, DiagrammDaten& d, int slot)
{
    if (slot < 0 || slot >= kurvenProDiagramm)
        return;
    KurvenDaten& quelle = d.kurven[slot];
    KurvenDaten& k = (halter ? *halter : d).kurven[slot];
    const double schritt = simulationsParameter.schrittweite, dauer = simulationsParameter.simulationsDauer;
    if (quelle.punkte.empty() || quelle.werte.empty() || !(schritt > 0.0) || !(dauer > 0.0))
        return;
    // the samples of the time window
    const int anzahl = lesbareWerte(quelle);
    const double start = std::round(anzahl * d.minX / dauer);
    if (!(start >= 0.0) || start >= anzahl)
        return;
    float min = 0.0f, max = 0.0f;
    bool gefunden = false;
    double t = d.minX;
    for (int i = static_cast<int>(start); i < anzahl && t < d.maxX; ++i, t += schritt) {
        const float v = quelle.werte[static_cast<size_t>(i)];
        min = gefunden ? std::min(min, v) : v;
        max = gefunden ? std::max(max, v) : v;
        gefunden = true;
    }
    // a flat curve
    if (!gefunden || max == min)
        return;
    const double spanne = d.maxY - d.minY, hoehe = d.plotHoehe;
    if (!(spanne > 0.0) || !std::isfinite(spanne))
        return;
    const double h0 = pixelWert(hoehe * (d.yUrsprung - d.minY) / spanne);   // X axis above the bottom
    const double h1 = pixelWert(hoehe * (d.maxY - d.yUrsprung) / spanne);   // ... below the top
    auto negativ = [&](double tief) {
        if (h0 > 0.0 && h0 < hoehe)
            k.minY = tief, k.maxY = -(hoehe - h0) * tief / h0;
    };
    auto positiv = [&] {
        if (h1 > 0.0 && h1 < hoehe)
            k.maxY = 1.1 * max, k.minY = -(hoehe - h1) * k.maxY / h1;
    };
    // the fixed low stays
    if (k.yAchse2Wert) {
        negativ(k.minY);
    } else if (k.nullAufXAchse) {
        // zero on the X axis
        if (min < 0.0f && max > 0.0f) {
            if (d.maxY == 0.0 || d.minY == 0.0) {
                piepen(1000, 100);
                hinweisBox(meldungsTexte[828]);
            } else if (max / d.maxY >= min / d.minY) {
                positiv();
            } else {
                negativ(1.1 * min);
            }
        } else if (min < 0.0f) {
            negativ(1.1 * min);
        } else {
            positiv();
        }
    } else {
        // the span of the samples
        k.minY = min;
        k.maxY = max;
    }
}
