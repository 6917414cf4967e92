// tests/diagrams/test_wavimport.cpp
#include "diagramm_hilfe.h"
#include "diagrams/wavimport.h"
#include "dialogs/wavimport.h"
#include <filesystem>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace {
std::string zahl(uint32_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += char(v >> (8 * i) & 0xFF);
    return s;
}

// a canonical 44-byte header (data length -1: the samples' own) and the samples
std::string wavText(uint16_t kanaele, uint32_t rate, const std::vector<int16_t>& werte, int64_t laenge = -1)
{
    const uint32_t daten = laenge < 0 ? uint32_t(werte.size() * 2) : uint32_t(laenge);
    std::string s = "RIFF" + zahl(daten + 36, 4) + "WAVEfmt " + zahl(16, 4) + zahl(1, 2) + zahl(kanaele, 2) +
                    zahl(rate, 4) + zahl(rate * kanaele * 2, 4) + zahl(kanaele * 2, 2) + zahl(16, 2) + "data" +
                    zahl(daten, 4);
    for (int16_t w : werte)
        s += zahl(uint16_t(w), 2);
    return s;
}

// Any layout: the chunks in the order given (each padded to an even length), under a RIFF
// length as writers give it.
std::string chunk(const std::string& id, const std::string& inhalt, int64_t laenge = -1)
{
    return id + zahl(uint32_t(laenge < 0 ? int64_t(inhalt.size()) : laenge), 4) + inhalt +
           (inhalt.size() % 2 ? std::string(1, '\0') : "");
}
std::string riff(const std::string& chunks) { return "RIFF" + zahl(uint32_t(chunks.size() + 4), 4) + "WAVE" + chunks; }
// the "fmt " chunk; format 0xFFFE gets the extensible tail naming unterformat
std::string fmt(uint16_t format, uint16_t kanaele, uint32_t rate, uint16_t bits, uint16_t unterformat = 1)
{
    const uint16_t block = uint16_t(kanaele * bits / 8);
    std::string s = zahl(format, 2) + zahl(kanaele, 2) + zahl(rate, 4) + zahl(rate * block, 4) + zahl(block, 2) + zahl(bits, 2);
    if (format == 0xFFFE)
        s += zahl(22, 2) + zahl(bits, 2) + zahl(3, 4) + zahl(unterformat, 2) +
             std::string("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);
    return chunk("fmt ", s);
}
// The samples of 16-bit values w as a file of that kind holds them: 8 bits offset binary
// of the upper byte, 24 and 32 bits with low bytes that a 16-bit reading drops, floating
// point scaled to 1.0.
std::string proben(const std::vector<int16_t>& w, int bits, bool gleitkomma = false)
{
    std::string s;
    for (int16_t v : w) {
        if (gleitkomma) {
            const float x = float(v) / 32768.0f;
            uint32_t b;
            std::memcpy(&b, &x, 4);
            s += zahl(b, 4);
        } else if (bits == 8) {
            s += char((v >> 8) + 128);
        } else {
            s += zahl(uint32_t(int32_t(v) * (1 << (bits - 16)) + (bits > 16 ? 0x5A : 0)), bits / 8);
        }
    }
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
    // the report on the file's header, as the import makes it
    std::string bericht() const
    {
        const auto groesse = int64_t(std::filesystem::file_size(pfad));
        std::FILE* datei = std::fopen(pfad.c_str(), "rb");
        const WavKopf kopf = datei ? wavKopfSuchen(datei, groesse) : WavKopf{};
        if (datei)
            std::fclose(datei);
        return wavBericht(kopf, groesse);
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
    std::FILE* datei = std::fopen(pfad.c_str(), "rb");
    ASSERT_NE(datei, nullptr);
    const WavKopf kopf = wavKopfSuchen(datei, 1808);
    std::fclose(datei);
    EXPECT_EQ(kopf.datenStart, 44);
    EXPECT_EQ(wavBericht(kopf, 1808),
              "Total file size:\t\t\t1808 bytes            \nRIFF header:\t\t\tRIFF\nWAVE header:\t\t\tWAVE\n"
              "FMT:\t\t\t\tfmt \nData size (based on bits used):\t\t1800\nAudio format:\t\t\t1\nSampling Rate:\t\t\t44100\nNumber of bits used:\t\t\t16\nNumber of channels:\t\t\t2\n"
              "Number of bytes per second:\t\t176400\ndata length:\t\t\t1764\nRequired step lengt:\t\t\t2.26757e-05\nRequired simulation lengt:\t\t0.010000\n");
}

TEST_F(WavFall, DieKalibrierungSkaliertNachDerMitteDerAufnahme)
{
    // 201 frames: the middle runs from -1280 to 512, the first and last hundredth hold outliers
    std::vector<int16_t> werte(201, 0);
    werte[50] = -1280, werte[60] = 512, werte[1] = 30000, werte[199] = -30000;
    struct Fall { double kalibrierung; uint16_t bits; float bei50, bei60; };
    for (const Fall& f : {Fall{0, 16, -1280, 512}, Fall{50, 16, -50, 20}, Fall{50, 8, -50, 20}}) {
        diagrammOptionen.wavKalibrierung = f.kalibrierung;
        ASSERT_EQ(lesen(riff(fmt(1, 1, 1000, f.bits) + chunk("data", proben(werte, f.bits)))), 1);
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
    const std::string daten = chunk("data", proben(zwei, 16));
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {wavText(1, 1000, zwei).substr(0, 43), meldungsTexte[1473]},
        {wavText(0, 1000, zwei), meldungFormatieren(1474, 0)},
        {wavText(9, 1000, std::vector<int16_t>(18, 7)), meldungFormatieren(1474, 9)},
        {wavText(1, 0, zwei), meldungsTexte[1475]},
        {wavText(2, 1000, {7, 7, 7, 7}, 2), meldungsTexte[1476]},   // one frame
        // a data chunk past the file's end: a truncated copy or a stream's length
        {wavText(2, 1000, {7, 7}, 1000000), meldungFormatieren(1488, 1000000LL, 44LL, 48LL)},
        {"RIFX" + wavText(1, 1000, zwei).substr(4), meldungsTexte[1486]},
        {riff(chunk("LIST", std::string(30, 'x')) + daten), meldungFormatieren(1487, "fmt ")},
        {riff(fmt(1, 1, 1000, 16) + chunk("LIST", std::string(30, 'x'))), meldungFormatieren(1487, "data")},
        // compressed (ADPCM), 12-bit, 64-bit floating point, extensible with an unknown kind
        {riff(fmt(2, 1, 1000, 4) + daten), meldungFormatieren(1489, 2, 4)},
        {riff(fmt(1, 1, 1000, 12) + daten), meldungFormatieren(1489, 1, 12)},
        {riff(fmt(3, 1, 1000, 64) + daten), meldungFormatieren(1489, 3, 64)},
        {riff(fmt(0xFFFE, 1, 1000, 16, 2) + daten), meldungFormatieren(1489, 0xFFFE, 16)},
    };
    for (const auto& [inhalt, grund] : faelle) {
        SCOPED_TRACE(grund);
        pt::boxAntworten({plattform::antwort::Ok});
        const double dauer = simulationsParameter.simulationsDauer;
        const size_t boxen = pt::boxLog().size();
        EXPECT_EQ(lesen(inhalt), 0);
        EXPECT_EQ(std::tuple(neuronKette.anzahl, programmStatus & programmBit::LaufGesperrt,
                             simulationsParameter.simulationsDauer), std::tuple(0, 0u, dauer));
        ASSERT_EQ(pt::boxLog().size(), boxen + 1);
        EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(1472, pfad, grund));
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

// A file with a LIST chunk before its samples became 13 samples of 1.3 ms, an 8-bit one half
// a second of mangled waveform: every integer size and floating point, wherever the chunks
// stand, gives the values of the 16-bit file of the same recording.
TEST_F(WavFall, JedeProbenartUndJedeLageDerAbschnitteGibtDieWerteDerSechzehnBitDatei)
{
    std::vector<int16_t> werte;
    for (int i = 0; i < 2 * 300; ++i)
        werte.push_back(int16_t((i % 2 ? -1 : 1) * (i * 97 % 32768)));
    werte[2] = -32768, werte[4] = 32767;
    ASSERT_EQ(lesen(wavText(2, 8000, werte)), 1);
    const std::vector<float> kanal0 = soma(1, 299), kanal1 = soma(2, 299);
    std::vector<float> kanal1Acht = kanal1;   // 8 bits keep the upper byte only
    for (int f = 0; f < 299; ++f)
        kanal1Acht[f] = float((werte[2 * f + 1] >> 8) * 256);
    const std::string liste = chunk("LIST", "INFOISFT" + zahl(13, 4) + "Lavf58.76.100");   // odd: padded
    struct Fall { const char* art; std::string inhalt; const std::vector<float>& erwartet; };
    const std::vector<Fall> faelle = {
        {"16 bits after LIST", riff(fmt(1, 2, 8000, 16) + liste + chunk("data", proben(werte, 16))), kanal1},
        {"LIST first, fact", riff(liste + fmt(1, 2, 8000, 16) + chunk("fact", zahl(300, 4)) + chunk("data", proben(werte, 16))), kanal1},
        {"8 bits", riff(fmt(1, 2, 8000, 8) + chunk("data", proben(werte, 8))), kanal1Acht},
        {"24 bits extensible", riff(liste + fmt(0xFFFE, 2, 8000, 24) + chunk("data", proben(werte, 24))), kanal1},
        {"32 bits", riff(fmt(1, 2, 8000, 32) + chunk("data", proben(werte, 32))), kanal1},
        {"32-bit floats", riff(fmt(3, 2, 8000, 32) + chunk("data", proben(werte, 32, true))), kanal1},
        {"floats extensible", riff(fmt(0xFFFE, 2, 8000, 32, 3) + chunk("data", proben(werte, 32, true))), kanal1},
        // data that end inside a frame: the rest is no frame (it made 301 steps, or 300.25 frames long)
        {"two bytes of a frame left", riff(fmt(1, 2, 8000, 16) + chunk("data", proben(werte, 16) + "\x11\x22")), kanal1},
        {"one byte of a frame left", riff(fmt(1, 2, 8000, 16) + chunk("data", proben(werte, 16) + "\x11")), kanal1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        netzLoeschen();
        ASSERT_EQ(lesen(f.inhalt), 1);
        EXPECT_EQ(std::tuple(simulationsParameter.simulationsDauer, simulationsParameter.anzahlSchritte),
                  std::tuple(300 / 8000.0, 300));
        EXPECT_TRUE(bericht().ends_with("\nRequired simulation lengt:\t\t0.037500\n")) << bericht();
        const int zweiter = neuronKette.hoechsteNummer;
        if (f.erwartet == kanal1)
            EXPECT_EQ(soma(zweiter - 1, 299), kanal0);
        EXPECT_EQ(soma(zweiter, 299), f.erwartet);
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
