// tests/permutation/fenster_hilfe.h - the started program with results in memory for the
// permutation display, and the display's window and diagram
#pragma once
#include "ergebnis_hilfe.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/simulationsparameter.h"
#include "permutation/fenster.h"
#include "platform/steuerelemente.h"
#include "resources/permutationsfenstermenue.h"
#include <cmath>
#include <initializer_list>

namespace permutationstest {

class FensterFall : public ErgebnisFall {
protected:
    void TearDown() override
    {
        permutationFensterSchliessen();
        permutationsAnzeige = {};
        permutationsDiagramm = vorlage;
        permutationsZeitachseGerundet = false;
        analyseKlassen = standardKlassen();
        permutationsDefinition = {};
        ErgebnisFall::TearDown();
    }
    // anzahl results in memory, as a load leaves them: one AP at 0.1 s each, two synapses of
    // four levels, two class values
    void ergebnisseLaden(int anzahl, bool zeitachseNeu = true)
    {
        PermutationsErgebnisZustand& z = permutationsErgebnisse;
        z.ergebnisse.clear();
        for (int i = 0; i < anzahl; ++i) {
            PermutationsErgebnis e;
            e.nummer = i;
            e.wert = static_cast<float>(i) / 4.0f;
            e.apZeiten = {0.1f};
            e.apAnzahl = 1;
            e.level = {static_cast<uint8_t>(i % 4), static_cast<uint8_t>((i + 1) % 4)};
            e.klassenWerte = {1.0f, 2.0f};
            z.ergebnisse.push_back(e);
        }
        z.synapsenAnzahl = 2;
        z.levelAnzahl = 4;
        modusStatus |= modusBit::ErgebnisseVerfuegbar;
        if (zeitachseNeu)
            permutationsZeitachseGerundet = false;
    }
    static Klassentabelle klassen(std::initializer_list<float> starts)
    {
        Klassentabelle k;
        for (float s : starts) {
            Analyseklasse a;
            a.start = s;
            a.gewicht = 1.0f;
            k.push_back(a);
        }
        klassenEndenSetzen(k);
        return k;
    }
    NeuronDaten& pseudo() { return *permutationsPseudoNeuron(); }
    DiagrammDaten& diagramm() { return pseudo().hauptDiagramm; }
    Fenster fenster() { return permutationsPseudoNeuron() ? diagramm().fenster : nullptr; }

private:
    DiagrammDaten vorlage = [] {
        DiagrammDaten d;
        d.fensterBreite = 700;
        d.fensterHoehe = 500;
        d.fensterX = 100;
        d.fensterY = 100;
        return d;
    }();
};

} // namespace permutationstest
