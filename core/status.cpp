// core/status.cpp - the program-wide status words and the records every subsystem reads
#include "core/status.h"
#include "platform/fenster.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"

uint32_t programmStatus = programmBit::DiagrammeOeffnen | programmBit::StartUnfertig;
uint32_t anzeigeStatus = anzeigeBit::SynapsenBeimVerschieben;
uint32_t modusStatus = 0;
uint32_t skriptStatus = 0;
uint32_t ladeStatus = 0;
uint32_t editierStatus = 0;

Fensterhandles fensterhandles;
plattform::Menue offenesKontextMenu = nullptr;
std::array<std::string, statusTeile> statusTexte;
Arbeitsbereich arbeitsbereichKanten;
int bildschirmBreite = 0, bildschirmHoehe = 0;
Dateipfade dateipfade;
FontDaten standardSchrift;
plattform::Farbe standardFarbe = 0;
FontDaten neuronBeschriftungSchrift;
FontDaten tooltipSchrift = [] {
    FontDaten s;
    s.farbe = plattform::KeineFarbe;   // the tooltips' own colours until the settings give some
    return s;
}();
plattform::Farbe tooltipHintergrund = plattform::KeineFarbe;
std::array<int, 3> linienArten{plattform::stiftStil::Durchgehend, plattform::stiftStil::Strich,
                               plattform::stiftStil::Punkt};
int textHintergrundModus = textHintergrund::Transparent;
SpikeAufzeichnung spikeAufzeichnung;
LaufZustand laufZustand;
RestzeitFenster restzeit;
HauptfensterGeometrie hauptfensterGeometrie;
Protokoll protokoll;
DialogEinstellungen dialogEinstellungen;
std::vector<Formel> formelListe;
AnzeigeboxParameter anzeigeboxParameter;
double zoomFaktor = 1.0;
double kleinsterZoom = 0.01, groessterZoom = 10.0;
int statuszeilenAnzeigedauer = 0;
Zeiteinstellungen zeiteinstellungen;
Programmoptionen programmOptionen;
int doppelklickAktiv = 0;
int schnellBeenden = 0;
plattform::Punkt letzterKlickpunkt;

bool serverLaufAktiv = false;

bool eigeneNetzdatei() { return !dateipfade.netzName.empty() && !dateipfade.ohneNetzdatei; }

std::string netzTitel()
{
    const Dateipfade& d = dateipfade;
    const std::string& pfad = d.ohneNetzdatei ? d.quellPfad : d.vollerPfad;
    return pfad.empty() ? meldungsTexte[1652] : pfad;
}

void netzTitelZeigen()
{
    if (fensterhandles.hauptfenster)
        plattform::titelSetzen(fensterhandles.hauptfenster, netzTitel());
}

bool laufAktiv()
{
    return (programmStatus & programmBit::LaufAktiv) || (skriptStatus & skriptBit::Laeuft) ||
           (modusStatus & modusBit::SerieLaeuft) || serverLaufAktiv;
}

namespace {
int dateiOperationen = 0;
}

DateiOperationAufStapel::DateiOperationAufStapel() { ++dateiOperationen; }
DateiOperationAufStapel::~DateiOperationAufStapel() { --dateiOperationen; }

bool endeMussWarten() { return laufAktiv() || dateiOperationen > 0; }

void laeufeAbbrechenZumSchliessen()
{
    if (dateiOperationen > 0)
        modusStatus &= ~modusBit::DateiOperation;
    // a server run's thread reads the flag: the frame stops that run by its own stop bit
    if (!serverLaufAktiv)
        laufZustand.abbrechen = 1;
    programmStatus |= programmBit::ProgrammSchliesst;
    if (skriptStatus & skriptBit::Laeuft)
        skriptStatus |= skriptBit::Abbrechen;
    if (modusStatus & modusBit::SerieLaeuft)
        modusStatus |= modusBit::SerieAbbrechen;
}

void schliessenZuruecknehmen() { programmStatus &= ~programmBit::ProgrammSchliesst; }

void statusWoerterSetzen()
{
    programmStatus = programmBit::DiagrammeOeffnen | (programmStatus & programmBit::StartUnfertig);
    anzeigeStatus = anzeigeBit::SynapsenBeimVerschieben;
    modusStatus = 0;
    skriptStatus = 0;
    ladeStatus = 0;
    editierStatus = 0;
    schnellBeenden = 0;
}

void statusTeilSetzen(int teil, const std::string& text)
{
    if (teil < 0 || teil >= statusTeile)
        return;
    statusTexte[teil] = text.substr(0, statusTextLaenge - 1);
    if (fensterhandles.statusleiste && !(programmStatus & programmBit::KeineStatusleiste)) {
        // the hint of an empty network gives way to what the program now has to say
        plattform::statusEinfach(fensterhandles.statusleiste, false);
        plattform::statusTextSetzen(fensterhandles.statusleiste, teil | plattform::statusStil::Herausgehoben,
                                    statusTexte[teil]);
    }
}

void aufzeichnungEintragen(SpikeAufzeichnung& a, NeuronDaten* neuron, double t)
{
    // the list grows by whole blocks, as the recording of a long run would otherwise
    // reallocate at every doubling in the middle of the run
    if (a.ereignisse.size() == a.ereignisse.capacity())
        a.ereignisse.reserve(a.ereignisse.capacity() + 1000);
    a.ereignisse.push_back({t, neuron});
    a.letzterIndex = static_cast<int>(a.ereignisse.size());
}

void aufzeichnungLoeschen(SpikeAufzeichnung& a)
{
    std::vector<SpikeEreignis>().swap(a.ereignisse);
    a.letzterIndex = 0;
    a.wiedergabe = 0;
    a.wiedergabeIndex = 0;
}

// ---- the menus of the modes ---------------------------------------------------------------

int menuePunktHaken(plattform::Fenster f, int befehl, int modus)
{
    const plattform::Menue m = plattform::fensterMenue(f);
    if (!m || !plattform::menueMitBefehl(m, befehl))
        return 0;
    const bool an = modus > 0 || (modus == 0 && !plattform::istAbgehakt(m, befehl, plattform::Nach::Befehl));
    plattform::abhaken(m, befehl, plattform::Nach::Befehl, an);
    return an ? 8 : 0;
}

plattform::Menue modusMenueLaden(Modusmenue art)
{
    const auto tabelle = modusmenueTabelle(art, sprache);
    return tabelle.empty() ? nullptr : plattform::menueLaden(tabelle);
}

void hauptfensterMenueZeigen(plattform::Menue m)
{
    const plattform::Fenster f = fensterhandles.hauptfenster;
    if (!f)
        return;
    plattform::menueSetzen(f, m ? m : fensterhandles.hauptmenue);
    plattform::menueLeisteZeichnen(f);
}

bool permutationsMenueZeigen()
{
    if (!fensterhandles.permutationsMenue)
        fensterhandles.permutationsMenue = modusMenueLaden(Modusmenue::Permutation);
    if (!fensterhandles.permutationsMenue)
        return false;
    hauptfensterMenueZeigen(fensterhandles.permutationsMenue);
    return true;
}

void simulationsMenueZeigen()
{
    hauptfensterMenueZeigen(nullptr);
    // shown no more, so nothing else owns it
    if (fensterhandles.permutationsMenue && fensterhandles.permutationsMenue != fensterhandles.hauptmenue)
        plattform::menueZerstoeren(fensterhandles.permutationsMenue);
    fensterhandles.permutationsMenue = nullptr;
}
