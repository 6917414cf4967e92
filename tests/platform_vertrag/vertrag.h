// tests/platform_vertrag/vertrag.h - what every implementation of the platform API owes
// the program, written once and built into the test program of each implementation
//
// The tests speak the API and a logging window class of their own. Where a test plays the
// user (keys, clicks, typing, a modal dialog's or a box's answer) it asks the driver of
// the implementation it is built with: "vertrag_treiber.h" in that implementation's test
// folder, which also states what differs between them.
#pragma once
#include "platform/box.h"
#include "platform/dialog.h"
#include "platform/drucken.h"
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include "platform/zeichnen.h"
#include "vertrag_treiber.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace vertrag {

using namespace plattform;
namespace n = plattform::nachricht;

struct Eintrag {
    Fenster f;
    uint32_t n;
    uintptr_t w;
    intptr_t l;
};

// every message the test's windows and dialogs got, in order
inline std::vector<Eintrag> eingang;
// the test's own answer to a message; nullopt leaves it to the default below
inline std::function<std::optional<intptr_t>(Fenster, uint32_t, uintptr_t, intptr_t)> reaktion;

inline intptr_t proc(Fenster f, uint32_t m, uintptr_t w, intptr_t l)
{
    eingang.push_back({f, m, w, l});
    if (reaktion)
        if (auto r = reaktion(f, m, w, l))
            return *r;
    return standardFensterProc(f, m, w, l);
}

// a reaktion that takes each Befehl and does nothing: no dialog ends
inline std::optional<intptr_t> befehleNurMelden(Fenster, uint32_t m, uintptr_t, intptr_t)
{
    return m == n::Befehl ? std::optional<intptr_t>(0) : std::nullopt;
}

// by default OK and Cancel end the dialog with their id
inline intptr_t dlgProc(Fenster d, uint32_t m, uintptr_t w, intptr_t l)
{
    eingang.push_back({d, m, w, l});
    if (reaktion)
        if (auto r = reaktion(d, m, w, l))
            return *r;
    if (m == n::Befehl && (loWort(w) == 1 || loWort(w) == 2))
        dialogBeenden(d, loWort(w));
    return m == n::DialogInit ? 1 : 0;
}

inline std::vector<Eintrag> von(Fenster f, uint32_t m)
{
    std::vector<Eintrag> r;
    for (const Eintrag& e : eingang)
        if (e.f == f && e.n == m)
            r.push_back(e);
    return r;
}

// the windows that got message m, in order
inline std::vector<Fenster> mit(uint32_t m)
{
    std::vector<Fenster> r;
    for (const Eintrag& e : eingang)
        if (e.n == m)
            r.push_back(e.f);
    return r;
}

// the messages of one window (null: of all), only those of the kinds in nur when it is given
inline std::vector<uint32_t> nachrichten(Fenster f = nullptr, std::vector<uint32_t> nur = {})
{
    std::vector<uint32_t> r;
    for (const Eintrag& e : eingang)
        if ((!f || e.f == f) && (nur.empty() || std::find(nur.begin(), nur.end(), e.n) != nur.end()))
            r.push_back(e.n);
    return r;
}

// the commands a window got, as "id/code", in order
inline std::string befehle(Fenster f)
{
    std::string aus;
    for (const Eintrag& e : von(f, n::Befehl))
        aus += (aus.empty() ? "" : " ") + std::to_string(loWort(e.w)) + "/" + std::to_string(hiWort(e.w));
    return aus;
}

struct BildWeg {
    void operator()(BildObjekt* b) const { bildLoeschen(b); }
};
using EigenesBild = std::unique_ptr<BildObjekt, BildWeg>;   // the images of a test die with it
inline EigenesBild bild(int b, int h, Farbe hintergrund = 0xFFFFFF) { return EigenesBild(bildErzeugen(b, h, hintergrund)); }

// a folder of its own in the temporary directory, removed with everything in it
struct TempOrdner {
    std::filesystem::path pfad;
    TempOrdner()
    {
        std::string muster = (std::filesystem::temp_directory_path() / "velnor-vertrag-XXXXXX").string();
        if (::mkdtemp(muster.data()))
            pfad = muster;
    }
    ~TempOrdner()
    {
        std::error_code egal;
        if (!pfad.empty())
            std::filesystem::remove_all(pfad, egal);
    }
    std::string datei(const std::string& name) const { return (pfad / name).string(); }
};

// a 32 x 32 cursor file with one 32-bit image and its hot spot at (hx, hy); art 1 makes it an icon
inline std::string cursorDatei(int hx, int hy, int art = 2)
{
    std::string b;
    auto w16 = [&](int v) { b += static_cast<char>(v & 0xFF); b += static_cast<char>((v >> 8) & 0xFF); };
    auto w32 = [&](uint32_t v) { w16(static_cast<int>(v & 0xFFFF)); w16(static_cast<int>(v >> 16)); };
    const uint32_t bildBytes = 40 + 32 * 32 * 4 + 32 * 4;
    w16(0), w16(art), w16(1);                                      // reserved, cursor, one image
    b += '\x20', b += '\x20', b += '\0', b += '\0', w16(hx), w16(hy), w32(bildBytes), w32(22);
    w32(40), w32(32), w32(64), w16(1), w16(32), w32(0), w32(0), w32(0), w32(0), w32(0), w32(0);
    for (int i = 0; i < 32 * 32; ++i)
        w32(i % 3 ? 0xFF000000u : 0xFFFFFFFFu);                     // opaque black and white
    b.append(32 * 4, '\0');                                        // the mask: all shown
    return b;
}

using A = ElementArt;
namespace es = elementStil;
namespace bn = benachrichtigung;

// every kind of control; group box 1 holds two radios, the dialog two more of its own
inline const DialogElement alleArten[] = {
    {10, A::Gruppe, "Art", "", 0, 0, 0, 0, 2},
    {11, A::Optionsfeld, "eins", "", 0, 1, 0, 0},
    {12, A::Optionsfeld, "zwei", "", 0, 1, 0, 1},
    {21, A::Optionsfeld, "drei", "", 0, 0, 1, 0},
    {22, A::Optionsfeld, "vier", "", 0, 0, 1, 1},
    {30, A::Eingabe, "alt", "", 0, 0, 2, 0},
    {31, A::EingabeMehrzeilig, "", "", 0, 0, 2, 1},
    {32, A::Kontrollkasten, "Haken", "", 0, 0, 3, 0},
    {33, A::Auswahlliste, "", "", es::Sortiert, 0, 3, 1},
    {34, A::Kombi, "", "", 0, 0, 4, 0},
    {35, A::Liste, "", "", es::Sortiert, 0, 4, 1},
    {36, A::Schieberegler, "", "", es::Vertikal, 0, 5, 0},
    {37, A::AufAb, "", "", 0, 0, 5, 1},
    {38, A::Scrollleiste, "", "", 0, 0, 6, 0},
    {39, A::Malflaeche, "", "", 0, 0, 6, 1},
    {40, A::Eingabe, "fest", "", es::NurLesen | es::Gesperrt, 0, 7, 0},
    {41, A::Knopf, "weg", "", es::Verborgen, 0, 7, 1},
    {42, A::Knopf, "gesperrt", "", es::Gesperrt, 0, 8, 0},
    {1, A::StandardKnopf, "OK", "", 0, 0, 9, 0},
    {2, A::Knopf, "Abbrechen", "", 0, 0, 9, 1},
};
inline const DialogVorlage alleArtenVorlage{9001, "Pr\xfc" "fen", "", alleArten};

// two buttons and no default button; for nesting
inline const DialogElement kleinElemente[] = {
    {1, A::Knopf, "OK", "", 0, 0, 0, 0},
    {2, A::Knopf, "Abbrechen", "", 0, 0, 0, 1},
    {30, A::Eingabe, "", "", 0, 0, 1, 0},
};
inline const DialogVorlage kleinVorlage{9002, "Klein", "", kleinElemente};

// Each test starts on a fresh platform as its implementation gives it; the windows made
// with neu() and the dialogs opened with modeless() die after the test.
class Vertrag : public ::testing::Test {
protected:
    void SetUp() override
    {
        treiber::beginnen();
        klasseRegistrieren({"Vertrag", proc, 0xFFFFFF});
        eingang.clear();
        reaktion = nullptr;
    }
    void TearDown() override
    {
        reaktion = nullptr;
        for (Fenster f : fenster)
            fensterZerstoeren(f);
        treiber::beenden();
    }
    Fenster neu(uint32_t s = stil::Hauptfenster | stil::Sichtbar, Fenster eltern = nullptr, int x = 100, int y = 50,
                int b = 400, int h = 300, Menue menue = nullptr, intptr_t parameter = 0)
    {
        Fenster f = fensterErzeugen("Vertrag", "Vertrag", s, x, y, b, h, eltern, menue, parameter);
        fenster.push_back(f);
        return f;
    }
    Fenster modeless(const DialogVorlage& v = alleArtenVorlage, Fenster eigner = nullptr, intptr_t parameter = 0)
    {
        fenster.push_back(dialogModeless(v, eigner, dlgProc, parameter));
        nachrichtenVerarbeiten();
        return fenster.back();
    }
    std::vector<Fenster> fenster;
};

} // namespace vertrag
