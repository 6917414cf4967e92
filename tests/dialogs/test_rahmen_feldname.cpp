// tests/dialogs/test_rahmen_feldname.cpp - a number field named in its notice by the label the
// dialog shows beside it, and the record a frame's opening takes
#include "dialogs/rahmen.h"
#include "ersatz_hauptfenster.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"

using namespace plattform;
using Rahmen = ersatz::Fall;

namespace {

intptr_t stillDlgProc(Fenster, uint32_t n, uintptr_t, intptr_t) { return n == nachricht::DialogInit ? 1 : 0; }

Fenster offen(const DialogVorlage& v) { return dialogModeless(v, fensterhandles.hauptfenster, stillDlgProc); }

} // namespace

TEST_F(Rahmen, FeldBeschriftungIstDasEtikettLinksInDerZeile)
{
    Fenster rauschen = offen(vorlageRauschen);
    Fenster achse = offen(vorlageYAchse2);
    Fenster begrenzung = offen(vorlagePotentialbegrenzung);
    ASSERT_TRUE(rauschen && achse && begrenzung);
    const struct { Fenster dlg; int id; std::string name; } faelle[] = {
        {rauschen, 1271, "Intensit\xE4t (A)"},             // the access-key mark is not shown
        {rauschen, 1279, "Intensit\xE4t (A)"},             // the nearest label to the left
        {achse, 1219, "Anzahl von Teilstrichen (Ticks)"},  // a radio button that names its field
        {begrenzung, 2192, "Bogendicke"},                  // a static without an id
        {begrenzung, 2176, "obere Grenze (Volt)"},         // the row label beside the column
        {begrenzung, 4711, ""},                            // no such field
    };
    for (const auto& f : faelle)
        EXPECT_EQ(feldBeschriftung(f.dlg, f.id), f.name) << f.id;
    elementTextSetzen(rauschen, 3004, "Strom && St\xE4rke");   // as the language files set it
    EXPECT_EQ(feldBeschriftung(rauschen, 1271), "Strom & St\xE4rke");
}

TEST_F(Rahmen, ZahlfeldOhneNamenNenntSeinEtikett)
{
    Fenster dlg = offen(vorlageRauschen);
    ASSERT_TRUE(dlg);
    double x = 7.0;
    int i = 7;
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
    elementTextSetzen(dlg, 1272, "nan");
    EXPECT_FALSE(dialogZahlFeldLesen(dlg, 1272, x));
    elementTextSetzen(dlg, 1272, "2");
    EXPECT_FALSE(dialogZahlFeldLesen(dlg, 1272, 3.0, 4.0, x));
    EXPECT_FALSE(dialogGanzzahlLesen(dlg, 1272, 0, 1, i));
    EXPECT_EQ(std::pair(x, i), std::pair(7.0, 7));
    EXPECT_EQ(test::dialogFokus(dlg), 1272);
    ASSERT_EQ(test::boxLog().size(), 3u);
    const std::string name = "H\xE4ufigkeit (dimensionslos)";
    EXPECT_EQ(test::boxLog()[0].text, meldungFormatieren(952, name));
    EXPECT_EQ(test::boxLog()[1].text, meldungFormatieren(958, name, "3", "4"));
    EXPECT_EQ(test::boxLog()[2].text, meldungFormatieren(822, name, 0, 1));
}

namespace {

// a dialog on the shared record frame, noting the record of each DialogInit and its openings
DialogRahmen satzRahmen;
int* satz = nullptr;
std::vector<int*> gesehen;
int oeffnungen = 0;

intptr_t satzDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    const DialogInitTeile teile{[](Fenster) { ++oeffnungen; }, nullptr, [](Fenster) { gesehen.push_back(satz); }};
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, satzRahmen, satz, teile, antwort))
        return antwort;
    if (n == nachricht::Befehl && loWort(w) == 2)
        dialogSchliessen(dlg, satzRahmen, 2, false);
    return 0;
}

intptr_t satzOeffnen(int* s) { return dialogModal(vorlageEingabe, nullptr, satzDlgProc, reinterpret_cast<intptr_t>(s)); }

} // namespace

// An opening that ended without the dialog's own close (the window destroyed) must not leave
// its record to the next opening.
TEST_F(Rahmen, OeffnungNachFremdemEndeNimmtKeinenAltenSatz)
{
    int a = 1, b = 2;
    test::dialogSkript(146, {[](Fenster d) { dialogBeenden(d, 2); }});
    EXPECT_EQ(satzOeffnen(&a), 2);
    EXPECT_EQ(satzOeffnen(nullptr), 2);   // no record: ends at once instead of editing a
    test::dialogSkript(146, {[](Fenster d) { senden(d, nachricht::DialogInit, 0, 0); }, test::schritt::klicken(2)});
    EXPECT_EQ(satzOeffnen(&b), 2);
    EXPECT_EQ(gesehen, (std::vector<int*>{&a, &b, &b}));   // the refill keeps b
    EXPECT_EQ(oeffnungen, 2);
}
