// tests/script/test_ergebnis_mutation.cpp - damaged result and index files: each is refused
// with a message or read whole, never read past its bytes
#include "ergebnis_hilfe.h"

namespace {
using namespace skripttest;

// a deterministic stream of numbers
struct Zufall {
    uint32_t z;
    uint32_t operator()()
    {
        z = z * 1103515245u + 12345u;
        return z >> 8;
    }
};

// the positions of every marker in the bytes
std::vector<size_t> markenIn(const std::string& b)
{
    std::vector<size_t> m;
    for (size_t o = 0; o + 4 <= b.size(); ++o)
        if (bei<uint32_t>(b, o) == 0xFFFFFFFFu)
            m.push_back(o);
    return m;
}

// Variant v of the bytes: cut short, bytes overwritten, a huge or misplaced count or offset
// written into one of the fields, a marker deleted, or a path field without its zero.
std::string beschaedigt(const std::string& b, int v, Zufall& zufall, const std::vector<size_t>& felder,
                        const std::vector<size_t>& marken, const std::vector<size_t>& pfade)
{
    std::string k = b;
    const uint32_t r = zufall();
    const auto setzen = [&](size_t o, uint32_t w) {
        if (o + 4 <= k.size())
            std::memcpy(k.data() + o, &w, 4);
    };
    switch (v % 6) {
    case 0: k.resize(r % k.size()); break;
    case 1:
        for (size_t i = 0, o = r % k.size(); i < 4 && o + i < k.size(); ++i)
            k[o + i] = static_cast<char>(zufall());
        break;
    case 2: case 3: {
        const uint32_t werte[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, static_cast<uint32_t>(b.size()),
                                  static_cast<uint32_t>(b.size()) - 4, 0u, 1u, 0xFFFFFFF0u, zufall() % 4096u,
                                  static_cast<uint32_t>(zufall() % b.size())};
        setzen(felder[r % felder.size()], werte[zufall() % std::size(werte)]);
        break;
    }
    case 4: setzen(marken[r % marken.size()], zufall() & 0xFFFFFFFEu); break;
    default: {
        const size_t o = pfade[r % pfade.size()];
        if (o + 260 <= k.size())
            std::memset(k.data() + o, 'a', 260);
        else
            k.resize(r % k.size());
    }
    }
    return k;
}

// a fresh file each time: rewriting one in place would wait for its last version to reach the disk
void neuSchreiben(const std::string& pfad, const std::string& inhalt)
{
    std::remove(pfad.c_str());
    testhilfe::schreiben(pfad, inhalt);
}

// the texts a header load wrote out go again, as the evaluation mode deletes them
void texteLoeschen(const Auswertungsdaten& a)
{
    for (const std::string* t : {&a.tmpSkript, &a.tmpNetz, &a.tmpPermutation})
        if (!t->empty())
            std::remove(t->c_str());
}

// an answer for whatever box comes next
void antwort()
{
    if (pt::offeneBoxAntworten() == 0)
        pt::boxAntworten({1});
}

struct MutationFall : ErgebnisFall {
    std::string echt;   // the run's result file
    uint32_t L1 = 0, L2 = 0;

    void SetUp() override
    {
        ErgebnisFall::SetUp();
        ASSERT_EQ(laden(text()), 1);
        pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
        ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
        echt = lesen(ordner + "erg.bin");
        L1 = bei<uint32_t>(echt, 400);
        L2 = bei<uint32_t>(echt, 668);
    }
    // the counts and offsets of the header, the general and documentation parts and of every record
    std::vector<size_t> felder() const
    {
        std::vector<size_t> f = {72, 76, 80, 84, 128, 396, 400, 664, 668, 932, 936, 940, 948, 952, 956, 960};
        const size_t g = 982 + L1 + L2, d = 1126 + L1 + L2;
        for (size_t o : {g + 4, g + 40, g + 44, g + 48, g + 52, g + 56, g + 64, d + 4, d + 8, d + 64})
            f.push_back(o);
        for (uint32_t s : saetze(echt))
            for (size_t o : {4u, 8u, 12u, 36u, 44u, 48u, 52u, 132u, 136u, 8140u, 8144u})
                f.push_back(s + o);
        return f;
    }
};

TEST_F(MutationFall, BeschaedigteErgebnisdateienWerdenAbgelehntOderGanzGelesen)
{
    const std::vector<size_t> f = felder(), m = markenIn(echt), p = {136, 404, 672};
    Zufall zufall{12345};
    int gelesen = 0, abgelehnt = 0;
    for (int v = 0; v < 5000; ++v) {
        neuSchreiben(ordner + "kaputt.bin", beschaedigt(echt, v, zufall, f, m, p));
        Auswertungsdaten k;
        k.ergebnisPfad = ordner + "kaputt.bin";
        skriptStatus = 0;
        antwort();
        // every other one as an interactive load of a file the caller opened: classes and texts too
        const int interaktiv = v % 2;
        if (interaktiv)
            k.ergebnisDatei = std::fopen(k.ergebnisPfad.c_str(), "rb");
        const int kopf = ergebnisDateiLaden(k, interaktiv);
        if (k.ergebnisDatei)
            std::fclose(k.ergebnisDatei);
        k.ergebnisDatei = nullptr;
        texteLoeschen(k);
        if (!kopf) {
            ++abgelehnt;
            continue;
        }
        std::FILE* d = std::fopen(k.ergebnisPfad.c_str(), "rb");
        bool ganz = true;
        while (k.satzZeiger) {
            antwort();
            if (!ergebnisLesen(k, d)) {
                ganz = false;
                break;
            }
            for (const Ergebnisneuron& e : k.skript.ergebnisneurone)
                for (const std::vector<float>& w : e.werte)
                    ASSERT_LE(w.size() * 4, echt.size());
        }
        if (ganz) {
            std::fclose(d);
            ++gelesen;
        } else {
            ++abgelehnt;
        }
    }
    // both outcomes occur: the mutations reach past the header checks
    pt::fehlerBehandlungSetzen(nullptr);
    EXPECT_GT(gelesen, 100) << abgelehnt;
    EXPECT_GT(abgelehnt, 1000) << gelesen;
}

TEST_F(MutationFall, BeschaedigteIndexdateienWerdenAbgelehntOderGanzGelesen)
{
    Auswertungsdaten a;
    ASSERT_TRUE(indexSpeichern(a, ordner + "erg.bin", ordner + "erg.inx"));
    const std::string b = lesen(a.indexPfad);
    std::vector<size_t> f = {64, 68, 72, 76, 80, 84};
    for (size_t e = 0; e < 7; ++e)
        for (size_t o : {0u, 4u, 8u, 12u})
            f.push_back(266328 + 16 * e + o);
    const std::vector<size_t> m = {64}, p = {88, 88 + 260};
    Zufall zufall{777};
    int gelesen = 0, abgelehnt = 0;
    // a damaged path asks whether to search for the file; the scripted OK is no button of that
    // question, so the box closes as No: the user declines the search
    pt::fehlerBehandlungSetzen([](const std::string& t) {
        if (t.find("is not a button") == std::string::npos)
            ADD_FAILURE() << t;
    });
    for (int v = 0; v < 5000; ++v) {
        neuSchreiben(ordner + "kaputt.inx", beschaedigt(b, v, zufall, f, m, p));
        Auswertungsdaten d;
        d.indexPfad = ordner + "kaputt.inx";
        skriptStatus = 0;
        antwort();
        if (!ergebnisIndexLaden(d)) {
            ++abgelehnt;
            continue;
        }
        ++gelesen;
        texteLoeschen(d);
        ASSERT_LE(d.index.size() * 16, b.size());
        for (int e = 0; e < static_cast<int>(std::min<size_t>(d.index.size(), 9)); ++e) {
            antwort();
            ergebnisNachIndexLesen(d, e);
        }
        for (std::FILE* h : d.handles)
            if (h)
                std::fclose(h);
    }
    pt::fehlerBehandlungSetzen(nullptr);
    EXPECT_GT(gelesen, 100) << abgelehnt;
    EXPECT_GT(abgelehnt, 1000) << gelesen;
}

} // namespace
