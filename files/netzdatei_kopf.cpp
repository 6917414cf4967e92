// files/netzdatei_kopf.cpp - the head of the network file: global keys with the id lists,
// page settings, window list and curve colours
#include "core/schluessel.h"
#include "core/status.h"
#include "files/netzdatei.h"
#include "files/netzdatei_abschnitte.h"
#include "model/anzeigeeinstellungen.h"
#include "model/netzeinstellungen.h"
#include "model/seiteneinrichtung.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include <cstring>
#include <set>
#include <type_traits>

namespace {

// keys with umlauts, Windows-1252 as the stored files have them
constexpr const char* keyLeitfaehigkeit = "leitf\xE4higkeit bei neuer synapse=";
constexpr const char* keyMaxLeitfaehigkeit = "max. leitf\xE4higkeit bei neuer synapse=";
constexpr const char* keySchwelle = "schwelle f\xFCr transmitterfreisetzung bei neuer synapse=";
constexpr const char* keySaettigung = "s\xE4ttigung der transmitterfreisetzung bei neuer synapse=";

// a colour kept as three keys: red, green and blue byte
struct FarbTeile {
    const char* rot;
    const char* gruen;
    const char* blau;
};
constexpr FarbTeile wiedergabeHintergrund{"hintergrund aufzeichnung rotanteil=", "hintergrund aufzeichnung gruenanteil=",
                                          "hintergrund aufzeichnung blauanteil="};
struct SynapsenFarbe {
    FarbTeile teile;
    plattform::Farbe Synapsenfarben::*farbe;
};
constexpr SynapsenFarbe synapsenFarbSchluessel[] = {
    {{"natrium synapse rotanteil=", "natrium synapse gruenanteil=", "natrium synapse blauanteil="}, &Synapsenfarben::natrium},
    {{"inhibitorische synapse rotanteil=", "inhibitorische synapse gruenanteil=", "inhibitorische synapse blauanteil="},
     &Synapsenfarben::inhibitorisch},
    {{"elektrische synapse rotanteil=", "elektrische synapse gruenanteil=", "elektrische synapse blauanteil="},
     &Synapsenfarben::elektrisch},
    {{"chem. synapse rotanteil=", "chem. synapse gruenanteil=", "chem. synapse blauanteil="}, &Synapsenfarben::chemisch},
    {{"axo-synapse rotanteil=", "axo-synapse gruenanteil=", "axo-synapse blauanteil="}, &Synapsenfarben::axo},
};
constexpr const char* keyGruppenFarbe = "farbe fuer synapsengruppen nummern=";

void farbeSchreiben(XBuffer& p, const FarbTeile& t, plattform::Farbe f, const char* hinterBlau = "")
{
    p.drucken("%s%d\n%s%d\n%s%d%s\n", t.rot, static_cast<int>(f & 255), t.gruen, static_cast<int>((f >> 8) & 255),
              t.blau, static_cast<int>((f >> 16) & 255), hinterBlau);
}

plattform::Farbe farbeAus(int r, int g, int b)
{
    return plattform::rgbFarbe(r & 255, g & 255, b & 255);
}

// the id of every ordinary synapse, neuron by neuron, each outgoing list in list order
template <class F>
void synapsenDurchlaufen(F&& f)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            if (s->axoIndex == 0)
                f(*s);
}

// A list of exactly anzahl numbers in erst..letzt, none of them in schonDa, none twice;
// they join schonDa.
bool idListeLesen(std::vector<int>& aus, int anzahl, int letzt, char* text, const char* schluessel,
                  std::set<int>& schonDa)
{
    std::vector<int> puffer(static_cast<size_t>(letzt) + 1);
    if (fensterlisteLesen(puffer.data(), static_cast<int>(puffer.size()), text, schluessel) != anzahl)
        return false;
    aus.assign(puffer.begin(), puffer.begin() + anzahl);
    for (int id : aus)
        if (id < 1 || id > letzt || !schonDa.insert(id).second)
            return false;
    return true;
}

} // namespace

int fensterlisteLesen(int* aus, int kapazitaet, char* text, const char* schluessel)
{
    char* p = text ? std::strstr(text, schluessel) : nullptr;
    if (!p)
        return 0;
    p += std::strlen(schluessel);
    int anzahl = 0;
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0' || *p == '\n' || *p == '\r')
            return anzahl;
        const char* anfang = p;
        if (*p == '-' || *p == '+')
            ++p;
        long wert = 0;
        bool ziffern = false;
        while (*p >= '0' && *p <= '9') {
            ziffern = true;
            if (wert < 100000000)
                wert = wert * 10 + (*p - '0');
            ++p;
        }
        // a number ends at a blank or the line end; "12x" or a lone sign is no number
        if (!ziffern || (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r' && *p != '\0'))
            return -1;
        if (anzahl >= kapazitaet)
            return -1;
        aus[anzahl++] = static_cast<int>(*anfang == '-' ? -wert : wert);
    }
}

// ---- global keys -------------------------------------------------------------------------

void kopfSpeichern(XBuffer& p)
{
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    p.drucken("hauptfenster xl=%d\nhauptfenster yl=%d\nhauptfenster breite=%d\nhauptfenster hoehe=%d\n", h.x, h.y,
              h.breite, h.hoehe);
    // the counts are those of the lists below, so a file always agrees with itself
    int neurone = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        ++neurone;
    int synapsen = 0, axo = 0;
    synapsenDurchlaufen([&](SynapseDaten&) { ++synapsen; });
    axoSynapsenDurchlaufen([&](SynapseDaten&, SynapseDaten&) { ++axo; });

    p.drucken("anzahl neurone=%d\n", neurone);
    p.drucken("neuronname anzeigen=%d\n", neuronnamenAnzeigen);
    p.drucken("existierende Neurone=");
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        p.drucken("%d ", n->nummer);
    p.drucken("\nanzahl synapsen=%d\nexistierende Synapsen=", synapsen + axo);
    synapsenDurchlaufen([&](SynapseDaten& s) { p.drucken("%d ", s.id); });
    p.drucken("\nanzahl axo-axonischer synapsen=%d\nexistierende Axo-Synapsen=", axo);
    axoSynapsenDurchlaufen([&](SynapseDaten&, SynapseDaten& a) { p.drucken("%d ", a.id); });
    p.drucken("\n");

    const Simulationsparameter& sp = simulationsParameter;
    p.drucken("axo-axonische synapsen aktivieren=%d\n", static_cast<int>(programmStatus & programmBit::AxoAxonisch));
    p.drucken("anzahl verschiedener synapsentypen=%d\n", synapsenTypAnzahl);
    p.drucken("anzahl currents=%d\n", neurone);
    // the variant flag lives in the parity: 2m with it, 2m - 1 without
    p.drucken("netzwerkmodell=%d\n", sp.netzwerkVariante ? 2 * sp.netzwerkmodell : 2 * sp.netzwerkmodell - 1);
    p.drucken("netzwerktyp=%d\nanzahl dendritischer segmente=%d\n", sp.netzwerktyp, sp.anzahlSegmente);
    const NeueSynapseVorgaben& v = neueSynapseVorgaben;
    p.drucken("synaptische uebertragungszeit bei neuer synapse=%.15g\n", v.verzoegerung);
    p.drucken("%s%.15g\n%s%.15g\n%s%.15g\n%s%.15g\n", keyLeitfaehigkeit, v.leitfaehigkeit, keyMaxLeitfaehigkeit,
              v.maxLeitfaehigkeit, keySchwelle, v.freisetzungsSchwelle, keySaettigung, v.freisetzungsSaettigung);
    p.drucken("werte checken beim berechnen der bahnungs-parameter=%d\n", dialogEinstellungen.werteChecken);
    p.drucken("dauer der simulation in sekunden=%.15g\n", sp.simulationsDauer);
    p.drucken("dauer eines simulationsschrittes in sekunden=%.15g\n", sp.schrittweite);
    p.drucken("schwelle zur spike-detektion=%.15g\n", sp.spikeSchwelle);
    p.drucken("anzeigeintervall in schritten=%.15g\n", sp.anzeigeIntervall);
    p.drucken("fenster mit restzeit anzeigen=%d\n", sp.restzeitFensterAnzeigen);
    p.drucken("elektrische synapsen nur auf dendrit1 oder 2=%d\n", netzvorgaben.elektrischeSynapsenEingeschraenkt);
    p.drucken("bei skriptbearbeitung meldungen anzeigen=%d\n", skriptMeldungenAnzeigen);
    p.drucken("integrationsmethode=%d\n", sp.integrationsmethode);
    p.drucken("dialoge komplett darstellen=%d\n", dialogEinstellungen.dialogeKomplett);
    p.drucken("rauschen einschalten=%d\nrauschen nur exzitatorisch=%d\n", sp.rauschenEin, sp.rauschenNurExzitatorisch);
    const Netzvorgaben& nv = netzvorgaben;
    p.drucken("noiseIntensity=%.15g\nnoiseStrength=%.15g\nnoiseDecay=%.15g\n", nv.rauschHaeufigkeit, nv.rauschStaerke,
              nv.rauschAbklingzeit);
    p.drucken("stdInitialPotential=%.15g\nstdInitialPotentialStd=%.15g\n", nv.startpotential, nv.startpotentialStreuung);
    p.drucken("stdSynapticStrength=%.15g\nstdSynapticStrengthStd=%.15g\n", nv.synapsenStaerke, nv.synapsenStaerkeStreuung);
    p.drucken("stdAxoAxonicStrength=%.15g\nstdAxoAxonicStrengthStd=%.15g\n", nv.axoStaerke, nv.axoStaerkeStreuung);
    p.drucken("stdSynaptic Transmission Time=%.15g\nstdSynaptic Transmission TimeStd=%.15g\n", nv.uebertragungszeit,
              nv.uebertragungszeitStreuung);
    const Wiedergabe& w = wiedergabe;
    p.drucken("aufzeichnung simulation aufzeichnen=%d\n", spikeAufzeichnung.aufzeichnen);
    p.drucken("aufzeichnung ap-anzeigedauer=%.15g\naufzeichnung verzoegerung=%.15g\n", w.apAnzeigedauer, w.verzoegerung);
    p.drucken("aufzeichnung blockgroesse=%d\naufzeichnung sound abspielen=%d\n", w.blockgroesse, w.tonAbspielen);
    farbeSchreiben(p, wiedergabeHintergrund, w.hintergrund, "\t\t// (weiss = 255, 255, 255)");
    for (const SynapsenFarbe& f : synapsenFarbSchluessel)
        farbeSchreiben(p, f.teile, synapsenfarben.*f.farbe);
    p.drucken("%s%d\n", keyGruppenFarbe, static_cast<int>(synapsenfarben.gruppenNummern));
}

int kopfLesen(char* text, NetzKopf& kopf)
{
    HauptfensterGeometrie& h = hauptfensterGeometrie;
    zahlLesen(h.x, text, "hauptfenster xl=");
    zahlLesen(h.y, text, "hauptfenster yl=");
    zahlLesen(h.breite, text, "hauptfenster breite=");
    zahlLesen(h.hoehe, text, "hauptfenster hoehe=");
    kopf = NetzKopf{};
    zahlLesen(kopf.neuronAnzahl, text, "anzahl neurone=");
    zahlLesen(neuronnamenAnzeigen, text, "neuronname anzeigen=");
    if (kopf.neuronAnzahl < 1)
        return 248;

    // the id lists: every number indexes a table, so each must fit it and come once
    std::set<int> ids;
    if (kopf.neuronAnzahl >= neuronTabellenGroesse ||
        !idListeLesen(kopf.neuronNummern, kopf.neuronAnzahl, neuronTabellenGroesse - 1, text, "existierende Neurone=", ids))
        return 247;
    int synapsen = 0, axo = 0;
    zahlLesen(synapsen, text, "anzahl synapsen=");
    zahlLesen(axo, text, "anzahl axo-axonischer synapsen=");
    constexpr int letzteId = synapsenTabellenGroesse - 1;
    if (axo < 0 || axo > letzteId)
        return 250;
    const int gewoehnliche = synapsen - axo;
    if (gewoehnliche < 0 || synapsen > letzteId)
        return 249;
    ids.clear();
    if (gewoehnliche >= 1 &&
        !idListeLesen(kopf.ids.synapsen, gewoehnliche, letzteId, text, "existierende Synapsen=", ids))
        return 249;
    if (axo >= 1 && !idListeLesen(kopf.ids.axoSynapsen, axo, letzteId, text, "existierende Axo-Synapsen=", ids))
        return 250;

    int axoAn = 0;
    if (zahlLesen(axoAn, text, "axo-axonische synapsen aktivieren=")) {
        if (axoAn > 0)
            programmStatus |= programmBit::AxoAxonisch;
        else
            programmStatus &= ~programmBit::AxoAxonisch;
    }
    zahlLesen(synapsenTypAnzahl, text, "anzahl verschiedener synapsentypen=");
    zahlLesen(kopf.stromAnzahl, text, "anzahl currents=");

    Simulationsparameter& sp = simulationsParameter;
    int modell = 0;
    if (zahlLesen(modell, text, "netzwerkmodell=")) {
        const int variante = modell % 2 == 0 ? 1 : 0;
        const int m = variante ? modell / 2 : modell / 2 + 1;
        // only the four models exist; anything else keeps the present one
        if (m >= 1 && m <= 4) {
            sp.netzwerkVariante = variante;
            sp.netzwerkmodell = m;
        }
    }
    int typ = 0;
    if (zahlLesen(typ, text, "netzwerktyp=") && typ >= 1 && typ <= 4) {
        sp.netzwerktyp = typ;
        // the mode's segment count, unless the file names its own
        segmentAnzahlSetzen(typ == 1 ? 0 : typ == 2 ? 1 : 3);
    }
    int segmente = 0;
    if (zahlLesen(segmente, text, "anzahl dendritischer segmente="))
        segmentAnzahlSetzen(segmente);

    NeueSynapseVorgaben& v = neueSynapseVorgaben;
    zahlLesen(v.verzoegerung, text, "synaptische uebertragungszeit bei neuer synapse=");
    zahlLesen(v.leitfaehigkeit, text, keyLeitfaehigkeit);
    zahlLesen(v.maxLeitfaehigkeit, text, keyMaxLeitfaehigkeit);
    if (!zahlLesen(v.freisetzungsSchwelle, text, keySchwelle))
        v.freisetzungsSchwelle = -1000.0;
    if (!zahlLesen(v.freisetzungsSaettigung, text, keySaettigung))
        v.freisetzungsSaettigung = -1000.0;

    if (!zahlLesen(dialogEinstellungen.werteChecken, text, "werte checken beim berechnen der bahnungs-parameter="))
        dialogEinstellungen.werteChecken = 1;
    zahlLesen(sp.simulationsDauer, text, "dauer der simulation in sekunden=");
    zahlLesen(sp.schrittweite, text, "dauer eines simulationsschrittes in sekunden=");
    zahlLesen(sp.spikeSchwelle, text, "schwelle zur spike-detektion=");
    sp.anzahlSchritte = anzahlSchritteBerechnen(sp.simulationsDauer, sp.schrittweite);
    zahlLesen(sp.anzeigeIntervall, text, "anzeigeintervall in schritten=");
    zahlLesen(netzvorgaben.elektrischeSynapsenEingeschraenkt, text, "elektrische synapsen nur auf dendrit1 oder 2=");
    zahlLesen(skriptMeldungenAnzeigen, text, "bei skriptbearbeitung meldungen anzeigen=");
    int methode = 0;
    if (zahlLesen(methode, text, "integrationsmethode=") && methode >= integration::Euler &&
        methode <= integration::RungeKutta4)
        sp.integrationsmethode = methode;
    zahlLesen(sp.rauschenEin, text, "rauschen einschalten=");
    zahlLesen(sp.rauschenNurExzitatorisch, text, "rauschen nur exzitatorisch=");

    Netzvorgaben& nv = netzvorgaben;
    if (!zahlLesen(nv.rauschHaeufigkeit, text, "noiseIntensity="))
        nv.rauschHaeufigkeit = 1000.0;
    if (!zahlLesen(nv.rauschStaerke, text, "noiseStrength="))
        nv.rauschStaerke = 1e-9;
    if (!zahlLesen(nv.rauschAbklingzeit, text, "noiseDecay="))
        nv.rauschAbklingzeit = 0.001;
    zahlLesen(nv.startpotential, text, "stdInitialPotential=");
    zahlLesen(nv.startpotentialStreuung, text, "stdInitialPotentialStd=");
    zahlLesen(nv.synapsenStaerke, text, "stdSynapticStrength=");
    zahlLesen(nv.synapsenStaerkeStreuung, text, "stdSynapticStrengthStd=");
    zahlLesen(nv.axoStaerke, text, "stdAxoAxonicStrength=");
    zahlLesen(nv.axoStaerkeStreuung, text, "stdAxoAxonicStrengthStd=");
    zahlLesen(nv.uebertragungszeit, text, "stdSynaptic Transmission Time=");
    zahlLesen(nv.uebertragungszeitStreuung, text, "stdSynaptic Transmission TimeStd=");

    Wiedergabe& w = wiedergabe;
    zahlLesen(spikeAufzeichnung.aufzeichnen, text, "aufzeichnung simulation aufzeichnen=");
    zahlLesen(w.apAnzeigedauer, text, "aufzeichnung ap-anzeigedauer=");
    zahlLesen(w.verzoegerung, text, "aufzeichnung verzoegerung=");
    // the recording grows by this many events: it must grow
    int block = 0;
    if (zahlLesen(block, text, "aufzeichnung blockgroesse=") && block >= 1)
        w.blockgroesse = block;
    zahlLesen(w.tonAbspielen, text, "aufzeichnung sound abspielen=");
    int r = 0, g = 0, b = 0;
    const FarbTeile& hg = wiedergabeHintergrund;
    const bool alle = zahlLesen(r, text, hg.rot) && zahlLesen(g, text, hg.gruen) && zahlLesen(b, text, hg.blau);
    w.hintergrund = alle ? farbeAus(r, g, b) : plattform::KeineFarbe;

    // the synapse colours are searched one after the other; a missing key leaves its colour
    // as it is and starts the next colour's search at the text start again
    KettenSuche kette(text);
    for (const SynapsenFarbe& f : synapsenFarbSchluessel)
        if (kette.lesen(r, f.teile.rot) && kette.lesen(g, f.teile.gruen) && kette.lesen(b, f.teile.blau))
            synapsenfarben.*f.farbe = farbeAus(r, g, b);
    if (!kette.lesen(synapsenfarben.gruppenNummern, keyGruppenFarbe))
        synapsenfarben.gruppenNummern = plattform::KeineFarbe;
    return 0;
}

// ---- page settings -----------------------------------------------------------------------------

namespace {

// a text value and the bytes the reader takes of it; a typed text (the header and footer)
// comes back as it was written, blanks and "//" included, where a name loses a comment
struct TextFeld {
    std::string& text;
    int max;
    bool getippt = false;
};

// The 33 keys of a page record in file order, each with its field.
template <class B>
void seitenFelder(SeitenEinrichtung& s, B&& b)
{
    b("rand oben", s.randOben);
    b("rand unten", s.randUnten);
    b("rand links", s.randLinks);
    b("rand rechts", s.randRechts);
    b("druckformat", s.ausrichtung);
    const struct {
        const char* name;
        int& an;
        std::string& text;
        double& abstand;
        int& position;
        FontDaten& schrift;
    } zeilen[] = {{"kopfzeile", s.kopfzeile, s.kopfText, s.kopfAbstandMm, s.kopfAusrichtung, s.kopfSchrift},
                  {"fusszeile", s.fusszeile, s.fussText, s.fussAbstandMm, s.fussAusrichtung, s.fussSchrift}};
    for (const auto& z : zeilen) {
        const std::string k = z.name;
        b((k + " drucken").c_str(), z.an);
        b((k + " text").c_str(), TextFeld{z.text, 1024, true});
        b((k + " abstand zum rand").c_str(), z.abstand);
        b((k + " position").c_str(), z.position);
        b((k + " fontfarbe").c_str(), z.schrift.farbe);
        b((k + " fontkursiv").c_str(), z.schrift.kursiv);
        b((k + " fontorientierung").c_str(), z.schrift.orientierung);
        b((k + " fontsize").c_str(), z.schrift.punkte);
        b((k + " fontunterstrichen").c_str(), z.schrift.unterstrichen);
        b((k + " fontwichtung").c_str(), z.schrift.gewicht);
        b((k + " fontname").c_str(), TextFeld{z.schrift.name, 256});
    }
    b("aeusseren rahmen zeichnen", s.rahmenZeichnen);
    b("rahmen zeichnen", s.umrandung);
    b("rahmenart", s.umrandungArt);
    b("rahmenfarbe", s.umrandungFarbe);
    b("rahmendicke", s.umrandungDickeMm);
    b("zoomfaktor", s.seitenZoom);
}

const struct {
    const char* praefix;
    SeitenEinrichtung* seite;
} seiten[] = {{"seiteneinstellungen hauptfenster ", &seiteNetzfenster},
              {"seiteneinstellungen diagrammfenster ", &seiteDiagrammfenster}};

} // namespace

void seiteneinstellungenSpeichern(XBuffer& p)
{
    p.drucken("\n[seiteneinstellungen start]\n");
    for (const auto& s : seiten)
        seitenFelder(*s.seite, [&](const char* key, auto&& wert) {
            using T = std::decay_t<decltype(wert)>;
            if constexpr (std::is_same_v<T, double>)
                p.drucken("%s%s=%.15g\n", s.praefix, key, wert);
            else if constexpr (std::is_same_v<T, TextFeld>)
                p.drucken("%s%s=%s\n", s.praefix, key, wert.text.c_str());
            else
                p.drucken("%s%s=%d\n", s.praefix, key, static_cast<int>(wert));
        });
    p.drucken("\n[seiteneinstellungen ende]\n");
}

void seiteneinstellungenLesen(char* text)
{
    const char* start = "[seiteneinstellungen start]";
    char* block = std::strstr(text, start);
    block = block ? block + std::strlen(start) : text;
    Abschnitt schnitt(block, "[seiteneinstellungen ende]", true);
    for (const auto& s : seiten)
        seitenFelder(*s.seite, [&](const char* key, auto&& wert) {
            const std::string schluessel = std::string(s.praefix) + key + "=";
            using T = std::decay_t<decltype(wert)>;
            if constexpr (std::is_same_v<T, TextFeld>) {
                if (wert.getippt)
                    schluesselZeileLesen(wert.text, wert.max, block, schluessel.c_str());
                else
                    schluesselTextLesen(wert.text, wert.max, block, schluessel.c_str());
            } else {
                zahlLesen(wert, block, schluessel.c_str());
            }
        });
    // the lengths become device units at each print: a page must leave room and fit an int
    for (const auto& s : seiten)
        seitenRaenderBegrenzen(*s.seite);
}

// ---- window list -------------------------------------------------------------------------------

void fensterlisteSpeichern(XBuffer& p)
{
    p.drucken("\n[fensterliste start]\n");
    for (int n = 0; n < fensterlistenLaenge && fensterliste[static_cast<size_t>(n)].neuronId != 0; ++n) {
        const FensterlistenEintrag& e = fensterliste[static_cast<size_t>(n)];
        p.drucken("fensterliste %d neuron=%d\nfensterliste %d diagramm=%d\nfensterliste %d x=%d\n", n + 1, e.neuronId,
                  n + 1, e.diagrammId, n + 1, e.x);
        p.drucken("fensterliste %d y=%d\nfensterliste %d breite=%d\nfensterliste %d hoehe=%d\n", n + 1, e.y, n + 1,
                  e.breite, n + 1, e.hoehe);
    }
    p.drucken("[fensterliste ende]\n\n");
}

void fensterlisteAbschnittLesen(char* text)
{
    char* block = std::strstr(text, "[fensterliste start]");
    if (!block)
        block = text;
    Abschnitt schnitt(block, "[fensterliste ende]", true);
    fensterliste.fill(FensterlistenEintrag{});
    size_t frei = 0;
    for (int n = 1; n <= fensterlistenLaenge; ++n) {
        const auto schluessel = [n](const char* feld) { return "fensterliste " + std::to_string(n) + " " + feld + "="; };
        int neuron = 0;
        // the id names a neuron: only numbers the neuron table has make an entry
        if (!zahlLesen(neuron, block, schluessel("neuron").c_str()) || !neuronNummerGueltig(neuron))
            continue;
        FensterlistenEintrag& e = fensterliste[frei++];
        e.neuronId = neuron;
        zahlLesen(e.diagrammId, block, schluessel("diagramm").c_str());
        zahlLesen(e.x, block, schluessel("x").c_str());
        zahlLesen(e.y, block, schluessel("y").c_str());
        zahlLesen(e.breite, block, schluessel("breite").c_str());
        zahlLesen(e.hoehe, block, schluessel("hoehe").c_str());
    }
}

// ---- curve colours -------------------------------------------------------------------------------

namespace {

constexpr const char* benannteKurvenfarben[] = {
    "standardfarbe fuer somapotential-kurve=",
    "standardfarbe fuer natriumstrom-kurve=",
    "standardfarbe fuer kaliumstrom-kurve=",
    "standardfarbe fuer calziumstrom-kurve=",
    "standardfarbe fuer gesamtstrom-kurve=",
    "standardfarbe fuer dendritenpotential-kurve segment 1=",
    "standardfarbe fuer dendritenpotential-kurve segment 2=",
    "standardfarbe fuer dendritenpotential-kurve segment 3=",
    "standardfarbe fuer kanal-kurve 1=",
    "standardfarbe fuer kanal-kurve 2=",
    "standardfarbe fuer kanal-kurve 3=",
    "standardfarbe fuer kanal-kurve 4=",
};
constexpr int benannteAnzahl = static_cast<int>(std::size(benannteKurvenfarben));

// The reference curves' keys carry the slot less 7 (5 to 12), as the stored files have
// them; the reader uses the same numbers, so every key finds its own slot.
std::string referenzSchluessel(int slot)
{
    return "standardfarbe fuer referenz-kurve " + std::to_string(slot - 7) + "=";
}

} // namespace

void kurvenfarbenSpeichern(XBuffer& p)
{
    for (int i = 0; i < kurvenProDiagramm; ++i) {
        const int farbe = static_cast<int>(kurvenStandardfarben[static_cast<size_t>(i)]);
        if (i < benannteAnzahl)
            p.drucken("%s%d\n", benannteKurvenfarben[i], farbe);
        else
            p.drucken("%s%d\n", referenzSchluessel(i).c_str(), farbe);
    }
}

void kurvenfarbenLesen(char* text)
{
    Abschnitt schnitt(text, "[permutationsdefinitionen start]", true);
    int eintrag = 0;
    char* ab = zahlLesen(kurvenStandardfarben[0], text, benannteKurvenfarben[0]);
    if (ab)
        ++eintrag;
    else
        ab = text;
    // a missing named colour moves the following ones down by one entry
    for (int i = 1; i < benannteAnzahl; ++i)
        if (zahlLesen(kurvenStandardfarben[static_cast<size_t>(eintrag)], ab, benannteKurvenfarben[i]))
            ++eintrag;
    for (int slot = eintrag; slot < kurvenProDiagramm; ++slot)
        zahlLesen(kurvenStandardfarben[static_cast<size_t>(slot)], ab, referenzSchluessel(slot).c_str());
}
