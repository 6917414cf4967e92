// script/auswertungsmodus.cpp - entering and leaving the evaluation mode, showing a result,
// closing the loaded results and the commands of the evaluation window
#include "script/auswertung.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/diagramm.h"
#include "model/kurven.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include <algorithm>
#include <filesystem>

using namespace plattform;

namespace {

int anzahl(const Auswertungsdaten& a) { return static_cast<int>(a.index.size()); }

// A temporary file of the mode goes; its path is emptied.
void tmpLoeschen(std::string& pfad)
{
    if (!pfad.empty()) {
        std::error_code fehler;
        std::filesystem::remove(schreibPfadAufloesen(pfad), fehler);
    }
    pfad.clear();
}

// Every neuron's curves lose their samples and points and are prepared afresh: a run or
// the next result fills them again.
void kurvenpufferFreigeben()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        DiagrammDaten& d = n->hauptDiagramm;
        for (KurvenDaten& k : d.kurven)
            kurvenPufferFreigeben(k);
        if (d.plotBreite >= 1)
            kurvenVorbereiten(&d, -1);
        if (d.fenster)
            ungueltigMachen(d.fenster);
    }
}

// The values read last are the result neurons' own; the diagrams hold copies of them.
void ergebnisWerteLoesen(Auswertungsdaten& a)
{
    skriptStatus |= skriptBit::ErgebnisKurvenFreigeben;
    for (Ergebnisneuron& e : a.skript.ergebnisneurone) {
        for (std::vector<float>& w : e.werte)
            std::vector<float>().swap(w);
        if (const NeuronDaten* n = neuronNachNummer(e.nummer); n && n->hauptDiagramm.fenster)
            ungueltigMachen(n->hauptDiagramm.fenster);
    }
    skriptStatus &= ~skriptBit::ErgebnisKurvenFreigeben;
}

void menueFehler(int feld)
{
    endeMelden(EndeForm::InfoAbbrechen, auswertungsText(auswertungsMeldung::Fehler, feld));
}

void hauptfensterZeigen()
{
    if (Fenster h = fensterhandles.hauptfenster) {
        if (istMinimiert(h))
            zeigen(h, anzeige::Wiederherstellen);
        ungueltigMachen(h);
    }
}

// ---- the commands ---------------------------------------------------------------------------

// 40195: a result file with its network and script
void ergebnisDateiOeffnen(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    if (neuronKette.kopf) {
        if (meldungsBox(fensterhandles.hauptfenster, auswertungsText(SkriptTexte, 1), "SysInfo",
                        knoepfe::JaNein | symbol::Frage) != antwort::Ja)
            return;
        if (netzSchliessen(SpeichernAngebot::Fragen) != Schliessen::Geschlossen || programmEndet())
            return;                  // the user kept the network when asked to save it
    }
    skriptStatus |= skriptBit::AuswertungsModus;
    if (!ergebnisDateiLaden(a, 1)) {
        ergebnisDateienSchliessen(a);
        return;
    }
    const size_t strich = a.ergebnisPfad.find_last_of('/');
    auswertungsfenster.ordner = strich == std::string::npos ? "" : a.ergebnisPfad.substr(0, strich);
    if (!eingebettetesNetzLaden(a)) {
        ergebnisDateienSchliessen(a);
        return;
    }
    if (ergebnisDateiIndizieren(a, 1) != 1) {
        auswertungAbbrechen(a, true);
        simulationsModusSetzen(a);
        return;
    }
    ergebnisDateiSuchen(a);
    skriptStatus |= skriptBit::ErgebnisseAngezeigt;
    ergebnisseDarstellen(a);
}

// 40209: one more result file of the same kind of run
void weitereDateiOeffnen(Auswertungsdaten& a)
{
    DateiWahl wahl;
    wahl.ordner = auswertungsfenster.ordner.empty() ? dateipfade.ergebnisVerzeichnis : auswertungsfenster.ordner;
    wahl.endung = "bin";
    wahl.titel = meldungsTexte[1182];
    wahl.filter.push_back({meldungsTexte[1144], "*.bin"});
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return;
    const std::string vorher = a.ergebnisPfad;
    a.ergebnisPfad = gewaehlterPfad(wahl);
    if (ergebnisDateiIndizieren(a, 1) != 1) {
        a.ergebnisPfad = vorher;
        return;
    }
    ergebnisDateiSuchen(a);
    if (skriptStatus & skriptBit::ErgebnisseAngezeigt)
        ergebnisseDarstellen(a);
}

// 40206: the index under a chosen name
void indexSpeichern(Auswertungsdaten& a)
{
    const int angelegt = indexDateiAnlegen(a, 0);
    if (angelegt == 0)
        simulationsModusSetzen(a);
    if (angelegt != 1)
        return;
    indexDateiListeAktualisieren(a);
}

// 40217: the script of the result file as a file of its own. A file of that name is
// replaced only once the new one is written whole.
void skriptSpeichern(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    std::string pfad = a.kopf.skriptPfad;
    if (auswertungsfenster.skriptText.empty() || pfad.empty()) {
        hinweisBox(auswertungsText(SkriptTexte, 2));
        return;
    }
    if (schreibzielExistiert(pfad) &&
        meldungsBox(fensterhandles.hauptfenster, auswertungsText(SkriptTexte, 3, pfad), "SysInfo",
                    knoepfe::JaNein | symbol::Frage) != antwort::Ja) {
        DateiWahl wahl;
        const size_t strich = pfad.find_last_of("/\\");
        wahl.ordner = strich == std::string::npos ? "" : pfad.substr(0, strich);
        const std::string name = strich == std::string::npos ? pfad : pfad.substr(strich + 1);
        wahl.name = name.substr(0, name.rfind('.'));
        wahl.endung = "skr";
        wahl.titel = auswertungsText(SkriptTexte, 4);
        wahl.filter.push_back({auswertungsText(SkriptTexte, 5), "*.skr"});
        wahl.speichern = true;
        if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
            return;
        pfad = a.kopf.skriptPfad = gewaehlterPfad(wahl);
    }
    // written as text: CR LF line ends, a CR already there stays single
    std::string text;
    for (size_t i = 0; i < auswertungsfenster.skriptText.size(); ++i) {
        const char z = auswertungsfenster.skriptText[i];
        if (z == '\n' && (i == 0 || auswertungsfenster.skriptText[i - 1] != '\r'))
            text += '\r';
        text += z;
    }
    if (!dateiSicherSchreiben(pfad, text)) {
        hinweisBox(auswertungsText(SkriptTexte, 6));
        return;
    }
    hinweisBox(auswertungsText(SkriptTexte, 7, pfad));
}

} // namespace

// ---- entering and leaving -------------------------------------------------------------------

int auswertungsModusStarten(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    Fenster haupt = fensterhandles.hauptfenster;
    freigeben(haupt, false);
    Auswertungsfenster& af = auswertungsfenster;
    if (af.rechteck.rechts < 1)
        auswertungEinstellungenLaden(a);
    if (!istFenster(af.fenster)) {
        Menue m = modusMenueLaden(Modusmenue::Auswertung);
        if (!m) {
            freigeben(haupt, true);   // the program stays usable
            menueFehler(1);
            return 0;
        }
        fensterhandles.auswertungsMenue = m;
        const Rechteck r = af.rechteck;
        if (!fensterErzeugen(meldungsTexte[15], auswertungsText(FensterTexte, 1), stil::Hauptfenster | stil::VScrollLeiste,
                             r.links, r.oben, std::max(r.breite(), 100), std::max(r.hoehe(), 100), nullptr, m)) {
            menueZerstoeren(m);
            fensterhandles.auswertungsMenue = nullptr;
            freigeben(haupt, true);
            return 0;
        }
        auswertungScrollbereichSetzen(af.fenster, anzahl(a), a.aktuellesErgebnis);
    }
    skriptStatus |= skriptBit::AuswertungsModus;
    auswertungMenueAktualisieren(fensterMenue(af.fenster));
    if (skriptStatus & skriptBit::ErgebnisKopfGeladen) {
        auswertungStatusSetzen(auswertungsText(Anzahl, 1, anzahl(a), static_cast<int>(a.namen.size())));
        kurvenpufferFreigeben();
        skriptStatus |= skriptBit::ErgebnisseAngezeigt;
        if (a.aktuellesErgebnis < 0 || a.aktuellesErgebnis >= anzahl(a))
            a.aktuellesErgebnis = 0;
        ergebnisseDarstellen(a);
        auswertungScrollbereichSetzen(af.fenster, anzahl(a), a.aktuellesErgebnis);
    } else {
        auswertungStatusSetzen(auswertungsText(FensterTexte, 2));
    }
    if (haupt)
        ungueltigMachen(haupt);
    if (Fenster f = af.fenster) {
        zeigen(f, anzeige::Zeigen);
        ungueltigMachen(f);
        vordergrundSetzen(f);
    }
    return 1;
}

int simulationsModusSetzen(Auswertungsdaten& a)
{
    if (skriptStatus & skriptBit::ErgebnisseAngezeigt) {
        ergebnisWerteLoesen(a);
        skriptStatus &= ~skriptBit::ErgebnisseAngezeigt;
    }
    skriptStatus &= ~skriptBit::AuswertungsModus;
    // The mode's temporary files leave the user's folder with it. The index is the one in
    // memory; nothing reads its temporary file back, and the next file indexed or the index
    // saved writes a new one.
    if (a.temporaererIndex) {
        indexDateiVerwerfen(a);
        tmpLoeschen(a.indexPfad);
        a.temporaererIndex = 0;
    }
    tmpLoeschen(a.tmpPermutation);
    auswertungsfensterZerstoeren();
    fensterhandles.auswertungsMenue = nullptr;   // it died with the window
    if (Fenster h = fensterhandles.hauptfenster) {
        freigeben(h, true);
        vordergrundSetzen(h);
        simulationsMenueZeigen();
        ungueltigMachen(h);
        statusTeilSetzen(0, "");
    }
    if (skriptStatus & skriptBit::ErgebnisKopfGeladen)
        kurvenpufferFreigeben();
    return 1;
}

// ---- one result -----------------------------------------------------------------------------

int ergebnisseDarstellen(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    if (a.index.empty() && a.namen.empty()) {
        if (ergebnisDateiIndizieren(a, 1) != 1) {
            hinweisBox(auswertungsText(Fehler, 4));
            return 0;
        }
        a.aktuellesErgebnis = 0;
    }
    const int n = anzahl(a);
    if (n == 0) {
        hinweisBox(auswertungsText(Fehler, 5));
        return 0;
    }
    if (!(a.skript.ergebnisArt & ergebnisArt::Werte)) {
        hinweisBox(auswertungsText(Fehler, 6));
        return 0;
    }
    if (a.aktuellesErgebnis < 0 || a.aktuellesErgebnis >= n)
        a.aktuellesErgebnis = 0;
    if (!ergebnisNachIndexLesen(a, a.aktuellesErgebnis))
        return 0;
    // each slot takes a copy of the stored values: the record's buffers are refilled by the
    // next read, the slot's are a run's to overwrite
    bool fensterGeoeffnet = false;
    for (const Ergebnisneuron& e : a.skript.ergebnisneurone) {
        NeuronDaten* neuron = neuronNachNummer(e.nummer);
        if (!neuron)
            continue;   // not in this network
        // as the run that stored them shows them: in the neuron's main diagram window
        if (!neuron->hauptDiagramm.fenster) {
            rahmen::diagrammFensterOeffnen(neuron);
            fensterGeoeffnet = true;
        }
        DiagrammDaten& d = neuron->hauptDiagramm;
        for (int f = 0; f < kurvenProDiagramm; ++f) {
            if (!e.kurven[static_cast<size_t>(f)])
                continue;
            KurvenDaten& k = d.kurven[static_cast<size_t>(f)];
            k.werte = e.werte[static_cast<size_t>(f)];
            k.werteAnzahl = static_cast<int>(k.werte.size());
            k.schreibPosition = k.werte.size();
            k.anzeigen = 1;
            if (d.fenster && d.plotBreite >= 1)
                punktPufferBereitstellen(k, d.plotBreite);
            kurvePunkteBerechnen(&d, f);
        }
        if (d.fenster)
            ungueltigMachen(d.fenster);
    }
    if (Fenster f = auswertungsfenster.fenster) {
        ungueltigMachen(f);
        if (fensterGeoeffnet)
            vordergrundSetzen(f);   // the keys step on here, not in a new diagram
    }
    return 1;
}

// ---- closing --------------------------------------------------------------------------------

int ergebnisDateienSchliessen(Auswertungsdaten& a)
{
    if (skriptStatus & skriptBit::ErgebnisseAngezeigt) {
        ergebnisWerteLoesen(a);
        skriptStatus |= skriptBit::ErgebnisKurvenFreigeben;
        kurvenpufferFreigeben();
        skriptStatus &= ~(skriptBit::ErgebnisKurvenFreigeben | skriptBit::ErgebnisseAngezeigt);
    }
    for (std::FILE* h : a.handles)
        if (h)
            std::fclose(h);
    a.handles.clear();
    a.namen.clear();
    a.index.clear();
    indexDateiVerwerfen(a);
    if (a.temporaererIndex)
        tmpLoeschen(a.indexPfad);
    a.temporaererIndex = 0;
    a.skript.geaendert.clear();
    a.skript.dokumentiert.clear();
    tmpLoeschen(a.tmpNetz);
    if (!(skriptStatus & skriptBit::SkriptBehalten)) {
        tmpLoeschen(a.tmpSkript);
        tmpLoeschen(a.tmpPermutation);
        auswertungsfenster.skriptText.clear();
        skriptFreigeben(a.skript);
        skriptFreigeben(skript);
    } else {
        skriptStatus &= ~skriptBit::SkriptBehalten;
    }
    a.tmpSkript.clear();
    a.tmpPermutation.clear();
    a.kopf = ErgebnisKopf{};
    if (a.ergebnisDatei)
        std::fclose(a.ergebnisDatei);
    a.ergebnisDatei = nullptr;
    a.satzZeiger = 0;
    a.listenOffset = a.indexOffset = 0;
    a.aktuellesErgebnis = 0;
    skriptStatus &= ~(skriptBit::AuswertungsdatenDa | skriptBit::ErgebnisKopfGeladen);
    // the bar goes first: the new size would put the hint into the status bar
    if (Fenster f = auswertungsfenster.fenster) {
        ungueltigMachen(f);
        auswertungScrollbereichSetzen(f, 0, 0);
    }
    auswertungStatusSetzen(auswertungsText(auswertungsMeldung::FensterTexte, 3));
    return 1;
}

int auswertungAbbrechen(Auswertungsdaten& a, bool netz)
{
    ergebnisDateienSchliessen(a);
    // the network came with the failed load, from a copy that is gone: not offered for saving
    if (netz && neuronKette.kopf)
        netzSchliessen(SpeichernAngebot::Ohne);
    return 0;
}

// ---- the commands ---------------------------------------------------------------------------

void auswertungBefehl(Auswertungsdaten& a, int befehl)
{
    if (!auswertungBefehlWaehlbar(befehl))
        return;
    switch (befehl) {
    case auswertungBefehlDarstellen:
        skriptStatus |= skriptBit::ErgebnisseAngezeigt;
        ergebnisseDarstellen(a);
        break;
    case auswertungBefehlDateiSchliessen: ergebnisDateienSchliessen(a); break;
    case auswertungBefehlDateiOeffnen: ergebnisDateiOeffnen(a); break;
    case auswertungBefehlModusBeenden:
        simulationsModusSetzen(a);
        hauptfensterZeigen();
        break;
    case auswertungBefehlIndexSpeichern: indexSpeichern(a); break;
    case auswertungBefehlWeitereDateien: weitereDateiOeffnen(a); break;
    case auswertungBefehlMehrereDateien:
        if (!binDateienIndizieren(a))
            ergebnisDateienSchliessen(a);
        break;
    case auswertungBefehlEinstellungenSpeichern: auswertungEinstellungenSpeichern(a); break;
    case auswertungBefehlIndexOeffnen:
        ergebnisDateienSchliessen(a);
        indexDateiOeffnen(a);
        break;
    case auswertungBefehlSkriptSpeichern: skriptSpeichern(a); break;
    default: break;
    }
}
