// tests/app/test_befehle_sprache.cpp - the command sweep in German and in English: every chooser
// title and filter, status text, window title and box caption the program shows on the way
// comes from the session's language file
#include "befehlsdurchlauf.h"
#include "../stuetzen/sprachtexte.h"
#include "platform/eigene_texte.h"
#include <map>
#include <set>
#include <string_view>

using namespace befehlsdurchlauf;

namespace {

// A text of the language file as a pattern: its literal pieces between the printf
// conversions, which stand for anything.
struct Muster {
    std::vector<std::string> stuecke;   // stuecke.size() - 1 conversions between them
};

size_t umwandlungsLaenge(std::string_view t, size_t i)   // t[i] == '%'; 0: none
{
    size_t j = i + 1;
    while (j < t.size() && std::string_view("-+ #0").find(t[j]) != std::string_view::npos)
        ++j;
    while (j < t.size() && (std::isdigit(static_cast<unsigned char>(t[j])) || t[j] == '*' || t[j] == '.'))
        ++j;
    while (j < t.size() && std::string_view("hlLzjt").find(t[j]) != std::string_view::npos)
        ++j;
    return j < t.size() && std::string_view("diouxXeEfgGcsp").find(t[j]) != std::string_view::npos ? j + 1 - i : 0;
}

// leading tabs and blanks belong to the status bar's layout, not to the words
std::string_view ohneEinzug(std::string_view t)
{
    while (!t.empty() && (t.front() == '\t' || t.front() == ' '))
        t.remove_prefix(1);
    return t;
}

Muster musterAus(std::string_view text)
{
    Muster m{{""}};
    text = ohneEinzug(text);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') {
            m.stuecke.back() += '%';
            ++i;
        } else if (const size_t n = text[i] == '%' ? umwandlungsLaenge(text, i) : 0) {
            m.stuecke.emplace_back();
            i += n - 1;
        } else {
            m.stuecke.back() += text[i];
        }
    }
    return m;
}

bool passt(const Muster& m, std::string_view s)
{
    if (m.stuecke.size() == 1)
        return s == m.stuecke[0];
    if (!s.starts_with(m.stuecke.front()) || !s.ends_with(m.stuecke.back()) ||
        s.size() < m.stuecke.front().size() + m.stuecke.back().size())
        return false;
    size_t pos = m.stuecke.front().size();
    const size_t ende = s.size() - m.stuecke.back().size();
    for (size_t i = 1; i + 1 < m.stuecke.size(); ++i) {
        const size_t f = s.substr(0, ende).find(m.stuecke[i], pos);
        if (f == std::string_view::npos)
            return false;
        pos = f + m.stuecke[i].size();
    }
    return pos <= ende;
}

// A pattern of conversions alone would pass anything: it says nothing of a language.
bool leer(const Muster& m)
{
    for (const std::string& s : m.stuecke)
        if (!testhilfe::sprachfrei(s))
            return false;
    return true;
}

class BefehleSprache : public BefehleSchreibenNichts {
protected:
    std::vector<Muster> muster;             // the session's language file, each field and filter part
    std::set<std::string> namen;            // the network's and the files' own names
    std::map<std::string, std::set<std::string>> befunde;   // text -> the commands it came with
    size_t boxen = 0, ereignisse = 0, wahlen = 0, titel = 0;   // the logs seen so far

    void sprachWaehlen(int spracheWahl)
    {
        if (spracheWahl == spracheEnglisch) {
            cfg = lesen(apphilfe::ausgelieferteTexte() + "default.cfg");
            const size_t p = cfg.find("sprache=1031");
            cfg.replace(p, 12, "sprache=1033");
        }
    }

    void SetUp() override
    {
        BefehleSchreibenNichts::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        // the texts as the session loaded them: the language's file over the built-in ones
        for (const TextTabelle* t : {&meldungsTexte, &dialogTexte})
            for (const TextEintrag& e : t->eingebaut())
                for (int feld = 1;; ++feld) {
                    const std::string f = textFeldHolen((*t)[e.nummer], feld);
                    if (f.empty() && feld > 1)
                        break;
                    for (const DateiFilter& d : filterAusText(f))
                        muster.push_back(musterAus(d.text));
                    muster.push_back(musterAus(f));
                }
        // the platform's own texts in the language set with the texts (the PDF printer's chooser)
        for (int t = 0; t <= static_cast<int>(EigenerText::PfadNichtDarstellbar); ++t)
            muster.push_back(musterAus(eigenerText(static_cast<EigenerText>(t))));
        std::erase_if(muster, leer);
        for (const char* n : {"Velnor", "Sensor links", "Motor", "Inter"})
            namen.insert(n);
    }

    bool ausDerSprache(std::string_view text) const
    {
        text = ohneEinzug(text);
        if (testhilfe::sprachfrei(std::string(text)) || namen.contains(std::string(text)))
            return true;
        // a file's path or name (a title, "lese: netz.inx") names the user's file
        if (text.find(ordner) != std::string_view::npos || text.starts_with("/"))
            return true;
        return std::ranges::any_of(muster, [&](const Muster& m) { return passt(m, text); });
    }

    void pruefen(const std::string& was, const std::string& text, int befehl)
    {
        if (!ausDerSprache(text))
            befunde[was + ": \"" + text + "\""].insert(befehlsText(befehl));
    }

    // the logs since the last look; a restart of the program empties them
    void nachBefehl(int befehl) override
    {
        const auto& b = pt::boxLog();
        const auto& e = pt::ereignisLog();
        const auto& w = pt::dateiWahlLog();
        const auto& t = pt::titelLog();
        for (boxen = boxen > b.size() ? 0 : boxen; boxen < b.size(); ++boxen)
            pruefen("box caption", b[boxen].titel, befehl);
        for (ereignisse = ereignisse > e.size() ? 0 : ereignisse; ereignisse < e.size(); ++ereignisse)
            if (e[ereignisse].art == pt::Ereignis::Status)
                pruefen("status", e[ereignisse].text, befehl);
        for (wahlen = wahlen > w.size() ? 0 : wahlen; wahlen < w.size(); ++wahlen) {
            pruefen("chooser title", w[wahlen].gefragt.titel, befehl);
            for (const DateiFilter& f : w[wahlen].gefragt.filter)
                pruefen("chooser filter", f.text, befehl);
        }
        for (titel = titel > t.size() ? 0 : titel; titel < t.size(); ++titel)
            pruefen("window title", t[titel].titel, befehl);
    }

    void TearDown() override
    {
        std::string liste;
        for (const auto& [text, befehle] : befunde) {
            liste += text + " after";
            for (const std::string& b : befehle)
                liste += " " + b;
            liste += "\n";
        }
        EXPECT_EQ(liste, "") << "texts that are not the session's language file's";
        BefehleSchreibenNichts::TearDown();
    }

    // the main menu declined with Cancel, then the permutation mode's menus with No; the
    // language commands write the other language on purpose
    void alleMenues()
    {
        std::map<int, const char*> ausgelassen = speichern;
        ausgelassen.emplace(befehlSpracheEnglisch, "changes the language");
        ausgelassen.emplace(befehlSpracheDeutsch, "changes the language");
        durchlaufen(tabellenBefehle(hauptmenueTabelle(sprache)), ausgelassen);
        if (HasFatalFailure())
            return;
        wie = Ablehnen::Nein;
        sicherung = true;
        permutation = true;
        std::vector<int> befehle = tabellenBefehle(modusmenueTabelle(Modusmenue::Permutation, sprache));
        for (int b : tabellenBefehle(modusmenueTabelle(Modusmenue::Definition, sprache)))
            befehle.push_back(b);
        durchlaufen(befehle, ausgelassen);
    }
};

class BefehleDeutsch : public BefehleSprache {
protected:
    BefehleDeutsch() { sprachWaehlen(spracheDeutsch); }
};
class BefehleEnglisch : public BefehleSprache {
protected:
    BefehleEnglisch() { sprachWaehlen(spracheEnglisch); }
};

} // namespace

TEST_F(BefehleDeutsch, AlleTexteAusDerDeutschenSprachdatei)
{
    ASSERT_EQ(sprache, spracheDeutsch);
    alleMenues();
}

TEST_F(BefehleEnglisch, AlleTexteAusDerEnglischenSprachdatei)
{
    ASSERT_EQ(sprache, spracheEnglisch);
    alleMenues();
}
