// app/hilfen.cpp - small services of the frame: time, the choosers, menu check marks
#include "app/hilfen.h"
#include "platform/menue.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include <cmath>
#include <vector>

std::tm aktuelleZeit()
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    return t;
}

// elapsed times use the steady clock: a change of the wall clock must not bend them
Zeitpunkt zeitJetzt()
{
    const double s = plattform::uhrSekunden();
    const long long ganz = static_cast<long long>(std::floor(s));
    return {ganz, static_cast<int>((s - static_cast<double>(ganz)) * 1000.0)};
}

double zeitDifferenz(const Zeitpunkt& start, const Zeitpunkt& ende)
{
    return static_cast<double>(ende.sekunden - start.sekunden) +
           (ende.millisekunden - start.millisekunden) / 1000.0;
}

double verstricheneSekunden(const Zeitpunkt& start)
{
    const double d = zeitDifferenz(start, zeitJetzt());
    return d - 60.0 * std::floor(d / 60.0);
}

int verstricheneMinuten(const Zeitpunkt& start)
{
    return static_cast<int>(std::floor(zeitDifferenz(start, zeitJetzt()) / 60.0));
}

int dateiDialog(std::string& ordner, std::string& name, std::string& endung, std::string_view filter,
                const std::string& titel, int speichern)
{
    plattform::DateiWahl wahl;
    wahl.ordner = ordner;
    wahl.name = name;
    wahl.endung = endung;
    wahl.titel = titel;
    wahl.speichern = speichern != 0;
    wahl.filter = plattform::filterAusText(filter);
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    ordner = wahl.ordner;
    name = wahl.name;
    endung = wahl.endung;
    return 1;
}

plattform::Farbe farbeWaehlen(plattform::Fenster eigner, plattform::Farbe vorgabe)
{
    return plattform::farbeWaehlen(eigner, vorgabe);
}

void schriftWaehlen(plattform::Fenster eigner, FontDaten& s, int modus)
{
    static bool ersterAufruf = true;
    if (modus != 0 || ersterAufruf) {
        ersterAufruf = false;
        s.merkmale = {};
        s.merkmale.name = s.name;
        s.merkmale.gewicht = s.gewicht < 1 ? 400 : s.gewicht;
        s.merkmale.kursiv = s.kursiv != 0;
        s.merkmale.unterstrichen = s.unterstrichen != 0;
        if (s.punkte > 0)
            s.merkmale.hoehe = plattform::schriftHoeheAusPunkten(s.punkte, 96);
        if (modus != 0)
            return;
    }
    plattform::SchriftMerkmale m = s.merkmale;
    plattform::Farbe farbe = s.farbe;
    if (!plattform::schriftWaehlen(eigner, m, farbe))
        return;
    s.farbe = farbe;
    s.merkmale = m;
    plattform::loeschen(s.schrift);
    s.schrift = plattform::schriftErzeugen(m);
    s.punkte = static_cast<int>(std::lround(std::abs(m.hoehe) * 72.0 / 96.0));
    s.gewicht = m.gewicht;
    s.fett = m.gewicht >= 700 ? 1 : 0;
    s.kursiv = m.kursiv ? 1 : 0;
    s.unterstrichen = m.unterstrichen ? 1 : 0;
    s.name = m.name;
    if (eigner)
        plattform::ungueltigMachen(eigner);
}
