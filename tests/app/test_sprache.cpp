// tests/app/test_sprache.cpp - the language by default.cfg and the language command
#include "app_hilfe.h"
#include "app/sprache.h"
#include "platform/menue.h"

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

using Sprache = AppFall;

const std::string cfgDeutsch = "[programmdefinitionen]\r\nzoom faktor=2.5\r\n"
                               "sprache=1031     // deutsch=1031   english=1033\r\nmaximale undo anzahl=7\r\n";

} // namespace

TEST_F(Sprache, DefaultCfgWaehltMenueUndTexte)
{
    ASSERT_TRUE(starten("sprache=1033\r\n"));
    EXPECT_EQ(sprache, spracheEnglisch);
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&File");
    EXPECT_EQ(meldungsTexte[769], "\tRun in progress");
    EXPECT_TRUE(istAbgehakt(fensterhandles.hauptmenue, befehlSpracheEnglisch, Nach::Befehl));
    // the remaining-time class carries the English name
    EXPECT_NE(fensterErzeugen(meldungsTexte[14], "", stil::Hauptfenster, 0, 0, 50, 50), nullptr);
    EXPECT_NE(meldungsTexte[14], meldungsTexte.eingebauterText(14));
}

TEST_F(Sprache, BefehlSchreibtNurDieSprachzeileUndBeendet)
{
    ASSERT_TRUE(starten(cfgDeutsch));
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&Datei");
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlSpracheEnglisch));
    nachrichtenVerarbeiten();
    EXPECT_EQ(lesen(ordner + "default.cfg"),
              "[programmdefinitionen]\r\nzoom faktor=2.5\r\n"
              "sprache=1033     // deutsch=1031   english=1033\r\nmaximale undo anzahl=7\r\n");
    EXPECT_TRUE(programmEndet());
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));

    // the next start speaks English
    const std::string gleicherOrdner = ordner;
    programmZuruecksetzen();
    ASSERT_TRUE(programmStarten("", gleicherOrdner));
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&File");
}

TEST_F(Sprache, OhneSprachzeileWirdSieAngehaengtUndGleicheSpracheTutNichts)
{
    ASSERT_TRUE(starten("zoom faktor=2.5"));
    befehl(befehlSpracheDeutsch);
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(lesen(ordner + "default.cfg"), "zoom faktor=2.5");
    befehl(befehlSpracheEnglisch);
    EXPECT_EQ(lesen(ordner + "default.cfg"),
              "zoom faktor=2.5\r\nsprache=1033     // deutsch=1031   english=1033\r\n");
}

TEST_F(Sprache, OhneDefaultCfgEntstehtSie)
{
    ASSERT_TRUE(starten());
    befehl(befehlSpracheEnglisch);
    EXPECT_EQ(lesen(ordner + "default.cfg"), "sprache=1033     // deutsch=1031   english=1033\r\n");
    EXPECT_EQ(spracheLesen(ordner + "default.cfg"), spracheEnglisch);
}
