// files/fremdformat.cpp - the sibling program's network files: reader and writer
//
// Every value of a file is checked before it touches the network: counts against the
// tables they fill, neuron numbers and synapse ids against the network read so far, types,
// areas and segments against what the records can hold. The header is taken only when all
// of it is sound.
#include "files/fremdformat.h"
#include "core/fehler.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "core/token.h"
#include "files/textdatei.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>
#include <tuple>
#include <vector>

namespace {

constexpr int simMarke = 100;
constexpr int groessteTypAnzahl = synapsenTabellenGroesse;   // no network has more types than synapse ids
constexpr double konstanteLeitfaehigkeit = 1e-06;            // written where the sibling keeps a constant

// ---- reading -----------------------------------------------------------------------------------

// Numbers from the token reader; a value that is missing or no number has been reported
// (123, 124) when these return false.
class SimLeser {
public:
    explicit SimLeser(std::FILE* f) : datei(f) {}

    // the leading sign and digits; what follows them is ignored ("1.5" is 1)
    bool ganz(int& x)
    {
        if (!naechstes())
            return false;
        errno = 0;
        const long wert = std::strtol(token, nullptr, 10);
        if (errno == ERANGE || wert < INT_MIN || wert > INT_MAX)
            return keineZahl();
        x = static_cast<int>(wert);
        return true;
    }
    // a real; one beyond the range of a double ("1e999") is no number
    bool real(double& x)
    {
        if (!naechstes())
            return false;
        const double wert = std::strtod(token, nullptr);
        if (!std::isfinite(wert))
            return keineZahl();
        x = wert;
        return true;
    }
    // values that are read and dropped
    bool ueberspringen(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            if (!naechstes())
                return false;
        return true;
    }

private:
    std::FILE* datei;
    char token[64];       // no number of these files is longer; a longer token is refused

    bool naechstes() { return dateiTokenLesen(datei, token) == 1; }
    static bool keineZahl()
    {
        fehlerMelden(124);
        return false;
    }
};

// the header values the reader keeps
struct SimKopf {
    int x = 0, y = 0, rechts = 0, unten = 0;
    int neurone = 0, synapsen = 0, axo = 0, typen = 0, stroeme = 0;
    int block1 = 0, block2a = 0, block2b = 0;
    int modellCode = 0, netzwerktyp = 0, segmente = 0;
    double dauer = 0.0, schritt = 0.0;
    int prozessorzeit = 0, methode = 0;
    std::array<double, 11> vorgaben{};   // noise, start potential, synaptic and axo-axonic strength, transmission time
};

// the eleven network values of header 30-40, in file order
const std::array<double Netzvorgaben::*, 11> vorgabenFelder = {
    &Netzvorgaben::rauschHaeufigkeit, &Netzvorgaben::rauschStaerke,      &Netzvorgaben::rauschAbklingzeit,
    &Netzvorgaben::startpotential,    &Netzvorgaben::startpotentialStreuung, &Netzvorgaben::synapsenStaerke,
    &Netzvorgaben::synapsenStaerkeStreuung, &Netzvorgaben::axoStaerke,  &Netzvorgaben::axoStaerkeStreuung,
    &Netzvorgaben::uebertragungszeit, &Netzvorgaben::uebertragungszeitStreuung};

int modellAusCode(int code) { return code / 2 + (code % 2 != 0 ? 1 : 0); }

// header values 6-43
bool kopfLesen(SimLeser& l, SimKopf& k)
{
    bool gut = true;
    for (int* w : {&k.neurone, &k.synapsen, &k.axo, &k.typen, &k.stroeme, &k.block1, &k.block2a, &k.block2b,
                   &k.modellCode, &k.netzwerktyp, &k.segmente})
        gut = gut && l.ganz(*w);
    gut = gut && l.real(k.dauer) && l.real(k.schritt);
    // of the ten integers 19-28 only the processor-time switch (20) is kept
    gut = gut && l.ueberspringen(1) && l.ganz(k.prozessorzeit) && l.ueberspringen(8) && l.ganz(k.methode);
    for (double& v : k.vorgaben)
        gut = gut && l.real(v);
    return gut && l.ueberspringen(3);
}

// what the tables and records can hold; a header outside it is no header of such a network
bool kopfGueltig(const SimKopf& k)
{
    const auto imInt = [](int64_t v) { return v >= INT_MIN && v <= INT_MAX; };
    constexpr int letzteId = synapsenTabellenGroesse - 1;
    const int m = modellAusCode(k.modellCode);
    return imInt(int64_t{k.rechts} - k.x) && imInt(int64_t{k.unten} - k.y) && k.neurone >= 0 &&
           k.neurone < neuronTabellenGroesse && k.synapsen >= 0 && k.axo >= 0 && k.synapsen + int64_t{k.axo} <= letzteId &&
           k.typen <= groessteTypAnzahl && k.stroeme >= 0 && k.block1 >= 0 && k.block2a >= 0 && k.block2b >= 0 &&
           int64_t{k.block2a} + k.block2b <= INT_MAX && k.modellCode >= 1 && m >= modell::OnOff &&
           m <= modell::GolowaschBuchholz && k.netzwerktyp >= 1 && k.netzwerktyp <= 4 && k.segmente >= 0 &&
           k.segmente <= groessteSegmentAnzahl && k.schritt > 0.0 && k.dauer >= 0.0;
}

void kopfUebernehmen(const SimKopf& k)
{
    hauptfensterGeometrie.x = k.x;
    hauptfensterGeometrie.y = k.y;
    hauptfensterGeometrie.breite = k.rechts - k.x;
    hauptfensterGeometrie.hoehe = k.unten - k.y;
    synapsenZaehler = axoZaehler = 0;
    if (k.typen > 0)
        synapsenTypAnzahl = k.typen;
    Simulationsparameter& sp = simulationsParameter;
    sp.netzwerkVariante = k.modellCode % 2 == 0 ? 1 : 0;
    sp.netzwerkmodell = modellAusCode(k.modellCode);
    sp.netzwerktyp = k.netzwerktyp;
    // the file's segment count stands over the mode's own
    segmentAnzahlSetzen(k.segmente);
    laufzeitSetzen(k.dauer, k.schritt);
    laufZustand.prozessorzeitAnzeigen = k.prozessorzeit;
    if (k.methode >= integration::Euler && k.methode <= integration::RungeKutta4)
        sp.integrationsmethode = k.methode;
    for (size_t i = 0; i < vorgabenFelder.size(); ++i)
        netzvorgaben.*vorgabenFelder[i] = k.vorgaben[i];
}

bool neuroneLesen(SimLeser& l, std::FILE* f, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        int nummer = 0, x = 0, y = 0;
        if (!l.ganz(nummer) || !l.ganz(x) || !l.ganz(y))
            return false;
        // a number outside the table or given twice makes no neuron
        NeuronDaten* n = neuronNummerGueltig(nummer) ? neuronNeu(nummer, 0) : nullptr;
        if (!n) {
            if (!programmEndet() && !lesenAbgebrochen())   // else its box came, and the user chose
                fehlerMelden(118);
            return false;
        }
        ++neuronKette.anzahl;
        neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
        n->x = x;
        n->y = y;
        n->parameter[par::SegmentAnzahl] = simulationsParameter.anzahlSegmente;
        if (!neuronParameterLesen(f, n, nummer, 100)) {
            fehlerMelden(118);
            return false;
        }
    }
    return true;
}

// 30 values each: number, 4 integers, 7 reals, 14 integers, 1 real; the neuron must exist
bool ersterBlockLesen(SimLeser& l, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        int nummer = 0;
        if (!l.ganz(nummer) || !l.ueberspringen(29))
            return false;
        if (!neuronNachNummer(nummer)) {
            fehlerMelden(121);
            return false;
        }
    }
    return true;
}

bool typenLesen(SimLeser& l, int anzahl)
{
    // a file without types keeps the standard ones, so that new synapses have a type
    if (anzahl <= 0)
        return true;
    std::vector<SynapsenTyp> tabelle;
    try {
        tabelle.assign(static_cast<size_t>(std::max(anzahl, standardSynapsenTypAnzahl)), SynapsenTyp{});
    } catch (const std::bad_alloc&) {
        fehlerMelden(119);
        return false;
    }
    for (int i = 0; i < anzahl; ++i) {
        SynapsenTyp& t = tabelle[static_cast<size_t>(i)];
        if (!l.ganz(t.ion) || !l.real(t.potential))
            return false;
        if (t.ion < ionenArt::Natrium || t.ion > ionenArt::Elektrisch) {
            fehlerMelden(100);
            return false;
        }
    }
    synapsenTypen.swap(tabelle);
    return true;
}

bool typGueltig(int typ) { return typ >= 0 && typ < synapsenTypAnzahl; }

SynapseDaten* eintragen(SynapseDaten* s)
{
    if (s) {
        synapsenTabelleSetzen(s->id, s);
        hoechsteSynapsenId = std::max(hoechsteSynapsenId, s->id);
    }
    return s;
}

// 18 values each: the 10 the writer writes and 8 reals that are dropped
bool synapsenLesen(SimLeser& l, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        int von = 0, auf = 0, bereich = 0, typ = 0;
        double verzoegerung = 0.0, g = 0.0, schwelle = 0.0, saettigung = 0.0;
        if (!l.ueberspringen(1) || !l.ganz(von) || !l.ganz(auf) || !l.ganz(bereich) || !l.real(verzoegerung) ||
            !l.ganz(typ) || !l.real(g) || !l.ueberspringen(1) || !l.real(schwelle) || !l.real(saettigung) ||
            !l.ueberspringen(8))
            return false;
        NeuronDaten* quelle = neuronNachNummer(von);
        NeuronDaten* ziel = neuronNachNummer(auf);
        if (!quelle || !ziel) {
            fehlerMelden(121);
            return false;
        }
        // the type indexes the type table, the area the target's compartments
        if (!typGueltig(typ) || bereich < 0 || bereich > groessteSegmentAnzahl) {
            fehlerMelden(100);
            return false;
        }
        if (!eintragen(synapseNeu(quelle, ziel, typ, g, verzoegerung, schwelle, saettigung, bereich, nullptr)))
            return false;
    }
    return true;
}

// 20 values each; the parent is found by the id it got in this load
bool axoSynapsenLesen(SimLeser& l, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        int elternId = 0, von = 0, elternVon = 0, elternAuf = 0, typ = 0;
        double verzoegerung = 0.0, schwelle = 0.0, saettigung = 0.0, g = 0.0;
        if (!l.ueberspringen(1) || !l.ganz(elternId) || !l.ganz(von) || !l.ganz(elternVon) || !l.ganz(elternAuf) ||
            !l.ueberspringen(1) || !l.real(verzoegerung) || !l.ganz(typ) || !l.real(schwelle) || !l.real(saettigung) ||
            !l.real(g) || !l.ueberspringen(9))
            return false;
        NeuronDaten* quelle = neuronNachNummer(von);
        NeuronDaten* elternQuelle = neuronNachNummer(elternVon);
        NeuronDaten* elternZiel = neuronNachNummer(elternAuf);
        if (!quelle || !elternQuelle || !elternZiel) {
            fehlerMelden(121);
            return false;
        }
        SynapseDaten* eltern = elternQuelle->ausgangsSynapsen;
        while (eltern && !(eltern->id == elternId && eltern->axoIndex == 0))
            eltern = eltern->naechsteSynapse;
        if (!eltern || !typGueltig(typ)) {
            fehlerMelden(100);
            return false;
        }
        if (!eintragen(synapseNeu(quelle, elternZiel, typ, g, verzoegerung, schwelle, saettigung, kontaktort::Axo,
                                  eltern)))
            return false;
    }
    return true;
}

// 20 values each; the synapse of the id must exist
bool zweiterBlockLesen(SimLeser& l, int64_t anzahl)
{
    for (int64_t i = 0; i < anzahl; ++i) {
        int id = 0;
        if (!l.ganz(id) || !l.ueberspringen(19))
            return false;
        if (!synapseNachId(id)) {
            fehlerMelden(100);
            return false;
        }
    }
    return true;
}

// 9 values each; a record of a neuron that does not exist is read and ignored
bool stroemeLesen(SimLeser& l, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        int nummer = 0, ort = 0, rauschen = 0;
        std::array<double, 6> w{};
        if (!l.ganz(nummer))
            return false;
        for (double& x : w)
            if (!l.real(x))
                return false;
        if (!l.ganz(ort) || !l.ganz(rauschen))
            return false;
        NeuronDaten* n = neuronNachNummer(nummer);
        if (!n)
            continue;
        // the segment the dendrite current is given in indexes the compartments
        if (ort < 0 || ort > groessteSegmentAnzahl) {
            fehlerMelden(100);
            return false;
        }
        std::tie(n->somaCurrent, n->somaSCStart, n->somaSCEnd, n->dendCurrent, n->dendSCStart, n->dendSCEnd) =
            std::tuple(w[0], w[1], w[2], w[3], w[4], w[5]);
        n->dendSCLocation = ort;
        n->rauschenAn = rauschen;
    }
    return true;
}

bool schliessen(std::FILE* f)
{
    if (std::fclose(f) != 0) {
        fehlerMelden(101);
        return false;
    }
    return true;
}

// a failure from the neuron count on: nothing of the file stays
int verwerfen(std::FILE* f)
{
    netzLoeschen();
    schliessen(f);
    return 0;
}

// ---- writing -----------------------------------------------------------------------------------

void ganzSchreiben(std::string& aus, long long x)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%lli\n", x);
    aus += puffer;
}
void realSchreiben(std::string& aus, double x)
{
    char puffer[48];
    std::snprintf(puffer, sizeof puffer, "%e\n", x);
    aus += puffer;
}

std::string simText()
{
    std::string t;
    const Simulationsparameter& sp = simulationsParameter;
    int neurone = 0, synapsen = 0, axo = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        ++neurone;
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            ++(s->axoIndex == 0 ? synapsen : axo);
    }
    const int typen = std::min(synapsenTypAnzahl, static_cast<int>(synapsenTypen.size()));

    // the header, 40 values
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    for (long long w : {static_cast<long long>(simMarke), static_cast<long long>(h.x), static_cast<long long>(h.y),
                        static_cast<long long>(h.breite), static_cast<long long>(h.hoehe)})
        ganzSchreiben(t, w);
    for (int w : {neurone, synapsen + axo, axo, typen, neurone, 0, 0, 0,
                  2 * sp.netzwerkmodell - (sp.netzwerkVariante == 0 ? 1 : 0), sp.netzwerktyp, sp.anzahlSegmente})
        ganzSchreiben(t, w);
    realSchreiben(t, sp.simulationsDauer);
    realSchreiben(t, sp.schrittweite);
    for (int w : {0, 0, 1, 1, 0, 0, 0, 0, 0, 0, sp.integrationsmethode})
        ganzSchreiben(t, w);
    for (double Netzvorgaben::*feld : vorgabenFelder)
        realSchreiben(t, netzvorgaben.*feld);

    // neurons
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        for (int w : {n->nummer, n->x, n->y})
            ganzSchreiben(t, w);
        neuronParameterSchreiben(t, *n);
    }
    // synapse types
    for (int i = 0; i < typen; ++i) {
        ganzSchreiben(t, synapsenTypen[static_cast<size_t>(i)].ion);
        realSchreiben(t, synapsenTypen[static_cast<size_t>(i)].potential);
    }
    // ordinary synapses, 10 values
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            if (s->axoIndex != 0)
                continue;
            for (int w : {s->id, s->quellNummer, s->zielNummer, s->zielBereich})
                ganzSchreiben(t, w);
            realSchreiben(t, s->verzoegerung);
            ganzSchreiben(t, s->synapsenTyp);
            for (double w : {s->initialLeitfaehigkeit, konstanteLeitfaehigkeit, s->freisetzungsSchwelle,
                             s->freisetzungsSaettigung})
                realSchreiben(t, w);
        }
    // axo-axonic synapses, 20 values; the eight the sibling keeps behind them are zeros
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            if (s->axoIndex != 0 || s->axoAnzahl <= 0)
                continue;
            for (AxoKnoten* k = s->axoKnoten; k; k = k->naechste) {
                const SynapseDaten* a = k->synapse;
                if (!a)
                    continue;
                for (int w : {a->id, s->id, a->quellNummer, s->quellNummer, s->zielNummer, s->zielBereich})
                    ganzSchreiben(t, w);
                realSchreiben(t, a->verzoegerung);
                ganzSchreiben(t, a->synapsenTyp);
                for (double w : {a->freisetzungsSchwelle, a->freisetzungsSaettigung, a->axoLeitfaehigkeitStart,
                                 konstanteLeitfaehigkeit})
                    realSchreiben(t, w);
                for (int i = 0; i < 8; ++i)
                    realSchreiben(t, 0.0);
            }
        }
    // current records
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        ganzSchreiben(t, n->nummer);
        for (double w : {n->somaCurrent, n->somaSCStart, n->somaSCEnd, n->dendCurrent, n->dendSCStart, n->dendSCEnd})
            realSchreiben(t, w);
        ganzSchreiben(t, n->dendSCLocation);
        ganzSchreiben(t, n->rauschenAn);
    }
    return t;
}

} // namespace

int neuronParameterLesen(std::FILE* datei, NeuronDaten* neuron, int nummer, int modus)
{
    aktuellesNeuron = neuron;
    SimLeser l(datei);
    const ParameterBereich modellTeil = modellBereich(simulationsParameter.netzwerkmodell);
    bool gut = true;
    for (int i = bereich::Gemeinsam.erster; gut && i <= bereich::Gemeinsam.letzter(); ++i)
        gut = l.real(neuron->parameter[static_cast<size_t>(i)]);
    if (gut && modus != -2) {
        for (int i = modellTeil.erster; gut && i <= modellTeil.letzter(); ++i)
            gut = l.real(neuron->parameter[static_cast<size_t>(i)]);
        if (gut)
            neuron->nummer = nummer < 1 ? 0 : nummer;
    }
    if (!gut) {
        neuronGrundwerte(*neuron);
        return 0;
    }
    return 1;
}

void neuronParameterSchreiben(std::string& aus, const NeuronDaten& neuron)
{
    const ParameterBereich modellTeil = modellBereich(simulationsParameter.netzwerkmodell);
    for (ParameterBereich b : {bereich::Gemeinsam, modellTeil})
        for (int i = b.erster; i <= b.letzter(); ++i)
            realSchreiben(aus, neuron.parameter[static_cast<size_t>(i)]);
}

int simDateiLesen(const std::string& pfad)
{
    // the next run prepares its start state again
    laufZustand.eingerichtet = 0;
    tokenNeueDatei(pfad);
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb+");
    if (!f) {
        f = plattform::dateiOeffnen(pfad, "rb");
        if (!f) {
            fehlerMelden(1);
            return 0;
        }
        fehlerMelden(116);
    }
    SimLeser l(f);

    // the format mark
    int marke = 0;
    if (!l.ganz(marke) || marke != simMarke) {
        fehlerMelden(100);
        schliessen(f);
        return 0;
    }

    // the header, taken only when all of it is sound; values 2-5 place the main window
    SimKopf k;
    if (!l.ganz(k.x) || !l.ganz(k.y) || !l.ganz(k.rechts) || !l.ganz(k.unten)) {
        schliessen(f);
        return 0;
    }
    if (!kopfLesen(l, k))
        return verwerfen(f);
    if (!kopfGueltig(k)) {
        fehlerMelden(100);
        return verwerfen(f);
    }
    kopfUebernehmen(k);

    // neurons, first skipped block, synapse types, synapses, second skipped block,
    // current records
    const bool mitSynapsen = k.typen > 0;
    if (!neuroneLesen(l, f, k.neurone) || !ersterBlockLesen(l, k.block1) || !typenLesen(l, k.typen) ||
        (mitSynapsen && (!synapsenLesen(l, k.synapsen) || !axoSynapsenLesen(l, k.axo))) ||
        !zweiterBlockLesen(l, int64_t{k.block2a} + k.block2b) || !stroemeLesen(l, k.stroeme))
        return verwerfen(f);

    // nothing may follow the last current record
    if (!tokenDateiendeErreicht()) {
        fehlerMelden(120);
        return verwerfen(f);
    }
    return schliessen(f) ? 1 : 0;
}

int simDateiSchreiben(const std::string& pfad)
{
    try {
        return sicherSchreiben(pfad, mitCrLf(simText()), 74) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        plattform::hinweisBox(meldungFormatieren(75, pfad));
        return 0;
    }
}

int simDateiSpeichern()
{
    plattform::DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.name = "default";
    wahl.endung = "sim";
    wahl.titel = textFeldHolen(meldungsTexte[850], 1);
    wahl.filter.push_back({textFeldHolen(meldungsTexte[850], 2), "*.sim"});
    wahl.speichern = true;
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    std::string ordner = wahl.ordner;
    if (!ordner.empty() && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.pop_back();
    return simDateiSchreiben((ordner.empty() ? "" : ordner + "/") + wahl.name +
                             (wahl.endung.empty() ? "" : "." + wahl.endung));
}
