// diagrams/ereignisse.cpp - events found as threshold crossings, the smoothed soma curve
// they may be found on, and the dialog that sets both up
#include "diagrams/zeitmessung.h"
#include "diagrams/diagramm.h"
#include "core/schluessel.h"
#include "dialogs/rahmen.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

using namespace plattform;
namespace id = schwelleId;

namespace {

Zeitmessung& zm = zeitmessung;
DiagrammOptionen& opt = diagrammOptionen;

// ---- detection -------------------------------------------------------------------------------

// a range bound as a sample index; false when it is no number a step count can hold
bool schrittIndex(double zeit, double dt, long long& i)
{
    const double x = std::round(zeit / dt);
    if (!std::isfinite(x) || std::fabs(x) > 1e15)
        return false;
    i = static_cast<long long>(x);
    return true;
}

struct SuchlaufMarke {
    SuchlaufMarke() { zm.suchlaufAktiv = 1; }
    ~SuchlaufMarke() { zm.suchlaufAktiv = 0; }
};

// ---- the dialog --------------------------------------------------------------------------------

int schwelleFrisch = 1;       // the next DialogInit is an opening
int gemerkterMessModus = 0;   // the measuring mode while the dialog is open

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void holenSetzenFreigeben(Fenster dlg)
{
    const DiagrammDaten* d = lebendesMessDiagramm();
    const bool ein = d && d->hCursorZustand == 4;
    elementFreigeben(dlg, id::Holen, ein);
    elementFreigeben(dlg, id::Setzen, ein);
}

void glaettenFreigeben(Fenster dlg)
{
    const bool an = haken(dlg, id::Glaetten);
    for (int i : {id::Ausschliessen, id::Rate, id::RateText, id::JetztGlaetten})
        elementFreigeben(dlg, i, an);
}

void platzieren(Fenster dlg)
{
    const Rechteck r = fensterRechteck(dlg);
    const Rechteck a = arbeitsbereich();
    if (!zm.schwelleDialogPositionGesetzt || zm.schwelleDialogX + r.breite() > a.rechts
        || zm.schwelleDialogY + r.hoehe() > a.unten) {
        zm.schwelleDialogX = a.links + (a.breite() - r.breite()) / 2;
        zm.schwelleDialogY = a.oben + (a.hoehe() - r.hoehe()) / 2;
        zm.schwelleDialogPositionGesetzt = 1;
    }
    verschieben(dlg, zm.schwelleDialogX, zm.schwelleDialogY, r.breite(), r.hoehe());
}

void initialisieren(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageEreignisSchwelle);
    if (schwelleFrisch) {
        tastaturHookSetzen(dlg);
        schwelleFrisch = 0;
    }
    // the range from two listed events, else the whole run
    if ((zm.erkennungsOptionen & erkennungsBit::BereichAusZweien) && zm.ereignisAnzahl == 2
        && zm.ereignisZeiten.size() == 2) {
        zm.bereichStart = zm.ereignisZeiten[0];
        zm.bereichEnde = zm.ereignisZeiten[1];
        zm.erkennungsOptionen |= erkennungsBit::BereichGesetzt;
    } else if (!(zm.erkennungsOptionen & erkennungsBit::BereichGesetzt)) {
        zm.bereichStart = 0.0;
        zm.bereichEnde = simulationsParameter.simulationsDauer;
    }
    if (opt.glaettungsrate < 1)
        opt.glaettungsrate = 50;
    zm.erkennungsOptionen |= erkennungsBit::SchwelleOffen;
    gemerkterMessModus = aktuellesDiagramm.messModus;
    aktuellesDiagramm.messModus &= ~(0x10 | 0x8);
    // the fields
    elementTextSetzen(dlg, id::Schwelle, zahlText(opt.schwelle));
    elementTextSetzen(dlg, id::Totzeit, zahlText(opt.totzeit));
    elementTextSetzen(dlg, id::Start, zahlText(zm.bereichStart));
    elementTextSetzen(dlg, id::Ende, zahlText(zm.bereichEnde));
    elementTextSetzen(dlg, id::Rate, std::to_string(opt.glaettungsrate));
    const bool steigend = zm.erkennungsOptionen & erkennungsBit::Steigend;
    hakenSetzen(dlg, id::Steigend, steigend);
    hakenSetzen(dlg, id::Fallend, !steigend);
    hakenSetzen(dlg, id::Glaetten, opt.kurveGlaettenAn != 0);
    hakenSetzen(dlg, id::Ausschliessen, opt.ungeglaettetAusschliessen != 0);
    glaettenFreigeben(dlg);
    holenSetzenFreigeben(dlg);
    platzieren(dlg);
}

void schliessen(Fenster dlg, intptr_t ergebnis)
{
    zm.erkennungsOptionen &= ~erkennungsBit::SchwelleOffen;
    aktuellesDiagramm.messModus = gemerkterMessModus;
    if (istFenster(aktuellesDiagramm.messFenster))
        diagrammCursorWaehlen(aktuellesDiagramm.messFenster);
    tastaturHookEntfernen();
    dialogBeenden(dlg, ergebnis);
    schwelleFrisch = 1;
}

void jetztGlaetten(Fenster dlg)
{
    int rate = 0;
    if (!dialogGanzzahlLesen(dlg, id::Rate, INT_MIN, INT_MAX, rate))
        return;
    opt.glaettungsrate = rate;
    DiagrammDaten* d = lebendesMessDiagramm();
    if (!d)
        return;
    kurveGlaetten(d);
    zm.letzteGlaettungsrate = opt.glaettungsrate;
    diagrammLayoutBerechnen(neuronNachNummer(d->neuronId), d, 0);
    kurvenVorbereiten(d, -1);
    ungueltigMachen(d->fenster);
    neuZeichnen(d->fenster);
}

bool glaettungAktuell()
{
    if (!opt.kurveGlaettenAn)
        return true;
    const DiagrammDaten* d = lebendesMessDiagramm();
    return d && hatDaten(d->kurven[kurve::Referenz1]) && zm.letzteGlaettungsrate == opt.glaettungsrate;
}

void ok(Fenster dlg)
{
    // every number first: a field without one (the end may also say "end" or "max", the
    // run's end) leaves the settings as they were
    double schwelle = 0.0, totzeit = 0.0, start = 0.0, ende = simulationsParameter.simulationsDauer;
    int rate = 0;
    const std::string endeText = elementText(dlg, id::Ende, 255);
    const bool laufEnde = !endeText.empty() && std::string("eEmM").find(endeText[0]) != std::string::npos;
    if (!dialogZahlFeldLesen(dlg, id::Schwelle, schwelle) || !dialogZahlFeldLesen(dlg, id::Totzeit, totzeit) ||
        !dialogZahlFeldLesen(dlg, id::Start, start) || (!laufEnde && !dialogZahlFeldLesen(dlg, id::Ende, ende)) ||
        !dialogGanzzahlLesen(dlg, id::Rate, INT_MIN, INT_MAX, rate))
        return;
    opt.schwelle = schwelle;
    opt.totzeit = totzeit;
    zm.bereichStart = start;
    zm.bereichEnde = ende;
    opt.glaettungsrate = rate;
    opt.kurveGlaettenAn = haken(dlg, id::Glaetten);
    opt.ungeglaettetAusschliessen = haken(dlg, id::Ausschliessen);
    if (haken(dlg, id::Steigend))
        zm.erkennungsOptionen = (zm.erkennungsOptionen | erkennungsBit::Steigend) & ~erkennungsBit::Fallend;
    else
        zm.erkennungsOptionen = (zm.erkennungsOptionen | erkennungsBit::Fallend) & ~erkennungsBit::Steigend;
    if (!glaettungAktuell()) {
        if (sysInfoBox(meldungFormatieren(1261), knoepfe::JaNein) != antwort::Ja)
            return;
        jetztGlaetten(dlg);
        if (!glaettungAktuell())
            return;
    }
    schliessen(dlg, 1);
}

} // namespace

void ereignisseErkennen(DiagrammDaten* diagramm)
{
    if (!diagramm || diagramm != lebendesMessDiagramm() || zm.suchlaufAktiv)
        return;
    // the old events go without a question
    ereignisListeStillLeeren();
    // the range in steps, inside the run
    const double dt = simulationsParameter.schrittweite;
    const double dauer = simulationsParameter.simulationsDauer;
    long long i0 = 0, i1 = 0, N = 0;
    if (!(dt > 0.0) || !schrittIndex(dauer, dt, N) || !schrittIndex(zm.bereichStart, dt, i0) || i0 >= N) {
        hinweisBox(meldungFormatieren(839));
        return;
    }
    if (!schrittIndex(zm.bereichEnde, dt, i1) || i1 > N || i0 > i1) {
        hinweisBox(meldungFormatieren(1260));
        return;
    }
    // the unsmoothed ends left out
    if (opt.ungeglaettetAusschliessen) {
        const long long h = (std::max(opt.glaettungsrate, 0) + 1) / 2;
        i0 = std::max(i0, h);
        const double grenze = std::floor(dauer / dt - static_cast<double>(h));
        if (static_cast<double>(i1) > grenze)
            i1 = static_cast<long long>(grenze);
    }
    // the smoothed copy or the soma curve
    const int slot = opt.kurveGlaettenAn && opt.glaettungsrate >= 1 ? kurve::Referenz1 : kurve::Soma;
    // the scan; sample 0 has no predecessor. The samples are looked up afresh at every
    // step: a pump may close the window and free them.
    zm.stopAnforderung = 0;
    const SuchlaufMarke marke;
    const bool steigend = zm.erkennungsOptionen & erkennungsBit::Steigend;
    const double schwelle = opt.schwelle;
    double tot = 0.0;
    for (long long i = std::max(i0, 1LL); i < i1 && !zm.stopAnforderung; ++i) {
        tot -= dt;
        if (i % 1000 == 0) {
            nachrichtenVerarbeiten();
            if (lebendesMessDiagramm() != diagramm)
                break;
        }
        const KurvenDaten& k = diagramm->kurven[slot];
        if (i >= lesbareWerte(k))
            break;
        if (tot > 0.0)
            continue;
        const double vorher = k.werte[static_cast<size_t>(i - 1)], jetzt = k.werte[static_cast<size_t>(i)];
        const bool kreuzung = steigend ? (jetzt >= schwelle && schwelle > vorher) : (jetzt <= schwelle && schwelle < vorher);
        if (kreuzung) {
            ereignisZeitHinzufuegen(static_cast<double>(i) * dt);
            tot = opt.totzeit;
        }
    }
}

int kurveGlaetten(DiagrammDaten* diagramm)
{
    if (!diagramm)
        return 1;
    const KurvenDaten& roh = diagramm->kurven[kurve::Soma];
    KurvenDaten& g = diagramm->kurven[kurve::Referenz1];
    // a slot without samples gets a buffer like the soma curve's
    if (g.werte.empty() && !roh.werte.empty()) {
        g.werte.assign(roh.werte.size(), keineDaten);
        g.werteAnzahl = roh.werteAnzahl;
    }
    // the name says it once
    const std::string zusatz = meldungFormatieren(1264);
    if (g.bezeichnung.find(zusatz) == std::string::npos)
        g.bezeichnung += zusatz;
    // the centred mean of r samples; the ends stay raw
    const int n = std::min(lesbareWerte(roh), lesbareWerte(g));
    if (n > 0) {
        const int r = std::clamp(opt.glaettungsrate, 1, n);
        const int h = (r + 1) / 2, vor = r - h;
        for (int i = 0; i < n; ++i) {
            if (i < h || i >= n - vor) {
                g.werte[static_cast<size_t>(i)] = roh.werte[static_cast<size_t>(i)];
                continue;
            }
            float summe = 0.0f;
            for (int j = i - vor; j < i - vor + r; ++j)
                summe += roh.werte[static_cast<size_t>(j)];
            g.werte[static_cast<size_t>(i)] = summe / static_cast<float>(r);
        }
    }
    // the raw curve in grey behind the smoothed one in dark blue
    zm.alteKurvenfarbe = roh.farbe;
    diagramm->kurven[kurve::Soma].farbe = 0xC8C8C8;
    diagramm->kurven[kurve::Soma].anzeigen = 1;
    g.farbe = 0x640000;
    g.anzeigen = 1;
    return 1;
}

intptr_t ereignisSchwelleDlgProc(Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t)
{
    switch (nachricht) {
    case nachricht::DialogInit:
        initialisieren(dlg);
        return 1;
    case nachricht::Aktivieren:
        holenSetzenFreigeben(dlg);
        return 0;
    case nachricht::Zerstoeren:
        // gone with the time measurement dialog, without OK or Cancel
        if (zm.erkennungsOptionen & erkennungsBit::SchwelleOffen) {
            zm.erkennungsOptionen &= ~erkennungsBit::SchwelleOffen;
            aktuellesDiagramm.messModus = gemerkterMessModus;
            schwelleFrisch = 1;
        }
        return 0;
    case nachricht::Bewegen: {
        const Rechteck r = fensterRechteck(dlg);
        zm.schwelleDialogX = r.links;
        zm.schwelleDialogY = r.oben;
        zm.schwelleDialogPositionGesetzt = 1;
        return 0;
    }
    case nachricht::Befehl:
        break;
    default:
        return 0;
    }
    switch (loWort(w)) {
    case id::Holen:
        if (const DiagrammDaten* d = lebendesMessDiagramm()) {
            opt.schwelle = d->hCursor1;
            elementTextSetzen(dlg, id::Schwelle, zahlText(opt.schwelle));
        }
        break;
    case id::Setzen:
        if (DiagrammDaten* d = lebendesMessDiagramm(); d && dialogZahlFeldLesen(dlg, id::Schwelle, opt.schwelle)) {
            d->hCursor1 = opt.schwelle;
            ungueltigMachen(d->fenster);
            neuZeichnen(d->fenster);
        }
        break;
    case id::JetztGlaetten:
        jetztGlaetten(dlg);
        break;
    case id::GlaettenHilfe:
        hinweisBox(meldungFormatieren(1262));
        break;
    case id::Hilfe:
        hinweisBox(meldungFormatieren(1263));
        break;
    case id::Glaetten:
        opt.kurveGlaettenAn = haken(dlg, id::Glaetten);
        glaettenFreigeben(dlg);
        break;
    case id::Ausschliessen:
        opt.ungeglaettetAusschliessen = haken(dlg, id::Ausschliessen);
        break;
    case 1:
        ok(dlg);
        break;
    case 2:
        schliessen(dlg, 2);
        break;
    default:
        break;
    }
    return 0;
}
