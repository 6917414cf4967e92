// model/standarddateien.h - the default-parameter files of the four models
//
// Each file holds exactly the numbers of one parameter group, one a line, with a decimal
// point. Only the head of the neuron list reads a file; every later neuron copies the
// group from the head, unless the head came from a network text that lacked the group
// (NeuronDaten::fehlendeModellbereiche): then it reads the file too.
#pragma once
#include "model/neuron.h"

#include <string>

// The five full paths. The settings reader sets them from its keys; until then they lie
// in the program directory's "Parameter" folder under their default names.
struct StandardDateien {
    std::string allgemein;   // "standard.gen": P0-11
    std::string onOff;       // "onoff.channel": model 1
    std::string hh;          // "hh.channel": model 3
    std::string swim;        // "swim.channel": model 2
    std::string gb;          // "gb.channel": model 4
};
extern StandardDateien standardDateien;
// the default names below programmVerzeichnis()/unterverzeichnis
void standardDateienVorgeben(const std::string& unterverzeichnis = "Parameter");

// 1 when the group was filled, 0 otherwise (reported: 115 not opened, 125 a bad or
// missing number, 120 more in the file than the group, 101 not closed); the values
// read before a failure stay.
int stdParameterAllgemeinLaden(NeuronDaten& neuron);
int stdParameterModell1Laden(NeuronDaten& neuron);
int stdParameterModell2Laden(NeuronDaten& neuron);
int stdParameterModell3Laden(NeuronDaten& neuron);
int stdParameterModell4Laden(NeuronDaten& neuron);
