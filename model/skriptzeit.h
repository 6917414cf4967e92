// model/skriptzeit.h - the time texts of result names, logs and tables
#pragma once
#include <ctime>

// The local time (now, from ortszeit, when zeit is null) in one of the layouts into
// puffer (at least 20 bytes), which it returns: 0, 1 and 5 "dd.mm.yy hh:mm:ss", 7 "yymmdd",
// 9 "hhmmss", 10 "yymmdd hhmmss", 11 "dd.mm.yy", 16 "hh:mm:ss"; years since 2000. Other
// layouts leave puffer as it was.
char* datumFormatieren(const std::tm* zeit, char* puffer, int layout);
