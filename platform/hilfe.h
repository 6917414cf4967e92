// platform/hilfe.h - a help page shown in the user's web browser
#pragma once
#include <string>

namespace plattform {

// Opens the HTML file at pfad in the browser the desktop uses for web pages, without
// waiting for it. false when no browser could be started for it.
bool hilfeSeiteZeigen(const std::string& pfad);

} // namespace plattform
