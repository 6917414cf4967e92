// platform/zeichnen.cpp - the parts of the drawing API that need no GUI
#include "platform/zeichnen.h"
#include <cmath>

namespace plattform {

int schriftHoeheAusPunkten(int punkte, int dpiY)
{
    // rounded half away from zero, as the integer multiply-divide of the stored sizes does
    return -static_cast<int>(std::lround(static_cast<double>(punkte) * dpiY / 72.0));
}

int stiftStilNormiert(int stil)
{
    return (stil >= stiftStil::Durchgehend && stil <= stiftStil::Innen) ? stil : stiftStil::Durchgehend;
}

} // namespace plattform
