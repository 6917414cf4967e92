// app/start.h - the program's start after the platform is up
#pragma once
#include <string>

// Registers the window classes, creates and shows the main window, runs the message
// loop and returns the program's exit code. dateiArgument: the network file named on
// the command line, or "".
int programmStart(const std::string& dateiArgument);
