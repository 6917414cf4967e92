// tests/stuetzen/reizserie_skript.h - the series script that the script and evaluation tests
// share: 7 simulations documenting the conductance of synapse 1 and the amplitude of
// Sensor's stimulus, storing curves 1 and 3 of Motor
#pragma once
#include <string>

inline const std::string reizserieSkript = R"(// reizserie.skr
SDAUER=0,2  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE   // wie in der gui
ERG=W  BIN=  DEZ=44
ENEURON=2 EKU=1 EKU=3
SNL="ORDNER/sim liste.txt"
NEU=Sensor RZI=S RBE=0,01 RDA=0,05 RAM=1e-9 RUP=   erster lauf
SIM=
SCHLEIFE1=3
  SYN=1 SLE=2,5e-9 STEP=1,25e-9 DOKUMENTIEREN="leitfaehigkeit syn1"
  SUP=
  SCHLEIFE2=4
    NEU=1 RZI=1 RAM=0,5e-9 STEP=0,25e-9 DOKUMENTIEREN=amplitude
    RUP=
  WIEDERHOLEN2=
WIEDERHOLEN1=
neu=3 wird ignoriert
SCHLEIFE1=2   // zweite schleife auf ebene 1
  NEU=Motor SRU=-0,07 STEP=-0,005
WIEDERHOLEN1=
SIM=
EXI=
SRU=99
)";
