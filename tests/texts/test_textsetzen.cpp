// tests/texts/test_textsetzen.cpp - the appliers on open dialogs, the tooltips, the "||" fields
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

const DialogElement schluesselElemente[] = {
    {10, ElementArt::Knopf, "deutsch", "IDC_SYN_SYNAPSE_LOESCHEN=", 0, 0, 0, 0, 1},
    {11, ElementArt::Text, "bleibt", "GIBT_ES_NICHT=", 0, 0, 0, 1, 1},
    {12, ElementArt::Text, "ohne", "", 0, 0, 0, 2, 1},
    {1, ElementArt::StandardKnopf, "Ok", "IDOK=", 0, 0, 1, 0, 1},
};
const DialogVorlage schluesselVorlage{990, "Titel", "IDD_SYNAPSE_NEU3=", schluesselElemente};

using TextSetzen = TexteFall;

} // namespace

TEST_F(TextSetzen, EingabeDialogUndVorlagenschluesselInBeidenSprachen)
{
    Fenster e = dialogModeless(vorlageEingabe, nullptr, stillDlgProc);
    Fenster d = dialogModeless(schluesselVorlage, nullptr, stillDlgProc);
    ASSERT_TRUE(e && d);
    const struct { int sprache; const char* eingabe; const char* vorlage; } faelle[] = {
        {spracheDeutsch, "Eingabe|Abbrechen|Eingabe:", "Synapse l\xF6schen|Synapse l\xF6schen|bleibt"},
        {spracheEnglisch, "Input|Cancel|Input:", "Delete synapse|Delete synapse|bleibt"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.sprache);
        ASSERT_EQ(sprachTexteLaden(f.sprache), "");
        eingabeTexteSetzen(e);
        vorlagenTexteSetzen(d, schluesselVorlage);
        EXPECT_EQ(titel(e) + "|" + elementText(e, 2) + "|" + elementText(e, 1253), f.eingabe);
        // the first of the "||" fields; an unknown key leaves the template's text
        EXPECT_EQ(titel(d) + "|" + elementText(d, 10) + "|" + elementText(d, 11), f.vorlage);
    }
    EXPECT_EQ(elementText(e, 1802), "do not show this message again");
    EXPECT_EQ(elementText(e, 1), "OK");    // not one of its controls: the template's
}

TEST_F(TextSetzen, TooltipsMitAnzahlzeileEnglischUeberDeutschNachDenSchluesselnDerVorlage)
{
    parameterOrdner.pfad = ordnerMit(
        {{"tooltip texte de.txt",
          "TT_PARAMS_ANZAHL=2\r\nIDOK=\xDC" "bernimmt\\ndie Werte\r\nIDCANCEL=verwirft\r\n"},
         {"meldung texte en.txt", ""},
         {"tooltip texte en.txt", "IDOK=applies\r\n"}});
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    EXPECT_EQ(tooltipText("TT_PARAMS_ANZAHL="), nullptr);
    Fenster d = dialogModeless(schluesselVorlage, nullptr, stillDlgProc);
    vorlagenTooltipsSetzen(d, schluesselVorlage);
    EXPECT_EQ(test::tooltip(d, 1), "\xDC" "bernimmt\ndie Werte");
    EXPECT_EQ(test::tooltip(d, 10), "");
    EXPECT_EQ(test::tooltipAnzahl(), 1u);

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(*tooltipText("IDOK="), "applies");
    EXPECT_EQ(*tooltipText("IDCANCEL="), "verwirft");
}

TEST_F(TextSetzen, FelderAbEinsGetrenntDurchZweiStriche)
{
    const struct { const char* text; int n; const char* feld; } faelle[] = {
        {"eins||zwei||drei", 1, "eins"}, {"eins||zwei||drei", 3, "drei"}, {"eins||zwei||drei", 4, ""},
        {"eins||zwei", 0, ""},           {"a||||c", 2, ""},               {"a||||c", 3, "c"},
        {"ein|strich", 1, "ein|strich"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(textFeldHolen(f.text, f.n), f.feld) << f.text << " " << f.n;

    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_EQ(textFeldHolen(*dialogText("IDC_SYN_SYNAPSE_LOESCHEN="), 2), "delete now");
}

TEST_F(TextSetzen, StromreizDialogeUndDieTippsDerStrominjektionAusDenAusgeliefertenDateien)
{
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    Fenster si = dialogModeless(vorlageStrominjektion, nullptr, stillDlgProc);
    Fenster sr = dialogModeless(vorlageStromreiz, nullptr, stillDlgProc);
    Fenster nb = dialogModeless(vorlageNeuronBlitz, nullptr, stillDlgProc);
    ASSERT_TRUE(si && sr && nb);
    strominjektionTexteSetzen(si);
    stromreizTexteSetzen(sr);
    neuronBlitzTexteSetzen(nb);
    tooltipsStrominjektionDialog(si);
    EXPECT_EQ(titel(si) + "|" + elementText(si, 3010) + "|" + elementText(si, 1307) + "|" + elementText(si, 2),
              "Create current injection|Ramp: rise, sine: end (s)|select|do nothing");
    EXPECT_EQ(titel(sr) + "|" + elementText(sr, 3104) + "|" + elementText(sr, 2), "Current stimulus|Dendrite current pulse start (s)|Cancel");
    EXPECT_EQ(titel(nb) + "|" + elementText(nb, 3202), "Stimulus label|Flash thickness");
    // the fields of a row carry the tip of its label
    ASSERT_NE(tooltipText("IDC_SI_ZEILE2_TXT="), nullptr);
    for (int id : {3010, 1282, 1324})
        EXPECT_EQ(test::tooltip(si, id), *tooltipText("IDC_SI_ZEILE2_TXT=")) << id;
    EXPECT_EQ(test::tooltip(si, 1304), *tooltipText("IDC_SI_SCHRITTWEITE_TXT="));
}
