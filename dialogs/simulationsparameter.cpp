// dialogs/simulationsparameter.cpp - the run settings dialog "Simulations-Parameter" (133)
#include "dialogs/simulationsparameter.h"
#include "core/status.h"
#include "dialogs/objektdialoge.h"
#include "dialogs/rahmen.h"
#include "core/schluessel.h"
#include "model/kollision.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "platform/system.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <bit>
#include <cstdio>
#include <tuple>

using namespace plattform;

SimulationsParameterTestHaken simulationsParameterHaken;
bool exportHinweisGewuenscht = true;

namespace {

enum : int {
    idDauer = 1213, idSchritt = 1217, idIntervall = 1218, idSchwelle = 1219,
    idDauerText = 1645, idSchrittText = 1646, idIntervallText = 1647, idSchwelleText = 1648,
    idRestzeit = 1559, idRueckkopplung = 1560, idKollision = 1561, idKernZuweisen = 1562,
    idRueckkopplungNeu = 1919, idKollisionNeu = 1920, idKern = 2321,
};

// what the dialog shows and OK writes back; the record stays untouched until then
struct Arbeitskopie {
    double dauer = 0.0, schritt = 0.0, schwelle = 0.0;
    int restzeit = 0, rueckkopplung = 0, kollision = 0;
};

DialogRahmen rahmen;
Arbeitskopie kopie;
bool exportHinweisFaellig = false;
// the dialog from its opening until it is gone: an ended one stays while its "OK - F2" run goes on
Fenster offenerDialog = nullptr;

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

// a number field through the shared reader, named by its label
bool zahlLesen(Fenster dlg, int id, int beschriftung, double& aus)
{
    return dialogZahlFeldLesen(dlg, id, elementText(dlg, beschriftung, 255), aus);
}

// A duration and step that no run can take are refused before anything is stored: one that
// is not positive in its own field (the step the Izhikevich question put in as well), a run
// too large in the field the user changed (the duration when both or neither changed).
bool laufumfangAnnehmen(Fenster dlg, double dauer, double schritt)
{
    const Simulationsparameter& sp = simulationsParameter;
    for (const auto& [wert, id, beschriftung] : {std::tuple(dauer, idDauer, idDauerText),
                                                std::tuple(schritt, idSchritt, idSchrittText)})
        if (!(wert > 0.0)) {
            hinweisBox(meldungFormatieren(953, elementText(dlg, beschriftung, 255)));
            dialogElementFokussieren(dlg, id, 1);
            return false;
        }
    const bool schrittGeaendert = schritt != sp.schrittweite && dauer == sp.simulationsDauer;
    const int id = schrittGeaendert ? idSchritt : idDauer;
    if (laufumfangPruefen(dauer, schritt, elementText(dlg, schrittGeaendert ? idSchrittText : idDauerText, 255)))
        return true;
    dialogElementFokussieren(dlg, id, 1);
    return false;
}

void objektZeile(Fenster dlg, int kasten, int knopf, int slot, int schalter, int anzahl)
{
    elementTextSetzen(dlg, kasten, dialogTexte[slot] + "  (" + std::to_string(anzahl) + ")");
    hakenSetzen(dlg, kasten, schalter != 0 ? 1 : 0);
    dialogElementAktivieren(dlg, kasten, anzahl > 0);
    elementZeigen(dlg, knopf, 1);
}

// "neu": a new object, edited in its own dialog at once
void objektNeu(Fenster dlg, int knopf)
{
    if (knopf == idRueckkopplungNeu) {
        Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
        if (!o)
            return dialogSchliessen(dlg, rahmen, 2, true);
        rueckkopplungDialogOeffnen(dlg, o);
        return;
    }
    Kollisionsobjekt* o = kollisionsObjektNeu();
    if (!o)
        return dialogSchliessen(dlg, rahmen, 2, true);
    kollisionsDialogOeffnen(dlg, o);
    senden(dlg, nachricht::DialogInit, 0, 0);   // count and enabled states anew
}

void kernAuswahlFuellen(Fenster dlg)
{
    const Simulationsparameter& sp = simulationsParameter;
    const bool mehrere = sp.anzahlProzessorkerne > 1;
    dialogElementAktivieren(dlg, idKernZuweisen, mehrere);
    hakenSetzen(dlg, idKernZuweisen, sp.prozessorkernZuweisen != 0 ? 1 : 0);
    listeLeeren(dlg, idKern);
    if (mehrere) {
        int auswahl = 0;
        for (int k = 1; k <= sp.anzahlProzessorkerne; ++k) {
            char text[16];
            std::snprintf(text, sizeof text, "% 2d", k);
            const int i = listeHinzufuegen(dlg, idKern, text);
            listeDatenSetzen(dlg, idKern, i, k);
            if (k == sp.prozessorkern)
                auswahl = i;
        }
        listeAuswahlSetzen(dlg, idKern, auswahl);
    }
    dialogElementAktivieren(dlg, idKern, sp.prozessorkernZuweisen != 0 && mehrere);
}

// the opening's own work: a fresh working copy, the cores offered
void oeffnen(Fenster dlg)
{
    Simulationsparameter& sp = simulationsParameter;
    offenerDialog = dlg;
    tastaturHookSetzen(dlg);
    kopie = {sp.simulationsDauer, sp.schrittweite, sp.spikeSchwelle,
             sp.restzeitFensterAnzeigen, sp.rueckkopplungAktiv, sp.kollisionAktiv};
    exportHinweisFaellig = false;
    const uint64_t maske = simulationsParameterHaken.kernMaske ? simulationsParameterHaken.kernMaske() : prozessKerne();
    sp.anzahlProzessorkerne = prozessorkerneZaehlen(maske);
}

void fuellen(Fenster dlg)
{
    const Simulationsparameter& sp = simulationsParameter;
    elementTextSetzen(dlg, idDauer, zahlText(kopie.dauer));
    elementTextSetzen(dlg, idSchritt, zahlText(kopie.schritt));
    elementTextSetzen(dlg, idIntervall, zahlText(sp.anzeigeIntervall));
    elementTextSetzen(dlg, idSchwelle, zahlText(kopie.schwelle));
    dialogElementFokussieren(dlg, idDauer, 1);
    objektZeile(dlg, idRueckkopplung, idRueckkopplungNeu, 136, kopie.rueckkopplung, rueckkopplungsObjektAnzahl());
    objektZeile(dlg, idKollision, idKollisionNeu, 137, kopie.kollision, kollisionsObjektAnzahl());
    kernAuswahlFuellen(dlg);
    hakenSetzen(dlg, idRestzeit, kopie.restzeit != 0 ? 1 : 0);
    dialogElementAktivieren(dlg, idRestzeit, 0);
}

// the core is chosen at once, outside OK and Cancel
void kernGewaehlt(Fenster dlg)
{
    const int i = listeAuswahl(dlg, idKern);
    const int kern = static_cast<int>(listeDaten(dlg, idKern, i));
    if (sysInfoBox(meldungFormatieren(1460, kern), knoepfe::JaNein) == antwort::Ja) {
        simulationsParameter.prozessorkern = kern;
        return;
    }
    simulationsParameter.prozessorkernZuweisen = 0;
    simulationsParameter.prozessorkern = 0;
    senden(dlg, nachricht::DialogInit, 0, 0);
}

intptr_t speichern(Fenster dlg, int id)
{
    Simulationsparameter& sp = simulationsParameter;

    // every number first: a field without one keeps the dialog open, nothing stored
    double schritt = 0.0, dauer = 0.0, intervall = 0.0, schwelle = 0.0;
    if (!zahlLesen(dlg, idSchritt, idSchrittText, schritt) || !zahlLesen(dlg, idDauer, idDauerText, dauer) ||
        !zahlLesen(dlg, idIntervall, idIntervallText, intervall) ||
        !zahlLesen(dlg, idSchwelle, idSchwelleText, schwelle))
        return 1;
    // a run needs a positive duration and step (the run check would otherwise open this
    // dialog again before an "OK - F2" run), and its length must fit the step counter and
    // the memory
    if (!laufumfangAnnehmen(dlg, dauer, schritt))
        return 1;
    // the step against the Izhikevich step (exact: both are typed numbers)
    double izhikevichNeu = sp.izhikevichSchrittweite;
    if (sp.izhikevichSchrittweite != 0.0 && sp.izhikevichSchrittweite / 1000.0 != schritt) {
        const double izh = sp.izhikevichSchrittweite / 1000.0;
        const int a = sysInfoBox(meldungFormatieren(332, schritt, izh, schritt, izh), knoepfe::JaNeinAbbrechen);
        if (a == antwort::Ja) {
            schritt = izh;
            if (!laufumfangAnnehmen(dlg, dauer, schritt))
                return 1;
        } else if (a == antwort::Nein) {
            // the typed step stays, and the Izhikevich step follows it: both agree, so
            // the question does not come back at every OK
            izhikevichNeu = schritt * 1000.0;
        } else {
            dialogSchliessen(dlg, rahmen, 0, true);
            return 1;
        }
    }
    sp.izhikevichSchrittweite = izhikevichNeu;
    // display interval, threshold
    sp.anzeigeIntervall = intervall;
    if (schwelle != sp.spikeSchwelle &&
        sysInfoBox(meldungFormatieren(334, sp.spikeSchwelle, schwelle), knoepfe::JaNein) == antwort::Ja)
        spikeSchwelleSetzen(schwelle);
    // the switches; the remaining-time flag is never changed here
    sp.rueckkopplungAktiv = haken(dlg, idRueckkopplung) == 1 ? 1 : 0;
    sp.kollisionAktiv = haken(dlg, idKollision) == 1 ? 1 : 0;
    sp.restzeitFensterAnzeigen = kopie.restzeit;
    // the run's length, and every neuron follows it
    laufzeitSetzen(dauer, schritt);
    if (neuronenAnLaufzeitAnpassen())
        exportHinweisFaellig = true;
    // the reminder of the ASCII export
    if (exportHinweisFaellig) {
        exportHinweisFaellig = false;
        if (exportHinweisGewuenscht && sysInfoBox(meldungsTexte[1461], knoepfe::JaNein) == antwort::Nein)
            exportHinweisGewuenscht = false;
    }
    // close, then the run for "OK - F2", then the main window afresh
    dialogSchliessen(dlg, rahmen, 1, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    if (fensterhandles.hauptfenster) {
        ungueltigMachen(fensterhandles.hauptfenster);
        neuZeichnen(fensterhandles.hauptfenster);
    }
    return 1;
}

} // namespace

int prozessorkerneZaehlen(uint64_t maske)
{
    if (maske <= 1)
        return 1;
    return std::popcount(maske);
}

intptr_t simulationsParameterDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;

    case nachricht::DialogInit:
        editierStatus &= ~editierBit::MarkierteZiehen;
        dialogInitialisieren(dlg, rahmen, {oeffnen, simulationTexteSetzen, fuellen});
        return 1;

    case nachricht::Befehl: {
        const int id = loWort(w);
        const int art = hiWort(w);
        switch (id) {
        case idRueckkopplung: kopie.rueckkopplung = haken(dlg, id) == 1 ? 1 : 0; return 0;
        case idKollision: kopie.kollision = haken(dlg, id) == 1 ? 1 : 0; return 0;
        case idRueckkopplungNeu:
        case idKollisionNeu: objektNeu(dlg, id); return 0;
        case idKernZuweisen:
            if (haken(dlg, id) == 1) {
                simulationsParameter.prozessorkernZuweisen = 1;
                dialogElementAktivieren(dlg, idKern, 1);
                dialogElementFokussieren(dlg, idKern, 0);
            } else {
                simulationsParameter.prozessorkernZuweisen = 0;
                dialogElementAktivieren(dlg, idKern, 0);
            }
            return 0;
        case idKern:
            if (art == benachrichtigung::AuswahlGeaendert)
                kernGewaehlt(dlg);
            return 1;
        case 1:
        case befehlOkF2: return speichern(dlg, id);
        case 2: dialogSchliessen(dlg, rahmen, 2, true); return 0;
        }
        return 0;
    }
    }
    (void)l;
    return 0;
}

// Never twice: the run check of a run started by "OK - F2" (or any other way in while the
// dialog is up) finds it open, ended or not, and brings it to the front instead.
intptr_t simulationsParameterDialogOeffnen(Fenster eigner)
{
    if (offenerDialog && istFenster(offenerDialog)) {
        vordergrundSetzen(offenerDialog);
        return 2;
    }
    const intptr_t ergebnis =
        dialogModal(vorlageSimulation, eigner ? eigner : fensterhandles.hauptfenster, simulationsParameterDlgProc);
    offenerDialog = nullptr;
    return ergebnis;
}
