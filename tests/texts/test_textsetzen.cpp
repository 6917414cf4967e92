// tests/texts/test_textsetzen.cpp - the appliers on open dialogs, the "||" fields
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include "texte_hilfe.h"

using namespace texthilfe;
using namespace plattform;

namespace {

intptr_t stillDlgProc(Fenster, uint32_t n, uintptr_t, intptr_t)
{
    return n == nachricht::DialogInit ? 1 : 0;
}

Fenster oeffnen(const DialogVorlage& v)
{
    Fenster d = dialogModeless(v, nullptr, stillDlgProc);
    EXPECT_NE(d, nullptr);
    return d;
}

const DialogElement schluesselElemente[] = {
    {10, ElementArt::Knopf, "deutsch", "IDC_SYN_SYNAPSE_LOESCHEN=", 0, 0, 0, 0, 1},
    {11, ElementArt::Text, "bleibt", "GIBT_ES_NICHT=", 0, 0, 0, 1, 1},
    {12, ElementArt::Text, "ohne", "", 0, 0, 0, 2, 1},
    {1, ElementArt::StandardKnopf, "Ok", "IDOK=", 0, 0, 1, 0, 1},
};
const DialogVorlage schluesselVorlage{990, "Titel", "IDD_SYNAPSE_NEU3=", schluesselElemente};

using TextSetzen = TexteFall;
using TextFeld = TexteFall;

} // namespace

TEST_F(TextSetzen, EingabeDialogInBeidenSprachen)
{
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    Fenster d = oeffnen(vorlageEingabe);
    eingabeTexteSetzen(d);
    EXPECT_EQ(titel(d) + "|" + elementText(d, 2) + "|" + elementText(d, 1253), "Eingabe|Abbrechen|Eingabe:");

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    eingabeTexteSetzen(d);
    EXPECT_EQ(titel(d) + "|" + elementText(d, 2) + "|" + elementText(d, 1253), "Input|Cancel|Input:");
    EXPECT_EQ(elementText(d, 1802), "do not show this message again");
    EXPECT_EQ(elementText(d, 1), "OK");    // not one of its controls: the template's
}

TEST_F(TextSetzen, VorlagenschluesselBestimmenDenAllgemeinenAnwender)
{
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    Fenster d = oeffnen(schluesselVorlage);
    vorlagenTexteSetzen(d, schluesselVorlage);
    EXPECT_EQ(titel(d), "Synapse l\xF6schen");
    EXPECT_EQ(elementText(d, 10), "Synapse l\xF6schen");   // the first of its "||" fields
    EXPECT_EQ(elementText(d, 11), "bleibt");               // unknown key: the template's text

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    vorlagenTexteSetzen(d, schluesselVorlage);
    EXPECT_EQ(titel(d), "Delete synapse");
    EXPECT_EQ(elementText(d, 10), "Delete synapse");
}

TEST_F(TextSetzen, TooltipsNachDenSchluesselnDerVorlage)
{
    const std::string ordner = neuerOrdner();
    schreiben(ordner + "meldung texte de.txt", lesen(ausgelieferteDateien() + "meldung texte de.txt"));
    schreiben(ordner + "tooltip texte de.txt", "TT_PARAMS_ANZAHL=1\r\nIDOK=\xFC" "bernimmt alles\\nund schliesst\r\n");
    parameterOrdner.pfad = ordner;
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    Fenster d = oeffnen(schluesselVorlage);
    vorlagenTooltipsSetzen(d, schluesselVorlage);
    EXPECT_EQ(test::tooltip(d, 1), "\xFC" "bernimmt alles\nund schliesst");
    EXPECT_EQ(test::tooltip(d, 10), "");
    EXPECT_EQ(test::tooltipAnzahl(), 1u);
}

TEST_F(TextFeld, FelderAbEinsGetrenntDurchZweiStriche)
{
    EXPECT_EQ(textFeldHolen("eins||zwei||drei", 1), "eins");
    EXPECT_EQ(textFeldHolen("eins||zwei||drei", 3), "drei");
    EXPECT_EQ(textFeldHolen("eins||zwei||drei", 4), "");
    EXPECT_EQ(textFeldHolen("eins||zwei", 0), "");
    EXPECT_EQ(textFeldHolen("a||||c", 2), "");
    EXPECT_EQ(textFeldHolen("a||||c", 3), "c");
    EXPECT_EQ(textFeldHolen("ein|strich", 1), "ein|strich");

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    const std::string* loeschen = dialogText("IDC_SYN_SYNAPSE_LOESCHEN=");
    ASSERT_NE(loeschen, nullptr);
    EXPECT_EQ(textFeldHolen(*loeschen, 2), "delete now");
}
