// model/laufstart.cpp - the start of a run and the run driver
#include "model/laufstart.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/ergebnisdateien.h"
#include "model/einzelneuron.h"
#include "model/izhikevich.h"
#include "model/kollision.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "model/rueckkopplung.h"
#include "model/skript.h"
#include "model/spikefolge.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/synaptisch.h"
#include "model/zeitschleife.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstring>

int sicherungsOptionen = 0;
int teilsimulationsModus = 0;

namespace {

bool interaktiv()
{
    return !(modusStatus & modusBit::Permutationsmodus) && !(skriptStatus & skriptBit::Laeuft);
}

void alleDiagramme(NeuronDaten& n, auto&& tun)
{
    for (DiagrammDaten* d = &n.hauptDiagramm; d; d = d->naechstes)
        tun(*d);
}

// the Izhikevich start values and step
void izhikevichVorbereitenFallsAn(NeuronDaten& n)
{
    if (n.izhikevichAktiv)
        izhikevichVorbereiten(n);
}

// an extra diagram's slot takes the main slot's samples; its buffer is made large enough
// for the run first (as the preparation would, which then keeps them). A slot of a diagram
// without a window that has no buffer stays without samples.
void probenKopieren(const KurvenDaten& haupt, const DiagrammDaten& d, KurvenDaten& k)
{
    const int anzahl = lesbareWerte(haupt);
    if (d.fenster || !k.werte.empty())
        wertePufferBereitstellen(k, std::max(anzahl, simulationsParameter.anzahlSchritte));
    const int kopiert = std::min(anzahl, static_cast<int>(k.werte.size()));
    std::copy_n(haupt.werte.begin(), kopiert, k.werte.begin());
    k.werteAnzahl = kopiert;
}

} // namespace

bool laufDiagrammeVorbereiten(NeuronDaten& n)
{
    const double dauer = simulationsParameter.simulationsDauer;
    const int schritte = anzahlSchritteBerechnen(dauer, simulationsParameter.schrittweite);
    const bool somaDatei = programmStatus & programmBit::SomaDateiSchreiben;
    bool gut = true;
    alleDiagramme(n, [&](DiagrammDaten& d) {
        if (!gut)
            return;
        if (d.maxX > dauer)
            d.maxX = dauer;
        if (d.minX > d.maxX)
            d.minX = 0.0;
        for (KurvenDaten& k : d.kurven) {
            if (k.yZoom == 0.0)
                k.yZoom = 1.0;
            const bool somaFuerDatei = somaDatei && &d == &n.hauptDiagramm && &k == &d.kurven[kurve::Soma];
            if (!k.anzeigen && !somaFuerDatei) {
                std::vector<float>().swap(k.werte);
                k.werteAnzahl = 0;
            } else if (k.referenz == kurvenReferenz::Eigen || static_cast<int>(k.werte.size()) < schritte) {
                if (!wertePufferBereitstellen(k, schritte)) {
                    endeMelden(EndeForm::Info, meldungFormatieren(701));
                    gut = false;
                    return;
                }
                k.werte[0] = keineDaten;
            }
            k.schreibPosition = 0;
        }
    });
    return gut;
}

void laufKurvenUebertragen(NeuronDaten& n)
{
    if (!n.hauptDiagramm.fenster)
        return;
    // the spike-train rating
    if (n.spikefolge.an) {
        spikefolgeVorgabenSetzen(n.spikefolge);
        if (n.apAnzahl > 0 && !n.spikeZeiten.empty())
            spikefolgeBewerten(n, n.spikeZeiten.data(),
                               std::min(n.apAnzahl, static_cast<int>(n.spikeZeiten.size())));
    }
    // the further diagrams take the main diagram's samples before their slots are
    // prepared, so that their points are drawn from this run's values
    alleDiagramme(n, [&](DiagrammDaten& d) {
        // a further diagram read from a file whose window is not open has no layout yet: it
        // gets the one its window would have given it, without the notice meant for a
        // diagram prepared before its layout
        if (!d.fenster && d.plotBreite < 1 && &d != &n.hauptDiagramm)
            diagrammLayoutBerechnen(&n, &d, 0);
        for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
            KurvenDaten& k = d.kurven[slot];
            const KurvenDaten& haupt = n.hauptDiagramm.kurven[slot];
            if (&d != &n.hauptDiagramm && k.anzeigen && !haupt.werte.empty())
                probenKopieren(haupt, d, k);
            k.neuBerechnen = 1;
            kurvenVorbereiten(&d, slot);
        }
        if (d.fenster) {
            d.zustand |= 0x8000;
            plattform::ungueltigMachen(d.fenster);
            plattform::neuZeichnen(d.fenster);
        }
    });
}

int simulationslaufSteuern()
{
    const bool imDialog = interaktiv();
    // a run too long for its step counter or the memory is refused before anything is
    // prepared: scripts, series and the WAV import come here without the run check
    if (!laufumfangPruefen(simulationsParameter.simulationsDauer, simulationsParameter.schrittweite,
                           laufzeitFelderName())) {
        programmStatus &= ~programmBit::Beschaeftigt;
        return -1;
    }
    // feedback objects
    if (simulationsParameter.rueckkopplungAktiv)
        rueckkopplungVorLauf();
    // a run from the main window saves a backup and shows its progress
    bool restzeitFenster = false;
    if (imDialog) {
        // the backup
        statusTeilSetzen(0, meldungsTexte[1642]);
        if ((sicherungsOptionen & sicherungBit::An) &&
            dateipfade.netzName.find(" tmp aus bin ") == std::string::npos) {
            sicherungsOptionen |= sicherungBit::WirdGeschrieben;
            guiSicherungSpeichern();
            sicherungsOptionen &= ~sicherungBit::WirdGeschrieben;
        }
        // memory and the remaining-time window
        statusTeilSetzen(0, meldungsTexte[1643]);
        if (simulationsParameter.restzeitFensterAnzeigen) {
            restzeit.fortschritt = 0.0;
            restzeit.fenster = rahmen::restzeitFensterZeigen(meldungsTexte[1651], 483);
            if (!restzeit.fenster)
                return 0;
            restzeitFenster = true;
        }
    } else {
        aufzeichnungLoeschen(spikeAufzeichnung);
        spikeAufzeichnung.aufzeichnen = 0;
    }
    // a refused run takes no step and keeps nothing
    auto verweigert = [&] {
        if (restzeitFenster) {
            plattform::fensterZerstoeren(restzeit.fenster);
            restzeit.fenster = nullptr;
        }
        programmStatus &= ~programmBit::Beschaeftigt;
        return -1;
    };
    // no action potentials counted yet
    laufZustand.apAnzahl = 0;
    // synapses and Izhikevich neurons
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (!synapsenLaufVorbereiten(*n))
            return verweigert();
        izhikevichVorbereitenFallsAn(*n);
    }
    // axo-axonic synapses only while the network has some
    if (axoZaehler <= 0)
        programmStatus &= ~programmBit::AxoAxonisch;
    NeuronDaten* einzeln = nullptr;
    int schritte = 0;
    if (teilsimulationsModus < 2) {
        // the network run
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            if (!laufDiagrammeVorbereiten(*n))
                return 0;
        ergebnisNamenBilden();
        if (skriptStatus & skriptBit::Laeuft)
            skriptEpspZuruecksetzen();
        // an electrical pool the rings cannot hold refuses the run like a refused set-up
        if (!(programmStatus & programmBit::LaufGesperrt))
            schritte = synapsenEinrichtungPruefen() ? simulationAusfuehren() : -1;
        if (schritte < 0)                   // refused set-up
            return verweigert();
    } else {
        // the single-neuron run
        einzeln = teilsimulationsNeuron();
        einzelLaufNamenBilden();
        if (einzeln) {
            if (!laufDiagrammeVorbereiten(*einzeln))
                return 0;
            einzelneuronSimulieren(*einzeln);
        }
    }
    // feedback objects after the run
    if (simulationsParameter.rueckkopplungAktiv)
        rueckkopplungNachLauf();
    // the result files of an interactive run that took steps
    if (imDialog) {
        if (laufZustand.apAnzahl > 0)
            ergebnisDateiSchreiben(ergebnisNamen.spikeZeiten, spikeZeitenText());
        if (pspMessungAktiv)
            ergebnisDateiSchreiben(ergebnisNamen.pspAmplituden, pspAmplitudenText());
    }
    // the remaining-time window goes, unless a series still shows it
    if (restzeitFenster && !(modusStatus & modusBit::Permutationsmodus)) {
        plattform::fensterZerstoeren(restzeit.fenster);
        restzeit.fenster = nullptr;
    }
    // busy no more
    programmStatus &= ~programmBit::Beschaeftigt;
    // the curves into the diagrams
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (teilsimulationsModus == 0 || n == einzeln)
            laufKurvenUebertragen(*n);
    // the main window minimised when the user asked for it
    if ((programmStatus & programmBit::NachLaufMinimieren) && fensterhandles.hauptfenster)
        plattform::senden(fensterhandles.hauptfenster, plattform::nachricht::SystemBefehl,
                          plattform::systembefehl::Minimieren);
    return 1;
}

Laufausgang simulationStarten()
{
    // a run restores the main window again
    programmStatus &= ~programmBit::WiederherstellenAuslassen;
    // no neuron: the open command first
    if (neuronKette.anzahl < 1 && !simulationOeffnen(1))
        return Laufausgang::Verweigert;
    // the run is on; an abort asked for before it was meant for an earlier run
    programmStatus |= programmBit::LaufAktiv;
    programmStatus &= ~(programmBit::LaufErgebnisDa | programmBit::AbbruchAnforderung);
    // the settings check
    const bool imDialog = interaktiv();
    // the status bar and the title of a run from the main window: once it is over they say
    // how it ended, as the menus then show no run either
    auto endeZeigen = [imDialog](int text) {
        if (!imDialog)
            return;
        statusTeilSetzen(0, meldungFormatieren(text));
        statusTeilSetzen(3, "");
        netzTitelZeigen();
    };
    if (imDialog) {
        statusTeilSetzen(0, meldungsTexte[1644]);
        statusTeilSetzen(3, meldungFormatieren(770));
        if (!simulationsParameterPruefen(fensterhandles.hauptfenster)) {
            programmStatus &= ~programmBit::LaufAktiv;
            endeZeigen(817);
            return Laufausgang::Verweigert;
        }
    }
    // a new recording starts when the old one was kept
    if (!spikeAufzeichnung.ereignisse.empty() && spikeAufzeichnung.aufzeichnen)
        aufzeichnungLoeschen(spikeAufzeichnung);
    // the run itself
    laufAngehalten = false;
    const int ergebnis = simulationslaufSteuern();
    if (ergebnis < 0) {                     // the loop refused its set-up: no result
        laufZustand.abbrechen = 0;
        programmStatus &= ~programmBit::LaufAktiv;
        endeZeigen(817);
        return Laufausgang::Verweigert;
    }
    // an aborted run, or one stopped on values that are no numbers, says so
    const Laufausgang ende = laufZustand.abbrechen || ergebnis == 0 ? Laufausgang::Abgebrochen : Laufausgang::Beendet;
    if (laufZustand.abbrechen) {
        endeZeigen(laufAngehalten ? 818 : 817);
    } else if (imDialog) {
        statusTeilSetzen(0, meldungFormatieren(771));
        statusTeilSetzen(3, "");
    }
    laufZustand.abbrechen = 0;
    // the result is there
    programmStatus &= ~programmBit::LaufAktiv;
    programmStatus |= programmBit::LaufErgebnisDa | programmBit::ErgebnisDa;
    laufZustand.nachLauf = 1;
    return ende;
}
