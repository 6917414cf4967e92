// dialogs/anzeigebox.cpp - the timed info box and the start-up splash
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace plattform;

namespace {

enum : int { idText = 1424, idVersion = 2228, idOhneHook = 2299 };

int vordergrund = 1;     // the first opening after a close comes to the front

} // namespace

intptr_t anzeigeboxDlgProc(Fenster dlg, uint32_t n, uintptr_t, intptr_t)
{
    switch (n) {
    case nachricht::DialogInit: {
        if (vorlagenNummer(dlg) == vorlageStartbild.nummer)
            vorlagenTexteSetzen(dlg, vorlageStartbild);
        anzeigeBoxTexteSetzen(dlg);
        if (vordergrund) {
            vordergrundSetzen(dlg);
            vordergrund = 0;
        }
        anzeigeboxParameter.fenster = dlg;
        char version[64];
        std::snprintf(version, sizeof version, "Version   %.02f",
                      static_cast<double>(anzeigeboxParameter.programmVersion));
        meldungsPuffer = version;
        elementTextSetzen(dlg, idVersion, meldungsPuffer);
        elementTextSetzen(dlg, idText, eingabeParameter.eingabeText);
        titelSetzen(dlg, eingabeParameter.titel);
        // F2 always reaches the dialogs here, so the note of a missing hook stays hidden
        elementZeigen(dlg, idOhneHook, 0);
        // always centred, keeping no position; measured with its texts, which size it
        const Rechteck f = fensterRechteck(dlg);
        const Rechteck a = arbeitsbereich();
        verschieben(dlg, static_cast<int>(std::lround(a.rechts / 2.0 - f.breite() / 2.0)),
                    static_cast<int>(std::lround(a.unten / 2.0 - f.hoehe() / 2.0)), f.breite(), f.hoehe());
        return 1;
    }
    case anzeigeboxSchliessen:
        if (anzeigeboxParameter.fenster) {
            dialogBeenden(dlg, 2);
            anzeigeboxParameter.fenster = nullptr;
            vordergrund = 1;
        }
        return 1;
    }
    return 0;
}

namespace {

void boxVorbereiten(const std::string& titel, const std::string& text)
{
    eingabeParameter.titel = titel.substr(0, 511);
    eingabeParameter.eingabeText = text.substr(0, 511);
}

} // namespace

void anzeigeboxOeffnen(const std::string& titel, const std::string& text)
{
    zeitgeberSetzen(fensterhandles.hauptfenster, zeitgeberAnzeigebox,
                    static_cast<unsigned>(std::max(anzeigeboxParameter.anzeigedauer, 0)));
    boxVorbereiten(titel, text);
    dialogModal(vorlageAnzeigebox, fensterhandles.hauptfenster, anzeigeboxDlgProc);
}

Fenster anzeigeboxOhneWartenOeffnen(const std::string& titel, const std::string& text)
{
    boxVorbereiten(titel, text);
    return dialogModeless(vorlageAnzeigebox, fensterhandles.hauptfenster, anzeigeboxDlgProc);
}

void startbildZeigen()
{
    zeitgeberSetzen(fensterhandles.hauptfenster, zeitgeberStartbild, 1000);
    dialogModal(vorlageStartbild, fensterhandles.hauptfenster, anzeigeboxDlgProc);
}
