// script/auswertungsglobal.cpp - the records of the evaluation mode
#include "script/auswertung.h"

Auswertungsdaten auswertungsdaten;
Auswertungsfenster auswertungsfenster;
