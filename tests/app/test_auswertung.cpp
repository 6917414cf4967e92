// tests/app/test_auswertung.cpp - the evaluation mode driven through its window: a result
// file of the series script opened, stepped through, indexed, found again and closed
#include "app_hilfe.h"
#include "model/anzeigeeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/permutationsfenster.h"
#include "model/netzeinstellungen.h"
#include "model/skript.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include "script/ausfuehrung.h"
#include "script/auswertung.h"
#include "../stuetzen/reizserie_skript.h"
#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {
using namespace apphilfe;
namespace fs = std::filesystem;

// the series script of the result-file tests
const std::string& reihe = reizserieSkript;

constexpr int Ja = plattform::antwort::Ja, Nein = plattform::antwort::Nein;

struct AuswertungFall : AppFall {
    fs::path vorher = fs::current_path();

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        // the script log goes to the working folder
        fs::current_path(ordner);
        laufzeitSetzen(0.2, 1e-4);
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptMeldungenAnzeigen = 0;
        maxBinDateiGroesse = 0;
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
        dateipfade.vollerPfad = dateipfade.ergebnisVerzeichnis = "";
        const char* namen[] = {"Sensor links", "Motor", "Inter"};
        for (int i = 1; i <= 3; ++i)
            NeuronFall::neu(i)->name = namen[i - 1];
        SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        // the network the user saved: a script run writes no file of the user's
        befehl(befehlGuiDateiSpeichern);
        schreiben(ordner + "sim liste.txt", "2 5\r\n6\r\n11 15\r\n");
        // each simulation leaves ramps in Motor's curves 1 and 3
        skriptLaufHaken = [] {
            DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
            for (int slot : {0, 2}) {
                d.kurven[slot].werte.resize(2000);
                for (int i = 0; i < 2000; ++i)
                    d.kurven[slot].werte[static_cast<size_t>(i)] = (slot ? -0.001f : 0.001f) * static_cast<float>(i);
            }
        };
    }
    void TearDown() override
    {
        auswertungAbbauen();
        skriptAbbauen();
        maxBinDateiGroesse = 0;
        fs::current_path(vorher);
        AppFall::TearDown();
    }

    // the series script run into ordner/name; the script released afterwards. With
    // permutation, the run's script names that permutation definition, whose text the result
    // file then carries (no statement of ours names one; files from elsewhere have it).
    void laufen(const std::string& name, const std::string& permutation = "")
    {
        std::string t = reihe;
        t.replace(t.find("ORDNER/"), 7, ordner);
        schreiben(ordner + "t.skr", t);
        skript.pfad = ordner + "t.skr";
        skriptStatus = skriptBit::DateiAusSkriptLaden;
        ASSERT_EQ(skriptLaden(skript), 1);
        skript.pmtName = dateipfade.permutationsDefinition = permutation;
        pt::dateiAntworten({pt::dateiAntwort(ordner + name)});
        ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
        skriptFreigeben(skript);
        skriptStatus = 0;
    }

    static Fenster fenster() { return auswertungsfenster.fenster; }
    static void befehlAn(int id)
    {
        ASSERT_TRUE(pt::menueBefehlWaehlen(fenster(), id)) << id;
        nachrichtenVerarbeiten();
    }
    static void taste(int t)
    {
        pt::tasteDruecken(fenster(), t);
        nachrichtenVerarbeiten();
    }
    // the texts the window paints, in order
    static std::vector<std::string> gemalt()
    {
        ungueltigMachen(fenster());
        neuZeichnen(fenster());
        std::vector<std::string> t;
        for (const pt::ZeichenAufruf& z : pt::letzteZeichnung(fenster()))
            if (z.art == pt::ZeichenArt::Text)
                t.push_back(z.text);
        return t;
    }
    static std::vector<std::string> zeile(int nummer, const char* syn, const char* amplitude)
    {
        return {"Simulationsnummer:", std::to_string(nummer), "leitfaehigkeit syn1 von Sensor links:", syn,
                "amplitude von Sensor links:", amplitude};
    }
    // the grey items of the window's menu, as its popup shows them
    static std::vector<int> grau()
    {
        senden(fenster(), nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(fensterMenue(fenster())), 0);
        std::vector<int> g;
        for (int id : {auswertungBefehlDateiOeffnen, auswertungBefehlWeitereDateien, auswertungBefehlMehrereDateien,
                       auswertungBefehlDateiSchliessen, auswertungBefehlIndexOeffnen, auswertungBefehlIndexSpeichern,
                       auswertungBefehlEinstellungenSpeichern, auswertungBefehlSkriptSpeichern,
                       auswertungBefehlModusBeenden, auswertungBefehlDarstellen})
            if (istGrau(fensterMenue(fenster()), id, Nach::Befehl))
                g.push_back(id);
        return g;
    }
    static std::vector<std::pair<int, int>> piepser()
    {
        std::vector<std::pair<int, int>> p;
        for (const pt::Ereignis& e : pt::ereignisLog())
            if (e.art == pt::Ereignis::Piep)
                p.emplace_back(e.a, e.b);
        return p;
    }
    static std::vector<std::string> tmpDateien(const std::string& ordner)
    {
        std::vector<std::string> t;
        for (const auto& e : fs::directory_iterator(ordner))
            if (e.path().filename().string().find(" tmp aus bin ") != std::string::npos ||
                e.path().filename().string().starts_with("!   tmp"))
                t.push_back(e.path().filename().string());
        return t;
    }
    static int neurone()
    {
        int n = 0;
        for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
            ++n;
        return n;
    }
    // 40195 with the network closed (not saved when offered) and the file chosen
    void oeffnen(const std::string& pfad)
    {
        pt::boxAntworten({Ja, Nein});
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        befehlAn(auswertungBefehlDateiOeffnen);
    }
};

TEST_F(AuswertungFall, ErgebnisdateiOeffnenBlaetternIndexUndSchliessen)
{
    laufen("erg.bin");
    befehl(befehlAuswertemodus);
    ASSERT_TRUE(istFenster(fenster()));
    EXPECT_FALSE(istFreigegeben(haupt()));
    EXPECT_EQ(titel(fenster()), "Auswertungsfenster");
    EXPECT_EQ(grau(), (std::vector<int>{40209, 40193, 40206, 40217, 40191}));

    // the network and the script come from the file; what was written out goes again
    oeffnen(ordner + "erg.bin");
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].text, "aktuelle datei schliessen?");
    EXPECT_EQ(pt::boxLog()[1].text, meldungFormatieren(802, ordner + "netz.gui"));
    EXPECT_EQ(std::tuple(neurone(), skript.anweisungen.size(), tmpDateien(ordner).size()), std::tuple(3, size_t{23}, size_t{1}));
    // read from a copy that is gone: no file of its own; the settings remember the last one
    EXPECT_EQ(std::tuple(dateipfade.ohneNetzdatei, dateipfade.letzteNetzDatei), std::tuple(true, "netz"));
    EXPECT_EQ(auswertungsdaten.index.size(), 7u);
    const DiagrammDaten& motor = neuronNachNummer(2)->hauptDiagramm;
    for (int slot : {0, 2}) {
        const KurvenDaten& k = motor.kurven[static_cast<size_t>(slot)];
        ASSERT_EQ(std::tuple(k.werte.size(), k.werteAnzahl, k.anzeigen), std::tuple(size_t{2000}, 2000, 1)) << slot;
        EXPECT_EQ(k.werte[1999], (slot ? -0.001f : 0.001f) * 1999);
    }
    EXPECT_EQ(gemalt(), zeile(1, "2.5e-09", "5e-10"));
    EXPECT_EQ(grau(), (std::vector<int>{40195, 40211, 40191}));
    skriptStatus &= ~skriptBit::ErgebnisseAngezeigt;   // loaded, not shown: 40191 shows it
    EXPECT_EQ(grau(), (std::vector<int>{40195, 40211}));
    befehlAn(auswertungBefehlDarstellen);

    // stepping: the last, past it, the first, before it, the thumb
    taste(plattform::taste::Ende);
    EXPECT_EQ(gemalt(), zeile(7, "5e-09", "1.25e-09"));
    pt::logLeeren();
    taste(plattform::taste::Runter);
    taste(plattform::taste::Pos1);
    EXPECT_EQ(piepser(), (std::vector<std::pair<int, int>>{{1000, 100}}));
    taste(plattform::taste::BildHoch);
    EXPECT_EQ(piepser().size(), 2u);
    EXPECT_EQ(gemalt(), zeile(1, "2.5e-09", "5e-10"));
    pt::scrollen(fenster(), true, scroll::DaumenPosition, 3);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gemalt(), zeile(4, "3.75e-09", "5e-10"));
    EXPECT_EQ(scrollLeiste(fenster(), true).position, 3);

    // the index saved under a name is the one the writer makes over the file
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.inx")});
    befehlAn(auswertungBefehlIndexSpeichern);
    Auswertungsdaten direkt;
    direkt.ergebnisPfad = ordner + "erg.bin";
    direkt.indexPfad = ordner + "direkt.inx";
    ASSERT_EQ(ergebnisDateiLaden(direkt, 0), 1);
    ASSERT_EQ(ergebnisIndexSpeichern(direkt, 0), 1);
    ASSERT_EQ(ergebnisIndexErstellen(direkt, 0), 1);
    ASSERT_EQ(indexDateiListeAktualisieren(direkt), 1);
    EXPECT_EQ(lesen(ordner + "erg.inx"), lesen(direkt.indexPfad));
    EXPECT_TRUE(tmpDateien(ordner).empty()) << "the temporary index goes with the save";

    // the index again after its result file moved: asked once, found through the dialog
    fs::create_directory(ordner + "weg");
    fs::rename(ordner + "erg.bin", ordner + "weg/erg.bin");
    // (the network the index brings replaces the one of the file before: it is offered)
    const size_t boxen = pt::boxLog().size();
    pt::boxAntworten({Ja, Nein});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.inx"), pt::dateiAntwort(ordner + "weg/erg.bin")});
    befehlAn(auswertungBefehlIndexOeffnen);
    ASSERT_EQ(pt::boxLog().size(), boxen + 2);
    EXPECT_NE(pt::boxLog()[boxen].text.find("nicht finden"), std::string::npos);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[803]);
    EXPECT_EQ(auswertungsdaten.namen, std::vector<std::string>{ordner + "weg/erg.bin"});
    EXPECT_EQ(std::tuple(neurone(), auswertungsdaten.index.size()), std::tuple(3, size_t{7}));
    EXPECT_EQ(gemalt(), zeile(1, "2.5e-09", "5e-10"));

    // closing: the data go, the window says so
    taste(plattform::taste::Runter);
    befehlAn(auswertungBefehlDateiSchliessen);
    EXPECT_EQ(skriptStatus & (skriptBit::AuswertungsdatenDa | skriptBit::ErgebnisKopfGeladen), 0u);
    EXPECT_EQ(pt::statusleisteZustand(auswertungsfenster.statusleiste)->teile.at(statusEinfacherTeil).text,
              "\tnix geladen");
    EXPECT_TRUE(gemalt().empty());
    EXPECT_FALSE(scrollLeiste(fenster(), true).sichtbar);
}

// Leaving the mode keeps the results and takes its temporary files away; the network is one
// without a file, named after the result file as one read from curve data is after that.
TEST_F(AuswertungFall, VerlassenBehaeltDieDatenUndWiederEintretenZeigtDasErgebnis)
{
    schreiben(ordner + "netz.pmt", "definition der synaptischen leitfaehigkeiten zur flexiblen permutation=\n");
    laufen("erg.bin", ordner + "netz.pmt");
    laufen("mehr.bin");
    befehl(befehlAuswertemodus);
    oeffnen(ordner + "erg.bin");
    // the temporary index and the copy of the permutation definition the file carries
    ASSERT_EQ(tmpDateien(ordner).size(), 2u);
    taste(plattform::taste::Runter);
    taste(plattform::taste::Runter);

    // 40197 and the close box leave the mode; the data stay, the temporary files go
    for (bool schliessbox : {false, true}) {
        SCOPED_TRACE(schliessbox);
        if (schliessbox)
            senden(fenster(), nachricht::Schliessen);
        else
            befehlAn(auswertungBefehlModusBeenden);
        EXPECT_EQ(fenster(), nullptr);
        EXPECT_TRUE(istFreigegeben(haupt()));
        EXPECT_EQ(skriptStatus & (skriptBit::AuswertungsModus | skriptBit::ErgebnisseAngezeigt), 0u);
        EXPECT_NE(skriptStatus & skriptBit::AuswertungsdatenDa, 0u);
        EXPECT_TRUE(tmpDateien(ordner).empty());
        EXPECT_EQ(titel(haupt()), ordner + "erg.bin");
        const size_t fragen = pt::dateiWahlLog().size();
        pt::dateiAntworten({pt::dateiAbbruch()});
        befehl(befehlGuiDateiSpeichern);
        ASSERT_EQ(pt::dateiWahlLog().size(), fragen + 1);
        const auto& gefragt = pt::dateiWahlLog().back().gefragt;
        EXPECT_EQ(std::tie(gefragt.ordner, gefragt.name, gefragt.endung),
                  std::tuple(ordner.substr(0, ordner.size() - 1), "erg", "gui"));
        befehl(befehlAuswertemodus);
        EXPECT_EQ(gemalt(), zeile(3, "2.5e-09", "1.25e-09"));
        EXPECT_EQ(scrollLeiste(fenster(), true).position, 2);
    }
    // the next file indexed makes a temporary index of its own, which leaving takes again
    pt::dateiAntworten({pt::dateiAntwort(ordner + "mehr.bin")});
    befehlAn(auswertungBefehlWeitereDateien);
    EXPECT_EQ(std::tuple(auswertungsdaten.index.size(), tmpDateien(ordner).size()), std::tuple(size_t{14}, size_t{1}));
    befehlAn(auswertungBefehlModusBeenden);
    EXPECT_TRUE(tmpDateien(ordner).empty());
    befehl(befehlSkriptSchliessen);
    EXPECT_TRUE(auswertungsdaten.index.empty());
}

TEST_F(AuswertungFall, FensterplatzGehtInDieEinstellungsdateiUndKommtSchluesselweiseZurueck)
{
    laufen("erg.bin");
    befehl(befehlAuswertemodus);
    oeffnen(ordner + "erg.bin");
    verschieben(fenster(), 100, 50, 600, 400);
    befehlAn(auswertungBefehlEinstellungenSpeichern);
    EXPECT_EQ(lesen(ordner + "auswertung.cfg"),
              "auswertfenster xl=100\nauswertfenster yl=50\nauswertfenster breite=600\nauswertfenster hoehe=400\n");
    schreiben(ordner + "auswertung.cfg", "auswertfenster yl=7");
    ASSERT_EQ(auswertungEinstellungenLaden(auswertungsdaten), 1);
    const Rechteck& r = auswertungsfenster.rechteck;
    EXPECT_EQ(std::tuple(r.links, r.oben, r.rechts, r.unten), std::tuple(100, 7, 700, 450));
    // numbers that are none, or too large for a screen
    schreiben(ordner + "auswertung.cfg", "auswertfenster xl=nan\nauswertfenster breite=1e300\n");
    ASSERT_EQ(auswertungEinstellungenLaden(auswertungsdaten), 1);
    EXPECT_EQ(std::tuple(r.links, r.rechts), std::tuple(100, 32767));

    // closing deletes the temporary index
    ASSERT_EQ(tmpDateien(ordner).size(), 1u);
    befehlAn(auswertungBefehlDateiSchliessen);
    EXPECT_TRUE(tmpDateien(ordner).empty());
}

// The script is replaced only once the new text is written whole: a failed write keeps
// the old file.
TEST_F(AuswertungFall, SkriptSpeichernErsetztDieDateiErstWennDieNeueGeschriebenIst)
{
    laufen("erg.bin");
    befehl(befehlAuswertemodus);
    oeffnen(ordner + "erg.bin");
    const std::string pfad = ordner + "t.skr";
    schreiben(pfad, "altes skript");
    rlimit grenze{};
    ::getrlimit(RLIMIT_FSIZE, &grenze);
    void (*signalVorher)(int) = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit klein{64, grenze.rlim_max};
    const bool begrenzt = ::setrlimit(RLIMIT_FSIZE, &klein) == 0;
    pt::logLeeren();
    pt::boxAntworten({Ja, 1});
    befehlAn(auswertungBefehlSkriptSpeichern);
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    std::signal(SIGXFSZ, signalVorher);
    if (begrenzt) {
        EXPECT_EQ(lesen(pfad), "altes skript");
        EXPECT_NE(pt::boxLog().back().text.find("nicht gespeichert"), std::string::npos);
    }
    // written: the text of the file with CR LF line ends, reported
    pt::boxAntworten({Ja, 1});
    befehlAn(auswertungBefehlSkriptSpeichern);
    std::string erwartet = reihe;
    erwartet.replace(erwartet.find("ORDNER/"), 7, ordner);
    for (size_t i = erwartet.find('\n'); i != std::string::npos; i = erwartet.find('\n', i + 2))
        erwartet.insert(i, "\r");
    EXPECT_EQ(lesen(pfad), erwartet);
    EXPECT_NE(pt::boxLog().back().text.find("wurde unter"), std::string::npos);
}

// three files of one run: a numbered series from the chosen one on, a wildcard series in
// the order of the names
TEST_F(AuswertungFall, MusterIndiziertNummernreiheUndPlatzhalterInNamensfolge)
{
    laufen("erg.bin");
    const std::string b = lesen(ordner + "erg.bin");
    uint32_t ersterSatz = 0;
    std::memcpy(&ersterSatz, b.data() + 76, 4);
    // three records fit a file: 3 + 3 + 1
    maxBinDateiGroesse = ersterSatz + 2 * 16148 + 8000;
    laufen("lauf.bin");
    for (const char* n : {"lauf 000.bin", "lauf 001.bin", "lauf 002.bin"})
        ASSERT_TRUE(fs::exists(ordner + n)) << n;
    maxBinDateiGroesse = 0;
    // the network comes from the first file of the series
    pt::boxAntworten({Nein});
    befehl(befehlDateiSchliessen);
    ASSERT_EQ(neurone(), 0);
    befehl(befehlAuswertemodus);
    const size_t wahlen = pt::dateiWahlLog().size();

    pt::dialogSkript(146, {[](Fenster d) { EXPECT_EQ(pt::dialogElement(d, 1251)->text, "lauf 001*.bin"); },
                           pt::schritt::tippen(1251, "lauf 001.bin"), pt::schritt::klicken(1)});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "lauf 001.bin"), pt::dateiAntwort(ordner + "lauf .inx")});
    pt::boxAntworten({Ja});
    befehlAn(auswertungBefehlMehrereDateien);
    EXPECT_EQ(auswertungsdaten.namen, (std::vector<std::string>{ordner + "lauf 001.bin", ordner + "lauf 002.bin"}));
    EXPECT_EQ(auswertungsdaten.index.size(), 4u);
    ASSERT_EQ(pt::dateiWahlLog().size(), wahlen + 2);
    EXPECT_EQ(pt::dateiWahlLog()[wahlen + 1].gefragt.name, "lauf ");
    EXPECT_TRUE(fs::exists(ordner + "lauf .inx"));
    EXPECT_EQ(std::tuple(neurone(), skript.anweisungen.size()), std::tuple(3, size_t{23}));
    EXPECT_TRUE(tmpDateien(ordner).empty());
    // the current result is the first of the file indexed last: the seventh simulation
    EXPECT_EQ(gemalt(), zeile(4, "5e-09", "1.25e-09"));

    befehlAn(auswertungBefehlDateiSchliessen);
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "lauf*.bin"), pt::schritt::klicken(1)});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "lauf.bin"), pt::dateiAntwort(ordner + "lauf.inx")});
    pt::boxAntworten({Nein, 1, Ja});           // the network of the first series is offered
    befehlAn(auswertungBefehlMehrereDateien);
    EXPECT_EQ(auswertungsdaten.namen, (std::vector<std::string>{ordner + "lauf 000.bin", ordner + "lauf 001.bin",
                                                                ordner + "lauf 002.bin"}));
    EXPECT_EQ(auswertungsdaten.index.size(), 7u);
    EXPECT_NE(pt::boxLog().at(pt::boxLog().size() - 2).text.find("3 dateien entsprachen"), std::string::npos);
    Auswertungsdaten gelesen;
    gelesen.indexPfad = ordner + "lauf.inx";
    ASSERT_EQ(ergebnisIndexLaden(gelesen), 1);
    EXPECT_EQ(gelesen.namen, auswertungsdaten.namen);
    for (std::FILE* h : gelesen.handles)
        if (h)
            std::fclose(h);

    // a number at the end and wildcards do not go together
    befehlAn(auswertungBefehlDateiSchliessen);
    pt::dialogSkript(146, {pt::schritt::klicken(1)});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "lauf 001.bin")});
    pt::boxAntworten({1});
    befehlAn(auswertungBefehlMehrereDateien);
    EXPECT_NE(pt::boxLog().back().text.find("nummer 001 geladen"), std::string::npos) << pt::boxLog().back().text;
    EXPECT_TRUE(auswertungsdaten.index.empty());
}

// A flow that fails closes what it opened: the result file whose script cannot be loaded
// (its list of simulations is gone) leaves no network, no index and no extracted file. The
// network the file brought came from a copy that is gone: it goes without an offer to save it.
TEST_F(AuswertungFall, EinFehlgeschlagenesOeffnenLaesstNichtsHalbGeladenesZurueck)
{
    laufen("erg.bin");
    fs::remove(ordner + "sim liste.txt");
    befehl(befehlAuswertemodus);
    // the offer for the network before, then the two notices of the script, and nothing after
    const size_t ab = pt::boxLog().size(), wahlen = pt::dateiWahlLog().size();
    pt::boxAntworten({Ja, Nein, 1, 1});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    befehlAn(auswertungBefehlDateiOeffnen);
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    ASSERT_EQ(pt::boxLog().size(), ab + 4);
    EXPECT_EQ(pt::boxLog()[ab + 1].text, meldungFormatieren(802, ordner + "netz.gui"));
    EXPECT_EQ(std::tuple(pt::boxLog()[ab + 2].titel, pt::boxLog()[ab + 3].titel),
              std::tuple(std::string("Hinweis"), std::string("Hinweis")));
    EXPECT_EQ(pt::dateiWahlLog().size(), wahlen + 1);    // the result file's; no save dialog after it
    EXPECT_EQ(std::tuple(neurone(), auswertungsdaten.index.size(), tmpDateien(ordner).size()),
              std::tuple(0, size_t{0}, size_t{0}));
    EXPECT_EQ(skriptStatus & (skriptBit::AuswertungsdatenDa | skriptBit::ErgebnisKopfGeladen), 0u);
    EXPECT_EQ(grau(), (std::vector<int>{40209, 40193, 40206, 40217, 40191}));
}

// A result beyond the list is never shown: entering with one shows the first. The curves
// are the diagrams' own copies, and a result neuron the network lacks is passed over.
TEST_F(AuswertungFall, DasGezeigteErgebnisBleibtInDerListeUndDieKurvenSindKopien)
{
    laufen("erg.bin");
    befehl(befehlAuswertemodus);
    oeffnen(ordner + "erg.bin");
    befehlAn(auswertungBefehlModusBeenden);
    auswertungsdaten.aktuellesErgebnis = 7;
    befehl(befehlAuswertemodus);
    EXPECT_EQ(gemalt(), zeile(1, "2.5e-09", "5e-10"));

    Ergebnisneuron& e = auswertungsdaten.skript.ergebnisneurone.at(0);
    std::fill(e.werte[0].begin(), e.werte[0].end(), 5.0f);
    EXPECT_EQ(neuronNachNummer(2)->hauptDiagramm.kurven[0].werte[1999], 0.001f * 1999);
    befehlAn(auswertungBefehlModusBeenden);
    EXPECT_TRUE(e.werte[0].empty());

    // Motor gone: the next result still reads and shows its values
    befehl(befehlAuswertemodus);
    NeuronFall::weg(neuronNachNummer(2));
    taste(plattform::taste::Runter);
    EXPECT_EQ(gemalt(), zeile(2, "2.5e-09", "5e-10"));
}

// The wildcard series matches "?" and letters without regard to case and stops at a full
// list of 1024 files, with the files before it indexed.
TEST_F(AuswertungFall, PlatzhalterreiheEndetBeiVollerListe)
{
    rlimit offen{};
    ::getrlimit(RLIMIT_NOFILE, &offen);
    rlimit mehr = offen;
    mehr.rlim_cur = std::max<rlim_t>(offen.rlim_cur, std::min<rlim_t>(offen.rlim_max, 4096));
    ::setrlimit(RLIMIT_NOFILE, &mehr);
    ::getrlimit(RLIMIT_NOFILE, &mehr);
    if (mehr.rlim_cur < 1200)
        GTEST_SKIP() << "the list's files cannot all be open here";
    laufen("erg.bin");
    fs::create_directory(ordner + "reihe");
    char name[64];
    for (int i = 0; i < 1025; ++i) {
        std::snprintf(name, sizeof name, "Reihe %04d.BIN", i);
        fs::create_hard_link(ordner + "erg.bin", ordner + "reihe/" + name);
    }
    fs::create_hard_link(ordner + "erg.bin", ordner + "reihe/Reihe 10000.BIN");   // one digit too many
    befehl(befehlAuswertemodus);
    const size_t boxen = pt::boxLog().size();
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "reihe ????.bin"), pt::schritt::klicken(1)});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "reihe/reihe.bin")});
    pt::boxAntworten({Nein, 1, 1, Nein});      // first the offer to save the network the files replace
    befehlAn(auswertungBefehlMehrereDateien);
    ::setrlimit(RLIMIT_NOFILE, &offen);
    ASSERT_EQ(pt::boxLog().size(), boxen + 4);
    EXPECT_EQ(pt::boxLog()[boxen].text, meldungFormatieren(802, ordner + "netz.gui"));
    EXPECT_EQ(pt::boxLog()[boxen + 1].text, "zuviele bin-dateien, einlesen wird beendet");
    EXPECT_NE(pt::boxLog()[boxen + 2].text.find("1024 dateien entsprachen"), std::string::npos);
    EXPECT_EQ(std::tuple(auswertungsdaten.namen.size(), auswertungsdaten.index.size()), std::tuple(size_t{1024}, size_t{7 * 1024}));
    EXPECT_EQ(auswertungsdaten.namen.back(), ordner + "reihe/Reihe 1023.BIN");
}

// No script starts while the evaluation holds the result file's data, in the mode or after
// it: the script then is the result file's, whose extracted file went with its load. Each
// start (Shift+F2 and Ctrl+F2 in a diagram window, Alt+F2, the test run) says so and leaves
// the script, the evaluation and the result file as they were.
TEST_F(AuswertungFall, SkriptStartMitGeladenerErgebnisdateiWirdAbgelehnt)
{
    laufen("erg.bin");
    const std::string bin = lesen(ordner + "erg.bin");
    befehl(befehlAuswertemodus);
    oeffnen(ordner + "erg.bin");
    const Fenster motor = neuronNachNummer(2)->hauptDiagramm.fenster;
    ASSERT_TRUE(istFenster(motor));
    const size_t wahlen = pt::dateiWahlLog().size();
    namespace ts = tastenStatus;
    for (bool imModus : {true, false}) {
        SCOPED_TRACE(imModus);
        if (!imModus)
            befehlAn(auswertungBefehlModusBeenden);
        const uint32_t status = skriptStatus;
        const size_t boxen = pt::boxLog().size();
        pt::boxAntworten({1, 1, 1, 1});
        for (int gehalten : {ts::LinksUmschalt, ts::LinksStrg}) {
            pt::tastenZustandSetzen(gehalten, true);
            pt::tasteDruecken(motor, plattform::taste::F2);
            nachrichtenVerarbeiten();
            pt::tastenZustandSetzen(gehalten, false);
        }
        befehl(befehlSkriptInteraktiv);
        befehl(befehlSkriptTesten);
        ASSERT_EQ(pt::boxLog().size(), boxen + 4);
        for (size_t i = boxen; i < boxen + 4; ++i)
            EXPECT_EQ(pt::boxLog()[i].text, meldungsTexte[1219]) << i - boxen;
        EXPECT_EQ(std::tuple(skriptStatus, skript.anweisungen.size(), auswertungsdaten.index.size()),
                  std::tuple(status, size_t{23}, size_t{7}));
    }
    EXPECT_EQ(pt::dateiWahlLog().size(), wahlen);
    EXPECT_EQ(lesen(ordner + "erg.bin"), bin);
    befehl(befehlAuswertemodus);
    EXPECT_EQ(gemalt(), zeile(1, "2.5e-09", "5e-10"));
}

} // namespace

// The window's place cannot be written (a folder stands where auswertung.cfg goes): a notice,
// and the program and the mode go on.
TEST_F(AuswertungFall, EinstellungenDieNichtGeschriebenWerdenSindEinHinweis)
{
    befehl(befehlAuswertemodus);
    ASSERT_TRUE(istFenster(fenster()));
    const std::string pfad = auswertungEinstellungsPfad(auswertungsdaten);
    fs::create_directory(pfad);
    const size_t ab = pt::boxLog().size();
    pt::boxAntworten({1});
    befehlAn(auswertungBefehlEinstellungenSpeichern);
    ASSERT_EQ(pt::boxLog().size(), ab + 1);
    EXPECT_EQ(std::tuple(pt::boxLog()[ab].titel, pt::boxLog()[ab].text, pt::boxLog()[ab].art & 0xF),
              std::tuple(std::string("Hinweis"), meldungFormatieren(74, pfad), knoepfe::Ok));
    EXPECT_FALSE(programmEndet());
    EXPECT_TRUE(istFenster(fenster()) && istFenster(haupt()));
    EXPECT_EQ(neurone(), 3);
}
