// GYOK2: the square root of 2 computed on the library, by Newton's method on
// fractions and by the solutions of the Pell equation x^2 - 2y^2 = 1, and the
// conversion of a fraction into the driver's decimal real number VALOSSZAM.
//
// Everything here goes through the public parts of ARITUNIT and RACIONA5 (and
// the driver's constants); nothing reaches into their digit loops. The
// operations expect TULCSORDULT clear on entry and leave it clear.
#pragma once

#include "aritunit.hpp"
#include "raciona5.hpp"

namespace gyok2 {

using aritunit::EGESZSZAM;
using raciona5::TORT;
using raciona5::VALOSSZAM;

// The highest fractional digit index that the main flow prints (KIIR(X, 72)),
// so the number of digits after the point that the methods make certain.
inline constexpr int KIIRHOSSZ = 72;

// VALOS := RAC in decimal: VALOS.EGESZ the integer part |SZAMLALO| div NEVEZO
// in normal form, VALOS.TORT the digits after the point in reading order,
// indices 0 to HOSSZ (0..255), truncated, with TORT.HOSSZ = HOSSZ and zeros
// above. Both fields are radix 10 and carry the fraction's sign (POZ for zero).
// RAC is a radix-10 fraction in normal form with a positive denominator. Each
// digit divides ten times the running remainder by NEVEZO, so the digits are
// exact while that product fits in 256 digits, which a denominator below
// 10^255 guarantees; with a longer denominator a remainder of 10^255 or more
// raises TULCSORDULT and the digits from there on are 0.
void TORTBOL_VALOS(const TORT& RAC, int HOSSZ, VALOSSZAM& VALOS);

// For P/Q > 0 (radix 10, normal form, both below 10^255): VALOS := P/Q to
// HOSSZ digits after the point; true when 2Q/P gives the same integer part and
// the same digits. P/Q and 2Q/P multiply to 2, so they lie on either side of
// the square root of 2, and truncation keeps their order: digits that both
// share are the digits of the square root of 2 as well.
bool BIZTOS_E(const EGESZSZAM& P, const EGESZSZAM& Q, int HOSSZ, VALOSSZAM& VALOS);

// One Newton step for x^2 = 2 on a positive fraction: XT := XT/2 + 1/XT, with
// XT/2 made by doubling the denominator, 1/XT by swapping numerator and
// denominator, and the sum by TORTOSSZEAD (exact while it fits in 256 digits,
// cut to 256 digits otherwise, raising KEREKITES). Afterwards a numerator or
// denominator of 256 digits loses its lowest digit on both sides, so that XT
// stays below R^255 (R its radix) and the next step's doubled denominator and
// cross products cannot outgrow what TORTOSSZEAD takes.
void NEWTON_LEPES(TORT& XT);

// One step along the solutions of x^2 - 2y^2 = 1:
// (PX, PY) := (3 PX + 4 PY, 2 PX + 3 PY), with the driver's HAROM and NEGY
// (the constant table must be built) and KETTO. Radix 10.
void PELL_LEPES(EGESZSZAM& PX, EGESZSZAM& PY);

// The square root of 2 by Newton's method from 1: VX := the first iterate
// whose KIIRHOSSZ + 1 digits are certain (BIZTOS_E), ITERSZAM := the number of
// steps taken (7). VX's earlier value is not used.
void GYOK2_NEWTON(VALOSSZAM& VX);

// The square root of 2 as x/y from the Pell solutions from (3, 2): VX := the
// first x/y whose KIIRHOSSZ + 1 digits are certain (BIZTOS_E), ITERSZAM := the
// number of steps taken (48). VX's earlier value is not used.
void GYOK2_PELL(VALOSSZAM& VX);

}  // namespace gyok2
