// app/protokoll.cpp - the protocol text window
#include "app/protokoll.h"
#include "app/status.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

namespace {

Fenster textfeldIn(Fenster eltern)
{
    const Rechteck c = clientRechteck(eltern);
    Fenster feld = textfeldErzeugen(eltern, protokollTextId, c, false);
    if (feld) {
        textfeldTextSetzen(feld, protokoll.gesicherterText);
        if (protokoll.schrift.schrift)
            textfeldSchrift(feld, protokoll.schrift.schrift);
    }
    return feld;
}

void eigenesFensterErzeugen()
{
    Protokoll& p = protokoll;
    p.eigenesFenster = fensterErzeugen(protokollKlasse, meldungsTexte[889], stil::Hauptfenster, p.x, p.y,
                                       p.breite, p.hoehe, fensterhandles.hauptfenster);
    if (!p.eigenesFenster)
        return;
    fensterhandles.protokollfenster = textfeldIn(p.eigenesFenster);
    if (p.sichtbar)
        zeigen(p.eigenesFenster, anzeige::Normal);
}

void eingebettetErzeugen()
{
    if (!fensterhandles.hauptfenster)
        return;
    fensterhandles.protokollfenster = textfeldIn(fensterhandles.hauptfenster);
    protokollEinbettungAnordnen(fensterhandles.hauptfenster);
}

void eigeneMasseMerken(Fenster f)
{
    const Rechteck r = fensterRechteck(f);
    protokoll.x = r.links;
    protokoll.y = r.oben;
    protokoll.breite = r.breite();
    protokoll.hoehe = r.hoehe();
}

} // namespace

intptr_t protokollFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Groesse:
        if (fensterhandles.protokollfenster && protokoll.eigenesFenster == f)
            verschieben(fensterhandles.protokollfenster, 0, 0, loWortS(l), hiWortS(l));
        if (w != groesse::Minimiert && protokoll.eigenesFenster == f)
            eigeneMasseMerken(f);
        return 0;
    case nachricht::Bewegen:
        if (protokoll.eigenesFenster == f)
            eigeneMasseMerken(f);
        return 0;
    case nachricht::Schliessen:
        // the close box hides the protocol; its text stays
        protokoll.sichtbar = 0;
        zeigen(f, anzeige::Verbergen);
        return 0;
    case nachricht::Zerstoeren:
        if (protokoll.eigenesFenster == f) {
            protokollTextSichern(fensterhandles.protokollfenster);
            protokoll.eigenesFenster = nullptr;
            fensterhandles.protokollfenster = nullptr;
        }
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}

void protokollFensterErzeugen()
{
    if (fensterhandles.protokollfenster)
        return;
    if (protokoll.eingebettet)
        eingebettetErzeugen();
    else
        eigenesFensterErzeugen();
}

void protokollEinbettungAnordnen(Fenster haupt)
{
    Fenster feld = fensterhandles.protokollfenster;
    if (!feld || protokoll.eigenesFenster || elternFenster(feld) != haupt)
        return;
    if (!protokoll.sichtbar) {
        zeigen(feld, anzeige::Verbergen);
        return;
    }
    const Rechteck c = clientRechteck(haupt);
    const int leiste = fensterhandles.statusleiste ? fensterRechteck(fensterhandles.statusleiste).hoehe() : 0;
    const int platz = std::max(0, c.hoehe() - leiste);
    const int hoehe = std::min(std::max(protokoll.eingebetteteHoehe, protokollMindesthoehe), platz);
    verschieben(feld, 0, platz - hoehe, c.breite(), hoehe);
    zeigen(feld, anzeige::Zeigen);
}

void protokollAnzeigen(int an)
{
    protokoll.sichtbar = an ? 1 : 0;
    if (!fensterhandles.protokollfenster)
        protokollFensterErzeugen();
    if (protokoll.eigenesFenster)
        zeigen(protokoll.eigenesFenster, an ? anzeige::Normal : anzeige::Verbergen);
    else if (fensterhandles.hauptfenster)
        protokollEinbettungAnordnen(fensterhandles.hauptfenster);
}

void protokollEinbetten(int an)
{
    if ((protokoll.eingebettet != 0) == (an != 0) && fensterhandles.protokollfenster)
        return;
    // The new box is made while the old one still lives and takes the text straight from
    // it: the saved text is Windows-1252 and would lose what the user typed beyond that.
    Fenster altesFeld = fensterhandles.protokollfenster;
    Fenster altesFenster = protokoll.eigenesFenster;
    protokollTextSichern(altesFeld);
    fensterhandles.protokollfenster = nullptr;
    protokoll.eigenesFenster = nullptr;
    protokoll.eingebettet = an ? 1 : 0;
    protokollFensterErzeugen();
    if (altesFeld && fensterhandles.protokollfenster)
        textfeldTextUebernehmen(fensterhandles.protokollfenster, altesFeld);
    fensterZerstoeren(altesFenster ? altesFenster : altesFeld);
}

void protokollSchriftSetzen()
{
    FontDaten& s = protokoll.schrift;
    if (s.punkte <= 0)
        s.punkte = 10;
    s.merkmale.hoehe = schriftHoeheAusPunkten(s.punkte, 96);
    s.merkmale.gewicht = s.gewicht < 1 ? 400 : s.gewicht;
    s.merkmale.kursiv = s.kursiv != 0;
    s.merkmale.unterstrichen = s.unterstrichen != 0;
    s.merkmale.name = s.name;
    loeschen(s.schrift);
    s.schrift = schriftErzeugen(s.merkmale);
    if (fensterhandles.protokollfenster)
        textfeldSchrift(fensterhandles.protokollfenster, s.schrift);
}

void protokollSchreiben(const char* text)
{
    Fenster feld = fensterhandles.protokollfenster;
    if (!text) {
        protokoll.gesicherterText.clear();
        if (feld)
            textfeldTextSetzen(feld, "");
        return;
    }
    if (feld)
        textfeldAnhaengen(feld, text);
    else
        protokoll.gesicherterText += text;
}

int protokollTextSichern(Fenster edit)
{
    if (!edit)
        return 0;
    protokoll.gesicherterText = textfeldText(edit);
    return 1;
}
