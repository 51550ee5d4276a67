// The driver's real-number printing and its table of constants.
#pragma once

#include <string_view>

#include "aritunit.hpp"
#include "raciona5.hpp"

namespace valos {

using aritunit::EGESZSZAM;
using raciona5::TORT;
using raciona5::VALOSSZAM;

// The driver's integer constants (radix 10, POZ) ...
extern EGESZSZAM HAT, HUSZONNEGY, NYOLC, NEGY, OTVENHET, KETSZAZHARMINCKILENC, HUSZ, HET, HAROM,
    HETVENKILENC;
// ... and its fraction constants, built from them.
extern TORT HATTORT, NEGYTORT, HAROMTORT, HUSZONNEGYTORT, OTVENHETED, NYOLCTORT, NYOLCAD,
    KETSZAZHARMINCKILENCED, HETED, HUSZTORT, HAROMHETVENKILENCED;

// X := the non-negative radix-10 integer written in SZAM, digit by digit (a
// character other than 0-9 gives the digit 0; leading zeros are kept). An
// empty SZAM, or one longer than 255 characters, is a range error.
void KONV_STRINGEGESZ(EGESZSZAM& X, std::string_view SZAM);

// Builds the constant table; needs both modules started.
void KONSTANSLETREHOZAS();

// Writes VALOS as one console line: the lowest digit of the integer part, then,
// unless the fraction digits 0..TORT.HOSSZ are all zero, "." and the fraction
// digits 0..min(TORT.HOSSZ, HOSSZ). No sign; each digit as a decimal numeral.
void KIIR(VALOSSZAM VALOS, int HOSSZ);

// Writes the line " Iterációszám:" with ITERSZAM right-aligned in 4 columns.
void ITERSZAM_KIIR(int ITERSZAM);

}  // namespace valos
