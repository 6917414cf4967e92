// script/ergebnisdatei.cpp - the binary result file of a script run
//
// The file stands by itself: its header embeds the script, network and permutation texts
// of the run, the classes, the run settings, the result neurons and the labels of the
// documented parameters; each simulation appends one record. The offsets of the header's
// sections are written as placeholders and filled in once each section's place is known.
// A file that grows past maxBinDateiGroesse is closed and the run goes on in the next
// numbered one. Every close leaves the record count equal to the records written and 0 in
// the last record's next offset, so each file reads on its own.
#include "script/ausfuehrung.h"
#include "script/ersatzdatei.h"
#include "core/status.h"
#include "files/netzdatei.h"
#include "files/speicherziele.h"
#include "model/diagramm.h"
#include "model/ergebnisdateien.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/permutationsfenster.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cmath>
#include <cstring>
#include <filesystem>

static_assert(std::endian::native == std::endian::little, "the result file is little-endian");
static_assert(sizeof(Auswertungsklasse) == 64, "a class entry is stored as held in memory");

namespace {

constexpr uint32_t marke = 0xFFFFFFFFu;
constexpr uint32_t binVersion = 102;
constexpr size_t pfadLaenge = 260;
constexpr size_t magieLaenge = 64;
const char magie[] = "skript-ergebnisdatei";

// header fields whose value is known only once a later section is placed
constexpr long feldAllgemein = 72, feldErsterSatz = 76, feldDateiteil = 80, feldDoku = 84;
constexpr long feldSkript = 396, feldNetz = 664, feldPermutation = 932, feldSchluss = 940, feldKlassen = 952;

struct Schreiber {
    std::FILE* f;
    bool gut = true;
    int grund = 0;   // errno of the first failure

    void fehlschlag()
    {
        if (gut)
            grund = errno;
        gut = false;
    }
    void bytes(const void* p, size_t n)
    {
        if (gut && n && std::fwrite(p, 1, n, f) != n)
            fehlschlag();
    }
    template <class T> void wert(T w) { bytes(&w, sizeof w); }
    void u32(uint32_t w) { wert(w); }
    void i32(int w) { wert(static_cast<int32_t>(w)); }
    void f64(double w) { wert(w); }
    void nullen(size_t n)
    {
        static const char leer[pfadLaenge] = {};
        for (; n > 0 && gut; n -= std::min(n, sizeof leer))
            bytes(leer, std::min(n, sizeof leer));
    }
    // a fixed field of n bytes: the text, cut to leave its zero, then zeros
    void feld(const std::string& text, size_t n)
    {
        const size_t k = std::min(text.size(), n - 1);
        bytes(text.data(), k);
        nullen(n - k);
    }
    long position()
    {
        const long p = std::ftell(f);
        if (p < 0)
            fehlschlag();
        return p;
    }
    void an(long p)
    {
        if (gut && std::fseek(f, p, SEEK_SET) != 0)
            fehlschlag();
    }
    // writes w at the field p and comes back
    void eintragen(long p, uint32_t w)
    {
        const long hier = position();
        an(p);
        u32(w);
        an(hier);
    }
    // a section begins here: its offset into its field, then its marker
    void abschnitt(long feld)
    {
        eintragen(feld, static_cast<uint32_t>(position()));
        u32(marke);
    }
    // a text block: marker, the text with its zero
    void text(long feld, const std::string& t)
    {
        abschnitt(feld);
        bytes(t.c_str(), t.size() + 1);
    }
};

std::filesystem::path fs(const std::string& pfad)
{
    return std::filesystem::path(plattform::schreibPfadAufloesen(pfad));
}

// a whole file; false after the message when it cannot be read
bool ganzLesen(const std::string& pfad, std::string& inhalt)
{
    inhalt.clear();
    if (pfad.empty())
        return true;
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f) {
        plattform::hinweisBox(meldungFormatieren(1146, pfad));
        return false;
    }
    char puffer[65536];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        inhalt.append(puffer, n);
    std::fclose(f);
    return true;
}

std::string binPfad(const std::string& ordner, const std::string& name, const std::string& endung)
{
    return ordner + "/" + name + (endung.empty() ? "" : "." + endung);
}

int gesamtKurven(const Skript& s)
{
    int n = 0;
    for (const Ergebnisneuron& e : s.ergebnisneurone)
        n += e.kurvenAnzahl;
    return n;
}

int dokuAnzahl(const Skript& s) { return s.dokumentiert.empty() ? 0 : static_cast<int>(s.dokumentiert.size()) - 1; }

double groesseSchaetzen(const Skript& s, size_t texte)
{
    const double S = s.gesamtSimulationen;
    double b = 1024.0 + static_cast<double>(texte) + 64.0;
    if (s.ergebnisArt == ergebnisArt::ApZeiten)
        b += static_cast<double>(s.ergebnisneurone.size()) * std::round(s.dauer / 0.01) * 4.0 * S;
    else if (s.ergebnisArt == ergebnisArt::Werte && s.schrittweite > 0.0)
        b += std::round(gesamtKurven(s) * (s.dauer / s.schrittweite) * 4.0 * S);
    if (s.auswertung & auswertungsBit::An)
        b += s.klassenAnzahl * 64.0 + s.klassenAnzahl * 4.0 * S + S * 12.0;
    return b;
}

// The first file of a run: the texts it embeds, the name the user chooses, its stem and
// counter for the numbered files, and room enough for the whole run. false when the run
// should not start.
bool ersteDateiWaehlen(Skript& s)
{
    Skript::BinDatei& b = s.bin;
    std::string pmt;
    if (!ganzLesen(s.pfad, b.skriptText))
        return false;
    // The file embeds the user's network as its file would hold it, taken by the run's start
    // before the run marked its result neurons (taken now where no run started); the user's
    // own files keep what the user saved, whatever the run and the answer at the end.
    if ((b.netzText.empty() && !netzDateiText(b.netzText)) || (!s.pmtName.empty() && !ganzLesen(s.pmtName, pmt)))
        return false;
    const double schaetzung = groesseSchaetzen(s, b.skriptText.size() + b.netzText.size() + pmt.size());

    plattform::DateiWahl wahl;
    wahl.ordner = dateipfade.ergebnisVerzeichnis.empty() ? dateipfade.dokumentVerzeichnis : dateipfade.ergebnisVerzeichnis;
    while (wahl.ordner.size() > 1 && (wahl.ordner.back() == '/' || wahl.ordner.back() == '\\'))
        wahl.ordner.pop_back();
    for (int k = 1;; ++k) {
        wahl.name = dateipfade.netzName + " " + std::to_string(k);
        if (!plattform::dateiExistiert(binPfad(wahl.ordner, wahl.name, "bin")))
            break;
    }
    wahl.endung = "bin";
    wahl.titel = meldungsTexte[1143];
    wahl.filter.push_back({meldungsTexte[1144], "*.bin"});
    wahl.speichern = true;
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    while (wahl.ordner.size() > 1 && (wahl.ordner.back() == '/' || wahl.ordner.back() == '\\'))
        wahl.ordner.pop_back();
    b.ordner = wahl.ordner;
    b.endung = wahl.endung;
    // "netz 1" gives the stem "netz" and goes on with "netz 002"
    size_t ende = wahl.name.size();
    while (ende > 0 && (std::isdigit(static_cast<unsigned char>(wahl.name[ende - 1])) || wahl.name[ende - 1] == ' '))
        --ende;
    b.stamm = wahl.name.substr(0, ende);
    b.zaehler = std::atoi(wahl.name.c_str() + ende) + 1;
    b.pfad = binPfad(b.ordner, wahl.name, b.endung);
    // the run's log is written all along: a result file of its name would take its place
    if (!ausgabenGetrennt({{b.pfad, 1767}, {skriptLogName, 1768}}))
        return false;

    const int64_t frei = plattform::freierPlatz(b.ordner);
    if (frei >= 0 && static_cast<double>(frei) <= schaetzung) {
        const auto mb = [](double bytes) { return static_cast<unsigned long long>(bytes / 1048576.0); };
        if (plattform::meldungsBox(fensterhandles.hauptfenster,
                                   meldungFormatieren(1145, mb(schaetzung), b.ordner, mb(static_cast<double>(frei))),
                                   "SysInfo", plattform::knoepfe::JaNein | plattform::symbol::Frage) !=
            plattform::antwort::Ja)
            return false;
    }
    b.permutationText = std::move(pmt);
    return true;
}

// the next numbered file; the first is renamed "<stem> 000" when the second begins. A name
// a file already has is passed over: no file of an earlier run is replaced.
void folgeDateiBenennen(Skript::BinDatei& b)
{
    std::error_code fehler;
    if (b.nummer == 1) {
        const std::string null = binPfad(b.ordner, b.stamm + " 000", b.endung);
        if (!plattform::dateiExistiert(null)) {
            std::filesystem::rename(fs(b.pfad), fs(null), fehler);
            if (!fehler)
                b.pfad = null;
        }
    }
    char nummer[16];
    do {
        std::snprintf(nummer, sizeof nummer, " %03d", b.zaehler++);
    } while (plattform::dateiExistiert(binPfad(b.ordner, b.stamm + nummer, b.endung)));
    b.pfad = binPfad(b.ordner, b.stamm + nummer, b.endung);
}

bool kopfSchreiben(Skript& s, Schreiber& w)
{
    Skript::BinDatei& b = s.bin;
    w.feld(magie, magieLaenge);
    w.u32(marke);
    w.u32(binVersion);
    w.nullen(16);   // general part, first record, file part, documentation

    w.abschnitt(feldDateiteil);
    const std::tm t = ortszeit();
    for (int v : {t.tm_sec, t.tm_min, t.tm_hour, t.tm_mday, t.tm_mon, t.tm_year, t.tm_wday, t.tm_yday, t.tm_isdst})
        w.i32(v);
    w.i32(b.nummer++);
    w.i32(s.hatNum);
    w.feld(s.pfad, pfadLaenge);
    w.u32(0);
    w.u32(static_cast<uint32_t>(b.skriptText.size()));
    w.feld(s.guiName, pfadLaenge);
    w.u32(0);
    w.u32(static_cast<uint32_t>(b.netzText.size()));
    w.feld(b.permutationText.empty() ? std::string() : s.pmtName, pfadLaenge);
    w.u32(0);
    w.u32(static_cast<uint32_t>(b.permutationText.size()));
    w.u32(0);   // closing marker
    w.u32(0);   // reserved
    w.u32(sizeof(Auswertungsklasse));
    w.u32(0);   // classes
    w.i32(s.klassenAnzahl);
    w.u32(s.auswertung);
    w.u32(s.anweisungsGroesse);

    w.abschnitt(feldKlassen);
    for (int k = 0; k < s.klassenAnzahl; ++k) {
        if (static_cast<size_t>(k) < s.klassen.size())
            w.bytes(&s.klassen[static_cast<size_t>(k)], sizeof(Auswertungsklasse));
        else
            w.nullen(sizeof(Auswertungsklasse));
    }
    w.text(feldSkript, b.skriptText);
    w.text(feldNetz, b.netzText);
    if (!b.permutationText.empty())
        w.text(feldPermutation, b.permutationText);
    b.permutationText.clear();

    w.abschnitt(feldAllgemein);
    b.anzahlFeld = w.position();
    w.u32(0);
    w.f64(s.dauer);
    w.f64(s.schrittweite);
    w.i32(s.elSynapsenSchalter);
    w.i32(s.hatNum);
    w.u32(s.auswertung);
    w.i32(s.auswertungsNeuron);
    w.i32(s.auswertungsKurve);
    w.i32(s.ergebnisArt);
    w.i32(static_cast<int>(s.ergebnisneurone.size()));
    w.i32(gesamtKurven(s));
    for (const Ergebnisneuron& e : s.ergebnisneurone) {
        w.i32(e.nummer);
        w.i32(e.kurvenAnzahl);
        w.bytes(e.kurven.data(), sizeof e.kurven);
    }

    w.abschnitt(feldDoku);
    w.i32(dokuAnzahl(s));
    for (size_t k = 1; k < s.dokumentiert.size(); ++k) {
        const ParameterEintrag& e = s.dokumentiert[k];
        const size_t lb = strnlen(e.bezeichnung.data(), e.bezeichnung.size() - 1) + 1;
        w.u32(static_cast<uint32_t>(lb));
        w.feld(e.bezeichnung.data(), lb);
        w.u32(e.objektArt);
        w.i32(e.objektNummer);
        w.i32(e.neuronNummer);
        w.u32(e.code);
        w.i32(e.istReal);
        w.f64(0.0);
        w.i32(0);
    }
    w.abschnitt(feldSchluss);
    w.eintragen(feldErsterSatz, static_cast<uint32_t>(w.position()));
    return w.gut;
}

// the size after which the run goes on in the next numbered file; 0 in the setting means
// the largest (the setting stays as the network has it)
uint32_t binGrenze() { return maxBinDateiGroesse ? maxBinDateiGroesse : 0x7fefffffu; }

// a failed write: what is there is kept readable, the run stops with the message
int schreibFehler(Skript& s)
{
    ergebnisDateiSchliessen(s);
    skriptStatus |= skriptBit::Anhalten;
    return 0;
}

// closes the open file: its record count and the last record's next offset are final
bool abschliessen(Skript::BinDatei& b)
{
    if (!b.datei)
        return true;
    Schreiber w{b.datei};
    w.eintragen(b.anzahlFeld, b.saetze);
    if (b.naechsterFeld)
        w.eintragen(b.naechsterFeld, 0);
    if (std::fclose(b.datei) != 0)
        w.gut = false;
    b.datei = nullptr;
    b.saetze = 0;
    b.naechsterFeld = 0;
    return w.gut;
}

} // namespace

int ergebnisDateiErzeugen(Skript& s)
{
    Skript::BinDatei& b = s.bin;
    const bool erste = b.nummer == 0;
    if (erste) {
        if (!ersteDateiWaehlen(s))
            return 0;
    } else {
        folgeDateiBenennen(b);
    }
    // A file the user chose to replace stays whole until the new header is: the new file
    // takes its name only then, and the run's records go on into it through the same handle.
    std::string neu;
    b.datei = ersatzOeffnen(b.pfad, neu);
    if (!b.datei) {
        plattform::hinweisBox(meldungsTexte[1147]);
        return 0;
    }
    // the folder the results go to from now on: only one a file could be made in, else
    // every later table would fail there before the user could choose another
    if (erste)
        dateipfade.ergebnisVerzeichnis = b.ordner;
    b.saetze = 0;
    b.naechsterFeld = 0;
    Schreiber w{b.datei};
    if (!kopfSchreiben(s, w) || !ersatzEinsetzen(b.datei, neu, b.pfad)) {
        const int grund = w.gut ? errno : w.grund;
        ersatzVerwerfen(b.datei, neu);
        ersatzFehlerMelden(b.pfad, grund);
        return 0;
    }
    return 1;
}

int ergebnisBinSpeichern(Skript& s)
{
    Skript::BinDatei& b = s.bin;
    if (!b.datei && !ergebnisDateiErzeugen(s)) {
        plattform::hinweisBox(meldungsTexte[1148]);
        return 0;
    }
    Schreiber w{b.datei};
    const long start = w.position();
    const uint32_t werte = static_cast<uint32_t>(start + 16);
    w.u32(marke);
    w.u32(0);
    w.u32((s.auswertung & auswertungsBit::An) ? werte : 0u);
    w.u32(werte);
    w.u32(marke);
    for (size_t k = 1; k < s.dokumentiert.size(); ++k) {
        const ParameterEintrag& e = s.dokumentiert[k];
        w.f64(e.istReal ? e.wert : static_cast<double>(e.ganzzahl));
    }
    const int geaendert = s.geaendert.empty() ? 0 : static_cast<int>(s.geaendert.size()) - 1;
    w.i32(geaendert);
    for (size_t k = 1; k < s.geaendert.size(); ++k) {
        const ParameterEintrag& e = s.geaendert[k];
        w.u32(e.objektArt);
        w.i32(e.objektNummer);
        w.i32(e.neuronNummer);
        w.u32(e.code);
        w.i32(e.istReal);
        w.f64(e.wert);
        w.i32(e.ganzzahl);
    }
    s.geaendert.clear();
    w.u32(marke);
    const int proben = simulationsParameter.schrittweite > 0.0
                           ? static_cast<int>(std::lround(simulationsParameter.simulationsDauer /
                                                          simulationsParameter.schrittweite))
                           : 0;
    bool stimmig = true;
    for (Ergebnisneuron& e : s.ergebnisneurone) {
        // the executor checked it is there; a neuron gone all the same gives empty values
        const NeuronDaten* n = neuronNachNummer(e.nummer);
        w.i32(e.nummer);
        w.i32(e.kurvenAnzahl);
        w.bytes(e.kurven.data(), sizeof e.kurven);
        if (s.ergebnisArt == ergebnisArt::ApZeiten) {
            const std::vector<float> leer;
            const std::vector<float>& zeiten = n ? n->spikeZeiten : leer;
            const int anzahl = n ? std::clamp(n->apAnzahl, 0, static_cast<int>(zeiten.size())) : 0;
            w.i32(0);
            w.i32(anzahl);
            w.bytes(zeiten.data(), static_cast<size_t>(anzahl) * sizeof(float));
            e.werte[0].assign(zeiten.begin(), zeiten.begin() + anzahl);
            continue;
        }
        int gezaehlt = 0;
        for (int f = 0; f < kurvenProDiagramm; ++f) {
            if (!e.kurven[static_cast<size_t>(f)])
                continue;
            ++gezaehlt;
            w.i32(f);
            w.i32(proben);
            const std::vector<float>* quelle = nullptr;
            if (n && static_cast<size_t>(f) < n->hauptDiagramm.kurven.size())
                quelle = &n->hauptDiagramm.kurven[static_cast<size_t>(f)].werte;
            // samples a slot lacks are stored as 0, so every record keeps its length
            const size_t da = quelle ? std::min(quelle->size(), static_cast<size_t>(proben)) : 0;
            if (da)
                w.bytes(quelle->data(), da * sizeof(float));
            w.nullen((static_cast<size_t>(proben) - da) * sizeof(float));
        }
        stimmig = stimmig && gezaehlt == e.kurvenAnzahl;
    }
    if (!w.gut)
        return schreibFehler(s);
    ++b.saetze;
    const long ende = w.position();
    w.eintragen(b.anzahlFeld, b.saetze);
    if (!stimmig) {
        plattform::hinweisBox(meldungsTexte[1149]);
        b.naechsterFeld = start + 4;
        ergebnisDateiSchliessen(s);
        return 0;
    }
    b.naechsterFeld = start + 4;
    if (!w.gut)
        return schreibFehler(s);
    if (static_cast<uint32_t>(ende) < binGrenze()) {
        w.eintragen(b.naechsterFeld, static_cast<uint32_t>(ende));
        return w.gut ? 1 : schreibFehler(s);
    }
    // full: the next simulation starts the next numbered file; this one keeps 0 as its
    // last record's next offset
    return abschliessen(b) ? 1 : schreibFehler(s);
}

void ergebnisDateiSchliessen(Skript& s)
{
    Skript::BinDatei& b = s.bin;
    if (!abschliessen(b)) {
        plattform::hinweisBox(meldungFormatieren(1113, s.aktuelleSimulation));
        ++s.ausgabeFehler;
    }
    // the run is over: the next one begins with a first file again
    const std::string pfad = b.pfad;
    b = {};
    b.pfad = pfad;
}
