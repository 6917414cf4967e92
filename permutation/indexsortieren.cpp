// permutation/indexsortieren.cpp - the index sorted by value or number, and repeated results
// marked
//
// std::sort needs a strict order: NaN values, which compare with nothing, go last in either
// direction instead of wherever a comparison happens to put them.
#include "core/status.h"
#include "model/spikefolge.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

using namespace plattform;

namespace {

template <class T>
int vergleich(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

const PermutationsIndexEintrag& eintrag(const void* p) { return *static_cast<const PermutationsIndexEintrag*>(p); }

bool wertAufVor(const PermutationsIndexEintrag& a, const PermutationsIndexEintrag& b)
{
    return !std::isnan(a.wert) && (std::isnan(b.wert) || a.wert < b.wert);
}

bool wertAbVor(const PermutationsIndexEintrag& a, const PermutationsIndexEintrag& b)
{
    return !std::isnan(a.wert) && (std::isnan(b.wert) || a.wert > b.wert);
}

bool nummerVor(const PermutationsIndexEintrag& a, const PermutationsIndexEintrag& b) { return a.nummer < b.nummer; }

} // namespace

int indexVergleichWertAuf(const void* a, const void* b) { return vergleich(eintrag(a).wert, eintrag(b).wert); }
int indexVergleichNummerAuf(const void* a, const void* b) { return vergleich(eintrag(a).nummer, eintrag(b).nummer); }
int indexVergleichWertAb(const void* a, const void* b) { return vergleich(eintrag(b).wert, eintrag(a).wert); }

int (*const permutationsVergleiche[4])(const void*, const void*) = {indexVergleichWertAuf, indexVergleichNummerAuf,
                                                                   indexVergleichWertAb, intervallVergleichAuf};

void permutationIndexSortierenNach(std::span<PermutationsIndexEintrag> eintraege, int schluessel)
{
    bool (*vor)(const PermutationsIndexEintrag&, const PermutationsIndexEintrag&) = nullptr;
    switch (schluessel) {
    case sortierSchluessel::WertAuf: vor = wertAufVor; break;
    case sortierSchluessel::NummerAuf: vor = nummerVor; break;
    case sortierSchluessel::WertAb: vor = wertAbVor; break;
    default: return;
    }
    statusTeilSetzen(0, meldungsTexte[1637]);
    cursorSetzen(standardCursor(cursorArt::Warten));
    std::sort(eintraege.begin(), eintraege.end(), vor);
    cursorSetzen(standardCursor(cursorArt::Pfeil));
    statusTeilSetzen(0, meldungsTexte[1638]);
}

int indexDoppelteMarkieren(std::vector<PermutationsIndexEintrag>& eintraege)
{
    // in number order, every repeat of a number marked negative; a repeat of 0
    // becomes -1, so the index writer drops it too. Entries marked before stay as they are.
    permutationIndexSortierenNach(eintraege, sortierSchluessel::NummerAuf);
    int doppelte = 0;
    bool gemerkt = false;
    int32_t letzte = 0;
    for (PermutationsIndexEintrag& e : eintraege) {
        if (e.nummer < 0)
            continue;
        if (gemerkt && e.nummer == letzte) {
            e.nummer = e.nummer == 0 ? -1 : -e.nummer;
            ++doppelte;
        } else {
            letzte = e.nummer;
            gemerkt = true;
        }
    }
    if (doppelte == 0) {
        hinweisBox(meldungFormatieren(233, static_cast<int>(eintraege.size())));
        return 0;
    }
    if (sysInfoBox(meldungFormatieren(232, doppelte), knoepfe::JaNein) == antwort::Ja)
        permutationIndexSpeichern(nullptr, -1, eintraege);
    permutationDatenFreigeben();
    modusStatus &= ~modusBit::ErgebnisseVerfuegbar;
    return doppelte;
}
