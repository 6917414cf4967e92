// tests/permutation/test_bewertung_mutation.cpp - result files damaged behind an index that
// was made of them whole: seeded truncations, byte flips, huge counts and deleted markers in
// the records, read by the re-rating, the burst-shape rating and the copy under the
// sanitizers
#include "bewertung_hilfe.h"
#include "model/neuron.h"

using namespace permutationstest;

namespace {

class BewertungMutation : public BewertungsFall {
protected:
    void SetUp() override
    {
        BewertungsFall::SetUp();
        // whatever a damaged file brings up is answered from the queue or closed
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        analyseKlassen = standardKlassen();
        simulationsParameter.simulationsDauer = 1.5;
        permutationsDefinition.auswerteNeuron = 1;
        SpikefolgenEinstellungen& s = neuronNachNummer(1)->spikefolge;
        s.burstFaktor = 3.0;
        s.mindestApAnzahlGesamt = 4;
        s.lueckeMinimum = 0.05;
        s.lueckeMaximum = 0.3;
    }
    void TearDown() override
    {
        pt::fehlerBehandlungSetzen({});
        BewertungsFall::TearDown();
    }
    // what one round left over does not reach the next
    void aufraeumen()
    {
        while (pt::offeneBoxAntworten())
            meldungsBox(nullptr, "", "", knoepfe::JaNeinAbbrechen);
        while (pt::offeneWahlAntworten()) {
            DateiWahl w;
            dateiWaehlen(nullptr, w);
        }
    }
};

// a record per train: bursts, single spikes, none; e extra values each
ErgebnisBauer basis(int zusatz, std::vector<uint64_t>& felder)
{
    ErgebnisBauer b(2, 3, 2, zusatz);
    for (int i = 0; i < 12; ++i) {
        std::vector<float> t;
        for (int j = 0; j < (i % 4) * 12; ++j)
            t.push_back(0.3f + 0.01f * static_cast<float>(j) + (j > 15 ? 0.1f : 0.0f));
        const int32_t o = b.satz(i, 0.5f * static_cast<float>(i), t, {static_cast<uint8_t>(i % 3), static_cast<uint8_t>((i + 2) % 3)},
                                 std::vector<float>(static_cast<size_t>(zusatz), 2.0f));
        felder.push_back(static_cast<uint64_t>(o));
        felder.push_back(static_cast<uint64_t>(o) + 8);
    }
    return b;
}

} // namespace

// Each operation on a damaged file either completes or ends at the bad record with message
// 45; nothing crashes, nothing is read past a file's end, and a failed rating leaves
// nothing loaded.
TEST_F(BewertungMutation, SatzleserDerBewertungenUndDerKopie)
{
    std::mt19937 zufall(20261207);
    int fertig = 0, mit45 = 0;
    for (int runde = 0; runde < 180; ++runde) {
        std::vector<uint64_t> felder;
        const ErgebnisBauer b = basis(runde % 2, felder);
        const std::string pfad = ordner + "m.bin", fall = "round " + std::to_string(runde);
        b.speichern(pfad);
        permutationDatenFreigeben();
        ASSERT_EQ(permutationsdateiLesen(pfad.c_str(), ladeModus::Muster), 12) << fall;
        modusStatus &= ~modusBit::DateiOperation;   // as the indexing by pattern ends
        testhilfe::schreiben(pfad, mutiert(b.bytes, zufall, felder, ersterSatzOffset(2, 3, 2)));
        aufraeumen();
        boxenVergessen();
        int ergebnis = 0;
        switch (runde % 3) {
        case 0:
            pt::boxAntworten({antwort::Ok});
            ergebnis = binDateiBewerten(-1);
            break;
        case 1:
            pt::dialogSkript(284, {pt::schritt::klicken(1)});
            pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
            ergebnis = spikeverteilungBewerten(-1);
            break;
        default:
            std::filesystem::remove(ordner + "k 1 0001.bin");   // the last round's copy
            pt::dateiAntworten({pt::dateiAntwort(ordner + "k 1.bin")});
            pt::boxAntworten({antwort::Ja, antwort::Ok});
            ergebnis = permutationsdateiSpeichern(pfad, -1, -1);
            break;
        }
        const std::vector<std::string> gezeigt = boxen();
        bool satzFehler = false;
        for (int nummer = 0; nummer < 12; ++nummer)
            satzFehler |= std::find(gezeigt.begin(), gezeigt.end(), meldungFormatieren(45, nummer, pfad)) != gezeigt.end();
        if (ergebnis == 1) {
            ++fertig;
            EXPECT_FALSE(satzFehler) << fall;
        } else {
            ++mit45;
            ASSERT_FALSE(gezeigt.empty()) << fall;
            EXPECT_TRUE(satzFehler) << fall << ": " << gezeigt.back();
            if (runde % 3 != 2) {
                EXPECT_TRUE(nichtsGeladen()) << fall;
            }
        }
        EXPECT_FALSE(modusStatus & modusBit::DateiOperation) << fall;
        EXPECT_TRUE(keineTeildateien()) << fall;
    }
    EXPECT_GT(fertig, 20);
    EXPECT_GT(mit45, 20);
}
