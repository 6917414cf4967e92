// core/schluessel.h - the key=value readers every file reader uses
//
// The texts are whole files loaded into memory, ended by a zero byte. The number readers
// turn a decimal comma into a point inside the text itself (a line that holds no point),
// so callers pass writable text.
#pragma once
#include <string>

// Finds schluessel anywhere in text (first occurrence, also inside a longer key or a
// comment) and reads the number behind it with kommaZahlLesen. Returns the position
// just behind the key, or null with aus unchanged.
char* schluesselZahlLesen(double* aus, char* text, const char* schluessel);

// Finds the first schluessel that stands at a line start (the text start counts as one),
// skips blanks and tabs behind it and copies the rest of the line (up to CR, LF or the
// end of the text): at most max - 1 bytes for max >= 1, nothing for max 0. A "//" in the
// copy cuts it together with the blanks before it. Returns the position behind the
// copied bytes (max 0: the value's start), or null with aus unchanged. A fixed buffer
// never takes "the whole rest": a negative max copies nothing, as 0 does.
const char* schluesselTextLesen(char* aus, int max, const char* text, const char* schluessel);
// The same with a growing output, where max -1 takes the whole rest of the line.
const char* schluesselTextLesen(std::string& aus, int max, const char* text, const char* schluessel);

// For a text the user typed and the writer puts behind its key as it is: the same key
// search, then the rest of the line exactly (blanks behind the key and "//" belong to the
// text), at most max - 1 bytes. Returns the position behind the copied bytes, or null with
// aus unchanged; max below 1 copies nothing.
const char* schluesselZeileLesen(std::string& aus, int max, const char* text, const char* schluessel);

inline char* schluesselTextLesen(char* aus, int max, char* text, const char* schluessel)
{
    return const_cast<char*>(schluesselTextLesen(aus, max, static_cast<const char*>(text), schluessel));
}
inline char* schluesselTextLesen(std::string& aus, int max, char* text, const char* schluessel)
{
    return const_cast<char*>(schluesselTextLesen(aus, max, static_cast<const char*>(text), schluessel));
}

// Returns the text line by line: skips empty lines, copies up to the next control
// character other than TAB (at most max - 1 bytes; a longer line is cut, reported with
// message 344 and skipped to its end), drops a "//" comment with the blanks before it,
// and returns the position of the following line. Each text keeps its own read position
// (a text is known by its address and its first bytes, so a new file in a reused buffer
// starts at its beginning): after its last line the next call for that text returns null
// once and the text starts again. (null, null, 0) forgets every position; (text, null, 0)
// only that text's. A control character other than CR and LF ends the line and is
// stepped over with it.
char* zeileLesen(char* text, char* aus, int max);

// The number at text, read up to the end of its line. When that line (from text on)
// holds no '.', its first ',' becomes '.' in the text itself. No number gives 0.
double kommaZahlLesen(char* text);
// The same comma handling, then the whole part as atoi reads it ("3,5" gives 3); values
// beyond the int range are clamped.
int kommaGanzzahlLesen(char* text);
