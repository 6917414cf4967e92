// tests/permutation/test_analysedialog.cpp - dialog 212, the analysis classes
#include "permutation_hilfe.h"

using namespace permutationstest;

namespace {

enum : int {
    idWeiter = 1487, idZurueck = 1488, idApAnzahl = 1489, idAnzahl = 1490, idHilfe = 1503, idNeu = 1507,
    idLoeschen = 1508, idLaden = 1509, idStart1 = 1491, idStart3 = 1493, idTitel1 = 1484, idGewicht3 = 1506,
};

class Analysedialog : public PermutationFall {
protected:
    void SetUp() override
    {
        PermutationFall::SetUp();
        modusAn();
    }
    // which of "<<", ">>" and "löschen" can be pressed
    static std::tuple<bool, bool, bool> knoepfe(Fenster d)
    {
        return {pt::dialogElement(d, idZurueck)->freigegeben, pt::dialogElement(d, idWeiter)->freigegeben,
                pt::dialogElement(d, idLoeschen)->freigegeben};
    }
    static std::string text(Fenster d, int id) { return pt::dialogElement(d, id)->text; }
};

} // namespace

// Three classes at a time: "<<" from the second view on, ">>" while classes follow,
// "löschen" only with the last class in view. "neu" twice grows the table; OK puts it in
// place with each end at the next start and the last at its own start.
TEST_F(Analysedialog, KnoepfeFolgenDerAnsichtUndOkSetztDieEnden)
{
    using K = std::tuple<bool, bool, bool>;
    pt::dialogSkript(212, {
        [](Fenster d) {
            EXPECT_EQ(knoepfe(d), K(false, true, false));
            EXPECT_EQ(text(d, idAnzahl), "Anzahl Klassen:      6");
            EXPECT_EQ(text(d, idTitel1), "Klasse  0");
            EXPECT_EQ(text(d, idStart1 + 1), "0.110");
        },
        pt::schritt::klicken(idWeiter), pt::schritt::klicken(idWeiter),
        [](Fenster d) { EXPECT_EQ(knoepfe(d), K(true, true, false)); },
        pt::schritt::klicken(idWeiter),
        [](Fenster d) { EXPECT_EQ(knoepfe(d), K(true, false, true)); },
        pt::schritt::tippen(idStart3, "1,6"),
        pt::schritt::klicken(idNeu), pt::schritt::klicken(idNeu),
        [](Fenster d) {
            EXPECT_EQ(text(d, idAnzahl), "Anzahl Klassen:      8");
            EXPECT_EQ(text(d, idTitel1), "Klasse  5");
            EXPECT_EQ(text(d, idStart3), "1.800");
            EXPECT_EQ(text(d, idGewicht3), "1.000");
            EXPECT_EQ(pt::dialogFokus(d), idStart3);
        },
        pt::schritt::klicken(idApAnzahl),
        pt::schritt::klicken(1),
    });
    befehl(befehlPmtAnalyseKriterien);
    ASSERT_EQ(analyseKlassen.size(), 8u);
    EXPECT_EQ(analyseKlassen[5].start, 1.6f);
    EXPECT_EQ(analyseKlassen[7].start, 1.8f);   // the shown "1.800" read back
    for (size_t k = 0; k + 1 < analyseKlassen.size(); ++k)
        EXPECT_EQ(analyseKlassen[k].ende, analyseKlassen[k + 1].start) << k;
    EXPECT_EQ(analyseKlassen[7].ende, analyseKlassen[7].start);
    EXPECT_EQ(permutationsDefinition.apAnzahlBeruecksichtigen, 1);
}

// Cancel keeps the table; a field without a number is named and stays; a cancelled load
// keeps the working copy; deleting the only class leaves none and shows no class below 0.
TEST_F(Analysedialog, AbbrechenUndFehlerLassenDieTabelle)
{
    pt::dialogSkript(212, {pt::schritt::klicken(idNeu), pt::schritt::klicken(2)});
    befehl(befehlPmtAnalyseKriterien);
    EXPECT_EQ(analyseKlassen.size(), 6u);

    pt::dateiAntworten({pt::dateiAbbruch()});
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    pt::dialogSkript(212, {
        pt::schritt::tippen(idStart1, "nan"), pt::schritt::klicken(idWeiter),
        [](Fenster d) { EXPECT_EQ(text(d, idTitel1), "Klasse  0"); },
        pt::schritt::tippen(idStart1, "0"),
        pt::schritt::klicken(idLaden),
        [](Fenster d) { EXPECT_EQ(text(d, idAnzahl), "Anzahl Klassen:      6"); },
        pt::schritt::klicken(idHilfe),
        pt::schritt::klicken(2),
    });
    befehl(befehlPmtAnalyseKriterien);
    ASSERT_GE(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[1].text, meldungsTexte[41]);
    EXPECT_EQ(pt::boxLog()[1].titel, "Hinweis");

    analyseKlassen.resize(1);
    pt::boxAntworten({antwort::Ja});
    pt::dialogSkript(212, {
        [](Fenster d) { EXPECT_EQ(knoepfe(d), std::tuple(false, false, true)); },
        pt::schritt::klicken(idLoeschen),
        [](Fenster d) {
            EXPECT_EQ(text(d, idAnzahl), "Anzahl Klassen:      0");
            EXPECT_EQ(text(d, idTitel1), "");
            EXPECT_EQ(knoepfe(d), std::tuple(false, false, false));
        },
        pt::schritt::klicken(1),
    });
    befehl(befehlPmtAnalyseKriterien);
    EXPECT_TRUE(analyseKlassen.empty());
}
