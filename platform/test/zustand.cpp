// platform/test/zustand.cpp - the global records, failures, the message log, reset
#include "platform/test/zustand.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>

namespace plattform {
namespace test::intern {

Zustand::Zustand() : guiThread(std::this_thread::get_id()) {}

Zustand& zustand()
{
    // kept until the process ends, so no record ever dangles behind a handle
    static Zustand& z = *[] {
        auto* neu = new Zustand;
        menueHakenSetzen();
        return neu;
    }();
    return z;
}

FensterObjekt* lesbar(Fenster f)
{
    Zustand& z = zustand();
    if (!f || !z.bekannt.count(f) || f->lage == Lebenslage::Tot)
        return nullptr;
    return f;
}

FensterObjekt* lebend(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o && o->lage == Lebenslage::Lebt ? o : nullptr;
}

void fehler(const std::string& text)
{
    Zustand& z = zustand();
    if (z.fehlerBehandlung)
        z.fehlerBehandlung(text);
    else
        ADD_FAILURE() << text;
}

bool aufGui(const char* wer)
{
    if (std::this_thread::get_id() == zustand().guiThread.load())
        return true;
    fehler(std::string(wer) + " called outside the GUI thread (use aufGuiThread)");
    return false;
}

intptr_t zustellen(FensterObjekt* f, uint32_t nachricht, uintptr_t w, intptr_t l, bool gepostet)
{
    if (f->dialog)   // the log shows what the dialog procedure got, not the frame's traffic
        return dialogZustellen(*f, nachricht, w, l, gepostet);
    zustand().log.push_back({f, nachricht, w, l, gepostet});
    return f->proc(f, nachricht, w, l);
}

} // namespace test::intern

namespace test {
using namespace intern;

void zuruecksetzen()
{
    Zustand& z = zustand();
    z.guiThread = std::this_thread::get_id();
    for (const auto& [nummer, f] : z.lebende)
        fensterAufgeben(*f);
    z.lebende.clear();
    z.ungueltige.clear();
    z.klassen.clear();
    z.schlange.clear();
    z.zeitgeber.clear();
    z.naechsteFolge = 1;
    z.uhr = 0.0;
    z.letztesPumpen = 0.0;
    z.log.clear();
    z.boxAntworten.clear();
    z.popupAntworten.clear();
    z.boxen.clear();
    z.popups.clear();
    z.arbeitsbereich = {0, 0, 1920, 1050};
    z.aktivierungen.clear();
    z.vordergrund = nullptr;
    z.fokus = nullptr;
    z.maus = {};
    z.pngs.clear();
    {
        std::lock_guard<std::mutex> sperre(z.druckerMutex);
        z.drucker.clear();
        z.standardDrucker.clear();
    }
    z.druckAuftraege.clear();
    z.druckFehler = false;
    z.druckSeite.reset();
    z.dateiAntworten.clear();
    hilfeZuruecksetzen();
    z.farbAntworten.clear();
    z.schriftAntworten.clear();
    z.dateiWahlen.clear();
    z.farbWahlen.clear();
    z.schriftWahlen.clear();
    z.statusleisten.clear();
    z.textfelder.clear();
    z.regler.clear();
    z.tooltips.clear();
    z.tooltipStil = {};
    z.aktuellerCursor = nullptr;
    std::fill(std::begin(z.tasten), std::end(z.tasten), false);
    z.feststell = false;
    z.ereignisse.clear();
    z.titel.clear();
    z.dialogSkripte.clear();
    z.dialogOeffnungen.clear();
    z.tastaturHook = nullptr;
    z.fehlerBehandlung = nullptr;
    z.ablehnen = Ablehnen::Aus;
    z.boxRegel = nullptr;
    std::lock_guard<std::mutex> sperre(z.arbeitMutex);
    z.arbeiten.clear();
}

const std::vector<LogEintrag>& nachrichtenLog() { return zustand().log; }

const std::vector<Ereignis>& ereignisLog() { return zustand().ereignisse; }

const std::vector<TitelEintrag>& titelLog() { return zustand().titel; }

std::vector<LogEintrag> nachrichtenVon(Fenster f)
{
    std::vector<LogEintrag> aus;
    for (const LogEintrag& e : zustand().log)
        if (e.fenster == f)
            aus.push_back(e);
    return aus;
}

void logLeeren() { zustand().log.clear(); }

void fehlerBehandlungSetzen(std::function<void(const std::string&)> behandlung)
{
    zustand().fehlerBehandlung = std::move(behandlung);
}

void arbeitsbereichSetzen(Rechteck r) { zustand().arbeitsbereich = r; }

void unbeantwortetAblehnen(Ablehnen art) { zustand().ablehnen = art; }

} // namespace test
} // namespace plattform
