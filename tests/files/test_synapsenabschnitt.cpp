// tests/files/test_synapsenabschnitt.cpp - the synapse sections and the synapse-type table:
// what the readers make of texts that are not as the writer left them
#include "netzdatei_hilfe.h"

namespace {

using Synapsenabschnitt = NetzdateiFall;

// axo-axonic synapse id from neuron 3 on parent synapse eltern of neuron 1 to neuron 2
std::string axoZeilen(int id, int eltern)
{
    const std::string p = "Axo-Synapse " + std::to_string(id) + " ";
    return p + "auf SynapseID=" + std::to_string(eltern) + "\n" + p + "von NeuronID=3\n" + p +
           "parent NeuronID von target Synapse=1\n" + p + "target NeuronID von target Synapse=2\n" + p +
           "deliveryTime=0.001\n" + p + "synapticType=0\n" + p + "transmitterReleaseThreshold=-0.05\n" + p +
           "transmitterSatiate=0.01\n" + p + "initialInhibitionFactor=0.4\n";
}

std::string typZeilen(int k, int ion, const std::string& potential, const std::string& name)
{
    const std::string p = "Synapsentyp " + std::to_string(k) + " ";
    return p + "Ion=" + std::to_string(ion) + "\n" + p + "Gleichgewichtspotential=" + potential + "\n" + p +
           "Bezeichnung=" + name + "\n";
}

} // namespace

TEST_F(Synapsenabschnitt, LeserLaesstAusVerweigertOderNimmtVorgaben)
{
    struct Fall {
        std::string was, text;
        SynapsenIdListen ids;
        bool gut;
        std::string meldung;        // "" none
        std::vector<int> gelesen;   // the ids in the network after the read
        std::function<void()> pruefen = {};
    };
    // synapse 7 broken between two sound ones: it alone is left out, with one notice for all
    const auto kaputt = [](const std::string& alt, const std::string& neu) {
        std::string t = synapseZeilen(7);
        t.replace(t.find(alt), alt.size(), neu);
        return Fall{alt + " -> " + neu, synapseZeilen(6) + t + synapseZeilen(8), {{6, 7, 8}, {}}, true,
                    meldungFormatieren(972, 1), {1, 6, 8}};
    };
    // the lists are checked before anything is made; 1 is the network's own synapse
    const std::string drei = synapseZeilen(2) + synapseZeilen(4095) + synapseZeilen(3);
    const auto liste = [&](SynapsenIdListen ids, int gemeldet) {
        return Fall{"id " + std::to_string(gemeldet), drei, ids, false, meldungFormatieren(971, gemeldet),
                    {1}};
    };
    const Fall faelle[] = {
        {"an older file: the release time in steps",
         synapseZeilen(2, 1, 2, "Synapse 2 transmitter verzoegerungsfaktor=3\nSynapse 2 xlPSP art=1\n"
                                "Synapse 2 transmitter verzoegerungswichtung=2\n"
                                "Synapse 2 transmitter gewichtungsfaktor=0,5\n"),
         {{2}, {}}, true, "", {1, 2}, [] {
             const SynapseDaten* s = synapseNachId(2);
             EXPECT_DOUBLE_EQ(s->freisetzungszeit, 0.0005);   // 3 and 2 steps of 0.1 ms
             // the three lines a file may lack default to 0
             EXPECT_EQ(std::tie(s->gewichtungsfaktor, s->psp.art, s->elektrischerTyp, s->ausgeschaltet,
                                s->ausgeschalteteLeitfaehigkeit, s->leitfaehigkeit),
                       std::tuple(0.5, 1, 0, 0, 0.0, 2e-7));
         }},
        {"numbers that are not finite keep the field",
         synapseZeilen(3, 1, 2, "Synapse 3 ausgeschaltet=inf\nSynapse 3 bahnung Tau[ANFAZ]=nan\n"
                                "Synapse 3 bahnung Tau[ABFAZ]=0.5\nSynapse 3 xlPSP polyn. a2=-1e400\n"
                                "Synapse 3 xlPSP polyn. a3=2\nSynapse 3 elektrischer synapsentyp=3e10\n"),
         {{3}, {}}, true, "", {1, 3}, [] {
             const SynapseDaten* s = synapseNachId(3);
             EXPECT_EQ(std::tie(s->ausgeschaltet, s->leitfaehigkeit, s->elektrischerTyp, s->bahnung.tau,
                                s->psp.polynom[2], s->psp.polynom[3]),
                       std::tuple(0, 2e-7, 0, std::array{0.0, 0.5, 0.0, 0.0}, 0.0, 2.0));
         }},
        // silently: a synapse whose neurons are gone, an axo-axonic one whose parent is gone;
        // synapse 5 stands in the section but in no list
        {"missing neurons and parents", synapseZeilen(2) + synapseZeilen(4, 9, 2) + synapseZeilen(5) +
                                            axoZeilen(6, 4) + axoZeilen(7, 2),
         {{2, 4}, {6, 7}}, true, "", {1, 2, 7}, [] {
             EXPECT_EQ(std::tie(synapseNachId(7)->elternSynapse, synapseNachId(7)->initialLeitfaehigkeit),
                       std::tuple(synapseNachId(2), 0.4));
             EXPECT_EQ(std::tie(axoZaehler, hoechsteSynapsenId), std::tuple(1, 7));
         }},
        kaputt("synapticType=1", "synapticType=4"),         // four types: 0..3
        kaputt("synapticType=1", "synapticType=-1"),
        kaputt("targetArea=0", "targetArea=7"),             // beyond the largest dendrite
        kaputt("targetArea=0", "targetArea=-1"),            // only axo-axonic synapses have no area
        kaputt("deliveryTime=0.002", "deliveryTime=nan"),   // not finite: missing
        kaputt("Synapse 7 von=1\n", ""),
        liste({{2, 0}, {}}, 0), liste({{2, 4096}, {}}, 4096), liste({{2, -3}, {}}, -3),
        liste({{2, 4095, 2}, {}}, 2),
        liste({{2}, {2}}, 2),      // unique across both kinds
        liste({{2, 1}, {}}, 1),    // taken in the network
        {"ids up to 4095", drei, {{2, 4095}, {}}, true, "", {1, 2, 4095}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        leeren();
        for (int n : {1, 2, 3})
            neu(n);
        ASSERT_EQ(verbinde(neuronNachNummer(2), neuronNachNummer(3))->id, 1);
        if (!f.meldung.empty())
            pt::boxAntworten({plattform::antwort::Ok});
        // behind the section: never read
        std::vector<char> text = lesbar(f.text + "[ende axo-axonische Synapsen]\nSynapse 8 von=3\n");
        EXPECT_EQ(synapsenLaden(text.data(), f.ids), f.gut);
        EXPECT_EQ(pt::boxLog().empty() ? "" : pt::boxLog()[0].text, f.meldung);
        std::vector<int> gelesen;
        for (int id = 1; id < synapsenTabellenGroesse; ++id)
            if (synapseNachId(id))
                gelesen.push_back(id);
        EXPECT_EQ(std::tuple(gelesen, synapsenZaehler),
                  std::tuple(f.gelesen, static_cast<int>(f.gelesen.size())));
        if (f.pruefen)
            f.pruefen();
    }
}

TEST_F(Synapsenabschnitt, TypentabelleAusDenTypzeilenOderDenStandardtypen)
{
    const std::string drei =
        typZeilen(0, 1, "0.05", "a") + typZeilen(1, 2, "-0.09", "b") + typZeilen(2, 3, "-0.08", "c");
    struct Fall {
        const char* was;
        int anzahl;
        std::string text;   // "-": none
        std::vector<int> ionen;
        std::vector<std::string> meldungen = {};
        std::function<void()> pruefen = {};
    };
    const Fall faelle[] = {
        {"a name is cut to 127 bytes", 5,
         drei + typZeilen(3, 4, "0", "d") + typZeilen(4, 1, "0.0123456789012345", std::string(200, 'x')),
         {1, 2, 3, 4, 1}, {}, [] {
             EXPECT_EQ(std::tie(synapsenTypen[4].potential, synapsenTypen[4].bezeichnung),
                       std::tuple(0.0123456789012345, std::string(127, 'x')));
         }},
        {"a count of 2 is raised to 4; gaps close; empty values are the standard kind's", 2,
         typZeilen(0, 2, "", "") + typZeilen(2, 3, "-0.07", "Cl") + typZeilen(3, 1, "0.04", "Na"),
         {2, 3, 1}, {}, [] {
             const auto& t = synapsenTypen;
             EXPECT_EQ(std::tie(t[0].potential, t[0].bezeichnung), std::tuple(-0.085, stdSynapsenTypen[1].bezeichnung));
         }},
        {"without a text the four standard types, whatever the count", 9, "-", {1, 2, 3, 4}, {},
         [] { EXPECT_EQ(synapsenTypen[2].bezeichnung, "aus den Einstellungen"); }},
        {"a count of 0 or below gives the standard types", 0, typZeilen(0, 3, "-0.07", "x"), {1, 2, 3, 4}},
        {"a count beyond the ids refuses the table", 4097, drei, {3}, {meldungFormatieren(970, 4097, 4096)}},
        // entries without a kind (0, below 1, above 4 alike) get the first kind no entry uses
        {"the first free kind", 5,
         typZeilen(0, 1, "0.05", "a") + typZeilen(1, 0, "-0.07", "kaputt") + typZeilen(2, 2, "-0.09", "b") +
             typZeilen(3, 7, "0.01", "") + typZeilen(4, -2, "0.02", "c"), {1, 3, 2, 3, 3},
         {meldungFormatieren(259, 1), meldungFormatieren(259, 3), meldungFormatieren(259, 4),
          meldungFormatieren(260, "kaputt", 3)}},
        {"never the invalid kind 5", 5, drei + typZeilen(3, 4, "0", "d") + typZeilen(4, 9, "0.01", "x"),
         {1, 2, 3, 4, 0}, {meldungFormatieren(259, 4)}},
        {"only the electrical kind free refuses the file", 4, drei + typZeilen(3, 0, "0", "x"), {3},
         {meldungFormatieren(259, 3), meldungFormatieren(415)}},
        {"a kind that is not finite counts as a missing line", 3,
         typZeilen(0, 1, "nan", "a") + "Synapsentyp 1 Ion=nan\n" + typZeilen(2, 2, "-0.09", "b"),
         {1, 2}, {}, [] { EXPECT_EQ(synapsenTypen[0].potential, 0.0); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        pt::zuruecksetzen();
        stdSynapsenTypen = eingebauteSynapsenTypen();
        stdSynapsenTypen[1].potential = -0.085;
        stdSynapsenTypen[2].bezeichnung = "aus den Einstellungen";
        // a table that is none of the standard ones: a refused table keeps it
        synapsenTypen = {{ionenArt::Chemisch, -0.07, "eigene"}};
        synapsenTypAnzahl = f.anzahl;
        for (size_t i = 0; i < f.meldungen.size(); ++i)
            pt::boxAntworten({plattform::antwort::Ok});
        std::vector<char> text = lesbar(f.text);
        // a refused table leaves the one there was
        EXPECT_EQ(synapsenTypenLaden(f.text == "-" ? nullptr : text.data()), f.ionen != std::vector{3});
        std::vector<int> ionen;
        for (const SynapsenTyp& t : synapsenTypen)
            ionen.push_back(t.ion);
        std::vector<std::string> meldungen;
        for (const auto& b : pt::boxLog())
            meldungen.push_back(b.text);
        EXPECT_EQ(std::tie(ionen, meldungen), std::tie(f.ionen, f.meldungen));
        EXPECT_EQ(synapsenTypAnzahl, static_cast<int>(synapsenTypen.size()));
        if (f.pruefen)
            f.pruefen();
    }
    stdSynapsenTypen = eingebauteSynapsenTypen();
}
