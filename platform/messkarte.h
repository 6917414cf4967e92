// platform/messkarte.h - the data-acquisition board
//
// The server reaches the board only through these eleven entry points; their names and
// arguments are the board library's. Every status is 16 bits: 0 success, negative an
// error, positive a warning. On Linux the board is one that Comedi drives, reached through
// its driver library loaded at start; without it the program runs without a board. Tests
// and the benchmark use the simulated board, which logs what it is asked and plays
// recorded input.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace plattform {

class Messkarte {
public:
    virtual ~Messkarte() = default;
    virtual int16_t AO_Write(int16_t geraet, int16_t kanal, int16_t wert) = 0;
    virtual int16_t AI_Read(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* wert) = 0;
    virtual int16_t AO_Configure(int16_t geraet, int16_t kanal, int16_t polaritaet, int16_t interneReferenz,
                                 double referenzSpannung, int16_t aktualisierung) = 0;
    virtual int16_t AI_Configure(int16_t geraet, int16_t kanal, int16_t eingangsart, int16_t bereich,
                                 int16_t polaritaet, int16_t treiber) = 0;
    virtual int16_t DAQ_Rate(double rate, int16_t einheiten, int16_t* zeitbasis, uint16_t* intervall) = 0;
    virtual int16_t DAQ_Start(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* puffer,
                              uint32_t anzahl, int16_t zeitbasis, uint16_t intervall) = 0;
    virtual int16_t DAQ_DB_Config(int16_t geraet, int16_t doppelpuffer) = 0;
    virtual int16_t DAQ_Check(int16_t geraet, int16_t* gestoppt, uint32_t* abgeholt) = 0;
    virtual int16_t DAQ_Clear(int16_t geraet) = 0;
    virtual int16_t Timeout_Config(int16_t geraet, int32_t zeitlimit) = 0;
    virtual int16_t NIDAQErrorHandler(int16_t status, const char* funktion, int16_t drittes) = 0;
};

// No board on this system: the probe fails; the program never calls anything else on it.
Messkarte& keineMesskarte();

// An error the board's handler was given: the entry point, its status and the driver's
// own text for it.
struct MesskartenFehler {
    int16_t status = 0;
    std::string funktion;
    std::string text;
};
using MesskartenFehlerAnzeige = std::function<void(const MesskartenFehler&)>;

// A board that Comedi drives, device N being /dev/comedi(N-1). The driver library is
// loaded by this name ("libcomedi.so.0"; a name with a slash loads that file) and its
// functions bound by name, so the program needs no library to start. Null when the library
// or one of its functions is missing (the reason in grund). AI_Configure opens the device.
// NIDAQErrorHandler hands a non-zero status to anzeige on the GUI thread, whichever thread
// called it; the same error of the same entry point only once per acquisition, since a
// board that is gone fails every step.
std::unique_ptr<Messkarte> comediMesskarteLaden(const std::string& bibliothek, MesskartenFehlerAnzeige anzeige,
                                                std::string* grund = nullptr);

// A board in memory. Each call is logged as text ("DAQ_Start(1, 0, 1, 100, 3, 50)", a
// buffer is not shown) unless nurZaehlen is set: then only the calls per entry point are
// counted, every status is 0, and nothing is allocated.
class SimulierteMesskarte : public Messkarte {
public:
    enum Eintrag { AoWrite, AiRead, AoConfigure, AiConfigure, DaqRate, DaqStart, DaqDbConfig, DaqCheck,
                   DaqClear, TimeoutConfig, ErrorHandler, EintragAnzahl };
    struct Abholung {
        uint32_t abgeholt;   // the count DAQ_Check reports
        int16_t probe;       // placed at index abgeholt - 1 of the started buffer when it fits there
    };

    bool nurZaehlen = false;
    std::vector<std::string> log;
    std::array<long, EintragAnzahl> zaehler{};
    // statuses by entry point name, taken one per call; an empty queue answers 0
    std::map<std::string, std::deque<int16_t>> status;
    std::deque<Abholung> abholungen;   // played by DAQ_Check; when empty it reports the last count again
    int16_t zeitbasis = -3;            // what DAQ_Rate hands out
    uint16_t intervall = 100;

    int16_t AO_Write(int16_t geraet, int16_t kanal, int16_t wert) override;
    int16_t AI_Read(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* wert) override;
    int16_t AO_Configure(int16_t geraet, int16_t kanal, int16_t polaritaet, int16_t interneReferenz,
                         double referenzSpannung, int16_t aktualisierung) override;
    int16_t AI_Configure(int16_t geraet, int16_t kanal, int16_t eingangsart, int16_t bereich, int16_t polaritaet,
                         int16_t treiber) override;
    int16_t DAQ_Rate(double rate, int16_t einheiten, int16_t* zeitbasis, uint16_t* intervall) override;
    int16_t DAQ_Start(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* puffer, uint32_t anzahl,
                      int16_t zeitbasis, uint16_t intervall) override;
    int16_t DAQ_DB_Config(int16_t geraet, int16_t doppelpuffer) override;
    int16_t DAQ_Check(int16_t geraet, int16_t* gestoppt, uint32_t* abgeholt) override;
    int16_t DAQ_Clear(int16_t geraet) override;
    int16_t Timeout_Config(int16_t geraet, int32_t zeitlimit) override;
    int16_t NIDAQErrorHandler(int16_t status, const char* funktion, int16_t drittes) override;

private:
    int16_t aufruf(Eintrag e, const char* name, const char* format, ...) __attribute__((format(printf, 4, 5)));
    int16_t* puffer_ = nullptr;
    uint32_t pufferLaenge_ = 0;
    uint32_t zuletzt_ = 0;
};

} // namespace plattform
