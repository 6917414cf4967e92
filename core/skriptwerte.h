// core/skriptwerte.h - the values of the loaded script that the engine and the DAT writer read
#pragma once

struct SkriptLaufwerte {
    int aup = 0;           // AUP, read by the run
    double zfe = 0.0;      // ZFE, read by the SWIM step
    int dat = 0;           // DAT: a DAT file after each simulation
    int datZaehler = 0;
};
extern SkriptLaufwerte skriptLaufwerte;
