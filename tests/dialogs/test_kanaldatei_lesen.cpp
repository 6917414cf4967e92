// tests/dialogs/test_kanaldatei_lesen.cpp - "Kanal laden" of the user-channel dialog reads a
// channel file (.knl) into a channel list; a file without channels is a load of nothing
#include "dialogs/benutzerkanaele.h"
#include "files/benutzerkanaele.h"
#include "reizdialog_hilfe.h"
#include "testhilfe.h"

namespace {

using namespace reizdialog;
using Kanaele = std::list<BenutzerKanal>;

BenutzerKanal kanal(const char* name)
{
    BenutzerKanal k;
    k.name = name;
    k.leitfaehigkeit = 1e-3;
    return k;
}

std::vector<std::string> namen(const Kanaele& l)
{
    std::vector<std::string> v;
    for (const BenutzerKanal& k : l)
        v.push_back(k.name);
    return v;
}

using KanalDateiLesen = reizdialog::Fall;

} // namespace

// The file is read and holds no channel: the load succeeds and changes nothing, and the next
// neuron's call reads the same file again without asking (no file answer is left for it).
TEST_F(KanalDateiLesen, DateiOhneKanaeleGiltAlsGeladenUndLaesstDieListe)
{
    const std::string ordner = testhilfe::tempOrdner("knl-leer");
    const Kanaele keine;
    ASSERT_TRUE(knlDateiSpeichern(ordner + "leer.knl", keine.begin(), keine.end(), -1));
    Kanaele l = {kanal("A"), kanal("B")};
    test::dateiAntworten({test::dateiAntwort(ordner + "leer.knl")});
    EXPECT_EQ(kanalDateiLesen(l, l.begin(), 0), 1);
    EXPECT_EQ(kanalDateiLesen(l, std::next(l.begin()), 1), 1);
    EXPECT_EQ(namen(l), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(test::boxLog().empty());

    // the user cancels the file choice: nothing was loaded
    test::dateiAntworten({test::dateiAbbruch()});
    EXPECT_EQ(kanalDateiLesen(l, l.begin(), 0), 0);
    std::filesystem::remove_all(ordner);
}
