// files/schriftdefinitionen.cpp - the font definitions block: the fonts and text colours of
// the neuron labels, the protocol, the tooltips, the remaining-time window and the
// standard text
#include "files/schriftdefinitionen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/lesen.h"
#include <cstring>
#include <string>

namespace {

// The keys of one font; the colour keys are the prefix with "rotanteil=", "gruenanteil="
// and "blauanteil=" (the tooltip has its two whole colours instead).
struct Schriftschluessel {
    const char* groesse;
    const char* name;
    const char* wichtung;
    const char* kursiv;
    const char* unterstrichen;
    const char* farbe;
};
constexpr Schriftschluessel neuronSchluessel{
    "fontgroesse f\xFCr neuronenbeschriftung=", "fontname f\xFCr neuronenbeschriftung=",
    "font-wichtung f\xFCr neuronenbeschriftung=", "font kursiv f\xFCr neuronenbeschriftung=",
    "font unterstrichen f\xFCr neuronenbeschriftung=", "neuronbeschriftung farbe "};
constexpr Schriftschluessel protokollSchluessel{
    "fontgroesse f\xFCr protokollfenster=", "fontname f\xFCr protokollfenster=",
    "font-wichtung f\xFCr protokollfenster=", "font kursiv f\xFCr protokollfenster=",
    "font unterstrichen f\xFCr protokollfenster=", "protokolltextfarbe "};
constexpr Schriftschluessel tooltipSchluessel{
    "fontgroesse f\xFCr tooltip-hilfefenster=", "fontname f\xFCr tooltip-hilfefenster=",
    "font-wichtung f\xFCr tooltip-hilfefenster=", "font kursiv f\xFCr tooltip-hilfefenster=",
    "font unterstrichen f\xFCr tooltip-hilfefenster=", nullptr};
constexpr const char* tooltipTextfarbe = "textfarbe f\xFCr tooltip-hilfefenster=";
constexpr const char* tooltipHintergrundfarbe = "hintergrundfarbe f\xFCr tooltip-hilfefenster=";
constexpr Schriftschluessel restzeitSchluessel{
    "fontgroesse f\xFCr restzeit-anzeigefenster=", "fontname f\xFCr restzeit-anzeigefenster=",
    "font-wichtung f\xFCr restzeit-anzeigefenster=", "font kursiv f\xFCr restzeit-anzeigefenster=",
    "font unterstrichen f\xFCr restzeit-anzeigefenster=", "restzeit-anzeigefenstertextfarbe "};
constexpr Schriftschluessel standardSchluessel{
    "standard fontgroesse=", "fontname f\xFCr standardtext=", "font-wichtung f\xFCr standard=",
    "font kursiv f\xFCr standard=", "font unterstrichen f\xFCr standard=", "standardfarbe "};
constexpr const char* farbteile[] = {"rotanteil=", "gruenanteil=", "blauanteil="};

constexpr const char* blockEnde = "ende font definitionen";
constexpr const char* transparent = "texthintergrund transparent=ja";
// a face name as the font record holds it
constexpr int namenPuffer = 256;

void schriftSchreiben(XBuffer& p, const Schriftschluessel& k, const FontDaten& s, bool mitUnterstrichen)
{
    p.drucken("%s%d\n%s%s\n%s%d\n%s%d\n", k.groesse, s.punkte, k.name, s.name.c_str(), k.wichtung, s.gewicht,
              k.kursiv, s.kursiv);
    if (mitUnterstrichen)
        p.drucken("%s%d\n", k.unterstrichen, s.unterstrichen);
}

// The three bytes of a colour; the standard colour's blue line carries a note.
void farbeSchreiben(XBuffer& p, const char* praefix, plattform::Farbe f, const char* notiz = "")
{
    p.drucken("%s%s%d\n%s%s%d\n%s%s%d%s\n", praefix, farbteile[0], static_cast<int>(f & 255), praefix, farbteile[1],
              static_cast<int>((f >> 8) & 255), praefix, farbteile[2], static_cast<int>((f >> 16) & 255), notiz);
}

// Keys searched one behind the other: a key found moves the search behind it, a missing
// one starts the next search at the text start again.
struct Kette {
    char* text;
    char* p = text;

    bool weiter(char* hinter)
    {
        p = hinter ? hinter : text;
        return hinter != nullptr;
    }
    template <class T>
    bool zahl(T& ziel, const char* schluessel)
    {
        return weiter(zahlLesen(ziel, p, schluessel));
    }
    bool wort(std::string& ziel, const char* schluessel)
    {
        return weiter(schluesselTextLesen(ziel, namenPuffer, p, schluessel));
    }
    bool marke(const char* schluessel)
    {
        char* stelle = std::strstr(p, schluessel);
        return weiter(stelle ? stelle + std::strlen(schluessel) : nullptr);
    }
    // the four switches and sizes behind the face name
    void schrift(FontDaten& s, const Schriftschluessel& k)
    {
        zahl(s.punkte, k.groesse);
        wort(s.name, k.name);
        rest(s, k);
    }
    void rest(FontDaten& s, const Schriftschluessel& k)
    {
        zahl(s.gewicht, k.wichtung);
        zahl(s.kursiv, k.kursiv);
        zahl(s.unterstrichen, k.unterstrichen);
    }
};

// A colour from its three byte keys, read by lesen; no colour unless all three are bytes.
template <class L>
plattform::Farbe farbeLesen(const char* praefix, L&& lesen)
{
    plattform::Farbe f = 0;
    bool ganz = true;
    for (int i = 0; i < 3; ++i) {
        int teil = -1;
        lesen(teil, (std::string(praefix) + farbteile[i]).c_str());
        ganz = ganz && teil >= 0 && teil <= 255;
        if (ganz)
            f |= static_cast<plattform::Farbe>(teil) << (8 * i);
    }
    return ganz ? f : plattform::KeineFarbe;
}

// a whole colour, or "no colour"; anything else keeps the old value
void ganzeFarbe(Kette& k, plattform::Farbe& ziel, const char* schluessel)
{
    uint32_t f = 0;
    if (k.zahl(f, schluessel) && f <= plattform::KeineFarbe)
        ziel = f;
}

// Cuts the text two bytes behind the block's end mark (behind its two line breaks), so
// that no key behind the block is found; the byte goes back when the read ends. A mark
// with less than two bytes behind it ends the text anyway: then nothing is cut.
class Blockschnitt {
public:
    explicit Blockschnitt(char* text)
    {
        char* marke = std::strstr(text, blockEnde);
        if (!marke)
            return;
        char* hinter = marke + std::strlen(blockEnde);
        if (hinter[0] == '\0' || hinter[1] == '\0')
            return;
        stelle = hinter + 2;
        gespeichert = *stelle;
        *stelle = '\0';
    }
    ~Blockschnitt()
    {
        if (stelle)
            *stelle = gespeichert;
    }
    Blockschnitt(const Blockschnitt&) = delete;
    Blockschnitt& operator=(const Blockschnitt&) = delete;

private:
    char* stelle = nullptr;
    char gespeichert = 0;
};

} // namespace

void fontDefinitionenSpeichern(std::FILE*, XBuffer& puffer)
{
    textZeiger = &puffer;
    XBuffer& p = *textZeiger;
    p.drucken("\nfont-definitionen\n");
    schriftSchreiben(p, neuronSchluessel, neuronBeschriftungSchrift, true);
    farbeSchreiben(p, neuronSchluessel.farbe, neuronBeschriftungSchrift.farbe);
    schriftSchreiben(p, protokollSchluessel, protokoll.schrift, true);
    farbeSchreiben(p, protokollSchluessel.farbe, protokoll.schrift.farbe);
    schriftSchreiben(p, tooltipSchluessel, tooltipSchrift, false);
    p.drucken("%s%d\n%s%d\n", tooltipTextfarbe, static_cast<int>(tooltipSchrift.farbe), tooltipHintergrundfarbe,
              static_cast<int>(tooltipHintergrund));
    p.drucken("texthintergrund transparent=%s\n", textHintergrundModus == textHintergrund::Transparent ? "ja" : "nein");
    schriftSchreiben(p, restzeitSchluessel, restzeit.schrift, true);
    farbeSchreiben(p, restzeitSchluessel.farbe, restzeit.textFarbe);
    schriftSchreiben(p, standardSchluessel, standardSchrift, true);
    farbeSchreiben(p, standardSchluessel.farbe, standardFarbe, "\t\t// (schwarz = 0, 0, 0)");
    p.drucken("%s\n\n", blockEnde);
}

void fontDefinitionenLaden(char* text)
{
    if (!text)
        return;
    Blockschnitt schnitt(text);
    Kette k{text};
    const auto vomAnfang = [text](int& teil, const char* schluessel) { zahlLesen(teil, text, schluessel); };
    const auto gekettet = [&k](int& teil, const char* schluessel) { k.zahl(teil, schluessel); };

    // without the label font's face there is no block to read
    FontDaten& neuron = neuronBeschriftungSchrift;
    k.zahl(neuron.punkte, neuronSchluessel.groesse);
    if (!k.wort(neuron.name, neuronSchluessel.name))
        return;
    k.rest(neuron, neuronSchluessel);
    neuron.farbe = farbeLesen(neuronSchluessel.farbe, gekettet);

    k.schrift(protokoll.schrift, protokollSchluessel);
    protokoll.schrift.farbe = farbeLesen(protokollSchluessel.farbe, vomAnfang);

    k.schrift(tooltipSchrift, tooltipSchluessel);
    ganzeFarbe(k, tooltipSchrift.farbe, tooltipTextfarbe);
    ganzeFarbe(k, tooltipHintergrund, tooltipHintergrundfarbe);
    textHintergrundModus = k.marke(transparent) ? textHintergrund::Transparent : textHintergrund::Deckend;

    k.schrift(restzeit.schrift, restzeitSchluessel);
    restzeit.textFarbe = farbeLesen(restzeitSchluessel.farbe, vomAnfang);

    k.schrift(standardSchrift, standardSchluessel);
    standardFarbe = farbeLesen(standardSchluessel.farbe, vomAnfang);
}
