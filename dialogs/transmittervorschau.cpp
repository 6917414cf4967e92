// dialogs/transmittervorschau.cpp - the preview of the transmitter release dialog
#include "dialogs/transmittervorschau.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/textdatei.h"
#include "model/formen.h"
#include "model/modell_gemeinsam.h"
#include "model/netz.h"
#include "model/synapse.h"
#include "model/synaptisch.h"
#include "model/zahlen.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace plattform;

TransmitterVorschau transmitterVorschau;

NeuronDaten* standardNeuron()
{
    if (NeuronDaten* n = markierteNeurone.erstes())
        return n;
    return neuronKette.kopf;
}

void transmitterStandardwerteSetzen(SynapseDaten& s, const NeuronDaten* n)
{
    const auto p = [n](int i) { return n ? n->parameter[static_cast<size_t>(i)] : 0.0; };
    TransmitterDynamik& t = s.transmitter;
    t.e = p(81);
    t.g = p(82);
    t.potenz = p(91);
    t.initialwert = 0.0;
    t.formAlpha = 16.0;
    t.rateAlpha = p(84);
    t.v0Alpha = p(85);
    t.schrittweiteAlpha = p(86);
    t.formBeta = 17.0;
    t.rateBeta = p(88);
    t.v0Beta = p(89);
    t.schrittweiteBeta = p(90);
    t.faktor = 0.26;
    t.an = 1;
    t.abBerechnung = 1;
}

std::string standardApPfad() { return dateipfade.programmVerzeichnis + "parameter/standardap.txt"; }

namespace {

void kurvenZuruecksetzen(TransmitterVorschau& v)
{
    v.geladen = 0;
    v.anzahl = 0;
    v.apWerte.clear();
    v.apZeiten.clear();
    v.standard.clear();
    v.dynamisch.clear();
    v.stdPunkte.clear();
    v.dynPunkte.clear();
    v.stdMaximum = v.dynMaximum = -10000.0;
    v.stdSumme = v.dynSumme = 0.0;
}

// The data start at the first digit that begins a line.
char* datenAnfang(char* text)
{
    for (char* p = text; *p; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p)) && (p == text || p[-1] == '\n' || p[-1] == '\r'))
            return p;
    return nullptr;
}

// One line "time value": the value is read where the time's number ends, whether that
// end is found by the number reader (an exponent) or by the time's digits, points and
// commas (a decimal comma the line's point kept as it is).
bool probeLesen(char* z, double& zeit, double& wert)
{
    zeit = kommaZahlLesen(z);
    char* ende = z;
    std::strtod(z, &ende);
    char* p = z;
    while (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.' || *p == ',')
        ++p;
    if (ende == z && p == z)
        return false;
    p = std::max(p, ende);
    while (*p && !std::isdigit(static_cast<unsigned char>(*p)) && *p != '-')
        ++p;
    if (!*p)
        return false;
    wert = kommaZahlLesen(p);
    return std::isfinite(zeit) && std::isfinite(wert);
}

} // namespace

void standardApLesen(TransmitterVorschau& v, std::string text)
{
    kurvenZuruecksetzen(v);
    char* anfang = datenAnfang(text.data());
    if (!anfang)
        return;
    char zeile[128];
    zeileLesen(anfang, nullptr, 0);
    while (zeileLesen(anfang, zeile, sizeof zeile)) {
        double zeit = 0.0, wert = 0.0;
        if (!probeLesen(zeile, zeit, wert))
            continue;
        v.apZeiten.push_back(zeit);
        v.apWerte.push_back(wert);
    }
    zeileLesen(anfang, nullptr, 0);
    v.geladen = static_cast<int>(v.apWerte.size());
    v.anzahl = std::min(vorschauAnzahlStart, v.geladen);
}

int standardApLaden(TransmitterVorschau& v)
{
    kurvenZuruecksetzen(v);
    const std::string pfad = standardApPfad();
    std::string text;
    if (!textDateiLesen(pfad, text)) {
        hinweisBox(meldungFormatieren(733, pfad));
        return 0;
    }
    standardApLesen(v, std::move(text));
    return 1;
}

void standardApNormieren(TransmitterVorschau& v)
{
    const double schwelle = v.synapse->freisetzungsSchwelle;
    const double bereich = v.synapse->freisetzungsSaettigung - schwelle;
    v.standard.resize(v.apWerte.size());
    v.stdMaximum = -10000.0;
    v.stdSumme = 0.0;
    for (size_t i = 0; i < v.apWerte.size(); ++i) {
        // the run's own release fraction: saturation = threshold is a step, not 0/0
        const double s = freisetzungsAnteil(v.apWerte[i], schwelle, bereich);
        v.standard[i] = s;
        v.stdMaximum = std::max(v.stdMaximum, s);
        v.stdSumme += s;
    }
}

void transmitterfreisetzungBerechnen(TransmitterVorschau& v)
{
    SynapseDaten& s = *v.synapse;
    if (s.transmitter.formAlpha == 0.0) {
        const int an = s.transmitter.an;
        transmitterStandardwerteSetzen(s, standardNeuron());
        s.transmitter.an = an;
    }
    // the preview must leave the run's state as it found it; a form error shows no box
    const int abbrechen = laufZustand.abbrechen;
    NeuronDaten* const neuron = aktuellesNeuron;
    const double spannung = synapsenPotential;
    laufZustand.abbrechen = 1;
    aktuellesNeuron = standardNeuron();

    TransmitterDynamik d = s.transmitter;
    d.gatterWert = 0.0;
    const int p = ganzeZahl(d.potenz);
    v.dynamisch.resize(v.apWerte.size());
    v.dynMaximum = -10000.0;
    v.dynSumme = 0.0;
    for (size_t i = 0; i < v.apWerte.size(); ++i) {
        synapsenPotential = v.apWerte[i];
        transmitterFreisetzung(d, v.apWerte[i]);
        const double wert = potenz(d.gatterWert, p);
        v.dynamisch[i] = wert;
        v.dynMaximum = std::max(v.dynMaximum, wert);
        v.dynSumme += wert;
    }

    laufZustand.abbrechen = abbrechen;
    aktuellesNeuron = neuron;
    synapsenPotential = spannung;
}

int kalibrierungsfaktorBerechnen(TransmitterVorschau& v)
{
    double& faktor = v.synapse->transmitter.faktor;
    // a curve without release gives no factor: the old one stays
    if (v.kalibrierungsArt == 2) {
        if (v.dynMaximum != v.stdMaximum && v.dynMaximum != 0.0 && std::isfinite(v.stdMaximum / v.dynMaximum))
            faktor = v.stdMaximum / v.dynMaximum;
    } else if (v.dynSumme != 0.0 && std::isfinite(v.stdSumme / v.dynSumme)) {
        faktor = v.stdSumme / v.dynSumme;
    }
    return 1;
}

void vorschauKastenSetzen(TransmitterVorschau& v, const Rechteck& flaeche)
{
    v.kasten = flaeche;
    v.xUrsprung = flaeche.links + vorschauRand;
    v.rechtsEnde = flaeche.rechts - vorschauRand;
    v.grundlinie = flaeche.unten - vorschauRand;
    v.oberlinie = flaeche.oben + vorschauRand;
}

void pspKurveBerechnen(TransmitterVorschau& v, int welche)
{
    const std::vector<double>& c = welche == 1 ? v.standard : v.dynamisch;
    std::vector<Punkt>& punkte = welche == 1 ? v.stdPunkte : v.dynPunkte;
    const double faktor = welche == 1 ? 1.0 : v.synapse->transmitter.faktor;
    punkte.clear();
    const int n = std::min(v.anzahl, static_cast<int>(c.size()));
    if (n <= 0)
        return;
    const double breite = std::abs(v.rechtsEnde - v.xUrsprung);
    const double hoehe = std::abs(v.grundlinie - v.oberlinie);
    const double dx = breite / n;
    // without a standard maximum there is no scale: the points lie on the baseline
    const bool skala = v.stdMaximum > 0.0 && std::isfinite(v.stdMaximum);
    punkte.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        double h = skala ? c[static_cast<size_t>(i)] * faktor * hoehe / v.stdMaximum : 0.0;
        if (std::isnan(h))
            h = 0.0;
        h = std::clamp(h, 0.0, hoehe);
        const int x = static_cast<int>(std::floor(v.xUrsprung + i * dx));
        punkte.push_back({x, v.grundlinie - static_cast<int>(std::lround(h))});
    }
}

int transmitterdynamikZeichnen(TransmitterVorschau& v)
{
    if (!v.synapse)
        return 0;
    if (v.geladen <= 0 && !standardApLaden(v))
        return 0;
    if (v.geladen <= 0)
        return 0;
    standardApNormieren(v);
    pspKurveBerechnen(v, 1);
    transmitterfreisetzungBerechnen(v);
    if (v.kalibrierungAn)
        kalibrierungsfaktorBerechnen(v);
    pspKurveBerechnen(v, 2);
    return 1;
}

void transmitterVorschauMalen(Zeichenflaeche& z, TransmitterVorschau& v)
{
    if (v.geladen <= 0 || !v.synapse)
        return;
    const Rechteck f = flaechenGroesse(z);
    if (f.links != v.kasten.links || f.oben != v.kasten.oben || f.rechts != v.kasten.rechts ||
        f.unten != v.kasten.unten) {
        vorschauKastenSetzen(v, f);
        pspKurveBerechnen(v, 1);
        pspKurveBerechnen(v, 2);
    }
    Stift rahmen = stiftErzeugen(stiftStil::Durchgehend, 1, 0x000000);
    Stift achsen = stiftErzeugen(stiftStil::Durchgehend, 1, vorschauFarbe::Achsen);
    Stift blau = stiftErzeugen(stiftStil::Durchgehend, 1, vorschauFarbe::Standard);
    Stift pink = stiftErzeugen(stiftStil::Durchgehend, 1, vorschauFarbe::Dynamisch);
    Pinsel weiss = pinselErzeugen(0xFFFFFF);
    const Stift alterStift = auswaehlen(z, rahmen);
    const Pinsel alterPinsel = auswaehlen(z, weiss);
    rechteck(z, v.kasten);
    auswaehlen(z, achsen);
    linie(z, v.xUrsprung, v.oberlinie, v.xUrsprung, v.grundlinie);
    linie(z, v.xUrsprung, v.grundlinie, v.rechtsEnde, v.grundlinie);
    auswaehlen(z, blau);
    polylinie(z, v.stdPunkte);
    auswaehlen(z, pink);
    polylinie(z, v.dynPunkte);
    auswaehlen(z, alterStift);
    auswaehlen(z, alterPinsel);
    for (Stift s : {rahmen, achsen, blau, pink})
        loeschen(s);
    loeschen(weiss);
}

void vorschauDehnen(TransmitterVorschau& v, bool hoeher)
{
    if (v.geladen <= 0)
        return;
    const int n = v.anzahl;
    v.anzahl = hoeher ? n + n / 4 : std::max(n - n / 4, vorschauAnzahlMin);
    v.anzahl = std::min(v.anzahl, v.geladen);
}
