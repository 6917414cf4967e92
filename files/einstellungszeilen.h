// files/einstellungszeilen.h - what the settings writer and reader share: the keys in the
// writer's order, the tables of the colour, stimulus and example-shape lines, the paths
//
// Each key with its '=' (Windows-1252 bytes, as the stored files have them). Numbers are
// found anywhere in the text, so a key that stands inside a longer one is written before
// it ("zoom faktor=" before "minimaler zoom faktor=").
#pragma once
#include "model/anzeigeeinstellungen.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include <string>

namespace cfgZeilen {

// [pfade und dateien]
inline constexpr const char* NetzName = "zuletzt geladene eingabedatei=";
inline constexpr const char* Verzeichnis = "zuletzt benutztes verzeichnis=";
inline constexpr const char* Skript = "zuletzt geladene skriptdatei=";
inline constexpr const char* NetzEndung = "extension fuer eingabedateien=";
inline constexpr const char* AusgabeEndung = "extension fuer ausgabedateien=";
inline constexpr const char* PermutationsEndung = "extension fuer permutationsdateien=";
inline constexpr const char* ProtokollEndung = "extension fuer protokolldateien=";
inline constexpr const char* CfgEndung = "extension fuer konfigurationsdateien=";
inline constexpr const char* FilterIndex = "filter fuer eingabedateien=";
inline constexpr const char* Unterverzeichnis = "unterverzeichnis fuer definitionsdateien=";
inline constexpr const char* StdNeuronDatei = "std neuron definitionsdatei=";
inline constexpr const char* OnOffDatei = "on-off kanal definitionsdatei=";
inline constexpr const char* SwimDatei = "swim kanal definitionsdatei=";
inline constexpr const char* HhDatei = "hh kanal definitionsdatei=";
inline constexpr const char* GbDatei = "gb kanal definitionsdatei=";
inline constexpr const char* NetzFilter = "dateityp fuer eingabedateien=";
inline constexpr const char* AusgabeFilter = "dateityp fuer ausgabedateien=";
inline constexpr const char* PermutationsFilter = "dateityp fuer permutationsdateien=";
inline constexpr const char* CfgFilter = "dateityp fuer konfigurationsdateien=";
inline constexpr const char* ProtokollFilter = "dateityp fuer protokolldateien=";

// the filters a settings file names when it is new or names none ('0' separates the parts);
// the writer writes them for empty ones, the refresh fills empty ones with them. They are
// the file's bytes, in German whatever the language: the choosers show the language's
// filter in their place (see eigenerFilter).
inline constexpr const char* netzFilterVorgabe = "Simulationsdateien (*.GUI)0*.GUI0alle Dateien (*.*)0*.*00";
inline constexpr const char* ausgabeFilterVorgabe =
    "Ausgabe-Dateien (*.ASC)0*.ASC0Text-Dateien (*.TXT)0*.TXT0alle Dateien (*.*)0*.*00";
inline constexpr const char* permutationsFilterVorgabe =
    "Permutations-Dateien (*.PMT)0*.PMT0Text-Dateien (*.TXT)0*.TXT0alle Dateien (*.*)0*.*00";
inline constexpr const char* cfgFilterVorgabe = "Config-Dateien (*.CFG)0*.CFG0alle Dateien (*.*)0*.*00";
inline constexpr const char* protokollFilterVorgabe =
    "Protokoll-Dateien (*.LOG)0*.LOG0Text-Dateien (*.TXT)0*.TXT0alle Dateien (*.*)0*.*00";

// the message texts of the choosers' own filters: network files, settings files
inline constexpr int netzFilterMeldung = 1660;
inline constexpr int cfgFilterMeldung = 1661;

// A filter the settings file stores ('0' separating its parts) is the user's own only where
// it differs from the program's default in either language: the file's default above and
// the language files' filter (message sprachMeldung) in German and in English. A default is
// what the settings write for an empty filter and what another language's session stored.
bool eigenerFilter(const std::string& gespeichert, const char* dateiVorgabe, int sprachMeldung);

// [parameter fuer den programmablauf]
inline constexpr const char* SofortOeffnen = "zuletzt geladenene datei sofort bearbeiten=";
inline constexpr const char* Sprache = "sprache=";
inline constexpr const char* Backup = "backup vor simulation speichern=";
inline constexpr const char* Undo = "maximale undo anzahl=";
inline constexpr const char* KontextCursor = "cursor mit kontext menue einfuegen=";
inline constexpr const char* ImportZeilenlaenge = "max. zeilenlaenge zum import von ascii-dateien=";
inline constexpr const char* DateiArt = "art der netzwerk-definitionsdatei (1: *.sim; 2: *.gui)=";
inline constexpr const char* SomaAscii = "somapotential aller neurone als ascii-datei ausgeben=";
inline constexpr const char* SomaBinaerLesen = "somapotential beim start aus binaer-datei einlesen=";
inline constexpr const char* SomaBinaerSchreiben = "somapotential aller neurone als binaer-datei ausgeben=";
inline constexpr const char* Stromdateien = "strom-dateien benutzen=";
inline constexpr const char* SpikesZaehlen = "spikes zaehlen und anzeigen=";
inline constexpr const char* Verzoegerung = "synaptische uebertragungszeit bei neuer synapse=";
inline constexpr const char* Leitfaehigkeit = "leitf\xE4higkeit bei neuer synapse=";
inline constexpr const char* MaxLeitfaehigkeit = "max. leitf\xE4higkeit bei neuer synapse=";
inline constexpr const char* Schwelle = "schwelle f\xFCr transmitterfreisetzung bei neuer synapse=";
inline constexpr const char* Saettigung = "s\xE4ttigung der transmitterfreisetzung bei neuer synapse=";
inline constexpr const char* Dauer = "dauer der simulation in sekunden=";
inline constexpr const char* Schritt = "dauer eines simulationsschrittes in sekunden=";
inline constexpr const char* PspSchwelle = "schwelle zur psp detektion=";
inline constexpr const char* KanalDialogStarten = "simulation nach kanal-eigenschaften-dlg sofort starten=";
inline constexpr const char* AnzeigeIntervall = "anzeigeintervall in schritten=";
inline constexpr const char* Restzeit = "fenster mit restzeit anzeigen=";
inline constexpr const char* StrgM = "fenster bei strg+m minimieren=";
inline constexpr const char* WavKalibrierung = "kalibrierungsfaktor fuer wav-import=";
inline constexpr const char* WavYAchse = "y-achse im diagramm optimieren nach wav-import=";
inline constexpr const char* WavAlternieren = "wav-auswertung textanzeige hoehe alternieren=";
inline constexpr const char* WavLinien = "wav-auswertung events durch linien anzeigen=";
inline constexpr const char* WavBlock = "wav-auswertung blockgroesse=";
inline constexpr const char* WavTotzeit = "wav-auswertung totzeit=";
inline constexpr const char* WavSchwelle = "wav-auswertung schwelle=";
inline constexpr const char* WavGlaettungsrate = "wav-auswertung glaettungsrate=";
inline constexpr const char* WavGlaetten = "wav-auswertung kurve glaetten=";
inline constexpr const char* WavAusschliessen = "wav-auswertung ungeglaettete bereiche ausschliessen=";
inline constexpr const char* DialogeKomplett = "dialoge komplett darstellen=";
inline constexpr const char* StrominjektionEinfach = "strominjektion dialog einfach darstellen=";
inline constexpr const char* DiagrammEinfach = "diagramm dialog einfach darstellen=";
inline constexpr const char* SynapseEinfach = "synapse dialog einfach darstellen=";
inline constexpr const char* HomeDir = "homeDir beim programmstart anzeigen=";
inline constexpr const char* FensterOeffnen = "fenster aus liste beim start automatisch oeffnen=";
inline constexpr const char* NachLaufMinimieren = "hauptfenster nach simulation minimieren=";
inline constexpr const char* StatuszeileDauer = "anzeigedauer von einblendungen in der statuszeile=";
inline constexpr const char* AnzeigeboxDauer = "anzeigedauer der anzeige-box=";
inline constexpr const char* ProzesszeitIntervall = "anzeigeintervall bei der prozesszeit (ms)=";
inline constexpr const char* Doppelklick = "zeitfenster fuer doppelklick=";
inline constexpr const char* KurvenMarkierung = "zeitdauer einer kurvenmarkierung=";
inline constexpr const char* OhneSpeichern = "programm ohne speichern beenden (vorsicht)=";
inline constexpr const char* Nebeneinander = "synapsen nebeneinander darstellen=";
inline constexpr const char* SynapsenIds = "synapsen-ID anzeigen=";
inline constexpr const char* ParameterHinweis = "meldung: parameter wird erst nach der nexten simulation dargestellt=";

// [parameter fuer die graphische darstellung]
inline constexpr const char* BeimVerschieben = "synapsen beim verschieben anzeigen=";
inline constexpr const char* Zoom = "zoom faktor=";
inline constexpr const char* AlleFormatieren = "alle diagramme bei OK formatieren=";
inline constexpr const char* AlleVerlinken = "alle diagramme verlinken=";
inline constexpr const char* MinZoom = "minimaler zoom faktor=";
inline constexpr const char* MaxZoom = "maximaler zoom faktor=";
inline constexpr const char* Scrollleiste = "horizontale scrollbar in diagrammfenster anzeigen=";
inline constexpr const char* ScrollleisteAuto = "horizontale scrollbar in diagrammfenster automatisch anzeigen=";
inline constexpr const char* Potentialbegrenzung = "neurone mit potentialbegrenzung graphisch kennzeichnen=";
inline constexpr const char* HauptX = "hauptfenster xl=";
inline constexpr const char* HauptY = "hauptfenster yl=";
inline constexpr const char* HauptBreite = "hauptfenster breite=";
inline constexpr const char* HauptHoehe = "hauptfenster hoehe=";
inline constexpr const char* RestzeitX = "restzeit-anzeigefenster xl=";
inline constexpr const char* RestzeitY = "restzeit-anzeigefenster yl=";
inline constexpr const char* RestzeitBreite = "restzeit-anzeigefenster breite=";
inline constexpr const char* RestzeitHoehe = "restzeit-anzeigefenster hoehe=";
inline constexpr const char* MinBreite = "minimalbreite diagrammfenster=";
inline constexpr const char* MinHoehe = "minimalhoehe diagrammfenster=";
inline constexpr const char* ProtokollX = "protokollfenster xl=";
inline constexpr const char* ProtokollY = "protokollfenster yl=";
inline constexpr const char* ProtokollBreite = "protokollfenster breite=";
inline constexpr const char* ProtokollHoehe = "protokollfenster hoehe=";
inline constexpr const char* ProtokollEingebettet = "protokollfenster einblenden=";
inline constexpr const char* ProtokollEinblendhoehe = "protokollfenster hoehe des einblendfensters=";
inline constexpr const char* ProtokollSichtbar = "protokollfenster anzeigen=";

// the standard soma stimulus and the example PSP shapes
inline constexpr const char* SomareizPraefix = "Standard soma-strominjektion ";
inline constexpr const char* XlpspToleranz = "xlPSP runden auf vergleichstoleranz=";

// ---- the colours of the network picture -------------------------------------------------------

struct FarbZeilen {
    const char* rot;
    const char* gruen;
    const char* blau;
    plattform::Farbe Netzbildfarben::*farbe;
};
constexpr FarbZeilen farbZeilen[] = {
    {"hintergrund rotanteil=", "hintergrund gruenanteil=", "hintergrund blauanteil=", &Netzbildfarben::hintergrund},
    {"rahmenfarbe rotanteil=", "rahmenfarbe gruenanteil=", "rahmenfarbe blauanteil=", &Netzbildfarben::rahmen},
    {"strichfarbe rotanteil=", "strichfarbe gruenanteil=", "strichfarbe blauanteil=", &Netzbildfarben::strich},
    {"markierungsfarbe flaeche rotanteil=", "markierungsfarbe flaeche gruenanteil=",
     "markierungsfarbe flaeche blauanteil=", &Netzbildfarben::markierungFlaeche},
    {"markierungsfarbe rand rotanteil=", "markierungsfarbe rand gruenanteil=", "markierungsfarbe rand blauanteil=",
     &Netzbildfarben::markierungRand},
};

// ---- the standard soma stimulus and the example PSP shapes ----------------------------------

struct ReizZeile {
    const char* name;
    double StromreizDefinition::*zahl;
    int StromreizDefinition::*ganz;
    double vorgabe;             // what a definition that does not fit the run gets
};
constexpr ReizZeile reizZeilen[] = {
    {"reizart", nullptr, &StromreizDefinition::reizart, 0.0},
    {"beginn", &StromreizDefinition::beginn, nullptr, 0.1},
    {"anstieg", &StromreizDefinition::anstieg, nullptr, 0.0},
    {"dach", &StromreizDefinition::dach, nullptr, 0.02},
    {"abfall", &StromreizDefinition::abfall, nullptr, 0.0},
    {"ende", &StromreizDefinition::ende, nullptr, 0.0},
    {"periode", &StromreizDefinition::periode, nullptr, 0.0},
    {"amplitude", &StromreizDefinition::amplitude, nullptr, 5e-09},
    {"alternieren", nullptr, &StromreizDefinition::alternieren, 0.0},
    {"anzahl", nullptr, &StromreizDefinition::anzahl, 2.0},
    {"pause", &StromreizDefinition::pause, nullptr, 0.05},
    {"an", nullptr, &StromreizDefinition::an, 1.0},
};

inline std::string reizSchluessel(const ReizZeile& z) { return std::string(SomareizPraefix) + z.name + "="; }

// The example shapes keep the polynomial part of examples 1 and 2 and the exponential
// part of example 3: each key with its field, in file order.
template <class B>
void beispielFelder(B&& b)
{
    for (int i = 0; i < 2; ++i) {
        PspForm& f = pspBeispiele[static_cast<size_t>(i)];
        const std::string p = "xlPSP beisp. " + std::to_string(i + 1) + " ";
        b(p + "anfang polyn.=", f.anfangPolynom);
        b(p + "dauer polyn.=", f.dauerPolynom);
        for (size_t a = 0; a < f.polynom.size(); ++a)
            b(p + "polyn. a" + std::to_string(a) + "=", f.polynom[a]);
        for (size_t a = 0; a < f.polynomAbfall.size(); ++a)
            b(p + "polyn. abfall a" + std::to_string(a) + "=", f.polynomAbfall[a]);
    }
    PspForm& f = pspBeispiele[2];
    b(std::string("xlPSP beisp. 3 anfang exp.="), f.anfangExp);
    b(std::string("xlPSP beisp. 3 dauer exp.="), f.dauerExp);
    b(std::string("xlPSP beisp. 3 exp. a anstieg="), f.expAAnstieg);
    b(std::string("xlPSP beisp. 3 exp. a abfall="), f.expAAbfall);
    b(std::string("xlPSP beisp. 3 exp. tau anstieg="), f.expTauAnstieg);
    b(std::string("xlPSP beisp. 3 exp. tau abfall="), f.expTauAbfall);
}

// ---- paths ------------------------------------------------------------------------------------

// without trailing '/' or '\\'
std::string ohneSchraegstrich(std::string s);
// "folder/name.extension" (without the dot when the extension is empty)
std::string pfadBilden(const std::string& ordner, const std::string& name, const std::string& endung);
// the settings file's name and extension, "default" and "cfg" when empty
void cfgNamenVorgeben();
// The open or save dialog of settings files on ordner; on OK ordner, the name and the
// extension take the choice. false when the user cancelled.
bool cfgDialog(std::string& ordner, bool speichern);

} // namespace cfgZeilen
