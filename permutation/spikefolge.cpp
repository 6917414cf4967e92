// permutation/spikefolge.cpp - the reports of the spike-train rating: the result of one
// neuron, the bursts within a span, the phases of other neurons' bursts, and the rating
// of a permutation result
#include "permutation/spikefolge.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/diagrammbefehle.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "model/spikefolge.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

using namespace plattform;

namespace {

namespace code = spikefolgenCode;

constexpr double unvergeben = -1e8, uebergangen = -2e8;

// a frequency that an interval of 0 cannot make infinite
double frequenz(double isi) { return isi > 0.0 ? 1.0 / isi : 0.0; }

// Means and SDs of the reports: a mean over no values is 0, the SD of one value or none 0.
struct Werte {
    double summe = 0.0, quadrate = 0.0;
    int anzahl = 0;
    void dazu(double x)
    {
        summe += x;
        quadrate += x * x;
        ++anzahl;
    }
    double mittel() const { return anzahl > 0 ? summe / anzahl : 0.0; }
    double streuung() const { return std::max(0.0, stichprobenStreuung(summe, quadrate, anzahl)); }
};

// the diagram with this number of the neuron, looked up again after a box
DiagrammDaten* diagrammSuchen(int neuronId, int nummer)
{
    NeuronDaten* n = neuronNachNummer(neuronId);
    for (DiagrammDaten* d = n ? &n->hauptDiagramm : nullptr; d; d = d->naechstes)
        if (d->nummer == nummer)
            return d;
    return nullptr;
}

// the time cursors at one step after the start and one before the end
void ganzenLaufMarkieren(DiagrammDaten& d)
{
    const double schritt = simulationsParameter.schrittweite;
    d.vCursor1 = schritt;
    d.vCursor2 = simulationsParameter.simulationsDauer - schritt;
    d.vCursorZustand = 3;
    d.zweiterVCursor = 1;
    d.zustand |= 0x30000;
    if (d.fenster)
        ungueltigMachen(d.fenster);
}

} // namespace

int spikefolgeErgebnisMeldung(NeuronDaten* neuron)
{
    if (!neuron)
        return 0;
    SpikefolgenBewertung& b = neuron->spikefolgenBewertung;
    int text = 409;
    if (b.code & code::Bursts)
        text = 405;
    else if (b.code & code::Tonisch)
        text = 406;
    else if (b.code & code::Irregulaer)
        text = 407;
    else if (b.code & (code::KeineSpikes | code::ZuWenige))
        text = 408;
    if (text == 405)
        b.ergebnisText = meldungFormatieren(405, neuronAnzeigename(*neuron), neuron->rrModus, frequenz(b.isiMittel), b.isiMittel,
                                            b.isiStreuung, b.spikes.mittel, b.spikes.streuung, b.spikes.anzahl,
                                            b.periode.mittel, b.periode.streuung, b.periode.anzahl, b.dauer.mittel,
                                            b.dauer.streuung, b.dauer.anzahl, b.luecke.mittel, b.luecke.streuung,
                                            b.luecke.anzahl);
    else
        b.ergebnisText = meldungFormatieren(text, neuronAnzeigename(*neuron));
    const std::string zeigen = b.ergebnisText;   // the box may let the neuron go
    hinweisBox(zeigen);
    return text;
}

int spikefolgeFrequenzMeldung(NeuronDaten* neuron, const SpikefolgenBewertung* bewertung, double t1, double t2)
{
    if (!neuron || !bewertung)
        return 0;
    const double von = std::min(t1, t2), bis = std::max(t1, t2);
    Werte dauer, isi, luecke, periode, spikes;
    for (const BurstDaten& x : bewertung->bursts) {
        if (!(x.start >= von && x.start <= bis))
            continue;
        dauer.dazu(x.dauer);
        isi.dazu(x.mittleresIsi);
        spikes.dazu(x.intervallAnzahl + 1);
        if (x.luecke > 0.0) {
            luecke.dazu(x.luecke);
            periode.dazu(x.dauer + x.luecke);
        }
    }
    if (dauer.anzahl == 0)
        return 0;
    hinweisBox(meldungFormatieren(239, dauer.anzahl, neuronAnzeigename(*neuron), dauer.mittel(), dauer.streuung(), isi.mittel(),
                                  isi.streuung(), frequenz(isi.mittel()), luecke.mittel(), luecke.streuung(),
                                  periode.mittel(), periode.streuung(), spikes.mittel(), spikes.streuung()));
    return dauer.anzahl;
}

int spikefolgeFrequenzMeldung(NeuronDaten* neuron, double t1, double t2)
{
    return neuron ? spikefolgeFrequenzMeldung(neuron, &neuron->spikefolgenBewertung, t1, t2) : 0;
}

void spikefolgeStatistik(DiagrammDaten* diagramm)
{
    if (!diagramm)
        return;
    const int neuronId = diagramm->neuronId, nummer = diagramm->nummer;
    // the span: the two time cursors, or on Yes the whole run
    if (!(diagramm->zweiterVCursor && diagramm->vCursorZustand >= 2)) {
        if (meldungsBox(diagramm->fenster, meldungFormatieren(235), "SysInfo", knoepfe::JaNein | symbol::Frage) !=
            antwort::Ja)
            return;
        if (!(diagramm = diagrammSuchen(neuronId, nummer)))
            return;
        ganzenLaufMarkieren(*diagramm);
    }
    const double von = std::min(diagramm->vCursor1, diagramm->vCursor2);
    const double bis = std::max(diagramm->vCursor1, diagramm->vCursor2);

    // the reference burst: the first of the diagram's neuron within the span; a neuron
    // without bursts has none either
    NeuronDaten* bezug = neuronNachNummer(neuronId);
    if (!bezug)
        return;
    std::vector<BurstDaten>& bezugsBursts = bezug->spikefolgenBewertung.bursts;
    const auto erster = std::find_if(bezugsBursts.begin(), bezugsBursts.end(),
                                     [&](const BurstDaten& x) { return x.start >= von && x.start <= bis; });
    if (erster == bezugsBursts.end()) {
        piepen(1000, 100);
        return;
    }
    const size_t referenz = static_cast<size_t>(erster - bezugsBursts.begin());

    // no phase yet anywhere
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (BurstDaten& x : n->spikefolgenBewertung.bursts)
            x.phase = unvergeben;
    std::map<const NeuronDaten*, Werte> phasen;

    // each reference burst from there on takes, in every other neuron with bursts, the
    // first burst not yet taken that starts with it or later; those skipped before it are
    // passed over for good
    for (size_t k = referenz; k < bezugsBursts.size(); ++k) {
        const double start = bezugsBursts[k].start;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            if (n == bezug || n->apAnzahl <= 0)
                continue;
            for (BurstDaten& x : n->spikefolgenBewertung.bursts) {
                if (x.phase != unvergeben)
                    continue;
                if (x.start >= start) {
                    x.phase = x.start - start;
                    phasen[n].dazu(x.phase);
                    break;
                }
                x.phase = uebergangen;
            }
        }
    }

    // the report, one line per neuron with phases, in the order of the network
    std::string text = meldungFormatieren(236, static_cast<int>(referenz) + 1, neuronAnzeigename(*bezug));
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const auto p = phasen.find(n);
        if (p == phasen.end())
            continue;
        const Werte& w = p->second;
        text += w.anzahl > 1 ? meldungFormatieren(1480, neuronAnzeigename(*n), w.mittel(), w.streuung(), w.anzahl)
                             : meldungFormatieren(1481, neuronAnzeigename(*n), w.mittel(), w.anzahl);
    }
    if (phasen.empty())
        text = bezugsBursts[referenz].luecke == 0.0 ? meldungFormatieren(237) : meldungFormatieren(238, neuronAnzeigename(*bezug));
    bezug->spikefolgenBewertung.ergebnisText = text;
    hinweisBox(text);
}

int spikefolgeBewertenMeldung(NeuronDaten* pseudoNeuron, const float* zeiten, int anzahl)
{
    if (!pseudoNeuron)
        return 0;
    const int spikes = zeiten ? std::max(anzahl, 0) : 0;
    if (spikes <= 3) {
        hinweisBox(meldungFormatieren(234, spikes));
        return 0;
    }
    const int ergebnis = spikefolgeBewerten(*pseudoNeuron, zeiten, spikes);
    if (ergebnis != 0 && (modusStatus & modusBit::BurstBericht))
        spikefolgeErgebnisMeldung(pseudoNeuron);
    return ergebnis;
}

bool burstDoppelklick(Fenster fenster, int x, int y)
{
    DiagrammDaten* d = fenster ? diagrammZuFenster(fenster) : nullptr;
    NeuronDaten* n = d ? neuronNachNummer(d->neuronId) : nullptr;
    if (!n || !n->spikefolge.an || !(n->spikefolgenBewertung.code & code::Bursts))
        return false;
    const std::vector<BurstDaten>& bursts = n->spikefolgenBewertung.bursts;
    const auto innen = [x, y](int links, int rechts, int oben, int unten) {
        return x >= links && x <= rechts && y >= oben && y <= unten;
    };
    // between two time cursors the span is reported, level with the first burst's box; any
    // other click there ends the double click too
    if (d->zweiterVCursor && d->vCursorZustand >= 2 && !bursts.empty()) {
        const int a = spalteVonZeit(*d, d->vCursor1), b = spalteVonZeit(*d, d->vCursor2);
        const Rechteck& k = bursts.front().kasten;
        if (innen(std::min(a, b), std::max(a, b), k.oben, k.unten))
            spikefolgeFrequenzMeldung(n, std::min(d->vCursor1, d->vCursor2), std::max(d->vCursor1, d->vCursor2));
        return true;
    }
    for (size_t i = 0; i < bursts.size(); ++i) {
        const BurstDaten& b = bursts[i];
        // a box the painter never drew is empty and takes no click
        if (b.kasten.breite() <= 0 || b.kasten.hoehe() <= 0 ||
            !innen(b.kasten.links, b.kasten.rechts, b.kasten.oben, b.kasten.unten))
            continue;
        char sd[32] = "-";
        if (b.intervallAnzahl >= 2)
            std::snprintf(sd, sizeof sd, "%.4f", b.isiStreuung);
        const std::string naechster =
            b.luecke > 0.0 ? meldungFormatieren(452, b.luecke, b.luecke + b.dauer) : meldungsTexte[453];
        n->spikefolgenBewertung.ergebnisText =
            meldungFormatieren(454, static_cast<int>(i) + 1, neuronAnzeigename(*n), b.dauer, b.intervallAnzahl + 1,
                               frequenz(b.mittleresIsi), b.mittleresIsi, std::string(sd), naechster);
        hinweisBox(n->spikefolgenBewertung.ergebnisText);
        return true;
    }
    return false;
}
