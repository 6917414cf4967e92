// dialogs/kanalauswahl.cpp - the channel choice dialog "Kanal zu neuron auswählen" (251)
#include "dialogs/kanalauswahl.h"
#include "dialogs/rahmen.h"
#include "model/neuron.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

int kanalAuswahlPosition = 0;

namespace {

enum : int { idListe = 1800, idStrom = 2298, idOeffnung = 2299 };

DialogRahmen rahmen;
NeuronDaten* neuron = nullptr;

BenutzerKanal* gewaehlterKanal(Fenster dlg)
{
    const int i = listeAuswahl(dlg, idListe);
    return i < 0 ? nullptr : reinterpret_cast<BenutzerKanal*>(listeDaten(dlg, idListe, i));
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageKanalAuswahl); }

void fuellen(Fenster dlg)
{
    listeLeeren(dlg, idListe);
    for (BenutzerKanal& k : neuron->benutzerKanaele) {
        const int i = listeHinzufuegen(dlg, idListe, k.name);
        listeDatenSetzen(dlg, idListe, i, reinterpret_cast<intptr_t>(&k));
    }
    if (kanalAuswahlPosition >= listeAnzahl(dlg, idListe))
        kanalAuswahlPosition = 0;
    listeAuswahlSetzen(dlg, idListe, listeAnzahl(dlg, idListe) > 0 ? kanalAuswahlPosition : -1);
    const BenutzerKanal* k = gewaehlterKanal(dlg);
    const bool oeffnung = k && k->darstellung != 0;
    hakenSetzen(dlg, idStrom, oeffnung ? 0 : 1);
    hakenSetzen(dlg, idOeffnung, oeffnung ? 1 : 0);
}

} // namespace

intptr_t kanalAuswahlDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    // without a neuron the dialog ends with 0: nothing was chosen
    if (intptr_t antwort; satzDialogAnfang(dlg, n, l, rahmen, neuron, {nullptr, texteSetzen, fuellen}, antwort, 0))
        return antwort;
    switch (n) {
    case nachricht::Befehl:
        switch (loWort(w)) {
        case idListe:
            if (hiWort(w) == benachrichtigung::AuswahlGeaendert) {
                kanalAuswahlPosition = std::max(listeAuswahl(dlg, idListe), 0);
                senden(dlg, nachricht::DialogInit, 0, 0);
            }
            return 1;
        case 1: {
            BenutzerKanal* k = gewaehlterKanal(dlg);
            if (!k) {
                dialogSchliessen(dlg, rahmen, 0, false);
                return 1;
            }
            kanalAuswahlPosition = listeAuswahl(dlg, idListe);
            k->darstellung = haken(dlg, idOeffnung) == 1 ? 1 : 0;
            dialogSchliessen(dlg, rahmen, kanalAuswahlPosition + 1, false);
            return 1;
        }
        case 2: dialogSchliessen(dlg, rahmen, 0, false); return 1;
        }
        return 0;
    }
    return 0;
}

int kanalAuswahlDialogOeffnen(Fenster eigner, NeuronDaten* n)
{
    const intptr_t r = dialogModal(vorlageKanalAuswahl, eigner ? eigner : fensterhandles.hauptfenster,
                                   kanalAuswahlDlgProc, reinterpret_cast<intptr_t>(n));
    return r > 0 ? static_cast<int>(r) : 0;
}
