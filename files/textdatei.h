// files/textdatei.h - the companion text files of a network (current, stimulus and
// definition files): read whole, saved without ever losing the old file
#pragma once
#include <cstdio>
#include <string>

enum class DateiGelesen { Ja, Fehler, KeinSpeicher };
// Reads the open file whole into text and closes it; laenge: the bytes read.
DateiGelesen dateiGanzLesen(std::FILE* f, std::string& text, long& laenge);
// A text from elsewhere as text mode reads it: an editor's byte order mark goes, UTF-8
// becomes the program's Windows-1252, CR LF becomes LF (a lone CR stays).
void textAngleichen(std::string& text);

// The whole file: an editor's byte order mark goes, a file in UTF-8 becomes the program's
// Windows-1252, CR LF and a lone CR become LF. false when it cannot be opened or read.
bool textDateiLesen(const std::string& pfad, std::string& text);

// The text with CR LF line ends, as a file on disk has them; a CR already there (a pasted
// protocol) stays single.
std::string mitCrLf(const std::string& text);

// Writes bytes through a temporary file beside pfad, so the old file stays whatever
// happens. A file that cannot be made there is reported with oeffnenText, a write, close
// or rename that fails with text 75; the result is then false.
bool sicherSchreiben(const std::string& pfad, const std::string& bytes, int oeffnenText);

// The text with CR LF line ends, saved through sicherSchreiben (286 when no file can be
// made there).
bool textDateiSpeichern(const std::string& pfad, const std::string& text);

// the shortest text that reads back as the same number ("0.1", "4.8e-10")
std::string zahlText(double x);
