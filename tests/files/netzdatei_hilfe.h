// tests/files/netzdatei_hilfe.h - an empty network, the settings records at their defaults
// and a folder for the files, for every test of the network file
#pragma once
#include "../model/test_synapse_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "files/netzdatei_abschnitte.h"
#include "model/anzeigeeinstellungen.h"
#include "model/kurven.h"
#include "model/permutationsfenster.h"
#include "model/seiteneinrichtung.h"
#include "model/serverdaten.h"
#include "platform/box.h"
#include "platform/zeichensatz.h"
#include "rahmen_attrappe.h"
#include "testhilfe.h"
#include "texts/texte.h"
#include <sstream>
#include <string>
#include <vector>

struct NetzdateiFall : SynapsenFall {
    std::string ordner;

    void SetUp() override
    {
        SynapsenFall::SetUp();
        einstellungenVoreinstellen();
        ordner = testhilfe::tempOrdner("netzdatei");
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
        dateipfade.filterText.clear();
        dateipfade.vollerPfad.clear();
    }
    void TearDown() override
    {
        einstellungenVoreinstellen();
        SynapsenFall::TearDown();
        std::error_code egal;
        std::filesystem::remove_all(ordner, egal);
    }

    // every record the network file keeps back at its start value
    static void einstellungenVoreinstellen()
    {
        hauptfensterGeometrie = {};
        protokoll = {};
        dialogEinstellungen = {};
        seiteNetzfenster = {};
        seiteDiagrammfenster = {};
        permutationsFenster = {};
        maxBinDateiGroesse = 0;
        permutationsDiagramm.fensterBreite = 700;
        permutationsDiagramm.fensterHoehe = 500;
        permutationsDiagramm.fensterX = permutationsDiagramm.fensterY = 100;
        serverDaten = {};
        neueSynapseVorgaben = {};
        synapsenfarben = {};
        wiedergabe = {};
        neuronnamenAnzeigen = 1;
        skriptMeldungenAnzeigen = 1;
        for (int i = 0; i < kurvenProDiagramm; ++i)
            kurvenStandardfarben[static_cast<size_t>(i)] = vorlagenKurvenFarbe(i);
        fensterliste.fill(FensterlistenEintrag{});
        netzvorgaben = Netzvorgaben{};
        serverBlockVorhanden = 0;
        netzBegleitdateien = {};
        cfgPfad.clear();
    }

    std::string pfad(const std::string& name = "netz.gui") const { return ordner + name; }

    // the network text as the undo snapshot gets it
    static std::string imSpeicher()
    {
        XBuffer b;
        EXPECT_TRUE(guiDateiSpeichern(0, &b, 0));
        return b.text();
    }

    // the network saved under dateipfade; the file's bytes
    std::string gespeichert()
    {
        EXPECT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        return testhilfe::lesen(pfad());
    }

    // the text written as a file and opened into an empty network, as the open command does
    int laden(const std::string& text, const std::string& name = "geladen.gui")
    {
        testhilfe::schreiben(pfad(name), text);
        netzLoeschen();
        std::string datei = pfad(name);
        return guiDateiLaden(datei);
    }

    static std::vector<std::string> zeilen(const std::string& text)
    {
        std::vector<std::string> z;
        std::istringstream ein(text);
        for (std::string zeile; std::getline(ein, zeile);)
            z.push_back(zeile);
        return z;
    }

    static std::vector<std::string> boxTexte()
    {
        std::vector<std::string> t;
        for (const auto& b : plattform::test::boxLog())
            t.push_back(b.text);
        return t;
    }

    static int neuronZahl()
    {
        int k = 0;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            ++k;
        return k;
    }
};

// a minimal network text with the given global keys behind the marker, and neuron blocks
inline std::string netzText(const std::string& kopf, const std::vector<int>& neurone = {1})
{
    std::string t = "[neuronen-netzwerk-datei]\n" + kopf;
    t += "\n[seiteneinstellungen start]\n[seiteneinstellungen ende]\n";
    for (int n : neurone)
        t += "\n[NEURON " + std::to_string(n) + "] ***\n[ende NEURON " + std::to_string(n) + "] ***\n";
    t += "[Servereinstellungen] ***\n[ende Servereinstellungen] ***\n[Dateiende]\n";
    return t;
}
