// tests/dialogs/test_ablesedialoge_zahlen.cpp - the number fields of the diagram read-out
// dialogs (second y-axis 305, decimal places 317, axis units 173, legend 171) and of the WAV
// import (322): a text without a number, or a size beyond what the painter takes, gets a
// notice naming the field and nothing is stored
#include "dialogs/achsenformat.h"
#include "dialogs/dezimalstellen.h"
#include "dialogs/legendeformat.h"
#include "dialogs/wavimport.h"
#include "dialogs/yachse2.h"
#include "model/diagramm.h"
#include "reizdialog_hilfe.h"
#include "resources/vorlagen.h"

using namespace reizdialog;

namespace {

struct AbleseZahlen : reizdialog::Fall {
    DiagrammDaten d;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        d.minY = -60, d.maxY = 40, d.plotHoehe = 200, d.maxX = 0.1;
        d.kurven[0].punkte.resize(2);
        KurvenDaten& k = d.kurven[0];
        std::tie(k.minY, k.maxY, k.anzahlTicks, k.dicke2Achse) = std::tuple(-1.0, 1.0, 4, 3);
    }
    static Schritte abgelehnt(int id, const char* text)
    {
        return {sch::tippen(id, text), sch::klicken(1), fokus(id), sch::klicken(2)};
    }
    intptr_t satzDialog(int vorlage, Schritte s)
    {
        test::dialogSkript(vorlage, std::move(s));
        const auto l = reinterpret_cast<intptr_t>(&d);
        switch (vorlage) {
        case 305: return yAchse2DialogOeffnen(d);
        case 317: return dezimalstellenDialogOeffnen(d);
        case 173: return dialogModal(vorlageAchsenFormat, nullptr, achsenFormatDlgProc, l);
        default: return dialogModal(vorlageLegendeFormat, nullptr, legendeFormatDlgProc, l);
        }
    }
};

} // namespace

TEST_F(AbleseZahlen, AchsenDezimalstellenEinheitenUndLegendeNehmenNichtsOhneZahl)
{
    const DiagrammDaten vorher = d;
    const struct { int vorlage, id; const char* text; std::string meldung; } faelle[] = {
        {305, 1217, "abc", meldungFormatieren(952, "max:")},
        {305, 1219, "nan", meldungFormatieren(952, "Anzahl von Teilstrichen (Ticks)")},
        {305, 1227, "101", meldungFormatieren(822, "Achsendicke", 0, 100)},
        {305, 1213, "1e6", meldungFormatieren(958, "Position auf der X-Achse (in %)", "-2000", "2000")},
        {317, 2222, "x", meldungFormatieren(952, "Fuer Zeitanzeige an vert. Cursor")},
        {173, 1397, "1e400", meldungFormatieren(952, "Abstand von der X-Achse (Pixel)")},
        {173, 1398, "3000", meldungFormatieren(822, "Position entlang der X-Achse (Pixel)", -2000, 2000)},
        {171, 1422, "nan", meldungFormatieren(952, "Schriftgr\xF6\xDF" "e (0: keine Legende)")},
    };
    for (const auto& f : faelle) {
        test::boxAntworten({antwort::Ok});
        EXPECT_EQ(satzDialog(f.vorlage, abgelehnt(f.id, f.text)), 2);
        EXPECT_EQ(letzteBox(), f.meldung) << f.vorlage << " " << f.text;
        const KurvenDaten& k = d.kurven[0];
        EXPECT_EQ(std::tuple(k.maxY, k.anzahlTicks, k.dicke2Achse, k.xPos, d.dezimalstellenVCursor),
                  std::tuple(1.0, 4, 3, 0.0, vorher.dezimalstellenVCursor));
        EXPECT_EQ(std::tuple(d.xDimensionAbstand, d.xDimensionPosition, d.legendeFontSize),
                  std::tuple(vorher.xDimensionAbstand, vorher.xDimensionPosition, vorher.legendeFontSize));
    }
    // a check box's refill keeps what was typed, and OK still names it
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(satzDialog(305, {sch::tippen(1217, "x"), sch::klicken(2035), texte({{1217, "x"}}), sch::klicken(1),
                               fokus(1217), sch::tippen(1217, "2"), sch::klicken(1)}),
              1);
    EXPECT_EQ(d.kurven[0].maxY, 2.0);
}

TEST_F(AbleseZahlen, WavKalibrierungOhneZahlBleibt)
{
    const DiagrammOptionen vorher = diagrammOptionen;
    diagrammOptionen.wavKalibrierung = 5.0;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(322, abgelehnt(wavImportId::Kalibrierung, "nan"));
    EXPECT_EQ(wavImportDialogOeffnen(nullptr), 2);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "maximum value for data calibration (mV)"));
    EXPECT_EQ(diagrammOptionen.wavKalibrierung, 5.0);
    diagrammOptionen = vorher;
}
