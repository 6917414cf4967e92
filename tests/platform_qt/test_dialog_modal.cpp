// tests/platform_qt/test_dialog_modal.cpp - modal loops, timers, moves and F2 routing
#include "dialoghilfe.h"
#include "resources/vorlagen.h"
#include <QLineEdit>

using namespace plattform;
using namespace protokoll;
using DialogModal = DialogTest;

namespace {

bool hatF2(Fenster f)
{
    for (const Eintrag& e : von(f, nachricht::TasteRunter))
        if (e.w == static_cast<uintptr_t>(taste::F2))
            return true;
    return false;
}

size_t f2Befehle(Fenster dlg)
{
    size_t n = 0;
    for (const Eintrag& e : von(dlg, nachricht::Befehl))
        n += e.w == machWParam(befehlOkF2, 0);
    return n;
}

} // namespace

TEST_F(DialogModal, VerschachtelteDialogeKehrenErstNachIhremHandlerZurueck)
{
    Fenster haupt = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    intptr_t innen = 0;
    bool lebtNachDemBeenden = false;
    reaktion = [&](Fenster dlg, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        const int v = vorlagenNummer(dlg);
        if (n == nachricht::DialogInit)
            posten(dlg, v == 9001 ? nachricht::Benutzer : nachricht::Befehl, machWParam(2, 0));
        else if (n == nachricht::Befehl && v == 174)
            dialogBeenden(dlg, 7);
        else if (n == nachricht::Benutzer && v == 9001) {
            innen = dialogModal(vorlageAnzeigebox, dlg, proc);   // a handler opens another
            dialogBeenden(dlg, 3);
            lebtNachDemBeenden = istFenster(dlg);
        }
        return std::nullopt;
    };
    EXPECT_EQ(dialogModal(alleArtenVorlage, haupt, proc), 3);
    EXPECT_EQ(innen, 7);
    EXPECT_TRUE(lebtNachDemBeenden);
    // the inner one died first, the outer one after its handler
    std::vector<Fenster> geoeffnet, zerstoert;
    for (const Eintrag& e : eingang) {
        if (e.n == nachricht::DialogInit)
            geoeffnet.push_back(e.f);
        if (e.n == nachricht::Zerstoeren)
            zerstoert.push_back(e.f);
    }
    ASSERT_EQ(geoeffnet.size(), 2u);
    EXPECT_EQ(zerstoert, (std::vector<Fenster>{geoeffnet[1], geoeffnet[0]}));
    EXPECT_EQ(eingang.back().n, nachricht::Zerstoeren);
    EXPECT_TRUE(istFenster(haupt));
}

TEST_F(DialogModal, ZeitgeberDesEignersSchliesstDieInfoBox)
{
    Fenster besitzer = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    Fenster box = nullptr;
    reaktion = [&](Fenster f, uint32_t n, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::DialogInit) {
            box = f;
            zeitgeberSetzen(besitzer, 9, 1);
        } else if (n == nachricht::Zeitgeber && f == besitzer && w == 9) {
            zeitgeberLoeschen(besitzer, 9);
            dialogBeenden(box, 1);
        }
        return std::nullopt;
    };
    EXPECT_EQ(dialogModal(vorlageAnzeigebox, besitzer, proc), 1);
    EXPECT_FALSE(istFenster(box));
    EXPECT_EQ(dialogModal(vorlageAnzeigebox, reinterpret_cast<Fenster>(&box), proc), -1);   // no window
}

TEST_F(DialogModal, BewegenErstNachDerErstenPlatzierung)
{
    Fenster dlg = modeless();
    QWidget* w = qt::fensterWidget(dlg);
    w->move(30, 40);                                      // the system placing it
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(dlg, nachricht::Bewegen).empty());

    const Rechteck r = fensterRechteck(dlg);
    verschieben(dlg, 50, 60, r.breite(), r.hoehe());
    EXPECT_EQ(fensterRechteck(dlg).links, 50);
    auto ursprung = [&] {
        const Punkt p = clientZuBildschirm(dlg, {0, 0});
        return machLParam(p.x, p.y);
    };
    ASSERT_EQ(von(dlg, nachricht::Bewegen).size(), 1u);
    EXPECT_EQ(von(dlg, nachricht::Bewegen)[0].l, ursprung());
    w->move(70, 80);
    EXPECT_TRUE(pumpenBis([&] { return fensterRechteck(dlg).links == 70; }));
    EXPECT_EQ(von(dlg, nachricht::Bewegen).back().l, ursprung());
    EXPECT_TRUE(von(dlg, nachricht::Groesse).empty());     // a dialog hears nothing of sizes
}

TEST_F(DialogModal, F2ErreichtDenAngemeldetenDialogSonstNiemandenImDialog)
{
    const DialogElement mitF2[] = {
        {30, A::Eingabe, "", "", 0, 0, 0, 0},
        {befehlOkF2, A::Knopf, "OK (F2)", "", es::Gesperrt, 0, 1, 0},
    };
    const DialogVorlage f2Vorlage{9003, "", "", mitF2};
    Fenster haupt = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    QWidget* hauptKlient = qt::clientWidget(haupt);
    Fenster a = modeless(f2Vorlage, haupt), b = modeless(alleArtenVorlage, haupt);
    QWidget* feld = steuer(a, 30);

    tasteDruecken(feld, Qt::Key_F2);                      // no registration: nothing
    EXPECT_FALSE(hatF2(haupt));
    tasteDruecken(hauptKlient, Qt::Key_F2);
    EXPECT_TRUE(hatF2(haupt));

    eingang.clear();
    tastaturHookSetzen(a);
    EXPECT_EQ(tastaturHookDialog(), a);
    tasteDruecken(hauptKlient, Qt::Key_F2);               // anywhere, button disabled or not
    tasteDruecken(steuer(b, 30), Qt::Key_F2);
    EXPECT_EQ(f2Befehle(a), 0u);                          // posted
    nachrichtenVerarbeiten();
    EXPECT_EQ(f2Befehle(a), 2u);
    EXPECT_FALSE(hatF2(haupt));

    tastaturHookSetzen(b);                                // replaces a
    tasteDruecken(feld, Qt::Key_F2);
    nachrichtenVerarbeiten();
    EXPECT_EQ(f2Befehle(a), 2u);
    EXPECT_EQ(f2Befehle(b), 1u);
    fensterZerstoeren(b);                                 // the registration dies with it
    EXPECT_EQ(tastaturHookDialog(), nullptr);
    tasteDruecken(hauptKlient, Qt::Key_F2);
    EXPECT_TRUE(hatF2(haupt));

    // a modal dialog open and none registered: F2 reaches no window
    eingang.clear();
    reaktion = [&](Fenster dlg, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::DialogInit)
            posten(dlg, nachricht::Benutzer);
        else if (n == nachricht::Benutzer) {
            tasteDruecken(hauptKlient, Qt::Key_F2);
            dialogBeenden(dlg, 1);
        }
        return std::nullopt;
    };
    EXPECT_EQ(dialogModal(vorlageAnzeigebox, haupt, proc), 1);
    EXPECT_FALSE(hatF2(haupt));
}
