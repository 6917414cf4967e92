// tests/diagrams/test_drucken.cpp - a diagram window printed on one page, the header's
// placeholders and the page set-up dialog
#include "../dialogs/ersatz_hauptfenster.h"
#include "diagramm_hilfe.h"
#include "diagrams/drucken.h"
#include "dialogs/seiteeinrichten.h"
#include "model/seiteneinrichtung.h"

namespace {

namespace s = pt::schritt;

struct DruckFall : GezeigtFall {
    void SetUp() override
    {
        GezeigtFall::SetUp();
        plattform::klasseRegistrieren({"Ersatz", ersatz::hauptProc});
        fensterhandles.hauptfenster = plattform::fensterErzeugen("Ersatz", "Velnor", plattform::stil::Hauptfenster, 0, 0, 800, 600);
        fensterhandles.statusleiste = plattform::statusleisteErzeugen(fensterhandles.hauptfenster, 1);
        druckAuftrag = {};
        druckAuftrag.druckerName = plattform::pdfDrucker;
        seiteDiagrammfenster = {};
        seiteDiagrammfenster.randLinks = seiteDiagrammfenster.randRechts = 20;
        seiteDiagrammfenster.randOben = seiteDiagrammfenster.randUnten = 25;
        seiteDiagrammfenster.rahmenZeichnen = 1;
        d->breite = 600;
        d->hoehe = 400;
    }
    void TearDown() override
    {
        druckAuftrag = {};
        seiteDiagrammfenster = {};
        GezeigtFall::TearDown();
    }
    void drucken(plattform::Fenster f) { fensterDrucken(f, seiteDiagrammfenster, druckAuftrag, "Zelle"); }
    static std::vector<std::string> texte(pt::Ereignis::Art art, size_t ab = 0)
    {
        std::vector<std::string> v;
        for (size_t i = ab; i < pt::ereignisLog().size(); ++i)
            if (const pt::Ereignis& e = pt::ereignisLog()[i]; e.art == art)
                v.push_back(e.text);
        return v;
    }
};

} // namespace

TEST_F(DruckFall, DiagrammAufDemPdfDruckerMitRaendernInEchtenMillimetern)
{
    pt::dateiAntworten({pt::dateiAntwort("/tmp/zelle.pdf")});
    drucken(d->fenster);
    ASSERT_EQ(pt::druckLog().size(), 1u);
    const pt::DruckEintrag& job = pt::druckLog()[0];
    EXPECT_TRUE(job.gedruckt);
    EXPECT_EQ(job.dokument, "Zelle");
    const SeitenEinrichtung& p = seiteDiagrammfenster;
    EXPECT_EQ(std::tuple(p.druckBreite, p.druckHoehe, p.randLinksGeraet, p.randObenGeraet, p.ausdehnungX, p.ausdehnungY),
              std::tuple(4017, 5834, 354, 473, 600, 871));
    EXPECT_TRUE(std::any_of(job.aufrufe.begin(), job.aufrufe.end(), [](const pt::ZeichenAufruf& a) {
        return a.art == pt::ZeichenArt::Rechteck && a.rechteck.rechts == 4725 && a.rechteck.unten == 6780 &&
               a.rechteck.links == 0 && a.rechteck.oben == 0;
    }));
    EXPECT_EQ(texte(pt::Ereignis::Status), (std::vector<std::string>{"drucke Zelle", "drucken beendet"}));
    EXPECT_FALSE(programmStatus & programmBit::Druckt);
    EXPECT_TRUE(plattform::istFreigegeben(d->fenster));
    // landscape: 20 mm of a 297 mm wide sheet, not of 210 mm
    seiteDiagrammfenster.ausrichtung = seitenAusrichtung::Querformat;
    pt::dateiAntworten({pt::dateiAntwort("/tmp/zelle.pdf")});
    drucken(d->fenster);
    EXPECT_EQ(seiteDiagrammfenster.randLinksGeraet + pt::druckRand, 472);
}

TEST_F(DruckFall, EinWeiteresDiagrammDrucktMitSeinerEigenenGroesse)
{
    DiagrammDaten* weiteres = diagrammAnzeigen(n, nullptr);
    ASSERT_NE(weiteres, nullptr);
    weiteres->breite = 300;
    weiteres->hoehe = 300;
    druckAuftrag.pdfDatei = "/tmp/weiteres.pdf";
    drucken(weiteres->fenster);
    EXPECT_EQ(seiteDiagrammfenster.ausdehnungX, 300);
    EXPECT_EQ(seiteDiagrammfenster.druckRechts, 300);
}

TEST_F(DruckFall, WasNichtGedrucktWirdSagtWarumUndNieDruckenBeendet)
{
    struct Fall {
        const char* drucker;
        double rand;
        bool abbruch, scheitert;
        const char* meldung;   // "" none
        size_t auftraege;
    };
    const Fall faelle[] = {
        {plattform::pdfDrucker, 20, true, false, "", 0},
        {"Gibtsnicht", 20, false, false, "Der Drucker \"Gibtsnicht\" kann nicht angesprochen werden.", 0},
        {plattform::pdfDrucker, 150, false, false, "Zwischen den R\xE4ndern", 1},
        {plattform::pdfDrucker, 20, false, true, "Die Datei\n/tmp/zelle.pdf\nkonnte nicht", 1},
    };
    for (const Fall& f : faelle) {
        const size_t ereignisse = pt::ereignisLog().size(), auftraege = pt::druckLog().size();
        druckAuftrag.druckerName = f.drucker;
        seiteDiagrammfenster.randLinks = seiteDiagrammfenster.randRechts = f.rand;
        if (f.drucker == std::string(plattform::pdfDrucker))
            pt::dateiAntworten({f.abbruch ? pt::dateiAbbruch() : pt::dateiAntwort("/tmp/zelle.pdf")});
        if (f.scheitert)
            pt::druckBeendenScheitert();
        if (*f.meldung)
            pt::boxAntworten({1});
        drucken(d->fenster);
        const std::vector<std::string> boxen = texte(pt::Ereignis::Box, ereignisse);
        ASSERT_EQ(boxen.size(), *f.meldung ? 1u : 0u) << f.drucker << f.rand;
        if (*f.meldung)
            EXPECT_EQ(boxen[0].rfind(f.meldung, 0), 0u) << boxen[0];
        ASSERT_EQ(pt::druckLog().size(), auftraege + f.auftraege) << f.drucker << f.rand;
        if (f.auftraege)
            EXPECT_FALSE(pt::druckLog().back().gedruckt);
        const std::vector<std::string> status = texte(pt::Ereignis::Status, ereignisse);
        EXPECT_EQ(std::count(status.begin(), status.end(), "drucken beendet"), 0);
    }
}

TEST_F(DruckFall, DruckerWahlBehaeltListeUndSchrift)
{
    druckAuftrag.druckerListe = {"Laser A", plattform::pdfDrucker};
    druckAuftrag.druckerAnzahl = 2;
    druckAuftrag.druckerSchrift.punkte = 12;
    druckerNameSetzen(druckAuftrag, "Laser A");
    EXPECT_EQ(druckAuftrag.druckerName, "Laser A");
    EXPECT_EQ(druckAuftrag.druckerAnzahl, 2);
    EXPECT_EQ(druckAuftrag.druckerListe.size(), 2u);
    EXPECT_EQ(druckAuftrag.druckerSchrift.punkte, 12);
}

TEST(Kopfzeile, PlatzhalterUndLaenge)
{
    std::tm t{};
    t.tm_mday = 5;
    t.tm_mon = 2;
    t.tm_year = 126;
    t.tm_hour = 9;
    t.tm_min = 7;
    dateipfade.netzName = "netz";
    const std::pair<std::string, std::string> faelle[] = {
        {"^D", "05.03.26"}, {"um ^U", "um 09:07"}, {"^F.gui", "netz.gui"}, {"a^Xb^", "ab"}, {"^^D", "D"},
    };
    for (const auto& [ein, aus] : faelle)
        EXPECT_EQ(kopfzeileErsetzen(ein, t), aus) << ein;
    dateipfade.netzName = std::string(200, 'n');
    EXPECT_EQ(kopfzeileErsetzen(std::string(255, 'x').replace(0, 20, "^F^F^F^F^F^F^F^F^F^F"), t).size(), 1023u);
    dateipfade = {};
}

TEST_F(DruckFall, SeiteEinrichtenSchalterBehaeltGetippteFelder)
{
    SeitenEinrichtung seite;
    seite.randOben = 5;
    const auto gesperrt = [](int id) { return [id](plattform::Fenster dlg) { EXPECT_FALSE(pt::dialogElement(dlg, id)->freigegeben) << id; }; };
    // the network's page: the diagram switch is off limits; a toggle reopens with what was typed
    pt::dialogSkript(153, {gesperrt(1386), gesperrt(1387), gesperrt(1365), s::tippen(1360, "12,5"), s::klicken(1364)});
    pt::dialogSkript(153, {[](plattform::Fenster dlg) {
                               EXPECT_EQ(pt::dialogElement(dlg, 1360)->text, "12.5");
                               EXPECT_TRUE(pt::dialogElement(dlg, 1365)->freigegeben);
                           },
                           s::klicken(1)});
    EXPECT_EQ(seiteEinrichtenOeffnen(fensterhandles.hauptfenster, seite), 1);
    EXPECT_EQ(std::tuple(seite.randOben, seite.umrandung), std::tuple(12.5, 1));
    // a diagram's page shows "Seite maximal ausnutzen" ticked; Cancel leaves the record
    pt::dialogSkript(153, {[](plattform::Fenster dlg) { EXPECT_TRUE(pt::dialogElement(dlg, 1387)->haken); },
                           s::tippen(1360, "40"), s::klicken(2)});
    EXPECT_EQ(seiteEinrichtenOeffnen(d->fenster, seite), 2);
    EXPECT_EQ(std::tuple(seite.randOben, seite.seiteMaximalAusnutzen), std::tuple(12.5, 0));
}
