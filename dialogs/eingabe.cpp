// dialogs/eingabe.cpp - the generic message, question and input dialog
#include "dialogs/eingabe.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"

using namespace plattform;

EingabeParameter eingabeParameter;

namespace {

enum : int { idText1 = 1252, idEingabe = 1251, idBeschriftung = 1253, idText2 = 1254, idKasten = 1802 };

DialogRahmen rahmen;

void oeffnen(Fenster) { editierStatus &= ~0x4u; }

void fuellen(Fenster dlg)
{
    const EingabeParameter& e = eingabeParameter;
    titelSetzen(dlg, e.titel);
    elementTextSetzen(dlg, idText1, e.text1);
    elementTextSetzen(dlg, idText2, e.text2);
    elementTextSetzen(dlg, idEingabe, e.eingabeText);
    elementTextSetzen(dlg, idBeschriftung, e.eingabeBeschriftung);
    dialogElementFokussieren(dlg, idEingabe, 1);
    if (e.flags & eingabeFlag::KeineEingabe) {
        elementZeigen(dlg, idEingabe, 0);
        elementZeigen(dlg, idBeschriftung, 0);
    }
    if (e.flags & eingabeFlag::Kontrollkasten) {
        dialogElementAktivieren(dlg, idKasten, 1);
        hakenSetzen(dlg, idKasten, e.kastenZustand != 0 ? 1 : 0);
        elementTextSetzen(dlg, idKasten, e.kastenText);
    } else {
        elementZeigen(dlg, idKasten, 0);
    }
}

void schliessenAufraeumen()
{
    eingabeParameter.flags = 0;
    eingabeParameter.text1.clear();
    eingabeParameter.text2.clear();
}

} // namespace

intptr_t eingabeDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    EingabeParameter& e = eingabeParameter;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;

    case nachricht::DialogInit:
        dialogInitialisieren(dlg, rahmen, {oeffnen, eingabeTexteSetzen, fuellen});
        return 1;

    case nachricht::Befehl:
        if (loWort(w) == 1) {
            if ((e.flags & eingabeFlag::Ganzzahl) && !(e.flags & eingabeFlag::KeineEingabe) &&
                !dialogGanzzahlLesen(dlg, idEingabe, e.ganzzahlVon, e.ganzzahlBis, e.eingabeBeschriftung, e.ganzzahl))
                return 1;
            if (!(e.flags & eingabeFlag::KeineEingabe))
                e.eingabeText = elementText(dlg, idEingabe, 511);
            dialogBeenden(dlg, 1);
            rahmen.frisch = 1;
            if (e.flags & eingabeFlag::Kontrollkasten)
                e.kastenZustand = haken(dlg, idKasten) == 1 ? 1 : 0;
            schliessenAufraeumen();
            return 1;
        }
        if (loWort(w) == 2) {
            dialogBeenden(dlg, 2);
            schliessenAufraeumen();
            rahmen.frisch = 1;
        }
        return 0;
    }
    return 0;
}

intptr_t eingabeDialogOeffnen()
{
    return dialogModal(vorlageEingabe, fensterhandles.hauptfenster, eingabeDlgProc);
}
