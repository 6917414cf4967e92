// tests/platform_qt/test_sprache_qt.cpp - Qt's own texts in the program's language, from the
// translations the system has installed
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <gtest/gtest.h>
#include <filesystem>

using namespace plattform;

namespace {

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

} // namespace

// German chosen: the file chooser says "Suchen in" and "Abbrechen"; English, or a language
// the system has no translation for, leaves Qt's English.
TEST(SpracheQt, DateiwahlSprichtDieSpracheDesProgrammsWoDasSystemSieHat)
{
    qt::anwendungSicherstellen();
    const bool installiert = std::filesystem::exists(
        QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString() + "/qtbase_de.qm");

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
}
