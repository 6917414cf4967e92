/* tests/server/comedi_stellvertreter.c - a stand-in for Comedi's driver library
 *
 * Built as a file named libcomedi.so.0 and loaded by path where the program loads the
 * real one by name. It exports the functions the program binds, in the versions the real
 * one gives them (comedi_stellvertreter.map), with the program's own declarations of
 * their types, for one board in memory at /dev/comedi0: subdevice 0 an analog input
 * (16 channels, 16 bits, +-10/+-5/+-1 V; channel 15 +-1 V only), subdevice 1 an analog
 * output (2 channels, 16 bits, +-10 V and 0..10 V). The input's stream is a pipe the test
 * writes samples into; its read end is the device's descriptor, read as the real one is:
 * a new command gets a new pipe behind the same descriptor, whose write end closes when
 * the acquisition ends. The test sees the calls in a log and what each output channel
 * was given; it can end the acquisition, overrun it, or make the board vanish, after which
 * every call fails as a device that was unplugged does. Both threads of a server run call
 * in, so one mutex guards it all. */
#define _GNU_SOURCE
#include "platform/comedi_schnittstelle.h"
#include <errno.h>
#include <fcntl.h>
#include <math.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <sys/ioctl.h>
#include <unistd.h>

#define EXPORT __attribute__((visibility("default")))

typedef ComediRoh lsampl_t;
typedef ComediBereich comedi_range;
typedef ComediBefehl comedi_cmd;
typedef ComediHandle comedi_t;
struct ComediHandle {
    int offen;
};

enum { AI = 0, AO = 1 };   /* the subdevices' numbers */

static pthread_mutex_t sperre = PTHREAD_MUTEX_INITIALIZER;
static comedi_t geraet;
static int weg, laeuft;
static int ueberlaufen;   /* the acquisition stopped on an overrun; its samples are still there */
static int rohr[2] = {-1, -1};
static int fehlernummer;   /* per thread in the library; the program asks under its own lock */

static comedi_range eingangsBereiche[] = {{-10, 10, 0}, {-5, 5, 0}, {-1, 1, 0}};
static comedi_range kanal15Bereiche[] = {{-1, 1, 0}};
static comedi_range ausgangsBereiche[] = {{-10, 10, 0}, {0, 10, 0}};
static const lsampl_t hoechsterWert = 65535;

#define ZEILEN 256
static char protokoll[ZEILEN][200];
static int zeilen;

#define WERTE 256
struct Kanal {
    lsampl_t werte[WERTE];   /* the values as they changed, the last WERTE of them */
    long anzahl;             /* changes */
    lsampl_t kleinster, groesster;
    long schreibvorgaenge;
};
static struct Kanal ausgaenge[2];

static void notieren(const char* format, ...) __attribute__((format(printf, 1, 2)));
static void notieren(const char* format, ...)
{
    if (zeilen >= ZEILEN)
        return;
    va_list va;
    va_start(va, format);
    vsnprintf(protokoll[zeilen++], sizeof protokoll[0], format, va);
    va_end(va);
}

static int scheitern(int nummer)
{
    fehlernummer = nummer;
    return -1;
}

/* the handle must be the open board, and the board still there */
static int pruefen(comedi_t* it)
{
    if (it != &geraet || !geraet.offen)
        return scheitern(EBADF);
    if (weg)
        return scheitern(ENODEV);
    return 0;
}

/* what the pipe holds, read away without waiting */
static void leeren(void)
{
    char rest[4096];
    int n = 0;
    while (rohr[0] >= 0 && ioctl(rohr[0], FIONREAD, &n) == 0 && n > 0)
        if (read(rohr[0], rest, (size_t)n < sizeof rest ? (size_t)n : sizeof rest) <= 0)
            break;
}

/* A new stream for a new command: a new pipe behind the program's descriptor, which keeps
 * its number and the flags the program gave it. */
static int stromErneuern(void)
{
    int neu[2];
    if (pipe2(neu, O_CLOEXEC) != 0)
        return -1;
    const int flags = fcntl(rohr[0], F_GETFL);
    const int r = dup3(neu[0], rohr[0], O_CLOEXEC);
    close(neu[0]);
    if (r < 0) {
        close(neu[1]);
        return -1;
    }
    fcntl(rohr[0], F_SETFL, flags);
    if (rohr[1] >= 0)
        close(rohr[1]);
    rohr[1] = neu[1];
    fcntl(rohr[1], F_SETFL, O_NONBLOCK);   /* the test never waits on a full pipe */
    return 0;
}

/* the acquisition ends: what it took stays readable, then a read finds the end */
static void beenden(void)
{
    laeuft = 0;
    if (rohr[1] >= 0)
        close(rohr[1]);
    rohr[1] = -1;
}

static comedi_range* bereiche(unsigned int subdevice, unsigned int kanal, int* anzahl)
{
    if (subdevice == AI && kanal == 15) {
        *anzahl = 1;
        return kanal15Bereiche;
    }
    *anzahl = subdevice == AI ? 3 : subdevice == AO ? 2 : 0;
    return subdevice == AI ? eingangsBereiche : subdevice == AO ? ausgangsBereiche : NULL;
}

/* ---- the library's functions ----------------------------------------------------------- */

EXPORT comedi_t* comedi_open(const char* datei)
{
    pthread_mutex_lock(&sperre);
    notieren("comedi_open(%s)", datei);
    comedi_t* it = NULL;
    if (weg || strcmp(datei, "/dev/comedi0") != 0) {
        fehlernummer = ENOENT;
    } else if (geraet.offen) {
        fehlernummer = EBUSY;
    } else if (pipe2(rohr, O_CLOEXEC) == 0) {
        fcntl(rohr[1], F_SETFL, O_NONBLOCK);   /* the test never waits on a full pipe */
        geraet.offen = 1;
        it = &geraet;
    } else {
        fehlernummer = errno;
    }
    pthread_mutex_unlock(&sperre);
    return it;
}

EXPORT int comedi_close(comedi_t* it)
{
    pthread_mutex_lock(&sperre);
    notieren("comedi_close");
    int r = 0;
    if (it != &geraet || !geraet.offen) {
        r = scheitern(EBADF);
    } else {
        close(rohr[0]);
        beenden();
        rohr[0] = -1;
        geraet.offen = 0;
        ueberlaufen = 0;
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_errno(void)
{
    pthread_mutex_lock(&sperre);
    const int r = fehlernummer;
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT const char* comedi_strerror(int nummer)
{
    switch (nummer) {
    case keinSubdevice: return "Invalid subdevice";
    case keinKanal: return "Invalid channel";
    }
    return nummer < 0x1000 ? strerror(nummer) : "Unknown error";
}

EXPORT int comedi_fileno(comedi_t* it)
{
    pthread_mutex_lock(&sperre);
    const int r = pruefen(it) < 0 ? -1 : rohr[0];
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_find_subdevice_by_type(comedi_t* it, int art, unsigned int ab)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0) {
        const int s = art == analogEingang ? AI : art == analogAusgang ? AO : -1;
        r = s >= 0 && (unsigned)s >= ab ? s : scheitern(keinSubdevice);
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_get_subdevice_flags(comedi_t* it, unsigned int subdevice)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0) {
        if (subdevice == AI)
            r = kannBefehle | lesbar | kannMasse | kannDifferenz | (laeuft ? erfasst : 0);
        else if (subdevice == AO)
            r = schreibbar | kannMasse;
        else
            r = scheitern(keinSubdevice);
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_get_n_channels(comedi_t* it, unsigned int subdevice)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0)
        r = subdevice == AI ? 16 : subdevice == AO ? 2 : scheitern(keinSubdevice);
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT lsampl_t comedi_get_maxdata(comedi_t* it, unsigned int subdevice, unsigned int kanal)
{
    (void)kanal;
    pthread_mutex_lock(&sperre);
    const lsampl_t r = pruefen(it) < 0 || subdevice > AO ? 0 : hoechsterWert;
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT comedi_range* comedi_get_range(comedi_t* it, unsigned int subdevice, unsigned int kanal, unsigned int bereich)
{
    pthread_mutex_lock(&sperre);
    int anzahl = 0;
    comedi_range* b = bereiche(subdevice, kanal, &anzahl);
    comedi_range* r = pruefen(it) < 0 || (int)bereich >= anzahl ? NULL : &b[bereich];
    pthread_mutex_unlock(&sperre);
    return r;
}

/* the smallest range of the unit that holds both limits */
EXPORT int comedi_find_range(comedi_t* it, unsigned int subdevice, unsigned int kanal, unsigned int einheit,
                             double min, double max)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0) {
        int anzahl = 0;
        const comedi_range* b = bereiche(subdevice, kanal, &anzahl);
        r = -1;
        for (int i = 0; i < anzahl; ++i)
            if (b[i].einheit == einheit && b[i].min <= min && b[i].max >= max &&
                (r < 0 || b[i].max - b[i].min < b[r].max - b[r].min))
                r = i;
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

/* linear, as the manual says; the end codes have no value unless asked for */
EXPORT double comedi_to_phys(lsampl_t wert, comedi_range* b, lsampl_t maxdata)
{
    if (!b || maxdata == 0 || wert == 0 || wert >= maxdata)
        return NAN;
    return b->min + (b->max - b->min) * wert / maxdata;
}

EXPORT lsampl_t comedi_from_phys(double wert, comedi_range* b, lsampl_t maxdata)
{
    if (!b || isnan(wert))
        return 0;
    double s = (wert - b->min) / (b->max - b->min) * maxdata;
    s = s < 0 ? 0 : s > maxdata ? maxdata : s;
    return (lsampl_t)floor(s + 0.5);
}

EXPORT int comedi_data_read(comedi_t* it, unsigned int subdevice, unsigned int kanal, unsigned int bereich,
                            unsigned int referenz, lsampl_t* wert)
{
    pthread_mutex_lock(&sperre);
    notieren("comedi_data_read(%u, %u, %u, %u)", subdevice, kanal, bereich, referenz);
    int r = pruefen(it);
    if (r == 0 && laeuft)
        r = scheitern(EBUSY);
    else if (r == 0)
        *wert = hoechsterWert / 2;
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_data_write(comedi_t* it, unsigned int subdevice, unsigned int kanal, unsigned int bereich,
                             unsigned int referenz, lsampl_t wert)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0 && (subdevice != AO || kanal > 1 || bereich > 1 || referenz != 0 || wert > hoechsterWert))
        r = scheitern(EINVAL);
    if (r == 0) {
        struct Kanal* k = &ausgaenge[kanal];
        if (k->schreibvorgaenge++ == 0 || wert < k->kleinster)
            k->kleinster = wert;
        if (k->schreibvorgaenge == 1 || wert > k->groesster)
            k->groesster = wert;
        if (k->anzahl == 0 || k->werte[(k->anzahl - 1) % WERTE] != wert)
            k->werte[k->anzahl++ % WERTE] = wert;
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_get_cmd_generic_timed(comedi_t* it, unsigned int subdevice, comedi_cmd* c, unsigned int kanaele,
                                        unsigned int periode)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0 && subdevice != AI)
        r = scheitern(keinSubdevice);
    if (r == 0) {
        memset(c, 0, sizeof *c);
        c->subdev = subdevice;
        c->start_src = trigNow;
        c->scan_begin_src = trigTimer;
        c->scan_begin_arg = periode;
        c->convert_src = trigTimer;
        c->convert_arg = periode / (kanaele ? kanaele : 1);
        c->scan_end_src = trigCount;
        c->scan_end_arg = kanaele;
        c->stop_src = trigCount;
        c->stop_arg = 2;
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

/* The board's timer counts whole microseconds, at most one per 10: the test rounds the
 * scan period and fits the conversions into it, as a driver does. */
EXPORT int comedi_command_test(comedi_t* it, comedi_cmd* c)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0) {
        if (c->subdev != AI || !c->chanlist || c->chanlist_len == 0)
            r = 5;
        else if (c->scan_begin_src != trigTimer || c->start_src != trigNow)
            r = 2;
        else if (c->scan_begin_arg < 10000) {
            c->scan_begin_arg = 10000;
            r = 3;
        } else {
            const unsigned int periode = (c->scan_begin_arg + 500) / 1000 * 1000;
            const unsigned int wandlung = periode / c->chanlist_len;
            r = periode != c->scan_begin_arg || c->convert_arg > wandlung ? 4 : 0;
            c->scan_begin_arg = periode;
            if (c->convert_arg > wandlung)
                c->convert_arg = wandlung;
        }
        notieren("comedi_command_test -> %d", r);
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_command(comedi_t* it, comedi_cmd* c)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0 && (c->subdev != AI || !c->chanlist || c->chanlist_len != 1))
        r = scheitern(EINVAL);
    if (r == 0) {
        const unsigned int k = c->chanlist[0];
        notieren("comedi_command(subdevice %u, channel %u, range %u, reference %u, scan %u ns, conversion %u ns, "
                 "stop %s %u, flags 0x%x)",
                 c->subdev, k & 0xffff, (k >> 16) & 0xff, (k >> 24) & 0x3, c->scan_begin_arg, c->convert_arg,
                 c->stop_src == trigNone ? "never" : "after", c->stop_arg, c->flags);
        if (stromErneuern() == 0) {   /* a new command starts with an empty buffer */
            laeuft = 1;
            ueberlaufen = 0;
        } else {
            r = scheitern(errno);
        }
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_cancel(comedi_t* it, unsigned int subdevice)
{
    pthread_mutex_lock(&sperre);
    notieren("comedi_cancel(%u)", subdevice);
    int r = pruefen(it);
    if (r == 0) {
        laeuft = ueberlaufen = 0;
        leeren();
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_poll(comedi_t* it, unsigned int subdevice)
{
    (void)subdevice;
    pthread_mutex_lock(&sperre);
    const int r = pruefen(it);
    pthread_mutex_unlock(&sperre);
    return r;
}

EXPORT int comedi_get_buffer_contents(comedi_t* it, unsigned int subdevice)
{
    pthread_mutex_lock(&sperre);
    int r = pruefen(it);
    if (r == 0 && subdevice != AI)
        r = scheitern(keinSubdevice);
    if (r == 0 && ioctl(rohr[0], FIONREAD, &r) < 0)
        r = scheitern(errno);
    /* an overrun is told once its samples are read */
    if (r == 0 && ueberlaufen)
        r = scheitern(EPIPE);
    pthread_mutex_unlock(&sperre);
    return r;
}

/* ---- what the test asks of it ----------------------------------------------------------- */

/* the board as new: there, closed, idle, nothing logged */
EXPORT void stellvertreterZuruecksetzen(void)
{
    pthread_mutex_lock(&sperre);
    if (geraet.offen) {
        close(rohr[0]);
        beenden();
        rohr[0] = -1;
    }
    geraet.offen = 0;
    weg = laeuft = ueberlaufen = 0;
    zeilen = 0;
    memset(ausgaenge, 0, sizeof ausgaenge);
    pthread_mutex_unlock(&sperre);
}

/* the board is unplugged */
EXPORT void stellvertreterEntfernen(void)
{
    pthread_mutex_lock(&sperre);
    weg = 1;
    pthread_mutex_unlock(&sperre);
}

/* The acquisition ends on its own (the driver ends it), or stops on an overrun of its
 * buffer: what it took can still be read, then the driver says so. */
EXPORT void stellvertreterBeenden(void)
{
    pthread_mutex_lock(&sperre);
    if (laeuft)
        beenden();
    pthread_mutex_unlock(&sperre);
}
EXPORT void stellvertreterUeberlaufen(void)
{
    pthread_mutex_lock(&sperre);
    if (laeuft)
        laeuft = 0, ueberlaufen = 1;
    pthread_mutex_unlock(&sperre);
}

/* bytes of raw samples into the running acquisition; the count taken (0 while none runs) */
EXPORT int stellvertreterEinspeisen(const void* bytes, int anzahl)
{
    pthread_mutex_lock(&sperre);
    int r = 0;
    if (laeuft && !weg && anzahl > 0) {
        const ssize_t n = write(rohr[1], bytes, (size_t)anzahl);
        r = n > 0 ? (int)n : 0;
    }
    pthread_mutex_unlock(&sperre);
    return r;
}

/* bytes of samples the program has not read yet */
EXPORT int stellvertreterUngelesen(void)
{
    pthread_mutex_lock(&sperre);
    int n = 0;
    if (geraet.offen && ioctl(rohr[0], FIONREAD, &n) < 0)
        n = 0;
    pthread_mutex_unlock(&sperre);
    return n;
}

/* line i of the call log into text; 0 past its end */
EXPORT int stellvertreterZeile(int i, char* text, int groesse)
{
    pthread_mutex_lock(&sperre);
    const int da = i >= 0 && i < zeilen;
    if (da)
        snprintf(text, (size_t)groesse, "%s", protokoll[i]);
    pthread_mutex_unlock(&sperre);
    return da;
}

/* Output channel kanal: its values as they changed (the last up to max of them, oldest
 * first; their count is returned), its smallest and largest value. */
EXPORT int stellvertreterAusgang(int kanal, lsampl_t* werte, int max, lsampl_t* kleinster, lsampl_t* groesster)
{
    pthread_mutex_lock(&sperre);
    const struct Kanal* k = &ausgaenge[kanal & 1];
    const long behalten = k->anzahl < WERTE ? k->anzahl : WERTE;
    const long n = behalten < max ? behalten : max;
    for (long i = 0; i < n; ++i)
        werte[i] = k->werte[(k->anzahl - n + i) % WERTE];
    *kleinster = k->kleinster;
    *groesster = k->groesster;
    pthread_mutex_unlock(&sperre);
    return (int)n;
}
