// tests/script/ergebnis_hilfe.h - the result file of the series script: the run that writes
// it and the readers' helpers the result-file tests share
#pragma once
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "script/auswertungsdaten.h"
#include "model/laufhaken.h"
#include "model/permutationsfenster.h"
#include <cstring>
#include <fstream>

namespace skripttest {

inline std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

template <class T> T bei(const std::string& b, size_t o)
{
    T w{};
    if (o + sizeof w <= b.size())
        std::memcpy(&w, b.data() + o, sizeof w);
    return w;
}

constexpr uint32_t satz = 16148;   // 44 + 88 + 2 x (8 + 4 x 2000)

struct ErgebnisFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
        dateipfade.vollerPfad = dateipfade.ergebnisVerzeichnis = "";
        maxBinDateiGroesse = 0;
        skriptMeldungenAnzeigen = 0;
        skriptLaufHaken = [] {
            DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
            d.kurven[0].werte.resize(2000);
            d.kurven[2].werte.resize(2000);
            for (int i = 0; i < 2000; ++i) {
                d.kurven[0].werte[static_cast<size_t>(i)] = 0.001f * static_cast<float>(i);
                d.kurven[2].werte[static_cast<size_t>(i)] = -0.001f * static_cast<float>(i);
            }
            if (++laeufe == anhaltenBei)
                skriptStatus &= ~skriptBit::Laeuft;
        };
        laeufe = anhaltenBei = 0;
        // a fixed clock: the texts a header load writes out keep their names
        laufHaken.ortszeit = [] { return testhilfe::zeitstempel(9); };
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        laufHaken = {};
        maxBinDateiGroesse = 0;
        SkriptFall::TearDown();
    }
    static inline int laeufe = 0, anhaltenBei = 0;
    // an index over the result file ergebnis, saved at index: true when every step succeeded
    static bool indexSpeichern(Auswertungsdaten& a, const std::string& ergebnis, const std::string& index)
    {
        a.ergebnisPfad = ergebnis;
        a.indexPfad = index;
        return ergebnisDateiLaden(a, 0) && ergebnisIndexSpeichern(a, 0) && ergebnisIndexErstellen(a, 0) &&
               indexDateiListeAktualisieren(a);
    }
    // the record offsets of a file from its first record on
    static std::vector<uint32_t> saetze(const std::string& b)
    {
        std::vector<uint32_t> s;
        for (uint32_t o = bei<uint32_t>(b, 76); o && s.size() < 100; o = bei<uint32_t>(b, o + 4))
            s.push_back(o);
        return s;
    }
};

} // namespace skripttest
