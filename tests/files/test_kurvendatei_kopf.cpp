// tests/files/test_kurvendatei_kopf.cpp - the curve data file: stored curves shorter than
// the run the text names, header counts that would overflow, a text without a network
#include "netzdatei_hilfe.h"
#include "files/kurvendatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "model/simulationspruefung.h"
#include <cstring>

namespace {

struct KurvendateiKopf : NetzdateiFall {
    DiagrammDaten vorlage = diagrammVorlage;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        // the settings part is taken as read: the run stays what the test sets
        netzPufferHaken.einstellungenLaden = [](int) { return 1; };
        DiagrammDaten& v = diagrammVorlage;
        std::tie(v.minX, v.maxX, v.minY, v.maxY, v.xTickIntervallWirksam, v.yTickIntervall) =
            std::tuple(0.0, 1.0, -0.1, 0.05, 0.2, 0.02);
    }
    void TearDown() override
    {
        datHeader = {};
        netzPufferHaken = {};
        diagrammVorlage = vorlage;
        NetzdateiFall::TearDown();
    }

    int oeffnen(const std::string& inhalt)
    {
        testhilfe::schreiben(pfad("kurven.dat"), inhalt);
        netzLoeschen();
        datPfadSetzen(pfad("kurven.dat"));
        return datDateiLaden(datHeader);
    }
    static void wortSetzen(std::string& b, size_t stelle, int32_t w) { std::memcpy(b.data() + stelle, &w, sizeof w); }
};

} // namespace

// 137 samples stored, the run 10000 steps long: each slot keeps its own samples and counts
// 137 of them, also the slot read before another record of the same diagram.
TEST_F(KurvendateiKopf, GespeicherteWerteBleibenWennDerLaufLaengerIst)
{
    laufzeitSetzen(1.0, 1e-4);
    ASSERT_EQ(simulationsParameter.anzahlSchritte, 10000);
    DiagrammDaten& d = neu(4)->hauptDiagramm;
    for (int slot : {kurve::Soma, kurve::Natrium}) {
        KurvenDaten& k = d.kurven[static_cast<size_t>(slot)];
        k.anzeigen = 1;
        k.werte.assign(137 + werteReserve, keineDaten);
        for (int i = 0; i < 137; ++i)
            k.werte[static_cast<size_t>(i)] = -0.070f + 0.068f * static_cast<float>(i) / 136.0f + 0.001f * slot;
        k.werteAnzahl = 137;
    }
    std::string bytes;
    datHeaderInit(datHeader);
    ASSERT_EQ(datSchreiben(datHeader, bytes), 1);

    ASSERT_EQ(oeffnen(bytes), 1);
    EXPECT_TRUE(pt::boxLog().empty());
    const DiagrammDaten& g = neuronNachNummer(4)->hauptDiagramm;
    for (int slot : {kurve::Soma, kurve::Natrium}) {
        SCOPED_TRACE(slot);
        const KurvenDaten& k = g.kurven[static_cast<size_t>(slot)];
        ASSERT_GE(k.werte.size(), 137u);
        EXPECT_EQ(std::tuple(k.werte[0], k.werte[136], k.werteAnzahl),
                  std::tuple(-0.070f + 0.001f * slot, -0.070f + 0.068f + 0.001f * slot, 137));
    }
}

// Counts of 0x7FFFFFFF curves of 0x7FFFFFFF samples: refused by the header check before
// any product is formed (the sanitizer build stops on an overflow).
TEST_F(KurvendateiKopf, RiesigeZaehlerWerdenOhneUeberlaufAbgelehnt)
{
    neu(1);
    std::string bytes;
    datHeaderInit(datHeader);
    ASSERT_EQ(datSchreiben(datHeader, bytes), 1);
    for (const auto [kurven, werte, kurvenBytes] :
         {std::tuple{0x7FFFFFFF, 0x7FFFFFFF, 0}, std::tuple{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
          std::tuple{2, 0x7FFFFFFF, 24}, std::tuple{0x7FFFFFFF, 1, 16}}) {
        SCOPED_TRACE(kurven);
        std::string b = bytes;
        wortSetzen(b, 14, kurven);
        wortSetzen(b, 18, werte);
        wortSetzen(b, 34, kurvenBytes);
        pt::zuruecksetzen();
        pt::boxAntworten({plattform::antwort::Ok});
        EXPECT_EQ(oeffnen(b), 0);
        EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: falsches dateiformat in dat-datei"});
        EXPECT_EQ(neuronKette.kopf, nullptr);
    }
}

// A text without "[neuronen-netzwerk-datei]" is refused with a notice naming the file; the
// program does not end over it.
TEST_F(KurvendateiKopf, TextOhneNetzwerkWirdAbgelehntOhneProgrammende)
{
    const std::string text = "[programmdefinitionen]\nsprache=1031\n";
    std::string b("[datFile]\0", 10);
    const int32_t L = static_cast<int32_t>(text.size() + 1);
    for (int32_t w : {38, 0, 0, 38, L, 38 + L, 0})
        b.append(reinterpret_cast<const char*>(&w), sizeof w);
    b += text + '\0';
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(oeffnen(b), 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(907, pfad("kurven.dat"))});
    EXPECT_EQ(attrappe::dienste.beendenAufrufe, 0);
    EXPECT_EQ(datHeader.flags, 0u);
}
