// texts/textsetzen.cpp - putting the dialog and tooltip texts into open dialogs
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <array>
#include <initializer_list>
#include <utility>

using namespace plattform;

namespace {

bool gesetzt(const char* schluessel) { return schluessel != nullptr && *schluessel != '\0'; }

// a control shows the first of several "||" alternatives
std::string anzeigeText(const std::string& text)
{
    return text.find("||") == std::string::npos ? text : std::string(textFeldHolen(text, 1));
}

void elementAusSchluessel(Fenster dlg, int id, const char* schluessel)
{
    if (const std::string* t = dialogText(schluessel))
        elementTextSetzen(dlg, id, anzeigeText(*t));
}

void titelAusSchluessel(Fenster dlg, const char* schluessel)
{
    if (const std::string* t = dialogText(schluessel))
        titelSetzen(dlg, *t);
}

// A named applier: the caption and the controls it names for its dialog, whatever keys
// the template carries.
void texteSetzen(Fenster dlg, const char* titelSchluessel,
                 std::initializer_list<std::pair<int, const char*>> elemente)
{
    titelAusSchluessel(dlg, titelSchluessel);
    for (const auto& [id, schluessel] : elemente)
        elementAusSchluessel(dlg, id, schluessel);
}

constexpr const char* abbrechen = "IDCANCEL=";

} // namespace

void vorlagenTexteSetzen(Fenster dlg, const DialogVorlage& v)
{
    if (gesetzt(v.titelSchluessel))
        titelAusSchluessel(dlg, v.titelSchluessel);
    for (const DialogElement& e : v.elemente)
        if (gesetzt(e.textSchluessel))
            elementAusSchluessel(dlg, e.id, e.textSchluessel);
}

void vorlagenTooltipsSetzen(Fenster dlg, const DialogVorlage& v)
{
    for (const DialogElement& e : v.elemente)
        if (gesetzt(e.textSchluessel))
            if (const std::string* t = tooltipText(e.textSchluessel))
                tooltipSetzen(dlg, e.id, *t);
}

void eingabeTexteSetzen(Fenster dlg)
{
    texteSetzen(dlg, "IDD_EINGABE=",
                {{2, abbrechen},
                 {1252, "IDC_EINGABE_TEXT1="},
                 {1254, "IDC_EINGABE_TEXT2="},
                 {1253, "IDC_EINGABE_BEZEICHNUNG="},
                 {1802, "IDC_EINGABE_NICHT_MEHR_ANZEIGEN="}});
}

void anzeigeBoxTexteSetzen(Fenster dlg)
{
    texteSetzen(dlg, "IDD_ANZEIGEBOX=", {{2, abbrechen}, {1424, "IDC_ANZEIGEBOX_TEXT="}});
}

void simulationTexteSetzen(Fenster dlg)
{
    vorlagenTexteSetzen(dlg, vorlageSimulation);   // the buttons beside those below
    texteSetzen(dlg, "IDD_SIMULATION=",
                {{2, abbrechen},
                 {1645, "IDC_SIM_DAUER_TXT="},
                 {1646, "IDC_SIM_SCHRITTLAENGE_TXT="},
                 {1647, "IDC_SIM_SCHRITTE_PRO_ANZEIGE_TXT="},
                 {1559, "IDC_SIM_RESTZEIT_ZEIGEN="},
                 {1648, "IDC_SIM_SPIKESCHWELLE_TXT="},
                 {1560, "IDC_SIM_OBJEKTE_AKTIVIEREN="},
                 {1561, "IDC_SIM_KOLLISIONS_OBJEKTE_AKTIVIEREN="}});
}

void strominjektionTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageStrominjektion); }

void stromreizTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageStromreiz); }

void neuronBlitzTexteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageNeuronBlitz); }

void tooltipsStrominjektionDialog(Fenster dlg)
{
    // the controls that name a key of their own
    vorlagenTooltipsSetzen(dlg, vorlageStrominjektion);
    // the fields of a row share the tip of the row's label (0: no further field)
    struct Zeile {
        const char* schluessel;
        std::array<int, 4> felder;
    };
    static constexpr Zeile zeilen[] = {
        {"IDC_SI_ZEILE2_TXT=", {1282, 1288, 1316, 1324}},
        {"IDC_SI_ZEILE3_TXT=", {1283, 1289, 1317, 1325}},
        {"IDC_SI_ZEILE4_TXT=", {1284, 1290, 1318, 1326}},
        {"IDC_SI_ABSTAND_TXT=", {1292, 1296, 1321, 1329}},
        {"IDC_SI_AUS_DATEI=", {1351, 1354, 1355, 1356}},
        {"IDC_SI_SCHRITTWEITE_TXT=", {1304, 0, 0, 0}},
    };
    for (const Zeile& z : zeilen)
        if (const std::string* t = tooltipText(z.schluessel))
            for (int id : z.felder)
                if (id != 0)
                    tooltipSetzen(dlg, id, *t);
}

void tooltipsSynapseDialog(Fenster dlg) { vorlagenTooltipsSetzen(dlg, vorlageSynapse); }

void tooltipsPspDialog(Fenster dlg) { vorlagenTooltipsSetzen(dlg, vorlagePspForm); }
