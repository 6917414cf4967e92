// platform/dialog_vorlage.cpp - what both sides read the same way from a template
#include "platform/dialog.h"

namespace plattform {

int eingabetastenId(const DialogVorlage& v)
{
    if (v.standardId != 0)
        return v.standardId;
    for (const DialogElement& e : v.elemente)
        if (e.art == ElementArt::StandardKnopf)
            return e.id;
    return 1;     // without a default button Enter means OK
}

} // namespace plattform
