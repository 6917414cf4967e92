// files/xbuffer.h - the text every writer of the settings and network files prints into
//
// The writers never write line by line to disk: each section writer prints its lines at
// the shared cursor textZeiger, and the finished text reaches the file with one write.
// The text grows as it is printed, so no network is too large for it.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

class XBuffer {
public:
    // appends the formatted text (printf formats; numbers with the "C" decimal point)
    void drucken(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // appends a text as it stands
    void anhaengen(std::string_view text);
    // The pieces of a line without a format, for the writers of long runs of lines: a whole
    // number as "%d", a number as "%.15g" and as "%f" print it, the line end.
    void ganzAnhaengen(long long wert);
    void zahlAnhaengen(double wert);
    void sechsStellenAnhaengen(double wert);
    void zeilenende();
    // From now on every LF printed or appended gets a CR before it, unless one stands there
    // already: the text is built with the line ends of a file on disk, in one pass.
    void crLfZeilenenden() { crLf = true; }

    // room for n bytes in all, so a large text is not copied while it grows
    void reservieren(size_t n) { inhalt.reserve(n); }

    const std::string& text() const { return inhalt; }
    size_t laenge() const { return inhalt.size(); }
    void leeren() { inhalt.clear(); }
    // drops everything from position ab on
    void kuerzen(size_t ab);

    // The text from position ab on into the file; false when not every byte was written.
    bool schreiben(std::FILE* datei, size_t ab = 0) const;

private:
    std::string inhalt;
    bool crLf = false;
};

// The shared write cursor: the buffer the section writers print into. A writer that makes
// or receives a buffer points it there; nested section writers continue at it.
extern XBuffer* textZeiger;

// A section writer's "flush": with flush non-zero, what was printed since the position
// ab goes to the file and leaves the buffer; false when the file did not take it.
bool xbufferAbgeben(XBuffer& puffer, size_t ab, std::FILE* datei, int flush);
