// tests/resources/test_vorlagen_titel.cpp - the captions of the dialog templates
#include "resources/vorlagen.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

using plattform::DialogVorlage;

// A template takes its caption from the dialog texts under its key: two templates under
// one key would both show the caption of one of them.
TEST(VorlagenTitel, JedeVorlageHatIhrenEigenenTitelSchluessel)
{
    std::map<std::string, int> vergeben;
    for (const DialogVorlage* v : alleDialogVorlagen()) {
        if (!v->titelSchluessel || !*v->titelSchluessel)
            continue;
        const auto [bisher, neu] = vergeben.emplace(v->titelSchluessel, v->nummer);
        EXPECT_TRUE(neu) << v->nummer << " and " << bisher->second << " share " << bisher->first;
    }
}
