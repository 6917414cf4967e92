// tests/files/test_synapsenabschnitt_mutation.cpp - the type table and synapse readers
// against damaged texts: truncations, flipped bytes, huge numbers, lost markers and keys,
// swapped lines and broken id lists. Nothing may crash, and what is loaded is consistent.
#include "test_synapsenabschnitt_hilfe.h"
#include <algorithm>
#include <cstdint>

namespace {

struct Zufall {
    uint32_t zustand;
    uint32_t naechste(uint32_t grenze)
    {
        zustand = zustand * 1103515245u + 12345u;
        return grenze ? (zustand >> 8) % grenze : 0;
    }
};

void zahlErsetzen(std::string& t, Zufall& z)
{
    static const char* const riesig[] = {"1e308", "-1e308", "nan", "inf", "99999999999", "-2147483649",
                                         "4095", "4096", "-1", "0", "7"};
    const size_t gleich = t.find('=', z.naechste(static_cast<uint32_t>(t.size())));
    if (gleich == std::string::npos)
        return;
    size_t ende = gleich + 1;
    while (ende < t.size() && t[ende] != '\n')
        ++ende;
    t.replace(gleich + 1, ende - gleich - 1, riesig[z.naechste(std::size(riesig))]);
}

void etwasLoeschen(std::string& t, Zufall& z)
{
    static const char* const teile[] = {"[ende axo-axonische Synapsen]", "[axo-axonische Synapsen]", "von=",
                                        "auf SynapseID=", "Ion=", "\n", "transmitter dynamik an=",
                                        "synapticType=", "targetArea=", "Synapse "};
    const std::string teil = teile[z.naechste(std::size(teile))];
    const size_t stelle = t.find(teil, z.naechste(static_cast<uint32_t>(t.size())));
    if (stelle != std::string::npos)
        t.erase(stelle, teil.size());
}

void zeilenTauschen(std::string& t, Zufall& z)
{
    std::vector<std::string> zeilen;
    for (size_t a = 0; a < t.size();) {
        const size_t e = t.find('\n', a);
        const size_t b = e == std::string::npos ? t.size() : e + 1;
        zeilen.push_back(t.substr(a, b - a));
        a = b;
    }
    if (zeilen.size() < 2)
        return;
    std::swap(zeilen[z.naechste(static_cast<uint32_t>(zeilen.size()))],
              zeilen[z.naechste(static_cast<uint32_t>(zeilen.size()))]);
    t.clear();
    for (const std::string& s : zeilen)
        t += s;
}

void listeVerderben(SynapsenIdListen& ids, Zufall& z)
{
    std::vector<int>& l = z.naechste(2) ? ids.synapsen : ids.axoSynapsen;
    switch (z.naechste(4)) {
    case 0: l.push_back(static_cast<int>(z.naechste(5000)) - 5); break;
    case 1: if (!l.empty()) l.push_back(l[z.naechste(static_cast<uint32_t>(l.size()))]); break;
    case 2: if (!l.empty()) l.erase(l.begin() + z.naechste(static_cast<uint32_t>(l.size()))); break;
    default: std::swap(ids.synapsen, ids.axoSynapsen); break;
    }
}

// what a load leaves must hold together, whatever it read
void stimmigPruefen(const SynapsenIdListen& ids)
{
    int alle = 0, axo = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            ++alle;
            ASSERT_EQ(synapseNachId(s->id), s);
            ASSERT_TRUE(s->synapsenTyp >= 0 && s->synapsenTyp < static_cast<int>(synapsenTypen.size()));
            const std::vector<int>& liste = s->axoIndex >= 1 ? ids.axoSynapsen : ids.synapsen;
            ASSERT_NE(std::find(liste.begin(), liste.end(), s->id), liste.end());
            if (s->axoIndex >= 1) {
                ++axo;
                ASSERT_NE(s->elternSynapse, nullptr);
                ASSERT_EQ(s->elternSynapse->id, s->elternId);
            } else {
                ASSERT_NE(s->pool, nullptr);
                ASSERT_TRUE(s->zielBereich >= 0 && s->zielBereich <= groessteSegmentAnzahl);
            }
        }
    EXPECT_EQ(synapsenZaehler, alle);
    EXPECT_EQ(axoZaehler, axo);
    EXPECT_EQ(synapsenTypAnzahl, static_cast<int>(synapsenTypen.size()));
    for (const SynapsenTyp& t : synapsenTypen)
        ASSERT_TRUE(t.ion >= 0 && t.ion <= ionenArt::Elektrisch);
}

} // namespace

TEST_F(SynapsenAbschnittFall, BeschaedigteTexteStuerzenNieAbUndLadenNurStimmiges)
{
    SynapseDaten* s1 = verbinde(n1, n2, 0, 1e-7, 0.0015, 0);
    verbinde(n2, n3, 3, 3e-9, 0.001, 2)->ausgeschaltet = 1;
    verbinde(n3, n1, 1, 2e-8, 0.004, 1)->transmitter.formAlpha = 1;
    verbinde(n1, n1, 2, 4e-8, 0.0025, 3)->bahnung.an = 1;
    verbinde(n3, nullptr, 0, 0.6, 0.0007, kontaktort::Axo, s1)->transmitter.formAlpha = 2;
    verbinde(n2, nullptr, 1, 0.3, 0.0009, kontaktort::Axo, s1);
    SynapsenIdListen basisIds;
    std::string basis = "[SynapsenTypen-definition] ***\n";
    for (const char* typ : {"0 Ion=1\n", "0 Gleichgewichtspotential=0.05\n", "0 Bezeichnung=Na\n", "1 Ion=2\n",
                            "1 Gleichgewichtspotential=\n", "1 Bezeichnung=\n", "2 Ion=3\n",
                            "2 Gleichgewichtspotential=-0.08\n", "2 Bezeichnung=Cl\n", "3 Ion=4\n",
                            "3 Gleichgewichtspotential=0\n", "3 Bezeichnung=Gap\n"})
        basis += std::string("Synapsentyp ") + typ;
    basis += "[ende SynapsenTypen-definition] ***\n\n" + schreiben(basisIds);
    const int typAnzahlen[] = {4, 4, 4, 5, 2, 0, -3, 50, 4097};

    Zufall z{20240611u};
    int vollstaendig = 0, teilweise = 0, verweigert = 0;
    for (int runde = 0; runde < 600; ++runde) {
        SCOPED_TRACE(runde);
        std::string t = basis;
        SynapsenIdListen ids = basisIds;
        const int schritte = 1 + static_cast<int>(z.naechste(3));
        for (int i = 0; i < schritte; ++i) {
            switch (z.naechste(6)) {
            case 0: t.resize(z.naechste(static_cast<uint32_t>(t.size()))); break;
            case 1:
                for (uint32_t k = 1 + z.naechste(8); k > 0 && !t.empty(); --k)
                    t[z.naechste(static_cast<uint32_t>(t.size()))] = static_cast<char>(1 + z.naechste(255));
                break;
            case 2: zahlErsetzen(t, z); break;
            case 3: etwasLoeschen(t, z); break;
            case 4: zeilenTauschen(t, z); break;
            default: listeVerderben(ids, z); break;
            }
        }
        leeresNetz();
        pt::fehlerBehandlungSetzen([](const std::string&) {});   // boxes without an answer: OK
        synapsenTypAnzahl = typAnzahlen[z.naechste(std::size(typAnzahlen))];
        std::vector<char> text = beschreibbar(t);
        char* abschnitt = z.naechste(4) ? text.data() : nullptr;
        bool geladen = synapsenTypenLaden(abschnitt);
        if (geladen) {
            std::vector<char> zweiter = beschreibbar(t);
            geladen = synapsenLaden(zweiter.data(), ids);
        }
        stimmigPruefen(ids);
        if (HasFatalFailure())
            return;
        if (!geladen)
            ++verweigert;
        else if (synapsenZaehler == 6)
            ++vollstaendig;
        else
            ++teilweise;
    }
    // the damage reached every outcome, so every path ran
    EXPECT_GT(vollstaendig, 0);
    EXPECT_GT(teilweise, 0);
    EXPECT_GT(verweigert, 0);
}
