// permutation/ergebnisseladen.cpp - the records of indexed results loaded from their result
// files, and unloading everything
//
// Every record is checked whole against its file before it is taken: an entry that does
// not point at a record of the loaded results' form, or of its own number, means the index
// does not belong to its files, and nothing of it stays loaded.
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "permutation/ergebnisleser.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <new>

using namespace plattform;

int ergebnisAnzahlErfragen(int eintraege)
{
    eingabeParameter.titel = meldungsTexte[60];
    eingabeParameter.text1 = meldungsTexte[61];
    eingabeParameter.text2.clear();
    eingabeParameter.eingabeBeschriftung = meldungsTexte[62];
    eingabeParameter.eingabeText = std::to_string(std::max(1L, std::lround(eintraege / 10.0)));
    eingabeParameter.flags = 0;
    if (eingabeDialogOeffnen() != 1)
        return 0;
    const std::string& text = eingabeParameter.eingabeText;
    const size_t anfang = text.find_first_not_of(" \t");
    if (anfang != std::string::npos && cp1252Vergleichen(text.substr(anfang, 3), "max") == 0)
        return eintraege;
    double anzahl = 0.0;
    if (!dialogTextZahl(text, anzahl) || !(anzahl >= 1.0))
        return 0;
    return static_cast<int>(std::min(std::trunc(anzahl), static_cast<double>(eintraege)));
}

bool ergebnisdateienOeffnen(std::vector<Dateifenster>& fenster, PermutationsKopf& form)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    PermutationsDateiListe& l = z.dateien;
    l.handles.resize(l.namen.size());
    fenster.assign(l.namen.size(), Dateifenster(nullptr, 4096));
    for (size_t i = 0; i < l.namen.size(); ++i) {
        l.handles[i].reset(dateiOeffnen(l.namen[i], "rb"));
        if (!l.handles[i]) {
            hinweisBox(meldungFormatieren(73, l.namen[i]));
            ergebnisdateienSchliessen();
            return false;
        }
        fenster[i].oeffnen(l.handles[i].get());
    }
    PermutationsKopf kopf;
    const KopfStand stand = fenster.empty() ? KopfStand::Unbekannt : ergebnisKopfLesen(fenster[0], kopf);
    if (stand != KopfStand::Gut) {
        hinweisBox(meldungsTexte[stand == KopfStand::FremderTyp ? 78 : 214]);
        ergebnisdateienSchliessen();
        return false;
    }
    form = satzForm(z.synapsenAnzahl, z.levelAnzahl, static_cast<int>(kopf.klassen.size()), z.zusatzAnzahl);
    return true;
}

bool ergebnisSatzLesen(std::vector<Dateifenster>& fenster, const PermutationsKopf& form, const PermutationsIndexEintrag& e,
                       PermutationsErgebnis& aus)
{
    const PermutationsDateiListe& l = permutationsErgebnisse.dateien;
    // a whole record of another number at the entry's place is as wrong as a broken one:
    // the index does not belong to this file
    if (e.dateiNummer < fenster.size() && e.satzOffset >= 0 &&
        satzLesen(fenster[e.dateiNummer], static_cast<uint64_t>(e.satzOffset), form, aus) && aus.nummer == e.nummer)
        return true;
    aus = PermutationsErgebnis{};
    const std::string name = e.dateiNummer < l.namen.size() ? l.namen[e.dateiNummer] : "";
    hinweisBox(meldungFormatieren(45, e.nummer, name));
    return false;
}

void ergebnisdateienSchliessen()
{
    for (OffeneDatei& d : permutationsErgebnisse.dateien.handles)
        d.reset();
}

int permutationErgebnisseLaden(int erster, int ende, int flags, std::FILE* text)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    const bool alsText = flags & ladeFlag::AlsText;
    if (z.index.empty()) {
        hinweisBox(meldungsTexte[400]);
        permutationDatenFreigeben();
        return 0;
    }
    const int eintraege = static_cast<int>(z.index.size());
    if (ende < 0 || ende > eintraege)
        ende = eintraege;
    erster = std::max(erster, 0);
    if (z.dateien.namen.empty()) {
        hinweisBox(meldungsTexte[83]);
        return 0;
    }
    // how many
    if (!alsText && ((flags & ladeFlag::AnzahlFragen) || z.ergebnisse.empty())) {
        const int anzahl = ergebnisAnzahlErfragen(eintraege);
        if (anzahl < 1)
            return 0;
        ende = anzahl;
    }
    erster = std::min(erster, ende);
    // the files
    std::vector<Dateifenster> fenster;
    PermutationsKopf form;
    if (!ergebnisdateienOeffnen(fenster, form))
        return 0;
    if (!alsText) {
        try {
            z.ergebnisse.clear();
            z.ergebnisse.reserve(static_cast<size_t>(ende - erster));
        } catch (const std::bad_alloc&) {
            endeMelden(EndeForm::Info, meldungFormatieren(112, static_cast<long long>(ende - erster) * static_cast<long long>(sizeof(PermutationsErgebnis))));
            ergebnisdateienSchliessen();
            return 0;
        }
        statusTeilSetzen(0, meldungsTexte[1633]);
    } else {
        statusTeilSetzen(0, meldungsTexte[1634]);
    }
    const DateiOperationAufStapel aufStapel;
    modusStatus |= modusBit::DateiOperation;
    cursorSetzen(standardCursor(cursorArt::Warten));
    bool satzFehler = false, schreibFehler = false;
    for (int i = erster; i < ende; ++i) {
        const PermutationsIndexEintrag& e = z.index[static_cast<size_t>(i)];
        PermutationsErgebnis r;
        if (!ergebnisSatzLesen(fenster, form, e, r)) {
            satzFehler = true;
            break;
        }
        r.wert = e.wert;
        if (!r.apZeiten.empty() && r.apZeiten.back() > z.spaetesterAp)
            z.spaetesterAp = r.apZeiten.back();
        if (alsText) {
            z.einzel = std::move(r);
            if (!permutationErgebnisZeileSchreiben(&z.einzel, text)) {
                schreibFehler = true;
                break;
            }
        } else {
            z.ergebnisse.push_back(std::move(r));
        }
        const int fertig = i - erster + 1;
        if (fertig % 100 != 0)
            continue;
        if (modusStatus & modusBit::DateiOperation) {
            char prozent[32];
            std::snprintf(prozent, sizeof prozent, "\t%d %%", fertig * 100 / (ende - erster));
            statusTeilSetzen(1, prozent);
            nachrichtenVerarbeiten();
        }
        if (!(modusStatus & modusBit::DateiOperation)) {
            modusStatus |= modusBit::DateiOperation;
            if (sysInfoBox(meldungFormatieren(49, fertig), knoepfe::JaNein) == antwort::Ja) {
                statusTeilSetzen(0, meldungsTexte[1631]);
                break;
            }
        }
    }
    statusTeilSetzen(1, "");
    cursorSetzen(standardCursor(cursorArt::Pfeil));
    modusStatus &= ~modusBit::DateiOperation;
    ergebnisdateienSchliessen();
    permutationsZeitachseGerundet = false;
    if (satzFehler) {
        permutationDatenFreigeben();
        return 0;
    }
    return schreibFehler ? 0 : 1;
}

void permutationDatenFreigeben()
{
    // the display draws from what is freed here: it goes first
    permutationFensterSchliessen();
    permutationsErgebnisseEntladen();
}
