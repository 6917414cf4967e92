// tests/platform_qt/test_sprache_qt.cpp - what the platform shows of its own accord (the
// boxes' buttons, its choosers and Qt's texts in them) speaks one language: the program's
#include "platform/box.h"
#include "platform/drucken.h"
#include "platform/eigene_texte.h"
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include "vertrag.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

using namespace plattform;
using vertrag::TempOrdner;

namespace {

bool deutschInstalliert()
{
    return std::filesystem::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString() + "/qtbase_de.qm");
}

// the labels and buttons a file chooser of ours shows
QStringList dateiwahlTexte()
{
    QFileDialog d;
    d.setOption(QFileDialog::DontUseNativeDialog);
    QStringList texte;
    for (auto* l : d.findChildren<QLabel*>())
        texte << l->text();
    for (auto* k : d.findChildren<QPushButton*>())
        texte << k->text();
    return texte;
}

// every text a window shows or keeps ready: titles, labels, buttons, tooltips, placeholders,
// list and header entries, the actions of its menus
QSet<QString> alleTexte(QWidget* fenster)
{
    QSet<QString> texte;
    QList<QWidget*> widgets = fenster->findChildren<QWidget*>();
    widgets << fenster;
    for (QWidget* w : widgets) {
        texte << w->windowTitle() << w->toolTip() << w->whatsThis();
        if (auto* l = qobject_cast<QLabel*>(w))
            texte << l->text();
        if (auto* k = qobject_cast<QAbstractButton*>(w))
            texte << k->text();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            texte << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                texte << c->itemText(i);
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel& m = *v->model();
            for (int s = 0; s < m.columnCount(v->rootIndex()); ++s) {
                texte << m.headerData(s, Qt::Horizontal).toString();
                for (int z = 0; z < m.rowCount(v->rootIndex()); ++z)
                    texte << m.index(z, s, v->rootIndex()).data().toString();
            }
        }
    }
    for (QAction* a : fenster->findChildren<QAction*>() + fenster->actions())
        texte << a->text() << a->toolTip();
    if (auto* b = qobject_cast<QMessageBox*>(fenster))
        texte << b->text();
    texte.remove(QString());
    return texte;
}

// The platform's windows in one language: the four kinds of box, the open and save file
// choosers (the latter once more after its question whether to replace a file), the
// question, the PDF printer's file choice, the colour and font choosers; each window on top
// is read, then cancelled as a user would. Also the menu of a dialog's edit field.
QSet<QString> plattformTexte(const TempOrdner& ordner, int& fenster)
{
    QSet<QString> texte;
    fenster = 0;
    QPointer<QWidget> zuletzt;
    bool ersetzenGefragt = false;
    QTimer blick;
    QObject::connect(&blick, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == zuletzt)
            return;
        zuletzt = w;
        ++fenster;
        texte += alleTexte(w);
        auto* d = qobject_cast<QDialog*>(w);
        if (auto* f = qobject_cast<QFileDialog*>(w); f && f->windowTitle() == "Speichern" && !ersetzenGefragt) {
            ersetzenGefragt = true;          // an existing file: Qt asks before replacing it
            f->selectFile(QString::fromStdString(ordner.datei("netz.str")));
            QTimer::singleShot(0, f, [d] { d->accept(); });
            return;
        }
        qobject_cast<QMessageBox*>(w) ? void(w->close()) : d->reject();
        zuletzt = nullptr;
    });
    blick.start(10);

    for (uint32_t art : {knoepfe::Ok, knoepfe::OkAbbrechen, knoepfe::JaNein, knoepfe::JaNeinAbbrechen})
        meldungsBox(nullptr, "Weiter?", "SysInfo", art | symbol::Frage);
    for (const bool speichern : {false, true}) {
        DateiWahl w{.ordner = ordner.pfad.string(), .name = "netz", .endung = "str",
                    .filter = {{"Netzwerkdateien (*.str)", "*.str"}}, .titel = speichern ? "Speichern" : "Laden",
                    .speichern = speichern};
        EXPECT_FALSE(dateiWaehlen(nullptr, w));
    }
    std::string fehler = "?";
    EXPECT_EQ(druckBeginnen(nullptr, {.drucker = pdfDrucker, .quer = false, .dokument = "Zelle", .pdfDatei = ""},
                            &fehler),
              nullptr);
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(farbeWaehlen(nullptr, 0x0000FF), KeineFarbe);
    SchriftMerkmale m;
    Farbe f = 0;
    EXPECT_FALSE(schriftWaehlen(nullptr, m, f));
    QLineEdit feld;
    const std::unique_ptr<QMenu> kontext(feld.createStandardContextMenu());
    texte += alleTexte(kontext.get());

    // what the caller gave: captions, texts, names, filters, the folder
    for (const char* t : {"SysInfo", "Weiter?", "Speichern", "Laden", "Netzwerkdateien (*.str)", "netz", "netz.str",
                          "Zelle", "Zelle.pdf"})
        texte.remove(QString::fromUtf8(t));
    for (auto it = texte.begin(); it != texte.end();)
        it = it->contains(QString::fromStdString(ordner.pfad.string())) ? texte.erase(it) : std::next(it);
    return texte;
}

} // namespace

// German chosen: the file chooser says "Suchen in" and "Abbrechen"; English, or a language
// the system has no translation for, leaves Qt's English.
TEST(SpracheQt, DateiwahlSprichtDieSpracheDesProgrammsWoDasSystemSieHat)
{
    qt::anwendungSicherstellen();
    const bool installiert = deutschInstalliert();

    EXPECT_FALSE(plattformTexteSprache("xx"));
    EXPECT_TRUE(dateiwahlTexte().contains("Look in:"));

    EXPECT_EQ(plattformTexteSprache("de"), installiert);
    if (installiert) {
        const QStringList texte = dateiwahlTexte();
        EXPECT_TRUE(texte.contains("Suchen in:")) << texte.join(" | ").toStdString();
        EXPECT_TRUE(texte.contains("Abbrechen")) << texte.join(" | ").toStdString();
    }

    EXPECT_TRUE(plattformTexteSprache("en"));
    const QStringList texte = dateiwahlTexte();
    EXPECT_TRUE(texte.contains("Look in:") && texte.contains("Cancel")) << texte.join(" | ").toStdString();
    plattformTexteSprache("de");
}

// Every box and chooser is opened in each language and all its texts are read: no text shows
// in both languages but the few that are the same words in both (OK, Name, ...), the font
// names and the numbers. A German "Ja" in the English box, or a chooser that kept Qt's
// English beside German buttons, shows up here.
TEST(SpracheQt, BoxenUndWaehlerZeigenKeinenTextDerAnderenSprache)
{
    qt::anwendungSicherstellen();
    if (!deutschInstalliert())
        GTEST_SKIP() << "Qt's German translation is not installed";
    TempOrdner ordner;
    std::ofstream(ordner.datei("netz.str")) << "x";

    int fensterDe = 0, fensterEn = 0;
    ASSERT_TRUE(plattformTexteSprache("de"));
    const QSet<QString> de = plattformTexte(ordner, fensterDe);
    ASSERT_TRUE(plattformTexteSprache("en"));
    const QSet<QString> en = plattformTexte(ordner, fensterEn);
    plattformTexteSprache("de");
    EXPECT_EQ(fensterDe, 11) << "4 boxes; open; save, its question, save again; PDF; colour; font";
    EXPECT_EQ(fensterEn, fensterDe);

    // what each language must show: the boxes' buttons and a few of Qt's texts
    for (const char* t : {"Ja", "Nein", "Abbrechen", "Suchen in:", "Datei&name:", "Dateien des Typs:",
                          "Als PDF-Datei drucken", "PDF-Dateien (*.pdf)", "&Kopieren\tStrg+C"})
        EXPECT_TRUE(de.contains(QString::fromUtf8(t))) << t;
    for (const char* t : {"Yes", "No", "Cancel", "Look in:", "File &name:", "Files of type:",
                          "Print to a PDF file", "PDF files (*.pdf)", "&Copy\tCtrl+C"})
        EXPECT_TRUE(en.contains(QString::fromUtf8(t))) << t;

    // the same in both: a few words, the home folder, what the fonts call themselves and
    // their styles, the writing systems' names that are one word in both
    QSet<QString> gleich{"OK", "Name", "Computer", "&HTML:", QDir::homePath(), QDir::home().dirName()};
    for (const QString& familie : QFontDatabase::families()) {
        gleich << familie;
        for (const QString& stil : QFontDatabase::styles(familie))
            gleich << stil;
    }
    for (int s = QFontDatabase::Any; s < QFontDatabase::WritingSystemsCount; ++s)
        gleich << QFontDatabase::writingSystemName(static_cast<QFontDatabase::WritingSystem>(s));
    QStringList beide;
    for (const QString& t : de) {
        // a text with a digit is a number, a date, a size or a font's name: the system's
        // locale writes the dates and sizes, whatever the program speaks
        const bool ziffer = std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
        if (en.contains(t) && !ziffer && !gleich.contains(t) && !t.trimmed().isEmpty())
            beide << t;
    }
    EXPECT_TRUE(beide.isEmpty()) << beide.join(" | ").toStdString();
}
