// tests/lauf/test_lauf.cpp - run start, run driver and time loop
#include "../app/app_hilfe.h"
#include "../model/test_swim_hilfe.h"
#include "app/anschluesse.h"
#include "model/ergebnisdateien.h"
#include "model/lauf_anschluesse.h"
#include "model/laufstart.h"
#include "model/simulationspruefung.h"
#include "model/zeitschleife.h"
#include "platform/box.h"
#include <filesystem>

namespace pt = plattform::test;

namespace {

// 40039's default, taken before any test resets the frame's seams
void (*const startStandard)() = anschluss::simulationStarten;

int durchlaeufe = 0;
std::vector<std::tm> zeiten;
size_t zeitIndex = 0;

std::tm zeitstempel(int sekunde)
{
    std::tm z{};
    z.tm_year = 124; z.tm_mon = 2; z.tm_mday = 5; z.tm_hour = 7; z.tm_min = 8; z.tm_sec = sekunde;
    return z;
}
std::tm naechsteZeit() { return zeiten[std::min(zeitIndex++, zeiten.size() - 1)]; }

std::string ordnerNeu()
{
    std::string v = std::filesystem::temp_directory_path().string() + "/velnor-lauf-XXXXXX";
    EXPECT_NE(mkdtemp(v.data()), nullptr);
    return v + "/";
}

struct Lauf : SwimFall {
    std::string ordner;
    void SetUp() override
    {
        SwimFall::SetUp();
        laufAnschluesseZuruecksetzen();
        durchlaeufe = 0;
        synapsenBerechnen = [] { ++durchlaeufe; };
        zeiten = {zeitstempel(1)};
        zeitIndex = 0;
        ortszeitHolen = naechsteZeit;
        ordner = ordnerNeu();
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        asciiExportEinstellungen = {};
        pspMessungAktiv = 0;
    }
    void TearDown() override
    {
        laufAnschluesseZuruecksetzen();
        std::filesystem::remove_all(ordner);
        SwimFall::TearDown();
    }
    void laufzeit(double dauer, double schritt) { laufzeitSetzen(dauer, schritt); }
};

} // namespace

TEST_F(Lauf, SchleifeZaehltEinenDurchlaufMehrAlsSchritte)
{
    struct Fall { double dauer, schritt; int durchlaeufe, schritte; };
    for (const Fall f : {Fall{1.0, 1e-4, 10001, 10000}, Fall{0.3, 1e-4, 3001, 3000}, Fall{1.0, 3e-4, 3334, 3333}}) {
        laufzeit(f.dauer, f.schritt);
        durchlaeufe = 0;
        EXPECT_EQ(simulationAusfuehren(), f.durchlaeufe);
        EXPECT_EQ(durchlaeufe, f.durchlaeufe);
        EXPECT_EQ(anzahlSchritteBerechnen(f.dauer, f.schritt), f.schritte);
        EXPECT_DOUBLE_EQ(laufZustand.t, f.dauer);
    }
}

TEST_F(Lauf, DerZusaetzlicheDurchlaufSchreibtNieUeberDenPufferUndDieAnzahlIstDieSchrittzahl)
{
    NeuronDaten* n = neu(1);
    n->modellTyp = 0;                       // carried, never stepped
    n->hauptDiagramm.kurven[0].anzeigen = 1;
    laufzeit(1.0, 1e-4);
    ASSERT_TRUE(laufDiagrammeVorbereiten(*n));
    datenAufzeichnen = [](double, int start) {
        if (start)
            return;
        KurvenDaten& k = neuronKette.kopf->hauptDiagramm.kurven[0];
        ASSERT_LT(k.schreibPosition, k.werte.size());
        k.werte[k.schreibPosition++] = 1.0f;
    };
    EXPECT_EQ(simulationAusfuehren(), 10001);
    EXPECT_EQ(n->hauptDiagramm.kurven[0].werteAnzahl, 10000);
}

TEST_F(Lauf, DauerNullMachtKeinenSchrittUndRechnetDasEnde)
{
    laufZustand.t = 5.0;
    simulationsParameter.simulationsDauer = 0.0;
    EXPECT_EQ(simulationAusfuehren(), 0);
    EXPECT_EQ(durchlaeufe, 0);
    EXPECT_EQ(laufZustand.t, 0.0);
    EXPECT_TRUE(programmStatus & programmBit::WiederherstellenAuslassen);
    EXPECT_EQ(statusTexte[0], "\tSimulation beendet");
}

TEST_F(Lauf, AbgelehnteEinrichtungMachtKeinenLaufUndKeinErgebnis)
{
    NeuronDaten& n = neuron();
    n.spikezeitenSpeichern = 1;
    BenutzerKanal k;
    k.stromUeberSynapse = 1;
    k.leitfaehigkeit = 1e-9;
    k.synapseId = 0;                        // names no synapse: the start state refuses
    n.benutzerKanaele.push_back(k);
    laufzeit(0.01, 1e-4);
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    simulationStarten();
    EXPECT_EQ(durchlaeufe, 0);
    EXPECT_FALSE(programmStatus & (programmBit::LaufErgebnisDa | programmBit::ErgebnisDa | programmBit::LaufAktiv));
    EXPECT_EQ(laufZustand.eingerichtet, 0);
    EXPECT_TRUE(std::filesystem::is_empty(ordner));
}

TEST_F(Lauf, AbgebrochenerLaufSetztDieErgebnisBitsUndLoeschtDenAbbruch)
{
    laufzeit(0.01, 1e-4);
    neuron();
    synapsenBerechnen = [] {
        if (++durchlaeufe == 5)
            laufZustand.abbrechen = 1;
    };
    simulationStarten();
    EXPECT_EQ(durchlaeufe, 5);
    EXPECT_EQ(laufZustand.abbrechen, 0);
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_TRUE(programmStatus & programmBit::ErgebnisDa);
    EXPECT_FALSE(programmStatus & programmBit::LaufAktiv);
    EXPECT_NE(statusTexte[0], meldungFormatieren(771));   // no finished text after an abort
}

TEST_F(Lauf, StatustexteEinesInteraktivenLaufs)
{
    laufzeit(0.01, 1e-4);
    neuron();
    programmStatus |= programmBit::SpikesZaehlen;
    simulationStarten();
    EXPECT_EQ(statusTexte[0], meldungFormatieren(771));
    EXPECT_EQ(statusTexte[3], "");
    EXPECT_EQ(statusTexte[1].rfind("\tAPs: ", 0), 0u);
    EXPECT_EQ(laufZustand.nachLauf, 1);
}

TEST_F(Lauf, ErgebnisnamenTragenDenZeitstempelOhneLeerzeichen)
{
    zeiten = {zeitstempel(9)};
    ergebnisNamenBilden();
    EXPECT_EQ(ergebnisNamen.spikeZeiten, ordner + "netz 240305070809 spike-zeiten.txt");
    EXPECT_EQ(ergebnisNamen.pspAmplituden, ordner + "netz 240305070809 psp amplituden.txt");
    EXPECT_TRUE(ergebnisNamen.exportDatei.empty());
}

TEST_F(Lauf, VorhandenerExportNameFragt338NeinNimmtNeueZeitJaLoeschtDieAlte)
{
    programmStatus |= programmBit::WerteExportieren;
    const std::string alt = ordner + "netz 240305070801 soma potential.TXT";
    apphilfe::schreiben(alt, "x");
    zeiten = {zeitstempel(1), zeitstempel(2), zeitstempel(2)};
    pt::boxAntworten({plattform::antwort::Nein});
    ergebnisNamenBilden();
    EXPECT_EQ(ergebnisNamen.exportDatei, ordner + "netz 240305070802 soma potential.TXT");
    EXPECT_EQ(ergebnisNamen.laufInfo, ordner + "netz 240305070802 info.TXT");
    EXPECT_TRUE(std::filesystem::exists(alt));
    ASSERT_FALSE(pt::ereignisLog().empty());
    EXPECT_EQ(pt::ereignisLog().front().text, meldungFormatieren(338, alt));

    zeiten = {zeitstempel(1)};
    zeitIndex = 0;
    pt::boxAntworten({plattform::antwort::Ja});
    ergebnisNamenBilden();
    EXPECT_EQ(ergebnisNamen.exportDatei, alt);
    EXPECT_FALSE(std::filesystem::exists(alt));
}

TEST_F(Lauf, SpikezeitenUndPspDateiEinesInteraktivenLaufs)
{
    laufzeit(0.01, 1e-4);
    NeuronDaten& n = neuron();
    n.name = "N1";
    n.spikezeitenSpeichern = 1;
    n.pspModus = 0x10;
    pspMessungAktiv = 1;
    // the step leaves two spikes and one PSP, as the SWIM step records them
    modellSchritt[2] = [](NeuronDaten& m) {
        if (laufZustand.t == 0.0) {
            m.spikeZeiten = {0.0125f, 1.5f};
            m.apAnzahl = 2;
            laufZustand.apAnzahl = 2;
            m.pspZeiten = {0.25f};
            m.pspAmplituden = {1.5f};
            m.pspAnzahl = 1;
        }
    };
    simulationStarten();
    modellSchritt[2] = [](NeuronDaten&) { swimModellBerechnen(); };
    const std::string stempel = " 240305070801 ";
    EXPECT_EQ(apphilfe::lesen(ordner + "netz" + stempel + "spike-zeiten.txt"), "N1\r\n0,013\r\n1,500\r\n\r\n");
    EXPECT_EQ(apphilfe::lesen(ordner + "netz" + stempel + "psp amplituden.txt"),
              "N1\r\nzeit\tpsp-amplitude\r\n0,250\t1,50000\r\n\r\n");
}

TEST_F(Lauf, KopieInWeitereDiagrammeNimmtDieKleinereAnzahlUndUebergehtFehlendePuffer)
{
    NeuronDaten* n = neu(1);
    DiagrammDaten weiteres;
    n->hauptDiagramm.naechstes = &weiteres;
    n->hauptDiagramm.fenster = reinterpret_cast<plattform::Fenster>(1);   // only tested for presence
    n->hauptDiagramm.kurven[0].werte.assign(10, 2.0f);
    n->hauptDiagramm.kurven[0].werteAnzahl = 10;
    weiteres.kurven[0].anzeigen = 1;
    weiteres.kurven[0].werte.assign(4, 0.0f);
    weiteres.kurven[1].anzeigen = 1;        // no buffer here: skipped
    n->hauptDiagramm.kurven[1].werte.assign(3, 1.0f);
    n->hauptDiagramm.kurven[1].werteAnzahl = 3;
    for (int i = 0; i < 40; ++i)
        pt::boxAntworten({1});             // appended to the queue
    laufKurvenUebertragen(*n);
    EXPECT_EQ(weiteres.kurven[0].werteAnzahl, std::min(10, static_cast<int>(weiteres.kurven[0].werte.size())));
    EXPECT_EQ(weiteres.kurven[0].werte[3], 2.0f);
    EXPECT_TRUE(weiteres.kurven[1].werte.empty());
    for (DiagrammDaten* d : {&n->hauptDiagramm, &weiteres})
        for (KurvenDaten& k : d->kurven) {
            plattform::loeschen(k.stift);
            plattform::loeschen(k.pinsel);
            k.stift = nullptr;
            k.pinsel = nullptr;
        }
    n->hauptDiagramm.naechstes = nullptr;
    n->hauptDiagramm.fenster = nullptr;
}

// the whole program: F2 in the main window runs a few SWIM neurons to the end
struct LaufImProgramm : apphilfe::AppFall {};

TEST_F(LaufImProgramm, F2RechnetEinigeSwimNeuroneBisZumEnde)
{
    ASSERT_NE(startStandard, nullptr);
    ASSERT_TRUE(starten());
    anschluss::simulationStarten = startStandard;
    laufAnschluesseZuruecksetzen();
    const std::string ordner = std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/";
    standardDateienVorgeben();
    standardDateien.allgemein = ordner + "standard.gen";
    standardDateien.swim = ordner + "swim.channel";
    simulationsParameter.netzwerktyp = 1;
    simulationsParameter.anzahlSegmente = 0;
    for (int i = 1; i <= 3; ++i) {
        NeuronDaten* n = NeuronFall::neu(i);
        ASSERT_NE(n, nullptr);
        ASSERT_TRUE(kompartimenteAnpassen(*n, 0));
        ASSERT_EQ(stdParameterAllgemeinLaden(*n), 1);
        ASSERT_EQ(stdParameterModell2Laden(*n), 1);
        n->modellTyp = modell::Swim;
    }
    laufzeitSetzen(0.02, 1e-4);
    dateipfade.dokumentVerzeichnis = this->ordner;
    dateipfade.netzName = "netz";
    pt::tasteDruecken(haupt(), plattform::taste::F2);
    plattform::nachrichtenVerarbeiten();
    for (const auto& e : pt::ereignisLog())
        if (e.art == pt::Ereignis::Box)
            ADD_FAILURE() << e.text;
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa) << statusTexte[0] << "|" << statusTexte[3] << "|" << neuronKette.anzahl;
    EXPECT_FALSE(programmStatus & programmBit::LaufAktiv);
    EXPECT_DOUBLE_EQ(laufZustand.t, 0.02);
    EXPECT_EQ(laufZustand.eingerichtet, 1);
    EXPECT_EQ(statusTexte[0], meldungFormatieren(771));
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        EXPECT_NE(n->potentiale[0], 0.0);
    netzLoeschen();
    standardDateienVorgeben();
}
