// tests/files/test_xbuffer_formate.cpp - the writers' number formatting against the C
// library's printf, and the text with the file's line ends built in one pass
#include "files/textdatei.h"
#include "files/xbuffer.h"
#include <gtest/gtest.h>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

std::string printfText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string printfText(const char* format, ...)
{
    va_list a;
    va_start(a, format);
    char z[2048];
    const int n = std::vsnprintf(z, sizeof z, format, a);
    va_end(a);
    return std::string(z, static_cast<size_t>(std::max(n, 0)));
}

template <class... T>
std::string gedruckt(const char* format, T... werte)
{
    XBuffer b;
    b.drucken(format, werte...);
    return b.text();
}

// the numbers of the shipped model default files, one per line
std::vector<double> modellVorgaben()
{
    std::string ordner = VELNOR_TEST_DATEN;
    ordner.resize(ordner.size() - std::string_view("tests/data").size());
    std::vector<double> w;
    for (const char* datei : {"standard.gen", "onoff.channel", "hh.channel", "swim.channel", "gb.channel"}) {
        std::ifstream ein(ordner + "resources/parameter/" + datei);
        for (double x; ein >> x;)
            w.push_back(x);
    }
    return w;
}

// The values the writers print: the model's default parameters, what a dialog or a run
// leaves (short decimals, results of arithmetic, seeded random ones of every size), and
// the edges of the double range.
std::vector<double> werteDerSchreiber()
{
    std::vector<double> w = {0.0, -0.0, 1.0, -1.0, 0.1, 0.5, 1e-3, 0.003, 1e-06, 5e-06, 2e-07, -0.07, -0.065,
                             -1000.0, 1e-4, 0.0625, 3.0 * 0.0001, 4.9999999e-7, 5e-7, 0.0000005, 1e15,
                             999999999999999.0, 1e16, 123456789012345678.0, 1e21, 1e-5, 0.00001234,
                             9.9999999999999995e-5, 0.30000000000000004, 2.5, 3.5, -2.5, 1.0 / 3.0, 2.0 / 3.0,
                             DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e-320, 4.9406564584124654e-324,
                             1.7976931348623157e308, 65535.0, 4294967296.0, 1e300, -1e-300, 0.05, 0.3, 1e-9};
    const std::vector<double> vorgaben = modellVorgaben();
    EXPECT_GT(vorgaben.size(), 200u);
    w.insert(w.end(), vorgaben.begin(), vorgaben.end());
    for (double x : vorgaben)
        w.push_back(x * 1.1), w.push_back(x / 3.0);
    for (int i = 1; i < 200; ++i)
        w.push_back(i * 0.0625), w.push_back(i * 1e-4), w.push_back(std::pow(10.0, i - 100) * 1.2345);
    std::mt19937_64 zufall(20240607);
    std::uniform_real_distribution<double> gleich(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-320, 308);
    std::uniform_int_distribution<uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        w.push_back(gleich(zufall) * std::pow(10.0, exponent(zufall)));
        const double x = std::bit_cast<double>(bits(zufall));
        if (std::isfinite(x))
            w.push_back(x);
    }
    // a value rounded to the decimals a dialog field shows, as a user typed it
    for (int i = 0; i < 2000; ++i)
        w.push_back(std::round(gleich(zufall) * 1e6) / 1e3);
    return w;
}

} // namespace

// Every conversion the writers use gives printf's text, byte for byte, over the values they
// produce; the ones outside the fast forms (widths, flags, stars, other conversions) too.
TEST(XBufferFormate, ZahlenWieDieCBibliothekSieDruckt)
{
    for (double x : werteDerSchreiber()) {
        SCOPED_TRACE(printfText("%a", x));
        ASSERT_EQ(gedruckt("%.15g", x), printfText("%.15g", x));
        ASSERT_EQ(gedruckt("%f", x), printfText("%f", x));
        ASSERT_EQ(gedruckt("%lf", x), printfText("%lf", x));
        ASSERT_EQ(gedruckt("%g", x), printfText("%g", x));
        ASSERT_EQ(gedruckt("%.0g|%.1g|%.17g|%e|%.3e", x, x, x, x, x), printfText("%.0g|%.1g|%.17g|%e|%.3e", x, x, x, x, x));
        ASSERT_EQ(gedruckt("%.0f|%.2f|%12.4f|%-9g|%+g|%G|%E", x, x, x, x, x, x, x),
                  printfText("%.0f|%.2f|%12.4f|%-9g|%+g|%G|%E", x, x, x, x, x, x, x));
        XBuffer b;
        b.zahlAnhaengen(x);
        b.sechsStellenAnhaengen(x);
        ASSERT_EQ(b.text(), printfText("%.15g%f", x, x));
    }
    for (double x : {NAN, -NAN, INFINITY, -INFINITY}) {
        EXPECT_EQ(gedruckt("%.15g %f %g %e", x, x, x, x), printfText("%.15g %f %g %e", x, x, x, x));
        XBuffer b;
        b.zahlAnhaengen(x);
        b.sechsStellenAnhaengen(x);
        EXPECT_EQ(b.text(), printfText("%.15g%f", x, x));
    }
    for (long long i : {0LL, 1LL, -1LL, 7LL, 65535LL, static_cast<long long>(INT_MAX), static_cast<long long>(INT_MIN),
                        LLONG_MAX, LLONG_MIN, 4294967295LL}) {
        const int k = static_cast<int>(i);
        const unsigned u = static_cast<unsigned>(i);
        EXPECT_EQ(gedruckt("%d %i %u %ld %lld %x %X %o %5d %-5d| %05d %hd %hhd", k, k, u, static_cast<long>(i), i, u,
                           u, u, k, k, k, static_cast<short>(k), static_cast<signed char>(k)),
                  printfText("%d %i %u %ld %lld %x %X %o %5d %-5d| %05d %hd %hhd", k, k, u, static_cast<long>(i), i, u,
                             u, u, k, k, k, static_cast<short>(k), static_cast<signed char>(k)));
        XBuffer b;
        b.ganzAnhaengen(i);
        EXPECT_EQ(b.text(), printfText("%lld", i));
    }
    EXPECT_EQ(gedruckt("%s=%s|%c%%|%10s|%-4s|%.2s|%*d|%.*f|%zu", "schl\xFC" "ssel", "", 'x', "rechts", "l", "abc", 6, 42, 3,
                       0.125, size_t{12}),
              printfText("%s=%s|%c%%|%10s|%-4s|%.2s|%*d|%.*f|%zu", "schl\xFC" "ssel", "", 'x', "rechts", "l", "abc", 6,
                         42, 3, 0.125, size_t{12}));
}

// With the file's line ends every LF gets one CR, also in texts appended whole and in
// printed arguments, and a CR already there stays single: the same bytes as converting the
// finished text afterwards.
TEST(XBufferFormate, CrLfBeimBauenGibtDieZeilenendenDerUmwandlungDanach)
{
    const auto bauen = [](XBuffer& b) {
        b.drucken("\n[anfang]\nzahl=%.15g\n", 0.1);
        b.drucken("%s", "text mit\r\nzeilen\nund\rallein\n");
        b.anhaengen("\n\r\n\n\r");
        b.drucken("\nnach einem CR am Ende des vorigen Stuecks%c", '\n');
        b.anhaengen(std::string("protokoll\r\nzeile\n\nende"));
        b.ganzAnhaengen(7);
        b.zeilenende();
        b.zahlAnhaengen(-2.5);
        b.zeilenende();
        b.drucken("%5s|%-3c|\n", "a\nb", '\n');
    };
    XBuffer lf, crlf;
    crlf.crLfZeilenenden();
    bauen(lf);
    bauen(crlf);
    EXPECT_EQ(crlf.text(), mitCrLf(lf.text()));
}
