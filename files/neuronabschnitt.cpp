// files/neuronabschnitt.cpp - the neuron block: one "neuron %d key=value" line per property
//
// The same block serves the network file (every neuron), the settings file (the standard
// neuron) and the definition export (renumbered neurons). Writer and reader walk the same
// tables, so the key order the chained search expects is the order written.
#include "files/neuronabschnitt.h"
#include "core/schluessel.h"
#include "files/lesen.h"
#include "files/neuronzeilen.h"
#include "files/stromdateien.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/stromreiz.h"
#include "model/zeichengrenzen.h"
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

bool altePausenUmrechnen = false;

namespace {

int speicherkopien = 0;

// The permutation mode's cleared switches in the record while the block is written, the
// user's kept-aside ones in the text; the record gets its own back at the end.
struct BeiseiteGelegteSchalterSchreiben {
    NeuronDaten& n;
    const int exportMaske, spikezeitenSpeichern;
    explicit BeiseiteGelegteSchalterSchreiben(NeuronDaten& neuron)
        : n(neuron), exportMaske(neuron.exportMaske), spikezeitenSpeichern(neuron.spikezeitenSpeichern)
    {
        const bool datei = &n != &stdNeuron && speicherkopien == 0;
        if (const NeuronSchalterSicherung* s = datei ? beiseiteGelegteSchalter(n.nummer) : nullptr) {
            n.exportMaske = s->exportMaske;
            n.spikezeitenSpeichern = s->spikezeitenSpeichern;
        }
    }
    ~BeiseiteGelegteSchalterSchreiben()
    {
        n.exportMaske = exportMaske;
        n.spikezeitenSpeichern = spikezeitenSpeichern;
    }
};

// ---- the rows ----------------------------------------------------------------------------

enum class Art {
    Ganz,          // int, "%d"
    Zahl,          // double, "%.15g"
    ZahlSechs,     // double, "%f": six decimals are all that stay
    ZahlAlsGanz,   // double kept as a whole number, "%d"
    Einfach,       // float, written widened to double
    Farbe,         // a colour or flag word as one number, "%d"
    Text,          // the rest of the line
};

struct Zeile {
    const char* schluessel;   // behind "neuron %d ", with its '='
    Art art;
    int& (*ganz)(NeuronDaten&) = nullptr;
    double& (*zahl)(NeuronDaten&) = nullptr;
    float& (*einfach)(NeuronDaten&) = nullptr;
    plattform::Farbe& (*farbe)(NeuronDaten&) = nullptr;
    std::string& (*text)(NeuronDaten&) = nullptr;
    int laenge = 0;           // a text keeps at most laenge - 1 bytes
};

constexpr Zeile ganz(const char* s, int& (*f)(NeuronDaten&)) { return {s, Art::Ganz, f}; }
constexpr Zeile zahl(const char* s, double& (*f)(NeuronDaten&), Art a = Art::Zahl)
{
    return {s, a, nullptr, f};
}
constexpr Zeile einfach(const char* s, float& (*f)(NeuronDaten&)) { return {s, Art::Einfach, nullptr, nullptr, f}; }
constexpr Zeile farbe(const char* s, plattform::Farbe& (*f)(NeuronDaten&))
{
    return {s, Art::Farbe, nullptr, nullptr, nullptr, f};
}
constexpr Zeile wort(const char* s, uint32_t& (*f)(NeuronDaten&)) { return farbe(s, f); }
constexpr Zeile text(const char* s, std::string& (*f)(NeuronDaten&), int laenge)
{
    return {s, Art::Text, nullptr, nullptr, nullptr, nullptr, f, laenge};
}

// burst analysis and noise, behind the physiology block
constexpr Zeile burstUndRauschen[] = {
    wort("burstanalyse status=", [](NeuronDaten& n) -> uint32_t& { return n.spikefolge.flags; }),
    ganz("burstanalyse mindest gesamt-ap-anzahl=", [](NeuronDaten& n) -> int& { return n.spikefolge.mindestApAnzahlGesamt; }),
    zahl("burstanalyse faktor fuer inter-burst-intervall=", [](NeuronDaten& n) -> double& { return n.spikefolge.burstFaktor; }),
    zahl("burstanalyse mindest ap-anzahl=", [](NeuronDaten& n) -> double& { return n.spikefolge.mindestSpikeAnzahl; }),
    zahl("burstanalyse mindestlaenge=", [](NeuronDaten& n) -> double& { return n.spikefolge.mindestLaenge; }),
    zahl("burstanalyse mindestfrequenz=", [](NeuronDaten& n) -> double& { return n.spikefolge.mindestFrequenz; }),
    zahl("burstanalyse relative mindest ap-anzahl=", [](NeuronDaten& n) -> double& { return n.spikefolge.relativeSpikeAnzahl; }),
    zahl("burstanalyse relative mindestlaenge=", [](NeuronDaten& n) -> double& { return n.spikefolge.relativeLaenge; }),
    zahl("burstanalyse relative mindestfrequenz=", [](NeuronDaten& n) -> double& { return n.spikefolge.relativeFrequenz; }),
    zahl("burstanalyse luecke bei aktiver reaktion mindestens=", [](NeuronDaten& n) -> double& { return n.spikefolge.lueckeMinimum; }),
    zahl("burstanalyse luecke bei aktiver reaktion maximal=", [](NeuronDaten& n) -> double& { return n.spikefolge.lueckeMaximum; }),
    farbe("burstanalyse box-farbe=", [](NeuronDaten& n) -> plattform::Farbe& { return n.spikefolge.kastenFarbe; }),
    ganz("burstanalyse box-rand=", [](NeuronDaten& n) -> int& { return n.spikefolge.kastenAbstand; }),
    zahl("rauschen abklingzeit=", [](NeuronDaten& n) -> double& { return n.rauschAbklingzeit; }),
    zahl("rauschen h\xE4ufigkeit=", [](NeuronDaten& n) -> double& { return n.rauschHaeufigkeit; }),
    zahl("rauschen intensit\xE4t=", [](NeuronDaten& n) -> double& { return n.rauschIntensitaet; }),
};

// the four colours, each as red, green and blue part: "<name> rotanteil=" ...
struct Farbzeile {
    const char* name;
    plattform::Farbe& (*farbe)(NeuronDaten&);
};
constexpr Farbzeile farben[] = {
    {"flaeche", [](NeuronDaten& n) -> plattform::Farbe& { return n.farbe; }},
    {"rand", [](NeuronDaten& n) -> plattform::Farbe& { return n.randFarbe; }},
    {"axon", [](NeuronDaten& n) -> plattform::Farbe& { return n.axonFarbe; }},
    {"stromreiz kennzeichnung", [](NeuronDaten& n) -> plattform::Farbe& { return n.kennzeichnungFarbe; }},
};
constexpr const char* farbAnteile[] = {"%s rotanteil=", "%s gruenanteil=", "%s blauanteil="};

constexpr Zeile gestalt[] = {
    ganz("stromreiz kennzeichnung laenge=", [](NeuronDaten& n) -> int& { return n.kennzeichnungLaenge; }),
    ganz("stromreiz kennzeichnung dicke=", [](NeuronDaten& n) -> int& { return n.kennzeichnungDicke; }),
    ganz("stromreiz kennzeichnung position=", [](NeuronDaten& n) -> int& { return n.kennzeichnungPosition; }),
    ganz("dendritenorientierung=", [](NeuronDaten& n) -> int& { return n.dendritRichtung; }),
    ganz("groesse=", [](NeuronDaten& n) -> int& { return n.groesse; }),
    ganz("somagroesse=", [](NeuronDaten& n) -> int& { return n.somaGroesse; }),
    ganz("dendritenlaenge=", [](NeuronDaten& n) -> int& { return n.dendritenLaenge; }),
    ganz("dendritdicke=", [](NeuronDaten& n) -> int& { return n.dendritDicke; }),
    ganz("dicke der segmenttrennlinie=", [](NeuronDaten& n) -> int& { return n.segmentTrennerDicke; }),
    ganz("axonlaenge=", [](NeuronDaten& n) -> int& { return n.axonLaenge; }),
    ganz("synapsengroesse=", [](NeuronDaten& n) -> int& { return n.synapsenGroesse; }),
};

constexpr const char* markiertSchluessel = "markiert=";

constexpr Zeile fensterUndKlemme[] = {
    ganz("x-position des ausgabefensters=", [](NeuronDaten& n) -> int& { return n.ausgabeX; }),
    ganz("y-position des ausgabefensters=", [](NeuronDaten& n) -> int& { return n.ausgabeY; }),
    ganz("breite des ausgabefensters=", [](NeuronDaten& n) -> int& { return n.ausgabeBreite; }),
    ganz("hoehe des ausgabefensters=", [](NeuronDaten& n) -> int& { return n.ausgabeHoehe; }),
    ganz("voltage clamp an=", [](NeuronDaten& n) -> int& { return n.klemme.flags; }),
    ganz("voltage eine spannung=", [](NeuronDaten& n) -> int& { return n.klemme.alleGleich; }),
    zahl("voltage clamp startZeit=", [](NeuronDaten& n) -> double& { return n.klemme.pulsBeginn; }),
    zahl("voltage clamp endeZeit=", [](NeuronDaten& n) -> double& { return n.klemme.pulsEnde; }),
    zahl("voltage clamp anfangsPotential=", [](NeuronDaten& n) -> double& { return n.klemme.startSpannung; }),
    zahl("voltage clamp pulsPotential=", [](NeuronDaten& n) -> double& { return n.klemme.pulsSpannung; }),
    zahl("voltage clamp endPotential=", [](NeuronDaten& n) -> double& { return n.klemme.endSpannung; }),
};

constexpr const char* bezeichnungSchluessel = "strominjektion bezeichnung=";

// the keys of one compartment's stimulus definition ("%d" the compartment)
namespace reiz {
constexpr const char* ausDatei = "strominjektion aus datei in segment %d=";
constexpr const char* name = "strominjektion aus datei in segment %d bezeichnung=";
constexpr const char* datei = "strominjektion in segment %d aus datei=";
constexpr const char* dauerreiz = "strominjektion segment %d dauerreiz=";
constexpr const char* anzahlBursts = "strominjektion segment %d anzahl bursts=";
constexpr const char* burstabstand = "strominjektion segment %d burstabstand=";
constexpr const char* einzelreiz = "strominjektion segment %d einzelreiz=";
constexpr const char* alternieren = "strominjektion segment %d alternieren=";
constexpr const char* pause = "strominjektion segment %d pause=";
}
struct ReizGanz {
    const char* schluessel;
    int StromreizDefinition::*feld;
};
struct ReizZahl {
    const char* schluessel;
    double StromreizDefinition::*feld;
};
constexpr ReizGanz reizVorDauerreiz[] = {
    {"strominjektion segment %d an=", &StromreizDefinition::an},
    {"strominjektion segment %d reizart=", &StromreizDefinition::reizart},
};
constexpr ReizZahl reizZeiten[] = {
    {"strominjektion segment %d beginn=", &StromreizDefinition::beginn},
    {"strominjektion segment %d anstieg=", &StromreizDefinition::anstieg},
    {"strominjektion segment %d ende=", &StromreizDefinition::ende},
    {"strominjektion segment %d dach=", &StromreizDefinition::dach},
    {"strominjektion segment %d periode=", &StromreizDefinition::periode},
    {"strominjektion segment %d abfall=", &StromreizDefinition::abfall},
    {"strominjektion segment %d amplitude=", &StromreizDefinition::amplitude},
};
constexpr const char* reizAnzahl = "strominjektion segment %d anzahl=";

constexpr Zeile bilderUndAufzeichnung[] = {
    ganz("disk-symbol position x=", [](NeuronDaten& n) -> int& { return n.diskX; }),
    ganz("disk-symbol position y=", [](NeuronDaten& n) -> int& { return n.diskY; }),
    ganz("bild als icon darstellen=", [](NeuronDaten& n) -> int& { return n.bildAnzeigen; }),
    ganz("bild icon position x=", [](NeuronDaten& n) -> int& { return n.bildX; }),
    ganz("bild icon position y=", [](NeuronDaten& n) -> int& { return n.bildY; }),
    text("bild icon datei=", [](NeuronDaten& n) -> std::string& { return n.bildIconDatei; }, 260),
    text("bild icon mark datei=", [](NeuronDaten& n) -> std::string& { return n.bildIconMarkDatei; }, 260),
    text("bmp datei=", [](NeuronDaten& n) -> std::string& { return n.bmpDatei; }, 260),
    ganz("bmp x=", [](NeuronDaten& n) -> int& { return n.bmpX; }),
    ganz("bmp y=", [](NeuronDaten& n) -> int& { return n.bmpY; }),
    ganz("bmp datei anzeigen=", [](NeuronDaten& n) -> int& { return n.bmpAnzeigen; }),
    ganz("spikezeiten speichern=", [](NeuronDaten& n) -> int& { return n.spikezeitenSpeichern; }),
    ganz("psp-amplituden speichern=", [](NeuronDaten& n) -> int& { return n.pspModus; }),
    einfach("schwelle fuer psp-amplituden=", [](NeuronDaten& n) -> float& { return n.pspSchwelle; }),
    ganz("parameter fuer ascii-export=", [](NeuronDaten& n) -> int& { return n.exportMaske; }),
    ganz("sound bei spike-aufzeichnung=", [](NeuronDaten& n) -> int& { return n.tonBeiSpike; }),
    zahl("sound-frequenz bei spike-aufzeichnung=", [](NeuronDaten& n) -> double& { return n.tonFrequenz; }, Art::ZahlAlsGanz),
    zahl("sound-dauer bei spike-aufzeichnung=", [](NeuronDaten& n) -> double& { return n.tonDauer; }, Art::ZahlSechs),
    ganz("izhikevich modell aktiviert=", [](NeuronDaten& n) -> int& { return n.izhikevichAktiv; }),
    zahl("izhikevich a=", [](NeuronDaten& n) -> double& { return n.izA; }),
    zahl("izhikevich b=", [](NeuronDaten& n) -> double& { return n.izB; }),
    zahl("izhikevich c=", [](NeuronDaten& n) -> double& { return n.izC; }),
    zahl("izhikevich d=", [](NeuronDaten& n) -> double& { return n.izD; }),
    zahl("izhikevich V=", [](NeuronDaten& n) -> double& { return n.izVStart; }),
    zahl("izhikevich U=", [](NeuronDaten& n) -> double& { return n.izUStart; }),
    zahl("izhikevich na potential=", [](NeuronDaten& n) -> double& { return n.izSpitze; }),
    ganz("izhikevich korrigieren=", [](NeuronDaten& n) -> int& { return n.izhikevichKorrigieren; }),
    text("izhikevich bezeichnung=", [](NeuronDaten& n) -> std::string& { return n.izhikevichBezeichnung; }, 256),
    ganz("oeffnungsfaktor darstellen von synapse=", [](NeuronDaten& n) -> int& { return n.oeffnungSynapseId; }),
    text("bezeichnung zum darstellen von synapse=", [](NeuronDaten& n) -> std::string& { return n.oeffnungBezeichnung; }, 260),
    ganz("queue zum darstellen von synapse=", [](NeuronDaten& n) -> int& { return n.oeffnungRingLaenge; }),
};

constexpr const char* kcaSchluessel = "K(Ca)-kanal aktivieren=";

// potential clipping: on, then per compartment (soma, dendrite segments 1-3) four keys
constexpr const char* begrenzungOrte[] = {"soma", "dendrit1", "dendrit2", "dendrit3"};
constexpr Zeile begrenzungBogen[] = {
    farbe("potclip arc farbe=", [](NeuronDaten& n) -> plattform::Farbe& { return n.begrenzung.bogenFarbe; }),
    ganz("potclip arc abstand=", [](NeuronDaten& n) -> int& { return n.begrenzung.bogenAbstand; }),
    ganz("potclip arc dicke=", [](NeuronDaten& n) -> int& { return n.begrenzung.bogenDicke; }),
};

constexpr const char* endeSchluessel = "neuroneigenschaften ende";

// ---- writing -----------------------------------------------------------------------------

// a double as the whole number "%d" prints; beyond int it is cut to the int range
int alsGanz(double x)
{
    if (!(x == x))
        return 0;
    const double r = std::round(x);
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(r);
}

struct Schreiber {
    XBuffer& aus;
    int nummer;

    void ganz(const std::string& s, int wert) { aus.drucken("%s%d\n", s.c_str(), wert); }
    void zahl(const std::string& s, double wert) { aus.drucken("%s%.15g\n", s.c_str(), wert); }
    void text(const std::string& s, const std::string& wert) { aus.drucken("%s%s\n", s.c_str(), wert.c_str()); }
    std::string schluessel(const char* text, int index = 0) const { return neuronblockSchluessel(nummer, text, index); }

    void zeilen(NeuronDaten& n, std::span<const Zeile> zeilen)
    {
        for (const Zeile& z : zeilen) {
            const std::string s = schluessel(z.schluessel);
            switch (z.art) {
            case Art::Ganz: ganz(s, z.ganz(n)); break;
            case Art::Zahl: zahl(s, z.zahl(n)); break;
            case Art::ZahlSechs: aus.drucken("%s%f\n", s.c_str(), z.zahl(n)); break;
            case Art::ZahlAlsGanz: ganz(s, alsGanz(z.zahl(n))); break;
            case Art::Einfach: zahl(s, static_cast<double>(z.einfach(n))); break;
            case Art::Farbe: ganz(s, static_cast<int>(z.farbe(n))); break;
            case Art::Text: text(s, z.text(n)); break;
            }
        }
    }
};

void reizSchreiben(Schreiber& w, const StromreizDefinition& d, int s)
{
    w.ganz(w.schluessel(reiz::ausDatei, s), d.ausDatei);
    w.text(w.schluessel(reiz::name, s), d.reizName);
    w.text(w.schluessel(reiz::datei, s), d.reizDatei);
    for (const ReizGanz& r : reizVorDauerreiz)
        w.ganz(w.schluessel(r.schluessel, s), d.*r.feld);
    w.ganz(w.schluessel(reiz::dauerreiz, s), d.dauerreiz);
    w.ganz(w.schluessel(reizAnzahl, s), d.anzahl);
    // bursts and the single pulse belong to the soma, alternating to the dendrite
    if (s == 0) {
        w.ganz(w.schluessel(reiz::anzahlBursts, s), d.anzahlBursts);
        w.zahl(w.schluessel(reiz::burstabstand, s), d.burstabstand);
        w.zahl(w.schluessel(reiz::einzelreiz, s), d.einzelreiz);
    } else {
        w.ganz(w.schluessel(reiz::alternieren, s), d.alternieren);
    }
    for (const ReizZahl& r : reizZeiten)
        w.zahl(w.schluessel(r.schluessel, s), d.*r.feld);
    w.zahl(w.schluessel(reiz::pause, s), d.pause);
}

// ---- reading -----------------------------------------------------------------------------

void zeilenLesen(NeuronblockSuche& k, NeuronDaten& n, std::span<const Zeile> zeilen)
{
    for (const Zeile& z : zeilen) {
        switch (z.art) {
        case Art::Ganz: k.zahl(z.ganz(n), z.schluessel); break;
        case Art::Zahl:
        case Art::ZahlSechs: k.zahl(z.zahl(n), z.schluessel); break;
        case Art::ZahlAlsGanz: {
            int wert = 0;
            if (k.zahl(wert, z.schluessel))
                z.zahl(n) = wert;
            break;
        }
        case Art::Einfach: {
            // single precision: what a float cannot hold counts as missing
            double wert = 0.0;
            if (k.zahl(wert, z.schluessel) && std::fabs(wert) <= FLT_MAX)
                z.einfach(n) = static_cast<float>(wert);
            break;
        }
        case Art::Farbe: {
            int wert = 0;
            if (k.zahl(wert, z.schluessel))
                z.farbe(n) = static_cast<plattform::Farbe>(wert);
            break;
        }
        case Art::Text: k.text(z.text(n), z.laenge, z.schluessel); break;
        }
    }
}

// all three parts or no colour
void farbeLesen(NeuronblockSuche& k, const Farbzeile& f, NeuronDaten& n)
{
    int teil[3] = {};
    bool alle = true;
    for (int i = 0; i < 3; ++i) {
        char schluessel[64];
        std::snprintf(schluessel, sizeof schluessel, farbAnteile[i], f.name);
        alle = k.zahl(teil[i], schluessel) && alle;
    }
    f.farbe(n) = alle ? plattform::rgbFarbe(teil[0], teil[1], teil[2]) : plattform::KeineFarbe;
}

// The stimulus of compartment s. False when its table was to be built and that failed:
// then no later compartment's table is built in this read.
bool reizLesen(NeuronblockSuche& k, char* blockAnfang, NeuronDaten& n, int s, bool bauen)
{
    StromreizDefinition& d = n.stromreize[s];
    StromTabelle* tabelle = s < static_cast<int>(n.stromTabellen.size()) ? &n.stromTabellen[s] : nullptr;
    char* merke = k.zeiger;

    // a stimulus from a file: flag, name and path belong together
    if (!k.zahl(d.ausDatei, reiz::ausDatei, s)) {
        d.ausDatei = 0;
        if (tabelle)
            tabelle->herkunft.clear();
        k.zeiger = merke;
    } else {
        k.ruecksprung = merke;
        std::string name, pfad;
        const bool mitName = k.text(name, 260, reiz::name, s);
        if (mitName) {
            d.reizName = name;
            if (tabelle)
                tabelle->herkunft = name;
        }
        const bool mitPfad = k.text(pfad, 260, reiz::datei, s);
        if (mitPfad)
            d.reizDatei = pfad;
        if (mitName && mitPfad && d.ausDatei != 0)
            reizDefinitionsDateiLaden(&n, s, d.reizName, d.reizDatei, 1);
        if (!mitName || !mitPfad) {
            d.ausDatei = 0;
            k.zeiger = merke;
        }
    }
    // the other keys: behind the cursor, or anywhere in the block
    k.ruecksprung = blockAnfang;
    for (const ReizGanz& r : reizVorDauerreiz)
        k.zahlNochmal(d.*r.feld, r.schluessel, s);
    // "dauerreiz=ja" of older files, a number, or off
    {
        const std::string schluessel = neuronblockSchluessel(k.nummer, reiz::dauerreiz, s);
        std::string wert;
        char* hinter = schluesselTextLesen(wert, 8, k.zeiger, schluessel.c_str());
        if (!hinter)
            hinter = schluesselTextLesen(wert, 8, k.ruecksprung, schluessel.c_str());
        if (hinter && wert == "ja") {
            d.dauerreiz = 1;
            k.zeiger = hinter;
        } else if (!k.zahlNochmal(d.dauerreiz, reiz::dauerreiz, s)) {
            d.dauerreiz = 0;
        }
    }
    k.zahlNochmal(d.anzahl, reizAnzahl, s);
    if (s == 0) {
        k.zahlNochmal(d.anzahlBursts, reiz::anzahlBursts, s);
        k.zahlNochmal(d.burstabstand, reiz::burstabstand, s);
        k.zahlNochmal(d.einzelreiz, reiz::einzelreiz, s);
    } else {
        k.zahlNochmal(d.alternieren, reiz::alternieren, s);
    }
    for (const ReizZahl& r : reizZeiten)
        k.zahlNochmal(d.*r.feld, r.schluessel, s);
    const bool mitPause = k.zahlNochmal(d.pause, reiz::pause, s);

    // older network texts kept the gap between pulses: from start to start now
    if (mitPause && altePausenUmrechnen && &n != &stdNeuron && d.anzahl >= 2) {
        if (d.reizart == 0)
            d.pause = d.anstieg + d.dach + d.abfall + d.pause;
        else if (d.reizart == 1)
            d.pause = (d.ende - d.beginn) + d.pause;
    }
    // the table of a stimulus that is on (the standard neuron has no tables of its own)
    if (bauen && tabelle && d.an != 0 && d.anzahl >= 1 && &n != &stdNeuron && d.ausDatei == 0)
        return stromreizKurveErzeugen(n, s) == 1;
    return bauen;
}

bool gelistet(NeuronDaten& n) { return neuronNachNummer(n.nummer) == &n; }

// The place, sizes and widths reach the painter's pixel sums: a file's values are clamped
// to what the dialogs take.
void gestaltBegrenzen(NeuronDaten& n)
{
    n.x = neuronLageBegrenzt(n.x);
    n.y = neuronLageBegrenzt(n.y);
    for (int* g : {&n.kennzeichnungLaenge, &n.groesse, &n.somaGroesse, &n.dendritenLaenge, &n.dendritDicke,
                   &n.axonLaenge, &n.synapsenGroesse, &n.spikefolge.kastenAbstand})
        *g = zeichenGroesseBegrenzt(*g);
    for (int* d : {&n.kennzeichnungDicke, &n.segmentTrennerDicke})
        *d = linienDickeBegrenzt(*d);
}

} // namespace

SpeicherkopieSchreiben::SpeicherkopieSchreiben() { ++speicherkopien; }
SpeicherkopieSchreiben::~SpeicherkopieSchreiben() { --speicherkopien; }
bool speicherkopieImSchreiben() { return speicherkopien > 0; }

int guiNeuronSpeichern(NeuronDaten* neuron, int nummer, std::FILE* datei, XBuffer& puffer, int flush)
{
    if (!neuron)
        return 0;
    NeuronDaten& n = *neuron;
    const size_t ab = puffer.laenge();
    textZeiger = &puffer;
    Schreiber w{puffer, nummer >= 1 ? nummer : n.nummer};

    // name, place, model and physiology
    w.text(w.schluessel("name="), n.name);
    w.ganz(w.schluessel("x-position="), n.x);
    w.ganz(w.schluessel("y-position="), n.y);
    if (&n != &stdNeuron) {
        w.ganz(w.schluessel("modell-typ="), n.modellTyp);
        // the physiology lines carry the record's number: the export's for the moment
        const int eigene = n.nummer;
        n.nummer = w.nummer;
        physParameterSpeichern(&n, datei, puffer);
        n.nummer = eigene;
        textZeiger = &puffer;
    }
    // burst analysis, noise, drawing
    w.zeilen(n, burstUndRauschen);
    puffer.drucken("neuron %d morphologische Parameter\n", w.nummer);
    for (const Farbzeile& f : farben) {
        const int teil[3] = {plattform::rotAnteil(f.farbe(n)), plattform::gruenAnteil(f.farbe(n)),
                             plattform::blauAnteil(f.farbe(n))};
        for (int i = 0; i < 3; ++i) {
            char schluessel[64];
            std::snprintf(schluessel, sizeof schluessel, farbAnteile[i], f.name);
            w.ganz(w.schluessel(schluessel), teil[i]);
        }
    }
    w.zeilen(n, gestalt);
    puffer.drucken("neuron %d %s%d   (ja=1)\n", w.nummer, markiertSchluessel, n.markiert);
    w.zeilen(n, fensterUndKlemme);
    // the stimuli: a definition for each compartment the neuron has, soma and up to
    // three dendrite segments
    puffer.drucken("neuron %d strominjektion-parameter\n", w.nummer);
    w.text(w.schluessel(bezeichnungSchluessel), n.strominjektionBezeichnung);
    for (int s = 0; s <= hoechsteReizDefinition(n); ++s)
        reizSchreiben(w, n.stromreize[s], s);
    // pictures, recording, Izhikevich, K(Ca), clipping
    {
        const BeiseiteGelegteSchalterSchreiben schalter(n);
        w.zeilen(n, bilderUndAufzeichnung);
    }
    w.ganz(w.schluessel(kcaSchluessel), n.kcaModus);
    if (n.kcaModus != 0 && n.kca) {
        kCaKanalSpeichern(*n.kca, w.nummer, datei, puffer, 0);
        textZeiger = &puffer;
    }
    w.ganz(w.schluessel("potclip aktivieren="), n.begrenzung.an);
    for (int o = 0; o < 4; ++o) {
        char s[64];
        std::snprintf(s, sizeof s, "potclip %s aktivieren=", begrenzungOrte[o]);
        w.ganz(w.schluessel(s), n.begrenzung.kompartimentAn[o]);
        std::snprintf(s, sizeof s, "potclip %s art=", begrenzungOrte[o]);
        w.ganz(w.schluessel(s), n.begrenzung.art[o]);
        std::snprintf(s, sizeof s, "potclip %s potential oben=", begrenzungOrte[o]);
        w.zahl(w.schluessel(s), n.begrenzung.oben[o]);
        std::snprintf(s, sizeof s, "potclip %s potential unten=", begrenzungOrte[o]);
        w.zahl(w.schluessel(s), n.begrenzung.unten[o]);
    }
    w.zeilen(n, begrenzungBogen);
    puffer.drucken("neuron %d %s\n", w.nummer, endeSchluessel);
    return xbufferAbgeben(puffer, ab, datei, flush) ? 1 : 0;
}

void guiNeuronLaden(NeuronDaten* neuron, char* blockAnfang)
{
    if (!neuron || !blockAnfang)
        return;
    NeuronDaten& n = *neuron;
    // the block ends with its end line (without one it runs to the text's end)
    const std::string ende = neuronblockSchluessel(n.nummer, endeSchluessel);
    Abschnitt block(blockAnfang, ende.c_str(), true);
    NeuronblockSuche k(blockAnfang, n.nummer);

    // name, place, model
    if (!k.text(n.name, 260, "name="))
        n.name = std::to_string(n.nummer);
    k.zahl(n.x, "x-position=");
    k.zahl(n.y, "y-position=");
    int typ = 0;
    if (k.zahl(typ, "modell-typ=") && typ >= modell::OnOff && typ <= modell::GolowaschBuchholz)
        n.modellTyp = typ;
    // burst analysis, noise, drawing
    zeilenLesen(k, n, burstUndRauschen);
    for (const Farbzeile& f : farben)
        farbeLesen(k, f, n);
    zeilenLesen(k, n, gestalt);
    gestaltBegrenzen(n);
    // a mark is set here, never taken away; only a listed neuron can be in the marks
    int markiert = 0;
    if (k.zahl(markiert, markiertSchluessel) && markiert != 0 && gelistet(n))
        neuronMarkieren(&n, 1);
    zeilenLesen(k, n, fensterUndKlemme);
    // the stimuli
    if (!k.text(n.strominjektionBezeichnung, 256, bezeichnungSchluessel))
        n.strominjektionBezeichnung.clear();
    bool bauen = true;
    for (int s = 0; s <= hoechsteReizDefinition(n); ++s)
        bauen = reizLesen(k, blockAnfang, n, s, bauen);
    // pictures, recording, Izhikevich; a block without the export key exports nothing
    n.exportMaske = 0;
    zeilenLesen(k, n, bilderUndAufzeichnung);
    // K(Ca): the channel lines follow the switch; a channel that cannot be read is off
    int kca = 0;
    if (!k.zahl(kca, kcaSchluessel) || kca < kcaModus::Aus || kca > kcaModus::Ausgeschaltet)
        kca = kcaModus::Aus;
    n.kcaModus = kca;
    if (kca != kcaModus::Aus) {
        KCaKanal kanal = n.kca ? *n.kca : KCaKanal{};
        if (kCaKanalLaden(&n, kanal, k.zeiger)) {
            if (!n.kca)
                n.kca = std::make_unique<KCaKanal>();
            *n.kca = kanal;
        } else {
            n.kcaModus = kcaModus::Aus;
        }
    }
    // clipping
    k.zahl(n.begrenzung.an, "potclip aktivieren=");
    for (int o = 0; o < 4; ++o) {
        char s[64];
        std::snprintf(s, sizeof s, "potclip %s aktivieren=", begrenzungOrte[o]);
        k.zahl(n.begrenzung.kompartimentAn[o], s);
        std::snprintf(s, sizeof s, "potclip %s art=", begrenzungOrte[o]);
        k.zahl(n.begrenzung.art[o], s);
        std::snprintf(s, sizeof s, "potclip %s potential oben=", begrenzungOrte[o]);
        k.zahl(n.begrenzung.oben[o], s);
        std::snprintf(s, sizeof s, "potclip %s potential unten=", begrenzungOrte[o]);
        k.zahl(n.begrenzung.unten[o], s);
    }
    zeilenLesen(k, n, begrenzungBogen);
    n.begrenzung.bogenAbstand = zeichenGroesseBegrenzt(n.begrenzung.bogenAbstand);
    n.begrenzung.bogenDicke = linienDickeBegrenzt(n.begrenzung.bogenDicke);
}
