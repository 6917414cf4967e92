// tests/files/test_objektdaten.cpp - feedback and collision objects through the network file
#include "netzdatei_hilfe.h"
#include "files/objektdaten.h"
#include <array>

TEST_F(NetzdateiFall, ObjekteKommenAusDerNetzdateiZurueck)
{
    for (int i = 1; i <= 4; ++i)
        neu(i * 10);
    Rueckkopplungsobjekt& r = *rueckkopplungsObjektErzeugen();
    std::tie(r.objektAktiv, r.objektName, r.triggerNeuron, r.elevatorNeuron, r.apsProBurst, r.triggerFrequenz) =
        std::tuple(1, "Schleife \xE4", neuronNachNummer(10), neuronNachNummer(40), 3, 12.5);
    r.zielneurone = {neuronNachNummer(20), neuronNachNummer(30)};
    std::tie(r.artDesZusammenhangs, r.geradenSteigung[2], r.reizueberlappung, r.stromreizAmplitude) =
        std::tuple(2, 0.25, 1, 2e-9);
    r.zusammenhangsTabelle = {{0.2, 0.01, 50, 0.1}, {0.5, 0.02, 100, 0.05}};
    rueckkopplungGraphikVorgaben(r);
    r.graphik.linienFarbe = 0x123456;
    rueckkopplungsObjektErzeugen()->objektName = "leer";
    Kollisionsobjekt& k = *kollisionsObjektNeu();
    std::copy_n(std::array{10, 20, 30, 40}.begin(), 4, k.elementNummern);
    std::tie(k.aktiv, k.akustisch, k.fortleitungsdauer, k.somaAxonVerzoegerung) = std::tuple(1, 1, 0.0125, 3e-4);
    simulationsParameter.kollisionAktiv = simulationsParameter.rueckkopplungAktiv = 1;

    const std::string vorher = imSpeicher();
    ASSERT_GT(laden(vorher), 0);
    EXPECT_EQ(imSpeicher(), vorher);
    ASSERT_EQ(std::tuple(rueckkopplungsObjektAnzahl(), kollisionsObjektAnzahl()), std::tuple(2, 1));
    const Rueckkopplungsobjekt& g = *rueckkopplungsObjekte;
    EXPECT_EQ(std::tuple(g.objektName, g.triggerNeuron, g.anzahlZielneurone(), g.graphik.linienFarbe),
              std::tuple(std::string("Schleife \xE4"), neuronNachNummer(10), 2, 0x123456));
    EXPECT_EQ(kollisionsObjekte->elemente[element::Soma2], neuronNachNummer(40));

    // a target that names no neuron is left out; the objects before stay as they were
    std::string text = vorher;
    const std::string ziel = "objekt 1 2. ziel-neuron id=30";
    text.replace(text.find(ziel), ziel.size(), "objekt 1 2. ziel-neuron id=77");
    ASSERT_GT(laden(text), 0);
    EXPECT_EQ(rueckkopplungsObjekte->anzahlZielneurone(), 1);
}

// damaged sections load what they can, and every neuron an object keeps is in the network
TEST_F(NetzdateiFall, BeschaedigteObjektabschnitteLadenNurStimmiges)
{
    neu(2), neu(5);
    Rueckkopplungsobjekt& r = *rueckkopplungsObjektErzeugen();
    std::tie(r.triggerNeuron, r.zielneurone) = std::tuple(neuronNachNummer(2), std::vector{neuronNachNummer(5)});
    r.zusammenhangsTabelle = {{0.2, 0.01, 50, 0.1}};
    std::copy_n(std::array{2, 5, 2, 5}.begin(), 4, kollisionsObjektNeu()->elementNummern);
    XBuffer b;
    rueckkopplungsdatenSpeichern(b);
    kollisionsdatenSpeichern(b);
    Verformer verformen{20261207};
    for (int runde = 0; runde < 300; ++runde) {
        std::vector<char> text = lesbar(verformen(b.text()));
        for (int i = 0, n = rueckkopplungsdatenLaden(nullptr, text.data(), 0); i < std::min(n, 50); ++i)
            rueckkopplungsdatenLaden(rueckkopplungsObjektErzeugen(), text.data(), i);
        for (int i = 0, n = kollisionsdatenLaden(nullptr, text.data(), 0); i < std::min(n, 50); ++i)
            kollisionsdatenLaden(kollisionsObjektNeu(), text.data(), i);
        for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
            for (const NeuronDaten* z : o->zielneurone)
                ASSERT_EQ(neuronNachNummer(z->nummer), z) << runde;
    }
}
