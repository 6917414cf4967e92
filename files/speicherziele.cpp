// files/speicherziele.cpp - the files one save writes, checked against each other before it writes
#include "files/speicherziele.h"
#include "core/status.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei_abschnitte.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"

namespace ausgabeArt {
constexpr int Netzdatei = 1761, Einstellungsdatei = 1762, Stromdatei = 1763, Referenzdatei = 1764,
              NetzSicherung = 1765, EinstellungsSicherung = 1766;
}

std::vector<SpeicherAusgabe> netzSpeicherAusgaben(const std::string& pfad, bool sicherung)
{
    using namespace ausgabeArt;
    std::vector<SpeicherAusgabe> a;
    if (sicherung) {
        a.push_back({pfad + ".bkp", NetzSicherung});
        if (!cfgPfad.empty())
            a.push_back({cfgPfad + ".bkp", EinstellungsSicherung});
        return a;
    }
    a.push_back({pfad, Netzdatei});
    if (!cfgPfad.empty())
        a.push_back({cfgPfad, Einstellungsdatei});
    if (programmStatus & programmBit::SomaDateiSchreiben)
        a.push_back({endungErsetzen(pfad, "ref"), Referenzdatei});
    a.push_back({endungErsetzen(pfad, "cur"), Stromdatei});
    return a;
}

bool ausgabenGetrennt(const std::vector<SpeicherAusgabe>& ausgaben)
{
    for (size_t i = 0; i < ausgaben.size(); ++i)
        for (size_t j = i + 1; j < ausgaben.size(); ++j)
            if (plattform::gleichesSchreibziel(ausgaben[i].pfad, ausgaben[j].pfad)) {
                const std::string erste = meldungsTexte[ausgaben[i].art];
                const std::string zweite = meldungsTexte[ausgaben[j].art];
                plattform::hinweisBox(meldungFormatieren(1760, ausgaben[i].pfad, erste, zweite));
                return false;
            }
    return true;
}

bool zielGetrennt(const SpeicherAusgabe& ziel, const std::vector<std::string>& andere, int art)
{
    for (const std::string& pfad : andere)
        if (!pfad.empty() && !ausgabenGetrennt({ziel, {pfad, art}}))
            return false;
    return true;
}
