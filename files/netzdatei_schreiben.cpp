// files/netzdatei_schreiben.cpp - the network writer: the network text in its fixed section
// order, the safe write of the network file and the reference-curve file beside it
#include "core/rahmen.h"
#include "core/status.h"
#include "files/diagrammeinstellungen.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "files/textdatei.h"
#include "files/netzdatei_abschnitte.h"
#include "files/neuronabschnitt.h"
#include "files/objektdaten.h"
#include "files/protokolldatei.h"
#include "files/schriftdefinitionen.h"
#include "files/stromdateien.h"
#include "model/kollision.h"
#include "model/laufstart.h"
#include "model/permutationsfenster.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
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

    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        // an auxiliary neuron should have gone with its run; it is kept all the same
        if (n->hilfsneuron)
            plattform::hinweisBox(meldungFormatieren(287, n->name));
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
        std::remove(plattform::pfadAufloesen(pfad).c_str());
}

// ---- saving ---------------------------------------------------------------------------------------

// The save dialog with the network's folder, name, extension and filter; false on cancel.
bool namenErfragen()
{
    Dateipfade& d = dateipfade;
    plattform::DateiWahl wahl;
    wahl.ordner = d.dokumentVerzeichnis;
    wahl.name = d.netzName;
    wahl.endung = d.endung;
    wahl.titel = meldungsTexte[948];
    wahl.speichern = true;
    // the settings file keeps '0' where the dialog separates text and pattern
    wahl.filter = plattform::filterAusText(d.filterText, '0');
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    d.dokumentVerzeichnis = wahl.ordner;
    d.netzName = wahl.name;
    d.endung = wahl.endung;
    return true;
}

std::string netzPfadBilden()
{
    Dateipfade& d = dateipfade;
    if (!d.dokumentVerzeichnis.empty() && (d.dokumentVerzeichnis.back() == '/' || d.dokumentVerzeichnis.back() == '\\'))
        d.dokumentVerzeichnis.pop_back();
    std::string pfad = d.dokumentVerzeichnis.empty() ? d.netzName : d.dokumentVerzeichnis + "/" + d.netzName;
    if (!d.endung.empty())
        pfad += "." + d.endung;
    return pfad;
}

bool speichern(int fragen, XBuffer* fremderPuffer, int inDatei)
{
    XBuffer eigenerPuffer;
    XBuffer& puffer = fremderPuffer ? *fremderPuffer : eigenerPuffer;
    textZeiger = &puffer;
    std::string netzDatei;
    if (inDatei) {
        Dateipfade& d = dateipfade;
        // a network taken out of a result file is saved under a name of its own
        if (const size_t stelle = d.netzName.find(tmpAusBin); stelle != std::string::npos) {
            d.netzName.replace(stelle, std::char_traits<char>::length(tmpAusBin), " ");
            d.vollerPfad.clear();
            fragen = 1;
        }
        // the dialog; a cancel writes nothing
        if (fragen && !namenErfragen())
            return false;
        // the network path
        d.vollerPfad = netzPfadBilden();
        // the backup before a run goes beside the files under ".bkp" names
        const bool sicherung = sicherungsOptionen & sicherungBit::WirdGeschrieben;
        const std::string cfgDatei = sicherung ? cfgPfad + ".bkp" : cfgPfad;
        netzDatei = sicherung ? d.vollerPfad + ".bkp" : d.vollerPfad;
        if (!sicherung && fensterhandles.hauptfenster)
            plattform::titelSetzen(fensterhandles.hauptfenster, d.vollerPfad);
        // the settings file first, with its own text
        cfgDateiSpeichern(cfgDatei.c_str(), nullptr, 1);
        textZeiger = &puffer;
    } else {
        // the settings text leads an in-memory text
        cfgDateiSpeichern(nullptr, &puffer, 0);
        textZeiger = &puffer;
    }

    netzTextSchreiben();

    if (fremderPuffer) {
        if (protokollTextSichern(fensterhandles.protokollfenster)) {
            puffer.drucken("\n[ProtokollTextStart]\n");
            puffer.anhaengen(protokoll.gesicherterText);
            puffer.drucken("\n[ProtokollTextEnde]\n");
        }
        protokollFensterSchluesselSpeichern(puffer);
        puffer.drucken("[Dateiende]\n");
        return true;
    }
    if (!inDatei)
        return true;

    // the protocol as the window shows it, or the saved text while it is hidden
    protokollSpeichern(protokoll.sichtbar ? nullptr : protokoll.gesicherterText.c_str(), puffer);
    puffer.drucken("[Dateiende]\n");
    if (!sicherSchreiben(netzDatei, mitCrLf(puffer.text()), 286))
        return false;
    // the reference curves go beside the network just saved, never over another one's
    netzBegleitdateien.refPfad = endungErsetzen(dateipfade.vollerPfad, "ref");
    if (programmStatus & programmBit::SomaDateiSchreiben)
        referenzKurvenSpeichern(netzBegleitdateien.refPfad);
    stromDateiSpeichern(1);
    return true;
}

} // namespace

bool guiDateiSpeichern(int fragen, XBuffer* puffer, int inDatei)
{
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
