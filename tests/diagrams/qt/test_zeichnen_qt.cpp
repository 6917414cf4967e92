// tests/diagrams/qt/test_zeichnen_qt.cpp - a diagram window painted into an image on the
// offscreen platform: the pixels of its axes, ticks and soma curve; and printed to a PDF file
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "dialogs/eingabe.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/seiteneinrichtung.h"
#include "platform/drucken.h"
#include "model/simulationspruefung.h"
#include "platform/qt/qtstart.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string_view>

using namespace plattform;

namespace {

constexpr Farbe weiss = 0xFFFFFF, blau = 0xFF0000, oliv = 0x008080, braun = rgbFarbe(128, 64, 32);

class ZeichnenQt : public ::testing::Test {
protected:
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = nullptr;
    Bild bild = nullptr;

    void SetUp() override
    {
        qt::anwendungSicherstellen();
        klasseRegistrieren({meldungsTexte[12], diagrammFensterProc, 0xFFFFFF});
        simulationsparameterVoreinstellen();
        for (const Voreinstellung& v : voreinstellungsSchritte())
            if (std::string_view("Diagrammvorlage") == v.name)
                v.ausfuehren();
        laufzeitSetzen(0.1, 0.001);
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
        n = neuronNeu(1, 0);
        ++neuronKette.anzahl;
        d = diagrammAnzeigen(n, &n->hauptDiagramm);
        ASSERT_NE(d, nullptr);
        verschieben(d->fenster, 50, 50, 640, 480);
    }
    void TearDown() override
    {
        bildLoeschen(bild);
        netzLoeschen();
        stdNeuron.hauptDiagramm = DiagrammDaten{};
        aktuellesDiagramm = {};
        qt::geloeschteFreigeben();
    }
    // the colour found within a pixel of (x, y), or the colour at (x, y)
    Farbe nahe(int x, int y, Farbe gesucht) const
    {
        for (int i = 0; i < 9; ++i)
            if (bildPixel(bild, x + i % 3 - 1, y + i / 3 - 1) == gesucht)
                return gesucht;
        return bildPixel(bild, x, y);
    }
};

} // namespace

TEST_F(ZeichnenQt, AchsenBlauTicksOlivUndDieSomakurveBraunEinDrittelUnterDerNull)
{
    KurvenDaten& soma = d->kurven[kurve::Soma];
    soma.anzeigen = 1;
    kurvenVorbereiten(d, kurve::Soma);
    std::fill_n(soma.werte.begin(), 100, -50.0f);
    soma.werteAnzahl = 100;
    kurvePunkteBerechnen(d, kurve::Soma);
    bild = fensterAbbild(d->fenster);
    ASSERT_NE(bild, nullptr);
    // 0 mV a third of the way down the plot of -100..50; the x-axis across the whole plot
    EXPECT_EQ(d->xAchseY - d->yRand, static_cast<int>(d->plotHoehe / 3.0 + 0.5));
    const int mitte = d->xRand + d->plotBreite / 2;
    for (int x : {d->xRand + 5, mitte, d->xRand + d->plotBreite - 1})
        EXPECT_EQ(nahe(x, d->xAchseY, blau), blau) << x;
    EXPECT_EQ(nahe(d->yAchseX, d->yRand + d->plotHoehe / 2, blau), blau);  // the y-axis
    // the first time tick right of the y-axis runs 20 pixels up from the x-axis
    const int tick = d->xRand + static_cast<int>(d->xTickIntervallWirksam * d->plotBreite / 0.1 + 0.5);
    EXPECT_EQ(nahe(tick, d->xAchseY - 10, oliv), oliv);
    EXPECT_EQ(bildPixel(bild, tick, d->xAchseY - 30), weiss);
    // the curve at -50 mV, two thirds down; nothing of it above the axis
    const int zeile = d->yAchseUnten[1] - static_cast<int>(d->plotHoehe / 3.0 + 0.5);
    EXPECT_EQ(nahe(mitte, zeile, braun), braun);
    EXPECT_EQ(bildPixel(bild, mitte, zeile - 20), weiss);
    EXPECT_EQ(bildPixel(bild, mitte, d->yRand + 5), weiss);
}

// timer 7 of the main window closes the info box
intptr_t hauptProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == nachricht::Zeitgeber && w == zeitgeberAnzeigebox && anzeigeboxParameter.fenster)
        senden(anzeigeboxParameter.fenster, anzeigeboxSchliessen);
    return standardFensterProc(f, n, w, l);
}

TEST_F(ZeichnenQt, DruckWirdPdfDateiOderHinweisOhneDatei)
{
    klasseRegistrieren({"HauptQt", hauptProc, 0xFFFFFF});
    fensterhandles.hauptfenster = fensterErzeugen("HauptQt", "Velnor", stil::Hauptfenster, 0, 0, 300, 200);
    anzeigeboxParameter.anzeigedauer = 1;
    std::vector<std::string> hinweise;   // answered as they come
    QTimer antworten;
    QObject::connect(&antworten, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                hinweise.push_back(box->text().toStdString());
                box->accept();
            }
    });
    antworten.start(20);
    const std::string ordner = std::filesystem::temp_directory_path() / "velnor-druck-qt";
    std::filesystem::create_directories(ordner);
    seiteDiagrammfenster.seiteMaximalAusnutzen = 1;
    druckAuftrag.druckerName = pdfDrucker;
    for (const std::string datei : {ordner + "/zelle.pdf", ordner + "/fehlt/zelle.pdf"}) {
        druckAuftrag.pdfDatei = datei;
        fensterDrucken(d->fenster, seiteDiagrammfenster, druckAuftrag, "Zelle");
        std::ifstream ein(datei, std::ios::binary);
        std::string anfang(5, '\0');
        ein.read(anfang.data(), 5);
        const bool geschrieben = datei == ordner + "/zelle.pdf";
        EXPECT_EQ(ein.good() && anfang == "%PDF-", geschrieben) << datei;
        EXPECT_EQ(hinweise.size(), geschrieben ? 0u : 1u);
    }
    std::filesystem::remove_all(ordner);
    druckAuftrag = {};
    seiteDiagrammfenster = {};
    fensterZerstoeren(fensterhandles.hauptfenster);
    fensterhandles = {};
}
