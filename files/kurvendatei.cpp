// files/kurvendatei.cpp - the curve data file: writer and reader
//
// The writer builds the whole file in memory and saves it through a temporary file, so
// an old file of the name survives a failed save. The reader checks every header word
// against the others and against the file's size before it changes anything.
#include "files/kurvendatei.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "files/netzdatei.h"
#include "files/netzpuffer.h"
#include "files/textdatei.h"
#include "model/ergebnisdateien.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/skriptzeit.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <vector>

DatHeader datHeader;
int64_t datGroesseGrenze = 2147483647;

namespace {

constexpr char datMagic[] = "[datFile]";      // with its zero byte: 10 bytes
constexpr size_t magicLaenge = sizeof datMagic;
constexpr int kopfWorte = 7;

// ---- bytes ---------------------------------------------------------------------------------

void wortAnhaengen(std::string& aus, uint32_t w)
{
    for (int i = 0; i < 4; ++i)
        aus += static_cast<char>((w >> (8 * i)) & 0xFF);
}
void wortSetzen(std::string& aus, size_t stelle, int32_t w)
{
    for (int i = 0; i < 4; ++i)
        aus[stelle + static_cast<size_t>(i)] = static_cast<char>((static_cast<uint32_t>(w) >> (8 * i)) & 0xFF);
}
uint32_t wortAus(const unsigned char* b)
{
    return b[0] | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
}

std::array<int32_t, kopfWorte> kopfWorteVon(const DatHeader& k)
{
    return {k.kopfLaenge, k.kurvenAnzahl, k.werteProKurve, k.textPosition, k.textLaenge, k.kurvenPosition,
            k.kurvenBytes};
}

// exactly n bytes, or false
bool lesen(std::FILE* f, void* ziel, size_t n) { return std::fread(ziel, 1, n, f) == n; }

bool wortLesen(std::FILE* f, int32_t& w)
{
    unsigned char b[4];
    if (!lesen(f, b, sizeof b))
        return false;
    w = static_cast<int32_t>(wortAus(b));
    return true;
}

long dateiLaenge(std::FILE* f)
{
    if (std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    const long laenge = std::ftell(f);
    return std::fseek(f, 0, SEEK_SET) == 0 ? laenge : -1;
}

int falschesFormat()
{
    plattform::hinweisBox(meldungsTexte[842]);
    return 0;
}

// ---- writing ---------------------------------------------------------------------------------

// Every slot that holds samples, neuron by neuron, main diagram first.
template <class F>
void kurvenDurchlaufen(F&& f)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
                const KurvenDaten& k = d->kurven[static_cast<size_t>(slot)];
                if (lesbareWerte(k) > 0 && !f(*n, *d, slot, k))
                    return;
            }
}

// the folder, stem and extension of the file to save; false when the dialog was cancelled
bool namenWaehlen()
{
    DatPfad& p = datPfad;
    // the network's name and the document folder where the data file has none
    if (p.stamm.empty())
        p.stamm = dateipfade.netzName;
    if (p.ordner.empty())
        p.ordner = dateipfade.dokumentVerzeichnis;
    if (p.endung.empty())
        p.endung = "dat";
    SkriptLaufwerte& skr = skriptLaufwerte;
    if ((skriptStatus & skriptBit::Laeuft) && skr.dat) {
        // numbered and time-stamped under the script
        char stempel[32] = {};
        datumFormatieren(nullptr, stempel, 10);
        char nummer[16];
        std::snprintf(nummer, sizeof nummer, skr.simulationen >= 1000 ? "%05d" : "%03d", ++skr.datZaehler);
        std::string ordner = p.ordner;
        if (!ordner.empty() && (ordner.back() == '/' || ordner.back() == '\\'))
            ordner.pop_back();
        // only the path: the stem stays the network's, so the next file's name does not
        // carry this one's stamp and number again
        p.pfad = (ordner.empty() ? "" : ordner + "/") + p.stamm + " skript " + stempel + " " + nummer + "." + p.endung;
        return true;
    }
    // the save dialog
    plattform::DateiWahl wahl;
    wahl.ordner = p.ordner;
    wahl.name = p.stamm;
    wahl.endung = p.endung;
    wahl.titel = textFeldHolen(meldungsTexte[849], 1);
    wahl.filter.push_back({textFeldHolen(meldungsTexte[849], 2), "*.dat"});
    wahl.speichern = true;
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    datPfadSetzen(plattform::gewaehlterPfad(wahl));
    return true;
}

// ---- reading ---------------------------------------------------------------------------------

DiagrammDaten* diagrammMitNummer(NeuronDaten& n, int nummer)
{
    for (DiagrammDaten* d = &n.hauptDiagramm; d; d = d->naechstes)
        if (d->nummer == nummer)
            return d;
    return nullptr;
}

// The header words as the writer makes them: the text right behind the header, the curves
// right behind the text, every record of the same size, all inside the file.
bool kopfStimmt(const DatHeader& k, long dateiGroesse)
{
    if (k.kopfLaenge != datKopfLaenge || k.textPosition != k.kopfLaenge || k.textLaenge < 1)
        return false;
    if (k.kurvenAnzahl < 0 || k.werteProKurve < 0 || k.kurvenBytes < 0)
        return false;
    if (static_cast<int64_t>(k.kurvenPosition) != int64_t{k.textPosition} + k.textLaenge)
        return false;
    if (k.kurvenAnzahl > 0 && k.werteProKurve < 1)
        return false;
    // each count bounded by the file before any product: records larger than the file,
    // or more of them than it could hold, are no file of ours
    if (int64_t{k.kurvenPosition} + k.kurvenBytes > dateiGroesse)
        return false;
    const int64_t satz = datSatzKopf + int64_t{4} * k.werteProKurve;
    if (k.kurvenAnzahl > 0 && (satz > k.kurvenBytes || k.kurvenAnzahl > k.kurvenBytes / satz))
        return false;
    return int64_t{k.kurvenAnzahl} * satz == k.kurvenBytes;
}

// the curves of the records read: numbers, not pointers, and the samples each slot holds
struct GeleseneKurve {
    int neuron, diagramm, slot, anzahl;
};
std::vector<GeleseneKurve> geleseneKurven;

// A slot prepared for a run of another length gets that run's count; a slot read from the
// file keeps the samples it holds, and never counts more of them.
void gelesenenWertezahlenHalten()
{
    for (const GeleseneKurve& g : geleseneKurven) {
        NeuronDaten* n = neuronNachNummer(g.neuron);
        DiagrammDaten* d = n ? diagrammMitNummer(*n, g.diagramm) : nullptr;
        if (!d)
            continue;
        KurvenDaten& k = d->kurven[static_cast<size_t>(g.slot)];
        if (k.werteAnzahl > g.anzahl) {
            k.werteAnzahl = g.anzahl;
            kurvePunkteBerechnen(d, g.slot);
        }
    }
}

// the samples of one record into the slot, read in blocks
bool werteLesen(std::FILE* f, KurvenDaten& k, int anzahl)
{
    unsigned char block[4 * 4096];
    for (int i = 0; i < anzahl;) {
        const int stueck = std::min(anzahl - i, 4096);
        if (!lesen(f, block, 4 * static_cast<size_t>(stueck)))
            return false;
        for (int j = 0; j < stueck; ++j)
            k.werte[static_cast<size_t>(i + j)] = std::bit_cast<float>(wortAus(block + 4 * j));
        i += stueck;
    }
    return true;
}

} // namespace

int datHeaderInit(DatHeader& kopf)
{
    kopf = DatHeader{};
    std::memcpy(kopf.magic.data(), datMagic, magicLaenge);
    kopf.kopfLaenge = datKopfLaenge;
    return 1;
}

int datDateiSpeichern(DatHeader& kopf)
{
    if (!namenWaehlen())
        return 0;
    datHeaderInit(kopf);
    std::string bytes;
    if (!datSchreiben(kopf, bytes))
        return 0;
    return sicherSchreiben(datPfad.pfad, bytes, 74) ? 1 : 0;
}

int datSchreiben(DatHeader& kopf, std::string& aus)
{
    // the magic and the header length come from datHeaderInit
    if (kopf.kopfLaenge != datKopfLaenge) {
        plattform::hinweisBox(meldungsTexte[848]);
        return 0;
    }
    try {
        // the settings text and the network text
        XBuffer puffer;
        if (!guiDateiSpeichern(0, &puffer, 0))
            return 0;
        const std::string& text = puffer.text();
        if (text.size() + 1 > static_cast<size_t>(datGroesseGrenze - datKopfLaenge)) {
            plattform::hinweisBox(meldungFormatieren(843, 0));
            return 0;
        }
        kopf.kurvenAnzahl = kopf.werteProKurve = kopf.kurvenBytes = 0;
        kopf.textPosition = kopf.kopfLaenge;
        kopf.textLaenge = static_cast<int32_t>(text.size() + 1);
        kopf.kurvenPosition = kopf.textPosition + kopf.textLaenge;

        // magic, header words (still without curves), text with its zero byte
        aus.clear();
        aus.append(kopf.magic.data(), magicLaenge);
        for (int32_t w : kopfWorteVon(kopf))
            wortAnhaengen(aus, static_cast<uint32_t>(w));
        aus.append(text.c_str(), text.size() + 1);

        // the curves; every record has the first record's sample count, so a reader
        // can step from one to the next (a shorter curve is filled up with zeros)
        kurvenDurchlaufen([&](const NeuronDaten& n, const DiagrammDaten& d, int slot, const KurvenDaten& k) {
            const int vorhanden = lesbareWerte(k);
            const int anzahl = kopf.werteProKurve ? kopf.werteProKurve : vorhanden;
            const int64_t satz = datSatzKopf + int64_t{4} * anzahl;
            if (int64_t{kopf.kurvenPosition} + kopf.kurvenBytes + 64 + satz >= datGroesseGrenze) {
                plattform::hinweisBox(meldungFormatieren(843, kopf.kurvenAnzahl));
                return false;
            }
            kopf.werteProKurve = anzahl;
            kopf.kurvenBytes += static_cast<int32_t>(satz);
            wortAnhaengen(aus, static_cast<uint32_t>(n.nummer));
            wortAnhaengen(aus, static_cast<uint32_t>(d.nummer));
            wortAnhaengen(aus, static_cast<uint32_t>(slot));
            for (int i = 0; i < anzahl; ++i)
                wortAnhaengen(aus, std::bit_cast<uint32_t>(i < vorhanden ? k.werte[static_cast<size_t>(i)] : 0.0f));
            ++kopf.kurvenAnzahl;
            return true;
        });

        // the bytes must be what the header words say
        if (aus.size() != static_cast<size_t>(int64_t{kopf.kopfLaenge} + kopf.textLaenge + kopf.kurvenBytes)) {
            plattform::hinweisBox(meldungsTexte[844]);
            return 0;
        }
        // the final header words
        size_t stelle = magicLaenge;
        for (int32_t w : kopfWorteVon(kopf)) {
            wortSetzen(aus, stelle, w);
            stelle += 4;
        }
        return 1;
    } catch (const std::bad_alloc&) {
        aus.clear();
        aus.shrink_to_fit();
        endeMelden(EndeForm::Hinweis, meldungFormatieren(845, static_cast<long>(datKopfLaenge + kopf.textLaenge +
                                                                             int64_t{kopf.kurvenBytes})));
        return 0;
    }
}

int datDateiLaden(DatHeader& kopf)
{
    // a fresh header; while the flag is set the readers take their text from it
    datHeaderInit(kopf);
    kopf.datei = plattform::dateiOeffnen(datPfad.pfad, "rb");
    if (!kopf.datei)
        return 0;
    kopf.flags |= datBit::WirdGeladen;
    programmStatus |= programmBit::Beschaeftigt;

    // every diagram laid out and drawn with the curves it got
    int gelesen = datLesen(kopf);
    if (gelesen && !programmEndet()) {
        for (NeuronDaten* n = neuronKette.kopf; n && gelesen; n = n->naechstesNeuron)
            for (DiagrammDaten* d = &n->hauptDiagramm; d && gelesen; d = d->naechstes) {
                diagrammLayoutBerechnen(n, d, 0);
                if (!kurvenVorbereiten(d, -1))
                    gelesen = 0;   // its box came: the program ends, or the read is abandoned
                else if (d->fenster)
                    plattform::ungueltigMachen(d->fenster);
            }
    }
    if (gelesen && !programmEndet()) {
        gelesenenWertezahlenHalten();
        if (fensterhandles.hauptfenster)
            plattform::vordergrundSetzen(fensterhandles.hauptfenster);
    }
    geleseneKurven.clear();

    // the file closed and the flags cleared, whatever the read gave
    std::fclose(kopf.datei);
    kopf.datei = nullptr;
    kopf.text.clear();
    kopf.flags &= ~datBit::WirdGeladen;
    programmStatus &= ~programmBit::Beschaeftigt;
    return gelesen;
}

int datLesen(DatHeader& kopf)
{
    // an open file and an initialised header
    if (!kopf.datei) {
        plattform::hinweisBox(meldungsTexte[847]);
        return 0;
    }
    if (kopf.kopfLaenge == 0) {
        plattform::hinweisBox(meldungsTexte[848]);
        return 0;
    }
    std::FILE* f = kopf.datei;
    const long groesse = dateiLaenge(f);
    if (groesse < 0)
        return falschesFormat();

    // the magic, its zero byte included
    char magic[magicLaenge];
    if (!lesen(f, magic, magicLaenge) || std::memcmp(magic, datMagic, magicLaenge) != 0)
        return falschesFormat();

    // the header words, which must agree with each other and with the file
    for (int32_t* w : {&kopf.kopfLaenge, &kopf.kurvenAnzahl, &kopf.werteProKurve, &kopf.textPosition,
                       &kopf.textLaenge, &kopf.kurvenPosition, &kopf.kurvenBytes})
        if (!wortLesen(f, *w))
            return falschesFormat();
    if (!kopfStimmt(kopf, groesse))
        return falschesFormat();

    // the text, ended by a zero byte of our own
    try {
        kopf.text.assign(static_cast<size_t>(kopf.textLaenge) + 1, '\0');
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Hinweis, meldungsTexte[846]);
        return 0;
    }
    if (std::fseek(f, kopf.textPosition, SEEK_SET) != 0 ||
        !lesen(f, kopf.text.data(), static_cast<size_t>(kopf.textLaenge)))
        return falschesFormat();

    // settings and network from the text; a text without a network is refused here,
    // where the file is named, not by the readers, which would end the program over it
    if (!std::strstr(kopf.text.c_str(), "[neuronen-netzwerk-datei]")) {
        plattform::hinweisBox(meldungFormatieren(907, datPfad.pfad));
        return 0;
    }
    if (!netzwerkAusPufferLaden())
        return 0;
    // the text is no longer needed
    std::string().swap(kopf.text);

    // the curves into the slots they name; records of slots the network lacks are passed
    // over. A diagram is prepared for the run once, before its first record: preparing it
    // again would give the slots read before it the run's count.
    if (std::fseek(f, kopf.kurvenPosition, SEEK_SET) != 0)
        return falschesFormat();
    const int anzahl = kopf.werteProKurve;
    const int schritte = std::max(simulationsParameter.anzahlSchritte, 0);
    std::vector<const DiagrammDaten*> vorbereitet;
    geleseneKurven.clear();
    for (int r = 0; r < kopf.kurvenAnzahl; ++r) {
        int32_t slot = 0;
        if (!wortLesen(f, kopf.neuronNummer) || !wortLesen(f, kopf.diagrammNummer) || !wortLesen(f, slot))
            return falschesFormat();
        NeuronDaten* n = neuronNachNummer(kopf.neuronNummer);
        DiagrammDaten* d = n ? diagrammMitNummer(*n, kopf.diagrammNummer) : nullptr;
        if (!d || slot < 0 || slot >= kurvenProDiagramm) {
            if (std::fseek(f, 4 * long{anzahl}, SEEK_CUR) != 0)
                return falschesFormat();
            continue;
        }
        if (std::ranges::find(vorbereitet, d) == vorbereitet.end()) {
            diagrammLayoutBerechnen(n, d, 0);
            if (!kurvenVorbereiten(d, -1))
                return 0;
            vorbereitet.push_back(d);
        }
        kopf.kurvenIndex = slot;
        KurvenDaten& k = d->kurven[static_cast<size_t>(slot)];
        // room for the stored samples and for the run, so no later preparation for the
        // run replaces the buffer; the slot counts the stored samples
        if (!wertePufferBereitstellen(k, std::max(anzahl, schritte))) {
            endeMelden(EndeForm::Info, meldungsTexte[696]);
            return 0;
        }
        if (!werteLesen(f, k, anzahl))
            return falschesFormat();
        k.werteAnzahl = anzahl;
        kurvePunkteBerechnen(d, slot);
        d->neuZeichnen = 1;
        geleseneKurven.push_back({kopf.neuronNummer, kopf.diagrammNummer, slot, anzahl});
    }
    return 1;
}
