// tests/texts/test_sprachdateien.cpp - loading the language files, the fallbacks and
// the formatter against lines a user broke
#include "platform/eigene_texte.h"
#include "texte_hilfe.h"

using namespace texthilfe;
using SprachDateien = TexteFall;
using SichereMeldung = TexteFall;

TEST_F(SprachDateien, AusgelieferteDateienDeutschUndEnglischUeberDeutsch)
{
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    EXPECT_EQ(sprache, spracheDeutsch);
    for (const TextTabelle* t : {&meldungsTexte, &dialogTexte})
        for (const TextEintrag& e : t->eingebaut())
            EXPECT_EQ((*t)[e.nummer], e.deutsch) << e.schluessel;
    // no text, out of range
    EXPECT_EQ(meldungsTexte[776] + meldungsTexte[-1] + meldungsTexte[meldungsTexte.groesse()], "");

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(sprache, spracheEnglisch);
    EXPECT_EQ(dialogTexte[0], "Cancel");
    EXPECT_EQ(meldungsTexte[769], "\tRun in progress");
    EXPECT_EQ(meldungFormatieren(73, "netz.gui"), "The file\nnetz.gui\ncannot be opened for reading.");
    // the boxes' buttons speak the language of the texts
    EXPECT_EQ(plattform::eigenerText(plattform::EigenerText::Ja), "Yes");

    // a message in both languages, whichever the session speaks: what a default was
    const std::vector<std::string> netzFilter{"Simulationsdateien (*.GUI)|*.GUI|alle Dateien (*.*)|*.*",
                                              "Simulationsdateien (*.GUI)|*.GUI|alle Dateien (*.*)|*.*",
                                              "Simulation files (*.GUI)|*.GUI|All files (*.*)|*.*"};
    EXPECT_EQ(meldungInBeidenSprachen(1660), netzFilter);
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");   // back to German: the English texts do not linger
    EXPECT_EQ(meldungInBeidenSprachen(1660), netzFilter);
    EXPECT_EQ(dialogTexte[0], "Abbrechen");
    EXPECT_EQ(plattform::eigenerText(plattform::EigenerText::Ja), "Ja");
}

TEST_F(SprachDateien, FehlendeMeldungsdateiBeendetDenStartMitIhremPfad)
{
    parameterOrdner.pfad = quellbaum() + "gibt-es-nicht/";
    const std::string fehler = sprachTexteLaden(spracheDeutsch);
    EXPECT_NE(fehler.find(parameterOrdner.pfad + "meldung texte de.txt"), std::string::npos);
    EXPECT_EQ(meldungsTexte[2], meldungsTexte.eingebauterText(2));   // built-in texts meanwhile

    parameterOrdner.pfad = ordnerMit({});
    EXPECT_NE(sprachTexteLaden(spracheEnglisch).find("meldung texte en.txt"), std::string::npos);
}

TEST_F(SprachDateien, EscapesKommentareKaputteZeilenDoppelteSchluesselUtf8UndFehlendes)
{
    // UTF-8 with the byte order mark an editor may put before the first key
    parameterOrdner.pfad = ordnerMit({{"meldung texte en.txt",
                                       "\xEF\xBB\xBFSIMULATION_LAEUFT=\\tl\xC3\xA4uft\\nzwei \\\\ drei \\q\n"
                                       "SIMULATION_LAEUFT=zweite Zeile zaehlt nicht\r\n"
                                       "// SIMULATION_BEENDET=nur ein Kommentar\r\n"
                                       "kaputte Zeile ohne Gleichheitszeichen\r\n"
                                       "=ohne Schluessel\r\n"
                                       "SIMULATION_ABBRECHEN=\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(meldungsTexte[769], "\tl\xE4uft\nzwei \\ drei \\q");
    EXPECT_EQ(meldungsTexte[771], meldungsTexte.eingebauterText(771));   // a key the file lacks
    EXPECT_EQ(meldungsTexte[770], "");    // an empty text is a text
    EXPECT_EQ(dialogTexte[0], "Abbrechen");   // no dialog file, no tooltip file at all
    EXPECT_EQ(tooltipText("IDOK="), nullptr);
}

TEST_F(SichereMeldung, FalscheZeileDerSpracheFaelltAufDenEingebautenUndDannDenRohenTextZurueck)
{
    parameterOrdner.pfad = ordnerMit({{"meldung texte en.txt",
                                       "FEHLER_DATEI_OEFFNEN_ZUM_LESEN=%d cannot be read\r\n"
                                       "FEHLER_ZU_LANGE_ZEILE=%s%s%s%s%n\r\n"},
                                      {"dialog texte en.txt",
                                       "IDC_SI_NEURONLISTE_TXT=neurons (%s chosen)\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(meldungFormatieren(73, "x"), "Die Datei\nx\nkann nicht zum Lesen ge\xF6" "ffnet werden.");
    EXPECT_EQ(dialogTextFormatieren(294, 3), "Neuronenliste (3 ausgew\xE4hlt)");
    // a caller passing what fits neither never reaches printf
    EXPECT_EQ(meldungFormatieren(344, "x"), "%s%s%s%s%n");
}
