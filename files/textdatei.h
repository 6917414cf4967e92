// files/textdatei.h - the companion text files of a network (current, stimulus and
// definition files): read whole, saved without ever losing the old file
#pragma once
#include <string>

// The whole file: an editor's byte order mark goes, a file in UTF-8 becomes the program's
// Windows-1252, CR LF and a lone CR become LF. false when it cannot be opened or read.
bool textDateiLesen(const std::string& pfad, std::string& text);

// The text with CR LF line ends, written through a temporary file beside pfad: a failed
// save keeps the old file and says so in a notice (286 when no file can be made there,
// 75 when it could not be written completely), and the result is false.
bool textDateiSpeichern(const std::string& pfad, const std::string& text);

// the shortest text that reads back as the same number ("0.1", "4.8e-10")
std::string zahlText(double x);
