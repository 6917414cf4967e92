// tests/files/test_izhikevichtypen.cpp - the Izhikevich type file: its lines and its reading
#include "files/izhikevichtypen.h"
#include "testhilfe.h"

namespace {

std::string typZeilen(int n, const char* a, const char* name)
{
    const std::string k = "izhikevich typ " + std::to_string(n) + " ";
    return k + "a=" + a + "\n" + k + "c=-50\n" + k + "bezeichnung=" + name + "\n";
}

} // namespace

TEST(IzhikevichTypen, DateiZeilenInDerFestenOrdnung)
{
    const std::string pfad = testhilfe::tempOrdner("izhtypen") + "typen.txt";
    ASSERT_TRUE(izhikevichTypenSchreiben(pfad, 0.1, {izhikevichStandardTyp(), {0.1, 0.26, -65, 2, 30, -65, -16.9, "RZ"}}));
    EXPECT_EQ(testhilfe::lesen(pfad),
              "[izhikevich standardtypen] ***********************\r\n"
              "schrittweite fuer izhikevich typen (ms)=0.1\r\n"
              "izhikevich typ 0 a=0.02\r\nizhikevich typ 0 b=0.2\r\nizhikevich typ 0 c=-65\r\nizhikevich typ 0 d=8\r\n"
              "izhikevich typ 0 V=-68\r\nizhikevich typ 0 U=-15\r\nizhikevich typ 0 naE=30\r\n"
              "izhikevich typ 0 bezeichnung=Standard\r\n"
              "izhikevich typ 1 a=0.1\r\nizhikevich typ 1 b=0.26\r\nizhikevich typ 1 c=-65\r\nizhikevich typ 1 d=2\r\n"
              "izhikevich typ 1 V=-65\r\nizhikevich typ 1 U=-16.9\r\nizhikevich typ 1 naE=30\r\n"
              "izhikevich typ 1 bezeichnung=RZ\r\n"
              "[ende izhikevich standardtypen] ***********************\r\n\r\n");
}

TEST(IzhikevichTypen, LesenEndetAnDerLueckeUndNurEinPositiverSchrittZaehlt)
{
    const std::string ordner = testhilfe::tempOrdner("izhtypen");
    const struct { const char* schritt; bool da; } faelle[] = {
        {"0,05", true}, {"0", false}, {"-0.1", false}, {"nan", false}, {"inf", false}, {nullptr, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schritt ? f.schritt : "none");
        std::string text = typZeilen(0, "0.02", "A") + typZeilen(1, "0.1", "B") + typZeilen(3, "0.2", "D");
        if (f.schritt)
            text = std::string("schrittweite fuer izhikevich typen (ms)=") + f.schritt + "\n" + text;
        testhilfe::schreiben(ordner + "t.txt", text);
        IzhikevichDatei d;
        ASSERT_TRUE(izhikevichTypenLesen(ordner + "t.txt", d));
        EXPECT_EQ(std::make_tuple(d.schrittDa, d.schrittDa ? d.schrittMs : 0.05), std::make_tuple(f.da, 0.05));
        ASSERT_EQ(d.typen.size(), 2u);
        EXPECT_EQ(std::make_tuple(d.typen[1].a, d.typen[1].b, d.typen[1].c, d.typen[1].name),
                  std::make_tuple(0.1, 0.0, -50.0, std::string("B")));
    }
}
