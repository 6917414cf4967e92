// files/fremdformat.h - network files of the sibling program (*.sim): one number a line
#pragma once
#include <string>

// Loads the file as the current network; 0 when it could not be read.
int simDateiLesen(const std::string& pfad);
