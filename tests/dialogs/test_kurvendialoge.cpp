// tests/dialogs/test_kurvendialoge.cpp - recorded curves (147), channel choice (251), neuron
// name (126) and Izhikevich types (303)
#include "dialogs/darzustellendekurven.h"
#include "dialogs/fensterwerkzeuge.h"
#include "dialogs/izhikevich.h"
#include "dialogs/kanalauswahl.h"
#include "dialogs/neuronname.h"
#include "files/izhikevichtypen.h"
#include "files/netzdatei.h"
#include "model/aufzeichnung.h"
#include "model/kanalzeiger.h"
#include "model/undo.h"
#include "reizdialog_hilfe.h"
#include "testhilfe.h"
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <set>
#include <thread>

using namespace reizdialog;

namespace {

struct KurvenDialoge : Fall {
    Dateipfade vorher = dateipfade;
    void TearDown() override
    {
        dateipfade = vorher;
        Fall::TearDown();
    }
    void SetUp() override
    {
        Fall::SetUp();
        kanalAuswahlPosition = 0;
        izhikevichTypen.clear();
        dateipfade.programmVerzeichnis = testhilfe::tempOrdner("kurvendialoge");
        std::filesystem::create_directory(dateipfade.programmVerzeichnis + "parameter");
    }
    static BenutzerKanal& kanal(NeuronDaten* n, const std::string& name, int darstellung = 0)
    {
        n->benutzerKanaele.push_back({});
        n->benutzerKanaele.back().name = name;
        n->benutzerKanaele.back().darstellung = darstellung;
        return n->benutzerKanaele.back();
    }
    static KurvenDaten& slot(NeuronDaten* n, int s) { return n->hauptDiagramm.kurven[static_cast<size_t>(s)]; }
    static std::string typenDatei() { return izhikevichTypenPfad(); }
};

} // namespace

TEST_F(KurvenDialoge, OkGibtAllenMarkiertenDieSlotsDerKaestenUndAusgeschalteteVerlierenPufferUndNamen)
{
    NeuronDaten *a = neuron(1, true), *b = neuron(2, true);
    const KurvenDaten vorlage = diagrammVorlage.kurven[0];
    diagrammVorlage.kurven[0].bezeichnung = "Soma";
    diagrammVorlage.kurven[0].dimension = "mV";
    slot(b, 1).anzeigen = 1;                   // only the second records sodium
    slot(a, 0).anzeigen = slot(b, 0).anzeigen = 1;
    slot(a, 0).werte.assign(100, 1.0f);
    slot(a, 0).bezeichnung = "alt";
    slot(b, 12).referenz = kurvenReferenz::Gespeichert;
    test::dialogSkript(147, {[](Fenster d) {
        EXPECT_TRUE(el(d, 1271).haken && el(d, 1270).haken && !el(d, 1272).haken);
        EXPECT_TRUE(el(d, 1282).freigegeben && !el(d, 1283).freigegeben);
    }, sch::klicken(1270), sch::klicken(1)});
    EXPECT_EQ(darzustellendeKurvenDialogOeffnen(nullptr), 1);
    for (NeuronDaten* n : {a, b}) {
        EXPECT_EQ(slot(n, 1).anzeigen, 1);
        EXPECT_EQ(slot(n, 1).werte.size(), static_cast<size_t>(simulationsParameter.anzahlSchritte + werteReserve));
        EXPECT_EQ(std::make_tuple(slot(n, 0).anzeigen, slot(n, 0).werte.size(), slot(n, 0).bezeichnung, slot(n, 0).dimension),
                  std::make_tuple(0, 0u, std::string("Soma"), std::string("mV")));
    }
    diagrammVorlage.kurven[0] = vorlage;
}

TEST_F(KurvenDialoge, KanalKastenFragtDenKanalUndOkBindetIhnMitNameUndDarstellung)
{
    NeuronDaten* n = neuron(1, true);
    kanal(n, "Na2");
    BenutzerKanal& k2 = kanal(n, "K2");
    test::dialogSkript(251, {sch::waehlen(1800, 1), sch::klicken(2299), sch::klicken(1)});
    test::dialogSkript(251, {sch::klicken(2)});
    test::dialogSkript(147, {
        sch::klicken(1279), texte({{1279, "K2"}}),
        sch::klicken(1280), [](Fenster d) { EXPECT_FALSE(el(d, 1280).haken); },   // nothing chosen: unchecked
        sch::klicken(1),
    });
    EXPECT_EQ(darzustellendeKurvenDialogOeffnen(nullptr), 1);
    EXPECT_EQ(std::make_tuple(slot(n, 9).anzeigen, slot(n, 9).kanal, slot(n, 9).bezeichnung, slot(n, 10).anzeigen),
              std::make_tuple(1, 2, std::string("K2"), 0));
    EXPECT_EQ(std::make_tuple(n->kurvenKanaele[1], n->aufgezeichneteWerte.at(1)), std::make_tuple(&k2, &k2.oeffnung));
}

TEST_F(KurvenDialoge, AbbrechenStelltJedenSlotWieBeimOeffnenHer)
{
    NeuronDaten* n = neuron(1, true);
    kanal(n, "A");
    slot(n, 9).anzeigen = 1;                   // switched off by a click, which does not refill
    slot(n, 9).kanal = 1;
    test::dialogSkript(251, {sch::klicken(1)});
    test::dialogSkript(147, {sch::klicken(1278), texte({{1278, "A"}}), sch::klicken(1279), sch::klicken(2)});
    EXPECT_EQ(darzustellendeKurvenDialogOeffnen(nullptr), 2);
    EXPECT_EQ(std::make_tuple(slot(n, 8).anzeigen, slot(n, 8).kanal, slot(n, 9).anzeigen, slot(n, 9).kanal),
              std::make_tuple(0, 0, 1, 1));
}

TEST_F(KurvenDialoge, KanalnummerOhneKanalBindetNichtsUndSchaltetDenSlotAus)
{
    NeuronDaten* n = neuron(1, false);
    kanal(n, "I").strom = 2e-9;
    kanal(n, "T", 1).oeffnung = 0.25;          // shown by its opening factor
    // what the recorder takes: the current x -1e9 or the opening factor
    const struct { int slot, nummer; bool an; float wert; } faelle[] = {
        {8, 0, false, 0.0f}, {9, 3, false, 0.0f}, {10, 1, true, -2.0f}, {11, 2, true, 0.25f},
    };
    for (const auto& f : faelle)
        std::tie(slot(n, f.slot).anzeigen, slot(n, f.slot).kanal) = std::make_tuple(1, f.nummer);
    kanalZeigerAktualisieren(*n);
    EXPECT_EQ(n->kurvenKanaeleGesetzt, 2);
    for (const auto& f : faelle) {
        float wert = 0.0f;
        const bool aufgezeichnet = kurvenWert(*n, f.slot, 0.0, wert);
        EXPECT_EQ(std::make_tuple(slot(n, f.slot).anzeigen, slot(n, f.slot).kanal, aufgezeichnet, wert),
                  std::make_tuple(f.an ? 1 : 0, f.an ? f.nummer : 0, f.an, f.wert)) << f.slot;
    }
}

TEST_F(KurvenDialoge, GeladenesNetzBindetSeineKanalslots)
{
    NeuronDaten* n = neuron(1, false);
    kanal(n, "K").alpha[0] = kanal(n, "L").alpha[0] = 1.0;
    std::tie(slot(n, 8).anzeigen, slot(n, 8).kanal) = std::make_tuple(1, 2);
    std::tie(dateipfade.dokumentVerzeichnis, dateipfade.netzName, dateipfade.endung) =
        std::make_tuple(dateipfade.programmVerzeichnis, std::string("netz"), std::string("gui"));
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    netzLoeschen();
    std::string datei = dateipfade.programmVerzeichnis + "netz.gui";
    ASSERT_EQ(guiDateiLaden(datei), 1);
    NeuronDaten* geladen = neuronNachNummer(1);
    ASSERT_TRUE(geladen && geladen->benutzerKanaele.size() == 2);
    EXPECT_EQ(geladen->kurvenKanaele[0], &geladen->benutzerKanaele.back());
}

TEST_F(KurvenDialoge, KanalwahlZeigtDieGespeicherteDarstellungUndMerktDiePosition)
{
    EXPECT_EQ(kanalAuswahlDialogOeffnen(nullptr, nullptr), 0);   // without a neuron
    NeuronDaten *a = neuron(1, false), *b = neuron(2, false);
    BenutzerKanal& erster = kanal(a, "");      // not in use, still offered
    BenutzerKanal& zweiter = kanal(a, "Z");
    kanal(b, "B");
    kanalAuswahlPosition = 5;                  // beyond the list: the first
    test::dialogSkript(251, {[](Fenster d) { EXPECT_EQ(el(d, 1800).auswahl, 0); EXPECT_TRUE(el(d, 2298).haken); },
                             sch::klicken(2299), sch::waehlen(1800, 1),
                             [](Fenster d) { EXPECT_TRUE(el(d, 2298).haken && !el(d, 2299).haken); },
                             sch::klicken(1)});
    EXPECT_EQ(kanalAuswahlDialogOeffnen(nullptr, a), 2);
    EXPECT_EQ(erster.darstellung + zweiter.darstellung, 0);
    test::dialogSkript(251, {[](Fenster d) { EXPECT_EQ(el(d, 1800).auswahl, 0); }, sch::klicken(1)});
    EXPECT_EQ(kanalAuswahlDialogOeffnen(nullptr, b), 1);
}

TEST_F(KurvenDialoge, UmbenennenPrueftDenNamenUndBetiteltDieDiagrammfenster)
{
    NeuronDaten* n = neuron(1, true);
    neuron(2, false);
    DiagrammDaten* zwei = diagrammAnhaengen(*n);
    ASSERT_TRUE(zwei && diagrammAnhaengen(*n));
    zwei = zwei->naechstes;                    // number 2; number 1 has no window
    n->hauptDiagramm.fenster = fensterErzeugen("Ersatz", "", 0, 0, 0, 10, 10);
    zwei->fenster = fensterErzeugen("Ersatz", "", 0, 0, 0, 10, 10);
    test::boxAntworten({antwort::Ok, antwort::Ok});
    test::dialogSkript(126, {texte({{1084, "N1"}}), sch::klicken(1)});   // its own name
    EXPECT_EQ(neuronNameDialogOeffnen(nullptr), 0);
    test::dialogSkript(126, {sch::tippen(1084, "N2"), sch::klicken(1), sch::tippen(1084, "a//b"), sch::klicken(1),
                             sch::tippen(1084, ""), sch::klicken(1), sch::tippen(1084, " \tName"), sch::klicken(1)});
    EXPECT_EQ(neuronNameDialogOeffnen(nullptr), 0);
    EXPECT_EQ(test::boxLog().at(0).text, meldungFormatieren(316, "N2"));
    EXPECT_EQ(test::boxLog().at(1).text, meldungFormatieren(988, "a//b"));
    EXPECT_EQ(std::make_tuple(n->name, titel(n->hauptDiagramm.fenster), titel(zwei->fenster)),
              std::make_tuple(std::string("Name"), std::string("Name"), std::string("Name 2")));
    n->hauptDiagramm.fenster = zwei->fenster = nullptr;
}

TEST_F(KurvenDialoge, OhneTypdateiNurStandardDenEinNeuesNeuronAuchBeimAbbrechenBehaelt)
{
    NeuronDaten* n = neuron(1, true);
    test::dialogSkript(303, {[](Fenster d) {
        const auto& liste = el(d, 1930).eintraege;
        EXPECT_EQ(liste.size() == 1 ? liste[0].text : "", "Standard");
    }, texte({{1924, "0.02"}, {1925, "0.2"}, {1926, "-65"}, {1927, "8"}, {1935, "-68"}, {1936, "-15"}, {1929, "30"}}),
        sch::klicken(2)});
    EXPECT_EQ(izhikevichDialogOeffnen(nullptr, n), 2);
    EXPECT_EQ(std::make_tuple(n->izA, n->izVStart, n->izhikevichBezeichnung),
              std::make_tuple(0.02, -68.0, std::string("Standard")));
    EXPECT_FALSE(std::filesystem::exists(typenDatei()));
}

TEST_F(KurvenDialoge, AbweichenderDateischrittJaSetztDenLaufschrittNeinBehaeltIhn)
{
    NeuronDaten* n = neuron(1, true);
    for (const int a : {antwort::Ja, antwort::Nein}) {
        SCOPED_TRACE(a);
        laufzeitSetzen(1.0, 1e-4);
        izhikevichTypen.clear();
        testhilfe::schreiben(typenDatei(), "schrittweite fuer izhikevich typen (ms)=0.05\nizhikevich typ 0 a=0.1\n");
        test::boxAntworten({a});
        test::dialogSkript(303, {sch::klicken(2)});
        EXPECT_EQ(izhikevichDialogOeffnen(nullptr, n), 2);
        const bool ja = a == antwort::Ja;
        EXPECT_EQ(std::make_tuple(simulationsParameter.schrittweite, simulationsParameter.anzahlSchritte,
                                  simulationsParameter.izhikevichSchrittweite),
                  std::make_tuple(ja ? 5e-5 : 1e-4, ja ? 20000 : 10000, ja ? 0.05 : 0.1));
    }
}

TEST_F(KurvenDialoge, TypenLoeschenPruefenUndOkSchreibtDieVerdichteteTabelleUndAlleMarkierten)
{
    NeuronDaten *a = neuron(1, true), *b = neuron(2, true);
    a->izA = 0.5;
    testhilfe::schreiben(typenDatei(), "izhikevich typ 0 a=0.02\nizhikevich typ 0 bezeichnung=T0\n"
                                       "izhikevich typ 1 a=0.03\nizhikevich typ 1 bezeichnung=T1\n"
                                       "izhikevich typ 2 a=0.04\nizhikevich typ 2 bezeichnung=T2\n");
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok, antwort::Ok});
    test::dialogSkript(303, {
        sch::klicken(1933), sch::klicken(1934),                 // nothing chosen: two beeps
        sch::waehlen(1930, 1), texte({{1924, "0.03"}, {1931, "T1"}}), sch::klicken(1934),
        [](Fenster d) { EXPECT_EQ(el(d, 1930).eintraege.size(), 2u); },
        sch::tippen(1931, "T1"), sch::klicken(1932),            // the deleted type's name
        sch::tippen(1931, std::string(256, 'x')), sch::klicken(1932),
        sch::tippen(1931, "a//b"), sch::klicken(1932),
        sch::tippen(1931, "  T0"), sch::tippen(1925, "inf"), sch::klicken(1), fokus(1925),   // no number
        sch::tippen(1925, "0"), sch::klicken(1),
    });
    EXPECT_EQ(izhikevichDialogOeffnen(nullptr, a), 1);
    EXPECT_EQ(std::count_if(test::ereignisLog().begin(), test::ereignisLog().end(), [](const test::Ereignis& e) {
        return e.art == test::Ereignis::Piep && e.a == 1000 && e.b == 40; }), 2);
    ASSERT_EQ(test::boxLog().size(), 4u);
    EXPECT_EQ(test::boxLog()[0].text, meldungFormatieren(349, "T1"));
    EXPECT_EQ(test::boxLog()[1].text, meldungFormatieren(989, std::string(256, 'x'), 255));
    EXPECT_EQ(test::boxLog()[3].text, meldungFormatieren(952, "B"));
    for (NeuronDaten* n : {a, b})
        EXPECT_EQ(std::make_tuple(n->izA, n->izB, n->izhikevichBezeichnung), std::make_tuple(0.02, 0.0, std::string("T0")));
    IzhikevichDatei datei;
    ASSERT_TRUE(izhikevichTypenLesen(typenDatei(), datei));
    ASSERT_EQ(datei.typen.size(), 2u);
    EXPECT_EQ(datei.typen[1].name + "/" + izhikevichTypen[1].name, "T2/T2");
}

TEST_F(KurvenDialoge, MisslungenesSchreibenMeldet223UndLaesstDieAlteTypdatei)
{
    NeuronDaten* n = neuron(1, true);
    const std::string alt = "izhikevich typ 0 a=0.02\n";
    testhilfe::schreiben(typenDatei(), alt);
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(303, {sch::tippen(1924, "0.07"), sch::klicken(1)});
    // a file may grow to 64 bytes only (root too): the new text does not fit
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const rlimit eng{64, vorher.rlim_max};
    setrlimit(RLIMIT_FSIZE, &eng);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    const intptr_t ergebnis = izhikevichDialogOeffnen(nullptr, n);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(ergebnis, 1);
    EXPECT_EQ(letzteBox(), meldungFormatieren(223, typenDatei()));
    EXPECT_EQ(std::make_tuple(n->izA, testhilfe::lesen(typenDatei())), std::make_tuple(0.07, alt));
}

TEST_F(KurvenDialoge, AendernOhneAuswahlPiept)
{
    // type 0 is free: once type 1 is deleted, the chosen entry 0 has no item to select
    testhilfe::schreiben(typenDatei(), "izhikevich typ 0 a=0\nizhikevich typ 1 a=0.03\nizhikevich typ 2 a=0.04\n");
    NeuronDaten* n = neuron(1, true);
    n->izA = 0.5;
    test::dialogSkript(303, {sch::waehlen(1930, 0), sch::klicken(1934),
                             [](Fenster d) { EXPECT_EQ(el(d, 1930).auswahl, -1); },
                             sch::klicken(1933), sch::klicken(2)});
    EXPECT_EQ(izhikevichDialogOeffnen(nullptr, n), 2);
    ASSERT_FALSE(test::ereignisLog().empty());
    EXPECT_EQ(test::ereignisLog().back().art, test::Ereignis::Piep);
}

TEST_F(KurvenDialoge, DateinamenNummerierenFuelltNullenAufUndErsetztNichts)
{
    using Namen = std::set<std::string>;
    const struct { const char* stamm; Namen vorher; int anzahl, breite; Namen nachher; } faelle[] = {
        {"x", {"x.txt", "x 7.txt"}, 8, 3, {"x 000.txt", "x 007.txt"}},
        {"x", {"x.txt", "x 1.txt"}, 1, 3, {"x 000.txt", "x 1.txt"}},
        {"x", {"x 12.txt"}, 13, 1, {"x 12.txt"}},
        {"x", {"x 3.txt"}, 4, -2, {"x 3.txt"}},
        {"x", {"x 1.txt", "x 001.txt"}, 2, 3, {"x 1.txt", "x 001.txt"}},
        {"data2", {"data2.txt"}, 1, 3, {"data2 000.txt"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(*f.vorher.begin());
        const std::string ordner = testhilfe::tempOrdner("nummerieren");
        for (const std::string& name : f.vorher)
            testhilfe::schreiben(ordner + name, name);
        test::dateiAntworten({test::dateiAntwort(ordner + f.stamm + ".txt")});
        const bool hinweis = f.vorher.count("x 001.txt") > 0;   // the notice of a kept target
        if (hinweis)
            test::boxAntworten({antwort::Ok});
        const size_t boxen = test::boxLog().size();
        EXPECT_EQ(dateinamenNummerieren(ordner + "vorschlag.txt", f.anzahl, f.breite), 1);
        Namen nachher;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            nachher.insert(e.path().filename().string());
        EXPECT_EQ(nachher, f.nachher);
        EXPECT_EQ(test::boxLog().size() - boxen, hinweis ? 1u : 0u);
    }
    test::dateiAntworten({test::dateiAbbruch()});
    EXPECT_EQ(dateinamenNummerieren("/x.txt", 2, 3), 0);

    // a folder in the target's place: the rename fails, and the box says why in words
    const std::string ordner = testhilfe::tempOrdner("nummerieren");
    testhilfe::schreiben(ordner + "x.txt", "x");
    std::filesystem::create_directory(ordner + "x 000.txt");
    test::dateiAntworten({test::dateiAntwort(ordner + "x.txt")});
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(dateinamenNummerieren(ordner + "x.txt", 1, 3), 1);
    ASSERT_FALSE(test::boxLog().empty());
    EXPECT_EQ(std::tuple(test::boxLog().back().titel, test::boxLog().back().text),
              std::tuple(meldungsTexte[1653], meldungsTexte[1802]));
    EXPECT_EQ(testhilfe::lesen(ordner + "x.txt"), "x");
}

// the window checks say what is wrong, in the session's language
TEST_F(KurvenDialoge, FensterpruefungSagtWasNichtStimmt)
{
    const Fenster f = fensterErzeugen("Ersatz", "", 0, 0, 0, 10, 10);
    test::boxAntworten({antwort::Ok, antwort::Ok});
    EXPECT_TRUE(guiThreadInfoHolen(f));
    EXPECT_FALSE(guiThreadInfoHolen(nullptr));
    bool ausAnderemFaden = true;
    std::thread([&] { ausAnderemFaden = guiThreadInfoHolen(f); }).join();
    EXPECT_FALSE(ausAnderemFaden);
    std::vector<std::string> gezeigt;
    for (const auto& b : test::boxLog())
        gezeigt.push_back(b.text);
    EXPECT_EQ(gezeigt, (std::vector<std::string>{meldungsTexte[1805], meldungsTexte[1806]}));
    fensterZerstoeren(f);
}
