// model/kanalzeiger.h - binding the curve slots 8 to 11 to the neuron's user channels
#pragma once

struct NeuronDaten;
struct BenutzerKanal;

// the channel with this 1-based number in the neuron's list; null below 1 or beyond the end
BenutzerKanal* benutzerKanalNummer(NeuronDaten& n, int nummer);

// Binds every recorded channel slot of the main diagram to its channel (kurvenKanaele,
// counted in kurvenKanaeleGesetzt) and says what the recorder takes from it: the gate
// opening factor for a channel shown that way, the current otherwise. A slot whose channel
// number names no channel is switched off and loses the number.
void kanalZeigerAktualisieren(NeuronDaten& n);
