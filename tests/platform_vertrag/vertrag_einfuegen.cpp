// tests/platform_vertrag/vertrag_einfuegen.cpp - text going into an edit at its caret
#include "vertrag.h"

using namespace vertrag;

using VertragEinfuegen = Vertrag;

// after the program's set the caret stands at the end, so insertions append in order; the
// modified flag and the notifications stay as they were, and a later typing still reports
TEST_F(VertragEinfuegen, EinfuegenHaengtNachDemSetzenStillAn)
{
    Fenster d = modeless();
    elementTextSetzen(d, 31, "0.10000\r\n");
    for (const char* zeile : {"0.20000\r\n", "0.30000\r\n"})
        elementTextEinfuegen(d, 31, zeile);
    elementTextEinfuegen(d, 30, "neu");
    EXPECT_EQ(elementText(d, 31), "0.10000\r\n0.20000\r\n0.30000\r\n");
    EXPECT_EQ(elementText(d, 30), "altneu");
    EXPECT_FALSE(elementGeaendert(d, 31));
    EXPECT_EQ(befehle(d), "");
    elementTextEinfuegen(d, 999, "x");                     // unknown ids are ignored

    treiber::tippen(d, 30, "1");
    EXPECT_TRUE(elementGeaendert(d, 30));
    EXPECT_EQ(befehle(d), "30/1");
}
