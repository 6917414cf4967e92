// tests/stuetzen/menuemarken.h - every item of a menu and its submenus with its command,
// tick and grey, to compare what a menu shows before and after a user's action
#pragma once
#include "platform/menue.h"
#include <tuple>
#include <vector>

using MenueMarken = std::vector<std::tuple<int, bool, bool>>;

inline void markenSammeln(plattform::Menue m, MenueMarken& marken)
{
    using namespace plattform;
    for (int i = 0; i < postenAnzahl(m); ++i)
        if (Menue u = untermenue(m, i))
            markenSammeln(u, marken);
        else if (const int b = postenBefehl(m, i); b > 0)
            marken.emplace_back(b, istAbgehakt(m, i, Nach::Position), istGrau(m, i, Nach::Position));
}
