// tests/app/test_simulationseinstellungen.cpp - "Simulationseinstellungen": a duration or step no
// run can take is refused in its field, and the dialog is never open twice
#include "app_hilfe.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <algorithm>

using namespace apphilfe;
namespace sch = pt::schritt;

namespace {

constexpr int idDauer = 1213, idSchritt = 1217, idOkF2 = 2300;

struct Simulationseinstellungen : AppFall {
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        laufbaresNetz(1, ordner);
        nachrichtenVerarbeiten();
    }
    static int oeffnungen()
    {
        return static_cast<int>(std::ranges::count(pt::dialogLog(), 133, &pt::DialogOeffnung::vorlage));
    }
    // checked inside the dialog: no other dialog 133 lives beside it
    static void allein(Fenster d)
    {
        for (const pt::DialogOeffnung& o : pt::dialogLog())
            EXPECT_FALSE(o.vorlage == 133 && o.dialog != d && istFenster(o.dialog));
    }
    static std::vector<std::string> boxTexte()
    {
        std::vector<std::string> t;
        for (const pt::BoxEintrag& b : pt::boxLog())
            t.push_back(b.text);
        return t;
    }
    static std::function<void(Fenster)> fokusIn(int id)
    {
        return [id](Fenster d) { EXPECT_EQ(pt::dialogFokus(d), id); };
    }
};

} // namespace

// 0 (and what is no positive number) in the duration or the step is refused in its field,
// with the dialog still open and nothing stored; "OK - F2" then runs once the values are
// good, from the one dialog.
TEST_F(Simulationseinstellungen, DauerOderSchrittDieKeinLaufNehmenKannWerdenImFeldAbgelehnt)
{
    pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
    pt::dialogSkript(133, {
        sch::tippen(idDauer, "0"), sch::klicken(idOkF2), fokusIn(idDauer),
        sch::tippen(idDauer, "-0,5"), sch::klicken(1), fokusIn(idDauer),
        sch::tippen(idDauer, "0.03"), sch::tippen(idSchritt, "0"), sch::klicken(idOkF2), fokusIn(idSchritt),
        [](Fenster) { EXPECT_EQ(simulationsParameter.simulationsDauer, 0.02); },
        sch::tippen(idSchritt, "0.0001"), allein, sch::klicken(idOkF2),
    });
    befehl(befehlSimulationseinstellungen);
    nachrichtenVerarbeiten();
    const std::string dauer = meldungFormatieren(953, "Simulationsdauer (sec)");
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{dauer, dauer, meldungFormatieren(953, "Einzelschrittl\xE4nge (sec)")}));
    EXPECT_EQ(std::tuple(simulationsParameter.simulationsDauer, simulationsParameter.anzahlSchritte), std::tuple(0.03, 300));
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_EQ(oeffnungen(), 1);
    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
}

// A network whose duration is 0 (as a file may bring it): F2 opens the dialog through the run
// check; its "OK - F2" stores good values and the run that was asked for goes on, without a
// second dialog over the first. Cancel refuses the run.
TEST_F(Simulationseinstellungen, DieLaufpruefungOeffnetDenDialogNurEinmal)
{
    laufzeitSetzen(0.0, 1e-4);
    pt::dialogSkript(133, {sch::tippen(idDauer, "0.01"), allein, sch::klicken(idOkF2)});
    befehl(befehlSimulationStarten);
    nachrichtenVerarbeiten();
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 100);
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_EQ(oeffnungen(), 1);

    laufzeitSetzen(0.0, 1e-4);
    programmStatus &= ~programmBit::LaufErgebnisDa;
    pt::dialogSkript(133, {sch::klicken(2)});
    befehl(befehlSimulationStarten);
    nachrichtenVerarbeiten();
    EXPECT_FALSE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_EQ(oeffnungen(), 2);
    EXPECT_TRUE(pt::boxLog().empty());
}
