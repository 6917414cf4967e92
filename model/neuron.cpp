// model/neuron.cpp - creating and freeing neurons
#include "model/netz.h"
#include "core/endemeldung.h"
#include "core/fehler.h"
#include "model/serverdaten.h"
#include "model/simulationsparameter.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "texts/texte.h"
#include <algorithm>
#include <new>

bool (*neuronSpeicherVerweigert)() = nullptr;

namespace {

bool gehoertZu(const DiagrammDaten* d, NeuronDaten& n)
{
    for (const DiagrammDaten* x = &n.hauptDiagramm; x; x = x->naechstes)
        if (x == d)
            return true;
    return false;
}

// the neuron count goes to the status bar unless a file creates neurons or the bar is off
bool statusMelden()
{
    return !(programmStatus & programmBit::KeineStatusleiste) && !(editierStatus & editierBit::DateiWirdGelesen);
}

} // namespace

bool segmentAnzahlPruefen(int segmente)
{
    if (segmente >= 0 && segmente <= groessteSegmentAnzahl)
        return true;
    plattform::hinweisBox(meldungFormatieren(841, segmente, groessteSegmentAnzahl));
    return false;
}

bool kompartimenteAnpassen(NeuronDaten& n, int segmente)
{
    if (segmente < 0 || segmente > groessteSegmentAnzahl)
        return false;
    const size_t alt = n.potentiale.size();
    const size_t neu = static_cast<size_t>(segmente) + 1;
    // a new segment starts at the dendrite start potential, without current
    n.potentiale.resize(neu, n.parameter[par::DendritStartpotential]);
    n.synStromChemisch.resize(neu, 0.0);
    n.synStromElektrisch.resize(neu, 0.0);
    n.stromTabellen.resize(neu);
    for (size_t k = alt; k < neu; ++k)
        stromTabelleStandard(n.stromTabellen[k], simulationsParameter.simulationsDauer);
    n.segmentAnzahl = segmente;
    n.kompartimentSchalter[1] = segmente;
    n.dendSCLocation = std::min(n.dendSCLocation, segmente);
    return true;
}

namespace {

NeuronDaten* neuAnlegen(int nummer, int standardDateien, bool inKette)
{
    // numbers index the table: only 1..1023 and the scratch record
    if (nummer != -1 && (!neuronNummerGueltig(nummer) || neuronNachNummer(nummer)))
        return nullptr;
    // a count that bypassed segmentAnzahlSetzen: no arrays can follow it
    const int n = simulationsParameter.anzahlSegmente;
    if (!segmentAnzahlPruefen(n))
        return nullptr;

    // the record; while a network is being read, Cancel at the box abandons only the read
    NeuronDaten* neuron =
        neuronSpeicherVerweigert && neuronSpeicherVerweigert() ? nullptr : new (std::nothrow) NeuronDaten;
    if (!neuron) {
        endeMelden(EndeForm::Info, meldungFormatieren(133));
        return nullptr;
    }
    // the per-compartment arrays: zeroed, tables without points
    try {
        neuron->potentiale.assign(n + 1, 0.0);
        neuron->synStromChemisch.assign(n + 1, 0.0);
        neuron->synStromElektrisch.assign(n + 1, 0.0);
        neuron->stromTabellen.resize(n + 1);
    } catch (const std::bad_alloc&) {
        delete neuron;
        fehlerMelden(114);
        return nullptr;
    }
    neuron->segmentAnzahl = n;

    // links and switches
    neuron->nummer = nummer;
    neuron->vorigesNeuron = inKette ? neuronKette.ende : nullptr;
    neuron->hilfsneuron = inKette ? 0 : 1;
    neuron->kompartimentSchalter = {1, n, 0, 1};

    // the scratch record is in no list and no table
    if (nummer == -1)
        return neuron;

    // at the end of the chain
    if (inKette) {
        if (neuronKette.ende)
            neuronKette.ende->naechstesNeuron = neuron;
        else
            neuronKette.kopf = neuron;
        neuronKette.ende = neuron;
    }

    // the standard neuron's values of the network model
    parameterGruppeZuruecksetzen(neuron, simulationsParameter.netzwerkmodell, 1);

    // the neuron count in the status bar
    if (inKette && statusMelden()) {
        const bool ohnePlusEins = modusStatus & modusBit::NeuronzahlOhnePlusEins;
        const int zahl = ohnePlusEins ? neuronKette.anzahl : neuronKette.anzahl + 1;
        if (neuron->vorigesNeuron)
            statusTeilSetzen(0, meldungFormatieren(773, zahl));
        else
            statusTeilSetzen(0, ohnePlusEins ? meldungsTexte[775] : meldungFormatieren(774, zahl));
    }

    // into the table
    einstellungenAktualisieren(neuron, 0);

    // the defaults; a neuron of the editor rates its spike train as the standard neuron does
    if (standardDateien) {
        neuronStandardwerte(*neuron);
        static_cast<SpikefolgenEinstellungen&>(neuron->spikefolge) = stdNeuron.spikefolge;
    } else {
        neuronGrundwerte(*neuron);
    }
    // the main diagram in the template's format: a colour the record leaves at 0 would
    // draw black, since only an unset colour falls back to the template's
    DiagrammDaten& haupt = neuron->hauptDiagramm;
    diagrammFormatKopieren(&haupt, &diagrammVorlage, neuron, 1);
    diagrammFormatKopieren(&haupt, &diagrammVorlage, neuron, 2);
    haupt.rechteckFarbe = diagrammVorlage.rechteckFarbe;
    return neuron;
}

} // namespace

NeuronDaten* neuronNeu(int nummer, int standardDateien) { return neuAnlegen(nummer, standardDateien, true); }

NeuronDaten* hilfsneuronNeu(int nummer) { return nummer == -1 ? nullptr : neuAnlegen(nummer, 1, false); }

void neuronFensterLoeschen(NeuronDaten& neuron)
{
    // every stored window of the neuron leaves the list; the rest moves up (the whole
    // network's list went before)
    if (!netzWirdAbgebaut) {
        auto ende = std::remove_if(fensterliste.begin(), fensterliste.end(),
                                   [&](const FensterlistenEintrag& e) { return e.neuronId == neuron.nummer; });
        std::fill(ende, fensterliste.end(), FensterlistenEintrag{});
    }

    // the diagrams: the main one stays in the record, the others go; nothing may point
    // at them afterwards
    for (const DiagrammDaten* x = &neuron.hauptDiagramm; x; x = x->naechstes)
        diagrammVerweiseLoesen(*x);
    // The windows go while the chain is whole: a window that goes looks its diagram up in
    // its neuron's chain. Then the further records leave the chain and are freed.
    for (DiagrammDaten* x = &neuron.hauptDiagramm; x; x = x->naechstes)
        if (x->fenster) {
            plattform::fensterZerstoeren(x->fenster);
            x->fenster = nullptr;
        }
    DiagrammDaten* weitere = neuron.hauptDiagramm.naechstes;
    neuron.hauptDiagramm.naechstes = nullptr;
    diagrammFreigeben(neuron.hauptDiagramm);
    while (weitere) {
        DiagrammDaten* weiter = weitere->naechstes;
        diagrammFreigeben(*weitere);
        delete weitere;
        weitere = weiter;
    }

    // K(Ca) and the pictures
    neuron.kca.reset();
    plattform::bildLoeschen(neuron.bild1);
    plattform::bildLoeschen(neuron.bild2);
    neuron.bild1 = neuron.bild2 = nullptr;
    neuron.bildDC = nullptr;
    if (neuron.markenBild1Benutzt)
        plattform::bildLoeschen(neuron.markenBild1);
    if (neuron.markenBild2Benutzt)
        plattform::bildLoeschen(neuron.markenBild2);
    neuron.markenBild1 = neuron.markenBild2 = nullptr;
    neuron.markenBild1Benutzt = neuron.markenBild2Benutzt = 0;
}

void neuronFreigeben(NeuronDaten* neuron)
{
    if (!neuron)
        return;
    // the per-compartment arrays
    neuron->potentiale.clear();
    neuron->synStromChemisch.clear();
    neuron->synStromElektrisch.clear();
    neuron->stromTabellen.clear();

    // outgoing synapses; stop if a deletion leaves the list as it was
    while (SynapseDaten* s = neuron->ausgangsSynapsen) {
        synapseLoeschen(neuron, s, 0);
        if (neuron->ausgangsSynapsen == s)
            break;
    }
    // incoming ones: while a pool exists, the first sender of the first pool. Deleting
    // the last sender frees the pool, so no pool is held across a deletion.
    while (SynapsenPool* p = neuron->eingangsPools) {
        if (!p->sender || !p->sender->synapse) {
            poolEntfernen(*neuron, p);
            continue;
        }
        SynapseDaten* s = p->sender->synapse;
        synapseLoeschen(s->quelle, s, 0);
        if (neuron->eingangsPools == p && p->sender && p->sender->synapse == s)
            break;
    }

    // its diagrams go with the windows below: nothing may keep pointing at them
    if (gehoertZu(aktuellesDiagramm.diagramm, *neuron)) {
        aktuellesDiagramm.diagramm = nullptr;
        aktuellesDiagramm.kurvenSlot = 0;
        aktuellesDiagramm.kurvenWort = 0;
    }
    if (gehoertZu(aktuellesDiagramm.messDiagramm, *neuron))
        aktuellesDiagramm.messDiagramm = nullptr;

    // the scratch record is in no list; its resources still go
    if (neuron->nummer == -1) {
        neuronFensterLoeschen(*neuron);
        delete neuron;
        return;
    }

    // windows, diagrams, pictures
    neuronFensterLoeschen(*neuron);

    // the neuron count; of a network taken apart, the count its last neuron leaves
    if (!neuron->hilfsneuron && statusMelden() && (!netzWirdAbgebaut || neuronKette.kopf == neuronKette.ende)) {
        if (neuronKette.anzahl == 2)
            statusTeilSetzen(0, meldungFormatieren(774, 1));
        else if (neuronKette.anzahl == 1)
            statusTeilSetzen(0, meldungFormatieren(775));
        else
            statusTeilSetzen(0, meldungFormatieren(773, neuronKette.anzahl - 1));
    }

    // nothing keeps pointing at it
    if (letztesZielNeuron == neuron->nummer)
        letztesZielNeuron = 0;
    // the server keeps neurons by number: a later neuron of that number is not the chosen one
    if (serverDaten.eingangsNeuron == neuron->nummer) {
        serverDaten.eingangsNeuron = 0;
        serverDaten.eingangsNeuronName.clear();
    }
    if (serverDaten.ausgangsNeuron == neuron->nummer) {
        serverDaten.ausgangsNeuron = 0;
        serverDaten.ausgangsNeuronName.clear();
    }
    if (serverDaten.angezeigtesNeuron == neuron->nummer)
        serverDaten.angezeigtesNeuron = 0;
    // the spike recording: a playback must not reach it, before or after its place
    {
        auto& e = spikeAufzeichnung.ereignisse;
        const auto davor = std::count_if(e.begin(), e.begin() + std::clamp<std::ptrdiff_t>(spikeAufzeichnung.wiedergabeIndex, 0, std::ssize(e)),
                                         [neuron](const SpikeEreignis& x) { return x.neuron == neuron; });
        spikeAufzeichnung.wiedergabeIndex -= static_cast<int>(davor);
        std::erase_if(e, [neuron](const SpikeEreignis& x) { return x.neuron == neuron; });
        spikeAufzeichnung.letzterIndex = static_cast<int>(e.size());
    }
    if (neuronNachNummer(neuron->nummer) == neuron)
        neuronTabelleSetzen(neuron->nummer, nullptr);
    if (aktuellesNeuron == neuron)
        aktuellesNeuron = nullptr;
    if (std::find(markierteNeurone.liste.begin(), markierteNeurone.liste.end(), neuron) != markierteNeurone.liste.end())
        neuronMarkieren(neuron, 0);

    // out of the chain
    if (neuron->vorigesNeuron)
        neuron->vorigesNeuron->naechstesNeuron = neuron->naechstesNeuron;
    else if (neuronKette.kopf == neuron)
        neuronKette.kopf = neuron->naechstesNeuron;
    if (neuron->naechstesNeuron)
        neuron->naechstesNeuron->vorigesNeuron = neuron->vorigesNeuron;
    else if (neuronKette.ende == neuron)
        neuronKette.ende = neuron->vorigesNeuron;
    delete neuron;
}

std::string neuronAnzeigename(const NeuronDaten& n)
{
    if (!n.name.empty())
        return n.name;
    // formatted aside: a caller may be building a message in meldungsPuffer meanwhile
    const std::array<FormatArgument, 1> nummer{FormatArgument(n.nummer)};
    return sicherFormatieren(meldungsTexte[1404], meldungsTexte.eingebauterText(1404), nummer);
}

int neuronAuswahlMenu()
{
    // one entry per neuron in list order, command id = position from 1
    plattform::Menue menue = plattform::menueErzeugen();
    int k = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        plattform::postenAnhaengen(menue, 0, ++k, neuronAnzeigename(*n));
    // at the cursor; the handle is known while the menu is open
    offenesKontextMenu = menue;
    const int gewaehlt = plattform::popupMenue(menue, fensterhandles.hauptfenster, plattform::mausPosition());
    offenesKontextMenu = nullptr;
    plattform::menueZerstoeren(menue);
    if (fensterhandles.hauptfenster)
        plattform::ungueltigMachen(fensterhandles.hauptfenster);
    // the number of the chosen entry
    k = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (++k == gewaehlt)
            return n->nummer;
    return 0;
}

MarkierteNeurone markierteNeurone;

void neuronMarkieren(NeuronDaten* neuron, int modus)
{
    auto& liste = markierteNeurone.liste;
    if (!neuron) {
        if (modus == 0) {
            for (NeuronDaten* n : liste)
                n->markiert = 0;
            liste.clear();
        }
        return;
    }
    const auto da = std::find(liste.begin(), liste.end(), neuron);
    if (modus == 1) {
        if (da == liste.end())     // a neuron is in the list once, however often it is clicked
            liste.push_back(neuron);
    } else if (da != liste.end()) {
        liste.erase(da);
    }
    neuron->markiert = modus == 1 ? 1 : 0;
}
