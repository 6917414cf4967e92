// tests/app/test_skript_waechter.cpp - a script run and a loaded script give back everything
// they touched: the network's text, the settings text, the program's switches and the run-time
// fields that no file holds are after them what they were before, however the run ends
#include "app_hilfe.h"
#include "core/rahmen.h"
#include "files/analysewaechter.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/ergebnisdateien.h"
#include "model/netzeinstellungen.h"
#include "model/permutationsfenster.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "script/skript.h"
#include <cstdio>
#include <cstring>
#include <tuple>

using namespace apphilfe;

namespace {

// what a user has: the guard's three and the fields no file holds, each number to the bit
struct Zustand {
    AnalyseStand stand;
    std::string laufzeit;
    bool operator==(const Zustand&) const = default;
};

void zahl(std::string& t, const char* name, double w)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, " %s=%a", name, w);
    t += puffer;
}

std::string laufzeitFelder()
{
    std::string t;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        t += "\nneuron " + std::to_string(n->nummer);
        zahl(t, "ap", n->apZeitenAufzeichnen);
        zahl(t, "aufzeichnung", n->aufzeichnungsModus);
        zahl(t, "inPsp", n->inPsp);
        zahl(t, "pspMax", n->pspMaximum);
        zahl(t, "pspMaxZeit", n->pspMaximumZeit);
        t += " kurven";
        for (const KurvenDaten& k : n->hauptDiagramm.kurven)
            t += std::to_string(k.anzeigen);
        for (const StromTabelle& tab : n->stromTabellen) {
            t += " tabelle" + std::to_string(tab.anzahlPunkte);
            for (int i = 0; i < tab.anzahlPunkte && i < static_cast<int>(tab.stromwerte.size()); ++i) {
                zahl(t, "t", tab.startzeiten[static_cast<size_t>(i)]);
                zahl(t, "i", tab.stromwerte[static_cast<size_t>(i)]);
            }
        }
        for (const SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            t += "\n synapse " + std::to_string(s->id);
            zahl(t, "g", s->leitfaehigkeit);
            zahl(t, "schritte", s->verteilungsSchritte);
            zahl(t, "gewicht", s->gewichtungsfaktor);
            zahl(t, "faktor", s->bahnung.faktor);
            for (double w : s->bahnung.a)
                zahl(t, "a", w);
            for (double w : s->bahnung.b)
                zahl(t, "b", w);
            if (s->pool)
                zahl(t, "poolsumme", s->pool->gSumme);
        }
    }
    zahl(t, "pspMessung", pspMessungAktiv);
    zahl(t, "maxBin", maxBinDateiGroesse);
    return t;
}

Zustand zustand() { return {analyseStandNehmen(), laufzeitFelder()}; }

// every guard's give-back: what it took before and after
std::vector<std::pair<AnalyseStand, AnalyseStand>> rueckgaben;
void rueckgabeMerken(const AnalyseWaechter& w) { rueckgaben.emplace_back(w.vorher(), w.nachher()); }

// The statements of the script table, each with a value unlike the network's, in a loop of
// two passes; the first line's result kind and its result neuron's lines are put in front.
// The stimulus's begin steps by schritt: 0,02 takes it past the run's end in the second pass,
// where its update cannot go on.
std::string anweisungen(const char* schritt)
{
    return std::string("SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                       "ZEI=7 NAC=8 DEZ=46 STR=1000 FIL=200000 DAT=0 ZFE=0,5 AUP=3\r\n"
                       "NEU=1 PSP=1 PSS=-0,05\r\n"
                       "SCHLEIFE1=2\r\n"
                       "  NEU=1 SRU=-0,0612 STEP=0,001 DOKUMENTIEREN=\"ruhe\" DRU=-0,0633 SKA=1,3e-10 DKA=1,7e-10 LLE=2,3e-9\r\n"
                       "  RZI=S RBE=0,0011 STEP=") +
           schritt +
           " RAN=0,0004 RAB=0,0006 RDA=0,0021 REN=0,013 RPE=0,0043 RAM=1,7e-9 RPA=0,0012 RWI=1 RAL=M RAR=R REI=1 RUP=\r\n"
           "  KAN=K INI=0,031 POW=3 RCA=11 HMA=-0,047 SWA=0,0061 RCB=13 HMB=-0,052 SWB=0,0071 EPO=-0,087 LEI=3,3e-6\r\n"
           "  NEU=2 BKA=1 INI=0,041 POW=2 RCA=17 HMA=-0,041 SWA=0,0051 RCB=19 HMB=-0,043 SWB=0,0053 EPO=-0,077 LEI=2,9e-9\r\n"
           "  SYN=1 DEL=0,0023 SEP=-0,011 SLE=2,7e-9 STEP=1,1e-9 TRT=-0,047 TRS=-0,027 TSC=0,9 TKR=1,7 TFA=1,3\r\n"
           "  THA=-0,031 THB=-0,033 TRA=110 TRB=130 TSA=0,0041 TSB=0,0043\r\n"
           "  TNF=0,031 TBF=0,033 TND=0,037 TBD=0,039 ANF=0,21 ABF=0,23 AND=0,27 ABD=0,29 BNF=0,31 BBF=0,33 BND=0,37 BBD=0,39\r\n"
           "  BAH=1 DEP=1 FAZ=1 BUP= SUP=\r\n"
           "WIEDERHOLEN1=\r\n";
}

// the result kinds: the lines naming them and the result neuron
struct Ergebnisart {
    const char* name;
    const char* zeilen;
    bool waehler = true;           // a result file is chosen (the EPSP table is not)
};
const Ergebnisart ergebnisarten[] = {
    {"AP-Zeiten", "APS= BIN= ERG=A ENEURON=2\r\n"},
    {"Werte", "WER= BIN= ERG=W ENEURON=2 EKU=3 EKU=2\r\n"},
    {"EPSP", "ERG=E ENEURON=2\r\n", false},
    {"BMP", "BIN= ERG=A ENEURON=2 NEU=1 BMP=1\r\n"},
};

struct SkriptWaechter : AppFall {
    std::filesystem::path vorher = std::filesystem::current_path();
    std::string skriptPfad;

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        std::filesystem::current_path(ordner);   // the script log goes to the working folder
        laufbaresNetz(2, ordner);
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptMeldungenAnzeigen = 0;
        // two synapses of one pool, so that its sum is not one conductance alone
        for (int i = 0; i < 2; ++i) {
            SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-9, 0.001, -0.05,
                                         -0.03, 0, nullptr);
            ASSERT_NE(s, nullptr);
            synapsenTabelleSetzen(s->id, s);
        }
        BenutzerKanal k;
        k.name = "ih";
        k.gleichgewichtspotential = -0.04;
        k.leitfaehigkeit = 1e-9;
        k.potenz = 1;
        neuronNachNummer(2)->benutzerKanaele.push_back(k);
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        // the user's own settings, unlike every script's
        asciiExportEinstellungen.dezimalstellen = 10;
        asciiExportEinstellungen.dezimalzeichen = 44;
        asciiExportEinstellungen.zeitDezimalstellen = 5;
        neuronNachNummer(1)->pspSchwelle = -0.069f;
        // the diagram windows open, and a run from the main window has set what any run sets
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            rahmen::diagrammFensterOeffnen(n);
        befehl(befehlSimulationStarten);
        nachrichtenVerarbeiten();
        skriptPfad = ordner + "s.skr";
        AnalyseWaechter::standAufnehmen = true;
        AnalyseWaechter::nachRueckgabe = rueckgabeMerken;
        rueckgaben.clear();
    }
    void TearDown() override
    {
        AnalyseWaechter::standAufnehmen = false;
        AnalyseWaechter::nachRueckgabe = nullptr;
        skriptAbbauen();
        std::filesystem::current_path(vorher);
        AppFall::TearDown();
    }

    void laden(const std::string& text)
    {
        schreiben(skriptPfad, text);
        if (text.find("SEP=") != std::string::npos)
            pt::boxAntworten({antwort::Ok});   // SEP sets nothing a run uses: the load says so
        pt::dateiAntworten({pt::dateiAntwort(skriptPfad)});
        befehl(befehlSkriptLaden);
        nachrichtenVerarbeiten();
    }
    void schliessen()
    {
        befehl(befehlSkriptSchliessen);
        nachrichtenVerarbeiten();
    }
    // Shift+F2; the result file's chooser is given bin, or cancelled when bin is "", or not
    // asked with waehler false
    void laufen(const std::string& bin, bool waehler = true)
    {
        if (waehler)
            pt::dateiAntworten({bin.empty() ? pt::dateiAbbruch() : pt::dateiAntwort(bin)});
        befehl(befehlSkriptStarten);
        nachrichtenVerarbeiten();
    }
};

// the ways a run ends
struct Ende {
    const char* name;
    const char* schritt;           // of the stimulus's begin
    void (*imZweiten)();           // in the second simulation
    int laeufe;                    // simulations begun
    int hinweise = 0;              // notices it shows (Ok)
    bool waehler = true;           // the result file's chooser answered
    void (*davor)() = nullptr;     // before the start
    bool ohneWaehler = false;      // the run ends before the chooser
};
int laeufe = 0;
void (*imZweiten)() = nullptr;

const Ende enden[] = {
    {"fertig", "0,0001", [] {}, 2},
    {"Esc", "0,0001",
     [] {
         pt::boxAntworten({antwort::Ja});
         pt::tasteDruecken(fensterhandles.hauptfenster, 0x1B, 27);
         nachrichtenVerarbeiten();
     },
     2},
    // Cancel in the question box over the first header line; the reload tells it has loaded
    {"Frage abgebrochen", "0,0001", [] {}, 0, 0, true,
     [] {
         skriptMeldungenAnzeigen = 1;
         pt::boxAntworten({antwort::Abbrechen, antwort::Ok});
     },
     true},
    {"Anweisung scheitert", "0,02", [] {}, 1, 1},
    {"Programmende", "0,0001", [] { laeufeAbbrechenZumSchliessen(); }, 2},
    {"Waehler abgebrochen", "0,0001", [] {}, 0, 0, false},
    // the script's reload after the run finds its neurons gone: the script goes with two notices
    {"Netz geschlossen", "0,0001", [] { netzLoeschen(); }, 2, 3},
};

} // namespace

// Every statement of the table with a value unlike the network's, for each result kind, in
// each way a run ends, with the diagram windows open; and the load with the close alone. After
// the run the network, the settings, the switches and the run-time fields are those before it;
// after the close, those before the load. Every guard's own before and after agree too. A
// network closed under the run gets nothing; the settings and switches come back all the same.
TEST_F(SkriptWaechter, JederLaufUndJedesSkriptGibtAllesZurueck)
{
    // the remembered script path is the user's choice, the same in every case
    laden(anweisungen("0,0001") + ergebnisarten[0].zeilen);
    ASSERT_TRUE(skriptStatus & skriptBit::Geladen);
    schliessen();
    const std::string netzPfad = dateipfade.vollerPfad;
    // the load and the close alone
    for (const Ergebnisart& art : ergebnisarten) {
        rueckgaben.clear();
        const Zustand ohneSkript = zustand();
        laden(std::string(art.zeilen) + anweisungen("0,0001"));
        ASSERT_TRUE(skriptStatus & skriptBit::Geladen) << art.name;
        EXPECT_FALSE(zustand() == ohneSkript) << art.name;   // the load has set its values
        schliessen();
        ASSERT_EQ(rueckgaben.size(), 1u) << art.name;
        EXPECT_TRUE(rueckgaben[0].first == rueckgaben[0].second) << art.name;
        EXPECT_TRUE(zustand() == ohneSkript) << art.name;
    }
    for (const Ende& e : enden)
        for (const Ergebnisart& art : ergebnisarten) {
            const std::string fall = std::string(art.name) + " / " + e.name;
            if (!art.waehler && !e.waehler)
                continue;   // no chooser to cancel
            const bool netzWeg = e.imZweiten == enden[6].imZweiten;
            if (neuronKette.anzahl == 0) {
                // the user's network again, from its file, with its windows
                oeffnenOhneSpeichern(netzPfad);
                ASSERT_EQ(neuronKette.anzahl, 2) << fall;
                for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
                    rahmen::diagrammFensterOeffnen(n);
            }
            // the user's export switch, on: the value result sets it, the others clear it
            programmStatus |= programmBit::WerteExportieren;
            rueckgaben.clear();
            const Zustand ohneSkript = zustand();
            laden(std::string(art.zeilen) + anweisungen(e.schritt));
            ASSERT_TRUE(skriptStatus & skriptBit::Geladen) << fall;
            EXPECT_EQ(asciiExportEinstellungen.dezimalstellen, 8) << fall;
            ASSERT_EQ(rueckgaben.size(), 0u) << fall;
            const Zustand vorLauf = zustand();
            laeufe = 0;
            imZweiten = e.imZweiten;
            skriptLaufHaken = [] {
                if (++laeufe == 2)
                    imZweiten();
            };
            for (int i = 0; i < e.hinweise; ++i)
                pt::boxAntworten({antwort::Ok});
            if (e.davor)
                e.davor();
            laufen(e.waehler ? ordner + "erg.bin" : "", art.waehler && !e.ohneWaehler);
            skriptMeldungenAnzeigen = 0;
            EXPECT_EQ(laeufe, e.laeufe) << fall;
            EXPECT_EQ(pt::offeneBoxAntworten(), 0u) << fall;
            EXPECT_EQ(pt::offeneWahlAntworten(), 0u) << fall;
            EXPECT_FALSE(skriptStatus & skriptBit::Laeuft) << fall;
            laufZustand.abbrechen = 0;
            ASSERT_EQ(rueckgaben.size(), netzWeg ? 2u : 1u) << fall;
            AnalyseStand lv = rueckgaben[0].first;
            AnalyseStand ln = rueckgaben[0].second;
            if (e.imZweiten == enden[4].imZweiten) {
                // the end's own mark, which the end sets, not the run
                EXPECT_TRUE(ln.programm & programmBit::ProgrammSchliesst) << fall;
                ln.programm &= ~programmBit::ProgrammSchliesst;
                programmStatus &= ~programmBit::ProgrammSchliesst;
            }
            if (netzWeg) {
                // the close's own: the network's result is gone
                EXPECT_EQ(neuronKette.anzahl, 0) << fall;
                EXPECT_EQ(ln.einstellungen, lv.einstellungen) << fall;
                const uint32_t ohneErgebnis = ~(programmBit::ErgebnisDa | programmBit::LaufGesperrt);
                EXPECT_EQ(std::tie(ln.programm, ln.skript, ln.modus),
                          std::tie(lv.programm &= ohneErgebnis, lv.skript, lv.modus)) << fall;
            } else {
                EXPECT_TRUE(ln == lv) << fall;
                const Zustand nachLauf = zustand();
                EXPECT_EQ(nachLauf.stand.netz, vorLauf.stand.netz) << fall;
                EXPECT_EQ(nachLauf.stand.einstellungen, vorLauf.stand.einstellungen) << fall;
                EXPECT_EQ(nachLauf.laufzeit, vorLauf.laufzeit) << fall;
                EXPECT_TRUE(nachLauf == vorLauf) << fall;
            }

            // the close gives back what the load set; the network's close took the script with it
            if (!netzWeg)
                schliessen();
            EXPECT_FALSE(skriptStatus & skriptBit::Geladen) << fall;
            ASSERT_EQ(rueckgaben.size(), 2u) << fall;
            const Zustand nachSchliessen = zustand();
            EXPECT_EQ(nachSchliessen.stand.skript, ohneSkript.stand.skript) << fall;
            if (netzWeg) {
                // the settings the load set are back; the network's own went with it
                const AsciiExportEinstellungen& aus = asciiExportEinstellungen;
                EXPECT_EQ(std::tie(aus.dezimalstellen, aus.zeitDezimalstellen, aus.dezimalzeichen, aus.stromSkalierung),
                          std::make_tuple(10, 5, 44, 1e9)) << fall;
                EXPECT_TRUE(programmStatus & programmBit::WerteExportieren) << fall;
            } else {
                EXPECT_EQ(nachSchliessen.stand.einstellungen, ohneSkript.stand.einstellungen) << fall;
                EXPECT_EQ(nachSchliessen.stand.programm, ohneSkript.stand.programm) << fall;
                EXPECT_TRUE(rueckgaben.back().first == rueckgaben.back().second) << fall;
                EXPECT_EQ(nachSchliessen.stand.netz, ohneSkript.stand.netz) << fall;
                EXPECT_EQ(nachSchliessen.laufzeit, ohneSkript.laufzeit) << fall;
            }
        }
}

namespace {
const char* const kopf = "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n";
}

// The value result switches the result neurons' curves on for the run only: afterwards the
// network text and a save have the switches as the user left them. The user's switch for the
// value export comes back too, also when the result file's chooser is cancelled and nothing runs.
TEST_F(SkriptWaechter, KurvenUndExportschalterGehoerenDemNutzer)
{
    static bool anImLauf;
    anImLauf = false;
    skriptLaufHaken = [] {
        std::string t;
        netzDateiText(t);
        anImLauf = t.find("kurve zeichnen kaliumstrom=ja") != std::string::npos;
    };
    laden(std::string(kopf) + "WER= BIN= ERG=W ENEURON=2 EKU=3\r\nSIM=\r\n");
    std::string vorher;
    netzDateiText(vorher);
    ASSERT_EQ(vorher.find("kurve zeichnen kaliumstrom=ja"), std::string::npos);
    laufen(ordner + "w.bin");
    EXPECT_TRUE(anImLauf);
    std::string nachher;
    netzDateiText(nachher);
    EXPECT_EQ(nachher, vorher);
    befehl(befehlGuiDateiSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_EQ(lesen(dateipfade.vollerPfad).find("kurve zeichnen kaliumstrom=ja"), std::string::npos);
    schliessen();

    // on with a script that exports nothing, off with one that exports values
    for (const bool an : {true, false}) {
        if (an != ((programmStatus & programmBit::WerteExportieren) != 0))
            befehl(befehlErgebnisExportieren);
        laden(std::string(kopf) + (an ? "" : "WER= ") + "BIN= ERG=A ENEURON=2\r\nSIM=\r\n");
        const std::string einstellungen = analyseStandNehmen().einstellungen;
        laufen("");
        EXPECT_EQ((programmStatus & programmBit::WerteExportieren) != 0, an);
        EXPECT_EQ(analyseStandNehmen().einstellungen, einstellungen) << an;
        schliessen();
    }
}

// What a script sets at its load (PSP measurement and threshold, the output's decimals and
// decimal sign) goes back when it is closed, where the field still holds the script's value;
// a run's end does not set it again over what the user set since the load, and a save
// meanwhile writes the user's values.
TEST_F(SkriptWaechter, LadewerteGehenMitDemSkript)
{
    NeuronDaten& n = *neuronNachNummer(1);
    const std::string skriptText = std::string(kopf) + "NEU=1 PSP=1 PSS=-0,05 NAC=8 DEZ=46\r\nERG=A ENEURON=2\r\nSIM=\r\n";
    const auto werte = [&] {
        return std::make_tuple(n.pspModus, n.pspSchwelle, asciiExportEinstellungen.dezimalstellen,
                               asciiExportEinstellungen.dezimalzeichen);
    };
    const auto vorLaden = werte();
    ASSERT_EQ(vorLaden, std::make_tuple(0, -0.069f, 10, 44));
    std::string nutzerNetz;
    ASSERT_TRUE(netzDateiText(nutzerNetz));
    laden(skriptText);
    EXPECT_EQ(werte(), std::make_tuple(16, -0.05f, 8, 46));
    // a save meanwhile writes the user's values into the files and leaves the script's set
    befehl(befehlGuiDateiSpeichern);
    befehl(befehlEinstellungenSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_EQ(lesen(dateipfade.vollerPfad), nutzerNetz);
    EXPECT_NE(lesen(cfgPfad).find("anzahl von dezimalstellen=10 "), std::string::npos);
    EXPECT_EQ(werte(), std::make_tuple(16, -0.05f, 8, 46));
    schliessen();
    EXPECT_EQ(werte(), vorLaden);

    // the user's own values after the load stay through a run and its close
    laden(skriptText);
    n.pspSchwelle = -0.03f;
    n.pspModus = 0;
    asciiExportEinstellungen.dezimalstellen = 10;
    laufen("", false);
    EXPECT_EQ(werte(), std::make_tuple(0, -0.03f, 10, 46));
    schliessen();
    EXPECT_EQ(werte(), std::make_tuple(0, -0.03f, 10, 44));
}

// The pool's sum comes back as the exact number it was after conductance statements and
// rebuilds in a loop: adding the differences back would leave it a rounding off. A rebuild
// alone (SUP, no SLE in the run) takes the synapse out of its pool and puts it back, which
// leaves the sum of this pool a rounding off too.
TEST_F(SkriptWaechter, PoolsummeKommtBitgenauZurueck)
{
    // a third synapse in the pool: 1e-9 taken out of its sum and added again is not the sum
    SynapseDaten* dritte = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1.3e-9, 0.001, -0.05, -0.03, 0, nullptr);
    ASSERT_NE(dritte, nullptr);
    synapsenTabelleSetzen(dritte->id, dritte);
    const struct {
        const char* schleife;
        double letzte;                  // the sum in the third pass
    } faelle[] = {
        {"  SYN=1 SLE=2e-9 STEP=1e-9 SUP=\r\n", 6.3e-9},
        {"  SYN=1 SUP=\r\n", 3.3e-9},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schleife);
        const double vorher = synapseNachId(1)->pool->gSumme;
        laden(std::string(kopf) + "ERG=A ENEURON=2\r\nSCHLEIFE1=3\r\n" + f.schleife + "WIEDERHOLEN1=\r\n");
        static std::vector<double> summen;
        summen.clear();
        skriptLaufHaken = [] { summen.push_back(synapseNachId(1)->pool->gSumme); };
        laufen("", false);
        ASSERT_EQ(summen.size(), 3u);
        EXPECT_NEAR(summen[2], f.letzte, 1e-22);
        const double nachher = synapseNachId(1)->pool->gSumme;
        EXPECT_EQ(std::memcmp(&nachher, &vorher, sizeof vorher), 0) << nachher - vorher;
        EXPECT_EQ(synapseNachId(1)->initialLeitfaehigkeit, 1e-9);
        schliessen();
    }
}

// The program's end offers to save with the user's values: default.cfg gets the decimals the
// user has, not the loaded script's. A user who stays keeps the script with its values.
TEST_F(SkriptWaechter, DasEndeSchreibtDieWerteDesNutzers)
{
    laden(std::string(kopf) + "NAC=8\r\nERG=A ENEURON=2\r\nSIM=\r\n");
    ASSERT_EQ(asciiExportEinstellungen.dezimalstellen, 8);
    pt::boxAntworten({antwort::Abbrechen});
    befehl(befehlProgrammBeenden);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_EQ(asciiExportEinstellungen.dezimalstellen, 8);
    EXPECT_TRUE(skriptStatus & skriptBit::Geladen);

    pt::boxAntworten({antwort::Nein});
    befehl(befehlProgrammBeenden);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_NE(lesen(ordner + "default.cfg").find("anzahl von dezimalstellen=10 "), std::string::npos);
}
