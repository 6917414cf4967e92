// tests/permutation/test_index_lesen.cpp - index files read into the index, whole, appended
// and in part
#include "ergebnis_hilfe.h"

using namespace permutationstest;

namespace {

class IndexLesen : public ErgebnisFall {
protected:
    // a.bin (3 records) and b.bin (4) scanned and saved as name
    std::vector<PermutationsIndexEintrag> indexAnlegen(const std::string& name)
    {
        const std::string a = datei("a.bin", 3, 0), b = datei("b.bin", 4, 3);
        pt::dateiAntworten({pt::dateiAntwort(a), pt::dateiAntwort(b)});
        pt::boxAntworten({antwort::Ja, antwort::Nein});
        EXPECT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 7);
        EXPECT_EQ(permutationIndexSpeichern((ordner + name).c_str(), -1), 7);
        std::vector<PermutationsIndexEintrag> e = z().index;
        permutationDatenFreigeben();
        boxenVergessen();
        return e;
    }
    // an index of the given entries over files, from the program's encoder
    std::string index(const std::vector<std::string>& dateien, const std::vector<PermutationsIndexEintrag>& e, int c = 2)
    {
        IndexKopf k;
        k.synapsenAnzahl = 2;
        k.levelAnzahl = 3;
        k.pfade = dateien;
        k.klassen.resize(static_cast<size_t>(c));
        return indexKodieren(k, e);
    }
    static bool gleich(const PermutationsIndexEintrag& a, const PermutationsIndexEintrag& b)
    {
        return a.nummer == b.nummer && a.satzOffset == b.satzOffset && a.dateiNummer == b.dateiNummer && a.wert == b.wert;
    }
};

} // namespace

// Read back, an index gives the same entries and files; a second index appended shifts its
// file numbers behind the files of the first.
TEST_F(IndexLesen, RundreiseUndAnhaengen)
{
    const std::vector<PermutationsIndexEintrag> vorher = indexAnlegen("ab.inx");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "ab.inx")});
    pt::boxAntworten({antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 1);
    ASSERT_EQ(z().index.size(), vorher.size());
    for (size_t i = 0; i < vorher.size(); ++i)
        EXPECT_TRUE(gleich(z().index[i], vorher[i])) << i;
    EXPECT_EQ(z().dateien.namen, (std::vector<std::string>{ordner + "a.bin", ordner + "b.bin"}));
    EXPECT_EQ(std::tuple(z().marke, z().version, z().synapsenAnzahl, z().levelAnzahl, z().klassen.size(), klassenAnzahlKopien),
              std::tuple(-1, 2, 2, 3, size_t{2}, 2));
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[529]}));

    const std::string c = datei("c.bin", 2, 20);
    const int32_t erster = static_cast<int32_t>(ersterSatzOffset(2, 3, 2)), laenge = static_cast<int32_t>(satzLaenge(2, 1, 0));
    testhilfe::schreiben(ordner + "c.inx", index({c}, {{20, erster, 0, 5.0f}, {21, erster + laenge, 0, 5.25f}}));
    permutationDatenFreigeben();
    pt::dateiAntworten({pt::dateiAntwort(ordner + "ab.inx"), pt::dateiAntwort(ordner + "c.inx")});
    pt::boxAntworten({antwort::Ja, antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), 1);
    ASSERT_EQ(z().index.size(), 9u);
    EXPECT_EQ(std::tuple(z().index[7].nummer, z().index[7].dateiNummer, z().index[8].satzOffset),
              std::tuple(20, uint16_t{2}, erster + laenge));
    EXPECT_EQ(z().dateien.namen.back(), c);
}

// Dialog 257 on 11 entries: the first half keeps entries 1-5, the second 6-11; "partiell
// laden" takes its two fields, "max" for all, a last bound below the first clamped to it.
TEST_F(IndexLesen, DialogWaehltTeileDesIndex)
{
    ErgebnisBauer b(2, 3, 2);
    std::vector<PermutationsIndexEintrag> e;
    for (int i = 0; i < 11; ++i)
        e.push_back({i, b.satz(i, 1.0f, {}), 0, static_cast<float>(i)});
    b.speichern(ordner + "elf.bin");
    testhilfe::schreiben(ordner + "elf.inx", index({ordner + "elf.bin"}, e));
    const auto lesen = [&](std::vector<pt::DialogSchritt> schritte) {
        permutationDatenFreigeben();
        pt::dialogSkript(257, std::move(schritte));
        permutationsIndexLesen(ordner + "elf.inx", 0, ladeModus::Partiell);
        return nummern();
    };
    EXPECT_EQ(lesen({[](Fenster d) {
                         EXPECT_EQ(pt::dialogElement(d, 2575)->text, "11");
                         EXPECT_TRUE(pt::dialogElement(d, 2584)->freigegeben);
                     },
                     pt::schritt::klicken(2584)}),
              (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(lesen({pt::schritt::klicken(2585)}), (std::vector<int>{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(lesen({pt::schritt::tippen(2579, "3"), pt::schritt::tippen(2581, "MAX"), pt::schritt::klicken(2582)}),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(lesen({pt::schritt::tippen(2579, "8,0"), pt::schritt::tippen(2581, "4"), pt::schritt::klicken(2582)}),
              (std::vector<int>{7}));
    EXPECT_EQ(lesen({pt::schritt::klicken(2583)}).size(), 11u);

    // too little memory opens it for a whole read too; the halves need half the entries to fit
    freierSpeicherHaken = [] { return int64_t{128 * 1024 + 16 * 4}; };
    permutationDatenFreigeben();
    pt::dialogSkript(257, {[](Fenster d) {
                               EXPECT_EQ(pt::dialogElement(d, 2577)->text, "4");
                               EXPECT_FALSE(pt::dialogElement(d, 2585)->freigegeben);
                           },
                           pt::schritt::klicken(2)});
    EXPECT_EQ(permutationsIndexLesen(ordner + "elf.inx", 0, ladeModus::Laden), 0);
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
}

// Result files moved beside the index are found there without a question; one found nowhere
// is asked for (48), and No gives the read up.
TEST_F(IndexLesen, VerschobeneErgebnisdateienNebenDemIndex)
{
    ErgebnisBauer b(2, 3, 2);
    const int32_t o = b.satz(4, 1.0f, {});
    b.speichern(ordner + "weg.bin");
    testhilfe::schreiben(ordner + "i.inx", index({"C:\\alt\\ordner\\weg.bin"}, {{4, o, 0, 1.0f}}));
    EXPECT_EQ(permutationsIndexLesen(ordner + "i.inx", 0, ladeModus::Laden), 1);
    EXPECT_EQ(z().dateien.namen, (std::vector<std::string>{ordner + "weg.bin"}));
    EXPECT_TRUE(boxen().empty());

    permutationDatenFreigeben();
    testhilfe::schreiben(ordner + "j.inx", index({"/nirgends/fehlt.bin"}, {{4, o, 0, 1.0f}}));
    pt::boxAntworten({antwort::Nein});
    EXPECT_EQ(permutationsIndexLesen(ordner + "j.inx", 0, ladeModus::Laden), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(48, "/nirgends/fehlt.bin")}));
}

// An index of another permutation is not appended (81) and the loaded one stays as it was.
TEST_F(IndexLesen, AnhaengenEinesFremdenIndexLaesstDenGeladenen)
{
    indexAnlegen("ab.inx");
    ASSERT_EQ(permutationsIndexLesen(ordner + "ab.inx", 0, ladeModus::Laden), 7);
    const std::string c = datei("c.bin", 1, 20);
    testhilfe::schreiben(ordner + "c.inx", index({c}, {{20, static_cast<int32_t>(ersterSatzOffset(2, 3, 2)), 0, 5.0f}}, 3));
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationsIndexLesen(ordner + "c.inx", 1, ladeModus::Laden), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[81]}));
    EXPECT_EQ(z().index.size(), 7u);
    EXPECT_EQ(z().dateien.namen.size(), 2u);
}

// Index files that do not fit their files load nothing: an unknown version (217), an old
// marker (47), another name, more than 1024 files, a file number or an offset outside the
// list and its file, more entries than the file holds (79), listed files with different
// extra values (215); an index without entries says so (218).
TEST_F(IndexLesen, KaputteIndexdateienLadenNichts)
{
    const std::string a = datei("a.bin", 2, 0), zusatz = datei("z.bin", 1, 5, 2, 3, 2, 1);
    const int32_t erster = static_cast<int32_t>(ersterSatzOffset(2, 3, 2));
    const std::string gut = index({a}, {{0, erster, 0, 1.0f}, {1, erster + static_cast<int32_t>(satzLaenge(2, 1, 0)), 0, 2.0f}});
    const uint64_t bereich = 66 + 260 + 8200;
    const auto mit = [&](uint64_t stelle, int32_t w) {
        std::string s = gut;
        for (int i = 0; i < 4; ++i)
            s[stelle + static_cast<uint64_t>(i)] = static_cast<char>((static_cast<uint32_t>(w) >> (8 * i)) & 0xFF);
        return s;
    };
    std::string fremd = gut, nummer = gut;
    fremd[0] = 'I';
    nummer[bereich + 4 + 14 + 12] = 1;   // file number 1 of one file
    const std::pair<std::string, int> faelle[] = {
        {mit(46, 3), 217},
        {mit(42, 0), 47},
        {fremd, 79},
        {mit(54, 1025), 79},
        {nummer, 79},
        {mit(bereich + 4 + 8, 100), 79},                // offset inside the header
        {mit(bereich + 4 + 14 + 8, 1 << 30), 79},       // offset past the file
        {mit(50, 3), 79},                               // three entries, two there
        {index({a, zusatz}, {{0, erster, 0, 1.0f}}), 215},
        {index({a}, {}), 218},
    };
    for (const auto& [bytes, text] : faelle) {
        testhilfe::schreiben(ordner + "k.inx", bytes);
        boxenVergessen();
        pt::boxAntworten({antwort::Ok});
        EXPECT_EQ(permutationsIndexLesen(ordner + "k.inx", 0, ladeModus::Laden), 0) << text;
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[text]}));
        EXPECT_EQ(pt::boxLog().back().titel, "Hinweis") << text;   // no Cancel that ends the program
        EXPECT_TRUE(nichtsGeladen()) << text;
    }
    // the same index whole loads
    testhilfe::schreiben(ordner + "k.inx", gut);
    EXPECT_EQ(permutationsIndexLesen(ordner + "k.inx", 0, ladeModus::Laden), 2);
}

// A fourth class with a nonsense count: the classes are cleared (216), the entries load.
TEST_F(IndexLesen, UnsinnigeKlassenWerdenGeloescht)
{
    const std::string a = datei("a.bin", 1, 0, 2, 3, 4);
    IndexKopf k;
    k.synapsenAnzahl = 2;
    k.levelAnzahl = 3;
    k.pfade = {a};
    k.klassen.resize(4);
    k.klassen[1].start = 0.5f;
    k.klassen[3].sollApAnzahl = 100001;
    testhilfe::schreiben(ordner + "s.inx", indexKodieren(k, {{0, static_cast<int32_t>(ersterSatzOffset(2, 3, 4)), 0, 1.0f}}));
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(permutationsIndexLesen(ordner + "s.inx", 0, ladeModus::Laden), 1);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[216]}));
    ASSERT_EQ(z().klassen.size(), 4u);
    EXPECT_EQ(std::tuple(z().klassen[1].start, z().klassen[3].sollApAnzahl), std::tuple(0.0f, 0));
}

// Index files only (before the burst rating): the dialog offers them alone; an index of
// version 1 with its 13-byte entries reads as one of version 2.
TEST_F(IndexLesen, NurIndexdateienUndVersionEins)
{
    const std::string a = datei("a.bin", 2, 0);
    const int32_t erster = static_cast<int32_t>(ersterSatzOffset(2, 3, 2));
    IndexKopf k;
    k.version = 1;
    k.synapsenAnzahl = 2;
    k.levelAnzahl = 3;
    k.pfade = {a};
    k.klassen.resize(2);
    testhilfe::schreiben(ordner + "v1.inx", indexKodieren(k, {{7, erster, 0, 1.5f}, {8, erster + 48, 0, 2.5f}}));
    pt::dateiAntworten({pt::dateiAntwort(ordner + "v1.inx")});
    pt::boxAntworten({antwort::Nein});
    ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::NurIndex), 1);
    EXPECT_EQ(nummern(), (std::vector<int>{7, 8}));
    EXPECT_EQ(std::tuple(z().index[1].satzOffset, z().index[1].wert, z().version), std::tuple(erster + 48, 2.5f, 1));
    const DateiWahl& w = pt::dateiWahlLog()[0].gefragt;
    EXPECT_EQ(std::tuple(w.endung, w.filter[0].muster), std::tuple(std::string("inx"), std::string("*.inx")));
}
