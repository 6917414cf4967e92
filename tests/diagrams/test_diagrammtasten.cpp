// tests/diagrams/test_diagrammtasten.cpp - the keys and the left button of a diagram window:
// the time axis keys, the commands the keys give, the measuring cursors, the double click
#include "diagramm_hilfe.h"
#include "core/status.h"
#include "diagrams/fensterhandler.h"
#include "dialogs/diagrammlayout.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"

namespace {

using plattform::Fenster;
namespace ts = plattform::tastenStatus;
std::vector<int> hauptBefehle;

intptr_t hauptProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == plattform::nachricht::Befehl)
        hauptBefehle.push_back(plattform::loWort(w));
    return plattform::standardFensterProc(f, n, w, l);
}

struct TastenFall : GezeigtFall {
    void SetUp() override
    {
        GezeigtFall::SetUp();
        laufzeitSetzen(1.0, 0.001);
        plattform::klasseRegistrieren({"tastenHaupt", hauptProc});
        fensterhandles.hauptfenster = plattform::fensterErzeugen("tastenHaupt", "", 0, 0, 0, 300, 200);
        hauptBefehle.clear();
    }
    void TearDown() override
    {
        plattform::fensterZerstoeren(fensterhandles.hauptfenster);
        fensterhandles.hauptfenster = nullptr;
        doppelklickAktiv = 0;
        for (int t : {ts::LinksStrg, ts::LinksUmschalt})
            pt::tastenZustandSetzen(t, false);
        GezeigtFall::TearDown();
    }
};

struct AchsenTaste { int taste; double von, bis, neuVon, neuBis; };

TEST_F(TastenFall, ZeitachsentastenZoomenUndSchiebenInnerhalbDesLaufs)
{
    const AchsenTaste faelle[] = {
        {plattform::taste::Hoch, 0.2, 0.6, 0.3, 0.5},   {plattform::taste::Hoch, 0.2, 0.25, 0.2, 0.25},
        {plattform::taste::Runter, 0.0, 1.0, 0.0, 1.0}, {plattform::taste::Runter, 0.1, 0.3, 0.0, 0.4},
        {plattform::taste::Ende, 0.2, 0.4, 0.8, 1.0},
        {plattform::taste::Ende, 0.0, 2.0, 0.0, 1.0},   // wider than the run: from 0, not before
        {plattform::taste::Pos1, 0.5, 0.7, 0.0, 0.2},
    };
    for (const AchsenTaste& f : faelle) {
        d->minX = f.von, d->maxX = f.bis, d->vCursor1 = 0.6;
        diagrammTaste(d->fenster, f.taste, 0);
        EXPECT_NEAR(d->minX, f.neuVon, 1e-9) << f.taste;
        EXPECT_NEAR(d->maxX, f.neuBis, 1e-9) << f.taste;
    }
    EXPECT_NEAR(d->vCursor1, 0.18, 1e-9);   // Home left it behind: a tenth inside
}

struct TastenZeile { int taste; bool strg, umschalt, alt; int befehl; };

TEST_F(TastenFall, TastenzeilenSendenIhreHauptfensterBefehle)
{
    const TastenZeile zeilen[] = {
        {plattform::taste::F2, false, false, false, befehlSimulationStarten},
        {plattform::taste::F2, false, true, false, befehlSkriptStarten},
        {plattform::taste::F2, false, false, true, befehlSkriptInteraktiv},
        {plattform::taste::F9, true, true, false, befehlSynapseBearbeitenErste},
        {plattform::taste::F9, false, false, true, befehlFazilitation},
        {plattform::taste::F11, false, true, false, befehlBenutzerKanaele},
        {'F', true, false, false, befehlDiagrammAnLetzterPosition},
        {'N', true, true, false, befehlDiagrammeSchliessen},
        {'S', true, false, false, befehlGuiDateiSpeichern},
        {'S', false, false, false, 0},
    };
    for (const TastenZeile& z : zeilen) {
        hauptBefehle.clear();
        pt::tastenZustandSetzen(ts::LinksStrg, z.strg);
        pt::tastenZustandSetzen(ts::LinksUmschalt, z.umschalt);
        diagrammTaste(d->fenster, z.taste, z.alt ? diagrammTasteAlt : 0);
        EXPECT_EQ(hauptBefehle, z.befehl ? std::vector<int>{z.befehl} : std::vector<int>{}) << z.taste;
    }
}

TEST_F(TastenFall, StrgWOhneZeitcursorPieptUndMeldet)
{
    pt::tastenZustandSetzen(ts::LinksStrg, true);
    pt::boxAntworten({1});
    diagrammTaste(d->fenster, 'W', 0);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[451]);
    EXPECT_EQ(d->werteInLegende, 0);
    d->vCursorZustand = 2;
    diagrammTaste(d->fenster, 'W', 0);
    EXPECT_EQ(d->werteInLegende, 1);
}

TEST_F(TastenFall, ImPermutationsmodusTunTastenNichts)
{
    modusStatus |= modusBit::Permutationsmodus;
    d->minX = 0.2, d->maxX = 0.4;
    diagrammTaste(d->fenster, plattform::taste::Ende, 0);
    diagrammTaste(d->fenster, plattform::taste::F2, 0);
    modusStatus = 0;
    EXPECT_EQ(std::make_pair(d->minX, d->maxX), std::make_pair(0.2, 0.4));
    EXPECT_TRUE(hauptBefehle.empty());
}

TEST_F(TastenFall, ZeitcursorLebenMitUmschaltklickLoslassenUndLeeremKlick)
{
    plattform::vordergrundSetzen(d->fenster);
    const int x = d->xAchseLinks[0] + 20, y = d->yAchseUnten[1] - 20;
    pt::tastenZustandSetzen(ts::LinksUmschalt, true);
    diagrammLinksKlick(d->fenster, 0, d->xAchseLinks[0] - 5, y, 0);   // outside the axes
    doppelklickAktiv = 0;
    EXPECT_EQ(d->vCursorZustand, 0);
    std::vector<int> zustaende;
    auto schritt = [&](auto aktion) { aktion(); doppelklickAktiv = 0; zustaende.push_back(d->vCursorZustand); };
    schritt([&] { diagrammLinksKlick(d->fenster, 0, x, y, 0); });
    pt::tastenZustandSetzen(ts::LinksUmschalt, false);
    schritt([&] { diagrammLinksKlick(d->fenster, 0, x, y, 0); });
    schritt([&] { diagrammMausBewegung(d->fenster, x + 40, y, 0); });
    schritt([&] { diagrammLinksLoslassen(d->fenster, x + 40, y, 0); });
    schritt([&] { diagrammLinksKlick(d->fenster, 0, x + 100, y, 0); });
    schritt([&] { diagrammLinksLoslassen(d->fenster, x + 100, y, 0); });
    EXPECT_EQ(zustaende, (std::vector<int>{1, 2, 2, 3, 3, 0}));
    EXPECT_EQ(d->zustand & 0x30000u, 0u);
}

TEST_F(TastenFall, ZweiterKlickInDerZeitOeffnetDasLayoutAufDemAchsenfeld)
{
    const int y = d->xAchseLinks[1], viertel = d->plotBreite / 4;
    for (auto [x, fokus] : {std::pair{d->xAchseLinks[0] + viertel, 1140}, {d->xAchseRechts[0] - viertel, 1142}}) {
        int gefunden = 0;
        pt::dialogSkript(127, {pt::DialogSchritt([&](Fenster dlg) { gefunden = pt::dialogFokus(dlg); }),
                               pt::schritt::klicken(2)});
        diagrammLinksKlick(d->fenster, 0, x, y, 0);
        EXPECT_EQ(doppelklickAktiv, 1);
        diagrammLinksKlick(d->fenster, 0, x, y, 0);
        EXPECT_EQ(gefunden, fokus) << x;
    }
}

} // namespace
