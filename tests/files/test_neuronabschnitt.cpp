// tests/files/test_neuronabschnitt.cpp - the neuron block: round trip, the rows' rules,
// the renumbering export and the standard neuron
#include "test_neuronabschnitt_hilfe.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace pt = plattform::test;

namespace {

using Neuronabschnitt = NeuronabschnittFall;

template <class T>
using Zugriff = std::function<T&(NeuronDaten&)>;

// every plain field the block carries, each given its own value by fuellen
struct Felder {
    std::vector<std::pair<const char*, Zugriff<int>>> ganz = {
        {"x", [](NeuronDaten& n) -> int& { return n.x; }},
        {"y", [](NeuronDaten& n) -> int& { return n.y; }},
        {"burst an", [](NeuronDaten& n) -> int& { return n.spikefolge.an; }},
        {"burst mindest ap", [](NeuronDaten& n) -> int& { return n.spikefolge.mindestApAnzahl; }},
        {"kennzeichnung laenge", [](NeuronDaten& n) -> int& { return n.kennzeichnungLaenge; }},
        {"kennzeichnung dicke", [](NeuronDaten& n) -> int& { return n.kennzeichnungDicke; }},
        {"kennzeichnung position", [](NeuronDaten& n) -> int& { return n.kennzeichnungPosition; }},
        {"dendritenorientierung", [](NeuronDaten& n) -> int& { return n.dendritRichtung; }},
        {"groesse", [](NeuronDaten& n) -> int& { return n.groesse; }},
        {"somagroesse", [](NeuronDaten& n) -> int& { return n.somaGroesse; }},
        {"dendritenlaenge", [](NeuronDaten& n) -> int& { return n.dendritenLaenge; }},
        {"dendritdicke", [](NeuronDaten& n) -> int& { return n.dendritDicke; }},
        {"segmenttrennlinie", [](NeuronDaten& n) -> int& { return n.segmentTrennerDicke; }},
        {"axonlaenge", [](NeuronDaten& n) -> int& { return n.axonLaenge; }},
        {"synapsengroesse", [](NeuronDaten& n) -> int& { return n.synapsenGroesse; }},
        {"ausgabe x", [](NeuronDaten& n) -> int& { return n.ausgabeX; }},
        {"ausgabe y", [](NeuronDaten& n) -> int& { return n.ausgabeY; }},
        {"ausgabe breite", [](NeuronDaten& n) -> int& { return n.ausgabeBreite; }},
        {"ausgabe hoehe", [](NeuronDaten& n) -> int& { return n.ausgabeHoehe; }},
        {"klemme an", [](NeuronDaten& n) -> int& { return n.klemme.flags; }},
        {"klemme eine spannung", [](NeuronDaten& n) -> int& { return n.klemme.alleGleich; }},
        {"disk x", [](NeuronDaten& n) -> int& { return n.diskX; }},
        {"disk y", [](NeuronDaten& n) -> int& { return n.diskY; }},
        {"bild anzeigen", [](NeuronDaten& n) -> int& { return n.bildAnzeigen; }},
        {"bild x", [](NeuronDaten& n) -> int& { return n.bildX; }},
        {"bild y", [](NeuronDaten& n) -> int& { return n.bildY; }},
        {"bmp x", [](NeuronDaten& n) -> int& { return n.bmpX; }},
        {"bmp y", [](NeuronDaten& n) -> int& { return n.bmpY; }},
        {"bmp anzeigen", [](NeuronDaten& n) -> int& { return n.bmpAnzeigen; }},
        {"spikezeiten", [](NeuronDaten& n) -> int& { return n.spikezeitenSpeichern; }},
        {"psp", [](NeuronDaten& n) -> int& { return n.pspModus; }},
        {"export", [](NeuronDaten& n) -> int& { return n.exportMaske; }},
        {"ton", [](NeuronDaten& n) -> int& { return n.tonBeiSpike; }},
        {"izhikevich an", [](NeuronDaten& n) -> int& { return n.izhikevichAktiv; }},
        {"izhikevich korrigieren", [](NeuronDaten& n) -> int& { return n.izhikevichKorrigieren; }},
        {"oeffnung synapse", [](NeuronDaten& n) -> int& { return n.oeffnungSynapseId; }},
        {"oeffnung queue", [](NeuronDaten& n) -> int& { return n.oeffnungRingLaenge; }},
        {"potclip an", [](NeuronDaten& n) -> int& { return n.begrenzung.an; }},
        {"potclip bogen abstand", [](NeuronDaten& n) -> int& { return n.begrenzung.bogenAbstand; }},
        {"potclip bogen dicke", [](NeuronDaten& n) -> int& { return n.begrenzung.bogenDicke; }},
    };
    std::vector<std::pair<const char*, Zugriff<double>>> zahl = {
        {"burst faktor", [](NeuronDaten& n) -> double& { return n.spikefolge.burstFaktor; }},
        {"rauschen abklingzeit", [](NeuronDaten& n) -> double& { return n.rauschAbklingzeit; }},
        {"rauschen haeufigkeit", [](NeuronDaten& n) -> double& { return n.rauschHaeufigkeit; }},
        {"rauschen intensitaet", [](NeuronDaten& n) -> double& { return n.rauschIntensitaet; }},
        {"klemme beginn", [](NeuronDaten& n) -> double& { return n.klemme.pulsBeginn; }},
        {"klemme ende", [](NeuronDaten& n) -> double& { return n.klemme.pulsEnde; }},
        {"klemme anfang", [](NeuronDaten& n) -> double& { return n.klemme.startSpannung; }},
        {"klemme puls", [](NeuronDaten& n) -> double& { return n.klemme.pulsSpannung; }},
        {"klemme endpotential", [](NeuronDaten& n) -> double& { return n.klemme.endSpannung; }},
        {"ton frequenz", [](NeuronDaten& n) -> double& { return n.tonFrequenz; }},
        {"ton dauer", [](NeuronDaten& n) -> double& { return n.tonDauer; }},
        {"izhikevich a", [](NeuronDaten& n) -> double& { return n.izA; }},
        {"izhikevich b", [](NeuronDaten& n) -> double& { return n.izB; }},
        {"izhikevich c", [](NeuronDaten& n) -> double& { return n.izC; }},
        {"izhikevich d", [](NeuronDaten& n) -> double& { return n.izD; }},
        {"izhikevich v", [](NeuronDaten& n) -> double& { return n.izVStart; }},
        {"izhikevich u", [](NeuronDaten& n) -> double& { return n.izUStart; }},
        {"izhikevich spitze", [](NeuronDaten& n) -> double& { return n.izSpitze; }},
    };
    std::vector<std::pair<const char*, Zugriff<std::string>>> text = {
        {"name", [](NeuronDaten& n) -> std::string& { return n.name; }},
        {"strominjektion", [](NeuronDaten& n) -> std::string& { return n.strominjektionBezeichnung; }},
        {"bild icon", [](NeuronDaten& n) -> std::string& { return n.bildIconDatei; }},
        {"bild icon mark", [](NeuronDaten& n) -> std::string& { return n.bildIconMarkDatei; }},
        {"bmp", [](NeuronDaten& n) -> std::string& { return n.bmpDatei; }},
        {"izhikevich", [](NeuronDaten& n) -> std::string& { return n.izhikevichBezeichnung; }},
        {"oeffnung", [](NeuronDaten& n) -> std::string& { return n.oeffnungBezeichnung; }},
    };
};

// a stimulus that builds a table: a pulse pair, on the soma with a second burst and a
// single pulse
StromreizDefinition reiz(int s)
{
    StromreizDefinition d;
    d.an = 1;
    d.anzahl = 2;
    d.beginn = 0.125 * (s + 1);
    d.dach = 0.0625;
    d.pause = 0.25;
    d.amplitude = std::array{1e-9, -2e-9, 3e-9, 4e-9}[s];
    d.reizName = "reiz " + std::to_string(s);
    d.reizDatei = "C:\\reize\\r" + std::to_string(s) + ".str";
    if (s == 0) {
        d.anzahlBursts = 2;
        d.burstabstand = 0.5;
        d.einzelreiz = 0.875;
    } else {
        d.alternieren = 1;
    }
    return d;
}

// every field its own value, none of them a default
void fuellen(NeuronDaten& n)
{
    Felder f;
    int k = 0;
    for (auto& [name, z] : f.ganz)
        z(n) = 100 + k++;
    for (auto& [name, z] : f.zahl)
        z(n) = 0.25 * ++k;
    for (auto& [name, z] : f.text)
        z(n) = std::string("text ") + name;
    n.tonFrequenz = 440.0;   // written as a whole number
    n.modellTyp = modell::GolowaschBuchholz;
    for (int i = 0; i < 8; ++i)
        n.spikefolge.kriterien[i] = -0.5 * (i + 1);
    n.spikefolge.kastenFarbe = 0x10203;
    n.spikefolge.kastenRand = 0x1000000;
    n.farbe = 0x112233;
    n.randFarbe = 0x445566;
    n.axonFarbe = 0x778899;
    n.kennzeichnungFarbe = 0xAABBCC;
    n.begrenzung.bogenFarbe = 0xFF00FF;
    for (int o = 0; o < 4; ++o) {
        n.begrenzung.kompartimentAn[o] = o % 2;
        n.begrenzung.art[o] = 2 + 2 * (o % 2);
        n.begrenzung.oben[o] = 0.01 * (o + 1);
        n.begrenzung.unten[o] = -0.08 - 0.001 * o;
    }
    n.pspSchwelle = 0.1f;
    for (int i = 0; i < anzahlParameter; ++i)
        n.parameter[i] = (i + 1) * 0.0078125;
    n.kcaModus = kcaModus::An;
    n.kca = std::make_unique<KCaKanal>();
    KCaKanal& c = *n.kca;
    double w = 1.0;
    for (double* x : {&c.caAbbau, &c.caHintergrund, &c.caAussen, &c.zellvolumenKonstante, &c.temperatur, &c.gCa1,
                      &c.gCa2, &c.gKCa, &c.eKCa, &c.caStart, &c.cStart, &c.dStart, &c.eStart, &c.pStart, &c.qStart})
        *x = (w += 1.0);
    for (KCaTor& t : c.tore)
        for (double* x : {&t.potenz, &t.formAlpha, &t.rateAlpha, &t.v0Alpha, &t.schrittAlpha, &t.formBeta,
                          &t.rateBeta, &t.v0Beta, &t.schrittBeta, &t.hilfsParamAlpha, &t.hilfsParamBeta})
            *x = (w += 0.5);
    c.stroemeAnzeigen = 1;
    c.mitInaktivierung = 2;
    c.spannungsabhaengig = 3;
    c.oeffnungAnzeigen = 4;
    for (int s = 0; s < reizDefinitionen; ++s)
        n.stromreize[s] = reiz(s);
}

void kcaVergleichen(const KCaKanal& a, const KCaKanal& b)
{
    const double KCaKanal::*felder[] = {&KCaKanal::caAbbau, &KCaKanal::caHintergrund, &KCaKanal::caAussen,
                                        &KCaKanal::zellvolumenKonstante, &KCaKanal::temperatur, &KCaKanal::gCa1,
                                        &KCaKanal::gCa2, &KCaKanal::gKCa, &KCaKanal::eKCa, &KCaKanal::caStart,
                                        &KCaKanal::cStart, &KCaKanal::dStart, &KCaKanal::eStart, &KCaKanal::pStart,
                                        &KCaKanal::qStart};
    for (auto f : felder)
        EXPECT_EQ(a.*f, b.*f);
    for (int t = 0; t < 5; ++t) {
        const KCaTor &x = a.tore[t], &y = b.tore[t];
        const double KCaTor::*torFelder[] = {&KCaTor::potenz, &KCaTor::formAlpha, &KCaTor::rateAlpha,
                                             &KCaTor::v0Alpha, &KCaTor::schrittAlpha, &KCaTor::formBeta,
                                             &KCaTor::rateBeta, &KCaTor::v0Beta, &KCaTor::schrittBeta,
                                             &KCaTor::hilfsParamAlpha, &KCaTor::hilfsParamBeta};
        for (auto f : torFelder)
            EXPECT_EQ(x.*f, y.*f) << "gate " << t;
    }
    EXPECT_EQ(a.stroemeAnzeigen, b.stroemeAnzeigen);
    EXPECT_EQ(a.mitInaktivierung, b.mitInaktivierung);
    EXPECT_EQ(a.spannungsabhaengig, b.spannungsabhaengig);
    EXPECT_EQ(a.oeffnungAnzeigen, b.oeffnungAnzeigen);
}

} // namespace

TEST_F(Neuronabschnitt, GeschriebenUndGelesenGleichtDasNeuronFeldFuerFeld)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    ASSERT_TRUE(a && b);
    fuellen(*a);
    a->markiert = 1;
    const std::string text = block(a, 2);
    laden(b, text);

    Felder f;
    for (auto& [name, z] : f.ganz)
        EXPECT_EQ(z(*b), z(*a)) << name;
    for (auto& [name, z] : f.zahl)
        EXPECT_EQ(z(*b), z(*a)) << name;
    for (auto& [name, z] : f.text)
        EXPECT_EQ(z(*b), z(*a)) << name;
    EXPECT_EQ(b->modellTyp, modell::GolowaschBuchholz);
    EXPECT_EQ(b->spikefolge.kriterien, a->spikefolge.kriterien);
    EXPECT_EQ(b->spikefolge.kastenFarbe, a->spikefolge.kastenFarbe);
    EXPECT_EQ(b->spikefolge.kastenRand, a->spikefolge.kastenRand);
    EXPECT_EQ(b->farbe, a->farbe);
    EXPECT_EQ(b->randFarbe, a->randFarbe);
    EXPECT_EQ(b->axonFarbe, a->axonFarbe);
    EXPECT_EQ(b->kennzeichnungFarbe, a->kennzeichnungFarbe);
    EXPECT_EQ(b->begrenzung.bogenFarbe, a->begrenzung.bogenFarbe);
    EXPECT_EQ(b->begrenzung.kompartimentAn, a->begrenzung.kompartimentAn);
    EXPECT_EQ(b->begrenzung.art, a->begrenzung.art);
    EXPECT_EQ(b->begrenzung.oben, a->begrenzung.oben);
    EXPECT_EQ(b->begrenzung.unten, a->begrenzung.unten);
    EXPECT_EQ(b->pspSchwelle, 0.1f);
    EXPECT_EQ(b->parameter, a->parameter);
    EXPECT_EQ(b->fehlendeModellbereiche, 0);
    // marked through the marks
    EXPECT_EQ(b->markiert, 1);
    EXPECT_EQ(markierteNeurone.erstes(), b);
    // K(Ca)
    EXPECT_EQ(b->kcaModus, kcaModus::An);
    ASSERT_TRUE(b->kca);
    kcaVergleichen(*a->kca, *b->kca);
    // the stimuli of soma and dendrite segments 1-3, and the tables built from them
    for (int s = 0; s < reizDefinitionen; ++s) {
        const StromreizDefinition &x = a->stromreize[s], &y = b->stromreize[s];
        EXPECT_EQ(y.an, x.an) << s;
        EXPECT_EQ(y.reizart, x.reizart) << s;
        EXPECT_EQ(y.dauerreiz, x.dauerreiz) << s;
        EXPECT_EQ(y.anzahl, x.anzahl) << s;
        EXPECT_EQ(y.beginn, x.beginn) << s;
        EXPECT_EQ(y.anstieg, x.anstieg) << s;
        EXPECT_EQ(y.ende, x.ende) << s;
        EXPECT_EQ(y.dach, x.dach) << s;
        EXPECT_EQ(y.periode, x.periode) << s;
        EXPECT_EQ(y.abfall, x.abfall) << s;
        EXPECT_EQ(y.amplitude, x.amplitude) << s;
        EXPECT_EQ(y.pause, x.pause) << s;
        EXPECT_EQ(y.ausDatei, x.ausDatei) << s;
        EXPECT_EQ(y.reizName, x.reizName) << s;
        EXPECT_EQ(y.reizDatei, x.reizDatei) << s;
        // bursts and the single pulse are the soma's, alternating the dendrite's
        EXPECT_EQ(y.anzahlBursts, s == 0 ? x.anzahlBursts : 0) << s;
        EXPECT_EQ(y.burstabstand, s == 0 ? x.burstabstand : 0.0) << s;
        EXPECT_EQ(y.einzelreiz, s == 0 ? x.einzelreiz : 0.0) << s;
        EXPECT_EQ(y.alternieren, s == 0 ? 0 : x.alternieren) << s;

        ASSERT_EQ(stromreizKurveErzeugen(*a, s), 1);
        const StromTabelle &ta = a->stromTabellen[s], &tb = b->stromTabellen[s];
        EXPECT_GT(tb.anzahlPunkte, 3) << s;
        EXPECT_EQ(tb.anzahlPunkte, ta.anzahlPunkte) << s;
        EXPECT_EQ(tb.startzeiten, ta.startzeiten) << s;
        EXPECT_EQ(tb.stromwerte, ta.stromwerte) << s;
        EXPECT_EQ(tb.herkunft, a->strominjektionBezeichnung) << s;
    }
    EXPECT_TRUE(pt::boxLog().empty());
    // what was read writes the same text
    EXPECT_EQ(block(b), text);
}

TEST_F(Neuronabschnitt, DokumentierteVerluste)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    a->farbe = plattform::KeineFarbe;          // written as 0, 0, 0
    a->tonDauer = 1.23456789;                  // "%f": six decimals
    a->tonFrequenz = 440.4;                    // "%d"
    a->pspSchwelle = 0.3f;                     // a float, widened
    a->stromreize[0].alternieren = 1;          // the soma does not alternate
    a->stromreize[1].anzahlBursts = 3;         // bursts are the soma's
    const std::string text = block(a, 2);
    EXPECT_NE(text.find("neuron 2 sound-dauer bei spike-aufzeichnung=1.234568\n"), std::string::npos);
    EXPECT_NE(text.find("neuron 2 flaeche rotanteil=0\n"), std::string::npos);
    EXPECT_NE(text.find("neuron 2 markiert=0   (ja=1)\n"), std::string::npos);
    b->markiert = 1;
    neuronMarkieren(b, 1);
    laden(b, text);
    EXPECT_EQ(b->farbe, 0u);
    EXPECT_EQ(b->tonDauer, 1.234568);
    EXPECT_EQ(b->tonFrequenz, 440.0);
    EXPECT_EQ(b->pspSchwelle, 0.3f);
    EXPECT_EQ(b->stromreize[0].alternieren, 0);
    EXPECT_EQ(b->stromreize[1].anzahlBursts, 0);
    EXPECT_EQ(b->markiert, 1);                 // "markiert=0" takes no mark away
    EXPECT_EQ(markierteNeurone.erstes(), b);
}

TEST_F(Neuronabschnitt, ZeilenRegelnBeimLesen)
{
    struct Fall {
        const char* was;
        std::string zeilen;                    // "neuron 7 " is put before each line
        std::function<void(NeuronDaten&)> vorher;
        std::function<void(const NeuronDaten&)> pruefen;
    };
    const Fall faelle[] = {
        {"without a name the number", "x-position=3", {},
         [](const NeuronDaten& n) { EXPECT_EQ(n.name, "7"); EXPECT_EQ(n.x, 3); }},
        {"a colour takes all three parts", "flaeche rotanteil=1\nflaeche gruenanteil=2\nrand rotanteil=1\nrand gruenanteil=2\nrand blauanteil=3",
         {}, [](const NeuronDaten& n) { EXPECT_EQ(n.farbe, plattform::KeineFarbe); EXPECT_EQ(n.randFarbe, 0x030201u); }},
        {"parts beyond a byte stay in their byte", "axon rotanteil=257\naxon gruenanteil=0\naxon blauanteil=0", {},
         [](const NeuronDaten& n) { EXPECT_EQ(n.axonFarbe, 1u); }},
        {"decimal comma; integers rounded", "rauschen abklingzeit=1,5\ngroesse=2,5\nsomagroesse=-2,5", {},
         [](const NeuronDaten& n) { EXPECT_EQ(n.rauschAbklingzeit, 1.5); EXPECT_EQ(n.groesse, 3); EXPECT_EQ(n.somaGroesse, -3); }},
        {"numbers that are not finite keep the field",
         "x-position=nan\nrauschen abklingzeit=1e999\ny-position=1e300\nvoltage clamp endeZeit=-inf\nschwelle fuer psp-amplituden=1e39",
         [](NeuronDaten& n) { n.x = 5; n.y = 6; n.rauschAbklingzeit = 0.5; n.klemme.pulsEnde = 0.25; n.pspSchwelle = 2.0f; },
         [](const NeuronDaten& n) {
             EXPECT_EQ(n.x, 5); EXPECT_EQ(n.y, 6); EXPECT_EQ(n.rauschAbklingzeit, 0.5);
             EXPECT_EQ(n.klemme.pulsEnde, 0.25); EXPECT_EQ(n.pspSchwelle, 2.0f);
         }},
        {"a model type outside 1-4 keeps the field", "modell-typ=7", [](NeuronDaten& n) { n.modellTyp = 3; },
         [](const NeuronDaten& n) { EXPECT_EQ(n.modellTyp, 3); }},
        {"missing keys with defaults", "x-position=1",
         [](NeuronDaten& n) { n.exportMaske = 9; n.kcaModus = 1; n.strominjektionBezeichnung = "alt"; n.stromreize[0].dauerreiz = 1; },
         [](const NeuronDaten& n) {
             EXPECT_EQ(n.exportMaske, 0); EXPECT_EQ(n.kcaModus, 0); EXPECT_EQ(n.strominjektionBezeichnung, "");
             EXPECT_EQ(n.stromreize[0].dauerreiz, 0);
         }},
        {"permanent stimulus of older files", "strominjektion segment 1 dauerreiz=ja\nstrominjektion segment 2 dauerreiz=1", {},
         [](const NeuronDaten& n) { EXPECT_EQ(n.stromreize[1].dauerreiz, 1); EXPECT_EQ(n.stromreize[2].dauerreiz, 1); }},
        {"a stimulus file needs its name and path", "strominjektion aus datei in segment 0=1\nstrominjektion aus datei in segment 0 bezeichnung=puls\n"
         "strominjektion aus datei in segment 1=1\nstrominjektion aus datei in segment 1 bezeichnung=zug\nstrominjektion in segment 1 aus datei=C:\\r.str",
         // the stimulus file itself cannot be read yet: its notice is answered
         [](NeuronDaten&) { plattform::test::boxAntworten({plattform::antwort::Ok}); },
         [](const NeuronDaten& n) {
             EXPECT_EQ(n.stromreize[0].ausDatei, 0); EXPECT_EQ(n.stromreize[0].reizName, "puls");
             EXPECT_EQ(n.stromTabellen[0].herkunft, "puls");
             EXPECT_EQ(n.stromreize[1].ausDatei, 1); EXPECT_EQ(n.stromreize[1].reizDatei, "C:\\r.str");
         }},
        {"a key before the cursor is found once a missing key reset the search", "groesse=5\nx-position=3", {},
         [](const NeuronDaten& n) { EXPECT_EQ(n.x, 3); EXPECT_EQ(n.groesse, 5); }},
        {"a stimulus key before the cursor is searched once more from the block start",
         "strominjektion segment 2 amplitude=2e-09\nstrominjektion bezeichnung=x\nstrominjektion aus datei in segment 0=0", {},
         [](const NeuronDaten& n) { EXPECT_EQ(n.stromreize[2].amplitude, 2e-9); }},
        {"nothing behind the end line", "x-position=1\nneuron 7 neuroneigenschaften ende\nneuron 7 y-position=9",
         [](NeuronDaten& n) { n.y = 2; }, [](const NeuronDaten& n) { EXPECT_EQ(n.y, 2); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        NeuronFall::leeren();
        NeuronDaten* n = neu(7);
        ASSERT_TRUE(n);
        if (f.vorher)
            f.vorher(*n);
        std::string text = "[NEURON 7]\n";
        size_t a = 0;
        while (a < f.zeilen.size()) {
            size_t e = f.zeilen.find('\n', a);
            if (e == std::string::npos)
                e = f.zeilen.size();
            const std::string zeile = f.zeilen.substr(a, e - a);
            text += (zeile.rfind("neuron ", 0) == 0 ? "" : "neuron 7 ") + zeile + "\n";
            a = e + 1;
        }
        std::vector<char> t = lesbar(text);
        guiNeuronLaden(n, t.data());
        // the cut is put back; only decimal commas became points
        std::replace(text.begin(), text.end(), ',', '.');
        EXPECT_EQ(std::string(t.data()), text);
        f.pruefen(*n);
    }
}

TEST_F(Neuronabschnitt, AeltereTexteRechnenDiePauseUm)
{
    struct Fall {
        int reizart;
        bool umrechnen;
        bool standard;
        double pause;
    };
    const Fall faelle[] = {
        {0, true, false, 8.0},     // rise 1 + plateau 2 + fall 1 + pause 4
        {1, true, false, 7.0},     // (end 5 - begin 2) + pause 4
        {2, true, false, 4.0},     // other shapes keep it
        {0, false, false, 4.0},    // a text with server settings
        {0, true, true, 4.0},      // never the standard neuron
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.reizart << " " << f.umrechnen << " " << f.standard);
        NeuronFall::leeren();
        standardneuronVoreinstellen();
        NeuronDaten* n = f.standard ? &stdNeuron : neu(1);
        const int nr = n->nummer;
        char text[512];
        std::snprintf(text, sizeof text,
                      "neuron %d strominjektion segment 0 reizart=%d\nneuron %d strominjektion segment 0 anzahl=3\n"
                      "neuron %d strominjektion segment 0 beginn=2\nneuron %d strominjektion segment 0 anstieg=1\n"
                      "neuron %d strominjektion segment 0 ende=5\nneuron %d strominjektion segment 0 dach=2\n"
                      "neuron %d strominjektion segment 0 abfall=1\nneuron %d strominjektion segment 0 pause=4\n",
                      nr, f.reizart, nr, nr, nr, nr, nr, nr, nr);
        altePausenUmrechnen = f.umrechnen;
        guiNeuronLaden(n, text);
        EXPECT_EQ(n->stromreize[0].pause, f.pause);
        stdNeuron.stromreize = {};
    }
}

TEST_F(Neuronabschnitt, JedesKompartimentBisZumDrittenSegmentHatSeineReizzeilen)
{
    // the neuron's own segment count decides, up to the four definitions it has
    for (const auto& [segmente, gruppen] : {std::pair{0, 1}, {1, 2}, {3, 4}, {6, 4}}) {
        SCOPED_TRACE(segmente);
        NeuronFall::leeren();
        simulationsParameter.netzwerktyp = 4;
        ASSERT_TRUE(segmentAnzahlSetzen(segmente));
        NeuronDaten* a = neu(1);
        NeuronDaten* b = neu(2);
        for (int s = 0; s < gruppen; ++s)
            a->stromreize[s] = reiz(s);
        std::string text = block(a, 2);
        for (int s = 0; s <= 6; ++s)
            EXPECT_EQ(zaehlen(text, "neuron 2 strominjektion segment " + std::to_string(s) + " "), s >= gruppen ? 0 : s == 0 ? 15 : 13) << s;
        // a text with the keys of segments the definitions do not reach reads the others
        for (int s = 4; s <= 6; ++s)
            text.insert(text.find("neuron 2 neuroneigenschaften"),
                        "neuron 2 strominjektion segment " + std::to_string(s) + " an=1\n");
        laden(b, text);
        for (int s = 0; s < gruppen; ++s) {
            EXPECT_EQ(b->stromreize[s].amplitude, a->stromreize[s].amplitude) << s;
            EXPECT_GT(b->stromTabellen[s].anzahlPunkte, 3) << s;
        }
        for (int s = gruppen; s < kompartimentAnzahl(*b); ++s)
            EXPECT_EQ(b->stromTabellen[s].anzahlPunkte, 3) << s;   // the default table
    }
}

TEST_F(Neuronabschnitt, DefinitionsexportNummeriertJedeZeileUm)
{
    NeuronDaten* n = neu(7);
    fuellen(*n);
    XBuffer puffer;
    puffer.drucken("davor\n");
    std::FILE* datei = std::tmpfile();
    ASSERT_TRUE(datei);
    EXPECT_EQ(guiNeuronSpeichern(n, 3, datei, puffer, 1), 1);
    EXPECT_EQ(puffer.text(), "davor\n");        // the block went to the file
    EXPECT_EQ(n->nummer, 7);
    std::string text(static_cast<size_t>(std::ftell(datei)), '\0');
    std::rewind(datei);
    ASSERT_EQ(std::fread(text.data(), 1, text.size(), datei), text.size());
    std::fclose(datei);
    int zeilen = 0;
    for (size_t a = 0; a < text.size(); a = text.find('\n', a) + 1, ++zeilen)
        ASSERT_EQ(text.compare(a, 9, "neuron 3 "), 0) << text.substr(a, 60);
    // name to end line, the physiology, the K(Ca) lines: all under the new number
    EXPECT_GT(zeilen, 239 + 60);
    EXPECT_EQ(zaehlen(text, " P "), anzahlParameter);
    EXPECT_EQ(zaehlen(text, "neuron 3 K(Ca)-kanal initiale [Ca]="), 1);
    EXPECT_EQ(text.substr(text.size() - 34), "neuron 3 neuroneigenschaften ende\n");
}

TEST_F(Neuronabschnitt, StandardneuronOhneModelltypUndPhysiologie)
{
    standardneuronVoreinstellen();
    stdNeuron.modellTyp = 2;
    stdNeuron.parameter.fill(1.0);
    stdNeuron.stromreize[0] = reiz(0);
    stdNeuron.markiert = 1;
    const std::string text = block(&stdNeuron);
    EXPECT_EQ(text.find("modell-typ="), std::string::npos);
    EXPECT_EQ(text.find("physiologische Parameter"), std::string::npos);
    EXPECT_EQ(text.find(" P "), std::string::npos);
    stdNeuron.modellTyp = 3;
    stdNeuron.parameter.fill(2.0);
    stdNeuron.stromreize = {};
    stdNeuron.markiert = 0;
    const int punkte = stdNeuron.stromTabellen[0].anzahlPunkte;
    std::vector<char> t = lesbar(text);
    guiNeuronLaden(&stdNeuron, t.data());
    EXPECT_EQ(stdNeuron.stromreize[0].amplitude, reiz(0).amplitude);
    EXPECT_EQ(stdNeuron.stromTabellen[0].anzahlPunkte, punkte);   // it keeps no table of its own
    EXPECT_EQ(stdNeuron.modellTyp, 3);
    EXPECT_EQ(stdNeuron.parameter[0], 2.0);
    EXPECT_TRUE(markierteNeurone.liste.empty());   // the standard neuron is never marked
    stdNeuron.stromreize = {};
    stdNeuron.modellTyp = 0;
}
