// tests/platform/test_pfad.cpp
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "../stuetzen/testhilfe.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>

using namespace plattform;
namespace fs = std::filesystem;

namespace {
// the file-creation mask this test program was started with, as the system tells it
const mode_t maskeBeimStart = [] {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.starts_with("Umask:"))
            return static_cast<mode_t>(std::stoul(zeile.substr(6), nullptr, 8));
    ADD_FAILURE() << "no Umask line in /proc/self/status";
    return mode_t{077};
}();
} // namespace

class Pfad : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string muster = (fs::temp_directory_path() / "velnor-pfad-XXXXXX").string();
        ASSERT_NE(::mkdtemp(muster.data()), nullptr);
        wurzel = muster;
        fs::create_directories(wurzel / "Parameter" / "Unter");
        std::ofstream(wurzel / "Parameter" / "Unter" / "Standard.GEN") << "1\n";
        std::ofstream(wurzel / "Parameter" / "gr\xC3\xB6\xC3\x9F" "e.txt") << "x";
    }
    void TearDown() override { fs::remove_all(wurzel); }
    std::string basis() const { return wurzel.string() + "/"; }
    fs::path wurzel;
};

TEST_F(Pfad, KomponentenWerdenOhneGrossKleinschreibungGefundenNeueBehaltenIhrenNamen)
{
    EXPECT_EQ(pfadAufloesen(basis() + "parameter/unter/standard.gen"),
              basis() + "Parameter/Unter/Standard.GEN");
    std::FILE* f = dateiOeffnen(basis() + "PARAMETER/UNTER/standard.gen", "rb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(dateiExistiert(basis() + "parameter/Unter/STANDARD.gen"));
    EXPECT_FALSE(dateiExistiert(basis() + "parameter/Unter"));     // a folder is no file

    // the program's text says "GR\xD6SSE" (Windows-1252), the disk holds UTF-8 "größe"
    EXPECT_EQ(pfadAufloesen(basis() + "parameter/GR\xD6\xDF" "E.TXT"),
              basis() + "Parameter/gr\xC3\xB6\xC3\x9F" "e.txt");
    // a stored Windows path
    std::string windows = "C:" + basis() + "parameter/unter/standard.gen";
    std::replace(windows.begin() + 2, windows.end(), '/', '\\');
    EXPECT_EQ(pfadAufloesen(windows), basis() + "Parameter/Unter/Standard.GEN");

    std::ofstream(wurzel / "Parameter" / "Unter" / "standard.gen") << "2\n";   // the exact name first
    EXPECT_EQ(pfadAufloesen(basis() + "Parameter/Unter/standard.gen"),
              basis() + "Parameter/Unter/standard.gen");

    // a new file keeps its name behind the folders found
    EXPECT_EQ(pfadAufloesen(basis() + "PARAMETER/neu/datei.cfg"), basis() + "Parameter/neu/datei.cfg");
    f = dateiOeffnen(basis() + "parameter/Neu.cfg", "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(fs::exists(wurzel / "Parameter" / "Neu.cfg"));
}

// A written file takes its last name part exactly: a file whose name differs only in case is
// neither written, appended to, replaced nor deleted; its folders are still found ignoring case.
TEST_F(Pfad, SchreibenNimmtDenLetztenNamensteilGenau)
{
    using testhilfe::lesen;
    const std::string alt = basis() + "Parameter/Unter/Standard.GEN", neu = basis() + "Parameter/Unter/standard.gen";
    const std::string genannt = basis() + "parameter/unter/standard.gen", umlaut = basis() + "parameter/gr\xF6\xDF";
    std::string windows = "C:" + basis() + "PARAMETER/unter/standard.gen";
    std::replace(windows.begin() + 2, windows.end(), '/', '\\');
    EXPECT_EQ(std::tuple(schreibPfadAufloesen(genannt), schreibPfadAufloesen(windows),
                         schreibPfadAufloesen("C:neu.gui"), schreibPfadAufloesen(umlaut + "E.TXT")),
              std::tuple(neu, neu, "neu.gui", basis() + "Parameter/gr\xC3\xB6\xC3\x9F" "E.TXT"));
    for (const char* modus : {"r+", "rb+", "ab", "wb", "w", "a+", "wx"}) {
        errno = 0;
        std::FILE* f = dateiOeffnen(genannt, modus);   // updating finds no file of that exact name
        EXPECT_EQ(std::tuple(f ? 0 : errno, fs::exists(neu)), std::tuple(modus[0] == 'r' ? ENOENT : 0, modus[0] != 'r'))
            << modus;
        if (f)
            std::fclose(f);
        fs::remove(neu);
    }
    EXPECT_EQ(std::tuple(lesen(alt), dateiExistiert(genannt), schreibzielExistiert(genannt), schreibzielExistiert(alt)),
              std::tuple("1\n", true, false, true));
    ASSERT_TRUE(dateiSicherSchreiben(genannt, "neu"));
    EXPECT_EQ(std::tuple(lesen(alt), lesen(neu)), std::tuple("1\n", "neu"));
    fs::remove(neu);
    EXPECT_EQ(std::tuple(gefundenenNamenNehmen(genannt), gefundenenNamenNehmen(windows),
                         gefundenenNamenNehmen(basis() + "parameter/neu.gui"), gefundenenNamenNehmen(umlaut + "E.txt")),
              std::tuple(basis() + "parameter/unter/Standard.GEN",
                         windows.substr(0, windows.rfind('\\') + 1) + "Standard.GEN", basis() + "parameter/neu.gui",
                         umlaut + "e.txt"));
    ASSERT_TRUE(dateiSicherSchreiben(gefundenenNamenNehmen(genannt), "2\n"));   // the found name is the old file's
    EXPECT_EQ(std::tuple(lesen(alt), fs::exists(neu)), std::tuple("2\n", false));
    // one file by two names is one target; names that differ in case are two
    fs::create_hard_link(alt, wurzel / "verweis.gen");
    EXPECT_EQ(std::tuple(gleichesSchreibziel(genannt, basis() + "Parameter/Unter/standard.gen"),
                         gleichesSchreibziel(genannt, basis() + "parameter/./Unter/../unter/standard.gen"),
                         gleichesSchreibziel(basis() + "verweis.gen", alt), gleichesSchreibziel(genannt, alt),
                         gleichesSchreibziel(basis() + "a.gui", basis() + "a.cur")),
              std::tuple(true, true, true, false, false));
}

TEST(Programmverzeichnis, IstDerOrdnerDesLaufendenProgramms)
{
    const std::string& v = programmVerzeichnis();
    EXPECT_TRUE(!v.empty() && v.back() == '/');
    EXPECT_TRUE(fs::exists(fs::path(nachUtf8(v)) / "test_platform"));
}

TEST_F(Pfad, SicheresSchreibenErsetztGanzOderGarNicht)
{
    const std::string ziel = basis() + "parameter/default.cfg";
    std::string fehler;
    ASSERT_TRUE(dateiSicherSchreiben(ziel, "alt\r\n", &fehler)) << fehler;
    ASSERT_TRUE(dateiSicherSchreiben(ziel, std::string("neu\0mit Null\r\n", 15), &fehler)) << fehler;
    std::ifstream ein(wurzel / "Parameter" / "default.cfg", std::ios::binary);
    const std::string inhalt((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    EXPECT_EQ(inhalt, std::string("neu\0mit Null\r\n", 15));

    // a folder that cannot be written keeps the old file and leaves no temporary behind
    fs::permissions(wurzel / "Parameter", fs::perms::owner_read | fs::perms::owner_exec);
    const bool root = ::geteuid() == 0;      // root writes anyway; the rest still holds
    if (!root) {
        EXPECT_FALSE(dateiSicherSchreiben(ziel, "verloren", &fehler));
        EXPECT_NE(fehler.find("default.cfg"), std::string::npos);
    }
    fs::permissions(wurzel / "Parameter", fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator(wurzel / "Parameter"), {}), 3);   // Unter, größe.txt, default.cfg
    SchreibFehler art = SchreibFehler::Schreiben;   // no temporary file where no folder is
    EXPECT_FALSE(dateiSicherSchreiben(basis() + "gibt/es/nicht/x.cfg", "x", &fehler, &art));
    EXPECT_EQ(art, SchreibFehler::Oeffnen);
}

// A saved file gets the rights the process's mask gives a created file, and the mask stays as
// it is meanwhile; a file that replaces another keeps the other's rights.
TEST_F(Pfad, SicheresSchreibenGibtDieRechteOhneDieMaskeZuAendern)
{
    const mode_t vorher = ::umask(027);
    const auto rechte = [](const fs::path& p) { return fs::status(p).permissions() & fs::perms::mask; };
    using fs::perms;
    EXPECT_TRUE(dateiSicherSchreiben(basis() + "neu.gui", "neu"));
    EXPECT_EQ(rechte(wurzel / "neu.gui"), perms::owner_read | perms::owner_write | perms::group_read);
    EXPECT_EQ(::umask(027), 027u);
    fs::permissions(wurzel / "neu.gui", perms::owner_read | perms::owner_write | perms::others_read);
    EXPECT_TRUE(dateiSicherSchreiben(basis() + "neu.gui", "anders"));
    EXPECT_EQ(rechte(wurzel / "neu.gui"), perms::owner_read | perms::owner_write | perms::others_read);

    // where the system does not tell the mask, the one the process started with counts
    std::ofstream(wurzel / "status") << "Name:\ttest_platform\nUmask:\tkeine\n";
    for (const fs::path& status : {wurzel / "gibt-es-nicht", wurzel / "status"}) {
        const int fd = ::open((wurzel / "ohne-proc").c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        ersatzRechteGeben(fd, basis() + "neu-ohne-proc.gui", status.c_str());
        ::close(fd);
        EXPECT_EQ(rechte(wurzel / "ohne-proc"), static_cast<perms>(0666 & ~maskeBeimStart)) << status;
        EXPECT_EQ(::umask(027), 027u);
    }
    ::umask(vorher);
}

// A folder the test support makes for a test is gone once that test has ended (the next
// test of the suite looks), whether the test passed or failed: nothing builds up in the
// temporary directory over a run.
std::string ordnerDesVorigenTests;
TEST(TempOrdner, WirdAmEndeDesTestsAngelegt)
{
    ordnerDesVorigenTests = testhilfe::tempOrdner("velnor-aufraeumen");
    testhilfe::schreiben(ordnerDesVorigenTests + "datei", "x");
    EXPECT_TRUE(fs::exists(ordnerDesVorigenTests + "datei"));
}
TEST(TempOrdner, IstImNaechstenTestWeg)
{
    if (ordnerDesVorigenTests.empty())
        GTEST_SKIP() << "run alone";
    EXPECT_FALSE(fs::exists(ordnerDesVorigenTests));
}
// the pair above in one process of its own, as ctest runs every test alone
TEST(TempOrdner, GehtMitDemTestDerIhnAnlegte)
{
    if (!ordnerDesVorigenTests.empty())
        GTEST_SKIP() << "the pair ran in this process";
    const std::string befehl = fs::read_symlink("/proc/self/exe").string() +
                               " --gtest_filter='TempOrdner.WirdAmEndeDesTestsAngelegt:TempOrdner.IstImNaechstenTestWeg'"
                               " --gtest_brief=1 2>&1";
    std::FILE* kind = ::popen(befehl.c_str(), "r");
    ASSERT_NE(kind, nullptr);
    std::string ausgabe;
    char puffer[256];
    while (std::fgets(puffer, sizeof puffer, kind))
        ausgabe += puffer;
    EXPECT_EQ(::pclose(kind), 0) << ausgabe;
    EXPECT_EQ(ausgabe.find("SKIPPED"), std::string::npos) << ausgabe;
}
