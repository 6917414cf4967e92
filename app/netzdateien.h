// app/netzdateien.h - opening and saving network files, as far as the frame calls them
//
// simulationOeffnen and guiSicherungSpeichern, which the engine calls too, are declared in
// core/rahmen.h.
#pragma once

// Before a regular end, while the main window and everything else still exist: offers to
// save a network with neurons unless a save would write exactly the bytes of its own file
// (one without a file of its own under a name the save dialog asks for), and writes the
// settings file (unless the settings ask to end without saving). false when the user
// cancelled (abbrechbar: the question has a Cancel) or chose to save and the save failed
// or its dialog was cancelled: the program goes on with the network.
bool netzSpeichernAnbieten(bool abbrechbar = true);
// What a loaded script set at its load is no value of the user's: while one of these lives,
// the network and the settings hold the user's values, and the script's are set again
// afterwards. Every save into a file of the user's holds one.
struct Nutzerwerte {
    Nutzerwerte();
    ~Nutzerwerte();
    Nutzerwerte(const Nutzerwerte&) = delete;
    Nutzerwerte& operator=(const Nutzerwerte&) = delete;

private:
    bool gegeben;
};
// A save into a file of the user's (the dialog asks for its name with fragen non-zero): the
// network and the settings as the user has them, without what a loaded script set at its
// load, which stays set in memory.
bool netzInDateiSpeichern(int fragen);
// Before a command closes or replaces the network: a network with neurons is offered for
// saving unless a save would write exactly the bytes of its own file (Yes/No/Cancel; one
// without a file of its own under a name the save dialog asks for). false when the user
// cancelled or the save failed: the command stops, and the network, its names and paths
// stay as they are.
bool netzSpeichernVorDemSchliessen();
// true: the end that follows leaves the settings file as it is (the language command has
// just written its line into it); a network is still offered. false takes that back.
void einstellungenBeimEndeBehalten(bool behalten);

// The open command at the start: a file named on the command line becomes the network's
// path, once; true when there is a file to open without asking (that one, or the remembered
// network the settings file asks to open). false: the open dialog asks.
bool startDateiUebernehmen();
