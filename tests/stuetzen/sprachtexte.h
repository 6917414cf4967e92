// tests/stuetzen/sprachtexte.h - what a language's dialog text file gives, for the tests that
// look for texts of the other language on screen
#pragma once
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <cctype>
#include <set>
#include <string>

namespace testhilfe {

// Symbols, numbers and short unit labels ("nA", "A0:", "ID = ") read the same in both
// languages; a word of three letters or more must come from a language file.
inline bool sprachfrei(const std::string& t)
{
    int buchstaben = 0;
    for (unsigned char c : t)
        if (std::isalpha(c) || c >= 0xC0)
            ++buchstaben;
    return buchstaben <= 2;
}

// every text the dialog text file of the language gives, each "||" field on its own; the
// language stays loaded
inline std::set<std::string> dialogTexteVon(int sprache)
{
    EXPECT_EQ(sprachTexteLaden(sprache), "");
    std::set<std::string> texte;
    for (const TextEintrag& e : dialogTexte.eingebaut()) {
        const std::string& t = dialogTexte[e.nummer];
        texte.insert(t);
        for (int feld = 1; t.find("||") != std::string::npos && !textFeldHolen(t, feld).empty(); ++feld)
            texte.insert(textFeldHolen(t, feld));
    }
    return texte;
}

} // namespace testhilfe
