// tests/app_qt/test_dialoge_passen_qt.cpp - every dialog template as the user meets it on a
// 1280 x 800 screen, with the texts of both language files: it fits inside the work area, no
// two of its visible controls overlap (a group box and the controls inside it aside), and
// every text fits its control at the platform's font, without being cut or squeezed
#include "dialogs/rahmen.h"
#include "dialogs/synapsendialoge.h"
#include "model/netz.h"
#include "platform/qt/qtdialog.h"
#include "platform/qt/qtstart.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace plattform;

namespace {

constexpr int bildschirmBreite = 1280, bildschirmHoehe = 800;

std::string quellbaum()
{
    std::string pfad = VELNOR_TEST_DATEN;
    pfad.resize(pfad.size() - std::string_view("tests/data").size());
    return pfad;
}

// The offscreen platform takes its screen from a file named in QT_QPA_PLATFORM; it is read
// once, when the application starts in this process.
bool bildschirmEinrichten()
{
    if (!QCoreApplication::instance()) {
        const std::string datei = (std::filesystem::temp_directory_path() /
                                   ("velnor-bildschirm-" + std::to_string(getpid()) + ".json")).string();
        std::ofstream(datei) << "{\"screens\": [{\"name\": \"Probe\", \"x\": 0, \"y\": 0, \"width\": "
                             << bildschirmBreite << ", \"height\": " << bildschirmHoehe
                             << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}";
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + datei).c_str(), 1);
        qt::anwendungSicherstellen();
        std::filesystem::remove(datei);
    }
    qt::anwendungSicherstellen();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s && s->geometry().size() == QSize(bildschirmBreite, bildschirmHoehe);
}

QString name(const qt::DialogSteuer& s, const DialogElement& e)
{
    QString text = qt::text(std::string(e.text ? e.text : ""));
    if (auto* l = qobject_cast<QLabel*>(s.widget))
        text = l->text();
    else if (s.art == ElementArt::Knopf || s.art == ElementArt::StandardKnopf ||
             s.art == ElementArt::Kontrollkasten || s.art == ElementArt::Optionsfeld)
        text = qt::knopfText(s);
    return QString("%1 \"%2\"").arg(e.id).arg(text.left(40));
}

// Where a control's text does not fit, why; "" when it does.
std::string textFehler(const qt::DialogSteuer& s)
{
    QWidget* w = s.widget;
    std::ostringstream aus;
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const int noetig = l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
        if (!l->wordWrap() && l->width() < l->sizeHint().width())
            aus << "label " << l->width() << " wide, its text needs " << l->sizeHint().width();
        if (l->height() < noetig)
            aus << "label " << l->height() << " high, its text needs " << noetig;
        // a key marked with '&' shows underlined only where the label has a partner
        if (QString(l->text()).remove("&&").contains('&') && !l->buddy())
            aus << "shows its '&'";
    } else if (auto* k = qobject_cast<QAbstractButton*>(w)) {
        if (k->text() != qt::knopfText(s))
            aus << "text cut to \"" << k->text().toStdString() << "\"";
        else if (k->width() < k->sizeHint().width() || k->height() < k->sizeHint().height())
            aus << k->width() << "x" << k->height() << ", its text needs " << k->sizeHint().width() << "x"
                << k->sizeHint().height();
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = c->isEditable();
        const int platz = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width();
        for (int i = 0; i < c->count(); ++i)
            if (const int breite = c->fontMetrics().horizontalAdvance(c->itemText(i)); breite > platz)
                aus << "item \"" << c->itemText(i).toStdString() << "\" needs " << breite << ", has " << platz << "; ";
    }
    return aus.str();
}

// What a user sees of an open dialog: where it lies, which visible controls overlap, which
// texts do not fit. Each finding is one line.
std::vector<std::string> befunde(Fenster dlg, const DialogVorlage& v)
{
    std::vector<std::string> b;
    const Rechteck a = arbeitsbereich();
    const QRect bereich(a.links, a.oben, a.breite(), a.hoehe());
    const QRect rahmen = qt::fensterWidget(dlg)->frameGeometry();
    if (!bereich.contains(rahmen))
        b.push_back("outside the work area: " + std::to_string(rahmen.x()) + "," + std::to_string(rahmen.y()) + " " +
                    std::to_string(rahmen.width()) + "x" + std::to_string(rahmen.height()));

    const std::vector<qt::DialogSteuer>& steuer = dlg->dialog->steuer;
    QWidget* klient = qt::clientWidget(dlg);
    std::vector<int> boxNummer(steuer.size(), 0);       // the k-th group box of the table: k
    for (size_t i = 0, k = 0; i < steuer.size(); ++i)
        if (steuer[i].art == ElementArt::Gruppe)
            boxNummer[i] = static_cast<int>(++k);
    auto sichtbar = [&](size_t i) { return steuer[i].widget && steuer[i].widget->isVisible(); };
    auto lage = [&](size_t i) {
        QWidget* w = steuer[i].widget;
        return QRect(w->mapTo(klient, QPoint(0, 0)), w->size());
    };
    for (size_t i = 0; i < steuer.size(); ++i) {
        if (!sichtbar(i))
            continue;
        if (const std::string f = textFehler(steuer[i]); !f.empty())
            b.push_back(name(steuer[i], v.elemente[i]).toStdString() + ": " + f);
        if (!QRect(QPoint(0, 0), klient->size()).contains(lage(i)))
            b.push_back(name(steuer[i], v.elemente[i]).toStdString() + ": outside the dialog");
        for (size_t j = i + 1; j < steuer.size(); ++j) {
            if (!sichtbar(j))
                continue;
            const bool umschliesst = (boxNummer[i] && steuer[j].gruppe == boxNummer[i]) ||
                                     (boxNummer[j] && steuer[i].gruppe == boxNummer[j]);
            if (!umschliesst && lage(i).intersects(lage(j)))
                b.push_back(name(steuer[i], v.elemente[i]).toStdString() + " overlaps " +
                            name(steuer[j], v.elemente[j]).toStdString());
        }
    }
    return b;
}

// the template and the frame of the opening under way
const DialogVorlage* offen = nullptr;
DialogRahmen offenRahmen;

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, *offen); }

intptr_t probeProc(Fenster dlg, uint32_t n, uintptr_t, intptr_t)
{
    if (n == nachricht::Bewegen)
        dialogPositionMerken(dlg, offenRahmen);
    else if (n == nachricht::DialogInit)
        dialogInitialisieren(dlg, offenRahmen, {nullptr, texteSetzen, nullptr});
    return n == nachricht::DialogInit ? 1 : 0;
}

void zeigenLassen(Fenster dlg)
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    ASSERT_TRUE(istSichtbar(dlg));
}

void bildSpeichern(Fenster dlg, const std::string& name)
{
    if (const char* ordner = std::getenv("VELNOR_DIALOGBILDER"))
        qt::fensterWidget(dlg)->grab().save(QString::fromStdString(std::string(ordner) + "/" + name + ".png"));
}

class DialogePassenQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!bildschirmEinrichten())
            GTEST_SKIP() << "the application of this process started on another screen; run this test alone";
        parameterOrdner.pfad = quellbaum() + "resources/parameter/";
    }
    void TearDown() override
    {
        sprachTexteLaden(spracheDeutsch);
        qt::geloeschteFreigeben();
    }
};

} // namespace

TEST_F(DialogePassenQt, JedeVorlageInBeidenSprachenPasstUndNichtsUeberlapptOderWirdAbgeschnitten)
{
    for (const int s : {spracheDeutsch, spracheEnglisch}) {
        ASSERT_EQ(sprachTexteLaden(s), "");
        for (const DialogVorlage* v : alleDialogVorlagen()) {
            SCOPED_TRACE(std::to_string(v->nummer) + (s == spracheDeutsch ? " de" : " en"));
            offen = v;
            offenRahmen = {};
            Fenster dlg = dialogModeless(*v, nullptr, probeProc);
            ASSERT_TRUE(dlg);
            zeigenLassen(dlg);
            bildSpeichern(dlg, std::to_string(v->nummer) + (s == spracheDeutsch ? "-de" : "-en"));
            for (const std::string& b : befunde(dlg, *v))
                ADD_FAILURE() << b;
            fensterZerstoeren(dlg);
            qt::geloeschteFreigeben();
        }
    }
}

// The synapse types dialog fills its lists itself, after the template was laid out: each
// list shows its longest type name whole.
TEST_F(DialogePassenQt, SynapsentypenZeigenIhreNamenGanz)
{
    netzLoeschen();
    std::vector<std::string> gefunden;
    int gesehen = 0;
    QTimer schauen;
    QObject::connect(&schauen, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            Fenster f = qt::fensterVonWidget(w);
            if (!w->isVisible() || vorlagenNummer(f) != 134)
                continue;
            if (++gesehen == 3) {             // once Qt has laid it out
                gefunden = befunde(f, vorlageSynapsentypen);
                senden(f, nachricht::Befehl, machWParam(2, benachrichtigung::Geklickt), 0);
            }
        }
    });
    schauen.start(10);
    synapsenTypenDialogOeffnen(nullptr);
    EXPECT_GE(gesehen, 3);
    EXPECT_EQ(gefunden, std::vector<std::string>{});
    netzLoeschen();
}
