// tests/script/test_ergebnisdatei.cpp - the binary result file of the series script, field by field
#include "ergebnis_hilfe.h"
#include "files/netzdatei.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <utility>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using namespace skripttest;

// Runs pruefen in a child process whose files cannot grow past grenze bytes, as on a full
// disk; what it returns is a failure of the test ("" when all held).
template <class F> void mitDateiGrenze(rlim_t grenze, F pruefen)
{
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{};
        ::getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = grenze;
        const std::string fehler = ::setrlimit(RLIMIT_FSIZE, &r) == 0 ? pruefen() : "no file-size limit";
        if (!fehler.empty())
            std::fprintf(stderr, "%s\n", fehler.c_str());
        ::_exit(fehler.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "limit " << grenze;
}

// the files of the folder whose names begin with name and go on
std::vector<std::string> angefangene(const std::string& ordner, const std::string& name)
{
    std::vector<std::string> n;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        if (const std::string f = e.path().filename().string(); f.size() > name.size() && f.starts_with(name))
            n.push_back(f);
    return n;
}

TEST_F(ErgebnisFall, KopfUndSaetzeStehenAnIhrenStellen)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg 1.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    const std::string b = lesen(ordner + "erg 1.bin");
    // the network as its file would hold it, made in memory: no file of the user's is written
    std::string netz;
    ASSERT_TRUE(netzDateiText(netz));
    EXPECT_FALSE(std::filesystem::exists(ordner + "netz.gui"));
    const uint32_t L1 = static_cast<uint32_t>(lesen(ordner + "t.skr").size());
    const uint32_t L2 = static_cast<uint32_t>(netz.size());
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
    EXPECT_TRUE(b.substr(981 + L1, L2) == netz);
    EXPECT_EQ(std::string(b.c_str() + d + 12), "leitfaehigkeit syn1");
    EXPECT_EQ(std::string(b.c_str() + d + 68), "amplitude");
    EXPECT_EQ(bei<double>(b, g + 8), 0.2);
    // the path-free bytes against the golden ones, made from the layout tables
    const std::string gold = std::string(VELNOR_TEST_DATEN) + "/skriptergebnis/";
    EXPECT_EQ(b.substr(g, r - g), lesen(gold + "allgemein_doku_schluss.bin"));

    ASSERT_EQ(b.size(), r + 7 * satz);
    EXPECT_EQ(saetze(b), (std::vector<uint32_t>{r, r + satz, r + 2 * satz, r + 3 * satz, r + 4 * satz, r + 5 * satz,
                                               r + 6 * satz}));
    const uint32_t vier = r + 3 * satz;
    EXPECT_EQ(bei<uint32_t>(b, vier + 4), vier + satz);
    EXPECT_EQ(bei<uint32_t>(b, vier + 12), vier + 16);
    std::string ohnePositionen = b.substr(vier, satz);
    ohnePositionen.replace(4, 4, 4, '\0');
    ohnePositionen.replace(12, 4, 4, '\0');
    EXPECT_EQ(ohnePositionen, lesen(gold + "satz4_ohne_positionen.bin"));
    EXPECT_DOUBLE_EQ(bei<double>(b, vier + 20), 3.75e-9);
    EXPECT_DOUBLE_EQ(bei<double>(b, vier + 28), 5e-10);
    struct { uint32_t o; int32_t kurve, anzahl; float probe; } bloecke[] = {
        {vier + 132, 0, 2000, 0.001f * 1999}, {vier + 140 + 8000, 2, 2000, -0.001f * 1999}};
    for (const auto& k : bloecke) {
        EXPECT_EQ(std::tuple(bei<int32_t>(b, k.o), bei<int32_t>(b, k.o + 4), bei<float>(b, k.o + 8 + 4 * 1999)),
                  std::tuple(k.kurve, k.anzahl, k.probe));
    }
}

// the readers take back what the writer stored
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
    std::string netz;
    ASSERT_TRUE(netzDateiText(netz));
    EXPECT_TRUE(lesen(t.tmpNetz) == netz);
    EXPECT_EQ(t.tmpPermutation, "");

    // a further file: the first difference is named (neuron count before documented count),
    // the one already listed refused
    struct { int neurone, doku; bool gelistet; const char* text; } weitere[] = {
        {1, -1, false, "anzahl der neurone (1)nicht"}, {0, -1, false, "zu dokumentierenden parameter (2)"},
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
}

// an index over the run's file lists each record once and reads back equal
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
    EXPECT_EQ(a.statusText, "7 Simulationen (1 Dateien)");
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
    const size_t boxenVorher = pt::boxLog().size();
    ASSERT_EQ(ergebnisIndexLaden(z), 1);   // asks nothing: the evaluation mode has asked
    EXPECT_EQ(pt::boxLog().size(), boxenVorher);
    EXPECT_EQ(lesen(z.tmpSkript), lesen(ordner + "t.skr"));
    std::string netz;
    ASSERT_TRUE(netzDateiText(netz));
    EXPECT_TRUE(lesen(z.tmpNetz) == netz);
    EXPECT_EQ(z.namen, a.namen);
    EXPECT_EQ(0, std::memcmp(z.index.data(), a.index.data(), 7 * 16));
    ASSERT_EQ(ergebnisNachIndexLesen(z, 3), 1);
    EXPECT_DOUBLE_EQ(z.skript.dokumentiert[1].wert, 3.75e-9);
    for (std::FILE*& h : z.handles)
        if (h)
            std::fclose(std::exchange(h, nullptr));
    // a result file gone since: the notice says why in the session's words for a read
    std::filesystem::rename(a.ergebnisPfad, ordner + "weg.bin");
    pt::boxAntworten({1});
    EXPECT_EQ(ergebnisNachIndexLesen(z, 4), 0);
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(1169, meldungsTexte[1800]));
    std::filesystem::rename(ordner + "weg.bin", a.ergebnisPfad);

    // an index larger than the memory at hand: asked about, or refused when it passes the
    // virtual memory too
    struct { SpeicherStand stand; int antwort, geladen; const char* text; } speicher[] = {
        {{100, 1000}, 7, 0, "sollich?"}, {{100, 1000}, 6, 1, "sollich?"}, {{100, 50}, 1, 0, "mord"},
        {{112, 0}, 0, 1, nullptr}};
    for (const auto& f : speicher) {
        static SpeicherStand stand;
        stand = f.stand;
        speicherStandHaken = [] { return stand; };
        skriptStatus = 0;
        const size_t boxen = pt::boxLog().size();
        if (f.antwort)
            pt::boxAntworten({f.antwort});
        Auswertungsdaten m;
        m.indexPfad = a.indexPfad;
        EXPECT_EQ(ergebnisIndexLaden(m), f.geladen) << f.stand.physisch << " " << f.stand.virtuell;
        if (f.text) {
            ASSERT_EQ(pt::boxLog().size(), boxen + 1);
            EXPECT_EQ(pt::boxLog().back().text.rfind("ich habe ein speicherplatzproblem:\nphysikalisch verf\xFC" "gbar:\t0 MB", 0), 0u);
            EXPECT_NE(pt::boxLog().back().text.find(f.text), std::string::npos) << pt::boxLog().back().text;
        } else {
            EXPECT_EQ(pt::boxLog().size(), boxen);
        }
    }
    speicherStandHaken = nullptr;
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

// A full file goes on in the next numbered one, the first renamed "<stem> 000"; each file
// reads by itself. A name an older file has is passed over, never replaced.
TEST_F(ErgebnisFall, VolleDateiGehtInDerNaechstenFreienNummerWeiter)
{
    struct { bool alteDatei; int erste; } faelle[] = {{false, 8}, {true, 9}};
    for (const auto& f : faelle) {
        // FIL of 100000 bytes holds the header and a few records of 16148 bytes each
        std::string t = text();
        t.insert(t.find("ERG=W"), "FIL=100000  ");
        ASSERT_EQ(laden(t), 1);
        const std::string stamm = f.alteDatei ? "alt" : "erg";
        if (f.alteDatei)
            testhilfe::schreiben(ordner + "alt 008.bin", "alt");
        pt::dateiAntworten({pt::dateiAntwort(ordner + stamm + " 7.bin")});
        ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
        EXPECT_FALSE(plattform::dateiExistiert(ordner + stamm + " 7.bin"));
        if (f.alteDatei) {
            EXPECT_EQ(lesen(ordner + "alt 008.bin"), "alt");
        }
        size_t gesamt = 0;
        int nummer = 0;
        for (int k = f.erste - 1; gesamt < 7 && k < 20; ++k) {
            char name[24];
            std::snprintf(name, sizeof name, " %03d.bin", k == f.erste - 1 ? 0 : k);
            const std::string b = lesen(ordner + stamm + name);
            const std::vector<uint32_t> s = saetze(b);
            ASSERT_FALSE(s.empty()) << stamm << name;
            EXPECT_LT(b.size(), 100000u + satz) << name;
            EXPECT_EQ(bei<uint32_t>(b, bei<uint32_t>(b, 72) + 4), s.size()) << name;
            EXPECT_EQ(bei<int32_t>(b, 128), nummer++) << name;
            EXPECT_EQ(b.size(), s.back() + satz) << name;
            gesamt += s.size();
        }
        EXPECT_EQ(gesamt, 7u);
        EXPECT_GE(nummer, 2);
    }
}

// A result file the user chose to replace stays whole until the new one's header is: a
// write that fails (the disk full) keeps it byte for byte and says why; a run that can write
// replaces it, its records in the file that took the name.
TEST_F(ErgebnisFall, VollerDatentraegerLaesstDieAlteErgebnisdateiGanz)
{
    ASSERT_EQ(laden(text()), 1);
    anhaltenBei = 4;
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    skriptAusfuehren(skript, 1);
    const std::string alt = lesen(ordner + "erg.bin");
    const uint32_t kopf = bei<uint32_t>(alt, 76);
    ASSERT_EQ(alt.size(), kopf + 3 * satz);
    laeufe = anhaltenBei = 0;

    // the network file and the log fit, the new header does not
    mitDateiGrenze(kopf - 512, [&]() -> std::string {
        pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
        pt::boxAntworten({1});
        if (skriptAusfuehren(skript, 1) != 0 || laeufe != 0)
            return "the run started";
        const std::string erwartet = meldungFormatieren(947, ordner + "erg.bin", meldungsTexte[964]);
        return pt::boxLog().empty() || pt::boxLog().back().text != erwartet ? "notice: " + pt::boxLog().back().text : "";
    });
    EXPECT_TRUE(lesen(ordner + "erg.bin") == alt) << lesen(ordner + "erg.bin").size() << " bytes";
    EXPECT_TRUE(angefangene(ordner, "erg.bin").empty());

    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    const std::string neu = lesen(ordner + "erg.bin");
    EXPECT_EQ(saetze(neu).size(), 7u);
    EXPECT_EQ(neu.size(), bei<uint32_t>(neu, 76) + 7 * satz);
    EXPECT_TRUE(angefangene(ordner, "erg.bin").empty());
}

// A saved index replaces an older one only once it is whole: a write that fails at the list
// or at the entries, or an index closed before its list update, keeps the old one byte for
// byte; the failure says why.
TEST_F(ErgebnisFall, VollerDatentraegerLaesstDenAltenIndexGanz)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    Auswertungsdaten a;
    ASSERT_TRUE(indexSpeichern(a, ordner + "erg.bin", ordner + "erg.inx"));
    const std::string alt = lesen(a.indexPfad);
    ASSERT_EQ(alt.size(), 266440u);

    const auto speichern = [&]() -> std::string {
        Auswertungsdaten n;
        pt::boxAntworten({1});
        if (indexSpeichern(n, a.ergebnisPfad, a.indexPfad))
            return "saved past the limit";
        const std::string erwartet = meldungFormatieren(947, n.indexPfad, meldungsTexte[964]);
        return n.indexDatei || pt::boxLog().empty() || pt::boxLog().back().text != erwartet
                   ? "notice: " + (pt::boxLog().empty() ? "" : pt::boxLog().back().text)
                   : "";
    };
    // 4,096 bytes stop the list, the header and list's 266,328 bytes the entries
    for (rlim_t grenze : {rlim_t{4096}, rlim_t{266328 + 8}}) {
        mitDateiGrenze(grenze, speichern);
        EXPECT_TRUE(lesen(a.indexPfad) == alt) << grenze << ": " << lesen(a.indexPfad).size() << " bytes";
        EXPECT_TRUE(angefangene(ordner, "erg.inx").empty()) << grenze;
    }

    Auswertungsdaten offen;
    offen.ergebnisPfad = a.ergebnisPfad;
    offen.indexPfad = a.indexPfad;
    ASSERT_EQ(ergebnisDateiLaden(offen, 0), 1);
    ASSERT_EQ(ergebnisIndexSpeichern(offen, 0), 1);
    indexDateiVerwerfen(offen);
    EXPECT_TRUE(lesen(a.indexPfad) == alt) << lesen(a.indexPfad).size() << " bytes";
    EXPECT_TRUE(angefangene(ordner, "erg.inx").empty());
}

} // namespace
