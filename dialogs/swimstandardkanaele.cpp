// dialogs/swimstandardkanaele.cpp - "Standard-Kanäle" (160)
//
// The four standard channels of the SWIM model (sodium, sodium inactivation, potassium,
// calcium) are one gate each: twelve numbers in the model parameters. The dialog edits a
// working copy of the first marked neuron's channels, one channel at a time, and writes
// every channel, or only the one shown, into every marked neuron.
#include "dialogs/swimstandardkanaele.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cstdio>

using namespace plattform;

namespace {

enum : int { idListe = 1921, idNurAngezeigter = 1923, idLeitfaehigkeit = 1393, idUebernehmen = 1354 };
constexpr int kanalAnzahl = 4, natrium = 0, inaktivierung = 1;
using Block = std::array<double, 12>;

// the edits of a block's positions, in the order the dialog fills and reads them
constexpr std::array<int, 12> felder = {1392, 1393, 1394, 1397, 1398, 1399, 1402, 1403, 1404, 1405, 1401, 1400};
// the model parameter of position 0 of each channel's block; the inactivation gate keeps
// only positions 2-11 (from parameter 71), its E and g are sodium's
constexpr std::array<int, kanalAnzahl> blockAnfang = {59, 69, 81, 93};
constexpr int ersteEigenePosition(int kanal) { return kanal == inaktivierung ? 2 : 0; }

DialogRahmen rahmen;
std::array<Block, kanalAnzahl> kopie{};
int gezeigterKanal = natrium;
int nurAngezeigter = 0;
int nullFrage = 1;
int fokusFeld = felder[0];

void blockLaden(const NeuronDaten& n, int kanal)
{
    for (int i = ersteEigenePosition(kanal); i < 12; ++i)
        kopie[kanal][i] = n.parameter[blockAnfang[kanal] + i];
    if (kanal == inaktivierung) {
        kopie[kanal][0] = kopie[natrium][0];
        kopie[kanal][1] = kopie[natrium][1];
    }
}

void blockSchreiben(NeuronDaten& n, int kanal)
{
    if (kanal == inaktivierung) {
        kopie[kanal][0] = kopie[natrium][0];
        kopie[kanal][1] = kopie[natrium][1];
    }
    for (int i = ersteEigenePosition(kanal); i < 12; ++i)
        n.parameter[blockAnfang[kanal] + i] = kopie[kanal][i];
}

// the shown channel's fields into the working copy, or (after the notice naming the first
// bad field) nothing
bool felderLesen(Fenster dlg)
{
    Block b = kopie[gezeigterKanal];
    for (size_t i = 0; i < felder.size(); ++i)
        if (!dialogZahlFeldLesen(dlg, felder[i], b[i]))
            return false;
    kopie[gezeigterKanal] = b;
    return true;
}

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void oeffnen(Fenster dlg)
{
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    const NeuronDaten& erstes = *markierteNeurone.erstes();
    for (int k : {natrium, inaktivierung, 2, 3})   // the inactivation gate after sodium's E and g
        blockLaden(erstes, k);
    hakenSetzen(dlg, idNurAngezeigter, nurAngezeigter);
    fokusFeld = felder[0];
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageSwimStdKanal); }

void fuellen(Fenster dlg)
{
    aktuellesNeuron = markierteNeurone.erstes();
    listeLeeren(dlg, idListe);
    for (int k = 0; k < kanalAnzahl; ++k)
        listeHinzufuegen(dlg, idListe, meldungsTexte[749 + k]);
    listeAuswahlSetzen(dlg, idListe, gezeigterKanal);
    for (size_t i = 0; i < felder.size(); ++i)
        elementTextSetzen(dlg, felder[i], zahlText(kopie[gezeigterKanal][i]));
    dialogElementFokussieren(dlg, fokusFeld, 1);
    for (int id : {felder[0], felder[1]})
        dialogElementAktivieren(dlg, id, gezeigterKanal != inaktivierung);
}

// a conductance of exactly 0 (as just read from the fields) switches the channel off: asked
// until the user ticks it away; false when the user cancelled
bool nullLeitfaehigkeitBestaetigt(Fenster dlg)
{
    if (!nullFrage || kopie[gezeigterKanal][1] != 0.0)
        return true;
    eingabeParameter.titel = meldungsTexte[753];
    eingabeParameter.text1 = meldungsTexte[754];
    eingabeParameter.kastenText = meldungsTexte[755];
    eingabeParameter.kastenZustand = 1;
    eingabeParameter.flags = eingabeFlag::Kontrollkasten | eingabeFlag::KeineEingabe;
    if (eingabeDialogOeffnen() == 2) {
        dialogElementAktivieren(dlg, idLeitfaehigkeit, 1);
        dialogElementFokussieren(dlg, idLeitfaehigkeit, 1);
        return false;
    }
    nullFrage = eingabeParameter.kastenZustand;
    return true;
}

intptr_t anwenden(Fenster dlg, int id)
{
    const Block vorher = kopie[gezeigterKanal];
    if (!felderLesen(dlg))
        return 1;
    if (!nullLeitfaehigkeitBestaetigt(dlg)) {
        kopie[gezeigterKanal] = vorher;
        return 1;
    }
    nurAngezeigter = haken(dlg, idNurAngezeigter) == 1 ? 1 : 0;
    for (NeuronDaten* n : markierteNeurone.liste) {
        aktuellesNeuron = n;
        if (nurAngezeigter)
            blockSchreiben(*n, gezeigterKanal);
        else
            for (int k = 0; k < kanalAnzahl; ++k)
                blockSchreiben(*n, k);
    }
    aktuellesNeuron = markierteNeurone.erstes();
    if (id == idUebernehmen)
        return 1;
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    return 1;
}

} // namespace

intptr_t swimStdKanalDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch) {
            if (!markierteNeurone.erstes()) {
                dialogSchliessen(dlg, rahmen, 2, false);
                return 1;
            }
            if (markierteNeurone.anzahl() > 1 &&
                sysInfoBox(meldungsTexte[552], knoepfe::JaNein) == antwort::Nein) {
                dialogSchliessen(dlg, rahmen, 2, false);
                return 1;
            }
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        aktuellesNeuron = markierteNeurone.erstes();
        for (int f : felder)
            if (id == f) {
                fokusFeld = f;
                return 0;
            }
        switch (id) {
        case idListe: {
            const int wahl = listeAuswahl(dlg, idListe);
            if (hiWort(w) == benachrichtigung::AuswahlGeaendert && wahl >= 0 && wahl < kanalAnzahl &&
                wahl != gezeigterKanal) {
                if (!felderLesen(dlg)) {
                    listeAuswahlSetzen(dlg, idListe, gezeigterKanal);   // the bad field is still shown
                    return 1;
                }
                gezeigterKanal = wahl;
                senden(dlg, nachricht::DialogInit, 0, 0);
            }
            return 1;
        }
        case idNurAngezeigter: nurAngezeigter = haken(dlg, id) == 1 ? 1 : 0; return 1;
        case 1:
        case befehlOkF2:
        case idUebernehmen: return anwenden(dlg, id);
        case 2: dialogSchliessen(dlg, rahmen, 2, true); return 1;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t swimStdKanalBefehl(Fenster eigner)
{
    if (markierteNeurone.liste.empty())
        return 2;
    return dialogModal(vorlageSwimStdKanal, eigner ? eigner : fensterhandles.hauptfenster, swimStdKanalDlgProc);
}
