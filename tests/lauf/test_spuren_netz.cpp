// tests/lauf/test_spuren_netz.cpp - one network with every reader and writer of a run at
// once, against traces recorded before the run kernels kept the neurons' state in their lanes
//
// Four neurons in dendrite mode 3: a soma current into 1, a stimulus train into 2 and one
// into a segment of 1, a chemical synapse 1 -> 2, an electrical one 2 -> 3, a feedback
// object (1 triggers trains in 4), a collision object (axons 1 and 2, somas 3 and 4), six
// recorded slots per neuron (potentials, currents, a gate, the Ca concentration), the main
// diagrams open and drawn while the run goes on, a script's EPSP measurement on 2, a pass of
// the event pump that kicks neuron 3's potential and changes a conductance of 1, and an
// abort half way from the pump. The network runs once in each model with a kernel and once mixed (two
// SWIM neurons drive the collision pulses into an HH and a GB soma; no feedback object,
// which would make the run step every neuron by itself).
//
// tests/lauf/daten/spuren_netz.txt holds per run and neuron the AP count, the steps of the
// recorded soma's upward threshold crossings, every tenth sample of each slot (x 1e4, as
// differences, "zN" for N zero differences) and the neuron's state after the abort;
// VELNOR_SPUREN_NETZ_SCHREIBEN=path writes it anew from the build at hand.
#include "../model/test_synapse_hilfe.h"
#include "../stuetzen/testhilfe.h"
#include "core/skriptwerte.h"
#include "model/diagramm.h"
#include "model/kollision.h"
#include "model/laufhaken.h"
#include "model/layout.h"
#include "model/parameter.h"
#include "model/rueckkopplung.h"
#include "model/skript.h"
#include "model/stromreiz.h"
#include "model/synaptisch.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <tuple>

namespace pt = plattform::test;

namespace {

constexpr int schritte = 3000;        // 0.3 s at 0.1 ms
constexpr int probenAbstand = 10;
constexpr int abbruchDurchgang = 6;   // the timer's firing in the pump's pass at step 6 x 256
constexpr int stossDurchgang = 3;     // the one at step 3 x 256 writes into the records

// the slots every neuron records: soma, Na and K current, Ca conductance slot 3, the Ca
// concentration (slot 4 as special curve), the first segment, the second gate (slot 6 as
// special curve, in current units x 1e11: 0..100)
constexpr std::array<int, 6> slots{0, 1, 2, 4, 5, 6};

struct Variante {
    const char* name;
    std::array<int, 4> modelle;
    bool rueckkopplung;
};
const Variante varianten[] = {
    {"swim", {modell::Swim, modell::Swim, modell::Swim, modell::Swim}, true},
    {"hh", {modell::HodgkinHuxley, modell::HodgkinHuxley, modell::HodgkinHuxley, modell::HodgkinHuxley}, true},
    {"gb", {modell::GolowaschBuchholz, modell::GolowaschBuchholz, modell::GolowaschBuchholz,
            modell::GolowaschBuchholz}, true},
    {"gemischt", {modell::Swim, modell::Swim, modell::HodgkinHuxley, modell::GolowaschBuchholz}, false},
};

struct Spur {
    int aps = 0;
    std::vector<int> spikes;                   // steps of the soma's upward crossings
    std::vector<std::vector<double>> proben;   // per slot, every tenth sample
    std::vector<double> zustand;               // after the abort: potentials (mV), gates, currents (nA), Ca
};

// The user and the run's clock: the synapse dynamics of each step (in place of the run's
// own, which they call) let a millisecond of the virtual clock pass, so the event pump works
// every 256 steps and the diagrams are drawn; a timer of the driver window fires in the
// pump's passes, the third kicks a potential and changes a conductance, the sixth aborts.
int durchgaenge = 0;
NeuronDaten* gestossen = nullptr;
NeuronDaten* geaendert = nullptr;
int geaenderterLeitwert = 0;
constexpr uintptr_t treiberZeitgeber = 7;

intptr_t treiberProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l)
{
    if (nachricht != plattform::nachricht::Zeitgeber || w != treiberZeitgeber)
        return plattform::standardFensterProc(f, nachricht, w, l);
    ++durchgaenge;
    if (durchgaenge == stossDurchgang) {
        gestossen->potentiale[0] += 0.005;
        geaendert->parameter[geaenderterLeitwert] *= 1.5;
    }
    if (durchgaenge == abbruchDurchgang)
        laufZustand.abbrechen = 1;
    return 0;
}

void synapsenUndUhr()
{
    synapsenBerechnen();
    pt::uhrVorstellen(1.0, false);
}

int natriumLeitwert(int m)
{
    return m == modell::Swim ? par::SwimNaG : m == modell::HodgkinHuxley ? par::HhNaG : par::Gb1G;
}

struct SpurenNetz : SynapsenFall {
    NeuronDaten* neuron(int nummer, int m)
    {
        NeuronDaten* n = neu(nummer);
        EXPECT_TRUE(kompartimenteAnpassen(*n, simulationsParameter.anzahlSegmente));
        const int seg = simulationsParameter.anzahlSegmente;
        int (*const laden[])(NeuronDaten&) = {nullptr, stdParameterModell1Laden, stdParameterModell2Laden,
                                              stdParameterModell3Laden, stdParameterModell4Laden};
        // the later neurons copy a model's values from the first one: it holds every model's
        if (nummer == 1) {
            for (int mm = modell::OnOff; mm <= modell::GolowaschBuchholz; ++mm)
                EXPECT_EQ(laden[mm](*n), 1);
        }
        const bool gemeinsam = m == modell::Swim ? stdParameterAllgemeinLaden(*n) == 1
                                                  : eingebauteGemeinsameWerte(m, seg, n->parameter);
        EXPECT_TRUE(gemeinsam && laden[m](*n) == 1);
        n->parameter[par::SegmentAnzahl] = seg;
        n->modellTyp = m;
        return n;
    }

    // the main diagram in a window of its own, laid out, with the six slots shown
    void diagrammOeffnen(NeuronDaten& n)
    {
        DiagrammDaten& d = n.hauptDiagramm;
        diagrammLayoutBerechnen(&n, &d, 1);
        std::tie(d.minX, d.maxX) = std::tuple(0.0, simulationsParameter.simulationsDauer);
        diagrammLayoutBerechnen(&n, &d, 0);
        d.fenster = plattform::fensterErzeugen("SpurenDiagramm", n.name, 0, 0, 0, 300, 200);
        d.offen = 1;
        d.minY = -100.0;
        d.maxY = 100.0;
        for (int slot : slots) {
            KurvenDaten& k = d.kurven[slot];
            k.anzeigen = 1;
            k.werte.assign(schritte + werteReserve, 0.0f);
        }
        d.kurven[4].referenz = kurvenReferenz::Spezial;
        d.kurven[6].referenz = kurvenReferenz::Spezial;
        d.kurven[6].faktor = 1e11;
    }

    std::vector<Spur> laufen(const Variante& v)
    {
        leeren();
        laufZustand = {};
        spikeAufzeichnung = {};
        Simulationsparameter& sp = simulationsParameter;
        sp.netzwerkmodell = v.modelle[0];
        sp.netzwerktyp = 3;
        sp.anzahlSegmente = segmenteFuerNetzwerktyp(3);
        sp.schrittweite = 1e-4;
        sp.integrationsmethode = integration::ExponentiellerEuler;
        sp.rauschenEin = sp.rueckkopplungAktiv = sp.kollisionAktiv = 0;
        sp.simulationsDauer = (schritte - 0.5) * sp.schrittweite;
        sp.anzahlSchritte = schritte;
        sp.anzeigeIntervall = 10;
        modusStatus = 0;
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 0;
        standardDateienVorgeben();
        const std::string o = ModellLaufFall::parameterOrdner();
        standardDateien.allgemein = o + "standard.gen";
        std::tie(standardDateien.onOff, standardDateien.swim, standardDateien.hh, standardDateien.gb) =
            std::tuple(o + "onoff.channel", o + "swim.channel", o + "hh.channel", o + "gb.channel");
        plattform::klasseRegistrieren({"SpurenDiagramm", plattform::standardFensterProc});
        plattform::klasseRegistrieren({"SpurenTreiber", treiberProc});
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);

        std::vector<NeuronDaten*> netz;
        for (int i = 0; i < 4; ++i) {
            netz.push_back(neuron(i + 1, v.modelle[i]));
            netz.back()->name = "n" + std::to_string(i + 1);
        }
        // the GB neurons need stronger currents to fire
        const auto faktor = [&](int i) { return v.modelle[i] == modell::GolowaschBuchholz ? 10.0 : 1.0; };
        std::tie(netz[0]->somaCurrent, netz[0]->somaSCStart, netz[0]->somaSCEnd) =
            std::tuple(1e-9 * faktor(0), 0.02, 0.25);
        const double reizSchritt = std::exchange(reizSchrittweite, sp.schrittweite);
        for (NeuronDaten* n : netz)
            EXPECT_TRUE(stromtabellenSicherstellen(*n));
        // a train of pulses into the soma of 2, a slower one into the first segment of 1
        StromreizDefinition& r2 = netz[1]->stromreize[0];
        std::tie(r2.an, r2.beginn, r2.dach, r2.amplitude, r2.anzahl, r2.pause) =
            std::tuple(1, 0.03, 0.004, 1.5e-9 * faktor(1), 6, 0.02);
        EXPECT_EQ(stromreizKurveErzeugen(*netz[1], 0), 1);
        StromreizDefinition& r1 = netz[0]->stromreize[1];
        std::tie(r1.an, r1.beginn, r1.dach, r1.amplitude, r1.anzahl, r1.pause) =
            std::tuple(1, 0.01, 0.01, 0.5e-9 * faktor(0), 4, 0.04);
        EXPECT_EQ(stromreizKurveErzeugen(*netz[0], 1), 1);
        gereizteKompartimenteGesamtZaehlen();
        // the synapses
        EXPECT_NE(verbinde(netz[0], netz[1], 0, 1e-7, 0.001, 0), nullptr);
        EXPECT_NE(verbinde(netz[1], netz[2], 3, 2e-8, 0.001, 0), nullptr);
        for (NeuronDaten* n : netz)
            EXPECT_TRUE(synapsenLaufVorbereiten(*n));
        // the objects
        if (v.rueckkopplung) {
            Rueckkopplungsobjekt* r = rueckkopplungsObjektErzeugen();
            std::tie(r->objektAktiv, r->triggerNeuron, r->zielneurone, r->apsProBurst) =
                std::tuple(1, netz[0], std::vector{netz[3]}, 1);
            std::tie(r->stromreizDauer, r->stromreizAmplitude) = std::tuple(0.002, 1e-9 * faktor(3));
            std::tie(r->geradenAchsenabschnitt[0], r->geradenAchsenabschnitt[1], r->geradenAchsenabschnitt[2]) =
                std::tuple(0.01, 100.0, 0.03);
            sp.rueckkopplungAktiv = 1;
            rueckkopplungVorLauf();
        }
        Kollisionsobjekt* k = kollisionsObjektNeu();
        k->aktiv = 1;
        std::copy_n(std::array{1, 2, 3, 4}.begin(), 4, k->elementNummern);
        std::tie(k->reizDauer, k->reizAmplitude, k->fortleitungsdauer, k->somaAxonVerzoegerung) =
            std::tuple(0.003, 2e-9 * faktor(2), 0.005, 0.001);
        sp.kollisionAktiv = 1;
        // the diagrams, drawn while the run goes on
        for (NeuronDaten* n : netz)
            diagrammOeffnen(*n);
        // the script's EPSP measurement on 2
        skriptStatus = skriptBit::Laeuft;
        skriptLaufwerte = {};
        skriptLaufwerte.ergebnisArt = 16;
        skriptEpspMessungOeffnen(*netz[1], 0.25);
        // the user: the first pass of the pump comes at the first step
        durchgaenge = 0;
        gestossen = netz[2];
        geaendert = netz[0];
        geaenderterLeitwert = natriumLeitwert(v.modelle[0]);
        plattform::Fenster treiber = plattform::fensterErzeugen("SpurenTreiber", "", 0, 0, 0, 10, 10);
        plattform::zeitgeberSetzen(treiber, treiberZeitgeber, 250);
        pt::uhrVorstellen(100.0, false);
        laufHaken.synapsen = synapsenUndUhr;

        const int gelaufen = simulationAusfuehren();
        laufHaken = {};
        EXPECT_EQ(gelaufen, abbruchDurchgang * 256 + 1) << v.name;
        EXPECT_EQ(laufZustand.abbrechen, 1) << v.name;

        std::vector<Spur> spuren;
        for (NeuronDaten* n : netz) {
            Spur s;
            s.aps = n->apAnzahl;
            const int m = n->modellTyp;
            const std::vector<float>& soma = n->hauptDiagramm.kurven[kurve::Soma].werte;
            const double schwelle = n->parameter[spikeSchwellenIndex(m)] * 1000.0;
            for (int i = 1; i < gelaufen; ++i)
                if (soma[i - 1] < schwelle && soma[i] > schwelle)
                    s.spikes.push_back(i);
            for (int slot : slots) {
                const KurvenDaten& kd = n->hauptDiagramm.kurven[slot];
                EXPECT_EQ(kd.schreibPosition, static_cast<size_t>(gelaufen)) << v.name << " slot " << slot;
                std::vector<double> p;
                for (int i = 0; i < gelaufen; i += probenAbstand)
                    p.push_back(kd.werte[i]);
                s.proben.push_back(p);
            }
            for (double x : n->potentiale)
                s.zustand.push_back(x * 1000.0);
            for (int g = 0; g < 14; ++g)
                s.zustand.push_back(n->torVariable[g]);
            for (double I : n->kanalStrom)
                s.zustand.push_back(I * 1e9);
            s.zustand.push_back(n->caKonzentration);
            spuren.push_back(s);
        }
        Spur epsp;
        epsp.zustand.push_back(skriptLaufwerte.epspAmplituden[0] * 1000.0);
        spuren.push_back(epsp);

        skriptStatus = 0;
        skriptLaufwerte = {};
        if (v.rueckkopplung)
            rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, nullptr);
        kollisionsObjekteLoeschen(kollisionsObjekte, nullptr);
        for (NeuronDaten* n : netz)
            n->hauptDiagramm.fenster = nullptr;
        reizSchrittweite = reizSchritt;
        netzvorgaben = {};
        modusStatus = 0;
        return spuren;
    }
};

// numbers x 1e4 as differences, runs of equal ones as "zN"
void folgeKodieren(std::ostringstream& o, const std::vector<double>& werte)
{
    long vorher = 0;
    int nullen = 0;
    for (double v : werte) {
        const long x = std::lround(v * 1e4);
        if (x != vorher && nullen)
            o << " z" << std::exchange(nullen, 0);
        if (x == vorher)
            ++nullen;
        else
            o << ' ' << x - std::exchange(vorher, x);
    }
    if (nullen)
        o << " z" << nullen;
}

std::vector<double> folgeDekodieren(std::istringstream& e)
{
    std::vector<double> werte;
    long x = 0;
    for (std::string wort; e >> wort && wort != "|";) {
        const bool nullen = wort[0] == 'z';
        x += nullen ? 0 : std::stol(wort);
        werte.insert(werte.end(), nullen ? std::stoul(wort.substr(1)) : 1, x / 1e4);
    }
    return werte;
}

std::string kodieren(const Spur& s)
{
    std::ostringstream o;
    o << s.aps << " |";
    for (int i : s.spikes)
        o << ' ' << i;
    for (const std::vector<double>& p : s.proben) {
        o << " |";
        folgeKodieren(o, p);
    }
    o << " |";
    folgeKodieren(o, s.zustand);
    return o.str();
}

Spur dekodieren(const std::string& zeile, size_t folgen)
{
    Spur s;
    std::istringstream e(zeile);
    std::string wort;
    e >> s.aps >> wort;
    while (e >> wort && wort != "|")
        s.spikes.push_back(std::stoi(wort));
    for (size_t i = 0; i < folgen; ++i)
        s.proben.push_back(folgeDekodieren(e));
    s.zustand = folgeDekodieren(e);
    return s;
}

// equal AP counts, every spike within a step, every sample within 0.1 (mV, nA, gate x 100)
// except within two steps of a spike, the state after the abort within 0.1 mV, 1e-3 of a
// gate and 0.1 nA unless the neuron spiked in the last two steps
void vergleichen(const std::string& name, const Spur& ist, const Spur& soll, int gelaufen)
{
    EXPECT_EQ(ist.aps, soll.aps) << name;
    ASSERT_EQ(ist.spikes.size(), soll.spikes.size()) << name;
    for (size_t k = 0; k < soll.spikes.size(); ++k)
        EXPECT_LE(std::abs(ist.spikes[k] - soll.spikes[k]), 1) << name << " spike " << k;
    const auto nahAmSpike = [&](int schritt) {
        return std::any_of(soll.spikes.begin(), soll.spikes.end(), [&](int sp) { return std::abs(sp - schritt) <= 2; });
    };
    ASSERT_EQ(ist.proben.size(), soll.proben.size()) << name;
    for (size_t f = 0; f < soll.proben.size(); ++f) {
        ASSERT_EQ(ist.proben[f].size(), soll.proben[f].size()) << name << " slot " << slots[f];
        int abweichungen = 0;
        for (size_t k = 0; k < soll.proben[f].size(); ++k) {
            const int schritt = static_cast<int>(k) * probenAbstand;
            if (!nahAmSpike(schritt) && std::fabs(ist.proben[f][k] - soll.proben[f][k]) > 0.1 + 1e-4
                && ++abweichungen <= 3)
                ADD_FAILURE() << name << " slot " << slots[f] << " at " << schritt << ": " << ist.proben[f][k]
                              << ", recorded " << soll.proben[f][k];
        }
    }
    ASSERT_EQ(ist.zustand.size(), soll.zustand.size()) << name;
    if (nahAmSpike(gelaufen))
        return;
    const size_t potentiale = ist.zustand.size() - 14 - 9 - 1;
    for (size_t k = 0; k < ist.zustand.size(); ++k) {
        const double toleranz = k < potentiale ? 0.1 : k < potentiale + 14 ? 1e-3 : 0.1;
        EXPECT_NEAR(ist.zustand[k], soll.zustand[k], toleranz + 1e-4) << name << " state " << k;
    }
}

TEST_F(SpurenNetz, JederLeserUndSchreiberSiehtDenZustandWieVorDenLanes)
{
    const char* neu = std::getenv("VELNOR_SPUREN_NETZ_SCHREIBEN");
    std::map<std::string, std::string> alt;
    std::istringstream datei(testhilfe::lesen(std::string(VELNOR_TEST_DATEN) + "/../lauf/daten/spuren_netz.txt"));
    for (std::string zeile; std::getline(datei, zeile);)
        if (const size_t p = zeile.find(':'); p != std::string::npos)
            alt[zeile.substr(0, p)] = zeile.substr(p + 1);
    std::string ausgabe;
    const int gelaufen = abbruchDurchgang * 256 + 1;
    for (const Variante& v : varianten) {
        const std::vector<Spur> spuren = laufen(v);
        for (size_t i = 0; i < spuren.size(); ++i) {
            const bool epsp = i + 1 == spuren.size();
            const std::string name = std::string(v.name) + (epsp ? " epsp" : " n" + std::to_string(i + 1));
            ausgabe += name + ":" + kodieren(spuren[i]) + "\n";
            if (neu)
                continue;
            ASSERT_TRUE(alt.count(name)) << name;
            const Spur soll = dekodieren(alt[name], spuren[i].proben.size());
            if (epsp)
                EXPECT_NEAR(spuren[i].zustand.at(0), soll.zustand.at(0), 0.1 + 1e-4) << name;
            else
                vergleichen(name, spuren[i], soll, gelaufen);
        }
    }
    if (neu)
        testhilfe::schreiben(neu, ausgabe);
}

} // namespace
