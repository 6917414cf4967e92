// tests/script/test_skriptausgaben.cpp - a run's outputs on a full disk: the AP-times table, the
// log, the snapshot and the result file, each named with the reason, the run stopped, and
// the run reporting that its results were not saved
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "files/netzdatei.h"
#include "model/laufhaken.h"
#include "texts/texte.h"
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
using namespace skripttest;

using BoxTexte = std::vector<std::string>;
BoxTexte gezeigteBoxen()
{
    BoxTexte v;
    for (const auto& b : pt::boxLog())
        v.push_back(b.titel + ": " + b.text);
    return v;
}

int laeufe = 0;
void (*beimLauf)(int lauf) = nullptr;

std::tm uhr()
{
    std::tm t{};
    t.tm_year = 131, t.tm_mon = 10, t.tm_mday = 4, t.tm_hour = 21, t.tm_min = 5, t.tm_sec = 9;
    return t;
}

// from now on the open file writes onto a full disk
void vollerDatentraeger(std::FILE* f)
{
    ASSERT_NE(f, nullptr);
    const int voll = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(voll, 0);
    ASSERT_GE(::dup2(voll, ::fileno(f)), 0);
    ::close(voll);
}

// the descriptor this process has open on pfad, -1 for none
int offenAuf(const std::string& pfad)
{
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code fehler;
        const auto ziel = std::filesystem::read_symlink(e.path(), fehler);
        if (!fehler && ziel == std::filesystem::path(pfad))
            return std::stoi(e.path().filename().string());
    }
    return -1;
}

struct AusgabeFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        laeufe = 0;
        beimLauf = nullptr;
        skriptLaufHaken = [] {
            if (beimLauf)
                beimLauf(++laeufe);
            else
                ++laeufe;
        };
        laufHaken.ortszeit = uhr;
        dateipfade.netzName = "netz";
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.ergebnisVerzeichnis.clear();
        skriptMeldungenAnzeigen = 0;
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        beimLauf = nullptr;
        laufHaken = {};
        SkriptFall::TearDown();
    }
    std::string tabelle() const { return ordner + "netz skript 311104 210509.txt"; }
    static std::string voll(const std::string& pfad)
    {
        return "Hinweis: " + meldungFormatieren(1490, pfad, systemGrund(ENOSPC));
    }
    static std::string logEnde() { return testhilfe::lesen("!   skript.log"); }
};

} // namespace

// The table's header does not reach the disk: the run does not start. A row does not: the
// run stops before the next simulation and ends as cancelled. Either way the notice names
// the table and the reason, once, and the run reports failure.
TEST_F(AusgabeFall, TabelleAufVollemDatentraeger)
{
    ASSERT_EQ(laden(reihe()), 1);
    std::filesystem::create_symlink("/dev/full", tabelle());
    pt::boxAntworten({1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{voll(tabelle())});
    EXPECT_FALSE(skriptStatus & (skriptBit::Laeuft | skriptBit::Anhalten));

    std::filesystem::remove(tabelle());
    pt::zuruecksetzen();
    beimLauf = [](int lauf) {
        if (lauf == 2)
            vollerDatentraeger(skript.apDatei);
    };
    pt::boxAntworten({1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{voll(tabelle())});
    EXPECT_NE(logEnde().find("bearbeitung des skriptes abgebrochen\r\n"), std::string::npos);
    // the next run starts afresh
    pt::zuruecksetzen();
    beimLauf = nullptr;
    laeufe = 0;
    EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
    EXPECT_EQ(laeufe, 7);
    EXPECT_TRUE(pt::boxLog().empty());
}

// The log does not reach the disk: at its first line the run does not start; at its end
// line, after the simulations, the run reports failure.
TEST_F(AusgabeFall, LogAufVollemDatentraeger)
{
    ASSERT_EQ(laden(reihe()), 1);
    const std::string log = std::filesystem::absolute("!   skript.log").string();
    std::filesystem::create_symlink("/dev/full", log);
    pt::boxAntworten({1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{voll(log)});

    std::filesystem::remove(log);
    pt::zuruecksetzen();
    beimLauf = [](int lauf) {
        if (lauf != 7)
            return;
        const int fd = offenAuf(std::filesystem::absolute("!   skript.log").string());
        ASSERT_GE(fd, 0);
        const int voll = ::open("/dev/full", O_WRONLY);
        ::dup2(voll, fd);
        ::close(voll);
    };
    pt::boxAntworten({1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 7);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{voll(log)});
}

// A snapshot that cannot be written (its folder is not there) stops the run after the
// simulation it belongs to, with the snapshot's name and the reason.
TEST_F(AusgabeFall, SchnappschussOhneOrdner)
{
    using namespace plattform;
    ASSERT_EQ(laden(reihe()), 1);
    klasseRegistrieren({"bmp test", standardFensterProc});
    DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
    d.fenster = fensterErzeugen("bmp test", "Motor", stil::Sichtbar, 0, 0, 80, 60);
    skript.bmpFlag = 1;
    skript.bmpNeuron = 2;
    skript.bmpTitel = "Motor";
    skript.bmpPraefix = ordner + "fehlt/netz skript ";
    pt::boxAntworten({1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 1);
    EXPECT_EQ(gezeigteBoxen(),
              BoxTexte{"Hinweis: " + meldungFormatieren(1490, ordner + "fehlt/netz skript 311104 210509 001.BMP",
                                                        systemGrund(ENOENT))});
    EXPECT_EQ(titel(d.fenster), "Motor");
    fensterZerstoeren(d.fenster);
    d.fenster = nullptr;
}

// A record the result file does not take: the run stops with one notice and reports that
// its results were not saved.
TEST_F(AusgabeFall, ErgebnissatzAufVollemDatentraeger)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    beimLauf = [](int lauf) {
        if (lauf == 3)
            vollerDatentraeger(skript.bin.datei);
    };
    pt::boxAntworten({1, 1});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 3);
    // the third simulation of the list is number 5
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(1113, 5)});
}
