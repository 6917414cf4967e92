// tests/diagrams/test_diagrammmenuebefehle.cpp - the cursors of the context menu, centring,
// the menu bar's marks and greys, the spike-train commands, printing, the soma export that
// cannot be written, and the time axis of a run without a duration
#include "hauptfenster_hilfe.h"
#include "diagrams/diagrammbefehle.h"
#include "diagrams/drucken.h"
#include "model/stromreiz.h"
#include "resources/befehle.h"
#include "resources/diagrammmenue.h"
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using plattform::Nach;

struct MenueFall : MitHauptfensterFall {
    void befehl(int id) { diagrammBefehl(d->fenster, id, 0, 0); }
    void klickpunkt(double t, double v = 0.0) { letzterKlickpunkt = {spalte(t), zeile(v)}; }
    static std::vector<std::string> boxen()
    {
        std::vector<std::string> v;
        for (const auto& b : pt::boxLog())
            v.push_back(b.text);
        return v;
    }
};

TEST_F(MenueFall, ZeitcursorHolenBringtDieCursorInsFenster)
{
    const double pixel = 0.1 / d->plotBreite;
    struct Fall { int zustand; double c1, c2, neu1, neu2; };
    const Fall faelle[] = {
        {4, 0.5, 0.5, 0.04, 0.5},        // the first alone, to the last click's column
        {4, 0.1, 0.1, 0.04, 0.1},        // the end of the window counts as outside
        {5, 0.3, 0.32, 0.04, 0.06},      // both, the second keeping its distance
        {5, 0.3, 0.5, 0.04, (d->breite - 2 * d->xRand - 30 - d->xRand) * pixel},   // too far: near the right end
        {5, 0.02, 0.08, 0.02, 0.08},     // inside: they stay
        {3, 0.5, 0.6, 0.5, 0.6},         // placed by clicks: not fetched
    };
    for (const Fall& f : faelle) {
        d->vCursorZustand = f.zustand, d->vCursor1 = f.c1, d->vCursor2 = f.c2;
        klickpunkt(0.04);
        befehl(51091);
        EXPECT_NEAR(d->vCursor1, f.neu1, 1.5 * pixel) << f.zustand << " " << f.c1;
        EXPECT_NEAR(d->vCursor2, f.neu2, 1.5 * pixel) << f.zustand << " " << f.c2;
    }
}

TEST_F(MenueFall, WertcursorHolenNurImZustandFuenf)
{
    for (int zustand : {3, 5}) {
        d->hCursorZustand = zustand, d->hCursor1 = 80.0, d->hCursor2 = -200.0;
        befehl(51092);
        const bool geholt = zustand == 5;
        EXPECT_EQ(d->hCursor1, geholt ? -100.0 + 30.0 : 80.0) << zustand;
        EXPECT_EQ(d->hCursor2, geholt ? 50.0 - 30.0 : -200.0) << zustand;
    }
}

TEST_F(MenueFall, WertcursorUeberDasMenueFolgenDenZustaendenDerOption)
{
    using Zustand = std::tuple<int, int, double, double, uint32_t>;
    auto jetzt = [&] { return Zustand{d->hCursorZustand, d->zweiterHCursor, std::round(d->hCursor1), std::round(d->hCursor2),
                                      d->zustand & 0xC0000u}; };
    klickpunkt(0.05, -20.0);
    befehl(51087);
    EXPECT_EQ(jetzt(), (Zustand{1, 0, -20.0, -20.0, 0x40000u}));
    klickpunkt(0.05, -60.0);
    befehl(51087);
    EXPECT_EQ(jetzt(), (Zustand{2, 0, -60.0, -60.0, 0xC0000u}));
    befehl(51088);   // below state 3 the menu does not take them away
    EXPECT_EQ(d->hCursorZustand, 2);
    d->hCursorZustand = 0, d->zustand &= ~0xC0000u;
    diagrammOptionen.kontextMenuCursor = 1;
    klickpunkt(0.05, -20.0);
    befehl(51087);
    EXPECT_EQ(std::get<0>(jetzt()), 4);
    d->hCursor1 = 0.0;   // exactly 0: a fifth above the bottom of the range
    klickpunkt(0.05, -60.0);
    befehl(51087);
    EXPECT_EQ(jetzt(), (Zustand{5, 1, -70.0, -60.0, 0xC0000u}));
    befehl(51088);
    EXPECT_EQ(jetzt(), (Zustand{0, 0, -70.0, -60.0, 0u}));
}

TEST_F(MenueFall, ZentrierenNurWennDasFensterImLaufBleibt)
{
    d->minX = 0.2, d->maxX = 0.4;
    diagrammLayoutBerechnen(n, d, 0);
    klickpunkt(0.25);
    befehl(51086);
    EXPECT_NEAR(d->minX, 0.15, 1e-3);
    EXPECT_NEAR(d->maxX, 0.35, 1e-3);
    for (auto [von, t] : {std::pair{0.0, 0.05}, {0.8, 0.95}}) {
        d->minX = von, d->maxX = von + 0.2;
        diagrammLayoutBerechnen(n, d, 0);
        klickpunkt(t);
        befehl(51086);
        EXPECT_EQ(std::make_pair(d->minX, d->maxX), std::make_pair(von, von + 0.2)) << t;
    }
    EXPECT_EQ(pieptoene(), 2u);
}

TEST_F(MenueFall, MenueHaktUndGrautNachNeuronUndOptionen)
{
    plattform::Menue m = plattform::fensterMenue(d->fenster);
    plattform::Menue einst = plattform::menueMitBefehl(m, diagrammBefehlLayout);
    ASSERT_TRUE(einst);
    int reizPosition = -1;
    for (int i = 0; i < plattform::postenAnzahl(einst); ++i)
        if (plattform::Menue u = plattform::untermenue(einst, i); u && plattform::menueMitBefehl(u, diagrammBefehlStromreizSoma))
            reizPosition = i;
    ASSERT_GE(reizPosition, 0);
    auto pruefen = [&](bool an) {
        n->spikefolge.an = an;
        d->apFrequenzAnzeigen = an;
        diagrammOptionen.scrollleisteAnzeigen = an;
        diagrammOptionen.scrollleisteAutomatisch = an;
        n->gereizteKompartimente = an ? 1 : 0;
        n->stromTabellen.resize(4);
        for (StromTabelle& t : n->stromTabellen)
            t.anzahlPunkte = 3;
        n->stromTabellen[2].anzahlPunkte = an ? 4 : 3;
        diagrammMenuInitialisieren(d->fenster, einst, 1, 0);
        for (int b : {diagrammBefehlSpikeverteilungAnalysieren, diagrammBefehlApFrequenz, diagrammBefehlScrollleiste,
                      diagrammBefehlScrollleisteAutomatisch})
            EXPECT_EQ(plattform::istAbgehakt(m, b, Nach::Befehl), an) << b;
        for (int b : {diagrammBefehlSpikeverteilungAnzeigen, diagrammBefehlBurstPhasen, diagrammBefehlStromreizSoma + 2})
            EXPECT_EQ(plattform::istGrau(m, b, Nach::Befehl), !an) << b;
        EXPECT_TRUE(plattform::istGrau(m, diagrammBefehlStromreizSoma, Nach::Befehl));   // the default table's three points
        EXPECT_EQ(plattform::istGrau(einst, reizPosition, Nach::Position), !an);
    };
    pruefen(true);
    pruefen(false);
}

TEST_F(MenueFall, SpikeverteilungBewertetNurWennDerLaufZeitenBrachte)
{
    n->spikefolge.an = 1;
    pt::boxAntworten({plattform::antwort::Ja});
    befehl(diagrammBefehlSpikeverteilungAnzeigen);   // no times: asked, a run, still none
    EXPECT_EQ(hauptBefehle(), std::vector<int>{befehlSimulationStarten});
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(292, "Zelle")});
    EXPECT_EQ(n->spikezeitenSpeichern, 1);
    EXPECT_EQ(std::make_pair(n->spikefolge.burstFaktor, n->spikefolge.mindestSpikeAnzahl), std::make_pair(2.0, 1.0));
    n->spikezeitenSpeichern = 0;
    hauptfenster_hilfe::beimBefehl = [&](int) {
        n->spikeZeiten = {0.01f, 0.02f};
        n->apAnzahl = 2;
    };
    pt::boxAntworten({plattform::antwort::Ja, 1});
    befehl(diagrammBefehlSpikeverteilungAnzeigen);   // this run brings times: they are rated and reported
    EXPECT_EQ(boxen().back(), meldungFormatieren(408, "Zelle"));   // two spikes are too few to rate
    const size_t boxenVorher = pt::boxLog().size();
    pt::boxAntworten({1});
    befehl(diagrammBefehlSpikeverteilungAnzeigen);   // recorded times now: no question
    EXPECT_EQ(pt::boxLog().size(), boxenVorher + 1);
    befehl(diagrammBefehlSpikeverteilungAnalysieren);   // on: off
    EXPECT_EQ(n->spikefolge.an, 0);
}

TEST_F(MenueFall, DruckenFragtErstUndOhneDruckerPieptEsMit440)
{
    druckAuftrag = {};
    standardDrucker.clear();
    pt::boxAntworten({plattform::antwort::Nein, plattform::antwort::Ja, 1});
    befehl(diagrammBefehlDrucken);
    EXPECT_EQ(pieptoene(), 0u);
    befehl(diagrammBefehlDrucken);
    EXPECT_EQ(pieptoene(), 1u);
    EXPECT_EQ(boxen().back(), meldungsTexte[440]);
    EXPECT_TRUE(pt::druckLog().empty());
    druckAuftrag = {};
}

TEST_F(MenueFall, PotentialTextDasNichtGeschriebenWerdenKannSagtEs)
{
    werte(*d, 0, {-65.0f, 12.25f, 3.0f});
    const size_t puffer = d->kurven[0].werte.size();
    d->kurven[0].werteAnzahl = static_cast<int>(puffer) + 500;   // more than the buffer holds: only what it holds is written
    const auto ordner = std::filesystem::temp_directory_path() / "velnor_potential_puffer";
    std::filesystem::create_directories(ordner);
    const std::string gut = (ordner / "potential.txt").string();
    EXPECT_TRUE(potentialExportieren(*d, gut));
    std::stringstream inhalt;
    inhalt << std::ifstream(gut, std::ios::binary).rdbuf();
    std::filesystem::remove_all(ordner);
    const std::string text = inhalt.str();
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), puffer - 1);
    EXPECT_EQ(text.substr(0, 20), " 0.00000\t-65.00000\r\n");
    const std::string pfad = (ordner / "fehlt" / "potential.txt").string();
    pt::boxAntworten({1});
    EXPECT_FALSE(potentialExportieren(*d, pfad));
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(75, pfad)});
}

TEST_F(MenueFall, ZeitachseOhneLaufdauerOderSchrittBleibtStehen)
{
    d->minX = 0.02, d->maxX = 0.06, d->ersterSichtbarerSchritt = 10;
    for (auto [dauer, schritt] : {std::pair{0.0, 0.001}, {1.0, 0.0}, {-1.0, 0.001}}) {
        laufzeitSetzen(dauer, schritt);
        for (int b = 51072; b <= 51086; ++b) {
            klickpunkt(0.04);
            befehl(b);
            EXPECT_EQ(std::make_pair(d->minX, d->maxX), std::make_pair(0.02, 0.06)) << b << " " << dauer;
        }
        befehl(diagrammBefehlAlleVollstaendig);
        for (int t : {plattform::taste::Pos1, plattform::taste::Ende, plattform::taste::Hoch, plattform::taste::Runter})
            diagrammTaste(d->fenster, t, 0);
        EXPECT_EQ(std::make_pair(d->minX, d->maxX), std::make_pair(0.02, 0.06)) << dauer;
    }
    EXPECT_EQ(pieptoene(), 0u);
}

} // namespace
