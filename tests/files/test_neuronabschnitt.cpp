// tests/files/test_neuronabschnitt.cpp - the neuron block with its physiology and K(Ca) lines:
// what the readers make of lines that are not as the writer left them, the standard neuron,
// and the model range of a neuron made after a load
#include "netzdatei_hilfe.h"
#include "model/standarddateien.h"
#include <cmath>

namespace {

using Neuronabschnitt = NetzdateiFall;
using N = const NeuronDaten&;

// a block of neuron nr: "neuron nr " before each line that has no prefix of its own
std::string neuronText(const std::string& zeilen, int nr = 7)
{
    std::string t = "[NEURON " + std::to_string(nr) + "]\n";
    for (size_t a = 0, e = 0; a <= zeilen.size(); a = e + 1) {
        e = std::min(zeilen.find('\n', a), zeilen.size());
        const std::string z = zeilen.substr(a, e - a);
        t += (z.starts_with("neuron ") ? "" : "neuron " + std::to_string(nr) + " ") + z + "\n";
    }
    return t;
}

// "P i=v" lines for i = von .. bis
std::string pZeilen(int von, int bis, double wert)
{
    std::string t;
    for (int i = von; i <= bis; ++i)
        t += "P " + std::to_string(i) + "=" + std::to_string(wert) + "\n";
    return t;
}

} // namespace

TEST_F(Neuronabschnitt, BlockleserRegelnJeZeile)
{
    const auto puls = [](const char* form) {
        std::string t = std::string("strominjektion segment 0 reizart=") + form;
        for (const char* z : {"anzahl=3", "beginn=2", "anstieg=1", "ende=5", "dach=2", "abfall=1", "pause=4"})
            t += std::string("\nstrominjektion segment 0 ") + z;
        return t;
    };
    const auto aelter = [](NeuronDaten&) { altePausenUmrechnen = true; };
    const auto pause = [](double p) { return [p](N n) { EXPECT_EQ(n.stromreize[0].pause, p); }; };
    const auto antwort = [](NeuronDaten&) { pt::boxAntworten({plattform::antwort::Ok}); };
    struct Fall {
        const char* was;
        std::string zeilen;
        std::function<void(NeuronDaten&)> vorher;
        std::function<void(N)> pruefen;
        bool standard = false;   // read into the standard neuron of the settings file
    };
    const Fall faelle[] = {
        // without a name the number; a colour only with all three parts, each part in its byte;
        // a decimal comma, integers rounded; defaults of missing keys; "dauerreiz=ja" of older
        // files; "markiert=0" takes no mark away
        {"keys with rules of their own",
         "x-position=3\nrauschen abklingzeit=1,5\nflaeche rotanteil=1\nflaeche gruenanteil=2\n"
         "rand rotanteil=1\nrand gruenanteil=2\nrand blauanteil=3\naxon rotanteil=257\naxon gruenanteil=0\n"
         "axon blauanteil=0\n"
         "groesse=2,5\nsomagroesse=-2,5\nmarkiert=0   (ja=1)\nstrominjektion segment 1 dauerreiz=ja\n"
         "strominjektion segment 2 dauerreiz=1", [](NeuronDaten& n) {
             n.exportMaske = n.stromreize[0].dauerreiz = 9;
             n.strominjektionBezeichnung = "alt";
             neuronMarkieren(&n, 1);
         }, [](N n) {
             EXPECT_EQ(std::tie(n.name, n.x, n.rauschAbklingzeit, n.groesse, n.somaGroesse),
                       std::tuple("7", 3, 1.5, 3, 0));   // a size below 0 is the standard neuron's: 0
             EXPECT_EQ(std::tie(n.farbe, n.randFarbe, n.axonFarbe), std::tuple(0x1000000u, 0x030201u, 1u));
             const auto& r = n.stromreize;
             EXPECT_EQ(std::tie(n.exportMaske, n.kcaModus, n.strominjektionBezeichnung, r[0].dauerreiz,
                                r[1].dauerreiz, r[2].dauerreiz), std::tuple(0, 0, "", 0, 1, 1));
             EXPECT_EQ(std::tie(n.markiert, markierteNeurone.liste.front()), std::tuple(1, &n));
         }},
        {"numbers that are not finite keep the field",
         "x-position=nan\nrauschen abklingzeit=1e999\ny-position=1e300\nvoltage clamp endeZeit=-inf\n"
         "schwelle fuer psp-amplituden=1e39", [](NeuronDaten& n) {
             n.x = n.y = 5;
             n.rauschAbklingzeit = n.klemme.pulsEnde = 0.5;
             n.pspSchwelle = 2.0f;
         }, [](N n) {
             EXPECT_EQ(std::tie(n.x, n.y, n.rauschAbklingzeit, n.klemme.pulsEnde, n.pspSchwelle),
                       std::tuple(5, 5, 0.5, 0.5, 2.0f));
         }},
        {"a model type outside 1-4 keeps the field", "modell-typ=7", [](NeuronDaten& n) { n.modellTyp = 3; },
         [](N n) { EXPECT_EQ(n.modellTyp, 3); }},
        {"a stimulus file needs its name and path",
         "strominjektion aus datei in segment 0=1\nstrominjektion aus datei in segment 0 bezeichnung=puls\n"
         "strominjektion aus datei in segment 1=1\nstrominjektion aus datei in segment 1 bezeichnung=zug\n"
         "strominjektion in segment 1 aus datei=C:\\r.str",
         antwort, // the stimulus file itself is not read yet: its notice is answered
         [](N n) {
             const auto& r = n.stromreize;
             EXPECT_EQ(std::tie(r[0].ausDatei, r[0].reizName, n.stromTabellen[0].herkunft, r[1].ausDatei,
                                r[1].reizDatei), std::tuple(0, "puls", "puls", 1, "C:\\r.str"));
         }},
        {"a key before the cursor is found once a missing key reset the search", "groesse=5\nx-position=3",
         {}, [](N n) { EXPECT_EQ(std::tie(n.x, n.groesse), std::tuple(3, 5)); }},
        {"a stimulus key before the cursor is searched once more from the block start",
         "strominjektion segment 2 amplitude=2e-09\nstrominjektion bezeichnung=x\n"
         "strominjektion aus datei in segment 0=0",
         {}, [](N n) { EXPECT_EQ(n.stromreize[2].amplitude, 2e-9); }},
        {"nothing behind the end line", "x-position=1\nneuroneigenschaften ende\ny-position=9", {},
         [](N n) { EXPECT_EQ(n.y, 0); }},
        {"a K(Ca) channel that cannot be read whole is switched off",
         "K(Ca)-kanal aktivieren=1\nK(Ca)-kanal initiale [Ca]=1e-7", antwort,
         [](N n) { EXPECT_EQ(std::tie(n.kcaModus, n.kca), std::tuple(0, nullptr)); }},
        // older network texts kept the gap between pulses: from start to start now
        {"the pause of an older text, shape 0", puls("0"), aelter, pause(8.0)},
        {"the pause of an older text, shape 1", puls("1"), aelter, pause(7.0)},
        {"other shapes keep it", puls("2"), aelter, pause(4.0)},
        {"a text with a server section keeps it", puls("0"), {}, pause(4.0)},
        {"the standard neuron keeps it, builds no table and is never marked", puls("0") + "\nmarkiert=1",
         [](NeuronDaten& s) {
             standardneuronVoreinstellen();
             for (StromTabelle& t : s.stromTabellen)   // what an earlier test built in it
                 t = StromTabelle{};
             altePausenUmrechnen = true;
         },
         [](N n) {
             EXPECT_EQ(std::tuple(n.stromreize[0].pause, n.stromTabellen[0].anzahlPunkte <= 3, n.markiert),
                       std::tuple(4.0, true, 0));
         }, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        leeren();
        NeuronDaten* n = f.standard ? &stdNeuron : neu(7);
        altePausenUmrechnen = false;
        if (f.vorher)
            f.vorher(*n);
        std::string text = neuronText(f.zeilen, n->nummer);
        std::vector<char> t = lesbar(text);
        guiNeuronLaden(n, t.data());
        // the cut is put back; only decimal commas became points
        std::replace(text.begin(), text.end(), ',', '.');
        EXPECT_EQ(std::tuple(std::string(t.data()), pt::offeneBoxAntworten()), std::tuple(text, 0u));
        f.pruefen(*n);
    }
    stdNeuron.stromreize = {};
    // the standard neuron's block carries neither model type nor physiology
    for (const char* teil : {"modell-typ=", "physiologische Parameter", " P "})
        EXPECT_EQ(block(&stdNeuron).find(teil), std::string::npos) << teil;
}

TEST_F(Neuronabschnitt, JedesKompartimentBisZumDrittenSegmentHatSeineReizzeilen)
{
    // the neuron's own segment count decides, up to the four definitions it has
    for (const auto& [segmente, gruppen] : {std::pair{0, 1}, {1, 2}, {6, 4}}) {
        SCOPED_TRACE(segmente);
        leeren();
        simulationsParameter.netzwerktyp = 4;
        simulationsParameter.anzahlSegmente = segmente;
        NeuronDaten* a = neu(1);
        for (int s = 0; s < gruppen; ++s) {
            a->stromreize[s].an = a->stromreize[s].anzahl = 1;
            a->stromreize[s].dach = 0.0625;
            a->stromreize[s].amplitude = 1e-9;
        }
        std::string text = block(a, 2);
        EXPECT_NE(text.find(" segment " + std::to_string(gruppen - 1) + " an="), std::string::npos);
        EXPECT_EQ(text.find(" segment " + std::to_string(gruppen) + " "), std::string::npos);
        // keys of segments beyond the definitions are not read
        text.insert(text.find("neuron 2 neuroneigenschaften"), "neuron 2 strominjektion segment 4 an=1\n");
        std::vector<char> t = lesbar(text);
        NeuronDaten* b = neu(2);
        guiNeuronLaden(b, t.data());
        for (int s = 0; s < kompartimentAnzahl(*b); ++s)
            EXPECT_EQ(b->stromTabellen[s].anzahlPunkte > 3, s < gruppen) << s;
    }
}

TEST_F(Neuronabschnitt, EinModellbereichMitWertenWirdGeschriebenAuchWennErSichZuNullSummiert)
{
    NeuronDaten* a = neu(1);
    a->parameter = {};
    a->parameter[par::Phase1E] = 1.5;            // on/off: 1.5 - 1.5 + 0 ... = 0
    a->parameter[par::Phase1G] = -1.5;
    a->parameter[par::SwimNaG] = std::nan("");   // not a number: a value, written as "nan"
    XBuffer puffer;
    physParameterSpeichern(a, nullptr, puffer);
    EXPECT_NE(puffer.text().find("neuron 1 P 11=0\nneuron 1 P 12=1.5\n"), std::string::npos);
    EXPECT_NE(puffer.text().find("neuron 1 P 23=0\nneuron 1 P 59=0\nneuron 1 P 60=nan\n"), std::string::npos);
    EXPECT_TRUE(puffer.text().ends_with("neuron 1 P 105=0\n"));   // no Hodgkin-Huxley, no Golowasch-Buchholz
}

TEST_F(Neuronabschnitt, PhysiologiegruppenWerdenAnIhrerErstenZeileErkannt)
{
    const int alle = 2 | 4 | 8 | 16;   // the model ranges noted as missing, by model bit
    const struct {
        const char* was;
        std::string zeilen;
        std::vector<std::tuple<int, int, double>> werte;   // entries von..bis hold the value (9: untouched)
        int fehlend;
    } faelle[] = {
        {"only the heading", "", {{0, 238, 9.0}}, alle},
        {"on/off without its first line", pZeilen(13, 23, 1.0), {{12, 23, 9.0}}, alle},
        {"Golowasch-Buchholz known by entry 117, not 106", pZeilen(106, 116, 1.0) + pZeilen(118, 238, 1.0),
         {{106, 238, 9.0}}, alle},
        {"Golowasch-Buchholz from 117 back to 106", pZeilen(106, 238, 1.0),
         {{105, 105, 9.0}, {106, 238, 1.0}}, alle & ~(1 << modell::GolowaschBuchholz)},
        {"a missing line in a range keeps its entry",
         pZeilen(0, 11, 2.0) + pZeilen(59, 70, 3.0) + pZeilen(72, 105, 3.0),
         {{0, 11, 2.0}, {70, 70, 3.0}, {71, 71, 9.0}, {105, 105, 3.0}}, alle & ~(1 << modell::Swim)},
        {"nothing behind the noise key; not finite keeps the entry", "P 3=inf\nP 4=nan\nP 5=1\n",
         {{3, 4, 9.0}, {5, 5, 1.0}, {200, 200, 9.0}}, alle},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        leeren();
        NeuronDaten* n = neu(1);
        n->parameter.fill(9.0);
        const std::string text =
            neuronText("physiologische Parameter\n" + f.zeilen + "rauschen abklingzeit=0\nP 200=5", 1);
        std::vector<char> t = lesbar(text);
        EXPECT_EQ(physParameterLaden(n, t.data()), 1);
        EXPECT_EQ(std::tuple(std::string(t.data()), n->fehlendeModellbereiche), std::tie(text, f.fehlend));
        for (const auto& [von, bis, wert] : f.werte)
            for (int i = von; i <= bis; ++i)
                EXPECT_EQ(n->parameter[i], wert) << i;
    }
}

TEST_F(Neuronabschnitt, KCaKanalNurVollstaendig)
{
    NeuronDaten* n = neu(4);
    KCaKanal voll;
    std::tie(voll.caStart, voll.gKCa) = std::tuple(1e-7, 2e-8);
    XBuffer puffer;
    kCaKanalSpeichern(voll, 4, nullptr, puffer, 0);
    EXPECT_TRUE(puffer.text().starts_with("neuron 4 K(Ca)-kanal initiale [Ca]=1e-07\n"));
    const std::string k = "neuron 4 K(Ca)-kanal ";
    std::vector<std::string> neun;   // power and formBeta of gates 1-5, nine of them
    std::string sieben;
    for (int t = 1; neun.size() < 9; t += neun.size() % 2 ? 0 : 1) {
        neun.push_back(k + "gate " + std::to_string(t) + (neun.size() % 2 ? " formBeta" : " power"));
        sieben += neun.size() <= 7 ? neun.back() + "\n" : "";
    }
    const struct {
        const char* was;
        std::vector<std::string> weg;   // keys taken out
        std::string box;                // "" none
    } faelle[] = {
        {"complete", {}, ""},
        {"without the initial [Ca] no channel", {k + "initiale [Ca]"}, ""},
        {"two keys missing", {k + "leitfaehigkeit K(Ca)-kanal", k + "gate 5 hilfsParamBeta"},
         meldungFormatieren(960, 2, k + "leitfaehigkeit K(Ca)-kanal\n" + k + "gate 5 hilfsParamBeta\n")},
        {"nine keys missing: the first seven named", neun, meldungFormatieren(961, 9, sieben)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        pt::zuruecksetzen();
        std::string t = puffer.text();
        for (const std::string& s : f.weg) {
            const size_t a = t.find(s + "=");
            t.erase(a, t.find('\n', a) + 1 - a);
        }
        pt::boxAntworten({plattform::antwort::Ok});
        KCaKanal gelesen;
        gelesen.gCa1 = 3.0;
        std::vector<char> v = lesbar(t);
        const bool ganz = f.weg.empty();
        EXPECT_EQ(kCaKanalLaden(n, gelesen, v.data()), ganz ? 1 : 0);
        // a channel not taken leaves the record as it was
        const std::string box = pt::boxLog().empty() ? "" : pt::boxLog()[0].text;
        EXPECT_EQ(std::tie(gelesen.caStart, gelesen.gKCa, gelesen.gCa1, box),
                  ganz ? std::tuple(1e-7, 2e-8, 0.0, f.box) : std::tuple(0.0, 0.0, 3.0, f.box));
    }
}

TEST_F(Neuronabschnitt,
       NeuesNeuronNachDemLadenLiestDenModellbereichDesKopfesAusDerDateiWennDerKopfIhnNichtHatte)
{
    // the SWIM default file with values of its own
    std::string zahlen;
    for (int i = 0; i < bereich::Swim.anzahl; ++i)
        zahlen += std::to_string(i + 1) + ".5\n";
    testhilfe::schreiben(pfad("swim.channel"), zahlen);
    standardDateienVorgeben();
    standardDateien.swim = pfad("swim.channel");
    // a Hodgkin-Huxley head has no SWIM range in its text; a SWIM head passes its own on
    for (const auto& [kopfText, erwartet] :
         {std::pair{pZeilen(24, 58, 1.0), 1.5}, {pZeilen(59, 105, 4.0), 4.0}}) {
        leeren();
        simulationsParameter.netzwerkmodell = modell::Swim;
        NeuronDaten* kopf = neu(1, 0);   // as the network reader makes and reads it
        kopf->modellTyp = modell::HodgkinHuxley;
        std::vector<char> t =
            lesbar(neuronText("physiologische Parameter\n" + kopfText + "rauschen abklingzeit=0", 1));
        EXPECT_EQ(physParameterLaden(kopf, t.data()), 1);
        NeuronDaten* neues = neu(2, 1);   // the user adds a neuron
        EXPECT_EQ(std::tie(neues->parameter[par::SwimNaE], neues->parameter[par::SwimSchwelle]),
                  std::tuple(erwartet, erwartet == 1.5 ? 47.5 : erwartet));
        EXPECT_TRUE(pt::boxLog().empty());
    }
    standardDateienVorgeben();
}
