// script/skriptwoerter.cpp - the keywords of scripts: load-time settings and statements, with
// their checks against the loaded network
#include "script/lader.h"
#include "core/status.h"
#include "model/anzeigeeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/permutationsfenster.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace skriptlader {

std::string formatieren(const char* format, ...)
{
    va_list a, b;
    va_start(a, format);
    va_copy(b, a);
    const int n = std::vsnprintf(nullptr, 0, format, a);
    va_end(a);
    std::string t(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(t.data(), t.size() + 1, format, b);
    va_end(b);
    return t;
}

void melden(const std::string& text) { plattform::hinweisBox(text); }

// ---- number lists of the evaluation classes --------------------------------------------------

Folge Lader::liste(Anweisungscode code)
{
    struct Art { Anweisungscode code; const char* name; int leer; uint32_t bit; };
    static const Art arten[] = {
        {c("AKLASSENZEITEN"), "AKLASSENZEITEN", 1027, auswertungsBit::Klassenzeiten},
        {c("ASOLLWERTE"), "ASOLLWERTE", 1028, auswertungsBit::Sollwerte},
        {c("AAPANZAHL"), "AAPANZAHL", 1029, auswertungsBit::AapAnzahl},
        {c("ASFAKTOR"), "ASFAKTOR", 1030, auswertungsBit::AsFaktor},
        {c("AAFAKTOR"), "AAFAKTOR", 1031, auswertungsBit::AaFaktor},
    };
    const Art& a = *std::find_if(std::begin(arten), std::end(arten), [&](const Art& x) { return x.code == code; });
    int anzahl = -1;
    const std::vector<double> z = zahlenListeLesen(wert, anzahl);
    if (anzahl < 1)
        return fehlerMitText(a.leer);
    if (s.klassenAnzahl == 0) {
        s.klassenAnzahl = anzahl;
        s.klassen.assign(static_cast<size_t>(anzahl) + 1, Auswertungsklasse{});
    } else if (anzahl != s.klassenAnzahl) {
        // the class times stop the load at once: their notice says itself that nothing was loaded
        if (code == c("AKLASSENZEITEN")) {
            melden(meldungFormatieren(1535, a.name, text.c_str()));
            return Folge::Stopp;
        }
        return fehler(meldungFormatieren(1032, a.name, text.c_str()));
    }
    s.auswertung |= a.bit;
    for (int i = 0; i < anzahl; ++i) {
        Auswertungsklasse& k = s.klassen[static_cast<size_t>(i)];
        const double v = z[static_cast<size_t>(i)];
        if (code == c("AKLASSENZEITEN")) {
            if (i == 0 && v != 0.0)
                return fehler(meldungFormatieren(1033, v));
            k.start = v;
            if (i > 0)
                s.klassen[static_cast<size_t>(i) - 1].ende = v;
            if (i == anzahl - 1)
                k.ende = s.dauer;
        } else if (code == c("ASOLLWERTE")) {
            k.sollWert = v;
        } else if (code == c("AAPANZAHL")) {
            k.sollApAnzahl = std::isfinite(v) && std::fabs(v) < 2e9 ? static_cast<int>(std::lround(v)) : 0;
        } else if (code == c("ASFAKTOR")) {
            k.sollGewicht = v;
        } else {
            k.apGewicht = v;
        }
    }
    return Folge::ZeileEnde;
}

// ---- the list of simulation numbers ----------------------------------------------------------

Folge Lader::simulationsListe()
{
    const std::string pfad = wert;
    const std::string zugriff = meldungFormatieren(1034, pfad.c_str());
    if (pfad.size() > 259 || !plattform::dateiExistiert(pfad))
        return fehler(zugriff);
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return fehler(meldungFormatieren(1035, pfad.c_str()));
    std::string inhalt;
    char block[4096];
    for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
        inhalt.append(block, n);
    std::fclose(f);

    int umbrueche = 0;
    for (size_t i = 0; i < inhalt.size(); ++i)
        if (inhalt[i] >= 1 && inhalt[i] <= 13 && (i == 0 || !(inhalt[i - 1] >= 1 && inhalt[i - 1] <= 13)))
            ++umbrueche;
    if (umbrueche <= 2)
        return fehler(meldungsTexte[1036]);

    std::vector<int> nummern;
    for (size_t i = 0; i < inhalt.size();) {
        if (static_cast<unsigned char>(inhalt[i]) <= 32) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < inhalt.size() && static_cast<unsigned char>(inhalt[j]) > 32)
            ++j;
        std::string zahl = inhalt.substr(i, j - i);
        const int nr = kommaGanzzahlLesen(zahl.data());
        if (nr <= 0)
            return fehler(meldungFormatieren(1037, static_cast<int>(nummern.size()) + 1, inhalt.c_str() + i));
        nummern.push_back(nr);
        i = j;
    }
    s.liste = std::move(nummern);
    s.listenIndex = 0;
    s.listenPfad = pfad;
    s.auswahlModus = 1;
    return Folge::Weiter;
}

// ---- loops ---------------------------------------------------------------------------------

Folge Lader::schleife()
{
    const char n = gleich[-1];
    if (n < '1' || n > '9')
        return fehlerMitText(1038);
    const int nr = n - '0';
    if (nr != ebene + 1)
        return fehler(meldungFormatieren(1039, nr, ebene));
    const std::string ende = formatieren("WIEDERHOLEN%d", nr);
    if (!std::strstr(zeilenEnde, ende.c_str()))
        return fehler(meldungFormatieren(1040, ende.c_str(), text.c_str()));
    const int anzahl = kommaGanzzahlLesen(wert);
    if (anzahl < 1)
        return fehler(meldungFormatieren(871, anzahl, text));
    SkriptAnweisung& a = anhaengen(c("SCHLEIFE"));
    a.schleifenEbene = nr;
    a.ganzzahl = anzahl;
    s.schleifen[static_cast<size_t>(nr)] = {anzahl, 0, static_cast<int>(s.anweisungen.size()) - 1};
    ebene = nr;
    return Folge::Weiter;
}

Folge Lader::wiederholen()
{
    // the loop number follows the eleven letters of the keyword
    int nr = 0;
    if (gleich - wort > 11)
        nr = std::atoi(wort + 11);
    if (nr < 1 || nr > schleifenEbenen)
        return fehler(meldungFormatieren(1041, nr, schleifenEbenen));
    if (nr != ebene)
        return fehler(meldungFormatieren(1042, text.c_str(), nr));
    const int schleifenAnweisung = s.schleifen[static_cast<size_t>(nr)].anweisung;
    SkriptAnweisung& a = anhaengen(c("WIEDERHOLEN"));
    a.schleifenEbene = nr;
    a.ziel = schleifenAnweisung;
    s.anweisungen[static_cast<size_t>(schleifenAnweisung)].ziel = static_cast<int>(s.anweisungen.size()) - 1;
    ebene = nr - 1;
    return Folge::Weiter;
}

// ---- load-time settings -----------------------------------------------------------------------

Folge Lader::einstellung(Anweisungscode code, bool& bekannt)
{
    bekannt = true;
    switch (code) {
    case c("SDAUER"): s.dauer = kommaZahlLesen(wert); break;
    case c("SAUFLOESUNG"): s.schrittweite = kommaZahlLesen(wert); break;
    case c("SELSYNDELAY"):
        s.elSynapsenSchalter = (*wert == 'M' || *wert == '1') ? 0 : (*wert == 'O' || *wert == '0') ? 1 : -1;
        break;
    case c("SBSTART"): s.bereichStart = kommaGanzzahlLesen(wert); break;
    case c("SBENDE"): s.bereichEnde = kommaGanzzahlLesen(wert); break;
    case c("SNL"): return simulationsListe();
    case c("FIL"): {
        const int v = kommaGanzzahlLesen(wert);
        ladewert(Ladewert::MaxBin, 0, v < 100000 ? 0x7fefffffu : static_cast<uint32_t>(v));
        break;
    }
    case c("DAT"): skriptLaufwerte.dat = kommaGanzzahlLesen(wert) >= 1 ? 1 : 0; break;
    case c("ZEI"): {
        const int v = kommaGanzzahlLesen(wert);
        if (v < 3 || v > 12) {
            melden(meldungFormatieren(383, wert, s.schrittweite));
            return Folge::Stopp;
        }
        ladewert(Ladewert::ZeitDezimalstellen, 0, v);
        break;
    }
    case c("NAC"): {
        const int v = kommaGanzzahlLesen(wert);
        if (v < 3 || v > 15) {
            melden(meldungFormatieren(384, wert));
            return Folge::Stopp;
        }
        ladewert(Ladewert::Dezimalstellen, 0, v);
        break;
    }
    case c("DEZ"): {
        const int v = kommaGanzzahlLesen(wert);
        if (v != 46 && v != 44) {
            melden(meldungFormatieren(385, wert));
            return Folge::Stopp;
        }
        ladewert(Ladewert::Dezimalzeichen, 0, v);
        break;
    }
    case c("STR"): {
        const double v = kommaZahlLesen(wert);
        if (!(v >= 1.0 && v <= 1e12)) {
            melden(meldungFormatieren(382, wert));
            return Folge::Stopp;
        }
        ladewert(Ladewert::StromSkalierung, 0, v);
        break;
    }
    case c("BIN"): s.ergebnisBits |= ergebnisBit::Bin; break;
    case c("APS"): s.ergebnisBits |= ergebnisBit::ApZeiten; break;
    case c("WER"): s.ergebnisBits |= ergebnisBit::Werte; break;
    case c("ERG"):
        if (*wert == 'A') {
            s.ergebnisArt = ergebnisArt::ApZeiten;
        } else if (*wert == 'W') {
            s.ergebnisArt = ergebnisArt::Werte;
        } else if (*wert == 'E') {
            s.ergebnisArt = ergebnisArt::Epsp;
            s.ergebnisBits = ergebnisBit::Epsp;
        } else if (*wert == 'S') {
            return fehler(meldungsTexte[1043]);
        }
        break;
    case c("DOKUMENTIEREN"): {
        SkriptAnweisung* a = vorige();
        if (!a)
            return ohneVorige("DOKUMENTIEREN");
        if (*wert == '\0' || *wert == ' ')
            return fehler(meldungsTexte[1044]);
        if (intScharf) {
            intScharf = false;
            s.interaktiv[static_cast<size_t>(intSlot)].name = std::string(wert).substr(0, 63);
        }
        if (s.dokumentiert.empty())
            s.dokumentiert.resize(1);
        ParameterEintrag e;
        std::strncpy(e.bezeichnung.data(), wert, 63);
        e.ganzzahl = a->ganzzahl;
        e.wert = a->wert;
        e.istReal = 1;
        e.objektArt = a->zielArt;
        e.objektNummer = a->ziel;
        e.neuronNummer = a->neuronNummer;
        e.code = a->code;
        s.dokumentiert.push_back(e);
        a->dokuIndex = static_cast<int>(s.dokumentiert.size()) - 1;
        break;
    }
    case c("INT"):
        if (s.interaktivAnzahl >= interaktivSlots)
            return fehler(meldungFormatieren(874, interaktivSlots, text));
        intScharf = true;
        ++s.interaktivAnzahl;
        break;
    case c("STEP"): {
        SkriptAnweisung* a = vorige();
        if (!a)
            return ohneVorige("STEP");
        const double schritt = kommaZahlLesen(wert);
        a->startWert = a->wert;
        a->schritt = schritt;
        a->schleifenEbene = ebene;
        a->interaktivSlot = 0;
        if (intScharf && intSlot < interaktivSlots) {
            a->interaktivSlot = ++intSlot;
            InteraktivSlot& k = s.interaktiv[static_cast<size_t>(intSlot)];
            k.start = a->wert;
            k.schritt = schritt;
            k.ebene = ebene;
        }
        break;
    }
    case c("OPTIMIEREN"): {
        SkriptAnweisung* a = vorige();
        if (!a)
            return ohneVorige("OPTIMIEREN");
        if (s.anweisungen.size() >= 3) {
            if (a->schritt == 0.0)
                return fehler(meldungsTexte[1045]);
            a->optimieren = 1;
            ++s.optimiertAnzahl;
            if (s.zielModus != 0 && !s.bewertungsNeuron)
                return fehler(meldungFormatieren(386, text));
        }
        break;
    }
    case c("SPI"):
    case c("POT"):
        if (code == c("SPI")) {
            s.zielSpikes = kommaGanzzahlLesen(wert);
            s.zielModus = 1;
        } else {
            s.zielPotential = kommaZahlLesen(wert);
            s.zielModus = 2;
        }
        // an optimised statement needs the neuron whose spikes are compared
        if (s.optimiertAnzahl > 0 && !s.bewertungsNeuron)
            return fehler(meldungFormatieren(386, text));
        break;
    case c("BED"): {
        const int v = kommaGanzzahlLesen(wert);
        if (!s.bewertungsNeuron)
            return fehler(meldungFormatieren(386, text));
        if (v >= 16)
            return fehler(meldungFormatieren(387, text));
        s.bedingtRunden = v;
        break;
    }
    case c("BNE"): return zielNeuron(s.bewertungsNeuron);
    case c("ZFE"): skriptLaufwerte.zfe = kommaZahlLesen(wert); break;
    case c("AUP"): skriptLaufwerte.aup = kommaGanzzahlLesen(wert); break;
    case c("PSP"):
        if (!neuron)
            return fehlerMitText(1046);
        ladewert(Ladewert::PspModus, neuron->nummer, 16);
        ladewert(Ladewert::InPsp, neuron->nummer, 0);
        ladewert(Ladewert::PspMaximum, neuron->nummer, 0.0);
        ladewert(Ladewert::PspMaximumZeit, neuron->nummer, 0.0);
        ladewert(Ladewert::PspMessung, 0, 1);
        break;
    case c("PSS"):
        if (!neuron)
            return fehlerMitText(1047);
        ladewert(Ladewert::PspSchwelle, neuron->nummer, static_cast<float>(kommaZahlLesen(wert)));
        break;
    case c("BMP"):
        if (!neuron)
            return fehlerMitText(behebenNeuron);
        if (kommaGanzzahlLesen(wert) == 0) {
            s.bmpFlag = 0;
        } else {
            s.bmpFlag = 1;
            s.bmpPraefix = dateipfade.dokumentVerzeichnis + "/" + dateipfade.netzName + " skript ";
            s.bmpZaehler = 0;
            s.bmpNeuron = neuron->nummer;
            if (!neuron->hauptDiagramm.fenster)
                return fehler(meldungFormatieren(1048, text.c_str(), neuronAnzeigename(*neuron)));
            s.bmpTitel = plattform::titel(neuron->hauptDiagramm.fenster).substr(0, 259);
        }
        break;
    case c("EXI"): exi = true; break;
    case c("AUSWERTUNG"):
        if (*wert == 'O')
            s.auswertung &= ~auswertungsBit::An;
        else
            s.auswertung |= auswertungsBit::An;
        break;
    case c("AFREQUENZ"):
        if (*wert == 'F' || kommaZahlLesen(wert) != 0.0)
            s.auswertung |= auswertungsBit::Frequenz;
        break;
    case c("AKLASSENZEITEN"): case c("ASOLLWERTE"): case c("AAPANZAHL"): case c("ASFAKTOR"): case c("AAFAKTOR"):
        return liste(code);
    case c("ANEURON"):
        if (s.auswertung & auswertungsBit::Neuron)
            return fehlerMitText(1049);
        s.auswertung |= auswertungsBit::Neuron;
        return zielNeuron(s.auswertungsNeuron);
    case c("ZNE"): return zielNeuron(s.zneNeuron);
    case c("ENEURON"): {
        NeuronDaten* n = nullptr;
        const Folge f = zielNeuron(n);
        if (f != Folge::Weiter)
            return f;
        Ergebnisneuron e;
        e.nummer = n->nummer;
        s.ergebnisneurone.push_back(e);
        if (s.ergebnisBits & ergebnisBit::ApZeiten) {
            ladewert(Ladewert::ApZeiten, n->nummer, 1);
            ladewert(Ladewert::Aufzeichnung, n->nummer, 1);
        }
        s.auswertung |= auswertungsBit::Ergebnisneuron;
        if (s.ergebnisArt == ergebnisArt::Epsp)
            s.epspNeuron = n->nummer;
        break;
    }
    case c("APA"): {
        const int v = kommaGanzzahlLesen(wert);
        if (v < 1 || v > 20)
            return fehlerMitText(1050);
        s.auswertungsKurve = v;
        break;
    }
    case c("EKU"): {
        if (!neuron || art != zielArt::Neuron || s.ergebnisneurone.empty())
            return fehlerMitText(behebenNeuron);
        const int v = kommaGanzzahlLesen(wert);
        if (v < 1 || v > 20)
            return fehler(meldungFormatieren(1051, v, text.c_str()));
        Ergebnisneuron& e = s.ergebnisneurone.back();
        if (!e.kurven[static_cast<size_t>(v) - 1]) {
            e.kurven[static_cast<size_t>(v) - 1] = 1;
            ++e.kurvenAnzahl;
        }
        s.auswertung |= auswertungsBit::Kurve;
        break;
    }
    default:
        bekannt = false;
    }
    return Folge::Weiter;
}

// ---- executable statements --------------------------------------------------------------------

Folge Lader::anweisung(Anweisungscode code, bool& bekannt)
{
    bekannt = true;
    const auto reizPruefen = [&]() -> Folge {
        if (!neuron)
            return fehlerMitText(behebenNeuron);
        if (reiz < 1)
            return fehlerMitText(1052);
        return Folge::Weiter;
    };
    const auto reizWert = [&](int ganz, bool real) -> Folge {
        const Folge f = reizPruefen();
        if (f != Folge::Weiter)
            return f;
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Stromreiz;
        a.ziel = reiz;
        a.neuronNummer = neuron->nummer;
        a.istReal = real ? 1 : 0;
        if (real)
            a.wert = kommaZahlLesen(wert);
        else
            a.ganzzahl = ganz;
        s.geaendertArt |= 64;
        return Folge::Weiter;
    };
    const auto synapsenWert = [&](bool real) -> Folge {
        if (!synapse)
            return fehlerMitText(1053);
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = art;
        a.ziel = synapse->id;
        a.neuronNummer = synapse->quellNummer;
        a.istReal = real ? 1 : 0;
        if (real)
            a.wert = kommaZahlLesen(wert);
        else
            a.ganzzahl = kommaGanzzahlLesen(wert);
        return Folge::Weiter;
    };
    switch (code) {
    case c("SCHLEIFE"): return schleife();
    case c("WIEDERHOLEN"): return wiederholen();
    case c("SIM"):
        anhaengen(code).ganzzahl = simAnzahl++;
        zielLeeren();
        s.geaendertArt = 0;
        return Folge::Weiter;
    case c("NUM"):
        anhaengen(code).ganzzahl = kommaGanzzahlLesen(wert);
        s.hatNum = 1;
        return Folge::Weiter;
    case c("FMI"): return fehler(meldungsTexte[1054]);
    case c("NEU"): {
        NeuronDaten* n = nullptr;
        const Folge f = zielNeuron(n);
        if (f != Folge::Weiter)
            return f;
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Neuron;
        a.neuronNummer = n->nummer;
        return Folge::Weiter;
    }
    case c("SYN"): {
        const int id = kommaGanzzahlLesen(wert);
        if (id < 1)
            return fehler(meldungFormatieren(1055, id, text.c_str()));
        SynapseDaten* syn = synapseNachId(id);
        if (!syn)
            return fehler(meldungFormatieren(1056, id, text.c_str()));
        zielLeeren();
        synapse = syn;
        art = zielArt::Synapse;
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Synapse;
        a.ziel = id;
        a.neuronNummer = syn->quellNummer;
        return Folge::Weiter;
    }
    case c("RZI"): {
        int nr = 0;
        switch (*wert) {
        case 'S': case 'Z': nr = 1; break;
        case 'P': nr = 2; break;
        case 'M': nr = 3; break;
        case 'D': nr = 4; break;
        default: nr = kommaGanzzahlLesen(wert);
        }
        if (nr < 1 || nr > reizDefinitionen)
            return fehler(meldungFormatieren(1057, nr, text.c_str()));
        reiz = nr;
        kanal = 0;
        kanalArt = 0;
        art = zielArt::Stromreiz;
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Stromreiz;
        a.ziel = nr;
        a.neuronNummer = neuron ? neuron->nummer : 0;
        return Folge::Weiter;
    }
    case c("KAN"): {
        if (!neuron)
            return fehlerMitText(behebenNeuron);
        int nr = 0;
        switch (*wert) {
        case 'N': nr = 1; break;
        case 'I': nr = 8; break;
        case 'K': nr = 2; break;
        case 'C': nr = 3; break;
        default: nr = kommaGanzzahlLesen(wert);
        }
        if (nr != 1 && nr != 2 && nr != 3 && nr != 8)
            return fehler(meldungFormatieren(1058, wert, neuronAnzeigename(*neuron)));
        kanal = nr;
        kanalArt = art = zielArt::Standardkanal;
        reiz = 0;
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Standardkanal;
        a.ziel = nr;
        a.neuronNummer = neuron->nummer;
        return Folge::Weiter;
    }
    case c("BKA"): {
        if (!neuron)
            return fehlerMitText(behebenNeuron);
        const int gesucht = (*wert >= '0' && *wert <= '9') ? kommaGanzzahlLesen(wert) : 0;
        int position = 0, i = 0;
        for (const BenutzerKanal& k : neuron->benutzerKanaele) {
            ++i;
            if ((gesucht > 0 && i == gesucht) || (gesucht <= 0 && k.name == wert)) {
                position = i;
                break;
            }
        }
        if (position == 0)
            return fehler(meldungFormatieren(1059, neuronAnzeigename(*neuron), wert));
        kanal = position;
        kanalArt = art = zielArt::Benutzerkanal;
        reiz = 0;
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Benutzerkanal;
        a.ziel = position;
        a.neuronNummer = neuron->nummer;
        return Folge::Weiter;
    }
    case c("SRU"): case c("DRU"): case c("SKA"): case c("DKA"): case c("LLE"): {
        if (!neuron)
            return fehlerMitText(behebenNeuron);
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Neuron;
        a.ziel = (code == c("SRU") || code == c("SKA")) ? 0 : code == c("LLE") ? 4 : 2;
        a.neuronNummer = neuron->nummer;
        a.wert = kommaZahlLesen(wert);
        a.istReal = 1;
        return Folge::Weiter;
    }
    case c("RDA"): case c("RPA"): case c("RAB"): case c("RBE"): case c("RPE"): case c("RAM"): case c("RAN"): case c("REN"):
        return reizWert(0, true);
    case c("REI"): return reizWert(*wert == '1' ? 1 : 0, false);
    case c("RWI"): return reizWert(kommaGanzzahlLesen(wert), false);
    case c("RAL"): return reizWert((*wert == 'M' || *wert == '1') ? 1 : (*wert == 'O' || *wert == '2') ? 0 : -1, false);
    case c("RAR"): return reizWert((*wert == 'R' || *wert == '0') ? 0 : (*wert == 'S' || *wert == '1') ? 1 : -1, false);
    case c("RUP"): {
        if (!neuron || reiz < 1)
            return fehlerMitText(1060);
        if (!stromreizBeendet(neuron->stromreize[static_cast<size_t>(reiz) - 1], s.dauer))
            return fehlerMitText(1061);
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Stromreiz;
        a.ziel = reiz;
        a.neuronNummer = neuron->nummer;
        return Folge::Weiter;
    }
    case c("RCA"): case c("HMA"): case c("SWA"): case c("RCB"): case c("HMB"): case c("SWB"): case c("LEI"):
    case c("INI"): case c("EPO"): case c("POW"): {
        if (kanal == 0 || !neuron)
            return fehlerMitText(1062);
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = kanalArt;
        a.ziel = kanal;
        a.neuronNummer = neuron->nummer;
        a.wert = kommaZahlLesen(wert);
        a.istReal = 1;
        return Folge::Weiter;
    }
    case c("TFA"): case c("THA"): case c("TRA"): case c("TSA"): case c("THB"): case c("TRB"): case c("TSB"):
    case c("TSC"): case c("SLE"): case c("DEL"): case c("TKR"): case c("TRS"): case c("TRT"):
    case c("TNF"): case c("ANF"): case c("BNF"): case c("TBF"): case c("ABF"): case c("BBF"): case c("TND"):
    case c("AND"): case c("BND"): case c("TBD"): case c("ABD"): case c("BBD"):
        return synapsenWert(true);
    case c("SEP"):
        sep = true;
        return synapsenWert(true);
    case c("BAH"): case c("DEP"): case c("FAZ"): return synapsenWert(false);
    case c("SUP"): case c("BUP"): {
        if (!synapse)
            return fehlerMitText(code == c("SUP") ? 1063
                                                  : 1064);
        SkriptAnweisung& a = anhaengen(code);
        a.zielArt = zielArt::Synapse;
        a.ziel = synapse->id;
        a.neuronNummer = synapse->quellNummer;
        return Folge::Weiter;
    }
    default:
        bekannt = false;
        return Folge::Weiter;
    }
}

} // namespace skriptlader
