// tests/files/test_synapsenabschnitt.cpp - the ordinary and axo-axonic synapse sections:
// round trip, what the format loses, older files, the definition export and bad input
#include "test_synapsenabschnitt_hilfe.h"
#include <cstdio>
#include <map>

namespace {

using SynapsenAbschnitt = SynapsenAbschnittFall;

// every dynamics block filled with values of at most 15 digits ("%.15g" keeps them) and
// the two spreading values with at most six decimals ("%f")
void dynamikFuellen(SynapseDaten& s, double basis)
{
    TransmitterDynamik& t = s.transmitter;
    t.an = 1;
    t.e = basis + 0.01;
    t.g = basis + 0.02;
    t.potenz = 3;
    t.initialwert = 0.125;
    t.formAlpha = 2;
    t.rateAlpha = 1234.5;
    t.v0Alpha = -0.035;
    t.schrittweiteAlpha = 0.0072;
    t.formBeta = 1;
    t.rateBeta = 88.25;
    t.v0Beta = -0.061;
    t.schrittweiteBeta = -0.009;
    t.faktor = 0.75;
    t.abBerechnung = 2;
    s.verzoegerungsfaktorAn = 1;
    s.freisetzungszeit = 0.000512;
    s.gewichtungsfaktor = 1.5;
    Bahnung& b = s.bahnung;
    b.an = 1;
    b.art = 2;
    b.tau = {0.011, 0.012, 0.013, 0.014};
    b.a = {1.1, 1.2, 1.3, 1.4};
    b.b = {-0.1, -0.2, -0.3, -0.4};
    b.maximalwertAn = 1;
    b.maximalwert = 2.5;
    b.tauAb = 0.033;
    PspForm& p = s.psp;
    p.an = 1;
    p.art = 2;
    p.dauerPolynom = 0.05;
    p.dauerExp = 0.06;
    p.expAAnstieg = 0.7;
    p.expTauAnstieg = 0.002;
    p.expAAbfall = 0.8;
    p.expTauAbfall = 0.02;
    p.polynom = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7};
    p.polynomAbfall = {1.01, 1.02, 1.03, 1.04};
    p.anfangPolynom = 0.004;
    p.anfangExp = 0.3;
}

// what a record keeps of a synapse through the file
void gleichGespeichert(const SynapseDaten& a, const SynapseDaten& b)
{
    SCOPED_TRACE(a.id);
    EXPECT_EQ(a.quellNummer, b.quellNummer);
    EXPECT_EQ(a.zielNummer, b.zielNummer);
    EXPECT_EQ(a.zielBereich, b.zielBereich);
    EXPECT_EQ(a.elektrischerTyp, b.elektrischerTyp);
    EXPECT_EQ(a.verzoegerung, b.verzoegerung);
    EXPECT_EQ(a.synapsenTyp, b.synapsenTyp);
    EXPECT_EQ(a.initialLeitfaehigkeit, b.initialLeitfaehigkeit);
    EXPECT_EQ(a.leitfaehigkeit, b.leitfaehigkeit);
    EXPECT_EQ(a.ausgeschalteteLeitfaehigkeit, b.ausgeschalteteLeitfaehigkeit);
    EXPECT_EQ(a.ausgeschaltet, b.ausgeschaltet);
    EXPECT_EQ(a.freisetzungsSchwelle, b.freisetzungsSchwelle);
    EXPECT_EQ(a.freisetzungsSaettigung, b.freisetzungsSaettigung);
    EXPECT_EQ(a.elternId, b.elternId);
    EXPECT_EQ(a.axoIndex >= 1, b.axoIndex >= 1);
    const TransmitterDynamik &t = a.transmitter, &u = b.transmitter;
    EXPECT_EQ(std::tie(t.an, t.e, t.g, t.potenz, t.initialwert, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittweiteAlpha),
              std::tie(u.an, u.e, u.g, u.potenz, u.initialwert, u.formAlpha, u.rateAlpha, u.v0Alpha, u.schrittweiteAlpha));
    EXPECT_EQ(std::tie(t.formBeta, t.rateBeta, t.v0Beta, t.schrittweiteBeta, t.faktor, t.abBerechnung),
              std::tie(u.formBeta, u.rateBeta, u.v0Beta, u.schrittweiteBeta, u.faktor, u.abBerechnung));
    if (a.axoIndex >= 1)
        return;   // the format keeps nothing more of an axo-axonic synapse
    EXPECT_EQ(a.verzoegerungsfaktorAn, b.verzoegerungsfaktorAn);
    EXPECT_EQ(a.freisetzungszeit, b.freisetzungszeit);
    EXPECT_EQ(a.gewichtungsfaktor, b.gewichtungsfaktor);
    const Bahnung &c = a.bahnung, &d = b.bahnung;
    EXPECT_EQ(std::tie(c.an, c.art, c.tau, c.a, c.b, c.maximalwertAn, c.maximalwert, c.tauAb),
              std::tie(d.an, d.art, d.tau, d.a, d.b, d.maximalwertAn, d.maximalwert, d.tauAb));
    const PspForm &p = a.psp, &q = b.psp;
    EXPECT_EQ(std::tie(p.an, p.art, p.dauerPolynom, p.dauerExp, p.expAAnstieg, p.expTauAnstieg, p.expAAbfall),
              std::tie(q.an, q.art, q.dauerPolynom, q.dauerExp, q.expAAnstieg, q.expTauAnstieg, q.expAAbfall));
    EXPECT_EQ(std::tie(p.expTauAbfall, p.polynom, p.polynomAbfall, p.anfangPolynom, p.anfangExp),
              std::tie(q.expTauAbfall, q.polynom, q.polynomAbfall, q.anfangPolynom, q.anfangExp));
}

std::map<int, SynapseDaten> abbild()
{
    std::map<int, SynapseDaten> m;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            SynapseDaten kopie = *s;
            kopie.psp.liste = nullptr;   // the copy owns nothing
            m.emplace(s->id, kopie);
        }
    return m;
}

// the text of one synapse, as an older or a hand-made file has it
std::string synapsenText(int id, const std::string& extra = "", int von = 1, int auf = 2)
{
    char z[400];
    std::snprintf(z, sizeof z,
                  "Synapse %d von=%d\nSynapse %d auf=%d\nSynapse %d targetArea=0\nSynapse %d deliveryTime=0.002\n"
                  "Synapse %d synapticType=1\nSynapse %d initialConductance=2e-07\n"
                  "Synapse %d transmitterReleaseThreshold=-0.04\nSynapse %d transmitterSatiate=0.02\n",
                  id, von, id, auf, id, id, id, id, id, id);
    return z + extra;
}

// the lines of the two sections that begin with anfang
int zeilenMit(const std::string& ganz, const std::string& anfang)
{
    const std::string text = ganz.substr(0, ganz.find("[ende axo-axonische Synapsen]"));
    int n = 0;
    for (size_t a = 0; a < text.size(); a = text.find('\n', a) + 1) {
        n += text.compare(a, anfang.size(), anfang) == 0;
        if (text.find('\n', a) == std::string::npos)
            break;
    }
    return n;
}

} // namespace

TEST_F(SynapsenAbschnitt, JedeArtUndJederDynamikblockKommenFeldGenauZurueck)
{
    SynapseDaten* chemisch = verbinde(n1, n2, 0, 1e-7, 0.0015, 0);
    SynapseDaten* elektrisch = verbinde(n2, n3, 3, 3.5e-9, 0.001, 2);
    SynapseDaten* inhibitorisch = verbinde(n3, n1, 1, 2e-8, 0.004, 1);
    SynapseDaten* aufSich = verbinde(n1, n1, 2, 4e-8, 0.0025, 3);
    SynapseDaten* axo = verbinde(n3, nullptr, 0, 0.6, 0.0007, kontaktort::Axo, chemisch);
    ASSERT_TRUE(chemisch && elektrisch && inhibitorisch && aufSich && axo);
    dynamikFuellen(*chemisch, 0.0);
    chemisch->psp.art = pspArt::Polynom;
    chemisch->bahnung.art = bahnungsArt::Fazilitation;
    dynamikFuellen(*elektrisch, 1.0);
    elektrisch->elektrischerTyp = 2;
    elektrisch->ausgeschaltet = 1;
    elektrisch->ausgeschalteteLeitfaehigkeit = 3.5e-9;
    elektrisch->leitfaehigkeit = 0.0;
    dynamikFuellen(*axo, 2.0);
    aufSich->freisetzungsSchwelle = -0.045;
    aufSich->freisetzungsSaettigung = 0.015;
    const auto vorher = abbild();
    const int elternId = chemisch->id, axoId = axo->id;

    SynapsenIdListen ids;
    const std::string geschrieben = schreiben(ids);
    // 67 lines a synapse with its transmitter block, 27 an axo-axonic one
    EXPECT_EQ(zeilenMit(geschrieben, "Synapse " + std::to_string(elternId) + " "), 67);
    EXPECT_EQ(zeilenMit(geschrieben, "Axo-Synapse " + std::to_string(axoId) + " "), 27);
    std::vector<char> text = beschreibbar(geschrieben);
    ASSERT_EQ(ids.synapsen.size(), 4u);
    ASSERT_EQ(ids.axoSynapsen, std::vector<int>{axoId});
    leeresNetz();
    ASSERT_TRUE(synapsenLaden(text.data(), ids));

    const auto nachher = abbild();
    ASSERT_EQ(nachher.size(), vorher.size());
    for (const auto& [id, s] : vorher) {
        ASSERT_TRUE(nachher.count(id));
        gleichGespeichert(s, nachher.at(id));
        ASSERT_NE(synapseNachId(id), nullptr);
        EXPECT_EQ(synapseNachId(id)->id, id);
    }
    // made through the life cycle: pools, parent link and counters as the editor leaves them
    SynapseDaten* eltern = synapseNachId(elternId);
    SynapseDaten* neuAxo = synapseNachId(axoId);
    EXPECT_EQ(neuAxo->elternSynapse, eltern);
    EXPECT_EQ(eltern->axoKnoten->synapse, neuAxo);
    EXPECT_EQ(eltern->axoAnzahl, 1);
    EXPECT_EQ(neuAxo->pool, nullptr);
    EXPECT_EQ(eltern->pool->typ, 0);
    EXPECT_EQ(synapsenZaehler, 5);
    EXPECT_EQ(axoZaehler, 1);
    EXPECT_EQ(hoechsteSynapsenId, 5);
    EXPECT_EQ(poolAnzahl(n2), 1);
    EXPECT_EQ(poolAnzahl(n1), 2);
    EXPECT_EQ(statusTexte[0], "\tlade Synapse 4");
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(SynapsenAbschnitt, WasDasFormatVerliert)
{
    // the transmitter block needs "form alpha" above 0; release times are kept to 1e-6 s;
    // a switched-off axo-axonic synapse keeps no conductance
    SynapseDaten* ohneForm = verbinde(n1, n2);
    SynapseDaten* negativeForm = verbinde(n1, n2);
    SynapseDaten* axo = verbinde(n3, nullptr, 0, 0.6, 0.001, kontaktort::Axo, ohneForm);
    dynamikFuellen(*ohneForm, 0.0);
    ohneForm->transmitter.formAlpha = 0.0;
    ohneForm->freisetzungszeit = 4e-7;
    dynamikFuellen(*negativeForm, 0.0);
    negativeForm->transmitter.formAlpha = -1.0;
    negativeForm->freisetzungszeit = 1.2345e-5;
    axo->ausgeschaltet = 1;
    axo->ausgeschalteteLeitfaehigkeit = 0.6;

    SynapsenIdListen ids;
    const std::string geschrieben = schreiben(ids);
    EXPECT_EQ(geschrieben.find("transmitter dynamik an="), std::string::npos);
    EXPECT_EQ(zeilenMit(geschrieben, "Synapse 1 "), 52);
    EXPECT_NE(geschrieben.find("Axo-Synapse 3 initialInhibitionFactor=0.6\nAxo-Synapse 3 ausgeschaltete leitfaehigkeit=0.6\n"
                               "Axo-Synapse 3 ausgeschaltet=1\n[ende"),
              std::string::npos);
    EXPECT_NE(geschrieben.find("Synapse 1 transmitter freisetzungszeit=0.000000\n"), std::string::npos);
    std::vector<char> text = beschreibbar(geschrieben);
    leeresNetz();
    ASSERT_TRUE(synapsenLaden(text.data(), ids));

    for (int id : {1, 2}) {
        const TransmitterDynamik& t = synapseNachId(id)->transmitter;
        EXPECT_EQ(std::tie(t.an, t.e, t.potenz, t.formAlpha, t.faktor, t.abBerechnung),
                  std::make_tuple(0, 0.0, 0.0, 0.0, 0.0, 0));
        EXPECT_EQ(synapseNachId(id)->bahnung.a[3], 1.4);   // the rest of the dynamics came back
    }
    EXPECT_EQ(synapseNachId(1)->freisetzungszeit, 0.0);
    EXPECT_EQ(synapseNachId(2)->freisetzungszeit, 1.2e-5);
    const SynapseDaten* a = synapseNachId(3);
    EXPECT_EQ(std::tie(a->initialLeitfaehigkeit, a->leitfaehigkeit, a->ausgeschalteteLeitfaehigkeit, a->ausgeschaltet),
              std::make_tuple(0.0, 0.0, 0.6, 1));
}

TEST_F(SynapsenAbschnitt, AeltereDateiRechnetDieFreisetzungszeitAusSchritten)
{
    // no "transmitter freisetzungszeit": factor 3 and weighting 2 steps of 0.1 ms
    std::vector<char> text = beschreibbar(synapsenText(
        1, "Synapse 1 transmitter verzoegerungsfaktor=3\nSynapse 1 transmitter verzoegerungswichtung=2\n"
           "Synapse 1 transmitter gewichtungsfaktor=0,5\nSynapse 1 xlPSP art=1\n"));
    ASSERT_TRUE(synapsenLaden(text.data(), {{1}, {}}));
    const SynapseDaten* s = synapseNachId(1);
    ASSERT_NE(s, nullptr);
    EXPECT_DOUBLE_EQ(s->freisetzungszeit, 0.0005);
    EXPECT_EQ(s->gewichtungsfaktor, 0.5);   // a decimal comma reads as well
    EXPECT_EQ(s->psp.art, 1);
    // the three lines a file may lack default to 0
    EXPECT_EQ(std::tie(s->elektrischerTyp, s->ausgeschaltet, s->ausgeschalteteLeitfaehigkeit),
              std::make_tuple(0, 0, 0.0));
    EXPECT_EQ(s->leitfaehigkeit, 2e-7);
}

TEST_F(SynapsenAbschnitt, FehlendeNeuroneUndElternLassenNurIhreSynapsenAus)
{
    // synapse 2 names neuron 9, axo 4 a parent that is gone, axo 5 a parent that exists;
    // synapse 6 stands in the section but not in the lists
    std::string t = synapsenText(1) + synapsenText(2, "", 9, 2) + synapsenText(6);
    for (const auto& [id, eltern] : {std::pair{4, 2}, std::pair{5, 1}}) {
        char z[600];
        std::snprintf(z, sizeof z,
                      "Axo-Synapse %d auf SynapseID=%d\nAxo-Synapse %d von NeuronID=3\n"
                      "Axo-Synapse %d parent NeuronID von target Synapse=1\n"
                      "Axo-Synapse %d target NeuronID von target Synapse=2\nAxo-Synapse %d targetArea=0\n"
                      "Axo-Synapse %d deliveryTime=0.001\nAxo-Synapse %d synapticType=0\n"
                      "Axo-Synapse %d transmitterReleaseThreshold=-0.05\nAxo-Synapse %d transmitterSatiate=0.01\n"
                      "Axo-Synapse %d initialInhibitionFactor=0.4\n",
                      id, eltern, id, id, id, id, id, id, id, id, id);
        t += z;
    }
    std::vector<char> text = beschreibbar(t + "[ende axo-axonische Synapsen]\n");
    ASSERT_TRUE(synapsenLaden(text.data(), {{1, 2}, {4, 5}}));
    EXPECT_NE(synapseNachId(1), nullptr);
    EXPECT_EQ(synapseNachId(2), nullptr);
    EXPECT_EQ(synapseNachId(4), nullptr);
    ASSERT_NE(synapseNachId(5), nullptr);
    EXPECT_EQ(synapseNachId(5)->elternSynapse, synapseNachId(1));
    EXPECT_EQ(synapseNachId(5)->initialLeitfaehigkeit, 0.4);
    EXPECT_EQ(synapseNachId(6), nullptr);
    EXPECT_EQ(synapsenZaehler, 2);
    EXPECT_EQ(axoZaehler, 1);
    EXPECT_EQ(hoechsteSynapsenId, 5);
    EXPECT_TRUE(pt::boxLog().empty());   // silently
}

TEST_F(SynapsenAbschnitt, DefinitionsexportNummeriertNachMarkierungUndMerktSichWasErSchrieb)
{
    // marked in the order 3, 1; neuron 2 stays unmarked
    SynapseDaten* zuUnmarkiert = verbinde(n1, n2, 0);
    SynapseDaten* von1Nach3 = verbinde(n1, n3, 2);
    SynapseDaten* von3Nach1 = verbinde(n3, n1, 2);
    SynapseDaten* axo = verbinde(n2, nullptr, 1, 0.5, 0.001, kontaktort::Axo, von3Nach1);
    ASSERT_TRUE(zuUnmarkiert && von1Nach3 && von3Nach1 && axo);
    neuronMarkieren(n3, 1);
    neuronMarkieren(n1, 1);
    definitionsExport.synapsen.push_back({});   // left over from an earlier export

    XBuffer puffer;
    std::FILE* datei = std::tmpfile();
    ASSERT_NE(datei, nullptr);
    for (NeuronDaten* n : markierteNeurone.liste)
        guiSynapsenSpeichern(n, datei, 3, puffer, 1);
    EXPECT_EQ(puffer.laenge(), 0u);   // everything went to the file
    std::string inhalt(static_cast<size_t>(std::ftell(datei)), '\0');
    std::rewind(datei);
    ASSERT_EQ(std::fread(inhalt.data(), 1, inhalt.size(), datei), inhalt.size());
    std::fclose(datei);

    EXPECT_EQ(inhalt.rfind("zu Neuron 1 Synapse 1 von=1\nSynapse 1 auf=2\n", 0), 0u);
    EXPECT_NE(inhalt.find("zu Neuron 2 Synapse 2 von=2\nSynapse 2 auf=1\n"), std::string::npos);
    EXPECT_EQ(inhalt.find("Synapse 3 "), std::string::npos);   // not to an unmarked neuron
    EXPECT_EQ(inhalt.find("Axo-Synapse"), std::string::npos);
    ASSERT_EQ(definitionsExport.synapsen.size(), 2u);
    EXPECT_EQ(definitionsExport.synapsen[0].synapse, von3Nach1);
    EXPECT_EQ(std::tie(definitionsExport.synapsen[0].quellNummer, definitionsExport.synapsen[0].zielNummer),
              std::make_tuple(1, 2));
    EXPECT_EQ(definitionsExport.synapsen[1].synapse, von1Nach3);
    EXPECT_EQ(definitionsExport.benutzteTypen, std::vector<int>{2});

    // modes other than 2 and 3 write nothing
    guiSynapsenSpeichern(n1, nullptr, 1, puffer, 0);
    EXPECT_EQ(puffer.laenge(), 0u);
    EXPECT_EQ(textZeiger, &puffer);
}

TEST_F(SynapsenAbschnitt, UngueltigeOderDoppelteSynapsennummerVerweigertDieDateiOhneEtwasAnzulegen)
{
    SynapseDaten* vorhanden = verbinde(n2, n3);
    ASSERT_EQ(vorhanden->id, 1);
    const std::string t = synapsenText(2) + synapsenText(4095) + synapsenText(1);
    const struct {
        SynapsenIdListen ids;
        int gemeldet;
    } faelle[] = {
        {{{2, 0}, {}}, 0},
        {{{2, 4096}, {}}, 4096},
        {{{2, -3}, {}}, -3},
        {{{2, 4095, 2}, {}}, 2},
        {{{2}, {2}}, 2},        // unique across both kinds
        {{{2, 1}, {}}, 1},      // taken in the network
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.gemeldet);
        pt::zuruecksetzen();
        pt::boxAntworten({1});
        std::vector<char> text = beschreibbar(t);
        EXPECT_FALSE(synapsenLaden(text.data(), f.ids));
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
        EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(971, f.gemeldet));
        EXPECT_EQ(synapseNachId(2), nullptr);
        EXPECT_EQ(synapsenVon(n1), 0);
    }
    std::vector<char> text = beschreibbar(t);
    EXPECT_TRUE(synapsenLaden(text.data(), {{2, 4095}, {}}));
    EXPECT_NE(synapseNachId(4095), nullptr);
    EXPECT_EQ(synapseNachId(1), vorhanden);
}

TEST_F(SynapsenAbschnitt, SynapseMitUngueltigemTypBereichOderFehlendemPflichtwertFaelltMitHinweisWeg)
{
    const struct {
        const char* ersetzt;
        const char* durch;
    } faelle[] = {
        {"synapticType=1", "synapticType=4"},        // four types: 0..3
        {"synapticType=1", "synapticType=-1"},
        {"targetArea=0", "targetArea=7"},            // beyond the largest dendrite
        {"targetArea=0", "targetArea=-1"},           // only axo-axonic synapses have no area
        {"deliveryTime=0.002", "deliveryTime=nan"},  // not finite: missing
        {"initialConductance=2e-07", "initialConductance=1e999"},
        {"Synapse 7 von=1\n", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.durch);
        leeresNetz();
        std::string t = synapsenText(7);
        t.replace(t.find(f.ersetzt), std::string(f.ersetzt).size(), f.durch);
        std::vector<char> text = beschreibbar(synapsenText(6) + t + synapsenText(8));
        pt::boxAntworten({1});
        EXPECT_TRUE(synapsenLaden(text.data(), {{6, 7, 8}, {}}));
        EXPECT_EQ(synapseNachId(7), nullptr);
        EXPECT_NE(synapseNachId(6), nullptr);
        EXPECT_NE(synapseNachId(8), nullptr);
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].text.rfind("1 Synapsen", 0), 0u);
    }
}

TEST_F(SynapsenAbschnitt, NichtEndlicheZahlBehaeltDasFeld)
{
    std::vector<char> text = beschreibbar(synapsenText(
        3, "Synapse 3 ausgeschaltet=inf\nSynapse 3 bahnung Tau[ANFAZ]=nan\nSynapse 3 bahnung Tau[ABFAZ]=0.5\n"
           "Synapse 3 xlPSP polyn. a2=-1e400\nSynapse 3 xlPSP polyn. a3=2\nSynapse 3 elektrischer synapsentyp=3e10\n"));
    ASSERT_TRUE(synapsenLaden(text.data(), {{3}, {}}));
    const SynapseDaten* s = synapseNachId(3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ausgeschaltet, 0);
    EXPECT_EQ(s->leitfaehigkeit, 2e-7);
    EXPECT_EQ(s->elektrischerTyp, 0);
    EXPECT_EQ(s->bahnung.tau[0], 0.0);
    EXPECT_EQ(s->bahnung.tau[1], 0.5);
    EXPECT_EQ(s->psp.polynom[2], 0.0);
    EXPECT_EQ(s->psp.polynom[3], 2.0);
}
