// tests/dialogs/test_synapsengruppen.cpp - creating groups, their popups and commands, and
// the group dialog (306)
#include "dialogs/synapsengruppen.h"
#include "model/diagramm.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"

using namespace reizdialog;

namespace {

struct Gruppen : reizdialog::Fall {
    NeuronDaten *a = nullptr, *b = nullptr, *c = nullptr;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        simulationsParameter.schrittweite = 1e-4;
        a = neuron(1, false);
        b = neuron(2, false);
        c = neuron(3, false);
    }
    static SynapseDaten* verbinde(NeuronDaten* q, NeuronDaten* z)
    {
        SynapseDaten* s = synapseNeu(q, z, 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        return s;
    }
    // a group of the given synapses, named as they come
    static void gruppe(std::vector<SynapseDaten*> s, const std::string& name = "G")
    {
        for (size_t i = 0, g = synapsengruppeFrei(); i < s.size(); ++i)
            i == 0 ? synapsengruppeBelegen(int(g), *s[0], &name) : synapseInGruppeEintragen(int(g), *s[i]);
    }
};

} // namespace

TEST_F(Gruppen, ErzeugenNimmtDenNamenAuchAbgebrochenUndMeldetVolleTabelle)
{
    aktuelleSynapse = verbinde(a, b);
    // a slot emptied by removals keeps its name, a dissolved one has none
    const struct { Schritte antwort; std::string name; int danach; } faelle[] = {
        {{sch::tippen(1251, std::string(300, 'x')), sch::klicken(1)}, std::string(259, 'x'), befehlAusGruppeEntfernen},
        {{sch::tippen(1251, "egal"), sch::klicken(2)}, std::string(259, 'x'), befehlGruppeAufloesenErste},
        {{sch::tippen(1251, "egal"), sch::klicken(2)}, "", 0},
    };
    for (const auto& f : faelle) {
        test::dialogSkript(146, f.antwort);
        EXPECT_EQ(std::make_tuple(synapsengruppeErzeugen(), synapsengruppen[1].name, synapsengruppenZahl),
                  std::make_tuple(1, f.name, 1));
        synapsengruppenBefehl(nullptr, f.danach);
    }
    // all 31 in use
    for (int g = 2; g < synapsengruppenAnzahl; ++g)
        gruppe({verbinde(a, b)});
    aktuelleSynapse = verbinde(a, c);
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(synapsengruppeErzeugen(), 0);
    EXPECT_EQ(std::make_tuple(letzteBox(), test::offeneDialogSkripte()),
              std::make_tuple(meldungsTexte[1220], size_t(0)));
}

// Commands without what they act on change nothing, open nothing and show nothing.
TEST_F(Gruppen, BefehleOhneZielTunNichts)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, c);
    SynapseDaten* ohne = verbinde(b, c);
    gruppe({s1, s2});
    synapsengruppen[1].mitglieder.push_back(4000);   // a stale id
    const struct { SynapseDaten* aktuell; int befehl; int popup; } faelle[] = {
        {nullptr, befehlGruppeEintragenErste, 0}, {nullptr, befehlAusGruppeEntfernen, 0},
        {nullptr, befehlGruppeNeu, 0},            {nullptr, befehlGruppeMitgliederZeigen, 0},
        {nullptr, befehlGruppeBearbeiten, 0},     {ohne, befehlAusGruppeEntfernen, 0},
        {ohne, befehlGruppeMitgliederZeigen, 0},  {ohne, befehlGruppeBearbeiten, 0},
        {ohne, befehlGruppeEintragenErste + 4, 0},       // group 5 has no members
        {s1, befehlGruppenMitgliedErste + 3, 1},         // beyond the list
        {s1, befehlGruppenMitgliedErste + 2, 1},         // the stale member
        {s1, befehlGruppeAufloesenErste + 4, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.befehl);
        popupGruppe = f.popup;
        aktuelleSynapse = f.aktuell;
        synapsengruppenBefehl(nullptr, f.befehl);
        EXPECT_EQ(std::make_tuple(synapsengruppen[1].anzahl(), ohne->gruppe, synapsengruppenZahl, test::dialogLog().size(),
                                  test::popupLog().size(), test::boxLog().size()),
                  std::make_tuple(3, 0, 1, size_t(0), size_t(0), size_t(0)));
    }
}

TEST_F(Gruppen, MitgliederPopupZeigtHoechstens2050UndUeberspringtTote)
{
    std::vector<SynapseDaten*> s;
    for (int i = 0; i < 2100; ++i)
        s.push_back(verbinde(a, b));
    gruppe(s);
    synapsengruppen[1].mitglieder.insert(synapsengruppen[1].mitglieder.begin() + 1, 4000);   // a stale id
    test::popupAntworten({befehlGruppenMitgliedErste + 2});
    synapsengruppeMitgliederMenue(1);
    nachrichtenVerarbeiten();
    const std::vector<int>& ids = test::popupLog().back();
    EXPECT_EQ(std::make_tuple(ids.size(), ids[0], ids[1], ids[2], ids.back(), ersatz::befehle.back(), popupGruppe),
              std::make_tuple(size_t(2050), -1, befehlGruppenMitgliedErste, befehlGruppenMitgliedErste + 2,
                              befehlGruppenMitgliedLetzte, befehlGruppenMitgliedErste + 2, 1));
    // the chosen member is the one dialog 306 shows first
    test::dialogSkript(306, {texte({{2040, meldungFormatieren(1233, s[1]->id, "N1", "N2")}}), sch::klicken(2)});
    synapsengruppenBefehl(nullptr, befehlGruppenMitgliedErste + 2);
    EXPECT_EQ(aktuelleSynapse, s[1]);
}

// The conductance goes to every member and each pool's sum stays that of its senders;
// closing the list of all synapses leaves every group as it was.
TEST_F(Gruppen, PoolSummeFolgtDerLeitfaehigkeitDerMitglieder)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, b);
    SynapseDaten* s3 = verbinde(c, b);
    gruppe({s3});
    aktuelleSynapse = s2;
    test::dialogSkript(306, {[](Fenster d) { EXPECT_FALSE(elementIstFreigegeben(d, 2056)); },
                             sch::klicken(2057), sch::tippen(2041, "3e-7"), sch::klicken(1)});
    synapsengruppenBefehl(nullptr, befehlAlleSynapsenBearbeiten);
    double summe = 0.0;
    for (SynapsenPool* p = b->eingangsPools; p; p = p->naechsterPool)
        summe += p->gSumme;
    EXPECT_EQ(std::make_tuple(s1->leitfaehigkeit, s2->initialLeitfaehigkeit, s3->axoLeitfaehigkeitStart),
              std::make_tuple(3e-7, 3e-7, 3e-7));
    EXPECT_NEAR(summe, 9e-7, 1e-20);
    EXPECT_EQ(std::make_tuple(synapsengruppen[0].anzahl(), s3->gruppe, s1->gruppe, synapsengruppenZahl),
              std::make_tuple(0, 1, 0, 1));
}

TEST_F(Gruppen, Dialog306NurAngezeigteSchwelleUndKurzeDauer)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, c);
    gruppe({s1, s2});
    aktuelleSynapse = gewaehlteSynapse = s2;
    const auto schwellen = [&] { return std::make_tuple(s1->freisetzungsSchwelle, s2->freisetzungsSchwelle); };
    test::dialogSkript(306, {
        sch::klicken(2070), sch::klicken(2059), sch::tippen(2043, "-0.06"), sch::klicken(2066),
        [&](Fenster) { EXPECT_EQ(schwellen(), std::make_tuple(-0.05, -0.06)); },
        // threshold not below saturation: a beep, 466, nothing written
        [](Fenster) { test::boxAntworten({antwort::Ok}); }, sch::tippen(2043, "-0.02"), sch::klicken(1),
        [&](Fenster d) { EXPECT_EQ(std::make_tuple(letzteBox(), test::dialogFokus(d)), std::make_tuple(meldungsTexte[466], 2043)); },
        // a stretched release shorter than two steps is raised
        sch::klicken(2059), sch::klicken(2049), sch::klicken(2071), sch::klicken(2061), sch::tippen(2043, "-0.05"),
        sch::tippen(2050, "0.00001"), sch::klicken(1)});
    synapsengruppenBefehl(nullptr, befehlGruppeBearbeiten);
    EXPECT_EQ(schwellen(), std::make_tuple(-0.05, -0.06));
    EXPECT_EQ(std::make_tuple(s1->verzoegerungsfaktorAn, s2->freisetzungszeit, s1->verteilungsSchritte),
              std::make_tuple(1, 2e-4, 2));
}

// Stretched release off for a group: every member's own release curve goes, not only the
// shown member's.
TEST_F(Gruppen, DehnungAusLeertDieFreisetzungskurveJedesMitglieds)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, c);
    gruppe({s1, s2});
    DiagrammDaten& d = a->hauptDiagramm;
    for (auto [slot, s] : {std::pair(10, s1), std::pair(11, s2)}) {
        s->verzoegerungsfaktorAn = 1;
        std::tie(d.kurven[slot].referenz, d.kurven[slot].synapseId, d.kurven[slot].anzeigen) =
            std::tuple(kurvenReferenz::Freisetzung, s->id, 1);
    }
    d.freisetzungsKurven = 2;
    aktuelleSynapse = s1;
    test::dialogSkript(306, {sch::klicken(2070), sch::klicken(2071), sch::klicken(2049), sch::klicken(1)});
    synapsengruppenBefehl(nullptr, befehlGruppeBearbeiten);
    EXPECT_EQ(std::make_tuple(d.freisetzungsKurven, d.kurven[10].synapseId, d.kurven[11].anzeigen, s2->verzoegerungsfaktorAn),
              std::make_tuple(0, 0, 0, 0));
}

TEST_F(Gruppen, AlleLoeschenUndAufloesenMitModusNull)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, c);
    gruppe({s1, s2});
    aktuelleSynapse = s1;
    synapsengruppenBefehl(nullptr, befehlGruppeAufloesenErste);   // the group goes, its synapses stay
    EXPECT_EQ(std::make_tuple(s1->gruppe, s2->gruppe, synapsengruppenZahl, synapsenZaehler),
              std::make_tuple(0, 0, 0, 2));
    gruppe({s1, s2}, "zwei");
    test::boxAntworten({antwort::Nein, antwort::Ja});
    test::dialogSkript(306, {sch::klicken(2056), sch::klicken(2056)});
    synapsengruppenBefehl(nullptr, befehlGruppeBearbeiten);
    EXPECT_EQ(std::make_tuple(test::boxLog().at(0).text, test::dialogLog().back().ergebnis, synapsenZaehler,
                              synapsengruppenZahl, a->ausgangsSynapsen),
              std::make_tuple(meldungFormatieren(1239, 2, "zwei"), intptr_t(2), 0, 0, nullptr));
}
