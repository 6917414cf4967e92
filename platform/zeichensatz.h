// platform/zeichensatz.h - Windows-1252 <-> UTF-8
//
// The program keeps its texts in Windows-1252, as its files are written; the GUI and the
// file system speak UTF-8.
#pragma once
#include <string>
#include <string_view>

namespace plattform {

std::string nachUtf8(std::string_view cp1252);
// false when the text holds a character Windows-1252 cannot hold (ziel then holds '?'
// in its place) or when the text is not valid UTF-8.
bool nachCp1252(std::string_view utf8, std::string& ziel);
std::string nachCp1252(std::string_view utf8);     // unknown characters become '?'

bool istGueltigesUtf8(std::string_view text);

// Upper and lower case of Windows-1252 folded to one byte, and texts compared that way
// (<0, 0, >0), as file names and sorted lists compare.
unsigned char cp1252Falten(unsigned char c);
int cp1252Vergleichen(std::string_view a, std::string_view b);
// "\r\n" and a lone "\r" become "\n" (how the text box holds its lines)
std::string zeilenendenLf(std::string_view text);
// A loaded file that is valid UTF-8 as a whole and holds non-ASCII bytes was not written
// by this program: convert it to Windows-1252. Returns true when it converted.
bool geladenenTextAngleichen(std::string& text);

} // namespace plattform
