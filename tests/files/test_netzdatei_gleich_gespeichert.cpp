// tests/files/test_netzdatei_gleich_gespeichert.cpp - a network file opened and saved again
// is the same file, byte for byte, for a large network too
#include "netzdatei_hilfe.h"
#include "model/kurven.h"
#include <cstdio>
#include <filesystem>
#include <random>

namespace {

struct GleichGespeichert : NetzdateiFall {
    std::mt19937 zufall{1234};

    double streuung(double x) { return x * std::uniform_real_distribution<double>(0.5, 2.0)(zufall); }
    int bis(int n) { return std::uniform_int_distribution<int>(1, n)(zufall); }

    // the file as it lies on disk, read whole (it is large)
    std::string datei() const
    {
        std::string bytes(std::filesystem::file_size(pfad()), '\0');
        std::FILE* f = std::fopen(pfad().c_str(), "rb");
        EXPECT_NE(f, nullptr);
        if (f) {
            EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
            std::fclose(f);
        }
        return bytes;
    }
    // the file opened into the empty network and saved again under its name
    std::string geoeffnetUndGespeichert(const std::string& vorher)
    {
        EXPECT_EQ(laden(vorher), 1);
        for (const auto& b : pt::boxLog())
            ADD_FAILURE() << b.text;
        gespeichert();
        return datei();
    }
    // the outgoing synapses of a neuron and the axo-axonic ones of a synapse, by id in list order
    static std::vector<int> ausgehend(int nummer)
    {
        std::vector<int> ids;
        for (SynapseDaten* s = neuronNachNummer(nummer)->ausgangsSynapsen; s; s = s->naechsteSynapse)
            ids.push_back(s->id);
        return ids;
    }
    static std::vector<int> axoAuf(int id)
    {
        std::vector<int> ids;
        for (AxoKnoten* k = synapseNachId(id)->axoKnoten; k; k = k->naechste)
            ids.push_back(k->synapse->id);
        return ids;
    }
};

} // namespace

// The mended fault: the reader creates the synapses in the order of the file and each new one
// went to the head of its neuron's list (and of its parent's), so every open and save turned
// the order round. Now the lists come back as they were, and so does the file.
TEST_F(GleichGespeichert, EinGeoeffnetesNetzBehaeltDieReihenfolgeSeinerSynapsen)
{
    for (int i = 1; i <= 3; ++i)
        neu(i);
    programmStatus |= programmBit::AxoAxonisch;
    SynapseDaten* erste = verbinde(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7);
    verbinde(neuronNachNummer(1), neuronNachNummer(3), 1, 2e-7);
    verbinde(neuronNachNummer(1), neuronNachNummer(2), 1, 3e-7, 0.002, 1);
    for (double g : {0.25, 0.5, 0.75})
        ASSERT_NE(verbinde(neuronNachNummer(3), nullptr, 0, g, 0.001, kontaktort::Axo, erste), nullptr);
    verbinde(neuronNachNummer(3), neuronNachNummer(1), 0, 4e-7);
    const std::vector<int> von1 = ausgehend(1), von3 = ausgehend(3), axo = axoAuf(erste->id);
    const int ersteId = erste->id;
    gespeichert();
    const std::string vorher = datei();

    EXPECT_EQ(geoeffnetUndGespeichert(vorher), vorher);
    EXPECT_EQ(ausgehend(1), von1);
    EXPECT_EQ(axoAuf(ersteId), axo);
    // neuron 3's ordinary synapse was made last, so it leads its list before and after
    EXPECT_EQ(ausgehend(3), von3);
}

// 1000 SWIM neurons with a stimulus each, five synapses each up to the full table, a few
// axo-axonic synapses, user channels and further diagrams on some: opened and saved again,
// the file is the same.
TEST_F(GleichGespeichert, EinGrossesNetzIstNachOeffnenUndSpeichernDieselbeDatei)
{
    constexpr int anzahl = 1000;
    programmStatus |= programmBit::AxoAxonisch;
    for (int i = 1; i <= anzahl; ++i) {
        NeuronDaten* n = neu(i);
        ASSERT_NE(n, nullptr);
        n->modellTyp = modell::Swim;
        n->name = "Zelle " + std::to_string(i);
        n->x = 40 + (i % 40) * 30;
        n->y = 40 + (i / 40) * 30;
        for (int p = 0; p < 106; ++p)
            n->parameter[static_cast<size_t>(p)] = streuung(1e-3 * (p + 1));
        StromreizDefinition& r = n->stromreize[0];
        r.beginn = 0.05;
        r.dach = streuung(0.1);
        r.amplitude = streuung(2e-9);
        r.anzahl = 1;
        r.an = 1;
        if (i % 97 == 0) {
            n->benutzerKanaele.resize(2);
            for (BenutzerKanal& k : n->benutzerKanaele) {
                k.leitfaehigkeit = streuung(1e-8);
                k.name = "kanal \xE4 " + std::to_string(i);
            }
        }
        if (i % 250 == 0) {
            n->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
            ASSERT_NE(diagrammAnhaengen(*n), nullptr);
        }
    }
    std::vector<SynapseDaten*> eltern;
    for (NeuronDaten* n = neuronKette.kopf; n && synapsenZaehler < synapsenTabellenGroesse - 21; n = n->naechstesNeuron)
        for (int k = 0; k < 5 && synapsenZaehler < synapsenTabellenGroesse - 21; ++k) {
            SynapseDaten* s = verbinde(n, neuronNachNummer(bis(anzahl)), k % 2, streuung(1e-6), streuung(0.003));
            ASSERT_NE(s, nullptr);
            if (k == 4)
                s->transmitter.formAlpha = streuung(1.0);
            if (eltern.size() < 10 && k == 0)
                eltern.push_back(s);
        }
    for (SynapseDaten* e : eltern)
        for (int k = 0; k < 2; ++k)
            ASSERT_NE(verbinde(neuronNachNummer(bis(anzahl)), nullptr, 0, streuung(0.5), 0.001, kontaktort::Axo, e),
                      nullptr);
    gespeichert();
    const std::string vorher = datei();
    ASSERT_GT(vorher.size(), 10'000'000u);

    EXPECT_TRUE(geoeffnetUndGespeichert(vorher) == vorher);
    EXPECT_EQ(neuronKette.anzahl, anzahl);
    EXPECT_EQ(synapsenZaehler, synapsenTabellenGroesse - 1);
}
