// core/skriptwerte.cpp
#include "core/skriptwerte.h"

SkriptLaufwerte skriptLaufwerte;
