// dialogs/objektgraphik.cpp - "Graphische Objekt-Eigenschaften" (300): the size, lines and
// colours of a feedback or collision object in the network window
#include "dialogs/objektdialoge.h"
#include "dialogs/rahmen.h"
#include "model/undo.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <string>

using namespace plattform;

int graphikObjektArt = objektArt::Keine;

namespace {

enum : int {
    idBreite = 1902, idHoehe = 1904, idDivisor = 1906, idLinie = 1898, idRand = 1900,
    idObjektFarbe = 1908, idRandFarbe = 1910, idLinienFarbe = 1912,
};

DialogRahmen rahmen;
void* objekt = nullptr;
ObjektGraphik kopie;

// the block of the object the dialog edits
ObjektGraphik& objektGraphik()
{
    if (graphikObjektArt == objektArt::Rueckkopplung)
        return static_cast<Rueckkopplungsobjekt*>(objekt)->graphik;
    return static_cast<Kollisionsobjekt*>(objekt)->graphik;
}

void oeffnen(Fenster) { kopie = objektGraphik(); }

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageObjektGraphik); }

void fuellen(Fenster dlg)
{
    const std::pair<int, int> felder[] = {{idBreite, kopie.rautenbreite}, {idHoehe, kopie.rautenhoehe},
                                          {idDivisor, kopie.zeilenabstandDivisor}, {idLinie, kopie.linienDicke},
                                          {idRand, kopie.rautenrandDicke}};
    for (const auto& [id, wert] : felder)
        elementTextSetzen(dlg, id, std::to_string(wert));
    dialogElementFokussieren(dlg, idBreite, 1);
}

// a cancelled choice brings back the object's own colour, not an earlier choice
void farbe(Fenster dlg, int ObjektGraphik::*feld)
{
    const Farbe gewaehlt = farbeWaehlen(dlg, static_cast<Farbe>(kopie.*feld));
    kopie.*feld = gewaehlt == KeineFarbe ? objektGraphik().*feld : static_cast<int>(gewaehlt);
}

// Sizes beyond these would only draw nonsense; the label of each field names it in the
// notice.
void speichern(Fenster dlg)
{
    const struct { int id, text, bis; int ObjektGraphik::*feld; } felder[] = {
        {idBreite, 3321, groesseMax, &ObjektGraphik::rautenbreite},
        {idHoehe, 3322, groesseMax, &ObjektGraphik::rautenhoehe},
        {idDivisor, 3323, 100, &ObjektGraphik::zeilenabstandDivisor},
        {idLinie, 3324, linienbreiteMax, &ObjektGraphik::linienDicke},
        {idRand, 3325, linienbreiteMax, &ObjektGraphik::rautenrandDicke},
    };
    ObjektGraphik neu = kopie;
    for (const auto& f : felder)
        if (!dialogGanzzahlLesen(dlg, f.id, 0, f.bis, elementText(dlg, f.text), neu.*f.feld))
            return;
    kopie = neu;
    objektGraphik() = kopie;
    dialogSchliessen(dlg, rahmen, 1, false);
    undoSchrittSpeichern(undoListe);
    ungueltigMachen(fensterhandles.hauptfenster);
}

} // namespace

intptr_t rueckkopplungGraphikDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::Zerstoeren:
        rahmen.frisch = 1;   // an opening that ended without our close: the next takes its object anew
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch) {
            const bool art = graphikObjektArt == objektArt::Rueckkopplung || graphikObjektArt == objektArt::Kollision;
            if (!l || !art) {
                dialogBeenden(dlg, 2);
                return 1;
            }
            undoFensterlisteSpeichern(undoListe);
            objekt = reinterpret_cast<void*>(l);
        }
        dialogInitialisieren(dlg, rahmen, {oeffnen, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idObjektFarbe: farbe(dlg, &ObjektGraphik::rautenFarbe); break;
        case idRandFarbe: farbe(dlg, &ObjektGraphik::rautenrandFarbe); break;
        case idLinienFarbe: farbe(dlg, &ObjektGraphik::linienFarbe); break;
        case 1: speichern(dlg); return 1;
        case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
        }
        return 0;
    }
    return 0;
}

intptr_t objektGraphikDialogOeffnen(Fenster eigner, int art, void* o)
{
    graphikObjektArt = art;
    const intptr_t ergebnis = dialogModal(vorlageObjektGraphik, eigner ? eigner : fensterhandles.hauptfenster,
                                          rueckkopplungGraphikDlgProc, reinterpret_cast<intptr_t>(o));
    graphikObjektArt = objektArt::Keine;
    return ergebnis;
}
