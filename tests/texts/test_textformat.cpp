// tests/texts/test_textformat.cpp - the formatter that checks a text against its arguments
#include "texts/textformat.h"
#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include <string>

namespace {

// formats like printf would, or "<passt nicht>" when the text does not fit
std::string fmt(std::string_view text, const std::vector<FormatArgument>& a)
{
    std::string aus = "<unberuehrt>";
    if (!formatieren(aus, text, std::span(a)))
        return aus == "<unberuehrt>" ? "<passt nicht>" : "<veraendert>";
    return aus;
}

} // namespace

TEST(TextFormat, PassendeTexteWieBeiPrintf)
{
    EXPECT_EQ(fmt("Datei %s: %d von %5.2f%%", {"a.txt", 3, 7.125}), "Datei a.txt: 3 von  7.12%");
    EXPECT_EQ(fmt("%-4d|%04d|%+d|%x|%X|%o|%c", {7, 7, 7, 255, 255, 8, 'k'}), "7   |0007|+7|ff|FF|10|k");
    EXPECT_EQ(fmt("[%.3s][%6s] %.15g", {"abcdef", "ab", -0.065}), "[abc][    ab] -0.065");
    EXPECT_EQ(fmt("ohne Umwandlung", {1, "x"}), "ohne Umwandlung");   // spare arguments are harmless
    EXPECT_EQ(fmt("%s", {static_cast<const char*>(nullptr)}), "(null)");
    EXPECT_EQ(fmt("%*d|%-*d|%.*f", {4, 1, 3, 2, 1, 2.25}), "   1|2  |2.2");
    EXPECT_EQ(fmt("%*d", {-3, 5}), "5  ");
}

TEST(TextFormat, UnpassendeUmwandlungenWerdenNieAusgefuehrt)
{
    const std::pair<const char*, std::vector<FormatArgument>> faelle[] = {
        {"%s", {42}}, {"%d", {"text"}}, {"%f", {3}}, {"%d", {2.5}}, {"%p", {"text"}},   // the wrong kind
        {"%s und %s", {"eins"}},                                                        // one too few
        {"%n", {0}}, {"%1$s", {"a"}}, {"%Lf", {1.0}}, {"%ls", {"a"}}, {"%y", {1}}, {"100%", {}},
        {"%99999d", {1}}, {"%.*f", {5000, 1.0}}, {"%*d", {"breit", 1}},
    };
    for (const auto& [text, argumente] : faelle)
        EXPECT_EQ(fmt(text, argumente), "<passt nicht>") << text;
}

TEST(TextFormat, UmwandlungenNachArt)
{
    EXPECT_EQ(umwandlungen("%d %i %u %x %c|%e %.15g %f|%s %-20s|%p|%%"), "dddddfffssp");
    EXPECT_EQ(umwandlungen("%*.*f %ld %hhd %n %y"), "**fdd??");
}
