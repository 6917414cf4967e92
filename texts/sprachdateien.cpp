// texts/sprachdateien.cpp - reading the six language files of the "parameter" folder
//
// A line is KEY=text (the key with its '='). Inside a text "\t" stands for a tab, "\n"
// for a line break and "\\" for a backslash; every other backslash is kept. Lines
// beginning with "//" and lines without '=' are notes. A key that comes twice counts
// with its first line.
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "platform/zeichensatz.h"
#include "texts/eingebaut.h"
#include "texts/texte.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

namespace {

using Werte = std::map<std::string, std::string, std::less<>>;

// the captions of the box forms
constexpr int meldungBoxHinweis = 1530, meldungBoxVelnorInfo = 1531, meldungBoxSysInfo = 1532;

// the tooltip texts by key, straight from the files: there are no built-in ones
Werte tooltips;

// the optional count line of the tooltip files; the program counts for itself
constexpr std::string_view tooltipAnzahlSchluessel = "TT_PARAMS_ANZAHL=";

std::optional<std::string> dateiLesen(const std::string& pfad)
{
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (f == nullptr)
        return std::nullopt;
    std::string inhalt;
    char puffer[8192];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        inhalt.append(puffer, n);
    const bool fehler = std::ferror(f) != 0;
    std::fclose(f);
    if (fehler)
        return std::nullopt;
    // editors like to put a byte order mark before UTF-8; it would spoil the first key
    if (inhalt.starts_with("\xEF\xBB\xBF"))
        inhalt.erase(0, 3);
    plattform::geladenenTextAngleichen(inhalt);
    return plattform::zeilenendenLf(inhalt);
}

std::string entschluesseln(std::string_view wert)
{
    std::string aus;
    aus.reserve(wert.size());
    for (size_t i = 0; i < wert.size(); ++i) {
        const char c = wert[i];
        if (c == '\\' && i + 1 < wert.size()) {
            const char d = wert[i + 1];
            if (d == 't' || d == 'n' || d == '\\') {
                aus += d == 't' ? '\t' : d == 'n' ? '\n' : '\\';
                ++i;
                continue;
            }
        }
        aus += c;
    }
    return aus;
}

Werte zeilenLesen(const std::string& inhalt)
{
    Werte werte;
    size_t anfang = 0;
    while (anfang < inhalt.size()) {
        size_t ende = inhalt.find('\n', anfang);
        if (ende == std::string::npos)
            ende = inhalt.size();
        const std::string_view zeile(inhalt.data() + anfang, ende - anfang);
        anfang = ende + 1;
        if (zeile.starts_with("//"))
            continue;
        const size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos || gleich == 0)
            continue;
        werte.emplace(std::string(zeile.substr(0, gleich + 1)), entschluesseln(zeile.substr(gleich + 1)));
    }
    return werte;
}

std::string dateiPfad(const char* name, const char* kuerzel)
{
    return parameterOrdner.pfad + name + " " + kuerzel + "." + parameterOrdner.endung;
}

void uebernehmen(TextTabelle& tabelle, const Werte& werte)
{
    for (const TextEintrag& e : tabelle.eingebaut()) {
        const auto it = werte.find(std::string_view(e.schluessel));
        if (it != werte.end())
            tabelle.setzen(e.nummer, it->second);
    }
}

// Settings files are read properly by the settings loader later; at this point only the
// language is needed, before anything else exists.
int spracheImText(const std::string& text)
{
    const size_t p = text.find("sprache=");
    if (p == std::string::npos)
        return spracheDeutsch;
    const char* wert = text.c_str() + p + std::strlen("sprache=");
    while (*wert == ' ' || *wert == '\t')
        ++wert;
    return std::strtol(wert, nullptr, 10) == spracheEnglisch ? spracheEnglisch : spracheDeutsch;
}

// the captions of the three box forms, as the message texts now read
void boxTitelUebernehmen()
{
    plattform::boxTitelSetzen(plattform::BoxForm::Hinweis, meldungsTexte[meldungBoxHinweis]);
    plattform::boxTitelSetzen(plattform::BoxForm::VelnorInfo, meldungsTexte[meldungBoxVelnorInfo]);
    plattform::boxTitelSetzen(plattform::BoxForm::SysInfo, meldungsTexte[meldungBoxSysInfo]);
}

std::string fehlendeDatei(const std::string& pfad)
{
    // no language file could be read, so both languages say it
    return "Die Datei mit den Meldungstexten fehlt:\n" + pfad +
           "\nDas Programm wird beendet.\n\nThe file of the message texts is missing:\n" + pfad +
           "\nThe program ends.";
}

} // namespace

int spracheLesen(const std::string& cfgPfad)
{
    const std::optional<std::string> text = dateiLesen(cfgPfad);
    return text ? spracheImText(*text) : spracheDeutsch;
}

std::string sprachTexteLaden(int spracheWahl)
{
    sprache = spracheWahl == spracheEnglisch ? spracheEnglisch : spracheDeutsch;
    // the buttons of the boxes and Qt's own texts speak it too
    plattform::plattformTexteSprache(sprache == spracheEnglisch ? "en" : "de");
    if (parameterOrdner.pfad.empty())
        parameterOrdner.pfad = plattform::programmVerzeichnis() + "parameter/";
    meldungsTexte.zuruecksetzen();
    dialogTexte.zuruecksetzen();
    tooltips.clear();
    boxTitelUebernehmen();   // the built-in ones while a file is missing

    std::vector<const char*> kuerzel{"de"};
    if (sprache == spracheEnglisch)
        kuerzel.push_back("en");
    for (const char* k : kuerzel) {
        const std::string pfad = dateiPfad("meldung texte", k);
        const std::optional<std::string> meldungen = dateiLesen(pfad);
        if (!meldungen)
            return fehlendeDatei(pfad);
        uebernehmen(meldungsTexte, zeilenLesen(*meldungen));
        if (const auto dialoge = dateiLesen(dateiPfad("dialog texte", k)))
            uebernehmen(dialogTexte, zeilenLesen(*dialoge));
        if (const auto tipps = dateiLesen(dateiPfad("tooltip texte", k))) {
            Werte neu = zeilenLesen(*tipps);
            neu.erase(std::string(tooltipAnzahlSchluessel));
            for (auto& [schluessel, text] : neu)
                tooltips.insert_or_assign(schluessel, std::move(text));
        }
    }
    boxTitelUebernehmen();
    return {};
}

std::string sprachTexteLaden()
{
    return sprachTexteLaden(spracheLesen(plattform::programmVerzeichnis() + "default.cfg"));
}

std::vector<std::string> meldungInBeidenSprachen(int nummer)
{
    std::vector<std::string> texte{std::string(meldungsTexte.eingebauterText(nummer))};
    const std::string_view schluessel = meldungsTexte.schluesselVon(nummer);
    if (schluessel.empty())
        return texte;
    for (const char* kuerzel : {"de", "en"})
        if (const auto inhalt = dateiLesen(dateiPfad("meldung texte", kuerzel))) {
            const Werte werte = zeilenLesen(*inhalt);
            if (const auto it = werte.find(schluessel); it != werte.end())
                texte.push_back(it->second);
        }
    return texte;
}

const std::string* tooltipText(std::string_view schluessel)
{
    const auto it = tooltips.find(schluessel);
    return it == tooltips.end() ? nullptr : &it->second;
}
