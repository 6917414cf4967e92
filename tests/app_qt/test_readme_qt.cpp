// tests/app_qt/test_readme_qt.cpp - the README's two steps on the Qt platform: an example
// opened as ./run.sh passes it, then F2; what the user sees afterwards; a curve data file of
// that run opened at the next start
#include "app/beenden.h"
#include "app/start.h"
#include "app/status.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "files/kurvendatei.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/fenster.h"
#include "platform/system.h"
#include "platform/qt/qtstart.h"
#include "qt_ende.h"
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

using namespace plattform;
namespace fs = std::filesystem;

namespace {

// the source tree (VELNOR_TEST_DATEN is its tests/data)
fs::path quellBaum() { return fs::path(VELNOR_TEST_DATEN).parent_path().parent_path(); }

constexpr int feuert = -1;            // spikes in the run, how many the README does not say

// what the README says of each example: its neurons' spikes, in number order
struct Beispiel {
    const char* datei;
    std::vector<int> spikes;
    friend void PrintTo(const Beispiel& b, std::ostream* aus) { *aus << b.datei; }
};
const Beispiel beispiele[] = {
    {"onoff.gui", {0, feuert}},
    {"swim.gui", {0, feuert}},
    {"hodgkin-huxley.gui", {0, feuert}},
    {"golowasch-buchholz.gui", {0, feuert}},
    {"synapsen.gui", {feuert, feuert, 0, feuert}},    // sender, excited, inhibited, coupled
    {"reizfolge.gui", {5, feuert}},                  // one spike per pulse; the bursts
};

// Spikes in a soma curve (mV): each rise through 0 mV from below -20 mV.
int spikesDerKurve(const KurvenDaten& k)
{
    int anzahl = 0;
    bool unten = true;
    for (int i = 0; i < k.werteAnzahl && i < static_cast<int>(k.werte.size()); ++i) {
        const float v = k.werte[static_cast<size_t>(i)];
        if (unten && v > 0.0f) {
            ++anzahl;
            unten = false;
        } else if (v < -20.0f) {
            unten = true;
        }
    }
    return anzahl;
}

// A box, or a dialog that does not close by itself (the start picture does, after a
// second), is what the README's path must not show: its texts are kept and it is closed, so
// the test goes on and names it.
struct Aufpasser {
    std::vector<std::string> gesehen;
    QTimer uhr;
    QPointer<QWidget> offen;
    double seit = 0.0;
    Aufpasser()
    {
        uhr.setInterval(50);
        QObject::connect(&uhr, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != offen) {
                offen = dialog;
                seit = uhrSekunden();
            }
            const bool box = qobject_cast<QMessageBox*>(dialog);
            if (!dialog || (!box && uhrSekunden() - seit < 5.0))
                return;
            std::string text = std::string(dialog->metaObject()->className()) + " \"" +
                               dialog->windowTitle().toStdString() + "\"";
            for (auto* l : dialog->findChildren<QLabel*>())
                text += " / " + l->text().toStdString();
            gesehen.push_back(text);
            dialog->reject();
        });
        uhr.start();
    }
};

void ereignisseAbarbeiten(double sekunden)
{
    const double ende = uhrSekunden() + sekunden;
    while (uhrSekunden() < ende)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct ReadmeQt : ::testing::TestWithParam<Beispiel> {
    fs::path ordner;

    // a screen of 1280 x 800 whose windows have frames, as under a window manager
    static void SetUpTestSuite()
    {
        const char* qpa = std::getenv("QT_QPA_PLATFORM");
        if (QCoreApplication::instance() || !qpa || std::string(qpa) != "offscreen")
            return;
        const fs::path konfig = fs::temp_directory_path() / ("velnor-readme-" + std::to_string(getpid()) + ".json");
        std::ofstream(konfig) << R"({"windowFrameMargins": true, "screens": [{"name": "readme", "x": 0, "y": 0,
            "width": 1280, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + konfig.string()).c_str(), 1);
        qt::anwendungSicherstellen();       // reads the screen now
        fs::remove(konfig);
    }

    // the program folder as the build lays it out: "parameter" and default.cfg beside it
    void SetUp() override
    {
        qt::anwendungSicherstellen();
        ordner = fs::temp_directory_path() / ("velnor-readme-" + std::to_string(getpid()));
        fs::remove_all(ordner);
        fs::create_directories(ordner / "parameter");
        for (const auto& e : fs::directory_iterator(quellBaum() / "resources" / "parameter"))
            fs::copy_file(e.path(), e.path().filename() == "default.cfg" ? ordner / "default.cfg"
                                                                          : ordner / "parameter" / e.path().filename());
    }

    // the program's own end frees the network and its windows; then back to a program not
    // yet started, for the next example in the same process
    void TearDown() override
    {
        qttest::programmEndenUndZuruecksetzen();
        fs::remove_all(ordner);
    }
};

} // namespace

// Start with the example as the command line names it, press F2: every neuron's main diagram
// window is shown inside the work area, holds the run's soma curve with the spikes the README
// promises, and its tick labels keep off the axes.
TEST_P(ReadmeQt, BeispielZeigtNachF2JedeSomakurveMitBeschriftetenAchsen)
{
    const Beispiel& b = GetParam();
    Aufpasser aufpasser;
    // as ./run.sh passes it: the absolute path; a copy, since the run may write beside it
    const fs::path datei = ordner / b.datei;
    fs::copy_file(quellBaum() / "examples" / b.datei, datei);
    ASSERT_TRUE(testhilfe::programmStarten(datei.string(), ordner.string() + "/"));
    ereignisseAbarbeiten(1.5);          // the start picture goes after a second
    ASSERT_TRUE(aufpasser.gesehen.empty()) << aufpasser.gesehen.front();
    ASSERT_EQ(neuronKette.anzahl, static_cast<int>(b.spikes.size()));
    // the shipped settings speak German, and so do Qt's own texts where the system has them
    if (fs::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString() + "/qtbase_de.qm")) {
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:").toStdString(), "Suchen in:");
    }

    // the open showed the main diagrams inside the work area
    const Rechteck arbeit = arbeitsbereich();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const DiagrammDaten& d = n->hauptDiagramm;
        ASSERT_TRUE(d.fenster && d.offen) << n->name;
        EXPECT_TRUE(qt::fensterWidget(d.fenster)->isVisible()) << n->name;
        const Rechteck r = fensterRechteck(d.fenster);
        EXPECT_TRUE(r.links >= arbeit.links && r.oben >= arbeit.oben && r.rechts <= arbeit.rechts &&
                    r.unten <= arbeit.unten)
            << n->name << ": " << r.links << ", " << r.oben << ", " << r.rechts << ", " << r.unten;
    }

    // F2 where the keyboard is: the run goes through the platform's key handling
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel)
        ziel = qt::clientWidget(fensterhandles.hauptfenster);
    for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent taste(art, Qt::Key_F2, Qt::NoModifier);
        QApplication::sendEvent(ziel, &taste);
    }
    ereignisseAbarbeiten(0.3);
    ASSERT_TRUE(aufpasser.gesehen.empty()) << aufpasser.gesehen.front();
    EXPECT_DOUBLE_EQ(laufZustand.t, simulationsParameter.simulationsDauer);

    const int schritte = static_cast<int>(std::lround(simulationsParameter.simulationsDauer /
                                                      simulationsParameter.schrittweite));
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        DiagrammDaten& d = n->hauptDiagramm;
        const KurvenDaten& soma = d.kurven[kurve::Soma];
        EXPECT_TRUE(soma.anzeigen && soma.werteAnzahl == schritte && soma.punktAnzahl > 0)
            << n->name << ": " << soma.werteAnzahl << " samples, " << soma.punktAnzahl << " points";
        const int soll = b.spikes[static_cast<size_t>(n->nummer - 1)];
        const int spikes = spikesDerKurve(soma);
        if (soll == feuert)
            EXPECT_GE(spikes, 1) << n->name;
        else
            EXPECT_EQ(spikes, soll) << n->name;

        // the labels are what a paint without them lacks; none of their pixels lies on or
        // right beside an axis
        QWidget* klient = qt::clientWidget(d.fenster);
        const QImage mit = klient->grab().toImage();
        const int groesse = d.tickFontSize;
        d.tickFontSize = 0;
        const QImage ohne = klient->grab().toImage();
        d.tickFontSize = groesse;
        ASSERT_EQ(mit.size(), ohne.size());
        const int band = d.achsenDicke + 1;
        int beschriftet = 0, aufAchse = 0;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x) {
                if (mit.pixel(x, y) == ohne.pixel(x, y))
                    continue;
                ++beschriftet;
                const bool xAchse = x >= d.xAchseLinks[0] && x <= d.xAchseRechts[0] && std::abs(y - d.xAchseY) <= band;
                const bool yAchse = y >= d.yAchseOben[1] && y <= d.yAchseUnten[1] && std::abs(x - d.yAchseX) <= band;
                aufAchse += xAchse || yAchse;
            }
        EXPECT_GT(beschriftet, 100) << n->name << ": the axes carry no labels";
        EXPECT_EQ(aufAchse, 0) << n->name << ": label pixels on an axis";
    }
    EXPECT_TRUE(aufpasser.gesehen.empty()) << aufpasser.gesehen.front();
}

INSTANTIATE_TEST_SUITE_P(Beispiele, ReadmeQt, ::testing::ValuesIn(beispiele),
                         [](const ::testing::TestParamInfo<Beispiel>& info) {
                             std::string name = info.param.datei;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

namespace {

struct KurvendateiQt : ReadmeQt {
    // the program ended as TearDown ends it, ready for another start in this process
    void beenden() { qttest::programmEndenUndZuruecksetzen(); }
    static std::vector<std::vector<float>> somaKurven()
    {
        std::vector<std::vector<float>> k;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            const KurvenDaten& s = n->hauptDiagramm.kurven[kurve::Soma];
            k.emplace_back(s.werte.begin(), s.werte.begin() + lesbareWerte(s));
        }
        return k;
    }
};

} // namespace

// The swim example's curves saved as a curve data file after its run; the program started
// anew with that file: both windows show their soma curve with every sample of the run.
TEST_F(KurvendateiQt, GeoeffneteKurvendateiZeigtIhreKurven)
{
    Aufpasser aufpasser;
    const fs::path netz = ordner / "swim.gui", kurven = ordner / "swim.dat";
    fs::copy_file(quellBaum() / "examples" / "swim.gui", netz);
    ASSERT_TRUE(testhilfe::programmStarten(netz.string(), ordner.string() + "/"));
    ereignisseAbarbeiten(1.5);
    ASSERT_EQ(simulationStarten(), Laufausgang::Beendet);
    const std::vector<std::vector<float>> vorher = somaKurven();
    ASSERT_EQ(vorher.size(), 2u);
    ASSERT_EQ(vorher[1].size(), 3000u);
    datHeaderInit(datHeader);
    std::string bytes;
    ASSERT_EQ(datSchreiben(datHeader, bytes), 1);
    std::ofstream(kurven, std::ios::binary) << bytes;
    beenden();

    ASSERT_TRUE(testhilfe::programmStarten(kurven.string(), ordner.string() + "/"));
    ereignisseAbarbeiten(1.5);
    ASSERT_TRUE(aufpasser.gesehen.empty()) << aufpasser.gesehen.front();
    EXPECT_EQ(somaKurven(), vorher);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const DiagrammDaten& d = n->hauptDiagramm;
        ASSERT_TRUE(d.fenster && d.offen) << n->name;
        EXPECT_TRUE(qt::fensterWidget(d.fenster)->isVisible()) << n->name;
        EXPECT_GT(d.kurven[kurve::Soma].punktAnzahl, 0) << n->name;
    }
}
