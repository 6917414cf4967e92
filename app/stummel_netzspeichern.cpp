// app/stummel_netzspeichern.cpp - stands in for the frame's saving of network files until
// the save commands are built
#include "app/netzdateien.h"
#include "core/rahmen.h"

// The run goes on without a backup.
void guiSicherungSpeichern() {}

// Nothing offers to save the network when the main window closes.
void netzSpeichernAnbieten() {}
