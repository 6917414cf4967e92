// dialogs/exportdialoge.cpp - the choice of neurons whose spike times are saved or rated
// (275) and the ASCII export settings (169)
#include "dialogs/exportdialoge.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "dialogs/synapsenfelder.h"
#include "model/diagramm.h"
#include "model/ergebnisdateien.h"
#include "model/export.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <vector>

using namespace plattform;

namespace {

constexpr int groessteDezimalstellen = groessteExportDezimalstellen;

// a sign as its field shows it; a code that is no printable character shows nothing
std::string zeichenText(int zeichen)
{
    return zeichen >= 32 && zeichen < 256 && zeichen != 127 ? std::string(1, static_cast<char>(zeichen)) : std::string();
}

// A one-character field: its first character, or the value kept when it is empty. A
// control character is refused with a notice naming the field (by its label).
bool zeichenLesen(Fenster dlg, int id, int beschriftung, int& aus, bool tabAlsT)
{
    const std::string t = elementText(dlg, id, 255);
    if (t.empty())
        return true;
    const unsigned char c = static_cast<unsigned char>(t[0]);
    if (tabAlsT && (c == 't' || c == 'T')) {
        aus = 9;
        return true;
    }
    if (c < 32 || c == 127) {
        hinweisBox(meldungFormatieren(1231, elementText(dlg, beschriftung)));
        dialogElementFokussieren(dlg, id, 1);
        return false;
    }
    aus = c;
    return true;
}

// a whole number within von..bis, or the value kept when the field is empty
bool ganzzahlLesen(Fenster dlg, int id, int beschriftung, int von, int bis, int& aus)
{
    if (feldLeer(dlg, id))
        return true;
    return dialogGanzzahlLesen(dlg, id, von, bis, elementText(dlg, beschriftung), aus);
}

// ---- dialog 275 ---------------------------------------------------------------------------

namespace spikes {

enum : int { idListe = 1839, idAn = 1840, idAus = 1841, idBewerten = 2066, idDezimalen = 2223,
             idVorschlag = 2224, idZeichen = 2225, labelZeichen = 4330 };
constexpr int slotVorschlag = 628;

DialogRahmen rahmen;
int bewertung = 0;
std::vector<char> eintraege;     // by neuron number
int position = -1;
int vorschlag = 4;
int zeitDezimalen = 0, dezimalzeichen = 0;

// the decimals the run's step asks for
int dezimalVorschlag(double schritt)
{
    const std::array<std::pair<double, int>, 5> stufen{{{1e-4, 4}, {1e-5, 5}, {1e-6, 6}, {1e-7, 7}, {1e-8, 8}}};
    for (const auto& [ab, stellen] : stufen)
        if (schritt >= ab * (1.0 - 1e-9))
            return stellen;
    return 10;
}

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    eintraege.assign(static_cast<size_t>(neuronTabellenGroesse), 0);
    // without marks the stored flags, else the marked neurons
    if (markierteNeurone.anzahl() == 0) {
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            if (n->spikezeitenSpeichern && n->nummer > 0 && n->nummer < neuronTabellenGroesse)
                eintraege[static_cast<size_t>(n->nummer)] = 1;
    } else {
        for (const NeuronDaten* n : markierteNeurone.liste)
            if (n->nummer > 0 && n->nummer < neuronTabellenGroesse)
                eintraege[static_cast<size_t>(n->nummer)] = 1;
    }
    vorschlag = dezimalVorschlag(simulationsParameter.schrittweite);
    position = -1;
    zeitDezimalen = asciiExportEinstellungen.zeitDezimalstellen;
    dezimalzeichen = asciiExportEinstellungen.dezimalzeichen;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageSpikeZeiten); }

char& eintrag(int nummer) { return eintraege[static_cast<size_t>(std::clamp(nummer, 0, neuronTabellenGroesse - 1))]; }

void fuellen(Fenster dlg)
{
    listeLeeren(dlg, idListe);
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const int i = listeHinzufuegen(dlg, idListe, (eintrag(n->nummer) ? "  *   " : "      ") + neuronAnzeigename(*n));
        listeDatenSetzen(dlg, idListe, i, n->nummer);
    }
    listeAuswahlSetzen(dlg, idListe, position >= 0 && position < listeAnzahl(dlg, idListe) ? position : 0);
    hakenSetzen(dlg, idBewerten, bewertung);
    elementTextSetzen(dlg, idVorschlag, dialogTextFormatieren(slotVorschlag, vorschlag));
    elementTextSetzen(dlg, idDezimalen, std::to_string(zeitDezimalen));
    elementTextSetzen(dlg, idZeichen, zeichenText(dezimalzeichen));
    elementFreigeben(dlg, idBewerten, false);
    dialogElementFokussieren(dlg, idDezimalen, 1);
}

void setzen(Fenster dlg, char an)
{
    const int i = listeAuswahl(dlg, idListe);
    if (i < 0)
        return;
    position = i;
    eintrag(static_cast<int>(listeDaten(dlg, idListe, i))) = an;
    senden(dlg, nachricht::DialogInit, 0, 0);
}

void ok(Fenster dlg)
{
    int dezimalen = zeitDezimalen, zeichen = dezimalzeichen;
    if (!ganzzahlLesen(dlg, idDezimalen, idVorschlag, 0, groessteDezimalstellen, dezimalen) ||
        !zeichenLesen(dlg, idZeichen, labelZeichen, zeichen, false))
        return;
    bewertung = haken(dlg, idBewerten);
    asciiExportEinstellungen.zeitDezimalstellen = dezimalen;
    asciiExportEinstellungen.dezimalzeichen = zeichen;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        n->spikezeitenSpeichern = eintrag(n->nummer);
        if (bewertung)
            n->spikefolgeBewerten = eintrag(n->nummer);
    }
    dialogSchliessen(dlg, rahmen, 1, false);
    std::vector<char>().swap(eintraege);
    undoSchrittSpeichern(undoListe);
}

} // namespace spikes

// ---- dialog 169 -------------------------------------------------------------------------

namespace ascii {

enum : int { idNeurone = 1400, idParameter = 1402, idZeichen = 1401, idDezimalen = 1404, idTrenner = 1405,
             idZeitDezimalen = 1414, idNa = 1415, idUa = 1416, idMa = 1417, idFortlaufend = 2229,
             idIntervallAn = 2230, idIntervall = 2231, labelZeichen = 4342, labelDezimalen = 4343,
             labelTrenner = 4344, labelZeitDezimalen = 4345 };
// the curve slots in list order, with their mask bits
constexpr std::array<std::pair<int, int>, 8> kurvenBits{
    {{0, 0x1}, {1, 0x10}, {2, 0x20}, {3, 0x40}, {4, 0x80}, {5, 0x2}, {6, 0x4}, {7, 0x8}}};
constexpr int maskenBits = 0x3FFFFFFF;   // bits 0 to 29

DialogRahmen rahmen;
AsciiExportEinstellungen werte;
int neuronPosition = 0, parameterPosition = 0;
bool markierungUebernehmen = false;
NeuronDaten* gezeigt = nullptr;
std::map<int, std::vector<int>> kanalSicherung;   // by neuron number, so Cancel restores them

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageAsciiExport); }

bool hatMaske(const NeuronDaten& n) { return (n.exportMaske & maskenBits) != 0; }

void oeffnen(Fenster)
{
    undoFensterlisteSpeichern(undoListe);
    bool irgendeineMaske = false;
    kanalSicherung.clear();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        n->exportMaskeSicherung = n->exportMaske;
        irgendeineMaske = irgendeineMaske || hatMaske(*n);
        std::vector<int>& k = kanalSicherung[n->nummer];
        for (const BenutzerKanal& kanal : n->benutzerKanaele)
            k.push_back(kanal.exportieren);
    }
    markierungUebernehmen = false;
    if (markierteNeurone.anzahl() > 0)
        markierungUebernehmen = !irgendeineMaske ||
                                sysInfoBox(meldungsTexte[550], knoepfe::JaNein) != antwort::Nein;
    werte = asciiExportEinstellungen;
    neuronPosition = parameterPosition = 0;
}

std::string neuronZeile(const NeuronDaten& n)
{
    if (!(n.exportMaske & exportGewaehlt))
        return "      " + neuronAnzeigename(n);
    return "* " + neuronAnzeigename(n) + " (" + std::to_string(std::popcount(static_cast<unsigned>(n.exportMaske & maskenBits))) + ")";
}

void neuroneFuellen(Fenster dlg)
{
    listeLeeren(dlg, idNeurone);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (markierungUebernehmen) {
            if (n->markiert) {
                if (n->exportMaske == 0)
                    n->exportMaske = 0x1;
                n->exportMaske |= exportGewaehlt;
            } else {
                n->exportMaske &= ~exportGewaehlt;
            }
        } else if (hatMaske(*n)) {
            n->exportMaske |= exportGewaehlt;
        }
        listeDatenSetzen(dlg, idNeurone, listeHinzufuegen(dlg, idNeurone, neuronZeile(*n)), n->nummer);
    }
    markierungUebernehmen = false;
    const int anzahl = listeAnzahl(dlg, idNeurone);
    neuronPosition = std::clamp(neuronPosition, 0, std::max(0, anzahl - 1));
    listeAuswahlSetzen(dlg, idNeurone, anzahl > 0 ? neuronPosition : -1);
    gezeigt = anzahl > 0 ? neuronNachNummer(static_cast<int>(listeDaten(dlg, idNeurone, neuronPosition))) : nullptr;
}

void parameterFuellen(Fenster dlg)
{
    listeLeeren(dlg, idParameter);
    if (!gezeigt)
        return;
    const auto zeile = [](bool aus, const std::string& name) { return (aus ? "*  " : "   ") + name; };
    for (const auto& [slot, bit] : kurvenBits) {
        const std::string& eigen = gezeigt->hauptDiagramm.kurven[static_cast<size_t>(slot)].bezeichnung;
        const std::string& name = eigen.empty() ? diagrammVorlage.kurven[static_cast<size_t>(slot)].bezeichnung : eigen;
        listeDatenSetzen(dlg, idParameter, listeHinzufuegen(dlg, idParameter, zeile(gezeigt->exportMaske & bit, name)), bit);
    }
    int j = 0;
    for (const BenutzerKanal& k : gezeigt->benutzerKanaele)
        listeDatenSetzen(dlg, idParameter, listeHinzufuegen(dlg, idParameter, zeile(k.exportieren, k.name)), -(++j));
    parameterPosition = std::clamp(parameterPosition, 0, listeAnzahl(dlg, idParameter) - 1);
    listeAuswahlSetzen(dlg, idParameter, parameterPosition);
}

void fuellen(Fenster dlg)
{
    neuroneFuellen(dlg);
    parameterFuellen(dlg);
    elementTextSetzen(dlg, idZeichen, zeichenText(werte.dezimalzeichen));
    elementTextSetzen(dlg, idDezimalen, std::to_string(werte.dezimalstellen));
    elementTextSetzen(dlg, idZeitDezimalen, std::to_string(werte.zeitDezimalstellen));
    elementTextSetzen(dlg, idTrenner, werte.trennzeichen == 9 ? std::string("t") : zeichenText(werte.trennzeichen));
    hakenSetzen(dlg, idNa, werte.stromSkalierung >= 1e9);
    hakenSetzen(dlg, idUa, werte.stromSkalierung == 1e6);
    hakenSetzen(dlg, idMa, werte.stromSkalierung <= 1000.0);
    const bool intervall = werte.intervall >= 1;
    elementTextSetzen(dlg, idIntervall, intervall ? std::to_string(werte.intervall + 1) : std::string());
    hakenSetzen(dlg, idIntervallAn, intervall);
    hakenSetzen(dlg, idFortlaufend, !intervall);
    elementFreigeben(dlg, idIntervall, intervall);
}

// the four format edits into the working values; nothing is taken when one is refused
bool formateLesen(Fenster dlg, AsciiExportEinstellungen& w)
{
    AsciiExportEinstellungen neu = w;
    if (!zeichenLesen(dlg, idZeichen, labelZeichen, neu.dezimalzeichen, false) ||
        !ganzzahlLesen(dlg, idDezimalen, labelDezimalen, 0, groessteDezimalstellen, neu.dezimalstellen) ||
        !zeichenLesen(dlg, idTrenner, labelTrenner, neu.trennzeichen, true) ||
        !ganzzahlLesen(dlg, idZeitDezimalen, labelZeitDezimalen, 0, groessteDezimalstellen, neu.zeitDezimalstellen))
        return false;
    w = neu;
    return true;
}

BenutzerKanal* kanalAn(NeuronDaten& n, int position)
{
    if (position < 0 || position >= static_cast<int>(n.benutzerKanaele.size()))
        return nullptr;
    return &*std::next(n.benutzerKanaele.begin(), position);
}

// the channel bit stays while any of the neuron's channels is exported
void kanalBitAbgleichen(NeuronDaten& n)
{
    const bool irgendeiner = std::any_of(n.benutzerKanaele.begin(), n.benutzerKanaele.end(),
                                         [](const BenutzerKanal& k) { return k.exportieren != 0; });
    n.exportMaske = irgendeiner ? n.exportMaske | exportBenutzerKanaele : n.exportMaske & ~exportBenutzerKanaele;
}

// The item of list 1402 at its selection: a curve bit, or (bit 0) a channel position.
struct Posten {
    int bit = 0;
    int kanal = -1;
};
bool postenLesen(Fenster dlg, Posten& p)
{
    const int i = listeAuswahl(dlg, idParameter);
    if (i < 0)
        return false;
    if (i < static_cast<int>(kurvenBits.size()))
        p = {kurvenBits[static_cast<size_t>(i)].second, -1};
    else
        p = {0, i - static_cast<int>(kurvenBits.size())};
    return true;
}

void postenSetzen(NeuronDaten& n, const Posten& p, bool an)
{
    if (p.kanal < 0) {
        n.exportMaske = an ? n.exportMaske | p.bit : n.exportMaske & ~p.bit;
        return;
    }
    if (BenutzerKanal* k = kanalAn(n, p.kanal)) {
        k->exportieren = an ? 1 : 0;
        kanalBitAbgleichen(n);
    }
}

void waehlen(NeuronDaten& n)
{
    if ((n.exportMaske & maskenBits) == 0)
        n.exportMaske |= 0x1;
    n.exportMaske |= exportGewaehlt;
}

void aktion(Fenster dlg, int id)
{
    Posten p;
    const bool mitPosten = postenLesen(dlg, p);
    switch (id) {
    case 1406:
        if (gezeigt)
            waehlen(*gezeigt);
        break;
    case 1407:
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            waehlen(*n);
        break;
    case 1408:
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            n->exportMaske = 0;
        break;
    case 1410:
        if (gezeigt)
            gezeigt->exportMaske = 0;
        break;
    case 1409:
    case 1411:
        if (gezeigt && mitPosten)
            postenSetzen(*gezeigt, p, id == 1409);
        break;
    case 1412:
    case 1413:
        if (!mitPosten)
            break;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            const bool betroffen = n->markiert || n->exportMaske != 0;
            if (id == 1413) {
                if (betroffen)
                    postenSetzen(*n, p, false);
            } else if (betroffen) {
                n->exportMaske |= exportGewaehlt;
                postenSetzen(*n, p, true);
            } else {
                n->exportMaske = 0;
                postenSetzen(*n, p, false);
            }
        }
        break;
    }
}

void beenden(Fenster dlg, int ergebnis)
{
    rahmen.frisch = 1;
    dialogBeenden(dlg, ergebnis);
}

void ok(Fenster dlg)
{
    AsciiExportEinstellungen neu = werte;
    if (!formateLesen(dlg, neu))
        return;
    if (haken(dlg, idNa))
        neu.stromSkalierung = 1e9;
    else if (haken(dlg, idUa))
        neu.stromSkalierung = 1e6;
    else if (haken(dlg, idMa))
        neu.stromSkalierung = 1000.0;
    neu.intervall = 0;
    if (haken(dlg, idIntervallAn)) {
        int gezeigterWert = 0;
        if (!dialogGanzzahlLesen(dlg, idIntervall, 1, 1000000000, elementText(dlg, idIntervallAn), gezeigterWert))
            return;
        neu.intervall = gezeigterWert - 1;
    }
    // asked before any choice is dropped, so No leaves every mask as it is
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if ((n->exportMaske & exportGewaehlt) && (n->exportMaske & maskenBits) == 0) {
            if (sysInfoBox(meldungsTexte[551], knoepfe::JaNein) == antwort::Nein)
                return;
            break;
        }
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        n->exportMaske &= ~exportGewaehlt;
        n->exportMaskeSicherung = 0;
    }
    asciiExportEinstellungen.dezimalzeichen = neu.dezimalzeichen;
    asciiExportEinstellungen.dezimalstellen = neu.dezimalstellen;
    asciiExportEinstellungen.trennzeichen = neu.trennzeichen;
    asciiExportEinstellungen.zeitDezimalstellen = neu.zeitDezimalstellen;
    asciiExportEinstellungen.stromSkalierung = neu.stromSkalierung;
    asciiExportEinstellungen.intervall = neu.intervall;
    kanalSicherung.clear();
    beenden(dlg, 1);
    undoSchrittSpeichern(undoListe);
}

void abbrechen(Fenster dlg)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        n->exportMaske = n->exportMaskeSicherung;
        const auto it = kanalSicherung.find(n->nummer);
        size_t j = 0;
        for (BenutzerKanal& k : n->benutzerKanaele)
            if (it != kanalSicherung.end() && j < it->second.size())
                k.exportieren = it->second[j++];
    }
    kanalSicherung.clear();
    beenden(dlg, 2);
}

} // namespace ascii

} // namespace

intptr_t spikeZeitenDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    using namespace spikes;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            bewertung = l == befehlSpikefolgeBewerten ? 1 : 0;
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idListe:
            if (hiWort(w) == benachrichtigung::AuswahlGeaendert)
                position = listeAuswahl(dlg, idListe);
            return 0;
        case idAn: setzen(dlg, 1); return 0;
        case idAus: setzen(dlg, 0); return 0;
        case 1: ok(dlg); return 0;
        case 2:
            dialogSchliessen(dlg, rahmen, 2, false);
            std::vector<char>().swap(eintraege);
            return 0;
        }
        return 0;
    }
    return 0;
}

intptr_t asciiExportDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    using namespace ascii;
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        // Each reopening is a new window that needs its texts and its place, but only the
        // first opening after OK or Cancel takes the backups and the working values.
        if (rahmen.frisch)
            oeffnen(dlg);
        rahmen.frisch = 1;
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        const int art = hiWort(w);
        switch (id) {
        case idNeurone:
        case idParameter:
            if (art != benachrichtigung::AuswahlGeaendert)
                return 0;
            if (!formateLesen(dlg, werte))
                return 0;
            (id == idNeurone ? neuronPosition : parameterPosition) = std::max(0, listeAuswahl(dlg, id));
            dialogBeenden(dlg, id);
            return 0;
        case 1406: case 1407: case 1408: case 1409: case 1410: case 1411: case 1412: case 1413:
            if (!formateLesen(dlg, werte))
                return 0;
            aktion(dlg, id);
            dialogBeenden(dlg, id);
            return 0;
        case idNa: werte.stromSkalierung = 1e9; return 0;
        case idUa: werte.stromSkalierung = 1e6; return 0;
        case idMa: werte.stromSkalierung = 1000.0; return 0;
        case idFortlaufend:
        case idIntervallAn: elementFreigeben(dlg, idIntervall, id == idIntervallAn); return 0;
        case 1: ok(dlg); return 0;
        case 2: abbrechen(dlg); return 0;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t spikeZeitenDialogOeffnen(Fenster eigner, int befehl)
{
    return dialogModal(vorlageSpikeZeiten, eigner ? eigner : fensterhandles.hauptfenster, spikeZeitenDlgProc, befehl);
}

intptr_t asciiExportDialogOeffnen(Fenster eigner)
{
    Fenster f = eigner ? eigner : fensterhandles.hauptfenster;
    intptr_t ergebnis = 0;
    do
        ergebnis = dialogModal(vorlageAsciiExport, f, asciiExportDlgProc);
    while (ergebnis != 1 && ergebnis != 2 && ergebnis != -1);
    return ergebnis;
}
