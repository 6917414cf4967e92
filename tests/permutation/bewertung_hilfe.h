// tests/permutation/bewertung_hilfe.h - the ratings and copies of indexed results write into
// the working folder and the network's folder: a fixture that works in the test's folder and
// gives back the run's duration and the writer that a test replaced
#pragma once
#include "ergebnis_hilfe.h"
#include "model/simulationsparameter.h"
#include <filesystem>
#include <sstream>

namespace permutationstest {

class BewertungsFall : public ErgebnisFall {
protected:
    void SetUp() override
    {
        ErgebnisFall::SetUp();
        dauerVorher = simulationsParameter.simulationsDauer;
        schreibenVorher = ergebnisSchreiben;
        arbeitsordnerVorher = std::filesystem::current_path();
        std::filesystem::current_path(ordner);
    }
    void TearDown() override
    {
        std::filesystem::current_path(arbeitsordnerVorher);   // the folder goes when the test ends
        ergebnisSchreiben = schreibenVorher;
        simulationsParameter.simulationsDauer = dauerVorher;
        maxBinDateiGroesse = 0;
        ErgebnisFall::TearDown();
    }
    std::filesystem::path arbeitsordnerVorher;
    bool vorhanden(const std::string& name) const { return std::filesystem::exists(ordner + name); }
    // nothing half-written is left in the folder
    bool keineTeildateien() const
    {
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            if (e.path().extension() == ".teil")
                return false;
        return true;
    }
    static std::vector<std::string> zeilen(const std::string& text)
    {
        std::vector<std::string> z;
        std::istringstream s(text);
        for (std::string l; std::getline(s, l);)
            z.push_back(l);
        return z;
    }

    double dauerVorher = 0.0;
    size_t (*schreibenVorher)(const void*, size_t, std::FILE*) = nullptr;
};

} // namespace permutationstest
