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
#include <vector>

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

// Removes the folders tempOrdner made once the test that made them has ended, passed or
// failed; those made outside a test when the program's tests have run.
class TempAufraeumer : public ::testing::EmptyTestEventListener {
public:
    void merken(const std::string& ordner)
    {
        (::testing::UnitTest::GetInstance()->current_test_info() ? imTest : sonst).push_back(ordner);
    }

private:
    std::vector<std::string> imTest, sonst;

    static void weg(std::vector<std::string>& ordner)
    {
        for (const std::string& o : ordner) {
            std::error_code egal;
            std::filesystem::remove_all(o, egal);
        }
        ordner.clear();
    }
    void OnTestEnd(const ::testing::TestInfo&) override { weg(imTest); }
    void OnTestProgramEnd(const ::testing::UnitTest&) override { weg(imTest), weg(sonst); }
};

// registered once per test program, before its first test; GoogleTest owns it
inline TempAufraeumer* const tempAufraeumer = [] {
    auto* a = new TempAufraeumer;
    ::testing::UnitTest::GetInstance()->listeners().Append(a);
    return a;
}();

// a fresh folder in the temporary directory, gone when the test ends; the path ends in '/'
inline std::string tempOrdner(const std::string& name)
{
    std::string vorlage = std::filesystem::temp_directory_path().string() + "/" + name + "-XXXXXX";
    if (!mkdtemp(vorlage.data()))
        ADD_FAILURE() << "no temporary folder";
    tempAufraeumer->merken(vorlage);
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
