// tests/diagrams/test_diagrammdialoge.cpp - the layout dialog, the curve dialog and the
// choice of another neuron's curve, as the diagram menu opens them
#include "diagramm_hilfe.h"
#include "core/rahmen.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/reizkurve.h"
#include "dialogs/diagrammlayout.h"
#include "resources/diagrammmenue.h"

namespace {

namespace sch = pt::schritt;
using Schritte = std::vector<pt::DialogSchritt>;
using plattform::Fenster;

struct DialogFall : GezeigtFall {
    void SetUp() override
    {
        GezeigtFall::SetUp();
        dialogEinstellungen = {1, 0, 0, 0, 5};   // apply boxes shown, full view
        d->xTickIntervallWirksam = 0.01, d->yTickIntervall = 10, d->tickLaenge = 4;
    }
    void TearDown() override
    {
        dialogEinstellungen = {};
        GezeigtFall::TearDown();
    }
    void befehl(int id, Fenster f = nullptr) { diagrammBefehl(f ? f : d->fenster, id, 0, 0); }
    void layout(Schritte s, Fenster f = nullptr)
    {
        pt::dialogSkript(127, std::move(s));
        befehl(diagrammBefehlLayout, f);
    }
    void kurven(Schritte s)
    {
        pt::dialogSkript(128, std::move(s));
        befehl(diagrammBefehlKurven);
    }
    static pt::DialogSchritt pruefen(std::function<void(Fenster)> f) { return f; }
    static const pt::DialogElementZustand& el(Fenster dlg, int id) { return *pt::dialogElement(dlg, id); }
    static std::vector<std::string> boxen()
    {
        std::vector<std::string> v;
        for (const auto& b : pt::boxLog())
            v.push_back(b.text);
        return v;
    }
};

} // namespace

TEST_F(DialogFall, FokuswunschUndTitelFolgenDemOeffner)
{
    const struct { uint32_t wunsch; int fokus; std::string titel; } faelle[] = {
        {0x4, 1142, "Einstellungen zum Diagramm-Layout"},
        {0x4 | 0x100, 1105, "Einstellungen zum Diagramm-Layout"},   // the last in the order wins
        {0, 0, "Diagrammeinstellungen f\xFCr Neuron Zelle"},
    };
    for (const auto& f : faelle) {
        doppelklickBereich = f.wunsch;
        layout({pruefen([&](Fenster dlg) {
                    EXPECT_EQ(pt::dialogFokus(dlg), f.fokus);
                    EXPECT_EQ(plattform::titel(dlg), f.titel);
                    if (f.fokus)
                        EXPECT_TRUE(el(dlg, f.fokus).allesMarkiert);
                }),
                sch::klicken(2)});
        EXPECT_EQ(doppelklickBereich, 0u);
    }
    pt::dialogSkript(127, {pruefen([](Fenster dlg) {
                               EXPECT_EQ(plattform::titel(dlg), "Vorlage f\xFCr Diagrammeinstellungen");
                               EXPECT_FALSE(el(dlg, 1179).sichtbar);
                               for (int id : {1172, 1173, 1168})
                                   EXPECT_FALSE(el(dlg, id).freigegeben) << id;
                           }),
                           sch::tippen(1131, "9"), sch::klicken(1)});
    befehl(diagrammBefehlVorlage);
    EXPECT_EQ(diagrammVorlage.tickLaenge, 9);
    EXPECT_EQ(programmStatus & programmBit::VorlagenModus, 0u);
}

TEST_F(DialogFall, OkUndUeberallWendenDieAngekreuztenWerteAn)
{
    DiagrammDaten* weiteres = diagrammAnhaengen(*n);
    ASSERT_TRUE(weiteres);
    const int vorlage = diagrammVorlage.tickLaenge;
    const struct { Schritte s; int hier, dort, inVorlage; } faelle[] = {
        {{sch::tippen(1131, "7"), sch::klicken(1)}, 7, 4, vorlage},                       // this diagram only
        {{sch::tippen(1131, "8"), sch::klicken(1179), sch::klicken(1)}, 8, 8, 8},         // the neuron and the template
        {{sch::tippen(1131, "6"), sch::klicken(1206), sch::klicken(2)}, 8, 8, 8},         // nothing ticked: refused
    };
    weiteres->tickLaenge = 4;
    for (const auto& f : faelle) {
        pt::boxAntworten({plattform::antwort::Ok});
        layout(f.s);
        EXPECT_EQ(std::make_tuple(d->tickLaenge, weiteres->tickLaenge, diagrammVorlage.tickLaenge),
                  std::make_tuple(f.hier, f.dort, f.inVorlage));
    }
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungsTexte[934]});
    EXPECT_TRUE(std::any_of(pt::ereignisLog().begin(), pt::ereignisLog().end(), [](const pt::Ereignis& e) {
        return e.art == pt::Ereignis::Piep && e.a == 1000 && e.b == 100;
    }));
}

TEST_F(DialogFall, FelderWerdenBeimAnwendenBerichtigt)
{
    simulationsParameter.simulationsDauer = 1.0;
    const struct { const char *von, *bis, *tick, *schnitt; bool manuell; double tickSoll, schnittSoll, bisSoll; } faelle[] = {
        {"0", "1", "0.01", "0.5", false, 0.1, 0, 1},       // 100 ticks thinned to 10
        {"0", "1", "0.02", "0.5", true, 0.02, 0.5, 1},     // 50 kept; the crossing placed by hand
        {" ", "5", "0.2", "-1", false, 0.2, 0, 1},         // an empty field reads 0, the end clamped to the run
    };
    for (const auto& f : faelle) {
        d->xUrsprungManuell = f.manuell;
        d->xUrsprung = std::stod(f.schnitt);
        Schritte s{sch::tippen(1140, f.von), sch::tippen(1142, f.bis), sch::tippen(1136, f.tick), sch::klicken(1)};
        layout(s);
        EXPECT_NEAR(d->xTickIntervall, f.tickSoll, 1e-12) << f.tick;
        EXPECT_EQ(std::make_tuple(d->minX, d->xUrsprung, d->maxX), std::make_tuple(0.0, f.schnittSoll, f.bisSoll));
    }
    // a tick of 0 or below is refused with the focus on its field
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    layout({sch::tippen(1136, "0"), sch::klicken(1), pruefen([](Fenster dlg) { EXPECT_EQ(pt::dialogFokus(dlg), 1136); }),
            sch::tippen(1136, "0.01"), sch::tippen(1138, "-1"), sch::klicken(1),
            pruefen([](Fenster dlg) { EXPECT_EQ(pt::dialogFokus(dlg), 1138); }), sch::klicken(2)});
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[449], meldungsTexte[450]}));
}

TEST_F(DialogFall, GitterSchaltetDieVorlageNurEin)
{
    diagrammVorlage.hilfslinien = 0;
    layout({sch::klicken(1150), sch::klicken(1)});
    EXPECT_EQ(std::make_pair(d->hilfslinien, diagrammVorlage.hilfslinien), std::make_pair(1, 1));
    layout({sch::klicken(1150), sch::klicken(1)});
    EXPECT_EQ(std::make_pair(d->hilfslinien, diagrammVorlage.hilfslinien), std::make_pair(0, 1));
}

TEST_F(DialogFall, UnterdialogeWirkenErstMitOk)
{
    const std::string vorher = d->xDimension;
    pt::dialogSkript(173, {sch::tippen(1403, "sek"), sch::klicken(1)});
    layout({sch::klicken(1169), sch::klicken(2)});
    EXPECT_EQ(d->xDimension, vorher);
    pt::dialogSkript(173, {sch::tippen(1403, "sek"), sch::klicken(1)});
    layout({sch::klicken(1169), sch::klicken(1)});
    EXPECT_EQ(d->xDimension, "sek");
}

TEST_F(DialogFall, ArbeitskopieTeiltKeineZeichenmittel)
{
    programmStatus |= programmBit::LaufErgebnisDa;
    const int lebend = pt::zeichenObjekteLebend();
    layout({sch::klicken(1)});
    kurven({sch::klicken(2038)});
    EXPECT_EQ(pt::zeichenObjekteLebend(), lebend);
}

TEST_F(DialogFall, OhneDiagrammTunDieAnwendeknoepfeNichts)
{
    plattform::klasseRegistrieren({"Leer", plattform::standardFensterProc});
    Fenster fremd = plattform::fensterErzeugen("Leer", "x", plattform::stil::Sichtbar, 0, 0, 100, 100);
    for (int knopf : {1, 1206, 1172, 1173}) {
        pt::dialogSkript(127, {sch::klicken(knopf)});
        EXPECT_EQ(diagrammLayoutDialogOeffnen(nullptr, fremd), 2) << knopf;
    }
}

TEST_F(DialogFall, OkOhneHakenAendertDasWeitereDiagrammAuchOhneHauptfenster)
{
    DiagrammDaten* weiteres = diagrammAnhaengen(*n);
    ASSERT_TRUE(weiteres && diagrammErzeugen(n, weiteres));
    n->hauptDiagramm.fenster = nullptr;   // as if the main diagram had no window
    layout({sch::tippen(1131, "11"), sch::klicken(1)}, weiteres->fenster);
    EXPECT_EQ(weiteres->tickLaenge, 11);
}

TEST_F(DialogFall, KurvendialogLoeschenUndFremdeKurven)
{
    for (KurvenDaten& k : d->kurven)
        k.anzeigen = 0;
    d->kurven[0].anzeigen = 1;
    aktuellesDiagramm.kurvenSlot = 0;
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok, plattform::antwort::Ok});
    pt::dialogSkript(128, {sch::klicken(1268), sch::klicken(1418), sch::waehlen(1279, 1)});   // reopens on slot 1
    kurven({sch::klicken(1418), sch::klicken(2)});
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[442], meldungsTexte[935], meldungsTexte[445]}));
}

TEST_F(DialogFall, FremdeKurveKuerztNameUndEinheitUndKopiertNurWasDaIst)
{
    NeuronDaten* m = neu(2);
    m->name = std::string(120, 'q');
    DiagrammDaten& quelle = gezeigt(m);
    werte(quelle, 2, {1, 2, 3});
    quelle.kurven[2].bezeichnung = std::string(20, 'k');
    quelle.kurven[2].dimension = std::string(40, 'e');
    aktuellesDiagramm.kurvenSlot = 5;
    pt::dialogSkript(170, {sch::waehlen(1420, 1), sch::klicken(1)});
    programmStatus |= programmBit::LaufErgebnisDa;
    kurven({sch::klicken(1418), sch::klicken(2038)});
    const KurvenDaten& k = d->kurven[5];
    ASSERT_GE(k.werte.size(), 3u);
    EXPECT_EQ(k.bezeichnung.size(), 127u);
    EXPECT_EQ(k.dimension, std::string(31, 'e'));
    EXPECT_EQ(std::make_tuple(k.referenz, k.externeKurveId, k.externeNeuronId, k.werte[1]),
              std::make_tuple(kurvenReferenz::Kopie, 2, 2, 2.0f));
}

TEST_F(DialogFall, AuswahllisteEndetMitDemSlot)
{
    diagrammVorlage.kurven[3].bezeichnung.clear();
    d->kurven[3].bezeichnung.clear();
    aktuellesDiagramm.kurvenSlot = 0;
    pt::dialogSkript(128, {sch::waehlen(1279, 3)});
    EXPECT_EQ(kurvenDialogOeffnen(d->fenster, 0), 4);
}

TEST_F(DialogFall, AbbrechenBeiFertigLaesstDasProgrammLaufen)
{
    programmStatus &= ~programmBit::LaufErgebnisDa;
    aktuellesDiagramm.kurvenSlot = 0;
    pt::boxAntworten({plattform::antwort::Ja, plattform::antwort::Abbrechen});
    kurven({sch::klicken(2038)});
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[534], meldungsTexte[703]}));
    EXPECT_FALSE(programmEndet());
}

TEST_F(DialogFall, ReferenzkurveNachAbbrechenVerschwunden)
{
    werte(*d, 0, {1, 2, 3});
    programmStatus |= programmBit::LaufErgebnisDa;
    pt::dialogSkript(128, {sch::klicken(1269)});
    pt::dialogSkript(128, {sch::klicken(2)});
    befehl(diagrammBefehlReferenzkurveSpeichern);
    const KurvenDaten& r = d->kurven[12];
    EXPECT_EQ(std::make_tuple(r.anzeigen, r.referenz, r.bezeichnung, r.werte.empty()),
              std::make_tuple(0, 0, std::string{}, true));
    // cancelling the colour leaves the slot unset, so the template's colour follows
    d->kurven[0].farbe = 0x123456;
    pt::farbAntworten({plattform::KeineFarbe});
    kurven({sch::klicken(1165), sch::klicken(2038)});
    EXPECT_EQ(d->kurven[0].farbe, diagrammVorlage.kurven[0].farbe);
}

TEST_F(DialogFall, KanalslotNimmtDenGewaehltenKanalUndZaehltIhnEinmal)
{
    n->benutzerKanaele.resize(2);
    n->benutzerKanaele.front().name = "KA";
    n->benutzerKanaele.back().name = "KB";
    programmStatus |= programmBit::LaufErgebnisDa;
    aktuellesDiagramm.kurvenSlot = 8;
    pt::dialogSkript(251, {sch::klicken(2)});                          // no channel: the box goes off again
    pt::dialogSkript(251, {sch::waehlen(1800, 1), sch::klicken(1)});
    pt::boxAntworten({plattform::antwort::Nein});
    kurven({sch::klicken(1163), pruefen([](Fenster dlg) { EXPECT_FALSE(el(dlg, 1163).haken); }),
            sch::klicken(1163), pruefen([](Fenster dlg) { EXPECT_EQ(el(dlg, 1171).text, "KB"); }), sch::klicken(2038)});
    EXPECT_EQ(boxen().size(), 1u);   // the note on the next run, switched off by the answer
    EXPECT_EQ(programmOptionen.parameterHinweis, 0);
    programmOptionen.parameterHinweis = 1;
    EXPECT_EQ(std::make_tuple(d->kurven[8].kanal, n->kurvenKanaele[0], n->kurvenKanaeleGesetzt),
              std::make_tuple(2, &n->benutzerKanaele.back(), 1));
}

TEST_F(DialogFall, AlleReferenzenLoeschenLeertDieGezeigten)
{
    werte(*d, 12, {1, 2});
    pt::boxAntworten({plattform::antwort::Ja});
    pt::dialogSkript(128, {sch::klicken(1270)});
    kurven({sch::klicken(2)});
    EXPECT_EQ(std::make_tuple(d->kurven[12].anzeigen, d->kurven[12].werte.empty()), std::make_tuple(0, true));
}
