// tests/files/test_netzdatei_rundreise.cpp - what the network file keeps beside the neurons
// and synapses, saved and read back field by field
#include "netzdatei_hilfe.h"

using namespace plattform::test;

namespace {

void schriftSetzen(FontDaten& s, int basis, const char* name)
{
    s.farbe = static_cast<plattform::Farbe>(basis * 1001);
    s.kursiv = 1;
    s.orientierung = 900;
    s.punkte = basis % 40 + 6;
    s.unterstrichen = basis % 2;
    s.gewicht = 700;
    s.name = name;
}

void seiteSetzen(SeitenEinrichtung& s, int basis)
{
    s.ausrichtung = seitenAusrichtung::Querformat;
    s.randOben = basis + 0.5;
    s.randUnten = basis + 1.25;
    s.randLinks = basis + 2.125;
    s.randRechts = basis + 3.0625;
    s.seitenZoom = 1.1;
    s.umrandung = 1;
    s.umrandungDickeMm = 0.3;
    s.umrandungArt = 2;
    s.umrandungFarbe = 0x00ABCDEF;
    s.kopfzeile = 1;
    s.kopfAusrichtung = 2;
    s.kopfAbstandMm = 7.5;
    schriftSetzen(s.kopfSchrift, basis, "Arial");
    s.kopfText = "Netz ^F vom ^D";
    s.fusszeile = 1;
    s.fussAusrichtung = 1;
    s.fussAbstandMm = 4.25;
    schriftSetzen(s.fussSchrift, basis + 1, "Times New Roman");
    s.fussText = "Seite \xFC" "ber alles";
    s.rahmenZeichnen = 1;
}

void gleicheSchrift(const FontDaten& a, const FontDaten& b)
{
    EXPECT_EQ(a.farbe, b.farbe);
    EXPECT_EQ(a.kursiv, b.kursiv);
    EXPECT_EQ(a.orientierung, b.orientierung);
    EXPECT_EQ(a.punkte, b.punkte);
    EXPECT_EQ(a.unterstrichen, b.unterstrichen);
    EXPECT_EQ(a.gewicht, b.gewicht);
    EXPECT_EQ(a.name, b.name);
}

void gleicheSeite(const SeitenEinrichtung& a, const SeitenEinrichtung& b)
{
    EXPECT_EQ(a.ausrichtung, b.ausrichtung);
    EXPECT_EQ(a.randOben, b.randOben);
    EXPECT_EQ(a.randUnten, b.randUnten);
    EXPECT_EQ(a.randLinks, b.randLinks);
    EXPECT_EQ(a.randRechts, b.randRechts);
    EXPECT_EQ(a.seitenZoom, b.seitenZoom);
    EXPECT_EQ(a.umrandung, b.umrandung);
    EXPECT_EQ(a.umrandungDickeMm, b.umrandungDickeMm);
    EXPECT_EQ(a.umrandungArt, b.umrandungArt);
    EXPECT_EQ(a.umrandungFarbe, b.umrandungFarbe);
    EXPECT_EQ(a.kopfzeile, b.kopfzeile);
    EXPECT_EQ(a.kopfAusrichtung, b.kopfAusrichtung);
    EXPECT_EQ(a.kopfAbstandMm, b.kopfAbstandMm);
    gleicheSchrift(a.kopfSchrift, b.kopfSchrift);
    EXPECT_EQ(a.kopfText, b.kopfText);
    EXPECT_EQ(a.fusszeile, b.fusszeile);
    EXPECT_EQ(a.fussAusrichtung, b.fussAusrichtung);
    EXPECT_EQ(a.fussAbstandMm, b.fussAbstandMm);
    gleicheSchrift(a.fussSchrift, b.fussSchrift);
    EXPECT_EQ(a.fussText, b.fussText);
    EXPECT_EQ(a.rahmenZeichnen, b.rahmenZeichnen);
}

void gleicherReiz(const StromreizDefinition& a, const StromreizDefinition& b)
{
    EXPECT_EQ(a.reizart, b.reizart);
    EXPECT_EQ(a.beginn, b.beginn);
    EXPECT_EQ(a.anstieg, b.anstieg);
    EXPECT_EQ(a.ende, b.ende);
    EXPECT_EQ(a.dach, b.dach);
    EXPECT_EQ(a.periode, b.periode);
    EXPECT_EQ(a.abfall, b.abfall);
    EXPECT_EQ(a.amplitude, b.amplitude);
    EXPECT_EQ(a.pause, b.pause);
    EXPECT_EQ(a.anzahl, b.anzahl);
    EXPECT_EQ(a.alternieren, b.alternieren);
}

void gleichePermutation(const PermutationsFensterEinstellungen& a, const PermutationsFensterEinstellungen& b)
{
    EXPECT_EQ(a.levelBalkenAnzeigen, b.levelBalkenAnzeigen);
    EXPECT_EQ(a.balkenFarbe, b.balkenFarbe);
    EXPECT_EQ(a.balkenAbstandYAchse, b.balkenAbstandYAchse);
    EXPECT_EQ(a.balkenUnterkante, b.balkenUnterkante);
    EXPECT_EQ(a.balkenBreiteProzent, b.balkenBreiteProzent);
    EXPECT_EQ(a.balkenMaximalHoehe, b.balkenMaximalHoehe);
    EXPECT_EQ(a.balkenSockel, b.balkenSockel);
    EXPECT_EQ(a.textAbstand, b.textAbstand);
    EXPECT_EQ(a.synapsenBezeichnungAnzeigen, b.synapsenBezeichnungAnzeigen);
    EXPECT_EQ(a.spikeFarbe, b.spikeFarbe);
    EXPECT_EQ(a.apLinienstaerke, b.apLinienstaerke);
    EXPECT_EQ(a.zahlenMaske, b.zahlenMaske);
    EXPECT_EQ(a.zahlenPositionAbsolut, b.zahlenPositionAbsolut);
    EXPECT_EQ(a.zahlenPositionRelativ, b.zahlenPositionRelativ);
    EXPECT_EQ(a.xAchseAutomatisch, b.xAchseAutomatisch);
    EXPECT_EQ(a.stromreizAnzeigen, b.stromreizAnzeigen);
    EXPECT_EQ(a.stromreizFarbe, b.stromreizFarbe);
    EXPECT_EQ(a.stromreizHoehe, b.stromreizHoehe);
    EXPECT_EQ(a.stromreizDicke, b.stromreizDicke);
    EXPECT_EQ(a.stromreizPosition, b.stromreizPosition);
    EXPECT_EQ(a.klassenmarkenFarbe, b.klassenmarkenFarbe);
    EXPECT_EQ(a.klassenmarkenLaenge, b.klassenmarkenLaenge);
    EXPECT_EQ(a.klassenmarkenDicke, b.klassenmarkenDicke);
    EXPECT_EQ(a.klassenmarkenTextabstand, b.klassenmarkenTextabstand);
    gleicherReiz(a.stromreiz, b.stromreiz);
    EXPECT_EQ(a.levelPruefen, b.levelPruefen);
}

void gleicherServer(const ServerDaten& a, const ServerDaten& b)
{
    EXPECT_EQ(a.eingangsNeuron, b.eingangsNeuron);
    EXPECT_EQ(a.ausgangsNeuron, b.ausgangsNeuron);
    EXPECT_EQ(a.angezeigtesNeuron, b.angezeigtesNeuron);
    EXPECT_EQ(a.pulsDauer, b.pulsDauer);
    EXPECT_EQ(a.pulsHoehe, b.pulsHoehe);
    EXPECT_EQ(a.ausgangsReizstrom, b.ausgangsReizstrom);
    EXPECT_EQ(a.ausgangsReizdauer, b.ausgangsReizdauer);
    EXPECT_EQ(a.ereignisReizdauer, b.ereignisReizdauer);
    EXPECT_EQ(a.ereignisTotzeit, b.ereignisTotzeit);
    EXPECT_EQ(a.ereignisReizstrom, b.ereignisReizstrom);
    EXPECT_EQ(a.ereignisSchwelle, b.ereignisSchwelle);
    EXPECT_EQ(a.verzoegerung, b.verzoegerung);
    EXPECT_EQ(a.anfangVerzoegern, b.anfangVerzoegern);
    EXPECT_EQ(a.stromFaktor, b.stromFaktor);
    EXPECT_EQ(a.eichfaktor, b.eichfaktor);
    EXPECT_EQ(a.daKalibrierung, b.daKalibrierung);
    EXPECT_EQ(a.daAusgabefaktor, b.daAusgabefaktor);
    EXPECT_EQ(a.eingangAusgeben, b.eingangAusgeben);
    EXPECT_EQ(a.somaPotentialAusgeben, b.somaPotentialAusgeben);
    EXPECT_EQ(a.stromInDatei, b.stromInDatei);
    EXPECT_EQ(a.stromDatei, b.stromDatei);
}

struct Rundreise : NetzdateiFall {};

} // namespace

TEST_F(Rundreise, EinstellungenBeiDenNeuronenKommenFeldFuerFeldZurueck)
{
    NeuronDaten* a = neu(3);
    NeuronDaten* b = neu(900);
    a->name = "Eingang";
    b->name = "Ausgang";

    // global keys
    hauptfensterGeometrie = {11, 22, 1033, 744, 0, 0};
    neuronnamenAnzeigen = 0;
    programmStatus |= programmBit::AxoAxonisch;
    Simulationsparameter& sp = simulationsParameter;
    sp.netzwerkmodell = 3;
    sp.netzwerkVariante = 1;
    sp.netzwerktyp = 4;
    ASSERT_TRUE(segmentAnzahlSetzen(6));
    sp.simulationsDauer = 0.75;
    sp.schrittweite = 2.5e-5;
    sp.spikeSchwelle = -0.0175;
    sp.anzeigeIntervall = 250.0;
    sp.integrationsmethode = integration::RungeKutta4;
    sp.rauschenEin = 1;
    sp.rauschenNurExzitatorisch = 1;
    neueSynapseVorgaben = {0.0021, 2.5e-7, 9e-6, -0.045, 0.033};
    dialogEinstellungen.werteChecken = 0;
    netzvorgaben = {123.0, 2e-10, 0.004, -0.065, 0.002, 4e-7, 1e-7, 0.3, 0.05, 0.0015, 0.0002, 0};
    skriptMeldungenAnzeigen = 0;
    spikeAufzeichnung.aufzeichnen = 1;
    wiedergabe = {0.02, 3.5, 2500, 1, plattform::rgbFarbe(12, 34, 56)};
    synapsenfarben = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x00FF00};
    for (int i = 0; i < kurvenProDiagramm; ++i)
        kurvenStandardfarben[static_cast<size_t>(i)] = 0x10000u * static_cast<unsigned>(i) + 7u;
    // page settings
    seiteSetzen(seiteNetzfenster, 3);
    seiteSetzen(seiteDiagrammfenster, 17);
    seiteDiagrammfenster.ausrichtung = seitenAusrichtung::Hochformat;
    // window list
    fensterliste[0] = {3, 0, 10, 20, 300, 200};
    fensterliste[1] = {900, 2, -5, 40, 640, 480};
    // permutation
    modusStatus |= modusBit::Teilsimulation;
    maxBinDateiGroesse = 0x7fefffff;
    PermutationsFensterEinstellungen& pf = permutationsFenster;
    pf.levelBalkenAnzeigen = 0;
    pf.balkenFarbe = 0x112233;
    pf.balkenAbstandYAchse = 51;
    pf.balkenUnterkante = 140;
    pf.balkenBreiteProzent = 33;
    pf.balkenMaximalHoehe = 120;
    pf.balkenSockel = 12;
    pf.textAbstand = 16;
    pf.synapsenBezeichnungAnzeigen = 0;
    pf.spikeFarbe = 0x445566;
    pf.apLinienstaerke = 3;
    pf.zahlenMaske = 62;
    pf.zahlenPositionAbsolut = 1;
    pf.zahlenPositionRelativ = 2;
    pf.xAchseAutomatisch = 0;
    pf.stromreizAnzeigen = 0;
    pf.stromreizFarbe = 0x778899;
    pf.stromreizHoehe = 21;
    pf.stromreizDicke = 3;
    pf.stromreizPosition = 6;
    pf.klassenmarkenFarbe = 0xAABBCC;
    pf.klassenmarkenLaenge = 22;
    pf.klassenmarkenDicke = 4;
    pf.klassenmarkenTextabstand = 9;
    pf.levelPruefen = 0;
    pf.stromreiz.reizart = 1;
    pf.stromreiz.beginn = 0.1;
    pf.stromreiz.anstieg = 0.01;
    pf.stromreiz.ende = 0.9;
    pf.stromreiz.dach = 0.02;
    pf.stromreiz.periode = 0.05;
    pf.stromreiz.abfall = 0.03;
    pf.stromreiz.amplitude = 1.5e-9;
    pf.stromreiz.pause = 0.2;
    pf.stromreiz.anzahl = 4;
    pf.stromreiz.alternieren = 1;
    permutationsDiagramm.fensterBreite = 801;
    permutationsDiagramm.fensterHoehe = 602;
    permutationsDiagramm.fensterX = 13;
    permutationsDiagramm.fensterY = 14;
    // server ("%g": values of six digits come back exactly)
    serverDaten = {3, "Eingang", 900, "Ausgang", 3, 0.00125, -1234, 2.5e-9, 0.0005, 0.002, 0.003, 4.5e-9, 2000,
                   0.015, 1, 1.25e-10, 0.875, 1.5, 321, 1, 1, 1, "strom datei"};
    // protocol window
    protokoll.x = 101;
    protokoll.y = 102;
    protokoll.breite = 503;
    protokoll.hoehe = 404;
    protokoll.eingebettet = 0;
    protokoll.eingebetteteHoehe = 75;
    protokoll.sichtbar = 0;
    protokoll.gesicherterText = "Lauf 1\nLauf 2";

    const std::string text = gespeichert();
    const Simulationsparameter spVorher = sp;
    const HauptfensterGeometrie hVorher = hauptfensterGeometrie;
    const NeueSynapseVorgaben nsVorher = neueSynapseVorgaben;
    const Netzvorgaben nvVorher = netzvorgaben;
    const Wiedergabe wVorher = wiedergabe;
    const Synapsenfarben sfVorher = synapsenfarben;
    const auto kfVorher = kurvenStandardfarben;
    const SeitenEinrichtung snVorher = seiteNetzfenster, sdVorher = seiteDiagrammfenster;
    const auto flVorher = fensterliste;
    const PermutationsFensterEinstellungen pfVorher = pf;
    const DiagrammDaten dVorher = permutationsDiagramm;
    const ServerDaten svVorher = serverDaten;
    const Protokoll prVorher = protokoll;

    // everything back to its start value, then the file read into an empty network
    einstellungenVoreinstellen();
    simulationsparameterVoreinstellen();
    spikeAufzeichnung.aufzeichnen = 0;
    programmStatus = 0;
    modusStatus = 0;
    ASSERT_EQ(laden(text), 1);

    EXPECT_EQ(hauptfensterGeometrie.x, hVorher.x);
    EXPECT_EQ(hauptfensterGeometrie.y, hVorher.y);
    EXPECT_EQ(hauptfensterGeometrie.breite, hVorher.breite);
    EXPECT_EQ(hauptfensterGeometrie.hoehe, hVorher.hoehe);
    EXPECT_EQ(neuronnamenAnzeigen, 0);
    EXPECT_TRUE(programmStatus & programmBit::AxoAxonisch);
    EXPECT_EQ(sp.netzwerkmodell, spVorher.netzwerkmodell);
    EXPECT_EQ(sp.netzwerkVariante, spVorher.netzwerkVariante);
    EXPECT_EQ(sp.netzwerktyp, spVorher.netzwerktyp);
    EXPECT_EQ(sp.anzahlSegmente, 6);
    EXPECT_EQ(sp.simulationsDauer, spVorher.simulationsDauer);
    EXPECT_EQ(sp.schrittweite, spVorher.schrittweite);
    EXPECT_EQ(sp.anzahlSchritte, 30000);
    EXPECT_EQ(sp.spikeSchwelle, spVorher.spikeSchwelle);
    EXPECT_EQ(sp.anzeigeIntervall, spVorher.anzeigeIntervall);
    EXPECT_EQ(sp.integrationsmethode, spVorher.integrationsmethode);
    EXPECT_EQ(sp.rauschenEin, 1);
    EXPECT_EQ(sp.rauschenNurExzitatorisch, 1);
    EXPECT_EQ(neueSynapseVorgaben.verzoegerung, nsVorher.verzoegerung);
    EXPECT_EQ(neueSynapseVorgaben.leitfaehigkeit, nsVorher.leitfaehigkeit);
    EXPECT_EQ(neueSynapseVorgaben.maxLeitfaehigkeit, nsVorher.maxLeitfaehigkeit);
    EXPECT_EQ(neueSynapseVorgaben.freisetzungsSchwelle, nsVorher.freisetzungsSchwelle);
    EXPECT_EQ(neueSynapseVorgaben.freisetzungsSaettigung, nsVorher.freisetzungsSaettigung);
    EXPECT_EQ(dialogEinstellungen.werteChecken, 0);
    EXPECT_EQ(netzvorgaben.rauschHaeufigkeit, nvVorher.rauschHaeufigkeit);
    EXPECT_EQ(netzvorgaben.rauschStaerke, nvVorher.rauschStaerke);
    EXPECT_EQ(netzvorgaben.rauschAbklingzeit, nvVorher.rauschAbklingzeit);
    EXPECT_EQ(netzvorgaben.startpotential, nvVorher.startpotential);
    EXPECT_EQ(netzvorgaben.startpotentialStreuung, nvVorher.startpotentialStreuung);
    EXPECT_EQ(netzvorgaben.synapsenStaerke, nvVorher.synapsenStaerke);
    EXPECT_EQ(netzvorgaben.synapsenStaerkeStreuung, nvVorher.synapsenStaerkeStreuung);
    EXPECT_EQ(netzvorgaben.axoStaerke, nvVorher.axoStaerke);
    EXPECT_EQ(netzvorgaben.axoStaerkeStreuung, nvVorher.axoStaerkeStreuung);
    EXPECT_EQ(netzvorgaben.uebertragungszeit, nvVorher.uebertragungszeit);
    EXPECT_EQ(netzvorgaben.uebertragungszeitStreuung, nvVorher.uebertragungszeitStreuung);
    EXPECT_EQ(netzvorgaben.elektrischeSynapsenEingeschraenkt, 0);
    EXPECT_EQ(skriptMeldungenAnzeigen, 0);
    EXPECT_EQ(spikeAufzeichnung.aufzeichnen, 1);
    EXPECT_EQ(wiedergabe.apAnzeigedauer, wVorher.apAnzeigedauer);
    EXPECT_EQ(wiedergabe.verzoegerung, wVorher.verzoegerung);
    EXPECT_EQ(wiedergabe.blockgroesse, wVorher.blockgroesse);
    EXPECT_EQ(wiedergabe.tonAbspielen, wVorher.tonAbspielen);
    EXPECT_EQ(wiedergabe.hintergrund, wVorher.hintergrund);
    EXPECT_EQ(synapsenfarben.natrium, sfVorher.natrium);
    EXPECT_EQ(synapsenfarben.inhibitorisch, sfVorher.inhibitorisch);
    EXPECT_EQ(synapsenfarben.elektrisch, sfVorher.elektrisch);
    EXPECT_EQ(synapsenfarben.chemisch, sfVorher.chemisch);
    EXPECT_EQ(synapsenfarben.axo, sfVorher.axo);
    EXPECT_EQ(synapsenfarben.gruppenNummern, sfVorher.gruppenNummern);
    EXPECT_EQ(kurvenStandardfarben, kfVorher);
    gleicheSeite(seiteNetzfenster, snVorher);
    gleicheSeite(seiteDiagrammfenster, sdVorher);
    for (size_t i = 0; i < fensterliste.size(); ++i) {
        EXPECT_EQ(fensterliste[i].neuronId, flVorher[i].neuronId) << i;
        EXPECT_EQ(fensterliste[i].diagrammId, flVorher[i].diagrammId) << i;
        EXPECT_EQ(fensterliste[i].x, flVorher[i].x) << i;
        EXPECT_EQ(fensterliste[i].y, flVorher[i].y) << i;
        EXPECT_EQ(fensterliste[i].breite, flVorher[i].breite) << i;
        EXPECT_EQ(fensterliste[i].hoehe, flVorher[i].hoehe) << i;
    }
    EXPECT_TRUE(modusStatus & modusBit::Teilsimulation);
    EXPECT_EQ(maxBinDateiGroesse, 0x7fefffffu);
    gleichePermutation(permutationsFenster, pfVorher);
    EXPECT_EQ(permutationsDiagramm.fensterBreite, dVorher.fensterBreite);
    EXPECT_EQ(permutationsDiagramm.fensterHoehe, dVorher.fensterHoehe);
    EXPECT_EQ(permutationsDiagramm.fensterX, dVorher.fensterX);
    EXPECT_EQ(permutationsDiagramm.fensterY, dVorher.fensterY);
    // the names come from the neurons read, which carry no name of their own here
    gleicherServer(serverDaten, svVorher);
    EXPECT_EQ(serverDaten.eingangsNeuronName, neuronNachNummer(3)->name);
    EXPECT_EQ(protokoll.x, prVorher.x);
    EXPECT_EQ(protokoll.y, prVorher.y);
    EXPECT_EQ(protokoll.breite, prVorher.breite);
    EXPECT_EQ(protokoll.hoehe, prVorher.hoehe);
    EXPECT_EQ(protokoll.eingebettet, prVorher.eingebettet);
    EXPECT_EQ(protokoll.eingebetteteHoehe, prVorher.eingebetteteHoehe);
    EXPECT_EQ(protokoll.sichtbar, prVorher.sichtbar);
    EXPECT_EQ(protokoll.gesicherterText, prVorher.gesicherterText);
    EXPECT_EQ(boxLog().size(), 0u);
}

TEST_F(Rundreise, GruppenKommenMitIhrenMitgliedernZurueck)
{
    // the synapses themselves are read by the synapse sections; here they are made again
    const auto netzBauen = [&] {
        NeuronDaten* a = neu(1);
        NeuronDaten* b = neu(2);
        std::vector<SynapseDaten*> s;
        for (int i = 0; i < 4; ++i)
            s.push_back(verbinde(i % 2 ? b : a, i % 2 ? a : b));
        return s;
    };
    std::vector<SynapseDaten*> s = netzBauen();
    const std::string name = "gruppe mit ä";
    ASSERT_TRUE(synapsengruppeBelegen(5, *s[2], &name));
    ASSERT_TRUE(synapseInGruppeEintragen(5, *s[0]));
    ASSERT_TRUE(synapseInGruppeEintragen(5, *s[3]));
    ASSERT_TRUE(synapsengruppeBelegen(9, *s[1], nullptr));
    const std::vector<int> mitglieder = synapsengruppen[5].mitglieder;
    std::string text = imSpeicher();

    netzLoeschen();
    s = netzBauen();
    ASSERT_TRUE(gruppenLesen(text.data(), nullptr));
    EXPECT_EQ(synapsengruppenZahl, 2);
    EXPECT_EQ(synapsengruppen[1].mitglieder, mitglieder);   // renumbered from 1
    EXPECT_EQ(synapsengruppen[1].name, name);
    EXPECT_EQ(synapsengruppen[2].mitglieder, std::vector<int>{s[1]->id});
    EXPECT_EQ(s[2]->gruppe, 1);
    EXPECT_EQ(s[1]->gruppe, 2);
    EXPECT_EQ(boxLog().size(), 0u);
}
