// tests/diagrams/diagramm_hilfe.h - an empty network with the diagram template laid out,
// and the diagram windows of its neurons
#pragma once
#include "../model/test_neuron_hilfe.h"
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <string_view>
#include <vector>

namespace pt = plattform::test;

struct DiagrammFall : NeuronFall {
    void SetUp() override
    {
        NeuronFall::SetUp();
        aktuellesDiagramm = {};
        diagrammCursor = {};
        plattform::klasseRegistrieren({meldungsTexte[12], diagrammFensterProc});
        arbeitsbereichKanten = {1050, 1920};
        linienArten = {0, 1, 2};
        stdNeuron.hauptDiagramm = DiagrammDaten{};
        for (const Voreinstellung& v : voreinstellungsSchritte())
            if (std::string_view("Diagrammvorlage") == v.name)
                v.ausfuehren();
    }
    void TearDown() override
    {
        NeuronFall::TearDown();
        aktuellesDiagramm = {};
        diagrammOptionen = {};
        anzeigeStatus = 0;
        skriptStatus = 0;
        sprache = 1031;
    }

    // the neuron's main diagram in its window, shown
    static DiagrammDaten& gezeigt(NeuronDaten* n)
    {
        DiagrammDaten* d = diagrammAnzeigen(n, &n->hauptDiagramm);
        EXPECT_NE(d, nullptr);
        return d ? *d : n->hauptDiagramm;
    }
    // samples of slot `slot` as a run leaves them, with their points
    static void werte(DiagrammDaten& d, int slot, std::vector<float> w)
    {
        KurvenDaten& k = d.kurven[slot];
        k.anzeigen = 1;
        kurvenVorbereiten(&d, slot);
        std::copy(w.begin(), w.end(), k.werte.begin());
        k.werteAnzahl = static_cast<int>(w.size());
        kurvePunkteBerechnen(&d, slot);
    }
    // what one paint of the window draws (into an image, as a repaint would)
    static std::vector<pt::ZeichenAufruf> malen(plattform::Fenster f)
    {
        plattform::Bild b = plattform::fensterAbbild(f);
        EXPECT_NE(b, nullptr);
        if (!b)
            return {};
        std::vector<pt::ZeichenAufruf> aufrufe = pt::aufrufe(plattform::bildFlaeche(b));
        plattform::bildLoeschen(b);
        return aufrufe;
    }
    // the calls of one kind drawn with a pen of that colour
    static std::vector<pt::ZeichenAufruf> mit(const std::vector<pt::ZeichenAufruf>& aufrufe, pt::ZeichenArt art,
                                               plattform::Farbe stift)
    {
        std::vector<pt::ZeichenAufruf> v;
        std::copy_if(aufrufe.begin(), aufrufe.end(), std::back_inserter(v), [&](const pt::ZeichenAufruf& a) {
            return a.art == art && (a.art == pt::ZeichenArt::Text || a.zustand.stift.farbe == stift);
        });
        return v;
    }
    static std::vector<std::string> texte(const std::vector<pt::ZeichenAufruf>& aufrufe)
    {
        std::vector<std::string> v;
        for (const pt::ZeichenAufruf& a : aufrufe)
            if (a.art == pt::ZeichenArt::Text)
                v.push_back(a.text);
        return v;
    }
};
