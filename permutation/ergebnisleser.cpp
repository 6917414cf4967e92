// permutation/ergebnisleser.cpp - reading result and index files piece by piece
#include "permutation/ergebnisleser.h"
#include <algorithm>

Dateifenster::Dateifenster(std::FILE* datei, size_t vorlauf) : vorlauf(vorlauf) { oeffnen(datei); }

void Dateifenster::oeffnen(std::FILE* datei)
{
    d = datei;
    dateiLaenge = 0;
    puffer.clear();
    anfang = 0;
    if (d && ::fseeko(d, 0, SEEK_END) == 0) {
        const off_t ende = ::ftello(d);
        dateiLaenge = ende > 0 ? static_cast<uint64_t>(ende) : 0;
    }
}

std::string_view Dateifenster::bereich(uint64_t von, uint64_t n)
{
    if (!d || von >= dateiLaenge)
        return {};
    n = std::min(n, dateiLaenge - von);
    if (von < anfang || von + n > anfang + puffer.size()) {
        // the file's length bounds what is read, whatever a count in it says
        const uint64_t lesen = std::min<uint64_t>(std::max<uint64_t>(n, vorlauf), dateiLaenge - von);
        puffer.resize(static_cast<size_t>(lesen));
        anfang = von;
        if (::fseeko(d, static_cast<off_t>(von), SEEK_SET) != 0) {
            puffer.clear();
            return {};
        }
        puffer.resize(std::fread(puffer.data(), 1, puffer.size(), d));
    }
    const uint64_t innen = von - anfang;
    if (innen >= puffer.size())
        return {};
    return std::string_view(puffer).substr(static_cast<size_t>(innen), static_cast<size_t>(n));
}

KopfStand ergebnisKopfLesen(Dateifenster& f, PermutationsKopf& kopf)
{
    constexpr uint64_t fest = 45;   // the name, marker, version, n, m, c and the first record's offset
    const std::string_view anfang = f.bereich(0, fest);
    if (anfang.substr(0, ergebnisKennung.size()) != ergebnisKennung)
        return KopfStand::FremderTyp;
    Byteleser l(anfang);
    l.an(ergebnisKennung.size() + 8);
    const int32_t n = l.i32(), m = l.i32(), c = l.i32();
    if (!l.gut() || n < 0 || n > groessteSynapsenAnzahl || m < 0 || m > groessteLevelAnzahl || c < 0 ||
        c > groessteKlassenAnzahl)
        return KopfStand::Unbekannt;
    const uint64_t laenge = ergebnisKopfLaenge(static_cast<uint64_t>(n), static_cast<uint64_t>(m), static_cast<uint64_t>(c));
    if (laenge > f.laenge())
        return KopfStand::Unbekannt;
    return ergebnisKopfDekodieren(f.bereich(0, laenge), kopf, f.laenge()) ? KopfStand::Gut : KopfStand::Unbekannt;
}

IndexKopfStand indexKopfLesen(Dateifenster& f, IndexKopf& kopf)
{
    constexpr uint64_t fest = 74;   // the name and the eight words up to the paths
    const std::string_view anfang = f.bereich(0, fest);
    if (anfang.substr(0, indexKennung.size()) != indexKennung)
        return IndexKopfStand::FremderTyp;
    Byteleser l(anfang);
    l.an(indexKennung.size());
    const int32_t marke = l.i32(), version = l.i32();
    l.an(66);
    const int32_t bereich = l.i32();
    if (!l.gut())
        return IndexKopfStand::Unbekannt;
    if (marke != dateiMarke)
        return IndexKopfStand::Veraltet;
    if (version != 1 && version != 2)
        return IndexKopfStand::Version;
    // the header reaches to the entry area's marker, which must lie inside the file
    if (bereich < 0 || static_cast<uint64_t>(bereich) + 4 > f.laenge())
        return IndexKopfStand::Unbekannt;
    return indexKopfDekodieren(f.bereich(0, static_cast<uint64_t>(bereich) + 4), kopf, f.laenge())
               ? IndexKopfStand::Gut
               : IndexKopfStand::Unbekannt;
}

PermutationsKopf satzForm(int n, int m, int c, int e)
{
    PermutationsKopf form;
    form.levelAnzahl = m;
    form.level.assign(static_cast<size_t>(std::clamp(n, 0, groessteSynapsenAnzahl)), {});
    form.klassen.resize(static_cast<size_t>(std::max(c, 0)));
    form.zusatzAnzahl = std::max(e, 0);
    return form;
}

bool satzLesen(Dateifenster& f, uint64_t offset, const PermutationsKopf& form, PermutationsErgebnis& aus)
{
    Byteleser kopf(f.bereich(offset, 12));
    kopf.an(8);
    const int32_t k = kopf.i32();
    if (!kopf.gut() || k < 0)
        return false;
    const uint64_t laenge = satzLaenge(form.klassen.size(), static_cast<uint64_t>(k), static_cast<uint64_t>(form.zusatzAnzahl));
    if (laenge > f.laenge() || offset > f.laenge() - laenge)
        return false;
    const std::string_view satz = f.bereich(offset, laenge);
    return satz.size() == laenge && ergebnisSatzDekodieren(satz, 0, form, aus);
}
