// texts/eingebaut.h - the built-in German texts, one table per language file
//
// Every number and key the program uses stands in these tables; the language files
// carry the same keys (a test holds them together).
#pragma once
#include "texts/texte.h"
#include <span>

// Numbers 0..776 are the message texts every language file of the format carries;
// this program's own texts (notices the format never had) are numbered from 800 on,
// with keys of their own, so older language files simply keep their German wording.
constexpr int meldungsEigeneAb = 800;
constexpr int meldungsAnzahl = 2000;
constexpr int dialogTextAnzahl = 2000;

extern const std::span<const TextEintrag> eingebauteMeldungen;
extern const std::span<const TextEintrag> eingebauteDialogTexte;
