// tests/server/test_messkarte_comedi.cpp - the board through Comedi's driver library: the
// Debian library without a device, and a stand-in library with a board in memory that the
// program binds by path as it binds the real one by name
#include "../app/app_hilfe.h"
#include "server_warten.h"
#include "platform/box.h"
#include "platform/system.h"
#include "resources/befehle.h"
#include "server/serverbetrieb.h"
#include <cerrno>
#include <chrono>
#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <thread>

using namespace apphilfe;
using servertest::warten;
using plattform::MesskartenFehler;

namespace {

// the stand-in's own functions, for the test's side of the board
struct Stellvertreter {
    void* bib = dlopen(COMEDI_STELLVERTRETER, RTLD_NOW | RTLD_LOCAL);
    template <typename F>
    F funktion(const char* name) const
    {
        return reinterpret_cast<F>(bib ? dlsym(bib, name) : nullptr);
    }
    void (*zuruecksetzen)() = funktion<void (*)()>("stellvertreterZuruecksetzen");
    void (*entfernen)() = funktion<void (*)()>("stellvertreterEntfernen");
    void (*beenden)() = funktion<void (*)()>("stellvertreterBeenden");
    void (*ueberlaufen)() = funktion<void (*)()>("stellvertreterUeberlaufen");
    int (*einspeisenBytes)(const void*, int) = funktion<int (*)(const void*, int)>("stellvertreterEinspeisen");
    int (*ungelesen)() = funktion<int (*)()>("stellvertreterUngelesen");
    int (*zeile)(int, char*, int) = funktion<int (*)(int, char*, int)>("stellvertreterZeile");
    int (*ausgangRoh)(int, unsigned*, int, unsigned*, unsigned*) =
        funktion<int (*)(int, unsigned*, int, unsigned*, unsigned*)>("stellvertreterAusgang");

    ~Stellvertreter()
    {
        if (bib)
            dlclose(bib);
    }
    bool da() const
    {
        return zuruecksetzen && entfernen && beenden && ueberlaufen && einspeisenBytes && ungelesen && zeile &&
               ausgangRoh;
    }

    std::vector<std::string> protokoll() const
    {
        std::vector<std::string> z;
        char text[256];
        for (int i = 0; zeile(i, text, sizeof text); ++i)
            z.emplace_back(text);
        return z;
    }
    bool protokolliert(const std::string& text) const { return std::ranges::count(protokoll(), text) > 0; }
    std::string letzterBefehl() const
    {
        std::string b;
        for (const std::string& z : protokoll())
            if (z.starts_with("comedi_command("))
                b = z;
        return b;
    }

    struct Ausgang {
        std::vector<unsigned> werte;   // as they changed
        unsigned kleinster = 0, groesster = 0;
    };
    Ausgang ausgang(int kanal) const
    {
        Ausgang a;
        a.werte.resize(256);
        a.werte.resize(static_cast<size_t>(ausgangRoh(kanal, a.werte.data(), 256, &a.kleinster, &a.groesster)));
        return a;
    }
    // samples into the input; how many it took
    int einspeisen(const std::vector<unsigned short>& proben) const
    {
        return einspeisenBytes(proben.data(), static_cast<int>(proben.size() * 2)) / 2;
    }
};

// the stand-in's 16-bit converters, written out from the linear conversion (+-10 V, or
// the input's range of +-volt)
unsigned short eingangRoh(int code, double volt = 10.0)
{
    return static_cast<unsigned short>(std::lround((code * 10.0 / 2048.0 + volt) / (2 * volt) * 65535.0));
}
unsigned ausgangRoh(int code) { return static_cast<unsigned>(std::floor((code * 10.0 / 2048.0 + 10.0) / 20.0 * 65535.0 + 0.5)); }
// the stand-in's raw input value of a voltage in its range of +-bereich volts
unsigned short rohVonVolt(double volt, double bereich)
{
    return static_cast<unsigned short>(std::lround((volt + bereich) / (2 * bereich) * 65535.0));
}
// the code of an output value, when it is exactly one
std::optional<int> ausgangCode(unsigned roh)
{
    const int code = static_cast<int>(std::lround((roh / 65535.0 * 20.0 - 10.0) * 204.8));
    return ausgangRoh(code) == roh ? std::optional(code) : std::nullopt;
}

bool echtzeitGewaehrt(std::string*) { return true; }

// the board and nothing else: the calls as the server makes them, without a server
struct ComediKarte : ::testing::Test {
    Stellvertreter sv;
    std::vector<std::pair<MesskartenFehler, bool>> gemeldet;   // with: on the GUI thread
    std::unique_ptr<plattform::Messkarte> karte;
    void SetUp() override
    {
        pt::zuruecksetzen();
        ASSERT_TRUE(sv.da()) << dlerror();
        sv.zuruecksetzen();
        std::string grund;
        karte = plattform::comediMesskarteLaden(
            COMEDI_STELLVERTRETER,
            [this](const MesskartenFehler& f) { gemeldet.emplace_back(f, plattform::istGuiThread()); }, &grund);
        ASSERT_NE(karte, nullptr) << grund;
    }
};

TEST_F(ComediKarte, CheckTakesEverythingNewPutsTheNewestAtCountMinusOneAndConvertsThroughVolts)
{
    std::array<int16_t, 100> puffer{};
    int16_t zb = 0, gestoppt = 0;
    uint16_t iv = 0;
    uint32_t abgeholt = 99;
    ASSERT_EQ(karte->AI_Configure(1, 0, 1, 10, 0, 0), 0);
    ASSERT_EQ(karte->DAQ_Rate(10000.0, 0, &zb, &iv), 0);
    ASSERT_EQ(karte->DAQ_DB_Config(1, 1), 0);
    ASSERT_EQ(karte->DAQ_Start(1, 0, 1, puffer.data(), 100, zb, iv), 0);
    EXPECT_EQ(karte->DAQ_Check(1, &gestoppt, &abgeholt), 0);
    EXPECT_EQ(std::pair(abgeholt, gestoppt), std::pair(0u, int16_t{0})) << "nothing yet";

    // three samples, the last newest; the end codes, which the library leaves without a
    // value, at the ends of the scale
    ASSERT_EQ(sv.einspeisen({eingangRoh(-410), 0, 65535}), 3);
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    ASSERT_EQ(abgeholt, 3u);
    EXPECT_EQ(std::vector(puffer.begin(), puffer.begin() + 3), (std::vector<int16_t>{-410, -2048, 2047}));
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    EXPECT_EQ(abgeholt, 3u) << "no new sample, the same count";

    // 98 more wrap the slots: the newest stands at count - 1
    std::vector<unsigned short> viele(98, eingangRoh(100));
    viele.back() = eingangRoh(-409);
    ASSERT_EQ(sv.einspeisen(viele), 98);
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    ASSERT_EQ(abgeholt, 1u);
    EXPECT_EQ(puffer[0], -409);
    // exactly a buffer's worth still changes the count
    std::vector<unsigned short> hundert(100, eingangRoh(5));
    hundert.back() = eingangRoh(2000);
    ASSERT_EQ(sv.einspeisen(hundert), 100);
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    ASSERT_EQ(abgeholt, 2u);
    EXPECT_EQ(puffer[1], 2000);
    // a sample split between two reads is put together
    const unsigned short probe = eingangRoh(-1000);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&probe);
    ASSERT_EQ(sv.einspeisenBytes(bytes, 1), 1);
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    EXPECT_EQ(abgeholt, 2u) << "half a sample is none";
    ASSERT_EQ(sv.einspeisenBytes(bytes + 1, 1), 1);
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    ASSERT_EQ(abgeholt, 3u);
    EXPECT_EQ(puffer[2], -1000);

    // cleared: the buffer is the caller's again, and the check says the acquisition stopped
    EXPECT_EQ(karte->DAQ_Clear(1), 0);
    EXPECT_NE(karte->DAQ_Check(1, &gestoppt, &abgeholt), 0);
    EXPECT_EQ(gestoppt, 1);
    EXPECT_TRUE(sv.protokolliert("comedi_cancel(0)"));
    EXPECT_EQ(sv.einspeisen({1}), 0) << "no acquisition runs";
}

TEST_F(ComediKarte, RatesRangesChannelsAndFinishedAcquisitionsMapToTheDriver)
{
    int16_t zb = 0;
    uint16_t iv = 0;
    EXPECT_EQ(karte->DAQ_Rate(10000.0, 0, &zb, &iv), 0);
    EXPECT_EQ(std::pair(zb, iv), std::pair(int16_t{-3}, uint16_t{2000})) << "2000 x 50 ns";
    EXPECT_EQ(karte->DAQ_Rate(2.0, 1, &zb, &iv), 0);   // seconds per sample
    EXPECT_EQ(std::pair(zb, iv), std::pair(int16_t{3}, uint16_t{20000})) << "20000 x 100 us";
    for (const double falsch : {0.0, -5.0, std::nan(""), 1e9})
        EXPECT_LT(karte->DAQ_Rate(falsch, 0, &zb, &iv), 0) << falsch;

    // device 2 is /dev/comedi1, which the stand-in does not have; no range of 20 V
    EXPECT_EQ(karte->AI_Configure(2, 0, 1, 10, 0, 0), -ENOENT);
    EXPECT_TRUE(sv.protokolliert("comedi_open(/dev/comedi1)"));
    EXPECT_EQ(karte->AI_Configure(1, 0, 1, 20, 0, 0), -0x1008);
    EXPECT_EQ(karte->AI_Configure(1, 0, 2, 10, 0, 0), -0x1008) << "no common reference";
    EXPECT_EQ(karte->AI_Configure(1, 16, 1, 10, 0, 0), -0x1004);
    ASSERT_EQ(karte->AI_Configure(1, 0, 0, 5, 0, 0), 0);   // differential, +-5 V

    // outputs: unconfigured channels take +-10 V; unipolar takes the 0..10 V range;
    // channel 2 does not exist
    EXPECT_EQ(karte->AO_Write(1, 1, -1000), 0);
    EXPECT_EQ(sv.ausgang(1).werte, std::vector<unsigned>{ausgangRoh(-1000)});
    EXPECT_EQ(karte->AO_Configure(1, 0, 1, 0, 10.0, 0), 0);
    EXPECT_EQ(karte->AO_Write(1, 0, 2048), 0);
    EXPECT_EQ(sv.ausgang(0).werte, std::vector<unsigned>{32768u}) << "5 V of 0..10 V";
    EXPECT_EQ(karte->AO_Write(1, 2, 0), -0x1004);

    // the probe's range and reference in the channel list; its +-5 V still give codes of
    // the +-10 V scale
    std::array<int16_t, 4> puffer{};
    ASSERT_EQ(karte->DAQ_Start(1, 3, 1, puffer.data(), 4, 1, 250), 0);
    EXPECT_TRUE(sv.protokolliert("comedi_command(subdevice 0, channel 3, range 1, reference 2, scan 250000 ns, "
                                 "conversion 250000 ns, stop never 0, flags 0x20)"));
    ASSERT_EQ(sv.einspeisen({eingangRoh(-999, 5)}), 1);
    int16_t gestoppt = 0;
    uint32_t abgeholt = 0;
    karte->DAQ_Check(1, &gestoppt, &abgeholt);
    EXPECT_EQ(puffer[abgeholt - 1], -999);
}

// A gain scales the codes: the command takes the range holding 10 V / gain (the probe's at
// gain 1), and its samples are converted in that range; a channel without such a range
// refuses the gain. 0.5 V at the input, with a gain of 3, are 1.5 V of the 12-bit code's
// 10 V: 307.
TEST_F(ComediKarte, GainTakesTheRangeItsSamplesAreConvertedInAndARangeMustServeIt)
{
    struct Fall {
        int16_t probe, kanal, verstaerkung;
        int bereich;        // the one the command takes
        double volt;        // of it
        double eingang;     // at the input
        int16_t code;
    } faelle[] = {
        {10, 0, 3, 1, 5.0, 0.5, 307},
        {5, 0, 2, 1, 5.0, 0.5, 205},
        {5, 0, 1, 1, 5.0, 0.5, 102},
        {10, 0, 20, 2, 1.0, -0.04, -164},
        {10, 15, 10, 0, 1.0, 0.5, 1024},   // channel 15 has +-1 V only
    };
    std::array<int16_t, 100> puffer{};
    int16_t gestoppt = 0;
    uint32_t abgeholt = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.probe << " V, channel " << f.kanal << ", gain " << f.verstaerkung);
        ASSERT_EQ(karte->AI_Configure(1, 0, 1, f.probe, 0, 0), 0);
        ASSERT_EQ(karte->DAQ_Start(1, f.kanal, f.verstaerkung, puffer.data(), 100, -3, 2000), 0);
        EXPECT_EQ(sv.letzterBefehl(), "comedi_command(subdevice 0, channel " + std::to_string(f.kanal) + ", range " +
                                          std::to_string(f.bereich) +
                                          ", reference 0, scan 100000 ns, conversion 100000 ns, stop never 0, flags 0x20)");
        ASSERT_EQ(sv.einspeisen({rohVonVolt(f.eingang, f.volt)}), 1);
        ASSERT_EQ(karte->DAQ_Check(1, &gestoppt, &abgeholt), 0);
        ASSERT_GT(abgeholt, 0u);
        EXPECT_EQ(puffer[abgeholt - 1], f.code);
    }

    // no range of +-5 V or more on channel 15: gain 2 is refused, as gain 1 of a 10 V probe;
    // nothing is commanded
    ASSERT_EQ(karte->AI_Configure(1, 0, 1, 10, 0, 0), 0);
    const size_t zeilen = sv.protokoll().size();
    for (const int16_t verstaerkung : {1, 2})
        EXPECT_EQ(karte->DAQ_Start(1, 15, verstaerkung, puffer.data(), 100, -3, 2000), -0x1008) << verstaerkung;
    EXPECT_EQ(sv.protokoll().size(), zeilen);
    // a single reading takes the gain's range too
    int16_t wert = 0;
    EXPECT_EQ(karte->AI_Read(1, 0, 3, &wert), 0);
    EXPECT_TRUE(sv.protokolliert("comedi_data_read(0, 0, 1, 0)"));
}

// An acquisition the driver ends: its last samples are taken first, then the end is told
// once, as an error (the command has no end of its own), and the check says it stopped.
TEST_F(ComediKarte, OverrunEndAndVanishedBoardAreToldOnceAfterTheLastSamples)
{
    std::array<int16_t, 100> puffer{};
    int16_t gestoppt = 0;
    uint32_t abgeholt = 0;
    ASSERT_EQ(karte->AI_Configure(1, 0, 1, 10, 0, 0), 0);
    const auto starten = [&] { return karte->DAQ_Start(1, 0, 1, puffer.data(), 100, -3, 2000); };
    // three checks: the status of each, the count and the stop flag after the last
    const auto pruefen = [&] {
        std::vector<int16_t> status;
        for (int i = 0; i < 3; ++i)
            status.push_back(karte->DAQ_Check(1, &gestoppt, &abgeholt));
        return status;
    };

    ASSERT_EQ(starten(), 0);
    ASSERT_EQ(sv.einspeisen({eingangRoh(100), eingangRoh(200)}), 2);
    sv.ueberlaufen();
    EXPECT_EQ(sv.einspeisen({eingangRoh(300)}), 0) << "stopped";
    EXPECT_EQ(pruefen(), (std::vector<int16_t>{0, -EPIPE, 0}));
    EXPECT_EQ(std::tuple(abgeholt, puffer[1], gestoppt), std::tuple(2u, int16_t{200}, int16_t{1}));

    ASSERT_EQ(starten(), 0);
    ASSERT_EQ(sv.einspeisen({eingangRoh(-300)}), 1);
    sv.beenden();
    EXPECT_EQ(pruefen(), (std::vector<int16_t>{-ECANCELED, 0, 0}));
    EXPECT_EQ(std::tuple(abgeholt, puffer[2], gestoppt), std::tuple(3u, int16_t{-300}, int16_t{1}));

    ASSERT_EQ(starten(), 0);
    EXPECT_EQ(pruefen(), (std::vector<int16_t>{0, 0, 0})) << "runs, nothing new";
    EXPECT_EQ(gestoppt, 0);
    sv.entfernen();
    EXPECT_EQ(pruefen(), (std::vector<int16_t>{-ENODEV, 0, 0}));
    EXPECT_EQ(gestoppt, 1);
}

// The handler: status 0 shows nothing; an error reaches the display on the GUI thread
// whichever thread reports it, once per acquisition.
TEST_F(ComediKarte, ErrorsReachTheDisplayOnTheGuiThreadOncePerAcquisition)
{
    EXPECT_EQ(karte->NIDAQErrorHandler(0, "AO_Write", 0), 0);
    std::thread([&] {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(karte->NIDAQErrorHandler(-ENODEV, "AO_Write", 0), -ENODEV);
        karte->NIDAQErrorHandler(-0x1004, "AO_Write", 0);
    }).join();
    EXPECT_TRUE(gemeldet.empty()) << "not on the reporting thread";
    plattform::nachrichtenVerarbeiten();
    ASSERT_EQ(gemeldet.size(), 2u);
    EXPECT_EQ(std::tuple(gemeldet[0].first.funktion, gemeldet[0].first.status, gemeldet[0].first.text,
                         gemeldet[0].second),
              std::tuple(std::string("AO_Write"), int16_t{-ENODEV}, std::string("No such device"), true));
    EXPECT_EQ(gemeldet[1].first.text, "Invalid channel");
    // the next acquisition reports it again
    std::array<int16_t, 100> puffer{};
    ASSERT_EQ(karte->AI_Configure(1, 0, 1, 10, 0, 0), 0);
    ASSERT_EQ(karte->DAQ_Start(1, 0, 1, puffer.data(), 100, -3, 2000), 0);
    karte->NIDAQErrorHandler(-ENODEV, "AO_Write", 0);
    EXPECT_EQ(gemeldet.size(), 3u) << "shown at once on the GUI thread";
}

// the program's start and the server run, with the board the start binds
struct ComediBetrieb : AppFall {
    Stellvertreter sv;
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(sv.da()) << dlerror();
        sv.zuruecksetzen();
        serverStartHaken = {nullptr, echtzeitGewaehrt, false};
    }
    void TearDown() override
    {
        servertest::serverLaufAufraeumen();
        zuletztAbgeholt = 0;
        AppFall::TearDown();   // the start's board goes with it
    }
    bool startenMit(const char* bibliothek)
    {
        startHaken.messkartenBibliothek = bibliothek;
        if (!starten())
            return false;
        laufbaresNetz(2, ordner);
        return true;
    }
    // a receipt from the loop: every step before it is done
    bool quittiert()
    {
        const uint32_t vorher = serverLauf.anzeige.quittung.load();
        serverBefehlSenden({ServerBefehl::SpurSchritteSetzen, 0.0, 100});
        return warten([&] { return serverLauf.anzeige.quittung.load() != vorher; });
    }
    bool eingelesen()
    {
        return warten([&] { return sv.ungelesen() == 0; }) && quittiert();
    }
    bool anhalten()
    {
        pt::boxAntworten({antwort::Ok});
        pt::tasteDruecken(serverFenster.fenster, taste::Esc, 27);
        return warten([] { return !serverThreadLaeuft(); });
    }
};

TEST_F(ComediBetrieb, DebianLibraryWithoutDeviceBindsFailsItsProbeAndTheProgramRunsWithoutBoard)
{
    if (std::filesystem::exists("/dev/comedi0"))
        GTEST_SKIP() << "a board is attached here";
    std::string grund;
    auto karte = plattform::comediMesskarteLaden("libcomedi.so.0", {}, &grund);
    ASSERT_NE(karte, nullptr) << grund;
    EXPECT_EQ(karte->AI_Configure(1, 0, 1, 10, 0, 0), -ENOENT);
    EXPECT_EQ(karte->AO_Write(1, 0, 0), -ENODEV);
    karte.reset();
    // no library, or one without the functions: nothing is bound
    EXPECT_EQ(plattform::comediMesskarteLaden("libvelnor-gibt-es-nicht.so.0", {}, &grund), nullptr);
    EXPECT_NE(grund.find("libvelnor-gibt-es-nicht.so.0"), std::string::npos);
    EXPECT_EQ(plattform::comediMesskarteLaden("libm.so.6", {}, &grund), nullptr);
    EXPECT_EQ(grund, "libm.so.6: comedi_open missing");

    ASSERT_TRUE(startenMit(nullptr));
    EXPECT_EQ(serverLauf.karteVorhanden, 0);
    EXPECT_EQ(daqFunktionen, &plattform::keineMesskarte());
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    EXPECT_EQ(serverLauf.modus, serverModus::OhneErfassung);
    EXPECT_TRUE(pt::boxLog().empty());
    ASSERT_TRUE(anhalten());
}

// Start, run and stop on the stand-in: the command the start gives, samples that reach the
// event kernel (an event, a level just above the stop level, the stop level), the output
// neuron's pulse and potential on the outputs, and both outputs at 0 V after the release.
TEST_F(ComediBetrieb, StartRunAndStopDriveTheBoardThroughItsLibrary)
{
    ASSERT_TRUE(startenMit(COMEDI_STELLVERTRETER));
    ASSERT_EQ(serverLauf.karteVorhanden, 1);
    serverDaten.verzoegerung = 0.01;
    serverDaten.stromFaktor = 1e-7;   // an event's kernel makes the output neuron fire
    serverDaten.somaPotentialAusgeben = 1;
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    ASSERT_EQ(serverLauf.modus, serverModus::MitKarte);
    EXPECT_TRUE(sv.protokolliert("comedi_command(subdevice 0, channel 0, range 0, reference 0, scan 100000 ns, "
                                 "conversion 100000 ns, stop never 0, flags 0x20)"))
        << testing::PrintToString(sv.protokoll());

    ASSERT_EQ(sv.einspeisen({eingangRoh(-409)}), 1);
    ASSERT_TRUE(eingelesen());
    EXPECT_TRUE(serverThreadLaeuft()) << "just above the stop level";
    EXPECT_EQ(sv.ausgang(0).groesster, ausgangRoh(0)) << "no pulse before the event";

    ASSERT_EQ(sv.einspeisen({eingangRoh(2047)}), 1);
    const unsigned puls = ausgangRoh(serverDaten.pulsHoehe);
    ASSERT_TRUE(warten([&] { return std::ranges::count(sv.ausgang(0).werte, puls) > 0; }));

    pt::boxAntworten({antwort::Ok});
    ASSERT_EQ(sv.einspeisen({eingangRoh(-410)}), 1);
    ASSERT_TRUE(warten([] { return !serverThreadLaeuft(); }));
    ASSERT_FALSE(pt::boxLog().empty());
    EXPECT_NE(pt::boxLog().back().text.find("\n1 AD-eingaenge"), std::string::npos) << pt::boxLog().back().text;

    const std::vector<std::string> p = sv.protokoll();
    EXPECT_EQ(std::ranges::count(p, "comedi_cancel(0)"), 1) << testing::PrintToString(p);
    for (const int kanal : {0, 1})
        EXPECT_EQ(sv.ausgang(kanal).werte.back(), ausgangRoh(0)) << kanal;
    // the soma potential in codes of 0.1 mV: its lowest at rest or below
    const Stellvertreter::Ausgang potential = sv.ausgang(1);
    const auto tief = ausgangCode(potential.kleinster), hoch = ausgangCode(potential.groesster);
    ASSERT_TRUE(tief && hoch) << potential.kleinster << " " << potential.groesster;
    EXPECT_GE(*tief, -1000);
    EXPECT_LT(*tief, -400);
}

// A board unplugged while the server runs: the error of the output and of the input each
// shown once, on the GUI thread; the run goes on; the stop releases what is left; the next
// start runs without acquisition.
TEST_F(ComediBetrieb, VanishingBoardReportsOnceTheRunGoesOnAndTheStopReleasesTheRest)
{
    ASSERT_TRUE(startenMit(COMEDI_STELLVERTRETER));
    serverDaten.somaPotentialAusgeben = 1;   // an output every step
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    ASSERT_TRUE(quittiert());
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    sv.entfernen();
    ASSERT_TRUE(warten([] { return pt::boxLog().size() >= 2; }));
    std::vector<std::string> texte = {pt::boxLog()[0].text, pt::boxLog()[1].text};
    std::ranges::sort(texte);   // which step meets the board first is the thread's
    EXPECT_EQ(texte, (std::vector<std::string>{meldungFormatieren(1377, "AO_Write", -ENODEV, "No such device"),
                                               meldungFormatieren(1377, "DAQ_Check", -ENODEV, "No such device")}));
    ASSERT_TRUE(quittiert());
    EXPECT_TRUE(serverThreadLaeuft());

    ASSERT_TRUE(anhalten());
    EXPECT_EQ(pt::boxLog().size(), 3u) << "each error once, then the report";
    const std::vector<std::string> p = sv.protokoll();
    ASSERT_GE(p.size(), 2u);
    EXPECT_EQ(std::vector(p.end() - 2, p.end()), (std::vector<std::string>{"comedi_cancel(0)", "comedi_close"}));

    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    EXPECT_EQ(serverLauf.modus, serverModus::OhneErfassung);
    ASSERT_TRUE(anhalten());
}

// An overrun of the board's buffer while the server runs: shown once, on the GUI thread; the
// run goes on without input, and the next start's acquisition shows its own.
TEST_F(ComediBetrieb, OverrunIsShownOnceAndTheRunGoesOnWithoutInput)
{
    ASSERT_TRUE(startenMit(COMEDI_STELLVERTRETER));
    const std::string ueberlauf = meldungFormatieren(1377, "DAQ_Check", -EPIPE, "Broken pipe");
    for (int lauf = 0; lauf < 2; ++lauf) {
        SCOPED_TRACE(lauf);
        const size_t vorher = pt::boxLog().size();
        befehl(befehlServerStarten);
        ASSERT_TRUE(serverThreadLaeuft());
        ASSERT_EQ(serverLauf.modus, serverModus::MitKarte);
        ASSERT_EQ(sv.einspeisen({eingangRoh(-409)}), 1);
        ASSERT_TRUE(eingelesen());
        pt::boxAntworten({antwort::Ok});
        sv.ueberlaufen();
        ASSERT_TRUE(warten([&] { return pt::boxLog().size() > vorher; }));
        EXPECT_EQ(pt::boxLog()[vorher].text, ueberlauf);
        ASSERT_TRUE(quittiert());
        EXPECT_TRUE(serverThreadLaeuft());
        EXPECT_EQ(sv.einspeisen({eingangRoh(-410)}), 0) << "no stop level can come";

        ASSERT_TRUE(anhalten());
        EXPECT_EQ(pt::boxLog().size(), vorher + 2) << "the error once, then the report";
    }
}

} // namespace
