// tests/texts/test_vorlagensprache.cpp - every dialog template, its texts applied, speaks the
// language of the session: each caption and control text is one that language's dialog
// text file gives, never one only the other language's file has
#include "platform/dialog.h"
#include "resources/vorlagen.h"
#include "texte_hilfe.h"
#include "../stuetzen/sprachtexte.h"
#include <map>
#include <set>

using namespace texthilfe;
using testhilfe::dialogTexteVon;
using testhilfe::sprachfrei;
using namespace plattform;
namespace pt = plattform::test;

namespace {

intptr_t stillDlgProc(Fenster, uint32_t n, uintptr_t, intptr_t)
{
    return n == nachricht::DialogInit ? 1 : 0;
}

// what the dialog shows: its caption, then each control's text (a control whose id the
// template gives twice cannot be set and shows its template text)
std::vector<std::pair<std::string, std::string>> gezeigt(Fenster dlg, const DialogVorlage& v)
{
    std::map<int, int> ids;
    for (const DialogElement& e : v.elemente)
        ++ids[e.id];
    std::vector<std::pair<std::string, std::string>> aus{{"caption", titel(dlg)}};
    for (const DialogElement& e : v.elemente) {
        const pt::DialogElementZustand* z = ids[e.id] == 1 ? pt::dialogElement(dlg, e.id) : nullptr;
        aus.emplace_back(std::to_string(e.id), z ? z->text : std::string(e.text ? e.text : ""));
    }
    return aus;
}

} // namespace

using VorlagenSprache = TexteFall;

TEST_F(VorlagenSprache, JedeVorlageZeigtNurTexteDerDateiIhrerSprache)
{
    const std::map<int, std::set<std::string>> texte{{spracheDeutsch, dialogTexteVon(spracheDeutsch)},
                                                     {spracheEnglisch, dialogTexteVon(spracheEnglisch)}};
    for (const int sprache : {spracheEnglisch, spracheDeutsch}) {
        const int andere = sprache == spracheDeutsch ? spracheEnglisch : spracheDeutsch;
        ASSERT_EQ(sprachTexteLaden(sprache), "");
        for (const DialogVorlage* v : alleDialogVorlagen()) {
            Fenster dlg = dialogModeless(*v, nullptr, stillDlgProc);
            ASSERT_TRUE(dlg) << v->nummer;
            vorlagenTexteSetzen(dlg, *v);
            for (const auto& [wer, text] : gezeigt(dlg, *v)) {
                if (sprachfrei(text) || texte.at(sprache).count(text))
                    continue;
                ADD_FAILURE() << "dialog " << v->nummer << (sprache == spracheDeutsch ? " de" : " en") << ", "
                              << wer << ": \"" << text << "\" "
                              << (texte.at(andere).count(text) ? "is the other language's" : "is in no language file");
            }
            fensterZerstoeren(dlg);
        }
    }
}
