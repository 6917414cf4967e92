// files/netzdatei_abschnitte.h - the sections of the network file that the network writer
// and reader handle themselves
//
// Each section has its writer and its reader side by side, with its keys in one place.
// Writers print at the buffer they are given; readers take the whole network text, find
// their section by its marker (or search the whole text when it is missing) and keep a
// field's value when its key is missing or its number is not finite, unless a default is
// stated.
#pragma once
#include "files/lesen.h"
#include "files/synapsenabschnitt.h"
#include "files/xbuffer.h"
#include "model/netz.h"
#include <string>
#include <vector>

// A chained key search: each key is searched from behind the last key found; a missing key
// (or one whose number is not finite) sends the search back to the section start.
class KettenSuche {
public:
    explicit KettenSuche(char* anfang) : anfang(anfang), stelle(anfang) {}
    template <class T>
    bool lesen(T& ziel, const char* schluessel);
    // the same, but searched once more from the section start when missing from here on
    template <class T>
    bool lesenOderVonVorn(T& ziel, const char* schluessel)
    {
        return lesen(ziel, schluessel) || lesen(ziel, schluessel);
    }

private:
    char* anfang;
    char* stelle;
};

template <class T>
bool KettenSuche::lesen(T& ziel, const char* schluessel)
{
    char* hinter = zahlLesen(ziel, stelle, schluessel);
    stelle = hinter ? hinter : anfang;
    return hinter != nullptr;
}

// every axo-axonic synapse with its parent, neuron by neuron in chain order, each neuron's
// outgoing synapses in list order, each parent's axo list in list order
template <class F>
void axoSynapsenDurchlaufen(F&& f)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            if (s->axoIndex == 0 && s->axoAnzahl > 0)
                for (AxoKnoten* k = s->axoKnoten; k; k = k->naechste)
                    if (k->synapse)
                        f(*s, *k->synapse);
}

// the file name with its extension replaced (or added): the companion files' paths
std::string endungErsetzen(const std::string& name, const char* endung);

// ---- the global keys (netzdatei_kopf.cpp) ------------------------------------------------
// what the global keys say about the network to come
struct NetzKopf {
    int neuronAnzahl = 0;
    std::vector<int> neuronNummern;      // "existierende Neurone=", each 1..1023, no number twice
    SynapsenIdListen ids;                // each 1..4095, no id twice in or across the lists
    int stromAnzahl = 0;                 // "anzahl currents="
};
void kopfSpeichern(XBuffer& p);
// Reads the global keys of text (cut behind "[seiteneinstellungen start]") into the
// settings and kopf. 0 when the network may be read, else the number of the message that
// refuses the text: 248 no neurons, 247/249/250 a neuron, synapse or axo-synapse list
// that does not fit its count or holds a number out of range or twice.
int kopfLesen(char* text, NetzKopf& kopf);

// ---- page settings, window list, curve colours (netzdatei_kopf.cpp) ---------------------------
void seiteneinstellungenSpeichern(XBuffer& p);
void seiteneinstellungenLesen(char* text);
void fensterlisteSpeichern(XBuffer& p);
void fensterlisteAbschnittLesen(char* text);
void kurvenfarbenSpeichern(XBuffer& p);
void kurvenfarbenLesen(char* text);

// ---- permutation and server settings (netzdatei_einstellungen.cpp) -----------------------------
void permutationSpeichern(XBuffer& p);
// with the old pause conversion for texts without a server section
void permutationLesen(char* text, bool ohneServerblock);
void serverSpeichern(XBuffer& p);
// after the neurons: a neuron number is taken only when that neuron exists
void serverLesen(char* text);

// ---- synapse types, groups and the legacy currents (netzdatei_gruppen.cpp) -----------------------
// The type table; an entry without a kind gets the first free kind 1-4 (notice 288).
void synapsenTypenSpeichern(XBuffer& p);
void gruppenSpeichern(XBuffer& p);
// Reads the groups from "[Synapsengruppen]" found from ab on (null or missing: the whole
// text). false when the text is refused (the message was shown or the user said No).
bool gruppenLesen(char* text, char* ab);
void altStromSpeichern(XBuffer& p);
// the old constant currents of every neuron, converted into rectangle stimuli when the
// user agrees; false when a neuron's stimulus could not be built (its number in
// fehlerNeuron; the refusal was said), and the text is to be refused
bool altStromLesen(char* text, int& fehlerNeuron);
