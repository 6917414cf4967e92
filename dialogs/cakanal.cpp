// dialogs/cakanal.cpp - "Eigenschaften der Ca-Kanaele und des Ca-abhaengigen Kaliumkanals" (314)
//
// A neuron's K(Ca) record is made at the first OK; until then the dialog starts from the
// neuron's Golowasch-Buchholz parameters, which hold the same values.
#include "dialogs/cakanal.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "files/kcakanal.h"
#include "model/diagramm.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>

using namespace plattform;

namespace {

enum : int {
    idTau = 2076, idStroeme = 2066, idAusgeschaltet = 2067, idOeffnung = 2068, idInaktivierung = 2174,
    idSpannung = 2175, idLaden = 2169, idSpeichern = 2170, idEntfernen = 2171, idStandard = 2172,
    idMerken = 2173,
};
constexpr int torKCaInaktivierung = 4;
constexpr int gbAnfang = par::GbCaStart, gbEnde = 238;   // the model's parameter range
constexpr int textOhneGb = 981, textEntfernen = 982, textStandard = 983;
constexpr int textFilter = 986, textTitel = 992, textKehrwertUnendlich = 959;

// A record field: of the record itself (tor < 0) or of one of its five gates.
struct Feld {
    int tor;
    double KCaKanal::*kanal;
    double KCaTor::*torFeld;
    double& in(KCaKanal& k) const { return tor < 0 ? k.*kanal : k.tore[tor].*torFeld; }
};
constexpr Feld k(double KCaKanal::*f) { return {-1, f, nullptr}; }
constexpr Feld t(int tor, double KCaTor::*f) { return {tor, nullptr, f}; }

struct Zuordnung { Feld feld; int nummer; };   // a model parameter or a control

constexpr Zuordnung parameterTabelle[] = {
    {k(&KCaKanal::caStart), 106}, {k(&KCaKanal::zellvolumenKonstante), 107}, {k(&KCaKanal::caAbbau), 108},
    {k(&KCaKanal::caHintergrund), 109}, {k(&KCaKanal::caAussen), 110}, {k(&KCaKanal::temperatur), 111},
    {k(&KCaKanal::gCa1), 179}, {k(&KCaKanal::gCa2), 192}, {k(&KCaKanal::gKCa), 202}, {k(&KCaKanal::eKCa), 203},
    {k(&KCaKanal::cStart), 176}, {k(&KCaKanal::dStart), 178}, {k(&KCaKanal::eStart), 191},
    {k(&KCaKanal::pStart), 199}, {k(&KCaKanal::qStart), 201},
    {t(0, &KCaTor::potenz), 175}, {t(0, &KCaTor::formAlpha), 180}, {t(0, &KCaTor::v0Alpha), 181},
    {t(0, &KCaTor::schrittAlpha), 182}, {t(0, &KCaTor::formBeta), 183}, {t(0, &KCaTor::rateBeta), 184},
    {t(1, &KCaTor::potenz), 177}, {t(1, &KCaTor::formAlpha), 185}, {t(1, &KCaTor::v0Alpha), 186},
    {t(1, &KCaTor::schrittAlpha), 187}, {t(1, &KCaTor::formBeta), 188}, {t(1, &KCaTor::rateBeta), 189},
    {t(2, &KCaTor::potenz), 190}, {t(2, &KCaTor::formAlpha), 193}, {t(2, &KCaTor::v0Alpha), 194},
    {t(2, &KCaTor::schrittAlpha), 195}, {t(2, &KCaTor::formBeta), 196}, {t(2, &KCaTor::rateBeta), 197},
    {t(3, &KCaTor::potenz), 198}, {t(3, &KCaTor::formAlpha), 204}, {t(3, &KCaTor::v0Alpha), 205},
    {t(3, &KCaTor::schrittAlpha), 206}, {t(3, &KCaTor::formBeta), 207}, {t(3, &KCaTor::v0Beta), 208},
    {t(3, &KCaTor::schrittBeta), 209}, {t(3, &KCaTor::rateBeta), 210}, {t(3, &KCaTor::hilfsParamAlpha), 211},
    {t(3, &KCaTor::hilfsParamBeta), 212},
    {t(4, &KCaTor::potenz), 200}, {t(4, &KCaTor::formAlpha), 213}, {t(4, &KCaTor::hilfsParamAlpha), 214},
    {t(4, &KCaTor::hilfsParamBeta), 215}, {t(4, &KCaTor::formBeta), 216}, {t(4, &KCaTor::rateBeta), 217},
};

// the plain number fields; the tau field (2076) shows the decay rate's reciprocal
constexpr Zuordnung feldTabelle[] = {
    {k(&KCaKanal::caStart), 2074}, {k(&KCaKanal::caHintergrund), 2078}, {k(&KCaKanal::caAussen), 2080},
    {k(&KCaKanal::zellvolumenKonstante), 2082}, {k(&KCaKanal::temperatur), 2084}, {k(&KCaKanal::gCa1), 2086},
    {k(&KCaKanal::gCa2), 2088}, {k(&KCaKanal::gKCa), 2090}, {k(&KCaKanal::eKCa), 2092},
    {k(&KCaKanal::cStart), 2110}, {k(&KCaKanal::dStart), 2111}, {k(&KCaKanal::eStart), 2123},
    {k(&KCaKanal::pStart), 2134}, {k(&KCaKanal::qStart), 2160},
};

// the gate columns, rows in the template's order; the Ca gates have no auxiliary rows
constexpr std::array<double KCaTor::*, 11> torZeilen = {
    &KCaTor::potenz, &KCaTor::formAlpha, &KCaTor::v0Alpha, &KCaTor::schrittAlpha, &KCaTor::rateAlpha,
    &KCaTor::formBeta, &KCaTor::v0Beta, &KCaTor::schrittBeta, &KCaTor::rateBeta,
    &KCaTor::hilfsParamAlpha, &KCaTor::hilfsParamBeta,
};
constexpr std::array<std::array<int, 11>, 5> torSpalten = {{
    {2106, 2094, 2096, 2098, 2114, 2100, 2116, 2102, 2104, 0, 0},
    {2124, 2117, 2118, 2119, 2125, 2120, 2126, 2121, 2122, 0, 0},
    {2166, 2127, 2128, 2129, 2135, 2130, 2136, 2131, 2132, 0, 0},
    {2167, 2137, 2138, 2139, 2145, 2140, 2146, 2141, 2142, 2143, 2144},
    {2168, 2147, 2148, 2149, 2155, 2150, 2156, 2151, 2152, 2153, 2154},
}};

// slots 4-7 of the main diagram show the pool and the three currents
struct Kurve { const char* name; const char* einheit; double faktor; Farbe farbe; };
constexpr int ersteKurve = 4;
constexpr std::array<Kurve, 4> kurven = {{
    {"Ca-Konzentration ", "Mol ", 1e7, 0x000000},
    {"Ca1-Strom ", "nA ", -1e9, 0x0000FF},
    {"Ca2-Strom ", "nA ", -1e9, 0x408000},
    {"K(Ca)-Strom ", "nA ", -1e9, 0xFF0000},
}};
constexpr Kurve oeffnungsKurve{"open K(Ca)-Kanal ", "  ", -1e9, 0xFF0000};

DialogRahmen rahmen;
KCaKanal kopie;
NeuronDaten* neuron = nullptr;
int stroeme = 0, ausgeschaltet = 0, inaktivierung = 0, spannung = 0, oeffnung = 0;
bool fuellenFaellig = false;

// a rate and its time constant: 0 stands for none both ways, so no inf is ever stored
double kehrwert(double x) { return x == 0.0 ? 0.0 : 1.0 / x; }

std::string zahlText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void flagsAusKopie()
{
    stroeme = kopie.stroemeAnzeigen;
    inaktivierung = kopie.mitInaktivierung;
    spannung = kopie.spannungsabhaengig;
    oeffnung = kopie.oeffnungAnzeigen;
}

// the standard neuron's Golowasch-Buchholz range into the neuron; false (after the notice)
// when the standard neuron has none, and then nothing is copied
bool standardParameterKopieren()
{
    if (stdNeuron.parameter[par::GbCaFaktor] == 0.0) {
        hinweisBox(meldungsTexte[textOhneGb]);
        return false;
    }
    for (int i = gbAnfang; i <= gbEnde; ++i)
        neuron->parameter[i] = stdNeuron.parameter[i];
    return true;
}

// false when the dialog must close as Cancel
bool oeffnen(Fenster dlg)
{
    fuellenFaellig = true;
    undoFensterlisteSpeichern(undoListe);
    tastaturHookSetzen(dlg);
    aktuellesNeuron = neuron;
    if (neuron->kca) {
        kopie = *neuron->kca;
        ausgeschaltet = (neuron->kcaModus & 2) != 0;
        flagsAusKopie();
        return true;
    }
    kopie = KCaKanal{};
    if (neuron->parameter[par::GbCaFaktor] == 0.0 && !standardParameterKopieren())
        return false;
    caKanalParameterHolen(kopie);
    ausgeschaltet = neuron->kcaModus == kcaModus::Ausgeschaltet;
    stroeme = inaktivierung = spannung = oeffnung = 0;
    return true;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageCaKanal); }

void fuellen(Fenster dlg)
{
    hakenSetzen(dlg, idStroeme, stroeme);
    hakenSetzen(dlg, idAusgeschaltet, ausgeschaltet);
    hakenSetzen(dlg, idInaktivierung, inaktivierung);
    hakenSetzen(dlg, idSpannung, spannung);
    hakenSetzen(dlg, idOeffnung, oeffnung);
    dialogElementAktivieren(dlg, idOeffnung, stroeme);
    for (int id : torSpalten[torKCaInaktivierung])
        dialogElementAktivieren(dlg, id, inaktivierung);
    if (!fuellenFaellig)
        return;   // a refill by a check box keeps what the user typed
    fuellenFaellig = false;
    for (const Zuordnung& z : feldTabelle)
        elementTextSetzen(dlg, z.nummer, zahlText(z.feld.in(kopie)));
    elementTextSetzen(dlg, idTau, zahlText(kehrwert(kopie.caAbbau)));
    for (size_t g = 0; g < torSpalten.size(); ++g)
        for (size_t r = 0; r < torZeilen.size(); ++r)
            if (torSpalten[g][r])
                elementTextSetzen(dlg, torSpalten[g][r], zahlText(kopie.tore[g].*torZeilen[r]));
}

// Every field into the working copy, or (after the notice naming the first bad field)
// nothing: a text without a number, or a tau so near 0 that its rate would be infinite.
bool felderLesen(Fenster dlg)
{
    KCaKanal neu = kopie;
    for (const Zuordnung& z : feldTabelle)
        if (!dialogZahlFeldLesen(dlg, z.nummer, z.feld.in(neu)))
            return false;
    double tau = 0.0;
    if (!dialogZahlFeldLesen(dlg, idTau, tau))
        return false;
    if (tau != 0.0 && !std::isfinite(1.0 / tau)) {
        hinweisBox(meldungFormatieren(textKehrwertUnendlich, feldBeschriftung(dlg, idTau)));
        dialogElementFokussieren(dlg, idTau, 1);
        return false;
    }
    neu.caAbbau = kehrwert(tau);
    for (size_t g = 0; g < torSpalten.size(); ++g)
        for (size_t r = 0; r < torZeilen.size(); ++r)
            if (torSpalten[g][r] && !dialogZahlFeldLesen(dlg, torSpalten[g][r], neu.tore[g].*torZeilen[r]))
                return false;
    kopie = neu;
    stroeme = haken(dlg, idStroeme);
    ausgeschaltet = haken(dlg, idAusgeschaltet);
    inaktivierung = haken(dlg, idInaktivierung);
    spannung = haken(dlg, idSpannung);
    oeffnung = haken(dlg, idOeffnung);
    kopie.stroemeAnzeigen = stroeme;
    kopie.mitInaktivierung = inaktivierung;
    kopie.spannungsabhaengig = spannung;
    kopie.oeffnungAnzeigen = oeffnung;
    return true;
}

// Slots 4-7 follow the switches. Hidden, only the slots this dialog filled (kind 32) are
// reset: another curve placed there stays.
void kurvenSetzen()
{
    auto& slots = neuron->hauptDiagramm.kurven;
    for (size_t i = 0; i < kurven.size(); ++i) {
        KurvenDaten& s = slots[ersteKurve + i];
        if (!stroeme || ausgeschaltet) {
            if (s.referenz != kurvenReferenz::Spezial)
                continue;
            s.anzeigen = 0;
            s.referenz = 0;
            kurvenPufferFreigeben(s);
            s.werteAnzahl = 0;
            s.dimension.clear();
            s.faktor = 1.0;
            continue;
        }
        if (!s.anzeigen) {
            s.anzeigen = 1;
            s.dicke = 2;
            wertePufferBereitstellen(s, s.werteAnzahl > 0 ? s.werteAnzahl : simulationsParameter.anzahlSchritte);
        }
        s.referenz = kurvenReferenz::Spezial;
        const Kurve& k = i + 1 == kurven.size() && oeffnung ? oeffnungsKurve : kurven[i];
        s.bezeichnung = k.name;
        s.dimension = k.einheit;
        s.faktor = k.faktor;
        s.farbe = k.farbe;
    }
}

intptr_t speichern(Fenster dlg, int id)
{
    if (!felderLesen(dlg))
        return 1;
    if (!neuron->kca)
        neuron->kca = std::make_unique<KCaKanal>();
    *neuron->kca = kopie;
    kurvenSetzen();
    neuron->kcaModus = ausgeschaltet ? kcaModus::Ausgeschaltet : kcaModus::An;
    undoSchrittSpeichern(undoListe);
    dialogSchliessen(dlg, rahmen, 1, true);
    if (id == befehlOkF2)
        simulationAusDialogStarten();
    return 1;
}

void entfernen(Fenster dlg)
{
    if (sysInfoBox(meldungFormatieren(textEntfernen, neuronAnzeigename(*neuron)), knoepfe::JaNein) != antwort::Ja)
        return;
    kopie = KCaKanal{};
    neuron->kcaModus = kcaModus::Aus;
    neuron->kca.reset();
    dialogSchliessen(dlg, rahmen, 2, true);
}

void standardwerteSetzen(Fenster dlg)
{
    if (sysInfoBox(meldungsTexte[textStandard], knoepfe::JaNein) != antwort::Ja)
        return;
    if (!standardParameterKopieren()) {
        dialogSchliessen(dlg, rahmen, 2, true);
        return;
    }
    aktuellesNeuron = neuron;
    caKanalParameterHolen(kopie);
    fuellenFaellig = true;
    senden(dlg, nachricht::DialogInit, 0, 0);
}

DateiWahl kcaWahl(bool speichern)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.programmVerzeichnis + "parameter";
    wahl.endung = "kca";
    wahl.filter = filterAusText(meldungsTexte[textFilter]);
    wahl.titel = textFeldHolen(meldungsTexte[textTitel], speichern ? 1 : 0);
    wahl.speichern = speichern;
    return wahl;
}

} // namespace

void caKanalParameterHolen(KCaKanal& kca)
{
    if (!aktuellesNeuron)
        return;
    for (const Zuordnung& z : parameterTabelle)
        z.feld.in(kca) = aktuellesNeuron->parameter[z.nummer];
}

void caKanalParameterSetzen(const KCaKanal& kca, NeuronDaten& ziel)
{
    KCaKanal quelle = kca;
    for (const Zuordnung& z : parameterTabelle)
        ziel.parameter[z.nummer] = z.feld.in(quelle);
}

int kcaKanalDateiLesen(NeuronDaten& n, KCaKanal& kca)
{
    DateiWahl wahl = kcaWahl(false);
    do {
        if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
            return 0;
    } while (!dateiExistiert(gewaehlterPfad(wahl)));
    return kcaDateiLaden(gewaehlterPfad(wahl), n, kca);
}

int kcaKanalDateiSpeichern(const KCaKanal& kca, int nummer)
{
    DateiWahl wahl = kcaWahl(true);
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    return kcaDateiSpeichern(gewaehlterPfad(wahl), kca, nummer) ? 1 : 0;
}

intptr_t caKanalDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch) {
            neuron = reinterpret_cast<NeuronDaten*>(l);
            if (!neuron) {
                dialogSchliessen(dlg, rahmen, 2, false);
                return 1;
            }
            if (!oeffnen(dlg)) {
                dialogSchliessen(dlg, rahmen, 2, true);
                return 1;
            }
        }
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: {
        const int id = loWort(w);
        switch (id) {
        case idStroeme: stroeme = haken(dlg, id); senden(dlg, nachricht::DialogInit, 0, 0); return 1;
        case idInaktivierung: inaktivierung = haken(dlg, id); senden(dlg, nachricht::DialogInit, 0, 0); return 1;
        case idSpannung: spannung = haken(dlg, id); senden(dlg, nachricht::DialogInit, 0, 0); return 1;
        case idOeffnung: oeffnung = haken(dlg, id); return 1;
        case idLaden:
            if (kcaKanalDateiLesen(*neuron, kopie)) {
                fuellenFaellig = true;
                senden(dlg, nachricht::DialogInit, 0, 0);
            }
            return 1;
        case idSpeichern: kcaKanalDateiSpeichern(kopie, neuron->nummer); return 1;
        case idEntfernen: entfernen(dlg); return 1;
        case idStandard: standardwerteSetzen(dlg); return 1;
        case idMerken: caKanalParameterSetzen(kopie, stdNeuron); return 1;
        case 1:
        case befehlOkF2: return speichern(dlg, id);
        case 2: dialogSchliessen(dlg, rahmen, 2, true); return 1;
        }
        return 0;
    }
    }
    return 0;
}

intptr_t caKanalBefehl(Fenster eigner)
{
    if (markierteNeurone.anzahl() == 0 && neuronKette.anzahl == 1)
        neuronMarkieren(neuronKette.kopf, 1);
    if (markierteNeurone.anzahl() != 1)
        return 2;
    return dialogModal(vorlageCaKanal, eigner ? eigner : fensterhandles.hauptfenster, caKanalDlgProc,
                       reinterpret_cast<intptr_t>(markierteNeurone.erstes()));
}
