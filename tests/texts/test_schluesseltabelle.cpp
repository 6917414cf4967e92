// tests/texts/test_schluesseltabelle.cpp - the key tables against the language files,
// the templates and the source tree
#include "resources/vorlagen.h"
#include "texts/eingebaut.h"
#include "texte_hilfe.h"
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>

using namespace texthilfe;
namespace fs = std::filesystem;

namespace {

struct Datei {
    const char* name;
    const TextTabelle* tabelle;
};
const Datei dateien[] = {
    {"meldung texte de.txt", &meldungsTexte}, {"meldung texte en.txt", &meldungsTexte},
    {"dialog texte de.txt", &dialogTexte},    {"dialog texte en.txt", &dialogTexte},
};

// KEY=text lines of a file, as they stand (escapes not undone, a CR still at the end)
std::map<std::string, std::string> zeilen(const std::string& pfad)
{
    std::map<std::string, std::string> werte;
    std::ifstream f(pfad, std::ios::binary);
    std::string z;
    while (std::getline(f, z)) {
        const size_t gleich = z.find('=');
        if (!z.starts_with("//") && gleich != std::string::npos)
            werte.emplace(z.substr(0, gleich + 1), z.substr(gleich + 1));
    }
    return werte;
}

// every source file of the program, not the tests and not the build trees
std::vector<fs::path> quellDateien()
{
    std::vector<fs::path> pfade;
    const fs::path wurzel = fs::canonical(quellbaum());
    for (auto it = fs::recursive_directory_iterator(wurzel); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name.starts_with("build") || name.starts_with(".") || name == "tests")) {
            it.disable_recursion_pending();
            continue;
        }
        const std::string endung = it->path().extension().string();
        if (it->is_regular_file() && (endung == ".cpp" || endung == ".h"))
            pfade.push_back(it->path());
    }
    return pfade;
}

} // namespace

TEST(SchluesselTabelle, JederSchluesselStehtInBeidenDateienMitDenselbenUmwandlungen)
{
    for (const Datei& d : dateien) {
        const auto werte = zeilen(ausgelieferteDateien() + d.name);
        std::set<std::string> bekannt;
        for (const TextEintrag& e : d.tabelle->eingebaut()) {
            bekannt.insert(e.schluessel);
            const auto it = werte.find(e.schluessel);
            ASSERT_NE(it, werte.end()) << d.name << ": " << e.schluessel;
            EXPECT_EQ(umwandlungen(it->second), umwandlungen(e.deutsch)) << d.name << ": " << e.schluessel;
        }
        for (const auto& [schluessel, text] : werte)
            EXPECT_TRUE(bekannt.count(schluessel)) << d.name << ": a key nothing reads: " << schluessel;
    }
    EXPECT_EQ(zeilen(ausgelieferteDateien() + "tooltip texte de.txt").size(),
              zeilen(ausgelieferteDateien() + "tooltip texte en.txt").size());
}

TEST(SchluesselTabelle, FormateDerDialogtextePassenZuIhrenAufrufern)
{
    // what the callers pass; 136 and 137 are themselves the %s of "%s  (%d)"
    const std::pair<int, const char*> formate[] = {{294, "d"}, {295, "s"}, {485, "d"}, {494, "s"},
                                                   {628, "d"}, {136, ""},  {137, ""}};
    for (const auto& [slot, art] : formate)
        EXPECT_EQ(umwandlungen(dialogTexte.eingebauterText(slot)), art) << slot;
}

TEST(SchluesselTabelle, JedeVorlageNenntNurBekannteSchluessel)
{
    for (const plattform::DialogVorlage* v : alleDialogVorlagen()) {
        EXPECT_TRUE(!*v->titelSchluessel || dialogText(v->titelSchluessel)) << v->titelSchluessel;
        for (const plattform::DialogElement& e : v->elemente)
            EXPECT_TRUE(!*e.textSchluessel || dialogText(e.textSchluessel)) << v->nummer << e.textSchluessel;
    }
}

TEST(SchluesselTabelle, DerQuelltextBenutztNurNummernUndSchluesselDerTabellen)
{
    const std::regex meldung(R"((?:meldungFormatieren\(|meldungsTexte\[)\s*(\d+))");
    const std::regex dialog(R"((?:dialogTextFormatieren\(|dialogTexte\[)\s*(\d+))");
    const std::regex namen(R"re("((?:IDD|IDC|IDOK|IDCANCEL)[A-Z0-9_]*=)")re");
    int gefunden = 0;
    for (const fs::path& p : quellDateien()) {
        const std::string name = p.filename().string();
        if (name == "meldungstabelle.cpp" || name == "dialogtabelle.cpp")
            continue;
        const std::string text = lesen(p.string());
        for (std::sregex_iterator it(text.begin(), text.end(), meldung), ende; it != ende; ++it, ++gefunden)
            EXPECT_FALSE(meldungsTexte.schluesselVon(std::stoi((*it)[1])).empty())
                << p << ": message " << (*it)[1] << " has no key in the table";
        for (std::sregex_iterator it(text.begin(), text.end(), dialog), ende; it != ende; ++it, ++gefunden)
            EXPECT_FALSE(dialogTexte.schluesselVon(std::stoi((*it)[1])).empty())
                << p << ": dialog slot " << (*it)[1] << " has no key in the table";
        for (std::sregex_iterator it(text.begin(), text.end(), namen), ende; it != ende; ++it, ++gefunden)
            EXPECT_GE(dialogTexte.nummerVon((*it)[1].str()), 0) << p << ": " << (*it)[1];
    }
    EXPECT_GT(gefunden, 0);   // the scan found the tree at all
}

// What the user reads in a chooser, the status bar, a window's title or a box's caption comes
// from the language files: the program passes no word of its own to those calls. The
// platform's own texts and the per-language tables of resources/ stand apart; "Velnor" and
// the box forms' names are no words of a language.
TEST(SchluesselTabelle, DerQuelltextGibtWaehlernStatusleisteTitelnUndBoxenKeineEigenenWorte)
{
    // each call from its name to the end of its statement
    const std::pair<const char*, std::regex> aufrufe[] = {
        {".titel", std::regex(R"(\.titel\s*=\s*"[^"])")},
        {"filter", std::regex(R"(filter\s*(?:=\s*\{\{|\.push_back\(\{)\s*")")},
        {"statusTeilSetzen(", std::regex(R"(statusTeilSetzen\([^,]*,\s*"(?:\\t)?\s*[A-Za-z])")},
        {"statusTextSetzen(", std::regex(R"(statusTextSetzen\([^;]*?,\s*"(?:\\t)?\s*[A-Za-z])")},
        {"titelSetzen(", std::regex(R"(titelSetzen\([^;]*?,\s*"[A-Za-z])")},
        {"fensterErzeugen(", std::regex(R"(fensterErzeugen\([^,;]*,\s*"(?!Velnor")[A-Za-z])")},
        {"restzeitFensterZeigen(", std::regex(R"(restzeitFensterZeigen\(\s*")")},
        {"filterAusText(", std::regex(R"(filterAusText\(\s*")")},
        {"meldungsBox(", std::regex(R"(meldungsBox\([^;]*"(?!SysInfo"|Hinweis"|Velnor info")[^"]*"\s*,\s*(?:plattform::)?knoepfe)")},
    };
    int dateien = 0;
    for (const fs::path& p : quellDateien()) {
        const std::string ordner = p.parent_path().filename().string();
        if (ordner == "resources" || ordner == "menues" || p.string().find("/platform/") != std::string::npos)
            continue;
        ++dateien;
        const std::string text = lesen(p.string());
        for (const auto& [name, muster] : aufrufe)
            for (size_t pos = text.find(name); pos != std::string::npos; pos = text.find(name, pos + 1)) {
                const std::string aufruf = text.substr(pos, text.find(';', pos) - pos);
                if (std::regex_search(aufruf, muster))
                    ADD_FAILURE() << p << ": " << aufruf;
            }
    }
    EXPECT_GT(dateien, 100);
}

namespace {

// The arguments of a call, from the '(' at auf to its matching ')', string and character
// literals skipped whole; "" when the call does not close.
std::string aufrufArgumente(const std::string& text, size_t auf)
{
    int tiefe = 0;
    for (size_t i = auf; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            for (++i; i < text.size() && text[i] != c; ++i)
                if (text[i] == '\\')
                    ++i;
        } else if (c == '(') {
            ++tiefe;
        } else if (c == ')' && --tiefe == 0) {
            return text.substr(auf + 1, i - auf - 1);
        }
    }
    return "";
}

// The words of the string literals in a piece of code: each literal with its escapes
// blanked ("\r\n", "\xFC" are no words), those with two letters in a row.
std::vector<std::string> literalWorte(const std::string& code)
{
    static const std::regex literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    static const std::regex escape(R"(\\(?:x[0-9A-Fa-f]+|[0-7]{1,3}|.))");
    static const std::regex wort("[A-Za-z]{2}");
    std::vector<std::string> worte;
    for (std::sregex_iterator it(code.begin(), code.end(), literal), ende; it != ende; ++it) {
        const std::string inhalt = (*it)[1].str();
        if (inhalt == "SysInfo" || inhalt == "Hinweis" || inhalt == "Velnor info")
            continue;   // the box forms' names: the platform shows the caption the language files give
        if (std::regex_search(std::regex_replace(inhalt, escape, " "), wort))
            worte.push_back(inhalt);
    }
    return worte;
}

} // namespace

// A box's text, and the notice a helper shows for its caller, comes from the language files:
// no call passes words of its own, neither as one literal nor pieced together with names.
TEST(SchluesselTabelle, DerQuelltextGibtBoxenKeineEigenenWorte)
{
    const char* boxen[] = {"hinweisBox(", "velnorInfoBox(", "sysInfoBox(", "meldungsBox(",
                           // the helpers that hand their text to a box unchanged
                           "verknuepfungVerweigern(", "feldAblehnen(", "fehlerMelden(", "endeMelden("};
    // what the check sees: a literal word anywhere in the arguments, escapes aside
    EXPECT_EQ(literalWorte(aufrufArgumente(R"x(f(name + "\r\n" + t[3], "\xFC", ')'))x", 1)), std::vector<std::string>{});
    EXPECT_EQ(literalWorte(aufrufArgumente(R"x(f(g(a), "ein (wort)" "x", "Hinweis"))x", 1)),
              std::vector<std::string>{"ein (wort)"});
    int aufrufe = 0;
    for (const fs::path& p : quellDateien()) {
        if (p.string().find("/platform/") != std::string::npos)
            continue;
        const std::string text = lesen(p.string());
        for (const char* name : boxen)
            for (size_t pos = text.find(name); pos != std::string::npos; pos = text.find(name, pos + 1)) {
                const std::string argumente = aufrufArgumente(text, pos + std::strlen(name) - 1);
                ++aufrufe;
                for (const std::string& w : literalWorte(argumente))
                    ADD_FAILURE() << p << ": " << name << argumente << ")  -- \"" << w << "\"";
            }
    }
    EXPECT_GT(aufrufe, 100);   // the scan found the calls at all
}

// Two texts under one number would make one of them unreachable, and which one depends on
// the table's order: every number and every key stands once.
TEST(SchluesselTabelle, JedeNummerUndJederSchluesselStehtEinmal)
{
    for (const auto& tabelle : {eingebauteMeldungen, eingebauteDialogTexte}) {
        std::set<int> nummern;
        std::set<std::string> schluessel;
        for (const TextEintrag& e : tabelle) {
            EXPECT_TRUE(nummern.insert(e.nummer).second) << e.nummer << " " << e.schluessel;
            EXPECT_TRUE(schluessel.insert(e.schluessel).second) << e.schluessel;
        }
    }
}
