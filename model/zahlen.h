// model/zahlen.h - whole powers and the formatter with the user's decimal sign
#pragma once
#include "core/zahlen.h"

#include <climits>
#include <string>

// x to the power n; a negative n gives 1 / x^-n. Inline: every gate of every step uses it.
inline double potenz(double x, int n)
{
    if (n < 0) {
        // -INT_MIN does not exist: take one factor out first
        if (n == INT_MIN)
            return 1.0 / (potenz(x, INT_MAX) * x);
        return 1.0 / potenz(x, -n);
    }
    double ergebnis = 1.0;
    for (; n > 0; n >>= 1) {
        if (n & 1)
            ergebnis *= x;
        x *= x;
    }
    return ergebnis;
}

// The decimal sign of exported numbers: the export settings' own field
// (asciiExportEinstellungen.dezimalzeichen), so both always agree.
extern int& dezimalzeichen;

// x with "%e", the first '.' replaced by dezimalzeichen. One static buffer: the next call
// overwrites it.
char* zahlMitDezimalzeichen(double x);
