// dialogs/rahmen.cpp - the frame every dialog follows, and the small shared helpers
#include "dialogs/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "resources/vorlagen.h"
#include "platform/menue_modell.h"
#include "texts/texte.h"
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

using namespace plattform;

namespace {

// an axis keeps its value when 1 <= wert <= kante - groesse, else it is centred
int achsePlatzieren(int wert, int kante, int groesse)
{
    if (wert >= 1 && wert <= kante - groesse)
        return wert;
    return static_cast<int>(std::lround(kante / 2.0 - groesse / 2.0));
}

} // namespace

void dialogPlatzieren(Fenster dlg, DialogRahmen& r)
{
    const Rechteck f = fensterRechteck(dlg);
    r.breite = f.breite();
    r.hoehe = f.hoehe();
    const Rechteck a = arbeitsbereich();
    r.x = achsePlatzieren(r.x, a.rechts, r.breite);
    r.y = achsePlatzieren(r.y, a.unten, r.hoehe);
}

void dialogAnPosition(Fenster dlg, const DialogRahmen& r)
{
    verschieben(dlg, r.x, r.y, r.breite, r.hoehe);
}

void dialogInitialisieren(Fenster dlg, DialogRahmen& r, const DialogInitTeile& teile)
{
    const bool oeffnung = r.frisch != 0;
    if (oeffnung && teile.einmalig)
        teile.einmalig(dlg);
    // every time: a dialog its opener builds anew (a switch that reshapes it) is a new
    // window with the template's texts, though no opening
    if (teile.texteSetzen)
        teile.texteSetzen(dlg);
    if (teile.fuellen)
        teile.fuellen(dlg);
    if (oeffnung) {
        dialogPlatzieren(dlg, r);
        r.frisch = 0;
    }
    dialogAnPosition(dlg, r);
}

void dialogPositionMerken(Fenster dlg, DialogRahmen& r)
{
    const Rechteck f = fensterRechteck(dlg);
    r.x = f.links;
    r.y = f.oben;
}

void dialogSchliessen(Fenster dlg, DialogRahmen& r, intptr_t ergebnis, bool mitHook)
{
    if (mitHook)
        tastaturHookEntfernen();
    dialogBeenden(dlg, ergebnis);
    r.frisch = 1;
}

void simulationAusDialogStarten()
{
    senden(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlSimulationStarten, 0), 0);
}

double dialogZahlLesen(Fenster dlg, int id)
{
    std::string t = elementText(dlg, id, 255);
    const double x = kommaZahlLesen(t.data());
    return std::isfinite(x) ? x : 0.0;
}

bool dialogTextZahl(const std::string& text, double& aus)
{
    std::string t = text;
    const size_t anfang = t.find_first_not_of(" \t\r\n\v\f");
    if (anfang == std::string::npos) {
        aus = 0.0;
        return true;
    }
    // a digit must start the number (after a sign or a point): strtod would also read
    // "nan", "inf" and hexadecimal words
    size_t p = anfang;
    if (t[p] == '+' || t[p] == '-')
        ++p;
    if (p < t.size() && (t[p] == '.' || t[p] == ','))
        ++p;
    if (p >= t.size() || !std::isdigit(static_cast<unsigned char>(t[p])))
        return false;
    const double x = kommaZahlLesen(t.data());
    if (!std::isfinite(x))
        return false;
    aus = x;
    return true;
}

namespace {

bool feldAblehnen(Fenster dlg, int id, const std::string& meldung)
{
    hinweisBox(meldung);
    dialogElementFokussieren(dlg, id, 1);
    return false;
}

// a range bound as the notice shows it
std::string grenzText(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

} // namespace

std::string feldBeschriftung(Fenster dlg, int id)
{
    const DialogVorlage* v = dialogVorlage(vorlagenNummer(dlg));
    if (!v)
        return {};
    const auto& el = v->elemente;
    const auto feld = std::find_if(el.begin(), el.end(), [id](const DialogElement& e) { return e.id == id; });
    if (feld == el.end())
        return {};
    // a static, or a check box or radio button that switches the field and names it
    const auto beschriftet = [](const DialogElement& e) {
        return e.art == ElementArt::Text ||
               ((e.art == ElementArt::Kontrollkasten || e.art == ElementArt::Optionsfeld) && e.text[0] != '\0');
    };
    const DialogElement* label = nullptr;
    for (const DialogElement& e : el)
        if (beschriftet(e) && e.gruppe == feld->gruppe && e.zeile == feld->zeile && e.spalte < feld->spalte &&
            (!label || e.spalte > label->spalte))
            label = &e;
    if (!label)
        return {};
    // a static without an id keeps its template text; one with an id shows what was set
    const std::string text = label->id == -1 ? std::string(label->text) : elementText(dlg, label->id);
    // the shown label: a single '&' marks the access key and is not drawn
    std::string gezeigt;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        gezeigt += text[i];
    }
    return gezeigt;
}

namespace {

// the field's name for a notice: the one given, else its label
std::string feldName(Fenster dlg, int id, const std::string* feld)
{
    return feld ? *feld : feldBeschriftung(dlg, id);
}

bool zahlLesen(Fenster dlg, int id, const std::string* feld, double von, double bis, bool bereich, double& aus)
{
    double x = 0.0;
    if (!dialogTextZahl(elementText(dlg, id, 255), x))
        return feldAblehnen(dlg, id, meldungFormatieren(952, feldName(dlg, id, feld)));
    if (bereich && !(x >= von && x <= bis))
        return feldAblehnen(dlg, id, meldungFormatieren(958, feldName(dlg, id, feld), grenzText(von), grenzText(bis)));
    aus = x;
    return true;
}

bool ganzzahlLesen(Fenster dlg, int id, int von, int bis, const std::string* feld, int& aus)
{
    std::string t = elementText(dlg, id, 255);
    double pruefung = 0.0;
    if (!dialogTextZahl(t, pruefung))
        return feldAblehnen(dlg, id, meldungFormatieren(952, feldName(dlg, id, feld)));
    const int x = kommaGanzzahlLesen(t.data());
    if (x < von || x > bis)
        return feldAblehnen(dlg, id, meldungFormatieren(822, feldName(dlg, id, feld), von, bis));
    aus = x;
    return true;
}

} // namespace

bool dialogZahlFeldLesen(Fenster dlg, int id, const std::string& feld, double& aus)
{
    return zahlLesen(dlg, id, &feld, 0.0, 0.0, false, aus);
}

bool dialogZahlFeldLesen(Fenster dlg, int id, const std::string& feld, double von, double bis, double& aus)
{
    return zahlLesen(dlg, id, &feld, von, bis, true, aus);
}

bool dialogFeldNichtUnter(Fenster dlg, int id, const std::string& feld, double wert, const std::string& anderesFeld,
                          double andererWert)
{
    if (wert >= andererWert)
        return true;
    return feldAblehnen(dlg, id, meldungFormatieren(967, feld, anderesFeld));
}

bool dialogZahlFeldLesen(Fenster dlg, int id, double& aus)
{
    return zahlLesen(dlg, id, nullptr, 0.0, 0.0, false, aus);
}

bool dialogZahlFeldLesen(Fenster dlg, int id, double von, double bis, double& aus)
{
    return zahlLesen(dlg, id, nullptr, von, bis, true, aus);
}

bool dialogGanzzahlLesen(Fenster dlg, int id, int von, int bis, const std::string& feld, int& aus)
{
    return ganzzahlLesen(dlg, id, von, bis, &feld, aus);
}

bool dialogGanzzahlLesen(Fenster dlg, int id, int von, int bis, int& aus)
{
    return ganzzahlLesen(dlg, id, von, bis, nullptr, aus);
}

int fensterMass(Fenster f, int welches)
{
    const Rechteck r = fensterRechteck(f);
    switch (welches) {
    case 1: return r.hoehe();
    case 2: return r.breite();
    case 3: return r.links;
    case 4: return r.oben;
    default: return 0;
    }
}

void dialogElementAktivieren(Fenster dlg, int id, int an)
{
    elementFreigeben(dlg, id, an != 0);
}

void dialogElementFokussieren(Fenster dlg, int id, int allesMarkieren)
{
    vordergrundSetzen(dlg);
    elementFokussieren(dlg, id, allesMarkieren != 0);
}

int menuePunktSuchen(Menue menue, const std::string& text)
{
    const auto suchen = [&text](Menue m) {
        for (int i = 0; i < postenAnzahl(m); ++i)
            if (postenText(m, i, Nach::Position).substr(0, 64) == text)
                return i;
        return -1;
    };
    if (menue)
        return suchen(menue);
    for (int k = 0; k < 20; ++k) {
        Menue unter = untermenue(fensterhandles.hauptmenue, k);
        if (!unter)
            return -1;
        if (int i = suchen(unter); i >= 0)
            return i;
    }
    return -1;
}

bool menueTextSetzen(Menue menue, int posten, std::string& text, int kopieren)
{
    MenuePostenDaten* p = posten < 0 ? postenSuchen(menue, -posten, Nach::Position)
                                     : postenSuchen(menue, posten, Nach::Befehl);
    if (!p)
        return false;
    meldungsPuffer = p->text.substr(0, 8192);
    if (kopieren) {
        text = meldungsPuffer;
        return true;
    }
    p->text = text;
    p->art &= ~(menueArt::Abgehakt | menueArt::Grau);
    return true;
}
