// model/spikefolge.cpp - the burst search of a spike train
//
// From the intervals between spikes the mean of the smallest quarter is taken; the largest
// interval still within that mean times the burst factor separates bursts, and spikes
// closer than it form a burst. The bursts are filtered by the neuron's settings and
// summed up in its result block.
#include "model/spikefolge.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <new>

namespace {

namespace code = spikefolgenCode;
namespace flag = spikefolgenFlag;

// The order the sorts use: the comparators' for numbers, a NaN behind everything. A
// strict order keeps std::sort inside the list whatever values a train brings.
bool vor(double a, double b)
{
    if (std::isnan(a))
        return false;
    return std::isnan(b) || a < b;
}
bool nachIsi(const SpikeIntervall& a, const SpikeIntervall& b) { return vor(a.isi, b.isi); }
bool nachZeit(const SpikeIntervall& a, const SpikeIntervall& b) { return vor(a.zeit, b.zeit); }

int vergleich(double a, double b) { return a < b ? -1 : b < a ? 1 : 0; }

struct Summe {
    double summe = 0.0, quadrate = 0.0;
    int anzahl = 0;
    void dazu(double x)
    {
        summe += x;
        quadrate += x * x;
        ++anzahl;
    }
    double mittel() const { return anzahl > 0 ? summe / anzahl : 0.0; }
    double streuung() const { return stichprobenStreuung(summe, quadrate, anzahl); }
    Kennwert kennwert() const { return {mittel(), streuung(), anzahl}; }
};

// the notice of a memory failure; the program ends
int speicherFehlt(int text)
{
    endeMelden(EndeForm::Hinweis, meldungFormatieren(text));
    return 0;
}

void burstSchliessen(BurstDaten& b, const Summe& s, double letzteSpitze)
{
    b.intervallAnzahl = s.anzahl;
    b.dauer = letzteSpitze - b.start;
    b.mittleresIsi = s.mittel();
    b.isiStreuung = s.streuung();
    b.gueltig = 1;
}

// Without an interval above the limit: a single burst or an even train, by where the
// first and the last spike lie in the run. Sets the threshold where a burst follows.
int ohneLuecke(SpikefolgenBewertung& b, const SpikefolgenEinstellungen& e, double grenze, double erste,
               double nachLetzter)
{
    const double groesstes = b.intervalle[static_cast<size_t>(b.intervallAnzahl) - 1].isi;
    const bool spaeterBeginn = erste > grenze, fruehesEnde = nachLetzter > grenze;
    if (!(e.flags & flag::EinzelBurst))
        return spaeterBeginn || fruehesEnde ? code::Irregulaer : code::Tonisch;
    if (spaeterBeginn && fruehesEnde) {
        b.schwelle = groesstes;
        return code::Bursts | code::EinzelBurst;
    }
    if (spaeterBeginn) {
        if (!(e.flags & flag::BisLaufende))
            return code::Bursts | code::Irregulaer | code::BisLaufende;
        b.schwelle = groesstes;
        return code::Bursts | code::EinzelBurst | code::BisLaufende;
    }
    if (fruehesEnde) {
        if (!(e.flags & flag::AbLaufbeginn))
            return code::Bursts | code::Irregulaer | code::AbLaufbeginn;
        b.schwelle = groesstes;
        return code::Bursts | code::EinzelBurst | code::AbLaufbeginn;
    }
    return code::Tonisch;
}

// Relative: against the means of all bursts, valid or not. Absolute: only valid bursts.
bool behalten(const BurstDaten& x, const SpikefolgenEinstellungen& e, const Summe& spikes, const Summe& dauer)
{
    const double spitzen = x.intervallAnzahl + 1;
    if (e.flags & flag::Relativ)
        return !((e.flags & flag::MindestSpikes) && spikes.mittel() * e.relativeSpikeAnzahl > spitzen) &&
               !((e.flags & flag::MindestLaenge) && dauer.mittel() * e.relativeLaenge > x.dauer);
    return x.gueltig && !((e.flags & flag::MindestSpikes) && e.mindestSpikeAnzahl > spitzen) &&
           !((e.flags & flag::MindestLaenge) && e.mindestLaenge > x.dauer);
}

// The kept bursts move to the front in their order; their intervals take the new numbers,
// those of dropped bursts 0, so no entry names a burst the list no longer has.
void filtern(SpikefolgenBewertung& b, const SpikefolgenEinstellungen& e)
{
    Summe spikes, dauer;
    for (const BurstDaten& x : b.bursts) {
        spikes.dazu(x.intervallAnzahl + 1);
        dauer.dazu(x.dauer);
    }
    size_t behaltene = 0;
    for (size_t k = 0; k < b.bursts.size(); ++k) {
        const BurstDaten x = b.bursts[k];
        const bool bleibt = behalten(x, e, spikes, dauer);
        for (int j = x.erstesIntervall; j < x.erstesIntervall + x.intervallAnzahl; ++j)
            b.intervalle[static_cast<size_t>(j)].burst = bleibt ? static_cast<int>(behaltene) + 1 : 0;
        if (bleibt)
            b.bursts[behaltene++] = x;
    }
    b.bursts.resize(behaltene);
}

void statistik(SpikefolgenBewertung& b)
{
    Summe isi, dauer, spikes, luecke, periode;
    for (const BurstDaten& x : b.bursts) {
        isi.dazu(x.mittleresIsi);
        dauer.dazu(x.dauer);
        spikes.dazu(x.intervallAnzahl + 1);
        if (x.luecke > 0.0) {
            luecke.dazu(x.luecke);
            periode.dazu(x.dauer + x.luecke);
        }
    }
    b.isiMittel = isi.mittel();
    b.isiStreuung = isi.streuung();
    b.dauer = dauer.kennwert();
    b.spikes = spikes.kennwert();
    const Kennwert keiner{-1.0, -1.0, 0};
    b.luecke = luecke.anzahl ? luecke.kennwert() : keiner;
    b.periode = periode.anzahl ? periode.kennwert() : keiner;
}

} // namespace

double stichprobenStreuung(double summe, double quadrate, int anzahl)
{
    if (anzahl < 2)
        return -1.0;
    const double n = anzahl;
    const double varianz = (n * quadrate - summe * summe) / ((n - 1.0) * n);
    return varianz > 0.0 ? std::sqrt(varianz) : 0.0;
}

int intervallVergleichAuf(const void* a, const void* b)
{
    return vergleich(static_cast<const SpikeIntervall*>(a)->isi, static_cast<const SpikeIntervall*>(b)->isi);
}

int intervallZeitVergleichAuf(const void* a, const void* b)
{
    return vergleich(static_cast<const SpikeIntervall*>(a)->zeit, static_cast<const SpikeIntervall*>(b)->zeit);
}

void spikefolgeVorgabenSetzen(Spikefolgenregel& regel)
{
    if (regel.burstFaktor == 0.0)
        regel.burstFaktor = 2.0;
    if (regel.mindestSpikeAnzahl == 0.0)
        regel.mindestSpikeAnzahl = 1.0;
}

int spikefolgeBewerten(NeuronDaten& neuron, const float* zeiten, int anzahl)
{
    const SpikefolgenEinstellungen& e = neuron.spikefolge;
    SpikefolgenBewertung& b = neuron.spikefolgenBewertung;
    // a fresh block; the settings stay
    b = SpikefolgenBewertung{};
    const int spikes = zeiten ? std::max(anzahl, 0) : 0;
    // four intervals at least
    if (spikes == 0)
        return b.code = code::KeineSpikes;
    if (spikes < 5)
        return b.code = code::ZuWenige;

    // the intervals; the entry behind them holds the last spike and the run's duration
    const int n = spikes - 1;
    const double dauer = simulationsParameter.simulationsDauer;
    try {
        b.intervalle.resize(static_cast<size_t>(n) + 1);
    } catch (const std::bad_alloc&) {
        return speicherFehlt(403);
    }
    for (int i = 0; i < n; ++i)
        b.intervalle[i] = {static_cast<double>(zeiten[i + 1]) - zeiten[i], zeiten[i], 0};
    b.intervalle[n] = {dauer, zeiten[n], 0};
    b.intervallAnzahl = n;
    const auto anfang = b.intervalle.begin(), ende = anfang + n;

    // 4.-5. the mean of the smallest quarter
    std::sort(anfang, ende, nachIsi);
    const int viertel = n / 4;
    Summe kleinste;
    for (int i = 0; i < viertel; ++i)
        kleinste.dazu(b.intervalle[i].isi);
    const double grenze = e.burstFaktor * kleinste.mittel();

    // the first interval above the limit: the one before it separates bursts
    for (int i = viertel; i < n; ++i)
        if (b.intervalle[i].isi > grenze) {
            b.schwelle = b.intervalle[i - 1].isi;
            Summe davor;
            for (int j = 0; j < i; ++j)
                davor.dazu(b.intervalle[j].isi);
            b.isiMittel = davor.mittel();
            b.isiStreuung = davor.streuung();
            b.code = code::Bursts;
            break;
        }

    // no gap: tonic, irregular, or one burst by the flags; tonic and irregular are final
    if (b.code == 0) {
        b.code = ohneLuecke(b, e, grenze, zeiten[0], dauer - zeiten[n]);
        if (b.code & (code::Tonisch | code::Irregulaer))
            return b.code;
    }

    // the bursts, walking the intervals in time order
    std::sort(anfang, ende, nachZeit);
    Summe offen;
    bool burstOffen = false;
    double letzteSpitze = 0.0;   // of the last closed burst
    for (int i = 0; i < n; ++i) {
        SpikeIntervall& iv = b.intervalle[i];
        if (iv.isi <= b.schwelle) {
            if (!burstOffen) {
                if (!b.bursts.empty())
                    b.bursts.back().luecke = iv.zeit - letzteSpitze;
                BurstDaten neu;
                neu.start = iv.zeit;
                neu.erstesIntervall = i;
                try {
                    b.bursts.push_back(neu);
                } catch (const std::bad_alloc&) {
                    return speicherFehlt(404);
                }
                offen = {};
                burstOffen = true;
            }
            offen.dazu(iv.isi);
            iv.burst = static_cast<int>(b.bursts.size());
        } else if (burstOffen) {
            burstSchliessen(b.bursts.back(), offen, iv.zeit);
            letzteSpitze = iv.zeit;
            burstOffen = false;
        }
    }

    // a burst still open ends at the last spike: valid with room behind it, or when a
    // burst may last to the run's end
    if (burstOffen) {
        const double letzte = b.intervalle[n].zeit;
        BurstDaten& x = b.bursts.back();
        burstSchliessen(x, offen, letzte);
        x.gueltig = dauer - letzte > b.schwelle;
        if (!x.gueltig && (e.flags & flag::BisLaufende)) {
            x.gueltig = 1;
            b.code |= code::BisLaufende;
        }
    }
    if (!b.bursts.empty())
        b.bursts.back().luecke = 0.0;

    // 10.-11. the filter, then the statistics over what is left
    filtern(b, e);
    if (b.bursts.empty())
        return b.code = code::Irregulaer;
    statistik(b);
    return b.code;
}
