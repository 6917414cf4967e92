// files/netzdatei_gruppen.cpp - synapse types, synapse groups and the old constant currents
// of the network file
#include "core/schluessel.h"
#include "core/status.h"
#include "files/netzdatei_abschnitte.h"
#include "model/gruppen.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

namespace {

std::string format(const char* muster, int a, int b = 0)
{
    char puffer[96];
    std::snprintf(puffer, sizeof puffer, muster, a, b);
    return puffer;
}

bool jaGesagt(const std::string& frage)
{
    return plattform::meldungsBox(fensterhandles.hauptfenster, frage, "SysInfo",
                                  plattform::knoepfe::JaNein | plattform::symbol::Frage) == plattform::antwort::Ja;
}

} // namespace

// ---- synapse types -----------------------------------------------------------------------------

void synapsenTypenSpeichern(XBuffer& p)
{
    p.drucken("[SynapsenTypen-definition] *******************************************\n");
    if (synapsenTypen.empty())
        return;
    const int anzahl = std::min(synapsenTypAnzahl, static_cast<int>(synapsenTypen.size()));
    for (int i = 0; i < anzahl; ++i) {
        SynapsenTyp& t = synapsenTypen[static_cast<size_t>(i)];
        // an entry without a kind gets the first kind no entry uses
        if (t.ion < 1) {
            std::array<bool, 5> benutzt{};
            for (int j = 0; j < anzahl; ++j) {
                const int ion = synapsenTypen[static_cast<size_t>(j)].ion;
                if (ion >= 1 && ion <= 4)
                    benutzt[static_cast<size_t>(ion)] = true;
            }
            for (int ion = 1; ion <= 4; ++ion)
                if (!benutzt[static_cast<size_t>(ion)]) {
                    t.ion = ion;
                    break;
                }
            plattform::hinweisBox(meldungFormatieren(288, i));
        }
        p.drucken("Synapsentyp %d Ion=%d\nSynapsentyp %d Gleichgewichtspotential=%.15g\n", i, t.ion, i, t.potential);
        const std::string* name = &t.bezeichnung;
        if (name->empty() && t.ion >= 1 && t.ion <= standardSynapsenTypAnzahl)
            name = &stdSynapsenTypen[static_cast<size_t>(t.ion - 1)].bezeichnung;
        p.drucken("Synapsentyp %d Bezeichnung=%s\n", i, name->c_str());
    }
    p.drucken("[ende SynapsenTypen-definition] **************************************\n\n");
}

// ---- synapse groups ------------------------------------------------------------------------------

void gruppenSpeichern(XBuffer& p)
{
    p.drucken("[Synapsengruppen] ************************\n");
    synapsengruppenZahl = std::max(synapsengruppenZahl, 0);
    p.drucken("anzahl von synapsengruppen=%d\n", synapsengruppenZahl);
    if (synapsengruppenZahl >= 1) {
        // the groups are numbered anew from 1; the slot they sit in is not kept
        int g = 0;
        for (int slot = 1; slot < synapsengruppenAnzahl; ++slot) {
            const Synapsengruppe& gruppe = synapsengruppen[static_cast<size_t>(slot)];
            if (gruppe.anzahl() <= 0)
                continue;
            ++g;
            p.drucken("anzahl von synapsen in gruppe %d=%d\n", g, gruppe.anzahl());
            p.drucken("bezeichnung von gruppe %d=%s\n", g, gruppe.name.c_str());
            int m = 0;
            for (int id : gruppe.mitglieder)
                p.drucken("synapse %d in %d=%d\n", ++m, g, id);
        }
    }
    p.drucken("[ende Synapsengruppen] ************************\n");
}

bool gruppenLesen(char* text, char* ab)
{
    char* block = ab ? std::strstr(ab, "[Synapsengruppen]") : nullptr;
    if (!block)
        block = text;
    Abschnitt schnitt(block, "[ende Synapsengruppen]", true);
    int gespeichert = 0;
    zahlLesen(gespeichert, block, "anzahl von synapsengruppen=");
    if (gespeichert < 1) {
        synapsengruppenZahl = 0;
        return true;
    }
    int gefunden = 0;
    for (int g = 1; g < synapsengruppenAnzahl; ++g) {
        int anzahl = 0;
        if (!zahlLesen(anzahl, block, format("anzahl von synapsen in gruppe %d=", g).c_str()) || anzahl <= 0)
            continue;
        ++gefunden;
        std::string name;
        schluesselTextLesen(name, 260, block, format("bezeichnung von gruppe %d=", g).c_str());
        int id = 0;
        if (!zahlLesen(id, block, format("synapse %d in %d=", 1, g).c_str())) {
            plattform::hinweisBox(meldungsTexte[944]);
            return false;
        }
        Synapsengruppe& gruppe = synapsengruppen[static_cast<size_t>(g)];
        if (gruppe.anzahl() > 0)
            synapsengruppeAufloesen(g, 0);
        gruppe.name = name.substr(0, 259);
        for (int m = 1; m < synapsenTabellenGroesse; ++m) {
            if (m > 1 && !zahlLesen(id, block, format("synapse %d in %d=", m, g).c_str()))
                break;
            // a member whose synapse is not there (its neurons were missing) is left out
            SynapseDaten* s = synapseNachId(id);
            if (!s)
                continue;
            if (gruppe.anzahl() == 0)
                synapsengruppeBelegen(g, *s, &name);
            else
                synapseInGruppeEintragen(g, *s);
        }
        if (gruppe.anzahl() != anzahl && !jaGesagt(meldungFormatieren(945, gruppe.anzahl(), name, anzahl)))
            return false;
    }
    if (gefunden != gespeichert && !jaGesagt(meldungFormatieren(946, gefunden, gespeichert)))
        return false;
    synapsengruppenZahl = gefunden;
    return true;
}

// ---- the old constant currents ----------------------------------------------------------------

namespace {

// the old keys of one neuron, in file order
template <class B>
void altStromFelder(NeuronDaten& n, B&& b)
{
    b("somaCurrent", n.somaCurrent);
    b("somaSCStart", n.somaSCStart);
    b("somaSCEnd", n.somaSCEnd);
    b("dendCurrent", n.dendCurrent);
    b("dendSCStart", n.dendSCStart);
    b("dendSCEnd", n.dendSCEnd);
    b("dendSCLocation", n.dendSCLocation);
    b("noise", n.rauschenAn);
}

std::string altStromSchluessel(const NeuronDaten& n, const char* feld)
{
    return "Current " + std::to_string(n.nummer) + " " + feld + "=";
}

// Constant currents this program wrote (set in its own dialog, or kept when the question
// was answered No) act as they are: the conversion is offered for texts from elsewhere only.
constexpr const char* eigeneStroemeSchluessel = "Currents: konstantstroeme beibehalten=";

bool konstantstromGesetzt(const NeuronDaten& n) { return n.somaCurrent != 0.0 || n.dendCurrent != 0.0; }

// The constant current becomes a rectangle stimulus from its start to its end, first at
// the soma, then in the segment the dendrite current was given for.
bool altStromUmwandeln(NeuronDaten& n)
{
    const Simulationsparameter& sp = simulationsParameter;
    double a = n.somaCurrent, b = n.somaSCStart, e = n.somaSCEnd;
    // a neuron holds four stimulus definitions, whatever the segment count says
    const int letztes = hoechsteReizDefinition(n);
    for (int c = 0; c <= letztes; ++c) {
        if (n.somaCurrent != 0.0 || (n.dendCurrent != 0.0 && n.dendSCLocation == c)) {
            n.somaCurrent = 0.0;
            StromreizDefinition& d = n.stromreize[static_cast<size_t>(c)];
            d.an = 1;
            d.anzahl = 1;
            d.abfall = 0.0;
            d.alternieren = 0;
            d.amplitude = a;
            d.anstieg = 0.0;
            d.beginn = b;
            if (e >= sp.simulationsDauer) {
                e = sp.simulationsDauer - sp.schrittweite;
                n.somaSCEnd = e;
            }
            d.dach = e - b;
            d.ende = d.pause = d.periode = 0.0;
            d.reizart = 0;
            // the refusal has said why (out of memory has ended the program)
            if (stromreizKurveErzeugen(n, c) != 1)
                return false;
        }
        a = n.dendCurrent;
        n.somaSCStart = n.dendSCStart;
        n.somaSCEnd = n.dendSCEnd;
        b = n.somaSCStart;
        e = n.somaSCEnd;
    }
    n.somaCurrent = n.somaSCStart = n.somaSCEnd = 0.0;
    n.dendCurrent = n.dendSCStart = n.dendSCEnd = 0.0;
    n.dendSCLocation = 0;
    return true;
}

} // namespace

void altStromSpeichern(XBuffer& p)
{
    p.drucken("[Currents] *******************************************\n");
    // only where the reader would offer the conversion: other files stay as they were
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (konstantstromGesetzt(*n)) {
            p.drucken("%s1\n", eigeneStroemeSchluessel);
            break;
        }
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        altStromFelder(*n, [&](const char* feld, auto& wert) {
            if constexpr (std::is_same_v<std::decay_t<decltype(wert)>, double>)
                p.drucken("Current %d %s=%.15g\n", n->nummer, feld, wert);
            else
                p.drucken("Current %d %s=%d\n", n->nummer, feld, wert);
        });
    p.drucken("[ende Currents] *******************************************\n");
}

bool altStromLesen(char* text, int& fehlerNeuron)
{
    fehlerNeuron = 0;
    char* block = std::strstr(text, "[Currents]");
    if (!block)
        block = text;
    Abschnitt schnitt(block, "[ende Currents]", true);
    KettenSuche kette(block);
    enum { Ungefragt, Umwandeln, NichtUmwandeln } antwort = Ungefragt;
    double eigene = 0.0;
    if ((programmStatus & programmBit::StromdateienNutzen) ||
        (schluesselZahlLesen(&eigene, block, eigeneStroemeSchluessel) && eigene != 0.0))
        antwort = NichtUmwandeln;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        // without the first key the neuron keeps its values and is not converted
        if (!kette.lesen(n->somaCurrent, altStromSchluessel(*n, "somaCurrent").c_str()))
            continue;
        altStromFelder(*n, [&](const char* feld, auto& wert) {
            if (&wert != static_cast<void*>(&n->somaCurrent))
                kette.lesen(wert, altStromSchluessel(*n, feld).c_str());
        });
        if (antwort == NichtUmwandeln || !konstantstromGesetzt(*n))
            continue;
        if (antwort == Ungefragt)
            antwort = jaGesagt(meldungsTexte[531]) ? Umwandeln : NichtUmwandeln;
        if (antwort == Umwandeln && !altStromUmwandeln(*n)) {
            fehlerNeuron = n->nummer;
            return false;
        }
    }
    return true;
}
