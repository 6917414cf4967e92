// files/synapsenabschnitt.cpp - the ordinary and the axo-axonic synapses of the network text
//
// Every synapse is a run of "Synapse <id> key=value" lines (axo-axonic ones "Axo-Synapse
// <id> ..."). The writer and the reader walk the same field tables, so keys and their
// order stand in one place.
#include "files/synapsenabschnitt.h"
#include "core/status.h"
#include "files/lesen.h"
#include "files/neuronabschnitt.h"
#include "files/schluesselverzeichnis.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

DefinitionsExport definitionsExport;

namespace {

constexpr const char* synapsenPraefix = "Synapse";
constexpr const char* axoPraefix = "Axo-Synapse";
constexpr const char* endeAxoSynapsen = "[ende axo-axonische Synapsen]";

// the keys behind "Synapse %d " (and "Axo-Synapse %d ")
namespace schluessel {
constexpr const char* Von = "von=";
constexpr const char* Auf = "auf=";
constexpr const char* ZielBereich = "targetArea=";
constexpr const char* ElektrischerTyp = "elektrischer synapsentyp=";
constexpr const char* Verzoegerung = "deliveryTime=";
constexpr const char* Typ = "synapticType=";
constexpr const char* Leitfaehigkeit = "initialConductance=";
constexpr const char* AusLeitfaehigkeit = "ausgeschaltete leitfaehigkeit=";
constexpr const char* Ausgeschaltet = "ausgeschaltet=";
constexpr const char* Schwelle = "transmitterReleaseThreshold=";
constexpr const char* Saettigung = "transmitterSatiate=";
// older files kept the release time in steps
constexpr const char* AltVerzoegerungsfaktor = "transmitter verzoegerungsfaktor=";
constexpr const char* AltVerzoegerungswichtung = "transmitter verzoegerungswichtung=";
// axo-axonic synapses
constexpr const char* ElternId = "auf SynapseID=";
constexpr const char* AxoQuelle = "von NeuronID=";
constexpr const char* ElternQuelle = "parent NeuronID von target Synapse=";
constexpr const char* ElternZiel = "target NeuronID von target Synapse=";
constexpr const char* Hemmfaktor = "initialInhibitionFactor=";
}

// one key=value line of a field of the synapse record
struct Feld {
    const char* schluessel;
    double* zahl = nullptr;
    int* ganz = nullptr;
    bool sechsStellen = false;   // "%f": the two spreading values are kept with six decimals

    Feld(const char* s, double& z, bool f = false) : schluessel(s), zahl(&z), sechsStellen(f) {}
    Feld(const char* s, int& g) : schluessel(s), ganz(&g) {}
};

// The transmitter block; written only when "form alpha" is above 0, so a reader finds it
// by its first line.
std::array<Feld, 15> transmitterFelder(TransmitterDynamik& t)
{
    return {{
        {"transmitter dynamik an=", t.an},
        {"transmitter E=", t.e},
        {"transmitter G=", t.g},
        {"transmitter power=", t.potenz},
        {"transmitter initialwert=", t.initialwert},
        {"transmitter form alpha=", t.formAlpha},
        {"transmitter rate alpha=", t.rateAlpha},
        {"transmitter v0 alpha=", t.v0Alpha},
        {"transmitter schrittweite alpha=", t.schrittweiteAlpha},
        {"transmitter form beta=", t.formBeta},
        {"transmitter rate beta=", t.rateBeta},
        {"transmitter v0 beta=", t.v0Beta},
        {"transmitter schrittweite beta=", t.schrittweiteBeta},
        {"transmitter faktor=", t.faktor},
        {"transmitter a und b berechnen=", t.abBerechnung},
    }};
}

// spreading, facilitation and depression, the free PSP shape: the lines behind the
// transmitter block. The release time comes first (the reader has a fallback for it).
std::array<Feld, 41> dynamikFelder(SynapseDaten& s)
{
    Bahnung& b = s.bahnung;
    PspForm& p = s.psp;
    return {{
        {"transmitter freisetzungszeit=", s.freisetzungszeit, true},
        {"transmitter gewichtungsfaktor=", s.gewichtungsfaktor, true},
        {"transmitter verzoegerungsfaktor einschalten=", s.verzoegerungsfaktorAn},
        {"bahnung aktivieren=", b.an},
        {"bahnung art=", b.art},
        {"bahnung A[ANFAZ]=", b.a[0]},
        {"bahnung A[ABFAZ]=", b.a[1]},
        {"bahnung B[ANFAZ]=", b.b[0]},
        {"bahnung B[ABFAZ]=", b.b[1]},
        {"bahnung A[ANDEPR]=", b.a[2]},
        {"bahnung A[ABDEPR]=", b.a[3]},
        {"bahnung B[ANDEPR]=", b.b[2]},
        {"bahnung B[ABDEPR]=", b.b[3]},
        {"bahnung Tau[ANFAZ]=", b.tau[0]},
        {"bahnung Tau[ABFAZ]=", b.tau[1]},
        {"bahnung Tau[ANDEPR]=", b.tau[2]},
        {"bahnung Tau[ABDEPR]=", b.tau[3]},
        {"fazilitation maximalwert an=", b.maximalwertAn},
        {"fazilitation maximalwert=", b.maximalwert},
        {"fazilitation TauAb=", b.tauAb},
        {"xlPSP an=", p.an},
        {"xlPSP art=", p.art},
        {"xlPSP anfang polyn.=", p.anfangPolynom},
        {"xlPSP dauer polyn.=", p.dauerPolynom},
        {"xlPSP polyn. a0=", p.polynom[0]},
        {"xlPSP polyn. a1=", p.polynom[1]},
        {"xlPSP polyn. a2=", p.polynom[2]},
        {"xlPSP polyn. a3=", p.polynom[3]},
        {"xlPSP polyn. a4=", p.polynom[4]},
        {"xlPSP polyn. a5=", p.polynom[5]},
        {"xlPSP polyn. a6=", p.polynom[6]},
        {"xlPSP polyn. abfall a0=", p.polynomAbfall[0]},
        {"xlPSP polyn. abfall a1=", p.polynomAbfall[1]},
        {"xlPSP polyn. abfall a2=", p.polynomAbfall[2]},
        {"xlPSP polyn. abfall a3=", p.polynomAbfall[3]},
        {"xlPSP anfang exp.=", p.anfangExp},
        {"xlPSP dauer exp.=", p.dauerExp},
        {"xlPSP exp. a anstieg=", p.expAAnstieg},
        {"xlPSP exp. a abfall=", p.expAAbfall},
        {"xlPSP exp. tau anstieg=", p.expTauAnstieg},
        {"xlPSP exp. tau abfall=", p.expTauAbfall},
    }};
}

// ---- writing ----------------------------------------------------------------------------

// "<praefix> <nummer> ": what stands before every key of a synapse
std::string vorsilbe(const char* praefix, int nummer)
{
    return std::string(praefix) + " " + std::to_string(nummer) + " ";
}

void zeile(const std::string& vorsilbe, const char* schluessel, int wert)
{
    textZeiger->anhaengen(vorsilbe);
    textZeiger->anhaengen(schluessel);
    textZeiger->ganzAnhaengen(wert);
    textZeiger->zeilenende();
}
void zeile(const std::string& vorsilbe, const char* schluessel, double wert)
{
    textZeiger->anhaengen(vorsilbe);
    textZeiger->anhaengen(schluessel);
    textZeiger->zahlAnhaengen(wert);
    textZeiger->zeilenende();
}
void zeile(const std::string& vorsilbe, const Feld& f)
{
    if (f.ganz) {
        zeile(vorsilbe, f.schluessel, *f.ganz);
    } else if (f.sechsStellen) {
        textZeiger->anhaengen(vorsilbe);
        textZeiger->anhaengen(f.schluessel);
        textZeiger->sechsStellenAnhaengen(*f.zahl);
        textZeiger->zeilenende();
    } else {
        zeile(vorsilbe, f.schluessel, *f.zahl);
    }
}

void transmitterDrucken(const std::string& vorsilbe, SynapseDaten& s)
{
    if (!(s.transmitter.formAlpha > 0.0))
        return;
    for (const Feld& f : transmitterFelder(s.transmitter))
        zeile(vorsilbe, f);
}

// the lines of one ordinary synapse; vorsatz stands before the first one
void synapseDrucken(SynapseDaten& s, const char* vorsatz, int nummer, int von, int auf)
{
    const std::string V = vorsilbe(synapsenPraefix, nummer);
    textZeiger->anhaengen(vorsatz);
    zeile(V, schluessel::Von, von);
    zeile(V, schluessel::Auf, auf);
    zeile(V, schluessel::ZielBereich, s.zielBereich);
    zeile(V, schluessel::ElektrischerTyp, s.elektrischerTyp);
    zeile(V, schluessel::Verzoegerung, s.verzoegerung);
    zeile(V, schluessel::Typ, s.synapsenTyp);
    // the user's conductance where a free permutation's level stands in for it; a copy for
    // memory keeps the level, which the mode gives back from its own record
    zeile(V, schluessel::Leitfaehigkeit,
          speicherkopieImSchreiben() ? s.initialLeitfaehigkeit : benutzerLeitfaehigkeit(s));
    zeile(V, schluessel::AusLeitfaehigkeit, s.ausgeschalteteLeitfaehigkeit);
    zeile(V, schluessel::Ausgeschaltet, s.ausgeschaltet);
    zeile(V, schluessel::Schwelle, s.freisetzungsSchwelle);
    zeile(V, schluessel::Saettigung, s.freisetzungsSaettigung);
    transmitterDrucken(V, s);
    for (const Feld& f : dynamikFelder(s))
        zeile(V, f);
}

// 1-based place in the marked list of the marked neuron with this number, 0 for none
int markiertePosition(int nummer)
{
    int i = 0;
    for (const NeuronDaten* n : markierteNeurone.liste) {
        ++i;
        if (n && n->nummer == nummer)
            return n->markiert ? i : 0;
    }
    return 0;
}

// ---- reading ----------------------------------------------------------------------------

// The keys of one synapse, searched chained: each from behind the previous one found, so
// that its lines are read in one pass. A key that is not behind the cursor is searched
// once more from the section start (where the search then goes on). Only the synapse's
// own lines are looked at.
class SynapsenLeser {
public:
    explicit SynapsenLeser(char* abschnitt)
        : anfang(abschnitt), cursor(abschnitt), verzeichnis(abschnitt, anker, synapsenTabellenGroesse)
    {
    }

    void synapse(const char* praefix, int nummer)
    {
        aktuelleNummer = nummer;
        ankerAbstand = std::strlen(praefix) + 1 - std::strlen(anker);
        schluessel = std::string(praefix) + " " + std::to_string(nummer) + " ";
        praefixLaenge = schluessel.size();
    }
    template <class T>
    bool lesen(T& ziel, const char* s)
    {
        char* p = suchen(ziel, s);
        cursor = p ? p : anfang;
        return p != nullptr;
    }
    bool lesen(const Feld& f) { return f.ganz ? lesen(*f.ganz, f.schluessel) : lesen(*f.zahl, f.schluessel); }
    // the same, and the cursor stays where it is
    template <class T>
    bool nachsehen(T& ziel, const char* s)
    {
        return suchen(ziel, s) != nullptr;
    }
    char* position() const { return cursor; }
    void zurueck(char* p) { cursor = p; }

private:
    // the key's first place from ab on, read there; a value that is not finite counts as missing
    template <class T>
    char* lesenAb(T& ziel, char* ab)
    {
        return zahlAnStelle(ziel, verzeichnis.suchen(ab, schluessel, ankerAbstand, aktuelleNummer), schluessel.size());
    }
    template <class T>
    char* suchen(T& ziel, const char* s)
    {
        schluessel.resize(praefixLaenge);
        schluessel += s;
        if (char* p = lesenAb(ziel, cursor))
            return p;
        return cursor != anfang ? lesenAb(ziel, anfang) : nullptr;
    }

    char* anfang;
    char* cursor;
    // "Synapse <id> " stands in every key of a synapse ("Axo-Synapse <id> " too)
    static constexpr const char* anker = "Synapse ";
    NummernVerzeichnis verzeichnis;
    int aktuelleNummer = 0;
    size_t ankerAbstand = 0;
    std::string schluessel;        // "<praefix> <id> " and the key being searched
    size_t praefixLaenge = 0;
};

// the transmitter block, when its first line is there (else false and t unchanged)
bool transmitterLesen(SynapsenLeser& l, TransmitterDynamik& t)
{
    const auto felder = transmitterFelder(t);
    int an = 0;
    if (!l.nachsehen(an, felder[0].schluessel))
        return false;
    t.an = an;
    for (size_t i = 1; i < felder.size(); ++i)
        l.lesen(felder[i]);
    return true;
}

void dynamikLesen(SynapsenLeser& l, SynapseDaten& s)
{
    const auto felder = dynamikFelder(s);
    char* vorher = l.position();
    if (!l.lesen(felder[0])) {
        // an older file: the release time as a number of steps and a weighting in steps
        l.zurueck(vorher);
        const double dt = simulationsParameter.schrittweite;
        double faktor = 0.0, wichtung = 0.0;
        if (l.lesen(faktor, schluessel::AltVerzoegerungsfaktor))
            s.freisetzungszeit = faktor * dt;
        if (l.lesen(wichtung, schluessel::AltVerzoegerungswichtung))
            s.freisetzungszeit = wichtung * dt + s.freisetzungszeit;
    }
    for (size_t i = 1; i < felder.size(); ++i)
        l.lesen(felder[i]);
}

enum class Ergebnis { Angelegt, Uebersprungen, Fehlerhaft };

// The synapses of one read in the order of the text: synapseNeu puts each new one at the
// head of its source's list (and of its parent's), so each is moved behind the one made
// before it from the same source (on the same parent). A network opened and saved again
// keeps its order that way.
class TextReihenfolge {
public:
    void angelegt(SynapseDaten& s)
    {
        if (neuronNummerGueltig(s.quellNummer)) {
            SynapseDaten*& vorige = letzteVonQuelle[static_cast<size_t>(s.quellNummer)];
            if (vorige)
                synapseHinterStellen(s, *vorige);
            vorige = &s;
        }
        if (s.elternSynapse && s.elternId >= 1 && s.elternId < synapsenTabellenGroesse) {
            SynapseDaten*& vorige = letzteAufEltern[static_cast<size_t>(s.elternId)];
            if (vorige)
                axoKnotenHinterStellen(s, *vorige);
            vorige = &s;
        }
    }

private:
    std::vector<SynapseDaten*> letzteVonQuelle = std::vector<SynapseDaten*>(neuronTabellenGroesse);
    std::vector<SynapseDaten*> letzteAufEltern = std::vector<SynapseDaten*>(synapsenTabellenGroesse);
};

// the neurons of the chain by number; a synapse names its neurons by number
using NeuronVerzeichnis = std::array<NeuronDaten*, neuronTabellenGroesse>;
NeuronDaten* neuronMit(const NeuronVerzeichnis& v, int nummer)
{
    return neuronNummerGueltig(nummer) ? v[static_cast<size_t>(nummer)] : nullptr;
}

bool typGueltig(int typ) { return typ >= 0 && typ < static_cast<int>(synapsenTypen.size()); }

Ergebnis synapseLaden(SynapsenLeser& l, const NeuronVerzeichnis& neurone, int id, TextReihenfolge& reihenfolge)
{
    namespace k = schluessel;
    l.synapse(synapsenPraefix, id);
    int von = 0, auf = 0, bereich = 0, elektrisch = 0, typ = 0, ausgeschaltet = 0;
    double verzoegerung = 0.0, g = 0.0, gAus = 0.0, schwelle = 0.0, saettigung = 0.0;
    // the lines every synapse needs, and three that default to 0
    bool vollstaendig = l.lesen(von, k::Von);
    vollstaendig = l.lesen(auf, k::Auf) && vollstaendig;
    vollstaendig = l.lesen(bereich, k::ZielBereich) && vollstaendig;
    l.lesen(elektrisch, k::ElektrischerTyp);
    vollstaendig = l.lesen(verzoegerung, k::Verzoegerung) && vollstaendig;
    vollstaendig = l.lesen(typ, k::Typ) && vollstaendig;
    vollstaendig = l.lesen(g, k::Leitfaehigkeit) && vollstaendig;
    l.lesen(gAus, k::AusLeitfaehigkeit);
    l.lesen(ausgeschaltet, k::Ausgeschaltet);
    vollstaendig = l.lesen(schwelle, k::Schwelle) && vollstaendig;
    vollstaendig = l.lesen(saettigung, k::Saettigung) && vollstaendig;
    // the type indexes the type table, the area the target's compartments
    if (!vollstaendig || !typGueltig(typ) || bereich < 0 || bereich > groessteSegmentAnzahl)
        return Ergebnis::Fehlerhaft;

    // a synapse whose neurons are gone is left out
    NeuronDaten* quelle = neuronMit(neurone, von);
    NeuronDaten* ziel = neuronMit(neurone, auf);
    if (!quelle || !ziel)
        return Ergebnis::Uebersprungen;

    // created as the editor creates it, then the file's id
    SynapseDaten* s = synapseNeu(quelle, ziel, typ, g, verzoegerung, schwelle, saettigung, bereich, nullptr);
    if (!s)
        return Ergebnis::Uebersprungen;   // synapseNeu said why
    s->id = id;
    synapsenTabelleSetzen(id, s);
    reihenfolge.angelegt(*s);
    s->elektrischerTyp = elektrisch;
    s->ausgeschaltet = ausgeschaltet;
    s->ausgeschalteteLeitfaehigkeit = gAus;
    if (ausgeschaltet)
        s->leitfaehigkeit = 0.0;

    // the dynamics; what is missing keeps the values of a new synapse
    transmitterLesen(l, s->transmitter);
    dynamikLesen(l, *s);
    return Ergebnis::Angelegt;
}

Ergebnis axoSynapseLaden(SynapsenLeser& l, const NeuronVerzeichnis& neurone, int id, TextReihenfolge& reihenfolge)
{
    namespace k = schluessel;
    l.synapse(axoPraefix, id);
    int elternId = 0, von = 0, elternVon = 0, elternAuf = 0, bereich = 0, typ = 0, ausgeschaltet = 0;
    double verzoegerung = 0.0, schwelle = 0.0, saettigung = 0.0, hemmfaktor = 0.0, gAus = 0.0;
    bool vollstaendig = l.lesen(elternId, k::ElternId);
    vollstaendig = l.lesen(von, k::AxoQuelle) && vollstaendig;
    vollstaendig = l.lesen(elternVon, k::ElternQuelle) && vollstaendig;
    vollstaendig = l.lesen(elternAuf, k::ElternZiel) && vollstaendig;
    l.lesen(bereich, k::ZielBereich);   // the parent's area: its own record has it
    vollstaendig = l.lesen(verzoegerung, k::Verzoegerung) && vollstaendig;
    vollstaendig = l.lesen(typ, k::Typ) && vollstaendig;
    vollstaendig = l.lesen(schwelle, k::Schwelle) && vollstaendig;
    vollstaendig = l.lesen(saettigung, k::Saettigung) && vollstaendig;
    vollstaendig = l.lesen(hemmfaktor, k::Hemmfaktor) && vollstaendig;
    TransmitterDynamik transmitter;
    const bool mitTransmitter = transmitterLesen(l, transmitter);
    l.lesen(gAus, k::AusLeitfaehigkeit);
    l.lesen(ausgeschaltet, k::Ausgeschaltet);
    if (!vollstaendig || !typGueltig(typ))
        return Ergebnis::Fehlerhaft;

    // the three neurons and the parent synapse, an ordinary one of the parent's source
    NeuronDaten* quelle = neuronMit(neurone, von);
    NeuronDaten* elternQuelle = neuronMit(neurone, elternVon);
    NeuronDaten* elternZiel = neuronMit(neurone, elternAuf);
    if (!quelle || !elternQuelle || !elternZiel)
        return Ergebnis::Uebersprungen;
    SynapseDaten* eltern = elternQuelle->ausgangsSynapsen;
    while (eltern && !(eltern->id == elternId && eltern->axoIndex < 1))
        eltern = eltern->naechsteSynapse;
    if (!eltern)
        return Ergebnis::Uebersprungen;

    SynapseDaten* s = synapseNeu(quelle, elternZiel, typ, hemmfaktor, verzoegerung, schwelle, saettigung,
                                 kontaktort::Axo, eltern);
    if (!s)
        return Ergebnis::Uebersprungen;
    s->id = id;
    synapsenTabelleSetzen(id, s);
    reihenfolge.angelegt(*s);
    if (mitTransmitter)
        s->transmitter = transmitter;
    s->ausgeschaltet = ausgeschaltet;
    s->ausgeschalteteLeitfaehigkeit = gAus;
    if (ausgeschaltet)
        s->initialLeitfaehigkeit = s->leitfaehigkeit = 0.0;
    return Ergebnis::Angelegt;
}

// Every id of both lists within 1..4095, none twice and none taken in the network: a
// list that fails is no list of this network, and nothing of it is created.
std::optional<int> ungueltigeId(const SynapsenIdListen& ids)
{
    std::vector<bool> gesehen(synapsenTabellenGroesse, false);
    for (const std::vector<int>* liste : {&ids.synapsen, &ids.axoSynapsen})
        for (int id : *liste) {
            if (id < 1 || id >= synapsenTabellenGroesse || gesehen[static_cast<size_t>(id)] || synapseNachId(id))
                return id;
            gesehen[static_cast<size_t>(id)] = true;
        }
    return std::nullopt;
}

// the counters and the highest id follow what the network holds before anything is added
// (nothing, when a file is loaded into the empty network); creation counts up from there
void zaehlerNeuBestimmen()
{
    synapsenZaehler = axoZaehler = hoechsteSynapsenId = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            ++synapsenZaehler;
            if (s->axoIndex >= 1)
                ++axoZaehler;
            hoechsteSynapsenId = std::max(hoechsteSynapsenId, s->id);
        }
}

} // namespace

void guiSynapsenSpeichern(NeuronDaten* neuron, std::FILE* datei, int modus, XBuffer& puffer, int flush)
{
    textZeiger = &puffer;
    if (!neuron || (modus != 2 && modus != 3))
        return;
    const size_t ab = puffer.laenge();
    // a new definition export starts with its first neuron
    int quellNummer = neuron->nummer;
    if (modus == 3) {
        if (markierteNeurone.erstes() == neuron)
            definitionsExport = DefinitionsExport{};
        quellNummer = markierteNeurone.position(neuron);
        if (quellNummer == 0)
            return;
    }
    // the ordinary synapses in list order; the axo-axonic ones have their own section
    int geschrieben = 0;
    for (SynapseDaten* s = neuron->ausgangsSynapsen; s; s = s->naechsteSynapse) {
        if (s->zielBereich == kontaktort::Axo)
            continue;
        if (modus == 2) {
            synapseDrucken(*s, "", s->id, s->quellNummer, s->zielNummer);
        } else {
            // only between marked neurons, renumbered by their place in the marked list
            const int zielNummer = markiertePosition(s->zielNummer);
            if (zielNummer == 0)
                continue;
            definitionsExport.synapsen.push_back({s, quellNummer, zielNummer});
            char vorsatz[40];
            std::snprintf(vorsatz, sizeof vorsatz, "zu Neuron %d ", quellNummer);
            synapseDrucken(*s, vorsatz, static_cast<int>(definitionsExport.synapsen.size()), quellNummer, zielNummer);
            std::vector<int>& typen = definitionsExport.benutzteTypen;
            if (std::find(typen.begin(), typen.end(), s->synapsenTyp) == typen.end())
                typen.push_back(s->synapsenTyp);
        }
        ++geschrieben;
    }
    // a neuron without written synapses leaves the file as it is
    if (geschrieben > 0)
        xbufferAbgeben(puffer, ab, datei, flush);
}

void guiAxoSynapseSpeichern(SynapseDaten* axo, int elternId, int quellNummer, int elternQuellNummer,
                            int elternZielNummer, int elternZielBereich, int nummer, std::FILE* datei,
                            XBuffer& puffer, int flush)
{
    textZeiger = &puffer;
    if (!axo)
        return;
    namespace k = schluessel;
    const std::string V = vorsilbe(axoPraefix, nummer);
    const size_t ab = puffer.laenge();
    zeile(V, k::ElternId, elternId);
    zeile(V, k::AxoQuelle, quellNummer);
    zeile(V, k::ElternQuelle, elternQuellNummer);
    zeile(V, k::ElternZiel, elternZielNummer);
    zeile(V, k::ZielBereich, elternZielBereich);
    zeile(V, k::Verzoegerung, axo->verzoegerung);
    zeile(V, k::Typ, axo->synapsenTyp);
    zeile(V, k::Schwelle, axo->freisetzungsSchwelle);
    zeile(V, k::Saettigung, axo->freisetzungsSaettigung);
    zeile(V, k::Hemmfaktor, axo->initialLeitfaehigkeit);
    transmitterDrucken(V, *axo);
    zeile(V, k::AusLeitfaehigkeit, axo->ausgeschalteteLeitfaehigkeit);
    zeile(V, k::Ausgeschaltet, axo->ausgeschaltet);
    xbufferAbgeben(puffer, ab, datei, flush);
}

bool synapsenLaden(char* text, const SynapsenIdListen& ids, bool leise)
{
    char keinText[1] = "";
    if (!text)
        text = keinText;
    if (const std::optional<int> id = ungueltigeId(ids)) {
        plattform::hinweisBox(meldungFormatieren(971, *id));
        return false;
    }
    // the search ends with the section
    Abschnitt schnitt(text, endeAxoSynapsen);

    // creation counts the synapses up again
    zaehlerNeuBestimmen();
    NeuronVerzeichnis neurone{};
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (neuronNummerGueltig(n->nummer))
            neurone[static_cast<size_t>(n->nummer)] = n;

    SynapsenLeser leser(text);
    TextReihenfolge reihenfolge;
    int fehlerhaft = 0;
    // the ordinary synapses in list order
    int k = 0;
    for (int id : ids.synapsen) {
        ++k;
        if (!leise)
            statusTeilSetzen(0, meldungFormatieren(973, k));
        hoechsteSynapsenId = std::max(hoechsteSynapsenId, id);
        if (synapseLaden(leser, neurone, id, reihenfolge) == Ergebnis::Fehlerhaft)
            ++fehlerhaft;
    }
    // the axo-axonic ones, on the parents just made
    for (int id : ids.axoSynapsen) {
        hoechsteSynapsenId = std::max(hoechsteSynapsenId, id);
        if (axoSynapseLaden(leser, neurone, id, reihenfolge) == Ergebnis::Fehlerhaft)
            ++fehlerhaft;
    }
    // a synapse left out for missing neurons is no news; a broken one is
    if (fehlerhaft > 0)
        plattform::hinweisBox(meldungFormatieren(972, fehlerhaft));
    return true;
}
