// diagrams/drucken.cpp - one window on one page, the page metrics, the printer fonts, the
// header and footer, and the printer list that a thread of its own fills
#include "diagrams/drucken.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/zeichner.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/seiteneinrichtung.h"
#include "platform/box.h"
#include "platform/drucken.h"
#include "platform/steuerelemente.h"
#include "platform/system.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <system_error>
#include <thread>

namespace p = plattform;

DruckAuftrag druckAuftrag;
std::string standardDrucker;
p::Zeichenflaeche* netzwerkDruckDC = nullptr;

namespace {

// the main window's timer that brings the stored status texts back
constexpr uintptr_t zeitgeberStatusleiste = 2;
constexpr int statusTeilDruck = 2;

p::DruckAuftrag offenerJob = nullptr;   // the job of the page being painted
bool seiteVerworfen = false;            // the painter found nothing printable on it

// A length in device units. No page is a hundred million units wide: beyond that a value is
// cut, so that the sums of a few of them stay in int.
int gerundet(double wert)
{
    constexpr double grenze = 1e8;
    return std::isfinite(wert) ? static_cast<int>(std::lround(std::clamp(wert, -grenze, grenze))) : 0;
}

void statusDruck(const std::string& text)
{
    if (!fensterhandles.statusleiste || (programmStatus & programmBit::KeineStatusleiste))
        return;
    p::statusTextSetzen(fensterhandles.statusleiste, statusTeilDruck | p::statusStil::Herausgehoben, text);
}

// '&' marks a mnemonic in a menu text: a printer name shows it as it is
std::string menueText(const std::string& name)
{
    std::string t;
    for (char c : name) {
        t += c;
        if (c == '&')
            t += '&';
    }
    return t;
}

// ---- the printer list's search ------------------------------------------------------------

struct Suche {
    std::mutex sperre;
    std::condition_variable fertig;
    bool laeuft = false;
    bool nochmal = false;     // asked for while one ran
    int nummer = 0;           // of the last search begun
};
// Never destroyed: a worker that outlives the program's end must still find it.
Suche& suche()
{
    static Suche* s = new Suche;
    return *s;
}
int angewendet = 0;           // GUI thread: the number of the result shown

void ergebnisUebernehmen(int nummer, const std::vector<std::string>& liste, const std::string& standard)
{
    if (programmEndet() || nummer <= angewendet)
        return;
    angewendet = nummer;
    // the menus hold 100 commands; the PDF printer (always the last) keeps its place
    std::vector<std::string> namen;
    for (const std::string& n : liste)
        if (n != p::pdfDrucker && static_cast<int>(namen.size()) < druckerListeGroesse - 1)
            namen.push_back(n);
    namen.push_back(p::pdfDrucker);
    druckAuftrag.druckerListe = std::move(namen);
    druckAuftrag.druckerAnzahl = static_cast<int>(druckAuftrag.druckerListe.size());
    ::standardDrucker = standard.empty() ? std::string(p::pdfDrucker) : standard;
    druckerUntermenueFuellen(fensterhandles.hauptmenue);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            if (d->fenster)
                druckerMenueFuellen(d->fenster);
}

void sucheArbeiten()
{
    Suche& s = suche();
    for (;;) {
        int nummer;
        {
            std::lock_guard l(s.sperre);
            nummer = ++s.nummer;
        }
        std::vector<std::string> liste = p::druckerListe();
        std::string standard = p::standardDrucker();
        p::aufGuiThread([nummer, liste = std::move(liste), standard = std::move(standard)] {
            ergebnisUebernehmen(nummer, liste, standard);
        });
        std::lock_guard l(s.sperre);
        if (!s.nochmal) {
            s.laeuft = false;
            s.fertig.notify_all();
            return;
        }
        s.nochmal = false;
    }
}

void kopfOderFuss(p::Zeichenflaeche& z, const SeitenEinrichtung& s, FontDaten& schrift, const std::string& text,
                  int ausrichtung, int y, bool unten)
{
    druckerSchriftErzeugen(schrift, nullptr);
    uint32_t a = p::textAusrichtung::Links;
    int x = s.randLinksGeraet;
    if (ausrichtung == 1) {
        a = p::textAusrichtung::Rechts;
        x += s.druckBreite;
    } else if (ausrichtung == 2) {
        a = p::textAusrichtung::Mitte;
        x += s.druckBreite / 2;
    }
    const p::Schrift alteSchrift = p::auswaehlen(z, schrift.schrift);
    const uint32_t alteAusrichtung = p::textAusrichtungSetzen(z, a | (unten ? p::textAusrichtung::Unten : p::textAusrichtung::Oben));
    const p::Farbe alteFarbe = p::textFarbeSetzen(z, schrift.farbe);
    const bool warTransparent = p::hintergrundTransparent(z, true);
    p::text(z, x, y, text);
    p::hintergrundTransparent(z, warTransparent);
    p::textFarbeSetzen(z, alteFarbe);
    p::textAusrichtungSetzen(z, alteAusrichtung);
    p::auswaehlen(z, alteSchrift);
}

} // namespace

// ---- the print road -----------------------------------------------------------------------

void fensterDrucken(p::Fenster f, SeitenEinrichtung& seite, DruckAuftrag& auftrag, const std::string& titel)
{
    // the job, in the page's orientation
    p::DruckEinstellung e;
    e.drucker = auftrag.druckerName;
    e.quer = seite.ausrichtung == seitenAusrichtung::Querformat;
    e.dokument = titel;
    e.pdfDatei = auftrag.pdfDatei;
    const std::string drucker = auftrag.druckerName.empty() ? ::standardDrucker : auftrag.druckerName;
    std::string grund;
    const p::DruckAuftrag job = p::druckBeginnen(f, e, &grund);
    if (!job) {
        if (!grund.empty())                 // "" is a cancelled PDF file choice
            p::hinweisBox(meldungFormatieren(89, drucker.c_str()));
        return;
    }
    const std::string ziel = p::druckZiel(job);
    // the info box, closed by timer 7; it pumps messages
    rahmen::anzeigeboxZeigen(meldungsTexte[926], meldungFormatieren(925, titel.c_str(), drucker.c_str()));
    // the status text; the window rests while its page prints
    statusDruck(meldungFormatieren(927, titel.c_str()));
    programmStatus |= programmBit::Druckt;
    p::freigeben(f, false);
    // the paint; the window's diagram is looked up again, as the box let other work in
    offenerJob = job;
    seiteVerworfen = false;
    p::Zeichenflaeche& z = p::druckFlaeche(job);
    bool gemalt = false;
    if (f == fensterhandles.hauptfenster) {
        netzwerkDruckDC = &z;
        auftrag.druckeNetzwerk = 1;
        p::senden(f, p::nachricht::Zeichnen, 0, reinterpret_cast<intptr_t>(&z));
        auftrag.druckeNetzwerk = 0;
        netzwerkDruckDC = nullptr;
        gemalt = true;
    } else if (DiagrammDaten* d = diagrammZuFenster(f)) {
        if (NeuronDaten* n = neuronNachNummer(d->neuronId)) {
            n->druckAktiv = 1;
            n->zeichenDC = &z;
            diagrammZeichnen(f);
            n->druckAktiv = 0;
            n->zeichenDC = nullptr;
            // back to the screen: this diagram's own layout and points
            diagrammLayoutBerechnen(n, d, 0);
            kurvenVorbereiten(d, -1);
            gemalt = true;
        } else {
            zeichenMeldungMerken(meldungFormatieren(87), true);
        }
    } else {
        // the window was closed while its job waited behind the info box
        zeichenMeldungMerken(meldungFormatieren(1271, titel.c_str()));
    }
    offenerJob = nullptr;
    // the printer fonts are the page's only
    for (FontDaten* schrift : {&seite.kopfSchrift, &seite.fussSchrift, &seite.diagrammSchrift, &auftrag.druckerSchrift}) {
        p::loeschen(schrift->schrift);
        schrift->schrift = nullptr;
    }
    // the page goes out, or nothing does
    bool gedruckt = false;
    if (gemalt && !seiteVerworfen) {
        gedruckt = p::druckBeenden(job);
        if (!gedruckt)
            zeichenMeldungMerken(ziel.empty() ? meldungFormatieren(89, drucker.c_str()) : meldungFormatieren(75, ziel.c_str()));
    } else {
        p::druckAbbrechen(job);
        if (gemalt)
            zeichenMeldungMerken(meldungsTexte[929]);
    }
    // the window back, the status text restored later, everything repainted
    p::freigeben(f, true);
    statusDruck(meldungsTexte[gedruckt ? 928 : 1272]);
    if (fensterhandles.hauptfenster)
        p::zeitgeberSetzen(fensterhandles.hauptfenster, zeitgeberStatusleiste,
                           static_cast<unsigned>(std::max(2 * statuszeilenAnzeigedauer, 1)));
    programmStatus &= ~programmBit::Druckt;
    p::vordergrundSetzen(f);
    p::ungueltigMachen(f);
    if (fensterhandles.hauptfenster)
        p::ungueltigMachen(fensterhandles.hauptfenster);
    zeichenMeldungenZeigen();
}

void druckerNameSetzen(DruckAuftrag& auftrag, const char* name)
{
    if (!name) {
        if (auftrag.druckerName.empty())
            p::hinweisBox(meldungsTexte[107]);
        return;
    }
    auftrag.druckerName = name;
    auftrag.druckeNetzwerk = 0;
}

void druckSeiteVerwerfen() { seiteVerworfen = true; }

// ---- the page ---------------------------------------------------------------------------------

bool druckerSeiteLesen(SeitenEinrichtung& s, const std::string&)
{
    if (!offenerJob)
        return false;
    const p::SeitenMasse m = p::seitenMasse(offenerJob);
    // the sheet and its printable area
    s.physBreite = m.breite;
    s.physHoehe = m.hoehe;
    s.papierBreiteMm = m.dpiX > 0 ? m.breite * 25.4 / m.dpiX : 210.0;
    s.papierHoeheMm = m.dpiY > 0 ? m.hoehe * 25.4 / m.dpiY : 297.0;
    s.horzRes = m.druckbar.breite();
    s.vertRes = m.druckbar.hoehe();
    s.physOffsetX = m.druckbar.links;
    s.physOffsetY = m.druckbar.oben;
    if (m.druckbar.links < 0 || m.druckbar.oben < 0 || m.druckbar.rechts > m.breite || m.druckbar.unten > m.hoehe) {
        p::piepen(1000, 100);
        zeichenMeldungMerken(meldungFormatieren(707));
    }
    // the margins by the sheet's own millimetres, which landscape turns
    const auto quer = [&](double mm) { return s.papierBreiteMm > 0 ? gerundet(s.physBreite * mm / s.papierBreiteMm) : 0; };
    const auto hoch = [&](double mm) { return s.papierHoeheMm > 0 ? gerundet(s.physHoehe * mm / s.papierHoeheMm) : 0; };
    // a margin narrower than the printer's unprintable edge would put the picture's edge
    // where nothing prints: the edge is the least margin
    const int links = std::max(quer(s.randLinks), m.druckbar.links);
    const int rechts = std::max(quer(s.randRechts), m.breite - m.druckbar.rechts);
    const int oben = std::max(hoch(s.randOben), m.druckbar.oben);
    const int unten = std::max(hoch(s.randUnten), m.hoehe - m.druckbar.unten);
    s.druckBreite = s.physBreite - links - rechts;
    s.druckHoehe = s.physHoehe - oben - unten;
    s.randLinksGeraet = links - s.physOffsetX;
    s.randRechtsGeraet = rechts - s.physOffsetX;
    s.randObenGeraet = oben - s.physOffsetY;
    s.randUntenGeraet = unten - s.physOffsetY;
    s.umrandungDicke = quer(s.umrandungDickeMm);
    s.kopfAbstand = hoch(s.kopfAbstandMm);
    s.fussAbstand = hoch(s.fussAbstandMm);
    return s.druckBreite > 0 && s.druckHoehe > 0;
}

void druckerSchriftErzeugen(FontDaten& schrift, const FontDaten* quelle)
{
    if (!offenerJob)
        return;
    p::loeschen(schrift.schrift);
    schrift.schrift = nullptr;
    if (quelle && quelle != &schrift) {
        schrift = *quelle;
        schrift.schrift = nullptr;           // the source keeps its own
    }
    p::SchriftMerkmale m;
    m.gewicht = schrift.gewicht < 1 ? 400 : schrift.gewicht;
    m.kursiv = schrift.kursiv != 0;
    m.unterstrichen = schrift.unterstrichen != 0;
    m.orientierung = 900;
    m.hoehe = p::schriftHoeheAusPunkten(schrift.punkte, p::seitenMasse(offenerJob).dpiY);
    m.name = schrift.name;
    schrift.merkmale = m;
    schrift.schrift = p::schriftErzeugen(m);
}

void druckBereichBerechnen(p::Fenster f, SeitenEinrichtung& s, DruckAuftrag&)
{
    DiagrammDaten* d = diagrammZuFenster(f);
    if (!d)
        return;
    s.ausdehnungX = s.ausdehnungY = 0;
    if (!neuronNachNummer(d->neuronId)) {
        zeichenMeldungMerken(meldungFormatieren(87), true);
        return;
    }
    s.druckLinks = s.druckOben = 0;
    if (s.seiteMaximalAusnutzen) {
        s.ausdehnungX = s.druckRechts = 2 * d->xRand + d->plotBreite;
        s.ausdehnungY = s.druckUnten = 2 * d->yRand + d->plotHoehe;
        return;
    }
    // the diagram's own window, whole, as large as the page's proportions allow
    const int w = s.druckRechts = d->breite;
    const int h = s.druckUnten = d->hoehe;
    if (w <= 0 || h <= 0 || s.druckBreite <= 0 || s.druckHoehe <= 0)
        return;
    if (static_cast<double>(s.druckHoehe) / s.druckBreite < static_cast<double>(h) / w) {
        s.ausdehnungX = gerundet(static_cast<double>(h) * s.druckBreite / s.druckHoehe);
        s.ausdehnungY = gerundet(static_cast<double>(s.ausdehnungX) * s.druckHoehe / s.druckBreite);
    } else {
        s.ausdehnungX = w;
        s.ausdehnungY = gerundet(static_cast<double>(w) * s.druckHoehe / s.druckBreite);
    }
}

void netzDruckBereichBerechnen(SeitenEinrichtung& s, const p::Rechteck* netz, p::Rechteck client)
{
    const p::Rechteck r = netz ? *netz : client;
    s.druckLinks = std::max(r.links, 0);
    s.druckOben = std::max(r.oben, 0);
    s.druckRechts = r.rechts;
    s.druckUnten = r.unten;
    s.ausdehnungX = s.ausdehnungY = 0;
    const int w = s.druckRechts - s.druckLinks, h = s.druckUnten - s.druckOben;
    if (w <= 0 || h <= 0 || s.druckBreite <= 0 || s.druckHoehe <= 0)
        return;
    s.ausdehnungX = static_cast<double>(s.druckHoehe) / s.druckBreite < static_cast<double>(h) / w
                        ? gerundet(static_cast<double>(h) * s.druckBreite / s.druckHoehe)
                        : w;
    // one scale both ways
    s.ausdehnungY = gerundet(static_cast<double>(s.ausdehnungX) * s.druckHoehe / s.druckBreite);
}

void seitenRahmenZeichnen(p::Zeichenflaeche& z, const SeitenEinrichtung& s)
{
    const auto rahmen = [&](int stil, int breite, p::Farbe farbe, const p::Rechteck& r) {
        const p::Stift stift = p::stiftErzeugen(stil, breite, farbe);
        const p::Stift alterStift = p::auswaehlen(z, stift);
        const p::Pinsel alterPinsel = p::auswaehlen(z, p::hohlerPinsel());
        p::rechteck(z, r);
        p::auswaehlen(z, alterStift);
        p::auswaehlen(z, alterPinsel);
        p::loeschen(stift);
    };
    if (s.rahmenZeichnen)
        rahmen(p::stiftStil::Durchgehend, 0, 0, {0, 0, s.horzRes, s.vertRes});
    if (s.umrandung)
        rahmen(s.umrandungArt, s.umrandungDicke, s.umrandungFarbe,
               {s.randLinksGeraet, s.randObenGeraet, s.randLinksGeraet + s.druckBreite, s.randObenGeraet + s.druckHoehe});
}

void kopfUndFussZeichnen(p::Zeichenflaeche& z, SeitenEinrichtung& s)
{
    // measured from the sheet's edges; the page's origin is the printable area's corner
    if (s.kopfzeile && !s.kopfText.empty())
        kopfOderFuss(z, s, s.kopfSchrift, s.kopfText, s.kopfAusrichtung, s.kopfAbstand - s.physOffsetY, false);
    if (s.fusszeile && !s.fussText.empty())
        kopfOderFuss(z, s, s.fussSchrift, s.fussText, s.fussAusrichtung, s.physHoehe - s.fussAbstand - s.physOffsetY, true);
}

std::string kopfzeileErsetzen(const std::string& ein, const std::tm& jetzt)
{
    constexpr size_t hoechstens = 1023;
    std::string aus;
    char puffer[32];
    for (size_t i = 0; i < ein.size(); ++i) {
        if (ein[i] != '^') {
            aus += ein[i];
            continue;
        }
        if (++i >= ein.size())
            break;
        switch (ein[i]) {
        case 'D':
            std::snprintf(puffer, sizeof puffer, "%02d.%02d.%02d", jetzt.tm_mday, jetzt.tm_mon + 1, (jetzt.tm_year - 100) % 100);
            aus += puffer;
            break;
        case 'U':
            std::snprintf(puffer, sizeof puffer, "%02d:%02d", jetzt.tm_hour, jetzt.tm_min);
            aus += puffer;
            break;
        case 'F': aus += dateipfade.netzName; break;
        default: break;
        }
    }
    if (aus.size() > hoechstens)
        aus.resize(hoechstens);
    return aus;
}

// ---- the printer list -----------------------------------------------------------------------

void druckerUntermenueFuellen(p::Menue m)
{
    const p::Menue unter = m ? p::menueMitBefehl(m, befehlDruckerUeberschrift) : nullptr;
    if (!unter)
        return;
    int kopf = 0;
    while (kopf < p::postenAnzahl(unter) && p::postenBefehl(unter, kopf) != befehlDruckerUeberschrift)
        ++kopf;
    while (p::postenAnzahl(unter) > kopf + 1)
        p::postenLoeschen(unter, kopf + 1, p::Nach::Position);
    for (int i = 0; i < druckAuftrag.druckerAnzahl && i < druckerListeGroesse; ++i)
        p::postenAnhaengen(unter, p::menueArt::Posten, befehlDruckerErste + i,
                           menueText(druckAuftrag.druckerListe[static_cast<size_t>(i)]));
}

void druckerMenueFuellen(p::Fenster fenster)
{
    if (fenster)
        druckerUntermenueFuellen(p::fensterMenue(fenster));
}

void druckerSucheStarten(p::Fenster)
{
    Suche& s = suche();
    std::lock_guard l(s.sperre);
    if (s.laeuft) {
        s.nochmal = true;
        return;
    }
    try {
        std::thread(sucheArbeiten).detach();
        s.laeuft = true;
    } catch (const std::system_error&) {
        // no thread: the list stays as it is
    }
}

bool druckerSucheBeenden() { return true; }

void druckerSucheAbwarten()
{
    Suche& s = suche();
    {
        std::unique_lock l(s.sperre);
        s.fertig.wait(l, [&] { return !s.laeuft; });
    }
    p::nachrichtenVerarbeiten();
}

// ---- the diagram painter on a page ----------------------------------------------------------

bool diagrammSeiteVorbereiten(DiagrammZeichner& w)
{
    SeitenEinrichtung& s = seiteDiagrammfenster;
    if (!druckerSeiteLesen(s, druckAuftrag.druckerName)) {
        druckSeiteVerwerfen();
        return false;
    }
    druckBereichBerechnen(w.fenster, s, druckAuftrag);
    if (s.ausdehnungX <= 0 || s.ausdehnungY <= 0) {
        druckSeiteVerwerfen();
        return false;
    }
    druckerSchriftErzeugen(s.diagrammSchrift, &w.d.achsenSchrift);
    // measured, not left selected: the painter re-creates it at each point size
    const p::Schrift vorher = p::auswaehlen(w.z, s.diagrammSchrift.schrift);
    w.masse = p::schriftMasse(w.z);
    p::auswaehlen(w.z, vorher);
    w.skalaX = static_cast<double>(s.druckBreite) / s.ausdehnungX;
    w.skalaY = static_cast<double>(s.druckHoehe) / s.ausdehnungY;
    w.versatzX = s.randLinksGeraet;
    w.versatzY = s.randObenGeraet;
    w.druckOben = s.randObenGeraet;
    w.druckHoehe = s.druckHoehe;
    return true;
}

void diagrammSeitenrahmenZeichnen(DiagrammZeichner& w)
{
    seitenRahmenZeichnen(w.z, seiteDiagrammfenster);
    kopfUndFussZeichnen(w.z, seiteDiagrammfenster);
}

p::Schrift diagrammDruckSchrift(int punkte)
{
    if (!offenerJob)
        return nullptr;
    FontDaten& s = seiteDiagrammfenster.diagrammSchrift;
    s.punkte = punkte;
    druckerSchriftErzeugen(s, nullptr);
    return s.schrift;
}
