// model/stromreiz_kurve.cpp - a stimulus definition becomes the current table of its compartment
//
// The base pulse is built in the standard neuron's table of the same compartment (the work
// area), copied, then repeated, shifted into bursts and merged with the single pulse. The
// neuron's table is replaced only when everything is built.
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

namespace {

// Above this many points a table is not built: a definition that asks for more is a
// typing error, not a stimulus, and must not take the program down.
constexpr int64_t groessteTabelle = int64_t{1} << 26;
// the notice for such a definition: too many stimuli or bursts before the run end
constexpr int textZuVieleReize = 840;

int verweigern(int text, const NeuronDaten& n, int kompartiment)
{
    plattform::hinweisBox(meldungFormatieren(text, neuronAnzeigename(n), kompartiment));
    return -2;
}

// the work area cannot be had: whatever the user answers here, the end with its offers to
// save follows, and only a Cancel there keeps the program
int arbeitsbereichFehlt(int text)
{
    endeMelden(EndeForm::Info, meldungFormatieren(text));
    return 0;
}

int neuronSpeicherFehlt(int text, const NeuronDaten& n)
{
    endeMelden(EndeForm::Hinweis, meldungFormatieren(text, neuronAnzeigename(n)));
    return 0;
}

// Grows (or makes) both arrays to punkte points; 0 or the text that says which failed.
int anlegen(std::vector<double>& zeiten, std::vector<double>& werte, int64_t punkte,
            int textZeiten, int textWerte)
{
    if (punkte > groessteTabelle)
        return textZeiten;
    punkte = std::max<int64_t>(punkte, static_cast<int64_t>(std::min(zeiten.size(), werte.size())));
    try {
        zeiten.resize(static_cast<size_t>(punkte), 0.0);
    } catch (const std::bad_alloc&) {
        return textZeiten;
    }
    try {
        werte.resize(static_cast<size_t>(punkte), 0.0);
    } catch (const std::bad_alloc&) {
        return textWerte;
    }
    return 0;
}

// Writes the base pulse point by point. The last slot stays for the end point; a loop
// that would fill the table (times that no longer advance) ends as if cut at the run end.
struct Basis {
    StromTabelle& s;
    int kapazitaet;
    int i = 0;
    bool abgeschnitten = false;

    bool punkt(double t, double v)
    {
        if (i >= kapazitaet - 1) {
            abgeschnitten = true;
            return false;
        }
        s.startzeiten[i] = t;
        s.stromwerte[i] = v;
        ++i;
        return true;
    }
    // a cut table ends after its last point below the run end
    void beenden(double ende)
    {
        if (abgeschnitten)
            while (i > 1 && s.startzeiten[i - 1] >= ende)
                --i;
        s.startzeiten[i] = ende;
        s.stromwerte[i] = 0.0;
        ++i;
        s.anzahlPunkte = i;
        s.aktuellerIndex = 0;
    }
};

// The point count a duration needs at step h, halves away from zero; -1 when not a number
// or beyond any table (checked before the conversion: a huge value has no integer).
int64_t punkteFuer(double dauer, double h)
{
    const double n = std::round(dauer / h);
    if (!std::isfinite(n) || std::abs(n) > static_cast<double>(groessteTabelle))
        return -1;
    return static_cast<int64_t>(n);
}

// How many of anzahl stimuli (or bursts), one every abstand seconds from erster on, need
// room: those that start before the run end and the one that is cut there. Worked out in
// floating point and compared before it becomes a count, so a tiny interval cannot
// overflow it; without a positive interval every one of them needs room.
int64_t reizeVorDemEnde(int anzahl, double erster, double abstand, double ende)
{
    if (!(abstand > 0.0))
        return anzahl;
    const double moeglich = (ende - erster) / abstand + 2.0;
    if (!(moeglich < static_cast<double>(anzahl)))   // also infinite or not a number
        return anzahl;
    return moeglich > 0.0 ? static_cast<int64_t>(moeglich) : 0;
}

// Frees the work area and allocates it anew; 0 or the failure text.
int arbeitsbereichAnlegen(StromTabelle& s, int kapazitaet)
{
    std::vector<double>().swap(s.startzeiten);
    std::vector<double>().swap(s.stromwerte);
    s.anzahlPunkte = 0;
    return anlegen(s.startzeiten, s.stromwerte, kapazitaet, 373, 727);
}

// rectangle/ramp into s; -2 refused, 0 out of memory, 1 built. pause: the gap to the next
// stimulus; abgeschnitten: the pulse reached the run end.
int rechteckBauen(const NeuronDaten& n, int k, StromTabelle& s, double& pause, bool& abgeschnitten)
{
    const StromreizDefinition& d = n.stromreize[k];
    const double h = reizSchrittweite;
    const double ende = simulationsParameter.simulationsDauer;
    // room for the ramps and the few corner points
    const int64_t rampen = punkteFuer(d.anstieg + d.abfall, h);
    if (rampen < 0 || rampen + 64 < 3 || rampen + 64 > groessteTabelle)
        return verweigern(393, n, k);
    const int kapazitaet = static_cast<int>(rampen + 64);
    // the work table
    if (const int text = arbeitsbereichAnlegen(s, kapazitaet))
        return arbeitsbereichFehlt(text);
    Basis b{s, kapazitaet};
    // the rise's step per point
    const double r = d.amplitude / (d.anstieg / h + 1.0);
    // a permanent stimulus starts at 0, without a ramp
    double t = 0.0, a = 0.0;
    if (d.dauerreiz == 0) {
        t = d.beginn;
        a = d.beginn + d.anstieg;
    }
    // every table starts with 0 at time 0
    b.punkt(0.0, 0.0);
    double v = r;
    // rise
    while (t < a && !b.abgeschnitten) {
        if (t >= ende) {
            b.abgeschnitten = true;
            break;
        }
        b.punkt(t, v);
        v += r;
        t += h;
    }
    if (!b.abgeschnitten) {
        // plateau
        b.punkt(t, d.amplitude);
        // where the top ends and the fall begins
        double f = 0.0;
        if (d.dauerreiz == 1) {
            b.punkt(t, d.amplitude);
        } else {
            t = d.dach < h ? t + h : a + d.dach;
            f = a + d.dach + d.abfall;
        }
        // the fall's step per point
        const double sAb = d.amplitude / (d.abfall / h + 1.0);
        v = d.amplitude;
        // fall
        while (t < f && !b.abgeschnitten) {
            v -= sAb;
            if (t >= ende) {
                b.abgeschnitten = true;
                break;
            }
            b.punkt(t, v);
            t += h;
        }
    }
    if (!b.abgeschnitten) {
        // back to 0 after the fall
        if (t < ende && d.dauerreiz == 0)
            b.punkt(t, 0.0);
        // a series needs room between its stimuli
        pause = d.pause;
        if (d.anzahl >= 2) {
            pause = d.pause - d.anstieg - d.dach - d.abfall;
            if (pause < 0.0)
                return verweigern(396, n, k);
        }
    }
    // the end point at the run end
    b.beenden(ende);
    abgeschnitten = b.abgeschnitten;
    s.herkunft = n.strominjektionBezeichnung;
    return 1;
}

// sine into s; results as rechteckBauen
int sinusBauen(const NeuronDaten& n, int k, StromTabelle& s, double& pause, bool& abgeschnitten)
{
    const StromreizDefinition& d = n.stromreize[k];
    const double h = reizSchrittweite;
    // a period of 0 would divide by 0 below
    const int64_t zug = punkteFuer(d.ende - d.beginn, h);
    if (!(d.periode > 0.0) || zug < 0 || zug + 64 < 3 || zug + 64 > groessteTabelle)
        return verweigern(395, n, k);
    const int kapazitaet = static_cast<int>(zug + 64);
    // the work table
    if (const int text = arbeitsbereichAnlegen(s, kapazitaet))
        return arbeitsbereichFehlt(text);
    Basis b{s, kapazitaet};
    // the angle per point
    const double w = 4.0 * std::asin(1.0) / (d.periode / h);
    // every table starts with 0 at time 0
    b.punkt(0.0, 0.0);
    double t = d.beginn;
    // the train is not cut at the run end: playback never gets there
    while (t < d.ende && !b.abgeschnitten) {
        b.punkt(t, d.abfall + d.amplitude * std::sin(b.i * w));
        t += h;
    }
    // back to 0, then the end point at the run end
    b.punkt(t, 0.0);
    const bool voll = b.abgeschnitten;
    b.abgeschnitten = false;   // the sine keeps its points beyond the run end
    b.beenden(simulationsParameter.simulationsDauer);
    abgeschnitten = voll;
    s.herkunft = n.strominjektionBezeichnung;
    // a series needs room between its trains
    pause = d.pause;
    if (d.anzahl >= 2) {
        pause = d.pause - (d.ende - d.beginn);
        if (pause < 0.0)
            return verweigern(396, n, k);
    }
    return 1;
}

struct Ziel {                    // the neuron's new table while it is built
    std::vector<double> zeiten, werte;
    int punkte = 0;
    int groesse() const { return static_cast<int>(std::min(zeiten.size(), werte.size())); }
};

void endpunktPruefen(const Ziel& z, int index, double ende)
{
    if (z.zeiten[index] != ende)
        plattform::hinweisBox(meldungFormatieren(505));
}

// the stimulus repeated anzahl times, every pause seconds; results as stromreizKurveErzeugen
int wiederholen(const NeuronDaten& n, int kompartiment, const StromreizDefinition& d, const StromTabelle& s,
                int kapazitaet, double pause, Ziel& z)
{
    const double ende = simulationsParameter.simulationsDauer;
    const double reiz = d.reizart == 1 ? d.ende - d.beginn : d.anstieg + d.dach + d.abfall;
    // repetitions that start after the run end are never written: no room for them.
    // More than any table holds is a typing error in count or interval, not a lack of memory.
    const double erster = s.anzahlPunkte > 1 ? std::min(0.0, s.startzeiten[1]) : 0.0;
    const int64_t wiederholungen = reizeVorDemEnde(d.anzahl, erster, reiz + pause, ende);
    const int64_t punkte = wiederholungen * (int64_t{kapazitaet} + 1);
    if (punkte > groessteTabelle)
        return verweigern(textZuVieleReize, n, kompartiment);
    if (const int text = anlegen(z.zeiten, z.werte, punkte, 378, 379))
        return neuronSpeicherFehlt(text, n);
    // the base table must end at the run end
    int l = z.punkte - 1;
    endpunktPruefen(z, l, ende);
    // each further repetition shifted by one stimulus and its pause
    double versatz = 0.0;
    for (int64_t k = 2; k <= wiederholungen; ++k) {
        const int vorzeichen = d.alternieren == 1 && k % 2 == 0 ? -1 : 1;
        versatz += reiz + pause;
        const int anfang = l;
        bool schluss = false;
        for (int j = 1; j <= s.anzahlPunkte - 2; ++j) {
            const double t = s.startzeiten[j] + versatz;
            if (t >= ende || l + 1 >= z.groesse()) {
                // a partial stimulus ends with 0; a complete one before it stays whole
                for (int x : {l - 2, l - 1})
                    if (x >= anfang)
                        z.werte[x] = 0.0;
                schluss = true;
                break;
            }
            z.zeiten[l] = t;
            const double wert = s.stromwerte[j];
            // a sine is mirrored about its offset, a rectangle or ramp changes its sign
            z.werte[l] = vorzeichen > 0 ? wert : (d.reizart == 1 ? 2.0 * d.abfall - wert : -wert);
            ++l;
        }
        if (schluss)
            break;
        if (vorzeichen < 0)
            z.werte[l - 1] = 0.0;
    }
    // the end point at the run end
    z.zeiten[l] = ende;
    z.werte[l] = 0.0;
    z.punkte = l + 1;
    return 1;
}

// the whole train again every burstabstand seconds; results as stromreizKurveErzeugen
int bursts(const NeuronDaten& n, const StromreizDefinition& d, Ziel& z)
{
    const double ende = simulationsParameter.simulationsDauer;
    // as for the repetitions: no room for bursts after the run end, and a count that
    // no table holds is refused
    const int b = z.punkte - 1;
    const double erster = z.punkte > 1 ? std::min(0.0, z.zeiten[1]) : 0.0;
    const int64_t anzahl = reizeVorDemEnde(d.anzahlBursts, erster, d.burstabstand, ende);
    const int64_t punkte = int64_t{z.punkte} * anzahl + 2 * anzahl + 4;
    if (punkte > groessteTabelle)
        return verweigern(textZuVieleReize, n, 0);
    if (const int text = anlegen(z.zeiten, z.werte, punkte, 378, 379))
        return neuronSpeicherFehlt(text, n);
    // the train must end at the run end
    int m = z.punkte - 1;
    endpunktPruefen(z, m, ende);
    // each further burst shifted by the burst interval
    bool schluss = false;
    for (int64_t k = 1; k < anzahl && !schluss; ++k) {
        for (int j = 1; j <= b - 1; ++j) {
            z.werte[m] = z.werte[j];
            z.zeiten[m] = static_cast<double>(k) * d.burstabstand + z.zeiten[j];
            if (z.zeiten[m] < ende && m + 1 < z.groesse()) {
                ++m;
            } else {
                z.werte[m - 1] = 0.0;
                schluss = true;
                break;
            }
        }
    }
    // the end point at the run end
    z.zeiten[m] = ende;
    z.werte[m] = 0.0;
    z.punkte = m + 1;
    return 1;
}

// one extra pulse of the full amplitude, merged into the train
int einzelreizEinfuegen(const NeuronDaten& n, const StromreizDefinition& d, Ziel& z)
{
    const double ende = simulationsParameter.simulationsDauer;
    const double beginn = d.einzelreiz;
    // a pulse that would not end before the run end is left out
    const double dauer = d.reizart == 1 ? d.ende - d.beginn : d.anstieg + d.dach + d.abfall;
    if (!(beginn + dauer < ende))
        return 1;
    // merge into new arrays; the walk writes at most two points more than it reads
    Ziel neu;
    if (const int text = anlegen(neu.zeiten, neu.werte, int64_t{z.punkte} + 4, 378, 379))
        return neuronSpeicherFehlt(text, n);
    int m = 0;
    auto schreiben = [&](double t, double v) {
        neu.zeiten[m] = t;
        neu.werte[m] = v;
        ++m;
    };
    const int letzter = z.punkte - 1;
    bool eingefuegt = false;
    int j = 0;
    while (j < letzter) {
        const bool haelt = z.zeiten[j] <= beginn && beginn < z.zeiten[j + 1];
        if (!haelt || eingefuegt) {
            schreiben(z.zeiten[j], z.werte[j]);
            ++j;
            continue;
        }
        eingefuegt = true;
        const bool genau = z.zeiten[j] == beginn;
        if (genau) {
            schreiben(beginn, d.amplitude);
            schreiben(beginn + dauer, 0.0);
        } else {
            schreiben(z.zeiten[j], z.werte[j]);
            schreiben(beginn, d.amplitude);
        }
        ++j;
        while (j < letzter && z.zeiten[j] < beginn + dauer)
            ++j;
        // a following point of 0 ends the pulse itself
        if (!genau && (j >= letzter || z.werte[j] != 0.0 || z.zeiten[j] >= ende))
            schreiben(beginn + dauer, 0.0);
    }
    // the end point at the run end
    schreiben(ende, 0.0);
    neu.punkte = m;
    z = std::move(neu);
    return 1;
}

} // namespace

int stromreizKurveErzeugen(NeuronDaten& n, int kompartiment)
{
    const int k = kompartiment;
    if (k < 0 || k > hoechsteReizDefinition(n) || k >= static_cast<int>(n.stromTabellen.size()))
        return -2;
    const StromreizDefinition& d = n.stromreize[k];
    if (d.reizart != 0 && d.reizart != 1)
        return 1;
    if (!(reizSchrittweite > 0.0))
        return verweigern(393, n, k);   // refused: no table is touched
    // the work area of compartments 0-3 exists from the start values on; make sure anyway
    if (stdNeuron.stromTabellen.size() <= static_cast<size_t>(k)) {
        try {
            stdNeuron.stromTabellen.resize(static_cast<size_t>(k) + 1);
        } catch (const std::bad_alloc&) {
            return arbeitsbereichFehlt(373);
        }
    }
    StromTabelle& s = stdNeuron.stromTabellen[k];

    // base pulse into the work table
    double pause = 0.0;
    bool abgeschnitten = false;
    const int ergebnis = d.reizart == 0 ? rechteckBauen(n, k, s, pause, abgeschnitten)
                                        : sinusBauen(n, k, s, pause, abgeschnitten);
    if (ergebnis != 1)
        return ergebnis;
    // the standard neuron keeps only its base pulse
    if (&n == &stdNeuron)
        return 1;

    // the copy into the neuron's table
    const int kapazitaet = static_cast<int>(s.startzeiten.size());
    Ziel z;
    try {
        z.zeiten.assign(s.startzeiten.begin(), s.startzeiten.end());
        z.werte.assign(s.stromwerte.begin(), s.stromwerte.end());
    } catch (const std::bad_alloc&) {
        return neuronSpeicherFehlt(285, n);
    }
    z.punkte = s.anzahlPunkte;

    // repetitions (alternating polarity where asked); a cut pulse has none
    if (d.anzahl >= 2 && !abgeschnitten)
        if (const int e = wiederholen(n, k, d, s, kapazitaet, pause, z); e != 1)
            return e;
    // bursts and the single pulse, compartment 0 only
    if (k == 0 && d.anzahlBursts >= 2) {
        if (const int e = bursts(n, d, z); e != 1)
            return e;
        if (d.einzelreiz > 0.0 && einzelreizEinfuegen(n, d, z) == 0)
            return 0;
    }

    StromTabelle& t = n.stromTabellen[k];
    t.startzeiten = std::move(z.zeiten);
    t.stromwerte = std::move(z.werte);
    t.anzahlPunkte = z.punkte;
    t.aktuellerIndex = 0;
    t.herkunft = s.herkunft;
    gereizteKompartimenteZaehlen(n);
    return 1;
}
