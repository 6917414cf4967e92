// tests/diagrams/test_diagrammdialoge_zahlen.cpp - the number fields of the diagram's own
// dialogs (layout 127, curves 128, event threshold 329, time measurement 328): a text that
// holds no number, or a size the painter cannot take, gets a notice naming the field, and
// nothing is stored
#include "diagramm_hilfe.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/zeitmessung.h"
#include "resources/diagrammmenue.h"
#include "texts/texte.h"

namespace {

namespace sch = pt::schritt;
using Schritte = std::vector<pt::DialogSchritt>;
using plattform::Fenster;

struct DiagrammZahlen : GezeigtFall {
    void SetUp() override
    {
        GezeigtFall::SetUp();
        dialogEinstellungen = {1, 0, 0, 0, 5};   // the full view
        d->xTickIntervallWirksam = 0.01, d->yTickIntervall = 10;
    }
    void TearDown() override
    {
        dialogEinstellungen = {};
        zeitmessung = {};
        GezeigtFall::TearDown();
    }
    void oeffnen(int vorlage, int befehl, Schritte s)
    {
        pt::dialogSkript(vorlage, std::move(s));
        diagrammBefehl(d->fenster, befehl, 0, 0);
    }
    // the text typed into the field, then OK refused with its notice and the focus on it
    static Schritte abgelehnt(int id, const char* text, int ok)
    {
        return {sch::tippen(id, text), sch::klicken(ok),
                [id](Fenster dlg) { EXPECT_EQ(pt::dialogFokus(dlg), id); }, sch::klicken(2)};
    }
    static std::string letzteBox() { return pt::boxLog().empty() ? "" : pt::boxLog().back().text; }
};

} // namespace

TEST_F(DiagrammZahlen, LayoutNimmtNichtsWennEinFeldKeineZahlOderZuGrossIst)
{
    const struct { int id; const char* text; std::string meldung; } faelle[] = {
        {1140, "abc", meldungFormatieren(952, "X-Achse (s) von:")},
        {1142, "1e400", meldungFormatieren(952, "bis")},
        {1134, "nan", meldungFormatieren(952, "Schnittp. mit Y-Achse (mV)")},
        {1127, "101", meldungFormatieren(822, "Liniendicke der Achsen", 0, 100)},
        {1131, "99999999999", meldungFormatieren(822, "L\xE4nge der Teilstriche", -2000, 2000)},
    };
    const DiagrammDaten vorher = *d;
    for (const auto& f : faelle) {
        pt::boxAntworten({plattform::antwort::Ok});
        oeffnen(127, diagrammBefehlLayout, abgelehnt(f.id, f.text, 1));
        EXPECT_EQ(letzteBox(), f.meldung) << f.text;
        EXPECT_EQ(std::tuple(d->minX, d->maxX, d->yUrsprung, d->achsenDicke, d->tickLaenge),
                  std::tuple(vorher.minX, vorher.maxX, vorher.yUrsprung, vorher.achsenDicke, vorher.tickLaenge));
    }
    oeffnen(127, diagrammBefehlLayout, {sch::tippen(1127, "100"), sch::tippen(1131, "2000"), sch::klicken(1)});
    EXPECT_EQ(std::pair(d->achsenDicke, d->tickLaenge), std::pair(100, 2000));
}

// An axis whose "bis" lies below its "von" is refused naming both fields; nothing is stored
// until it is mended.
TEST_F(DiagrammZahlen, LayoutAchseMitBisUnterVonWirdAbgelehnt)   // it was taken and ignored
{
    const struct { int von, bis; const char* vonText; const char* bisText; const char* vonName; } faelle[] = {
        {1140, 1142, "0.005", "0.002", "X-Achse (s) von:"},
        {1144, 1145, "10", "-10", "Y-Achse (mV) von:"},
    };
    const DiagrammDaten vorher = *d;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.vonName);
        pt::boxAntworten({plattform::antwort::Ok});
        Schritte s{sch::tippen(f.von, f.vonText)};
        for (const pt::DialogSchritt& x : abgelehnt(f.bis, f.bisText, 1))
            s.push_back(x);
        oeffnen(127, diagrammBefehlLayout, s);
        EXPECT_EQ(letzteBox(), meldungFormatieren(967, "bis", f.vonName));
        EXPECT_EQ(std::tuple(d->minX, d->maxX, d->minY, d->maxY),
                  std::tuple(vorher.minX, vorher.maxX, vorher.minY, vorher.maxY));
    }
    oeffnen(127, diagrammBefehlLayout, {sch::tippen(1140, "0.002"), sch::tippen(1142, "0.005"),
                                        sch::tippen(1144, "-10"), sch::tippen(1145, "10"), sch::klicken(1)});
    EXPECT_EQ(std::tuple(d->minX, d->maxX, d->minY, d->maxY), std::tuple(0.002, 0.005, -10.0, 10.0));
}

// 100000 as a curve's line width turned the whole diagram black
TEST_F(DiagrammZahlen, KurvenLiniendickeUndZoomOhneZahlWerdenAbgelehnt)
{
    const KurvenDaten vorher = d->kurven[0];
    const struct { int id; const char* text; std::string meldung; } faelle[] = {
        {1167, "100000", meldungFormatieren(822, "Liniendicke", 0, 100)},
        {1167, "-1", meldungFormatieren(822, "Liniendicke", 0, 100)},
        {1212, "inf", meldungFormatieren(952, "Zoom-Faktor")},
        {1211, "x1", meldungFormatieren(952, "Y-Offset (mV)")},
    };
    for (const auto& f : faelle) {
        pt::boxAntworten({plattform::antwort::Ok});
        oeffnen(128, diagrammBefehlKurven, abgelehnt(f.id, f.text, 2038));
        EXPECT_EQ(letzteBox(), f.meldung) << f.text;
        const KurvenDaten& k = d->kurven[0];
        EXPECT_EQ(std::tuple(k.dicke, k.yZoom, k.yOffset), std::tuple(vorher.dicke, vorher.yZoom, vorher.yOffset));
    }
}

TEST_F(DiagrammZahlen, SchwellendialogNimmtNichtsVonEinemFeldOhneZahl)
{
    laufzeitSetzen(0.006, 0.001);
    zeitmessungUmschalten(d->fenster);
    Fenster mess = pt::offenerDialog(328);
    ASSERT_TRUE(mess);
    diagrammOptionen.schwelle = -20.0, diagrammOptionen.glaettungsrate = 5;
    const struct { int id; const char* text; std::string meldung; } faelle[] = {
        {schwelleId::Schwelle, "abc", meldungFormatieren(952, "Schwelle (mV)")},
        {schwelleId::Ende, "1e400", meldungFormatieren(952, "Zeitbereich der Erkennung (Start - Ende) (s)")},
        {schwelleId::Rate, "nan", meldungFormatieren(952, "Rate:")},
    };
    for (const auto& f : faelle) {
        pt::boxAntworten({plattform::antwort::Ok});
        Schritte schritte = abgelehnt(f.id, f.text, 1);
        if (f.id == schwelleId::Rate)   // the rate is open while smoothing is on
            schritte.insert(schritte.begin(), sch::klicken(schwelleId::Glaetten));
        pt::dialogSkript(329, schritte);
        pt::klicken(mess, zeitmessungId::Schwelle);
        EXPECT_EQ(letzteBox(), f.meldung) << f.text;
        EXPECT_EQ(std::pair(diagrammOptionen.schwelle, diagrammOptionen.glaettungsrate), std::pair(-20.0, 5));
        EXPECT_TRUE(zeitmessung.ereignisZeiten.empty());
    }
    // "end" still names the run's end
    diagrammOptionen.kurveGlaettenAn = 0;
    pt::dialogSkript(329, {sch::tippen(schwelleId::Ende, "end"), sch::klicken(1)});
    pt::klicken(mess, zeitmessungId::Schwelle);
    EXPECT_EQ(zeitmessung.bereichEnde, 0.006);

    // the alternation: a switch names a text without a number; hiding keeps the old value silently
    pt::klicken(mess, zeitmessungId::Linien);   // opens the labels and their alternation
    diagrammOptionen.hoeheAlternieren = 3;
    const size_t boxen = pt::boxLog().size();
    pt::boxAntworten({plattform::antwort::Ok});
    pt::tippen(mess, zeitmessungId::Alternieren, "abc");
    pt::klicken(mess, zeitmessungId::Zeit);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Position abwechselnd versetzen um"));
    pt::klicken(mess, zeitmessungId::Verbergen);
    EXPECT_EQ(std::pair(diagrammOptionen.hoeheAlternieren, pt::boxLog().size()), std::pair(3, boxen + 1));
}
