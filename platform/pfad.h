// platform/pfad.h - program directory, path mapping, opening files
//
// Paths inside the program are Windows-1252 text with '/' (or '\' as stored files have
// them). Before they reach the file system they are mapped here: '\' becomes '/', a
// drive prefix "C:" is dropped, the text becomes UTF-8, and each component that does
// not exist under its exact name is looked up ignoring case - except the last one of a
// file that is written, renamed to or deleted.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace plattform {

// The folder of the running executable, with a trailing '/', in Windows-1252.
const std::string& programmVerzeichnis();
// The running executable's full path (UTF-8, as the file system has it); "" when unknown.
const std::string& programmDatei();

// The file-system form of a program path (UTF-8). Components that exist neither exactly
// nor ignoring case are kept as given, so a new file can be created under the name.
std::string pfadAufloesen(const std::string& pfad);

// The file-system form of a path that is written, renamed to or deleted: its folders are
// found as pfadAufloesen finds them, its last name part is taken exactly as given, so a
// write never lands in another file whose name differs only in case.
std::string schreibPfadAufloesen(const std::string& pfad);
// pfad with its last name part as the file on the disk has it, when the file was found only
// ignoring case; else pfad as it is. A file opened or remembered under such a name is later
// written under this one, not beside it under the name that found it.
std::string gefundenenNamenNehmen(const std::string& pfad);
// Whether writing to a and to b writes one file: the same write-side path, or, where both
// exist, the same file by another name.
bool gleichesSchreibziel(const std::string& a, const std::string& b);
// Whether an fopen mode writes ('w', 'a', 'x' or '+').
bool schreibModus(const char* modus);

// fopen on the resolved path (the write-side form for a writing mode); null with errno set
// on failure.
std::FILE* dateiOeffnen(const std::string& pfad, const char* modus);
bool dateiExistiert(const std::string& pfad);
// Whether a write to pfad replaces a file: the one of exactly that last name part. What asks
// before replacing a file asks by this, not about a file whose name differs only in case.
bool schreibzielExistiert(const std::string& pfad);

// Whether name matches muster: '*' any run of characters, '?' one, letters without regard
// to case (Windows-1252).
bool namePasst(std::string_view muster, std::string_view name);
// The names (Windows-1252) of the entries of ordner that are no folders and match muster, in
// byte order; names Windows-1252 cannot hold are left out. false when the folder cannot be
// read (fehler: the system's reason).
bool dateienAuflisten(const std::string& ordner, const std::string& muster, std::vector<std::string>& namen,
                      std::string* fehler = nullptr);

// Where a safe write failed: the temporary file could not be made beside the target (the
// folder is missing or not writable), or writing, closing or renaming it failed.
enum class SchreibFehler { Oeffnen, Schreiben };

// Writes bytes to pfad (its last name part taken exactly) without ever destroying the old
// file first: a temporary file in the same folder is written, flushed and renamed over it.
// On failure the old file is untouched, the temporary one removed, fehler says why and art
// at which step; errno holds the system's reason.
bool dateiSicherSchreiben(const std::string& pfad, std::string_view bytes, std::string* fehler = nullptr,
                          SchreibFehler* art = nullptr);

// The rights of a file written under a temporary name (fd) before it replaces ziel: those
// of the file it replaces, else those a file simply created would get, from the process's
// creation mask as statusDatei tells it, read without setting it (setting it even for a
// moment gives a file another thread creates meanwhile the wrong rights). Where the system
// does not tell it (no /proc, an old kernel), the mask the process started with.
void ersatzRechteGeben(int fd, const std::string& ziel, const char* statusDatei = "/proc/self/status");

} // namespace plattform
