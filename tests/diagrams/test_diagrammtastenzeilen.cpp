// tests/diagrams/test_diagrammtastenzeilen.cpp - every row of the diagram keys with the
// commands it sends, the temporary marking of F5 and F7, linked time axes, the beeps, the
// scroll bar's thumb and the characters Esc and X
#include "hauptfenster_hilfe.h"
#include "model/undo.h"
#include "resources/befehle.h"
#include "resources/diagrammmenue.h"

namespace {

namespace ts = plattform::tastenStatus;
namespace tk = plattform::taste;
using plattform::Fenster;

struct ZeilenFall : MitHauptfensterFall {
    void SetUp() override
    {
        MitHauptfensterFall::SetUp();
        undoListe = {};
    }
    void TearDown() override
    {
        undoListe = {};
        MitHauptfensterFall::TearDown();
    }
    void halten(bool strg, bool umschalt)
    {
        pt::tastenZustandSetzen(ts::LinksStrg, strg);
        pt::tastenZustandSetzen(ts::RechtsUmschalt, umschalt);
    }
};

// a key with what is held, and the commands it gives the main window and the diagram
struct Zeile {
    int taste;
    bool strg, umschalt, alt;
    std::vector<int> haupt, diagramm;
};

TEST_F(ZeilenFall, JedeZeileSendetIhreBefehle)
{
    const Zeile zeilen[] = {
        {tk::Links, false, true, false, {}, {51079}},
        {tk::Links, true, false, false, {}, {51081}},
        {tk::Links, false, false, true, {}, {51083}},
        {tk::Links, false, false, false, {}, {51078}},
        {tk::Links, true, true, true, {}, {51079}},   // the first row that matches wins
        {tk::Rechts, false, true, false, {}, {51080}},
        {tk::Rechts, true, false, false, {}, {51082}},
        {tk::Rechts, false, false, true, {}, {51084}},
        {tk::Rechts, false, false, false, {}, {51077}},
        {tk::F2, true, false, false, {befehlSkriptNeuLadenUndStarten}, {}},
        {tk::F2, true, true, false, {befehlSkriptStarten}, {}},
        {tk::F5, true, false, true, {befehlPhysiologie}, {}},
        {tk::F7, false, false, false, {befehlTasteF7}, {}},
        {tk::F9, false, true, false, {befehlTransmitterdynamik}, {}},
        {tk::F9, true, false, false, {befehlPspForm}, {}},
        {tk::F9, false, false, false, {befehlSynapseBearbeitenErste}, {}},
        {tk::F11, true, true, false, {befehlStandardKanaele}, {}},
        {tk::F11, false, false, false, {befehlKCaKanal}, {}},
        {'A', true, false, false, {}, {diagrammBefehlApFrequenz}},
        {'A', false, false, false, {}, {}},
        {'D', true, false, false, {}, {diagrammBefehlAlleAngleichen}},
        {'F', true, true, false, {befehlFensterInListeSpeichern, befehlGuiDateiSpeichern}, {}},
        {'G', true, false, false, {befehlGeoeffneteGleichgross}, {}},
        {'I', true, false, false, {befehlAusListeGleichgross}, {}},
        {'L', true, false, false, {befehlDiagrammeAusListe}, {}},
        {'M', true, false, false, {befehlDiagrammeMarkierte}, {}},
        {'N', true, false, false, {befehlDiagrammeAlle}, {}},
        {'O', true, false, false, {befehlDiagrammeGeoeffnete}, {}},
        {'R', true, false, false, {}, {diagrammBefehlReferenzkurveSpeichern}},
        {'T', true, false, false, {befehlTextfensterAnzeigen}, {}},
        {'V', false, false, false, {}, {}},           // no neuron marked
        {'V', true, false, false, {}, {}},
    };
    pt::boxAntworten({1});   // Ctrl+R: no curve to store as a reference
    for (const Zeile& z : zeilen) {
        hauptBefehle().clear();
        pt::logLeeren();
        halten(z.strg, z.umschalt);
        diagrammTaste(d->fenster, z.taste, z.alt ? diagrammTasteAlt : 0);
        EXPECT_EQ(hauptBefehle(), z.haupt) << z.taste << " " << z.strg << z.umschalt << z.alt;
        EXPECT_EQ(diagrammBefehle(), z.diagramm) << z.taste << " " << z.strg << z.umschalt << z.alt;
    }
    // K opens the curve dialog
    pt::dialogSkript(128, {pt::schritt::klicken(2)});
    halten(true, false);
    diagrammTaste(d->fenster, 'K', 0);
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
    // V with exactly one neuron marked
    halten(false, false);
    hauptBefehle().clear();
    neuronMarkieren(n, 1);
    diagrammTaste(d->fenster, 'V', 0);
    EXPECT_EQ(hauptBefehle(), std::vector<int>{befehlVoltageClamp});
}

TEST_F(ZeilenFall, SonderzeilenWirkenOhneBefehl)
{
    // Shift+M: the option minimises for one call, and without Ctrl nothing is sent
    halten(false, true);
    diagrammTaste(d->fenster, 'M', 0);
    EXPECT_EQ(diagrammOptionen.strgMNurMinimieren, -1);
    EXPECT_TRUE(hauptBefehle().empty());
    // U: fresh data drawn
    d->zustand = 0;
    halten(false, false);
    diagrammTaste(d->fenster, 'U', 0);
    EXPECT_EQ(d->zustand & 0x8000u, 0x8000u);
    // Ctrl+H minimises the main window, Ctrl+Shift+H brings it back to the front
    halten(true, false);
    diagrammTaste(d->fenster, 'H', 0);
    EXPECT_TRUE(plattform::istMinimiert(fensterhandles.hauptfenster));
    halten(true, true);
    diagrammTaste(d->fenster, 'H', 0);
    EXPECT_FALSE(plattform::istMinimiert(fensterhandles.hauptfenster));
    EXPECT_EQ(plattform::vordergrundFenster(), fensterhandles.hauptfenster);
    // F12 goes to the main window as its own F12, which replays the last dialog behind its guard
    pt::logLeeren();
    halten(false, false);
    diagrammTaste(d->fenster, tk::F12, 0);
    const auto log = pt::nachrichtenVon(fensterhandles.hauptfenster);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const auto& e) {
        return e.nachricht == plattform::nachricht::TasteRunter && e.w == static_cast<uintptr_t>(tk::F12);
    }));
    // a one-shot modifier counts for the next key only
    pt::logLeeren();
    tastenModifikator = 0x4;
    diagrammTaste(d->fenster, tk::Links, 0);
    diagrammTaste(d->fenster, tk::Links, 0);
    EXPECT_EQ(diagrammBefehle(), (std::vector<int>{51079, 51078}));
}

TEST_F(ZeilenFall, TonZeilenPiepenMitTausendHertz)
{
    d->minX = 0.2, d->maxX = 0.25;   // narrower than 100 steps: Up beeps and keeps the axis
    diagrammTaste(d->fenster, tk::Hoch, 0);
    EXPECT_EQ(std::make_pair(d->minX, d->maxX), std::make_pair(0.2, 0.25));
    diagrammTaste(d->fenster, 'Y', 0);   // nothing to redo: a beep even without Ctrl
    halten(true, false);
    diagrammTaste(d->fenster, 'Z', 0);   // fewer than two steps stored
    EXPECT_EQ(pieptoene(), 3u);
    halten(false, false);
    diagrammTaste(d->fenster, 'Z', 0);   // Z needs Ctrl
    EXPECT_EQ(pieptoene(), 3u);
}

TEST_F(ZeilenFall, F5UndF7MarkierenDasNeuronNurFuerIhrenDialog)
{
    std::vector<int> waehrend;
    hauptfenster_hilfe::beimBefehl = [&](int) { waehrend.push_back(markierteNeurone.anzahl()); };
    diagrammTaste(d->fenster, tk::F5, 0);
    diagrammTaste(d->fenster, tk::F7, 0);
    EXPECT_EQ(waehrend, (std::vector<int>{1, 1}));
    EXPECT_EQ(std::make_pair(markierteNeurone.anzahl(), n->markiert), std::make_pair(0, 0));
    // another neuron marked: it is the one the dialog takes, and it stays marked
    NeuronDaten* andere = neu(2);
    neuronMarkieren(andere, 1);
    diagrammTaste(d->fenster, tk::F5, 0);
    EXPECT_EQ(std::make_pair(markierteNeurone.anzahl(), andere->markiert), std::make_pair(1, 1));
    EXPECT_EQ(n->markiert, 0);
    neuronMarkieren(nullptr, 0);
}

TEST_F(ZeilenFall, F5UnmarkiertNurEinNeuronDasNochLebt)
{
    hauptfenster_hilfe::beimBefehl = [&](int) {
        weg(n);   // the dialog deleted the neuron, and its window with it
        n = nullptr, d = nullptr;
    };
    plattform::Fenster f = n->hauptDiagramm.fenster;
    diagrammTaste(f, tk::F5, 0);
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
    EXPECT_EQ(neuronNachNummer(1), nullptr);
}

TEST_F(ZeilenFall, VerlinkteDiagrammeFolgenJederAchsentaste)
{
    NeuronDaten* zweites = neu(2);
    DiagrammDaten& e = gezeigt(zweites);
    diagrammOptionen.alleVerlinken = 1;
    d->minX = 0.2, d->maxX = 0.6;
    diagrammTaste(d->fenster, tk::Hoch, 0);
    EXPECT_EQ(std::make_pair(e.minX, e.maxX), std::make_pair(d->minX, d->maxX));
    EXPECT_NEAR(e.minX, 0.3, 1e-9);
    diagrammTaste(d->fenster, tk::Rechts, 0);   // the window commands follow the option too
    EXPECT_EQ(std::make_pair(e.minX, e.maxX), std::make_pair(d->minX, d->maxX));
    EXPECT_NEAR(e.minX, 0.5, 1e-9);
    diagrammOptionen.alleVerlinken = 0;
    diagrammTaste(d->fenster, tk::Pos1, 0);
    EXPECT_NEAR(e.minX, 0.5, 1e-9);
}

TEST_F(ZeilenFall, DaumenZiehenSchiebtDasFensterAufSeinenSchritt)
{
    diagrammOptionen.scrollleisteAnzeigen = 1;
    d->minX = 0.1, d->maxX = 0.3;
    diagrammLayoutBerechnen(n, d, 0);
    pt::scrollen(d->fenster, false, plattform::scroll::DaumenZiehen, 400);
    EXPECT_NEAR(d->minX, 0.4, 1e-9);
    EXPECT_NEAR(d->maxX, 0.6, 1e-9);
    EXPECT_EQ(d->ersterSichtbarerSchritt, 400);
    EXPECT_EQ(pieptoene(), 0u);
}

TEST_F(ZeilenFall, EscHoltDasHauptfensterUndXBrichtNurEinenLaufAb)
{
    plattform::zeigen(fensterhandles.hauptfenster, plattform::anzeige::Minimiert);
    diagrammZeichenTaste(d->fenster, 27, 1);
    EXPECT_FALSE(plattform::istMinimiert(fensterhandles.hauptfenster));
    EXPECT_EQ(plattform::vordergrundFenster(), fensterhandles.hauptfenster);
    diagrammZeichenTaste(d->fenster, 'x', 1);   // no run: nothing
    EXPECT_EQ(programmStatus & programmBit::AbbruchAnforderung, 0u);
    programmStatus |= programmBit::LaufAktiv;
    pt::logLeeren();
    diagrammZeichenTaste(d->fenster, 'X', 1);
    EXPECT_NE(programmStatus & programmBit::AbbruchAnforderung, 0u);
    const auto log = pt::nachrichtenVon(fensterhandles.hauptfenster);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(std::make_tuple(log.back().nachricht, log.back().w, log.back().l),
              std::make_tuple(plattform::nachricht::Zeichen, uintptr_t{27}, intptr_t{0x10001}));
    programmStatus = 0;
    skriptStatus = skriptBit::Laeuft;   // a script run is cancelled through the main window's command
    diagrammZeichenTaste(d->fenster, 'x', 1);
    EXPECT_EQ(hauptBefehle(), std::vector<int>{befehlSimulationAbbrechen});
    EXPECT_EQ(programmStatus & programmBit::AbbruchAnforderung, 0u);
}

} // namespace
