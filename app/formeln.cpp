// app/formeln.cpp - the list of gate formulas the channel dialogs offer
//
// One entry per valid formula number. The names write the soma potential as E, the
// half-activation voltage as V0, the slope as s, the amplitude as k and the additive
// constant as W, as the channel dialogs label their fields; Es is the presynaptic
// potential of the synapse forms, c the extra value of form 101.
#include "app/einstellungen.h"

namespace {

const Formel formeln[] = {
    {"k * (exp((E - V0) / s) + W)", 1},
    {"k * (exp((V0 - E) / s) + W)", 2},
    {"k * (exp((V0 - E) / s) + W)", 3},
    {"(exp((E - V0) / s) + W) / k", 4},
    {"(exp((V0 - E) / s) + W) / k", 5},
    {"k * (exp((E - V0) / s) + W)", 6},
    {"k * (E - V0) / (W - exp((E - V0) / s))", 11},
    {"k * (E - V0) / (W - exp((V0 - E) / s))", 12},
    {"k * (V0 - E) / (W - exp((E - V0) / s))", 13},
    {"k * (V0 - E) / (W - exp((V0 - E) / s))", 14},
    {"(k * E / V0 + k) / (W + exp((E + V0) / s))", 15},
    {"k * (Es - V0) / (W - exp((V0 - Es) / s))", 16},
    {"k * (V0 - Es) / (W - exp((Es - V0) / s))", 17},
    {"k / (W + exp((E - V0) / s))", 21},
    {"k / (W - exp((V0 - E) / s))", 22},
    {"k / (W + exp((V0 - E) / s))", 23},
    {"1 / (W + exp((E - V0) / s))", 24},
    {"1 / (W + exp((V0 - E) / s))", 25},
    {"k / (W - exp((E - V0) / s))", 26},
    {"k / W", 27},
    {"k / (W + exp((E + V0) / s))", 28},
    {"1 / W", 31},
    {"k", 32},
    {"c - k / (W + exp((V0 - E) / s)), nicht unter 0", 101},
    {"k / (W + exp((-E - 0.0255) / 0.00529))", 102},
    {"1.32 - k / (W + exp((-0.12 - E) / 0.025))", 103},
    {"k / (W + exp((E + 0.0489) / 0.00518))", 104},
    {"0.67 * k / (W + exp((-0.0629 - E) / 0.01)) * (k / (W + exp((E + 0.0349) / 0.0036)) + 1.5)", 105},
};

} // namespace

void formelListeFuellen()
{
    formelListe.assign(std::begin(formeln), std::end(formeln));
}
