// tests/diagrams/test_wavimport.cpp
#include "diagramm_hilfe.h"
#include "diagrams/wavimport.h"
#include "dialogs/wavimport.h"
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
// a canonical 44-byte header (data length -1: the samples' own) and the samples
std::string wavText(uint16_t kanaele, uint32_t rate, const std::vector<int16_t>& werte, int64_t laenge = -1,
                    uint16_t bits = 16)
{
    std::string s;
    const auto n = [&](uint32_t v, int bytes) { for (int i = 0; i < bytes; ++i) s += char(v >> (8 * i) & 0xFF); };
    const uint32_t daten = laenge < 0 ? uint32_t(werte.size() * 2) : uint32_t(laenge);
    s += "RIFF"; n(daten + 36, 4); s += "WAVEfmt "; n(16, 4); n(1, 2); n(kanaele, 2); n(rate, 4);
    n(rate * kanaele * 2, 4); n(kanaele * 2, 2); n(bits, 2); s += "data"; n(daten, 4);
    for (int16_t w : werte) n(uint16_t(w), 2);
    return s;
}

struct WavFall : DiagrammFall {
    std::string pfad = (std::filesystem::temp_directory_path() / ("wav_" + std::to_string(::getpid()) + ".wav")).string();
    void SetUp() override
    {
        DiagrammFall::SetUp();
        const std::string o = std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/";
        standardDateienVorgeben();
        standardDateien = {o + "standard.gen", o + "onoff.channel", o + "hh.channel", o + "swim.channel", o + "gb.channel"};
    }
    void TearDown() override { std::filesystem::remove(pfad), standardDateienVorgeben(), DiagrammFall::TearDown(); }
    int lesen(const std::string& inhalt)
    {
        std::ofstream(pfad, std::ios::binary) << inhalt;
        dateipfade.oeffnenPfad = pfad;
        dateipfade.oeffnenName = "aufnahme.wav";
        return wavKopfLesen();
    }
    static std::vector<float> soma(int nummer, int n)
    {
        const auto& w = neuronNachNummer(nummer)->hauptDiagramm.kurven[kurve::Soma].werte;
        return {w.begin(), w.begin() + n};
    }
};
} // namespace

TEST_F(WavFall, EinStereoMitschnittWirdZweiNeuroneMitIhrenKurvenUndSperrtLaeufe)
{
    std::vector<int16_t> werte;
    std::vector<float> kanal1(441, 0.0f);   // the last frame is not imported
    for (int i = 0; i < 882; ++i)
        werte.push_back(int16_t(i % 2 ? -i : i));
    for (int f = 0; f < 440; ++f)
        kanal1[f] = float(-(2 * f + 1));
    diagrammOptionen.wavYAchseOptimieren = 1;
    ASSERT_EQ(lesen(wavText(2, 44100, werte)), 1);
    EXPECT_DOUBLE_EQ(simulationsParameter.simulationsDauer, 0.01);
    EXPECT_EQ(std::tuple(simulationsParameter.schrittweite, simulationsParameter.anzahlSchritte),
              std::tuple(1.0 / 44100, 441));
    EXPECT_TRUE(programmStatus & programmBit::LaufGesperrt);
    EXPECT_EQ(std::tuple(neuronNachNummer(1)->name, neuronNachNummer(2)->name), std::tuple("wav 0", "wav 1"));
    EXPECT_EQ(soma(2, 441), kanal1);
    const DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
    EXPECT_TRUE(d.minY <= -879 && d.maxY >= 0) << d.minY << " " << d.maxY;   // fitted to the channel
    EXPECT_EQ(neuronNachNummer(1)->hauptDiagramm.kurven[kurve::Referenz1].werte[0], keineDaten);
    const std::string text = wavText(2, 44100, werte);
    EXPECT_EQ(wavBericht(wavKopfZerlegen(reinterpret_cast<const unsigned char*>(text.data())), 1808),
              "Total file size:\t\t\t1808 bytes            \nRIFF header:\t\t\tRIFF\nWAVE header:\t\t\tWAVE\n"
              "FMT:\t\t\t\tfmt \nData size (based on bits used):\t\t1800\nAudio format:\t\t\t1\nSampling Rate:\t\t\t44100\nNumber of bits used:\t\t\t16\nNumber of channels:\t\t\t2\n"
              "Number of bytes per second:\t\t176400\ndata length:\t\t\t1764\nRequired step lengt:\t\t\t2.26757e-05\nRequired simulation lengt:\t\t0.010000\n");
}

TEST_F(WavFall, DieKalibrierungSkaliertNachDerMitteDerAufnahme)
{
    // 201 frames: the middle runs from -1000 to 400, the first and last hundredth hold outliers
    std::vector<int16_t> werte(201, 0);
    werte[50] = -1000, werte[60] = 400, werte[1] = 30000, werte[199] = -30000;
    struct Fall { double kalibrierung; uint16_t bits; float bei50, bei60; };
    for (const Fall& f : {Fall{0, 16, -1000, 400}, Fall{50, 16, -50, 20}, Fall{50, 8, -50, 20}}) {
        diagrammOptionen.wavKalibrierung = f.kalibrierung;
        ASSERT_EQ(lesen(wavText(1, 1000, werte, -1, f.bits)), 1);
        const std::vector<float> w = soma(neuronKette.hoechsteNummer, 201);
        EXPECT_EQ(std::tuple(w[50], w[60]), std::tuple(f.bei50, f.bei60)) << f.kalibrierung << " " << f.bits;
    }
    werte[50] = werte[60] = 0;   // no peak in the middle: the raw values stay
    ASSERT_EQ(lesen(wavText(1, 1000, werte)), 1);
    EXPECT_EQ(soma(neuronKette.hoechsteNummer, 2)[1], 30000.0f);
}

TEST_F(WavFall, EinUnbrauchbarerKopfWirdAbgelehntOhneEtwasZuAendern)
{
    const std::vector<int16_t> zwei(4, 7);
    for (const std::string& inhalt : {wavText(1, 1000, zwei).substr(0, 43), wavText(0, 1000, zwei),
                                      wavText(9, 1000, std::vector<int16_t>(18, 7)), wavText(1, 0, zwei),
                                      wavText(2, 1000, {7, 7}, 1000000) /* one frame present */}) {
        pt::boxAntworten({plattform::antwort::Ok});
        const double dauer = simulationsParameter.simulationsDauer;
        const size_t boxen = pt::boxLog().size();
        EXPECT_EQ(lesen(inhalt), 0);
        EXPECT_EQ(std::tuple(neuronKette.anzahl, programmStatus & programmBit::LaufGesperrt,
                             simulationsParameter.simulationsDauer), std::tuple(0, 0u, dauer));
        ASSERT_EQ(pt::boxLog().size(), boxen + 1);
        EXPECT_NE(pt::boxLog().back().text.find(pfad), std::string::npos) << pt::boxLog().back().text;
    }
}

TEST_F(WavFall, VerfaelschteLaengenWerdenSicherGelesen)
{
    // header lengths and the file's end changed at random: the import refuses or reads what is there
    const std::string gut = wavText(3, 8000, std::vector<int16_t>(300, -5));
    uint32_t z = 12345;
    for (int i = 0; i < 60; ++i) {
        std::string s = gut;
        z = z * 1103515245u + 12345u;
        const int stelle = std::array{4, 22, 24, 40, 41, 43}[z % 6];
        s[stelle] = char(z >> 16);
        s.resize(std::min<size_t>(s.size(), (z >> 8) % 700));
        if (pt::offeneBoxAntworten() == 0)
            pt::boxAntworten({plattform::antwort::Ok});
        if (lesen(s) == 0)
            EXPECT_EQ(pt::offeneBoxAntworten(), 0u) << "refused with a notice";
        netzLoeschen();
    }
}

TEST_F(WavFall, DieImportEinstellungenLesenKommaZahlenUndAbbrechenAendertNichts)
{
    namespace sch = pt::schritt;
    const auto hookOffen = [](plattform::Fenster dlg) { EXPECT_EQ(plattform::tastaturHookDialog(), dlg); };
    pt::dialogSkript(322, {hookOffen, sch::tippen(2301, "2,5"), sch::klicken(2298), sch::klicken(1)});
    pt::dialogSkript(322, {sch::tippen(2301, "7"), sch::klicken(2298), sch::klicken(2)});
    EXPECT_EQ(wavImportDialogOeffnen(nullptr), 1);
    EXPECT_EQ(wavImportDialogOeffnen(nullptr), 2);
    EXPECT_EQ(std::tuple(diagrammOptionen.wavKalibrierung, diagrammOptionen.wavYAchseOptimieren), std::tuple(2.5, 1));
    EXPECT_EQ(plattform::tastaturHookDialog(), nullptr);
}

TEST_F(WavFall, OhneFreieNeuronnummernFuerJedenKanalWirdNichtsImportiert)
{
    for (int i = 1; i < neuronTabellenGroesse - 1; ++i)
        neu(i);
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(lesen(wavText(2, 1000, std::vector<int16_t>(8, 3))), 0);
    EXPECT_EQ(neuronKette.anzahl, 1022);
}
