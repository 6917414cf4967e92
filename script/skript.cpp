// script/skript.cpp - the script record's release, number lists and statement order
#include "script/skript.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "model/ergebnisdateien.h"

Skript skript;

int skriptFreigeben(Skript& s)
{
    const std::string pfad = s.pfad;
    const uint32_t klassenGroesse = s.klassenEintragGroesse, anweisungsGroesse = s.anweisungsGroesse;
    // settings of the record that a release keeps; everything read from the file goes
    s = Skript{};
    s.pfad = pfad;
    s.klassenEintragGroesse = klassenGroesse;
    s.anweisungsGroesse = anweisungsGroesse;
    skriptStatus &= skriptBit::AuswertungsModus;
    return 1;
}

std::vector<double> zahlenListeLesen(char* text, int& anzahl)
{
    const char trenner = asciiExportEinstellungen.trennzeichen > 0 ? static_cast<char>(asciiExportEinstellungen.trennzeichen) : ';';
    const auto trennt = [&](char z) { return z == ' ' || z == '\t' || z == trenner; };
    std::vector<double> zahlen;
    if (!text) {
        anzahl = 0;
        return zahlen;
    }
    const int hoechstens = anzahl;
    for (char* p = text; *p;) {
        if (trennt(*p)) {
            ++p;
            continue;
        }
        char* ende = p;
        while (*ende && !trennt(*ende))
            ++ende;
        if (hoechstens < 0 || static_cast<int>(zahlen.size()) < hoechstens) {
            const char alt = *ende;
            *ende = '\0';
            zahlen.push_back(kommaZahlLesen(p));
            *ende = alt;
        }
        p = ende;
    }
    anzahl = static_cast<int>(zahlen.size());
    return zahlen;
}

int skriptIdVergleichen(const SkriptAnweisung* a, const SkriptAnweisung* b)
{
    return a->ganzzahl < b->ganzzahl ? -1 : a->ganzzahl > b->ganzzahl ? 1 : 0;
}
