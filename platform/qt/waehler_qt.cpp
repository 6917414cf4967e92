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
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QLineEdit>
#include <QRegularExpression>
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

// The extensions a filter's patterns name, in their order ("*.WAV;*.MPF": WAV, MPF); a
// pattern that takes any extension names none.
QStringList filterEndungen(const DateiFilter& f)
{
    QStringList endungen;
    for (const QString& m : qt::text(f.muster).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString t = m.trimmed();
        if (!t.startsWith(QLatin1String("*.")))
            continue;
        const QString e = t.mid(2);
        if (!e.isEmpty() && !e.contains(QRegularExpression(QStringLiteral("[*?\\[\\].]"))))
            endungen << e;
    }
    return endungen;
}

// Qt's dialog gives a name without an extension its default suffix. That suffix follows
// the filter the user chooses: the first of its extensions that names an existing file
// (the filter of every name: the caller's default), so the file opened or replaced is one
// the list shows, never another kind of the same name.
class Dateidialog : public QFileDialog {
public:
    Dateidialog(QWidget* eltern, const DateiWahl& wahl, const QString& ordner, const QString& vorgabe)
        : QFileDialog(eltern, qt::text(wahl.titel), ordner), wahl_(wahl), vorgabe_(vorgabe)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::HideNameFilterDetails);
        if (!wahl.filter.empty())
            setNameFilters(qt::dateiFilterListe(wahl.filter));
        if (wahl.speichern) {
            setAcceptMode(QFileDialog::AcceptSave);   // asks before overwriting
            setFileMode(QFileDialog::AnyFile);
        } else {
            setAcceptMode(QFileDialog::AcceptOpen);
            setFileMode(QFileDialog::ExistingFile);
        }
        zeile_ = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        connect(this, &QFileDialog::filterSelected, this, [this] { filterGewechselt(); });
        if (zeile_)
            connect(zeile_, &QLineEdit::textChanged, this, [this] { endungSetzen(); });
        // the list shows a filter's files only once it has sorted them anew
        if (auto* modell = findChild<QFileSystemModel*>()) {
            connect(modell, &QFileSystemModel::layoutChanged, this, [this] { knopfPruefen(); });
            connect(modell, &QFileSystemModel::directoryLoaded, this, [this] { knopfPruefen(); });
        }
        endungSetzen();
    }

    void accept() override
    {
        endungSetzen();
        QFileDialog::accept();
    }

private:
    // the chosen filter's: the dialog names it by its text alone (the details are hidden)
    QStringList endungen() const
    {
        const QString gewaehlt = selectedNameFilter();
        for (size_t i = 0; i < wahl_.filter.size(); ++i)
            if (gewaehlt == qt::text(wahl_.filter[i].text) || (i < static_cast<size_t>(nameFilters().size()) &&
                                                               gewaehlt == nameFilters()[static_cast<qsizetype>(i)]))
                return filterEndungen(wahl_.filter[i]);
        return {};
    }

    // as the name shows it: the caller's spelling of its default, else lower case
    QString schreibweise(const QString& e) const
    {
        return e.compare(vorgabe_, Qt::CaseInsensitive) == 0 ? vorgabe_ : e.toLower();
    }

    // the extension a name typed without one takes
    QString endungFuer(const QString& name) const
    {
        const QStringList liste = endungen();
        if (liste.isEmpty())
            return vorgabe_;
        if (!name.isEmpty()) {
            const QString pfad = QDir(directory()).absoluteFilePath(name);
            for (const QString& e : liste)
                for (const QString& s : {schreibweise(e), e, e.toLower(), e.toUpper()})
                    if (QFileInfo(pfad + QLatin1Char('.') + s).isFile())
                        return s;
        }
        return schreibweise(liste.front());
    }

    void endungSetzen()
    {
        const QString neu = endungFuer(zeile_ ? zeile_->text().trimmed() : QString());
        if (neu == defaultSuffix())
            return;
        setDefaultSuffix(neu);
        knopfPruefen();
    }

    // The Open button is enabled where the name with the suffix is a file the list shows;
    // Qt asks that on its own changes only, not on a new suffix or a list sorted anew.
    void knopfPruefen()
    {
        if (metaObject()->indexOfSlot("_q_updateOkButton()") >= 0)
            QMetaObject::invokeMethod(this, "_q_updateOkButton");
    }

    // Qt puts the new filter's pattern in place of the extension a save name has; our
    // patterns spell each letter in both cases, which is no extension
    void filterGewechselt()
    {
        if (zeile_ && wahl_.speichern) {
            const QString text = zeile_->text();
            const qsizetype punkt = text.lastIndexOf(QLatin1Char('.'));
            const QStringList liste = endungen();
            if (punkt > 0 && text.indexOf(QLatin1Char('['), punkt) >= 0 && !liste.isEmpty())
                zeile_->setText(text.left(punkt + 1) + schreibweise(liste.front()));
        }
        endungSetzen();
    }

    const DateiWahl& wahl_;
    QString vorgabe_;
    QLineEdit* zeile_ = nullptr;
};

} // namespace

bool dateiWaehlen(Fenster eigner, DateiWahl& wahl)
{
    QString ordner = wahl.ordner.empty() ? QString() : QString::fromStdString(pfadAufloesen(wahl.ordner));
    QString vorschlag = qt::text(wahl.name);
    std::string endung = wahl.endung;
    if (!endung.empty() && endung.front() == '.')
        endung.erase(0, 1);
    for (;;) {
        Dateidialog d(ueber(eigner), wahl, ordner, qt::text(endung));
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
