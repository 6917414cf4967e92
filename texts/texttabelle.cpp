// texts/texttabelle.cpp - the text tables, the shared buffers and the "||" fields
#include "texts/eingebaut.h"
#include "texts/texte.h"

std::string meldungsPuffer;
std::string arbeitsPuffer;
int sprache = spracheDeutsch;
ParameterOrdner parameterOrdner;

TextTabelle meldungsTexte(meldungsAnzahl, eingebauteMeldungen);
TextTabelle dialogTexte(dialogTextAnzahl, eingebauteDialogTexte);

namespace {

const std::string leer;

// keys are written with their '=', callers may leave it off
std::string mitGleich(std::string_view schluessel)
{
    std::string s(schluessel);
    if (s.empty() || s.back() != '=')
        s += '=';
    return s;
}

} // namespace

TextTabelle::TextTabelle(int groesse, std::span<const TextEintrag> eingebaut)
    : eintraege(eingebaut), nachNummer(static_cast<size_t>(groesse), nullptr),
      texte(static_cast<size_t>(groesse))
{
    for (const TextEintrag& e : eintraege)
        if (e.nummer >= 0 && e.nummer < groesse)
            nachNummer[static_cast<size_t>(e.nummer)] = &e;
    zuruecksetzen();
}

const std::string& TextTabelle::operator[](int nummer) const
{
    if (nummer < 0 || nummer >= groesse())
        return leer;
    return texte[static_cast<size_t>(nummer)];
}

int TextTabelle::nummerVon(std::string_view schluessel) const
{
    const std::string gesucht = mitGleich(schluessel);
    for (const TextEintrag& e : eintraege)
        if (gesucht == e.schluessel)
            return e.nummer;
    return -1;
}

std::string_view TextTabelle::schluesselVon(int nummer) const
{
    if (nummer < 0 || nummer >= groesse() || nachNummer[static_cast<size_t>(nummer)] == nullptr)
        return {};
    return nachNummer[static_cast<size_t>(nummer)]->schluessel;
}

std::string_view TextTabelle::eingebauterText(int nummer) const
{
    if (nummer < 0 || nummer >= groesse() || nachNummer[static_cast<size_t>(nummer)] == nullptr)
        return {};
    return nachNummer[static_cast<size_t>(nummer)]->deutsch;
}

void TextTabelle::zuruecksetzen()
{
    for (std::string& t : texte)
        t.clear();
    for (const TextEintrag& e : eintraege)
        if (e.nummer >= 0 && e.nummer < groesse())
            texte[static_cast<size_t>(e.nummer)] = e.deutsch;
}

void TextTabelle::setzen(int nummer, std::string text)
{
    if (nummer >= 0 && nummer < groesse())
        texte[static_cast<size_t>(nummer)] = std::move(text);
}

const std::string* dialogText(std::string_view schluessel)
{
    const int slot = dialogTexte.nummerVon(schluessel);
    return slot < 0 ? nullptr : &dialogTexte[slot];
}

const std::string& textFeldHolen(std::string_view text, int n)
{
    arbeitsPuffer.clear();
    if (n < 1)
        return arbeitsPuffer;
    size_t anfang = 0;
    for (int feld = 1; feld < n; ++feld) {
        const size_t trenner = text.find("||", anfang);
        if (trenner == std::string_view::npos)
            return arbeitsPuffer;
        anfang = trenner + 2;
    }
    const size_t ende = text.find("||", anfang);
    arbeitsPuffer.assign(text.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang));
    return arbeitsPuffer;
}
