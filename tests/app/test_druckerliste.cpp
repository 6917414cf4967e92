// tests/app/test_druckerliste.cpp - the printer list in the menus, the choice of a printer
// and the network page printed on it from the main window
#include "app_hilfe.h"
#include "diagrams/drucken.h"
#include "model/seiteneinrichtung.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

struct DruckerFall : AppFall {
    void TearDown() override
    {
        druckerSucheAbwarten();
        druckAuftrag = {};
        ::standardDrucker.clear();
        seiteNetzfenster = {};
        AppFall::TearDown();
    }
    // the printer submenu's items after its head: command and text
    std::vector<std::pair<int, std::string>> untermenue() const
    {
        std::vector<std::pair<int, std::string>> v;
        const Menue m = menueMitBefehl(fensterhandles.hauptmenue, befehlDruckerUeberschrift);
        for (int i = 1; m && i < postenAnzahl(m); ++i)
            v.emplace_back(postenBefehl(m, i), postenText(m, i, Nach::Position));
        return v;
    }
};

} // namespace

TEST_F(DruckerFall, DieListeFuelltBeideSprachenDieWahlNimmtDenNamenUndDasLeereNetzDruecktDieFensterflaeche)
{
    const struct {
        std::vector<std::string> drucker;
        const char* standard;
        std::vector<std::pair<int, std::string>> posten;
    } faelle[] = {
        {{}, "PDF-Datei", {{50000, "PDF-Datei"}}},
        {{"Laser A", "Tinte B"}, "Tinte B", {{50000, "Laser A"}, {50001, "Tinte B"}, {50002, "PDF-Datei"}}},
    };
    std::string englisch = lesen(ausgelieferteTexte() + "default.cfg");
    englisch.replace(englisch.find("sprache=1031"), 12, "sprache=1033");
    for (const std::string& cfg : {std::string(), englisch})
        for (const auto& f : faelle) {
            programmZuruecksetzen();
            pt::druckerSetzen(f.drucker, f.standard);
            ASSERT_TRUE(starten(cfg));
            druckerSucheAbwarten();
            EXPECT_EQ(untermenue(), f.posten) << cfg.size();
            EXPECT_EQ(::standardDrucker, f.standard);
            std::filesystem::remove_all(ordner);
        }
    // 50003 lists nothing: the choice stays; the list stays for later choices
    for (const auto& [id, name] : {std::pair(50001, "Tinte B"), std::pair(50000, "Laser A"), std::pair(50003, "Laser A")}) {
        befehl(id);
        EXPECT_EQ(std::tuple(druckAuftrag.druckerName, druckAuftrag.druckerAnzahl), std::tuple(name, 3)) << id;
    }
    // 100 items at most, the PDF printer the last; asked while one runs, the last search wins
    std::vector<std::string> namen{"A&B"};
    for (int i = 1; i < 120; ++i)
        namen.push_back("Drucker " + std::to_string(i));
    pt::druckerSetzen(namen);
    for (int i = 0; i < 5; ++i)
        befehl(befehlDruckerSuchen);
    druckerSucheAbwarten();
    EXPECT_EQ(std::tuple(druckAuftrag.druckerAnzahl, druckAuftrag.druckerListe[98]), std::tuple(100, "Drucker 98"));
    EXPECT_EQ(untermenue().back(), std::pair(50099, std::string("PDF-Datei")));
    EXPECT_EQ(untermenue().front().second, "A&&B");   // shown as it is named, chosen by its name
    befehl(befehlDruckerErste);
    EXPECT_EQ(druckAuftrag.druckerName, "A&B");
    // the network without a neuron prints the window's client area, with its header
    seiteNetzfenster.kopfzeile = 1;
    seiteNetzfenster.kopfText = "Kopf";
    befehl(befehlNetzwerkDrucken);
    ASSERT_EQ(pt::druckLog().size(), 1u);
    EXPECT_TRUE(pt::druckLog()[0].gedruckt);
    const Rechteck c = clientRechteck(haupt());
    EXPECT_EQ(std::tuple(seiteNetzfenster.druckLinks, seiteNetzfenster.druckRechts, seiteNetzfenster.druckUnten),
              std::tuple(0, c.rechts, c.unten));
    const auto& aufrufe = pt::druckLog()[0].aufrufe;
    EXPECT_TRUE(std::any_of(aufrufe.begin(), aufrufe.end(), [](const pt::ZeichenAufruf& a) { return a.text == "Kopf"; }));
}
