// app/stummel_server.cpp - stands in for the real-time server mode until it is built
//
// The server cannot be started yet: no board output was ever set and no server thread
// runs, so the shutdown has nothing to reset or stop.
#include "app/beenden.h"

void boardAusgaengeZuruecksetzen() {}

void serverBeenden() {}
