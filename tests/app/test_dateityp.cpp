// tests/app/test_dateityp.cpp - the per-user file-type entry, written under a temporary XDG_DATA_HOME
#include "app_hilfe.h"
#include "app/dateityp.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <cstdlib>
#include <filesystem>
#include <optional>

using namespace apphilfe;

namespace {

class Dateityp : public AppFall {
protected:
    std::string daten = testhilfe::tempOrdner("velnor-xdg");
    std::vector<std::pair<const char*, std::optional<std::string>>> alt;

    // sets an environment variable for the test's time
    void setzen(const char* name, const std::string& wert)
    {
        const char* a = std::getenv(name);
        alt.emplace_back(name, a ? std::optional<std::string>(a) : std::nullopt);
        ::setenv(name, wert.c_str(), 1);
    }
    void TearDown() override
    {
        for (auto it = alt.rbegin(); it != alt.rend(); ++it)
            it->second ? ::setenv(it->first, it->second->c_str(), 1) : ::unsetenv(it->first);
        std::filesystem::remove_all(daten);
        AppFall::TearDown();
    }
};

TEST_F(Dateityp, DerBefehlLegtPaketUndDesktopEintragImDatenordnerAnUndSagtObEsGelang)
{
    ASSERT_TRUE(starten());
    nachrichtenVerarbeiten();
    // stand-ins on PATH that note what they were given
    const std::string bin = daten + "bin/";
    std::filesystem::create_directories(bin);
    for (const std::string name : {"update-mime-database", "update-desktop-database"}) {
        schreiben(bin + name, "#!/bin/sh\necho \"$@\" > \"" + bin + name + ".aufruf\"\n");
        std::filesystem::permissions(bin + name, std::filesystem::perms::owner_all);
    }
    setzen("XDG_DATA_HOME", daten + "x");
    setzen("PATH", bin + ":" + (std::getenv("PATH") ? std::getenv("PATH") : ""));
    pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
    befehl(befehlDateitypRegistrieren);
    const std::string paket = lesen(daten + "x/mime/packages/velnor-netz.xml");
    for (const char* teil : {"<mime-type type=\"application/x-velnor-netz\">", "<glob pattern=\"*.gui\"/>",
                             "<match type=\"string\" offset=\"0\" value=\"[neuronen-netzwerk-datei]\"/>"})
        EXPECT_NE(paket.find(teil), std::string::npos) << teil;
    const std::string eintrag = lesen(daten + "x/applications/velnor.desktop");
    for (const char* z : {"[Desktop Entry]", "\nMimeType=application/x-velnor-netz;\n", "\nType=Application"})
        EXPECT_NE(eintrag.find(z), std::string::npos) << z << "\n" << eintrag;
    // quotes, blanks, $ and % in the program path are escaped
    EXPECT_NE(desktopEintrag(R"(/x/a b/"q"$%/v)").find(R"(Exec="/x/a b/\\"q\\"\\$%%/v" %f)"),
              std::string::npos);
    EXPECT_EQ(lesen(bin + "update-mime-database.aufruf"), daten + "x/mime\n");
    EXPECT_EQ(lesen(bin + "update-desktop-database.aufruf"), daten + "x/applications\n");
    // a second registration replaces the files and leaves nothing else behind
    befehl(befehlDateitypRegistrieren);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(daten + "x/applications"), {}), 1);
    // a data folder that is a file: refused with the reason
    schreiben(daten + "datei", "x");
    setzen("XDG_DATA_HOME", daten + "datei");
    befehl(befehlDateitypRegistrieren);
    ASSERT_EQ(pt::boxLog().size(), 3u);
    EXPECT_EQ(pt::boxLog()[1].text, meldungsTexte[861]);
    const std::string &grund = pt::boxLog()[2].text, kopf = meldungFormatieren(862, "");
    EXPECT_TRUE(grund.starts_with(kopf) && grund != kopf) << grund;
    // without XDG_DATA_HOME the local data folder in the home folder
    setzen("XDG_DATA_HOME", "");
    setzen("HOME", daten + "heim");
    EXPECT_EQ(dateitypRegistrieren("/v"), "");
    EXPECT_TRUE(std::filesystem::exists(daten + "heim/.local/share/applications/velnor.desktop"));
}

} // namespace
