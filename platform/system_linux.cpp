// platform/system_linux.cpp - scheduling, processor cores, disk space and memory
#include "platform/system.h"
#include "platform/pfad.h"
#include <pthread.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>
#include <sched.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace plattform {

namespace {

// the mask the process started with, taken before any binding of ours
const cpu_set_t& startMaske()
{
    static const cpu_set_t maske = [] {
        cpu_set_t m;
        CPU_ZERO(&m);
        if (::sched_getaffinity(0, sizeof m, &m) != 0)
            CPU_ZERO(&m);
        return m;
    }();
    return maske;
}

void grundSetzen(std::string* grund, const std::string& text)
{
    if (grund)
        *grund = text;
}

} // namespace

bool echtzeitPrioritaet(std::string* grund)
{
    sched_param sp{};
    sp.sched_priority = ::sched_get_priority_max(SCHED_FIFO);
    const int fehler = ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &sp);
    if (fehler != 0) {
        grundSetzen(grund, fehler == EPERM
            ? "the system does not grant real-time scheduling to this user (needs CAP_SYS_NICE or an rtprio limit)"
            : std::string("real-time scheduling refused: ") + std::strerror(fehler));
        return false;
    }
    return true;
}

uint64_t prozessKerne()
{
    const cpu_set_t& m = startMaske();
    uint64_t bits = 0;
    for (int k = 0; k < 64; ++k)
        if (CPU_ISSET(k, &m))
            bits |= uint64_t{1} << k;
    return bits;
}

bool aufKernBinden(int kern, std::string* grund)
{
    if (kern < 0 || kern >= 64 || !(prozessKerne() & (uint64_t{1} << kern))) {
        grundSetzen(grund, "processor core " + std::to_string(kern) + " is not available to this process");
        return false;
    }
    cpu_set_t m;
    CPU_ZERO(&m);
    CPU_SET(kern, &m);
    if (::sched_setaffinity(0, sizeof m, &m) != 0) {
        grundSetzen(grund, std::string("binding to a core was refused: ") + std::strerror(errno));
        return false;
    }
    return true;
}

void kernBindungAufheben()
{
    ::sched_setaffinity(0, sizeof(cpu_set_t), &startMaske());
}

int64_t freierPlatz(const std::string& ordner)
{
    struct statvfs st;
    if (::statvfs(pfadAufloesen(ordner.empty() ? "." : ordner).c_str(), &st) != 0)
        return -1;
    return static_cast<int64_t>(st.f_bavail) * static_cast<int64_t>(st.f_frsize);
}

int64_t verfuegbarerSpeicher()
{
    // MemAvailable counts reclaimable caches, which free RAM alone does not
    if (std::FILE* f = std::fopen("/proc/meminfo", "r")) {
        char zeile[256];
        long long kb = -1;
        while (std::fgets(zeile, sizeof zeile, f))
            if (std::sscanf(zeile, "MemAvailable: %lld kB", &kb) == 1)
                break;
        std::fclose(f);
        if (kb >= 0)
            return kb * 1024;
    }
    struct sysinfo si;
    if (::sysinfo(&si) != 0)
        return -1;
    return static_cast<int64_t>(si.freeram) * si.mem_unit;
}

int64_t verfuegbarerVirtuellerSpeicher()
{
    const int64_t speicher = verfuegbarerSpeicher();
    struct sysinfo si;
    if (speicher < 0 || ::sysinfo(&si) != 0)
        return -1;
    return speicher + static_cast<int64_t>(si.freeswap) * si.mem_unit;
}

int programmAusfuehren(const std::vector<std::string>& argumente)
{
    if (argumente.empty())
        return -1;
    std::vector<char*> argv;
    for (const std::string& a : argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace plattform
