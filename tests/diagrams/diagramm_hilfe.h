// tests/diagrams/diagramm_hilfe.h - an empty network with the diagram template laid out,
// and the diagram windows of its neurons
#pragma once
#include "../model/test_neuron_hilfe.h"
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "model/kurven.h"
#include "model/laufhaken.h"
#include "model/layout.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <tuple>

namespace pt = plattform::test;
using Aufrufe = std::vector<pt::ZeichenAufruf>;

struct DiagrammFall : NeuronFall {
    void SetUp() override
    {
        NeuronFall::SetUp();
        aktuellesDiagramm = {};
        plattform::klasseRegistrieren({meldungsTexte[12], diagrammFensterProc});
        arbeitsbereichKanten = {1050, 1920};
        stdNeuron.hauptDiagramm = DiagrammDaten{};
        for (const Voreinstellung& v : voreinstellungsSchritte())
            if (std::string("Diagrammvorlage") == v.name)
                v.ausfuehren();
    }
    void TearDown() override
    {
        NeuronFall::TearDown();
        laufHaken = {};
        laufZustand = {};
        aktuellesDiagramm = {};
        diagrammOptionen = {};
        anzeigeStatus = 0;
        skriptStatus = 0;
        sprache = 1031;
    }

    // the neuron's main diagram in its window, shown
    static DiagrammDaten& gezeigt(NeuronDaten* n)
    {
        EXPECT_EQ(diagrammAnzeigen(n, &n->hauptDiagramm), &n->hauptDiagramm);
        return n->hauptDiagramm;
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
    static Aufrufe malen(plattform::Fenster f)
    {
        plattform::Bild b = plattform::fensterAbbild(f);
        Aufrufe aufrufe = b ? pt::aufrufe(plattform::bildFlaeche(b)) : Aufrufe{};
        plattform::bildLoeschen(b);
        return aufrufe;
    }
    // the calls of one kind drawn with a pen of that colour
    static Aufrufe mit(const Aufrufe& aufrufe, pt::ZeichenArt art, plattform::Farbe stift)
    {
        Aufrufe v;
        std::copy_if(aufrufe.begin(), aufrufe.end(), std::back_inserter(v), [&](const pt::ZeichenAufruf& a) {
            return a.art == art && a.zustand.stift.farbe == stift;
        });
        return v;
    }
    // the row of a value on the diagram's value axis
    static int zeileVon(const DiagrammDaten& d, double wert)
    {
        const double zeilen = (wert - d.minY) * d.plotHoehe / (d.maxY - d.minY);
        return d.yAchseUnten[1] - static_cast<int>(std::lround(zeilen));
    }
    // left, top, width, height
    static std::tuple<int, int, int, int> lage(plattform::Fenster f)
    {
        const plattform::Rechteck r = plattform::fensterRechteck(f);
        return {r.links, r.oben, r.breite(), r.hoehe()};
    }
};

// neuron 1 "Zelle" with its main diagram shown, over a run of 0.1 s in steps of 1 ms
struct GezeigtFall : DiagrammFall {
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = nullptr;
    void SetUp() override
    {
        DiagrammFall::SetUp();
        laufzeitSetzen(0.1, 0.001);
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);   // the template's window: the run
        n = neu(1);
        n->name = "Zelle";
        d = &gezeigt(n);
    }
};
