// permutation/indexlesen.cpp - index files read into the index
//
// An index lists its result files by full path; files moved beside the index (or beside
// the file before) are found there without a question. Every entry must name a listed file
// and lie inside it, and every listed file must carry as many extra values per record as
// the first one: an index that does not fit its files loads nothing.
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "permutation/ergebnisleser.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <new>

using namespace plattform;

namespace {

constexpr int64_t zweiMegabyte = 2 * 1024 * 1024;
constexpr int32_t eintraegeJeStueck = 65536;

// what an entry of this index must fit: the place of its file's records and its length
struct ListenDatei {
    std::string pfad;
    uint64_t ersterSatz = 0;
    uint64_t laenge = 0;
    uint64_t kleinsterSatz = 0;   // 36 + 4(c + e): a record without APs
};

// the messages of a header that cannot be read; false then
bool kopfGut(IndexKopfStand stand)
{
    switch (stand) {
    case IndexKopfStand::Gut: return true;
    case IndexKopfStand::Veraltet: hinweisBox(meldungsTexte[47]); return false;
    case IndexKopfStand::Version: hinweisBox(meldungsTexte[217]); return false;
    default: hinweisBox(meldungsTexte[79]); return false;
    }
}

bool indexWaehlen(std::string& pfad)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.endung = "inx";
    wahl.titel = meldungsTexte[1604];
    wahl.filter = {{meldungsTexte[1613], "*.inx"}};
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    pfad = gewaehlterPfad(wahl);
    return true;
}

std::string ordnerVon(const std::string& pfad)
{
    const size_t schnitt = pfad.find_last_of("/\\");
    return schnitt == std::string::npos ? "" : pfad.substr(0, schnitt + 1);
}

// the name without folder and extension of a path as an index stores it ("C:\...\x.bin")
std::string stammVon(const std::string& pfad)
{
    std::string name = pfad.substr(ordnerVon(pfad).size());
    const size_t punkt = name.rfind('.');
    if (punkt != std::string::npos)
        name.resize(punkt);
    return name;
}

// The result file of a slot: where it was, else under its name beside the index, else
// beside the file before, else where the user shows it. Empty when the user gave up.
std::string ergebnisDateiFinden(const std::string& gespeichert, const std::string& indexPfad, const std::string& vorige)
{
    std::vector<std::string> orte{gespeichert, ordnerVon(indexPfad) + stammVon(gespeichert) + ".bin"};
    if (!vorige.empty())
        orte.push_back(ordnerVon(vorige) + stammVon(gespeichert) + ".bin");
    for (const std::string& ort : orte)
        if (OffeneDatei d{dateiOeffnen(ort, "rb")})
            return ort;
    if (sysInfoBox(meldungFormatieren(48, gespeichert), knoepfe::JaNein) != antwort::Ja)
        return {};
    DateiWahl wahl;
    wahl.ordner = ordnerVon(indexPfad);
    wahl.name = stammVon(gespeichert);
    wahl.endung = "bin";
    wahl.titel = meldungsTexte[1600];
    wahl.filter = {{meldungsTexte[1614], "*.bin"}};
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return {};
    return gewaehlterPfad(wahl);
}

// The listed file's header: a result file with e extra values per record (the first file
// of a replacing read sets e). False (said in a notice) otherwise.
bool listenDateiPruefen(ListenDatei& l, int& zusatz, bool setztZusatz)
{
    OffeneDatei d(dateiOeffnen(l.pfad, "rb"));
    if (!d) {
        hinweisBox(meldungFormatieren(73, l.pfad));
        return false;
    }
    Dateifenster f(d.get(), 4096);
    PermutationsKopf kopf;
    const KopfStand stand = ergebnisKopfLesen(f, kopf);
    if (stand != KopfStand::Gut) {
        hinweisBox(meldungsTexte[stand == KopfStand::FremderTyp ? 78 : 214]);
        return false;
    }
    if (setztZusatz)
        zusatz = kopf.zusatzAnzahl;
    else if (kopf.zusatzAnzahl != zusatz) {
        hinweisBox(meldungsTexte[215]);
        return false;
    }
    l.ersterSatz = static_cast<uint64_t>(kopf.ersterSatz);
    l.laenge = f.laenge();
    l.kleinsterSatz = satzLaenge(kopf.klassen.size(), 0, static_cast<uint64_t>(kopf.zusatzAnzahl));
    return true;
}

bool eintragInDatei(const PermutationsIndexEintrag& e, const ListenDatei& l)
{
    const uint64_t offset = static_cast<uint64_t>(e.satzOffset);
    return offset >= l.ersterSatz && l.kleinsterSatz <= l.laenge && offset <= l.laenge - l.kleinsterSatz;
}

// the first pass over the indexes of a load: each one's header, their entries added up
bool indexVorpruefen(const std::string& pfad, uint64_t& summe)
{
    OffeneDatei d(dateiOeffnen(pfad, "rb"));
    if (!d) {
        hinweisBox(meldungFormatieren(73, pfad));
        return false;
    }
    Dateifenster f(d.get(), 4096);
    IndexKopf kopf;
    if (!kopfGut(indexKopfLesen(f, kopf)))
        return false;
    summe += static_cast<uint64_t>(kopf.anzahl);
    return true;
}

} // namespace

int indexDateienLesen(const std::string& erster, int modus)
{
    std::vector<std::string> pfade{erster};
    // a partial read reads each index as soon as it is chosen
    if (modus == ladeModus::Partiell) {
        std::string pfad = erster;
        for (int platz = 0;; ++platz) {
            if (permutationsIndexLesen(pfad, platz, modus) == 0)
                return 0;
            if (sysInfoBox(meldungsTexte[529], knoepfe::JaNein) != antwort::Ja || !indexWaehlen(pfad))
                return 1;
        }
    }
    std::string pfad;
    while (sysInfoBox(meldungsTexte[529], knoepfe::JaNein) == antwort::Ja && indexWaehlen(pfad))
        pfade.push_back(pfad);
    // the headers first, then one allocation for all their entries
    uint64_t summe = 0;
    for (const std::string& p : pfade)
        if (!indexVorpruefen(p, summe))
            return 0;
    try {
        permutationsErgebnisse.index.clear();
        permutationsErgebnisse.index.reserve(summe + 1024);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungFormatieren(114, static_cast<long long>((summe + 1024) * sizeof(PermutationsIndexEintrag))));
        return 0;
    }
    for (size_t i = 0; i < pfade.size(); ++i)
        if (permutationsIndexLesen(pfade[i], static_cast<int>(i), modus) == 0)
            return 0;
    return 1;
}

int permutationsIndexLesen(const std::string& pfad, int anhaengen, int modus)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    // the header
    statusTeilSetzen(0, meldungFormatieren(1628, pfad.substr(ordnerVon(pfad).size())));
    OffeneDatei datei(dateiOeffnen(pfad, "rb"));
    if (!datei) {
        hinweisBox(meldungFormatieren(73, pfad));
        return 0;
    }
    Dateifenster f(datei.get());
    IndexKopf kopf;
    if (!kopfGut(indexKopfLesen(f, kopf)))
        return 0;
    z.marke = kopf.marke;
    z.version = kopf.version;
    const int c = static_cast<int>(kopf.klassen.size());
    const bool ersetzen = anhaengen <= 0;
    // the counts of a first index, or those an appended one must share
    if (!ersetzen && (kopf.synapsenAnzahl != z.synapsenAnzahl || kopf.levelAnzahl != z.levelAnzahl ||
                      c != static_cast<int>(z.klassen.size()))) {
        hinweisBox(meldungsTexte[81]);
        return 0;
    }
    const size_t vorherDateien = ersetzen ? 0 : z.dateien.namen.size();
    if (vorherDateien + kopf.pfade.size() > static_cast<size_t>(groessteDateiAnzahl)) {
        hinweisBox(meldungsTexte[201]);
        return 0;
    }
    // too little memory, or a partial read: the user chooses the entries
    z.teilErster = 0;
    z.teilLetzter = kopf.anzahl;
    const int64_t frei = freierSpeicherHaken ? freierSpeicherHaken() : -1;
    const int64_t bedarf = static_cast<int64_t>(kopf.anzahl) * 16 + zweiMegabyte;
    if ((frei >= 0 && frei < bedarf) || modus == ladeModus::Partiell) {
        if (dialogModal(vorlageIndexSpeicherMangel, fensterhandles.hauptfenster, indexSpeicherMangelDlgProc,
                        kopf.anzahl) != 1)
            return 0;
    }
    const int32_t erster = std::clamp(z.teilErster, 0, kopf.anzahl);
    const int32_t letzter = std::clamp(z.teilLetzter, erster, kopf.anzahl);
    // the result files, found and looked at
    std::vector<ListenDatei> dateien(kopf.pfade.size());
    int zusatz = ersetzen ? 0 : z.zusatzAnzahl;
    for (size_t i = 0; i < kopf.pfade.size(); ++i) {
        dateien[i].pfad = ergebnisDateiFinden(kopf.pfade[i], pfad, i > 0 ? dateien[i - 1].pfad : "");
        if (dateien[i].pfad.empty() || !listenDateiPruefen(dateien[i], zusatz, ersetzen && i == 0))
            return 0;
    }
    // the classes of a first index; a table of nonsense is cleared
    Klassentabelle klassen = ersetzen ? kopf.klassen : z.klassen;
    if (ersetzen && c > 3 && (klassen[3].intervalle > 100000 || klassen[3].sollApAnzahl > 100000)) {
        hinweisBox(meldungsTexte[216]);
        std::fill(klassen.begin(), klassen.end(), Analyseklasse{});
    }
    // the entries from the first bound to the last, each inside its file
    if (ersetzen)
        z.index.clear();
    const size_t vorherEintraege = z.index.size();
    try {
        z.index.reserve(vorherEintraege + static_cast<size_t>(letzter - std::max(erster, 1) + 1));
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungFormatieren(114, static_cast<long long>(letzter) * 16));
        return 0;
    }
    const DateiOperationAufStapel aufStapel;
    modusStatus |= modusBit::DateiOperation;
    cursorSetzen(standardCursor(cursorArt::Warten));
    const auto ende = [](int ergebnis) {
        modusStatus &= ~modusBit::DateiOperation;
        cursorSetzen(standardCursor(cursorArt::Pfeil));
        statusTeilSetzen(0, "");
        return ergebnis;
    };
    const uint64_t laenge = eintragsLaenge(kopf.version);
    const uint64_t anfang = static_cast<uint64_t>(kopf.eintragsBereich) + 4;
    std::vector<PermutationsIndexEintrag> stueck;
    bool gestoppt = false;
    for (int32_t j = 0; j < letzter && !gestoppt; j += eintraegeJeStueck) {
        const int32_t anzahl = std::min(eintraegeJeStueck, letzter - j);
        const std::string_view bytes = f.bereich(anfang + static_cast<uint64_t>(j) * laenge, static_cast<uint64_t>(anzahl) * laenge);
        stueck.clear();
        if (bytes.size() != static_cast<uint64_t>(anzahl) * laenge ||
            !indexEintraegeDekodieren(bytes, kopf.version, dateien.size(), stueck)) {
            z.index.resize(vorherEintraege);
            hinweisBox(meldungsTexte[79]);
            return ende(0);
        }
        for (int32_t i = 0; i < anzahl; ++i) {
            PermutationsIndexEintrag e = stueck[static_cast<size_t>(i)];
            if (j + i + 1 < erster)
                continue;
            if (!eintragInDatei(e, dateien[e.dateiNummer])) {
                z.index.resize(vorherEintraege);
                hinweisBox(meldungsTexte[79]);
                return ende(0);
            }
            e.dateiNummer = static_cast<uint16_t>(e.dateiNummer + vorherDateien);
            z.index.push_back(e);
        }
        nachrichtenVerarbeiten();
        gestoppt = !(modusStatus & modusBit::DateiOperation);
    }
    // an index that leaves nothing to load is said, not passed over in silence
    if (!gestoppt && z.index.empty()) {
        hinweisBox(meldungsTexte[218]);
        return ende(0);
    }
    // the index takes what was read
    if (ersetzen) {
        z.dateien = {};
        z.synapsenAnzahl = kopf.synapsenAnzahl;
        z.levelAnzahl = kopf.levelAnzahl;
        z.klassen = std::move(klassen);
        z.apFlag = kopf.apFlag;
        z.zusatzAnzahl = zusatz;
        klassenAnzahlKopien = c;
    }
    for (const ListenDatei& l : dateien) {
        z.dateien.namen.push_back(l.pfad);
        z.dateien.handles.emplace_back();
    }
    return ende(gestoppt ? 0 : static_cast<int>(z.index.size()));
}
