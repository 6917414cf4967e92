// tests/model/test_formen.cpp - the functional forms of the rate and conductance formulas
#include "model/formen.h"
#include "core/status.h"
#include "core/fehler.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace pt = plattform::test;

namespace {

constexpr double A = 2.0, S = 0.01;
const double x = S * std::log(4.0);    // (V-H)/S = ln 4: exp gives 4, with -S 0.25
const double ungelesen = std::numeric_limits<double>::quiet_NaN();   // a voltage the form must not read
const FormSpannungen beliebig{-0.05, -0.05};

struct Formen : ::testing::Test {
    void SetUp() override
    {
        pt::zuruecksetzen();
        laufZustand = {};
    }
    void TearDown() override { SetUp(); }
    // forms 16 and 17 read only the synapse voltage, the others only the soma's
    static double berechnen(int form, double V, double H, double D, double E = 0.0)
    {
        const bool synapse = form == 16 || form == 17;
        const FormSpannungen u = synapse ? FormSpannungen{ungelesen, V} : FormSpannungen{V, ungelesen};
        return funktionaleFormBerechnen(form, A, H, S, D, E, u);
    }
    // a new run that answers the one box it may show
    static void neuerLauf()
    {
        pt::zuruecksetzen();
        laufZustand.abbrechen = 0;
        pt::boxAntworten({plattform::antwort::Ok});
    }
    static void meldungErwarten(int code)
    {
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].text, fehlerText(code));
        EXPECT_EQ(laufZustand.abbrechen, 1);
    }
};

} // namespace

TEST_F(Formen, JedeFormRechnetIhreFormelUngepruefteNennerTeilenWeiter)
{
    const double V = -0.06, H = V - x, Hplus = -V + x;   // Hplus for the (V+H) forms
    const double e = std::exp(1.0);
    const struct { int form; double V, H, erwartet, E = 0.0; } faelle[] = {
        {1, V, H, 2.0 * (4.0 + 3.0)}, {2, V, H, 2.0 * (0.25 + 3.0)}, {3, V, H, 2.0 * (0.25 + 3.0)},
        {4, V, H, (4.0 + 3.0) / 2.0}, {5, V, H, (0.25 + 3.0) / 2.0}, {6, V, H, 2.0 * (4.0 + 3.0)},
        {11, V, H, 2.0 * x / (3.0 - 4.0)}, {12, V, H, 2.0 * x / (3.0 - 0.25)},
        {13, V, H, -2.0 * x / (3.0 - 4.0)}, {14, V, H, -2.0 * x / (3.0 - 0.25)},
        {15, V, Hplus, 0.05362419689933108},
        {16, V, H, 2.0 * x / (3.0 - 0.25)}, {17, V, H, -2.0 * x / (3.0 - 4.0)},
        {21, V, H, 2.0 / (4.0 + 3.0)}, {22, V, H, 2.0 / (3.0 - 0.25)}, {23, V, H, 2.0 / (0.25 + 3.0)},
        {24, V, H, 1.0 / (4.0 + 3.0)}, {25, V, H, 1.0 / (0.25 + 3.0)}, {26, V, H, 2.0 / (3.0 - 4.0)},
        {27, V, H, 2.0 / 3.0}, {28, V, Hplus, 2.0 / (4.0 + 3.0)}, {31, V, H, 1.0 / 3.0}, {32, V, H, 2.0},
        {101, V, H, 5.0 - 2.0 / (0.25 + 3.0), 5.0},
        {101, V, H, 0.0, 0.5},    // never below 0
        // fixed voltages: one slope away from each half-activation point the exponent is 1
        {102, -0.0255 - 0.00529, 0, 2.0 / (e + 3.0)},
        {103, -0.12 - 0.025, 0, 1.32 - 2.0 / (e + 3.0)},
        {104, -0.0489 + 0.00518, 0, 2.0 / (e + 3.0)},
        {105, -0.0629 - 0.01, 0, 0.5077269123615094},
    };
    for (const auto& f : faelle) {
        const double wert = berechnen(f.form, f.V, f.H, 3.0, f.E);
        EXPECT_NEAR(wert, f.erwartet, 1e-12 * std::fabs(f.erwartet)) << "form " << f.form;
    }
    // denominators the forms do not check divide as they are: NaN is not 0.0
    EXPECT_TRUE(std::isnan(berechnen(21, -0.05, -0.05, ungelesen)) &&
                std::isnan(berechnen(11, -0.05, -0.05, ungelesen)));
    EXPECT_TRUE(std::isinf(berechnen(27, -0.05, -0.05, 0.0)) &&
                std::isinf(berechnen(31, -0.05, -0.05, 0.0)) &&
                std::isinf(funktionaleFormBerechnen(4, 0.0, -0.05, S, 3.0, 0.0, beliebig)));
    EXPECT_EQ(std::tuple(pt::boxLog().size(), laufZustand.abbrechen), std::tuple(0u, 0));
}

TEST_F(Formen, NullnennerZeigtEinmalJeLaufSeineMeldungLinoidformenGebenIhrenGrenzwert)
{
    // each D makes the form's denominator exactly 0.0: D = vorzeichen * exp((V -+ H) / (+-S))
    using DFuer = double (*)(double V, double H);
    const DFuer exponentMinusGleich = [](double V, double H) { return std::exp((V - H) / S); };
    const DFuer exponentPlusGleich = [](double V, double H) { return std::exp((V - H) / (-S)); };
    const DFuer summeNull = [](double V, double H) { return -std::exp((V - H) / S); };
    const DFuer summeNullMitMinusS = [](double V, double H) { return -std::exp((V - H) / (-S)); };
    const DFuer summeNullVPlusH = [](double V, double H) { return -std::exp((V + H) / S); };

    // linoid forms: the numerator A*(V-H) is twice the tolerance 0.001*|A*H|
    const double H = -0.05, V = H + 1e-4;
    const struct { int form; DFuer d; double grenzwertVorzeichen; } faelle[] = {
        {11, exponentMinusGleich, -1}, {12, exponentPlusGleich, 1}, {13, exponentMinusGleich, 1},
        {16, exponentPlusGleich, 1},   {17, exponentMinusGleich, 1},
        {14, exponentPlusGleich, 0},   {15, summeNullVPlusH, 0},     {21, summeNull, 0},
        {22, exponentPlusGleich, 0},   {23, summeNullMitMinusS, 0},  {24, summeNull, 0},
        {25, summeNullMitMinusS, 0},   {26, exponentMinusGleich, 0}, {28, summeNullVPlusH, 0},
        {101, summeNullMitMinusS, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.form);
        neuerLauf();
        const double D = f.d(V, H);
        const double erwartet = f.grenzwertVorzeichen * A * S / D;
        // the same run: no second box
        EXPECT_EQ(std::tuple(berechnen(f.form, V, H, D, 5.0), berechnen(f.form, V, H, D, 5.0)),
                  std::tuple(erwartet, erwartet));
        meldungErwarten(131);
        if (f.grenzwertVorzeichen == 0)
            continue;
        // a linoid form: at V = H its own limit, not its negative; near it, with the numerator
        // within the tolerance, the limit over D without a message
        neuerLauf();
        const double grenzwert = f.grenzwertVorzeichen * A * S, nahe = H + 2.5e-5;
        EXPECT_EQ(berechnen(f.form, H, H, 1.0), grenzwert);
        for (double abstand : {1e-7, -1e-7})
            EXPECT_NEAR(berechnen(f.form, H + abstand, H, 1.0), grenzwert, 1e-4 * A * S);
        EXPECT_EQ(berechnen(f.form, nahe, H, f.d(nahe, H)), grenzwert / f.d(nahe, H));
        EXPECT_TRUE(pt::boxLog().empty());
    }

    // form 14 at V = H with D = 1
    neuerLauf();
    EXPECT_EQ(berechnen(14, H, H, 1.0), 0.0);
    meldungErwarten(131);
}

TEST_F(Formen, UngueltigeFormMeldetEinmalJeLaufUndGibtNull)
{
    for (int form : {0, 7, 10, 18, 20, 29, 30, 33, 100, 106, -1}) {
        SCOPED_TRACE(form);
        neuerLauf();
        EXPECT_EQ(funktionaleFormBerechnen(form, A, -0.05, S, 3.0, 0.0, beliebig), 0.0);
        meldungErwarten(130);
    }
    // one box per run, whichever error comes next
    EXPECT_EQ(berechnen(14, -0.05, -0.05, 1.0), 0.0);
    EXPECT_EQ(pt::boxLog().size(), 1u);

    // a run already aborted (by ESC, say) shows nothing
    pt::zuruecksetzen();
    EXPECT_EQ(funktionaleFormBerechnen(7, A, -0.05, S, 3.0, 0.0, beliebig), 0.0);
    EXPECT_EQ(std::tuple(pt::boxLog().size(), laufZustand.abbrechen), std::tuple(0u, 1));
}
