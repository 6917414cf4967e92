// tests/app/test_neuroneditor.cpp - the network editor: painter, neurons, mouse and keys, spike playback
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "model/anzeigeeinstellungen.h"
#include "model/diagramm.h"
#include "model/geometrie.h"
#include "model/permutation.h"
#include "model/serverdaten.h"
#include "model/synapse.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <cmath>

using namespace apphilfe;

namespace {

using Aufrufe = std::vector<pt::ZeichenAufruf>;

// what a fresh paint of the main window draws of one kind
Aufrufe vonArt(pt::ZeichenArt art)
{
    ungueltigMachen(fensterhandles.hauptfenster, nullptr);
    neuZeichnen(fensterhandles.hauptfenster);
    Aufrufe r;
    std::ranges::copy_if(pt::letzteZeichnung(fensterhandles.hauptfenster), std::back_inserter(r),
                         [art](const auto& x) { return x.art == art; });
    return r;
}

class Beispielnetz : public AppFall {};

TEST_F(Beispielnetz, ZeigtJedesNeuronUndJedeSynapseInDerFarbeIhrerIonenartMitEndenAufDenSomata)
{
    ASSERT_TRUE(starten("", ausgelieferteTexte() + "../../examples/synapsen.gui"));
    nachrichtenVerarbeiten();
    const Aufrufe ellipsen = vonArt(pt::ZeichenArt::Ellipse);
    const auto lage = [](const Rechteck& r) { return std::tuple(r.links, r.oben, r.rechts, r.unten); };
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        EXPECT_EQ(std::ranges::count(ellipsen, lage(somaRechteck(*n)),
                                     [&](const auto& e) { return lage(e.rechteck); }), 1) << n->nummer;
    // the distance of p from the circle of neuron nummer's soma
    const auto abstandVomRand = [](int nummer, Punkt p) {
        const Rechteck r = somaRechteck(*neuronSuchen(nummer));
        return std::hypot(p.x - (r.links + r.rechts) / 2.0, p.y - (r.oben + r.unten) / 2.0)
               - r.breite() / 2.0;
    };
    // every synapse: a line in its ion's colour that leaves its source's soma and ends on its target's
    const Farbe farben[] = {synapsenfarben.chemisch, synapsenfarben.natrium, synapsenfarben.inhibitorisch,
                            synapsenfarben.chemisch, synapsenfarben.elektrisch};
    const Aufrufe linien = vonArt(pt::ZeichenArt::Linie);
    for (int id = 1; id <= 4; ++id) {
        SCOPED_TRACE(id);
        const SynapseDaten* s = synapseNachId(id);
        ASSERT_NE(s, nullptr);
        const auto l = std::ranges::find_if(linien, [&](const auto& l) {
            return l.punkte[0].x == s->linienStart.x && l.punkte[0].y == s->linienStart.y;
        });
        ASSERT_NE(l, linien.end());
        EXPECT_EQ(l->zustand.stift.farbe, farben[synapsenTypIon(s->synapsenTyp)]);
        EXPECT_NEAR(abstandVomRand(s->quellNummer, l->punkte[0]), 0.0, 1.5);
        EXPECT_NEAR(abstandVomRand(s->zielNummer, l->punkte[1]), 0.0, 1.5);
    }
}

// three neurons in a row, 100 apart
class NeuronEditor : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        for (int i = 1; i <= 3; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            n->x = 100 * i;
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
    }
    void TearDown() override
    {
        zoomFaktor = 1.0;
        serverDaten = {};
        AppFall::TearDown();
    }
    SynapseDaten* synapse(int von, int nach)
    {
        SynapseDaten* s = synapseNeu(neuronSuchen(von), neuronSuchen(nach), 0, 1e-6, 0.003, -0.04, 0.05, 0,
                                     nullptr);
        synapsenTabelleSetzen(s->id, s);
        return s;
    }
    Punkt in(int nummer) const
    {
        const Rechteck r = somaRechteck(*neuronSuchen(nummer));
        return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
    }
    void klick(Punkt p, uintptr_t tasten = 0)
    {
        senden(haupt(), nachricht::LinksRunter, maus::Links | tasten, machLParam(p.x, p.y));
        senden(haupt(), nachricht::LinksHoch, tasten, machLParam(p.x, p.y));
    }
    // every flash until the playback ends, each seen in the painter; neuron weg goes after flash nach
    std::vector<int> abspielen(size_t nach = 0, int weg = 0)
    {
        befehl(befehlApsAbspielen);
        std::vector<int> blitze;
        while (spikeAufzeichnung.wiedergabe && blitze.size() < 100) {
            pt::uhrVorstellen(wiedergabeTaktMs);
            if (const int n = aufblitzendesNeuron()) {
                blitze.push_back(n);
                EXPECT_TRUE(std::ranges::any_of(vonArt(pt::ZeichenArt::Ellipse), [&](const auto& e) {
                    return e.rechteck.links == somaRechteck(*neuronSuchen(n)).links
                           && e.zustand.pinsel == blitzFarbeWiedergabe;
                })) << n;
                if (blitze.size() == nach)
                    neuronLoeschen(neuronSuchen(weg), 0);
            }
        }
        return blitze;
    }
};

TEST_F(NeuronEditor, DasBildZeigtDendritUndSynapsenmarke)
{
    // the dendrite of five segments: a box with four separators across it for each neuron
    simulationsParameter.netzwerktyp = 4;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        ASSERT_TRUE(kompartimenteAnpassen(*n, 5));
    EXPECT_EQ(vonArt(pt::ZeichenArt::Rechteck).size(), 3u);
    EXPECT_EQ(std::ranges::count_if(vonArt(pt::ZeichenArt::Linie),
                                    [](const auto& l) { return l.punkte[0].y == l.punkte[1].y; }), 12);
    // the synapse's mark as a pixel in the window's picture
    SynapseDaten* s = synapse(1, 2);
    const int i = geometrieIndex(simulationsParameter.netzwerktyp);
    Bild b = fensterAbbild(haupt());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(bildPixel(b, s->markerPunktX[i], s->markerPunktY[i]), synapsenFarbe(*s));
    bildLoeschen(b);
}

TEST_F(NeuronEditor, NeuronErzeugenVergibtKeineNummerUeber1023)
{
    for (int i = 5; i <= 1023; ++i)
        ASSERT_NE(NeuronFall::neu(i), nullptr);
    EXPECT_EQ(neuronErzeugen(0)->nummer, 4) << "after 1023 the lowest free number";
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(neuronErzeugen(0), nullptr);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[860]);
}

TEST_F(NeuronEditor, KopienKommenMitIhrenInnerenSynapsenUndFreienNamenNebenDieOriginale)
{
    synapse(1, 2);
    synapse(2, 3);
    neuronSuchen(1)->name = "A";
    neuronSuchen(3)->name = "A 2";
    neuronMarkieren(neuronSuchen(1), 1);
    neuronMarkieren(neuronSuchen(2), 1);
    befehl(befehlNeuroneKopieren);
    ASSERT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3, 4, 5}));
    const int d = zeichenGroesseVon(*neuronSuchen(4), zeichenGroesse::Soma);
    EXPECT_EQ(std::tuple(neuronSuchen(4)->x, neuronSuchen(4)->y, neuronSuchen(4)->name, neuronSuchen(5)->x),
              std::tuple(100 + d, 100 + d, std::string("A 3"), 200 + d));
    EXPECT_EQ(markierteNeurone.liste, (std::list{neuronSuchen(4), neuronSuchen(5)}));
    std::vector<std::pair<int, int>> verbindungen;
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (const SynapseDaten* s = synapseNachId(id))
            verbindungen.emplace_back(s->quellNummer, s->zielNummer);
    EXPECT_EQ(verbindungen, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {4, 5}}));
}

TEST_F(NeuronEditor, ImportNeuroneStehenInEinerZeileUndDasPermutationsneuronGibtEsNurEinmal)
{
    const int d = zeichenGroesseVon(stdNeuron, zeichenGroesse::Soma);
    const NeuronDaten* n = neuronErzeugen(2);
    EXPECT_EQ(std::pair(n->x, n->y), std::pair(300 + 2 * d, d));
    EXPECT_EQ(neuronErzeugen(2)->x, 300 + 4 * d);
    // the display takes one neuron of its own, outside the network under the highest free
    // number; a second is refused and leaves no trace
    const NeuronDaten* pseudo = neuronErzeugen(6);
    ASSERT_NE(pseudo, nullptr);
    EXPECT_EQ(std::pair(pseudo->hilfsneuron, pseudo->nummer), std::pair(1, neuronTabellenGroesse - 1));
    EXPECT_EQ(permutationsPseudoNeuron(), pseudo);
    EXPECT_EQ(neuronErzeugen(6), nullptr);
    EXPECT_EQ(std::tuple(NeuronFall::nummern().size(), neuronKette.anzahl, neuronKette.hoechsteNummer),
              std::tuple(size_t{5}, 5, 5));
    EXPECT_EQ(neuronErzeugen(0)->nummer, 6) << "the network's next number as without the display";
    permutationFensterSchliessen();
    EXPECT_EQ(permutationsPseudoNeuron(), nullptr);
    EXPECT_EQ(neuronNachNummer(neuronTabellenGroesse - 1), nullptr);
    EXPECT_EQ(NeuronFall::nummern().size(), size_t{6});
}

TEST_F(NeuronEditor, EinGeloeschtesNeuronHinterlaesstKeinenVerweisAufSich)
{
    aktuelleSynapse = synapse(1, 2);
    gewaehlteSynapse = synapse(2, 3);
    letztesZielNeuron = 2;
    serverDaten.eingangsNeuron = serverDaten.angezeigtesNeuron = 2;
    serverDaten.eingangsNeuronName = "zwei";
    serverDaten.ausgangsNeuron = 3;
    aktuellesDiagramm.diagramm = &neuronSuchen(2)->hauptDiagramm;

    EXPECT_EQ(neuronLoeschen(neuronSuchen(2), 0), 1);
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 3}));
    EXPECT_EQ(std::tuple(aktuelleSynapse, gewaehlteSynapse, letztesZielNeuron, aktuellesDiagramm.diagramm),
              std::tuple(nullptr, nullptr, 0, nullptr));
    EXPECT_EQ(std::pair(serverDaten.eingangsNeuron, serverDaten.angezeigtesNeuron), std::pair(0, 0));
    EXPECT_EQ(serverDaten.eingangsNeuronName, "");
    EXPECT_EQ(serverDaten.ausgangsNeuron, 3) << "what points at another neuron stays";
}

TEST_F(NeuronEditor, DerTrefferIstDasObersteSomaUnterDemPunkt)
{
    NeuronDaten *a = neuronSuchen(1), *b = neuronSuchen(2);
    const int d = zeichenGroesseVon(*a, zeichenGroesse::Soma);
    b->x = a->x + d / 2;          // overlaps the right half of the first
    struct Fall { Punkt p; double zoom; NeuronDaten* treffer; };
    const Fall faelle[] = {{{101, 101}, 1, a},       {{100 + d - 1, 101}, 1, b}, {{99, 101}, 1, nullptr},
                           {{101, 100 + d}, 1, nullptr}, {{201, 201}, 2, a},   {{101, 101}, 2, nullptr}};
    for (const Fall& f : faelle) {
        zoomFaktor = f.zoom;
        EXPECT_EQ(objektAnPunktSuchen(f.p), f.treffer) << f.p.x << "," << f.p.y << " zoom " << f.zoom;
    }
}

TEST_F(NeuronEditor, KlickenMarkiertZiehenVerschiebtUndEntfOderDerBefehlLoeschtDieMarkiertenNeurone)
{
    SynapseDaten* s = synapse(1, 2);
    const int vorher = s->linienStart.y;
    EXPECT_FALSE(befehlVerfuegbar(befehlNeuroneLoeschen));
    const struct { const char* was; int neuron; uintptr_t tasten; std::vector<int> markiert; } schritte[] = {
        {"a click marks", 1, 0, {1}},
        {"a click beside every neuron clears", 0, 0, {}},
        {"another click marks only that one", 2, 0, {2}},
        {"shift adds", 3, maus::Umschalt, {2, 3}},
        {"ctrl takes a marked one away", 2, maus::Strg, {3}},
        {"shift adds another", 1, maus::Umschalt, {1, 3}},
    };
    for (const auto& s : schritte) {
        pt::uhrVorstellen(1000);           // no double click
        klick(s.neuron ? in(s.neuron) : Punkt{5, 5}, s.tasten);
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_EQ(n->markiert != 0, std::ranges::count(s.markiert, n->nummer) == 1) << s.was << n->nummer;
    }
    const Aufrufe ellipsen = vonArt(pt::ZeichenArt::Ellipse);     // the marked ones in the marking colour
    ASSERT_EQ(ellipsen.size(), 3u);
    EXPECT_EQ(std::pair(ellipsen[0].zustand.pinsel, ellipsen[1].zustand.pinsel),
              std::pair(rgbFarbe(0, 255, 255), neuronSuchen(2)->farbe));
    // dragging one marked neuron moves all marked ones and the lines at them
    pt::uhrVorstellen(1000);
    const Punkt p = in(1);
    senden(haupt(), nachricht::LinksRunter, maus::Links, machLParam(p.x, p.y));
    senden(haupt(), nachricht::MausBewegung, maus::Links, machLParam(p.x + 30, p.y + 40));
    senden(haupt(), nachricht::LinksHoch, 0, machLParam(p.x + 30, p.y + 40));
    EXPECT_EQ(std::pair(neuronSuchen(1)->x, neuronSuchen(1)->y), std::pair(130, 140));
    EXPECT_EQ(std::pair(neuronSuchen(2)->x, neuronSuchen(2)->y), std::pair(200, 100));
    EXPECT_EQ(std::pair(neuronSuchen(3)->x, neuronSuchen(3)->y), std::pair(330, 140));
    EXPECT_NE(s->linienStart.y, vorher);
    pt::tasteDruecken(haupt(), taste::Entf);
    nachrichtenVerarbeiten();
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{2}));
    neuronMarkieren(neuronSuchen(2), 1);
    befehl(befehlNeuroneLoeschen);
    EXPECT_EQ(neuronKette.anzahl, 0);
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
}

TEST_F(NeuronEditor, DoppelklickUndRechtsklickWirkenAmOrt)
{
    // a double click opens the diagram or sets a new neuron with its soma's centre on the point
    zoomFaktor = 2.0;
    for (const Punkt p : {Punkt{600, 400}, in(2)}) {
        const int vorher = neuronKette.anzahl;
        klick(p);
        pt::uhrVorstellen(zeiteinstellungen.doppelklick + 10.0);
        klick(p);
        EXPECT_TRUE(!neuronSuchen(2)->hauptDiagramm.fenster && neuronKette.anzahl == vorher) << "too slow";
        klick(p);
    }
    EXPECT_TRUE(neuronSuchen(2)->hauptDiagramm.fenster);
    ASSERT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3, 4}));
    EXPECT_LE(std::hypot(in(4).x - 600, in(4).y - 400), 3.0);
    // a right click shows the menu of the place: on a neuron delete and the server's entries, and on
    // the empty place the new-neuron item
    pt::popupAntworten({befehlNeuroneLoeschen, 0});
    pt::klicken(haupt(), in(2).x, in(2).y, true);
    nachrichtenVerarbeiten();
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 3, 4}));
    pt::klicken(haupt(), 400, 300, true);
    nachrichtenVerarbeiten();
    const std::vector<int> neuronMenue{befehlNeuroneLoeschen, befehlServerAnzeigeNeuron,
                                       befehlServerEingangsNeuron, befehlServerAusgangsNeuron};
    EXPECT_EQ(pt::popupLog(), (std::vector{neuronMenue, std::vector{befehlNeuronNeu}}));
    EXPECT_EQ(std::pair(letzterKlickpunkt.x, letzterKlickpunkt.y), std::pair(400, 300));
}

TEST_F(NeuronEditor, DieWiedergabeBeruehrtKeinGeloeschtesNeuron)
{
    EXPECT_FALSE(befehlVerfuegbar(befehlApsAbspielen));
    double t = 0.0;
    for (int n : {1, 2, 3, 2, 1})
        aufzeichnungEintragen(spikeAufzeichnung, neuronSuchen(n), t += 0.001);
    EXPECT_EQ(abspielen(), (std::vector{1, 2, 3, 2, 1})) << "in the recorded order";
    EXPECT_EQ(aufblitzendesNeuron(), 0);
    EXPECT_EQ(pt::zeitgeberPeriode(haupt(), zeitgeber::Wiedergabe), -1.0);
    neuronLoeschen(neuronSuchen(3), 0);
    EXPECT_EQ(abspielen(), (std::vector{1, 2, 2, 1})) << "deleted before the playback";
    EXPECT_EQ(abspielen(2, 2), (std::vector{1, 2, 1})) << "deleted while it runs";
}

} // namespace
