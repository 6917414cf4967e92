// core/endemeldung.cpp - the boxes after which the program cannot go on
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "platform/box.h"

bool endeMelden(EndeForm form, const std::string& text)
{
    const plattform::Fenster fokus = plattform::fokusFenster();
    const int antwort = form == EndeForm::Hinweis ? plattform::hinweisBox(text) : plattform::velnorInfoBox(text);
    if (fokus && plattform::istFenster(fokus))
        plattform::fokusSetzen(fokus);
    if (form == EndeForm::InfoAbbrechen && antwort != plattform::antwort::Abbrechen)
        return false;
    // while a file is read, the fatal form's Cancel abandons only the read: the reader fails,
    // and the open gives back what a refused file leaves. Noted, as the step that showed the
    // box may return nothing its reader checks.
    if (form == EndeForm::Info && antwort == plattform::antwort::Abbrechen && netzWirdGelesen()) {
        editierStatus |= editierBit::LesenAbgebrochen;
        return false;
    }
    programmBeendenMitAngebot();
    return true;
}
