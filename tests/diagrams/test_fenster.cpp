// tests/diagrams/test_fenster.cpp - the diagram window: menu, moving, sizing, repainting,
// closing with its questions, the cursor, and what goes with a closed diagram
#include "diagramm_hilfe.h"
#include "model/skript.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/diagrammmenue.h"

namespace {

using plattform::Fenster;
namespace antwort = plattform::antwort;

struct Fensterfall : DiagrammFall {
    NeuronDaten* n = nullptr;
    DiagrammDaten* haupt = nullptr;
    void SetUp() override
    {
        DiagrammFall::SetUp();
        laufzeitSetzen(0.1, 0.001);
        n = neu(1);
        n->name = "Zelle";
        haupt = &gezeigt(n);
    }
    void TearDown() override
    {
        skriptErgebnisArt = 0;
        DiagrammFall::TearDown();
    }
    DiagrammDaten* weiteres()
    {
        EXPECT_EQ(diagrammErzeugen(n, nullptr), 1);
        DiagrammDaten* d = aktuellesDiagramm.diagramm;
        plattform::zeigen(d->fenster, plattform::anzeige::Normal);
        return d;
    }
    std::vector<pt::Ereignis> pieptoene() const
    {
        std::vector<pt::Ereignis> v;
        for (const pt::Ereignis& e : pt::ereignisLog())
            if (e.art == pt::Ereignis::Piep)
                v.push_back(e);
        return v;
    }
};

} // namespace

TEST_F(Fensterfall, OeffnetMitSeinemMenueUndFolgtVerschiebenGroesseUndNeuzeichnen)
{
    Fenster f = haupt->fenster;
    ASSERT_TRUE(plattform::istSichtbar(f));
    EXPECT_EQ(plattform::klassenName(f), meldungsTexte[12]);
    EXPECT_EQ(plattform::titel(f), "Zelle");
    // menu 120: only closing works so far
    plattform::Menue m = plattform::fensterMenue(f);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(plattform::postenText(m, 0, plattform::Nach::Position), "&Datei");
    EXPECT_TRUE(plattform::istGrau(m, diagrammBefehlDrucken, plattform::Nach::Befehl));
    EXPECT_TRUE(plattform::istGrau(m, diagrammBefehlKontextMenuCursor, plattform::Nach::Befehl));
    EXPECT_FALSE(plattform::istGrau(m, diagrammBefehlSchliessen, plattform::Nach::Befehl));
    // moved and sized: the record follows, the layout and curves with it
    plattform::verschieben(f, 200, 150, 640, 480);
    EXPECT_EQ(haupt->fensterX, 200);
    EXPECT_EQ(haupt->fensterY, 150);
    EXPECT_EQ(haupt->breite, 640);
    EXPECT_EQ(haupt->fensterHoehe, 480);
    EXPECT_EQ(haupt->hoehe, plattform::clientRechteck(f).hoehe());
    EXPECT_EQ(haupt->plotBreite, 640 - 2 * haupt->xRand);
    EXPECT_TRUE(haupt->zustand & 0x8000);
    // a minimised window leaves the record as it was; too small a one is made larger
    plattform::zeigen(f, plattform::anzeige::Minimiert);
    EXPECT_EQ(haupt->breite, 640);
    plattform::zeigen(f, plattform::anzeige::Normal);
    plattform::verschieben(f, 200, 150, 100, 50);
    EXPECT_EQ(plattform::fensterRechteck(f).breite(), diagrammOptionen.minimalBreite);
    EXPECT_EQ(haupt->fensterHoehe, diagrammOptionen.minimalHoehe);
    // repainted: the x-axis where the new layout puts it
    plattform::verschieben(f, 200, 150, 640, 480);
    plattform::ungueltigMachen(f);
    plattform::nachrichtenVerarbeiten();
    const auto achsen = mit(pt::letzteZeichnung(f), pt::ZeichenArt::Linie, 0xFF0000);
    ASSERT_EQ(achsen.size(), 2u);
    EXPECT_EQ(achsen[0].punkte[1].x, 640 - haupt->xRand);
    // the English menu
    sprache = 1033;
    DiagrammDaten* d = weiteres();
    EXPECT_EQ(plattform::postenText(plattform::fensterMenue(d->fenster), 0, plattform::Nach::Position), "File");
}

TEST_F(Fensterfall, HauptdiagrammSchliesstSeineWeiterenNachEinerFrageUndGibtSieFrei)
{
    DiagrammDaten* a = weiteres();
    DiagrammDaten* b = weiteres();
    const Fenster fa = a->fenster, fb = b->fenster;
    // No keeps all three
    pt::boxAntworten({antwort::Nein});
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt->fenster, diagrammBefehlSchliessen));
    plattform::nachrichtenVerarbeiten();
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(291, std::string("Zelle")));
    EXPECT_TRUE(plattform::istFenster(haupt->fenster));
    EXPECT_EQ(haupt->naechstes, a);
    // Yes closes all three; the further records go with their windows (ASan counts them)
    pt::boxAntworten({antwort::Ja});
    const Fenster fh = haupt->fenster;
    plattform::senden(fh, plattform::nachricht::Schliessen);
    EXPECT_EQ(pt::boxLog().size(), 2u);
    for (Fenster f : {fh, fa, fb})
        EXPECT_FALSE(plattform::istFenster(f));
    EXPECT_EQ(haupt->naechstes, nullptr);
    EXPECT_EQ(haupt->fenster, nullptr);
    EXPECT_EQ(haupt->offen, 0);
    EXPECT_FALSE(anzeigeStatus & anzeigeBit::WeitereDiagrammeSchliessen);
}

TEST_F(Fensterfall, AlleinGeschlossenLeertDasHauptdiagrammSeineKurvenEinWeiteresGehtGanz)
{
    werte(*haupt, kurve::Soma, std::vector<float>(100, -60.0f));
    haupt->kurven[kurve::Soma].bezeichnung = "eigener Name";
    DiagrammDaten* a = weiteres();
    DiagrammDaten* b = weiteres();
    // a further diagram leaves the chain; the others stay
    plattform::senden(a->fenster, plattform::nachricht::Schliessen);
    EXPECT_EQ(haupt->naechstes, b);
    EXPECT_TRUE(pt::boxLog().empty());
    plattform::senden(b->fenster, plattform::nachricht::Schliessen);
    EXPECT_EQ(haupt->naechstes, nullptr);
    // the main diagram alone: the record stays, its slots are empty and named as the template's
    plattform::senden(haupt->fenster, plattform::nachricht::Schliessen);
    EXPECT_TRUE(pt::boxLog().empty());
    EXPECT_EQ(haupt->fenster, nullptr);
    const KurvenDaten& soma = haupt->kurven[kurve::Soma];
    EXPECT_TRUE(soma.werte.empty());
    EXPECT_EQ(soma.anzeigen, 0);
    EXPECT_EQ(soma.bezeichnung, diagrammVorlage.kurven[kurve::Soma].bezeichnung);
    // reopened, it shows no curve until new data come
    DiagrammDaten& wieder = gezeigt(n);
    EXPECT_EQ(&wieder, haupt);
    EXPECT_TRUE(mit(malen(haupt->fenster), pt::ZeichenArt::Polylinie, haupt->kurven[0].farbe).empty());
}

TEST_F(Fensterfall, SchliessenVerweigertOderErfragtNachSkriptUndLaufsperre)
{
    const Fenster f = haupt->fenster;
    // an interactive script: closing, maximising and minimising beep and change nothing
    skriptStatus = skriptBit::Interaktiv;
    for (uintptr_t befehl : {plattform::systembefehl::Schliessen, plattform::systembefehl::Maximieren,
                             plattform::systembefehl::Minimieren})
        EXPECT_EQ(plattform::senden(f, plattform::nachricht::SystemBefehl, befehl), 1);
    plattform::senden(f, plattform::nachricht::Schliessen);
    EXPECT_TRUE(plattform::istFenster(f));
    EXPECT_FALSE(plattform::istMaximiert(f));
    ASSERT_EQ(pieptoene().size(), 4u);
    EXPECT_EQ(pieptoene()[0].a, 500);
    EXPECT_EQ(pieptoene()[0].b, 40);
    // locked runs: the question; No keeps the window
    skriptStatus = 0;
    programmStatus |= programmBit::LaufGesperrt;
    pt::boxAntworten({antwort::Nein, antwort::Ja});
    plattform::senden(f, plattform::nachricht::SystemBefehl, plattform::systembefehl::Schliessen);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, "closing the window will delete all displayed data\n\ncontinue?");
    EXPECT_TRUE(plattform::istFenster(f));
    plattform::senden(f, plattform::nachricht::Schliessen);
    EXPECT_FALSE(plattform::istFenster(f));
}

TEST_F(Fensterfall, ImBildschirmmodusDesSkriptsBleibtDieGroesseMitEinemHinweisBeimErstenMal)
{
    const Fenster f = haupt->fenster;
    const plattform::Rechteck vorher = plattform::fensterRechteck(f);
    skriptStatus = skriptBit::Interaktiv;
    skriptErgebnisArt = 4;
    pt::boxAntworten({antwort::Ok});
    plattform::verschieben(f, vorher.links, vorher.oben, 500, 400);
    plattform::verschieben(f, vorher.links, vorher.oben, 520, 400);
    const plattform::Rechteck nachher = plattform::fensterRechteck(f);
    EXPECT_EQ(nachher.breite(), vorher.breite());
    EXPECT_EQ(nachher.hoehe(), vorher.hoehe());
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(448));
    ASSERT_EQ(pieptoene().size(), 2u);
    EXPECT_EQ(pieptoene()[1].a, 1234);
}

TEST_F(Fensterfall, EinGeschlossenesOderGeloeschtesDiagrammHinterlaesstKeinenVerweis)
{
    NeuronDaten* zweites = neu(2);
    DiagrammDaten& fremd = gezeigt(zweites);
    DiagrammDaten* a = weiteres();
    auto aufDiagramm = [&](DiagrammDaten* d) {
        aktuellesDiagramm.diagramm = d;
        aktuellesDiagramm.kurvenSlot = 3;
        aktuellesDiagramm.messDiagramm = d;
        aktuellesDiagramm.messFenster = d->fenster;
        fremd.yAchse2Quelle = d;
    };
    auto keinVerweis = [&] {
        EXPECT_EQ(aktuellesDiagramm.diagramm, nullptr);
        EXPECT_EQ(aktuellesDiagramm.kurvenSlot, 0);
        EXPECT_EQ(aktuellesDiagramm.messDiagramm, nullptr);
        EXPECT_EQ(aktuellesDiagramm.messFenster, nullptr);
        EXPECT_EQ(fremd.yAchse2Quelle, nullptr);
    };
    // closing a further diagram, whose record goes
    aufDiagramm(a);
    plattform::senden(a->fenster, plattform::nachricht::Schliessen);
    keinVerweis();
    // closing the main diagram, whose record stays without its window
    aufDiagramm(haupt);
    plattform::senden(haupt->fenster, plattform::nachricht::Schliessen);
    keinVerweis();
    // deleting the neuron with further diagrams open (their windows go while the records do)
    haupt = &gezeigt(n);
    aufDiagramm(weiteres());
    weiteres();
    weiteres();
    weg(n);
    keinVerweis();
}

TEST_F(Fensterfall, CursorNachMessmodusNurImMessfensterUndDieScrollleisteNachDerOption)
{
    diagrammCursor = {plattform::standardCursor(plattform::cursorArt::Pfeil),
                      plattform::standardCursor(plattform::cursorArt::Kreuz),
                      plattform::standardCursor(plattform::cursorArt::Warten), nullptr};
    const Fenster f = haupt->fenster;
    const struct { int modus; bool messfenster; plattform::Cursor soll; } faelle[] = {
        {16, true, diagrammCursor.zeit}, {8, true, diagrammCursor.wert}, {4, true, diagrammCursor.standard},
        {16, false, diagrammCursor.standard}, {24, true, plattform::standardCursor(plattform::cursorArt::Pfeil)},
    };
    for (const auto& c : faelle) {
        aktuellesDiagramm.messModus = c.modus;
        aktuellesDiagramm.messFenster = c.messfenster ? f : nullptr;
        diagrammCursorWaehlen(f);
        EXPECT_EQ(pt::fensterCursor(f), c.soll) << c.modus << " " << c.messfenster;
    }
    // the scroll bar: hidden without the option, set by the layout with it
    diagrammOptionen.scrollleisteAnzeigen = 1;
    haupt->minX = 0.0;
    haupt->maxX = 0.05;
    diagrammFensterErzeugt(f);
    EXPECT_TRUE(plattform::scrollLeiste(f, false).sichtbar);
    diagrammOptionen.scrollleisteAnzeigen = 0;
    diagrammFensterErzeugt(f);
    EXPECT_FALSE(plattform::scrollLeiste(f, false).sichtbar);
    // while a page prints the window is not painted
    programmStatus |= programmBit::Druckt;
    EXPECT_TRUE(malen(f).empty());
}
