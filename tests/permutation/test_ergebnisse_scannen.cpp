// tests/permutation/test_ergebnisse_scannen.cpp - result files scanned into the index
#include "ergebnis_hilfe.h"

using namespace permutationstest;

namespace {

using ScanFall = ErgebnisFall;

} // namespace

// Two files of one permutation: every record once, in file order, each entry pointing at
// its record; the first file's header gives the counts, the classes and the copies' count.
TEST_F(ScanFall, ZweiPassendeDateienIndizierenJedenSatzEinmal)
{
    const std::string a = datei("a.bin", 3, 0), b = datei("b.bin", 4, 3);
    pt::dateiAntworten({pt::dateiAntwort(a), pt::dateiAntwort(b)});
    pt::boxAntworten({antwort::Ja, antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 7);
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(z().dateien.namen, (std::vector<std::string>{a, b}));
    const uint64_t erster = ersterSatzOffset(2, 3, 2);
    const uint64_t laenge = satzLaenge(2, 1, 0);
    EXPECT_EQ(std::tuple(z().index[1].satzOffset, z().index[1].dateiNummer, z().index[1].wert),
              std::tuple(static_cast<int32_t>(erster + laenge), uint16_t{0}, 0.25f));
    EXPECT_EQ(std::tuple(z().index[4].satzOffset, z().index[4].dateiNummer), std::tuple(static_cast<int32_t>(erster + laenge), uint16_t{1}));
    EXPECT_EQ(std::tuple(z().synapsenAnzahl, z().levelAnzahl, z().klassen.size(), klassenAnzahlKopien, z().version),
              std::tuple(2, 3, size_t{2}, 2, 1));
    EXPECT_DOUBLE_EQ(z().level[1][2], 6e-9);
    EXPECT_TRUE(modusStatus & modusBit::KlassenAusErgebnis);
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(46, 3), meldungFormatieren(46, 7)}));
    // the first file picked names where an index of them would go
    EXPECT_EQ(permutationsIndexPfad, ordner + "a 1.inx");
    const auto& w = pt::dateiWahlLog();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(std::tuple(w[0].gefragt.titel, w[0].gefragt.endung, w[0].gefragt.filter[0].muster, w[1].gefragt.filter[0].muster),
              std::tuple(std::string("Permutationsdatei Lesen"), std::string("bin"), std::string("*.bin;*.inx"), std::string("*.bin")));
}

// A file of another permutation is left out and the load goes on: other n (80), other
// levels while the check is on (82), other extra values (215); with the check off the
// levels of a later file are not compared.
TEST_F(ScanFall, FremdeDateienBleibenDraussen)
{
    const std::string a = datei("a.bin", 2, 0);
    const std::string n3 = datei("n3.bin", 2, 10, 3);
    ErgebnisBauer andereLevel(2, 3, 2, 0, 2e-9);
    andereLevel.satz(20, 1.0f, {});
    andereLevel.speichern(ordner + "level.bin");
    const std::string zusatz = datei("zusatz.bin", 2, 30, 2, 3, 2, 1);
    pt::dateiAntworten({pt::dateiAntwort(a), pt::dateiAntwort(n3), pt::dateiAntwort(ordner + "level.bin"),
                        pt::dateiAntwort(zusatz)});
    pt::boxAntworten({antwort::Ja, antwort::Ok, antwort::Ja, antwort::Ok, antwort::Ja, antwort::Ok, antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 2);
    EXPECT_EQ(z().dateien.namen, (std::vector<std::string>{a}));
    const std::vector<std::string> t = boxen();
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(std::tuple(t[1], t[3], t[5]), std::tuple(meldungsTexte[80], meldungsTexte[82], meldungsTexte[215]));

    permutationDatenFreigeben();
    permutationsFenster.levelPruefen = 0;
    pt::dateiAntworten({pt::dateiAntwort(a), pt::dateiAntwort(ordner + "level.bin")});
    pt::boxAntworten({antwort::Ja, antwort::Nein});
    EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 3);
}

// 6 records, the 4th with an AP count one too small: its end marker is not where the count
// says. Yes finds the next marker and keeps all 6, No ends the file after 3, Cancel gives
// the whole load up.
TEST_F(ScanFall, VerlaufenerSatzJaNeinAbbrechen)
{
    ErgebnisBauer b(2, 3, 2);
    int32_t vierter = 0;
    for (int i = 0; i < 6; ++i) {
        const int32_t o = b.satz(i, 1.0f, {0.1f, 0.2f, 0.3f});
        if (i == 3)
            vierter = o;
    }
    b.wort(static_cast<uint64_t>(vierter) + 8, 2);
    b.speichern(ordner + "v.bin");
    for (const auto& [antwort, erwartet] : {std::pair{antwort::Ja, 6}, std::pair{antwort::Nein, 3}, std::pair{antwort::Abbrechen, 0}}) {
        permutationDatenFreigeben();
        boxenVergessen();
        pt::dateiAntworten({pt::dateiAntwort(ordner + "v.bin")});
        pt::boxAntworten({antwort::Ok, antwort});
        if (erwartet)
            pt::boxAntworten({antwort::Nein});
        EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), erwartet);
        EXPECT_EQ(z().index.size(), static_cast<size_t>(erwartet));
        ASSERT_GE(boxen().size(), 2u);
        EXPECT_EQ(boxen()[0], meldungFormatieren(44, 3));
        EXPECT_EQ(boxen()[1], meldungsTexte[99]);
    }
    EXPECT_TRUE(nichtsGeladen());
}

// A negative AP count takes the same road and the search goes forward only; with no marker
// within 1000 words the load fails (100) and leaves nothing loaded.
TEST_F(ScanFall, NegativeAnzahlUndVergeblicheSuche)
{
    ErgebnisBauer b(1, 2, 0);
    b.satz(0, 1.0f, {});
    const int32_t zweiter = b.satz(1, 2.0f, {0.5f});
    b.satz(2, 3.0f, {});
    b.wort(static_cast<uint64_t>(zweiter) + 8, -7);
    b.speichern(ordner + "neg.bin");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "neg.bin")});
    pt::boxAntworten({antwort::Ok, antwort::Ja, antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 3);
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2}));

    ErgebnisBauer lang(1, 2, 0);
    lang.satz(0, 1.0f, {});
    const int32_t o = lang.satz(1, 2.0f, std::vector<float>(1500, 0.25f));
    lang.wort(static_cast<uint64_t>(o) + 8, 3);
    lang.speichern(ordner + "lang.bin");
    permutationDatenFreigeben();
    boxenVergessen();
    pt::dateiAntworten({pt::dateiAntwort(ordner + "lang.bin")});
    pt::boxAntworten({antwort::Ok, antwort::Ja, antwort::Ok});
    EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 0);
    EXPECT_EQ(boxen().back(), meldungFormatieren(100, ordner + "lang.bin", 1));
    EXPECT_TRUE(nichtsGeladen());
}

// A last record cut short, or one whose count reaches past the end, ends the file as its end
// would: every complete record before it is indexed, without a question.
TEST_F(ScanFall, AbgeschnittenerLetzterSatzEndetDieDatei)
{
    ErgebnisBauer b(2, 3, 2);
    for (int i = 0; i < 4; ++i)
        b.satz(i, 1.0f, {0.1f, 0.2f});
    ErgebnisBauer riesig = b;
    b.bytes.resize(b.bytes.size() - 5);
    b.speichern(ordner + "kurz.bin");
    riesig.wort(riesig.bytes.size() - satzLaenge(2, 2, 0) + 8, 0x7FFFFFFF);
    riesig.speichern(ordner + "riesig.bin");
    for (const char* name : {"kurz.bin", "riesig.bin"}) {
        permutationDatenFreigeben();
        boxenVergessen();
        pt::dateiAntworten({pt::dateiAntwort(ordner + name)});
        pt::boxAntworten({antwort::Nein});
        EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 3) << name;
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(46, 3)}));
    }
}

// Headers that cannot be taken: no result file (78); version 3, a class count past the file,
// extra values past the file (214). Each leaves nothing loaded.
TEST_F(ScanFall, KoepfeDieNichtPassenLadenNichts)
{
    ErgebnisBauer gut(2, 3, 2);
    gut.satz(0, 1.0f, {});
    ErgebnisBauer version = gut, klassen = gut, zusatz = gut, fremd = gut;
    version.wort(25, 3);
    klassen.wort(37, 1000000);
    zusatz.wort(ergebnisKopfLaenge(2, 3, 2) - 4, 1 << 28);
    fremd.bytes[0] = 'p';
    const std::pair<ErgebnisBauer*, int> faelle[] = {{&fremd, 78}, {&version, 214}, {&klassen, 214}, {&zusatz, 214}};
    for (const auto& [b, text] : faelle) {
        b->speichern(ordner + "x.bin");
        boxenVergessen();
        pt::dateiAntworten({pt::dateiAntwort(ordner + "x.bin")});
        pt::boxAntworten({antwort::Ok});
        EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 0);
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[text]}));
        EXPECT_TRUE(nichtsGeladen());
    }
}

// Extra values are read from every header: each record's end lies behind them, and a
// second file with as many joins the index.
TEST_F(ScanFall, ZusatzwerteAusDemKopfFindenDieEndmarke)
{
    const std::string a = datei("a.bin", 3, 0, 2, 3, 2, 2), b = datei("b.bin", 2, 3, 2, 3, 2, 2);
    pt::dateiAntworten({pt::dateiAntwort(a), pt::dateiAntwort(b)});
    pt::boxAntworten({antwort::Ja, antwort::Nein});
    EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 5);
    EXPECT_EQ(z().zusatzAnzahl, 2);
    permutationDatenFreigeben();
    EXPECT_EQ(z().zusatzAnzahl, 0);   // no extra values outlive an unload
}

// Cancelling the dialog for the next file asks whether to keep what is loaded (43): Yes
// keeps it, No gives the load up; a chosen file that does not exist brings the dialog back.
TEST_F(ScanFall, AbgebrochenerDialogFragtNachDenGeladenen)
{
    const std::string a = datei("a.bin", 2);
    for (const int antwort : {antwort::Ja, antwort::Nein}) {
        permutationDatenFreigeben();
        boxenVergessen();
        permutationsZeitachseGerundet = true;
        pt::dateiAntworten({pt::dateiAntwort(ordner + "fehlt.bin"), pt::dateiAntwort(a), pt::dateiAbbruch()});
        pt::boxAntworten({antwort::Ja, antwort});
        EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), antwort == antwort::Ja ? 2 : 0);
        EXPECT_EQ(boxen().back(), meldungFormatieren(43, 1));
        EXPECT_EQ(permutationsZeitachseGerundet, antwort != antwort::Ja);
    }
}

// The stop command (4) ends the file at the next thousand entries and keeps them; a full
// list of 1024 files takes no further one (201).
TEST_F(ScanFall, StoppBefehlUndVolleDateiliste)
{
    modusAn();
    const std::string a = datei("viele.bin", 2500);
    pt::dateiAntworten({pt::dateiAntwort(a)});
    pt::boxAntworten({antwort::Nein});
    posten(haupt(), nachricht::Befehl, machWParam(befehlPmtModusBeenden, 0));
    EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 1000);
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
    EXPECT_EQ(statusTexte[0], "\tladen abgebrochen");

    permutationDatenFreigeben();
    boxenVergessen();
    const std::string b = datei("b.bin", 2);
    pt::dateiAntworten({pt::dateiAntwort(b)});
    pt::boxAntworten({antwort::Ja, antwort::Ok});
    permutationsErgebnisse.dateien.namen.assign(1022, b);
    permutationsErgebnisse.dateien.handles.resize(1022);
    permutationsErgebnisse.synapsenAnzahl = 2;
    permutationsErgebnisse.levelAnzahl = 3;
    permutationsErgebnisse.klassen.resize(2);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            permutationsErgebnisse.level[static_cast<size_t>(i)][static_cast<size_t>(j)] = 1e-9 * (i + 1) * (j + 1);
    pt::dateiAntworten({pt::dateiAntwort(b)});
    EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 4);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(46, 2), meldungsTexte[201]}));
    ASSERT_EQ(permutationsErgebnisse.index.size(), 4u);
    EXPECT_EQ(permutationsErgebnisse.index.back().dateiNummer, 1023);
}
