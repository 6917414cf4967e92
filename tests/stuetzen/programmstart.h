// tests/stuetzen/programmstart.h - the program's start as every test and benchmark makes it:
// without the board library of the machine
//
// The start binds Comedi's library where it is installed (libcomedi.so.0). Its probe fails
// without a device and sets the library's thread-local error number, a block of dynamic TLS;
// once the library is closed again, LeakSanitizer's tracer reads a garbage range for that
// block at the program's exit and crashes on some machines (seen with a desktop's packages
// installed), after every check has passed. So a test program binds no board library unless
// a test names one (the board's own tests: the stand-in or the installed library).
#pragma once
#include "app/start.h"
#include <string>

namespace testhilfe {

// a library that is nowhere: the start finds no board, as where Comedi is not installed
inline constexpr const char* keineMesskartenBibliothek = "libvelnor-ohne-messkarte.so";

// the start's test hooks back to none, and no board library
inline void startHakenZuruecksetzen()
{
    startHaken = {};
    startHaken.messkartenBibliothek = keineMesskartenBibliothek;
}

// programmStarten with the board library a test named, else none
inline bool programmStarten(const std::string& argument, const std::string& ordner, bool darstellbar = true)
{
    if (!startHaken.messkartenBibliothek)
        startHaken.messkartenBibliothek = keineMesskartenBibliothek;
    return ::programmStarten(argument, ordner, darstellbar);
}

} // namespace testhilfe
