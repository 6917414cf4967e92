// tests/files/test_schriftdefinitionen.cpp - the font definitions block of the settings and
// network texts
#include "netzdatei_hilfe.h"
#include "files/schriftdefinitionen.h"
#include <cstring>

namespace {

constexpr plattform::Farbe keine = plattform::KeineFarbe;

FontDaten schrift(int punkte, const std::string& name, int gewicht, int kursiv, int unterstrichen,
                  plattform::Farbe farbe = 0)
{
    FontDaten s;
    s.punkte = punkte;
    s.name = name;
    s.gewicht = gewicht;
    s.kursiv = kursiv;
    s.unterstrichen = unterstrichen;
    s.farbe = farbe;
    return s;
}

auto felder(const FontDaten& s) { return std::tuple(s.punkte, s.name, s.gewicht, s.kursiv, s.unterstrichen, s.farbe); }

// everything the block sets, in one comparable value
auto alles()
{
    return std::tuple(felder(neuronBeschriftungSchrift), felder(protokoll.schrift), felder(tooltipSchrift),
                      tooltipHintergrund, textHintergrundModus, felder(restzeit.schrift), restzeit.textFarbe,
                      felder(standardSchrift), standardFarbe);
}

struct Schriftdefinitionen : NetzdateiFall {
    void SetUp() override
    {
        NetzdateiFall::SetUp();
        voreinstellen();
    }
    void TearDown() override
    {
        voreinstellen();
        NetzdateiFall::TearDown();
    }
    static void voreinstellen()
    {
        neuronBeschriftungSchrift = {};
        protokoll.schrift = {};
        tooltipSchrift = schrift(0, "", 400, 0, 0, keine);
        tooltipHintergrund = keine;
        textHintergrundModus = textHintergrund::Transparent;
        restzeit.schrift = {};
        restzeit.textFarbe = 0;
        standardSchrift = {};
        standardFarbe = 0;
    }
    // five fonts that differ in every field
    static void belegen()
    {
        neuronBeschriftungSchrift = schrift(9, "Arial", 700, 1, 0, 0x332211);
        protokoll.schrift = schrift(11, "Courier New", 400, 0, 1, 0xAABBCC);
        tooltipSchrift = schrift(8, "Tahoma", 300, 1, 0, 0x123456);
        tooltipHintergrund = 0xE1FFFF;
        textHintergrundModus = textHintergrund::Deckend;
        restzeit.schrift = schrift(14, "DejaVu Sans", 600, 0, 1);
        restzeit.textFarbe = 0x010203;
        standardSchrift = schrift(10, "Times", 500, 1, 1);
        standardFarbe = 0xFF00FF;
    }
    static std::string block()
    {
        XBuffer b;
        fontDefinitionenSpeichern(nullptr, b);
        return b.text();
    }
    static void lesen(const std::string& text)
    {
        std::vector<char> t = lesbar(text);
        fontDefinitionenLaden(t.data());
    }
};

std::string ohneZeile(std::string text, const std::string& anfang)
{
    const size_t a = text.find("\n" + anfang);
    EXPECT_NE(a, std::string::npos) << anfang;
    if (a != std::string::npos)
        text.erase(a + 1, text.find('\n', a + 1) - a);
    return text;
}

std::string ersetzt(std::string text, const std::string& alt, const std::string& neu)
{
    const size_t a = text.find(alt);
    EXPECT_NE(a, std::string::npos) << alt;
    if (a != std::string::npos)
        text.replace(a, alt.size(), neu);
    return text;
}

} // namespace

TEST_F(Schriftdefinitionen, BlockKommtGleichZurueck)
{
    belegen();
    const std::string text = block();
    EXPECT_EQ(text, "\nfont-definitionen\n"
                    "fontgroesse f\xFCr neuronenbeschriftung=9\nfontname f\xFCr neuronenbeschriftung=Arial\n"
                    "font-wichtung f\xFCr neuronenbeschriftung=700\nfont kursiv f\xFCr neuronenbeschriftung=1\n"
                    "font unterstrichen f\xFCr neuronenbeschriftung=0\nneuronbeschriftung farbe rotanteil=17\n"
                    "neuronbeschriftung farbe gruenanteil=34\nneuronbeschriftung farbe blauanteil=51\n"
                    "fontgroesse f\xFCr protokollfenster=11\nfontname f\xFCr protokollfenster=Courier New\n"
                    "font-wichtung f\xFCr protokollfenster=400\nfont kursiv f\xFCr protokollfenster=0\n"
                    "font unterstrichen f\xFCr protokollfenster=1\nprotokolltextfarbe rotanteil=204\n"
                    "protokolltextfarbe gruenanteil=187\nprotokolltextfarbe blauanteil=170\n"
                    "fontgroesse f\xFCr tooltip-hilfefenster=8\nfontname f\xFCr tooltip-hilfefenster=Tahoma\n"
                    "font-wichtung f\xFCr tooltip-hilfefenster=300\nfont kursiv f\xFCr tooltip-hilfefenster=1\n"
                    "textfarbe f\xFCr tooltip-hilfefenster=1193046\nhintergrundfarbe f\xFCr tooltip-hilfefenster=14811135\n"
                    "texthintergrund transparent=nein\n"
                    "fontgroesse f\xFCr restzeit-anzeigefenster=14\nfontname f\xFCr restzeit-anzeigefenster=DejaVu Sans\n"
                    "font-wichtung f\xFCr restzeit-anzeigefenster=600\nfont kursiv f\xFCr restzeit-anzeigefenster=0\n"
                    "font unterstrichen f\xFCr restzeit-anzeigefenster=1\nrestzeit-anzeigefenstertextfarbe rotanteil=3\n"
                    "restzeit-anzeigefenstertextfarbe gruenanteil=2\nrestzeit-anzeigefenstertextfarbe blauanteil=1\n"
                    "standard fontgroesse=10\nfontname f\xFCr standardtext=Times\nfont-wichtung f\xFCr standard=500\n"
                    "font kursiv f\xFCr standard=1\nfont unterstrichen f\xFCr standard=1\nstandardfarbe rotanteil=255\n"
                    "standardfarbe gruenanteil=0\nstandardfarbe blauanteil=255\t\t// (schwarz = 0, 0, 0)\n"
                    "ende font definitionen\n\n");
    const auto geschrieben = alles();
    voreinstellen();
    lesen(text);
    EXPECT_EQ(alles(), geschrieben);
    // with CR LF, as a file has it, and a key of another block behind it
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    voreinstellen();
    lesen("[programmdefinitionen]\r\n" + crlf + "fontgroesse f\xFCr protokollfenster=99\r\n");
    EXPECT_EQ(alles(), geschrieben);
    // the tooltip's underline switch has no line: it keeps what it was
    tooltipSchrift.unterstrichen = 1;
    lesen(text);
    EXPECT_EQ(tooltipSchrift.unterstrichen, 1);
}

TEST_F(Schriftdefinitionen, LueckenUndSchnitt)
{
    belegen();
    const std::string text = block();
    struct Fall {
        std::string was;
        std::string text;
        std::function<void()> erwartet;   // changes the written values into what is read
    };
    const Fall faelle[] = {
        {"without the label face only the label size is read",
         ohneZeile(text, "fontname f\xFCr neuronenbeschriftung="),
         [] {
             voreinstellen();
             neuronBeschriftungSchrift.punkte = 9;
         }},
        {"two of three protocol colour bytes give no colour",
         ohneZeile(text, "protokolltextfarbe blauanteil="), [] { protokoll.schrift.farbe = keine; }},
        {"a label colour byte above 255 gives no colour",
         ersetzt(text, "neuronbeschriftung farbe gruenanteil=34", "neuronbeschriftung farbe gruenanteil=300"),
         [] { neuronBeschriftungSchrift.farbe = keine; }},
        {"a tooltip colour beyond no colour keeps its value",
         ersetzt(text, "textfarbe f\xFCr tooltip-hilfefenster=1193046", "textfarbe f\xFCr tooltip-hilfefenster=16777217"),
         [] { tooltipSchrift.farbe = keine; }},
        {"transparent=ja", ersetzt(text, "transparent=nein", "transparent=ja"),
         [] { textHintergrundModus = textHintergrund::Transparent; }},
        {"no transparency line", ohneZeile(text, "texthintergrund transparent="),
         [] { textHintergrundModus = textHintergrund::Deckend; }},
        {"keys behind the block are not found",
         ohneZeile(text, "restzeit-anzeigefenstertextfarbe blauanteil=") +
             "restzeit-anzeigefenstertextfarbe blauanteil=1\nstandard fontgroesse=77\n",
         [] { restzeit.textFarbe = keine; }},
        {"a missing key starts the next search at the text start",
         "font unterstrichen f\xFCr protokollfenster=5\n" +
             ohneZeile(ohneZeile(text, "font kursiv f\xFCr protokollfenster="),
                       "font unterstrichen f\xFCr protokollfenster="),
         [] { protokoll.schrift.unterstrichen = 5; }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        belegen();
        f.erwartet();
        const auto soll = alles();
        voreinstellen();
        tooltipSchrift.farbe = keine;
        lesen(f.text);
        EXPECT_EQ(alles(), soll);
    }
}

TEST_F(Schriftdefinitionen, SchnittAmTextendeBleibtImText)
{
    belegen();
    const std::string text = block();
    const auto geschrieben = alles();
    // the end mark with nothing, one and two bytes behind it, each text in a buffer of its size
    for (const char* ende : {"", "\n", "\n\n"}) {
        SCOPED_TRACE(std::strlen(ende));
        std::string t = text.substr(0, text.size() - 2) + ende;
        std::vector<char> puffer = lesbar(t);
        voreinstellen();
        fontDefinitionenLaden(puffer.data());
        EXPECT_EQ(alles(), geschrieben);
        EXPECT_EQ(std::strlen(puffer.data()), t.size());   // the cut is put back
    }
}

TEST_F(Schriftdefinitionen, VerformteBloeckeBleibenImRahmen)
{
    belegen();
    const std::string grund = "[programmdefinitionen]\nfontgroesse f\xFCr protokollfenster=3\n" + block() +
                              "standard fontgroesse=99\n[Dateiende]\n";
    Verformer verformen{20240612};
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        const std::string t = verformen(grund);
        std::vector<char> puffer = lesbar(t);
        const size_t laenge = std::strlen(puffer.data());
        fontDefinitionenLaden(puffer.data());
        ASSERT_EQ(std::strlen(puffer.data()), laenge);
        ASSERT_TRUE(textHintergrundModus == textHintergrund::Transparent ||
                    textHintergrundModus == textHintergrund::Deckend);
        for (const FontDaten* s : {&neuronBeschriftungSchrift, &protokoll.schrift, &tooltipSchrift,
                                   &restzeit.schrift, &standardSchrift})
            ASSERT_TRUE(s->name.size() < 256 && s->farbe <= keine);
        ASSERT_TRUE(tooltipHintergrund <= keine && restzeit.textFarbe <= keine && standardFarbe <= keine);
    }
}
