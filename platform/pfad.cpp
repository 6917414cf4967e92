// platform/pfad.cpp - program directory, path mapping, opening files
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace plattform {

namespace {

bool existiert(const std::string& nativ)
{
    struct stat st;
    return ::lstat(nativ.c_str(), &st) == 0;
}

bool gleichOhneGross(const std::string& a, const std::string& b)
{
    return cp1252Vergleichen(a, b) == 0;
}

// The entry of ordner (native) whose name equals name (UTF-8) ignoring case, or "".
std::string eintragSuchen(const std::string& ordner, const std::string& name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(ordner.empty() ? "." : ordner.c_str()), ::closedir);
    if (!d)
        return {};
    const std::string gesucht = nachCp1252(name);
    while (dirent* e = ::readdir(d.get())) {
        const std::string eintrag = e->d_name;
        if (gleichOhneGross(nachCp1252(eintrag), gesucht))
            return eintrag;
    }
    return {};
}

} // namespace

const std::string& programmDatei()
{
    static const std::string datei = [] {
        std::vector<char> puffer(4096);
        const ssize_t n = ::readlink("/proc/self/exe", puffer.data(), puffer.size() - 1);
        return n <= 0 ? std::string() : std::string(puffer.data(), static_cast<size_t>(n));
    }();
    return datei;
}

const std::string& programmVerzeichnis()
{
    static const std::string verzeichnis = [] {
        std::vector<char> puffer(4096);
        const ssize_t n = ::readlink("/proc/self/exe", puffer.data(), puffer.size() - 1);
        if (n <= 0)
            return std::string("./");
        std::string exe(puffer.data(), static_cast<size_t>(n));
        const size_t schnitt = exe.rfind('/');
        return nachCp1252(exe.substr(0, schnitt + 1));
    }();
    return verzeichnis;
}

namespace {

// '/' for '\\', and without the drive of a stored Windows path ("C:/...", "C:name"), which
// has no meaning here
std::string ohneWindowsForm(const std::string& pfad)
{
    std::string p = pfad;
    for (char& c : p)
        if (c == '\\')
            c = '/';
    if (p.size() >= 2 && p[1] == ':' && ((p[0] | 0x20) >= 'a' && (p[0] | 0x20) <= 'z'))
        p.erase(0, 2);
    return p;
}

} // namespace

std::string pfadAufloesen(const std::string& pfad)
{
    const std::string nativ = nachUtf8(ohneWindowsForm(pfad));
    if (nativ.empty() || existiert(nativ))
        return nativ;

    std::string aufgeloest = nativ[0] == '/' ? "/" : "";
    size_t anfang = nativ[0] == '/' ? 1 : 0;
    bool gefunden = true;
    while (anfang <= nativ.size()) {
        size_t ende = nativ.find('/', anfang);
        if (ende == std::string::npos)
            ende = nativ.size();
        std::string teil = nativ.substr(anfang, ende - anfang);
        if (gefunden && !teil.empty() && teil != "." && teil != "..") {
            if (!existiert(aufgeloest + teil)) {
                std::string treffer = eintragSuchen(aufgeloest, teil);
                if (treffer.empty())
                    gefunden = false;       // the rest stays as given (a file to be created)
                else
                    teil = treffer;
            }
        }
        aufgeloest += teil;
        if (ende < nativ.size())
            aufgeloest += '/';
        anfang = ende + 1;
    }
    return aufgeloest;
}

std::string schreibPfadAufloesen(const std::string& pfad)
{
    const std::string p = ohneWindowsForm(pfad);
    const size_t schnitt = p.rfind('/');
    if (schnitt == std::string::npos)
        return nachUtf8(p);
    // the folders may be found ignoring case, as a reader finds them; the name itself is the
    // one the user gave, or a file whose name differs only in case would be replaced
    std::string ordner = pfadAufloesen(p.substr(0, schnitt + 1));
    if (ordner.empty() || ordner.back() != '/')
        ordner += '/';
    return ordner + nachUtf8(p.substr(schnitt + 1));
}

std::string gefundenenNamenNehmen(const std::string& pfad)
{
    const std::string nativ = pfadAufloesen(pfad);
    if (!existiert(nativ))
        return pfad;
    const size_t trenner = pfad.find_last_of("/\\");
    std::string name;
    if (!nachCp1252(nativ.substr(nativ.rfind('/') + 1), name) || name.empty())
        return pfad;
    return (trenner == std::string::npos ? std::string() : pfad.substr(0, trenner + 1)) + name;
}

bool gleichesSchreibziel(const std::string& a, const std::string& b)
{
    const std::string na = schreibPfadAufloesen(a), nb = schreibPfadAufloesen(b);
    if (na == nb)
        return true;
    // "./x" and "x", a link to the folder: one file by two names
    std::error_code fa, fb;
    const std::filesystem::path ka = std::filesystem::weakly_canonical(std::filesystem::absolute(na, fa), fa);
    const std::filesystem::path kb = std::filesystem::weakly_canonical(std::filesystem::absolute(nb, fb), fb);
    if (!fa && !fb && ka == kb)
        return true;
    // a hard link: the same file when both exist
    struct stat sa, sb;
    return ::stat(na.c_str(), &sa) == 0 && ::stat(nb.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool schreibModus(const char* modus)
{
    return modus && std::strpbrk(modus, "wax+") != nullptr;
}

std::FILE* dateiOeffnen(const std::string& pfad, const char* modus)
{
    return std::fopen((schreibModus(modus) ? schreibPfadAufloesen(pfad) : pfadAufloesen(pfad)).c_str(), modus);
}

bool dateiExistiert(const std::string& pfad)
{
    struct stat st;
    return ::stat(pfadAufloesen(pfad).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool schreibzielExistiert(const std::string& pfad)
{
    struct stat st;
    return ::stat(schreibPfadAufloesen(pfad).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool namePasst(std::string_view muster, std::string_view name)
{
    size_t m = 0, n = 0, sternM = std::string_view::npos, sternN = 0;
    while (n < name.size()) {
        if (m < muster.size() && muster[m] == '*') {
            sternM = m++;
            sternN = n;
        } else if (m < muster.size() &&
                   (muster[m] == '?' || cp1252Falten(static_cast<unsigned char>(muster[m])) ==
                                            cp1252Falten(static_cast<unsigned char>(name[n])))) {
            ++m;
            ++n;
        } else if (sternM != std::string_view::npos) {
            m = sternM + 1;
            n = ++sternN;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == '*')
        ++m;
    return m == muster.size();
}

bool dateienAuflisten(const std::string& ordner, const std::string& muster, std::vector<std::string>& namen,
                      std::string* fehler)
{
    namen.clear();
    const std::string nativ = pfadAufloesen(ordner.empty() ? "." : ordner);
    std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(nativ.c_str()), ::closedir);
    if (!d) {
        if (fehler)
            *fehler = std::strerror(errno);
        return false;
    }
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(d.get());
        if (!e)
            break;
        std::string name;
        if (!nachCp1252(e->d_name, name) || !namePasst(muster, name))
            continue;
        // an entry that cannot be looked at is no folder: its reader says why it cannot be read
        struct stat st;
        if (::stat((nativ + "/" + e->d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            continue;
        namen.push_back(std::move(name));
    }
    if (errno != 0) {
        if (fehler)
            *fehler = std::strerror(errno);
        return false;
    }
    std::sort(namen.begin(), namen.end());
    return true;
}

namespace {

// The file-creation mask as the process starts: setting and resetting it is harmless
// while no other thread exists that could create a file meanwhile.
const mode_t startMaske = [] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}();

// the process's file-creation mask as the system tells it; false when it does not
bool dateiMaske(const char* statusDatei, mode_t& maske)
{
    std::FILE* f = std::fopen(statusDatei, "r");
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
        if (gefunden)
            maske = static_cast<mode_t>(wert);
    }
    std::fclose(f);
    return gefunden;
}

} // namespace

void ersatzRechteGeben(int fd, const std::string& ziel, const char* statusDatei)
{
    struct stat alt;
    if (::stat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode)) {
        ::fchmod(fd, alt.st_mode & 07777);
        return;
    }
    mode_t maske = startMaske;
    dateiMaske(statusDatei, maske);
    ::fchmod(fd, 0666 & ~maske);
}

bool dateiSicherSchreiben(const std::string& pfad, std::string_view bytes, std::string* fehler, SchreibFehler* art)
{
    const std::string ziel = schreibPfadAufloesen(pfad);
    std::string vorlage = ziel + ".XXXXXX";
    const auto melden = [&](const char* was, SchreibFehler schritt = SchreibFehler::Schreiben) {
        // errno stays the system's reason for the caller, whatever building the text does
        const int grund = errno;
        if (fehler)
            *fehler = std::string(was) + " \"" + nachCp1252(ziel) + "\": " + std::strerror(grund);
        if (art)
            *art = schritt;
        errno = grund;
        return false;
    };
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0)
        return melden("cannot create a temporary file beside", SchreibFehler::Oeffnen);
    ersatzRechteGeben(fd, ziel);
    size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int e = errno ? errno : ENOSPC;
            ::close(fd);
            ::unlink(vorlage.c_str());
            errno = e;
            return melden("cannot write");
        }
        geschrieben += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int e = errno;
        ::unlink(vorlage.c_str());
        errno = e;
        return melden("cannot write");
    }
    if (::rename(vorlage.c_str(), ziel.c_str()) != 0) {
        const int e = errno;
        ::unlink(vorlage.c_str());
        errno = e;
        return melden("cannot replace");
    }
    return true;
}

} // namespace plattform
