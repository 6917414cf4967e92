// core/token.h - the token reader of the number-per-line files
//
// A token is a maximal run of bytes above 13 (blanks belong to it); bytes of 13 or less
// separate tokens. Line ends, blanks and Ctrl-Z bytes at the very end of a file are not
// read, also right behind the last token. Every token must pass zahlPruefen. Errors go
// through fehlerMelden:
// 122 no buffer, 123 the file ended before a token, 124 a token that is no number or
// does not fit the caller's buffer.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

namespace tokenFlag {
constexpr int NeueDatei = 0x1;    // rewind before the next fill
constexpr int Dateiende = 0x2;    // the last fill reached the end of the file
}
extern int tokenLeserFlags;       // starts with NeueDatei

// Set before the first token of a file: the window is sized for that file, and the
// path goes into the out-of-memory message.
void tokenNeueDatei(const std::string& pfad = {});

// The next token into aus (groesse bytes with the closing zero); 1 when one was read,
// 0 after a reported error.
int dateiTokenLesen(std::FILE* datei, char* aus, size_t groesse);
template <size_t N>
int dateiTokenLesen(std::FILE* datei, char (&aus)[N])
{
    return dateiTokenLesen(datei, aus, N);
}

// True when the file was read to its end and nothing but separators follows the last
// token: the readers' check that a file holds no more than they expect.
bool tokenDateiendeErreicht();

// A window above this many bytes is refused in a notice (error 122 follows); a window the
// machine cannot give is the fatal form, whose Cancel ends the program.
extern size_t tokenFensterGrenze;


