// app/neuroneditor.cpp - creating, finding and deleting neurons in the editor
#include "app/neuroneditor.h"
#include "app/netzbild.h"
#include "app/status.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/netzdefinition.h"
#include "model/geometrie.h"
#include "model/kollision.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/rueckkopplung.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

using namespace plattform;

namespace {

void hinweis(const std::string& text)
{
    meldungsBox(fensterhandles.hauptfenster, text, "Hinweis", knoepfe::Ok | symbol::Information);
}

// the number after the highest so far; once that passes the table, the lowest free one
int freieNeuronNummer()
{
    const int naechste = neuronKette.hoechsteNummer + 1;
    if (neuronNummerGueltig(naechste) && !neuronNachNummer(naechste))
        return naechste;
    for (int i = 1; i < neuronTabellenGroesse; ++i)
        if (!neuronNachNummer(i))
            return i;
    return 0;
}

// a drawn length back in the network's own units
int ungezoomt(int wert)
{
    const double zoom = zoomFaktor > 0.0 ? zoomFaktor : 1.0;
    return static_cast<int>(std::lround(wert / zoom));
}

bool nameVergeben(const std::string& name, const NeuronDaten* ausser)
{
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n != ausser && n->name == name)
            return true;
    return false;
}

// the somata as they lie, in network units; 64 bits, so no sum of a corner and a size overflows
struct Flaeche { int64_t x, y, groesse; };

std::vector<Flaeche> andereSomata(const NeuronDaten& neu)
{
    std::vector<Flaeche> somata;
    for (const NeuronDaten* m = neuronKette.kopf; m; m = m->naechstesNeuron)
        if (m != &neu)
            somata.push_back({m->x, m->y, zeichenGroesseVon(*m, zeichenGroesse::Soma)});
    return somata;
}

// whether a soma of size d with its corner at (x, y) would lie over or under one of them,
// or nearer to it than the gap
bool ueberdeckt(const std::vector<Flaeche>& somata, int64_t x, int64_t y, int64_t d, int64_t luecke)
{
    return std::ranges::any_of(somata, [&](const Flaeche& m) {
        return x < m.x + m.groesse + luecke && m.x < x + d + luecke && y < m.y + m.groesse + luecke &&
               m.y < y + d + luecke;
    });
}

// The corner nearest to (x, y) where a soma of size d covers no other and hides under none:
// (x, y) itself when it is free, else the nearest point of a grid a quarter soma wide
// around it that keeps that quarter free around every other soma, and past the searched
// rings the place right of every neuron.
Punkt freierPlatz(const NeuronDaten& neu, int x, int y, int d)
{
    x = std::max(0, x);
    y = std::max(0, y);
    const std::vector<Flaeche> somata = andereSomata(neu);
    if (!ueberdeckt(somata, x, y, d, 0))
        return {x, y};
    constexpr int ringe = 200;
    constexpr int64_t grenze = std::numeric_limits<int>::max() / 2;
    const int64_t schritt = std::max(1, d / 4);
    Punkt bester{};
    double besterAbstand = std::numeric_limits<double>::infinity();
    const auto pruefen = [&](int i, int j) {
        const int64_t px = x + i * schritt, py = y + j * schritt;
        const double abstand = std::hypot(i, j);
        if (abstand >= besterAbstand || px < 0 || py < 0 || px > grenze || py > grenze ||
            ueberdeckt(somata, px, py, d, schritt))
            return;
        bester = {static_cast<int>(px), static_cast<int>(py)};
        besterAbstand = abstand;
    };
    // ring r: the grid points r steps away on the longer axis; none of a later ring lies
    // nearer than r steps
    for (int r = 1; r <= ringe && r < besterAbstand; ++r) {
        for (int i = -r; i <= r; ++i) {
            pruefen(i, -r);
            pruefen(i, r);
        }
        for (int j = -r + 1; j < r; ++j) {
            pruefen(-r, j);
            pruefen(r, j);
        }
    }
    if (besterAbstand < std::numeric_limits<double>::infinity())
        return bester;
    int64_t rechts = x;
    for (const Flaeche& m : somata)
        rechts = std::max(rechts, m.x + m.groesse + schritt);
    return {static_cast<int>(std::min(rechts, grenze)), y};
}

void neuZeichnenLassen()
{
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
}

// The permutation display's own neuron: no neuron of the network, so it takes part in no
// run and no file. It takes the highest free number, which leaves the network's numbering
// (and the number its next neuron gets) as it is.
NeuronDaten* permutationsneuronErzeugen()
{
    int nummer = neuronTabellenGroesse - 1;
    while (nummer > 0 && neuronNachNummer(nummer))
        --nummer;
    if (!neuronNummerGueltig(nummer)) {
        hinweis(meldungFormatieren(860));
        return nullptr;
    }
    NeuronDaten* n = hilfsneuronNeu(nummer);
    if (!n)
        return nullptr;
    // the recorder multiplies some curves by their slot's faktor and the legend divides by it
    for (KurvenDaten& k : n->hauptDiagramm.kurven)
        if (k.faktor == 0.0)
            k.faktor = 1.0;
    // one display, one neuron
    if (!permutationsNeuronEinrichten(*n)) {
        neuronFreigeben(n);
        return nullptr;
    }
    return n;
}

} // namespace

NeuronDaten* neuronErzeugen(int modus)
{
    if (modus == 6)
        return permutationsneuronErzeugen();
    const int nummer = freieNeuronNummer();
    if (!neuronNummerGueltig(nummer)) {
        hinweis(meldungFormatieren(860));
        return nullptr;
    }
    NeuronDaten* n = neuronNeu(nummer, 1);
    if (!n)
        return nullptr;
    ++neuronKette.anzahl;
    const int hoechsteVorher = neuronKette.hoechsteNummer;
    neuronKette.hoechsteNummer = std::max(hoechsteVorher, nummer);
    // the recorder multiplies some curves by their slot's faktor and the legend divides by it
    for (KurvenDaten& k : n->hauptDiagramm.kurven)
        if (k.faktor == 0.0)
            k.faktor = 1.0;
    const int d = zeichenGroesseVon(*n, zeichenGroesse::Soma);
    if (modus == 2) {
        // one neuron per channel of a WAV import: a row along the top, right of every neuron there is
        n->x = d;
        n->y = d;
        for (const NeuronDaten* m = neuronKette.kopf; m; m = m->naechstesNeuron)
            if (m != n)
                n->x = std::max(n->x, m->x + zeichenGroesseVon(*m, zeichenGroesse::Soma) + d);
    } else {
        // centred on the last click, unless another soma lies there: hidden under it, the new
        // one would be invisible and catch the clicks meant for the other
        const Punkt p = freierPlatz(*n, ungezoomt(letzterKlickpunkt.x) - d / 2, ungezoomt(letzterKlickpunkt.y) - d / 2, d);
        n->x = p.x;
        n->y = p.y;
    }
    einstellungenAktualisieren(n, 0);
    // the WAV import sets the run itself
    if (modus != 2)
        simulationsParameterPruefen(fensterhandles.hauptfenster);
    neuZeichnenLassen();
    return n;
}

int neuroneKopieren()
{
    const int markiert = markierteNeurone.anzahl();
    if (markiert == 0)
        return 0;
    if (neuronKette.anzahl + markiert >= neuronTabellenGroesse) {
        hinweis(meldungFormatieren(864, markiert));
        return 0;
    }
    // the copies come beside their originals, as far down and right as the largest soma is wide
    int versatz = 0;
    for (const NeuronDaten* n : markierteNeurone.liste)
        versatz = std::max(versatz, zeichenGroesseVon(*n, zeichenGroesse::Soma));
    // the definition import makes the copies the marked neurons
    const int anzahl = netzwerkDefinitionTextImportieren(netzwerkDefinitionText(), meldungsTexte[863]);
    if (anzahl == 0)
        return 0;
    for (NeuronDaten* n : markierteNeurone.liste) {
        n->x += versatz;
        n->y += versatz;
        // a copy's name is that of its original with the first free count behind it
        const std::string stamm = n->name;
        for (int k = 2; !stamm.empty() && nameVergeben(n->name, n); ++k)
            n->name = stamm + " " + std::to_string(k);
    }
    synapsenGeometrieErneuern();
    neuZeichnenLassen();
    return anzahl;
}

void synapsenGeometrieErneuern()
{
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (SynapseDaten* s = synapseNachId(id))
            synapseGeometrie(*s, 1);
}

int neuronLoeschen(NeuronDaten* neuron, int)
{
    std::vector<NeuronDaten*> weg;
    if (neuron)
        weg.push_back(neuron);
    else
        weg.assign(markierteNeurone.liste.begin(), markierteNeurone.liste.end());
    // all or none: a refusal must not leave half of the marked neurons deleted
    for (const NeuronDaten* n : weg)
        if (!rueckkopplungNeuronFrei(*n) || !neuronInKollisionsObjekt(*n)) {
            hinweis(meldungFormatieren(485));
            return 0;
        }
    for (NeuronDaten* n : weg) {
        const bool imNetz = !n->hilfsneuron;
        neuronFreigeben(n);
        if (imNetz)
            --neuronKette.anzahl;
    }
    if (!weg.empty()) {
        einstellungenAktualisieren(nullptr, 0);
        neuZeichnenLassen();
    }
    return static_cast<int>(weg.size());
}

NeuronDaten* objektAnPunktSuchen(Punkt p)
{
    // the last one in the chain is drawn on top
    NeuronDaten* treffer = nullptr;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const Rechteck r = somaRechteck(*n);
        if (p.x >= r.links && p.x < r.rechts && p.y >= r.oben && p.y < r.unten)
            treffer = n;
    }
    return treffer;
}

int neuronNameFrei(const std::string& name, const NeuronDaten* neuron)
{
    if (neuron && neuron->name == name)
        return 1;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n != neuron && n->name == name)
            return 0;
    return 1;
}

void neuronMenueZeigen(Menue m)
{
    postenAnhaengen(m, 0, befehlServerAnzeigeNeuron, meldungsTexte[648]);
    postenAnhaengen(m, 0, befehlServerEingangsNeuron, meldungsTexte[300]);
    postenAnhaengen(m, 0, befehlServerAusgangsNeuron, meldungsTexte[299]);
}
