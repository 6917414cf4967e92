// platform/eigene_texte.cpp - the platform's own texts in both languages
#include "platform/eigene_texte.h"
#include "platform/box.h"
#include <array>
#include <atomic>

namespace plattform {

namespace {

struct Paar { std::string de, en; };

const std::array<Paar, 9>& tabelle()
{
    static const std::array<Paar, 9> t{{
        {"OK", "OK"},
        {"Abbrechen", "Cancel"},
        {"Ja", "Yes"},
        {"Nein", "No"},
        {"Farbe w\xe4hlen", "Choose a colour"},
        {"Schrift w\xe4hlen", "Choose a font"},
        {"Als PDF-Datei drucken", "Print to a PDF file"},
        {"PDF-Dateien (*.pdf)", "PDF files (*.pdf)"},
        {"Der Pfad enth\xe4lt Zeichen, die das Programm nicht speichern kann:\n%s\n"
         "Bitte einen anderen Namen oder Ordner w\xe4hlen.",
         "The path holds characters the program cannot store:\n%s\nPlease choose another name or folder."},
    }};
    static_assert(t.size() == static_cast<size_t>(EigenerText::PfadNichtDarstellbar) + 1);
    return t;
}

std::atomic<bool> englisch{false};

// the form names the program passes, and what each shows
struct Form {
    const char* name;
    std::string titel;
};
std::array<Form, 3> formen{{{"Hinweis", "Hinweis"}, {"Velnor info", "Velnor info"}, {"SysInfo", "SysInfo"}}};

} // namespace

void boxTitelSetzen(BoxForm form, const std::string& titel)
{
    formen[static_cast<size_t>(form)].titel = titel;
}

const std::string& boxTitel(const std::string& titel)
{
    for (const Form& f : formen)
        if (titel == f.name)
            return f.titel;
    return titel;
}

const std::string& eigenerText(EigenerText t)
{
    const Paar& p = tabelle()[static_cast<size_t>(t)];
    return englisch.load(std::memory_order_relaxed) ? p.en : p.de;
}

bool eigeneTexteSprache(const std::string& kuerzel)
{
    englisch = kuerzel != "de";
    return kuerzel == "de" || kuerzel == "en";
}

} // namespace plattform
