// files/stummel_fremdformat.cpp - stands in for the sibling program's network format until
// it is built
#include "files/fremdformat.h"
#include "platform/box.h"
#include "texts/texte.h"

// The open command hands files beginning with "100" here: it says that they cannot be
// read yet.
int simDateiLesen(const std::string&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}
