// dialogs/rueckkopplung.cpp - "Einstellungen für Rueckkopplungsobjekt" (299): one feedback
// object on a working copy that only OK gives back
#include "core/rahmen.h"
#include "dialogs/objektdialoge.h"
#include "dialogs/rahmen.h"
#include "core/schluessel.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/hilfe.h"
#include "platform/pfad.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

using namespace plattform;

namespace {

enum : int {
    idAktiv = 1862, idName = 1895, idFest = 2067, idLinear = 2068, idTabelle = 2069,
    idUeberlappung = 2066, idZielaktivierung = 2070, idAusschaltAktiv = 1918,
    idTriggerListe = 1910, idWaehlen = 1914, idZielListe = 1911, idZielMark = 1912, idZielUnmark = 1913,
    idAusListe = 1915, idAusMark = 1916, idAusUnmark = 1917, idGraphik = 1909, idHilfe = 1919, idLoeschen = 1920,
    idReizDauer = 1890, idReizAmplitude = 1892, idApsProBurst = 1899,
};
constexpr int geradenFelder[3][2] = {{1875, 1878}, {1880, 1882}, {1884, 1886}};   // slope, intercept
constexpr int listen[3] = {idTriggerListe, idZielListe, idAusListe};

DialogRahmen fensterRahmen;
Rueckkopplungsobjekt* objekt = nullptr;
Rueckkopplungsobjekt kopie;
int auswahl[3] = {-1, -1, -1};   // of the three lists; -1 not yet chosen
bool texteFaellig = false;   // the next fill is an opening's: every edit shows the copy

// the number fields and where they go; apsProBurst is read on its own as a whole number
struct ZahlFeld { int id; double* ziel; };
std::vector<ZahlFeld> zahlFelder()
{
    Rueckkopplungsobjekt& k = kopie;
    std::vector<ZahlFeld> f = {{idReizDauer, &k.stromreizDauer}, {idReizAmplitude, &k.stromreizAmplitude},
                               {1903, &k.triggerFrequenz},        {1894, &k.triggerParameter},
                               {1905, &k.burstpause},             {1902, &k.maxInterSpikeIntervall},
                               {1906, &k.startInterSpikeIntervall}, {1900, &k.elevatorDelay},
                               {1907, &k.elevatorMaxDauer}};
    for (int i = 0; i < 3; ++i) {
        f.push_back({geradenFelder[i][0], &k.geradenSteigung[i]});
        f.push_back({geradenFelder[i][1], &k.geradenAchsenabschnitt[i]});
    }
    return f;
}

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

// the object's list links stay when the working copy goes over it
void uebernehmen(Rueckkopplungsobjekt& ziel, const Rueckkopplungsobjekt& quelle)
{
    Rueckkopplungsobjekt* naechstes = ziel.naechstes;
    Rueckkopplungsobjekt* voriges = ziel.voriges;
    ziel = quelle;
    ziel.naechstes = naechstes;
    ziel.voriges = voriges;
}

bool hatRolle(int liste, const NeuronDaten* n)
{
    switch (liste) {
    case 0: return kopie.triggerNeuron == n;
    case 1: return std::find(kopie.zielneurone.begin(), kopie.zielneurone.end(), n) != kopie.zielneurone.end();
    default: return kopie.elevatorNeuron == n;
    }
}

NeuronDaten* gewaehlt(Fenster dlg, int liste)
{
    const int i = listeAuswahl(dlg, listen[liste]);
    return i < 0 ? nullptr : reinterpret_cast<NeuronDaten*>(listeDaten(dlg, listen[liste], i));
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageRueckkopplung); }

void oeffnen(Fenster dlg)
{
    dialogElementFokussieren(dlg, geradenFelder[0][0], 1);
}

void listenFuellen(Fenster dlg)
{
    for (int l = 0; l < 3; ++l) {
        const int id = listen[l];
        listeLeeren(dlg, id);
        int erstesMarkiertes = -1;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            const bool rolle = hatRolle(l, n);
            const int i = listeHinzufuegen(dlg, id, (rolle ? "*    " : "     ") + neuronAnzeigename(*n));
            listeDatenSetzen(dlg, id, i, reinterpret_cast<intptr_t>(n));
            if (rolle && erstesMarkiertes < 0)
                erstesMarkiertes = i;
        }
        const int anzahl = listeAnzahl(dlg, id);
        if (auswahl[l] < 0 || auswahl[l] >= anzahl)
            auswahl[l] = anzahl == 0 ? -1 : std::max(erstesMarkiertes, 0);
        listeAuswahlSetzen(dlg, id, auswahl[l]);
    }
}

void fuellen(Fenster dlg)
{
    listenFuellen(dlg);
    hakenSetzen(dlg, idAktiv, kopie.objektAktiv != 0);
    hakenSetzen(dlg, idUeberlappung, kopie.reizueberlappung == 0);
    hakenSetzen(dlg, idZielaktivierung, kopie.zielaktivierungBeiBurstbeginn != 0);
    hakenSetzen(dlg, idAusschaltAktiv, kopie.elevatorAktiv != 0);
    const int art = kopie.artDesZusammenhangs;
    hakenSetzen(dlg, idFest, art == zusammenhang::FesteWerte);
    hakenSetzen(dlg, idLinear, art == zusammenhang::Gerade);
    hakenSetzen(dlg, idTabelle, art != zusammenhang::FesteWerte && art != zusammenhang::Gerade);
    // A refill shows the copy again, but a text that holds no number stays for OK to name:
    // leaving the field did not take it into the copy.
    const auto zeigen = [dlg](int id, const std::string& text) {
        double x = 0.0;
        if (texteFaellig || dialogTextZahl(elementText(dlg, id, 255), x))
            elementTextSetzen(dlg, id, text);
    };
    elementTextSetzen(dlg, idName, kopie.objektName);
    for (const ZahlFeld& f : zahlFelder())
        zeigen(f.id, zahlText(*f.ziel));
    zeigen(idApsProBurst, std::to_string(kopie.apsProBurst));
    texteFaellig = false;

    // what may be used now
    const auto markiert = [&](int l) { return hatRolle(l, gewaehlt(dlg, l)); };
    dialogElementAktivieren(dlg, idWaehlen, gewaehlt(dlg, 0) && !markiert(0));
    for (int i = 0; i < 3; ++i) {
        dialogElementAktivieren(dlg, geradenFelder[i][0], art == zusammenhang::Gerade);
        dialogElementAktivieren(dlg, geradenFelder[i][1], art != zusammenhang::Tabelle);
    }
    dialogElementAktivieren(dlg, idZielaktivierung, art != zusammenhang::FesteWerte);
    const bool aus = kopie.elevatorAktiv != 0;
    dialogElementAktivieren(dlg, idAusListe, aus);
    dialogElementAktivieren(dlg, idAusMark, aus && gewaehlt(dlg, 2) && !markiert(2));
    dialogElementAktivieren(dlg, idAusUnmark, aus && markiert(2));
    dialogElementAktivieren(dlg, idZielMark, gewaehlt(dlg, 1) && !markiert(1));
    dialogElementAktivieren(dlg, idZielUnmark, markiert(1));
}

void neuOeffnen(Fenster dlg) { senden(dlg, nachricht::DialogInit, 0, 0); }

// an edit left after a change goes into the working copy at once
void feldVerlassen(Fenster dlg, int id)
{
    if (!elementGeaendert(dlg, id))
        return;
    if (id == idName) {
        kopie.objektName = elementText(dlg, id, 259);
        return;
    }
    // only a number goes into the copy; any other text stays for OK to name
    std::string t = elementText(dlg, id, 255);
    double x = 0.0;
    if (!dialogTextZahl(t, x))
        return;
    if (id == idApsProBurst) {
        kopie.apsProBurst = kommaGanzzahlLesen(t.data());
    } else {
        for (const ZahlFeld& f : zahlFelder())
            if (f.id == id)
                *f.ziel = x;
    }
}

void zielUnmarkieren(Fenster dlg)
{
    const NeuronDaten* n = gewaehlt(dlg, 1);
    std::vector<NeuronDaten*>& z = kopie.zielneurone;
    if (z.size() == 1)
        z.clear();
    else if (n)   // every entry of that neuron goes, however often it was marked
        z.erase(std::remove_if(z.begin(), z.end(), [n](const NeuronDaten* x) { return x->nummer == n->nummer; }),
                z.end());
}

void loeschen(Fenster dlg)
{
    if (sysInfoBox(meldungFormatieren(553), knoepfe::JaNein) != antwort::Ja)
        return;
    rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, objekt);
    objekt = nullptr;
    dialogSchliessen(dlg, fensterRahmen, 2, false);
    ungueltigMachen(fensterhandles.hauptfenster);
}

bool frage(int text, int fokus, Fenster dlg)
{
    if (sysInfoBox(meldungFormatieren(text), knoepfe::JaNein) == antwort::Ja)
        return true;
    dialogElementFokussieren(dlg, fokus, 1);
    return false;
}

void speichern(Fenster dlg, int id)
{
    const auto fehler = [dlg](int text, int fokus) {
        hinweisBox(meldungFormatieren(text));
        dialogElementFokussieren(dlg, fokus, 0);
    };
    if (!kopie.triggerNeuron)
        return fehler(509, idTriggerListe);
    if (kopie.zielneurone.empty())
        return fehler(510, idZielListe);
    kopie.objektName = elementText(dlg, idName, 259);
    if (kopie.objektName.empty())
        return fehler(511, idName);
    // every number before any of them goes into the copy
    const std::vector<ZahlFeld> felder = zahlFelder();
    std::vector<double> zahlen(felder.size());
    for (size_t i = 0; i < felder.size(); ++i)
        if (!dialogZahlFeldLesen(dlg, felder[i].id, zahlen[i]))
            return;
    int aps = 0;
    if (!dialogGanzzahlLesen(dlg, idApsProBurst, INT_MIN, INT_MAX, aps))
        return;
    for (size_t i = 0; i < felder.size(); ++i)
        *felder[i].ziel = zahlen[i];
    kopie.apsProBurst = aps;
    kopie.objektAktiv = haken(dlg, idAktiv);
    kopie.reizueberlappung = haken(dlg, idUeberlappung) ? 0 : 1;
    kopie.zielaktivierungBeiBurstbeginn = haken(dlg, idZielaktivierung);
    kopie.artDesZusammenhangs = haken(dlg, idFest) ? 0 : haken(dlg, idLinear) ? 1 : 2;
    kopie.elevatorAktiv = haken(dlg, idAusschaltAktiv) && kopie.elevatorNeuron ? 1 : 0;
    if (kopie.artDesZusammenhangs == zusammenhang::Tabelle) {
        if (kopie.zusammenhangsTabelle.empty())
            return fehler(512, idLinear);
    } else {
        double summe = 0.0;
        for (int i = 0; i < 3; ++i)
            summe += kopie.geradenSteigung[i] + kopie.geradenAchsenabschnitt[i];
        if (summe == 0.0 && !frage(554, geradenFelder[0][0], dlg))
            return;
    }
    if (kopie.stromreizDauer == 0.0 && !frage(555, idReizDauer, dlg))
        return;
    if (kopie.stromreizAmplitude == 0.0 && !frage(556, idReizAmplitude, dlg))
        return;
    uebernehmen(*objekt, kopie);
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, fensterRahmen, 1, false);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    ungueltigMachen(fensterhandles.hauptfenster);
}

void befehl(Fenster dlg, int id, int art)
{
    for (int l = 0; l < 3; ++l)
        if (id == listen[l]) {
            if (art == benachrichtigung::AuswahlGeaendert) {
                auswahl[l] = listeAuswahl(dlg, id);
                neuOeffnen(dlg);
            }
            return;
        }
    if (art == benachrichtigung::FokusVerloren)
        return feldVerlassen(dlg, id);
    switch (id) {
    case idWaehlen: kopie.triggerNeuron = gewaehlt(dlg, 0); break;
    case idZielMark:
        if (NeuronDaten* n = gewaehlt(dlg, 1))
            kopie.zielneurone.push_back(n);
        break;
    case idZielUnmark: zielUnmarkieren(dlg); break;
    case idAusMark: kopie.elevatorNeuron = gewaehlt(dlg, 2); break;
    case idAusUnmark: kopie.elevatorNeuron = nullptr; break;
    case idAusschaltAktiv: kopie.elevatorAktiv = haken(dlg, id); break;
    case idFest: kopie.artDesZusammenhangs = zusammenhang::FesteWerte; break;
    case idLinear: kopie.artDesZusammenhangs = zusammenhang::Gerade; break;
    case idTabelle: kopie.artDesZusammenhangs = zusammenhang::Tabelle; break;
    case idAktiv: kopie.objektAktiv = haken(dlg, id); return;
    case idUeberlappung: kopie.reizueberlappung = haken(dlg, id) ? 0 : 1; return;
    case idZielaktivierung: kopie.zielaktivierungBeiBurstbeginn = haken(dlg, id); return;
    case idGraphik: objektGraphikDialogOeffnen(dlg, objektArt::Rueckkopplung, &kopie); return;
    case idHilfe: rueckkopplungHilfeZeigen(); return;
    case idLoeschen: loeschen(dlg); return;
    case 1:
    case befehlOkF2: speichern(dlg, id); return;
    case 2: dialogSchliessen(dlg, fensterRahmen, 2, false); return;
    default: return;
    }
    neuOeffnen(dlg);   // a role or the mode changed: marks and enabled states follow
}

} // namespace

intptr_t rueckkopplungDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, fensterRahmen);
        return 0;
    case nachricht::Zerstoeren:
        fensterRahmen.frisch = 1;   // an opening that ended without our close: the next takes its object anew
        return 0;
    case nachricht::DialogInit:
        if (fensterRahmen.frisch) {
            undoFensterlisteSpeichern(undoListe);
            objekt = l ? reinterpret_cast<Rueckkopplungsobjekt*>(l) : aktuellesRueckkopplungsobjekt;
            if (!objekt) {
                dialogBeenden(dlg, 2);
                return 1;
            }
            aktuellesRueckkopplungsobjekt = objekt;
            if (objekt->graphik.zeilenabstandDivisor == 0 || objekt->graphik.rautenbreite == 0)
                rueckkopplungGraphikVorgaben(*objekt);
            kopie = *objekt;
            auswahl[0] = auswahl[1] = auswahl[2] = -1;
            texteFaellig = true;
        }
        dialogInitialisieren(dlg, fensterRahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        befehl(dlg, loWort(w), hiWort(w));
        return 0;
    }
    return 0;
}

intptr_t rueckkopplungDialogOeffnen(Fenster eigner, Rueckkopplungsobjekt* o)
{
    return dialogModal(vorlageRueckkopplung, eigner ? eigner : fensterhandles.hauptfenster, rueckkopplungDlgProc,
                       reinterpret_cast<intptr_t>(o));
}

void rueckkopplungHilfeZeigen()
{
    // the page beside the network file's parameter folder, else the program's own
    const std::string name = "rueckkopplungs-objekte.htm";
    const std::string& netz = dateipfade.vollerPfad;
    const size_t schnitt = netz.find_last_of('/');
    std::string pfad = parameterOrdner.pfad + name;
    if (schnitt != std::string::npos && dateiExistiert(netz.substr(0, schnitt) + "/parameter/" + name))
        pfad = netz.substr(0, schnitt) + "/parameter/" + name;
    if (!hilfeSeiteZeigen(pfad))
        hinweisBox(meldungFormatieren(358));   // a help page not shown ends nothing
}
