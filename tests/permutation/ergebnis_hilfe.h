// tests/permutation/ergebnis_hilfe.h - result and index files made with the program's own
// encoders, and the started program that loads them
#pragma once
#include "permutation_hilfe.h"
#include "model/permutationsfenster.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisformat.h"
#include "permutation/ergebnisse.h"
#include "platform/system.h"
#include <array>
#include <random>
#include <string>
#include <vector>

namespace permutationstest {

// A result file: the header of n synapses with m levels, c classes and e extra values,
// then records appended one by one.
struct ErgebnisBauer {
    PermutationsKopf kopf;
    std::string bytes;

    ErgebnisBauer(int n, int m, int c, int e = 0, double levelFaktor = 1e-9)
    {
        kopf.levelAnzahl = m;
        for (int i = 0; i < n; ++i) {
            kopf.level.emplace_back();
            for (int j = 0; j < m; ++j)
                kopf.level.back().push_back(levelFaktor * (i + 1) * (j + 1));
        }
        kopf.klassen.resize(static_cast<size_t>(c));
        for (int i = 0; i < c; ++i)
            kopf.klassen[static_cast<size_t>(i)].start = 0.1f * static_cast<float>(i);
        kopf.zusatzAnzahl = e;
        bytes = ergebnisKopfKodieren(kopf);
        bytes.resize(ersterSatzOffset(static_cast<uint64_t>(n), static_cast<uint64_t>(m), static_cast<uint64_t>(c)));
    }
    int c() const { return static_cast<int>(kopf.klassen.size()); }
    // appends a record; its offset
    int32_t satz(int nummer, float wert, const std::vector<float>& aps, std::array<uint8_t, 20> level = {},
                 const std::vector<float>& zusatz = {})
    {
        PermutationsErgebnis e;
        e.nummer = nummer;
        e.wert = wert;
        e.apZeiten = aps;
        e.apAnzahl = static_cast<int>(aps.size());
        e.level = level;
        e.zusatzWerte = zusatz;
        for (int i = 0; i < c(); ++i)
            e.klassenWerte.push_back(static_cast<float>(nummer) + 0.5f * static_cast<float>(i));
        const int32_t offset = static_cast<int32_t>(bytes.size());
        bytes += ergebnisSatzKodieren(e, c(), kopf.zusatzAnzahl);
        return offset;
    }
    // writes a little-endian i32 at the offset
    void wort(uint64_t offset, int32_t w)
    {
        for (int i = 0; i < 4; ++i)
            bytes[offset + static_cast<uint64_t>(i)] = static_cast<char>((static_cast<uint32_t>(w) >> (8 * i)) & 0xFF);
    }
    void speichern(const std::string& pfad) const { testhilfe::schreiben(pfad, bytes); }
};

// The bytes damaged from ab on in one of four ways, chosen by the seeded generator: cut
// short, bits flipped, a huge or negative word written into one of the fields, or one
// end marker deleted.
inline std::string mutiert(std::string b, std::mt19937& zufall, const std::vector<uint64_t>& felder, uint64_t ab = 0)
{
    constexpr int32_t gross[] = {INT32_MAX, INT32_MIN, -1, 0x40000000, 0x7FFFFFF0, 100000, 1025, 21};
    const uint64_t bereich = b.size() - ab;
    switch (zufall() % 4) {
    case 0: b.resize(ab + zufall() % bereich); break;
    case 1:
        for (unsigned n = 1 + zufall() % 8; n > 0; --n)
            b[ab + zufall() % bereich] ^= static_cast<char>(1u << (zufall() % 8));
        break;
    case 2: {
        const uint64_t stelle = felder[zufall() % felder.size()];
        const int32_t w = gross[zufall() % std::size(gross)];
        for (int i = 0; i < 4 && stelle + static_cast<uint64_t>(i) < b.size(); ++i)
            b[stelle + static_cast<uint64_t>(i)] = static_cast<char>((static_cast<uint32_t>(w) >> (8 * i)) & 0xFF);
        break;
    }
    default: {
        std::vector<size_t> marken;
        for (size_t p = ab; p + 4 <= b.size(); p += 4)
            if (b.compare(p, 4, "\xFF\xFF\xFF\xFF", 4) == 0)
                marken.push_back(p);
        if (!marken.empty())
            b.replace(marken[zufall() % marken.size()], 4, 4, '\0');
        break;
    }
    }
    return b;
}

class ErgebnisFall : public PermutationFall {
protected:
    void SetUp() override
    {
        PermutationFall::SetUp();
        permutationsSpeichergrenze = 0;
        freierSpeicherHaken = [] { return int64_t{8} << 30; };
        boxenVergessen();
    }
    void TearDown() override
    {
        freierSpeicherHaken = plattform::verfuegbarerSpeicher;
        permutationsFenster = {};
        PermutationFall::TearDown();
    }
    PermutationsErgebnisZustand& z() { return permutationsErgebnisse; }
    std::vector<int> nummern() const
    {
        std::vector<int> n;
        for (const PermutationsIndexEintrag& e : permutationsErgebnisse.index)
            n.push_back(e.nummer);
        return n;
    }
    // a file of anzahl records numbered from erste on, values nummer / 4
    std::string datei(const std::string& name, int anzahl, int erste = 0, int n = 2, int m = 3, int c = 2, int e = 0)
    {
        ErgebnisBauer b(n, m, c, e);
        for (int i = 0; i < anzahl; ++i)
            b.satz(erste + i, static_cast<float>(erste + i) / 4.0f, {0.01f * static_cast<float>(i + 1)},
                   {static_cast<uint8_t>(i % m), static_cast<uint8_t>((i + 1) % m)}, std::vector<float>(static_cast<size_t>(e), 1.5f));
        b.speichern(ordner + name);
        return ordner + name;
    }
    bool nichtsGeladen() const
    {
        const PermutationsErgebnisZustand& z = permutationsErgebnisse;
        return z.index.empty() && z.dateien.namen.empty() && z.ergebnisse.empty() && z.zusatzAnzahl == 0;
    }
};

} // namespace permutationstest
