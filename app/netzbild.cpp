// app/netzbild.cpp - the network picture: neurons over the lines of their synapses
#include "app/netzbild.h"
#include "app/hauptfenster.h"
#include "app/objektbild.h"
#include "core/status.h"
#include "diagrams/drucken.h"
#include "model/anzeigeeinstellungen.h"
#include "model/geometrie.h"
#include "model/netz.h"
#include "model/seiteneinrichtung.h"
#include "model/zeichengrenzen.h"
#include "platform/drucken.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

using namespace plattform;

namespace {

Farbe oder(Farbe f, Farbe ersatz) { return f == KeineFarbe ? ersatz : f; }

// A coordinate or length as drawn never leaves this range: far beyond any screen or page
// (and as far as a neuron's place reaches), and small enough that the painters' sums of a
// few of them stay well inside what the platform's rasteriser takes.
constexpr double bildGrenze = 1000000.0;

// The names' font: 10 points on a screen of 96 dpi, as everywhere in the program.
constexpr int namenPunkte = 10;
constexpr int bildschirmDpi = 96;

// While the network is printed: the page mapping the picture is drawn with. Texts are
// drawn outside it, in the printer font, so that the font keeps its point size on paper.
struct Druckabbildung {
    bool aktiv = false;
    double skala = 1.0;
    int dx = 0, dy = 0;
};
Druckabbildung druckabbildung;

// a pen width as drawn, from a width in the picture's pixels
int stiftBreite(int breite) { return gezoomt(linienDickeBegrenzt(breite)); }

Punkt punktGezoomt(Punkt p) { return {gezoomt(p.x), gezoomt(p.y)}; }

// the dendrite segments the current dendrite mode draws
int segmenteZuZeichnen(const NeuronDaten& n)
{
    switch (dendritenModus()) {
    case 1: return 0;
    case 2: return 1;
    case 3: return 3;
    default: return std::clamp(n.segmentAnzahl, 0, groessteSegmentAnzahl);
    }
}

// Pens and brushes live only for one drawing step; the surface gets its old ones back.
class Werkzeug {
public:
    Werkzeug(Zeichenflaeche& z, int stil, int breite, Farbe linie, Farbe flaeche)
        : z_(z), stift_(stiftErzeugen(stil, breite, linie)),
          pinsel_(flaeche == KeineFarbe ? nullptr : pinselErzeugen(flaeche))
    {
        alterStift_ = auswaehlen(z_, stift_);
        alterPinsel_ = auswaehlen(z_, pinsel_ ? pinsel_ : hohlerPinsel());
    }
    ~Werkzeug()
    {
        auswaehlen(z_, alterStift_);
        auswaehlen(z_, alterPinsel_);
        loeschen(stift_);
        loeschen(pinsel_);
    }
    Werkzeug(const Werkzeug&) = delete;
    Werkzeug& operator=(const Werkzeug&) = delete;

private:
    Zeichenflaeche& z_;
    Stift stift_, alterStift_ = nullptr;
    Pinsel pinsel_, alterPinsel_ = nullptr;
};

// returns the marker square as drawn, for finding the synapse under a click
Rechteck synapseZeichnen(Zeichenflaeche& z, const SynapseDaten& s)
{
    const Farbe farbe = synapsenFarbe(s);
    const NeuronDaten* q = s.quelle ? s.quelle : neuronSuchen(s.quellNummer);
    const int groesse = q ? zeichenGroesseVon(*q, zeichenGroesse::Synapse) : zeichenGroesseVon(stdNeuron, zeichenGroesse::Synapse);
    const int i = geometrieIndex(dendritenModus());
    const bool schleife = s.axoIndex < 1 && s.quellNummer == s.zielNummer;
    // a loop onto its own neuron has no straight line: start, beside the soma, back
    const Punkt start = schleife ? Punkt{s.startPunktX[i], s.startPunktY[i]} : s.linienStart;
    const Punkt ende = schleife ? Punkt{s.endPunktX[i], s.endPunktY[i]} : s.linienEnde;
    const Punkt marke{s.markerPunktX[i], s.markerPunktY[i]};
    {
        Werkzeug w(z, stiftStil::Durchgehend, 0, farbe, KeineFarbe);
        if (schleife) {
            const std::array<Punkt, 3> punkte{punktGezoomt(start), punktGezoomt(marke), punktGezoomt(ende)};
            polylinie(z, punkte);
        } else {
            linie(z, gezoomt(start.x), gezoomt(start.y), gezoomt(ende.x), gezoomt(ende.y));
        }
    }
    const int h = std::max(1, gezoomt(groesse) / 2);
    const Punkt m = punktGezoomt(marke);
    const Rechteck quadrat{m.x - h, m.y - h, m.x + h, m.y + h};
    rechteckFuellen(z, quadrat, farbe);
    if (s.gruppe > 0) {
        textFarbeSetzen(z, oder(synapsenfarben.gruppenNummern, 0));
        hintergrundTransparent(z, true);
        textAusrichtungSetzen(z, textAusrichtung::Links | textAusrichtung::Unten);
        netzText(z, m.x + h + 1, m.y - h, std::to_string(s.gruppe));
    }
    return quadrat;
}

void neuronZeichnen(Zeichenflaeche& z, const NeuronDaten& n)
{
    namespace g = zeichenGroesse;
    const Rechteck soma = somaRechteck(n);
    const int cx = (soma.links + soma.rechts) / 2;
    const int laenge = gezoomt(zeichenGroesseVon(n, g::DendritLaenge));
    const int dicke = std::max(1, gezoomt(zeichenGroesseVon(n, g::DendritDicke)));
    const int segmente = segmenteZuZeichnen(n);
    const Farbe rand = oder(n.randFarbe, oder(netzbildfarben.rahmen, 0));

    // the dendrite below the soma, its segments parted by lines
    if (segmente > 0 && laenge > 0) {
        const Rechteck dendrit{cx - dicke / 2, soma.unten, cx - dicke / 2 + dicke, soma.unten + laenge};
        {
            Werkzeug w(z, stiftStil::Durchgehend, 0, rand, n.farbe);
            rechteck(z, dendrit);
        }
        Werkzeug w(z, stiftStil::Durchgehend, stiftBreite(zeichenGroesseVon(n, g::SegmentLinie)), rand, KeineFarbe);
        for (int k = 1; k < segmente; ++k) {
            const int y = soma.unten + k * laenge / segmente;
            linie(z, dendrit.links - 2, y, dendrit.rechts + 2, y);
        }
    }
    // the axon above the soma
    if (const int axon = gezoomt(zeichenGroesseVon(n, g::Axon)); axon > 0) {
        Werkzeug w(z, stiftStil::Durchgehend, 0, oder(n.axonFarbe, rand), KeineFarbe);
        linie(z, cx, soma.oben, cx, soma.oben - axon);
    }
    // the soma, filled with the marking colours while the neuron is marked
    {
        // a neuron flashing in the spike playback outshines its mark
        const Farbe fuellung = n.nummer == aufblitzendesNeuron() ? blitzFarbeWiedergabe
                               : n.markiert ? oder(netzbildfarben.markierungFlaeche, rgbFarbe(0, 255, 255))
                                            : n.farbe;
        const Farbe linie = n.markiert ? oder(netzbildfarben.markierungRand, rgbFarbe(0, 0, 255)) : rand;
        Werkzeug w(z, stiftStil::Durchgehend, n.markiert ? 2 : 0, linie, fuellung);
        ellipse(z, soma);
    }
    // the clipped potential: an arc around the soma, while the program marks limited neurons
    if (n.begrenzung.an && programmOptionen.potentialbegrenzungKennzeichnen) {
        const int abstand = zeichenGroesseBegrenzt(n.begrenzung.bogenAbstand);
        const int a = std::max(1, gezoomt(abstand > 0 ? abstand : 3));
        Werkzeug w(z, stiftStil::Durchgehend, linienDickeBegrenzt(n.begrenzung.bogenDicke), n.begrenzung.bogenFarbe, KeineFarbe);
        const Rechteck r{soma.links - a, soma.oben - a, soma.rechts + a, soma.unten + a};
        bogen(z, r, {r.rechts, soma.oben}, {r.links, soma.oben});
    }
    // stimuli: a short flash pointing at each stimulated compartment from the left
    const int blitz = gezoomt(zeichenGroesseVon(n, g::Reizblitz));
    for (int k = 0; k < reizDefinitionen; ++k) {
        if (!n.stromreize[k].an || blitz <= 0)
            continue;
        int y = (soma.oben + soma.unten) / 2;
        int x = soma.links;
        if (k > 0) {
            if (k > segmente)
                continue;
            y = soma.unten + (2 * k - 1) * laenge / (2 * segmente);
            x = cx - dicke / 2;
        }
        Werkzeug w(z, stiftStil::Durchgehend, std::max(1, linienDickeBegrenzt(n.kennzeichnungDicke)), n.kennzeichnungFarbe,
                   KeineFarbe);
        linie(z, x - blitz - 2, y - blitz / 3, x - blitz / 2, y + blitz / 3);
        linie(z, x - blitz / 2, y + blitz / 3, x - 2, y);
    }
    // the name beside the soma
    if (!n.name.empty()) {
        textFarbeSetzen(z, rand);
        hintergrundTransparent(z, true);
        textAusrichtungSetzen(z, textAusrichtung::Links | textAusrichtung::Oben);
        netzText(z, soma.rechts + 4, soma.oben, n.name);
    }
}

// The box the neurons are drawn in, with their axons, dendrites, stimulus flashes and names
// (a name's width guessed from its length); false without a neuron.
bool netzbildGrenzen(Rechteck& box)
{
    namespace g = zeichenGroesse;
    bool gefunden = false;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const Rechteck soma = somaRechteck(*n);
        const int blitz = gezoomt(zeichenGroesseVon(*n, g::Reizblitz)) + 2;
        const int axon = std::max(0, gezoomt(zeichenGroesseVon(*n, g::Axon)));
        const int dendrit = segmenteZuZeichnen(*n) > 0 ? std::max(0, gezoomt(zeichenGroesseVon(*n, g::DendritLaenge))) : 0;
        const int name = n->name.empty() ? 0 : 4 + 8 * static_cast<int>(n->name.size());
        const Rechteck r{soma.links - blitz, soma.oben - axon, soma.rechts + name, soma.unten + dendrit};
        box = gefunden ? Rechteck{std::min(box.links, r.links), std::min(box.oben, r.oben),
                                  std::max(box.rechts, r.rechts), std::max(box.unten, r.unten)}
                       : r;
        gefunden = true;
    }
    return gefunden;
}

// the font of the names (and group numbers) on the screen
SchriftMerkmale namenSchrift()
{
    SchriftMerkmale m;
    m.hoehe = schriftHoeheAusPunkten(namenPunkte, bildschirmDpi);
    return m;
}

// The picture itself: synapse lines, objects, neurons over their line ends, in the names'
// font. Only the screen's synapse squares are kept: the printed page has a scale of its own.
void bildInhaltZeichnen(Zeichenflaeche& z, bool bildschirm)
{
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (SynapseDaten* s = synapseNachId(id)) {
            const Rechteck quadrat = synapseZeichnen(z, *s);
            if (bildschirm)
                s->markerRechteck = quadrat;
        }
    objekteZeichnen(z);
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        neuronZeichnen(z, *n);
}

// The network page: metrics and print area of the network's page record, the printer
// fonts, frames, header and footer; then the picture, one scale both ways, its print area's
// corner on the margins' corner. The names keep the size they have beside the drawing on
// the screen: the printer font gets the point size on paper that the screen's names take
// at the picture's scale.
void netzwerkDrucken(Zeichenflaeche& z)
{
    SeitenEinrichtung& s = seiteNetzfenster;
    if (!druckerSeiteLesen(s, druckAuftrag.druckerName)) {
        druckSeiteVerwerfen();
        return;
    }
    Rechteck box;
    const bool mitNeuronen = netzbildGrenzen(box);
    netzDruckBereichBerechnen(s, mitNeuronen ? &box : nullptr, clientRechteck(fensterhandles.hauptfenster));
    if (s.ausdehnungX <= 0 || s.ausdehnungY <= 0) {
        druckSeiteVerwerfen();
        return;
    }
    const double skala = static_cast<double>(s.druckBreite) / s.ausdehnungX;
    const int seitenDpi = dpiY(z) > 0 ? dpiY(z) : bildschirmDpi;
    FontDaten& schrift = druckAuftrag.druckerSchrift;
    schrift.punkte = std::max(1, static_cast<int>(std::lround(namenPunkte * skala * bildschirmDpi / seitenDpi)));
    druckerSchriftErzeugen(schrift, nullptr);
    seitenRahmenZeichnen(z, s);
    kopfUndFussZeichnen(z, s);
    druckabbildung = {true, skala, s.randLinksGeraet - static_cast<int>(std::lround(s.druckLinks * skala)),
                      s.randObenGeraet - static_cast<int>(std::lround(s.druckOben * skala))};
    seitenAbbildungSetzen(z, skala, druckabbildung.dx, druckabbildung.dy);
    bildInhaltZeichnen(z, false);
    seitenAbbildungSetzen(z, 1.0, 0, 0);
    druckabbildung = {};
}

} // namespace

int gezoomt(long long wert)
{
    const double zoom = zoomFaktor > 0.0 && std::isfinite(zoomFaktor) ? zoomFaktor : 1.0;
    return static_cast<int>(std::lround(std::clamp(static_cast<double>(wert) * zoom, -bildGrenze, bildGrenze)));
}

Rechteck somaRechteck(const NeuronDaten& n)
{
    // a place and a size as large as an int can hold add up beyond it
    const long long x = n.x, y = n.y, d = zeichenGroesseVon(n, zeichenGroesse::Soma);
    return {gezoomt(x), gezoomt(y), gezoomt(x + d), gezoomt(y + d)};
}

Farbe synapsenFarbe(const SynapseDaten& s)
{
    if (s.axoIndex >= 1)
        return synapsenfarben.axo;
    switch (synapsenTypIon(s.synapsenTyp)) {
    case ionenArt::Natrium: return synapsenfarben.natrium;
    case ionenArt::Kalium: return synapsenfarben.inhibitorisch;
    case ionenArt::Elektrisch: return synapsenfarben.elektrisch;
    default: return synapsenfarben.chemisch;
    }
}

void netzwerkZeichnen(Zeichenflaeche& z)
{
    if (druckAuftrag.druckeNetzwerk == 1 && netzwerkDruckDC) {
        netzwerkDrucken(*netzwerkDruckDC);
        return;
    }
    rechteckFuellen(z, flaechenGroesse(z), oder(netzbildfarben.hintergrund, rgbFarbe(255, 255, 255)));
    const Schrift schrift = schriftErzeugen(namenSchrift());
    const Schrift alteSchrift = auswaehlen(z, schrift);
    bildInhaltZeichnen(z, true);
    auswaehlen(z, alteSchrift);
    loeschen(schrift);
}

void netzText(Zeichenflaeche& z, int x, int y, const std::string& t)
{
    if (!druckabbildung.aktiv) {
        text(z, x, y, t);
        return;
    }
    const Druckabbildung a = druckabbildung;
    const auto seite = [&](int wert, int versatz) {
        return static_cast<int>(std::lround(std::clamp(wert * a.skala + versatz, -bildGrenze, bildGrenze)));
    };
    seitenAbbildungSetzen(z, 1.0, 0, 0);
    const Schrift alteSchrift = auswaehlen(z, druckAuftrag.druckerSchrift.schrift);
    text(z, seite(x, a.dx), seite(y, a.dy), t);
    auswaehlen(z, alteSchrift);
    seitenAbbildungSetzen(z, a.skala, a.dx, a.dy);
}
