// tests/platform_qt/test_waehler.cpp - the file chooser: filters, the answer, refused paths
#include "protokoll.h"
#include "skript.h"
#include "platform/qt/qtfenster.h"
#include "platform/waehler.h"
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <fstream>

using namespace plattform;
using namespace protokoll;
using Waehler = QtTest;

namespace {

// the patterns the dialog reads from "text (muster ...)"
QStringList muster(const QString& filter)
{
    const int auf = filter.lastIndexOf('('), zu = filter.lastIndexOf(')');
    return filter.mid(auf + 1, zu - auf - 1).split(' ', Qt::SkipEmptyParts);
}

} // namespace

TEST_F(Waehler, FilterFindenNamenInJederSchreibweise)
{
    QTemporaryDir ordner;
    for (const char* n : {"a.knl", "B.KNL", "c.Knl", "d.txt", "eknl"})
        std::ofstream(ordner.path().toStdString() + "/" + n) << "x";
    const QStringList filter = qt::dateiFilterListe({{"Kanal-Definitionsdateien, (*.knl)", "*.KNL"},
                                                     {"Alles", "*.*"},
                                                     {"Zwei", "*.txt; *.knl"}});
    ASSERT_EQ(filter.size(), 3);
    EXPECT_TRUE(filter[0].startsWith("Kanal-Definitionsdateien, (*.knl) ("));
    // compared with case, as the dialog's file list does on this system
    QDir d(ordner.path());
    auto treffer = [&](const QString& f) {
        return d.entryList(muster(f), QDir::Files | QDir::CaseSensitive, QDir::Name);
    };
    EXPECT_EQ(treffer(filter[0]), (QStringList{"B.KNL", "a.knl", "c.Knl"}));
    EXPECT_EQ(treffer(filter[1]).size(), 5);
    EXPECT_EQ(treffer(filter[2]).size(), 4);
}

TEST_F(Waehler, GewaehlterPfadKommtZerlegtZurueck)
{
    QTemporaryDir ordner;
    const QString datei = ordner.path() + "/netz.version2.KNL";
    std::ofstream(datei.toStdString()) << "x";
    DialogSkript skript({bei<QFileDialog>([&](QFileDialog* d) {
        d->selectFile(datei);
        static_cast<QDialog*>(d)->accept();   // the OK button
    })});
    DateiWahl wahl;
    wahl.ordner = ordner.path().toStdString();
    wahl.filter = {{"Kan\xe4le", "*.knl"}};
    ASSERT_TRUE(dateiWaehlen(nullptr, wahl));
    EXPECT_EQ(wahl.ordner + "|" + wahl.name + "|" + wahl.endung, ordner.path().toStdString() + "|netz.version2|KNL");
}

TEST_F(Waehler, PfadOhneWindows1252WirdAbgelehntUndDerDialogKommtWieder)
{
    QTemporaryDir ordner;
    QString zweiterVorschlag;
    DialogSkript skript({
        bei<QFileDialog>([&](QFileDialog* d) {
            d->selectFile(ordner.path() + QString::fromUtf8("/gr\xc5\x91\xc3\x9f""e.knl"));   // o with double acute
            static_cast<QDialog*>(d)->accept();
        }),
        bei<QMessageBox>([](QMessageBox* b) { b->accept(); }),
        bei<QFileDialog>([&](QFileDialog* d) {
            zweiterVorschlag = d->directory().absolutePath();
            d->reject();
        }),
    });
    DateiWahl wahl;
    wahl.ordner = ordner.path().toStdString();
    wahl.name = "netz";
    wahl.endung = "knl";
    wahl.speichern = true;
    EXPECT_FALSE(dateiWaehlen(nullptr, wahl));
    EXPECT_TRUE(skript.fertig());
    EXPECT_EQ(zweiterVorschlag, QDir(ordner.path()).absolutePath());
    EXPECT_EQ(wahl.name, "netz");                           // untouched on cancel
}
