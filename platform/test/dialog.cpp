// platform/test/dialog.cpp - dialogs as window records: building from templates, the modal
// loop with its script, ending, what reaches the procedure, paint areas, the F2 filter
#include "platform/test/zeichenflaeche.h"
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;
using test::DialogElementZustand;

namespace {

constexpr int rasterTiefeMax = 8;   // group boxes inside group boxes; more is a broken table

int zeilenVon(const DialogElementZustand& e)
{
    switch (e.art) {
    case ElementArt::Liste:
    case ElementArt::EingabeMehrzeilig: return test::hoheZeilen;
    case ElementArt::Malflaeche: return (e.stil & elementStil::Balken) ? 1 : test::hoheZeilen;
    default: return 1;
    }
}

// The grids of a dialog (see testplattform.h): sizes first, then places.
struct Raster {
    std::vector<DialogElementZustand>& el;

    // what a control needs; a group box: its inner grid with the frame around it
    Punkt bedarf(const DialogElementZustand& e, int tiefe) const
    {
        Punkt g{std::max(e.spanne, 1) * test::dialogSpalte, zeilenVon(e) * test::dialogZeile};
        if (e.art == ElementArt::Gruppe) {
            Punkt innen = rasterGroesse(e.gruppenNummer, tiefe + 1);
            g.x = std::max(g.x, innen.x + 2 * test::gruppeRand);
            g.y = test::gruppeKopf + innen.y + test::gruppeRand;
        }
        return g;
    }

    static size_t zeileVon(const DialogElementZustand& e) { return static_cast<size_t>(std::max(e.zeile, 0)); }
    static size_t spalteVon(const DialogElementZustand& e) { return static_cast<size_t>(std::max(e.spalte, 0)); }
    static size_t spanneVon(const DialogElementZustand& e) { return static_cast<size_t>(std::max(e.spanne, 1)); }

    std::vector<int> zeilenHoehen(int gruppe, int tiefe) const
    {
        std::vector<int> h;
        for (const DialogElementZustand& e : el)
            if (e.gruppe == gruppe) {
                if (h.size() <= zeileVon(e))
                    h.resize(zeileVon(e) + 1, test::dialogZeile);
                h[zeileVon(e)] = std::max(h[zeileVon(e)], bedarf(e, tiefe).y);
            }
        return h;
    }

    // a control wider than its columns widens the last of them, in table order
    std::vector<int> spaltenBreiten(int gruppe, int tiefe) const
    {
        std::vector<int> b;
        for (const DialogElementZustand& e : el)
            if (e.gruppe == gruppe) {
                size_t ende = spalteVon(e) + spanneVon(e);
                if (b.size() < ende)
                    b.resize(ende, test::dialogSpalte);
                int summe = 0;
                for (size_t s = spalteVon(e); s < ende; ++s)
                    summe += b[s];
                b[ende - 1] += std::max(0, bedarf(e, tiefe).x - summe);
            }
        return b;
    }

    Punkt rasterGroesse(int gruppe, int tiefe) const
    {
        if (tiefe > rasterTiefeMax)
            return {};
        Punkt g;
        for (int h : zeilenHoehen(gruppe, tiefe))
            g.y += h;
        for (int b : spaltenBreiten(gruppe, tiefe))
            g.x += b;
        return g;
    }

    // a control fills the columns it spans and is as high as it needs, at the top of its row
    void legen(int gruppe, Punkt ursprung, int tiefe)
    {
        if (tiefe > rasterTiefeMax)
            return;
        std::vector<int> h = zeilenHoehen(gruppe, tiefe), b = spaltenBreiten(gruppe, tiefe);
        std::vector<int> oben(h.size() + 1, 0), links(b.size() + 1, 0);
        for (size_t z = 0; z < h.size(); ++z)
            oben[z + 1] = oben[z] + h[z];
        for (size_t s = 0; s < b.size(); ++s)
            links[s + 1] = links[s] + b[s];
        for (DialogElementZustand& e : el)
            if (e.gruppe == gruppe) {
                int x = ursprung.x + links[spalteVon(e)], y = ursprung.y + oben[zeileVon(e)];
                e.platz = {x, y, ursprung.x + links[spalteVon(e) + spanneVon(e)], y + bedarf(e, tiefe).y};
                if (e.art == ElementArt::Gruppe)
                    legen(e.gruppenNummer, {x + test::gruppeRand, y + test::gruppeKopf}, tiefe + 1);
            }
    }
};

intptr_t dialogStub(Fenster, uint32_t, uintptr_t, intptr_t) { return 0; }   // never called

FensterObjekt* oberstesVon(FensterObjekt* f)
{
    while (f && !istOberstes(*f))
        f = lesbar(f->eltern);
    return f;
}

Fenster dialogAnlegen(const DialogVorlage& v, FensterObjekt* eigner, DialogProc proc, bool modal,
                      intptr_t parameter)
{
    Zustand& z = zustand();
    auto d = std::make_unique<DialogZustand>();
    d->nummer = v.nummer;
    d->proc = proc;
    d->modal = modal;
    int kaesten = 0;
    for (const DialogElement& t : v.elemente) {
        DialogElementZustand e;
        e.id = t.id;
        e.art = t.art;
        e.stil = t.stil;
        e.gruppe = t.gruppe;
        if (t.art == ElementArt::Gruppe)
            e.gruppenNummer = ++kaesten;
        e.zeile = t.zeile;
        e.spalte = t.spalte;
        e.spanne = t.spanne;
        e.text = t.text ? t.text : "";
        e.schreibmarke = e.text.size();
        if (t.art == ElementArt::Auswahlliste)
            e.text.clear();   // shows its chosen item, of which there is none yet
        e.freigegeben = !(t.stil & elementStil::Gesperrt);
        e.sichtbar = !(t.stil & elementStil::Verborgen);
        e.nurLesen = t.stil & elementStil::NurLesen;
        d->elemente.push_back(std::move(e));
    }
    for (DialogElementZustand& e : d->elemente)
        if (e.gruppe < 0 || e.gruppe > kaesten)
            e.gruppe = 0;   // no such group box: it sits in the dialog
    d->standardId = eingabetastenId(v);

    Raster raster{d->elemente};
    Punkt innen = raster.rasterGroesse(0, 0);
    raster.legen(0, {test::dialogRand, test::dialogRand}, 0);
    int breite = innen.x + 2 * test::dialogRand + 2 * test::rahmenBreite;
    int hoehe = innen.y + 2 * test::dialogRand + 2 * test::rahmenBreite + test::titelHoehe;
    const Rechteck& a = z.arbeitsbereich;
    int x = a.links + (a.breite() - breite) / 2, y = a.oben + (a.hoehe() - hoehe) / 2;

    d->oeffnung = z.dialogOeffnungen.size();
    z.dialogOeffnungen.push_back({v.nummer, eigner, parameter, modal, false, nullptr});
    FensterObjekt* f = fensterAnlegen(test::dialogKlasse, dialogStub, v.titel ? v.titel : "", 0,
                                      {x, y, x + breite, y + hoehe}, eigner);
    f->dialog = std::move(d);
    z.dialogOeffnungen.back().dialog = f;
    return f;
}

bool wirktImDialog(uintptr_t t) { return t == taste::Eingabe || t == taste::Esc || t == taste::F2; }

void malflaechenZeichnen(FensterObjekt& f, bool gepostet)
{
    const Rechteck bereich = f.ungueltigBereich;
    DialogZustand& d = *f.dialog;
    for (size_t i = 0; i < d.elemente.size(); ++i) {
        const DialogElementZustand& e = d.elemente[i];
        const Rechteck& p = e.platz;
        bool getroffen = p.links < bereich.rechts && bereich.links < p.rechts && p.oben < bereich.unten &&
                         bereich.oben < p.unten;
        if (e.art != ElementArt::Malflaeche || !e.sichtbar || !getroffen)
            continue;
        Zeichenflaeche z;
        z.breite = p.breite();
        z.hoehe = p.hoehe();
        dialogProcRufen(f, nachricht::Zeichnen, static_cast<uintptr_t>(e.id), reinterpret_cast<intptr_t>(&z),
                        gepostet);
        DialogElementZustand& nach = d.elemente[i];   // the table never grows, the record stays
        ++nach.zeichnungen;
        nach.zeichnung = std::move(z.aufrufe);
        if (!lebend(&f))
            return;
    }
}

void oeffnungBeenden(Fenster dlg, intptr_t ergebnis)
{
    auto& log = zustand().dialogOeffnungen;
    const size_t i = dlg->dialog->oeffnung;
    if (i < log.size() && log[i].dialog == dlg) {   // the log may have been reset since
        log[i].beendet = true;
        log[i].ergebnis = ergebnis;
    }
}

} // namespace

// ---- what reaches the procedure ------------------------------------------------------

namespace test::intern {

DialogZustand* dialogVon(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->dialog.get() : nullptr;
}

intptr_t dialogProcRufen(FensterObjekt& f, uint32_t n, uintptr_t w, intptr_t l, bool gepostet)
{
    DialogZustand& d = *f.dialog;
    zustand().log.push_back({&f, n, w, l, gepostet});
    ++d.tiefe;
    intptr_t r = d.proc(&f, n, w, l);
    --d.tiefe;
    if (d.tiefe == 0 && d.beendet && !d.modal && lebend(&f))
        fensterZerstoeren(&f);
    return r;
}

intptr_t dialogZustellen(FensterObjekt& f, uint32_t n, uintptr_t w, intptr_t l, bool gepostet)
{
    switch (n) {
    case nachricht::DialogInit:
    case nachricht::Befehl:
    case nachricht::HScroll:
    case nachricht::VScroll:
    case nachricht::Aktivieren:
    case nachricht::Zeitgeber:
    case nachricht::Zerstoeren:
        return dialogProcRufen(f, n, w, l, gepostet);
    case nachricht::Bewegen:
        return f.dialog->platziert ? dialogProcRufen(f, n, w, l, gepostet) : 0;
    case nachricht::Zeichnen:
        // fensterAbbild's image of a dialog stays empty: its paint areas paint on their own
        if (auto* z = reinterpret_cast<Zeichenflaeche*>(l); z && !z->bild)
            malflaechenZeichnen(f, gepostet);
        return 0;
    case nachricht::TasteRunter:
        if (wirktImDialog(w))
            test::dialogTaste(&f, static_cast<int>(w));
        return 0;
    case nachricht::Schliessen:
        return dialogProcRufen(f, nachricht::Befehl, machWParam(2, 0), 0, gepostet);
    case nachricht::SystemBefehl:
        return w == systembefehl::Schliessen ? dialogProcRufen(f, nachricht::Befehl, machWParam(2, 0), 0, gepostet)
                                             : 0;
    default:
        return n >= nachricht::Benutzer ? dialogProcRufen(f, n, w, l, gepostet) : 0;
    }
}

bool f2Abfangen()
{
    Fenster hook = tastaturHookDialog();
    if (!hook)
        return false;
    posten(hook, nachricht::Befehl, machWParam(befehlOkF2, 0), 0);
    return true;
}

} // namespace test::intern

// ---- opening and ending ----------------------------------------------------------------

intptr_t dialogModal(const DialogVorlage& v, Fenster eigner, DialogProc proc, intptr_t parameter)
{
    if (!aufGui("dialogModal") || !proc)
        return -1;
    Zustand& z = zustand();
    std::vector<test::DialogSchritt> skript;
    bool geskriptet = false;
    if (auto it = z.dialogSkripte.find(v.nummer); it != z.dialogSkripte.end() && !it->second.empty()) {
        skript = std::move(it->second.front());
        it->second.pop_front();
        geskriptet = true;
    }
    FensterObjekt* e = oberstesVon(lebend(eigner));
    Fenster dlg = dialogAnlegen(v, e, proc, true, parameter);
    DialogZustand& d = *dlg->dialog;
    z.dialogOeffnungen[d.oeffnung].eigner = eigner;
    z.dialogOeffnungen[d.oeffnung].geskriptet = geskriptet;
    auto fertig = [dlg, &d] { return d.beendet || !lebend(dlg); };
    const std::string name = "dialog " + std::to_string(v.nummer);

    senden(dlg, nachricht::DialogInit, 0, parameter);
    // only its owner is blocked, and only while it is open
    bool eignerGesperrt = false;
    if (!fertig() && e && lebend(e) && e->freigegeben) {
        freigeben(e, false);
        eignerGesperrt = true;
    }
    if (!fertig())
        zeigen(dlg, anzeige::Zeigen);
    abarbeitenBis(fertig);
    size_t schritt = 0;
    bool abgelehnt = false;
    while (!fertig() && !beendenWartet()) {
        if (schritt < skript.size()) {
            schrittSpielen(dlg, skript[schritt++]);
            abarbeitenBis(fertig);
        } else if (!geskriptet && !abgelehnt && z.ablehnen != test::Ablehnen::Aus) {
            abgelehnt = true;   // the user's Esc, once
            test::schliessenKlicken(dlg);
            abarbeitenBis(fertig);
        } else if (!test::laufenBis(fertig, name + " waits for the user")) {
            break;
        }
    }
    if (d.beendet && schritt < skript.size())
        fehler(name + " ended with " + std::to_string(skript.size() - schritt) + " script step(s) left");

    intptr_t ergebnis = d.beendet ? d.ergebnis : 2;
    if (eignerGesperrt && lebend(e))
        freigeben(e, true);
    if (lebend(dlg))
        fensterZerstoeren(dlg);
    oeffnungBeenden(dlg, ergebnis);
    return ergebnis;
}

Fenster dialogModeless(const DialogVorlage& v, Fenster eigner, DialogProc proc, intptr_t parameter)
{
    if (!aufGui("dialogModeless") || !proc)
        return nullptr;
    Fenster dlg = dialogAnlegen(v, oberstesVon(lebend(eigner)), proc, false, parameter);
    zustand().dialogOeffnungen[dlg->dialog->oeffnung].eigner = eigner;
    senden(dlg, nachricht::DialogInit, 0, parameter);
    if (lebend(dlg))
        zeigen(dlg, anzeige::Zeigen);
    return lebend(dlg);
}

// Last call wins. A modal dialog ends in its loop once the handler returns; a modeless one
// dies when its procedure returns, or at once when none of its calls is running.
void dialogBeenden(Fenster dlg, intptr_t ergebnis)
{
    DialogZustand* d = dialogVon(dlg);
    if (!d)
        return;
    d->beendet = true;
    d->ergebnis = ergebnis;
    if (!d->modal) {
        oeffnungBeenden(dlg, ergebnis);
        if (d->tiefe == 0 && lebend(dlg))
            fensterZerstoeren(dlg);
    }
}

int vorlagenNummer(Fenster dlg)
{
    DialogZustand* d = dialogVon(dlg);
    return d ? d->nummer : 0;
}

// ---- F2 ----------------------------------------------------------------------------------

void tastaturHookSetzen(Fenster dlg)
{
    if (lebend(dlg))
        zustand().tastaturHook = dlg;
}

void tastaturHookEntfernen() { zustand().tastaturHook = nullptr; }

// records are never reused, so a registration ends with its dialog by itself
Fenster tastaturHookDialog() { return lebend(zustand().tastaturHook); }

// ---- for tests -------------------------------------------------------------------------

namespace test {

const std::vector<DialogOeffnung>& dialogLog() { return zustand().dialogOeffnungen; }

Fenster offenerDialog(int vorlage)
{
    const auto& lebende = zustand().lebende;
    for (auto it = lebende.rbegin(); it != lebende.rend(); ++it)
        if (FensterObjekt* f = it->second; f->lage == Lebenslage::Lebt && f->dialog && f->dialog->nummer == vorlage)
            return f;
    return nullptr;
}

void dialogSkript(int vorlage, std::vector<DialogSchritt> schritte)
{
    zustand().dialogSkripte[vorlage].push_back(std::move(schritte));
}

size_t offeneDialogSkripte()
{
    size_t n = 0;
    for (const auto& [vorlage, skripte] : zustand().dialogSkripte)
        n += skripte.size();
    return n;
}

} // namespace test
} // namespace plattform
