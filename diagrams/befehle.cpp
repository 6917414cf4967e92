// diagrams/befehle.cpp - the commands of the diagram windows: printing, the dialogs, the
// moves of the time axis, the cursors placed through the context menu, the export of the
// soma curve, the switches, and the menu bar's set-up before a popup opens
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/diagrammbefehle.h"
#include "diagrams/diagrammdialoge.h"
#include "diagrams/drucken.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/reizkurve.h"
#include "diagrams/zeitmessung.h"
#include "dialogs/dezimalstellen.h"
#include "dialogs/rahmen.h"
#include "dialogs/seiteeinrichten.h"
#include "files/textdatei.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/seiteneinrichtung.h"
#include "model/simulationsparameter.h"
#include "model/spikefolge.h"
#include "permutation/spikefolge.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "resources/diagrammmenue.h"
#include "texts/texte.h"
#include <cmath>
#include <cstdio>

using namespace plattform;

namespace {

void piep() { piepen(1000, 100); }

// repaint with erase and update
void auffrischen(Fenster f)
{
    if (!f || !istFenster(f))
        return;
    ungueltigMachen(f);
    neuZeichnen(f);
}

// The record of the window, found anew: a dialog or box may have closed the window or
// deleted the neuron meanwhile.
DiagrammDaten* wieder(Fenster f) { return f && istFenster(f) ? diagrammZuFenster(f) : nullptr; }

NeuronDaten* neuronVon(const DiagrammDaten* d) { return d ? neuronNachNummer(d->neuronId) : nullptr; }

double dauer() { return simulationsParameter.simulationsDauer; }
double schritt() { return simulationsParameter.schrittweite; }

void layoutUndKurven(DiagrammDaten* d)
{
    diagrammLayoutBerechnen(neuronVon(d), d, 0);
    kurvenVorbereiten(d, -1);
}

// What follows every move of the time axis. A thumb position >= 0 is set after the refresh.
void achsenSchluss(Fenster f, DiagrammDaten* d, int daumen = -1)
{
    d->xUrsprung = d->minX;
    layoutUndKurven(d);
    auffrischen(f);
    if (daumen >= 0) {
        const ScrollZustand s = scrollLeiste(f, false);
        scrollLeisteSetzen(f, false, s.min, s.max, s.seite, daumen);
    }
    if (diagrammOptionen.alleVerlinken)
        diagrammZeitachseAngleichen(d);
}

// The time axis follows a run with a duration and a step; a move needs a window with a span.
bool laufTaugt() { return dauer() > 0.0 && schritt() > 0.0; }

bool achseBeweglich(const DiagrammDaten& d)
{
    return laufTaugt() && std::isfinite(d.minX) && std::isfinite(d.maxX) && d.maxX - d.minX > 0.0;
}

void fensterSetzen(Fenster f, DiagrammDaten* d, double von, double bis, double tick)
{
    d->minX = von;
    d->maxX = bis;
    d->xTickIntervallWirksam = tick;
    achsenSchluss(f, d);
}

void zeitachseBefehl(Fenster f, DiagrammDaten* d, int befehl)
{
    const double T = dauer();
    if (befehl >= 51072 && befehl <= 51074) {
        if (!laufTaugt())
            return;
        if (befehl == 51072)
            fensterSetzen(f, d, 0.0, T, T / 5);
        else if (befehl == 51073)
            fensterSetzen(f, d, 0.0, T / 2, T / 10);
        else
            fensterSetzen(f, d, T / 2, T, T / 10);
        return;
    }
    if (!achseBeweglich(*d))
        return;
    const double w = d->maxX - d->minX;
    switch (befehl) {
    case 51075:
        if (d->minX != 0.0)
            fensterSetzen(f, d, 0.0, w, w / 5);
        break;
    case 51076:
        if (d->maxX != T)
            fensterSetzen(f, d, T - w, T, w / 5);
        break;
    case 51077:
    case 51080: {
        if (d->maxX == T)
            break;
        const double schub = befehl == 51077 ? w : w / 2;
        double bis = d->maxX + schub;
        if (bis > T) {
            piep();
            bis = T;
        }
        d->maxX = bis;
        d->minX = bis - w;
        achsenSchluss(f, d);
        break;
    }
    case 51078:
    case 51079: {
        if (d->minX == 0.0)
            break;
        const double schub = befehl == 51078 ? w : w / 2;
        double von = d->minX - schub;
        if (von < 0.0) {
            piep();
            von = 0.0;
        }
        d->minX = von;
        d->maxX = von + w;
        achsenSchluss(f, d);
        break;
    }
    case 51081:
    case 51082:
    case 51083:
    case 51084: {
        if (d->plotBreite < 1)
            break;
        const double schub = w / d->plotBreite * (befehl <= 51082 ? 4 : 20);
        const bool zurueck = befehl == 51081 || befehl == 51083;
        if (zurueck ? d->minX - schub < 0.0 : d->maxX + schub > T) {
            piep();
            break;
        }
        d->minX += zurueck ? -schub : schub;
        d->maxX += zurueck ? -schub : schub;
        achsenSchluss(f, d);
        break;
    }
    case 51085: {
        const double von = d->ersterSichtbarerSchritt * schritt();
        if (d->ersterSichtbarerSchritt < 0 || von + w > T) {
            // the window stays, and so the thumb goes back to its first step (with the bar
            // always shown its last position lies one step past the end)
            piep();
            const double zurueck = std::round(d->minX / schritt());
            d->ersterSichtbarerSchritt = zurueck >= 0.0 && zurueck < 2e9 ? static_cast<int>(zurueck) : 0;
            const ScrollZustand s = scrollLeiste(f, false);
            scrollLeisteSetzen(f, false, s.min, s.max, s.seite, d->ersterSichtbarerSchritt);
            break;
        }
        d->minX = von;
        d->maxX = von + w;
        achsenSchluss(f, d, d->ersterSichtbarerSchritt);
        break;
    }
    case 51086: {
        const double t = zeitAnSpalte(*d, letzterKlickpunkt.x);
        if (!(t - w / 2 >= 0.0) || !(t + w / 2 <= T)) {
            piep();
            break;
        }
        d->minX = t - w / 2;
        d->maxX = t + w / 2;
        achsenSchluss(f, d);
        break;
    }
    }
}

// the detection dialog's controls for the first value cursor
void erkennungsKnoepfe(bool an)
{
    if (Fenster dlg = zeitmessung.messDialog; dlg && istFenster(dlg)) {
        dialogElementAktivieren(dlg, 3, an);
        dialogElementAktivieren(dlg, 6, an);
    }
}

void zeitCursorSetzen(Fenster f, DiagrammDaten* d)
{
    double t = zeitAnSpalte(*d, letzterKlickpunkt.x);
    if (std::isnan(t) || !(schritt() > 0.0))
        return;
    auto schnapp = [](double x) { return std::round(x / schritt()) * schritt(); };
    t = schnapp(t);
    switch (d->vCursorZustand) {
    case 0:
        d->vCursorZustand = diagrammOptionen.kontextMenuCursor ? 4 : 1;
        d->zweiterVCursor = 0;
        d->vCursor1 = d->vCursor2 = t;
        d->zustand |= 0x10000;
        break;
    case 1:
        d->vCursorZustand = 2;
        d->vCursor1 = d->vCursor2 = t;
        d->zustand |= 0x20000;
        break;
    case 4:
        d->vCursor1 = schnapp(d->vCursor1);
        d->vCursor2 = t;
        d->vCursorZustand = 5;
        d->zweiterVCursor = 1;
        d->zustand |= 0x20000;
        break;
    }
    auffrischen(f);
}

void wertCursorSetzen(Fenster f, DiagrammDaten* d)
{
    const double v = wertAnZeile(*d, letzterKlickpunkt.y);
    if (std::isnan(v))
        return;
    switch (d->hCursorZustand) {
    case 0:
        d->hCursorZustand = diagrammOptionen.kontextMenuCursor ? 4 : 1;
        d->zweiterHCursor = 0;
        d->hCursor1 = d->hCursor2 = v;
        d->zustand |= 0x40000;
        break;
    case 1:
        d->hCursorZustand = 2;
        d->hCursor1 = d->hCursor2 = v;
        d->zustand |= 0x80000;
        break;
    case 4:
        d->hCursor2 = v;
        if (d->hCursor1 == 0.0)
            d->hCursor1 = d->minY + std::abs(d->maxY - d->minY) / 5;
        d->hCursorZustand = 5;
        d->zweiterHCursor = 1;
        d->zustand |= 0x80000;
        break;
    }
    auffrischen(f);
    erkennungsKnoepfe((zeitmessung.erkennungsOptionen & erkennungsBit::SchwelleOffen) && d->hCursorZustand == 4);
}

void zeitCursorHolen(Fenster f, DiagrammDaten* d)
{
    auto draussen = [&](double t) { return !(t >= d->minX && t < d->maxX); };
    const double klick = zeitAnSpalte(*d, letzterKlickpunkt.x);
    if (std::isnan(klick))
        return;
    if (d->vCursorZustand == 4) {
        if (draussen(d->vCursor1))
            d->vCursor1 = klick;
    } else if (d->vCursorZustand == 5) {
        const double abstand = d->vCursor2 - d->vCursor1;
        if (draussen(d->vCursor1))
            d->vCursor1 = klick;
        if (draussen(d->vCursor2)) {
            const double ziel = zeitAnSpalte(*d, spalteVonZeit(*d, d->vCursor1 + abstand));
            if (ziel > d->minX && ziel < d->maxX && std::isfinite(abstand))
                d->vCursor2 = ziel;
            else
                d->vCursor2 = zeitAnSpalte(*d, d->breite - (2 * d->xRand + 30));
        }
    } else {
        return;
    }
    auffrischen(f);
}

void wertCursorHolen(Fenster f, DiagrammDaten* d)
{
    if (d->hCursorZustand != 5)
        return;
    const double bereich = std::abs(d->maxY - d->minY);
    auto draussen = [&](double v) { return !(v >= std::min(d->minY, d->maxY) && v <= std::max(d->minY, d->maxY)); };
    if (draussen(d->hCursor1))
        d->hCursor1 = d->minY + bereich / 5;
    if (draussen(d->hCursor2))
        d->hCursor2 = d->maxY - bereich / 5;
    auffrischen(f);
}

void drucken(Fenster f, DiagrammDaten* d)
{
    NeuronDaten* n = neuronVon(d);
    const std::string name = n ? neuronAnzeigename(*n) : std::string();
    if (meldungsBox(f, meldungFormatieren(1371, name, druckAuftrag.druckerName), "SysInfo",
                    knoepfe::JaNein | symbol::Frage)
        != antwort::Ja)
        return;
    if (!wieder(f))
        return;
    if (druckAuftrag.druckerName.empty()) {
        if (standardDrucker.empty()) {
            piep();
            hinweisBox(meldungsTexte[440]);
            return;
        }
        druckerNameSetzen(druckAuftrag, standardDrucker.c_str());
    }
    druckAuftrag.druckerSchrift.schrift = nullptr;
    fensterDrucken(f, seiteDiagrammfenster, druckAuftrag, name);
}

void spikefolgeAuswerten(int neuronId)
{
    NeuronDaten* n = neuronNachNummer(neuronId);
    if (!n)
        return;
    spikefolgeVorgabenSetzen(n->spikefolge);
    // the AP times are those a run stores while the neuron keeps its spike times
    if (!(n->spikezeitenSpeichern && !n->spikeZeiten.empty())) {
        if (meldungsBox(n->hauptDiagramm.fenster, meldungFormatieren(292, neuronAnzeigename(*n)), "SysInfo",
                        knoepfe::JaNein | symbol::Frage)
            != antwort::Ja)
            return;
        if (!(n = neuronNachNummer(neuronId)))
            return;
        n->spikezeitenSpeichern = 1;
        senden(fensterhandles.hauptfenster, nachricht::Befehl, befehlSimulationStarten);
        // the run may have been refused or locked: rate only what it recorded
        n = neuronNachNummer(neuronId);
        if (!n || n->spikeZeiten.empty() || n->apAnzahl <= 0)
            return;
    }
    const int anzahl = std::max(0, std::min<int>(n->apAnzahl, static_cast<int>(n->spikeZeiten.size())));
    spikefolgeBewerten(*n, n->spikeZeiten.data(), anzahl);
    if ((n = neuronNachNummer(neuronId))) {
        auffrischen(n->hauptDiagramm.fenster);
        spikefolgeErgebnisMeldung(n);
    }
}

void alleAngleichen(DiagrammDaten* d)
{
    if (!neuronVon(d)) {
        hinweisBox(meldungsTexte[441]);
        return;
    }
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* z = &n->hauptDiagramm; z; z = z->naechstes) {
            if (z != d)   // this diagram keeps its format but is laid out with the others
                diagrammFormatKopieren(z, d, n, 1);
            diagrammLayoutBerechnen(n, z, 0);
            kurvenVorbereiten(z, -1);
            auffrischen(z->fenster);
        }
}

void alleVollstaendig()
{
    if (!laufTaugt())
        return;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* z = &n->hauptDiagramm; z; z = z->naechstes) {
            z->minX = 0.0;
            z->maxX = dauer();
            z->yUrsprung = 0.0;
            z->xUrsprung = 0.0;
            z->xTickIntervallWirksam = z->maxX / 10;
            diagrammLayoutBerechnen(n, z, 0);
            kurvenVorbereiten(z, -1);
            auffrischen(z->fenster);
        }
}

// What greys the menu bar's items refuses their commands too, from wherever they come:
// the stimulus curve of a compartment whose table holds a stimulus (under a submenu grey
// while the neuron has no stimulated compartment), and the spike distribution's display
// and burst phases once the spike train is rated.
bool reizeVorhanden(const NeuronDaten* n) { return n && n->gereizteKompartimente > 0; }

bool reizkurveWaehlbar(const NeuronDaten* n, int kompartiment)
{
    return reizeVorhanden(n) && kompartiment >= 0 &&
           kompartiment < static_cast<int>(n->stromTabellen.size()) &&
           n->stromTabellen[static_cast<size_t>(kompartiment)].anzahlPunkte > 3;
}

bool spikefolgeBewertet(const NeuronDaten* n) { return n && n->spikefolge.an; }

void zeitmessungBefehl(Fenster f)
{
    if (zeitmessung.erkennungsOptionen & erkennungsBit::DialogOffen)
        return;
    zeitmessungUmschalten(f);
}

} // namespace

double zeitAnSpalte(const DiagrammDaten& d, int x)
{
    const double w = d.maxX - d.minX;
    if (d.plotBreite < 1 || !(w > 0.0) || !std::isfinite(w))
        return NAN;
    const double t = d.minX + (x - d.xRand) * w / d.plotBreite;
    return std::clamp(t, d.minX, d.maxX);
}

double wertAnZeile(const DiagrammDaten& d, int y)
{
    const double h = d.maxY - d.minY;
    if (d.plotHoehe < 1 || !(h != 0.0) || !std::isfinite(h))
        return NAN;
    const double v = d.minY - static_cast<double>(y - d.yAchseUnten[1]) / d.plotHoehe * h;
    return std::clamp(v, std::min(d.minY, d.maxY), std::max(d.minY, d.maxY));
}

int spalteVonZeit(const DiagrammDaten& d, double t)
{
    const double w = d.maxX - d.minX;
    if (d.plotBreite < 1 || !(w > 0.0))
        return -pixelGrenze;
    return pixelWert((t - d.minX) * d.plotBreite / w) + d.xRand;
}

int zeileVonWert(const DiagrammDaten& d, double v)
{
    const double h = d.maxY - d.minY;
    if (d.plotHoehe < 1 || !(h != 0.0))
        return -pixelGrenze;
    return d.yAchseUnten[1] - pixelWert((v - d.minY) / h * d.plotHoehe);
}

int kurveOptimierenBefehl(int slot)
{
    return slot < 16 ? diagrammBefehlKurveOptimieren + slot : diagrammBefehlKurveOptimierenHoch + slot;
}

void kurveOptimieren(DiagrammDaten* d, int slot)
{
    if (!d || slot < 0 || slot >= kurvenProDiagramm)
        return;
    KurvenDaten& k = d->kurven[slot];
    const int lesbar = lesbareWerte(k);
    const double T = dauer(), h = schritt();
    if (punktPlatz(k) == 0 || lesbar <= 0 || !hatDaten(k) || !(T > 0.0) || !(h > 0.0))
        return;
    const double anfang = std::round(k.werteAnzahl * d->minX / T);
    if (!std::isfinite(anfang))
        return;
    long long i = static_cast<long long>(std::max(anfang, 0.0));
    double lo = INFINITY, hi = -INFINITY;
    for (double t = d->minX; t < d->maxX - 4 * h && i < lesbar; t += h, ++i) {
        const double v = k.werte[static_cast<size_t>(i)];
        if (!std::isfinite(v) || k.werte[static_cast<size_t>(i)] == keineDaten)
            continue;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (!(lo <= hi))
        return;
    k.yZoom = 1.0;
    d->maxY = hi + (hi - lo) / 20;
    d->minY = lo - (hi - lo) / 20;
}

bool potentialExportieren(const DiagrammDaten& d, const std::string& pfad)
{
    const KurvenDaten& k = d.kurven[0];
    const int n = lesbareWerte(k);
    if (k.werteAnzahl <= 0 || n <= 0 || !hatDaten(k))
        return true;
    std::string bytes;
    char zeile[128];
    for (int i = 0; i + 1 < n; ++i) {
        const int laenge = std::snprintf(zeile, sizeof zeile, "% 2.5lf%c%.5lf%c%c", i * schritt(), 9,
                                         static_cast<double>(k.werte[static_cast<size_t>(i)]), 13, 10);
        if (laenge > 0)
            bytes.append(zeile, static_cast<size_t>(std::min<int>(laenge, sizeof zeile - 1)));
    }
    return sicherSchreiben(pfad, bytes, 75);
}

void kurvenKontextMenu(Fenster f, int slot)
{
    DiagrammDaten* d = wieder(f);
    if (!d || slot < -1 || slot >= kurvenProDiagramm)
        return;
    Menue m = menueErzeugen();
    postenAnhaengen(m, menueArt::Posten, 51054, meldungsTexte[1372]);
    for (int s = 0; s < kurvenProDiagramm; ++s)
        if ((slot == -1 || slot == s) && d->kurven[s].anzeigen)
            postenAnhaengen(m, menueArt::Posten, kurveOptimierenBefehl(s),
                            meldungFormatieren(1370, d->kurven[s].bezeichnung));
    offenesKontextMenu = m;
    const int gewaehlt = popupMenue(m, f, mausPosition());
    offenesKontextMenu = nullptr;
    menueZerstoeren(m);
    if (gewaehlt && istFenster(f))
        senden(f, nachricht::Befehl, static_cast<uintptr_t>(gewaehlt));
}

void diagrammKontextMenu(Fenster f, int art)
{
    DiagrammDaten* d = wieder(f);
    if (!d)
        return;
    Menue m = menueErzeugen();
    if (art != -1) {
        const double w = d->maxX - d->minX, t = zeitAnSpalte(*d, letzterKlickpunkt.x);
        const bool zentrierbar = t - w / 2 >= 0.0 && t + w / 2 <= dauer();
        postenAnhaengen(m, zentrierbar ? menueArt::Posten : menueArt::Grau, 51086, meldungsTexte[668]);
        postenAnhaengen(m, menueArt::Trenner, 0, "");
        if (diagrammOptionen.kontextMenuCursor) {
            if (d->vCursorZustand == 0 && d->hCursorZustand == 0)
                postenAnhaengen(m, menueArt::Posten, 51089, meldungsTexte[669]);
            else if (d->vCursorZustand == 4)
                postenAnhaengen(m, menueArt::Posten, 51089, meldungsTexte[670]);
            if (d->vCursorZustand != 0) {
                postenAnhaengen(m, menueArt::Posten, 51090, meldungsTexte[674]);
                postenAnhaengen(m, menueArt::Posten, 51091, meldungsTexte[673]);
            }
            if (d->hCursorZustand != 0) {
                postenAnhaengen(m, menueArt::Posten, 51088, meldungsTexte[675]);
                postenAnhaengen(m, menueArt::Posten, 51092, meldungsTexte[673]);
            }
            if (d->hCursorZustand == 0 && d->vCursorZustand == 0)
                postenAnhaengen(m, menueArt::Posten, 51087, meldungsTexte[671]);
            else if (d->hCursorZustand == 4)
                postenAnhaengen(m, menueArt::Posten, 51087, meldungsTexte[672]);
        }
        postenAnhaengen(m, menueArt::Posten, 51093, meldungsTexte[676]);
        postenAnhaengen(m, menueArt::Trenner, 0, "");
        Menue achse = menueErzeugen();
        for (int b : {51072, 51073, 51074, 51075, 51076, 51078, 51077})
            postenAnhaengen(achse, menueArt::Posten, b, meldungsTexte[b == 51078 ? 683 : b == 51077 ? 684 : b - 51072 + 678]);
        untermenueAnhaengen(m, achse, meldungsTexte[677]);
    }
    offenesKontextMenu = m;
    const int gewaehlt = popupMenue(m, f, mausPosition());
    offenesKontextMenu = nullptr;
    menueZerstoeren(m);
    if (gewaehlt && istFenster(f))
        senden(f, nachricht::Befehl, static_cast<uintptr_t>(gewaehlt));
}

intptr_t diagrammBefehl(Fenster f, int befehl, intptr_t, int)
{
    if (befehl >= 50000 && befehl < 50000 + druckerListeGroesse) {
        const size_t i = static_cast<size_t>(befehl - 50000);
        if (i < druckAuftrag.druckerListe.size() && static_cast<int>(i) < druckAuftrag.druckerAnzahl) {
            druckerNameSetzen(druckAuftrag, druckAuftrag.druckerListe[i].c_str());
            auffrischen(fensterhandles.hauptfenster);
        }
        return 0;
    }
    // commands that work without a record
    switch (befehl) {
    case diagrammBefehlSchliessen:
        senden(f, nachricht::SystemBefehl, systembefehl::Schliessen);
        return 0;
    case diagrammBefehlLayout:
        diagrammLayoutBefehl(f);
        return 0;
    case diagrammBefehlVorlage: diagrammVorlageBefehl(f); return 0;
    case diagrammBefehlKurven: diagrammKurvenBefehl(f); return 0;
    case diagrammBefehlReferenzkurveSpeichern: diagrammReferenzkurveBefehl(f); return 0;
    case diagrammBefehlSeiteEinrichten: seiteEinrichtenOeffnen(f, seiteDiagrammfenster); return 0;
    case diagrammBefehlAlleVollstaendig: alleVollstaendig(); return 0;
    case diagrammBefehlZeitmessung: zeitmessungBefehl(f); return 0;
    case diagrammBefehlKontextMenuCursor:
        if (DiagrammDaten* d = wieder(f)) {
            if (d->vCursorZustand >= 3)
                diagrammBefehl(f, 51090, 0, 0);
            if ((d = wieder(f)) && d->hCursorZustand >= 3)
                diagrammBefehl(f, 51088, 0, 0);
        }
        diagrammOptionen.kontextMenuCursor = !diagrammOptionen.kontextMenuCursor;
        return 0;
    }
    if (befehl >= diagrammBefehlStromreizSoma && befehl <= diagrammBefehlStromreizDendrit3) {
        const DiagrammDaten* d = wieder(f);
        if (reizkurveWaehlbar(neuronVon(d), befehl - diagrammBefehlStromreizSoma))
            stromreizReferenzkurveAnzeigen(f, befehl - diagrammBefehlStromreizSoma, -1);
        return 0;
    }
    DiagrammDaten* d = wieder(f);
    const bool kurvenBefehl = befehl == 51054 || (befehl >= 51055 && befehl <= 51070)
                              || (befehl >= diagrammBefehlKurveOptimierenHoch + 16
                                  && befehl < diagrammBefehlKurveOptimierenHoch + kurvenProDiagramm);
    if (!d) {
        if (kurvenBefehl)
            hinweisBox(meldungsTexte[439]);
        return 0;
    }
    if (kurvenBefehl) {
        if (befehl == 51054) {
            d->kurven[0].yZoom = 1.0;
            d->maxY = 50.0;
            d->minY = -80.0;
        } else {
            kurveOptimieren(d, befehl >= 51055 && befehl <= 51070 ? befehl - 51055 : befehl - diagrammBefehlKurveOptimierenHoch);
        }
        layoutUndKurven(d);
        auffrischen(f);
        return 0;
    }
    if (befehl >= 51072 && befehl <= 51086) {
        zeitachseBefehl(f, d, befehl);
        return 0;
    }
    NeuronDaten* n = neuronVon(d);
    switch (befehl) {
    case diagrammBefehlDrucken: drucken(f, d); break;
    case diagrammBefehlPotentialExport: potentialExportieren(*d, "potential.txt"); break;
    case diagrammBefehlSpikeverteilungAnalysieren:
        if (!n)
            break;
        if (n->spikefolge.an) {
            n->spikefolge.an = 0;
            auffrischen(n->hauptDiagramm.fenster);
        } else {
            n->spikefolge.an = 1;
            spikefolgeAuswerten(n->nummer);
        }
        break;
    case diagrammBefehlSpikeverteilungAnzeigen:
        if (spikefolgeBewertet(n))
            spikefolgeAuswerten(n->nummer);
        break;
    case diagrammBefehlSpikeverteilungParameter:
        if (n) {
            const int id = n->nummer;
            if (spikefolgenParameterDialog(fensterhandles.hauptfenster, n) == 1)
                if (NeuronDaten* m = neuronNachNummer(id))
                    auffrischen(m->hauptDiagramm.fenster);
        }
        break;
    case diagrammBefehlBurstPhasen:
        if (spikefolgeBewertet(n))
            spikefolgeStatistik(d);
        break;
    case diagrammBefehlAlleAngleichen: alleAngleichen(d); break;
    case diagrammBefehlDezimalstellen:
        dezimalstellenDialogOeffnen(*d);
        auffrischen(wieder(f) ? f : nullptr);
        break;
    case diagrammBefehlWerteInLegende:
        d->werteInLegende = !d->werteInLegende;
        auffrischen(f);
        break;
    case diagrammBefehlApFrequenz:
        d->apFrequenzAnzeigen = !d->apFrequenzAnzeigen;
        auffrischen(f);
        break;
    case diagrammBefehlScrollleiste:
        diagrammOptionen.scrollleisteAnzeigen = !diagrammOptionen.scrollleisteAnzeigen;
        diagrammFensterErzeugt(f);
        auffrischen(f);
        break;
    case diagrammBefehlScrollleisteAutomatisch:
        diagrammOptionen.scrollleisteAutomatisch = !diagrammOptionen.scrollleisteAutomatisch;
        diagrammFensterErzeugt(f);
        if ((d = wieder(f))) {
            diagrammLayoutBerechnen(neuronVon(d), d, 0);
            auffrischen(f);
        }
        break;
    case 51087: wertCursorSetzen(f, d); break;
    case 51088:
        if (d->hCursorZustand >= 3) {
            d->hCursorZustand = 0;
            d->zweiterHCursor = 0;
            d->zustand &= ~(0x40000u | 0x80000u);
            auffrischen(f);
            erkennungsKnoepfe(false);
        }
        break;
    case 51089: zeitCursorSetzen(f, d); break;
    case 51090:
        if (d->vCursorZustand >= 3) {
            d->vCursorZustand = 0;
            d->zweiterVCursor = 0;
            d->vCursor2 = 0.0;
            d->zustand &= ~(0x10000u | 0x20000u);
            auffrischen(f);
        }
        break;
    case 51091: zeitCursorHolen(f, d); break;
    case 51092: wertCursorHolen(f, d); break;
    case 51094:
        aktuellesDiagramm.messModus ^= 0x8;
        diagrammCursorWaehlen(f);
        break;
    }
    return 0;
}

void diagrammMenuInitialisieren(Fenster f, Menue popup, int, int)
{
    DiagrammDaten* d = wieder(f);
    if (!d)
        return;
    druckerMenueFuellen(f);
    NeuronDaten* n = neuronVon(d);
    auto haken = [&](int befehl, bool an) { menuePunktHaken(f, befehl, an ? 1 : -1); };
    haken(diagrammBefehlWerteInLegende, d->werteInLegende);
    haken(diagrammBefehlApFrequenz, d->apFrequenzAnzeigen);
    haken(diagrammBefehlScrollleiste, diagrammOptionen.scrollleisteAnzeigen);
    haken(diagrammBefehlScrollleisteAutomatisch, diagrammOptionen.scrollleisteAutomatisch);
    haken(diagrammBefehlKontextMenuCursor, diagrammOptionen.kontextMenuCursor);
    haken(diagrammBefehlSpikeverteilungAnalysieren, n && n->spikefolge.an);
    if (!popup)
        return;
    // the stimulus submenu of this popup, by position
    for (int i = 0; i < postenAnzahl(popup); ++i)
        if (Menue unter = untermenue(popup, i); unter && menueMitBefehl(unter, diagrammBefehlStromreizSoma))
            grauSetzen(popup, i, Nach::Position, !reizeVorhanden(n));
    for (int k = 0; k < 4; ++k)
        grauSetzen(popup, diagrammBefehlStromreizSoma + k, Nach::Befehl, !reizkurveWaehlbar(n, k));
    grauSetzen(popup, diagrammBefehlSpikeverteilungAnzeigen, Nach::Befehl, !spikefolgeBewertet(n));
    grauSetzen(popup, diagrammBefehlBurstPhasen, Nach::Befehl, !spikefolgeBewertet(n));
}
