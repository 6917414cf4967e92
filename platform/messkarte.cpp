// platform/messkarte.cpp - no board, and the board in memory
#include "platform/messkarte.h"
#include <cstdarg>
#include <cstdio>

namespace plattform {

namespace {

// the status of a device that is not there
constexpr int16_t keinGeraet = -10401;

class KeineMesskarte final : public Messkarte {
public:
    int16_t AO_Write(int16_t, int16_t, int16_t) override { return keinGeraet; }
    int16_t AI_Read(int16_t, int16_t, int16_t, int16_t*) override { return keinGeraet; }
    int16_t AO_Configure(int16_t, int16_t, int16_t, int16_t, double, int16_t) override { return keinGeraet; }
    int16_t AI_Configure(int16_t, int16_t, int16_t, int16_t, int16_t, int16_t) override { return keinGeraet; }
    int16_t DAQ_Rate(double, int16_t, int16_t*, uint16_t*) override { return keinGeraet; }
    int16_t DAQ_Start(int16_t, int16_t, int16_t, int16_t*, uint32_t, int16_t, uint16_t) override { return keinGeraet; }
    int16_t DAQ_DB_Config(int16_t, int16_t) override { return keinGeraet; }
    int16_t DAQ_Check(int16_t, int16_t*, uint32_t*) override { return keinGeraet; }
    int16_t DAQ_Clear(int16_t) override { return keinGeraet; }
    int16_t Timeout_Config(int16_t, int32_t) override { return keinGeraet; }
    int16_t NIDAQErrorHandler(int16_t, const char*, int16_t) override { return 0; }
};

} // namespace

Messkarte& keineMesskarte()
{
    static KeineMesskarte karte;
    return karte;
}

int16_t SimulierteMesskarte::aufruf(Eintrag e, const char* name, const char* format, ...)
{
    ++zaehler[e];
    if (!nurZaehlen) {
        char argumente[256];
        va_list va;
        va_start(va, format);
        std::vsnprintf(argumente, sizeof argumente, format, va);
        va_end(va);
        log.push_back(std::string(name) + "(" + argumente + ")");
    }
    if (nurZaehlen)
        return 0;
    const auto q = status.find(name);
    if (q == status.end() || q->second.empty())
        return 0;
    const int16_t s = q->second.front();
    q->second.pop_front();
    return s;
}

int16_t SimulierteMesskarte::AO_Write(int16_t geraet, int16_t kanal, int16_t wert)
{
    return aufruf(AoWrite, "AO_Write", "%d, %d, %d", geraet, kanal, wert);
}

int16_t SimulierteMesskarte::AI_Read(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* wert)
{
    if (wert)
        *wert = 0;
    return aufruf(AiRead, "AI_Read", "%d, %d, %d", geraet, kanal, verstaerkung);
}

int16_t SimulierteMesskarte::AO_Configure(int16_t geraet, int16_t kanal, int16_t polaritaet,
                                          int16_t interneReferenz, double referenzSpannung,
                                          int16_t aktualisierung)
{
    return aufruf(AoConfigure, "AO_Configure", "%d, %d, %d, %d, %g, %d", geraet, kanal, polaritaet,
                  interneReferenz, referenzSpannung, aktualisierung);
}

int16_t SimulierteMesskarte::AI_Configure(int16_t geraet, int16_t kanal, int16_t eingangsart, int16_t bereich,
                                          int16_t polaritaet, int16_t treiber)
{
    return aufruf(AiConfigure, "AI_Configure", "%d, %d, %d, %d, %d, %d", geraet, kanal, eingangsart, bereich,
                  polaritaet, treiber);
}

int16_t SimulierteMesskarte::DAQ_Rate(double rate, int16_t einheiten, int16_t* zb, uint16_t* iv)
{
    if (zb)
        *zb = zeitbasis;
    if (iv)
        *iv = intervall;
    return aufruf(DaqRate, "DAQ_Rate", "%g, %d", rate, einheiten);
}

int16_t SimulierteMesskarte::DAQ_Start(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* puffer,
                                       uint32_t anzahl, int16_t zb, uint16_t iv)
{
    puffer_ = puffer;
    pufferLaenge_ = puffer ? anzahl : 0;
    return aufruf(DaqStart, "DAQ_Start", "%d, %d, %d, %u, %d, %u", geraet, kanal, verstaerkung, anzahl, zb, iv);
}

int16_t SimulierteMesskarte::DAQ_DB_Config(int16_t geraet, int16_t doppelpuffer)
{
    return aufruf(DaqDbConfig, "DAQ_DB_Config", "%d, %d", geraet, doppelpuffer);
}

int16_t SimulierteMesskarte::DAQ_Check(int16_t geraet, int16_t* gestoppt, uint32_t* abgeholt)
{
    if (!abholungen.empty()) {
        const Abholung a = abholungen.front();
        abholungen.pop_front();
        zuletzt_ = a.abgeholt;
        // the driver fills the buffer it was started with, up to the length it was given
        if (puffer_ && a.abgeholt >= 1 && a.abgeholt <= pufferLaenge_)
            puffer_[a.abgeholt - 1] = a.probe;
    }
    if (gestoppt)
        *gestoppt = 0;
    if (abgeholt)
        *abgeholt = zuletzt_;
    return aufruf(DaqCheck, "DAQ_Check", "%d", geraet);
}

int16_t SimulierteMesskarte::DAQ_Clear(int16_t geraet) { return aufruf(DaqClear, "DAQ_Clear", "%d", geraet); }

int16_t SimulierteMesskarte::Timeout_Config(int16_t geraet, int32_t zeitlimit)
{
    return aufruf(TimeoutConfig, "Timeout_Config", "%d, %d", geraet, zeitlimit);
}

int16_t SimulierteMesskarte::NIDAQErrorHandler(int16_t s, const char* funktion, int16_t drittes)
{
    return aufruf(ErrorHandler, "NIDAQErrorHandler", "%d, %s, %d", s, funktion ? funktion : "", drittes);
}

} // namespace plattform
