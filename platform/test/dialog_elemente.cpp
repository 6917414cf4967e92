// platform/test/dialog_elemente.cpp - the program's calls on dialog controls. Unknown ids
// and calls that do not fit the kind of control are ignored; nothing here notifies.
#include "platform/zeichensatz.h"
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;
using test::DialogElementZustand;

namespace {

using A = ElementArt;

bool istListe(const DialogElementZustand& e) { return e.art == A::Auswahlliste || e.art == A::Kombi || e.art == A::Liste; }
bool istRegler(const DialogElementZustand& e) { return e.art == A::Schieberegler || e.art == A::AufAb || e.art == A::Scrollleiste; }
bool hatHaken(const DialogElementZustand& e) { return e.art == A::Kontrollkasten || e.art == A::Optionsfeld; }

DialogElementZustand* liste(Fenster dlg, int id)
{
    DialogElementZustand* e = elementVon(dlg, id);
    return e && istListe(*e) ? e : nullptr;
}

DialogElementZustand* reglerVon(Fenster dlg, int id)
{
    DialogElementZustand* e = elementVon(dlg, id);
    return e && istRegler(*e) ? e : nullptr;
}

bool imBereich(const DialogElementZustand& e, int index) { return index >= 0 && index < static_cast<int>(e.eintraege.size()); }

// Windows-1252 lower case, so "Ä" and "ä" compare equal as they do for the user
// a combo shows its chosen item; a drop-down list has no text of its own
void auswahlZeigen(DialogElementZustand& e)
{
    if (e.art == A::Kombi || e.art == A::Auswahlliste)
        e.text = imBereich(e, e.auswahl) ? e.eintraege[static_cast<size_t>(e.auswahl)].text : std::string();
}

} // namespace

namespace test::intern {

DialogElementZustand* elementVon(Fenster dlg, int id)
{
    DialogZustand* d = dialogVon(dlg);
    if (!d)
        return nullptr;
    for (DialogElementZustand& e : d->elemente)
        if (e.id == id)
            return &e;
    return nullptr;
}

} // namespace test::intern

// ---- text, check, state ------------------------------------------------------------------

void elementTextSetzen(Fenster dlg, int id, const std::string& text)
{
    DialogElementZustand* e = elementVon(dlg, id);
    if (!e || e->art == A::Auswahlliste)   // a drop-down list takes no text, only a choice
        return;
    e->text = text;
    e->geaendert = false;
    e->schreibmarke = e->text.size();
}

void elementTextEinfuegen(Fenster dlg, int id, const std::string& text)
{
    DialogElementZustand* e = elementVon(dlg, id);
    if (!e || (e->art != A::Eingabe && e->art != A::EingabeMehrzeilig))
        return;
    const size_t stelle = std::min(e->schreibmarke, e->text.size());
    e->text.insert(stelle, text);
    e->schreibmarke = stelle + text.size();
}

std::string elementText(Fenster dlg, int id, size_t maxLaenge)
{
    const DialogElementZustand* e = elementVon(dlg, id);
    return e ? e->text.substr(0, maxLaenge) : std::string();
}

void hakenSetzen(Fenster dlg, int id, int zustand)
{
    if (DialogElementZustand* e = elementVon(dlg, id); e && hatHaken(*e))
        e->haken = zustand != 0;
}

int haken(Fenster dlg, int id)
{
    const DialogElementZustand* e = elementVon(dlg, id);
    return e && e->haken ? 1 : 0;
}

bool elementGeaendert(Fenster dlg, int id)
{
    const DialogElementZustand* e = elementVon(dlg, id);
    return e && e->geaendert;
}

void elementGeaendertSetzen(Fenster dlg, int id, bool geaendert)
{
    if (DialogElementZustand* e = elementVon(dlg, id))
        e->geaendert = geaendert;
}

void elementFreigeben(Fenster dlg, int id, bool an)
{
    if (DialogElementZustand* e = elementVon(dlg, id))
        e->freigegeben = an;
}

bool elementIstFreigegeben(Fenster dlg, int id)
{
    const DialogElementZustand* e = elementVon(dlg, id);
    return e && e->freigegeben;
}

void elementZeigen(Fenster dlg, int id, int anzeigeArt)
{
    DialogElementZustand* e = elementVon(dlg, id);
    if (!e)
        return;
    bool warVerborgen = !e->sichtbar;
    e->sichtbar = anzeigeArt != anzeige::Verbergen;
    if (warVerborgen && e->sichtbar && e->art == A::Malflaeche)
        elementUngueltigMachen(dlg, id);
}

bool elementIstSichtbar(Fenster dlg, int id)
{
    const DialogElementZustand* e = elementVon(dlg, id);
    return e && e->sichtbar;
}

void elementFokussieren(Fenster dlg, int id, bool allesMarkieren)
{
    DialogElementZustand* e = elementVon(dlg, id);
    if (!e)
        return;
    e->allesMarkiert = allesMarkieren;
    dialogVon(dlg)->fokus = id;
}

void elementUngueltigMachen(Fenster dlg, int id)
{
    if (const DialogElementZustand* e = elementVon(dlg, id); e && e->art == A::Malflaeche) {
        Rechteck r = e->platz;
        ungueltigMachen(dlg, &r);
    }
}

// ---- lists ---------------------------------------------------------------------------------

void listeLeeren(Fenster dlg, int id)
{
    DialogElementZustand* e = liste(dlg, id);
    if (!e)
        return;
    e->eintraege.clear();
    e->auswahl = -1;
    if (e->art != A::Liste)
        e->text.clear();   // emptying a combo empties its edit too
}

// A sorted list puts the text after the items that compare equal to it, case aside.
int listeHinzufuegen(Fenster dlg, int id, const std::string& text)
{
    DialogElementZustand* e = liste(dlg, id);
    if (!e)
        return -1;
    int index = static_cast<int>(e->eintraege.size());
    if (e->stil & elementStil::Sortiert) {
        auto it = std::upper_bound(e->eintraege.begin(), e->eintraege.end(), text,
                                   [](const std::string& a, const test::ListenEintrag& b) {
                                       return cp1252Vergleichen(a, b.text) < 0;
                                   });
        index = static_cast<int>(it - e->eintraege.begin());
    }
    return listeEinfuegen(dlg, id, index, text);
}

// -1 appends; never sorts. The chosen item stays chosen where it moves.
int listeEinfuegen(Fenster dlg, int id, int index, const std::string& text)
{
    DialogElementZustand* e = liste(dlg, id);
    const int n = e ? static_cast<int>(e->eintraege.size()) : 0;
    if (!e || index < -1 || index > n)
        return -1;
    if (index == -1)
        index = n;
    e->eintraege.insert(e->eintraege.begin() + index, {text, 0});
    if (e->auswahl >= index)
        ++e->auswahl;
    return index;
}

bool listeEntfernen(Fenster dlg, int id, int index)
{
    DialogElementZustand* e = liste(dlg, id);
    if (!e || !imBereich(*e, index))
        return false;
    e->eintraege.erase(e->eintraege.begin() + index);
    if (e->auswahl == index)
        e->auswahl = -1;   // a combo keeps its text
    else if (e->auswahl > index)
        --e->auswahl;
    return true;
}

int listeAnzahl(Fenster dlg, int id)
{
    const DialogElementZustand* e = liste(dlg, id);
    return e ? static_cast<int>(e->eintraege.size()) : 0;
}

std::string listeText(Fenster dlg, int id, int index)
{
    const DialogElementZustand* e = liste(dlg, id);
    return e && imBereich(*e, index) ? e->eintraege[static_cast<size_t>(index)].text : std::string();
}

void listeDatenSetzen(Fenster dlg, int id, int index, intptr_t daten)
{
    if (DialogElementZustand* e = liste(dlg, id); e && imBereich(*e, index))
        e->eintraege[static_cast<size_t>(index)].daten = daten;
}

// 0 for an unknown control, -1 for an index out of range
intptr_t listeDaten(Fenster dlg, int id, int index)
{
    const DialogElementZustand* e = liste(dlg, id);
    if (!e)
        return 0;
    return imBereich(*e, index) ? e->eintraege[static_cast<size_t>(index)].daten : -1;
}

int listeAuswahl(Fenster dlg, int id)
{
    const DialogElementZustand* e = liste(dlg, id);
    return e ? e->auswahl : -1;
}

// an index out of range clears the choice, as -1 does
void listeAuswahlSetzen(Fenster dlg, int id, int index)
{
    DialogElementZustand* e = liste(dlg, id);
    if (!e)
        return;
    e->auswahl = imBereich(*e, index) ? index : -1;
    auswahlZeigen(*e);
}

int listeSuchen(Fenster dlg, int id, const std::string& text)
{
    const DialogElementZustand* e = liste(dlg, id);
    if (!e)
        return -1;
    for (size_t i = 0; i < e->eintraege.size(); ++i)
        if (cp1252Vergleichen(e->eintraege[i].text, text) == 0)
            return static_cast<int>(i);
    return -1;
}

// ---- trackbars, up-downs, scroll bars -------------------------------------------------------

void reglerBereichSetzen(Fenster dlg, int id, int min, int max)
{
    DialogElementZustand* e = reglerVon(dlg, id);
    if (!e)
        return;
    e->min = std::min(min, max);   // a reversed range as given in the other order
    e->max = std::max(min, max);
    e->position = std::clamp(e->position, e->min, e->max);
}

void reglerPositionSetzen(Fenster dlg, int id, int position)
{
    if (DialogElementZustand* e = reglerVon(dlg, id))
        e->position = std::clamp(position, e->min, e->max);
}

int reglerPosition(Fenster dlg, int id)
{
    const DialogElementZustand* e = reglerVon(dlg, id);
    return e ? e->position : 0;
}

namespace test {

const DialogElementZustand* dialogElement(Fenster dlg, int id) { return elementVon(dlg, id); }

int dialogFokus(Fenster dlg)
{
    const DialogZustand* d = dialogVon(dlg);
    return d ? d->fokus : 0;
}

} // namespace test
} // namespace plattform
