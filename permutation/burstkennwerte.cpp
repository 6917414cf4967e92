// permutation/burstkennwerte.cpp - the burst-shape rating of indexed results: the first
// burst or bursts of each spike train compared with the frequency template of a resistance
// reflex (one burst firing slower in steps) or of an active reaction (a burst, a short
// pause, a second burst)
//
// The fitting trains go into a text table per template and into an index file of their
// own whose values are the template errors, so they can be loaded and sorted like results.
#include "core/status.h"
#include "model/neuron.h"
#include "model/spikefolge.h"
#include "permutation/bewertungintern.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisse.h"
#include "permutation/spikefolge.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <climits>
#include <cmath>
#include <span>

using namespace plattform;

namespace {

// One segment of a template: the spikes up to its end (seconds after the reference time),
// the frequency and spike count it expects, and how many spikes it must hold.
struct Segment {
    double ende;
    double frequenz;
    int spikes;
    int mindestens;
    int hoechstens;
};

// resistance reflex, after the burst's start; each segment up to (not including) its end
constexpr Segment widerstandsreflex[] = {
    {0.2, 90.0, 18, 0, INT_MAX},
    {0.4, 55.0, 10, 1, INT_MAX},
    {1.2, 12.0, 10, 1, INT_MAX},
    {1.4, 0.0, 0, 0, 0},
};
// active reaction, after the first burst's end, from 0.4 s before it; each segment up to
// and including its end
constexpr double aktivVorlauf = -0.4;
constexpr Segment aktiveReaktion[] = {
    {0.0, 40.0, 16, 4, INT_MAX},
    {0.09, 0.0, 0, 0, 2},
    {0.29, 90.0, 18, 4, INT_MAX},
};

constexpr int mindestSpikesReflex = 20;
constexpr int mindestIntervalleReaktion = 3;

// The sum of the segments' errors over the spikes from the first at or after ab; -1 when
// a segment's requirement fails or the sum is no number (equal spike times give an
// infinite frequency). The walk never passes the last spike.
double vorlageVergleichen(std::span<const float> zeiten, double bezug, double ab, std::span<const Segment> vorlage,
                          bool endeEingeschlossen)
{
    size_t i = 0;
    while (i < zeiten.size() && !(static_cast<double>(zeiten[i]) >= ab))
        ++i;
    const auto imSegment = [&](double t, double ende) { return endeEingeschlossen ? t - bezug <= ende : t - bezug < ende; };
    double summe = 0.0;
    double vorigesEnde = endeEingeschlossen ? aktivVorlauf : 0.0;
    for (const Segment& s : vorlage) {
        const size_t erster = i;
        while (i < zeiten.size() && imSegment(static_cast<double>(zeiten[i]), s.ende))
            ++i;
        const int n = static_cast<int>(i - erster);
        if (n < s.mindestens || n > s.hoechstens)
            return -1.0;
        double d = s.frequenz * s.frequenz;
        if (n > 1) {
            const double f = (n - 1) / (static_cast<double>(zeiten[i - 1]) - static_cast<double>(zeiten[erster]));
            d = (f - s.frequenz) * (f - s.frequenz);
        } else if (n == 1) {
            const double f = 1.0 / (s.ende - vorigesEnde);
            d = (f - s.frequenz) * (f - s.frequenz);
        }
        summe += d + 10.0 * static_cast<double>(n - s.spikes) * static_cast<double>(n - s.spikes);
        vorigesEnde = s.ende;
    }
    return std::isfinite(summe) ? summe : -1.0;
}

float passtNicht(NeuronDaten& neuron, int code)
{
    neuron.spikefolgenBewertung.code = code;
    return -1.0f;
}

} // namespace

float burstKennwerteBerechnen(NeuronDaten& neuron, const float* apZeiten, int anzahl)
{
    const std::span<const float> zeiten(apZeiten, apZeiten && anzahl > 0 ? static_cast<size_t>(anzahl) : 0);
    std::vector<BurstDaten>& bursts = neuron.spikefolgenBewertung.bursts;
    double fehler = -1.0;
    if (bursts.size() == 1) {
        // one burst: a resistance reflex from the burst's start
        if (zeiten.size() < static_cast<size_t>(mindestSpikesReflex))
            return passtNicht(neuron, spikefolgenCode::ZuWenige);
        BurstDaten& b = bursts[0];
        b.mitte = b.start + b.dauer / 2.0;
        fehler = vorlageVergleichen(zeiten, b.start, b.start, widerstandsreflex, false);
    } else if (bursts.size() == 2) {
        // two bursts: an active reaction around the first one's end
        BurstDaten& b = bursts[0];
        const double ende = b.start + b.dauer;
        const double luecke = bursts[1].start - ende;
        const SpikefolgenEinstellungen& e = neuron.spikefolge;
        if (!(luecke <= e.lueckeMaximum && luecke >= e.lueckeMinimum) || b.intervallAnzahl < mindestIntervalleReaktion ||
            bursts[1].intervallAnzahl < mindestIntervalleReaktion)
            return passtNicht(neuron, spikefolgenCode::Irregulaer);
        b.mitte = ende + luecke / 2.0;
        fehler = vorlageVergleichen(zeiten, ende, ende + aktivVorlauf, aktiveReaktion, true);
    }
    if (fehler < 0.0)
        return passtNicht(neuron, spikefolgenCode::Irregulaer);
    return static_cast<float>(fehler);
}

namespace {

// the fitting trains of one template: the table of their rows and their entries for the
// index file, the template error as the value
struct Vorlagenausgabe {
    Ausgabedatei tabelle;
    std::vector<PermutationsIndexEintrag> eintraege;
    std::string indexPfad;
};

// the first d from 1 for which neither "<net> d RR.txt" nor "<net> d AR.txt" exists
int freieDateiNummer()
{
    for (int d = 1;; ++d) {
        const std::string stamm = imNetzordner(dateipfade.netzName + " " + std::to_string(d));
        if (!dateiExistiert(stamm + " RR.txt") && !dateiExistiert(stamm + " AR.txt"))
            return d;
    }
}

bool tabelleAnlegen(Vorlagenausgabe& a, const std::string& stamm, const char* kuerzel, const char* kopf)
{
    a.indexPfad = stamm + " " + kuerzel + ".inx";
    const std::string pfad = stamm + " " + kuerzel + ".txt";
    if (!a.tabelle.oeffnen(pfad)) {
        hinweisBox(meldungFormatieren(74, pfad));
        return false;
    }
    if (a.tabelle.zeile("%s", kopf))
        return true;
    hinweisBox(meldungFormatieren(75, pfad));
    return false;
}

} // namespace

int spikeverteilungBewerten(int anzahl)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    // results to rate
    if (z.dateien.namen.empty() || z.index.empty()) {
        hinweisBox(meldungsTexte[50]);
        return 0;
    }
    klassenAnzahlKopien = static_cast<int>(z.klassen.size());
    const int eintraege = static_cast<int>(z.index.size());
    if (anzahl < 0 || anzahl > eintraege)
        anzahl = eintraege;
    // the burst search's settings of the evaluation neuron; without one nothing is rated
    NeuronDaten* neuron = auswerteNeuron();
    if (!neuron) {
        hinweisBox(meldungsTexte[1275]);
        return 0;
    }
    if (spikefolgenParameterDialogFuer(fensterhandles.hauptfenster, neuron) != 1)
        return 0;
    // the two tables
    const int dateiNummer = freieDateiNummer();
    const std::string stamm = imNetzordner(dateipfade.netzName + " " + std::to_string(dateiNummer));
    Vorlagenausgabe reflex, reaktion;
    if (!tabelleAnlegen(reflex, stamm, "RR", "spikeverteilung: widerstandsreflex\nnummer\tRR-fehler\tburst-anfang\tburst-mitte\tpmt-fehler\n") ||
        !tabelleAnlegen(reaktion, stamm, "AR", "spikeverteilung: aktive reaktion\nnummer\tAR-fehler\tluecke-anfang\tluecke-mitte\tpmt-fehler\n"))
        return 0;
    // each train through the burst search and the templates
    bool neuronWeg = false;
    const Durchlauf ende = eintraegeDurchlaufen(anzahl, meldungsTexte[1750].c_str(), [&](PermutationsIndexEintrag& e, PermutationsErgebnis& r) {
        // the neuron is looked up anew: the user may have deleted it while the walk pumped
        NeuronDaten* n = auswerteNeuron();
        if (!n) {
            neuronWeg = true;
            return false;
        }
        const int code = spikefolgeBewerten(*n, r.apZeiten.data(), r.apAnzahl);
        if (code == 0)
            return false;   // out of memory: the program ends
        if (!(code & spikefolgenCode::Bursts) || (code & spikefolgenCode::Irregulaer))
            return true;
        const float fehler = burstKennwerteBerechnen(*n, r.apZeiten.data(), r.apAnzahl);
        if (!(fehler >= 0.0f))
            return true;
        const std::vector<BurstDaten>& b = n->spikefolgenBewertung.bursts;
        const bool einBurst = b.size() == 1;
        Vorlagenausgabe& a = einBurst ? reflex : reaktion;
        const double anfang = einBurst ? b[0].start : b[0].start + b[0].dauer;
        a.eintraege.push_back({e.nummer, e.satzOffset, e.dateiNummer, fehler});
        return a.tabelle.zeile("%d\t%.1f\t%.4f\t%.4f\t%.1f\n", e.nummer, static_cast<double>(fehler), anfang, b[0].mitte,
                               static_cast<double>(e.wert));
    });
    if (neuronWeg)
        hinweisBox(meldungsTexte[1275]);
    for (const Vorlagenausgabe* a : {&reflex, &reaktion})
        if (a->tabelle.fehlerhaft())
            hinweisBox(meldungFormatieren(75, a->tabelle.pfad()));
    // a stop or a failure leaves nothing loaded
    if (ende != Durchlauf::Fertig) {
        permutationDatenFreigeben();
        return 0;
    }
    // the tables take their names, the fitting trains their index files
    for (Vorlagenausgabe* a : {&reflex, &reaktion})
        if (!a->tabelle.abschliessen()) {
            hinweisBox(meldungFormatieren(75, a->tabelle.pfad()));
            return 0;
        }
    for (const auto& [a, leer] : {std::pair{&reflex, 401}, std::pair{&reaktion, 402}}) {
        if (a->eintraege.empty()) {
            hinweisBox(meldungsTexte[leer]);
            continue;
        }
        if (permutationIndexSpeichern(a->indexPfad.c_str(), -1, a->eintraege) == 0)
            return 0;
    }
    return 1;
}
