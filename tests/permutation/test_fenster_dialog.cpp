// tests/permutation/test_fenster_dialog.cpp - dialog 203, the settings of the permutation
// display, and the main window's commands that toggle them
#include "fenster_hilfe.h"

using namespace permutationstest;

namespace {

constexpr int idBalken = 2031, idSpikeFarbe = 2040, idMaximalHoehe = 2036, idBreite = 2035, idNummer = 2042,
              idStromreiz = 2053, idNeuron = 2054, idReizFarbe = 2055, idUnterhalb = 2048;

class FensterDialog : public FensterFall {
protected:
    void SetUp() override
    {
        FensterFall::SetUp();
        // neuron 3 has a stimulus with pulses in its dendrite segment, neuron 2 one without
        NeuronDaten* n = neuronSuchen(3);
        n->gereizteKompartimente = 1;
        StromreizDefinition& r = n->stromreize[1];
        r.beginn = 0.1, r.anstieg = 0.01, r.abfall = 0.02, r.dach = 0.03, r.amplitude = 2e-9, r.pause = 0.4;
        r.anzahl = 3, r.alternieren = 1, r.reizart = 0, r.ende = 9.0;
        neuronSuchen(2)->gereizteKompartimente = 1;
        neuronSuchen(2)->stromreize[0].amplitude = 1e-9;
        for (int i : {2, 3})
            kompartimenteAnpassen(*neuronSuchen(i), 1);
    }
    intptr_t oeffnen(std::vector<pt::DialogSchritt> schritte)
    {
        pt::dialogSkript(203, std::move(schritte));
        return permutationsfensterDialogOeffnen(nullptr);
    }
    // the combo's item of the neuron
    static int eintrag(Fenster dlg, int nummer)
    {
        for (int i = 0; i < listeAnzahl(dlg, idNeuron); ++i)
            if (listeDaten(dlg, idNeuron, i) == nummer)
                return i;
        return -1;
    }
};

} // namespace

// Cancel after toggles, typing and a colour applies nothing; the next opening shows the
// settings again.
TEST_F(FensterDialog, AbbrechenAendertNichts)
{
    const PermutationsFensterEinstellungen vorher = permutationsFenster;
    pt::farbAntworten({0x123456});
    EXPECT_EQ(oeffnen({pt::schritt::klicken(idBalken), pt::schritt::klicken(idNummer), pt::schritt::tippen(idBreite, "77"),
                       pt::schritt::klicken(idSpikeFarbe), pt::schritt::klicken(2)}),
              2);
    EXPECT_EQ(permutationsFenster.levelBalkenAnzeigen, vorher.levelBalkenAnzeigen);
    EXPECT_EQ(permutationsFenster.zahlenMaske, vorher.zahlenMaske);
    EXPECT_EQ(permutationsFenster.balkenBreiteProzent, vorher.balkenBreiteProzent);
    EXPECT_EQ(permutationsFenster.spikeFarbe, vorher.spikeFarbe);
    oeffnen({[](Fenster d) {
                 EXPECT_EQ(pt::dialogElement(d, idBalken)->haken, true);
                 EXPECT_EQ(pt::dialogElement(d, idBreite)->text, "30");
                 EXPECT_EQ(pt::dialogFokus(d), idMaximalHoehe);
             },
             pt::schritt::klicken(2)});
}

// The colour choice opens preset with the colour its button edits; a cancelled one keeps it.
TEST_F(FensterDialog, AbgebrocheneFarbwahlBehaeltDieFarbe)
{
    permutationsFenster.spikeFarbe = 0x00AA00;
    pt::farbAntworten({KeineFarbe, 0x0000EE});
    EXPECT_EQ(oeffnen({[this](Fenster d) { pt::waehlen(d, idNeuron, eintrag(d, 3)); }, pt::schritt::klicken(idSpikeFarbe),
                       pt::schritt::klicken(idReizFarbe), pt::schritt::klicken(1)}),
              1);
    ASSERT_GE(pt::farbWahlLog().size(), 2u);
    EXPECT_EQ(pt::farbWahlLog()[pt::farbWahlLog().size() - 2].vorgabe, 0x00AA00u);
    EXPECT_EQ(permutationsFenster.spikeFarbe, 0x00AA00u);
    EXPECT_EQ(permutationsFenster.stromreizFarbe, 0x0000EEu);
}

// OK takes the fields, the mask from its checks, the radios, and the nine fields of the chosen
// neuron's first compartment with pulses (a dendrite segment here).
TEST_F(FensterDialog, OkNimmtFelderUndDenReizDesGewaehltenNeurons)
{
    EXPECT_EQ(oeffnen({[](Fenster d) { EXPECT_EQ(listeAnzahl(d, idNeuron), 2); },
                       [this](Fenster d) { pt::waehlen(d, idNeuron, eintrag(d, 2)); },
                       [](Fenster d) { EXPECT_EQ(pt::dialogElement(d, idNeuron)->auswahl, 0); },
                       [this](Fenster d) { pt::waehlen(d, idNeuron, eintrag(d, 3)); },
                       pt::schritt::tippen(idBreite, "45"), pt::schritt::klicken(idNummer),
                       pt::schritt::klicken(idUnterhalb), pt::schritt::klicken(1)}),
              1);
    const PermutationsFensterEinstellungen& s = permutationsFenster;
    EXPECT_EQ(s.balkenBreiteProzent, 45);
    EXPECT_EQ(s.zahlenMaske, 31);
    EXPECT_EQ(s.zahlenPositionAbsolut, 1);
    const StromreizDefinition& r = s.stromreiz;
    EXPECT_EQ(std::tuple(r.beginn, r.anstieg, r.abfall, r.dach, r.amplitude, r.pause, r.anzahl, r.alternieren, r.reizart),
              std::tuple(0.1, 0.01, 0.02, 0.03, 2e-9, 0.4, 3, 1, 0));
    EXPECT_EQ(r.ende, 0.0);                             // cleared, not taken
}

// A chosen neuron without pulses is refused with 103 and the dialog stays; a field without a
// number is named and nothing is stored.
TEST_F(FensterDialog, OhnePulse103UndDerDialogBleibt)
{
    const PermutationsFensterEinstellungen vorher = permutationsFenster;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    EXPECT_EQ(oeffnen({[this](Fenster d) { pt::waehlen(d, idNeuron, eintrag(d, 2)); }, pt::schritt::tippen(idBreite, "nan"), pt::schritt::klicken(1),
                       [](Fenster d) { EXPECT_TRUE(istFenster(d)); }, pt::schritt::tippen(idBreite, "40"),
                       pt::schritt::klicken(1), [](Fenster d) { EXPECT_TRUE(istFenster(d)); }, pt::schritt::klicken(2)}),
              2);
    ASSERT_GE(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[103]);
    EXPECT_EQ(permutationsFenster.balkenBreiteProzent, vorher.balkenBreiteProzent);
    EXPECT_EQ(permutationsFenster.stromreiz.anzahl, 0);
}

// The stimulus neuron is looked up again at OK: one deleted meanwhile counts as none.
TEST_F(FensterDialog, EinGeloeschtesReizneuronZaehltAlsKeines)
{
    EXPECT_EQ(oeffnen({[this](Fenster d) { pt::waehlen(d, idNeuron, eintrag(d, 2)); },
                       [](Fenster) { neuronFreigeben(neuronSuchen(2)); --neuronKette.anzahl; },
                       pt::schritt::klicken(1)}),
              1);
    EXPECT_EQ(permutationsFenster.stromreiz.anzahl, 0);
    EXPECT_EQ(permutationsFenster.stromreizAnzeigen, 1);
}

// The curve switch enables the curve's controls; OK with the display open lays the curve out.
TEST_F(FensterDialog, StromreizSchalterGibtFreiUndOkLegtDieKurveAus)
{
    ergebnisseLaden(2);
    permutationsErgebnisse.spaetesterAp = 1.7f;
    ASSERT_TRUE(permutationFensterErzeugen());
    permutationsFenster.stromreizAnzeigen = 0;
    EXPECT_EQ(oeffnen({[](Fenster d) { EXPECT_FALSE(pt::dialogElement(d, idNeuron)->freigegeben); },
                       pt::schritt::klicken(idStromreiz),
                       [](Fenster d) { EXPECT_TRUE(pt::dialogElement(d, idNeuron)->freigegeben); },
                       [this](Fenster d) { pt::waehlen(d, idNeuron, eintrag(d, 3)); }, pt::schritt::klicken(1)}),
              1);
    EXPECT_EQ(permutationsFenster.stromreizAnzeigen, 1);
    EXPECT_EQ(permutationsAnzeige.reizPunkte.size(), 4u * 3u + 3u);
}

// Main command 202 opens the dialog; 198 and 222-226 toggle one setting each, 226 only the
// AP-count bit.
TEST_F(FensterDialog, HauptfensterBefehle)
{
    pt::dialogSkript(203, {pt::schritt::klicken(2)});
    befehl(befehlPmtFensterEinstellungen);
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
    const int maske = permutationsFenster.zahlenMaske;
    befehl(befehlPmtZeigeApAnzahl);
    EXPECT_EQ(permutationsFenster.zahlenMaske, maske ^ 2);
    befehl(befehlPmtZeigeApAnzahl);
    EXPECT_EQ(permutationsFenster.zahlenMaske, maske);
    const int balken = permutationsFenster.levelBalkenAnzeigen;
    befehl(befehlPmtLevelBalken);
    EXPECT_EQ(permutationsFenster.levelBalkenAnzeigen, !balken);
}
