// tests/platform/test_drucken.cpp - the scripted printer list and recorded print jobs
#include "test_fenster_hilfe.h"
#include <thread>

using namespace plattform;
using namespace probe;

using Drucken = Fall;

TEST_F(Drucken, DerPdfDruckerStehtImmerZuletzt)
{
    EXPECT_EQ(druckerListe(), (std::vector<std::string>{"PDF-Datei"}));
    EXPECT_EQ(standardDrucker(), pdfDrucker);

    test::druckerSetzen({"Laser", pdfDrucker, "Farbe", "Laser"}, "Farbe");
    EXPECT_EQ(druckerListe(), (std::vector<std::string>{"Laser", "Farbe", pdfDrucker}));
    EXPECT_EQ(standardDrucker(), "Farbe");

    // the program fills its printer menu from a thread of its own
    std::vector<std::string> ausThread;
    std::thread t([&] { ausThread = druckerListe(); });
    t.join();
    EXPECT_EQ(ausThread, druckerListe());

    test::druckerSetzen({"Laser"}, "Weg");   // a default that is not there
    EXPECT_EQ(standardDrucker(), pdfDrucker);
    test::zuruecksetzen();
    EXPECT_EQ(druckerListe().size(), 1u);
}

TEST_F(Drucken, EinAuftragHatA4SeitenUndLandetMitSeinenAufrufenImLog)
{
    test::druckerSetzen({"Laser"}, "Laser");
    DruckAuftrag a = druckBeginnen(nullptr, {"", true, "Diagramm 3", ""});
    ASSERT_NE(a, nullptr);
    SeitenMasse m = seitenMasse(a);
    EXPECT_EQ(std::make_pair(m.breite, m.hoehe), std::make_pair(7016, 4961));   // landscape: A4 turned
    EXPECT_EQ(m.druckbar.rechts, 7016 - test::druckRand);
    Zeichenflaeche& z = druckFlaeche(a);
    EXPECT_EQ(dpiY(z), 600);
    EXPECT_EQ(flaechenGroesse(z).breite(), m.druckbar.breite());   // the origin is the printable area's corner
    linie(z, 0, 0, 100, 100);
    text(z, 10, 10, "Neuron 1");
    EXPECT_TRUE(druckBeenden(a));

    DruckAuftrag b = druckBeginnen(nullptr, {"Laser", false, "verworfen", "/tmp/nicht.pdf"});
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(seitenMasse(b).breite, 4961);
    rechteck(druckFlaeche(b), {0, 0, 5, 5});
    druckAbbrechen(b);

    const auto& log = test::druckLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].drucker + "|" + log[0].dokument, "Laser|Diagramm 3");   // "" became the default
    EXPECT_TRUE(log[0].quer);
    ASSERT_EQ(log[0].aufrufe.size(), 2u);
    EXPECT_EQ(log[0].aufrufe[1].text, "Neuron 1");
    EXPECT_TRUE(log[0].gedruckt);
    EXPECT_FALSE(log[1].gedruckt);
    EXPECT_EQ(log[1].pdfDatei, "");       // only the PDF printer has a file
    EXPECT_TRUE(test::dateiWahlLog().empty());
}

TEST_F(Drucken, PdfOhneDateiFragtDenDateiwaehlerUndAbbruchIstKeinFehler)
{
    Fenster f = neu();
    test::dateiAntworten({test::dateiAntwort("/tmp/berichte/lauf.pdf"), test::dateiAbbruch()});
    DruckAuftrag a = druckBeginnen(f, {pdfDrucker, false, "lauf", ""});
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(druckBeenden(a));
    EXPECT_EQ(test::druckLog().at(0).pdfDatei, "/tmp/berichte/lauf.pdf");
    const auto& frage = test::dateiWahlLog().at(0).gefragt;
    EXPECT_TRUE(frage.speichern);
    EXPECT_EQ(frage.name + "." + frage.endung, "lauf.pdf");

    std::string grund = "alt";
    EXPECT_EQ(druckBeginnen(f, {pdfDrucker, false, "lauf", ""}, &grund), nullptr);
    EXPECT_EQ(grund, "");   // the user cancelled: nothing to report

    EXPECT_EQ(druckBeginnen(f, {"Gibtsnicht", false, "x", ""}, &grund), nullptr);
    EXPECT_NE(grund.find("Gibtsnicht"), std::string::npos);
    EXPECT_EQ(test::druckLog().size(), 1u);

    // with a file given nobody is asked
    DruckAuftrag b = druckBeginnen(f, {pdfDrucker, false, "x", "/tmp/x.pdf"});
    druckAbbrechen(b);
    EXPECT_EQ(test::dateiWahlLog().size(), 2u);
    EXPECT_FALSE(druckBeenden(nullptr));
}
