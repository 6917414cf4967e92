// files/analysewaechter.cpp - what an analysis changes of the user's network and settings,
// kept and given back
#include "files/analysewaechter.h"
#include "core/status.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/netz.h"
#include "model/synapse.h"
#include <algorithm>
#include <cstdio>

bool AnalyseWaechter::standAufnehmen = false;
void (*AnalyseWaechter::nachRueckgabe)(const AnalyseWaechter&) = nullptr;

AnalyseStand analyseStandNehmen()
{
    AnalyseStand s;
    netzDateiText(s.netz);
    XBuffer einstellungen;
    einstellungen.crLfZeilenenden();
    cfgDateiSpeichern(nullptr, &einstellungen, 0);
    s.einstellungen = einstellungen.text();
    s.programm = programmStatus;
    s.skript = skriptStatus;
    s.modus = modusStatus;
    char zeile[96];
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        for (const SynapseDaten* y = n->ausgangsSynapsen; y; y = y->naechsteSynapse) {
            std::snprintf(zeile, sizeof zeile, "synapse %d %a\n", y->id, y->leitfaehigkeit);
            s.laufwerte += zeile;
        }
        for (const SynapsenPool* p = n->eingangsPools; p; p = p->naechsterPool) {
            std::snprintf(zeile, sizeof zeile, "pool %d %d %d %a\n", n->nummer, p->typ, p->zielBereich, p->gSumme);
            s.laufwerte += zeile;
        }
    }
    s.netzKennung = netzKennung;
    return s;
}

void AnalyseWaechter::beginnen()
{
    zurueckgeben();
    kennung = netzKennung;
    begonnen = true;
    standVorher = standAufnehmen ? analyseStandNehmen() : AnalyseStand{};
    standNachher = {};
}

bool AnalyseWaechter::haelt(const AnalyseSchluessel& schluessel) const
{
    return std::ranges::any_of(rueckgaben, [&](const Rueckgabe& r) { return r.schluessel == schluessel; });
}

bool AnalyseWaechter::behalten(const AnalyseSchluessel& schluessel, std::function<void()> rueckgabe, bool ansNetz)
{
    if (!begonnen) {
        // a value kept before the analysis said so begins it on the network it came from
        kennung = netzKennung;
        begonnen = true;
    }
    if (haelt(schluessel))
        return false;
    rueckgaben.push_back({schluessel, std::move(rueckgabe), ansNetz});
    return true;
}

void AnalyseWaechter::ersetzen(const AnalyseSchluessel& schluessel, std::function<void()> rueckgabe, bool ansNetz)
{
    if (behalten(schluessel, rueckgabe, ansNetz))
        return;
    auto r = std::ranges::find_if(rueckgaben, [&](const Rueckgabe& x) { return x.schluessel == schluessel; });
    r->ausfuehren = std::move(rueckgabe);
    r->ansNetz = ansNetz;
}

bool AnalyseWaechter::imselbenNetz() const { return begonnen && kennung == netzKennung; }

void AnalyseWaechter::zurueckgeben()
{
    if (!begonnen)
        return;
    // taken out first: a give-back that starts another analysis finds this one empty
    std::vector<Rueckgabe> liste;
    liste.swap(rueckgaben);
    const bool selbesNetz = kennung == netzKennung;
    for (auto r = liste.rbegin(); r != liste.rend(); ++r)
        if (selbesNetz || !r->ansNetz)
            r->ausfuehren();
    begonnen = false;
    if (standAufnehmen) {
        standNachher = analyseStandNehmen();
        if (nachRueckgabe)
            nachRueckgabe(*this);
    }
}

void AnalyseWaechter::verwerfen()
{
    rueckgaben.clear();
    begonnen = false;
}
