// tests/stuetzen/dateien.h - whole files written and read back by tests
#pragma once
#include <fstream>
#include <iterator>
#include <string>

namespace testhilfe {

inline void schreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

inline std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

} // namespace testhilfe
