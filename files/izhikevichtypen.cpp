// files/izhikevichtypen.cpp - the named Izhikevich types and their file
#include "files/izhikevichtypen.h"
#include "core/schluessel.h"
#include "files/textdatei.h"
#include "core/status.h"
#include "platform/pfad.h"
#include <cmath>
#include <cstdio>

std::vector<IzhikevichTyp> izhikevichTypen;

namespace {

constexpr const char* schrittSchluessel = "schrittweite fuer izhikevich typen (ms)=";

std::string schluessel(int n, const char* feld)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "izhikevich typ %d %s=", n, feld);
    return puffer;
}

void zeile(std::string& aus, const std::string& schl, double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", wert);
    aus += schl + puffer + "\n";
}

} // namespace

IzhikevichTyp izhikevichStandardTyp()
{
    return {0.02, 0.2, -65.0, 8.0, 30.0, -68.0, -15.0, "Standard"};
}

std::string izhikevichTypenPfad()
{
    return dateipfade.programmVerzeichnis + "parameter/izhikevich-typen.txt";
}

bool izhikevichTypenLesen(const std::string& pfad, IzhikevichDatei& aus)
{
    std::string text;
    if (!textDateiLesen(pfad, text))
        return false;
    aus = {};
    double schritt = 0.0;
    // a step that is no positive number would make the run's step nonsense
    if (schluesselZahlLesen(&schritt, text.data(), schrittSchluessel) && std::isfinite(schritt) && schritt > 0.0) {
        aus.schrittDa = true;
        aus.schrittMs = schritt;
    }
    for (int n = 0; n < izhikevichTypenMax; ++n) {
        IzhikevichTyp t;
        if (!schluesselZahlLesen(&t.a, text.data(), schluessel(n, "a").c_str()))
            break;
        schluesselZahlLesen(&t.b, text.data(), schluessel(n, "b").c_str());
        schluesselZahlLesen(&t.c, text.data(), schluessel(n, "c").c_str());
        schluesselZahlLesen(&t.d, text.data(), schluessel(n, "d").c_str());
        schluesselZahlLesen(&t.V, text.data(), schluessel(n, "V").c_str());
        schluesselZahlLesen(&t.U, text.data(), schluessel(n, "U").c_str());
        schluesselZahlLesen(&t.naE, text.data(), schluessel(n, "naE").c_str());
        schluesselTextLesen(t.name, izhikevichTypenMax, text.c_str(), schluessel(n, "bezeichnung").c_str());
        aus.typen.push_back(std::move(t));
    }
    return true;
}

std::string izhikevichTypenText(double schrittMs, const std::vector<IzhikevichTyp>& typen)
{
    std::string aus = "[izhikevich standardtypen] ***********************\n";
    zeile(aus, schrittSchluessel, schrittMs);
    int n = 0;
    for (const IzhikevichTyp& t : typen) {
        zeile(aus, schluessel(n, "a"), t.a);
        zeile(aus, schluessel(n, "b"), t.b);
        zeile(aus, schluessel(n, "c"), t.c);
        zeile(aus, schluessel(n, "d"), t.d);
        zeile(aus, schluessel(n, "V"), t.V);
        zeile(aus, schluessel(n, "U"), t.U);
        zeile(aus, schluessel(n, "naE"), t.naE);
        aus += schluessel(n, "bezeichnung") + t.name + "\n";
        ++n;
    }
    aus += "[ende izhikevich standardtypen] ***********************\n\n";
    return aus;
}

bool izhikevichTypenSchreiben(const std::string& pfad, double schrittMs, const std::vector<IzhikevichTyp>& typen)
{
    return plattform::dateiSicherSchreiben(pfad, mitCrLf(izhikevichTypenText(schrittMs, typen)));
}
