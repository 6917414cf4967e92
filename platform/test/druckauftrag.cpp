// platform/test/druckauftrag.cpp - the scripted printer list and recorded print jobs
#include "platform/drucken.h"
#include "platform/eigene_texte.h"
#include "platform/test/zeichenflaeche.h"
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;

struct DruckAuftragObjekt {
    DruckEinstellung einstellung;        // drucker and pdfDatei resolved
    SeitenMasse masse;
    Zeichenflaeche flaeche;
};

namespace {

SeitenMasse a4(bool quer)
{
    SeitenMasse m;
    m.breite = quer ? test::a4Hoehe : test::a4Breite;
    m.hoehe = quer ? test::a4Breite : test::a4Hoehe;
    m.druckbar = {test::druckRand, test::druckRand, m.breite - test::druckRand, m.hoehe - test::druckRand};
    m.dpiX = m.dpiY = test::druckDpi;
    return m;
}

bool istPdf(const std::string& name) { return name == pdfDrucker; }

// the path the user chose in the save dialog; false when cancelled
bool pdfDateiErfragen(Fenster eigner, const std::string& dokument, std::string& pfad)
{
    DateiWahl w;
    w.name = dokument;
    w.endung = "pdf";
    w.filter = {{eigenerText(EigenerText::PdfDateien), "*.pdf"}};
    w.titel = eigenerText(EigenerText::PdfDruckenTitel);
    w.speichern = true;
    if (!dateiWaehlen(eigner, w))
        return false;
    pfad = gewaehlterPfad(w);
    return true;
}

void protokollieren(DruckAuftrag a, bool gedruckt)
{
    const DruckEinstellung& e = a->einstellung;
    zustand().druckAuftraege.push_back({e.drucker, e.quer, e.dokument, e.pdfDatei,
                                        std::move(a->flaeche.aufrufe), gedruckt});
}

} // namespace

std::vector<std::string> druckerListe()
{
    Zustand& z = zustand();
    std::lock_guard<std::mutex> sperre(z.druckerMutex);
    std::vector<std::string> liste = z.drucker;
    liste.push_back(pdfDrucker);
    return liste;
}

std::string standardDrucker()
{
    Zustand& z = zustand();
    std::lock_guard<std::mutex> sperre(z.druckerMutex);
    return z.standardDrucker.empty() ? pdfDrucker : z.standardDrucker;
}

DruckAuftrag druckBeginnen(Fenster eigner, const DruckEinstellung& e, std::string* fehlerText)
{
    if (!aufGui("druckBeginnen"))
        return nullptr;
    DruckEinstellung gewaehlt = e;
    if (gewaehlt.drucker.empty())
        gewaehlt.drucker = standardDrucker();
    const std::vector<std::string> liste = druckerListe();
    if (std::find(liste.begin(), liste.end(), gewaehlt.drucker) == liste.end()) {
        if (fehlerText)
            *fehlerText = "Drucker \"" + gewaehlt.drucker + "\" nicht gefunden";
        return nullptr;
    }
    if (!istPdf(gewaehlt.drucker))
        gewaehlt.pdfDatei.clear();
    else if (gewaehlt.pdfDatei.empty() && !pdfDateiErfragen(eigner, e.dokument, gewaehlt.pdfDatei)) {
        if (fehlerText)
            fehlerText->clear();
        return nullptr;
    }
    auto* a = new DruckAuftragObjekt;
    a->einstellung = gewaehlt;
    a->masse = zustand().druckSeite.value_or(a4(gewaehlt.quer));
    zustand().druckSeite.reset();
    // the surface begins at the printable area's top-left and covers just that area
    a->flaeche.breite = a->masse.druckbar.breite();
    a->flaeche.hoehe = a->masse.druckbar.hoehe();
    a->flaeche.dpi = test::druckDpi;
    return a;
}

SeitenMasse seitenMasse(DruckAuftrag a) { return a ? a->masse : SeitenMasse{}; }

Zeichenflaeche& druckFlaeche(DruckAuftrag a)
{
    if (a)
        return a->flaeche;
    fehler("druckFlaeche: no print job");
    return ersatzFlaeche();
}

void seitenAbbildungSetzen(Zeichenflaeche& z, double skala, int dx, int dy)
{
    z.skala = skala;
    z.versatzX = dx;
    z.versatzY = dy;
}

std::string druckZiel(DruckAuftrag a) { return a ? a->einstellung.pdfDatei : std::string(); }

bool druckBeenden(DruckAuftrag a)
{
    if (!a)
        return false;
    const bool gut = !zustand().druckFehler;
    zustand().druckFehler = false;
    protokollieren(a, gut);
    delete a;
    return gut;
}

void druckAbbrechen(DruckAuftrag a)
{
    if (!a)
        return;
    protokollieren(a, false);
    delete a;
}

namespace test {

void druckerSetzen(const std::vector<std::string>& namen, const std::string& standard)
{
    Zustand& z = zustand();
    std::lock_guard<std::mutex> sperre(z.druckerMutex);
    z.drucker.clear();
    for (const std::string& n : namen)
        if (!istPdf(n) && std::find(z.drucker.begin(), z.drucker.end(), n) == z.drucker.end())
            z.drucker.push_back(n);
    const bool bekannt = std::find(z.drucker.begin(), z.drucker.end(), standard) != z.drucker.end();
    z.standardDrucker = bekannt ? standard : "";
}

const std::vector<DruckEintrag>& druckLog() { return zustand().druckAuftraege; }

void druckBeendenScheitert() { zustand().druckFehler = true; }

void druckSeiteSetzen(const SeitenMasse& m) { zustand().druckSeite = m; }

} // namespace test
} // namespace plattform
