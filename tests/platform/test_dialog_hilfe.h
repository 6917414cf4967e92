// tests/platform/test_dialog_hilfe.h - a probe template and dialog procedure for the
// dialog tests of the scripted platform
#pragma once
#include "platform/dialog.h"
#include "test_fenster_hilfe.h"

namespace dlgprobe {

using namespace plattform;
using A = ElementArt;
namespace s = elementStil;
namespace b = benachrichtigung;

// every kind of control; group box 1 holds two radios, the dialog two more of its own
inline const DialogElement probeElemente[] = {
    {10, A::Text, "Name", "", 0, 0, 0, 0, 1},
    {11, A::Eingabe, "alt", "", 0, 0, 0, 1, 2},
    {12, A::Gruppe, "Art", "", 0, 0, 1, 0, 2},
    {13, A::Optionsfeld, "a", "", 0, 1, 0, 0, 1},
    {14, A::Optionsfeld, "b", "", 0, 1, 0, 1, 1},
    {15, A::Optionsfeld, "c", "", 0, 0, 1, 2, 1},
    {16, A::Optionsfeld, "d", "", 0, 0, 1, 3, 1},
    {17, A::Kontrollkasten, "k", "", 0, 0, 2, 0, 1},
    {18, A::Kombi, "", "", s::Sortiert, 0, 2, 1, 1},
    {19, A::Auswahlliste, "", "", 0, 0, 2, 2, 1},
    {20, A::Liste, "", "", s::Sortiert, 0, 3, 0, 1},
    {21, A::Malflaeche, "", "", 0, 0, 3, 1, 2},
    {22, A::Schieberegler, "", "", 0, 0, 4, 0, 1},
    {23, A::Scrollleiste, "", "", s::Vertikal, 0, 4, 1, 1},
    {24, A::AufAb, "", "", 0, 0, 4, 2, 1},
    {25, A::EingabeMehrzeilig, "fest", "", s::NurLesen, 0, 5, 0, 2},
    {26, A::Knopf, "gesperrt", "", s::Gesperrt, 0, 6, 0, 1},
    {27, A::Knopf, "verborgen", "", s::Verborgen, 0, 6, 1, 1},
    {1, A::StandardKnopf, "OK", "", 0, 0, 6, 2, 1},
    {2, A::Knopf, "Abbrechen", "", 0, 0, 6, 3, 1},
};
inline const DialogVorlage probeVorlage{900, "Probe", "", probeElemente, 0};

// two buttons, no default button; a second probe for nesting
inline const DialogElement kleinElemente[] = {
    {1, A::Knopf, "OK", "", 0, 0, 0, 0, 1},
    {2, A::Knopf, "Abbrechen", "", 0, 0, 0, 1, 1},
    {30, A::Knopf, "weiter", "", 0, 0, 0, 2, 1},
};
inline const DialogVorlage kleinVorlage{901, "Klein", "", kleinElemente, 0};

// what the probe dialogs do; unset: 1 and 2 end the dialog with their id
inline std::function<intptr_t(Fenster, uint32_t, uintptr_t, intptr_t)> reaktion;

inline intptr_t probeDlgProc(Fenster d, uint32_t n, uintptr_t w, intptr_t l)
{
    if (reaktion)
        return reaktion(d, n, w, l);
    if (n == nachricht::Befehl && (loWort(w) == 1 || loWort(w) == 2))
        dialogBeenden(d, loWort(w));
    return n == nachricht::DialogInit ? 1 : 0;
}

// the commands a window got, as "id/code", in order
inline std::string befehle(Fenster f)
{
    std::string aus;
    for (const auto& e : test::nachrichtenVon(f))
        if (e.nachricht == nachricht::Befehl)
            aus += (aus.empty() ? "" : " ") + std::to_string(loWort(e.w)) + "/" + std::to_string(hiWort(e.w));
    return aus;
}

struct DialogFall : probe::Fall {
    void TearDown() override
    {
        reaktion = nullptr;
        probe::Fall::TearDown();
    }
    Fenster offen(Fenster eigner = nullptr, const DialogVorlage& v = probeVorlage)
    {
        Fenster d = dialogModeless(v, eigner, probeDlgProc);
        nachrichtenVerarbeiten();
        return d;
    }
};

} // namespace dlgprobe
