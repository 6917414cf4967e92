// app/sprache.cpp - the language command
#include "app/sprache.h"
#include "app/hauptfenster.h"
#include "app/netzdateien.h"
#include "core/rahmen.h"
#include "files/netzdatei.h"
#include "app/status.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cerrno>
#include <cstdio>
#include <optional>

namespace {

// The language written for the next start while the close that follows may still be
// refused: what the file held before, to give it back then.
struct OffenerWechsel {
    bool offen = false;
    int bisher = 0;
    std::optional<std::string> alterInhalt;   // none: there was no file
    std::string geschrieben;
};
OffenerWechsel wechsel;

// as the disk names it: the language goes into the file the start read, found ignoring case
std::string cfgPfadImProgrammordner()
{
    return plattform::gefundenenNamenNehmen(dateipfade.programmVerzeichnis + "default.cfg");
}

std::optional<std::string> dateiLesen(const std::string& pfad)
{
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return std::nullopt;
    std::string inhalt;
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        inhalt.append(puffer, n);
    std::fclose(f);
    return inhalt;
}

// The line "sprache=" from its start to its end before CR LF (the key counts only at a line
// start, as the settings reader takes it); its start is npos when there is none.
struct Zeile {
    size_t anfang, ende;
};
Zeile zeileFinden(const std::string& inhalt)
{
    size_t p = 0;
    while (p < inhalt.size() && inhalt.compare(p, 8, "sprache=") != 0) {
        p = inhalt.find('\n', p);
        p = p == std::string::npos ? inhalt.size() : p + 1;
    }
    if (p >= inhalt.size())
        return {std::string::npos, std::string::npos};
    size_t ende = inhalt.find('\n', p);
    if (ende == std::string::npos)
        ende = inhalt.size();
    if (ende > p && inhalt[ende - 1] == '\r')
        --ende;
    return {p, ende};
}

// the line replaced where it stands, else appended; none: the line and its line end removed
void zeileSetzen(std::string& inhalt, const std::optional<std::string>& zeile)
{
    const Zeile z = zeileFinden(inhalt);
    if (z.anfang != std::string::npos) {
        if (zeile) {
            inhalt.replace(z.anfang, z.ende - z.anfang, *zeile);
        } else {
            size_t ende = inhalt.find('\n', z.ende);
            inhalt.erase(z.anfang, ende == std::string::npos ? std::string::npos : ende + 1 - z.anfang);
        }
    } else if (zeile) {
        if (!inhalt.empty() && inhalt.back() != '\n')
            inhalt += "\r\n";
        inhalt += *zeile + "\r\n";
    }
}

} // namespace

bool spracheSpeichern(int neueSprache, std::string* fehler)
{
    const std::string pfad = cfgPfadImProgrammordner();
    std::string inhalt = dateiLesen(pfad).value_or("");
    zeileSetzen(inhalt, "sprache=" + std::to_string(neueSprache) + "     // deutsch=1031   english=1033");
    return plattform::dateiSicherSchreiben(pfad, inhalt, fehler);
}

void spracheWechseln(int neueSprache)
{
    // a change that waits for its close to be made or refused is not changed again
    if (neueSprache == sprache || wechsel.offen)
        return;
    // written now, so that a file that cannot be written is said before the program ends
    const std::string pfad = cfgPfadImProgrammordner();
    OffenerWechsel w{true, sprache, dateiLesen(pfad), {}};
    if (!spracheSpeichern(neueSprache)) {
        plattform::hinweisBox(meldungFormatieren(890, systemGrund(errno)));
        return;
    }
    w.geschrieben = dateiLesen(pfad).value_or("");
    wechsel = std::move(w);
    // the texts, menus and window classes are made once at the start: the program ends,
    // and says so, since it does not come back by itself. A network saved on the way
    // writes the new language with its settings.
    plattform::hinweisBox(meldungsTexte[891]);
    sprache = neueSprache;
    einstellungenBeimEndeBehalten(true);
    // the close takes the change back when it is refused, now or once a run has stopped
    hauptfensterSchliessen();
}

void spracheWechselAbschliessen(bool endet)
{
    if (!wechsel.offen)
        return;
    OffenerWechsel w = std::move(wechsel);
    wechsel = {};
    if (endet)
        return;
    sprache = w.bisher;
    einstellungenBeimEndeBehalten(false);
    // The file as it was, unless something wrote it since (a network saved with its
    // settings): then only the language line goes back to what it was.
    const std::string pfad = cfgPfadImProgrammordner();
    const std::optional<std::string> jetzt = dateiLesen(pfad);
    if (!jetzt)
        return;
    std::string inhalt;
    if (*jetzt == w.geschrieben) {
        if (!w.alterInhalt) {
            std::remove(plattform::schreibPfadAufloesen(pfad).c_str());
            return;
        }
        inhalt = *w.alterInhalt;
    } else {
        inhalt = *jetzt;
        std::optional<std::string> alteZeile;
        if (w.alterInhalt) {
            if (const Zeile z = zeileFinden(*w.alterInhalt); z.anfang != std::string::npos)
                alteZeile = w.alterInhalt->substr(z.anfang, z.ende - z.anfang);
        }
        zeileSetzen(inhalt, alteZeile);
    }
    std::string fehler;
    if (!plattform::dateiSicherSchreiben(pfad, inhalt, &fehler))
        plattform::hinweisBox(meldungFormatieren(890, fehler));
}
