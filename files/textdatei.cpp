// files/textdatei.cpp
#include "files/textdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <charconv>
#include <cstdio>
#include <cstring>
#include <new>

DateiGelesen dateiGanzLesen(std::FILE* f, std::string& text, long& laenge)
{
    DateiGelesen ergebnis = DateiGelesen::Ja;
    laenge = 0;
    try {
        // the whole file at once where its size is known
        const long stelle = std::ftell(f);
        if (stelle >= 0 && std::fseek(f, 0, SEEK_END) == 0) {
            const long ende = std::ftell(f);
            if (ende > stelle)
                text.reserve(text.size() + static_cast<size_t>(ende - stelle));
            std::fseek(f, stelle, SEEK_SET);
        }
        char block[65536];
        size_t n;
        while ((n = std::fread(block, 1, sizeof block, f)) > 0) {
            text.append(block, n);
            laenge += static_cast<long>(n);
        }
        if (std::ferror(f))
            ergebnis = DateiGelesen::Fehler;
    } catch (const std::bad_alloc&) {
        text.clear();
        ergebnis = DateiGelesen::KeinSpeicher;
    }
    std::fclose(f);
    return ergebnis;
}

void textAngleichen(std::string& text)
{
    if (text.starts_with("\xEF\xBB\xBF") && plattform::istGueltigesUtf8(text))
        text.erase(0, 3);
    plattform::geladenenTextAngleichen(text);
    // each CR LF loses its CR; the text between two of them moves up whole
    char* const anfang = text.data();
    const size_t n = text.size();
    size_t ziel = 0, i = 0;
    while (i < n) {
        const char* cr = static_cast<const char*>(std::memchr(anfang + i, '\r', n - i));
        const size_t bis = cr ? static_cast<size_t>(cr - anfang) : n;
        if (ziel != i)
            std::memmove(anfang + ziel, anfang + i, bis - i);
        ziel += bis - i;
        i = bis;
        if (i < n) {
            if (i + 1 >= n || anfang[i + 1] != '\n')
                anfang[ziel++] = '\r';     // a lone CR stays
            ++i;
        }
    }
    text.resize(ziel);
}

bool textDateiLesen(const std::string& pfad, std::string& text)
{
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return false;
    text.clear();
    long laenge = 0;
    if (dateiGanzLesen(f, text, laenge) != DateiGelesen::Ja)
        return false;
    textAngleichen(text);
    text = plattform::zeilenendenLf(text);
    return true;
}

std::string mitCrLf(const std::string& text)
{
    // the lines are copied whole, from one LF to the next
    const size_t n = text.size();
    size_t zeilen = 0;
    for (const char* p = text.data(); (p = static_cast<const char*>(std::memchr(p, '\n', n - (p - text.data())))); ++p)
        ++zeilen;
    std::string aus;
    aus.resize(n + zeilen);
    char* ziel = aus.data();
    size_t i = 0;
    while (i < n) {
        const char* lf = static_cast<const char*>(std::memchr(text.data() + i, '\n', n - i));
        const size_t bis = lf ? static_cast<size_t>(lf - text.data()) : n;
        std::memcpy(ziel, text.data() + i, bis - i);
        ziel += bis - i;
        if (!lf)
            break;
        if (bis == 0 || text[bis - 1] != '\r')
            *ziel++ = '\r';
        *ziel++ = '\n';
        i = bis + 1;
    }
    aus.resize(static_cast<size_t>(ziel - aus.data()));
    return aus;
}

bool sicherSchreiben(const std::string& pfad, const std::string& bytes, int oeffnenText)
{
    plattform::SchreibFehler art = plattform::SchreibFehler::Schreiben;
    if (plattform::dateiSicherSchreiben(pfad, bytes, nullptr, &art))
        return true;
    plattform::hinweisBox(meldungFormatieren(art == plattform::SchreibFehler::Oeffnen ? oeffnenText : 75, pfad));
    return false;
}

bool textDateiSpeichern(const std::string& pfad, const std::string& text)
{
    return sicherSchreiben(pfad, mitCrLf(text), 286);
}

std::string zahlText(double x)
{
    char puffer[32];
    const auto [p, ec] = std::to_chars(puffer, puffer + sizeof puffer, x);
    return ec == std::errc() ? std::string(puffer, p) : std::string("0");
}
