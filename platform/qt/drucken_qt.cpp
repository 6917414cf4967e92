// platform/qt/drucken_qt.cpp - the printer list and print jobs on QPrinter
//
// A job prints one A4 page. The page's surface has its origin at the top-left of the
// printable area. The PDF printer writes into a temporary file first; only a finished job
// replaces the target, through the same safe write as every saved file.
#include "platform/drucken.h"
#include "platform/eigene_texte.h"
#include "platform/pfad.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/waehler.h"
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QTransform>
#include <memory>
#include <mutex>

namespace plattform {

struct DruckAuftragObjekt {
    QPrinter drucker{QPrinter::HighResolution};
    QPainter maler;                       // declared after the printer: ends before it goes
    Zeichenflaeche flaeche;
    bool pdf = false;
    std::string ziel;                     // the PDF printer's file (program path)
    std::unique_ptr<QTemporaryFile> zwischen;
};

namespace {

// Qt loads its printer support on the first query and that loading is not thread-safe;
// every query of ours goes through this lock (the program fills its printer menu from a
// thread). The queries themselves ask the print system, which may be called from any thread.
std::mutex druckerSperre;

// the PDF page's resolution and its fixed unprintable margin (1/6 inch, as a laser
// printer has it), so the program lays out a PDF page as it does a paper one
constexpr int pdfDpi = 600;
constexpr double pdfRandPunkte = 12.0;

std::string meldung(const char* was, const std::string& drucker) { return std::string(was) + " \"" + drucker + "\""; }

QString systemDruckerName(const std::string& name)
{
    std::lock_guard sperre(druckerSperre);
    for (const QString& n : QPrinterInfo::availablePrinterNames())
        if (qt::text(n) == name)
            return n;
    return {};
}

// asks for the PDF file with the save dialog; false when the user cancelled
bool pdfDateiErfragen(Fenster eigner, const std::string& dokument, std::string& pfad)
{
    DateiWahl w;
    w.name = dokument;
    w.endung = "pdf";
    w.filter = {{eigenerText(EigenerText::PdfDateien), "*.pdf"}};
    w.titel = eigenerText(EigenerText::PdfDruckenTitel);
    w.speichern = true;
    if (!dateiWaehlen(eigner, w))
        return false;
    pfad = gewaehlterPfad(w);
    return true;
}

void seiteEinrichten(QPrinter& d, bool quer)
{
    d.setPageSize(QPageSize(QPageSize::A4));
    d.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
}

} // namespace

std::vector<std::string> druckerListe()
{
    std::vector<std::string> liste;
    {
        std::lock_guard sperre(druckerSperre);
        for (const QString& n : QPrinterInfo::availablePrinterNames())
            liste.push_back(qt::text(n));
    }
    liste.push_back(pdfDrucker);
    return liste;
}

std::string standardDrucker()
{
    std::lock_guard sperre(druckerSperre);
    const QString n = QPrinterInfo::defaultPrinterName();
    return n.isEmpty() ? std::string(pdfDrucker) : qt::text(n);
}

DruckAuftrag druckBeginnen(Fenster eigner, const DruckEinstellung& e, std::string* fehler)
{
    auto melden = [&](const std::string& warum) -> DruckAuftrag {
        if (fehler)
            *fehler = warum;
        return nullptr;
    };
    const std::string name = e.drucker.empty() ? standardDrucker() : e.drucker;
    std::unique_ptr<DruckAuftragObjekt> a;
    {
        std::lock_guard sperre(druckerSperre);   // a new QPrinter asks for the printer support
        a = std::make_unique<DruckAuftragObjekt>();
    }
    a->pdf = name == pdfDrucker;
    QPrinter& d = a->drucker;
    if (a->pdf) {
        a->ziel = e.pdfDatei;
        if (a->ziel.empty() && !pdfDateiErfragen(eigner, e.dokument, a->ziel))
            return melden("");
        a->zwischen = std::make_unique<QTemporaryFile>();
        if (!a->zwischen->open())
            return melden("cannot create a temporary file for the PDF");
        a->zwischen->close();              // the printer opens it by name
        d.setOutputFormat(QPrinter::PdfFormat);
        d.setOutputFileName(a->zwischen->fileName());
        d.setResolution(pdfDpi);
        seiteEinrichten(d, e.quer);
        d.setPageMargins(QMarginsF(pdfRandPunkte, pdfRandPunkte, pdfRandPunkte, pdfRandPunkte), QPageLayout::Point);
    } else {
        const QString systemName = systemDruckerName(name);
        if (systemName.isEmpty())
            return melden(meldung("there is no printer", name));
        std::lock_guard sperre(druckerSperre);
        d.setPrinterName(systemName);
        if (!d.isValid())
            return melden(meldung("cannot open the printer", name));
        seiteEinrichten(d, e.quer);
        const QPageLayout l = d.pageLayout();   // the printer's own unprintable margins
        d.setPageMargins(l.minimumMargins(), l.units());
    }
    d.setFullPage(false);                      // the painter's origin: the printable area
    d.setDocName(qt::text(e.dokument));
    if (!a->maler.begin(&d))
        return melden(meldung("cannot start printing on", name));
    const QRect seite = d.pageRect(QPrinter::DevicePixel).toRect();
    qt::flaecheEinrichten(a->flaeche, &a->maler, &d, seite.width(), seite.height());
    a->flaeche.dpiX = a->flaeche.dpiY = d.resolution();
    if (fehler)
        fehler->clear();
    return a.release();
}

SeitenMasse seitenMasse(DruckAuftrag a)
{
    if (!a)
        return {};
    const QRect blatt = a->drucker.paperRect(QPrinter::DevicePixel).toRect();
    const QRect seite = a->drucker.pageRect(QPrinter::DevicePixel).toRect();
    SeitenMasse m;
    m.breite = blatt.width();
    m.hoehe = blatt.height();
    m.druckbar = {seite.left(), seite.top(), seite.left() + seite.width(), seite.top() + seite.height()};
    m.dpiX = m.dpiY = a->drucker.resolution();
    return m;
}

Zeichenflaeche& druckFlaeche(DruckAuftrag a) { return a->flaeche; }

void seitenAbbildungSetzen(Zeichenflaeche& z, double skala, int dx, int dy)
{
    if (z.maler)
        z.maler->setTransform(QTransform(skala, 0, 0, skala, dx, dy));
}

std::string druckZiel(DruckAuftrag a) { return a && a->pdf ? a->ziel : std::string(); }

bool druckBeenden(DruckAuftrag a)
{
    if (!a)
        return false;
    std::unique_ptr<DruckAuftragObjekt> auftrag(a);
    bool gut = auftrag->maler.end() && auftrag->drucker.printerState() != QPrinter::Error;
    if (gut && auftrag->pdf) {
        QFile datei(auftrag->zwischen->fileName());
        gut = datei.open(QIODevice::ReadOnly);
        const QByteArray bytes = gut ? datei.readAll() : QByteArray();
        gut = gut && !bytes.isEmpty() &&
              dateiSicherSchreiben(auftrag->ziel, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    return gut;                              // the temporary file goes with the job
}

void druckAbbrechen(DruckAuftrag a)
{
    if (!a)
        return;
    std::unique_ptr<DruckAuftragObjekt> auftrag(a);
    if (!auftrag->pdf)
        auftrag->drucker.abort();           // the spooler drops the job
    auftrag->maler.end();                    // a PDF ends in the temporary file, which goes
}

} // namespace plattform
