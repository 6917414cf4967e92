// script/ersatzdatei.cpp - a result or index file written beside the file it replaces
#include "script/ersatzdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The process's file-creation mask, read without setting it: setting it even for a moment
// would give a file another thread creates meanwhile the wrong rights. false when the
// system does not tell it.
bool dateiMaske(mode_t& maske)
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return false;
    char zeile[256];
    bool gefunden = false;
    while (!gefunden && std::fgets(zeile, sizeof zeile, f)) {
        if (std::strncmp(zeile, "Umask:", 6) != 0)
            continue;
        char* ende = nullptr;
        const unsigned long wert = std::strtoul(zeile + 6, &ende, 8);
        gefunden = ende != zeile + 6 && wert <= 0777;
        maske = static_cast<mode_t>(wert);
    }
    std::fclose(f);
    return gefunden;
}

// The rights of the new file: those of the file it replaces, else those a file simply
// created would get. Without either it stays private, as mkstemp made it.
void rechteSetzen(int fd, const std::string& ziel)
{
    struct stat alt;
    if (::stat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode)) {
        ::fchmod(fd, alt.st_mode & 07777);
        return;
    }
    mode_t maske = 0;
    if (dateiMaske(maske))
        ::fchmod(fd, 0666 & ~maske);
}

} // namespace

std::FILE* ersatzOeffnen(const std::string& ziel, std::string& neu)
{
    const std::string aufgeloest = plattform::pfadAufloesen(ziel);
    neu = aufgeloest + ".XXXXXX";
    const int fd = ::mkstemp(neu.data());
    if (fd < 0) {
        neu.clear();
        return nullptr;
    }
    rechteSetzen(fd, aufgeloest);
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
    if (::rename(neu.c_str(), plattform::pfadAufloesen(ziel).c_str()) != 0)
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
    if (!grund && ::rename(neu.c_str(), plattform::pfadAufloesen(ziel).c_str()) != 0)
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
    plattform::hinweisBox(meldungFormatieren(947, ziel, std::string(std::strerror(grund ? grund : EIO))));
}
