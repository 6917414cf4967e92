// permutation/bewertungshilfe.cpp - the output files of the ratings and the copy, and the
// walk over the indexed records that both ratings take
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "permutation/bewertungintern.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <filesystem>
#include <new>

using namespace plattform;

bool Ausgabedatei::oeffnen(const std::string& pfad)
{
    verwerfen();
    ziel = pfad;
    teil = pfad + ".teil";
    fehler = false;
    datei.reset(dateiOeffnen(teil, "wb"));
    return datei != nullptr;
}

bool Ausgabedatei::schreiben(const std::string& bytes)
{
    if (!datei || fehler)
        return false;
    if (ergebnisSchreiben(bytes.data(), bytes.size(), datei.get()) != bytes.size())
        fehler = true;
    return !fehler;
}

bool Ausgabedatei::zeile(const char* format, ...)
{
    char puffer[512];
    va_list a;
    va_start(a, format);
    const int laenge = std::vsnprintf(puffer, sizeof puffer, format, a);
    va_end(a);
    if (laenge < 0 || static_cast<size_t>(laenge) >= sizeof puffer) {
        fehler = true;
        return false;
    }
    std::string text;
    for (const char* p = puffer; *p; ++p) {
        if (*p == '\n')
            text += '\r';
        text += *p;
    }
    return schreiben(text);
}

bool Ausgabedatei::abschliessen()
{
    if (!datei)
        return false;
    const bool geschlossen = std::fclose(datei.release()) == 0;
    std::error_code f;
    if (!fehler && geschlossen) {
        std::filesystem::rename(schreibPfadAufloesen(teil), schreibPfadAufloesen(ziel), f);
        if (!f)
            return true;
    }
    fehler = true;
    std::filesystem::remove(schreibPfadAufloesen(teil), f);
    return false;
}

void Ausgabedatei::verwerfen()
{
    if (!datei)
        return;
    datei.reset();
    std::error_code f;
    std::filesystem::remove(schreibPfadAufloesen(teil), f);
}

std::string imNetzordner(const std::string& name)
{
    std::string ordner = dateipfade.dokumentVerzeichnis;
    while (ordner.size() > 1 && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.pop_back();
    return ordner.empty() ? name : ordner + "/" + name;
}

namespace {

void fortschrittZeigen(int fertig, int anzahl, double anfang)
{
    char text[64];
    std::snprintf(text, sizeof text, "\t%d %% ", anzahl > 0 ? static_cast<int>(static_cast<int64_t>(fertig) * 100 / anzahl) : 100);
    statusTeilSetzen(1, text);
    const double vergangen = std::max(uhrSekunden() - anfang, 0.0);
    const double minuten = std::floor(vergangen / 60.0);
    std::snprintf(text, sizeof text, "\t%d  %02d:%.03lf", fertig, static_cast<int>(std::min(minuten, 1e6)),
                  vergangen - minuten * 60.0);
    statusTeilSetzen(2, text);
}

} // namespace

bool ergebnisseNochDa(const std::vector<Dateifenster>& fenster, int anzahl)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    if (z.index.size() < static_cast<size_t>(std::max(anzahl, 0)) || z.dateien.handles.size() != fenster.size())
        return false;
    for (size_t i = 0; i < fenster.size(); ++i)
        if (z.dateien.handles[i].get() != fenster[i].datei())
            return false;
    return true;
}

Durchlauf eintraegeDurchlaufen(int anzahl, const char* statusText,
                               const std::function<bool(PermutationsIndexEintrag&, PermutationsErgebnis&)>& tun)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    std::vector<Dateifenster> fenster;
    PermutationsKopf form;
    if (!ergebnisdateienOeffnen(fenster, form))
        return Durchlauf::Fehler;
    statusTeilSetzen(0, statusText);
    modusStatus |= modusBit::DateiOperation;
    const double anfang = uhrSekunden();
    Durchlauf ende = Durchlauf::Fertig;
    for (int i = 0; i < anzahl; ++i) {
        PermutationsIndexEintrag& e = z.index[static_cast<size_t>(i)];
        PermutationsErgebnis r;
        try {
            if (!ergebnisSatzLesen(fenster, form, e, r) || !tun(e, r)) {
                ende = Durchlauf::Fehler;
                break;
            }
        } catch (const std::bad_alloc&) {
            endeMelden(EndeForm::Hinweis, meldungsTexte[116]);
            ende = Durchlauf::Fehler;
            break;
        }
        if ((i + 1) % 100 != 0)
            continue;
        fortschrittZeigen(i + 1, anzahl, anfang);
        nachrichtenVerarbeiten();
        if (!(modusStatus & modusBit::DateiOperation) || !ergebnisseNochDa(fenster, anzahl)) {
            ende = Durchlauf::Gestoppt;
            break;
        }
    }
    modusStatus &= ~modusBit::DateiOperation;
    ergebnisdateienSchliessen();
    if (ende == Durchlauf::Fertig) {
        statusTeilSetzen(0, meldungsTexte[1640]);
        fortschrittZeigen(anzahl, anzahl, anfang);
    }
    return ende;
}
