// tests/model/test_undo.cpp - the undo list, the window list before a restore, the data-file
// path, and what clearing the network does to the run lock and the undo list
#include "test_neuron_hilfe.h"
#include "model/ergebnisdateien.h"
#include "model/undo.h"
#include <tuple>

namespace {

struct Undo : NeuronFall {
    void TearDown() override
    {
        undoListeLoeschen(undoListe);
        fensterliste.fill(FensterlistenEintrag{});
        NeuronFall::TearDown();
    }
    // a list that something filled: a node, a redo depth, a restore under way
    static void gefuellt()
    {
        undoListe.knoten.push_back({"[programmdefinitionen]", {}});
        undoListe.redoTiefe = 1;
        undoListe.wiederherstellen = 1;
        undoListe.text = "[programmdefinitionen]\n[neuronen-netzwerk-datei]\n";
        undoListe.fensterliste[0] = {1, 0, 5, 5, 100, 100};
    }
    static bool leer()
    {
        return undoListe.knotenAnzahl() == 0 && undoListe.redoTiefe == 0 && !undoListe.wiederherstellen &&
               undoListe.text.empty() && undoListe.fensterliste[0].neuronId == 0;
    }
};

} // namespace

TEST_F(Undo, HakenSpeichernNichtsUndLoeschenSetztAllesZurueck)
{
    EXPECT_EQ(undoSchrittSpeichern(undoListe), 0);
    undoFensterlisteSpeichern(undoListe);
    EXPECT_TRUE(leer());
    gefuellt();
    undoListeLoeschen(undoListe);
    EXPECT_TRUE(leer());
}

TEST_F(Undo, NetzLoeschenHebtDieLaufsperreAufUndLeertDieListeNurAusserhalbEinesLesens)
{
    const struct { const char* was; uint32_t editier; int wiederherstellen; bool listeBleibt; } faelle[] = {
        {"an edit", 0, 0, false},
        {"a file being read", editierBit::DateiWirdGelesen, 0, true},
        {"an undo step being restored", 0, 1, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        neu(1);
        gefuellt();
        undoListe.wiederherstellen = f.wiederherstellen;
        editierStatus = f.editier;
        programmStatus = programmBit::LaufGesperrt | programmBit::ErgebnisDa | programmBit::SpikesZaehlen;
        netzLoeschen();
        // imported data a run would overwrite go with the network: runs start again
        EXPECT_EQ(programmStatus, programmBit::SpikesZaehlen);
        EXPECT_EQ(neuronKette.kopf, nullptr);
        EXPECT_EQ(undoListe.knotenAnzahl(), f.listeBleibt ? 1 : 0);
        editierStatus = 0;
        undoListeLoeschen(undoListe);
    }
}

TEST_F(Undo, FensterlisteBehaeltNurFensterVorhandenerNeuroneInIhrerFolge)
{
    neu(1);
    neu(3);
    using L = std::vector<std::pair<int, int>>;   // neuron, x
    const struct { const char* was; L vorher, nachher; } faelle[] = {
        {"gone neurons leave, the rest moves up", {{1, 10}, {2, 20}, {3, 30}, {1, 40}}, {{1, 10}, {3, 30}, {1, 40}}},
        {"nothing behind the end counts", {{3, 10}, {0, 0}, {1, 30}}, {{3, 10}}},
        {"every neuron gone", {{2, 10}, {7, 20}}, {}},
        {"an empty list", {}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        Fensterliste liste{};
        for (size_t i = 0; i < f.vorher.size(); ++i)
            liste[i] = {f.vorher[i].first, 0, f.vorher[i].second, 0, 50, 50};
        liste.back() = {2, 0, 99, 0, 50, 50};      // behind the end
        fensterlisteBereinigen(liste);
        L rest;
        for (const FensterlistenEintrag& e : liste)
            if (e.neuronId != 0)
                rest.emplace_back(e.neuronId, e.x);
        EXPECT_EQ(rest, f.nachher);
        EXPECT_EQ(liste[f.nachher.size()].neuronId, 0);
    }
}

TEST_F(Undo, DatPfadZerlegtOrdnerStammUndEndung)
{
    const struct { const char* pfad; const char* ordner; const char* stamm; const char* endung; } faelle[] = {
        {"/daten/netz.dat", "/daten", "netz", "dat"},
        {"/daten/netz.gui.dat", "/daten", "netz.gui", "dat"},
        {"/da.ten/netz", "/da.ten", "netz", ""},
        {"netz.dat", "", "netz", "dat"},
        {"C:\\messungen\\zelle 3.DAT", "C:\\messungen", "zelle 3", "DAT"},
    };
    for (const auto& f : faelle) {
        datPfad.kurvenDateiWirdGeoeffnet = 1;
        datPfadSetzen(f.pfad);
        EXPECT_EQ(std::tie(datPfad.ordner, datPfad.stamm, datPfad.endung, datPfad.pfad),
                  std::tuple(f.ordner, f.stamm, f.endung, f.pfad));
        EXPECT_EQ(datPfad.kurvenDateiWirdGeoeffnet, 1);     // the flag is the open command's
    }
    datPfad = {};
}
