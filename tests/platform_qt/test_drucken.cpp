// tests/platform_qt/test_drucken.cpp - the printer list and PDF jobs
#include "protokoll.h"
#include "skript.h"
#include "platform/drucken.h"
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

using namespace plattform;
using namespace protokoll;
using Drucken = QtTest;

namespace {

struct Blatt {
    double breite = 0, hoehe = 0;
};

// the first page's size in points, from its MediaBox
Blatt medienFormat(const std::string& pdf)
{
    Blatt b;
    const size_t p = pdf.find("/MediaBox");
    if (p != std::string::npos)
        std::sscanf(pdf.c_str() + p, "/MediaBox [0 0 %lf %lf", &b.breite, &b.hoehe);
    return b;
}

} // namespace

TEST_F(Drucken, PdfDateiIstA4HochOderQuer)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    for (bool quer : {false, true}) {
        const std::string pfad = ordner.path().toStdString() + (quer ? "/quer.pdf" : "/hoch.pdf");
        DruckEinstellung e{pdfDrucker, quer, "Diagramm", pfad};
        std::string fehler = "vorher";
        DruckAuftrag a = druckBeginnen(nullptr, e, &fehler);
        ASSERT_NE(a, nullptr) << fehler;
        EXPECT_EQ(fehler, "");
        const SeitenMasse m = seitenMasse(a);
        EXPECT_GT(m.dpiX, 0);
        EXPECT_EQ(m.dpiX, m.dpiY);
        EXPECT_NEAR(m.breite * 72.0 / m.dpiX, quer ? 842 : 595, 1.0);
        EXPECT_NEAR(m.hoehe * 72.0 / m.dpiY, quer ? 595 : 842, 1.0);
        // a margin all round, and the surface is the printable area
        EXPECT_GT(m.druckbar.links, 0);
        EXPECT_GT(m.druckbar.oben, 0);
        EXPECT_LT(m.druckbar.rechts, m.breite);
        EXPECT_LT(m.druckbar.unten, m.hoehe);
        Zeichenflaeche& z = druckFlaeche(a);
        const Rechteck g = flaechenGroesse(z);
        EXPECT_EQ(g.breite(), m.druckbar.breite());
        EXPECT_EQ(g.hoehe(), m.druckbar.hoehe());
        EXPECT_EQ(dpiY(z), m.dpiY);
        rechteck(z, {0, 0, g.breite(), g.hoehe()});
        text(z, 100, 100, "Potential \xb5V");
        ASSERT_TRUE(druckBeenden(a));

        const std::string pdf = dateiInhalt(pfad);
        ASSERT_GT(pdf.size(), 100u);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_NE(pdf.find("%%EOF", pdf.size() - 16), std::string::npos);
        const Blatt b = medienFormat(pdf);
        EXPECT_NEAR(b.breite, quer ? 842 : 595, 0.5);
        EXPECT_NEAR(b.hoehe, quer ? 595 : 842, 0.5);
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 2);   // nothing else left behind
}

TEST_F(Drucken, AbgebrochenerOderMisslungenerDruckLaesstDieAlteDateiStehen)
{
    QTemporaryDir ordner;
    const std::string pfad = ordner.path().toStdString() + "/alt.pdf";
    { std::ofstream(pfad) << "alter Inhalt"; }
    DruckAuftrag a = druckBeginnen(nullptr, {pdfDrucker, false, "Netz", pfad});
    ASSERT_NE(a, nullptr);
    linie(druckFlaeche(a), 0, 0, 500, 500);
    druckAbbrechen(a);
    EXPECT_EQ(dateiInhalt(pfad), "alter Inhalt");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);

    a = druckBeginnen(nullptr, {pdfDrucker, false, "Netz", ordner.path().toStdString() + "/fehlt/x.pdf"});
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(druckBeenden(a));                        // the folder does not exist

    std::string fehler;
    EXPECT_EQ(druckBeginnen(nullptr, {"Kein Drucker hier", false, "Netz", ""}, &fehler), nullptr);
    EXPECT_NE(fehler, "");

    // without a file the PDF printer asks; a cancel there is no failure
    DialogSkript skript({bei<QFileDialog>([](QFileDialog* d) { d->reject(); })});
    EXPECT_EQ(druckBeginnen(nullptr, {pdfDrucker, false, "Netz", ""}, &fehler), nullptr);
    EXPECT_TRUE(skript.fertig());
    EXPECT_EQ(fehler, "");
}

TEST_F(Drucken, DruckerlisteEndetMitDemPdfDruckerAuchAusEinemThread)
{
    std::vector<std::string> ausThread;
    std::thread neben([&] { ausThread = druckerListe(); });
    const std::vector<std::string> hier = druckerListe();
    neben.join();
    ASSERT_FALSE(hier.empty());
    EXPECT_EQ(hier.back(), pdfDrucker);
    EXPECT_EQ(ausThread, hier);
    const std::string standard = standardDrucker();
    EXPECT_NE(std::find(hier.begin(), hier.end(), standard), hier.end());
}
