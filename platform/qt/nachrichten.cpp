// platform/qt/nachrichten.cpp - sending, posting, the message loop, pumping, timers
//
// Posted messages, the quit request and work from other threads all go as Qt events to
// one dispatcher object, so they arrive in the order they were posted, whatever window
// they are for. Timers run on the same object.
#include "platform/qt/qtdialog.h"
#include "platform/system.h"
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimerEvent>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace plattform {

namespace {

QEvent::Type postTyp()
{
    static const auto typ = static_cast<QEvent::Type>(QEvent::registerEventType());
    return typ;
}

QEvent::Type beendenTyp()
{
    static const auto typ = static_cast<QEvent::Type>(QEvent::registerEventType());
    return typ;
}

struct PostEreignis : QEvent {
    PostEreignis(Fenster f, uint64_t nummer, uint32_t n, uintptr_t w, intptr_t l)
        : QEvent(postTyp()), fenster(f), nummer(nummer), nachricht(n), w(w), l(l) {}
    Fenster fenster;
    uint64_t nummer;        // a dead window's address may come back: compare this too
    uint32_t nachricht;
    uintptr_t w;
    intptr_t l;
};

struct BeendenEreignis : QEvent {
    explicit BeendenEreignis(int c) : QEvent(beendenTyp()), code(c) {}
    int code;
};

struct ZeitgeberZiel {
    Fenster fenster;
    uintptr_t id;
};

class Verteiler : public QObject {
public:
    bool event(QEvent* e) override;

protected:
    void timerEvent(QTimerEvent* e) override;
};

std::atomic<Verteiler*> verteiler{nullptr};
std::unordered_map<int, ZeitgeberZiel> zeitgeberZiele;   // Qt timer id -> window and our id
bool beendenSteht = false;
int beendenCode = 0;
struct LaufendeSchleife {
    QEventLoop* schleife;
    int ebene;                   // Qt's loop level while it runs
};
std::vector<LaufendeSchleife> schleifen;                 // running nachrichtenSchleife()s
// A loop told to end finishes Qt's current batch of posted events before it returns;
// the messages in that batch, posted after the quit request, wait for the next pump.
// Nested modal loops keep delivering.
int zurueckhaltenAufEbene = -1;
double letztePumpe = -1.0;
// work handed over before the dispatcher exists; guarded with the creation of it
std::mutex uebergabeSperre;
std::vector<std::function<void()>> vorDemStart;

// a zero interval would keep the event loop spinning
constexpr unsigned kuerzesterZeitgeber = 1;

int schleifenEbene() { return QThread::currentThread()->loopLevel(); }

// A dialog ended by its procedure returns (or dies) once that handler is done: what was
// posted to it or fell due for it meanwhile no longer reaches it.
bool nimmtAn(Fenster f) { return !f->dialog || !f->dialog->beendet; }

bool Verteiler::event(QEvent* e)
{
    if (e->type() == postTyp()) {
        auto* p = static_cast<PostEreignis*>(e);
        if (schleifenEbene() == zurueckhaltenAufEbene)
            QCoreApplication::postEvent(
                this, new PostEreignis(p->fenster, p->nummer, p->nachricht, p->w, p->l));
        else if (istFenster(p->fenster) && p->fenster->nummer == p->nummer && nimmtAn(p->fenster))
            senden(p->fenster, p->nachricht, p->w, p->l);
        return true;
    }
    if (e->type() == beendenTyp()) {
        beendenSteht = true;
        beendenCode = static_cast<BeendenEreignis*>(e)->code;
        if (!schleifen.empty()) {
            schleifen.back().schleife->exit(beendenCode);
            zurueckhaltenAufEbene = schleifen.back().ebene;
        }
        return true;
    }
    return QObject::event(e);        // timers, work from other threads
}

void Verteiler::timerEvent(QTimerEvent* e)
{
    auto it = zeitgeberZiele.find(e->timerId());
    if (it != zeitgeberZiele.end() && nimmtAn(it->second.fenster))
        senden(it->second.fenster, nachricht::Zeitgeber, it->second.id);
}

} // namespace

namespace qt {

void verteilerEinrichten()
{
    std::lock_guard sperre(uebergabeSperre);
    if (verteiler.load())
        return;
    verteiler.store(new Verteiler);
    for (auto& arbeit : vorDemStart)
        QMetaObject::invokeMethod(verteiler.load(), std::move(arbeit), Qt::QueuedConnection);
    vorDemStart.clear();
}

void verteilerAufraeumen()
{
    std::lock_guard sperre(uebergabeSperre);
    delete verteiler.exchange(nullptr);
    zeitgeberZiele.clear();
    beendenSteht = false;
}

void pumpeVermerken() { letztePumpe = uhrSekunden(); }

void zeitgeberAlleLoeschen(Fenster f)
{
    Verteiler* v = verteiler.load();
    for (auto& [id, qtId] : f->zeitgeber) {
        if (v)
            v->killTimer(qtId);
        zeitgeberZiele.erase(qtId);
    }
    f->zeitgeber.clear();
}

} // namespace qt

intptr_t senden(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (!istFenster(f))
        return 0;
    return f->proc(f, n, w, l);
}

bool posten(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    Verteiler* v = verteiler.load();
    if (!istFenster(f) || !v)
        return false;
    QCoreApplication::postEvent(v, new PostEreignis(f, f->nummer, n, w, l));
    return true;
}

void beendenPosten(int code)
{
    if (Verteiler* v = verteiler.load())
        QCoreApplication::postEvent(v, new BeendenEreignis(code));
    else {
        beendenSteht = true;
        beendenCode = code;
    }
}

int nachrichtenSchleife()
{
    if (!beendenSteht) {
        QEventLoop schleife;
        schleifen.push_back({&schleife, schleifenEbene() + 1});
        int r = schleife.exec();
        schleifen.pop_back();
        zurueckhaltenAufEbene = -1;
        qt::pumpeVermerken();
        if (!beendenSteht)
            return r;                // the application itself was told to exit
    }
    beendenSteht = false;            // the request is answered
    return beendenCode;
}

bool nachrichtenVerarbeiten()
{
    if (QCoreApplication::instance()) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    qt::pumpeVermerken();
    return !beendenSteht;
}

bool nachrichtenVerarbeitenGedrosselt()
{
    if (uhrSekunden() - letztePumpe < 0.02)
        return !beendenSteht;
    return nachrichtenVerarbeiten();
}

bool zeitgeberSetzen(Fenster f, uintptr_t id, unsigned ms)
{
    Verteiler* v = verteiler.load();
    if (!istFenster(f) || !v)
        return false;
    zeitgeberLoeschen(f, id);
    int qtId = v->startTimer(std::max(ms, kuerzesterZeitgeber), Qt::PreciseTimer);
    if (!qtId)
        return false;
    f->zeitgeber[id] = qtId;
    zeitgeberZiele[qtId] = {f, id};
    return true;
}

void zeitgeberLoeschen(Fenster f, uintptr_t id)
{
    if (!istFenster(f))
        return;
    auto it = f->zeitgeber.find(id);
    if (it == f->zeitgeber.end())
        return;
    if (Verteiler* v = verteiler.load())
        v->killTimer(it->second);
    zeitgeberZiele.erase(it->second);
    f->zeitgeber.erase(it);
}

void aufGuiThread(std::function<void()> arbeit)
{
    // queued on the dispatcher: runs in order with the posted messages
    std::lock_guard sperre(uebergabeSperre);
    if (Verteiler* v = verteiler.load())
        QMetaObject::invokeMethod(v, std::move(arbeit), Qt::QueuedConnection);
    else
        vorDemStart.push_back(std::move(arbeit));
}

} // namespace plattform
