// tests/stuetzen/testhilfe.h - files, folders, times and windows that many tests need
#pragma once
#include "platform/fenster.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <ctime>
#include <filesystem>
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

// a fresh folder in the temporary directory; the path ends in '/'
inline std::string tempOrdner(const std::string& name)
{
    std::string vorlage = std::filesystem::temp_directory_path().string() + "/" + name + "-XXXXXX";
    if (!mkdtemp(vorlage.data()))
        ADD_FAILURE() << "no temporary folder";
    return vorlage + "/";
}

// the local time the result names are stamped with: 5 March 2024, 07:08 and the second
inline std::tm zeitstempel(int sekunde)
{
    std::tm z{};
    z.tm_year = 124; z.tm_mon = 2; z.tm_mday = 5; z.tm_hour = 7; z.tm_min = 8; z.tm_sec = sekunde;
    return z;
}

// a window the run only tests for presence
inline const plattform::Fenster fensterAttrappe = reinterpret_cast<plattform::Fenster>(1);

} // namespace testhilfe
