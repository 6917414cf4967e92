// tests/texts/test_textformat.cpp - the formatter that checks a text against its arguments
#include "texts/textformat.h"
#include <gtest/gtest.h>
#include <climits>
#include <initializer_list>
#include <string>

namespace {

// formats like printf would, or "<passt nicht>" when the text does not fit
std::string fmt(std::string_view text, std::initializer_list<FormatArgument> a)
{
    std::string aus = "<unberuehrt>";
    if (!formatieren(aus, text, std::span(a.begin(), a.size())))
        return aus == "<unberuehrt>" ? "<passt nicht>" : "<veraendert>";
    return aus;
}

} // namespace

TEST(TextFormat, PassendeTexteWieBeiPrintf)
{
    EXPECT_EQ(fmt("Datei %s: %d von %5.2f%%", {"a.txt", 3, 7.125}), "Datei a.txt: 3 von  7.12%");
    EXPECT_EQ(fmt("%-4d|%04d|%+d|%x|%X|%o", {7, 7, 7, 255, 255, 8}), "7   |0007|+7|ff|FF|10");
    EXPECT_EQ(fmt("%.15g V", {-0.065}), "-0.065 V");
    EXPECT_EQ(fmt("%c%c", {'o', 'k'}), "ok");
    EXPECT_EQ(fmt("[%.3s][%6s]", {"abcdef", "ab"}), "[abc][    ab]");
    EXPECT_EQ(fmt("ohne Umwandlung", {1, "x"}), "ohne Umwandlung");   // spare arguments are harmless
    EXPECT_EQ(fmt("%s", {static_cast<const char*>(nullptr)}), "(null)");
    EXPECT_EQ(fmt("%*d|%-*d|%.*f", {4, 1, 3, 2, 1, 2.25}), "   1|2  |2.2");
    EXPECT_EQ(fmt("%*d", {-3, 5}), "5  ");
}

TEST(TextFormat, GanzzahlenBehaltenIhreBreite)
{
    EXPECT_EQ(fmt("%u %x", {-1, -1}), "4294967295 ffffffff");    // an int, as printf sees it
    EXPECT_EQ(fmt("%d", {LLONG_MAX}), "9223372036854775807");      // never cut to 32 bits
    EXPECT_EQ(fmt("%lu", {static_cast<unsigned long long>(ULLONG_MAX)}), "18446744073709551615");
    EXPECT_EQ(fmt("%hd %hhu", {70000, 300}), "4464 44");
    EXPECT_EQ(fmt("%d", {true}), "1");
}

TEST(TextFormat, UnpassendeUmwandlungenWerdenNieAusgefuehrt)
{
    EXPECT_EQ(fmt("%s", {42}), "<passt nicht>");          // a number where a text belongs
    EXPECT_EQ(fmt("%d", {"text"}), "<passt nicht>");
    EXPECT_EQ(fmt("%f", {3}), "<passt nicht>");
    EXPECT_EQ(fmt("%d", {2.5}), "<passt nicht>");
    EXPECT_EQ(fmt("%s und %s", {"eins"}), "<passt nicht>");    // one argument too few
    EXPECT_EQ(fmt("%n", {0}), "<passt nicht>");
    EXPECT_EQ(fmt("%1$s", {"a"}), "<passt nicht>");
    EXPECT_EQ(fmt("%Lf", {1.0}), "<passt nicht>");
    EXPECT_EQ(fmt("%ls", {"a"}), "<passt nicht>");
    EXPECT_EQ(fmt("%99999d", {1}), "<passt nicht>");
    EXPECT_EQ(fmt("%.*f", {5000, 1.0}), "<passt nicht>");
    EXPECT_EQ(fmt("%*d", {"breit", 1}), "<passt nicht>");
    EXPECT_EQ(fmt("100%", {}), "<passt nicht>");
    EXPECT_EQ(fmt("%y", {1}), "<passt nicht>");
    EXPECT_EQ(fmt("%p", {"text"}), "<passt nicht>");
}

TEST(TextFormat, ErsatzTextUndSonstDerRoheText)
{
    const FormatArgument a[] = {FormatArgument("x.txt")};
    EXPECT_EQ(sicherFormatieren("Datei %s fehlt", "Ersatz %s", a), "Datei x.txt fehlt");
    EXPECT_EQ(sicherFormatieren("Datei %d fehlt", "Ersatz %s", a), "Ersatz x.txt");
    EXPECT_EQ(sicherFormatieren("Datei %d fehlt", "auch %f falsch", a), "Datei %d fehlt");
    EXPECT_EQ(sicherFormatieren("50% gelesen", "50% gelesen", {}), "50% gelesen");
}

TEST(TextFormat, UmwandlungenNachArt)
{
    EXPECT_EQ(umwandlungen("%d %i %u %x %c|%e %.15g %f|%s %-20s|%p|%%"), "dddddfffssp");
    EXPECT_EQ(umwandlungen("%*.*f %ld %hhd"), "**fdd");
    EXPECT_EQ(umwandlungen("%n %y"), "??");
    EXPECT_EQ(umwandlungen("kein Prozent"), "");
}
