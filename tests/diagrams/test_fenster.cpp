// tests/diagrams/test_fenster.cpp - the diagram window: menu, moving, sizing, repainting,
// closing with its questions, and what goes with a closed diagram
#include "diagramm_hilfe.h"
#include "platform/menue.h"
#include "resources/diagrammmenue.h"

using plattform::Fenster;
namespace antwort = plattform::antwort;
namespace nachricht = plattform::nachricht;
using Fensterfall = GezeigtFall;

TEST_F(Fensterfall, OeffnetMitSeinemMenueUndFolgtVerschiebenGroesseUndNeuzeichnen)
{
    const Fenster f = d->fenster;
    ASSERT_TRUE(plattform::istSichtbar(f));
    // menu 120: only the printer list's head stays grey
    plattform::Menue m = plattform::fensterMenue(f);
    EXPECT_EQ(plattform::postenText(m, 0, plattform::Nach::Position), "&Datei");
    for (unsigned befehl : {diagrammBefehlDrucken, diagrammBefehlDruckerUeberschrift, diagrammBefehlSchliessen})
        EXPECT_EQ(plattform::istGrau(m, befehl, plattform::Nach::Befehl), befehl == diagrammBefehlDruckerUeberschrift);
    // moved and sized: the record follows, the layout and curves with it
    plattform::verschieben(f, 200, 150, 640, 480);
    EXPECT_EQ(std::make_tuple(d->fensterX, d->fensterY, d->breite, d->fensterHoehe, d->hoehe, d->plotBreite),
              std::make_tuple(200, 150, 640, 480, plattform::clientRechteck(f).hoehe(), 640 - 2 * d->xRand));
    EXPECT_TRUE(d->zustand & 0x8000);
    // a minimised window leaves the record as it was; too small a one is made larger
    plattform::zeigen(f, plattform::anzeige::Minimiert);
    EXPECT_EQ(d->breite, 640);
    plattform::zeigen(f, plattform::anzeige::Normal);
    plattform::verschieben(f, 200, 150, 100, 50);
    EXPECT_EQ(std::make_tuple(plattform::fensterRechteck(f).breite(), d->fensterHoehe),
              std::make_tuple(diagrammOptionen.minimalBreite, diagrammOptionen.minimalHoehe));
    // repainted: the x-axis where the new layout puts it
    plattform::verschieben(f, 200, 150, 640, 480);
    plattform::ungueltigMachen(f);
    plattform::nachrichtenVerarbeiten();
    const Aufrufe achsen = mit(pt::letzteZeichnung(f), pt::ZeichenArt::Linie, 0xFF0000);
    ASSERT_EQ(achsen.size(), 2u);
    EXPECT_EQ(achsen[0].punkte[1].x, 640 - d->xRand);
    // while a page prints the window is not painted
    programmStatus |= programmBit::Druckt;
    EXPECT_TRUE(malen(f).empty());
    // the English menu
    sprache = 1033;
    const plattform::Menue englisch = plattform::fensterMenue(diagrammAnzeigen(n, nullptr)->fenster);
    EXPECT_EQ(plattform::postenText(englisch, 0, plattform::Nach::Position), "File");
}

TEST_F(Fensterfall, WeitereGehenAlleinOderNachEinerFrageMitDemHauptdiagrammDasAlleinSeineKurvenLeert)
{
    werte(*d, kurve::Soma, std::vector<float>(100, -60.0f));
    d->kurven[kurve::Soma].bezeichnung = "eigener Name";
    DiagrammDaten* a = diagrammAnzeigen(n, nullptr);
    DiagrammDaten* b = diagrammAnzeigen(n, nullptr);
    const Fenster fenster[] = {d->fenster, b->fenster, diagrammAnzeigen(n, nullptr)->fenster};
    // a further diagram leaves the chain without a question
    plattform::senden(a->fenster, nachricht::Schliessen);
    EXPECT_EQ(d->naechstes, b);
    EXPECT_TRUE(pt::boxLog().empty());
    // the main diagram asks first: No keeps all; Yes closes all, and the further records go
    // with their windows (ASan counts them)
    pt::boxAntworten({antwort::Nein, antwort::Ja});
    ASSERT_TRUE(pt::menueBefehlWaehlen(d->fenster, diagrammBefehlSchliessen));
    plattform::nachrichtenVerarbeiten();
    EXPECT_EQ(d->naechstes, b);
    plattform::senden(d->fenster, nachricht::Schliessen);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(291, std::string("Zelle")));
    for (Fenster f : fenster)
        EXPECT_FALSE(plattform::istFenster(f));
    EXPECT_EQ(std::make_tuple(d->naechstes, d->fenster, d->offen), std::make_tuple(nullptr, nullptr, 0));
    EXPECT_FALSE(anzeigeStatus & anzeigeBit::WeitereDiagrammeSchliessen);
    // the main diagram alone: the record stays, its slots empty and named as the template's
    gezeigt(n);
    plattform::senden(d->fenster, nachricht::Schliessen);
    const KurvenDaten& soma = d->kurven[kurve::Soma];
    EXPECT_EQ(std::make_tuple(pt::boxLog().size(), d->fenster, soma.werte.empty(), soma.anzeigen,
                              soma.bezeichnung),
              std::make_tuple(2u, nullptr, true, 0, diagrammVorlage.kurven[kurve::Soma].bezeichnung));
    // reopened, it shows no curve until new data come
    EXPECT_EQ(&gezeigt(n), d);
    EXPECT_TRUE(mit(malen(d->fenster), pt::ZeichenArt::Polylinie, d->kurven[0].farbe).empty());
}

TEST_F(Fensterfall, NachImportiertenDatenFragtDasSchliessenErst)
{
    const Fenster f = d->fenster;
    programmStatus |= programmBit::LaufGesperrt;
    pt::boxAntworten({antwort::Nein, antwort::Ja});
    plattform::senden(f, nachricht::SystemBefehl, plattform::systembefehl::Schliessen);
    EXPECT_TRUE(plattform::istFenster(f));
    plattform::senden(f, nachricht::Schliessen);
    EXPECT_FALSE(plattform::istFenster(f));
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].text, "closing the window will delete all displayed data\n\ncontinue?");
}

TEST_F(Fensterfall, EinGeschlossenesOderGeloeschtesDiagrammHinterlaesstKeinenVerweis)
{
    DiagrammDaten& fremd = gezeigt(neu(2));
    auto aufDiagramm = [&](DiagrammDaten* z) {
        aktuellesDiagramm.diagramm = aktuellesDiagramm.messDiagramm = fremd.yAchse2Quelle = z;
        aktuellesDiagramm.kurvenSlot = 3;
        aktuellesDiagramm.messFenster = z->fenster;
    };
    auto keinVerweis = [&] {
        const AktuellesDiagramm& a = aktuellesDiagramm;
        EXPECT_EQ(std::make_tuple(a.diagramm, a.kurvenSlot, a.messDiagramm, a.messFenster),
                  std::make_tuple(nullptr, 0, nullptr, nullptr));
        EXPECT_EQ(fremd.yAchse2Quelle, nullptr);
    };
    // closing a further diagram, whose record goes
    DiagrammDaten* a = diagrammAnzeigen(n, nullptr);
    aufDiagramm(a);
    plattform::senden(a->fenster, nachricht::Schliessen);
    keinVerweis();
    // closing the main diagram, whose record stays without its window
    aufDiagramm(d);
    plattform::senden(d->fenster, nachricht::Schliessen);
    keinVerweis();
    // deleting the neuron with further diagrams open (their windows go while the records do)
    gezeigt(n);
    aufDiagramm(diagrammAnzeigen(n, nullptr));
    diagrammAnzeigen(n, nullptr);
    diagrammAnzeigen(n, nullptr);
    weg(n);
    keinVerweis();
}
