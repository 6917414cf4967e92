// platform/messkarte_comedi.cpp - the board through Comedi's driver library
//
// The library is opened by name and its functions bound by name at start, so nothing is
// linked against it; the few types of its interface are our own declarations
// (platform/comedi_schnittstelle.h). Every failing call gives a negative status, the
// driver's error number negated; what the driver cannot say (a range or reference the
// board lacks, an acquisition that ended) is given as the nearest of its numbers, so that
// its own text names it.
#include "platform/comedi_schnittstelle.h"
#include "platform/messkarte.h"
#include "platform/system.h"
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace plattform {

namespace {

using namespace comedi;
using Roh = ComediRoh;

template <typename F>
bool binden(void* bibliothek, const char* name, const char* version, F& ziel, std::string& fehlt)
{
    void* adresse = version ? dlvsym(bibliothek, name, version) : dlsym(bibliothek, name);
    ziel = reinterpret_cast<F>(adresse);
    if (!adresse)
        fehlt = version ? std::string(name) + "@" + version : std::string(name);
    return adresse != nullptr;
}

// ---- the server's scales -----------------------------------------------------------------

// Input samples become 12-bit bipolar codes of +-10 V, whatever the board's resolution,
// so that a level means the same voltage on every board.
constexpr double codesJeVolt = 2048.0 / 10.0;

// DAQ_Rate's time bases, as seconds per tick
double zeitbasisSekunden(int16_t zeitbasis)
{
    switch (zeitbasis) {
    case -3: return 50e-9;
    case 1: return 1e-6;
    case 2: return 10e-6;
    case 3: return 100e-6;
    case 4: return 1e-3;
    case 5: return 10e-3;
    }
    return 0.0;
}

// How the samples of an input channel become codes: the range they are taken in, and the
// gain by which the codes scale the volts.
struct Skala {
    unsigned bereich = 0;
    ComediBereich* b = nullptr;
    Roh maxdata = 0;
    int verstaerkung = 1;
};

struct Ausgang {
    bool eingerichtet = false;
    unsigned bereich = 0;
    ComediBereich* b = nullptr;
    Roh maxdata = 0;
    double voltJeCode = 10.0 / 2048.0;
};

struct Geraet {
    ComediHandle* it = nullptr;
    int fd = -1;
    // analog input, set by AI_Configure: its volts (from -einVolt, or from 0 when unipolar)
    int ein = -1;
    int einFlags = 0;
    double einVolt = 10.0;
    int16_t einPolaritaet = 0;
    unsigned referenz = refMasse;
    // analog outputs by channel
    int aus = -1;
    std::vector<Ausgang> ausgaenge;
    bool doppelpuffer = false;   // kept: the acquisition always runs until it is cleared
    int32_t zeitlimit = -1;
    // the command given and not yet cancelled; whether it still delivers; the caller's
    // buffer it fills
    bool befohlen = false;
    bool laeuft = false;
    ComediBefehl befehl{};
    Skala skala;
    unsigned kanalliste[1]{};
    int16_t* puffer = nullptr;
    uint32_t laenge = 0;
    uint64_t gelesen = 0;
    unsigned char rest[sizeof(Roh)]{};   // the bytes of a sample that a read split
    size_t restLaenge = 0;
    // the slot of the next sample; it lives as long as the program, as the caller's last
    // count does, so that the first count of a new acquisition differs from the last one
    uint32_t schreiben = 0;
};

class ComediMesskarte final : public Messkarte {
public:
    ComediMesskarte(void* bibliothek, const Funktionen& f, MesskartenFehlerAnzeige anzeige)
        : bib_(bibliothek), f_(f), anzeige_(std::move(anzeige))
    {
    }
    ~ComediMesskarte() override
    {
        for (auto& [nummer, g] : geraete_)
            schliessen(g);
        dlclose(bib_);
    }

    int16_t AI_Configure(int16_t geraet, int16_t kanal, int16_t eingangsart, int16_t bereich, int16_t polaritaet,
                         int16_t) override
    {
        std::lock_guard sperre(m_);
        gezeigt_.clear();   // a new probe, a new start
        if (geraet < 1)
            return -ENODEV;
        Geraet& g = geraete_[geraet];
        schliessen(g);
        if (const int16_t s = oeffnen(g, geraet))
            return s;
        const int16_t s = eingangEinrichten(g, kanal, eingangsart, bereich, polaritaet);
        if (s != 0)
            schliessen(g);
        return s;
    }

    int16_t AI_Read(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* wert) override
    {
        std::lock_guard sperre(m_);
        Geraet* g = offen(geraet);
        if (!g || g->ein < 0)
            return -ENODEV;
        const unsigned k = static_cast<unsigned>(std::max<int16_t>(kanal, 0));
        Skala skala;
        if (const int16_t s = eingangSkala(*g, k, verstaerkung, skala))
            return s;
        Roh roh = 0;
        if (f_.data_read(g->it, static_cast<unsigned>(g->ein), k, skala.bereich, g->referenz, &roh) < 0)
            return fehler();
        if (wert)
            *wert = code(skala, roh);
        return 0;
    }

    int16_t AO_Configure(int16_t geraet, int16_t kanal, int16_t polaritaet, int16_t, double referenzSpannung,
                         int16_t) override
    {
        std::lock_guard sperre(m_);
        if (geraet < 1)
            return -ENODEV;
        Geraet& g = geraete_[geraet];
        if (!g.it)
            if (const int16_t s = oeffnen(g, geraet))
                return s;
        return ausgangEinrichten(g, kanal, polaritaet, referenzSpannung);
    }

    int16_t AO_Write(int16_t geraet, int16_t kanal, int16_t wert) override
    {
        std::lock_guard sperre(m_);
        Geraet* g = offen(geraet);
        if (!g)
            return -ENODEV;
        if (kanal < 0 || static_cast<size_t>(kanal) >= g->ausgaenge.size() ||
            !g->ausgaenge[static_cast<size_t>(kanal)].eingerichtet)
            if (const int16_t s = ausgangEinrichten(*g, kanal, 0, 10.0))
                return s;
        Ausgang& a = g->ausgaenge[static_cast<size_t>(kanal)];
        const Roh roh = f_.from_phys(wert * a.voltJeCode, a.b, a.maxdata);
        if (f_.data_write(g->it, static_cast<unsigned>(g->aus), static_cast<unsigned>(kanal), a.bereich, refMasse,
                          roh) < 0)
            return fehler();
        return 0;
    }

    int16_t DAQ_Rate(double rate, int16_t einheiten, int16_t* zeitbasis, uint16_t* intervall) override
    {
        const double periode = einheiten == 0 ? 1.0 / rate : rate;
        if (!(periode > 0.0) || !std::isfinite(periode))
            return -EINVAL;
        for (const int16_t zb : {-3, 1, 2, 3, 4, 5}) {
            const double ticks = std::round(periode / zeitbasisSekunden(zb));
            if (ticks > 65535.0)
                continue;
            if (ticks < 2.0)
                return -ERANGE;
            if (zeitbasis)
                *zeitbasis = zb;
            if (intervall)
                *intervall = static_cast<uint16_t>(ticks);
            return 0;
        }
        return -ERANGE;
    }

    int16_t DAQ_Start(int16_t geraet, int16_t kanal, int16_t verstaerkung, int16_t* puffer, uint32_t anzahl,
                      int16_t zeitbasis, uint16_t intervall) override
    {
        std::lock_guard sperre(m_);
        gezeigt_.clear();   // each acquisition reports its errors anew
        Geraet* g = offen(geraet);
        if (!g)
            return -ENODEV;
        if (!puffer || anzahl == 0 || verstaerkung < 1 || kanal < 0)
            return -EINVAL;
        if (g->ein < 0)
            if (const int16_t s = eingangEinrichten(*g, kanal, 1, 10, 0))
                return s;
        Skala skala;
        if (const int16_t s = eingangSkala(*g, static_cast<unsigned>(kanal), verstaerkung, skala))
            return s;
        const double ns = std::round(zeitbasisSekunden(zeitbasis) * intervall * 1e9);
        if (!(ns >= 1.0) || ns > UINT_MAX)
            return -EINVAL;
        erfassungBeenden(*g);

        ComediBefehl& c = g->befehl;
        c = {};
        if (f_.get_cmd_generic_timed(g->it, static_cast<unsigned>(g->ein), &c, 1, static_cast<unsigned>(ns)) < 0)
            return fehler();
        g->kanalliste[0] = kanalAngabe(static_cast<unsigned>(kanal), skala.bereich, g->referenz);
        c.chanlist = g->kanalliste;
        c.chanlist_len = 1;
        c.flags |= aufwachenJeScan;
        c.start_src = trigNow;
        c.start_arg = 0;
        c.scan_end_src = trigCount;
        c.scan_end_arg = 1;
        c.stop_src = trigNone;
        c.stop_arg = 0;
        // the driver adjusts what it cannot do; a few rounds settle it
        int test = -1;
        for (int runde = 0; runde < 5 && test != 0; ++runde)
            if ((test = f_.command_test(g->it, &c)) < 0)
                return fehler();
        if (test != 0)
            return -keinBefehl;
        if (f_.command(g->it, &c) < 0)
            return fehler();
        g->befohlen = g->laeuft = true;
        g->skala = skala;
        g->puffer = puffer;
        g->laenge = anzahl;
        g->gelesen = 0;
        g->restLaenge = 0;
        g->schreiben %= anzahl;
        return 0;
    }

    // The Comedi command keeps filling the driver's buffer whatever is set here.
    int16_t DAQ_DB_Config(int16_t geraet, int16_t doppelpuffer) override
    {
        std::lock_guard sperre(m_);
        Geraet* g = offen(geraet);
        if (!g)
            return -ENODEV;
        g->doppelpuffer = doppelpuffer != 0;
        return 0;
    }

    int16_t DAQ_Check(int16_t geraet, int16_t* gestoppt, uint32_t* abgeholt) override
    {
        std::lock_guard sperre(m_);
        Geraet* g = offen(geraet);
        int16_t status = 0;
        uint32_t neue = 0;
        if (!g || !g->puffer)
            status = g ? -EINVAL : -ENODEV;
        else if (g->laeuft)
            status = abholen(*g, neue);
        if (neue > 0 && neue % g->laenge == 0) {
            // a whole buffer's worth would leave the count where it was, which reads as
            // nothing new: the newest moves on by one slot
            const uint32_t letzte = (g->schreiben + g->laenge - 1) % g->laenge;
            g->puffer[g->schreiben] = g->puffer[letzte];
            g->schreiben = (g->schreiben + 1) % g->laenge;
        }
        if (gestoppt)
            *gestoppt = g && g->laeuft ? 0 : 1;
        if (abgeholt)
            *abgeholt = g && g->puffer && g->gelesen > 0 ? (g->schreiben == 0 ? g->laenge : g->schreiben) : 0;
        return status;
    }

    int16_t DAQ_Clear(int16_t geraet) override
    {
        std::lock_guard sperre(m_);
        Geraet* g = offen(geraet);
        if (!g)
            return -ENODEV;
        const int16_t s = erfassungBeenden(*g);
        // a board that is gone leaves nothing to keep open; the next probe opens anew
        if (s == -ENODEV)
            schliessen(*g);
        return s;
    }

    int16_t Timeout_Config(int16_t geraet, int32_t zeitlimit) override
    {
        std::lock_guard sperre(m_);
        Geraet* g = offen(geraet);
        if (!g)
            return -ENODEV;
        g->zeitlimit = zeitlimit;   // kept: DAQ_Check never waits
        return 0;
    }

    int16_t NIDAQErrorHandler(int16_t status, const char* funktion, int16_t) override
    {
        if (status == 0)
            return 0;
        MesskartenFehler f;
        f.status = status;
        f.funktion = funktion ? funktion : "";
        {
            std::lock_guard sperre(m_);
            const auto schluessel = std::pair(f.funktion, status);
            if (std::ranges::find(gezeigt_, schluessel) != gezeigt_.end())
                return status;
            gezeigt_.push_back(schluessel);
            f.text = f_.strerror(status < 0 ? -status : status);   // copied before another call changes it
        }
        if (!anzeige_)
            return status;
        if (istGuiThread())
            anzeige_(f);
        else
            aufGuiThread([anzeige = anzeige_, f] { anzeige(f); });
        return status;
    }

private:
    int16_t fehler() const
    {
        const int e = f_.errnum();
        return static_cast<int16_t>(-(e > 0 && e < SHRT_MAX ? e : unbekannt));
    }
    // the volt range of channel k of subdevice s up to bis (bipolar: from -bis), its table and
    // largest sample; 0, or the error to return
    int16_t bereichSuchen(const Geraet& g, unsigned s, unsigned k, int16_t polaritaet, double bis, unsigned& nummer,
                          ComediBereich*& tabelle, Roh& groesster) const
    {
        const int b = f_.find_range(g.it, s, k, einheitVolt, polaritaet == 0 ? -bis : 0.0, bis);
        if (b < 0)
            return -nichtUnterstuetzt;
        tabelle = f_.get_range(g.it, s, k, static_cast<unsigned>(b));
        groesster = f_.get_maxdata(g.it, s, k);
        if (!tabelle || groesster == 0)
            return fehler();
        nummer = static_cast<unsigned>(b);
        return 0;
    }

    Geraet* offen(int16_t geraet)
    {
        const auto g = geraete_.find(geraet);
        return g != geraete_.end() && g->second.it ? &g->second : nullptr;
    }

    int16_t oeffnen(Geraet& g, int16_t geraet)
    {
        const std::string pfad = "/dev/comedi" + std::to_string(geraet - 1);
        g.it = f_.open(pfad.c_str());
        if (!g.it)
            return fehler();
        g.fd = f_.fileno(g.it);
        // DAQ_Check must never wait for the driver
        if (g.fd >= 0)
            fcntl(g.fd, F_SETFL, fcntl(g.fd, F_GETFL) | O_NONBLOCK);
        return 0;
    }

    void schliessen(Geraet& g)
    {
        if (!g.it)
            return;
        erfassungBeenden(g);
        f_.close(g.it);
        const uint32_t schreiben = g.schreiben;
        g = Geraet{};
        g.schreiben = schreiben;
    }

    // also after the acquisition failed: the driver keeps the subdevice until it is cancelled
    int16_t erfassungBeenden(Geraet& g)
    {
        const bool befohlen = g.befohlen;
        g.befohlen = g.laeuft = false;
        g.puffer = nullptr;   // the caller's buffer is not written after this
        if (befohlen && f_.cancel(g.it, static_cast<unsigned>(g.ein)) < 0)
            return fehler();
        return 0;
    }

    int16_t eingangEinrichten(Geraet& g, int16_t kanal, int16_t eingangsart, int16_t bereich, int16_t polaritaet)
    {
        g.ein = -1;
        const int ein = f_.find_subdevice_by_type(g.it, analogEingang, 0);
        if (ein < 0)
            return -keinSubdevice;
        const unsigned s = static_cast<unsigned>(ein);
        const int flags = f_.get_subdevice_flags(g.it, s);
        if (flags < 0)
            return fehler();
        if (!(flags & kannBefehle))
            return -keinBefehl;
        struct Art { int flag; unsigned referenz; };
        static constexpr Art arten[] = {{kannDifferenz, refDifferenz}, {kannMasse, refMasse}, {kannGemeinsam, refGemeinsam}};
        if (eingangsart < 0 || eingangsart > 2)
            return -EINVAL;
        const Art art = arten[eingangsart];
        if (!(flags & art.flag))
            return -nichtUnterstuetzt;
        const unsigned k = static_cast<unsigned>(std::max<int16_t>(kanal, 0));
        if (static_cast<int>(k) >= f_.get_n_channels(g.it, s))
            return -keinKanal;
        if (bereich <= 0)
            return -EINVAL;
        Skala probe;
        if (const int16_t r = bereichSuchen(g, s, k, polaritaet, bereich, probe.bereich, probe.b, probe.maxdata))
            return r;
        g.ein = ein;
        g.einFlags = flags;
        g.einVolt = bereich;
        g.einPolaritaet = polaritaet;
        g.referenz = art.referenz;
        return 0;
    }

    // The range of input channel k at a gain: the probe's at gain 1, else the one holding
    // 10 V / gain, the span of the codes of the amplified signal. A gain that no range of
    // the channel serves is refused.
    int16_t eingangSkala(const Geraet& g, unsigned k, int16_t verstaerkung, Skala& skala) const
    {
        const unsigned s = static_cast<unsigned>(g.ein);
        if (static_cast<int>(k) >= f_.get_n_channels(g.it, s))
            return -keinKanal;
        if (verstaerkung < 1)
            return -EINVAL;
        const double bis = verstaerkung == 1 ? g.einVolt : 10.0 / verstaerkung;
        skala.verstaerkung = verstaerkung;
        return bereichSuchen(g, s, k, g.einPolaritaet, bis, skala.bereich, skala.b, skala.maxdata);
    }

    int16_t ausgangEinrichten(Geraet& g, int16_t kanal, int16_t polaritaet, double referenz)
    {
        if (g.aus < 0) {
            const int aus = f_.find_subdevice_by_type(g.it, analogAusgang, 0);
            if (aus < 0)
                return -keinSubdevice;
            const int n = f_.get_n_channels(g.it, static_cast<unsigned>(aus));
            g.aus = aus;
            g.ausgaenge.assign(static_cast<size_t>(std::max(n, 0)), Ausgang{});
        }
        if (kanal < 0 || static_cast<size_t>(kanal) >= g.ausgaenge.size())
            return -keinKanal;
        if (!(referenz > 0.0) || !std::isfinite(referenz))
            return -EINVAL;
        const unsigned s = static_cast<unsigned>(g.aus), k = static_cast<unsigned>(kanal);
        Ausgang& a = g.ausgaenge[k];
        unsigned b = 0;
        if (const int16_t r = bereichSuchen(g, s, k, polaritaet, referenz, b, a.b, a.maxdata))
            return r;
        a.bereich = b;
        // the codes are those of a 12-bit converter spanning the reference
        a.voltJeCode = referenz / (polaritaet == 0 ? 2048.0 : 4096.0);
        a.eingerichtet = true;
        return 0;
    }

    // a sample in the range it was taken in; the gain amplifies the volts the codes count
    int16_t code(const Skala& s, Roh roh) const
    {
        double volt = f_.to_phys(roh, s.b, s.maxdata);
        if (std::isnan(volt))   // the library may leave the end codes without a value
            volt = roh <= s.maxdata / 2 ? s.b->min : s.b->max;
        return static_cast<int16_t>(std::clamp(std::round(volt * s.verstaerkung * codesJeVolt), -2048.0, 2047.0));
    }

    // Reads what the driver has, without waiting, into the caller's buffer behind the
    // slot of the last sample. The acquisition is over on the driver's error (a board that
    // is gone; an overrun or a fault of the board, once its last samples are read) and where
    // a read finds its end, which our command does not have: the driver or another program
    // ended it, which is said as cancelled.
    int16_t abholen(Geraet& g, uint32_t& neue)
    {
        const unsigned s = static_cast<unsigned>(g.ein);
        f_.poll(g.it, s);   // hands over what the board holds; not every driver can
        const int vorhanden = f_.get_buffer_contents(g.it, s);
        if (vorhanden < 0) {
            const int16_t status = fehler();
            g.laeuft = false;
            return status;
        }
        const size_t groesse = (g.einFlags & langeProben) ? sizeof(Roh) : sizeof(ComediKurz);
        // a read may end inside a sample: its first bytes wait in front of the next read
        size_t vorrat = g.restLaenge;
        std::memcpy(lesen_.data(), g.rest, vorrat);
        size_t offen = static_cast<size_t>(vorhanden);
        int16_t status = 0;
        for (;;) {
            // what the driver has, then one read more: only a read tells an ended acquisition
            const size_t platz = lesen_.size() - vorrat;
            const ssize_t n = read(g.fd, lesen_.data() + vorrat, offen > 0 ? std::min(offen, platz) : platz);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                break;
            if (n <= 0) {
                status = static_cast<int16_t>(n < 0 ? -errno : -ECANCELED);
                g.laeuft = false;
                break;
            }
            const size_t bytes = vorrat + static_cast<size_t>(n);
            const size_t proben = bytes / groesse;
            for (size_t i = 0; i < proben; ++i) {
                Roh roh = 0;
                if (groesse == sizeof(Roh)) {
                    std::memcpy(&roh, lesen_.data() + i * groesse, sizeof roh);
                } else {
                    ComediKurz kurz = 0;
                    std::memcpy(&kurz, lesen_.data() + i * groesse, sizeof kurz);
                    roh = kurz;
                }
                g.puffer[g.schreiben] = code(g.skala, roh);
                g.schreiben = (g.schreiben + 1) % g.laenge;
            }
            neue += static_cast<uint32_t>(proben);
            g.gelesen += proben;
            vorrat = bytes % groesse;
            std::memmove(lesen_.data(), lesen_.data() + proben * groesse, vorrat);
            if (offen == 0)   // arrived since: the next check reads on
                break;
            offen -= std::min(offen, static_cast<size_t>(n));
        }
        std::memcpy(g.rest, lesen_.data(), vorrat);
        g.restLaenge = vorrat;
        return status;
    }

    void* bib_;
    const Funktionen f_;
    const MesskartenFehlerAnzeige anzeige_;
    std::mutex m_;
    std::map<int16_t, Geraet> geraete_;
    std::vector<std::pair<std::string, int16_t>> gezeigt_;   // errors shown in this acquisition
    std::array<unsigned char, 1 << 16> lesen_{};
};

} // namespace

std::unique_ptr<Messkarte> comediMesskarteLaden(const std::string& bibliothek, MesskartenFehlerAnzeige anzeige,
                                                std::string* grund)
{
    void* bib = dlopen(bibliothek.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!bib) {
        if (grund) {
            const char* text = dlerror();
            *grund = text ? text : bibliothek;
        }
        return nullptr;
    }
    Funktionen f{};
    std::string fehlt;
#define VELNOR_COMEDI_BINDEN(feld, funktion, version) &&binden(bib, #funktion, version, f.feld, fehlt)
    const bool alle = true VELNOR_COMEDI_FUNKTIONEN(VELNOR_COMEDI_BINDEN);
#undef VELNOR_COMEDI_BINDEN
    if (!alle) {
        if (grund)
            *grund = bibliothek + ": " + fehlt + " missing";
        dlclose(bib);
        return nullptr;
    }
    return std::make_unique<ComediMesskarte>(bib, f, std::move(anzeige));
}

} // namespace plattform
