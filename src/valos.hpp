// The driver's real-number printing and its table of constants.
#pragma once

#include "aritunit.hpp"
#include "raciona5.hpp"

namespace valos {

using aritunit::EGESZSZAM;
using raciona5::TORT;
using raciona5::VALOSSZAM;

// Writes VALOS as one console line: the lowest digit of the integer part, then,
// unless the fraction digits 0..TORT.HOSSZ are all zero, "." and the fraction
// digits 0..min(TORT.HOSSZ, HOSSZ). No sign; each digit as a decimal numeral.
void KIIR(VALOSSZAM VALOS, int HOSSZ);

// Writes the line " Iterációszám:" with ITERSZAM right-aligned in 4 columns.
void ITERSZAM_KIIR(int ITERSZAM);

}  // namespace valos
