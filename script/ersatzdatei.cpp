// script/ersatzdatei.cpp - a result or index file written beside the file it replaces
#include "script/ersatzdatei.h"
#include "files/netzdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

std::FILE* ersatzOeffnen(const std::string& ziel, std::string& neu)
{
    const std::string aufgeloest = plattform::schreibPfadAufloesen(ziel);
    neu = aufgeloest + ".XXXXXX";
    const int fd = ::mkstemp(neu.data());
    if (fd < 0) {
        neu.clear();
        return nullptr;
    }
    plattform::ersatzRechteGeben(fd, aufgeloest);
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        const int grund = errno;
        ::close(fd);
        ::unlink(neu.c_str());
        neu.clear();
        errno = grund;
    }
    return f;
}

bool ersatzEinsetzen(std::FILE* f, std::string& neu, const std::string& ziel)
{
    if (std::ferror(f)) {
        errno = EIO;
        return false;
    }
    if (std::fflush(f) != 0 || ::fsync(::fileno(f)) != 0)
        return false;
    if (::rename(neu.c_str(), plattform::schreibPfadAufloesen(ziel).c_str()) != 0)
        return false;
    neu.clear();
    return true;
}

bool ersatzAbschliessen(std::FILE*& f, std::string& neu, const std::string& ziel)
{
    int grund = std::ferror(f) ? EIO : 0;
    if (!grund && (std::fflush(f) != 0 || ::fsync(::fileno(f)) != 0))
        grund = errno;
    if (std::fclose(f) != 0 && !grund)
        grund = errno;
    f = nullptr;
    if (!grund && ::rename(neu.c_str(), plattform::schreibPfadAufloesen(ziel).c_str()) != 0)
        grund = errno;
    if (grund) {
        ::unlink(neu.c_str());
        neu.clear();
        errno = grund;
        return false;
    }
    neu.clear();
    return true;
}

void ersatzVerwerfen(std::FILE*& f, std::string& neu)
{
    if (f)
        std::fclose(f);
    f = nullptr;
    if (!neu.empty())
        ::unlink(neu.c_str());
    neu.clear();
}

void ersatzFehlerMelden(const std::string& ziel, int grund)
{
    plattform::hinweisBox(meldungFormatieren(947, ziel, systemGrund(grund ? grund : EIO)));
}
