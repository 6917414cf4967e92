// app/objektbild.cpp - feedback objects as diamonds between their neurons, collision objects
// as boxes joined to their four elements
#include "app/objektbild.h"
#include "app/netzbild.h"
#include "dialogs/objektdialoge.h"
#include "model/netz.h"
#include "model/zeichengrenzen.h"
#include <algorithm>
#include <string>

using namespace plattform;

namespace {

// a pen and a brush of the object's block for one drawing step
class Stifte {
public:
    Stifte(Zeichenflaeche& z, int stil, int breite, Farbe linie, Farbe flaeche)
        : z_(z), stift_(stiftErzeugen(stil, std::max(0, breite), linie)),
          pinsel_(flaeche == KeineFarbe ? nullptr : pinselErzeugen(flaeche))
    {
        alterStift_ = auswaehlen(z_, stift_);
        alterPinsel_ = auswaehlen(z_, pinsel_ ? pinsel_ : hohlerPinsel());
    }
    ~Stifte()
    {
        auswaehlen(z_, alterStift_);
        auswaehlen(z_, alterPinsel_);
        loeschen(stift_);
        loeschen(pinsel_);
    }
    Stifte(const Stifte&) = delete;
    Stifte& operator=(const Stifte&) = delete;

private:
    Zeichenflaeche& z_;
    Stift stift_, alterStift_ = nullptr;
    Pinsel pinsel_, alterPinsel_ = nullptr;
};

Punkt mitte(const NeuronDaten& n)
{
    const Rechteck r = somaRechteck(n);
    return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
}

Rechteck umMitte(Punkt m, int breite, int hoehe)
{
    const int b = std::max(1, gezoomt(zeichenGroesseBegrenzt(breite))), h = std::max(1, gezoomt(zeichenGroesseBegrenzt(hoehe)));
    return {m.x - b / 2, m.y - h / 2, m.x - b / 2 + b, m.y - h / 2 + h};
}

bool enthaelt(const Rechteck& r, Punkt p)
{
    return p.x >= r.links && p.x < r.rechts && p.y >= r.oben && p.y < r.unten;
}

// the name under the symbol, a divisor's share of the symbol's height below it
void beschriften(Zeichenflaeche& z, const Rechteck& r, const std::string& name, const ObjektGraphik& g)
{
    if (name.empty())
        return;
    const int abstand = g.zeilenabstandDivisor > 0 ? r.hoehe() / g.zeilenabstandDivisor : 0;
    textFarbeSetzen(z, static_cast<Farbe>(g.linienFarbe));
    hintergrundTransparent(z, true);
    textAusrichtungSetzen(z, textAusrichtung::Mitte | textAusrichtung::Oben);
    netzText(z, (r.links + r.rechts) / 2, r.unten + abstand, name);
}

void rueckkopplungZeichnen(Zeichenflaeche& z, Rueckkopplungsobjekt& o)
{
    o.zielRauten.clear();
    if (!o.triggerNeuron)
        return;
    const ObjektGraphik& g = o.graphik;
    const Punkt von = mitte(*o.triggerNeuron);
    const int anzahl = std::min(o.anzahlZielneurone(), maxZielRauten);
    for (int i = 0; i < anzahl; ++i) {
        const Punkt nach = mitte(*o.zielneurone[i]);
        const Rechteck r = umMitte({(von.x + nach.x) / 2, (von.y + nach.y) / 2}, g.rautenbreite, g.rautenhoehe);
        o.zielRauten.push_back(r);
        const Punkt m{(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
        {
            Stifte s(z, g.linienArt, gezoomt(linienDickeBegrenzt(g.linienDicke)), static_cast<Farbe>(g.linienFarbe),
                     KeineFarbe);
            linie(z, von.x, von.y, m.x, r.oben);
            linie(z, m.x, r.unten, nach.x, nach.y);
        }
        Stifte s(z, stiftStil::Durchgehend, gezoomt(linienDickeBegrenzt(g.rautenrandDicke)),
                 static_cast<Farbe>(g.rautenrandFarbe), static_cast<Farbe>(g.rautenFarbe));
        const Punkt raute[] = {{m.x, r.oben}, {r.rechts, m.y}, {m.x, r.unten}, {r.links, m.y}};
        polygon(z, raute);
        beschriften(z, r, o.objektName, g);
    }
}

// the box in the middle of its elements
Rechteck kollisionsRechteck(const Kollisionsobjekt& o)
{
    int x = 0, y = 0, k = 0;
    for (const NeuronDaten* n : o.elemente)
        if (n) {
            const Punkt m = mitte(*n);
            x += m.x;
            y += m.y;
            ++k;
        }
    return umMitte(k ? Punkt{x / k, y / k} : Punkt{}, o.graphik.rautenbreite, o.graphik.rautenhoehe);
}

void kollisionZeichnen(Zeichenflaeche& z, Kollisionsobjekt& o)
{
    for (int e = 0; e < 4; ++e)
        if (!o.elemente[e])
            o.elemente[e] = neuronNachNummer(o.elementNummern[e]);
    if (!o.elemente[0] && !o.elemente[1] && !o.elemente[2] && !o.elemente[3])
        return;
    const ObjektGraphik& g = o.graphik;
    const Rechteck r = kollisionsRechteck(o);
    const Punkt m{(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
    {
        Stifte s(z, g.linienArt, gezoomt(linienDickeBegrenzt(g.linienDicke)), static_cast<Farbe>(g.linienFarbe),
                 KeineFarbe);
        for (const NeuronDaten* n : o.elemente)
            if (n) {
                const Punkt p = mitte(*n);
                linie(z, m.x, m.y, p.x, p.y);
            }
    }
    Stifte s(z, stiftStil::Durchgehend, gezoomt(linienDickeBegrenzt(g.rautenrandDicke)),
             static_cast<Farbe>(g.rautenrandFarbe), static_cast<Farbe>(g.rautenFarbe));
    rechteck(z, r);
    beschriften(z, r, o.name, g);
}

} // namespace

void objekteZeichnen(Zeichenflaeche& z)
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        rueckkopplungZeichnen(z, *o);
    for (Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes)
        kollisionZeichnen(z, *o);
}

bool objektAnklicken(Fenster f, Punkt p)
{
    for (Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
        for (const Rechteck& r : o->zielRauten)
            if (enthaelt(r, p)) {
                aktuellesRueckkopplungsobjekt = o;
                rueckkopplungDialogOeffnen(f, o);
                ungueltigMachen(f);
                return true;
            }
    for (Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes)
        if ((o->elemente[0] || o->elemente[1] || o->elemente[2] || o->elemente[3]) &&
            enthaelt(kollisionsRechteck(*o), p)) {
            aktuellesKollisionsobjekt = o;
            kollisionsobjektGewaehlt = 1;
            kollisionsDialogOeffnen(f, o);
            ungueltigMachen(f);
            return true;
        }
    return false;
}
