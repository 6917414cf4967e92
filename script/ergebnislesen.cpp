// script/ergebnislesen.cpp - reading a result file back: its header and one record
//
// A result file may be cut short, damaged or not one of ours at all: every offset is
// checked against the bytes present and its marker, every count against what could still
// follow, before anything is allocated or kept. A refusal leaves the loaded data as they
// were.
#include "script/auswertungsdaten.h"
#include "script/auswertung.h"
#include "core/status.h"
#include "model/ergebnisdateien.h"
#include "model/skriptzeit.h"
#include "platform/fenster.h"
#include "platform/waehler.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

namespace {

constexpr uint32_t marke = 0xFFFFFFFFu;
constexpr uint32_t binVersion = 102;
const char magie[] = "skript-ergebnisdatei";

struct Leser {
    std::FILE* f;
    uint64_t groesse = 0;
    bool gut = true;

    explicit Leser(std::FILE* datei) : f(datei)
    {
        if (std::fseek(f, 0, SEEK_END) != 0 || std::ftell(f) < 0)
            gut = false;
        else
            groesse = static_cast<uint64_t>(std::ftell(f));
    }
    uint64_t hier() { return gut ? static_cast<uint64_t>(std::ftell(f)) : groesse; }
    uint64_t rest() { return groesse - std::min(groesse, hier()); }
    bool an(uint64_t o)
    {
        if (!gut || o > groesse || std::fseek(f, static_cast<long>(o), SEEK_SET) != 0)
            gut = false;
        return gut;
    }
    void bytes(void* p, size_t n)
    {
        if (gut && n && (n > rest() || std::fread(p, 1, n, f) != n))
            gut = false;
    }
    template <class T> T wert()
    {
        T w{};
        bytes(&w, sizeof w);
        return w;
    }
    uint32_t u32() { return wert<uint32_t>(); }
    int i32() { return wert<int32_t>(); }
    double f64() { return wert<double>(); }
    // a count of entries of at least groesse bytes each that can still follow
    int anzahl(size_t eintrag)
    {
        const int32_t n = i32();
        if (n < 0 || static_cast<uint64_t>(n) * eintrag > rest())
            gut = false;
        return gut ? n : 0;
    }
    bool markeBei(uint64_t o) { return an(o) && u32() == marke && gut; }
    // a zero-terminated text in a field of n bytes
    std::string feld(size_t n)
    {
        std::string t(n, '\0');
        bytes(t.data(), n);
        const size_t ende = t.find('\0');
        if (ende == std::string::npos)
            gut = false;
        return gut ? t.substr(0, ende) : std::string();
    }
    // curve flags: 0 or 1 each, as many set as the count says. An AP-times file stores one
    // block per neuron with count 1 and no flag set: there the count tells nothing.
    void kurven(Ergebnisneuron& e, int art)
    {
        e.kurvenAnzahl = i32();
        int gesetzt = 0;
        for (uint32_t& k : e.kurven) {
            k = u32();
            if (k > 1)
                gut = false;
            gesetzt += static_cast<int>(k);
        }
        const bool stimmig = art == ergebnisArt::ApZeiten
                                 ? e.kurvenAnzahl >= 0 && e.kurvenAnzahl <= static_cast<int>(e.kurven.size())
                                 : e.kurvenAnzahl == gesetzt;
        if (!stimmig)
            gut = false;
    }
};

// the stored fields of a documented or changed parameter, after its name
void eintragLesen(Leser& l, ParameterEintrag& e)
{
    e.objektArt = l.u32();
    e.objektNummer = l.i32();
    e.neuronNummer = l.i32();
    e.code = l.u32();
    e.istReal = l.i32();
    e.wert = l.f64();
    e.ganzzahl = l.i32();
}

int abgelehnt(int meldung)
{
    plattform::hinweisBox(meldungsTexte[meldung]);
    return 0;
}

// the header after the magic and the version: false with the message number to show
bool kopfLesen(Leser& l, Skript& s, ErgebnisKopf& k, int& meldung)
{
    meldung = 1152;
    const uint32_t allgemein = l.u32(), ersterSatz = l.u32(), dateiteil = l.u32(), doku = l.u32();
    if (!l.gut || dateiteil != 88 || !l.markeBei(88))
        return false;
    for (int i = 0; i < 9; ++i)
        l.i32();   // the creation time
    k.dateiNummer = l.i32();
    s.hatNum = l.i32();
    k.skriptPfad = l.feld(260);
    k.skriptOffset = l.u32();
    k.skriptLaenge = l.u32();
    k.netzPfad = l.feld(260);
    k.netzOffset = l.u32();
    k.netzLaenge = l.u32();
    k.permutationsPfad = l.feld(260);
    k.permutationsOffset = l.u32();
    k.permutationsLaenge = l.u32();
    const uint32_t schluss = l.u32();
    l.u32();
    s.klassenEintragGroesse = l.u32();
    k.klassenOffset = l.u32();
    s.klassenAnzahl = l.i32();
    s.auswertung = l.u32();
    s.anweisungsGroesse = l.u32();
    const uint64_t texte = uint64_t{k.skriptLaenge} + k.netzLaenge + k.permutationsLaenge;
    // a class size of another build is told by the comparison of further files
    if (!l.gut || texte > l.groesse || s.klassenEintragGroesse == 0 || s.klassenAnzahl < 0 ||
        static_cast<uint64_t>(s.klassenAnzahl) * s.klassenEintragGroesse > l.groesse)
        return false;

    meldung = 1153;
    if (!l.markeBei(allgemein))
        return false;
    k.saetze = l.u32();
    s.dauer = l.f64();
    s.schrittweite = l.f64();
    s.elSynapsenSchalter = l.i32();
    s.hatNum = l.i32();
    s.auswertung = l.u32();
    k.auswertungsNeuron = l.i32();
    s.auswertungsKurve = l.i32();
    s.ergebnisArt = l.i32();
    const int r = l.anzahl(88);
    const int gesamt = l.i32();
    int summe = 0;
    s.ergebnisneurone.assign(static_cast<size_t>(r), {});
    for (Ergebnisneuron& e : s.ergebnisneurone) {
        e.nummer = l.i32();
        l.kurven(e, s.ergebnisArt);
        summe += e.kurvenAnzahl;
    }
    if (!l.gut || summe != gesamt)
        return false;

    meldung = 1154;
    if (!l.markeBei(doku))
        return false;
    const int m = l.anzahl(37);
    s.dokumentiert.assign(static_cast<size_t>(m) + 1, {});
    for (int i = 1; i <= m && l.gut; ++i) {
        ParameterEintrag& e = s.dokumentiert[static_cast<size_t>(i)];
        const uint32_t lb = l.u32();
        if (lb < 1 || lb > e.bezeichnung.size()) {
            l.gut = false;
            break;
        }
        l.bytes(e.bezeichnung.data(), lb);
        if (e.bezeichnung[lb - 1] != '\0')
            l.gut = false;
        eintragLesen(l, e);
    }
    if (!l.gut)
        return false;

    meldung = 1155;
    if (!l.markeBei(schluss) || ersterSatz != l.hier() || ersterSatz > l.groesse)
        return false;
    k.ersterSatz = ersterSatz;
    return true;
}

// the class table, when there is one
bool klassenLesen(Leser& l, Skript& s, const ErgebnisKopf& k)
{
    if (s.klassenAnzahl <= 0)
        return true;
    if (s.klassenEintragGroesse != sizeof(Auswertungsklasse) || !l.markeBei(k.klassenOffset))
        return false;
    s.klassen.assign(static_cast<size_t>(s.klassenAnzahl) + 1, {});
    l.bytes(s.klassen.data(), static_cast<size_t>(s.klassenAnzahl) * sizeof(Auswertungsklasse));
    return l.gut;
}

// An embedded text written out as "<folder>/<name> tmp aus bin <time>.<endung>". false
// after its message; pfad is then empty.
bool textAuslagern(Leser& l, uint32_t offset, uint32_t laenge, const std::string& stamm, const char* endung,
                   int verlaufen, std::string& pfad)
{
    pfad.clear();
    std::string text(laenge, '\0');
    if (!l.markeBei(offset) || (l.bytes(text.data(), laenge), !l.gut)) {
        plattform::hinweisBox(meldungsTexte[verlaufen]);
        return false;
    }
    // a scratch copy of what the result file keeps: written plainly, gone again on a failure
    const std::string ziel = stamm + "." + endung;
    std::FILE* f = plattform::dateiOeffnen(ziel, "wb");
    const bool geschrieben = f && (text.empty() || std::fwrite(text.data(), 1, text.size(), f) == text.size());
    if (!f || std::fclose(f) != 0 || !geschrieben) {
        if (f) {
            std::error_code fehler;
            std::filesystem::remove(plattform::schreibPfadAufloesen(ziel), fehler);
        }
        plattform::hinweisBox(meldungFormatieren(74, ziel));
        return false;
    }
    pfad = ziel;
    return true;
}

// the folder of a path, "." when it names none
std::string ordnerVon(const std::string& pfad)
{
    const size_t schnitt = pfad.find_last_of('/');
    return schnitt == std::string::npos ? "." : pfad.substr(0, schnitt);
}

// The questions and the choice of an interactive load; false when nothing is to be read.
// A file the caller has opened is read without a choice.
bool dateiWaehlen(Auswertungsdaten& a)
{
    const uint32_t geladen = skriptStatus;   // releasing the script clears the result bit too
    if (geladen & skriptBit::Geladen) {
        if (plattform::meldungsBox(fensterhandles.hauptfenster, meldungsTexte[1180], "SysInfo",
                                   plattform::knoepfe::JaNein | plattform::symbol::Frage) != plattform::antwort::Ja)
            return false;
        skriptFreigeben(a.skript);
    }
    if (geladen & skriptBit::ErgebnisKopfGeladen) {
        if (plattform::meldungsBox(fensterhandles.hauptfenster, meldungsTexte[1181], "SysInfo",
                                   plattform::knoepfe::JaNein | plattform::symbol::Frage) != plattform::antwort::Ja)
            return false;
        skriptStatus &= ~skriptBit::ErgebnisKopfGeladen;
    }
    if (a.ergebnisDatei)
        return true;
    plattform::DateiWahl wahl;
    wahl.ordner = dateipfade.ergebnisVerzeichnis.empty() ? dateipfade.dokumentVerzeichnis : dateipfade.ergebnisVerzeichnis;
    wahl.endung = "bin";
    wahl.titel = meldungsTexte[1182];
    wahl.filter.push_back({meldungsTexte[1144], "*.bin"});
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    const std::string pfad = plattform::gewaehlterPfad(wahl);
    if (!plattform::dateiExistiert(pfad)) {
        plattform::hinweisBox(meldungFormatieren(1183, pfad));
        return false;
    }
    a.ergebnisPfad = pfad;
    a.auswertungsOrdner = ordnerVon(pfad);
    return true;
}

// closes the file at the end of a header load unless the caller opened it
struct DateiHalter {
    std::FILE* f;
    bool eigen;
    ~DateiHalter()
    {
        if (eigen && f)
            std::fclose(f);
    }
};

} // namespace

int ergebnisDateiLaden(Auswertungsdaten& a, int interaktiv)
{
    // a file the caller opened (an index's or a series') is read without asking
    if (interaktiv && !a.ergebnisDatei && !dateiWaehlen(a))
        return 0;
    DateiHalter halter{a.ergebnisDatei, !a.ergebnisDatei};
    if (!halter.f)
        halter.f = plattform::dateiOeffnen(a.ergebnisPfad, "rb");
    std::FILE* f = halter.f;
    if (!f)
        return abgelehnt(1160);
    // the folder of a result file read becomes the folder of the results
    const std::string ordner = ordnerVon(a.ergebnisPfad);
    dateipfade.ergebnisVerzeichnis = ordner;
    Leser l(f);
    char gelesen[64] = {};
    l.an(0);
    l.bytes(gelesen, sizeof gelesen);
    if (!l.gut || std::memcmp(gelesen, magie, sizeof magie) != 0) {
        plattform::hinweisBox(meldungFormatieren(1150, a.ergebnisPfad));
        return 0;
    }
    Skript s;
    ErgebnisKopf k;
    const uint32_t m = l.u32();
    k.version = l.u32();
    if (!l.gut || m != marke || k.version != binVersion) {
        plattform::hinweisBox(meldungFormatieren(1151, a.ergebnisPfad, std::floor(k.version / 100.0),
                                                 static_cast<double>(k.version % 100)));
        return 0;
    }
    int meldung = 0;
    if (!kopfLesen(l, s, k, meldung))
        return abgelehnt(meldung);
    std::string tmp[3];
    if (interaktiv) {
        if (!klassenLesen(l, s, k))
            return abgelehnt(1184);
        const size_t schnitt = a.ergebnisPfad.find_last_of('/');
        std::string name = a.ergebnisPfad.substr(schnitt == std::string::npos ? 0 : schnitt + 1);
        if (const size_t punkt = name.rfind('.'); punkt != std::string::npos)
            name.resize(punkt);
        char zeit[32] = {};
        const std::tm jetzt = ortszeit();
        const std::string stamm = ordner + "/" + name + " tmp aus bin " + datumFormatieren(&jetzt, zeit, 10);
        bool gut = textAuslagern(l, k.skriptOffset, k.skriptLaenge, stamm, "skr", 1185, tmp[0]) &&
                   textAuslagern(l, k.netzOffset, k.netzLaenge, stamm, "gui", 1186, tmp[1]) &&
                   (k.permutationsLaenge == 0 ||
                    textAuslagern(l, k.permutationsOffset, k.permutationsLaenge, stamm, "pmt", 1187, tmp[2]));
        if (!gut) {
            // nothing stays half-loaded: the texts already written go again
            std::error_code fehler;
            for (const std::string& t : tmp)
                if (!t.empty())
                    std::filesystem::remove(plattform::schreibPfadAufloesen(t), fehler);
            return 0;
        }
    }
    s.pfad = k.skriptPfad;
    a.skript = std::move(s);
    a.kopf = k;
    a.satzZeiger = k.ersterSatz;
    if (interaktiv) {
        a.tmpSkript = tmp[0];
        a.tmpNetz = tmp[1];
        a.tmpPermutation = tmp[2];
    }
    skriptStatus |= skriptBit::ErgebnisKopfGeladen;
    return 1;
}

int ergebnisLesen(Auswertungsdaten& a, std::FILE* f)
{
    Skript& s = a.skript;
    Leser l(f);
    const auto fehler = [&](int meldung) {
        std::fclose(f);
        if (a.ergebnisDatei == f)
            a.ergebnisDatei = nullptr;
        return abgelehnt(meldung);
    };
    if (!a.satzZeiger || !l.markeBei(a.satzZeiger))
        return fehler(1156);
    const uint32_t naechster = l.u32();
    l.u32();
    const uint32_t werte = l.u32();
    // records only follow each other: an offset back would read in circles
    if (!l.gut || naechster > l.groesse || (naechster && naechster <= a.satzZeiger))
        return fehler(1156);
    if (!l.markeBei(werte))
        return fehler(1157);
    std::vector<double> dokumentiert;
    for (size_t i = 1; i < s.dokumentiert.size(); ++i)
        dokumentiert.push_back(l.f64());
    const int nc = l.anzahl(32);
    std::vector<ParameterEintrag> geaendert(static_cast<size_t>(nc) + 1);
    for (int i = 1; i <= nc; ++i) {
        ParameterEintrag& e = geaendert[static_cast<size_t>(i)];
        eintragLesen(l, e);
    }
    if (!l.gut || l.u32() != marke || !l.gut)
        return fehler(1158);
    std::vector<Ergebnisneuron> neurone = s.ergebnisneurone;
    for (Ergebnisneuron& e : neurone) {
        e.nummer = l.i32();
        l.kurven(e, s.ergebnisArt);
        // an AP-times record holds one block per neuron, whatever its curve count
        const int bloecke = s.ergebnisArt == ergebnisArt::ApZeiten ? 1 : e.kurvenAnzahl;
        for (int b = 0; b < bloecke && l.gut; ++b) {
            const int kurve = l.i32();
            const int n = l.anzahl(sizeof(float));
            if (kurve < 0 || kurve >= static_cast<int>(e.kurven.size()) ||
                (s.ergebnisArt != ergebnisArt::ApZeiten && !e.kurven[static_cast<size_t>(kurve)])) {
                l.gut = false;
                break;
            }
            std::vector<float>& v = e.werte[static_cast<size_t>(kurve)];
            v.assign(static_cast<size_t>(n), 0.0f);
            l.bytes(v.data(), v.size() * sizeof(float));
        }
        if (!l.gut)
            return fehler(1159);
    }
    for (size_t i = 1; i < s.dokumentiert.size(); ++i) {
        ParameterEintrag& e = s.dokumentiert[i];
        e.wert = dokumentiert[i - 1];
        if (!e.istReal)
            e.ganzzahl = static_cast<int>(std::lround(std::clamp(e.wert, -2147483648.0, 2147483647.0)));
    }
    s.geaendert = std::move(geaendert);
    s.ergebnisneurone = std::move(neurone);
    a.satzZeiger = naechster;
    // the network gets the parameters of this simulation; an entry that stops the walk has
    // said why, and the record stays read
    parameterAnweisungAnwenden(a);
    return 1;
}

int ergebnisKopfPruefen(Auswertungsdaten& a)
{
    const std::string& pfad = a.ergebnisPfad;
    for (const std::string& n : a.namen)
        if (n == pfad) {
            plattform::hinweisBox(meldungFormatieren(1171, pfad));
            return 0;
        }
    Auswertungsdaten neu;
    neu.ergebnisPfad = pfad;
    if (!ergebnisDateiLaden(neu, 0))
        return abgelehnt(1170);
    const Skript &n = neu.skript, &g = a.skript;
    const auto kurven = [](const Skript& s) {
        int k = 0;
        for (const Ergebnisneuron& e : s.ergebnisneurone)
            k += e.kurvenAnzahl;
        return k;
    };
    const int nr = static_cast<int>(n.ergebnisneurone.size()), gr = static_cast<int>(g.ergebnisneurone.size());
    const int nd = static_cast<int>(n.dokumentiert.size()) - 1, gd = static_cast<int>(g.dokumentiert.size()) - 1;
    const auto erstes = [](const Skript& s) { return s.ergebnisneurone.empty() ? 0 : s.ergebnisneurone[0].kurvenAnzahl; };
    std::string text;
    if (n.klassenEintragGroesse != g.klassenEintragGroesse)
        text = meldungFormatieren(1172, pfad, n.klassenEintragGroesse, g.klassenEintragGroesse);
    else if (nr != gr)
        text = meldungFormatieren(1173, pfad, nr, gr);
    else if (kurven(n) != kurven(g))
        text = meldungFormatieren(1174, pfad, kurven(n), kurven(g));
    else if (n.klassenAnzahl != g.klassenAnzahl)
        text = meldungFormatieren(1175, pfad, n.klassenAnzahl);
    else if (neu.kopf.auswertungsNeuron != a.kopf.auswertungsNeuron)
        text = meldungFormatieren(1176, pfad, neu.kopf.auswertungsNeuron, a.kopf.auswertungsNeuron);
    else if (nd != gd)
        text = meldungFormatieren(1177, pfad, nd);
    else if (n.ergebnisArt != g.ergebnisArt)
        text = meldungFormatieren(1178, pfad);
    else if (erstes(n) != erstes(g))
        text = meldungFormatieren(1179, pfad);
    if (!text.empty()) {
        plattform::hinweisBox(text);
        return 0;
    }
    // its record count and every position of its header replace the loaded file's
    a.kopf = neu.kopf;
    a.satzZeiger = neu.satzZeiger;
    return 1;
}
