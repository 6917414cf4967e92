// tests/diagrams/test_diagrammbefehle.cpp - the commands of a diagram window: moves of the
// time axis, the soma export, the printer choice, the menus
#include "diagramm_hilfe.h"
#include "diagrams/diagrammbefehle.h"
#include "diagrams/drucken.h"
#include "diagrams/fensterhandler.h"
#include "resources/diagrammmenue.h"
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct BefehlFall : GezeigtFall {
    void SetUp() override
    {
        GezeigtFall::SetUp();
        laufzeitSetzen(1.0, 0.001);
    }
    void befehl(int id) { diagrammBefehl(d->fenster, id, 0, 0); }
    static size_t pieptoene()
    {
        return static_cast<size_t>(std::count_if(pt::ereignisLog().begin(), pt::ereignisLog().end(), [](auto& e) {
            return e.art == pt::Ereignis::Piep && e.a == 1000 && e.b == 100;
        }));
    }
};

struct Achsenfall { int befehl; double von, bis; int ersterSchritt; double neuVon, neuBis; bool piept; };

TEST_F(BefehlFall, ZeitachsenbefehleKlemmenMitTonOderTunNichts)
{
    const double pixel = 0.2 / d->plotBreite;
    const Achsenfall faelle[] = {
        {51077, 0.2, 0.7, 0, 0.5, 1.0, true},   {51077, 0.5, 1.0, 0, 0.5, 1.0, false},
        {51078, 0.2, 0.7, 0, 0.0, 0.5, true},   {51078, 0.6, 0.8, 0, 0.4, 0.6, false},
        {51079, 0.4, 0.6, 0, 0.3, 0.5, false},  {51080, 0.9, 1.0, 0, 0.9, 1.0, false},
        {51080, 0.4, 0.6, 0, 0.5, 0.7, false},  {51081, 0.0, 0.2, 0, 0.0, 0.2, true},
        {51082, 0.4, 0.6, 0, 0.4 + 4 * pixel, 0.6 + 4 * pixel, false},
        {51083, 0.4, 0.6, 0, 0.4 - 20 * pixel, 0.6 - 20 * pixel, false},
        {51084, 0.8, 1.0, 0, 0.8, 1.0, true},   {51072, 0.4, 0.6, 0, 0.0, 1.0, false},
        {51073, 0.4, 0.6, 0, 0.0, 0.5, false},  {51074, 0.4, 0.6, 0, 0.5, 1.0, false},
        {51075, 0.3, 0.5, 0, 0.0, 0.2, false},  {51076, 0.3, 0.5, 0, 0.8, 1.0, false},
        {51085, 0.3, 0.5, 100, 0.1, 0.3, false},
    };
    for (const Achsenfall& f : faelle) {
        d->minX = f.von, d->maxX = f.bis, d->ersterSichtbarerSchritt = f.ersterSchritt;
        const size_t vorher = pieptoene();
        befehl(f.befehl);
        EXPECT_NEAR(d->minX, f.neuVon, 1e-9) << f.befehl;
        EXPECT_NEAR(d->maxX, f.neuBis, 1e-9) << f.befehl;
        EXPECT_EQ(pieptoene() - vorher, f.piept ? 1u : 0u) << f.befehl;
    }
}

TEST_F(BefehlFall, DaumenHinterDemLaufendePieptUndKehrtZumErstenSchrittDesFenstersZurueck)
{
    diagrammOptionen.scrollleisteAnzeigen = 1;
    d->minX = 0.3, d->maxX = 0.5;
    diagrammLayoutBerechnen(n, d, 0);   // the bar: 1000 steps, a page of 200
    d->ersterSichtbarerSchritt = 900;
    befehl(51085);
    EXPECT_EQ(std::make_tuple(d->minX, d->maxX, d->ersterSichtbarerSchritt), std::make_tuple(0.3, 0.5, 300));
    EXPECT_EQ(plattform::scrollLeiste(d->fenster, false).position, 300);
    EXPECT_EQ(pieptoene(), 1u);
    EXPECT_TRUE(plattform::istFenster(d->fenster));
}

TEST_F(BefehlFall, PixelschritteOhnePlotbreiteOderSpanneAendernNichts)
{
    for (int b : {51081, 51082, 51086, 51089}) {
        d->minX = 0.4, d->maxX = 0.4, d->plotBreite = 0;
        befehl(b);
        EXPECT_EQ(std::make_tuple(d->minX, d->maxX, d->vCursorZustand), std::make_tuple(0.4, 0.4, 0)) << b;
    }
}

TEST_F(BefehlFall, PotentialTextHatJedeZeileAusserDerLetztenMitCrLf)
{
    const auto alt = std::filesystem::current_path();
    const auto ordner = std::filesystem::temp_directory_path() / "velnor_potential";
    std::filesystem::create_directories(ordner);
    std::filesystem::current_path(ordner);
    std::filesystem::remove("potential.txt");
    d->kurven[0].werte.assign(1, keineDaten);   // no data: no file
    befehl(diagrammBefehlPotentialExport);
    EXPECT_FALSE(std::filesystem::exists("potential.txt"));
    werte(*d, 0, {-65.0f, 12.25f, 3.0f});
    befehl(diagrammBefehlPotentialExport);
    std::stringstream inhalt;
    inhalt << std::ifstream("potential.txt", std::ios::binary).rdbuf();
    std::filesystem::current_path(alt);
    std::filesystem::remove_all(ordner);
    EXPECT_EQ(inhalt.str(), " 0.00000\t-65.00000\r\n 0.00100\t12.25000\r\n");
}

TEST_F(BefehlFall, DruckerwahlNimmtDenListeneintragUndNurInnerhalbDerListe)
{
    druckAuftrag.druckerName = "Alt";
    druckAuftrag.druckerListe = {"Erster", "Zweiter"};
    druckAuftrag.druckerAnzahl = 2;
    for (auto [b, name] : {std::pair{50002, "Alt"}, {50100, "Alt"}, {50001, "Zweiter"}}) {
        befehl(b);
        EXPECT_EQ(druckAuftrag.druckerName, name) << b;
    }
    druckAuftrag = {};
}

TEST_F(BefehlFall, KurvenmenueZeigtNurGezeigteKurvenUndHoheSlotsHabenEigeneBefehle)
{
    for (int s : {0, 3, 17})
        d->kurven[s].anzeigen = 1, d->kurven[s].bezeichnung = "k";
    d->kurven[5].anzeigen = 0;
    pt::popupAntworten({0});
    kurvenKontextMenu(d->fenster, -1);
    EXPECT_EQ(pt::popupLog().back(), (std::vector<int>{51054, 51055, 51058, 41117}));
}

TEST_F(BefehlFall, KurvenanpassungOhneBesuchtenWertAendertNichts)
{
    werte(*d, 0, {-70.0f, -50.0f, -60.0f});
    d->minX = 0.0, d->maxX = 1.0, d->minY = -1.0, d->maxY = 1.0;
    kurveOptimieren(d, 0);
    EXPECT_NEAR(d->minY, -71.0, 1e-9);
    EXPECT_NEAR(d->maxY, -49.0, 1e-9);
    d->minX = 0.999, d->minY = -1.0, d->maxY = 1.0;   // the first sample lies past the samples
    kurveOptimieren(d, 0);
    kurveOptimieren(d, 25);
    EXPECT_EQ(std::make_pair(d->minY, d->maxY), std::make_pair(-1.0, 1.0));
}

TEST_F(BefehlFall, MenueHaktSchalterAbUndGrautReizeOhneTabelle)
{
    d->werteInLegende = 1;
    diagrammOptionen.kontextMenuCursor = 1;
    druckAuftrag.druckerListe = {"P"};
    druckAuftrag.druckerAnzahl = 1;
    plattform::Menue m = plattform::fensterMenue(d->fenster);
    plattform::Menue einst = plattform::untermenue(m, 1);
    diagrammMenuInitialisieren(d->fenster, einst, 1, 0);
    using plattform::Nach;
    EXPECT_TRUE(plattform::istAbgehakt(m, diagrammBefehlWerteInLegende, Nach::Befehl));
    EXPECT_TRUE(plattform::istAbgehakt(m, diagrammBefehlKontextMenuCursor, Nach::Befehl));
    EXPECT_FALSE(plattform::istAbgehakt(m, diagrammBefehlApFrequenz, Nach::Befehl));
    EXPECT_TRUE(plattform::istGrau(m, diagrammBefehlStromreizSoma, Nach::Befehl));
    EXPECT_TRUE(plattform::istGrau(m, diagrammBefehlBurstPhasen, Nach::Befehl));
    EXPECT_EQ(plattform::postenText(m, 50000, Nach::Befehl), "P");
    druckAuftrag = {};
}

TEST_F(BefehlFall, ScrollleisteSchiebtVierUndZwanzigPixelUndRechtsklickWaehltDasMenue)
{
    const double pixel = 0.2 / d->plotBreite;
    for (auto [code, schub] : {std::pair{1, 4 * pixel}, {2, -20 * pixel}}) {
        d->minX = 0.4, d->maxX = 0.6;
        diagrammHorizontalScrollen(d->fenster, 0, code, 0);
        EXPECT_NEAR(d->minX, 0.4 + schub, 1e-9) << code;
    }
    pt::popupAntworten({0, 0});
    diagrammRechtsKlick(d->fenster, 0, d->yAchseUnten[0] + 3, d->yAchseUnten[1], 0);
    EXPECT_EQ(pt::popupLog().back().front(), 51054);
    diagrammRechtsKlick(d->fenster, 0, d->yAchseUnten[0] + 40, d->yAchseUnten[1] - 20, 0);
    EXPECT_EQ(pt::popupLog().back().front(), 51086);
}

TEST_F(BefehlFall, MenuecursorGehtNachVierUndFuenfUndDerSchalterRaeumtIhnErst)
{
    diagrammOptionen.kontextMenuCursor = 1;
    d->minX = 0.0, d->maxX = 1.0;
    for (int x : {d->xRand + 10, d->xRand + 30}) {
        letzterKlickpunkt = {x, d->yRand + 5};
        befehl(51089);
    }
    EXPECT_EQ(std::make_tuple(d->vCursorZustand, d->zweiterVCursor, d->zustand & 0x30000u), std::make_tuple(5, 1, 0x30000u));
    befehl(diagrammBefehlKontextMenuCursor);
    EXPECT_EQ(std::make_tuple(d->vCursorZustand, d->vCursor2, diagrammOptionen.kontextMenuCursor), std::make_tuple(0, 0.0, 0));
}

} // namespace
