// permutation/lauf.cpp - the permutation series
//
// Number N stands for the levels L[i] = (N / m^i) mod m of the varied synapses (synapse 0
// is the lowest digit). Each permutation sets the conductances, runs one simulation and
// appends one record, flushed before the next run: a series stopped in any way leaves every
// finished record and no partial one. The file is written under a temporary name and takes
// the chosen name only once its header is written, so a refused series leaves an old file
// of that name as it was. Neuron and synapses are looked up again before each run: the
// user may delete them while the series pumps messages. The levels only serve the
// comparison: a series gives the varied synapses back their conductances through its guard
// when it ends, in whatever way; a single permutation in free order keeps its levels, to
// show them, until the mode is left, which gives the user's conductances back to the
// network they came from. A save meanwhile writes the user's conductances, not the levels.
#include "permutation/lauf.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/analysewaechter.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/permutationsfenster.h"
#include "model/simulationsparameter.h"
#include "model/zeitschleife.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisformat.h"
#include "permutation/ergebnisse.h"
#include "permutation/permutation.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include "platform/zeichnen.h"
#include "resources/befehle.h"
#include "script/skript.h"
#include "texts/texte.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <thread>

using namespace plattform;

namespace {

constexpr uint32_t standardGrenze = 0x7fefffff;
constexpr int64_t zuViele = int64_t{1} << 31;
constexpr uint64_t megabyte = uint64_t{1} << 20;

void pause300() { std::this_thread::sleep_for(std::chrono::milliseconds(300)); }

// continuation files are numbered across the program's whole run
int fortsetzungsZaehler = 0;

// ---- what a series holds, given back on every way out ---------------------------------------

struct Serie {
    OffeneDatei datei;
    std::string pfad;            // the chosen path: the first file's
    std::string offenerPfad;     // the file being written (a temporary name until its header is out)
    uint64_t ganzBis = 0;        // the end of its last whole record
    Fenster fenster = nullptr;   // the progress window
    bool vorlaeufig = false;     // the file still has its temporary name

    ~Serie()
    {
        if (fenster) {
            if (restzeit.fenster == fenster)
                restzeit.fenster = nullptr;
            fensterZerstoeren(fenster);
        }
        datei.reset();
        if (vorlaeufig) {
            std::error_code f;
            std::filesystem::remove(schreibPfadAufloesen(offenerPfad), f);
        }
    }
    // a failed write: back to the last whole record, and closed
    void abschneiden()
    {
        datei.reset();
        std::error_code f;
        std::filesystem::resize_file(schreibPfadAufloesen(offenerPfad), ganzBis, f);
    }
    bool standMerken()
    {
        const long p = std::ftell(datei.get());
        if (p < 0)
            return false;
        ganzBis = static_cast<uint64_t>(p);
        return true;
    }
};

// ---- the conductances before the series ----------------------------------------------------------

std::vector<int> senderIds(const SynapsenPool& p)
{
    std::vector<int> ids;
    for (const SenderKnoten* k = p.sender; k; k = k->naechste)
        if (k->synapse)
            ids.push_back(k->synapse->id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The varied synapses' conductances and pool sums as they were before the first level, by
// id. A pool whose senders are still the same gets its sum back exactly; one whose senders
// changed meanwhile (the user added or deleted a synapse of it) gets back only what its
// varied synapse's level added, so the user's change stays in it.
struct LeitfaehigkeitVorher {
    int id;
    double initial, aktuell, poolSumme;
    std::vector<int> poolSender;
};

std::vector<LeitfaehigkeitVorher> leitfaehigkeitenVorher()
{
    std::vector<LeitfaehigkeitVorher> werte;
    for (const VariierteSynapse& v : permutationsDefinition.synapsen) {
        const SynapseDaten* s = variierteSynapseSuchen(v);
        if (!s || std::any_of(werte.begin(), werte.end(), [&](const LeitfaehigkeitVorher& w) { return w.id == v.id; }))
            continue;
        werte.push_back({v.id, s->initialLeitfaehigkeit, s->leitfaehigkeit, s->pool ? s->pool->gSumme : 0.0,
                         s->pool ? senderIds(*s->pool) : std::vector<int>{}});
    }
    return werte;
}

void leitfaehigkeitenZurueckgeben(const std::vector<LeitfaehigkeitVorher>& werte)
{
    for (const LeitfaehigkeitVorher& w : werte) {
        SynapseDaten* s = synapseNachId(w.id);
        if (!s)
            continue;            // deleted meanwhile: its pool no longer counts it
        if (s->pool) {
            if (senderIds(*s->pool) == w.poolSender)
                s->pool->gSumme = w.poolSumme;
            else
                s->pool->gSumme += w.initial - s->initialLeitfaehigkeit;
        }
        s->initialLeitfaehigkeit = w.initial;
        s->leitfaehigkeit = w.aktuell;
    }
}

// ---- the levels a free permutation leaves in the network ----------------------------------------

// Holds the user's conductances from a free permutation until the mode is left, for the
// network they came from only; what a permutationAusfuehren of free order began.
AnalyseWaechter freieLevel;

// The conductances held back as the user had them, where the synapses still hold the levels.
void levelZurueckgeben(const std::vector<GehalteneLeitfaehigkeit>& gehalten)
{
    // a pool that still has the sum the levels left gets its own back exactly, once
    std::vector<const SynapsenPool*> genau;
    for (const GehalteneLeitfaehigkeit& g : gehalten) {
        SynapseDaten* s = synapseNachId(g.id);
        if (!s)
            continue;
        // a conductance the user set since is the user's own
        const bool level = s->initialLeitfaehigkeit == g.gesetzt;
        SynapsenPool* p = s->pool;
        if (p && std::find(genau.begin(), genau.end(), p) == genau.end()) {
            if (p->gSumme == g.gesetztePoolSumme && !g.poolSender.empty() && senderIds(*p) == g.poolSender) {
                p->gSumme = g.poolSumme;
                genau.push_back(p);
            } else if (level) {
                p->gSumme += g.initial - s->initialLeitfaehigkeit;
            }
        }
        if (level) {
            s->initialLeitfaehigkeit = g.initial;
            s->leitfaehigkeit = g.aktuell;
        }
    }
}

// What the synapses held before this permutation is the user's where nothing is held for
// them yet, or where the user changed them since the last level; then what the levels left.
// The guard of the free levels then gives back what the record holds now.
void freieLevelHalten(const std::vector<LeitfaehigkeitVorher>& vorher)
{
    Permutationsmodus& m = permutationsmodus;
    if (m.levelNetz != netzKennung)
        m.leitfaehigkeiten.clear();          // another network's: they went with it
    m.levelNetz = netzKennung;
    for (const LeitfaehigkeitVorher& w : vorher) {
        const SynapseDaten* s = synapseNachId(w.id);
        if (!s)
            continue;
        auto g = std::find_if(m.leitfaehigkeiten.begin(), m.leitfaehigkeiten.end(),
                              [&](const GehalteneLeitfaehigkeit& x) { return x.id == w.id; });
        if (g == m.leitfaehigkeiten.end()) {
            m.leitfaehigkeiten.push_back({w.id, w.initial, w.aktuell, w.poolSumme, w.poolSender});
            g = m.leitfaehigkeiten.end() - 1;
        } else {
            if (w.initial != g->gesetzt) {
                g->initial = w.initial;
                g->aktuell = w.aktuell;
            }
            // a pool changed since: its sum goes back by the difference only
            if (w.poolSumme != g->gesetztePoolSumme || w.poolSender != g->poolSender)
                g->poolSender.clear();
        }
        g->gesetzt = s->initialLeitfaehigkeit;
        g->gesetztePoolSumme = s->pool ? s->pool->gSumme : 0.0;
    }
    freieLevel.ersetzen({permutationsFeld::FreieLevel, 0, 0, 0},
                        [gehalten = m.leitfaehigkeiten] { levelZurueckgeben(gehalten); });
}

// ---- numbers ------------------------------------------------------------------------------------

std::array<uint8_t, groessteSynapsenAnzahl> levelVon(int64_t nummer, int n, int m)
{
    std::array<uint8_t, groessteSynapsenAnzahl> l{};
    for (int i = 0; i < n && i < groessteSynapsenAnzahl && m > 0; ++i) {
        l[static_cast<size_t>(i)] = static_cast<uint8_t>(nummer % m);
        nummer /= m;
    }
    return l;
}

// The NUM statements of the loaded script: the distinct numbers below T, ascending; the
// script itself stays as it is. doppelt: how many repeated a number before them.
std::vector<int64_t> numListe(int64_t t, int& doppelt)
{
    doppelt = 0;
    std::vector<int64_t> liste;
    if (!(skriptStatus & skriptBit::Geladen) || !skript.hatNum)
        return liste;
    for (const SkriptAnweisung& a : skript.anweisungen)
        if (a.code == anweisungscode("NUM"))
            liste.push_back(a.ganzzahl);
    std::sort(liste.begin(), liste.end());
    const auto ende = std::unique(liste.begin(), liste.end());
    doppelt = static_cast<int>(liste.end() - ende);
    liste.erase(ende, liste.end());
    std::erase_if(liste, [t](int64_t n) { return n < 0 || n >= t; });
    return liste;
}

// ---- the steps ----------------------------------------------------------------------------------

std::string zeitText(const char* format, int64_t nummer, double sekunden)
{
    sekunden = std::max(sekunden, 0.0);
    const int64_t ganz = static_cast<int64_t>(sekunden);
    const double rest = sekunden - static_cast<double>(ganz - ganz % 60);
    char puffer[96];
    std::snprintf(puffer, sizeof puffer, format, static_cast<long long>(nummer), static_cast<int>(ganz / 86400),
                  static_cast<int>(ganz / 3600 % 24), static_cast<int>(ganz / 60 % 60), rest);
    return puffer;
}

// The first "<network> <d>.bin" of the document folder that names no file.
std::string freierName()
{
    for (int d = 1;; ++d) {
        const std::string name = dateipfade.netzName + " " + std::to_string(d);
        if (!dateiExistiert(dateipfade.dokumentVerzeichnis + "/" + name + ".bin"))
            return name;
    }
}

bool pfadWaehlen(std::string& pfad)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.name = freierName();
    wahl.endung = "bin";
    wahl.filter = {{meldungsTexte[1617], "*.bin"}};
    wahl.titel = meldungsTexte[1601];
    wahl.speichern = true;
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    if (wahl.endung.empty())
        wahl.endung = "bin";
    pfad = gewaehlterPfad(wahl);
    return true;
}

std::string ordnerVon(const std::string& pfad)
{
    const size_t schnitt = pfad.find_last_of("/\\");
    return schnitt == std::string::npos ? "." : pfad.substr(0, std::max<size_t>(schnitt, 1));
}

// the estimate against the free space of the file's folder; false when the user says No
bool platzPruefen(const std::string& pfad, uint64_t laeufe)
{
    const double dauer = simulationsParameter.simulationsDauer;
    const uint64_t jeLauf = static_cast<uint64_t>(std::max(std::llround(dauer / 0.01), 0LL)) * 4 + 48;
    const uint64_t bedarf = jeLauf * laeufe;
    const std::string ordner = ordnerVon(pfad);
    const int64_t frei = freierPlatz(pfadAufloesen(ordner));
    if (frei < 0 || bedarf < static_cast<uint64_t>(frei))
        return true;
    const std::string frage = meldungFormatieren(1256, bedarf / megabyte, ordner, static_cast<uint64_t>(frei) / megabyte);
    return meldungsBox(fensterhandles.hauptfenster, frage, "SysInfo", knoepfe::JaNein | symbol::Frage) == antwort::Ja;
}

int senderZahl(const SynapsenPool& p)
{
    int zahl = 0;
    for (const SenderKnoten* k = p.sender; k; k = k->naechste)
        zahl += k->synapse ? 1 : 0;
    return zahl;
}

// The single-neuron run of the varied synapses' target, when it is asked for and the network
// allows it; else 0 (whole runs). false when a check refuses (said in a notice).
bool teilsimulationPruefen(int& ziel)
{
    ziel = 0;
    const PermutationsDefinition& d = permutationsDefinition;
    if (!(modusStatus & modusBit::Teilsimulation) || simulationsParameter.netzwerkmodell != 2 ||
        simulationsParameter.netzwerktyp != 3 || d.synapsen.empty())
        return true;
    const SynapseDaten* erste = variierteSynapseSuchen(d.synapsen[0]);
    if (!erste)
        return true;                 // the series itself names the missing synapse
    const int kandidat = erste->zielNummer;
    for (const VariierteSynapse& v : d.synapsen) {
        const SynapseDaten* s = variierteSynapseSuchen(v);
        if (!s)
            continue;
        if (s->zielNummer != kandidat) {
            hinweisBox(meldungsTexte[101]);
            return false;
        }
        if (s->pool && senderZahl(*s->pool) > 1) {
            hinweisBox(meldungsTexte[207]);
            return false;
        }
    }
    const NeuronDaten* n = neuronNachNummer(kandidat);
    if (!n)
        return true;
    if (n->ausgangsSynapsen) {
        hinweisBox(meldungsTexte[102]);
        return false;
    }
    ziel = kandidat;
    return true;
}

// the diagram of that number of the neuron of that number, looked up anew; null when either is gone
DiagrammDaten* diagrammNachNummern(int neuron, int nummer)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    for (DiagrammDaten* d = n ? &n->hauptDiagramm : nullptr; d; d = d->naechstes)
        if (d->nummer == nummer)
            return d;
    return nullptr;
}

// A slot switched off for the series, its switch kept for the way back. The samples of a
// curve the run does not make (a reference, a copy) are the user's and go back with it; a
// curve of the run's own starts empty after the series, as the run that filled it is over.
void kurveAusschalten(AnalyseWaechter& lauf, int neuron, DiagrammDaten& d, int slot)
{
    KurvenDaten& k = d.kurven[static_cast<size_t>(slot)];
    struct Alt {
        int anzeigen, werteAnzahl = 0, punktAnzahl = 0;
        std::vector<float> werte;
        std::vector<int32_t> punkte;
    };
    const bool mitWerten = k.referenz != kurvenReferenz::Eigen;
    auto alt = std::make_shared<Alt>(Alt{k.anzeigen});
    if (mitWerten) {
        alt->werteAnzahl = k.werteAnzahl;
        alt->punktAnzahl = k.punktAnzahl;
        alt->werte = k.werte;
        alt->punkte = k.punkte;
    }
    lauf.behalten({permutationsFeld::Kurve, neuron, d.nummer, static_cast<uint32_t>(slot)},
                  [alt, mitWerten, neuron, nummer = d.nummer, slot] {
                      DiagrammDaten* x = diagrammNachNummern(neuron, nummer);
                      if (!x)
                          return;
                      KurvenDaten& z = x->kurven[static_cast<size_t>(slot)];
                      z.anzeigen = alt->anzeigen;
                      if (mitWerten) {
                          z.werte = alt->werte;
                          z.punkte = alt->punkte;
                          z.werteAnzahl = alt->werteAnzahl;
                          z.punktAnzahl = alt->punktAnzahl;
                      }
                      if (x->fenster)
                          ungueltigMachen(x->fenster);
                  });
    k.anzeigen = 0;
    kurvenPufferFreigeben(k);
}

// The recording run's set-up: the target's main diagram shows the soma alone and its
// further diagrams nothing, their windows hidden; every pool on it gets a recording buffer
// for the whole run, the pools of all other neurons none. The diagrams are the user's: the
// series gives back their switches and windows through its guard, found by the neuron's
// and the diagram's numbers.
bool teilsimulationEinrichten(NeuronDaten& ziel, AnalyseWaechter& lauf)
{
    if (ziel.hauptDiagramm.fenster) {
        const int nr = ziel.nummer;
        for (int k = 1; k < kurvenProDiagramm; ++k)
            kurveAusschalten(lauf, nr, ziel.hauptDiagramm, k);
        for (DiagrammDaten* d = ziel.hauptDiagramm.naechstes; d; d = d->naechstes) {
            if (d->fenster && istSichtbar(d->fenster)) {
                lauf.behalten({permutationsFeld::DiagrammFenster, nr, d->nummer, 0}, [nr, nummer = d->nummer] {
                    if (DiagrammDaten* x = diagrammNachNummern(nr, nummer); x && x->fenster)
                        zeigen(x->fenster, anzeige::Zeigen);
                });
                zeigen(d->fenster, anzeige::Verbergen);
            }
            for (int k = 0; k < kurvenProDiagramm; ++k)
                kurveAusschalten(lauf, nr, *d, k);
        }
    }
    const ParameterVektor& p = ziel.parameter;
    ziel.passivMarke = p[par::SwimNaG] == 0.0 && p[par::SwimCaG] == 0.0 ? 1 : 0;
    const double schritt = simulationsParameter.schrittweite;
    const int schritte = std::max(simulationsParameter.anzahlSchritte, 0);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapsenPool* pool = n->eingangsPools; pool; pool = pool->naechsterPool) {
            std::vector<double>().swap(pool->aufzeichnung);
            pool->aufzeichnungsVersatz = 0;
            if (n != &ziel)
                continue;
            double verzoegerung = 0.0;
            for (const SenderKnoten* k = pool->sender; k; k = k->naechste)
                if (k->synapse)
                    verzoegerung = std::max(verzoegerung, k->synapse->verzoegerung);
            pool->maxVerzoegerung = verzoegerung;
            const int ion = synapsenTypIon(pool->typ);
            try {
                if (ion >= ionenArt::Natrium && ion <= ionenArt::Chemisch) {
                    const long laenge = std::lround(verzoegerung / schritt) + schritte;
                    pool->aufzeichnung.assign(static_cast<size_t>(laenge) + 64, 0.0);
                    pool->aufzeichnungsVersatz = static_cast<int>(laenge);
                } else if (ion == ionenArt::Elektrisch) {
                    pool->aufzeichnung.assign(2 * static_cast<size_t>(schritte) + 64, 0.0);
                    pool->aufzeichnungsVersatz = schritte;
                }
            } catch (const std::bad_alloc&) {
                hinweisBox(meldungsTexte[ion == ionenArt::Elektrisch ? 130 : 129]);
                return false;
            }
        }
    return true;
}

// A header into the open file and its place remembered. false after notice 221.
bool kopfSchreiben(Serie& s)
{
    if (!permutationsErgebnisKopfSchreiben(s.datei.get()) || !s.standMerken()) {
        hinweisBox(meldungsTexte[221]);
        return false;
    }
    return true;
}

// The next numbered file "<path without .bin> <counter>.bin" once the open one is full.
bool fortsetzen(Serie& s, int64_t nummer)
{
    s.datei.reset();
    std::string stamm = s.pfad;
    if (stamm.size() < 4 || !std::equal(stamm.end() - 4, stamm.end(), ".bin", [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        })) {
        hinweisBox(meldungFormatieren(1258, nummer));
        return false;
    }
    stamm.resize(stamm.size() - 4);
    std::string neu;
    do
        neu = stamm + " " + std::to_string(++fortsetzungsZaehler) + ".bin";
    while (dateiExistiert(neu));
    s.datei.reset(dateiOeffnen(neu, "wb"));
    s.offenerPfad = neu;
    s.ganzBis = 0;
    if (!s.datei) {
        hinweisBox(meldungFormatieren(74, neu));
        return false;
    }
    return kopfSchreiben(s);
}

// The varied synapses at the levels of this number; false when a synapse is gone.
bool levelSetzen(int64_t nummer)
{
    const PermutationsDefinition& d = permutationsDefinition;
    const int n = static_cast<int>(d.synapsen.size()), m = d.levelAnzahl;
    PermutationsLaufstand& stand = permutationsLaufstand;
    stand.level = levelVon(nummer, n, m);
    for (int i = 0; i < n; ++i) {
        const VariierteSynapse& v = d.synapsen[static_cast<size_t>(i)];
        SynapseDaten* s = variierteSynapseSuchen(v);
        if (!s) {
            hinweisBox(meldungFormatieren(1259, v.id, nummer));
            return false;
        }
        const size_t l = stand.level[static_cast<size_t>(i)];
        const double wert = l < v.level.size() ? v.level[l] : 0.0;
        if (teilsimulationsModus >= 2) {
            if (s->pool)
                s->pool->gSumme = wert;
        } else {
            if (s->pool)
                s->pool->gSumme += wert - s->initialLeitfaehigkeit;
            s->initialLeitfaehigkeit = s->leitfaehigkeit = wert;
        }
        const int unten = permutationsFenster.balkenUnterkante;
        stand.balkenOben[static_cast<size_t>(i)] =
            m < 2 ? unten - 2
                  : unten - static_cast<int>(std::lround(static_cast<double>(l) * permutationsFenster.balkenMaximalHoehe /
                                                         (m - 1))) - 2;
    }
    return true;
}

// the progress window with its menu at the remaining-time window's place; null after 127
Fenster fortschrittsFenster()
{
    const Rechteck& r = restzeit.rechteck;
    Menue menue = modusMenueLaden(Modusmenue::Fortschritt);
    Fenster f = fensterErzeugen(meldungsTexte[14], meldungsTexte[1650], stil::Hauptfenster, r.links, r.oben,
                                r.breite(), r.hoehe(), fensterhandles.hauptfenster, menue);
    if (!f) {
        if (menue)
            menueZerstoeren(menue);
        hinweisBox(meldungsTexte[127]);
        return nullptr;
    }
    restzeit.fenster = f;
    zeigen(f, anzeige::Normal);
    neuZeichnen(f);
    return f;
}

void balkenStiftNeu()
{
    PermutationsLaufstand& s = permutationsLaufstand;
    loeschen(s.stift);
    loeschen(s.pinsel);
    s.stift = stiftErzeugen(stiftStil::Durchgehend, 0, permutationsFenster.balkenFarbe);
    s.pinsel = pinselErzeugen(permutationsFenster.balkenFarbe);
}

} // namespace

void freieLevelZurueckgeben()
{
    freieLevel.zurueckgeben();
    permutationsmodus.leitfaehigkeiten.clear();
    permutationsmodus.levelNetz = 0;
}

void freieLevelVerwerfen()
{
    freieLevel.verwerfen();
    permutationsmodus.leitfaehigkeiten.clear();
    permutationsmodus.levelNetz = 0;
}

Laufausgang (*permutationsLaufHaken)() = nullptr;
void (*serienPauseWarten)() = pause300;

int64_t permutationsAnzahl()
{
    const PermutationsDefinition& d = permutationsDefinition;
    int64_t t = 1;
    for (size_t i = 0; i < d.synapsen.size(); ++i) {
        t *= std::max(d.levelAnzahl, 0);
        if (t >= zuViele)
            return zuViele;
    }
    return t;
}

uint32_t binDateiGrenze()
{
    return maxBinDateiGroesse == 0 || maxBinDateiGroesse > standardGrenze ? standardGrenze : maxBinDateiGroesse;
}

int permutationAusfuehren(int start, int anzahl)
{
    PermutationsDefinition& d = permutationsDefinition;
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    const bool frei = modusStatus & modusBit::FreieReihenfolge;
    const int n = static_cast<int>(d.synapsen.size());
    const int64_t t = permutationsAnzahl();
    d.letzteNummer = start;
    z.marke = dateiMarke;
    z.version = 1;
    const int64_t geplant = anzahl > 0 ? anzahl : std::max<int64_t>(t - start, 0);
    // What the run changes goes back however it ends; free order's levels stay, held by the
    // guard of the free levels, which begins with the first of them in a network.
    AnalyseWaechter lauf;
    lauf.beginnen();
    if (frei && !freieLevel.imselbenNetz())
        freieLevel.beginnen();
    Serie s;
    // the path
    if (!frei && !pfadWaehlen(s.pfad))
        return 0;
    if (t >= zuViele) {
        hinweisBox(meldungsTexte[508]);
        return 0;
    }
    // the NUM list of a loaded script
    int doppelt = 0;
    const std::vector<int64_t> liste = frei ? std::vector<int64_t>{} : numListe(t, doppelt);
    const bool mitListe = !liste.empty();
    const int64_t laeufe = mitListe ? static_cast<int64_t>(liste.size()) : geplant;
    // the checks, before the file
    if (!frei && !platzPruefen(s.pfad, static_cast<uint64_t>(laeufe)))
        return 0;
    int ziel = 0;
    if (!frei) {
        teilsimulationsModus = 0;
        permutationsLaufstand.zielNeuron = 0;
        if (!teilsimulationPruefen(ziel))
            return 0;
    }
    restzeit.geplanteLaeufe = static_cast<int>(std::min<int64_t>(laeufe, INT32_MAX));
    permutationsLaufstand.berechnet = 0;
    permutationsLaufstand.restSekunden = -1.0;
    // the file, under a temporary name
    if (!frei) {
        s.offenerPfad = s.pfad + ".tmp";
        s.datei.reset(dateiOeffnen(s.offenerPfad, "wb"));
        if (!s.datei) {
            hinweisBox(meldungsTexte[220]);
            return 0;
        }
        s.vorlaeufig = true;
        dateipfade.ergebnisVerzeichnis = ordnerVon(s.pfad);
    }
    if (frei) {
        permutationFensterSchliessen();
        permutationDatenFreigeben();
    }
    const double anfang = uhrSekunden();
    statusTeilSetzen(0, meldungsTexte[1626]);
    permutationsLaufstand.level = {};
    permutationsLaufstand.balkenOben = {};
    permutationsLaufstand.synapsenAnzahl = n;
    balkenStiftNeu();
    // the header, then the file takes its name
    if (!frei) {
        z.einzel = PermutationsErgebnis{};
        if (!permutationsErgebnisKopfSchreiben(s.datei.get()) || !s.standMerken()) {
            hinweisBox(meldungsTexte[219]);
            return 0;
        }
        std::error_code f;
        std::filesystem::rename(schreibPfadAufloesen(s.offenerPfad), schreibPfadAufloesen(s.pfad), f);
        if (f) {
            hinweisBox(meldungFormatieren(74, s.pfad));
            return 0;
        }
        s.vorlaeufig = false;
        s.offenerPfad = s.pfad;
    }
    s.fenster = fortschrittsFenster();
    if (!s.fenster)
        return 0;
    // the recording run's buffers
    if (ziel) {
        NeuronDaten* zn = neuronNachNummer(ziel);
        permutationsLaufstand.zielNeuron = ziel;
        aktuellesNeuron = zn;
        if (!zn || !teilsimulationEinrichten(*zn, lauf))
            return 0;
        teilsimulationsModus = 1;
    }
    if (doppelt > 0)
        hinweisBox(meldungFormatieren(1257, doppelt, skript.pfad));

    // the series
    const std::vector<LeitfaehigkeitVorher> vorher = leitfaehigkeitenVorher();
    lauf.behalten({permutationsFeld::Leitfaehigkeiten, 0, 0, 0}, [vorher] { leitfaehigkeitenZurueckgeben(vorher); });
    bool levelBleiben = false;
    int64_t gesetzt = -1;
    int64_t nummer = mitListe ? liste.front() : start;
    size_t listenPlatz = 0;
    int64_t berechnet = 0, rest = anzahl;
    int ergebnis = 1;
    const auto naechste = [&] {
        if (mitListe) {
            ++listenPlatz;
            nummer = listenPlatz < liste.size() ? liste[listenPlatz] : t;
        } else {
            ++nummer;
        }
    };
    while (nummer < t) {
        // progress
        const double anteil = geplant > 0 ? std::floor(static_cast<double>(berechnet) * 100.0 /
                                                       static_cast<double>(mitListe ? laeufe : geplant))
                                          : 0.0;
        char prozent[32];
        std::snprintf(prozent, sizeof prozent, "\t%.0f%%", static_cast<double>(static_cast<float>(std::min(anteil, 100.0))));
        statusTeilSetzen(1, prozent);
        statusTeilSetzen(2, zeitText("\t%lld %02d:%02d:%02d:%02.0lf", nummer, uhrSekunden() - anfang));
        restzeit.permutationsNummer = static_cast<int>(nummer);
        permutationsLaufstand.berechnet = static_cast<int>(std::min<int64_t>(berechnet, INT32_MAX));
        permutationsLaufstand.restSekunden = berechnet > 0 ? (uhrSekunden() - anfang) / static_cast<double>(berechnet) *
                                                    static_cast<double>(std::max<int64_t>(laeufe - berechnet, 0))
                                              : -1.0;
        nachrichtenVerarbeiten();
        if (modusStatus & modusBit::SerieAbbrechen) {
            modusStatus &= ~modusBit::SerieAbbrechen;
            break;
        }
        if ((programmStatus & programmBit::ProgrammSchliesst) || programmEndet())
            break;
        // neuron and synapses as they are now
        if (!auswerteNeuron()) {
            hinweisBox(meldungFormatieren(1265, d.auswerteNeuron, nummer));
            ergebnis = 0;
            break;
        }
        if (!levelSetzen(nummer)) {
            ergebnis = 0;
            break;
        }
        // the network now holds this permutation; free order leaves it so
        levelBleiben = frei;
        gesetzt = nummer;
        // the run; one that was aborted or never ran is not recorded. A run that ran away ends
        // like an abort, but keeps what it recorded: it counts as ended, and the series goes on
        // (the one notice of runaway runs comes after the series)
        permutationsLaufstand.nummer = static_cast<int>(nummer);
        if (s.fenster)
            ungueltigMachen(s.fenster);
        const Laufausgang ende = permutationsLaufHaken ? permutationsLaufHaken() : simulationStarten();
        const bool zuEnde = ende == Laufausgang::Beendet || (ende == Laufausgang::Abgebrochen && laufAngehalten);
        if (!zuEnde || (programmStatus & programmBit::ProgrammSchliesst) || programmEndet()) {
            if (ende == Laufausgang::Verweigert)
                ergebnis = 0;
            break;
        }
        if (teilsimulationsModus == 0)
            for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
                if (Fenster f = x->hauptDiagramm.fenster) {
                    ungueltigMachen(f);
                    neuZeichnen(f);
                }
        if (s.fenster && istFenster(s.fenster))
            neuZeichnen(s.fenster);
        // free order: the single result
        if (frei) {
            permutationsErgebnisBewerten(static_cast<int>(nummer), nullptr);
            ++berechnet;
            naechste();
            break;
        }
        // the record
        bool geschrieben = false;
        permutationsErgebnisBewerten(static_cast<int>(nummer), s.datei.get(), &geschrieben);
        if (!geschrieben || !s.standMerken()) {
            s.abschneiden();
            hinweisBox(meldungsTexte[221]);
            ergebnis = 0;
            break;
        }
        ++berechnet;
        naechste();
        // a full file goes on in the next one
        const bool weitere = nummer < t && !(anzahl > 0 && rest <= 1);
        if (s.ganzBis > binDateiGrenze() && weitere && !fortsetzen(s, nummer)) {
            ergebnis = 0;
            break;
        }
        if (anzahl > 0 && --rest <= 0)
            break;
    }
    // the end
    d.letzteNummer = static_cast<int>(std::min<int64_t>(nummer, INT32_MAX));
    if (frei) {
        if (levelBleiben) {
            freieLevelHalten(vorher);
            lauf.verwerfen();
            statusTeilSetzen(0, meldungFormatieren(1283, static_cast<int>(gesetzt)));
        }
        if (ergebnis && (modusStatus & modusBit::ErgebnisseNachFreier) && fensterhandles.hauptfenster)
            posten(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlPmtErgebnisseDarstellen, 0));
        return ergebnis;
    }
    s.datei.reset();
    statusTeilSetzen(0, meldungsTexte[1627]);
    statusTeilSetzen(1, "\t" + std::to_string(nummer));
    statusTeilSetzen(2, zeitText("\t%lld %02d:%02d:%02d:%04.02lf", nummer, uhrSekunden() - anfang));
    return ergebnis;
}
