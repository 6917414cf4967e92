// tests/files/test_schriftdefinitionen.cpp - the font definitions block of the settings and
// network texts
#include "netzdatei_hilfe.h"
#include "files/schriftdefinitionen.h"
#include <cstring>

namespace {

constexpr plattform::Farbe keine = plattform::KeineFarbe;

// five fonts that differ in every field, or everything at its start value
void belegen(bool werte)
{
    const auto f = [werte](int punkte, const char* name, int gewicht, int kursiv, int unter, uint32_t farbe) {
        FontDaten s;
        if (werte)
            std::tie(s.punkte, s.name, s.gewicht, s.kursiv, s.unterstrichen, s.farbe) =
                std::tuple(punkte, name, gewicht, kursiv, unter, farbe);
        return s;
    };
    neuronBeschriftungSchrift = f(9, "Arial", 700, 1, 0, 0x332211);
    protokoll.schrift = f(11, "Courier New", 400, 0, 1, 0xAABBCC);
    tooltipSchrift = f(8, "Tahoma", 300, 1, 0, 0x123456);
    tooltipSchrift.farbe = werte ? 0x123456 : keine;
    tooltipHintergrund = werte ? 0xE1FFFF : keine;
    textHintergrundModus = werte ? textHintergrund::Deckend : textHintergrund::Transparent;
    restzeit.schrift = f(14, "DejaVu Sans", 600, 0, 1, 0);
    restzeit.textFarbe = werte ? 0x010203 : 0;
    standardSchrift = f(10, "Times", 500, 1, 1, 0);
    standardFarbe = werte ? 0xFF00FF : 0;
}

// the block as it stands
std::string text()
{
    XBuffer b;
    fontDefinitionenSpeichern(nullptr, b);
    return b.text();
}
// the block of the five fonts, with the line of a key at another value or gone (nullptr)
std::string block(const std::string& schluessel = "", const char* wert = nullptr)
{
    belegen(true);
    std::string t = text();
    const size_t a = t.find("\n" + schluessel) + 1, w = a + schluessel.size();
    if (!schluessel.empty() && a)
        wert ? t.replace(w, t.find('\n', w) - w, wert) : t.erase(a, t.find('\n', w) + 1 - a);
    return t;
}

// the text read into the start values; the cut at the block end must go back
void lesen(const std::string& text)
{
    belegen(false);
    std::vector<char> t(text.c_str(), text.c_str() + text.size() + 1);   // no byte to spare
    fontDefinitionenLaden(t.data());
    EXPECT_EQ(std::strlen(t.data()), text.size());
}

struct Schriftdefinitionen : ::testing::Test {
    void TearDown() override { belegen(false); }
};

} // namespace

TEST_F(Schriftdefinitionen, BlockKommtGleichZurueckAuchMitDerEndmarkeAmTextende)
{
    const std::string geschrieben = block();
    EXPECT_TRUE(geschrieben.ends_with("\t\t// (schwarz = 0, 0, 0)\nende font definitionen\n\n"));
    std::string crlf;
    for (char c : geschrieben)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    // as written; with CR LF as a file has it between keys of other blocks; and the end mark
    // with one byte or none behind it, where there is nothing to cut
    const std::string zwischen = "fontgroesse f\xFCr protokollfenster=3\r\n" + crlf +
                                 "standard fontgroesse=7";
    for (const std::string& t : {geschrieben, zwischen, geschrieben.substr(0, geschrieben.size() - 1),
                                 geschrieben.substr(0, geschrieben.size() - 2)}) {
        SCOPED_TRACE(t.substr(t.size() - 10));
        lesen(t);
        EXPECT_EQ(text(), geschrieben);
    }
}

TEST_F(Schriftdefinitionen, LueckenUndSchnitt)
{
    const struct {
        const char* was;
        std::string text;
        std::function<void()> erwartet;   // changes the five fonts into what is read
    } faelle[] = {
        {"without the label face only the label size is read", block("fontname f\xFCr neuronenbeschriftung="),
         [] {
             belegen(false);
             neuronBeschriftungSchrift.punkte = 9;
         }},
        {"two of three protocol colour bytes give no colour", block("protokolltextfarbe blauanteil="),
         [] { protokoll.schrift.farbe = keine; }},
        {"a label colour byte above 255 gives no colour",
         block("neuronbeschriftung farbe gruenanteil=", "300"),
         [] { neuronBeschriftungSchrift.farbe = keine; }},
        {"a tooltip colour beyond no colour keeps its value",
         block("textfarbe f\xFCr tooltip-hilfefenster=", "16777217"), [] { tooltipSchrift.farbe = keine; }},
        {"transparent=ja", block("texthintergrund transparent=", "ja"),
         [] { textHintergrundModus = textHintergrund::Transparent; }},
        {"keys behind the block are not found",
         block("restzeit-anzeigefenstertextfarbe blauanteil=") +
             "restzeit-anzeigefenstertextfarbe blauanteil=9",
         [] { restzeit.textFarbe = keine; }},
        {"a missing key starts the next search at the text start",
         "font unterstrichen f\xFCr protokollfenster=5\n" + block("font kursiv f\xFCr protokollfenster="),
         [] { protokoll.schrift.unterstrichen = 5; }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        belegen(true);
        f.erwartet();
        const std::string soll = text();
        lesen(f.text);
        EXPECT_EQ(text(), soll);
    }
}

TEST_F(Schriftdefinitionen, VerformteBloeckeBleibenImRahmen)
{
    const std::string grund = "[programmdefinitionen]\nfontgroesse f\xFCr protokollfenster=3\n" + block() +
                              "standard fontgroesse=99\n[Dateiende]\n";
    Verformer verformen{20240612};
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        std::string t = verformen(grund);
        lesen(t.substr(0, std::strlen(t.c_str())));
        for (const FontDaten* s : {&neuronBeschriftungSchrift, &protokoll.schrift, &tooltipSchrift,
                                   &restzeit.schrift, &standardSchrift})
            ASSERT_TRUE(s->name.size() < 256 && s->farbe <= keine);
        ASSERT_TRUE(tooltipHintergrund <= keine && restzeit.textFarbe <= keine && standardFarbe <= keine);
    }
}
