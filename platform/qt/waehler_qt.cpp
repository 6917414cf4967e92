// platform/qt/waehler_qt.cpp - the file, colour and font choosers
//
// Qt's own dialogs (not the desktop's), so they look and behave the same everywhere and
// the filters work as the program expects: ignoring the case of the names.
#include "platform/box.h"
#include "platform/eigene_texte.h"
#include "platform/pfad.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/waehler.h"
#include "platform/zeichensatz.h"
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <cmath>

namespace plattform {

namespace {

QWidget* ueber(Fenster eigner)
{
    return istFenster(eigner) ? qt::aussen(eigner)->window() : QApplication::activeWindow();
}

// "*.KNL" -> "*.[kK][nN][lL]": the dialog compares names with their case on this system
QString ohneGrossKlein(const QString& muster)
{
    QString r;
    for (QChar c : muster) {
        if (c.toLower() != c.toUpper())
            r += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            r += c;
    }
    return r;
}

} // namespace

namespace qt {

// "text (muster ...)" per filter; the dialog shows the text only
QStringList dateiFilterListe(const std::vector<DateiFilter>& filter)
{
    QStringList liste;
    for (const DateiFilter& f : filter) {
        QStringList muster;
        for (const QString& m : text(f.muster).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QString t = m.trimmed();
            if (t.isEmpty())
                continue;
            if (t == QLatin1String("*.*"))     // everything, names without a dot too
                t = QStringLiteral("*");
            muster << ohneGrossKlein(t);
        }
        if (muster.isEmpty())
            muster << QStringLiteral("*");
        liste << text(f.text) + QStringLiteral(" (") + muster.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return liste;
}

} // namespace qt

namespace {

// "a/b/netz.str" -> "a/b", "netz", "str"; a leading dot belongs to the name
void zerlegen(const std::string& pfad, DateiWahl& w)
{
    const size_t schnitt = pfad.rfind('/');
    std::string datei = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
    w.ordner = schnitt == std::string::npos ? std::string() : pfad.substr(0, schnitt);
    const size_t punkt = datei.rfind('.');
    if (punkt != std::string::npos && punkt > 0) {
        w.endung = datei.substr(punkt + 1);
        datei.resize(punkt);
    } else {
        w.endung.clear();
    }
    w.name = datei;
}

} // namespace

bool dateiWaehlen(Fenster eigner, DateiWahl& wahl)
{
    QString ordner = wahl.ordner.empty() ? QString() : QString::fromStdString(pfadAufloesen(wahl.ordner));
    QString vorschlag = qt::text(wahl.name);
    std::string endung = wahl.endung;
    if (!endung.empty() && endung.front() == '.')
        endung.erase(0, 1);
    for (;;) {
        QFileDialog d(ueber(eigner), qt::text(wahl.titel), ordner);
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setOption(QFileDialog::HideNameFilterDetails);
        if (!wahl.filter.empty())
            d.setNameFilters(qt::dateiFilterListe(wahl.filter));
        if (wahl.speichern) {
            d.setAcceptMode(QFileDialog::AcceptSave);   // asks before overwriting
            d.setFileMode(QFileDialog::AnyFile);
        } else {
            d.setAcceptMode(QFileDialog::AcceptOpen);
            d.setFileMode(QFileDialog::ExistingFile);
        }
        d.setDefaultSuffix(qt::text(endung));
        if (!vorschlag.isEmpty())
            d.selectFile(vorschlag);
        const int ergebnis = d.exec();
        qt::pumpeVermerken();
        if (ergebnis != QDialog::Accepted || d.selectedFiles().isEmpty())
            return false;
        const QString gewaehlt = d.selectedFiles().front();
        std::string pfad;
        if (nachCp1252(gewaehlt.toStdString(), pfad)) {
            zerlegen(pfad, wahl);
            return true;
        }
        std::string text = eigenerText(EigenerText::PfadNichtDarstellbar);
        text.replace(text.find("%s"), 2, qt::text(gewaehlt));
        meldungsBox(eigner, text, "Hinweis", knoepfe::Ok | symbol::Information);
        const QFileInfo info(gewaehlt);
        ordner = info.absolutePath();
        vorschlag = info.fileName();
    }
}

Farbe farbeWaehlen(Fenster eigner, Farbe vorgabe)
{
    const QColor c = QColorDialog::getColor(qt::farbe(vorgabe == KeineFarbe ? 0 : vorgabe), ueber(eigner),
                                            qt::text(eigenerText(EigenerText::FarbeWaehlen)),
                                            QColorDialog::DontUseNativeDialog);
    qt::pumpeVermerken();
    return c.isValid() ? rgbFarbe(c.red(), c.green(), c.blue()) : KeineFarbe;
}

// Qt's font dialog offers no colour: the one passed in stays
bool schriftWaehlen(Fenster eigner, SchriftMerkmale& m, Farbe& /*farbe*/)
{
    QFont start = qt::schriftAusMerkmalen(m);
    if (m.hoehe != 0)                  // the dialog speaks points; the program's 96 dpi heights
        start.setPointSizeF(std::abs(m.hoehe) * 72.0 / 96.0);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, start, ueber(eigner), qt::text(eigenerText(EigenerText::SchriftWaehlen)),
                                         QFontDialog::DontUseNativeDialog);
    qt::pumpeVermerken();
    if (!ok)
        return false;
    m.hoehe = f.pointSizeF() > 0 ? -static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0)) : -f.pixelSize();
    m.gewicht = f.weight();
    m.kursiv = f.italic();
    m.unterstrichen = f.underline();
    m.name = qt::text(f.family());
    return true;
}

} // namespace plattform
