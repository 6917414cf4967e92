// files/netzdefinition.cpp - the neuron-definition export and import (*.def)
//
// The export writes each marked neuron's block under its place in the marked list, and
// the synapses between marked neurons renumbered by export number (the synapse writer's
// mode 3). The import gives the neurons free numbers and the synapses free ids: it reads
// each block under the file's number, then hands the synapse reader the synapse lines
// with ids, neuron numbers and type indices turned into those of this network.
#include "files/netzdefinition.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/lesen.h"
#include "files/neuronabschnitt.h"
#include "files/reizdefinitionen.h"
#include "files/synapsenabschnitt.h"
#include "files/textdatei.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr const char* kennung = "neuronen-definition fuer netzwerkmodel=";
constexpr const char* anzahlSchluessel = "anzahl neurone=";
constexpr const char* typenAnfang = "[SynapsenTypen-definition]";
constexpr const char* dateiEnde = "[Dateiende]";
constexpr int groessteSynapsenTypAnzahl = synapsenTabellenGroesse;

// ---- export ---------------------------------------------------------------------------------

// the old constant currents under the export number, as the network file keeps them
void altStromSchreiben(XBuffer& p, const NeuronDaten& n, int nummer)
{
    const std::pair<const char*, double> zahlen[] = {
        {"somaCurrent", n.somaCurrent}, {"somaSCStart", n.somaSCStart}, {"somaSCEnd", n.somaSCEnd},
        {"dendCurrent", n.dendCurrent}, {"dendSCStart", n.dendSCStart}, {"dendSCEnd", n.dendSCEnd},
    };
    for (const auto& [feld, wert] : zahlen)
        p.drucken("Current %d %s=%.15g\n", nummer, feld, wert);
    p.drucken("Current %d dendSCLocation=%d\n", nummer, n.dendSCLocation);
    p.drucken("Current %d noise=%d\n", nummer, n.rauschenAn);
}


// the type as the network file names it: an empty name is its kind's standard name
std::string typName(const SynapsenTyp& t)
{
    if (t.bezeichnung.empty() && t.ion >= 1 && t.ion <= standardSynapsenTypAnzahl)
        return stdSynapsenTypen[static_cast<size_t>(t.ion - 1)].bezeichnung;
    return t.bezeichnung;
}

// the chosen path; a name saved without an extension gets the default one
std::string dateiPfad(const plattform::DateiWahl& wahl, const std::string& vorgabeEndung)
{
    const std::string pfad = wahl.ordner.empty() ? wahl.name : wahl.ordner + "/" + wahl.name;
    const std::string endung = wahl.endung.empty() ? vorgabeEndung : wahl.endung;
    return endung.empty() ? pfad : pfad + "." + endung;
}

// the chooser of both commands: field 1 of text 917 titles the export, field 2 the import
bool dateiWaehlen(bool speichern, std::string& pfad)
{
    plattform::DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.name = speichern ? dateipfade.netzName : "";
    wahl.endung = "def";
    wahl.speichern = speichern;
    wahl.titel = textFeldHolen(meldungsTexte[917], speichern ? 1 : 2);
    wahl.filter.push_back({textFeldHolen(meldungsTexte[917], 3), "*.def"});
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    pfad = dateiPfad(wahl, speichern ? "def" : "");
    return true;
}

// ---- import ---------------------------------------------------------------------------------

bool ganzzahlAus(std::string_view wort, int& aus)
{
    while (!wort.empty() && (wort.back() == ' ' || wort.back() == '\t'))
        wort.remove_suffix(1);
    const auto [p, ec] = std::from_chars(wort.data(), wort.data() + wort.size(), aus);
    return !wort.empty() && ec == std::errc() && p == wort.data() + wort.size();
}

// one line "[zu Neuron %d ]Synapse %d key=value" or "Axo-Synapse %d key=value"
struct SynapsenZeile {
    bool axo = false;
    int nummer = 0;
    std::string schluessel;   // with its '='
    std::string wert;
};

std::vector<SynapsenZeile> synapsenZeilenLesen(std::string_view text)
{
    std::vector<SynapsenZeile> zeilen;
    for (size_t anfang = 0; anfang < text.size();) {
        size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos)
            ende = text.size();
        std::string_view z = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (z.starts_with("zu Neuron ")) {
            const size_t leer = z.find(' ', 10);
            z = leer == std::string_view::npos ? std::string_view() : z.substr(leer + 1);
        }
        SynapsenZeile s;
        s.axo = z.starts_with("Axo-Synapse ");
        if (!s.axo && !z.starts_with("Synapse "))
            continue;
        z.remove_prefix(s.axo ? 12 : 8);
        const size_t leer = z.find(' ');
        if (leer == std::string_view::npos || !ganzzahlAus(z.substr(0, leer), s.nummer))
            continue;
        z.remove_prefix(leer + 1);
        const size_t gleich = z.find('=');
        if (gleich == std::string_view::npos)
            continue;
        s.schluessel = z.substr(0, gleich + 1);
        s.wert = z.substr(gleich + 1);
        zeilen.push_back(std::move(s));
    }
    return zeilen;
}

// the numbers of the synapses the lines describe, each once, in the order of their first line
std::vector<int> synapsenNummern(const std::vector<SynapsenZeile>& zeilen, bool axo, const char* ersteZeile)
{
    std::vector<int> nummern;
    for (const SynapsenZeile& z : zeilen)
        if (z.axo == axo && z.schluessel == ersteZeile &&
            std::find(nummern.begin(), nummern.end(), z.nummer) == nummern.end())
            nummern.push_back(z.nummer);
    return nummern;
}

// up to anzahl numbers from 1 to grenze - 1 for which belegt is false, those above ab first
template <class B>
std::vector<int> freieNummern(size_t anzahl, int ab, int grenze, B&& belegt)
{
    std::vector<int> frei;
    for (int k = std::max(ab + 1, 1); k < grenze && frei.size() < anzahl; ++k)
        if (!belegt(k))
            frei.push_back(k);
    for (int k = 1; k <= ab && k < grenze && frei.size() < anzahl; ++k)
        if (!belegt(k))
            frei.push_back(k);
    return frei;
}

// The file's synapse type t as an index of this network's table: the entry of the same
// kind, potential and name, or a new one at its end. -1 when the file does not describe it.
int typAbbilden(char* typen, int t, std::map<int, int>& abgebildet)
{
    if (const auto da = abgebildet.find(t); da != abgebildet.end())
        return da->second;
    int& index = abgebildet[t] = -1;
    char schluessel[80];
    int ion = 0;
    double potential = 0.0;
    std::string name;
    std::snprintf(schluessel, sizeof schluessel, "Synapsentyp %d Ion=", t);
    if (!typen || !zahlLesen(ion, typen, schluessel) || ion < ionenArt::Natrium || ion > ionenArt::Elektrisch)
        return index;
    std::snprintf(schluessel, sizeof schluessel, "Synapsentyp %d Gleichgewichtspotential=", t);
    if (!zahlLesen(potential, typen, schluessel))
        return index;
    std::snprintf(schluessel, sizeof schluessel, "Synapsentyp %d Bezeichnung=", t);
    schluesselTextLesen(name, synapsenTypNameLaenge + 1, typen, schluessel);
    for (size_t i = 0; i < synapsenTypen.size(); ++i) {
        const SynapsenTyp& y = synapsenTypen[i];
        if (y.ion == ion && y.potential == potential && typName(y) == name)
            return index = static_cast<int>(i);
    }
    if (static_cast<int>(synapsenTypen.size()) >= groessteSynapsenTypAnzahl)
        return index;
    synapsenTypen.push_back({ion, potential, name});
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
    return index = static_cast<int>(synapsenTypen.size()) - 1;
}

// What the file numbers become in this network.
struct Abbildung {
    std::array<int, neuronTabellenGroesse> neuron{};   // file number -> new number, 0 none
    std::map<int, int> synapse, axo;                   // export number -> new id
    std::map<int, int> typ;                            // file type -> type index, -1 none
    char* typen = nullptr;                             // the file's type section
};

// The synapse lines as the synapse reader takes them from a network text.
std::string synapsenTextBilden(const std::vector<SynapsenZeile>& zeilen, Abbildung& a)
{
    auto neuron = [&](const std::string& wert) {
        int k = 0;
        return ganzzahlAus(wert, k) && neuronNummerGueltig(k) ? a.neuron[static_cast<size_t>(k)] : 0;
    };
    auto aus = [](const std::map<int, int>& m, int k, int sonst) {
        const auto da = m.find(k);
        return da == m.end() ? sonst : da->second;
    };
    std::string text;
    for (const SynapsenZeile& z : zeilen) {
        const int id = aus(z.axo ? a.axo : a.synapse, z.nummer, 0);
        if (id == 0)
            continue;   // a line of no synapse
        std::string wert = z.wert;
        const std::string& s = z.schluessel;
        int k = 0;
        if (s == "synapticType=")
            wert = std::to_string(ganzzahlAus(wert, k) ? typAbbilden(a.typen, k, a.typ) : -1);
        else if (!z.axo && (s == "von=" || s == "auf="))
            wert = std::to_string(neuron(wert));
        else if (z.axo && s == "auf SynapseID=")
            wert = std::to_string(ganzzahlAus(wert, k) ? aus(a.synapse, k, 0) : 0);
        else if (z.axo && (s == "von NeuronID=" || s == "parent NeuronID von target Synapse=" ||
                           s == "target NeuronID von target Synapse="))
            wert = std::to_string(neuron(wert));
        text += (z.axo ? "Axo-Synapse " : "Synapse ") + std::to_string(id) + " " + s + wert + "\n";
    }
    return text + "[ende axo-axonische Synapsen]\n";
}

// the neurons of a refused import go again, and with them everything they brought
void rueckgaengig(const std::vector<NeuronDaten*>& neue, int hoechsteNummer, size_t typAnzahl)
{
    for (NeuronDaten* n : neue) {
        neuronFreigeben(n);
        --neuronKette.anzahl;
    }
    neuronKette.hoechsteNummer = hoechsteNummer;
    if (synapsenTypen.size() > typAnzahl)
        synapsenTypen.resize(typAnzahl);
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
}

int verweigern(const std::string& pfad)
{
    plattform::hinweisBox(meldungFormatieren(918, pfad));
    return 0;
}

int definitionLesen(std::string& text, const std::string& pfad)
{
    // a definition file, whole to its end
    if (!text.starts_with(kennung) || text.find(std::string("\n") + dateiEnde) == std::string::npos)
        return verweigern(pfad);
    char* t = text.data();
    int modell = 0, anzahl = 0;
    if (!zahlLesen(modell, t, kennung) || !zahlLesen(anzahl, t, anzahlSchluessel) || anzahl < 1 ||
        anzahl >= neuronTabellenGroesse)
        return verweigern(pfad);
    std::vector<std::pair<int, char*>> bloecke;
    for (int k = 1; k <= anzahl; ++k) {
        const std::string marke = "[NEURON " + std::to_string(k) + "]\n";
        if (char* block = std::strstr(t, marke.c_str()))
            bloecke.emplace_back(k, block);
    }
    if (bloecke.empty())
        return verweigern(pfad);

    // room for every neuron and synapse
    const std::vector<SynapsenZeile> zeilen = synapsenZeilenLesen(text);
    const std::vector<int> synapsen = synapsenNummern(zeilen, false, "von=");
    const std::vector<int> axo = synapsenNummern(zeilen, true, "auf SynapseID=");
    const std::vector<int> nummern = freieNummern(bloecke.size(), neuronKette.hoechsteNummer, neuronTabellenGroesse,
                                                  [](int k) { return neuronNachNummer(k) != nullptr; });
    const std::vector<int> ids = freieNummern(synapsen.size() + axo.size(), hoechsteSynapsenId, synapsenTabellenGroesse,
                                              [](int k) { return synapseNachId(k) != nullptr; });
    if (nummern.size() < bloecke.size() || ids.size() < synapsen.size() + axo.size()) {
        plattform::hinweisBox(meldungFormatieren(919, static_cast<int>(bloecke.size()),
                                                 static_cast<int>(synapsen.size() + axo.size())));
        return 0;
    }

    // the neurons, each read under the number its keys carry in the file
    const int hoechsteNummer = neuronKette.hoechsteNummer;
    const size_t typAnzahl = synapsenTypen.size();
    Abbildung a;
    std::vector<NeuronDaten*> neue;
    neue.reserve(bloecke.size());   // so a neuron that got into the network is in the list a refusal takes back
    neuronMarkieren(nullptr, 0);
    editierStatus |= editierBit::DateiWirdGelesen;
    lesenBeginnen();
    struct Zuruecksetzen {
        ~Zuruecksetzen() { editierStatus &= ~(editierBit::DateiWirdGelesen | editierBit::LesenAbgebrochen); }
    } zuruecksetzen;
    // an end on the way has freed the neurons already
    const auto abbrechen = [&] {
        if (!programmEndet())
            rueckgaengig(neue, hoechsteNummer, typAnzahl);
        return 0;
    };
    try {
        for (size_t i = 0; i < bloecke.size(); ++i) {
            const auto [k, block] = bloecke[i];
            NeuronDaten* n = neuronNeu(nummern[i], 0);
            if (!n)
                return abbrechen();   // said why, or the program is ending
            ++neuronKette.anzahl;
            neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummern[i]);
            neue.push_back(n);
            a.neuron[static_cast<size_t>(k)] = nummern[i];
            n->nummer = k;
            guiNeuronLaden(n, block);
            const int gelesen = physParameterLaden(n, block);
            stromreizSchluesselLesen(n, t);
            n->nummer = nummern[i];
            n->hauptDiagramm.neuronId = nummern[i];
            if (!gelesen)
                return abbrechen();   // the user cancelled reading its channels
        }

        // the synapses under free ids, their types found or added
        for (size_t i = 0; i < synapsen.size(); ++i)
            a.synapse[synapsen[i]] = ids[i];
        for (size_t i = 0; i < axo.size(); ++i)
            a.axo[axo[i]] = ids[synapsen.size() + i];
        a.typen = std::strstr(t, typenAnfang);
        std::string synapsenText = synapsenTextBilden(zeilen, a);
        SynapsenIdListen liste;
        liste.synapsen.assign(ids.begin(), ids.begin() + static_cast<long>(synapsen.size()));
        liste.axoSynapsen.assign(ids.begin() + static_cast<long>(synapsen.size()), ids.end());
        if (!synapsenLaden(synapsenText.data(), liste))
            return abbrechen();
    } catch (const std::bad_alloc&) {
        // said while the import is still under way: the end offers nothing of a network
        // half imported, and Cancel abandons the import, which takes its neurons back
        endeMelden(EndeForm::Info, meldungFormatieren(133));
        return abbrechen();
    }
    // Cancel at a box that ends abandons the import, whichever step showed it
    if (lesenAbgebrochen())
        return abbrechen();

    // the new neurons are the marked ones, so the user can move them at once
    for (NeuronDaten* n : neue)
        neuronMarkieren(n, 1);
    einstellungenAktualisieren(nullptr, 0);
    if (fensterhandles.hauptfenster)
        plattform::ungueltigMachen(fensterhandles.hauptfenster);
    return static_cast<int>(neue.size());
}

} // namespace

std::string netzwerkDefinitionText()
{
    XBuffer* vorher = textZeiger;
    XBuffer puffer;
    textZeiger = &puffer;
    puffer.drucken("%s%d\n", kennung, simulationsParameter.netzwerkmodell);
    puffer.drucken("%s%d\n", anzahlSchluessel, markierteNeurone.anzahl());

    // each neuron's block and its synapses to marked neurons
    definitionsExport = DefinitionsExport{};
    int nummer = 0;
    for (NeuronDaten* n : markierteNeurone.liste) {
        ++nummer;
        if (!n)
            continue;
        puffer.drucken("[NEURON %d]\n", nummer);
        guiNeuronSpeichern(n, nummer, nullptr, puffer, 0);
        altStromSchreiben(puffer, *n, nummer);
        puffer.drucken("[ende NEURON %d]\n", nummer);
        guiSynapsenSpeichern(n, nullptr, 3, puffer, 0);
    }

    // axo-axonic synapses on exported synapses, from marked neurons
    std::vector<int> typen = definitionsExport.benutzteTypen;
    puffer.drucken("[axo-axonische Synapsen]\n");
    int axoNummer = 0;
    for (size_t i = 0; i < definitionsExport.synapsen.size(); ++i) {
        const ExportSynapse& e = definitionsExport.synapsen[i];
        for (AxoKnoten* k = e.synapse->axoKnoten; k; k = k->naechste) {
            SynapseDaten* axoSynapse = k->synapse;
            const int quelle = axoSynapse ? markierteNeurone.position(axoSynapse->quelle) : 0;
            if (quelle == 0)
                continue;
            guiAxoSynapseSpeichern(axoSynapse, static_cast<int>(i) + 1, quelle, e.quellNummer, e.zielNummer,
                                   e.synapse->zielBereich, ++axoNummer, nullptr, puffer, 0);
            if (std::find(typen.begin(), typen.end(), axoSynapse->synapsenTyp) == typen.end())
                typen.push_back(axoSynapse->synapsenTyp);
        }
    }
    puffer.drucken("[ende axo-axonische Synapsen]\n");

    // the types under their index in this network, which the synapse lines name
    puffer.drucken("%s\n", typenAnfang);
    for (int i : typen) {
        if (i < 0 || i >= static_cast<int>(synapsenTypen.size()))
            continue;
        const SynapsenTyp& y = synapsenTypen[static_cast<size_t>(i)];
        puffer.drucken("Synapsentyp %d Ion=%d\n", i, y.ion);
        puffer.drucken("Synapsentyp %d Gleichgewichtspotential=%s\n", i, zahlText(y.potential).c_str());
        puffer.drucken("Synapsentyp %d Bezeichnung=%s\n", i, typName(y).c_str());
    }
    puffer.drucken("[ende SynapsenTypen-definition]\n%s\n", dateiEnde);
    textZeiger = vorher;
    return puffer.text();
}

bool netzwerkDefinitionSchreiben(const std::string& pfad)
{
    if (markierteNeurone.anzahl() == 0) {
        plattform::hinweisBox(meldungsTexte[916]);
        return false;
    }
    std::string text;
    try {
        text = netzwerkDefinitionText();
    } catch (const std::bad_alloc&) {
        plattform::hinweisBox(meldungFormatieren(75, pfad));
        return false;
    }
    return textDateiSpeichern(pfad, text);
}

int netzwerkDefinitionImportieren(const std::string& pfad)
{
    std::string text;
    if (!textDateiLesen(pfad, text)) {
        plattform::hinweisBox(meldungFormatieren(73, pfad));
        return 0;
    }
    return netzwerkDefinitionTextImportieren(std::move(text), pfad);
}

int netzwerkDefinitionTextImportieren(std::string text, const std::string& herkunft)
{
    try {
        return definitionLesen(text, herkunft);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungFormatieren(133));
        return 0;
    }
}

void netzwerkDefinitionSpeichern()
{
    if (markierteNeurone.anzahl() == 0) {
        plattform::hinweisBox(meldungsTexte[916]);
        return;
    }
    std::string pfad;
    if (dateiWaehlen(true, pfad))
        netzwerkDefinitionSchreiben(pfad);
}

void netzwerkDefinitionLesen()
{
    std::string pfad;
    if (dateiWaehlen(false, pfad))
        netzwerkDefinitionImportieren(pfad);
}
