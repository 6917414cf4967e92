// core/fehler.cpp - the numbered error messages of the engine and the file readers
#include "core/fehler.h"
#include "platform/box.h"
#include <string>

namespace {

struct Fehlercode {
    int code;
    const char* text;
};

// Windows-1252: \xFC = ü, \xF6 = ö, \xE4 = ä
constexpr Fehlercode fehlerTabelle[] = {
    {1, "Datei existiert nicht"},
    {76, "Die gew\xFCnschte Integrationsmethode ist nicht verf\xFC" "gbar. Exponentielle Euler Methode wird benutzt."},
    {100, "Diese Datei kann nicht benutzt werden"},
    {101, "Datei kann nicht geschlossen werden !"},
    {104, "Es kann kein Speicherbereich mehr f\xFCr eine neue Prozess-Schlange bereitgestellt werden"},
    {105, "Es kann kein Speicherbereich mehr f\xFCr ein neues Neuron bereitgestellt werden"},
    {106, "Es kann kein Speicherbereich mehr f\xFCr einen neuen Neuronenauswahlbuffer bereitgestellt werden"},
    {107, "Es kann kein Speicherbereich mehr f\xFCr einen neuen Synapsenauswahlbuffer bereitgestellt werden"},
    {108, "Es kann kein Speicherbereich mehr f\xFCr eine neue Verbindung bereitgestellt werden"},
    {109, "Es kann kein Speicherbereich mehr f\xFCr eine neue Senderliste bereitgestellt werden"},
    {110, "Es kann kein Speicherbereich mehr f\xFCr einen neuen Pool bereitgestellt werden"},
    {113, "Datei kann nicht gelesen werden"},
    {114, "Es kann kein Speicherbereich mehr f\xFCr einen neuen Stromeintrag bereitgestellt werden"},
    {115, "Datei kann nicht ge\xF6" "ffnet werden"},
    {116, "Dateizugriff nur lesend m\xF6glich"},
    {118, "Die Neurondatei kann nicht gelesen werden"},
    {119, "Es k\xF6nnen nicht genug synaptische Typen allokiert werden\nNicht gen\xFCgend Speicherplatz vorhanden"},
    {120, "Dateiende nicht gefunden"},
    {121, "Das Neuron zu den gelesenen Parametern fehlt"},
    {122, "Ein Dateipuffer kann nicht erzeugt werden\nDatei wurde nicht geladen"},
    {123, "Dateiende wurde vorzeitig erreicht"},
    {124, "In der Datei gibt es einen Eintrag der keine Zahl darstellt"},
    {125, "Die Kanaldatei kann nicht korrekt gelesen werden: Neuronenzustand ist undefiniert !"},
    {126, "Es kann kein Speicherbereich mehr f\xFCr einen neuen Synapsentyp bereitgestellt werden"},
    {127, "Es kann kein Speicherbereich mehr f\xFCr einen neuen Graph bereitgestellt werden"},
    {128, "Es kann kein Speicherbereich mehr f\xFCr die Berechnung zur Verf\xFCgung gestellt werden"},
    {130, "Eine ung\xFCltige funktionale Form wurde in einer Kanaldatei benutzt. Berechnung kann nicht erfolgen !"},
    {131, "Torvariable: Division durch Null. Berechnung wird abgebrochen !"},
    {132, "kaputte dateigroesse des simulationsfiles\n"},
};

constexpr const char* unbekannterFehler = "Unknown error has been encountered in error handler\n";

} // namespace

const char* fehlerText(int code)
{
    for (const Fehlercode& f : fehlerTabelle)
        if (f.code == code)
            return f.text;
    return unbekannterFehler;
}

namespace {
thread_local int* fehlerZiel = nullptr;
}

void fehlerUmleiten(int* ziel) { fehlerZiel = ziel; }

void fehlerMelden(int code)
{
    if (fehlerZiel) {
        if (*fehlerZiel == 0)
            *fehlerZiel = code;
        return;
    }
    plattform::hinweisBox(std::string(fehlerText(code)));
}
