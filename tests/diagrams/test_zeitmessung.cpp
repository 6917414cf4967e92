// tests/diagrams/test_zeitmessung.cpp - the event list, its dialog and files, the threshold
// detection and the smoothing
#include "diagramm_hilfe.h"
#include "diagrams/zeitmessung.h"
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace zeitmessungId;
namespace s = pt::schritt;

struct Zeitmessen : GezeigtFall {
    plattform::Fenster dlg = nullptr;
    std::string pfad = (std::filesystem::temp_directory_path() / ("zm_" + std::to_string(::getpid()) + ".evt")).string();
    void SetUp() override
    {
        GezeigtFall::SetUp();
        laufzeitSetzen(0.006, 0.001);
        werte(*d, kurve::Soma, {0, -30, 0, -30, 0, -30});
        zeitmessungUmschalten(d->fenster);
        dlg = pt::offenerDialog(328);
    }
    void TearDown() override
    {
        std::filesystem::remove(pfad);
        zeitmessung = {};
        GezeigtFall::TearDown();
    }
    std::string liste() { return pt::dialogElement(dlg, Liste)->text; }
    static std::vector<double> zeiten() { return zeitmessung.ereignisZeiten; }
    void laden(const std::string& datei)
    {
        pt::dateiAntworten({pt::dateiAntwort(datei)});
        pt::klicken(dlg, Laden);
    }
    // the detection as the threshold dialog starts it
    void erkennen(std::vector<pt::DialogSchritt> schritte)
    {
        schritte.push_back(s::klicken(1));
        pt::dialogSkript(329, schritte);
        pt::klicken(dlg, Schwelle);
    }
};

TEST_F(Zeitmessen, EinKlickNimmtDieZeitUnterDerMausNurImLebendenDiagramm)
{
    ASSERT_TRUE(dlg && (aktuellesDiagramm.messModus & 0x10));
    d->minX = 0.0;
    d->maxX = 1.0;
    d->plotBreite = 400;
    pt::klicken(d->fenster, d->xRand + d->plotBreite / 2, 10);
    ereignisZeitHinzufuegen(-1.0);
    EXPECT_EQ(zeiten(), std::vector<double>{0.5});
    EXPECT_EQ(liste(), "0.50000\r\n");
    EXPECT_EQ(pt::dialogElement(dlg, Anzahl)->text, "Anzahl Punkte:    1");
    const int breite = std::exchange(d->plotBreite, 0);
    ereignisZeitHinzufuegen(-1.0);
    d->plotBreite = breite;
    // "hide" keeps the events and ends the measuring; the list still grows
    pt::klicken(dlg, Verbergen);
    EXPECT_TRUE(!pt::offenerDialog(328) && !(aktuellesDiagramm.messModus & 0x10));
    ereignisZeitHinzufuegen(0.2);
    plattform::senden(d->fenster, plattform::nachricht::Schliessen);
    ereignisZeitHinzufuegen(-1.0);
    ereignisZeitHinzufuegen(0.3);
    EXPECT_EQ(zeiten(), (std::vector<double>{0.5, 0.2}));
}

TEST_F(Zeitmessen, DateienLesenJedeZeileUndSchreibenDieListeGanz)
{
    const struct { std::string inhalt; bool komma; std::vector<double> t; const char* liste; } faelle[] = {
        {"0,25\r\n\r\n  1.5\n2", false, {0.25, 1.5, 2}, "0.25000\r\n1.50000\r\n2.00000\r\n"},
        {"0,25\r\n\r\n  1.5\n2", true, {0.25, 1.5, 2}, "0,25000\r\n1,50000\r\n2,00000\r\n"},
        {"1" + std::string(5000, '0') + "e-5000\n", false, {1.0}, "1.00000\r\n"},
    };
    for (const auto& f : faelle) {
        std::ofstream(pfad, std::ios::binary) << f.inhalt;
        if (pt::dialogElement(dlg, Komma)->haken != f.komma)
            pt::klicken(dlg, Komma);
        laden(pfad);
        EXPECT_EQ(zeiten(), f.t) << f.inhalt;
        EXPECT_EQ(liste(), f.liste);
    }
}

TEST_F(Zeitmessen, ZweitausendEreignisseGehenGanzInDieDateiUndZurueck)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += std::to_string(i) + ".5\n";
    ereignisTextEinlesen(text);
    const std::string gezeigt = liste();
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    pt::klicken(dlg, Speichern);
    std::ifstream ein(pfad, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ein), {}), gezeigt);
    ereignisTextEinlesen("");
    laden(pfad);
    EXPECT_TRUE(zeiten().size() == 2000 && liste() == gezeigt);
}

TEST_F(Zeitmessen, EinMisslungenesLadenBehaeltDieListe)
{
    ereignisTextEinlesen("0.1\n0.2\n");
    pt::boxAntworten({plattform::antwort::Ok});
    laden(pfad + ".fehlt");
    EXPECT_EQ(zeiten(), (std::vector<double>{0.1, 0.2}));
    EXPECT_EQ(pt::boxLog().back().text, "unable to open file\n\n" + pfad + ".fehlt\n\nfor reading");
}

TEST_F(Zeitmessen, AllesLoeschenFragtMitDreiAntworten)
{
    const struct { int antwort; size_t bleiben; int fragen; } faelle[] = {
        {plattform::antwort::Nein, 2, 1}, {plattform::antwort::Ja, 0, 1}, {plattform::antwort::Abbrechen, 0, 0},
    };
    for (const auto& f : faelle) {
        zeitmessung.loeschenFragen = 1;
        ereignisTextEinlesen("1\n2\n");
        pt::boxAntworten({f.antwort});
        pt::klicken(dlg, AllesLoeschen);
        EXPECT_TRUE(zeiten().size() == f.bleiben && zeitmessung.loeschenFragen == f.fragen) << f.antwort;
    }
    ereignisTextEinlesen("1\n");
    pt::klicken(dlg, AllesLoeschen);   // no more question
    EXPECT_TRUE(zeiten().empty() && liste().empty());
}

TEST_F(Zeitmessen, SchwellenKreuzungenMitTotzeitRichtungUndBereich)
{
    const struct { int radio; const char* tot; const char* start; const char* ende; std::vector<double> t; int meldung; } faelle[] = {
        {schwelleId::Fallend, "0", "0", "max", {0.001, 0.003, 0.005}, 0},
        {schwelleId::Fallend, "0.0025", "0", "end", {0.001, 0.005}, 0},
        {schwelleId::Steigend, "0", "0", "0.006", {0.002, 0.004}, 0},
        {schwelleId::Fallend, "0", "0.006", "max", {}, 839},
        {schwelleId::Fallend, "0", "0", "0.007", {}, 1260},
    };
    for (const auto& f : faelle) {
        const size_t boxen = pt::boxLog().size();
        if (f.meldung)
            pt::boxAntworten({plattform::antwort::Ok});
        erkennen({s::klicken(f.radio), s::tippen(schwelleId::Schwelle, "-20"), s::tippen(schwelleId::Totzeit, f.tot),
                  s::tippen(schwelleId::Start, f.start), s::tippen(schwelleId::Ende, f.ende)});
        ASSERT_EQ(zeiten().size(), f.t.size()) << f.tot << f.ende;
        for (size_t i = 0; i < f.t.size(); ++i)
            EXPECT_NEAR(zeiten()[i], f.t[i], 1e-12);
        EXPECT_EQ(pt::boxLog().size(), boxen + (f.meldung != 0));
        if (f.meldung) {
            EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[f.meldung]);
        }
    }
    // no time step: refused at the start
    simulationsParameter.schrittweite = 0.0;
    pt::boxAntworten({plattform::antwort::Ok});
    ereignisseErkennen(d);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[839]);
}

TEST_F(Zeitmessen, ZweiEreignisseGebenDenSuchbereich)
{
    ereignisZeitHinzufuegen(0.002);
    ereignisZeitHinzufuegen(0.005);
    pt::klicken(dlg, BereichAusZweien);
    erkennen({s::tippen(schwelleId::Schwelle, "-20")});
    ASSERT_EQ(zeiten().size(), 1u);
    EXPECT_NEAR(zeiten()[0], 0.003, 1e-12);
    ereignisZeitHinzufuegen(0.1);
    EXPECT_TRUE(pt::dialogElement(dlg, BereichAusZweien)->freigegeben);
    ereignisZeitHinzufuegen(0.2);
    EXPECT_FALSE(pt::dialogElement(dlg, BereichAusZweien)->freigegeben);
}

TEST_F(Zeitmessen, GlaettenMitteltZentriertUndSchreibtNichtUeberDieWerte)
{
    werte(*d, kurve::Soma, {0, 3, 6, 3, 0});
    const struct { int rate; std::vector<float> g; } faelle[] = {{3, {0, 3, 4, 3, 0}}, {100, {0, 3, 6, 3, 0}}};
    for (const auto& f : faelle) {
        d->kurven[kurve::Referenz1] = {};
        diagrammOptionen.glaettungsrate = f.rate;
        kurveGlaetten(d);
        kurveGlaetten(d);
        const KurvenDaten& g = d->kurven[kurve::Referenz1];
        EXPECT_EQ(std::vector<float>(g.werte.begin(), g.werte.begin() + 5), f.g);
        EXPECT_EQ(g.bezeichnung, "   smoothed");
    }
    // OK with smoothing on but no current smoothed curve asks first; No keeps the dialog open
    pt::boxAntworten({plattform::antwort::Nein});
    pt::dialogSkript(329, {s::klicken(schwelleId::Glaetten), s::tippen(schwelleId::Rate, "7"), s::klicken(1),
                           s::klicken(2)});
    pt::klicken(dlg, Schwelle);
    EXPECT_EQ(pt::boxLog().back().text, "data not smoothed yet ;-)\n\n\nsmooth now?");
}

TEST_F(Zeitmessen, StopUndSchliessenBeendenDenSuchlaufUndBehaltenDieFunde)
{
    laufzeitSetzen(3.0, 0.001);
    std::vector<float> w(3000);
    for (size_t i = 0; i < w.size(); ++i)
        w[i] = i % 2 ? -30.0f : 0.0f;
    werte(*d, kurve::Soma, w);
    diagrammOptionen.schwelle = -20;
    zeitmessung.bereichEnde = 3.0;
    zeitmessung.loeschenFragen = 0;
    // "Clear all" waits while a scan runs; STOP or a closed window ends it at the next pump
    for (uint32_t n : {plattform::nachricht::Befehl, plattform::nachricht::Schliessen}) {
        plattform::posten(dlg, plattform::nachricht::Befehl, plattform::machWParam(AllesLoeschen, 0));
        if (n == plattform::nachricht::Befehl)
            plattform::posten(dlg, n, plattform::machWParam(Stop, 0));
        else
            plattform::posten(d->fenster, n);
        ereignisseErkennen(d);
        EXPECT_EQ(zeiten().size(), 500u);
    }
    EXPECT_FALSE(lebendesMessDiagramm());
    EXPECT_FALSE(pt::offenerDialog(328) || (zeitmessung.erkennungsOptionen & erkennungsBit::DialogOffen));
}

TEST_F(Zeitmessen, AngleichenGibtDenAnderenDasZeitfensterDerQuelle)
{
    laufzeitSetzen(3.0, 0.001);
    NeuronDaten* m = neu(2);
    DiagrammDaten& q = gezeigt(m);
    const double nan = std::nan("");
    const struct { double min, max, tick, c1, c2; double eMin, eMax, eTick, e1, e2; } faelle[] = {
        {0, 2, 0.1, 3.0, -1, 0, 2, 0.2, 1.8, 0.2},
        {0, 2, 1.0, 0.5, 1, 0, 2, 2.0 / 3, 0.5, 1},
        {0, 2, 0.0, 0.5, 1, 0, 2, 0.2, 0.5, 1},
        {0, 2, nan, 0.5, 1, 0, 2, 0.2, 0.5, 1},
        {2, 2, 0.1, 0.5, 1, 0, 0.1, 0.2, 0.5, 1},   // no window: nothing changes
    };
    for (const auto& f : faelle) {
        d->minX = 0, d->maxX = 0.1, d->xTickIntervallWirksam = 0.2;
        d->vCursor1 = f.c1, d->vCursor2 = f.c2;
        q.minX = f.min, q.maxX = f.max, q.xTickIntervallWirksam = f.tick;
        diagrammZeitachseAngleichen(&q);
        EXPECT_TRUE(d->minX == f.eMin && d->maxX == f.eMax && d->vCursor1 == f.e1 && d->vCursor2 == f.e2) << f.tick << " " << d->minX << " " << d->maxX << " " << d->vCursor1 << " " << d->vCursor2;
        EXPECT_NEAR(d->xTickIntervallWirksam, f.eTick, 1e-12) << f.tick;
    }
}

} // namespace
