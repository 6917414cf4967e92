// tests/app/app_hilfe.h - a program directory of our own and a fresh program state per test
#pragma once
#include "app/beenden.h"
#include "app/hauptfenster.h"
#include "app/start.h"
#include "app/status.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "model/anzeigeeinstellungen.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "model/simulationspruefung.h"
#include "model/standarddateien.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"
#include "resources/befehle.h"
#include "script/ausfuehrung.h"
#include "script/auswertung.h"
#include "script/skript.h"
#include "../model/test_neuron_hilfe.h"
#include "../stuetzen/programmstart.h"
#include "../stuetzen/testhilfe.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include <vector>

namespace apphilfe {

// the names every test of the frame speaks
using namespace plattform;
namespace pt = plattform::test;

// resources/parameter of the source tree (VELNOR_TEST_DATEN is its tests/data)
inline std::string ausgelieferteTexte()
{
    std::string pfad = VELNOR_TEST_DATEN;
    pfad.resize(pfad.size() - std::string_view("tests/data").size());
    return pfad + "resources/parameter/";
}

using testhilfe::lesen;
using testhilfe::schreiben;

// A program directory as the build makes it: "parameter" with the shipped files (or without
// the message files) and beside it default.cfg, the shipped one unless cfg is given.
inline std::string programmOrdner(const std::string& cfg = "", bool mitMeldungen = true)
{
    const std::string ordner = testhilfe::tempOrdner("velnor-app");
    std::filesystem::create_directory(ordner + "parameter");
    for (const auto& e : std::filesystem::directory_iterator(ausgelieferteTexte())) {
        const std::string name = e.path().filename().string();
        if (name == "default.cfg")
            std::filesystem::copy_file(e.path(), ordner + name);
        else if (mitMeldungen || !name.starts_with("meldung"))
            std::filesystem::copy_file(e.path(), ordner + "parameter/" + name);
    }
    if (!cfg.empty())
        schreiben(ordner + "default.cfg", cfg);
    return ordner;
}

// A network a run takes: anzahl SWIM neurons of the soma-only mode with the shipped default
// files, 20 ms at 0.1 ms; the result files go to ordner.
inline void laufbaresNetz(int anzahl, const std::string& ordner)
{
    const std::string parameter = ausgelieferteTexte();
    standardDateienVorgeben();
    standardDateien.allgemein = parameter + "standard.gen";
    standardDateien.swim = parameter + "swim.channel";
    simulationsParameter.netzwerktyp = 1;
    simulationsParameter.anzahlSegmente = 0;
    for (int i = 1; i <= anzahl; ++i) {
        NeuronDaten* n = NeuronFall::neu(i);
        ASSERT_NE(n, nullptr);
        ASSERT_TRUE(kompartimenteAnpassen(*n, 0));
        ASSERT_EQ(stdParameterAllgemeinLaden(*n), 1);
        ASSERT_EQ(stdParameterModell2Laden(*n), 1);
        n->modellTyp = modell::Swim;
    }
    laufzeitSetzen(0.02, 1e-4);
    dateipfade.dokumentVerzeichnis = ordner;
    dateipfade.netzName = "netz";
}

// a canonical mono recording of 16-bit samples
inline std::string wavText(const std::vector<int16_t>& werte, uint32_t rate = 1000)
{
    std::string s;
    const auto n = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>(v >> (8 * i) & 0xFF);
    };
    const auto daten = static_cast<uint32_t>(werte.size() * 2);
    s += "RIFF";
    n(daten + 36, 4);
    s += "WAVEfmt ";
    n(16, 4), n(1, 2), n(1, 2), n(rate, 4), n(rate * 2, 4), n(2, 2), n(16, 2);
    s += "data";
    n(daten, 4);
    for (int16_t w : werte)
        n(static_cast<uint16_t>(w), 2);
    return s;
}

// whether a box text is the offer to save the network before the end or before it is closed
inline bool istSpeicherAngebot(const std::string& text)
{
    for (int nr : {801, 802}) {
        const std::string& m = meldungsTexte[nr];
        const size_t stelle = m.find("%s");
        if (stelle != std::string::npos && text.starts_with(m.substr(0, stelle)) && text.ends_with(m.substr(stelle + 2)))
            return true;
    }
    return text == meldungsTexte[803];
}

// While it lives, the offer to save the network is declined where it comes (only a network
// that differs from its file, or has none, is offered); every other box takes the answers
// scripted for it.
struct AngebotAblehnen {
    AngebotAblehnen()
    {
        pt::boxRegelSetzen([](const std::string&, const std::string& text, uint32_t) {
            return istSpeicherAngebot(text) ? antwort::Nein : 0;
        });
    }
    ~AngebotAblehnen() { pt::boxRegelSetzen({}); }
    AngebotAblehnen(const AngebotAblehnen&) = delete;
    AngebotAblehnen& operator=(const AngebotAblehnen&) = delete;
};

// every record of the frame back to the state of a program that has not started
inline void programmZuruecksetzen()
{
    plattform::test::zuruecksetzen();
    startZuruecksetzen();
    for (FontDaten* s : {&standardSchrift, &protokoll.schrift, &restzeit.schrift})
        plattform::loeschen(s->schrift);
    standardSchrift = {};
    programmStatus = programmBit::DiagrammeOeffnen | programmBit::StartUnfertig;
    statusWoerterSetzen();
    fensterhandles = {};
    statusTexte = {};
    dateipfade = {};
    protokoll = {};
    restzeit = {};
    laufZustand = {};
    spikeAufzeichnung = {};
    markierteNeurone = {};
    letzterDialog = 0;
    anzeigeboxParameter = {};
    eingabeParameter = {};
    dialogEinstellungen = {};
    skriptMeldungenAnzeigen = 1;
    testhilfe::startHakenZuruecksetzen();   // no board library unless a test names one
}

// the evaluation a test opened, closed: its result files, its window, its data
inline void auswertungAbbauen()
{
    ergebnisDateienSchliessen(auswertungsdaten);
    auswertungsfensterZerstoeren();
    auswertungsdaten = {};
    auswertungsfenster = {};
}

// the script a test loaded or ran, gone with its run hook and status
inline void skriptAbbauen()
{
    skriptLaufHaken = nullptr;
    skriptFreigeben(skript);
    skriptStatus = 0;
}

class AppFall : public ::testing::Test {
protected:
    std::string ordner;

    void SetUp() override { programmZuruecksetzen(); }
    void TearDown() override
    {
        programmZuruecksetzen();
        NeuronFall::leeren();               // the network the test built
        standardDateienVorgeben();
        parameterOrdner.pfad = ausgelieferteTexte();
        sprachTexteLaden(spracheDeutsch);
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
    }

    // the whole start up to the message loop, in a directory of our own
    bool starten(const std::string& cfg = "", const std::string& argument = "")
    {
        ordner = programmOrdner(cfg);
        return testhilfe::programmStarten(argument, ordner);
    }
    Fenster haupt() const { return fensterhandles.hauptfenster; }
    void befehl(int id) { senden(haupt(), nachricht::Befehl, machWParam(id, 0)); }
    // the open command on a file chosen in its dialog; a network there is not saved (the
    // offer, where it comes, is declined)
    void oeffnenOhneSpeichern(const std::string& pfad)
    {
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        const AngebotAblehnen nein;
        befehl(befehlDateiOeffnen);
        nachrichtenVerarbeiten();
    }
};

} // namespace apphilfe
