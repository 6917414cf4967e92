// model/geometrie.cpp - the synapse line geometry of the editor
#include "model/geometrie.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double halbPi = std::numbers::pi / 2.0;

long halb(int wert) { return std::lround(wert / 2.0); }

// +1 when nach lies at a larger coordinate, -1 at a smaller one, 0 on the same
int richtung(int von, int nach) { return nach > von ? 1 : (nach < von ? -1 : 0); }

// asin(zaehler / nenner) that neither leaves [-1, 1] nor divides by zero
double asinSicher(double zaehler, double nenner)
{
    if (nenner <= 0.0)
        return zaehler > 0.0 ? halbPi : 0.0;
    return std::asin(std::clamp(zaehler / nenner, -1.0, 1.0));
}

struct Masse {
    int d, L, w, syn, R;
    long rs, rsyn;
};

Masse masseVon(const NeuronDaten& n)
{
    Masse m{zeichenGroesseVon(n, zeichenGroesse::Soma), zeichenGroesseVon(n, zeichenGroesse::DendritLaenge),
            zeichenGroesseVon(n, zeichenGroesse::DendritDicke), zeichenGroesseVon(n, zeichenGroesse::Synapse),
            zeichenGroesseVon(n, zeichenGroesse::Schleife), 0, 0};
    m.rs = halb(m.d);
    m.rsyn = halb(m.syn);
    return m;
}

// the height of the dendrite point of variant k below basis; false when variant 4 has
// no segments (the soma point is used then)
bool segmentHoehe(int k, int bereich, int basis, const Masse& m, int segmente, int& y)
{
    if (k == 2) {
        y = basis + static_cast<int>(std::lround(m.L / 2.0));
        return true;
    }
    if (k == 3) {
        const long sechstel = std::lround(m.L / 6.0);
        y = static_cast<int>(bereich < 4 ? basis + std::lround(bereich * m.L / 3.0) - sechstel
                                         : basis + m.L - sechstel);
        return true;
    }
    if (segmente <= 0)
        return false;
    const int mitte = m.L / (2 * segmente);
    y = bereich <= segmente ? basis + bereich * m.L / segmente - mitte : basis + m.L - mitte;
    return true;
}

// start, end and marker of variant i on the line from S to P
void verbindungSetzen(SynapseDaten& s, int i, plattform::Punkt S, plattform::Punkt P, long rs, long rt, long rsyn)
{
    const double dx = P.x - S.x, dy = P.y - S.y;
    const double abstand = std::hypot(dx, dy);
    const double alpha = abstand > 0.0 ? asinSicher(std::fabs(dy), abstand) : 0.0;
    const double beta = halbPi - alpha;
    const int rx = richtung(S.x, P.x), ry = richtung(S.y, P.y);
    s.startPunktX[i] = S.x + rx * static_cast<int>(std::lround(std::cos(alpha) * rs));
    s.startPunktY[i] = S.y + ry * static_cast<int>(std::lround(std::sin(alpha) * rs));
    s.endPunktX[i] = P.x - rx * static_cast<int>(std::lround(std::sin(beta) * rt));
    s.endPunktY[i] = P.y - ry * static_cast<int>(std::lround(std::cos(beta) * rt));
    s.markerPunktX[i] = P.x - rx * static_cast<int>(std::lround(std::sin(beta) * (rt + rsyn)));
    s.markerPunktY[i] = P.y - ry * static_cast<int>(std::lround(std::cos(beta) * (rt + rsyn)));
}

// a neuron onto itself (or two at one place): a loop of radius R beside the soma
void schleifeSetzen(SynapseDaten& s, plattform::Punkt S, const Masse& m, int segmente)
{
    const double R = m.R;
    const double gamma = 2.0 * (asinSicher(m.rs, 2.0 * R) + asinSicher(m.rsyn, 2.0 * R));
    const double delta = halbPi - gamma;
    const double sehne = 2.0 * R * std::sin(gamma / 2.0);
    const int mx = static_cast<int>(std::cos(delta) * sehne);
    const int my = static_cast<int>(std::sin(delta) * sehne);
    for (int k = 1; k <= 4; ++k) {
        const int i = geometrieIndex(k);
        s.startPunktX[i] = s.endPunktX[i] = S.x;
        s.startPunktY[i] = S.y;
        int y = 0;
        if (k > 1 && s.zielBereich != 0
            && segmentHoehe(k, s.zielBereich, S.y + static_cast<int>(m.rs), m, segmente, y)) {
            s.markerPunktX[i] = S.x - static_cast<int>(m.rsyn);
            s.markerPunktY[i] = s.endPunktY[i] = y;
            continue;
        }
        s.markerPunktX[i] = S.x + mx;
        s.markerPunktY[i] = k == 1 ? S.y + my : S.y - my;
        s.endPunktY[i] = S.y;
    }
}

bool aufSichSelbst(const SynapseDaten& s) { return s.axoIndex < 1 && s.quellNummer == s.zielNummer; }

const NeuronDaten* quelleVon(const SynapseDaten& s) { return s.quelle ? s.quelle : neuronSuchen(s.quellNummer); }

} // namespace

int zeichenGroesseVon(const NeuronDaten& n, int welche)
{
    if (welche < 0 || welche >= static_cast<int>(n.zeichenGroessen.size()))
        return 0;
    const int wert = n.zeichenGroessen[welche];
    return wert > 0 ? wert : stdNeuron.zeichenGroessen[welche];
}

int dendritenModus()
{
    const int m = simulationsParameter.netzwerktyp;
    return m >= 1 && m <= 4 ? m : 3;
}

int synapsenLinieBerechnen(SynapseDaten& s)
{
    const NeuronDaten* q = quelleVon(s);
    if (!q)
        return 4;
    // every size comes from the source
    const Masse m = masseVon(*q);
    const plattform::Punkt S{q->x + static_cast<int>(m.rs), q->y + static_cast<int>(m.rs)};

    if (s.axoIndex >= 1) {
        if (const SynapseDaten* e = s.elternSynapse)
            for (int k = 1; k <= 4; ++k) {
                const int i = geometrieIndex(k);
                verbindungSetzen(s, i, S, {e->markerPunktX[i], e->markerPunktY[i]}, m.rs, m.rsyn, m.rsyn);
            }
        return 4;
    }
    const NeuronDaten* z = neuronSuchen(s.zielNummer);
    if (!z)
        return 4;
    const plattform::Punkt T{z->x + static_cast<int>(m.rs), z->y + static_cast<int>(m.rs)};
    if (S.x == T.x && S.y == T.y) {
        schleifeSetzen(s, S, m, z->segmentAnzahl);
        return 4;
    }
    for (int k = 1; k <= 4; ++k) {
        plattform::Punkt P = T;
        long rt = m.rs;
        int y = 0;
        if (k > 1 && s.zielBereich != 0 && segmentHoehe(k, s.zielBereich, z->y + m.d, m, z->segmentAnzahl, y)) {
            P.y = y;
            rt = m.w;
        }
        verbindungSetzen(s, geometrieIndex(k), S, P, m.rs, rt, m.rsyn);
    }
    return 4;
}

void synapsenEndpunktSetzen(SynapseDaten& s)
{
    if (aufSichSelbst(s))
        return;
    const int i = geometrieIndex(dendritenModus());
    s.linienStart = {s.startPunktX[i], s.startPunktY[i]};
    s.linienEnde = {s.endPunktX[i], s.endPunktY[i]};
}

void synapseGeometrie(SynapseDaten& s, int voll)
{
    if (voll)
        synapsenLinieBerechnen(s);
    const int ion = synapsenTypIon(s.synapsenTyp);
    if ((s.axoIndex >= 1 && s.geometrieAn) || (ion >= ionenArt::Natrium && ion <= ionenArt::Elektrisch))
        synapsenEndpunktSetzen(s);
    s.geometrieAn = 0;
}
