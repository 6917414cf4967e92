// tests/files/test_netzdatei.cpp - the network file: its form, and a save read back
#include "netzdatei_hilfe.h"
#include "files/protokolldatei.h"
#include "model/laufstart.h"
#include <bit>
#include <cstring>

using namespace plattform::test;

namespace {

struct Netzdatei : NetzdateiFall {
    NeuronDaten* a = nullptr;
    NeuronDaten* b = nullptr;
    void SetUp() override
    {
        NetzdateiFall::SetUp();
        a = neu(3);
        b = neu(7);
        hauptfensterGeometrie = {10, 20, 640, 480, 0, 0};
    }
};

} // namespace

TEST_F(Netzdatei, DieDateiBeginntUndEndetWieFestgelegtMitCrLf)
{
    SynapseDaten* s = verbinde(a, b);
    ASSERT_NE(s, nullptr);
    programmStatus |= programmBit::AxoAxonisch;
    const std::string datei = gespeichert();
    EXPECT_EQ(datei.find("\n"), datei.find("\r\n") + 1);
    size_t blosseLf = 0;
    for (size_t i = 0; i < datei.size(); ++i)
        blosseLf += datei[i] == '\n' && (i == 0 || datei[i - 1] != '\r');
    EXPECT_EQ(blosseLf, 0u);

    const std::string erwartet = "[neuronen-netzwerk-datei]\r\nhauptfenster xl=10\r\nhauptfenster yl=20\r\n"
                                 "hauptfenster breite=640\r\nhauptfenster hoehe=480\r\nanzahl neurone=2\r\n"
                                 "neuronname anzeigen=1\r\nexistierende Neurone=3 7 \r\nanzahl synapsen=1\r\n"
                                 "existierende Synapsen=" + std::to_string(s->id) + " \r\n"
                                 "anzahl axo-axonischer synapsen=0\r\nexistierende Axo-Synapsen=\r\n"
                                 "axo-axonische synapsen aktivieren=16\r\n";
    EXPECT_EQ(datei.substr(0, erwartet.size()), erwartet);
    // the file ends with the protocol's font and window keys and the end line
    const auto z = zeilen(datei);
    ASSERT_GE(z.size(), 9u);
    EXPECT_EQ(z.back(), "[Dateiende]\r");
    EXPECT_EQ(z[z.size() - 12], "fontname f\xFCr protokollfenster=\r");
    EXPECT_EQ(z[z.size() - 2], "protokollfenster anzeigen=1\r");
    // an in-memory text has no protocol font keys and keeps LF
    const std::string text = imSpeicher();
    EXPECT_TRUE(text.starts_with("[neuronen-netzwerk-datei]\nhauptfenster xl=10\n"));
    EXPECT_TRUE(text.ends_with("protokollfenster anzeigen=1\n[Dateiende]\n"));
    EXPECT_EQ(text.find("fontgroesse f\xFCr protokollfenster="), std::string::npos);
}

TEST_F(Netzdatei, NetzwerkmodellTraegtDieVarianteInDerParitaet)
{
    const struct { int modell, variante, wert; } faelle[] = {{1, 0, 1}, {2, 0, 3}, {2, 1, 4}, {3, 1, 6}, {4, 0, 7}, {4, 1, 8}};
    for (const auto& f : faelle) {
        simulationsParameter.netzwerkmodell = f.modell;
        simulationsParameter.netzwerkVariante = f.variante;
        const std::string text = imSpeicher();
        EXPECT_NE(text.find("\nnetzwerkmodell=" + std::to_string(f.wert) + "\n"), std::string::npos) << f.wert;
        simulationsParameter.netzwerkmodell = 9;
        simulationsParameter.netzwerkVariante = 7;
        ASSERT_EQ(laden(text), 1);
        EXPECT_EQ(simulationsParameter.netzwerkmodell, f.modell) << f.wert;
        EXPECT_EQ(simulationsParameter.netzwerkVariante, f.variante) << f.wert;
    }
}

TEST_F(Netzdatei, RandfaelleDesSchreibers)
{
    // no synapse, no window, no type table
    synapsenTypen.clear();
    std::string text = imSpeicher();
    EXPECT_NE(text.find("\nexistierende Synapsen=\n"), std::string::npos);
    EXPECT_NE(text.find("\n[fensterliste start]\n[fensterliste ende]\n"), std::string::npos);
    EXPECT_NE(text.find("[SynapsenTypen-definition] *******************************************\n"
                        "[Synapsen auf soma oder dendrit]"),
              std::string::npos);
    EXPECT_EQ(text.find("[ende SynapsenTypen-definition]"), std::string::npos);
    EXPECT_NE(text.find("axo-axonische synapsen aktivieren=0\n"), std::string::npos);
    // the server section is always there
    EXPECT_NE(text.find("[Servereinstellungen] ***"), std::string::npos);

    // groups in slots 3 and 7 become groups 1 and 2
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(b, a);
    ASSERT_TRUE(synapsengruppeBelegen(3, *s1, nullptr));
    ASSERT_TRUE(synapsengruppeBelegen(7, *s2, nullptr));
    synapsengruppen[7].name = "zweite";
    text = imSpeicher();
    const std::string gruppen = "anzahl von synapsengruppen=2\nanzahl von synapsen in gruppe 1=1\nbezeichnung von gruppe 1=\n"
                                "synapse 1 in 1=" + std::to_string(s1->id) + "\nanzahl von synapsen in gruppe 2=1\n"
                                "bezeichnung von gruppe 2=zweite\nsynapse 1 in 2=" + std::to_string(s2->id) + "\n";
    EXPECT_NE(text.find(gruppen), std::string::npos);
}

TEST_F(Netzdatei, EinNameAusDerErgebnisdateiWirdImDialogAngeboten)
{
    dateipfade.netzName = "alt tmp aus bin neu";
    dateiAntworten({dateiAbbruch()});
    EXPECT_FALSE(guiDateiSpeichern(0, nullptr, 1));
    ASSERT_EQ(dateiWahlLog().size(), 1u);
    EXPECT_EQ(dateiWahlLog()[0].gefragt.name, "alt neu");
    EXPECT_TRUE(dateiWahlLog()[0].gefragt.speichern);
    EXPECT_FALSE(std::filesystem::exists(pfad("alt neu.gui")));
    // the chosen name is the new network path and the window's title
    dateiAntworten({dateiAntwort(ordner + "anders.gui")});
    EXPECT_TRUE(guiDateiSpeichern(1, nullptr, 1));
    EXPECT_TRUE(std::filesystem::exists(pfad("anders.gui")));
    EXPECT_EQ(dateipfade.vollerPfad, ordner.substr(0, ordner.size() - 1) + "/anders.gui");
}

TEST_F(Netzdatei, EinFehlgeschlagenesSpeichernSagtEsUndLaesstDieAlteDatei)
{
    // the target is a folder: the rename over it fails, the folder stays
    std::filesystem::create_directory(pfad());
    testhilfe::schreiben(pfad() + "/drin", "alt");
    boxAntworten({plattform::antwort::Ok});
    EXPECT_FALSE(guiDateiSpeichern(0, nullptr, 1));
    ASSERT_EQ(boxLog().size(), 1u);
    EXPECT_NE(boxLog()[0].text.find(pfad()), std::string::npos);
    EXPECT_EQ(testhilfe::lesen(pfad() + "/drin"), "alt");
    // a folder that does not exist
    dateipfade.dokumentVerzeichnis = ordner + "gibt/es/nicht";
    boxAntworten({plattform::antwort::Ok});
    EXPECT_FALSE(guiDateiSpeichern(0, nullptr, 1));
    EXPECT_EQ(boxLog().size(), 2u);
    // nothing of a temporary file is left beside the target
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        EXPECT_EQ(e.path().filename().string().find("netz.gui."), std::string::npos) << e.path();
}

TEST_F(Netzdatei, ReferenzkurvenDateiFeldFuerFeldKleinEndian)
{
    programmStatus |= programmBit::SomaDateiSchreiben;
    netzBegleitdateien.refPfad = pfad("netz.ref");
    simulationsParameter.simulationsDauer = 0.5;
    simulationsParameter.schrittweite = 0.25;
    // no reference curve: no file, and an older one goes
    testhilfe::schreiben(pfad("netz.ref"), "alt");
    gespeichert();
    EXPECT_FALSE(std::filesystem::exists(pfad("netz.ref")));

    KurvenDaten& k = b->hauptDiagramm.kurven[13];
    k.werte = {1.5f, -2.0f, 9.0f};
    k.werteAnzahl = 3;
    gespeichert();
    const std::string bytes = testhilfe::lesen(pfad("netz.ref"));
    std::string erwartet;
    const auto le = [&](auto wert) {
        using U = std::conditional_t<sizeof(wert) == 8, uint64_t, uint32_t>;
        const U bits = std::bit_cast<U>(wert);
        for (size_t i = 0; i < sizeof(wert); ++i)
            erwartet += static_cast<char>((bits >> (8 * i)) & 0xFF);
    };
    le(0.5);
    le(0.25);
    le(int32_t{2});      // 0.5 / 0.25 samples per curve
    le(int32_t{7});
    le(int32_t{13});
    le(1.5f);
    le(-2.0f);
    EXPECT_EQ(bytes, erwartet);
}

// ---- reading ------------------------------------------------------------------------------

TEST_F(Netzdatei, RandfaelleDesLesers)
{
    const std::string text = imSpeicher();
    // anything before the marker refuses the text, a blank too
    boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(laden(" " + text), 1);
    EXPECT_EQ(boxLog().back().text, meldungFormatieren(246, pfad("geladen.gui")));
    EXPECT_EQ(neuronKette.kopf, nullptr);

    // dendrite mode 2 without a segment count gives one segment; no noise keys the defaults
    netzvorgaben.rauschHaeufigkeit = 5.0;
    netzvorgaben.rauschStaerke = 5.0;
    ASSERT_EQ(laden(netzText("anzahl neurone=1\nexistierende Neurone=1\nnetzwerktyp=2\n")), 1);
    EXPECT_EQ(simulationsParameter.netzwerktyp, 2);
    EXPECT_EQ(simulationsParameter.anzahlSegmente, 1);
    EXPECT_EQ(neuronKette.kopf->segmentAnzahl, 1);
    EXPECT_EQ(netzvorgaben.rauschHaeufigkeit, 1000.0);
    EXPECT_EQ(netzvorgaben.rauschStaerke, 1e-9);
    EXPECT_EQ(dialogEinstellungen.werteChecken, 1);
    EXPECT_EQ(neueSynapseVorgaben.freisetzungsSchwelle, -1000.0);
    EXPECT_EQ(synapsenfarben.gruppenNummern, plattform::KeineFarbe);
    EXPECT_EQ(attrappe::dienste.druckerSuchen, 1);   // not for the refused text
}

TEST_F(Netzdatei, FehlenderFarbschluesselSuchtDieNaechsteFarbeVonVorn)
{
    synapsenfarben.natrium = 0x123456;
    // the inhibitory keys stand before the sodium keys: only a search from the start finds them
    const std::string kopf = "anzahl neurone=1\nexistierende Neurone=1\n"
                             "inhibitorische synapse rotanteil=1\ninhibitorische synapse gruenanteil=2\n"
                             "inhibitorische synapse blauanteil=3\n"
                             "natrium synapse rotanteil=200\nnatrium synapse blauanteil=100\n";
    ASSERT_EQ(laden(netzText(kopf)), 1);
    EXPECT_EQ(synapsenfarben.natrium, 0x123456u);
    EXPECT_EQ(synapsenfarben.inhibitorisch, plattform::rgbFarbe(1, 2, 3));
}

TEST_F(Netzdatei, FehlendeBenannteKurvenfarbeRuecktDieFolgendenNachVorn)
{
    const std::string kopf = "anzahl neurone=1\nexistierende Neurone=1\n"
                             "standardfarbe fuer somapotential-kurve=11\nstandardfarbe fuer kaliumstrom-kurve=33\n"
                             "standardfarbe fuer calziumstrom-kurve=44\n";
    ASSERT_EQ(laden(netzText(kopf)), 1);
    EXPECT_EQ(kurvenStandardfarben[0], 11u);
    EXPECT_EQ(kurvenStandardfarben[1], 33u);
    EXPECT_EQ(kurvenStandardfarben[2], 44u);
}

TEST_F(Netzdatei, ReferenzkurvenFarbenFindenIhrenEigenenEintrag)
{
    for (int i = 0; i < kurvenProDiagramm; ++i)
        kurvenStandardfarben[static_cast<size_t>(i)] = 1000u + static_cast<unsigned>(i);
    const std::string text = imSpeicher();
    // the stored files carry the numbers 5 to 12
    EXPECT_NE(text.find("\nstandardfarbe fuer referenz-kurve 5=1012\n"), std::string::npos);
    EXPECT_NE(text.find("\nstandardfarbe fuer referenz-kurve 12=1019\n"), std::string::npos);
    kurvenStandardfarben.fill(0);
    ASSERT_EQ(laden(text), 1);
    for (int i = 0; i < kurvenProDiagramm; ++i)
        EXPECT_EQ(kurvenStandardfarben[static_cast<size_t>(i)], 1000u + static_cast<unsigned>(i)) << i;
}

TEST_F(Netzdatei, FensterlisteOhneLueckenUndNurMitGueltigenNeuronen)
{
    std::string kopf = "anzahl neurone=1\nexistierende Neurone=1\n[fensterliste start]\n";
    for (int n : {1, 2, 4, 5}) {
        const std::string p = "fensterliste " + std::to_string(n);
        kopf += p + " neuron=" + (n == 5 ? "4000" : std::to_string(n * 10)) + "\n" + p + " x=" + std::to_string(n) + "\n";
    }
    kopf += "[fensterliste ende]\n";
    ASSERT_EQ(laden(netzText(kopf)), 1);
    EXPECT_EQ(fensterliste[0].neuronId, 10);
    EXPECT_EQ(fensterliste[1].neuronId, 20);
    EXPECT_EQ(fensterliste[2].neuronId, 40);
    EXPECT_EQ(fensterliste[2].x, 4);
    EXPECT_EQ(fensterliste[3].neuronId, 0);   // 4000 names no neuron
}

TEST_F(Netzdatei, ZweimalGeladenGibtDasselbeNetz)
{
    neuronnamenAnzeigen = 0;
    seiteNetzfenster.randOben = 12.5;
    const std::string text = imSpeicher();
    ASSERT_EQ(laden(text), 1);
    const std::string erstes = imSpeicher();
    ASSERT_EQ(laden(text), 1);
    EXPECT_EQ(imSpeicher(), erstes);
    EXPECT_EQ(erstes, text);
    EXPECT_EQ(neuronZahl(), 2);
    EXPECT_EQ(neuronKette.anzahl, 2);
    EXPECT_EQ(neuronKette.hoechsteNummer, 7);
    EXPECT_TRUE(programmStatus & programmBit::NetzGeladen);
}

TEST_F(Netzdatei, CrLfUndLfUtf8UndWindows1252LesenGleich)
{
    neueSynapseVorgaben.leitfaehigkeit = 3.5e-7;
    neueSynapseVorgaben.freisetzungsSaettigung = 0.07;
    const std::string lf = imSpeicher();
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string utf8 = plattform::nachUtf8(lf);
    ASSERT_NE(utf8, lf);   // the keys with umlauts differ in their bytes
    for (const std::string* t : std::vector<const std::string*>{&lf, &crlf, &utf8}) {
        neueSynapseVorgaben = {};
        ASSERT_EQ(laden(*t), 1);
        EXPECT_EQ(neueSynapseVorgaben.leitfaehigkeit, 3.5e-7);
        EXPECT_EQ(neueSynapseVorgaben.freisetzungsSaettigung, 0.07);
        EXPECT_EQ(imSpeicher(), lf);
    }
    // with an editor's byte order mark too
    neueSynapseVorgaben = {};
    ASSERT_EQ(laden("\xEF\xBB\xBF" + utf8), 1);
    EXPECT_EQ(neueSynapseVorgaben.leitfaehigkeit, 3.5e-7);
}

TEST_F(Netzdatei, NichtEndlicheZahlenZaehlenAlsFehlend)
{
    simulationsParameter.simulationsDauer = 2.0;
    simulationsParameter.spikeSchwelle = -0.03;
    hauptfensterGeometrie.x = 5;
    const std::string kopf = "anzahl neurone=1\nexistierende Neurone=1\nhauptfenster xl=nan\n"
                             "dauer der simulation in sekunden=1e999\nschwelle zur spike-detektion=-inf\n"
                             "noiseIntensity=nan\nnoiseDecay=0,25\n";
    ASSERT_EQ(laden(netzText(kopf)), 1);
    EXPECT_EQ(hauptfensterGeometrie.x, 5);
    EXPECT_EQ(simulationsParameter.simulationsDauer, 2.0);
    EXPECT_EQ(simulationsParameter.spikeSchwelle, -0.03);
    EXPECT_EQ(netzvorgaben.rauschHaeufigkeit, 1000.0);   // missing: the default
    EXPECT_EQ(netzvorgaben.rauschAbklingzeit, 0.25);
}

TEST_F(Netzdatei, ProtokolltextWirdNieAlsAbschnittOderSchluesselGelesen)
{
    protokoll.gesicherterText = "anzahl neurone=99\n[NEURON 1] ***\n[Servereinstellungen]\n"
                                "protokollfenster xl=77\n[ProtokollTextEnde]\nletzte Zeile";
    protokoll.sichtbar = 0;
    protokoll.x = 12;
    protokoll.eingebetteteHoehe = 90;
    protokoll.schrift.name = "Courier";
    protokoll.schrift.punkte = 9;
    const std::string datei = gespeichert();
    const std::string text = protokoll.gesicherterText;
    protokoll = {};
    netzLoeschen();
    std::string name = pfad();
    ASSERT_EQ(guiDateiLaden(name), 1);
    EXPECT_EQ(neuronZahl(), 2);
    EXPECT_EQ(serverBlockVorhanden, 1);
    EXPECT_EQ(protokoll.gesicherterText, text);
    EXPECT_EQ(protokoll.x, 12);
    EXPECT_EQ(protokoll.eingebetteteHoehe, 90);
    EXPECT_EQ(protokoll.sichtbar, 0);
    EXPECT_EQ(protokoll.schrift.name, "Courier");
    EXPECT_EQ(protokoll.schrift.punkte, 9);
    EXPECT_TRUE(datei.ends_with("protokollfenster anzeigen=0\r\n[Dateiende]\r\n"));
}

TEST(Fensterliste, ZahlenBisZumZeilenendeInDenGrenzen)
{
    const struct {
        const char* text;
        int kapazitaet;
        int anzahl;
        std::vector<int> zahlen;
    } faelle[] = {
        {"x=1 2 3 \nweiter=4", 8, 3, {1, 2, 3}},
        {"x=\t-5\t+6\r\n", 8, 2, {-5, 6}},
        {"x=\n", 8, 0, {}},
        {"y=1", 8, 0, {}},                   // no key
        {"x=1 2 3", 2, -1, {}},              // longer than the room
        {"x=1 2x 3", 8, -1, {}},             // no whole number
        {"x=1 - 3", 8, -1, {}},
        {"x=1.5", 8, -1, {}},
        {"x=99999999999999999999", 8, 1, {}},   // stays out of every table's range
    };
    for (const auto& f : faelle) {
        std::string text = f.text;
        std::vector<int> aus(8, 0);
        EXPECT_EQ(fensterlisteLesen(aus.data(), f.kapazitaet, text.data(), "x="), f.anzahl) << f.text;
        for (size_t i = 0; i < f.zahlen.size(); ++i)
            EXPECT_EQ(aus[i], f.zahlen[i]) << f.text;
        if (f.anzahl == 1 && f.zahlen.empty()) {
            EXPECT_GE(aus[0], 4096) << f.text;
        }
    }
}
