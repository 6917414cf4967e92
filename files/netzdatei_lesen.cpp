// files/netzdatei_lesen.cpp - the network reader: the text's source, then every section in
// the order of the file
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "files/diagrammeinstellungen.h"
#include "files/lesen.h"
#include "files/netzdatei.h"
#include "files/textdatei.h"
#include "files/netzdatei_abschnitte.h"
#include "files/neuronabschnitt.h"
#include "files/objektdaten.h"
#include "files/protokolldatei.h"
#include "files/schriftdefinitionen.h"
#include "files/stromdateien.h"
#include "model/ergebnisdateien.h"
#include "model/kanalzeiger.h"
#include "model/permutationsfenster.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

int serverBlockVorhanden = 0;
NetzBegleitdateien netzBegleitdateien;

std::string endungErsetzen(const std::string& name, const char* endung)
{
    const size_t ordner = name.find_last_of("/\\");
    const size_t punkt = name.rfind('.');
    const bool hatEndung = punkt != std::string::npos && (ordner == std::string::npos || punkt > ordner);
    return (hatEndung ? name.substr(0, punkt) : name) + "." + endung;
}

namespace {

constexpr const char* netzMarke = "[neuronen-netzwerk-datei]";
constexpr int weiter = -1;   // a section was read; the next one follows

void statusZeigen(bool undo, const std::string& text)
{
    if (!undo)
        statusTeilSetzen(0, text);
}

// A refused text: its message, and nothing of it stays - the network is empty again. After
// a box that ended the program or abandoned the read no message follows: the user chose.
int verweigern(const std::string& meldung)
{
    if (!programmEndet() && !lesenAbgebrochen())
        plattform::hinweisBox(meldung);
    editierStatus &= ~editierBit::DateiWirdGelesen;
    netzLoeschen();
    return 0;
}
int verweigern()
{
    editierStatus &= ~editierBit::DateiWirdGelesen;
    netzLoeschen();
    return 0;
}

// "[NEURON k]" from ab on, else from the text start
char* neuronBlockSuchen(char* text, char* ab, int nummer)
{
    const std::string marke = "[NEURON " + std::to_string(nummer) + "]";
    char* block = textSuchen(ab, marke.c_str());
    return block ? block : textSuchen(text, marke.c_str());
}

// Creates the neurons of the list, each with its block, diagrams and physiology.
int neuroneErzeugen(char* text, const NetzKopf& kopf, const std::string& name, bool undo)
{
    neuronKette.hoechsteNummer = 0;
    statusZeigen(undo, meldungsTexte[941]);
    editierStatus |= editierBit::DateiWirdGelesen;
    // texts older than the server section store the pause of a series the old way
    altePausenUmrechnen = serverBlockVorhanden == 0;
    struct Zuruecksetzen { ~Zuruecksetzen() { altePausenUmrechnen = false; } } zuruecksetzen;
    char* letzter = text;
    for (size_t i = 0; i < kopf.neuronNummern.size(); ++i) {
        const int k = kopf.neuronNummern[i];
        neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, k);
        statusZeigen(undo, meldungFormatieren(942, static_cast<int>(i) + 1));
        NeuronDaten* n = neuronNeu(k, 0);
        if (!n)
            return verweigern(meldungFormatieren(253, name, k));
        ++neuronKette.anzahl;
        char* block = neuronBlockSuchen(text, letzter, k);
        if (!block)
            return verweigern(meldungFormatieren(253, name, k));
        guiNeuronLaden(n, block);
        n->hauptDiagramm.neuronId = k;
        diagrammEinstellungenLaden(&n->hauptDiagramm, block);
        if (!physParameterLaden(n, block))
            return verweigern(meldungFormatieren(253, name, k));
        kanalZeigerAktualisieren(*n);       // the channel slots record what they name
        letzter = block;
    }
    editierStatus &= ~editierBit::DateiWirdGelesen;
    statusZeigen(undo, meldungsTexte[943]);
    fensterlisteAbschnittLesen(text);
    return weiter;
}

// The neurons are there already: each one takes the values of its block.
void neuroneAktualisieren(char* text)
{
    altePausenUmrechnen = serverBlockVorhanden == 0;
    struct Zuruecksetzen { ~Zuruecksetzen() { altePausenUmrechnen = false; } } zuruecksetzen;
    char* letzter = text;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        char* block = neuronBlockSuchen(text, letzter, n->nummer);
        if (!block)
            continue;
        guiNeuronLaden(n, block);
        diagrammEinstellungenLaden(&n->hauptDiagramm, block);
        kanalZeigerAktualisieren(*n);       // the channel slots record what they name
        letzter = block;
    }
}

// Every section from the global keys to the objects; the protocol text is cut off.
int abschnitteLesen(char* text, const std::string& name, bool undo)
{
    // global keys with the id lists: a list that cannot be trusted refuses the text
    NetzKopf kopf;
    int fehler = 0;
    {
        Abschnitt schnitt(text, "[seiteneinstellungen start]", true);
        fehler = kopfLesen(text, kopf);
    }
    if (fehler == 248) {
        plattform::hinweisBox(meldungFormatieren(248, name));
        return 1;
    }
    if (fehler != 0)
        return verweigern(meldungFormatieren(fehler, name));

    // page settings, fonts, curve colours, permutation settings and its diagram
    seiteneinstellungenLesen(text);
    fontDefinitionenLaden(text);
    kurvenfarbenLesen(text);
    permutationLesen(text, serverBlockVorhanden == 0);
    diagrammEinstellungenLaden(&permutationsDiagramm, text);

    // neurons
    if (!neuronKette.kopf) {
        if (const int e = neuroneErzeugen(text, kopf, name, undo); e != weiter)
            return e;
    } else {
        neuroneAktualisieren(text);
    }

    // synapse types and synapses; a text without a type count gets the four standard types
    char* typen = std::strstr(text, "[SynapsenTypen-definition]");
    if (!typen)
        typen = text;
    bool typenGut;
    if (synapsenTypAnzahl <= 0) {
        synapsenTypAnzahl = standardSynapsenTypAnzahl;
        typenGut = synapsenTypenLaden(nullptr);
    } else {
        typenGut = synapsenTypenLaden(typen);
    }
    if (!typenGut)
        return verweigern();
    char* synapsen = std::strstr(typen, "[Synapsen auf soma oder dendrit]");
    if (!synapsen)
        synapsen = text;
    if (!synapsenLaden(synapsen, kopf.ids, undo))
        return verweigern();

    // groups, server
    if (!gruppenLesen(text, synapsen))
        return verweigern();
    serverLesen(text);

    // the old constant currents
    if (kopf.stromAnzahl > neuronKette.anzahl)
        plattform::hinweisBox(meldungFormatieren(258, name, kopf.stromAnzahl, neuronKette.anzahl));
    if (int neuron = 0; !altStromLesen(text, neuron))
        return verweigern(meldungFormatieren(253, name, neuron));
    if ((programmStatus & programmBit::StromdateienNutzen) && !stromDateiPfad.empty() &&
        plattform::dateiExistiert(stromDateiPfad) && !stromDateiLaden(0, 0))
        plattform::hinweisBox(meldungsTexte[414]);
    gereizteKompartimenteGesamtZaehlen();

    // feedback and collision objects
    const int rueckkopplungen = rueckkopplungsdatenLaden(nullptr, text, 0);
    for (int i = 0; i < rueckkopplungen; ++i) {
        Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
        if (!o)
            return 0;
        rueckkopplungsdatenLaden(o, text, i);
    }
    const int kollisionen = kollisionsdatenLaden(nullptr, text, 0);
    for (int i = 0; i < kollisionen; ++i) {
        Kollisionsobjekt* o = kollisionsObjektNeu();
        if (!o)
            return 0;
        kollisionsdatenLaden(o, text, i);
    }
    return weiter;
}

int netzLesen(char* text, const std::string& name, NetzQuelle quelle)
{
    const bool undo = quelle == NetzQuelle::Undo;
    netzTitelZeigen();
    int ergebnis;
    {
        // what a user wrote into the protocol is never taken for a section or a key
        char* protokollText = protokollBlockSuchen(text);
        Abschnitt schnitt(protokollText, "[ProtokollTextStart]");
        serverBlockVorhanden = std::strstr(text, "[Servereinstellungen]") ? 1 : 0;
        ergebnis = abschnitteLesen(text, name, undo);
    }
    if (ergebnis != weiter)
        return ergebnis;
    protokollEinstellungenLesen(fensterhandles.protokollfenster, text);

    const int64_t frei = plattform::verfuegbarerSpeicher();
    if (frei >= 0)
        permutationsSpeichergrenze = frei - 2097152;
    programmStatus |= programmBit::NetzGeladen;
    statusZeigen(undo, "");
    if (fensterhandles.hauptfenster)
        plattform::vordergrundSetzen(fensterhandles.hauptfenster);
    return 1;
}

} // namespace

int guiTextLaden(char* text, NetzQuelle quelle, std::string& name)
{
    char* netz = text ? std::strstr(text, netzMarke) : nullptr;
    if (!netz) {
        endeMelden(EndeForm::Hinweis, meldungsTexte[940]);
        return 0;
    }
    name = dateipfade.vollerPfad;
    if (quelle == NetzQuelle::Kurvendaten)
        rahmen::druckerSucheAnstossen(fensterhandles.hauptfenster);
    return netzLesen(netz, name, quelle);
}

int guiDateiLaden(std::string& name)
{
    datPfadSetzen(endungErsetzen(name, "dat"));
    netzBegleitdateien.refPfad = endungErsetzen(name, "ref");
    // the current file beside the network is the one its load reads when current files
    // are in use (deleting the old network forgot the previous one)
    stromDateiPfad = endungErsetzen(name, "cur");
    std::FILE* f = plattform::dateiOeffnen(name, "rb");
    if (!f) {
        plattform::hinweisBox(meldungFormatieren(73, name));
        return 0;
    }
    netzTitelZeigen();
    std::string text;
    long laenge = 0;
    if (dateiGanzLesen(f, text, laenge) == DateiGelesen::KeinSpeicher) {
        endeMelden(EndeForm::Info, meldungFormatieren(245, name, laenge));
        return 0;
    }
    dateipfade.letzteNetzLaenge = laenge;
    textAngleichen(text);
    if (!text.starts_with(netzMarke)) {
        plattform::hinweisBox(meldungFormatieren(246, name));
        return 1;
    }
    rahmen::druckerSucheAnstossen(fensterhandles.hauptfenster);
    return netzLesen(text.data(), name, NetzQuelle::Datei);
}
