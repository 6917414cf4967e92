// tests/files/test_xbuffer.cpp - the shared text writer and the readers' common rules
#include "files/lesen.h"
#include "files/xbuffer.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>

TEST(XBuffer, WaechstUeberJedeGrenzeUndSchreibtAbEinerStelle)
{
    XBuffer b;
    b.drucken("[neuronen-netzwerk-datei]\n");
    const std::string lang(100000, 'x');
    b.drucken("%s=%.15g\n", lang.c_str(), 0.1);
    EXPECT_EQ(b.laenge(), 26u + 100000u + 5u);
    std::FILE* f = std::tmpfile();
    ASSERT_TRUE(xbufferAbgeben(b, 26, f, 1));
    EXPECT_EQ(b.text(), "[neuronen-netzwerk-datei]\n");   // the flushed part left the buffer
    EXPECT_EQ(std::ftell(f), 100005L);
    std::fclose(f);
    EXPECT_FALSE(b.schreiben(nullptr));
}

TEST(Lesen, NichtEndlicheUndZuGrosseZahlenZaehlenAlsFehlend)
{
    char text[] = "a=nan\nb=1e999\nc=2,5\nd=3e10\ne=-inf\nf=4294967295\n";
    double x = 7.0;
    int i = 7;
    uint32_t u = 7;
    EXPECT_EQ(zahlLesen(x, text, "a="), nullptr);
    EXPECT_EQ(zahlLesen(x, text, "b="), nullptr);
    EXPECT_EQ(zahlLesen(x, text, "e="), nullptr);
    EXPECT_EQ(x, 7.0);
    EXPECT_NE(zahlLesen(x, text, "c="), nullptr);
    EXPECT_EQ(x, 2.5);
    EXPECT_EQ(zahlLesen(i, text, "d="), nullptr);   // beyond int
    EXPECT_NE(zahlLesen(i, text, "c="), nullptr);
    EXPECT_EQ(i, 3);                                // rounded to the nearest
    EXPECT_NE(zahlLesen(u, text, "f="), nullptr);
    EXPECT_EQ(u, 4294967295u);
    EXPECT_EQ(zahlLesen(x, text, "fehlt="), nullptr);
}

TEST(Lesen, AbschnittSchneidetUndStelltWiederHer)
{
    char text[] = "[a]\nx=1\n[ende a]\nx=2\n";
    {
        Abschnitt a(text, "[ende a]");
        ASSERT_TRUE(a.geschnitten());
        EXPECT_EQ(std::string(text), "[a]\nx=1\n");
        Abschnitt fehlt(text, "[gibt es nicht]");
        EXPECT_FALSE(fehlt.geschnitten());
    }
    EXPECT_EQ(std::string(text), "[a]\nx=1\n[ende a]\nx=2\n");
    {
        Abschnitt b(text, "[ende a]", true);
        EXPECT_EQ(std::string(text), "[a]\nx=1\n[ende a]");
    }
    EXPECT_EQ(std::string(text), "[a]\nx=1\n[ende a]\nx=2\n");
}
