// files/rueckkopplungsdaten.cpp - the feedback objects in the network file
#include "files/lesen.h"
#include "files/objektdaten.h"
#include "core/schluessel.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/zeichengrenzen.h"
#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr const char* start = "[rueckkopplungsdaten start]";
constexpr const char* ende = "[rueckkopplungsdaten ende]";
// more than this many objects, targets or rows cannot come from a sound file
constexpr int hoechstensObjekte = 10000;
constexpr int hoechstensZiele = 4 * neuronTabellenGroesse;
constexpr int hoechstensZeilen = 100000;

constexpr const char* steigungen[3] = {"latenz steigung der geraden", "frequenz steigung der geraden",
                                       "burst duration steigung der geraden"};
constexpr const char* abschnitte[3] = {"latenz achsenabschnitt der geraden", "frequenz achsenabschnitt der geraden",
                                       "burst duration achsenabschnitt der geraden"};
// the three colours, each stored as its red, green and blue part
struct FarbFeld { const char* name; int ObjektGraphik::*feld; };
constexpr FarbFeld farben[3] = {{"rautenrand farbe", &ObjektGraphik::rautenrandFarbe},
                                {"rauten farbe", &ObjektGraphik::rautenFarbe},
                                {"linien farbe", &ObjektGraphik::linienFarbe}};
constexpr const char* farbTeile[3] = {"rot", "gruen", "blau"};

std::string schluessel(int k, const char* rest)
{
    return "objekt " + std::to_string(k) + " " + rest + "=";
}

int nummerVon(const NeuronDaten* n) { return n ? n->nummer : 0; }

void objektSchreiben(XBuffer& p, const Rueckkopplungsobjekt& o, int k)
{
    const ObjektGraphik& g = o.graphik;
    p.drucken("\nobjekt nummer %d=%s\n", k, o.objektName.c_str());
    p.drucken("objekt %d aktiviert=%d\n", k, o.objektAktiv);
    p.drucken("objekt %d trigger-neuron id=%d\n", k, nummerVon(o.triggerNeuron));
    p.drucken("objekt %d elevator-neuron id=%d\n", k, nummerVon(o.elevatorNeuron));
    p.drucken("objekt %d elevator aktiv=%d\n", k, o.elevatorAktiv);
    p.drucken("objekt %d elevator delay=%.15g\n", k, o.elevatorDelay);
    p.drucken("objekt %d elevator maximale aktivierungsdauer=%.15g\n", k, o.elevatorMaxDauer);
    p.drucken("objekt %d trigger parameter=%.15g\n", k, o.triggerParameter);
    p.drucken("objekt %d trigger APs pro burst=%d\n", k, o.apsProBurst);
    p.drucken("objekt %d trigger max inter-spike-intervall=%.15g\n", k, o.maxInterSpikeIntervall);
    p.drucken("objekt %d trigger start inter-spike-intervall=%.15g\n", k, o.startInterSpikeIntervall);
    p.drucken("objekt %d trigger frequenz=%.15g\n", k, o.triggerFrequenz);
    p.drucken("objekt %d trigger burstpause=%.15g\n", k, o.burstpause);
    p.drucken("objekt %d anzahl ziel-neurone fuer stromreize=%d\n", k, o.anzahlZielneurone());
    for (int i = 0; i < o.anzahlZielneurone(); ++i)
        p.drucken("objekt %d %d. ziel-neuron id=%d\n", k, i + 1, nummerVon(o.zielneurone[i]));
    p.drucken("objekt %d zeitliche varianz fuer stromreize in ziel-neurone=%.15g\n", k, o.zeitlicheVarianz);
    p.drucken("objekt %d objekt reizueberlappung im zielneuron=%d\n", k, o.reizueberlappung);
    p.drucken("objekt %d objekt zielaktivierung bei naechstem burstbeginn=%d\n", k, o.zielaktivierungBeiBurstbeginn);
    p.drucken("objekt %d stromreiz dauer=%.15g\n", k, o.stromreizDauer);
    p.drucken("objekt %d stromreiz amplitude=%.15g\n", k, o.stromreizAmplitude);
    p.drucken("objekt %d art des zusammenhangs=%d\n", k, o.artDesZusammenhangs);
    for (int i = 0; i < 3; ++i) {
        p.drucken("objekt %d %s=%.15g\n", k, steigungen[i], o.geradenSteigung[i]);
        p.drucken("objekt %d %s=%.15g\n", k, abschnitte[i], o.geradenAchsenabschnitt[i]);
    }
    p.drucken("objekt %d rautenbreite=%d\n", k, g.rautenbreite);
    p.drucken("objekt %d rautenhoehe=%d\n", k, g.rautenhoehe);
    p.drucken("objekt %d linien dicke=%d\n", k, g.linienDicke);
    p.drucken("objekt %d rautenrand dicke=%d\n", k, g.rautenrandDicke);
    for (const FarbFeld& f : farben)
        for (int teil = 0; teil < 3; ++teil)
            p.drucken("objekt %d %s %s=%d\n", k, f.name, farbTeile[teil], (g.*f.feld >> (8 * teil)) & 0xff);
    p.drucken("objekt %d linien art=%d\n", k, g.linienArt);
    p.drucken("objekt %d beschriftung zeilenabstand divisor=%d\n", k, g.zeilenabstandDivisor);
    p.drucken("// tabelle: je eintrag cycle periode (s), ziel latenz (s), ziel frequenz (Hz),\n"
              "// ziel burst duration (s), aufsteigend nach der cycle periode;\n"
              "// beispiel: 0.5 s -> 0.05 s, 20 Hz, 0.2 s\n");
    p.drucken("objekt %d anzahl tabellen-eintraege=%d\n", k, o.anzahlTabelleneintraege());
    for (int i = 0; i < o.anzahlTabelleneintraege(); ++i) {
        const ZusammenhangsEintrag& e = o.zusammenhangsTabelle[i];
        p.drucken("objekt %d tabelle eintrag %d cycle periode=%.15g\n", k, i + 1, e.zyklusperiode);
        p.drucken("objekt %d tabelle eintrag %d ziel latenz=%.15g\n", k, i + 1, e.latenz);
        p.drucken("objekt %d tabelle eintrag %d ziel frequenz=%.15g\n", k, i + 1, e.frequenz);
        p.drucken("objekt %d tabelle eintrag %d ziel burst duration=%.15g\n", k, i + 1, e.burstDauer);
    }
}

NeuronDaten* neuronLesen(char* block, const std::string& key)
{
    int nummer = 0;
    zahlLesen(nummer, block, key.c_str());
    return neuronNachNummer(nummer);
}

void objektLesen(Rueckkopplungsobjekt& o, char* block, int k)
{
    const auto key = [k](const char* rest) { return schluessel(k, rest); };
    std::string name;
    if (schluesselTextLesen(name, 260, block, ("objekt nummer " + std::to_string(k) + "=").c_str()))
        o.objektName = name;
    zahlLesen(o.objektAktiv, block, key("aktiviert").c_str());
    o.triggerNeuron = neuronLesen(block, key("trigger-neuron id"));
    o.elevatorNeuron = neuronLesen(block, key("elevator-neuron id"));
    zahlLesen(o.elevatorAktiv, block, key("elevator aktiv").c_str());
    zahlLesen(o.elevatorDelay, block, key("elevator delay").c_str());
    zahlLesen(o.elevatorMaxDauer, block, key("elevator maximale aktivierungsdauer").c_str());
    zahlLesen(o.triggerParameter, block, key("trigger parameter").c_str());
    zahlLesen(o.apsProBurst, block, key("trigger APs pro burst").c_str());
    zahlLesen(o.maxInterSpikeIntervall, block, key("trigger max inter-spike-intervall").c_str());
    zahlLesen(o.startInterSpikeIntervall, block, key("trigger start inter-spike-intervall").c_str());
    zahlLesen(o.triggerFrequenz, block, key("trigger frequenz").c_str());
    zahlLesen(o.burstpause, block, key("trigger burstpause").c_str());
    int ziele = 0;
    zahlLesen(ziele, block, key("anzahl ziel-neurone fuer stromreize").c_str());
    o.zielneurone.clear();
    // a number that names no neuron loses its target; the others keep their order
    for (int i = 1; i <= std::clamp(ziele, 0, hoechstensZiele); ++i)
        if (NeuronDaten* z = neuronLesen(block, key((std::to_string(i) + ". ziel-neuron id").c_str())))
            o.zielneurone.push_back(z);
    zahlLesen(o.zeitlicheVarianz, block, key("zeitliche varianz fuer stromreize in ziel-neurone").c_str());
    zahlLesen(o.reizueberlappung, block, key("objekt reizueberlappung im zielneuron").c_str());
    zahlLesen(o.zielaktivierungBeiBurstbeginn, block, key("objekt zielaktivierung bei naechstem burstbeginn").c_str());
    zahlLesen(o.stromreizDauer, block, key("stromreiz dauer").c_str());
    zahlLesen(o.stromreizAmplitude, block, key("stromreiz amplitude").c_str());
    zahlLesen(o.artDesZusammenhangs, block, key("art des zusammenhangs").c_str());
    for (int i = 0; i < 3; ++i) {
        zahlLesen(o.geradenSteigung[i], block, key(steigungen[i]).c_str());
        zahlLesen(o.geradenAchsenabschnitt[i], block, key(abschnitte[i]).c_str());
    }
    ObjektGraphik& g = o.graphik;
    zahlLesen(g.rautenbreite, block, key("rautenbreite").c_str());
    zahlLesen(g.rautenhoehe, block, key("rautenhoehe").c_str());
    zahlLesen(g.linienDicke, block, key("linien dicke").c_str());
    zahlLesen(g.rautenrandDicke, block, key("rautenrand dicke").c_str());
    for (const FarbFeld& f : farben) {
        int farbe = 0;
        for (int teil = 0; teil < 3; ++teil) {
            int wert = 0;
            zahlLesen(wert, block, key((std::string(f.name) + " " + farbTeile[teil]).c_str()).c_str());
            farbe |= (wert & 0xff) << (8 * teil);
        }
        g.*f.feld = farbe;
    }
    zahlLesen(g.linienArt, block, key("linien art").c_str());
    zahlLesen(g.zeilenabstandDivisor, block, key("beschriftung zeilenabstand divisor").c_str());
    objektGraphikBegrenzen(g);
    int zeilen = 0;
    zahlLesen(zeilen, block, key("anzahl tabellen-eintraege").c_str());
    o.zusammenhangsTabelle.assign(static_cast<size_t>(std::clamp(zeilen, 0, hoechstensZeilen)), {});
    for (size_t i = 0; i < o.zusammenhangsTabelle.size(); ++i) {
        ZusammenhangsEintrag& e = o.zusammenhangsTabelle[i];
        const std::string zeile = "tabelle eintrag " + std::to_string(i + 1) + " ";
        zahlLesen(e.zyklusperiode, block, key((zeile + "cycle periode").c_str()).c_str());
        zahlLesen(e.latenz, block, key((zeile + "ziel latenz").c_str()).c_str());
        zahlLesen(e.frequenz, block, key((zeile + "ziel frequenz").c_str()).c_str());
        zahlLesen(e.burstDauer, block, key((zeile + "ziel burst duration").c_str()).c_str());
    }
}

} // namespace

void rueckkopplungsdatenSpeichern(XBuffer& p)
{
    p.drucken("\n%s\n", start);
    p.drucken("anzahl definierter objekte=%d\n", rueckkopplungsObjektAnzahl());
    p.drucken("rueckkopplung aktivieren=%d\n", simulationsParameter.rueckkopplungAktiv);
    int k = 0;
    for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        objektSchreiben(p, *o, ++k);
    p.drucken("\n%s\n", ende);
}

int rueckkopplungsdatenLaden(Rueckkopplungsobjekt* objekt, char* text, int index)
{
    char* block = text ? std::strstr(text, start) : nullptr;
    if (!objekt)
        rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, nullptr);
    if (!block)
        return 0;
    Abschnitt schnitt(block, ende, true);
    if (!objekt) {
        int anzahl = 0, aktiv = 0;
        zahlLesen(anzahl, block, "anzahl definierter objekte=");
        zahlLesen(aktiv, block, "rueckkopplung aktivieren=");
        simulationsParameter.rueckkopplungAktiv = aktiv != 0;
        return std::clamp(anzahl, 0, hoechstensObjekte);
    }
    objektLesen(*objekt, block, index + 1);
    return 1;
}
