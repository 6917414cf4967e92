// tests/script/test_ergebnisdatei.cpp - the binary result file of the series script, field by field
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "script/auswertungsdaten.h"
#include "model/permutationsfenster.h"
#include "platform/pfad.h"
#include <cstring>
#include <fstream>

namespace {
using namespace skripttest;

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

template <class T> T bei(const std::string& b, size_t o)
{
    T w{};
    if (o + sizeof w <= b.size())
        std::memcpy(&w, b.data() + o, sizeof w);
    return w;
}

constexpr size_t satz = 16148;   // 44 + 88 + 2 x (8 + 4 x 2000)

struct ErgebnisFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
        dateipfade.vollerPfad = dateipfade.ergebnisVerzeichnis = "";
        maxBinDateiGroesse = 0;
        skriptMeldungenAnzeigen = 0;
        skriptLaufHaken = [] {
            DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
            d.kurven[0].werte.resize(2000);
            d.kurven[2].werte.resize(2000);
            for (int i = 0; i < 2000; ++i) {
                d.kurven[0].werte[static_cast<size_t>(i)] = 0.001f * static_cast<float>(i);
                d.kurven[2].werte[static_cast<size_t>(i)] = -0.001f * static_cast<float>(i);
            }
            if (++laeufe == anhaltenBei)
                skriptStatus &= ~skriptBit::Laeuft;
        };
        laeufe = anhaltenBei = 0;
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        maxBinDateiGroesse = 0;
        SkriptFall::TearDown();
    }
    static inline int laeufe = 0, anhaltenBei = 0;
    // the record offsets of a file from its first record on
    static std::vector<uint32_t> saetze(const std::string& b)
    {
        std::vector<uint32_t> s;
        for (uint32_t o = bei<uint32_t>(b, 76); o && s.size() < 100; o = bei<uint32_t>(b, o + 4))
            s.push_back(o);
        return s;
    }
};

TEST_F(ErgebnisFall, KopfUndSaetzeStehenAnIhrenStellen)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg 1.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    const std::string b = lesen(ordner + "erg 1.bin");
    const uint32_t L1 = static_cast<uint32_t>(lesen(ordner + "t.skr").size());
    const uint32_t L2 = static_cast<uint32_t>(lesen(ordner + "netz.gui").size());
    const uint32_t g = 982 + L1 + L2, d = 1126 + L1 + L2, r = 1240 + L1 + L2;
    EXPECT_EQ(std::string(b.c_str()), "skript-ergebnisdatei");
    struct { uint32_t o, w; } felder[] = {
        {64, 0xFFFFFFFF}, {68, 102}, {72, g}, {76, r}, {80, 88}, {84, d}, {88, 0xFFFFFFFF}, {128, 0}, {132, 0},
        {396, 972}, {400, L1}, {664, 977 + L1}, {668, L2}, {932, 0}, {936, 0}, {940, 1236 + L1 + L2}, {948, 64},
        {952, 968}, {956, 0}, {968, 0xFFFFFFFF}, {972, 0xFFFFFFFF}, {977 + L1, 0xFFFFFFFF}, {g, 0xFFFFFFFF},
        {g + 4, 7}, {g + 24, 1}, {g + 44, 2}, {g + 48, 1}, {g + 52, 2}, {g + 56, 2}, {g + 60, 2}, {g + 64, 1},
        {g + 68, 0}, {g + 72, 1}, {d + 4, 2}, {d + 8, 20}, {d + 32, 4}, {d + 36, 1}, {d + 40, 1}, {d + 44, 3988},
        {d + 64, 10}, {d + 78, 64}, {d + 90, 9522}, {d + 110, 0xFFFFFFFF}};
    for (const auto& f : felder)
        EXPECT_EQ(bei<uint32_t>(b, f.o), f.w) << "offset " << f.o;
    EXPECT_EQ(b.substr(976, L1), lesen(ordner + "t.skr"));
    EXPECT_EQ(std::string(b.c_str() + d + 12), "leitfaehigkeit syn1");
    EXPECT_EQ(std::string(b.c_str() + d + 68), "amplitude");
    EXPECT_EQ(bei<double>(b, g + 8), 0.2);

    ASSERT_EQ(b.size(), r + 7 * satz);
    EXPECT_EQ(saetze(b), (std::vector<uint32_t>{r, r + satz, r + 2 * satz, r + 3 * satz, r + 4 * satz, r + 5 * satz,
                                               r + 6 * satz}));
    const uint32_t vier = r + 3 * satz;
    EXPECT_EQ(bei<uint32_t>(b, vier + 12), vier + 16);
    EXPECT_DOUBLE_EQ(bei<double>(b, vier + 20), 3.75e-9);
    EXPECT_DOUBLE_EQ(bei<double>(b, vier + 28), 5e-10);
    struct { uint32_t o; int32_t kurve, anzahl; float probe; } bloecke[] = {
        {vier + 132, 0, 2000, 0.001f * 1999}, {vier + 140 + 8000, 2, 2000, -0.001f * 1999}};
    for (const auto& k : bloecke) {
        EXPECT_EQ(std::tuple(bei<int32_t>(b, k.o), bei<int32_t>(b, k.o + 4), bei<float>(b, k.o + 8 + 4 * 1999)),
                  std::tuple(k.kurve, k.anzahl, k.probe));
    }
}

// the readers take back what the writer stored; a damaged file is refused or read whole
TEST_F(ErgebnisFall, LeserNehmenDieDateiZurueckUndLehnenSchadenAb)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    Auswertungsdaten a;
    a.ergebnisPfad = ordner + "erg.bin";
    ASSERT_EQ(ergebnisDateiLaden(a, 0), 1);
    EXPECT_EQ(std::tuple(a.kopf.saetze, a.skript.ergebnisArt, a.skript.dauer, a.skript.ergebnisneurone.size()),
              std::tuple(7u, 2, 0.2, size_t{1}));
    ASSERT_EQ(a.skript.dokumentiert.size(), 3u);
    EXPECT_STREQ(a.skript.dokumentiert[2].bezeichnung.data(), "amplitude");
    std::FILE* f = std::fopen(a.ergebnisPfad.c_str(), "rb");
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(ergebnisLesen(a, f), 1) << i;
    std::fclose(f);
    EXPECT_DOUBLE_EQ(a.skript.dokumentiert[1].wert, 3.75e-9);
    EXPECT_DOUBLE_EQ(a.skript.dokumentiert[2].wert, 5e-10);
    const Ergebnisneuron& e = a.skript.ergebnisneurone[0];
    EXPECT_EQ(std::tuple(e.werte[0].size(), e.werte[0][1999], e.werte[2][1999]),
              std::tuple(size_t{2000}, 0.001f * 1999, -0.001f * 1999));

    // an interactive load asks before dropping what is loaded and writes the embedded texts out
    Auswertungsdaten t;
    skriptStatus = skriptBit::Geladen | skriptBit::ErgebnisKopfGeladen;
    pt::boxAntworten({6, 6});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(ergebnisDateiLaden(t, 1), 1);
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_NE(t.tmpSkript.find("erg tmp aus bin "), std::string::npos) << t.tmpSkript;
    EXPECT_EQ(lesen(t.tmpSkript), lesen(ordner + "t.skr"));
    EXPECT_EQ(lesen(t.tmpNetz), lesen(ordner + "netz.gui"));
    EXPECT_EQ(t.tmpPermutation, "");

    // a further file: the first difference is named, the one already listed refused
    struct { int neurone, doku; bool gelistet; const char* text; } weitere[] = {
        {1, 0, false, "anzahl der neurone (1)nicht"}, {0, -1, false, "zu dokumentierenden parameter (2)"},
        {0, 0, true, "schon geladen"}, {0, 0, false, nullptr}};
    for (const auto& w : weitere) {
        Auswertungsdaten g;
        g.ergebnisPfad = a.ergebnisPfad;
        ASSERT_EQ(ergebnisDateiLaden(g, 0), 1);
        g.skript.ergebnisneurone.resize(g.skript.ergebnisneurone.size() + w.neurone);
        g.skript.dokumentiert.resize(g.skript.dokumentiert.size() + w.doku);
        if (w.gelistet)
            g.namen.push_back(g.ergebnisPfad);
        g.kopf.saetze = 0;
        if (w.text)
            pt::boxAntworten({1});
        EXPECT_EQ(ergebnisKopfPruefen(g), w.text ? 0 : 1);
        if (w.text)
            EXPECT_NE(pt::boxLog().back().text.find(w.text), std::string::npos) << pt::boxLog().back().text;
        else
            EXPECT_EQ(g.kopf.saetze, 7u);
    }

    const std::string echt = lesen(a.ergebnisPfad);
    std::string alt = echt;
    alt[68] = 103;
    testhilfe::schreiben(ordner + "alt.bin", alt);
    a.ergebnisPfad = ordner + "alt.bin";
    pt::boxAntworten({1});
    EXPECT_EQ(ergebnisDateiLaden(a, 0), 0);
    EXPECT_NE(pt::boxLog().back().text.find("1.03"), std::string::npos) << pt::boxLog().back().text;

    // cut short, bytes flipped, huge counts and offsets: refused with a message or read whole
    uint32_t zufall = 12345;
    for (int v = 0; v < 400; ++v) {
        std::string b = echt;
        zufall = zufall * 1103515245u + 12345u;
        const size_t stelle = (zufall >> 8) % b.size();
        if (v % 4 == 0)
            b.resize(stelle);
        else
            for (int k = 0; k < 4 && stelle + k < b.size(); ++k)
                b[stelle + k] = static_cast<char>(v % 3 == 0 ? 0xFF : (zufall >> (8 * k)));
        testhilfe::schreiben(ordner + "kaputt.bin", b);
        Auswertungsdaten k;
        k.ergebnisPfad = ordner + "kaputt.bin";
        const auto antwort = [] {
            if (pt::offeneBoxAntworten() == 0)
                pt::boxAntworten({1});
        };
        antwort();
        if (!ergebnisDateiLaden(k, 0))
            continue;
        std::FILE* d = std::fopen(k.ergebnisPfad.c_str(), "rb");
        while (k.satzZeiger) {
            antwort();
            if (!ergebnisLesen(k, d))
                break;
        }
        if (k.satzZeiger == 0)
            std::fclose(d);
    }
}

// an index over the run's file lists each record once and reads back equal; a damaged
// index is refused or read whole
TEST_F(ErgebnisFall, IndexUeberDieDateiLiestSichGleichZurueck)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    Auswertungsdaten a;
    a.ergebnisPfad = ordner + "erg.bin";
    a.indexPfad = ordner + "erg.inx";
    ASSERT_EQ(ergebnisDateiLaden(a, 0), 1);
    ASSERT_EQ(ergebnisIndexSpeichern(a, 0), 1);
    ASSERT_EQ(ergebnisIndexErstellen(a, 0), 1);
    ASSERT_EQ(indexDateiListeAktualisieren(a), 1);
    const std::string b = lesen(a.indexPfad);
    ASSERT_EQ(b.size(), 266328u + 7 * 16);
    EXPECT_EQ(std::tuple(bei<uint32_t>(b, 72), bei<uint32_t>(b, 76), bei<uint32_t>(b, 80)), std::tuple(7u, 1u, 266328u));
    for (uint32_t k = 0; k < 7; ++k) {
        const size_t o = 266328 + 16 * k;
        EXPECT_EQ(std::tuple(bei<uint32_t>(b, o), bei<uint32_t>(b, o + 4), bei<uint32_t>(b, o + 8), bei<float>(b, o + 12)),
                  std::tuple(k, a.kopf.ersterSatz + k * uint32_t{satz}, 0u, 0.0f));
    }
    Auswertungsdaten z;
    z.indexPfad = a.indexPfad;
    ASSERT_EQ(ergebnisIndexLaden(z), 1);
    EXPECT_EQ(z.namen, a.namen);
    EXPECT_EQ(0, std::memcmp(z.index.data(), a.index.data(), 7 * 16));
    ASSERT_EQ(ergebnisNachIndexLesen(z, 3), 1);
    EXPECT_DOUBLE_EQ(z.skript.dokumentiert[1].wert, 3.75e-9);

    uint32_t zufall = 777;
    for (int v = 0; v < 300; ++v) {
        std::string k = b;
        zufall = zufall * 1103515245u + 12345u;
        const size_t stelle = v % 2 ? 64 + (zufall >> 8) % 24 : 266328 + (zufall >> 8) % (7 * 16);
        for (int i = 0; i < 4 && stelle + i < k.size(); ++i)
            k[stelle + i] = static_cast<char>(v % 3 == 0 ? 0xFF : (zufall >> (8 * i)));
        if (v % 5 == 0)
            k.resize((zufall >> 4) % k.size());
        testhilfe::schreiben(ordner + "kaputt.inx", k);
        Auswertungsdaten d;
        d.indexPfad = ordner + "kaputt.inx";
        const auto antwort = [] {
            if (pt::offeneBoxAntworten() == 0)
                pt::boxAntworten({1});
        };
        antwort();
        if (!ergebnisIndexLaden(d))
            continue;
        for (int e = 0; e < static_cast<int>(d.index.size()); ++e) {
            antwort();
            ergebnisNachIndexLesen(d, e);
        }
        for (std::FILE* h : d.handles)
            if (h)
                std::fclose(h);
    }
    for (std::FILE* h : z.handles)
        if (h)
            std::fclose(h);
}

// a stop during the fourth run keeps the three records written and ends the chain at the third
TEST_F(ErgebnisFall, AnhaltenBehaeltDieGeschriebenenSaetze)
{
    ASSERT_EQ(laden(text()), 1);
    anhaltenBei = 4;
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    skriptAusfuehren(skript, 1);
    const std::string b = lesen(ordner + "erg.bin");
    const std::vector<uint32_t> s = saetze(b);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(bei<uint32_t>(b, bei<uint32_t>(b, 72) + 4), 3u);
    EXPECT_EQ(b.size(), s.back() + satz);
}

// a full file goes on in the next numbered one; a name an older file has is passed over
TEST_F(ErgebnisFall, VolleDateiGehtInDerNaechstenFreienNummerWeiter)
{
    ASSERT_EQ(laden(text()), 1);
    testhilfe::schreiben(ordner + "erg 008.bin", "alt");
    maxBinDateiGroesse = 60000;
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg 7.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    EXPECT_FALSE(plattform::dateiExistiert(ordner + "erg 7.bin"));
    EXPECT_EQ(lesen(ordner + "erg 008.bin"), "alt");
    size_t gesamt = 0;
    int nummer = 0;
    for (int k = 8; gesamt < 7 && k < 20; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "erg %03d.bin", k == 8 ? 0 : k);
        const std::string b = lesen(ordner + name);
        const std::vector<uint32_t> s = saetze(b);
        ASSERT_FALSE(s.empty()) << name;
        EXPECT_EQ(bei<uint32_t>(b, bei<uint32_t>(b, 72) + 4), s.size()) << name;
        EXPECT_EQ(bei<int32_t>(b, 128), nummer++) << name;
        EXPECT_EQ(b.size(), s.back() + satz) << name;
        gesamt += s.size();
    }
    EXPECT_EQ(gesamt, 7u);
}

} // namespace
