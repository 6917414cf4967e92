// tests/files/test_netzdatei_mutation.cpp - the network reader against damaged texts: cut
// off, bytes changed, numbers out of every range, markers gone, other line ends and
// encodings. Whatever it gets, it never crashes, and what it leaves is a sound network or
// an empty one.
#include "netzdatei_hilfe.h"
#include "platform/zeichensatz.h"
#include <cstdint>

using namespace plattform::test;

namespace {

// a small fixed generator: the same damage on every run
struct Zufall {
    uint32_t zustand;
    uint32_t naechste()
    {
        zustand = zustand * 1664525u + 1013904223u;
        return zustand >> 8;
    }
    size_t bis(size_t n) { return n ? naechste() % n : 0; }
};

struct Mutation : NetzdateiFall {
    int geladen = 0, verweigert = 0, runde = 0;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        fehlerBehandlungSetzen([](const std::string&) {});   // unanswered boxes are part of the game
    }

    // a network with every section the reader knows, as text
    std::string grundtext()
    {
        NeuronDaten* a = neu(2);
        NeuronDaten* b = neu(5);
        neu(11);
        verbinde(a, b);
        a->name = "A";
        hauptfensterGeometrie = {1, 2, 300, 400, 0, 0};
        seiteNetzfenster.kopfText = "kopf";
        fensterliste[0] = {2, 0, 1, 2, 3, 4};
        fensterliste[1] = {5, 1, 5, 6, 7, 8};
        serverDaten.eingangsNeuron = 2;
        serverDaten.angezeigtesNeuron = 5;
        protokoll.gesicherterText = "eine Zeile\n[NEURON 2]\nanzahl neurone=7";
        protokoll.sichtbar = 0;
        std::string text = imSpeicher();
        // the old currents and a group whose synapses are not there
        const std::string zusatz = "[Synapsengruppen] ***\nanzahl von synapsengruppen=1\nanzahl von synapsen in gruppe 1=2\n"
                                   "bezeichnung von gruppe 1=g\nsynapse 1 in 1=1\nsynapse 2 in 1=2\n[ende Synapsengruppen] ***\n";
        const size_t gruppen = text.find("[Synapsengruppen]");
        const size_t gruppenEnde = text.find('\n', text.find("[ende Synapsengruppen]")) + 1;
        text.replace(gruppen, gruppenEnde - gruppen, zusatz);
        const size_t strom = text.find("Current 2 somaCurrent=0");
        if (strom != std::string::npos)
            text.replace(strom, 23, "Current 2 somaCurrent=1e-9");
        netzLoeschen();
        einstellungenVoreinstellen();
        return text;
    }

    // one load of a damaged text, and what must hold after it
    void pruefen(const std::string& text, const std::string& was)
    {
        zuruecksetzen();
        fehlerBehandlungSetzen([](const std::string&) {});
        attrappe::rahmenZuruecksetzen();
        simulationsparameterVoreinstellen();
        einstellungenVoreinstellen();
        modusStatus = 0;
        programmStatus = 0;
        // every question answered Yes in one round, No in the next (a notice takes either as OK)
        const int antwort = runde++ % 2 ? plattform::antwort::Nein : plattform::antwort::Ja;
        for (int i = 0; i < 16; ++i)
            boxAntworten({antwort});
        const int ergebnis = laden(text);
        ASSERT_TRUE(ergebnis == 0 || ergebnis == 1) << was;
        (ergebnis == 1 ? geladen : verweigert)++;
        if (ergebnis == 0 && !attrappe::dienste.endet) {
            EXPECT_EQ(neuronKette.kopf, nullptr) << was;
        }
        EXPECT_EQ(neuronKette.anzahl, neuronZahl()) << was;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            ASSERT_TRUE(neuronNummerGueltig(n->nummer)) << was;
            EXPECT_EQ(neuronNachNummer(n->nummer), n) << was;
            EXPECT_EQ(kompartimentAnzahl(*n), n->segmentAnzahl + 1) << was;
        }
        for (const FensterlistenEintrag& e : fensterliste)
            EXPECT_TRUE(e.neuronId == 0 || neuronNummerGueltig(e.neuronId)) << was;
        EXPECT_FALSE(editierStatus & editierBit::DateiWirdGelesen) << was;
        for (int g = 1; g < synapsengruppenAnzahl; ++g)
            for (int id : synapsengruppen[static_cast<size_t>(g)].mitglieder)
                EXPECT_NE(synapseNachId(id), nullptr) << was;
    }
};

const char* const grosseZahlen[] = {"1e999", "nan", "-inf", "-1e308", "99999999999", "-2147483649",
                                    "4294967296", "1e-320", "", "-0", "2147483647", "0x10"};

} // namespace

TEST_F(Mutation, BeschaedigteTexteStuerzenNieAbUndHinterlassenEinGanzesOderLeeresNetz)
{
    const std::string grund = grundtext();
    pruefen(grund, "unchanged, Yes");
    pruefen(grund, "unchanged, No");
    ASSERT_EQ(geladen, 1);
    ASSERT_EQ(verweigert, 1);
    Zufall z{20240305};

    // cut off anywhere
    for (int i = 0; i < 60; ++i) {
        const size_t stelle = i < 30 ? grund.size() * static_cast<size_t>(i) / 30 : z.bis(grund.size());
        pruefen(grund.substr(0, stelle), "cut at " + std::to_string(stelle));
    }
    // bytes changed, one to four at a time
    const char besondere[] = {'\0', '\n', '\r', '=', '[', ']', '-', '9', ',', '.', ' ', '\xE4', '\xFF'};
    for (int i = 0; i < 120; ++i) {
        std::string t = grund;
        const size_t anzahl = 1 + z.bis(4);
        for (size_t k = 0; k < anzahl; ++k) {
            const size_t stelle = z.bis(t.size());
            t[stelle] = z.bis(2) ? besondere[z.bis(sizeof besondere)] : static_cast<char>(t[stelle] ^ (1 << z.bis(8)));
        }
        pruefen(t, "bytes changed, round " + std::to_string(i));
    }
    // numbers out of every range
    std::vector<size_t> zahlen;
    for (size_t i = 1; i < grund.size(); ++i)
        if (grund[i - 1] == '=' && (std::isdigit(static_cast<unsigned char>(grund[i])) || grund[i] == '-'))
            zahlen.push_back(i);
    ASSERT_GT(zahlen.size(), 100u);
    for (int i = 0; i < 150; ++i) {
        std::string t = grund;
        const size_t anfang = zahlen[z.bis(zahlen.size())];
        size_t ende = anfang;
        while (ende < t.size() && t[ende] != '\n' && t[ende] != ' ')
            ++ende;
        const char* neu = grosseZahlen[z.bis(std::size(grosseZahlen))];
        t.replace(anfang, ende - anfang, neu);
        pruefen(t, "number at " + std::to_string(anfang) + " is " + neu);
    }
    // every marker line gone, one at a time
    for (size_t stelle = grund.find("\n["); stelle != std::string::npos; stelle = grund.find("\n[", stelle + 1)) {
        std::string t = grund;
        const size_t ende = t.find('\n', stelle + 1);
        t.erase(stelle + 1, ende == std::string::npos ? std::string::npos : ende - stelle);
        pruefen(t, "marker gone at " + std::to_string(stelle));
    }
    // other line ends and the encoding of other editors
    std::string crlf, cr;
    for (char c : grund) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    pruefen(crlf, "CR LF");
    pruefen(cr, "CR alone");
    const std::string utf8 = plattform::nachUtf8(grund);
    pruefen(utf8, "UTF-8");
    for (int i = 0; i < 20; ++i)
        pruefen(utf8.substr(0, z.bis(utf8.size())), "UTF-8 cut");
    EXPECT_GT(geladen, 50);
    EXPECT_GT(verweigert, 20);
}
