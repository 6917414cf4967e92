// permutation/indexdialog.cpp - "zuwenig speicher zum laden einer Indexdatei" (257): which
// entries of an index to load when not all of them fit into memory
//
// The bounds go to the partial-load bounds of the loaded results: first and last entry,
// 1-based, 0 <= first <= last <= N.
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "permutation/ergebnisse.h"
#include "platform/steuerelemente.h"
#include "platform/zeichensatz.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

using namespace plattform;

namespace {

enum : int {
    idAnzahl = 2575, idLadbar = 2577, idVon = 2579, idBis = 2581, idPartiell = 2582, idTrotzdem = 2583,
    idErsteHaelfte = 2584, idZweiteHaelfte = 2585,
};
constexpr int64_t reserve = 128 * 1024;

DialogRahmen rahmen;
int32_t eintraege = 0;   // N of the index being read

// the entries that fit into the memory free now; all of them when that is unknown
int64_t ladbar()
{
    const int64_t frei = freierSpeicherHaken ? freierSpeicherHaken() : -1;
    return frei < 0 ? eintraege : std::max<int64_t>((frei - reserve) / 16, 0);
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageIndexSpeicherMangel); }

void fuellen(Fenster dlg)
{
    elementTextSetzen(dlg, idAnzahl, std::to_string(eintraege));
    elementTextSetzen(dlg, idLadbar, std::to_string(ladbar()));
    elementTextSetzen(dlg, idVon, "0");
    elementTextSetzen(dlg, idBis, "");
    const bool haelfte = eintraege / 2 <= ladbar();
    dialogElementAktivieren(dlg, idErsteHaelfte, haelfte);
    dialogElementAktivieren(dlg, idZweiteHaelfte, haelfte);
}

int32_t begrenzt(double x) { return static_cast<int32_t>(std::clamp(std::trunc(x), 0.0, static_cast<double>(eintraege))); }

// the two fields; "max" or an empty "bis" means the last entry. false (a notice naming the
// field) when one holds no number
bool felderLesen(Fenster dlg, int32_t& erster, int32_t& letzter)
{
    double von = 0.0, bis = eintraege;
    if (!dialogZahlFeldLesen(dlg, idVon, von))
        return false;
    const std::string text = elementText(dlg, idBis);
    const size_t anfang = text.find_first_not_of(" \t");
    const std::string wort = anfang == std::string::npos ? "" : text.substr(anfang, 3);
    if (anfang != std::string::npos && cp1252Vergleichen(wort, "max") != 0 && !dialogZahlFeldLesen(dlg, idBis, bis))
        return false;
    erster = begrenzt(von);
    letzter = std::max(erster, begrenzt(bis));
    return true;
}

void beenden(Fenster dlg, int32_t erster, int32_t letzter)
{
    permutationsErgebnisse.teilErster = erster;
    permutationsErgebnisse.teilLetzter = letzter;
    dialogSchliessen(dlg, rahmen, 1, false);
}

void befehl(Fenster dlg, int id)
{
    switch (id) {
    case idPartiell: {
        int32_t erster = 0, letzter = 0;
        if (felderLesen(dlg, erster, letzter))
            beenden(dlg, erster, letzter);
        break;
    }
    case idTrotzdem: beenden(dlg, 0, eintraege); break;
    case idErsteHaelfte: beenden(dlg, 0, eintraege / 2); break;
    case idZweiteHaelfte: beenden(dlg, eintraege / 2 + 1, eintraege); break;
    case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
    }
}

} // namespace

intptr_t indexSpeicherMangelDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen: dialogPositionMerken(dlg, rahmen); return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch)
            eintraege = static_cast<int32_t>(std::max<intptr_t>(l, 0));
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;
    case nachricht::Befehl: befehl(dlg, loWort(w)); return 1;
    case nachricht::Zerstoeren: rahmen.frisch = 1; return 0;
    }
    return 0;
}
