// tests/files/test_spikefolgenzeilen.cpp - the "burstanalyse" lines of the neuron block: the
// settings of the spike-train rating in the writer's bytes, and the box distance a file
// gives bounded as the dialog bounds it
#include "netzdatei_hilfe.h"

namespace {

using Spikefolgenzeilen = NetzdateiFall;

} // namespace

TEST_F(Spikefolgenzeilen, EinstellungenInIhrerReihenfolgeUndIhremFormatUndZurueck)
{
    NeuronDaten* a = neu(1);
    SpikefolgenEinstellungen& e = a->spikefolge;
    e = {5, 2.5, 4.0, 0.03125, 12.5, 0.4, 0.5, 0.25, 0.125, 0.75, 0x834, 40, 0x00FF8000};
    a->spikefolge.an = 1;
    const std::string text = block(a);
    const std::string erwartet = "neuron 1 burstanalyse status=2100\n"
                                 "neuron 1 burstanalyse mindest gesamt-ap-anzahl=5\n"
                                 "neuron 1 burstanalyse faktor fuer inter-burst-intervall=2.5\n"
                                 "neuron 1 burstanalyse mindest ap-anzahl=4\n"
                                 "neuron 1 burstanalyse mindestlaenge=0.03125\n"
                                 "neuron 1 burstanalyse mindestfrequenz=12.5\n"
                                 "neuron 1 burstanalyse relative mindest ap-anzahl=0.4\n"
                                 "neuron 1 burstanalyse relative mindestlaenge=0.5\n"
                                 "neuron 1 burstanalyse relative mindestfrequenz=0.25\n"
                                 "neuron 1 burstanalyse luecke bei aktiver reaktion mindestens=0.125\n"
                                 "neuron 1 burstanalyse luecke bei aktiver reaktion maximal=0.75\n"
                                 "neuron 1 burstanalyse box-farbe=16744448\n"
                                 "neuron 1 burstanalyse box-rand=40\n"
                                 "neuron 1 rauschen abklingzeit=";
    EXPECT_NE(text.find(erwartet), std::string::npos) << text.substr(0, 1500);

    // back into another neuron: the settings, not the switch
    std::string zurueck = text;
    for (size_t p = 0; (p = zurueck.find("neuron 1 ", p)) != std::string::npos;)
        zurueck.replace(p, 9, "neuron 2 ");
    NeuronDaten* b = neu(2);
    std::vector<char> t = lesbar(zurueck);
    guiNeuronLaden(b, t.data());
    const SpikefolgenEinstellungen& g = b->spikefolge;
    EXPECT_EQ(std::tie(g.mindestApAnzahlGesamt, g.burstFaktor, g.mindestSpikeAnzahl, g.mindestLaenge, g.mindestFrequenz,
                       g.relativeSpikeAnzahl, g.relativeLaenge, g.relativeFrequenz, g.lueckeMinimum, g.lueckeMaximum,
                       g.flags, g.kastenAbstand, g.kastenFarbe),
              std::tie(e.mindestApAnzahlGesamt, e.burstFaktor, e.mindestSpikeAnzahl, e.mindestLaenge, e.mindestFrequenz,
                       e.relativeSpikeAnzahl, e.relativeLaenge, e.relativeFrequenz, e.lueckeMinimum, e.lueckeMaximum,
                       e.flags, e.kastenAbstand, e.kastenFarbe));
    EXPECT_EQ(b->spikefolge.an, 0);
}

TEST_F(Spikefolgenzeilen, KastenabstandAusDerDateiBleibtImBereichDesDialogs)
{
    for (const auto& [zeile, abstand] : {std::pair{"99999", 2000}, {"-5", 0}, {"1500", 1500}}) {
        SCOPED_TRACE(zeile);
        leeren();
        NeuronDaten* n = neu(7);
        const std::string text =
            "[NEURON 7]\nneuron 7 burstanalyse box-rand=" + std::string(zeile) + "\nneuron 7 neuroneigenschaften ende\n";
        std::vector<char> t = lesbar(text);
        guiNeuronLaden(n, t.data());
        EXPECT_EQ(n->spikefolge.kastenAbstand, abstand);
    }
}
