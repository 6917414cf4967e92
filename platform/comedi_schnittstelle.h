/* platform/comedi_schnittstelle.h - what the program knows of Comedi's driver library
 *
 * Its types, numbers and functions under our names, as its manual pages describe them,
 * written once for the binding (C++) and for the tests' stand-in library (C). The library's
 * own header is needed neither to build nor to start; where it is installed, a test
 * compares every size, offset, number and signature here with it. */
#pragma once

#ifdef __cplusplus
namespace plattform::comedi {
#endif

typedef struct ComediHandle ComediHandle;   /* the library's device handle, never looked into */
typedef unsigned int ComediRoh;             /* a sample of a subdevice with long samples */
typedef unsigned short ComediKurz;          /* a sample of the others */

typedef struct ComediBereich {
    double min;
    double max;
    unsigned int einheit;
} ComediBereich;

typedef struct ComediBefehl {
    unsigned int subdev, flags;
    unsigned int start_src, start_arg;
    unsigned int scan_begin_src, scan_begin_arg;
    unsigned int convert_src, convert_arg;
    unsigned int scan_end_src, scan_end_arg;
    unsigned int stop_src, stop_arg;
    unsigned int* chanlist;
    unsigned int chanlist_len;
    ComediKurz* data;
    unsigned int data_len;
} ComediBefehl;

/* subdevice types */
enum { analogEingang = 1, analogAusgang = 2 };
/* trigger sources of a command, and its flag for data readable after every scan */
enum { trigNone = 0x1, trigNow = 0x2, trigTimer = 0x10, trigCount = 0x20 };
enum { aufwachenJeScan = 0x20 };
/* subdevice flags */
enum {
    kannBefehle = 0x8000, lesbar = 0x10000, schreibbar = 0x20000, kannMasse = 0x100000,
    kannGemeinsam = 0x200000, kannDifferenz = 0x400000, erfasst = 0x8000000, langeProben = 0x10000000
};
/* analog references; the unit of volt ranges */
enum { refMasse = 0, refGemeinsam = 1, refDifferenz = 2 };
enum { einheitVolt = 0 };
/* the library's own error numbers beside the system's */
enum {
    unbekannt = 0x1001, keinSubdevice = 0x1003, keinKanal = 0x1004, keinBefehl = 0x1007,
    nichtUnterstuetzt = 0x1008
};

/* a channel list entry: channel, range and reference in one number */
static inline unsigned int kanalAngabe(unsigned int kanal, unsigned int bereich, unsigned int referenz)
{
    return (referenz & 0x3) << 24 | (bereich & 0xff) << 16 | kanal;
}

#ifdef __cplusplus

// The functions the program binds, bound by name at start.
struct Funktionen {
    ComediHandle* (*open)(const char*);
    int (*close)(ComediHandle*);
    const char* (*strerror)(int);
    int (*errnum)();
    int (*fileno)(ComediHandle*);
    int (*find_subdevice_by_type)(ComediHandle*, int, unsigned);
    int (*get_subdevice_flags)(ComediHandle*, unsigned);
    int (*get_n_channels)(ComediHandle*, unsigned);
    ComediRoh (*get_maxdata)(ComediHandle*, unsigned, unsigned);
    ComediBereich* (*get_range)(ComediHandle*, unsigned, unsigned, unsigned);
    int (*find_range)(ComediHandle*, unsigned, unsigned, unsigned, double, double);
    double (*to_phys)(ComediRoh, ComediBereich*, ComediRoh);
    ComediRoh (*from_phys)(double, ComediBereich*, ComediRoh);
    int (*data_read)(ComediHandle*, unsigned, unsigned, unsigned, unsigned, ComediRoh*);
    int (*data_write)(ComediHandle*, unsigned, unsigned, unsigned, unsigned, ComediRoh);
    int (*get_cmd_generic_timed)(ComediHandle*, unsigned, ComediBefehl*, unsigned, unsigned);
    int (*command_test)(ComediHandle*, ComediBefehl*);
    int (*command)(ComediHandle*, ComediBefehl*);
    int (*cancel)(ComediHandle*, unsigned);
    int (*poll)(ComediHandle*, unsigned);
    int (*get_buffer_contents)(ComediHandle*, unsigned);
};

} // namespace plattform::comedi

// Each member of Funktionen with the library's function and, where the library keeps older
// versions of it beside the current one, the version whose signature is the one above: a
// library whose current version differs still gives that one.
#define VELNOR_COMEDI_FUNKTIONEN(X)                                                                                   \
    X(open, comedi_open, nullptr)                                                                                     \
    X(close, comedi_close, nullptr)                                                                                   \
    X(strerror, comedi_strerror, nullptr)                                                                             \
    X(errnum, comedi_errno, nullptr)                                                                                  \
    X(fileno, comedi_fileno, nullptr)                                                                                 \
    X(find_subdevice_by_type, comedi_find_subdevice_by_type, nullptr)                                                 \
    X(get_subdevice_flags, comedi_get_subdevice_flags, "v0.8.0")                                                      \
    X(get_n_channels, comedi_get_n_channels, nullptr)                                                                 \
    X(get_maxdata, comedi_get_maxdata, nullptr)                                                                       \
    X(get_range, comedi_get_range, nullptr)                                                                           \
    X(find_range, comedi_find_range, nullptr)                                                                         \
    X(to_phys, comedi_to_phys, nullptr)                                                                               \
    X(from_phys, comedi_from_phys, nullptr)                                                                           \
    X(data_read, comedi_data_read, nullptr)                                                                           \
    X(data_write, comedi_data_write, nullptr)                                                                         \
    X(get_cmd_generic_timed, comedi_get_cmd_generic_timed, "v0.9.0")                                                  \
    X(command_test, comedi_command_test, nullptr)                                                                     \
    X(command, comedi_command, nullptr)                                                                               \
    X(cancel, comedi_cancel, nullptr)                                                                                 \
    X(poll, comedi_poll, nullptr)                                                                                     \
    X(get_buffer_contents, comedi_get_buffer_contents, nullptr)

#endif
