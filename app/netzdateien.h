// app/netzdateien.h - opening and saving network files, as far as the frame calls them
//
// simulationOeffnen and guiSicherungSpeichern, which the engine calls too, are declared in
// core/rahmen.h.
#pragma once

// When the main window is destroyed by a regular close, before anything is freed: offers
// to save the network file that was read.
void netzSpeichernAnbieten();
