// tests/app/test_befehle_schreiben_nichts.cpp - every command of the main window's menus,
// declined wherever it asks, leaves the user's files alone: the network file, its .cur and
// .ref, the settings file and the file it remembers. Only the saves write them. In the
// permutation mode each series and free permutation leaves the network's text, the settings,
// the switches and the run-time values as it found them.
#include "befehlsdurchlauf.h"

using namespace befehlsdurchlauf;

// Cancel wherever the program offers it: every offer, chooser and dialog is turned down.
TEST_F(BefehleSchreibenNichts, HauptmenueAbgebrochen)
{
    durchlaufen(tabellenBefehle(hauptmenueTabelle(sprache)), speichern);
}

// No wherever the program asks Yes or No: networks are closed or replaced unsaved, the
// program ends unsaved (and starts again for the next command); a run makes its backup.
TEST_F(BefehleSchreibenNichts, HauptmenueVerneintMitSicherung)
{
    wie = Ablehnen::Nein;
    sicherung = true;
    std::map<int, const char*> ausgelassen = speichern;
    ausgelassen.emplace(befehlSpracheEnglisch, "writes the language into default.cfg on purpose once its end goes on");
    durchlaufen(tabellenBefehle(hauptmenueTabelle(sprache)), ausgelassen);
}

// The permutation mode's menu and its definition's, with a definition of one varied synapse.
TEST_F(BefehleSchreibenNichts, Permutationsmodus)
{
    wie = Ablehnen::Nein;
    sicherung = true;
    permutation = true;
    std::vector<int> befehle = tabellenBefehle(modusmenueTabelle(Modusmenue::Permutation, sprache));
    for (int b : tabellenBefehle(modusmenueTabelle(Modusmenue::Definition, sprache)))
        befehle.push_back(b);
    durchlaufen(befehle, speichern);
}
