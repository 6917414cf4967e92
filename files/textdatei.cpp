// files/textdatei.cpp
#include "files/textdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <charconv>
#include <cstdio>
#include <new>

DateiGelesen dateiGanzLesen(std::FILE* f, std::string& text, long& laenge)
{
    DateiGelesen ergebnis = DateiGelesen::Ja;
    laenge = 0;
    try {
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
    size_t ziel = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            text[ziel++] = text[i];
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
    std::string aus;
    aus.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            aus += '\r';
        aus += text[i];
    }
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
