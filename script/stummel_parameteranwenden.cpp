// script/stummel_parameteranwenden.cpp - stands in for re-applying the stored parameters of a
// result record until the evaluation mode is built
//
// Applies nothing yet: every entry counts as skipped, so the network stays as it is.
#include "script/auswertungsdaten.h"

int parameterAnweisungAnwenden(Auswertungsdaten&) { return 1; }
