// tests/texts/test_sprachdateien.cpp - loading the language files, the fallbacks and
// the formatter against lines a user broke
#include "texte_hilfe.h"

using namespace texthilfe;

namespace {

using SprachDateien = TexteFall;
using SichereMeldung = TexteFall;
using Sprache = TexteFall;

// a folder with the German message file as shipped and the given files beside it
std::string ordnerMit(std::initializer_list<std::pair<const char*, std::string>> dateien)
{
    const std::string ordner = neuerOrdner();
    schreiben(ordner + "meldung texte de.txt", lesen(ausgelieferteDateien() + "meldung texte de.txt"));
    for (const auto& [name, inhalt] : dateien)
        schreiben(ordner + name, inhalt);
    return ordner;
}

} // namespace

TEST_F(SprachDateien, DeutschAusDenAusgeliefertenDateienGleichtDenEingebautenTexten)
{
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    EXPECT_EQ(sprache, spracheDeutsch);
    for (const TextEintrag& e : meldungsTexte.eingebaut())
        EXPECT_EQ(meldungsTexte[e.nummer], e.deutsch) << e.schluessel;
    for (const TextEintrag& e : dialogTexte.eingebaut())
        EXPECT_EQ(dialogTexte[e.nummer], e.deutsch) << e.schluessel;
    EXPECT_EQ(meldungsTexte[769], "\tSimulation l\xE4uft");   // status texts begin with a tab
    EXPECT_NE(meldungsTexte[73].find('\n'), std::string::npos);
    EXPECT_EQ(meldungsTexte[776] + meldungsTexte[-1] + meldungsTexte[meldungsTexte.groesse()], "");   // no text, out of range
}

TEST_F(SprachDateien, EnglischWirdUeberDeutschGeladen)
{
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(sprache, spracheEnglisch);
    EXPECT_EQ(dialogTexte[0], "Cancel");
    EXPECT_EQ(meldungsTexte[769], "\tRun in progress");
    EXPECT_EQ(meldungFormatieren(73, "netz.gui"), "The file\nnetz.gui\ncannot be opened for reading.");

    // back to German: the English texts do not linger
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    EXPECT_EQ(dialogTexte[0], "Abbrechen");
}

TEST_F(SprachDateien, FehlenderSchluesselUndFehlendeDialogdateiBehaltenDasDeutsche)
{
    parameterOrdner.pfad = ordnerMit({{"meldung texte en.txt", "FEHLER_DATEI_OEFFNEN_ZUM_LESEN=cannot read %s\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(meldungFormatieren(73, "a"), "cannot read a");
    EXPECT_EQ(meldungsTexte[74], meldungsTexte.eingebauterText(74));
    EXPECT_EQ(dialogTexte[0], "Abbrechen");   // no dialog file at all
    EXPECT_EQ(tooltipText("IDOK="), nullptr);
}

TEST_F(SprachDateien, FehlendeMeldungsdateiBeendetDenStartMitIhremPfad)
{
    parameterOrdner.pfad = neuerOrdner();
    const std::string fehler = sprachTexteLaden(spracheDeutsch);
    EXPECT_NE(fehler.find(parameterOrdner.pfad + "meldung texte de.txt"), std::string::npos);
    EXPECT_NE(fehler.find("Meldungstexten"), std::string::npos);
    EXPECT_EQ(meldungsTexte[2], meldungsTexte.eingebauterText(2));   // built-in texts meanwhile

    parameterOrdner.pfad = ordnerMit({});
    EXPECT_NE(sprachTexteLaden(spracheEnglisch).find("meldung texte en.txt"), std::string::npos);
}

TEST_F(SprachDateien, TabulatorZeilenumbruchBackslashKommentarUndDoppelteSchluessel)
{
    parameterOrdner.pfad = ordnerMit({{"meldung texte en.txt",
                                       "// SIMULATION_BEENDET=nur ein Kommentar\r\n"
                                       "SIMULATION_LAEUFT=\\tlaeuft\\nzwei \\\\ drei \\q\r\n"
                                       "SIMULATION_LAEUFT=zweite Zeile zaehlt nicht\r\n"
                                       "kaputte Zeile ohne Gleichheitszeichen\r\n"
                                       "=ohne Schluessel\r\n"
                                       "SIMULATION_ABBRECHEN=\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(meldungsTexte[769], "\tlaeuft\nzwei \\ drei \\q");
    EXPECT_EQ(meldungsTexte[771], meldungsTexte.eingebauterText(771));
    EXPECT_EQ(meldungsTexte[770], "");    // an empty text is a text
}

TEST_F(SprachDateien, Utf8DateiWirdNachWindows1252Gewandelt)
{
    // with the byte order mark an editor may put first
    parameterOrdner.pfad = ordnerMit({{"meldung texte en.txt", "\xEF\xBB\xBFSIMULATION_LAEUFT=l\xC3\xA4uft\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(meldungsTexte[769], "l\xE4uft");
}

TEST_F(SprachDateien, TooltipsMitAnzahlzeileEnglischUeberDeutsch)
{
    parameterOrdner.pfad = ordnerMit({{"tooltip texte de.txt", "TT_PARAMS_ANZAHL=2\r\nIDOK=\xDC" "bernimmt\\ndie Werte\r\nIDCANCEL=verwirft\r\n"},
                                      {"meldung texte en.txt", ""},
                                      {"tooltip texte en.txt", "IDOK=applies\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    ASSERT_NE(tooltipText("IDOK="), nullptr);
    EXPECT_EQ(*tooltipText("IDOK="), "\xDC" "bernimmt\ndie Werte");
    EXPECT_EQ(tooltipText("TT_PARAMS_ANZAHL="), nullptr);

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(*tooltipText("IDOK="), "applies");
    EXPECT_EQ(*tooltipText("IDCANCEL="), "verwirft");
}

TEST_F(SichereMeldung, FalscheZeileDerSpracheFaelltAufDenEingebautenTextZurueck)
{
    parameterOrdner.pfad = ordnerMit({{"meldung texte en.txt",
                                       "FEHLER_DATEI_OEFFNEN_ZUM_LESEN=%d cannot be read\r\n"
                                       "FEHLER_ZU_LANGE_ZEILE=%s%s%s%s%n\r\n"
                                       "FATAL_SPEICHER_EXPORT=no memory (%d bytes), %s\r\n"},
                                      {"dialog texte en.txt", "IDC_SI_NEURONLISTE_TXT=neurons (%s chosen)\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(meldungFormatieren(73, "x.gui"), "Die Datei\nx.gui\nkann nicht zum Lesen ge\xF6" "ffnet werden.");
    EXPECT_EQ(meldungFormatieren(344, 7, "abc"), "Eine Zeile ist l\xE4nger als 7 Zeichen und wurde gek\xFCrzt:\nabc");
    EXPECT_EQ(meldungFormatieren(118, 1000000), "Kein Speicher f\xFCr den Exportpuffer (1000000 Bytes). Das Programm wird beendet.");
    EXPECT_EQ(dialogTextFormatieren(294, 3), "Neuronenliste (3 ausgew\xE4hlt)");
}

TEST_F(SichereMeldung, PasstAuchDerEingebauteNichtKommtDerRoheText)
{
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    // a caller passing the wrong kind never reaches printf
    EXPECT_EQ(meldungFormatieren(73, 42), meldungsTexte[73]);
    EXPECT_EQ(meldungFormatieren(776, "x"), "");
}

