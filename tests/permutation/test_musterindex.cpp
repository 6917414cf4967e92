// tests/permutation/test_musterindex.cpp - indexing every result file that matches a pattern
#include "ergebnis_hilfe.h"
#include "platform/pfad.h"
#include <cerrno>
#include <cstring>
#include <set>

using namespace permutationstest;

namespace {

class Musterindex : public ErgebnisFall {
protected:
    // the answers of the folder dialog, the pattern and the index name
    void antworten(const std::string& muster, const std::string& indexName)
    {
        pt::dateiAntworten({pt::dateiAntwort(ordner + "daten/a.bin"), pt::dateiAntwort(ordner + "daten/" + indexName)});
        pt::dialogSkript(146, {pt::schritt::tippen(1251, muster), pt::schritt::klicken(1)});
    }
    std::set<std::pair<std::string, int32_t>> saetze(const std::string& index)
    {
        const std::string bytes = testhilfe::lesen(index);
        IndexKopf k;
        std::vector<PermutationsIndexEintrag> e;
        EXPECT_TRUE(indexKopfDekodieren(bytes, k) && indexEintraegeDekodieren(bytes, k, e)) << index;
        std::set<std::pair<std::string, int32_t>> s;
        for (const PermutationsIndexEintrag& x : e)
            s.insert({k.pfade[x.dateiNummer], x.satzOffset});
        EXPECT_EQ(s.size(), e.size());
        return s;
    }
    void SetUp() override
    {
        ErgebnisFall::SetUp();
        std::filesystem::create_directory(ordner + "daten");
    }
};

} // namespace

// With the memory short, "idx 0000" is followed by "idx 0001": together they hold every
// record of the three files once, the files in the byte order of their names.
TEST_F(Musterindex, WenigSpeicherTeiltDenIndexAufNummerierteDateien)
{
    std::set<std::pair<std::string, int32_t>> alle;
    for (const char* name : {"b.bin", "C.bin", "a.bin"}) {
        ErgebnisBauer b(1, 2, 0);
        for (int i = 0; i < 4000; ++i)
            alle.insert({ordner + "daten/" + name, b.satz(i, 1.0f, {})});
        b.speichern(ordner + "daten/" + name);
    }
    testhilfe::schreiben(ordner + "daten/nicht.txt", "x");
    std::filesystem::create_directory(ordner + "daten/ordner.bin");
    freierSpeicherHaken = [] { return int64_t{5000}; };
    antworten("*.BIN", "idx 0000.inx");
    pt::boxAntworten({antwort::Ja, antwort::Ok});
    ASSERT_EQ(indexAusDatendateienErstellen(""), 1);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(228, "idx 0000", 0),
                                                 meldungFormatieren(230, 3, ordner + "daten/*.BIN")}));
    const auto erste = saetze(ordner + "daten/idx 0000.inx"), zweite = saetze(ordner + "daten/idx 0001.inx");
    EXPECT_EQ(std::tuple(erste.size(), zweite.size()), std::tuple(size_t{10000}, size_t{2000}));
    std::set<std::pair<std::string, int32_t>> zusammen = erste;
    zusammen.insert(zweite.begin(), zweite.end());
    EXPECT_EQ(zusammen, alle);
    IndexKopf k;
    ASSERT_TRUE(indexKopfDekodieren(testhilfe::lesen(ordner + "daten/idx 0000.inx"), k));
    EXPECT_EQ(k.pfade, (std::vector<std::string>{ordner + "daten/C.bin", ordner + "daten/a.bin", ordner + "daten/b.bin"}));
    EXPECT_FALSE(std::filesystem::exists(ordner + "daten/idx 0002.inx"));
    EXPECT_EQ(statusTexte[0], "\tbeendet");
}

// A name ending in one digit other than 0 is asked again; no file matching says so (229),
// with the reason in the session's words for a read.
TEST_F(Musterindex, EinzelneZifferUndKeinTreffer)
{
    pt::dateiAntworten({pt::dateiAntwort(ordner + "daten/a.bin"), pt::dateiAntwort(ordner + "daten/idx7.inx"),
                        pt::dateiAntwort(ordner + "daten/idx.inx")});
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "x*.bin"), pt::schritt::klicken(1)});
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(indexAusDatendateienErstellen(""), 0);
    ASSERT_EQ(pt::dateiWahlLog().size(), 3u);
    EXPECT_EQ(pt::dateiWahlLog()[1].gefragt.name, "a 0000");
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(229, meldungsTexte[1800], ordner + "daten/x*.bin")}));
    EXPECT_EQ(permutationsIndexPfad, ordner + "daten/idx.inx");
}

// The listing itself: files only, matched without regard to case, in byte order.
TEST(Dateiliste, MusterUndReihenfolge)
{
    const std::string o = testhilfe::tempOrdner("velnor-liste");
    for (const char* n : {"b1.bin", "B2.BIN", "a.bin", "ab.binx", "z.txt"})
        testhilfe::schreiben(o + n, "");
    std::filesystem::create_directory(o + "c.bin");
    std::vector<std::string> namen;
    ASSERT_TRUE(plattform::dateienAuflisten(o, "*.bin", namen));
    EXPECT_EQ(namen, (std::vector<std::string>{"B2.BIN", "a.bin", "b1.bin"}));
    ASSERT_TRUE(plattform::dateienAuflisten(o, "?1.*", namen));
    EXPECT_EQ(namen, (std::vector<std::string>{"b1.bin"}));
    std::string fehler;
    EXPECT_FALSE(plattform::dateienAuflisten(o + "fehlt", "*", namen, &fehler));
    EXPECT_FALSE(fehler.empty());
    std::filesystem::remove_all(o);
}
