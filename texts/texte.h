// texts/texte.h - the language texts and the buffers messages are formatted into
//
// Three tables, read at start-up from the "parameter" folder: the numbered message
// texts, the dialog texts (slots with keys such as "IDCANCEL=") and the tooltip texts.
// German is loaded first and English over it when the language is English; every text
// a file lacks keeps its built-in German wording.
#pragma once
#include "platform/dialog.h"
#include "platform/fenster.h"
#include "texts/textformat.h"
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr int spracheDeutsch = 1031, spracheEnglisch = 1033;
// the language of the user interface; set by sprachTexteLaden
extern int sprache;

// the "parameter" folder beside the program (with a trailing '/') and the extension of
// its text files; empty until the first load, which takes the program directory's
struct ParameterOrdner {
    std::string pfad;
    std::string endung = "txt";
};
extern ParameterOrdner parameterOrdner;

// one built-in text: its number (or slot), its key in the language files and its German wording
struct TextEintrag {
    int nummer;
    const char* schluessel;
    const char* deutsch;
};

// A numbered text table. Numbers outside the table give an empty text.
class TextTabelle {
public:
    TextTabelle(int groesse, std::span<const TextEintrag> eingebaut);

    const std::string& operator[](int nummer) const;
    int groesse() const { return static_cast<int>(texte.size()); }
    int nummerVon(std::string_view schluessel) const;   // -1 when no entry has the key
    std::string_view schluesselVon(int nummer) const;   // "" when it has none
    std::string_view eingebauterText(int nummer) const; // the German wording, "" when none
    std::span<const TextEintrag> eingebaut() const { return eintraege; }

    void zuruecksetzen();                               // back to the built-in German texts
    void setzen(int nummer, std::string text);

private:
    std::span<const TextEintrag> eintraege;
    std::vector<const TextEintrag*> nachNummer;
    std::vector<std::string> texte;
};

extern TextTabelle meldungsTexte;   // message texts by number (see meldungsEigeneAb)
extern TextTabelle dialogTexte;     // the dialog texts by slot; slot 0 is the Cancel text

// the text of the next message box or status text; grows as needed
extern std::string meldungsPuffer;
// scratch text: the field textFeldHolen took, texts read from controls, paths being built
extern std::string arbeitsPuffer;

// dialog and tooltip texts by key ("IDOK="); null when the key is unknown
const std::string* dialogText(std::string_view schluessel);
const std::string* tooltipText(std::string_view schluessel);

// The n-th field (from 1) of a text whose fields are separated by "||", into
// arbeitsPuffer; empty when there is no such field.
const std::string& textFeldHolen(std::string_view text, int n);

// ---- loading ---------------------------------------------------------------------
// "sprache=" of a settings file: 1033 gives English, anything else (no file, no key)
// German.
int spracheLesen(const std::string& cfgPfad);
// Sets sprache (and the platform's own texts to it) and loads the German texts, then for
// English the English ones over them.
// Returns "" or, when a message-text file is missing, the text to show before the
// program ends (the built-in German texts stay in place meanwhile). Missing dialog or
// tooltip files leave the built-in texts.
std::string sprachTexteLaden(int spracheWahl);
// the same with the language of default.cfg in the program directory
std::string sprachTexteLaden();

// Message nummer as each language words it: the built-in German text, then the German and
// the English file's text where the file has one, whatever the session's language. For
// telling a default the program once stored from a choice of the user's own.
std::vector<std::string> meldungInBeidenSprachen(int nummer);

// ---- formatting ----------------------------------------------------------------------
// Message nummer formatted with the arguments into meldungsPuffer. A language text that
// does not fit the arguments gives way to the built-in German text, and that to the raw
// text (see sicherFormatieren).
template <class... A>
const std::string& meldungFormatieren(int nummer, const A&... a)
{
    const std::array<FormatArgument, sizeof...(A) + 1> argumente{FormatArgument(a)..., FormatArgument(0)};
    meldungsPuffer = sicherFormatieren(meldungsTexte[nummer], meldungsTexte.eingebauterText(nummer),
                                       std::span(argumente.data(), sizeof...(A)));
    return meldungsPuffer;
}

// A dialog text that is a format (slots 294, 295, 485, 494, 628, ...), formatted the same way.
template <class... A>
std::string dialogTextFormatieren(int slot, const A&... a)
{
    const std::array<FormatArgument, sizeof...(A) + 1> argumente{FormatArgument(a)..., FormatArgument(0)};
    return sicherFormatieren(dialogTexte[slot], dialogTexte.eingebauterText(slot),
                             std::span(argumente.data(), sizeof...(A)));
}

// ---- appliers --------------------------------------------------------------------------
// Sets the caption and every control text whose key the template names, from the dialog
// texts; a text of "||" fields gives its first field. Keys without a text leave the
// template's German text.
void vorlagenTexteSetzen(plattform::Fenster dlg, const plattform::DialogVorlage& v);
// Gives every control whose key has a tooltip text that tooltip.
void vorlagenTooltipsSetzen(plattform::Fenster dlg, const plattform::DialogVorlage& v);

// dialog 146: caption, Cancel, the statics 1252, 1254, 1253 and the check box 1802
void eingabeTexteSetzen(plattform::Fenster dlg);
// dialog 174: caption, Cancel and the static 1424
void anzeigeBoxTexteSetzen(plattform::Fenster dlg);
// dialog 133: every control that names a key, then the caption, Cancel, the statics
// 1645-1648 and the check boxes 1559-1561 by their slots (the dialog then writes the object
// counts into the labels of 1560 and 1561)
void simulationTexteSetzen(plattform::Fenster dlg);
// dialog 150 (caption "IDD_STROMINJEKTION="), 132 ("IDD_STROMREIZ=") and 152
// ("IDD_NEURON_BLITZ="): the caption and every control that names a key
void strominjektionTexteSetzen(plattform::Fenster dlg);
void stromreizTexteSetzen(plattform::Fenster dlg);
void neuronBlitzTexteSetzen(plattform::Fenster dlg);
// the tips of dialog 150's controls (keys "IDC_SI_..."); the number fields of a row take
// the tip of the row's label
void tooltipsStrominjektionDialog(plattform::Fenster dlg);
// the tips of template 135 (new, edit and delete synapse) and of dialog 319 (free PSP
// shape): every control that names a key with a tooltip text
void tooltipsSynapseDialog(plattform::Fenster dlg);
void tooltipsPspDialog(plattform::Fenster dlg);
