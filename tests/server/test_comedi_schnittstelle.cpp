// tests/server/test_comedi_schnittstelle.cpp - our declarations of Comedi's interface
// (platform/comedi_schnittstelle.h) against the library's own header, and the versions we
// bind against the installed library and the stand-in
#include "platform/comedi_schnittstelle.h"
#include <comedi_errno.h>
#include <comedilib.h>
#include <cstddef>
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace {

namespace c = plattform::comedi;

// our types as the header's, also inside function pointer types
template <typename T>
struct Abbild {
    using typ = T;
};
template <>
struct Abbild<c::ComediHandle*> {
    using typ = comedi_t*;
};
template <>
struct Abbild<c::ComediBereich*> {
    using typ = comedi_range*;
};
template <>
struct Abbild<c::ComediBefehl*> {
    using typ = comedi_cmd*;
};
template <typename R, typename... A>
struct Abbild<R (*)(A...)> {
    using typ = typename Abbild<R>::typ (*)(typename Abbild<A>::typ...);
};

template <typename Unser, typename Ihr>
constexpr bool gleich = std::is_same_v<typename Abbild<Unser>::typ, Ihr>;

// the versions the loaded library defines (its version definitions, the library's own name
// left out)
std::vector<std::string> versionenDerBibliothek(void* bib)
{
    link_map* karte = nullptr;
    if (dlinfo(bib, RTLD_DI_LINKMAP, &karte) != 0 || !karte)
        return {};
    // the dynamic section holds addresses either relocated or relative to the load address
    const auto adresse = [&](ElfW(Addr) a) { return a < karte->l_addr ? a + karte->l_addr : a; };
    const char* namen = nullptr;
    const char* definition = nullptr;
    ElfW(Xword) anzahl = 0;
    for (const ElfW(Dyn)* d = karte->l_ld; d->d_tag != DT_NULL; ++d) {
        if (d->d_tag == DT_STRTAB)
            namen = reinterpret_cast<const char*>(adresse(d->d_un.d_ptr));
        else if (d->d_tag == DT_VERDEF)
            definition = reinterpret_cast<const char*>(adresse(d->d_un.d_ptr));
        else if (d->d_tag == DT_VERDEFNUM)
            anzahl = d->d_un.d_val;
    }
    std::vector<std::string> versionen;
    for (ElfW(Xword) i = 0; namen && definition && i < anzahl; ++i) {
        const auto* v = reinterpret_cast<const ElfW(Verdef)*>(definition);
        if (!(v->vd_flags & VER_FLG_BASE))
            versionen.emplace_back(namen + reinterpret_cast<const ElfW(Verdaux)*>(definition + v->vd_aux)->vda_name);
        definition += v->vd_next;
    }
    return versionen;
}

#define FELD(unser, ihr, u, i)                                                                                         \
    EXPECT_EQ(offsetof(unser, u), offsetof(ihr, i)) << #i;                                                             \
    EXPECT_TRUE((std::is_same_v<decltype(unser::u), decltype(ihr::i)>)) << #i

TEST(ComediSchnittstelle, TypesHaveTheHeadersSizesFieldOffsetsAndFieldTypes)
{
    EXPECT_TRUE((std::is_same_v<c::ComediRoh, lsampl_t>));
    EXPECT_TRUE((std::is_same_v<c::ComediKurz, sampl_t>));

    EXPECT_EQ(sizeof(c::ComediBereich), sizeof(comedi_range));
    FELD(c::ComediBereich, comedi_range, min, min);
    FELD(c::ComediBereich, comedi_range, max, max);
    FELD(c::ComediBereich, comedi_range, einheit, unit);

    EXPECT_EQ(sizeof(c::ComediBefehl), sizeof(comedi_cmd));
    FELD(c::ComediBefehl, comedi_cmd, subdev, subdev);
    FELD(c::ComediBefehl, comedi_cmd, flags, flags);
    FELD(c::ComediBefehl, comedi_cmd, start_src, start_src);
    FELD(c::ComediBefehl, comedi_cmd, start_arg, start_arg);
    FELD(c::ComediBefehl, comedi_cmd, scan_begin_src, scan_begin_src);
    FELD(c::ComediBefehl, comedi_cmd, scan_begin_arg, scan_begin_arg);
    FELD(c::ComediBefehl, comedi_cmd, convert_src, convert_src);
    FELD(c::ComediBefehl, comedi_cmd, convert_arg, convert_arg);
    FELD(c::ComediBefehl, comedi_cmd, scan_end_src, scan_end_src);
    FELD(c::ComediBefehl, comedi_cmd, scan_end_arg, scan_end_arg);
    FELD(c::ComediBefehl, comedi_cmd, stop_src, stop_src);
    FELD(c::ComediBefehl, comedi_cmd, stop_arg, stop_arg);
    FELD(c::ComediBefehl, comedi_cmd, chanlist, chanlist);
    FELD(c::ComediBefehl, comedi_cmd, chanlist_len, chanlist_len);
    FELD(c::ComediBefehl, comedi_cmd, data, data);
    FELD(c::ComediBefehl, comedi_cmd, data_len, data_len);
}

TEST(ComediSchnittstelle, NumbersAreTheHeaders)
{
#define GLEICH(unser, ihr) EXPECT_EQ(static_cast<long>(c::unser), static_cast<long>(ihr)) << #unser " / " #ihr
    GLEICH(analogEingang, COMEDI_SUBD_AI);
    GLEICH(analogAusgang, COMEDI_SUBD_AO);
    GLEICH(trigNone, TRIG_NONE);
    GLEICH(trigNow, TRIG_NOW);
    GLEICH(trigTimer, TRIG_TIMER);
    GLEICH(trigCount, TRIG_COUNT);
    GLEICH(aufwachenJeScan, CMDF_WAKE_EOS);
    GLEICH(kannBefehle, SDF_CMD_READ);
    GLEICH(lesbar, SDF_READABLE);
    GLEICH(schreibbar, SDF_WRITABLE);
    GLEICH(kannMasse, SDF_GROUND);
    GLEICH(kannGemeinsam, SDF_COMMON);
    GLEICH(kannDifferenz, SDF_DIFF);
    GLEICH(erfasst, SDF_RUNNING);
    GLEICH(langeProben, SDF_LSAMPL);
    GLEICH(refMasse, AREF_GROUND);
    GLEICH(refGemeinsam, AREF_COMMON);
    GLEICH(refDifferenz, AREF_DIFF);
    GLEICH(einheitVolt, UNIT_volt);
    GLEICH(unbekannt, EUNKNOWN);
    GLEICH(keinSubdevice, EINVAL_SUBD);
    GLEICH(keinKanal, EINVAL_CHAN);
    GLEICH(keinBefehl, ECMDNOTSUPP);
    GLEICH(nichtUnterstuetzt, ENOTSUPPORTED);
#undef GLEICH
    for (const auto& [kanal, bereich, referenz] : {std::tuple(0u, 0u, 0u), {3u, 1u, 2u}, {15u, 255u, 3u},
                                                 {65535u, 2u, 1u}})
        EXPECT_EQ(c::kanalAngabe(kanal, bereich, referenz), static_cast<unsigned>(CR_PACK(kanal, bereich, referenz)))
            << kanal << " " << bereich << " " << referenz;
}

// Every function we bind has the header's signature, and the versions named beside it are
// the current ones of the installed library (whose header this is) and of the stand-in. A
// function the installed library holds in more than one version is bound by its version:
// the unversioned name would give whichever the library calls current.
TEST(ComediSchnittstelle, BoundFunctionsHaveTheHeadersSignaturesInTheVersionsNamed)
{
#define SIGNATUR(feld, funktion, version)                                                                              \
    EXPECT_TRUE((gleich<decltype(c::Funktionen::feld), decltype(&::funktion)>)) << #funktion;
    VELNOR_COMEDI_FUNKTIONEN(SIGNATUR)
#undef SIGNATUR

    for (const char* datei : {"libcomedi.so.0", COMEDI_STELLVERTRETER}) {
        void* bib = dlopen(datei, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(bib, nullptr) << dlerror();
#define VERSION(feld, funktion, version)                                                                               \
    if (const char* v = version) {                                                                                     \
        void* gebunden = dlvsym(bib, #funktion, v);                                                                    \
        EXPECT_NE(gebunden, nullptr) << datei << ": " #funktion "@" << v;                                              \
        EXPECT_EQ(gebunden, dlsym(bib, #funktion)) << datei << ": " #funktion "@" << v << " is not the current one";   \
    } else {                                                                                                           \
        EXPECT_NE(dlsym(bib, #funktion), nullptr) << datei << ": " #funktion;                                          \
    }
        VELNOR_COMEDI_FUNKTIONEN(VERSION)
#undef VERSION
        const std::vector<std::string> versionen = versionenDerBibliothek(bib);
        EXPECT_FALSE(versionen.empty()) << datei << ": no versions";
#define VERSIONEN(feld, funktion, version)                                                                             \
    {                                                                                                                  \
        const char* gepinnt = version;                                                                                 \
        std::set<void*> fassungen;                                                                                     \
        for (const std::string& v : versionen)                                                                         \
            if (void* a = dlvsym(bib, #funktion, v.c_str()))                                                           \
                fassungen.insert(a);                                                                                   \
        EXPECT_TRUE(fassungen.size() < 2 || gepinnt != nullptr)                                                        \
            << datei << ": " #funktion " is held in " << fassungen.size() << " versions, but bound by name alone";     \
    }
        VELNOR_COMEDI_FUNKTIONEN(VERSIONEN)
#undef VERSIONEN
        dlclose(bib);
    }
}

} // namespace
