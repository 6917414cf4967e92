// tests/app/test_dateityp.cpp - the per-user file-type entry, written under a
// temporary XDG_DATA_HOME
#include "app_hilfe.h"
#include "app/dateityp.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <cstdlib>
#include <filesystem>

using namespace apphilfe;

namespace {

// sets an environment variable for the test's time and puts the old value back
class Umgebung {
public:
    Umgebung(const char* name, const std::string& wert) : name_(name)
    {
        if (const char* alt = std::getenv(name)) {
            alt_ = alt;
            hatte_ = true;
        }
        ::setenv(name, wert.c_str(), 1);
    }
    ~Umgebung()
    {
        if (hatte_)
            ::setenv(name_, alt_.c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::string alt_;
    bool hatte_ = false;
};

class Dateityp : public AppFall {
protected:
    std::string daten = testhilfe::tempOrdner("velnor-xdg");
    void TearDown() override
    {
        std::filesystem::remove_all(daten);
        AppFall::TearDown();
    }
};

TEST_F(Dateityp, PaketUndDesktopEintragLiegenUnterXdgDataHome)
{
    Umgebung xdg("XDG_DATA_HOME", daten);
    EXPECT_EQ(dateitypRegistrieren("/opt/velnor/velnor"), "");
    const std::string paket = lesen(daten + "mime/packages/velnor-netz.xml");
    for (const char* teil : {"<mime-type type=\"application/x-velnor-netz\">", "<glob pattern=\"*.gui\"/>",
                             "<match type=\"string\" offset=\"0\" value=\"[neuronen-netzwerk-datei]\"/>"})
        EXPECT_NE(paket.find(teil), std::string::npos) << teil;
    const std::string eintrag = lesen(daten + "applications/velnor.desktop");
    for (const char* zeile : {"[Desktop Entry]\n", "\nExec=\"/opt/velnor/velnor\" %f\n",
                              "\nMimeType=application/x-velnor-netz;\n", "\nType=Application\n"})
        EXPECT_NE(eintrag.find(zeile), std::string::npos) << zeile;
    // a second registration replaces the files and leaves nothing else behind
    EXPECT_EQ(dateitypRegistrieren("/opt/velnor/velnor"), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(daten + "applications"), {}), 1);
}

TEST_F(Dateityp, DerProgrammpfadStehtGeschuetztImExecEintrag)
{
    const struct { const char* pfad; const char* exec; } faelle[] = {
        {"/home/a b/velnor", "Exec=\"/home/a b/velnor\" %f\n"},
        {"/x/\"q\"/velnor", "Exec=\"/x/\\\\\"q\\\\\"/velnor\" %f\n"},
        {"/x/$HOME/v`n`", "Exec=\"/x/\\\\$HOME/v\\\\`n\\\\`\" %f\n"},
        {"/x/100%/velnor", "Exec=\"/x/100%%/velnor\" %f\n"},
        {"/x/a\\b", "Exec=\"/x/a\\\\\\\\b\" %f\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.pfad);
        EXPECT_NE(desktopEintrag(f.pfad).find(f.exec), std::string::npos) << desktopEintrag(f.pfad);
    }
}

TEST_F(Dateityp, OhneXdgDataHomeGiltDasLokaleDatenverzeichnis)
{
    Umgebung leer("XDG_DATA_HOME", "");
    Umgebung heim("HOME", daten + "heim");
    EXPECT_EQ(benutzerDatenOrdner(), daten + "heim/.local/share/");
    EXPECT_EQ(dateitypRegistrieren("/v"), "");
    EXPECT_TRUE(std::filesystem::exists(daten + "heim/.local/share/applications/velnor.desktop"));
}

TEST_F(Dateityp, DieDesktopWerkzeugeLaufenWoSieInstalliertSind)
{
    // stand-ins on PATH that note what they were given
    const std::string bin = daten + "bin/";
    std::filesystem::create_directories(bin);
    for (const char* name : {"update-mime-database", "update-desktop-database"}) {
        schreiben(bin + name, std::string("#!/bin/sh\necho \"$@\" > \"") + bin + name + ".aufruf\"\n");
        std::filesystem::permissions(bin + name, std::filesystem::perms::owner_all);
    }
    Umgebung xdg("XDG_DATA_HOME", daten + "x");
    Umgebung pfad("PATH", bin + ":" + (std::getenv("PATH") ? std::getenv("PATH") : ""));
    EXPECT_EQ(dateitypRegistrieren("/v"), "");
    EXPECT_EQ(lesen(bin + "update-mime-database.aufruf"), daten + "x/mime\n");
    EXPECT_EQ(lesen(bin + "update-desktop-database.aufruf"), daten + "x/applications\n");
}

TEST_F(Dateityp, DerBefehlSagtObEsGelang)
{
    ASSERT_TRUE(starten());
    nachrichtenVerarbeiten();
    {
        Umgebung xdg("XDG_DATA_HOME", daten);
        pt::boxAntworten({antwort::Ok});
        befehl(befehlDateitypRegistrieren);
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].text, meldungsTexte[861]);
    }
    // a data folder that is a file: refused with the reason, nothing written
    schreiben(daten + "datei", "x");
    Umgebung xdg("XDG_DATA_HOME", daten + "datei");
    pt::boxAntworten({antwort::Ok});
    befehl(befehlDateitypRegistrieren);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[1].text.rfind(meldungFormatieren(862, ""), 0), 0u) << pt::boxLog()[1].text;
    EXPECT_GT(pt::boxLog()[1].text.size(), meldungFormatieren(862, "").size());
}

} // namespace
