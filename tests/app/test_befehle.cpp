// tests/app/test_befehle.cpp - the dispatcher: run start, the lock, commands during a run,
// abort, the hand-made keys and the switches
#include "app_hilfe.h"
#include "model/simulationsparameter.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "model/permutation.h"
#include "permutation/permutation.h"
#include "platform/menue.h"
#include "resources/befehle.h"
#include "script/skript.h"

using namespace apphilfe;

namespace {

class Befehle : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    // Starts a run of a one-neuron network with the command, after whatever the test
    // posted: the run's first pump delivers it while the run goes.
    void laufMitWartendenNachrichten()
    {
        laufbaresNetz(1, ordner);
        pt::uhrVorstellen(50, false);       // the pump is due at the run's first step
        befehl(befehlSimulationStarten);
    }
    void druecken(int t, int zeichen = 0)
    {
        pt::tasteDruecken(haupt(), t, zeichen);
        nachrichtenVerarbeiten();
    }
};

} // namespace

TEST_F(Befehle, F2RechnetEinigeSwimNeuroneBisZumEndeUndDieSperreMeldetSich)
{
    laufbaresNetz(3, ordner);
    druecken(taste::F2);
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
    EXPECT_TRUE((programmStatus & programmBit::LaufErgebnisDa) && !(programmStatus & programmBit::LaufAktiv));
    EXPECT_DOUBLE_EQ(laufZustand.t, 0.02);
    EXPECT_EQ(statusTexte[0], meldungFormatieren(771));
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        EXPECT_NE(n->potentiale[0], 0.0);

    // imported data a run would overwrite: F2 and "OK - F2" are refused with the notice
    programmStatus &= ~programmBit::LaufErgebnisDa;
    programmStatus |= programmBit::LaufGesperrt;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    druecken(taste::F2);
    simulationAusDialogStarten();
    EXPECT_FALSE(programmStatus & programmBit::LaufErgebnisDa);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    for (const pt::BoxEintrag& b : pt::boxLog())
        EXPECT_EQ(b.titel + "|" + b.text, "Hinweis|simulation is locked to prevent loss of loaded data");
}

TEST_F(Befehle, NetzAenderndeBefehleWerdenImLaufAbgewiesen)
{
    // the channel dialogs free records the engine steps through
    for (int b : {befehlDateiOeffnen, befehlNeuronNeu, befehlSimulationStarten, befehlAlleSynapsenBearbeiten,
                  befehlBenutzerKanaele, befehlKCaKanal})
        posten(haupt(), nachricht::Befehl, machWParam(b, 0));
    pt::tasteDruecken(haupt(), taste::F2);
    pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok, antwort::Ok, antwort::Ok});
    laufMitWartendenNachrichten();
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    // the step counter starts at the step count and counts the passes of one run (one more
    // than the steps): a run inside the run would have started it afresh
    EXPECT_EQ(laufZustand.schrittZaehler, 200 + 201);
    EXPECT_EQ(neuronKette.anzahl, 1);
    ASSERT_EQ(pt::boxLog().size(), 5u);     // nothing was opened under the running engine
    for (const pt::BoxEintrag& b : pt::boxLog())
        EXPECT_TRUE(b.text.find("laufenden Simulation") != std::string::npos) << b.text;

    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlDateiOeffnen);             // after the run the open command asks again
    EXPECT_EQ(pt::dateiWahlLog().size(), 1u);
    EXPECT_EQ(neuronKette.anzahl, 1);
    pt::dialogSkript(314, {pt::schritt::klicken(2)});   // the single neuron is marked for it
    befehl(befehlKCaKanal);
    EXPECT_EQ(std::pair(markierteNeurone.anzahl(), pt::offeneDialogSkripte()), std::pair(1, size_t{0}));
}

TEST_F(Befehle, SchliessenImLaufBrichtAbUndSchliesstNachDemLauf)
{
    posten(haupt(), nachricht::Schliessen);
    pt::boxAntworten({antwort::Ja, antwort::Nein});   // stop the run; then the network is offered
    laufMitWartendenNachrichten();

    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].titel, "SysInfo");
    EXPECT_LT(laufZustand.t, 0.02);         // stopped after its first step
    EXPECT_TRUE(istFenster(haupt()));       // the window outlived the run
    EXPECT_FALSE(programmEndet());

    pt::uhrVorstellen(200);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[1].text, meldungFormatieren(801, ordner + "netz"));
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
    EXPECT_TRUE(programmEndet());
}

TEST_F(Befehle, EscUnd40040BrechenAbImSkriptNachEinerFrage)
{
    druecken(taste::Esc, 27);
    EXPECT_EQ(laufZustand.abbrechen, 1);
    laufZustand.abbrechen = 0;
    programmStatus |= programmBit::LaufAktiv;   // the item is there while something runs
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlSimulationAbbrechen));
    nachrichtenVerarbeiten();
    programmStatus &= ~programmBit::LaufAktiv;
    EXPECT_EQ(laufZustand.abbrechen, 1);

    laufZustand.abbrechen = 0;
    skriptStatus = skriptBit::Laeuft | skriptBit::InteraktiveAusfuehrung;
    klasseRegistrieren({"Probe", standardFensterProc});
    fensterhandles.interaktivFenster = fensterErzeugen("Probe", "", stil::Hauptfenster, 0, 0, 50, 50);
    pt::boxAntworten({antwort::Nein});
    druecken(taste::Esc, 27);
    EXPECT_EQ(laufZustand.abbrechen, 0);
    EXPECT_EQ(skriptStatus & skriptBit::Abbrechen, 0u);

    Fenster interaktiv = fensterhandles.interaktivFenster;
    pt::boxAntworten({antwort::Ja});
    druecken(taste::Esc, 27);
    EXPECT_EQ(pt::boxLog().back().text, "Skriptbearbeitung abbrechen?");
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_EQ(skriptStatus, skriptBit::Laeuft | skriptBit::Abbrechen);
    EXPECT_FALSE(istFenster(interaktiv));

    druecken(taste::Esc, 27);               // cancelled once: a further Esc aborts without asking
    EXPECT_EQ(pt::boxLog().size(), 2u);
}

TEST_F(Befehle, AnzeigedauerAusDemEingabedialogF12UndStrgF5OeffnenIhnWiederAberKeinenAltenKontextpunkt)
{
    const struct { const char* getippt; int knopf, dauer; } faelle[] = {
        {"3500", 1, 3500}, {"-20", 1, 0}, {"99", 2, 0},   // negative: 0; Cancel keeps it
    };
    for (const auto& f : faelle) {
        pt::dialogSkript(146, {pt::schritt::tippen(1251, f.getippt), pt::schritt::klicken(f.knopf)});
        befehl(befehlAnzeigedauerInfobox);
        EXPECT_EQ(anzeigeboxParameter.anzeigedauer, f.dauer) << f.getippt;
    }
    // a typing error is said and keeps the duration
    anzeigeboxParameter.anzeigedauer = 1500;
    pt::boxAntworten({antwort::Ok});
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "zwei"), pt::schritt::klicken(1)});
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(anzeigeboxParameter.anzeigedauer, 1500);
    EXPECT_EQ(pt::boxLog().size(), 1u);

    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    druecken(taste::F12);
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
    druecken(taste::F5);
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    EXPECT_EQ(pt::dialogLog().size(), 7u);     // the splash, the four openings and the two again

    // a synapse of a context menu long gone must not be edited or deleted by a replay
    letzterDialog = befehlSynapseLoeschenErste + 1;
    druecken(taste::F12);
    EXPECT_EQ(pt::dialogLog().size(), 7u);
    for (const pt::LogEintrag& e : pt::nachrichtenVon(haupt()))
        EXPECT_FALSE(e.nachricht == nachricht::Befehl && loWort(e.w) == befehlSynapseLoeschenErste + 1);
}

// The synapse dynamics commands open their dialog for the current synapse only.
TEST_F(Befehle, DynamikBefehleOeffnenIhrenDialogNurMitAktuellerSynapse)
{
    SynapseDaten s;
    std::tie(s.transmitter.formAlpha, s.transmitter.formBeta, s.psp.art) = std::tuple(16.0, 17.0, 1);
    const std::pair<int, int> befehle[] = {{befehlTransmitterdynamik, 258}, {befehlPspForm, 319}, {befehlFazilitation, 304}};
    for (const auto& [id, vorlage] : befehle) {
        aktuelleSynapse = nullptr;
        const size_t vorher = pt::dialogLog().size();
        befehl(id);
        EXPECT_EQ(pt::dialogLog().size(), vorher);
        aktuelleSynapse = &s;
        pt::dialogSkript(vorlage, {pt::schritt::klicken(2)});
        befehl(id);
        EXPECT_EQ(std::tuple(pt::dialogLog().back().vorlage, pt::dialogLog().back().ergebnis, letzterDialog),
                  std::tuple(vorlage, intptr_t{2}, id));
    }
    aktuelleSynapse = nullptr;
}

TEST_F(Befehle, DendritBefehleSetzenModusUndKompartimente)
{
    NeuronDaten* n = NeuronFall::neu(1);
    ASSERT_TRUE(n);
    const int segmente[] = {0, 1, 3, 6};
    for (int i = 0; i < 4; ++i) {
        hauptfensterBefehl(nullptr, befehlKeinDendrit + i);
        EXPECT_EQ(simulationsParameter.netzwerktyp, i + 1);
        EXPECT_EQ(simulationsParameter.anzahlSegmente, segmente[i]);
        EXPECT_EQ(n->potentiale.size() + n->stromTabellen.size(), 2 * static_cast<size_t>(segmente[i] + 1));
    }
}

TEST_F(Befehle, NeuronDialogeOeffnenUeberIhreBefehleUndMerkenSichDenBefehl)
{
    laufbaresNetz(2, ordner);
    neuronMarkieren(neuronKette.kopf, 1);
    neuronMarkieren(neuronKette.kopf->naechstesNeuron, 1);
    const struct { int befehl, vorlage; } faelle[] = {
        {befehlPhysiologie, 117}, {befehlPhysiologieKontext, 117}, {befehlMorphologie, 138},
        {befehlMorphologieKontext, 138}, {befehlRauschen, 149}, {befehlPotentialbegrenzung, 315},
        {befehlPotentialbegrenzungKontext, 315}, {befehlVoltageClamp, 0}};   // two marked: no clamp
    for (const auto& f : faelle) {
        if (f.vorlage)
            pt::dialogSkript(f.vorlage, {pt::schritt::klicken(2)});
        const size_t vorher = pt::dialogLog().size();
        const int letzter = letzterDialog;
        befehl(f.befehl);
        // a command refused as its grey item is not the dialog F12 opens again
        EXPECT_EQ(letzterDialog, f.vorlage ? f.befehl : letzter);
        EXPECT_EQ(pt::dialogLog().size() - vorher, f.vorlage ? 1u : 0u) << f.befehl;
    }
    EXPECT_FALSE(befehlVerfuegbar(befehlVoltageClamp));
    neuronMarkieren(neuronKette.kopf, 0);
    EXPECT_TRUE(befehlVerfuegbar(befehlVoltageClamp));
}

// "Skript laden" releases the loaded script also when the dialog is cancelled, but not for a
// file that is no script; "Skript schliessen" releases it
TEST_F(Befehle, SkriptLadenUndSchliessen)
{
    laufbaresNetz(1, ordner);
    testhilfe::schreiben(ordner + "a.skr", "SDAUER=0.02 SAUFLOESUNG=0.0001 SELSYNDELAY=O NEU=1 SIM=\n");
    pt::boxAntworten({antwort::Ok, antwort::Ok});   // the two loads' reports
    pt::dateiAntworten({pt::dateiAntwort(ordner + "a.skr"), pt::dateiAbbruch(), pt::dateiAntwort(ordner + "a.skr")});
    befehl(befehlSkriptLaden);
    EXPECT_TRUE(skriptStatus & skriptBit::Geladen);
    EXPECT_EQ(skript.anweisungen.size(), 2u);
    befehl(befehlSkriptLaden);                  // cancelled: the loaded script stays
    EXPECT_TRUE(skriptStatus & skriptBit::Geladen);
    EXPECT_EQ(skript.anweisungen.size(), 2u);
    EXPECT_EQ(skript.pfad, ordner + "a.skr");
    befehl(befehlSkriptLaden);
    // a file that is no script: ten notices, the refusal, and the script stays
    std::string fremd;
    for (int i = 0; i < 11; ++i, pt::boxAntworten({antwort::Ok}))
        fremd += "Eintrag=ja\r\n";
    testhilfe::schreiben(ordner + "b.cfg", fremd);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "b.cfg")});
    befehl(befehlSkriptLaden);
    EXPECT_TRUE(skriptStatus & skriptBit::Geladen);
    EXPECT_EQ(skript.anweisungen.size(), 2u);
    befehl(befehlSkriptSchliessen);
    EXPECT_FALSE(skriptStatus & skriptBit::Geladen);
    EXPECT_TRUE(skript.anweisungen.empty());
}

// Every command whose handler can make or delete a neuron or a synapse is refused while a
// run goes on, with the notice of the lock or of its handler, and nothing is made or
// deleted. The list comes from the handlers: what replaces or clears the network, makes or
// deletes neurons, makes, re-creates or deletes synapses (the synapse and group menus and
// dialog 306 too), runs a script (whose statements re-create synapses), and what opens or
// closes the permutation display, which has a neuron of its own, or frees what it shows.
TEST_F(Befehle, ImLaufMachtOderLoeschtKeinBefehlEinNeuronOderEineSynapse)
{
    laufbaresNetz(2, ordner);
    SynapseDaten* s = synapseNeu(neuronSuchen(1), neuronSuchen(2), 0, 1e-7, 0.003, -0.04, 0.05, 0, nullptr);
    synapsenTabelleSetzen(s->id, s);
    neuronMarkieren(neuronSuchen(1), 1);
    permutationsDefinition.synapsen.push_back({s->id, {0.0, 1e-7}});
    befehl(befehlPermutationsmodusEinschalten);
    ASSERT_TRUE(modusStatus & modusBit::Permutationsmodus);
    modusStatus |= modusBit::DefinitionDa;
    permutationsErgebnisse.einzel.nummer = 1;       // the display would have something to show
    const int befehle[] = {
        befehlDateiOeffnen, befehlDateiSchliessen, befehlDefinitionImportieren, befehlAuswertemodus,
        befehlNeuronNeu, befehlNeuroneKopieren, befehlNeuroneLoeschen,
        befehlSynapseNeu, befehlSynapseNeuKontext, befehlSynapseAendern, befehlSynapseBearbeitenErste,
        befehlSynapseLoeschenErste, befehlAxoSynapseErste, befehlGruppeBearbeiten, befehlAlleSynapsenBearbeiten,
        befehlGruppenMitgliedErste, befehlGruppeAufloesenErste,
        befehlSkriptStarten, befehlSkriptTesten, befehlSkriptNeuLadenUndStarten, befehlSkriptInteraktiv,
        befehlPermutationsmodusEinschalten, befehlPmtDefinitionLaden, befehlPmtErgebnisseDarstellen,
        befehlPmtStarten, befehlPmtErneutStarten, befehlPmtPartiell, befehlPmtFreieReihenfolge,
        befehlPmtErgebnisseLaden, befehlPmtErgebnisseUnsortiertLaden, befehlPmtIndexPartiellLesen,
        befehlPmtIndexAusBinDateien, befehlPmtErgebnisdateienSchliessen, befehlPmtNeuBewerten,
        befehlPmtBurstBewertung, befehlPmtDublettenSuchen, befehlPmtErgebnisAnzahl,
    };
    programmStatus |= programmBit::LaufAktiv;
    for (const int b : befehle) {
        SCOPED_TRACE(b);
        const size_t vorher = pt::boxLog().size();
        pt::boxAntworten({antwort::Ok});
        befehl(b);
        ASSERT_EQ(pt::boxLog().size(), vorher + 1);
        EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[881]);
        EXPECT_EQ(std::tuple(NeuronFall::nummern(), synapseNachId(s->id), synapsenZaehler, permutationsPseudoNeuron()),
                  std::tuple(std::vector{1, 2}, s, 1, nullptr));
    }
    programmStatus &= ~programmBit::LaufAktiv;
    befehl(befehlPmtModusBeenden);
    permutationZuruecksetzen();
}
