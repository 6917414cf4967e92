// core/token.cpp - dateiTokenLesen
//
// One window for the whole program, as big as the file being read plus 4 bytes, so a
// file is normally read in one fill. The refill path stays for files that grow while
// being read or do not tell their length. The end of the filled bytes is the end mark:
// no byte value stands for it, so a stray byte 255 is just a bad entry (124).
#include "core/token.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"

#include "core/fehler.h"
#include "core/zahlen.h"
#include "platform/box.h"
#include "texts/texte.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <vector>

int tokenLeserFlags = tokenFlag::NeueDatei;
size_t tokenFensterGrenze = size_t(1) << 30;

namespace {

constexpr size_t rest = 30;                 // fewer unread bytes than this: refill
constexpr size_t ohneLaenge = 64 * 1024;    // window for a file that does not tell its length

std::vector<unsigned char> fenster;
size_t gefuellt = 0;      // valid bytes in the window; nothing behind them is ever read
size_t position = 0;
std::string dateiPfad;

bool istTrenner(unsigned char c) { return c <= 13; }
// What editors leave behind the last value: line ends, blanks and Ctrl-Z (26, the old
// end-of-text mark). None of it is a value, so a file whose values were all read is
// complete however many of these follow.
bool istEndrest(unsigned char c) { return istTrenner(c) || c == ' ' || c == 26; }

long dateiLaenge(std::FILE* datei)
{
    const long jetzt = std::ftell(datei);
    if (jetzt < 0 || std::fseek(datei, 0, SEEK_END) != 0)
        return -1;
    const long laenge = std::ftell(datei);
    std::fseek(datei, jetzt, SEEK_SET);
    return laenge;
}

// a window of the file's own size; false after the out-of-memory report. A file beyond
// the limit is the file's fault, not the machine's: a notice, and the program goes on.
bool fensterBereitstellen(std::FILE* datei)
{
    const long laenge = dateiLaenge(datei);
    const size_t groesse = laenge >= 0 ? static_cast<size_t>(laenge) + 4 : ohneLaenge;
    const bool zuGross = groesse > tokenFensterGrenze;
    bool ok = !zuGross;
    if (ok) {
        try {
            fenster.assign(groesse, 0);
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    if (!ok) {
        fenster.clear();
        gefuellt = position = 0;
        meldungFormatieren(124, static_cast<int>(std::min<long>(laenge, INT_MAX)), dateiPfad);
        if (zuGross)
            plattform::hinweisBox(meldungsPuffer);
        else
            endeMelden(EndeForm::InfoAbbrechen, meldungsPuffer);
        fehlerMelden(122);
    }
    return ok;
}

bool fuellen(std::FILE* datei)
{
    size_t behalten = 0;
    if (tokenLeserFlags & tokenFlag::NeueDatei) {
        if (!fensterBereitstellen(datei))
            return false;
        std::rewind(datei);
    } else {
        // the unread rest moves to the window's start and the file goes on behind it
        // (no seeking back: a pipe cannot)
        behalten = gefuellt - position;
        std::memmove(fenster.data(), fenster.data() + position, behalten);
    }
    const size_t gelesen = std::fread(fenster.data() + behalten, 1, fenster.size() - behalten, datei);
    gefuellt = behalten + gelesen;
    tokenLeserFlags &= ~tokenFlag::NeueDatei;
    if (gefuellt < fenster.size() || std::feof(datei)) {
        tokenLeserFlags |= tokenFlag::Dateiende;
        // the window now ends where the file ends: its rest is not read
        while (gefuellt > 0 && istEndrest(fenster[gefuellt - 1]))
            --gefuellt;
    }
    position = 0;
    return true;
}

bool fuellenFaellig()
{
    if (tokenLeserFlags & tokenFlag::NeueDatei)
        return true;
    return !(tokenLeserFlags & tokenFlag::Dateiende) && gefuellt - position < rest;
}

} // namespace

void tokenNeueDatei(const std::string& pfad)
{
    tokenLeserFlags |= tokenFlag::NeueDatei;
    dateiPfad = pfad;
}

int dateiTokenLesen(std::FILE* datei, char* aus, size_t groesse)
{
    if (tokenLeserFlags & tokenFlag::NeueDatei)
        tokenLeserFlags &= ~tokenFlag::Dateiende;
    if (fuellenFaellig() && !fuellen(datei))
        return 0;
    if (groesse == 0) {
        fehlerMelden(124);
        return 0;
    }

    size_t laenge = 0;
    for (;;) {
        const size_t anfang = position;
        laenge = 0;
        while (position < gefuellt && !istTrenner(fenster[position])) {
            if (laenge + 1 >= groesse) {       // no room for it and its closing zero
                while (position < gefuellt && !istTrenner(fenster[position]))
                    ++position;                // the next read starts at a token's border
                aus[0] = '\0';
                fehlerMelden(124);
                return 0;
            }
            aus[laenge++] = static_cast<char>(fenster[position++]);
        }
        if (position >= gefuellt && !(tokenLeserFlags & tokenFlag::Dateiende)) {
            // the window ends inside the file: read on from the token's start
            if (anfang == 0 && gefuellt == fenster.size()) {
                fehlerMelden(124);             // a token as long as the whole window
                return 0;
            }
            position = anfang;
            if (!fuellen(datei))
                return 0;
            continue;
        }
        if (position >= gefuellt) {
            // a last token without a line end still counts
            if (laenge == 0) {
                fehlerMelden(123);
                return 0;
            }
            break;
        }
        ++position;                            // the separator
        if (position < gefuellt && istTrenner(fenster[position]))
            ++position;                        // CR LF
        if (laenge > 0)
            break;
        // an empty line: on to the next token
    }
    aus[laenge] = '\0';
    if (!zahlPruefen(aus)) {
        fehlerMelden(124);
        return 0;
    }
    return 1;
}

bool tokenDateiendeErreicht()
{
    if (!(tokenLeserFlags & tokenFlag::Dateiende))
        return false;
    for (size_t i = position; i < gefuellt; ++i) {
        if (!istTrenner(fenster[i]))
            return false;
    }
    return true;
}
