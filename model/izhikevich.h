// model/izhikevich.h - the two-variable Izhikevich neuron (mV, ms, nA)
//
// A neuron with izhikevichAktiv set is stepped by the function its
// izhikevichSchrittFunktion points at; the caller passes the input current in nA and
// takes the returned potential (mV) / 1000 as the soma potential. The step width is
// simulationsParameter.izhikevichSchrittweite (ms), not the run's schrittweite.
#pragma once

struct NeuronDaten;

// the signature both steps share (NeuronDaten::izhikevichSchrittFunktion)
using IzhikevichSchrittFunktion = double (*)(NeuronDaten* neuron, double strom);

// One step with input current strom (nA); returns the new v (mV). At the peak v is reset
// to c and u raised by d in the same step; at or below -120 mV v is reset to c and u
// lowered by d.
double izhikevichSchritt(NeuronDaten* neuron, double strom);
// The same, but a step that reaches the peak returns the peak itself and leaves u; the
// reset (v = c, u + d) follows at the start of the next call.
double izhikevichSchrittKorrigiert(NeuronDaten* neuron, double strom);

// the default set: a 0.02, b 0.2, c -65, d 8, v start -70, new v 0, u start -20, new u 0,
// peak 30
void izhikevichStandardwerte(NeuronDaten& neuron);
// Run preparation of one neuron with izhikevichAktiv set: the default set when a <= 0;
// v and u from their start values; the step function from the correction flag. The
// pending peak is left as the previous run left it.
void izhikevichVorbereiten(NeuronDaten& neuron);
