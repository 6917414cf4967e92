// tests/platform/vertrag_treiber.h - how the contract tests (tests/platform_vertrag) play
// the user on the scripted platform
//
// What differs from the Qt platform: time is the virtual clock, so waiting jumps to the
// next timer and fails where nothing could end it; user input is queued (keys, clicks) or
// acts at once (dialog controls) through the test calls of testplattform.h, and each one
// the user could not do fails the test; boxes, choosers, popups and modal dialogs take
// their answers from queues.
#pragma once
#include "platform/dialog.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "platform/test/testplattform.h"
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace treiber {

using namespace plattform;

inline void beginnen() { test::zuruecksetzen(); }
inline void beenden() {}

// pumps until bis() holds; the clock jumps to the timers on the way
inline bool warten(const std::function<bool()>& bis) { return test::laufenBis(bis, "the contract's condition", 2000); }
inline void zeitVergehen(int ms) { test::uhrVorstellen(ms); }

inline void taste(Fenster f, int t, char zeichen = 0) { test::tasteDruecken(f, t, zeichen); }
inline void klick(Fenster f, int x, int y, bool rechts = false) { test::klicken(f, x, y, rechts); }
// a key typed into a text box (the box here uses none itself)
inline void tasteInTextfeld(Fenster feld, int t, char zeichen = 0) { test::tasteDruecken(feld, t, zeichen); }

// ---- the user at a dialog ------------------------------------------------------------
inline void tippen(Fenster dlg, int id, const std::string& text) { test::tippen(dlg, id, text); }
inline void fokusVerlassen(Fenster dlg, int id) { test::fokusVerlassen(dlg, id); }
inline void klicken(Fenster dlg, int id) { test::klicken(dlg, id); }
inline void waehlen(Fenster dlg, int id, int index) { test::waehlen(dlg, id, index); }
inline void dialogTaste(Fenster dlg, int t) { test::dialogTaste(dlg, t); }
inline void schliessenKlicken(Fenster dlg) { test::schliessenKlicken(dlg); }
// the steps the next modal opening of this template plays, each once the dialog shows
inline void modal(int vorlage, std::vector<std::function<void(Fenster)>> schritte)
{
    std::vector<test::DialogSchritt> s;
    for (auto& schritt : schritte)
        s.emplace_back(std::move(schritt));
    test::dialogSkript(vorlage, std::move(s));
}

// ---- answers -------------------------------------------------------------------------
inline void boxAntworten(std::initializer_list<int> a) { test::boxAntworten(a); }
inline void popupWaehlen(Menue, int befehl) { test::popupAntworten({befehl}); }
inline bool menueWaehlen(Fenster f, int befehl) { return test::menueBefehlWaehlen(f, befehl); }
inline void dateiAntworten(std::initializer_list<std::string> pfade)
{
    for (const std::string& p : pfade)
        test::dateiAntworten({p.empty() ? test::dateiAbbruch() : test::dateiAntwort(p)});
}

// ---- controls --------------------------------------------------------------------------
inline void scrollZeile(Fenster f, bool vertikal)
{
    test::scrollen(f, vertikal, scroll::ZeileRunter, scrollLeiste(f, vertikal).position);
}
inline void daumenZiehen(Fenster f, bool vertikal, int position) { test::scrollen(f, vertikal, scroll::DaumenZiehen, position); }
inline void daumenLoslassen(Fenster f, bool vertikal)
{
    test::scrollen(f, vertikal, scroll::DaumenPosition, scrollLeiste(f, vertikal).daumen);
    test::scrollen(f, vertikal, scroll::ScrollEnde);
}
inline void seitenTaste(Fenster, int welche, bool gedrueckt) { test::tastenZustandSetzen(welche, gedrueckt); }

} // namespace treiber
