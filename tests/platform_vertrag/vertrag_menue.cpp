// tests/platform_vertrag/vertrag_menue.cpp - menu bars and popups, message boxes, the file
// and colour choosers, and print jobs
#include "vertrag.h"

using namespace vertrag;

using VertragMenue = Vertrag;
using VertragWahl = Vertrag;
using VertragDrucken = Vertrag;

const MenueZeile tabelle[] = {
    {0, menueArt::Untermenue, 0, "&Datei"},
    {1, menueArt::Posten, 101, "&Neu\tStrg+N"},
    {1, menueArt::Trenner, 0, ""},
    {1, menueArt::Grau, 102, "&Ende"},
    {1, menueArt::Untermenue, 0, "&Drucker"},
    {2, menueArt::Posten, 201, "PDF"},
    {0, menueArt::Untermenue, 0, "&Ansicht"},
    {1, menueArt::Posten, 202, "&Gr\xf6\xdf" "e"},
    {0, menueArt::Posten, 301, "&Hilfe"},
};

TEST_F(VertragMenue, LeisteNimmtPlatzMeldetPopupInitUndPostetBefehle)
{
    Menue m = menueLaden(tabelle);
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 400, 300, m);   // m dies with it
    Fenster ohne = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 400, 300);
    nachrichtenVerarbeiten();
    EXPECT_EQ(fensterMenue(f), m);
    const Rechteck c = clientRechteck(f);
    EXPECT_LT(c.hoehe(), clientRechteck(ohne).hoehe());    // the bar takes its part
    EXPECT_EQ(von(f, n::Groesse).back().l, machLParam(c.breite(), c.hoehe()));

    std::vector<std::pair<Menue, intptr_t>> inits;
    reaktion = [&](Fenster, uint32_t msg, uintptr_t w, intptr_t l) -> std::optional<intptr_t> {
        if (msg == n::MenuePopupInit)
            inits.emplace_back(reinterpret_cast<Menue>(w), l);
        return std::nullopt;
    };
    for (int befehl : {101, 201, 202, 301})                // 301: an item of the bar itself
        EXPECT_TRUE(treiber::menueWaehlen(f, befehl));
    EXPECT_TRUE(von(f, n::Befehl).empty());                // posted, not sent
    nachrichtenVerarbeiten();
    EXPECT_EQ(befehle(f), "101/0 201/0 202/0 301/0");
    EXPECT_EQ(von(f, n::Befehl).at(0).l, 0);
    Menue datei = untermenue(m, 0);                        // each submenu on the way, with its place
    EXPECT_EQ(inits, (std::vector<std::pair<Menue, intptr_t>>{
                         {datei, 0}, {datei, 0}, {untermenue(datei, 3), 3}, {untermenue(m, 1), 1}}));

    treiber::popupWaehlen(datei, 101);                     // a popup returns the choice, sends no command
    treiber::popupWaehlen(datei, 0);                       // the user chose nothing
    eingang.clear();
    EXPECT_EQ(popupMenue(datei, f, {20, 20}), 101);
    EXPECT_EQ(popupMenue(datei, f, {20, 20}), 0);
    nachrichtenVerarbeiten();
    EXPECT_EQ(nachrichten(f, {n::MenuePopupInit, n::Befehl}), (std::vector<uint32_t>(2, n::MenuePopupInit)));
    EXPECT_EQ(von(f, n::MenuePopupInit)[0].w, reinterpret_cast<uintptr_t>(datei));
}

TEST_F(VertragMenue, BoxenGebenDieAntwortDesNutzers)
{
    treiber::boxAntworten({antwort::Ok, antwort::Ja, antwort::Abbrechen, antwort::Nein});
    EXPECT_EQ(hinweisBox("Datei gespeichert"), antwort::Ok);
    EXPECT_EQ(sysInfoBox("\xC4nderungen speichern?", knoepfe::JaNeinAbbrechen), antwort::Ja);
    EXPECT_EQ(velnorInfoBox("Fehler"), antwort::Abbrechen);
    EXPECT_EQ(meldungsBox(neu(), "Gr\xf6\xdf" "e?", "SysInfo", knoepfe::JaNein), antwort::Nein);
}

TEST_F(VertragWahl, DateiKommtZerlegtZurueckEinAbbruchAendertNichts)
{
    TempOrdner ordner;
    const std::string datei = ordner.datei("netz.version2.KNL");
    std::ofstream(datei) << "x";
    treiber::dateiAntworten({datei, ""});
    DateiWahl w{.ordner = ordner.pfad.string(), .name = "", .endung = "",
                .filter = {{"Kan\xe4le", "*.knl"}, {"Alle Dateien (*.*)", "*.*"}}, .titel = "Kanal laden"};
    ASSERT_TRUE(dateiWaehlen(nullptr, w));
    EXPECT_EQ(w.ordner + "|" + w.name + "|" + w.endung, ordner.pfad.string() + "|netz.version2|KNL");
    EXPECT_EQ(w.titel, "Kanal laden");                     // the question's own fields stay
    EXPECT_TRUE(!dateiWaehlen(nullptr, w) && w.name == "netz.version2");
}

// Nothing prints yet: one job through, and a cancelled file question.
TEST_F(VertragDrucken, PdfSeiteIstA4QuerEinAbbruchGibtNichts)
{
    TempOrdner ordner;
    EXPECT_EQ(druckerListe().back(), pdfDrucker);
    treiber::dateiAntworten({ordner.datei("quer.pdf"), ""});
    DruckAuftrag a = druckBeginnen(nullptr, {pdfDrucker, true, "Diagramm", ""});   // asks for the file
    ASSERT_NE(a, nullptr);
    const SeitenMasse m = seitenMasse(a);
    EXPECT_NEAR(m.breite * 72.0 / m.dpiX, 842, 1.0);       // A4 across
    EXPECT_NEAR(m.hoehe * 72.0 / m.dpiY, 595, 1.0);
    text(druckFlaeche(a), 100, 100, "Potential \xb5V");
    EXPECT_TRUE(druckBeenden(a));
    std::string grund = "alt";                             // the user cancels: nothing to report
    EXPECT_TRUE(druckBeginnen(nullptr, {pdfDrucker, false, "lauf", ""}, &grund) == nullptr && grund.empty());
}
