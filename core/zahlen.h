// core/zahlen.h - whether a text is a number, as the readers and dialogs check it
#pragma once

// 1 when the text is a number with optional exponent ("1.5e+3", "-.5", "2.5E-3"), else 0.
// Removes the blanks from the text in place first.
int zahlPruefen(char* text);
// the same without exponent letters
int zahlPruefenKurz(char* text);
