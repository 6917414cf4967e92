// platform/test/dialog_skript.cpp - the user at a dialog: typing, clicking, choosing, keys,
// the close box, trackbars; and the script steps that do the same inside a modal loop
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;
using test::DialogElementZustand;

namespace {

using A = ElementArt;

std::string dialogName(Fenster dlg)
{
    const DialogZustand* d = dialogVon(dlg);
    return "dialog " + std::to_string(d ? d->nummer : 0);
}

// the dialog's control as far as the user can reach it; null (and a failure) otherwise
DialogElementZustand* erreichbar(Fenster dlg, int id, const char* wer)
{
    if (!eingabeMoeglich(dlg, wer))
        return nullptr;
    if (!dialogVon(dlg)) {
        fehler(std::string(wer) + ": the window is no dialog");
        return nullptr;
    }
    const std::string was = std::string(wer) + ": control " + std::to_string(id) + " of " + dialogName(dlg);
    DialogElementZustand* e = elementVon(dlg, id);
    if (!e)
        fehler(was + " does not exist");
    else if (!e->freigegeben)
        fehler(was + " is disabled (the user could not reach it)");
    else if (!e->sichtbar)
        fehler(was + " is hidden (the user could not reach it)");
    else
        return e;
    return nullptr;
}

void falscheArt(const char* wer, Fenster dlg, int id, const char* erwartet)
{
    fehler(std::string(wer) + ": control " + std::to_string(id) + " of " + dialogName(dlg) + " is no " + erwartet);
}

void melden(Fenster dlg, int id, int benachrichtigung)
{
    senden(dlg, nachricht::Befehl, machWParam(id, benachrichtigung), 0);
}

} // namespace

namespace test::intern {

void schrittSpielen(Fenster dlg, const test::DialogSchritt& s)
{
    using Art = test::DialogSchritt::Art;
    switch (s.art) {
    case Art::Tippen: test::tippen(dlg, s.id, s.text); break;
    case Art::FokusVerlassen: test::fokusVerlassen(dlg, s.id); break;
    case Art::Klicken: test::klicken(dlg, s.id); break;
    case Art::Waehlen: test::waehlen(dlg, s.id, s.wert); break;
    case Art::Taste: test::dialogTaste(dlg, s.wert); break;
    case Art::SchliessenKlicken: test::schliessenKlicken(dlg); break;
    case Art::Regler: test::regler(dlg, s.id, s.wert, s.code); break;
    case Art::Pruefen:
        if (s.pruefen)
            s.pruefen(dlg);
        break;
    }
}

} // namespace test::intern

namespace test {

void tippen(Fenster dlg, int id, const std::string& text)
{
    DialogElementZustand* e = erreichbar(dlg, id, "tippen");
    if (!e)
        return;
    if (e->art != A::Eingabe && e->art != A::EingabeMehrzeilig && e->art != A::Kombi)
        return falscheArt("tippen", dlg, id, "edit or editable combo");
    if (e->nurLesen) {
        fehler("tippen: control " + std::to_string(id) + " of " + dialogName(dlg) + " is read-only");
        return;
    }
    e->text = text;   // an editable combo keeps its list and its chosen item
    e->schreibmarke = text.size();
    e->geaendert = true;
    melden(dlg, id, e->art == A::Kombi ? benachrichtigung::KombiEditGeaendert : benachrichtigung::Geaendert);
}

void schreibmarkeSetzen(Fenster dlg, int id, size_t stelle)
{
    DialogElementZustand* e = erreichbar(dlg, id, "schreibmarkeSetzen");
    if (!e)
        return;
    if (e->art != A::Eingabe && e->art != A::EingabeMehrzeilig)
        return falscheArt("schreibmarkeSetzen", dlg, id, "edit");
    e->schreibmarke = std::min(stelle, e->text.size());
}

void fokusVerlassen(Fenster dlg, int id)
{
    DialogElementZustand* e = erreichbar(dlg, id, "fokusVerlassen");
    if (!e)
        return;
    if (DialogZustand* d = dialogVon(dlg); d->fokus == id)
        d->fokus = 0;
    if (e->art == A::Eingabe || e->art == A::EingabeMehrzeilig)
        melden(dlg, id, benachrichtigung::FokusVerloren);
    else if (e->art == A::Kombi || e->art == A::Auswahlliste)
        melden(dlg, id, benachrichtigung::KombiFokusVerloren);
}

void klicken(Fenster dlg, int id)
{
    DialogElementZustand* e = erreichbar(dlg, id, "klicken");
    if (!e)
        return;
    switch (e->art) {
    case A::Knopf:
    case A::StandardKnopf: break;
    case A::Kontrollkasten: e->haken = !e->haken; break;
    case A::Optionsfeld:
        // the radios of the same group box (or of the dialog itself) exclude each other
        for (DialogElementZustand& r : dialogVon(dlg)->elemente)
            if (r.art == A::Optionsfeld && r.gruppe == e->gruppe)
                r.haken = false;
        e->haken = true;
        break;
    default: return falscheArt("klicken", dlg, id, "button");
    }
    melden(dlg, id, benachrichtigung::Geklickt);
}

void waehlen(Fenster dlg, int id, int index)
{
    DialogElementZustand* e = erreichbar(dlg, id, "waehlen");
    if (!e)
        return;
    if (e->art != A::Liste && e->art != A::Kombi && e->art != A::Auswahlliste)
        return falscheArt("waehlen", dlg, id, "list box or combo");
    if (index < 0 || index >= static_cast<int>(e->eintraege.size())) {
        fehler("waehlen: control " + std::to_string(id) + " of " + dialogName(dlg) + " has no item " +
               std::to_string(index) + " (" + std::to_string(e->eintraege.size()) + " items)");
        return;
    }
    const bool kombi = e->art != A::Liste;
    listeAuswahlSetzen(dlg, id, index);
    melden(dlg, id, benachrichtigung::AuswahlGeaendert);
    if (kombi && lebend(dlg))
        melden(dlg, id, benachrichtigung::AuswahlOk);
}

void dialogTaste(Fenster dlg, int t)
{
    if (t == taste::F2 && lebend(dlg) && f2Abfangen())
        return;
    if (!eingabeMoeglich(dlg, "dialogTaste"))
        return;
    const DialogZustand* d = dialogVon(dlg);
    if (!d) {
        fehler("dialogTaste: the window is no dialog");
        return;
    }
    switch (t) {
    case taste::F2: break;   // no dialog registered: nothing
    case taste::Esc: melden(dlg, 2, benachrichtigung::Geklickt); break;
    case taste::Eingabe: {
        const int id = d->standardId;
        const DialogElementZustand* knopf = elementVon(dlg, id);
        if (!knopf || knopf->freigegeben)
            melden(dlg, id, benachrichtigung::Geklickt);
        break;
    }
    default: fehler("dialogTaste: key " + std::to_string(t) + " does nothing in " + dialogName(dlg));
    }
}

void schliessenKlicken(Fenster dlg)
{
    if (!eingabeMoeglich(dlg, "schliessenKlicken"))
        return;
    if (!dialogVon(dlg)) {
        fehler("schliessenKlicken: the window is no dialog");
        return;
    }
    melden(dlg, 2, benachrichtigung::Geklickt);
}

void regler(Fenster dlg, int id, int position, int code)
{
    DialogElementZustand* e = erreichbar(dlg, id, "regler");
    if (!e)
        return;
    if (e->art != A::Schieberegler && e->art != A::Scrollleiste && e->art != A::AufAb)
        return falscheArt("regler", dlg, id, "trackbar, scroll bar or up-down");
    e->position = std::clamp(position, e->min, e->max);
    const bool vertikal = e->art == A::AufAb || (e->stil & elementStil::Vertikal);
    senden(dlg, vertikal ? nachricht::VScroll : nachricht::HScroll, machWParam(code, e->position), id);
}

} // namespace test
} // namespace plattform
