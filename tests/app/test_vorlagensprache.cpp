// tests/app/test_vorlagensprache.cpp - every dialog template, opened with the procedure the
// program opens it with, speaks the session's language: the caption and each control that
// has a key show that key's text (or one of its alternatives); the other controls show only
// texts of the language's file or none that needs one
#include "app_hilfe.h"
#include "../stuetzen/sprachtexte.h"
#include "diagrams/diagramm.h"
#include "diagrams/zeitmessung.h"
#include "dialogs/achsenformat.h"
#include "dialogs/bahnung.h"
#include "dialogs/benutzerkanaele.h"
#include "dialogs/cakanal.h"
#include "dialogs/darzustellendekurven.h"
#include "dialogs/dezimalstellen.h"
#include "dialogs/diagrammlayout.h"
#include "dialogs/eingabe.h"
#include "dialogs/exportdialoge.h"
#include "dialogs/izhikevich.h"
#include "dialogs/kanalauswahl.h"
#include "dialogs/kurvenparameter.h"
#include "dialogs/legendeformat.h"
#include "dialogs/morphologie.h"
#include "dialogs/neuronname.h"
#include "dialogs/objektdialoge.h"
#include "dialogs/physiologie.h"
#include "dialogs/potentialbegrenzung.h"
#include "dialogs/pspform.h"
#include "dialogs/rauschen.h"
#include "dialogs/seiteeinrichten.h"
#include "dialogs/simulationsparameter.h"
#include "dialogs/strominjektion.h"
#include "dialogs/stromreiz.h"
#include "dialogs/swimstandardkanaele.h"
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsengruppen.h"
#include "dialogs/transmitterdynamik.h"
#include "dialogs/voltageclamp.h"
#include "dialogs/wavimport.h"
#include "dialogs/yachse2.h"
#include "permutation/definition.h"
#include "permutation/ergebnisse.h"
#include "permutation/fenster.h"
#include "permutation/spikefolge.h"
#include "model/gruppen.h"
#include "model/kollision.h"
#include "model/rueckkopplung.h"
#include "model/seiteneinrichtung.h"
#include "model/synapse.h"
#include "resources/vorlagen.h"
#include "script/interaktiv.h"
#include "script/skript.h"
#include "server/serverbetrieb.h"
#include <map>
#include <regex>
#include <set>

namespace {
using namespace apphilfe;
using testhilfe::dialogTexteVon;
using testhilfe::sprachfrei;

// the procedure the program opens each template with
const std::map<const DialogVorlage*, DialogProc> prozeduren{
    {&vorlageEingabe, eingabeDlgProc},
    {&vorlageAnzeigebox, anzeigeboxDlgProc},
    {&vorlageStartbild, anzeigeboxDlgProc},
    {&vorlageSimulation, simulationsParameterDlgProc},
    {&vorlageStrominjektion, strominjektionDlgProc},
    {&vorlageStromreiz, stromReizDlgProc},
    {&vorlageNeuronBlitz, stromreizKennzeichnungDlgProc},
    {&vorlageYAchse2, yAchse2DlgProc},
    {&vorlageDezimalstellen, dezimalstellenDlgProc},
    {&vorlageAchsenFormat, achsenFormatDlgProc},
    {&vorlageLegendeFormat, legendeFormatDlgProc},
    {&vorlagePhysiologie, physiologieDlgProc},
    {&vorlageMorphologie, morphologieDlgProc},
    {&vorlageRauschen, rauschenDlgProc},
    {&vorlageVoltageClamp, voltageClampDlgProc},
    {&vorlagePotentialbegrenzung, potentialbegrenzungDlgProc},
    {&vorlageKurvenDarstellen, darzustellendeKurvenDlgProc},
    {&vorlageNeuronName, neuronNameDlgProc},
    {&vorlageKanalAuswahl, kanalAuswahlDlgProc},
    {&vorlageIzhikevich, izhikevichDlgProc},
    {&vorlageRueckkopplung, rueckkopplungDlgProc},
    {&vorlageObjektGraphik, rueckkopplungGraphikDlgProc},
    {&vorlageKollision, kollisionsObjektDlgProc},
    {&vorlageTransmitterdynamik, transmitterdynamikDlgProc},
    {&vorlageTransmitterKurve, transmitterKurveWaehlenDlgProc},
    {&vorlageBahnung, fazilitationDepressionDlgProc},
    {&vorlageFazilitationMaximum, fazilitationMaximumDlgProc},
    {&vorlagePspForm, pspFormDlgProc},
    {&vorlageSeiteEinrichten, seiteEinrichtenDlgProc},
    {&vorlageZeitmessung, zeitmessungDlgProc},
    {&vorlageEreignisSchwelle, ereignisSchwelleDlgProc},
    {&vorlageSynapsengruppe, synapsengruppeDlgProc},
    {&vorlageSpikeZeiten, spikeZeitenDlgProc},
    {&vorlageAsciiExport, asciiExportDlgProc},
    {&vorlageSpikefolge, spikefolgenBewertungDlgProc},
    {&vorlageAnalyseklassen, analyseParameterDlgProc},
    {&vorlageExportParameter, exportParameterDlgProc},
    {&vorlageIndexSpeicherMangel, indexSpeicherMangelDlgProc},
    {&vorlagePermutationsfenster, permutationsfensterDlgProc},
    {&vorlageSynapse, synapseNeuDlgProc},
    {&vorlageSynapsentypen, synapsenTypenDlgProc},
    {&vorlageSwimStdKanal, swimStdKanalDlgProc},
    {&vorlageCaKanal, caKanalDlgProc},
    {&vorlageKanalEigenschaften, kanalEigenschaftenDlgProc},
    {&vorlageDiagrammLayout, diagrammLayoutDlgProc},
    {&vorlageNeuronKurven, diagrammParameterDlgProc},
    {&vorlageExterneKurve, kurveAndererNeuronDlgProc},
    {&vorlageWavImport, wavImportDlgProc},
    {&vorlageInteraktiv, interaktivDlgProc},
    {&vorlageKalium, kaliumKonzentrationDlgProc},
};

// the key's text and each of its "||" alternatives
std::vector<std::string> texteDesSchluessels(const char* schluessel)
{
    std::vector<std::string> t;
    if (const std::string* s = schluessel && *schluessel ? dialogText(schluessel) : nullptr) {
        t.push_back(*s);
        for (int feld = 1; s->find("||") != std::string::npos && !textFeldHolen(*s, feld).empty(); ++feld)
            t.push_back(textFeldHolen(*s, feld));
    }
    return t;
}

// the text is one of them, a number or name filled into a format among them included
bool passt(const std::string& text, const std::vector<std::string>& texte)
{
    static const std::regex feld(R"(%[-+ #0]*[0-9*]*(\.[0-9*]+)?(l|ll|h)?[a-zA-Z])");
    static const std::regex sonderzeichen(R"([.^$|()\[\]{}*+?\\])");
    for (const std::string& t : texte) {
        // the text itself, or with a count or number behind it
        if (t == text || (!t.empty() && text.starts_with(t) && sprachfrei(text.substr(t.size()))))
            return true;
        if (t.find('%') == std::string::npos)
            continue;
        std::string muster;
        size_t von = 0;
        for (auto i = std::sregex_iterator(t.begin(), t.end(), feld); i != std::sregex_iterator(); ++i) {
            muster += std::regex_replace(t.substr(von, i->position() - von), sonderzeichen, "\\$&") + ".*";
            von = i->position() + i->length();
        }
        muster += std::regex_replace(t.substr(von), sonderzeichen, "\\$&");
        if (std::regex_match(text, std::regex(muster)))
            return true;
    }
    return false;
}

// every word of the text (three letters or more) is a word of the key's text: numbers
// filled in where the key's text holds a placeholder
bool woerterAus(const std::string& text, const std::string& schluesselText)
{
    const auto woerter = [](const std::string& t) {
        std::set<std::string> w;
        std::string wort;
        for (const char c : t + ' ') {
            if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0xC0) {
                wort += c;
                continue;
            }
            if (wort.size() >= 3)
                w.insert(wort);
            wort.clear();
        }
        return w;
    };
    const std::set<std::string> erlaubt = woerter(schluesselText);
    for (const std::string& w : woerter(text))
        if (!erlaubt.count(w))
            return false;
    return true;
}

// what the procedure is opened with, as its opener hands it over
enum class Mit { Nichts, Diagramm, DiagrammFenster, Neuron, Synapse, Seite, Rueckkopplung, Kollision, Gruppe, Slot };
const std::map<const DialogVorlage*, Mit> parameterArt{
    {&vorlageYAchse2, Mit::Diagramm},       {&vorlageDezimalstellen, Mit::Diagramm},
    {&vorlageAchsenFormat, Mit::Diagramm},  {&vorlageLegendeFormat, Mit::Diagramm},
    {&vorlageIzhikevich, Mit::Neuron},      {&vorlageKanalAuswahl, Mit::Neuron},
    {&vorlageBahnung, Mit::Synapse},        {&vorlageFazilitationMaximum, Mit::Synapse},
    {&vorlagePspForm, Mit::Synapse},        {&vorlageTransmitterdynamik, Mit::Synapse},
    {&vorlageTransmitterKurve, Mit::Synapse}, {&vorlageSeiteEinrichten, Mit::Seite},
    {&vorlageRueckkopplung, Mit::Rueckkopplung}, {&vorlageObjektGraphik, Mit::Rueckkopplung},
    {&vorlageKollision, Mit::Kollision},    {&vorlageSynapsengruppe, Mit::Gruppe},
    {&vorlageCaKanal, Mit::Neuron},         {&vorlageExterneKurve, Mit::DiagrammFenster},
    {&vorlageInteraktiv, Mit::Slot},
};

// Controls the procedure words itself from other texts of the language's files (a name or
// a count filled in, a switch's state) or from what its opener hands over (the input and
// display boxes' captions), id 0 the caption: they show a text of those files or none.
const std::set<std::pair<int, int>> selbstGeworden{
    {146, 0},    {146, 1253}, {174, 0},    {117, 0},    {150, 0},    {284, 0},    {306, 0},    {133, 1560}, {133, 1561}, {149, 1280},
    {212, 1484}, {212, 1485}, {212, 1486}, {212, 1487}, {212, 1488}, {212, 1489}, {212, 1490},
    {218, 1537}, {218, 1549}, {258, 2008}, {318, 2228}, {328, 2304},
};

// every text of the session's dialog and message files, each "||" field on its own
std::vector<std::string> alleTexteDerSprache()
{
    std::vector<std::string> alle;
    for (const TextEintrag& e : dialogTexte.eingebaut())
        for (const std::string& t : texteDesSchluessels(e.schluessel))
            alle.push_back(t);
    for (const TextEintrag& e : meldungsTexte.eingebaut()) {
        const std::string& t = meldungsTexte[e.nummer];
        alle.push_back(t);
        for (int feld = 1; t.find("||") != std::string::npos && !textFeldHolen(t, feld).empty(); ++feld)
            alle.emplace_back(textFeldHolen(t, feld));
    }
    return alle;
}

class VorlagenSprache : public AppFall {
protected:
    std::vector<std::string> befunde;

    // what the open dialog shows against what its template's keys give in the language
    void pruefen(Fenster dlg, const DialogVorlage& v, const std::set<std::string>& datei,
                 const std::vector<std::string>& sprache, const char* kuerzel)
    {
        const std::string wo = "dialog " + std::to_string(v.nummer) + " " + kuerzel + ", ";
        const auto richtig = [&](int id, const std::string& text, const std::vector<std::string>& eigene) {
            if (selbstGeworden.count({v.nummer, id}))
                return sprachfrei(text) || passt(text, sprache) || (!eigene.empty() && woerterAus(text, eigene[0]));
            return !eigene.empty() ? passt(text, eigene) : sprachfrei(text) || datei.count(text) > 0;
        };
        if (const auto t = texteDesSchluessels(v.titelSchluessel); !t.empty() && !richtig(0, titel(dlg), t))
            befunde.push_back(wo + "caption \"" + titel(dlg) + "\" is not its key's " + v.titelSchluessel);
        std::map<int, int> ids;
        for (const DialogElement& e : v.elemente)
            ++ids[e.id];
        for (const DialogElement& e : v.elemente) {
            const pt::DialogElementZustand* z = ids[e.id] == 1 ? pt::dialogElement(dlg, e.id) : nullptr;
            // the words of lists and fields are the user's data
            if (!z || e.art == ElementArt::Eingabe || e.art == ElementArt::EingabeMehrzeilig ||
                e.art == ElementArt::Auswahlliste || e.art == ElementArt::Kombi || e.art == ElementArt::Liste)
                continue;
            const auto t = texteDesSchluessels(e.textSchluessel);
            if (!richtig(e.id, z->text, t))
                befunde.push_back(wo + std::to_string(e.id) + " \"" + z->text + "\" is not its key's " +
                                  (t.empty() ? "(none)" : e.textSchluessel));
        }
    }
};

} // namespace

TEST_F(VorlagenSprache, JedeVorlageMitIhrerProzedurZeigtDieTexteIhrerSchluessel)
{
    for (const int sprache : {spracheEnglisch, spracheDeutsch}) {
        programmZuruecksetzen();
        NeuronFall::leeren();
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
        std::string cfg = lesen(ausgelieferteTexte() + "default.cfg");
        cfg.replace(cfg.find("sprache=1031"), 12, "sprache=" + std::to_string(sprache));
        ASSERT_TRUE(starten(cfg));
        const std::set<std::string> datei = dialogTexteVon(sprache);
        const std::vector<std::string> alle = alleTexteDerSprache();
        NeuronDaten* n = NeuronFall::neu(1);
        ASSERT_TRUE(n);
        NeuronDaten* zwei = NeuronFall::neu(2);
        ASSERT_EQ(diagrammAnzeigen(zwei, &zwei->hauptDiagramm), &zwei->hauptDiagramm);   // a curve to borrow
        neuronMarkieren(n, 1);
        ASSERT_EQ(diagrammAnzeigen(n, &n->hauptDiagramm), &n->hauptDiagramm);
        BenutzerKanal k;
        k.name = "ih";
        n->benutzerKanaele.push_back(k);
        SynapseDaten* syn = synapseNeu(n, zwei, 0, 1e-9, 0.001, -0.05, -0.03, 0, nullptr);
        ASSERT_TRUE(syn);
        synapsenTabelleSetzen(syn->id, syn);
        const int gruppe = synapsengruppeFrei();
        ASSERT_TRUE(synapsengruppeBelegen(gruppe, *syn, nullptr));
        Rueckkopplungsobjekt* rueck = rueckkopplungsObjektErzeugen();
        Kollisionsobjekt* koll = kollisionsObjektNeu();
        ASSERT_TRUE(rueck && koll);
        SeitenEinrichtung seite = seiteDiagrammfenster;
        const std::map<Mit, intptr_t> parameter{
            {Mit::Nichts, 0}, {Mit::Diagramm, reinterpret_cast<intptr_t>(&n->hauptDiagramm)},
            {Mit::Neuron, reinterpret_cast<intptr_t>(n)}, {Mit::Synapse, reinterpret_cast<intptr_t>(syn)},
            {Mit::Seite, reinterpret_cast<intptr_t>(&seite)}, {Mit::Rueckkopplung, reinterpret_cast<intptr_t>(rueck)},
            {Mit::Kollision, reinterpret_cast<intptr_t>(koll)}, {Mit::Gruppe, gruppe},
            {Mit::DiagrammFenster, reinterpret_cast<intptr_t>(n->hauptDiagramm.fenster)}, {Mit::Slot, 1}};
        skript.interaktivAnzahl = 1;   // one slot of an interactive script
        pt::fehlerBehandlungSetzen([](const std::string&) {});   // a procedure's notices are not the point
        for (const DialogVorlage* v : alleDialogVorlagen()) {
            const auto p = prozeduren.find(v);
            ASSERT_NE(p, prozeduren.end()) << "dialog " << v->nummer << " has no procedure here";
            const auto art = parameterArt.find(v);
            graphikObjektArt = v == &vorlageObjektGraphik ? objektArt::Rueckkopplung : objektArt::Keine;
            Fenster dlg = dialogModeless(*v, n->hauptDiagramm.fenster, p->second,
                                         parameter.at(art == parameterArt.end() ? Mit::Nichts : art->second));
            if (!istFenster(dlg)) {
                befunde.push_back("dialog " + std::to_string(v->nummer) + " did not stay open");
                continue;
            }
            pruefen(dlg, *v, datei, alle, sprache == spracheDeutsch ? "de" : "en");
            // closed as Esc closes it, so that its next opening is a fresh one
            senden(dlg, nachricht::Befehl, machWParam(2, 0), 0);
            if (istFenster(dlg))
                fensterZerstoeren(dlg);
            graphikObjektArt = objektArt::Keine;
        }
        pt::fehlerBehandlungSetzen(nullptr);
        skript.interaktivAnzahl = 0;
    }
    EXPECT_EQ(befunde, std::vector<std::string>{});
}
