// model/kern_exp.cpp - the table of expEinzeln
#include "model/kern_exp.h"
#include <cmath>

kernExp::Tabelle::Tabelle()
{
    // each entry rounded once from the wider type's value
    for (int j = 0; j < (1 << tabellenBits); ++j)
        zweiHoch[j] = static_cast<double>(std::exp2l(static_cast<long double>(j) / (1 << tabellenBits)));
}

const kernExp::Tabelle kernExp::tabelle;
