// tests/dialogs/test_synapsendialoge.cpp - new synapse (135), delete synapse (135) and the
// synapse types (134)
#include "core/rahmen.h"
#include "dialogs/synapsendialoge.h"
#include "files/synapsenabschnitt.h"
#include "model/anzeigeeinstellungen.h"
#include "model/synapse.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"
#include <algorithm>

using namespace reizdialog;

namespace {

struct SynapsenDialoge : reizdialog::Fall {
    NeuronDaten *n1 = nullptr, *n2 = nullptr;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        n1 = neuron(1, true);
        n2 = neuron(2, false);
        simulationsParameter.schrittweite = 1e-4;
        neueSynapseVorgaben = {0.003, 1e-6, 5e-6, -0.04, 0.05};
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        dialogEinstellungen.synapsenDialogAnzeige = 0;
        hoechsteSynapsenId = 0;
        letztesZielNeuron = 0;
    }
    static SynapseDaten* synapse(NeuronDaten* von, NeuronDaten* auf, int typ, int id, double verzoegerung = 0.003)
    {
        SynapseDaten* s = synapseNeu(von, auf, typ, 1e-6, verzoegerung, -0.04, 0.05, 1, nullptr);
        EXPECT_TRUE(s);
        s->id = id;
        synapsenTabelleSetzen(id, s);
        return s;
    }
    static int piepse()
    {
        const auto& l = test::ereignisLog();
        return static_cast<int>(std::count_if(l.begin(), l.end(), [](const test::Ereignis& e) { return e.art == test::Ereignis::Piep; }));
    }
    // a sodium synapse from N1 to N2 with the fields given, then OK (and Cancel when it stays open)
    static intptr_t neueNatriumSynapse(std::vector<std::pair<int, std::string>> felder, Schritte danach = {})
    {
        test::dialogSkript(135, {sch::klicken(1251)});
        Schritte s{sch::tippen(1263, "N2")};
        for (const auto& [id, text] : felder)
            s.push_back(sch::tippen(id, text));
        s.push_back(sch::klicken(1));
        s.insert(s.end(), danach.begin(), danach.end());
        test::dialogSkript(135, s);
        return synapseNeuDialogOeffnen(nullptr);
    }
};

} // namespace

// A kind chosen in a fresh dialog reopens it with that kind's first type and the new-synapse
// values; Cancel gives back the reserved id, also after the reopening.
TEST_F(SynapsenDialoge, ErsteArtOeffnetNeuMitIhremErstenTypUndAbbrechenGibtDieIdZurueck)
{
    hoechsteSynapsenId = 41;
    test::dialogSkript(135, {sch::klicken(1248)});
    test::dialogSkript(135, {texte({{1259, synapsenTypen[2].bezeichnung}, {1236, "0.003"}, {1242, "1e-06"},
                                    {1244, "-0.04"}, {1246, "0.05"}, {1262, "N1"}}),
                             [](Fenster d) { EXPECT_TRUE(haken(d, 1248) && elementIstFreigegeben(d, 1)); },
                             sch::klicken(2)});
    EXPECT_EQ(synapseNeuDialogOeffnen(nullptr), 2);
    EXPECT_EQ(test::dialogLog().size(), 2u);
    EXPECT_EQ(hoechsteSynapsenId, 41);
}

// A type a file left without a name (its kind repaired) and chosen by its kind button is
// said in a notice when the dialog opens for it again; the dialog and the program go on.
TEST_F(SynapsenDialoge, TypOhneNamenAusDerDateiIstEinHinweis)
{
    std::string text = "Synapsentyp 0 Ion=1\nSynapsentyp 1 Ion=2\nSynapsentyp 2 Ion=4\nSynapsentyp 3 Ion=9\n"
                       "Synapsentyp 3 Bezeichnung=\nSynapsentyp 4 Ion=1\nSynapsentyp 4 Bezeichnung=Na2\n";
    synapsenTypAnzahl = 5;
    test::boxAntworten({antwort::Ok, antwort::Ok});   // the kind outside 1-4 and its repair
    ASSERT_TRUE(synapsenTypenLaden(text.data()));
    ASSERT_EQ(std::tuple(synapsenTypen.size(), synapsenTypen[3].ion, synapsenTypen[3].bezeichnung),
              std::tuple(size_t{5}, ionenArt::Chemisch, std::string()));
    const size_t boxen = test::boxLog().size();
    test::dialogSkript(135, {sch::klicken(1248)});
    test::dialogSkript(135, {sch::klicken(2)});
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(synapseNeuDialogOeffnen(nullptr), 2);
    ASSERT_EQ(test::boxLog().size(), boxen + 1);
    EXPECT_EQ(std::tuple(test::boxLog().back().titel, test::boxLog().back().text),
              std::tuple("Hinweis", meldungsTexte[34]));
    EXPECT_EQ(test::dialogLog().size(), 2u);
    EXPECT_FALSE(programmEndet());
}

// The delay's least is two run steps unless electrical synapses are restricted; below it the
// field shows the least after a beep and nothing is made.
TEST_F(SynapsenDialoge, VerzoegerungUnterZweiSchrittenPiepstUndZeigtZweiSchritte)
{
    const struct { int eingeschraenkt; int piepse; const char* feld; bool gemacht; } faelle[] = {
        {0, 1, "0.0002", false},
        {1, 0, "0.00015", true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.eingeschraenkt);
        netzvorgaben.elektrischeSynapsenEingeschraenkt = f.eingeschraenkt;
        Schritte danach;
        if (!f.gemacht)
            danach = {texte({{1236, f.feld}}), sch::klicken(2)};
        const int vorher = piepse();
        neueNatriumSynapse({{1236, "0.00015"}}, danach);
        EXPECT_EQ(piepse() - vorher, f.piepse);
        EXPECT_EQ(n1->ausgangsSynapsen != nullptr, f.gemacht);
        if (n1->ausgangsSynapsen)
            synapseLoeschen(n1, n1->ausgangsSynapsen, 0);
    }
}

// Without a least (electrical synapses restricted) a delay below 0 is refused with the
// field's notice, not taken as 0 with a beep; 0 itself is taken.
TEST_F(SynapsenDialoge, NegativeVerzoegerungOhneUntergrenzeNenntDasFeld)
{
    const int vorher = piepse();
    test::boxAntworten({antwort::Ok});
    neueNatriumSynapse({{1236, "-0.001"}}, {fokus(1236), sch::tippen(1236, "0"), sch::klicken(1)});
    EXPECT_EQ(letzteBox(), meldungFormatieren(954, "\xDC" "bertragungsdauer (s)"));
    EXPECT_EQ(piepse(), vorher);
    ASSERT_TRUE(n1->ausgangsSynapsen);
    EXPECT_EQ(n1->ausgangsSynapsen->verzoegerung, 0.0);
    synapseLoeschen(n1, n1->ausgangsSynapsen, 0);
}

// The new synapse has the highest id given + 1 where that is free, else the first free id;
// "nan" is refused with the field's notice, in the delay (a ranged field) and in the conductance.
TEST_F(SynapsenDialoge, NeueIdIstDieHoechstePlusEinsOderDieErsteFreie)
{
    const struct { int hoechste, belegt; const char* leitfaehigkeit; const char* verzoegerung; int id; double g; } faelle[] = {
        {7, 0, "2e-6", "0.003", 8, 2e-6},
        {7, 8, "2e-6", "0.003", 1, 2e-6},
        {4095, 0, "2e-6", "0.003", 1, 2e-6},
        {0, 0, "nan", "0.003", 0, 0.0},
        {0, 0, "2e-6", "nan", 0, 0.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.hoechste) + f.leitfaehigkeit + f.verzoegerung);
        hoechsteSynapsenId = f.hoechste;
        SynapseDaten* fremd = f.belegt ? synapse(n2, n1, 0, f.belegt) : nullptr;
        const Schritte danach = f.id ? Schritte{} : Schritte{sch::klicken(2)};
        if (!f.id)
            test::boxAntworten({antwort::Ok});   // the field's notice
        neueNatriumSynapse({{1242, f.leitfaehigkeit}, {1236, f.verzoegerung}}, danach);
        SynapseDaten* s = n1->ausgangsSynapsen;
        ASSERT_EQ(s != nullptr, f.id != 0);
        if (s) {
            EXPECT_EQ(std::tuple(s->id, synapseNachId(f.id), s->leitfaehigkeit, aktuelleSynapse, letztesZielNeuron),
                      std::tuple(f.id, s, f.g, s, 2));
            synapseLoeschen(n1, s, 0);
        } else {
            EXPECT_EQ(hoechsteSynapsenId, f.hoechste);
        }
        if (fremd)
            synapseLoeschen(n2, fremd, 0);
    }
}

// Type management in the new dialog: a typed new name is added after question 304 and
// assigned after 303; the last type of a kind stays; a potential that is no number is refused.
TEST_F(SynapsenDialoge, NeuerTypWirdAngelegtUndZugewiesenDerLetzteSeinerArtBleibt)
{
    const struct { const char* was; int art; Schritte schritte; std::vector<int> antworten; size_t typen; int typ; } faelle[] = {
        {"new", 1251, {sch::tippen(1259, "Na3"), sch::tippen(1260, "0.06"), sch::klicken(1265), sch::tippen(1263, "N2"), sch::klicken(1)},
         {antwort::Ja, antwort::Ja}, 5, 4},
        {"last potassium", 1247, {sch::klicken(1261), sch::klicken(2)}, {antwort::Ok}, 4, -1},
        {"nan", 1251, {sch::tippen(1259, "Na3"), sch::tippen(1260, "nan"), sch::klicken(1265), sch::klicken(2)}, {antwort::Ok}, 4, -1},
    };
    dialogEinstellungen.synapsenDialogAnzeige = 5;   // the full view shows the type management
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        synapsenTypTabelleAusStandard(synapsenTypen);
        for (int a : f.antworten)
            test::boxAntworten({a});
        test::dialogSkript(135, {sch::klicken(f.art)});
        test::dialogSkript(135, f.schritte);
        synapseNeuDialogOeffnen(nullptr);
        EXPECT_EQ(synapsenTypen.size(), f.typen);
        EXPECT_EQ(n1->ausgangsSynapsen ? n1->ausgangsSynapsen->synapsenTyp : -1, f.typ);
        if (n1->ausgangsSynapsen)
            synapseLoeschen(n1, n1->ausgangsSynapsen, 0);
    }
}

// A synapse the engine cannot make (no free id) keeps the dialog open; table and counters stay.
TEST_F(SynapsenDialoge, OhneFreieIdBleibtAllesWieEsWar)
{
    SynapseDaten platzhalter;
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        synapsenTabelleSetzen(id, &platzhalter);
    const int zaehler = synapsenZaehler;
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(neueNatriumSynapse({}, {sch::klicken(2)}), 2);
    synapsenTabelleLeeren();
    EXPECT_EQ(std::tuple(n1->ausgangsSynapsen, synapsenZaehler, hoechsteSynapsenId), std::tuple(nullptr, zaehler, 0));
}

// The delete dialog: 1266 and F2 delete (F2 with a run), a synapse whose neuron is gone is
// refused, and the marked neuron's synapses are offered one by one.
TEST_F(SynapsenDialoge, LoeschenNurWasGewaehltOderBestaetigtIst)
{
    const struct { const char* was; bool gewaehlt; int zielNummer; std::vector<int> antworten; Schritte schritte; int ergebnis; int uebrig; bool lauf; } faelle[] = {
        {"1266", true, 2, {}, {sch::klicken(1266)}, 1, 1, false},
        {"F2", true, 2, {}, {sch::taste(taste::F2)}, 1, 1, true},
        {"target gone", true, 99, {antwort::Ok}, {}, 2, 2, false},
        {"No, No", false, 2, {antwort::Nein, antwort::Nein}, {}, 2, 2, false},
        {"No, Yes", false, 2, {antwort::Nein, antwort::Ja}, {sch::klicken(1266)}, 1, 1, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        ersatz::befehle.clear();
        synapse(n1, n2, 0, 1);
        SynapseDaten* oben = synapse(n1, n2, 1, 2);
        oben->zielNummer = f.zielNummer;
        gewaehlteSynapse = f.gewaehlt ? oben : nullptr;
        for (int a : f.antworten)
            test::boxAntworten({a});
        if (!f.schritte.empty())
            test::dialogSkript(135, f.schritte);
        EXPECT_EQ(synapseLoeschenDialogOeffnen(nullptr), f.ergebnis);
        int anzahl = 0;
        for (SynapseDaten* s = n1->ausgangsSynapsen; s; s = s->naechsteSynapse)
            ++anzahl;
        EXPECT_EQ(anzahl, f.uebrig);
        EXPECT_EQ(std::count(ersatz::befehle.begin(), ersatz::befehle.end(), befehlSimulationStarten), f.lauf ? 1 : 0);
        EXPECT_EQ(aktuelleSynapse, nullptr);
        if (synapseNachId(2) == oben)
            oben->zielNummer = 2;
        while (n1->ausgangsSynapsen)
            synapseLoeschen(n1, n1->ausgangsSynapsen, 0);
    }
}

// A new type's potential lies within -0.1..0.1 V, bounds included; Cancel of the whole
// dialog drops what was added.
TEST_F(SynapsenDialoge, TypPotentialGrenzenEingeschlossenUndAbbrechenVerwirft)
{
    const struct { const char* potential; int knopf; size_t anzahl; } faelle[] = {
        {"0.1", 1, 5}, {"-0.1", 1, 5}, {"0.1000001", 1, 4}, {"nan", 1, 4}, {"0.05", 2, 4},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.potential);
        if (f.anzahl == 4 && f.knopf == 1)
            test::boxAntworten({antwort::Ok});   // message 307
        synapsenTypTabelleAusStandard(synapsenTypen);
        test::dialogSkript(146, {sch::tippen(1251, f.potential), sch::klicken(1)});
        test::dialogSkript(134, {sch::tippen(1246, "Neu"), sch::klicken(1254), sch::klicken(f.knopf)});
        synapsenTypenDialogOeffnen(nullptr);
        EXPECT_EQ(synapsenTypen.size(), f.anzahl);
    }
}

// Deleting a type changes only the working table: Cancel keeps every index, OK renumbers
// synapses and pools with the table; a type in use stays.
TEST_F(SynapsenDialoge, TypLoeschenNummeriertErstBeimOkUm)
{
    const struct { const char* name; int knopf; int typDanach; size_t anzahl; } faelle[] = {
        {"excitatorische Synapse (Natrium)", 2, 4, 5},
        {"excitatorische Synapse (Natrium)", 1, 3, 4},
        {"Na2", 1, 4, 5},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.name) + std::to_string(f.knopf));
        synapsenTypTabelleAusStandard(synapsenTypen);
        synapsenTypen.push_back({ionenArt::Natrium, 0.04, "Na2"});
        SynapseDaten* s = synapse(n1, n2, 4, 1);
        if (std::string(f.name) == "Na2")
            test::boxAntworten({antwort::Ok});   // message 309: in use
        test::dialogSkript(134, {sch::tippen(1246, f.name), sch::klicken(1250), sch::klicken(f.knopf)});
        synapsenTypenDialogOeffnen(nullptr);
        EXPECT_EQ(std::tuple(synapsenTypen.size(), s->synapsenTyp, s->pool->typ), std::tuple(f.anzahl, f.typDanach, f.typDanach));
        synapseLoeschen(n1, s, 0);
    }
}

// Lifting the restriction asks once about the electrical synapses with the new-synapse delay;
// Yes gives each two run steps.
TEST_F(SynapsenDialoge, EinschraenkungAufhebenFragtEinmal)
{
    SynapseDaten* a = synapse(n1, n2, 3, 1);
    SynapseDaten* b = synapse(n2, n1, 3, 2);
    test::boxAntworten({antwort::Ja});
    test::dialogSkript(134, {sch::klicken(1803), sch::klicken(1)});
    const size_t vorher = test::boxLog().size();
    synapsenTypenDialogOeffnen(nullptr);
    EXPECT_EQ(test::boxLog().size() - vorher, 1u);
    EXPECT_EQ(std::tuple(a->verzoegerung, b->verzoegerung, netzvorgaben.elektrischeSynapsenEingeschraenkt),
              std::tuple(2e-4, 2e-4, 0));
}

// ---- the edit dialog ------------------------------------------------------------------------

namespace {

struct Bearbeiten : SynapsenDialoge {
    SynapseDaten *s = nullptr, *nachbar = nullptr, *axo = nullptr;
    void SetUp() override
    {
        SynapsenDialoge::SetUp();
        dialogEinstellungen.synapsenDialogAnzeige = 5;
        s = synapse(n1, n2, 0, 5);
        nachbar = synapse(n2, n2, 0, 6);   // the same pool
        NeuronDaten* n3 = neuron(3, false);
        axo = synapseNeu(n3, nullptr, 1, 0.3, 0.003, -0.04, 0.05, kontaktort::Axo, s);
        axo->id = 7;
        synapsenTabelleSetzen(7, axo);
        axo->elternId = 5;
        gewaehlteSynapse = s;
        ersatz::befehle.clear();
    }
    static int laeufe() { return static_cast<int>(std::count(ersatz::befehle.begin(), ersatz::befehle.end(), befehlSimulationStarten)); }
};

} // namespace

// Only the conductance: the same record, and the pool's sum stays its members' sum. The delay:
// a new record under the old id, in the group, with its axo-axonic synapse re-attached.
TEST_F(Bearbeiten, LeitfaehigkeitImOrtVerzoegerungNeuMitIdGruppeUndAxo)
{
    const struct { int feld; const char* text; bool neu; } faelle[] = {
        {1242, "3e-6", false},
        {1236, "0.004", true},
    };
    ASSERT_TRUE(synapseInGruppeEintragen(3, *s));
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        SynapseDaten* vorher = gewaehlteSynapse = synapseNachId(5);
        test::dialogSkript(135, {sch::tippen(f.feld, f.text), sch::klicken(1)});
        EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 1);
        SynapseDaten* jetzt = synapseNachId(5);
        ASSERT_TRUE(jetzt);
        EXPECT_EQ(jetzt != vorher, f.neu);
        EXPECT_EQ(std::tuple(jetzt->gruppe, axo->elternSynapse, axo->elternId, jetzt->axoAnzahl, aktuelleSynapse),
                  std::tuple(3, jetzt, 5, 1, jetzt));
        EXPECT_DOUBLE_EQ(jetzt->pool->gSumme, jetzt->initialLeitfaehigkeit + nachbar->initialLeitfaehigkeit);
    }
}

// Where the edit dialog sets no least (a chemical synapse with electrical synapses restricted,
// an electrical one without), a delay below 0 is refused and the synapse kept; 0 is taken.
TEST_F(Bearbeiten, NegativeVerzoegerungOhneUntergrenzeWirdAbgelehnt)
{
    const struct { const char* was; int typ, eingeschraenkt; } faelle[] = {
        {"sodium, restricted", 0, 1},
        {"electrical, not restricted", 3, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        netzvorgaben.elektrischeSynapsenEingeschraenkt = f.eingeschraenkt;
        SynapseDaten* alt = gewaehlteSynapse = synapse(n2, n1, f.typ, 9);
        test::boxAntworten({antwort::Ok});
        test::dialogSkript(135, {sch::tippen(1236, "-0.001"), sch::klicken(1), fokus(1236), sch::klicken(2)});
        EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 2);
        EXPECT_EQ(letzteBox(), meldungFormatieren(954, "\xDC" "bertragungsdauer (s)"));
        EXPECT_EQ(std::pair(synapseNachId(9), alt->verzoegerung), std::pair(alt, 0.003));
        gewaehlteSynapse = alt;
        test::dialogSkript(135, {sch::tippen(1236, "0"), sch::klicken(1)});
        EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 1);
        ASSERT_TRUE(synapseNachId(9));
        EXPECT_EQ(synapseNachId(9)->verzoegerung, 0.0);
        synapseLoeschen(n2, synapseNachId(9), 0);
    }
}

// A re-creation that cannot make the new record keeps the old synapse as it was.
TEST_F(Bearbeiten, NeuAnlegenScheitertAlteSynapseBleibt)
{
    SynapseDaten platzhalter;
    std::vector<int> belegt;
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (!synapseNachId(id))
            synapsenTabelleSetzen(id, &platzhalter), belegt.push_back(id);
    test::boxAntworten({antwort::Ok, antwort::Ok});   // no free id, then the dialog's notice
    test::dialogSkript(135, {sch::tippen(1236, "0.004"), sch::klicken(1), sch::klicken(2)});
    EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 2);
    for (int id : belegt)
        synapsenTabelleSetzen(id, nullptr);
    EXPECT_EQ(std::tuple(synapseNachId(5), s->verzoegerung, axo->elternSynapse), std::tuple(s, 0.003, s));
}

// "OK - F2" of a nested dynamics dialog: 258 starts its run and then this dialog's; 307 only
// this dialog's; 319 starts one at once and this dialog stays open, the synapse unchanged.
TEST_F(Bearbeiten, VerschachtelteDialogeStartenIhreLaeufe)
{
    const struct { const char* was; int schalter, knopf, vorlage; bool typ2; int laeufe, ergebnis; } faelle[] = {
        {"258", 1828, 1827, 258, false, 2, 1},
        {"307", 1830, 1829, 307, true, 1, 1},
        {"319", 1835, 1834, 319, false, 1, 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        ersatz::befehle.clear();
        gewaehlteSynapse = synapseNachId(5);
        gewaehlteSynapse->bahnung.maximalwertAn = f.typ2;
        std::tie(gewaehlteSynapse->psp.art, gewaehlteSynapse->psp.polynomAbfall[1]) = std::pair(pspArt::Polynom, 0.02);
        const double g = gewaehlteSynapse->initialLeitfaehigkeit;
        if (f.vorlage == 258)
            test::boxAntworten({antwort::Ok});   // no standard spike in the test's folder
        test::dialogSkript(f.vorlage, {sch::klicken(befehlOkF2)});
        Schritte schritte{sch::klicken(f.schalter), sch::tippen(1242, "4e-6"), sch::klicken(f.knopf)};
        if (f.ergebnis == 2)
            schritte.push_back(sch::klicken(2));
        test::dialogSkript(135, schritte);
        EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), f.ergebnis);
        EXPECT_EQ(laeufe(), f.laeufe);
        if (f.ergebnis == 2)
            EXPECT_EQ(synapseNachId(5)->initialLeitfaehigkeit, g);
        synapseNachId(5)->initialLeitfaehigkeit = g;
    }
}

// Refusals leave the dialog open with nothing changed: an unknown type name is a notice; the
// caption of an axo-axonic synapse names its parent.
TEST_F(Bearbeiten, UnbekannterTypIstEinHinweisUndAxoTitelNenntDieElternSynapse)
{
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(135, {sch::tippen(1259, "gibt es nicht"), sch::klicken(1), sch::klicken(2)});
    EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 2);
    EXPECT_EQ(letzteBox(), meldungsTexte[3]);
    // a typed name left without "neuer Typ": No to question 715 closes with nothing changed
    test::boxAntworten({antwort::Nein});
    test::dialogSkript(135, {sch::tippen(1242, "9e-6"), sch::tippen(1259, "anders"), sch::fokusVerlassen(1259)});
    EXPECT_EQ(synapseBearbeitenDialogOeffnen(nullptr), 2);
    EXPECT_EQ(synapseNachId(5)->initialLeitfaehigkeit, 1e-6);
    gewaehlteSynapse = axo;
    test::dialogSkript(135, {[](Fenster d) { EXPECT_NE(titel(d).find("synapse ID=5"), std::string::npos) << titel(d); },
                             sch::klicken(2)});
    synapseBearbeitenDialogOeffnen(nullptr);
}
