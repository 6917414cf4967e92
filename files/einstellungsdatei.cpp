// files/einstellungsdatei.cpp - the settings file's reader: the file or the in-memory text
// into the settings, with the first read's paths and the definition files
#include "files/einstellungsdatei.h"
#include "core/endemeldung.h"
#include "files/textdatei.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/diagrammeinstellungen.h"
#include "files/einstellungszeilen.h"
#include "files/lesen.h"
#include "files/neuronabschnitt.h"
#include "files/schriftdefinitionen.h"
#include "files/standardparameter.h"
#include "model/diagramm.h"
#include "model/ergebnisdateien.h"
#include "model/export.h"
#include "model/laufstart.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/standarddateien.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <new>
#include <system_error>

std::string cfgPfad;
DefinitionsDateinamen definitionsDateinamen;
EinstellungsSpeichertext cfgSpeichertext;

namespace cfgZeilen {

std::string ohneSchraegstrich(std::string s)
{
    while (!s.empty() && (s.back() == '/' || s.back() == '\\'))
        s.pop_back();
    return s;
}

std::string pfadBilden(const std::string& ordner, const std::string& name, const std::string& endung)
{
    std::string pfad = ohneSchraegstrich(ordner) + "/" + name;
    return endung.empty() ? pfad : pfad + "." + endung;
}

namespace {

bool ordnerExistiert(const std::string& pfad)
{
    std::error_code fehler;
    return std::filesystem::is_directory(plattform::pfadAufloesen(pfad), fehler);
}

std::string aktuellesVerzeichnis()
{
    std::error_code fehler;
    const std::filesystem::path p = std::filesystem::current_path(fehler);
    return fehler ? std::string(".") : plattform::nachCp1252(p.string());
}

} // namespace

void cfgNamenVorgeben()
{
    Dateipfade& d = dateipfade;
    if (d.cfgEndung.empty())
        d.cfgEndung = "cfg";
    if (d.cfgName.empty())
        d.cfgName = "default";
}

bool eigenerFilter(const std::string& gespeichert, const char* dateiVorgabe, int sprachMeldung)
{
    if (gespeichert.empty())
        return false;
    const auto gleich = [liste = plattform::filterAusText(gespeichert, '0')](std::string_view text, char trenner) {
        const std::vector<plattform::DateiFilter> andere = plattform::filterAusText(text, trenner);
        return std::ranges::equal(liste, andere, [](const plattform::DateiFilter& a, const plattform::DateiFilter& b) {
            return a.text == b.text && a.muster == b.muster;
        });
    };
    if (gleich(dateiVorgabe, '0'))
        return false;
    for (const std::string& vorgabe : meldungInBeidenSprachen(sprachMeldung))
        if (gleich(vorgabe, '|'))
            return false;
    return true;
}

bool cfgDialog(std::string& ordner, bool speichern)
{
    Dateipfade& d = dateipfade;
    plattform::DateiWahl wahl;
    wahl.ordner = ohneSchraegstrich(ordner);
    wahl.name = d.cfgName;
    wahl.endung = d.cfgEndung;
    wahl.titel = meldungsTexte[speichern ? 923 : 922];
    wahl.speichern = speichern;
    // the language's filter unless the settings name one of the user's own
    wahl.filter = eigenerFilter(d.konfigurationsFilter, cfgFilterVorgabe, cfgFilterMeldung)
                      ? plattform::filterAusText(d.konfigurationsFilter, '0')
                      : plattform::filterAusText(meldungsTexte[cfgFilterMeldung]);
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    ordner = wahl.ordner;
    d.cfgName = wahl.name;
    d.cfgEndung = wahl.endung;
    return true;
}

} // namespace cfgZeilen

namespace {

namespace k = cfgZeilen;
using namespace cfgZeilen;

constexpr const char* netzMarke = "[neuronen-netzwerk-datei]";

// Decides the first read's work and whether the path is made anew from the program folder.
bool ersterLesevorgang = true;
// The folder the definition paths start from: the program folder, or the folder in which
// the open dialog chose the settings file.
std::string definitionsBasis;

bool textLesen(std::string& ziel, int max, char* text, const char* schluessel)
{
    return schluesselTextLesen(ziel, max, text, schluessel) != nullptr;
}

bool jaGesetzt(const char* text, const char* schluessel)
{
    return std::strstr(text, (std::string(schluessel) + "ja").c_str()) != nullptr;
}

void bitSetzen(uint32_t& wort, uint32_t bit, bool setzen)
{
    if (setzen)
        wort |= bit;
    else
        wort &= ~bit;
}

// The settings file's path, the folder the definition paths start from and the file's
// name: what a file that is not read must leave as it was.
struct PfadZustand {
    std::string pfad, basis, name, endung;
    static PfadZustand jetzt()
    {
        return {cfgPfad, definitionsBasis, dateipfade.cfgName, dateipfade.cfgEndung};
    }
    void zurueck() const
    {
        cfgPfad = pfad;
        definitionsBasis = basis;
        dateipfade.cfgName = name;
        dateipfade.cfgEndung = endung;
    }
};

// The path and file of the settings: made anew from the program folder on the run's first
// read (or with no path yet, or when asked); the open dialog when the file is missing.
// vorDialog: what stood before the dialog, set only when the dialog chose the file.
bool dateiBestimmen(int fragen, std::optional<PfadZustand>& vorDialog)
{
    Dateipfade& d = dateipfade;
    if (definitionsBasis.empty())
        definitionsBasis = d.programmVerzeichnis;
    if (!cfgPfad.empty() && !fragen && !ersterLesevorgang)
        return true;
    if (d.dokumentVerzeichnis.empty())
        d.dokumentVerzeichnis = aktuellesVerzeichnis();
    if (d.programmVerzeichnis.empty())
        d.programmVerzeichnis = aktuellesVerzeichnis() + "/";
    d.dokumentVerzeichnis = ohneSchraegstrich(d.dokumentVerzeichnis);
    cfgNamenVorgeben();
    definitionsBasis = d.programmVerzeichnis;
    // a file found only ignoring case is the one the settings are later written into
    cfgPfad = plattform::gefundenenNamenNehmen(pfadBilden(d.programmVerzeichnis, d.cfgName, d.cfgEndung));
    if (plattform::dateiExistiert(cfgPfad) && !fragen)
        return true;
    const PfadZustand vorher = PfadZustand::jetzt();
    std::string ordner = d.programmVerzeichnis;
    if (!cfgDialog(ordner, false))
        return false;
    vorDialog = vorher;
    definitionsBasis = ohneSchraegstrich(ordner) + "/";
    cfgPfad = plattform::gefundenenNamenNehmen(pfadBilden(ordner, d.cfgName, d.cfgEndung));
    return true;
}

// The whole file as text mode reads it (LF line ends; UTF-8 from an editor becomes
// Windows-1252). The file must open for reading and writing. false: not read (said).
bool dateiLesen(std::string& text)
{
    std::FILE* f = plattform::dateiOeffnen(cfgPfad, "r+");
    if (!f) {
        plattform::hinweisBox(meldungFormatieren(286, cfgPfad));
        return false;
    }
    long laenge = 0;
    if (dateiGanzLesen(f, text, laenge) == DateiGelesen::KeinSpeicher) {
        endeMelden(EndeForm::Info, meldungFormatieren(245, cfgPfad, laenge));
        return false;
    }
    textAngleichen(text);
    return true;
}

// The keys of the settings file's lines; a text with none of them holds no settings.
constexpr const char* eigeneSchluessel[] = {
    k::NetzName, k::Verzeichnis, k::Skript, k::NetzEndung, k::AusgabeEndung, k::PermutationsEndung,
    k::ProtokollEndung, k::CfgEndung, k::FilterIndex, k::Unterverzeichnis, k::StdNeuronDatei, k::OnOffDatei,
    k::SwimDatei, k::HhDatei, k::GbDatei, k::NetzFilter, k::AusgabeFilter, k::PermutationsFilter, k::CfgFilter,
    k::ProtokollFilter, k::SofortOeffnen, k::Sprache, k::Backup, k::Undo, k::KontextCursor,
    k::ImportZeilenlaenge, k::DateiArt, k::SomaAscii, k::SomaBinaerLesen, k::SomaBinaerSchreiben,
    k::Stromdateien, k::SpikesZaehlen, k::Verzoegerung, k::Leitfaehigkeit, k::MaxLeitfaehigkeit, k::Schwelle,
    k::Saettigung, k::Dauer, k::Schritt, k::PspSchwelle, k::KanalDialogStarten, k::AnzeigeIntervall,
    k::Restzeit, k::StrgM, k::WavKalibrierung, k::WavYAchse, k::WavAlternieren, k::WavLinien, k::WavBlock,
    k::WavTotzeit, k::WavSchwelle, k::WavGlaettungsrate, k::WavGlaetten, k::WavAusschliessen,
    k::DialogeKomplett, k::StrominjektionEinfach, k::DiagrammEinfach, k::SynapseEinfach, k::HomeDir,
    k::FensterOeffnen, k::NachLaufMinimieren, k::StatuszeileDauer, k::AnzeigeboxDauer, k::ProzesszeitIntervall,
    k::Doppelklick, k::KurvenMarkierung, k::OhneSpeichern, k::Nebeneinander, k::SynapsenIds,
    k::ParameterHinweis, k::BeimVerschieben, k::Zoom, k::AlleFormatieren, k::AlleVerlinken, k::MinZoom,
    k::MaxZoom, k::Scrollleiste, k::ScrollleisteAuto, k::Potentialbegrenzung, k::HauptX, k::HauptY,
    k::HauptBreite, k::HauptHoehe, k::RestzeitX, k::RestzeitY, k::RestzeitBreite, k::RestzeitHoehe,
    k::MinBreite, k::MinHoehe, k::ProtokollX, k::ProtokollY, k::ProtokollBreite, k::ProtokollHoehe,
    k::ProtokollEingebettet, k::ProtokollEinblendhoehe, k::ProtokollSichtbar, k::SomareizPraefix,
    k::XlpspToleranz,
};

// A file the user chose is taken for settings only when it can be: a network file, binary
// bytes or a text without a settings key would become the file every end writes over.
bool einstellungsText(const std::string& text)
{
    const size_t anfang = text.find_first_not_of(" \t\n");
    if (anfang != std::string::npos && text.compare(anfang, std::strlen(netzMarke), netzMarke) == 0)
        return false;
    if (text.find('\0') != std::string::npos)
        return false;
    return std::ranges::any_of(eigeneSchluessel, [&](const char* s) { return text.find(s) != std::string::npos; });
}

// What only the run's first read of a file takes: the language, extensions, filters and the
// remembered network (or the file the program was started with), and whether it opens at once.
void ersteLesung(char* text)
{
    Dateipfade& d = dateipfade;
    textLesen(d.endung, 256, text, k::NetzEndung);
    textLesen(ausgabeDateiEndung, 256, text, k::AusgabeEndung);
    textLesen(d.permutationsEndung, 256, text, k::PermutationsEndung);
    textLesen(d.protokollEndung, 256, text, k::ProtokollEndung);
    textLesen(d.cfgEndung, 256, text, k::CfgEndung);
    if (!zahlLesen(d.filterIndex, text, k::FilterIndex))
        d.filterIndex = 0;
    textLesen(d.filterText, 512, text, k::NetzFilter);
    textLesen(d.ausgabeFilter, 512, text, k::AusgabeFilter);
    textLesen(d.permutationsFilter, 512, text, k::PermutationsFilter);
    textLesen(d.konfigurationsFilter, 512, text, k::CfgFilter);
    textLesen(d.protokollFilter, 512, text, k::ProtokollFilter);
    // No network is loaded yet: the remembered one is only remembered. Its name is no
    // network's, or a new network would be saved over that file unasked.
    d.netzName.clear();
    d.vollerPfad.clear();
    d.ohneNetzdatei = false;
    d.letzteNetzDatei.clear();
    textLesen(d.letzteNetzDatei, 256, text, k::NetzName);
    // the remembered file as one: in the folder the file names, else in the present one
    std::string ordner;
    textLesen(ordner, 256, text, k::Verzeichnis);
    d.letzterNetzOrdner = ohneSchraegstrich(ordner.empty() ? d.dokumentVerzeichnis : ordner);
    d.letzteNetzEndung = d.endung;
    std::string name = d.letzteNetzDatei, endung = d.endung;

    // a file named on the command line takes the place of the remembered one
    if (d.startModus && d.startDatei.empty())
        d.startModus = 0;
    if (d.startModus) {
        const std::string& s = d.startDatei;
        const size_t schnitt = s.find_last_of("/\\");
        const std::string datei = schnitt == std::string::npos ? s : s.substr(schnitt + 1);
        const size_t punkt = datei.rfind('.');
        d.dokumentVerzeichnis = schnitt == std::string::npos ? std::string() : s.substr(0, schnitt);
        name = punkt == std::string::npos ? datei : datei.substr(0, punkt);
        endung = punkt == std::string::npos ? std::string() : datei.substr(punkt + 1);
    }
    bool oeffnen = false;
    if (!d.dokumentVerzeichnis.empty() && !name.empty() && !endung.empty()) {
        if (!d.startModus && !ordner.empty())
            d.dokumentVerzeichnis = ordner;
        d.dokumentVerzeichnis = ohneSchraegstrich(d.dokumentVerzeichnis);
        oeffnen = d.startModus || jaGesetzt(text, k::SofortOeffnen);
        // A start file that is missing stays named: the open command says so and drops it.
        if (!plattform::dateiExistiert(pfadBilden(d.dokumentVerzeichnis, name, endung)))
            oeffnen = false;
    }
    bitSetzen(programmStatus, programmBit::ZuletztGeladeneOeffnen, oeffnen);
    textLesen(d.letzteSkriptDatei, 260, text, k::Skript);
    zahlLesen(d.dateiArt, text, k::DateiArt);
}

// The folder and names of the definition files and the five paths built from them.
void definitionsDateienLesen(char* text)
{
    DefinitionsDateinamen& n = definitionsDateinamen;
    const std::string basis = definitionsBasis.empty() ? dateipfade.programmVerzeichnis : definitionsBasis;
    textLesen(n.unterverzeichnis, 260, text, k::Unterverzeichnis);
    if (n.unterverzeichnis.empty() || !ordnerExistiert(ohneSchraegstrich(basis) + "/" + n.unterverzeichnis))
        n.unterverzeichnis = "Parameter";
    const auto name = [&](std::string& ziel, const char* schluessel, const char* vorgabe) {
        textLesen(ziel, 260, text, schluessel);
        if (ziel.empty())
            ziel = vorgabe;
    };
    name(n.stdNeuron, k::StdNeuronDatei, "standard.gen");
    name(n.onOff, k::OnOffDatei, "onoff.channel");
    name(n.swim, k::SwimDatei, "swim.channel");
    name(n.hh, k::HhDatei, "hh.channel");
    name(n.gb, k::GbDatei, "gb.channel");
    standardDateienVorgeben(n.unterverzeichnis);
    const std::string ordner = ohneSchraegstrich(basis) + "/" + n.unterverzeichnis + "/";
    standardDateien.allgemein = ordner + n.stdNeuron;
    standardDateien.onOff = ordner + n.onOff;
    standardDateien.swim = ordner + n.swim;
    standardDateien.hh = ordner + n.hh;
    standardDateien.gb = ordner + n.gb;
    definitionsDateiPfade = {standardDateien.onOff, standardDateien.hh, standardDateien.swim, standardDateien.gb};
}

// What a read takes depends on where its text comes from. The program's options and its
// language belong to the program, not to a network: only its settings file gives them (the
// language at the start, since the texts and menus are made once; the options also from a
// file loaded on purpose), never an in-memory text nor the re-read before a sibling file.
// The session's own text given back (a restore copy) is taken as the records were: fitting
// the standard diagram and stimulus to the run again would change what the session had.
struct Lesart {
    bool sprache = false;
    bool optionen = false;
    bool angleichen = true;
};
// how the in-memory text of cfgSpeichertext is read
Lesart speichertextArt;

void spracheLesen(char* text)
{
    int wert = 0;
    sprache = zahlLesen(wert, text, k::Sprache) && wert == spracheEnglisch ? spracheEnglisch : spracheDeutsch;
}

void optionenLesen(char* text)
{
    Programmoptionen& po = programmOptionen;
    if (!zahlLesen(po.undoMaximum, text, k::Undo))
        po.undoMaximum = 10;
    double psp = 0.0;
    po.pspSchwelle = zahlLesen(psp, text, k::PspSchwelle) ? static_cast<float>(psp) : -0.069f;
    zahlLesen(po.kanalDialogSofortStarten, text, k::KanalDialogStarten);
    zahlLesen(po.heimverzeichnisAnzeigen, text, k::HomeDir);
    zahlLesen(po.ohneSpeichernBeenden, text, k::OhneSpeichern);
    po.synapsenIdsAnzeigen = jaGesetzt(text, k::SynapsenIds) ? 1 : 0;
    // the note is off only when the file says "nein"
    po.parameterHinweis = std::strstr(text, (std::string(k::ParameterHinweis) + "nein").c_str()) ? 0 : 1;
    zahlLesen(po.alleDiagrammeFormatieren, text, k::AlleFormatieren);
    zahlLesen(po.potentialbegrenzungKennzeichnen, text, k::Potentialbegrenzung);
}

void ablaufLesen(char* text)
{
    NeueSynapseVorgaben& v = neueSynapseVorgaben;
    Simulationsparameter& sp = simulationsParameter;
    DiagrammOptionen& o = diagrammOptionen;

    int wert = 0;
    if (zahlLesen(wert, text, k::Backup))
        sicherungsOptionen = wert & ~sicherungBit::WirdGeschrieben;
    zahlLesen(o.kontextMenuCursor, text, k::KontextCursor);
    zahlLesen(v.verzoegerung, text, k::Verzoegerung);
    zahlLesen(v.leitfaehigkeit, text, k::Leitfaehigkeit);
    zahlLesen(v.maxLeitfaehigkeit, text, k::MaxLeitfaehigkeit);
    if (!zahlLesen(v.freisetzungsSchwelle, text, k::Schwelle))
        v.freisetzungsSchwelle = -1000.0;
    if (!zahlLesen(v.freisetzungsSaettigung, text, k::Saettigung))
        v.freisetzungsSaettigung = -1000.0;
    zahlLesen(sp.simulationsDauer, text, k::Dauer);
    zahlLesen(sp.schrittweite, text, k::Schritt);
    sp.anzahlSchritte = anzahlSchritteBerechnen(sp.simulationsDauer, sp.schrittweite);
    zahlLesen(sp.anzeigeIntervall, text, k::AnzeigeIntervall);
    zahlLesen(sp.restzeitFensterAnzeigen, text, k::Restzeit);
    zahlLesen(o.strgMMinimieren, text, k::StrgM);
    zahlLesen(o.wavKalibrierung, text, k::WavKalibrierung);
    zahlLesen(o.wavYAchseOptimieren, text, k::WavYAchse);
    zahlLesen(o.hoeheAlternieren, text, k::WavAlternieren);
    zahlLesen(o.ereignisseAlsLinien, text, k::WavLinien);
    zahlLesen(o.blockgroesse, text, k::WavBlock);
    zahlLesen(o.totzeit, text, k::WavTotzeit);
    zahlLesen(o.schwelle, text, k::WavSchwelle);
    zahlLesen(o.glaettungsrate, text, k::WavGlaettungsrate);
    zahlLesen(o.kurveGlaettenAn, text, k::WavGlaetten);
    zahlLesen(o.ungeglaettetAusschliessen, text, k::WavAusschliessen);
    zahlLesen(dialogEinstellungen.dialogeKomplett, text, k::DialogeKomplett);
    zahlLesen(dialogEinstellungen.strominjektionAnzeige, text, k::StrominjektionEinfach);
    zahlLesen(dialogEinstellungen.diagrammDialogAnzeige, text, k::DiagrammEinfach);
    zahlLesen(dialogEinstellungen.synapsenDialogAnzeige, text, k::SynapseEinfach);
}

// the keys read after the standard synapse types and parameters
void ablaufRestLesen(char* text)
{
    // the export keys: some of them take their start value when missing
    AsciiExportEinstellungen& e = asciiExportEinstellungen;
    e.dezimalstellen = 6;
    e.zeitDezimalstellen = 3;
    e.dezimalzeichen = 44;
    e.stromSkalierung = 1e9;
    e.intervall = 0;
    exportEinstellungenLesen(text);
    zahlLesen(e.importZeilenlaenge, text, k::ImportZeilenlaenge);

    bitSetzen(programmStatus, programmBit::WerteExportieren, jaGesetzt(text, k::SomaAscii));
    bitSetzen(programmStatus, programmBit::SomaDateiLesen, jaGesetzt(text, k::SomaBinaerLesen));
    bitSetzen(programmStatus, programmBit::SomaDateiSchreiben, jaGesetzt(text, k::SomaBinaerSchreiben));
    bitSetzen(programmStatus, programmBit::StromdateienNutzen, jaGesetzt(text, k::Stromdateien));
    bitSetzen(programmStatus, programmBit::SpikesZaehlen, jaGesetzt(text, k::SpikesZaehlen));
    bitSetzen(programmStatus, programmBit::DiagrammeOeffnen, jaGesetzt(text, k::FensterOeffnen));
    bitSetzen(programmStatus, programmBit::NachLaufMinimieren, jaGesetzt(text, k::NachLaufMinimieren));
    int nebeneinander = 0;
    if (zahlLesen(nebeneinander, text, k::Nebeneinander))
        bitSetzen(programmStatus, programmBit::SynapsenNichtNebeneinander, nebeneinander == 0);
    bitSetzen(anzeigeStatus, anzeigeBit::SynapsenBeimVerschieben, jaGesetzt(text, k::BeimVerschieben));
    zahlLesen(statuszeilenAnzeigedauer, text, k::StatuszeileDauer);
    if (!zahlLesen(anzeigeboxParameter.anzeigedauer, text, k::AnzeigeboxDauer))
        anzeigeboxParameter.anzeigedauer = 2000;
    zahlLesen(zeiteinstellungen.prozesszeitIntervall, text, k::ProzesszeitIntervall);
    zahlLesen(zeiteinstellungen.doppelklick, text, k::Doppelklick);
    zahlLesen(zeiteinstellungen.kurvenMarkierung, text, k::KurvenMarkierung);
}

void darstellungLesen(char* text)
{
    DiagrammOptionen& o = diagrammOptionen;
    zahlLesen(zoomFaktor, text, k::Zoom);
    zahlLesen(o.alleVerlinken, text, k::AlleVerlinken);
    zahlLesen(kleinsterZoom, text, k::MinZoom);
    zahlLesen(groessterZoom, text, k::MaxZoom);
    zahlLesen(o.scrollleisteAnzeigen, text, k::Scrollleiste);
    zahlLesen(o.scrollleisteAutomatisch, text, k::ScrollleisteAuto);
    HauptfensterGeometrie& h = hauptfensterGeometrie;
    zahlLesen(h.x, text, k::HauptX);
    zahlLesen(h.y, text, k::HauptY);
    zahlLesen(h.breite, text, k::HauptBreite);
    zahlLesen(h.hoehe, text, k::HauptHoehe);
    plattform::Rechteck& r = restzeit.rechteck;
    zahlLesen(r.links, text, k::RestzeitX);
    zahlLesen(r.oben, text, k::RestzeitY);
    int mass = 0;
    if (zahlLesen(mass, text, k::RestzeitBreite))
        r.rechts = r.links + mass;
    if (zahlLesen(mass, text, k::RestzeitHoehe))
        r.unten = r.oben + mass;
    zahlLesen(o.minimalBreite, text, k::MinBreite);
    zahlLesen(o.minimalHoehe, text, k::MinHoehe);
    Protokoll& p = protokoll;
    zahlLesen(p.x, text, k::ProtokollX);
    zahlLesen(p.y, text, k::ProtokollY);
    zahlLesen(p.breite, text, k::ProtokollBreite);
    zahlLesen(p.hoehe, text, k::ProtokollHoehe);
    zahlLesen(p.eingebettet, text, k::ProtokollEingebettet);
    zahlLesen(p.eingebetteteHoehe, text, k::ProtokollEinblendhoehe);
    zahlLesen(p.sichtbar, text, k::ProtokollSichtbar);
    // a colour needs all three parts; the background is written only
    for (const FarbZeilen& f : farbZeilen) {
        if (f.farbe == &Netzbildfarben::hintergrund)
            continue;
        int rot = 0, gruen = 0, blau = 0;
        const bool alle = zahlLesen(rot, text, f.rot) && zahlLesen(gruen, text, f.gruen) && zahlLesen(blau, text, f.blau);
        netzbildfarben.*f.farbe = alle ? plattform::rgbFarbe(rot & 255, gruen & 255, blau & 255) : plattform::KeineFarbe;
    }
}

// A standard soma stimulus that does not fit the run (starts before the first step or
// after the end, or a pulse series that passes the end) gives way to the default one.
void standardReizLesen(char* text, bool angleichen)
{
    StromreizDefinition& r = standardSomareiz;
    for (const ReizZeile& z : reizZeilen) {
        const std::string schluessel = reizSchluessel(z);
        if (z.zahl)
            zahlLesen(r.*z.zahl, text, schluessel.c_str());
        else
            zahlLesen(r.*z.ganz, text, schluessel.c_str());
    }
    const double dauer = simulationsParameter.simulationsDauer;
    const bool passt = simulationsParameter.schrittweite <= r.beginn && r.beginn <= dauer && r.anstieg <= dauer &&
                       r.dach <= dauer && r.abfall <= dauer && r.ende <= dauer && r.pause <= dauer &&
                       r.beginn + r.anzahl * r.pause <= dauer;
    if (passt || !angleichen)
        return;
    for (const ReizZeile& z : reizZeilen) {
        if (z.zahl)
            r.*z.zahl = z.vorgabe;
        else
            r.*z.ganz = static_cast<int>(z.vorgabe);
    }
}

// Every read, file or in-memory: the settings in the order they depend on each other.
// false when the program ends or the read under way was abandoned at a box: nothing after
// that step is read. An end the user refused reads on, as before the box.
bool einstellungenLesen(char* text, const Lesart& art)
{
    if (art.sprache)
        spracheLesen(text);
    if (art.optionen)
        optionenLesen(text);
    ablaufLesen(text);
    definitionsDateienLesen(text);
    if (!stdSynapsenTypenLaden(&stdNeuron, text) && (programmEndet() || lesenAbgebrochen()))
        return false;
    ablaufRestLesen(text);
    fontDefinitionenLaden(text);
    darstellungLesen(text);
    guiNeuronLaden(&stdNeuron, text);
    diagrammEinstellungenLaden(&diagrammVorlage, text);
    diagrammVorlage.neuronId = stdNeuron.nummer;
    standardReizLesen(text, art.angleichen);
    zahlLesen(laufEinstellungen.xlpspToleranz, text, k::XlpspToleranz);
    beispielFelder([&](const std::string& schluessel, double& wert) { zahlLesen(wert, text, schluessel.c_str()); });
    if (art.angleichen)
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    programmStatus |= programmBit::EinstellungenGeladen;
    return true;
}

int speichertextLesen()
{
    char* text = cfgSpeichertext.text;
    Abschnitt netzTeil(text, netzMarke);
    if (!netzTeil.geschnitten()) {
        endeMelden(EndeForm::Hinweis, meldungsTexte[921]);
        return 0;
    }
    Dateipfade& d = dateipfade;
    d.netzName.clear();
    d.vollerPfad.clear();
    textLesen(d.netzName, 256, text, k::NetzName);
    if (!d.dokumentVerzeichnis.empty() && !d.netzName.empty() && !d.endung.empty()) {
        d.dokumentVerzeichnis = ohneSchraegstrich(d.dokumentVerzeichnis);
        d.vollerPfad = pfadBilden(d.dokumentVerzeichnis, d.netzName, d.endung);
    }
    return einstellungenLesen(text, speichertextArt) && !programmEndet() ? 1 : 0;
}

} // namespace

int cfgDateiLaden(int fragen)
{
    if (cfgSpeichertext.text) {
        cfgSpeichertext.netzwerkTeil = nullptr;
        if (!speichertextLesen())
            return 0;
        cfgSpeichertext.netzwerkTeil = std::strstr(cfgSpeichertext.text, netzMarke);
        return 1;
    }
    // a file that is not read leaves the path as it was: before the call when the user
    // asked for a file, else the program folder's that the dialog started from
    const PfadZustand vorher = PfadZustand::jetzt();
    std::optional<PfadZustand> vorDialog;
    const auto nichtGelesen = [&] {
        if (fragen)
            vorher.zurueck();
        else if (vorDialog)
            vorDialog->zurueck();
        return 0;
    };
    if (!dateiBestimmen(fragen, vorDialog))
        return nichtGelesen();
    std::string text;
    if (!dateiLesen(text))
        return programmEndet() ? 0 : nichtGelesen();
    if (vorDialog && !einstellungsText(text)) {
        plattform::hinweisBox(meldungFormatieren(938, cfgPfad));
        return nichtGelesen();
    }
    if (fensterhandles.hauptfenster)
        plattform::titelSetzen(fensterhandles.hauptfenster, cfgPfad);
    const Lesart art{.sprache = ersterLesevorgang, .optionen = ersterLesevorgang || fragen != 0};
    if (ersterLesevorgang)
        ersteLesung(text.data());
    ersterLesevorgang = false;
    return einstellungenLesen(text.data(), art) && !programmEndet() ? 1 : 0;
}

int cfgTextLaden(char* text)
{
    cfgSpeichertext.text = text;
    const int gelesen = cfgDateiLaden(0);
    cfgSpeichertext.text = nullptr;
    return gelesen;
}

int cfgTextZurueckgeben(char* text)
{
    speichertextArt.angleichen = false;
    const int gelesen = cfgTextLaden(text);
    speichertextArt = {};
    return gelesen;
}

void cfgZuruecksetzen()
{
    cfgPfad.clear();
    ersterLesevorgang = true;
    definitionsBasis.clear();
    definitionsDateinamen = {};
    cfgSpeichertext = {};
}
