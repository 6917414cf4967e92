// tests/permutation/test_ergebnis_mutation.cpp - damaged result and index files: seeded
// truncations, byte flips, huge counts and offsets and deleted markers, read by the scan,
// the index reader and the record loader under the sanitizers
#include "ergebnis_hilfe.h"
#include <random>

using namespace permutationstest;

namespace {

class Mutation : public ErgebnisFall {
protected:
    void SetUp() override
    {
        ErgebnisFall::SetUp();
        // whatever a damaged file brings up is answered from the queue or closed
        pt::fehlerBehandlungSetzen([](const std::string&) {});
    }
    void TearDown() override
    {
        pt::fehlerBehandlungSetzen({});
        ErgebnisFall::TearDown();
    }
    // answers the boxes of one read; what it leaves over does not reach the next
    void antworten(int antwort)
    {
        while (pt::offeneBoxAntworten())
            meldungsBox(nullptr, "", "", knoepfe::JaNeinAbbrechen);
        for (int i = 0; i < 30; ++i)
            pt::boxAntworten({antwort});
    }
    static uint64_t laenge(const std::string& pfad)
    {
        std::error_code f;
        const auto l = std::filesystem::file_size(pfad, f);
        return f ? 0 : static_cast<uint64_t>(l);
    }
    // every entry names a listed file and lies inside it
    void eintraegePruefen(const std::string& fall)
    {
        for (const PermutationsIndexEintrag& e : z().index) {
            ASSERT_LT(e.dateiNummer, z().dateien.namen.size()) << fall;
            EXPECT_GE(e.satzOffset, 45) << fall;
            EXPECT_LE(static_cast<uint64_t>(e.satzOffset) + 36, laenge(z().dateien.namen[e.dateiNummer])) << fall;
        }
    }
    int ganz = 0, nichts = 0;   // reads that took everything, and those that took nothing
    // the records of whatever was indexed: all loaded and whole, or nothing loaded at all
    void saetzeLaden(const std::string& fall)
    {
        if (z().index.empty()) {
            ++nichts;
            return;
        }
        pt::dialogSkript(146, {pt::schritt::tippen(1251, "max"), pt::schritt::klicken(1)});
        antworten(antwort::Ok);
        if (permutationErgebnisseLaden(0, -1, 0, nullptr) == 1) {
            ++ganz;
            for (const PermutationsErgebnis& r : z().ergebnisse) {
                EXPECT_EQ(static_cast<size_t>(r.apAnzahl), r.apZeiten.size()) << fall;
                for (int s = 0; s < z().synapsenAnzahl; ++s)
                    EXPECT_LT(r.level[static_cast<size_t>(s)], z().levelAnzahl) << fall;
            }
        } else {
            ++nichts;
            EXPECT_TRUE(nichtsGeladen()) << fall;
        }
    }
};

ErgebnisBauer basis(int zusatz, std::vector<uint64_t>& felder)
{
    ErgebnisBauer b(2, 3, 2, zusatz);
    felder = {21, 25, 29, 33, 37, 41, ergebnisKopfLaenge(2, 3, 2) - 4};
    for (int i = 0; i < 12; ++i) {
        const int32_t o = b.satz(i, 0.5f * static_cast<float>(i), std::vector<float>(static_cast<size_t>(i % 4), 0.01f * static_cast<float>(i)),
                                 {static_cast<uint8_t>(i % 3), static_cast<uint8_t>((i + 2) % 3)},
                                 std::vector<float>(static_cast<size_t>(zusatz), 2.0f));
        felder.push_back(static_cast<uint64_t>(o));
        felder.push_back(static_cast<uint64_t>(o) + 8);
    }
    return b;
}

} // namespace

// Result files: whatever the damage, the scan indexes only entries inside the file, and the
// record loader takes only whole records or nothing.
TEST_F(Mutation, ErgebnisdateienUndSatzleser)
{
    std::mt19937 zufall(20240305);
    for (int runde = 0; runde < 240; ++runde) {
        std::vector<uint64_t> felder;
        const ErgebnisBauer b = basis(runde % 2, felder);
        const std::string pfad = ordner + "m.bin", fall = "round " + std::to_string(runde);
        testhilfe::schreiben(pfad, mutiert(b.bytes, zufall, felder));
        permutationDatenFreigeben();
        // Yes at the lost marker searches it; Cancel gives up; both roads are taken
        antworten(runde % 3 == 0 ? antwort::Abbrechen : antwort::Ja);
        const int anzahl = permutationsdateiLesen(pfad.c_str(), ladeModus::Muster);
        EXPECT_EQ(static_cast<size_t>(anzahl), z().index.size()) << fall;
        eintraegePruefen(fall);
        saetzeLaden(fall);
    }
    // the damage reaches both roads
    EXPECT_GT(ganz, 30);
    EXPECT_GT(nichts, 30);
}

// Index files: a damaged one is refused with a message and loads nothing, or loads entries
// that each lie inside a listed file; their records load whole or not at all.
TEST_F(Mutation, IndexdateienUndSatzleser)
{
    std::vector<uint64_t> felder;
    const ErgebnisBauer b = basis(0, felder);
    b.speichern(ordner + "basis.bin");
    std::vector<PermutationsIndexEintrag> e;
    for (size_t i = 7; i < felder.size(); i += 2)   // behind the header's seven fields, each record's start
        e.push_back({static_cast<int32_t>(e.size()), static_cast<int32_t>(felder[i]), 0, 1.0f});
    IndexKopf k;
    k.synapsenAnzahl = 2;
    k.levelAnzahl = 3;
    k.pfade = {ordner + "basis.bin"};
    k.klassen.resize(2);
    const std::string gut = indexKodieren(k, e);
    const uint64_t bereich = static_cast<uint64_t>(k.eintragsBereich);
    std::vector<uint64_t> indexFelder = {42, 46, 50, 54, 58, 62, 66, 70, 74, bereich};
    for (uint64_t i = 0; i < e.size(); ++i)
        for (uint64_t f : {uint64_t{0}, uint64_t{8}, uint64_t{10}})
            indexFelder.push_back(bereich + 4 + 14 * i + f);
    std::mt19937 zufall(19700101);
    for (int runde = 0; runde < 240; ++runde) {
        const std::string pfad = ordner + "m.inx", fall = "round " + std::to_string(runde);
        testhilfe::schreiben(pfad, mutiert(gut, zufall, indexFelder));
        permutationDatenFreigeben();
        antworten(antwort::Ok);
        const size_t boxenVorher = pt::boxLog().size();
        const int anzahl = permutationsIndexLesen(pfad, 0, ladeModus::Laden);
        if (anzahl == 0) {
            // what the load commands do after a refusal
            EXPECT_GT(pt::boxLog().size(), boxenVorher) << fall;
            permutationDatenFreigeben();
            EXPECT_TRUE(nichtsGeladen()) << fall;
            ++nichts;
            continue;
        }
        EXPECT_EQ(static_cast<size_t>(anzahl), z().index.size()) << fall;
        eintraegePruefen(fall);
        saetzeLaden(fall);
    }
    EXPECT_GT(ganz, 30);
    EXPECT_GT(nichts, 30);
}
