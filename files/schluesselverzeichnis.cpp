// files/schluesselverzeichnis.cpp
#include "files/schluesselverzeichnis.h"
#include <algorithm>
#include <cstring>

namespace {

// The key behind a prefix up to its first '=' (its length, 0 when the line ends before
// one). It is indexed with its commas as points: the number readers turn a comma into a
// point in the text, never the other way, so a key keeps its entry however its line is read.
size_t eintragsLaenge(std::string_view rest)
{
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '=')
            return i + 1;
        if (rest[i] == '\r' || rest[i] == '\n')
            return 0;
    }
    return 0;
}

std::string mitPunkten(std::string_view s)
{
    std::string e(s);
    std::replace(e.begin(), e.end(), ',', '.');
    return e;
}

// the rest of the text behind p up to its line end
std::string_view zeileAb(const char* p)
{
    return std::string_view(p, std::strcspn(p, "\r\n"));
}

} // namespace

SchluesselVerzeichnis::SchluesselVerzeichnis(char* text, std::string vorsilbe) : vorsilbe_(std::move(vorsilbe))
{
    if (!text || vorsilbe_.empty())
        return;
    const std::string_view t(text);
    for (size_t i = t.find(vorsilbe_); i != std::string_view::npos; i = t.find(vorsilbe_, i + 1)) {
        char* p = text + i;
        alle.push_back(p);
        const std::string_view zeile = zeileAb(p + vorsilbe_.size());
        if (const size_t n = eintragsLaenge(zeile); n > 0)
            nachSchluessel[mitPunkten(zeile.substr(0, n))].push_back(p);
    }
}

char* SchluesselVerzeichnis::vorsilbeSuchen(char* ab) const
{
    const auto it = std::lower_bound(alle.begin(), alle.end(), ab);
    return it == alle.end() ? nullptr : *it;
}

template <class Passt>
char* SchluesselVerzeichnis::ersteStelle(char* ab, std::string_view rest, Passt&& passt) const
{
    // a key with its '=' is among the places of its entry; one without among all places
    const std::vector<char*>* orte = &alle;
    if (const size_t n = eintragsLaenge(rest); n > 0) {
        const std::string_view e = rest.substr(0, n);
        const auto it = e.find(',') == std::string_view::npos ? nachSchluessel.find(e) : nachSchluessel.find(mitPunkten(e));
        if (it == nachSchluessel.end())
            return nullptr;
        orte = &it->second;
    }
    for (auto it = std::lower_bound(orte->begin(), orte->end(), ab); it != orte->end(); ++it) {
        char* p = *it;
        if (std::strncmp(p + vorsilbe_.size(), rest.data(), rest.size()) == 0 && passt(p))
            return p;
    }
    return nullptr;
}

char* SchluesselVerzeichnis::suchen(char* ab, std::string_view rest) const
{
    return ersteStelle(ab, rest, [](const char*) { return true; });
}

char* SchluesselVerzeichnis::amZeilenanfangSuchen(char* ab, std::string_view rest) const
{
    return ersteStelle(ab, rest, [ab](const char* p) { return p == ab || static_cast<unsigned char>(p[-1]) < 14; });
}

NummernVerzeichnis::NummernVerzeichnis(char* text, std::string_view anker, int grenze)
    : orte(static_cast<size_t>(std::max(grenze, 0)))
{
    if (!text || anker.empty())
        return;
    const std::string_view t(text);
    for (size_t i = t.find(anker); i != std::string_view::npos; i = t.find(anker, i + 1)) {
        char* p = text + i;
        const char* z = p + anker.size();
        long nummer = 0;
        int stellen = 0;
        while (z[stellen] >= '0' && z[stellen] <= '9' && stellen < 10)
            nummer = nummer * 10 + (z[stellen++] - '0');
        if (stellen == 0 || z[0] == '0' || z[stellen] != ' ' || nummer >= grenze)
            continue;
        orte[static_cast<size_t>(nummer)].push_back(p);
    }
}

char* NummernVerzeichnis::suchen(char* ab, std::string_view schluessel, size_t ankerAbstand, int nummer) const
{
    if (nummer < 1 || static_cast<size_t>(nummer) >= orte.size())
        return nullptr;
    const std::vector<char*>& v = orte[static_cast<size_t>(nummer)];
    // an anker less than ankerAbstand behind ab belongs to a key that starts before ab
    for (auto it = std::lower_bound(v.begin(), v.end(), ab); it != v.end(); ++it) {
        if (static_cast<size_t>(*it - ab) < ankerAbstand)
            continue;
        char* p = *it - ankerAbstand;
        if (std::strncmp(p, schluessel.data(), schluessel.size()) == 0)
            return p;
    }
    return nullptr;
}
