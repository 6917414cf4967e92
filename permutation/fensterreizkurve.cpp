// permutation/fensterreizkurve.cpp - the stimulus curve of the permutation display and
// the marks of the analysis classes on it, laid out in pixels of the display's window
//
// The display draws the window's own stimulus definition (dialog 203 takes it from a
// neuron) along the bottom of the window, scaled to the time axis; the class marks stand on
// its baseline where each class begins and where the last one ends.
#include "permutation/fenster.h"
#include "model/diagramm.h"
#include "model/permutationsfenster.h"
#include "permutation/permutation.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

using namespace plattform;

namespace {

// More pulses than pixels could not be told apart; the layout stops there.
constexpr int64_t groessteImpulse = 100000;

bool endlichPositiv(double w) { return std::isfinite(w) && w > 0.0; }

} // namespace

void permutationsReizkurveBerechnen(DiagrammDaten& d)
{
    PermutationsFensterEinstellungen& s = permutationsFenster;
    PermutationsAnzeige& a = permutationsAnzeige;
    const StromreizDefinition& r = s.stromreiz;
    // ramps only; said once until the settings change
    if (r.reizart != 0) {
        if (!a.rampenHinweisGezeigt) {
            a.rampenHinweisGezeigt = true;
            hinweisBox(meldungsTexte[58]);
        }
        return;
    }
    if (r.anzahl < 1 || !istFenster(permutationsDiagramm.fenster) || !istFenster(d.fenster)) {
        s.stromreizAnzeigen = 0;
        return;
    }
    a.reizPunkte.clear();
    const int hoehe = clientRechteck(d.fenster).hoehe();
    const int h = pixelWert(hoehe * std::clamp(s.stromreizHoehe, -1000, 1000) / 100.0);
    const int b = std::clamp(s.stromreizPosition, -pixelGrenze, pixelGrenze);
    // the row the pulses stand on, and their height
    int y0 = hoehe - b, puls = h;
    const bool wechselnd = r.alternieren != 0;
    if (wechselnd) {
        // alternating pulses of half the height, up and down around the middle row
        y0 = hoehe - (pixelWert(h / 2.0) + b);
        puls = r.amplitude < 0.0 ? -pixelWert(h / 2.0) : pixelWert(h / 2.0);
    } else if (r.amplitude < 0.0) {
        y0 = hoehe - (b + h);
        puls = -h;
    }
    // x of a time, the time window taken to start at 0
    const double ende = d.maxX;
    auto x = [&](double t) {
        return endlichPositiv(ende) ? pixelWert(d.xAchseLinks[0] + static_cast<double>(pixelWert(d.plotBreite * t / ende)))
                                    : d.xAchseLinks[0];
    };
    a.reizPunkte.push_back({d.xAchseLinks[0], y0});
    a.reizPunkte.push_back({x(r.beginn), y0});
    const int64_t anzahl = std::min<int64_t>(r.anzahl, groessteImpulse);
    for (int64_t k = 0; k < anzahl; ++k) {
        const double t = r.beginn + static_cast<double>(k) * r.pause;
        // a pulse beginning after the end of the time window is not on the plot
        if (!std::isfinite(t) || t > ende)
            break;
        const int oben = y0 - (wechselnd && k % 2 == 1 ? -puls : puls);
        a.reizPunkte.push_back({x(t + r.anstieg), oben});
        a.reizPunkte.push_back({x(t + r.anstieg + r.dach), oben});
        a.reizPunkte.push_back({x(t + r.anstieg + r.dach + r.abfall), y0});
        a.reizPunkte.push_back({x(t + r.pause), y0});
    }
    a.reizPunkte.push_back({d.xAchseRechts[0], y0});
    // the class marks: where each class begins, and where the last one ends
    a.klassenMarken.clear();
    a.markenKlassen = 0;
    Klassentabelle& k = analyseKlassen;
    const int laenge = s.klassenmarkenLaenge;
    if (laenge == 0 || k.size() < 2 || k[1].start == 0.0f)
        return;
    auto spalte = [&](double t, int versatz) {
        return endlichPositiv(ende)
                   ? pixelWert(d.xAchseLinks[0] + versatz + static_cast<double>(pixelWert(d.plotBreite * t / ende)))
                   : d.xAchseLinks[0] + versatz;
    };
    const int halb = laenge / 2;
    for (const Analyseklasse& c : k) {
        const int xm = spalte(c.start, 2);
        a.klassenMarken.push_back({xm, y0 + halb});
        a.klassenMarken.push_back({xm, y0 - halb});
    }
    Analyseklasse& letzte = k.back();
    if (letzte.ende < letzte.start)
        letzte.ende = letzte.start;
    if (letzte.ende < ende)
        letzte.ende = static_cast<float>(ende);
    const int xm = spalte(letzte.ende, 1);
    a.klassenMarken.push_back({xm, y0 + halb});
    a.klassenMarken.push_back({xm, y0 - halb});
    a.markenKlassen = static_cast<int>(k.size());
}
