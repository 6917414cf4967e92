// app/status.cpp - the program-wide status words and the records of the program frame
#include "app/status.h"
#include "model/neuron.h"
#include "texts/texte.h"
#include <algorithm>

uint32_t programmStatus = programmBit::DiagrammeOeffnen | programmBit::StartUnfertig;
uint32_t anzeigeStatus = anzeigeBit::SynapsenBeimVerschieben;
uint32_t modusStatus = 0;
uint32_t skriptStatus = 0;
uint32_t ladeStatus = 0;
uint32_t editierStatus = 0;

Fensterhandles fensterhandles;
std::array<std::string, statusTeile> statusTexte;
int letzterDialog = 0;
plattform::Punkt letzterKlickpunkt;
plattform::Menue offenesKontextMenu = nullptr;
double zoomFaktor = 1.0;
double kleinsterZoom = 0.01, groessterZoom = 10.0;
Arbeitsbereich arbeitsbereichKanten;
int bildschirmBreite = 0, bildschirmHoehe = 0;
Dateipfade dateipfade;
HauptfensterGeometrie hauptfensterGeometrie;
FontDaten standardSchrift;
std::array<int, 3> linienArten{plattform::stiftStil::Durchgehend, plattform::stiftStil::Strich,
                               plattform::stiftStil::Punkt};
int textHintergrundModus = textHintergrund::Transparent;
plattform::Cursor cursorStandard = nullptr, cursorMessenZeit = nullptr, cursorMessenWert = nullptr,
                  cursorMessenBeide = nullptr;
Protokoll protokoll;
SpikeAufzeichnung spikeAufzeichnung;
MarkierteNeurone markierteNeurone;
void (*markiertFeldSetzen)(NeuronDaten*, int) = neuronMarkiertSetzen;
LaufZustand laufZustand;
RestzeitFenster restzeit;
DaqFunktionen daqFunktionen;
int statuszeilenAnzeigedauer = 0;
Zeiteinstellungen zeiteinstellungen;
int doppelklickAktiv = 0;
int schnellBeenden = 0;
std::array<std::string, 4> kontaktortNamen;
std::vector<Formel> formelListe;
std::array<double, 4> kaliumVorgaben{};
std::array<double, 2> kaliumVerhaeltnisGrenzen{};

bool laufAktiv()
{
    return (programmStatus & programmBit::LaufAktiv) || (skriptStatus & skriptBit::Laeuft) ||
           (modusStatus & modusBit::SerieLaeuft);
}

void laeufeAbbrechenZumSchliessen()
{
    laufZustand.abbrechen = 1;
    programmStatus |= programmBit::ProgrammSchliesst;
    if (skriptStatus & skriptBit::Laeuft)
        skriptStatus |= skriptBit::Abbrechen;
    if (modusStatus & modusBit::SerieLaeuft)
        modusStatus |= modusBit::SerieAbbrechen;
}

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

void netzlosStatusZeigen()
{
    if (!fensterhandles.statusleiste)
        return;
    plattform::statusEinfach(fensterhandles.statusleiste, true);
    plattform::statusTextSetzen(fensterhandles.statusleiste, plattform::statusEinfacherTeil, meldungsTexte[892]);
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

void neuronMarkieren(NeuronDaten* neuron, int modus)
{
    auto& liste = markierteNeurone.liste;
    if (!neuron) {
        if (modus == 0) {
            if (markiertFeldSetzen)
                for (NeuronDaten* n : liste)
                    markiertFeldSetzen(n, 0);
            liste.clear();
        }
        return;
    }
    const auto da = std::find(liste.begin(), liste.end(), neuron);
    if (modus == 1) {
        if (da == liste.end())     // a neuron is in the list once, however often it is clicked
            liste.push_back(neuron);
    } else if (da != liste.end()) {
        liste.erase(da);
    }
    if (markiertFeldSetzen)
        markiertFeldSetzen(neuron, modus == 1 ? 1 : 0);
}
