// model/kern_exp.cpp - the table of expEinzeln
#include "model/kern_exp.h"
#include <cmath>

kernExp::Tabelle::Tabelle()
{
    // each entry rounded once from the wider type's value
    for (int j = 0; j < 256; ++j)
        zweiHoch[j] = static_cast<double>(std::exp2l(static_cast<long double>(j) / 256.0L));
}

const kernExp::Tabelle kernExp::tabelle;
