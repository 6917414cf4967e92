// texts/eingebaut.h - the built-in German texts, one table per language file
//
// Every number and key the program uses stands in these tables; the language files
// carry the same keys (a test holds them together).
#pragma once
#include "texts/texte.h"
#include <span>

constexpr int meldungsAnzahl = 777;
constexpr int dialogTextAnzahl = 630;

extern const std::span<const TextEintrag> eingebauteMeldungen;
extern const std::span<const TextEintrag> eingebauteDialogTexte;
