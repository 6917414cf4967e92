// dialogs/synapsenteile.cpp - what the dialogs on template 135 share
#include "dialogs/synapsenteile.h"
#include "core/status.h"
#include "dialogs/synapsenfelder.h"
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

namespace synapsenDialog {

int artVonKnopf(int id)
{
    for (size_t i = 0; i < artKnoepfe.size(); ++i)
        if (artKnoepfe[i] == id)
            return static_cast<int>(i) + 1;
    return 0;
}

int letzterHaken(Fenster dlg, std::span<const int> knoepfe, int alt)
{
    for (size_t i = 0; i < knoepfe.size(); ++i)
        if (haken(dlg, knoepfe[i]))
            alt = static_cast<int>(i);
    return alt;
}

void radiosSetzen(Fenster dlg, std::span<const int> knoepfe, int gewaehlt)
{
    for (size_t i = 0; i < knoepfe.size(); ++i)
        hakenSetzen(dlg, knoepfe[i], static_cast<int>(i) == gewaehlt ? 1 : 0);
}

int typListeFuellen(Fenster dlg, int ion, int auswahl)
{
    listeLeeren(dlg, idTyp);
    int position = -1;
    for (size_t i = 0; i < synapsenTypen.size(); ++i) {
        if (synapsenTypen[i].ion != ion)
            continue;
        const int p = listeHinzufuegen(dlg, idTyp, synapsenTypen[i].bezeichnung);
        listeDatenSetzen(dlg, idTyp, p, static_cast<intptr_t>(i));
    }
    for (int p = 0; p < listeAnzahl(dlg, idTyp); ++p)
        if (listeDaten(dlg, idTyp, p) == auswahl)
            position = p;
    if (position < 0 && listeAnzahl(dlg, idTyp) > 0)
        position = 0;
    listeAuswahlSetzen(dlg, idTyp, position);
    if (position >= 0) {
        const auto i = static_cast<size_t>(listeDaten(dlg, idTyp, position));
        elementTextSetzen(dlg, idPotential, feldText(synapsenTypen[i].potential));
    }
    return position;
}

int typNachName(const std::string& name)
{
    for (size_t i = 0; i < synapsenTypen.size(); ++i)
        if (synapsenTypen[i].bezeichnung == name)
            return static_cast<int>(i);
    return -1;
}

void ansichtZeigen(Fenster dlg)
{
    const int anzeige = dialogEinstellungen.synapsenDialogAnzeige;
    for (int id : typVerwaltung)
        elementZeigen(dlg, id, anzeige);
    elementZeigen(dlg, idGrossRahmen, anzeige == 5 ? 5 : 0);
    elementZeigen(dlg, idKleinRahmen, anzeige == 5 ? 0 : 5);
    hakenSetzen(dlg, idEinfach, anzeige == 0 ? 1 : 0);
}

std::string kontaktortName(Fenster dlg, int ort, int elternId)
{
    if (ort >= 0 && ort < static_cast<int>(ortKnoepfe.size()))
        return elementText(dlg, ortKnoepfe[static_cast<size_t>(ort)]);
    return meldungFormatieren(1204, elternId);
}

bool typAusListeLoeschen(Fenster dlg, int& letztePosition, int& typ)
{
    if (listeAnzahl(dlg, idTyp) < 2) {
        hinweisBox(meldungsTexte[28]);
        return false;
    }
    int p = listeAuswahl(dlg, idTyp);
    if (p < 0)
        p = std::min(letztePosition, listeAnzahl(dlg, idTyp) - 1);
    const SynapsenTyp kandidat = synapsenTypen[static_cast<size_t>(listeDaten(dlg, idTyp, p))];
    if (sysInfoBox(meldungFormatieren(30, kandidat.bezeichnung, kandidat.potential), knoepfe::JaNein) != antwort::Ja)
        return false;
    const std::string gewaehlterName = synapsenTypen[static_cast<size_t>(typ)].bezeichnung;
    synapsenTypLoeschen(&kandidat, synapsenTypen);
    typ = typNachName(gewaehlterName);
    letztePosition = typListeFuellen(dlg, kandidat.ion, -1);
    return true;
}

} // namespace synapsenDialog
