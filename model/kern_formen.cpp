// model/kern_formen.cpp - the rate forms of a run kernel on lanes: setting a lane, and the
// forms computed one by one after the lanes
#include "model/kern_gemeinsam.h"
#include <algorithm>

namespace kern {

// below this many lanes a slot the forms take one loop over all their slots
constexpr size_t einLaufBis = 32;

void Formen::groesse(size_t s, size_t neurone)
{
    slots = s;
    n = neurone;
    np = aufVektoren(neurone);
    wenige = neurone < wenigeNeurone;
    // every lane a fixed 0: c = 0 with w = 0 + 1 * exp(0)
    paarZahl = (slots + 1) / 2;
    if (wenige) {
        // (a lane's first values: a product with c = 0)
        Paar leer{};
        leer.produkt[0] = leer.produkt[1] = ~uint64_t{0};
        leer.art[0] = leer.art[1] = Lane::Fest;
        paare.assign(paarZahl * n, leer);
        andereFormen.assign(n, 0);
        block = {};
        werte = {};
        vielfach = {};
    } else {
        paare = {};
        andereFormen = {};
        block.assign(slots * felder * np, 0.0);
        werte.assign(slots * np, 0.0);
        vielfach.assign(np < einLaufBis ? slots * np : 0, 0.0);
    }
    art.assign(slots * np, Lane::Fest);
    expLanes.assign(slots, 0);
    gerechnet.clear();
    sonder.clear();
    sonderAlt = false;
}

void Formen::setzen(size_t g, size_t i, int f, double A, double H, double S, double D)
{
    const size_t l = g * np + i;
    const uint8_t vorher = art[l];
    if (vorher == Lane::Exp && --expLanes[g] == 0)
        gerechnetAlt = true;
    // a lane of another form: a fixed value as c of a product with w = 0 + 1 * exp(0)
    double h = 0.0, k = 0.0, c = 0.0, d = 0.0, a = formArt::Produkt;
    const int s = formExpVorzeichen(f);
    if (f == 27 || f == 31 || f == 32) {
        art[l] = Lane::Fest;
        c = funktionaleFormBerechnen(f, A, H, S, D, 0.0, {0.0, 0.0});
    } else if (s == 0 || formLiestSynapsenPotential(f)) {
        art[l] = Lane::Sonder;
    } else {
        art[l] = Lane::Exp;
        if (expLanes[g]++ == 0)
            gerechnetAlt = true;
        h = H;
        k = s / S;
        d = D;
        switch (f) {
        case 1: case 2: case 3: case 6: c = A; break;
        case 4: case 5: c = 1.0 / A; break;
        case 11: case 12: c = A; a = formArt::LinearMinus; break;
        case 13: case 14: c = -A; a = formArt::LinearMinus; break;
        case 21: case 23: c = A; a = formArt::QuotientPlus; break;
        case 22: case 26: c = A; a = formArt::QuotientMinus; break;
        default: c = 1.0; a = formArt::QuotientPlus; break;   // 24, 25
        }
    }
    if ((vorher == Lane::Sonder) != (art[l] == Lane::Sonder))
        sonderAlt = true;
    if (wenige) {
        // (a fixed lane is a product c (0 + e^0) on the pairs, as on the lanes)
        if (vorher != Lane::Sonder && art[l] == Lane::Sonder)
            ++andereFormen[i];
        else if (vorher == Lane::Sonder && art[l] != Lane::Sonder)
            --andereFormen[i];
        Paar& p = paar(g, i);
        const size_t j = g & 1;
        p.H[j] = h;
        p.k[j] = k;
        p.ks[j] = k * expSkala;
        p.c[j] = c;
        p.D[j] = d;
        p.linear[j] = a == formArt::LinearMinus ? ~uint64_t{0} : 0;
        p.minus[j] = a >= formArt::QuotientMinus ? uint64_t{1} << 63 : 0;
        p.produkt[j] = a == formArt::Produkt ? ~uint64_t{0} : 0;
        p.art[j] = art[l];
        return;
    }
    feld(g, FH)[i] = h;
    feld(g, FK)[i] = k;
    feld(g, FC)[i] = c;
    feld(g, FD)[i] = d;
    feld(g, FArt)[i] = a;
    if (art[l] == Lane::Fest)
        werte[l] = c;
}

void Formen::festSetzen(size_t g, size_t i, double wert)
{
    if (wenige) {
        paar(g, i).c[g & 1] = wert;
        return;
    }
    feld(g, FC)[i] = wert;
    werte[g * np + i] = wert;
}

void Formen::einzeln(size_t g, size_t i, const double* V, double Vs)
{
    const size_t l = g * np + i;
    if (art[l] == Lane::Sonder) {
        const FormAngaben a = angabenFn(angabenKern, g, i);
        werte[l] = funktionaleFormBerechnen(a.nummer, a.A, a.H, a.S, a.D, 0.0, {V[i], Vs});
        return;
    }
    const double kind = feld(g, FArt)[i];
    if (art[l] != Lane::Exp || kind == formArt::Produkt)
        return;
    // the lane's exponential and w again, as the lanes computed them
    const double dx = V[i] - feld(g, FH)[i];
    const double e = expEigen(dx * feld(g, FK)[i]);
    const double w = feld(g, FD)[i] + (kind == formArt::QuotientPlus ? e : -e);
    if (w != 0.0)
        return;
    const FormAngaben a = angabenFn(angabenKern, g, i);
    werte[l] = formAusExp(a.nummer, a.A, a.H, a.S, a.D, V[i], e);
}

double Formen::einzelwertSelten(size_t g, size_t i, double V, double Vs) const
{
    const size_t l = g * np + i;
    if (art[l] == Lane::Sonder) {
        const FormAngaben a = angabenFn(angabenKern, g, i);
        return funktionaleFormBerechnen(a.nummer, a.A, a.H, a.S, a.D, 0.0, {V, Vs});
    }
    // a quotient whose w is 0, as einzelwert computed it
    const Paar& f = paar(g, i);
    const size_t j = g & 1;
    const double dx = V - f.H[j];
    const double e = expEinzeln(dx * f.k[j], dx * f.ks[j]);
    const FormAngaben a = angabenFn(angabenKern, g, i);
    return formAusExp(a.nummer, a.A, a.H, a.S, a.D, V, e);
}

void Formen::berechnen(const double* V, double Vs, const char* aktiv)
{
    if (gerechnetAlt) {
        // only the slots with a lane of one exponential: the others keep their fixed values
        gerechnet.clear();
        for (size_t g = 0; g < slots; ++g)
            if (expLanes[g])
                gerechnet.push_back(static_cast<uint32_t>(g));
        gerechnetAlt = false;
        alsEinLauf = !vielfach.empty() && !gerechnet.empty()
                     && gerechnet.back() - gerechnet.front() + 1 == gerechnet.size();
    }
    // to the padded count: a padding lane is a fixed 0 at a potential of 0, and a loop of whole
    // vectors has no scalar tail
    int nullNenner = 0;
    if (alsEinLauf) {
        // few lanes: the slots' arrays lie one after the other, so with the voltages once per
        // slot they are one loop of whole vectors instead of a short loop and its tail per slot
        const size_t erster = gerechnet.front(), anzahl = gerechnet.size();
        vervielfachen(V, np, anzahl, vielfach.data());
        const uint32_t g = static_cast<uint32_t>(erster);
        nullNenner = formenRechnen(&g, 1, anzahl * np, np, slots * np, vielfach.data(), block.data(),
                                   werte.data());
    } else {
        nullNenner = formenRechnen(gerechnet.data(), gerechnet.size(), np, np, slots * np, V, block.data(),
                                   werte.data());
    }
    if (sonderAlt) {
        sonder.clear();
        for (size_t i = 0; i < n; ++i)
            for (size_t g = 0; g < slots; ++g)
                if (art[g * np + i] == Lane::Sonder)
                    sonder.push_back(static_cast<uint32_t>(i * slots + g));
        sonderAlt = false;
    }
    // in lane order: a neuron's forms one after the other, the neurons in chain order
    if (nullNenner) {
        for (size_t i = 0; i < n; ++i)
            if (aktiv[i])
                for (size_t g = 0; g < slots; ++g)
                    einzeln(g, i, V, Vs);
        return;
    }
    for (uint32_t l : sonder)
        if (aktiv[l / slots])
            einzeln(l % slots, l / slots, V, Vs);
}

} // namespace kern
