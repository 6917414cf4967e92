// tests/files/netzdatei_hilfe.h - an empty network with the settings the network file keeps
// at their start values, a folder for the files, texts for the readers and the damage the
// mutation tests do to them
#pragma once
#include "../model/test_synapse_hilfe.h"
#include "files/netzdatei.h"
#include "files/neuronabschnitt.h"
#include "files/synapsenabschnitt.h"
#include "model/anzeigeeinstellungen.h"
#include "model/kurven.h"
#include "model/permutationsfenster.h"
#include "model/seiteneinrichtung.h"
#include "model/serverdaten.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "platform/zeichensatz.h"
#include "rahmen_attrappe.h"
#include "testhilfe.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <functional>

namespace pt = plattform::test;

struct NetzdateiFall : SynapsenFall {
    std::string ordner;

    void SetUp() override
    {
        SynapsenFall::SetUp();
        einstellungenVoreinstellen();
        ordner = testhilfe::tempOrdner("netzdatei");
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
        dateipfade.filterText = dateipfade.vollerPfad = "";
    }
    void TearDown() override
    {
        einstellungenVoreinstellen();
        SynapsenFall::TearDown();
        std::filesystem::remove_all(ordner);
    }

    // every record the network file keeps back at its start value
    static void einstellungenVoreinstellen()
    {
        hauptfensterGeometrie = {};
        protokoll = {};
        dialogEinstellungen = {};
        seiteNetzfenster = seiteDiagrammfenster = {};
        permutationsFenster = {};
        maxBinDateiGroesse = 0;
        DiagrammDaten& d = permutationsDiagramm;
        std::tie(d.fensterBreite, d.fensterHoehe, d.fensterX, d.fensterY) = std::tuple(700, 500, 100, 100);
        serverDaten = {};
        neueSynapseVorgaben = {};
        synapsenfarben = {};
        wiedergabe = {};
        neuronnamenAnzeigen = skriptMeldungenAnzeigen = 1;
        for (int i = 0; i < kurvenProDiagramm; ++i)
            kurvenStandardfarben[static_cast<size_t>(i)] = vorlagenKurvenFarbe(i);
        fensterliste.fill(FensterlistenEintrag{});
        serverBlockVorhanden = 0;
        altePausenUmrechnen = false;
    }

    std::string pfad(const std::string& name = "netz.gui") const { return ordner + name; }

    // the network text as the undo snapshot gets it, without the settings text before it
    static std::string imSpeicher()
    {
        XBuffer b;
        EXPECT_TRUE(guiDateiSpeichern(0, &b, 0));
        const size_t netz = b.text().find("[neuronen-netzwerk-datei]\n");
        EXPECT_NE(netz, std::string::npos);
        return netz == std::string::npos ? b.text() : b.text().substr(netz);
    }
    // the network saved under dateipfade
    void gespeichert() { EXPECT_TRUE(guiDateiSpeichern(0, nullptr, 1)); }
    // the text written as a file and opened into an empty network, as the open command does
    int laden(const std::string& text)
    {
        std::string datei = pfad("geladen.gui");
        testhilfe::schreiben(datei, text);
        netzLoeschen();
        return guiDateiLaden(datei);
    }

    // a writable, zero-ended copy for the section readers
    static std::vector<char> lesbar(const std::string& t) { return {t.c_str(), t.c_str() + t.size() + 1}; }
    // the neuron's block as the network writer prints it, under nummer (-1: its own)
    static std::string block(NeuronDaten* n, int nummer = -1)
    {
        XBuffer puffer;
        guiNeuronSpeichern(n, nummer, nullptr, puffer, 0);
        return puffer.text();
    }
};

// Gives every field of a list its own value from a running number. The values keep all
// their digits through "%.15g", "%f" and the server's "%g"; colours stay below "no colour".
struct Fueller {
    int i;
    void operator()(int& f) { f = ++i; }
    void operator()(int16_t& f) { f = static_cast<int16_t>(-++i); }
    void operator()(uint32_t& f) { f = (static_cast<uint32_t>(++i) * 0x010203u) & 0xFFFFFFu; }
    void operator()(double& f) { f = ++i * 0.0625; }
    void operator()(float& f) { f = static_cast<float>(++i) * 0.25f; }
    void operator()(std::string& f) { f = "t" + std::to_string(++i) + " \xFC" "ber"; }
    template <class T, size_t N>
    void operator()(std::array<T, N>& a) { *this = std::for_each(a.begin(), a.end(), *this); }
};

// a minimal network text with the given global keys, neuron blocks and further sections
inline std::string netzText(const std::string& kopf, const std::vector<int>& neurone = {1},
                            const std::string& abschnitte = "")
{
    std::string t = "[neuronen-netzwerk-datei]\n" + kopf + "\n[seiteneinstellungen start]\n";
    for (int n : neurone)
        t += "\n[NEURON " + std::to_string(n) + "] ***\n[ende NEURON " + std::to_string(n) + "] ***\n";
    return t + abschnitte + "[Servereinstellungen]\n[ende Servereinstellungen]\n[Dateiende]\n";
}

// the lines of an ordinary synapse as a file has them
inline std::string synapseZeilen(int id, int von = 1, int auf = 2, const std::string& weitere = "")
{
    const std::string p = "Synapse " + std::to_string(id) + " ";
    return p + "von=" + std::to_string(von) + "\n" + p + "auf=" + std::to_string(auf) + "\n" + p +
           "targetArea=0\n" + p + "deliveryTime=0.002\n" + p + "synapticType=1\n" + p +
           "initialConductance=2e-07\n" + p + "transmitterReleaseThreshold=-0.04\n" + p +
           "transmitterSatiate=0.02\n" + weitere;
}

// The damage of the mutation tests, the same on every run: the text cut anywhere, bytes
// changed, a value made huge, endless or broken, a line gone, other line ends or UTF-8.
struct Verformer {
    uint32_t zustand;

    size_t bis(size_t n)
    {
        zustand = zustand * 1664525u + 1013904223u;
        return n ? (zustand >> 8) % n : 0;
    }
    std::string operator()(std::string t)
    {
        static const char besondere[] = {'\0', '\n', '\r', '=', '[', ']', '-', '9', ',', '.', ' ', '\xE4',
                                         '\xFF'};
        static const char* const zahlen[] = {"nan", "-inf", "1e999", "-1e308", "99999999999", "-2147483649",
                                             "1e-320", "", "-0", "4294967296", "1,5,5", "ja", "4095", "4096",
                                             "-1", "7"};
        constexpr size_t npos = std::string::npos;
        for (size_t schritte = 1 + bis(2), a = 0, e = 0; schritte > 0 && t.size() > 1; --schritte) {
            const size_t stelle = bis(t.size());
            switch (bis(5)) {
            case 0: t.resize(stelle); break;
            case 1:
                t[stelle] = bis(2) ? besondere[bis(sizeof besondere)] : static_cast<char>(t[stelle] ^ 0x10);
                break;
            case 2:
                if ((a = t.find('=', stelle)) != npos)
                    t.replace(a + 1, t.find('\n', a) - a - 1, zahlen[bis(std::size(zahlen))]);
                break;
            case 3:
                a = (e = t.rfind('\n', stelle)) == npos ? 0 : e + 1;
                t.erase(a, (e = t.find('\n', a)) == npos ? npos : e + 1 - a);
                break;
            default:
                if (bis(3) == 0)
                    t = plattform::nachUtf8(t);
                else   // CR LF, or CR alone
                    for (size_t i = t.find('\n'), lf = bis(2); i != npos; i = t.find('\n', i + 1 + lf))
                        t.replace(i, 1, lf ? "\r\n" : "\r");
            }
        }
        return t;
    }
};
