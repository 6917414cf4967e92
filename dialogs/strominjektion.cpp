// dialogs/strominjektion.cpp - the current-injection dialog "Strominjektion erstellen" (150)
//
// The dialog edits a working copy of every neuron's four stimulus definitions and label; the
// neurons get them, and their current tables, only on OK. Loading or dropping a stimulus
// from a file acts on the neuron's table at once.
#include "dialogs/strominjektion.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "diagrams/reizkurve.h"
#include "dialogs/rahmen.h"
#include "files/stromdateien.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

using namespace plattform;

StrominjektionVorgaben strominjektionVorgaben;

namespace {

// the controls of one compartment column; 0 where the column has none
struct Spalte {
    int datei, dateiKnopf, an, rechteck, sinus;
    int beginn, zeile2, zeile3, zeile4, amplitude, anzahl, abstand, alternieren;
    int kopf, formGruppe;
};
constexpr std::array<Spalte, reizDefinitionen> spalten{{
    {1351, 2071, 1340, 1331, 1344, 1286, 1282, 1283, 1284, 1285, 1291, 1292, 0, 3002, 3031},
    {1354, 2072, 1341, 1345, 1346, 1287, 1288, 1289, 1290, 1294, 1295, 1296, 1312, 3003, 3032},
    {1355, 2073, 1342, 1347, 1348, 1315, 1316, 1317, 1318, 1319, 1320, 1321, 1322, 3004, 3033},
    {1356, 2074, 1343, 1349, 1350, 1323, 1324, 1325, 1326, 1327, 1328, 1329, 1330, 3005, 3034},
}};

enum : int {
    idListe = 1281, idListeText = 1302, idMarkieren = 1307, idAlle = 1308, idUebernehmen = 1306,
    idSchaltModus = 1314, idSchaltAn = 1313, idSchaltAus = 1311, idSchaltGruppe = 3020,
    idDauerreiz = 1352, idBursts = 1293, idBurstabstand = 1297, idEinzelreiz = 1298,
    idBezeichnung = 1305, idSchritt = 1304, idEinfuegen = 1332, idMerken = 1338, idEinfach = 2066,
    idHilfeSchritt = 2283, idHilfeBursts = 2290, idHilfeEinzelreiz = 2291,
    idZeile2Text = 3010, idZeile4Text = 3012, idAnzahlText = 3014, idBurstsText = 3016,
};

// the controls of the full display only, besides the dendrite columns
constexpr int nurVoll[] = {
    idListeText, idListe, idMarkieren, idAlle, idUebernehmen, idSchaltGruppe, idSchaltModus, idSchaltAn,
    idSchaltAus, 3006, 3008, 3011, 3013, idBursts, idHilfeBursts, idBurstsText, 3019, idBurstabstand,
    3021, idEinzelreiz, idHilfeEinzelreiz, 3022, 3017, idBezeichnung, 3018, idSchritt, idHilfeSchritt,
    1351, 2071, 1331, 1344, 3031, 1283, 1285,
};

// the dialog's notices and questions, by message number
constexpr int konfliktText = 1735, dauerreizFrage = 1736, dateiReizFrage = 1737, typenText = 1738,
              izhikevichText = 1739, klemmFrage = 1740;

// one neuron of the working copy, by its number
struct Eintrag {
    int marke = 0;                  // the neuron's number when it is selected
    std::array<StromreizDefinition, reizDefinitionen> reize{};
    std::string bezeichnung;
};

DialogRahmen dialogRahmen;
std::vector<Eintrag> kopie;
int gezeigt = 0;                    // number of the neuron the columns show
int ausgewaehlt = 0;
int listenWahl = 0;                 // the list entry last chosen
double arbeitsSchritt = 0.0;
int schaltModus = 0, schaltAn = 1;
int anzeigeAusstehend = -1;         // the display "Einfache Darstellung" asks for

enum class Anwendung { Bleiben, Ok, OkF2 };

Eintrag* eintrag(int nummer)
{
    return nummer >= 0 && nummer < static_cast<int>(kopie.size()) ? &kopie[static_cast<size_t>(nummer)] : nullptr;
}

bool einfach() { return dialogEinstellungen.strominjektionAnzeige == 0; }

// the highest column the neuron has: its compartments, three at most; -1 without any
int letzteSpalte(const NeuronDaten& n)
{
    return std::min(hoechsteReizDefinition(n), static_cast<int>(n.stromTabellen.size()) - 1);
}

// the amplitude field of the soma in the display shown
int somaAmplitudenFeld() { return einfach() ? spalten[0].zeile4 : spalten[0].amplitude; }

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

std::string feldText(const char* schluessel, int feld)
{
    const std::string* t = dialogText(schluessel);
    return t ? std::string(textFeldHolen(*t, feld)) : std::string();
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// ---- reading the columns -------------------------------------------------------------------

// A field's name in a notice: its row's label and its column's head.
std::string feldName(Fenster dlg, int c, int id)
{
    return feldBeschriftung(dlg, id) + " (" + elementText(dlg, spalten[static_cast<size_t>(c)].kopf) + ")";
}

// One column into d by the display shown; the simple display has the soma only, its second
// row the plateau and its fourth the amplitude, whatever the shape. A field without a number
// gets the notice naming it and false; d is then unchanged.
bool spalteLesen(Fenster dlg, int c, StromreizDefinition& d)
{
    const Spalte& s = spalten[static_cast<size_t>(c)];
    StromreizDefinition neu = d;
    bool gut = true;
    auto zahl = [&](int id, double& x) { gut = gut && dialogZahlFeldLesen(dlg, id, feldName(dlg, c, id), x); };
    auto ganz = [&](int id, int& x) {
        gut = gut && dialogGanzzahlLesen(dlg, id, INT_MIN, INT_MAX, feldName(dlg, c, id), x);
    };
    neu.an = haken(dlg, s.an);
    if (c == 0)
        neu.dauerreiz = haken(dlg, idDauerreiz);
    zahl(s.beginn, neu.beginn);
    ganz(s.anzahl, neu.anzahl);
    zahl(s.abstand, neu.pause);
    if (einfach()) {
        zahl(s.zeile2, neu.dach);
        zahl(s.zeile4, neu.amplitude);
    } else {
        neu.ausDatei = haken(dlg, s.datei);
        neu.reizart = haken(dlg, s.rechteck) ? 0 : 1;
        if (neu.reizart == 1) {
            zahl(s.zeile2, neu.ende);
            zahl(s.zeile3, neu.periode);
        } else {
            zahl(s.zeile2, neu.anstieg);
            zahl(s.zeile3, neu.dach);
        }
        zahl(s.zeile4, neu.abfall);
        zahl(s.amplitude, neu.amplitude);
        if (c == 0) {
            ganz(idBursts, neu.anzahlBursts);
            zahl(idBurstabstand, neu.burstabstand);
            zahl(idEinzelreiz, neu.einzelreiz);
        } else {
            neu.alternieren = haken(dlg, s.alternieren);
        }
        // a sine train that ends before it begins would never flow (a file stimulus keeps
        // its fields, a permanent one becomes a rectangle)
        if (gut && neu.reizart == 1 && !neu.ausDatei && !neu.dauerreiz)
            gut = dialogFeldNichtUnter(dlg, s.zeile2, feldName(dlg, c, s.zeile2), neu.ende,
                                       feldName(dlg, c, s.beginn), neu.beginn);
    }
    if (gut)
        d = neu;
    return gut;
}

// The counts of the shown neuron's columns within their range; false after the notice.
bool anzahlenPruefen(Fenster dlg)
{
    const NeuronDaten* n = neuronNachNummer(gezeigt);
    if (!n)
        return true;
    int x = 0;
    const int bis = einfach() ? 0 : letzteSpalte(*n);
    for (int c = 0; c <= bis; ++c)
        if (!dialogGanzzahlLesen(dlg, spalten[static_cast<size_t>(c)].anzahl, 0, strominjektionHoechsteAnzahl,
                                 elementText(dlg, idAnzahlText), x))
            return false;
    return einfach() || dialogGanzzahlLesen(dlg, idBursts, 0, strominjektionHoechsteAnzahl,
                                            elementText(dlg, idBurstsText), x);
}

// The shown neuron's columns, label and step into the working copy: the number of columns
// switched on, or -1 after the notice naming a field without a number (then nothing is
// taken).
int spaltenLesen(Fenster dlg)
{
    const NeuronDaten* n = neuronNachNummer(gezeigt);
    Eintrag* e = eintrag(gezeigt);
    if (!n || !e)
        return 0;
    std::array<StromreizDefinition, reizDefinitionen> reize = e->reize;
    int an = 0;
    const int bis = einfach() ? 0 : letzteSpalte(*n);
    for (int c = 0; c <= bis; ++c) {
        if (!spalteLesen(dlg, c, reize[static_cast<size_t>(c)]))
            return -1;
        an += reize[static_cast<size_t>(c)].an;
    }
    double schritt = 0.0;
    if (!dialogZahlFeldLesen(dlg, idSchritt, schritt))
        return -1;
    e->reize = reize;
    e->bezeichnung = elementText(dlg, idBezeichnung, 259);
    arbeitsSchritt = schritt;
    return an;
}

// ---- filling --------------------------------------------------------------------------------

// the rectangle of the permanent stimulus: from 0 to the run's last step
void dauerreizNormieren(StromreizDefinition& d)
{
    d.reizart = 0;
    d.beginn = 0.0;
    d.anstieg = 0.0;
    d.dach = simulationsParameter.simulationsDauer - simulationsParameter.schrittweite;
    d.abfall = 0.0;
    d.alternieren = 0;
    d.anzahl = 1;
    d.pause = 0.0;
}

void spalteSetzen(Fenster dlg, int c, const StromreizDefinition& d)
{
    const Spalte& s = spalten[static_cast<size_t>(c)];
    const bool sinus = d.reizart == 1;
    hakenSetzen(dlg, s.datei, d.ausDatei == 1);
    hakenSetzen(dlg, s.an, d.an != 0);
    hakenSetzen(dlg, s.rechteck, !sinus);
    hakenSetzen(dlg, s.sinus, sinus);
    elementTextSetzen(dlg, s.dateiKnopf, d.reizName.empty() && d.reizDatei.empty() ? "" : "->");
    elementTextSetzen(dlg, s.beginn, zahlText(d.beginn));
    elementTextSetzen(dlg, s.zeile2, zahlText(sinus ? d.ende : d.anstieg));
    elementTextSetzen(dlg, s.zeile3, zahlText(sinus ? d.periode : d.dach));
    elementTextSetzen(dlg, s.zeile4, zahlText(d.abfall));
    elementTextSetzen(dlg, s.amplitude, zahlText(d.amplitude));
    elementTextSetzen(dlg, s.anzahl, std::to_string(d.anzahl));
    elementTextSetzen(dlg, s.abstand, zahlText(d.pause));
    if (c == 0) {
        hakenSetzen(dlg, idDauerreiz, d.dauerreiz != 0);
        elementTextSetzen(dlg, idBursts, std::to_string(d.anzahlBursts));
        elementTextSetzen(dlg, idBurstabstand, zahlText(d.burstabstand));
        elementTextSetzen(dlg, idEinzelreiz, zahlText(d.einzelreiz));
        if (einfach()) {
            elementTextSetzen(dlg, s.zeile2, zahlText(sinus ? d.periode : d.dach));
            elementTextSetzen(dlg, s.zeile4, zahlText(d.amplitude));
        }
    } else {
        hakenSetzen(dlg, s.alternieren, d.alternieren != 0);
    }
}

void spalteFreigeben(Fenster dlg, int c, bool felder, bool an, bool form)
{
    const Spalte& s = spalten[static_cast<size_t>(c)];
    for (int id : {s.beginn, s.zeile2, s.zeile3, s.zeile4, s.amplitude, s.anzahl, s.abstand, s.alternieren})
        dialogElementAktivieren(dlg, id, felder);
    dialogElementAktivieren(dlg, s.an, an);
    dialogElementAktivieren(dlg, s.rechteck, form);
    dialogElementAktivieren(dlg, s.sinus, form);
}

// which controls of the columns take input
void freigabenSetzen(Fenster dlg, const NeuronDaten& n, const Eintrag& e)
{
    StrominjektionVorgaben& v = strominjektionVorgaben;
    // the soma
    const StromreizDefinition& soma = e.reize[0];
    const int somaFelder[] = {idBursts, idBurstabstand, idEinzelreiz};
    if (soma.ausDatei == 1) {
        spalteFreigeben(dlg, 0, false, false, false);
        dialogElementAktivieren(dlg, idDauerreiz, 0);
        for (int id : somaFelder)
            dialogElementAktivieren(dlg, id, 0);
        v.uebernehmen = 0;
    } else if (soma.dauerreiz) {
        spalteFreigeben(dlg, 0, false, true, true);
        dialogElementAktivieren(dlg, idDauerreiz, 1);
        for (int id : somaFelder)
            dialogElementAktivieren(dlg, id, 0);
        dialogElementAktivieren(dlg, somaAmplitudenFeld(), 1);
    } else {
        spalteFreigeben(dlg, 0, true, true, true);
        dialogElementAktivieren(dlg, idDauerreiz, 1);
        for (int id : somaFelder)
            dialogElementAktivieren(dlg, id, 1);
    }
    dialogElementAktivieren(dlg, spalten[0].datei, 1);
    dialogElementAktivieren(dlg, spalten[0].dateiKnopf, 1);
    // the dendrites; a column the neuron lacks takes nothing
    const int letzte = letzteSpalte(n);
    for (int c = 1; c < reizDefinitionen; ++c) {
        const Spalte& s = spalten[static_cast<size_t>(c)];
        const bool vorhanden = c <= letzte;
        const bool ausDatei = e.reize[static_cast<size_t>(c)].ausDatei == 1;
        const bool frei = vorhanden && !ausDatei && !n.izhikevichAktiv;
        spalteFreigeben(dlg, c, frei, frei, frei);
        if (vorhanden && ausDatei)
            v.uebernehmen = 0;
        const bool datei = vorhanden && !n.izhikevichAktiv;
        dialogElementAktivieren(dlg, s.datei, datei);
        dialogElementAktivieren(dlg, s.dateiKnopf, datei);
    }
}

void anzeigeSetzen(Fenster dlg)
{
    const int zeigen = einfach() ? 0 : 5;
    for (int id : nurVoll)
        elementZeigen(dlg, id, zeigen);
    for (int c = 1; c < reizDefinitionen; ++c) {
        const Spalte& s = spalten[static_cast<size_t>(c)];
        for (int id : {s.datei, s.dateiKnopf, s.an, s.rechteck, s.sinus, s.beginn, s.zeile2, s.zeile3, s.zeile4,
                       s.amplitude, s.anzahl, s.abstand, s.alternieren, s.kopf, s.formGruppe})
            elementZeigen(dlg, id, zeigen);
    }
    // the simple display says what its second and fourth rows hold
    const int feld = einfach() ? 2 : 1;
    elementTextSetzen(dlg, idZeile2Text, feldText("IDC_SI_ZEILE2_TXT=", feld));
    elementTextSetzen(dlg, idZeile4Text, feldText("IDC_SI_ZEILE4_TXT=", feld));
    hakenSetzen(dlg, idEinfach, einfach() ? 1 : 0);
}

bool nurInVoll(int id)
{
    if (std::find(std::begin(nurVoll), std::end(nurVoll), id) != std::end(nurVoll))
        return true;
    for (int c = 1; c < reizDefinitionen; ++c) {
        const Spalte& s = spalten[static_cast<size_t>(c)];
        for (int x : {s.beginn, s.zeile2, s.zeile3, s.zeile4, s.amplitude, s.anzahl, s.abstand})
            if (x == id)
                return true;
    }
    return false;
}

// the opening's own work: the working copy of every neuron
void oeffnen(Fenster dlg)
{
    tastaturHookSetzen(dlg);
    // room for every number a neuron bears, whatever the highest number given says
    int hoechste = 0;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        hoechste = std::max(hoechste, n->nummer);
    try {
        std::vector<Eintrag>(static_cast<size_t>(hoechste) + 1).swap(kopie);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungsTexte[728]);
        return;
    }
    // the marked neurons are selected, the first of them is shown
    gezeigt = 0;
    ausgewaehlt = 0;
    listenWahl = 0;
    int index = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron, ++index) {
        Eintrag* e = eintrag(n->nummer);
        if (!e)
            continue;
        if (n->markiert) {
            e->marke = n->nummer;
            ++ausgewaehlt;
            if (!gezeigt) {
                gezeigt = n->nummer;
                listenWahl = index;
            }
        }
        for (int c = 0; c <= letzteSpalte(*n); ++c)
            if (n->stromreize[static_cast<size_t>(c)].anzahl == 0)
                n->stromreize[static_cast<size_t>(c)].an = 0;
        e->reize = n->stromreize;
        e->bezeichnung = n->strominjektionBezeichnung;
    }
    // the step of the stimuli lies above the run's step
    const double T = simulationsParameter.schrittweite;
    if (reizSchrittweite == 0.0)
        reizSchrittweite = 10.0 * T;
    arbeitsSchritt = reizSchrittweite;
    if (T >= arbeitsSchritt)
        arbeitsSchritt = T + T / 10.0;
    schaltModus = 0;
    schaltAn = 1;
    anzeigeAusstehend = -1;
}

void texteSetzen(Fenster dlg)
{
    strominjektionTexteSetzen(dlg);
    tooltipsStrominjektionDialog(dlg);
}

void fuellen(Fenster dlg)
{
    StrominjektionVorgaben& v = strominjektionVorgaben;
    // the neuron list, the stimulated compartments behind each name
    listeLeeren(dlg, idListe);
    int anzahl = 0;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron, ++anzahl) {
        const Eintrag* e = eintrag(n->nummer);
        std::string text = (e && e->marke ? "*    " : "       ") + neuronAnzeigename(*n);
        for (size_t c = 0; c < n->stromTabellen.size(); ++c)
            if (n->stromTabellen[c].anzahlPunkte > 3)
                text += " s" + std::to_string(c);
        listeDatenSetzen(dlg, idListe, listeHinzufuegen(dlg, idListe, text), n->nummer);
    }
    if (anzahl == 0)
        return;
    listenWahl = std::clamp(listenWahl, 0, anzahl - 1);
    listeAuswahlSetzen(dlg, idListe, listenWahl);
    gezeigt = static_cast<int>(listeDaten(dlg, idListe, listenWahl));
    NeuronDaten* n = neuronNachNummer(gezeigt);
    Eintrag* e = eintrag(gezeigt);
    if (!n || !e)
        return;
    titelSetzen(dlg, dialogTextFormatieren(295, neuronAnzeigename(*n)));
    elementTextSetzen(dlg, idMarkieren, feldText("IDC_SI_MARK=", e->marke ? 2 : 1));
    elementTextSetzen(dlg, idListeText, dialogTextFormatieren(294, ausgewaehlt));
    // a permanent soma stimulus is a rectangle over the whole run
    StromreizDefinition& soma = e->reize[0];
    if (soma.dauerreiz) {
        if (soma.ausDatei == 1) {
            hinweisBox(meldungFormatieren(konfliktText, 0));
        }
        dauerreizNormieren(soma);
    }
    // the columns, the label and the step, the display
    const int letzte = letzteSpalte(*n);
    for (int c = 0; c < reizDefinitionen; ++c) {
        StromreizDefinition& d = e->reize[static_cast<size_t>(c)];
        if (c <= letzte && d.an && d.anzahl == 0)
            d.anzahl = 1;
        spalteSetzen(dlg, c, d);
    }
    elementTextSetzen(dlg, idBezeichnung, e->bezeichnung);
    elementTextSetzen(dlg, idSchritt, zahlText(arbeitsSchritt));
    anzeigeSetzen(dlg);
    hakenSetzen(dlg, idSchaltModus, schaltModus);
    hakenSetzen(dlg, idSchaltAn, schaltAn);
    hakenSetzen(dlg, idSchaltAus, !schaltAn);
    dialogElementAktivieren(dlg, idSchaltAn, schaltModus);
    dialogElementAktivieren(dlg, idSchaltAus, schaltModus);
    freigabenSetzen(dlg, *n, *e);
    hakenSetzen(dlg, idUebernehmen, v.uebernehmen);
    // the focus where the user worked last, when this display shows it
    if (v.fokus == 0 || (einfach() && nurInVoll(v.fokus)))
        v.fokus = somaAmplitudenFeld();
    dialogElementFokussieren(dlg, v.fokus, 1);
}

// ---- closing ----------------------------------------------------------------------------------

// a display asked for by "Einfache Darstellung" comes with the next opening
void anzeigeUebernehmen()
{
    if (anzeigeAusstehend >= 0 && anzeigeAusstehend != dialogEinstellungen.strominjektionAnzeige) {
        dialogEinstellungen.strominjektionAnzeige = anzeigeAusstehend;
        if (fensterhandles.hauptfenster)
            posten(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlStrominjektion, 0));
    }
    anzeigeAusstehend = -1;
}

void abbrechen(Fenster dlg)
{
    dialogSchliessen(dlg, dialogRahmen, 2, true);
    anzeigeUebernehmen();
}

// the stimulus curves of the diagrams follow the new tables
void referenzkurvenNeuZeichnen()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (!d->fenster)
                continue;
            for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
                const KurvenDaten& k = d->kurven[static_cast<size_t>(slot)];
                const int c = k.stromreizSegment - 1;
                if (!k.anzeigen || k.referenz != kurvenReferenz::Kopie || c < 0 || c >= reizDefinitionen)
                    continue;
                const StromreizDefinition& def = n->stromreize[static_cast<size_t>(c)];
                if (def.anzahl > 0 && def.an)
                    stromreizReferenzkurveAnzeigen(d->fenster, c, slot);
            }
        }
}

// the working copy into one selected neuron; false when a definition was refused
bool neuronSchreiben(NeuronDaten& n, Eintrag& e, const Eintrag& gezeigtes, bool& speicherFehlt)
{
    StrominjektionVorgaben& v = strominjektionVorgaben;
    // a clamped neuron ignores any stimulus
    if (v.klemmWarnung && (n.klemme.flags & 0x1)) {
        if (sysInfoBox(meldungFormatieren(klemmFrage, neuronAnzeigename(n)), knoepfe::JaNein) == antwort::Nein)
            v.klemmWarnung = false;
    }
    n.strominjektionBezeichnung = e.bezeichnung;
    // the compartments the neuron has, those from a file aside
    const int letzte = letzteSpalte(n);
    for (int c = 0; c <= letzte; ++c) {
        const size_t i = static_cast<size_t>(c);
        if (e.reize[i].ausDatei == 1)
            continue;
        StromreizDefinition& d = n.stromreize[i];
        d = v.uebernehmen ? gezeigtes.reize[i] : e.reize[i];
        if (schaltModus) {
            if (!schaltAn)
                d.an = 0;
            else if (d.amplitude != 0.0 && d.anzahl > 0)
                d.an = 1;
        }
        if (d.anzahl == 0 && d.an == 1) {
            if (sysInfoBox(meldungFormatieren(388, neuronAnzeigename(n), neuronAnzeigename(n), c), knoepfe::JaNein) == antwort::Ja)
                d.anzahl = 1;
            else
                d.an = 0;
        }
        if (d.an == 0) {
            stromreizKompartimentZuruecksetzen(n, c);
        } else if (d.anzahl > 0 && d.ausDatei == 0 && !speicherFehlt) {
            const int ergebnis = stromreizKurveErzeugen(n, c);
            if (ergebnis == -2)
                return false;
            if (ergebnis == 0)
                speicherFehlt = true;
        }
    }
    // the stimuli named in files
    for (int c = 0; c <= letzte; ++c) {
        const size_t i = static_cast<size_t>(c);
        StromreizDefinition& d = e.reize[i];
        if (d.ausDatei == 1 && !reizDefinitionsDateiLaden(&n, c, d.reizName, d.reizDatei, 1)) {
            d.ausDatei = 0;
            n.stromreize[i].ausDatei = 0;
        }
    }
    return true;
}

// Reads and checks the shown neuron; the stay-open variant stops there (true: go on with a
// refill), the others write every selected neuron and close.
bool anwenden(Fenster dlg, Anwendung art)
{
    StrominjektionVorgaben& v = strominjektionVorgaben;
    // one simulation type among the selected and marked neurons
    int typ = -1;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const Eintrag* e = eintrag(n->nummer);
        if (!(e && e->marke) && !n->markiert)
            continue;
        if (typ >= 0 && typ != n->izhikevichAktiv) {
            hinweisBox(meldungsTexte[typenText]);
            abbrechen(dlg);
            return false;
        }
        typ = n->izhikevichAktiv;
    }
    // the columns, counts within their range
    if (!anzahlenPruefen(dlg))
        return false;
    const int an = spaltenLesen(dlg);
    if (an < 0)
        return false;
    const NeuronDaten* gezeigtesNeuron = neuronNachNummer(gezeigt);
    Eintrag* e = eintrag(gezeigt);
    if (!gezeigtesNeuron || !e)
        return false;
    // an Izhikevich neuron takes its stimuli through the soma only
    if (gezeigtesNeuron->izhikevichAktiv && an > 0 && e->reize[0].an == 0)
        hinweisBox(meldungsTexte[izhikevichText]);
    // the stimuli's step lies above the run's step
    const double T = simulationsParameter.schrittweite;
    if (T >= arbeitsSchritt) {
        piepen(1000, 100);
        hinweisBox(meldungsTexte[504]);
        arbeitsSchritt = 2.0 * T;
        v.fokus = idSchritt;
        neuFuellen(dlg);
        return false;
    }
    // the take-over flag is kept; the stay-open variants end here
    v.uebernehmen = haken(dlg, idUebernehmen);
    if (art == Anwendung::Bleiben)
        return true;
    // every selected neuron in list order
    reizSchrittweite = arbeitsSchritt;
    bool speicherFehlt = false;
    const Eintrag gezeigtesEintrag = *e;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        Eintrag* x = eintrag(n->nummer);
        if (!x || !x->marke)
            continue;
        if (!neuronSchreiben(*n, *x, gezeigtesEintrag, speicherFehlt)) {
            neuFuellen(dlg);
            return false;
        }
    }
    // no neuron selected: the user may go back to the list
    if (ausgewaehlt == 0 && sysInfoBox(meldungsTexte[559], knoepfe::JaNein) == antwort::Nein) {
        dialogElementFokussieren(dlg, idListe, 0);
        return false;
    }
    // closed: counts, reference curves, undo, repaint, the run and the display asked for
    dialogSchliessen(dlg, dialogRahmen, 1, true);
    gereizteKompartimenteGesamtZaehlen();
    referenzkurvenNeuZeichnen();
    undoSchrittSpeichern(undoListe);
    if (fensterhandles.hauptfenster) {
        ungueltigMachen(fensterhandles.hauptfenster);
        neuZeichnen(fensterhandles.hauptfenster);
    }
    if (art == Anwendung::OkF2)
        simulationAusDialogStarten();
    anzeigeUebernehmen();
    return true;
}

// ---- commands ---------------------------------------------------------------------------------

int spalteVon(int id, int Spalte::*feld)
{
    for (int c = 0; c < reizDefinitionen; ++c)
        if (spalten[static_cast<size_t>(c)].*feld == id)
            return c;
    return -1;
}

// A stimulus from a file for column c: the user picks file and stimulus. When none is taken,
// ausDatei stays as it was before (vorher).
void dateiReizLaden(Fenster dlg, int c, int vorher)
{
    StrominjektionVorgaben& v = strominjektionVorgaben;
    NeuronDaten* n = neuronNachNummer(gezeigt);
    Eintrag* e = eintrag(gezeigt);
    if (!n || !e || spaltenLesen(dlg) < 0)
        return;
    StromreizDefinition& d = e->reize[static_cast<size_t>(c)];
    d.ausDatei = vorher;
    if (haken(dlg, idUebernehmen)) {
        if (sysInfoBox(meldungsTexte[267], knoepfe::JaNein) == antwort::Nein) {
            neuFuellen(dlg);
            return;
        }
        v.uebernehmen = 0;
    }
    if (reizDefinitionsDateiLaden(n, c, d.reizName, d.reizDatei, 0)) {
        const StromreizDefinition& neu = n->stromreize[static_cast<size_t>(c)];
        d.reizName = neu.reizName;
        d.reizDatei = neu.reizDatei;
        d.ausDatei = 1;
    }
    neuFuellen(dlg);
}

void dateiKastenGeklickt(Fenster dlg, int c)
{
    Eintrag* e = eintrag(gezeigt);
    if (!e)
        return;
    if (!haken(dlg, spalten[static_cast<size_t>(c)].datei)) {
        if (spaltenLesen(dlg) < 0) {
            hakenSetzen(dlg, spalten[static_cast<size_t>(c)].datei, 1);
            return;
        }
        e->reize[static_cast<size_t>(c)].ausDatei = 0;
        neuFuellen(dlg);
        return;
    }
    dateiReizLaden(dlg, c, 0);
}

void dateiKnopfGeklickt(Fenster dlg, int c)
{
    NeuronDaten* n = neuronNachNummer(gezeigt);
    Eintrag* e = eintrag(gezeigt);
    if (!n || !e)
        return;
    StromreizDefinition& d = e->reize[static_cast<size_t>(c)];
    if (d.reizName.empty() && d.reizDatei.empty()) {
        dateiReizLaden(dlg, c, d.ausDatei);
        return;
    }
    const std::string segment = elementText(dlg, spalten[static_cast<size_t>(c)].kopf);
    if (sysInfoBox(meldungFormatieren(dateiReizFrage, segment, d.reizName, d.reizDatei), knoepfe::JaNein) == antwort::Ja) {
        dateiReizLaden(dlg, c, d.ausDatei);
        return;
    }
    // No drops the stimulus, in the neuron at once
    if (spaltenLesen(dlg) < 0)
        return;
    stromreizKompartimentZuruecksetzen(*n, c);
    for (StromreizDefinition* x : {&d, &n->stromreize[static_cast<size_t>(c)]}) {
        x->reizName.clear();
        x->reizDatei.clear();
        x->ausDatei = 0;
    }
    neuFuellen(dlg);
}

void anKastenGeklickt(Fenster dlg, int c)
{
    Eintrag* e = eintrag(gezeigt);
    if (!e)
        return;
    const Spalte& s = spalten[static_cast<size_t>(c)];
    StromreizDefinition& d = e->reize[static_cast<size_t>(c)];
    d.an = haken(dlg, s.an);
    if (!d.an)
        return;
    // a stimulus switched on counts at least once when it has an amplitude (text that holds
    // no number stays for OK to name)
    std::string anzahl = elementText(dlg, s.anzahl, 255);
    const int amplitudenFeld = c == 0 ? somaAmplitudenFeld() : s.amplitude;
    double amplitude = 0.0, gezaehlt = 0.0;
    if (dialogTextZahl(anzahl, gezaehlt) && kommaGanzzahlLesen(anzahl.data()) == 0 &&
        dialogTextZahl(elementText(dlg, amplitudenFeld, 255), amplitude) && amplitude != 0.0) {
        d.anzahl = 1;
        elementTextSetzen(dlg, s.anzahl, "1");
    }
}

void dauerreizGeklickt(Fenster dlg)
{
    Eintrag* e = eintrag(gezeigt);
    if (!e)
        return;
    if (!haken(dlg, idDauerreiz)) {
        e->reize[0].dauerreiz = 0;
        return;
    }
    if (sysInfoBox(meldungsTexte[dauerreizFrage], knoepfe::JaNein) != antwort::Ja) {
        hakenSetzen(dlg, idDauerreiz, 0);
        return;
    }
    double amplitude = 0.0;
    if (spaltenLesen(dlg) < 0 || !dialogZahlFeldLesen(dlg, somaAmplitudenFeld(), feldName(dlg, 0, somaAmplitudenFeld()),
                                                      amplitude)) {
        hakenSetzen(dlg, idDauerreiz, 0);
        return;
    }
    e->reize[0].dauerreiz = 1;
    e->reize[0].amplitude = amplitude;
    neuFuellen(dlg);
}

void standardEinfuegen(Fenster dlg)
{
    Eintrag* e = eintrag(gezeigt);
    if (!e)
        return;
    StromreizDefinition& s = standardSomareiz;
    if (s.anzahl <= 0) {
        // the built-in standard: four pulses of 5 nA
        s.beginn = 0.05;
        s.ende = simulationsParameter.simulationsDauer - simulationsParameter.schrittweite;
        s.periode = 0.2;
        s.anstieg = 0.0;
        s.dach = 0.002;
        s.abfall = 0.0;
        s.an = 1;
        s.amplitude = 5e-9;
        s.anzahl = 4;
        s.pause = 0.02;
        s.alternieren = 0;
        s.reizart = 0;
        s.anzahlBursts = 0;
        s.burstabstand = 0.0;
        s.einzelreiz = 0.0;
    }
    if (spaltenLesen(dlg) < 0)
        return;
    StromreizDefinition& d = e->reize[0];
    d.beginn = s.beginn;
    d.ende = s.ende;
    d.periode = s.periode;
    d.anstieg = s.anstieg;
    d.dach = s.dach;
    d.abfall = s.abfall;
    d.an = s.an;
    d.amplitude = s.amplitude;
    d.anzahl = s.anzahl;
    d.pause = s.pause;
    d.alternieren = s.alternieren;
    d.reizart = s.reizart;
    d.anzahlBursts = s.anzahlBursts;
    d.burstabstand = s.burstabstand;
    d.einzelreiz = s.einzelreiz;
    neuFuellen(dlg);
}

void standardMerken(Fenster dlg)
{
    const int feld = somaAmplitudenFeld();
    double amplitude = 0.0;
    if (!dialogZahlFeldLesen(dlg, feld, feldName(dlg, 0, feld), amplitude))
        return;
    if (amplitude == 0.0) {
        piepen(1000, 100);
        dialogElementFokussieren(dlg, feld, 1);
        return;
    }
    StromreizDefinition d = standardSomareiz;
    if (!spalteLesen(dlg, 0, d))
        return;
    StromreizDefinition& s = standardSomareiz;
    s.an = d.an;
    s.reizart = einfach() ? s.reizart : d.reizart;
    s.beginn = d.beginn;
    s.anstieg = d.anstieg;
    s.ende = d.ende;
    s.dach = d.dach;
    s.periode = d.periode;
    s.abfall = d.abfall;
    s.amplitude = d.amplitude;
    s.anzahl = d.anzahl;
    s.pause = d.pause;
    s.anzahlBursts = d.anzahlBursts;
    s.burstabstand = d.burstabstand;
    s.einzelreiz = d.einzelreiz;
}

void alleUmschalten()
{
    const NeuronDaten* erstes = neuronKette.kopf;
    const Eintrag* e = erstes ? eintrag(erstes->nummer) : nullptr;
    const bool abwaehlen = e && e->marke;
    ausgewaehlt = 0;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (Eintrag* x = eintrag(n->nummer)) {
            x->marke = abwaehlen ? 0 : n->nummer;
            ausgewaehlt += abwaehlen ? 0 : 1;
        }
}

intptr_t befehl(Fenster dlg, int id, int art)
{
    StrominjektionVorgaben& v = strominjektionVorgaben;
    if (art == benachrichtigung::FokusVerloren) {
        if (elementGeaendert(dlg, id))
            v.fokus = id;
        return 0;
    }
    if (int c = spalteVon(id, &Spalte::datei); c >= 0)
        return dateiKastenGeklickt(dlg, c), 0;
    if (int c = spalteVon(id, &Spalte::dateiKnopf); c >= 0)
        return dateiKnopfGeklickt(dlg, c), 0;
    if (int c = spalteVon(id, &Spalte::an); c >= 0)
        return anKastenGeklickt(dlg, c), 0;
    switch (id) {
    case idListe:
        if (art == benachrichtigung::AuswahlGeaendert) {
            const int neu = listeAuswahl(dlg, idListe);
            if (!anwenden(dlg, Anwendung::Bleiben)) {
                if (dialogRahmen.frisch == 0)
                    listeAuswahlSetzen(dlg, idListe, listenWahl);
                return 0;
            }
            listenWahl = neu;
            neuFuellen(dlg);
        }
        return 0;
    case idMarkieren:
        if (Eintrag* e = eintrag(gezeigt)) {
            e->marke = e->marke ? 0 : gezeigt;
            ausgewaehlt += e->marke ? 1 : -1;
            if (anwenden(dlg, Anwendung::Bleiben))
                neuFuellen(dlg);
        }
        return 0;
    case idAlle:
        alleUmschalten();
        if (anwenden(dlg, Anwendung::Bleiben))
            neuFuellen(dlg);
        return 0;
    case idUebernehmen:
        v.uebernehmen = haken(dlg, id);
        if (spaltenLesen(dlg) >= 0)
            neuFuellen(dlg);
        return 0;
    case idSchaltModus:
        schaltModus = !schaltModus;
        dialogElementAktivieren(dlg, idSchaltAn, schaltModus);
        dialogElementAktivieren(dlg, idSchaltAus, schaltModus);
        return 0;
    case idSchaltAn: schaltAn = 1; return 0;
    case idSchaltAus: schaltAn = 0; return 0;
    case idDauerreiz: dauerreizGeklickt(dlg); return 0;
    case idEinfuegen: standardEinfuegen(dlg); return 0;
    case idMerken: standardMerken(dlg); return 0;
    case idEinfach:
        anzeigeAusstehend = haken(dlg, id) ? 0 : 5;
        anwenden(dlg, Anwendung::Ok);
        return 0;
    case idHilfeSchritt: hinweisBox(meldungsTexte[766]); return 0;
    case idHilfeBursts: hinweisBox(meldungsTexte[768]); return 0;
    case idHilfeEinzelreiz: hinweisBox(meldungsTexte[767]); return 0;
    case 1: anwenden(dlg, Anwendung::Ok); return 0;
    case befehlOkF2: anwenden(dlg, Anwendung::OkF2); return 0;
    case 2: abbrechen(dlg); return 0;
    }
    return 0;
}

} // namespace

intptr_t strominjektionDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, dialogRahmen);
        return 0;
    case nachricht::DialogInit:
        dialogInitialisieren(dlg, dialogRahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        return befehl(dlg, loWort(w), hiWort(w));
    }
    return 0;
}

intptr_t strominjektionDialogOeffnen(Fenster eigner)
{
    if (!neuronKette.kopf)
        return 2;
    return dialogModal(vorlageStrominjektion, eigner ? eigner : fensterhandles.hauptfenster, strominjektionDlgProc);
}
