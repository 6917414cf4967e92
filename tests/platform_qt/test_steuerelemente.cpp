// tests/platform_qt/test_steuerelemente.cpp - what only the Qt platform has to see to in its
// controls and choosers: the widgets behind them, the keys of the display server, file
// dialogs that compare names with their case
#include "vertrag.h"
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTextEdit>

using namespace vertrag;
using treiber::intern::tasteSenden;

using QtSteuerelemente = Vertrag;

TEST_F(QtSteuerelemente, LeistenSindQtWidgetsDieDerBenutzerBewegt)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar | stil::VScrollLeiste, nullptr, 0, 0, 300, 200);
    Fenster s = statusleisteErzeugen(f, 77);
    statusTextSetzen(s, 0, "Bereit");
    statusTextSetzen(s, 2 | statusStil::Herausgehoben, "\tNeuron 12");
    for (bool einfach : {false, true}) {                   // paints parts and the raised one, then the simple text
        statusEinfach(s, einfach);
        EXPECT_NE(EigenesBild(fensterAbbild(s)).get(), nullptr);
    }
    scrollLeisteSetzen(f, true, 0, 100, 10, 50);
    reaktion = [](Fenster g, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m == n::VScroll && loWort(w) == scroll::ZeileRunter)   // answered from inside the message
            scrollLeisteSetzen(g, true, 0, 100, 10, scrollLeiste(g, true).position + 1);
        return std::nullopt;
    };
    treiber::scrollZeile(f, true);
    EXPECT_EQ(treiber::leiste(f, true)->value(), 51);      // the widget shows the program's position
}

TEST_F(QtSteuerelemente, TextfeldZeigtDasEndeFolgtSeinemFensterUndHaeltSeineSchrift)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 300, 200);
    Fenster t = textfeldErzeugen(f, 9, {0, 0, 300, 80}, true);
    auto* e = qt::clientWidget(t)->findChild<QTextEdit*>();
    ASSERT_NE(e, nullptr);
    for (int i = 0; i < 50; ++i)
        textfeldAnhaengen(t, "Zeile\r\n");
    const QScrollBar* leiste = e->verticalScrollBar();
    EXPECT_TRUE(leiste->maximum() > 0 && leiste->value() == leiste->maximum());
    Schrift s = schriftErzeugen({.hoehe = -30, .name = ""});
    textfeldSchrift(t, s);
    loeschen(s);
    EXPECT_EQ(e->font().pixelSize(), 30);
    verschieben(t, 0, 0, 200, 60);
    EXPECT_EQ(e->size(), QSize(200, 60));
}

TEST_F(QtSteuerelemente, CursorMitHotspotKaputteBilderSchadenNicht)
{
    TempOrdner ordner;
    std::string gut = cursorDatei(5, 9);
    std::ofstream(ordner.datei("ziel.cur"), std::ios::binary) << gut;
    Cursor c = cursorLaden(ordner.datei("ziel.cur"));
    ASSERT_NE(c, nullptr);
    Fenster f = neu();
    fensterCursorSetzen(f, c);
    EXPECT_EQ(qt::clientWidget(f)->cursor().hotSpot(), QPoint(5, 9));
    fensterCursorSetzen(f, standardCursor(cursorArt::Kreuz));
    EXPECT_EQ(qt::clientWidget(f)->cursor().shape(), Qt::CrossCursor);
    // the header check has its own tests; here the image itself is broken: Qt must not crash
    for (size_t i = 40; i < 140; ++i)
        gut[i] = static_cast<char>(i * 37);
    std::ofstream(ordner.datei("kaputt.cur"), std::ios::binary) << gut;
    cursorLaden(ordner.datei("kaputt.cur"));
}

TEST_F(QtSteuerelemente, UmschaltUndStrgNachSeitenOhneStrgBeimNaechstenTastendruckLosgelassen)
{
    Fenster f = neu();
    treiber::seitenTaste(f, tastenStatus::RechtsUmschalt, true);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::RechtsUmschalt) && !tasteGedrueckt(tastenStatus::LinksUmschalt));
    treiber::seitenTaste(f, tastenStatus::RechtsUmschalt, false);
    treiber::seitenTaste(f, tastenStatus::LinksStrg, true);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::LinksStrg) && !tasteGedrueckt(tastenStatus::RechtsUmschalt));
    treiber::taste(f, 'A', 'a');                           // no Ctrl held: the release we missed
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::LinksStrg));
}

TEST_F(QtSteuerelemente, DateifilterFindenNamenInJederSchreibweise)
{
    TempOrdner ordner;
    for (const char* name : {"a.knl", "B.KNL", "c.Knl", "d.txt", "eknl"})
        std::ofstream(ordner.datei(name)) << "x";
    const QStringList filter = qt::dateiFilterListe({{"Kanal-Definitionsdateien, (*.knl)", "*.KNL"},
                                                     {"Alles", "*.*"},
                                                     {"Zwei", "*.txt; *.knl"}});
    ASSERT_EQ(filter.size(), 3);
    EXPECT_TRUE(filter[0].startsWith("Kanal-Definitionsdateien, (*.knl) ("));
    auto treffer = [&](const QString& f) {                 // the patterns the dialog reads from "text (muster ...)"
        const QStringList muster = f.mid(f.lastIndexOf('(') + 1).chopped(1).split(' ', Qt::SkipEmptyParts);
        return QDir(QString::fromStdString(ordner.pfad.string())).entryList(muster, QDir::Files | QDir::CaseSensitive, QDir::Name);
    };
    EXPECT_EQ(treffer(filter[0]), (QStringList{"B.KNL", "a.knl", "c.Knl"}));
    EXPECT_TRUE(treffer(filter[1]).size() == 5 && treffer(filter[2]).size() == 4);
}

// A name without an extension takes the chosen filter's: the first of its extensions that
// names an existing file, else its first; the filter of every name takes the default. The user
// picks the filter with the keys and presses the dialog's Open or Save button, which is
// enabled once the name with that extension is a file the list shows.
TEST_F(QtSteuerelemente, NameOhneEndungNimmtDieDesGewaehltenFilters)
{
    TempOrdner ordner;
    for (const char* name : {"synapsen.gui", "synapsen.dat", "ton.MPF", "netz.gui"})
        std::ofstream(ordner.datei(name)) << "x";
    const std::vector<DateiFilter> filter = {{"Simulationsdateien (*.GUI)", "*.GUI"},
                                             {"Daten-Dateien (*.dat)", "*.DAT"},
                                             {"Aufnahmen (*.wav; *.mpf)", "*.WAV;*.MPF"},
                                             {"alle Dateien (*.*)", "*.*"}};
    const struct {
        bool speichern;
        const char* vorschlag;
        int filter;                     // chosen with the down key from the first
        const char* gewaehlt;
    } faelle[] = {
        {false, "synapsen", 1, "synapsen.dat"}, {false, "synapsen", 0, "synapsen.gui"},
        {false, "ton", 2, "ton.MPF"},           {false, "synapsen", 3, "synapsen.gui"},
        {true, "neu", 1, "neu.dat"},            {true, "neu", 2, "neu.wav"},
        {true, "neu", 3, "neu.gui"},            {true, "netz.gui", 1, "netz.dat"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.vorschlag) + " " + std::to_string(f.filter));
        bool gedrueckt = false;
        double seit = uhrSekunden();
        QTimer blick;
        QObject::connect(&blick, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            auto* wahl = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            auto* knopf = d->findChild<QDialogButtonBox*>()->button(f.speichern ? QDialogButtonBox::Save
                                                                                : QDialogButtonBox::Open);
            if (wahl && wahl->currentIndex() < f.filter) {
                QKeyEvent runter(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QApplication::sendEvent(wahl, &runter);
            } else if (knopf && knopf->isEnabled() && !gedrueckt) {
                gedrueckt = true;
                knopf->click();
            } else if (uhrSekunden() - seit > 5.0) {
                d->reject();                   // the button never came: the name names no file
            }
        });
        blick.start(20);
        DateiWahl wahl{.ordner = ordner.pfad.string(), .name = f.vorschlag, .endung = "gui", .filter = filter,
                       .titel = "", .speichern = f.speichern};
        ASSERT_TRUE(dateiWaehlen(nullptr, wahl));
        EXPECT_EQ(gewaehlterPfad(wahl), ordner.datei(f.gewaehlt));
    }
}

TEST_F(QtSteuerelemente, PfadOhneWindows1252WirdAbgelehntUndDerDialogKommtWieder)
{
    TempOrdner ordner;
    QString zweiterVorschlag;
    int schritt = 0;
    QTimer blick;                                          // the file dialogs; the box between gets OK
    QObject::connect(&blick, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (d && schritt++ == 0) {
            d->selectFile(QString::fromStdString(ordner.pfad.string()) + QString::fromUtf8("/gr\xc5\x91\xc3\x9f" "e.knl"));
            static_cast<QDialog*>(d)->accept();            // o with double acute
        } else if (d) {
            zweiterVorschlag = d->directory().absolutePath();
            d->reject();
        }
    });
    blick.start(5);
    treiber::boxAntworten({antwort::Ok});
    DateiWahl wahl{.ordner = ordner.pfad.string(), .name = "netz", .endung = "knl", .filter = {}, .titel = "",
                   .speichern = true};
    EXPECT_FALSE(dateiWaehlen(nullptr, wahl));
    EXPECT_EQ(zweiterVorschlag, QDir(QString::fromStdString(ordner.pfad.string())).absolutePath());
    EXPECT_EQ(wahl.name, "netz");                          // untouched on cancel
}
