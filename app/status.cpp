// app/status.cpp - the program-wide status words and window handles
#include "app/status.h"

uint32_t editierStatus = 0;
Fensterhandles fensterhandles;
