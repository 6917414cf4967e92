// tests/app/befehlsdurchlauf.h - the command sweep: every command of the main window's menus
// and the permutation mode's, each in the state a user brings back, declined wherever it asks.
// The tests that take it check what the sweep leaves (files, texts) after each command.
#pragma once
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/xbuffer.h"
#include "model/anzeigeeinstellungen.h"
#include "model/laufstart.h"
#include "model/permutationsfenster.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "permutation/ergebnisse.h"
#include "permutation/modus.h"
#include "permutation/permutation.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include "resources/menues.h"
#include "script/skript.h"
#include "server/server.h"
#include "server/serverbetrieb.h"
#include "../permutation/waechter_hilfe.h"
#include "../stuetzen/reizserie_skript.h"
#include <chrono>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <thread>

namespace befehlsdurchlauf {
using namespace apphilfe;
namespace fs = std::filesystem;
using pt::Ablehnen;

// the commands of a menu table in table order
inline std::vector<int> tabellenBefehle(std::span<const MenueZeile> tabelle)
{
    std::vector<int> b;
    for (const MenueZeile& z : tabelle)
        if (z.befehl > 0)
            b.push_back(z.befehl);
    return b;
}

// The regular end writes the settings back into the file it read, as the user's choices of
// the session (the backup switch, a new synapse's delay) are kept: its remembered file is
// still compared.
inline const std::set<std::pair<int, std::string>> erlaubteSchreiber = {
    {befehlProgrammBeenden, "default.cfg"},
};

// written on purpose, so not swept
inline const std::map<int, const char*> speichern = {
    {befehlGuiDateiSpeichern, "saves the network into its own file, with its .cur, .ref and the settings"},
    {befehlEinstellungenSpeichern, "saves the settings into their own file"},
};

// the command as its menu item reads, for the failures
inline std::string befehlsText(int befehl)
{
    for (auto tabelle : {hauptmenue101, modusmenueTabelle(Modusmenue::Permutation, spracheDeutsch),
                         modusmenueTabelle(Modusmenue::Definition, spracheDeutsch)})
        for (const MenueZeile& z : tabelle)
            if (z.befehl == befehl) {
                std::string t = z.text;
                t = t.substr(0, t.find('\t'));
                std::erase(t, '&');
                return std::to_string(befehl) + " \"" + t + "\"";
            }
    return std::to_string(befehl);
}

// The runs a command starts go through once their questions are answered: the result
// file's name and the numbers of a permutation series. Every other question is declined.
inline void laufAntworten(int befehl, const std::string& ordner)
{
    const auto eingabe = [](const char* zahl) {
        pt::dialogSkript(146, {pt::schritt::tippen(1251, zahl), pt::schritt::klicken(1)});
    };
    const std::string datei = ordner + "lauf " + std::to_string(befehl) + ".bin";
    switch (befehl) {
    case befehlSkriptStarten:
    case befehlSkriptNeuLadenUndStarten:
    case befehlSkriptInteraktiv:
    case befehlPmtStarten: pt::dateiAntworten({pt::dateiAntwort(datei)}); break;
    case befehlPmtErneutStarten:
        eingabe("0");
        pt::dateiAntworten({pt::dateiAntwort(datei)});
        break;
    case befehlPmtPartiell:
        eingabe("0");
        eingabe("2");
        pt::dateiAntworten({pt::dateiAntwort(datei)});
        break;
    case befehlPmtFreieReihenfolge: eingabe("1"); break;   // one number, then the next question is declined
    }
}

// the commands of the permutation mode that run an analysis
inline const std::set<int> analyse = {befehlPmtStarten, befehlPmtErneutStarten, befehlPmtPartiell,
                                      befehlPmtFreieReihenfolge};

// A loaded result file keeps the script from running: these meet the script without one.
inline bool ohneErgebnisdatei(int befehl)
{
    return befehl == befehlSkriptStarten || befehl == befehlSkriptNeuLadenUndStarten ||
           befehl == befehlSkriptInteraktiv || befehl == befehlSkriptTesten;
}

// What no command may change: the files' bytes (none: the file is missing) and the lines
// of the remembered file as the next settings write would put them.
struct Stand {
    std::map<std::string, std::optional<std::string>> dateien;
    std::string gemerkt;
};

class BefehleSchreibenNichts : public AppFall {
protected:
    fs::path vorher = fs::current_path();
    std::optional<std::string> datenOrdner;   // XDG_DATA_HOME before the test
    std::string netz;
    // the pass: how the user declines, in which mode, with the backup before a run or not
    Ablehnen wie = Ablehnen::Abbrechen;
    bool permutation = false, sicherung = false;
    Stand stand;
    int zug = 0;   // of herstellen, for edits that differ each time
    std::string cfg;   // the settings file the program starts with; empty: the shipped one

    // what a test checks after each command, once the files are compared
    virtual void nachBefehl(int) {}

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten(cfg));
        // what commands write beside the program (logs, exports) and the file-type entry
        // land in the temporary folder
        fs::current_path(ordner);
        if (const char* d = std::getenv("XDG_DATA_HOME"))
            datenOrdner = d;
        ::setenv("XDG_DATA_HOME", (ordner + "daten").c_str(), 1);
        nachrichtenVerarbeiten();
        netz = ordner + "netz.gui";
        einstellen();
        const char* namen[] = {"Sensor links", "Motor", "Inter"};
        for (int i = 1; i <= 3; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            n->name = namen[i - 1];
            n->x = 100 * i;
            n->y = 100;
        }
        SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        schreiben(ordner + "sim liste.txt", "2 5\r\n6\r\n11 15\r\n");
        std::string t = reizserieSkript;
        t.replace(t.find("ORDNER/"), 7, ordner);
        schreiben(ordner + "reihe.skr", t);

        // saved with the soma-potential file, then the series script's run writes its result file
        befehl(befehlSomapotentialSpeichern);
        ASSERT_TRUE(programmStatus & programmBit::SomaDateiSchreiben);
        speichernUnter();
        pt::dateiAntworten({pt::dateiAntwort(ordner + "reihe.skr")});
        befehl(befehlSkriptLaden);
        ASSERT_TRUE(skriptStatus & skriptBit::Geladen);
        pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
        befehl(befehlSkriptStarten);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(fs::exists(ordner + "erg.bin"));
        ASSERT_EQ(pt::offeneWahlAntworten(), 0u);
    }
    void TearDown() override
    {
        programmStatus &= ~programmBit::LaufAktiv;
        serverAnhalten();
        if (modusStatus & modusBit::Permutationsmodus) {
            pt::unbeantwortetAblehnen(Ablehnen::Nein);
            befehl(befehlPmtModusBeenden);
        }
        if (fensterhandles.permutationsMenue)
            simulationsMenueZeigen();
        auswertungAbbauen();
        skriptFreigeben(skript);
        skriptStatus = 0;
        maxBinDateiGroesse = 0;
        serverThreadBeenden();
        serverStartHaken = {};
        serverFenster = {};
        serverDaten = {};
        serverLaufZuruecksetzen();
        permutationZuruecksetzen();
        fs::current_path(vorher);
        datenOrdner ? ::setenv("XDG_DATA_HOME", datenOrdner->c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
        AppFall::TearDown();
    }

    // what the tests of the frame set after each start: the series script's run settings
    static void einstellen()
    {
        laufzeitSetzen(0.2, 1e-4);
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptMeldungenAnzeigen = 0;
        maxBinDateiGroesse = 0;
    }

    // Sensor's pulse of amplitude (A) for the .cur and Motor's reference curve at wert (V) for
    // the .ref; neuron 3 at x
    static void beiwerkSetzen(double amplitude, float wert, int x)
    {
        NeuronDaten* sensor = neuronNachNummer(1);
        NeuronDaten* motor = neuronNachNummer(2);
        ASSERT_TRUE(sensor && motor && neuronNachNummer(3));
        StromreizDefinition& puls = sensor->stromreize[0];
        puls = {};
        puls.beginn = 0.01;
        puls.dach = 0.05;
        puls.amplitude = amplitude;
        puls.anzahl = 1;
        puls.an = 1;
        ASSERT_EQ(stromreizKurveErzeugen(*sensor, 0), 1);
        KurvenDaten& referenz = motor->hauptDiagramm.kurven[kurve::Referenz1];
        referenz.werte.assign(2000, wert);
        referenz.werteAnzahl = 2000;
        neuronNachNummer(3)->x = x;
    }

    // into its own file, with its stimulus in the .cur and a reference curve in the .ref
    void speichernUnter()
    {
        beiwerkSetzen(3e-9, -0.06f, 300);
        pt::dateiAntworten({pt::dateiAntwort(netz)});
        befehl(befehlGuiDateiSpeichernUnter);
        ASSERT_EQ(dateipfade.vollerPfad, netz);
    }

    // The result file opened in the evaluation mode, which is left again: its data stay, with
    // the script it holds and the network, which goes into its own file again. The offers on
    // the way are answered: close the network, save nothing.
    void ergebnisLaden()
    {
        if (modusStatus & modusBit::Permutationsmodus)
            befehl(befehlPmtModusBeenden);
        befehl(befehlSkriptSchliessen);   // what is left of the script and its results
        befehl(befehlAuswertemodus);
        ASSERT_TRUE(istFenster(auswertungsfenster.fenster));
        if (neuronKette.anzahl > 0)
            pt::boxAntworten({antwort::Ja});
        pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
        {
            const AngebotAblehnen nein;   // a network the command before changed
            senden(auswertungsfenster.fenster, nachricht::Befehl, machWParam(auswertungBefehlDateiOeffnen, 0));
            nachrichtenVerarbeiten();
        }
        ASSERT_EQ(pt::offeneBoxAntworten() + pt::offeneWahlAntworten(), 0u);
        senden(auswertungsfenster.fenster, nachricht::Befehl, machWParam(auswertungBefehlModusBeenden, 0));
        nachrichtenVerarbeiten();
        const uint32_t da = skriptBit::Geladen | skriptBit::AuswertungsdatenDa;
        ASSERT_EQ(skriptStatus & da, da);
        speichernUnter();
    }

    Stand jetzt() const
    {
        Stand s;
        for (const std::string& name : {netz, ordner + "netz.cur", ordner + "netz.ref", ordner + "default.cfg"})
            s.dateien[name] = fs::exists(name) ? std::optional(lesen(name)) : std::nullopt;
        XBuffer* cursor = textZeiger;
        XBuffer b;
        cfgDateiSpeichern(nullptr, &b, 0);
        textZeiger = cursor;
        const std::string text = b.text();
        for (const char* schluessel : {"zuletzt geladene eingabedatei=", "zuletzt benutztes verzeichnis="}) {
            const size_t a = text.find(schluessel);
            if (a != std::string::npos)
                s.gemerkt += text.substr(a, text.find('\n', a) - a) + "\n";
        }
        return s;
    }

    static void melden(int befehl, const std::string& was, const std::string& datei)
    {
        if (!erlaubteSchreiber.contains({befehl, datei}))
            ADD_FAILURE() << "command " << befehlsText(befehl) << " " << was;
    }

    // each change since the snapshot, named with the command
    void vergleichen(int befehl)
    {
        const Stand s = jetzt();
        for (const auto& [name, bytes] : stand.dateien) {
            const std::string datei = fs::path(name).filename().string();
            if (s.dateien.at(name) != bytes)
                melden(befehl, (s.dateien.at(name) ? "changed " : "deleted ") + datei, datei);
        }
        if (s.gemerkt != stand.gemerkt)
            melden(befehl, "moved the remembered file:\n" + stand.gemerkt + "->\n" + s.gemerkt, "gemerkt");
    }

    // The server runs on its thread until it is stopped: as the user stops it, and its end is
    // handled before the files are compared.
    static void serverAnhalten()
    {
        if (!serverThreadLaeuft())
            return;
        serverBeenden();
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (serverThreadLaeuft() && std::chrono::steady_clock::now() < ende) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            nachrichtenVerarbeiten();
            pt::uhrVorstellen(serverFensterTaktMs);
        }
        ASSERT_FALSE(serverThreadLaeuft()) << "the server does not stop";
        nachrichtenVerarbeiten();
    }

    void permutationsmodusEinschalten()
    {
        const SynapseDaten* s = neuronNachNummer(1) ? neuronNachNummer(1)->ausgangsSynapsen : nullptr;
        ASSERT_NE(s, nullptr);
        permutationsDefinition.auswerteNeuron = 2;
        permutationsDefinition.levelAnzahl = 2;
        permutationsDefinition.synapsen = {{s->id, {1e-8, 2e-8}}};
        befehl(befehlPermutationsmodusEinschalten);
        ASSERT_TRUE(modusStatus & modusBit::Permutationsmodus);
        modusStatus |= modusBit::DefinitionDa;
    }

    // the results of a series, computed once, loaded into the mode's index
    void permutationsergebnisseLaden()
    {
        const std::string serie = ordner + "serie.bin";
        if (!fs::exists(serie)) {
            pt::dateiAntworten({pt::dateiAntwort(serie)});
            befehl(befehlPmtStarten);
            ASSERT_TRUE(fs::exists(serie));
        }
        pt::dateiAntworten({pt::dateiAntwort(serie)});
        befehl(befehlPmtErgebnisseLaden);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(mitErgebnisIndex());
    }

    // The state each command meets: the program running in the pass's mode, the network in
    // its own file with neuron 1 marked, and the result file's data with the script it holds,
    // or (ergebnis false) the series script from its file alone. What a command undid comes
    // back the way a user brings it back, declining every other offer on the way. Then edits
    // not saved (neuron 3 moved, Sensor's pulse, Motor's reference curve, a new synapse's
    // delay), other than the last ones, which a writer may have put into the files: any
    // write of the network, its .cur and .ref or the settings changes their bytes.
    void herstellen(bool ergebnis)
    {
        pt::unbeantwortetAblehnen(Ablehnen::Nein);
        serverAnhalten();
        if (programmEndet() || !istFenster(haupt())) {
            programmZuruecksetzen();
            pt::unbeantwortetAblehnen(Ablehnen::Nein);
            einstellen();
            ASSERT_TRUE(programmStarten(netz, ordner));
            nachrichtenVerarbeiten();
        }
        if (istFenster(auswertungsfenster.fenster)) {
            senden(auswertungsfenster.fenster, nachricht::Befehl, machWParam(auswertungBefehlModusBeenden, 0));
            nachrichtenVerarbeiten();
        }
        if (!permutation && (modusStatus & modusBit::Permutationsmodus))
            befehl(befehlPmtModusBeenden);
        const uint32_t da = skriptBit::Geladen | skriptBit::AuswertungsdatenDa;
        if (ergebnis && (skriptStatus & da) != da) {
            ergebnisLaden();
        } else if (!ergebnis && ((skriptStatus & da) != skriptBit::Geladen || skript.pfad != ordner + "reihe.skr")) {
            befehl(befehlSkriptSchliessen);
            pt::dateiAntworten({pt::dateiAntwort(ordner + "reihe.skr")});
            befehl(befehlSkriptLaden);
        }
        if (neuronKette.anzahl != 3 || dateipfade.vollerPfad != netz) {
            pt::dateiAntworten({pt::dateiAntwort(netz)});
            befehl(befehlDateiOeffnen);
            nachrichtenVerarbeiten();
        }
        if (!fs::exists(ordner + "netz.cur") || !fs::exists(ordner + "netz.ref"))
            speichernUnter();
        ASSERT_EQ(std::tuple(neuronKette.anzahl, dateipfade.vollerPfad, skriptStatus & da),
                  std::tuple(3, netz, ergebnis ? da : skriptBit::Geladen));
        ASSERT_EQ(pt::offeneBoxAntworten() + pt::offeneWahlAntworten() + pt::offeneDialogSkripte(), 0u);
        if (permutation && !(modusStatus & modusBit::Permutationsmodus))
            permutationsmodusEinschalten();
        if (permutation && !mitErgebnisIndex())
            permutationsergebnisseLaden();
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            neuronMarkieren(n, n->nummer == 1);
        const int k = ++zug % 50;
        beiwerkSetzen(4e-9 + k * 1e-10, -0.061f - static_cast<float>(k) * 1e-4f, 301 + k);
        neueSynapseVorgaben.verzoegerung = 0.0031 + k * 1e-5;
        if (sicherung)
            sicherungsOptionen |= sicherungBit::An;
        pt::unbeantwortetAblehnen(wie);
        stand = jetzt();
    }

    // Every command once, a switch twice (on and off again), each in the state herstellen
    // brings, except those whose purpose is to write the files.
    void durchlaufen(const std::vector<int>& befehle, const std::map<int, const char*>& ausgelassen)
    {
        for (int b : befehle) {
            if (ausgelassen.contains(b))
                continue;
            SCOPED_TRACE(befehlsText(b));
            for (int mal = befehlHaken(b) >= 0 ? 2 : 1; mal > 0; --mal) {
                herstellen(!ohneErgebnisdatei(b));
                if (HasFatalFailure())
                    return;
                laufAntworten(b, ordner);
                {
                    // in the mode, every analysis a command runs gives back what it set
                    std::optional<permutationstest::WaechterPruefen> pruefen;
                    if (permutation)
                        pruefen.emplace();
                    befehl(b);
                    nachrichtenVerarbeiten();
                    // a free permutation's levels go back with the mode
                    if (permutation && b == befehlPmtFreieReihenfolge && (modusStatus & modusBit::Permutationsmodus))
                        befehl(befehlPmtModusBeenden);
                    if (permutation && analyse.contains(b))
                        EXPECT_GT(permutationstest::WaechterPruefen::verglichen, 0) << "no guard gave back";
                }
                serverAnhalten();
                EXPECT_EQ(pt::offeneWahlAntworten() + pt::offeneDialogSkripte(), 0u) << "a run's answer was not asked for";
                vergleichen(b);
                nachBefehl(b);
            }
        }
    }
};

} // namespace befehlsdurchlauf
