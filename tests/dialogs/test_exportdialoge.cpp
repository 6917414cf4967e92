// tests/dialogs/test_exportdialoge.cpp - the spike-time choice (275) and the ASCII export
// settings (169)
#include "dialogs/exportdialoge.h"
#include "model/ergebnisdateien.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"

using namespace reizdialog;

namespace {

struct Export : reizdialog::Fall {
    NeuronDaten *n1 = nullptr, *n2 = nullptr;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        asciiExportEinstellungen = {};
        asciiExportEinstellungen.trennzeichen = ';';
        n1 = neuron(1, false);
        n2 = neuron(2, false);
    }
};

} // namespace

// The format edits: "t" is TAB, an interval shows one more than it stores, an empty field
// keeps its value; a control character, an interval below 1 and 21 decimals are refused
// with a notice and the dialog stays open.
TEST_F(Export, FormatfelderUndIhreGrenzen)
{
    const struct { Schritte schritte; bool verweigert; int trenner, intervall, dezimalen; std::string zeigt; } faelle[] = {
        {{sch::tippen(1405, "t")}, false, 9, 0, 6, "t"},
        {{sch::tippen(1405, ";")}, false, 59, 0, 6, ";"},
        {{sch::klicken(2230), sch::tippen(2231, "10")}, false, 59, 9, 6, "10"},
        {{sch::tippen(1404, ""), sch::tippen(1405, "")}, false, 59, 0, 6, ""},
        {{sch::tippen(1405, "\x01")}, true, 59, 0, 6, ""},
        {{sch::klicken(2230), sch::tippen(2231, "0")}, true, 59, 0, 6, ""},
        {{sch::tippen(1404, "21")}, true, 59, 0, 6, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schritte.back().text);
        asciiExportEinstellungen = {};
        asciiExportEinstellungen.trennzeichen = ';';
        Schritte s = f.schritte;
        s.push_back(sch::klicken(1));
        if (f.verweigert) {
            test::boxAntworten({antwort::Ok});
            s.push_back([](Fenster) { EXPECT_EQ(test::offeneBoxAntworten(), size_t(0)); });
            s.push_back(sch::klicken(2));
        }
        test::dialogSkript(169, s);
        EXPECT_EQ(asciiExportDialogOeffnen(nullptr), f.verweigert ? 2 : 1);
        const AsciiExportEinstellungen& e = asciiExportEinstellungen;
        EXPECT_EQ(std::make_tuple(e.trennzeichen, e.intervall, e.dezimalstellen), std::make_tuple(f.trenner, f.intervall, f.dezimalen));
        if (!f.zeigt.empty()) {
            test::dialogSkript(169, {texte({{f.zeigt == "10" ? 2231 : 1405, f.zeigt}}), sch::klicken(2)});
            asciiExportDialogOeffnen(nullptr);
        }
    }
}

TEST_F(Export, SpikeZeitenSchlaegtDezimalenVorUndSetztImBewertungsmodusDieBewertung)
{
    const struct { double schritt; int befehl, vorschlag, bewerten; } faelle[] = {
        {5e-5, befehlSpikeZeitenKontext, 5, 0},
        {1e-9, befehlSpikefolgeBewerten, 10, 1},
    };
    for (const auto& f : faelle) {
        simulationsParameter.schrittweite = f.schritt;
        n1->spikefolgeBewerten = n2->spikefolgeBewerten = 0;
        test::dialogSkript(275, {texte({{2224, dialogTextFormatieren(628, f.vorschlag)}}), sch::waehlen(1839, 1),
                                 sch::klicken(1840), sch::tippen(2223, "7"), sch::klicken(1)});
        EXPECT_EQ(spikeZeitenDialogOeffnen(nullptr, f.befehl), 1);
        EXPECT_EQ(std::make_tuple(n1->spikezeitenSpeichern, n2->spikezeitenSpeichern, n2->spikefolgeBewerten,
                                  n1->spikefolgeBewerten, asciiExportEinstellungen.zeitDezimalstellen),
                  std::make_tuple(0, 1, f.bewerten, 0, 7));
        n2->spikezeitenSpeichern = 0;
    }
}

// Question 551 comes before any choice is dropped, so No leaves every mask; Cancel after
// several reopenings restores the masks and channel flags of the first opening.
TEST_F(Export, NeinZu551UndAbbrechenNachWiederoeffnenStellenMaskenHer)
{
    n1->exportMaske = 0x10;
    n2->benutzerKanaele.resize(1);
    test::dialogSkript(169, {sch::waehlen(1402, 1)});         // the line of slot 1 (0x10)
    test::dialogSkript(169, {sch::klicken(1411)});            // N1 exports nothing now
    test::dialogSkript(169, {sch::waehlen(1400, 1)});
    test::dialogSkript(169, {sch::waehlen(1402, 8)});         // N2's channel
    test::dialogSkript(169, {sch::klicken(1409)});
    test::dialogSkript(169, {[&](Fenster) {
                                 EXPECT_EQ(std::make_tuple(n1->exportMaske, n2->exportMaske, n2->benutzerKanaele.front().exportieren),
                                           std::make_tuple(exportGewaehlt, exportGewaehlt | exportBenutzerKanaele, 1));
                                 test::boxAntworten({antwort::Nein});
                             },
                             sch::klicken(1),
                             [&](Fenster) { EXPECT_EQ(n1->exportMaske, exportGewaehlt); }, sch::klicken(2)});
    EXPECT_EQ(asciiExportDialogOeffnen(nullptr), 2);
    EXPECT_EQ(std::make_tuple(n1->exportMaske, n2->exportMaske, n2->benutzerKanaele.front().exportieren,
                              test::boxLog().size(), test::offeneDialogSkripte()),
              std::make_tuple(0x10, 0, 0, size_t(1), size_t(0)));
}

// The channel bit stays while another channel is exported; a channel position a neuron
// does not have is skipped for it.
TEST_F(Export, KanalbitBleibtSolangeEinKanalExportiertWird)
{
    n1->benutzerKanaele.resize(2);
    n2->benutzerKanaele.resize(1);
    n1->exportMaske = n2->exportMaske = 0x1;
    test::dialogSkript(169, {sch::waehlen(1402, 9)});
    test::dialogSkript(169, {sch::klicken(1412)});            // N1's second channel; N2 has none
    test::dialogSkript(169, {sch::waehlen(1402, 8)});
    test::dialogSkript(169, {sch::klicken(1409)});
    test::dialogSkript(169, {sch::klicken(1411)});            // N1's first one off again
    test::dialogSkript(169, {sch::klicken(1)});
    asciiExportDialogOeffnen(nullptr);
    EXPECT_EQ(std::make_tuple(n1->exportMaske, n1->benutzerKanaele.back().exportieren, n2->exportMaske,
                              n2->benutzerKanaele.front().exportieren),
              std::make_tuple(0x1 | exportBenutzerKanaele, 1, 0x1, 0));
}
