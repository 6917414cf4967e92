// tests/diagrams/qt/test_drucken_qt.cpp - a diagram window printed to the PDF printer on
// the offscreen platform: a real PDF file, or a notice and no file at all
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "diagrams/drucken.h"
#include "dialogs/eingabe.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/seiteneinrichtung.h"
#include "model/simulationspruefung.h"
#include "platform/drucken.h"
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

// the main window's part: timer 7 closes the info box
intptr_t hauptProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == nachricht::Zeitgeber && w == zeitgeberAnzeigebox) {
        zeitgeberLoeschen(f, w);
        if (anzeigeboxParameter.fenster)
            senden(anzeigeboxParameter.fenster, anzeigeboxSchliessen);
    }
    return standardFensterProc(f, n, w, l);
}

} // namespace

TEST(DruckenQt, PdfDateiOderHinweisOhneDatei)
{
    qt::anwendungSicherstellen();
    klasseRegistrieren({meldungsTexte[12], diagrammFensterProc, 0xFFFFFF});
    klasseRegistrieren({"HauptQt", hauptProc, 0xFFFFFF});
    fensterhandles.hauptfenster = fensterErzeugen("HauptQt", "Velnor", stil::Hauptfenster, 0, 0, 300, 200);
    anzeigeboxParameter.anzeigedauer = 1;
    simulationsparameterVoreinstellen();
    for (const Voreinstellung& v : voreinstellungsSchritte())
        if (std::string_view("Diagrammvorlage") == v.name)
            v.ausfuehren();
    laufzeitSetzen(0.1, 0.001);
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    NeuronDaten* n = neuronNeu(1, 0);
    ++neuronKette.anzahl;
    DiagrammDaten* d = diagrammAnzeigen(n, &n->hauptDiagramm);
    ASSERT_NE(d, nullptr);
    // notices are answered as they come
    std::vector<std::string> hinweise;
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
    const struct { std::string datei; bool geschrieben; } faelle[] = {
        {ordner + "/zelle.pdf", true},
        {ordner + "/fehlt/zelle.pdf", false},
    };
    seiteDiagrammfenster.seiteMaximalAusnutzen = 1;
    for (const auto& f : faelle) {
        druckAuftrag.druckerName = pdfDrucker;
        druckAuftrag.pdfDatei = f.datei;
        fensterDrucken(d->fenster, seiteDiagrammfenster, druckAuftrag, "Zelle");
        std::ifstream ein(f.datei, std::ios::binary);
        std::string anfang(5, '\0');
        ein.read(anfang.data(), 5);
        EXPECT_EQ(ein.good() && anfang == "%PDF-", f.geschrieben) << f.datei;
        EXPECT_EQ(hinweise.size(), f.geschrieben ? 0u : 1u);
    }
    EXPECT_FALSE(std::filesystem::exists(ordner + "/fehlt"));
    std::filesystem::remove_all(ordner);
    druckAuftrag = {};
    seiteDiagrammfenster = {};
    netzLoeschen();
    stdNeuron.hauptDiagramm = DiagrammDaten{};
    aktuellesDiagramm = {};
    fensterZerstoeren(fensterhandles.hauptfenster);
    fensterhandles = {};
    qt::geloeschteFreigeben();
}
