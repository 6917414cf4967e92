// files/xbuffer.cpp
#include "files/xbuffer.h"
#include <cstdarg>

XBuffer* textZeiger = nullptr;

void XBuffer::drucken(const char* format, ...)
{
    va_list argumente;
    va_start(argumente, format);
    va_list kopie;
    va_copy(kopie, argumente);
    const int n = std::vsnprintf(nullptr, 0, format, kopie);
    va_end(kopie);
    if (n > 0) {
        const size_t alt = inhalt.size();
        inhalt.resize(alt + static_cast<size_t>(n) + 1);
        std::vsnprintf(inhalt.data() + alt, static_cast<size_t>(n) + 1, format, argumente);
        inhalt.resize(alt + static_cast<size_t>(n));
    }
    va_end(argumente);
}

void XBuffer::kuerzen(size_t ab)
{
    if (ab < inhalt.size())
        inhalt.resize(ab);
}

bool XBuffer::schreiben(std::FILE* datei, size_t ab) const
{
    if (!datei)
        return false;
    if (ab >= inhalt.size())
        return true;
    const size_t n = inhalt.size() - ab;
    return std::fwrite(inhalt.data() + ab, 1, n, datei) == n;
}

bool xbufferAbgeben(XBuffer& puffer, size_t ab, std::FILE* datei, int flush)
{
    if (!flush)
        return true;
    const bool gut = puffer.schreiben(datei, ab);
    puffer.kuerzen(ab);
    return gut;
}
