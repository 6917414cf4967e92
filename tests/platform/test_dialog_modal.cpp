// tests/platform/test_dialog_modal.cpp - modal dialogs played by scripts, their ending,
// nesting, timers inside the modal loop, keys and the F2 filter
#include "platform/system.h"
#include "test_dialog_hilfe.h"

using namespace plattform;
using namespace dlgprobe;
namespace n = plattform::nachricht;
namespace sch = plattform::test::schritt;

using DialogModal = DialogFall;
using DialogTasten = DialogFall;

TEST_F(DialogModal, SkriptSpieltSchritteEignerGesperrtCodeNachDemBeendenLaeuft)
{
    Fenster haupt = neu();
    Fenster gesehen = nullptr;
    std::vector<std::string> folge;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> intptr_t {
        gesehen = d;
        if (m == n::Befehl && loWort(w) == 1) {
            dialogBeenden(d, 7);
            dialogBeenden(d, 8);      // the last call counts
            posten(d, n::Benutzer);   // dies with the dialog
            folge.push_back(istFenster(d) ? "danach offen" : "danach zu");
        }
        if (m == n::Zerstoeren || m == n::Benutzer)
            folge.push_back(m == n::Benutzer ? "benutzer" : "zerstoert");
        return 1;
    };
    test::dialogSkript(900, {sch::tippen(11, "5"), sch::klicken(17),
                             [&](Fenster d) {
                                 EXPECT_FALSE(istFreigegeben(haupt));
                                 EXPECT_EQ(elementText(d, 11) + std::to_string(haken(d, 17)), "51");
                             },
                             sch::taste(taste::Eingabe)});
    EXPECT_EQ(dialogModal(probeVorlage, haupt, probeDlgProc, 42), 8);
    EXPECT_TRUE(istFreigegeben(haupt) && !istFenster(gesehen) && vordergrundFenster() == haupt);
    EXPECT_EQ(befehle(gesehen), "11/1 17/0 1/0");
    EXPECT_EQ(folge, (std::vector<std::string>{"danach offen", "zerstoert"}));
    EXPECT_EQ(test::nachrichtenVon(gesehen).front().l, 42);
    const test::DialogOeffnung& o = test::dialogLog().back();
    EXPECT_TRUE(o.vorlage == 900 && o.eigner == haupt && o.parameter == 42 && o.modal && o.geskriptet &&
                o.beendet && o.ergebnis == 8 && o.dialog == gesehen);
}

TEST_F(DialogModal, VerschachtelteDialogeNehmenJeIhrSkript)
{
    Fenster haupt = neu();
    std::vector<intptr_t> innen;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> intptr_t {
        if (m == n::Befehl && vorlagenNummer(d) == 900) {
            innen.push_back(dialogModal(kleinVorlage, d, probeDlgProc));
            innen.push_back(dialogModal(kleinVorlage, d, probeDlgProc));
            dialogBeenden(d, 100);
        } else if (m == n::Befehl && loWort(w) <= 2) {
            dialogBeenden(d, loWort(w));
        }
        return 0;
    };
    test::dialogSkript(900, {sch::klicken(1)});
    test::dialogSkript(901, {[&](Fenster d) {
                                 EXPECT_FALSE(istFreigegeben(elternFenster(d)));
                                 EXPECT_FALSE(istFreigegeben(haupt));
                             },
                             sch::klicken(1)});
    test::dialogSkript(901, {sch::schliessenKlicken()});
    EXPECT_EQ(dialogModal(probeVorlage, haupt, probeDlgProc), 100);
    EXPECT_EQ(innen, (std::vector<intptr_t>{1, 2}));
    EXPECT_TRUE(istFreigegeben(haupt));
    EXPECT_EQ(test::dialogLog()[1].eigner, test::dialogLog()[0].dialog);
    EXPECT_EQ(test::offeneDialogSkripte(), 0u);
}

TEST_F(DialogModal, ZeitgeberDesEignersSchliesstDenDialogAufDerVirtuellenUhr)
{
    Fenster haupt = neu();
    probe::reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Zeitgeber) {
            zeitgeberLoeschen(f, w);
            dialogBeenden(test::offenerDialog(901), 3);
        }
        return standardFensterProc(f, m, w, l);
    };
    zeitgeberSetzen(haupt, 5, 2000);
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, probeDlgProc), 3);   // no script: waits for the timer
    EXPECT_DOUBLE_EQ(uhrSekunden(), 2.0);
}

TEST_F(DialogModal, OhneSkriptUndZeitgeberScheitertOhneZuBlockieren)
{
    fehlerSammeln();
    Fenster haupt = neu();
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, probeDlgProc), 2);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("dialog 901 waits for the user"), std::string::npos);
    EXPECT_TRUE(istFreigegeben(haupt) && !test::offenerDialog(901));

    test::dialogSkript(901, {sch::klicken(1), sch::klicken(2)});   // one step too many
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, probeDlgProc), 1);
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[1].find("1 script step(s) left"), std::string::npos);
}

TEST_F(DialogTasten, EingabeStandardIdEscUndSchliessfeldSchliessenNichts)
{
    reaktion = [](Fenster, uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
    Fenster d = offen(nullptr, kleinVorlage);   // no default button: Enter means 1
    test::dialogTaste(d, taste::Eingabe);
    test::dialogTaste(d, taste::Esc);
    test::schliessenKlicken(d);
    test::tasteDruecken(d, taste::Esc);   // keys through the queue act alike
    nachrichtenVerarbeiten();
    EXPECT_EQ(befehle(d), "1/0 2/0 2/0 2/0");
    EXPECT_TRUE(istFenster(d));

    Fenster p = offen();   // its StandardKnopf
    test::dialogTaste(p, taste::Eingabe);
    elementFreigeben(p, 1, false);
    test::dialogTaste(p, taste::Eingabe);   // a disabled default button: nothing
    Fenster q = offen(nullptr, {902, "", "", probeElemente, 22});   // the template's id comes first
    test::dialogTaste(q, taste::Eingabe);
    EXPECT_EQ(befehle(p) + " | " + befehle(q), "1/0 | 22/0");
}

TEST_F(DialogTasten, F2ErreichtDenAngemeldetenDialogAuchGesperrtOderOhneKnopf)
{
    const DialogElement mitF2[] = {{befehlOkF2, A::Knopf, "OK", "", s::Gesperrt, 0, 0, 0, 1}};
    Fenster haupt = neu();
    test::logLeeren();
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> intptr_t {
        if (m == n::DialogInit)
            tastaturHookSetzen(d);
        if (m == n::Befehl && loWort(w) == befehlOkF2)
            dialogBeenden(d, befehlOkF2);
        return 1;
    };
    // the owner is disabled, but the filter sees the key first
    test::dialogSkript(903, {[&](Fenster) { test::tasteDruecken(haupt, taste::F2); }});
    EXPECT_EQ(dialogModal({903, "", "", mitF2}, haupt, probeDlgProc), befehlOkF2);
    EXPECT_EQ(tastaturHookDialog(), nullptr);   // ended with its dialog

    test::dialogSkript(900, {sch::taste(taste::F2)});   // no such control at all
    EXPECT_EQ(dialogModal(probeVorlage, haupt, probeDlgProc), befehlOkF2);
    for (const auto& e : test::nachrichtenVon(test::dialogLog().back().dialog))
        EXPECT_TRUE(e.nachricht != n::Befehl || e.gepostet);   // F2 comes through the queue
    EXPECT_EQ(probe::nachrichten(haupt, {n::Aktivieren, n::Freigeben, n::Zeichnen}), std::vector<uint32_t>{});
}

TEST_F(DialogTasten, OhneAnmeldungNichtsImDialogHauptfensterBekommtF2)
{
    Fenster haupt = neu();
    reaktion = [](Fenster, uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
    Fenster a = offen(haupt), b = offen(haupt);
    test::logLeeren();
    test::dialogTaste(a, taste::F2);
    test::tasteDruecken(a, taste::F2);
    test::tasteDruecken(haupt, taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_EQ(probe::nachrichten(), (std::vector<uint32_t>{n::TasteRunter, n::TasteHoch}));
    EXPECT_EQ(test::nachrichtenLog()[0].fenster, haupt);

    tastaturHookSetzen(a);
    tastaturHookSetzen(b);   // replaces a
    test::logLeeren();
    test::tasteDruecken(haupt, taste::F2);
    test::dialogTaste(a, taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_EQ(befehle(b), "2300/0 2300/0");
    EXPECT_EQ(test::nachrichtenLog().size(), 2u);
    dialogBeenden(b, 0);
    EXPECT_EQ(tastaturHookDialog(), nullptr);

    // while a modal dialog is open its owner gets no keys at all
    fehlerSammeln();
    test::dialogSkript(901, {[&](Fenster) { test::tasteDruecken(haupt, taste::F2); }, sch::klicken(2)});
    reaktion = nullptr;
    test::logLeeren();
    dialogModal(kleinVorlage, haupt, probeDlgProc);
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_EQ(probe::nachrichten(haupt, {n::Aktivieren, n::Freigeben, n::Zeichnen}), std::vector<uint32_t>{});
}
