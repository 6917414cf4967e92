// dialogs/benutzerkanaele.cpp - "Eigenschaften benutzerdefinierter SWIM-Kanäle" (218)
//
// The dialog works on copies of every neuron's channel list and writes them all back only
// when the user saves; Cancel leaves every neuron as it was. A neuron without channels is
// shown with one empty channel, which it only keeps when the channel comes into use.
#include "dialogs/benutzerkanaele.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "files/benutzerkanaele.h"
#include "files/textdatei.h"
#include "model/kanalzeiger.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <climits>
#include <cstdio>

using namespace plattform;

namespace {

enum : int {
    idNeuron = 1517, idKanal = 1505, idAnzahl = 1537, idFormAlpha = 2034, idFormBeta = 2035,
    idHilfAlpha = 1548, idHilfBeta = 1521, idAktivierend = 1549, idSynapseAn = 1556, idSynapseId = 1554,
    idSofort = 1550, idAlleMarkierten = 1552, idHakenHilfAlpha = 1545, idHakenHilfBeta = 1544,
    idNeu = 1518, idLoeschen = 1519, idMark = 1522, idAlle = 1536, idKopierenAlle = 1546,
    idKopierenGecheckt = 1538, idLaden = 1542, idSpeichern = 1543, idSpeichernAlle = 1520,
};
constexpr std::array<int, 12> wertFelder = {1504, 1506, 1507, 1508, 1509, 1510, 1511, 1512, 1513, 1514, 1515, 1516};
constexpr std::array<int, 12> wertHaken = {1523, 1524, 1525, 1526, 1527, 1528, 1529, 1530, 1531, 1532, 1533, 1534};
constexpr std::array<int, 3> modusKnoepfe = {1539, 1540, 1541};
constexpr int feldLeitfaehigkeit = 1, feldFormAlpha = 4, feldFormBeta = 8;
constexpr int textStandardName = 688, textMarke = 993, textSynapseFehlt = 985;
constexpr int textFilter = 991, textTitel = 992;

using Liste = std::list<BenutzerKanal>;

DialogRahmen rahmen;
std::array<Liste, neuronTabellenGroesse> arbeit;   // by neuron number
std::array<int, neuronTabellenGroesse> marke{};
NeuronDaten* gezeigt = nullptr;
int inAlleMarkierten = 0;
int sofort = 0;
int kopierFrage = 1;            // for the program run
std::string letzteDatei;        // the channel file read last in this program run
bool laufNachSchliessen = false;

template <class K>
auto werte(K& k)
{
    return std::array{&k.gleichgewichtspotential, &k.leitfaehigkeit, &k.potenz, &k.torStartwert,
                      &k.alpha[0], &k.alpha[1], &k.alpha[2], &k.alpha[3],
                      &k.beta[0],  &k.beta[1],  &k.beta[2],  &k.beta[3]};
}

bool inBenutzung(const BenutzerKanal& k) { return k.alpha[0] != 0.0 && k.beta[0] != 0.0; }

Liste& liste(const NeuronDaten* n) { return arbeit[static_cast<size_t>(n->nummer)]; }

Liste::iterator kanalAn(Liste& l, int position)
{
    auto it = l.begin();
    for (int i = 0; i < position && it != l.end(); ++i)
        ++it;
    return it == l.end() ? l.begin() : it;
}
BenutzerKanal& gezeigterKanal() { return *kanalAn(liste(gezeigt), gezeigt->kanalImDialog); }

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void markeText(Fenster dlg)
{
    elementTextSetzen(dlg, idMark, textFeldHolen(meldungsTexte[textMarke], gezeigt && marke[gezeigt->nummer] ? 1 : 0));
}

void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    inAlleMarkierten = 0;
    for (Liste& l : arbeit)
        l.clear();
    marke.fill(0);
    gezeigt = nullptr;
    sofort = programmOptionen.kanalDialogSofortStarten;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (!neuronNummerGueltig(n->nummer))
            continue;
        marke[n->nummer] = markierteNeurone.position(n) != 0;
        liste(n) = n->benutzerKanaele;
        if (liste(n).empty())
            liste(n).emplace_back();
        if (!gezeigt && marke[n->nummer])
            gezeigt = n;
    }
    aktuellesNeuron = markierteNeurone.erstes() ? markierteNeurone.erstes() : neuronKette.kopf;
    vorlagenTooltipsSetzen(dlg, vorlageKanalEigenschaften);
    const int zeigen = dialogEinstellungen.dialogeKomplett ? 1 : 0;
    for (int id : wertHaken)
        elementZeigen(dlg, id, zeigen);
    for (int id : {idHakenHilfAlpha, idHakenHilfBeta, idKopierenGecheckt})
        elementZeigen(dlg, id, zeigen);
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageKanalEigenschaften); }

void formListeFuellen(Fenster dlg, int id, double form)
{
    listeLeeren(dlg, id);
    for (const Formel& f : formelListe) {
        const int i = listeHinzufuegen(dlg, id, f.name);
        listeDatenSetzen(dlg, id, i, f.funktionaleForm);
        if (f.funktionaleForm == form)
            listeAuswahlSetzen(dlg, id, i);
    }
}

void fuellen(Fenster dlg)
{
    // the neurons
    if (!gezeigt || !neuronNummerGueltig(gezeigt->nummer))
        gezeigt = neuronKette.kopf;
    listeLeeren(dlg, idNeuron);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (!neuronNummerGueltig(n->nummer))
            continue;
        const int i = listeHinzufuegen(dlg, idNeuron, (marke[n->nummer] ? "* " : "    ") + neuronAnzeigename(*n));
        listeDatenSetzen(dlg, idNeuron, i, reinterpret_cast<intptr_t>(n));
        if (n == gezeigt)
            listeAuswahlSetzen(dlg, idNeuron, i);
    }
    if (!gezeigt)
        return;
    aktuellesNeuron = gezeigt;
    // the channels of the shown neuron
    Liste& l = liste(gezeigt);
    if (gezeigt->kanalImDialog < 0 || gezeigt->kanalImDialog >= static_cast<int>(l.size()))
        gezeigt->kanalImDialog = 0;
    listeLeeren(dlg, idKanal);
    int position = 0;
    for (BenutzerKanal& k : l) {
        if (k.name.empty())
            k.name = meldungFormatieren(textStandardName, position + 1);
        listeHinzufuegen(dlg, idKanal, k.name);
        ++position;
    }
    listeAuswahlSetzen(dlg, idKanal, gezeigt->kanalImDialog);
    // the shown channel's fields
    const auto it = kanalAn(l, gezeigt->kanalImDialog);
    const BenutzerKanal& k = *it;
    const auto w = werte(k);
    for (size_t i = 0; i < wertFelder.size(); ++i)
        elementTextSetzen(dlg, wertFelder[i], zahlText(*w[i]));
    elementTextSetzen(dlg, idHilfAlpha, zahlText(k.hilfsparameterAlpha));
    elementTextSetzen(dlg, idHilfBeta, zahlText(k.hilfsparameterBeta));
    formListeFuellen(dlg, idFormAlpha, k.alpha[0]);
    formListeFuellen(dlg, idFormBeta, k.beta[0]);
    hakenSetzen(dlg, idAktivierend, k.aktivierungMitDeaktivierung == 1);
    hakenSetzen(dlg, idSynapseAn, k.stromUeberSynapse != 0);
    const int modus = k.berechnungsmodus >= 1 && k.berechnungsmodus <= 3 ? k.berechnungsmodus : 1;
    for (int m = 1; m <= 3; ++m)
        hakenSetzen(dlg, modusKnoepfe[m - 1], m == modus);
    elementTextSetzen(dlg, idSynapseId, std::to_string(k.synapseId));
    dialogElementAktivieren(dlg, idSynapseId, k.stromUeberSynapse != 0);
    hakenSetzen(dlg, idSofort, sofort);
    hakenSetzen(dlg, idAlleMarkierten, inAlleMarkierten);
    // the inactivating part of an activating channel names it
    const BenutzerKanal* vorher = it == l.begin() ? nullptr : &*std::prev(it);
    const bool inaktivierend = vorher && vorher->aktivierungMitDeaktivierung == 1;
    elementTextSetzen(dlg, idAktivierend, inaktivierend ? dialogTextFormatieren(494, vorher->name) : dialogTexte[493]);
    dialogElementAktivieren(dlg, idAktivierend, !inaktivierend);
    // what may be deleted or added
    elementZeigen(dlg, idLoeschen, !((it == l.begin() && l.size() > 1) || inaktivierend));
    elementZeigen(dlg, idNeu, inBenutzung(k));
    elementTextSetzen(dlg, idAnzahl, dialogTextFormatieren(485, static_cast<int>(l.size())));
}

void neuFuellen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

bool lesen(Fenster dlg)
{
    if (!gezeigt)
        return false;
    return kanalDialogWerteLesen(dlg, gezeigterKanal(), sofort) == 1;
}

void kanalWechseln(Fenster dlg)
{
    const int wahl = listeAuswahl(dlg, idKanal);
    if (wahl < 0 || !gezeigt)
        return;
    if (!lesen(dlg)) {
        listeAuswahlSetzen(dlg, idKanal, gezeigt->kanalImDialog);
        hinweisBox(meldungsTexte[686]);
        return;
    }
    gezeigt->kanalImDialog = wahl;
    neuFuellen(dlg);
}

void neuronWechseln(Fenster dlg)
{
    const int wahl = listeAuswahl(dlg, idNeuron);
    if (wahl < 0)
        return;
    if (gezeigt && !lesen(dlg)) {
        neuFuellen(dlg);   // the selection goes back to the shown neuron
        return;
    }
    gezeigt = reinterpret_cast<NeuronDaten*>(listeDaten(dlg, idNeuron, wahl));
    markeText(dlg);
    neuFuellen(dlg);
}

void neuerKanal(Fenster dlg)
{
    Liste& l = liste(gezeigt);
    auto nach = kanalAn(l, gezeigt->kanalImDialog);
    if (nach->aktivierungMitDeaktivierung == 1 && std::next(nach) != l.end())
        ++nach;
    std::string name;
    for (int n = 1;; ++n) {
        name = meldungFormatieren(textStandardName, n);
        bool vergeben = false;
        for (const BenutzerKanal& k : l)
            vergeben = vergeben || k.name == name;
        if (!vergeben)
            break;
    }
    const auto neu = l.insert(std::next(nach), BenutzerKanal{});
    neu->name = name;
    gezeigt->kanalImDialog = static_cast<int>(std::distance(l.begin(), neu));
    neuFuellen(dlg);
}

void kanalLoeschen(Fenster dlg)
{
    Liste& l = liste(gezeigt);
    const auto it = kanalAn(l, gezeigt->kanalImDialog);
    if (sysInfoBox(meldungFormatieren(243, it->name), knoepfe::JaNein) != antwort::Ja)
        return;
    if (it != l.begin()) {
        auto ende = std::next(it);
        if (it->aktivierungMitDeaktivierung == 1 && ende != l.end())
            ++ende;
        l.erase(it, ende);
    } else if (l.size() == 1 && it->aktivierungMitDeaktivierung != 1) {
        *it = BenutzerKanal{};
    } else {
        return;
    }
    gezeigt->kanalImDialog = 0;
    neuFuellen(dlg);
}

void markieren(Fenster dlg, bool alle)
{
    const int neu = !marke[gezeigt->nummer];
    if (alle)
        marke.fill(neu);
    else
        marke[gezeigt->nummer] = neu;
    markeText(dlg);
    neuFuellen(dlg);
}

void inMarkierteKopieren(Fenster dlg, bool nurGecheckte)
{
    if (kopierFrage) {
        eingabeParameter.titel = meldungsTexte[145];
        eingabeParameter.text1 = meldungsTexte[146];
        eingabeParameter.kastenText = meldungsTexte[147];
        eingabeParameter.kastenZustand = 0;
        eingabeParameter.flags = eingabeFlag::Kontrollkasten | eingabeFlag::KeineEingabe;
        if (eingabeDialogOeffnen() == 2)
            return;
        if (eingabeParameter.kastenZustand == 1)
            kopierFrage = 0;
    }
    if (!gezeigt) {
        hinweisBox(meldungsTexte[689]);
        gezeigt = neuronKette.kopf;
        if (gezeigt)
            gezeigt->kanalImDialog = 0;
        neuFuellen(dlg);
        return;
    }
    if (!lesen(dlg)) {
        neuFuellen(dlg);
        return;
    }
    const BenutzerKanal& q = gezeigterKanal();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (n == gezeigt || !neuronNummerGueltig(n->nummer) || !marke[n->nummer])
            continue;
        for (BenutzerKanal& z : liste(n)) {
            if (z.name != q.name || z.alpha[0] != q.alpha[0] || z.beta[0] != q.beta[0])
                continue;
            if (!nurGecheckte) {
                kanalKopieren(z, q);
            } else {
                const auto zw = werte(z);
                const auto qw = werte(q);
                for (size_t i = 0; i < wertHaken.size(); ++i)
                    if (haken(dlg, wertHaken[i]) == 1)
                        *zw[i] = *qw[i];
                if (haken(dlg, idHakenHilfAlpha) == 1)
                    z.hilfsparameterAlpha = q.hilfsparameterAlpha;
                if (haken(dlg, idHakenHilfBeta) == 1)
                    z.hilfsparameterBeta = q.hilfsparameterBeta;
                z.berechnungsmodus = q.berechnungsmodus;
            }
            break;
        }
    }
}

// Loading into every dialog-marked neuron stops at the first cancelled file choice; the
// empty channel appended for that neuron goes again.
void kanaeleLaden(Fenster dlg)
{
    if (!inAlleMarkierten) {
        Liste& l = liste(gezeigt);
        kanalDateiLesen(l, kanalAn(l, gezeigt->kanalImDialog), 0);
    } else {
        int aufruf = 0;
        for (int nummer = 0; nummer < neuronTabellenGroesse; ++nummer) {
            if (!marke[nummer] || !neuronNachNummer(nummer))
                continue;
            Liste& l = arbeit[nummer];
            const bool angehaengt = !l.empty() && inBenutzung(l.front());
            if (angehaengt || l.empty())
                l.emplace_back();
            if (!kanalDateiLesen(l, angehaengt ? std::prev(l.end()) : l.begin(), aufruf++)) {
                if (angehaengt)
                    l.pop_back();
                break;
            }
        }
    }
    neuFuellen(dlg);
}

void kanaeleSpeichern()
{
    const Liste& l = liste(gezeigt);
    const auto it = kanalAn(liste(gezeigt), gezeigt->kanalImDialog);
    eingabeParameter.titel = meldungsTexte[135];
    eingabeParameter.text1 = meldungsTexte[136];
    eingabeParameter.eingabeBeschriftung = meldungsTexte[137];
    eingabeParameter.eingabeText = it->aktivierungMitDeaktivierung == 1 ? "2" : "1";
    eingabeParameter.flags = 0;
    if (eingabeDialogOeffnen() != 1)
        return;
    double x = 0.0;
    if (!dialogTextZahl(eingabeParameter.eingabeText, x)) {
        hinweisBox(meldungFormatieren(952, eingabeParameter.eingabeBeschriftung));
        return;
    }
    const int anzahl = kommaGanzzahlLesen(eingabeParameter.eingabeText.data());
    if (anzahl >= 1)
        kanalDateiSpeichern(l, it, anzahl);
}

// the next read of the fields clears the flag when the user keeps the box unticked
void aktivierendGeklickt(Fenster dlg)
{
    BenutzerKanal& k = gezeigterKanal();
    if (haken(dlg, idAktivierend) == 1)
        k.aktivierungMitDeaktivierung = 1;
    else if (k.aktivierungMitDeaktivierung == 1 && sysInfoBox(meldungsTexte[530], knoepfe::JaNein) != antwort::Ja)
        hakenSetzen(dlg, idAktivierend, 1);
}

void formGewaehlt(Fenster dlg, int liste, int feld)
{
    const int i = listeAuswahl(dlg, liste);
    if (i >= 0)
        elementTextSetzen(dlg, feld, std::to_string(listeDaten(dlg, liste, i)));
}

void formFeldVerlassen(Fenster dlg, int feld, int liste, double& form)
{
    std::string t = elementText(dlg, feld, 255);
    double x = 0.0;
    if (!dialogTextZahl(t, x))
        return;   // no number: the text stays for the next read to name
    const int zahl = kommaGanzzahlLesen(t.data());
    listeAuswahlSetzen(dlg, liste, -1);
    for (int i = 0; i < listeAnzahl(dlg, liste); ++i)
        if (listeDaten(dlg, liste, i) == zahl)
            listeAuswahlSetzen(dlg, liste, i);
    form = zahl;
}

void schliessen(Fenster dlg, intptr_t ergebnis)
{
    dialogSchliessen(dlg, rahmen, ergebnis, true);
    for (Liste& l : arbeit)
        l.clear();
    laufNachSchliessen = sofort != 0;
    sofort = 0;
}

void allesSpeichern(Fenster dlg, int id)
{
    if (!gezeigt) {
        hinweisBox(meldungsTexte[689]);
        return;
    }
    if (!lesen(dlg)) {
        neuFuellen(dlg);
        return;
    }
    if (id == befehlOkF2)
        sofort = 1;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (!neuronNummerGueltig(n->nummer))
            continue;
        Liste& l = liste(n);
        // the empty channel shown for a neuron without channels stays out
        if (l.size() == 1 && !inBenutzung(l.front()))
            l.clear();
        n->benutzerKanaele = l;
        kanalZeigerAktualisieren(*n);
        for (size_t s = 0; s < n->kurvenKanaele.size(); ++s)
            if (n->kurvenKanaele[s])
                n->hauptDiagramm.kurven[static_cast<size_t>(kurve::Kanal1) + s].bezeichnung = n->kurvenKanaele[s]->name;
    }
    undoSchrittSpeichern(undoListe);
    programmOptionen.kanalDialogSofortStarten = sofort;
    schliessen(dlg, 1);
}

DateiWahl knlWahl(bool speichern)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.programmVerzeichnis + "parameter";
    wahl.endung = "knl";
    wahl.filter = filterAusText(meldungsTexte[textFilter]);
    wahl.titel = textFeldHolen(meldungsTexte[textTitel], speichern ? 1 : 0);
    wahl.speichern = speichern;
    return wahl;
}

} // namespace

void kanalKopieren(BenutzerKanal& ziel, const BenutzerKanal& quelle)
{
    const auto z = werte(ziel);
    const auto q = werte(quelle);
    for (size_t i = 0; i < z.size(); ++i)
        *z[i] = *q[i];
    ziel.berechnungsmodus = quelle.berechnungsmodus;
    ziel.hilfsparameterAlpha = quelle.hilfsparameterAlpha;
    ziel.hilfsparameterBeta = quelle.hilfsparameterBeta;
    ziel.aktivierungMitDeaktivierung = quelle.aktivierungMitDeaktivierung;
    ziel.stromUeberSynapse = quelle.stromUeberSynapse;
    ziel.synapseId = quelle.synapseId;
    ziel.name = quelle.name;
}

int kanalDialogWerteLesen(Fenster dlg, BenutzerKanal& k, int& sofortStarten)
{
    // the twelve values; an empty one stops here
    const auto w = werte(k);
    for (size_t i = 0; i < wertFelder.size(); ++i) {
        if (elementText(dlg, wertFelder[i], 255).find_first_not_of(" \t") == std::string::npos) {
            piepen(1000, 100);
            hinweisBox(meldungsTexte[412]);
            senden(dlg, nachricht::DialogInit, 0, 0);
            dialogElementFokussieren(dlg, wertFelder[i], 1);
            return 0;
        }
        // a text without a number is named and stays in its field
        if (!dialogZahlFeldLesen(dlg, wertFelder[i], *w[i]))
            return 0;
    }
    // the auxiliary values, the switches and the mode
    double hilfAlpha = 0.0, hilfBeta = 0.0;
    if (!dialogZahlFeldLesen(dlg, idHilfAlpha, hilfAlpha) || !dialogZahlFeldLesen(dlg, idHilfBeta, hilfBeta))
        return 0;
    k.hilfsparameterAlpha = hilfAlpha;
    k.hilfsparameterBeta = hilfBeta;
    k.aktivierungMitDeaktivierung = haken(dlg, idAktivierend) == 1 ? 1 : 0;
    sofortStarten = haken(dlg, idSofort) == 1 ? 1 : 0;
    for (int m = 1; m <= 3; ++m)
        if (haken(dlg, modusKnoepfe[m - 1]) == 1) {
            k.berechnungsmodus = m;
            break;
        }
    // a conducting channel needs both formulas
    if (k.leitfaehigkeit != 0.0 && (k.alpha[0] == 0.0 || k.beta[0] == 0.0)) {
        hinweisBox(meldungsTexte[413]);
        dialogElementFokussieren(dlg, wertFelder[feldLeitfaehigkeit], 1);
        return 0;
    }
    // an unknown switching synapse is only told
    int synapse = 0;
    if (!dialogGanzzahlLesen(dlg, idSynapseId, INT_MIN, INT_MAX, synapse))
        return 0;
    k.stromUeberSynapse = haken(dlg, idSynapseAn) == 1 ? 1 : 0;
    k.synapseId = synapse;
    if (k.stromUeberSynapse && !synapseNachId(k.synapseId))
        hinweisBox(meldungFormatieren(textSynapseFehlt, k.synapseId));
    return 1;
}

int kanalDateiLesen(Liste& l, Liste::iterator ziel, int aufruf)
{
    std::string pfad;
    if (aufruf != 0 && !letzteDatei.empty()) {
        pfad = letzteDatei;
    } else {
        DateiWahl wahl = knlWahl(false);
        do {
            if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
                return 0;
        } while (!dateiExistiert(gewaehlterPfad(wahl)));
        pfad = gewaehlterPfad(wahl);
    }
    Liste gelesen;
    if (knlDateiLaden(pfad, gelesen) <= 0 || gelesen.empty()) {
        // a file that was read and holds no channel is a load of nothing: the target stays
        // as it is and later calls read the same file; one that cannot be read was refused
        std::string text;
        if (!textDateiLesen(pfad, text))
            return 0;
        letzteDatei = pfad;
        return 1;
    }
    letzteDatei = pfad;
    kanalKopieren(*ziel, gelesen.front());
    l.splice(std::next(ziel), gelesen, std::next(gelesen.begin()), gelesen.end());
    return 1;
}

int kanalDateiSpeichern(const Liste& l, Liste::const_iterator von, int anzahl)
{
    DateiWahl wahl = knlWahl(true);
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    return knlDateiSpeichern(gewaehlterPfad(wahl), von, l.end(), anzahl) ? 1 : 0;
}

intptr_t kanalEigenschaftenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        const int art = hiWort(w);
        if (!gezeigt && id != 2) {   // a network without neurons
            if (id == idSpeichernAlle || id == befehlOkF2 || id == idKopierenAlle || id == idKopierenGecheckt)
                hinweisBox(meldungsTexte[689]);
            return 1;
        }
        switch (id) {
        case idKanal:
            if (art == benachrichtigung::AuswahlGeaendert)
                kanalWechseln(dlg);
            else if (art == benachrichtigung::KombiEditGeaendert) {
                gezeigterKanal().name = elementText(dlg, idKanal, 259);
                neuFuellen(dlg);
            }
            return 1;
        case idNeuron:
            if (art == benachrichtigung::AuswahlGeaendert)
                neuronWechseln(dlg);
            return 1;
        case idFormAlpha:
        case idFormBeta:
            if (art == benachrichtigung::AuswahlGeaendert)
                formGewaehlt(dlg, id, id == idFormAlpha ? wertFelder[feldFormAlpha] : wertFelder[feldFormBeta]);
            return 1;
        case 1509:
            if (art == benachrichtigung::FokusVerloren)
                formFeldVerlassen(dlg, id, idFormAlpha, gezeigterKanal().alpha[0]);
            return 1;
        case 1513:
            if (art == benachrichtigung::FokusVerloren)
                formFeldVerlassen(dlg, id, idFormBeta, gezeigterKanal().beta[0]);
            return 1;
        case idNeu: neuerKanal(dlg); return 1;
        case idLoeschen: kanalLoeschen(dlg); return 1;
        case idMark: markieren(dlg, false); return 1;
        case idAlle: markieren(dlg, true); return 1;
        case idKopierenAlle: inMarkierteKopieren(dlg, false); return 1;
        case idKopierenGecheckt: inMarkierteKopieren(dlg, true); return 1;
        case idLaden: kanaeleLaden(dlg); return 1;
        case idSpeichern: kanaeleSpeichern(); return 1;
        case idAktivierend: aktivierendGeklickt(dlg); return 1;
        case idSynapseAn:
            gezeigterKanal().stromUeberSynapse = haken(dlg, id) == 1 ? 1 : 0;
            dialogElementAktivieren(dlg, idSynapseId, haken(dlg, id) == 1);
            return 1;
        case idAlleMarkierten: inAlleMarkierten = haken(dlg, id) == 1 ? 1 : 0; return 1;
        case idSpeichernAlle:
        case befehlOkF2: allesSpeichern(dlg, id); return 1;
        case 2:
            sofort = 0;
            schliessen(dlg, 2);
            return 1;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t kanalEigenschaftenBefehl(Fenster eigner)
{
    if (markierteNeurone.liste.empty())
        return 2;
    laufNachSchliessen = false;
    const intptr_t r = dialogModal(vorlageKanalEigenschaften, eigner ? eigner : fensterhandles.hauptfenster,
                                   kanalEigenschaftenDlgProc);
    if (laufNachSchliessen) {
        laufNachSchliessen = false;
        simulationAusDialogStarten();
    }
    return r;
}
