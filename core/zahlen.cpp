// core/zahlen.cpp - the number checks of the key, token and dialog readers
#include "core/zahlen.h"

namespace {
void blankeEntfernen(char* text)
{
    char* ziel = text;
    for (const char* q = text; *q != '\0'; ++q)
        if (*q != ' ')
            *ziel++ = *q;
    *ziel = '\0';
}
// One check for both forms: signs only in front (and behind an exponent letter), one
// point per part, digits required in the mantissa and in an exponent.
int zahlText(char* text, bool mitExponent)
{
    blankeEntfernen(text);
    bool ziffer = false, punkt = false, exponent = false;
    for (int i = 0; text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c == '+' || c == '-') {
            if (i != 0 && !(exponent && (text[i - 1] == 'e' || text[i - 1] == 'E')))
                return 0;
        } else if (c == '.') {
            if (punkt)
                return 0;
            punkt = true;
        } else if (c >= '0' && c <= '9') {
            ziffer = true;
        } else if (mitExponent && (c == 'e' || c == 'E')) {
            // the mantissa needs digits too: "e5" would read as 0 without a word
            if (exponent || !ziffer)
                return 0;
            exponent = true;
            ziffer = false;   // the exponent needs its own digits
            punkt = false;    // and may have its own point ("1.5e3.2" passes)
        } else {
            return 0;
        }
    }
    return ziffer ? 1 : 0;
}

} // namespace

int zahlPruefen(char* text) { return zahlText(text, true); }
int zahlPruefenKurz(char* text) { return zahlText(text, false); }
