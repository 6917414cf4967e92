// tests/files/test_netzdatei_gesamt.cpp - a whole network saved as a file and read back
// into the empty network, field by field
#include "netzdatei_hilfe.h"
#include "model/gruppen.h"
#include "model/stromreiz.h"
#include <tuple>

using namespace plattform::test;

namespace {

// Gives every field of a list its own value from a running number. The values keep all
// their digits through "%.15g", "%f" and the server's "%g" alike; colours stay below the
// "no colour" bit.
struct Fueller {
    int i;
    void operator()(int& f) { f = ++i; }
    void operator()(int16_t& f) { f = static_cast<int16_t>(-++i); }
    void operator()(uint32_t& f) { f = (static_cast<uint32_t>(++i) * 0x010203u) & 0xFFFFFFu; }
    void operator()(double& f) { f = ++i * 0.0625; }
    void operator()(float& f) { f = static_cast<float>(++i) * 0.25f; }
    void operator()(std::string& f) { f = "t" + std::to_string(++i) + " \xFC" "ber"; }
    template <class T, size_t N>
    void operator()(std::array<T, N>& a)
    {
        for (T& x : a)
            (*this)(x);
    }
};
template <class Tupel>
void fuellen(Tupel felder, int basis)
{
    Fueller f{basis};
    std::apply([&](auto&... x) { (f(x), ...); }, felder);
}
// each field of two lists alike; a failure names the field's place in the list
template <class A, class B>
void vergleichen(const A& gelesen, const B& erwartet, const std::string& was)
{
    const auto feld = [&](const auto& x, const auto& y, size_t i) { EXPECT_EQ(x, y) << was << ", field " << i; };
    [&]<size_t... I>(std::index_sequence<I...>) {
        (feld(std::get<I>(gelesen), std::get<I>(erwartet), I), ...);
    }(std::make_index_sequence<std::tuple_size_v<A>>{});
}
// the values a list holds now
template <class Tupel>
auto werte(const Tupel& felder)
{
    return std::apply([](const auto&... x) { return std::make_tuple(x...); }, felder);
}

// what the neuron block, the old currents and the K(Ca) lines keep of a neuron
auto neuronFelder(NeuronDaten& n)
{
    SpikefolgenBewertung& b = n.spikefolge;
    Spannungsklemme& k = n.klemme;
    Potentialbegrenzung& p = n.begrenzung;
    return std::tie(n.name, n.x, n.y, n.parameter, b.an, b.mindestApAnzahl, b.burstFaktor, b.kastenFarbe, b.kastenRand,
                    n.rauschAbklingzeit, n.rauschHaeufigkeit, n.rauschIntensitaet, n.farbe, n.randFarbe, n.axonFarbe,
                    n.kennzeichnungFarbe, n.kennzeichnungLaenge, n.kennzeichnungDicke, n.kennzeichnungPosition,
                    n.dendritRichtung, n.groesse, n.somaGroesse, n.dendritenLaenge, n.dendritDicke,
                    n.segmentTrennerDicke, n.axonLaenge, n.synapsenGroesse, n.ausgabeX, n.ausgabeY, n.ausgabeBreite,
                    n.ausgabeHoehe, k.flags, k.alleGleich, k.pulsBeginn, k.pulsEnde, k.startSpannung, k.pulsSpannung,
                    k.endSpannung, n.strominjektionBezeichnung, n.diskX, n.diskY, n.bildAnzeigen, n.bildX, n.bildY,
                    n.bildIconDatei, n.bildIconMarkDatei, n.bmpDatei, n.bmpX, n.bmpY, n.bmpAnzeigen,
                    n.spikezeitenSpeichern, n.pspModus, n.pspSchwelle, n.exportMaske, n.tonBeiSpike, n.tonDauer,
                    n.izhikevichAktiv, n.izA, n.izB, n.izC, n.izD, n.izVStart, n.izUStart, n.izSpitze,
                    n.izhikevichKorrigieren, n.izhikevichBezeichnung, n.oeffnungSynapseId, n.oeffnungBezeichnung,
                    n.oeffnungRingLaenge, p.an, p.kompartimentAn, p.art, p.oben, p.unten, p.bogenFarbe, p.bogenAbstand,
                    p.bogenDicke, n.somaSCStart, n.somaSCEnd, n.dendSCStart, n.dendSCEnd, n.rauschenAn);
}
auto kcaFelder(KCaKanal& c)
{
    return std::tie(c.caAbbau, c.caHintergrund, c.caAussen, c.zellvolumenKonstante, c.temperatur, c.gCa1, c.gCa2,
                    c.gKCa, c.eKCa, c.caStart, c.cStart, c.dStart, c.eStart, c.pStart, c.qStart, c.stroemeAnzeigen,
                    c.mitInaktivierung, c.spannungsabhaengig, c.oeffnungAnzeigen);
}
auto torFelder(KCaTor& t)
{
    return std::tie(t.potenz, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittAlpha, t.formBeta, t.rateBeta, t.v0Beta,
                    t.schrittBeta, t.hilfsParamAlpha, t.hilfsParamBeta);
}
auto reizFelder(StromreizDefinition& d)
{
    return std::tie(d.an, d.reizart, d.dauerreiz, d.anzahl, d.beginn, d.anstieg, d.ende, d.dach, d.periode, d.abfall,
                    d.amplitude, d.pause, d.ausDatei, d.reizName, d.reizDatei, d.anzahlBursts, d.burstabstand,
                    d.einzelreiz, d.alternieren);
}
// what the synapse sections keep of an ordinary synapse beside its neurons and type
auto synapsenFelder(SynapseDaten& s)
{
    TransmitterDynamik& t = s.transmitter;
    Bahnung& b = s.bahnung;
    PspForm& p = s.psp;
    return std::tie(s.elektrischerTyp, s.verzoegerung, s.initialLeitfaehigkeit, s.ausgeschalteteLeitfaehigkeit,
                    s.freisetzungsSchwelle, s.freisetzungsSaettigung, t.an, t.e, t.g, t.potenz, t.initialwert,
                    t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittweiteAlpha, t.formBeta, t.rateBeta, t.v0Beta,
                    t.schrittweiteBeta, t.faktor, t.abBerechnung, s.freisetzungszeit, s.gewichtungsfaktor,
                    s.verzoegerungsfaktorAn, b.an, b.art, b.a, b.b, b.tau, b.maximalwertAn, b.maximalwert, b.tauAb, p.an,
                    p.art, p.anfangPolynom, p.dauerPolynom, p.polynom, p.polynomAbfall, p.anfangExp, p.dauerExp,
                    p.expAAnstieg, p.expAAbfall, p.expTauAnstieg, p.expTauAbfall);
}
// and of an axo-axonic one
auto axoFelder(SynapseDaten& s)
{
    TransmitterDynamik& t = s.transmitter;
    return std::tie(s.verzoegerung, s.initialLeitfaehigkeit, s.freisetzungsSchwelle, s.freisetzungsSaettigung, t.an,
                    t.e, t.g, t.potenz, t.initialwert, t.formAlpha, t.rateAlpha, t.v0Alpha, t.schrittweiteAlpha,
                    t.formBeta, t.rateBeta, t.v0Beta, t.schrittweiteBeta, t.faktor, t.abBerechnung);
}

// the settings the network file keeps beside neurons and synapses
auto schriftFelder(FontDaten& s) { return std::tie(s.farbe, s.kursiv, s.orientierung, s.punkte, s.unterstrichen, s.gewicht, s.name); }
auto seitenFelder(SeitenEinrichtung& s)
{
    return std::tuple_cat(std::tie(s.ausrichtung, s.randOben, s.randUnten, s.randLinks, s.randRechts, s.seitenZoom,
                                   s.umrandung, s.umrandungDickeMm, s.umrandungArt, s.umrandungFarbe, s.kopfzeile,
                                   s.kopfAusrichtung, s.kopfAbstandMm, s.kopfText, s.fusszeile, s.fussAusrichtung,
                                   s.fussAbstandMm, s.fussText, s.rahmenZeichnen),
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
        std::tie(protokoll.x, protokoll.y, protokoll.breite, protokoll.hoehe, protokoll.eingebettet,
                 protokoll.eingebetteteHoehe, protokoll.gesicherterText, protokoll.schrift.punkte,
                 protokoll.schrift.name, protokoll.schrift.gewicht, protokoll.schrift.kursiv,
                 protokoll.schrift.unterstrichen));
}
auto permutationsFelder()
{
    PermutationsFensterEinstellungen& p = permutationsFenster;
    StromreizDefinition& r = p.stromreiz;
    DiagrammDaten& d = permutationsDiagramm;
    return std::tie(maxBinDateiGroesse, p.levelBalkenAnzeigen, p.balkenFarbe, p.balkenAbstandYAchse,
                    p.balkenUnterkante, p.balkenBreiteProzent, p.balkenMaximalHoehe, p.balkenSockel, p.textAbstand,
                    p.synapsenBezeichnungAnzeigen, p.spikeFarbe, p.apLinienstaerke, p.zahlenMaske,
                    p.zahlenPositionAbsolut, p.zahlenPositionRelativ, p.xAchseAutomatisch, p.stromreizAnzeigen,
                    p.stromreizFarbe, p.stromreizHoehe, p.stromreizDicke, p.stromreizPosition, p.klassenmarkenFarbe,
                    p.klassenmarkenLaenge, p.klassenmarkenDicke, p.klassenmarkenTextabstand, p.levelPruefen,
                    r.reizart, r.beginn, r.anstieg, r.ende, r.dach, r.periode, r.abfall, r.amplitude, r.pause,
                    r.anzahl, r.alternieren, d.fensterBreite, d.fensterHoehe, d.fensterX, d.fensterY);
}
auto serverFelder()
{
    ServerDaten& s = serverDaten;
    return std::tie(s.pulsDauer, s.pulsHoehe, s.ausgangsReizstrom, s.ausgangsReizdauer, s.ereignisReizdauer,
                    s.ereignisTotzeit, s.ereignisReizstrom, s.ereignisSchwelle, s.verzoegerung, s.anfangVerzoegern,
                    s.stromFaktor, s.eichfaktor, s.daKalibrierung, s.daAusgabefaktor, s.eingangAusgeben,
                    s.somaPotentialAusgeben, s.stromInDatei, s.stromDatei);
}

// The neurons: four models, a dendrite of six segments (stimulus definitions on soma and
// segments 1-3 only); each model range of the parameters only where the neuron has one.
struct NeuronPlan {
    int nummer, modell;
    std::vector<ParameterBereich> bereiche;
    std::vector<int> gereizt;   // compartments with a stimulus
    int kca;
};
const NeuronPlan neuronPlan[] = {
    {3, modell::OnOff, {bereich::OnOff}, {0, 2}, kcaModus::Aus},
    {12, modell::Swim, {bereich::Swim, bereich::HodgkinHuxley}, {0, 1, 3}, kcaModus::An},
    {7, modell::HodgkinHuxley, {bereich::HodgkinHuxley}, {3}, kcaModus::Ausgeschaltet},
    {900, modell::GolowaschBuchholz, {bereich::GolowaschBuchholz}, {}, kcaModus::Aus},
};

// a stimulus whose table the reader builds: a pulse pair, on the soma in bursts
StromreizDefinition reizFuer(int nummer, int s)
{
    StromreizDefinition d;
    fuellen(reizFelder(d), 50 * nummer + 10 * s);
    d.an = 1;
    d.reizart = s % 2;
    d.dauerreiz = 0;
    d.anzahl = 2;
    d.ausDatei = 0;
    d.beginn = 0.0625 * (s + 1);
    d.anstieg = d.abfall = 0.0;
    d.dach = 0.03125;
    d.ende = 0.25;
    d.periode = 0.015625;
    d.pause = 0.125;
    d.amplitude = (s + 1) / 1e9;
    d.anzahlBursts = s == 0 ? 2 : 0;
    d.burstabstand = s == 0 ? 0.25 : 0.0;
    d.einzelreiz = s == 0 ? 0.375 : 0.0;
    d.alternieren = s == 0 ? 0 : 1;
    return d;
}

// The neuron of the plan; geladen: as the file gives it back, with the losses of its format
void neuronFuellen(NeuronDaten& n, const NeuronPlan& plan, bool geladen)
{
    fuellen(neuronFelder(n), 1000 * (plan.nummer % 10) + plan.nummer);
    n.name = "Neuron \xE4 " + std::to_string(plan.nummer);
    n.modellTyp = plan.modell;
    n.tonFrequenz = 440.0 + plan.nummer;
    n.tonDauer = geladen ? 0.123457 : 0.1234567;                       // "%f"
    n.axonFarbe = geladen ? 0 : plattform::KeineFarbe;                 // no colour: black
    n.pspSchwelle = 0.3f;
    n.dendSCLocation = plan.nummer % 4;
    n.parameter.fill(0.0);
    for (int i = bereich::Gemeinsam.erster; i <= bereich::Gemeinsam.letzter(); ++i)
        n.parameter[i] = 0.5 + i;
    for (ParameterBereich b : plan.bereiche)
        for (int i = b.erster; i <= b.letzter(); ++i)
            n.parameter[i] = plan.nummer + i * 0.125;
    // a range whose values cancel out is written all the same
    n.parameter[par::Phase1E] = 1.5;
    n.parameter[par::Phase1G] = -1.5;
    for (int i = 0; i < 8; ++i)
        n.spikefolge.kriterien[static_cast<size_t>(i)] = plan.nummer - i * 0.5;
    for (int s : plan.gereizt)
        n.stromreize[static_cast<size_t>(s)] = reizFuer(plan.nummer, s);
    n.kcaModus = plan.kca;
    if (plan.kca != kcaModus::Aus) {
        n.kca = std::make_unique<KCaKanal>();
        fuellen(kcaFelder(*n.kca), plan.nummer);
        for (int t = 0; t < 5; ++t)
            fuellen(torFelder(n.kca->tore[static_cast<size_t>(t)]), plan.nummer + 100 * t);
    }
}

// The synapses: every type (the fifth a type of the file's own) on soma and dendrite, an
// electrical one switched off, one without a transmitter block ("form alpha" 0), one onto
// its own neuron.
struct SynapsenPlan {
    int von, auf, typ, bereich;
    double formAlpha;
};
const SynapsenPlan synapsenPlan[] = {
    {3, 12, 0, 0, 2.0}, {12, 7, 1, 2, 1.0}, {7, 900, 2, 6, 3.0},
    {900, 3, 3, 1, 1.0}, {12, 12, 0, 0, 0.0}, {3, 7, 4, 3, 2.0},
};

void synapseFuellen(SynapseDaten& s, size_t i, bool geladen)
{
    const int k = static_cast<int>(i);
    fuellen(synapsenFelder(s), 200 * k);
    s.elektrischerTyp = k % 3;
    s.verzoegerung = 0.001 * (k + 1);
    s.initialLeitfaehigkeit = (k + 1) / 1e8;
    s.transmitter.formAlpha = synapsenPlan[i].formAlpha;
    // "%f": a release time below half a microsecond is gone
    s.freisetzungszeit = i == 3 ? (geladen ? 0.0 : 4e-7) : 0.000125 * (k + 1);
    s.gewichtungsfaktor = geladen ? 1.234568 : 1.2345678;
    s.ausgeschaltet = synapsenPlan[i].typ == 3;
    if (geladen && !(s.transmitter.formAlpha > 0.0))
        s.transmitter = TransmitterDynamik{};   // a new synapse's: not written, not read
}

void axoFuellen(SynapseDaten& s)
{
    fuellen(axoFelder(s), 700);
    s.verzoegerung = 0.0015;
    s.initialLeitfaehigkeit = 0.625;
    s.transmitter.formAlpha = 4.0;
}

} // namespace

TEST_F(NetzdateiFall, EinGanzesNetzKommtAusDerDateiFeldFuerFeldZurueck)
{
    // 1. the global keys and the settings of the file
    Simulationsparameter& sp = simulationsParameter;
    const auto netzwerk = [&] { return std::tie(sp.netzwerkmodell, sp.netzwerkVariante, sp.netzwerktyp,
                                                sp.anzahlSegmente, sp.simulationsDauer, sp.schrittweite,
                                                sp.anzahlSchritte, sp.integrationsmethode); };
    sp.netzwerkmodell = modell::HodgkinHuxley;
    sp.netzwerkVariante = 1;
    sp.netzwerktyp = 4;
    ASSERT_TRUE(segmentAnzahlSetzen(6));
    sp.simulationsDauer = 0.5;
    sp.schrittweite = 2.5e-5;
    sp.anzahlSchritte = 20000;
    sp.integrationsmethode = integration::RungeKutta4;
    const auto netzwerkVorher = werte(netzwerk());
    fuellen(einstellungsFelder(), 0);
    fuellen(permutationsFelder(), 400);
    fuellen(serverFelder(), 500);
    serverDaten.pulsDauer = 0.00123456789;   // "%g"
    const auto einstellungenVorher = werte(einstellungsFelder());
    const auto permutationVorher = werte(permutationsFelder());
    auto serverVorher = werte(serverFelder());
    std::get<0>(serverVorher) = 0.00123457;
    programmStatus |= programmBit::AxoAxonisch;
    modusStatus |= modusBit::Teilsimulation;
    protokoll.sichtbar = 0;
    fensterliste[0] = {12, 0, 10, 20, 300, 200};
    fensterliste[1] = {900, 2, -5, 40, 640, 480};
    const auto fensterlisteVorher = fensterliste;
    synapsenTypen.push_back({ionenArt::Natrium, 0.0425, "schnell \xFC"});
    synapsenTypAnzahl = 5;

    // 2. neurons, synapses, an axo-axonic synapse, groups in slots 3 and 7
    for (const NeuronPlan& p : neuronPlan)
        neuronFuellen(*neu(p.nummer), p, false);
    std::vector<SynapseDaten*> s;
    for (size_t i = 0; i < std::size(synapsenPlan); ++i) {
        const SynapsenPlan& p = synapsenPlan[i];
        s.push_back(verbinde(neuronNachNummer(p.von), neuronNachNummer(p.auf), p.typ, 1e-7, 0.001, p.bereich));
        ASSERT_NE(s.back(), nullptr) << i;
        synapseFuellen(*s.back(), i, false);
    }
    SynapseDaten* axo = verbinde(neuronNachNummer(900), nullptr, 1, 0.625, 0.0015, kontaktort::Axo, s[1]);
    ASSERT_NE(axo, nullptr);
    axoFuellen(*axo);
    serverDaten.eingangsNeuron = 7;
    serverDaten.ausgangsNeuron = 900;
    serverDaten.angezeigtesNeuron = 3;
    neuronMarkieren(neuronNachNummer(7), 1);
    const std::string gruppeA = "erste \xE4", gruppeB = "zweite";
    ASSERT_TRUE(synapsengruppeBelegen(3, *s[2], &gruppeA));
    ASSERT_TRUE(synapseInGruppeEintragen(3, *s[0]));
    ASSERT_TRUE(synapsengruppeBelegen(7, *s[5], &gruppeB));
    ASSERT_TRUE(synapseInGruppeEintragen(7, *axo));
    const std::vector<int> mitgliederA = synapsengruppen[3].mitglieder, mitgliederB = synapsengruppen[7].mitglieder;
    std::vector<int> ids;
    for (SynapseDaten* x : s)
        ids.push_back(x->id);
    const int axoId = axo->id, elternId = s[1]->id;
    const std::vector<SynapsenTyp> typenVorher = synapsenTypen;

    // 3. saved, everything back to its start, read into the empty network
    gespeichert();
    netzLoeschen();
    einstellungenVoreinstellen();
    simulationsparameterVoreinstellen();
    synapsenTypen.assign(stdSynapsenTypen.begin(), stdSynapsenTypen.end());
    synapsenTypAnzahl = 4;
    spikeAufzeichnung.aufzeichnen = 0;
    programmStatus = 0;
    modusStatus = 0;
    std::string name = pfad();
    ASSERT_EQ(guiDateiLaden(name), 1);
    for (const auto& b : boxLog())
        ADD_FAILURE() << b.text;

    // 4. the settings
    vergleichen(netzwerk(), netzwerkVorher, "network");
    vergleichen(einstellungsFelder(), einstellungenVorher, "settings");
    vergleichen(permutationsFelder(), permutationVorher, "permutation");
    vergleichen(serverFelder(), serverVorher, "server");
    EXPECT_TRUE(programmStatus & programmBit::AxoAxonisch);
    EXPECT_TRUE(modusStatus & modusBit::Teilsimulation);
    EXPECT_EQ(std::tie(serverDaten.eingangsNeuron, serverDaten.ausgangsNeuron, serverDaten.angezeigtesNeuron,
                       serverDaten.eingangsNeuronName),
              std::make_tuple(7, 900, 3, std::string("Neuron \xE4 7")));
    for (size_t i = 0; i < fensterliste.size(); ++i)
        EXPECT_EQ(std::tie(fensterliste[i].neuronId, fensterliste[i].diagrammId, fensterliste[i].x, fensterliste[i].y,
                           fensterliste[i].breite, fensterliste[i].hoehe),
                  std::tie(fensterlisteVorher[i].neuronId, fensterlisteVorher[i].diagrammId, fensterlisteVorher[i].x,
                           fensterlisteVorher[i].y, fensterlisteVorher[i].breite, fensterlisteVorher[i].hoehe));
    ASSERT_EQ(synapsenTypen.size(), typenVorher.size());
    for (size_t i = 0; i < synapsenTypen.size(); ++i)
        EXPECT_EQ(std::tie(synapsenTypen[i].ion, synapsenTypen[i].potential, synapsenTypen[i].bezeichnung),
                  std::tie(typenVorher[i].ion, typenVorher[i].potential, typenVorher[i].bezeichnung));

    // 5. the neurons in their order, each with its stimuli and their tables, K(Ca) and mark
    std::vector<int> nummern;
    for (const NeuronPlan& p : neuronPlan) {
        SCOPED_TRACE(p.nummer);
        nummern.push_back(p.nummer);
        NeuronDaten* n = neuronNachNummer(p.nummer);
        ASSERT_NE(n, nullptr);
        NeuronDaten* e = neuronNeu(-1, 0);
        neuronFuellen(*e, p, true);
        vergleichen(neuronFelder(*n), neuronFelder(*e), "neuron");
        EXPECT_EQ(std::tie(n->modellTyp, n->tonFrequenz, n->pspSchwelle, n->spikefolge.kriterien, n->dendSCLocation),
                  std::tie(e->modellTyp, e->tonFrequenz, e->pspSchwelle, e->spikefolge.kriterien, e->dendSCLocation));
        for (size_t k = 0; k < reizDefinitionen; ++k)
            vergleichen(reizFelder(n->stromreize[k]), reizFelder(e->stromreize[k]), "stimulus " + std::to_string(k));
        for (int k : p.gereizt)
            EXPECT_GT(n->stromTabellen[static_cast<size_t>(k)].anzahlPunkte, 3) << k;
        EXPECT_EQ(n->gereizteKompartimente, static_cast<int>(p.gereizt.size()));
        EXPECT_EQ(n->segmentAnzahl, 6);
        EXPECT_EQ(n->kcaModus, e->kcaModus);
        ASSERT_EQ(n->kca != nullptr, e->kca != nullptr);
        if (e->kca) {
            vergleichen(kcaFelder(*n->kca), kcaFelder(*e->kca), "K(Ca)");
            for (size_t t = 0; t < 5; ++t)
                vergleichen(torFelder(n->kca->tore[t]), torFelder(e->kca->tore[t]), "gate " + std::to_string(t));
        }
        EXPECT_EQ(n->markiert, p.nummer == 7);
        neuronFreigeben(e);
    }
    EXPECT_EQ(NeuronFall::nummern(), nummern);
    EXPECT_EQ(std::tie(neuronKette.anzahl, neuronKette.hoechsteNummer), std::make_tuple(4, 900));
    EXPECT_EQ(markierteNeurone.liste.size(), 1u);
    EXPECT_EQ(markierteNeurone.erstes(), neuronNachNummer(7));

    // 6. the synapses under their ids, the axo-axonic one on its parent, the groups renumbered
    for (size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE(i);
        SynapseDaten* g = synapseNachId(ids[i]);
        ASSERT_NE(g, nullptr);
        SynapseDaten e;
        synapseFuellen(e, i, true);
        vergleichen(synapsenFelder(*g), synapsenFelder(e), "synapse");
        const SynapsenPlan& p = synapsenPlan[i];
        EXPECT_EQ(std::tie(g->quellNummer, g->zielNummer, g->synapsenTyp, g->zielBereich, g->ausgeschaltet),
                  std::make_tuple(p.von, p.auf, p.typ, p.bereich, static_cast<int>(p.typ == 3)));
        EXPECT_EQ(g->leitfaehigkeit, p.typ == 3 ? 0.0 : e.initialLeitfaehigkeit);
    }
    SynapseDaten* a = synapseNachId(axoId);
    ASSERT_NE(a, nullptr);
    SynapseDaten e;
    axoFuellen(e);
    vergleichen(axoFelder(*a), axoFelder(e), "axo-axonic synapse");
    EXPECT_EQ(a->elternSynapse, synapseNachId(elternId));
    EXPECT_EQ(std::tie(a->quellNummer, a->zielNummer, a->synapsenTyp), std::make_tuple(900, 7, 1));
    EXPECT_EQ(synapsenZaehler, 7);
    EXPECT_EQ(axoZaehler, 1);
    EXPECT_EQ(synapsengruppenZahl, 2);
    EXPECT_EQ(std::tie(synapsengruppen[1].mitglieder, synapsengruppen[1].name), std::tie(mitgliederA, gruppeA));
    EXPECT_EQ(std::tie(synapsengruppen[2].mitglieder, synapsengruppen[2].name), std::tie(mitgliederB, gruppeB));
    EXPECT_EQ(synapseNachId(ids[2])->gruppe, 1);
    EXPECT_EQ(a->gruppe, 2);
}
