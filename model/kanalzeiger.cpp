// model/kanalzeiger.cpp - binding the curve slots 8 to 11 to the neuron's user channels
#include "model/kanalzeiger.h"
#include "model/neuron.h"

BenutzerKanal* benutzerKanalNummer(NeuronDaten& n, int nummer)
{
    if (nummer < 1)
        return nullptr;
    for (BenutzerKanal& k : n.benutzerKanaele)
        if (--nummer == 0)
            return &k;
    return nullptr;
}

void kanalZeigerAktualisieren(NeuronDaten& n)
{
    n.kurvenKanaeleGesetzt = 0;
    n.aufgezeichneteWerte.assign(n.kurvenKanaele.size(), nullptr);
    for (size_t i = 0; i < n.kurvenKanaele.size(); ++i) {
        KurvenDaten& k = n.hauptDiagramm.kurven[static_cast<size_t>(kurve::Kanal1) + i];
        n.kurvenKanaele[i] = nullptr;
        if (!k.anzeigen)
            continue;
        // a number of 0 would otherwise reach the first channel and record it unasked
        BenutzerKanal* kanal = benutzerKanalNummer(n, k.kanal);
        if (!kanal) {
            k.anzeigen = 0;
            k.kanal = 0;
            continue;
        }
        n.kurvenKanaele[i] = kanal;
        n.aufgezeichneteWerte[i] = kanal->darstellung == 1 ? &kanal->oeffnung : nullptr;
        ++n.kurvenKanaeleGesetzt;
    }
}
