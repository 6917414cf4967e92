// tests/permutation/waechter_hilfe.h - every guard that gives back while one of these lives
// has the user's state after as it was before, exactly
#pragma once
#include "core/status.h"
#include "files/analysewaechter.h"
#include <gtest/gtest.h>

namespace permutationstest {

// While it lives, the guards take the state when they begin and when they have given back;
// each that gave back into the network it began on (and began while one lived) is compared.
// The bits that say a run is going on are the run's own: a free permutation begins inside
// its run, its levels go back when the mode is left.
class WaechterPruefen {
public:
    WaechterPruefen()
    {
        verglichen = 0;
        AnalyseWaechter::standAufnehmen = true;
        AnalyseWaechter::nachRueckgabe = pruefen;
    }
    ~WaechterPruefen()
    {
        AnalyseWaechter::standAufnehmen = false;
        AnalyseWaechter::nachRueckgabe = nullptr;
    }
    WaechterPruefen(const WaechterPruefen&) = delete;
    WaechterPruefen& operator=(const WaechterPruefen&) = delete;

    // the guards compared so far
    static inline int verglichen = 0;

private:
    static void pruefen(const AnalyseWaechter& w)
    {
        const AnalyseStand &a = w.vorher(), &b = w.nachher();
        if (a.netz.empty() || a.netzKennung != b.netzKennung)
            return;                  // began before, or its network is gone
        constexpr uint32_t lauf =
            modusBit::SerieLaeuft | modusBit::FreieReihenfolge | modusBit::SerieAbbrechen | modusBit::Pause;
        ++verglichen;
        EXPECT_EQ(a.netz, b.netz);
        EXPECT_EQ(a.einstellungen, b.einstellungen);
        EXPECT_EQ(a.laufwerte, b.laufwerte);
        EXPECT_EQ(std::tuple(a.programm, a.skript, a.modus & ~lauf), std::tuple(b.programm, b.skript, b.modus & ~lauf));
    }
};

} // namespace permutationstest
