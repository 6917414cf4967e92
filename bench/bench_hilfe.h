// bench/bench_hilfe.h - what the benchmark programs share: the probe run of the tests, a
// loud end for a broken measurement, and answers to what the program asks on the scripted
// platform
#pragma once
#include "platform/box.h"
#include "platform/test/testplattform.h"
#include <cstdio>
#include <cstdlib>
#include <errno.h>
#include <set>
#include <string>

namespace benchhilfe {

// With VELNOR_BENCH_PROBE set, every case runs once and as short as it can, the largest
// sizes left out where they take seconds under the sanitizers: the tests run each benchmark
// program so, and a benchmark that breaks fails them. Such figures mean nothing.
inline bool probe()
{
    static const bool ja = std::getenv("VELNOR_BENCH_PROBE") != nullptr;
    return ja;
}

// a measurement that went wrong is no figure: said, and the program fails
[[noreturn]] inline void abbrechen(const std::string& grund)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, grund.c_str());
    std::exit(1);
}

// The program's boxes answered as by a user who wants the measured action and nothing
// besides: a question with No declines what it offers (the save before a network goes), one
// with OK and Cancel goes on, a notice is confirmed; a fatal message ends the benchmark.
// Each text is named once on stderr, so a changed question shows. The scripted platform
// forgets the rule with plattform::test::zuruecksetzen(): set it again after each.
inline void boxenBeantworten()
{
    using namespace plattform;
    test::fehlerBehandlungSetzen([](const std::string& text) { abbrechen(text); });
    test::boxRegelSetzen([](const std::string& titel, const std::string& text, uint32_t art) {
        static std::set<std::string> gesehen;
        const uint32_t k = art & 0xF;
        const bool frage = (art & 0xF0) == symbol::Frage;
        const int a = k == knoepfe::Ok                      ? antwort::Ok
                    : !frage                                ? 0
                    : k == knoepfe::OkAbbrechen             ? antwort::Ok
                                                            : antwort::Nein;
        if (a != 0 && gesehen.insert(text).second)
            std::fprintf(stderr, "%s: answered %s to \"%s\": %s\n", program_invocation_short_name,
                         a == antwort::Ok ? "OK" : "No", titel.c_str(), text.c_str());
        return a;
    });
}

} // namespace benchhilfe
