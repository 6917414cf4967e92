// tests/files/test_netzdatei.cpp - the network file: its form, safe saving, the reference
// curves, and what the reader does with texts that are not as the writer left them
#include "netzdatei_hilfe.h"
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using pt::boxLog;

namespace {
constexpr int Ok = plattform::antwort::Ok, Ja = plattform::antwort::Ja, Nein = plattform::antwort::Nein;
}

TEST_F(NetzdateiFall, DateiBeginntUndEndetWieFestgelegtMitCrLf)
{
    NeuronDaten* a = neu(3);
    const int id = verbinde(a, neu(7))->id;
    hauptfensterGeometrie = {10, 20, 640, 480, 0, 0};
    programmStatus |= programmBit::AxoAxonisch;
    gespeichert();
    const std::string datei = testhilfe::lesen(pfad()), f = " f\xFCr protokollfenster=";
    EXPECT_TRUE(datei.starts_with(
        "[neuronen-netzwerk-datei]\r\nhauptfenster xl=10\r\nhauptfenster yl=20\r\nhauptfenster breite=640\r\n"
        "hauptfenster hoehe=480\r\nanzahl neurone=2\r\nneuronname anzeigen=1\r\nexistierende Neurone=3 7 \r\n"
        "anzahl synapsen=1\r\nexistierende Synapsen=" + std::to_string(id) + " \r\nanzahl axo-axonischer "
        "synapsen=0\r\nexistierende Axo-Synapsen=\r\naxo-axonische synapsen aktivieren=16\r\n"));
    EXPECT_TRUE(datei.ends_with(
        "[ProtokollTextEnde]\r\nfontgroesse" + f + "0\r\nfontname" + f + "\r\nfont-wichtung" + f +
        "400\r\nfont kursiv" + f + "0\r\nfont unterstrichen" + f + "0\r\nprotokollfenster xl=0\r\n"
        "protokollfenster yl=0\r\nprotokollfenster breite=0\r\nprotokollfenster hoehe=0\r\nprotokollfenster "
        "einblenden=1\r\nprotokollfenster hoehe des einblendfensters=0\r\nprotokollfenster anzeigen=1\r\n"
        "[Dateiende]\r\n"));
    for (size_t i = datei.find('\n'); i != std::string::npos; i = datei.find('\n', i + 1))
        ASSERT_EQ(datei[i - 1], '\r') << i;
    // an in-memory text keeps LF and has the protocol font keys only in the font block
    const std::string text = imSpeicher();
    EXPECT_TRUE(text.starts_with("[neuronen-netzwerk-datei]\nhauptfenster xl=10\n") &&
                text.ends_with("\nprotokollfenster anzeigen=1\n[Dateiende]\n"));
    const size_t schrift = text.find("fontgroesse" + f);
    EXPECT_LT(schrift, text.find("ende font definitionen"));
    EXPECT_EQ(text.rfind("fontgroesse" + f), schrift);
}

TEST_F(NetzdateiFall, NetzwerkmodellTraegtDieVarianteInDerParitaetUndLeereListen)
{
    neu(1);
    synapsenTypen.clear();
    kurvenStandardfarben[19] = 1019;
    Simulationsparameter& sp = simulationsParameter;
    for (const auto& [modell, variante, wert] :
         {std::tuple{1, 0, 1}, {2, 0, 3}, {2, 1, 4}, {3, 1, 6}, {4, 0, 7}}) {
        std::tie(sp.netzwerkmodell, sp.netzwerkVariante) = std::tie(modell, variante);
        const std::string text = imSpeicher();
        EXPECT_NE(text.find("\nnetzwerkmodell=" + std::to_string(wert) + "\n"), std::string::npos) << wert;
        sp.netzwerkmodell = sp.netzwerkVariante = 0;
        ASSERT_EQ(laden(text), 1);
        EXPECT_EQ(std::tie(sp.netzwerkmodell, sp.netzwerkVariante), std::tie(modell, variante)) << wert;
        synapsenTypen.clear();
    }
    const std::string text = imSpeicher();
    for (const char* teil : {"\nstandardfarbe fuer referenz-kurve 12=1019\n", // as the stored files number it
                             "\nexistierende Synapsen=\n", "\naxo-axonische synapsen aktivieren=0\n",
                             "\n[fensterliste start]\n[fensterliste ende]\n",
                             "*\n[Synapsen auf soma oder dendrit]",
                             "\n[Servereinstellungen] ***"}) // always: without it a text is an older one
        EXPECT_NE(text.find(teil), std::string::npos) << teil;
    EXPECT_EQ(text.find("[ende SynapsenTypen-definition]"), std::string::npos);
}

TEST_F(NetzdateiFall, EinFehlgeschlagenesSpeichernSagtEsUndLaesstDieAlteDatei)
{
    namespace fs = std::filesystem;
    neu(1);
    rlimit grenze{};
    void (*signalVorher)(int) = nullptr;
    const struct {
        const char* was;
        std::string grund;                  // the system's reason the notice names
        std::function<bool()> hindernis;    // false: the obstacle cannot be had here
        std::function<void()> weg;
    } faelle[] = {
        {"a folder that does not exist", meldungsTexte[962], [this] {
             dateipfade.dokumentVerzeichnis = ordner + "fehlt/";
             return true;
         }, [this] { dateipfade.dokumentVerzeichnis = ordner; }},
        {"a full disk: the files may grow to 64 bytes", meldungsTexte[964], [&] {
             signalVorher = std::signal(SIGXFSZ, SIG_IGN);
             ::getrlimit(RLIMIT_FSIZE, &grenze);
             const rlimit klein{64, grenze.rlim_max};
             return ::setrlimit(RLIMIT_FSIZE, &klein) == 0;
         }, [&] {
             ::setrlimit(RLIMIT_FSIZE, &grenze);
             std::signal(SIGXFSZ, signalVorher);
         }},
        {"a folder of that name: the rename fails", meldungsTexte[1802], [this] {
             return fs::remove(pfad()) && fs::create_directory(pfad());
         }, [this] { fs::remove(pfad()); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        testhilfe::schreiben(pfad(), "das alte Netz");
        pt::zuruecksetzen();
        pt::boxAntworten({Ok});
        const bool hier = f.hindernis();
        const std::string ziel =
            dateipfade.dokumentVerzeichnis + (dateipfade.dokumentVerzeichnis.ends_with('/') ? "" : "/") + "netz.gui";
        const bool gespeichert = hier && guiDateiSpeichern(0, nullptr, 1);
        const bool altesDa = fs::is_directory(pfad()) || testhilfe::lesen(pfad()) == "das alte Netz";
        const std::string vollerPfad = dateipfade.vollerPfad;
        f.weg();
        if (!hier)
            continue;
        // the notice names the file and the system's reason; the network keeps its path
        EXPECT_EQ(std::tuple(gespeichert, altesDa, boxLog().empty() ? "" : boxLog()[0].text, vollerPfad),
                  std::tuple(false, true, meldungFormatieren(947, ziel, f.grund), ""));
    }
}

TEST_F(NetzdateiFall, ReferenzkurvenDateiFolgtDemGespeichertenNamenFeldFuerFeldKleinEndian)
{
    neu(3);
    KurvenDaten& k = neu(7)->hauptDiagramm.kurven[13];
    programmStatus |= programmBit::SomaDateiSchreiben;
    simulationsParameter.simulationsDauer = 0.5;
    simulationsParameter.schrittweite = 0.25;
    std::tie(k.werte, k.werteAnzahl) = std::tuple(std::vector{1.5f, -2.0f, 9.0f}, 3);
    // the network came from netz.gui and is saved as kopie.gui: another network's curves stay
    netzBegleitdateien.refPfad = pfad("netz.ref");
    testhilfe::schreiben(pfad("netz.ref"), "alt");
    pt::dateiAntworten({pt::dateiAntwort(pfad("kopie.gui"))});
    ASSERT_TRUE(guiDateiSpeichern(1, nullptr, 1));
    // f64 0.5 s, f64 0.25 s, i32 2 samples a curve; neuron 7, slot 13, f32 1.5 and -2
    const std::string erwartet("\0\0\0\0\0\0\xE0\x3F" "\0\0\0\0\0\0\xD0\x3F" "\x02\0\0\0" "\x07\0\0\0"
                               "\x0D\0\0\0" "\0\0\xC0\x3F" "\0\0\0\xC0", 36);
    EXPECT_EQ(std::tuple(testhilfe::lesen(pfad("kopie.ref")), testhilfe::lesen(pfad("netz.ref"))),
              std::tuple(erwartet, "alt"));
    // a reference file that cannot be written is said; the network is saved all the same
    std::filesystem::remove(pfad("kopie.ref"));
    std::filesystem::create_directory(pfad("kopie.ref"));
    pt::boxAntworten({Ok});
    EXPECT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    EXPECT_EQ(boxLog().back().text, meldungFormatieren(75, pfad("kopie.ref")));
    // no reference curve: no file, and an older one of this name goes
    std::filesystem::remove(pfad("kopie.ref"));
    testhilfe::schreiben(pfad("kopie.ref"), "alt");
    k.werteAnzahl = 0;
    gespeichert();
    EXPECT_EQ(std::tuple(std::filesystem::exists(pfad("kopie.ref")), testhilfe::lesen(pfad("netz.ref"))),
              std::tuple(false, "alt"));
}

TEST_F(NetzdateiFall, LeserVerweigertRepariertOderNimmtVorgaben)
{
    const std::string eins = "anzahl neurone=1\nexistierende Neurone=1\n", datei = pfad("geladen.gui");
    const auto ohneServer = [](std::string t) { return t.erase(t.find("[Servereinstellungen]")); };
    std::string reiz = "[permutationsdefinitionen start]\n", strom = "[Currents]\n", alle;
    for (const char* z :
         {"reizart=0", "anstieg=0.001", "dach=0.002", "abfall=0.003", "pause=0.01", "anzahl=5"})
        reiz += std::string("permutation: stromreizdefinition ") + z + "\n";
    reiz = netzText(eins + reiz);
    const auto pause = [](double p) {
        return [p] { EXPECT_DOUBLE_EQ(permutationsFenster.stromreiz.pause, p); };
    };
    const auto zweiPulse = [] { permutationsFenster.stromreiz.anzahl = 2; };
    const std::string gruppe =
        "[Synapsengruppen]\nanzahl von synapsengruppen=1\nanzahl von synapsen in gruppe 1=1\n";
    const std::string zweiSynapsen = netzText(
        "anzahl neurone=2\nexistierende Neurone=1 2\nanzahl synapsen=2\nexistierende Synapsen=1 2\n", {1, 2},
        synapseZeilen(1) + synapseZeilen(2, 2, 1) + "[Synapsengruppen]\nanzahl von synapsengruppen=3\nanzahl "
        "von synapsen in gruppe 1=3\nbezeichnung von gruppe 1=drei\nsynapse 1 in 1=1\nsynapse 2 in 1=2\n"
        "synapse 3 in 1=999\n");
    for (const char* z : {"1 somaCurrent=2e-9", "1 somaSCStart=0.1", "1 somaSCEnd=0.4", "2 somaCurrent=0",
                          "2 dendCurrent=1e-9", "2 dendSCStart=0.2", "2 dendSCEnd=5", "2 dendSCLocation=2",
                          "2 noise=1"})
        strom += std::string("Current ") + z + "\n";
    const std::string strom1 =
        "[Currents]\nCurrent 1 somaCurrent=2e-9\nCurrent 1 somaSCStart=0.1\nCurrent 1 somaSCEnd=0.4\n";
    const std::string burstNeuron = "\n[NEURON 1] ***\nneuron 1 strominjektion segment 0 anzahl bursts=100000000\n"
                                    "neuron 1 strominjektion segment 0 burstabstand=0\n[ende NEURON 1] ***\n";
    strom = netzText("anzahl neurone=2\nexistierende Neurone=1 2 \nanzahl currents=5\n", {1, 2}, strom);
    std::string eigeneRegeln = eins + "netzwerktyp=2\n[fensterliste start]\n";
    for (int n : {1, 2, 4, 5})   // numbers that name no neuron leave no gap
        eigeneRegeln += "fensterliste " + std::to_string(n) + " neuron=" +
                        std::to_string(n == 5 ? 4000 : n * 10) + "\nfensterliste " + std::to_string(n) +
                        " x=" + std::to_string(n) + "\n";
    eigeneRegeln += "[fensterliste ende]\ninhibitorische synapse rotanteil=1\ninhibitorische synapse "
                    "gruenanteil=2\ninhibitorische synapse blauanteil=3\nnatrium synapse rotanteil=200\n"
                    "natrium synapse blauanteil=9\nstandardfarbe fuer somapotential-kurve=11\n"
                    "standardfarbe fuer kaliumstrom-kurve=33\n";
    for (int i = 1; i <= 1025; ++i)
        alle += std::to_string(i) + "\t";
    struct Fall {
        std::string was, text;
        int ergebnis;
        std::string meldung;   // the last box's text, "" for none
        std::vector<int> antworten = {};
        std::function<void()> vorher = {}, pruefen = {};
    };
    const auto liste = [&](const std::string& kopf, int meldung) {
        return Fall{kopf, netzText(kopf), 0, meldungFormatieren(meldung, datei), {Ok}};
    };
    const Fall faelle[] = {
        {"anything before the marker, a blank too", " " + netzText(eins), 1, meldungFormatieren(246, datei),
         {Ok}, {}, [] {
             EXPECT_EQ(std::tie(neuronKette.kopf, attrappe::dienste.druckerSuchen), std::tuple(nullptr, 0));
         }},
        {"no neurons: refused, but no error", netzText("anzahl neurone=0\n", {}), 1,
         meldungFormatieren(248, datei), {Ok}},
        // id lists that cannot be trusted refuse the file and leave an empty network
        liste("anzahl neurone=2\nexistierende Neurone=1 \n", 247), // fewer than counted
        liste("anzahl neurone=2\nexistierende Neurone=1 1 \n", 247),
        liste("anzahl neurone=2\nexistierende Neurone=0 1 \n", 247),
        liste("anzahl neurone=1\nexistierende Neurone=1024 \n", 247),
        liste("anzahl neurone=1\nexistierende Neurone=x \n", 247),
        liste("anzahl neurone=2\nexistierende Neurone=1 2x\n", 247),
        liste("anzahl neurone=2\nexistierende Neurone=1 - 2\n", 247),
        liste("anzahl neurone=1\nexistierende Neurone=99999999999999999999\n", 247),
        liste("anzahl neurone=1023\nexistierende Neurone=" + alle + "\n", 247), // longer than the table
        liste("anzahl neurone=5000\nexistierende Neurone=1 \n", 247),
        liste(eins + "anzahl synapsen=2\nexistierende Synapsen=3 \n", 249),
        liste(eins + "anzahl synapsen=1\nexistierende Synapsen=4096 \n", 249),
        liste(eins + "anzahl synapsen=1\nanzahl axo-axonischer synapsen=2\n", 249),
        liste(eins + "anzahl synapsen=99999\n", 249),
        liste(eins + "anzahl synapsen=2\nexistierende Synapsen=5 \nanzahl axo-axonischer synapsen=1\n"
                     "existierende Axo-Synapsen=5 \n", 250), // in both lists
        liste(eins + "anzahl synapsen=1\nanzahl axo-axonischer synapsen=1\nexistierende Axo-Synapsen=0 \n",
              250),
        liste(eins + "anzahl axo-axonischer synapsen=-1\n", 250),
        // a block the lists name but the text lacks refuses the file; the program goes on
        {"a neuron block missing", netzText("anzahl neurone=2\nexistierende Neurone=4 5 \n", {4}), 0,
         meldungFormatieren(253, datei, 5), {Ok}},
        {"a group without member 1", netzText(eins, {1}, gruppe), 0, meldungsTexte[944], {Ok}},
        {"old currents that no stimulus table holds", netzText(eins, {}, burstNeuron + strom1), 0,
         meldungFormatieren(253, datei, 1), {Ja, Ok, Ok}, {}, [] {
             EXPECT_EQ(boxLog()[1].text, meldungFormatieren(840, "1", 0));
             EXPECT_EQ(boxLog().back().titel, "Hinweis");
         }},
        {"No when a group lacks members",
         netzText(eins, {1}, gruppe + "bezeichnung von gruppe 1=g\nsynapse 1 in 1=17\n"), 0,
         meldungFormatieren(945, 0, "g", 1), {Nein}, {}, [] { EXPECT_EQ(boxLog().back().titel, "SysInfo"); }},
        {"Yes to both count questions keeps what was read", zweiSynapsen, 1, meldungFormatieren(946, 1, 3),
         {Ja, Ja}, {}, [] {
             EXPECT_EQ(boxLog()[0].text, meldungFormatieren(945, 2, "drei", 3));
             EXPECT_EQ(std::tie(synapsengruppen[1].mitglieder, synapsengruppenZahl),
                       std::tuple(std::vector{1, 2}, 1));
         }},
        {"No to the group count", zweiSynapsen, 0, meldungFormatieren(946, 1, 3), {Ja, Nein}},
        {"server neurons that do not exist are passed over",
         netzText("anzahl neurone=1\nexistierende Neurone=6\n", {6},
                  "[Servereinstellungen]\nserver: eingangsneuron=6\nserver: ausgangsneuron=7\nserver: 1. "
                  "neuron dessen somapotential angezeigt wird=5000\n[ende Servereinstellungen]\n"),
         1, "", {}, {}, [] {
             const ServerDaten& s = serverDaten;
             EXPECT_EQ(std::tie(s.eingangsNeuron, s.ausgangsNeuron, s.angezeigtesNeuron, s.stromDatei),
                       std::tuple(6, 0, 0, serverStromDateiVorgabe));
         }},
        // the old pause conversion: only without a server section, by the count held before
        {"the pause of a text with a server section", reiz, 1, "", {}, zweiPulse, pause(0.01)},
        {"the pause of an older text", ohneServer(reiz), 1, "", {}, zweiPulse, pause(0.016)},
        {"the pause of an older text, a count below 2 held", ohneServer(reiz), 1, "", {}, {}, pause(0.01)},
        {"old constant currents become rectangles after one question", strom, 1, meldungsTexte[531],
         {Ok, Ja}, {}, [datei] {
             EXPECT_EQ(boxLog()[0].text, meldungFormatieren(258, datei, 5, 2));
             const StromreizDefinition& s = neuronNachNummer(1)->stromreize[0];
             EXPECT_EQ(std::tie(s.an, s.anzahl, s.amplitude, s.beginn, neuronNachNummer(2)->rauschenAn),
                       std::tuple(1, 1, 2e-9, 0.1, 1));
             // the dendrite current in its segment, its end cut at the run's end
             EXPECT_DOUBLE_EQ(neuronNachNummer(2)->stromreize[2].dach, 1.0 - 1e-4 - 0.2);
         }},
        {"an old current beyond the four stimulus definitions",
         netzText(eins + "netzwerktyp=4\nanzahl dendritischer segmente=6\n", {1},
                  "[Currents]\nCurrent 1 somaCurrent=0\nCurrent 1 dendCurrent=1e-9\nCurrent 1 "
                  "dendSCStart=0.1\nCurrent 1 dendSCEnd=0.2\nCurrent 1 dendSCLocation=5\n"),
         1, meldungsTexte[531], {Ja}, {}, [] {
             const NeuronDaten* n = neuronKette.kopf;
             EXPECT_EQ(std::tie(n->segmentAnzahl, n->dendSCLocation, gereizteKompartimenteGesamt),
                       std::tuple(6, 0, 0));
         }},
        {"segment count, model, dendrite mode and method out of range keep theirs",
         netzText(eins + "netzwerkmodell=11\nnetzwerktyp=9\nanzahl dendritischer segmente=40\n"
                         "integrationsmethode=7\n"),
         1, meldungFormatieren(841, 40, groessteSegmentAnzahl), {Ok}, {}, [] {
             const Simulationsparameter& s = simulationsParameter;
             EXPECT_EQ(std::tie(s.netzwerkmodell, s.netzwerktyp, s.anzahlSegmente, s.integrationsmethode),
                       std::tuple(2, 3, 3, Simulationsparameter{}.integrationsmethode));
         }},
        {"numbers that are not finite count as missing",
         netzText(eins + "hauptfenster xl=nan\ndauer der simulation in sekunden=1e999\nschwelle zur "
                  "spike-detektion=-inf\nnoiseIntensity=nan\nnoiseDecay=0,25\n"), 1, "", {},
         [] { hauptfensterGeometrie.x = 5; }, [] {
             EXPECT_EQ(std::tie(hauptfensterGeometrie.x, simulationsParameter.simulationsDauer,
                                simulationsParameter.spikeSchwelle, netzvorgaben.rauschHaeufigkeit,
                                netzvorgaben.rauschAbklingzeit), std::tuple(5, 1.0, -0.02, 1000.0, 0.25));
         }},
        // dendrite mode 2 gives one segment; a synapse colour missing a part keeps its colour and
        // the next one is searched from the start; a missing curve colour moves the next ones down
        {"keys with rules of their own", netzText(eigeneRegeln), 1, "", {}, [] {
             synapsenfarben.natrium = 5;
             netzvorgaben.rauschStaerke = 5.0;
         }, [] {
             EXPECT_EQ(std::tie(simulationsParameter.anzahlSegmente, neuronKette.kopf->segmentAnzahl,
                                netzvorgaben.rauschStaerke, dialogEinstellungen.werteChecken,
                                neueSynapseVorgaben.freisetzungsSchwelle, synapsenfarben.gruppenNummern),
                       std::tuple(1, 1, 1e-9, 1, -1000.0, plattform::KeineFarbe));
             EXPECT_EQ(std::tie(synapsenfarben.natrium, synapsenfarben.inhibitorisch, kurvenStandardfarben[0],
                                kurvenStandardfarben[1], attrappe::dienste.druckerSuchen),
                       std::tuple(5u, plattform::rgbFarbe(1, 2, 3), 11u, 33u, 1));
             const std::array<FensterlistenEintrag, 256>& f = fensterliste;
             EXPECT_EQ(std::tie(f[0].neuronId, f[1].neuronId, f[2].neuronId, f[2].x, f[3].neuronId),
                       std::tuple(10, 20, 40, 4, 0));
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        pt::zuruecksetzen();
        attrappe::rahmenZuruecksetzen();
        einstellungenVoreinstellen();
        simulationsparameterVoreinstellen();
        simulationsParameter.schrittweite = 1e-4;
        programmStatus = modusStatus = 0;
        if (f.vorher)
            f.vorher();
        for (int a : f.antworten)
            pt::boxAntworten({a});
        EXPECT_EQ(laden(f.text), f.ergebnis);
        EXPECT_EQ(std::tuple(boxLog().empty() ? "" : boxLog().back().text, pt::offeneBoxAntworten()),
                  std::tuple(f.meldung, 0u));
        if (f.ergebnis == 0) {
            EXPECT_EQ(std::tie(neuronKette.kopf, neuronKette.anzahl), std::tuple(nullptr, 0));
        }
        EXPECT_FALSE(attrappe::dienste.endet || (editierStatus & editierBit::DateiWirdGelesen));
        if (f.pruefen)
            f.pruefen();
    }
}

TEST_F(NetzdateiFall, ProtokolltextWirdNieAlsAbschnittOderSchluesselGelesen)
{
    neu(2);
    protokoll.gesicherterText = "anzahl neurone=99\n[NEURON 1] ***\n[Servereinstellungen]\n"
                                "protokollfenster xl=77\n[ProtokollTextEnde]\nletzte Zeile";
    std::tie(protokoll.sichtbar, protokoll.x) = std::tuple(0, 12);
    gespeichert();
    const Protokoll vorher = std::exchange(protokoll, Protokoll{});
    ASSERT_EQ(laden(testhilfe::lesen(pfad())), 1);
    EXPECT_EQ(std::tuple(NeuronFall::nummern(), serverBlockVorhanden), std::tuple(std::vector{2}, 1));
    EXPECT_EQ(std::tie(protokoll.gesicherterText, protokoll.x, protokoll.sichtbar),
              std::tie(vorher.gesicherterText, vorher.x, vorher.sichtbar));
}

TEST_F(NetzdateiFall, EinUndoTextLaedtOhneEinWortInDerStatuszeile)
{
    NeuronDaten* a = neu(1);
    verbinde(a, neu(2));
    std::string text = imSpeicher(), name;
    netzLoeschen();
    statusTexte[0] = "vorher";
    ASSERT_EQ(guiTextLaden(text.data(), NetzQuelle::Undo, name), 1);
    EXPECT_EQ(std::tuple(NeuronFall::nummern(), synapsenZaehler, statusTexte[0]),
              std::tuple(std::vector{1, 2}, 1, "vorher"));
}
