// diagrams/wavimport.cpp - a WAV recording becomes one neuron per channel with its curve
#include "diagrams/wavimport.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "diagrams/diagrammbefehle.h"
#include "model/diagramm.h"
#include "model/kurven.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

namespace {

uint16_t wort(const unsigned char* b) { return static_cast<uint16_t>(b[0] | b[1] << 8); }
uint32_t doppelwort(const unsigned char* b)
{
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
           static_cast<uint32_t>(b[3]) << 24;
}

// whole frames of c channels of samples of the file's size in laenge bytes
uint32_t frames(uint32_t laenge, int c, const WavKopf& k)
{
    const int bytes = wavBytesProWert(k);
    return c > 0 && bytes > 0 ? laenge / static_cast<uint32_t>(c) / static_cast<uint32_t>(bytes) : 0;
}

// the sample format behind the format number: 1 integers, 3 floating point, else 0
int wertArt(const WavKopf& k)
{
    const int art = k.format == 0xFFFE ? k.unterformat : k.format;
    const int bytes = wavBytesProWert(k);
    if (art == 1 && bytes > 0)
        return 1;
    return art == 3 && bytes == 4 ? 3 : 0;
}

int freieNeuronNummern()
{
    int frei = 0;
    for (int i = 1; i < neuronTabellenGroesse; ++i)
        if (!neuronNachNummer(i))
            ++frei;
    return frei;
}

// Late in the import: the time measurement and detection start afresh over the whole run.
void messzustandZuruecksetzen()
{
    if (diagrammOptionen.blockgroesse < 1)
        diagrammOptionen.blockgroesse = 9000;
    zeitmessung.ereignisKapazitaet = 0;
    zeitmessung.ereignisTextKapazitaet = 0;
    zeitmessung.ereignisAnzahl = 0;
    zeitmessung.ereignisText.clear();
    zeitmessung.ereignisText.shrink_to_fit();
    zeitmessung.ereignisZeiten.clear();
    zeitmessung.ereignisZeiten.shrink_to_fit();
    aktuellesDiagramm.messModus = 0;
    zeitmessung.bereichStart = 0.0;
    zeitmessung.bereichEnde = simulationsParameter.simulationsDauer;
    zeitmessung.erkennungsOptionen = 0x100;   // rising edges only
}

// a window laid out again: one pixel wider and back
void neuAuslegen(plattform::Fenster f)
{
    if (!f)
        return;
    plattform::ungueltigMachen(f);
    plattform::neuZeichnen(f);
    const plattform::Rechteck r = plattform::fensterRechteck(f);
    plattform::verschieben(f, r.links, r.oben, r.breite() + 1, r.hoehe());
    plattform::verschieben(f, r.links, r.oben, r.breite(), r.hoehe());
}

int speicherFehler()
{
    endeMelden(EndeForm::Hinweis, meldungsTexte[1471]);
    return 0;
}

} // namespace

WavKopf wavKopfSuchen(std::FILE* datei, int64_t groesse)
{
    WavKopf k;
    unsigned char b[40]{};
    if (std::fseek(datei, 0, SEEK_SET) != 0 || std::fread(b, 1, 12, datei) != 12)
        return k;
    std::memcpy(k.riff, b, 4);
    k.riffGroesse = doppelwort(b + 4);
    std::memcpy(k.wave, b + 8, 4);
    // chunk by chunk, each an id, a length and its bytes padded to an even length, up to the
    // file's end (the RIFF length of many writers is wrong); the first of each kind counts
    bool fmtDa = false;
    for (int64_t stelle = 12; stelle + 8 <= groesse && !(fmtDa && k.datenStart > 0);) {
        if (std::fseek(datei, static_cast<long>(stelle), SEEK_SET) != 0 || std::fread(b, 1, 8, datei) != 8)
            break;
        const uint32_t laenge = doppelwort(b + 4);
        const int64_t inhalt = stelle + 8;
        if (!fmtDa && std::memcmp(b, "fmt ", 4) == 0) {
            const size_t gelesen = std::fread(b, 1, std::min<size_t>(laenge, sizeof b), datei);
            if (laenge < 16 || gelesen < 16)
                break;
            fmtDa = true;
            std::memcpy(k.fmt, "fmt ", 4);
            k.fmtGroesse = laenge;
            k.format = wort(b);
            k.kanaele = wort(b + 2);
            k.rate = doppelwort(b + 4);
            k.bytesProSekunde = doppelwort(b + 8);
            k.blockAusrichtung = wort(b + 12);
            k.bitsProWert = wort(b + 14);
            // the extensible form names its sample format in a GUID of the common base
            static constexpr unsigned char basis[14] = {0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
            if (k.format == 0xFFFE && gelesen >= 40 && std::memcmp(b + 26, basis, sizeof basis) == 0)
                k.unterformat = wort(b + 24);
        } else if (k.datenStart == 0 && std::memcmp(b, "data", 4) == 0) {
            std::memcpy(k.datenTag, "data", 4);
            k.datenLaenge = laenge;
            k.datenStart = inhalt;
        }
        stelle = inhalt + laenge + (laenge & 1);
    }
    return k;
}

int wavBytesProWert(const WavKopf& k)
{
    return k.bitsProWert % 8 == 0 && k.bitsProWert >= 8 && k.bitsProWert <= 32 ? k.bitsProWert / 8 : 0;
}

uint32_t wavDatenLaenge(const WavKopf& k, int64_t dateiGroesse)
{
    const int64_t vorhanden = std::max<int64_t>(0, dateiGroesse - k.datenStart);
    return k.datenStart > 0 ? static_cast<uint32_t>(std::min<int64_t>(k.datenLaenge, vorhanden)) : 0;
}

int wavWert16(const unsigned char* p, const WavKopf& k)
{
    switch (wertArt(k) == 3 ? 0 : wavBytesProWert(k)) {
    case 0: {   // 32-bit floating point, full scale 1.0
        float x;
        const uint32_t bits = doppelwort(p);
        std::memcpy(&x, &bits, sizeof x);
        return std::isfinite(x) ? static_cast<int>(std::lround(std::clamp(x * 32768.0, -32768.0, 32767.0))) : 0;
    }
    case 1: return (p[0] - 128) * 256;   // 8 bits are unsigned
    case 2: return static_cast<int16_t>(wort(p));
    case 3: return static_cast<int16_t>(wort(p + 1));   // the upper 16 of 24 bits
    default: return static_cast<int16_t>(wort(p + 2));  // ... and of 32
    }
}

std::string wavAblehnungsGrund(const WavKopf& k, int64_t dateiGroesse, int freieNummern)
{
    if (dateiGroesse < wavKopfGroesse)
        return meldungsTexte[1473];
    if (std::memcmp(k.riff, "RIFF", 4) != 0 || std::memcmp(k.wave, "WAVE", 4) != 0)
        return meldungsTexte[1486];
    if (k.fmt[0] == 0)
        return meldungFormatieren(1487, "fmt ");
    if (k.datenStart <= 0)
        return meldungFormatieren(1487, "data");
    if (k.datenStart + k.datenLaenge > dateiGroesse)
        return meldungFormatieren(1488, static_cast<long long>(k.datenLaenge), static_cast<long long>(k.datenStart),
                                  static_cast<long long>(dateiGroesse));
    if (!wertArt(k))
        return meldungFormatieren(1489, static_cast<int>(k.format), static_cast<int>(k.bitsProWert));
    if (k.kanaele < 1 || k.kanaele > wavMaxKanaele)
        return meldungFormatieren(1474, static_cast<int>(k.kanaele));
    if (k.rate == 0)
        return meldungsTexte[1475];
    if (frames(wavDatenLaenge(k, dateiGroesse), k.kanaele, k) < 2)
        return meldungsTexte[1476];
    if (freieNummern < k.kanaele)
        return meldungFormatieren(1477, static_cast<int>(k.kanaele), freieNummern);
    return {};
}

std::string wavBericht(const WavKopf& k, int64_t dateiGroesse)
{
    const double rate = k.rate;
    const double dauer = k.rate ? frames(wavDatenLaenge(k, dateiGroesse), k.kanaele, k) / rate : 0.0;
    std::string text;
    char zeile[160];
    const auto an = [&](int n) { text.append(zeile, static_cast<size_t>(std::clamp(n, 0, 159))); };
    an(std::snprintf(zeile, sizeof zeile, "Total file size:\t\t\t%lld bytes            \n",
                     static_cast<long long>(dateiGroesse)));
    an(std::snprintf(zeile, sizeof zeile, "RIFF header:\t\t\t%c%c%c%c\n", k.riff[0], k.riff[1], k.riff[2], k.riff[3]));
    an(std::snprintf(zeile, sizeof zeile, "WAVE header:\t\t\t%c%c%c%c\n", k.wave[0], k.wave[1], k.wave[2], k.wave[3]));
    an(std::snprintf(zeile, sizeof zeile, "FMT:\t\t\t\t%c%c%c%c\n", k.fmt[0], k.fmt[1], k.fmt[2], k.fmt[3]));
    an(std::snprintf(zeile, sizeof zeile, "Data size (based on bits used):\t\t%ld\n", static_cast<long>(k.riffGroesse)));
    an(std::snprintf(zeile, sizeof zeile, "Audio format:\t\t\t%d\n", k.format));
    an(std::snprintf(zeile, sizeof zeile, "Sampling Rate:\t\t\t%ld\n", static_cast<long>(k.rate)));
    an(std::snprintf(zeile, sizeof zeile, "Number of bits used:\t\t\t%d\n", k.bitsProWert));
    an(std::snprintf(zeile, sizeof zeile, "Number of channels:\t\t\t%d\n", k.kanaele));
    an(std::snprintf(zeile, sizeof zeile, "Number of bytes per second:\t\t%ld\n", static_cast<long>(k.bytesProSekunde)));
    an(std::snprintf(zeile, sizeof zeile, "data length:\t\t\t%ld\n", static_cast<long>(k.datenLaenge)));
    an(std::snprintf(zeile, sizeof zeile, "Required step lengt:\t\t\t%g\n", rate > 0 ? 1.0 / rate : 0.0));
    an(std::snprintf(zeile, sizeof zeile, "Required simulation lengt:\t\t%lf\n", dauer));
    meldungsPuffer = text;
    return text;
}

int64_t dateiGroesse(std::FILE* datei)
{
    if (!datei || std::fseek(datei, 0, SEEK_END) != 0)
        return 0;
    const long groesse = std::ftell(datei);
    std::fseek(datei, 0, SEEK_SET);
    return groesse < 0 ? 0 : groesse;
}

namespace {

// The open file with its header and size; null when it cannot be opened or imported (the
// notice names the file and the reason).
std::FILE* kopfPruefen(const std::string& pfad, int freieNummern, WavKopf& kopf, int64_t& groesse)
{
    std::FILE* datei = std::fopen(pfad.c_str(), "rb");
    if (!datei) {
        plattform::hinweisBox(meldungFormatieren(1470, pfad));
        return nullptr;
    }
    groesse = dateiGroesse(datei);
    kopf = wavKopfSuchen(datei, groesse);
    const std::string grund = wavAblehnungsGrund(kopf, groesse, freieNummern);
    if (!grund.empty()) {
        std::fclose(datei);
        plattform::hinweisBox(meldungFormatieren(1472, pfad, grund));
        return nullptr;
    }
    return datei;
}

} // namespace

bool wavDateiPruefen(const std::string& pfad)
{
    WavKopf kopf;
    int64_t groesse = 0;
    std::FILE* datei = kopfPruefen(pfad, neuronTabellenGroesse - 1, kopf, groesse);
    if (datei)
        std::fclose(datei);
    return datei != nullptr;
}

int wavKopfLesen()
{
    // a file the import cannot take changes nothing: run, lock and network stay
    WavKopf kopf;
    int64_t groesse = 0;
    std::FILE* datei = kopfPruefen(dateipfade.oeffnenPfad, freieNeuronNummern(), kopf, groesse);
    if (!datei)
        return 0;
    wavBericht(kopf, groesse);
    const uint32_t gesperrt = programmStatus & programmBit::LaufGesperrt;

    // the run covers the recording, one step per frame; bytes that end the data inside a
    // frame are no sample of every channel and count for nothing
    const double dauer = frames(wavDatenLaenge(kopf, groesse), kopf.kanaele, kopf) / static_cast<double>(kopf.rate);
    const double schritt = 1.0 / static_cast<double>(kopf.rate);
    simulationsParameter.simulationsDauer = dauer;
    simulationsParameter.schrittweite = schritt;
    simulationsParameter.anzahlSchritte = static_cast<int>(std::lround(dauer / schritt));
    simulationsParameter.restzeitFensterAnzeigen = 0;
    // a run would overwrite the imported curves
    programmStatus |= programmBit::LaufGesperrt;

    std::fseek(datei, static_cast<long>(kopf.datenStart), SEEK_SET);
    const int importiert = wavDatenImportieren(datei, kopf, groesse);
    std::fclose(datei);
    // an import abandoned half-way: runs are as they were for the network given back
    if (!importiert)
        programmStatus = (programmStatus & ~programmBit::LaufGesperrt) | gesperrt;
    return importiert;
}

int wavDatenImportieren(std::FILE* datei, const WavKopf& kopf, int64_t groesse)
{
    const int kanaele = std::clamp<int>(kopf.kanaele, 0, wavMaxKanaele);
    const uint32_t laenge = wavDatenLaenge(kopf, groesse);
    const int64_t anzahlFrames = frames(laenge, kanaele, kopf);
    const int bytes = wavBytesProWert(kopf);
    const int64_t konvertiert = std::max<int64_t>(0, anzahlFrames - 1);   // the last frame stays out

    std::array<NeuronDaten*, wavMaxKanaele> neurone{};
    for (int c = 0; c < kanaele; ++c) {
        // a channel without its neuron (memory, said in its box) abandons the import: the
        // recording is taken whole or not at all
        neurone[c] = rahmen::wavNeuronErzeugen();
        if (!neurone[c])
            return 0;
        char name[32];
        std::snprintf(name, sizeof name, "wav %d", c);
        neurone[c]->name = name;
    }
    einstellungenAktualisieren(nullptr, 0);
    plattform::ungueltigMachen(fensterhandles.hauptfenster);
    diagrammeVerwalten(2, 1);
    // a window that could not be made may have ended the program, and the network with it
    if (programmEndet())
        return 0;

    // the samples as the file holds them; a shorter read leaves zeros
    std::vector<unsigned char> puffer;
    try {
        puffer.assign(laenge, 0);
    } catch (const std::bad_alloc&) {
        return speicherFehler();
    }
    if (laenge)
        std::fread(puffer.data(), 1, laenge, datei);

    const int schritte = simulationsParameter.anzahlSchritte;
    const std::string dateiname = dateipfade.oeffnenName.substr(0, 50);
    for (int c = 0; c < kanaele; ++c) {
        if (!neurone[c])
            continue;
        DiagrammDaten& d = neurone[c]->hauptDiagramm;
        for (int slot : {kurve::Soma, kurve::Referenz1}) {
            KurvenDaten& k = d.kurven[slot];
            k.neuBerechnen = 1;
            k.anzeigen = 1;
            k.referenz = kurvenReferenz::Eigen;
            k.stromreizSegment = 0;
            k.yOffset = 0.0;
            k.werteAnzahl = schritte;
            char bezeichnung[96];
            std::snprintf(bezeichnung, sizeof bezeichnung, "%s  ---  channel %d", dateiname.c_str(), c);
            k.bezeichnung = bezeichnung;
        }
        d.yTickIntervall = (d.maxY - d.minY) / 10.0;
    }
    messzustandZuruecksetzen();
    // with runs locked this only prepares the result buffers and the diagrams
    simulationStarten();
    if (programmEndet())
        return 0;

    for (int c = 0; c < kanaele; ++c) {
        if (!neurone[c])
            continue;
        DiagrammDaten& d = neurone[c]->hauptDiagramm;
        KurvenDaten& soma = d.kurven[kurve::Soma];
        KurvenDaten& referenz = d.kurven[kurve::Referenz1];
        if (!wertePufferBereitstellen(soma, schritte) || !wertePufferBereitstellen(referenz, schritte))
            return speicherFehler();
        // what the file does not fill is 0; the smoothed copy has no data until smoothing fills it
        std::fill(soma.werte.begin(), soma.werte.end(), 0.0f);
        std::fill(referenz.werte.begin(), referenz.werte.end(), 0.0f);
        referenz.werte[0] = keineDaten;
        soma.werteAnzahl = referenz.werteAnzahl = schritte;

        // the first and last hundredth of the recording do not count for the scale
        const int64_t rand = std::llround(static_cast<double>(konvertiert) / 100.0);
        int groesster = -32767, kleinster = 32767;
        bool gezaehlt = false;
        const int64_t bis = std::min<int64_t>(konvertiert, static_cast<int64_t>(soma.werte.size()));
        for (int64_t f = 0; f < bis; ++f) {
            const int wert = wavWert16(&puffer[static_cast<size_t>((f * kanaele + c) * bytes)], kopf);
            soma.werte[static_cast<size_t>(f)] = static_cast<float>(wert);
            if (f > rand && f < konvertiert - rand) {
                groesster = std::max(groesster, wert);
                kleinster = std::min(kleinster, wert);
                gezaehlt = true;
            }
        }
        const int spitze = std::max(groesster, -kleinster);
        // a channel without a counted part or without a peak keeps its raw values
        if (diagrammOptionen.wavKalibrierung != 0.0 && gezaehlt && spitze > 0) {
            const float faktor = static_cast<float>(diagrammOptionen.wavKalibrierung / spitze);
            for (int64_t f = 0; f < bis; ++f)
                soma.werte[static_cast<size_t>(f)] *= faktor;
        }
        kurvePunkteBerechnen(&d, kurve::Soma);
    }

    for (int c = 0; c < kanaele; ++c) {
        if (!neurone[c])
            continue;
        DiagrammDaten& d = neurone[c]->hauptDiagramm;
        if (diagrammOptionen.wavYAchseOptimieren)
            kurveOptimieren(&d, kurve::Soma);
        neuAuslegen(d.fenster);
    }
    neuAuslegen(fensterhandles.hauptfenster);
    return 1;
}
