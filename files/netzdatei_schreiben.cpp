// files/netzdatei_schreiben.cpp - the network writer: the network text in its fixed section
// order, the safe write of the network file and the reference-curve file beside it
#include "core/rahmen.h"
#include "core/status.h"
#include "files/diagrammeinstellungen.h"
#include "files/einstellungsdatei.h"
#include "files/einstellungszeilen.h"
#include "files/netzdatei.h"
#include "files/textdatei.h"
#include "files/netzdatei_abschnitte.h"
#include "files/neuronabschnitt.h"
#include "files/objektdaten.h"
#include "files/protokolldatei.h"
#include "files/schriftdefinitionen.h"
#include "files/speicherziele.h"
#include "files/stromdateien.h"
#include "model/export.h"
#include "model/kollision.h"
#include "model/laufstart.h"
#include "model/permutation.h"
#include "model/permutationsfenster.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

constexpr const char* tmpAusBin = " tmp aus bin ";   // a network text taken out of a result file

// ---- the network text -----------------------------------------------------------------------

void netzTextSchreiben()
{
    XBuffer& p = *textZeiger;
    p.drucken("[neuronen-netzwerk-datei]\n");
    kopfSpeichern(p);
    seiteneinstellungenSpeichern(p);
    fontDefinitionenSpeichern(nullptr, p);
    fensterlisteSpeichern(p);
    kurvenfarbenSpeichern(p);
    permutationSpeichern(p);

    p.drucken("[Permutation: NEURON -1] *******************************************\n");
    diagrammEinstellungenSpeichern(&permutationsDiagramm, nullptr, p, 0);
    p.drucken("[ende NEURON -1] ************************\n\n");

    // the program's own neurons (the permutation display's) are in no chain: no file holds them
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        p.drucken("\n[NEURON %d] *******************************************\n", n->nummer);
        guiNeuronSpeichern(n, -1, nullptr, p, 0);
        n->hauptDiagramm.neuronId = n->nummer;
        diagrammEinstellungenSpeichern(&n->hauptDiagramm, nullptr, p, 0);
        p.drucken("[ende NEURON %d] *******************************************\n\n", n->nummer);
    }

    synapsenTypenSpeichern(p);

    p.drucken("[Synapsen auf soma oder dendrit] *******************************************\n");
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        guiSynapsenSpeichern(n, nullptr, 2, p, 0);
    p.drucken("[ende Synapsen auf soma oder dendrit] **************************************\n\n");

    p.drucken("[axo-axonische Synapsen] ****************************\n");
    axoSynapsenDurchlaufen([&](SynapseDaten& eltern, SynapseDaten& axo) {
        guiAxoSynapseSpeichern(&axo, eltern.id, axo.quellNummer, eltern.quellNummer, eltern.zielNummer,
                               eltern.zielBereich, axo.id, nullptr, p, 0);
    });
    p.drucken("[ende axo-axonische Synapsen] ************************\n");

    gruppenSpeichern(p);
    // always written: a text without it would get the old pause conversion on reading
    serverSpeichern(p);
    altStromSpeichern(p);
    if (rueckkopplungsObjektAnzahl() > 0)
        rueckkopplungsdatenSpeichern(p);
    if (kollisionsObjektAnzahl() > 0)
        kollisionsdatenSpeichern(p);
}

// ---- writing a file -----------------------------------------------------------------------------------

// ---- the reference curves ------------------------------------------------------------------------

template <class T>
void kleinEndian(std::string& aus, T wert)
{
    using U = std::conditional_t<sizeof(T) == 8, uint64_t, uint32_t>;
    const U bits = std::bit_cast<U>(wert);
    for (size_t i = 0; i < sizeof(T); ++i)
        aus += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// f64 duration, f64 step, i32 samples per curve, then per stored reference curve i32
// neuron, i32 slot and the samples as f32. Without a stored curve no file is made, and an
// older one of that name goes.
void referenzKurvenSpeichern(const std::string& pfad)
{
    const Simulationsparameter& sp = simulationsParameter;
    const double quotient = sp.schrittweite > 0.0 ? std::trunc(sp.simulationsDauer / sp.schrittweite) : 0.0;
    const int anzahlWerte = static_cast<int>(std::clamp(quotient, 0.0, 2147483647.0));
    std::string bytes;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (int slot = kurve::Referenz1; slot < kurvenProDiagramm; ++slot) {
            const KurvenDaten& k = n->hauptDiagramm.kurven[static_cast<size_t>(slot)];
            if (k.werteAnzahl <= 0)
                continue;
            if (bytes.empty()) {
                kleinEndian(bytes, sp.simulationsDauer);
                kleinEndian(bytes, sp.schrittweite);
                kleinEndian(bytes, int32_t{anzahlWerte});
            }
            kleinEndian(bytes, int32_t{n->nummer});
            kleinEndian(bytes, int32_t{slot});
            // a curve shorter than the run is filled up with zeros
            const int vorhanden = lesbareWerte(k);
            for (int i = 0; i < anzahlWerte; ++i)
                kleinEndian(bytes, i < vorhanden ? k.werte[static_cast<size_t>(i)] : 0.0f);
        }
    if (!bytes.empty())
        sicherSchreiben(pfad, bytes, 74);
    else if (plattform::dateiExistiert(pfad))
        std::remove(plattform::schreibPfadAufloesen(pfad).c_str());
}

// ---- saving ---------------------------------------------------------------------------------------

// The save dialog on the network's folder, name, extension and filter; false on cancel.
// The choice stays in wahl: the network takes it once the file is written.
bool namenErfragen(plattform::DateiWahl& wahl)
{
    const Dateipfade& d = dateipfade;
    wahl.ordner = d.dokumentVerzeichnis;
    wahl.name = d.netzName;
    // a network read from curve data or a recording is proposed as a network file, never
    // under its source's extension
    wahl.endung = d.ohneNetzdatei ? "gui" : d.endung;
    wahl.titel = meldungsTexte[948];
    wahl.speichern = true;
    // the language's filter unless the settings name one of the user's own; the settings
    // file keeps '0' where the dialog separates text and pattern
    wahl.filter = cfgZeilen::eigenerFilter(d.filterText, cfgZeilen::netzFilterVorgabe, cfgZeilen::netzFilterMeldung)
                      ? plattform::filterAusText(d.filterText, '0')
                      : plattform::filterAusText(meldungsTexte[cfgZeilen::netzFilterMeldung]);
    return plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl);
}

// folder, name and extension of the network file, and the path made of them
struct NetzOrt {
    std::string ordner, name, endung;
    std::string pfad() const
    {
        std::string p = ordner.empty() ? name : ordner + "/" + name;
        return endung.empty() ? p : p + "." + endung;
    }
};

} // namespace

std::string systemGrund(int fehler, Zugriff zugriff)
{
    // what both kinds of access meet alike
    switch (fehler) {
    case EISDIR: return meldungsTexte[1802];
    case EMFILE:
    case ENFILE: return meldungsTexte[1803];
    default: break;
    }
    if (zugriff == Zugriff::Lesen)
        switch (fehler) {
        case ENOENT:
        case ENOTDIR: return meldungsTexte[1800];
        case EACCES:
        case EPERM: return meldungsTexte[1801];
        case EIO: return meldungsTexte[1804];
        default: return meldungFormatieren(966, fehler, std::strerror(fehler));
        }
    switch (fehler) {
    case ENOENT:
    case ENOTDIR: return meldungsTexte[962];
    case EACCES:
    case EPERM: return meldungsTexte[963];
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return meldungsTexte[964];
    case EROFS: return meldungsTexte[965];
    default: return meldungFormatieren(966, fehler, std::strerror(fehler));
    }
}

namespace {

// the file through a temporary file beside it; a failure names the file and the reason
bool netzDateiSchreiben(const std::string& pfad, const std::string& bytes)
{
    if (plattform::dateiSicherSchreiben(pfad, bytes))
        return true;
    const std::string grund = systemGrund(errno);
    plattform::hinweisBox(meldungFormatieren(947, pfad, grund));
    return false;
}

// what follows the network text in its file: the protocol as the window shows it (or the
// saved text while it is hidden) and the end mark
void dateiSchlussSchreiben(XBuffer& puffer)
{
    protokollSpeichern(protokoll.sichtbar ? nullptr : protokoll.gesicherterText.c_str(), puffer);
    puffer.drucken("[Dateiende]\n");
}

// the room the text of a network of this size takes at most, so it is built in one piece
size_t textPlatz()
{
    return (static_cast<size_t>(std::max(neuronKette.anzahl, 0)) * 15000 +
            static_cast<size_t>(std::max(synapsenZaehler, 0)) * 1000) * 2 + 200000;
}

bool speichern(int fragen, XBuffer* fremderPuffer, int inDatei)
{
    XBuffer eigenerPuffer;
    XBuffer& puffer = fremderPuffer ? *fremderPuffer : eigenerPuffer;
    textZeiger = &puffer;
    puffer.reservieren(puffer.laenge() + textPlatz());
    if (!inDatei) {
        // the settings text leads an in-memory text
        cfgDateiSpeichern(nullptr, &puffer, 0);
        textZeiger = &puffer;
        netzTextSchreiben();
        if (fremderPuffer) {
            if (protokollTextSichern(fensterhandles.protokollfenster)) {
                puffer.drucken("\n[ProtokollTextStart]\n");
                puffer.anhaengen(protokoll.gesicherterText);
                puffer.drucken("\n[ProtokollTextEnde]\n");
            }
            protokollFensterSchluesselSpeichern(puffer);
            puffer.drucken("[Dateiende]\n");
        }
        return true;
    }

    // where the file goes; nothing of the network's names changes before it is written
    Dateipfade& d = dateipfade;
    NetzOrt ort{d.dokumentVerzeichnis, d.netzName, d.endung};
    // a network taken out of a result file is saved under a name of its own
    if (const size_t stelle = ort.name.find(tmpAusBin); stelle != std::string::npos) {
        ort.name.replace(stelle, std::char_traits<char>::length(tmpAusBin), " ");
        fragen = 1;
    }
    // so is one that has no file: its name, if any, is that of curve data or a recording
    if (!eigeneNetzdatei())
        fragen = 1;
    // the backup before a run goes beside the files under ".bkp" names
    const bool sicherung = sicherungsOptionen & sicherungBit::WirdGeschrieben;
    // the network's file turned into curve data (saved there as such): network text goes
    // over it only where the user names it in the dialog
    if (!fragen && !sicherung && kurvenDateiIst(ort.pfad()))
        fragen = 1;
    // a network without a file of its own has nothing to back up
    if (fragen && sicherung)
        return false;
    if (fragen) {
        plattform::DateiWahl wahl;
        if (!namenErfragen(wahl))
            return false;
        ort = {wahl.ordner, wahl.name, wahl.endung};
    }
    if (!ort.ordner.empty() && (ort.ordner.back() == '/' || ort.ordner.back() == '\\'))
        ort.ordner.pop_back();
    const std::string pfad = ort.pfad();
    const std::string netzDatei = sicherung ? pfad + ".bkp" : pfad;
    // a name that another file of this save has (the settings file, the current or reference
    // file beside it) would be written over or deleted right after the network
    if (!ausgabenGetrennt(netzSpeicherAusgaben(pfad, sicherung)))
        return false;

    // the network text, the protocol as the window shows it (or the saved text while it is
    // hidden), then the file; a failed write leaves folder, name, extension, path and title.
    // A text of our own gets the file's line ends as it is built.
    const bool mitCrLfGebaut = !fremderPuffer;
    if (mitCrLfGebaut)
        puffer.crLfZeilenenden();
    netzTextSchreiben();
    dateiSchlussSchreiben(puffer);
    if (!(mitCrLfGebaut ? netzDateiSchreiben(netzDatei, puffer.text())
                        : netzDateiSchreiben(netzDatei, mitCrLf(puffer.text()))))
        return false;

    // The backup is the two files under ".bkp" names and nothing else: the network keeps
    // its names and title, and the current and reference files beside the network file
    // keep what the user saved last.
    if (sicherung) {
        if (!cfgPfad.empty())
            cfgDateiSpeichern((cfgPfad + ".bkp").c_str(), nullptr, 1);
        textZeiger = &puffer;
        return true;
    }
    // the network is now the file just written; the settings file names it
    d.dokumentVerzeichnis = ort.ordner;
    d.netzName = ort.name;
    d.endung = ort.endung;
    d.vollerPfad = pfad;
    d.ohneNetzdatei = false;
    d.letzteNetzDatei = ort.name;
    netzTitelZeigen();
    cfgDateiSpeichern(cfgPfad.c_str(), nullptr, 1);
    textZeiger = &puffer;
    // the reference curves go beside the network just saved, never over another one's
    netzBegleitdateien.refPfad = endungErsetzen(pfad, "ref");
    if (programmStatus & programmBit::SomaDateiSchreiben)
        referenzKurvenSpeichern(netzBegleitdateien.refPfad);
    stromDateiSpeichern(1);
    return true;
}

} // namespace

bool netzDateiText(std::string& text)
{
    XBuffer* vorher = textZeiger;
    bool gut = false;
    try {
        XBuffer puffer;
        puffer.reservieren(textPlatz());
        puffer.crLfZeilenenden();
        textZeiger = &puffer;
        netzTextSchreiben();
        dateiSchlussSchreiben(puffer);
        text = puffer.text();
        gut = true;
    } catch (const std::bad_alloc&) {
        plattform::hinweisBox(meldungsTexte[949]);
    }
    textZeiger = vorher;
    return gut;
}

bool guiDateiSpeichern(int fragen, XBuffer* puffer, int inDatei)
{
    // A running series or script holds values in the network that are not the user's: no
    // file of the user's gets them. The backup before each run is no such file. The levels a
    // free permutation leaves are no reason: the writers put the user's values in their place.
    if (inDatei && !(sicherungsOptionen & sicherungBit::WirdGeschrieben))
        if (const int grund = fremdeWerteImNetz()) {
            plattform::hinweisBox(meldungsTexte[grund]);
            return false;
        }
    XBuffer* vorher = textZeiger;
    bool gut = false;
    try {
        gut = speichern(fragen, puffer, inDatei);
    } catch (const std::bad_alloc&) {
        // the old file is untouched: nothing was written yet
        plattform::hinweisBox(meldungsTexte[949]);
    }
    // a buffer of this writer is gone now; the caller's stays the cursor's
    textZeiger = puffer ? puffer : vorher;
    return gut;
}
