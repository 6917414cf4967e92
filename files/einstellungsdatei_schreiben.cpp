// files/einstellungsdatei_schreiben.cpp - the settings file's writer: the whole settings
// text, into a network text's buffer or through a temporary file into the settings file
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "files/textdatei.h"
#include "core/status.h"
#include "files/diagrammeinstellungen.h"
#include "files/einstellungszeilen.h"
#include "files/neuronabschnitt.h"
#include "files/protokolldatei.h"
#include "files/schriftdefinitionen.h"
#include "files/standardparameter.h"
#include "model/diagramm.h"
#include "model/ergebnisdateien.h"
#include "model/export.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cerrno>
#include <new>

namespace {

namespace k = cfgZeilen;
using namespace cfgZeilen;

// ---- the text -----------------------------------------------------------------------------------

const char* jaNein(bool an) { return an ? "ja" : "nein"; }
bool an(uint32_t wort, uint32_t bit) { return (wort & bit) != 0; }

void pfadeDrucken(XBuffer& p)
{
    const Dateipfade& d = dateipfade;
    const DefinitionsDateinamen& n = definitionsDateinamen;
    const auto text = [&](const char* schluessel, const std::string& wert, const char* leer = "") {
        p.drucken("%s%s\n", schluessel, wert.empty() ? leer : wert.c_str());
    };
    p.drucken("[programmdefinitionen]\n\n[pfade und dateien]\n");
    // the remembered network file, its folder and extension; with none, the folder last used
    // and the extension of network files
    const bool gemerkt = !d.letzteNetzDatei.empty();
    text(k::NetzName, d.letzteNetzDatei);
    text(k::Verzeichnis, gemerkt ? d.letzterNetzOrdner : d.dokumentVerzeichnis);
    text(k::Skript, d.letzteSkriptDatei);
    text(k::NetzEndung, gemerkt ? d.letzteNetzEndung : d.endung);
    text(k::AusgabeEndung, ausgabeDateiEndung);
    text(k::PermutationsEndung, d.permutationsEndung);
    text(k::ProtokollEndung, d.protokollEndung);
    text(k::CfgEndung, d.cfgEndung, "cfg");
    p.drucken("%s%d\n", k::FilterIndex, d.filterIndex);
    text(k::Unterverzeichnis, n.unterverzeichnis);
    text(k::StdNeuronDatei, n.stdNeuron);
    text(k::OnOffDatei, n.onOff);
    text(k::SwimDatei, n.swim);
    text(k::HhDatei, n.hh);
    text(k::GbDatei, n.gb);
    text(k::NetzFilter, d.filterText, netzFilterVorgabe);
    text(k::AusgabeFilter, d.ausgabeFilter, ausgabeFilterVorgabe);
    text(k::PermutationsFilter, d.permutationsFilter, permutationsFilterVorgabe);
    text(k::CfgFilter, d.konfigurationsFilter, cfgFilterVorgabe);
    text(k::ProtokollFilter, d.protokollFilter, protokollFilterVorgabe);
}

// wort: the program word whose export and soma-file switches are written
void ablaufDrucken(XBuffer& p, uint32_t wort)
{
    const auto ganz = [&](const char* s, int wert) { p.drucken("%s%d\n", s, wert); };
    const auto zahl = [&](const char* s, double wert) { p.drucken("%s%.15g\n", s, wert); };
    const auto schalter = [&](const char* s, bool wert) { p.drucken("%s%s\n", s, jaNein(wert)); };
    const AsciiExportEinstellungen& e = asciiExportEinstellungen;
    const NeueSynapseVorgaben& v = neueSynapseVorgaben;
    const Simulationsparameter& sp = simulationsParameter;
    const DiagrammOptionen& o = diagrammOptionen;
    const Programmoptionen& po = programmOptionen;

    p.drucken("\n[parameter fuer den programmablauf]\n");
    p.drucken("%s%s // (ja oder nein)\n", k::SofortOeffnen,
              jaNein(an(programmStatus, programmBit::ZuletztGeladeneOeffnen)));
    p.drucken("%s%d     // deutsch=1031   english=1033\n", k::Sprache, sprache);
    // the mark of a backup being written is no option: it never reaches the file
    ganz(k::Backup, sicherungsOptionen & ~sicherungBit::WirdGeschrieben);
    ganz(k::Undo, po.undoMaximum);
    ganz(k::KontextCursor, o.kontextMenuCursor);
    p.drucken("%s%d  (ASCII-code des zeichens; kein komma oder punkt)\n", exportSchluessel::Trennzeichen,
              e.trennzeichen);
    ganz(k::ImportZeilenlaenge, e.importZeilenlaenge);
    ganz(k::DateiArt, dateipfade.dateiArt);
    p.drucken("%s%d  (beim export von ASCII-dateien)\n", exportSchluessel::Dezimalstellen, e.dezimalstellen);
    ganz(exportSchluessel::ZeitDezimalstellen, e.zeitDezimalstellen);
    ganz(exportSchluessel::Dezimalzeichen, e.dezimalzeichen);
    p.drucken("%s%lf\n", exportSchluessel::StromSkalierung, e.stromSkalierung);
    ganz(exportSchluessel::Intervall, e.intervall);
    schalter(k::SomaAscii, an(wort, programmBit::WerteExportieren));
    schalter(k::SomaBinaerLesen, an(wort, programmBit::SomaDateiLesen));
    schalter(k::SomaBinaerSchreiben, an(wort, programmBit::SomaDateiSchreiben));
    schalter(k::Stromdateien, an(programmStatus, programmBit::StromdateienNutzen));
    schalter(k::SpikesZaehlen, an(programmStatus, programmBit::SpikesZaehlen));
    zahl(k::Verzoegerung, v.verzoegerung);
    zahl(k::Leitfaehigkeit, v.leitfaehigkeit);
    zahl(k::MaxLeitfaehigkeit, v.maxLeitfaehigkeit);
    zahl(k::Schwelle, v.freisetzungsSchwelle);
    zahl(k::Saettigung, v.freisetzungsSaettigung);
    zahl(k::Dauer, sp.simulationsDauer);
    zahl(k::Schritt, sp.schrittweite);
    zahl(k::PspSchwelle, static_cast<double>(po.pspSchwelle));
    ganz(k::KanalDialogStarten, po.kanalDialogSofortStarten);
    zahl(k::AnzeigeIntervall, sp.anzeigeIntervall);
    ganz(k::Restzeit, sp.restzeitFensterAnzeigen);
    ganz(k::StrgM, o.strgMMinimieren);
    zahl(k::WavKalibrierung, o.wavKalibrierung);
    ganz(k::WavYAchse, o.wavYAchseOptimieren);
    ganz(k::WavAlternieren, o.hoeheAlternieren);
    ganz(k::WavLinien, o.ereignisseAlsLinien);
    ganz(k::WavBlock, o.blockgroesse);
    zahl(k::WavTotzeit, o.totzeit);
    zahl(k::WavSchwelle, o.schwelle);
    ganz(k::WavGlaettungsrate, o.glaettungsrate);
    ganz(k::WavGlaetten, o.kurveGlaettenAn);
    ganz(k::WavAusschliessen, o.ungeglaettetAusschliessen);
    ganz(k::DialogeKomplett, dialogEinstellungen.dialogeKomplett);
    ganz(k::StrominjektionEinfach, dialogEinstellungen.strominjektionAnzeige);
    ganz(k::DiagrammEinfach, dialogEinstellungen.diagrammDialogAnzeige);
    ganz(k::SynapseEinfach, dialogEinstellungen.synapsenDialogAnzeige);
    ganz(k::HomeDir, po.heimverzeichnisAnzeigen);
    schalter(k::FensterOeffnen, an(programmStatus, programmBit::DiagrammeOeffnen));
    schalter(k::NachLaufMinimieren, an(programmStatus, programmBit::NachLaufMinimieren));
    ganz(k::StatuszeileDauer, statuszeilenAnzeigedauer);
    ganz(k::AnzeigeboxDauer, anzeigeboxParameter.anzeigedauer);
    ganz(k::ProzesszeitIntervall, zeiteinstellungen.prozesszeitIntervall);
    p.drucken("%s%d  (in ms)\n", k::Doppelklick, zeiteinstellungen.doppelklick);
    p.drucken("%s%d  (in ms)\n", k::KurvenMarkierung, zeiteinstellungen.kurvenMarkierung);
    ganz(k::OhneSpeichern, po.ohneSpeichernBeenden);
    ganz(k::Nebeneinander, an(programmStatus, programmBit::SynapsenNichtNebeneinander) ? 0 : 1);
    schalter(k::SynapsenIds, po.synapsenIdsAnzeigen != 0);
    schalter(k::ParameterHinweis, po.parameterHinweis != 0);
}

void darstellungDrucken(XBuffer& p)
{
    const auto ganz = [&](const char* s, int wert) { p.drucken("%s%d\n", s, wert); };
    const DiagrammOptionen& o = diagrammOptionen;
    const Programmoptionen& po = programmOptionen;

    p.drucken("\n[parameter fuer die graphische darstellung]\n");
    p.drucken("%s%s\n", k::BeimVerschieben, jaNein(an(anzeigeStatus, anzeigeBit::SynapsenBeimVerschieben)));
    p.drucken("%s%lf\n", k::Zoom, zoomFaktor);
    ganz(k::AlleFormatieren, po.alleDiagrammeFormatieren);
    ganz(k::AlleVerlinken, o.alleVerlinken);
    p.drucken("%s%lf (0 bis 1)\n", k::MinZoom, kleinsterZoom);
    p.drucken("%s%lf (1 bis 10)\n", k::MaxZoom, groessterZoom);
    ganz(k::Scrollleiste, o.scrollleisteAnzeigen);
    ganz(k::ScrollleisteAuto, o.scrollleisteAutomatisch);
    ganz(k::Potentialbegrenzung, po.potentialbegrenzungKennzeichnen);
    fontDefinitionenSpeichern(nullptr, p);
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    ganz(k::HauptX, h.x);
    ganz(k::HauptY, h.y);
    ganz(k::HauptBreite, h.breite);
    ganz(k::HauptHoehe, h.hoehe);
    // the remaining-time window is kept as place and size
    const plattform::Rechteck& r = restzeit.rechteck;
    ganz(k::RestzeitX, r.links);
    ganz(k::RestzeitY, r.oben);
    ganz(k::RestzeitBreite, r.breite());
    ganz(k::RestzeitHoehe, r.hoehe());
    ganz(k::MinBreite, o.minimalBreite);
    ganz(k::MinHoehe, o.minimalHoehe);
    protokollFensterSchluesselSpeichern(p);
    for (const FarbZeilen& f : farbZeilen) {
        const plattform::Farbe wert = netzbildfarben.*f.farbe;
        p.drucken("%s%d\n%s%d\n%s%d%s\n", f.rot, static_cast<int>(wert & 255), f.gruen,
                  static_cast<int>((wert >> 8) & 255), f.blau, static_cast<int>((wert >> 16) & 255),
                  f.farbe == &Netzbildfarben::hintergrund ? "\t\t// (weiss = 255, 255, 255)" : "");
    }
}

void reizUndBeispieleDrucken(XBuffer& p)
{
    p.drucken("[Standard soma-strominjektion] ****************************\n");
    for (const ReizZeile& z : reizZeilen) {
        if (z.zahl)
            p.drucken("%s%s=%.15g\n", k::SomareizPraefix, z.name, standardSomareiz.*z.zahl);
        else
            p.drucken("%s%s=%d\n", k::SomareizPraefix, z.name, standardSomareiz.*z.ganz);
    }
    p.drucken("[ende Standard soma-strominjektion] ***********************\n\n");
    p.drucken("%s%.15g\n", k::XlpspToleranz, laufEinstellungen.xlpspToleranz);
    p.drucken("[xlPSP beispielwerte] ****************************\n");
    beispielFelder([&](const std::string& schluessel, double& wert) { p.drucken("%s%.15g\n", schluessel.c_str(), wert); });
    p.drucken("[ende xlPSP beispielwerte] ***********************\n\n");
}

// The whole settings text at the end of p; the section writers print there too.
void einstellungenDrucken(XBuffer& p, uint32_t wort)
{
    textZeiger = &p;
    pfadeDrucken(p);
    ablaufDrucken(p, wort);
    darstellungDrucken(p);
    stdParameterSpeichern(&stdNeuron, nullptr, p);
    guiNeuronSpeichern(&stdNeuron, -1, nullptr, p, 0);
    diagrammEinstellungenSpeichern(&diagrammVorlage, nullptr, p, 0);
    textZeiger = &p;
    reizUndBeispieleDrucken(p);
}

// A network with a file of its own is the network file the settings remember: saved under
// a new name and then closed or replaced, it is still that file they name.
void eigeneNetzdateiMerken()
{
    const Dateipfade& d = dateipfade;
    if (!eigeneNetzdatei())
        return;
    const size_t trenner = d.vollerPfad.find_last_of("/\\");
    netzdateiMerken(trenner == std::string::npos ? d.dokumentVerzeichnis : d.vollerPfad.substr(0, trenner),
                    d.netzName, d.endung);
}

} // namespace

void netzdateiMerken(const std::string& ordner, const std::string& name, const std::string& endung)
{
    Dateipfade& d = dateipfade;
    d.letzterNetzOrdner = ohneSchraegstrich(ordner);
    d.letzteNetzDatei = name;
    d.letzteNetzEndung = endung;
}

void cfgDateiSpeichern(const char* pfad, XBuffer* puffer, int inDatei)
{
    eigeneNetzdateiMerken();
    // the settings part of an in-memory network text
    if (puffer) {
        einstellungenDrucken(*puffer, programmStatus);
        return;
    }
    std::string ziel;
    if (pfad) {
        ziel = pfad;
    } else {
        cfgNamenVorgeben();
        std::string ordner = dateipfade.dokumentVerzeichnis;
        if (!cfgDialog(ordner, true))
            return;
        ziel = pfadBilden(ordner, dateipfade.cfgName, dateipfade.cfgEndung);
        cfgPfad = ziel;
    }
    if (ziel.empty() || !inDatei)
        return;
    // a settings file that may not be written keeps its contents
    // (the file of exactly that name: one whose name differs only in case is not written)
    if (std::FILE* f = plattform::dateiOeffnen(ziel, "r+")) {
        std::fclose(f);
    } else if (errno != ENOENT) {
        plattform::hinweisBox(meldungFormatieren(286, ziel));
        return;
    }
    XBuffer* vorher = textZeiger;
    XBuffer eigener;
    try {
        // the switches the permutation mode keeps aside are the user's
        einstellungenDrucken(eigener, benutzerProgrammStatus());
    } catch (const std::bad_alloc&) {
        textZeiger = vorher;
        plattform::hinweisBox(meldungsTexte[924]);
        return;
    }
    textZeiger = vorher;
    if (!plattform::dateiSicherSchreiben(ziel, mitCrLf(eigener.text())))
        plattform::hinweisBox(meldungFormatieren(920, ziel, systemGrund(errno)));
}

