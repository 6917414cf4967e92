// server/messkarte_kopplung.cpp - what the server asks of the board, in its order
#include "core/status.h"
#include "platform/box.h"
#include "server/server.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

using namespace plattform;

Messkarte* daqFunktionen = &keineMesskarte();
uint32_t zuletztAbgeholt = 0;

namespace {
int16_t zuletztGestoppt = 0;
// A board whose check fails fails every step after: the first status of an acquisition is
// said. An acquisition that did not start has said so already.
bool pruefungGemeldet = false;

// a DA code from a value, NaN-safe; the value is clamped before it becomes an integer
int16_t daCode(double wert, double grenze)
{
    if (std::isnan(wert))
        return 0;
    return static_cast<int16_t>(std::clamp(wert, -grenze, grenze));
}
} // namespace

void messkarteBinden(Messkarte& karte)
{
    daqFunktionen = &karte;
    serverLauf.karteVorhanden = analogEingangKonfigurieren();
    if (!serverLauf.karteVorhanden)
        daqFunktionen = &keineMesskarte();
}

int analogEingangKonfigurieren()
{
    return daqFunktionen->AI_Configure(1, 0, 1, 10, 0, 0) == 0 ? 1 : 0;
}

int serverEinstellungenInit(ServerLaufzeit& s)
{
    if (!s.karteVorhanden) {
        s.modus = serverModus::KeineKarte;
    } else if (analogEingangKonfigurieren() == 1) {
        s.modus = serverModus::MitKarte;
    } else {
        // a board that fails its probe now is not set up, whatever the last start chose
        s.modus = serverModus::OhneErfassung;
        return 1;
    }
    s.reizWertAnzahl = 0;
    s.reizZeitGeloescht = 0.0;
    s.reizWerte.clear();
    return 1;
}

bool erfassungEinrichten(ServerLaufzeit& s)
{
    Messkarte& k = *daqFunktionen;
    const auto behandeln = [&](int16_t status, const char* funktion) {
        s.fehlerSumme += k.NIDAQErrorHandler(status, funktion, 0);
    };
    // the fixed settings
    s.abtastAnzahl = 100;
    s.geraet = 1;
    s.eingangsKanal = 0;
    s.verstaerkung = 1;
    s.abtastRate = 10000.0;
    s.zeitlimit = 180;
    s.ereignisAnzahl = 0;
    s.pulsAnzahl = 0;
    // whatever an earlier use left set up
    k.DAQ_Clear(s.geraet);
    k.DAQ_DB_Config(s.geraet, 0);
    k.Timeout_Config(s.geraet, -1);
    // each call's status goes to the handler
    behandeln(k.Timeout_Config(s.geraet, s.zeitlimit), "Timeout_Config");
    behandeln(k.AO_Configure(s.geraet, 0, 0, 0, 10.0, 0), "AO_Configure");
    behandeln(k.AO_Configure(s.geraet, 1, 0, 0, 10.0, 0), "AO_Configure");
    k.DAQ_Rate(s.abtastRate, 0, &s.zeitbasis, &s.abtastIntervall);
    behandeln(k.DAQ_DB_Config(s.geraet, 1), "DAQ_DB_Config");
    const int16_t start = k.DAQ_Start(s.geraet, s.eingangsKanal, s.verstaerkung, s.eingangsPuffer.data(),
                                      s.abtastAnzahl, s.zeitbasis, s.abtastIntervall);
    behandeln(start, "DAQ_Start");
    pruefungGemeldet = start < 0;
    // a warning: the user decides; No releases the board and ends this start only
    if (start > 0 &&
        meldungsBox(fensterhandles.hauptfenster, meldungsTexte[558], "SysInfo", knoepfe::JaNein | symbol::Frage) !=
            antwort::Ja) {
        erfassungFreigeben(s);
        return false;
    }
    s.steuerBits |= serverBit::ErfassungEingerichtet;
    return true;
}

void erfassungFreigeben(ServerLaufzeit& s)
{
    Messkarte& k = *daqFunktionen;
    k.DAQ_Clear(s.geraet);
    k.DAQ_DB_Config(s.geraet, 0);
    k.Timeout_Config(s.geraet, -1);
    s.steuerBits &= ~serverBit::ErfassungEingerichtet;
}

bool eingangAbfragen(ServerLaufzeit& s, int16_t& probe)
{
    uint32_t abgeholt = 0;
    const int16_t status = daqFunktionen->DAQ_Check(s.geraet, &zuletztGestoppt, &abgeholt);
    if (status != 0 && !pruefungGemeldet) {
        pruefungGemeldet = true;
        s.fehlerSumme += daqFunktionen->NIDAQErrorHandler(status, "DAQ_Check", 0);
    }
    if (abgeholt == zuletztAbgeholt || abgeholt == 0)
        return false;
    zuletztAbgeholt = abgeholt;
    // the newest sample stands at count - 1; a count beyond the buffer names none
    if (abgeholt > eingangsPufferGroesse)
        return false;
    probe = s.eingangsPuffer[abgeholt - 1];
    return true;
}

void serverApAusgeben(ServerLaufzeit& s)
{
    if (s.modus != serverModus::MitKarte)
        return;
    if (const int16_t status = daqFunktionen->AO_Write(1, 0, s.pulsDaWert))
        s.fehlerSumme += daqFunktionen->NIDAQErrorHandler(status, "AO_Write", 0);
}

int16_t kernEingangDaWert(const ServerDaten& d, const ServerLaufzeit& s)
{
    return daCode(std::trunc(s.eingangsWert * s.faktor / d.daKalibrierung * d.daAusgabefaktor), 2000.0);
}

int16_t somaPotentialDaWert(double potential) { return daCode(std::round(potential * 10000.0), 1000.0); }

void kernEingangAusgeben(const ServerDaten& d, ServerLaufzeit& s)
{
    if (s.modus != serverModus::MitKarte)
        return;
    if (const int16_t status = daqFunktionen->AO_Write(1, 1, kernEingangDaWert(d, s)))
        s.fehlerSumme += daqFunktionen->NIDAQErrorHandler(status, "AO_Write", 0);
}

void somaPotentialAusgeben(ServerLaufzeit& s, double potential)
{
    if (s.modus != serverModus::MitKarte)
        return;
    if (const int16_t status = daqFunktionen->AO_Write(1, 1, somaPotentialDaWert(potential)))
        s.fehlerSumme += daqFunktionen->NIDAQErrorHandler(status, "AO_Write", 0);
}
