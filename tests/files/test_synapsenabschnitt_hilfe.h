// tests/files/test_synapsenabschnitt_hilfe.h - a small network with synapses of every kind,
// written into the two synapse sections as the network writer frames them
#pragma once
#include "../model/test_synapse_hilfe.h"
#include "files/synapsenabschnitt.h"
#include "texts/texte.h"
#include <string>
#include <vector>

namespace pt = plattform::test;

struct SynapsenAbschnittFall : SynapsenFall {
    NeuronDaten* n1 = nullptr;
    NeuronDaten* n2 = nullptr;
    NeuronDaten* n3 = nullptr;

    void SetUp() override
    {
        SynapsenFall::SetUp();
        neuroneAnlegen();
    }

    void neuroneAnlegen()
    {
        n1 = neu(1);
        n2 = neu(2);
        n3 = neu(3);
    }

    // back to three neurons without synapses, as a network being loaded has them
    void leeresNetz()
    {
        leeren();
        simulationsParameter.schrittweite = 1e-4;
        neuroneAnlegen();
    }

    // The two sections as the network writer frames them, and the id lists it writes:
    // ordinary ids neuron by neuron in list order, axo-axonic ids parent by parent.
    std::string schreiben(SynapsenIdListen& ids)
    {
        XBuffer puffer;
        puffer.drucken("[Synapsen auf soma oder dendrit] *******************************************\n");
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            guiSynapsenSpeichern(n, nullptr, 2, puffer, 0);
            for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
                if (s->axoIndex == 0)
                    ids.synapsen.push_back(s->id);
        }
        puffer.drucken("[ende Synapsen auf soma oder dendrit] **************************************\n\n");
        puffer.drucken("[axo-axonische Synapsen] ****************************\n");
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
                if (s->axoAnzahl <= 0)
                    continue;
                for (AxoKnoten* k = s->axoKnoten; k; k = k->naechste) {
                    SynapseDaten* a = k->synapse;
                    guiAxoSynapseSpeichern(a, s->id, a->quellNummer, s->quellNummer, s->zielNummer, s->zielBereich,
                                           a->id, nullptr, puffer, 0);
                    ids.axoSynapsen.push_back(a->id);
                }
            }
        puffer.drucken("[ende axo-axonische Synapsen] ************************\n\n[Synapsengruppen] ***\n"
                       "Synapse 1 von=3\n");   // behind the section: never read
        return puffer.text();
    }

    static std::vector<char> beschreibbar(const std::string& text)
    {
        std::vector<char> v(text.begin(), text.end());
        v.push_back('\0');
        return v;
    }
};
