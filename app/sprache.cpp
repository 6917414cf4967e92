// app/sprache.cpp - the language command
#include "app/sprache.h"
#include "app/hauptfenster.h"
#include "app/netzdateien.h"
#include "core/rahmen.h"
#include "app/status.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cstdio>

namespace {

std::string dateiLesen(const std::string& pfad)
{
    std::string inhalt;
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return inhalt;
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        inhalt.append(puffer, n);
    std::fclose(f);
    return inhalt;
}

} // namespace

bool spracheSpeichern(int neueSprache, std::string* fehler)
{
    const std::string pfad = dateipfade.programmVerzeichnis + "default.cfg";
    std::string inhalt = dateiLesen(pfad);
    const std::string zeile = "sprache=" + std::to_string(neueSprache) + "     // deutsch=1031   english=1033";

    // the key counts only at a line start, as the settings reader takes it
    size_t p = 0;
    while (p < inhalt.size() && inhalt.compare(p, 8, "sprache=") != 0) {
        p = inhalt.find('\n', p);
        p = p == std::string::npos ? inhalt.size() : p + 1;
    }
    if (p < inhalt.size()) {
        size_t ende = inhalt.find('\n', p);
        if (ende == std::string::npos)
            ende = inhalt.size();
        if (ende > p && inhalt[ende - 1] == '\r')
            --ende;
        inhalt.replace(p, ende - p, zeile);
    } else {
        if (!inhalt.empty() && inhalt.back() != '\n')
            inhalt += "\r\n";
        inhalt += zeile + "\r\n";
    }
    return plattform::dateiSicherSchreiben(pfad, inhalt, fehler);
}

void spracheWechseln(int neueSprache)
{
    if (neueSprache == sprache)
        return;
    std::string fehler;
    if (!spracheSpeichern(neueSprache, &fehler)) {
        plattform::hinweisBox(meldungFormatieren(890, fehler));
        return;
    }
    // the texts, menus and window classes are made once at the start: the program ends,
    // and says so, since it does not come back by itself. A network saved on the way
    // writes the new language with its settings.
    plattform::hinweisBox(meldungsTexte[891]);
    const int bisher = sprache;
    sprache = neueSprache;
    einstellungenBeimEndeBehalten(true);
    hauptfensterSchliessen();
    if (!programmEndet() && aufgeschobeneBefehle() == 0) {
        // a run is on and the user keeps it: the program stays as it was
        sprache = bisher;
        einstellungenBeimEndeBehalten(false);
    }
}
