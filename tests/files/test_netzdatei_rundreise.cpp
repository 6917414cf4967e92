// tests/files/test_netzdatei_rundreise.cpp - a whole network saved as a file and read back
// into the empty network, field by field
#include "netzdatei_hilfe.h"
#include "model/gruppen.h"
#include <algorithm>
#include <tuple>

namespace {

template <class Tupel>
void fuellen(Tupel felder, int basis)
{
    Fueller f{basis};
    std::apply([&](auto&... x) { (f(x), ...); }, felder);
}
// each field of two lists alike; a failure names the field's place in the list
template <class A, class B>
void vergleichen(const A& a, const B& b, const std::string& was)
{
    const auto f = [&](const auto& x, const auto& y, size_t i) { EXPECT_EQ(x, y) << was << ", field " << i; };
    [&]<size_t... I>(std::index_sequence<I...>) { (f(std::get<I>(a), std::get<I>(b), I), ...); }(
        std::make_index_sequence<std::tuple_size_v<A>>{});
}

// what the neuron block and the old currents keep of a neuron
auto neuronFelder(NeuronDaten& n)
{
    SpikefolgenEinstellungen& b = n.spikefolge;
    Spannungsklemme& k = n.klemme;
    Potentialbegrenzung& p = n.begrenzung;
    return std::tie(n.name, n.parameter, n.modellTyp, n.tonFrequenz, n.tonDauer, n.axonFarbe, n.pspSchwelle,
                    n.dendSCLocation, n.kcaModus, n.x, n.y, b.flags, b.mindestApAnzahlGesamt, b.burstFaktor,
                    b.mindestSpikeAnzahl, b.mindestLaenge, b.mindestFrequenz, b.relativeSpikeAnzahl,
                    b.relativeLaenge, b.relativeFrequenz, b.lueckeMinimum, b.lueckeMaximum, b.kastenFarbe,
                    b.kastenAbstand, n.rauschAbklingzeit, n.rauschHaeufigkeit,
                    n.rauschIntensitaet, n.farbe, n.randFarbe, n.kennzeichnungFarbe, n.kennzeichnungLaenge,
                    n.kennzeichnungDicke, n.kennzeichnungPosition, n.dendritRichtung, n.groesse,
                    n.somaGroesse, n.dendritenLaenge, n.dendritDicke, n.segmentTrennerDicke, n.axonLaenge,
                    n.synapsenGroesse, n.ausgabeX, n.ausgabeY, n.ausgabeBreite, n.ausgabeHoehe, k.flags,
                    k.alleGleich, k.pulsBeginn, k.pulsEnde, k.startSpannung, k.pulsSpannung, k.endSpannung,
                    n.strominjektionBezeichnung, n.diskX, n.diskY, n.bildAnzeigen, n.bildX, n.bildY,
                    n.bildIconDatei, n.bildIconMarkDatei, n.bmpDatei, n.bmpX, n.bmpY, n.bmpAnzeigen,
                    n.spikezeitenSpeichern, n.pspModus, n.exportMaske, n.tonBeiSpike, n.izhikevichAktiv,
                    n.izA, n.izB, n.izC, n.izD, n.izVStart, n.izUStart, n.izSpitze, n.izhikevichKorrigieren,
                    n.izhikevichBezeichnung, n.oeffnungSynapseId, n.oeffnungBezeichnung, n.oeffnungRingLaenge,
                    p.an, p.kompartimentAn, p.art, p.oben, p.unten, p.bogenFarbe, p.bogenAbstand,
                    p.bogenDicke, n.somaSCStart, n.somaSCEnd, n.dendSCStart, n.dendSCEnd, n.rauschenAn);
}
auto torFelder(KCaTor& t)
{
    return std::tie(t.potenz, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittAlpha, t.formBeta, t.rateBeta,
                    t.v0Beta, t.schrittBeta, t.hilfsParamAlpha, t.hilfsParamBeta);
}
auto kcaFelder(KCaKanal& c)
{
    return std::tuple_cat(std::tie(c.caAbbau, c.caHintergrund, c.caAussen, c.zellvolumenKonstante,
                                   c.temperatur, c.gCa1, c.gCa2, c.gKCa, c.eKCa, c.caStart, c.cStart,
                                   c.dStart, c.eStart, c.pStart, c.qStart, c.stroemeAnzeigen,
                                   c.mitInaktivierung, c.spannungsabhaengig, c.oeffnungAnzeigen),
                          torFelder(c.tore[0]), torFelder(c.tore[1]), torFelder(c.tore[2]),
                          torFelder(c.tore[3]), torFelder(c.tore[4]));
}
auto reizFelder(StromreizDefinition& d)
{
    return std::tie(d.an, d.reizart, d.dauerreiz, d.anzahl, d.beginn, d.anstieg, d.ende, d.dach, d.periode,
                    d.abfall, d.amplitude, d.pause, d.ausDatei, d.reizName, d.reizDatei, d.anzahlBursts,
                    d.burstabstand, d.einzelreiz, d.alternieren);
}
// what the synapse sections keep of an axo-axonic synapse, and of an ordinary one
auto axoFelder(SynapseDaten& s)
{
    TransmitterDynamik& t = s.transmitter;
    return std::tie(s.verzoegerung, s.initialLeitfaehigkeit, s.leitfaehigkeit, s.freisetzungsSchwelle,
                    s.freisetzungsSaettigung, s.ausgeschalteteLeitfaehigkeit, s.ausgeschaltet, t.an, t.e, t.g,
                    t.potenz, t.initialwert, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittweiteAlpha,
                    t.formBeta, t.rateBeta, t.v0Beta, t.schrittweiteBeta, t.faktor, t.abBerechnung);
}
auto synapsenFelder(SynapseDaten& s)
{
    Bahnung& b = s.bahnung;
    PspForm& p = s.psp;
    return std::tuple_cat(axoFelder(s),
                          std::tie(s.elektrischerTyp, s.freisetzungszeit, s.gewichtungsfaktor,
                                   s.verzoegerungsfaktorAn, b.an, b.art, b.a, b.b, b.tau, b.maximalwertAn,
                                   b.maximalwert, b.tauAb, p.an, p.art, p.anfangPolynom, p.dauerPolynom,
                                   p.polynom, p.polynomAbfall, p.anfangExp, p.dauerExp, p.expAAnstieg,
                                   p.expAAbfall, p.expTauAnstieg, p.expTauAbfall));
}

// the settings the network file keeps beside neurons and synapses
auto schriftFelder(FontDaten& s)
{
    return std::tie(s.farbe, s.kursiv, s.orientierung, s.punkte, s.unterstrichen, s.gewicht, s.name);
}
auto seitenFelder(SeitenEinrichtung& s)
{
    return std::tuple_cat(std::tie(s.ausrichtung, s.randOben, s.randUnten, s.randLinks, s.randRechts,
                                   s.seitenZoom, s.umrandung, s.umrandungDickeMm, s.umrandungArt,
                                   s.umrandungFarbe, s.kopfzeile, s.kopfAusrichtung, s.kopfAbstandMm,
                                   s.kopfText, s.fusszeile, s.fussAusrichtung, s.fussAbstandMm, s.fussText,
                                   s.rahmenZeichnen),
                          schriftFelder(s.kopfSchrift), schriftFelder(s.fussSchrift));
}
auto einstellungsFelder()
{
    HauptfensterGeometrie& h = hauptfensterGeometrie;
    NeueSynapseVorgaben& v = neueSynapseVorgaben;
    Netzvorgaben& nv = netzvorgaben;
    Wiedergabe& w = wiedergabe;
    Synapsenfarben& f = synapsenfarben;
    Simulationsparameter& sp = simulationsParameter;
    Protokoll& pr = protokoll;
    PermutationsFensterEinstellungen& p = permutationsFenster;
    StromreizDefinition& r = p.stromreiz;
    DiagrammDaten& d = permutationsDiagramm;
    ServerDaten& s = serverDaten;
    return std::tuple_cat(
        std::tie(h.x, h.y, h.breite, h.hoehe, neuronnamenAnzeigen, v.verzoegerung, v.leitfaehigkeit,
                 v.maxLeitfaehigkeit, v.freisetzungsSchwelle, v.freisetzungsSaettigung, sp.spikeSchwelle,
                 sp.anzeigeIntervall, sp.rauschenEin, sp.rauschenNurExzitatorisch, nv.rauschHaeufigkeit,
                 nv.rauschStaerke, nv.rauschAbklingzeit, nv.startpotential, nv.startpotentialStreuung,
                 nv.synapsenStaerke, nv.synapsenStaerkeStreuung, nv.axoStaerke, nv.axoStaerkeStreuung,
                 nv.uebertragungszeit, nv.uebertragungszeitStreuung, nv.elektrischeSynapsenEingeschraenkt,
                 skriptMeldungenAnzeigen, dialogEinstellungen.werteChecken, spikeAufzeichnung.aufzeichnen,
                 w.apAnzeigedauer, w.verzoegerung, w.blockgroesse, w.tonAbspielen, w.hintergrund, f.natrium,
                 f.inhibitorisch, f.elektrisch, f.chemisch, f.axo, f.gruppenNummern, kurvenStandardfarben),
        seitenFelder(seiteNetzfenster), seitenFelder(seiteDiagrammfenster),
        std::tie(pr.x, pr.y, pr.breite, pr.hoehe, pr.eingebettet, pr.eingebetteteHoehe, pr.gesicherterText,
                 pr.schrift.punkte, pr.schrift.name, pr.schrift.gewicht, pr.schrift.kursiv,
                 pr.schrift.unterstrichen, maxBinDateiGroesse, p.levelBalkenAnzeigen, p.balkenFarbe,
                 p.balkenAbstandYAchse, p.balkenUnterkante, p.balkenBreiteProzent, p.balkenMaximalHoehe,
                 p.balkenSockel, p.textAbstand, p.synapsenBezeichnungAnzeigen, p.spikeFarbe,
                 p.apLinienstaerke, p.zahlenMaske, p.zahlenPositionAbsolut, p.zahlenPositionRelativ,
                 p.xAchseAutomatisch, p.stromreizAnzeigen, p.stromreizFarbe, p.stromreizHoehe,
                 p.stromreizDicke, p.stromreizPosition, p.klassenmarkenFarbe, p.klassenmarkenLaenge,
                 p.klassenmarkenDicke, p.klassenmarkenTextabstand, p.levelPruefen, r.reizart, r.beginn,
                 r.anstieg, r.ende, r.dach, r.periode, r.abfall, r.amplitude, r.pause, r.anzahl,
                 r.alternieren, d.fensterBreite, d.fensterHoehe, d.fensterX, d.fensterY, s.pulsHoehe,
                 s.ausgangsReizstrom, s.ausgangsReizdauer, s.ereignisReizdauer, s.ereignisTotzeit,
                 s.ereignisReizstrom, s.ereignisSchwelle, s.verzoegerung, s.anfangVerzoegern, s.stromFaktor,
                 s.eichfaktor, s.daKalibrierung, s.daAusgabefaktor, s.eingangAusgeben,
                 s.somaPotentialAusgeben, s.stromInDatei, s.stromDatei, sp.netzwerkmodell,
                 sp.netzwerkVariante, sp.netzwerktyp, sp.anzahlSegmente, sp.simulationsDauer, sp.schrittweite,
                 sp.anzahlSchritte, sp.integrationsmethode));
}

// Four neurons of the four models in a dendrite of six segments (stimulus definitions on
// soma and segments 1-3 only), each with the model ranges it has (neuron 12 two of them).
struct NeuronPlan {
    int nummer, modell;
    std::vector<size_t> gereizt;   // compartments with a stimulus
    int kca;
};
const NeuronPlan neuronPlan[] = {
    {3, modell::OnOff, {0, 2}, kcaModus::Aus},
    {12, modell::Swim, {0, 1, 3}, kcaModus::An},
    {7, modell::HodgkinHuxley, {3}, kcaModus::Ausgeschaltet},
    {900, modell::GolowaschBuchholz, {}, kcaModus::Aus},
};

// The neuron of the plan; geladen: as the file gives it back, with the losses of its format.
void neuronFuellen(NeuronDaten& n, const NeuronPlan& plan, bool geladen)
{
    fuellen(neuronFelder(n), 1000 * (plan.nummer % 10) + plan.nummer);
    n.name = "Neuron \xE4 " + std::to_string(plan.nummer);
    // drawing sizes and line widths within the ranges the reader takes
    for (int* g : {&n.kennzeichnungLaenge, &n.groesse, &n.somaGroesse, &n.dendritenLaenge, &n.dendritDicke,
                   &n.axonLaenge, &n.synapsenGroesse, &n.begrenzung.bogenAbstand, &n.spikefolge.kastenAbstand})
        *g %= 2001;
    for (int* d : {&n.kennzeichnungDicke, &n.segmentTrennerDicke, &n.begrenzung.bogenDicke})
        *d %= 101;
    n.modellTyp = plan.modell;
    n.tonFrequenz = 440.0 + plan.nummer;
    n.tonDauer = geladen ? 0.123457 : 0.1234567;           // "%f"
    n.axonFarbe = geladen ? 0 : plattform::KeineFarbe;     // written as black
    n.pspSchwelle = 0.3f;
    n.dendSCLocation = plan.nummer % 4;
    for (int i = 0; i < anzahlParameter; ++i)
        n.parameter[i] = i < 12 ? 0.5 + i : 0.0;
    const ParameterBereich zweiter = plan.nummer == 12 ? bereich::HodgkinHuxley : bereich::Gemeinsam;
    for (ParameterBereich b : {modellBereich(plan.modell), zweiter})
        for (int i = b.erster; i <= b.letzter(); ++i)
            n.parameter[i] = plan.nummer + i * 0.125;
    // a range whose values cancel out (all but neuron 3's) is written all the same
    n.parameter[par::Phase1E] = 1.5;
    n.parameter[par::Phase1G] = -1.5;
    for (size_t s : plan.gereizt) {
        StromreizDefinition& d = n.stromreize[s];
        fuellen(reizFelder(d), 50 * plan.nummer + 10 * static_cast<int>(s));
        // a pulse pair whose table the reader builds, on the soma in bursts
        std::tie(d.an, d.reizart, d.dauerreiz, d.ausDatei, d.anzahl, d.anzahlBursts, d.alternieren) =
            std::tuple(1, static_cast<int>(s % 2), 0, 0, 2, s ? 0 : 2, s ? 1 : 0);
        d.beginn = d.anstieg = d.dach = d.abfall = d.periode = 0.03125;
        d.ende = d.pause = 0.25;
        d.burstabstand = d.einzelreiz = s ? 0.0 : 0.375;
        d.amplitude = static_cast<double>(s + 1) / 1e9;
    }
    n.kcaModus = plan.kca;
    if (plan.kca != kcaModus::Aus) {
        n.kca = std::make_unique<KCaKanal>();
        fuellen(kcaFelder(*n.kca), plan.nummer);
    }
}

// Synapses of every type (the fifth one the file's own) on soma and dendrite, an electrical
// one switched off, two without a transmitter block ("form alpha" 0 and below), one onto
// its own neuron.
struct SynapsenPlan {
    int von, auf, typ, bereich;
    double formAlpha;
};
const SynapsenPlan synapsenPlan[] = {
    {3, 12, 0, 0, 2.0}, {12, 7, 1, 2, 1.0}, {7, 900, 2, 6, 3.0},
    {900, 3, 3, 1, 1.0}, {12, 12, 0, 0, 0.0}, {3, 7, 4, 3, -1.0},
};

void synapseFuellen(SynapseDaten& s, size_t i, bool geladen)
{
    const int k = static_cast<int>(i);
    fuellen(synapsenFelder(s), 200 * k);
    s.elektrischerTyp = k % 3;
    s.verzoegerung = 0.001 * (k + 1);
    s.initialLeitfaehigkeit = (k + 1) / 1e8;
    s.ausgeschaltet = synapsenPlan[i].typ == 3;
    s.leitfaehigkeit = s.ausgeschaltet ? 0.0 : s.initialLeitfaehigkeit;
    s.transmitter.formAlpha = synapsenPlan[i].formAlpha;
    if (geladen && !(s.transmitter.formAlpha > 0.0))
        s.transmitter = TransmitterDynamik{};   // a new synapse's: not written, not read
    // "%f": a release time below half a microsecond is gone
    s.freisetzungszeit = i == 3 ? (geladen ? 0.0 : 4e-7) : 0.000125 * (k + 1);
    s.gewichtungsfaktor = geladen ? 1.234568 : 1.2345678;
}

// switched off: the axo-axonic synapse keeps no conductance
void axoFuellen(SynapseDaten& s, bool geladen)
{
    fuellen(axoFelder(s), 700);
    s.verzoegerung = 0.0015;
    s.initialLeitfaehigkeit = geladen ? 0.0 : 0.625;
    s.leitfaehigkeit = 0.0;
    s.ausgeschaltet = 1;
    s.transmitter.formAlpha = 4.0;
}

} // namespace

TEST_F(NetzdateiFall, EinGanzesNetzKommtAusDerDateiFeldFuerFeldZurueck)
{
    // the global keys and the settings of the file
    Simulationsparameter& sp = simulationsParameter;
    fuellen(einstellungsFelder(), 0);
    std::tie(sp.netzwerkmodell, sp.netzwerkVariante, sp.netzwerktyp, sp.anzahlSegmente, sp.simulationsDauer,
             sp.schrittweite, sp.anzahlSchritte, sp.integrationsmethode, maxBinDateiGroesse) =
        std::tuple(modell::HodgkinHuxley, 1, 4, 6, 0.5, 2.5e-5, 20000, integration::RungeKutta4, 0xFFFFFFF0u);
    // the display's line widths within what the reader takes (0..100)
    PermutationsFensterEinstellungen& p = permutationsFenster;
    std::tie(p.apLinienstaerke, p.stromreizDicke, p.klassenmarkenDicke) = std::tuple(3, 4, 5);
    // the page texts as typed: a "//" and the blanks at either end are part of them
    seiteNetzfenster.kopfText = "Quelle: http://labor.example/x";
    seiteDiagrammfenster.fussText = "   einger\xFC" "ckt // Seite  ";
    const auto einstellungenVorher =   // the values, not the fields
        std::apply([](const auto&... x) { return std::make_tuple(x...); }, einstellungsFelder());
    serverDaten.pulsDauer = 0.00123456789;   // "%g"
    programmStatus |= programmBit::AxoAxonisch;
    modusStatus |= modusBit::Teilsimulation;
    protokoll.sichtbar = 0;
    fensterliste[0] = {12, 0, 10, 20, 300, 200};
    fensterliste[1] = {900, 2, -5, 40, 640, 480};
    synapsenTypen.push_back({ionenArt::Natrium, 0.0425, "schnell \xFC"});
    synapsenTypAnzahl = 5;

    // neurons, synapses, an axo-axonic synapse, groups in slots 3 and 7
    for (const NeuronPlan& p : neuronPlan)
        neuronFuellen(*neu(p.nummer), p, false);
    std::vector<SynapseDaten*> s;
    std::vector<int> ids;
    for (size_t i = 0; i < std::size(synapsenPlan); ++i) {
        const SynapsenPlan& p = synapsenPlan[i];
        s.push_back(
            verbinde(neuronNachNummer(p.von), neuronNachNummer(p.auf), p.typ, 1e-7, 0.001, p.bereich));
        ASSERT_NE(s[i], nullptr) << i;
        synapseFuellen(*s[i], i, false);
        ids.push_back(s[i]->id);
    }
    SynapseDaten* axo = verbinde(neuronNachNummer(900), nullptr, 1, 0.625, 0.0015, kontaktort::Axo, s[1]);
    ASSERT_NE(axo, nullptr);
    axoFuellen(*axo, false);
    const int axoId = axo->id;
    ServerDaten& sv = serverDaten;
    std::tie(sv.eingangsNeuron, sv.ausgangsNeuron, sv.angezeigtesNeuron) = std::tuple(7, 900, 3);
    neuronMarkieren(neuronNachNummer(7), 1);
    const std::string gruppeA = "erste \xE4", gruppeB = "zweite";
    ASSERT_TRUE(synapsengruppeBelegen(3, *s[2], &gruppeA) && synapseInGruppeEintragen(3, *s[0]));
    ASSERT_TRUE(synapsengruppeBelegen(7, *s[5], &gruppeB) && synapseInGruppeEintragen(7, *axo));
    const std::vector<int> mitgliederA = synapsengruppen[3].mitglieder,
                           mitgliederB = synapsengruppen[7].mitglieder;

    // saved, everything back to its start, read into the empty network
    gespeichert();
    netzLoeschen();
    einstellungenVoreinstellen();
    simulationsparameterVoreinstellen();
    spikeAufzeichnung.aufzeichnen = 0;
    programmStatus = modusStatus = 0;
    std::string name = pfad();
    ASSERT_EQ(guiDateiLaden(name), 1);
    for (const auto& b : pt::boxLog())
        ADD_FAILURE() << b.text;

    // the settings
    vergleichen(einstellungsFelder(), einstellungenVorher, "settings");
    EXPECT_EQ(std::tie(sv.pulsDauer, sv.eingangsNeuron, sv.ausgangsNeuron, sv.angezeigtesNeuron,
                       sv.eingangsNeuronName),
              std::make_tuple(0.00123457, 7, 900, 3, std::string("Neuron \xE4 7")));
    EXPECT_TRUE((programmStatus & programmBit::AxoAxonisch) && (modusStatus & modusBit::Teilsimulation));
    const FensterlistenEintrag& f = fensterliste[1];
    EXPECT_EQ(std::tie(f.neuronId, f.diagrammId, f.x, f.y, f.breite, f.hoehe, fensterliste[2].neuronId),
              std::make_tuple(900, 2, -5, 40, 640, 480, 0));
    ASSERT_EQ(synapsenTypen.size(), 5u);
    EXPECT_EQ(std::tie(synapsenTypen[4].ion, synapsenTypen[4].potential, synapsenTypen[4].bezeichnung),
              std::tuple(ionenArt::Natrium, 0.0425, "schnell \xFC"));

    // the neurons in their order with parameters, stimuli and their tables, K(Ca), mark
    for (const NeuronPlan& p : neuronPlan) {
        SCOPED_TRACE(p.nummer);
        NeuronDaten* n = neuronNachNummer(p.nummer);
        ASSERT_NE(n, nullptr);
        NeuronDaten* e = neuronNeu(-1, 0);
        neuronFuellen(*e, p, true);
        vergleichen(neuronFelder(*n), neuronFelder(*e), "neuron");
        for (size_t k = 0; k < reizDefinitionen; ++k)
            vergleichen(reizFelder(n->stromreize[k]), reizFelder(e->stromreize[k]),
                        "stimulus " + std::to_string(k));
        for (size_t k : p.gereizt)
            EXPECT_GT(n->stromTabellen[k].anzahlPunkte, 3) << k;
        EXPECT_EQ(n->gereizteKompartimente, static_cast<int>(p.gereizt.size()));
        ASSERT_EQ(n->kca != nullptr, e->kca != nullptr);
        if (e->kca)
            vergleichen(kcaFelder(*n->kca), kcaFelder(*e->kca), "K(Ca)");
        EXPECT_EQ(n->markiert, p.nummer == 7);
        neuronFreigeben(e);
    }
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{3, 12, 7, 900}));   // in the order of the plan
    EXPECT_EQ(std::tie(neuronKette.anzahl, neuronKette.hoechsteNummer), std::make_tuple(4, 900));
    EXPECT_EQ(markierteNeurone.liste.size(), 1u);

    // the synapses under their ids, the axo-axonic one on its parent, the groups renumbered
    for (size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE(i);
        SynapseDaten* g = synapseNachId(ids[i]);
        ASSERT_NE(g, nullptr);
        SynapseDaten e;
        synapseFuellen(e, i, true);
        vergleichen(synapsenFelder(*g), synapsenFelder(e), "synapse");
        const SynapsenPlan& p = synapsenPlan[i];
        EXPECT_EQ(std::tie(g->quellNummer, g->zielNummer, g->synapsenTyp, g->zielBereich),
                  std::tie(p.von, p.auf, p.typ, p.bereich));
    }
    SynapseDaten* a = synapseNachId(axoId);
    ASSERT_NE(a, nullptr);
    SynapseDaten e;
    axoFuellen(e, true);
    vergleichen(axoFelder(*a), axoFelder(e), "axo-axonic synapse");
    EXPECT_EQ(std::tie(a->elternSynapse, a->quellNummer, a->zielNummer, a->synapsenTyp),
              std::make_tuple(synapseNachId(ids[1]), 900, 7, 1));
    EXPECT_EQ(std::tie(synapsenZaehler, axoZaehler, synapsengruppenZahl), std::make_tuple(7, 1, 2));
    const auto& g = synapsengruppen;
    EXPECT_EQ(std::tie(g[1].mitglieder, g[1].name, g[2].mitglieder, g[2].name),
              std::tie(mitgliederA, gruppeA, mitgliederB, gruppeB));
    EXPECT_EQ(std::tie(synapseNachId(ids[2])->gruppe, a->gruppe), std::make_tuple(1, 2));

    // the same file read again, with LF and UTF-8 as an editor leaves it, gives the same network
    const std::string einmal = imSpeicher();
    std::string text = testhilfe::lesen(name);
    std::erase(text, '\r');
    ASSERT_NE(plattform::nachUtf8(text), text);   // the keys with umlauts differ in their bytes
    ASSERT_EQ(laden("\xEF\xBB\xBF" + plattform::nachUtf8(text)), 1);
    EXPECT_EQ(imSpeicher(), einmal);
}
