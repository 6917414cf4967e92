// permutation/exportdialog.cpp - "Auszugebende Parameter" (256): the columns of the text
// export of the loaded results, their decimals and the decimal sign
//
// The check boxes are the working copy; OK rebuilds the export's flag word from them once
// the separator and the decimals are valid, Cancel leaves everything as it was.
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "model/zahlen.h"
#include "permutation/ergebnisse.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cmath>

using namespace plattform;

namespace {

enum : int {
    idNummer = 2561, idGuete = 2562, idLevel = 2563, idLevelIndex = 2564, idAuto = 2565, idFrequenzen = 2566,
    idApAnzahl = 2567, idApZeiten = 2568, idZusatz = 2569, idDezimalstellen = 2571, idTrennzeichen = 2573,
};
constexpr int groessteDezimalstellen = 30;

struct Kasten {
    int id;
    uint32_t flag;
};
constexpr Kasten kaesten[] = {
    {idNummer, exportFlag::Nummer},         {idGuete, exportFlag::Guete},       {idLevel, exportFlag::Level},
    {idLevelIndex, exportFlag::LevelIndex}, {idAuto, exportFlag::Auto},         {idFrequenzen, exportFlag::Frequenzen},
    {idApAnzahl, exportFlag::ApAnzahl},     {idApZeiten, exportFlag::ApZeiten}, {idZusatz, exportFlag::Zusatz},
};

DialogRahmen rahmen;

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageExportParameter); }

// the decimals only with the quality ticked and "Auto" off
void stellenFreigeben(Fenster dlg)
{
    const bool guete = haken(dlg, idGuete) == 1;
    dialogElementAktivieren(dlg, idAuto, guete);
    dialogElementAktivieren(dlg, idDezimalstellen, guete && haken(dlg, idAuto) != 1);
}

void fuellen(Fenster dlg)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    for (const Kasten& k : kaesten)
        hakenSetzen(dlg, k.id, (z.exportFlags & k.flag) ? 1 : 0);
    const bool ohneZusatz = z.zusatzAnzahl == 0;
    dialogElementAktivieren(dlg, idZusatz, z.zusatzAnzahl > 0);
    dialogElementAktivieren(dlg, idLevelIndex, ohneZusatz);
    dialogElementAktivieren(dlg, idFrequenzen, ohneZusatz);
    dialogElementAktivieren(dlg, idLevel, ohneZusatz && static_cast<int>(z.klassen.size()) == klassenAnzahlKopien);
    elementTextSetzen(dlg, idDezimalstellen, std::to_string(z.exportDezimalstellen));
    elementTextSetzen(dlg, idTrennzeichen, std::string(1, static_cast<char>(dezimalzeichen)));
    dialogElementAktivieren(dlg, idDezimalstellen, !(z.exportFlags & exportFlag::Auto));
}

void uebernehmen(Fenster dlg)
{
    const std::string trenner = elementText(dlg, idTrennzeichen);
    if (trenner.empty() || (trenner[0] != '.' && trenner[0] != ',')) {
        dialogElementFokussieren(dlg, idTrennzeichen, 1);
        piepen(1000, 40);
        return;
    }
    const bool guete = haken(dlg, idGuete) == 1;
    double stellen = 0.0;
    if (guete && !dialogZahlFeldLesen(dlg, idDezimalstellen, 0.0, groessteDezimalstellen, stellen))
        return;
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    uint32_t flags = 0;
    for (const Kasten& k : kaesten)
        if (haken(dlg, k.id) == 1 && (k.flag != exportFlag::Auto || guete))
            flags |= k.flag;
    z.exportFlags = flags;
    if (guete)
        z.exportDezimalstellen = static_cast<int>(std::trunc(stellen));
    dezimalzeichen = trenner[0];
    dialogSchliessen(dlg, rahmen, 1, false);
}

void befehl(Fenster dlg, int id)
{
    switch (id) {
    case idGuete:
    case idAuto: stellenFreigeben(dlg); break;
    case 1: uebernehmen(dlg); break;
    case 2: dialogSchliessen(dlg, rahmen, 2, false); break;
    }
}

} // namespace

intptr_t exportParameterDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen: dialogPositionMerken(dlg, rahmen); return 0;
    case nachricht::DialogInit: dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen}); return 1;
    case nachricht::Befehl: befehl(dlg, loWort(w)); return 1;
    case nachricht::Zerstoeren: rahmen.frisch = 1; return 0;
    }
    return 0;
}

intptr_t exportParameterDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageExportParameter, eigner ? eigner : fensterhandles.hauptfenster, exportParameterDlgProc);
}
