// tests/app/test_dialogsprache.cpp - in an English session the dialogs say nothing in German,
// not after their opener rebuilt them either, and the boxes' captions are English; the open
// dialog lists every kind of file the command opens, in the session's language
#include "app_hilfe.h"
#include "../stuetzen/sprachtexte.h"
#include "diagrams/diagramm.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/zeitmessung.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "resources/befehle.h"
#include "resources/diagrammmenue.h"
#include "resources/vorlagen.h"
#include <map>
#include <set>

namespace {
using namespace apphilfe;
namespace sch = pt::schritt;

// The standard types and parameters of the shipped default.cfg, and what the test adds:
// without them a settings file raises the repair notices of its standard blocks.
std::string einstellungen(const std::string& zeilen)
{
    const std::string t = lesen(ausgelieferteTexte() + "default.cfg");
    const size_t a = t.find("synapsentypen-parameter"), e = t.find("neuron 0 name=");
    return t.substr(a, e - a) + zeilen;
}
const std::string englisch = "sprache=1033     // deutsch=1031   english=1033\r\n";

using testhilfe::dialogTexteVon;
using testhilfe::sprachfrei;

class DialogSprache : public AppFall {
protected:
    std::set<std::string> deutsch;   // German texts the English file words otherwise
    std::vector<std::string> befunde;
    NeuronDaten* n = nullptr;

    void SetUp() override
    {
        AppFall::SetUp();
        parameterOrdner.pfad = ausgelieferteTexte();
        const std::set<std::string> en = dialogTexteVon(spracheEnglisch);
        for (const std::string& t : dialogTexteVon(spracheDeutsch))
            if (!en.count(t))
                deutsch.insert(t);
        for (const DialogVorlage* v : alleDialogVorlagen()) {   // a template's own texts are German
            if (!en.count(v->titel))
                deutsch.insert(v->titel);
            for (const DialogElement& e : v->elemente)
                if (e.text && !en.count(e.text))
                    deutsch.insert(e.text);
        }
        std::erase_if(deutsch, sprachfrei);
    }

    // the German among the caption and control texts of the open dialog, noted per dialog
    void pruefen(Fenster dlg)
    {
        const DialogVorlage* v = dialogVorlage(vorlagenNummer(dlg));
        ASSERT_TRUE(v);
        std::map<int, int> ids;
        for (const DialogElement& e : v->elemente)
            ++ids[e.id];
        const std::string wo = "dialog " + std::to_string(v->nummer) + ", ";
        if (deutsch.count(titel(dlg)))
            befunde.push_back(wo + "caption: " + titel(dlg));
        for (const auto& [id, anzahl] : ids)
            if (const pt::DialogElementZustand* z = anzahl == 1 ? pt::dialogElement(dlg, id) : nullptr;
                z && deutsch.count(z->text))
                befunde.push_back(wo + std::to_string(id) + ": " + z->text);
    }
    pt::DialogSchritt pruefSchritt()
    {
        return [this](Fenster dlg) { pruefen(dlg); };
    }

    // an English session with neuron 1 marked and its diagram shown
    Fenster englischMitDiagramm()
    {
        EXPECT_TRUE(starten(einstellungen(englisch)));
        n = NeuronFall::neu(1);
        n->name = "Zelle";
        neuronMarkieren(n, 1);
        EXPECT_EQ(diagrammAnzeigen(n, &n->hauptDiagramm), &n->hauptDiagramm);
        return n->hauptDiagramm.fenster;
    }
};

} // namespace

// The page setup's header switch rebuilds the dialog: the new window speaks English as the
// first did. Its help shows a notice captioned in English.
TEST_F(DialogSprache, SeiteEinrichtenBleibtNachDemUmbauEnglisch)
{
    ASSERT_TRUE(starten(einstellungen(englisch)));
    std::vector<std::string> gesehen;
    const auto merken = [&](Fenster dlg) {
        gesehen.push_back(titel(dlg) + "|" + elementText(dlg, 3301) + "|" + elementText(dlg, 1374) + "|" +
                          elementText(dlg, 2));
    };
    pt::boxAntworten({antwort::Ok});
    pt::dialogSkript(153, {pruefSchritt(), merken, sch::klicken(1374)});
    pt::dialogSkript(153, {pruefSchritt(), merken, sch::klicken(1373), sch::klicken(2)});
    befehl(befehlSeiteEinrichten);
    EXPECT_EQ(gesehen, std::vector<std::string>(2, "Page setup|Margins (in mm)|Print a header|Cancel"));
    EXPECT_EQ(befunde, std::vector<std::string>{});
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].titel, "Note");
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
}

// Button 1206 has the diagram mode's words without the apply texts too, and the template
// mode's in template mode; the decimal places, the potential limits, the time measurement
// and its threshold detection speak English.
TEST_F(DialogSprache, DiagrammUndNeuronDialogeSprechenEnglisch)
{
    Fenster f = englischMitDiagramm();
    ASSERT_TRUE(f);
    const size_t vorher = pt::dialogLog().size();   // the splash of the start
    std::vector<std::string> knopf;
    const auto merken = [&](Fenster dlg) { knopf.push_back(elementText(dlg, 1206)); };
    for (const int komplett : {0, 1}) {
        dialogEinstellungen.dialogeKomplett = komplett;
        pt::dialogSkript(127, {pruefSchritt(), merken, sch::klicken(2)});
        diagrammBefehl(f, diagrammBefehlLayout, 0, 0);
    }
    pt::dialogSkript(127, {pruefSchritt(), merken, sch::klicken(2)});
    diagrammBefehl(f, diagrammBefehlVorlage, 0, 0);
    pt::dialogSkript(127, {pruefSchritt(), merken, sch::klicken(2)});
    diagrammBefehl(f, diagrammBefehlLayout, 0, 0);
    EXPECT_EQ(knopf, (std::vector<std::string>{"change checked values everywhere", "change checked values everywhere",
                                               "change checked values in the template and all diagrams",
                                               "change checked values everywhere"}));

    pt::dialogSkript(317, {pruefSchritt(), sch::klicken(2)});
    diagrammBefehl(f, diagrammBefehlDezimalstellen, 0, 0);
    pt::dialogSkript(315, {pruefSchritt(), sch::klicken(2)});
    befehl(befehlPotentialbegrenzung);

    // the modeless time measurement, and the detection it opens
    diagrammBefehl(f, diagrammBefehlZeitmessung, 0, 0);
    Fenster messung = pt::offenerDialog(328);
    ASSERT_TRUE(messung);
    pruefen(messung);
    EXPECT_EQ(titel(messung), "Time measurement");
    pt::dialogSkript(329, {pruefSchritt(), sch::klicken(2)});
    pt::klicken(messung, 2311);
    nachrichtenVerarbeiten();
    pt::klicken(messung, 1);
    nachrichtenVerarbeiten();

    EXPECT_EQ(befunde, std::vector<std::string>{});
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
    std::vector<int> geoeffnet;
    for (size_t i = vorher; i < pt::dialogLog().size(); ++i)
        geoeffnet.push_back(pt::dialogLog()[i].vorlage);
    EXPECT_EQ(geoeffnet, (std::vector<int>{127, 127, 127, 127, 317, 315, 328, 329}));
}

// The captions of the three box forms come from the message texts of the session's language.
TEST_F(DialogSprache, BoxtitelInBeidenSprachen)
{
    for (const auto& [cfg, hinweis] : {std::pair{std::string(), "Hinweis"}, std::pair{einstellungen(englisch), "Note"}}) {
        programmZuruecksetzen();
        ASSERT_TRUE(starten(cfg));
        pt::boxAntworten({antwort::Ok, antwort::Nein, antwort::Abbrechen, antwort::Ok});
        hinweisBox("1");
        sysInfoBox("2", knoepfe::JaNein);
        velnorInfoBox("3");
        meldungsBox(haupt(), "4", "eigener Titel", knoepfe::Ok);
        std::vector<std::string> titel;
        for (const pt::BoxEintrag& b : pt::boxLog())
            titel.push_back(b.titel);
        EXPECT_EQ(titel, (std::vector<std::string>{hinweis, "SysInfo", "Velnor info", "eigener Titel"}));
        std::filesystem::remove_all(ordner);
    }
    ordner.clear();
}

// The open dialog offers the language's file kinds, curve data among them, the save dialog
// the language's network files and the settings chooser the language's settings files,
// unless the settings file names a filter of the user's own; the default the settings
// write stores for an empty filter is none, nor is what an English session would store.
TEST_F(DialogSprache, WaehlerZeigenDieDateiartenDerSpracheAusserEinemEigenenFilter)
{
    const auto muster = [this](const std::string& cfg, int befehlId = befehlDateiOeffnen, bool neuStarten = true) {
        if (neuStarten) {
            programmZuruecksetzen();
            if (!ordner.empty())
                std::filesystem::remove_all(ordner);
            EXPECT_TRUE(starten(cfg));
        }
        if (befehlId == befehlGuiDateiSpeichernUnter && neuronKette.anzahl == 0)
            NeuronFall::neu(1);   // nothing to save otherwise
        pt::dateiAntworten({pt::dateiAbbruch()});
        befehl(befehlId);
        if (pt::dateiWahlLog().empty())
            return std::string("no chooser");
        std::string s;
        for (const DateiFilter& f : pt::dateiWahlLog().back().gefragt.filter)
            s += f.text + "=" + f.muster + ";";
        return s;
    };
    const std::string netzDe = "Simulationsdateien (*.GUI)=*.GUI;", netzEn = "Simulation files (*.GUI)=*.GUI;";
    const std::string oeffnenDe = netzDe + "Daten-Dateien (*.dat)=*.DAT;SIM-Dateien (*.sim)=*.SIM;"
                                           "WAV- und MPF-Dateien (*.wav; *.mpf)=*.WAV;*.MPF;alle Dateien (*.*)=*.*;";
    EXPECT_EQ(muster(""), oeffnenDe);
    EXPECT_EQ(muster(einstellungen(englisch)), netzEn + "Data files (*.dat)=*.DAT;SIM files (*.sim)=*.SIM;"
                                                        "simulation files (*.wav; *.mpf)=*.WAV;*.MPF;All files (*.*)=*.*;");
    const std::string eigener = "dateityp fuer eingabedateien=Netze (*.NET)0*.NET0alle (*.*)0*.*00\r\n";
    EXPECT_EQ(muster(einstellungen(eigener)), "Netze (*.NET)=*.NET;alle (*.*)=*.*;");
    EXPECT_EQ(muster(einstellungen(eigener + englisch), befehlGuiDateiSpeichernUnter), "Netze (*.NET)=*.NET;alle (*.*)=*.*;");
    // the English default in a German session, the German one in an English session
    const std::string englischeVorgabe = "dateityp fuer eingabedateien=Simulation files (*.GUI)0*.GUI0All files (*.*)0*.*00\r\n";
    EXPECT_EQ(muster(einstellungen(englischeVorgabe)), oeffnenDe);
    EXPECT_EQ(muster(einstellungen(englischeVorgabe), befehlGuiDateiSpeichernUnter), netzDe + "alle Dateien (*.*)=*.*;");
    EXPECT_EQ(muster(einstellungen(englisch), befehlGuiDateiSpeichernUnter), netzEn + "All files (*.*)=*.*;");
    EXPECT_EQ(muster(einstellungen(englisch), befehlEinstellungenLaden, false), "Settings files (*.cfg)=*.CFG;All files (*.*)=*.*;");
    EXPECT_EQ(muster("", befehlEinstellungenSpeichernUnter), "Config-Dateien (*.cfg)=*.CFG;alle Dateien (*.*)=*.*;");

    // the settings written and read at the next start: the default they hold is no choice
    muster(einstellungen(englisch));
    befehl(befehlEinstellungenSpeichern);
    ASSERT_NE(lesen(ordner + "default.cfg").find("dateityp fuer eingabedateien=Simulationsdateien"),
              std::string::npos);
    const std::string gleicherOrdner = ordner;
    programmZuruecksetzen();
    ASSERT_TRUE(programmStarten("", gleicherOrdner));
    EXPECT_EQ(muster("", befehlDateiOeffnen, false).substr(0, 52), "Simulation files (*.GUI)=*.GUI;Data files (*.dat)=*.");
}
