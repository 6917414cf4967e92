// script/ergebnisindex.cpp - the index over the records of several result files
//
// The index file lists up to 1024 result files and holds one 16-byte entry per stored
// simulation, so that any result is found by one seek. Its header, list and entries are
// read with every count and offset checked against the bytes present.
#include "script/auswertungsdaten.h"
#include "script/auswertung.h"
#include "script/ersatzdatei.h"
#include "core/status.h"
#include "files/netzdatei.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace {

constexpr uint32_t marke = 0xFFFFFFFFu;
constexpr uint32_t binVersion = 102;
constexpr size_t pfadLaenge = 260;
constexpr long feldAnzahl = 72, feldIndex = 80, feldListe = 84;
constexpr uint32_t listenAnfang = 88;
const char magie[] = "indexdatei zu skriptbearbeitungs-ergebnisdateien";

bool schreiben(std::FILE* f, const void* p, size_t n) { return !n || std::fwrite(p, 1, n, f) == n; }
bool u32Bei(std::FILE* f, long o, uint32_t w) { return std::fseek(f, o, SEEK_SET) == 0 && schreiben(f, &w, 4); }
bool lesen(std::FILE* f, void* p, size_t n) { return !n || std::fread(p, 1, n, f) == n; }

uint64_t groesse(std::FILE* f)
{
    if (std::fseek(f, 0, SEEK_END) != 0)
        return 0;
    const long n = std::ftell(f);
    return n < 0 ? 0 : static_cast<uint64_t>(n);
}

int hinweis(const std::string& text)
{
    plattform::hinweisBox(text);
    return 0;
}

// The notice of a failed write says what is on the disk: a saved index is written beside
// an older file of its name, which stays as it was; a temporary one is the only file.
void indexFehlerMelden(const Auswertungsdaten& a, int grund)
{
    if (a.temporaererIndex)
        plattform::hinweisBox(meldungFormatieren(1491, a.indexPfad, systemGrund(grund ? grund : EIO)));
    else
        ersatzFehlerMelden(a.indexPfad, grund);
}

// a write into the index failed: it is closed, a new file beside an older one goes, and the
// notice says why
int schreibFehler(Auswertungsdaten& a)
{
    const int grund = errno;
    indexDateiVerwerfen(a);
    indexFehlerMelden(a, grund);
    return 0;
}

// the 260 bytes of a list slot
std::array<char, pfadLaenge> slot(const std::string& name)
{
    std::array<char, pfadLaenge> b{};
    std::memcpy(b.data(), name.data(), std::min(name.size(), pfadLaenge - 1));
    return b;
}

// Room for an index of n entries: a larger one than the memory at hand is read only when
// the user agrees, never one that passes the virtual memory too. Sizes in 64 bits.
bool speicherReicht(uint64_t n)
{
    const SpeicherStand st = speicherStandHaken
                                 ? speicherStandHaken()
                                 : SpeicherStand{plattform::verfuegbarerSpeicher(),
                                                 plattform::verfuegbarerVirtuellerSpeicher()};
    const uint64_t bytes = n * sizeof(IndexEintrag);
    if (st.physisch < 0 || bytes <= static_cast<uint64_t>(st.physisch))
        return true;
    const auto mb = [](uint64_t b) { return static_cast<long long>(b / 1048576u); };
    const long long physisch = mb(static_cast<uint64_t>(st.physisch));
    const long long virtuell = st.virtuell < 0 ? -1 : mb(static_cast<uint64_t>(st.virtuell));
    if (st.virtuell >= 0 && bytes > static_cast<uint64_t>(st.virtuell)) {
        plattform::hinweisBox(meldungFormatieren(1453, physisch, virtuell, mb(bytes)));
        return false;
    }
    return plattform::meldungsBox(fensterhandles.hauptfenster, meldungFormatieren(1454, physisch, virtuell, mb(bytes)),
                                  "SysInfo", plattform::knoepfe::JaNein | plattform::symbol::Frage) ==
           plattform::antwort::Ja;
}

} // namespace

SpeicherStand (*speicherStandHaken)() = nullptr;

void indexDateiVerwerfen(Auswertungsdaten& a) { ersatzVerwerfen(a.indexDatei, a.indexNeu); }

int ergebnisIndexSpeichern(Auswertungsdaten& a, int temporaer)
{
    indexDateiVerwerfen(a);
    // a temporary index fills the empty file made for it; a saved one is written beside an
    // older file of its name, which it replaces once the list update has it whole
    a.indexDatei = temporaer ? plattform::dateiOeffnen(a.indexPfad, "wb") : ersatzOeffnen(a.indexPfad, a.indexNeu);
    if (!a.indexDatei)
        return hinweis(meldungFormatieren(74, a.indexPfad));
    a.temporaererIndex = temporaer;
    std::FILE* f = a.indexDatei;
    char kopf[64] = {};
    std::memcpy(kopf, magie, sizeof magie);
    const uint32_t felder[6] = {marke, a.kopf.version ? a.kopf.version : binVersion,
                                static_cast<uint32_t>(a.index.size()), static_cast<uint32_t>(a.namen.size()), 0,
                                listenAnfang};
    const std::vector<char> liste(pfadLaenge * indexDateienMax);
    const bool gut = schreiben(f, kopf, sizeof kopf) && schreiben(f, felder, sizeof felder) &&
                     schreiben(f, liste.data(), liste.size()) &&
                     u32Bei(f, feldIndex, static_cast<uint32_t>(listenAnfang + liste.size())) &&
                     std::fseek(f, listenAnfang, SEEK_SET) == 0;
    if (!gut)
        return schreibFehler(a);
    a.listenOffset = listenAnfang;
    a.indexOffset = static_cast<uint32_t>(listenAnfang + liste.size());
    return 1;
}

int ergebnisIndexErstellen(Auswertungsdaten& a, int)
{
    if (a.namen.size() >= indexDateienMax)
        return hinweis(meldungsTexte[227]);
    std::FILE* f = plattform::dateiOeffnen(a.ergebnisPfad, "rb");
    if (!f)
        return hinweis(meldungFormatieren(1161, a.ergebnisPfad));
    const uint64_t bytes = groesse(f);
    const uint16_t datei = static_cast<uint16_t>(a.namen.size());
    std::vector<IndexEintrag> neu;
    uint32_t p = a.kopf.ersterSatz;
    for (uint32_t k = 0; k < a.kopf.saetze; ++k) {
        const uint32_t nr = static_cast<uint32_t>(a.index.size() + neu.size());
        if (p == 0 || p + 16u > bytes || std::fseek(f, p, SEEK_SET) != 0) {
            std::fclose(f);
            return hinweis(meldungFormatieren(1162, static_cast<int>(nr)));
        }
        uint32_t satz[4] = {};
        if (!lesen(f, satz, sizeof satz) || satz[0] != marke || (satz[1] && satz[1] <= p)) {
            std::fclose(f);
            return hinweis(meldungFormatieren(1163, static_cast<int>(nr)));
        }
        IndexEintrag e{nr, p, datei, 0, 0.0f};
        // a rating offset names the marker of the values: there is no rating to take
        if (satz[2] && satz[2] + 4u <= bytes && std::fseek(f, satz[2], SEEK_SET) == 0) {
            uint32_t roh = 0;
            if (lesen(f, &roh, 4) && roh != marke)
                std::memcpy(&e.bewertung, &roh, 4);
        }
        neu.push_back(e);
        p = satz[1];
    }
    std::fclose(f);
    if (a.indexDatei) {
        const auto b = slot(a.ergebnisPfad);
        if (std::fseek(a.indexDatei, static_cast<long>(a.listenOffset + pfadLaenge * datei), SEEK_SET) != 0 ||
            !schreiben(a.indexDatei, b.data(), b.size())) {
            indexFehlerMelden(a, errno);
            return 0;
        }
    }
    a.namen.push_back(a.ergebnisPfad);
    a.handles.push_back(nullptr);
    a.aktuellesErgebnis = static_cast<int>(a.index.size());
    a.index.insert(a.index.end(), neu.begin(), neu.end());
    a.statusText = meldungFormatieren(1451, static_cast<long long>(a.index.size()), static_cast<long long>(a.namen.size()));
    return 1;
}

int indexDateiListeAktualisieren(Auswertungsdaten& a)
{
    if (!a.indexDatei)
        return hinweis(meldungsTexte[224]);
    std::FILE* f = a.indexDatei;
    bool gut = u32Bei(f, feldAnzahl, static_cast<uint32_t>(a.index.size())) &&
               schreiben(f, std::array<uint32_t, 1>{static_cast<uint32_t>(a.namen.size())}.data(), 4) &&
               std::fseek(f, static_cast<long>(a.listenOffset), SEEK_SET) == 0;
    for (const std::string& n : a.namen) {
        const auto b = slot(n);
        gut = gut && schreiben(f, b.data(), b.size());
    }
    gut = gut && std::fseek(f, static_cast<long>(a.indexOffset), SEEK_SET) == 0 &&
          schreiben(f, a.index.data(), a.index.size() * sizeof(IndexEintrag));
    if (!gut)
        return schreibFehler(a);
    // A saved index is whole on the disk and closed before it takes its name: once it has
    // replaced the older file, nothing is left that could fail.
    if (!a.indexNeu.empty()) {
        if (!ersatzAbschliessen(a.indexDatei, a.indexNeu, a.indexPfad)) {
            indexFehlerMelden(a, errno);
            return 0;
        }
        return 1;
    }
    a.indexDatei = nullptr;
    const bool geschrieben = std::fflush(f) == 0;
    const int grund = errno;
    if (std::fclose(f) != 0 || !geschrieben) {
        indexFehlerMelden(a, geschrieben ? errno : grund);
        return 0;
    }
    return 1;
}

int ergebnisIndexLaden(Auswertungsdaten& a)
{
    std::FILE* f = plattform::dateiOeffnen(a.indexPfad, "rb");
    if (!f)
        return hinweis(meldungFormatieren(1164, a.indexPfad));
    const uint64_t bytes = groesse(f);
    std::fseek(f, 0, SEEK_SET);
    char kopf[64] = {};
    uint32_t felder[6] = {};
    const auto fehler = [&](const std::string& text) {
        std::fclose(f);
        return hinweis(text);
    };
    if (!lesen(f, kopf, sizeof kopf) || std::memcmp(kopf, magie, sizeof magie) != 0)
        return fehler(meldungFormatieren(1164, a.indexPfad));
    if (!lesen(f, felder, sizeof felder) || felder[0] != marke)
        return fehler(meldungsTexte[1165]);
    if (felder[1] != binVersion)
        return fehler(meldungsTexte[1166]);
    const uint32_t n = felder[2], dateien = felder[3], indexOffset = felder[4], listenOffset = felder[5];
    if (dateien < 1 || dateien > indexDateienMax || uint64_t{listenOffset} + pfadLaenge * dateien > bytes ||
        indexOffset > bytes)
        return fehler(meldungsTexte[1167]);
    if (uint64_t{indexOffset} + uint64_t{n} * sizeof(IndexEintrag) > bytes)
        return fehler(meldungsTexte[227]);
    if (!speicherReicht(n)) {
        std::fclose(f);
        return 0;
    }
    std::vector<std::string> namen;
    std::fseek(f, listenOffset, SEEK_SET);
    for (uint32_t k = 0; k < dateien; ++k) {
        std::array<char, pfadLaenge> b{};
        if (!lesen(f, b.data(), b.size()) || !std::memchr(b.data(), '\0', b.size()))
            return fehler(meldungsTexte[1167]);
        namen.emplace_back(b.data());
    }
    std::vector<IndexEintrag> index(n);
    if (std::fseek(f, indexOffset, SEEK_SET) != 0 || !lesen(f, index.data(), index.size() * sizeof(IndexEintrag)))
        return fehler(meldungsTexte[227]);
    for (const IndexEintrag& e : index)
        if (e.datei >= dateien)
            return fehler(meldungsTexte[1167]);
    std::fclose(f);

    // a listed file that moved is found before the first header is read
    Auswertungsdaten neu;
    neu.namen = std::move(namen);
    const auto schliessen = [&neu] {
        for (std::FILE* h : neu.handles)
            if (h)
                std::fclose(h);
    };
    if (!ergebnisDateiSuchen(neu)) {
        schliessen();
        return 0;
    }
    namen = std::move(neu.namen);
    // the header of the first listed file with its texts, as an interactive load reads it,
    // from the handle the search opened
    neu.ergebnisPfad = namen.front();
    neu.ergebnisDatei = neu.handles.empty() ? nullptr : neu.handles.front();
    std::FILE* eigene = nullptr;
    if (!neu.ergebnisDatei)
        neu.ergebnisDatei = eigene = plattform::dateiOeffnen(neu.ergebnisPfad, "rb");
    const int gelesen = neu.ergebnisDatei ? ergebnisDateiLaden(neu, 1) : 0;
    if (!neu.ergebnisDatei)
        plattform::hinweisBox(meldungsTexte[226]);
    if (eigene)
        std::fclose(eigene);
    neu.ergebnisDatei = nullptr;
    if (!gelesen) {
        schliessen();
        return 0;
    }
    for (std::FILE* h : a.handles)
        if (h)
            std::fclose(h);
    a.skript = std::move(neu.skript);
    a.kopf = neu.kopf;
    a.ergebnisPfad = namen.front();
    a.satzZeiger = neu.satzZeiger;
    a.tmpSkript = neu.tmpSkript;
    a.tmpNetz = neu.tmpNetz;
    a.tmpPermutation = neu.tmpPermutation;
    a.index = std::move(index);
    a.handles = std::move(neu.handles);
    a.namen = std::move(namen);
    a.listenOffset = listenOffset;
    a.indexOffset = indexOffset;
    a.aktuellesErgebnis = 0;
    return 1;
}

int ergebnisNachIndexLesen(Auswertungsdaten& a, int eintrag)
{
    if (a.index.empty() || eintrag < 0 || eintrag >= static_cast<int>(a.index.size()))
        return hinweis(meldungsTexte[1168]);
    const IndexEintrag& e = a.index[static_cast<size_t>(eintrag)];
    if (e.datei >= a.namen.size())
        return hinweis(meldungsTexte[1168]);
    a.handles.resize(a.namen.size(), nullptr);
    std::FILE*& h = a.handles[e.datei];
    if (!h)
        h = plattform::dateiOeffnen(a.namen[e.datei], "rb");
    if (!h)
        return hinweis(meldungFormatieren(1169, systemGrund(errno, Zugriff::Lesen)));
    a.satzZeiger = e.satz;
    const int gut = ergebnisLesen(a, h);
    if (!gut)
        h = nullptr;   // the reader closed it
    return gut;
}
