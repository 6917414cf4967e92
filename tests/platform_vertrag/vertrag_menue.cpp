// tests/platform_vertrag/vertrag_menue.cpp - menu bars and popups, message boxes, the file
// and colour choosers, and print jobs
#include "vertrag.h"
#include <thread>

using namespace vertrag;

using VertragMenue = Vertrag;
using VertragWahl = Vertrag;
using VertragDrucken = Vertrag;

namespace {

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

} // namespace

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
    eingang.clear();
    EXPECT_TRUE(treiber::menueWaehlen(f, 101));
    EXPECT_TRUE(treiber::menueWaehlen(f, 201));
    EXPECT_TRUE(treiber::menueWaehlen(f, 202));
    EXPECT_TRUE(treiber::menueWaehlen(f, 301));            // an item of the bar itself
    EXPECT_TRUE(von(f, n::Befehl).empty());                // posted, not sent
    nachrichtenVerarbeiten();
    EXPECT_EQ(befehle(f), "101/0 201/0 202/0 301/0");
    EXPECT_EQ(von(f, n::Befehl).at(0).l, 0);
    Menue datei = untermenue(m, 0);                        // each submenu on the way, with its place
    EXPECT_EQ(inits, (std::vector<std::pair<Menue, intptr_t>>{
                         {datei, 0}, {datei, 0}, {untermenue(datei, 3), 3}, {untermenue(m, 1), 1}}));
}

TEST_F(VertragMenue, PopupLiefertDenBefehlOhneBefehlsnachricht)
{
    Menue m = menueLaden(tabelle);
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 400, 300, m);
    Menue datei = untermenue(m, 0);
    treiber::popupWaehlen(datei, 101);
    eingang.clear();
    EXPECT_EQ(popupMenue(datei, f, {20, 20}), 101);
    ASSERT_EQ(von(f, n::MenuePopupInit).size(), 1u);
    EXPECT_EQ(von(f, n::MenuePopupInit)[0].w, reinterpret_cast<uintptr_t>(datei));
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(f, n::Befehl).empty());
    treiber::popupWaehlen(datei, 0);                       // the user chose nothing
    EXPECT_EQ(popupMenue(datei, f, {20, 20}), 0);
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
    DateiWahl w;
    w.ordner = ordner.pfad.string();
    w.filter = {{"Kan\xe4le", "*.knl"}, {"Alle Dateien (*.*)", "*.*"}};
    w.titel = "Kanal laden";
    ASSERT_TRUE(dateiWaehlen(nullptr, w));
    EXPECT_EQ(w.ordner + "|" + w.name + "|" + w.endung, ordner.pfad.string() + "|netz.version2|KNL");
    EXPECT_EQ(w.titel, "Kanal laden");                     // the question's own fields stay
    EXPECT_FALSE(dateiWaehlen(nullptr, w));
    EXPECT_EQ(w.name, "netz.version2");
}

TEST_F(VertragDrucken, DruckerlisteEndetMitDemPdfDruckerAuchAusEinemThread)
{
    std::vector<std::string> ausThread;
    std::thread neben([&] { ausThread = druckerListe(); });   // the program fills its menu so
    const std::vector<std::string> hier = druckerListe();
    neben.join();
    ASSERT_FALSE(hier.empty());
    EXPECT_EQ(hier.back(), pdfDrucker);
    EXPECT_EQ(ausThread, hier);
    EXPECT_NE(std::find(hier.begin(), hier.end(), standardDrucker()), hier.end());
}

TEST_F(VertragDrucken, PdfSeiteIstA4OhneDateiFragtSieAbbruchLaesstDieAlteDatei)
{
    TempOrdner ordner;
    treiber::dateiAntworten({ordner.datei("quer.pdf"), ""});
    DruckAuftrag a = druckBeginnen(nullptr, {pdfDrucker, true, "Diagramm", ""});   // asks for the file
    ASSERT_NE(a, nullptr);
    const SeitenMasse m = seitenMasse(a);
    EXPECT_TRUE(m.dpiX > 0 && m.dpiX == m.dpiY);
    EXPECT_NEAR(m.breite * 72.0 / m.dpiX, 842, 1.0);       // A4 across
    EXPECT_NEAR(m.hoehe * 72.0 / m.dpiY, 595, 1.0);
    EXPECT_TRUE(m.druckbar.links > 0 && m.druckbar.oben > 0);   // a margin all round
    EXPECT_TRUE(m.druckbar.rechts < m.breite && m.druckbar.unten < m.hoehe);
    Zeichenflaeche& z = druckFlaeche(a);                   // its origin: the printable area's corner
    const Rechteck g = flaechenGroesse(z);
    EXPECT_EQ(std::make_pair(g.breite(), g.hoehe()), std::make_pair(m.druckbar.breite(), m.druckbar.hoehe()));
    EXPECT_EQ(dpiY(z), m.dpiY);
    text(z, 100, 100, "Potential \xb5V");
    EXPECT_TRUE(druckBeenden(a));
    std::string grund = "alt";
    EXPECT_EQ(druckBeginnen(nullptr, {pdfDrucker, false, "lauf", ""}, &grund), nullptr);
    EXPECT_EQ(grund, "");                                  // the user cancelled: nothing to report
    EXPECT_EQ(druckBeginnen(nullptr, {"Gibtsnicht", false, "x", ""}, &grund), nullptr);
    EXPECT_NE(grund.find("Gibtsnicht"), std::string::npos);

    std::ofstream(ordner.datei("alt.pdf")) << "alter Inhalt";
    DruckAuftrag b = druckBeginnen(nullptr, {pdfDrucker, false, "x", ordner.datei("alt.pdf")});
    ASSERT_NE(b, nullptr);
    EXPECT_NEAR(seitenMasse(b).hoehe * 72.0 / seitenMasse(b).dpiY, 842, 1.0);   // A4 upright
    rechteck(druckFlaeche(b), {0, 0, 500, 500});
    druckAbbrechen(b);
    EXPECT_EQ(dateiInhalt(ordner.datei("alt.pdf")), "alter Inhalt");
    EXPECT_FALSE(druckBeenden(nullptr));
}
