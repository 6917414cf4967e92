// tests/script/test_skriptladen.cpp - loading the series script of three neurons
#include "skript_hilfe.h"

namespace {
using namespace skripttest;

TEST_F(SkriptFall, BeispielLaedtMitAllenWertenImRecord)
{
    pt::boxAntworten({1});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "reizserie.skr")});
    testhilfe::schreiben(ordner + "reizserie.skr", text());
    ASSERT_EQ(skriptLaden(skript), 1);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, "skript wurde erfolgreich geladen. aus der datei:\n\n" + ordner +
              "reizserie.skr\n\nwurden 23 skript-anweisungen fuer 5 simulationen aus einer liste eingelesen");
    const Skript& s = skript;
    EXPECT_TRUE(skriptStatus & skriptBit::Geladen);
    EXPECT_EQ(s.gesamtSimulationen, 16);
    EXPECT_EQ(s.liste, (std::vector<int>{2, 5, 6, 11, 15}));
    ASSERT_EQ(s.anweisungen.size(), 23u);
    for (auto [schleife, ziel, anzahl] : {std::array{7, 17, 3}, {11, 16, 4}, {18, 21, 2}}) {
        EXPECT_EQ(s.anweisungen[schleife].ziel, ziel);
        EXPECT_EQ(s.anweisungen[schleife].ganzzahl, anzahl);
        EXPECT_EQ(s.anweisungen[ziel].ziel, schleife);
    }
    const SkriptAnweisung &sle = s.anweisungen[9], &ram = s.anweisungen[14], &sru = s.anweisungen[20];
    EXPECT_EQ(std::tuple(sle.wert, sle.schleifenEbene, sle.schritt, sle.dokuIndex), std::tuple(2.5e-9, 1, 1.25e-9, 1));
    EXPECT_EQ(std::tuple(ram.wert, ram.schleifenEbene, ram.dokuIndex), std::tuple(5e-10, 2, 2));
    EXPECT_EQ(std::tuple(sru.wert, sru.schleifenEbene, sru.schritt), std::tuple(-0.07, 1, -0.005));
    ASSERT_EQ(s.dokumentiert.size(), 3u);
    EXPECT_STREQ(s.dokumentiert[1].bezeichnung.data(), "leitfaehigkeit syn1");
    EXPECT_STREQ(s.dokumentiert[2].bezeichnung.data(), "amplitude");
    ASSERT_EQ(s.ergebnisneurone.size(), 1u);
    EXPECT_EQ(s.ergebnisneurone[0].nummer, 2);
    EXPECT_EQ(s.ergebnisneurone[0].kurvenAnzahl, 2);
    EXPECT_TRUE(s.ergebnisneurone[0].kurven[0] && s.ergebnisneurone[0].kurven[2]);
    EXPECT_EQ(std::tuple(s.ergebnisArt, s.ergebnisBits, asciiExportEinstellungen.dezimalzeichen), std::tuple(2, 8u, int(',')));

    skriptStatus |= skriptBit::AuswertungsModus;
    skriptFreigeben(skript);
    EXPECT_EQ(skriptStatus, skriptBit::AuswertungsModus);
    EXPECT_EQ(std::tuple(s.anweisungen.size(), s.gesamtSimulationen, s.liste.size(), s.dokumentiert.size()),
              std::tuple(0u, 0, 0u, 0u));
}

// how many simulations the script reports, with and without the list, the messages on and off
TEST_F(SkriptFall, AbschlussNenntDieLaufendenSimulationen)
{
    const std::string ohneListe = std::string(beispiel).replace(beispiel.find("SNL="), 4, "snl=");
    struct { std::string skript; int meldungen; std::string box, status; } faelle[] = {
        {text(), 0, "", "\t5 sims"},
        {ohneListe, 1, "wurden 23 skript-anweisungen fuer 16 simulationen eingelesen", ""},
        {ohneListe, 0, "", "\t16 sims"},
        // a closing quote at a line's end ends the line's scanning
        {std::string(ohneListe).replace(ohneListe.find("SIM="), 4, "SIM=\"a\""), 0, "", "\t16 sims"},
    };
    for (const auto& f : faelle) {
        pt::zuruecksetzen();
        pt::boxAntworten({1});
        skriptMeldungenAnzeigen = f.meldungen;
        statusTexte = {};
        EXPECT_EQ(laden(f.skript), 1) << f.status;
        EXPECT_EQ(pt::boxLog().empty() ? "" : pt::boxLog()[0].text.substr(pt::boxLog()[0].text.find("wurden")), f.box);
        EXPECT_EQ(statusTexte[3], f.status);
    }
}

// each check as a one-line fault of the script: the load fails with its text, nothing stays;
// a refusal that ends the load without the closing notice says itself that nothing was loaded
TEST_F(SkriptFall, FehlerImSkriptLaedtNichts)
{
    enum Art { Zeile, Fehler, Stopp };
    struct { std::string alt, neu; const char* text; Art art; int versatz = 0; } faelle[] = {   // versatz: line of the fault
        {"SCHLEIFE1=3", "SCHLEIFE2=3", "2 auf 0 ist nicht zulaessig", Zeile},
        {"  WIEDERHOLEN2=", "", "WIEDERHOLEN2 fehlt nach SCHLEIFE2=4", Zeile, -3},
        {"  WIEDERHOLEN2=", "  WIEDERHOLEN1= // WIEDERHOLEN2", "zu WIEDERHOLEN1= gibt es keine offene SCHLEIFE1", Zeile},
        {"WIEDERHOLEN1=\nneu", "WIEDERHOLEN=\nneu", "unerlaubte schleifentiefe: 0", Zeile},
        {"SCHLEIFE1=3", "SCHLEIFE1=0", "mindestens 1 sein: 0", Zeile},
        {"SCHLEIFE2=4", "SCHLEIFE2=2147483647", "mehr als 2147483647 simulationen", Fehler},
        {"SCHLEIFE1=3", "SCHLEIFE1=3 STEP=1", "STEP geh\xF6rt hinter", Zeile},
        {"BIN=", "BIN= DOKUMENTIEREN=x", "DOKUMENTIEREN geh\xF6rt hinter", Zeile},
        {"SCHLEIFE1=2", "SCHLEIFE1=2 OPTIMIEREN=", "OPTIMIEREN geh\xF6rt hinter", Zeile},
        {"BIN=", "BIN= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT= INT=",
         "h\xF6" "chstens 19 interaktive", Zeile},
        {"NEU=1 ", "NEU=1024 ", "es gibt kein neuron mit ID = 1024", Zeile},
        {"NEU=1 ", "NEU=0 ", "ung\xFCltige neuron ID: 0", Zeile},
        {"NEU=Motor", "NEU=Mops", "neuron Mops nicht gefunden", Zeile},
        {"SYN=1", "SYN=4096", "es gibt kein synapse mit ID = 4096", Zeile},
        {"SNL=\"ORDNER/sim", "SNL=\"ORDNER/fehlt", "kann nicht zugegriffen werden", Zeile},
        {"SNL=\"ORDNER/", "SNL=\"ORDNER/" + std::string(250, 'x') + "/", "kann nicht zugegriffen werden", Zeile},
        {"STEP=-0,005", "STEP=-0,005 OPTIMIEREN= SPI=3", "Bewertungsneuron (BNE)", Zeile},
        {"SIM=\nSCHL", "SIM= SRU=1\nSCHL", "es gibt kein neuron zu dieser anweisung: SRU=1", Zeile},
        {"SIM=\nSCHL", "SIM= SLE=1\nSCHL", "es gibt keine synapse zu dieser anweisung: SLE=1", Zeile},
        {"SIM=\nSCHL", "SIM= SUP=1\nSCHL", "synapse nicht definiert bei SUP=1", Zeile},
        {"SIM=\nSCHL", "SIM= FMI=1\nSCHL", "das funktioniert noch nicht", Zeile},
        {"NEU=1 RZI=1", "NEU=1 RAM=1", "es gibt kein ziel-zellkompartiment", Zeile},
        {"NEU=1 RZI=1", "NEU=1 RZI=5", "zellkompartiment f\xFCr stromreiz: 5", Zeile},
        {"NEU=1 RZI=1", "NEU=1 KAN=7", "mit kanal-typ 7 bei neuron Sensor links", Zeile},
        {"NEU=1 RZI=1", "NEU=1 BKA=Ih", "neuron Sensor links hat keinen kanal Ih", Zeile},
        {"SYN=1 SLE", "SYN=1 LEI=2 SLE", "es gibt keinen kanal zu dieser anweisung", Zeile},
        {"ENEURON=2 EKU=1", "EKU=1 ENEURON=2", "es gibt kein neuron zu dieser anweisung: EKU=1", Zeile},
        {"EKU=3", "EKU=21", "keine kurve mit der nummer 21", Zeile},
        {"EKU=3", "EKU=3 APA=0", "kurvennummer", Zeile},
        {"EKU=3", "EKU=3 BMP=1", "ausgabefenster", Zeile},
        {"EKU=3", "EKU=3 ANEURON=1 ANEURON=2", "nur ein neuron zum auswerten", Zeile},
        {"EKU=3", "EKU=3 BED=3", "Bewertungsneuron (BNE)", Zeile},
        {"EKU=3", "EKU=3 BNE=1 BED=16", "Unsinniger Wert", Zeile},
        {"ERG=W", "ERG=S", "SCREEN_WERTE", Zeile},
        {"amplitude", "", "eindeutige bezeichnung", Zeile},
        {"BIN=", "BIN= AKLASSENZEITEN=0,1 0,2", "muss 0.0 sein: 0.100000", Zeile},
        {"DEZ=44", "DEZ=44 ASOLLWERTE=;", "keine zahlen in der liste der sollwerte", Zeile},
        {"DEZ=44", "DEZ=44 AKLASSENZEITEN=0 1\nASOLLWERTE=1", "bei ASOLLWERTE unterscheidet sich", Zeile, 1},
        {"DEZ=44", "DEZ=44 ASOLLWERTE=1\nAKLASSENZEITEN=0 1", "bei AKLASSENZEITEN unterscheidet sich", Stopp},
        {"DEZ=44", "DEZ=45", "Dezimalzeichen: \"45\"", Stopp},
        {"DEZ=44", "ZEI=2", "Zeitangaben: \"2\"", Stopp},
        {"DEZ=44", "NAC=20", "Werte: \"20\"", Stopp},
        {"DEZ=44", "STR=0,5", "Stromwerte: \"0.5\"", Stopp},
        {"SDAUER=0,2", "SDAUER=0,3", "simulationsdauer ist im skript (0.3 s) anders als in der gui (0.2 s)", Stopp},
        {"SDAUER=0,2", "", "SDAUER fehlt", Stopp},
        {"SAUFLOESUNG=0,0001", "SAUFLOESUNG=0,001", "simulationsschrittes ist im skript (0.001 s) anders als in der gui (0.0001 s)", Stopp},
        {"SELSYNDELAY=OHNE", "SELSYNDELAY=MIT", "elektrische synapsen werden im skript anders", Stopp},
        {"DEZ=44", "DEZ=44 SBSTART=5 SBENDE=3", "Fehler bei SBSTART bzw. SBENDE", Stopp},
        {"DEZ=44", "DEZ=44 AUSWERTUNG=MIT", "(ANEURON) fehlt", Stopp},
    };
    for (const auto& f : faelle) {
        std::string t = text();
        const std::string alt = text(f.alt), neu = text(f.neu);
        const size_t i = t.find(alt);
        ASSERT_NE(i, std::string::npos) << f.alt;
        t.replace(i, alt.size(), neu);
        pt::zuruecksetzen();
        pt::boxAntworten({1, 1, 1});
        statusTexte = {};
        EXPECT_EQ(laden(t), 0) << f.text;
        ASSERT_FALSE(pt::boxLog().empty()) << f.text;
        EXPECT_NE(pt::boxLog()[0].text.find(f.text), std::string::npos) << pt::boxLog()[0].text;
        EXPECT_EQ(pt::boxLog().back().text.find("fehler in der skript-datei") == 0, f.art != Stopp) << f.text;
        if (f.art == Stopp)
            EXPECT_NE(pt::boxLog().back().text.find("s wurde nichts geladen."), std::string::npos) << f.text;
        const int zeile = 1 + f.versatz + static_cast<int>(std::count(t.begin(), t.begin() + static_cast<long>(i), '\n'));
        EXPECT_EQ(statusTexte[3], f.art == Zeile ? "\tfehler in zeile " + std::to_string(zeile) : "") << f.text;
        EXPECT_TRUE(skript.anweisungen.empty() && skript.liste.empty()) << f.text;
        EXPECT_FALSE(skriptStatus & skriptBit::Geladen) << f.text;
    }
}

// the list of simulation numbers: every number found counts, a number below 1 refuses the script
TEST_F(SkriptFall, SimulationslisteNimmtJedeNummer)
{
    struct { const char* liste; int geladen; size_t anzahl; } faelle[] = {
        {"1 2 3 4 5 6 7\n8\n9\n", 1, 9},
        {"5\n7\n9", 0, 0},
        {"5\n0\n9\n", 0, 0},
        {"5\n-3\n9\n", 0, 0},
    };
    for (const auto& f : faelle) {
        pt::zuruecksetzen();
        pt::boxAntworten({1, 1});
        listeSchreiben(f.liste);
        skriptFreigeben(skript);   // a refused file keeps the script loaded before
        EXPECT_EQ(laden(text()), f.geladen) << f.liste;
        EXPECT_EQ(skript.liste.size(), f.anzahl) << f.liste;
    }
}

// the simulations of a script by running its loops turn by turn
int durchlaufen(const std::vector<SkriptAnweisung>& a, size_t von, size_t bis)
{
    int n = 0;
    for (size_t i = von; i < bis; ++i) {
        if (a[i].code == anweisungscode("SIM"))
            ++n;
        if (a[i].code != anweisungscode("SCHLEIFE"))
            continue;
        const size_t ende = static_cast<size_t>(a[i].ziel);
        bool innen = false;
        for (size_t j = i + 1; j < ende; ++j)
            innen = innen || a[j].code == anweisungscode("SCHLEIFE");
        for (int k = 0; k < a[i].ganzzahl; ++k)
            n += durchlaufen(a, i + 1, ende) + (innen ? 0 : 1);
        i = ende;
    }
    return n;
}

// damaged scripts load with paired loops and a true count, or are refused with a message
TEST_F(SkriptFall, BeschaedigteSkripteLadenOderWerdenAbgelehnt)
{
    pt::fehlerBehandlungSetzen([](const std::string&) {});
    uint32_t zustand = 12345;
    const auto zufall = [&](uint32_t n) { zustand = zustand * 214013 + 2531011; return ((zustand >> 16) & 0x7FFF) % n; };
    const char* einfuegen[] = {"99999999999", "=", "\"", "\n", "SCHLEIFE1=2 ", "WIEDERHOLEN1=", "-1e308"};
    for (int v = 0; v < 300; ++v) {
        std::string t = text();
        for (int k = 1 + static_cast<int>(zufall(3)); k > 0; --k) {
            const size_t p = zufall(static_cast<uint32_t>(t.size()));
            switch (zufall(6)) {
            case 0: t.resize(p); break;
            case 1: t[p] = static_cast<char>(zufall(256)); break;
            case 2: t.erase(p, t.find('\n', p) - p); break;
            case 3: t.insert(t.find('\n', p) + 1, t.substr(p, t.find('\n', p) - p + 1)); break;
            case 4: if (t[p] == '=' || t[p] == '"') t.erase(p, 1); break;
            default: t.insert(p, einfuegen[zufall(7)]);
            }
            if (t.empty())
                break;
        }
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        skriptMeldungenAnzeigen = 0;
        skriptFreigeben(skript);   // as the callers of a reload do: a file that is no script keeps what was loaded
        if (laden(t) == 0) {
            EXPECT_FALSE(pt::boxLog().empty()) << t;
            EXPECT_TRUE(skript.anweisungen.empty()) << t;
            continue;
        }
        const auto& a = skript.anweisungen;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].code == anweisungscode("SCHLEIFE")) {
                ASSERT_GT(static_cast<size_t>(a[i].ziel), i) << t;
                ASSERT_LT(static_cast<size_t>(a[i].ziel), a.size()) << t;
                EXPECT_EQ(a[static_cast<size_t>(a[i].ziel)].ziel, static_cast<int>(i)) << t;
            }
        if (skript.gesamtSimulationen <= 100000) {
            EXPECT_EQ(skript.gesamtSimulationen, std::max(1, durchlaufen(a, 0, a.size()))) << t;
        }
    }
}

} // namespace
