// model/zahlen.cpp - the exported numbers with the user's decimal sign
#include "model/zahlen.h"
#include "model/ergebnisdateien.h"

#include <cstdio>

int& dezimalzeichen = asciiExportEinstellungen.dezimalzeichen;

char* zahlMitDezimalzeichen(double x)
{
    static char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%e", x);
    if (dezimalzeichen != '.')
        for (char* p = puffer; *p != '\0'; ++p)
            if (*p == '.') {
                *p = static_cast<char>(dezimalzeichen);
                break;
            }
    return puffer;
}
