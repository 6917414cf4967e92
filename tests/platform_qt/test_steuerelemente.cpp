// tests/platform_qt/test_steuerelemente.cpp - what only the Qt platform has to see to in its
// controls and choosers: the widgets behind them, the keys of the display server, file
// dialogs that compare names with their case
#include "vertrag.h"
#include <QDir>
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
