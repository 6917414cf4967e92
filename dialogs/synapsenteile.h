// dialogs/synapsenteile.h - what the dialogs on template 135 share: control ids, the type
// list and the radios
#pragma once
#include "platform/dialog.h"
#include <array>
#include <span>
#include <string>

namespace synapsenDialog {

constexpr int idQuelle = 1262;
constexpr int idZiel = 1263;
constexpr int idTyp = 1259;
constexpr int idPotential = 1260;
constexpr int idNeuerTyp = 1265;
constexpr int idTypLoeschen = 1261;
constexpr int idTypZuweisen = 1267;
constexpr int idVerzoegerung = 1236;
constexpr int idLeitfaehigkeit = 1242;
constexpr int idSchwelle = 1244;
constexpr int idSaettigung = 1246;
constexpr int idAus = 1833;
constexpr int idDynamik = 1828;
constexpr int idDynamikKnopf = 1827;
constexpr int idBahnung = 1830;
constexpr int idBahnungTyp2 = 1832;
constexpr int idBahnungKnopf = 1829;
constexpr int idPsp = 1835;
constexpr int idPspKnopf = 1834;
constexpr int idDehnen = 1861;
constexpr int idDehnung = 1518;
constexpr int idGewichtung = 1519;
constexpr int idOeffnungsfaktor = 1831;
constexpr int idIdText = 2196;
constexpr int idEinfach = 1836;
constexpr int idGrossRahmen = 1661;
constexpr int idKleinRahmen = 1664;
constexpr int idLoeschen = 1266;
constexpr int idVerzoegerungText = 1656;
// by kind 1..4 (index kind - 1), by contact site 0..3, by electrical mode 0..2
constexpr std::array<int, 4> artKnoepfe = {1251, 1247, 1248, 1249};
constexpr std::array<int, 4> ortKnoepfe = {1238, 1239, 1240, 1241};
constexpr std::array<int, 3> modusKnoepfe = {1920, 1921, 1922};
// the type-management controls the simple view hides
constexpr std::array<int, 7> typVerwaltung = {1663, 1662, idPotential, idTyp, idNeuerTyp, idTypLoeschen, idTypZuweisen};

// the kind (1..4) whose radio is id, 0 for none
int artVonKnopf(int id);
// the last checked of the radios (their order counts), or alt when none is checked
int letzterHaken(plattform::Fenster dlg, std::span<const int> knoepfe, int alt);
void radiosSetzen(plattform::Fenster dlg, std::span<const int> knoepfe, int gewaehlt);
// The list holds the types of ion kind ion in table order, each item's data its table
// index; the item of entry auswahl (else item 0) is selected and its potential shown.
// The selected position, -1 for an empty list.
int typListeFuellen(plattform::Fenster dlg, int ion, int auswahl);
// the table index of the first type named name, -1
int typNachName(const std::string& name);
// "Typ loeschen": the type the list shows chosen (else the one at letztePosition) is deleted
// from the table after its question; the list is filled anew with the types of its kind.
// typ, the working copy's type, is found again by name: -1 when it was the deleted one.
// false when nothing was deleted (only one type, or No).
bool typAusListeLoeschen(plattform::Fenster dlg, int& letztePosition, int& typ);
// the simple or the full view: type management and the two frames
void ansichtZeigen(plattform::Fenster dlg);
// a contact site's name for the questions and captions: the radio's label; an axo-axonic
// synapse is named by its parent
std::string kontaktortName(plattform::Fenster dlg, int ort, int elternId);

} // namespace synapsenDialog
