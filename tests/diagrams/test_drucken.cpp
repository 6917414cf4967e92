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
    EXPECT_EQ(std::tuple(job.gedruckt, job.dokument), std::tuple(true, "Zelle"));
    const SeitenEinrichtung& p = seiteDiagrammfenster;   // margins 20 mm left and right, 25 mm top and bottom
    EXPECT_EQ(std::tuple(p.druckBreite, p.druckHoehe, p.randLinksGeraet, p.randObenGeraet, p.ausdehnungX, p.ausdehnungY),
              std::tuple(4017, 5834, 354, 473, 600, 871));
    EXPECT_TRUE(std::any_of(job.aufrufe.begin(), job.aufrufe.end(), [](const pt::ZeichenAufruf& a) {
        const plattform::Rechteck& r = a.rechteck;
        return a.art == pt::ZeichenArt::Rechteck && std::tuple(r.links, r.oben, r.rechts, r.unten) == std::tuple(0, 0, 4725, 6780);
    }));
    EXPECT_EQ(texte(pt::Ereignis::Status), (std::vector<std::string>{"drucke Zelle", "drucken beendet"}));
    EXPECT_TRUE(!(programmStatus & programmBit::Druckt) && plattform::istFreigegeben(d->fenster));
    // landscape: 20 mm of a 297 mm wide sheet, not of 210 mm
    seiteDiagrammfenster.ausrichtung = seitenAusrichtung::Querformat;
    pt::dateiAntworten({pt::dateiAntwort("/tmp/zelle.pdf")});
    drucken(d->fenster);
    EXPECT_EQ(seiteDiagrammfenster.randLinksGeraet + pt::druckRand, 472);
    // a further diagram with its own size
    seiteDiagrammfenster.ausrichtung = seitenAusrichtung::Hochformat;
    DiagrammDaten* weiteres = diagrammAnzeigen(n, nullptr);
    ASSERT_NE(weiteres, nullptr);
    weiteres->breite = weiteres->hoehe = 300;
    druckAuftrag.pdfDatei = "/tmp/weiteres.pdf";
    drucken(weiteres->fenster);
    EXPECT_EQ(std::tuple(seiteDiagrammfenster.ausdehnungX, seiteDiagrammfenster.druckRechts), std::tuple(300, 300));
}

// what is not printed says why and never "drucken beendet"; a printable area beyond the
// sheet is a notice, and the page prints
TEST_F(DruckFall, JederFehlschlagSagtWarumUndEineUnstimmigeSeiteDruecktTrotzdem)
{
    enum Stoerung { Keine, Abbruch, EndeScheitert, BereichUeberDemBlatt };
    const struct {
        const char* drucker;
        double rand;
        Stoerung stoerung;
        const char* meldung;   // the notice's start; "" none
    } faelle[] = {
        {plattform::pdfDrucker, 20, Abbruch, ""},
        {"Gibtsnicht", 20, Keine, "Der Drucker \"Gibtsnicht\" kann nicht angesprochen werden."},
        {plattform::pdfDrucker, 150, Keine, "Zwischen den R\xE4ndern"},
        {plattform::pdfDrucker, 20, EndeScheitert, "Die Datei\n/tmp/zelle.pdf\nkonnte nicht"},
        {plattform::pdfDrucker, 20, BereichUeberDemBlatt, "Der Drucker meldet unstimmige"},
    };
    for (const auto& f : faelle) {
        const size_t ereignisse = pt::ereignisLog().size(), auftraege = pt::druckLog().size();
        const bool pdf = f.drucker == std::string(plattform::pdfDrucker), gedruckt = f.stoerung == BereichUeberDemBlatt;
        druckAuftrag.druckerName = f.drucker;
        seiteDiagrammfenster.randLinks = seiteDiagrammfenster.randRechts = f.rand;
        if (pdf)
            pt::dateiAntworten({f.stoerung == Abbruch ? pt::dateiAbbruch() : pt::dateiAntwort("/tmp/zelle.pdf")});
        if (f.stoerung == EndeScheitert)
            pt::druckBeendenScheitert();
        if (gedruckt)
            pt::druckSeiteSetzen({4961, 7016, {-10, 118, 4843, 6898}, 600, 600});
        if (*f.meldung)
            pt::boxAntworten({1});
        drucken(d->fenster);
        const std::vector<std::string> boxen = texte(pt::Ereignis::Box, ereignisse);
        ASSERT_EQ(boxen.size(), *f.meldung ? 1u : 0u) << f.drucker << f.rand;
        if (*f.meldung)
            EXPECT_EQ(boxen[0].rfind(f.meldung, 0), 0u) << boxen[0];
        ASSERT_EQ(pt::druckLog().size(), auftraege + (pdf && f.stoerung != Abbruch ? 1 : 0)) << f.drucker << f.rand;
        if (pt::druckLog().size() > auftraege)
            EXPECT_EQ(pt::druckLog().back().gedruckt, gedruckt);
        const std::vector<std::string> status = texte(pt::Ereignis::Status, ereignisse);
        EXPECT_EQ(std::count(status.begin(), status.end(), "drucken beendet"), gedruckt ? 1 : 0);
        ASSERT_FALSE(programmEndet());
    }
}

TEST(Kopfzeile, PlatzhalterUndLaenge)
{
    const std::tm t{0, 7, 9, 5, 2, 126, 0, 0, 0, 0, nullptr};   // 5 March 2026, 9:07
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
