// files/synapsentypen.cpp - the network's synapse-type table from the type lines of a
// network text, or from the standard types
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/lesen.h"
#include "files/synapsenabschnitt.h"
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <new>

namespace {

// No network has more synapses than ids; a longer table is a broken count, not a network.
constexpr int groessteSynapsenTypAnzahl = synapsenTabellenGroesse;

// the standard type of an ion kind 1-4, the fallback for an empty potential or name
const SynapsenTyp* standardTyp(int ion)
{
    return ion >= 1 && ion <= standardSynapsenTypAnzahl ? &stdSynapsenTypen[static_cast<size_t>(ion - 1)] : nullptr;
}

bool ionGueltig(int ion) { return ion >= ionenArt::Natrium && ion <= ionenArt::Elektrisch; }

// One type's lines into eintrag; false when its ion line is missing (the slot stays free
// for the next type). A kind outside 1-4 is reported and kept as 0 for the repair.
bool typLesen(char* text, int k, int slot, SynapsenTyp& eintrag, bool& reparieren)
{
    std::array<char, 64> schluessel{};
    std::snprintf(schluessel.data(), schluessel.size(), "Synapsentyp %d Ion=", k);
    int ion = 0;
    if (!zahlLesen(ion, text, schluessel.data()))
        return false;
    if (!ionGueltig(ion)) {
        ion = 0;
        reparieren = true;
    }
    eintrag.ion = ion;
    const SynapsenTyp* standard = standardTyp(ion);

    // an empty value at a line start means the standard potential of the kind
    std::snprintf(schluessel.data(), schluessel.size(), "Synapsentyp %d Gleichgewichtspotential=", k);
    std::string wert;
    if (standard && schluesselTextLesen(wert, 2, text, schluessel.data()) && wert.empty())
        eintrag.potential = standard->potential;
    else
        zahlLesen(eintrag.potential, text, schluessel.data());

    std::snprintf(schluessel.data(), schluessel.size(), "Synapsentyp %d Bezeichnung=", k);
    const bool mitName = schluesselTextLesen(wert, synapsenTypNameLaenge + 1, text, schluessel.data());
    if (mitName)
        eintrag.bezeichnung = wert;
    if (standard && (!mitName || wert.empty()))
        eintrag.bezeichnung = standard->bezeichnung;
    if (ion == 0)
        plattform::hinweisBox(meldungFormatieren(259, slot));
    return true;
}

// Entries without a kind get the first kind 1-4 no entry uses. False (nothing changed)
// when only the electrical kind is free: an electrical synapse in place of a chemical one would change
// the network, so the table is refused. With every kind in use they keep kind 0.
bool ionenReparieren(std::vector<SynapsenTyp>& tabelle)
{
    std::array<bool, 5> benutzt{};
    for (const SynapsenTyp& t : tabelle)
        if (ionGueltig(t.ion))
            benutzt[static_cast<size_t>(t.ion)] = true;
    int frei = ionenArt::Natrium;
    while (frei <= ionenArt::Elektrisch && benutzt[static_cast<size_t>(frei)])
        ++frei;
    if (frei == ionenArt::Elektrisch)
        return false;
    if (frei > ionenArt::Elektrisch)
        return true;
    int repariert = 0;
    std::string erster = meldungsTexte[416];
    for (SynapsenTyp& t : tabelle)
        if (t.ion == 0) {
            if (repariert++ == 0 && !t.bezeichnung.empty())
                erster = t.bezeichnung;
            t.ion = frei;
        }
    plattform::hinweisBox(meldungFormatieren(260, erster.c_str(), repariert));
    return true;
}

} // namespace

bool synapsenTypenLaden(char* text)
{
    std::vector<SynapsenTyp> tabelle;
    const int anzahl = synapsenTypAnzahl;
    // a refused table leaves the one there is, with its own count
    auto verweigern = [](auto... meldung) {
        plattform::hinweisBox(meldungFormatieren(meldung...));
        synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
        return false;
    };
    if (text && anzahl > groessteSynapsenTypAnzahl)
        return verweigern(970, anzahl, groessteSynapsenTypAnzahl);
    try {
        if (synapsenTypSpeicherVerweigert && synapsenTypSpeicherVerweigert())
            throw std::bad_alloc();
        if (!text || anzahl <= 0) {
            // the standard types; there are four of them whatever the count says
            tabelle.assign(stdSynapsenTypen.begin(), stdSynapsenTypen.end());
        } else {
            // the types of the lines found, numbered up to the count (at least the four
            // kinds); a number without lines makes no entry, so the table holds what the
            // text holds and a synapse of a type past it is refused
            const int groesse = std::max(anzahl, standardSynapsenTypAnzahl);
            bool reparieren = false;
            for (int k = 0; k < groesse; ++k) {
                SynapsenTyp typ{0, 0.0, "leer"};
                if (typLesen(text, k, static_cast<int>(tabelle.size()), typ, reparieren))
                    tabelle.push_back(std::move(typ));
            }
            // a text with a count but not one type line is read as one without a count
            if (tabelle.empty())
                tabelle.assign(stdSynapsenTypen.begin(), stdSynapsenTypen.end());
            if (reparieren && !ionenReparieren(tabelle))
                return verweigern(415);
        }
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungFormatieren(692));
        return false;
    }
    synapsenTypen.swap(tabelle);
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
    return true;
}
