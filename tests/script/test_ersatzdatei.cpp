// tests/script/test_ersatzdatei.cpp - a result or index file written beside the file it replaces:
// the rights it gets, and an index whose last write fails
#include "ergebnis_hilfe.h"
#include "script/auswertung.h"
#include "script/ersatzdatei.h"
#include "files/netzdatei.h"
#include "texts/texte.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using namespace skripttest;

mode_t rechte(const std::string& pfad)
{
    struct stat st{};
    return ::stat(pfad.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

// from now on the open file writes onto a full disk
void vollerDatentraeger(std::FILE* f)
{
    const int voll = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(voll, 0);
    ASSERT_GE(::dup2(voll, ::fileno(f)), 0);
    ::close(voll);
}

struct Maske {
    mode_t vorher = ::umask(027);
    ~Maske() { ::umask(vorher); }
};

} // namespace

// A new file gets the rights the process's mask gives a created file, and the mask stays as
// it is; a file that replaces another keeps the other's rights.
TEST_F(SkriptFall, ErsatzdateiNimmtDieRechteOhneDieMaskeZuAendern)
{
    const Maske maske;
    std::string neu;
    std::FILE* f = ersatzOeffnen(ordner + "neu.bin", neu);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(rechte(neu), 0640u);
    EXPECT_EQ(::umask(027), 027u);
    ASSERT_TRUE(ersatzAbschliessen(f, neu, ordner + "neu.bin"));
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(rechte(ordner + "neu.bin"), 0640u);

    testhilfe::schreiben(ordner + "alt.bin", "alt");
    ASSERT_EQ(::chmod((ordner + "alt.bin").c_str(), 0604), 0);
    f = ersatzOeffnen(ordner + "alt.bin", neu);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(rechte(neu), 0604u);
    std::fputs("neu", f);
    ASSERT_TRUE(ersatzAbschliessen(f, neu, ordner + "alt.bin"));
    EXPECT_EQ(lesen(ordner + "alt.bin"), "neu");
    EXPECT_EQ(rechte(ordner + "alt.bin"), 0604u);

    // the last bytes do not reach the disk: the old file stays, the new one goes
    f = ersatzOeffnen(ordner + "alt.bin", neu);
    ASSERT_NE(f, nullptr);
    const std::string neuPfad = neu;
    std::fputs("anders", f);
    vollerDatentraeger(f);
    EXPECT_FALSE(ersatzAbschliessen(f, neu, ordner + "alt.bin"));
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(lesen(ordner + "alt.bin"), "neu");
    EXPECT_FALSE(std::filesystem::exists(neuPfad));
}

// The list update's last write fails: a saved index leaves the older file as it was and
// says so; a temporary one, which has no older file, says only that it is incomplete.
TEST_F(ErgebnisFall, IndexDessenLetzteSchreibungFehltSagtWasAufDerPlatteIst)
{
    ASSERT_EQ(laden(text()), 1);
    pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    Auswertungsdaten a;
    ASSERT_TRUE(indexSpeichern(a, ordner + "erg.bin", ordner + "erg.inx"));
    const std::string alt = lesen(a.indexPfad);

    for (int temporaer : {0, 1}) {
        pt::zuruecksetzen();
        Auswertungsdaten n;
        n.ergebnisPfad = a.ergebnisPfad;
        n.indexPfad = temporaer ? ordner + "tmp.inx" : a.indexPfad;
        ASSERT_EQ(ergebnisDateiLaden(n, 0), 1);
        ASSERT_EQ(ergebnisIndexSpeichern(n, temporaer), 1);
        ASSERT_EQ(ergebnisIndexErstellen(n, temporaer), 1);
        vollerDatentraeger(n.indexDatei);
        pt::boxAntworten({1});
        EXPECT_EQ(indexDateiListeAktualisieren(n), 0);
        ASSERT_EQ(pt::boxLog().size(), 1u);
        // both say the system's reason in the session's words
        EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(temporaer ? 1491 : 947, n.indexPfad, meldungsTexte[964]))
            << temporaer;
        EXPECT_EQ(n.indexDatei, nullptr);
        EXPECT_TRUE(lesen(a.indexPfad) == alt) << temporaer;
        int uebrig = 0;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            uebrig += e.path().filename().string().starts_with("erg.inx.");
        EXPECT_EQ(uebrig, 0);
    }
}
