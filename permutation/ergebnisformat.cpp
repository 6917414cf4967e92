// permutation/ergebnisformat.cpp - encoders and decoders of the result and index files
#include "permutation/ergebnisformat.h"
#include <algorithm>
#include <bit>
#include <cmath>

// ---- little-endian bytes ---------------------------------------------------------------------

void Bytefolge::u16(uint16_t w)
{
    u8(static_cast<uint8_t>(w & 0xFF));
    u8(static_cast<uint8_t>(w >> 8));
}

void Bytefolge::u32(uint32_t w)
{
    for (int i = 0; i < 4; ++i)
        u8(static_cast<uint8_t>((w >> (8 * i)) & 0xFF));
}

void Bytefolge::f32(float w) { u32(std::bit_cast<uint32_t>(w)); }

void Bytefolge::f64(double w)
{
    const uint64_t b = std::bit_cast<uint64_t>(w);
    u32(static_cast<uint32_t>(b & 0xFFFFFFFFu));
    u32(static_cast<uint32_t>(b >> 32));
}

bool Byteleser::an(uint64_t stelle)
{
    if (stelle > d.size())
        ok = false;
    else
        pos = stelle;
    return ok;
}

std::string_view Byteleser::bytes(uint64_t n)
{
    if (!passt(n)) {
        ok = false;
        return {};
    }
    const std::string_view t = d.substr(pos, n);
    pos += n;
    return t;
}

uint8_t Byteleser::u8()
{
    const std::string_view b = bytes(1);
    return b.empty() ? 0 : static_cast<uint8_t>(b[0]);
}

uint16_t Byteleser::u16()
{
    const std::string_view b = bytes(2);
    if (b.size() < 2)
        return 0;
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
}

uint32_t Byteleser::u32()
{
    const std::string_view b = bytes(4);
    uint32_t w = 0;
    for (size_t i = 0; i < b.size(); ++i)
        w |= static_cast<uint32_t>(static_cast<uint8_t>(b[i])) << (8 * i);
    return b.size() == 4 ? w : 0;
}

float Byteleser::f32() { return std::bit_cast<float>(u32()); }

double Byteleser::f64()
{
    const uint64_t lo = u32();
    const uint64_t hi = u32();
    return std::bit_cast<double>(lo | (hi << 32));
}

// ---- classes ---------------------------------------------------------------------------------

void klasseKodieren(Bytefolge& b, const Analyseklasse& k)
{
    b.f32(k.start);
    b.f32(k.ende);
    b.f32(k.gewicht);
    b.f32(0.0f);
    b.f32(0.0f);
    b.i32(0);
    b.i32(k.sollApAnzahl);
    b.f32(k.anzahlGewicht);
    b.f32(k.sollFrequenz);
}

Analyseklasse klasseDekodieren(Byteleser& l)
{
    Analyseklasse k;
    k.start = l.f32();
    k.ende = l.f32();
    k.gewicht = l.f32();
    k.isiSumme = l.f32();
    k.letzterAp = l.f32();
    k.intervalle = l.i32();
    k.sollApAnzahl = l.i32();
    k.anzahlGewicht = l.f32();
    k.sollFrequenz = l.f32();
    return k;
}

namespace {

// a count read from a file: 0..grenze, and cnt * bytes still fit from the position on
bool anzahlPasst(const Byteleser& l, int64_t anzahl, int64_t grenze, uint64_t bytesJe)
{
    return anzahl >= 0 && anzahl <= grenze && l.passt(static_cast<uint64_t>(anzahl) * bytesJe);
}

} // namespace

// ---- the result file -------------------------------------------------------------------------

std::string ergebnisKopfKodieren(const PermutationsKopf& kopf)
{
    const uint64_t n = kopf.level.size(), m = static_cast<uint64_t>(std::max(kopf.levelAnzahl, 0));
    const uint64_t c = kopf.klassen.size();
    Bytefolge b;
    b.daten.reserve(ergebnisKopfLaenge(n, m, c) + ergebnisNullBlock);
    b.text(ergebnisKennung);
    b.i32(kopf.marke);
    b.i32(kopf.version);
    b.i32(static_cast<int32_t>(n));
    b.i32(static_cast<int32_t>(m));
    b.i32(static_cast<int32_t>(c));
    b.i32(static_cast<int32_t>(ersterSatzOffset(n, m, c)));
    for (const std::vector<double>& s : kopf.level)
        for (uint64_t j = 0; j < m; ++j)
            b.f64(j < s.size() ? s[j] : 0.0);
    b.i32(kopf.apFlag);
    for (const Analyseklasse& k : kopf.klassen)
        klasseKodieren(b, k);
    b.i32(kopf.zusatzAnzahl);
    b.nullen(ergebnisNullBlock);
    return std::move(b.daten);
}

std::string ergebnisSatzKodieren(const PermutationsErgebnis& e, int klassenAnzahl, int zusatzAnzahl)
{
    const size_t c = static_cast<size_t>(std::max(klassenAnzahl, 0));
    const size_t z = static_cast<size_t>(std::max(zusatzAnzahl, 0));
    const size_t k = e.apZeiten.size();
    Bytefolge b;
    b.daten.reserve(satzLaenge(c, k, z));
    b.u32(static_cast<uint32_t>(e.nummer));
    b.f32(e.wert);
    b.i32(static_cast<int32_t>(k));
    for (size_t i = 0; i < c; ++i)
        b.f32(i < e.klassenWerte.size() ? e.klassenWerte[i] : 0.0f);
    for (const uint8_t l : e.level)
        b.u8(l);
    for (const float t : e.apZeiten)
        b.f32(t);
    for (size_t i = 0; i < z; ++i)
        b.f32(i < e.zusatzWerte.size() ? e.zusatzWerte[i] : 0.0f);
    b.i32(dateiMarke);
    return std::move(b.daten);
}

bool ergebnisKopfDekodieren(std::string_view bytes, PermutationsKopf& kopf)
{
    return ergebnisKopfDekodieren(bytes, kopf, bytes.size());
}

bool ergebnisKopfDekodieren(std::string_view bytes, PermutationsKopf& kopf, uint64_t dateiLaenge)
{
    Byteleser l(bytes);
    if (l.bytes(ergebnisKennung.size()) != ergebnisKennung)
        return false;
    kopf.marke = l.i32();
    kopf.version = l.i32();
    const int32_t n = l.i32(), m = l.i32(), c = l.i32();
    kopf.ersterSatz = l.i32();
    if (!l.gut() || kopf.marke != dateiMarke || (kopf.version != 1 && kopf.version != 2))
        return false;
    if (n < 0 || n > groessteSynapsenAnzahl || m < 0 || m > groessteLevelAnzahl || c < 0 ||
        c > groessteKlassenAnzahl)
        return false;
    if (ergebnisKopfLaenge(n, m, c) > l.groesse() || kopf.ersterSatz < 0 ||
        static_cast<uint64_t>(kopf.ersterSatz) != ersterSatzOffset(n, m, c) ||
        static_cast<uint64_t>(kopf.ersterSatz) > dateiLaenge)
        return false;
    kopf.levelAnzahl = m;
    kopf.level.assign(static_cast<size_t>(n), std::vector<double>(static_cast<size_t>(m)));
    for (std::vector<double>& s : kopf.level)
        for (double& w : s)
            w = l.f64();
    kopf.apFlag = l.i32();
    kopf.klassen.clear();
    kopf.klassen.reserve(static_cast<size_t>(c));
    for (int32_t i = 0; i < c; ++i)
        kopf.klassen.push_back(klasseDekodieren(l));
    kopf.zusatzAnzahl = l.i32();
    // every record holds the extra values: they must fit behind the first record's place
    return l.gut() && kopf.zusatzAnzahl >= 0 &&
           satzLaenge(c, 0, static_cast<uint64_t>(kopf.zusatzAnzahl)) <= dateiLaenge;
}

bool ergebnisSatzDekodieren(std::string_view bytes, uint64_t offset, const PermutationsKopf& kopf,
                            PermutationsErgebnis& aus, uint64_t* ende)
{
    Byteleser l(bytes);
    const uint64_t c = kopf.klassen.size(), z = static_cast<uint64_t>(std::max(kopf.zusatzAnzahl, 0));
    if (!l.an(offset) || !l.passt(satzLaenge(c, 0, z)))
        return false;
    PermutationsErgebnis e;
    e.nummer = static_cast<int>(l.u32());
    e.wert = l.f32();
    const int32_t k = l.i32();
    if (k < 0 || !l.passt(4 * c + 20 + 4 * static_cast<uint64_t>(k) + 4 * z + 4))
        return false;
    e.apAnzahl = k;
    e.klassenWerte.resize(c);
    for (float& w : e.klassenWerte)
        w = l.f32();
    for (uint8_t& b : e.level)
        b = l.u8();
    for (int i = 0; i < kopf.synapsenAnzahl() && i < groessteSynapsenAnzahl; ++i)
        if (e.level[static_cast<size_t>(i)] >= kopf.levelAnzahl)
            return false;
    e.apZeiten.resize(static_cast<size_t>(k));
    for (float& t : e.apZeiten)
        t = l.f32();
    e.zusatzWerte.resize(z);
    for (float& w : e.zusatzWerte)
        w = l.f32();
    if (l.i32() != dateiMarke || !l.gut())
        return false;
    if (ende)
        *ende = l.position();
    aus = std::move(e);
    return true;
}

// ---- the index file ----------------------------------------------------------------------------

uint64_t eintragsBereichOffset(uint64_t dateien, uint64_t klassen)
{
    return std::max<uint64_t>(66 + pfadFeld * dateien + 8200, 78 + pfadFeld * dateien + klassenBytes * klassen);
}

uint64_t eintragsLaenge(int32_t version) { return version == 1 ? 13 : 14; }

std::string indexKodieren(IndexKopf& kopf, const std::vector<PermutationsIndexEintrag>& eintraege)
{
    const uint64_t f = kopf.pfade.size(), c = kopf.klassen.size();
    if (f > static_cast<uint64_t>(groessteDateiAnzahl) || c > static_cast<uint64_t>(groessteKlassenAnzahl))
        return {};
    for (const std::string& p : kopf.pfade)
        if (p.size() >= pfadFeld)
            return {};
    const uint64_t bereich = eintragsBereichOffset(f, c);
    int32_t geschrieben = 0;
    for (const PermutationsIndexEintrag& e : eintraege)
        geschrieben += e.nummer >= 0 ? 1 : 0;
    kopf.anzahl = geschrieben;
    kopf.eintragsBereich = static_cast<int32_t>(bereich);
    Bytefolge b;
    b.daten.reserve(bereich + 4 + eintragsLaenge(kopf.version) * static_cast<uint64_t>(geschrieben));
    b.text(indexKennung);
    b.i32(kopf.marke);
    b.i32(kopf.version);
    b.i32(kopf.anzahl);
    b.i32(static_cast<int32_t>(f));
    b.i32(kopf.synapsenAnzahl);
    b.i32(kopf.levelAnzahl);
    b.i32(kopf.eintragsBereich);
    b.i32(static_cast<int32_t>(c));
    for (const std::string& p : kopf.pfade) {
        b.text(p);
        b.nullen(pfadFeld - p.size());
    }
    b.i32(kopf.apFlag);
    for (const Analyseklasse& k : kopf.klassen)
        klasseKodieren(b, k);
    b.nullen(bereich - b.daten.size());
    b.i32(dateiMarke);
    for (const PermutationsIndexEintrag& e : eintraege) {
        if (e.nummer < 0)
            continue;
        b.i32(e.nummer);
        b.f32(e.wert);
        b.i32(e.satzOffset);
        if (kopf.version == 1)
            b.u8(static_cast<uint8_t>(e.dateiNummer));
        else
            b.u16(e.dateiNummer);
    }
    return std::move(b.daten);
}

bool indexKopfDekodieren(std::string_view bytes, IndexKopf& kopf)
{
    return indexKopfDekodieren(bytes, kopf, bytes.size());
}

bool indexKopfDekodieren(std::string_view bytes, IndexKopf& kopf, uint64_t dateiLaenge)
{
    Byteleser l(bytes);
    if (l.bytes(indexKennung.size()) != indexKennung)
        return false;
    kopf.marke = l.i32();
    kopf.version = l.i32();
    kopf.anzahl = l.i32();
    const int32_t f = l.i32();
    kopf.synapsenAnzahl = l.i32();
    kopf.levelAnzahl = l.i32();
    kopf.eintragsBereich = l.i32();
    const int32_t c = l.i32();
    if (!l.gut() || kopf.marke != dateiMarke || (kopf.version != 1 && kopf.version != 2))
        return false;
    if (kopf.synapsenAnzahl < 0 || kopf.synapsenAnzahl > groessteSynapsenAnzahl || kopf.levelAnzahl < 0 ||
        kopf.levelAnzahl > groessteLevelAnzahl || !anzahlPasst(l, f, groessteDateiAnzahl, pfadFeld))
        return false;
    kopf.pfade.clear();
    for (int32_t i = 0; i < f; ++i) {
        const std::string_view feld = l.bytes(pfadFeld);
        kopf.pfade.emplace_back(feld.substr(0, std::min(feld.find('\0'), pfadFeld - 1)));
    }
    kopf.apFlag = l.i32();
    if (!anzahlPasst(l, c, groessteKlassenAnzahl, klassenBytes))
        return false;
    kopf.klassen.clear();
    kopf.klassen.reserve(static_cast<size_t>(c));
    for (int32_t i = 0; i < c; ++i)
        kopf.klassen.push_back(klasseDekodieren(l));
    // the entry area lies behind the header, its marker and N entries inside the file
    if (!l.gut() || kopf.eintragsBereich < 0 || static_cast<uint64_t>(kopf.eintragsBereich) < l.position() ||
        !l.an(static_cast<uint64_t>(kopf.eintragsBereich)) || l.i32() != dateiMarke || !l.gut() ||
        dateiLaenge < l.position())
        return false;
    return kopf.anzahl >= 0 &&
           static_cast<uint64_t>(kopf.anzahl) * eintragsLaenge(kopf.version) <= dateiLaenge - l.position();
}

bool indexEintraegeDekodieren(std::string_view bytes, const IndexKopf& kopf,
                              std::vector<PermutationsIndexEintrag>& eintraege)
{
    Byteleser l(bytes);
    if (kopf.eintragsBereich < 0 || !l.an(static_cast<uint64_t>(kopf.eintragsBereich) + 4) ||
        !anzahlPasst(l, kopf.anzahl, INT32_MAX, eintragsLaenge(kopf.version)))
        return false;
    std::vector<PermutationsIndexEintrag> neu;
    neu.reserve(static_cast<size_t>(kopf.anzahl));
    if (!indexEintraegeDekodieren(l.bytes(static_cast<uint64_t>(kopf.anzahl) * eintragsLaenge(kopf.version)),
                                  kopf.version, kopf.pfade.size(), neu))
        return false;
    eintraege = std::move(neu);
    return true;
}

bool indexEintraegeDekodieren(std::string_view stueck, int32_t version, size_t dateien,
                              std::vector<PermutationsIndexEintrag>& aus)
{
    const uint64_t laenge = eintragsLaenge(version);
    if (stueck.size() % laenge != 0)
        return false;
    Byteleser l(stueck);
    const size_t vorher = aus.size();
    aus.reserve(vorher + stueck.size() / laenge);
    while (l.gut() && l.position() < l.groesse()) {
        PermutationsIndexEintrag e;
        e.nummer = l.i32();
        e.wert = l.f32();
        e.satzOffset = l.i32();
        e.dateiNummer = version == 1 ? l.u8() : l.u16();
        if (e.satzOffset < 0 || e.dateiNummer >= dateien) {
            aus.resize(vorher);
            return false;
        }
        aus.push_back(e);
    }
    return true;
}
