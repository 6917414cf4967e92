// app/dateityp.cpp - the per-user file-type entry for network files
#include "app/dateityp.h"
#include "core/status.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "texts/texte.h"
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// an argument of Exec= in double quotes: ", `, $ and \ escaped; then the value's own
// escape of the backslash, and % doubled so that it is no field code
std::string execArgument(const std::string& pfad)
{
    std::string zitiert = "\"";
    for (char c : pfad) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            zitiert += '\\';
        zitiert += c;
    }
    zitiert += '"';
    std::string wert;
    for (char c : zitiert) {
        if (c == '\\')
            wert += "\\\\";
        else if (c == '%')
            wert += "%%";
        else
            wert += c;
    }
    return wert;
}

std::string schreiben(const std::string& ordner, const std::string& name, const std::string& inhalt)
{
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);
    if (fehler)
        return ordner + ": " + fehler.message();
    std::string grund;
    if (!plattform::dateiSicherSchreiben(ordner + name, inhalt, &grund))
        return ordner + name + ": " + grund;
    return "";
}

} // namespace

std::string benutzerDatenOrdner()
{
    if (const char* d = std::getenv("XDG_DATA_HOME"); d && *d)
        return std::string(d) + (std::string_view(d).ends_with('/') ? "" : "/");
    if (const char* h = std::getenv("HOME"); h && *h)
        return std::string(h) + "/.local/share/";
    return "";
}

std::string mimePaket()
{
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"") + netzMimeTyp + "\">\n"
           "    <comment>Velnor network</comment>\n"
           "    <glob pattern=\"*.gui\"/>\n"
           "    <magic priority=\"50\">\n"
           "      <match type=\"string\" offset=\"0\" value=\"[neuronen-netzwerk-datei]\"/>\n"
           "    </magic>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string desktopEintrag(const std::string& programm)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Velnor\n"
           "Exec=" + execArgument(programm) + " %f\n"
           "MimeType=" + std::string(netzMimeTyp) + ";\n"
           "Terminal=false\n"
           "NoDisplay=true\n";
}

std::string dateitypRegistrieren(const std::string& programm)
{
    const std::string daten = benutzerDatenOrdner();
    if (daten.empty())
        return "XDG_DATA_HOME, HOME";
    if (std::string f = schreiben(daten + "mime/packages/", "velnor-netz.xml", mimePaket()); !f.empty())
        return f;
    if (std::string f = schreiben(daten + "applications/", "velnor.desktop", desktopEintrag(programm)); !f.empty())
        return f;
    // the caches are a courtesy of the desktop: without the tools the entries still count
    plattform::programmAusfuehren({"update-mime-database", daten + "mime"});
    plattform::programmAusfuehren({"update-desktop-database", daten + "applications"});
    return "";
}

void dateitypRegistrierenBefehl()
{
    const std::string fehler = dateitypRegistrieren(plattform::programmDatei());
    const std::string text = fehler.empty() ? meldungFormatieren(861) : meldungFormatieren(862, fehler.c_str());
    plattform::meldungsBox(fensterhandles.hauptfenster, text, "Hinweis",
                           plattform::knoepfe::Ok | (fehler.empty() ? plattform::symbol::Information : plattform::symbol::Ausruf));
}
