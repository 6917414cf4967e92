// files/textdatei.cpp
#include "files/textdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <charconv>
#include <cstdio>
#include <new>

bool textDateiLesen(const std::string& pfad, std::string& text)
{
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return false;
    text.clear();
    bool gut = true;
    try {
        char block[65536];
        size_t n;
        while ((n = std::fread(block, 1, sizeof block, f)) > 0)
            text.append(block, n);
        gut = !std::ferror(f);
    } catch (const std::bad_alloc&) {
        gut = false;
    }
    std::fclose(f);
    if (!gut)
        return false;
    if (text.starts_with("\xEF\xBB\xBF") && plattform::istGueltigesUtf8(text))
        text.erase(0, 3);
    plattform::geladenenTextAngleichen(text);
    text = plattform::zeilenendenLf(text);
    return true;
}

bool textDateiSpeichern(const std::string& pfad, const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    std::string grund;
    if (plattform::dateiSicherSchreiben(pfad, bytes, &grund))
        return true;
    // no temporary file beside it: the folder does not take files; else writing failed
    const bool nichtAngelegt = grund.starts_with("cannot create");
    plattform::hinweisBox(meldungFormatieren(nichtAngelegt ? 286 : 75, pfad) + "\n(" + grund + ")");
    return false;
}

std::string zahlText(double x)
{
    char puffer[32];
    const auto [p, ec] = std::to_chars(puffer, puffer + sizeof puffer, x);
    return ec == std::errc() ? std::string(puffer, p) : std::string("0");
}
