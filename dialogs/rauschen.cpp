// dialogs/rauschen.cpp - "Rauschen" (149)
//
// Some buttons end the dialog with their own id and the opener opens it again at once,
// so one editing session spans several dialog windows: the working table of every
// neuron's noise, the standard values and the switches live here until OK or Cancel.
#include "dialogs/rauschen.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <new>
#include <cstdio>
#include <vector>

using namespace plattform;

namespace {

enum : int {
    idIntensitaet = 1271, idHaeufigkeit = 1272, idAbklingzeit = 1274,
    idStdIntensitaet = 1279, idStdHaeufigkeit = 1283, idStdAbklingzeit = 1284,
    idListe = 1275, idSchalten = 1280, idAlleAn = 1273, idAlleAus = 1278,
    idSpeichern = 1287, idAktiviertenSpeichern = 1288, idStandardNeuron = 1281, idStandardAktivierte = 1282,
    idRauschenAn = 1276, idNurExzitatorisch = 1285,
};

struct Rauschwerte { int an = 0; double abklingzeit = 0.0, haeufigkeit = 0.0, intensitaet = 0.0; };

// what the controls follow of the noise switch
constexpr std::array<int, 14> schalterAbhaengig = {idIntensitaet, idHaeufigkeit, idAbklingzeit, idStdIntensitaet,
                                                   idStdHaeufigkeit, idStdAbklingzeit, idAlleAn, idAlleAus,
                                                   idSchalten, idStandardNeuron, idStandardAktivierte,
                                                   idSpeichern, idAktiviertenSpeichern, idNurExzitatorisch};
// what acts on a neuron: with none in the network it stays disabled
constexpr std::array<int, 10> proNeuron = {idIntensitaet, idHaeufigkeit, idAbklingzeit, idSchalten, idAlleAn,
                                           idAlleAus, idSpeichern, idAktiviertenSpeichern, idStandardNeuron,
                                           idStandardAktivierte};

struct Sitzung {
    std::vector<Rauschwerte> tabelle;     // by neuron number; empty: no session open
    Rauschwerte standard;                 // only the three values are used
    int rauschenAn = 0, nurExzitatorisch = 0;
    bool geaendert = false;
};

DialogRahmen fensterRahmen;
Sitzung sitzung;
int listenPosition = 0;                   // outlives the dialog

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

// a value as its field shows it, read back: a field nobody touched compares equal
double angezeigt(double x)
{
    std::string t = zahlText(x);
    return kommaZahlLesen(t.data());
}

NeuronDaten* gewaehlt(Fenster dlg)
{
    const int i = listeAuswahl(dlg, idListe);
    return i < 0 ? nullptr : reinterpret_cast<NeuronDaten*>(listeDaten(dlg, idListe, i));
}

Rauschwerte* eintrag(const NeuronDaten* n)
{
    if (!n || n->nummer < 0 || static_cast<size_t>(n->nummer) >= sitzung.tabelle.size())
        return nullptr;
    return &sitzung.tabelle[static_cast<size_t>(n->nummer)];
}

void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    sitzung.standard = {0, netzvorgaben.rauschAbklingzeit, netzvorgaben.rauschHaeufigkeit, netzvorgaben.rauschStaerke};
    sitzung.rauschenAn = simulationsParameter.rauschenEin;
    sitzung.nurExzitatorisch = simulationsParameter.rauschenNurExzitatorisch;
    sitzung.geaendert = false;
}

void texte(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageRauschen); }

void werteZeigen(Fenster dlg, int a, int b, int c, const Rauschwerte& w)
{
    elementTextSetzen(dlg, a, zahlText(w.intensitaet));
    elementTextSetzen(dlg, b, zahlText(w.haeufigkeit));
    elementTextSetzen(dlg, c, zahlText(w.abklingzeit));
}

// the three values of a column, or (after the notice naming the first bad field) nothing
bool werteLesen(Fenster dlg, int a, int b, int c, Rauschwerte& w)
{
    Rauschwerte neu = w;
    if (!dialogZahlFeldLesen(dlg, a, neu.intensitaet) || !dialogZahlFeldLesen(dlg, b, neu.haeufigkeit) ||
        !dialogZahlFeldLesen(dlg, c, neu.abklingzeit))
        return false;
    w = neu;
    return true;
}

void sitzungBeenden(Fenster dlg, intptr_t ergebnis)
{
    sitzung.tabelle.clear();
    dialogSchliessen(dlg, fensterRahmen, ergebnis, true);
}

// the working table from every neuron, with room for every number a neuron bears
bool tabelleAnlegen()
{
    int hoechste = 0;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        hoechste = std::max(hoechste, n->nummer);
    try {
        sitzung.tabelle.assign(static_cast<size_t>(hoechste) + 1, {});
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungsTexte[710]);
        return false;
    }
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (Rauschwerte* e = eintrag(n))
            *e = {n->rauschenAn, n->rauschAbklingzeit, n->rauschHaeufigkeit, n->rauschIntensitaet};
    return true;
}

void fuellen(Fenster dlg)
{
    texte(dlg);
    if (sitzung.tabelle.empty() && !tabelleAnlegen()) {
        sitzungBeenden(dlg, 2);
        return;
    }
    listeLeeren(dlg, idListe);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const Rauschwerte* e = eintrag(n);
        const int i = listeHinzufuegen(dlg, idListe, (e && e->an ? "*   " : "      ") + neuronAnzeigename(*n));
        listeDatenSetzen(dlg, idListe, i, reinterpret_cast<intptr_t>(n));
    }
    const int anzahl = listeAnzahl(dlg, idListe);
    if (listenPosition >= anzahl)
        listenPosition = 0;
    listeAuswahlSetzen(dlg, idListe, anzahl > 0 ? listenPosition : -1);
    const Rauschwerte* e = eintrag(gewaehlt(dlg));
    werteZeigen(dlg, idIntensitaet, idHaeufigkeit, idAbklingzeit, e ? *e : Rauschwerte{});
    werteZeigen(dlg, idStdIntensitaet, idStdHaeufigkeit, idStdAbklingzeit, sitzung.standard);
    elementTextSetzen(dlg, idSchalten, std::string(textFeldHolen(meldungsTexte[980], e && e->an ? 1 : 2)));
    hakenSetzen(dlg, idRauschenAn, sitzung.rauschenAn ? 1 : 0);
    hakenSetzen(dlg, idNurExzitatorisch, sitzung.nurExzitatorisch ? 1 : 0);
    for (int id : schalterAbhaengig)
        dialogElementAktivieren(dlg, id, sitzung.rauschenAn);
    if (!e)
        for (int id : proNeuron)
            dialogElementAktivieren(dlg, id, 0);
    if (sitzung.rauschenAn && e)
        dialogElementFokussieren(dlg, idIntensitaet, 1);
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// ends this window; the opener opens the next one at once
void wiederOeffnen(Fenster dlg, int id) { dialogBeenden(dlg, id); }

void fokusVerloren(Fenster dlg, int id)
{
    if (!sitzung.rauschenAn)
        return;
    const Rauschwerte* e = eintrag(gewaehlt(dlg));
    double vorher = 0.0;
    switch (id) {
    case idIntensitaet: if (!e) return; vorher = e->intensitaet; break;
    case idHaeufigkeit: if (!e) return; vorher = e->haeufigkeit; break;
    case idAbklingzeit: if (!e) return; vorher = e->abklingzeit; break;
    case idStdIntensitaet: vorher = sitzung.standard.intensitaet; break;
    case idStdHaeufigkeit: vorher = sitzung.standard.haeufigkeit; break;
    case idStdAbklingzeit: vorher = sitzung.standard.abklingzeit; break;
    default: return;
    }
    double x = 0.0;
    if (!dialogTextZahl(elementText(dlg, id, 255), x) || x != angezeigt(vorher))
        sitzung.geaendert = true;
}

// the three values of the neuron column into an entry, switched on
bool neuronWerteUebernehmen(Fenster dlg, Rauschwerte& e)
{
    Rauschwerte w;
    if (!werteLesen(dlg, idIntensitaet, idHaeufigkeit, idAbklingzeit, w))
        return false;
    e = {1, w.abklingzeit, w.haeufigkeit, w.intensitaet};
    return true;
}

intptr_t speichern(Fenster dlg, int id)
{
    if (sitzung.geaendert) {
        if (sysInfoBox(meldungsTexte[976], knoepfe::JaNein) == antwort::Ja)
            return 0;
        sitzungBeenden(dlg, 2);
        return 0;
    }
    if (!werteLesen(dlg, idStdIntensitaet, idStdHaeufigkeit, idStdAbklingzeit, sitzung.standard))
        return 0;
    netzvorgaben.rauschStaerke = sitzung.standard.intensitaet;
    netzvorgaben.rauschHaeufigkeit = sitzung.standard.haeufigkeit;
    netzvorgaben.rauschAbklingzeit = sitzung.standard.abklingzeit;
    simulationsParameter.rauschenNurExzitatorisch = haken(dlg, idNurExzitatorisch) == 1 ? 1 : 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (const Rauschwerte* e = eintrag(n)) {
            n->rauschenAn = e->an;
            n->rauschAbklingzeit = e->abklingzeit;
            n->rauschHaeufigkeit = e->haeufigkeit;
            n->rauschIntensitaet = e->intensitaet;
        }
    simulationsParameter.rauschenEin = sitzung.rauschenAn;
    sitzungBeenden(dlg, 1);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    undoSchrittSpeichern(undoListe);
    return 1;
}

intptr_t befehl(Fenster dlg, int id, int art)
{
    if (art == benachrichtigung::FokusVerloren) {
        fokusVerloren(dlg, id);
        return 0;
    }
    Rauschwerte* e = eintrag(gewaehlt(dlg));
    switch (id) {
    case idListe:
        if (art == benachrichtigung::AuswahlGeaendert) {
            listenPosition = listeAuswahl(dlg, idListe);
            wiederOeffnen(dlg, idListe);
        }
        return 0;
    case idSchalten:
        if (e)
            e->an = e->an ? 0 : 1;
        neuFuellen(dlg);
        return 0;
    case idAlleAn:
    case idAlleAus:
        for (Rauschwerte& x : sitzung.tabelle)
            x.an = id == idAlleAn ? 1 : 0;
        wiederOeffnen(dlg, id);
        return 0;
    case idSpeichern:
        if (e && !neuronWerteUebernehmen(dlg, *e))
            return 0;
        sitzung.geaendert = false;
        neuFuellen(dlg);
        return 0;
    case idAktiviertenSpeichern: {
        Rauschwerte w;
        if (!werteLesen(dlg, idIntensitaet, idHaeufigkeit, idAbklingzeit, w))
            return 0;
        for (Rauschwerte& x : sitzung.tabelle)
            if (x.an)
                x = {1, w.abklingzeit, w.haeufigkeit, w.intensitaet};
        sitzung.geaendert = false;
        return 0;
    }
    case idStandardNeuron:
        if (!werteLesen(dlg, idStdIntensitaet, idStdHaeufigkeit, idStdAbklingzeit, sitzung.standard))
            return 0;
        if (e)
            *e = {1, sitzung.standard.abklingzeit, sitzung.standard.haeufigkeit, sitzung.standard.intensitaet};
        sitzung.geaendert = false;
        neuFuellen(dlg);
        return 0;
    case idStandardAktivierte:
        if (!werteLesen(dlg, idStdIntensitaet, idStdHaeufigkeit, idStdAbklingzeit, sitzung.standard))
            return 0;
        for (Rauschwerte& x : sitzung.tabelle)
            if (x.an)
                x = {1, sitzung.standard.abklingzeit, sitzung.standard.haeufigkeit, sitzung.standard.intensitaet};
        sitzung.geaendert = false;
        wiederOeffnen(dlg, id);
        return 0;
    case idRauschenAn:
        // a working copy: Cancel leaves the run's switch as it was
        sitzung.rauschenAn = haken(dlg, id) == 1 ? 1 : 0;
        wiederOeffnen(dlg, id);
        return 0;
    case idNurExzitatorisch: sitzung.nurExzitatorisch = haken(dlg, id) == 1 ? 1 : 0; return 0;
    case 1:
    case befehlOkF2: return speichern(dlg, id);
    case 2: sitzungBeenden(dlg, 2); return 0;
    }
    return 0;
}

} // namespace

intptr_t rauschenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, fensterRahmen);
        return 0;
    case nachricht::DialogInit:
        if (fensterRahmen.frisch)
            editierStatus &= ~editierBit::MarkierteZiehen;
        else if (l != 0)
            tastaturHookSetzen(dlg);   // a reopened window takes F2 over from the closed one
        dialogInitialisieren(dlg, fensterRahmen, {oeffnen, nullptr, fuellen});
        return 1;
    case nachricht::Befehl: return befehl(dlg, loWort(w), hiWort(w));
    }
    return 0;
}

intptr_t rauschenBefehl(Fenster eigner)
{
    Fenster f = eigner ? eigner : fensterhandles.hauptfenster;
    intptr_t ergebnis = 0;
    do
        ergebnis = dialogModal(vorlageRauschen, f, rauschenDlgProc, 1);
    while (ergebnis != 1 && ergebnis != 2 && ergebnis >= 0);
    return ergebnis;
}
