// platform/box.h - message boxes
//
// The program shows three forms: a notice ("Hinweis", information, OK), a fatal message
// ("Velnor info", information too, OK and Cancel) and a question ("SysInfo", question,
// with Yes/No, Yes/No/Cancel or OK/Cancel). Boxes are modal over the owner (null: over
// the foreground window); their buttons speak the language set by plattformTexteSprache,
// and a caption that names a form shows the caption the language files give that form.
#pragma once
#include "platform/fenster.h"
#include <string>

namespace plattform {

namespace knoepfe {
constexpr uint32_t Ok = 0, OkAbbrechen = 1, JaNeinAbbrechen = 3, JaNein = 4;
}
namespace symbol {
constexpr uint32_t Keins = 0, Fehler = 0x10, Frage = 0x20, Ausruf = 0x30, Information = 0x40;
}
// answers; 1 and 2 are also the command ids of OK and Cancel in dialogs
namespace antwort { constexpr int Ok = 1, Abbrechen = 2, Ja = 6, Nein = 7; }

// The captions of the three forms, set from the language files when the texts are loaded;
// until then the form names themselves.
enum class BoxForm { Hinweis, VelnorInfo, SysInfo };
void boxTitelSetzen(BoxForm form, const std::string& titel);
// What a box passed this caption shows: a form name ("Hinweis", "Velnor info", "SysInfo")
// gives the caption of that form, any other caption stays as it is.
const std::string& boxTitel(const std::string& titel);

// art = knoepfe::* | symbol::*. Closing the box counts as Cancel where it has one,
// otherwise as its only or "No" answer. The caption shows as boxTitel gives it.
int meldungsBox(Fenster eigner, const std::string& text, const std::string& titel, uint32_t art);

// the three forms of the program, over the foreground window
inline int hinweisBox(const std::string& text)
{
    return meldungsBox(vordergrundFenster(), text, "Hinweis", knoepfe::Ok | symbol::Information);
}
inline int velnorInfoBox(const std::string& text)
{
    return meldungsBox(vordergrundFenster(), text, "Velnor info", knoepfe::OkAbbrechen | symbol::Information);
}
inline int sysInfoBox(const std::string& text, uint32_t knoepfeArt)
{
    return meldungsBox(vordergrundFenster(), text, "SysInfo", knoepfeArt | symbol::Frage);
}

} // namespace plattform
